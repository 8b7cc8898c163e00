// Unit Vypocty1: what every load factor needs (forces, effective face widths, tooth stiffness,
// reduced mass), the accuracy range of ISO 1328-1, the dynamic factor Kv by ISO 6336-1 methods B
// and C with the transverse running-in allowance, the face load factor for bending KFbeta and the
// transverse load factors KHalfa, KFalfa of a single load.  The per-level twins of a spectrum
// (unit Vypocet1i) share the load-dependent parts through the routines at the end.
#pragma once

#include <string>

namespace karvelo {

// ---- Forces, face widths, stiffness, reduced mass

// Ft, FtF, Ftjm (and the equivalent forces FtFe1 .. FtHe2 with their "Used" copies) for the load
// input method.  One load without force and torque shows "There are no loading data." and clears
// ResumeCalculation.
void ComputeForcesFromTorques();
// b, bF1, bF2, bFmin from b1, b2 and the axial offset db.
void ComputeEffectiveFaceWidths();
// Contact ratios first, then cprime (unless cDirect), cgammaAlpha and cgammaBeta.
void ComputeToothStiffness();
// mred of the pair from the gear blanks (ISO 6336-1 method B).
void ComputeReducedMass();

// ---- Accuracy range and dynamic factor

// Kind "fpb+ffalfa" or "fHbeta": where a dimension lies outside ISO 1328-1 and a deviation of that
// kind would come from the tolerance formulas, sets its use-direct flag, tells the user and opens
// the accuracy window on the field of that deviation.
void CheckAccuracyRange(const std::string& Kind);
// Kind "Roztec" (pitch) or "Profil" (profile form); Level 1..20 gives the speed n1Level[Level] of a
// spectrum (kMultilevelLoading).  Sets v, fpbmax or ffalfamax, yalfa1, yalfa2, yalfa.
void ComputeTransverseRunningInAllowance(const std::string& Kind, int Level);
// Cv1 .. Cv7, Bp, Bf, Bk for the single load.
void ComputeKvCoefficients();
// mred, the stiffnesses, nE1, NS, Nupper and Kv by method B for the single load.
void ComputeKvMethodB();
// K1, K2, K3 of method C from the accuracy grades, epsbeta and vzfactor.
void SelectKvMethodCConstants();
// v, vzfactor, FtKAb, K1 .. K3 and Kv by method C for the single load.
void ComputeKvMethodC();

// ---- Load factors of the single load

// NF and KFbeta = KHbeta^NF, unless KFbetaDirect.
void ComputeKFbeta();
// KHalfa and KFalfa by method B (each unless entered; 1 for a spectrum or equivalent loads).
void ComputeKHalpha();

// ---- Shared with the per-level twins

// Running-in groups of the material classes: A kStructuralAndThroughHardened, B
// kGreyAndFerriticCastIron, C kSurfaceHardenedAndNitrided.  Another class has no running-in
// allowance.
enum class RunningInGroup { None, A, B, C };
RunningInGroup RunningInGroupOf(const std::string& materialCode);
// Constants of a running-in allowance by group: y = factorA D / SigmaHlim (A), factorB D (B),
// factorC D (C) for the deviation D [um]; the caps of groups A (numerators over SigmaHlim) and B
// at 5 < v <= 10 m/s and above 10 m/s (none up to 5 m/s), and group C's cap at every speed.
struct RunningInRule {
    double factorA, capA10, capAabove;
    double factorB, capB10, capBabove;
    double factorC, capC;
};
// The transverse allowance y_alpha and the helix allowance y_beta.  The helix constants are twice
// the transverse ones except the group B cap at 5 < v <= 10 m/s (45 um, not 44).
inline constexpr RunningInRule kTransverseRunningIn{160, 12800, 6400, 0.275, 22, 11, 0.075, 3};
inline constexpr RunningInRule kHelixRunningIn{320, 25600, 12800, 0.55, 45, 22, 0.15, 6};
// Running-in allowance [um] of a gear of class `materialCode` for the deviation [um] at the
// pitch line velocity v [m/s] by `rule`.
double ComputeRunningInAllowance(const std::string& materialCode, double deviation, double SigmaHlim, double v,
                                 const RunningInRule& rule);

// A key result that is not a finite number (input the windows should have refused) stops the
// calculation: "<what> can not be calculated from these input data." is shown (once, while the
// calculation is still running) and ResumeCalculation cleared.  True when the value is finite.
bool StopUnlessFinite(double value, const std::string& what);
// The same for a value that must be greater than 0, such as a factor given directly: a factor of
// 0 or below stops with "<what> can not be calculated from these input data.".
bool StopUnlessPositive(double value, const std::string& what);
// Pitch line velocity pi d1 n / 60000 [m/s] at the pinion speed n [1/min].
double PitchLineVelocity(double n);

// A spectrum has 1 to 20 levels: true when LevelCount is in that range.
bool LevelCountInRange();
// The same as a check: another LevelCount stops with "The number of load levels must be from 1 to
// 20.".
bool CheckLevelCount();
// Shows `text` unless the calculation has already stopped, then clears ResumeCalculation.
void StopCalculation(const std::string& text);
// The load factors divide by the common face width: b <= 0 (faces that do not overlap) stops
// the calculation.  True when b > 0.
bool CheckCommonFaceWidth();

// Cv1 .. Cv7, Bp, Bf, Bk for the load per unit width w [N/mm] and the running-in allowances of
// spectrum level `level` (its speed counts only for kMultilevelLoading).
void ComputeKvCoefficientsFor(double w, int level);
// Method B at pinion speed n [1/min] and load per unit width w [N/mm]: mred, the stiffnesses, the
// coefficients (level as above), nE1, NS, Nupper; returns Kv before the floor at 1.
double ComputeKvMethodBFor(double n, double w, int level);
// Method C at pitch line velocity v [m/s] and load per unit width loadPerWidth [N/mm]: vzfactor,
// FtKAb, K1 .. K3; returns Kv before the floor at 1 (interpolated for 0 < epsbeta < 1).
double ComputeKvMethodCFor(double v, double loadPerWidth);
// NF := 1 / (1 + 1/r + 1/r^2) with r the smaller of bF1/h1, bF2/h2, at least 3; returns NF.
double ComputeKFbetaExponent();
// Transverse deviation quotient q = cgammaAlpha (D - yalfa) / w: the gear with the larger of its
// pitch and profile form deviations decides the kind ("Roztec" or "Profil"), D is the larger
// deviation of that kind and yalfa its running-in allowance for `level`.
double ComputeTransverseDeviationQuotient(double w, int level);
// KHalfa and KFalfa for the quotient q, each within its upper limit and at least 1.
void ComputeTransverseFactorValues(double q, double& KHa, double& KFa);

}  // namespace karvelo
