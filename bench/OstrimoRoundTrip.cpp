// Round trip of random gear pairs through Ostrimo's own data file, with the core steps of the
// main dialog's Save and Open: each pair is entered and saved, then opened from the program's
// start state and saved again, opened after another pair, and its second file opened and saved
// once more.  Reports how many first files re-save byte-identical, how many second files, the
// pairs whose shown values or saved files depend on what was open before, and the largest
// change between a first file and its re-save.
//
// "typed" pairs are entered as a user enters them: numbers of at most 3 or 4 decimals, a
// computing input given last (sum, x1, x2, working centre distance, working pressure angle),
// a backlash method, a check or test dimensions chosen before Save, each as the main dialog's
// validators compute them.  "full" pairs take random values to full precision and are checked
// before Save.
//
//   ostrimo_roundtrip [cases] [seed] [typed|full] [shown]
// With a fourth argument the first differing lines of the first pairs that differ are shown.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <numbers>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "ostrimo/calc/Geometricke_vypocty.h"
#include "ostrimo/calc/Global.h"
#include "ostrimo/calc/Kontrola_geometrie.h"
#include "ostrimo/calc/Kontrolni_rozmery.h"
#include "ostrimo/calc/Soubory.h"
#include "runtime/Notice.h"

namespace {

using ostrimo::G;
namespace fs = std::filesystem;

struct Random {
    std::mt19937_64 engine;
    double Uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(engine); }
    int Whole(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); }
    bool Chance(double p) { return Uniform(0, 1) < p; }
    // A number as typed with the given decimals: the double its text reads as.
    double Typed(double low, double high, int decimals) {
        const double scale = std::pow(10.0, decimals);
        return std::round(Uniform(low, high) * scale) / scale;
    }
};

// The state of the program at its start: the defaults of external gearing.
void StartState() {
    G = ostrimo::GlobalData{};
    ostrimo::SetDefaultGearData();
    G.GearingType = ostrimo::kExternalGearing;
}

// ---------------------------------------------------------------- the main dialog's steps

void PairDimensions() {
    if (G.RackMate)
        ostrimo::ComputeRackPairDimensions();
    else
        ostrimo::ComputeGearPairDimensions();
}

// The recompute of the main dialog: the complete check.
void Recompute() {
    if (G.RackMate) {
        G.alfawt = G.alfat;
    } else if (G.GearingType == ostrimo::kBevelGearing) {
        ostrimo::ComputeBevelGearDimensions();
    }
    ostrimo::ComputeGeometryCheck();
}

// "&Save": the pair's dimensions, then the values the file keeps, computed as Open computes
// them from the file; the test dimensions chosen since the last input change stay.
void Save(const std::string& path) {
    if (G.LastComputingInput == ostrimo::kNoComputingInput) ostrimo::ComputeWorkingCentreDistance();
    PairDimensions();
    ostrimo::KeepDataFileValues();
    const ostrimo::TestDimensionChoices chosen = ostrimo::TestDimensionChoices::Of(G);
    ostrimo::ComputeFromDataFileValues();
    Recompute();
    if (!G.TestDimensionsOutdated) ostrimo::TakeTestDimensionChoices(chosen);
    ostrimo::DataFile.Assign(path);
    ostrimo::DataFile.Rewrite();
    ostrimo::WriteGeometryDataFile();
    ostrimo::DataFile.Close();
}

// "&Open": read, the pair from the file's values, the check, the test dimensions of the file.
bool Open(const std::string& path) {
    ostrimo::DataFile.Assign(path);
    ostrimo::DataFile.Reset();
    const bool read = ostrimo::ReadGeometryDataFile();
    ostrimo::DataFile.Close();
    if (!read) return false;
    const ostrimo::TestDimensionChoices chosen = ostrimo::TestDimensionChoices::Of(G);
    G.DataFileLoaded = false;
    G.TestDimensionsOutdated = false;
    G.CentreDistanceGiven = false;
    G.ObligatoryInputComplete = true;
    ostrimo::ComputeFromDataFileValues();
    Recompute();
    ostrimo::TakeTestDimensionChoices(chosen);
    return true;
}

// ---------------------------------------------------------------- pairs at full precision

void SetAngle(double& degrees, double& radians, double value) {
    degrees = value;
    radians = ostrimo::DegToRad(value);
}

struct Gearing {
    bool internal, rack, bevel;
};

