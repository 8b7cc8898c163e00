// The KHbeta window.

#include "InputWindowFixture.h"
#include "karvelo/forms/KHbetaF.h"

namespace karvelo {
namespace {

class KHbetaWindow : public InputWindows {};

TEST_F(KHbetaWindow, PreviewSetsItsFlagsOnlyForLeftPressesOnItsControls) {
    TKHbeta_F k;
    k.OnCreate();
    k.PreviewKHbetaMouseDown({k.CheckBox5, ui::WM_LBUTTONDOWN});
    k.PreviewKHbetaMouseDown({k.Edit2, ui::WM_LBUTTONDOWN});
    EXPECT_TRUE(G.ControlPressed6);
    EXPECT_FALSE(G.ControlPressed3 || G.ControlPressed4 || G.ControlPressed5);
    // The pressed control's click clears its flag.
    k.Show();
    ui::test::Click(k.CheckBox5);
    EXPECT_FALSE(G.ControlPressed6);
    EXPECT_FALSE(k.CheckBox5->Checked());  // shows the data: KHbeta is given directly
}

}  // namespace
}  // namespace karvelo
