// Newton's method for the small nonlinear systems of the geometry check: the
// protuberance undercut (sets 1, 2), the chordal test dimensions (3 to 6), the ball or
// pin diameter (7), and the identification of a gear parameter from a measured
// constant chord (11 to 14 external, 19 to 22 internal) or from a measurement over
// balls (15 to 18).
//
// The caller stores the start estimate in G.NewtonUnknowns.x and the set's inputs in
// G.NewtonParameters and the global data, solves, and reads the solution from
// G.NewtonUnknowns.x.  All solver state (Jacobian, inverse, step, iteration count,
// tolerance) is in G.
#pragma once

#include "ostrimo/calc/Global.h"

namespace ostrimo {

inline constexpr int kNewtonIterationLimit = 2000;

// n = 2 or 3 unknowns, set = the equation set, x = G.NewtonUnknowns.x.  Converged when
// the largest step component is below 1e-11 (1e-8 from the 250th iteration); the
// converging step is applied.  After 2000 iterations NewtonNotConverged is set.  A
// step that is not finite ends the solve with NewtonNotConverged and ErrorFlag set.
// An exactly zero pivot is not reported: the partial inverse is used.
void SolveGeometryNewtonSystem(int n, int set, Array1<double, 3>& x);

// Gauss-Jordan inverse of the leading n x n block of J with partial pivoting (the
// first of equal pivots wins); at an exactly zero pivot it stops and Inv keeps the
// partial result.  J is taken by value and left unchanged.
void InvertNewtonJacobian(int n, NewtonMatrix J, NewtonMatrix& Inv);
// NewtonStep[1..n] := NewtonInverse x F.
void MultiplyNewtonInverse(int n);
// NewtonStep[0] := the largest |NewtonStep[i]|, i = 1..n.
void ComputeNewtonStepNorm(int n);
// The leading n x n block of NewtonJacobian := 0.
void ClearNewtonJacobian(int n);

// G.NewtonUnknowns.x[1..3] := the start values of the undercut solve (sets 1, 2) for
// an undercut of depth t, in units of the addendum modification coefficient.
void SetUndercutStartValues(double t);

// Number of unknowns of an equation set, 0 for a number outside the table.
int NewtonSetSize(int set);

// Builders of the equation sets: the Jacobian builder writes the partial derivatives
// of the residuals at the current unknowns into G.NewtonJacobian, the residual
// builder writes G.NewtonUnknowns.F.  NewtonParameters P1..P6 per set:
//   sets 1, 2   none (tool flank of the pinion, the wheel; the protuberance flank while
//               ProtuberanceFlankActive).  x: r/rb of the point, rolling angle, polar angle
//   set 3       P1 half-thickness angle term, P2 base diameter, P3 da/2 - hc
//   set 4       P1, P2 as set 3, P3 tan(beta)/d, P4 the chosen chord
//   set 5       P1, P3 = (|da2|/2) cos(...) + hc; base diameter |db2|
//   set 6       P1, P2 tan(beta)/|d2|; chord sc2.   x (3 to 6): half-thickness angle, diameter
//   set 7       P1..P6 of the ball contact.  x: pressure angle at the ball centre, ball radius
//   11 to 14    x: chord half angle, measuring diameter, module | flank angle | helix | AMC
//   19 to 22    the same for internal gearing
//   15 to 18    x: pressure angle at the ball centre, module | flank angle | helix | AMC
void BuildNewtonSet1Jacobian();
void BuildNewtonSet1Residuals();
void BuildNewtonSet2Jacobian();
void BuildNewtonSet2Residuals();
void BuildNewtonSet3Jacobian();
void BuildNewtonSet3Residuals();
void BuildNewtonSet4Jacobian();
void BuildNewtonSet4Residuals();
void BuildNewtonSet5Jacobian();
void BuildNewtonSet5Residuals();
void BuildNewtonSet6Jacobian();
void BuildNewtonSet6Residuals();
void BuildNewtonSet7Jacobian();
void BuildNewtonSet7Residuals();
void BuildNewtonSet11Jacobian();
void BuildNewtonSet11Residuals();
void BuildNewtonSet12Jacobian();
void BuildNewtonSet12Residuals();
void BuildNewtonSet13Jacobian();
void BuildNewtonSet13Residuals();
void BuildNewtonSet14Jacobian();
void BuildNewtonSet14Residuals();
void BuildNewtonSet15Jacobian();
void BuildNewtonSet15Residuals();
void BuildNewtonSet16Jacobian();
void BuildNewtonSet16Residuals();
void BuildNewtonSet17Jacobian();
void BuildNewtonSet17Residuals();
void BuildNewtonSet18Jacobian();
void BuildNewtonSet18Residuals();
void BuildNewtonSet19Jacobian();
void BuildNewtonSet19Residuals();
void BuildNewtonSet20Jacobian();
void BuildNewtonSet20Residuals();
void BuildNewtonSet21Jacobian();
void BuildNewtonSet21Residuals();
void BuildNewtonSet22Jacobian();
void BuildNewtonSet22Residuals();

}  // namespace ostrimo
