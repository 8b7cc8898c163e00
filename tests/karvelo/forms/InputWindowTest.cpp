// The field protocol, on a small window of three fields: z1 (refused below 4), beta (refused
// below 0 with a captioned box, stored in degrees and converted once accepted) and mn (empty is
// not checked), a listed "Reset" button whose press silences the checks, and a plain button.
#include <algorithm>
#include <string>
#include <vector>

#include "InputWindowFixture.h"
#include "runtime/NumText.h"

namespace karvelo {
namespace {

class TTest_F : public InputWindow {
public:
    ui::Button* Reset;
    ui::Button* Plain;
    std::vector<std::string> log;  // checks, trailing steps and clicks, in order
    int restored = 0;

    TTest_F() : InputWindow("Test_F") {
        SetClientSize(300, 200);
        KeyPreview = true;
        AddField(1, this, {10, 10, 80, 21}, [this] { CheckInputZ1(); });
        AddField(2, this, {10, 40, 80, 21}, [this] { CheckInputBeta(); });
        AddField(3, this, {10, 70, 80, 21}, [this] { CheckInputMn(); }, {.skipWhenEmpty = true});
        Reset = new ui::Button(this, "Reset", {10, 110, 80, 25}, "&Reset");
        Plain = new ui::Button(this, "Plain", {100, 110, 80, 25}, "&Plain");
        Reset->OnClick = [this] {
            G.ControlPressed1 = false;
            log.push_back("Reset");
        };
        Plain->OnClick = [this] { log.push_back("Plain"); };
        AddPreview(Reset, G.ControlPressed1);
        SkipChecksWhilePressed();
        OnKeyPress = [this](ui::KeyChar& key) {
            if (key == 27) Close();
        };
    }
    void CheckInputZ1() {
        log.push_back("z1");
        if (!ReadNumber(G.z1) || G.z1 < 4) Refuse("Invalid input of the number of teeth of the pinion z1");
    }
    void CheckInputBeta() {
        log.push_back("beta");
        if (!ReadNumber(G.beta) || G.beta < 0) return Refuse("Invalid beta", "  Error !");
        G.beta *= 3.14159265358979 / 180;
    }
    void CheckInputMn() {
        log.push_back("mn");
        double value = 0;
        if (!ParseNumber(value)) return Refuse("Invalid mn");
        G.mn = value;
        ShowNumber(3, G.mn, 5, 3);
    }
    void AfterCheck(int n, FieldEvent how) override {
        log.push_back("after " + std::to_string(n) + (how == FieldEvent::EnterKey ? " enter" : " exit"));
    }
    void ValuesRestored() override { ++restored; }
    void Paint() {
        FillField(1, rt::Str(G.z1, 4, 1));
        FillField(2, rt::Str(G.beta, 6, 4));
    }
    using InputWindow::FillField;
};

class FieldProtocol : public InputWindows {
protected:
    void SetUp() override {
        InputWindows::SetUp();
        w.Paint();
        w.Show();
        ui::test::Click(w.Field(1));
    }
    void TearDown() override {
        w.Hide();
        InputWindows::TearDown();
    }
    TTest_F w;
};

TEST_F(FieldProtocol, EditedTextIsCheckedOnceByTabClickOrEnterAndEnterKeepsTheFocus) {
    ui::test::TypeInto(w.Field(1), "25");
    ui::test::Enter();
    ui::test::Enter();  // the accepted text is the case's now: nothing to check
    EXPECT_EQ(w.ActiveControl(), w.Field(1));
    ui::test::Type("0");
    ui::test::Tab();
    ui::test::Type("4");
    ui::test::TypeInto(w.Field(3), "2.5");  // a click into another field
    EXPECT_EQ(w.log, (std::vector<std::string>{"z1", "after 1 enter", "z1", "after 1 exit", "beta", "after 2 exit"}));
    EXPECT_EQ(G.z1, 250);
    EXPECT_EQ(G.ActiveEdit, 3);
    // A stale field number (another window's) does not decide which field is checked.
    G.ActiveEdit = 1;
    ui::test::Enter();
    EXPECT_EQ(G.mn, 2.5);
    EXPECT_EQ(w.Field(3)->Text(), "2.500");
    EXPECT_EQ(G.ActiveEdit, 3);
    EXPECT_TRUE(ui::test::Notices().Texts().empty());
}

TEST_F(FieldProtocol, RefusalKeepsTheNumberWhileOpenAndTheLastAcceptedValueAfterClosing) {
    w.Hide();
    const double beta = G.beta;
    ui::test::QueueModal(&w, [&](ui::Form&) {
        ui::test::TypeInto(w.Field(2), "-3");
        ui::test::Click(w.Plain);  // the exit is refused: no click, the focus stays
        ASSERT_EQ(ui::test::Notices().notices.size(), 1u);
        EXPECT_EQ(ui::test::Notices().notices[0].caption, "  Error !");
        EXPECT_EQ(ui::test::Notices().notices[0].text, "Invalid beta");
        EXPECT_EQ(w.ActiveControl(), w.Field(2));
        EXPECT_FALSE(w.Plain->isDown());
        EXPECT_EQ(std::count(w.log.begin(), w.log.end(), "Plain"), 0);
        EXPECT_EQ(G.beta, -3);  // stored before the test
        ui::test::Type("-3x");  // refused again, the variable unchanged
        ui::test::Enter();
        EXPECT_EQ(G.ValCode, 3);
        w.Paint();  // a re-fill leaves the text being corrected alone
        EXPECT_EQ(w.Field(2)->Text(), "-3x");
        ui::test::Esc();
    });
    w.ShowModal();
    EXPECT_EQ(G.beta, beta);
    EXPECT_EQ(w.restored, 1);
    // An accepted entry forgets the refusal; a value changed since is not the refused number.
    ui::test::QueueModal(&w, [&](ui::Form&) {
        ui::test::TypeInto(w.Field(2), "5");
        ui::test::Enter();
        ui::test::TypeInto(w.Field(1), "2");
        ui::test::Enter();
        G.z1 = 30;
        ui::test::Esc();
    });
    w.ShowModal();
    EXPECT_EQ(G.z1, 30);
    EXPECT_NEAR(G.beta, 5 * 3.14159265358979 / 180, 1e-15);
}

TEST_F(FieldProtocol, ListedPressSilencesTheChecksAndItsFlagEndsWithThePress) {
    ui::App().OnMessage = [this](ui::Message& msg, bool&) {
        if (msg.Target && msg.Target->IsWithin(&w)) w.PreviewMouse(msg);
    };
    ui::test::TypeInto(w.Field(1), "2");
    ui::test::Click(w.Reset);  // the check is silent, the click runs
    EXPECT_TRUE(ui::test::Notices().Texts().empty());
    EXPECT_EQ(w.log, (std::vector<std::string>{"after 1 exit", "Reset"}));
    EXPECT_FALSE(G.ControlPressed1);
    // A release elsewhere clears the flag; so does entering a field.
    ui::test::Press(w.Reset);
    ui::test::Release(w.Plain);
    EXPECT_FALSE(G.ControlPressed1);
    G.ControlPressed1 = true;
    ui::test::Click(w.Field(2));
    EXPECT_FALSE(G.ControlPressed1);
    w.Hide();
    // A refused number left through a listed press is still given back when the window closes.
    const double beta = G.beta;
    ui::test::QueueModal(&w, [&](ui::Form&) {
        ui::test::TypeInto(w.Field(2), "-1");
        ui::test::Enter();
        ui::test::Click(w.Reset);
        EXPECT_EQ(w.ActiveControl(), w.Reset);
        EXPECT_EQ(ui::test::Notices().Texts(), std::vector<std::string>{"Invalid beta"});
        EXPECT_EQ(G.beta, -1);
        ui::test::Esc();
    });
    w.ShowModal();
    EXPECT_EQ(G.beta, beta);
    ui::App().OnMessage = nullptr;
}

TEST_F(FieldProtocol, PlaceholdersAndAnOptionalEmptyFieldAreNotChecked) {
    TypeOver(w.Field(1), "  ---");
    ui::test::Tab();
    TypeOver(w.Field(2), "Edit1");
    ui::test::Tab();
    w.Field(3)->SetText("2.000");
    TypeOver(w.Field(3), "");
    ui::test::Enter();
    EXPECT_EQ(w.log, (std::vector<std::string>{"after 1 exit", "after 2 exit", "after 3 enter"}));
}

}  // namespace
}  // namespace karvelo
