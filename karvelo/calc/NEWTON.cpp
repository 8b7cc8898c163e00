#include "karvelo/calc/NEWTON.h"

#include <cmath>
#include <limits>
#include <utility>

#include "runtime/Notice.h"

namespace karvelo {

Vector3 UndercutUnknowns;
Vector3 UndercutResiduals;
Matrix3 UndercutJacobian;
Matrix3 UndercutInverse;
Vector3 NewtonCorrection;
double NewtonMaxCorrection = 0;

namespace {

constexpr int kUnknowns = 3;
constexpr double kTolerance = 1e-11;

void BuildUndercutJacobian() {
    Vector3& u = UndercutUnknowns;
    if (u[1] < 1) u[1] = 1;
    const double x = u[1], p = u[2], q = u[3];
    const double s = std::sin(G.alfat + p + q);
    const double sinPQ = std::sin(p + q);
    const double cosPQ = std::cos(p + q);
    Matrix3& J = UndercutJacobian;
    J[1][1] = -std::cos(G.alfat + p + q);
    J[1][2] = x * s;
    J[1][3] = x * s;
    J[2][1] = 1;
    J[2][2] = p * cosPQ / (sinPQ * sinPQ) - 1 / sinPQ;
    J[2][3] = p * cosPQ / (sinPQ * sinPQ);
    J[3][1] = std::sqrt(x * x - 1) / x;
    J[3][2] = 0;
    J[3][3] = -1;
}

// Residuals of the gear with reference diameter d, base diameter db, shift x and root form height hFf.
void EvaluateUndercutEquations(double d, double db, double xShift, double hFf) {
    const double x = UndercutUnknowns[1], p = UndercutUnknowns[2], q = UndercutUnknowns[3];
    Vector3& F = UndercutResiduals;
    // The tool tip's path meets the involute at radius x rb ...
    F[1] = d / db - 2 * (hFf - xShift * G.mn) / db - x * std::cos(G.alfat + p + q);
    F[2] = x - p / std::sin(p + q);
    // ... where the involute's polar angle is q.
    const Extended phi = ComputeCheckedArcCos(1 / static_cast<Extended>(x));
    F[3] = static_cast<double>(ComputeCheckedTan(phi) - phi - q);
}

}  // namespace

void SetUndercutStartValues(double t) {
    const auto start = gear::UndercutStartValues(t);
    for (int i = 1; i <= kUnknowns; ++i) UndercutUnknowns[i] = start[i - 1];
}

void BuildUndercutJacobian1() { BuildUndercutJacobian(); }
void BuildUndercutJacobian2() { BuildUndercutJacobian(); }

void EvaluateUndercutEquations1() { EvaluateUndercutEquations(G.d1, G.db1, G.x1, G.hFf1); }
void EvaluateUndercutEquations2() { EvaluateUndercutEquations(G.d2, G.db2, G.x2, G.hFf2); }

bool InvertMatrixGaussJordan(int n, Matrix3 matrix, Matrix3& inverse) {
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) inverse[i][j] = i == j ? 1 : 0;
    for (int j = 1; j <= n; ++j) {
        if (j < n) {
            int r = j;
            for (int i = j + 1; i <= n; ++i)
                if (std::fabs(matrix[i][j]) > std::fabs(matrix[r][j])) r = i;
            if (r != j) {
                std::swap(matrix[r], matrix[j]);
                std::swap(inverse[r], inverse[j]);
            }
        }
        const double pivot = matrix[j][j];
        if (pivot == 0) {
            rt::ShowMessage(kSingularMatrix);
            return false;
        }
        for (int k = 1; k <= n; ++k) {
            matrix[j][k] /= pivot;
            inverse[j][k] /= pivot;
        }
        for (int i = 1; i <= n; ++i) {
            if (i == j) continue;
            const double factor = matrix[i][j];
            for (int k = 1; k <= n; ++k) {
                matrix[i][k] -= factor * matrix[j][k];
                inverse[i][k] -= factor * inverse[j][k];
            }
        }
    }
    return true;
}

void MultiplyInverseByResiduals() {
    for (int i = 1; i <= kUnknowns; ++i) {
        double sum = 0;
        for (int j = 1; j <= kUnknowns; ++j) sum += UndercutInverse[i][j] * UndercutResiduals[j];
        NewtonCorrection[i] = sum;
    }
}

void ComputeMaxCorrection() {
    NewtonMaxCorrection = 0;
    for (double c : NewtonCorrection) {
        const double m = std::fabs(c);
        if (std::isnan(m)) {
            NewtonMaxCorrection = std::numeric_limits<double>::infinity();
            return;
        }
        if (m > NewtonMaxCorrection) NewtonMaxCorrection = m;
    }
}

void ClearNewtonMatrix() {
    for (auto& row : UndercutJacobian) row.Fill(0);
}

void SolveNewtonSystem(int n, int set, Vector3& unknowns) {
    if (set != 1 && set != 2) return;
    UndercutUnknowns = unknowns;
    ClearNewtonMatrix();
    for (int step = 1;; ++step) {
        if (set == 1) {
            BuildUndercutJacobian1();
            EvaluateUndercutEquations1();
        } else {
            BuildUndercutJacobian2();
            EvaluateUndercutEquations2();
        }
        if (!InvertMatrixGaussJordan(n, UndercutJacobian, UndercutInverse)) {
            G.ResumeCalculation = false;
            break;
        }
        MultiplyInverseByResiduals();
        ComputeMaxCorrection();
        const bool diverged = !std::isfinite(NewtonMaxCorrection);  // nothing to recover from
        if (!diverged) {
            for (int i = 1; i <= n; ++i) UndercutUnknowns[i] -= NewtonCorrection[i];
            if (NewtonMaxCorrection < kTolerance) break;
        }
        if (diverged || step >= kMaxNewtonSteps) {
            rt::ShowMessage(kNewtonNotConverged);
            G.ResumeCalculation = false;
            break;
        }
    }
    unknowns = UndercutUnknowns;
}

}  // namespace karvelo
