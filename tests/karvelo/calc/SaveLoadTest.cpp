// Save data and Load data without the windows: file names, safe saving, all-or-nothing loading,
// the recomputation after a load.
#include <cmath>
#include <cstring>
#include <limits>
#include <numbers>

#include "CalculationRoad.h"
#include "FilesFixture.h"
#include "karvelo/calc/Odvozene.h"
#include "runtime/NumText.h"

using namespace karvelo;

namespace {

using SaveLoadTest = test::FilesTest;

size_t Entries(const test::fs::path& dir) {
    return static_cast<size_t>(std::distance(test::fs::directory_iterator(dir), test::fs::directory_iterator()));
}

TEST(CaseFileNamesTest, ReplaceTheExtensionOfTheLastComponent) {
    CaseFileNames n = DeriveCaseFileNames("dir.with.dots/case");
    EXPECT_EQ(n.listing, "dir.with.dots/case.VST");
    EXPECT_EQ(n.data, "dir.with.dots/case.PEV");
    EXPECT_EQ(n.results, "dir.with.dots/case.VYS");
    EXPECT_EQ(DeriveCaseFileNames("case.txt").data, "case.PEV");
    EXPECT_EQ(DeriveCaseFileNames("case.PEV").listing, "case.VST");
    EXPECT_EQ(DeriveCaseFileNames("a.b.pev").results, "a.b.VYS");
}

TEST_F(SaveLoadTest, SavesThreeFilesAndLeavesTheChosenOneAlone) {
    Defaults(kExternalPair);
    Derive();
    Spit(Path("notes.txt"), "keep me");
    CaseFileNames names = SaveCase(Path("notes.txt"), "12:00:00", "1.1.2024");
    EXPECT_EQ(Slurp(Path("notes.txt")), "keep me");
    EXPECT_EQ(names.results, Path("notes.VYS"));  // proposed by the next save
    EXPECT_EQ(Slurp(Path("notes.PEV")), DataFileBytes());
    EXPECT_NE(Slurp(Path("notes.VST")).find("File name - " + Path("notes.VST") + "\r\n"), std::string::npos);
    EXPECT_NE(Slurp(Path("notes.VYS")).find("File name - " + Path("notes.VYS") + "\r\n"), std::string::npos);
    EXPECT_EQ(Entries(dir), 4u);  // no temporaries left

    // The next save goes to the proposed name: the same three files again.
    SaveCase(names.results, "12:00:01", "1.1.2024");
    SaveCase(Path("notes.PEV"), "12:00:02", "1.1.2024");
    EXPECT_EQ(Entries(dir), 4u);
    EXPECT_NE(Slurp(Path("notes.VST")).find("Time   - 12:00:02\r\n"), std::string::npos);
}

TEST_F(SaveLoadTest, LongPathsAreNotCut) {
    Defaults(kExternalPair);
    std::string deep = dir.string();
    while (deep.size() < 300) deep += "/" + std::string(60, 'd');
    test::fs::create_directories(deep);
    SaveCase(deep + "/case", "t", "d");
    EXPECT_TRUE(test::fs::exists(deep + "/case.PEV"));
    LoadCase(deep + "/case.PEV");
}

TEST_F(SaveLoadTest, FailureOnTheDataFileKeepsTheOldOne) {
    Defaults(kExternalPair);
    Spit(Path("case.PEV"), "old data");
    Spit(Path("case.VYS"), "old results");
    SaveCase(Path("first"), "t", "d");  // how many writes the input listing takes, at most
    const std::string listing = Slurp(Path("first.VST"));
    const int listingWrites = static_cast<int>(std::count(listing.begin(), listing.end(), '\n'));
    rt::TextFile::FailWritesAfter(listingWrites + 20);  // the listing has fewer than 20 half lines
    try {
        SaveCase(Path("case"), "t", "d");
        FAIL() << "save succeeded";
    } catch (const CaseFileError& e) {
        EXPECT_EQ(e.Which(), CaseFileError::Command::Save);
        EXPECT_EQ(e.Caption(), "Saving data");
        EXPECT_EQ(e.BoxText(), "The file can not be saved.");
        EXPECT_NE(std::string(e.what()).find("case.PEV"), std::string::npos);
    }
    rt::TextFile::FailWritesAfter(-1);
    EXPECT_FALSE(test::fs::exists(Path("case.VST")));  // not put in place without the others
    EXPECT_EQ(Slurp(Path("case.PEV")), "old data");
    EXPECT_EQ(Slurp(Path("case.VYS")), "old results");
    EXPECT_EQ(Entries(dir), 5u);
}

TEST_F(SaveLoadTest, NonFiniteValueRefusedBeforeAnyFileChanges) {
    Defaults(kExternalPair);
    G.LoadInputMethod = kMultilevelLoading;
    G.CalcMethodics = kMethodicsMiner;
    G.SigmaF1ekv = std::numeric_limits<double>::quiet_NaN();
    StampSpectrumResults(G);  // a result of these inputs, not one withdrawn as out of date
    EXPECT_THROW(SaveCase(Path("case"), "t", "d"), CaseFileError);
    EXPECT_EQ(Entries(dir), 0u);
    // Not stored in this case: saved, and the results listing spells it.
    G.LoadInputMethod = kOneLevelLoading;
    G.SigmaF1 = std::numeric_limits<double>::infinity();
    SaveCase(Path("case"), "t", "d");
    EXPECT_NE(Slurp(Path("case.VYS")).find(" SigmaF1=   +INF"), std::string::npos);
}

TEST_F(SaveLoadTest, CaseThatWouldNotLoadIsNotSaved) {
    Defaults(kExternalPair);
    G.LoadInputMethod = kMultilevelLoading;
    for (int levels : {0, 21}) {
        G.LevelCount = static_cast<std::int16_t>(levels);
        EXPECT_THROW(SaveCase(Path("case"), "t", "d"), CaseFileError) << levels;
    }
    G.LevelCount = 5;
    G.IT2 = 12;
    EXPECT_THROW(SaveCase(Path("case"), "t", "d"), CaseFileError);
    EXPECT_EQ(Entries(dir), 0u);
}

TEST_F(SaveLoadTest, UnwritablePlaceReportsTheSaveBox) {
    Defaults(kExternalPair);
    EXPECT_THROW(SaveCase(Path("no/such/dir/case"), "t", "d"), CaseFileError);
    EXPECT_THROW(SaveCase(Path("dir/"), "t", "d"), CaseFileError);
}

// ---- Loading

class LoadRefusal : public test::FilesTest, public ::testing::WithParamInterface<const char*> {
protected:
    // The saved default spectrum case with one line changed by `edit`.
    static std::string Edited(const std::string& what) {
        G.GearingType = kExternalPair;
        SetDefaultInputs();
        G.LoadInputMethod = kMultilevelLoading;
        G.LevelCount = 3;
        for (int i = 1; i <= 3; ++i) G.n1Level[i] = G.n1;  // as the spectrum window gives them
        G.KHbetaMethod = "ISO_C";
        G.KHbetaDirect = false;
        std::vector<std::string> lines = ComposeDataFile();
        auto find = [&](const std::string& text) { return std::find(lines.begin(), lines.end(), text); };
        const auto count = find(" 3");
        if (what == "truncated after the materials")
            lines.resize(49);
        else if (what == "empty file")
            lines.clear();
        else if (what == "letter at position 1")
            lines[1][0] = 'x';
        else if (what == "flag line of five")
            lines[1].resize(5);
        else if (what == "gearing 3")
            lines[1][0] = '3';
        else if (what == "method 0")
            lines[1][1] = '0';
        else if (what == "method 4")
            lines[1][1] = '4';
        else if (what == "methodics 5")
            lines[1][5] = '5';
        else if (what == "number line abc")
            lines[4] = "abc";
        else if (what == "empty number line")
            lines[4] = "";
        else if (what == "pitting line of one")
            lines[48] = "1";
        else if (what == "pitting letters")
            lines[48] = "ab";
        else if (what == "0 levels")
            *count = " 0";
        else if (what == "21 levels")
            *count = " 21";
        else if (what == "99 levels")
            *count = " 99";
        else if (what == "level count text")
            *count = " five";
        else if (what == "row of 2")
            (count + 1)->resize(47);
        else if (what == "row of 4")
            *(count + 1) += " " + rt::StrReal(1);
        else if (what == "grade 0")
            *find("8 8") = "0 8";
        else if (what == "grade 12")
            *find("8 8") = "8 12";
        else if (what == "one grade")
            *find("8 8") = "8";
        else if (what == "helix modification 7")
            *(find("compensatory") + 4) = "7";
        else if (what == "last line missing")
            lines.pop_back();
        else if (what == "a marked last section that does not parse")
            lines.insert(lines.end(), {"Further inputs of the case, IT MUST NOT BE CHANGED !!", "extra line"});
        return Join(lines);
    }
};

TEST_P(LoadRefusal, LeavesTheCaseInMemoryAsItWas) {
    Spit(Path("bad.PEV"), Edited(GetParam()));
    Defaults(kExternalPair);
    Derive();
    G.Ftjm = 1234;
    const GlobalData before = G;
    try {
        LoadCase(Path("bad.PEV"));
        FAIL() << "loaded";
    } catch (const CaseFileError& e) {
        EXPECT_EQ(e.Which(), CaseFileError::Command::Load);
        EXPECT_EQ(e.Caption(), "Loading data");
        EXPECT_EQ(e.BoxText(),
                  "This file can not be used for loading data.\r\rFile typically has a file extension PEV.\r\r"
                  "Program version 2.0");
    }
    EXPECT_TRUE(G == before);
    EXPECT_FALSE(CaseFile.IsOpen());
}

INSTANTIATE_TEST_SUITE_P(Files, LoadRefusal,
                         ::testing::Values("truncated after the materials", "empty file", "letter at position 1",
                                           "flag line of five", "gearing 3", "method 0", "method 4", "methodics 5",
                                           "number line abc", "empty number line", "pitting line of one",
                                           "pitting letters", "0 levels", "21 levels", "99 levels", "level count text",
                                           "row of 2", "row of 4", "grade 0", "grade 12", "one grade",
                                           "helix modification 7", "last line missing",
                                           "a marked last section that does not parse"),
                         [](const auto& info) {
                             std::string name = info.param;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

TEST_F(SaveLoadTest, MissingOrUnreadableFileIsRefused) {
    Defaults(kExternalPair);
    const GlobalData before = G;
    EXPECT_THROW(LoadCase(Path("none.PEV")), CaseFileError);
    EXPECT_THROW(LoadCase(dir.string()), CaseFileError);
    EXPECT_TRUE(G == before);
}

// The file holds no cutter: a small internal wheel reads with the cutter its teeth give, as
// entering them does, whatever cutter the case before had.
TEST_F(SaveLoadTest, ASmallInternalWheelReadsWithTheCutterItsTeethGive) {
    Defaults(kInternalPair);
    G.z2 = -20;
    FitCutterToInternalWheel(G);  // as entering the teeth does
    Derive();
    SaveCase(Path("small"), "t", "d");
    for (double before : {25.0, 10.0, 60.0}) {
        G.z0 = before;
        LoadCase(Path("small.PEV"));
        EXPECT_EQ(G.z0, 15) << before;
    }
}

TEST_F(SaveLoadTest, LoadRecomputesTheDerivedValues) {
    Defaults(kInternalPair);
    Derive();
    G.LoadInputMethod = kMultilevelLoading;
    for (int i = 1; i <= G.LevelCount; ++i) G.n1Level[i] = G.n1;
    G.SpectrumAbsolute = false;
    G.SpectrumRatioToMax = true;
    G.SpectrumRatioToMin = true;
    G.Tmax = 2600;
    G.Tmin = 120;
    SaveCase(Path("internal"), "t", "d");
    const GlobalData saved = G;

    G = GlobalData{};
    Defaults(kExternalPair);
    Derive();
    G.b = G.bFmin = 0;
    LoadCase(Path("internal.PEV"));
    EXPECT_EQ(G.b, 60);  // b1 = b2 = 60, no offset
    EXPECT_EQ(G.bFmin, 60);
    EXPECT_EQ(G.LoadedFromFile, 1);
    EXPECT_EQ(G.GearingType, kInternalPair);
    EXPECT_DOUBLE_EQ(G.sRmin2, 1.75 * G.mn);
    EXPECT_DOUBLE_EQ(G.ht1, (G.da1 - G.df1) * 0.5);
    EXPECT_DOUBLE_EQ(G.sRmin1, 0.5 * G.ht1);
    EXPECT_DOUBLE_EQ(G.u, -2);
    EXPECT_DOUBLE_EQ(G.zn1, 20);
    EXPECT_NEAR(G.d1, saved.d1, 1e-12);
    EXPECT_NEAR(G.alfawt, saved.alfawt, 1e-9);
    EXPECT_EQ(G.SpectrumRefLoad, 2600);
    EXPECT_EQ(G.SpectrumRefLoadMin, 120);
    EXPECT_TRUE(notices.notices.empty());
}

// ---- A calculation depends on the case alone

// The shown results whose bits differ from `before`, by name.
std::vector<std::string> Changed(const std::vector<NamedResult>& before) {
    const std::vector<NamedResult> now = ShownResults();
    std::vector<std::string> changed;
    if (now.size() != before.size()) return {"the list of results"};
    for (size_t i = 0; i < now.size(); ++i)
        if (std::memcmp(&now[i].value, &before[i].value, sizeof(double)) != 0) changed.push_back(now[i].what);
    return changed;
}

// The default five-level spectrum by Haibach with its level factors computed, whose cycles pass the
// endurance limits (the permissible stresses then follow the Haibach tail): calculated twice, and
// read back from its data file after another case, it gives the same bits.
TEST_F(SaveLoadTest, ACaseCalculatesTheSameAgainAndFromItsFile) {
    auto spectrum = [] {
        Defaults(kExternalPair);
        Derive();
        test::HaibachSpectrumWithComputedFactors();
        G.KHbetaCalcVariant = "c";                               // the listing prints the deformation components
        const double torques[] = {3000, 2500, 2000, 1200, 800};  // the lower levels below the knee
        for (int i = 1; i <= 5; ++i) {
            G.SpectrumX[i] *= 1000;  // 3e6 .. 2e8 cycles
            G.SpectrumY[i] = torques[i - 1];
        }
    };
    spectrum();
    ASSERT_TRUE(CalculateCase());
    const std::vector<NamedResult> first = ShownResults();
    ASSERT_TRUE(CalculateCase());
    EXPECT_EQ(Changed(first), std::vector<std::string>{});
    SaveCase(Path("case"), "t", "d");

    // Read back in a fresh program, and again after the one-load case was calculated.
    G = GlobalData{};
    Defaults(kExternalPair);
    LoadCase(Path("case.PEV"));
    ASSERT_TRUE(CalculateCase());
    const std::vector<NamedResult> loaded = ShownResults();
    SaveCase(Path("again"), "t", "d");
    Defaults(kExternalPair);
    Derive();
    ASSERT_TRUE(CalculateCase());
    LoadCase(Path("case.PEV"));
    ASSERT_TRUE(CalculateCase());
    EXPECT_EQ(Changed(loaded), std::vector<std::string>{});
    LoadCase(Path("again.PEV"));
    ASSERT_TRUE(CalculateCase());
    EXPECT_EQ(Changed(loaded), std::vector<std::string>{});
}

// What a loaded and calculated case shows: its derived geometry after the load, whether it
// calculated, its notices, its results (bits) and the three files of its Save data.
struct CaseOutcome {
    std::vector<double> geometry;
    bool calculated = false;
    std::vector<std::string> notices;
    std::vector<NamedResult> results;
    std::string listing, data, resultsListing;
};

// Four cases a designer switches between, each entered from the program as it starts; two hold
// inputs that their file does not (a protuberance, a pinion not shrink fitted, a cutter).
struct HistoryCase {
    const char* name;
    void (*enter)();
};

void OneLoadWithKA() {
    GlobalData& g = G;
    g.KA = 1.75;
    g.x1 = 0.4, g.x2 = 0.1, g.xsum = 0.5;
    g.Protub1 = 0.02;
    g.PinionShrinkFitted = false;
    g.KvDirect = false;
}

// Miner at one third of the one-load case's resonance speed (set by the test), Kv of its own.
double gEquivalentSpeed = 1000;
void EquivalentLoadsGiven() {
    GlobalData& g = G;
    g.LoadInputMethod = kDirectEquivalentLoad;
    g.CalcMethodics = kMethodicsMiner;
    g.HypothesisHaibach = false;
    g.LoadAsForce = true;
    SetEquivalentLoadFactorsToOne(g);
    g.KHbetaDirect = g.KHalfaDirect = g.KFalfaDirect = g.KFbetaDirect = true;
    g.KvDirect = false;
    g.FtFe1 = 40000, g.FtHe1 = 45000, g.FtFe2 = 38000, g.FtHe2 = 42000;
    g.n1 = gEquivalentSpeed;
}

// KHbeta by method C on a thin shaft, where the shrink fit counts; a cutter of the user's own.
void InternalPair() {
    GlobalData& g = G;
    g.GearingType = kInternalPair;
    SetDefaultInputs();
    g.x1 = 0.2, g.x2 = 0.1, g.xsum = 0.3;
    g.RofP2 = 0.3;
    g.z0 = 30, g.x0 = 0.05;
    g.KHbetaMethod = "ISO_C";
    g.KHbetaDirect = false;
    g.dsh1 = 60;
}

// x0 + x2 = 0.2 above the cutter's critical sum 0.16 (x1 + x2 below the pair's 0.58): the wheel
// cannot be cut.
void InternalPairCutterCannotMesh() {
    GlobalData& g = G;
    g.GearingType = kInternalPair;
    SetDefaultInputs();
    g.z1 = 12, g.z2 = -30, g.mn = 2, g.alfan = 25 * std::numbers::pi / 180;
    g.x1 = 0, g.x2 = 0.2, g.xsum = 0.2;
}

const HistoryCase kHistoryCases[] = {
    {"one load with KA 1.75", OneLoadWithKA},
    {"equivalent loads given", EquivalentLoadsGiven},
    {"internal pair", InternalPair},
    {"internal pair whose cutter cannot mesh", InternalPairCutterCannotMesh},
};

class CaseHistoryTest : public test::FilesTest {
protected:
    // The program as it starts.
    void Start() {
        test::ResetProgramState();
        notices.Clear();
        Defaults(kExternalPair);
        Derive();
    }
    // The case entered in the windows after a start.
    void Enter(const HistoryCase& c) {
        Start();
        c.enter();
        Derive();
    }
    std::string FileOf(const HistoryCase& c) const {
        return Path("case" + std::to_string(&c - kHistoryCases) + ".PEV");
    }
    CaseOutcome Calculate() {
        CaseOutcome o;
        o.calculated = CalculateCase();
        o.notices = notices.Texts();
        notices.Clear();
        if (!o.calculated) return o;
        o.results = ShownResults();
        SaveCase(Path("out"), "t", "d");
        o.listing = Slurp(Path("out.VST"));
        o.data = Slurp(Path("out.PEV"));
        o.resultsListing = Slurp(Path("out.VYS"));
        return o;
    }
    CaseOutcome LoadAndCalculate(const HistoryCase& c) {
        LoadCase(FileOf(c));
        const GlobalData& g = G;
        std::vector<double> geometry{g.alfawt, g.dw1, g.dw2, g.sa1, g.sa2, g.da1, g.da2};
        if (g.GearingType == kInternalPair) geometry.insert(geometry.end(), {g.a0, g.dw2c, g.dw0});
        CaseOutcome o = Calculate();
        o.geometry = geometry;
        return o;
    }
};

void ExpectSame(const CaseOutcome& alone, const CaseOutcome& after, const std::string& what) {
    ASSERT_EQ(after.geometry.size(), alone.geometry.size()) << what;
    EXPECT_EQ(std::memcmp(after.geometry.data(), alone.geometry.data(), alone.geometry.size() * sizeof(double)), 0)
        << what << ": alfawt, dw1, dw2, sa1, sa2, da1, da2 (a0, dw2c, dw0)";
    EXPECT_EQ(after.calculated, alone.calculated) << what;
    EXPECT_EQ(after.notices, alone.notices) << what;
    ASSERT_EQ(after.results.size(), alone.results.size()) << what;
    for (size_t i = 0; i < alone.results.size(); ++i)
        EXPECT_EQ(std::memcmp(&after.results[i].value, &alone.results[i].value, sizeof(double)), 0)
            << what << ": " << alone.results[i].what << " " << alone.results[i].value << " / "
            << after.results[i].value;
    EXPECT_EQ(after.listing, alone.listing) << what;
    EXPECT_EQ(after.data, alone.data) << what;
    EXPECT_EQ(after.resultsListing, alone.resultsListing) << what;
}

// Each case read from its file after another case was entered and calculated gives what it gives
// read after a fresh start: derived geometry, results, validity report, listings and data file.
// A case the calculation refuses is refused the same way in memory and after a load.
TEST_F(CaseHistoryTest, ACaseReadAfterAnotherGivesWhatItGivesAlone) {
    Enter(kHistoryCases[0]);
    ASSERT_TRUE(CalculateCase());
    gEquivalentSpeed = G.nE1 / 3;  // the resonance ratio 0.33 of the validity report
    for (const HistoryCase& c : kHistoryCases) {
        Enter(c);
        SaveCase(FileOf(c), "t", "d");
    }
    std::vector<CaseOutcome> alone;
    for (const HistoryCase& c : kHistoryCases) {
        Enter(c);
        const CaseOutcome inMemory = Calculate();
        Start();
        alone.push_back(LoadAndCalculate(c));
        EXPECT_EQ(alone.back().calculated, inMemory.calculated) << c.name;
        EXPECT_EQ(alone.back().notices, inMemory.notices) << c.name;
    }
    // Directly given equivalent loads work with KA and the load factors 1.
    EXPECT_EQ(alone[1].results[0].what, "The load factor KF");
    EXPECT_EQ(alone[1].results[0].value, 1);
    EXPECT_FALSE(alone[3].calculated);
    EXPECT_EQ(alone[3].notices,
              std::vector<std::string>{"Sum of Addendum Modification Coefficients (manufacturing) x0+x2 is greater "
                                       "than critical"});

    for (size_t b = 0; b < std::size(kHistoryCases); ++b)
        for (const HistoryCase& a : kHistoryCases) {
            if (&a == &kHistoryCases[b]) continue;
            Enter(a);
            CalculateCase();
            notices.Clear();
            ExpectSame(alone[b], LoadAndCalculate(kHistoryCases[b]),
                       std::string(kHistoryCases[b].name) + " after " + a.name);
        }
}

}  // namespace
