// The accuracy window.

#include "InputWindowFixture.h"
#include "karvelo/forms/PresnostF.h"

namespace karvelo {
namespace {

class AccuracyWindow : public InputWindows {};

TEST_F(AccuracyWindow, AccuracyFieldFocusedBeforeShowingShowsTheHelixRowFirst) {
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

}  // namespace
}  // namespace karvelo
