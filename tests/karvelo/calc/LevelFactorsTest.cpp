#include <gtest/gtest.h>

#include <cmath>

#include "LoadCaseFixture.h"
#include "karvelo/calc/Global.h"
#include "karvelo/calc/KHbeta_vyp.h"
#include "karvelo/calc/Vypocet1i.h"
#include "karvelo/calc/Vypocty1.h"

using namespace karvelo;

namespace {

// A spectrum whose levels 1 and 3 carry the single load at its speed, level 2 nothing and level 4
// the single load at twice the speed.
class LevelFactorsTest : public test::LoadCaseTest {
protected:
    static void SpectrumCase() {
        DefaultCase();
        G.KHbetaDirect = false;
        G.KHbetaMethod = "ISO_C";
        G.Zepsilon = std::sqrt((4 - 1.6351859635569683) / 3);
        G.LevelCount = 4;
        for (int i = 1; i <= 4; ++i) {
            G.FtLevel[i] = i == 2 ? 0 : G.Ftjm;
            G.n1Level[i] = i == 4 ? 2 * G.n1 : G.n1;
        }
    }
    static void AsSpectrum() { G.LoadInputMethod = kMultilevelLoading, G.CalcMethodics = kMethodicsMiner; }
};

TEST_F(LevelFactorsTest, LevelEqualToTheSingleLoadGetsItsFactors) {
    SpectrumCase();
    ComputeKvMethodB();
    const double KvB = G.Kv;
    ComputeKvMethodC();
    const double KvC = G.Kv;
    // The level's KHbeta has no dynamic factor in its load: compare with Kv entered as 1.
    G.KvDirect = true;
    G.Kv = 1;
    ComputeKHbeta();
    const double KHbeta = G.KHbeta;
    G.KvDirect = false;
    G.Kv = KvB;
    ComputeKHalpha();
    const double KHalfa = G.KHalfa, KFalfa = G.KFalfa;

    AsSpectrum();
    ComputeKvMethodBLevel(1);
    EXPECT_DOUBLE_EQ(G.KvLevel[1], KvB);
    ComputeKvMethodCLevel(3);
    EXPECT_DOUBLE_EQ(G.KvLevel[3], KvC);
    ComputeKHbetaLevel(1);
    EXPECT_DOUBLE_EQ(G.KHbetaLevel[1], KHbeta);
    EXPECT_DOUBLE_EQ(G.KFbetaLevel[1], std::pow(KHbeta, G.NF));
    G.KvLevel[1] = KvB;
    G.KHbetaLevel[1] = G.KHbeta;
    ComputeKHalphaLevel(1);
    EXPECT_DOUBLE_EQ(G.KHalfaLevel[1], KHalfa);
    EXPECT_DOUBLE_EQ(G.KFalfaLevel[1], KFalfa);
    EXPECT_TRUE(G.ResumeCalculation);
}

TEST_F(LevelFactorsTest, LevelSpeedCounts) {
    SpectrumCase();
    AsSpectrum();
    ComputeKvMethodBLevel(1);
    ComputeKvMethodBLevel(4);
    // Subcritical: Kv - 1 grows with the speed ratio N (both levels have the same running-in).
    EXPECT_NEAR(G.KvLevel[4] - 1, 2 * (G.KvLevel[1] - 1), 1e-12);
}

TEST_F(LevelFactorsTest, LevelWithoutLoad) {
    SpectrumCase();
    AsSpectrum();
    G.KHbetaLevel[2] = G.KFbetaLevel[2] = G.KvLevel[2] = G.KHalfaLevel[2] = G.KFalfaLevel[2] = 3;
    ComputeKHbetaLevel(2);
    ComputeKvMethodCLevel(2);
    ComputeKHalphaLevel(2);
    EXPECT_EQ(G.KHbetaLevel[2], 1);
    EXPECT_EQ(G.KFbetaLevel[2], 1);
    EXPECT_EQ(G.KvLevel[2], 1);
    EXPECT_EQ(G.KHalfaLevel[2], 1);
    EXPECT_EQ(G.KFalfaLevel[2], 1);
    EXPECT_EQ(G.ValidityKinds[26], 0);  // method C says nothing
    G.KvLevel[2] = 3;
    ComputeKvMethodBLevel(2);
    EXPECT_EQ(G.KvLevel[2], 1);
    EXPECT_EQ(G.ValidityKinds[26], 1);  // the small-load restriction of method B
    G.FtLevel[2] = 0.001;               // loaded from 0.001 N
    ComputeKvMethodCLevel(2);
    EXPECT_GT(G.KvLevel[2], 1000);
}

TEST_F(LevelFactorsTest, EnteredFactorsStand) {
    SpectrumCase();
    AsSpectrum();
    G.KHbetaDirect = true;
    for (int i = 1; i <= 4; ++i) G.KHbetaLevel[i] = 1 + 0.1 * i;
    G.b1 = 80;  // the KFbeta exponent follows the current face widths: bF1 = 64, bF2 = 60
    ComputeKHbetaLevel(3);
    EXPECT_EQ(G.bF1, 64);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(G.KHbetaLevel[i], 1 + 0.1 * i);
        EXPECT_DOUBLE_EQ(G.KFbetaLevel[i], std::pow(1 + 0.1 * i, G.NF));
    }
    G.KFbetaDirect = true;
    G.KFbetaLevel[1] = 2;
    ComputeKFbetaLevels();
    EXPECT_EQ(G.KFbetaLevel[1], 2);

    G.KHalfaDirect = true;
    G.KHalfaLevel[1] = 1.9;
    G.FtLevel[1] = 5000;
    ComputeKHalphaLevel(1);
    EXPECT_EQ(G.KHalfaLevel[1], 1.9);
    EXPECT_GT(G.KFalfaLevel[1], 1);
}

}  // namespace
