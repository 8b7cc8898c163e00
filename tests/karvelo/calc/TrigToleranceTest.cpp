#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "karvelo/calc/Global.h"
#include "runtime/Notice.h"
#include "CoreFixture.h"

using namespace karvelo;

namespace {

using CheckedTrigTest = test::CoreTest;

TEST_F(CheckedTrigTest, ArcCosineAtAndBeyondItsEnds) {
    EXPECT_EQ(ComputeCheckedArcCos(1), 0);
    EXPECT_EQ(ComputeCheckedArcCos(-1), std::numbers::pi_v<Extended>);
    EXPECT_NEAR(static_cast<double>(ComputeCheckedArcCos(0.5)), std::numbers::pi / 3, 1e-15);
    EXPECT_TRUE(notices.notices.empty());

    EXPECT_EQ(ComputeCheckedArcCos(1.0000001), 0);
    EXPECT_EQ(ComputeCheckedArcCos(-1.0000001), 0);
    EXPECT_EQ(ComputeCheckedArcCos(std::numeric_limits<Extended>::quiet_NaN()), 0);
    ASSERT_EQ(notices.notices.size(), 3u);
    for (const auto& n : notices.notices) {
        EXPECT_EQ(n.kind, rt::Notice::Box);
        EXPECT_EQ(n.text, "Invalid argument for arccosinus, impossible gearing parameters");
        EXPECT_EQ(n.caption, "  Error !");
        EXPECT_EQ(n.flags, rt::MB_OK);
    }
}

TEST_F(CheckedTrigTest, ArcSineAndTangent) {
    EXPECT_EQ(ComputeCheckedArcSin(1), std::numbers::pi_v<Extended> / 2);
    EXPECT_EQ(ComputeCheckedArcSin(-1), -std::numbers::pi_v<Extended> / 2);
    EXPECT_NEAR(static_cast<double>(ComputeCheckedArcSin(0.5)), std::numbers::pi / 6, 1e-15);
    // Just below pi/2 the tangent is very large but allowed.
    EXPECT_GT(ComputeCheckedTan(std::numbers::pi_v<Extended> / 2 - 1e-10L), 1e9L);
    EXPECT_NEAR(static_cast<double>(ComputeCheckedTan(0.3490658503988659)), 0.36397023426620234, 1e-15);
    EXPECT_TRUE(notices.notices.empty());

    EXPECT_EQ(ComputeCheckedTan(std::numbers::pi_v<Extended> / 2), 0);
    EXPECT_EQ(ComputeCheckedArcSin(2), 0);
    EXPECT_EQ(notices.Texts(),
              (std::vector<std::string>{"Invalid argument for tangent, impossible gearing parameters",
                                        "Invalid argument for arcsinus, impossible gearing parameters"}));
}

TEST(UndercutStartValuesTest, DeeperUndercutsStartFartherOut) {
    using A = std::array<double, 3>;
    EXPECT_EQ(gear::UndercutStartValues(0.72), (A{1.05, 0.6, 0.08}));
    EXPECT_EQ(gear::UndercutStartValues(0.71), (A{1.02, 0.2, 0.0001}));
    EXPECT_EQ(gear::UndercutStartValues(0.31), (A{1.0007, 0.07, 2e-5}));
    EXPECT_EQ(gear::UndercutStartValues(0.2), (A{1.0007, 0.07, 2e-5}));
    EXPECT_EQ(gear::UndercutStartValues(0.12), (A{1.00007, 0.02, 7e-7}));
    EXPECT_EQ(gear::UndercutStartValues(0.008), (A{1.0000007, 0.002, 4e-10}));
    EXPECT_EQ(gear::UndercutStartValues(0.0011), (A{1.0000007, 0.002, 4e-10}));
    EXPECT_EQ(gear::UndercutStartValues(0.001), (A{1.000000007, 0.0002, 4e-14}));
    EXPECT_EQ(gear::UndercutStartValues(0), (A{1.000000007, 0.0002, 4e-14}));
}

TEST(RoundingTest, RoundToDigitsRoundsHalvesUpInExtendedPrecision) {
    EXPECT_EQ(RoundToDigits(0, 12.5), 13);
    EXPECT_EQ(RoundToDigits(2, 1.005), 1);   // 1.005 is stored as 1.00499999999999989...
    EXPECT_EQ(RoundToDigits(1, 4.35), 4.3);  // 4.35 is stored below the tie
    EXPECT_EQ(RoundToDigits(1, 0.15), 0.1);
    EXPECT_EQ(RoundToDigits(1, 0.25), 0.3);  // an exact tie goes up
    EXPECT_EQ(RoundToDigits(1, -4.26), -4.2);
}

TEST(RoundingTest, ToleranceRoundingRule) {
    EXPECT_EQ(RoundTolerance(12.5), 13);
    EXPECT_EQ(RoundTolerance(10.0), 10);
    EXPECT_EQ(RoundTolerance(7.2), 7);
    EXPECT_EQ(RoundTolerance(7.3), 7.5);
    EXPECT_EQ(RoundTolerance(7.8), 8);
    EXPECT_EQ(RoundTolerance(7.0), 7);
    EXPECT_EQ(RoundTolerance(7.75), 8);
    EXPECT_EQ(RoundTolerance(5.0), 5);
    EXPECT_EQ(RoundTolerance(4.26), 4.3);
    EXPECT_EQ(RoundTolerance(-7.3), 7.5);
}

TEST(ToleranceTest, GradeFactorIsAnIntegerPowerOfRootTwo) {
    // fpT = (0.001 |d| + 0.4 mn + 5) sqrt(2)^(Q-5), by hand for d = 80, mn = 4: 6.68 sqrt(2)^(Q-5)
    EXPECT_DOUBLE_EQ(ComputeSinglePitchTolerance(5, 80, 4), 6.68);
    EXPECT_DOUBLE_EQ(ComputeSinglePitchTolerance(7, 80, 4), 13.36);
    EXPECT_DOUBLE_EQ(ComputeSinglePitchTolerance(8, -80, 4), 6.68 * 2 * std::numbers::sqrt2);
    EXPECT_DOUBLE_EQ(ComputeSinglePitchTolerance(3, 80, 4), 3.34);
    EXPECT_DOUBLE_EQ(ComputeProfileFormTolerance(5, 4), 7.2);
    // fHbetaT = 0.05 sqrt(d) + 0.35 sqrt(b) + 4 at grade 5, by hand for d = 100, b = 49
    EXPECT_DOUBLE_EQ(ComputeHelixSlopeTolerance(5, 100, 49), 0.5 + 2.45 + 4);
}

TEST(ToleranceTest, AllowableDeviationsOfTheDefaultPair) {
    G = GlobalData{};
    SetDefaultInputs();
    G.d1 = 80;
    G.d2 = 160;
    G.fp1 = G.fp2 = G.ffalfa1 = G.ffalfa2 = G.fHbeta1 = G.fHbeta2 = 0;
    ComputeAllowableDeviations();
    // By hand, grade 8 (g = 2 sqrt 2): fp1 = 6.68 g = 18.89 -> 19; fp2 = 6.76 g = 19.12 -> 19;
    // ffalfa = 7.2 g = 20.36 -> 20; fHbeta1 = (0.05 sqrt 80 + 0.35 sqrt 60 + 4) g = 20.25 -> 20;
    // fHbeta2 = (0.05 sqrt 160 + 0.35 sqrt 60 + 4) g = 20.77 -> 21.
    EXPECT_EQ(G.fp1, 19);
    EXPECT_EQ(G.fp2, 19);
    EXPECT_EQ(G.ffalfa1, 20);
    EXPECT_EQ(G.ffalfa2, 20);
    EXPECT_EQ(G.fHbeta1, 20);
    EXPECT_EQ(G.fHbeta2, 21);

    // A cleared flag takes the entered actual deviation.
    G.fpr2Measured = false;
    G.fpr2act = 12.3;
    G.fHbeta1Measured = false;
    G.fHbeta1act = 0;
    ComputeAllowableDeviations();
    EXPECT_EQ(G.fp1, 19);
    EXPECT_EQ(G.fp2, 12.3);
    EXPECT_EQ(G.fHbeta1, 0);
    EXPECT_EQ(G.fHbeta2, 21);
    G = GlobalData{};
}

}  // namespace
