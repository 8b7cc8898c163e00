// The main dialog's commands: the complete check, the division of the AMC, Save and Open
// with the side dialogs' states, the gearing type and basic rack switches, the pages and
// the help keys.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <set>
#include <sstream>

#include "CheckedPair.h"
#include "OstrimoFixture.h"
#include "ostrimo/calc/Geometricke_vypocty.h"
#include "ostrimo/calc/Soubory.h"
#include "runtime/TextFile.h"

namespace ostrimo::test {
namespace {

namespace fs = std::filesystem;

class Commands : public OstrimoTest {
protected:
    void SetUp() override {
        OstrimoTest::SetUp();
        D().SaveDialog1.FileName = D().OpenDialog1.FileName = "*.dat";
    }
    void TearDown() override {
        rt::TextFile::FailWritesAfter(-1);
        OstrimoTest::TearDown();
    }
    std::string File(const std::string& name) const { return dir_.File(name); }
    // Every field and choice a user sees in the main dialog's Inputs page and the three
    // side dialogs.
    static std::vector<std::string> Shown() {
        std::vector<std::string> shown;
        auto record = [&](ui::Control* c) {
            std::string s;
            if (auto* e = dynamic_cast<ui::Edit*>(c))
                s = e->Text();
            else if (auto* b = dynamic_cast<ui::CheckBox*>(c))
                s = b->Checked() ? "x" : "-";
            else if (auto* r = dynamic_cast<ui::RadioButton*>(c))
                s = r->Checked() ? "o" : ".";
            else
                return;
            shown.push_back(c->Name() + "=" + s);
        };
        Walk(D().TabSheet1, record);
        for (ui::Form* f :
             {static_cast<ui::Form*>(VuleF), static_cast<ui::Form*>(NastrojDlg), static_cast<ui::Form*>(FellowDlg)})
            Walk(f, record);
        return shown;
    }
    // The entries that differ; numbers count as equal in their shown decimals.
    static std::vector<std::string> Differences(const std::vector<std::string>& a, const std::vector<std::string>& b) {
        std::vector<std::string> d;
        for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
            const std::string x = i < a.size() ? a[i] : "", y = i < b.size() ? b[i] : "";
            double u = 0, v = 0;
            int cu = 1, cv = 1;
            if (x.find('=') != std::string::npos && y.find('=') != std::string::npos) {
                rt::Val(x.substr(x.find('=') + 1), u, cu);
                rt::Val(y.substr(y.find('=') + 1), v, cv);
            }
            const bool sameNumber =
                cu == 0 && cv == 0 && std::fabs(u - v) < 5e-6 && x.substr(0, x.find('=')) == y.substr(0, y.find('='));
            if (x != y && !sameNumber) d.push_back(x + " | " + y);
        }
        return d;
    }
    // Saves the case, replaces it by another gearing type's defaults and opens it again.
    void RoundTrip(ui::RadioButton* other) {
        const std::vector<std::string> before = Shown();
        const GlobalData saved = G;
        Save(File("case.dat"));
        ui::test::Click(other);
        ASSERT_NE(Shown(), before);
        Open(File("case.dat"));
        EXPECT_EQ(Messages(), std::vector<std::string>{});
        EXPECT_EQ(Differences(Shown(), before), std::vector<std::string>{});
        EXPECT_EQ(G.GearingType, saved.GearingType);
        EXPECT_EQ(G.RackMate, saved.RackMate);
        EXPECT_FALSE(G.TestDimensionsOutdated);
        EXPECT_EQ(D().Caption(), "Gear Geometry Checking - " + File("case.dat"));
        EXPECT_EQ(CelniDlg->Caption(), std::string(kResultsCaption) + " - " + File("case.dat"));
        EXPECT_EQ(TabulkaDlg->Caption(), std::string(kTableCaption) + " - " + File("case.dat"));
    }
    ScratchDir dir_;
};

TEST_F(Commands, CompleteCheckShowsTheResultsOrNamesWhatIsMissing) {
    D().SetActiveControl(D().Button1);
    ui::test::Enter();  // Enter on the focused command runs it
    EXPECT_TRUE(CelniDlg->Visible());
    EXPECT_EQ(Messages(), std::vector<std::string>{});

    CelniDlg->Hide();
    Enter(D().Edit6, "0.5");  // only the sum
    ui::test::Click(D().Button1);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Dividing of Addendum Modification Coefficient has not done yet."});
    EXPECT_EQ(D().ActiveControl(), D().Button5);
    EXPECT_FALSE(CelniDlg->Visible());

    ui::test::Notices().Clear();
    G.mn = 0;
    ui::test::Click(D().Button1);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Some obligatory input is missing."});
    EXPECT_EQ(D().ActiveControl(), D().Edit1);
}

TEST_F(Commands, CompleteCheckFocusesTheFieldOfItsError) {
    G.x1 = G.x2 = -1.5;  // the sum lies below its critical value
    G.xsum = -3;
    G.LastComputingInput = kX2Input;
    ui::test::Click(D().Button1);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].rfind("Sum of Addendum Modification Coefficients x1+x2 is less than critical", 0), 0u);
    EXPECT_EQ(D().ActiveControl(), D().Edit8);
    EXPECT_FALSE(CelniDlg->Visible());
}

