// The results display: formats, colours, the static-strength marks, the switching subscripts
// and the maximum stresses, on values set directly.
#include "KarveloFixture.h"

namespace karvelo::test {
namespace {

class ResultsDisplay : public KarveloTest {
protected:
    void SetUp() override {
        KarveloTest::SetUp();
        // Stresses well inside every limit.
        G.SigmaF1 = 300, G.SigmaF2 = 280, G.SigmaFP1 = 500, G.SigmaFP2 = 480;
        G.SigmaH1 = 1200, G.SigmaH2 = 1200, G.SigmaHP1 = 1500, G.SigmaHP2 = 1450;
        G.SF1 = 1.7, G.SF2 = 1.6, G.SH1 = 1.25, G.SH2 = 1.2;
        G.Sigmafpb1stat = G.Sigmafpb2stat = 2000;
        G.SigmaHP1stat = G.SigmaHP2stat = 3000;
    }
    static std::string Text(const char* name) { return Result(name)->Caption(); }
    static ui::Color Colour(const char* name) { return Result(name)->Font().Color; }
};

TEST_F(ResultsDisplay, ValuesTakeTheirFormats) {
    G.SigmaF1 = 12345.6;
    G.KF = 1.23456;
    G.ZE = 189.81;
    G.ZX = 1;
    Form1->ShowResults();
    EXPECT_EQ(Text("Label9"), "12345.6");  // 6:1, a longer value takes more room
    EXPECT_EQ(Text("Label14"), " 280.0");
    EXPECT_EQ(Text("Label123"), "1.235");  // 5:3
    EXPECT_EQ(Text("Label182"), "189.8");  // ZE 5:1
    EXPECT_EQ(Text("Label251"), "1.000");  // the row "W1" shows ZX, never computed
    EXPECT_EQ(Text("Label53"), rt::Str(G.ZR, 5, 3));
    EXPECT_EQ(Text("Label235"), rt::Str(G.KA, 5, 3));
}

TEST_F(ResultsDisplay, FailedChecksAreRed) {
    G.SF1 = 1.0;
    G.SF2 = 1.001;
    G.SigmaH1 = G.SigmaHP1 = 1400;  // equal to the permissible stress
    G.StaticF2Exceeded = true;
    Result("Label10")->SetFontColor(ui::clRed);
    Form1->ShowResults();
    EXPECT_EQ(Text("Label89"), "1.000");
    EXPECT_EQ(Colour("Label89"), ui::clRed);
    EXPECT_EQ(Colour("Label93"), ui::clWindowText);
    EXPECT_EQ(Colour("Label19"), ui::clRed);
    EXPECT_EQ(Colour("Label24"), ui::clWindowText);
    EXPECT_EQ(Colour("Label9"), ui::clWindowText);
    EXPECT_EQ(Colour("Label273"), ui::clRed);
    EXPECT_EQ(Colour("Label269"), ui::clWindowText);
    EXPECT_EQ(Colour("Label10"), ui::clWindowText);  // epsilon alpha always normal
}

TEST_F(ResultsDisplay, SymbolsArePinionBlueWheelGreenAndPairBlack) {
    Form1->ShowResults();
    EXPECT_EQ(Colour("SymLabel9"), ui::clBlue);
    EXPECT_EQ(Colour("Label3"), ui::clBlue);  // the subscript F1
    EXPECT_EQ(Colour("SymLabel14"), ui::clGreen);
    EXPECT_EQ(Colour("Label12"), ui::clGreen);
    EXPECT_EQ(Colour("SymLabel123"), ui::clBlack);
    EXPECT_EQ(Colour("GreekSubLabel131"), ui::clBlack);
    EXPECT_EQ(Colour("SymLabel115"), ui::clBlue);   // ZB
    EXPECT_EQ(Colour("SymLabel119"), ui::clGreen);  // ZD
    EXPECT_EQ(Result("SymLabel9")->Font().Name, "Symbol");
    EXPECT_EQ(Result("SymLabel9")->Caption(), "s");
    EXPECT_EQ(Result("Label3")->Font().PixelSize, 9);
    EXPECT_EQ(Result("Label9")->Font().PixelSize, 13);
    EXPECT_EQ(Result("Label9")->Font().Name, "Arial");
}

TEST_F(ResultsDisplay, RowsLieAtTheirPlacesPinionLeftWheelRight) {
    EXPECT_EQ(Result("Label9")->Top(), 3);
    EXPECT_EQ(Result("Label231")->Top(), 480);
    EXPECT_EQ(Result("Label264")->Top(), 104);
    EXPECT_EQ(Result("Label74")->Top(), 105);
    EXPECT_EQ(Result("Label166")->Top(), 270);
    EXPECT_LT(Result("Label9")->Left(), Result("Label14")->Left());
    EXPECT_EQ(Result("Label9")->Parent(), Form1->ScrollBox1);
    EXPECT_EQ(Result("Label19")->Parent(), Form1->ScrollBox2);
    for (ui::ScrollBox* box : {Form1->ScrollBox1, Form1->ScrollBox2})
        for (ui::Control* c : box->Controls()) EXPECT_LE(c->Left() + c->Width(), box->Width() - 2) << c->Name();
}

TEST_F(ResultsDisplay, StressAtTheStaticLimitReplacesTheSafetyFactorForOneLoad) {
    G.SigmaF1 = G.Sigmafpb1stat = 600;
    G.SigmaFP1 = 700;
    Form1->ShowResults();
    EXPECT_EQ(Text("Label89"), "----");
    EXPECT_EQ(Colour("Label9"), ui::clWindowText);  // below the permissible stress
    EXPECT_EQ(Text("Label93"), "1.600");
}

TEST_F(ResultsDisplay, EquivalentLoadsSwitchTheSubscriptsAndJudgeByTheLastLevel) {
    for (std::int16_t method : {kMultilevelLoading, kDirectEquivalentLoad}) {
        SCOPED_TRACE(method);
        G.LoadInputMethod = method;
        G.CalcMethodics = kMethodicsMiner;
        G.LevelCount = 4;
        G.SigmaF1Level[4] = 2500;  // above the static limit
        G.SigmaH2Level[4] = 1111;
        G.SigmaF1 = 300;
        Form1->ShowResults();
        EXPECT_EQ(Text("Label3"), "F1ekv");
        EXPECT_EQ(Text("Label27"), "FP1ekv");
        EXPECT_EQ(Text("Label121"), "Fekv");
        EXPECT_EQ(Text("Label129"), "F    ekv");
        EXPECT_EQ(Text("Label133"), "F   ekv");
        EXPECT_EQ(Text("Label125"), "V ekv");
        EXPECT_EQ(Text("Label151"), "H   ekv");
        EXPECT_EQ(Text("Label89"), "----");
        EXPECT_EQ(Text("Label101"), "1.200");
    }
    // By Miner or Haibach the maximum stresses are those of the largest level.
    EXPECT_DOUBLE_EQ(G.SigmaF1max, 300);  // method 3 takes the level only with current life results
    G.LoadInputMethod = kMultilevelLoading;
    Form1->ShowResults();
    EXPECT_DOUBLE_EQ(G.SigmaF1max, 2500);
    EXPECT_DOUBLE_EQ(G.SigmaH2max, 1111);
    EXPECT_EQ(Text("Label110"), "1111.0");

    G.LoadInputMethod = kOneLevelLoading;
    Form1->ShowResults();
    EXPECT_EQ(Text("Label3"), "F1");
    EXPECT_EQ(Text("Label129"), "F");
    EXPECT_EQ(Text("Label139"), "H");
    EXPECT_DOUBLE_EQ(G.SigmaF1max, G.SigmaF1);
    EXPECT_EQ(Text("Label89"), "1.700");
}

}  // namespace
}  // namespace karvelo::test
