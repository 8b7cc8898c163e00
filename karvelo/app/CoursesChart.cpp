#include "karvelo/app/CoursesChart.h"

#include <algorithm>
#include <cmath>

#include "karvelo/app/Prubehy_jedn.h"
#include "karvelo/app/StressCases.h"
#include "karvelo/calc/MaterialClasses.h"
#include "runtime/NumText.h"
#include "runtime/Rounding.h"
#include "ui/Canvas.h"

namespace karvelo {

namespace {

using OptPoint = std::optional<ui::Point>;

constexpr int kOriginX = 50;   // the load axis, also lg N = 0
constexpr int kOriginY = 350;  // the cycles axis, also lg S = 1
constexpr int kKneeX = 350;
constexpr int kEndX = 620;   // end of the endurance and hypothesis lines
constexpr int kDropY = 355;  // dotted drops end below the cycles axis
constexpr ui::Rect kCurveClip{50, 10, 682, 350};
// Coordinates farther out than this are not drawn (they could not be seen and would not fit).
constexpr double kFarCoordinate = 1e6;

std::optional<int> Coordinate(double v) {
    if (!std::isfinite(v) || std::fabs(v) > kFarCoordinate) return std::nullopt;
    return static_cast<int>(v);
}

ui::Font Courier(int points, ui::Color colour) {
    ui::Font f;
    f.Name = "Courier New";
    f.SetSize(points);
    f.Style = ui::fsBold;
    f.Color = colour;
    return f;
}

ui::Font Symbol(int points, ui::Color colour) {
    ui::Font f = Courier(points, colour);
    f.Name = "Symbol";
    return f;
}

OptPoint Pt(std::optional<int> x, std::optional<int> y) {
    if (!x || !y) return std::nullopt;
    return ui::Point{*x, *y};
}

// Builds the chart in the order PaintBox1Paint draws it.
class CoursesDrawing {
public:
    CoursesDrawing(const GlobalData& g, const CoursesChartData& curve, SpectrumShown shown)
        : g_(g),
          curve_(curve),
          shown_(shown),
          case_(CaseFromCode(g.StressCase)),
          caseColour_(CaseColour(case_)),
          scale_(ComputeLogScale(curve)),
          levels_(std::clamp<int>(g.LevelCount, 0, kMaxLevels)) {}

    ChartPicture Build() {
        DrawAxisTexts();
        DrawCoursesLegend();
        Line(ui::Point{40, kOriginY}, ui::Point{640, kOriginY});
        DrawArrowRight({640, kOriginY});
        Line(ui::Point{kOriginX, 358}, ui::Point{kOriginX, 10});
        DrawArrowUp({kOriginX, 10});
        if (scale_.Valid) {
            DrawCyclesAxis();
            DrawLoadAxis();
            if (g_.CalcMethodics >= kMethodicsMiner) DrawCurve();
            if (g_.CalcMethodics < kMethodicsMiner) {
                const double last = levels_ > 0 ? curve_.CurveLevelStress[levels_] : 0;
                Line(Pt(kKneeX, scale_.Y(last)), ui::Point{kKneeX, kDropY}, ui::clBlack, 1, ui::PenStyle::Dot);
            }
            if (g_.CaseEquivalent > 0) DrawEquivalentPoint();
            if (g_.CalcMethodics >= kMethodicsMiner) DrawHypothesisLine();
            if (shown_ != SpectrumShown::Cumulative) DrawSpectrum(false);
            if (shown_ != SpectrumShown::Class) DrawSpectrum(true);
        }
        picture_.Caption = Caption();
        return std::move(picture_);
    }

private:
    // ---- items
    void Line(OptPoint from, OptPoint to, ui::Color colour = ui::clBlack, int width = 1,
              ui::PenStyle style = ui::PenStyle::Solid) {
        if (from && to && !(*from == *to)) picture_.Items.push_back(ChartLine{*from, *to, colour, width, style});
    }
    void Circle(const ui::Point& centre, int radius, ui::Color colour, int width) {
        picture_.Items.push_back(
            ChartEllipse{{centre.X - radius, centre.Y - radius, centre.X + radius, centre.Y + radius}, colour, width});
    }
    void Text(int x, int y, const std::string& text, const ui::Font& font) {
        picture_.Items.push_back(ChartText{{x, y}, text, font});
    }
    OptPoint At(double cycles, double stress) const { return Pt(scale_.X(cycles), scale_.Y(stress)); }

