// The field protocol of the main dialog: the bypass of a press on a command, Enter, the
// obligatory group, the focus routing, the refresh of the results window, and what the case
// holds after a field was passed through or refused.
#include "OstrimoFixture.h"
#include "ostrimo/calc/Geometricke_vypocty.h"
#include "ostrimo/calc/Kontrolni_rozmery.h"

namespace ostrimo::test {
namespace {

using Protocol = OstrimoTest;

// A half-typed field, then a press on a control that lies outside the field's group.
void HalfTypeThenClick(ui::Edit* field, ui::Control* command) {
    ui::test::TypeInto(field, "1.2x");
    ui::test::Click(command);
}

TEST_F(Protocol, APressOnABypassingCommandLeavesAHalfTypedFieldUnchecked) {
    ui::test::QueueFileCancel();
    HalfTypeThenClick(D().Edit1, D().Button4);       // "&Open"
    HalfTypeThenClick(D().Edit1, D().Button7);       // "&End"
    HalfTypeThenClick(D().Edit1, D().RadioButton4);  // a gearing type
    HalfTypeThenClick(D().Edit7, D().Button5);       // "Clear" bypasses the computing inputs
    EXPECT_EQ(Messages(), std::vector<std::string>{});
    EXPECT_EQ(G.mn, 1);
    // the flags did not outlive their clicks
    EXPECT_FALSE(SkipInputChecksOpen || SkipInputChecksHelp || SkipInputChecksType || SkipComputingInputChecks);
}

// The text a bypassing press left unchecked is checked when the field is next left.
TEST_F(Protocol, AHalfTypedFieldABypassLeftIsCheckedWhenNextLeft) {
    ui::test::QueueFileCancel();
    HalfTypeThenClick(D().Edit17, D().Button4);  // "&Open", cancelled
    ASSERT_EQ(Messages(), std::vector<std::string>{});
    ui::test::Click(D().Edit17);
    ui::test::Tab();
    EXPECT_EQ(Messages(), std::vector<std::string>{"Normal rack flank angle must be from 0 to 50\xC2\xB0.\rIt must "
                                                   "be given in decimal form."});
    EXPECT_EQ(D().ActiveControl(), D().Edit17);
    EXPECT_EQ(G.alfaP, 20);
}

TEST_F(Protocol, ACommandThatDoesNotBypassTheFieldLosesItsClick) {
    int clicks = 0;
    auto command = D().Button1->OnClick;
    D().Button1->OnClick = [&] { ++clicks; };
    HalfTypeThenClick(D().Edit1, D().Button1);  // "COMPLE&X  CHECKING"
    HalfTypeThenClick(D().Edit1, D().Button5);  // "Clear" does not bypass the module
    D().Button1->OnClick = command;
    EXPECT_EQ(Messages(), std::vector<std::string>(2, "Invalid format of the number."));
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(D().ActiveControl(), D().Edit1);
}

TEST_F(Protocol, APressReleasedElsewhereLeavesNoFlag) {
    ui::test::TypeInto(D().Edit7, "1.2x");
    ui::test::Press(D().Button5);
    EXPECT_TRUE(SkipComputingInputChecks);
    ui::test::Release(D().Button2);
    EXPECT_FALSE(SkipComputingInputChecks);
    Enter(D().Edit7, "1.2x");
    EXPECT_EQ(Messages(), std::vector<std::string>{"Invalid format of the number."});
}

TEST_F(Protocol, APressOnTheCheckedTypeRadioDoesNotSilenceLaterFields) {
    ui::test::Click(D().Edit7);
    ui::test::Click(D().RadioButton3);  // checked already: no click follows the press
    Enter(D().Edit7, "1.2x");
    EXPECT_EQ(Messages(), std::vector<std::string>{"Invalid format of the number."});
}

TEST_F(Protocol, AFieldLeftEmptyAsItWasEnteredIsNotChecked) {
    Enter(D().Edit6, "0.5");  // only the sum known: the tip diameters are empty
    ASSERT_EQ(D().Edit18->Text(), "");
    ui::test::Click(D().Edit18);
    ui::test::Tab();
    EXPECT_EQ(Messages(), std::vector<std::string>{});
    Enter(D().Edit18, "");
    EXPECT_EQ(Messages(), std::vector<std::string>{});
}

TEST_F(Protocol, APressOnAPageTabBypassesOnlyTheIdentificationCheckOfTheFieldItLeaves) {
    D().UpdateObligatoryInputFlag();
    ui::test::ClickTab(D().PageControl1, 2);
    ui::test::TypeInto(D().Edit42, "-1");
    ui::test::ClickTab(D().PageControl1, 0);
    EXPECT_EQ(Messages(), std::vector<std::string>{});
    EXPECT_EQ(D().PageControl1->ActivePage(), D().TabSheet1);
    EXPECT_FALSE(SkipIdentificationChecks);  // cleared once the page change is handled
    // back by a press on the tab: the page's checks work
    ui::test::ClickTab(D().PageControl1, 2);
    ui::test::TypeInto(D().Edit42, "-1");
    ui::test::Tab();
    EXPECT_EQ(Messages(), std::vector<std::string>{"Normal module must be greater than 0 "});
    EXPECT_EQ(D().ActiveControl(), D().Edit42);
}

TEST_F(Protocol, ARefusedFieldRefusesEveryExitAndIsNotEnteredAgain) {
    const std::string entered = D().Edit1->Text();
    ui::test::TypeInto(D().Edit1, "abc");
    ui::test::Tab();
    ui::test::Tab();
    EXPECT_EQ(Messages(), std::vector<std::string>(2, "Invalid format of the number."));
    EXPECT_EQ(G.OldText, entered);
    EXPECT_EQ(D().ActiveControl(), D().Edit1);
}

TEST_F(Protocol, EnterValidatesAndKeepsTheFocus) {
    ui::test::TypeInto(D().Edit1, "2");
    ui::test::Enter();
    EXPECT_EQ(G.mn, 2);
    EXPECT_EQ(D().ActiveControl(), D().Edit1);
    EXPECT_TRUE(G.InputsCompleteForRefresh);
    ui::test::TypeInto(D().Edit21, "3");
    ui::test::Enter();  // a backlash error leaves the focus where it is
    EXPECT_EQ(Messages(), std::vector<std::string>{"Backlash must be smaller than normal module."});
    EXPECT_EQ(D().ActiveControl(), D().Edit21);
}

TEST_F(Protocol, LeavingTheObligatoryGroupChecksThePinionAgainstTheAnnularWheel) {
    SelectGearing(kInternalGearing);
    G.z1 = 90;
    D().Edit2->SetText("90.0");
    Enter(D().Edit5, "0");  // the field's own refusal comes first and keeps the group
    Enter(D().Edit5, "12");
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{"Facewidth must be greater than 0.",
                                        "Pinion teeth number must be less (or equal) than teeth number of wheel."}));
    EXPECT_EQ(D().ActiveControl(), D().Edit2);
    EXPECT_EQ(G.ValCode, 1);
}

