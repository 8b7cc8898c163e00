// A load spectrum through its evaluation, the service-life driver and the calculation.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "CoreFixture.h"
#include "karvelo/calc/Global.h"
#include "karvelo/calc/Soubory.h"
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

TEST_F(SpectrumRoadTest, SpectrumWithoutDamageIsRatedByItsServiceLife) {
    DefaultSpectrum(kMethodicsMiner);
    for (int i = 1; i <= 5; ++i) G.SpectrumY[i] /= 100;  // every level far below the knees (Miner)
    EvaluateAsTheMainWindowDoes();
    // No damaging load: rated at the knee.
    EXPECT_EQ(G.NF1ekv, G.NFlim1);
    EXPECT_GT(G.FtFe1, 0);
    RunCalculation();
    ASSERT_TRUE(G.ResumeCalculation);
    const GlobalData main = G;
    // The service life: bending reaches no damage sum of 1 by the cap 25; the flanks do, beyond
    // their static strength, which limits them (the largest level's 3000 cycles are in its range).
    // The main window shows the same.
    G.LifeFormActive = true;
    G.LifeInHours = true;
    ComputeServiceLife();
    EXPECT_EQ(G.SF1life, 25);
    EXPECT_EQ(G.SF2life, 25);
    EXPECT_DOUBLE_EQ(G.SH1life, G.SigmaHP1stat / G.SigmaH1Level[5]);
    EXPECT_DOUBLE_EQ(G.SH2life, G.SigmaHP2stat / G.SigmaH2Level[5]);
    EXPECT_DOUBLE_EQ(main.SF1, G.SF1life);
    EXPECT_DOUBLE_EQ(main.SF2, G.SF2life);
    EXPECT_DOUBLE_EQ(main.SH1, G.SH1life);
    EXPECT_DOUBLE_EQ(main.SH2, G.SH2life);
}

// The main window's Miner factors are the service life's where no level damages: the case's
// spectrum made Miner, with level speeds of their own (the stresses out of the loads' order; also
// where only a middle load damages), with the wheel's top level short of the knee's cycles, and
// with that level's load on both sides of the knee (no damage below, damage above).
TEST_F(SpectrumRoadTest, MinerSpectrumIsRatedLikeItsServiceLife) {
    struct Row {
        const char* what;
        double load[3], speed[3];
    };
    const double n1 = 1165.88486625;
    const Row rows[] = {
        {"stresses out of the loads' order", {40000, 32762.4, 24000}, {100, 3000, n1}},
        {"only a middle load damages", {50000, 40953, 30000}, {100, 3000, n1}},
        {"the wheel's top level short of the knee's cycles", {50000, 40953, 30000}, {n1, n1, n1}},
        {"its load just below the knee", {56000, 40953, 30000}, {n1, n1, n1}},
        {"its load just above the knee", {56300, 40953, 30000}, {n1, n1, n1}},
    };
    const auto calculate = [](const Row& row, double scale) {
        LoadCase(std::string(TEST_SOURCE_ROOT) + "/tests/karvelo/cases/spectrum-then-one-level.PEV");
        G.CalcMethodics = kMethodicsMiner;
        G.HypothesisHaibach = false;
        for (int j = 1; j <= 3; ++j) G.SpectrumY[j] = scale * row.load[j - 1], G.n1Level[j] = row.speed[j - 1];
        return CalculateCase();
    };
    using D = GlobalData;
    const double D::*shown[4] = {&D::SF1, &D::SF2, &D::SH1, &D::SH2};
    const double D::*life[4] = {&D::SF1life, &D::SF2life, &D::SH1life, &D::SH2life};
    double topSH2[2] = {};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ASSERT_TRUE(calculate(row, 1));
        const GlobalData main = G;
        G.LifeFormActive = G.LifeInHours = true;
        ComputeServiceLife();
        for (int k = 0; k < 4; ++k) EXPECT_NEAR(main.*shown[k], G.*life[k], 1e-6 * G.*life[k]) << k;
        // What the row stands for.
        const TLevelArray& f1 = main.SigmaF1Level;
        EXPECT_EQ(f1[1] <= f1[2] && f1[2] <= f1[3], row.speed[1] == n1);
        if (row.speed[1] == n1) {
            EXPECT_LT(main.SH2Level[3], main.NHlim2);
        }
        if (row.load[0] >= 56000) {
            topSH2[row.load[0] > 56000] = main.SH2;
            EXPECT_EQ(main.SigmaHP2Level[3] > 0, row.load[0] > 56000);  // the top level's damage
        }
    }
    // Across the knee the factor follows the load: contact stress by its square root.
    EXPECT_NEAR(topSH2[0] / topSH2[1], std::sqrt(56300 / 56000.0), 1e-3);

    // The static strength judges the most stressed level, here the middle load.
    ASSERT_TRUE(calculate(rows[1], 2.6));
    ASSERT_LT(G.SigmaH1Level[3], G.SigmaHP1stat);
    ASSERT_GE(G.SigmaH1Level[2], G.SigmaHP1stat);
    EXPECT_EQ(G.SigmaH1ekv, G.SigmaH1Level[2]);
    EXPECT_EQ(G.SigmaHP1, G.SigmaHP1stat);
}