// The defaults of a random gearing type: a fifth internal, some rack mates, `bevels` bevel.
Gearing StartRandomGearing(Random& r, double bevels) {
    const double kind = r.Uniform(0, 1);
    const Gearing type{kind < 0.2, kind >= 0.2 && kind < 0.35, kind >= 0.35 && kind < 0.35 + bevels};
    StartState();
    G.GearingType = type.internal ? ostrimo::kInternalGearing
                    : type.bevel  ? ostrimo::kBevelGearing
                                  : ostrimo::kExternalGearing;
    ostrimo::SetDefaultGearData();
    return type;
}

// The chord of each gear: constant, on the reference cylinder or chosen.
void ChooseChords(Random& r) {
    for (int gear = 1; gear <= 2; ++gear) {
        const int choice = r.Whole(0, 2);
        (gear == 1 ? G.ChordConstant1 : G.ChordConstant2) = choice == 0;
        (gear == 1 ? G.ChordOnReference1 : G.ChordOnReference2) = choice == 1;
        (gear == 1 ? G.ChordChosen1 : G.ChordChosen2) = choice == 2;
    }
}

// A random pair of any gearing type, with the inputs the main dialog accepts.
void FullPrecisionCase(Random& r) {
    const auto [internal, rack, bevel] = StartRandomGearing(r, 0.2);
    G.RackMate = rack;
    G.mn = std::round(std::exp(r.Uniform(std::log(0.5), std::log(25.0))) * 1e4) / 1e4;
    SetAngle(G.alfaP, G.alfan, r.Chance(0.6) ? 20.0 : std::round(r.Uniform(14.5, 28) * 1e3) / 1e3);
    G.cP1 = G.cP2 = r.Chance(0.6) ? G.cP1 : r.Uniform(0.1, 0.4);
    const double quarterPitch = std::numbers::pi / 4 / std::tan(G.alfan);  // addendum and clearance within it
    G.haP1 = G.haP2 = std::min(r.Chance(0.6) ? 1.0 : r.Uniform(0.8, 1.25), quarterPitch - G.cP1);
    const double fullRoot = std::min(0.45, ostrimo::FullRoundedRootRadius(G.alfan, G.haP1 + G.cP1));
    G.rofP1 = r.Uniform(fullRoot / 4, fullRoot);
    if (!internal) G.rofP2 = r.Uniform(fullRoot / 4, fullRoot);
    G.z1 = r.Whole(6, 50);
    if (internal)
        G.z2 = -r.Whole(static_cast<int>(G.z1) + 10, 160);
    else if (rack)
        G.z2 = 6000;
    else
        G.z2 = r.Whole(static_cast<int>(G.z1), 150);
    SetAngle(G.betaDeg, G.beta, r.Chance(0.4) ? 0.0 : std::round(r.Uniform(3, bevel ? 30 : 35) * 1e3) / 1e3);
    G.x1 = std::round(r.Uniform(-0.4, 1.0) * 1e4) / 1e4;
    G.x2 = rack ? 0 : std::round(r.Uniform(-0.4, 1.0) * 1e4) / 1e4;
    G.xsum = G.x1 + G.x2;
    if (rack) G.ha2 = G.haP2 * G.mn;
    G.b = std::round(r.Uniform(5, 15) * G.mn * 1e3) / 1e3;
    if (bevel) {
        G.z1Bevel = G.z1 = r.Whole(10, 40);
        G.z2Bevel = G.z2 = r.Whole(static_cast<int>(G.z1), 80);
        G.b = std::round(0.3 * 0.5 * G.mn * std::hypot(G.z1, G.z2) * 1e3) / 1e3;
    }
    if (internal) {
        G.z0 = r.Whole(10, std::min(40, static_cast<int>(-G.z2) - 5));
        G.x0 = std::round(r.Uniform(-0.2, 0.3) * 1e4) / 1e4;
    }
    // backlash by thinning
    if (r.Chance(0.3)) {
        G.jn = std::round(r.Uniform(0.005, 0.1) * G.mn * 1e4) / 1e4;
        const int thinned = r.Whole(0, 2);
        G.ThinBothWheels = thinned == 0;
        G.ThinPinionOnly = thinned == 1;
        G.ThinWheelOnly = thinned == 2;
        G.ThinByRegrinding = r.Chance(0.5);
    }
    if (!bevel) {
        G.Chamfer1 = r.Chance(0.15);
        G.Protuberance1 = !G.Chamfer1 && r.Chance(0.1);
        if (!internal) {
            G.Chamfer2 = r.Chance(0.15);
            G.Protuberance2 = !G.Chamfer2 && r.Chance(0.1);
        }
    }
    ChooseChords(r);
    G.ObligatoryInputComplete = true;
    PairDimensions();
    Recompute();
}

