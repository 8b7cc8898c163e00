#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <numbers>
#include <optional>
#include <sstream>
#include <unistd.h>
#include <utility>

#include "CoreTest.h"
#include "ScratchDir.h"
#include "ostrimo/calc/Global.h"
#include "ostrimo/calc/Soubory.h"
#include "runtime/NumText.h"

using namespace ostrimo;

namespace {

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::vector<std::string> SplitLines(const std::string& bytes, const std::string& end = "\r\n") {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t e = bytes.find(end, start);
        if (e == std::string::npos) e = bytes.size();
        lines.push_back(bytes.substr(start, e - start));
        start = e + end.size();
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines, const std::string& end = "\r\n") {
    std::string out;
    for (const std::string& l : lines) out += l + end;
    return out;
}

// A real as the file keeps it: 12 decimals.
double Kept(double v) {
    double r = 0;
    int code = 0;
    rt::Val(rt::Str(std::isfinite(v) ? v : 0.0, 14, 12), r, code);
    return r;
}

void Defaults(int gearingType) {
    G = GlobalData{};
    G.GearingType = gearingType;
    SetDefaultGearData();
}

class DataFileTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        scratch.emplace();
        path = scratch->File("case.dat");
    }
    void TearDown() override {
        CoreTest::TearDown();
        scratch.reset();
    }

    void Save() {
        DataFile.Assign(path);
        DataFile.Rewrite();
        WriteGeometryDataFile();
        DataFile.Close();
    }
    bool Open() {
        DataFile.Assign(path);
        DataFile.Reset();
        const bool ok = ReadGeometryDataFile();
        DataFile.Close();
        return ok;
    }

    // Opening `bytes` is refused with the box and leaves the case as it was.
    void ExpectRefused(const std::string& bytes, const std::string& what) {
        SCOPED_TRACE(what);
        WriteBytes(path, bytes);
        const GlobalData before = G;
        notices.Clear();
        EXPECT_FALSE(Open());
        EXPECT_EQ(G, before);
        ASSERT_EQ(notices.notices.size(), 1u);
        EXPECT_EQ(notices.notices[0], (rt::Notice{rt::Notice::Box, "Error or incompatibility in the input data file",
                                                  "  Error !", rt::MB_OK}));
    }

    std::optional<test_support::ScratchDir> scratch;
    std::string path;
};

