// The S-N chart and the damage table opened from the main window on the default spectrum.
#include "KarveloFixture.h"

namespace karvelo::test {
namespace {

using ui::test::Click;

class ResultViews : public KarveloTest {
protected:
    // The default spectrum calculated by the Calculation command, first by Miner (which needs
    // no equivalent loads beforehand), then by Haibach when asked.
    static void CalculateDefaultSpectrum(bool haibach) {
        G.LoadInputMethod = kMultilevelLoading;
        G.CalcMethodics = kMethodicsMiner;
        G.HypothesisHaibach = false;
        Form1->Repaint();
        Click(Form1->Button8);
        if (haibach) {
            Click(Form1->RadioButton6);
            Click(Form1->Button8);
        }
        for (const std::string& text : ui::test::Notices().Texts()) ADD_FAILURE() << text;
        ASSERT_TRUE(G.ResumeCalculation);
        ASSERT_EQ(G.CalcMethodics, haibach ? kMethodicsHaibach : kMethodicsMiner);
        ui::test::Notices().Clear();
    }
};

TEST_F(ResultViews, DrawResultsChartsTheSpectrumAndMinerThereWithdrawsTheResults) {
    CalculateDefaultSpectrum(true);
    ui::test::QueueModal(Prubehy_F, [](ui::Form&) {
        EXPECT_TRUE(Prubehy_F->Panel2->Visible());
        EXPECT_TRUE(Prubehy_F->RadioButton8->Checked());
        EXPECT_EQ(CoursesData.CurveLimitStress, G.Sigmafpb1ref);
        Prubehy_F->PaintBox1->Picture();
        EXPECT_EQ(Prubehy_F->Caption(), "Precise calculation of an equivalent load and stress by Haibach");
        Click(Prubehy_F->RadioButton9);
        EXPECT_EQ(G.CalcMethodics, kMethodicsMiner);
        EXPECT_FALSE(Form1->Button14->Visible());     // the main window's results are withdrawn
        EXPECT_TRUE(Form1->RadioButton5->Checked());  // and its hypothesis follows
        Click(Prubehy_F->Button1);
    });
    Click(Form1->Button14);
    EXPECT_TRUE(Withdrawn());
    EXPECT_TRUE(G.EquivalentStressesCurrent);
    EXPECT_TRUE(ui::test::Notices().notices.empty());
}

TEST_F(ResultViews, DrawResultsOfOneLoadPreparesTheEquivalentLoads) {
    Click(Form1->Button8);
    ASSERT_TRUE(G.ResumeCalculation);
    G.StressCase = "KO";
    ui::test::QueueModal(Prubehy_F, [](ui::Form&) {
        EXPECT_FALSE(Prubehy_F->Panel2->Visible());
        EXPECT_TRUE(Prubehy_F->RadioButton6->Checked());
        EXPECT_EQ(G.CaseEquivalent, G.SigmaF2);
        ui::test::Esc();
    });
    Click(Form1->Button14);
    EXPECT_EQ(G.TFe1, G.Tjm);
    EXPECT_EQ(G.SigmaF2ekv, G.SigmaF2);
    EXPECT_FALSE(G.EquivalentStressesCurrent);
    EXPECT_TRUE(Form1->Button14->Visible());
}

TEST_F(ResultViews, DamagesListTheFiveLevelsOfTheSpectrum) {
    CalculateDefaultSpectrum(false);
    G.StressCase = "PO";
    Click(Form1->Button15);
    ASSERT_TRUE(Prubehy_jednF->Visible());
    EXPECT_EQ(Prubehy_jednF->Caption(), "Damage on individual stress levels - Miner");
    EXPECT_EQ(Prubehy_jednF->Height(), 220);
    EXPECT_TRUE(Prubehy_jednF->DamageText[5]->Visible());
    EXPECT_FALSE(Prubehy_jednF->DamageText[6]->Visible());
    // Row 1 is the largest load with its own cycles; the last row counts all cycles.
    EXPECT_EQ(Prubehy_jednF->StressText[1]->Caption(), rt::Str(G.SigmaF1Level[5], 1, 1));
    EXPECT_EQ(Prubehy_jednF->CyclesText[1]->Caption(), FormatDamageValue(G.SF1Level[5]));
    EXPECT_EQ(Prubehy_jednF->CumulativeText[5]->Caption(), FormatDamageValue(G.NLevel2[1]));
}

// Activated again, the window re-shows every row and then paints only the levels in use.
TEST_F(ResultViews, DamagesWindowActivatedAgainShowsOnlyTheLevelsInUse) {
    CalculateDefaultSpectrum(false);
    Click(Form1->Button15);
    ui::test::ClickAt(Form1, 400, 580);  // below the result panels
    ASSERT_TRUE(Form1->Active());
    ui::test::ClickAt(Prubehy_jednF, 720, 185);  // beside "Back"
    ASSERT_TRUE(Prubehy_jednF->Active());
    EXPECT_TRUE(Prubehy_jednF->DamageText[5]->Visible());
    for (int r = 6; r <= TPrubehy_jednF::kRows; ++r) EXPECT_FALSE(Prubehy_jednF->RowNumber[r]->Visible()) << r;
}

}  // namespace
}  // namespace karvelo::test
