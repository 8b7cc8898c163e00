#include <gtest/gtest.h>

#include <cmath>

#include "CoreFixture.h"
#include "karvelo/calc/Global.h"
#include "karvelo/calc/Vypocty_ekv.h"

using namespace karvelo;

namespace {

class SpectrumTest : public test::CoreTest {
protected:
    // The default five-level spectrum: torques 7000 .. 800 N.m, cumulative cycles 3000 .. 200000.
    static void DefaultSpectrum() {
        Defaults(kExternalPair);
        Derive();
        G.LoadInputMethod = kMultilevelLoading;
        for (int i = 1; i <= 5; ++i) G.n1Level[i] = G.n1;
    }
    static void Prepare() {
        ConvertSpectrumUnits();
        BuildClassAndCumulativeSpectra();
    }
    static void SetLevels(std::initializer_list<double> x) {
        int i = 1;
        for (double v : x) G.SpectrumX[i++] = v;
    }
};

const double kClass[5] = {3000, 17000, 30000, 50000, 100000};  // class cycles of the default spectrum

TEST_F(SpectrumTest, EveryEntryFormGivesTheSameWorkingArrays) {
    DefaultSpectrum();
    const double speeds[5] = {1000, 1500, 750, 1200, 900};
    for (int i = 1; i <= 5; ++i) G.n1Level[i] = speeds[i - 1];
    Prepare();
    const GlobalData cumulativeCycles = G;

    G.SpectrumXMode = false;  // cycles per level
    for (int i = 1; i <= 5; ++i) G.SpectrumX[i] = kClass[i - 1];
    Prepare();
    EXPECT_EQ(G.NLevel1, cumulativeCycles.NLevel1);
    EXPECT_EQ(G.NLevel2, cumulativeCycles.NLevel2);
    EXPECT_EQ(G.ClassHours, cumulativeCycles.ClassHours);
    EXPECT_EQ(G.NL1, cumulativeCycles.NL1);
    EXPECT_EQ(G.NL1h, cumulativeCycles.NL1h);

    for (bool cumulative : {false, true}) {
        G.SpectrumInCycles = false;  // hours, per level or cumulated
        G.SpectrumXMode = cumulative;
        double h = 0;
        for (int i = 1; i <= 5; ++i) {
            h += kClass[i - 1] / 60 / speeds[i - 1];
            G.SpectrumX[i] = cumulative ? h : kClass[i - 1] / 60 / speeds[i - 1];
        }
        Prepare();
        for (int i = 1; i <= 5; ++i) {
            EXPECT_NEAR(G.NLevel1[i], cumulativeCycles.NLevel1[i], 1e-9 * cumulativeCycles.NLevel1[i]) << i;
            EXPECT_NEAR(G.NLevel2[i], cumulativeCycles.NLevel2[i], 1e-9 * cumulativeCycles.NLevel2[i]) << i;
            EXPECT_NEAR(G.CumulativeHours[i], cumulativeCycles.CumulativeHours[i], 1e-9) << i;
        }
        EXPECT_NEAR(G.NL1, 200000, 1e-6);
        EXPECT_NEAR(G.NL1h, cumulativeCycles.NL1h, 1e-9);
    }
}

TEST_F(SpectrumTest, WorkingFormIsInAscendingLoadOrderWithBothWheelTotals) {
    DefaultSpectrum();
    G.z2 = -40;  // an internal wheel counts |z2|
    G.NL2 = G.NL2h = 0;
    ConvertSpectrumUnits();
    EXPECT_EQ(G.NLevel1[1], 3000);  // entry order until the spectra are built
    EXPECT_EQ(G.NL1, 200000);
    EXPECT_EQ(G.NL2, 100000);
    EXPECT_DOUBLE_EQ(G.NL1h, 200000.0 / 60 / 1000);
    EXPECT_EQ(G.NL2h, G.NL1h);
    BuildClassAndCumulativeSpectra();
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(G.NLevel1[i], kClass[5 - i]) << i;
        EXPECT_EQ(G.CyclesLevel[i], G.SpectrumY[6 - i]) << i;
    }
    EXPECT_EQ(G.NLevel2[1], 200000);  // all cycles
    EXPECT_EQ(G.NLevel2[5], 3000);    // the largest load alone
    EXPECT_EQ(G.NLevel2[2], 100000);

    ConvertCyclesPinionToWheel();
    EXPECT_EQ(G.NLevel2[1], 100000);
    EXPECT_EQ(G.NLevel1[5], 1500);
    ConvertCyclesWheelToPinion();
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(G.NLevel1[i], kClass[5 - i]) << i;

