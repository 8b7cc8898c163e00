#include "GenerationSimulation.h"
#include "GeometryFixture.h"
#include "ostrimo/calc/Geometricke_vypocty.h"
#include "ostrimo/calc/Protub.h"
#include "ostrimo/calc/Protubrack.h"

using namespace ostrimo;
using namespace ostrimo::test;

namespace {

class Protuberance : public GeometryTest {
protected:
    // Pinion z/x on the default protuberance tool (6.053 degrees from 0.75 mn below the
    // datum line, addendum 1.25, crest radius 0.38), the wheel on the same tool.
    static void ToolPair(double z1, double x1) {
        Defaults(kExternalGearing);
        G.z1 = z1;
        G.x1 = x1;
        G.Protuberance1 = G.Protuberance2 = true;
        ComputeGearPairDimensions();
        ASSERT_TRUE(ComputeProtuberanceFlankShift1());
        ASSERT_TRUE(ComputeProtuberanceFlankShift2());
    }
    // Protuberance flank factor hFfP* = F - (1 - sin a_pr) rho of the pinion's tool.
    static double FlankFactor() {
        return G.ProtuberanceFlankAddendumFactor1 - (1 - std::sin(G.ProtuberanceAngle1)) * G.ToolCrestRadiusFactor1;
    }
};

}  // namespace

TEST_F(Protuberance, FlankShiftFromTheTwoFlankAngles) {
    ToolPair(20, 0);
    // the protuberance flank leaves the main flank 0.75 mn below the datum line: its own
    // reference line (half space pi/4) lies 0.75 (tan an / tan a_pr - 1) modules higher
    const double delta = 0.75 * (std::tan(Rad(20)) / std::tan(G.ProtuberanceAngle1) - 1);
    EXPECT_NEAR(G.ProtuberanceFlankShift1, delta, 1e-14);
    EXPECT_NEAR(G.ProtuberanceFlankAddendumFactor1, 1.25 + delta, 1e-14);
    EXPECT_NEAR(delta, 1.8243, 1e-4);

    G.ProtuberanceAngle2 = Rad(20);  // not steeper than the main flank
    EXPECT_FALSE(ComputeProtuberanceFlankShift2());
    G.ProtuberanceAngle2 = 0;
    EXPECT_FALSE(ComputeProtuberanceFlankShift2());
    EXPECT_EQ(G.ProtuberanceFlankShift2, G.ProtuberanceFlankShift1);
}

TEST_F(Protuberance, UndercutLimitsOfTheProtuberanceRack) {
    ToolPair(20, 0.1);
    SetHelix(12);
    G.mt = G.mn / std::cos(G.beta);
    G.alfat = TransverseAngle(G.alfan, G.beta);
    ComputeProtuberanceUndercut();
    // by hand (ISO 21771 undercut limits for a rack of flank angle a_pr, shift Delta + x):
    // x_min = hFfP* - z sin^2(a_pr,t)/(2 cos b), z_min = 2 cos b (hFfP* - Delta - x)/sin^2(a_pr,t)
    const double apt = TransverseAngle(G.ProtuberanceAngle1, G.beta);
    const double s2 = std::sin(apt) * std::sin(apt);
    const double h = FlankFactor();
    EXPECT_NEAR(G.ProtuberanceTransverseAngle1, apt, 1e-15);
    EXPECT_NEAR(G.ProtuberanceBaseDiameter1, G.d1 * std::cos(apt), 1e-13);
    EXPECT_NEAR(G.ToolFlankHeightFactor1, h, 1e-14);
    EXPECT_NEAR(G.z1min, h - 20 * s2 / (2 * std::cos(G.beta)), 1e-13);
    EXPECT_NEAR(G.x1min, 2 * std::cos(G.beta) * (h - G.ProtuberanceFlankShift1 - 0.1) / s2, 1e-9);
    EXPECT_NEAR(G.z2min, h - 40 * s2 / (2 * std::cos(G.beta)), 1e-13);
    EXPECT_NEAR(G.pt, kPi * G.mt, 1e-14);
    EXPECT_NEAR(G.pbt, kPi * G.mt * std::cos(G.alfat), 1e-14);
    EXPECT_TRUE(G.ProtuberanceUndercut1);  // 1.82 + 0.1 < 2.62
    EXPECT_FALSE(G.ProtuberanceFlankActive);
}