    // ---- marks at a point
    void DrawArrowUp(ui::Point p) {
        Line(p, ui::Point{p.X + 5, p.Y + 13});
        Line(p, ui::Point{p.X - 5, p.Y + 13});
    }
    void DrawArrowRight(ui::Point p) {
        Line(p, ui::Point{p.X - 13, p.Y + 5});
        Line(p, ui::Point{p.X - 13, p.Y - 5});
    }
    void DrawTickX(ui::Point p) {
        Line(p, ui::Point{p.X, p.Y + 5});
        Line(p, ui::Point{p.X, p.Y - 2});
    }
    void DrawTickY(ui::Point p) {
        Line(p, ui::Point{p.X + 2, p.Y});
        Line(p, ui::Point{p.X - 4, p.Y});
    }

    // ---- texts
    const char* Subscript(const char* po, const char* pd, const char* ko, const char* kd) const {
        return PickText(case_, po, pd, ko, kd);
    }

    void DrawAxisTexts() {
        const bool approximate = g_.CalcMethodics < kMethodicsMiner;
        Text(590, 376, "log", Courier(12, ui::clBlack));
        const char* cycles = shown_ == SpectrumShown::Class ? "n" : shown_ == SpectrumShown::Cumulative ? "N" : "n,N";
        Text(628, 376, cycles, Courier(12, caseColour_));
        Text(4, 0, "log", Courier(12, ui::clBlack));
        if (!approximate) {
            Text(4, 13, "s", Symbol(16, caseColour_));
        } else if (g_.LoadAsForce) {
            Text(0, 13, "F", Courier(14, caseColour_));
            Text(10, 26, "t", Courier(12, caseColour_));
        } else {
            Text(7, 13, "T", Courier(14, caseColour_));
        }
        Text(334, 369, "N", Courier(14, caseColour_));
        Text(20, 26, Subscript("F1", "H1", "F2", "H2"), Courier(10, caseColour_));
        Text(349, 375, Subscript("Flim1", "Hlim1", "Flim2", "Hlim2"), Courier(10, caseColour_));
    }

    // One legend line: symbol, subscript and "=" value, dx pixels right of its place.
    void LegendItem(int sx, int sy, const std::string& symbol, const ui::Font& symbolFont, int bx, int by,
                    const std::string& subscript, int vx, int vy, const std::string& value, int dx = 0) {
        Text(sx + dx, sy, symbol, symbolFont);
        Text(bx + dx, by, subscript, Courier(10, caseColour_));
        Text(vx + dx, vy, "=" + value, Courier(12, ui::clBlack));
    }

    // Width of a legend value ("=" and the value) in the monospaced font of size 12: every
    // character 0.6 of the font height, rounded up as the screen fonts are.
    static int ValueWidth(const std::string& value) {
        const int advance = (Courier(12, ui::clBlack).PixelSize * 6 + 9) / 10;
        return int(value.size() + 1) * advance;
    }

