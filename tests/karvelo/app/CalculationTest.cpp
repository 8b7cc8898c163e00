// The Calculation command on whole cases: the default case shown, a stopped calculation, the
// approximate methodics calculated as one load, and the damages notice.
#include <cmath>

#include "KarveloFixture.h"

namespace karvelo::test {
namespace {

using ui::test::Click;

class Calculation : public KarveloTest {
protected:
    static std::string Text(const char* name) { return Result(name)->Caption(); }
    static ui::Color Colour(const char* name) { return Result(name)->Font().Color; }
};

// The default case by method B.  Reference values derived by hand from ISO 6336 for this pair
// (the core's driver test gives the derivation): SigmaH1 1996.8323, SigmaH2 1879.6570,
// SigmaHP1 1403.3124, SigmaHP2 1466.7676, SH1 0.702769, SH2 0.780338, SigmaF1 771.2640,
// SigmaF2 728.6898, SigmaFP1 768.5388, SigmaFP2 781.9158, SF1 0.996467, SF2 1.073043,
// Kv 1.0235593, ZE 189.8117, ZH 2.494573, Zepsilon 0.887846, ZB 1.062339, epsalfa 1.635186.
TEST_F(Calculation, DefaultCaseShowsItsResults) {
    Click(Form1->Button8);
    EXPECT_TRUE(G.ResumeCalculation);
    EXPECT_TRUE(PanelsShown(true));
    EXPECT_TRUE(Form1->Button9->Enabled());
    EXPECT_TRUE(Form1->Button14->Visible());
    EXPECT_TRUE(Form1->Button15->Visible());
    EXPECT_TRUE(Form1->Button16->Visible());  // the velocity scope of Kv by method B is left
    EXPECT_FALSE(Havarie_->Visible());

    EXPECT_EQ(Text("Label19"), "1996.8");
    EXPECT_EQ(Text("Label24"), "1879.7");
    EXPECT_EQ(Text("Label39"), "1403.3");
    EXPECT_EQ(Text("Label44"), "1466.8");
    EXPECT_EQ(Text("Label97"), "0.703");
    EXPECT_EQ(Text("Label101"), "0.780");
    EXPECT_EQ(Text("Label9"), " 771.3");
    EXPECT_EQ(Text("Label14"), " 728.7");
    EXPECT_EQ(Text("Label29"), " 768.5");
    EXPECT_EQ(Text("Label34"), " 781.9");
    EXPECT_EQ(Text("Label89"), "0.996");
    EXPECT_EQ(Text("Label93"), "1.073");
    EXPECT_EQ(Text("Label127"), "1.024");
    EXPECT_EQ(Text("Label145"), "1.024");
    EXPECT_EQ(Text("Label153"), "1.000");
    EXPECT_EQ(Text("Label182"), "189.8");
    EXPECT_EQ(Text("Label169"), "2.495");
    EXPECT_EQ(Text("Label166"), "0.888");
    EXPECT_EQ(Text("Label115"), "1.062");
    EXPECT_EQ(Text("Label119"), "1.000");
    EXPECT_EQ(Text("Label10"), "1.635");
    EXPECT_EQ(Text("Label251"), "1.000");
    EXPECT_EQ(Text("Label3"), "F1");
    // One load: the maximum stresses are the stresses.
    EXPECT_EQ(Text("Label269"), Text("Label9"));
    EXPECT_EQ(Text("Label105"), Text("Label19"));

    // The pinion fails in bending (771.3 above 768.5) and both gears in contact.
    EXPECT_EQ(Colour("Label9"), ui::clRed);
    EXPECT_EQ(Colour("Label89"), ui::clRed);
    EXPECT_EQ(Colour("Label14"), ui::clWindowText);
    EXPECT_EQ(Colour("Label93"), ui::clWindowText);
    EXPECT_EQ(Colour("Label19"), ui::clRed);
    EXPECT_EQ(Colour("Label101"), ui::clRed);

    Click(Form1->Button16);
    EXPECT_TRUE(Platnost_F->Visible());
    EXPECT_EQ(Platnost_F->Label50->Caption(), "Restrictions and warnings - 1 report");
}

TEST_F(Calculation, StoppedCalculationWithdrawsTheResultsAndStillOpensTheDamagesNotice) {
    Click(Form1->Button8);
    ASSERT_TRUE(Form1->Button9->Enabled());
    G.sR1 = 0;
    G.StaticOverloadCountF1 = 2;
    G.StaticOverloadCountH2 = 1;
    ui::test::QueueModalResult(Rozmery_F, ui::mrOk);
    Click(Form1->Button8);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Negative size of sr1 must be changed."});
    EXPECT_EQ(ui::test::ModalShows().back().Form, "Rozmery_F");
    EXPECT_FALSE(G.ResumeCalculation);
    EXPECT_TRUE(Withdrawn());
    ASSERT_TRUE(Havarie_->Visible());
    EXPECT_TRUE(Havarie_->Label1->Visible());
    EXPECT_FALSE(Havarie_->Label2->Visible());
    EXPECT_FALSE(Havarie_->Label3->Visible());
    EXPECT_TRUE(Havarie_->Label4->Visible());
}

TEST_F(Calculation, ThinRimAnsweredWithNewEntryStopsAndOpensTheDimensions) {
    G.sR1 = 0.3 * (G.da1 - G.df1) / 2;  // sR1 / ht1 below 0.5
    ui::test::QueueModal(Hlaseni_, [](ui::Form&) { ui::test::Esc(); });
    ui::test::QueueModalResult(Rozmery_F, ui::mrOk);
    Click(Form1->Button8);
    EXPECT_FALSE(G.ResumeCalculation);
    EXPECT_TRUE(Withdrawn());
    ui::test::QueueModal(Hlaseni_, [](ui::Form&) { ui::test::Enter(); });
    Click(Form1->Button8);
    EXPECT_TRUE(G.ResumeCalculation);
    EXPECT_TRUE(Form1->Button9->Enabled());
}

TEST_F(Calculation, TotalContactRatioBelowOneOpensTheGeometry) {
    G.b1 = G.b2 = 60;
    G.da1 = G.d1 + 0.2 * G.mn;  // hardly any tip: epsgama below 1
    G.da2 = G.d2 + 0.2 * G.mn;
    G.da1Given = G.da2Given = true;
    ui::test::QueueModalResult(Geometrie_F, ui::mrOk);
    Click(Form1->Button8);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Factor Epsilongama < 1. Change gears geometry."});
    EXPECT_EQ(ui::test::ModalShows().back().Form, "Geometrie_F");
    EXPECT_TRUE(Withdrawn());
}

TEST_F(Calculation, ApproximateMethodicsAreCalculatedAsOneLoad) {
    for (auto [methodics, haibach, after] :
         {std::tuple{kMethodicsFigA3, true, kMethodicsHaibach}, std::tuple{kMethodicsEqA2, false, kMethodicsMiner}}) {
        SCOPED_TRACE(methodics);
        G = GlobalData{};
        Form1->FormCreate();
        G.LoadInputMethod = kMultilevelLoading;
        G.CalcMethodics = methodics;
        G.HypothesisHaibach = false;  // the equivalent loads are not needed then
        // Two levels, whose KA the Calculation takes as they stand.
        G.LevelCount = 2;
        G.SpectrumY[1] = 3000, G.SpectrumY[2] = 2000, G.SpectrumX[1] = 1e6, G.SpectrumX[2] = 1e8;
        G.n1Level[1] = G.n1Level[2] = G.n1;
        Click(Form1->Button8);
        EXPECT_EQ(G.LoadInputMethod, kOneLevelLoading);
        EXPECT_EQ(G.CalcMethodics, after);
        EXPECT_EQ(G.HypothesisHaibach, haibach);
        EXPECT_TRUE(G.ResumeCalculation);
        EXPECT_EQ(Text("Label3"), "F1");
    }
}

}  // namespace
}  // namespace karvelo::test

