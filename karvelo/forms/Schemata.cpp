#include "karvelo/forms/Schemata.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "karvelo/calc/Global.h"

namespace karvelo {

TPudorysne_schema* Pudorysne_schema = nullptr;

namespace {

// Hot spots in image pixels, bounds inclusive, with the arrangement each picks.
struct Spot {
    int left, top, right, bottom, arrangement;
};
constexpr Spot kSpots[9] = {
    {10, 200, 83, 270, 1},   {10, 280, 83, 354, 2},   {62, 75, 130, 146, 3},
    {175, 75, 260, 146, 3},  {294, 220, 370, 318, 4}, {8, 18, 63, 114, 5},
    {228, 238, 292, 328, 5}, {290, 40, 368, 163, 6},  {190, 10, 268, 110, 7},
};

constexpr int kPictureWidth = 370, kPictureHeight = 362;

// Plan view of an arrangement: the pinion shaft and the wheel shaft side by side, the gears in
// mesh at `mesh` (0 top .. 1 bottom of the shafts), the bearings of each shaft at two places;
// the pinion shaft is driven from its lower end.
struct Sketch {
    double mesh;
    double pinionBearings[2];
    double wheelBearings[2];
};
// 1, 2 overhung pinion (1 also the wheel); 3 to 7 the pinion between its bearings, from near
// one bearing to the middle of the span.
constexpr Sketch kSketches[7] = {
    {0.12, {0.45, 0.95}, {0.45, 0.95}}, {0.12, {0.45, 0.95}, {0.0, 1.0}}, {0.17, {0.0, 1.0}, {0.0, 1.0}},
    {0.26, {0.0, 1.0}, {0.0, 1.0}},     {0.34, {0.0, 1.0}, {0.0, 1.0}},   {0.42, {0.0, 1.0}, {0.0, 1.0}},
    {0.5, {0.0, 1.0}, {0.0, 1.0}},
};

// Where each spot's sketch is drawn: inside the spot, where a click picks that spot (spot 4
// takes the part it shares with spot 9, spot 3 the strip it shares with spot 6).
struct Area {
    int left, top, right, bottom;
};
constexpr Area kAreas[9] = {
    {10, 200, 83, 270}, {10, 280, 83, 354},   {64, 75, 130, 146},  {175, 75, 260, 146}, {294, 220, 369, 318},
    {8, 18, 61, 114},   {228, 238, 292, 328}, {290, 40, 368, 163}, {190, 10, 268, 74},
};

// The sketch of arrangement `no` inside area `a`, its shafts along the longer side of the area;
// `mirrored` turns it end for end.
void DrawArrangement(ui::Canvas& c, const Area& a, int no, bool mirrored) {
    const Sketch& k = kSketches[no - 1];
    const bool vertical = a.bottom - a.top >= a.right - a.left;
    // Coordinates along the shafts and across them.
    const int a0 = vertical ? a.top + 18 : a.left + 16, a1 = vertical ? a.bottom - 12 : a.right - 12;
    const int c0 = vertical ? a.left : a.top, width = vertical ? a.right - a.left : a.bottom - a.top;
    auto point = [vertical](int along, int across) {
        return vertical ? ui::Point{across, along} : ui::Point{along, across};
    };
    auto line = [&](int al0, int ac0, int al1, int ac1) {
        const ui::Point p = point(al0, ac0), q = point(al1, ac1);
        c.MoveTo(p.X, p.Y);
        c.LineTo(q.X, q.Y);
    };
    auto box = [&](int al0, int ac0, int al1, int ac1) {
        const ui::Point p = point(al0, ac0), q = point(al1, ac1);
        c.Rectangle(std::min(p.X, q.X), std::min(p.Y, q.Y), std::max(p.X, q.X) + 1, std::max(p.Y, q.Y) + 1);
    };
    auto at = [&](double f) { return int(std::lround(a0 + (mirrored ? 1 - f : f) * (a1 - a0))); };
    const int pinionHalf = std::max(4, width / 10), wheelHalf = std::max(8, width / 5);
    const int pinion = c0 + width / 2 - wheelHalf / 2 - 2, wheel = pinion + pinionHalf + wheelHalf;
    const int gear = at(k.mesh), gearHalf = std::max(4, (a1 - a0) / 12);

    c.Pen = {ui::clBlack, 2, ui::PenStyle::Solid};
    line(a0 - 4, pinion, a1 + 8, pinion);  // the pinion shaft runs out to its drive
    line(a0 - 4, wheel, a1 + 4, wheel);
    c.Pen = {ui::clBlack, 1, ui::PenStyle::Solid};
    c.Brush = {ui::clBlue, ui::BrushStyle::Solid};
    box(gear - gearHalf, pinion - pinionHalf, gear + gearHalf, pinion + pinionHalf);
    c.Brush = {ui::clGreen, ui::BrushStyle::Solid};
    box(gear - gearHalf, wheel - wheelHalf, gear + gearHalf, wheel + wheelHalf);
    // Bearings: crossed boxes.
    for (int shaft = 0; shaft < 2; ++shaft)
        for (double f : shaft == 0 ? k.pinionBearings : k.wheelBearings) {
            const int along = at(f), across = shaft == 0 ? pinion : wheel;
            c.Brush = {ui::clSilver, ui::BrushStyle::Solid};
            box(along - 4, across - 5, along + 4, across + 5);
            line(along - 4, across - 5, along + 4, across + 5);
            line(along - 4, across + 5, along + 4, across - 5);
        }
    // The drive: an arrow at the end of the pinion shaft.
    const int end = a1 + 8;
    line(end - 4, pinion - 4, end + 1, pinion);
    line(end + 1, pinion, end - 5, pinion + 5);

    c.Font.Style = ui::fsBold;
    c.Font.Color = ui::clMaroon;
    c.Brush.Style = ui::BrushStyle::Clear;
    c.TextOut(a.left + 3, a.top + 2, std::to_string(no));
}

// The drawing of the seven arrangements, each inside its hot spots, on a white ground that the
// transparent picture lets through.
QImage DrawArrangements() {
    ui::Bitmap picture(kPictureWidth, kPictureHeight);
    ui::Canvas& c = picture.Canvas();
    c.Brush = {ui::clWhite, ui::BrushStyle::Solid};
    c.FillRect({0, 0, kPictureWidth, kPictureHeight});
    bool seen[8] = {};
    for (int i = 0; i < 9; ++i) {
        const int no = kSpots[i].arrangement;
        DrawArrangement(c, kAreas[i], no, seen[no]);
        seen[no] = true;
    }
    c.Flush();
    return picture.Image();
}

}  // namespace

int TPudorysne_schema::SpotAt(int x, int y) {
    for (int i = 0; i < 9; ++i) {
        const Spot& s = kSpots[i];
        if (x >= s.left && x <= s.right && y >= s.top && y <= s.bottom) return i + 1;
    }
    return 0;
}

int TPudorysne_schema::ArrangementOfSpot(int spot) { return spot >= 1 && spot <= 9 ? kSpots[spot - 1].arrangement : 0; }

TPudorysne_schema::TPudorysne_schema() : Form("Pudorysne_schema") {
    SetCaption("Kinematic arrangement    (ČSN 01 4686 part 4, fig.1)");
    SetClientSize(390, 384);
    Position = ui::Position::ScreenCenter;
    BorderStyle = ui::BorderStyle::Single;
    BorderIcons = ui::biSystemMenu;
    KeyPreview = true;
    PaintBox1 = new ui::PaintBox(this, "PaintBox1", {8, 8, 370, 362});
    Image1 = new ui::Image(this, "Image1", {7, 8, 370, 362});
    Image1->SetPicture(DrawArrangements());
    Image1->SetTransparent(true);
    PaintBox1->OnPaint = [this] { PaintBox1Paint(); };
    Image1->OnMouseMove = [this](ui::ShiftState, int x, int y) { Image1MouseMove(x, y); };
    Image1->OnMouseUp = [this](ui::MouseButton, ui::ShiftState, int x, int y) { Image1MouseUp(x, y); };
    OnKeyPress = [this](ui::KeyChar& key) { FormKeyPress(key); };
    OnCreate = [this] { FormCreate(); };
}

void TPudorysne_schema::FormCreate() {
    spot_ = 0;
    bitmap_.SetSize(PaintBox1->Width(), PaintBox1->Height());
}

void TPudorysne_schema::Image1MouseMove(int x, int y) {
    const int spot = SpotAt(x, y);
    if (spot == spot_) return;
    spot_ = spot;
    PaintBox1->Repaint();
}

// The arrangement under the mouse gets a red dash-dot frame.
void TPudorysne_schema::PaintBox1Paint() {
    ui::Canvas& c = bitmap_.Canvas();
    c.Brush = {Color(), ui::BrushStyle::Solid};
    c.FillRect({0, 0, bitmap_.Width(), bitmap_.Height()});
    if (spot_ >= 1 && spot_ <= 9) {
        const Spot& s = kSpots[spot_ - 1];
        c.Pen = {ui::clRed, 1, ui::PenStyle::DashDot};
        c.Brush.Style = ui::BrushStyle::Clear;
        c.Rectangle(s.left, s.top, s.right + 1, s.bottom + 1);
    }
    c.Flush();
    PaintBox1->Canvas().Draw(0, 0, bitmap_);
}

void TPudorysne_schema::Image1MouseUp(int x, int y) {
    const int spot = SpotAt(x, y);
    if (spot == 0) {
        ui::MessageBeep(0xFFFF);
        return;
    }
    G.ArrangementNo = static_cast<std::int16_t>(ArrangementOfSpot(spot));
    ModalResult = ui::mrOk;
    ComputeKHbetaFromArrangement();
}

// Esc closes without a pick: the arrangement and KHbeta stay as they were.
void TPudorysne_schema::FormKeyPress(ui::KeyChar& key) {
    if (key == 27) Close();
}

void ComputeKHbetaFromArrangement() {
    struct Coefficients {
        double k1, k2;
    };
    static constexpr Coefficients kHardened[kArrangements] = {
        {0.95, 0.25},     {0.2475, 0.8125}, {0.2438, 0.1406}, {0.1613, 0.1093},
        {0.0779, 0.1076}, {0.0271, 0.0893}, {0, 0.0625},
    };
    static constexpr Coefficients kSofter[kArrangements] = {
        {0.385, 0.125},   {0.2064, 0.1607}, {0.1325, 0.0312},  {0.0385, 0.0535},
        {0.0191, 0.0468}, {0.0037, 0.0424}, {-0.0136, 0.0366},
    };
    GlobalData& g = G;
    if (g.ArrangementNo <= kNoArrangement || g.ArrangementNo > kArrangements) return;
    const double b = std::min(g.b1, g.b2);
    const double x = b * std::cos(g.beta) / (g.z1 * g.mn);  // b / d1
    const bool hardened = std::min(g.HV1, g.HV2) > 350;
    const Coefficients& k = (hardened ? kHardened : kSofter)[g.ArrangementNo - 1];
    g.KHbeta = 1 + k.k1 * x + k.k2 * x * x;
}

}  // namespace karvelo
