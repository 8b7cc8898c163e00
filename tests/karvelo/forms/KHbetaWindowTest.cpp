// The KHbeta window: direct input, the contact pattern, the kinematic arrangement and method C.

#include "KHbetaWindowsFixture.h"

namespace karvelo {
namespace {

using ui::test::Click;
using ui::test::Enter;
using ui::test::TypeInto;

class KHbetaWindow : public KHbetaWindows {
protected:
    TKHbeta_F& k = khbeta;
    // Shows the window (as the main window does) and runs the script in it.
    void Run(std::function<void()> script) {
        ui::test::QueueModal(&k, [script = std::move(script)](ui::Form&) { script(); });
        k.ShowModal();
    }
};

TEST_F(KHbetaWindow, ContactPatternLengthGivesKHbeta) {
    struct Case {
        std::string bcal;
        double KHbeta;
        bool direct;
    };
    const Case cases[] = {{"60", 2, true}, {"120", 4.0 / 3, true}, {"30", 4, true}, {"0", 1, false}, {"", 1, false}};
    Run([&] {
        Click(k.CheckBox2);
        EXPECT_EQ(G.KHbetaMethod, "bcal");
        EXPECT_TRUE(k.Edit1->Showing());
        EXPECT_FALSE(k.Edit2->Enabled());
        EXPECT_EQ(k.ActiveControl(), k.Edit1);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.bcal);
            TypeOver(k.Edit1, c.bcal);
            Enter();
            EXPECT_DOUBLE_EQ(G.KHbeta, c.KHbeta);
            EXPECT_EQ(G.KHbetaDirect, c.direct);
            EXPECT_DOUBLE_EQ(G.KHbetaLevel[20], c.KHbeta);
            EXPECT_EQ(k.Edit2->Text(), rt::Str(c.KHbeta, 5, 3));
        }
        EXPECT_EQ(G.bcal, 0);  // an empty field is no pattern
        TypeInto(k.Edit1, "-5");
        Enter();
        EXPECT_EQ(Messages(), std::vector<std::string>{"Invalid input of the contact pattern length bcal"});
        TypeInto(k.Edit1, "45");
        Click(k.Button1);
    });
    EXPECT_EQ(G.bcal, 45);
    EXPECT_DOUBLE_EQ(G.KHbeta, 120.0 / 45);
}

