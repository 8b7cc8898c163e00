// The input windows' services to the main window and the calculation: refreshed geometry
// fields, the focus of the accuracy window, the spectrum table rows and headers, the one-level
// switch of the loading window, the equivalent stresses, the static overload counters, the
// service-life window's modes and its "Back", and the mouse-down previews.
#include <cmath>

#include "karvelo/ProgramState.h"
#include "karvelo/calc/Geometrie.h"
#include "karvelo/calc/Global.h"
#include "karvelo/forms/GeometrieF.h"
#include "karvelo/forms/KHbetaF.h"
#include "karvelo/forms/PresnostF.h"
#include "karvelo/forms/RozmeryF.h"
#include "karvelo/forms/SoucF.h"
#include "karvelo/forms/SpektrumF.h"
#include "karvelo/forms/ZatizeniF.h"
#include "karvelo/forms/ZivotnostF.h"
#include "runtime/NumText.h"
#include "ui/TestHarness.h"

namespace karvelo {
namespace {

class InputWindows : public ui::test::FormTest {
protected:
    void SetUp() override {
        test::ResetProgramState();
        G.GearingType = 1;
        SetDefaultInputs();
        ComputeCentreDistanceFromShifts();
        ComputeGearDimensions();
    }
    void TearDown() override {
        ui::test::FormTest::TearDown();
        test::ResetProgramState();
    }
};

TEST_F(InputWindows, UpdateGeometryFormRecomputesAndShowsTheDerivedFields) {
    TGeometrie_F w;
    const double da1 = G.da1;
    G.x1 = 0.25;
    G.xsum = G.x1 + G.x2;
    ComputeCentreDistanceFromShifts();
    w.UpdateGeometryForm();
    EXPECT_EQ(w.EditField(6)->Text(), "0.2500");  // 6:4
    EXPECT_EQ(w.EditField(7)->Text(), "0.0000");
    EXPECT_EQ(w.EditField(15)->Text(), rt::Str(G.da1, 7, 3));
    EXPECT_GT(G.da1, da1);  // the positive shift makes the pinion tip larger
    EXPECT_EQ(w.EditField(13)->Text(), rt::Str(G.RofP1, 6, 4));
    EXPECT_EQ(w.EditField(8)->Text(), rt::Str(G.a, 7, 3));
}

TEST_F(InputWindows, GeometryPaintShowsTheCutterOnlyForAnInternalPairAndOkSetsTheRimLimits) {
    TGeometrie_F w;
    ui::test::QueueModal(&w, [&](ui::Form&) {
        EXPECT_FALSE(w.EditField(19)->Showing());
        EXPECT_EQ(w.EditField(1)->Text(), "20.0");
        ui::test::Click(w.Button1);
    });
    G.LifeValid = true;
    EXPECT_EQ(w.ShowModal(), ui::mrOk);
    EXPECT_FALSE(G.LifeValid);
    EXPECT_DOUBLE_EQ(G.sRmin1, (G.da1 - G.df1) / 4);
    G.GearingType = 2;
    ui::test::QueueModal(&w, [&](ui::Form&) {
        EXPECT_TRUE(w.EditField(19)->Showing());
        ui::test::Click(w.Button1);
    });
    w.ShowModal();
    EXPECT_DOUBLE_EQ(G.sRmin2, 1.75 * G.mn);
}

TEST_F(InputWindows, AccuracyFieldFocusedBeforeShowingShowsTheHelixRowFirst) {
    TPresnost_F w;
    G.KHbetaMethod = "ISO_C";
    w.FocusField(6);
    ui::test::QueueModal(&w, [&](ui::Form&) {
        EXPECT_EQ(w.ActiveControl(), w.EditField(6));
        EXPECT_TRUE(w.EditField(5)->Showing());
        ui::test::Click(w.Button1);
    });
    w.ShowModal();
    G.KHbetaMethod = "primo";
    w.FocusField(7);
    ui::test::QueueModal(&w, [&](ui::Form&) {
        EXPECT_EQ(w.ActiveControl(), w.EditField(7));
        EXPECT_FALSE(w.EditField(5)->Showing());
        ui::test::Click(w.Button1);
    });
    w.ShowModal();
}

TEST_F(InputWindows, SpectrumRowsShowLevelCountRowsAndFactorButtonsOnlyForASpectrum) {
    TSpektrum_F w;
    w.OnCreate();
    G.LevelCount = 3;
    G.LoadInputMethod = 1;
    w.HideSpectrumRows();
    w.ShowSpectrumRows();
    EXPECT_TRUE(w.LoadEdit[3]->Visible());
    EXPECT_TRUE(w.KvEdit[3]->Visible());
    EXPECT_FALSE(w.LoadEdit[4]->Visible());
    EXPECT_FALSE(w.LevelLabel[4]->Visible());
    EXPECT_FALSE(w.Button6->Visible());
    EXPECT_TRUE(w.LoadEdit[1]->Visible());  // row 1 is never hidden
    G.LoadInputMethod = 2;
    w.HideSpectrumRows();
    w.ShowSpectrumRows();
    EXPECT_TRUE(w.Button5->Visible());
    EXPECT_TRUE(w.Button6->Visible());
    EXPECT_EQ(w.FindControl("Edit143")->Name(), "Edit143");  // speed of level 20
}

TEST_F(InputWindows, SpectrumHeadersFollowTheLoadUnit) {
    TSpektrum_F w;
    G.LoadAsForce = false;
    w.OnCreate();
    for (int n : {32, 33, 41}) EXPECT_TRUE(w.HeaderLabel(n)->Visible()) << n;
    for (int n : {30, 31, 40, 34, 43, 44}) EXPECT_FALSE(w.HeaderLabel(n)->Visible()) << n;
    EXPECT_EQ(w.HeaderLabel(41)->Caption(), "[N·m]");
    w.HideLoadColumnHeaders();
    for (int n : {30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 43, 44}) EXPECT_FALSE(w.HeaderLabel(n)->Visible());
}

TEST_F(InputWindows, SpectrumWindowPutsItsSampleSpectrumIntoTheCase) {
    G.SpectrumY[7] = 55;
    G.LoadAsForce = true;
    TSpektrum_F w;
    w.OnCreate();
    EXPECT_FALSE(G.LoadAsForce);
    EXPECT_TRUE(G.SpectrumAbsolute);
    EXPECT_EQ(G.SpectrumY[1], 4000);
    EXPECT_EQ(G.SpectrumY[5], 800);
    EXPECT_EQ(G.SpectrumX[5], 200000);
    EXPECT_EQ(G.SpectrumY[7], 0);
    EXPECT_EQ(G.n1Level[3], 1000);
    EXPECT_EQ(G.n1Level[12], G.n1);
    G.LevelCount = 5;
    w.Show();
    EXPECT_EQ(w.CyclesEdit[5]->Text(), "2E+5");
    EXPECT_EQ(w.LoadEdit[1]->Text(), " 4000.0");
    EXPECT_EQ(w.SpeedEdit[1]->Text(), "1000.0");
}

TEST_F(InputWindows, OneLevelAfterASpectrumByHaibachTakesTheLargestEquivalentLoad) {
    TZatizeni_F w;
    G.LoadInputMethod = 2;
    G.CalcMethodics = 4;
    G.LoadAsForce = false;
    G.LevelCount = 5;
    G.TFe1 = 2100, G.THe1 = 2600, G.TFe2 = 1900, G.THe2 = 2400;
    G.FtFe1 = 21000, G.FtHe1 = 26000, G.FtFe2 = 19000, G.FtHe2 = 24000;
    G.KHbetaEkv = 1.2, G.KHalfaEkv = 1.1, G.KvEkv = 1.05, G.KFbetaEkv = 1.15, G.KFalfaEkv = 1.0;
    G.EquivLoadGiven2 = true;
    w.RadioButton4->SetChecked(true);
    w.RadioButton3->SetChecked(true);  // checking it runs its handler
    EXPECT_EQ(G.LoadInputMethod, 1);
    EXPECT_EQ(G.LevelCount, 1);
    EXPECT_DOUBLE_EQ(G.Tjm, 2600);
    EXPECT_DOUBLE_EQ(G.Ftjm, 0);
    EXPECT_DOUBLE_EQ(G.FtHe1Used, 26000);
    EXPECT_DOUBLE_EQ(G.KHbeta, 1.2);
    EXPECT_DOUBLE_EQ(G.KH, 1.2 * 1.1 * 1.05);
    EXPECT_DOUBLE_EQ(G.KF, 1.15 * 1.0 * 1.05);
    EXPECT_EQ(G.CalcMethodics, 4);
    EXPECT_FALSE(G.EquivLoadGiven2);
}

TEST_F(InputWindows, OneLevelAfterAnApproximateSpectrumKeepsTheLoadAndTakesHaibach) {
    TZatizeni_F w;
    bool mainRepainted = false;
    MainWindow().RepaintMainWindow = [&] { mainRepainted = true; };
    G.LoadInputMethod = 2;
    G.CalcMethodics = 2;
    G.HypothesisHaibach = false;
    G.Tjm = 2500;
    G.TFe1 = 3000;
    G.SigmaH1ekv = 900;
    w.RadioButton4->SetChecked(true);
    w.RadioButton3->SetChecked(true);
    EXPECT_DOUBLE_EQ(G.Tjm, 2500);
    EXPECT_EQ(G.CalcMethodics, 4);
    EXPECT_TRUE(G.HypothesisHaibach);
    EXPECT_DOUBLE_EQ(G.TFe1, 0);
    EXPECT_DOUBLE_EQ(G.SigmaH1ekv, 0);
    EXPECT_TRUE(mainRepainted);
}

TEST_F(InputWindows, EquivalentStressesAreZeroedUnlessCurrentOrTheServiceLifeWindowIsOpen) {
    TZatizeni_F w;
    G.CalcMethodics = 3;
    G.SigmaF1ekv = 300;
    G.EquivalentStressesCurrent = true;
    w.ShowEquivalentStresses();
    EXPECT_DOUBLE_EQ(G.SigmaF1ekv, 300);
    EXPECT_TRUE(w.EquivalentStressLabels[0]->Visible());
    G.EquivalentStressesCurrent = false;
    G.LifeFormActive = true;
    w.ShowEquivalentStresses();
    EXPECT_DOUBLE_EQ(G.SigmaF1ekv, 300);
    G.EquivalentStressesCurrent = false;
    G.LifeFormActive = false;
    w.ShowEquivalentStresses();
    EXPECT_DOUBLE_EQ(G.SigmaF1ekv, 0);
    EXPECT_TRUE(G.EquivalentStressesCurrent);
    G.CalcMethodics = 2;
    w.ShowEquivalentStresses();
    EXPECT_FALSE(w.EquivalentStressLabels[0]->Visible());
}

TEST_F(InputWindows, StaticOverloadsCountLevelsStrictlyAboveTheStaticLimit) {
    G.LevelCount = 3;
    G.Sigmafpb1stat = 800, G.SigmaHP1stat = 2000, G.Sigmafpb2stat = 700, G.SigmaHP2stat = 1900;
    G.SigmaF1Level[1] = 900, G.SigmaF1Level[2] = 800, G.SigmaF1Level[3] = 801;  // 800 is not above
    G.SigmaH2Level[3] = 1900.5;
    G.SigmaF2Level[4] = 5000;  // beyond LevelCount
    CountStaticOverloads();
    EXPECT_EQ(G.StaticOverloadCountF1, 2);
    EXPECT_EQ(G.StaticOverloadCountH1, 0);
    EXPECT_EQ(G.StaticOverloadCountF2, 0);
    EXPECT_EQ(G.StaticOverloadCountH2, 1);
    TZatizeni_F w;
    G.LoadInputMethod = 2;
    w.Show();
    EXPECT_TRUE(w.WarningLabels[3]->Visible());
    EXPECT_EQ(w.EquivalentStressLabels[0]->Caption(), "  0.0 *");
    EXPECT_EQ(w.EquivalentStressLabels[0]->Font().Color, ui::clRed);
    EXPECT_EQ(w.EquivalentStressLabels[1]->Font().Color, ui::clBlack);
}

TEST_F(InputWindows, ServiceLifeKeepsOneModeAndItsBackShowsTheMainFrameByTheResults) {
    TZivotnost_F w;
    w.OnCreate();
    std::vector<bool> panel;
    MainWindow().SetLifePanelVisible = [&](bool v) { panel.push_back(v); };
    ui::test::QueueModal(&w, [&](ui::Form&) {
        EXPECT_TRUE(G.LifeFormActive);
        ui::test::Click(w.RadioButton2);
        EXPECT_TRUE(G.LifeInHours);
        EXPECT_FALSE(G.LifeFromSafety);
        G.LifeValid = true;
        ui::test::Click(w.Button2);
    });
    EXPECT_EQ(w.ShowModal(), ui::mrOk);
    EXPECT_FALSE(G.LifeFormActive);
    ui::test::QueueModal(&w, [&](ui::Form&) {
        ui::test::Click(w.RadioButton1);  // results out of date
        ui::test::Click(w.Button2);
    });
    w.ShowModal();
    EXPECT_EQ(panel, (std::vector<bool>{true, false}));
    EXPECT_TRUE(G.LifeFromSafety);
}

TEST_F(InputWindows, ServiceLifeKeepsLoadedResultsOnTheFirstActivationOnly) {
    TZivotnost_F w;
    w.OnCreate();
    // A loaded case in the second mode: the activation checks its radio, which keeps the results.
    G.LifeValid = true;
    G.LifeFromSafety = false;
    G.LifeInHours = true;
    G.LoadedFromFile = 1;
    ui::test::QueueModal(&w, [&](ui::Form&) {
        EXPECT_TRUE(w.RadioButton2->Checked());
        EXPECT_TRUE(G.LifeValid);
        EXPECT_FALSE(w.Button4->Enabled());
        ui::test::Click(w.Button2);
    });
    w.ShowModal();
    EXPECT_EQ(G.LoadedFromFile, 0);
    ui::test::QueueModal(&w, [&](ui::Form&) {
        EXPECT_TRUE(w.Button4->Enabled());
        EXPECT_FALSE(w.Label68->Visible());
        ui::test::Click(w.RadioButton1);  // now a change of mode makes them out of date
        EXPECT_FALSE(G.LifeValid);
        ui::test::Click(w.Button2);
    });
    w.ShowModal();
}

TEST_F(InputWindows, PreviewsSetTheirFlagsOnlyForLeftPressesOnTheirControls) {
    TRozmery_F r;
    TKHbeta_F k;
    TSpektrum_F s;
    r.OnCreate();
    k.OnCreate();
    s.OnCreate();
    r.PreviewRozmeryMouseDown({r.CB2, ui::WM_LBUTTONDOWN});
    r.PreviewRozmeryMouseDown({r.CB1, ui::WM_RBUTTONDOWN});
    EXPECT_FALSE(G.ControlPressed1);
    EXPECT_TRUE(G.ControlPressed2);
    k.PreviewKHbetaMouseDown({k.CheckBox5, ui::WM_LBUTTONDOWN});
    k.PreviewKHbetaMouseDown({k.Edit2, ui::WM_LBUTTONDOWN});
    EXPECT_TRUE(G.ControlPressed6);
    EXPECT_FALSE(G.ControlPressed3 || G.ControlPressed4 || G.ControlPressed5);
    s.PreviewSpectrumMouseDown({s.Button4, ui::WM_LBUTTONDOWN});
    EXPECT_TRUE(G.ControlPressed4);
    // The pressed control's click clears its flag.
    k.Show();
    ui::test::Click(k.CheckBox5);
    EXPECT_FALSE(G.ControlPressed6);
    EXPECT_FALSE(k.CheckBox5->Checked());  // shows the data: KHbeta is given directly
}

TEST_F(InputWindows, HelpKeysOpenTheWindowsTopics) {
    TSouc_F souc;
    G.ActiveEdit = 3;
    souc.Show();
    ui::test::F1();
    G.ActiveEdit = 12;
    ui::test::F1();
    TZatizeni_F load;
    load.Show();
    G.LoadInputMethod = 2;
    G.CalcMethodics = 3;
    ui::test::SetHelpResult(false);
    ui::test::F1();
    ASSERT_EQ(ui::test::HelpCalls().size(), 3u);
    EXPECT_EQ(ui::test::HelpCalls()[0].Data, 81u);
    EXPECT_EQ(ui::test::HelpCalls()[1].Data, 82u);
    EXPECT_EQ(ui::test::HelpCalls()[2].Data, 46u);
    EXPECT_EQ(ui::test::HelpCalls()[2].File, "help_diz.hlp");
    EXPECT_EQ(ui::test::HelpCalls()[2].Command, ui::HELP_CONTEXT);
    EXPECT_EQ(ui::test::Notices().Texts(), std::vector<std::string>{"Error"});
}

}  // namespace
}  // namespace karvelo
