// The window "Damage on individual stress levels", alone and left open beside the main window.
#include "KarveloFixture.h"
#include "karvelo/ProgramState.h"
#include "karvelo/app/Prubehy_jedn.h"
#include "ui/TestHarness.h"

namespace karvelo::test {
namespace {

class DamageWindow : public ui::test::FormTest {
protected:
    void SetUp() override {
        ResetProgramState();
        G.LargeNumberFormat = "#.###E+0;";
        G.StressCase = "PO";
        G.LoadInputMethod = kMultilevelLoading;
        G.HypothesisHaibach = true;
        G.Sigmafpb1stat = 1000;
        G.SigmaHP1stat = 2000;
        G.Sigmafpb2stat = 1000;
        G.SigmaHP2stat = 2000;
    }
    void TearDown() override {
        win.Hide();
        ui::test::FormTest::TearDown();
        ResetProgramState();
    }
    // Level i (ascending load order) of pinion bending: cycles, stress, damage part.
    static void Level(int i, double n, double stress, double damage) {
        G.SF1Level[i] = n;
        G.SigmaF1Level[i] = stress;
        G.SigmaFP1Level[i] = damage;
    }
    std::vector<std::string> Row(int r) const {
        return {win.CyclesText[r]->Caption(), win.CumulativeText[r]->Caption(), win.StressText[r]->Caption(),
                win.DamageText[r]->Caption()};
    }
    TPrubehy_jednF win;
};

using Texts = std::vector<std::string>;

TEST_F(DamageWindow, ListsTheLevelsFromTheLargestLoadWithRunningCycles) {
    G.LevelCount = 3;
    Level(1, 1000, 300, 0.0001);
    Level(2, 2000, 600, 0.02);
    Level(3, 3000, 900.04, 0.3);
    win.Show();
    EXPECT_EQ(Row(1), (Texts{" 3000", " 3000", "900.0", "0.300000"}));
    EXPECT_EQ(Row(2), (Texts{" 2000", " 5000", "600.0", "0.020000"}));
    EXPECT_EQ(Row(3), (Texts{" 1000", " 6000", "300.0", "0.000100"}));
    for (int r = 1; r <= 3; ++r) EXPECT_TRUE(win.RowNumber[r]->Visible() && win.DamageText[r]->Visible());
    for (int r = 4; r <= 20; ++r) {
        EXPECT_FALSE(win.RowNumber[r]->Visible()) << r;
        EXPECT_FALSE(win.CyclesText[r]->Visible()) << r;
        EXPECT_FALSE(win.DamageText[r]->Visible()) << r;
    }
    EXPECT_EQ(win.RowNumber[2]->Caption(), "2");
    EXPECT_EQ(win.Height(), 220);
    EXPECT_EQ(win.Label111->Caption(), " 0.3201");
    EXPECT_EQ(win.Label111->Font().Color, ui::clBlack);
    EXPECT_EQ(win.Caption(), "Damage on individual stress levels - Haibach");
    // The total row stays hidden, placed under the last row.
    EXPECT_FALSE(win.TotalRow[1]->Visible());
    EXPECT_EQ(win.TotalRow[1]->Top(), 130);
}

TEST_F(DamageWindow, TwentyLevelsFillTheTableAndSetTheHeight) {
    G.LevelCount = 20;
    for (int i = 1; i <= 20; ++i) Level(i, 10, 100 + i, 0.001);
    win.Show();
    EXPECT_EQ(win.Height(), 530);
    for (int r = 1; r <= 20; ++r) EXPECT_TRUE(win.DamageText[r]->Visible()) << r;
    EXPECT_EQ(Row(20), (Texts{"   10", "  200", "101.0", "0.001000"}));
    EXPECT_EQ(win.TotalRow[0]->Top(), 470);
    G.LevelCount = 6;
    win.Repaint();
    EXPECT_EQ(win.Height(), 250);
}

TEST_F(DamageWindow, ALevelAboveTheStaticLimitIsDestruction) {
    G.LevelCount = 2;
    Level(1, 1000, 300, 0.001);
    Level(2, 10, 1000.5, 0.002);  // above Sigmafpb1stat
    win.Show();
    EXPECT_EQ(Row(1)[3], ">> 1");
    EXPECT_EQ(Row(2)[3], "0.001000");
    EXPECT_EQ(win.Label111->Caption(), "Destruction");
    EXPECT_EQ(win.Label111->Font().Color, ui::clRed);
    // Exactly at the limit is no exceedance.
    G.SigmaF1Level[2] = 1000;
    win.Repaint();
    EXPECT_EQ(win.Label111->Caption(), " 0.0030");
    EXPECT_EQ(win.Label111->Font().Color, ui::clBlack);
}

TEST_F(DamageWindow, TotalTurnsRedAtOne) {
    G.LevelCount = 2;
    Level(1, 1000, 300, 0.4999);
    Level(2, 1000, 400, 0.5);
    win.Show();
    EXPECT_EQ(win.Label111->Caption(), " 0.9999");
    EXPECT_EQ(win.Label111->Font().Color, ui::clBlack);
    G.SigmaFP1Level[1] = 0.5;
    win.Repaint();
    EXPECT_EQ(win.Label111->Caption(), " 1.0000");
    EXPECT_EQ(win.Label111->Font().Color, ui::clRed);
}

TEST_F(DamageWindow, CountsInTheirFormats) {
    EXPECT_EQ(FormatDamageValue(123456, "#.###E+0;"), "1.235E+5");
    EXPECT_EQ(FormatDamageValue(200000, "#.###E+0;"), "2E+5");
    EXPECT_EQ(FormatDamageValue(5000, "#.###E+0;"), " 5000");
    EXPECT_EQ(FormatDamageValue(2.5, "#.###E+0;"), "    2.50");
    G.LevelCount = 2;
    Level(1, 123456, 300, 0);
    Level(2, 76544, 400, 0);
    win.Show();
    EXPECT_EQ(Row(1)[0], "76544");
    EXPECT_EQ(Row(2), (Texts{"1.235E+5", "2E+5", "300.0", "0.000000"}));
}

TEST_F(DamageWindow, OneLoadShowsOneRowOfItsCase) {
    G.LoadInputMethod = kOneLevelLoading;
    G.LevelCount = 5;
    G.StressCase = "KD";
    G.HypothesisHaibach = false;
    G.SH2Level[1] = 3e7;
    G.SigmaH2Level[1] = 1234.56;
    G.SigmaHP2Level[1] = 0.25;
    win.Show();
    EXPECT_EQ(G.LevelCount, 1);
    EXPECT_TRUE(win.RadioButton7->Checked());
    EXPECT_EQ(Row(1), (Texts{"3E+7", "3E+7", "1234.6", "0.250000"}));
    EXPECT_FALSE(win.DamageText[2]->Visible());
    EXPECT_EQ(win.Caption(), "Damage on individual stress levels - Miner");
    // Direct equivalent loads are one level too.
    win.Hide();
    G.LoadInputMethod = kDirectEquivalentLoad;
    G.LevelCount = 4;
    win.Show();
    EXPECT_EQ(G.LevelCount, 1);
}

TEST_F(DamageWindow, CaseButtonsSwitchTheCaseAndRepaintOnlyOnAChange) {
    G.LevelCount = 1;
    Level(1, 100, 300, 0.1);
    G.SF2Level[1] = 50;
    G.SigmaF2Level[1] = 250;
    G.SigmaFP2Level[1] = 0.05;
    win.Show();
    EXPECT_TRUE(win.RadioButton4->Checked());
    EXPECT_EQ(Row(1)[3], "0.100000");

    // The shown case: nothing happens, not even a repaint.
    G.SigmaFP1Level[1] = 0.7;
    win.RadioButton4Click();
    EXPECT_EQ(Row(1)[3], "0.100000");

    ui::test::Click(win.RadioButton6);
    EXPECT_EQ(G.StressCase, "KO");
    EXPECT_EQ(Row(1), (Texts{"   50", "   50", "250.0", "0.050000"}));
    ui::test::Click(win.RadioButton4);
    EXPECT_EQ(G.StressCase, "PO");
    EXPECT_EQ(Row(1)[3], "0.700000");
}

TEST_F(DamageWindow, ActivationShowsTheRowsAPaintHid) {
    G.LevelCount = 2;
    win.Show();
    EXPECT_FALSE(win.DamageText[3]->Visible());
    win.Hide();
    G.LevelCount = 4;
    win.Show();
    EXPECT_TRUE(win.DamageText[4]->Visible());
    EXPECT_FALSE(win.DamageText[5]->Visible());
    EXPECT_TRUE(win.Label1->Visible() && win.Label2->Visible());
    EXPECT_FALSE(win.Button2->Visible());
}

TEST_F(DamageWindow, BackAndEscClose) {
    G.LevelCount = 1;
    win.Show();
    ui::test::Click(win.Button1);
    EXPECT_FALSE(win.Visible());
    win.Show();
    ui::test::Esc();
    EXPECT_FALSE(win.Visible());
}

TEST_F(DamageWindow, LevelCountOutsideTheTableShowsNoRows) {
    G.LevelCount = 0;
    win.Show();
    for (int r = 1; r <= 20; ++r) EXPECT_FALSE(win.DamageText[r]->Visible());
    EXPECT_EQ(win.Label111->Caption(), " 0.0000");
    win.Hide();
    G.LevelCount = 25;  // kept within the 20 rows
    G.LoadInputMethod = kMultilevelLoading;
    win.Show();
    EXPECT_TRUE(win.DamageText[20]->Visible());
}

// Left open, the window shows the last calculation: its rows and caption follow each calculation,
// and it shows no rows while the results are withdrawn (a loaded case, a change of hypothesis).
class DamagesLeftOpen : public KarveloTest {
protected:
    static void CalculateSpectrumOfThreeLevels() {
        G.LoadInputMethod = kMultilevelLoading;
        G.CalcMethodics = kMethodicsMiner;
        G.HypothesisHaibach = false;
        G.LevelCount = 3;
        ui::test::Click(Form1->Button8);
        ASSERT_TRUE(G.ResumeCalculation);
    }
    static int RowsShown() {
        int rows = 0;
        for (int r = 1; r <= TPrubehy_jednF::kRows; ++r) rows += Prubehy_jednF->DamageText[r]->Visible();
        return rows;
    }
    ScratchDir dir;
};

TEST_F(DamagesLeftOpen, FollowsEachCalculationWithdrawalAndLoad) {
    const TPrubehy_jednF& w = *Prubehy_jednF;
    ui::test::Click(Form1->Button8);  // the one-load case of the start (Haibach), saved for later
    ui::test::QueueFileName(dir.File("one"));
    ui::test::Click(Form1->Button9);

    CalculateSpectrumOfThreeLevels();
    ui::test::Click(Form1->Button15);
    EXPECT_EQ(RowsShown(), 3);
    EXPECT_EQ(w.Caption(), "Damage on individual stress levels - Miner");
    Prubehy_F->ShowChart(false);  // as the loading window's "Draw" leaves it open: drawn
    Prubehy_F->PaintBox1->Picture();
    EXPECT_NE(Prubehy_F->Caption(), "Courses");

    ui::test::QueueFileName(dir.File("one.PEV"));
    ui::test::Click(Form1->Button10);
    EXPECT_EQ(RowsShown(), 0);
    EXPECT_EQ(w.Label111->Caption(), "");
    EXPECT_EQ(w.Caption(), "Damage on individual stress levels - Haibach");
    ui::test::Click(Prubehy_jednF->RadioButton5);  // clicked into, another case: still no rows
    EXPECT_EQ(RowsShown(), 0);
    ui::test::Click(Prubehy_F->RadioButton5);  // nor does the chart draw anything
    Prubehy_F->PaintBox1->Picture();
    EXPECT_EQ(Prubehy_F->Caption(), "Courses");
    Prubehy_F->Hide();
    ui::test::Click(Prubehy_jednF->RadioButton4);
    ui::test::Click(Form1->Button8);
    ASSERT_TRUE(G.ResumeCalculation);
    EXPECT_EQ(RowsShown(), 1);
    EXPECT_EQ(w.StressText[1]->Caption(), rt::Str(G.SigmaF1, 1, 1));
    EXPECT_EQ(w.DamageText[1]->Caption(), rt::Str(G.SigmaFP1Level[1], 1, 6));

    ui::test::Click(Form1->RadioButton5);  // Miner: the results are withdrawn
    EXPECT_EQ(RowsShown(), 0);
    EXPECT_EQ(w.Caption(), "Damage on individual stress levels - Miner");
    CalculateSpectrumOfThreeLevels();
    EXPECT_EQ(RowsShown(), 3);
    EXPECT_EQ(w.StressText[1]->Caption(), rt::Str(G.SigmaF1Level[3], 1, 1));
    EXPECT_TRUE(w.Visible());
}

}  // namespace
}  // namespace karvelo::test
