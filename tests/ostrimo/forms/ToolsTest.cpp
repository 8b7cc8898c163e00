// The tools dialog: the options with their fields and pictures, the limits of its fields,
// the protuberance angle and OK.
#include <cmath>
#include <numbers>
#include <sstream>

#include "OstrimoFixture.h"

namespace ostrimo::test {
namespace {

class Tools : public OstrimoTest {
protected:
    void SetUp() override {
        OstrimoTest::SetUp();
        ui::test::Click(D().Button10);
    }
    static TNastrojDlg& T() { return *NastrojDlg; }
    // The shortest text that reads back as exactly this number.
    static std::string Exactly(double v) {
        std::ostringstream s;
        s.precision(17);
        s << v;
        return s.str();
    }
};

TEST_F(Tools, EachCombinationOfOptionsShowsItsFieldsAndPicture) {
    ui::Image* const pictures[] = {T().Image1, T().Image2, T().Image3, T().Image4};
    for (int combination : {0, 1, 3, 2, 0}) {
        const bool chamfer = combination & 1, protuberance = combination & 2;
        if (T().CheckBox1->Checked() != chamfer) ui::test::Click(T().CheckBox1);
        if (T().CheckBox2->Checked() != protuberance) ui::test::Click(T().CheckBox2);
        EXPECT_EQ(G.Chamfer1, chamfer);
        EXPECT_EQ(G.Protuberance1, protuberance);
        EXPECT_EQ(T().Edit3->Visible() && T().Edit4->Visible(), chamfer) << combination;
        EXPECT_EQ(T().Edit6->Visible() && T().Edit7->Visible() && T().Label35->Visible(), protuberance) << combination;
        for (int p = 0; p < 4; ++p) EXPECT_EQ(pictures[p]->Visible(), p == combination) << combination;
        // a protuberance decides the root: the basic rack's fields wait
        EXPECT_EQ(D().CheckBox1->Enabled() && D().Edit11->Enabled() && D().Edit16->Enabled(), !protuberance);
    }
    EXPECT_TRUE(T().Image5->Visible());
    EXPECT_EQ(Messages(), std::vector<std::string>{});
}

TEST_F(Tools, TheAddendumRunsUpToItsLimitAndSetsTheMatesRack) {
    const double limit = (std::numbers::pi / 4) / std::tan(G.alfan);
    Enter(T().Edit1, Exactly(limit));
    EXPECT_EQ(G.ToolAddendumFactor1, limit);
    EXPECT_EQ(G.haP2, limit - G.cP2);
    EXPECT_EQ(D().Edit12->Text(), rt::Str(limit - G.cP2, 6, 4));
    EXPECT_TRUE(D().RadioButton2->Checked());
    Enter(T().Edit1, "0");
    EXPECT_EQ(Messages(), std::vector<std::string>{"Addendum factor of a tool for the pinion must be from 0 to " +
                                                   rt::Str(limit, 6, 4)});
    EXPECT_EQ(T().ActiveControl(), T().Edit1);
    Enter(T().Edit1, "1.25");
    Enter(T().Edit8, "x");
    EXPECT_EQ(Messages().back(), "Invalid format of the number");
}

TEST_F(Tools, ACrestRadiusJustAboveItsLimitIsKeptFurtherIsReplaced) {
    const double an = G.alfan;
    const double limit = std::cos(an) * (std::numbers::pi / 4 - std::tan(an) * 1.25) / (1 - std::sin(an));
    Enter(T().Edit2, Exactly(limit + 0.00009));
    EXPECT_EQ(G.ToolCrestRadiusFactor1, limit + 0.00009);
    EXPECT_EQ(G.rofP1, limit + 0.00009);
    EXPECT_EQ(Messages(), std::vector<std::string>{});
    Enter(T().Edit2, Exactly(limit + 0.0002));
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"Crest rounding radius factor of a tool for the pinion must be from 0 to " +
                                       rt::Str(limit, 6, 4)});
    EXPECT_EQ(Caption(), "  Warning !");
    EXPECT_EQ(G.ToolCrestRadiusFactor1, limit);
    EXPECT_EQ(T().Edit2->Text(), rt::Str(limit, 6, 4));
    EXPECT_EQ(D().Edit15->Text(), rt::Str(limit, 6, 4));
}

