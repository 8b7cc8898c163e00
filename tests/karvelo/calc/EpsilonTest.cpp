#include "karvelo/calc/Epsilon.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "karvelo/calc/Geometrie.h"
#include "karvelo/calc/Global.h"
#include "karvelo/calc/NEWTON.h"
#include "runtime/Notice.h"
#include "CoreFixture.h"

using namespace karvelo;

namespace {

double Deg(double d) { return d * std::numbers::pi / 180; }

class EpsilonTest : public test::CoreTest {
protected:
    // The default case of the gearing type with its derived geometry, as after start-up.
    static void Case(std::int16_t gearingType) {
        Defaults(gearingType);
        Derive();
    }
};

TEST_F(EpsilonTest, DefaultExternalPair) {
    Case(kExternalPair);
    ComputeContactRatios();
    // By hand (ISO 6336-2): ((sqrt(da1^2 - db1^2) + sqrt(da2^2 - db2^2)) / 2 - a sin alfawt) / (pi mn cos alfat)
    EXPECT_NEAR(G.epsalfa, 1.6351859635714618, 1e-9);
    EXPECT_EQ(G.epsbeta, 0);
    EXPECT_EQ(G.epsgama, G.epsalfa);
    EXPECT_EQ(G.epsalfan, G.epsalfa);
    EXPECT_FALSE(G.Undercut1);
    EXPECT_FALSE(G.Undercut2);
    EXPECT_EQ(G.dNa1, G.da1);
    EXPECT_EQ(G.dNa2, G.da2);
    EXPECT_TRUE(notices.notices.empty());
}

TEST_F(EpsilonTest, HelicalPairAddsTheOverlapRatio) {
    Defaults(kExternalPair);
    G.beta = Deg(15);
    G.x1 = 0.3;
    G.x2 = -0.1;
    Derive();
    ComputeContactRatios();
    // By hand: epsalfa as above in the transverse section, epsbeta = b sin beta / (pi mn) = 60 sin 15 / (4 pi)
    EXPECT_NEAR(G.epsalfa, 1.4860995393433476, 1e-9);
    EXPECT_NEAR(G.epsbeta, 1.2357699118317114, 1e-15);
    EXPECT_NEAR(G.epsgama, 2.721869451175059, 1e-9);
    const double cosBetab = std::cos(std::asin(std::sin(Deg(15)) * std::cos(Deg(20))));
    EXPECT_NEAR(G.epsalfan, 1.4860995393433476 / (cosBetab * cosBetab), 1e-9);

    G.b = std::numbers::pi * G.mn / std::sin(G.beta);  // b sin(beta) = pi mn
    ComputeContactRatios();
    EXPECT_NEAR(G.epsbeta, 1, 1e-15);
}

TEST_F(EpsilonTest, DefaultInternalPair) {
    Case(kInternalPair);
    ComputeContactRatios();
    // By hand: ((sqrt(da1^2 - db1^2) - sqrt(da2^2 - db2^2)) / 2 + |a| sin alfawt) / (pi mn cos alfat), da2 = -152
    EXPECT_NEAR(G.epsalfa, 2.150020220507378, 1e-9);
    EXPECT_EQ(G.dNa1, G.da1);
    EXPECT_EQ(G.dNa2, G.da2);
    // An internal wheel is never undercut, whatever its shift.
    G.x2 = -3;
    ComputeContactRatios();
    EXPECT_GT(xUndercut2, G.x2);
    EXPECT_FALSE(G.Undercut2);
}

TEST_F(EpsilonTest, UndercutBoundaryMatchesTheToolTipTrochoid) {
    Defaults(kExternalPair);
    G.z1 = 12;
    Derive();
    ComputeContactRatios();
    ASSERT_TRUE(G.Undercut1);
    EXPECT_NEAR(xUndercut1, 0.2981009838206883, 1e-12);  // hFfP1 - z1 sin^2(alfat) / 2
    // Reference from an independent construction: the rack's flank end rolled along the pinion's
    // pitch circle, its path intersected with the generated involute by scanning and bisection.
    EXPECT_NEAR(G.dU1, 45.20923205115677, 1e-9);
    EXPECT_NEAR(std::cos(alfaU1), G.db1 / G.dU1, 1e-12);
    EXPECT_TRUE(G.ResumeCalculation);
    // The wheel's tip is cut back so that its contact ends at the pinion's undercut boundary: the
    // pinion radius met by the wheel tip on the line of action equals dU1 / 2.
    ASSERT_LT(daLimited2, G.da2);
    EXPECT_EQ(G.dNa2, daLimited2);
    const double rb1 = G.db1 / 2, rb2 = G.db2 / 2;
    const double onPinion = (rb1 + rb2) * std::tan(G.alfawt) - std::sqrt(daLimited2 * daLimited2 / 4 - rb2 * rb2);
    EXPECT_NEAR(std::hypot(rb1, onPinion), G.dU1 / 2, 1e-9);

    // A larger shift removes the undercut and the wheel's whole tip takes part again.
    G.x1 = 0.5;
    G.xsum = 0.5;
    ComputeCentreDistanceFromShifts();
    ComputeGearDimensions();
    ComputeContactRatios();
    EXPECT_FALSE(G.Undercut1);
    EXPECT_EQ(G.dNa2, G.da2);
    EXPECT_TRUE(notices.notices.empty());
}

TEST_F(EpsilonTest, ShiftedSmallPinionAndUndercutWheelOfAnExternalPair) {
    Defaults(kExternalPair);
    G.z1 = 10;
    G.x1 = 0.1;
    Derive();
    ComputeUndercutDiameters();
    // Independent trochoid construction as above.
    EXPECT_NEAR(G.dU1, 37.71962654730231, 1e-9);
    // The same gear as the wheel of the pair is solved by the wheel's equations.
    const double dU = G.dU1;
    std::swap(G.z1, G.z2);
    std::swap(G.x1, G.x2);
    Derive();
    ComputeContactRatios();
    ASSERT_TRUE(G.Undercut2);
    EXPECT_FALSE(G.Undercut1);
    EXPECT_NEAR(G.dU2, dU, 1e-9);
    EXPECT_LE(G.dNa1, G.da1);
}

TEST_F(EpsilonTest, UndercutTestIsStrict) {
    Case(kExternalPair);
    G.z1 = 12;
    ComputeGearDimensions();
    ComputeUndercutDiameters();
    G.x1 = xUndercut1;
    ComputeUndercutDiameters();
    EXPECT_FALSE(G.Undercut1);
    G.x1 = std::nextafter(xUndercut1, 0.0);
    ComputeUndercutDiameters();
    EXPECT_TRUE(G.Undercut1);
    EXPECT_NEAR(G.dU1, G.db1, 1e-6);  // a vanishing undercut starts at the base circle
    EXPECT_TRUE(G.ResumeCalculation);
    EXPECT_TRUE(notices.notices.empty());
}

TEST_F(EpsilonTest, TipInsideTheBaseCircleLeavesNoStaleContactRatio) {
    Defaults(kExternalPair);
    G.beta = Deg(30);
    G.b = 100;  // overlap ratio alone would exceed 1
    Derive();
    ComputeContactRatios();
    EXPECT_GT(G.epsgama, 2);
    G.da1Given = true;
    G.da1 = G.db1 - 0.1;
    ComputeContactRatios();
    EXPECT_EQ(G.epsalfa, 0);
    EXPECT_EQ(G.epsgama, 0);  // the calculation stops at its total contact ratio test
    EXPECT_EQ(G.epsalfan, 0);
    EXPECT_NEAR(G.epsbeta, 100 * 0.5 / (4 * std::numbers::pi), 1e-14);
    EXPECT_TRUE(notices.notices.empty());

    // Internal pair: the wheel's tip measured by magnitude.
    Case(kInternalPair);
    G.da2 = G.db2 + 0.1;  // |da2| < |db2|
    ComputeContactRatios();
    EXPECT_EQ(G.epsgama, 0);
}

TEST_F(EpsilonTest, SingularMatrixIsReported) {
    Matrix3 zero;
    Matrix3 inverse;
    EXPECT_FALSE(InvertMatrixGaussJordan(3, zero, inverse));
    EXPECT_EQ(notices.Texts(), std::vector<std::string>{"Singular matrix, calculation is terminated."});

    // A regular matrix needing a row exchange.
    Matrix3 m;
    m[1] = Vector3{};
    m[1][2] = 2;
    m[2][1] = 4;
    m[2][3] = 1;
    m[3][3] = 0.5;
    ASSERT_TRUE(InvertMatrixGaussJordan(3, m, inverse));
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) {
            double p = 0;
            for (int k = 1; k <= 3; ++k) p += m[i][k] * inverse[k][j];
            EXPECT_NEAR(p, i == j ? 1 : 0, 1e-15);
        }
}

TEST_F(EpsilonTest, DivergingIterationStopsTheCalculation) {
    Case(kExternalPair);
    G.z1 = 12;
    ComputeGearDimensions();
    G.db1 = 0;  // the equations have no finite value
    G.ResumeCalculation = true;
    SetUndercutStartValues(0.3);
    const Vector3 start = UndercutUnknowns;
    SolveNewtonSystem(3, 1, UndercutUnknowns);
    EXPECT_FALSE(G.ResumeCalculation);
    EXPECT_EQ(UndercutUnknowns, start);  // a non-finite step is not taken
    EXPECT_EQ(notices.Texts(), std::vector<std::string>{kNewtonNotConverged});
}

}  // namespace
