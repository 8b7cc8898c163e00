// The dimensions window: its fields and refusals, the full-body and ISO boxes with their
// mouse-down flags, OK's fit checks, the hints and the picture of the pair.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include <QFontMetrics>
#include <QStyle>

#include "InputWindowFixture.h"
#include "karvelo/calc/Rozmery.h"
#include "karvelo/forms/RozmeryF.h"
#include "runtime/NumText.h"

namespace karvelo {
namespace {

class DimensionsWindow : public InputWindows {
protected:
    void SetUp() override {
        InputWindows::SetUp();
        w.OnCreate();
        ui::App().OnMessage = [this](ui::Message& msg, bool&) {
            if (msg.Target && msg.Target->IsWithin(&w)) w.PreviewRozmeryMouseDown(msg);
        };
    }
    void TearDown() override {
        w.Hide();
        ui::App().OnMessage = nullptr;
        InputWindows::TearDown();
    }
    // The default pair with a pinion of rim 20 on a shaft of 20 (df1 = 70) and a wheel of rim 40
    // on a shaft of 40 (df2 = 150), every field open to input.
    void Open() {
        w.Hide();
        SetUp();
        G.FullPinion = false;
        G.sR1 = 20, G.dh1 = 20, G.sd1 = 0;
        G.sR2 = 40, G.dh2 = 40, G.sd2 = 0;
        G.mredISO = false, G.JDirect = true, G.cDirect = true;
        w.Show();
        ui::test::Notices().Clear();
    }
    void Put(int field, const std::string& text) {
        ui::test::TypeInto(w.Field(field), text);
        ui::test::Enter();
    }
    TRozmery_F w;
};

TEST_F(DimensionsWindow, FieldsStoreGoodValuesAndRefuseBadOnesWithTheirTexts) {
    struct Row {
        int field;
        const char* typed;
        const double* var;
        double stored;
        const char* message;  // "" when accepted
        int focus;            // the field that has the focus afterwards
    } rows[] = {
        {1, "50", &G.b1, 50, "", 1},
        {2, "55", &G.b2, 55, "", 2},
        {3, "30", &G.bs1, 30, "", 3},
        {4, "30", &G.bs2, 30, "", 4},
        {5, "25", &G.sR1, 25, "", 5},
        {6, "45", &G.sR2, 45, "", 6},
        {7, "5", &G.sd1, 5, "", 7},
        {8, "15", &G.sd2, 15, "", 8},
        {9, "10", &G.sR1, 30, "", 9},  // no hub: the rim takes the rest
        {10, "50", &G.dh2, 50, "", 10},
        {11, "-5", &G.db, -5, "", 11},
        {12, "1500", &G.J1, 1500, "", 12},
        {13, "9000", &G.J2, 9000, "", 13},
        {14, "14.5", &G.cprime, 14.5, "", 14},
        {1, "0", &G.b1, 0, "Invalid input", 1},
        {2, "b", &G.b2, 60, "Invalid input", 2},
        {3, "0", &G.bs1, 0, "Invalid input", 3},
        {6, "-1", &G.sR2, -1, "Invalid input", 6},
        {7, "-1", &G.sd1, -1, "Invalid input", 7},
        {9, "70", &G.dh1, 70, "Shaft diameter dh1 is greater than the pinion root diameter df1.", 9},
        {10, "150", &G.dh2, 150, "Shaft diameter dh2 is greater than the wheel root diameter df2.", 10},
        {11, "60", &G.db, 60, "Gears are out.", 11},
        {11, "-60", &G.db, -60, "Gears are out.", 11},
        {11, "1a", &G.db, 0, "Invalid input", 11},
        {12, "0", &G.J1, 0, "Invalid input", 12},
        {14, "-2", &G.cprime, -2, "Invalid input", 14},
        // A hub that leaves no room for the rim: the value stays, the rim is to be changed.
        {7, "6", &G.sd1, 6, "All does not fit to the pinion root diameter df1.", 5},
        {8, "16", &G.sd2, 16, "All does not fit to the wheel root diameter df2.", 6},
        {9, "31", &G.dh1, 31, "All does not fit to the pinion root diameter df1.", 5},
    };
    for (const Row& r : rows) {
        Open();
        if (r.field == 9 && std::string(r.typed) == "31") G.sd1 = 5;
        Put(r.field, r.typed);
        EXPECT_DOUBLE_EQ(*r.var, r.stored) << r.field << " " << r.typed;
        const std::vector<std::string> expected =
            *r.message ? std::vector<std::string>{r.message} : std::vector<std::string>{};
        EXPECT_EQ(ui::test::Notices().Texts(), expected) << r.field << " " << r.typed;
        EXPECT_EQ(w.ActiveControl(), w.Field(r.focus)) << r.field << " " << r.typed;
    }
}

TEST_F(DimensionsWindow, FaceWidthLineFollowsEachAcceptedWidthAndOffset) {
    Open();
    EXPECT_EQ(w.FaceWidthLabel->Caption(), "b = 60.00     bF1 = 60.00     bF2 = 60.00");
    Put(1, "360");  // the wheel lies within the pinion: bF1 = b2 + mn
    EXPECT_EQ(w.FaceWidthLabel->Caption(), "b = 60.00     bF1 = 64.00     bF2 = 60.00");
    Put(2, "360");
    EXPECT_EQ(w.FaceWidthLabel->Caption(), "b = 360.00     bF1 = 360.00     bF2 = 360.00");
    Put(11, "10");
    EXPECT_EQ(w.FaceWidthLabel->Caption(), "b = 350.00     bF1 = 354.00     bF2 = 354.00");
}

TEST_F(DimensionsWindow, EscGivesARefusedRimItsValueBackAndTheInertiaFollows) {
    Open();
    w.Hide();
    G.JDirect = false;
    ui::test::QueueModal(&w, [&](ui::Form&) {
        Put(5, "-3");
        EXPECT_EQ(G.sR1, -3);
        ui::test::Esc();
    });
    EXPECT_EQ(w.ShowModal(), ui::mrCancel);
    EXPECT_EQ(G.sR1, 20);
    const double J1 = G.J1;
    ComputeGearMassAndInertia();
    EXPECT_EQ(G.J1, J1);
}

TEST_F(DimensionsWindow, FullBodyBoxesSetTheRimAndClearTheirFlagsEitherWay) {
    SetUp();
    G.FullPinion = false;
    w.Show();
    w.SetActiveControl(w.CB3);
    G.b1 = 0;
    ui::test::Click(w.CB1);
    EXPECT_TRUE(G.FullPinion);
    EXPECT_TRUE(G.PinionShrinkFitted);
    EXPECT_EQ(G.b1, 10 * G.mn);
    EXPECT_EQ(G.sR1, G.df1 / 2);
    EXPECT_FALSE(w.Field(5)->Enabled());
    EXPECT_FALSE(G.ControlPressed1);
    // Unchecked: a rim of the tooth depth, or of 3, 2 or 1 module where the gear is too small.
    struct Row {
        double df1, ht1, sR1;
    } rows[] = {{70, 9, 9}, {70, 40, 12}, {20, 40, 8}, {14, 40, 4}};
    for (const Row& r : rows) {
        G.df1 = r.df1;
        G.ht1 = r.ht1;
        if (!w.CB1->Checked()) ui::test::Click(w.CB1);
        ui::test::Click(w.CB1);
        EXPECT_EQ(G.sR1, r.sR1) << r.df1 << " " << r.ht1;
        EXPECT_EQ(G.dh1, r.df1 - 2 * r.sR1);
        EXPECT_EQ(G.bs1, G.b1);
        EXPECT_EQ(G.sd1, 0);
        EXPECT_FALSE(G.ControlPressed1);
    }
    EXPECT_TRUE(w.Field(5)->Enabled());
    // The ISO box: its flag is cleared whichever way it goes; checked, J is not given.
    ui::test::Click(w.CB3);
    EXPECT_FALSE(G.mredISO);
    EXPECT_TRUE(w.CheckBox5->Enabled());
    EXPECT_FALSE(G.ControlPressed3);
    ui::test::Click(w.CheckBox5);
    EXPECT_TRUE(G.JDirect);
    ui::test::Click(w.CB3);
    EXPECT_TRUE(G.mredISO);
    EXPECT_FALSE(G.JDirect);
    EXPECT_FALSE(w.CheckBox5->Enabled());
    EXPECT_EQ(w.Field(12)->Text(), "  ---");
    EXPECT_FALSE(G.ControlPressed3);
    // The wheel's box and the stiffness given directly.
    ui::test::Click(w.CB2);
    EXPECT_TRUE(G.FullWheel);
    EXPECT_EQ(G.sR2, G.df2 / 2);
    ui::test::Click(w.CheckBox6);
    EXPECT_TRUE(G.cDirect);
    EXPECT_TRUE(w.Field(14)->Enabled());
    ui::test::Click(w.CheckBox6);
    EXPECT_FALSE(G.cDirect);
    EXPECT_FALSE(w.Field(14)->Enabled());
    // A press released elsewhere leaves no flag.
    ui::test::Press(w.CB2);
    EXPECT_TRUE(G.ControlPressed2);
    ui::test::Release(w.Field(1));
    EXPECT_FALSE(G.ControlPressed2);
}

TEST_F(DimensionsWindow, ActivationShowsTheBoxesAsTheDataSays) {
    SetUp();
    w.Show();
    EXPECT_TRUE(w.CB1->Checked());
    w.Hide();
    // A case whose pinion is not full: the box follows, the body keeps its loaded values.
    G.FullPinion = false;
    G.sR1 = 21, G.dh1 = 22;
    G.mredISO = false;
    G.JDirect = true;
    w.Show();
    EXPECT_FALSE(w.CB1->Checked());
    EXPECT_EQ(G.sR1, 21);
    EXPECT_EQ(G.dh1, 22);
    EXPECT_TRUE(w.Field(9)->Enabled());
    EXPECT_TRUE(w.CheckBox5->Enabled());
    EXPECT_TRUE(w.CheckBox5->Checked());
    EXPECT_TRUE(w.Field(12)->Enabled());
}

// The moments of inertia of a wheel of a few metres fit their fields at the window's font.
TEST_F(DimensionsWindow, InertiaOfALargeWheelFitsItsField) {
    Open();
    G.J1 = 39902687.45, G.J2 = 6165123456.78;
    w.Repaint();
    for (int n : {12, 13}) {
        ui::Edit* e = w.Field(n);
        ASSERT_EQ(e->Text(), n == 12 ? "39902687.45" : "6165123456.78");
        const int frame = e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, e);
        const int room = e->width() - 2 * frame - 2 * 2;  // the line edit's own margin of 2
        EXPECT_LE(QFontMetrics(e->font()).horizontalAdvance(QString::fromStdString(e->Text())), room) << n;
    }
}

TEST_F(DimensionsWindow, OkClosesOnlyWithBodiesThatFitAndPositiveRims) {
    Open();
    w.Hide();
    struct Row {
        double sR1, dh1, sR2;
        const char* message;
    } rows[] = {
        {30, 10.09, 40, ""},
        {30, 10.11, 40, "All does not fit to the pinion root diameter df1, dimensions must be adjusted."},
        {20, 20, 75, "All does not fit to the wheel root diameter df2, dimensions must be adjusted."},
        {20, 20, 0, "Negative value of sr2."},
    };
    for (const Row& r : rows) {
        ui::test::Notices().Clear();
        G.ResumeCalculation = true;
        ui::test::QueueModal(&w, [&](ui::Form&) {
            G.sR1 = r.sR1, G.dh1 = r.dh1, G.sR2 = r.sR2;
            ui::test::Click(w.Button1);
            if (*r.message) {
                EXPECT_EQ(ui::test::Notices().Texts(), std::vector<std::string>{r.message});
                EXPECT_TRUE(w.Visible());
                ui::test::Esc();
            }
        });
        EXPECT_EQ(w.ShowModal(), *r.message ? ui::mrCancel : ui::mrOk) << r.message;
    }
    EXPECT_FALSE(G.ResumeCalculation);
}

TEST_F(DimensionsWindow, HintsWarnAboutRimsBodiesAndTheStiffness) {
    SetUp();
    w.Show();
    EXPECT_FALSE(w.StiffnessWarning->Visible());
    EXPECT_FALSE(w.PinionFitWarning->Visible());
    EXPECT_EQ(w.RimLimitValue->Caption(), rt::Str(std::min(G.sRmin1, G.sRmin2), 5, 2));
    struct Row {
        double betaDeg, x1, x2, epsalfa;
        bool warned;
    } rows[] = {{45, 0, 0, 1.6, false}, {46, 0, 0, 1.6, true},   {0, 0, 0.1, 1.6, true}, {0, 0, -0.51, 1.6, true},
                {0, 1, 1, 1.6, false},  {0, 1.01, 1, 1.6, true}, {0, 0, 0, 1.19, true},  {0, -0.25, -0.25, 1.2, false}};
    for (const Row& r : rows) {
        G.beta = r.betaDeg * std::numbers::pi / 180, G.x1 = r.x1, G.x2 = r.x2, G.epsalfa = r.epsalfa;
        w.Repaint();
        EXPECT_EQ(w.StiffnessWarning->Visible(), r.warned) << r.betaDeg << " " << r.x1 << " " << r.x2;
        EXPECT_EQ(w.Field(14)->Text().empty(), r.warned);
    }
    G.cDirect = true;
    w.Repaint();
    EXPECT_FALSE(w.StiffnessWarning->Visible());
    G.sR1 = G.sRmin1 - 0.1;
    G.dh1 = G.df1;
    G.db = G.b1;
    w.Repaint();
    EXPECT_TRUE(w.ThinRimWarning1->Visible());
    EXPECT_FALSE(w.ThinRimWarning2->Visible());
    EXPECT_TRUE(w.PinionFitWarning->Visible());
    EXPECT_TRUE(w.GearsOutWarning->Visible());
}

TEST_F(DimensionsWindow, InternalPairShowsItsPictureAndOnlyTheWheelsRim) {
    SetUp();
    w.Show();
    EXPECT_TRUE(w.Image1->Showing());
    EXPECT_FALSE(w.Image2->Showing());
    EXPECT_TRUE(w.CB2->Showing());
    w.Hide();
    G.GearingType = kInternalPair;
    SetDefaultInputs();
    ComputeCentreDistanceFromShifts();
    ComputeGearDimensions();
    w.Show();
    EXPECT_FALSE(w.Image1->Showing());
    EXPECT_TRUE(w.Image2->Showing());
    for (int n : {4, 8, 10}) EXPECT_FALSE(w.Field(n)->Showing()) << n;
    EXPECT_TRUE(w.Field(6)->Showing());
    EXPECT_FALSE(w.CB2->Showing());
    EXPECT_FALSE(w.WheelFitWarning->Visible());
}

TEST_F(DimensionsWindow, PreviewSetsItsFlagsOnlyForLeftPressesOnItsControls) {
    w.PreviewRozmeryMouseDown({w.CB2, ui::WM_LBUTTONDOWN});
    w.PreviewRozmeryMouseDown({w.CB1, ui::WM_RBUTTONDOWN});
    EXPECT_FALSE(G.ControlPressed1);
    EXPECT_TRUE(G.ControlPressed2);
}

}  // namespace
}  // namespace karvelo