TEST_F(Commands, DivideAndBalancedSlidingsGiveTheCoresValues) {
    Enter(D().Edit6, "0.5");
    ui::test::Click(D().Button2);
    EXPECT_TRUE(G.AmcDivided);
    EXPECT_EQ(D().ActiveControl(), D().Edit7);
    Enter(D().Edit7, "0.2");
    EXPECT_EQ(D().Edit8->Text(), rt::Str(0.3, 8, 6));

    ui::test::Click(D().Button5);
    Enter(D().Edit6, "0.5");
    const GlobalData before = G;
    ui::test::Click(D().Button6);
    const double x1 = G.x1;
    EXPECT_EQ(D().Edit7->Text(), rt::Str(x1, 8, 6));
    EXPECT_EQ(D().Edit8->Text(), rt::Str(0.5 - x1, 8, 6));
    EXPECT_TRUE(G.AmcDivided && !G.AmcUndivided);
    G = before;
    G.awCheck = G.aw;
    G.alfawtCheck = G.alfawt;
    G.xsumSearch = G.xsum;
    ComputeGearPairDimensions();
    BalanceSpecificSlidings();
    EXPECT_EQ(G.x1, x1);
}

TEST_F(Commands, AnExternalPairWithToolsAndAShiftingBacklashComesBackWhole) {
    Enter(D().Edit6, "0.4");
    ui::test::Click(D().Button2);
    Enter(D().Edit7, "0.1");
    ui::test::Click(D().Button10);  // the tools: a chamfer on the pinion's, a protuberance on the wheel's
    ui::test::Click(NastrojDlg->CheckBox1);
    ui::test::Click(NastrojDlg->CheckBox4);
    ui::test::Click(NastrojDlg->OKBtn);
    ui::test::QueueModal(VuleF, [](ui::Form&) {
        ui::test::Click(VuleF->RadioButton3);
        ui::test::TypeInto(VuleF->Edit1, rt::Str(G.aw + 0.05, 8, 6));
        ui::test::Click(VuleF->Button3);
    });
    Enter(D().Edit21, "0.1");
    Enter(D().Edit7, "0.1");
    ASSERT_EQ(Messages(), std::vector<std::string>{});
    ASSERT_TRUE(G.BacklashByShifting && G.Chamfer1 && G.Protuberance2);
    RoundTrip(D().RadioButton5);
    EXPECT_TRUE(D().RadioButton2->Checked());  // the tools make the rack nonstandard
}

TEST_F(Commands, AnInternalPairWithItsCutterComesBackWhole) {
    ui::test::Click(D().RadioButton4);
    ui::test::Click(D().Button9);
    Enter(FellowDlg->Edit1, "30");
    ui::test::Click(FellowDlg->CheckBox2);
    ui::test::Click(FellowDlg->OKBtn);
    ASSERT_EQ(Messages(), std::vector<std::string>{});
    ASSERT_TRUE(G.FellowFullyRoundedTip && G.z0 == 30);
    RoundTrip(D().RadioButton3);
    EXPECT_TRUE(FellowDlg->Edit4->ReadOnly());
}