// What the reader must make of a case `saved` opened after the state `before`: every
// item of the file as kept at 12 decimals, the radians of the degree values, the bases of
// the backlash methods, nothing else.
GlobalData ExpectedAfterOpen(const GlobalData& saved, const GlobalData& before) {
    const GlobalData current = G;
    Defaults(saved.GearingType);  // read into the defaults of its type; the angle display stays
    GlobalData e = std::exchange(G, current);
    e.AngleFormatDMS = before.AngleFormatDMS;
    const bool bevel = saved.GearingType == kBevelGearing;
    e.GearingType = saved.GearingType;
    e.RackMate = saved.RackMate;
    e.BacklashByExtraAmc = saved.BacklashByExtraAmc;
    e.BacklashByShifting = saved.BacklashByShifting;
    e.BacklashByThinning = saved.BacklashByThinning;
    if (saved.BacklashByThinning) {
        e.ThinBothWheels = saved.ThinBothWheels;
        e.ThinPinionOnly = saved.ThinPinionOnly && !saved.ThinBothWheels;
        e.ThinWheelOnly = saved.ThinWheelOnly && !saved.ThinBothWheels && !saved.ThinPinionOnly;
        e.ThinByRegrinding = saved.ThinByRegrinding;
    }
    e.z1 = Kept(bevel ? saved.z1Bevel : saved.z1);
    e.z2 = Kept(bevel ? saved.z2Bevel : saved.z2);
    if (bevel) {
        e.z1Bevel = e.z1;
        e.z2Bevel = e.z2;
        e.SigmaDeg = Kept(saved.SigmaDeg);
        e.Sigma = DegToRad(e.SigmaDeg);
    }
    // clang-format off
    for (double GlobalData::*v :
         {&GlobalData::mn, &GlobalData::betaDeg, &GlobalData::b, &GlobalData::xsum, &GlobalData::x1, &GlobalData::x2,
          &GlobalData::aw, &GlobalData::alfawtDeg, &GlobalData::jn, &GlobalData::k, &GlobalData::haP1,
          &GlobalData::haP2, &GlobalData::cP1, &GlobalData::cP2, &GlobalData::rofP1, &GlobalData::rofP2,
          &GlobalData::alfaP, &GlobalData::da1, &GlobalData::sc1, &GlobalData::sc2, &GlobalData::ChordMin1,
          &GlobalData::ChordMin2, &GlobalData::ChordMax1, &GlobalData::ChordMax2, &GlobalData::hc1, &GlobalData::hc2,
          &GlobalData::ChordHeightMin1, &GlobalData::ChordHeightMin2, &GlobalData::ChordHeightMax1,
          &GlobalData::ChordHeightMax2, &GlobalData::W1, &GlobalData::W2, &GlobalData::dt1, &GlobalData::dt2,
          &GlobalData::M1, &GlobalData::M2, &GlobalData::dM1, &GlobalData::dM2, &GlobalData::ToolAddendumFactor1,
          &GlobalData::ToolAddendumFactor2, &GlobalData::ToolCrestRadiusFactor1, &GlobalData::ToolCrestRadiusFactor2,
          &GlobalData::ChamferHeightFactor1, &GlobalData::ChamferHeightFactor2, &GlobalData::ChamferAngle1,
          &GlobalData::ChamferAngle2, &GlobalData::ProtuberanceAngle1, &GlobalData::ProtuberanceAngle2,
          &GlobalData::haP01, &GlobalData::haP02, &GlobalData::ProtuberanceSize1, &GlobalData::ProtuberanceSize2})
        // clang-format on
        e.*v = Kept(saved.*v);
    if (saved.RackMate)
        e.ha2 = Kept(saved.ha2);
    else
        e.da2 = Kept(saved.da2);
    if (saved.BacklashByShifting) {
        e.awBacklash = Kept(saved.awBacklash);
        e.alfawtBacklash = DegToRad(Kept(RadToDeg(saved.alfawtBacklash)));
    }
    if (saved.BacklashByExtraAmc) {
        e.xsumBacklash = Kept(saved.xsumBacklash);
        e.xsumNoBacklash = Kept(saved.xsumNoBacklash);
    }
    if (saved.GearingType == kInternalGearing) {
        e.z0 = saved.z0;
        e.x0 = Kept(saved.x0);
        e.rof0 = Kept(saved.rof0);
        e.roa0 = Kept(saved.roa0);
        e.FellowMaxOperatingHeight = saved.FellowMaxOperatingHeight;
        e.FellowFullyRoundedTip = saved.FellowFullyRoundedTip;
    }
    for (bool GlobalData::*f :
         {&GlobalData::TipDiameter1Given, &GlobalData::TipDiameter2Given, &GlobalData::AmcUndivided,
          &GlobalData::BacklashCreated, &GlobalData::RoundedRoot, &GlobalData::ChordConstant1,
          &GlobalData::ChordConstant2, &GlobalData::ChordOnReference1, &GlobalData::ChordOnReference2,
          &GlobalData::ChordChosen1, &GlobalData::ChordChosen2, &GlobalData::Chamfer1, &GlobalData::Chamfer2,
          &GlobalData::Protuberance1, &GlobalData::Protuberance2})
        e.*f = saved.*f;
    e.LastComputingInput = saved.LastComputingInput;
    e.zw1 = saved.zw1;
    e.zw2 = saved.zw2;
    e.beta = DegToRad(e.betaDeg);
    e.alfawt = DegToRad(e.alfawtDeg);
    e.alfan = DegToRad(e.alfaP);
    e.ChamferAngleDeg1 = RadToDeg(e.ChamferAngle1);
    e.ChamferAngleDeg2 = RadToDeg(e.ChamferAngle2);
    e.x1BeforeBacklash = e.x1;  // the bases the backlash methods return to
    e.awNoBacklash = e.aw;
    if (!saved.BacklashByExtraAmc) e.xsumNoBacklash = e.xsum;
    e.ValCode = 0;
    e.DataFileLoaded = true;
    return e;
}

