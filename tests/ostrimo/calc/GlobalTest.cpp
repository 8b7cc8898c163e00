#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "CoreTest.h"
#include "ostrimo/calc/Global.h"

using namespace ostrimo;

namespace {

// The global data as the program start left it, taken before any test runs.
GlobalData g_startup;

class StartupSnapshot : public ::testing::Environment {
public:
    void SetUp() override { g_startup = G; }
};
const auto* const g_env = ::testing::AddGlobalTestEnvironment(new StartupSnapshot);

void DefaultsFor(int gearingType) {
    G = GlobalData{};
    G.GearingType = gearingType;
    SetDefaultGearData();
}

}  // namespace

TEST(Defaults, ProgramStartHoldsTheExternalDefaultCase) {
    const GlobalData& g = g_startup;
    EXPECT_EQ(g.GearingType, kExternalGearing);
    EXPECT_FALSE(g.RackMate);
    EXPECT_EQ(g.mn, 1.0);
    EXPECT_EQ(g.z1, 20.0);
    EXPECT_EQ(g.z2, 40.0);
    EXPECT_EQ(g.b, 10.0);
    EXPECT_EQ(g.alfaP, 20.0);
    EXPECT_EQ(g.aw, 0.0);
    // by hand: d = mn z, ad = (z1 + z2) mn / 2, da = d + 2 mn
    EXPECT_EQ(g.d1, 20.0);
    EXPECT_EQ(g.d2, 40.0);
    EXPECT_EQ(g.ad, 30.0);
    EXPECT_EQ(g.da1, 22.0);
    EXPECT_EQ(g.da2, 42.0);
    EXPECT_DOUBLE_EQ(g.alfan, 20.0 * std::numbers::pi / 180);
    EXPECT_EQ(g.alfat, g.alfan);
    EXPECT_EQ(g.alfawt, g.alfan);
    EXPECT_EQ(g.alfawtDeg, 20.0);
    EXPECT_EQ(g.beta, 0.0);
    EXPECT_EQ(g.ha2, 0.0);  // the rack addendum took the module of the zeroed start state
    EXPECT_EQ(g.rofP2, 0.38);
    EXPECT_EQ(g.cP1, 0.25);
    EXPECT_EQ(g.RackChordHeightFactor, 1.0);
}

TEST(Defaults, StartUpIsTheExternalCaseSetWithGearingTypeZero) {
    DefaultsFor(kGearingUnset);
    G.GearingType = kExternalGearing;
    EXPECT_EQ(G, g_startup);
    InitializeGeometryGlobalUnit();  // already run at start-up: does nothing now
    EXPECT_EQ(G, g_startup);
}

TEST(Defaults, EachGearingTypeTakesItsBasicRack) {
    DefaultsFor(kExternalGearing);
    EXPECT_EQ(G.rofP1, 0.38);
    EXPECT_EQ(G.rofP2, 0.38);
    EXPECT_EQ(G.cP1, 0.25);
    EXPECT_EQ(G.cP2, 0.25);

    DefaultsFor(kInternalGearing);
    EXPECT_EQ(G.GearingType, kInternalGearing);
    EXPECT_EQ(G.rofP1, 0.38);
    EXPECT_EQ(G.rofP2, 0.0);
    EXPECT_EQ(G.cP2, 0.25);
    EXPECT_EQ(G.z2, 40.0);  // the windows then give the internal wheel its own teeth

    DefaultsFor(kBevelGearing);
    EXPECT_EQ(G.cP1, 0.2);
    EXPECT_EQ(G.cP2, 0.2);
    EXPECT_EQ(G.rofP1, 0.3);
    EXPECT_EQ(G.rofP2, 0.3);
    EXPECT_EQ(G.SigmaDeg, 90.0);
    EXPECT_EQ(G.Sigma, std::numbers::pi / 2);
}

TEST(Defaults, ToolsCutterAndBevelDefaults) {
    DefaultsFor(kExternalGearing);
    EXPECT_EQ(G.ToolAddendumFactor1, 1.25);
    EXPECT_EQ(G.ToolCrestRadiusFactor2, 0.38);
    EXPECT_EQ(G.ChamferHeightFactor1, 0.75);
    EXPECT_EQ(G.ChamferAngle2, 0.7853981633974483);
    EXPECT_EQ(G.ChamferAngleDeg1, 45.0);
    EXPECT_NEAR(G.ProtuberanceAngle1 * 180 / std::numbers::pi, 6.053, 5e-13);
    EXPECT_EQ(G.haP02, 0.75);
    EXPECT_EQ(G.ProtuberanceSize1, 0.05);
    EXPECT_EQ(G.z0, 35);
    EXPECT_EQ(G.rof0, 0.38);
    EXPECT_EQ(G.da0, 37.5);
    EXPECT_EQ(G.a0, -47.5);
    EXPECT_EQ(G.z1Bevel, 0.0);
    EXPECT_EQ(G.RackUsedDepth, 3.0);
}

TEST(Defaults, RackAddendumTakesTheModuleHeldBeforeTheReset) {
    G = GlobalData{};
    G.GearingType = kExternalGearing;
    G.mn = 4;
    SetDefaultGearData();
    EXPECT_EQ(G.ha2, 5.0);  // 1.25 * 4
    EXPECT_EQ(G.mn, 1.0);
}

