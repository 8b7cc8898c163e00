#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "LoadCaseFixture.h"
#include "karvelo/calc/Global.h"
#include "karvelo/calc/Vypocty1.h"

using namespace karvelo;

namespace {

class ForcesTest : public test::LoadCaseTest {};

TEST_F(ForcesTest, SingleLoadFromTorqueAndMissingLoad) {
    DefaultCase();
    G.Tjm = 3000;
    ComputeForcesFromTorques();
    EXPECT_DOUBLE_EQ(G.Ftjm, 2000 * 3000 / 80.0);  // 2000 T / d1
    EXPECT_EQ(G.Ft, G.Ftjm);
    EXPECT_EQ(G.FtF, G.Ftjm);

    G.LoadAsForce = true;
    G.Ftjm = 0;
    G.Tjm = 0;
    ComputeForcesFromTorques();
    EXPECT_FALSE(G.ResumeCalculation);
    EXPECT_EQ(notices.Texts(), std::vector<std::string>{"There are no loading data."});
}

TEST_F(ForcesTest, EquivalentForcesTakeTheLargerAndReplaceZero) {
    DefaultCase();
    G.LoadInputMethod = kMultilevelLoading;
    G.CalcMethodics = kMethodicsMiner;
    G.TFe1 = 1000, G.THe1 = 2000, G.TFe2 = 1000, G.THe2 = 0;
    ComputeForcesFromTorques();
    EXPECT_DOUBLE_EQ(G.FtFe1, 25000);
    EXPECT_DOUBLE_EQ(G.FtHe1, 50000);
    EXPECT_DOUBLE_EQ(G.FtF, 25000);  // tie: the wheel's, equal here
    EXPECT_DOUBLE_EQ(G.Ft, 50000);
    EXPECT_EQ(G.FtHe2Used, 0);  // a spectrum case without damage keeps no load
    EXPECT_DOUBLE_EQ(G.Ftjm, 50000);

    G.LoadInputMethod = kDirectEquivalentLoad;
    G.LoadAsForce = true;
    G.FtFe1 = G.FtHe1 = G.FtFe2 = G.FtHe2 = 0;
    ComputeForcesFromTorques();
    EXPECT_EQ(G.Ft, 125000);
    EXPECT_EQ(G.FtF, 125000);
    EXPECT_EQ(G.Ftjm, 125000);
    EXPECT_EQ(G.FtHe2Used, 125000);  // a zero force given directly is computed with 125000 N
    EXPECT_TRUE(notices.notices.empty());
}

TEST_F(ForcesTest, EffectiveFaceWidths) {
    DefaultCase();
    struct Case {
        double b1, b2, db, b, bF1, bF2;
    };
    // By hand: the wider gear gets at most one module (4 mm) beyond the overlap at each free end.
    const Case cases[] = {
        {60, 60, 0, 60, 60, 60},    // equal widths
        {70, 60, 5, 60, 68, 60},    // the wheel lies within the pinion: 60 + 4 + min(4, 5)
        {70, 60, 12, 58, 62, 60},   // the wheel sticks out on one side: b = b1 - db
        {60, 50, -5, 45, 49, 49},   // negative offset, b1 >= b2: b = b2 - |db|
        {50, 70, -5, 50, 50, 58},   // the pinion lies within the wheel: 50 + 4 + min(4, 15)
        {50, 70, -25, 45, 49, 49},  // the pinion sticks out
    };
    for (const Case& c : cases) {
        G.b1 = c.b1, G.b2 = c.b2, G.db = c.db;
        ComputeEffectiveFaceWidths();
        EXPECT_DOUBLE_EQ(G.b, c.b) << c.b1 << " " << c.b2 << " " << c.db;
        EXPECT_DOUBLE_EQ(G.bF1, c.bF1) << c.b1 << " " << c.b2 << " " << c.db;
        EXPECT_DOUBLE_EQ(G.bF2, c.bF2) << c.b1 << " " << c.b2 << " " << c.db;
        EXPECT_DOUBLE_EQ(G.bFmin, std::min(c.bF1, c.bF2));
    }
}

class StiffnessTest : public test::LoadCaseTest {};

TEST_F(StiffnessTest, DefaultPairByTheStandard) {
    DefaultCase();
    ComputeToothStiffness();
    // Derived by hand from ISO 6336-1: q' = 0.04723 + 0.15551/20 + 0.25791/40, CB = CR = 1, steel,
    // c' = 0.8/q', cgammaAlpha = (0.75 epsalfa + 0.25) c' with epsalfa = 1.63519.
    EXPECT_NEAR(G.cprime, 13.01802589773527, 1e-12);
    EXPECT_NEAR(G.cgammaAlpha, 19.21967639033218, 1e-11);
    EXPECT_NEAR(G.cgammaBeta, 0.85 * G.cgammaAlpha, 1e-12);
}

TEST_F(StiffnessTest, BlankRackAndContactRatioFactors) {
    DefaultCase();
    ComputeToothStiffness();
    const double base = G.cprime;
    // bs/b = 0.1 counts as 0.2 and sR/mn = 0.5 as 1: CR = 1 + ln 0.2 / (5 e^0.2).
    G.bs1 = 6, G.sR1 = 2;
    ComputeToothStiffness();
    EXPECT_NEAR(G.cprime / base, 1 + std::log(0.2) / (5 * std::exp(0.2)), 1e-12);
    G.bs1 = 12;  // exactly 0.2
    ComputeToothStiffness();
    EXPECT_NEAR(G.cprime / base, 1 + std::log(0.2) / (5 * std::exp(0.2)), 1e-12);
    G.bs1 = 90;  // 1.5 counts as 1.2, but the pair takes the smaller CR: the wheel's 1
    ComputeToothStiffness();
    EXPECT_NEAR(G.cprime, base, 1e-12);
    G.bs1 = 60, G.sR1 = 35;
    // Rack with a 1.2 dedendum on both gears, 25 degrees: CB = (1 + 0.5 (1.25 - 1.2)) (1 + 0.1).
    G.caP1 = G.caP2 = 0.2;
    G.alfan = 25 * std::numbers::pi / 180;
    ComputeToothStiffness();
    EXPECT_NEAR(G.cprime / base, 1.025 * 1.1, 1e-12);

    // Below epsalfa 1.2 the mesh stiffness is lowered by 1.05: force a short contact by the tips.
    DefaultCase();
    G.da1 = 82, G.da2 = 162;
    ComputeToothStiffness();
    ASSERT_LT(G.epsalfa, 1.2);
    EXPECT_NEAR(G.cgammaAlpha, (0.75 * G.epsalfa + 0.25) * G.cprime / 1.05, 1e-12);
}

TEST_F(StiffnessTest, EnteredStiffnessAndMaterials) {
    DefaultCase();
    G.cDirect = true;
    G.cprime = 10;
    ComputeToothStiffness();
    EXPECT_EQ(G.cprime, 10);
    EXPECT_NEAR(G.cgammaAlpha, (0.75 * G.epsalfa + 0.25) * 10, 1e-12);
    // A cast iron wheel: Eeq = 2 E1 E2 / (E1 + E2).
    G.cDirect = false;
    ComputeToothStiffness();
    const double steel = G.cprime;
    G.E2 = 103000;
    ComputeToothStiffness();
    EXPECT_NEAR(G.cprime / steel, 2 * 103000.0 / (206000 + 103000), 1e-12);
}

TEST_F(StiffnessTest, ReducedMassOfExternalAndInternalPairs) {
    DefaultCase();
    ComputeReducedMass();
    // Derived by hand from ISO 6336-1: full pinion, wheel ring q2 = (150 - 110)/159, u = 2.
    EXPECT_NEAR(G.mred, 0.01694022698484504, 1e-15);

    DefaultCase(kInternalPair);
    const double dm1 = (G.df1 + G.da1) / 2;
    const double pinionOnly = (std::numbers::pi / 8) * std::pow(dm1 / G.db1, 2) * dm1 * dm1 * 7830e-9;
    ComputeReducedMass();
    EXPECT_GT(G.mred, pinionOnly);  // the ring's negative term enlarges the mass, kept
    // A thin ring makes the wheel term outweigh the pinion: the ring is taken as rigid.
    G.sR2 = 0.1;
    ComputeReducedMass();
    EXPECT_NEAR(G.mred, pinionOnly, 1e-15);
}

TEST_F(StiffnessTest, ReducedMassFromEnteredInertia) {
    DefaultCase();
    G.mredISO = false;
    G.JDirect = true;  // J1 = 20, J2 = 40 kg.mm2 as entered
    ComputeKvMethodB();
    // By hand: J* = J/b, mred = J1* J2* / (rb2^2 J1* + rb1^2 J2*).
    EXPECT_NEAR(G.mred, 7.864405079387457e-05, 1e-18);
    EXPECT_EQ(G.J1, 20);
    G.JDirect = false;  // the moments of the gear bodies
    ComputeKvMethodB();
    EXPECT_NEAR(G.J1, 1796.4754, 1e-4);
}

TEST_F(StiffnessTest, NonPositiveFlexibilityStops) {
    DefaultCase();
    G.zn1 = -2;  // garbage from a damaged case: q' < 0
    ComputeToothStiffness();
    EXPECT_FALSE(G.ResumeCalculation);
    ASSERT_EQ(notices.notices.size(), 1u);
    EXPECT_EQ(notices.notices[0].text,
              "Tooth stiffness c' can not be calculated for these gears.\rEnter stiffness directly in the window "
              "Dimensions.");
}

}  // namespace