// An internal pair of equal tooth numbers works at 90 degrees: its working pressure angle
// is no input, before Save and after Open alike.
TEST_F(Commands, AnInternalPairOfEqualToothNumbersOpensWithItsWorkingAngleFixed) {
    ui::test::Click(D().RadioButton4);
    Enter(D().Edit3, "-20");
    ASSERT_FALSE(D().Edit10->Enabled());
    Save(File("equal.dat"));
    ui::test::Click(D().RadioButton3);
    Open(File("equal.dat"));
    EXPECT_EQ(Messages(), std::vector<std::string>{});
    EXPECT_EQ(G.z2, -20);
    EXPECT_FALSE(D().Edit10->Enabled());
    EXPECT_TRUE(D().Edit9->Enabled());
}

TEST_F(Commands, ARoundedRootComesBackWithItsFileNameAndAFileWithoutOneFreesTheRadii) {
    Save(File("sharp.dat"));
    ui::test::Click(D().CheckBox1);
    ASSERT_TRUE(G.RoundedRoot);
    RoundTrip(D().RadioButton4);
    EXPECT_TRUE(D().CheckBox1->Checked());
    EXPECT_FALSE(D().Edit15->Enabled());
    Open(File("sharp.dat"));
    EXPECT_FALSE(G.RoundedRoot);
    EXPECT_FALSE(D().CheckBox1->Checked());
    EXPECT_TRUE(D().Edit15->Enabled() && D().Edit16->Enabled());
    EXPECT_EQ(D().Caption(), "Gear Geometry Checking - " + File("sharp.dat"));
}

TEST_F(Commands, ABevelPairAndARackMateComeBackWhole) {
    ui::test::Click(D().RadioButton5);
    Enter(D().Edit20, "80");
    RoundTrip(D().RadioButton3);
    EXPECT_FALSE(D().TabSheet2->TabVisible());

    ui::test::Click(D().RadioButton3);
    Enter(D().Edit3, "6000");
    ASSERT_TRUE(G.RackMate);
    RoundTrip(D().RadioButton4);
    EXPECT_EQ(D().Edit3->Text(), "Rack");
}

TEST_F(Commands, ARackMateOpenedWhileInternalIsChosenStaysARackMate) {
    Enter(D().Edit3, "6000");
    Save(File("rack.dat"));
    ui::test::Click(D().RadioButton4);
    Open(File("rack.dat"));
    EXPECT_TRUE(G.RackMate);
    EXPECT_EQ(G.GearingType, kExternalGearing);
    EXPECT_GT(G.z2, 5000);
    EXPECT_TRUE(D().RadioButton3->Checked());
}

// The layout of a rack mate (the rack addendum, the wheel's test dimensions hidden)
// follows the data shown: it gives way to a wheel when another gearing type is chosen,
// and comes with a rack-mate file opened before any field was left.
TEST_F(Commands, TheRackMateLayoutFollowsTheGearingTypeAndTheFileOpened) {
    Enter(D().Edit3, "6000");
    Save(File("rack.dat"));
    ui::test::Click(D().RadioButton4);
    EXPECT_EQ(D().Label51->Caption(), "Wheel tip diameter                   d");
    EXPECT_EQ(D().RadioButton10->Caption(), "On the reference cylinder");
    EXPECT_TRUE(D().Edit28->Visible() && D().Edit35->Visible());
    EXPECT_TRUE(D().GroupBox10->Enabled());

    D().SetActiveControl(D().Button1);  // as the program starts
    G.ObligatoryInputComplete = false;
    Open(File("rack.dat"));
    ASSERT_TRUE(G.RackMate);
    EXPECT_EQ(D().Edit3->Text(), "Rack");
    EXPECT_EQ(D().Label51->Caption(), "Rack addendum                       h");
    EXPECT_FALSE(D().Edit28->Visible());
}

