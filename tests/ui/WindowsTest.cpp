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
    // Only a dialog is marked transient for its owner on the X server.
    EXPECT_EQ(report.windowHandle()->type(), Qt::Dialog);
    EXPECT_EQ(main.windowHandle()->type(), Qt::Window);
    detail.Show();  // shown while the report is active
    EXPECT_EQ(detail.Owner(), &report);
    EXPECT_EQ(detail.windowHandle()->transientParent(), report.windowHandle());
    // Never a circle: the main window shown again from the detail keeps no owner of its
    // own forms.
    main.Hide();
    main.Show();
    EXPECT_NE(main.Owner(), &detail);
    EXPECT_NE(main.Owner(), &report);
    // A window of the layer that is not a form (the help window) belongs to its owner too,
    // made smaller where that keeps it off the owner.
    QWidget help;
    help.resize(1000, 900);
    ui::ShowAsSecondary(&help, &report);
    EXPECT_EQ(help.windowHandle()->transientParent(), report.windowHandle());
    EXPECT_EQ(help.windowHandle()->type(), Qt::Dialog);
    EXPECT_FALSE(help.frameGeometry().intersects(report.frameGeometry()));
    EXPECT_GE(help.width(), 500);
    EXPECT_GE(help.height(), 450);
}

// Frames on a 1280 x 1024 screen, the main window at 0,0 766 x 621 unless given.
TEST(Owner, PlaceBesideHidesLeastOfTheOwnerThenOfItsOwnersThenOfTheOtherWindows) {
    const ui::Rect screen{0, 0, 1280, 1024}, main{0, 0, 766, 621};
    const ui::Placed mainWindow{main, {}};
    // A main dialog centred on the screen, its fields down to 20 px above its lower edge.
    const ui::Placed dialog{{300, 248, 979, 776}, {{310, 280, 969, 756}}};
    const struct {
        std::vector<ui::Placed> owners;
        std::vector<ui::Rect> others;
        int width, height;
        ui::Point at;
    } cases[] = {
        {{mainWindow}, {}, 300, 200, {766, 0}},                      // right of it
        {{mainWindow}, {}, 781, 220, {0, 621}},                      // too wide for the right: below
        {{mainWindow}, {}, 703, 412, {577, 612}},                    // no room: the least of the owner
        {{{{500, 300, 1280, 1024}, {}}}, {}, 300, 200, {200, 300}},  // left of it
        {{{{0, 500, 1280, 1024}, {}}}, {}, 300, 200, {0, 300}},      // above it
        // No room beside the dialog: over a corner of it, away from its fields.
        {{dialog}, {}, 368, 355, {912, 0}},
        // Owned by a window right of the main one: under it, over a corner of the main one.
        {{{{766, 0, 1214, 273}, {}}, mainWindow}, {}, 724, 513, {556, 511}},
        // Never exactly over another window, and over as little of it as the owner allows.
        {{mainWindow}, {{0, 621, 781, 1024}}, 608, 399, {672, 621}},
        {{mainWindow}, {{766, 0, 1280, 300}}, 300, 200, {0, 621}},
    };
    for (const auto& c : cases) {
        const ui::Rect r = ui::PlaceBeside(c.owners, c.others, c.width, c.height, screen);
        const ui::Point at{r.Left, r.Top};
        EXPECT_EQ(at, c.at) << c.width << " x " << c.height;
        EXPECT_EQ(r.Width(), c.width);
    }
}

TEST(Owner, FormBesideItsOwnerIsPlacedOnItsFirstShowingWithItsFrameOnTheScreen) {
    Window main("Main"), beside("Beside"), given("Given");
    beside.Position = ui::Position::BesideOwner;
    beside.SetBounds(0, 0, 200, 150);
    main.Show();
    // A client area placed at the top of the screen keeps its frame on the screen.
    EXPECT_GE(main.frameGeometry().top(), 0);
    EXPECT_GE(main.frameGeometry().left(), 0);
    beside.Show();
    EXPECT_EQ(beside.frameGeometry().left(), main.frameGeometry().right() + 1);
    EXPECT_EQ(beside.frameGeometry().top(), main.frameGeometry().top());
    // Moved by the user, it opens there again.
    beside.Hide();
    beside.SetBounds(30, 40, 200, 150);
    beside.Show();
    EXPECT_EQ(beside.Left(), 30);
    EXPECT_EQ(beside.Top(), 40);
    // Shown by another form, it opens beside that one.
    beside.Hide();
    Window other("Other");
    other.SetBounds(20, 30, 300, 200);  // over the place it was left
    other.Show();
    beside.Show();
    EXPECT_EQ(beside.Owner(), &other);
    EXPECT_FALSE(beside.frameGeometry().intersects(other.frameGeometry()));
    // A given position is the client area's; only the frame is kept on the screen.
    given.SetBounds(300, 0, 300, 200);
    given.Show();
    EXPECT_EQ(given.Left(), 300);
    EXPECT_EQ(given.frameGeometry().top(), 0);
}

// Help belongs to the form it is shown for: shown for another form, also while it is open, it
// moves beside that one; shown again for the same form it stays where it was left.
TEST(Owner, HelpWindowGoesBesideEachFormItIsShownFor) {
    Window main("Main"), dialog("Dialog");
    main.Show();
    QWidget help;
    help.resize(300, 200);
    ui::ShowAsSecondary(&help, &main);
    dialog.SetBounds(help.x(), help.y(), 300, 200);  // over the open help window
    dialog.Show();
    ui::ShowAsSecondary(&help, &dialog);
    EXPECT_EQ(help.windowHandle()->transientParent(), dialog.windowHandle());
    EXPECT_FALSE(help.frameGeometry().intersects(dialog.frameGeometry()));
    help.move(10, 700);
    const QRect left = help.geometry();
    ui::ShowAsSecondary(&help, &dialog);
    EXPECT_EQ(help.geometry(), left);
}

// A window the manager moves while it frames it goes back to its place: its client area there.
TEST(Owner, WindowMovedWhileFramedGoesBackToItsPlace) {
    Window main("Main");
    main.Show();
    const QRect placed = main.geometry();
    main.setGeometry(placed.translated(0, 20));
    ui::test::ProcessEvents();
    EXPECT_EQ(main.geometry(), placed);
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