// The case with its test dimensions not computed as 0, as the file keeps them, so that two cases
// compare (no NaN equals itself).
GlobalData Comparable(GlobalData g) {
    // clang-format off
    for (double* v : {&g.sc1, &g.sc2, &g.ChordMin1, &g.ChordMin2, &g.ChordMax1, &g.ChordMax2, &g.hc1, &g.hc2,
                      &g.ChordHeightMin1, &g.ChordHeightMin2, &g.ChordHeightMax1, &g.ChordHeightMax2, &g.W1, &g.W2,
                      &g.dt1, &g.dt2, &g.M1, &g.M2, &g.dM1, &g.dM2})
        // clang-format on
        if (!Computed(*v)) *v = 0;
    return g;
}

// The case as the main dialog's gearing-type radio leaves it (kRackMateType: a rack mate).
void WindowDefaults(int type) {
    G.aw = 30;
    if (type == kInternalGearing) G.z2 = -80, G.aw = -30;
    if (type == kBevelGearing) G.z1Bevel = 20, G.z2Bevel = 30;
    if (type == kRackMateType) G.RackMate = true, G.z2 = 5001, G.ha2 = 1.25;
    G.da1 = 22;
    G.da2 = type == kInternalGearing ? -78 : 42;
}

// A state unlike the saved ones, to read into.
void OtherState() {
    Defaults(kBevelGearing);
    G.mn = 7;
    G.z1 = G.z2 = G.da2 = G.ha2 = 55;
    G.RackMate = true;
    G.BacklashByShifting = true;
    G.ThinWheelOnly = true;
    G.ValCode = 4;
    G.d1 = 123;  // a derived value not in the file: the defaults' again
}

}  // namespace

TEST_F(DataFileTest, DefaultExternalCaseIsWrittenByteForByte) {
    Defaults(kExternalGearing);
    Save();
    // clang-format off
    const std::vector<std::string> expected = {
        "1", "0", "0", "1", "1",  // type, extra AMC, shifting, thinning; both wheels thinned
        "1.000000000000", "20.000000000000", "40.000000000000", "0.000000000000",  // mn, z1, z2, beta
        "10.000000000000", "0.000000000000", "0.000000000000", "0.000000000000", "0.000000000000",  // b .. aw
        "20.000000000000", "0.000000000000", "0.000000000000",  // working angle, jn, k
        "1.000000000000", "1.000000000000", "0.250000000000", "0.250000000000", "0.380000000000", "0.380000000000",
        "20.000000000000", "22.000000000000", "42.000000000000",  // alfaP, da1, da2
        "0", "0", "0", "0", "0", "0",  // given tips, AMC undivided, backlash created, last input, rounded root
        "---------------------------", "Test dimensions -",
        "1", "1", "0", "0", "0", "0",
        "0.000000000000", "0.000000000000", "0.000000000000", "0.000000000000", "0.000000000000", "0.000000000000",
        "0.000000000000", "0.000000000000", "0.000000000000", "0.000000000000", "0.000000000000", "0.000000000000",
        "0", "0",
        "0.000000000000", "0.000000000000", "0.000000000000", "0.000000000000", "0.000000000000", "0.000000000000",
        "0.000000000000", "0.000000000000",
        "---------------------------", "Tools -",
        "0", "0", "0", "0",
        "1.250000000000", "1.250000000000", "0.380000000000", "0.380000000000", "0.750000000000", "0.750000000000",
        "0.785398163397", "0.785398163397", "0.105644779623", "0.105644779623", "0.750000000000", "0.750000000000",
        "0.050000000000", "0.050000000000",
        "1",  // widened cutter
    };
    // clang-format on
    ASSERT_EQ(expected.size(), 83u);
    EXPECT_EQ(ReadBytes(path), JoinLines(expected));
}