// One strength case of a calculated spectrum by Miner's rule, written out: level stresses
// (ascending), the gear's own class cycles, the S-N curve through the reference stress at the
// knee and the static strength with its cycle number.
struct MinerCase {
    int levels;
    TLevelArray s, n;
    double ref, nl, q, stat, nstat;
    // Only a level whose scaled stress reaches the knee damages, on the curve above it.
    double Damage(double k) const {
        double d = 0;
        for (int i = 1; i <= levels; ++i)
            if (k * s[i] >= ref) d += n[i] * std::pow(k * s[i] / ref, q) / nl;
        return d;
    }
    // The factor at which the damage sum reaches 1 (bisection: it grows with k), the cap 25, the
    // static strength for a most stressed level of few cycles.
    double SafetyFactor() const {
        if (Damage(25) < 1) return 25;
        double lo = 0, hi = 25;
        for (int pass = 0; pass < 200; ++pass) (Damage((lo + hi) / 2) < 1 ? lo : hi) = (lo + hi) / 2;
        const int top = static_cast<int>(std::max_element(&s[1], &s[1] + levels) - &s[1]) + 1;
        return n[top] <= nstat ? std::min(hi, stat / s[top]) : hi;
    }
    // Cycles until the damage sum at the required factor reaches 1.
    double Life(double k) const {
        double cycles = 0;
        for (int i = 1; i <= levels; ++i) cycles += n[i];
        return Damage(k) > 0 ? cycles / Damage(k) : 1e15;
    }
    // The main window: the stress doing the damage sum in the cycles of the damaging levels against
    // the permissible stress at those cycles; without damage the service life's factor.
    double Rating() const {
        double cycles = 0;
        for (int i = 1; i <= levels; ++i) cycles += s[i] >= ref ? n[i] : 0;
        if (cycles == 0) return SafetyFactor();
        const double equivalent = ref * std::pow(nl * Damage(1) / cycles, 1 / q);
        return std::min(stat, ref * std::max(1.0, std::pow(nl / cycles, 1 / q))) / equivalent;
    }
};

