#include "GeometryFixture.h"
#include "ostrimo/calc/Geometricke_vypocty.h"
#include "ostrimo/calc/Vypocty_Fellow.h"

using namespace ostrimo;
using namespace ostrimo::test;

namespace {

class FellowCutter : public GeometryTest {
protected:
    // Internal default pair z 20/-40 with the default cutter z0 = 35.
    static void InternalPair() {
        Defaults(kInternalGearing);
        G.z2 = -40;
    }
    // Textbook thickness on the diameter D of a gear with z teeth, AMC x, reference d,
    // base db (transverse, spur): D (s/d + inv at - inv aD).
    static double ThicknessOn(double D, double z, double x, double db) {
        const double at = Rad(20);
        return D * ((kPi / 2 + 2 * x * std::tan(at)) / z + Inv(at) - Inv(std::acos(db / D)));
    }
};

}  // namespace

TEST_F(FellowCutter, InternalPairTakesItsRootFromTheCutter) {
    InternalPair();
    ComputeWorkingCentreDistance();
    EXPECT_NEAR(G.aw, -10, 1e-8);
    EXPECT_DOUBLE_EQ(G.d0, 35);
    EXPECT_NEAR(G.db0, 35 * std::cos(Rad(20)), 1e-13);
    EXPECT_DOUBLE_EQ(G.da0, 37.5);  // 2 (17.5 + 0 + 1 + 0.25)
    EXPECT_NEAR(G.alfawt0, Rad(20), 1e-10);
    EXPECT_NEAR(G.a0, -2.5, 1e-8);
    EXPECT_NEAR(G.df2, -42.5, 1e-8);  // 2 a0 - da0
    EXPECT_NEAR(G.da1, 22, 1e-8);     // clearance 0.25 off the wheel root
    EXPECT_NEAR(G.da2, -38, 1e-8);    // and off the pinion root 17.5
    // cutter flank height 1.25 - (1 - sin 20) 0.38 snapped to 1; its involute starts at
    // tan aF0 = tan at - 4 (h* - x0) / (z0 sin 2at)
    EXPECT_EQ(G.CutterFlankHeightFactor, 1.0);
    const double aF0 = std::atan(std::tan(Rad(20)) - 4 / (35 * std::sin(Rad(40))));
    EXPECT_NEAR(G.alfaF0, aF0, 1e-15);
    EXPECT_NEAR(G.dF0, G.db0 / std::cos(aF0), 1e-12);
    EXPECT_FALSE(G.CutterUndercut);
    EXPECT_TRUE(notices.notices.empty());
}

TEST_F(FellowCutter, ShiftedCutterManufacturingMesh) {
    InternalPair();
    G.x0 = 0.1;
    G.x2 = -0.2;
    ComputeWorkingCentreDistance();
    // by hand (DIN 3960): inv aw0 = inv at + 2 tan an (x0 + x2)/(z0 + z2),
    // a0 = (z0 + z2) mn cos at / (2 cos aw0), |df2| = 2 |a0| + da0
    const double aw0 = InverseInvolute(Inv(Rad(20)) + 2 * std::tan(Rad(20)) * (-0.1) / (35 - 40));
    const double a0 = -5 * std::cos(Rad(20)) / (2 * std::cos(aw0));
    EXPECT_NEAR(G.alfawt0, aw0, 1e-9);
    EXPECT_NEAR(G.a0, a0, 1e-9);
    EXPECT_DOUBLE_EQ(G.da0, 37.7);
    EXPECT_NEAR(G.df2, -(2 * std::fabs(a0) + 37.7), 1e-9);
}

// No manufacturing mesh: the cutter at the limit of its sum, whatever cutter came before.
TEST_F(FellowCutter, CutterSumAboveCriticalTakesTheCutterAtItsLimit) {
    InternalPair();
    ComputeWorkingCentreDistance();
    G.x0 = 0.3;  // x0 + x2 above -inv at (z0 + z2)/(2 tan an) = 0.102: no manufacturing mesh
    G.alfawt0 = 0.123;
    G.a0 = -7;
    ComputeCutterCentreDistance();
    EXPECT_LT(G.InvAlfawt0, 0);
    EXPECT_EQ(G.alfawt0, 0);
    EXPECT_NEAR(G.a0, (35 - 40) * std::cos(Rad(20)) / 2, 1e-12);  // hand: (z0 + z2) m cos at / 2
}

TEST_F(FellowCutter, FewCutterTeethUndercutTheCutter) {
    InternalPair();
    G.z0 = 12;  // below 4 / (tan at sin 2at) = 17.1
    ComputeFellowCutterDimensions();
    EXPECT_LT(G.alfaF0, 0);
    EXPECT_TRUE(G.CutterUndercut);

    // with the largest operating height the cutter involute starts on its base circle
    G.CutterUndercut = false;
    G.FellowMaxOperatingHeight = true;
    G.alfaF0 = 0.05;
    G.dF0 = 12.5;
    ComputeFellowCutterDimensions();
    EXPECT_EQ(G.alfaF0, 0);
    EXPECT_EQ(G.dF0, G.db0);
    EXPECT_FALSE(G.CutterUndercut);
}

