#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "karvelo/calc/Geometrie.h"
#include "karvelo/calc/Global.h"
#include "karvelo/calc/Rozmery.h"
#include "karvelo/calc/Vypocet.h"
#include "CoreFixture.h"

using namespace karvelo;

namespace {

// rho w (pi/4) D^2 1e-9 [kg] per unit D^2 for steel 7830 kg/m3 and w = 60 mm
const double kSteel60 = 7830 * 60 * std::numbers::pi / 4 * 1e-9;

class MassTest : public test::CoreTest {
protected:
    static void Case(std::int16_t gearingType) {
        Defaults(gearingType);
        Derive();
        // Exact diameters, as a user would enter them, so the reference values are exact.
        G.da1 = std::nearbyint(G.da1);
        G.da2 = std::nearbyint(G.da2);
        G.df2 = std::nearbyint(G.df2);
    }
};

TEST_F(MassTest, DefaultPairByRings) {
    Case(kExternalPair);
    ComputeGearMassAndInertia();
    // By hand.  Pinion (df1 - 2 sR1 = 0, no hub): teeth ring 79/70 and a solid disc 70, i.e.
    // J = rho b (pi/4) 1e-9 (79^4 - 70^4 + 70^4) / 8.
    EXPECT_NEAR(G.m1, kSteel60 * (79.0 * 79 - 70 * 70 + 70 * 70), 1e-12);
    EXPECT_NEAR(G.J1, kSteel60 * std::pow(79.0, 4) / 8, 1e-9);
    EXPECT_NEAR(G.J1, 1796.4754, 1e-4);
    // Wheel: teeth ring 159/150, rim 150/40, web and hub of zero area (sd2 = 0, df2 - 2 sR2 = dh2 = 40).
    EXPECT_NEAR(G.m2, kSteel60 * (159.0 * 159 - 150 * 150 + 150 * 150 - 40 * 40), 1e-12);
    EXPECT_NEAR(G.J2, kSteel60 * (std::pow(159.0, 4) - std::pow(40.0, 4)) / 8, 1e-9);
}

TEST_F(MassTest, WideWebEnlargesOnlyTheHub) {
    Case(kExternalPair);
    G.sR1 = 10;
    G.sd1 = 5;
    G.dh1 = 20;  // hub 30/20, web 50/30
    G.bs1 = 60;
    ComputeGearMassAndInertia();
    const double m60 = G.m1, J60 = G.J1;
    G.bs1 = 90;
    ComputeGearMassAndInertia();
    // By hand: the web widens from 60 to 90 mm and the hub mass is scaled by 90/60; teeth and rim stay.
    const double webArea = 50.0 * 50 - 30 * 30, hubArea = 30.0 * 30 - 20 * 20;
    EXPECT_NEAR(G.m1 - m60, kSteel60 * (webArea + hubArea) * 0.5, 1e-12);
    EXPECT_NEAR(G.J1 - J60, kSteel60 * 0.5 * (webArea * (2500 + 900) + hubArea * (900 + 400)) / 8, 1e-9);

    G.b1 = 0;  // no face: the hub is not scaled, nothing becomes NaN
    ComputeGearMassAndInertia();
    EXPECT_TRUE(std::isfinite(G.m1));
    EXPECT_NEAR(G.m1, 7830 * 90 * std::numbers::pi / 4 * webArea * 1e-9, 1e-12);
}

TEST_F(MassTest, InternalWheelIsTeethAndRimOnly) {
    Case(kInternalPair);
    ASSERT_EQ(G.df2, -170);
    ASSERT_EQ(G.da2, -152);
    ComputeGearMassAndInertia();
    // By hand: teeth between 161 and 170, rim between 170 and 170 + 2 sR2 = 280.
    const double teeth = 170.0 * 170 - 161 * 161, rim = 280.0 * 280 - 170 * 170;
    EXPECT_NEAR(G.m2, kSteel60 * (teeth + rim), 1e-12);
    EXPECT_NEAR(G.J2, kSteel60 * (teeth * (161.0 * 161 + 170 * 170) + rim * (280.0 * 280 + 170 * 170)) / 8, 1e-9);
    const double m2 = G.m2, J2 = G.J2;
    G.sd2 = 12;
    G.dh2 = 300;
    G.bs2 = 5;
    ComputeGearMassAndInertia();
    EXPECT_EQ(G.m2, m2);
    EXPECT_EQ(G.J2, J2);
}

class StaticOverloadTest : public test::CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        G.LoadInputMethod = kOneLevelLoading;
        G.LevelCount = 1;
        G.Sigmafpb1stat = 900;
        G.SigmaHP1stat = 2500;
        G.Sigmafpb2stat = 880;
        G.SigmaHP2stat = 2450;
    }
};

TEST_F(StaticOverloadTest, OneLoadComparesItsStressesStrictly) {
    G.SigmaF1 = 900;  // equal: not exceeded
    G.SigmaH1 = 2500.0001;
    G.SigmaF2 = 881;
    G.SigmaH2 = 10;
    G.StaticH2Exceeded = true;
    DetectStaticOverloads();
    EXPECT_FALSE(G.StaticF1Exceeded);
    EXPECT_TRUE(G.StaticH1Exceeded);
    EXPECT_TRUE(G.StaticF2Exceeded);
    EXPECT_FALSE(G.StaticH2Exceeded);  // cleared first

    G.LoadInputMethod = kDirectEquivalentLoad;
    G.SigmaF1 = 901;
    DetectStaticOverloads();
    EXPECT_TRUE(G.StaticF1Exceeded);
}

TEST_F(StaticOverloadTest, SpectrumByDamageLooksAtTheMostStressedLevel) {
    G.LoadInputMethod = kMultilevelLoading;
    G.CalcMethodics = kMethodicsHaibach;
    G.LevelCount = 19;
    G.SigmaF1 = 5000;  // the case's own stresses do not count here
    G.SigmaH2Level[19] = 2451;
    G.SigmaF1Level[18] = 5000;  // not the largest load, but the largest stress (a level's own speed)
    G.SigmaF2Level[20] = 5000;  // beyond the levels
    DetectStaticOverloads();
    EXPECT_TRUE(G.StaticF1Exceeded);
    EXPECT_FALSE(G.StaticF2Exceeded);
    EXPECT_TRUE(G.StaticH2Exceeded);

    G.CalcMethodics = kMethodicsEqA2;  // approximate methodics: the case's stresses
    DetectStaticOverloads();
    EXPECT_TRUE(G.StaticF1Exceeded);
    EXPECT_FALSE(G.StaticH2Exceeded);
}

TEST_F(StaticOverloadTest, CurrentServiceLifeAddsTheLargestLevelToOneLoad) {
    G.SigmaH1 = 100;
    G.LevelCount = 1;
    G.SigmaH1Level[1] = 2600;
    DetectStaticOverloads();
    EXPECT_FALSE(G.StaticH1Exceeded);
    G.LifeValid = true;
    DetectStaticOverloads();
    EXPECT_TRUE(G.StaticH1Exceeded);

    G.LevelCount = 0;  // no levels: nothing to read
    DetectStaticOverloads();
    EXPECT_FALSE(G.StaticH1Exceeded);
}

}  // namespace
