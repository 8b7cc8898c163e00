// The window "Courses": its data preparation, its switches and its painting, on the default case
// calculated as the main window calculates it.
#include <QImage>

#include "karvelo/ProgramState.h"
#include "karvelo/app/Prubehy.h"
#include "karvelo/calc/Geometrie.h"
#include "karvelo/calc/Vypocet.h"
#include "karvelo/calc/Vypocty_ekv.h"
#include "karvelo/calc/WindowHooks.h"
#include "ui/TestHarness.h"

namespace karvelo::test {
namespace {

class CoursesWindow : public ui::test::FormTest {
protected:
    void SetUp() override {
        ResetProgramState();
        G.GearingType = kExternalPair;
        SetDefaultInputs();
        G.xsum = G.x1 + G.x2;
        ComputeCentreDistanceFromShifts();
        ComputeGearDimensions();
        ComputeTipThickness();
        CoursesMainWindow() = {[this] { ++cleared; }, [this] { ++mainRepaints; }};
        win.OnCreate();
    }
    void TearDown() override {
        win.Hide();
        ui::test::FormTest::TearDown();
        ResetProgramState();
    }
    // The default five-level spectrum calculated by the methodics, as the Calculation command
    // runs it; Miner and Haibach then get their equivalent loads as "Draw results" does.
    void CalculateSpectrum(std::int16_t methodics) {
        G.LoadInputMethod = kMultilevelLoading;
        G.CalcMethodics = methodics;
        G.HypothesisHaibach = methodics != kMethodicsMiner;
        for (int i = 1; i <= 5; ++i) G.n1Level[i] = G.n1;
        PrepareSpectrumLevels();
        EvaluateSpectrum();
        ASSERT_TRUE(G.ResumeCalculation);
        if (methodics >= kMethodicsMiner) {
            RunCalculation();
            ASSERT_TRUE(G.ResumeCalculation);
            ComputeEquivalentLoads();
        }
    }
    QImage Chart() { return win.PaintBox1->Picture(); }
    static int Count(const QImage& img, int x1, int y1, int x2, int y2, ui::Color c) {
        int n = 0;
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x) n += QColor(img.pixel(x, y)) == ui::ToQColor(c);
        return n;
    }

