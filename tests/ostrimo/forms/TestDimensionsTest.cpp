// The Test dimensions page: the chord choices, the teeth spanned, the ball and contact
// diameters, each accepted within its range and refused outside it with its reason.
#include <cmath>
#include <fstream>
#include <functional>

#include "CheckedPair.h"
#include "OstrimoFixture.h"
#include "ostrimo/calc/Kontrolni_rozmery.h"
#include "ostrimo/calc/Soubory.h"

namespace ostrimo::test {
namespace {

class TestDimensions : public OstrimoTest {
protected:
    static void OpenPage(int page = 1) { ui::test::ClickTab(D().PageControl1, page); }
    static std::string Num(double v) { return rt::Str(v, 1, 4); }
    // Types the text and leaves the field; the messages shown.
    static std::vector<std::string> Typed(ui::Edit* field, const std::string& text) {
        ui::test::Notices().Clear();
        ui::test::TypeInto(field, text);
        ui::test::Tab();
        return Messages();
    }
    static std::vector<std::string> One(const std::string& message) { return {message}; }
};

// "Elements of Metric Gear Technology" (SDP/SI), table 10-1, as published: a spur pinion
// of m 10 mm, alfa 20 degrees, z 12, x +0.3 (tip diameter 146 mm) has the tooth thickness
// 17.8918 mm and on its reference circle the chordal thickness 17.8256 mm at the chordal
// height 13.6657 mm.
TEST_F(TestDimensions, PublishedChordalThicknessOnTheReferenceCircle) {
    Enter(D().Edit1, "10");
    Enter(D().Edit2, "12");
    Enter(D().Edit3, "24");
    ui::test::Click(D().Button2);  // "Divide AMC"
    ui::test::Type("0.3");
    ui::test::Tab();
    ui::test::Type("-0.3");
    ui::test::Tab();
    OpenPage();
    EXPECT_EQ(D().Edit18->Text(), "146.00000");
    EXPECT_NEAR(G.s1, 17.8918, 5e-5);
    ui::test::Click(D().RadioButton7);
    EXPECT_EQ(D().Edit22->Text(), "17.8256");
    EXPECT_EQ(D().Edit23->Text(), "13.6657");
    EXPECT_TRUE(D().Edit22->ReadOnly() && D().Edit23->ReadOnly());
    EXPECT_EQ(Messages(), std::vector<std::string>{});
}

// COMPLEX CHECKING, and the check recomputed while its results are shown, keep the ball, the
// teeth spanned and the chord the user chose.
TEST_F(TestDimensions, ChoicesStayThroughTheRefreshOfTheShownResults) {
    OpenPage();
    Enter(D().Edit30, "1.8");
    Enter(D().Edit28, "6");
    ui::test::Click(D().RadioButton11);
    Enter(D().Edit24, "1.5");
    ui::test::ClickTab(D().PageControl1, 0);
    ui::test::Click(D().Button1);
    ui::test::Click(D().Edit11);
    ui::test::Tab();  // a field left unchanged: the shown results are refreshed
    OpenPage();
    EXPECT_TRUE(CelniDlg->Visible() && D().RadioButton11->Checked() && Messages().empty());
    EXPECT_EQ(D().Edit30->Text() + D().Edit28->Text() + D().Edit24->Text(), "1.8000  61.5000");
    EXPECT_TRUE(G.dt1 == 1.8 && G.zw2 == 6 && G.sc2 == 1.5);
}

// Every input that changes the pair, on the Inputs page and in the side dialogs, renews the
// test dimensions: the page then shows the pair's own, not a ball chosen for the pair before.
TEST_F(TestDimensions, EveryInputThatChangesThePairRenewsThem) {
    using ui::test::Click;
    const std::function<void()> nothing = [] {};
    const struct {
        const char* name;
        std::function<void()> before, change;  // the windows are made anew for each row
    } rows[] = {
        {"Standard", [] { Enter(D().Edit11, "1.1"); }, [] { Click(D().RadioButton1); }},
        {"Rounded root", nothing, [] { Click(D().CheckBox1); }},
        {"Calculating tip diameters", [] { Enter(D().Edit18, "21.9"); }, [] { Click(D().Button8); }},
        {"Bal. spec.slidings", nothing, [] { Click(D().Button6); }},
        {"Clear", [] { Click(D().Button2), Enter(D().Edit7, "0.3"); }, [] { Click(D().Button5); }},
        {"Fellow", [] { Click(D().RadioButton4); },
         [] { Click(D().Button9), Click(FellowDlg->CheckBox1), Click(FellowDlg->CancelBtn); }},
        {"Tools", nothing, [] { Click(D().Button10), Enter(NastrojDlg->Edit2, "5"), Click(NastrojDlg->OKBtn); }},
        {"Identification page", nothing, [] { Enter(D().Edit1, "2"), OpenPage(2), OpenPage(0); }},
    };
    const auto page = [] {
        std::string shown;
        Walk(D().TabSheet2, [&](ui::Control* c) {
            if (auto* e = dynamic_cast<ui::Edit*>(c)) shown += e->Text() + "|";
        });
        return shown;
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TearDown(), SetUp();
        row.before();
        OpenPage();
        Enter(D().Edit30, "1.8");
        OpenPage(0);
        row.change();
        OpenPage();
        const std::string shown = page();
        G.TestDimensionsOutdated = true;  // what the page shows after any change of the pair
        OpenPage(0), OpenPage();
        EXPECT_EQ(shown, page());
    }
}

// A data file whose choices its pair does not admit opens with the check's own values, each
// replaced choice told once by the page's own message.
TEST_F(TestDimensions, ChoicesThePairDoesNotAdmitGiveWayWithThePagesMessage) {
    ScratchDir dir;
    OpenPage();
    std::vector<std::string> told = Typed(D().Edit28, "9");
    Enter(D().Edit28, "5");
    told.push_back(Typed(D().Edit30, "1.4").at(0));
    G.zw2 = 9;  // as a file may hold them
    DataFile.Assign(dir.File("case.dat"));
    DataFile.Rewrite();
    WriteGeometryDataFile();
    DataFile.Close();
    Enter(D().Edit30, "1.8");
    OpenPage(0);
    ui::test::Notices().Clear();
    Open(dir.File("case.dat"));
    EXPECT_EQ(Messages(), told);
    ui::test::Notices().Clear();
    ui::test::Click(D().Button1);
    OpenPage();
    EXPECT_EQ(Messages(), std::vector<std::string>{});
    EXPECT_TRUE(G.zw2 == G.SpanTeethProposed2 && G.dt1 != 1.4);
}

TEST_F(TestDimensions, ChosenChordAndHeightWithinTheirRanges) {
    OpenPage();
    EXPECT_EQ(D().Edit22->Text(), "1.3870");  // the constant chord
    EXPECT_EQ(D().Edit23->Text(), "0.7476");
    ui::test::Click(D().RadioButton8);
    EXPECT_EQ(D().Edit22->Text(), "");
    EXPECT_FALSE(D().Edit22->ReadOnly() || D().Edit23->ReadOnly());
    EXPECT_TRUE(G.ChordChosen1 && !G.ChordConstant1);
    ComputeChordRange1();
    const double scMin = G.ChordMin1, scMax = G.ChordMax1, hcMin = G.ChordHeightMin1, hcMax = G.ChordHeightMax1;
    const std::string toBase = G.ChordRangeToBase ? "This value corresponds to the max. tooth thickness, not to the "
                                                    "thickness of the start of involute!"
                                                  : "This thickness is for the start of involute (root rounding).";
    const std::string heightToBase = G.ChordRangeToBase ? "This height corresponds to the max. tooth thickness, not to "
                                                          "the thickness of the start of involute!"
                                                        : "This height corresponds to the thickness for the start of "
                                                          "involute (root rounding).";
    // the emptied chord left for the height asks for nothing
    ui::test::Click(D().Edit22);
    ui::test::Tab();
    EXPECT_EQ(Messages(), std::vector<std::string>{});
    EXPECT_EQ(D().ActiveControl(), D().Edit23);
    EXPECT_EQ(Typed(D().Edit22, "x"), One("Invalid format of the number."));
    EXPECT_EQ(Typed(D().Edit22, Num(scMax + 0.001)),
              One("Normal chordal tooth thickness sc1 must be smaller than " + Num(scMax) + "\r\r" + toBase));
    EXPECT_EQ(Typed(D().Edit22, Num(scMin - 0.001)),
              One("Thickness sc1 must be greater than the tip one " + Num(scMin)));
    EXPECT_EQ(D().ActiveControl(), D().Edit22);
    EXPECT_EQ(Typed(D().Edit22, "1.5"), std::vector<std::string>{});
    EXPECT_EQ(G.sc1, 1.5);
    EXPECT_GT(G.hc1, hcMin);
    EXPECT_EQ(D().Edit23->Text(), Num(G.hc1));
    EXPECT_EQ(Typed(D().Edit23, Num(hcMin - 0.001)), One("Height hc1 must be greater than " + Num(hcMin)));
    EXPECT_EQ(Typed(D().Edit23, Num(hcMax + 0.001)),
              One("Height hc1 must be smaller than " + Num(hcMax) + "\r\r" + heightToBase));
    EXPECT_EQ(Typed(D().Edit23, "1"), std::vector<std::string>{});
    EXPECT_EQ(G.hc1, 1);
    EXPECT_EQ(D().Edit22->Text(), Num(G.sc1));
    EXPECT_FALSE(G.TestDimensionsOutdated);

    // a pair outside its range shows no numbers
    G.sc1 = scMax + 1e-4;
    D().ShowTestDimensions();
    EXPECT_EQ(D().Edit22->Text(), "    ---");
    EXPECT_EQ(D().Edit23->Text(), "    ---");
    EXPECT_FALSE(G.ChordValid1);
    // after an input change the page falls back to the constant chord
    ui::test::ClickTab(D().PageControl1, 0);
    Enter(D().Edit1, "2");
    OpenPage();
    EXPECT_EQ(D().Edit22->Text(), "2.7741");
    EXPECT_TRUE(D().RadioButton8->Checked());
}

TEST_F(TestDimensions, TeethSpannedWithinTheirRange) {
    OpenPage();
    EXPECT_EQ(D().Label91->Caption(), "Measured over 1 to 4 teeth (3)");
    EXPECT_EQ(D().Label92->Caption(), "Measured over 3 to 6 teeth (5)");
    EXPECT_EQ(D().Edit26->Text(), "  3");
    EXPECT_EQ(D().Edit27->Text(), "7.6604");  // 20 teeth over 3: cos 20 (2.5 pi + 20 inv 20)
    EXPECT_EQ(Typed(D().Edit26, "0"), One("Choose measured number of teeth from 1"));
    EXPECT_EQ(Typed(D().Edit26, "5"), One("Choose measured number of teeth at the outside  4"));
    EXPECT_EQ(Typed(D().Edit26, "1"), std::vector<std::string>{});
    EXPECT_EQ(Typed(D().Edit28, "7"), One("Choose measured number of teeth at the outside 6"));
    EXPECT_EQ(Typed(D().Edit28, "2.5"), One("Invalid format of the number."));
    EXPECT_EQ(Typed(D().Edit28, "6"), std::vector<std::string>{});
    G.zw1 = 1;
    ComputeSpanMeasurements();
    EXPECT_EQ(D().Edit27->Text(), Num(G.W1));
    EXPECT_EQ(D().Edit29->Text(), Num(G.W2));
    EXPECT_EQ(G.zw2, 6);
    // the choice is kept when the page is entered again without a change
    ui::test::ClickTab(D().PageControl1, 0);
    OpenPage();
    EXPECT_EQ(D().Edit28->Text(), "  6");
    EXPECT_EQ(D().Edit29->Text(), Num(G.W2));
    // Enter validates and keeps the focus
    ui::test::TypeInto(D().Edit26, "4");
    ui::test::Enter();
    EXPECT_EQ(G.zw1, 4);
    EXPECT_EQ(D().Edit26->Text(), "  4");
    EXPECT_EQ(D().ActiveControl(), D().Edit26);
}

TEST_F(TestDimensions, MinimumFacewidthIsRedBeyondTheFacewidth) {
    Enter(D().Edit4, "30");
    Enter(D().Edit5, "3");
    OpenPage();
    EXPECT_GT(G.MinFacewidthSpan1, 3);
    EXPECT_EQ(D().Label105->Caption(), rt::Str(G.MinFacewidthSpan1, 1, 3));
    EXPECT_EQ(D().Label105->Font().Color, ui::clRed);
    EXPECT_EQ(D().Label101->Font().Color, ui::clRed);
    EXPECT_EQ(D().Label103->Font().Color, ui::clRed);
    ui::test::ClickTab(D().PageControl1, 0);
    Enter(D().Edit5, rt::Str(G.MinFacewidthSpan1 + 0.01, 1, 2));
    OpenPage();
    EXPECT_EQ(D().Label105->Font().Color, ui::clBlack);
}

TEST_F(TestDimensions, BallsWithinTheirRangeAndTheReasonsOutsideIt) {
    OpenPage();
    const double dtMin = G.dtMin1, dtMax = G.dtMax1;
    EXPECT_EQ(Typed(D().Edit30, "1.4"),
              One("Choose the ball diameter greater than its minimum possible diameter dt1min= " + Num(G.dtMin1) +
                  "\r\rReason - a ball sinks under the tip diameter."));
    EXPECT_EQ(D().Edit31->Text(), "0");
    EXPECT_EQ(G.M1, 0);
    EXPECT_NEAR(G.dtMin1, dtMin, 1e-9);
    EXPECT_EQ(Typed(D().Edit30, Num(dtMax + 0.01)),
              One("Choose the ball diameter smaller than its maximum possible diameter dt1max= " + Num(dtMax) +
                  "\r\rReason - a ball does not fit into spacewidth."));
    EXPECT_EQ(Typed(D().Edit30, "1.8"), std::vector<std::string>{});
    EXPECT_EQ(D().Edit31->Text(), Num(G.M1));
    EXPECT_GT(G.M1, G.da1);

    // the contact diameter instead of the ball
    EXPECT_EQ(Typed(D().Edit34, "18.5"), One("Choose the diameter dM1 greater than the diameter of the involute "
                                             "beginning dL1= " +
                                             Num(G.InvoluteStartDiameter1)));
    EXPECT_EQ(D().Edit31->Text(), "0");
    EXPECT_EQ(Typed(D().Edit34, "22.5"),
              One("Choose the diameter dM1 smaller than the limit diameter dM1lim= " + rt::Str(22, 1, 6)));
    EXPECT_EQ(Typed(D().Edit34, "19"), One("Measuring is impossible for this contact diameter dM1. The ball sinks "
                                           "under the tip diameter da1= 22.0000"));
    EXPECT_EQ(Typed(D().Edit34, "20.5"), std::vector<std::string>{});
    EXPECT_EQ(D().Edit30->Text(), Num(G.dt1));
    EXPECT_EQ(D().Edit34->Text(), "20.5000");
    EXPECT_GT(G.dt1, 1.8);

    // the wheel of an internal pair: its contact diameter is shown negative
    ui::test::Click(D().RadioButton4);
    OpenPage();
    EXPECT_EQ(Typed(D().Edit35, "79"), std::vector<std::string>{});
    EXPECT_EQ(G.dM2, 79);
    EXPECT_EQ(D().Edit35->Text(), "-79.0000");
    EXPECT_EQ(Typed(D().Edit35, "77.9"), One("Choose the diameter dM2 greater than the tip diameter (the absolute "
                                             "value) da2= -78.0000"));
    EXPECT_EQ(Typed(D().Edit35, "83"),
              One("Choose the diameter dM2 smaller than the diameter of the involute beginning (use an absolute value) "
                  "dL2= " +
                  Num(G.InvoluteStartDiameter2)));
    EXPECT_EQ(Typed(D().Edit35, "-80"), std::vector<std::string>{});
    EXPECT_EQ(Typed(D().Edit32, "1.4"),
              One("Choose the ball diameter greater than its minimum possible diameter dt2min= " + Num(G.dtMin2) +
                  "\r\rReason - a ball sinks above the tip diameter."));
}

// A new gearing type brings its defaults' constant chords to the radios as well: the radios,
// the chord computed, the table's caption and the flags saved agree.
TEST_F(TestDimensions, ANewGearingTypeShowsTheConstantChordsItComputes) {
    OpenPage();
    ui::test::Click(D().RadioButton7);
    ui::test::Click(D().RadioButton10);
    ASSERT_TRUE(G.ChordOnReference1 && G.ChordOnReference2);
    ui::test::ClickTab(D().PageControl1, 0);
    ui::test::Click(D().RadioButton4);  // "Internal"
    ui::test::Click(D().Button1);
    EXPECT_TRUE(D().RadioButton6->Checked() && D().RadioButton9->Checked());
    EXPECT_TRUE(G.ChordConstant1 && G.ChordConstant2 && !G.ChordOnReference1 && !G.ChordOnReference2);
    std::string caption;
    ui::test::QueueModal(TabulkaDlg, [&](ui::Form&) {
        caption = TabulkaDlg->StringGrid1->Cell(0, 58);
        ui::test::Click(TabulkaDlg->CancelBtn);
    });
    ui::test::Click(CelniDlg->Button1);
    EXPECT_EQ(caption, "Constant chord");
    EXPECT_EQ(TableValueText(2, 58), rt::Str(G.s1 * std::pow(std::cos(G.alfan), 2), 8, 5));
    OpenPage();
    EXPECT_EQ(D().Edit22->Text(), Num(G.sc1));
    EXPECT_EQ(Messages(), std::vector<std::string>{});
}

void PointedPinion() {
    G.z1 = 7, G.x1 = 1.3725, G.mn = 1.8288, G.z2 = 104, G.x2 = -0.2967, G.xsum = G.x1 + G.x2;
    G.alfaP = 16.33, G.alfan = DegToRad(16.33), G.betaDeg = 2.88, G.beta = DegToRad(2.88);
    G.haP1 = G.haP2 = 1.217, G.cP1 = G.cP2 = 0.346, G.rofP1 = G.rofP2 = 0.207;
}

// A pinion whose tooth comes to a point below its tip: no ball fits its tooth space, so the
// page and the table show the balls as not computed, and the file keeps none.
TEST_F(TestDimensions, NoBallFitsAPointedTooth) {
    ScratchDir dir;
    CheckPair(kExternalGearing, PointedPinion);
    ASSERT_TRUE(G.PinionTipTooThin);
    DataFile.Assign(dir.File("pointed.dat"));
    DataFile.Rewrite();
    WriteGeometryDataFile();
    DataFile.Close();
    ResetGlobalData();
    ui::test::QueueFileName(dir.File("pointed.dat"));
    ui::test::Click(D().Button4);
    OpenPage();
    for (ui::Edit* e : {D().Edit30, D().Edit31, D().Edit34}) EXPECT_EQ(e->Text(), "    ---") << e->Name();
    EXPECT_FALSE(D().Edit30->Enabled() || D().Edit34->Enabled());
    EXPECT_EQ(D().Edit27->Text(), Num(G.W1));  // a span over one tooth, touching on the involute
    EXPECT_TRUE(D().Edit32->Enabled());
    for (int row : {60, 61, 62}) EXPECT_EQ(TableValueText(2, row), "---") << row;
    ui::test::ClickTab(D().PageControl1, 0);
    ui::test::QueueFileName(dir.File("again.dat"));
    ui::test::Click(D().Button3);
    std::ifstream saved(dir.File("again.dat"));
    std::vector<std::string> lines;
    for (std::string line; std::getline(saved, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 83u);
    for (int i : {56, 58, 60}) EXPECT_EQ(lines[std::size_t(i)], "0.000000000000\r") << i;  // dt1, M1, dM1
    EXPECT_EQ(Messages(), std::vector<std::string>{});
}

// What the check did not compute (after a fatal verdict; a ball that fits no tooth space) the file
// keeps as 0, Open gives back as not computed, the page and the table show as "---", and Save
// writes again as it was.
TEST_F(TestDimensions, ValuesNotComputedStayNotComputedThroughSaveAndOpen) {
    ScratchDir dir;
    const auto tipInsideTheBaseCircle = [] { G.TipDiameter1Given = true, G.da1 = 18; };
    for (void (*inputs)() : {+tipInsideTheBaseCircle, &PointedPinion}) {
        CheckPair(kExternalGearing, inputs);
        const bool fatal = !G.CheckComplete;
        DataFile.Assign(dir.File("a.dat"));
        DataFile.Rewrite();
        WriteGeometryDataFile();
        DataFile.Close();
        DataFile.Reset();
        ASSERT_TRUE(ReadGeometryDataFile());
        DataFile.Close();
        EXPECT_FALSE(Computed(G.dt1) || Computed(G.M1) || Computed(G.dM1));
        EXPECT_EQ(Computed(G.W1) && Computed(G.sc1), !fatal);
        ResetGlobalData();
        Open(dir.File("a.dat"));
        OpenPage();
        for (ui::Edit* e : {D().Edit30, D().Edit31, D().Edit34}) EXPECT_EQ(e->Text(), "    ---") << e->Name();
        EXPECT_EQ(D().Label91->Caption() == "---", fatal);
        for (int row : {60, 61, 62}) EXPECT_EQ(TableValueText(2, row), "---") << row;
        ui::test::ClickTab(D().PageControl1, 0);
        Save(dir.File("b.dat"));
        Open(dir.File("b.dat"));
        Save(dir.File("c.dat"));
        EXPECT_EQ(Contents(dir.File("b.dat")), Contents(dir.File("c.dat")));
    }
}

}  // namespace
}  // namespace ostrimo::test
