// Keys: Enter, Esc, accelerators, key preview, F1, key-ups after a closing key.
#include "EventLog.h"
#include "ui/TestHarness.h"

using Items = std::vector<std::string>;

namespace {

struct KeyForm : ui::Form {
    ui::Edit* Edit1 = new ui::Edit(this, "Edit1", {8, 8, 100, 21});
    ui::Edit* Edit2 = new ui::Edit(this, "Edit2", {8, 36, 100, 21});
    ui::CheckBox* CheckBox1 = new ui::CheckBox(this, "CheckBox1", {8, 64, 97, 17}, "Chec&k");
    ui::Button* Button1 = new ui::Button(this, "Button1", {120, 8, 75, 25}, "&Ok");
    ui::Button* Button2 = new ui::Button(this, "Button2", {120, 40, 75, 25}, "O&ther");

    KeyForm() : Form("KeyForm") {
        SetClientSize(220, 100);
        KeyPreview = true;
    }
};

class Keys : public ui::test::FormTest {
protected:
    void SetUp() override {
        log.Watch({f.Edit1, f.Edit2, f.CheckBox1, f.Button1, f.Button2});
        f.OnKeyPress = [this](ui::KeyChar& k) { log.Add("form press " + std::to_string(int(k))); };
        f.OnKeyUp = [this](ui::Word& k, ui::ShiftState) { log.Add("form up " + std::to_string(k)); };
        f.Edit1->OnKeyPress = [this](ui::KeyChar& k) { log.Add("edit press " + std::to_string(int(k))); };
        f.Show();
        log.Clear();
    }
    KeyForm f;
    EventLog log;
};

TEST_F(Keys, EnterInAnEditGoesOnlyToTheKeyPressHandlers) {
    f.Button1->Default = true;
    ui::test::Enter();
    EXPECT_EQ(log.items, (Items{"form press 13", "edit press 13", "form up 13"}));
    EXPECT_EQ(f.ActiveControl(), f.Edit1);
    EXPECT_EQ(f.ModalResult, ui::mrNone);
}

TEST_F(Keys, EnterOnAFocusedButtonClicksIt) {
    f.SetActiveControl(f.Button2);
    log.Clear();
    ui::test::Enter();
    EXPECT_EQ(log.items, (Items{"click Button2", "form up 13"}));
}

TEST_F(Keys, EnterOutsideEditsClicksTheDefaultButton) {
    f.Button1->Default = true;
    f.SetActiveControl(f.CheckBox1);
    log.Clear();
    ui::test::Enter();
    EXPECT_EQ(log.items, (Items{"click Button1", "form up 13"}));
}

TEST_F(Keys, EscClosesNothingWithoutACancelButton) {
    ui::test::Esc();
    EXPECT_EQ(log.items, (Items{"form press 27", "edit press 27", "form up 27"}));
    EXPECT_TRUE(f.Visible());
}

TEST_F(Keys, EscClicksTheCancelButtonWithoutMovingTheFocus) {
    f.Button2->Cancel = true;
    f.Button2->ModalResult = ui::mrCancel;
    ui::test::Esc();
    EXPECT_EQ(log.items, (Items{"click Button2", "form up 27"}));
    EXPECT_EQ(f.ActiveControl(), f.Edit1);
}

TEST_F(Keys, TypedCharactersReachTheEdit) {
    ui::test::Type("1.5");
    EXPECT_EQ(f.Edit1->Text(), "1.5");
    EXPECT_EQ(log.items.front(), "form press 49");
}

TEST_F(Keys, KeyPressHandlerCanCancelOrReplaceTheCharacter) {
    f.OnKeyPress = [](ui::KeyChar& k) {
        if (k == u',') k = u'.';
        if (k == u'x') k = 0;
    };
    ui::test::Type("1,x5");
    EXPECT_EQ(f.Edit1->Text(), "1.5");
}

TEST_F(Keys, KeyPreviewRunsTheFormBeforeTheControl) {
    f.OnKeyDown = [this](ui::Word& k, ui::ShiftState) { log.Add("form down " + std::to_string(k)); };
    f.Edit1->OnKeyDown = [this](ui::Word& k, ui::ShiftState) { log.Add("edit down " + std::to_string(k)); };
    f.Edit1->OnKeyUp = [this](ui::Word& k, ui::ShiftState) { log.Add("edit up " + std::to_string(k)); };
    ui::test::Key(Qt::Key_A);
    EXPECT_EQ(log.items,
              (Items{"form down 65", "edit down 65", "form press 97", "edit press 97", "form up 65", "edit up 65"}));
    log.Clear();
    f.KeyPreview = false;
    ui::test::Key(Qt::Key_B);
    EXPECT_EQ(log.items, (Items{"edit down 66", "edit press 98", "edit up 66"}));
}

TEST_F(Keys, F1ArrivesAsKeyUp112) {
    ui::test::F1();
    EXPECT_EQ(log.items, (Items{"form up 112"}));
}

TEST_F(Keys, AcceleratorActsLikeAClick) {
    ui::test::Alt('o');
    EXPECT_EQ(log.items, (Items{"exit Edit1", "enter Button1", "click Button1", "form up 79", "form up 18"}));
    log.Clear();
    // With the focus on a button a plain letter is an accelerator too.
    ui::test::Type("t");
    EXPECT_EQ(log.items, (Items{"exit Button1", "enter Button2", "click Button2", "form up 84"}));
    log.Clear();
    ui::test::Alt('k');
    EXPECT_TRUE(f.CheckBox1->Checked());
    EXPECT_EQ(log.items, (Items{"exit Button2", "enter CheckBox1", "click CheckBox1", "form up 75", "form up 18"}));
}

TEST_F(Keys, AcceleratorAfterARefusedExitDoesNotClick) {
    f.Edit1->OnExit = [this] {
        log.Add("exit Edit1");
        f.SetActiveControl(f.Edit1);
    };
    ui::test::Alt('o');
    EXPECT_EQ(log.items, (Items{"exit Edit1", "form up 79", "form up 18"}));
    EXPECT_EQ(f.ActiveControl(), f.Edit1);
}

TEST_F(Keys, LettersInAnEditAreNoAccelerators) {
    ui::test::Type("o");
    EXPECT_EQ(f.Edit1->Text(), "o");
    EXPECT_EQ(f.ActiveControl(), f.Edit1);
}

TEST_F(Keys, SpaceClicksTheFocusedButtonAndTogglesTheFocusedCheckBox) {
    f.SetActiveControl(f.CheckBox1);
    ui::test::Key(Qt::Key_Space);
    EXPECT_TRUE(f.CheckBox1->Checked());
    f.SetActiveControl(f.Button1);
    log.Clear();
    ui::test::Key(Qt::Key_Space);
    EXPECT_EQ(log.items, (Items{"form press 32", "click Button1", "form up 32"}));
}

// The key-up of a key whose press closed a modal window reaches no other window.
TEST_F(Keys, KeyUpOfTheClosingKeyIsNotDeliveredToTheNextWindow) {
    KeyForm table;
    table.SetCaption("table");
    table.Edit1->OnKeyPress = [&](ui::KeyChar& k) {
        if (k == 27) table.ModalResult = ui::mrCancel;
    };
    ui::test::QueueModal(&table, [](ui::Form&) { ui::test::KeyDown(Qt::Key_Escape); });
    EXPECT_EQ(table.ShowModal(), ui::mrCancel);
    EXPECT_TRUE(f.Active());
    log.Clear();
    ui::test::KeyUp(Qt::Key_Escape);
    EXPECT_TRUE(log.items.empty());
    // The next key goes through again.
    ui::test::Key(Qt::Key_Escape);
    EXPECT_EQ(log.items.back(), "form up 27");
}

}  // namespace
