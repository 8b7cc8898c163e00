#include "karvelo/calc/Geometrie.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "karvelo/calc/Global.h"
#include "karvelo/calc/WindowHooks.h"
#include "runtime/Notice.h"
#include "CoreFixture.h"

using namespace karvelo;

namespace {

// Lengths after the inverse involute: |inv(alfawt) - target| < 1e-11 leaves a within
// a 1e-11 / tan(alfawt) relative, a few 1e-9 mm.
constexpr double kMm = 5e-9;

double Deg(double d) { return d * std::numbers::pi / 180; }
double Inv(double x) { return std::tan(x) - x; }

using GeometrieTest = test::CoreTest;

TEST_F(GeometrieTest, DefaultExternalPair) {
    Defaults(kExternalPair);
    Derive();
    // Reference values by hand (ISO 21771): z 20/40, mn 4, alfan 20 deg, x = 0.
    EXPECT_NEAR(Inv(G.alfawt), Inv(G.alfat), 1e-11);
    EXPECT_DOUBLE_EQ(G.alfat, Deg(20));
    EXPECT_NEAR(G.a, 120, kMm);
    EXPECT_DOUBLE_EQ(G.ad, 120);
    EXPECT_DOUBLE_EQ(G.d1, 80);
    EXPECT_DOUBLE_EQ(G.d2, 160);
    EXPECT_NEAR(G.db1, 75.17540966287268, 1e-12);
    EXPECT_NEAR(G.db2, 150.35081932574536, 1e-12);
    EXPECT_NEAR(G.dw1, 80, kMm);
    EXPECT_NEAR(G.dw2, 160, kMm);
    EXPECT_DOUBLE_EQ(G.df1, 70);
    EXPECT_DOUBLE_EQ(G.df2, 150);
    EXPECT_NEAR(G.da1, 88, kMm);
    EXPECT_NEAR(G.da2, 168, kMm);
    EXPECT_NEAR(G.kTip, 0, 1e-10);
    EXPECT_NEAR(G.ha1, 4, kMm);
    EXPECT_DOUBLE_EQ(G.hf1, 5);
    // hFfP = haP + caP - (1 - sin alfan) rhofP = 1.25 - 0.6579798567 * 0.38
    EXPECT_NEAR(G.hFfP1, 0.9999676545, 1e-10);
    EXPECT_DOUBLE_EQ(G.betab, 0);
    EXPECT_DOUBLE_EQ(G.xlim, -1.2284837437917193);  // -(z1 + z2) inv(alfat) / (2 tan alfan)
    // sa = da (st/d + inv alfat - inv alfaa) cos betaa
    EXPECT_NEAR(G.sa1, 2.779520, 1e-6);
    EXPECT_NEAR(G.sa2, 3.042658, 1e-6);
    EXPECT_TRUE(notices.notices.empty());
    EXPECT_FALSE(G.aGiven);
}

TEST_F(GeometrieTest, HelicalPairWithProfileShift) {
    Defaults(kExternalPair);
    G.beta = Deg(15);
    G.x1 = 0.3;
    G.x2 = -0.1;
    G.xsum = 0.2;
    Derive();
    // Reference values by hand: alfat = atan(tan 20 / cos 15), inv alfawt = 2 tan alfan xsum / (z1 + z2)
    // + inv alfat solved by Newton, a = (z1 + z2) mn / (2 cos beta) cos alfat / cos alfawt.
    EXPECT_NEAR(G.alfat, 0.36035632401741163, 1e-15);
    EXPECT_NEAR(G.alfawt, 0.37662690986469144, 1e-10);
    EXPECT_NEAR(G.a, 125.0161185190546, kMm);
    EXPECT_NEAR(G.d1, 82.82209443280664, 1e-12);
    EXPECT_NEAR(G.d2, 165.64418886561327, 1e-12);
    EXPECT_NEAR(G.db1, 77.50253404791779, 1e-12);
    EXPECT_NEAR(G.df1, 75.22209443280664, 1e-12);
    EXPECT_NEAR(G.df2, 154.84418886561326, 1e-12);
    EXPECT_NEAR(G.da1, 93.18804817249594, kMm);
    EXPECT_NEAR(G.da2, 172.81014260530256, kMm);
    EXPECT_NEAR(G.betab, std::asin(std::sin(Deg(15)) * std::cos(Deg(20))), 1e-15);
    EXPECT_NEAR(G.sa1, 2.40455240602558, 1e-8);
    EXPECT_NEAR(G.sa2, 3.155340800529426, 1e-8);
    EXPECT_TRUE(notices.notices.empty());
}

TEST_F(GeometrieTest, DefaultInternalPairTakesTheWheelRootFromTheCutter) {
    Defaults(kInternalPair);
    Derive();
    // By hand: ad = (20 - 40) 4 / 2 = -40; cutter z0 = 25: d0 = 100, da0 = 2 mn (z0/2 + haP1 + caP1) = 110,
    // a0 = (25 - 40) 4 / 2 = -30, so df2 = 2 a0 - da0 = -170 (|df2| = d2 + 2.5 mn).
    EXPECT_NEAR(G.a, -40, kMm);
    EXPECT_DOUBLE_EQ(G.d2, -160);
    EXPECT_DOUBLE_EQ(G.d0, 100);
    EXPECT_DOUBLE_EQ(G.da0, 110);
    EXPECT_DOUBLE_EQ(G.haP0, 1.25);
    EXPECT_NEAR(G.alfaw0, Deg(20), 1e-10);
    EXPECT_NEAR(G.a0, -30, kMm);
    EXPECT_NEAR(G.dw2c, -160, kMm);
    EXPECT_NEAR(G.dw0, 100, kMm);
    EXPECT_NEAR(G.alfaa0, 0.05277641398003701, 1e-14);
    EXPECT_NEAR(G.d0alfa, 94.10028276812618, 1e-10);
    EXPECT_FALSE(G.CutterTipAngleNegative);
    EXPECT_NEAR(G.df2, -170, kMm);
    EXPECT_DOUBLE_EQ(G.hFfP2, 1.25);
    // da1 = 2 (a - caP1 mn) - df2 = 88, da2 = 2 (a - caP2 mn) - df1 = -152
    EXPECT_NEAR(G.da1, 88, kMm);
    EXPECT_NEAR(G.da2, -152, kMm);
    EXPECT_TRUE(notices.notices.empty());
}

TEST_F(GeometrieTest, CriticalSumOfShiftsIsRefusedWithTheLimitShown) {
    Defaults(kExternalPair);
    Derive();
    const double alfawt = G.alfawt;
    G.x1 = G.xlim;  // x1 + x2 exactly xlim
    G.x2 = 0;
    G.xsum = G.x1;
    ComputeCentreDistanceFromShifts();
    EXPECT_EQ(G.alfawt, alfawt);  // untouched
    EXPECT_EQ(notices.Texts(),
              std::vector<std::string>{"There is no solution - the sum of shifting coefficients x1+x2 is less than "
                                       "critical  -1.22848"});

    notices.Clear();
    G.x1 = std::nextafter(G.xlim, 0.0);
    G.xsum = G.x1;
    ComputeCentreDistanceFromShifts();
    EXPECT_TRUE(notices.notices.empty());

    // Internal pair: a sum at or above xlim = 20 inv(alfat) / (2 tan alfan) = 0.40949 is refused.
    Defaults(kInternalPair);
    Derive();
    notices.Clear();
    G.x1 = G.xlim;
    G.x2 = 0;
    G.xsum = G.x1;
    ComputeCentreDistanceFromShifts();
    EXPECT_DOUBLE_EQ(G.xlim, 0.4094945812639064);
    EXPECT_EQ(notices.Texts(),
              std::vector<std::string>{"There is no solution - the sum of shifting coefficients x1+x2 is less than "
                                       "critical  0.40949"});
}

TEST_F(GeometrieTest, CutterMeshIsNotTestedAgainstThePairsCriticalSum) {
    Defaults(kInternalPair);
    Derive();
    const double df2 = G.df2;
    G.x1 = 1.0;  // the pair's sum is above its critical sum
    notices.Clear();
    ComputeGearDimensions();
    EXPECT_TRUE(notices.notices.empty());
    EXPECT_EQ(G.df2, df2);  // the cutter mesh is independent of x1
    // A cutter mesh without a positive involute has no root: alfaw0 is 0, and the centre distance
    // and rolling diameters are those of alfaw0 = 0, not those of the mesh before.
    EXPECT_TRUE(CutterMeshes());
    G.x0 = 2.5;
    G.x2 = 0;  // inv alfaw0 = 2 tan alfan (x0 + x2) / (z0 + z2) + inv alfat < 0
    ComputeCutterWheelCentreDistance();
    EXPECT_LT(G.invAlfaw0, 0);
    EXPECT_EQ(G.alfaw0, 0);
    EXPECT_DOUBLE_EQ(G.a0, (25 - 40) * 4 / 2.0 * std::cos(G.alfat));
    EXPECT_DOUBLE_EQ(G.dw0, G.dw2c * 25 / -40);
    EXPECT_FALSE(CutterMeshes());
    G.z0 = 40, G.x0 = 0.1;  // as many teeth as the wheel: no mesh either
    ComputeCutterWheelCentreDistance();
    EXPECT_FALSE(CutterMeshes());
}

TEST_F(GeometrieTest, InverseInvoluteWithoutRootBelowTheLimitGivesZero) {
    Defaults(kExternalPair);
    Derive();
    double alpha = 1;
    SolveInverseInvolute(alpha, Inv(1.55), false);
    EXPECT_EQ(alpha, 0);
    SolveInverseInvolute(alpha, Inv(0.02), false);
    EXPECT_NEAR(Inv(alpha), Inv(0.02), 1e-11);
    SolveInverseInvolute(alpha, Inv(1.3), false);
    EXPECT_NEAR(alpha, 1.3, 1e-12);
    EXPECT_TRUE(notices.notices.empty());
}

TEST_F(GeometrieTest, GivenTipDiameterStaysWhileTheRestFollows) {
    Defaults(kExternalPair);
    Derive();
    G.da1Given = true;
    G.da1 = 87;
    G.x1 = 0.2;
    G.xsum = 0.2;
    Derive();
    EXPECT_EQ(G.da1, 87);
    EXPECT_DOUBLE_EQ(G.df1, 80 - 2 * 4 * (1.25 - 0.2));
    EXPECT_GT(G.a, 120);
    EXPECT_NEAR(G.da2, 2 * (G.a - 1) - G.df1, 1e-12);
}

TEST_F(GeometrieTest, PinionDedendumFollowsTheWheelsRack) {
    Defaults(kExternalPair);
    Derive();
    G.haP1 = 1.2;
    G.caP1 = 0.4;
    ComputeGearDimensions();
    EXPECT_DOUBLE_EQ(G.hf1, 5);
    EXPECT_DOUBLE_EQ(G.hf2, 4 * 1.6);
    G.haP2 = 1.1;
    G.caP2 = 0.3;
    ComputeGearDimensions();
    EXPECT_DOUBLE_EQ(G.hf1, 4 * 1.4);
}

TEST_F(GeometrieTest, CentreDistanceFieldResetsToTheReferenceDistance) {
    Defaults(kExternalPair);
    G.x1 = 0.5;
    G.x2 = 0.25;
    G.a = 123.4;
    G.aGiven = true;
    G.ActiveEdit = 8;
    ComputeCentreDistanceFromShifts();
    EXPECT_EQ(G.a, 120);
    EXPECT_EQ(G.x1, 0);
    EXPECT_EQ(G.x2, 0);
    EXPECT_FALSE(G.aGiven);
    EXPECT_EQ(DefaultWindowRecorder().requests, (std::vector<WindowRequest>{{"SetGeometryFieldText", 6, "0.00000"},
                                                                            {"SetGeometryFieldText", 7, "0.00000"},
                                                                            {"SetGeometryFieldText", 8, "120.000"}}));
    // From another field the centre distance follows from the shifts.
    G.aGiven = true;
    G.ActiveEdit = 6;
    G.xsum = 0;
    ComputeCentreDistanceFromShifts();
    EXPECT_NEAR(G.a, 120, kMm);
    EXPECT_FALSE(G.aGiven);
}

TEST_F(GeometrieTest, TipBelowTheBaseCircleIsReportedAndTheRoutineGoesOn) {
    Defaults(kExternalPair);
    Derive();
    G.da1 = 70;  // below db1 = 75.18
    ComputeTipThickness();
    EXPECT_EQ(notices.Texts(),
              std::vector<std::string>{"Invalid argument for arccosinus, impossible gearing parameters"});
    EXPECT_TRUE(std::isfinite(G.sa1));
    EXPECT_NEAR(G.sa2, 3.042658, 1e-6);
}

}  // namespace
