// Unit NEWTON: the Newton iteration that finds where the usable involute of an undercut gear
// begins: the intersection of the involute with the trochoid of the tool's tip, in three
// unknowns, with Gauss-Jordan elimination for the Jacobian.
#pragma once

#include "karvelo/calc/Global.h"

namespace karvelo {

using Vector3 = Array1<double, 3>;
using Matrix3 = Array1<Vector3, 3>;  // row by row: M[i][j]

// u1 = radius of the undercut boundary / base radius; u2, u3 = angles of the trochoid and the
// involute [rad].
extern Vector3 UndercutUnknowns;
extern Vector3 UndercutResiduals;
extern Matrix3 UndercutJacobian;
extern Matrix3 UndercutInverse;
extern Vector3 NewtonCorrection;
extern double NewtonMaxCorrection;

// Iteration steps before the solve gives up.
inline constexpr int kMaxNewtonSteps = 100;

inline constexpr const char* kSingularMatrix = "Singular matrix, calculation is terminated.";
inline constexpr const char* kNewtonNotConverged =
    "The undercut diameter can not be found (the iteration does not converge), calculation is terminated.";

// UndercutUnknowns := the start values for an undercut of depth t (in units of the shift coefficient).
void SetUndercutStartValues(double t);

// Newton iteration on `unknowns` for the n equations of `set` (1 pinion, 2 wheel) until the largest
// correction is below 1e-11.  A singular Jacobian, or no convergence within kMaxNewtonSteps, shows
// its message, clears ResumeCalculation and leaves the unknowns of the last step.
void SolveNewtonSystem(int n, int set, Vector3& unknowns);

// UndercutJacobian at the current unknowns (the same for both gears); u1 below 1 is first set to 1.
void BuildUndercutJacobian1();
void BuildUndercutJacobian2();
// UndercutResiduals of the pinion's, the wheel's equations.
void EvaluateUndercutEquations1();
void EvaluateUndercutEquations2();

// inverse := matrix^-1 for the leading n x n block, with partial pivoting.  An exactly zero pivot
// shows the singular-matrix message and returns false.
bool InvertMatrixGaussJordan(int n, Matrix3 matrix, Matrix3& inverse);
// NewtonCorrection := UndercutInverse x UndercutResiduals.
void MultiplyInverseByResiduals();
// NewtonMaxCorrection := the largest magnitude of NewtonCorrection.
void ComputeMaxCorrection();
// UndercutJacobian := 0.
void ClearNewtonMatrix();

}  // namespace karvelo
