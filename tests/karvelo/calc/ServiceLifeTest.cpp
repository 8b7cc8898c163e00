#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "CoreFixture.h"
#include "karvelo/calc/Global.h"
#include "karvelo/calc/Zivotnost.h"

using namespace karvelo;

namespace {

const double qF = 8.73724908, qF_ = 49.91250338, qH = 13.222469, qH_ = 32.60122926;

// Unit geometry: the bending stress of a level equals its force, the contact stress is
// sqrt(2 F) (d1 = b = 1, u = 1, all factors 1).
class ServiceLifeTest : public test::CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        G.z1 = 20;
        G.z2 = 40;
        G.mn = G.bF1 = G.bF2 = G.b = G.d1 = G.u = 1;
        G.YF1 = G.YF2 = G.YSg1 = G.YSg2 = G.Ybeta = G.YB1 = G.YB2 = G.YDT = 1;
        G.ZB = G.ZD = G.ZE = G.ZH = G.Zepsilon = G.Zbeta = 1;
        G.CalcMethodics = kMethodicsHaibach;
        for (int g : {1, 2}) {
            (g == 1 ? G.Sigmafpb1ref : G.Sigmafpb2ref) = 300;
            (g == 1 ? G.NFlim1 : G.NFlim2) = 3e6;
            (g == 1 ? G.qF1 : G.qF2) = qF;
            (g == 1 ? G.qF_1 : G.qF_2) = qF_;
            (g == 1 ? G.Sigmafpb1stat : G.Sigmafpb2stat) = 1e6;
            (g == 1 ? G.SigmaHP1ref : G.SigmaHP2ref) = 1200;
            (g == 1 ? G.NHlim1 : G.NHlim2) = 5e7;
            (g == 1 ? G.qH1 : G.qH2) = qH;
            (g == 1 ? G.qH_1 : G.qH_2) = qH_;
            (g == 1 ? G.SigmaHP1stat : G.SigmaHP2stat) = 1e6;
        }
    }
    // Levels in ascending load order: forces, pinion class cycles, speeds in entry order.
    static void Levels(const std::vector<double>& force, const std::vector<double>& cycles) {
        const int n = static_cast<int>(force.size());
        G.LevelCount = static_cast<std::int16_t>(n);
        for (int i = 1; i <= n; ++i) {
            LifeLevelForce()[i] = force[i - 1];
            G.NLevel1[i] = cycles[i - 1];
            G.SpectrumCol1[i] = G.SpectrumCol3[i] = 1;
            G.n1Level[i] = 1000;
        }
        G.NLevel2[n] = G.NLevel1[n];
        for (int i = n - 1; i >= 1; --i) G.NLevel2[i] = G.NLevel2[i + 1] + G.NLevel1[i];
        for (int i = 1; i <= n; ++i) {
            G.SigmaF1Level[i] = G.SigmaF2Level[i] = force[i - 1];
            G.SigmaH1Level[i] = G.SigmaH2Level[i] = std::sqrt(2 * force[i - 1]);
        }
    }
};

TEST_F(ServiceLifeTest, SafetyFactorOfOneLevelByHand) {
    Levels({200}, {1e5});
    SolveSafetyFactorF1();
    SolveSafetyFactorF2();
    // By hand, D = n (x s / sref)^q / NL = 1: x = sref / s (NL / n)^(1/q); the wheel runs
    // z1/z2 = 1/2 of the pinion's cycles.
    EXPECT_NEAR(G.SF1life, 1.5 * std::pow(30.0, 1 / qF), 1e-6);
    EXPECT_NEAR(G.SF2life, 1.5 * std::pow(60.0, 1 / qF), 1e-6);
    EXPECT_NEAR(static_cast<double>(ComputeDamageMarginF1(G.SF1life)), 0, 1e-6);

    // An internal wheel counts |z2|.
    G.z2 = -40;
    SolveSafetyFactorF2();
    EXPECT_NEAR(G.SF2life, 1.5 * std::pow(60.0, 1 / qF), 1e-6);

    // Contact: stress sqrt(2 F) = 1000 MPa, below the knee of pitting (not permitted).
    Levels({5e5}, {1e5});
    SolveSafetyFactorH1();
    SolveSafetyFactorH2();
    EXPECT_NEAR(G.SH1life, 1.2 * std::pow(500.0, 1 / qH), 1e-6);
    EXPECT_NEAR(G.SH2life, 1.2 * std::pow(1000.0, 1 / qH), 1e-7);
    // Wheel contact to 1e-7, the others to 1e-6.
    EXPECT_LT(std::fabs(static_cast<double>(ComputeDamageMarginH2(G.SH2life))), 1e-7);
    EXPECT_LT(std::fabs(static_cast<double>(ComputeDamageMarginH1(G.SH1life))), 1e-6);
}