TEST_F(Protuberance, UndercutDiameterAgreesWithTheSimulatedCut) {
    for (const auto& [z, x] : {std::pair{12.0, 0.0}, {20.0, -0.2}, {30.0, 0.3}}) {
        SCOPED_TRACE("z " + std::to_string(z) + " x " + std::to_string(x));
        ToolPair(z, x);
        G.mt = G.mn;
        ComputeProtuberanceUndercut();
        ASSERT_TRUE(G.ProtuberanceUndercut1);
        // the end of the straight protuberance flank (a point hF below its reference line)
        // cutting into the involute that the protuberance flank generates
        const double apr = G.ProtuberanceAngle1, xs = G.ProtuberanceFlankShift1 + x, hF = FlankFactor(), r = z / 2;
        const ToolCircle corner{kPi / 4 + hF * std::tan(apr), r + xs - hF, 0};
        const InvoluteFlank flank{r * std::cos(apr), (kPi / 2 + 2 * xs * std::tan(apr)) / (2 * r) + Inv(apr)};
        EXPECT_NEAR(G.ProtuberanceUndercutDiameter1, SimulatedInvoluteStartDiameter(corner, r, flank, r + 1), 1e-9);
        EXPECT_FALSE(G.NewtonNotConverged);
    }
    EXPECT_FALSE(G.ErrorFlag);
}

TEST_F(Protuberance, FlankEndWithoutUndercutAndTheStrictLimit) {
    ToolPair(60, 0.6);  // Delta + x = 2.42 above the limit 2.40
    G.mt = G.mn;
    ComputeProtuberanceUndercut();
    ASSERT_FALSE(G.ProtuberanceUndercut1);
    // form circle of the protuberance flank: sqrt(db^2 + (d sin a - 2 h / sin a)^2), h its
    // end below the rolling line
    const double apr = G.ProtuberanceAngle1, h = FlankFactor() - (G.ProtuberanceFlankShift1 + 0.6);
    const double db = 60 * std::cos(apr);
    EXPECT_NEAR(G.ProtuberanceUndercutDiameter1, std::hypot(db, 60 * std::sin(apr) - 2 * h / std::sin(apr)), 1e-12);

    // exactly at the limit there is no undercut
    ToolPair(60, 0);
    G.mt = G.mn;
    G.ProtuberanceFlankShift1 = 0.5;
    ComputeProtuberanceUndercut();
    G.x1 = G.z1min - 0.5;
    ASSERT_EQ(G.ProtuberanceFlankShift1 + G.x1, G.z1min);
    ComputeProtuberanceUndercut();
    EXPECT_FALSE(G.ProtuberanceUndercut1);
    G.x1 = std::nextafter(G.x1, -1.0);
    ComputeProtuberanceUndercut();
    EXPECT_TRUE(G.ProtuberanceUndercut1);
}

TEST_F(Protuberance, FlankFactorSnapsStrictlyInsideTheBand) {
    ToolPair(20, 0);
    G.ToolCrestRadiusFactor1 = 0;
    G.ProtuberanceFlankAddendumFactor1 = 0.99997;
    ComputeProtuberanceUndercut();
    EXPECT_EQ(G.ToolFlankHeightFactor1, 1.0);
    G.ProtuberanceFlankAddendumFactor1 = 0.99996;
    ComputeProtuberanceUndercut();
    EXPECT_EQ(G.ToolFlankHeightFactor1, 0.99996);
    EXPECT_EQ(G.ToolFlankHeight1, 0.99996);
}

TEST_F(Protuberance, WheelOfAnInternalPairOrARackIsNotSolved) {
    ToolPair(20, 0);
    G.GearingType = kInternalGearing;
    G.z2 = -40;
    G.ProtuberanceUndercutDiameter2 = 7;
    ComputeProtuberanceUndercut();
    EXPECT_FALSE(G.ProtuberanceUndercut2);
    EXPECT_EQ(G.ProtuberanceUndercutDiameter2, 7);

    ToolPair(20, 0);
    G.RackMate = true;
    G.Protuberance2 = false;
    G.ProtuberanceUndercutDiameter2 = 7;
    ComputeProtuberanceUndercut();
    EXPECT_TRUE(G.ProtuberanceUndercut2);
    EXPECT_NEAR(G.ProtuberanceUndercutDiameter2, 7, 0);

    // an external wheel is solved as the pinion is (set 2)
    ToolPair(20, 0);
    G.mt = G.mn;
    ComputeProtuberanceUndercut();
    ASSERT_TRUE(G.ProtuberanceUndercut2);
    EXPECT_EQ(G.ProtuberanceGearIndex, 1);
    EXPECT_GT(G.ProtuberanceUndercutDiameter2, G.ProtuberanceBaseDiameter2);
    EXPECT_LT(G.ProtuberanceUndercutDiameter2, G.d2 + 2);
}

