// The spectrum window's sample chart: a fixed three-level staircase of loads over time,
// labelled in the units and modes chosen, so that the user sees what the table's columns mean.
#include <vector>

#include "karvelo/forms/SpektrumF.h"

namespace karvelo {

namespace {

struct ChartText {
    int x, y;
    int points;
    bool bold;
    const char* text;
};

using Texts = std::vector<ChartText>;

// The y labels: symbol, fraction bar, subscripts and the three level values.
Texts YLabels(bool forces) {
    const char* const symbol = forces ? "F" : "T";
    if (G.SpectrumRatioToMax || G.SpectrumRatioMaxTo) {
        const bool toFirst = G.SpectrumRatioToMax;  // "Rate  j / 1"
        Texts t{{9, 9, 9, false, "__"}, {10, 3, 9, true, symbol}, {10, 25, 9, true, symbol}};
        if (forces) {
            t.push_back({17, 8, 8, false, toFirst ? "tj" : "t1"});
            t.push_back({17, 30, 8, false, toFirst ? "t1" : "tj"});
        } else {
            t.push_back({toFirst ? 18 : 17, 8, 8, false, toFirst ? "j" : "1"});
            t.push_back({toFirst ? 17 : 19, 30, 8, false, toFirst ? "1" : "j"});
        }
        const int valueX[3] = {36, toFirst ? 27 : 36, toFirst ? 21 : 36};
        const char* const values[2][3] = {{"1", "2", "4"}, {"1", "0,5", "0,25"}};
        for (int i = 0; i < 3; ++i) t.push_back({valueX[i], i == 0 ? 18 : 27 + 50 * i, 8, false, values[toFirst][i]});
        return t;
    }
    if (G.SpectrumRatioToMin)
        return {{7, 9, 9, false, "___"},
                {10, 3, 9, true, symbol},
                {5, 25, 9, true, symbol},
                {17, 8, 8, false, forces ? "tj" : "j"},
                {12, 30, 8, false, forces ? "tmin" : "min"},
                {36, 18, 8, false, "4"},
                {36, 77, 8, false, "2"},
                {36, 127, 8, false, "1"}};
    if (forces)
        return {{10, 1, 9, true, "F"},      {25, 1, 9, false, "[N]"},   {17, 5, 8, false, "tj"},
                {20, 20, 8, false, "4000"}, {20, 77, 8, false, "2000"}, {20, 127, 8, false, "1000"}};
    return {{4, 1, 9, true, "T"},      {15, 1, 9, false, "[N·m]"}, {11, 5, 8, false, "j"},
            {26, 20, 8, false, "160"}, {32, 77, 8, false, "80"},   {32, 127, 8, false, "40"}};
}

// The x labels: the axis symbol and unit, and the time of each level (cumulated from the origin
// or each level's own).
Texts XLabels(bool cycles, bool cumulated) {
    const char* const symbol = cycles ? "N" : "L";
    Texts t{{351, 186, 9, true, symbol}};
    if (cycles) {
        t.push_back({343, 202, 9, false, "[cycles]"});
    } else {
        t.push_back({346, 202, 9, false, "[hours]"});
        t.push_back({360, 190, 8, false, "h"});
    }
    const int symbolX[3] = {cycles ? 55 : 52, cumulated ? 106 : 116, cumulated ? 195 : 249};
    const int symbolY[3] = {189, cumulated ? 213 : 189, cumulated ? 237 : 189};
    const int subscriptX[3] = {cycles ? 65 : 63, cumulated ? 116 : 126, cumulated ? 205 : 259};
    const char* const subscripts[2][2][3] = {{{"hr1", "hr2", "hr3"}, {"h1", "h2", "h3"}},
                                             {{"r1", "r2", "r3"}, {"1", "2", "3"}}};
    for (int i = 0; i < 3; ++i) {
        t.push_back({symbolX[i], symbolY[i], 9, false, symbol});
        t.push_back({subscriptX[i], symbolY[i] + 3, 8, false, subscripts[cycles][cumulated][i]});
    }
    return t;
}

// Arrowheads at the pen position; the pen returns there.
enum class Arrow { Up, Right, Left };
void DrawArrow(ui::Canvas& c, Arrow arrow) {
    const ui::Point at = c.PenPos;
    const int dx = arrow == Arrow::Right ? -8 : arrow == Arrow::Left ? 8 : 3;
    const int dy = arrow == Arrow::Up ? 8 : 3;
    c.LineTo(at.X + dx, at.Y + dy);
    c.MoveTo(at.X, at.Y);
    c.LineTo(arrow == Arrow::Up ? at.X - 3 : at.X + dx, arrow == Arrow::Up ? at.Y + 8 : at.Y - 3);
    c.MoveTo(at.X, at.Y);
}

void Line(ui::Canvas& c, int x1, int y1, int x2, int y2) {
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

// A dimension line from a left to a right arrowhead.
void Dimension(ui::Canvas& c, int x1, int x2, int y) {
    c.MoveTo(x1, y);
    DrawArrow(c, Arrow::Left);
    c.LineTo(x2, y);
    DrawArrow(c, Arrow::Right);
}

void Write(ui::Canvas& c, const Texts& texts) {
    for (const ChartText& t : texts) {
        c.Font = ui::Font{"Arial", ui::PointsToPixels(t.points), t.bold ? unsigned(ui::fsBold) : 0u, ui::clBlack};
        c.TextOut(t.x, t.y, t.text);
    }
}

}  // namespace

void DrawSampleSpectrum(ui::Canvas& c, int width, int height) {
    c.Brush = {ui::clBtnFace, ui::BrushStyle::Solid};
    c.Pen = {ui::clBlack, 1, ui::PenStyle::Solid};
    c.Rectangle(0, 0, width, height);

    Line(c, 40, 180, 355, 180);
    DrawArrow(c, Arrow::Right);
    Line(c, 48, 188, 48, 10);
    DrawArrow(c, Arrow::Up);

    c.Pen.Width = 2;
    c.MoveTo(48, 24);
    c.LineTo(80, 24);
    c.LineTo(80, 180);
    c.MoveTo(80, 84);
    c.LineTo(180, 84);
    c.LineTo(180, 180);
    c.MoveTo(180, 134);
    c.LineTo(340, 134);
    c.LineTo(340, 180);

    c.Pen.Width = 1;
    c.Pen.Style = ui::PenStyle::Dot;
    Line(c, 48, 84, 80, 84);
    Line(c, 48, 134, 180, 134);
    c.Pen.Style = ui::PenStyle::Solid;

    Write(c, {{87, 17, 8, false, "1.level"},
              {187, 77, 8, false, "2.level"},
              {317, 117, 8, false, "3.level"},
              {222, 27, 12, false, "Sample spectrum"}});
    Write(c, YLabels(G.LoadAsForce));
    Write(c, XLabels(G.SpectrumInCycles, G.SpectrumXMode));

    if (G.SpectrumXMode) {
        Line(c, 48, 180, 48, 258);
        Line(c, 80, 180, 80, 210);
        Line(c, 180, 180, 180, 234);
        Line(c, 340, 180, 340, 258);
        Dimension(c, 48, 80, 206);
        Dimension(c, 48, 180, 230);
        Dimension(c, 48, 340, 254);
    } else {
        for (int x : {48, 80, 180, 340}) Line(c, x, 180, x, 210);
        Dimension(c, 48, 80, 206);
        Dimension(c, 80, 180, 206);
        Dimension(c, 180, 340, 206);
    }
}

void TSpektrum_F::PaintBox1Paint() {
    if (!chart_) chart_ = std::make_unique<ui::Bitmap>(PaintBox1->Width(), PaintBox1->Height());
    DrawSampleSpectrum(chart_->Canvas(), chart_->Width(), chart_->Height());
    PaintBox1->Canvas().Draw(0, 0, *chart_);
}

}  // namespace karvelo
