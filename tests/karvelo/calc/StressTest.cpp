// Contact and tooth-root stresses of one case: single-level damage, stresses, safety factors.
#include <cmath>

#include "CoreFixture.h"
#include "karvelo/calc/Vypocet.h"

namespace karvelo::test {
namespace {

class StressTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        Defaults(kExternalPair);
        // The S-N curves of the default steel: reference stresses 1500 (contact) and 500 (bending),
        // knees at 5e7 and 3e6 cycles; required cycles 6e7 (pinion) and 3e7 (wheel).
        G.SigmaHP1ref = G.SigmaHP2ref = 1500;
        G.Sigmafpb1ref = G.Sigmafpb2ref = 500;
    }
};

// Damages n / N with N = Nlim (ref / s)^q, derived by hand from the default S-N data:
// s = 1600: 6e7 / (5e7 (1500/1600)^13.222469) = 2.817022; s = 1400 by Haibach:
// 6e7 / (5e7 (1500/1400)^32.601229) = 0.126574, by Miner 0.
TEST_F(StressTest, SingleContactLevelDamageByMinerAndHaibach) {
    G.LoadInputMethod = kOneLevelLoading;
    G.LevelCount = 5;
    G.SigmaH1 = 1600;
    G.SigmaH2 = 1400;
    G.HypothesisHaibach = false;
    StoreSingleContactLevel();
    EXPECT_EQ(G.LevelCount, 1);
    EXPECT_EQ(G.SigmaH1Level[1], 1600);
    EXPECT_EQ(G.SH1Level[1], 6e7);
    EXPECT_EQ(G.SH2Level[1], 3e7);
    EXPECT_NEAR(G.SigmaHP1Level[1], 2.8170216, 1e-6);
    EXPECT_EQ(G.SigmaHP2Level[1], 0.0);
    G.HypothesisHaibach = true;
    G.SigmaH2 = 1400;
    G.NL2 = 6e7;
    StoreSingleContactLevel();
    EXPECT_NEAR(G.SigmaHP2Level[1], 0.1265737, 1e-6);
    EXPECT_NEAR(G.SigmaHP1Level[1], 2.8170216, 1e-6);  // above the limit both hypotheses agree
}

// Permissible pitting: the curve runs through (knee = 1800, 1e7) with qH above it and through
// (ref, Nlim) with qHknee = ln(5e7 / 1e7) / ln(1800 / 1500) = 8.827469 between.  Hand values:
// s = 1650: 6e7 / (5e7 (1500/1650)^8.827469) = 2.783389; s = 1900: 6e7 / (1e7 (1800/1900)^13.222469)
// = 12.263920.  The curve is continuous at the knee, and Miner applies it to both gears whatever
// case the equivalent-stress routines left in StressCase.
TEST_F(StressTest, PittingCurveIsContinuousAtTheKneeForBothHypotheses) {
    for (bool haibach : {true, false}) {
        G.HypothesisHaibach = haibach;
        G.StressCase = "PO";
        G.PittingAllowed1 = G.PittingAllowed2 = true;
        G.SigmaHP1knee = G.SigmaHP2knee = 1800;
        G.qH1knee = G.qH2knee = std::log(5.0) / std::log(1.2);
        G.SigmaH1 = 1650;
        G.SigmaH2 = 1900;
        StoreSingleContactLevel();
        EXPECT_NEAR(G.SigmaHP1Level[1], 2.7833889, 1e-6) << haibach;
        EXPECT_NEAR(G.SigmaHP2Level[1], 6.1319600, 1e-6) << haibach;  // wheel: 3e7 cycles

        G.SigmaH1 = 1800;
        G.SigmaH2 = 1800 * (1 - 1e-12);
        StoreSingleContactLevel();
        EXPECT_NEAR(G.SigmaHP1Level[1], 6.0, 1e-9);  // 6e7 / 1e7
        EXPECT_NEAR(G.SigmaHP2Level[1], 3.0, 1e-6);  // just below the knee: 3e7 / 1e7
    }
}

// f = 6e7 / (3e6 (500/600)^8.737249) = 98.368549; Haibach below: 3e7 / (3e6 (500/450)^49.912503)
// = 0.052015.
TEST_F(StressTest, SingleBendingLevelDamageAndNoLoad) {
    G.SigmaF1 = 600;
    G.SigmaF2 = 450;
    G.HypothesisHaibach = true;
    StoreSingleBendingLevel();
    EXPECT_EQ(G.LevelCount, 1);
    EXPECT_EQ(G.SigmaF2Level[1], 450);
    EXPECT_EQ(G.SF1Level[1], 6e7);
    EXPECT_NEAR(G.SigmaFP1Level[1], 98.368549, 1e-5);
    EXPECT_NEAR(G.SigmaFP2Level[1], 0.0520151, 1e-6);
    G.HypothesisHaibach = false;
    StoreSingleBendingLevel();
    EXPECT_EQ(G.SigmaFP2Level[1], 0.0);

    // No load does no damage (and divides by nothing).
    G.HypothesisHaibach = true;
    G.SigmaF1 = G.SigmaF2 = G.SigmaH1 = G.SigmaH2 = 0;
    StoreSingleBendingLevel();
    StoreSingleContactLevel();
    EXPECT_EQ(G.SigmaFP1Level[1], 0.0);
    EXPECT_EQ(G.SigmaFP2Level[1], 0.0);
    EXPECT_EQ(G.SigmaHP1Level[1], 0.0);
    EXPECT_EQ(G.SigmaHP2Level[1], 0.0);
}

}  // namespace
}  // namespace karvelo::test
