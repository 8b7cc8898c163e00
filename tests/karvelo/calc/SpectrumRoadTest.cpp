// A load spectrum through its evaluation, the service-life driver and the calculation.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "CoreFixture.h"
#include "karvelo/calc/Global.h"
#include "karvelo/calc/Vypocet.h"
#include "karvelo/calc/Vypocet1i.h"
#include "karvelo/calc/Vypocty_ekv.h"
#include "karvelo/calc/Zivotnost.h"

using namespace karvelo;

namespace {

class SpectrumRoadTest : public test::CoreTest {
protected:
    // The default case switched to its five-level spectrum at the pinion speed.
    void DefaultSpectrum(std::int16_t methodics) {
        Defaults(kExternalPair);
        Derive();
        G.LoadInputMethod = kMultilevelLoading;
        G.CalcMethodics = methodics;
        G.HypothesisHaibach = methodics != kMethodicsMiner;
        for (int i = 1; i <= 5; ++i) G.n1Level[i] = G.n1;
        notices.Clear();
        DefaultWindowRecorder().Clear();
    }
    // What the main window's Calculation command runs for a spectrum before the calculation.
    static void EvaluateAsTheMainWindowDoes() {
        PrepareSpectrumLevels();
        EvaluateSpectrum();
    }
    static std::vector<std::string> Windows() { return DefaultWindowRecorder().Names(); }
    static bool OnlyNonModalRequests() {
        for (const std::string& w : Windows())
            if (w != "SetValidityButtonVisible" && w != "EnableLifeDrawButton" && w != "HideLifeArrowLabel")
                return false;
        return true;
    }
};

TEST_F(SpectrumRoadTest, DefaultSpectrumCalculatesByEveryMethodics) {
    for (bool levelFactorsGiven : {true, false}) {
        for (std::int16_t methodics : {kMethodicsFigA3, kMethodicsEqA2, kMethodicsMiner, kMethodicsHaibach}) {
            DefaultSpectrum(methodics);
            G.SpectrumLevelsShown = levelFactorsGiven;
            for (int pass = 0; pass < 2; ++pass) {  // the second pass uses the level factors of the first
                EvaluateAsTheMainWindowDoes();
                ASSERT_TRUE(G.ResumeCalculation) << methodics;
                RunCalculation();
                ASSERT_TRUE(G.ResumeCalculation) << methodics << " " << levelFactorsGiven;
            }
            for (double v : {G.SF1, G.SF2, G.SH1, G.SH2, G.SigmaF1, G.SigmaH2, G.SigmaFP1, G.SigmaHP2})
                EXPECT_TRUE(std::isfinite(v) && v > 0) << methodics << " " << levelFactorsGiven;
            EXPECT_TRUE(notices.notices.empty()) << methodics;
            EXPECT_TRUE(OnlyNonModalRequests()) << methodics;
            EXPECT_EQ(G.LevelCount, 5);
            if (methodics < kMethodicsMiner) {
                EXPECT_GT(G.KA, 1) << methodics;
            } else {
                EXPECT_GT(G.FtFe1, 0) << methodics;
                EXPECT_GT(G.FtHP2, 0) << methodics;
                EXPECT_GE(G.KvEkv, 1) << methodics;
                // The equivalent loads are what the stresses are computed from.
                EXPECT_EQ(G.FtFe1Used, G.FtFe1);
            }
        }
    }
}

TEST_F(SpectrumRoadTest, ServiceLifeDriverSolvesTheWindowsChoice) {
    DefaultSpectrum(kMethodicsHaibach);
    for (int i = 1; i <= 5; ++i) G.SpectrumY[i] /= 3;  // bending wholly on the S-N curve
    EvaluateAsTheMainWindowDoes();
    RunCalculation();
    ASSERT_TRUE(G.ResumeCalculation);
    const GlobalData shown = G;

    // Window closed: no solver runs, the "Draw" button is enabled.
    ComputeServiceLife();
    EXPECT_EQ(G.SF1life, shown.SF1life);
    EXPECT_EQ(Windows().back(), "EnableLifeDrawButton");

    G.LifeFormActive = true;
    G.LifeInHours = true;  // safety factors for the entered spectrum
    ComputeServiceLife();
    for (double sf : {G.SF1life, G.SF2life, G.SH1life, G.SH2life}) {
        EXPECT_GT(sf, 1);
        EXPECT_LT(sf, 25);
    }
    // The 3000 cycles of the largest load lie within the static range of the flanks: the static
    // strength limits the contact safety factors.
    ASSERT_LE(G.NLevel2[5], G.NHstat1);
    EXPECT_DOUBLE_EQ(G.SH1life, G.SigmaHP1stat / G.SigmaH1Level[5]);
    EXPECT_DOUBLE_EQ(G.SH2life, G.SigmaHP2stat / G.SigmaH2Level[5]);
    ASSERT_GT(G.NLevel2[5], G.NFstat1);
    // The columns are in entry order again and the shown results are those of the calculation.
    EXPECT_EQ(G.KvLevel, shown.KvLevel);
    EXPECT_EQ(G.SpectrumCol1, shown.SpectrumCol1);
    EXPECT_EQ(G.SigmaF1, shown.SigmaF1);
    EXPECT_EQ(G.SigmaH2, shown.SigmaH2);
    EXPECT_EQ(G.SH1, shown.SH1);

    // Inverse: the lives at the bending safety factors are the entered spectrum's cycles.
    G.LifeInHours = false;
    G.LifeFromSafety = true;
    ComputeServiceLife();
    EXPECT_NEAR(G.LF1, G.NL1, 1e-5 * G.NL1);
    EXPECT_NEAR(G.LF2, G.NL2, 1e-5 * G.NL2);
    EXPECT_NEAR(G.LifeHoursF1, G.NL1h, 1e-5 * G.NL1h);
    // The static limits scale both flanks to the same stresses and the wheel makes half the
    // pinion's cycles: twice the repetitions, the same count of (its own) cycles.
    EXPECT_NEAR(G.LH2, G.LH1, 1e-5 * G.LH1);
    EXPECT_GT(G.LH1, G.NL1);  // the static limit lowered the safety factor: a longer life
    EXPECT_EQ(G.SigmaF1, shown.SigmaF1);
}

TEST_F(SpectrumRoadTest, EvaluationInTheOpenLifeWindowMakesTheLifeCurrent) {
    DefaultSpectrum(kMethodicsMiner);
    G.LifeFormActive = true;
    G.LifeInHours = true;
    G.SF1life = 0;
    EvaluateAsTheMainWindowDoes();
    EXPECT_TRUE(G.ResumeCalculation);
    EXPECT_TRUE(G.LifeValid);
    EXPECT_GT(G.SF1life, 0);
    EXPECT_EQ(Windows(),
              (std::vector<std::string>{"EnableLifeDrawButton", "EnableLifeDrawButton", "HideLifeArrowLabel"}));
}

TEST_F(SpectrumRoadTest, SpectrumWithoutDamageHasNoEquivalentLoad) {
    DefaultSpectrum(kMethodicsMiner);
    for (int i = 1; i <= 5; ++i) G.SpectrumY[i] /= 100;  // every level far below the knees (Miner)
    EvaluateAsTheMainWindowDoes();
    EXPECT_EQ(G.SigmaF1ekv, 0);
    EXPECT_EQ(G.FtFe1, 0);
    EXPECT_EQ(G.THe2, 0);
    RunCalculation();
    ASSERT_TRUE(G.ResumeCalculation);
    // No damaging load: no stress from a substitute force, the no-damage safety factor.
    EXPECT_EQ(G.FtFe1Used, 0);
    EXPECT_EQ(G.SigmaF1, 0);
    EXPECT_EQ(G.SigmaH2, 0);
    EXPECT_EQ(G.SF1, 25);
    EXPECT_EQ(G.SF2, 25);
    EXPECT_EQ(G.SH1, 25);
    EXPECT_EQ(G.SH2, 25);
    // The service life agrees: no failure.
    G.LifeFormActive = true;
    G.LifeInHours = true;
    ComputeServiceLife();
    EXPECT_EQ(G.SF1life, 25);
    EXPECT_EQ(G.SH2life, 25);
}

TEST_F(SpectrumRoadTest, SpectrumThatCannotBeEvaluatedStops) {
    const std::string refused =
        "The load spectrum can not be evaluated: the load, the cycles (hours) and the speed of every level must be "
        "greater than 0, and cumulated cycles (hours) must grow from level to level.";
    DefaultSpectrum(kMethodicsHaibach);
    G.n1Level[3] = 0;
    const double tfe1 = G.TFe1;
    EvaluateSpectrum();
    EXPECT_FALSE(G.ResumeCalculation);
    EXPECT_EQ(notices.Texts(), std::vector<std::string>{refused});
    EXPECT_EQ(G.TFe1, tfe1);

    notices.Clear();
    DefaultSpectrum(kMethodicsEqA2);
    G.Tjm = 0;  // no nominal load for the application factors
    EvaluateSpectrum();
    EXPECT_FALSE(G.ResumeCalculation);
    EXPECT_EQ(notices.Texts(),
              std::vector<std::string>{"The application factor KAF1 can not be calculated from these input data."});

    // More levels than the table holds: the evaluation, the service life and the calculation stop.
    for (int count : {0, 21}) {
        notices.Clear();
        DefaultSpectrum(kMethodicsHaibach);
        G.LevelCount = static_cast<std::int16_t>(count);
        EvaluateSpectrum();
        ComputeServiceLife();
        ComputeKFbetaLevels();
        G.SpectrumLevelsShown = false;
        for (bool methodC : {false, true}) {
            G.MethodC = methodC;
            RunCalculation();
            EXPECT_FALSE(G.ResumeCalculation);
        }
        EXPECT_EQ(notices.Texts(), std::vector<std::string>(4, "The number of load levels must be from 1 to 20."))
            << count;
    }
}

}  // namespace