    TPrubehy_F win;
    int cleared = 0, mainRepaints = 0;
};

TEST_F(CoursesWindow, ActivationLoadsTheCaseOfASpectrumByHaibach) {
    CalculateSpectrum(kMethodicsHaibach);
    G.StressCase = "KD";
    win.Show();
    EXPECT_TRUE(win.Panel2->Visible());
    EXPECT_TRUE(win.Panel3->Visible());
    EXPECT_TRUE(win.RadioButton8->Checked());
    EXPECT_TRUE(win.RadioButton7->Checked());
    EXPECT_TRUE(win.RadioButton2->Checked());
    EXPECT_EQ(win.Shown(), SpectrumShown::Cumulative);
    const CoursesChartData& d = CoursesData;
    EXPECT_EQ(d.CurveLimitStress, G.SigmaHP2ref);
    EXPECT_EQ(d.CurveKneeCycles, G.NHlim2);
    EXPECT_EQ(d.CurveStaticStress, G.SigmaHP2stat);
    EXPECT_EQ(d.CurveExponent, G.qH2);
    EXPECT_EQ(d.CurveExponentHaibach, G.qH_2);
    EXPECT_EQ(d.CurveStaticCycles, G.NHstat2);
    EXPECT_EQ(d.CurvePittingKneeStress, G.SigmaHP2knee);
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(d.CurveLevelStress[i], G.SigmaH2Level[i]) << i;
    EXPECT_GT(d.CurveLevelStress[5], d.CurveLevelStress[1]);  // ascending loads
    EXPECT_EQ(G.CalcMethodics, kMethodicsHaibach);
    EXPECT_EQ(cleared, 0);
    Chart();
    EXPECT_EQ(win.Caption(), "Precise calculation of an equivalent load and stress by Haibach");
    EXPECT_EQ(win.Label1->Font().Color, ui::clGreen);
}

TEST_F(CoursesWindow, PaintingLeavesTheDataAsItWas) {
    CalculateSpectrum(kMethodicsHaibach);
    win.Show();
    for (const char* code : {"PO", "PD", "KO", "KD"}) {
        G.StressCase = code;
        LoadCoursesCase();
        // A ratio whose conversion there and back is not exact in binary.
        G.z1 = 17;
        G.z2 = 43;
        for (ui::RadioButton* spectrum : {win.RadioButton1, win.RadioButton2, win.RadioButton3}) {
            spectrum->SetChecked(true);
            const GlobalData before = G;
            const CoursesChartData chart = CoursesData;
            for (int pass = 0; pass < 3; ++pass) Chart();
            EXPECT_TRUE(G == before) << code;
            EXPECT_TRUE(G.NLevel1 == before.NLevel1 && G.NLevel2 == before.NLevel2) << code;
            EXPECT_EQ(G.CaseExponent, before.CaseExponent) << code;
            EXPECT_TRUE(CoursesData.CurveLevelStress == chart.CurveLevelStress) << code;
        }
    }
}

TEST_F(CoursesWindow, CaseButtonsSwitchTheCaseAndTheClipIsReleasedBetweenPaints) {
    CalculateSpectrum(kMethodicsMiner);
    G.StressCase = "PO";
    win.Show();
    EXPECT_TRUE(win.RadioButton9->Checked());
    QImage img = Chart();
    EXPECT_GT(Count(img, 4, 13, 20, 30, ui::clBlue), 0);
    ui::test::Click(win.RadioButton6);
    EXPECT_EQ(G.StressCase, "KO");
    EXPECT_EQ(CoursesData.CurveLimitStress, G.Sigmafpb2ref);
    EXPECT_EQ(win.Label2->Font().Color, ui::clGreen);
    img = Chart();
    // The sigma of the load axis lies left of the clip of the first paint.
    EXPECT_GT(Count(img, 4, 13, 20, 30, ui::clGreen), 0);
    EXPECT_EQ(Count(img, 4, 13, 20, 30, ui::clBlue), 0);
    EXPECT_FALSE(win.ChartBitmap().Canvas().HasClip());
    // Back on the pinion: contact this time.
    ui::test::Click(win.RadioButton5);
    EXPECT_EQ(G.StressCase, "PD");
    EXPECT_EQ(CoursesData.CurveKneeCycles, G.NHlim1);
}

TEST_F(CoursesWindow, ChartOfTheDefaultSpectrumHasItsCurveAndLevels) {
    CalculateSpectrum(kMethodicsMiner);
    G.StressCase = "PO";
    win.Show();
    ui::test::Click(win.RadioButton3);
    EXPECT_EQ(win.Shown(), SpectrumShown::Both);
    const ChartPicture p = BuildCoursesPicture(G, CoursesData, win.Shown());
    const CoursesScale s = ComputeLogScale(CoursesData);
    ASSERT_TRUE(s.Valid);
    const int yKnee = *s.Y(G.Sigmafpb1ref);
    // Miner: the purple continuation is horizontal from the knee.
    bool purple = false;
    for (const ChartItem& item : p.Items)
        if (const auto* l = std::get_if<ChartLine>(&item); l && l->Colour == ui::clPurple)
            purple = l->From == ui::Point{350, yKnee} && l->To == ui::Point{620, yKnee} && l->Width == 2;
    EXPECT_TRUE(purple);
    int circles = 0;
    for (const ChartItem& item : p.Items) circles += std::holds_alternative<ChartEllipse>(item);
    EXPECT_EQ(circles, 11);  // the equivalent point and the five levels twice
    const QImage img = Chart();
    EXPECT_EQ(QColor(img.pixel(100, 350)), ui::ToQColor(ui::clBlack));
    EXPECT_EQ(QColor(img.pixel(485, yKnee)), ui::ToQColor(ui::clPurple));
}

TEST_F(CoursesWindow, ApproximateMethodicsKeepTheirMethodicsAndChartTheLoads) {
    CalculateSpectrum(kMethodicsFigA3);
    // The chart was last shown by Miner, so its "Miner" button is the checked one.
    G.CalcMethodics = kMethodicsMiner;
    G.HypothesisHaibach = false;
    win.Show();
    ASSERT_TRUE(win.RadioButton9->Checked());
    win.Hide();
    G.CalcMethodics = kMethodicsFigA3;
    win.Show();
    EXPECT_EQ(G.CalcMethodics, kMethodicsFigA3);
    EXPECT_FALSE(G.HypothesisHaibach);
    EXPECT_FALSE(win.Panel3->Visible());
    EXPECT_EQ(cleared, 0);
    EXPECT_EQ(CoursesData.CurveStaticStress, G.SpectrumY[1]);
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(CoursesData.CurveLevelStress[k], G.SpectrumY[6 - k]) << k;
    Chart();
    EXPECT_EQ(win.Caption(), "Approximate calculation of an equivalent load and a factor Ka by ISO 6336/6 - fig. A.3");
}

TEST_F(CoursesWindow, OneLoadBecomesEveryEquivalentLoad) {
    G.LoadInputMethod = kOneLevelLoading;
    G.CalcMethodics = kMethodicsHaibach;
    G.HypothesisHaibach = true;
    G.StressCase = "PD";
    RunCalculation();
    ASSERT_TRUE(G.ResumeCalculation);
    win.Show();
    EXPECT_FALSE(win.Panel2->Visible());
    EXPECT_TRUE(win.Panel3->Visible());
    EXPECT_EQ(G.CaseEquivalent, G.SigmaH1);
    EXPECT_EQ(G.SigmaH1ekv, G.SigmaH1);
    EXPECT_GT(G.SigmaH1, 0);
    // Torques entered (the default): TFe1 is the torque, FtFe1 its force at d1.
    EXPECT_EQ(G.TFe1, G.Tjm);
    EXPECT_DOUBLE_EQ(G.FtFe1, 2000 * G.Tjm / G.d1);
    EXPECT_EQ(G.THe2, G.Tjm);
    EXPECT_EQ(G.FtHe2, G.Ftjm);
    Chart();
    EXPECT_EQ(win.Caption(), "Calculation by Haibach");

    G.LoadAsForce = true;
    G.Ftjm = 5000;
    PrepareCoursesData();
    EXPECT_EQ(G.FtFe1, 5000);
    EXPECT_DOUBLE_EQ(G.TFe1, 5000 * G.d1 / 2000);
}

TEST_F(CoursesWindow, HaibachInTheChartWithdrawsTheMainResultsUnlessTheServiceLifeWindowIsOpen) {
    CalculateSpectrum(kMethodicsMiner);
    win.Show();
    ui::test::Click(win.RadioButton8);
    EXPECT_EQ(G.CalcMethodics, kMethodicsHaibach);
    EXPECT_TRUE(G.HypothesisHaibach);
    EXPECT_EQ(cleared, 1);
    EXPECT_EQ(mainRepaints, 1);
    Chart();
    EXPECT_EQ(win.Caption(), "Precise calculation of an equivalent load and stress by Haibach");

    // With the service-life window open the results stay, and the service life is recomputed.
    G.LifeFormActive = true;
    G.LifeFromSafety = true;
    G.LifeValid = false;
    DefaultWindowRecorder().Clear();
    ui::test::Click(win.RadioButton9);
    EXPECT_EQ(G.CalcMethodics, kMethodicsMiner);
    EXPECT_FALSE(G.HypothesisHaibach);
    EXPECT_EQ(cleared, 1);
    EXPECT_EQ(mainRepaints, 2);
    EXPECT_TRUE(G.LifeValid);
    const std::vector<std::string> requests = DefaultWindowRecorder().Names();
    EXPECT_NE(std::find(requests.begin(), requests.end(), "EnableLifeDrawButton"), requests.end());
    Chart();
    EXPECT_EQ(win.Caption(), "Calculation of service life by Miner's hypothesis");
}

TEST_F(CoursesWindow, BackMarksTheEquivalentStressesCurrentEscDoesNot) {
    CalculateSpectrum(kMethodicsHaibach);
    G.EquivalentStressesCurrent = false;
    win.Show();
    ui::test::Esc();
    EXPECT_FALSE(win.Visible());
    EXPECT_FALSE(G.EquivalentStressesCurrent);
    win.Show();
    ui::test::Click(win.Button1);
    EXPECT_FALSE(win.Visible());
    EXPECT_TRUE(G.EquivalentStressesCurrent);
}

TEST_F(CoursesWindow, ShownModallyFromTheMainWindowAndClosedByBack) {
    CalculateSpectrum(kMethodicsHaibach);
    ui::test::QueueModal(&win, [](ui::Form& f) {
        auto& w = static_cast<TPrubehy_F&>(f);
        EXPECT_TRUE(w.Panel2->Visible());
        ui::test::Click(w.Button1);
    });
    EXPECT_EQ(win.ShowModal(), ui::mrCancel);
    EXPECT_TRUE(G.EquivalentStressesCurrent);
}

TEST_F(CoursesWindow, ASpectrumThatCannotBeEvaluatedIsChartedAsItIs) {
    CalculateSpectrum(kMethodicsHaibach);
    G.n1Level[3] = 0;  // no speed: no working form
    const TLevelArray cycles = G.NLevel1;
    win.Show();
    EXPECT_TRUE(G.NLevel1 == cycles);
    Chart();  // draws without a failure
    EXPECT_TRUE(ui::test::Notices().notices.empty());
}

}  // namespace
}  // namespace karvelo::test
