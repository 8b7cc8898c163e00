// The service-life window: its two modes by Miner and Haibach through the spectrum window, its
// fields, the results shown, and "Back" by any close.
#include <vector>

#include "LoadWindowsFixture.h"

namespace karvelo {
namespace {

using ui::test::Click;

class ServiceLifeWindow : public LoadWindows {
protected:
    // Lives and level stresses of a spectrum as its calculation leaves them, for the inputs as set.
    static void HoldLives() {
        G.LoadInputMethod = kMultilevelLoading;
        G.LifeValid = true;
        StampSpectrumResults(G);
        StampServiceLives(G);
    }
};

TEST_F(ServiceLifeWindow, LifeOrSafetyByMinerOrHaibachThroughTheSpectrumWindow) {
    std::vector<bool> panel;
    int charts = 0;
    MainWindow().SetLifePanelVisible = [&](bool v) { panel.push_back(v); };
    MainWindow().ShowCoursesWindow = [&] { ++charts; };
    for (bool haibach : {false, true})
        for (bool lifeFromSafety : {true, false}) {
            SCOPED_TRACE(std::string(haibach ? "Haibach" : "Miner") + (lifeFromSafety ? ", life" : ", safety"));
            InLife([&] {
                EXPECT_TRUE(G.LifeFormActive);
                EXPECT_EQ(G.LoadInputMethod, kMultilevelLoading);
                Click(lifeFromSafety ? life.RadioButton1 : life.RadioButton2);
                EXPECT_EQ(life.Panel1->Visible(), lifeFromSafety);
                EXPECT_EQ(life.Panel2->Visible(), !lifeFromSafety);
                if (G.HypothesisHaibach != haibach) Click(haibach ? life.CheckBox2 : life.CheckBox1);
                EXPECT_EQ(G.CalcMethodics, haibach ? kMethodicsHaibach : kMethodicsMiner);
                if (lifeFromSafety) Put(life.Field(2), "1.2");
                EXPECT_FALSE(life.Button4->Enabled());
                ui::test::QueueModal(&spectrum, [&](ui::Form& f) {
                    EXPECT_EQ(f.Caption(), life.Caption());
                    Click(spectrum.Button2);
                });
                Click(life.Button1);
                EXPECT_EQ(life.Caption(), std::string("Calculation of ") +
                                              (lifeFromSafety ? "service life" : "safety factor") +
                                              (haibach ? " by Haibach's hypothesis" : " by Miner's hypothesis"));
                EXPECT_TRUE(G.LifeValid);
                EXPECT_TRUE(life.Button4->Enabled());
                EXPECT_FALSE(life.Label68->Visible());
                if (lifeFromSafety) {
                    EXPECT_EQ(G.SH1life, 1.2);
                    EXPECT_GT(G.LH1, 0);
                    EXPECT_NE(life.LifeLabels[1]->Caption(), "0");
                } else {
                    EXPECT_GT(G.SH1life, 0);
                    EXPECT_EQ(life.SafetyLabels[1]->Caption().substr(0, 6), rt::Str(G.SH1life, 5, 4).substr(0, 6));
                }
                Click(life.Button4);
                EXPECT_TRUE(life.Visible());
                Click(life.Button2);
            });
            EXPECT_FALSE(G.LifeFormActive);
        }
    EXPECT_EQ(charts, 4);
    EXPECT_EQ(panel, std::vector<bool>(4, true));
}

TEST_F(ServiceLifeWindow, FieldsAreCheckedAndEnteringOneWithdrawsTheResults) {
    HoldLives();
    InLife([&] {
        EXPECT_TRUE(life.Button4->Enabled());
        Put(life.Field(7), "2");
        EXPECT_EQ(ui::test::Notices().Texts().back(), "Invalid input, coefficient R2 can be from -1.2 to 0 ");
        EXPECT_FALSE(G.LifeValid);  // entering the field made them out of date
        EXPECT_FALSE(life.Button4->Enabled());
        EXPECT_TRUE(life.Label68->Visible());
        Put(life.Field(7), "0.3");
        EXPECT_EQ(G.R2, -0.3);
        EXPECT_EQ(life.Field(7)->Text(), "-0.300");
        Put(life.Field(6), "0");
        EXPECT_EQ(G.R1, 0);
        EXPECT_FALSE(std::signbit(G.R1));
        EXPECT_EQ(life.Field(6)->Text(), "0.000");
        Put(life.Field(1), "0");
        EXPECT_EQ(ui::test::Notices().Texts(), std::vector<std::string>{"Invalid input"});
        Put(life.Field(1), "1.1");
        const double n1 = G.n1;
        G.LevelFactorsStale = false;
        Put(life.Field(5), rt::Str(n1 + 10, 1, 1));
        EXPECT_TRUE(G.LevelFactorsStale);
        Click(life.Button2);
    });
}

TEST_F(ServiceLifeWindow, LivesShowInfinityAndTheWheelHoursByTheToothRatio) {
    G.z1 = 20, G.z2 = -60;  // an internal wheel: |z2| / z1 = 3
    G.n1 = 1000;
    G.LifeValid = true;
    G.LF1 = 2e15, G.LH1 = 1e6, G.LF2 = 1e15, G.LH2 = 1.2e6;
    G.StaticOverloadCountH2 = 0;
    G.LevelCount = 1;
    G.SigmaH2Level[1] = 5000, G.SigmaHP2stat = 2000;
    HoldLives();
    InLife([&] {
        EXPECT_EQ(life.LifeLabels[0]->Caption(), "Infin.");
        EXPECT_EQ(life.LifeLabels[1]->Caption(), "1E+6");
        EXPECT_EQ(life.LifeLabels[2]->Caption(), "Infin.");
        EXPECT_EQ(life.LifeLabels[3]->Caption(), "1.2E+6 *");  // above its static limit
        EXPECT_EQ(life.LifeLabels[3]->Font().Color, ui::clRed);
        EXPECT_TRUE(life.WarningLabels[0]->Visible());
        Click(life.RadioButton4);
        EXPECT_EQ(life.LifeHeading->Caption(), "Calculated service life in hours");
        EXPECT_EQ(life.LifeLabels[0]->Caption(), "Infin.");
        EXPECT_EQ(life.LifeLabels[1]->Caption(), "   17");    // 1e6 / 60 / 1000
        EXPECT_EQ(life.LifeLabels[3]->Caption(), "   60 *");  // 1.2e6 / 60 / 1000 * 3
        Click(life.Button2);
    });
}

TEST_F(ServiceLifeWindow, ChoosingTheHypothesisAlreadySetChangesNothing) {
    G.CalcMethodics = kMethodicsMiner;
    G.HypothesisHaibach = false;
    HoldLives();
    G.LoadedFromFile = 1;
    InLife([&] {
        EXPECT_TRUE(life.CheckBox1->Checked());
        Click(life.CheckBox1);
        EXPECT_TRUE(G.LifeValid);
        EXPECT_EQ(G.CalcMethodics, kMethodicsMiner);
        G.KA = 1.5;
        Click(life.CheckBox2);
        EXPECT_EQ(G.CalcMethodics, kMethodicsHaibach);
        EXPECT_TRUE(G.HypothesisHaibach);
        EXPECT_EQ(G.KA, 1);
        EXPECT_FALSE(life.CheckBox1->Checked());
        EXPECT_FALSE(G.LifeValid);
        Click(life.Button2);
    });
}

TEST_F(ServiceLifeWindow, LoadedResultsAreKeptOnTheFirstActivationOnlyAndAnyCloseIsBack) {
    std::vector<bool> panel;
    MainWindow().SetLifePanelVisible = [&](bool v) { panel.push_back(v); };
    // A loaded case in the second mode: the activation checks its radio, which keeps the results.
    G.LifeFromSafety = false;
    G.LifeInHours = true;
    HoldLives();
    G.LoadedFromFile = 1;
    InLife([&] {
        EXPECT_TRUE(life.RadioButton2->Checked());
        EXPECT_TRUE(G.LifeValid);
        EXPECT_FALSE(life.Button4->Enabled());
        life.Close();  // closed otherwise than by "Back"
    });
    EXPECT_EQ(G.LoadedFromFile, 0);
    EXPECT_FALSE(G.LifeFormActive);
    InLife([&] {
        EXPECT_TRUE(life.Button4->Enabled());
        EXPECT_FALSE(life.Label68->Visible());
        Click(life.RadioButton1);  // now a change of mode makes them out of date
        EXPECT_FALSE(G.LifeValid);
        Click(life.Button2);
    });
    EXPECT_EQ(panel, (std::vector<bool>{true, false}));
}

}  // namespace
}  // namespace karvelo
