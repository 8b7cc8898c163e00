#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>

#include "CoreTest.h"
#include "ostrimo/calc/CheckNumerics.h"
#include "ostrimo/calc/NEWTON.h"

using namespace ostrimo;

namespace {

using checks::kPi;
double Rad(double deg) { return deg * kPi / 180; }
double Inv(double a) { return std::tan(a) - a; }

using Builder = void (*)();
const std::map<int, std::pair<Builder, Builder>> kBuilders = {
    {1, {BuildNewtonSet1Jacobian, BuildNewtonSet1Residuals}},
    {2, {BuildNewtonSet2Jacobian, BuildNewtonSet2Residuals}},
    {3, {BuildNewtonSet3Jacobian, BuildNewtonSet3Residuals}},
    {4, {BuildNewtonSet4Jacobian, BuildNewtonSet4Residuals}},
    {5, {BuildNewtonSet5Jacobian, BuildNewtonSet5Residuals}},
    {6, {BuildNewtonSet6Jacobian, BuildNewtonSet6Residuals}},
    {7, {BuildNewtonSet7Jacobian, BuildNewtonSet7Residuals}},
    {11, {BuildNewtonSet11Jacobian, BuildNewtonSet11Residuals}},
    {12, {BuildNewtonSet12Jacobian, BuildNewtonSet12Residuals}},
    {13, {BuildNewtonSet13Jacobian, BuildNewtonSet13Residuals}},
    {14, {BuildNewtonSet14Jacobian, BuildNewtonSet14Residuals}},
    {15, {BuildNewtonSet15Jacobian, BuildNewtonSet15Residuals}},
    {16, {BuildNewtonSet16Jacobian, BuildNewtonSet16Residuals}},
    {17, {BuildNewtonSet17Jacobian, BuildNewtonSet17Residuals}},
    {18, {BuildNewtonSet18Jacobian, BuildNewtonSet18Residuals}},
    {19, {BuildNewtonSet19Jacobian, BuildNewtonSet19Residuals}},
    {20, {BuildNewtonSet20Jacobian, BuildNewtonSet20Residuals}},
    {21, {BuildNewtonSet21Jacobian, BuildNewtonSet21Residuals}},
    {22, {BuildNewtonSet22Jacobian, BuildNewtonSet22Residuals}},
};

class Newton : public CoreTest {
protected:
    static void SetUnknowns(std::initializer_list<double> x) {
        int i = 1;
        for (double v : x) G.NewtonUnknowns.x[i++] = v;
    }

    // The analytic Jacobian of a set against central differences of its residuals.
    void ExpectJacobianMatchesDifferences(int set, std::initializer_list<double> point) {
        SCOPED_TRACE("set " + std::to_string(set));
        const int n = NewtonSetSize(set);
        ASSERT_EQ(static_cast<int>(point.size()), n);
        const auto [jacobian, residuals] = kBuilders.at(set);
        SetUnknowns(point);
        G.NewtonJacobian = NewtonMatrix{};
        jacobian();
        const Array1<double, 3> x = G.NewtonUnknowns.x;
        for (int j = 1; j <= n; ++j) {
            ASSERT_EQ(x[j], *(point.begin() + (j - 1))) << "the point must not be moved by a guard";
            const double h = 1e-6 * std::fmax(1.0, std::fabs(x[j]));
            G.NewtonUnknowns.x = x;
            G.NewtonUnknowns.x[j] = x[j] + h;
            residuals();
            const Array1<double, 3> plus = G.NewtonUnknowns.F;
            G.NewtonUnknowns.x[j] = x[j] - h;
            residuals();
            const Array1<double, 3> minus = G.NewtonUnknowns.F;
            for (int i = 1; i <= n; ++i) {
                const double difference = (plus[i] - minus[i]) / (2 * h);
                const double analytic = G.NewtonJacobian[i][j];
                EXPECT_NEAR(analytic, difference, 2e-6 * std::fmax(1.0, std::fabs(difference))) << "J" << i << j;
            }
        }
        G.NewtonUnknowns.x = x;
        EXPECT_FALSE(G.ErrorFlag);
        EXPECT_TRUE(notices.notices.empty());
    }