// ---------------------------------------------------------------- pairs as a user types them

// The computing inputs as the main dialog's validators take them.
// False when the core refused the sum beyond its critical value (the validator does first).
bool TypeSum(double sum) {
    G.AmcUndivided = true;
    G.LastComputingInput = ostrimo::kXsumInput;
    G.xsum = sum;
    if (G.GearingType == ostrimo::kBevelGearing) ostrimo::ComputeBevelGearDimensions();
    ostrimo::ComputeWorkingCentreDistance();
    return G.NoCalcMessageShown && !G.ErrorFlag;
}

void TypeCoefficient(int code, double x) {
    G.LastComputingInput = static_cast<std::int16_t>(code);
    (code == ostrimo::kX1Input ? G.x1 : G.x2) = x;
    G.AmcUndivided = false;
    if (!G.AmcDivided && G.BacklashByThinning) G.xsum = G.x1 + G.x2;
    if (G.AmcDivided) {
        const double sum = G.BacklashByExtraAmc ? G.xsumBacklash : G.xsum;
        (code == 7 ? G.x2 : G.x1) = sum - x;
    }
    if (G.BacklashByExtraAmc && !G.RackMate) G.x1BeforeBacklash = G.x1;
    if (G.GearingType == ostrimo::kBevelGearing) ostrimo::ComputeBevelGearDimensions();
    if (code == 7 && G.RackMate)
        ostrimo::ComputeRackPairDimensions();
    else
        ostrimo::ComputeWorkingCentreDistance();
}

void TypeCentreDistance(double aw) {
    G.AmcUndivided = true;
    G.LastComputingInput = ostrimo::kAwInput;
    G.aw = aw;
    G.ErrorFlag = false;
    ostrimo::ComputeAmcSumFromCentreDistance();
}

void TypeWorkingAngle(double degrees) {
    G.AmcUndivided = true;
    G.LastComputingInput = ostrimo::kAlfawtInput;
    SetAngle(G.alfawtDeg, G.alfawt, degrees);
    if (G.GearingType == ostrimo::kBevelGearing) ostrimo::ComputeBevelGearDimensions();
    ostrimo::ComputeAmcSumFromPressureAngle();
}

// "Bal. spec.slidings": x1 and x2 from the sum the backlash method keeps.
bool BalanceSlidings() {
    G.awCheck = G.BacklashByShifting ? G.awBacklash : G.aw;
    G.alfawtCheck = G.BacklashByShifting ? G.alfawtBacklash : G.alfawt;
    G.xsumSearch = G.BacklashByExtraAmc ? G.xsumBacklash : G.xsum;
    G.ErrorFlag = false;
    G.BalancingSlidings = true;
    PairDimensions();
    if (G.RackMate)
        ostrimo::BalanceRackSpecificSlidings();
    else
        ostrimo::BalanceSpecificSlidings();
    G.BalancingSlidings = false;
    G.x2 = G.xsumSearch - G.x1;
    G.AmcUndivided = false;
    Recompute();
    PairDimensions();
    G.AmcDivided = true;
    return G.NoCalcMessageShown;
}

// The backlash typed and its method chosen, as the backlash dialog computes it.
void TypeBacklash(Random& r, double jn) {
    G.awNoBacklash = G.aw;
    G.xsumNoBacklash = G.xsum;
    G.x1BeforeBacklash = G.x1;
    G.jn = jn;
    const int method = G.RackMate || G.z1 == -G.z2 ? 0 : r.Whole(0, 2);
    if (method == 0) {
        const int thinned = r.Whole(0, 2);
        G.ThinBothWheels = thinned == 0;
        G.ThinPinionOnly = thinned == 1;
        G.ThinWheelOnly = thinned == 2;
        G.ThinByRegrinding = r.Chance(0.5);
        return;
    }
    G.BacklashByThinning = false;
    G.AmcDivided = true;
    G.alfat = std::atan(std::tan(G.alfan) / std::cos(G.beta));
    if (method == 1) {
        G.BacklashByExtraAmc = true;
        G.xsumBacklash = G.xsum - G.jn / (2 * G.mn * std::sin(G.alfan));
        return;
    }
    G.BacklashByShifting = true;
    const double teeth = G.z1 + G.z2;
    const double target = std::tan(G.alfat) - G.alfat + 2 * G.xsum * std::tan(G.alfan) / teeth +
                          G.jn / (G.mn * teeth * std::cos(G.alfan));
    G.SkipCriticalSumCheck = true;
    ostrimo::InvertInvoluteChecked(G.alfawtBacklash, target);
    G.SkipCriticalSumCheck = false;
    G.awBacklash = teeth * G.mn / (2 * std::cos(G.beta)) * std::cos(G.alfat) / std::cos(G.alfawtBacklash);
}

