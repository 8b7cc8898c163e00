// An exception escaping a handler, and a program started without a display.
#include "ui/TestHarness.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

using ui::test::Click;

namespace {

struct Window : ui::Form {
    ui::Edit* Edit1 = new ui::Edit(this, "Edit1", {8, 8, 100, 21});
    ui::Edit* Edit2 = new ui::Edit(this, "Edit2", {8, 36, 100, 21});
    ui::Button* Button1 = new ui::Button(this, "Button1", {120, 8, 75, 25}, "Go");
    Window() : Form("Window") { SetClientSize(220, 80); }
};

class Exceptions : public ui::test::FormTest {};

TEST_F(Exceptions, AreReportedInABoxAndTheProgramGoesOn) {
    Window f;
    f.Button1->OnClick = [] { throw std::out_of_range("index 21 outside 1..20"); };
    f.Edit2->OnEnter = [] { throw std::runtime_error("thrown on entering"); };
    f.Show();
    Click(f.Button1);
    ASSERT_EQ(ui::test::Notices().notices.size(), 1u);
    const rt::Notice& box = ui::test::Notices().notices[0];
    EXPECT_EQ(box.text, ui::InternalErrorMessage("index 21 outside 1..20"));
    EXPECT_EQ(box.flags, rt::MB_OK | rt::MB_ICONERROR);
    EXPECT_NE(box.text.find("goes on"), std::string::npos);
    // Thrown inside a focus move: the move ends there, and later moves run whole.
    Click(f.Edit2);
    EXPECT_EQ(ui::test::Notices().notices.size(), 2u);
    Click(f.Edit1);
    EXPECT_EQ(f.ActiveControl(), f.Edit1);
    EXPECT_EQ(f.focusWidget(), f.Edit1);
    // Thrown in a paint: the next paint runs again.
    int paints = 0;
    f.OnPaint = [&] {
        if (++paints == 1) throw std::logic_error("paint");
    };
    f.RequestPaint();
    ui::test::ProcessEvents();
    f.RequestPaint();
    ui::test::ProcessEvents();
    EXPECT_EQ(paints, 2);
    EXPECT_EQ(ui::test::Notices().notices.size(), 3u);
}

// Each way Qt calls into the layer that runs a handler: the exception ends in the layer
// (an exception reaching Qt's own code would come out of the input helper here), one box
// reports it, and the window goes on.
TEST_F(Exceptions, EndBeforeQtsOwnCode) {
    struct Handlers : Window {
        ui::CheckBox* Check = new ui::CheckBox(this, "Check", {120, 40, 90, 17}, "Check");
        ui::ComboBox* Combo = new ui::ComboBox(this, "Combo", {8, 64, 100, 21}, {"one", "two"});
        ui::PaintBox* Box = new ui::PaintBox(this, "Box", {8, 92, 60, 40});
        ui::StringGrid* Grid = new ui::StringGrid(this, "Grid", {80, 92, 130, 60});
        Handlers() { SetClientSize(220, 160); }
    };
    int calls = 0;  // each handler throws on its first call (a paint runs again)
    const auto fail = [&] {
        if (calls++ == 0) throw std::out_of_range("index 0 outside 1..20");
    };
    const struct {
        const char* way;
        std::function<void(Handlers&)> arm, act;
    } cases[] = {
        {"check box click (Qt signal)", [&](Handlers& f) { f.Check->OnClick = fail; },
         [](Handlers& f) { Click(f.Check); }},
        {"combo box change by key (Qt signal)", [&](Handlers& f) { f.Combo->OnChange = fail; },
         [](Handlers& f) {
             f.Combo->SetFocus();
             ui::test::Key(Qt::Key_Down);
         }},
        {"paint box painted by Qt", [&](Handlers& f) { f.Box->OnPaint = fail; },
         [](Handlers& f) { ui::test::Grab(&f); }},
        {"grid cell painted by Qt",
         [&](Handlers& f) { f.Grid->OnDrawCell = [&](int, int, ui::Rect, unsigned) { fail(); }; },
         [](Handlers& f) { ui::test::Grab(&f); }},
        {"mouse press on a paint box",
         [&](Handlers& f) { f.Box->OnMouseDown = [&](ui::MouseButton, ui::ShiftState, int, int) { fail(); }; },
         [](Handlers& f) { Click(f.Box); }},
        {"double click on a grid", [&](Handlers& f) { f.Grid->OnDblClick = fail; },
         [](Handlers& f) { ui::test::DoubleClick(f.Grid); }},
        {"key typed into an edit", [&](Handlers& f) { f.Edit1->OnKeyPress = [&](ui::KeyChar&) { fail(); }; },
         [](Handlers& f) { ui::test::TypeInto(f.Edit1, "7"); }},
        {"window closed by its close button", [&](Handlers& f) { f.OnClose = [&](ui::CloseAction&) { fail(); }; },
         [](Handlers& f) { f.close(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.way);
        ui::test::Reset();
        calls = 0;
        Handlers f;
        int clicks = 0;
        f.Button1->OnClick = [&] { ++clicks; };
        c.arm(f);
        f.Show();
        ui::test::ProcessEvents();
        ASSERT_NO_THROW(c.act(f));
        ui::test::ProcessEvents();
        EXPECT_EQ(ui::test::Notices().Texts(),
                  std::vector<std::string>{ui::InternalErrorMessage("index 0 outside 1..20")});
        Click(f.Button1);
        EXPECT_EQ(clicks, 1);
    }
}

// platform, DISPLAY, WAYLAND_DISPLAY -> what is missing ("" when a display can be opened).
TEST(NoDisplay, IsRecognisedBeforeQtOpensOne) {
    const struct {
        const char *platform, *display, *wayland, *missing;
    } cases[] = {
        {"", "", "", "neither DISPLAY nor WAYLAND_DISPLAY is set"},
        {"", ":0", "", ""},
        {"", "", "wayland-0", ""},
        {"xcb", "", "wayland-0", "DISPLAY is not set"},
        {"xcb", ":1", "", ""},
        {"wayland", ":1", "", "WAYLAND_DISPLAY is not set"},
        {"wayland;xcb", ":1", "", ""},
        {"offscreen", "", "", ""},
        {"vnc", "", "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ui::MissingDisplay(c.platform, c.display, c.wayland), c.missing)
            << c.platform << " / " << c.display << " / " << c.wayland;
    const std::string message = ui::NoDisplayMessage("build/bin/karvelo", "DISPLAY is not set");
    EXPECT_EQ(message.rfind("karvelo needs a graphical display", 0), 0u) << message;
    EXPECT_NE(message.find("DISPLAY is not set"), std::string::npos);
    EXPECT_NE(message.find("xvfb-run -a build/bin/karvelo"), std::string::npos);
}

}  // namespace