    // Identification inputs in element e: module, flank angle, helix angle, AMC.
    static void Identification(int e, double m, double alpha, double beta, double x) {
        G.IdentMn[e] = m;
        G.IdentAlfa[e] = alpha;
        G.IdentBeta[e] = beta;
        G.IdentX[e] = x;
    }
};

void PinionTool() {
    G.mn = 1;
    G.x1 = 0.1;
    G.x2 = -0.2;
    G.d1 = 20;
    G.d2 = 40;
    G.alfat = Rad(20);
    G.db1 = 20 * std::cos(G.alfat);
    G.db2 = 40 * std::cos(G.alfat);
    G.ToolFlankHeight1 = 1.0;
    G.ToolFlankHeight2 = 0.95;
    G.ProtuberanceTransverseAngle1 = 0.1;
    G.ProtuberanceTransverseAngle2 = 0.12;
    G.ProtuberanceFlankShift1 = 0.2;
    G.ProtuberanceFlankShift2 = 0.15;
    G.ProtuberanceBaseDiameter1 = 19.9;
    G.ProtuberanceBaseDiameter2 = 39.7;
}

}  // namespace

// ---------------------------------------------------------------- Jacobians

TEST_F(Newton, UndercutSetsJacobianOfMainAndProtuberanceFlank) {
    PinionTool();
    for (bool protuberance : {false, true}) {
        G.ProtuberanceFlankActive = protuberance;
        ExpectJacobianMatchesDifferences(1, {1.03, 0.3, 0.02});
        ExpectJacobianMatchesDifferences(2, {1.05, 0.25, 0.04});
    }
}

TEST_F(Newton, ChordalSetsJacobian) {
    G.NewtonParameters[1] = 0.1;
    G.NewtonParameters[2] = 18.79;
    G.NewtonParameters[3] = 10.5;
    ExpectJacobianMatchesDifferences(3, {0.05, 21});
    G.NewtonParameters[3] = std::tan(0.2) / 20;
    G.NewtonParameters[4] = 1.5;
    ExpectJacobianMatchesDifferences(4, {0.05, 21});

    G.db2 = -75.18;
    G.NewtonParameters[1] = 0.03;
    G.NewtonParameters[3] = 39;
    ExpectJacobianMatchesDifferences(5, {0.04, 79});
    ExpectJacobianMatchesDifferences(5, {0.04, -79});
    G.NewtonParameters[2] = std::tan(0.2) / 80;
    G.sc2 = 1.5;
    ExpectJacobianMatchesDifferences(6, {0.04, 79});
}

TEST_F(Newton, BallContactSetJacobian) {
    G.NewtonParameters[5] = 9.4;
    G.NewtonParameters[6] = std::cos(0.1);
    G.NewtonParameters[1] = 1 / (9.4 * std::cos(0.1));  // as the caller sets it: P1 = 1 / (P5 P6)
    G.NewtonParameters[2] = 0.02;
    G.NewtonParameters[3] = 0.4;
    G.NewtonParameters[4] = 0.01;
    ExpectJacobianMatchesDifferences(7, {0.35, 0.8});
}

TEST_F(Newton, ConstantChordIdentificationSetsJacobian) {
    G.z2 = 40;
    G.da2 = 42;
    G.IdentMeasuredHeight = 1.0;
    G.IdentMeasuredChord = 1.4;
    Identification(1, 1.0, Rad(20), 0.2, 0.1);
    ExpectJacobianMatchesDifferences(11, {0.035, 40.8, 1.02});
    ExpectJacobianMatchesDifferences(12, {0.035, 40.8, 0.35});
    ExpectJacobianMatchesDifferences(13, {0.035, 40.8, 0.21});
    ExpectJacobianMatchesDifferences(14, {0.035, 40.8, 0.12});

    G.z2 = -80;
    G.da2 = -78;
    ExpectJacobianMatchesDifferences(19, {0.02, 79.5, 1.01});
    ExpectJacobianMatchesDifferences(20, {0.02, 79.5, 0.36});
    ExpectJacobianMatchesDifferences(21, {0.02, 79.5, 0.21});
    ExpectJacobianMatchesDifferences(22, {0.02, 79.5, 0.12});
}

TEST_F(Newton, BallIdentificationSetsJacobian) {
    Identification(3, 2.0, Rad(20), 0.25, 0.2);
    G.IdentBallDiameter = 3.5;
    G.IdentBallDimension = 87.2;
    for (double z : {40.0, -80.0}) {
        G.z2 = z;
        ExpectJacobianMatchesDifferences(15, {0.4, 2.05});
        ExpectJacobianMatchesDifferences(16, {0.4, 0.36});
        ExpectJacobianMatchesDifferences(17, {0.4, 0.26});
        ExpectJacobianMatchesDifferences(18, {0.4, 0.21});
    }
}

