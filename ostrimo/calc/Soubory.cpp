#include "ostrimo/calc/Soubory.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <cstdint>
#include <string>
#include <vector>

#include "ostrimo/calc/Geometricke_vypocty.h"
#include "ostrimo/calc/Global.h"
#include "ostrimo/calc/Protub.h"
#include "runtime/NumText.h"
#include "runtime/Notice.h"

namespace ostrimo {

rt::TextFile DataFile;

namespace {

const char* const kSeparator = "---------------------------";  // 27 hyphens
const char* const kTestDimensionsTitle = "Test dimensions -";
const char* const kToolsTitle = "Tools -";

void ShowDataFileErrorBox() { rt::MessageBox(kDataFileError, kErrorCaption, rt::MB_OK); }

// ---------------------------------------------------------------- writer

// Where the writer's lines go: the data file, or the lines the case keeps (KeepDataFileValues).
std::vector<std::string>* g_keptLines = nullptr;

void WriteLine(const std::string& line) {
    if (g_keptLines)
        g_keptLines->push_back(line);
    else
        DataFile.WriteLn(line);
}
// A value not computed is kept as 0 (and so is a result that is no number, of a check refused).
void WriteReal(double v) { WriteLine(rt::Str(Computed(v) && std::isfinite(v) ? v : 0.0, 14, 12)); }
void WriteFlag(bool f) { WriteLine(f ? "1" : "0"); }
void WriteInteger(long long i) { WriteLine(rt::Str(i)); }

// Exactly one line for the thinned gears, whatever the three options hold.
const char* ThinningChoice() {
    if (G.ThinBothWheels) return "1";
    if (G.ThinPinionOnly) return "2";
    if (G.ThinWheelOnly) return "3";
    return "1";
}

// ---------------------------------------------------------------- reader

struct Malformed {};

class CaseReader {
public:
    CaseReader(GlobalData& g, const std::vector<std::string>& lines) : g_(g), lines_(lines) {}

    void Read();

private:
    bool End() const { return next_ >= lines_.size(); }
    std::string Line() {
        if (End()) throw Malformed{};  // the file ends early
        return lines_[next_++];
    }
    // A number of type T (rt::Val's syntax: leading blanks, nothing after the number).
    template <typename T>
    T Number() {
        T v{};
        int code = 0;
        rt::Val(Line(), v, code);
        if (code != 0) throw Malformed{};
        return v;
    }
    double Real() { return Number<double>(); }
    std::int32_t Integer() { return Number<std::int32_t>(); }
    std::int16_t ShortInteger() { return Number<std::int16_t>(); }
    bool Flag() { return Line() == "1"; }
    // The file's last line, which a file may lack: read as empty.
    std::string LastLine() { return End() ? std::string() : Line(); }
    void Skip(int lines) {
        for (int i = 0; i < lines; ++i) Line();
    }

