#include "ostrimo/forms/ToolPictures.h"

#include <cmath>
#include <vector>

#include "ui/Forms.h"

namespace ostrimo {

namespace {

using Outline = std::vector<ui::Point>;

void DrawOutline(ui::Canvas& c, const Outline& points) {
    if (points.empty()) return;
    c.MoveTo(points.front().X, points.front().Y);
    for (std::size_t i = 1; i < points.size(); ++i) c.LineTo(points[i].X, points[i].Y);
    c.LineTo(points.back().X, points.back().Y + 1);  // the last point too
}

// The outline mirrored about the vertical line x = axis, in reverse order, so that a
// half outline from the left root to the tip continues to the right root.
Outline Mirrored(const Outline& half, int axis) {
    Outline whole = half;
    for (auto p = half.rbegin(); p != half.rend(); ++p) whole.push_back({2 * axis - p->X, p->Y});
    return whole;
}

void DashedLine(ui::Canvas& c, int x1, int y1, int x2, int y2, ui::Color colour) {
    c.Pen.Style = ui::PenStyle::Dash;
    c.Pen.Color = colour;
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
    c.Pen.Style = ui::PenStyle::Solid;
    c.Pen.Color = ui::clBlack;
}

QImage Finished(ui::Bitmap& bitmap) {
    bitmap.Canvas().Flush();
    return bitmap.Image().copy();
}

}  // namespace

QImage RackToolPicture(bool chamfer, bool protuberance, int width, int height) {
    ui::Bitmap bitmap(width, height);
    ui::Canvas& c = bitmap.Canvas();
    const int axis = width / 2;
    const int top = 8, tip = height - 10, depth = tip - top;
    const int rootHalf = depth * 7 / 10, tipHalf = depth / 4;
    const int datum = top + depth * 45 / 100;
    // the left half of the tooth, from the tool's root down to the middle of its crest
    Outline half;
    half.push_back({4, top});
    const int flankTop = chamfer ? top + depth / 4 : top;
    const int xFlankTop = axis - rootHalf + (rootHalf - tipHalf) * (flankTop - top) / depth;
    if (chamfer) {
        half.push_back({axis - rootHalf - 16, top});
        half.push_back({xFlankTop, flankTop});  // the chamfering edge, flatter than the flank
    } else {
        half.push_back({axis - rootHalf, top});
    }
    const int yBump = tip - depth * 3 / 10;
    const int xAtBump = axis - rootHalf + (rootHalf - tipHalf) * (yBump - top) / depth;
    if (protuberance) {
        half.push_back({xAtBump, yBump});
        half.push_back({xAtBump - 4, yBump + 3});  // the protuberance stands out of the flank
        half.push_back({axis - tipHalf - 3, tip - 4});
    } else {
        half.push_back({axis - tipHalf, tip - 4});
    }
    half.push_back({axis - tipHalf + 4, tip});  // the crest rounding
    half.push_back({axis, tip});
    c.Pen.Color = ui::clBlack;
    c.Pen.Width = 2;
    Outline whole = Mirrored(half, axis);
    whole.back().X = width - 5;
    DrawOutline(c, whole);
    c.Pen.Width = 1;
    DashedLine(c, 2, datum, width - 3, datum, ui::clBlue);
    if (protuberance) {
        // the nominal flank the protuberance undercuts below
        DashedLine(c, xAtBump, yBump, axis - tipHalf, tip - 4, ui::clRed);
        DashedLine(c, 2 * axis - xAtBump, yBump, axis + tipHalf, tip - 4, ui::clRed);
    }
    return Finished(bitmap);
}

QImage ThinningPicture(bool regrinding, int width, int height) {
    ui::Bitmap bitmap(width, height);
    ui::Canvas& c = bitmap.Canvas();
    const int axis = width / 2, top = 6, bottom = height - 6, depth = bottom - top;
    c.Pen.Width = 2;
    if (!regrinding) {
        // the cutter tooth (tip down) and, dashed, the widened cutter that thins the gear
        const int rootHalf = depth * 7 / 10, tipHalf = depth / 4;
        Outline tool = Mirrored(
            {{axis - rootHalf - 20, top}, {axis - rootHalf, top}, {axis - tipHalf, bottom}, {axis, bottom}}, axis);
        DrawOutline(c, tool);
        c.Pen.Width = 1;
        DashedLine(c, axis - rootHalf - 5, top, axis - tipHalf - 5, bottom, ui::clRed);
        DashedLine(c, axis + rootHalf + 5, top, axis + tipHalf + 5, bottom, ui::clRed);
    } else {
        // a gear tooth (tip up) with curved involute flanks; dashed, the reground flanks
        Outline flank;
        const int baseHalf = depth * 6 / 10, tipHalf = depth / 5;
        for (int i = 0; i <= 8; ++i) {
            const double t = i / 8.0;
            const int y = bottom - static_cast<int>(t * depth);
            const int x = axis - baseHalf + static_cast<int>((baseHalf - tipHalf) * std::sqrt(t));
            flank.push_back({x, y});
        }
        flank.insert(flank.begin(), {axis - baseHalf - 20, bottom});
        flank.push_back({axis, top});
        DrawOutline(c, Mirrored(flank, axis));
        c.Pen.Width = 1;
        for (int side : {-1, 1}) {
            for (std::size_t i = 2; i + 1 < flank.size(); ++i) {
                const ui::Point a = flank[i - 1], b = flank[i];
                DashedLine(c, axis + side * (axis - a.X - 5), a.Y, axis + side * (axis - b.X - 5), b.Y, ui::clRed);
            }
        }
    }
    return Finished(bitmap);
}

}  // namespace ostrimo
