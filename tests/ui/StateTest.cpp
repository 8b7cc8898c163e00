// Programmatic state changes: check boxes, radio buttons, combo boxes, texts.
#include "EventLog.h"
#include "ui/TestHarness.h"

using ui::test::Click;
using Items = std::vector<std::string>;

namespace {

struct StateForm : ui::Form {
    ui::CheckBox* CheckBox3 = new ui::CheckBox(this, "CheckBox3", {8, 8, 97, 17}, "Three");
    ui::CheckBox* CheckBox4 = new ui::CheckBox(this, "CheckBox4", {8, 30, 97, 17}, "Four");
    ui::Panel* Panel1 = new ui::Panel(this, "Panel1", {8, 56, 120, 70});
    ui::RadioButton* RadioButton1 = new ui::RadioButton(Panel1, "RadioButton1", {4, 4, 97, 17}, "One");
    ui::RadioButton* RadioButton2 = new ui::RadioButton(Panel1, "RadioButton2", {4, 26, 97, 17}, "Two");
    ui::RadioButton* RadioButton3 = new ui::RadioButton(this, "RadioButton3", {140, 8, 97, 17}, "Other group");
    ui::ComboBox* ComboBox1 = new ui::ComboBox(this, "ComboBox1", {140, 40, 120, 21}, {"St", "GG", "Eh"});
    ui::Edit* Edit1 = new ui::Edit(this, "Edit1", {140, 70, 100, 21});