TEST_F(ServiceLifeTest, LifeForTheFoundSafetyFactorIsTheEnteredSpectrum) {
    for (std::int16_t methodics : {kMethodicsMiner, kMethodicsHaibach}) {
        G.CalcMethodics = methodics;
        Levels({320, 450, 600}, {1e5, 2e4, 1e3});
        G.n1Level[1] = 1500;  // speeds in entry order: the largest load first
        G.n1Level[3] = 500;
        SolveSafetyFactorF1();
        SolveSafetyFactorF2();
        EXPECT_GT(G.SF1life, 1) << methodics;
        EXPECT_LT(G.SF1life, 25) << methodics;
        SolveServiceLifeF1();
        SolveServiceLifeF2();
        // Inverse: repetitions 1, so the pinion's life is its 1.21e5 cycles and the wheel's half.
        EXPECT_NEAR(G.LF1, 1.21e5, 1e-5 * 1.21e5) << methodics;
        EXPECT_NEAR(G.LF2, 0.605e5, 1e-5 * 0.605e5) << methodics;
        const double hours = 1e5 / 60 / 500 + 2e4 / 60 / 1000 + 1e3 / 60 / 1500;
        EXPECT_NEAR(G.LifeHoursF1, hours, 1e-5 * hours) << methodics;
        EXPECT_NEAR(G.LifeHoursF2, hours, 1e-5 * hours) << methodics;
        // Twice the safety factor: 2^q times the damage per pass.
        G.SF1life *= 2;
        SolveServiceLifeF1();
        EXPECT_NEAR(G.LF1, 1.21e5 / std::pow(2.0, qF), 1e-5 * G.LF1) << methodics;
        EXPECT_NEAR(static_cast<double>(ComputeLifeDamageMarginF1(G.LF1 / 1.21e5)), 0, 1e-5) << methodics;
    }
}

TEST_F(ServiceLifeTest, NoDamageGivesTheCaps) {
    // Miner, every level below the reference stress: no damage until a level is scaled to it.
    G.CalcMethodics = kMethodicsMiner;
    Levels({200, 280}, {1e6, 1e5});
    EXPECT_EQ(ComputeDamageMarginF1(1.07), 1);  // 280 x 1.07 < 300
    SolveSafetyFactorF1();
    // Scaled by 1.5 or more both levels damage: x^q (1e6 (2/3)^q + 1e5 (14/15)^q) / 3e6 = 1.
    EXPECT_NEAR(G.SF1life, std::pow(3e6 / (1e6 * std::pow(2 / 3.0, qF) + 1e5 * std::pow(14 / 15.0, qF)), 1 / qF), 1e-6);
    G.SF1life = 1.07;  // required: no level reaches the reference stress, no failure
    G.LifeHoursF1 = 123;
    SolveServiceLifeF1();
    EXPECT_EQ(G.LF1, 1e15);
    EXPECT_EQ(G.LifeHoursF1, 123);  // hours are left as they were

    // A root above 25 gives the cap; one between the last 0.1 step below 25 and 25 is bracketed by
    // the cap itself (the summed steps pass 25 at 25.000000000000085).
    G.CalcMethodics = kMethodicsHaibach;
    const double r = std::pow(30.0, 1 / qF);  // scaled stress ratio at D = 1 for 1e5 cycles
    Levels({300 * r / 25.05}, {1e5});
    G.NFstat1 = 1e9;  // the static limit would apply, but not to the cap
    G.Sigmafpb1stat = 1;
    SolveSafetyFactorF1();
    EXPECT_EQ(G.SF1life, 25);
    G.Sigmafpb1stat = 1e6;
    for (double root : {24.95, 24.85}) {
        Levels({300 * r / root}, {1e5});
        SolveSafetyFactorF1();
        EXPECT_NEAR(G.SF1life, root, 1e-6);
    }

    // A level without force does no damage (no division by zero).
    Levels({0, 200}, {1e6, 1e5});
    SolveSafetyFactorF1();
    EXPECT_NEAR(G.SF1life, 1.5 * std::pow(30.0, 1 / qF), 1e-6);
}