TEST_F(Protocol, AMissingObligatoryInputNamesItsField) {
    G.z2 = 0;
    D().CheckObligatoryInput();
    EXPECT_EQ(Messages(), std::vector<std::string>{"Some obligatory input is missing."});
    EXPECT_EQ(D().ActiveControl(), D().Edit3);
}

TEST_F(Protocol, AKeystrokeOutsideTheCentreDistanceFieldsUnchecksItsBox) {
    D().CheckBox2->SetChecked(true);
    ui::test::TypeInto(D().Edit4, "1");
    EXPECT_TRUE(D().CheckBox2->Checked());
    ui::test::TypeInto(D().Edit5, "1");
    EXPECT_FALSE(D().CheckBox2->Checked());
}

TEST_F(Protocol, FocusRoutingReachesOnlyAFieldTheInputsPageShows) {
    D().SelectAmcSumAsInput();  // hides x1 and x2
    ui::test::Click(D().Edit5);
    G.FocusField = 8;
    D().FocusFieldByCode();
    EXPECT_EQ(D().ActiveControl(), D().Edit5);
    G.FocusField = 21;
    D().FocusFieldByCode();
    EXPECT_EQ(D().ActiveControl(), D().Edit5);
    D().PageControl1->SetActivePage(D().TabSheet2);
    G.FocusField = 1;
    D().FocusFieldByCode();
    EXPECT_EQ(D().PageControl1->ActivePage(), D().TabSheet1);
    EXPECT_EQ(D().ActiveControl(), D().Edit1);
}

