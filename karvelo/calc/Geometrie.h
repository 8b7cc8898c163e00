// Unit Geometrie: the derived geometry of the pair (pressure angles, diameters, centre distances,
// tip thickness) and, for an internal wheel, of the pinion-type cutter that generates it.  The
// geometry window runs these after each accepted field, the main window at start-up, after the
// gearing choice and after Load data.
#pragma once

#include "gearmath/GearMath.h"

namespace karvelo {

// tan(x) - x - target.
using gear::EvaluateInvoluteEquation;

// alpha with inv(alpha) = target, by scanning from 0 in steps of 0.1 rad up to 1.5 rad and
// bisecting to |inv(alpha) - target| < 1e-11; 0 when there is no root below 1.5 rad.
// With checkCriticalSum the pair's sum x1 + x2 is first tested against the critical sum xlim
// (stored in G.xlim): on the wrong side the message "There is no solution - ..." is shown and
// alpha is left untouched.  The mesh of an internal wheel with its cutter has its own guard and
// passes false.
void SolveInverseInvolute(double& alpha, double target, bool checkCriticalSum = true);

// alfat, invAlfat, invAlfawt and the working centre distance a from xsum, then alfawt from a
// (SetWorkingCentreDistance); or, when the centre distance field (8) of the geometry window has
// just given the centre distance, a reset to the reference centre distance with x1 = x2 = 0,
// shown in the window.  Clears aGiven.
void ComputeCentreDistanceFromShifts();
// Reference centre distance (z1 + z2) * mn / (2 cos beta) [mm].
double ReferenceCentreDistance();

// Virtual numbers of teeth zn1, zn2 = z / cos^3(beta) and the gear ratio u = z2 / z1.
void ComputeVirtualTeeth();

// alfat, ad, and alfawt from the working centre distance a (a data file stores a, not alfawt).
void ComputeWorkingPressureAngle();
// a := `a` as the data file stores it, and alfawt from it (ComputeWorkingPressureAngle): the
// geometry derived from it is the one a saved case derives again when it is loaded.
void SetWorkingCentreDistance(double a);

// Internal wheel and its cutter: invAlfat, invAlfaw0, alfaw0, a0, dw2c, dw0.  A cutter that
// cannot mesh with the wheel (invAlfaw0 <= 0) gets alfaw0 = 0; CutterMeshes tells it.
void ComputeCutterWheelCentreDistance();
// False for an internal wheel whose cutter cannot mesh with it (x0 + x2 beyond the critical sum,
// or as many teeth as the wheel), by the invAlfaw0 of the last ComputeGearDimensions.
bool CutterMeshes();
// Why such an internal wheel is refused, in the geometry window and by the calculation.
inline constexpr const char* kCutterBeyondCriticalSum =
    "Sum of Addendum Modification Coefficients (manufacturing) x0+x2 is greater than critical";

// The pinion-type cutter of an internal wheel: alfat, d0, db0, haP0, alfaa0, d0alfa, da0, then
// its mesh with the wheel; sets CutterTipAngleNegative when alfaa0 < 0.
void ComputeCutterGeometry();

// alfat, betab, ad, d, db, dw, xsum, kTip, ha, hf, df, hFfP, hFf, the cutter of an internal
// wheel, and the tip diameters unless they were entered (da1Given, da2Given).
void ComputeGearDimensions();

// Normal tooth thickness at the tip circle, sa1 and sa2.
void ComputeTipThickness();

// Tooth depths ht1, ht2 from the given tip diameters and the root diameters, and the rim
// thicknesses below which a rim counts as thin: sRmin1 = ht1/2, sRmin2 = ht2/2 for an external
// wheel and 1.75 mn for an internal one.
void ComputeToothDepthsAndRimLimits(double tip1, double tip2);

}  // namespace karvelo
