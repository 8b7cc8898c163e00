// Unit Zivotnost: damage sums, safety factors and service life of a load spectrum evaluated by
// Miner or Haibach (kMethodicsMiner, kMethodicsHaibach).
//
// A damage sum D = sum n_i / N_i runs over the levels (ascending load order, pinion class cycles
// NLevel1, times z1/|z2| for the wheel); N_i is read from the S-N curve of the case at the level
// stress scaled by a trial factor.  Under Miner a level damages only when its scaled stress
// reaches the reference stress, and then on the curve above the knee.  The safety factor is the
// stress multiplier that makes D = 1 for the entered spectrum; the life is the number of
// repetitions of the spectrum that makes D = 1 at the required safety factor.  Both are found by
// stepping and bisection.
#pragma once

#include "karvelo/calc/Global.h"

namespace karvelo {

// 1 - D at the trial safety factor x: pinion bending, wheel bending, pinion contact, wheel contact.
Extended ComputeDamageMarginF1(double x);
Extended ComputeDamageMarginF2(double x);
Extended ComputeDamageMarginH1(double x);
Extended ComputeDamageMarginH2(double x);
// SF1life, SF2life, SH1life, SH2life: the safety factor at which the entered spectrum makes D = 1,
// 25 when none is found up to 25, limited by the static strength when the most stressed level has
// no more cycles (of the gear) than the static cycle number.
void SolveSafetyFactorF1();
void SolveSafetyFactorF2();
void SolveSafetyFactorH1();
void SolveSafetyFactorH2();

// 1 - D for x repetitions of the spectrum at the required safety factor (SF1life ..).
Extended ComputeLifeDamageMarginF1(double x);
Extended ComputeLifeDamageMarginF2(double x);
Extended ComputeLifeDamageMarginH1(double x);
Extended ComputeLifeDamageMarginH2(double x);
// LF1, LF2, LH1, LH2 [cycles of the gear] and LifeHoursF1 .. [h]; 1e15 cycles (no failure, hours
// unchanged) when the spectrum cannot use up the S-N curve within the search range.
void SolveServiceLifeF1();
void SolveServiceLifeF2();
void SolveServiceLifeH1();
void SolveServiceLifeH2();

// The S-N curve of one strength case with its static strength, as the safety-factor search takes it.
struct LifeCurve {
    bool miner;                // a level scaled below sref does no damage
    double sref, nlim, q, q_;  // reference stress at the knee's nlim cycles, exponents above and below
    bool pitting;              // contact with pitting permissible: the segment through sk, exponent pk
    double sk, pk;
    double stat, nstat;  // static strength and the cycles up to which it holds
    double tolerance;    // of |1 - D| at the root
};
// The safety factor of a case for its level stresses and the gear's own class cycles (levels 1..n),
// as SolveSafetyFactorF1 .. find it: the factor on every level stress at which D = 1.
double SpectrumSafetyFactor(const LifeCurve& curve, const TLevelArray& stress, const TLevelArray& cycles, int n);

// The driver: current stresses and factors, level forces, factor columns in ascending order while
// the solvers of the service-life window's choice run (LifeInHours: safety factors, LifeFromSafety:
// lives; only while LifeFormActive), then entry order again; enables the window's "Draw" button.
void ComputeServiceLife();

// Tangential force per level [N], ascending load order: the unit's work data, set by
// ComputeServiceLife and read by the margins.
TLevelArray& LifeLevelForce();

inline constexpr double kNoFailureSafetyFactor = 25;  // safety factor cap: no damage found up to it
inline constexpr double kNoFailureLife = 1e15;        // life in cycles: the curve is never used up
inline constexpr int kMaxHalvingPasses = 200;         // bisection passes before the last point is kept

}  // namespace karvelo
