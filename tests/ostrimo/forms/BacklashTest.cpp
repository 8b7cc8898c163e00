// The backlash dialog as the main dialog's backlash field opens it: the three methods
// with their messages, the rack mate's layout, the right angle of equal internal
// teeth, the zero-backlash base after an Open, Esc and Help.
#include <cmath>
#include <filesystem>

#include "OstrimoFixture.h"
#include "ostrimo/calc/CheckNumerics.h"

namespace ostrimo::test {
namespace {

using Backlash = OstrimoTest;

using checks::kPi;

// Types the backlash into the main dialog; the dialog opens and runs the script.
void OpenWith(const std::string& jn, std::function<void()> script) {
    ui::test::QueueModal(VuleF, [script](ui::Form&) { script(); });
    ui::test::TypeInto(PagesDlg->Edit21, jn);
    ui::test::Tab();
}

void Type(ui::Edit* field, const std::string& text) {
    ui::test::TypeInto(field, text);
    ui::test::Tab();
}

double Inv(double a) { return std::tan(a) - a; }

TEST_F(Backlash, ThinningChoosesTheGearsAndTheTechnology) {
    OpenWith("0.1", [] {
        EXPECT_TRUE(VuleF->GroupBox1->Visible() && VuleF->GroupBox2->Visible());
        EXPECT_FALSE(VuleF->Edit1->Enabled() || VuleF->Edit2->Enabled());
        EXPECT_TRUE(VuleF->Image1->Visible() && !VuleF->Image2->Visible());
        ui::test::Click(VuleF->RadioButton5);
        ui::test::Click(VuleF->RadioButton8);
        EXPECT_TRUE(VuleF->Image2->Visible() && !VuleF->Image1->Visible());
        ui::test::Click(VuleF->Button3);
    });
    EXPECT_EQ(ui::test::ModalShows().at(0).Result, ui::mrOk);
    EXPECT_TRUE(G.BacklashByThinning && G.ThinPinionOnly && !G.ThinBothWheels && G.ThinByRegrinding);
    EXPECT_EQ(G.jn, 0.1);
    EXPECT_EQ(Messages(), std::vector<std::string>{});
}

TEST_F(Backlash, AnExtraAmcMakesTheBacklashAtTheSameCentreDistance) {
    OpenWith("0.1", [] {
        ui::test::Click(VuleF->RadioButton2);  // from no backlash
        EXPECT_EQ(VuleF->Edit2->Text(), "0.000000");
        EXPECT_FALSE(VuleF->GroupBox1->Visible());
        EXPECT_TRUE(VuleF->Edit2->Enabled() && !VuleF->Edit1->Enabled());
        Type(VuleF->Edit2, "0.1");  // above the sum without backlash
        Type(VuleF->Edit2, "-0.2");
        ui::test::Click(VuleF->Button3);
    });
    EXPECT_EQ(Messages(), std::vector<std::string>{"It is impossible to input sum of AMC x1+x2 for negative "
                                                   "zero-backlash  (xlim= " +
                                                   rt::Str(0.0, 8, 5) + ") "});
    EXPECT_NEAR(G.jn, 0.4 * std::sin(G.alfan), 1e-15);
    EXPECT_EQ(D().Edit21->Text(), rt::Str(G.jn, 4, 3));
    EXPECT_EQ(D().Edit6->Text(), "-0.200000");
    EXPECT_TRUE(G.AmcUndivided);
    EXPECT_EQ(G.LastComputingInput, kXsumInput);
    EXPECT_EQ(D().ActiveControl(), D().Button2);
    // divided afterwards: the wheel takes the extra AMC, the pinion's is the same without
    ui::test::Click(D().Button2);
    Type(D().Edit7, "0.1");
    EXPECT_EQ(D().Edit8->Text(), "-0.300000");
    EXPECT_EQ(TableValueText(2, 14), " 0.10000");
    EXPECT_EQ(TableValueText(4, 14), "-0.10000");
}

// The Identification page measures the pair without backlash: leaving it gives back an
// extra AMC (the pinion keeps its coefficient) and a shifted centre distance.
TEST_F(Backlash, TheIdentificationPageGivesTheBacklashBack) {
    OpenWith("0.1", [] {
        ui::test::Click(VuleF->RadioButton2);
        Type(VuleF->Edit2, "-0.2");
        ui::test::Click(VuleF->Button3);
    });
    ui::test::Click(D().Button2);
    Type(D().Edit7, "0.1");
    ASSERT_NEAR(G.x2, -0.3, 1e-15);
    ui::test::ClickTab(D().PageControl1, 2);
    ui::test::ClickTab(D().PageControl1, 0);
    EXPECT_EQ(G.jn, 0);
    EXPECT_NEAR(G.x1, 0.1, 1e-15) << G.x1 - 0.1;
    EXPECT_NEAR(G.x2, -0.1, 1e-15);
    EXPECT_EQ(D().Edit6->Text(), "0.000000");
    EXPECT_EQ(D().Edit8->Text(), "-0.100000");

    const double aw = G.aw;
    OpenWith("0.1", [] {
        ui::test::Click(VuleF->RadioButton3);
        Type(VuleF->Edit3, "0.1");
        ui::test::Click(VuleF->Button3);
    });
    ASSERT_GT(G.awBacklash, aw);
    ui::test::ClickTab(D().PageControl1, 2);
    ui::test::ClickTab(D().PageControl1, 0);
    EXPECT_EQ(G.aw, aw);
    EXPECT_EQ(D().Edit9->Text(), rt::Str(aw, 8, 6));
    EXPECT_EQ(D().Edit10->Text(), rt::Str(RadToDeg(G.alfawt), 8, 6));
}

TEST_F(Backlash, ShiftingTheWheelsGivesTheBacklashOfTheCentreDistance) {
    OpenWith("0.1", [] {
        ui::test::Click(VuleF->RadioButton3);
        EXPECT_TRUE(VuleF->Edit1->Enabled());
        EXPECT_NEAR(G.jn, 0, 1e-9);  // the method starts from no backlash
        Type(VuleF->Edit1, "29.5");
        Type(VuleF->Edit1, "33");
        Type(VuleF->Edit1, "30.1");
        ui::test::Click(VuleF->Button3);
    });
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{"Backlash must be positive.", "Backlash must be smaller than normal module."}));
    const double at = G.alfan;
    const double a = std::acos(std::cos(at) * 30 / 30.1);
    EXPECT_NEAR(G.jn, 60 * std::cos(G.alfan) * (Inv(a) - Inv(at)), 1e-9);
    EXPECT_EQ(G.awBacklash, 30.1);
    EXPECT_EQ(D().Edit9->Text(), "30.100000");
    EXPECT_EQ(D().Edit21->Text(), rt::Str(G.jn, 4, 3));
    EXPECT_EQ(G.LastComputingInput, kX1Input);
    EXPECT_TRUE(G.AmcDivided);
    EXPECT_EQ(D().ActiveControl(), D().Edit7);
}

