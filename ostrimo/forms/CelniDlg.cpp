#include "ostrimo/forms/CelniDlg.h"

#include <cmath>
#include <utility>

#include "ostrimo/calc/Global.h"
#include "ostrimo/forms/Ostrimo.h"
#include "ostrimo/forms/Tabulka.h"
#include "runtime/NumText.h"

namespace ostrimo {

TCelniDlg* CelniDlg = nullptr;

const char* const kResultsCaption = "Results of Gear Geometry Checking";
const char* const kNoVerdictLine = "                 GEARING IS PERFECT                  ";

namespace {

constexpr int kMaxLineLength = 102;
constexpr int kMaxNumberLength = 14;
constexpr int kWarningIndent = 11;
constexpr int kButtonStripHeight = 40;

// A number of a verdict in the W:D format.  One not computed for this case shows "---",
// one that does not fit its 14 characters, or is infinite, "***" rather than a cut number
// that would look valid.
std::string Num(double x, int w, int d) {
    if (!Computed(x)) return "---";
    if (!std::isfinite(x)) return "***";
    std::string s = rt::Str(x, w, d);
    return s.size() > kMaxNumberLength ? "***" : s;
}

// Limiting diameters and slidings mean nothing while the transverse contact ratio is
// not positive.
std::string NumOrDash(double x, int w, int d) { return G.epsilonalfa > 0 ? Num(x, w, d) : "---"; }

// Epsilon with index gamma (the total contact ratio).
std::vector<GlyphAt> Eps(const char* after) {
    return {{after, {"e", 0, -5, "Symbol", 12}}, {after, {"g", 7, 2, "Symbol", 8}}};
}
// Subscripts in Arial 7, one pixel after their letter.
GlyphAt Sub(const char* text, const char* after, int dy) { return {after, {text, 1, dy, "Arial", 7}}; }
std::vector<GlyphAt> Subs(const char* text, const char* after, int dy) { return {Sub(text, after, dy)}; }

// The working centre distance the checks speak of: with the backlash made by shifting
// the wheels, the shifted one.
double WorkingCentreDistance() { return G.BacklashByShifting ? G.awBacklash : G.aw; }

// ---- texts shared by the lists (external slot numbers in the names)

std::string NotInContact(double aw) {
    return " ! Gears are not in contact, gap between tips = " + Num(aw - (G.da1 + G.da2) / 2, 5, 4);
}
const char* const kPinionTipBelowRoot =
    " ! Gears interfere, pinion tip circle interferences below root circle of wheel";
const char* const kWheelTipBelowRoot = " ! Gears interfere, wheel tip circle interferences below root circle of pinion";
const char* const kPinionNoDepth = " ! Pinion does not exist, it has zero tooth depth";
const char* const kWheelNoDepth = " ! Wheel does not exist, it has zero tooth depth";
std::string Inoperative() { return " ! Inoperative gearing - total contact ratio     = " + Num(G.epsilongamma, 5, 4); }
std::string TipTooThin(const char* gear, double s) {
    return std::string(" ! Tooth thickness on the ") + gear +
           " tip cylinder is less than 0.25 * module - s    = " + Num(s, 7, 5) + " (<" + Num(0.25 * G.mn, 7, 5) + ")";
}
bool NotSatisfactory() { return G.epsilongamma >= 1.0 && G.epsilongamma <= 1.2; }
std::string NotSatisfactoryText() {
    return "Total contact ratio is not satisfactory -      = " + Num(G.epsilongamma, 5, 4);
}
bool Low() { return G.epsilongamma > 1.2 && G.epsilongamma <= 1.4; }
std::string LowText() { return "Total contact ratio is low -      = " + Num(G.epsilongamma, 5, 4); }
// The core keeps the limiting number of teeth in x1min/x2min and the limiting AMC in
// z1min/z2min.
std::string Undercut(const char* gear, double teeth, int teethWidth, double amc) {
    return std::string(gear) + " is undercut, limiting number of teeth z          = " + Num(teeth, teethWidth, 2) +
           ",  limiting AMC x         = " + Num(amc, 6, 5);
}
std::string Clearance(const char* gear, double c, double limit) {
    return std::string(gear) + " tip clearance is less than 0.25 * module - c   = " + Num(c, 5, 4) + "  (<" +
           Num(limit, 5, 4) + ")";
}
bool TipThin(double s) { return 0.25 * G.mn <= s && s < 0.4 * G.mn; }
std::string TipThinText(const std::string& where, double s) {
    return std::string("Tooth thickness on the ") + where + " is less than 0.4 * module - s     = " + Num(s, 7, 5) +
           "  (<" + Num(0.4 * G.mn, 7, 5) + ")";
}
bool HighSliding(double v) { return std::fabs(v) > 2; }
std::string SlidingText(const char* where, double v) {
    return std::string("Dangerously high value of specific sliding at ") + where + " -   " + NumOrDash(v, 4, 3);
}

}  // namespace

TCelniDlg::TCelniDlg() : Form("CelniDlg") {
    BorderStyle = ui::BorderStyle::Single;
    BorderIcons = ui::biSystemMenu | ui::biMinimize;
    SetBounds(6, 6, 420, 200);
    SetCaption(kResultsCaption);
    KeyPreview = true;
    Panel1 = new ui::Panel(this, "Panel1", {0, 0, 412, 133});
    PaintBox1 = new ui::PaintBox(Panel1, "PaintBox1", {5, 8, 400, 118});
    PaintBox1->SetColor(ui::clWhite);
    Panel2 = new ui::Panel(this, "Panel2", {0, 133, 412, kButtonStripHeight});
    OkBtn = new ui::Button(Panel2, "OkBtn", {8, 8, 75, 25}, "&Back");
    OkBtn->Cancel = true;
    Button1 = new ui::Button(Panel2, "Button1", {91, 8, 113, 25}, "&Dimensions Table");
    Button2 = new ui::Button(Panel2, "Button2", {212, 8, 75, 25}, "&Help");

    Panel1->OnClick = [this] { FormShow(); };
    OkBtn->OnClick = [this] { OKBtnClick(); };
    Button1->OnClick = [this] { Button1Click(); };
    Button2->OnClick = [this] { Button2Click(); };
    OnShow = [this] { FormShow(); };
    OnKeyUp = [this](ui::Word& key, ui::ShiftState) { FormKeyUp(key); };
    PaintBox1->OnPaint = [this] { DrawVerdicts(); };
}

void TCelniDlg::FormShow() {
    SetActiveControl(Button1);
    PaintBox1Paint();
}

void TCelniDlg::PaintBox1Paint() {
    LayOutVerdicts();
    PaintBox1->Repaint();
}

void TCelniDlg::OKBtnClick() { Hide(); }

void TCelniDlg::Button1Click() {
    if (TabulkaDlg) TabulkaDlg->ShowModal();
}

void TCelniDlg::Button2Click() { ShowHelpTopic(9); }

void TCelniDlg::FormKeyUp(ui::Word& key) {
    if (key == ui::VK_F1) Button2Click();
}

// ---------------------------------------------------------------- the lists

void TCelniDlg::ClearVerdicts(int count, int firstWarning) {
    for (VerdictSlot& s : VerdictTable) s = {};
    VerdictTable[0] = {false, kNoVerdictLine, {}};
    VerdictCount = count;
    FirstWarningSlot = firstWarning;
}

void TCelniDlg::SetVerdict(int slot, bool shown, std::string text, const std::vector<GlyphAt>& glyphs) {
    if (text.size() > kMaxLineLength) text.resize(kMaxLineLength);
    VerdictSlot& s = VerdictTable[std::size_t(slot)];
    s = {shown, std::move(text), {}};
    // Glyphs are placed in the line's own font and place: errors bold, warnings regular
    // and indented.
    const bool error = slot < FirstWarningSlot;
    SetVerdictFont(error ? unsigned(ui::fsBold) : 0u, ui::clBlack);
    for (const GlyphAt& g : glyphs) {
        const std::size_t at = s.Text.find(g.After);
        if (at == std::string::npos) continue;
        VerdictGlyph glyph = g.Glyph;
        glyph.X += (error ? 0 : kWarningIndent) + PaintBox1->Canvas().TextWidth(s.Text.substr(0, at + g.After.size()));
        s.Glyphs.push_back(glyph);
    }
}

// ---- warnings shared by the lists

void TCelniDlg::SetContactRatioWarnings(int slot) {
    SetVerdict(slot, NotSatisfactory(), NotSatisfactoryText(), Eps("- "));
    SetVerdict(slot + 1, Low(), LowText(), Eps("- "));
}

void TCelniDlg::SetPinionUndercutWarning(int slot) {
    if (G.Protuberance1)
        SetVerdict(slot, true, "Pinion is undercut protuberantly");
    else
        SetVerdict(slot, G.UndercutPinion, Undercut("Pinion", G.x1min, 4, G.z1min),
                   {Sub("1min", "teeth z", 4), Sub("1min", "AMC x", 4)});
}

void TCelniDlg::SetClearanceWarnings(int slot, double pinion, double wheel, double limit) {
    SetVerdict(slot, !G.PinionTipClearanceOk, Clearance("Pinion", pinion, limit), Subs("1", "module - c", 4));
    SetVerdict(slot + 1, !G.WheelTipClearanceOk, Clearance("Wheel", wheel, limit), Subs("2", "module - c", 4));
}

void TCelniDlg::SetTipThicknessWarnings(int slot, double s1, double s2, const char* tip) {
    SetVerdict(slot, TipThin(s1), TipThinText("pinion tip " + std::string(tip), s1), Subs("a1", "module - s", 3));
    SetVerdict(slot + 1, TipThin(s2), TipThinText("wheel tip " + std::string(tip), s2), Subs("a2", "module - s", 3));
}

void TCelniDlg::SetSlidingWarnings(int slot) {
    const GlobalData& g = G;
    SetVerdict(slot, HighSliding(g.SpecificSlidingRoot1), SlidingText("pinion root", g.SpecificSlidingRoot1));
    SetVerdict(slot + 1, HighSliding(g.SpecificSlidingTip1), SlidingText("pinion tip diameter", g.SpecificSlidingTip1));
    SetVerdict(slot + 2, HighSliding(g.SpecificSlidingRoot2), SlidingText("wheel root", g.SpecificSlidingRoot2));
    SetVerdict(slot + 3, HighSliding(g.SpecificSlidingTip2), SlidingText("wheel tip diameter", g.SpecificSlidingTip2));
}

void TCelniDlg::BuildVerdictsExternal() {
    const GlobalData& g = G;
    const double aw = WorkingCentreDistance();
    const bool rack = g.RackMate;
    ClearVerdicts(24, 13);
    SetVerdict(1, g.TipsNotInContact, NotInContact(aw));
    SetVerdict(2, !rack && aw - (g.df2 + g.da1) / 2 < 0, kPinionTipBelowRoot);
    SetVerdict(3, !rack && aw - (g.df1 + g.da2) / 2 < 0, kWheelTipBelowRoot);
    SetVerdict(4, g.PinionNoDepth, kPinionNoDepth);
    SetVerdict(5, g.WheelNoDepth, kWheelNoDepth);
    SetVerdict(6, g.epsilongamma < 1, Inoperative(), Eps("ratio "));
    if (rack)
        SetVerdict(7, g.InterferencePinionRoot,
                   " ! Interference with pinion root, limiting addendum of the rack        h        = " +
                       Num(g.RackAddendumLimit, 5, 4),
                   Subs("a2max", "rack        h", 3));
    else
        SetVerdict(
            7, g.InterferencePinionRoot,
            " ! Interference with pinion root, limiting wheel tip diameter d         = " + NumOrDash(g.da2Limit, 5, 4),
            Subs("a2max", "diameter d", 3));
    SetVerdict(
        8, g.InterferenceWheelRoot,
        " ! Interference with wheel root, limiting pinion tip diameter d         = " + NumOrDash(g.da1Limit, 5, 4),
        Subs("a1max", "diameter d", 3));
    SetVerdict(9, g.PinionTipTooThin, TipTooThin("pinion", g.sa1), Subs("a1", "module - s", 3));
    SetVerdict(10, g.WheelTipTooThin, TipTooThin("wheel", g.sa2), Subs("a2", "module - s", 3));
    SetVerdict(11, g.PinionUndercutCutsInvolute,
               rack ? " ! Undercut of the pinion which cuts the operating involute,  h         = " +
                          Num(g.RackAddendumLimit, 5, 4)
                    : " ! Undercut of the pinion which cuts the operating involute,  d         = " +
                          NumOrDash(g.da2Limit, 5, 4),
               Subs("a2max", rack ? "involute,  h" : "involute,  d", 3));
    SetVerdict(12, g.WheelUndercutCutsInvolute,
               std::string(rack && g.Protuberance2
                               ? " ! Undercut of the rack which cuts the operating involute    d        = "
                               : " ! Undercut of the wheel which cuts the operating involute, d         = ") +
                   NumOrDash(g.da1Limit, 5, 4),
               Subs("a1max", rack && g.Protuberance2 ? "involute    d" : "involute, d", 3));
    SetContactRatioWarnings(13);
    SetPinionUndercutWarning(15);
    if (g.Protuberance2)
        SetVerdict(16, true, rack ? "Rack is undercut protuberantly" : "Wheel is undercut protuberantly");
    else
        SetVerdict(16, g.UndercutWheel, Undercut("Wheel", g.x2min, 4, g.z2min),
                   {Sub("2min", "teeth z", 4), Sub("2min", "AMC x", 4)});
    SetClearanceWarnings(17, aw - (g.df2 + g.da1) / 2, aw - (g.df1 + g.da2) / 2, 0.25 * g.mn);
    SetTipThicknessWarnings(19, g.sa1, g.sa2, "cylinder");
    SetSlidingWarnings(21);
}

void TCelniDlg::BuildVerdictsInternal() {
    const GlobalData& g = G;
    const double aw = WorkingCentreDistance();
    ClearVerdicts(31, 17);
    SetVerdict(1, g.TipsNotInContact, NotInContact(aw));
    SetVerdict(2, aw - (g.df2 + g.da1) / 2 < 0, kPinionTipBelowRoot);
    SetVerdict(3, aw - (g.df1 + g.da2) / 2 < 0, kWheelTipBelowRoot);
    SetVerdict(4, g.PinionNoDepth, kPinionNoDepth);
    SetVerdict(5, g.WheelBaseAboveTip || g.WheelNoDepth,
               g.WheelBaseAboveTip ? " ! Base diameter of the wheel (" + Num(g.db2, 5, 3) +
                                         ") is above its tip diameter (" + Num(g.da2, 5, 3) + ")"
                                   : kWheelNoDepth);
    SetVerdict(6, g.z0 >= std::fabs(g.z2),
               " ! Teeth number for Fellow cutter must be less than teeth number of wheel (at least about 1)");
    SetVerdict(7, !g.WheelBaseAboveTip && g.epsilongamma < 1, Inoperative(), Eps("ratio "));
    SetVerdict(
        8, g.InterferencePinionRoot,
        " ! Interference with pinion root, limiting wheel tip diameter d         = " + NumOrDash(g.da2Limit, 7, 5),
        Subs("a2max", "diameter d", 3));
    SetVerdict(9, g.InterferenceWheelRoot,
               " ! Interference with wheel root, limiting pinion tip diameter d         = " + Num(g.da1Limit, 7, 5),
               Subs("a1max", "diameter d", 3));
    SetVerdict(10, g.TipInterference, " ! Interference between the tips");
    SetVerdict(11, g.CutterTruncatesWheelTips,
               " ! Truncating of wheel tips by Fellow cutter tips (during manufacturing mesh)");
    SetVerdict(12, g.InternalWheelChamfer,
               " ! Truncating of wheel tips by Fellow cutter tips, limiting wheel tip diameter d         = " +
                   Num(g.da2CutterLimit, 7, 5),
               Subs("a2max", "diameter d", 3));
    SetVerdict(13, g.PinionTipTooThin, TipTooThin("pinion", g.sa1), Subs("a1", "module - s", 3));
    SetVerdict(14, g.WheelTipTooThin, TipTooThin("wheel", g.sa2), Subs("a2", "module - s", 3));
    SetVerdict(15, g.sa0 < -0.0000001,
               " ! Tooth thickness on the the Fellow cutter tip cylinder is less then 0 - s    = " + Num(g.sa0, 7, 5),
               Subs("a0", "0 - s", 3));
    SetVerdict(16, g.PinionUndercutCutsInvolute,
               " ! Undercut of the pinion which cuts the operating involute,  d         = " + Num(g.da2Limit, 7, 5),
               Subs("a2max", "involute,  d", 3));
    SetVerdict(17, g.AssemblyInterferenceSpace,
               "Assembling interference (radial fitting to the tooth space of annular gear)");
    SetVerdict(18, g.AssemblyInterferenceTooth,
               "Assembling interference (radial fitting to the tooth of annular gear)");
    SetVerdict(19, g.AssemblyInterferenceRotation,
               "Assembling interference (radial fitting and simultaneous rotation)");
    SetContactRatioWarnings(20);
    SetPinionUndercutWarning(22);
    SetClearanceWarnings(23, aw - (g.df2 + g.da1) / 2, aw - (g.df1 + g.da2) / 2, 0.25 * g.mn);
    SetTipThicknessWarnings(25, g.sa1, g.sa2, "cylinder");
    SetSlidingWarnings(27);
    SetVerdict(31, g.alfaF0 < 0, "Teeth of the Fellow cutter are undercut");
}

void TCelniDlg::BuildVerdictsBevel() {
    const GlobalData& g = G;
    ClearVerdicts(25, 13);
    SetVerdict(1, g.TipsNotInContact, NotInContact(g.aw));
    SetVerdict(2, g.aw - (g.df2 + g.da1) / 2 < 0, kPinionTipBelowRoot);
    SetVerdict(3, g.aw - (g.df1 + g.da2) / 2 < 0, kWheelTipBelowRoot);
    SetVerdict(4, g.PinionNoDepth, kPinionNoDepth);
    SetVerdict(5, g.WheelNoDepth, kWheelNoDepth);
    SetVerdict(6, g.epsilongamma < 1, Inoperative(), Eps("ratio "));
    SetVerdict(7, g.InterferencePinionRoot && !g.UndercutPinion, " ! Interference with pinion root");
    SetVerdict(8, g.InterferenceWheelRoot && !g.UndercutWheel, " ! Interference with wheel root");
    SetVerdict(9, g.PinionTipTooThin,
               " ! Tooth thickness on the pinion tip (outer)  is less than 0.25 * module - s    = " +
                   Num(g.sae1, 7, 5) + " (<" + Num(0.25 * g.mn, 7, 5) + ")",
               Subs("a1", "module - s", 3));
    SetVerdict(10, g.WheelTipTooThin,
               " ! Tooth thickness on the wheel tip (outer)  is less than 0.25 * module - s    = " + Num(g.sae2, 7, 5) +
                   " (<" + Num(0.25 * g.mn, 7, 5) + ")",
               Subs("a2", "module - s", 3));
    SetVerdict(11, g.b > g.Le,
               " ! Impossible gears shape, facewidth b is greater than cone distance L  = " + Num(g.Le, 1, 1),
               Subs("e", "distance L", 3));
    // The limit is held in degrees; an angle at the limit, within the rounding of its
    // conversions, does not exceed it.
    const double betaDeg = RadToDeg(g.beta);
    SetVerdict(12, betaDeg > g.betamMaxDeg + 1e-9,
               " ! Teeth inclination angle at mean of the facewidth is exceeded - " + Num(betaDeg, 7, 5) +
                   "\xC2\xB0> " + Num(g.betamMaxDeg, 7, 5) + "\xC2\xB0");
    SetContactRatioWarnings(13);
    SetVerdict(15, g.UndercutPinion, Undercut("Pinion", g.x1min * std::cos(g.delta1), 4, g.z1min),
               {Sub("1min", "teeth z", 4), Sub("1min", "AMC x", 4)});
    SetVerdict(16, g.UndercutWheel, Undercut("Wheel", g.x2min * std::cos(g.delta2), 5, g.z2min),
               {Sub("2min", "teeth z", 4), Sub("2min", "AMC x", 4)});
    // The bevel clearance limit is 0.2 module, whatever the text says.
    SetClearanceWarnings(17, g.cP1 * g.mn, g.cP2 * g.mn, 0.2 * g.mn);
    SetTipThicknessWarnings(19, g.sae1, g.sae2, "(outer) ");
    SetSlidingWarnings(21);
    SetVerdict(25, g.b < 0.25 * g.Le || g.b > 0.35 * g.Le,
               "Recommended facewidth for this bevel gear is from " + Num(0.25 * g.Le, 1, 1) + " to " +
                   Num(0.35 * g.Le, 1, 1) + " [mm]");
}

// ---------------------------------------------------------------- layout and drawing

void TCelniDlg::SetVerdictFont(unsigned style, ui::Color color) {
    ui::Canvas& c = PaintBox1->Canvas();
    c.Font = PaintBox1->Font();
    c.Font.SetSize(8);
    c.Font.Style = style;
    c.Font.Color = color;
}

void TCelniDlg::MeasureVerdictLine() {
    const VerdictSlot& slot = VerdictTable[std::size_t(VerdictIndex)];
    if (!slot.Shown) return;
    VerdictY += VerdictLineHeight;
    VerdictMaxWidth = std::max(VerdictMaxWidth, PaintBox1->Canvas().TextWidth(slot.Text));
}

void TCelniDlg::LayOutVerdicts() {
    switch (G.GearingType) {
        case kExternalGearing: BuildVerdictsExternal(); break;
        case kInternalGearing: BuildVerdictsInternal(); break;
        case kBevelGearing: BuildVerdictsBevel(); break;
        default: ClearVerdicts(0, 1); break;
    }
    // Measure: errors bold, warnings regular.
    SetVerdictFont(ui::fsBold, ui::clBlack);
    VerdictMaxWidth = PaintBox1->Canvas().TextWidth(VerdictTable[0].Text);
    VerdictListHeight = 0;
    VerdictY = 0;
    VerdictLineHeight = 17;
    for (VerdictIndex = 1; VerdictIndex <= VerdictCount; ++VerdictIndex) {
        if (VerdictIndex == FirstWarningSlot) SetVerdictFont(0, ui::clBlack);
        MeasureVerdictLine();
    }
    VerdictListHeight = VerdictY == 0 ? 15 : VerdictY;
    VerdictY = 7;

    // As wide as the list, and never narrower than the row of buttons below it.
    const int gap = 8, buttons = OkBtn->Width() + Button1->Width() + Button2->Width() + 2 * gap;
    SetBounds(Left(), Top(), std::max(VerdictMaxWidth + 38, buttons + 2 * gap + (Width() - ClientWidth())),
              VerdictListHeight + 95);
    const int w = ClientWidth(), h = ClientHeight();
    Panel1->SetBounds(0, 0, w, h - kButtonStripHeight);
    PaintBox1->SetBounds(5, 8, VerdictMaxWidth + 19, VerdictListHeight + 13);
    Panel2->SetBounds(0, h - kButtonStripHeight, w, kButtonStripHeight);
    // The buttons centred in their strip.
    int x = std::max(gap, (w - buttons) / 2);
    for (ui::Button* b : {OkBtn, Button1, Button2}) {
        b->SetLeft(x);
        x += b->Width() + gap;
    }
}

void TCelniDlg::PaintVerdictLine() {
    const VerdictSlot& slot = VerdictTable[std::size_t(VerdictIndex)];
    if (!slot.Shown) return;
    PaintBox1->Canvas().TextOut(VerdictIndex < FirstWarningSlot ? 0 : kWarningIndent, VerdictY, slot.Text);
    VerdictY += VerdictLineHeight;
}

void TCelniDlg::PaintVerdictGlyphs(bool bold) {
    const VerdictSlot& slot = VerdictTable[std::size_t(VerdictIndex)];
    if (!slot.Shown) return;
    ui::Canvas& c = PaintBox1->Canvas();
    for (const VerdictGlyph& glyph : slot.Glyphs) {
        c.Font.Name = glyph.FontName;
        c.Font.SetSize(glyph.Size);
        c.Font.Style = bold ? unsigned(ui::fsBold) : 0u;
        c.TextOut(glyph.X, VerdictY + glyph.Dy, glyph.Text);
    }
    VerdictY += VerdictLineHeight;
}

void TCelniDlg::DrawVerdicts() {
    ui::Canvas& c = PaintBox1->Canvas();
    c.Brush.Color = PaintBox1->Color();
    c.Brush.Style = ui::BrushStyle::Solid;
    c.FillRect({0, 0, VerdictMaxWidth + 19, VerdictListHeight + 13});
    if (VerdictCount == 0) return;  // no list of a known gearing type
    // First pass: the lines.
    VerdictY = 7;
    SetVerdictFont(ui::fsBold, ui::clGreen);
    if (VerdictListHeight == 15) c.TextOut(0, 7, VerdictTable[0].Text);
    SetVerdictFont(ui::fsBold, ui::clRed);
    for (VerdictIndex = 1; VerdictIndex <= VerdictCount; ++VerdictIndex) {
        if (VerdictIndex == FirstWarningSlot) SetVerdictFont(0, ui::clBlack);
        PaintVerdictLine();
    }
    // Second pass: Greek letters and subscripts over the blanks left for them; they
    // leave the lines' text untouched.
    VerdictY = 7;
    c.Brush.Style = ui::BrushStyle::Clear;
    SetVerdictFont(ui::fsBold, ui::clRed);
    for (VerdictIndex = 1; VerdictIndex <= VerdictCount; ++VerdictIndex) {
        if (VerdictIndex == FirstWarningSlot) SetVerdictFont(0, ui::clBlack);
        PaintVerdictGlyphs(VerdictIndex < FirstWarningSlot);
    }
    c.Brush.Style = ui::BrushStyle::Solid;
}

}  // namespace ostrimo
