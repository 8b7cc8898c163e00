// Angles in decimal degrees and in degrees, minutes and seconds.
#include "OstrimoFixture.h"

namespace ostrimo::test {
namespace {

struct DmsCase {
    double degrees;
    const char* main;
    const char* estimated;
};

TEST(AngleTexts, DegreesMinutesAndSecondsOfBothForms) {
    const DmsCase cases[] = {
        {20.5, "20\xC2\xB0 30'", "20\xC2\xB0 30'"},
        {20.5042,
         "20\xC2\xB0"
         "30' 15.1\"",
         "20\xC2\xB0"
         "30'15.1\""},
        {20.5 - 1e-5,
         "20\xC2\xB0"
         "30' 0.0\"",
         "20\xC2\xB0"
         "30'0.0\""},  // 59.96" carried
        {10 + 59.0 / 60 + 59.94 / 3600,
         "10\xC2\xB0"
         "59' 59.9\"",
         "10\xC2\xB0"
         "59'59.9\""},
        {10 + 59.0 / 60 + 59.99 / 3600,
         "11\xC2\xB0"
         "0' 0.0\"",
         "11\xC2\xB0"
         "0'0.0\""},  // 60" and 60' carried
        {-20.5, "-20\xC2\xB0 30'", "-20\xC2\xB0 30'"},
        {0, "0\xC2\xB0 0'", "0\xC2\xB0 0'"},
    };
    for (const DmsCase& c : cases) {
        EXPECT_EQ(MainAngleDmsText(c.degrees), c.main) << c.degrees;
        EXPECT_EQ(EstimatedAngleDmsText(c.degrees), c.estimated) << c.degrees;
    }
}

using AngleDisplay = OstrimoTest;

TEST_F(AngleDisplay, SwitchingRewritesEveryAngleAndKeepsTheValues) {
    Enter(D().Edit4, "15.50419");
    G.ProtuberanceAngle1 = DegToRad(6.5);
    G.alfaF0 = DegToRad(21.25);
    const GlobalData before = G;
    for (int i = 0; i < 10; ++i) {
        ui::test::Click(D().RadioButton13);
        EXPECT_TRUE(G.AngleFormatDMS);
        EXPECT_EQ(D().Edit4->Text(), MainAngleDmsText(15.50419));
        EXPECT_EQ(D().Edit10->Text(), MainAngleDmsText(G.alfawtDeg));
        EXPECT_EQ(D().Edit17->Text(), "20\xC2\xB0 0'");
        EXPECT_EQ(D().Edit20->Text(), "90\xC2\xB0 0'");
        EXPECT_EQ(NastrojDlg->Edit4->Text(), "45\xC2\xB0 0'");
        EXPECT_EQ(NastrojDlg->Label35->Caption(), "6\xC2\xB0 30'");
        EXPECT_EQ(FellowDlg->Label14->Caption(), "21\xC2\xB0 15'");
        for (ui::Label* l : {D().Label7, D().Label15, D().Label21, D().Label54, NastrojDlg->Label1, NastrojDlg->Label33,
                             FellowDlg->Label19})
            EXPECT_FALSE(l->Visible());
        ui::test::Click(D().RadioButton12);
        EXPECT_FALSE(G.AngleFormatDMS);
    }
    EXPECT_EQ(G.betaDeg, before.betaDeg);
    EXPECT_NEAR(G.betaDeg, 15.50419, 1e-9);
    EXPECT_TRUE(G == before || G.DegText != before.DegText);  // only the work texts change
    EXPECT_EQ(D().Edit4->Text(), "15.5042");
    EXPECT_EQ(D().Edit17->Text(), "20.0000");
    EXPECT_EQ(FellowDlg->Label14->Caption(), "21.250");
    EXPECT_TRUE(D().Label7->Visible() && D().Label15->Visible() && FellowDlg->Label19->Visible());
}

TEST_F(AngleDisplay, BevelGearingKeepsTheWorkingAngleUnitHidden) {
    SelectGearing(kBevelGearing);
    ui::test::Click(D().RadioButton13);
    ui::test::Click(D().RadioButton12);
    EXPECT_TRUE(D().Label7->Visible());
    EXPECT_FALSE(D().Label15->Visible());
}

TEST_F(AngleDisplay, AnAngleTypedInDegreesMinutesSecondsIsReadSo) {
    ui::test::Click(D().RadioButton13);
    Enter(D().Edit4, "20.3015");
    EXPECT_NEAR(G.betaDeg, 20 + 30.0 / 60 + 15.0 / 3600, 1e-12);
    EXPECT_EQ(D().Edit4->Text(),
              "20\xC2\xB0"
              "30' 15.0\"");
    Enter(D().Edit4, "20.6000");
    EXPECT_EQ(Messages(), std::vector<std::string>{"Select minutes from 0 to 59."});
    EXPECT_EQ(D().ActiveControl(), D().Edit4);
    EXPECT_FALSE(G.ErrorFlag);
}

TEST_F(AngleDisplay, TypingIsNotOverwrittenByTheProtuberanceAngle) {
    G.Protuberance1 = true;
    ui::test::Click(D().RadioButton13);
    NastrojDlg->Label35->SetCaption("");
    ui::test::TypeInto(D().Edit4, "15.3");
    EXPECT_EQ(D().Edit4->Text(), "15.3");
    EXPECT_EQ(NastrojDlg->Label35->Caption(), MainAngleDmsText(RadToDeg(G.ProtuberanceAngle1)));
    EXPECT_FALSE(G.ProtuberanceImpossible1);
}

TEST_F(AngleDisplay, EstimatedAngles) {
    G.IdentAlfa[1] = DegToRad(20.5042);
    D().ShowEstimatedAnglesDms();
    EXPECT_EQ(D().Edit43->Text(),
              "20\xC2\xB0"
              "30'15.1\"");
    D().ShowEstimatedAnglesDecimal();
    EXPECT_EQ(D().Edit43->Text(), "20.5042\xC2\xB0");
    EXPECT_EQ(D().Edit44->Text(), "0.0000\xC2\xB0");
}

}  // namespace
}  // namespace ostrimo::test