// A refused backlash or sum is not kept: retyping the field's text leaves the case as the
// dialog had it.
TEST_F(Backlash, ARefusedValueIsNotKept) {
    OpenWith("0.1", [] {
        ui::test::Click(VuleF->RadioButton2);
        Type(VuleF->Edit3, "0.1");
        const GlobalData kept = G;
        for (const auto& [field, refused] : {std::pair{VuleF->Edit3, "-1"}, std::pair{VuleF->Edit2, "0.5"}}) {
            const std::string shown = field->Text();
            Type(field, refused);
            Type(field, shown);
        }
        EXPECT_TRUE(G == kept);
        ui::test::Click(VuleF->Button3);
    });
    EXPECT_EQ(Messages().size(), 2u);
}

TEST_F(Backlash, TheBacklashFieldTakesZeroToTheModuleAndEscKeepsTheComputingInputs) {
    ui::test::Click(D().Button2);  // divided: only the main dialog's Clear undoes it
    OpenWith("0.1", [] {
        Type(VuleF->Edit3, "1");
        Type(VuleF->Edit3, "0");
        Type(VuleF->Edit3, "1.001");
        ui::test::Click(VuleF->Button1);  // "Esc" is not held up by the refused field
    });
    EXPECT_EQ(Messages(), std::vector<std::string>{"Backlash must be smaller than normal module."});
    EXPECT_EQ(ui::test::ModalShows().at(0).Result, ui::mrCancel);
    EXPECT_EQ(G.jn, 0);
    EXPECT_EQ(D().Edit21->Text(), "0.000");
    EXPECT_TRUE(G.BacklashMethodPending);
    EXPECT_TRUE(G.AmcDivided);

    OpenWith("0.1", [] { ui::test::Esc(); });  // the key runs the main dialog's Clear
    EXPECT_FALSE(G.AmcDivided);
    EXPECT_EQ(G.jn, 0);
    EXPECT_TRUE(VuleF->RadioButton4->Checked());
}