TEST_F(DataFileTest, ExternalHelicalCaseRoundTrips) {
    Defaults(kExternalGearing);
    G.betaDeg = 12.5;
    G.x1 = 0.3;
    G.x2 = -0.1;
    G.xsum = 0.2;
    G.aw = 123.456;  // wider than 14 characters
    G.jn = 0.1;
    G.k = 0.012;
    G.da1 = 24.321;
    G.TipDiameter1Given = G.AmcUndivided = G.RoundedRoot = G.BacklashCreated = true;
    G.ThinBothWheels = false;
    G.ThinPinionOnly = true;
    G.ThinByRegrinding = true;
    G.LastComputingInput = kX1Input;
    G.ChordConstant2 = false;
    G.ChordChosen2 = true;
    G.sc1 = 1.5707963267948966;
    G.hc2 = 0.987654321;
    G.zw1 = 3;
    G.zw2 = 5;
    G.W1 = 7.654321;
    G.M2 = 45.678;
    G.Chamfer1 = G.Protuberance2 = true;
    G.ChamferAngle1 = DegToRad(40);
    Save();
    const GlobalData saved = G;
    EXPECT_EQ(saved.beta, DegToRad(12.5));  // the writer set the radians from the degrees
    EXPECT_EQ(SplitLines(ReadBytes(path))[13], "123.456000000000");
    OtherState();
    const GlobalData before = G;
    ASSERT_TRUE(Open());
    EXPECT_EQ(Comparable(G), ExpectedAfterOpen(saved, before));
    EXPECT_NEAR(G.ChamferAngleDeg1, 40, 1e-9);
    EXPECT_NEAR(G.ChamferAngle2, std::numbers::pi / 4, 1e-12);
    EXPECT_FALSE(G.RackMate);  // the file's type 1 clears a rack mate
    EXPECT_TRUE(G.ThinPinionOnly);
    EXPECT_FALSE(G.ThinWheelOnly);
}

TEST_F(DataFileTest, InternalCaseAddsTheCutterLines) {
    Defaults(kInternalGearing);
    G.z2 = -80;
    G.aw = -30;
    G.da2 = -78.5;
    G.z0 = 25;
    G.x0 = 0.15;
    G.rof0 = 0.3;
    G.roa0 = 0.1;
    G.FellowFullyRoundedTip = true;
    Save();
    const GlobalData saved = G;
    const std::vector<std::string> lines = SplitLines(ReadBytes(path));
    EXPECT_EQ(lines.size(), 89u);
    EXPECT_EQ(lines[26], "25");
    EXPECT_EQ(lines[25], "-78.500000000000");
    OtherState();
    const GlobalData before = G;
    ASSERT_TRUE(Open());
    EXPECT_EQ(Comparable(G), ExpectedAfterOpen(saved, before));
}

TEST_F(DataFileTest, BevelCaseKeepsTheEnteredTeethAndTheShaftAngle) {
    Defaults(kBevelGearing);
    G.z1Bevel = 20;
    G.z2Bevel = 30;
    G.z1 = 22.36;  // virtual numbers: not saved
    G.z2 = 54.08;
    G.SigmaDeg = 75;
    G.Sigma = 0;
    Save();
    const GlobalData saved = G;
    EXPECT_EQ(saved.Sigma, DegToRad(75));
    const std::vector<std::string> lines = SplitLines(ReadBytes(path));
    EXPECT_EQ(lines.size(), 84u);
    EXPECT_EQ(lines[6], "20.000000000000");
    EXPECT_EQ(lines[32], "75.000000000000");
    Defaults(kExternalGearing);
    const GlobalData before = G;
    ASSERT_TRUE(Open());
    EXPECT_EQ(Comparable(G), ExpectedAfterOpen(saved, before));
    EXPECT_EQ(G.z1, 20);
    EXPECT_EQ(G.z1Bevel, 20);
}