    void DrawCoursesLegend() {
        const bool force = g_.LoadAsForce;
        const std::string unit = force ? " [N]" : " [Nm]";
        const std::string load = force ? "F" : "T";
        const auto stressText = [](double v) { return rt::Str(v, 1, 1) + " [MPa]"; };

        const double equivalent = force ? PickCase(case_, g_.FtFe1, g_.FtHe1, g_.FtFe2, g_.FtHe2)
                                        : PickCase(case_, g_.TFe1, g_.THe1, g_.TFe2, g_.THe2);
        const std::string loadValue = rt::Str(equivalent, 1, 1) + unit;
        const bool permissible = g_.LoadInputMethod > kOneLevelLoading && g_.CalcMethodics >= kMethodicsMiner;
        const std::string permissibleValue = rt::Str(force ? PickCase(case_, g_.FtFP1, g_.FtHP1, g_.FtFP2, g_.FtHP2)
                                                           : PickCase(case_, g_.TFP1, g_.THP1, g_.TFP2, g_.THP2),
                                                     1, 1) +
                                             unit;

        const bool stresses = g_.CalcMethodics >= kMethodicsMiner;
        const bool one = g_.LoadInputMethod == kOneLevelLoading;
        const std::string rightValues[2] = {
            stresses ? stressText(one ? PickCase(case_, g_.SigmaF1, g_.SigmaH1, g_.SigmaF2, g_.SigmaH2)
                                      : PickCase(case_, g_.SigmaF1ekv, g_.SigmaH1ekv, g_.SigmaF2ekv, g_.SigmaH2ekv))
                     : FormatCoursesValue(PickCase(case_, g_.NFe1, g_.NHe1, g_.NFe2, g_.NHe2), g_.LargeNumberFormat),
            stresses ? stressText(PickCase(case_, g_.Sigmafpb1ref, g_.SigmaHP1ref, g_.Sigmafpb2ref, g_.SigmaHP2ref))
                     : rt::Str(PickCase(case_, g_.KAF1, g_.KAH1, g_.KAF2, g_.KAH2), 1, 3)};

        // Long loads push the stresses (or the cycles) right, as far as the chart allows, so
        // that a unit never runs into the symbol beside it.
        constexpr int kGap = 8;
        const int leftEnd = 342 + std::max(ValueWidth(loadValue), permissible ? ValueWidth(permissibleValue) : 0);
        const int rightStart = stresses ? 474 : 491;
        const int valueLeft = stresses ? 540 : 532;
        const int rightEnd = valueLeft + std::max(ValueWidth(rightValues[0]), ValueWidth(rightValues[1]));
        const int dx = std::max(0, std::min(leftEnd + kGap - rightStart, picture_.Width - 2 - rightEnd));

        if (one)
            LegendItem(298, 9, load, Courier(14, caseColour_), 312, 16, "jm", 342, 10, loadValue);
        else if (force)
            LegendItem(298, 9, load, Courier(14, caseColour_), 310, 16, Subscript("tFe1", "tHe1", "tFe2", "tHe2"), 342,
                       10, loadValue);
        else
            LegendItem(298, 9, load, Courier(14, caseColour_), 312, 16, Subscript("Fe1", "He1", "Fe2", "He2"), 342, 10,
                       loadValue);

        if (permissible) {
            if (force)
                LegendItem(275, 39, "F", Courier(14, caseColour_), 285, 46,
                           Subscript("tFPref1", "tHPref1", "tFPref2", "tHPref2"), 342, 40, permissibleValue);
            else
                LegendItem(279, 39, "T", Courier(14, caseColour_), 291, 46,
                           Subscript("FPref1", "HPref1", "FPref2", "HPref2"), 342, 40, permissibleValue);
        }

        if (stresses) {
            LegendItem(491, 2, "s", Symbol(16, caseColour_), 507, 18,
                       one ? Subscript("F1", "H1", "F2", "H2") : Subscript("Fe1", "He1", "Fe2", "He2"), 540, 10,
                       rightValues[0], dx);
            LegendItem(474, 30, "s", Symbol(16, caseColour_), 489, 46,
                       Subscript("FPref1", "HPref1", "FPref2", "HPref2"), 540, 40, rightValues[1], dx);
        } else {
            LegendItem(491, 10, "N", Courier(14, caseColour_), 505, 16, Subscript("Fe1", "He1", "Fe2", "He2"), 532, 10,
                       rightValues[0], dx);
            LegendItem(496, 38, "K", Courier(14, caseColour_), 510, 46, "A", 532, 40, rightValues[1], dx);
            if (one) Text(507 + dx, 18, Subscript("F1", "H1", "F2", "H2"), Courier(10, caseColour_));
        }
    }

