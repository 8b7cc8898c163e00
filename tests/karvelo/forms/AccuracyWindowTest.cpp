// The accuracy window.

#include "KHbetaWindowsFixture.h"

namespace karvelo {
namespace {

using ui::test::Click;
using ui::test::Enter;
using ui::test::TypeInto;

class AccuracyWindow : public KHbetaWindows {
protected:
    TPresnost_F& w = accuracy;
    std::string Used(int n) { return w.UsedLabel(n)->Caption(); }
};

std::string Tol(double x) { return rt::Str(RoundTolerance(x), 2, 1); }

TEST_F(AccuracyWindow, GradesOneToElevenGiveTheAllowableDeviationsOfTheirGrade) {
    ui::test::QueueModal(&w, [&](ui::Form&) {
        for (int gear : {1, 2}) {
            const double d = gear == 1 ? G.d1 : G.d2;
            for (int grade = 0; grade <= 12; ++grade) {
                SCOPED_TRACE(std::to_string(gear) + ": " + std::to_string(grade));
                ui::test::Notices().Clear();
                TypeInto(w.EditField(gear), std::to_string(grade));
                Enter();
                if (grade < 1 || grade > 11) {
                    EXPECT_EQ(Messages(), std::vector<std::string>{"Accuracy grade use from 1 to 11"});
                    continue;
                }
                EXPECT_TRUE(Messages().empty());
                const auto Q = static_cast<std::int16_t>(grade);
                EXPECT_EQ(Used(2 + gear), Tol(ComputeSinglePitchTolerance(Q, d, G.mn)));
                EXPECT_EQ(Used(6 + gear), Tol(ComputeProfileFormTolerance(Q, G.mn)));
                EXPECT_EQ(w.EditField(gear)->Text(), std::to_string(grade));
            }
            TypeInto(w.EditField(gear), "7.5");  // not a whole number
            Enter();
            EXPECT_EQ(Messages().back(), "Accuracy grade use from 1 to 11");
            ui::test::Esc();  // nothing closes by itself
            TypeInto(w.EditField(gear), "6");
            Enter();
        }
        Click(w.Button1);
    });
    w.ShowModal();
    EXPECT_EQ(G.IT1, 6);
    EXPECT_EQ(G.IT2, 6);
    EXPECT_FALSE(G.LifeValid);
}

TEST_F(AccuracyWindow, ActualDeviationsReplaceTheAllowableOnesUntilZeroOrReset) {
    G.KHbetaMethod = "ISO_C";
    const double fp1 = G.fp1, fHbeta1 = G.fHbeta1;
    ui::test::QueueModal(&w, [&](ui::Form&) {
        TypeInto(w.EditField(3), "12.5");
        Enter();
        EXPECT_EQ(G.fp1, 12.5);
        EXPECT_EQ(w.StatusLabel(3)->Caption(), "measured");
        EXPECT_EQ(Used(3), "");
        EXPECT_EQ(w.EditField(3)->Text(), "12.5");
        TypeInto(w.EditField(3), "0");  // back to the grade, on to Ok
        Enter();
        EXPECT_EQ(G.fp1, fp1);
        EXPECT_TRUE(G.fpr1Measured);
        EXPECT_EQ(w.ActiveControl(), w.Button1);
        EXPECT_EQ(w.StatusLabel(3)->Caption(), "");
        EXPECT_EQ(w.EditField(3)->Text(), "");

        TypeInto(w.EditField(4), "-4");  // a pitch deviation has a sign
        TypeInto(w.EditField(7), "-2");  // a profile form deviation has none
        Enter();
        EXPECT_EQ(G.fp2, -4);
        EXPECT_EQ(Messages(), std::vector<std::string>{"Deviation ffalfa1_act must be positive"});
        EXPECT_EQ(w.ActiveControl(), w.EditField(7));
        TypeInto(w.EditField(7), "x");
        Enter();
        EXPECT_EQ(Messages().back(), "Deviation ffalfa1_act must be positive");
        TypeInto(w.EditField(7), "3");
        Enter();
        EXPECT_EQ(G.ffalfa1, 3);
        TypeInto(w.EditField(6), "y");
        Enter();
        EXPECT_EQ(Messages().back(), "Input error");
        TypeOver(w.EditField(6), "");  // the text it had: no actual value
        Enter();
        EXPECT_EQ(G.fHbeta2act, 0);
        // A negative helix deviation is used, but its field shows nothing.
        TypeInto(w.EditField(5), "-3");
        ui::test::Tab();
        EXPECT_EQ(G.fHbeta1, -3);
        EXPECT_EQ(w.EditField(5)->Text(), "");
        EXPECT_EQ(w.StatusLabel(5)->Caption(), "measured");

        Click(w.Button2);  // the empty field is only passed through
        for (int n = 3; n <= 8; ++n) EXPECT_EQ(w.StatusLabel(n)->Caption(), "") << n;
        EXPECT_EQ(G.fHbeta1, fHbeta1);
        EXPECT_EQ(G.fp2, RoundTolerance(ComputeSinglePitchTolerance(G.IT2, G.d2, G.mn)));
        EXPECT_EQ(G.ffalfa1act, 0);
        // Ok pressed while leaving an empty field closes the window at once.
        Click(w.EditField(8));
        Click(w.Button1);
    });
    EXPECT_EQ(w.ShowModal(), ui::mrOk);
    EXPECT_TRUE(G.fpr2Measured && G.ffalfa1Measured && G.fHbeta1Measured);
}

TEST_F(AccuracyWindow, HelixRowOnlyForMethodCAndShownFirstWhenItsFieldIsAskedFor) {
    G.KHbetaMethod = "ISO_C";
    w.FocusField(6);
    ui::test::QueueModal(&w, [&](ui::Form&) {
        EXPECT_EQ(w.ActiveControl(), w.EditField(6));
        EXPECT_TRUE(w.EditField(5)->Showing());
        EXPECT_TRUE(w.StatusLabel(6)->Showing());
        Click(w.Button1);
    });
    w.ShowModal();
    G.KHbetaMethod = "primo";
    w.FocusField(7);
    ui::test::QueueModal(&w, [&](ui::Form&) {
        EXPECT_EQ(w.ActiveControl(), w.EditField(7));
        EXPECT_FALSE(w.EditField(5)->Showing());
        EXPECT_FALSE(w.UsedLabel(6)->Showing());
        ui::test::F1();
        Click(w.Button1);
    });
    w.ShowModal();
    ASSERT_EQ(ui::test::HelpCalls().size(), 1u);
    EXPECT_EQ(ui::test::HelpCalls()[0].Data, 61u);
}

}  // namespace
}  // namespace karvelo
