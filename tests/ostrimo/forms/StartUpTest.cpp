// Start-up: the eight windows in their order, the intro's Enter, the never-opened option
// window's help key, each side window without the others, and the help file beside the
// program.
#include <fstream>
#include <sstream>

#include "CheckedPair.h"
#include "OstrimoFixture.h"

namespace ostrimo::test {
namespace {

using StartUp = OstrimoTest;

TEST_F(StartUp, CreatesTheEightWindowsInOrderWithTheIntroAsMainWindow) {
    std::vector<std::string> names;
    for (ui::Form* f : ui::App().Forms()) names.push_back(f->Name());
    const std::vector<std::string> expected = {"Form1",     "PagesDlg", "CelniDlg", "TabulkaDlg",
                                               "FellowDlg", "Form2",    "VuleF",    "NastrojDlg"};
    ASSERT_GE(names.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(names.end() - 8, names.end()), expected);
    EXPECT_EQ(ui::App().MainForm(), Form1);
    EXPECT_EQ(Form1->Caption(), kEditionWord);
    EXPECT_EQ(Form1->ClientWidth(), 469);
    EXPECT_EQ(Form1->ClientHeight(), 283);
    EXPECT_EQ(PagesDlg->ClientWidth(), 671);
    EXPECT_EQ(PagesDlg->ClientHeight(), 501);
}

TEST_F(StartUp, TheDefaultsAndWindowStateComeFromTheCore) {
    EXPECT_EQ(D().Caption(), MainDialogTitle);
    EXPECT_EQ(D().ActiveControl(), D().Button1);
    EXPECT_EQ(D().Edit1->Text(), "1.0000");
    EXPECT_EQ(D().Edit2->Text(), "20.0");
    EXPECT_EQ(D().Edit3->Text(), "40.0");
    EXPECT_EQ(D().Edit9->Text(), "30.000000");
    EXPECT_EQ(D().Edit10->Text(), "20.000000");
    EXPECT_EQ(D().Edit17->Text(), "20.0000");
    EXPECT_TRUE(G.StandardRackProfile && G.TestDimensionsOutdated && G.BacklashMethodPending &&
                G.InputsCompleteForRefresh && G.CheckOutdated);
    EXPECT_FALSE(G.AmcDivided || G.LoadingDataFile || G.AngleFormatDMS);
    EXPECT_FALSE(D().Button9->Visible());
    EXPECT_FALSE(D().Edit20->Visible());
    EXPECT_FALSE(D().RadioButton2->Enabled());
    EXPECT_TRUE(D().Edit22->ReadOnly() && D().Edit25->ReadOnly() && D().Edit45->ReadOnly());
    EXPECT_FALSE(D().Label183->Visible() || D().Label188->Visible());
}

TEST_F(StartUp, IntroEnterShowsTheMainDialogModallyAndItsCloseEndsTheProgram) {
    PagesDlg->Hide();
    Form1->Show();
    bool shown = false;
    ui::test::QueueModal(PagesDlg, [&](ui::Form& d) {
        shown = d.Visible() && !Form1->Visible();
        d.Close();
    });
    ui::test::Click(Form1->Button1);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(Form1->Visible());
    EXPECT_TRUE(ui::App().Terminated());
}

TEST_F(StartUp, OptionWindowHelpKeyReportsAMissingHelpFileAndStaysOpen) {
    Form2->Show();
    ui::test::SetHelpResult(false);
    ui::test::F1();
    ASSERT_EQ(ui::test::HelpCalls().size(), 1u);
    EXPECT_EQ(ui::test::HelpCalls()[0].Data, 3u);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Help is missing."});
    EXPECT_EQ(Caption(), "  Error !");
    EXPECT_TRUE(Form2->Visible());
    ui::test::Click(Form2->Label9);  // a label checks its radio button
    EXPECT_TRUE(Form2->RadioButton3->Checked());
}

// A window used without the others: what it would show or run in an absent window is
// passed over, and its own part is done.
TEST_F(StartUp, EachSideWindowWorksWithoutTheOthers) {
    const auto keepOnly = [](ui::Form* keep) {
        ui::App().OnMessage = nullptr;  // the main dialog's press hook goes with it
        const auto drop = [keep](auto*& window) {
            if (window == keep) return;
            delete window;
            window = nullptr;
        };
        drop(NastrojDlg), drop(VuleF), drop(Form2), drop(FellowDlg);
        drop(TabulkaDlg), drop(CelniDlg), drop(PagesDlg), drop(Form1);
    };
    const struct {
        const char* name;
        std::function<ui::Form*()> prepare;  // the case, then the window kept
        std::function<bool()> used;
    } cases[] = {
        {"tools", [] { return NastrojDlg; },
         [] {
             NastrojDlg->Show();
             Enter(NastrojDlg->Edit1, "1.3");
             ui::test::Click(NastrojDlg->CheckBox2);
             ui::test::Click(NastrojDlg->OKBtn);
             return G.ToolAddendumFactor1 == 1.3 && G.haP2 == 1.05 && G.Protuberance1 && !NastrojDlg->Visible();
         }},
        {"cutter",
         [] {
             SelectGearing(kInternalGearing);
             return FellowDlg;
         },
         [] {
             FellowDlg->Show();
             Enter(FellowDlg->Edit1, "30");
             ui::test::Click(FellowDlg->OKBtn);
             return G.z0 == 30 && !FellowDlg->Visible();
         }},
        {"backlash", [] { return VuleF; },
         [] {
             VuleF->Show();
             ui::test::Click(VuleF->RadioButton2);
             return G.BacklashByExtraAmc && VuleF->Edit2->Enabled();
         }},
        {"results",
         [] {
             CheckPair(kExternalGearing);
             return CelniDlg;
         },
         [] {
             CelniDlg->Show();
             ui::test::Click(CelniDlg->Button1);  // no table to open
             return CelniDlg->Visible() && ui::test::ModalShows().empty();
         }},
        {"table",
         [] {
             CheckPair(kExternalGearing);
             return TabulkaDlg;
         },
         [] {
             int rows = 0;
             ui::test::QueueModal(TabulkaDlg, [&](ui::Form& f) {
                 rows = TabulkaDlg->StringGrid1->RowCount();
                 f.Close();
             });
             TabulkaDlg->ShowModal();
             return rows == TableRowCount() && TabulkaDlg->StringGrid1->Cell(0, 3) == TableCaption(3, true);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OstrimoTest::TearDown();  // all eight windows anew
        OstrimoTest::SetUp();
        keepOnly(c.prepare());
        EXPECT_TRUE(c.used());
    }
}

TEST(HelpFile, TheProgramsHelpNameFindsTheFileWithATopicPerContext) {
    const std::string dir = std::string(TEST_SOURCE_ROOT) + "/ostrimo/forms";
    const std::string html = ui::FindHelpHtml(kHelpFile, dir);
    ASSERT_FALSE(html.empty());
    EXPECT_EQ(ui::FindHelpHtml(kWindowsHelpFile, dir), html);
    std::ifstream in(html);
    std::stringstream text;
    text << in.rdbuf();
    for (int context : {2, 3, 4, 5, 6, 7, 9, 11, 12, 13, 14, 15})
        EXPECT_NE(text.str().find("<h2 id=\"" + std::to_string(context) + "\">"), std::string::npos) << context;
}

}  // namespace
}  // namespace ostrimo::test