TEST_F(FellowCutter, WithoutModuleTheCutterIsSizedButTheInputsStay) {
    InternalPair();
    G.mn = 0;
    ComputeFellowCutterDimensions();
    EXPECT_EQ(G.mn, 0);
    EXPECT_EQ(G.z2, -40);
    EXPECT_DOUBLE_EQ(G.da0, 37.5);  // for mn = 1
    EXPECT_NEAR(G.a0, (35 - 80) * std::cos(Rad(20)) / (2 * std::cos(G.alfawt0)), 1e-9);

    // the tip-rounding search does not run without a module
    ComputeMaxCutterTipRounding();
    EXPECT_EQ(G.CutterTipRadius, 0);
    EXPECT_EQ(G.mn, 0);
}

TEST_F(FellowCutter, TipThicknessSharpHelicalAndFullyRounded) {
    InternalPair();
    G.x0 = 0.1;
    ComputeFellowCutterDimensions();
    ComputeCutterTipThickness();
    EXPECT_NEAR(G.sa0, ThicknessOn(G.da0, 35, 0.1, G.db0), 1e-12);  // sharp tip, spur

    SetHelix(10);
    ComputeFellowCutterDimensions();
    ComputeCutterTipThickness();
    // transverse thickness on the tip times cos of the helix angle there, tan ba = tan b da/d
    const double at = TransverseAngle(G.alfan, G.beta);
    const double st = G.da0 * ((kPi / 2 + 2 * 0.1 * std::tan(G.alfan)) / 35 + Inv(at) - Inv(std::acos(G.db0 / G.da0)));
    EXPECT_NEAR(G.sa0, st * std::cos(std::atan(std::tan(G.beta) * G.da0 / G.d0)), 1e-12);

    G.FellowFullyRoundedTip = true;
    ComputeCutterTipThickness();
    EXPECT_EQ(G.sa0, 0);
}

TEST_F(FellowCutter, LargestTipRoundingJustClosesTheTooth) {
    InternalPair();
    ComputeMaxCutterTipRounding();
    // A rounding of radius r centred on the tooth axis at D/2, D = da0 - 2r, reaches the
    // tip and touches both flanks when r = (sD/2) cos aD = sD rb0/D (sD the thickness on D).
    auto closes = [&](double r) {
        const double D = G.da0 - 2 * r;
        return r - ThicknessOn(D, 35, 0, G.db0) * G.db0 / 2 / D;
    };
    double lo = 0, hi = 1;
    ASSERT_LT(closes(lo), 0);
    ASSERT_GT(closes(hi), 0);
    for (int i = 0; i < 100; ++i) (closes((lo + hi) / 2) < 0 ? lo : hi) = (lo + hi) / 2;
    EXPECT_NEAR(G.CutterTipRadius, lo, 1e-10);
    EXPECT_GT(G.CutterTipRadius, 0.2);
    EXPECT_LT(G.CutterTipRadius, 1);
    EXPECT_DOUBLE_EQ(G.roa0, G.CutterTipRadius);
    EXPECT_DOUBLE_EQ(G.CutterReducedTipDiameter, G.da0 - 2 * G.CutterTipRadius);
    // the rounding meets the involute one radius along the line of action above D
    const double rb0 = G.db0 / 2;
    const double g = std::tan(std::acos(G.db0 / G.CutterReducedTipDiameter)) * rb0 + G.CutterTipRadius;
    EXPECT_NEAR(G.CutterRoundingStartDiameter, 2 * std::hypot(g, rb0), 1e-10);
    EXPECT_NEAR(G.CutterRoundingHeight, (G.da0 - G.CutterRoundingStartDiameter) / 2, 1e-14);

    // with that rounding nothing of the tip is left
    ComputeCutterTipThickness();
    EXPECT_NEAR(G.sa0, 0, 1e-9);
    EXPECT_FALSE(G.ErrorFlag);
    EXPECT_TRUE(notices.notices.empty());
}

TEST_F(FellowCutter, HelicalCutterUsesItsVirtualSpurCutter) {
    InternalPair();
    SetHelix(15);
    ComputeMaxCutterTipRounding();
    const double bb = std::asin(std::sin(G.beta) * std::cos(G.alfan));
    EXPECT_NEAR(G.zn0, 35 / (std::cos(bb) * std::cos(bb) * std::cos(G.beta)), 1e-12);
    EXPECT_NEAR(G.dbn0, std::cos(G.alfan) * G.zn0, 1e-12);
    EXPECT_NEAR(EvaluateCutterTipRadiusEquation(G.CutterTipRadius), 0, 1e-10);
    EXPECT_GT(G.CutterTipRadius, 0.2);
    EXPECT_LT(G.CutterTipRadius, 1);
}
