#include "karvelo/calc/Vypocet.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <numbers>
#include <string>
#include <utility>

#include "karvelo/calc/Epsilon.h"
#include "karvelo/calc/Geometrie.h"
#include "karvelo/calc/Global.h"
#include "karvelo/calc/KHbeta_vyp.h"
#include "karvelo/calc/MaterialClasses.h"
#include "karvelo/calc/Odvozene.h"
#include "karvelo/calc/Platnost.h"
#include "karvelo/calc/Pripustna_napeti_dotyk.h"
#include "karvelo/calc/Pripustna_napeti_ohyb.h"
#include "karvelo/calc/SouciniteleY.h"
#include "karvelo/calc/SouciniteleZ.h"
#include "karvelo/calc/Vypocet1i.h"
#include "karvelo/calc/Vypocty1.h"
#include "karvelo/calc/Vypocty_ekv.h"
#include "karvelo/calc/WindowHooks.h"
#include "karvelo/calc/Zivotnost.h"
#include "runtime/Notice.h"
#include "runtime/NumText.h"

namespace karvelo {

namespace {

// Damage of n cycles at stress s on the S-N line through (a, L) with exponent q, where the line
// gives N = L (a / s)^q cycles to failure.  A stress of zero is no load and does no damage.
double LineDamage(double n, double s, double a, double q, double L) {
    if (!(s > 0)) return 0;
    return n / (L * std::pow(a / s, q));
}

struct ContactCurve {
    double ref, knee;  // reference (endurance) stress and the stress at 1e7 cycles with pitting
    double q, qBelow, qKnee;
    double Nlim;
    bool pitting;
};

double ContactDamage(double n, double s, const ContactCurve& c, bool haibach) {
    if (!(s > 0)) return 0;
    if (c.pitting) {
        if (s >= c.knee) return LineDamage(n, s, c.knee, c.q, kPittingKneeCycles);
        if (s >= c.ref) return LineDamage(n, s, c.ref, c.qKnee, c.Nlim);
    } else if (s >= c.ref) {
        return LineDamage(n, s, c.ref, c.q, c.Nlim);
    }
    return haibach ? LineDamage(n, s, c.ref, c.qBelow, c.Nlim) : 0.0;
}

// Equivalent loads (a spectrum by Miner or Haibach, or given equivalent loads) use the load
// factors that belong to them.
bool EquivalentLoadFactors() { return G.LoadInputMethod > kOneLevelLoading && G.CalcMethodics >= kMethodicsMiner; }
// The levels of a spectrum by Miner or Haibach are the actual loads, and its equivalent loads
// with them: no KA on top, as the spectrum evaluation and the service life take them.
double SpectrumApplicationFactor() { return SpectrumByDamage(G) ? 1.0 : G.KA; }
// The equivalent factor over the spectrum is the factor of its equivalent loads; a factor given
// directly is its own equivalent and stays the case's.
void TakeEquivalentFactor(double& factor, double& equivalent, bool given) {
    if (given)
        equivalent = factor;
    else
        factor = equivalent;
}
// One load and the approximate spectrum methodics use the single force for both gears.
bool SingleLoadStresses() { return G.LoadInputMethod == kOneLevelLoading || G.CalcMethodics < kMethodicsMiner; }

double BendingDamage(double n, double s, double ref, double q, double qBelow, double Nlim, bool haibach) {
    if (s >= ref) return LineDamage(n, s, ref, q, Nlim);
    return haibach ? LineDamage(n, s, ref, qBelow, Nlim) : 0.0;
}

// "Stop" of the body and rim checks: the message, then the dimensions window.
void StopForDimensions(const char* message) {
    rt::ShowMessage(message);
    G.ResumeCalculation = false;
    win::ShowDimensionsForm();
}

// "Ask" of the rim checks when the ratio is at or below its limit: the question with the present
// ratio; "New entry" opens the dimensions window.  True when the checks go on.
bool AskAboutRim(const char* question, double ratio, double limit) {
    GlobalData& g = G;
    g.StrBuf1 = rt::Str(ratio, 5, 2);
    if (!(ratio <= limit)) return true;
    win::AskResumeOrNewEntry(question + g.StrBuf1);
    if (g.ResumeCalculation) return true;
    win::ShowDimensionsForm();
    return false;
}

bool AllFinite(std::initializer_list<std::pair<const char*, double>> results) {
    for (const auto& [what, value] : results)
        if (!StopUnlessFinite(value, what)) return false;
    return true;
}

// The equivalent loads of a spectrum and what belongs to them.
bool SpectrumResultsFinite() {
    const GlobalData& g = G;
    if (g.CalcMethodics == kMethodicsFigA3 || g.CalcMethodics == kMethodicsEqA2) {
        const bool f = g.LoadAsForce;
        return AllFinite({
            {f ? "The equivalent force FtFe1" : "The equivalent torque TFe1", f ? g.FtFe1 : g.TFe1},
            {f ? "The equivalent force FtHe1" : "The equivalent torque THe1", f ? g.FtHe1 : g.THe1},
            {f ? "The equivalent force FtFe2" : "The equivalent torque TFe2", f ? g.FtFe2 : g.TFe2},
            {f ? "The equivalent force FtHe2" : "The equivalent torque THe2", f ? g.FtHe2 : g.THe2},
            {"The application factor KAF1", g.KAF1},
            {"The application factor KAH1", g.KAH1},
            {"The application factor KAF2", g.KAF2},
            {"The application factor KAH2", g.KAH2},
            {"The cycle number NFe1", g.NFe1},
            {"The cycle number NHe1", g.NHe1},
            {"The cycle number NFe2", g.NFe2},
            {"The cycle number NHe2", g.NHe2},
        });
    }
    return AllFinite({
        {"The equivalent stress SigmaF1ekv", g.SigmaF1ekv},
        {"The equivalent stress SigmaH1ekv", g.SigmaH1ekv},
        {"The equivalent stress SigmaF2ekv", g.SigmaF2ekv},
        {"The equivalent stress SigmaH2ekv", g.SigmaH2ekv},
        {"The cycle number NF1ekv", g.NF1ekv},
        {"The cycle number NH1ekv", g.NH1ekv},
        {"The cycle number NF2ekv", g.NF2ekv},
        {"The cycle number NH2ekv", g.NH2ekv},
        {"The equivalent load factor KHekv", g.KHekv},
        {"The equivalent load factor KFekv", g.KFekv},
        {"The load factor KHPerm", g.KHPerm},
        {"The load factor KFPerm", g.KFPerm},
        {"The equivalent force FtFe1", g.FtFe1},
        {"The equivalent force FtHe1", g.FtHe1},
        {"The equivalent force FtFe2", g.FtFe2},
        {"The equivalent force FtHe2", g.FtHe2},
        {"The permissible force FtFP1", g.FtFP1},
        {"The permissible force FtHP1", g.FtHP1},
        {"The permissible force FtFP2", g.FtFP2},
        {"The permissible force FtHP2", g.FtHP2},
    });
}

bool ServiceLifeResultsFinite() {
    const GlobalData& g = G;
    return AllFinite({
        {"The safety factor SF1", g.SF1life},
        {"The safety factor SH1", g.SH1life},
        {"The safety factor SF2", g.SF2life},
        {"The safety factor SH2", g.SH2life},
        {"The service life LF1", g.LF1},
        {"The service life LH1", g.LH1},
        {"The service life LF2", g.LF2},
        {"The service life LH2", g.LH2},
    });
}

// The speeds of the case (the levels' of a spectrum) give a pitch line velocity.
bool PitchLineVelocitiesFinite() {
    const GlobalData& g = G;
    if (!StopUnlessFinite(PitchLineVelocity(g.n1), "The pitch line velocity v")) return false;
    if (g.LoadInputMethod == kMultilevelLoading && LevelCountInRange())
        for (int i = 1; i <= g.LevelCount; ++i)
            if (!StopUnlessFinite(PitchLineVelocity(g.n1Level[i]), "The pitch line velocity v")) return false;
    return true;
}

// The validity messages quote values of the case; one that is not a number (written "NAN" or
// "INF") stops the calculation like any other result.
bool ValidityMessagesHoldNumbers() {
    const GlobalData& g = G;
    for (int slot = 1; slot <= kValiditySlots; ++slot) {
        const std::string& text = g.ValidityMessages[slot];
        if (g.ValidityKinds[slot] && (text.find("NAN") != std::string::npos || text.find("INF") != std::string::npos))
            return StopUnlessFinite(std::numeric_limits<double>::quiet_NaN(), "The validity restrictions");
    }
    return true;
}

// A case of a spectrum without an equivalent load (none evaluated) has no stress to rate: it gets
// the safety factor of the service-life search for no damage.
void NoFailureWithoutEquivalentLoad(double equivalentForce, double& safety) {
    const GlobalData& g = G;
    if (SpectrumByDamage(g) && equivalentForce == 0) safety = kNoFailureSafetyFactor;
}

// The shown results as they are collected: a variable of G, or a value formed from others.
class ResultList {
public:
    std::vector<NamedResult> results;