// The test dimensions chosen on their page: another number of teeth spanned and a ball of
// whole hundredths of a millimetre.
void ChooseTestDimensions() {
    if (!G.CheckComplete || G.ErrorFlag) return;
    if (G.SpanTeethMax1 > G.zw1 && G.zw1 > 0) {
        ++G.zw1;
        ostrimo::ComputeSpanMeasurements();
    }
    if (ostrimo::Computed(G.dt1) && G.dtMax1 < 1000) {
        G.dt1 = std::round((G.dtMin1 + G.dtMax1) * 50) / 100;
        ostrimo::ComputeBallDiameterRange1();
        ostrimo::ComputeDimensionOverBalls1();
    }
    G.TestDimensionsOutdated = false;
}

// A pair entered as a user enters it; false when an input was refused on the way.
bool TypedCase(Random& r) {
    const auto [internal, rack, bevel] = StartRandomGearing(r, 0.15);
    G.mn = r.Typed(0.5, 25, r.Chance(0.5) ? 2 : 4);
    G.z1 = r.Whole(8, 50);
    G.z2 = internal ? -r.Whole(static_cast<int>(G.z1) + 12, 160) : rack ? 6000 : r.Whole(static_cast<int>(G.z1), 150);
    G.RackMate = rack;
    if (bevel) {
        G.z1Bevel = G.z1 = r.Whole(10, 40);
        G.z2Bevel = G.z2 = r.Whole(static_cast<int>(G.z1), 80);
    }
    SetAngle(G.betaDeg, G.beta, r.Chance(0.4) ? 0.0 : r.Typed(3, bevel ? 30 : 30, 3));
    G.b = bevel ? r.Typed(0.2, 0.3, 3) * 0.5 * G.mn * std::hypot(G.z1, G.z2) : r.Typed(5, 15, 3) * G.mn;
    G.b = std::round(G.b * 1000) / 1000;
    if (r.Chance(0.4)) {
        SetAngle(G.alfaP, G.alfan, r.Typed(15, 25, 3));
        G.haP1 = G.haP2 = r.Typed(0.9, 1.1, 4);
        G.cP1 = G.cP2 = r.Typed(0.15, 0.3, 4);
        const double fullRoot = ostrimo::FullRoundedRootRadius(G.alfan, G.haP1 + G.cP1);
        G.rofP1 = std::floor(r.Uniform(0.3, 0.95) * fullRoot * 1e4) / 1e4;
        if (!internal) G.rofP2 = G.rofP1;
    }
    if (internal) {
        G.z0 = r.Whole(12, std::min(40, static_cast<int>(-G.z2) - 8));
        G.x0 = r.Typed(-0.2, 0.2, 4);
        G.roa0 = G.rofP2 = r.Chance(0.5) ? 0 : r.Typed(0.05, 0.2, 4);  // the cutter's tip rounds the wheel's root
    }
    if (!bevel && r.Chance(0.2)) G.Chamfer1 = true;
    if (!bevel && !internal && r.Chance(0.1)) G.Protuberance2 = true;
    ChooseChords(r);
    // the computing inputs as an accepted obligatory or profile input leaves them
    G.ObligatoryInputComplete = true;
    G.alfat = bevel ? G.alfan : std::atan(std::tan(G.alfan) / std::cos(G.beta));
    SetAngle(G.alfawtDeg, G.alfawt, ostrimo::RadToDeg(G.alfat));
    G.ad = (G.z1 + G.z2) * G.mn / (2 * (bevel ? 1 : std::cos(G.beta)));
    if (!rack) G.aw = G.ad;
    PairDimensions();

    // the computing input given last
    const double sum = r.Typed(-0.3, 0.8, 3), x1 = r.Typed(-0.2, 0.6, 3);
    const int last = rack ? 7 : bevel ? 6 + r.Whole(0, 2) : 6 + r.Whole(0, 4);  // bevel: no centre distance nor angle
    G.NoCalcMessageShown = true;
    if (last != 8 && !rack && !TypeSum(sum)) return false;
    if (last == 7) {
        G.AmcDivided = !rack;
        TypeCoefficient(ostrimo::kX1Input, x1);
    } else if (last == 8) {
        TypeCoefficient(ostrimo::kX1Input, x1);
        TypeCoefficient(ostrimo::kX2Input, r.Typed(-0.2, 0.6, 3));
    } else if (last == 6) {
        if (!BalanceSlidings()) return false;
    } else if (last == 9) {
        TypeCentreDistance(std::round(G.aw * 1e3) / 1e3);
        if (G.ErrorFlag || !BalanceSlidings()) return false;
    } else {
        const double angle = std::round(G.alfawtDeg * 1e3) / 1e3;
        if (!(angle > 0 && angle < 90)) return false;
        TypeWorkingAngle(angle);
        if (!BalanceSlidings()) return false;
    }
    if (!G.NoCalcMessageShown || G.ErrorFlag) return false;

    // a backlash; by extra AMC or by shifting the pinion's coefficient is typed again
    if (!bevel && r.Chance(0.4)) {
        TypeBacklash(r, r.Typed(0.01, 0.1, 3) * G.mn);
        if (!G.BacklashByThinning) TypeCoefficient(ostrimo::kX1Input, r.Typed(-0.2, 0.6, 3));
    }
    if (!G.NoCalcMessageShown || G.ErrorFlag) return false;

    // a check, test dimensions chosen, or neither before Save
    const int before = r.Whole(0, 2);
    if (before > 0) {
        Recompute();
        G.CheckOutdated = false;
    }
    if (before == 2) ChooseTestDimensions();
    return true;
}

