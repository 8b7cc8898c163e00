// The spectrum window: its rows and headers, its sample spectrum, its preview.

#include "InputWindowFixture.h"
#include "karvelo/forms/SpektrumF.h"

namespace karvelo {
namespace {

class SpectrumWindow : public InputWindows {};

TEST_F(SpectrumWindow, SpectrumRowsShowLevelCountRowsAndFactorButtonsOnlyForASpectrum) {
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

TEST_F(SpectrumWindow, SpectrumHeadersFollowTheLoadUnit) {
    TSpektrum_F w;
    G.LoadAsForce = false;
    w.OnCreate();
    for (int n : {32, 33, 41}) EXPECT_TRUE(w.HeaderLabel(n)->Visible()) << n;
    for (int n : {30, 31, 40, 34, 43, 44}) EXPECT_FALSE(w.HeaderLabel(n)->Visible()) << n;
    EXPECT_EQ(w.HeaderLabel(41)->Caption(), "[N·m]");
    w.HideLoadColumnHeaders();
    for (int n : {30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 43, 44}) EXPECT_FALSE(w.HeaderLabel(n)->Visible());
}

TEST_F(SpectrumWindow, SpectrumWindowPutsItsSampleSpectrumIntoTheCase) {
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

TEST_F(SpectrumWindow, PreviewSetsItsFlagsOnlyForLeftPressesOnItsControls) {
    TSpektrum_F s;
    s.OnCreate();
    s.PreviewSpectrumMouseDown({s.Button4, ui::WM_LBUTTONDOWN});
    EXPECT_TRUE(G.ControlPressed4);
}

}  // namespace
}  // namespace karvelo