TEST_F(KHbetaWindow, DirectInputFromOneUpAndItCannotBeSwitchedOffByItself) {
    Run([&] {
        EXPECT_TRUE(k.CheckBox3->Checked());
        EXPECT_EQ(k.ActiveControl(), k.Edit2);
        TypeInto(k.Edit2, "0.95");
        Click(k.Button1);
        EXPECT_EQ(Messages(), std::vector<std::string>{"KHbeta must be greater than or equal to 1"});
        EXPECT_EQ(k.ActiveControl(), k.Edit2);
        TypeInto(k.Edit2, "1");
        Enter();
        EXPECT_EQ(G.KHbeta, 1);
        TypeInto(k.Edit2, "1.45");
        Click(k.CheckBox3);  // unchecking direct input checks it again
        EXPECT_TRUE(k.CheckBox3->Checked());
        EXPECT_FALSE(G.ControlPressed5);
        Click(k.Button1);
    });
    EXPECT_EQ(G.KHbetaMethod, "primo");
    EXPECT_TRUE(G.KHbetaDirect);
    EXPECT_EQ(G.KHbeta, 1.45);
    EXPECT_EQ(G.KHbetaLevel[1], 1.45);
    EXPECT_EQ(G.KHbetaEkv, 1.45);
    EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(KHbetaWindow, ListedPressesSkipTheChecksAndAFlagLeftByAnotherWindowDoesNot) {
    G.ControlPressed3 = true;  // as the dimensions window's ISO box can leave it
    Run([&] {
        TypeInto(k.Edit2, "0.5");
        Enter();
        EXPECT_EQ(Messages(), std::vector<std::string>{"KHbeta must be greater than or equal to 1"});
        TypeInto(k.Edit2, "1.2");
        Enter();
        Click(k.CheckBox2);
        TypeInto(k.Edit1, "abc");
        Click(k.CheckBox3);  // no message: the press silences the check of bcal
        EXPECT_EQ(Messages().size(), 1u);
        EXPECT_TRUE(k.CheckBox3->Checked());
        EXPECT_FALSE(k.Edit1->Showing());
        ui::test::Press(k.CheckBox2);
        EXPECT_TRUE(G.ControlPressed4);
        ui::test::Release(k.Button1);  // released elsewhere: no click, no flag
        EXPECT_FALSE(G.ControlPressed4);
        Click(k.Button3);
        EXPECT_FALSE(G.ControlPressed3);
        Click(k.Button1);
    });
    EXPECT_EQ(G.KHbeta, 1);  // the contact pattern's, without a pattern
    ASSERT_EQ(ui::test::HelpCalls().size(), 1u);
    EXPECT_EQ(ui::test::HelpCalls()[0].Data, 71u);
    ui::test::SetHelpResult(false);
    k.Button3Click();
    EXPECT_EQ(Messages().back(), "chyba");
}

TEST_F(KHbetaWindow, PickedArrangementBecomesTheDirectInputAndOkRefusesBelowOne) {
    G.HV1 = G.HV2 = 300;
    G.b1 = G.b2 = 16;  // x = b / d1 = 0.2
    G.KHbeta = 1.25;
    ui::test::QueueModal(&arrangement, [&](ui::Form&) { ui::test::Esc(); });
    ui::test::QueueModal(&arrangement, [&](ui::Form&) { Click(arrangement.Image1, QPoint(230, 60)); });  // spot 9: 7
    Run([&] {
        Click(k.CheckBox4);  // closed without a pick
        EXPECT_EQ(G.KHbeta, 1.25);
        EXPECT_EQ(k.Label2->Caption(), "");
        EXPECT_TRUE(k.CheckBox3->Checked());
        EXPECT_FALSE(k.CheckBox4->Checked());
        Click(k.CheckBox4);
        EXPECT_EQ(G.ArrangementNo, kArrangements);  // the last one
        EXPECT_NEAR(G.KHbeta, 0.998744, 1e-12);
        EXPECT_EQ(k.Edit2->Text(), "0.999");
        Click(k.Button1);
        EXPECT_EQ(Messages(), std::vector<std::string>{"KHbeta must be greater than or equal to 1"});
        EXPECT_EQ(k.ActiveControl(), k.Edit2);
        TypeInto(k.Edit2, "1.1");
        Click(k.Button1);
    });
    EXPECT_EQ(G.KHbetaMethod, "primo");
    EXPECT_EQ(G.KHbetaLevel[5], 1.1);
}

// The window activates again when the picture closes: the way stored before (the contact pattern,
// method C) must neither come back nor replace the picked arrangement's factor.
TEST_F(KHbetaWindow, ArrangementPickedWhileAnotherWayIsStoredBecomesTheDirectInput) {
    G.HV1 = G.HV2 = 300;
    G.b1 = G.b2 = 16;  // arrangement 7: 0.998744
    for (const char* key : {"bcal", "ISO_C"}) {
        SCOPED_TRACE(key);
        G.KHbetaMethod = key;
        G.bcal = 45;
        if (G.KHbetaMethod == "ISO_C") ui::test::QueueModal(&methodC, [&](ui::Form&) { ui::test::Esc(); });
        ui::test::QueueModal(&arrangement, [&](ui::Form&) { Click(arrangement.Image1, QPoint(230, 60)); });
        Run([&] {
            Click(k.CheckBox4);
            EXPECT_NEAR(G.KHbeta, 0.998744, 1e-6);
            EXPECT_TRUE(k.CheckBox3->Checked());
            TypeInto(k.Edit2, "1.1");
            Click(k.Button1);
        });
        EXPECT_EQ(G.KHbetaMethod, "primo");
        EXPECT_EQ(G.KHbetaLevel[3], 1.1);
    }
}

TEST_F(KHbetaWindow, MethodCOpensItsWindowAndAStoredKeyReopensItForAnExternalPairOnly) {
    ui::test::QueueModal(&methodC, [&](ui::Form&) { Click(methodC.Button5); });
    Run([&] {
        Click(k.CheckBox5);
        EXPECT_EQ(G.KHbetaMethod, "ISO_C");
        EXPECT_FALSE(G.KHbetaDirect);
        EXPECT_TRUE(G.LevelFactorsStale);
        EXPECT_FALSE(k.Edit2->Enabled());
        EXPECT_EQ(k.ActiveControl(), k.Button1);  // method C's Ok sends the user on to this Ok
        EXPECT_EQ(k.Edit2->Text(), rt::Str(G.KHbeta, 5, 3));
        Click(k.CheckBox5);  // unchecked: back to direct input
        EXPECT_TRUE(k.CheckBox3->Checked());
        EXPECT_EQ(G.KHbetaMethod, "primo");
        Click(k.Button1);
    });
    // A stored "ISO_C" (a loaded case) opens the method C window when this one activates.
    G.KHbetaMethod = "ISO_C";
    G.LoadInputMethod = kMultilevelLoading;
    G.Ftjm = 0;
    const double KHbeta = G.KHbeta;
    ui::test::QueueModal(&methodC, [&](ui::Form&) {
        EXPECT_FALSE(methodC.Label1->Visible());  // no single value for a spectrum
        EXPECT_EQ(methodC.Label4->Caption(), "compensatory");
        ui::test::Esc();
    });
    Run([&] {
        EXPECT_TRUE(k.CheckBox5->Checked());
        EXPECT_EQ(k.Edit2->Text(), "");
        EXPECT_FALSE(k.Label4->Visible());
        Click(k.Button1);
    });
    EXPECT_EQ(G.KHbeta, KHbeta);  // left to the calculation per level
    EXPECT_TRUE(Messages().empty());
    // Not for an internal pair: no method C there, the factor stays a direct input.
    k.CheckBox3->SetChecked(true);
    G.KHbetaMethod = "ISO_C";
    G.GearingType = kInternalPair;
    Run([&] {
        EXPECT_FALSE(k.CheckBox5->Checked());
        EXPECT_EQ(k.Edit2->Text(), rt::Str(G.KHbeta, 5, 3));
        Click(k.Button1);
    });
    EXPECT_EQ(G.KHbetaMethod, "primo");
    EXPECT_EQ(ui::test::ModalShows().size(), 5u);
}

}  // namespace
}  // namespace karvelo