TEST_F(Commands, AMalformedFileIsRefusedAndChangesNothing) {
    Enter(D().Edit1, "2.5");
    const std::string caption = D().Caption();
    std::ofstream(File("bad.dat")) << "1\n0\n0\n1\n1\n2.5\nabc\n";
    GlobalData before = G;
    Open(File("bad.dat"));
    EXPECT_EQ(Messages(), std::vector<std::string>{"Error or incompatibility in the input data file"});
    before.ResetLayoutOnShow = true;
    before.OldText = G.OldText;  // Edit1 was entered again
    EXPECT_TRUE(G == before);
    EXPECT_EQ(D().Caption(), caption);
    EXPECT_EQ(D().Edit1->Text(), "2.5");
}

TEST_F(Commands, AFailedSaveKeepsTheEarlierFileAndTheCaptions) {
    ui::test::QueueFileCancel();
    ui::test::Click(D().Button3);  // a cancelled save still names the dialog's file
    EXPECT_EQ(D().Caption(), "Gear Geometry Checking - *.dat");

    Save(File("case.dat"));
    const std::string saved = Contents(File("case.dat"));
    Enter(D().Edit1, "3");
    const std::string caption = D().Caption();
    rt::TextFile::FailWritesAfter(10);
    Save(File("case.dat"));
    rt::TextFile::FailWritesAfter(-1);
    Save(File("missing/case.dat"));
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Caption(0), kErrorCaption);
    EXPECT_EQ(Contents(File("case.dat")), saved);
    EXPECT_EQ(D().Caption(), caption);
}

// The case the inputs make, checked and saved as the program saves it.
void WriteCheckedCase(const std::string& path, int gearingType, const std::function<void()>& inputs) {
    CheckPair(gearingType, inputs);
    DataFile.Assign(path);
    DataFile.Rewrite();
    WriteGeometryDataFile();
    DataFile.Close();
}

// The lines of the results window.
std::vector<std::string> Verdicts() {
    std::vector<std::string> lines;
    CelniDlg->LayOutVerdicts();
    for (int slot = 1; slot <= CelniDlg->VerdictCount; ++slot)
        if (CelniDlg->VerdictTable[std::size_t(slot)].Shown)
            lines.push_back(CelniDlg->VerdictTable[std::size_t(slot)].Text);
    return lines;
}

// Everything the results window and the dimensions table show of the case open.
std::vector<std::string> ShownResults() {
    std::vector<std::string> shown = Verdicts();
    const bool constantChords = PagesDlg->RadioButton6->Checked() && PagesDlg->RadioButton9->Checked();
    for (int row = 2; row < TableRowCount(); ++row)
        shown.push_back(TableCaption(row, constantChords) + " | " + TableValueText(2, row) + " | " +
                        TableValueText(3, row) + " | " + TableValueText(4, row));
    return shown;
}

// A file shows the same results whether it is opened first or after another case; what the
// check did not reach (after a fatal verdict) shows as not computed.
TEST_F(Commands, AFileShowsTheSameResultsWhateverWasOpenBefore) {
    const auto pointedPinion = [] {  // the tooth comes to a point below its tip: no ball fits
        G.z1 = 7, G.x1 = 1.3725, G.mn = 1.8288, G.z2 = 104, G.x2 = -0.2967, G.xsum = G.x1 + G.x2;
        G.alfaP = 16.33, G.alfan = DegToRad(16.33), G.betaDeg = 2.88, G.beta = DegToRad(2.88);
        G.haP1 = G.haP2 = 1.217, G.cP1 = G.cP2 = 0.346, G.rofP1 = G.rofP2 = 0.207;
    };
    const auto pinionWithoutDepth = [] { G.TipDiameter1Given = true, G.da1 = 18; };  // base circle 18.79
    const auto annularPinionWithoutDepth = [] { InternalPair(), G.TipDiameter1Given = true, G.da1 = 28; };
    const auto ballsOfTheWheel = [] {
        G.z1 = 19, G.z2 = 111, G.mn = 8, G.betaDeg = 14.5, G.beta = DegToRad(14.5), G.x1 = G.x2 = -0.4, G.xsum = -0.8;
    };
    WriteCheckedCase(File("a.dat"), kExternalGearing, [] { HelicalPair(), G.Chamfer1 = true; });
    const struct {
        const char* name;
        int gearingType;
        std::function<void()> inputs;
    } files[] = {{"fatal.dat", kExternalGearing, pinionWithoutDepth},
                 {"annular.dat", kInternalGearing, annularPinionWithoutDepth},
                 {"pointed.dat", kExternalGearing, pointedPinion},
                 {"balls.dat", kExternalGearing, ballsOfTheWheel},
                 {"rack.dat", kExternalGearing, [] { RackPair(), G.z2 = 6000; }}};
    for (const auto& f : files) WriteCheckedCase(File(f.name), f.gearingType, f.inputs);
    const auto restart = [this] {
        OstrimoTest::TearDown();
        OstrimoTest::SetUp();
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        restart();
        Open(File(f.name));
        ui::test::Click(D().Button1);
        const std::vector<std::string> alone = ShownResults();
        restart();
        Open(File("a.dat"));
        ui::test::Click(D().Button1);
        Open(File(f.name));
        ui::test::Click(D().Button1);
        EXPECT_EQ(ShownResults(), alone);
        EXPECT_EQ(Messages(), std::vector<std::string>{});
    }
    // the contact ratio and the balls of the pinion without depth were not computed
    restart();
    Open(File("fatal.dat"));
    ui::test::Click(D().Button1);
    EXPECT_EQ(TableValueText(3, 47), "---");
    EXPECT_EQ(TableValueText(2, 61), "---");
    EXPECT_EQ(Verdicts(), (std::vector<std::string>{" ! Gears are not in contact, gap between tips = 0.0000",
                                                    " ! Pinion does not exist, it has zero tooth depth"}));
}

