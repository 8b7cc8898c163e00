// The S-N curve chart of the window "Courses" as a drawing: what PaintBox1Paint draws is built
// here as a list of lines, circles, texts and clip changes from the global data and the chart
// variables, without changing either, and then replayed on a canvas.
//
// Coordinates: with ScaleX = 300 / lg(knee cycles) and ScaleY = 300 / (lg(static stress) - 1) a
// cycle number N lies at x = 50 + round(lg N ScaleX) and a stress (or load) S at
// y = 350 - round((lg S - 1) ScaleY): the knee at x = 350, the static stress at y = 50, 10 at y = 350.
// A value without a logarithm (zero, negative, not a number) has no place, and nothing that needs
// it is drawn; knee cycles of 1 or less or a static stress of 10 or less leave the chart with its
// axes, texts and legend only.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "karvelo/calc/Global.h"
#include "ui/Types.h"

namespace ui {
class Canvas;
}

namespace karvelo {

// The chart variables of one case, filled by LoadCoursesCase.
struct CoursesChartData {
    double CurveLimitStress = 0;      // stress at the knee (reference permissible stress)
    double CurveKneeCycles = 0;       // cycles at the knee
    double CurveStaticStress = 0;     // static permissible stress (first level load for the approximate methodics)
    double CurveExponent = 0;         // S-N exponent above the knee
    double CurveExponentHaibach = 0;  // Haibach exponent below the knee
    double CurveStaticCycles = 0;     // cycles up to which the strength is static
    double CurvePittingKneeStress = 1000.0;  // contact stress at 1e7 cycles with pitting permissible
    TLevelArray CurveLevelStress{};          // level stresses (loads), ascending, 1..LevelCount
};

// Which spectrum the chart shows (the window's spectrum radio buttons).
enum class SpectrumShown { Class, Cumulative, Both };

// ---- The drawing

struct ChartLine {
    ui::Point From, To;  // To itself is not drawn, as with LineTo
    ui::Color Colour = ui::clBlack;
    int Width = 1;
    ui::PenStyle Style = ui::PenStyle::Solid;
    bool operator==(const ChartLine&) const = default;
};
// A circle in the box (right and bottom exclusive), filled with the background.
struct ChartEllipse {
    ui::Rect Box;
    ui::Color Colour = ui::clBlack;
    int Width = 1;
    bool operator==(const ChartEllipse&) const = default;
};
struct ChartText {
    ui::Point At;  // top-left corner
    std::string Text;
    ui::Font Font;
    bool operator==(const ChartText&) const = default;
};
// Clipping of what follows to Box; no box releases it.
struct ChartClip {
    std::optional<ui::Rect> Box;
    bool operator==(const ChartClip&) const = default;
};
using ChartItem = std::variant<ChartLine, ChartEllipse, ChartText, ChartClip>;

struct ChartPicture {
    int Width = 682, Height = 397;
    ui::Color Background = ui::clBtnFace;
    std::vector<ChartItem> Items;
    std::string Caption;  // the window caption; empty: the caption stays as it is
};

// The logarithmic scales of the chart.
struct CoursesScale {
    double ScaleX = 0, ScaleY = 0;
    bool Valid = false;  // both scales exist (knee cycles > 1, static stress > 10, finite)
    std::optional<int> X(double cycles) const;
    std::optional<int> Y(double stress) const;
};
CoursesScale ComputeLogScale(const CoursesChartData& curve);

// A cycle number in the legend: "#.###E+0;" above 99999, else Str(x:5:0), below 10 Str(x:8:2).
std::string FormatCoursesValue(double x, const std::string& largeFormat);

// Colours of the chart.
inline constexpr ui::Color kFailureColour = ui::clRed;
inline constexpr ui::Color kHypothesisColour = ui::clPurple;

// The chart of the case in g.StressCase, as PaintBox1Paint draws it.
ChartPicture BuildCoursesPicture(const GlobalData& g, const CoursesChartData& curve, SpectrumShown shown);

// Draws the picture on the canvas: the background, then the items in order; the clip is released
// before and after, so it holds only for this picture.
void PaintChartPicture(const ChartPicture& picture, ui::Canvas& canvas);
}  // namespace karvelo