TEST_F(SpectrumRoadTest, SafetyFactorsAndLivesFollowMinersRule) {
    using D = GlobalData;
    struct Case {
        bool wheel;
        TLevelArray D::*s;
        double D::*ref, D::*nl, D::*q, D::*stat, D::*nstat, D::*shown, D::*safety, D::*life;
        double required;
    };
    const Case cases[4] = {
        {false, &D::SigmaF1Level, &D::Sigmafpb1ref, &D::NFlim1, &D::qF1, &D::Sigmafpb1stat, &D::NFstat1, &D::SF1,
         &D::SF1life, &D::LF1, 1.4},
        {true, &D::SigmaF2Level, &D::Sigmafpb2ref, &D::NFlim2, &D::qF2, &D::Sigmafpb2stat, &D::NFstat2, &D::SF2,
         &D::SF2life, &D::LF2, 1.4},
        {false, &D::SigmaH1Level, &D::SigmaHP1ref, &D::NHlim1, &D::qH1, &D::SigmaHP1stat, &D::NHstat1, &D::SH1,
         &D::SH1life, &D::LH1, 1.2},
        {true, &D::SigmaH2Level, &D::SigmaHP2ref, &D::NHlim2, &D::qH2, &D::SigmaHP2stat, &D::NHstat2, &D::SH2,
         &D::SH2life, &D::LH2, 1.2},
    };
    // Torques [N.m] and cumulated hours of the stage pair's three levels, the largest first, and by
    // Haibach per case the main window's and the service life's safety factors and the life.
    struct Spectrum {
        const char* what;
        double load[3], hours[3];
        double haibach[4][3];
    };
    const Spectrum spectra[] = {
        {"the case",
         {50000, 40953, 30000},
         {1000, 50000, 124200},
         {{1.006283821500257, 1.0062838077545162, 3503496.7803810243},
          {0.96389765293194074, 0.95874242782592767, 1803517.842815246},
          {1.0092478578189719, 1.0092478275299077, 76087528.87265785},
          {1.0527511962840066, 1.0527511835098262, 76087552.162315831}}},
        {"all above the knee",
         {100000, 81906, 60000},
         {0.1, 0.2, 0.3},
         {{1.0744939223204497, 1.0744939804077138, 2078.7770085415546},
          {1.1657381874645862, 1.1657382965087888, 1070.4547863872192},
          {1.2260424323291628, 1.1518102088591899, 252079.70238810388},
          {1.2260424323291628, 1.1518102088591899, 252079.90400678548}}},
        {"one crossing the knee scaled below 1",
         {80000, 55200, 20000},
         {2.5, 1400, 2000},
         {{0.9277000118951374, 0.89200329780578591, 174706.55629428595},
          {0.89196823807976167, 0.86188464164733847, 89964.30021361183},
          {0.98687278515677967, 0.98667640686035174, 7007231.7773102038},
          {1.0455898762636544, 1.061771428585053, 7007236.7063383469}}},
        {"far below the knee",
         {5000, 4095, 3000},
         {1000, 50000, 124200},
         {{6.6279140742566858, 6.6279138565063427, 1e15},
          {6.314781670391663, 6.3147815704345636, 1e15},
          {2.5370941540125407, 2.5370941162109366, 1e15},
          {2.646454867383969, 2.6464548349380501, 1e15}}},
    };
    for (const Spectrum& sp : spectra) {
        for (std::int16_t methodics : {kMethodicsMiner, kMethodicsHaibach}) {
            SCOPED_TRACE(std::string(sp.what) + (methodics == kMethodicsMiner ? ", Miner" : ", Haibach"));
            LoadCase(std::string(TEST_SOURCE_ROOT) + "/tests/karvelo/cases/spectrum-then-one-level.PEV");
            G.CalcMethodics = methodics;
            G.HypothesisHaibach = methodics == kMethodicsHaibach;
            G.KA = 1;  // as the service-life window takes it: both windows rate the same loads
            for (int j = 1; j <= 3; ++j) G.SpectrumY[j] = sp.load[j - 1], G.SpectrumX[j] = sp.hours[j - 1];
            ASSERT_TRUE(CalculateCase());
            const GlobalData main = G;
            G.LifeFormActive = G.LifeInHours = true;
            ComputeServiceLife();
            const GlobalData safety = G;
            G.LifeInHours = false;
            G.LifeFromSafety = true;
            for (const Case& c : cases) G.*c.safety = c.required;
            ComputeServiceLife();
            for (int k = 0; k < 4; ++k) {
                const Case& c = cases[k];
                const double found[3] = {main.*c.shown, safety.*c.safety, G.*c.life};
                if (methodics == kMethodicsHaibach) {
                    for (int r = 0; r < 3; ++r) EXPECT_EQ(found[r], sp.haibach[k][r]) << k << " " << r;
                    continue;
                }
                MinerCase m{main.LevelCount, main.*c.s, {},           main.*c.ref,
                            main.*c.nl,      main.*c.q, main.*c.stat, main.*c.nstat};
                for (int i = 1; i <= m.levels; ++i)
                    m.n[i] = main.NLevel1[i] * (c.wheel ? main.z1 / std::fabs(main.z2) : 1);
                // Without damage the rating is the service life's search, to its tolerance.
                const double tolerance = m.Damage(1) > 0 ? 1e-9 : 1e-6;
                EXPECT_NEAR(found[0], m.Rating(), tolerance * m.Rating()) << k;
                EXPECT_NEAR(found[1], m.SafetyFactor(), 1e-6 * m.SafetyFactor()) << k;
                EXPECT_NEAR(found[2], m.Life(c.required), 1e-5 * m.Life(c.required)) << k;
            }
        }
    }
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