TEST_F(Newton, JacobianGuards) {
    PinionTool();
    SetUnknowns({0.9, 0.3, 0.02});  // below 1: raised so that sqrt(x1^2 - 1) stays real
    BuildNewtonSet1Jacobian();
    EXPECT_EQ(G.NewtonUnknowns.x[1], 1.0);
    EXPECT_EQ(G.NewtonJacobian[3][1], 0.0);

    G.NewtonParameters[2] = -18.79;  // a base diameter is taken by magnitude
    SetUnknowns({0.05, 10});
    BuildNewtonSet3Jacobian();
    EXPECT_EQ(G.NewtonUnknowns.x[2], 18.79);  // raised to the base diameter
    EXPECT_EQ(G.NewtonJacobian[1][2], 0.0);
    G.db2 = -75.18;
    SetUnknowns({0.05, -60});
    BuildNewtonSet6Jacobian();
    EXPECT_EQ(G.NewtonUnknowns.x[2], 75.18);

    // identification: a square root of a negative argument leaves the entry as it was
    G.z2 = 40;
    G.da2 = 42;
    Identification(1, 1.0, Rad(20), 0.0, 0.1);
    SetUnknowns({0.035, 30, 1.0});  // measuring diameter below the base diameter 37.6
    G.NewtonJacobian[3][2] = 123;
    G.NewtonJacobian[3][3] = 456;
    BuildNewtonSet11Jacobian();
    EXPECT_EQ(G.NewtonJacobian[3][1], -1.0);
    EXPECT_EQ(G.NewtonJacobian[3][2], 123.0);
    EXPECT_EQ(G.NewtonJacobian[3][3], 456.0);
    BuildNewtonSet14Jacobian();
    EXPECT_EQ(G.NewtonJacobian[3][3], 2 * std::tan(Rad(20)) / 40);  // no root in it: written

    // set 14 below the base circle: the third residual is 0, without a message
    SetUnknowns({0.035, 30, 0.1});
    BuildNewtonSet14Residuals();
    EXPECT_EQ(G.NewtonUnknowns.F[3], 0.0);
    EXPECT_FALSE(G.ErrorFlag);
    SetUnknowns({0.035, 30, 1.0});
    BuildNewtonSet11Residuals();  // the others refuse the arc cosine
    EXPECT_TRUE(G.ErrorFlag);
    EXPECT_EQ(notices.Texts(),
              std::vector<std::string>{"Invalid argument for arccosinus, impossible gearing parameters"});
}

// ---------------------------------------------------------------- the solver

namespace {
// Set 7 with the root (x1, x2) = (0.3, 1.2): P2 and P3 chosen to fit.
void BallContactWithRoot() {
    G.NewtonParameters[5] = 2;
    G.NewtonParameters[6] = 0.5;
    G.NewtonParameters[1] = 1;
    G.NewtonParameters[4] = 0.25;
    G.NewtonParameters[2] = 1.2 - std::tan(0.3) + 0.3;
    G.NewtonParameters[3] = 0.3 + 1.2 * 0.25 - G.NewtonParameters[2];
}
}  // namespace

TEST_F(Newton, ConvergesToTheRoot) {
    BallContactWithRoot();
    SetUnknowns({0.5, 0.5});
    SolveGeometryNewtonSystem(2, 7, G.NewtonUnknowns.x);
    EXPECT_FALSE(G.NewtonNotConverged);
    EXPECT_NEAR(G.NewtonUnknowns.x[1], 0.3, 1e-13);
    EXPECT_NEAR(G.NewtonUnknowns.x[2], 1.2, 1e-13);
    EXPECT_LT(G.NewtonIteration, 10);
    EXPECT_EQ(G.NewtonTolerance, 1e-11);
}

TEST_F(Newton, StartAtTheRootTakesOneIteration) {
    BallContactWithRoot();
    SetUnknowns({0.5, 0.5});
    SolveGeometryNewtonSystem(2, 7, G.NewtonUnknowns.x);
    const Array1<double, 3> root = G.NewtonUnknowns.x;
    SolveGeometryNewtonSystem(2, 7, G.NewtonUnknowns.x);
    EXPECT_EQ(G.NewtonIteration, 1);
    EXPECT_FALSE(G.NewtonNotConverged);
    EXPECT_NEAR(G.NewtonUnknowns.x[1], root[1], 1e-15);
    EXPECT_NEAR(G.NewtonUnknowns.x[2], root[2], 1e-15);
}

