// Focus moves: press before exit, refused exits, Tab order, controls that cannot
// take the focus.
#include "EventLog.h"
#include "ui/TestHarness.h"

using ui::test::Click;
using Items = std::vector<std::string>;

namespace {

struct TwoGroups : ui::Form {
    ui::GroupBox* GroupBox1 = new ui::GroupBox(this, "GroupBox1", {8, 8, 200, 80}, "First");
    ui::Edit* Edit1 = new ui::Edit(GroupBox1, "Edit1", {10, 20, 100, 21});
    ui::Edit* Edit2 = new ui::Edit(GroupBox1, "Edit2", {10, 48, 100, 21});
    ui::GroupBox* GroupBox2 = new ui::GroupBox(this, "GroupBox2", {220, 8, 200, 130}, "Second");
    ui::Button* Button1 = new ui::Button(GroupBox2, "Button1", {10, 20, 75, 25}, "&Ok");
    ui::CheckBox* CheckBox1 = new ui::CheckBox(GroupBox2, "CheckBox1", {10, 52, 97, 17}, "Check");
    ui::RadioButton* RadioButton1 = new ui::RadioButton(GroupBox2, "RadioButton1", {10, 76, 97, 17}, "One");
    ui::RadioButton* RadioButton2 = new ui::RadioButton(GroupBox2, "RadioButton2", {10, 100, 97, 17}, "Two");
    ui::Label* Label1 = new ui::Label(this, "Label1", {8, 150}, "A label");
    ui::Panel* Panel1 = new ui::Panel(this, "Panel1", {220, 150, 100, 30});

