// Unit Vypocty_ekv: the load spectrum in working form, equivalent loads and stresses.
//
// Order of the arrays.  The entry (SpectrumX, SpectrumY, n1Level, FtLevel, ClassHours,
// CumulativeHours and the factor columns of TSpectrumLevels) has level 1 = largest load.  After
// BuildClassAndCumulativeSpectra NLevel1, NLevel2, CyclesLevel, the level stresses SigmaF1Level ..
// and the damage arrays SigmaFP1Level .. / SF1Level .. are in ascending load order (index 1 =
// smallest load, index LevelCount = largest); entry index j = LevelCount - i + 1.
#pragma once

#include "karvelo/calc/Global.h"

namespace karvelo {

// ---- Spectrum preparation

// True when the entry can be put into working form: 1..20 levels, each with a positive load,
// positive cycles or hours and a positive speed, cumulative values rising from level to level.
bool SpectrumIsComputable();
// From the entry (cycles or hours, cumulative or per level) NLevel1, NLevel2, ClassHours,
// CumulativeHours and the totals NL1, NL1h, NL2 = NL1 z1/|z2| and NL2h = NL1h.  Entry order.
void ConvertSpectrumUnits();
// NLevel1, NLevel2 into ascending load order; CyclesLevel := the loads, ascending.
void BuildClassAndCumulativeSpectra();
// NLevel2 rescaled by z1/|z2| (pinion to wheel cycles) or |z2|/z1, NLevel1 rebuilt from it.
void ConvertCyclesPinionToWheel();
void ConvertCyclesWheelToPinion();

// ---- Approximate equivalent loads (ISO 6336-6 annex A), one case in CaseNLim, CaseExponent

// Equation A.2 over the spectrum cut at CaseNLim cycles.
void ComputeEquivalentLoadEqA2();
// Figure A.3: the cycles of each level carried down the S-N slope to the next smaller load until
// they reach CaseNLim, log-log interpolation at the crossing.  Needs LevelCount >= 2.
void ComputeEquivalentLoadFigA3();
// The crossing step of the figure A.3 walk at the walk's current level.
void InterpolateSpectrumCrossing();
// The four cases (pinion bending, pinion contact, wheel bending, wheel contact) by
// kMethodicsFigA3 or kMethodicsEqA2: FtFe1 .. or TFe1 .., NFe1 .., KAF1 .. and KA, the largest.
void ComputeApproximateEquivalentLoads();

// Work data of the approximate methods, kept for inspection.
struct ApproximateLoadWork {
    double NominalLoad = 0;     // Ftjm or Tjm, the load the application factors refer to
    int CrossingLevel = 1;      // level of the cut (equation A.2) or of the crossing (figure A.3)
    TLevelArray A{};            // cut cumulative cycles
    TLevelArray B{};            // cut class cycles
    TLevelArray C{};            // shifted cumulative cycles of the figure A.3 walk
    TLevelArray D{};            // cycles of a level carried to the next smaller load
    double S = 0;               // cycles left to the crossing level
    int Level = 1;              // current level of the walk
    bool Found = false;         // the walk reached CaseNLim
    double ReferredCycles = 0;  // cycle number the equivalent load of the case is referred to
};
const ApproximateLoadWork& ApproximateWork();

// ---- Equivalent stresses (Miner, Haibach), one case in StressCase and the Case* variables

// The level of the largest stress among levels 1..n (of equal ones the larger load): the levels are
// in load order, and the largest load need not be the most stressed (its own speed and factors).
int MostStressedLevel(const TLevelArray& stress, int n);
double LargestLevelStress(const TLevelArray& stress, int n);

// Damage per level over the S-N curve of the case (levels below CaseSigmaLim do no damage), the
// damage sum, the equivalent stress CaseEquivalent referred to the cycles of the damaging levels
// (CaseEquivalentCycles), per-level damages and cycles into SigmaFP1Level/SF1Level .. of the case.
// Without a damaging level: CaseSigmaLim over the spectrum's safety factor (the factor on every
// level stress at which the damage sum of its cycles reaches 1, SpectrumSafetyFactor), at the
// knee (CaseNLim cycles), where the permissible stress is CaseSigmaLim itself.
void ComputeEquivalentStressMiner();
// The same with the levels below the knee counted with CaseExponent2; referred to all cycles.
void ComputeEquivalentStressHaibach();

// ---- Equivalent and permissible forces

// Nominal stress of a load level [MPa]: tooth root (contact false) or flank, pinion (wheel false) or
// wheel, for the tangential force [N] and the level's factor product (SpectrumCol3 or SpectrumCol1
// value); no application factor: the level loads are the actual loads.
double LevelStress(bool wheel, bool contact, double force, double factorProduct);
// The tangential force [N] at which a stress is reached with the given load factor product.
double ForceFromStress(bool wheel, bool contact, double stress, double loadFactor);

// CyclesLevel := the nominal stress of every level of the case in StressCase (with the level's
// factor product SpectrumCol3 or SpectrumCol1, without KA), ascending.
void ComputeLevelStressesForCase();
// Working forces from SigmaF1ekv .. with KFekv, KHekv; from Sigmafpb1ref .. with KFPerm, KHPerm.
void ComputeForcesFromEquivalentStresses();
void ComputeForcesFromReferenceStresses();
// The working forces of the four cases [N], the result of the two routines above.
struct WorkingForces {
    double ForceF1 = 0, ForceF2 = 0, ForceH1 = 0, ForceH2 = 0;
    double Sum() const { return ForceF1 + ForceF2 + ForceH1 + ForceH2; }
};
const WorkingForces& CurrentWorkingForces();
// Factors at the equivalent (permissible) stresses interpolated in the entered per-level factors.
void ComputeEquivalentForcesGivenFactors();
void ComputePermissibleForcesGivenFactors();
// Factors recomputed at the forces (level 1 as scratch) until the force sum settles within 1 N.
void ComputeEquivalentForcesIterated();
void ComputePermissibleForcesIterated();
// The four cases by kMethodicsMiner or kMethodicsHaibach: level stresses, equivalent stresses,
// equivalent factors, forces and torques, permissible factors, forces and torques.
void ComputeEquivalentLoads();

// Passes of the factor iteration before it keeps its last forces.
inline constexpr int kMaxForceIterations = 100;

}  // namespace karvelo