TEST_F(DataFileTest, RackMateIsSavedAsTypeFourWithTheRackAddendum) {
    Defaults(kExternalGearing);
    G.RackMate = true;
    G.z2 = 5001;  // a wheel above 5000 teeth is a rack
    G.ha2 = 1.2;
    G.da2 = 99;
    Save();
    const GlobalData saved = G;
    EXPECT_EQ(G.GearingType, kExternalGearing);
    const std::vector<std::string> lines = SplitLines(ReadBytes(path));
    EXPECT_EQ(lines[0], "4");
    EXPECT_EQ(lines[25], "1.200000000000");
    Defaults(kExternalGearing);
    const GlobalData before = G;
    ASSERT_TRUE(Open());
    EXPECT_EQ(Comparable(G), ExpectedAfterOpen(saved, before));
    EXPECT_TRUE(G.RackMate);
    EXPECT_EQ(G.GearingType, kExternalGearing);
    EXPECT_EQ(G.ha2, 1.2);
    EXPECT_EQ(G.da2, 42);  // not in the file
}

TEST_F(DataFileTest, BacklashByShiftingAndByExtraAmcRoundTrip) {
    Defaults(kExternalGearing);
    G.BacklashByThinning = false;
    G.BacklashByShifting = true;
    G.awBacklash = 30.05;
    G.alfawtBacklash = DegToRad(20.4567);
    G.ThinByRegrinding = true;  // not saved without thinning
    Save();
    GlobalData saved = G;
    std::vector<std::string> lines = SplitLines(ReadBytes(path));
    EXPECT_EQ(lines.size(), 83u);  // no thinning lines, two shifting lines
    EXPECT_EQ(lines[14], "20.456700000000");
    OtherState();
    GlobalData before = G;
    ASSERT_TRUE(Open());
    EXPECT_EQ(Comparable(G), ExpectedAfterOpen(saved, before));
    EXPECT_NEAR(G.alfawtBacklash, DegToRad(20.4567), 1e-14);

    Defaults(kExternalGearing);
    G.BacklashByThinning = false;
    G.BacklashByExtraAmc = true;
    G.xsumBacklash = -0.1459;
    G.xsumNoBacklash = 0.5;
    Save();
    saved = G;
    lines = SplitLines(ReadBytes(path));
    EXPECT_EQ(lines.size(), 83u);
    EXPECT_EQ(lines[13], "-0.145900000000");
    OtherState();
    before = G;
    ASSERT_TRUE(Open());
    EXPECT_EQ(Comparable(G), ExpectedAfterOpen(saved, before));
}

TEST_F(DataFileTest, ThinningOfTheWheelWithAWidenedCutterRoundTrips) {
    Defaults(kExternalGearing);
    G.ThinBothWheels = false;
    G.ThinWheelOnly = true;
    G.jn = 0.08;
    Save();
    const GlobalData saved = G;
    const std::vector<std::string> lines = SplitLines(ReadBytes(path));
    EXPECT_EQ(lines[4], "3");
    EXPECT_EQ(lines.back(), "1");
    OtherState();
    const GlobalData before = G;
    ASSERT_TRUE(Open());
    EXPECT_EQ(Comparable(G), ExpectedAfterOpen(saved, before));
    EXPECT_TRUE(G.ThinWheelOnly);
    EXPECT_FALSE(G.ThinByRegrinding);
}

TEST_F(DataFileTest, WriterKeepsTheFileReadable) {
    Defaults(kExternalGearing);
    G.ThinPinionOnly = true;  // two thinning options set: still exactly one line
    G.W1 = std::numeric_limits<double>::quiet_NaN();
    G.M2 = -std::numeric_limits<double>::infinity();
    Save();
    const std::vector<std::string> lines = SplitLines(ReadBytes(path));
    ASSERT_EQ(lines.size(), 83u);
    EXPECT_EQ(lines[4], "1");
    EXPECT_EQ(lines[54], "0.000000000000");  // W1
    EXPECT_EQ(lines[59], "0.000000000000");  // M2
    ASSERT_TRUE(Open());
    EXPECT_FALSE(Computed(G.W1));
    EXPECT_TRUE(G.ThinBothWheels);
    EXPECT_FALSE(G.ThinPinionOnly);
}