    // ---- axes
    void DrawCyclesAxis() {
        const int decades = curve_.CurveKneeCycles < 2000000 ? 11 : 12;
        for (int i = 1; i <= decades; ++i) {
            const std::optional<int> x = Coordinate(rt::Round(i * scale_.ScaleX + kOriginX));
            if (!x) continue;
            DrawTickX({*x, kOriginY});
            Text(*x - 3, 356, std::to_string(i), Courier(12, ui::clBlack));
        }
    }

    void DrawLoadAxis() {
        const double s = curve_.CurveLimitStress;
        const int decades = s <= 60 ? 1 : s <= 600 ? 2 : s <= 6000 ? 3 : s <= 60000 ? 4 : s <= 600000 ? 5 : 6;
        for (int i = 1; i <= decades; ++i) {
            const std::optional<int> y = Coordinate(rt::Round(kOriginY - (i - 1) * scale_.ScaleY));
            if (!y) continue;
            DrawTickY({kOriginX, *y});
            Text(35, *y - 8, std::to_string(i), Courier(12, ui::clBlack));
        }
    }

    // ---- the S-N curve (Miner, Haibach)
    bool PittingCurve() const {
        return (case_ == StressCaseId::PD && g_.PittingAllowed1) || (case_ == StressCaseId::KD && g_.PittingAllowed2);
    }

    void DrawCurve() {
        const std::optional<int> yStatic = scale_.Y(curve_.CurveStaticStress);
        const OptPoint knee = Pt(kKneeX, scale_.Y(curve_.CurveLimitStress));
        const OptPoint staticEnd = At(curve_.CurveStaticCycles, curve_.CurveStaticStress);
        if (yStatic) DrawTickY({kOriginX, *yStatic});
        picture_.Items.push_back(ChartClip{kCurveClip});
        if (PittingCurve()) {
            const OptPoint pitting = At(kPittingKneeCycles, curve_.CurvePittingKneeStress);
            Line(staticEnd, pitting);
            Line(pitting, knee);
        } else {
            Line(staticEnd, knee);
        }
        Line(knee, ui::Point{kKneeX, kDropY}, ui::clBlack, 1, ui::PenStyle::Dot);
        Line(Pt(kOriginX, yStatic), staticEnd);
        Line(knee, Pt(kEndX, scale_.Y(curve_.CurveLimitStress)));
    }

    // The continuation beyond the knee: horizontal by Miner, down with the Haibach exponent.
    void DrawHypothesisLine() {
        const OptPoint knee = Pt(kKneeX, scale_.Y(curve_.CurveLimitStress));
        double endStress = curve_.CurveLimitStress;
        if (g_.HypothesisHaibach) {
            const double endCycles = std::pow(10.0, (kEndX - kOriginX) / scale_.ScaleX);
            endStress = curve_.CurveLimitStress *
                        std::pow(curve_.CurveKneeCycles / endCycles, 1.0 / curve_.CurveExponentHaibach);
        }
        Line(knee, Pt(kEndX, scale_.Y(endStress)), kHypothesisColour, 2);
    }