TEST_F(Tools, TheChamferAngleLiesAboveThePressureAngle) {
    ui::test::Click(T().CheckBox1);
    Enter(T().Edit4, "20");
    EXPECT_EQ(Messages(), std::vector<std::string>{
                              "Angle of a chamfering edge must be from 20.0000\xC2\xB0 (alfan) to 90\xC2\xB0."});
    Enter(T().Edit4, "30");
    EXPECT_EQ(G.ChamferAngle1, DegToRad(30));
    EXPECT_EQ(G.ChamferAngleDeg1, 30);
    ui::test::Click(T().CheckBox3);
    Enter(T().Edit10, "1.5");  // the wheel's chamfer height stays within its addendum
    EXPECT_EQ(Messages().back(), "Height to a chamfering factor must be from 0 to 1.0000 (ha2*).");
}

TEST_F(Tools, EnterChecksAFieldOnceUnlessItIsTypedAgain) {
    ui::test::Click(T().CheckBox1);
    ui::test::TypeInto(T().Edit3, "2");
    ui::test::Enter();
    ui::test::Tab();  // refused values are checked again
    ui::test::TypeInto(T().Edit3, "0.5");
    ui::test::Enter();
    ui::test::Tab();
    EXPECT_EQ(Messages().size(), 2u);
    EXPECT_EQ(G.ChamferHeightFactor1, 0.5);
}

TEST_F(Tools, TheProtuberanceAngleAndOk) {
    ui::test::Click(T().CheckBox2);
    EXPECT_NEAR(G.ProtuberanceAngle1, 0.1056441, 1e-6);
    EXPECT_NEAR(G.ProtuberanceAngle1, 0.10564477962321676, 1e-6);
    EXPECT_EQ(T().Label35->Caption(), rt::Str(RadToDeg(G.ProtuberanceAngle1), 7, 4));
    EXPECT_FALSE(G.ProtuberanceImpossible1);

    Enter(T().Edit6, "0.8");  // the protuberance flank would lean the wrong way
    EXPECT_EQ(Messages(), std::vector<std::string>{"Impossible parameters of the protuberance"});
    EXPECT_EQ(T().Label35->Caption(), "No solution");
    EXPECT_TRUE(G.ProtuberanceImpossible1);
    ui::test::Click(T().OKBtn);
    EXPECT_TRUE(T().Visible());

    Enter(T().Edit6, "0.75");
    Enter(T().Edit7, "0.2");  // beyond the sharp crest's size
    EXPECT_EQ(Messages().back(), "Protuberance size of the tool for the pinion must be from 0 to " +
                                     rt::Str(std::sin(G.alfan) * 0.5, 6, 4) +
                                     " [mm]\r(maximum is valid for a sharp crest of the tool).");
    Enter(T().Edit7, "0.05");
    ui::test::Notices().Clear();
    ui::test::Click(T().OKBtn);
    EXPECT_EQ(Messages(), std::vector<std::string>{});
    EXPECT_FALSE(T().Visible());
    EXPECT_TRUE(D().RadioButton2->Checked() && D().RadioButton2->Enabled());
    EXPECT_GT(G.ProtuberanceFlankShift1, 0);
}

TEST_F(Tools, ClearGivesTheDefaultToolsBack) {
    ui::test::Click(T().CheckBox2);
    Enter(T().Edit1, "1.3");
    ui::test::Click(T().Button1);
    EXPECT_FALSE(G.Protuberance1 || T().CheckBox2->Checked());
    EXPECT_EQ(G.ToolAddendumFactor1, 1.25);
    EXPECT_EQ(T().Edit1->Text(), "1.2500");
    EXPECT_EQ(T().Label35->Caption(), "");
    EXPECT_FALSE(D().RadioButton2->Enabled() || D().RadioButton2->Checked());
    EXPECT_TRUE(D().CheckBox1->Enabled() && D().Edit15->Enabled());
}

}  // namespace
}  // namespace ostrimo::test