TEST_F(DataFileTest, ReadsLinesEndedByLineFeedOnly) {
    Defaults(kExternalGearing);
    G.betaDeg = 8;
    Save();
    const GlobalData saved = G;
    WriteBytes(path, JoinLines(SplitLines(ReadBytes(path)), "\n"));
    Defaults(kExternalGearing);
    const GlobalData before = G;
    ASSERT_TRUE(Open());
    EXPECT_EQ(Comparable(G), ExpectedAfterOpen(saved, before));
}

// A file without its last line, the thinning technology, reads that line as empty; a file
// cut anywhere else is refused whole.
TEST_F(DataFileTest, TruncatedFileIsRefusedAtEveryLengthButWithoutItsLastLine) {
    Defaults(kInternalGearing);  // with the cutter group, thinned with a widened cutter
    G.z2 = -80;
    ASSERT_TRUE(G.BacklashByThinning && !G.ThinByRegrinding);
    Save();
    const GlobalData saved = G;
    const std::vector<std::string> lines = SplitLines(ReadBytes(path));
    ASSERT_EQ(lines.back(), "1");
    Defaults(kExternalGearing);
    G.x1 = 0.25;
    for (size_t n = 0; n + 1 < lines.size(); ++n)
        ExpectRefused(JoinLines({lines.begin(), lines.begin() + static_cast<long>(n)}), std::to_string(n) + " lines");
    WriteBytes(path, JoinLines({lines.begin(), lines.end() - 1}));
    const GlobalData before = G;
    ASSERT_TRUE(Open());
    GlobalData expected = ExpectedAfterOpen(saved, before);
    expected.ThinByRegrinding = true;
    EXPECT_EQ(Comparable(G), expected);
}

// A tip diameter the program computed is saved as computed, whatever its sign, and opens again.
TEST_F(DataFileTest, ComputedTipDiametersOpenWhateverTheirSign) {
    Defaults(kInternalGearing);
    G.z2 = -71;
    G.da1 = -76.35;
    G.da2 = 12;
    Save();
    Defaults(kExternalGearing);
    ASSERT_TRUE(Open());
    EXPECT_EQ(G.da1, -76.35);
    EXPECT_EQ(G.da2, 12);
}

TEST_F(DataFileTest, MalformedItemsAreRefused) {
    Defaults(kExternalGearing);
    Save();
    const std::vector<std::string> good = SplitLines(ReadBytes(path));
    auto with = [&](size_t index, const std::string& text) {
        std::vector<std::string> lines = good;
        lines[index] = text;
        return JoinLines(lines);
    };
    Defaults(kExternalGearing);
    G.mn = 3;
    ExpectRefused(with(0, "0"), "gearing type 0");
    ExpectRefused(with(0, "5"), "gearing type 5");
    ExpectRefused(with(0, "x"), "gearing type text");
    ExpectRefused(with(0, "1.0"), "gearing type real");
    ExpectRefused(with(4, "4"), "thinning choice");
    ExpectRefused(with(5, "1.0x"), "letter after a real");
    ExpectRefused(with(6, ""), "empty real");
    ExpectRefused(with(7, "1e999"), "real out of range");
    ExpectRefused(with(30, "6.5"), "last computing input not whole");
    ExpectRefused(with(30, "11"), "last computing input too large");
    ExpectRefused(with(30, "-1"), "last computing input negative");
    ExpectRefused(with(52, "3.0"), "teeth spanned not whole");
    ExpectRefused(with(52, "40000"), "teeth spanned out of range");

    Defaults(kBevelGearing);
    Save();
    std::vector<std::string> bevel = SplitLines(ReadBytes(path));
    bevel[32] = "ninety";
    Defaults(kExternalGearing);
    ExpectRefused(JoinLines(bevel), "shaft angle");

    Defaults(kInternalGearing);
    Save();
    std::vector<std::string> internal = SplitLines(ReadBytes(path));
    internal[26] = "35.5";
    ExpectRefused(JoinLines(internal), "cutter teeth");
}