    TwoGroups() : Form("TwoGroups") { SetClientSize(440, 200); }
};

class FocusOrder : public ui::test::FormTest {
protected:
    void SetUp() override {
        log.Watch({f.Edit1, f.Edit2, f.GroupBox1, f.GroupBox2, f.Button1, f.CheckBox1, f.RadioButton1, f.RadioButton2,
                   f.Label1, f.Panel1});
        f.Show();
        log.Clear();
    }
    TwoGroups f;
    EventLog log;
};

TEST_F(FocusOrder, FirstShowingEntersTheFirstControl) {
    TwoGroups g;
    EventLog l;
    l.Watch({g.Edit1, g.GroupBox1});
    g.Show();
    EXPECT_EQ(g.ActiveControl(), g.Edit1);
    EXPECT_EQ(l.items, (Items{"enter GroupBox1", "enter Edit1"}));
}

TEST_F(FocusOrder, PressRunsTheHookThenTheExitChainThenTheClickOnRelease) {
    bool pressedSeenByExit = false, pressed = false;
    ui::App().OnMessage = [&](ui::Message& m, bool&) {
        if (m.Msg != ui::WM_LBUTTONDOWN) return;
        log.Add("hook " + m.Target->Name());
        pressed = m.Target == f.Button1;
    };
    f.Edit1->OnExit = [&] {
        log.Add("exit Edit1");
        pressedSeenByExit = pressed;
    };
    ui::test::Press(f.Button1);
    EXPECT_EQ(log.items, (Items{"hook Button1", "exit Edit1", "exit GroupBox1", "enter GroupBox2", "enter Button1"}));
    EXPECT_TRUE(pressedSeenByExit);
    ui::test::Release(f.Button1);
    EXPECT_EQ(log.items.back(), "click Button1");
    EXPECT_EQ(f.ActiveControl(), f.Button1);
}

TEST_F(FocusOrder, ReleaseOutsideTheButtonGivesNoClick) {
    ui::test::Press(f.Button1);
    ui::test::Release(f.Button1, QPoint(-30, 5));
    EXPECT_EQ(log.items, (Items{"exit Edit1", "exit GroupBox1", "enter GroupBox2", "enter Button1"}));
}

TEST_F(FocusOrder, RefusedExitCancelsTheClickTheToggleAndTheEnter) {
    f.Edit1->OnExit = [&] {
        log.Add("exit Edit1");
        ui::ShowMessage("Invalid input");
        f.SetActiveControl(f.Edit1);
    };
    Click(f.Button1);
    Click(f.CheckBox1);
    Click(f.RadioButton1);
    EXPECT_EQ(log.items, (Items{"exit Edit1", "exit Edit1", "exit Edit1"}));
    EXPECT_EQ(ui::test::Notices().Texts(), (Items{"Invalid input", "Invalid input", "Invalid input"}));
    EXPECT_EQ(f.ActiveControl(), f.Edit1);
    EXPECT_EQ(f.FocusedControl(), f.Edit1);
    EXPECT_FALSE(f.CheckBox1->Checked());
    EXPECT_FALSE(f.RadioButton1->Checked());

    // Once the field accepts, the same press goes through.
    f.Edit1->OnExit = [&] { log.Add("exit Edit1"); };
    log.Clear();
    Click(f.CheckBox1);
    EXPECT_TRUE(f.CheckBox1->Checked());
    EXPECT_EQ(log.items,
              (Items{"exit Edit1", "exit GroupBox1", "enter GroupBox2", "enter CheckBox1", "click CheckBox1"}));
}

TEST_F(FocusOrder, ExitThatMovesToAThirdControlEntersIt) {
    // A validator that sends the focus to another field (as a reset entry does).
    f.Edit2->OnExit = [&] { log.Add("exit Edit2"); };
    f.SetActiveControl(f.Edit2);
    log.Clear();
    f.Edit2->OnExit = [&] {
        log.Add("exit Edit2");
        f.SetActiveControl(f.Edit1);
    };
    Click(f.Button1);
    EXPECT_EQ(log.items, (Items{"exit Edit2", "enter Edit1"}));
    EXPECT_EQ(f.ActiveControl(), f.Edit1);
}

TEST_F(FocusOrder, ExitThatMakesThePressedControlActiveKeepsTheClick) {
    f.Edit1->OnExit = [&] {
        log.Add("exit Edit1");
        f.SetActiveControl(f.Button1);  // a check that sends the user on to Ok
    };
    Click(f.Button1);
    EXPECT_EQ(log.items, (Items{"exit Edit1", "exit GroupBox1", "enter GroupBox2", "enter Button1", "click Button1"}));
    EXPECT_EQ(f.ActiveControl(), f.Button1);
}

TEST_F(FocusOrder, ContainerExitThatRefusesReentersTheContainerNotTheField) {
    f.GroupBox1->OnExit = [&] {
        log.Add("exit GroupBox1");
        f.SetActiveControl(f.Edit1);
    };
    Click(f.Button1);
    EXPECT_EQ(log.items, (Items{"exit Edit1", "exit GroupBox1", "enter GroupBox1"}));
    EXPECT_EQ(f.ActiveControl(), f.Edit1);
}

TEST_F(FocusOrder, ControlsThatCannotTakeTheFocusKeepTheFieldFocused) {
    ui::Control* target = nullptr;
    ui::App().OnMessage = [&](ui::Message& m, bool&) {
        if (m.Msg == ui::WM_LBUTTONDOWN) target = m.Target;
    };
    Click(f.Label1);
    EXPECT_EQ(target, &f);  // a label has no window: its container is the target
    Click(f.Panel1);
    EXPECT_EQ(target, f.Panel1);
    EXPECT_EQ(log.items, (Items{"click Label1", "click Panel1"}));
    EXPECT_EQ(f.ActiveControl(), f.Edit1);
}

TEST_F(FocusOrder, HookCanDropAPress) {
    ui::App().OnMessage = [&](ui::Message& m, bool& handled) { handled = m.Target == f.Button1; };
    Click(f.Button1);
    EXPECT_TRUE(log.items.empty());
    EXPECT_EQ(f.ActiveControl(), f.Edit1);
}

TEST_F(FocusOrder, TabRunsTheSameChainInTabOrderAndIsNoKeyPress) {
    std::vector<ui::KeyChar> pressed;
    f.KeyPreview = true;
    f.OnKeyPress = [&](ui::KeyChar& k) { pressed.push_back(k); };
    ui::test::Tab();
    EXPECT_EQ(log.items, (Items{"exit Edit1", "enter Edit2"}));
    log.Clear();
    ui::test::Tab();
    EXPECT_EQ(log.items, (Items{"exit Edit2", "exit GroupBox1", "enter GroupBox2", "enter Button1"}));
    log.Clear();
    ui::test::ShiftTab();
    EXPECT_EQ(log.items, (Items{"exit Button1", "exit GroupBox2", "enter GroupBox1", "enter Edit2"}));
    EXPECT_TRUE(pressed.empty());
}

TEST_F(FocusOrder, TabStopsAtTheCheckedRadioOnlyAndWraps) {
    f.RadioButton2->SetChecked(true);
    f.SetActiveControl(f.CheckBox1);
    ui::test::Tab();
    EXPECT_EQ(f.ActiveControl(), f.RadioButton2);
    ui::test::Tab();  // wraps around to the first control
    EXPECT_EQ(f.ActiveControl(), f.Edit1);
}

TEST_F(FocusOrder, RefusedTabKeepsTheField) {
    f.Edit1->OnExit = [&] {
        log.Add("exit Edit1");
        f.SetActiveControl(f.Edit1);
    };
    ui::test::Tab();
    EXPECT_EQ(log.items, (Items{"exit Edit1"}));
    EXPECT_EQ(f.ActiveControl(), f.Edit1);
}

TEST_F(FocusOrder, HiddenOrDisabledControlsCannotTakeTheFocus) {
    f.Edit2->Hide();
    f.SetActiveControl(f.Edit2);
    f.Button1->SetEnabled(false);
    f.SetActiveControl(f.Button1);
    EXPECT_EQ(f.ActiveControl(), f.Edit1);
    EXPECT_TRUE(log.items.empty());
    // A press on a disabled control goes to its container.
    Click(f.Button1);
    EXPECT_EQ(log.items, (Items{"click GroupBox2"}));
    // A control inside a disabled container cannot take it either.
    f.GroupBox2->SetEnabled(false);
    EXPECT_FALSE(f.CheckBox1->CanFocus());
    EXPECT_TRUE(f.CheckBox1->Enabled());
}

TEST_F(FocusOrder, HidingTheFocusedControlWithdrawsTheFocusQuietly) {
    f.Edit1->Hide();
    EXPECT_EQ(f.ActiveControl(), nullptr);
    EXPECT_TRUE(log.items.empty());
    ui::test::Tab();
    EXPECT_EQ(f.ActiveControl(), f.Edit2);
    EXPECT_EQ(log.items, (Items{"enter GroupBox1", "enter Edit2"}));
}

TEST_F(FocusOrder, SettingTheActiveControlOfTheActiveFormMovesTheFocus) {
    f.SetActiveControl(f.CheckBox1);
    EXPECT_EQ(log.items, (Items{"exit Edit1", "exit GroupBox1", "enter GroupBox2", "enter CheckBox1"}));
    EXPECT_TRUE(f.CheckBox1->Focused());
}

}  // namespace