TEST_F(ServiceLifeTest, StaticStrengthLimitsTheSafetyFactor) {
    Levels({320, 600}, {1e5, 500});
    G.NFstat1 = 1000;  // the largest level has 500 cycles
    G.Sigmafpb1stat = 700;
    SolveSafetyFactorF1();
    EXPECT_DOUBLE_EQ(G.SF1life, 700.0 / 600);
    G.NFstat1 = 499;  // more cycles than the static range: the curve decides
    SolveSafetyFactorF1();
    EXPECT_GT(G.SF1life, 700.0 / 600);
    EXPECT_NEAR(static_cast<double>(ComputeDamageMarginF1(G.SF1life)), 0, 1e-6);
    // The wheel by its own cycles: 250 of the largest level.
    G.NFstat2 = 250;
    G.Sigmafpb2stat = 700;
    SolveSafetyFactorF2();
    EXPECT_DOUBLE_EQ(G.SF2life, 700.0 / 600);
}

TEST_F(ServiceLifeTest, PittingSegmentAndLocalStresses) {
    G.PittingAllowed1 = true;
    G.SigmaHP1knee = 1560;
    G.qH1knee = 6;
    // Contact stress 1600 MPa above the knee: N = 1e7 / (r / 1.3)^qH, so by hand
    // r = 1.3 (1e7 / n)^(1/qH) and x = r sref / s.
    Levels({1600.0 * 1600 / 2}, {1e5});
    G.SigmaF1 = 11;
    G.SigmaH1 = 22;
    G.SigmaH01 = 33;
    G.SigmaF2 = 44;
    G.SigmaH2 = 55;
    G.SigmaH02 = 66;
    SolveSafetyFactorH1();
    EXPECT_NEAR(G.SH1life, 1.3 * std::pow(100.0, 1 / qH) * 1200 / 1600, 1e-6);
    G.SH1life = 1.3 * 1200 / 1600 * 2;  // r = 2.6: the life is (2)^-qH of 1e7 cycles
    SolveServiceLifeH1();
    EXPECT_NEAR(G.LH1, 1e7 / std::pow(2.0, qH), 1e-5 * G.LH1);
    // Stress 1500 MPa, at or below the knee: the segment through the reference point, exponent pk.
    Levels({1500.0 * 1500 / 2}, {1e5});
    SolveSafetyFactorH1();
    EXPECT_NEAR(G.SH1life, std::pow(500.0, 1.0 / 6) * 1200 / 1500, 1e-6);
    SolveSafetyFactorF1();
    SolveServiceLifeF2();
    // The margins work on their own stresses: the shown results stay.
    EXPECT_EQ(G.SigmaF1, 11);
    EXPECT_EQ(G.SigmaH1, 22);
    EXPECT_EQ(G.SigmaH01, 33);
    EXPECT_EQ(G.SigmaF2, 44);
    EXPECT_EQ(G.SigmaH2, 55);
    EXPECT_EQ(G.SigmaH02, 66);
}

}  // namespace
