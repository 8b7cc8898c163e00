// Geometry of the gear pair: dimensions of a gear pair or a pinion with a rack mate,
// the working centre distance, sum of addendum modification coefficients (AMC) and
// working pressure angle from each other, the inverse involute with the critical-sum
// tests, balanced specific slidings, the bevel option (virtual spur pair of the back
// cones), the helix angle for a given centre distance, and the start of the involute
// on an undercut gear from the trochoid of the tool tip.
//
// All routines read and write the global data G.  Each opens a ComputationScope, so a
// guarded-trigonometry message is shown once per call however often a search meets it.
#pragma once

namespace ostrimo {

// ---------------------------------------------------------------- pair geometry

// alpha in [0, pi/2) with tan alpha - alpha = target, by scan and bisection (residual
// below 1e-11).  Sets xsum0 and xsum0Cutter first and refuses a sum of AMC beyond its
// critical value (external and bevel: x1 + x2 + 1e-5 < xsum0; internal: x1 + x2 - 1e-5
// > xsum0; in ManufacturingMode: x0 + x2 - 1e-5 > xsum0Cutter) with its message, its
// verdict flag and NoCalcMessageShown cleared, leaving alpha unchanged; the pair tests
// are skipped while SkipCriticalSumCheck or ManufacturingMode is set.  A target of 0 or
// below (a sum at its critical value) gives alpha = 0.  No root below pi/2 gives
// alpha = 0 and sets ErrorFlag.  Returns false when refused or flagged.
bool InvertInvoluteChecked(double& alpha, double target);

// The diameter at which the involute of base diameter a has an involute angle larger
// by c than the involute of base diameter b (fixed point, |dr| < 1e-6).  0 with
// ErrorFlag when it does not settle.
double FindDiameterForInvoluteDifference(double a, double b, double c);

// alfawt, alfawtDeg and aw from the sum of AMC (by the backlash method), then all pair
// dimensions; the bevel option computes aw with mtm and stops there.  Nothing with a
// rack mate.
void ComputeWorkingCentreDistance();
// alfawt and xsum from the entered aw, then all pair dimensions.  An aw outside the
// range of the arc cosine leaves the pair untouched and sets ErrorFlag.
void ComputeAmcSumFromCentreDistance();
// aw and xsum from the entered alfawt, then all pair dimensions.
void ComputeAmcSumFromPressureAngle();
// The members of the triangle that were computed, from the one given last
// (LastComputingInput) as its validator computed them: from the working centre distance
// (9), the working pressure angle (10), else from the sum of AMC by the backlash method.
// Coefficients already divided keep their sum (TakeSumOfDividedAmc).  Nothing with a rack
// mate.
void ComputeFromLastComputingInput();
// With x1 and x2 divided (not by an extra AMC of the backlash, not with a rack mate) the
// pair's sum is theirs, whatever sum the centre distance or working angle given would take:
// xsum := x1 + x2, then the pair's dimensions for it.
void TakeSumOfDividedAmc();
// Pinion with a rack mate: pinion and rack dimensions.
void ComputeRackPairDimensions();
// Gear pair: d, db, dw, k, addenda, dedenda, roots, tool flank heights, tips (internal:
// the wheel root from the shaper cutter); the bevel option runs the bevel dimensions.
void ComputeGearPairDimensions();
// The tip diameters not given by the user: each lies the clearance off the mate's root
// circle at aw (at ad when aw = 0), with the extra AMC of the backlash when it is made so.
void ComputeTipDiametersFromRoots();

// ---------------------------------------------------------------- balanced specific slidings

// x1 that makes the specific slidings at the two tips equal, the wheel taking
// xsumSearch - x1 (searched in -2..5).  On failure: "Solution for balanced specific
// slidings does not exist.", NoCalcMessageShown cleared, ErrorFlag set, x1 and x2
// unchanged.
void BalanceSpecificSlidings();
void BalanceRackSpecificSlidings();
// Residuals for a trial x1, with the constants of the last balancing search; 0 where a
// tip lies at or inside its base circle.
double EvaluateBalancedSlidingEquation(double x);
double EvaluateRackBalancedSlidingEquation(double x);

// ---------------------------------------------------------------- bevel option

// Cone angles, outer cone distance Le, virtual spur pair at the middle of the
// facewidth (z1, z2, mtm, diameters), outer diameters, tip and root cone angles and
// betamMaxDeg, from Sigma, z1Bevel, z2Bevel, mn, b, beta, the basic rack and the AMC.
// Nothing while z1Bevel or z2Bevel is 0.
void ComputeBevelGearDimensions();
// Its first step: the pitch cone angles delta1, delta2 from Sigma and the entered numbers
// of teeth, and the outer cone distance Le.
void ComputeBevelCones();
// x of the point where the tooth trace (through the middle of the facewidth at the
// mean inclination beta) meets the circle of the inner cone distance, or touches it at the
// largest inclination; 0 with "Impossible gearing parameters - the geometry cannot be
// computed." and ErrorFlag when it misses it.
void FindBevelCircleLineIntersection(double& x);
double EvaluateBevelCircleLine(double x);

// ---------------------------------------------------------------- helix angle for a centre distance

// beta in [0, pi/2 - 0.001) for which the entered aw fits x1 + x2.  None: "There is no
// solution - change inputs.", beta := 0, ErrorFlag set.
void FindHelixAngleForCentreDistance(double& beta);
// inv alfat(beta) + 2 (x1 + x2) tan alfan / (z1 + z2) - inv alfawt(beta); where aw
// admits no working pressure angle the last one of the search stays (0 at its start).
double EvaluateHelixAngleEquation(double beta);

// ---------------------------------------------------------------- involute start of an undercut gear

// Diameter where the trochoid of the rack tool's tip rounding crosses the involute
// (InvoluteStartDiameter1, InvoluteStartDiameter2).  A trochoid point inside the base
// circle gives db + 1e-4 mn; so does a search that finds no crossing (with ErrorFlag).
void ComputeInvoluteStartDiameter1();
void ComputeInvoluteStartDiameter2();
// Trochoid point minus involute point at the same radius, for the generating angle a
// [rad]; 0 when the trochoid point lies inside the base circle.
double EvaluateTrochoidResidual1(double a);
double EvaluateTrochoidResidual2(double a);

}  // namespace ostrimo