    GlobalData& g_;
    const std::vector<std::string>& lines_;
    std::size_t next_ = 0;
};

// The test dimensions that the file keeps as 0 because they were not computed: a span, ball,
// dimension over balls or contact diameter that is no length, and the chords with their ranges
// (where 0 can be a value) when the check computed none of the test dimensions.
void ForgetTestDimensionsKeptAsZero(GlobalData& g) {
    double* const lengths[] = {&g.W1, &g.W2, &g.dt1, &g.dt2, &g.M1, &g.M2, &g.dM1, &g.dM2};
    for (double* v : lengths)
        if (!(*v > 0)) *v = kNotComputed;
    double* const chords[] = {
        &g.sc1, &g.sc2, &g.ChordMin1,       &g.ChordMin2,       &g.ChordMax1,       &g.ChordMax2,
        &g.hc1, &g.hc2, &g.ChordHeightMin1, &g.ChordHeightMin2, &g.ChordHeightMax1, &g.ChordHeightMax2};
    const auto notComputed = [](double* v) { return !Computed(*v); };
    const auto zero = [](double* v) { return *v == 0; };
    if (g.zw1 == 0 && g.zw2 == 0 && std::ranges::all_of(lengths, notComputed) && std::ranges::all_of(chords, zero))
        for (double* v : chords) *v = kNotComputed;
}

void CaseReader::Read() {
    GlobalData& g = g_;
    const std::int32_t type = Integer();
    if (type < kExternalGearing || type > kRackMateType) throw Malformed{};
    g.RackMate = type == kRackMateType;
    g.GearingType = g.RackMate ? kExternalGearing : type;

    g.BacklashByExtraAmc = Flag();
    g.BacklashByShifting = Flag();
    g.BacklashByThinning = Flag();
    if (g.BacklashByThinning) {
        const std::string choice = Line();
        if (choice != "1" && choice != "2" && choice != "3") throw Malformed{};
        g.ThinBothWheels = choice == "1";
        g.ThinPinionOnly = choice == "2";
        g.ThinWheelOnly = choice == "3";
    }
    g.mn = Real();
    g.z1 = Real();
    g.z2 = Real();
    if (g.GearingType == kBevelGearing) {
        g.z1Bevel = g.z1;
        g.z2Bevel = g.z2;
    }
    g.betaDeg = Real();
    g.beta = DegToRad(g.betaDeg);
    g.b = Real();
    g.xsum = Real();
    g.x1 = Real();
    g.x2 = Real();
    g.aw = Real();
    if (g.BacklashByShifting) {
        g.awBacklash = Real();
        g.alfawtBacklash = DegToRad(Real());
    }
    if (g.BacklashByExtraAmc) {
        g.xsumBacklash = Real();
        g.xsumNoBacklash = Real();
    }
    g.alfawtDeg = Real();
    g.alfawt = DegToRad(g.alfawtDeg);
    g.jn = Real();
    g.k = Real();
    g.haP1 = Real();
    g.haP2 = Real();
    g.cP1 = Real();
    g.cP2 = Real();
    g.rofP1 = Real();
    g.rofP2 = Real();
    g.alfaP = Real();
    g.alfan = DegToRad(g.alfaP);
    g.da1 = Real();
    (g.RackMate ? g.ha2 : g.da2) = Real();
    if (g.GearingType == kInternalGearing) {
        g.z0 = Integer();
        g.x0 = Real();
        g.rof0 = Real();
        g.roa0 = Real();
        g.FellowMaxOperatingHeight = Flag();
        g.FellowFullyRoundedTip = Flag();
    }
    g.TipDiameter1Given = Flag();
    g.TipDiameter2Given = Flag();
    g.AmcUndivided = Flag();
    g.BacklashCreated = Flag();
    const std::int32_t lastInput = Integer();
    if (lastInput < kNoComputingInput || lastInput > kAlfawtInput) throw Malformed{};
    g.LastComputingInput = static_cast<std::int16_t>(lastInput);
    g.RoundedRoot = Flag();
    if (g.GearingType == kBevelGearing) {
        g.SigmaDeg = Real();
        g.Sigma = DegToRad(g.SigmaDeg);
    }

    Skip(2);  // separator and "Test dimensions -"
    g.ChordConstant1 = Flag();
    g.ChordConstant2 = Flag();
    g.ChordOnReference1 = Flag();
    g.ChordOnReference2 = Flag();
    g.ChordChosen1 = Flag();
    g.ChordChosen2 = Flag();
    for (double* v : {&g.sc1, &g.sc2, &g.ChordMin1, &g.ChordMin2, &g.ChordMax1, &g.ChordMax2, &g.hc1, &g.hc2,
                      &g.ChordHeightMin1, &g.ChordHeightMin2, &g.ChordHeightMax1, &g.ChordHeightMax2})
        *v = Real();
    g.zw1 = ShortInteger();
    g.zw2 = ShortInteger();
    for (double* v : {&g.W1, &g.W2, &g.dt1, &g.dt2, &g.M1, &g.M2, &g.dM1, &g.dM2}) *v = Real();
    ForgetTestDimensionsKeptAsZero(g);

    Skip(2);  // separator and "Tools -"
    g.Chamfer1 = Flag();
    g.Chamfer2 = Flag();
    g.Protuberance1 = Flag();
    g.Protuberance2 = Flag();
    for (double* v :
         {&g.ToolAddendumFactor1, &g.ToolAddendumFactor2, &g.ToolCrestRadiusFactor1, &g.ToolCrestRadiusFactor2,
          &g.ChamferHeightFactor1, &g.ChamferHeightFactor2, &g.ChamferAngle1, &g.ChamferAngle2, &g.ProtuberanceAngle1,
          &g.ProtuberanceAngle2, &g.haP01, &g.haP02, &g.ProtuberanceSize1, &g.ProtuberanceSize2})
        *v = Real();
    g.ChamferAngleDeg1 = RadToDeg(g.ChamferAngle1);
    g.ChamferAngleDeg2 = RadToDeg(g.ChamferAngle2);
    if (g.BacklashByThinning) g.ThinByRegrinding = LastLine() != "1";

    // the bases the backlash methods return to: the file keeps the sum without backlash
    g.x1BeforeBacklash = g.x1;
    g.awNoBacklash = g.aw;
    if (!g.BacklashByExtraAmc) g.xsumNoBacklash = g.xsum;
}

// The values the main dialog's validators would refuse, and values the case cannot hold at
// all.  Values a computation may have set (the sum of AMC, the coefficients, the centre
// distance and the working angle that were not the last computing input) are held to their
// sign only, and the tip diameters that were not given not at all: the program saves them as
// it computed them, and computes them again when the file is opened.
bool AcceptedByTheValidators(const GlobalData& g) {
    constexpr double kRounding = 1e-9;  // the file keeps 12 decimals
    const bool internal = g.GearingType == kInternalGearing, bevel = g.GearingType == kBevelGearing, rack = g.RackMate;
    auto within = [](double x, double low, double high) { return x >= low && x <= high; };
    if (!(g.mn > 0) || !(g.b > 0)) return false;
    if (!(g.z1 >= 4)) return false;
    if (internal ? !(g.z2 <= -4) : rack ? !(g.z2 > 5000) : !(g.z2 >= 4)) return false;
    if ((internal || bevel) && std::fabs(g.z2) < g.z1) return false;  // the pinion is the smaller gear
    if (!(g.betaDeg >= 0 && g.betaDeg < 90)) return false;            // the helix search may pass the typed 80
    if (!(g.alfaP > 0 && g.alfaP <= 50)) return false;
    if (!within(g.jn, 0, g.mn)) return false;
    if (bevel && !(g.SigmaDeg > 0 && g.SigmaDeg < 180)) return false;
    // Basic rack: addendum and clearance within a quarter pitch, the root radius within a full
    // rounding (negative ones only get a warning).
    const double quarter = std::numbers::pi / 4 / std::tan(g.alfan);
    if (!within(g.haP1, 0, quarter - g.cP1 + kRounding) || !within(g.haP2, 0, quarter - g.cP2 + kRounding))
        return false;
    if (!within(g.cP1, 0, quarter - g.haP1 + kRounding) || !within(g.cP2, 0, quarter - g.haP2 + kRounding))
        return false;
    auto rootRadiusMax = [&](double toolAddendum) { return FullRoundedRootRadius(g.alfan, toolAddendum) + 0.0001; };
    if (!g.Protuberance1 && !(g.rofP1 <= rootRadiusMax(g.haP2 + g.cP2))) return false;
    if (!internal && !g.Protuberance2 && !(g.rofP2 <= rootRadiusMax(g.haP1 + g.cP1))) return false;
    // Tip diameters typed (a rack's addendum)
    if (g.TipDiameter1Given && !(g.da1 > 0)) return false;
    if (rack) {
        if (!within(g.ha2, 0, g.mn * quarter + kRounding)) return false;
    } else if (g.TipDiameter2Given && (internal ? !(g.da2 < 0) : !(g.da2 > 0))) {
        return false;
    }
    switch (g.LastComputingInput) {
        case kNoComputingInput:
        case kXsumInput: return within(g.xsum, -15, 10);
        case kX1Input: return within(g.x1, -15, 8);
        case kX2Input: return within(g.x2, -15, 8);
        case kAwInput: return bevel || rack || (internal ? g.aw < 0 : g.aw > 0);
        case kAlfawtInput: return g.alfawtDeg > 0;
        default: return true;
    }
}

}  // namespace

void ShowDataFileError() {
    if (G.ValCode != 0) ShowDataFileErrorBox();
}

namespace {

// The lines of the case, to the file or to the lines the case keeps.
void WriteCaseLines() {
    WriteInteger(G.RackMate ? kRackMateType : G.GearingType);
    WriteFlag(G.BacklashByExtraAmc);
    WriteFlag(G.BacklashByShifting);
    WriteFlag(G.BacklashByThinning);
    if (G.BacklashByThinning) WriteLine(ThinningChoice());
    WriteReal(G.mn);
    WriteReal(G.GearingType == kBevelGearing ? G.z1Bevel : G.z1);
    WriteReal(G.GearingType == kBevelGearing ? G.z2Bevel : G.z2);
    WriteReal(G.betaDeg);
    for (double v : {G.b, G.xsum, G.x1, G.x2, G.aw}) WriteReal(v);
    if (G.BacklashByShifting) {
        WriteReal(G.awBacklash);
        WriteReal(RadToDeg(G.alfawtBacklash));
    }
    if (G.BacklashByExtraAmc) {
        WriteReal(G.xsumBacklash);
        WriteReal(G.xsumNoBacklash);
    }
    WriteReal(G.alfawtDeg);
    for (double v : {G.jn, G.k, G.haP1, G.haP2, G.cP1, G.cP2, G.rofP1, G.rofP2, G.alfaP, G.da1}) WriteReal(v);
    WriteReal(G.RackMate ? G.ha2 : G.da2);
    if (G.GearingType == kInternalGearing) {
        WriteInteger(G.z0);
        for (double v : {G.x0, G.rof0, G.roa0}) WriteReal(v);
        WriteFlag(G.FellowMaxOperatingHeight);
        WriteFlag(G.FellowFullyRoundedTip);
    }
    for (bool f : {G.TipDiameter1Given, G.TipDiameter2Given, G.AmcUndivided, G.BacklashCreated}) WriteFlag(f);
    WriteInteger(G.LastComputingInput);
    WriteFlag(G.RoundedRoot);
    if (G.GearingType == kBevelGearing) WriteReal(G.SigmaDeg);

    WriteLine(kSeparator);
    WriteLine(kTestDimensionsTitle);
    for (bool f :
         {G.ChordConstant1, G.ChordConstant2, G.ChordOnReference1, G.ChordOnReference2, G.ChordChosen1, G.ChordChosen2})
        WriteFlag(f);
    for (double v : {G.sc1, G.sc2, G.ChordMin1, G.ChordMin2, G.ChordMax1, G.ChordMax2, G.hc1, G.hc2, G.ChordHeightMin1,
                     G.ChordHeightMin2, G.ChordHeightMax1, G.ChordHeightMax2})
        WriteReal(v);
    WriteInteger(G.zw1);
    WriteInteger(G.zw2);
    for (double v : {G.W1, G.W2, G.dt1, G.dt2, G.M1, G.M2, G.dM1, G.dM2}) WriteReal(v);

    WriteLine(kSeparator);
    WriteLine(kToolsTitle);
    for (bool f : {G.Chamfer1, G.Chamfer2, G.Protuberance1, G.Protuberance2}) WriteFlag(f);
    for (double v :
         {G.ToolAddendumFactor1, G.ToolAddendumFactor2, G.ToolCrestRadiusFactor1, G.ToolCrestRadiusFactor2,
          G.ChamferHeightFactor1, G.ChamferHeightFactor2, G.ChamferAngle1, G.ChamferAngle2, G.ProtuberanceAngle1,
          G.ProtuberanceAngle2, G.haP01, G.haP02, G.ProtuberanceSize1, G.ProtuberanceSize2})
        WriteReal(v);
    if (G.BacklashByThinning) WriteLine(G.ThinByRegrinding ? "0" : "1");
}

}  // namespace

void WriteGeometryDataFile() {
    WriteCaseLines();

    // the radians agree with the degrees just saved
    G.beta = DegToRad(G.betaDeg);
    G.alfawt = DegToRad(G.alfawtDeg);
    G.alfan = DegToRad(G.alfaP);
    if (G.GearingType == kBevelGearing) G.Sigma = DegToRad(G.SigmaDeg);
}

void KeepDataFileValues() {
    std::vector<std::string> lines;
    g_keptLines = &lines;
    WriteCaseLines();
    g_keptLines = nullptr;
    GlobalData kept = G;
    try {
        CaseReader(kept, lines).Read();
    } catch (const Malformed&) {
        return;  // the writer's own lines always read back
    }
    G = std::move(kept);
}

void ComputeFromDataFileValues() {
    GlobalData& g = G;
    if (g.Protuberance1) g.ProtuberanceImpossible1 = !ComputeProtuberanceFlankShift1();
    if (g.Protuberance2) g.ProtuberanceImpossible2 = !ComputeProtuberanceFlankShift2();
    if (g.GearingType == kBevelGearing) ComputeBevelGearDimensions();
    ComputeFromLastComputingInput();
    if (!g.RackMate) return ComputeGearPairDimensions();
    ComputeRackPairDimensions();
    g.alfawt = g.alfat;  // a pinion meshes with its rack at the transverse pressure angle
    g.alfawtDeg = RadToDeg(g.alfawt);
}

namespace {

// What a file is read into: the program's defaults of its gearing type, so that nothing the
// file does not hold is left from the case before; the angle display and the field
// protocol's texts belong to the windows and stay.
GlobalData StartOfARead(const std::vector<std::string>& lines) {
    std::int32_t type = kExternalGearing;
    int code = 0;
    if (!lines.empty()) rt::Val(lines.front(), type, code);
    GlobalData current = std::move(G);
    G = GlobalData{};
    G.GearingType = type == kInternalGearing || type == kBevelGearing ? type : kExternalGearing;
    SetDefaultGearData();
    GlobalData start = std::move(G);
    G = std::move(current);
    start.AngleFormatDMS = G.AngleFormatDMS;
    start.BacklashValidatedByClick = G.BacklashValidatedByClick;
    start.OldText = G.OldText;
    start.WorkText = G.WorkText;
    start.EditionCaption = G.EditionCaption;
    return start;
}

}  // namespace

bool ReadGeometryDataFile() {
    std::vector<std::string> lines;
    while (!DataFile.Eof()) lines.push_back(DataFile.ReadLn());
    GlobalData read = StartOfARead(lines);
    try {
        CaseReader(read, lines).Read();
        if (!AcceptedByTheValidators(read)) throw Malformed{};
    } catch (const Malformed&) {
        ShowDataFileErrorBox();
        return false;
    }
    read.ValCode = 0;
    read.DataFileLoaded = true;
    G = std::move(read);
    return true;
}

}  // namespace ostrimo