    void Add(std::string what, const double& field) { results.push_back({std::move(what), field, &field}); }
    void Add(std::string what, double&& value) = delete;  // a formed value is Computed
    void Computed(std::string what, double value) { results.push_back({std::move(what), value, nullptr}); }
    // Pinion and wheel twins: "<kind> <symbol>1<suffix>" and "<kind> <symbol>2<suffix>".
    void Pair(const std::string& kind, const std::string& symbol, const double& v1, const double& v2,
              const std::string& suffix = "") {
        Add(kind + " " + symbol + "1" + suffix, v1);
        Add(kind + " " + symbol + "2" + suffix, v2);
    }
};

}  // namespace

std::vector<NamedResult> ShownResults() {
    const GlobalData& g = G;
    ResultList list;
    const int last = g.LevelCount;
    const bool levels = LevelCountInRange();
    const bool spectrumByDamage = SpectrumByDamage(g);

    // The factors of the main window's panels come first, so that a stop names the origin
    // rather than the stress that follows from it.
    list.Add("The load factor KF", g.KF);
    list.Add("The dynamic factor Kv", g.Kv);
    list.Add("The transverse load factor KFalfa", g.KFalfa);
    list.Add("The face load factor KFbeta", g.KFbeta);
    list.Add("The transverse contact ratio epsalfa", g.epsalfa);
    list.Add("The overlap ratio epsbeta", g.epsbeta);
    list.Add("The deep tooth factor YDT", g.YDT);
    list.Add("The helix angle factor Ybeta", g.Ybeta);
    list.Pair("The tooth form factor", "YF", g.YF1, g.YF2);
    list.Pair("The stress correction factor", "YS", g.YS1, g.YS2);
    list.Pair("The notch factor", "YSg", g.YSg1, g.YSg2);
    list.Pair("The rim factor", "YB", g.YB1, g.YB2);
    list.Pair("The life factor", "YN", g.YN1, g.YN2);
    list.Pair("The relative notch sensitivity factor", "YdrelT", g.YdrelT1, g.YdrelT2);
    list.Pair("The relative surface factor", "YRrelT", g.YRrelT1, g.YRrelT2);
    list.Pair("The size factor", "YX", g.YX1, g.YX2);
    list.Add("The load factor KH", g.KH);
    list.Add("The transverse load factor KHalfa", g.KHalfa);
    list.Add("The face load factor KHbeta", g.KHbeta);
    list.Add("The application factor KA", g.KA);
    list.Add("The contact ratio factor Zepsilon", g.Zepsilon);
    list.Add("The helix angle factor Zbeta", g.Zbeta);
    list.Add("The elasticity factor ZE", g.ZE);
    list.Add("The zone factor ZH", g.ZH);
    list.Add("The single pair tooth contact factor ZB", g.ZB);
    list.Add("The single pair tooth contact factor ZD", g.ZD);
    list.Pair("The life factor", "ZN", g.ZN1, g.ZN2);
    list.Add("The size factor ZX", g.ZX);
    list.Add("The work hardening factor ZW", g.ZW);
    list.Add("The lubricant factor ZL", g.ZL);
    list.Add("The velocity factor ZV", g.ZV);
    list.Add("The roughness factor ZR", g.ZR);
    // Their stresses and safety factors.
    list.Pair("The reference tooth-root stress", "SigmaFP", g.Sigmafpb1ref, g.Sigmafpb2ref, "ref");
    list.Pair("The static tooth-root stress", "SigmaFP", g.Sigmafpb1stat, g.Sigmafpb2stat, "stat");
    list.Pair("The tooth-root stress", "SigmaF", g.SigmaF1, g.SigmaF2);
    list.Pair("The permissible tooth-root stress", "SigmaFP", g.SigmaFP1, g.SigmaFP2);
    list.Pair("The safety factor", "SF", g.SF1, g.SF2);
    list.Pair("The reference contact stress", "SigmaHP", g.SigmaHP1ref, g.SigmaHP2ref, "ref");
    list.Pair("The static contact stress", "SigmaHP", g.SigmaHP1stat, g.SigmaHP2stat, "stat");
    list.Pair("The contact stress", "SigmaH", g.SigmaH1, g.SigmaH2);
    list.Pair("The permissible contact stress", "SigmaHP", g.SigmaHP1, g.SigmaHP2);
    list.Pair("The safety factor", "SH", g.SH1, g.SH2);
    // The maximum stresses: those of the most stressed level of a spectrum or of current
    // service-life results (not always the largest load's: a level's own speed may raise it).
    if ((spectrumByDamage || g.LifeValid) && levels) {
        const auto most = [last](const TLevelArray& stress) -> const double& {
            return stress[MostStressedLevel(stress, last)];
        };
        list.Pair("The maximum tooth-root stress", "SigmaF", most(g.SigmaF1Level), most(g.SigmaF2Level), "max");
        list.Pair("The maximum contact stress", "SigmaH", most(g.SigmaH1Level), most(g.SigmaH2Level), "max");
    }

    // The results listing adds the mean stress factors.
    list.Pair("The mean stress factor", "YM", g.YM1ref, g.YM2ref, "ref");
    list.Pair("The mean stress factor", "YM", g.YM1stat, g.YM2stat, "stat");
    if (g.LifeValid) {
        list.Pair("The safety factor", "SF", g.SF1life, g.SF2life);
        list.Pair("The safety factor", "SH", g.SH1life, g.SH2life);
        list.Pair("The service life", "LF", g.LF1, g.LF2);
        list.Pair("The service life", "LH", g.LH1, g.LH2);
        if (g.LifeFromSafety && !g.SpectrumInCycles) {
            // listed in hours of the pinion speed; the wheel turns z1/|z2| times as often
            auto hours = [&](double cycles, bool wheel) {
                return wheel ? std::fabs(g.z2) * (cycles / 60 / g.n1) / g.z1 : cycles / 60 / g.n1;
            };
            list.Computed("The service life in hours LF1", hours(g.LF1, false));
            list.Computed("The service life in hours LF2", hours(g.LF2, true));
            list.Computed("The service life in hours LH1", hours(g.LH1, false));
            list.Computed("The service life in hours LH2", hours(g.LH2, true));
        }
    }
    // The input listing: geometry and deviations as derived, cycles from hours, the method C
    // components, the factors of the spectrum levels.
    list.Computed("The pressure angle alfan", g.alfan * 180 / std::numbers::pi);  // listed in degrees
    list.Computed("The helix angle beta", g.beta * 180 / std::numbers::pi);
    list.Add("The centre distance a", g.a);
    list.Pair("The tip diameter", "da", g.da1, g.da2);
    list.Pair("The single pitch deviation", "fp", g.fp1, g.fp2);
    list.Pair("The helix slope deviation", "fHbeta", g.fHbeta1, g.fHbeta2);
    list.Pair("The profile form deviation", "ffalfa", g.ffalfa1, g.ffalfa2);
    list.Pair("The cycle number", "NL", g.NL1, g.NL2);
    if (g.KHbetaMethod == "ISO_C" && g.KHbetaCalcVariant == "c") {
        list.Add("The component deflection fsh", g.fsh);
        list.Add("The manufacturing misalignment fma", g.fma);
    }
    if (g.LoadInputMethod == kMultilevelLoading && levels) {
        // The ratio modes list each level's load against the reference load.
        const double reference =
            g.LoadAsForce ? (g.SpectrumRatioToMin ? g.Ftmin : g.Ftmax) : (g.SpectrumRatioToMin ? g.Tmin : g.Tmax);
        for (int i = 1; i <= last; ++i) {
            const std::string level = " of level " + std::to_string(i);
            if (!g.SpectrumAbsolute)
                list.Computed("The load ratio" + level,
                              g.SpectrumRatioMaxTo ? reference / g.SpectrumY[i] : g.SpectrumY[i] / reference);
            list.Add("The face load factor KHbeta" + level, g.KHbetaLevel[i]);
            list.Add("The transverse load factor KHalfa" + level, g.KHalfaLevel[i]);
            list.Add("The transverse load factor KFalfa" + level, g.KFalfaLevel[i]);
            list.Add("The dynamic factor Kv" + level, g.KvLevel[i]);
            list.Add("The face load factor KFbeta" + level, g.KFbetaLevel[i]);
        }
        list.Add("The equivalent face load factor KHbeta", g.KHbetaEkv);
        list.Add("The equivalent transverse load factor KHalfa", g.KHalfaEkv);
        list.Add("The equivalent transverse load factor KFalfa", g.KFalfaEkv);
        list.Add("The equivalent dynamic factor Kv", g.KvEkv);
        list.Add("The equivalent face load factor KFbeta", g.KFbetaEkv);
    }
    // The data file stores the equivalent loads and stresses.
    if (g.LoadInputMethod > kOneLevelLoading) {
        const bool f = g.LoadAsForce;
        list.Pair(f ? "The equivalent force" : "The equivalent torque", f ? "FtFe" : "TFe", f ? g.FtFe1 : g.TFe1,
                  f ? g.FtFe2 : g.TFe2);
        list.Pair(f ? "The equivalent force" : "The equivalent torque", f ? "FtHe" : "THe", f ? g.FtHe1 : g.THe1,
                  f ? g.FtHe2 : g.THe2);
    }
    if (spectrumByDamage) {
        list.Pair("The equivalent stress", "SigmaF", g.SigmaF1ekv, g.SigmaF2ekv, "ekv");
        list.Pair("The equivalent stress", "SigmaH", g.SigmaH1ekv, g.SigmaH2ekv, "ekv");
    }
    return list.results;
}

bool ShownResultsFinite() {
    for (const NamedResult& result : ShownResults())
        if (!StopUnlessFinite(result.value, result.what)) return false;
    return true;
}

double SafetyFactor(double permissible, double stress) { return stress > 0 ? permissible / stress : 0.0; }

void DetectStaticOverloads() {
    GlobalData& g = G;
    g.StaticF1Exceeded = g.StaticH1Exceeded = g.StaticF2Exceeded = g.StaticH2Exceeded = false;
    const bool spectrumByDamage = SpectrumByDamage(g);
    if (g.LoadInputMethod == kOneLevelLoading || g.LoadInputMethod == kDirectEquivalentLoad ||
        (g.LoadInputMethod == kMultilevelLoading && g.CalcMethodics < kMethodicsMiner)) {
        g.StaticF1Exceeded = g.SigmaF1 > g.Sigmafpb1stat;
        g.StaticH1Exceeded = g.SigmaH1 > g.SigmaHP1stat;
        g.StaticF2Exceeded = g.SigmaF2 > g.Sigmafpb2stat;
        g.StaticH2Exceeded = g.SigmaH2 > g.SigmaHP2stat;
    }
    // The most stressed level sets flags, never clears them.
    const int n = g.LevelCount;
    if ((spectrumByDamage || g.LifeValid) && n >= 1 && n <= kMaxLevels) {
        if (LargestLevelStress(g.SigmaF1Level, n) > g.Sigmafpb1stat) g.StaticF1Exceeded = true;
        if (LargestLevelStress(g.SigmaH1Level, n) > g.SigmaHP1stat) g.StaticH1Exceeded = true;
        if (LargestLevelStress(g.SigmaF2Level, n) > g.Sigmafpb2stat) g.StaticF2Exceeded = true;
        if (LargestLevelStress(g.SigmaH2Level, n) > g.SigmaHP2stat) g.StaticH2Exceeded = true;
    }
}

void StoreSingleContactLevel() {
    GlobalData& g = G;
    g.LevelCount = 1;
    g.SigmaH1Level[1] = g.SigmaH1;
    g.SigmaH2Level[1] = g.SigmaH2;
    g.SH1Level[1] = g.NL1;
    g.SH2Level[1] = g.NL2;
    const ContactCurve pinion{g.SigmaHP1ref, g.SigmaHP1knee, g.qH1, g.qH_1, g.qH1knee, g.NHlim1, g.PittingAllowed1};
    const ContactCurve wheel{g.SigmaHP2ref, g.SigmaHP2knee, g.qH2, g.qH_2, g.qH2knee, g.NHlim2, g.PittingAllowed2};
    g.SigmaHP1Level[1] = ContactDamage(g.NL1, g.SigmaH1, pinion, g.HypothesisHaibach);
    g.SigmaHP2Level[1] = ContactDamage(g.NL2, g.SigmaH2, wheel, g.HypothesisHaibach);
}

void StoreSingleBendingLevel() {
    GlobalData& g = G;
    g.LevelCount = 1;
    g.SigmaF1Level[1] = g.SigmaF1;
    g.SigmaF2Level[1] = g.SigmaF2;
    g.SF1Level[1] = g.NL1;
    g.SF2Level[1] = g.NL2;
    g.SigmaFP1Level[1] = BendingDamage(g.NL1, g.SigmaF1, g.Sigmafpb1ref, g.qF1, g.qF_1, g.NFlim1, g.HypothesisHaibach);
    g.SigmaFP2Level[1] = BendingDamage(g.NL2, g.SigmaF2, g.Sigmafpb2ref, g.qF2, g.qF_2, g.NFlim2, g.HypothesisHaibach);
}

void ComputeContactStress() {
    GlobalData& g = G;
    ComputeForcesFromTorques();
    ComputeEffectiveFaceWidths();
    ComputeContactRatios();
    ComputeSinglePairFactor1();
    ComputeSinglePairFactor2();
    ComputeHelixFactorZbeta();
    ComputeContactZFactors();
    g.KH = g.KA * g.KHbeta * g.KHalfa * g.Kv;
    if (EquivalentLoadFactors()) {
        TakeEquivalentFactor(g.KHbeta, g.KHbetaEkv, g.KHbetaDirect);
        TakeEquivalentFactor(g.KHalfa, g.KHalfaEkv, g.KHalfaDirect);
        TakeEquivalentFactor(g.Kv, g.KvEkv, g.KvDirect);
        g.KH = SpectrumApplicationFactor() * g.KHbetaEkv * g.KHalfaEkv * g.KvEkv;
    }
    // u is negative for an internal pair; (u + 1) / u stays positive.
    const double Z = g.ZE * g.ZH * g.Zepsilon * g.Zbeta;
    auto nominal = [&](double force) { return Z * std::sqrt((g.u + 1) * force / (g.b * g.d1 * g.u)); };
    if (SingleLoadStresses()) {
        g.SigmaH01 = g.SigmaH02 = nominal(g.Ft);
    } else {
        g.SigmaH01 = nominal(g.FtHe1Used);
        g.SigmaH02 = nominal(g.FtHe2Used);
    }
    g.SigmaH1 = std::sqrt(g.KH) * g.ZB * g.SigmaH01;
    g.SigmaH2 = std::sqrt(g.KH) * g.ZD * g.SigmaH02;
    ComputePermissibleContactStress();
    if (g.LoadInputMethod != kMultilevelLoading) StoreSingleContactLevel();
    DetectStaticOverloads();
    g.SH1 = SafetyFactor(g.SigmaHP1, g.SigmaH1);
    g.SH2 = SafetyFactor(g.SigmaHP2, g.SigmaH2);
    NoFailureWithoutEquivalentLoad(g.FtHe1Used, g.SH1);
    NoFailureWithoutEquivalentLoad(g.FtHe2Used, g.SH2);
}

void ComputeBendingStress() {
    GlobalData& g = G;
    ComputeForcesFromTorques();
    ComputeEffectiveFaceWidths();
    ComputeContactRatios();
    if (!g.KFbetaDirect) ComputeKFbeta();
    g.KF = g.KA * g.Kv * g.KFbeta * g.KFalfa;
    if (EquivalentLoadFactors()) {
        TakeEquivalentFactor(g.KFbeta, g.KFbetaEkv, g.KFbetaDirect);
        TakeEquivalentFactor(g.KFalfa, g.KFalfaEkv, g.KFalfaDirect);
        TakeEquivalentFactor(g.Kv, g.KvEkv, g.KvDirect);
        g.KF = SpectrumApplicationFactor() * g.KFbetaEkv * g.KFalfaEkv * g.KvEkv;
    }

    ComputeHelixFactorYbeta();
    ComputeToothFormFactor1();
    if (!g.ResumeCalculation) return;
    ComputeToothFormFactor2();
    if (!g.ResumeCalculation) return;
    if (!g.YS1Direct) ComputeStressCorrectionFactor1();
    if (!g.ResumeCalculation) return;
    if (!g.YS2Direct) ComputeStressCorrectionFactor2();
    if (!g.ResumeCalculation) return;
    if (!g.YSg1Direct) ComputeNotchFactorYSg1();
    if (!g.YSg2Direct) ComputeNotchFactorYSg2();
    if (!g.ResumeCalculation) return;
    ComputeRimFactorYB();
    ComputeDeepToothFactorYDT();

    const double F1 = SingleLoadStresses() ? g.FtF : g.FtFe1Used;
    const double F2 = SingleLoadStresses() ? g.FtF : g.FtFe2Used;
    g.SigmaF01 = F1 / (g.bF1 * g.mn) * g.YF1 * g.YSg1 * g.Ybeta * g.YB1 * g.YDT;
    g.SigmaF02 = F2 / (g.bF2 * g.mn) * g.YF2 * g.YSg2 * g.Ybeta * g.YB2 * g.YDT;
    g.SigmaF1 = g.SigmaF01 * g.KF;
    g.SigmaF2 = g.SigmaF02 * g.KF;
    ComputePermissibleBendingStress();
    if (g.LoadInputMethod != kMultilevelLoading) StoreSingleBendingLevel();
    DetectStaticOverloads();
    g.SF1 = SafetyFactor(g.SigmaFP1, g.SigmaF1);
    g.SF2 = SafetyFactor(g.SigmaFP2, g.SigmaF2);
    NoFailureWithoutEquivalentLoad(g.FtFe1Used, g.SF1);
    NoFailureWithoutEquivalentLoad(g.FtFe2Used, g.SF2);
}

void CheckRootAndRimValidity() {
    GlobalData& g = G;
    ComputeContactRatios();  // also the active tip diameters dNa1, dNa2
    if (!g.ResumeCalculation) return;
    if (!g.FullPinion && !(g.df1 - 2 * (g.sR1 + g.sd1) + 0.1 >= g.dh1))
        return StopForDimensions("All does not fit to the pinion root diameter df1, dimensions must be adjusted.");
    g.sR1BelowMin = g.sR1 < g.sRmin1;
    if (g.sR1 <= 0) return StopForDimensions("Negative size of sr1 must be changed.");
    if (g.GearingType == kExternalPair && !g.FullWheel && !(g.df2 - 2 * (g.sR2 + g.sd2) + 0.1 >= g.dh2))
        return StopForDimensions("All does not fit to the wheel root diameter df2, dimensions must be adjusted.");
    g.sR2BelowMin = g.sR2 < g.sRmin2;
    if (g.sR2 <= 0) return StopForDimensions("Negative size of sr2 must be changed.");

    // A tooth without depth has no rim ratio; the contact ratio test stops such a pair.
    g.ht1 = (g.dNa1 - g.df1) / 2;
    if (g.ht1 > 0 &&
        !AskAboutRim("Calculation by ISO is invalid - size of sr1 in insufficient.\r\r              Ratio sr1 / ht1 "
                     "must be greater than 0.5\r\r                 Present ratio sr1 / ht1 = ",
                     g.sR1 / g.ht1, 0.5))
        return;
    if (g.GearingType == kExternalPair) {
        g.ht2 = (g.dNa2 - g.df2) / 2;
        if (g.ht2 > 0)
            AskAboutRim(
                "Calculation by ISO is invalid - size of sr2 in insufficient.\r\r              Ratio sr2 / "
                "ht2 must be greater than 0.5\r\r                 Present ratio sr2 / ht2 = ",
                g.sR2 / g.ht2, 0.5);
    } else if (g.GearingType == kInternalPair) {
        AskAboutRim(
            "Calculation by ISO is invalid - rim thickness sr2 is insufficient\r\r              Ratio sr2 / "
            "mn must be greater than 1.75\r\r                 Present ratio sr2 / mn = ",
            g.sR2 / g.mn, 1.75);
    }
}

void RunCalculation() {
    GlobalData& g = G;
    g.ResumeCalculation = true;
    g.CalculationRunning = true;
    // A calculation that stops early leaves no running mark for the level routines.
    struct EndOfRun {
        ~EndOfRun() { G.CalculationRunning = false; }
    } endOfRun;

    if (!CutterMeshes()) {
        // The internal wheel cannot be generated: it has no root diameter.
        rt::ShowMessage(kCutterBeyondCriticalSum);
        g.ResumeCalculation = false;
        win::ShowGeometryForm();
        return;
    }
    CheckRootAndRimValidity();
    if (!g.ResumeCalculation) return;

    ComputeEffectiveFaceWidths();
    ComputeForcesFromTorques();
    if (!g.ResumeCalculation || !PitchLineVelocitiesFinite()) return;
    if (!(g.Ft > 0 && g.FtF > 0)) {
        // A force of zero (forces entered, none given) is no loading either.
        rt::ShowMessage("There are no loading data.");
        g.ResumeCalculation = false;
        return;
    }
    if (!CheckCommonFaceWidth()) return;
    ComputeContactRatios();
    if (!g.ResumeCalculation) return;
    if (g.epsgama < 1) {
        rt::ShowMessage("Factor Epsilongama < 1. Change gears geometry.");
        g.ResumeCalculation = false;
        win::ShowGeometryForm();
        return;
    }
    if (g.epsalfan >= 2.5)
        rt::ShowMessage("Factor Epsilonalfan >= 2.5 - calculation is invalid.\r        But it is possible to resume.");

    ComputeToothStiffness();
    ComputeContactZFactors();
    const bool singleLoadFactors = g.LoadInputMethod == kOneLevelLoading || g.CalcMethodics < kMethodicsMiner;
    if (singleLoadFactors && !g.KvDirect) {
        if (g.MethodC)
            ComputeKvMethodC();
        else
            ComputeKvMethodB();
        if (!g.ResumeCalculation) return;
    } else if (!singleLoadFactors && !g.KvDirect) {
        // Equivalent loads have the dynamic factor of the equivalent load (the stresses take it
        // below), also in the mean load of KHbeta: not the one a previous calculation left.  A Kv
        // given directly is that of every level and stays the case's.
        g.Kv = g.KvEkv;
    }
    if (g.KHbetaMethod == "ISO_C") ComputeKHbeta();
    if (singleLoadFactors) ComputeKHalpha();
    if (!g.ResumeCalculation) return;

    ComputeContactStress();
    if (!g.ResumeCalculation) return;
    ComputeBendingStress();
    if (!g.ResumeCalculation) return;

    if (g.LoadInputMethod == kMultilevelLoading && !g.SpectrumLevelsShown) {
        if (!CheckLevelCount()) return;
        // The level routines mark the dynamic and transverse factor restrictions afresh.
        ClearLevelValidityMarks();
        for (int i = 1; i <= g.LevelCount; ++i) {
            if (g.MethodC)
                ComputeKvMethodCLevel(i);
            else
                ComputeKvMethodBLevel(i);
        }
        for (int i = 1; i <= g.LevelCount; ++i) ComputeKHalphaLevel(i);
        if (!g.ResumeCalculation) return;
    }
    if (!ShownResultsFinite()) return;

    CheckValidityRestrictions();
    if (!ValidityMessagesHoldNumbers()) return;
    g.CalculationRunning = false;
    win::SetValidityButtonVisible(g.ValidityCount != 0);
}

void ApproximateMethodicsAsOneLoad() {
    GlobalData& g = G;
    const bool approximate = g.CalcMethodics == kMethodicsFigA3 || g.CalcMethodics == kMethodicsEqA2;
    if (g.CalcMethodics == kMethodicsFigA3) {
        g.LoadInputMethod = kOneLevelLoading;
        g.HypothesisHaibach = true;
        g.CalcMethodics = kMethodicsHaibach;
    }
    if (g.CalcMethodics == kMethodicsEqA2) {
        g.LoadInputMethod = kOneLevelLoading;
        g.HypothesisHaibach = false;
        g.CalcMethodics = kMethodicsMiner;
    }
    if (approximate) TakeApproximateLoadAsOneLoad(g);
}

void PrepareSpectrumLevels() {
    GlobalData& g = G;
    ComputePermissibleContactStress();
    // Factors computed for the levels (not given) are those of the case as it is now, as when the
    // spectrum window opens: an input changed since leaves none of the case before.
    if (g.LoadInputMethod == kMultilevelLoading && !g.SpectrumLevelsShown && LevelCountInRange()) {
        for (int j = 1; j <= g.LevelCount; ++j) g.FtLevel[j] = LevelForce(g.SpectrumY[j], g.SpectrumForces);
        ClearLevelValidityMarks();
        ComputeLevelFactors(g.LevelCount);
    }
    if (!g.KFbetaDirect) ComputeKFbetaLevels();
    ComputeLevelFactorProducts(g, std::min<int>(g.LevelCount, kMaxLevels));
}

bool CalculateCase() {
    GlobalData& g = G;
    DeriveLoadOfMode();
    DeriveSpectrumSpeed();
    // An approximate spectrum is rated as one load at the KA its levels give as they stand.
    if (g.LoadInputMethod == kMultilevelLoading &&
        (g.CalcMethodics == kMethodicsFigA3 || g.CalcMethodics == kMethodicsEqA2)) {
        EvaluateSpectrum();
        if (!g.ResumeCalculation) return false;
    }
    ApproximateMethodicsAsOneLoad();
    if (g.LoadInputMethod == kMultilevelLoading) {
        PrepareSpectrumLevels();
        EvaluateSpectrum();
        if (!g.ResumeCalculation) return false;
    }
    RunCalculation();
    return g.ResumeCalculation;
}

void EvaluateSpectrum() {
    GlobalData& g = G;
    g.ResumeCalculation = true;
    // The static limits the levels are judged against, from the inputs as they stand.
    ComputePermissibleContactStress();
    // Factors given for the levels are inputs, held as the data file holds them (also those a
    // computation left there before they were taken as given): the case saved and loaded is the
    // same case.
    if (g.LoadInputMethod == kMultilevelLoading && g.SpectrumLevelsShown && LevelCountInRange()) {
        for (int j = 1; j <= g.LevelCount; ++j)
            for (TLevelArray* column : {&g.KHbetaLevel, &g.KHalfaLevel, &g.KFalfaLevel, &g.KvLevel, &g.KFbetaLevel})
                (*column)[j] = rt::StoredReal((*column)[j]);
        ComputeLevelFactorProducts(g, g.LevelCount);
    }
    if (!CheckLevelCount() || !PitchLineVelocitiesFinite()) return;
    if (!SpectrumIsComputable()) {
        StopCalculation(
            "The load spectrum can not be evaluated: the load, the cycles (hours) and the speed of every level must "
            "be greater than 0, and cumulated cycles (hours) must grow from level to level.");
        return;
    }
    ConvertSpectrumUnits();
    BuildClassAndCumulativeSpectra();
    const bool damageMethodics = g.CalcMethodics == kMethodicsMiner || g.CalcMethodics == kMethodicsHaibach;
    if (g.CalcMethodics == kMethodicsFigA3 || g.CalcMethodics == kMethodicsEqA2) ComputeApproximateEquivalentLoads();
    if (damageMethodics) ComputeEquivalentLoads();
    if (!g.ResumeCalculation || !SpectrumResultsFinite()) return;
    StampSpectrumResults(g);
    if (g.LifeFormActive && damageMethodics) {
        ComputeServiceLife();
        if (!g.ResumeCalculation || !ServiceLifeResultsFinite()) return;
        g.LifeValid = true;
        StampServiceLives(g);
        win::EnableLifeDrawButton();
        win::HideLifeArrowLabel();
    }
}

}  // namespace karvelo
