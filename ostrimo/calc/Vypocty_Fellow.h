// The shaper cutter that cuts an internal wheel: its dimensions from z0, x0, rof0 and
// roa0, the manufacturing mesh of cutter and wheel (alfawt0, a0), the wheel root it
// leaves, its tooth thickness on the tip and the largest tip rounding it can carry.
#pragma once

namespace ostrimo {

// d0, db0, CutterFlankHeightFactor, alfaF0 and dF0 (0 and db0 with
// FellowMaxOperatingHeight), da0, the manufacturing mesh, CutterUndercut, df2 = 2 a0 - da0 and the tip diameters
// not given by the user.  With mn = 0 the cutter is sized for mn = 1 and a wheel of 80
// teeth; mn and z2 themselves are left as they are.
void ComputeFellowCutterDimensions();
// InvAlfawt0, alfawt0 (inverse involute in ManufacturingMode) and a0; a mesh beyond
// its critical sum, or refused, is taken at that limit: alfawt0 = 0.
void ComputeCutterCentreDistance();
// sa0, the normal tooth thickness on the cutter tip, with its tip rounding roa0 (0 for a
// fully rounded tip).
void ComputeCutterTipThickness();
// CutterReducedTipDiameter, alfaReduced0, CutterRoundingStartDiameter and
// CutterRoundingHeight of the tip rounding roa0.
void ComputeCutterTipRoundingDiameters();
// The largest tip rounding: CutterTipRadius, roa0 and the rounding diameters.
void ComputeMaxCutterTipRounding();
// Radius r [mm] of the rounding that just closes the cutter tooth (scan up to mn).
void FindMaxCutterTipRadius(double& r);
double EvaluateCutterTipRadiusEquation(double r);

}  // namespace ostrimo
