// The validity report window, the damages notice and the rim confirmation dialog.
#include "KarveloFixture.h"

namespace karvelo::test {
namespace {

class ReportWindows : public KarveloTest {
protected:
    // Marks slot i with a message of code `code`.
    static void Mark(int i, int code) {
        G.ValidityMessages[i] = "message " + std::to_string(i);
        G.ValidityCodes[i] = static_cast<std::int16_t>(code);
        G.ValidityKinds[i] = 1;
    }
    static ui::Label* Message(int k) { return Platnost_F->MessageLabel(k); }
    static int Bottom(int k) { return Message(k)->Top() + Message(k)->Height(); }
};

TEST_F(ReportWindows, ValidityWindowListsTheMarkedMessagesRedForRestrictions) {
    Mark(2, 3);
    Mark(8, 4);
    Mark(9, 3);
    G.ValidityMessages[50] = "";
    Platnost_F->Show();
    EXPECT_EQ(Platnost_F->Label50->Caption(), "Restrictions and warnings - 3 reports");
    EXPECT_EQ(Message(1)->Caption(), "message 2");
    EXPECT_EQ(Message(2)->Caption(), "message 8");
    EXPECT_EQ(Message(3)->Caption(), "message 9");
    EXPECT_EQ(Message(4)->Caption(), "");  // slot 50 holds no message
    EXPECT_EQ(Message(1)->Font().Color, ui::clRed);
    EXPECT_EQ(Message(2)->Font().Color, ui::clRed);         // slot 8 is a restriction
    EXPECT_EQ(Message(3)->Font().Color, ui::clWindowText);  // slot 9 a warning
    EXPECT_EQ(Message(1)->Top(), 30);
    EXPECT_EQ(Message(1)->Height(), 60);
    EXPECT_EQ(Message(2)->Height(), 80);  // code 4: 80 pixels
    EXPECT_EQ(Message(3)->Top(), Bottom(2) + 10);
    EXPECT_EQ(Platnost_F->Panel1->Height(), Bottom(16) - 120);
    EXPECT_EQ(Platnost_F->Width(), 703);
}

TEST_F(ReportWindows, OneMessageIsOneReportAndNoMessageClearsTheStaleOnes) {
    Mark(30, 3);
    Platnost_F->Show();
    EXPECT_EQ(Platnost_F->Label50->Caption(), "Restrictions and warnings - 1 report");
    EXPECT_EQ(Message(1)->Font().Color, ui::clWindowText);
    G.ValidityKinds[30] = 0;
    Platnost_F->Repaint();
    EXPECT_EQ(Message(1)->Caption(), "Gearing inputs have no errors or warnings");
    EXPECT_EQ(Platnost_F->Label50->Caption(), "Restrictions and warnings");
    for (int k = 2; k <= 16; ++k) EXPECT_EQ(Message(k)->Caption(), "") << k;
    ui::test::Esc();
    EXPECT_FALSE(Platnost_F->Visible());
}

TEST_F(ReportWindows, EveryMarkedMessageIsShownAlsoBeyondTheSixteenthAndTheListScrolls) {
    for (int i = 1; i <= 18; ++i) Mark(i + 10, 1);
    Platnost_F->Show();
    ASSERT_GE(Platnost_F->MessageLabelCount(), 18);
    EXPECT_EQ(Message(17)->Caption(), "message 27");
    EXPECT_EQ(Message(18)->Caption(), "message 28");
    EXPECT_TRUE(Message(18)->Visible());
    EXPECT_EQ(Platnost_F->Panel1->Height(), Bottom(18) + 10);
    EXPECT_GT(Platnost_F->Panel1->Height(), Platnost_F->ScrollBox1->Height());
    // Fewer messages again: the extra labels go.
    for (int i = 13; i <= 28; ++i) G.ValidityKinds[i] = 0;
    Platnost_F->Repaint();
    EXPECT_FALSE(Message(17)->Visible());
    EXPECT_TRUE(Message(16)->Visible());
}

TEST_F(ReportWindows, DamagesNoticeShowsTheLinesOfTheExceededLimits) {
    G.StaticOverloadCountF1 = 2;
    G.StaticOverloadCountH2 = 1;
    Havarie_->Show();
    EXPECT_TRUE(Havarie_->Label5->Visible());
    EXPECT_TRUE(Havarie_->Label1->Visible());
    EXPECT_FALSE(Havarie_->Label2->Visible());
    EXPECT_FALSE(Havarie_->Label3->Visible());
    EXPECT_TRUE(Havarie_->Label4->Visible());
    EXPECT_EQ(Havarie_->ClientWidth(), 372);
    EXPECT_EQ(Havarie_->Left(), 554);
    // Shown again: re-evaluated when it becomes active.
    G.StaticOverloadCountH1 = 3;
    Form1->Show();
    Havarie_->Show();
    EXPECT_TRUE(Havarie_->Label2->Visible());
    ui::test::Enter();  // "OK" is the default button
    EXPECT_FALSE(Havarie_->Visible());
}

TEST_F(ReportWindows, RimDialogResumesOnEnterAndStopsOnEscOrAnyOtherClose) {
    const std::string question = "Calculation by ISO is invalid - size of sr1 in insufficient.";
    const std::pair<const char*, std::function<void(ui::Form&)>> answers[] = {
        {"Enter", [](ui::Form&) { ui::test::Enter(); }},
        {"Esc", [](ui::Form&) { ui::test::Esc(); }},
        {"New entry", [](ui::Form&) { ui::test::Click(Hlaseni_->CancelBtn); }},
        {"closed", [](ui::Form& f) { f.Close(); }},
    };
    for (const auto& answer : answers) {
        const std::string name = answer.first;
        const auto& script = answer.second;
        SCOPED_TRACE(name);
        G.ResumeCalculation = true;
        ui::test::QueueModal(Hlaseni_, [&](ui::Form& f) {
            EXPECT_EQ(Hlaseni_->Label3->Caption(), question);
            EXPECT_TRUE(Hlaseni_->Label3->Visible());
            EXPECT_FALSE(Hlaseni_->Label1->Visible());
            EXPECT_FALSE(Hlaseni_->Label2->Visible());
            script(f);
        });
        win::AskResumeOrNewEntry(question);  // as the calculation asks
        EXPECT_EQ(G.ResumeCalculation, name == "Enter");
    }
}

TEST_F(ReportWindows, WindowShownModelesslyCanBeShownModally) {
    Prubehy_F->Show();
    ui::test::QueueModal(Prubehy_F, [](ui::Form& f) {
        EXPECT_TRUE(f.Modal());
        f.Close();
    });
    Form1->Button14Click();  // "Draw results" of a one-load case
    EXPECT_FALSE(Prubehy_F->Visible());
}

}  // namespace
}  // namespace karvelo::test