// The results window's paints, counted around its own drawing.
class ResultsRefresh : public OstrimoTest {
protected:
    void SetUp() override {
        OstrimoTest::SetUp();
        ui::test::TypeInto(D().Edit5, "12");  // the obligatory input is complete
        ui::test::Enter();
        drawing_ = CelniDlg->PaintBox1->OnPaint;
        CelniDlg->PaintBox1->OnPaint = [this] {
            ++paints;
            drawing_();
        };
    }
    void TearDown() override {
        CelniDlg->PaintBox1->OnPaint = drawing_;
        OstrimoTest::TearDown();
    }
    // The results window shown over the helix angle field, the main dialog active again.
    // (Leaving any other field withdraws the results.)
    void ShowResults() {
        ui::test::Click(D().Edit4);
        CelniDlg->Show();
        ui::test::Click(D().Edit4);
        paints = 0;
    }
    int paints = 0;

private:
    std::function<void()> drawing_;
};

TEST_F(ResultsRefresh, LeavingAFieldRecomputesTheShownResultsOnce) {
    ShowResults();
    G.W1 = 0;
    ui::test::Tab();  // the helix angle unchanged
    EXPECT_EQ(paints, 1);
    EXPECT_GT(G.W1, 0);  // the check ran
    EXPECT_TRUE(CelniDlg->Visible());
    CelniDlg->Hide();
    G.W1 = 0;
    ui::test::Click(D().Edit4);
    ui::test::Tab();
    EXPECT_EQ(paints, 1);
    EXPECT_EQ(G.W1, 0);
}

TEST_F(ResultsRefresh, AChangedInputWithdrawsTheResults) {
    ShowResults();
    ui::test::TypeInto(D().Edit4, "12");
    ui::test::Tab();
    EXPECT_EQ(G.betaDeg, 12);
    EXPECT_FALSE(CelniDlg->Visible());
    EXPECT_EQ(paints, 0);
}

TEST_F(ResultsRefresh, ACriticalSumIsReportedOnceAndWithdrawsTheResults) {
    for (std::int16_t computingInput : {kX1Input, kNoComputingInput}) {
        ShowResults();
        G.x1 = -3;
        G.x2 = 0;
        G.LastComputingInput = computingInput;
        ui::test::Notices().Clear();
        ui::test::Tab();
        EXPECT_EQ(Messages().size(), 1u) << computingInput;
        EXPECT_FALSE(CelniDlg->Visible());
        EXPECT_EQ(G.FocusField, 8);
        EXPECT_EQ(paints, 0);
    }
    EXPECT_EQ(Messages()[0], "Sum of Addendum Modification Coefficients x1+x2 is smaller than critical.");
}

TEST_F(ResultsRefresh, TheWindowsOwnCriticalSumMessageCarriesTheLimit) {
    ShowResults();
    G.x1 = -3;
    G.LastComputingInput = kX1Input;
    ui::test::Tab();
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"Sum of Addendum Modification Coefficients x1+x2 is less than critical "
                                       "(xlim = " +
                                       rt::Str(G.xsum0, 7, 4) + ") - negative pressure angle."});
}

TEST_F(Protocol, AnExtraAmcBacklashSelectsTheSumAndFocusesDivide) {
    ui::test::QueueModal(VuleF, [](ui::Form& f) {
        G.BacklashByThinning = false;
        G.BacklashByExtraAmc = true;
        f.ModalResult = ui::mrOk;
    });
    Enter(D().Edit21, "0.2");
    EXPECT_FALSE(D().Edit7->Visible());
    EXPECT_FALSE(D().Edit9->Enabled());
    EXPECT_EQ(D().ActiveControl(), D().Button2);
    EXPECT_EQ(G.xsumNoBacklash, 0);
}

// ---------------------------------------------------------------- what the user typed is the case

// A gearing type chosen after a value was typed shows its defaults; the same value typed again
// is taken (the module is the field the type makes active before it writes the defaults).
TEST_F(Protocol, AValueRetypedAfterAGearingTypeChangeIsTaken) {
    using Radio = ui::RadioButton* TPagesDlg::*;
    const Radio external = &TPagesDlg::RadioButton3, internal = &TPagesDlg::RadioButton4,
                bevel = &TPagesDlg::RadioButton5;
    const std::tuple<Radio, Radio, int, std::string> rows[] = {
        {nullptr, internal, 1, "2.75"}, {nullptr, bevel, 1, "2.75"},   {internal, external, 1, "3"},
        {nullptr, internal, 2, "25"},   {internal, external, 3, "45"}, {nullptr, internal, 17, "25"}};
    for (const auto& [before, type, code, text] : rows) {
        SCOPED_TRACE(std::to_string(code) + " " + text);
        SetUp();
        if (before) ui::test::Click(D().*before);
        ui::Edit* field = D().InputField(code);
        Enter(field, text);
        ui::test::Click(D().*type);
        ASSERT_NE(field->Text(), text);  // the type's default
        Enter(field, text);
        const std::string centreDistance = D().Edit9->Text();
        D().ShowInputsInEdits();  // what the case holds
        EXPECT_EQ(std::stod(field->Text()), std::stod(text));
        EXPECT_NEAR(std::stod(D().Edit9->Text()), std::stod(centreDistance), 1e-5);
        EXPECT_EQ(Messages(), std::vector<std::string>{});
        TearDown();
    }
}

