// Secondary windows (owner, placement beside it) and the focus cues of real windows.
#include "ui/TestHarness.h"

#include <QScopeGuard>
#include <QWindow>

namespace {

struct Window : ui::Form {
    ui::Edit* Edit1 = new ui::Edit(this, "Edit1", {8, 8, 100, 21});
    ui::CheckBox* CheckBox1 = new ui::CheckBox(this, "CheckBox1", {8, 36, 97, 17}, "Check");
    ui::Button* Button1 = new ui::Button(this, "Button1", {120, 8, 75, 25}, "Ok");
    ui::Button* Button2 = new ui::Button(this, "Button2", {120, 40, 75, 25}, "Other");
    explicit Window(const std::string& name) : Form(name) { SetBounds(0, 0, 400, 300); }
};

TEST(Owner, IsTheFormThatShowsItAndItsWindowIsTransientForTheOwners) {
    Window main("Main"), report("Report"), detail("Detail");
    main.Show();
    report.Show();
    EXPECT_EQ(report.Owner(), &main);
    EXPECT_EQ(report.windowHandle()->transientParent(), main.windowHandle());
    detail.Show();  // shown while the report is active
    EXPECT_EQ(detail.Owner(), &report);
    // Never a circle: the main window shown again from the detail keeps no owner of its
    // own forms.
    main.Hide();
    main.Show();
    EXPECT_NE(main.Owner(), &detail);
    EXPECT_NE(main.Owner(), &report);
}

// Owner 0,0 766 x 621 on a 1280 x 1024 screen unless given: the side that hides least of the owner.
TEST(Owner, PlaceBesideTakesTheSideThatHidesLeastOfTheOwner) {
    const ui::Rect screen{0, 0, 1280, 1024}, owner{0, 0, 766, 621};
    const struct {
        ui::Rect owner;
        int width, height;
        ui::Point at;
    } cases[] = {
        {owner, 300, 200, {766, 0}},                   // right of it
        {owner, 781, 220, {0, 621}},                   // too wide for the right: below
        {owner, 703, 412, {0, 612}},                   // below, moved into the screen
        {{500, 300, 1280, 1024}, 300, 200, {200, 300}},  // left of it
        {{0, 500, 1280, 1024}, 300, 200, {0, 300}},      // above it
    };
    for (const auto& c : cases) {
        const ui::Rect r = ui::PlaceBeside(c.owner, c.width, c.height, screen);
        const ui::Point at{r.Left, r.Top};
        EXPECT_EQ(at, c.at) << c.width << " x " << c.height;
        EXPECT_EQ(r.Width(), c.width);
    }
}

TEST(Owner, FormBesideItsOwnerIsPlacedOnItsFirstShowing) {
    Window main("Main"), beside("Beside");
    beside.Position = ui::Position::BesideOwner;
    beside.SetBounds(0, 0, 200, 150);
    main.Show();
    beside.Show();
    EXPECT_EQ(beside.Left(), main.Left() + main.Width());
    EXPECT_EQ(beside.Top(), main.Top());
    // Moved by the user, it opens there again.
    beside.Hide();
    beside.SetBounds(30, 40, 200, 150);
    beside.Show();
    EXPECT_EQ(beside.Left(), 30);
}

// In real windows the focused control shows a frame and the button Enter presses is drawn as
// the default button; the test platform shows them only when asked to.
TEST(FocusCues, ShowWhereTheFocusIsAndWhatEnterPresses) {
    ui::App().SetFocusCues(true);
    const auto off = qScopeGuard([] { ui::App().SetFocusCues(false); });
    Window w("Cues");
    w.Button1->Default = true;
    w.Show();
    ui::test::ProcessEvents();
    ASSERT_EQ(w.ActiveControl(), w.Edit1);
    EXPECT_TRUE(w.Button1->isDefault());  // Enter in the edit presses the Default button
    ui::test::Tab();
    const QImage focused = ui::test::Grab(w.CheckBox1);
    ui::test::Tab();
    EXPECT_NE(ui::test::Grab(w.CheckBox1), focused);  // the focus frame went with the focus
    ui::test::Tab();
    ASSERT_EQ(w.ActiveControl(), w.Button2);
    EXPECT_TRUE(w.Button2->isDefault());  // Enter on a focused button presses it
    EXPECT_FALSE(w.Button1->isDefault());
}

}  // namespace
