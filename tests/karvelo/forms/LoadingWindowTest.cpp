// The loading window: its three modes, fields, unit switches, equivalent loads and stresses, the
// completeness check of Ok, Draw, Enter spectrum, the help tables and F1.
#include <vector>

#include "LoadWindowsFixture.h"

namespace karvelo {
namespace {

using ui::test::Click;

class LoadingWindow : public LoadWindows {
protected:
    static void SetEquivalentTorques() {
        G.TFe1 = 2100, G.THe1 = 2600, G.TFe2 = 1900, G.THe2 = 2400;
        G.FtFe1 = 21000, G.FtHe1 = 26000, G.FtFe2 = 19000, G.FtHe2 = 24000;
        G.KHbetaEkv = 1.2, G.KHalfaEkv = 1.1, G.KvEkv = 1.05, G.KFbetaEkv = 1.15, G.KFalfaEkv = 1.0;
        StampSpectrumResults(G);  // as the spectrum's calculation leaves them
    }
};

TEST_F(LoadingWindow, OneLevelAfterASpectrumByHaibachTakesTheLargestEquivalentLoad) {
    InLoad([&] {
        Click(load.RadioButton4);
        EXPECT_TRUE(load.Panel1->Visible());
        EXPECT_TRUE(load.Panel4->Visible());
        EXPECT_FALSE(load.Panel2->Visible());
        EXPECT_TRUE(load.Button12->Enabled());
        G.LevelCount = 5;
        SetEquivalentTorques();
        G.EquivLoadGiven2 = true;
        Click(load.RadioButton3);
        EXPECT_EQ(G.LoadInputMethod, kOneLevelLoading);
        EXPECT_EQ(G.LevelCount, 1);
        EXPECT_DOUBLE_EQ(G.Tjm, 2600);
        EXPECT_DOUBLE_EQ(G.Ftjm, 2000 * 2600 / G.d1);  // the force follows the torque
        EXPECT_DOUBLE_EQ(G.FtHe1Used, 26000);
        EXPECT_DOUBLE_EQ(G.KH, 1.2 * 1.1 * 1.05);
        EXPECT_DOUBLE_EQ(G.KF, 1.15 * 1.0 * 1.05);
        EXPECT_EQ(G.CalcMethodics, kMethodicsHaibach);
        EXPECT_FALSE(G.EquivLoadGiven2);
        EXPECT_FALSE(load.CheckBox1->Enabled());
        EXPECT_EQ(load.CheckBox4->Caption(), "Calculation by Haibach");
        EXPECT_FALSE(load.Button12->Enabled());
        Click(load.Button14);
    });
}

TEST_F(LoadingWindow, MethodicsActAsOneChoiceAndOneLevelKeepsTheirHypothesis) {
    bool mainRepainted = false;
    MainWindow().RepaintMainWindow = [&] { mainRepainted = true; };
    G.LoadInputMethod = kMultilevelLoading;
    InLoad([&] {
        Click(load.CheckBox2);
        EXPECT_EQ(G.CalcMethodics, kMethodicsEqA2);
        EXPECT_FALSE(G.HypothesisHaibach);
        EXPECT_FALSE(load.CheckBox4->Checked());
        EXPECT_TRUE(mainRepainted);
        EXPECT_FALSE(load.EquivalentStressLabels[0]->Visible());  // no stresses for fig. A3, eq. A2
        G.Tjm = 2500;
        G.TFe1 = 3000;
        Click(load.RadioButton3);
        EXPECT_DOUBLE_EQ(G.Tjm, 2500);  // an approximate methodics keeps its nominal load
        EXPECT_EQ(G.CalcMethodics, kMethodicsMiner);  // eq. A2 is rated by Miner, in one level too
        EXPECT_FALSE(G.HypothesisHaibach);
        EXPECT_DOUBLE_EQ(G.TFe1, 0);
        Put(load.Field(7), "1.1");  // a one-level case of its own
        Click(load.RadioButton5);   // direct input: Miner stays, the factors are 1
        EXPECT_EQ(G.CalcMethodics, kMethodicsMiner);
        EXPECT_TRUE(G.KvDirect);
        EXPECT_FALSE(load.CheckBox3->Visible());
        Click(load.Button14);  // no loads: refused
        EXPECT_EQ(Messages().back(), "All forces of the spectrum are not yet entered.");
        EXPECT_EQ(load.ActiveControl(), load.Field(22));
        for (int n = 22; n <= 25; ++n) Put(load.Field(n), "1000");
        Click(load.Button14);
    });
    G.LoadInputMethod = kMultilevelLoading;
    G.CalcMethodics = kMethodicsEqA2;
    InLoad([&] {
        Click(load.RadioButton5);  // eq. A2 becomes Miner
        for (int n = 22; n <= 25; ++n) Put(load.Field(n), "1000");
        Click(load.Button14);
    });
    EXPECT_EQ(G.CalcMethodics, kMethodicsMiner);
}

TEST_F(LoadingWindow, StressRatiosAndKAAreCheckedOnEveryPanel) {
    struct Panel {
        std::int16_t mode;
        int r1, r2;
    };
    for (const Panel& p :
         {Panel{kOneLevelLoading, 5, 6}, Panel{kMultilevelLoading, 19, 20}, Panel{kDirectEquivalentLoad, 12, 13}}) {
        SCOPED_TRACE(p.mode);
        G.LoadInputMethod = p.mode;
        InLoad([&] {
            ui::test::Notices().Clear();
            Put(load.Field(p.r1), "0.8");
            EXPECT_EQ(G.R1, -0.8);
            EXPECT_EQ(load.Field(p.r1)->Text(), "-0.800");
            Put(load.Field(p.r1), "0");
            EXPECT_EQ(load.Field(p.r1)->Text(), "0.000");
            for (const char* bad : {"1.25", "-1.3"}) {
                Put(load.Field(p.r1), bad);
                EXPECT_EQ(Messages().back(), "Invalid input, coefficient R1 can be from -1.2 to 0 ");
            }
            Put(load.Field(p.r1), "-1.2");
            Put(load.Field(p.r2), "1.5");
            EXPECT_EQ(Messages().back(), "Invalid input, coefficient R2 can be from -1.2 to 0 ");
            EXPECT_EQ(load.ActiveControl(), load.Field(p.r2));
            Put(load.Field(p.r2), "1");
            EXPECT_EQ(G.R2, -1);
            if (p.mode == 1) {
                Put(load.Field(7), "0.5");
                EXPECT_EQ(Messages().back(), "Invalid input, factor KA must be >=1");
                Put(load.Field(7), "1");
                EXPECT_EQ(G.KA, 1);
            }
            ui::test::Esc();  // the window has no Esc: nothing closes
            EXPECT_TRUE(load.Visible());
            load.ModalResult = ui::mrCancel;
        });
        EXPECT_EQ(G.R1, -1.2);
    }
}

TEST_F(LoadingWindow, UnitSwitchesConvertEveryLoadAndBackAgain) {
    G.LoadInputMethod = kDirectEquivalentLoad;
    SetEquivalentTorques();
    G.EquivLoadGiven1 = G.EquivLoadGiven2 = G.EquivLoadGiven3 = G.EquivLoadGiven4 = true;
    G.Tjm = 480, G.Tmax = 300, G.Tmin = 40;
    const GlobalData before = G;
    InLoad([&] {
        for (int i = 0; i < 2; ++i) {
            Click(load.RadioButton13);
            EXPECT_TRUE(G.LoadAsForce);
            EXPECT_DOUBLE_EQ(G.FtFe1, 2100 * 2000 / G.d1);
            EXPECT_TRUE(load.RadioButton7->Checked());  // the other panels follow
            EXPECT_EQ(load.Field(22)->Text(), rt::Str(G.FtFe1, 5, 1));
            Click(load.RadioButton10);
            EXPECT_FALSE(G.LoadAsForce);
        }
        Click(load.RadioButton10);  // already torques: nothing
        load.ModalResult = ui::mrCancel;
    });
    for (double GlobalData::*v : {&GlobalData::Tjm, &GlobalData::Tmax, &GlobalData::Tmin, &GlobalData::TFe1,
                                  &GlobalData::THe1, &GlobalData::TFe2, &GlobalData::THe2})
        EXPECT_NEAR(G.*v, before.*v, 1e-12 * before.*v);
}

// Another input window makes the shown equivalents out of date; typed ones stay, and one level
// takes the largest of them.
TEST_F(LoadingWindow, TypedEquivalentLoadsSurviveAVisitToAnotherWindow) {
    G.LoadInputMethod = kDirectEquivalentLoad;
    InLoad([&] {
        for (int n = 22; n <= 25; ++n) Put(load.Field(n), std::to_string(100 * n));
        Click(load.Button14);
    });
    G.EquivalentStressesCurrent = false;
    InLoad([&] {
        EXPECT_EQ(G.TFe2, 2400);
        EXPECT_TRUE(G.EquivLoadGiven2);
        EXPECT_EQ(load.Field(25)->Text(), "2500.0");
        Click(load.RadioButton3);  // one level: the largest of them
        EXPECT_EQ(G.Tjm, 2500);
        EXPECT_EQ(load.Field(1)->Text(), "2500.0");
        Click(load.Button14);
    });
    EXPECT_EQ(ui::test::ModalShows().back().Result, ui::mrOk);
}

TEST_F(LoadingWindow, OkChecksTheLoadOfEachMode) {
    G.Tjm = G.Ftjm = 0;
    InLoad([&] {
        Click(load.Button14);
        EXPECT_EQ(Messages().back(), "Incomplet input - nominal torque moment (force) is  missing.");
        EXPECT_EQ(load.ActiveControl(), load.Field(1));
        Put(load.Field(1), "500");
        EXPECT_DOUBLE_EQ(G.Ftjm, 500 * 2000 / G.d1);
        // Hours: the hours are checked, not the cycles the hours mode does not show.
        Click(load.RadioButton2);
        G.NL1 = G.NL2 = 0;
        Put(load.Field(3), "1000");
        Put(load.Field(4), "1200");
        ui::test::Notices().Clear();
        Click(load.Button14);
        EXPECT_EQ(Messages(), std::vector<std::string>{"Životnosti pastorku a kola v hodinách se většinou rovnají"});
    });
    EXPECT_EQ(ui::test::ModalShows().back().Result, ui::mrOk);
    EXPECT_EQ(G.NL1h, 1000);

    // A spectrum by Miner needs no equivalent loads; by Haibach they must be calculated.
    G.LoadInputMethod = kMultilevelLoading;
    G.CalcMethodics = kMethodicsMiner;
    G.LevelCount = 2;
    G.SpectrumY[1] = 2000, G.SpectrumY[2] = 1000;
    G.SpectrumX[1] = 1e5, G.SpectrumX[2] = 1e6;
    InLoad([&] { Click(load.Button14); });
    EXPECT_EQ(ui::test::ModalShows().back().Result, ui::mrOk);
    G.CalcMethodics = kMethodicsHaibach;
    ui::test::Notices().Clear();
    InLoad([&] {
        Click(load.Button14);
        EXPECT_EQ(Messages().back(), "All the equivalent torque moments are not calculated - enter spectrum.");
        EXPECT_EQ(load.ActiveControl(), load.Button12);
        load.ModalResult = ui::mrCancel;
    });
}

TEST_F(LoadingWindow, EnterSpectrumAndDraw) {
    std::vector<std::string> links;
    MainWindow().PrepareCoursesData = [&] { links.push_back("prepare"); };
    MainWindow().ShowCoursesWindow = [&] { links.push_back("show"); };
    G.LoadInputMethod = kMultilevelLoading;
    G.CalcMethodics = kMethodicsMiner;
    InLoad([&] {
        EXPECT_FALSE(load.Button4->Enabled());
        ui::test::QueueModal(&spectrum, [&](ui::Form& f) {
            EXPECT_EQ(f.Caption(), "Precise calculation of an equivalent load and stress by Miner");
            EXPECT_EQ(G.SavedTjm, G.Tjm);
            Click(spectrum.Button2);
        });
        Click(load.Button12);
        EXPECT_TRUE(load.Button4->Enabled());
        EXPECT_GT(G.SigmaF1ekv, 0);
        EXPECT_EQ(load.EquivalentStressLabels[0]->Caption(), rt::Str(G.SigmaF1ekv, 5, 1));
        Click(load.Button4);  // Miner in a spectrum: the chart only
        EXPECT_EQ(links, std::vector<std::string>{"show"});
        // Equivalent loads given, by Haibach: the chart's data of one load first.
        Click(load.RadioButton5);
        for (int n = 22; n <= 25; ++n) Put(load.Field(n), "1000");
        EXPECT_FALSE(load.CheckBox4->Visible());
        links.clear();
        G.CalcMethodics = kMethodicsHaibach;
        Click(load.Button4);
        EXPECT_EQ(links, (std::vector<std::string>{"prepare", "show"}));
        Click(load.Button14);
    });
}

// Esc closes a help table; its key handler then gives the loading window's focus to the field
// beside the "Help" button that opened it.
TEST_F(LoadingWindow, AfterEscInAHelpTableTypingGoesOnInTheFieldBesideItsButton) {
    struct Table {
        ui::Form* form;
        ui::Button* TZatizeni_F::*button;
        int field;
    };
    for (const Table& t : {Table{&help1, &TZatizeni_F::Button2, 6}, Table{&help2, &TZatizeni_F::Button3, 7}}) {
        InLoad([&] {
            Click(load.*t.button);
            EXPECT_TRUE(t.form->Visible());
            ui::test::Esc();
            EXPECT_FALSE(t.form->Visible());
            EXPECT_EQ(load.ActiveControl(), load.Field(t.field));
            ui::test::Type("1.1");
            ui::test::Enter();
            load.ModalResult = ui::mrCancel;
        });
    }
    EXPECT_EQ(G.R2, -1.1);
    EXPECT_EQ(G.KA, 1.1);
}

TEST_F(LoadingWindow, StaticOverloadsShowTheWarningAndMarkTheirStresses) {
    G.LevelCount = 3;
    G.Sigmafpb1stat = 800, G.SigmaHP1stat = 2000, G.Sigmafpb2stat = 700, G.SigmaHP2stat = 1900;
    G.SigmaF1Level[1] = 900, G.SigmaF1Level[2] = 800, G.SigmaF1Level[3] = 801;  // 800 is not above
    G.SigmaH2Level[3] = 1900.5;
    G.SigmaF2Level[4] = 5000;  // beyond LevelCount
    G.LoadInputMethod = kMultilevelLoading;
    StampSpectrumResults(G);  // as the spectrum's calculation leaves them
    CountStaticOverloads();
    EXPECT_EQ(G.StaticOverloadCountF1, 2);
    EXPECT_EQ(G.StaticOverloadCountH1, 0);
    EXPECT_EQ(G.StaticOverloadCountF2, 0);
    EXPECT_EQ(G.StaticOverloadCountH2, 1);
    G.LoadInputMethod = kMultilevelLoading;
    load.Show();
    EXPECT_TRUE(load.WarningLabels[3]->Visible());
    EXPECT_EQ(load.EquivalentStressLabels[0]->Caption(), "  0.0 *");
    EXPECT_EQ(load.EquivalentStressLabels[0]->Font().Color, ui::clRed);
    EXPECT_EQ(load.EquivalentStressLabels[1]->Font().Color, ui::clBlack);
    G.LoadInputMethod = kOneLevelLoading;
    load.Repaint();
    EXPECT_FALSE(load.WarningLabels[0]->Visible());
}

TEST_F(LoadingWindow, HelpKeyOpensTheTopicOfTheMethodicsAndAFailedCallShowsError) {
    load.Show();
    G.LoadInputMethod = kMultilevelLoading;
    G.CalcMethodics = kMethodicsMiner;
    ui::test::SetHelpResult(false);
    ui::test::F1();
    ASSERT_EQ(ui::test::HelpCalls().size(), 1u);
    EXPECT_EQ(ui::test::HelpCalls()[0].Data, 46u);
    EXPECT_EQ(ui::test::HelpCalls()[0].File, "help_diz.hlp");
    EXPECT_EQ(ui::test::HelpCalls()[0].Command, ui::HELP_CONTEXT);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Error"});
    G.LoadInputMethod = kOneLevelLoading;
    EXPECT_EQ(load.HelpContext(), 42u);
}

}  // namespace
}  // namespace karvelo
