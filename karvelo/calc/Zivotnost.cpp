#include "karvelo/calc/Zivotnost.h"

#include <cmath>
#include <limits>

#include "karvelo/calc/Epsilon.h"
#include "karvelo/calc/MaterialClasses.h"
#include "karvelo/calc/Vypocet.h"
#include "karvelo/calc/Vypocet1i.h"
#include "karvelo/calc/Vypocty1.h"
#include "karvelo/calc/Vypocty_ekv.h"
#include "karvelo/calc/WindowHooks.h"

namespace karvelo {

namespace {

TLevelArray levelForce;
double DamageF1 = 0, DamageF2 = 0, DamageH1 = 0, DamageH2 = 0;                  // damage sums of the cases
double LifeFactorF1 = 0, LifeFactorF2 = 0, LifeFactorH1 = 0, LifeFactorH2 = 0;  // spectrum repetitions

enum class LifeCaseId { F1, F2, H1, H2 };

using LevelValues = Array1<Extended, kMaxLevels>;

// The S-N curve and the result variables of one case.
struct LifeCase {
    bool wheel, contact;
    LifeCurve curve;
    double& damage;
    double& safety;
    double& life;
    double& hours;
    double& repetition;
};

LifeCase Case(LifeCaseId id) {
    GlobalData& g = G;
    const bool miner = g.CalcMethodics == kMethodicsMiner;
    // clang-format off
    switch (id) {
    case LifeCaseId::F1:
        return {false, false, {miner, g.Sigmafpb1ref, g.NFlim1, g.qF1, g.qF_1, false, 0, 0, g.Sigmafpb1stat, g.NFstat1,
                1e-6}, DamageF1, g.SF1life, g.LF1, g.LifeHoursF1, LifeFactorF1};
    case LifeCaseId::F2:
        return {true, false, {miner, g.Sigmafpb2ref, g.NFlim2, g.qF2, g.qF_2, false, 0, 0, g.Sigmafpb2stat, g.NFstat2,
                1e-6}, DamageF2, g.SF2life, g.LF2, g.LifeHoursF2, LifeFactorF2};
    case LifeCaseId::H1:
        return {false, true, {miner, g.SigmaHP1ref, g.NHlim1, g.qH1, g.qH_1, g.PittingAllowed1, g.SigmaHP1knee,
                g.qH1knee, g.SigmaHP1stat, g.NHstat1, 1e-6}, DamageH1, g.SH1life, g.LH1, g.LifeHoursH1, LifeFactorH1};
    case LifeCaseId::H2:
    default:
        return {true, true, {miner, g.SigmaHP2ref, g.NHlim2, g.qH2, g.qH_2, g.PittingAllowed2, g.SigmaHP2knee,
                g.qH2knee, g.SigmaHP2stat, g.NHstat2, 1e-7}, DamageH2, g.SH2life, g.LH2, g.LifeHoursH2, LifeFactorH2};
    }
    // clang-format on
}

// Level stresses and cycles of a case.  The stresses are local: the shown results stay.
struct CaseLevels {
    int n = 0;
    TLevelArray stress{};
    TLevelArray cycles{};
};

CaseLevels Levels(const LifeCase& c) {
    const GlobalData& g = G;
    CaseLevels lv;
    lv.n = g.LevelCount;
    for (int i = 1; i <= lv.n; ++i) {
        lv.stress[i] =
            LevelStress(c.wheel, c.contact, levelForce[i], c.contact ? g.SpectrumCol1[i] : g.SpectrumCol3[i]);
        lv.cycles[i] = c.wheel ? g.NLevel1[i] * g.z1 / std::fabs(g.z2) : g.NLevel1[i];
    }
    return lv;
}

// Cycles to failure at the level stress s scaled by the factor x.  Under Miner a level scaled below
// the reference stress never fails: only the curve above the knee damages.
Extended CyclesToFailure(const LifeCurve& c, double s, double x) {
    const Extended r = static_cast<Extended>(x) * s / c.sref;
    if (!(r > 0)) return 1e20;  // no stress: practically no damage
    if (c.miner && r < 1) return std::numeric_limits<Extended>::infinity();
    if (!c.pitting) return c.nlim / std::pow(r, static_cast<Extended>(r >= 1 ? c.q : c.q_));
    const double e = r >= 1 ? (s > c.sk ? c.q : c.pk) : c.q_;
    if (s > c.sk) return kPittingKneeCycles / std::pow(r / 1.3L, static_cast<Extended>(e));
    return c.nlim / std::pow(r, static_cast<Extended>(e));
}

// 1 - D at the trial factor x; D into `damage`.
Extended DamageMargin(const LifeCurve& c, const CaseLevels& lv, double x, double& damage) {
    double d = 0;
    for (int i = 1; i <= lv.n; ++i) d += static_cast<double>(lv.cycles[i] / CyclesToFailure(c, lv.stress[i], x));
    damage = d;
    return 1 - static_cast<Extended>(d);
}

// Cycles to failure of every level at the required safety factor.
LevelValues FailureAtRequiredSafety(const LifeCase& c, const CaseLevels& lv) {
    LevelValues failure{};
    for (int i = 1; i <= lv.n; ++i) failure[i] = CyclesToFailure(c.curve, lv.stress[i], c.safety);
    return failure;
}

Extended LifeDamageMargin(const LifeCase& c, const CaseLevels& lv, const LevelValues& failure, double x) {
    double d = 0;
    for (int i = 1; i <= lv.n; ++i) d += static_cast<double>(x * lv.cycles[i] / failure[i]);
    c.damage = d;
    return 1 - static_cast<Extended>(d);
}

struct SearchLimits {
    double step, upper, tolerance;
};

// Steps from 0 until the margin changes sign, then halves the bracket until |M| < tolerance.
// True with the root when one is found below the upper bound.
template <typename Margin>
bool FindRoot(const Margin& margin, SearchLimits limits, double& root) {
    double lo = 0;
    double hi = lo + limits.step;
    bool halving = false;
    Extended mlo = margin(lo), mhi = margin(hi);
    int passes = 0;
    for (;;) {
        const int sa = mlo < 0 ? -1 : 1, sb = mhi < 0 ? -1 : 1;
        if (sa != sb) {
            hi = (hi + lo) / 2;
            halving = true;
        } else if (halving) {
            const double previousLo = lo;
            lo = hi;
            mlo = mhi;
            hi = hi + (hi - previousLo) / 2;
        } else {
            lo = hi;
            mlo = mhi;
            hi = hi + limits.step;
            // The summed steps overshoot: the last one brackets the bound itself.
            if (hi > limits.upper) {
                if (!(lo < limits.upper)) return false;
                hi = limits.upper;
            }
            mhi = margin(hi);
            continue;
        }
        mhi = margin(hi);
        // A bracket collapsed onto a jump of the margin keeps its last point.
        if (std::fabs(mhi) < limits.tolerance || ++passes >= kMaxHalvingPasses) break;
    }
    if (!(hi < limits.upper)) return false;
    root = hi;
    return true;
}

double SafetyFactor(const LifeCurve& c, const CaseLevels& lv, double& damage) {
    damage = 0;
    double root = 0;
    if (!FindRoot([&](double x) { return DamageMargin(c, lv, x, damage); }, {0.1, 25, c.tolerance}, root))
        return kNoFailureSafetyFactor;
    // A few cycles (of the gear's own) of the most stressed level: the static strength decides.
    const int k = MostStressedLevel(lv.stress, lv.n);
    const double staticSafety = c.stat / lv.stress[k];
    return lv.cycles[k] <= c.nstat && staticSafety < root ? staticSafety : root;
}

void SolveSafetyFactor(LifeCaseId id) {
    if (!CheckLevelCount()) return;
    const LifeCase c = Case(id);
    c.safety = SafetyFactor(c.curve, Levels(c), c.damage);
}

void SolveServiceLife(LifeCaseId id) {
    const GlobalData& g = G;
    if (!CheckLevelCount()) return;
    const LifeCase c = Case(id);
    const CaseLevels lv = Levels(c);
    const LevelValues failure = FailureAtRequiredSafety(c, lv);
    const SearchLimits limits =
        g.CalcMethodics == kMethodicsMiner ? SearchLimits{10, 25000, 1e-6} : SearchLimits{1e4, 2.5e9, 1e-6};
    c.damage = 0;
    double x = 0;
    if (!FindRoot([&](double r) { return LifeDamageMargin(c, lv, failure, r); }, limits, x)) {
        c.life = kNoFailureLife;
        return;
    }
    c.repetition = x;
    double cycles = 0, hours = 0;
    for (int i = 1; i <= lv.n; ++i) {
        cycles += lv.cycles[i];
        hours += g.NLevel1[i] / 60 / g.n1Level[lv.n - i + 1];
    }
    c.life = x * cycles;
    c.hours = x * hours;
}

Extended Margin(LifeCaseId id, double x) {
    if (!LevelCountInRange()) return 1;
    const LifeCase c = Case(id);
    return DamageMargin(c.curve, Levels(c), x, c.damage);
}

Extended LifeMargin(LifeCaseId id, double x) {
    if (!LevelCountInRange()) return 1;
    const LifeCase c = Case(id);
    const CaseLevels lv = Levels(c);
    return LifeDamageMargin(c, lv, FailureAtRequiredSafety(c, lv), x);
}

}  // namespace

TLevelArray& LifeLevelForce() { return levelForce; }

double SpectrumSafetyFactor(const LifeCurve& curve, const TLevelArray& stress, const TLevelArray& cycles, int n) {
    if (n < 1 || n > kMaxLevels) return kNoFailureSafetyFactor;
    double damage = 0;
    return SafetyFactor(curve, {n, stress, cycles}, damage);
}

Extended ComputeDamageMarginF1(double x) { return Margin(LifeCaseId::F1, x); }
Extended ComputeDamageMarginF2(double x) { return Margin(LifeCaseId::F2, x); }
Extended ComputeDamageMarginH1(double x) { return Margin(LifeCaseId::H1, x); }
Extended ComputeDamageMarginH2(double x) { return Margin(LifeCaseId::H2, x); }

void SolveSafetyFactorF1() { SolveSafetyFactor(LifeCaseId::F1); }
void SolveSafetyFactorF2() { SolveSafetyFactor(LifeCaseId::F2); }
void SolveSafetyFactorH1() { SolveSafetyFactor(LifeCaseId::H1); }
void SolveSafetyFactorH2() { SolveSafetyFactor(LifeCaseId::H2); }

Extended ComputeLifeDamageMarginF1(double x) { return LifeMargin(LifeCaseId::F1, x); }
Extended ComputeLifeDamageMarginF2(double x) { return LifeMargin(LifeCaseId::F2, x); }
Extended ComputeLifeDamageMarginH1(double x) { return LifeMargin(LifeCaseId::H1, x); }
Extended ComputeLifeDamageMarginH2(double x) { return LifeMargin(LifeCaseId::H2, x); }

void SolveServiceLifeF1() { SolveServiceLife(LifeCaseId::F1); }
void SolveServiceLifeF2() { SolveServiceLife(LifeCaseId::F2); }
void SolveServiceLifeH1() { SolveServiceLife(LifeCaseId::H1); }
void SolveServiceLifeH2() { SolveServiceLife(LifeCaseId::H2); }

void ComputeServiceLife() {
    GlobalData& g = G;
    g.ResumeCalculation = true;
    if (!CheckLevelCount()) return;
    const int n = g.LevelCount;
    ComputeContactRatios();
    if (g.ResumeCalculation) ComputeContactStress();
    if (g.ResumeCalculation) ComputeBendingStress();
    if (!g.ResumeCalculation) return;

    for (int i = 1; i <= n; ++i) {
        levelForce[i] = g.SpectrumY[n - i + 1];
        if (!g.LoadAsForce) levelForce[i] = levelForce[i] * 2000 / g.d1;
    }
    // The factor columns in ascending load order, like the cycles, while the solvers run.
    TLevelArray saved[TSpectrumLevels::kColumns];
    for (int k = 1; k <= TSpectrumLevels::kColumns; ++k) saved[k - 1] = g.SpectrumColumn(k);
    ComputeKFbetaLevels();
    for (int k = 1; k <= TSpectrumLevels::kColumns; ++k)
        for (int i = 1; i <= n; ++i) g.SpectrumColumn(k)[i] = saved[k - 1][n - i + 1];

    if (g.LifeFormActive) {
        if (g.LifeInHours) {
            SolveSafetyFactorH1();
            SolveSafetyFactorH2();
            SolveSafetyFactorF1();
            SolveSafetyFactorF2();
        }
        if (g.LifeFromSafety) {
            SolveServiceLifeH1();
            SolveServiceLifeH2();
            SolveServiceLifeF1();
            SolveServiceLifeF2();
        }
    }
    for (int k = 1; k <= TSpectrumLevels::kColumns; ++k) g.SpectrumColumn(k) = saved[k - 1];
    win::EnableLifeDrawButton();
}

}  // namespace karvelo
