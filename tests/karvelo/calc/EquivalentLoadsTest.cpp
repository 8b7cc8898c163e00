#include <gtest/gtest.h>

#include <cmath>

#include "CoreFixture.h"
#include "karvelo/calc/Epsilon.h"
#include "karvelo/calc/Global.h"
#include "karvelo/calc/Vypocty_ekv.h"

using namespace karvelo;

namespace {

class EquivalentLoadsTest : public test::CoreTest {
protected:
    // The default case as a spectrum of its five levels at the pinion speed.
    static void DefaultSpectrum(std::int16_t methodics) {
        Defaults(kExternalPair);
        Derive();
        G.LoadInputMethod = kMultilevelLoading;
        G.CalcMethodics = methodics;
        G.HypothesisHaibach = methodics == kMethodicsHaibach;
        for (int i = 1; i <= 5; ++i) G.n1Level[i] = G.n1;
        ConvertSpectrumUnits();
        BuildClassAndCumulativeSpectra();
    }
    // Per-level factors in entry order (level 1 = largest load).
    static void Column(TLevelArray& column, std::initializer_list<double> values) {
        int i = 1;
        for (double v : values) column[i++] = v;
    }
};

TEST_F(EquivalentLoadsTest, GivenFactorsAreInterpolatedAtTheEquivalentStresses) {
    G.LevelCount = 3;
    G.KFbetaDirect = true;  // keep the entered KFbeta column
    G.b1 = G.b2 = 60;
    G.mn = 4;
    Column(G.KvLevel, {1.3, 1.2, 1.1});
    Column(G.KFalfaLevel, {1.0, 1.4, 1.0});
    Column(G.KFbetaLevel, {1.05, 1.05, 1.05});
    Column(G.KHalfaLevel, {1.0, 1.0, 1.2});
    Column(G.KHbetaLevel, {1.6, 1.3, 1.0});
    Column(G.SigmaF1Level, {100, 200, 300});  // ascending
    Column(G.SigmaF2Level, {100, 200, 300});
    Column(G.SigmaH1Level, {1000, 1100, 1200});
    Column(G.SigmaH2Level, {1000, 1100, 1200});
    const GlobalData before = G;
    G.SigmaF1ekv = 250;   // halfway between the middle and the largest load
    G.SigmaF2ekv = 50;    // below the smallest level: its factors
    G.SigmaH1ekv = 1025;  // a quarter from the smallest to the middle level
    G.SigmaH2ekv = 1200;  // at the largest level: its factors
    ComputeEquivalentForcesGivenFactors();
    // By hand, linear in the stress.
    EXPECT_NEAR(G.KvEkv, 1.3, 1e-12);      // the largest of 1.25, 1.1, 1.125, 1.3
    EXPECT_NEAR(G.KFalfaEkv, 1.2, 1e-12);  // F1: 1.4 + (1.0 - 1.4) 0.5
    EXPECT_NEAR(G.KFbetaEkv, 1.05, 1e-12);
    EXPECT_NEAR(G.KHalfaEkv, 1.15, 1e-12);  // H1: 1.2 + (1.0 - 1.2) 0.25
    EXPECT_NEAR(G.KHbetaEkv, 1.6, 1e-12);   // H2 at the largest load
    EXPECT_NEAR(G.KHekv, 1.3 * 1.6 * 1.15, 1e-12);
    EXPECT_NEAR(G.KFekv, 1.3 * 1.05 * 1.2, 1e-12);
    // The columns are in entry order again.
    EXPECT_EQ(G.KvLevel, before.KvLevel);
    EXPECT_EQ(G.KHbetaLevel, before.KHbetaLevel);
    EXPECT_EQ(G.KFalfaLevel, before.KFalfaLevel);

    // The permissible twin at the reference stresses.
    G.Sigmafpb1ref = G.Sigmafpb2ref = 150;
    G.SigmaHP1ref = G.SigmaHP2ref = 1150;
    ComputePermissibleForcesGivenFactors();
    EXPECT_NEAR(G.KvPerm, 1.25, 1e-12);  // contact: halfway between 1.2 and 1.3
    EXPECT_NEAR(G.KFalfaPerm, 1.2, 1e-12);
    EXPECT_NEAR(G.KHbetaPerm, 1.45, 1e-12);
    EXPECT_NEAR(G.KHPerm, 1.25 * 1.45 * 1.0, 1e-12);

    // One level: its own factors whatever the stress.
    G.LevelCount = 1;
    G.SigmaF1Level[1] = 300;
    ComputeEquivalentForcesGivenFactors();
    EXPECT_EQ(G.KvEkv, 1.3);
}

TEST_F(EquivalentLoadsTest, IteratedFactorsSettleAndLeaveLevelOneAsItWas) {
    DefaultSpectrum(kMethodicsHaibach);
    ComputeContactRatios();
    // Stresses and factors of the default pair, as the stress routines would leave them.
    G.YF1 = 2.8;
    G.YF2 = 2.5;
    G.YSg1 = G.YSg2 = 1.7;
    G.Ybeta = G.YB1 = G.YB2 = G.YDT = 1;
    G.ZB = G.ZD = G.Zbeta = 1;
    G.ZE = 189.8;
    G.ZH = 2.49;
    G.Zepsilon = 0.9;
    G.SigmaF1ekv = 300;
    G.SigmaF2ekv = 280;
    G.SigmaH1ekv = 1100;
    G.SigmaH2ekv = 1050;
    G.Sigmafpb1ref = G.Sigmafpb2ref = 500;
    G.SigmaHP1ref = G.SigmaHP2ref = 1500;
    for (int i = 1; i <= 5; ++i) G.FtLevel[i] = G.SpectrumY[i] * 2000 / G.d1;
    const GlobalData before = G;
    for (bool methodC : {false, true}) {
        G.MethodC = methodC;
        ComputeEquivalentForcesIterated();
        ComputePermissibleForcesIterated();
        EXPECT_EQ(G.FtLevel, before.FtLevel);
        EXPECT_EQ(G.KvLevel, before.KvLevel);
        EXPECT_EQ(G.KHalfaLevel, before.KHalfaLevel);
        EXPECT_EQ(G.KFalfaLevel[1], before.KFalfaLevel[1]);
        EXPECT_EQ(G.KHbetaLevel, before.KHbetaLevel);
        for (double k : {G.KvEkv, G.KHekv, G.KFekv, G.KvPerm, G.KHPerm, G.KFPerm}) {
            EXPECT_TRUE(std::isfinite(k)) << methodC;
            EXPECT_GE(k, 1) << methodC;
        }
        EXPECT_GT(G.KvPerm, 1) << methodC;
        EXPECT_NEAR(G.KHPerm, G.KvPerm * G.KHbetaPerm * G.KHalfaPerm, 1e-12);
        // Settled: within 1 N of the forces at the factors found.
        const WorkingForces w = CurrentWorkingForces();
        const double sum = ForceFromStress(false, false, 500, G.KFPerm) + ForceFromStress(true, false, 500, G.KFPerm) +
                           ForceFromStress(false, true, 1500, G.KHPerm) + ForceFromStress(true, true, 1500, G.KHPerm);
        EXPECT_NEAR(w.Sum(), sum, 1e-6 * sum) << methodC;
    }
    EXPECT_TRUE(notices.notices.empty());  // the default pair lies within the accuracy ranges
}

TEST_F(EquivalentLoadsTest, UnitFactorsGiveForcesFromTheStressesAlone) {
    for (std::int16_t methodics : {kMethodicsMiner, kMethodicsHaibach}) {
        DefaultSpectrum(methodics);
        ASSERT_TRUE(G.SpectrumLevelsShown);  // default: entered per-level factors, all 1
        ComputeEquivalentLoads();
        EXPECT_TRUE(G.ResumeCalculation);
        for (double k : {G.KvEkv, G.KHbetaEkv, G.KFbetaEkv, G.KHalfaEkv, G.KFalfaEkv, G.KHekv, G.KFekv, G.KvPerm,
                         G.KHPerm, G.KFPerm})
            EXPECT_EQ(k, 1) << methodics;
        // By hand from the stress formula: F = sigma bF mn / (YF YSg Ybeta YB YDT).
        EXPECT_NEAR(G.FtFe1, G.SigmaF1ekv * G.bF1 * G.mn / (G.YF1 * G.YSg1 * G.Ybeta * G.YB1 * G.YDT), 1e-9 * G.FtFe1);
        EXPECT_NEAR(G.TFe1, G.FtFe1 * G.d1 / 2000, 1e-9);
        EXPECT_NEAR(G.FtFP2, G.Sigmafpb2ref * G.bF2 * G.mn / (G.YF2 * G.YSg2 * G.Ybeta * G.YB2 * G.YDT),
                    1e-9 * G.FtFP2);
        EXPECT_NEAR(G.THP1, G.FtHP1 * G.d1 / 2000, 1e-9);  // torque entry: permissible torques too
        EXPECT_GT(G.SigmaH1ekv, 0);
        // Level stresses ascending, equivalent stress between the extremes (or at the static limit).
        EXPECT_LT(G.SigmaF1Level[1], G.SigmaF1Level[5]);
        EXPECT_LE(G.SigmaF1ekv, G.SigmaF1Level[5]);
        EXPECT_EQ(G.NLevel1[1], 100000);  // pinion cycles again
        EXPECT_EQ(G.StressCase, "PO");    // the default case, as before
    }
}

TEST_F(EquivalentLoadsTest, OneLevelSpectrumHasTheLevelLoad) {
    DefaultSpectrum(kMethodicsHaibach);
    G.LevelCount = 1;
    G.SpectrumY[1] = 1500;  // N.m
    G.SpectrumX[1] = 1e5;
    ConvertSpectrumUnits();
    BuildClassAndCumulativeSpectra();
    ComputeEquivalentLoads();
    const double force = 1500 * 2000 / G.d1;
    EXPECT_NEAR(G.FtFe1, force, 1e-6 * force);
    EXPECT_NEAR(G.FtHe2, force, 1e-6 * force);
    EXPECT_NEAR(G.THe1, 1500, 1e-6 * 1500);
    EXPECT_EQ(G.NF1ekv, 1e5);
    EXPECT_EQ(G.NF2ekv, 0.5e5);
}

TEST_F(EquivalentLoadsTest, DirectEquivalentLoadsAreLeftAlone) {
    DefaultSpectrum(kMethodicsHaibach);
    G.LoadInputMethod = kDirectEquivalentLoad;
    const GlobalData before = G;
    ComputeEquivalentLoads();
    EXPECT_TRUE(G == before);
}

}  // namespace