namespace karvelo::test {
namespace {

class SpectrumCalculation : public KarveloTest {};

TEST_F(SpectrumCalculation, MinerShowsTheEquivalentLoadResultsAndTheLargestLevel) {
    G.LoadInputMethod = kMultilevelLoading;
    G.CalcMethodics = kMethodicsMiner;
    G.HypothesisHaibach = false;
    ui::test::Click(Form1->Button8);
    for (const auto& n : ui::test::Notices().Texts()) ADD_FAILURE() << n;
    ASSERT_TRUE(G.ResumeCalculation);
    EXPECT_EQ(G.LoadInputMethod, kMultilevelLoading);
    EXPECT_EQ(Form1->ResultLabel("Label3")->Caption(), "F1ekv");
    EXPECT_EQ(Form1->ResultLabel("Label147")->Caption(), "H    ekv");
    EXPECT_DOUBLE_EQ(G.SigmaF1max, G.SigmaF1Level[G.LevelCount]);
    EXPECT_EQ(Form1->ResultLabel("Label269")->Caption(), rt::Str(G.SigmaF1Level[G.LevelCount], 6, 1));
    EXPECT_TRUE(std::isfinite(G.SigmaH1) && G.SigmaH1 > 0);
    EXPECT_TRUE(Form1->Button14->Visible());
}

// The refusal stops the command: no calculation with the equivalent loads of the spectrum before.
TEST_F(SpectrumCalculation, ARefusedSpectrumIsNotCalculated) {
    G.LoadInputMethod = kMultilevelLoading;
    G.CalcMethodics = kMethodicsMiner;
    G.HypothesisHaibach = false;
    ui::test::Click(Form1->Button8);
    ASSERT_TRUE(G.ResumeCalculation);
    ASSERT_TRUE(Form1->Button9->Enabled());
    ui::test::Notices().Clear();
    G.n1Level[2] = 0;  // a level without a speed
    ui::test::Click(Form1->Button8);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].rfind("The load spectrum can not be evaluated", 0), 0u) << Messages()[0];
    EXPECT_FALSE(G.ResumeCalculation);
    EXPECT_TRUE(Withdrawn());
}

}  // namespace
}  // namespace karvelo::test