TEST_F(Protuberance, FormDiameterAgreesWithTheSimulatedCut) {
    for (const auto& [z, x] : {std::pair{12.0, 0.0}, {20.0, -0.2}, {30.0, 0.0}}) {
        SCOPED_TRACE("z " + std::to_string(z) + " x " + std::to_string(x));
        ToolPair(z, x);
        const double apr = G.ProtuberanceAngle1, F = G.ProtuberanceFlankAddendumFactor1, rho = G.ToolCrestRadiusFactor1;
        const double delta = G.ProtuberanceFlankShift1, r = z / 2, a = G.alfan;
        double D = 0;
        ComputeProtuberanceFormDiameter(1, D, G.db1, G.d1, x, a, G.db1, apr, F, delta, rho);
        // the tip rounding touches the protuberance flank; the involute is the main one
        const ToolCircle tip{std::tan(apr) * (F - rho) + kPi / 4 + rho / std::cos(apr), r + delta + x - F + rho, rho};
        const InvoluteFlank flank{r * std::cos(a), (kPi / 2 + 2 * x * std::tan(a)) / (2 * r) + Inv(a)};
        EXPECT_NEAR(D, SimulatedInvoluteStartDiameter(tip, r, flank, r), 1e-8);
    }
    EXPECT_FALSE(G.ErrorFlag);
    EXPECT_TRUE(notices.notices.empty());
}

TEST_F(Protuberance, FormDiameterThinningAndLimit) {
    ToolPair(20, 0);
    const double apr = G.ProtuberanceAngle1, F = G.ProtuberanceFlankAddendumFactor1, rho = G.ToolCrestRadiusFactor1;
    const double delta = G.ProtuberanceFlankShift1;
    auto form = [&](int gear, double L) {
        double D = -1;
        ComputeProtuberanceFormDiameter(gear, D, L, G.d1, 0, G.alfan, G.db1, apr, F, delta, rho);
        return D;
    };
    const double unthinned = form(1, G.db1);
    G.jn = 0.1;
    G.ThinBothWheels = false;
    G.ThinPinionOnly = true;
    G.ThinByRegrinding = true;
    // the pinion's involute is thinned: the trochoid meets it lower; the wheel is not thinned
    EXPECT_LT(form(1, G.db1), unthinned - 1e-3);
    EXPECT_EQ(form(2, G.db1), unthinned);

    // every trochoid point at or inside L: no form diameter
    EXPECT_EQ(form(1, G.d1), 0);
    EXPECT_FALSE(G.ErrorFlag);
}

// A helix angle next to 90 degrees leaves a transverse angle next to 90 degrees and a scan step
// that no longer moves: the search stops with the check's box.
TEST_F(Protuberance, FormDiameterSearchThatCannotEndStops) {
    ToolPair(20, 0);
    G.beta = kPi / 2;  // cos beta = 6e-17
    double D = -1;
    ComputeProtuberanceFormDiameter(1, D, G.db1, G.d1, 0, G.alfan, G.db1, G.ProtuberanceAngle1,
                                    G.ProtuberanceFlankAddendumFactor1, G.ProtuberanceFlankShift1,
                                    G.ToolCrestRadiusFactor1);
    EXPECT_TRUE(G.ErrorFlag);
    ASSERT_EQ(notices.notices.size(), 1u);
    EXPECT_EQ(notices.notices[0].text, "Impossible gearing parameters - the geometry cannot be computed.");
}

TEST_F(Protuberance, RackProtuberanceHeightTakesTheRacksShareOfRegrinding) {
    Defaults(kExternalGearing);
    G.RackMate = true;
    const double K = (std::tan(Rad(20)) - std::tan(G.ProtuberanceAngle2)) * std::cos(Rad(20));
    ComputeRackProtuberanceHeight();
    EXPECT_DOUBLE_EQ(G.RackFlankDepth, 0.75);

    G.jn = 0.1;
    G.ThinByRegrinding = true;
    ComputeRackProtuberanceHeight();  // both thinned: jn/4 = 0.025 within the flank's 0.039
    EXPECT_NEAR(G.RackFlankDepth, 0.75 + 0.025 / K, 1e-14);
    EXPECT_EQ(G.RackUsedDepth, G.RackFlankDepth);

    G.ThinBothWheels = false;
    G.ThinWheelOnly = true;  // jn/2 = 0.05: more than the flank can take
    ComputeRackProtuberanceHeight();
    EXPECT_DOUBLE_EQ(G.RackFlankDepth, 0.75);

    G.ThinWheelOnly = false;
    G.ThinBothWheels = true;
    G.ThinByRegrinding = false;  // a widened cutter
    ComputeRackProtuberanceHeight();
    EXPECT_DOUBLE_EQ(G.RackFlankDepth, 0.75);
}