// Each case file, opened after a start and after each of the others, shows the same fields,
// boxes (one per cause, none again at Save) and results, and saves the same file; its check
// ends with its results or a message.
TEST_F(Commands, EachFileOpensChecksAndSavesAsAfterAStart) {
    const std::string cases = std::string(TEST_SOURCE_ROOT) + "/tests/ostrimo/forms/cases/";
    std::vector<std::string> files{File("annular.dat")};
    WriteCheckedCase(files[0], kInternalGearing, [] { InternalPair(), G.FellowMaxOperatingHeight = true; });
    for (const auto& e : fs::directory_iterator(cases)) files.push_back(e.path().string());
    const auto boxesOfOneCommand = [](std::vector<std::string>& seen) {
        const std::vector<std::string> boxes = Messages();
        EXPECT_EQ(std::set<std::string>(boxes.begin(), boxes.end()).size(), boxes.size());
        seen.insert(seen.end(), boxes.begin(), boxes.end());
        ui::test::Notices().Clear();
    };
    const auto shownText = [] {
        const std::vector<std::string> shown = Shown();
        return std::accumulate(shown.begin(), shown.end(), std::string());
    };
    const auto openCheckSave = [&](const std::string& file) {
        std::vector<std::string> seen;
        // its boxes stand over its fields, and the sum shown is that of its coefficients
        const std::vector<std::string> behindTheBoxes = ShownAtEachBox(shownText, [&] { Open(file); });
        EXPECT_EQ(behindTheBoxes, std::vector<std::string>(behindTheBoxes.size(), shownText()));
        if (!G.AmcUndivided && !G.BacklashByExtraAmc && !G.RackMate) {
            EXPECT_EQ(D().Edit6->Text(), rt::Str(G.x1 + G.x2, 8, 6));
        }
        boxesOfOneCommand(seen);
        Walk(D().TabSheet1, [&](ui::Control* c) {
            seen.push_back(c->Name() + (!c->Visible() ? " hidden" : c->Enabled() ? "" : " disabled"));
        });
        for (const std::string& shown : Shown()) seen.push_back(shown);
        ui::test::Click(D().Button1);
        const bool results = CelniDlg->Visible();
        EXPECT_TRUE(results || !Messages().empty());
        EXPECT_TRUE(results || file.find("internal-after-rack-mate") == file.npos);  // a valid case
        boxesOfOneCommand(seen);
        seen.push_back("focus " + D().ActiveControl()->Name());
        const std::vector<std::string> shown = results ? ShownResults() : std::vector<std::string>{};
        seen.insert(seen.end(), shown.begin(), shown.end());
        Save(File("saved.dat"));
        EXPECT_EQ(Messages(), std::vector<std::string>{});
        seen.push_back(Contents(File("saved.dat")));
        return seen;
    };
    for (const std::string& file : files) {
        OstrimoTest::TearDown(), OstrimoTest::SetUp();
        const std::vector<std::string> alone = openCheckSave(file);
        for (const std::string& before : files) {
            if (before == file) continue;
            SCOPED_TRACE(file + " after " + before);
            OstrimoTest::TearDown(), OstrimoTest::SetUp();
            Open(before);
            ui::test::Click(D().Button1);
            ui::test::Notices().Clear();
            EXPECT_EQ(openCheckSave(file), alone);
        }
    }
}

