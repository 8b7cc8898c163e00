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
    {10, 200, 83, 270, 1},  {10, 280, 83, 354, 2},  {62, 75, 130, 146, 3},
    {175, 75, 260, 146, 3}, {294, 220, 370, 318, 4}, {8, 18, 63, 114, 5},
    {228, 238, 292, 328, 5}, {290, 40, 368, 163, 6}, {190, 10, 268, 110, 7},
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

void DrawBearing(ui::Canvas& c, int x, int y) {
    c.Pen = {ui::clBlack, 1, ui::PenStyle::Solid};
    c.Brush = {ui::clSilver, ui::BrushStyle::Solid};
    c.Rectangle(x - 5, y - 4, x + 6, y + 5);
    c.MoveTo(x - 5, y - 4);
    c.LineTo(x + 5, y + 4);
    c.MoveTo(x + 5, y - 4);
    c.LineTo(x - 5, y + 4);
}

// The sketch of arrangement `no` inside hot spot `s`; `mirrored` turns it upside down.
void DrawArrangement(ui::Canvas& c, const Spot& s, int no, bool mirrored) {
    const Sketch& k = kSketches[no - 1];
    const int w = s.right - s.left, top = s.top + 18, bottom = s.bottom - 12;
    auto at = [&](double f) { return int(std::lround(top + (mirrored ? 1 - f : f) * (bottom - top))); };
    const int pinionHalf = std::max(4, w / 10), wheelHalf = std::max(8, w / 5);
    const int xp = s.left + w / 2 - wheelHalf / 2 - 2, xw = xp + pinionHalf + wheelHalf;
    const int gear = at(k.mesh);
    const int gearHalf = std::max(5, (bottom - top) / 12);

    c.Pen = {ui::clBlack, 2, ui::PenStyle::Solid};
    c.MoveTo(xp, top - 4);
    c.LineTo(xp, bottom + 8);  // the pinion shaft runs out to its drive
    c.MoveTo(xw, top - 4);
    c.LineTo(xw, bottom + 4);
    c.Pen = {ui::clBlack, 1, ui::PenStyle::Solid};
    c.Brush = {ui::clBlue, ui::BrushStyle::Solid};
    c.Rectangle(xp - pinionHalf, gear - gearHalf, xp + pinionHalf + 1, gear + gearHalf + 1);
    c.Brush = {ui::clGreen, ui::BrushStyle::Solid};
    c.Rectangle(xw - wheelHalf, gear - gearHalf, xw + wheelHalf + 1, gear + gearHalf + 1);
    for (double f : k.pinionBearings) DrawBearing(c, xp, at(f));
    for (double f : k.wheelBearings) DrawBearing(c, xw, at(f));
    // The drive: an arrow at the end of the pinion shaft.
    const int end = bottom + 8;
    c.MoveTo(xp - 4, end - 4);
    c.LineTo(xp, end + 1);
    c.LineTo(xp + 5, end - 5);

    c.Font.Style = ui::fsBold;
    c.Font.Color = ui::clMaroon;
    c.Brush.Style = ui::BrushStyle::Clear;
    c.TextOut(s.left + 3, s.top + 2, std::to_string(no));
}

// The drawing of the seven arrangements, each inside its hot spots, on a white ground that the
// transparent picture lets through.
QImage DrawArrangements() {
    ui::Bitmap picture(kPictureWidth, kPictureHeight);
    ui::Canvas& c = picture.Canvas();
    c.Brush = {ui::clWhite, ui::BrushStyle::Solid};
    c.FillRect({0, 0, kPictureWidth, kPictureHeight});
    bool seen[8] = {};
    for (const Spot& s : kSpots) {
        DrawArrangement(c, s, s.arrangement, seen[s.arrangement]);
        seen[s.arrangement] = true;
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
    static constexpr Coefficients kHardened[7] = {
        {0.95, 0.25},      {0.2475, 0.8125}, {0.2438, 0.1406}, {0.1613, 0.1093},
        {0.0779, 0.1076},  {0.0271, 0.0893}, {0, 0.0625},
    };
    static constexpr Coefficients kSofter[7] = {
        {0.385, 0.125},    {0.2064, 0.1607}, {0.1325, 0.0312}, {0.0385, 0.0535},
        {0.0191, 0.0468},  {0.0037, 0.0424}, {-0.0136, 0.0366},
    };
    GlobalData& g = G;
    if (g.ArrangementNo < 1 || g.ArrangementNo > 7) return;
    const double b = std::min(g.b1, g.b2);
    const double x = b * std::cos(g.beta) / (g.z1 * g.mn);  // b / d1
    const bool hardened = std::min(g.HV1, g.HV2) > 350;
    const Coefficients& k = (hardened ? kHardened : kSofter)[g.ArrangementNo - 1];
    g.KHbeta = 1 + k.k1 * x + k.k2 * x * x;
}

}  // namespace karvelo
