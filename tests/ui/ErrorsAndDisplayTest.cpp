// An exception escaping a handler, and a program started without a display.
#include "ui/TestHarness.h"

#include <stdexcept>

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