// A centre distance that no helix angle gives is refused over the case as it was, then the
// calculation's message; one that gives the helix angle shows the tips of the new angle.
TEST_F(Protocol, ACentreDistanceWithoutAHelixAngleIsRefusedOverTheCaseAsItWas) {
    for (const auto& [code, text] : {std::pair{1, "14"}, {2, "24"}, {3, "95"}, {4, "10"}, {5, "360"}, {9, "861"}})
        ui::test::TypeInto(D().InputField(code), text);
    ui::test::Click(D().Button2);  // "Divide AMC"
    Enter(D().Edit7, "0.48");
    ui::test::Click(D().CheckBox2);  // the helix angle from the centre distance
    const GlobalData before = G;
    const auto fields = [] { return D().Edit4->Text() + " " + D().Edit18->Text() + " " + D().Edit19->Text(); };
    const std::string shown = fields();
    EXPECT_EQ(ShownAtEachBox(fields, [] { Enter(D().Edit9, "845"); }), std::vector<std::string>{shown});
    EXPECT_EQ(Messages(), std::vector<std::string>{"There is no solution - change inputs."});
    EXPECT_TRUE(fields() == shown && G.beta == before.beta && G.aw == before.aw);
    EXPECT_EQ(D().ActiveControl(), D().Edit9);
    EXPECT_EQ(D().Edit9->Text() + "|" + D().Edit9->selectedText().toStdString(), "845|845");  // as typed
    ui::test::Notices().Clear();
    Enter(D().Edit9, "9600");  // a helix angle beyond the helix field's range
    EXPECT_EQ(Messages(), std::vector<std::string>{
                              "Helix angle at reference cylinder \xC3\x9F must lay from 0 to 80.0000\xC2\xB0."});
    EXPECT_TRUE(fields() == shown && G.beta == before.beta && G.aw == before.aw);
    Enter(D().Edit9, "875");
    const std::string tips = fields();
    ui::test::Click(D().Button1);
    EXPECT_TRUE(G.beta != before.beta && fields() == tips);
}

// A field, the gearing type that shows it, a text its validator refuses (none: the field is
// only passed through), and how its window or page is brought up and put away.
struct Entry {
    std::string name;
    int gearing;
    std::function<ui::Edit*()> field;
    std::string refused;
    std::function<void()> open = [] {};
    std::function<void()> close = [] {};
};

void PrintTo(const Entry& e, std::ostream* os) { *os << e.name; }

std::vector<Entry> Entries() {
    std::vector<Entry> entries;
    // the input fields by their codes; fields 16 and 20 are typed on internal and bevel gearing
    const char* const refusedTexts[] = {"0", "3", "3", "-5", "0", "11", "9", "9", "0",   "0",   "2",
                                        "2", "2", "2", "x",  "2", "0",  "0", "0", "180", "-0.1"};
    for (int code = 1; code <= 21; ++code) {
        const int gearing = code == 16 ? kInternalGearing : code == 20 ? kBevelGearing : kExternalGearing;
        const char* const refused = refusedTexts[code - 1];
        entries.push_back(
            {"Field" + std::to_string(code), gearing, [code] { return PagesDlg->InputField(code); }, refused});
    }
    entries.push_back({"InternalWheelTeeth", kInternalGearing, [] { return PagesDlg->Edit3; }, "3"});
    entries.push_back({"BevelHelixAngle", kBevelGearing, [] { return PagesDlg->Edit4; }, "90"});
    entries.push_back({"InternalWheelTipDiameter", kInternalGearing, [] { return PagesDlg->Edit19; }, "30"});
    const auto tools = [] { ui::test::Click(PagesDlg->Button10); };
    const auto toolsOk = [] { ui::test::Click(NastrojDlg->OKBtn); };
    entries.push_back({"ToolAddendum", kExternalGearing, [] { return NastrojDlg->Edit1; }, "0", tools, toolsOk});
    entries.push_back({"ToolCrestRadius", kExternalGearing, [] { return NastrojDlg->Edit2; }, "x", tools, toolsOk});
    const auto cutter = [] { ui::test::Click(PagesDlg->Button9); };
    const auto cutterBack = [] { ui::test::Click(FellowDlg->CancelBtn); };
    entries.push_back({"CutterTeeth", kInternalGearing, [] { return FellowDlg->Edit1; }, "3", cutter, cutterBack});
    entries.push_back({"CutterAmc", kInternalGearing, [] { return FellowDlg->Edit2; }, "4", cutter, cutterBack});
    entries.push_back(
        {"CutterRootRounding", kInternalGearing, [] { return FellowDlg->Edit3; }, "-1", cutter, cutterBack});
    entries.push_back(
        {"CutterTipRounding", kInternalGearing, [] { return FellowDlg->Edit4; }, "-1", cutter, cutterBack});
    const auto testPage = [] { ui::test::ClickTab(PagesDlg->PageControl1, 1); };
    const auto inputsPage = [] { ui::test::ClickTab(PagesDlg->PageControl1, 0); };
    entries.push_back(
        {"BallContactDiameter", kExternalGearing, [] { return PagesDlg->Edit34; }, "", testPage, inputsPage});
    entries.push_back({"BallDiameter", kExternalGearing, [] { return PagesDlg->Edit30; }, "", testPage, inputsPage});
    return entries;
}