// A bevel pair at the limit of its mean inclination, opened or typed as the refusal shows the
// limit, checks: the tooth trace touches the inner end of the facewidth.
TEST_F(Commands, ABevelPairAtItsLargestInclinationChecks) {
    Open(std::string(TEST_SOURCE_ROOT) + "/tests/ostrimo/forms/cases/bevel-helix-at-limit.dat");
    ui::test::Click(D().Button1);
    ASSERT_TRUE(CelniDlg->Visible());
    Enter(D().Edit4, "80");
    const std::string limit = rt::Str(G.betamMaxDeg, 6, 4);
    ASSERT_NE(Messages().at(0).find(limit), std::string::npos);
    ui::test::Notices().Clear();
    Enter(D().Edit4, limit);
    ui::test::Click(D().Button1);
    EXPECT_EQ(Messages(), std::vector<std::string>{});
    EXPECT_TRUE(CelniDlg->Visible());
    for (const std::string& verdict : Verdicts()) EXPECT_EQ(verdict.find("exceeded"), std::string::npos) << verdict;
}

// Open, check and Save of a file the program wrote after a check gives the same file: the
// balls of the wheel do not depend on the ball held before the check.
TEST_F(Commands, AFileSavedAfterACheckReopensChecksAndResavesByteIdentical) {
    WriteCheckedCase(File("first.dat"), kExternalGearing, [] {
        G.z1 = 19, G.z2 = 111, G.mn = 8, G.betaDeg = 14.5, G.beta = DegToRad(14.5), G.x1 = G.x2 = -0.4, G.xsum = -0.8;
    });
    Open(File("first.dat"));
    ui::test::Click(D().Button1);
    Save(File("again.dat"));
    EXPECT_EQ(Messages(), std::vector<std::string>{});
    EXPECT_EQ(Contents(File("again.dat")), Contents(File("first.dat")));
}

TEST_F(Commands, GearingTypesLoadTheirDefaultsAndLayout) {
    ui::test::Click(D().RadioButton4);
    EXPECT_EQ(G.GearingType, kInternalGearing);
    EXPECT_EQ(G.z2, -80);
    EXPECT_NEAR(G.aw, -30, 1e-9);  // the check computes it again
    EXPECT_TRUE(D().Button9->Visible() && D().Button10->Visible());
    EXPECT_FALSE(NastrojDlg->GroupBox2->Visible());
    ui::test::Click(D().RadioButton5);
    EXPECT_EQ(G.z1Bevel, 20);
    EXPECT_EQ(G.z2Bevel, 30);
    EXPECT_FALSE(D().TabSheet2->TabVisible() || D().TabSheet3->TabVisible());
    EXPECT_TRUE(D().Edit20->Visible());
    EXPECT_FALSE(D().Edit21->Visible() || D().Button9->Visible() || D().Button10->Visible());
    EXPECT_EQ(D().Label1->Caption(), "Transverse module outer    m");
    ui::test::Click(D().RadioButton3);
    EXPECT_TRUE(D().TabSheet2->TabVisible() && D().TabSheet3->TabVisible() && D().Edit21->Visible());
    EXPECT_FALSE(D().Button9->Visible());
    EXPECT_EQ(D().RadioButton3->Font().Style, unsigned{ui::fsBold});
    EXPECT_EQ(D().RadioButton4->Font().Style, 0u);
}