    // ---- the equivalent point
    void DrawEquivalentPoint() {
        const bool wheel = IsWheelCase(case_);
        ui::Color colour = caseColour_;
        double cycles = 0, stress = 0;
        if (g_.CalcMethodics >= kMethodicsMiner) {
            cycles = PickCase(case_, g_.NF1ekv, g_.NH1ekv, g_.NF2ekv, g_.NH2ekv);
            stress = PickCase(case_, g_.SigmaF1ekv, g_.SigmaH1ekv, g_.SigmaF2ekv, g_.SigmaH2ekv);
        }
        if (g_.LoadInputMethod != kMultilevelLoading) {
            cycles = wheel ? g_.NL2 : g_.NL1;
            stress = g_.CaseEquivalent;
        }
        if (g_.CalcMethodics < kMethodicsMiner) {
            cycles = PickCase(case_, g_.NFe1, g_.NHe1, g_.NFe2, g_.NHe2);
            stress = g_.LoadAsForce ? PickCase(case_, g_.FtFe1, g_.FtHe1, g_.FtFe2, g_.FtHe2)
                                    : PickCase(case_, g_.TFe1, g_.THe1, g_.TFe2, g_.THe2);
        }
        if (g_.CalcMethodics >= kMethodicsMiner && !(PickCase(case_, g_.SF1, g_.SH1, g_.SF2, g_.SH2) > 1))
            colour = kFailureColour;
        if (!(stress > 0 && cycles > 0)) return;
        const OptPoint p = At(cycles, stress);
        if (!p) return;
        Line(ui::Point{kOriginX, p->Y}, p, colour);
        Circle(*p, 3, colour, 1);
        Line(p, ui::Point{p->X, kDropY}, caseColour_, 1, ui::PenStyle::Dot);
    }

    // ---- the spectrum
    // Red for a level above the static strength or above the S-N curve (Miner and Haibach only).
    ui::Color LevelColour(double stress, double cycles) const {
        if (g_.CalcMethodics < kMethodicsMiner) return caseColour_;
        const double exponent = stress >= curve_.CurveLimitStress ? curve_.CurveExponent : curve_.CurveExponentHaibach;
        const double curveStress = curve_.CurveLimitStress * std::pow(curve_.CurveKneeCycles / cycles, 1.0 / exponent);
        return stress > curve_.CurveStaticStress || stress / curveStress > 1 ? kFailureColour : caseColour_;
    }

    // Class (cumulative false) or cumulative cycles of the levels, ascending; referred to the
    // wheel for the wheel cases.
    TLevelArray LevelCycles(bool cumulative) const {
        if (!IsWheelCase(case_)) return cumulative ? g_.NLevel2 : g_.NLevel1;
        TLevelArray cum{}, cls{};
        for (int i = 1; i <= levels_; ++i) cum[i] = g_.NLevel2[i] * g_.z1 / std::fabs(g_.z2);
        for (int i = 1; i <= levels_; ++i) cls[i] = i < levels_ ? cum[i] - cum[i + 1] : cum[i];
        return cumulative ? cum : cls;
    }

    void DrawSpectrum(bool cumulative) {
        if (g_.LoadInputMethod != kMultilevelLoading || levels_ < 1) return;
        if (cumulative && !(curve_.CurveLevelStress[1] > 0)) return;
        const TLevelArray cycles = LevelCycles(cumulative);
        std::vector<ui::Point> points;
        for (int i = 1; i <= levels_; ++i) {
            const OptPoint p = At(cycles[i], curve_.CurveLevelStress[i]);
            if (!p) return;  // a level without a place: no polyline
            points.push_back(*p);
        }
        for (int i = 1; i <= levels_; ++i) {
            const ui::Color colour = LevelColour(curve_.CurveLevelStress[i], cycles[i]);
            const ui::Point& p = points[i - 1];
            if (i > 1) Line(points[i - 2], p, colour);
            if (cumulative)
                Circle(p, 3, colour, 4);
            else
                Circle(p, 4, colour, 1);
        }
    }

