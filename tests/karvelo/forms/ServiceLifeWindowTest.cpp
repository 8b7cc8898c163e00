// The service-life window: its modes and its "Back".
#include <vector>

#include "InputWindowFixture.h"
#include "karvelo/forms/ZivotnostF.h"

namespace karvelo {
namespace {

class ServiceLifeWindow : public InputWindows {};

TEST_F(ServiceLifeWindow, ServiceLifeKeepsOneModeAndItsBackShowsTheMainFrameByTheResults) {
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

TEST_F(ServiceLifeWindow, ServiceLifeKeepsLoadedResultsOnTheFirstActivationOnly) {
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

}  // namespace
}  // namespace karvelo