TEST_F(Newton, RootBetweenTwoDoublesConvergesAtIteration250) {
    // Set 7 with P4 = 0: x1 = P2 + P3 exactly, x2 = P2 + tan(x1) - x1 near 2^24, where
    // doubles lie 3.7e-9 apart: the step stays at the distance to the nearest double
    // (above 1e-11) until the tolerance becomes 1e-8.
    G.NewtonParameters[1] = 1;
    G.NewtonParameters[5] = 1;
    G.NewtonParameters[6] = 1;
    G.NewtonParameters[4] = 0;
    G.NewtonParameters[2] = 16777216.0;
    G.NewtonParameters[3] = 0.3 - 16777216.0;
    const long double x1 = static_cast<long double>(G.NewtonParameters[2]) + G.NewtonParameters[3];
    const long double x2 = G.NewtonParameters[2] + std::tan(x1) - x1;
    const long double gap = std::fabs(x2 - static_cast<double>(x2));
    ASSERT_GT(gap, 1e-10L);  // precondition of the case
    SetUnknowns({0.2, 16777200});
    SolveGeometryNewtonSystem(2, 7, G.NewtonUnknowns.x);
    EXPECT_EQ(G.NewtonIteration, 250);
    EXPECT_FALSE(G.NewtonNotConverged);
    EXPECT_EQ(G.NewtonTolerance, 1e-8);
    EXPECT_NEAR(G.NewtonUnknowns.x[2], static_cast<double>(x2), 1e-8);

    BallContactWithRoot();  // the next solve starts again at 1e-11
    SetUnknowns({0.5, 0.5});
    SolveGeometryNewtonSystem(2, 7, G.NewtonUnknowns.x);
    EXPECT_EQ(G.NewtonTolerance, 1e-11);
}

TEST_F(Newton, SystemWithoutRootStopsAfter2000Iterations) {
    // set 18: the second residual Db/M - cos(x1) has no root when Db > M
    G.z2 = 40;
    Identification(3, 2.0, Rad(20), 0.0, 0.0);
    G.IdentBallDiameter = 3.5;
    G.IdentBallDimension = 70;  // below the base diameter 75.2
    SetUnknowns({0.4, 0.1});
    SolveGeometryNewtonSystem(2, 18, G.NewtonUnknowns.x);
    EXPECT_TRUE(G.NewtonNotConverged);
    EXPECT_EQ(G.NewtonIteration, kNewtonIterationLimit);
    EXPECT_TRUE(std::isfinite(G.NewtonUnknowns.x[1]));
    EXPECT_FALSE(G.ErrorFlag);
}

TEST_F(Newton, ExactlySingularSystemRunsOnToTheLimitWithoutMessage) {
    // set 18 with a flank angle of 0: the AMC enters nowhere, its column is zero
    G.z2 = 40;
    Identification(3, 2.0, 0.0, 0.0, 0.0);
    G.IdentBallDiameter = 3.5;
    G.IdentBallDimension = 81;
    SetUnknowns({0.4, 0.1});
    SolveGeometryNewtonSystem(2, 18, G.NewtonUnknowns.x);
    EXPECT_TRUE(G.NewtonNotConverged);
    EXPECT_EQ(G.NewtonIteration, kNewtonIterationLimit);
    EXPECT_FALSE(G.ErrorFlag);
    EXPECT_TRUE(notices.notices.empty());
}

TEST_F(Newton, NonFiniteStepEndsTheSolveWithTheFlags) {
    G.z2 = 40;
    Identification(3, 2.0, Rad(20), 0.0, 0.0);
    G.IdentBallDiameter = 3.5;
    G.IdentBallDimension = 0;  // no dimension over balls: Db / M is infinite
    SetUnknowns({0.4, 2.1});
    SolveGeometryNewtonSystem(2, 15, G.NewtonUnknowns.x);
    EXPECT_EQ(G.NewtonIteration, 1);
    EXPECT_TRUE(G.NewtonNotConverged);
    EXPECT_TRUE(G.ErrorFlag);
}