TEST_F(Backlash, EqualInternalTeethWorkAtARightAngleUnderEveryMethod) {
    SelectGearing(kInternalGearing);
    G.z2 = -20;
    D().InitInputsForGearingType();
    OpenWith("0.1", [] {
        for (ui::RadioButton* method : {VuleF->RadioButton2, VuleF->RadioButton3, VuleF->RadioButton1}) {
            ui::test::Click(method);
            EXPECT_EQ(G.alfawt, kPi / 2) << method->Name();
            if (method != VuleF->RadioButton1) {
                EXPECT_EQ(G.alfawtBacklash, kPi / 2) << method->Name();
            }
        }
        ui::test::Click(VuleF->Button3);
    });
}

TEST_F(Backlash, ARackMateHasNoCentreDistanceButAShift) {
    Enter(D().Edit3, "6000");
    OpenWith("0.1", [] {
        EXPECT_FALSE(VuleF->Edit1->Visible());
        EXPECT_EQ(VuleF->Label2->Caption(), "1");
        ui::test::Click(VuleF->RadioButton2);
        EXPECT_FALSE(VuleF->Edit1->Visible());
        EXPECT_EQ(VuleF->RadioButton2->Caption(), "Backlash by extra AMC");
        ui::test::Click(VuleF->RadioButton3);
        EXPECT_TRUE(VuleF->Edit1->Visible());
        EXPECT_EQ(VuleF->Label3->Caption(), "Shift");
        Type(VuleF->Edit1, "0.1");
        ui::test::Click(VuleF->Button3);
    });
    EXPECT_NEAR(G.jn, 0.2 * std::sin(G.alfan), 1e-15);
}

TEST_F(Backlash, ASwitchOfMethodAfterAnOpenReturnsToTheFilesCase) {
    const ScratchDir dir;
    const std::string file = dir.File("after_open.dat");
    Enter(D().Edit6, "0.4");
    ui::test::Click(D().Button2);
    Enter(D().Edit7, "0.1");
    const double aw = G.aw;
    OpenWith("0.1", [] {
        ui::test::Click(VuleF->RadioButton2);
        ui::test::Click(VuleF->Button3);
    });
    ui::test::Click(D().Button2);
    Enter(D().Edit7, "0.1");
    ui::test::QueueFileName(file);
    ui::test::Click(D().Button3);
    G.xsumNoBacklash = G.x1BeforeBacklash = G.awNoBacklash = 9;  // another case's bases
    ui::test::QueueFileName(file);
    ui::test::Click(D().Button4);
    G.BacklashMethodPending = false;
    OpenWith("0.2", [] {
        ui::test::Click(VuleF->RadioButton1);
        ui::test::Click(VuleF->Button3);
    });
    EXPECT_EQ(Messages(), std::vector<std::string>{});
    EXPECT_DOUBLE_EQ(G.xsum, 0.4);
    EXPECT_DOUBLE_EQ(G.x1, 0.1);
    EXPECT_DOUBLE_EQ(G.x2, 0.3);
    EXPECT_NEAR(G.aw, aw, 1e-11);  // as the file keeps it
    EXPECT_EQ(D().Edit8->Text(), "0.300000");
}

TEST_F(Backlash, AfterHelpAFieldIsCheckedAtOnce) {
    OpenWith("0.1", [] {
        ui::test::Click(VuleF->Button2);
        Type(VuleF->Edit3, "x");
        Type(VuleF->Edit3, "0.1");
        ui::test::Click(VuleF->Button3);
    });
    EXPECT_EQ(ui::test::HelpCalls().at(0).Data, 6u);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Invalid format of the number."});
    EXPECT_EQ(ui::test::ModalShows().at(0).Result, ui::mrOk);
}

}  // namespace
}  // namespace ostrimo::test