TEST_F(Commands, StandardResetsTheComputingInputsOnlyForAnotherFlankAngle) {
    Enter(D().Edit11, "1.1");  // nonstandard at 20 degrees
    Enter(D().Edit6, "0.5");
    ui::test::Click(D().RadioButton1);
    EXPECT_EQ(G.xsum, 0.5);
    EXPECT_EQ(G.haP1, 1);

    Enter(D().Edit17, "25");
    Enter(D().Edit6, "0.5");
    ui::test::Click(D().Button10);
    ui::test::Click(NastrojDlg->CheckBox1);  // the tools go back to their defaults too
    ui::test::Click(D().RadioButton1);
    EXPECT_EQ(G.xsum, 0);
    EXPECT_EQ(G.alfaP, 20);
    EXPECT_FALSE(G.Chamfer1);
    EXPECT_FALSE(D().RadioButton2->Enabled());
    EXPECT_EQ(D().Edit17->Text(), "20.0000");
}

TEST_F(Commands, TheIdentificationPageLocksTheCommandsUntilTheInputsPage) {
    D().UpdateObligatoryInputFlag();
    ui::test::ClickTab(D().PageControl1, 2);
    EXPECT_FALSE(D().Button1->Enabled() || D().Button3->Enabled() || D().Button4->Enabled() || D().Button9->Enabled());
    EXPECT_FALSE(D().GroupBox12->Visible());
    EXPECT_EQ(D().Label177->Caption(), "40");
    EXPECT_EQ(D().Edit42->Text(), "1.000");
    EXPECT_EQ(D().Edit38->Text(), rt::Str(static_cast<long long>(G.SpanTeethProposed2)));
    ui::test::ClickTab(D().PageControl1, 0);
    EXPECT_TRUE(D().Button1->Enabled() && D().Button3->Enabled() && D().Button4->Enabled());
    EXPECT_TRUE(D().GroupBox12->Visible());
}

TEST_F(Commands, LeavingTheIdentificationPageRemovesTheBacklash) {
    G.jn = 0.1;
    G.TestDimensionsOutdated = false;
    ui::test::ClickTab(D().PageControl1, 2);
    G.jn = 0.1;
    ui::test::Click(D().Edit42);  // the exit fires only with the focus inside the page
    ui::test::ClickTab(D().PageControl1, 0);
    EXPECT_EQ(G.jn, 0);
    EXPECT_EQ(D().Edit21->Text(), "0");
    EXPECT_TRUE(G.TestDimensionsOutdated);
    EXPECT_TRUE(G.BacklashMethodPending && G.ThinBothWheels);
}

TEST_F(Commands, HelpFollowsTheFieldAndThePage) {
    struct Case {
        ui::Control* focus;
        unsigned command, context;
    };
    const Case cases[] = {
        {D().Edit1, ui::HELP_CONTEXT, 2},   {D().Edit9, ui::HELP_CONTEXT, 5},     {D().Button6, ui::HELP_CONTEXT, 5},
        {D().Edit16, ui::HELP_CONTEXT, 3},  {D().CheckBox1, ui::HELP_CONTEXT, 3}, {D().Edit18, ui::HELP_CONTEXT, 4},
        {D().Button8, ui::HELP_CONTEXT, 4}, {D().Button1, ui::HELP_FINDER, 0},
    };
    for (const Case& c : cases) {
        D().SetActiveControl(c.focus);
        ui::test::F1();
    }
    ui::test::ClickTab(D().PageControl1, 1);
    ui::test::F1();
    ui::test::ClickTab(D().PageControl1, 2);
    ui::test::F1();
    ASSERT_EQ(ui::test::HelpCalls().size(), std::size(cases) + 2);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(ui::test::HelpCalls()[i].Command, cases[i].command) << i;
        EXPECT_EQ(ui::test::HelpCalls()[i].Data, cases[i].context) << i;
    }
    EXPECT_EQ(ui::test::HelpCalls()[std::size(cases)].Data, 13u);
    EXPECT_EQ(ui::test::HelpCalls()[std::size(cases) + 1].Data, 15u);

    ui::test::SetHelpResult(false);
    G.FocusField = 4;
    SkipInputChecks = true;
    D().HelpBtnClick();
    EXPECT_EQ(ui::test::HelpCalls().back().Data, 15u);  // the page shown wins
    EXPECT_EQ(Messages(), std::vector<std::string>{"Help is missing."});
    EXPECT_FALSE(SkipInputChecks);
}

}  // namespace
}  // namespace ostrimo::test