TEST_F(Newton, TwoUnknownsLeaveTheThirdRowAlone) {
    BallContactWithRoot();
    SetUnknowns({0.5, 0.5, 7});
    G.NewtonUnknowns.F[3] = 8;
    for (int i = 1; i <= 3; ++i) {
        G.NewtonJacobian[3][i] = G.NewtonJacobian[i][3] = 9;
        G.NewtonInverse[3][i] = G.NewtonInverse[i][3] = 10;
    }
    SolveGeometryNewtonSystem(2, 7, G.NewtonUnknowns.x);
    EXPECT_EQ(G.NewtonUnknowns.x[3], 7);
    EXPECT_EQ(G.NewtonUnknowns.F[3], 8);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(G.NewtonJacobian[3][i], 9);
        EXPECT_EQ(G.NewtonJacobian[i][3], 9);
        EXPECT_EQ(G.NewtonInverse[3][i], 10);
        EXPECT_EQ(G.NewtonInverse[i][3], 10);
    }
}

TEST_F(Newton, SetOutsideTheTableIsRefused) {
    SetUnknowns({0.5, 0.5});
    EXPECT_DEBUG_DEATH(SolveGeometryNewtonSystem(2, 10, G.NewtonUnknowns.x), "no such equation set");
    EXPECT_DEBUG_DEATH(SolveGeometryNewtonSystem(3, 7, G.NewtonUnknowns.x), "no such equation set");
#ifdef NDEBUG
    EXPECT_TRUE(G.NewtonNotConverged);
    EXPECT_EQ(G.NewtonUnknowns.x[1], 0.5);
#endif
}

// ---------------------------------------------------------------- Gauss-Jordan

namespace {
NewtonMatrix Matrix(std::initializer_list<std::initializer_list<double>> rows) {
    NewtonMatrix m;
    int i = 1;
    for (auto row : rows) {
        int j = 1;
        for (double v : row) m[i][j++] = v;
        ++i;
    }
    return m;
}
}  // namespace

TEST_F(Newton, InverseWithARowExchange) {
    const NewtonMatrix J = Matrix({{0, 2, 1}, {1, 1, 0}, {3, 0, 1}});  // zero first pivot
    NewtonMatrix inv;
    InvertNewtonJacobian(3, J, inv);
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) {
            double sum = 0;
            for (int k = 1; k <= 3; ++k) sum += J[i][k] * inv[k][j];
            EXPECT_NEAR(sum, i == j ? 1 : 0, 1e-15) << i << j;
        }
}

TEST_F(Newton, ZeroPivotStopsWithThePartialInverse) {
    // rows exchanged for the first pivot, then column 3 is zero: the inverse so far
    NewtonMatrix inv;
    InvertNewtonJacobian(3, Matrix({{0, 1, 0}, {1, 0, 0}, {0, 0, 0}}), inv);
    EXPECT_EQ(inv, Matrix({{0, 1, 0}, {1, 0, 0}, {0, 0, 1}}));
    // equal pivots: the first row stays; after eliminating it the second column is zero
    InvertNewtonJacobian(3, Matrix({{1, 1, 0}, {-1, -1, 0}, {0, 0, 0}}), inv);
    EXPECT_EQ(inv, Matrix({{1, 0, 0}, {1, 1, 0}, {0, 0, 1}}));
}

// ---------------------------------------------------------------- identification

namespace {
// Solve a constant-chord or ball identification from the given start; returns the
// sought parameter.
double Identify(int n, int set, std::initializer_list<double> start) {
    int i = 1;
    for (double v : start) G.NewtonUnknowns.x[i++] = v;
    SolveGeometryNewtonSystem(n, set, G.NewtonUnknowns.x);
    EXPECT_FALSE(G.NewtonNotConverged) << "set " << set;
    return G.NewtonUnknowns.x[n];
}
}  // namespace

TEST_F(Newton, IdentifiesAnExternalSpurGearFromItsConstantChord) {
    // Reference by hand: z 40, m 2, alpha 20 deg, x 0.2, tip d + 2 m (1 + x) = 84.8;
    // s = m (pi/2 + 2 x tan alpha), sc = s cos^2 alpha, hc = (da - d)/2 - (s/4) sin 2 alpha.
    const double m = 2, alpha = Rad(20), x = 0.2;
    const double s = m * (kPi / 2 + 2 * x * std::tan(alpha));
    G.z2 = 40;
    G.da2 = 84.8;
    G.IdentMeasuredChord = s * std::cos(alpha) * std::cos(alpha);
    G.IdentMeasuredHeight = (84.8 - 80) / 2 - s / 4 * std::sin(2 * alpha);
    const double x1 = std::atan(G.IdentMeasuredChord / 2 / std::fabs(G.IdentMeasuredHeight - 42.4));
    const double x2 = std::fabs(2 * G.IdentMeasuredHeight - 84.8);
    Identification(1, 1.0, alpha, 0.0, x);
    EXPECT_NEAR(Identify(3, 11, {x1, x2, 2.1}), m, 1e-10);
    Identification(1, m, 0.0, 0.0, x);
    EXPECT_NEAR(Identify(3, 12, {x1, x2, Rad(21)}), alpha, 1e-10);
    Identification(1, m, alpha, 0.0, 0.0);
    EXPECT_NEAR(Identify(3, 14, {x1, x2, 0.25}), x, 1e-10);
}

