#include "GenerationSimulation.h"
#include "GeometryFixture.h"
#include "ostrimo/calc/Geometricke_vypocty.h"

using namespace ostrimo;
using namespace ostrimo::test;

namespace {

class Trochoid : public GeometryTest {
protected:
    // Spur pinion of z teeth, AMC x, on the default tool (h0 1.25, rho 0.38, 20 degrees).
    static void Pinion(double z, double x) {
        Defaults(1);
        G.z1 = z;
        G.x1 = x;
        ComputeGearPairDimensions();
    }
    // The simulated cut of that pinion: the tip rounding's centre lies (h0 - rho) mn below
    // the datum line, which is x mn off the rolling circle, and touches the straight flank;
    // thinning reduces the reference thickness s of the involute only.
    static double Simulated(double z, double x, double thinning = 0) {
        const double mn = 1, a = Rad(20), h0 = 1.25, rho = 0.38, r = z * mn / 2;
        const ToolCircle tip{(kPi / 4 + (h0 - rho) * std::tan(a) + rho / std::cos(a)) * mn, r + (x - (h0 - rho)) * mn,
                             rho * mn};
        const double s = (kPi / 2 + 2 * x * std::tan(a)) * mn - thinning;
        const InvoluteFlank flank{r * std::cos(a), s / (2 * r) + Inv(a)};
        return SimulatedInvoluteStartDiameter(tip, r, flank, r);
    }
};

}  // namespace

TEST_F(Trochoid, UndercutPinionsAgreeWithTheSimulatedCut) {
    for (const auto& [z, x] : {std::pair{8.0, 0.0}, {8.0, 0.2}, {10.0, -0.3}, {12.0, 0.0}, {5.0, 0.0}}) {
        SCOPED_TRACE("z " + std::to_string(z) + " x " + std::to_string(x));
        Pinion(z, x);
        ComputeInvoluteStartDiameter1();
        const double simulated = Simulated(z, x);
        ASSERT_GT(simulated, G.db1);
        EXPECT_NEAR(G.InvoluteStartDiameter1, simulated, 1e-8);
        EXPECT_FALSE(G.ErrorFlag);
    }
    EXPECT_TRUE(notices.notices.empty());
}

TEST_F(Trochoid, WheelTwinWithThePinionsDataGivesTheSameDiameter) {
    Pinion(9, 0.1);
    ComputeInvoluteStartDiameter1();
    G.z2 = G.z1;
    G.x2 = G.x1;
    G.d2 = G.d1;
    G.db2 = G.db1;
    ComputeInvoluteStartDiameter2();
    EXPECT_EQ(G.InvoluteStartDiameter2, G.InvoluteStartDiameter1);
    EXPECT_EQ(EvaluateTrochoidResidual2(0.4), EvaluateTrochoidResidual1(0.4));
}

TEST_F(Trochoid, RegrindingThinsTheInvoluteOfTheThinnedGearsOnly) {
    Pinion(8, 0);
    G.jn = 0.02;
    G.ThinByRegrinding = true;
    ComputeInvoluteStartDiameter1();
    EXPECT_NEAR(G.InvoluteStartDiameter1, Simulated(8, 0, 0.02 / (2 * std::cos(Rad(20)))), 1e-8);

    G.ThinBothWheels = false;
    G.ThinPinionOnly = true;
    ComputeInvoluteStartDiameter1();
    EXPECT_NEAR(G.InvoluteStartDiameter1, Simulated(8, 0, 0.02 / std::cos(Rad(20))), 1e-8);

    G.ThinPinionOnly = false;
    G.ThinWheelOnly = true;
    ComputeInvoluteStartDiameter1();
    EXPECT_NEAR(G.InvoluteStartDiameter1, Simulated(8, 0), 1e-8);

    // a widened cutter moves the involute and the trochoid alike
    G.ThinWheelOnly = false;
    G.ThinPinionOnly = true;
    G.ThinByRegrinding = false;
    ComputeInvoluteStartDiameter1();
    EXPECT_NEAR(G.InvoluteStartDiameter1, Simulated(8, 0), 1e-8);
    EXPECT_FALSE(G.ErrorFlag);
}

TEST_F(Trochoid, TrochoidInsideTheBaseCircleStartsTheInvoluteThere) {
    // ground 0.053 mm thinner, the flank of this pinion runs inside the fillet down to
    // the base circle: the fillet no longer crosses it
    Pinion(8, 0);
    G.jn = 0.1;
    G.ThinByRegrinding = true;
    ComputeInvoluteStartDiameter1();
    EXPECT_EQ(Simulated(8, 0, 0.1 / (2 * std::cos(Rad(20)))), 0);
    EXPECT_DOUBLE_EQ(G.InvoluteStartDiameter1, G.db1 + 1e-4);
    EXPECT_FALSE(G.ErrorFlag);
}

TEST_F(Trochoid, GearWithoutUndercutHasNoCrossingAndIsFlagged) {
    Pinion(13, 0.8);  // far above the limiting AMC 0.24: the trochoid never reaches the involute
    ComputeInvoluteStartDiameter1();
    EXPECT_EQ(Simulated(13, 0.8), 0);
    EXPECT_DOUBLE_EQ(G.InvoluteStartDiameter1, G.db1 + 1e-4);
    EXPECT_TRUE(G.ErrorFlag);
    EXPECT_TRUE(notices.notices.empty());
}
