#include "karvelo/calc/KHbeta_vyp.h"

#include <algorithm>
#include <cmath>

#include "karvelo/calc/Global.h"
#include "karvelo/calc/Vypocty1.h"

namespace karvelo {

namespace {

// Ratio T = K' l1 s1 / d1^2 (d1/dsh1)^4 of the pinion shaft deflection, for the given K'.
double ShaftDeflectionRatio(double Kprime) {
    const GlobalData& g = G;
    return Kprime * g.l1 * g.s1 / (g.d1 * g.d1) * std::pow(g.d1 / g.dsh1, 4);
}

}  // namespace

void ComputeHelixRunningInAllowance(int Level) {
    GlobalData& g = G;
    const bool level = g.LoadInputMethod == kMultilevelLoading && Level >= 1 && Level <= kMaxLevels;
    const double n = level ? g.n1Level[Level] : g.n1;
    g.v = PitchLineVelocity(n);
    g.ybeta1 = ComputeRunningInAllowance(g.MaterialCode1, g.Fbx, g.SigmaHlim1, g.v, kHelixRunningIn);
    g.ybeta2 = ComputeRunningInAllowance(g.MaterialCode2, g.Fbx, g.SigmaHlim2, g.v, kHelixRunningIn);
    g.ybeta = (g.ybeta1 + g.ybeta2) / 2;
}

void DeterminePinionOffsetConstant() {
    GlobalData& g = G;
    const bool stiffened = g.d1 / g.dsh1 >= 1.15 && g.PinionShrinkFitted;
    const std::string& arrangement = g.KHbetaCase;
    if (arrangement == "a") g.Kprime = stiffened ? 0.48 : 0.8;
    if (arrangement == "b") g.Kprime = stiffened ? -0.48 : -0.8;
    if (arrangement == "c") g.Kprime = 1.33;
    if (arrangement == "d") g.Kprime = stiffened ? -0.36 : -0.6;
    if (arrangement == "e") g.Kprime = stiffened ? -0.6 : -1.0;

    const double T = ShaftDeflectionRatio(std::fabs(g.Kprime));
    const std::string& pattern = g.KHbetaCase2;
    if (pattern == "a" || pattern == "f") g.ContactInfluence = "compensatory";
    if (pattern == "b" || pattern == "e") g.ContactInfluence = "additive";
    if (pattern == "c") g.ContactInfluence = T > 1.0 ? "compensatory" : "additive";
    if (pattern == "d") g.ContactInfluence = T < 0.7 ? "compensatory" : "additive";

    switch (g.HelixModification) {
        case kNoHelixModification: g.B1 = 1, g.B2 = 1; break;
        case kCentralCrowning: g.B1 = 1, g.B2 = 0.5; break;
        case kHelixCorrection: g.B1 = 0.1, g.B2 = 1; break;
        case kHelixCorrectionAndCrowning: g.B1 = 0.1, g.B2 = 0.5; break;
        case kEndRelief: g.B1 = 0.7, g.B2 = 0.7; break;
        default: break;  // kCentralCrowningAsStored keeps the factors
    }
    if (g.HelixModification == kCentralCrowning) {
        // An entered fma stands; it decides B1 as the computed one would.
        if (!g.fmaDirect) g.fma = std::sqrt(g.fHbeta1 * g.fHbeta1 + g.fHbeta2 * g.fHbeta2);
        g.B1 = 1.2 * g.fma >= g.cbeta ? 1 : 0.5;
    }
}

void SetHelixSlopeDeviations() {
    GlobalData& g = G;
    g.fHbeta1 = g.fHbeta1Measured ? RoundTolerance(ComputeHelixSlopeTolerance(g.IT1, g.d1, g.b)) : g.fHbeta1act;
    g.fHbeta2 = g.fHbeta2Measured ? RoundTolerance(ComputeHelixSlopeTolerance(g.IT2, g.d2, g.b)) : g.fHbeta2act;
    g.fHbeta5 = RoundTolerance(ComputeHelixSlopeTolerance(5, g.d1, g.b));
}

double ComputeKHbetaForLoad(double Fm, int Level) {
    GlobalData& g = G;
    const double loadPerWidth = Fm / g.b;
    if (!g.fshDirect) {
        const double T = ShaftDeflectionRatio(g.Kprime);
        g.fsh = 0.023 * loadPerWidth * (std::fabs(1 + T - 0.3) + 0.3) * (g.b / g.d1) * (g.b / g.d1);
    }
    if (!g.fmaDirect) g.fma = std::sqrt(g.fHbeta1 * g.fHbeta1 + g.fHbeta2 * g.fHbeta2);
    if (g.ContactInfluence == "compensatory") g.Fbx = std::fabs(1.33 * g.B1 * std::fabs(g.fsh) - g.fHbeta5);
    if (g.ContactInfluence == "additive") g.Fbx = 1.33 * g.B1 * std::fabs(g.fsh) + g.B2 * g.fma;
    const double Fmin = std::max(0.005 * loadPerWidth, 0.5 * g.fHbeta1);
    if (g.Fbx < Fmin) g.Fbx = Fmin;
    if (g.KHbetaCalcVariant == "b") g.Fbx = Fmin;  // well designed end relief
    if (g.KHbetaCalcVariant == "c") {
        const double X = std::fabs(g.fma) >= std::fabs(g.fHbeta5) ? g.fma : g.fHbeta5;
        g.Fbx = 1.33 * g.B1 * g.fsh + g.fsh2 + X + g.fca + g.fbe;
    }
    ComputeHelixRunningInAllowance(Level);
    g.Fby = g.Fbx - g.ybeta;
    ComputeToothStiffness();
    const double M = g.Fby * g.cgammaBeta / (2 * loadPerWidth);
    double KHbeta = M <= 1 ? 1 + M : std::sqrt(2 * g.Fby * g.cgammaBeta / loadPerWidth);
    if (KHbeta < 1) KHbeta = 1;
    return KHbeta;
}

void ComputeKHbeta() {
    GlobalData& g = G;
    CheckAccuracyRange("fHbeta");
    SetHelixSlopeDeviations();
    DeterminePinionOffsetConstant();
    if ((g.LoadInputMethod == kOneLevelLoading || g.CalcMethodics < kMethodicsMiner) && !g.KvDirect) {
        if (g.MethodC)
            ComputeKvMethodC();
        else
            ComputeKvMethodB();
    }
    if (!CheckCommonFaceWidth()) return;
    g.Fm = g.Ftjm * g.KA * g.Kv;
    g.KHbeta = ComputeKHbetaForLoad(g.Fm, 22);
    StopUnlessFinite(g.KHbeta, "The face load factor KHbeta");
}

}  // namespace karvelo