TEST(Defaults, ResetClearsTheCaseStateAndSelectsThinningOfBothWheels) {
    DefaultsFor(kExternalGearing);
    G.ErrorFlag = G.RackMate = G.UndercutPinion = G.TipInterference = G.AmcSumBelowCritical = true;
    G.PinionTipClearanceOk = false;
    G.BacklashByShifting = true;
    G.BacklashByThinning = false;
    G.ThinWheelOnly = true;
    G.ThinBothWheels = false;
    G.LastComputingInput = kAwInput;
    G.ValCode = 3;
    G.TipDiameter1Given = G.Chamfer1 = G.Protuberance2 = G.FellowFullyRoundedTip = true;
    G.beta = 0.3;
    G.betaDeg = 17;
    SetDefaultGearData();
    EXPECT_FALSE(G.ErrorFlag);
    EXPECT_FALSE(G.RackMate);
    EXPECT_FALSE(G.UndercutPinion);
    EXPECT_FALSE(G.TipInterference);
    EXPECT_FALSE(G.AmcSumBelowCritical);
    EXPECT_TRUE(G.PinionTipClearanceOk);
    EXPECT_TRUE(G.WheelTipClearanceOk);
    EXPECT_TRUE(G.BacklashByThinning);
    EXPECT_FALSE(G.BacklashByShifting);
    EXPECT_TRUE(G.ThinBothWheels);
    EXPECT_FALSE(G.ThinWheelOnly);
    EXPECT_EQ(G.LastComputingInput, kNoComputingInput);
    EXPECT_EQ(G.ValCode, 0);
    EXPECT_FALSE(G.TipDiameter1Given);
    EXPECT_FALSE(G.Chamfer1);
    EXPECT_FALSE(G.Protuberance2);
    EXPECT_FALSE(G.FellowFullyRoundedTip);
    EXPECT_TRUE(G.NoCalcMessageShown);
    EXPECT_TRUE(G.CheckOutdated);
    EXPECT_TRUE(G.ChordConstant1);
    EXPECT_TRUE(G.ChordConstant2);
    EXPECT_TRUE(G.TestDimensionsActive);
    EXPECT_FALSE(G.SkipTestDimensions);
    EXPECT_EQ(G.beta, 0.0);
    EXPECT_EQ(G.betab, 0.0);
}

TEST(ProfileFactor, SnapsOnlyStrictlyInsideTheBand) {
    // 1.25 - (1 - sin 20 deg) 0.38 = 0.99996755... by hand
    const double rack = 1.25 - (1 - std::sin(20 * std::numbers::pi / 180)) * 0.38;
    EXPECT_NEAR(rack, 0.9999676, 1e-7);
    EXPECT_EQ(SnapProfileFactor(rack), 1.0);
    EXPECT_EQ(SnapProfileFactor(0.99996), 0.99996);
    EXPECT_EQ(SnapProfileFactor(1.00004), 1.00004);
    EXPECT_EQ(SnapProfileFactor(0.99997), 1.0);
    EXPECT_EQ(SnapProfileFactor(1.000035), 1.0);
    EXPECT_EQ(SnapProfileFactor(0.9), 0.9);
}

namespace {
using GuardedTrig = CoreTest;
const char* const kTan = "Invalid argument for tangent, impossible gearing parameters";
const char* const kArcCos = "Invalid argument for arccosinus, impossible gearing parameters";
const char* const kArcSin = "Invalid argument for arcsinus, impossible gearing parameters";
}  // namespace

TEST_F(GuardedTrig, RefusalShowsTheBoxSetsTheFlagAndGivesZero) {
    const Extended halfPi = std::numbers::pi_v<Extended> / 2;
    EXPECT_EQ(ComputeCheckedTan(halfPi), 0);
    EXPECT_TRUE(G.ErrorFlag);
    ASSERT_EQ(notices.notices.size(), 1u);
    EXPECT_EQ(notices.notices[0], (rt::Notice{rt::Notice::Box, kTan, "  Error !", rt::MB_OK}));

    G.ErrorFlag = false;
    EXPECT_EQ(ComputeCheckedArcCos(1.0000001L), 0);
    EXPECT_TRUE(G.ErrorFlag);
    G.ErrorFlag = false;
    EXPECT_EQ(ComputeCheckedArcSin(-1.5L), 0);
    EXPECT_TRUE(G.ErrorFlag);
    EXPECT_EQ(notices.Texts(), (std::vector<std::string>{kTan, kArcCos, kArcSin}));
}

TEST_F(GuardedTrig, ValidArgumentsPassWithoutMessage) {
    EXPECT_EQ(ComputeCheckedArcCos(1), 0);
    EXPECT_EQ(ComputeCheckedArcCos(-1), std::numbers::pi_v<Extended>);
    EXPECT_EQ(ComputeCheckedArcSin(1), std::numbers::pi_v<Extended> / 2);
    EXPECT_GT(ComputeCheckedTan(std::numbers::pi / 2), 1e15);  // the double below pi/2 passes
    EXPECT_NEAR(static_cast<double>(ComputeCheckedTan(0.5L)), std::tan(0.5), 1e-15);
    EXPECT_FALSE(G.ErrorFlag);
    EXPECT_TRUE(notices.notices.empty());
}

TEST_F(GuardedTrig, EachMessageIsShownOncePerComputation) {
    {
        ComputationScope outer;
        for (int i = 0; i < 5; ++i) {
            ComputationScope inner;  // a nested solve does not start a fresh set
            G.ErrorFlag = false;
            ComputeCheckedArcCos(2);
            EXPECT_TRUE(G.ErrorFlag);
            ComputeCheckedArcSin(2);
        }
    }
    EXPECT_EQ(notices.Texts(), (std::vector<std::string>{kArcCos, kArcSin}));
    {
        ComputationScope next;
        ComputeCheckedArcCos(2);
    }
    ComputeCheckedArcCos(2);  // outside any computation every refusal is shown
    ComputeCheckedArcCos(2);
    EXPECT_EQ(notices.notices.size(), 5u);
}
