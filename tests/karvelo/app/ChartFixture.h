// Cases and look-ups shared by the tests of the S-N chart.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "karvelo/app/CoursesChart.h"
#include "karvelo/calc/Global.h"

namespace karvelo::test {

// A pinion-bending spectrum of three levels by Miner, loads as forces.  Scales by hand:
// knee 1e6 cycles gives ScaleX = 300 / 6 = 50, static stress 1000 MPa gives ScaleY = 300 / 2 = 150;
// x(1e5) = 300, x(1e4) = 250, x(1e3) = 200; y(500) = 350 - round(1.69897 * 150) = 95,
// y(300) = 128, y(600) = 83, y(900) = 57, y(1000) = 50.
struct ChartCase {
    GlobalData g{};
    CoursesChartData curve{};
    SpectrumShown shown = SpectrumShown::Class;

    ChartCase() {
        g.LargeNumberFormat = "#.###E+0;";
        g.StressCase = "PO";
        g.CalcMethodics = kMethodicsMiner;
        g.LoadInputMethod = kMultilevelLoading;
        g.HypothesisHaibach = false;
        g.LoadAsForce = true;
        g.LevelCount = 3;
        g.z1 = 20;
        g.z2 = 40;
        const double cls[] = {1e5, 1e4, 1e3};
        const double cum[] = {111000, 11000, 1000};
        const double stress[] = {300, 600, 900};
        for (int i = 1; i <= 3; ++i) {
            g.NLevel1[i] = cls[i - 1];
            g.NLevel2[i] = cum[i - 1];
            curve.CurveLevelStress[i] = stress[i - 1];
        }
        curve.CurveLimitStress = 500;
        curve.CurveKneeCycles = 1e6;
        curve.CurveStaticStress = 1000;
        curve.CurveExponent = 6;
        curve.CurveExponentHaibach = 11;
        curve.CurveStaticCycles = 1e3;
        g.CaseEquivalent = 420;
        g.NF1ekv = 1e5;
        g.SigmaF1ekv = 400;  // y(400) = 350 - round(1.60206 * 150) = 110
        g.SF1 = 1.25;
        g.FtFe1 = 12345.67;
        g.FtFP1 = 23456.78;
        g.Sigmafpb1ref = 500;
    }
    ChartPicture Picture() const { return BuildCoursesPicture(g, curve, shown); }
};

template <typename T>
std::vector<T> ItemsOf(const ChartPicture& p) {
    std::vector<T> out;
    for (const ChartItem& item : p.Items)
        if (const auto* t = std::get_if<T>(&item)) out.push_back(*t);
    return out;
}

inline std::vector<ChartLine> LinesOf(const ChartPicture& p, ui::Color colour) {
    std::vector<ChartLine> out;
    for (const ChartLine& l : ItemsOf<ChartLine>(p))
        if (l.Colour == colour) out.push_back(l);
    return out;
}

inline bool HasLine(const ChartPicture& p, ui::Point from, ui::Point to, ui::Color colour, int width = 1,
                    ui::PenStyle style = ui::PenStyle::Solid) {
    for (const ChartLine& l : ItemsOf<ChartLine>(p))
        if (l == ChartLine{from, to, colour, width, style}) return true;
    return false;
}

// The texts written at (x, y).
inline std::vector<std::string> TextsAt(const ChartPicture& p, int x, int y) {
    std::vector<std::string> out;
    for (const ChartText& t : ItemsOf<ChartText>(p))
        if (t.At.X == x && t.At.Y == y) out.push_back(t.Text);
    return out;
}

inline const ChartText* FindText(const ChartPicture& p, const std::string& text, int x, int y) {
    for (const ChartItem& item : p.Items)
        if (const auto* t = std::get_if<ChartText>(&item); t && t->Text == text && t->At.X == x && t->At.Y == y)
            return t;
    return nullptr;
}

}  // namespace karvelo::test
