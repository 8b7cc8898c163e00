#include "ostrimo/forms/TestPictures.h"

#include <cmath>
#include <string>
#include <vector>

#include "ostrimo/calc/CheckNumerics.h"
#include "ui/Forms.h"

namespace ostrimo {

namespace {

using checks::kPi;

void Polyline(ui::Canvas& c, const std::vector<ui::Point>& points) {
    if (points.empty()) return;
    c.MoveTo(points.front().X, points.front().Y);
    for (std::size_t i = 1; i < points.size(); ++i) c.LineTo(points[i].X, points[i].Y);
    c.LineTo(points.back().X + 1, points.back().Y);  // the last point too
}

// A dimension line with arrow heads at both ends, horizontal or vertical.
void Dimension(ui::Canvas& c, int x1, int y1, int x2, int y2) {
    c.Pen.Color = ui::clBlue;
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
    const int dx = x2 > x1 ? 1 : x2 < x1 ? -1 : 0, dy = y2 > y1 ? 1 : y2 < y1 ? -1 : 0;
    for (int end = 0; end < 2; ++end) {
        const int x = end ? x2 : x1, y = end ? y2 : y1, s = end ? -1 : 1;
        c.MoveTo(x, y);
        c.LineTo(x + s * (3 * dx + 2 * dy), y + s * (3 * dy + 2 * dx));
        c.MoveTo(x, y);
        c.LineTo(x + s * (3 * dx - 2 * dy), y + s * (3 * dy - 2 * dx));
    }
    c.Pen.Color = ui::clBlack;
}

// A symbol with its index written small below the line, as the pages' labels show it.
void Symbol(ui::Canvas& c, int x, int y, const std::string& letter, const std::string& index) {
    c.Font.Color = ui::clBlue;
    c.Font.PixelSize = 11;
    c.TextOut(x, y, letter);
    const int w = c.TextWidth(letter);
    c.Font.PixelSize = 8;
    c.TextOut(x + w, y + 5, index);
    c.Font.Color = ui::clBlack;
}

// A gear tooth (tip up for an external gear, down for an internal one) with straight
// flanks, centred on x = axis between the root line y = root and the tip line y = tip.
std::vector<ui::Point> Tooth(int axis, int root, int tip, int rootHalf, int tipHalf) {
    return {{axis - rootHalf, root}, {axis - tipHalf, tip}, {axis + tipHalf, tip}, {axis + rootHalf, root}};
}

void DrawChord(ui::Canvas& c, bool internal, int w, int h) {
    const int axis = w / 2 - 6;
    const int top = 8, bottom = h - 6;
    const int tip = internal ? bottom : top, root = internal ? top : bottom;
    const int rootHalf = w * 3 / 10, tipHalf = w / 9;
    std::vector<ui::Point> outline{{2, root}};
    for (const ui::Point& p : Tooth(axis, root, tip, rootHalf, tipHalf)) outline.push_back(p);
    outline.push_back({w - 3, root});
    c.Pen.Width = 2;
    Polyline(c, outline);
    c.Pen.Width = 1;
    // the chord at the height hc from the tip
    const int hc = (bottom - top) * 4 / 10;
    const int y = internal ? tip - hc : tip + hc;
    const int half = tipHalf + (rootHalf - tipHalf) * hc / (bottom - top);
    c.Pen.Color = ui::clRed;
    c.MoveTo(axis - half, y);
    c.LineTo(axis + half + 1, y);
    c.Pen.Color = ui::clBlack;
    Symbol(c, axis - 6, internal ? y + 2 : y - 15, "s", "c");
    const int xh = axis + rootHalf + 2;
    c.Pen.Style = ui::PenStyle::Dot;
    c.MoveTo(axis + tipHalf, tip);
    c.LineTo(xh + 4, tip);
    c.MoveTo(axis + half, y);
    c.LineTo(xh + 4, y);
    c.Pen.Style = ui::PenStyle::Solid;
    Dimension(c, xh, tip, xh, y);
    Symbol(c, xh + 3, (tip + y) / 2 - 6, "h", "c");
}

void DrawSpan(ui::Canvas& c, bool internal, int w, int h) {
    const int pitch = (w - 6) / 4;
    const int depth = pitch * 3 / 4 + 4;
    const int rootHalf = pitch * 2 / 5, tipHalf = pitch / 5;
    const int mid = h / 2 - 6;
    const int root = internal ? mid - depth / 2 : mid + depth / 2, tip = internal ? mid + depth / 2 : mid - depth / 2;
    const auto axis = [&](int k) { return 3 + pitch / 2 + k * pitch; };
    std::vector<ui::Point> outline{{2, root}};
    for (int k = 0; k < 4; ++k)
        for (const ui::Point& p : Tooth(axis(k), root, tip, rootHalf, tipHalf)) outline.push_back(p);
    outline.push_back({w - 3, root});
    c.Pen.Width = 2;
    Polyline(c, outline);
    // the rim of the gear
    const int rim = internal ? root - 8 : root + 8;
    c.MoveTo(2, rim);
    c.LineTo(w - 2, rim);
    // the anvils touch the outer flanks of the teeth spanned (external), or the flanks
    // that face the teeth enclosed between them (internal)
    const int half = (tipHalf + rootHalf) / 2;
    const int left = internal ? axis(0) + half + 1 : axis(0) - half - 1;
    const int right = internal ? axis(3) - half - 1 : axis(2) + half + 1;
    c.Pen.Color = ui::clRed;
    c.Pen.Width = 3;
    for (int x : {left, right}) {
        c.MoveTo(x, mid - depth / 2 - 6);
        c.LineTo(x, mid + depth / 2 + 7);
    }
    c.Pen.Width = 1;
    c.Pen.Color = ui::clBlack;
    const int y = h - 10;
    c.Pen.Style = ui::PenStyle::Dot;
    for (int x : {left, right}) {
        c.MoveTo(x, mid + depth / 2 + 7);
        c.LineTo(x, y + 3);
    }
    c.Pen.Style = ui::PenStyle::Solid;
    Dimension(c, left, y, right, y);
    Symbol(c, (left + right) / 2 - 4, y - 13, "W", "");
}

// A gear of z teeth round (cx, cy): tips on radius ra, roots on rf (an internal gear
// has its tips inside).
std::vector<ui::Point> GearOutline(int cx, int cy, double ra, double rf, int z) {
    std::vector<ui::Point> p;
    const double step = 2 * kPi / z;
    auto at = [&](double r, double a) {
        return ui::Point{cx + static_cast<int>(std::lround(r * std::cos(a))),
                         cy - static_cast<int>(std::lround(r * std::sin(a)))};
    };
    for (int i = 0; i <= z; ++i) {
        const double a = i * step;  // the middle of a space
        p.push_back(at(rf, a - step * 0.15));
        p.push_back(at(rf, a + step * 0.15));
        p.push_back(at(ra, a + step * 0.35));
        p.push_back(at(ra, a + step * 0.65));
    }
    return p;
}

void DrawBalls(ui::Canvas& c, bool internal, int w, int h) {
    const int cx = w / 2, cy = (h - 14) / 2 + 2;
    const double outer = std::min(w / 2 - 10, (h - 14) / 2 - 2);
    const int z = 10;
    const double ra = internal ? outer * 0.72 : outer * 0.88;
    const double rf = internal ? outer * 0.88 : outer * 0.7;
    const int rim = static_cast<int>(outer);
    if (internal) c.Ellipse(cx - rim, cy - rim, cx + rim + 1, cy + rim + 1);
    c.Pen.Width = 2;
    Polyline(c, GearOutline(cx, cy, ra, rf, z));
    c.Pen.Width = 1;
    // balls in the spaces on the horizontal axis
    const double rb = outer * 0.14;
    const double rc = internal ? (ra + rf) / 2 + rb * 0.3 : (ra + rf) / 2 + rb * 0.2;
    c.Brush.Color = ui::clRed;
    for (int side : {-1, 1}) {
        const int bx = cx + side * static_cast<int>(std::lround(rc));
        const int r = static_cast<int>(std::lround(rb));
        c.Ellipse(bx - r, cy - r, bx + r + 1, cy + r + 1);
    }
    c.Brush.Color = ui::clWhite;
    const int reach = static_cast<int>(std::lround(internal ? rc - rb : rc + rb));
    c.Pen.Style = ui::PenStyle::Dot;
    c.MoveTo(cx - reach, cy);
    c.LineTo(cx - reach, h - 7);
    c.MoveTo(cx + reach, cy);
    c.LineTo(cx + reach, h - 7);
    c.Pen.Style = ui::PenStyle::Solid;
    Dimension(c, cx - reach, h - 9, cx + reach, h - 9);
    Symbol(c, cx - 4, h - 22, "M", "");
}

}  // namespace

QImage TestDimensionPicture(TestPicture kind, bool internal, int width, int height) {
    ui::Bitmap bitmap(width, height);
    ui::Canvas& c = bitmap.Canvas();
    c.Brush.Style = ui::BrushStyle::Clear;
    c.Font = ui::Font{"Arial", 11, 0, ui::clBlack};
    switch (kind) {
        case TestPicture::Chord: DrawChord(c, internal, width, height); break;
        case TestPicture::Span: DrawSpan(c, internal, width, height); break;
        case TestPicture::Balls:
            c.Brush.Style = ui::BrushStyle::Solid;
            DrawBalls(c, internal, width, height);
            break;
    }
    c.Flush();
    return bitmap.Image().copy();
}

}  // namespace ostrimo
