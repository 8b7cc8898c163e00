// The shaper cutter dialog: its limits, its options, its values against the core's and OK.
#include <cmath>
#include <sstream>

#include "OstrimoFixture.h"
#include "ostrimo/calc/Vypocty_Fellow.h"

namespace ostrimo::test {
namespace {

class Fellow : public OstrimoTest {
protected:
    void SetUp() override {
        OstrimoTest::SetUp();
        ui::test::Click(D().RadioButton4);
        ui::test::Click(D().Button9);
        ui::test::Notices().Clear();
    }
    static TFellowDlg& F() { return *FellowDlg; }
    // The boxes of the error messages only (the defect warnings are plain boxes).
    static std::vector<std::string> Errors() {
        std::vector<std::string> errors;
        for (const auto& n : ui::test::Notices().notices)
            if (n.caption == kErrorCaption) errors.push_back(n.text);
        return errors;
    }
};

TEST_F(Fellow, TheCuttersTeethAndAmcKeepTheirRanges) {
    Enter(D().Edit3, "-400");  // a wheel large enough for the cutter's whole AMC range
    Enter(F().Edit1, "3");
    Enter(F().Edit1, "4");
    EXPECT_EQ(G.z0, 4);
    Enter(F().Edit1, "400");
    Enter(F().Edit1, "100");
    Enter(F().Edit2, "-2");
    EXPECT_EQ(G.x0, -2);
    Enter(F().Edit2, "3");
    EXPECT_EQ(G.x0, 3);
    Enter(F().Edit2, "3.1");
    EXPECT_EQ(Errors(),
              (std::vector<std::string>{
                  "Teeth number for Fellow cutter must be greater than 3.",
                  "Teeth number for Fellow cutter must be less than teeth number of wheel (at least about 1).",
                  "Addendum modification coefficient of Fellow cutter must be from -2 to 3."}));
    EXPECT_EQ(F().ActiveControl(), F().Edit2);
    ui::test::Tab();  // a refused value is refused again
    EXPECT_EQ(Errors().size(), 4u);
}

TEST_F(Fellow, ACutterProfileFactorNearOneIsOne) {
    std::ostringstream rof0;
    rof0.precision(17);
    rof0 << (G.haP2 + G.cP2 - 0.99997) / (1 - std::sin(G.alfan));
    Enter(F().Edit3, rof0.str());
    EXPECT_EQ(G.CutterFlankHeightFactor, 1.0);
}

TEST_F(Fellow, TheMaximumOperatingHeightNeverWarnsOfUndercut) {
    ui::test::Click(F().CheckBox1);
    EXPECT_EQ(F().Edit3->Text(), "0.0000");
    EXPECT_TRUE(F().Edit3->ReadOnly());
    EXPECT_EQ(G.alfaF0, 0);
    Enter(F().Edit4, "0.1");
    EXPECT_EQ(Messages(), std::vector<std::string>{});
    EXPECT_EQ(D().Edit16->Text(), "0.1000");  // the cutter's tip rounds the wheel's root
    ui::test::Click(F().CheckBox1);
    EXPECT_EQ(G.rof0, 0.38);
}

TEST_F(Fellow, TheDialogShowsTheCoresCutter) {
    Enter(F().Edit1, "25");
    Enter(F().Edit2, "0.2");
    const GlobalData shown = G;
    ComputeFellowCutterDimensions();
    ComputeCutterTipThickness();
    for (double GlobalData::*v :
         {&GlobalData::d0, &GlobalData::db0, &GlobalData::da0, &GlobalData::dF0, &GlobalData::alfaF0, &GlobalData::sa0})
        EXPECT_EQ(shown.*v, G.*v);
    EXPECT_EQ(F().Label25->Caption(), rt::Str(G.da0, 4, 2));
    EXPECT_EQ(F().Label7->Caption(), rt::Str(G.dF0, 4, 2));
    EXPECT_EQ(F().Label30->Caption(), rt::Str(G.sa0, 4, 2));
}

TEST_F(Fellow, OkNeedsDividedCoefficients) {
    Enter(D().Edit6, "0.3");
    ui::test::Click(D().Button9);
    ui::test::Click(F().OKBtn);
    EXPECT_FALSE(F().Visible());
    EXPECT_EQ(Errors(), std::vector<std::string>{"Dividing of Addendum Modification Coefficient has not done yet."});
    ui::test::Click(D().Button5);
    ui::test::Click(D().Button9);
    ui::test::Click(F().OKBtn);
    EXPECT_EQ(Errors().size(), 1u);
    EXPECT_EQ(D().Edit18->Text(), rt::Str(G.da1, 7, 5));
}

}  // namespace
}  // namespace ostrimo::test