class TypedIsTheCase : public OstrimoTest, public ::testing::WithParamInterface<Entry> {
protected:
    std::string File(const std::string& name) const { return dir_.File(name); }
    // A case whose values have more digits than their fields show, opened from its file.
    void OpenCaseOfFullPrecision(int gearing) {
        if (gearing != kExternalGearing) SelectGearing(gearing);
        GlobalData& g = G;
        g.mn = 2.123456789;
        g.b = 7.87654321;
        if (gearing == kBevelGearing) {
            g.SigmaDeg = 87.6543219;
            g.Sigma = DegToRad(g.SigmaDeg);
        } else {
            g.betaDeg = 12.3456789;
            g.beta = DegToRad(g.betaDeg);
        }
        g.xsum = 0.5;
        g.x1 = 0.312345678912;
        g.x2 = g.xsum - g.x1;
        g.rofP1 = g.ToolCrestRadiusFactor1 = 0.345678912;
        g.ToolAddendumFactor1 = g.haP2 + g.cP2;
        g.x0 = 0.123456789;
        g.rof0 = 0.2345678912;
        g.roa0 = 0.1234567891;
        D().UpdateObligatoryInputFlag();
        ComputeWorkingCentreDistance();
        D().ComputePairDimensions();
        g.TestDimensionsActive = true;
        g.dt1 = 1.723456789;
        ComputeDimensionOverBalls1();
        D().ShowInputsInEdits();
        Save(File("made.dat"));
        Open(File("made.dat"));
        ASSERT_EQ(Messages(), std::vector<std::string>{});
    }
    ScratchDir dir_;
};

// Passing through a field keeps every digit; a refused value is not kept, so retyping the
// field's text gives the case back as it was, and Save writes a file that Open takes.
TEST_P(TypedIsTheCase, PassingThroughOrRetypingAfterARefusalChangesNothingSaved) {
    const Entry& e = GetParam();
    OpenCaseOfFullPrecision(e.gearing);
    const std::string before = File("before.dat"), after = File("after.dat"), reopened = File("reopened.dat");
    e.open();  // what showing the window or page computes comes before
    e.close();
    Save(before);
    e.open();
    ui::Edit* field = e.field();
    const std::string shown = field->Text();
    ui::test::Click(field);
    ui::test::Tab();
    if (!e.refused.empty()) {
        Enter(field, e.refused);
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_EQ(field->OwnerForm()->ActiveControl(), field);
        Enter(field, shown);
    }
    EXPECT_EQ(field->Text(), shown);
    e.close();
    Save(after);
    const std::size_t messages = Messages().size();
    EXPECT_EQ(messages, e.refused.empty() ? 0u : 1u) << Messages().back();
    EXPECT_EQ(Contents(after), Contents(before));
    Open(after);
    EXPECT_EQ(Messages().size(), messages) << Messages().back();
    Save(reopened);
    EXPECT_EQ(Contents(reopened), Contents(before));
}

INSTANTIATE_TEST_SUITE_P(EveryField, TypedIsTheCase, ::testing::ValuesIn(Entries()),
                         [](const ::testing::TestParamInfo<Entry>& info) { return info.param.name; });

}  // namespace
}  // namespace ostrimo::test
