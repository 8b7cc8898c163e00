// The geometry Newton solver: iteration, Gauss-Jordan inverse, step.
#include "ostrimo/calc/NEWTON.h"

#include <cassert>
#include <cmath>

namespace ostrimo {

namespace {

using Builder = void (*)();

struct NewtonSet {
    int number;
    int size;
    Builder jacobian;
    Builder residuals;
};

constexpr NewtonSet kSets[] = {
    {1, 3, BuildNewtonSet1Jacobian, BuildNewtonSet1Residuals},
    {2, 3, BuildNewtonSet2Jacobian, BuildNewtonSet2Residuals},
    {3, 2, BuildNewtonSet3Jacobian, BuildNewtonSet3Residuals},
    {4, 2, BuildNewtonSet4Jacobian, BuildNewtonSet4Residuals},
    {5, 2, BuildNewtonSet5Jacobian, BuildNewtonSet5Residuals},
    {6, 2, BuildNewtonSet6Jacobian, BuildNewtonSet6Residuals},
    {7, 2, BuildNewtonSet7Jacobian, BuildNewtonSet7Residuals},
    {11, 3, BuildNewtonSet11Jacobian, BuildNewtonSet11Residuals},
    {12, 3, BuildNewtonSet12Jacobian, BuildNewtonSet12Residuals},
    {13, 3, BuildNewtonSet13Jacobian, BuildNewtonSet13Residuals},
    {14, 3, BuildNewtonSet14Jacobian, BuildNewtonSet14Residuals},
    {15, 2, BuildNewtonSet15Jacobian, BuildNewtonSet15Residuals},
    {16, 2, BuildNewtonSet16Jacobian, BuildNewtonSet16Residuals},
    {17, 2, BuildNewtonSet17Jacobian, BuildNewtonSet17Residuals},
    {18, 2, BuildNewtonSet18Jacobian, BuildNewtonSet18Residuals},
    {19, 3, BuildNewtonSet19Jacobian, BuildNewtonSet19Residuals},
    {20, 3, BuildNewtonSet20Jacobian, BuildNewtonSet20Residuals},
    {21, 3, BuildNewtonSet21Jacobian, BuildNewtonSet21Residuals},
    {22, 3, BuildNewtonSet22Jacobian, BuildNewtonSet22Residuals},
};

const NewtonSet* FindSet(int set) {
    for (const NewtonSet& s : kSets)
        if (s.number == set) return &s;
    return nullptr;
}

void SwapRows(NewtonMatrix& m, int r1, int r2, int n) {
    for (int j = 1; j <= n; ++j) std::swap(m[r1][j], m[r2][j]);
}

}  // namespace

void SetUndercutStartValues(double t) {
    const std::array<double, 3> start = gear::UndercutStartValues(t);
    for (int i = 1; i <= 3; ++i) G.NewtonUnknowns.x[i] = start[static_cast<std::size_t>(i - 1)];
}

int NewtonSetSize(int set) {
    const NewtonSet* s = FindSet(set);
    return s ? s->size : 0;
}

void ClearNewtonJacobian(int n) {
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) G.NewtonJacobian[i][j] = 0;
}

void InvertNewtonJacobian(int n, NewtonMatrix J, NewtonMatrix& Inv) {
    NewtonMatrix& A = J;  // the working copy
    NewtonMatrix& B = Inv;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) B[i][j] = i == j ? 1 : 0;
    for (int k = 1; k <= n; ++k) {
        if (k < n) {
            int p = k;
            for (int r = k + 1; r <= n; ++r)
                if (std::fabs(A[r][k]) > std::fabs(A[p][k])) p = r;
            if (p != k) {
                SwapRows(A, k, p, n);
                SwapRows(B, k, p, n);
            }
        }
        if (A[k][k] == 0) return;  // singular: B keeps the partial inverse
        const long double pivot = A[k][k];
        for (int j = 1; j <= n; ++j) {
            A[k][j] = static_cast<double>(A[k][j] / pivot);
            B[k][j] = static_cast<double>(B[k][j] / pivot);
        }
        for (int i = 1; i <= n; ++i) {
            if (i == k) continue;
            const long double f = A[i][k];
            for (int j = 1; j <= n; ++j) {
                A[i][j] = static_cast<double>(A[i][j] - f * A[k][j]);
                B[i][j] = static_cast<double>(B[i][j] - f * B[k][j]);
            }
        }
    }
}

void MultiplyNewtonInverse(int n) {
    for (int i = 1; i <= n; ++i) {
        long double sum = static_cast<long double>(G.NewtonInverse[i][1]) * G.NewtonUnknowns.F[1];
        for (int j = 2; j <= n; ++j) sum += static_cast<long double>(G.NewtonInverse[i][j]) * G.NewtonUnknowns.F[j];
        G.NewtonStep[i] = static_cast<double>(sum);
    }
}

void ComputeNewtonStepNorm(int n) {
    G.NewtonStep[0] = std::fabs(G.NewtonStep[1]);
    for (int i = 2; i <= n; ++i)
        if (std::fabs(G.NewtonStep[i]) > G.NewtonStep[0]) G.NewtonStep[0] = std::fabs(G.NewtonStep[i]);
}

void SolveGeometryNewtonSystem(int n, int set, Array1<double, 3>& x) {
    assert(&x == &G.NewtonUnknowns.x && "the builders read the unknowns from G.NewtonUnknowns");
    ComputationScope computation;  // a failing residual shows its message once per solve
    G.NewtonNotConverged = false;
    const NewtonSet* equations = FindSet(set);
    assert(equations && equations->size == n && "no such equation set");
    if (!equations || equations->size != n) {
        G.NewtonNotConverged = true;
        return;
    }
    ClearNewtonJacobian(n);
    G.NewtonIteration = 0;
    G.NewtonTolerance = 1e-11;
    while (true) {
        equations->jacobian();
        equations->residuals();
        ++G.NewtonIteration;
        if (G.NewtonIteration == 250) G.NewtonTolerance = 1e-8;
        InvertNewtonJacobian(n, G.NewtonJacobian, G.NewtonInverse);
        MultiplyNewtonInverse(n);
        ComputeNewtonStepNorm(n);
        bool finite = true;
        for (int i = 1; i <= n; ++i) {
            x[i] -= G.NewtonStep[i];
            finite = finite && std::isfinite(x[i]);
        }
        if (!finite) {  // a residual or derivative that cannot be evaluated
            G.NewtonNotConverged = true;
            G.ErrorFlag = true;
            return;
        }
        if (G.NewtonStep[0] < G.NewtonTolerance) return;
        if (G.NewtonIteration == kNewtonIterationLimit) {
            G.NewtonNotConverged = true;
            return;
        }
    }
}

}  // namespace ostrimo