    // Entered in hours, the wheel's hours are the pinion's and its cycles follow z1/|z2|.
    G.SpectrumInCycles = false;
    SetLevels({1, 2, 3, 4, 5});
    ConvertSpectrumUnits();
    EXPECT_EQ(G.NL1h, 5);
    EXPECT_EQ(G.NL2h, 5);
    EXPECT_EQ(G.NL1, 5 * 60 * 1000);
    EXPECT_EQ(G.NL2, G.NL1 / 2);
}

TEST_F(SpectrumTest, DefaultSpectrumByEquationA2) {
    DefaultSpectrum();
    G.CalcMethodics = kMethodicsEqA2;
    Prepare();
    ComputeApproximateEquivalentLoads();
    // By hand, equation A.2 over the whole spectrum (200000 cycles, below both endurance cycle
    // numbers), Teq = (sum n T^p / 200000)^(1/p): bending p = qF = 8.73724908, contact p = qH/2 =
    // 6.6112345.  The wheel counts half the cycles at every level: the same weights.
    EXPECT_NEAR(G.TFe1, 4909.017745826, 1e-6);
    EXPECT_NEAR(G.TFe2, 4909.017745826, 1e-6);
    EXPECT_NEAR(G.THe1, 4595.453060518, 1e-6);
    EXPECT_NEAR(G.THe2, 4595.453060518, 1e-6);
    EXPECT_NEAR(G.KAF1, 4909.017745826 / 2500, 1e-9);
    EXPECT_NEAR(G.KAH2, 4595.453060518 / 2500, 1e-9);
    EXPECT_NEAR(G.KA, 1.963607098330, 1e-9);
    EXPECT_EQ(G.NFe1, 200000);  // the whole spectrum, in the cycles of each gear
    EXPECT_EQ(G.NHe1, 200000);
    EXPECT_EQ(G.NFe2, 100000);
    EXPECT_EQ(G.NHe2, 100000);
    // The cycle arrays are the pinion's again; forces are not touched with torque entry.
    EXPECT_EQ(G.NLevel1[1], 100000);
    EXPECT_EQ(G.NLevel2[1], 200000);
    EXPECT_EQ(G.FtFe1, 0);

    G.LoadAsForce = true;  // the same spectrum read as forces against the nominal force
    G.Ftjm = 2500;
    ComputeApproximateEquivalentLoads();
    EXPECT_NEAR(G.FtFe1, 4909.017745826, 1e-6);
    EXPECT_NEAR(G.KA, 1.963607098330, 1e-9);
}

TEST_F(SpectrumTest, EquationA2CutsTheSpectrumAtTheEnduranceCycles) {
    DefaultSpectrum();
    Prepare();
    G.CaseExponent = 8;
    // NL inside the second smallest load's cumulative range: levels above it whole, the 1000 N.m
    // level filled up to NL, 800 N.m dropped.  By hand: (sum n T^8 + (60000 - 50000) 1000^8) / 60000.
    G.CaseNLim = 60000;
    ComputeEquivalentLoadEqA2();
    const double top = 3000 * std::pow(7000.0, 8) + 17000 * std::pow(6000.0, 8) + 30000 * std::pow(5000.0, 8);
    EXPECT_NEAR(G.CaseEquivalent, std::pow((top + 10000 * std::pow(1000.0, 8)) / 60000, 1.0 / 8), 1e-7);
    EXPECT_EQ(ApproximateWork().CrossingLevel, 2);
    EXPECT_EQ(ApproximateWork().ReferredCycles, 60000);
    EXPECT_EQ(ApproximateWork().B[1], 0);

    // The largest load alone has more than NL cycles: that load, at NL cycles.
    G.CaseNLim = 2000;
    ComputeEquivalentLoadEqA2();
    EXPECT_NEAR(G.CaseEquivalent, 7000, 1e-9);
    EXPECT_EQ(ApproximateWork().CrossingLevel, 5);
    EXPECT_EQ(ApproximateWork().ReferredCycles, 2000);

    // One level: its load, whatever NL.
    G.LevelCount = 1;
    G.SpectrumY[1] = 1234;
    G.SpectrumX[1] = 5e6;
    Prepare();
    for (double nl : {1e6, 5e6, 1e7}) {
        G.CaseNLim = nl;
        ComputeEquivalentLoadEqA2();
        EXPECT_EQ(G.CaseEquivalent, 1234) << nl;
    }
}