    StateForm() : Form("StateForm") { SetClientSize(280, 140); }
};

class State : public ui::test::FormTest {
protected:
    void SetUp() override {
        log.Watch({f.CheckBox3, f.CheckBox4, f.RadioButton1, f.RadioButton2, f.RadioButton3, f.ComboBox1, f.Edit1});
        f.ComboBox1->OnChange = [this] { log.Add("change ComboBox1"); };
        f.Show();
        log.Clear();
    }
    StateForm f;
    EventLog log;
};

TEST_F(State, CheckedFromCodeFiresOnClickOncePerChange) {
    f.CheckBox3->SetChecked(true);
    f.CheckBox3->SetChecked(true);
    f.CheckBox3->SetChecked(false);
    EXPECT_EQ(log.items, (Items{"click CheckBox3", "click CheckBox3"}));
    EXPECT_FALSE(f.CheckBox3->Checked());
}

TEST_F(State, CheckBoxHandlersMayReenterEachOther) {
    // Two boxes acting as one choice: checking one unchecks the other.
    f.CheckBox4->OnClick = [this] {
        log.Add(std::string("CheckBox4 ") + (f.CheckBox4->Checked() ? "on" : "off"));
        if (f.CheckBox4->Checked()) f.CheckBox3->SetChecked(true);
        log.Add("CheckBox4 done");
    };
    f.CheckBox3->OnClick = [this] {
        log.Add(std::string("CheckBox3 ") + (f.CheckBox3->Checked() ? "on" : "off"));
        if (f.CheckBox3->Checked()) f.CheckBox4->SetChecked(false);
    };
    f.CheckBox4->SetChecked(true);
    EXPECT_EQ(log.items, (Items{"CheckBox4 on", "CheckBox3 on", "CheckBox4 off", "CheckBox4 done", "CheckBox4 done"}));
    EXPECT_TRUE(f.CheckBox3->Checked());
    EXPECT_FALSE(f.CheckBox4->Checked());
}

TEST_F(State, RadioCheckedFromCodeFiresOnlyWhenItWasUnchecked) {
    f.RadioButton1->SetChecked(true);
    f.RadioButton2->SetChecked(true);  // RadioButton1 unchecks silently
    f.RadioButton2->SetChecked(true);
    f.RadioButton2->SetChecked(false);  // fires nothing
    EXPECT_EQ(log.items, (Items{"click RadioButton1", "click RadioButton2"}));
    EXPECT_FALSE(f.RadioButton1->Checked());
    EXPECT_FALSE(f.RadioButton2->Checked());
}

TEST_F(State, QuietlyCheckedFromCodeFiresNothing) {
    f.CheckBox3->SetCheckedQuietly(true);
    f.RadioButton1->SetChecked(true);
    log.Clear();
    f.RadioButton2->SetCheckedQuietly(true);  // RadioButton1 unchecks as well
    EXPECT_TRUE(log.items.empty());
    EXPECT_TRUE(f.CheckBox3->Checked());
    EXPECT_FALSE(f.RadioButton1->Checked());
    EXPECT_TRUE(f.RadioButton2->Checked());
}

TEST_F(State, RadioGroupsAreTheParents) {
    f.RadioButton1->SetChecked(true);
    f.RadioButton3->SetChecked(true);
    EXPECT_TRUE(f.RadioButton1->Checked());
    EXPECT_TRUE(f.RadioButton3->Checked());
}

TEST_F(State, UserClickOnACheckedRadioDoesNothing) {
    f.RadioButton2->SetChecked(true);
    log.Clear();
    Click(f.RadioButton2);
    EXPECT_EQ(log.items, (Items{"exit CheckBox3", "enter RadioButton2"}));
    EXPECT_TRUE(f.RadioButton2->Checked());
    Click(f.RadioButton1);
    EXPECT_EQ(log.items, (Items{"exit CheckBox3", "enter RadioButton2", "exit RadioButton2", "enter RadioButton1",
                                "click RadioButton1"}));
    EXPECT_FALSE(f.RadioButton2->Checked());
}

TEST_F(State, UserClickTogglesACheckBox) {
    Click(f.CheckBox4);
    Click(f.CheckBox4);
    EXPECT_EQ(log.items, (Items{"exit CheckBox3", "enter CheckBox4", "click CheckBox4", "click CheckBox4"}));
    EXPECT_FALSE(f.CheckBox4->Checked());
}

TEST_F(State, ComboItemIndexFromCodeFiresNothingAUserPickDoes) {
    f.ComboBox1->SetItemIndex(2);
    EXPECT_EQ(f.ComboBox1->Text(), "Eh");
    EXPECT_TRUE(log.items.empty());
    f.SetActiveControl(f.ComboBox1);
    log.Clear();
    ui::test::Key(Qt::Key_Up);
    EXPECT_EQ(f.ComboBox1->ItemIndex(), 1);
    EXPECT_EQ(log.items, (Items{"click ComboBox1", "change ComboBox1"}));
}

TEST_F(State, SettingATextFiresNoEnterOrExit) {
    f.Edit1->SetText("  1.3");
    f.Edit1->SetFocus();
    log.Clear();
    f.Edit1->SetText("4.000");
    EXPECT_EQ(f.Edit1->Text(), "4.000");
    EXPECT_TRUE(log.items.empty());
}

// A window's paint writes the shown value again: the field entered by code keeps its text
// selected, so what the user types replaces it.
TEST_F(State, SettingTheSameTextKeepsTheSelection) {
    f.Edit1->SetText("4.000");
    f.SetActiveControl(f.Edit1);
    f.Edit1->SetText("4.000");
    ui::test::Type("5");
    EXPECT_EQ(f.Edit1->Text(), "5");
}

// What the program wrote is told from what the user typed by the text alone: typed again, it is
// the program's; the same text written again by the program makes the user's text the program's.
TEST_F(State, AnEditKnowsWhetherItShowsTheTextTheProgramWrote) {
    ui::Edit created(&f, "Created", {140, 100, 100, 21}, "Edit1");
    EXPECT_TRUE(created.Unedited());
    f.Edit1->SetText("1193.3");
    EXPECT_TRUE(f.Edit1->Unedited());
    ui::test::TypeInto(f.Edit1, "1193.4");
    EXPECT_FALSE(f.Edit1->Unedited());
    ui::test::TypeInto(f.Edit1, "1193.3");
    EXPECT_TRUE(f.Edit1->Unedited());
    ui::test::Type("2");
    f.Edit1->MarkUnedited();
    EXPECT_TRUE(f.Edit1->Unedited());
    ui::test::Type("5");
    EXPECT_FALSE(f.Edit1->Unedited());
    f.Edit1->SetText("1193.325");  // the text it shows, written again
    EXPECT_TRUE(f.Edit1->Unedited());
    EXPECT_EQ(f.Edit1->Text(), "1193.325");
}

}  // namespace
