// The radio group: clicks, keys, the item index from code, the tab stop.
#include "EventLog.h"
#include "ui/TestHarness.h"

using ui::test::Click;
using Items = std::vector<std::string>;

namespace {

struct GroupForm : ui::Form {
    ui::Edit* Edit1 = new ui::Edit(this, "Edit1", {8, 8, 80, 21});
    ui::RadioGroup* RadioGroup1 = new ui::RadioGroup(this, "RadioGroup1", {8, 36, 40, 110}, "", {"", "", "", ""});
    ui::Edit* Edit2 = new ui::Edit(this, "Edit2", {100, 8, 80, 21});

    GroupForm() : Form("GroupForm") { SetClientSize(200, 160); }
};

class RadioGroupTest : public ui::test::FormTest {
protected:
    void SetUp() override {
        log.Watch({f.Edit1, f.Edit2});
        f.RadioGroup1->OnClick = [this] { log.Add("click " + std::to_string(f.RadioGroup1->ItemIndex())); };
        f.Show();
        log.Clear();
    }
    GroupForm f;
    EventLog log;
};

TEST_F(RadioGroupTest, ItemsStandInAColumnWithBlankCaptions) {
    ASSERT_EQ(f.RadioGroup1->Count(), 4);
    EXPECT_EQ(f.RadioGroup1->ItemIndex(), -1);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(f.RadioGroup1->Item(i)->Caption(), "");
        if (i > 0) {
            EXPECT_GT(f.RadioGroup1->Item(i)->Top(), f.RadioGroup1->Item(i - 1)->Top() + 16);
        }
    }
    EXPECT_LE(f.RadioGroup1->Item(3)->Top() + 17, f.RadioGroup1->Height());
    EXPECT_EQ(f.RadioGroup1->Item(4), nullptr);
}

TEST_F(RadioGroupTest, ClickChecksTheItemAndFiresOnceUnlessAlreadyChecked) {
    Click(f.RadioGroup1->Item(2));
    EXPECT_EQ(f.RadioGroup1->ItemIndex(), 2);
    Click(f.RadioGroup1->Item(2));  // already checked: nothing
    Click(f.RadioGroup1->Item(0));
    EXPECT_EQ(log.items, (Items{"exit Edit1", "click 2", "click 0"}));
    EXPECT_FALSE(f.RadioGroup1->Item(2)->Checked());
    // the box around the items is no item
    log.Clear();
    Click(f.RadioGroup1, QPoint(f.RadioGroup1->Width() - 3, f.RadioGroup1->Height() - 3));
    EXPECT_TRUE(log.items.empty());
}

TEST_F(RadioGroupTest, ItemIndexFromCodeFiresOnlyWhenItChanges) {
    f.RadioGroup1->SetItemIndex(3);
    f.RadioGroup1->SetItemIndex(3);
    f.RadioGroup1->SetItemIndex(1);
    f.RadioGroup1->SetItemIndex(-1);  // none checked, nothing fired
    f.RadioGroup1->SetItemIndex(7);
    EXPECT_EQ(log.items, (Items{"click 3", "click 1"}));
    EXPECT_EQ(f.RadioGroup1->ItemIndex(), -1);
    // a handler that moves the choice runs the handler again, synchronously
    f.RadioGroup1->OnClick = [this] {
        log.Add("click " + std::to_string(f.RadioGroup1->ItemIndex()));
        if (f.RadioGroup1->ItemIndex() == 2) f.RadioGroup1->SetItemIndex(0);
    };
    log.Clear();
    Click(f.RadioGroup1->Item(2));
    EXPECT_EQ(log.items, (Items{"exit Edit1", "click 2", "click 0"}));
    EXPECT_EQ(f.RadioGroup1->ItemIndex(), 0);
}

TEST_F(RadioGroupTest, TabReachesOnlyTheCheckedItemAndArrowsStepThroughTheGroup) {
    f.SetActiveControl(f.Edit1);
    ui::test::Tab();  // no item checked: the first one
    EXPECT_EQ(f.ActiveControl(), f.RadioGroup1->Item(0));
    ui::test::Tab();
    EXPECT_EQ(f.ActiveControl(), f.Edit2);
    f.RadioGroup1->SetItemIndex(2);
    ui::test::ShiftTab();
    EXPECT_EQ(f.ActiveControl(), f.RadioGroup1->Item(2));
    log.Clear();
    ui::test::Key(Qt::Key_Down);
    EXPECT_EQ(f.ActiveControl(), f.RadioGroup1->Item(3));
    ui::test::Key(Qt::Key_Down);  // round to the first
    ui::test::Key(Qt::Key_Up);
    f.RadioGroup1->Item(1)->SetEnabled(false);
    ui::test::Key(Qt::Key_Right);
    ui::test::Key(Qt::Key_Right);  // over the disabled item
    EXPECT_EQ(log.items, (Items{"click 3", "click 0", "click 3", "click 0", "click 2"}));
    EXPECT_EQ(f.RadioGroup1->ItemIndex(), 2);
    ui::test::Tab();
    EXPECT_EQ(f.ActiveControl(), f.Edit2);
    // Space on the focused, unchecked item checks it
    f.RadioGroup1->Item(1)->SetEnabled(true);
    f.SetActiveControl(f.RadioGroup1->Item(2));
    f.RadioGroup1->Item(1)->SetFocus();
    log.Clear();
    ui::test::Key(Qt::Key_Space);
    EXPECT_EQ(log.items, (Items{"click 1"}));
}

}  // namespace