// ---------------------------------------------------------------- files

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The lines of two files that differ, numbered from 1.
void ShowDifferentLines(const char* what, const std::string& a, const std::string& b) {
    const std::vector<std::string> x = Lines(a), y = Lines(b);
    for (std::size_t i = 0; i < std::max(x.size(), y.size()); ++i) {
        const std::string u = i < x.size() ? x[i] : "", v = i < y.size() ? y[i] : "";
        if (u != v) std::printf("    %s line %zu: [%s] [%s]\n", what, i + 1, u.c_str(), v.c_str());
    }
}

bool Same(const std::vector<double>& a, const std::vector<double>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!(a[i] == b[i] || (std::isnan(a[i]) && std::isnan(b[i])))) return false;
    return true;
}

// The largest relative change of a number between two files of the same layout, and the
// number of lines changed by more than 1e-10 of their value: far beyond what the rounding of
// the inputs to the file's 12 decimals carries into the values computed from them.
void CompareNumbers(const std::string& a, const std::string& b, double& largest, int& largestLine, int& beyond,
                    bool& layout) {
    const std::vector<std::string> x = Lines(a), y = Lines(b);
    if (x.size() != y.size()) {
        layout = false;
        return;
    }
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (x[i] == y[i]) continue;
        char* endX = nullptr;
        char* endY = nullptr;
        const double u = std::strtod(x[i].c_str(), &endX), v = std::strtod(y[i].c_str(), &endY);
        if (endX == x[i].c_str() || endY == y[i].c_str()) {
            layout = false;
            continue;
        }
        const double scale = std::max({std::fabs(u), std::fabs(v), 1e-300});
        const double change = std::fabs(u - v) / scale;
        if (change > largest) {
            largest = change;
            largestLine = static_cast<int>(i) + 1;
        }
        if (change > 1e-10) ++beyond;
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int cases = argc > 1 ? std::atoi(argv[1]) : 3000;
    const unsigned long long seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    const bool typed = argc <= 3 || std::strcmp(argv[3], "full") != 0;
    const bool shown = argc > 4;
    rt::NoticeRecorder notices;
    rt::SetNoticeSink(&notices);
    Random r{std::mt19937_64(seed)};
    const fs::path dir = fs::temp_directory_path() / ("ostrimo_roundtrip_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    auto file = [&](const std::string& name, int i) { return (dir / (name + std::to_string(i) + ".dat")).string(); };

    int entered = 0, refusedEntries = 0, refusedChecks = 0, fatal = 0, boxes = 0, notOpened = 0;
    std::map<std::string, int> texts;
    int history = 0, historyFiles = 0, firstResaved = 0, secondResaved = 0, changedBeyond = 0, layout = 0;
    double largest = 0;
    int largestCase = -1, largestLine = 0, previous = -1;
    for (int i = 0; i < cases; ++i) {
        notices.Clear();
        if (typed) {
            if (!TypedCase(r)) {
                ++refusedEntries;
                continue;
            }
        } else {
            FullPrecisionCase(r);
        }
        ++entered;
        Save(file("first", i));
        const ostrimo::GlobalData saved = G;
        if (G.ErrorFlag) ++refusedChecks;
        if (G.PinionNoDepth || G.WheelNoDepth || G.PinionTipBelowWheelRoot || G.WheelTipBelowPinionRoot ||
            G.AmcSumBelowCritical || G.AmcSumAboveCritical || G.CutterAmcSumAboveCritical || G.WheelBaseAboveTip)
            ++fatal;
        if (!notices.notices.empty()) ++boxes;
        for (const rt::Notice& n : notices.notices) ++texts[n.text];

        StartState();
        const bool opened = Open(file("first", i));
        const std::vector<double> alone = ostrimo::ShownGeometryValues();
        Save(file("alone", i));

        StartState();
        if (previous >= 0) Open(file("first", previous));
        Open(file("first", i));
        const std::vector<double> after = ostrimo::ShownGeometryValues();
        Save(file("after", i));
        previous = i;

        StartState();
        const bool reopened = Open(file("alone", i));
        Save(file("again", i));

        if (!opened || !reopened) {
            ++notOpened;
            std::printf("case %d: not opened (%s; type %d, rack %d, last input %d)\n", i,
                        opened ? "its second file" : "its first file", saved.GearingType, saved.RackMate,
                        saved.LastComputingInput);
            continue;
        }
        if (!Same(alone, after)) {
            ++history;
            if (history <= 10) std::printf("case %d: shown values differ after case %d\n", i, i - 1);
        }
        if (Bytes(file("alone", i)) != Bytes(file("after", i))) {
            ++historyFiles;
            if (historyFiles <= 10) std::printf("case %d: saved file differs after case %d\n", i, i - 1);
            if (historyFiles <= 10 && shown)
                ShowDifferentLines("after", Bytes(file("alone", i)), Bytes(file("after", i)));
        }
        if (Bytes(file("first", i)) != Bytes(file("alone", i))) {
            ++firstResaved;
            if (firstResaved <= 10 && shown) {
                std::printf("case %d: first file re-saved differs (type %d, rack %d, last input %d)\n", i,
                            G.GearingType, G.RackMate, G.LastComputingInput);
                ShowDifferentLines("re-saved", Bytes(file("first", i)), Bytes(file("alone", i)));
            }
        }
        if (Bytes(file("alone", i)) != Bytes(file("again", i))) {
            ++secondResaved;
            if (secondResaved <= 10) std::printf("case %d: second file re-saved differs\n", i);
            if (secondResaved <= 10 && shown)
                ShowDifferentLines("again", Bytes(file("alone", i)), Bytes(file("again", i)));
        }
        int beyond = 0;
        bool sameLayout = true;
        const double before = largest;
        int line = 0;
        CompareNumbers(Bytes(file("first", i)), Bytes(file("alone", i)), largest, line, beyond, sameLayout);
        if (largest > before) largestCase = i, largestLine = line;
        if (beyond > 0) ++changedBeyond;
        if (!sameLayout) ++layout;
    }
    fs::remove_all(dir);
    std::printf(
        "%s pairs %d (seed %llu): %d entered (%d refused while typed), %d with a fatal verdict, %d refused by "
        "the check, %d with a box\n",
        typed ? "typed" : "full-precision", cases, seed, entered, refusedEntries, fatal, refusedChecks, boxes);
    for (const auto& [text, count] : texts) std::printf("  %5d x \"%s\"\n", count, text.c_str());
    std::printf("not opened %d; shown values after another pair differ %d; saved file after another pair differs %d\n",
                notOpened, history, historyFiles);
    std::printf("first file re-saved not byte-identical %d of %d; second file re-saved not byte-identical %d\n",
                firstResaved, entered - notOpened, secondResaved);
    std::printf(
        "first file vs re-saved: %d files with a number changed by more than 1e-10, %d of another layout, "
        "largest relative change %.3g (case %d, line %d)\n",
        changedBeyond, layout, largest, largestCase, largestLine);
    return 0;
}