    // ---- the window caption
    std::string Caption() const {
        std::string caption;
        const int method = g_.LoadInputMethod;
        switch (g_.CalcMethodics) {
            case kMethodicsFigA3:
                caption = "Approximate calculation of an equivalent load and a factor Ka by ISO 6336/6 - fig. A.3";
                break;
            case kMethodicsEqA2:
                caption = "Approximate calculation of an equivalent load and a factor Ka by ISO 6336/6 - equation A.2";
                break;
            case kMethodicsMiner:
                if (method == kOneLevelLoading) caption = "Calculation by Miner";
                if (method == kMultilevelLoading)
                    caption = "Precise calculation of an equivalent load and stress by Miner";
                break;
            case kMethodicsHaibach:
                if (method == kOneLevelLoading) caption = "Calculation by Haibach";
                if (method == kMultilevelLoading)
                    caption = "Precise calculation of an equivalent load and stress by Haibach";
                break;
            default: break;
        }
        if (method == kDirectEquivalentLoad) caption = "Direct input of an equivalent load";
        if (g_.LifeFormActive) {
            const std::string what = g_.LifeFromSafety ? "of service life" : "of a safety factor";
            if (g_.CalcMethodics == kMethodicsMiner) caption = "Calculation " + what + " by Miner's hypothesis";
            if (g_.CalcMethodics == kMethodicsHaibach) caption = "Calculation " + what + " by Haibach's hypothesis";
        }
        return caption;
    }

    const GlobalData& g_;
    const CoursesChartData& curve_;
    SpectrumShown shown_;
    StressCaseId case_;
    ui::Color caseColour_;
    CoursesScale scale_;
    int levels_;
    ChartPicture picture_;
};

}  // namespace

std::optional<int> CoursesScale::X(double cycles) const {
    if (!Valid || !(cycles > 0)) return std::nullopt;
    return Coordinate(kOriginX + rt::Round(std::log10(cycles) * ScaleX));
}

std::optional<int> CoursesScale::Y(double stress) const {
    if (!Valid || !(stress > 0)) return std::nullopt;
    return Coordinate(kOriginY - rt::Round((std::log10(stress) - 1) * ScaleY));
}

CoursesScale ComputeLogScale(const CoursesChartData& curve) {
    CoursesScale s;
    const double knee = curve.CurveKneeCycles, stat = curve.CurveStaticStress;
    if (!(knee > 1 && stat > 10 && std::isfinite(knee) && std::isfinite(stat))) return s;
    s.ScaleY = 300 / (std::log10(stat) - 1);
    s.ScaleX = 300 / std::log10(knee);
    s.Valid = std::isfinite(s.ScaleX) && std::isfinite(s.ScaleY);
    return s;
}

std::string FormatCoursesValue(double x, const std::string& largeFormat) { return FormatDamageValue(x, largeFormat); }

ChartPicture BuildCoursesPicture(const GlobalData& g, const CoursesChartData& curve, SpectrumShown shown) {
    return CoursesDrawing(g, curve, shown).Build();
}

void PaintChartPicture(const ChartPicture& picture, ui::Canvas& canvas) {
    canvas.ResetClip();
    canvas.Brush = {picture.Background, ui::BrushStyle::Solid};
    canvas.Pen = {ui::clBlack, 1, ui::PenStyle::Solid};
    canvas.FillRect({0, 0, picture.Width, picture.Height});
    for (const ChartItem& item : picture.Items) {
        if (const auto* l = std::get_if<ChartLine>(&item)) {
            canvas.Pen = {l->Colour, l->Width, l->Style};
            canvas.MoveTo(l->From.X, l->From.Y);
            canvas.LineTo(l->To.X, l->To.Y);
        } else if (const auto* e = std::get_if<ChartEllipse>(&item)) {
            canvas.Pen = {e->Colour, e->Width, ui::PenStyle::Solid};
            canvas.Brush = {picture.Background, ui::BrushStyle::Solid};
            canvas.Ellipse(e->Box.Left, e->Box.Top, e->Box.Right, e->Box.Bottom);
        } else if (const auto* t = std::get_if<ChartText>(&item)) {
            canvas.Font = t->Font;
            canvas.Brush = {picture.Background, ui::BrushStyle::Solid};
            canvas.TextOut(t->At.X, t->At.Y, t->Text);
        } else if (const auto* c = std::get_if<ChartClip>(&item)) {
            if (c->Box)
                canvas.SetClipRect(*c->Box);
            else
                canvas.ResetClip();
        }
    }
    canvas.ResetClip();
}

}  // namespace karvelo