TEST_F(SpectrumTest, FigureA3CarriesTheCyclesDownTheSlope) {
    DefaultSpectrum();
    G.CalcMethodics = kMethodicsFigA3;
    Prepare();
    ComputeApproximateEquivalentLoads();
    // By hand (walk from the largest load, D = (L[i]/L[i-1])^p C[i], C[i-1] = D + n[i-1], log-log
    // interpolation where C passes NL); checked that NL cycles at Teq do the damage of the carried
    // spectrum.  All four cases cross NL at the 1000 N.m level.  The loads are referred to NL.
    EXPECT_NEAR(G.TFe1, 3600.708840134, 1e-6);
    EXPECT_NEAR(G.THe1, 1993.521302732, 1e-6);
    EXPECT_NEAR(G.TFe2, 3326.092859835, 1e-6);
    EXPECT_NEAR(G.THe2, 1795.096608933, 1e-6);
    EXPECT_NEAR(G.KA, 3600.708840134 / 2500, 1e-9);
    EXPECT_EQ(G.NFe1, 3e6);
    EXPECT_EQ(G.NHe1, 5e7);
    EXPECT_EQ(G.NFe2, 3e6);
    EXPECT_EQ(G.NHe2, 5e7);
    EXPECT_EQ(ApproximateWork().CrossingLevel, 2);  // last case
    EXPECT_TRUE(ApproximateWork().Found);
    EXPECT_EQ(G.NLevel1[1], 100000);

    // Pitting permitted: the contact load exponent is half the stress exponent ln(1e9/6e5)/ln 1.6.
    G.PittingAllowed1 = true;
    ComputeApproximateEquivalentLoads();
    EXPECT_NEAR(G.PittingLoadExponent, 7.892046402550, 1e-11);
    EXPECT_NEAR(G.THe1, 2383.361706090, 1e-6);  // by hand, the same walk with p = 7.892046...
}

TEST_F(SpectrumTest, FigureA3WithoutCrossingAndItsFallbacks) {
    DefaultSpectrum();
    Prepare();
    G.CaseExponent = 8;
    // NL beyond everything the walk carries: the p-mean of the whole spectrum, like equation A.2.
    G.CaseNLim = 1e12;
    ComputeEquivalentLoadFigA3();
    EXPECT_FALSE(ApproximateWork().Found);
    const double eqA2 = G.CaseEquivalent;
    EXPECT_EQ(ApproximateWork().ReferredCycles, 200000);
    ComputeEquivalentLoadEqA2();
    EXPECT_NEAR(G.CaseEquivalent, eqA2, 1e-9);

    // Methodics 1 takes equation A.2 for one level and when the largest load alone reaches NL.
    G.CalcMethodics = kMethodicsFigA3;
    G.NFlim1 = 3000;  // = the largest load's cycles: not more reference cycles than it has
    ComputeApproximateEquivalentLoads();
    EXPECT_NEAR(G.TFe1, 7000, 1e-9);
    EXPECT_EQ(G.NFe1, 3000);
    G.LevelCount = 1;
    Prepare();
    ComputeApproximateEquivalentLoads();
    EXPECT_EQ(G.TFe1, 7000);
    EXPECT_EQ(G.THe2, 7000);
    EXPECT_DOUBLE_EQ(G.KA, 7000.0 / 2500);
}

TEST_F(SpectrumTest, ComputableSpectra) {
    DefaultSpectrum();
    EXPECT_TRUE(SpectrumIsComputable());
    G.SpectrumXMode = false;  // per level the values need not rise
    SetLevels({5, 4, 3, 2, 1});
    EXPECT_TRUE(SpectrumIsComputable());
    G.SpectrumXMode = true;  // cumulated they must
    EXPECT_FALSE(SpectrumIsComputable());
    SetLevels({1, 2, 2, 3, 4});
    EXPECT_FALSE(SpectrumIsComputable());
    SetLevels({1, 2, 3, 4, 5});
    EXPECT_TRUE(SpectrumIsComputable());
    for (double bad : {0.0, -1.0, std::nan("")}) {
        for (TLevelArray* a : {&G.SpectrumY, &G.SpectrumX, &G.n1Level}) {
            const double keep = (*a)[5];
            (*a)[5] = bad;
            EXPECT_FALSE(SpectrumIsComputable()) << bad;
            (*a)[5] = keep;
        }
    }
    G.LevelCount = 0;
    EXPECT_FALSE(SpectrumIsComputable());
    G.LevelCount = 21;
    EXPECT_FALSE(SpectrumIsComputable());
}

// Every routine that runs over the levels refuses a level count outside 1..20 with one message and
// changes nothing else.
TEST_F(SpectrumTest, OutOfRangeLevelCountStopsAndChangesNothing) {
    DefaultSpectrum();
    for (int count : {0, 21, -3}) {
        G.LevelCount = static_cast<std::int16_t>(count);
        G.ResumeCalculation = true;
        GlobalData before = G;
        before.ResumeCalculation = false;
        notices.Clear();
        Prepare();
        ConvertCyclesPinionToWheel();
        ComputeApproximateEquivalentLoads();
        ComputeEquivalentStressMiner();
        ComputeEquivalentStressHaibach();
        ComputeLevelStressesForCase();
        ComputeEquivalentForcesGivenFactors();
        EXPECT_TRUE(G == before) << count;
        EXPECT_EQ(notices.Texts(), std::vector<std::string>{"The number of load levels must be from 1 to 20."});
    }
}

}  // namespace
