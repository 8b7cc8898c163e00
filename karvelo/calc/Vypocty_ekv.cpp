#include "karvelo/calc/Vypocty_ekv.h"

#include <cmath>

#include "karvelo/calc/Epsilon.h"
#include "karvelo/calc/MaterialClasses.h"
#include "karvelo/calc/Vypocet.h"
#include "karvelo/calc/Vypocet1i.h"
#include "karvelo/calc/Vypocty1.h"
#include "karvelo/calc/Zivotnost.h"

namespace karvelo {

namespace {

ApproximateLoadWork work;
WorkingForces forces;

Extended Power(Extended base, Extended exponent) { return std::pow(base, exponent); }

// Running sum from level 1: sum[i] = sum[i-1] + part[i].
void RunningSum(const TLevelArray& part, TLevelArray& sum, int n) {
    sum[1] = part[1];
    for (int i = 2; i <= n; ++i) sum[i] = sum[i - 1] + part[i];
}

// part[1] = sum[1], part[i] = sum[i] - sum[i-1].
void Differences(const TLevelArray& sum, TLevelArray& part, int n) {
    part[1] = sum[1];
    for (int i = 2; i <= n; ++i) part[i] = sum[i] - sum[i - 1];
}

void Reverse(TLevelArray& a, int n) {
    const TLevelArray buffer = a;
    for (int k = 1; k <= n; ++k) a[k] = buffer[n - k + 1];
}

// NLevel1 from the ascending cumulative cycles NLevel2.
void ClassCyclesFromCumulative() {
    GlobalData& g = G;
    const int n = g.LevelCount;
    for (int i = 1; i < n; ++i) g.NLevel1[i] = g.NLevel2[i] - g.NLevel2[i + 1];
    g.NLevel1[n] = g.NLevel2[n];
}

double Sum(const TLevelArray& a, int n) {
    double s = 0;
    for (int i = 1; i <= n; ++i) s += a[i];
    return s;
}

// ( sum over j = N down to k of L[j]^p B[j] / total )^(1/p)
double PowerMean(int k, double total) {
    const GlobalData& g = G;
    const Extended p = g.CaseExponent;
    Extended sum = 0;
    for (int j = g.LevelCount; j >= k; --j) sum += Power(g.CyclesLevel[j], p) * work.B[j] / total;
    return static_cast<double>(Power(sum, 1 / p));
}

// ---- Equivalent stresses

// Per-level outputs and the S-N data of the case in StressCase that the Case* variables lack.
struct StressCaseData {
    bool known = false;
    bool wheel = false;
    bool contact = false;
    TLevelArray* damage = nullptr;  // damage per level, for the damage chart
    TLevelArray* cycles = nullptr;  // class cycles per level
    double staticStress = 0;
    double staticCycles = 0;  // up to which the static strength holds
    bool pitting = false;     // contact with pitting permissible: the curve bends at sk, 1e7 cycles
    double sk = 0;
    double pk = 0;
};

StressCaseData CurrentStressCase() {
    GlobalData& g = G;
    // clang-format off
    if (g.StressCase == "PO")
        return {true, false, false, &g.SigmaFP1Level, &g.SF1Level, g.Sigmafpb1stat, g.NFstat1};
    if (g.StressCase == "PD")
        return {true, false, true, &g.SigmaHP1Level, &g.SH1Level, g.SigmaHP1stat, g.NHstat1, g.PittingAllowed1,
                g.SigmaHP1knee, g.qH1knee};
    if (g.StressCase == "KO")
        return {true, true, false, &g.SigmaFP2Level, &g.SF2Level, g.Sigmafpb2stat, g.NFstat2};
    if (g.StressCase == "KD")
        return {true, true, true, &g.SigmaHP2Level, &g.SH2Level, g.SigmaHP2stat, g.NHstat2, g.PittingAllowed2,
                g.SigmaHP2knee, g.qH2knee};
    // clang-format on
    return {};
}

// The curve of the case by Miner's rule, as the service life searches its safety factor on it.
LifeCurve MinerCurve(const StressCaseData& c) {
    const GlobalData& g = G;
    const double tolerance = c.wheel && c.contact ? 1e-7 : 1e-6;
    return {true, g.CaseSigmaLim, g.CaseNLim,     g.CaseExponent, g.CaseExponent2, c.pitting,
            c.sk, c.pk,           c.staticStress, c.staticCycles, tolerance};
}

// Damage of n cycles at stress s on the S-N segment through (sa, na) with exponent e.
double LevelDamage(double n, double s, double sa, double e, double na) {
    return static_cast<double>(n / (Power(static_cast<Extended>(sa) / s, e) * na));
}

void StoreLevelDamages(const StressCaseData& c, const TLevelArray& d) {
    const GlobalData& g = G;
    if (!c.known) return;
    for (int i = 1; i <= g.LevelCount; ++i) {
        (*c.damage)[i] = d[i];
        (*c.cycles)[i] = g.NLevel1[i];
    }
}

// A spectrum whose most stressed level reaches the static strength has that level's stress.
void ApplyStaticLimit(const StressCaseData& c) {
    GlobalData& g = G;
    const double largest = LargestLevelStress(g.CyclesLevel, g.LevelCount);
    if (c.known && largest >= c.staticStress) g.CaseEquivalent = largest;
}

// Cycles of the damaging levels (at or above the limit).  NLevel2[m] holds those of levels m..n,
// the damaging ones where the stresses rise with the loads; not so where a level has its own speed.
double DamagingCycles(const bool (&damaging)[kMaxLevels + 1], int m, int n) {
    const GlobalData& g = G;
    bool topLevels = true;
    for (int i = m; i <= n; ++i) topLevels = topLevels && damaging[i];
    if (topLevels) return g.NLevel2[m];
    double cycles = 0;
    for (int i = 1; i <= n; ++i) cycles += damaging[i] ? g.NLevel1[i] : 0;
    return cycles;
}

// Stress that does the damage sum of the case in `cycles` cycles on the segment through
// (sa, na) with exponent e.
double StressForDamage(double sa, double na, double e, Extended cycles) {
    return static_cast<double>(sa *
                               Power(na * static_cast<Extended>(G.DamageSum) / cycles, 1 / static_cast<Extended>(e)));
}

// ---- Load factors at the equivalent and permissible loads

// Where a factor routine puts its results: the equivalent or the permissible set.
struct FactorSet {
    double& Kv;
    double& KHbeta;
    double& KFbeta;
    double& KHalfa;
    double& KFalfa;
    double& KH;
    double& KF;
};

FactorSet EquivalentFactors() {
    GlobalData& g = G;
    return {g.KvEkv, g.KHbetaEkv, g.KFbetaEkv, g.KHalfaEkv, g.KFalfaEkv, g.KHekv, g.KFekv};
}

FactorSet PermissibleFactors() {
    GlobalData& g = G;
    return {g.KvPerm, g.KHbetaPerm, g.KFbetaPerm, g.KHalfaPerm, g.KFalfaPerm, g.KHPerm, g.KFPerm};
}

// The factors of one case: Kv, the transverse and the face load factor (bending or contact).
struct CaseFactors {
    double kv, alfa, beta;
};

// The case's per-level factors (ascending order, like its level stresses S) at the stress s:
// linear in the stress between the neighbouring levels, those of the end levels outside.
CaseFactors InterpolateLevelFactors(const TLevelArray& S, double s, bool contact) {
    const GlobalData& g = G;
    const int n = g.LevelCount;
    const TLevelArray& alfa = contact ? g.KHalfaLevel : g.KFalfaLevel;
    const TLevelArray& beta = contact ? g.KHbetaLevel : g.KFbetaLevel;
    auto at = [&](int k) { return CaseFactors{g.KvLevel[k], alfa[k], beta[k]}; };
    CaseFactors f = at(n);
    if (S[1] < s && s < S[n]) {
        int k = 2;
        while (k < n && S[k] < s) ++k;  // S[k-1] < s <= S[k]
        const double t = (s - S[k - 1]) / (S[k] - S[k - 1]);
        auto line = [t](double a, double b) { return std::fabs(a + (b - a) * t); };
        f = {line(g.KvLevel[k - 1], g.KvLevel[k]), line(alfa[k - 1], alfa[k]), line(beta[k - 1], beta[k])};
    }
    if (S[n] <= s) f = at(n);
    if (s <= S[1]) f = at(1);
    return f;
}

double Larger(double a, double b) { return b > a ? b : a; }

// The set from the factors of the cases F1, F2 (bending) and H1, H2 (contact).
void CombineFactors(const FactorSet& out, const CaseFactors& f1, const CaseFactors& f2, const CaseFactors& h1,
                    const CaseFactors& h2) {
    out.Kv = Larger(Larger(Larger(f1.kv, f2.kv), h1.kv), h2.kv);
    out.KFalfa = Larger(f1.alfa, f2.alfa);
    out.KFbeta = Larger(f1.beta, f2.beta);
    out.KHalfa = Larger(h1.alfa, h2.alfa);
    out.KHbeta = Larger(h1.beta, h2.beta);
    out.KH = out.Kv * out.KHbeta * out.KHalfa;
    out.KF = out.Kv * out.KFbeta * out.KFalfa;
}

// Given per-level factors at the four target stresses (F1, F2, H1, H2).
void FactorsFromGivenLevels(const double (&target)[4], const FactorSet& out) {
    GlobalData& g = G;
    const int n = g.LevelCount;
    ComputeKFbetaLevels();
    TLevelArray* columns[5] = {&g.KHbetaLevel, &g.KFbetaLevel, &g.KHalfaLevel, &g.KFalfaLevel, &g.KvLevel};
    TLevelArray saved[5];
    for (int c = 0; c < 5; ++c) {
        saved[c] = *columns[c];
        Reverse(*columns[c], n);  // ascending, like the level stresses
    }
    CombineFactors(out, InterpolateLevelFactors(g.SigmaF1Level, target[0], false),
                   InterpolateLevelFactors(g.SigmaF2Level, target[1], false),
                   InterpolateLevelFactors(g.SigmaH1Level, target[2], true),
                   InterpolateLevelFactors(g.SigmaH2Level, target[3], true));
    for (int c = 0; c < 5; ++c) *columns[c] = saved[c];
}

// Factors recomputed at the working forces, with level 1 of the factor columns as scratch,
// until the sum of the four forces changes by less than 1 N (at most kMaxForceIterations passes).
void FactorsIterated(void (*computeForces)(), const FactorSet& out) {
    GlobalData& g = G;
    out.Kv = out.KHbeta = out.KFbeta = out.KHalfa = out.KFalfa = 1;
    out.KH = out.KF = 1;
    computeForces();
    const double saved[6] = {g.KHbetaLevel[1], g.KHalfaLevel[1], g.KvLevel[1],
                             g.KFbetaLevel[1], g.KFalfaLevel[1], g.FtLevel[1]};
    for (int pass = 0; pass < kMaxForceIterations; ++pass) {
        const WorkingForces w = forces;
        CaseFactors f1{}, f2{}, h1{}, h2{};
        CaseFactors* cases[4] = {&f1, &f2, &h1, &h2};
        const double force[4] = {w.ForceF1, w.ForceF2, w.ForceH1, w.ForceH2};
        for (int c = 0; c < 4; ++c) {
            g.FtLevel[1] = force[c];
            if (g.MethodC)
                ComputeKvMethodCLevel(1);
            else
                ComputeKvMethodBLevel(1);
            cases[c]->kv = g.KvLevel[1];
        }
        // The face load factors at the contact forces; KFbeta follows from KHbeta.
        g.FtLevel[1] = w.ForceH1;
        ComputeKHbetaLevel(1);
        h1.beta = g.KHbetaLevel[1];
        f1.beta = g.KFbetaLevel[1];
        g.FtLevel[1] = w.ForceH2;
        ComputeKHbetaLevel(1);
        h2.beta = g.KHbetaLevel[1];
        f2.beta = g.KFbetaLevel[1];
        for (int c = 0; c < 4; ++c) {
            g.FtLevel[1] = force[c];
            ComputeKHalphaLevel(1);
            cases[c]->alfa = c < 2 ? g.KFalfaLevel[1] : g.KHalfaLevel[1];
        }
        CombineFactors(out, f1, f2, h1, h2);
        const double before = w.Sum();
        computeForces();
        if (std::fabs(forces.Sum() - before) < 1) break;
    }
    g.KHbetaLevel[1] = saved[0];
    g.KHalfaLevel[1] = saved[1];
    g.KvLevel[1] = saved[2];
    g.KFbetaLevel[1] = saved[3];
    g.KFalfaLevel[1] = saved[4];
    g.FtLevel[1] = saved[5];
}

}  // namespace

const ApproximateLoadWork& ApproximateWork() { return work; }

int MostStressedLevel(const TLevelArray& stress, int n) {
    int k = n;
    for (int i = n - 1; i >= 1; --i)
        if (stress[i] > stress[k] || std::isnan(stress[i])) k = i;  // a stress not computed shows as such
    return k;
}

double LargestLevelStress(const TLevelArray& stress, int n) {
    return n >= 1 && n <= kMaxLevels ? stress[MostStressedLevel(stress, n)] : 0;
}

const WorkingForces& CurrentWorkingForces() { return forces; }

// ---- Spectrum preparation

bool SpectrumIsComputable() {
    const GlobalData& g = G;
    if (!LevelCountInRange()) return false;
    auto positive = [](double v) { return std::isfinite(v) && v > 0; };
    for (int i = 1; i <= g.LevelCount; ++i) {
        if (!positive(g.SpectrumY[i]) || !positive(g.SpectrumX[i]) || !positive(g.n1Level[i])) return false;
        if (g.SpectrumXMode && i > 1 && !(g.SpectrumX[i] > g.SpectrumX[i - 1])) return false;
    }
    return true;
}

void ConvertSpectrumUnits() {
    GlobalData& g = G;
    if (!CheckLevelCount()) return;
    const int n = g.LevelCount;
    if (g.SpectrumInCycles) {
        if (g.SpectrumXMode) {
            g.NLevel2 = g.SpectrumX;
            Differences(g.SpectrumX, g.NLevel1, n);
            g.NL1 = g.SpectrumX[n];
        } else {
            g.NLevel1 = g.SpectrumX;
            g.NL1 = Sum(g.SpectrumX, n);
            RunningSum(g.NLevel1, g.NLevel2, n);
        }
        for (int i = 1; i <= n; ++i) g.ClassHours[i] = g.NLevel1[i] / 60 / g.n1Level[i];
        RunningSum(g.ClassHours, g.CumulativeHours, n);
        g.NL1h = Sum(g.ClassHours, n);
    } else {
        if (g.SpectrumXMode) {
            g.CumulativeHours = g.SpectrumX;
            Differences(g.SpectrumX, g.ClassHours, n);
            g.NL1h = g.SpectrumX[n];
        } else {
            g.ClassHours = g.SpectrumX;
            g.NL1h = Sum(g.SpectrumX, n);
            RunningSum(g.ClassHours, g.CumulativeHours, n);
        }
        for (int i = 1; i <= n; ++i) g.NLevel1[i] = g.ClassHours[i] * 60 * g.n1Level[i];
        RunningSum(g.NLevel1, g.NLevel2, n);
        g.NL1 = g.NLevel2[n];
    }
    // Both wheel totals follow the pinion's, whichever unit the spectrum is entered in.
    g.NL2 = g.NL1 * g.z1 / std::fabs(g.z2);
    g.NL2h = g.NL1h;
}

void BuildClassAndCumulativeSpectra() {
    GlobalData& g = G;
    if (!CheckLevelCount()) return;
    const int n = g.LevelCount;
    if (g.SpectrumXMode) {
        Reverse(g.NLevel2, n);
        ClassCyclesFromCumulative();
    } else {
        Reverse(g.NLevel1, n);
        g.NLevel2[n] = g.NLevel1[n];
        for (int i = n - 1; i >= 1; --i) g.NLevel2[i] = g.NLevel2[i + 1] + g.NLevel1[i];
    }
    for (int k = 1; k <= n; ++k) g.CyclesLevel[k] = g.SpectrumY[n - k + 1];
}

void ConvertCyclesPinionToWheel() {
    GlobalData& g = G;
    if (!CheckLevelCount()) return;
    for (int i = 1; i <= g.LevelCount; ++i) g.NLevel2[i] = g.NLevel2[i] * g.z1 / std::fabs(g.z2);
    ClassCyclesFromCumulative();
}

void ConvertCyclesWheelToPinion() {
    GlobalData& g = G;
    if (!CheckLevelCount()) return;
    for (int i = 1; i <= g.LevelCount; ++i) g.NLevel2[i] = std::fabs(g.z2) * g.NLevel2[i] / g.z1;
    ClassCyclesFromCumulative();
}

// ---- Approximate equivalent loads

void ComputeEquivalentLoadEqA2() {
    GlobalData& g = G;
    const int n = g.LevelCount;
    const double nl = g.CaseNLim;
    work.CrossingLevel = 1;
    work.B = g.NLevel1;
    work.A = g.NLevel2;
    if (work.A[1] > nl) {
        // Cut the spectrum at NL cycles: the smaller loads drop out and the crossing level keeps
        // only the cycles that fill up to NL.
        int k = n;
        while (k > 1 && !(work.A[k] >= nl)) --k;
        work.CrossingLevel = k;
        work.A[k] = nl;
        work.B[k] = k == n ? nl : nl - work.A[k + 1];
        for (int j = 1; j < k; ++j) work.A[j] = work.B[j] = 0;
    }
    const int k = work.CrossingLevel;
    if (work.A[1] <= nl && n == 1)
        g.CaseEquivalent = g.CyclesLevel[1];
    else
        g.CaseEquivalent = PowerMean(k, work.A[k]);
    work.ReferredCycles = work.A[k];
}

void InterpolateSpectrumCrossing() {
    GlobalData& g = G;
    const int i = work.Level;
    const Extended p = g.CaseExponent;
    const Extended lgL = std::log10(static_cast<Extended>(g.CyclesLevel[i]));
    const Extended lgLup = std::log10(static_cast<Extended>(g.CyclesLevel[i + 1]));
    const Extended lgC = std::log10(static_cast<Extended>(work.C[i]));
    const Extended lgCup = std::log10(static_cast<Extended>(work.C[i + 1]));
    const Extended lgNL = std::log10(static_cast<Extended>(g.CaseNLim));
    const Extended x = lgL - (lgNL - lgC) / (lgC - lgCup) * (lgLup - lgL);
    g.CaseEquivalent = static_cast<double>(Power(10, x));
    const Extended r =
        g.CaseNLim - Power(static_cast<Extended>(g.CyclesLevel[i + 1]) / g.CaseEquivalent, p) * work.C[i + 1];
    work.S = static_cast<double>(Power(static_cast<Extended>(g.CaseEquivalent) / g.CyclesLevel[i], p) * r);
    work.Found = true;
}

void ComputeEquivalentLoadFigA3() {
    GlobalData& g = G;
    const int n = g.LevelCount;
    const double nl = g.CaseNLim;
    const Extended p = g.CaseExponent;
    work.A.Fill(0);
    work.B.Fill(0);
    work.C.Fill(0);
    work.D.Fill(0);
    work.S = 0;
    work.Found = false;
    work.CrossingLevel = 1;
    int& i = work.Level;
    i = n;
    work.C[n] = g.NLevel1[n];
    do {
        work.D[i] =
            static_cast<double>(Power(static_cast<Extended>(g.CyclesLevel[i]) / g.CyclesLevel[i - 1], p) * work.C[i]);
        --i;
        work.C[i] = work.D[i + 1] + g.NLevel1[i];
        if (work.C[i] >= nl) InterpolateSpectrumCrossing();
    } while (!(i == 1 || work.Found));
    const int k = work.CrossingLevel = i;

    work.B = g.NLevel1;
    if (work.Found && k > 1)
        for (int j = 1; j < k; ++j) work.B[j] = 0;
    if (work.Found) work.B[k] = work.S;
    work.A[n] = work.B[n];
    for (int j = n - 1; j >= 1; --j) work.A[j] = work.A[j + 1] + work.B[j];

    if (work.C[k] <= nl) {
        g.CaseEquivalent = PowerMean(1, work.A[1]);
        work.ReferredCycles = work.A[k];
    } else {
        // The interpolated load stands; it is the load that NL cycles must carry.
        work.ReferredCycles = nl;
    }
}

void ComputeApproximateEquivalentLoads() {
    GlobalData& g = G;
    if (!CheckLevelCount()) return;
    g.KA = 0;
    // Contact stress grows with the square root of the load: the load exponent of the pitting
    // curve (life factor 1.6 at 6e5 cycles, 1.0 at 1e9) is half its stress exponent.
    g.PittingLoadExponent = std::log(kPittingEnduranceCycles / kPittingStaticCycles) / std::log(1.6) / 2;
    work.NominalLoad = g.LoadAsForce ? g.Ftjm : g.Tjm;
    struct Case {
        double nlim, exponent;
        double* force;
        double* torque;
        double* cycles;
        double* ka;
    };
    const Case cases[4] = {
        {g.NFlim1, g.qF1, &g.FtFe1, &g.TFe1, &g.NFe1, &g.KAF1},
        {g.NHlim1, g.PittingAllowed1 ? g.PittingLoadExponent : g.qH1 / 2, &g.FtHe1, &g.THe1, &g.NHe1, &g.KAH1},
        {g.NFlim2, g.qF2, &g.FtFe2, &g.TFe2, &g.NFe2, &g.KAF2},
        {g.NHlim2, g.PittingAllowed2 ? g.PittingLoadExponent : g.qH2 / 2, &g.FtHe2, &g.THe2, &g.NHe2, &g.KAH2},
    };
    for (int c = 0; c < 4; ++c) {
        g.CaseNLim = cases[c].nlim;
        g.CaseExponent = cases[c].exponent;
        if (c == 2) ConvertCyclesPinionToWheel();  // the wheel cases count wheel cycles
        if (g.CalcMethodics == kMethodicsFigA3 && g.LevelCount > 1 && g.CaseNLim > g.NLevel1[g.LevelCount])
            ComputeEquivalentLoadFigA3();
        else
            ComputeEquivalentLoadEqA2();
        *(g.LoadAsForce ? cases[c].force : cases[c].torque) = g.CaseEquivalent;
        *cases[c].cycles = work.ReferredCycles;
        *cases[c].ka = g.CaseEquivalent / work.NominalLoad;
        if (*cases[c].ka > g.KA) g.KA = *cases[c].ka;
    }
    ConvertCyclesWheelToPinion();
}

// ---- Equivalent stresses

void ComputeEquivalentStressMiner() {
    GlobalData& g = G;
    if (!CheckLevelCount()) return;
    const int n = g.LevelCount;
    const StressCaseData c = CurrentStressCase();
    const double slim = g.CaseSigmaLim, nl = g.CaseNLim, p = g.CaseExponent;
    const TLevelArray& s = g.CyclesLevel;
    TLevelArray d{};
    bool damaging[kMaxLevels + 1] = {};
    int m = 1;  // 1 + the count of levels below the limit
    for (int i = 1; i <= n; ++i) {
        damaging[i] = s[i] >= slim;
        if (damaging[i]) {
            d[i] = LevelDamage(g.NLevel1[i], s[i], slim, p, nl);
        } else {
            d[i] = 0;
            ++m;
        }
    }
    if (c.pitting) {
        m = 1;
        for (int i = 1; i <= n; ++i) {
            if (s[i] >= c.sk) {
                d[i] = LevelDamage(g.NLevel1[i], s[i], c.sk, p, kPittingKneeCycles);
            } else if (s[i] >= slim) {
                d[i] = LevelDamage(g.NLevel1[i], s[i], slim, c.pk, nl);
            } else {
                d[i] = 0;
                ++m;
            }
        }
    }
    StoreLevelDamages(c, d);
    g.DamageSum = Sum(d, n);
    if (g.DamageSum == 0) {
        // No level reaches the endurance limit: the margin is the factor by which every level
        // stress can rise before the damage sum of the spectrum's own cycles reaches 1, set by the
        // level with the least margin, each at its own cycles.  It is rated at the knee, where the
        // permissible stress is the limit itself.
        g.CaseEquivalent = slim / SpectrumSafetyFactor(MinerCurve(c), s, g.NLevel1, n);
        g.CaseEquivalentCycles = nl;
        return;
    }
    if (m > n) m = n;
    const double cycles = DamagingCycles(damaging, m, n);
    g.CaseEquivalent = StressForDamage(slim, nl, p, cycles);
    if (c.pitting) {
        g.CaseEquivalent = StressForDamage(c.sk, kPittingKneeCycles, p, cycles);
        if (g.CaseEquivalent < c.sk) g.CaseEquivalent = StressForDamage(slim, nl, c.pk, cycles);
    }
    g.CaseEquivalentCycles = cycles;
    ApplyStaticLimit(c);
}

void ComputeEquivalentStressHaibach() {
    GlobalData& g = G;
    if (!CheckLevelCount()) return;
    const int n = g.LevelCount;
    const StressCaseData c = CurrentStressCase();
    const double slim = g.CaseSigmaLim, nl = g.CaseNLim, p = g.CaseExponent, p2 = g.CaseExponent2;
    const TLevelArray& s = g.CyclesLevel;
    TLevelArray d{};
    for (int i = 1; i <= n; ++i) d[i] = LevelDamage(g.NLevel1[i], s[i], slim, s[i] >= slim ? p : p2, nl);
    if (c.pitting) {
        for (int i = 1; i <= n; ++i) {
            if (s[i] >= c.sk)
                d[i] = LevelDamage(g.NLevel1[i], s[i], c.sk, p, kPittingKneeCycles);
            else
                d[i] = LevelDamage(g.NLevel1[i], s[i], slim, s[i] >= slim ? c.pk : p2, nl);
        }
    }
    StoreLevelDamages(c, d);
    g.DamageSum = Sum(d, n);
    const double total = g.NLevel2[1];
    if (g.DamageSum == 0) {
        // A spectrum without cycles does no damage.
        g.CaseEquivalent = 0;
        g.CaseEquivalentCycles = 0;
    } else {
        const bool belowKnee = total / static_cast<Extended>(g.DamageSum) > nl;
        g.CaseEquivalent = StressForDamage(slim, nl, belowKnee ? p2 : p, total);
        if (c.pitting) {
            g.CaseEquivalent = StressForDamage(c.sk, kPittingKneeCycles, p, total);
            if (g.CaseEquivalent < c.sk) g.CaseEquivalent = StressForDamage(slim, nl, c.pk, total);
            if (g.CaseEquivalent < slim) g.CaseEquivalent = StressForDamage(slim, nl, p2, total);
        }
        g.CaseEquivalentCycles = total;
    }
    ApplyStaticLimit(c);
}

// ---- Equivalent and permissible forces

double LevelStress(bool wheel, bool contact, double force, double factorProduct) {
    const GlobalData& g = G;
    if (!contact) {
        const double bF = wheel ? g.bF2 : g.bF1, YF = wheel ? g.YF2 : g.YF1, YSg = wheel ? g.YSg2 : g.YSg1;
        const double YB = wheel ? g.YB2 : g.YB1;
        return force / (bF * g.mn) * YF * YSg * g.Ybeta * YB * g.YDT * factorProduct;
    }
    const double single = wheel ? g.ZD : g.ZB;
    return std::sqrt(factorProduct) * std::sqrt(force * (g.u + 1) / (g.b * g.d1 * g.u)) * single * g.ZE * g.ZH *
           g.Zepsilon * g.Zbeta;
}

double ForceFromStress(bool wheel, bool contact, double stress, double loadFactor) {
    const GlobalData& g = G;
    if (!contact) {
        const double bF = wheel ? g.bF2 : g.bF1, YF = wheel ? g.YF2 : g.YF1, YSg = wheel ? g.YSg2 : g.YSg1;
        const double YB = wheel ? g.YB2 : g.YB1;
        return stress * bF * g.mn / (YF * YSg * g.Ybeta * YB * g.YDT) / loadFactor;
    }
    const double single = wheel ? g.ZD : g.ZB;
    const double nominal = stress / (single * g.ZE * g.ZH * g.Zepsilon * g.Zbeta);
    return nominal * nominal * g.b * g.d1 * g.u / (g.u + 1) / loadFactor;
}

void ComputeLevelStressesForCase() {
    GlobalData& g = G;
    if (!CheckLevelCount()) return;
    const StressCaseData c = CurrentStressCase();
    if (!c.known) return;
    const int n = g.LevelCount;
    for (int i = 1; i <= n; ++i) {
        const int j = n - i + 1;
        const double force = g.LoadAsForce ? g.SpectrumY[j] : g.SpectrumY[j] * 2000 / g.d1;
        g.CyclesLevel[i] = LevelStress(c.wheel, c.contact, force, c.contact ? g.SpectrumCol1[j] : g.SpectrumCol3[j]);
    }
}

namespace {

// The working forces at the stresses of pinion and wheel bending (F) and contact (H).
void SetWorkingForces(double F1, double F2, double H1, double H2, double KF, double KH) {
    forces.ForceF1 = ForceFromStress(false, false, F1, KF);
    forces.ForceF2 = ForceFromStress(true, false, F2, KF);
    forces.ForceH1 = ForceFromStress(false, true, H1, KH);
    forces.ForceH2 = ForceFromStress(true, true, H2, KH);
}

// Result forces of the four cases and their torques on the pinion.
struct ForceResults {
    double &F1, &F2, &H1, &H2, &TF1, &TF2, &TH1, &TH2;
};

void StoreWorkingForces(const ForceResults& r, bool withTorques) {
    const double d1 = G.d1;
    r.F1 = forces.ForceF1;
    r.F2 = forces.ForceF2;
    r.H1 = forces.ForceH1;
    r.H2 = forces.ForceH2;
    if (!withTorques) return;
    r.TF1 = r.F1 * d1 / 2000;
    r.TF2 = r.F2 * d1 / 2000;
    r.TH1 = r.H1 * d1 / 2000;
    r.TH2 = r.H2 * d1 / 2000;
}

}  // namespace

void ComputeForcesFromEquivalentStresses() {
    const GlobalData& g = G;
    SetWorkingForces(g.SigmaF1ekv, g.SigmaF2ekv, g.SigmaH1ekv, g.SigmaH2ekv, g.KFekv, g.KHekv);
}

void ComputeForcesFromReferenceStresses() {
    const GlobalData& g = G;
    SetWorkingForces(g.Sigmafpb1ref, g.Sigmafpb2ref, g.SigmaHP1ref, g.SigmaHP2ref, g.KFPerm, g.KHPerm);
}

void ComputeEquivalentForcesGivenFactors() {
    const GlobalData& g = G;
    if (!CheckLevelCount()) return;
    FactorsFromGivenLevels({g.SigmaF1ekv, g.SigmaF2ekv, g.SigmaH1ekv, g.SigmaH2ekv}, EquivalentFactors());
}

void ComputePermissibleForcesGivenFactors() {
    const GlobalData& g = G;
    if (!CheckLevelCount()) return;
    FactorsFromGivenLevels({g.Sigmafpb1ref, g.Sigmafpb2ref, g.SigmaHP1ref, g.SigmaHP2ref}, PermissibleFactors());
}

void ComputeEquivalentForcesIterated() { FactorsIterated(ComputeForcesFromEquivalentStresses, EquivalentFactors()); }

void ComputePermissibleForcesIterated() { FactorsIterated(ComputeForcesFromReferenceStresses, PermissibleFactors()); }

void ComputeEquivalentLoads() {
    GlobalData& g = G;
    if (g.LoadInputMethod == kDirectEquivalentLoad) return;
    g.ResumeCalculation = true;
    ComputeEffectiveFaceWidths();
    if (!CheckLevelCount() || !CheckCommonFaceWidth()) return;
    ComputeContactRatios();
    if (g.ResumeCalculation) ComputeContactStress();
    if (g.ResumeCalculation) ComputeBendingStress();
    if (!g.ResumeCalculation) return;

    struct Case {
        const char* code;
        double slim, nlim, p, p2;
        TLevelArray& levelStress;
        double& equivalent;
        double& cycles;
    };
    const Case cases[4] = {
        {"PO", g.Sigmafpb1ref, g.NFlim1, g.qF1, g.qF_1, g.SigmaF1Level, g.SigmaF1ekv, g.NF1ekv},
        {"PD", g.SigmaHP1ref, g.NHlim1, g.qH1, g.qH_1, g.SigmaH1Level, g.SigmaH1ekv, g.NH1ekv},
        {"KO", g.Sigmafpb2ref, g.NFlim2, g.qF2, g.qF_2, g.SigmaF2Level, g.SigmaF2ekv, g.NF2ekv},
        {"KD", g.SigmaHP2ref, g.NHlim2, g.qH2, g.qH_2, g.SigmaH2Level, g.SigmaH2ekv, g.NH2ekv},
    };
    const ShortString savedCase = g.StressCase;
    for (int c = 0; c < 4; ++c) {
        g.StressCase = cases[c].code;
        g.CaseSigmaLim = cases[c].slim;
        g.CaseNLim = cases[c].nlim;
        g.CaseExponent = cases[c].p;
        g.CaseExponent2 = cases[c].p2;
        if (c == 2) ConvertCyclesPinionToWheel();  // the wheel cases count wheel cycles
        ComputeLevelStressesForCase();
        cases[c].levelStress = g.CyclesLevel;
        if (g.CalcMethodics == kMethodicsMiner) ComputeEquivalentStressMiner();
        if (g.CalcMethodics == kMethodicsHaibach) ComputeEquivalentStressHaibach();
        cases[c].equivalent = g.CaseEquivalent;
        cases[c].cycles = g.CaseEquivalentCycles;
    }
    g.StressCase = savedCase;
    ConvertCyclesWheelToPinion();

    if (g.SpectrumLevelsShown)
        ComputeEquivalentForcesGivenFactors();
    else
        ComputeEquivalentForcesIterated();
    ComputeForcesFromEquivalentStresses();
    StoreWorkingForces({g.FtFe1, g.FtFe2, g.FtHe1, g.FtHe2, g.TFe1, g.TFe2, g.THe1, g.THe2}, true);

    if (g.SpectrumLevelsShown)
        ComputePermissibleForcesGivenFactors();
    else
        ComputePermissibleForcesIterated();
    ComputeForcesFromReferenceStresses();
    StoreWorkingForces({g.FtFP1, g.FtFP2, g.FtHP1, g.FtHP2, g.TFP1, g.TFP2, g.THP1, g.THP2}, !g.LoadAsForce);
}

}  // namespace karvelo
