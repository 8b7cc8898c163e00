#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "CoreFixture.h"
#include "karvelo/calc/Global.h"
#include "karvelo/calc/Vypocty_ekv.h"

using namespace karvelo;

namespace {

const double qF = 8.73724908, qF_ = 49.91250338, qH = 13.222469, qH_ = 32.60122926;

class EquivalentStressTest : public test::CoreTest {
protected:
    // Level stresses (ascending) and class cycles of one case.
    static void Levels(const std::vector<double>& stress, const std::vector<double>& cycles) {
        const int n = static_cast<int>(stress.size());
        G.LevelCount = static_cast<std::int16_t>(n);
        for (int i = 1; i <= n; ++i) {
            G.CyclesLevel[i] = stress[i - 1];
            G.NLevel1[i] = cycles[i - 1];
        }
        G.NLevel2[n] = G.NLevel1[n];
        for (int i = n - 1; i >= 1; --i) G.NLevel2[i] = G.NLevel2[i + 1] + G.NLevel1[i];
    }
    static void Bending() {
        G.StressCase = "PO";
        G.CaseSigmaLim = 300;
        G.CaseNLim = 3e6;
        G.CaseExponent = qF;
        G.CaseExponent2 = qF_;
        G.Sigmafpb1stat = 700;
    }
    // Pinion contact with pitting permissible: knee 1560 MPa at 1e7 cycles, exponent 6 down to
    // the reference stress 1200 MPa at 5e7.
    static void PittingContact() {
        G.StressCase = "PD";
        G.CaseSigmaLim = 1200;
        G.CaseNLim = 5e7;
        G.CaseExponent = qH;
        G.CaseExponent2 = qH_;
        G.PittingAllowed1 = true;
        G.SigmaHP1knee = 1560;
        G.qH1knee = 6;
        G.SigmaHP1stat = 1920;
    }
};

TEST_F(EquivalentStressTest, OneLevelIsItsOwnEquivalent) {
    Bending();
    for (double s : {320.0, 450.0}) {
        Levels({s}, {2e5});
        ComputeEquivalentStressMiner();
        EXPECT_NEAR(G.CaseEquivalent, s, 1e-9 * s);
        EXPECT_EQ(G.CaseEquivalentCycles, 2e5);
        ComputeEquivalentStressHaibach();
        EXPECT_NEAR(G.CaseEquivalent, s, 1e-9 * s);
        EXPECT_EQ(G.CaseEquivalentCycles, 2e5);
    }
    // Below the knee Haibach keeps it (flatter exponent); Miner sees no damage and rates at the
    // knee the margin of the level's 2e5 cycles: D = 1 at x = 300 / 250 (3e6 / 2e5)^(1/qF).
    Levels({250}, {2e5});
    ComputeEquivalentStressHaibach();
    EXPECT_NEAR(G.CaseEquivalent, 250, 1e-9 * 250);
    ComputeEquivalentStressMiner();
    EXPECT_NEAR(G.CaseEquivalent, 250 * std::pow(15.0, -1 / qF), 1e-6 * 250);
    EXPECT_EQ(G.DamageSum, 0);
    EXPECT_EQ(G.CaseEquivalentCycles, 3e6);
}

TEST_F(EquivalentStressTest, MinerAndHaibachOverAMixedSpectrum) {
    Bending();
    Levels({200, 320, 450}, {1e6, 2e5, 1e4});
    // By hand, d = n / ((slim/S)^p NL): 0.117166290531 (320 MPa), 0.115194551037 (450 MPa);
    // Miner drops 200 MPa and refers to the 210000 cycles at or above the limit.
    ComputeEquivalentStressMiner();
    EXPECT_NEAR(G.DamageSum, 0.117166290531 + 0.115194551037, 1e-11);
    EXPECT_NEAR(G.CaseEquivalent, 344.158448535, 1e-8);
    EXPECT_EQ(G.CaseEquivalentCycles, 210000);
    EXPECT_EQ(G.SigmaFP1Level[1], 0);
    EXPECT_NEAR(G.SigmaFP1Level[3], 0.115194551037, 1e-11);
    EXPECT_EQ(G.SF1Level[1], 1e6);
    EXPECT_EQ(G.SF1Level[3], 1e4);

    // Haibach adds 5.41655531e-10 for 200 MPa with p2 and refers to all 1210000 cycles; the
    // result lies below the knee, by the flatter exponent.
    ComputeEquivalentStressHaibach();
    EXPECT_NEAR(G.SigmaFP1Level[1], 5.41655531330e-10, 1e-20);
    EXPECT_NEAR(G.CaseEquivalent, 296.703612672, 1e-8);
    EXPECT_EQ(G.CaseEquivalentCycles, 1210000);

    // Every level below the knee: Miner no damage, at the knee the margin at which both levels
    // damage (D = 1 at x >= 1.5); Haibach a stress below slim referred to all cycles (by hand
    // 238.274139600).
    Levels({200, 250}, {1e6, 1e5});
    ComputeEquivalentStressMiner();
    const double x = std::pow(3e6 / (1e5 * std::pow(250 / 300.0, qF) + 1e6 * std::pow(200 / 300.0, qF)), 1 / qF);
    ASSERT_GT(x, 1.5);
    EXPECT_NEAR(G.CaseEquivalent, 300 / x, 1e-6 * 300);
    EXPECT_EQ(G.CaseEquivalentCycles, 3e6);
    ComputeEquivalentStressHaibach();
    EXPECT_NEAR(G.CaseEquivalent, 238.274139600, 1e-8);
    EXPECT_EQ(G.CaseEquivalentCycles, 1.1e6);
}

TEST_F(EquivalentStressTest, StaticStrengthAndEmptySpectra) {
    Bending();
    Levels({320, 700}, {2e5, 100});  // the largest level reaches the static stress
    ComputeEquivalentStressMiner();
    EXPECT_EQ(G.CaseEquivalent, 700);
    ComputeEquivalentStressHaibach();
    EXPECT_EQ(G.CaseEquivalent, 700);
    G.Sigmafpb1stat = 700.001;
    ComputeEquivalentStressHaibach();
    EXPECT_LT(G.CaseEquivalent, 700);

    // A spectrum without cycles: no damage and no division by the zero damage sum.
    Levels({320, 450}, {0, 0});
    ComputeEquivalentStressHaibach();
    EXPECT_EQ(G.DamageSum, 0);
    EXPECT_EQ(G.CaseEquivalent, 0);
    EXPECT_EQ(G.CaseEquivalentCycles, 0);
    G.Sigmafpb1stat = 400;  // the static check still runs after it
    ComputeEquivalentStressHaibach();
    EXPECT_EQ(G.CaseEquivalent, 450);
}

TEST_F(EquivalentStressTest, PittingCurveSegments) {
    PittingContact();
    // Wholly above the knee: the 1e7-cycle segment with qH (by hand 1612.869026367) for both.
    Levels({1600, 1700}, {1e5, 1e4});
    ComputeEquivalentStressMiner();
    EXPECT_NEAR(G.CaseEquivalent, 1612.869026367, 1e-8);
    ComputeEquivalentStressHaibach();
    EXPECT_NEAR(G.CaseEquivalent, 1612.869026367, 1e-8);
    EXPECT_NEAR(G.SigmaHP1Level[1], 0.0139761041409, 1e-13);
    EXPECT_EQ(G.SH1Level[2], 1e4);
    // Between the reference stress and the knee: exponent pk (by hand 1310.802233567).
    Levels({1300, 1400}, {1e5, 1e4});
    ComputeEquivalentStressMiner();
    EXPECT_NEAR(G.CaseEquivalent, 1310.802233567, 1e-8);
    // Haibach with a level below the reference stress (p2 for it): by hand 1145.726212104.
    Levels({1100, 1300, 1400}, {1e6, 1e5, 1e4});
    ComputeEquivalentStressHaibach();
    EXPECT_NEAR(G.CaseEquivalent, 1145.726212104, 1e-8);
    // Without pitting the same stresses run on the plain curve.
    G.PittingAllowed1 = false;
    ComputeEquivalentStressHaibach();
    EXPECT_GT(std::fabs(G.CaseEquivalent - 1145.726212104), 1);
}

TEST_F(EquivalentStressTest, EachCaseWritesItsOwnDamageArrays) {
    Bending();
    Levels({320, 450}, {2e5, 1e4});
    const char* cases[4] = {"PO", "PD", "KO", "KD"};
    TLevelArray* damage[4] = {&G.SigmaFP1Level, &G.SigmaHP1Level, &G.SigmaFP2Level, &G.SigmaHP2Level};
    TLevelArray* cycles[4] = {&G.SF1Level, &G.SH1Level, &G.SF2Level, &G.SH2Level};
    for (int c = 0; c < 4; ++c) {
        G.StressCase = cases[c];
        ComputeEquivalentStressHaibach();
        for (int o = 0; o < 4; ++o) {
            EXPECT_EQ((*damage[o])[2] > 0, o <= c) << cases[c] << " " << o;
            EXPECT_EQ((*cycles[o])[2] == 1e4, o <= c) << cases[c] << " " << o;
        }
    }
}

TEST_F(EquivalentStressTest, LevelStressesAndTheirForces) {
    G.LevelCount = 2;
    G.LoadAsForce = false;
    G.SpectrumY[1] = 400;  // N.m: 10000 N on d1 = 80 mm
    G.SpectrumY[2] = 100;
    G.SpectrumCol3[1] = 1.2;
    G.SpectrumCol3[2] = 1.0;
    G.SpectrumCol1[1] = 1.44;
    G.SpectrumCol1[2] = 1.0;
    G.d1 = 80;
    G.mn = 4;
    G.bF1 = 60;
    G.bF2 = 64;
    G.b = 60;
    G.u = 2;
    G.YF1 = 2.5;
    G.YF2 = 2.0;
    G.YSg1 = G.YSg2 = 1.8;
    G.Ybeta = G.YB1 = G.YB2 = G.YDT = 1;
    G.ZB = 1.1;
    G.ZD = 1;
    G.ZE = 189.8;
    G.ZH = 2.5;
    G.Zepsilon = 0.9;
    G.Zbeta = 1;

    G.StressCase = "PO";
    ComputeLevelStressesForCase();
    // By hand: 10000 / (60 4) 2.5 1.8 1.2 = 225 at the largest level, ascending order.
    EXPECT_DOUBLE_EQ(G.CyclesLevel[2], 225);
    EXPECT_DOUBLE_EQ(G.CyclesLevel[1], 2500.0 / 240 * 4.5);
    G.StressCase = "KO";
    ComputeLevelStressesForCase();
    EXPECT_DOUBLE_EQ(G.CyclesLevel[2], 10000.0 / 256 * 2 * 1.8 * 1.2);
    G.StressCase = "PD";
    ComputeLevelStressesForCase();
    // By hand: sqrt(1.44) sqrt(10000 3 / (60 80 2)) 1.1 189.8 2.5 0.9
    EXPECT_DOUBLE_EQ(G.CyclesLevel[2], 1.2 * std::sqrt(30000.0 / 9600) * 1.1 * 189.8 * 2.5 * 0.9);
    G.StressCase = "KD";
    ComputeLevelStressesForCase();
    EXPECT_DOUBLE_EQ(G.CyclesLevel[2], 1.2 * std::sqrt(30000.0 / 9600) * 189.8 * 2.5 * 0.9);
    G.StressCase = "XX";  // no case: nothing is written
    G.CyclesLevel[2] = -1;
    ComputeLevelStressesForCase();
    EXPECT_EQ(G.CyclesLevel[2], -1);

    // The forces invert the level stresses at the factor product.
    for (bool wheel : {false, true})
        for (bool contact : {false, true}) {
            const double s = LevelStress(wheel, contact, 12345, 1.3);
            EXPECT_NEAR(ForceFromStress(wheel, contact, s, 1.3), 12345, 1e-8);
        }
    G.SigmaF1ekv = 225;
    G.SigmaF2ekv = 10000.0 / 256 * 2 * 1.8;
    G.SigmaH1ekv = G.SigmaH2ekv = 0;
    G.KFekv = 1.2;
    G.KHekv = 1;
    ComputeForcesFromEquivalentStresses();
    EXPECT_NEAR(CurrentWorkingForces().ForceF1, 10000, 1e-9);
    EXPECT_NEAR(CurrentWorkingForces().ForceF2, 10000 / 1.2, 1e-9);
    EXPECT_EQ(CurrentWorkingForces().ForceH1, 0);
    G.SigmaHP1ref = LevelStress(true, true, 10000, 1.44);  // the wheel's at 10000 N with KH = 1.44
    G.KHPerm = 1.44;
    G.KFPerm = 1;
    ComputeForcesFromReferenceStresses();
    EXPECT_NEAR(CurrentWorkingForces().ForceH1 * 1.1 * 1.1, 10000, 1e-8);
}

}  // namespace
