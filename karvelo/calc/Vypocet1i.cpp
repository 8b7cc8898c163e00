#include "karvelo/calc/Vypocet1i.h"

#include <cmath>
#include <utility>

#include "karvelo/calc/Epsilon.h"
#include "karvelo/calc/Global.h"
#include "karvelo/calc/KHbeta_vyp.h"
#include "karvelo/calc/Platnost.h"
#include "karvelo/calc/SouciniteleZ.h"
#include "karvelo/calc/Vypocty1.h"

namespace karvelo {

namespace {

// Levels whose force is below this carry no load: their factors are 1.
constexpr double kNoLoad = 0.001;

constexpr int kSmallLoadSlot = 26;

bool NoLoad(int Level) { return G.FtLevel[Level] < kNoLoad; }

// A Kv given directly is that of every level, also at the equivalent loads.
bool KvGiven(int Level) {
    if (G.KvDirect) G.KvLevel[Level] = G.Kv;
    return G.KvDirect;
}

void StoreKv(int Level, double kv) {
    if (!G.KvDirect && kv < 1) kv = 1;
    G.KvLevel[Level] = kv;
    StopUnlessFinite(kv, "The dynamic factor Kv");
}

}  // namespace

void ComputeKFbetaLevels() {
    GlobalData& g = G;
    ComputeEffectiveFaceWidths();
    if (g.KFbetaDirect || !CheckLevelCount()) return;
    const double NF = ComputeKFbetaExponent();
    for (int i = 1; i <= g.LevelCount; ++i) g.KFbetaLevel[i] = std::pow(g.KHbetaLevel[i], NF);
}

void ComputeKHbetaLevel(int Level) {
    GlobalData& g = G;
    ComputeEffectiveFaceWidths();
    SetHelixSlopeDeviations();
    if (g.KHbetaDirect) {
        ComputeEffectiveFaceWidths();
        ComputeKFbetaLevels();
        return;
    }
    if (NoLoad(Level)) {
        g.KHbetaLevel[Level] = 1;
        g.KFbetaLevel[Level] = 1;
        return;
    }
    if (!CheckCommonFaceWidth()) return;
    DeterminePinionOffsetConstant();
    g.KHbetaLevel[Level] = ComputeKHbetaForLoad(g.FtLevel[Level], Level);
    StopUnlessFinite(g.KHbetaLevel[Level], "The face load factor KHbeta");
    ComputeKFbetaLevels();
}

void ComputeKvMethodCLevel(int Level) {
    GlobalData& g = G;
    if (KvGiven(Level)) return;
    if (NoLoad(Level)) {
        g.KvLevel[Level] = 1;
        return;
    }
    if (!CheckCommonFaceWidth()) return;
    ComputeContactRatios();  // the overlap ratio of this pair, as method B takes its stiffness
    g.v = PitchLineVelocity(g.n1Level[Level]);
    StoreKv(Level, ComputeKvMethodCFor(g.v, g.FtLevel[Level] / g.b));
    if (g.CalculationRunning) CheckKvValidityAtLevel(Level);
}

void ComputeKvCoefficientsLevel(int Level) { ComputeKvCoefficientsFor(G.FtLevel[Level] / G.b, Level); }

void ComputeKvMethodBLevel(int Level) {
    GlobalData& g = G;
    if (KvGiven(Level)) return;
    if (NoLoad(Level)) {
        g.KvLevel[Level] = 1;
        g.ValidityKinds[kSmallLoadSlot] = 1;
        return;
    }
    if (!CheckCommonFaceWidth()) return;
    StoreKv(Level, ComputeKvMethodBFor(g.n1Level[Level], g.FtLevel[Level] / g.b, Level));
    if (g.CalculationRunning) CheckKvValidityAtLevel(Level);
}

void ComputeKHalphaLevel(int Level) {
    GlobalData& g = G;
    if (NoLoad(Level)) {
        g.KHalfaLevel[Level] = 1;
        g.KFalfaLevel[Level] = 1;
        return;
    }
    ComputeContactRatios();
    ComputeContactZFactors();
    ComputeToothStiffness();
    ComputeAllowableDeviations();
    CheckAccuracyRange("fpb+ffalfa");
    if (!CheckCommonFaceWidth()) return;
    const double w = g.FtLevel[Level] * g.KvLevel[Level] * g.KHbetaLevel[Level] / g.b;
    double KHa = 1, KFa = 1;
    ComputeTransverseFactorValues(ComputeTransverseDeviationQuotient(w, Level), KHa, KFa);
    if (!g.KHalfaDirect) g.KHalfaLevel[Level] = KHa;
    if (!g.KFalfaDirect) g.KFalfaLevel[Level] = KFa;
    if (StopUnlessFinite(g.KHalfaLevel[Level], "The transverse load factor KHalfa"))
        StopUnlessFinite(g.KFalfaLevel[Level], "The transverse load factor KFalfa");
    if (g.CalculationRunning) CheckKHalphaValidityAtLevel(Level);
}

double LevelForce(double load, bool force) { return force ? load : load * 2000 / G.d1; }

void ComputeLevelFactors(int levels) {
    GlobalData& g = G;
    for (int j = 1; j <= levels; ++j) {
        if (g.MethodC)
            ComputeKvMethodCLevel(j);
        else
            ComputeKvMethodBLevel(j);
    }
    for (int j = 1; j <= levels; ++j) ComputeKHbetaLevel(j);
    for (int j = 1; j <= levels; ++j) ComputeKHalphaLevel(j);
    // A factor given directly is that of every level, whatever the levels held before.
    const std::pair<bool GlobalData::*, std::pair<double GlobalData::*, TLevelArray GlobalData::*>> given[] = {
        {&GlobalData::KHbetaDirect, {&GlobalData::KHbeta, &GlobalData::KHbetaLevel}},
        {&GlobalData::KHalfaDirect, {&GlobalData::KHalfa, &GlobalData::KHalfaLevel}},
        {&GlobalData::KFalfaDirect, {&GlobalData::KFalfa, &GlobalData::KFalfaLevel}},
        {&GlobalData::KFbetaDirect, {&GlobalData::KFbeta, &GlobalData::KFbetaLevel}},
        {&GlobalData::KvDirect, {&GlobalData::Kv, &GlobalData::KvLevel}},
    };
    for (const auto& [direct, factor] : given)
        if (g.*direct)
            for (int j = 1; j <= levels; ++j) (g.*factor.second)[j] = g.*factor.first;
}

}  // namespace karvelo
