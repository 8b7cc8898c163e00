// Round trip of random gear pairs through Ostrimo's own data file: each pair is checked and
// saved, then opened and checked from the program's start state, opened after another pair,
// and opened again from its own second file.  Reports the pairs whose shown values or saved
// files depend on what was open before, the files that do not re-save byte-identical, and
// the largest change between the first file and the re-saved one.
//
//   ostrimo_roundtrip [cases] [seed] [shown]
// With a third argument the first differing lines of the first pairs that differ are shown.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
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
};

// The state of the program at its start: the defaults of external gearing.
void StartState() {
    G = ostrimo::GlobalData{};
    ostrimo::SetDefaultGearData();
    G.GearingType = 1;
}

// The pair's dimensions and the complete check, as the main dialog runs them.
void Check() {
    if (G.RackMate) {
        ostrimo::ComputeRackPairDimensions();
        G.alfawt = G.alfat;
    } else {
        ostrimo::ComputeGearPairDimensions();
    }
    ostrimo::ComputeGeometryCheck();
}

void SetAngle(double& degrees, double& radians, double value) {
    degrees = value;
    radians = ostrimo::DegToRad(value);
}

// A random pair of any gearing type, with the inputs the main dialog accepts.
void RandomCase(Random& r) {
    const double kind = r.Uniform(0, 1);
    const bool internal = kind < 0.2, rack = kind >= 0.2 && kind < 0.35, bevel = kind >= 0.35 && kind < 0.55;
    StartState();
    G.GearingType = internal ? 2 : bevel ? 3 : 1;
    ostrimo::SetDefaultGearData();
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
    for (int gear = 1; gear <= 2; ++gear) {
        const int choice = r.Whole(0, 2);
        (gear == 1 ? G.ChordConstant1 : G.ChordConstant2) = choice == 0;
        (gear == 1 ? G.ChordOnReference1 : G.ChordOnReference2) = choice == 1;
        (gear == 1 ? G.ChordChosen1 : G.ChordChosen2) = choice == 2;
    }
    G.ObligatoryInputComplete = true;
    Check();
}

void Save(const std::string& path) {
    ostrimo::DataFile.Assign(path);
    ostrimo::DataFile.Rewrite();
    ostrimo::WriteGeometryDataFile();
    ostrimo::DataFile.Close();
}

// Open as the main dialog's command: read, the pair's dimensions, the check.
bool Open(const std::string& path) {
    ostrimo::DataFile.Assign(path);
    ostrimo::DataFile.Reset();
    const bool read = ostrimo::ReadGeometryDataFile();
    ostrimo::DataFile.Close();
    if (!read) return false;
    G.x1BeforeBacklash = G.x1;
    G.awNoBacklash = G.aw;
    if (!G.BacklashByExtraAmc) G.xsumNoBacklash = G.xsum;
    G.DataFileLoaded = false;
    Check();
    return true;
}

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
    const bool shown = argc > 3;
    rt::NoticeRecorder notices;
    rt::SetNoticeSink(&notices);
    Random r{std::mt19937_64(seed)};
    const fs::path dir = fs::temp_directory_path() / ("ostrimo_roundtrip_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    auto file = [&](const std::string& name, int i) { return (dir / (name + std::to_string(i) + ".dat")).string(); };

    int refusedChecks = 0, fatal = 0, boxes = 0, notOpened = 0;
    std::map<std::string, int> texts;
    int history = 0, historyFiles = 0, resaved = 0, changedBeyond = 0, layout = 0;
    double largest = 0;
    int largestCase = -1, largestLine = 0;
    for (int i = 0; i < cases; ++i) {
        notices.Clear();
        RandomCase(r);
        if (G.ErrorFlag) ++refusedChecks;
        if (G.PinionNoDepth || G.WheelNoDepth || G.PinionTipBelowWheelRoot || G.WheelTipBelowPinionRoot ||
            G.AmcSumBelowCritical || G.AmcSumAboveCritical || G.CutterAmcSumAboveCritical || G.WheelBaseAboveTip)
            ++fatal;
        if (!notices.notices.empty()) ++boxes;
        for (const rt::Notice& n : notices.notices) ++texts[n.text];
        Save(file("first", i));

        StartState();
        const bool opened = Open(file("first", i));
        const std::vector<double> alone = ostrimo::ShownGeometryValues();
        Save(file("alone", i));

        StartState();
        if (i > 0) Open(file("first", i - 1));
        Open(file("first", i));
        const std::vector<double> after = ostrimo::ShownGeometryValues();
        Save(file("after", i));

        StartState();
        const bool reopened = Open(file("alone", i));
        Save(file("again", i));

        if (!opened || !reopened) {
            ++notOpened;
            std::printf("case %d: not opened (%s)\n", i, opened ? "its second file" : "its first file");
            continue;
        }
        if (!Same(alone, after)) {
            ++history;
            if (history <= 10) std::printf("case %d: shown values differ after case %d\n", i, i - 1);
        }
        if (Bytes(file("alone", i)) != Bytes(file("after", i))) {
            ++historyFiles;
            if (historyFiles <= 10) std::printf("case %d: saved file differs after case %d\n", i, i - 1);
            if (historyFiles <= 10 && shown) ShowDifferentLines("after", Bytes(file("alone", i)), Bytes(file("after", i)));
        }
        if (Bytes(file("alone", i)) != Bytes(file("again", i))) {
            ++resaved;
            if (resaved <= 10) std::printf("case %d: re-saved file differs\n", i);
            if (resaved <= 10 && shown) ShowDifferentLines("again", Bytes(file("alone", i)), Bytes(file("again", i)));
        }
        int beyond = 0;
        bool sameLayout = true;
        const double before = largest;
        int line = 0;
        CompareNumbers(Bytes(file("first", i)), Bytes(file("alone", i)), largest, line, beyond, sameLayout);
        if (largest > before) largestCase = i, largestLine = line;
        if (beyond > 0 && ++changedBeyond <= 10 && shown) {
            std::printf("case %d: first file and re-saved file differ\n", i);
            ShowDifferentLines("re-saved", Bytes(file("first", i)), Bytes(file("alone", i)));
        }
        if (!sameLayout) ++layout;
    }
    fs::remove_all(dir);
    std::printf("cases %d (seed %llu): %d with a fatal verdict, %d refused by the check, %d with a box\n", cases, seed,
                fatal, refusedChecks, boxes);
    for (const auto& [text, count] : texts) std::printf("  %5d x \"%s\"\n", count, text.c_str());
    std::printf("not opened %d; shown values after another case differ %d; saved file after another case differs %d\n",
                notOpened, history, historyFiles);
    std::printf("re-saved file not byte-identical %d; first file vs re-saved: %d files with a number changed by "
                "more than 1e-10, %d of another layout, largest relative change %.3g (case %d, line %d)\n",
                resaved, changedBeyond, layout, largest, largestCase, largestLine);
    return 0;
}
