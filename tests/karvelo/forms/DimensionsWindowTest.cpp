// The dimensions window.

#include "InputWindowFixture.h"
#include "karvelo/forms/RozmeryF.h"

namespace karvelo {
namespace {

class DimensionsWindow : public InputWindows {};

TEST_F(DimensionsWindow, PreviewSetsItsFlagsOnlyForLeftPressesOnItsControls) {
    TRozmery_F r;
    r.OnCreate();
    r.PreviewRozmeryMouseDown({r.CB2, ui::WM_LBUTTONDOWN});
    r.PreviewRozmeryMouseDown({r.CB1, ui::WM_RBUTTONDOWN});
    EXPECT_FALSE(G.ControlPressed1);
    EXPECT_TRUE(G.ControlPressed2);
}

}  // namespace
}  // namespace karvelo