TEST_F(DataFileTest, AcceptsWhatTheNumberParserAllows) {
    Defaults(kExternalGearing);
    G.aw = 30;
    Save();
    std::vector<std::string> lines = SplitLines(ReadBytes(path));
    lines[5] = "   2";       // leading blanks, no decimals
    lines[8] = "1.5E+0001";  // exponent form
    lines[30] = "9";
    lines[26] = "yes";  // a flag is set only by "1"
    WriteBytes(path, JoinLines(lines));
    G.TipDiameter1Given = true;
    ASSERT_TRUE(Open());
    EXPECT_EQ(G.mn, 2);
    EXPECT_EQ(G.betaDeg, 15);
    EXPECT_EQ(G.LastComputingInput, kAwInput);
    EXPECT_FALSE(G.TipDiameter1Given);
}

TEST_F(DataFileTest, ErrorBoxFollowsValCode) {
    G.ValCode = 0;
    ShowDataFileError();
    EXPECT_TRUE(notices.notices.empty());
    G.ValCode = 3;
    ShowDataFileError();
    EXPECT_EQ(notices.Texts(), std::vector<std::string>{"Error or incompatibility in the input data file"});
}

// What the main dialog's validators refuse is refused on reading as well; the program's own
// files of every gearing type open.
TEST_F(DataFileTest, ValuesTheInputsPageRefusesAreRefused) {
    struct Case {
        int type;  // a gearing type or kRackMateType
        const char* what;
        void (*edit)();
    };
    const Case cases[] = {
        {kExternalGearing, "tool root radius 1e200", [] { G.rofP1 = 1e200; }},
        {kExternalGearing, "flank angle 0", [] { G.alfaP = 0; }},
        {kExternalGearing, "flank angle 50.0001", [] { G.alfaP = 50.0001; }},
        {kExternalGearing, "module 0", [] { G.mn = 0; }},
        {kExternalGearing, "pinion of 3 teeth", [] { G.z1 = 3; }},
        {kInternalGearing, "annular gear of -3 teeth", [] { G.z2 = -3; }},
        {kRackMateType, "rack of 5000 teeth", [] { G.z2 = 5000; }},
        {kExternalGearing, "helix angle 90", [] { G.betaDeg = 90; }},
        {kExternalGearing, "facewidth 0", [] { G.b = 0; }},
        {kExternalGearing, "addendum above its limit", [] { G.haP1 = 2; }},
        {kExternalGearing, "negative tip clearance", [] { G.cP2 = -0.1; }},
        {kExternalGearing, "backlash above the module", [] { G.jn = 1.5; }},
        {kBevelGearing, "shaft angle 180", [] { G.SigmaDeg = 180; }},
        {kExternalGearing, "typed negative tip diameter", [] { G.da1 = -50, G.TipDiameter1Given = true; }},
        {kInternalGearing, "typed positive annular tip diameter", [] { G.da2 = 50, G.TipDiameter2Given = true; }},
        {kRackMateType, "rack addendum above its limit", [] { G.ha2 = 3; }},
        {kExternalGearing, "typed sum of AMC -1e308",
         [] { G.mn = 1e15, G.xsum = -1e308, G.LastComputingInput = kXsumInput; }},
        {kExternalGearing, "typed x1 of 8.5", [] { G.x1 = 8.5, G.LastComputingInput = kX1Input; }},
        {kInternalGearing, "typed positive annular centre distance",
         [] { G.aw = 30, G.LastComputingInput = kAwInput; }},
    };
    for (const Case& c : cases) {
        Defaults(c.type == kRackMateType ? kExternalGearing : c.type);
        WindowDefaults(c.type);
        Save();
        Defaults(kExternalGearing);
        G.x1 = 0.25;
        ASSERT_TRUE(Open()) << c.what;  // the case before the edit
        Defaults(c.type == kRackMateType ? kExternalGearing : c.type);
        WindowDefaults(c.type);
        c.edit();
        Save();
        Defaults(kExternalGearing);
        G.x1 = 0.25;
        ExpectRefused(ReadBytes(path), c.what);
    }
}