TEST_F(Newton, IdentifiesAnInternalSpurWheelFromItsConstantChord) {
    // Reference by hand: ring z 60, m 2, alpha 20 deg, x 0.1, tip |da| 116.  The half
    // tooth angle on diameter D is psi(D) = (2 x tan alpha + pi/2)/|z| - inv alpha +
    // inv(arccos(db/D)); the chord on D = 118 is D sin psi(D), its height above the tip
    // corners D/2 cos psi(D) - |da|/2 cos psi(da).
    const double m = 2, alpha = Rad(20), x = 0.1, z = 60, da = 116, D = 118;
    const double db = z * m * std::cos(alpha);
    auto psi = [&](double d) { return (2 * x * std::tan(alpha) + kPi / 2) / z - Inv(alpha) + Inv(std::acos(db / d)); };
    G.z2 = -z;
    G.da2 = -da;
    G.IdentMeasuredChord = D * std::sin(psi(D));
    G.IdentMeasuredHeight = D / 2 * std::cos(psi(D)) - da / 2 * std::cos(psi(da));
    Identification(1, 1.0, alpha, 0.0, x);
    EXPECT_NEAR(Identify(3, 19, {0.03, 117.5, 2.05}), m, 1e-10);
    Identification(1, m, 0.0, 0.0, x);
    EXPECT_NEAR(Identify(3, 20, {0.03, 117.5, Rad(21)}), alpha, 1e-10);
    Identification(1, m, alpha, 0.0, 0.0);
    EXPECT_NEAR(Identify(3, 22, {0.03, 117.5, 0.15}), x, 1e-10);
    EXPECT_NEAR(G.NewtonUnknowns.x[2], D, 1e-8);
}

TEST_F(Newton, IdentifiesASpurGearFromItsDimensionOverBalls) {
    // Reference from the standard's formulas: inv alphaM = inv alpha + dt/(m z cos alpha)
    // + 2 x tan alpha / z - pi/(2 z); diameter through the ball centres db / cos alphaM.
    const double m = 2, alpha = Rad(20), x = 0.2, z = 40, dt = 3.5;
    const double invM = Inv(alpha) + dt / (m * z * std::cos(alpha)) + 2 * x * std::tan(alpha) / z - kPi / (2 * z);
    double alphaM = 0.4;
    for (int i = 0; i < 50; ++i) alphaM -= (Inv(alphaM) - invM) / std::pow(std::tan(alphaM), 2);
    G.z2 = z;
    G.IdentBallDiameter = dt;
    G.IdentBallDimension = z * m * std::cos(alpha) / std::cos(alphaM);
    Identification(3, 1.0, alpha, 0.0, x);
    EXPECT_NEAR(Identify(2, 15, {0.4, 2.1}), m, 1e-10);
    Identification(3, m, 0.0, 0.0, x);
    EXPECT_NEAR(Identify(2, 16, {0.4, Rad(21)}), alpha, 1e-10);
    Identification(3, m, alpha, 0.0, 0.0);
    EXPECT_NEAR(Identify(2, 18, {0.4, 0.25}), x, 1e-10);
    EXPECT_NEAR(G.NewtonUnknowns.x[1], alphaM, 1e-12);
}

TEST_F(Newton, UndercutStartValuesByDepth) {
    SetUndercutStartValues(0.8);
    EXPECT_EQ(G.NewtonUnknowns.x, (Array1<double, 3>{{1.05, 0.6, 0.08}}));
    SetUndercutStartValues(0.71);
    EXPECT_EQ(G.NewtonUnknowns.x, (Array1<double, 3>{{1.02, 0.2, 0.0001}}));
    SetUndercutStartValues(0.001);  // the deepest row that applies wins
    EXPECT_EQ(G.NewtonUnknowns.x[1], 1.000000007);
}
