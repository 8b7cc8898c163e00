#include "GenerationSimulation.h"
#include "GeometryFixture.h"
#include "ostrimo/calc/Geometricke_vypocty.h"

using namespace ostrimo;
using namespace ostrimo::test;

namespace {

// A rack tool: module, flank angle, addendum and tip rounding factors.
struct Rack {
    double mn = 1, alfaDeg = 20, h0 = 1.25, rho = 0.38;
};

class Trochoid : public GeometryTest {
protected:
    // Spur pinion of z teeth, AMC x, on the default tool (h0 1.25, rho 0.38, 20 degrees).
    static void Pinion(double z, double x) {
        Defaults(kExternalGearing);
        G.z1 = z;
        G.x1 = x;
        ComputeGearPairDimensions();
    }
    // The simulated cut of a gear of z teeth, AMC x: the tip rounding's centre lies
    // (h0 - rho) mn below the datum line, which is x mn off the rolling circle, and touches
    // the straight flank; thinning reduces the reference thickness s of the involute only.
    static double Simulated(double z, double x, double thinning = 0, const Rack& rack = {}) {
        const double mn = rack.mn, a = Rad(rack.alfaDeg), h0 = rack.h0, rho = rack.rho, r = z * mn / 2;
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

TEST_F(Trochoid, CrossingJustAboveTheBaseCircleIsFoundBeforeTheTrochoidEntersIt) {
    // Spur pairs cut by one rack (tool addendum haP + cP), no backlash.  The fillet cuts
    // the involute a few hundredths of a millimetre above the base circle, which the
    // trochoid enters soon after: a scan step can reach past both at once.
    struct Row {
        double mn, alfaDeg, z1, z2, x1, x2, haP, cP, rho;
        int gear;
    };
    for (const Row& c : {Row{29.276441, 15.657123, 10, 13, 0.907284, 0.778636, 1.191614, 0.261259, 0.233372, 2},
                         Row{11.080024, 23.721017, 15, 133, -0.142669, 0.404556, 1.035046, 0.373204, 0.362023, 1},
                         Row{38.282517, 22.231921, 16, 114, -0.268274, 0.441433, 1.018449, 0.244448, 0.375305, 1}}) {
        SCOPED_TRACE("mn " + std::to_string(c.mn) + (c.gear == 1 ? " pinion" : " wheel"));
        Defaults(kExternalGearing);
        G.mn = c.mn;
        G.alfaP = c.alfaDeg;
        G.alfan = Rad(c.alfaDeg);
        G.z1 = c.z1;
        G.z2 = c.z2;
        G.x1 = c.x1;
        G.x2 = c.x2;
        G.haP1 = G.haP2 = c.haP;
        G.cP1 = G.cP2 = c.cP;
        G.rofP1 = G.rofP2 = c.rho;
        G.ToolAddendumFactor1 = G.ToolAddendumFactor2 = c.haP + c.cP;
        ComputeGearPairDimensions();
        const bool pinion = c.gear == 1;
        pinion ? ComputeInvoluteStartDiameter1() : ComputeInvoluteStartDiameter2();
        const double simulated =
            Simulated(pinion ? c.z1 : c.z2, pinion ? c.x1 : c.x2, 0, {c.mn, c.alfaDeg, c.haP + c.cP, c.rho});
        EXPECT_NEAR(pinion ? G.InvoluteStartDiameter1 : G.InvoluteStartDiameter2, simulated, 1e-7 * simulated);
        EXPECT_FALSE(G.ErrorFlag);
    }
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
