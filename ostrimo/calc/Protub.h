// Rack tool with a protuberance.  The protuberance flank, steeper than the main flank
// (angle ProtuberanceAngle), is treated as the flank of a rack of its own whose
// reference line lies ProtuberanceFlankShift modules farther from the gear than the
// tool's datum line, with the tool addendum ProtuberanceFlankAddendumFactor measured
// from it.  These routines give its undercut limits, whether and how deep it undercuts
// each gear, and the form diameter where the trochoid of the tool tip meets the involute.
#pragma once

namespace ostrimo {

// Parameters of the form-diameter search and the diameter of its last trochoid point.
struct TProtuberanceTrochoid {
    int gear = 1;  // 1 pinion, 2 wheel: which gear's thinning applies
    double L = 0;  // limiting diameter: trochoid points at or inside it do not count
    double d = 0, x = 0, alfan = 0, db = 0;
    double alphaPr = 0;  // protuberance flank angle [rad]
    double F = 0;        // tool addendum factor measured from the protuberance flank's reference line
    double Delta = 0;    // shift of that reference line [modules]
    double rho = 0;      // crest rounding radius factor
    // derived by the search: transverse pressure angle and its involute, reference
    // thickness S [mm], crest-rounding centre A across and B up [modules]
    double alphaT = 0, I0 = 0, S = 0, A = 0, B = 0;
    double D = 0;  // diameter of the trochoid point of the last evaluation
};

// Tool dialog: ProtuberanceFlankShift = haP0 (tan alfan / tan ProtuberanceAngle - 1)
// and ProtuberanceFlankAddendumFactor = ToolAddendumFactor + that shift, for the
// pinion's tool, the wheel's tool.  A protuberance angle outside (0, alfan) makes no
// protuberance flank: false, nothing changed.
bool ComputeProtuberanceFlankShift1();
bool ComputeProtuberanceFlankShift2();

// pt, pbt, the protuberance flanks' transverse angles and base diameters, the tool flank
// heights, the undercut limits (z1min, z2min the limiting AMC; x1min, x2min the limiting
// numbers of teeth), ProtuberanceUndercut1/2 and the diameters where the protuberance
// flank ends (by Newton sets 1 and 2 for an undercut gear).
void ComputeProtuberanceUndercut();

// Form diameter of the gear (gear 1 or 2) where the trochoid of the protuberance tool's
// tip meets the involute, searched from the generating angle pi/2 downwards; 0 when it
// is not found.  The thinning of the backlash reduces the thickness of the gear(s)
// thinned only.
void ComputeProtuberanceFormDiameter(int gear, double& result, double L, double d, double x, double alfan, double db,
                                     double alphaPr, double F, double Delta, double rho);
// Involute thickness minus trochoid arc at the generating angle phi (both as diameter
// times half angle); 1e6 - arc for a trochoid point at or inside L.  Sets p.D.
double EvaluateProtuberanceTrochoidResidual(double phi, TProtuberanceTrochoid& p);

}  // namespace ostrimo
