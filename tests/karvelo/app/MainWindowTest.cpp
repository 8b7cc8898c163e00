// The main window: its start-up state, the load completeness check, the gearing, method and
// hypothesis choices, the input commands, the message hook, help and End.
#include <fstream>
#include <sstream>

#include "KarveloFixture.h"

namespace karvelo::test {
namespace {

using ui::test::Click;

class MainWindow : public KarveloTest {};

TEST_F(MainWindow, StartsWithResultsWithdrawnAndTheDefaultChoices) {
    EXPECT_TRUE(Withdrawn());
    EXPECT_TRUE(Form1->RadioButton3->Checked());  // "ISO  B"
    EXPECT_TRUE(Form1->RadioButton1->Checked());  // "External"
    EXPECT_TRUE(Form1->RadioButton6->Checked());  // "Haibach"
    EXPECT_EQ(Form1->RadioButton3->Caption(), "ISO  B");
    EXPECT_EQ(Form1->Caption(), kCaptionMethodB);
    EXPECT_FALSE(Form1->Button11->Enabled());
    EXPECT_FALSE(Form1->Label501->Visible());
    EXPECT_EQ(G.EditionText.size(), 22u);
    EXPECT_EQ(G.GearingType, kExternalPair);
    EXPECT_EQ(G.LoadInputMethod, kOneLevelLoading);
    EXPECT_EQ(Form1->Width(), 766);
    EXPECT_EQ(Form1->Height(), 621);
    EXPECT_TRUE(Form1->KeyPreview);
}

TEST_F(MainWindow, CreatesTheTwentyTwoWindowsInTheirOrderWithTheirCaptions) {
    std::vector<std::string> names;
    for (ui::Form* f : ui::App().Forms()) names.push_back(f->Name());
    // clang-format off
    const std::vector<std::string> expected = {
        "Form1", "Geometrie_F", "Materialy_F", "Rozmery_F", "Presnost_F", "Zatizeni_F", "Spektrum_F", "Help_2",
        "Help_1", "Tabulka_modulu", "Rog_F", "Hlaseni_", "Pudorysne_schema", "KHbeta_F", "Souc_F", "Zivotnost_F",
        "Prubehy_F", "Prubehy_jednF", "Platnost_F", "KHbeta_C", "Materialova_tabulka", "Havarie_"};
    // clang-format on
    ASSERT_GE(names.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + expected.size()), expected);
    EXPECT_EQ(ui::App().MainForm(), Form1);
    EXPECT_EQ(Geometrie_F->Caption(), "Gearing geometry");
    EXPECT_EQ(Rozmery_F->Caption(), "Input of gears dimensions and related  parameters");
    EXPECT_EQ(KHbeta_F->Caption(), "Determination of the factor KHß");
    EXPECT_EQ(Prubehy_F->Caption(), "Courses");
    EXPECT_EQ(Prubehy_jednF->Caption(), "Damage on individual stress levels");
    EXPECT_EQ(Platnost_F->Caption(), "Validity restrictions");
}

// One row per message: the case, the message, and that nothing was calculated.
TEST_F(MainWindow, MissingLoadInputsAreNamedAndTheFocusGoesToLoad) {
    struct Case {
        const char* name;
        void (*prepare)();
        const char* message;
    };
    const Case cases[] = {
        {"one load without force and torque", [] { G.Ftjm = G.Tjm = 0; }, "Not specified load input."},
        {"spectrum with a zero load (and missing cycles)",
         [] {
             G.LoadInputMethod = kMultilevelLoading;
             G.LevelCount = 5;
             G.SpectrumY[4] = 0;
             G.SpectrumX[2] = 0;
         },
         "Not entered all the load inputs of the spectrum."},
        {"Haibach without equivalent forces",
         [] {
             G.LoadInputMethod = kMultilevelLoading;
             G.LoadAsForce = true;
             G.FtFe1 = G.FtFe2 = G.FtHe1 = 1000;
             G.FtHe2 = 0;
         },
         "All the equivalent forces are not counted - enter spectrum."},
        {"Haibach without equivalent torques",
         [] {
             G.LoadInputMethod = kMultilevelLoading;
             G.LoadAsForce = false;
         },
         "All the equivalent torque moments are not counted - enter spectrum."},
        {"Miner with missing cycles",
         [] {
             G.LoadInputMethod = kMultilevelLoading;
             G.HypothesisHaibach = false;
             G.SpectrumX[3] = -1;
         },
         "Not entered all the cycle inputs of the spectrum."},
        {"equivalent forces missing",
         [] {
             G.LoadInputMethod = kDirectEquivalentLoad;
             G.LoadAsForce = true;
             G.FtFe1 = G.FtFe2 = G.FtHe2 = 1000;
         },
         "Not entered all the forces."},
        {"equivalent torques missing",
         [] {
             G.LoadInputMethod = kDirectEquivalentLoad;
             G.LoadAsForce = false;
             G.TFe1 = G.TFe2 = G.THe1 = 100;
         },
         "Not entered all the torque moments."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui::test::Reset();
        G = GlobalData{};
        Form1->FormCreate();
        c.prepare();
        Form1->SetActiveControl(Form1->Button1);
        Click(Form1->Button8);
        EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
        EXPECT_FALSE(G.LoadingInputComplete);
        EXPECT_EQ(Form1->ActiveControl(), Form1->Button3);
        EXPECT_FALSE(G.CalculationRunning);  // the calculation did not start
        EXPECT_TRUE(Withdrawn());
    }
}

TEST_F(MainWindow, SpectrumByMinerNeedsNoEquivalentLoadsToBeComplete) {
    G.LoadInputMethod = kMultilevelLoading;
    G.HypothesisHaibach = false;
    G.LevelCount = 5;
    Form1->CheckLoadInputs();
    EXPECT_TRUE(G.LoadingInputComplete);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(MainWindow, InternalGearingResetsTheCaseToItsDefaultsAndTheKHbetaWindowToDirectInput) {
    ShowResultsAsCalculated();
    G.LoadInputMethod = kMultilevelLoading;
    Zatizeni_F->RadioButton4->SetChecked(true);
    G.KHbeta = 1.7;
    KHbeta_F->Edit1->SetEnabled(true);
    KHbeta_F->Label2->SetCaption("  3");
    Click(Form1->RadioButton2);
    EXPECT_EQ(G.GearingType, kInternalPair);
    EXPECT_LT(G.z2, 0);  // the internal example case
    EXPECT_LT(G.a, 0);
    EXPECT_EQ(G.LoadInputMethod, kOneLevelLoading);
    EXPECT_TRUE(Zatizeni_F->RadioButton3->Checked());
    EXPECT_TRUE(Withdrawn());
    EXPECT_FALSE(KHbeta_F->CheckBox5->Enabled());
    EXPECT_FALSE(KHbeta_F->Edit1->Enabled());
    EXPECT_TRUE(KHbeta_F->Edit2->Enabled());
    EXPECT_EQ(KHbeta_F->Label2->Caption(), "");
    EXPECT_TRUE(KHbeta_F->CheckBox3->Checked());
    EXPECT_FALSE(KHbeta_F->CheckBox2->Checked());
    EXPECT_TRUE(G.KHbetaDirect);
    EXPECT_DOUBLE_EQ(G.KHbeta, 1.3);
    EXPECT_EQ(KHbeta_F->Edit2->Text(), "  1.3");

    Click(Form1->RadioButton1);
    EXPECT_EQ(G.GearingType, kExternalPair);
    EXPECT_GT(G.z2, 0);
    EXPECT_TRUE(KHbeta_F->CheckBox5->Enabled());
}

TEST_F(MainWindow, MethodCSelectsOneLevelLoadingAndKHbetaByMethodC) {
    ShowResultsAsCalculated();
    G.LoadInputMethod = kMultilevelLoading;
    Rozmery_F->Edit1->SetEnabled(false);
    Click(Form1->RadioButton4);
    EXPECT_TRUE(G.MethodC);
    EXPECT_EQ(Form1->Caption(), kCaptionMethodC);
    EXPECT_EQ(G.LoadInputMethod, kOneLevelLoading);
    EXPECT_EQ(G.KHbetaMethod, "ISO_C");
    EXPECT_EQ(G.KHbetaCalcVariant, "a");
    EXPECT_FALSE(G.KHbetaDirect);
    EXPECT_TRUE(G.ControlPressed6);
    EXPECT_TRUE(Rozmery_F->Edit1->Enabled());
    EXPECT_TRUE(Withdrawn());

    // Method C once more: nothing happens.
    ShowResultsAsCalculated();
    G.KHbetaCalcVariant = "c";
    Form1->RadioButton4Click();
    EXPECT_EQ(G.KHbetaCalcVariant, "c");
    EXPECT_TRUE(Form1->Button14->Visible());

    G.FullPinion = true;
    Rozmery_F->CB1->SetChecked(true);
    Click(Form1->RadioButton3);
    EXPECT_FALSE(G.MethodC);
    EXPECT_EQ(Form1->Caption(), kCaptionMethodB);
    EXPECT_EQ(G.KHbetaMethod, "primo");
    EXPECT_TRUE(G.KHbetaDirect);
    EXPECT_FALSE(Rozmery_F->Edit1->Enabled());  // a full pinion keeps its face width
    EXPECT_TRUE(Rozmery_F->Edit2->Enabled());
    EXPECT_TRUE(Withdrawn());
}

TEST_F(MainWindow, HypothesisChoiceWithdrawsResultsUnlessTheServiceLifeWindowIsOpen) {
    ShowResultsAsCalculated();
    Click(Form1->RadioButton5);
    EXPECT_EQ(G.CalcMethodics, kMethodicsMiner);
    EXPECT_FALSE(G.HypothesisHaibach);
    EXPECT_TRUE(Withdrawn());

    ShowResultsAsCalculated();
    G.LifeFormActive = true;
    Click(Form1->RadioButton6);
    EXPECT_EQ(G.CalcMethodics, kMethodicsHaibach);
    EXPECT_TRUE(G.HypothesisHaibach);
    EXPECT_TRUE(Form1->Button14->Visible());
}

TEST_F(MainWindow, PaintBringsTheRadioButtonsIntoLineWithTheData) {
    G.HypothesisHaibach = false;
    G.CalcMethodics = kMethodicsMiner;
    G.MethodC = true;
    Form1->Repaint();
    EXPECT_TRUE(Form1->RadioButton5->Checked());
    EXPECT_TRUE(Form1->RadioButton4->Checked());
    EXPECT_EQ(G.CalcMethodics, kMethodicsMiner);   // the handlers found the data set
    EXPECT_EQ(Form1->Caption(), kCaptionMethodC);  // and the caption follows the method
}

// A gearing switch resets the case to method B: the method radio and the caption follow, also
// after a calculation, and "ISO  C" acts again.
TEST_F(MainWindow, MethodRadioAndCaptionFollowAGearingSwitch) {
    Click(Form1->RadioButton4);
    ASSERT_TRUE(G.MethodC);
    EXPECT_EQ(Form1->Caption(), kCaptionMethodC);
    Click(Form1->RadioButton2);
    Click(Form1->RadioButton1);
    EXPECT_FALSE(G.MethodC);
    EXPECT_TRUE(Form1->RadioButton3->Checked());
    EXPECT_EQ(Form1->Caption(), kCaptionMethodB);
    Click(Form1->Button8);
    ASSERT_TRUE(G.ResumeCalculation);
    EXPECT_TRUE(Form1->RadioButton3->Checked());
    EXPECT_FALSE(Form1->RadioButton4->Checked());
    EXPECT_EQ(Form1->Caption(), kCaptionMethodB);
    Click(Form1->RadioButton4);
    EXPECT_TRUE(G.MethodC);
    EXPECT_EQ(Form1->Caption(), kCaptionMethodC);
}

TEST_F(MainWindow, InputCommandsWithdrawTheResultsAndOpenTheirWindowsModally) {
    const std::pair<ui::Button*, ui::Form*> commands[] = {
        {Form1->Button1, Geometrie_F}, {Form1->Button2, Materialy_F},  {Form1->Button3, Zatizeni_F},
        {Form1->Button4, Rozmery_F},   {Form1->Button5, Presnost_F},   {Form1->Button6, KHbeta_F},
        {Form1->Button7, Souc_F},      {Form1->Button13, Zivotnost_F},
    };
    for (auto [button, window] : commands) {
        SCOPED_TRACE(button->Caption());
        ShowResultsAsCalculated();
        ui::test::QueueModalResult(window, ui::mrOk);
        Click(button);
        EXPECT_TRUE(Withdrawn());
        ASSERT_FALSE(ui::test::ModalShows().empty());
        EXPECT_EQ(ui::test::ModalShows().back().Form, window->Name());
    }
    EXPECT_FALSE(KHbeta_F->Button3->Visible());  // KHß hides the window's Help first
}

TEST_F(MainWindow, ServiceLifeBackShowsTheFrameWhenItsResultsAreValid) {
    ui::test::QueueModal(Zivotnost_F, [](ui::Form&) {
        G.LifeValid = true;
        Click(Zivotnost_F->Button2);
    });
    Click(Form1->Button13);
    EXPECT_TRUE(Form1->Panel1->Visible());
    EXPECT_FALSE(G.LifeFormActive);
}

TEST_F(MainWindow, ServiceLifeDrawShowsTheChartBesideTheOpenWindow) {
    ui::test::QueueModal(Zivotnost_F, [](ui::Form&) {
        Zivotnost_F->Button4->SetEnabled(true);  // as the life calculation enables it
        Click(Zivotnost_F->Button4);
        EXPECT_TRUE(Prubehy_F->Visible());
        EXPECT_TRUE(Zivotnost_F->Visible());  // the chart is modeless: the window stays open
        Click(Zivotnost_F->Button2);
    });
    Click(Form1->Button13);
    Prubehy_F->Hide();
}

TEST_F(MainWindow, TheHookLetsTheThreeWindowsSeePressesBeforeTheFocusMoves) {
    ui::test::QueueModal(Spektrum_F, [](ui::Form&) {
        ui::test::Press(Spektrum_F->Button4);
        EXPECT_TRUE(G.ControlPressed4);
        ui::test::Release(Spektrum_F->Button4);  // "&Esc" clears it and closes
        EXPECT_FALSE(G.ControlPressed4);
    });
    Spektrum_F->ShowModal();
    ui::test::QueueModal(KHbeta_F, [](ui::Form&) {
        ui::test::Press(KHbeta_F->CheckBox2);
        EXPECT_TRUE(G.ControlPressed4);
        ui::test::Release(KHbeta_F->CheckBox2);
        EXPECT_FALSE(G.ControlPressed4);
        Click(KHbeta_F->Button1);
    });
    Click(Form1->Button6);
    ui::test::QueueModal(Rozmery_F, [](ui::Form&) {
        ui::test::Press(Rozmery_F->CB1);
        EXPECT_TRUE(G.ControlPressed1);
        ui::test::Release(Rozmery_F->CB1);
        Click(Rozmery_F->Button1);
    });
    Click(Form1->Button4);
    // A press elsewhere sets nothing.
    G.ControlPressed1 = false;
    Click(Form1->Button12);
    EXPECT_FALSE(G.ControlPressed1);
}

TEST_F(MainWindow, F1OpensTheHelpContentsAndAFailingHelpShowsError) {
    ui::test::F1();
    ASSERT_EQ(ui::test::HelpCalls().size(), 1u);
    EXPECT_EQ(ui::test::HelpCalls()[0].File, "help_diz.hlp");
    EXPECT_EQ(ui::test::HelpCalls()[0].Command, ui::HELP_FINDER);
    EXPECT_TRUE(Messages().empty());
    ui::test::SetHelpResult(false);
    ui::test::F1();
    EXPECT_EQ(Messages(), std::vector<std::string>{"Error"});
}

TEST_F(MainWindow, HelpFileHasATopicForEveryContextOfTheWindows) {
    std::ifstream in(SourcePath("karvelo/app/help_diz.html"));
    ASSERT_TRUE(in);
    std::stringstream html;
    html << in.rdbuf();
    for (int context : {21, 31, 32, 41, 42, 43, 44, 45, 46, 51, 61, 71, 81, 82})
        EXPECT_NE(html.str().find("id=\"" + std::to_string(context) + "\""), std::string::npos) << context;
}

TEST_F(MainWindow, EndHaltsAtOnce) {
    Click(Form1->Button12);
    EXPECT_EQ(ui::test::Exits(), std::vector<int>{0});
    EXPECT_TRUE(Messages().empty());
}

TEST_F(MainWindow, DamagesAndValidityRestrictionsOpenTheirWindowsModelessly) {
    ShowResultsAsCalculated();
    Form1->Button16->Show();
    Click(Form1->Button15);
    EXPECT_TRUE(Prubehy_jednF->Visible());
    Click(Form1->Button16);
    EXPECT_TRUE(Platnost_F->Visible());
    Form1->ClearResults();
    EXPECT_FALSE(Platnost_F->Visible());
    EXPECT_TRUE(Prubehy_jednF->Visible());  // stays open beside the main window
}

}  // namespace
}  // namespace karvelo::test
