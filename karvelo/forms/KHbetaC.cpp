#include "karvelo/forms/KHbetaC.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <iterator>
#include <string>

#include "karvelo/calc/Global.h"
#include "karvelo/calc/KHbeta_vyp.h"
#include "karvelo/calc/WindowHooks.h"
#include "karvelo/forms/KHbetaF.h"
#include "runtime/NumText.h"

namespace karvelo {

TKHbeta_C* KHbeta_C = nullptr;

namespace {

constexpr const char* kLetters[6] = {"a", "b", "c", "d", "e", "f"};
// HelixModification of the boxes None, Central crowning, End relief, Helix correction, both.
constexpr std::int16_t kModificationOfBox[5] = {kNoHelixModification, kCentralCrowning, kEndRelief, kHelixCorrection,
                                                kHelixCorrectionAndCrowning};
constexpr int kPictureWidth = 212, kPictureHeight = 118;

// ---- pictures

// A pinion on its shaft between two bearings, seen from the side: the pinion at `gearAt` of the
// bearing span (beyond 1: overhung), the torque coming in at the left or right end, and the
// contact pattern at one end of the face (-1 left, +1 right, 0 none).
struct ShaftCase {
    double gearAt;
    bool driveLeft;
    int patternEnd;
};
// Positions of the contact a) .. f) and arrangements a) .. e).
constexpr ShaftCase kPositionSketches[6] = {
    {0.7, true, -1}, {0.7, true, 1}, {0.7, false, -1}, {0.7, false, 1}, {1.25, true, 1}, {1.25, true, -1},
};
constexpr ShaftCase kArrangementSketches[5] = {
    {0.7, true, 0}, {0.7, false, 0}, {1.25, true, 0}, {0.3, true, 0}, {0.3, false, 0},
};

// A picture box keeps what was drawn on it: each picture starts on a clean ground.
void ClearPicture(ui::Canvas& c) {
    c.Brush = {ui::clWhite, ui::BrushStyle::Solid};
    c.FillRect({0, 0, kPictureWidth, kPictureHeight});
}

// The sketch, with the offset s of the pinion from the middle of the span.
void DrawShaftSketch(ui::Canvas& c, const ShaftCase& sketch) {
    const auto [gearAt, driveLeft, patternEnd] = sketch;
    ClearPicture(c);
    const int y = kPictureHeight / 2, left = 34, right = kPictureWidth - 70;
    const int xg = left + int(std::lround(gearAt * (right - left))), half = 16;
    c.Pen = {ui::clBlack, 2, ui::PenStyle::Solid};
    c.MoveTo(8, y);
    c.LineTo(kPictureWidth - 8, y);
    c.Pen = {ui::clBlack, 1, ui::PenStyle::Solid};
    for (int xb : {left, right}) {
        c.Brush = {ui::clSilver, ui::BrushStyle::Solid};
        c.Rectangle(xb - 6, y - 12, xb + 7, y + 13);
        c.MoveTo(xb - 6, y - 12);
        c.LineTo(xb + 6, y + 12);
        c.MoveTo(xb + 6, y - 12);
        c.LineTo(xb - 6, y + 12);
    }
    c.Brush = {ui::clBlue, ui::BrushStyle::Solid};
    c.Rectangle(xg - half, y - 30, xg + half + 1, y + 31);
    if (patternEnd != 0) {
        c.Brush = {ui::clRed, ui::BrushStyle::Solid};
        const int x0 = patternEnd < 0 ? xg - half + 2 : xg + half - 10;
        c.Rectangle(x0, y - 26, x0 + 9, y + 27);
    }
    // The middle of the span and the offset s of the pinion from it.
    const int mid = (left + right) / 2;
    c.Pen = {ui::clGray, 1, ui::PenStyle::Dot};
    c.MoveTo(mid, y - 44);
    c.LineTo(mid, y + 44);
    c.Pen = {ui::clBlack, 1, ui::PenStyle::Solid};
    c.MoveTo(mid, y + 40);
    c.LineTo(xg, y + 40);
    c.Brush.Style = ui::BrushStyle::Clear;
    c.Font.Color = ui::clBlack;
    c.TextOut((mid + xg) / 2 - 3, y + 40, "s");
    // The torque: an arrow at the driven end.
    const int xe = driveLeft ? 10 : kPictureWidth - 10, dir = driveLeft ? 1 : -1;
    c.Pen = {ui::clMaroon, 2, ui::PenStyle::Solid};
    c.MoveTo(xe, y - 22);
    c.LineTo(xe, y - 8);
    c.MoveTo(xe - 4, y - 13);
    c.LineTo(xe, y - 8);
    c.LineTo(xe + 5, y - 14);
    c.Font.Color = ui::clMaroon;
    c.TextOut(xe + dir * 6 - (driveLeft ? 0 : 8), y - 36, "T");
}

// The flank line across the face width: straight, crowned, relieved at the ends, corrected
// (slanted), or crowned and corrected; the unmodified flank dotted.
void DrawModification(ui::Canvas& c, int modification) {
    ClearPicture(c);
    const int left = 24, right = kPictureWidth - 24, base = kPictureHeight / 2 + 8;
    c.Pen = {ui::clGray, 1, ui::PenStyle::Dot};
    c.MoveTo(left, base);
    c.LineTo(right, base);
    const bool crowned = modification == 2 || modification == 3 || modification == 5;
    const bool slanted = modification == 4 || modification == 5;
    const bool relieved = modification == 6;
    auto lift = [&](double t) {  // t from 0 to 1 across the face
        double h = 0;
        if (crowned) h += 22 * (1 - (2 * t - 1) * (2 * t - 1));
        if (slanted) h += 18 * (t - 0.5);
        if (relieved) h -= 16 * std::max(0.0, std::max(0.15 - t, t - 0.85)) / 0.15;
        return int(std::lround(h));
    };
    c.Pen = {ui::clBlue, 2, ui::PenStyle::Solid};
    constexpr int kSteps = 40;
    for (int i = 0; i <= kSteps; ++i) {
        const double t = double(i) / kSteps;
        const int x = left + int(std::lround(t * (right - left))), yy = base - lift(t);
        if (i == 0)
            c.MoveTo(x, yy);
        else
            c.LineTo(x, yy);
    }
    // The face width b.
    c.Pen = {ui::clBlack, 1, ui::PenStyle::Solid};
    const int yb = kPictureHeight - 18;
    for (int x : {left, right}) {
        c.MoveTo(x, base + 4);
        c.LineTo(x, yb + 4);
    }
    c.MoveTo(left, yb);
    c.LineTo(right, yb);
    c.Brush.Style = ui::BrushStyle::Clear;
    c.Font.Color = ui::clBlack;
    c.TextOut((left + right) / 2 - 3, yb - 14, "b");
}

std::string Amount(double x) { return rt::Str(x, 1, 1); }

// KHbeta of the single load.  Without one (a spectrum, equivalent loads, no load yet) only the
// contact pattern combination: KHbeta per level comes with the calculation, and the single load's
// formula would divide by a load of 0.
void ComputeMethodC() {
    if (G.LoadInputMethod == kOneLevelLoading && G.Ftjm > 0) {
        ComputeKHbeta();
    } else {
        SetHelixSlopeDeviations();
        DeterminePinionOffsetConstant();
    }
}

}  // namespace

TKHbeta_C::TKHbeta_C() : InputWindow("KHbeta_C") {
    SetCaption("KHbeta_C  -  ISO 6336-2  pgs. 45-62");
    SetClientSize(716, 486);
    Position = ui::Position::BesideOwner;
    BorderStyle = ui::BorderStyle::Single;
    KeyPreview = true;

    RadioButton1 = new ui::RadioButton(this, "RadioButton1", {12, 10, 430, 17},
                                       "Influence of position of contact, arrangement and pinion modification");
    RadioButton2 =
        new ui::RadioButton(this, "RadioButton2", {12, 30, 430, 17}, "Gear pair with well designed end-relief ");
    RadioButton3 =
        new ui::RadioButton(this, "RadioButton3", {12, 50, 430, 17}, "Inclusion of all influences (deformations)");

    Label1 = new ui::Label(this, "Label1", {480, 10}, "K       = ");
    Label1->SetFontPixels(20);
    Label1->SetFontStyle(ui::fsBold);
    Label2 = new ui::Label(this, "Label2", {495, 24}, "Hβ");
    Label2->SetFontStyle(ui::fsBold);
    Label3 = new ui::Label(this, "Label3", {482, 40}, "(For nominal load)");
    Label4 = new ui::Label(this, "Label4", {482, 58, 220, 16});
    Label4->SetFontColor(ui::clNavy);

    const ui::Bounds panels[3] = {{12, 80, 220, 126}, {248, 80, 220, 126}, {484, 80, 220, 126}};
    Panel1 = new ui::Panel(this, "Panel1", panels[0]);
    Panel2 = new ui::Panel(this, "Panel2", panels[1]);
    Panel3 = new ui::Panel(this, "Panel3", panels[2]);
    PaintBox1 = new ui::PaintBox(Panel1, "PaintBox1", {4, 4, kPictureWidth, kPictureHeight});
    PaintBox2 = new ui::PaintBox(Panel2, "PaintBox2", {4, 4, kPictureWidth, kPictureHeight});
    PaintBox3 = new ui::PaintBox(Panel3, "PaintBox3", {4, 4, kPictureWidth, kPictureHeight});
    for (ui::PaintBox* box : {PaintBox1, PaintBox2, PaintBox3}) box->SetColor(ui::clWhite);
    PaintBox1->OnPaint = [this] { DrawShaftSketch(PaintBox1->Canvas(), kPositionSketches[positionShown_ - 'a']); };
    PaintBox2->OnPaint = [this] {
        DrawShaftSketch(PaintBox2->Canvas(), kArrangementSketches[arrangementShown_ - 'a']);
    };
    PaintBox3->OnPaint = [this] { DrawModification(PaintBox3->Canvas(), modificationShown_); };

    GroupBox1 = new ui::GroupBox(this, "GroupBox1", {12, 212, 220, 66}, "Position of a contact");
    GroupBox2 = new ui::GroupBox(this, "GroupBox2", {248, 212, 220, 66}, "Arrangenment");
    GroupBox3 = new ui::GroupBox(this, "GroupBox3", {484, 212, 220, 112}, "Helix modification");
    for (int k = 0; k < 6; ++k) {
        Positions[k] = new ui::CheckBox(GroupBox1, "CheckBox" + std::to_string(k + 1),
                                        {12 + (k % 3) * 68, 20 + (k / 3) * 22, 50, 17}, std::string(kLetters[k]) + ")");
    }
    for (int k = 0; k < 5; ++k) {
        Arrangements[k] =
            new ui::CheckBox(GroupBox2, "CheckBox" + std::to_string(k + 7),
                             {12 + (k % 3) * 68, 20 + (k / 3) * 22, 50, 17}, std::string(kLetters[k]) + ")");
    }
    const char* modifications[5] = {"None", "Central crowning", "End relief", "Helix correction",
                                    "Central cr. + helix cor."};
    for (int k = 0; k < 5; ++k)
        Modifications[k] = new ui::CheckBox(GroupBox3, "CheckBox" + std::to_string(k + 12), {12, 18 + k * 18, 190, 17},
                                            modifications[k]);

    // Fields: the pinion's shaft on the left, the deformations in the middle, the modification
    // amounts under their group.
    struct Place {
        int left, top;
        const char* label;
    };
    const Place places[10] = {
        {12, 292, "s1 [mm]"},    {12, 318, "l1 [mm]"},   {12, 344, "dsh1 [mm]"}, {484, 334, "Modification [µm]"},
        {484, 360, "bred [mm]"}, {248, 292, "fsh [µm]"}, {248, 318, "fma [µm]"}, {248, 344, "fsh2 [µm]"},
        {248, 370, "fca [µm]"},  {248, 396, "fbe [µm]"},
    };
    void (TKHbeta_C::*const validators[5])() = {&TKHbeta_C::CheckInputS1, &TKHbeta_C::CheckInputL1,
                                                &TKHbeta_C::CheckInputDsh1, &TKHbeta_C::CheckInputModification,
                                                &TKHbeta_C::CheckInputBred};
    double GlobalData::*const deformations[5] = {&GlobalData::fsh, &GlobalData::fma, &GlobalData::fsh2,
                                                 &GlobalData::fca, &GlobalData::fbe};
    bool GlobalData::*const entered[5] = {&GlobalData::fshDirect, &GlobalData::fmaDirect, &GlobalData::fsh2Direct,
                                          &GlobalData::fcaDirect, &GlobalData::fbeDirect};
    for (int n = 1; n <= 10; ++n) {
        const Place& p = places[n - 1];
        const int labelWidth = n == 4 ? 110 : 70;
        labels_[n - 1] =
            new ui::Label(this, "Label" + std::to_string(10 + n), {p.left, p.top + 3, labelWidth, 16}, p.label);
        Validator check;
        if (n <= 5)
            check = [this, v = validators[n - 1]] { (this->*v)(); };
        else
            check = [this, v = deformations[n - 6], e = entered[n - 6]] { CheckDeformation(G.*v, G.*e); };
        AddField(n, this, {p.left + labelWidth + 4, p.top, 64, 21}, std::move(check));
    }
    for (int n = 1; n <= 3; ++n) labels_[n - 1]->SetFontColor(ui::clBlue);
    CheckBox20 = new ui::CheckBox(this, "CheckBox20", {12, 372, 180, 17}, "Shrink fitted pinion");

    Button5 = new ui::Button(this, "Button5", {200, 444, 89, 25}, "&Ok");
    Button6 = new ui::Button(this, "Button6", {314, 444, 89, 25}, "&Help");
    Button7 = new ui::Button(this, "Button7", {428, 444, 89, 25}, "&Esc");
    Button6->SetEnabled(false);

    // As designed: variant a, position a, arrangement a, no modification.
    RadioButton1->SetChecked(true);
    for (ui::CheckBox* box : {Positions[0], Arrangements[0], Modifications[0]}) box->SetChecked(true);

    for (int k = 0; k < 6; ++k) Positions[k]->OnClick = [this, k] { PositionClick(k + 1); };
    for (int k = 0; k < 5; ++k) Arrangements[k]->OnClick = [this, k] { ArrangementClick(k + 1); };
    for (int k = 0; k < 5; ++k) Modifications[k]->OnClick = [this, k] { ModificationClick(k + 1); };
    CheckBox20->OnClick = [this] { CheckBox20Click(); };
    RadioButton1->OnClick = [this] { RadioButton1Click(); };
    RadioButton2->OnClick = [this] { RadioButton2Click(); };
    RadioButton3->OnClick = [this] { RadioButton3Click(); };
    Button5->OnClick = [this] { Button5Click(); };
    Button7->OnClick = [this] { Button7Click(); };
    OnCreate = [this] { FormCreate(); };
    OnActivate = [this] { FormActivate(); };
    OnClick = [this] { ClickActivate(); };
    for (ui::GroupBox* group : {GroupBox1, GroupBox2, GroupBox3}) group->OnClick = [this] { ClickActivate(); };
    OnPaint = [this] { FormPaint(); };
    OnKeyPress = [this](ui::KeyChar& key) { FormKeyPress(key); };
}

// ---- helpers

void TKHbeta_C::ShowField(int n, bool visible) {
    Field(n)->SetVisible(visible);
    FieldLabel(n)->SetVisible(visible);
}

// A box that becomes checked is the group's choice: the others are unchecked and it cannot be
// unchecked by a click of its own.
void TKHbeta_C::ChooseInGroup(std::span<ui::CheckBox* const> group, ui::CheckBox* chosen) {
    for (ui::CheckBox* box : group) {
        if (box == chosen) continue;
        box->SetChecked(false);
        box->SetEnabled(true);
    }
    chosen->SetEnabled(false);
}

// The amount for crowning and end relief, the width for end relief; none in variant b.
void TKHbeta_C::ShowModificationFields() {
    const bool shown = G.KHbetaCalcVariant != "b";
    const int m = G.HelixModification;
    const bool crowned = m == kCentralCrowning || m == kCentralCrowningAsStored || m == kHelixCorrectionAndCrowning;
    ShowField(4, shown && (crowned || m == kEndRelief));
    ShowField(5, shown && m == kEndRelief);
}

// A shrink fit stiffens the pinion only when the shaft is thin enough; a full pinion counts as
// shrink fitted.
void TKHbeta_C::ApplyShrinkFitRule() {
    if (G.FullPinion) {
        G.PinionShrinkFitted = true;
        CheckBox20->Hide();
        return;
    }
    const bool offered = G.d1 / G.dsh1 >= 1.15;
    CheckBox20->SetVisible(offered && G.KHbetaCalcVariant == "a");
    if (offered) CheckBox20->SetChecked(G.PinionShrinkFitted);
}

// Amounts that were not entered: the helix slope tolerance of the pinion's grade.
void TKHbeta_C::SetDefaultAmounts() {
    const double tolerance = RoundTolerance(ComputeHelixSlopeTolerance(G.IT1, G.d1, G.b));
    if (!G.cbetaDirect) G.cbeta = tolerance;
    if (!G.cIDirect) {
        G.cI = tolerance;
        G.bred = 0.7 * G.b1;
    }
}

void TKHbeta_C::ShowAmounts() {
    FillField(4, Amount(G.HelixModification == kEndRelief ? G.cI : G.cbeta));
    FillField(5, Amount(G.bred));
}

// A variant chosen by the user starts from computed deformations and modification amounts.
void TKHbeta_C::ResetForVariant() {
    G.fsh = G.fma = G.fsh2 = G.fca = G.fbe = 0;
    G.fshDirect = G.fmaDirect = G.fsh2Direct = G.fcaDirect = G.fbeDirect = false;
    G.cbetaDirect = G.cIDirect = false;
    SetDefaultAmounts();
    ShowAmounts();
}

void TKHbeta_C::Recompute() {
    if (showingStoredCase_) return;
    ShowKHbetaMethodC();
    Repaint();
}

// No KHbeta is computed from a number that was refused and is still being corrected.
void TKHbeta_C::ShowKHbetaMethodC() {
    if (HoldsRefusedValue() || computing_) return;
    {
        const ScopedFlag computing(computing_);
        const win::AccuracyWindowScope once(win::AccuracyRequests::Once);
        ComputeMethodC();
    }
    Label1->SetCaption("K       = " + (std::isfinite(G.KHbeta) ? rt::Str(G.KHbeta, 1, 3) : std::string()));
    Label4->SetCaption(G.ContactInfluence);
}

void TKHbeta_C::AfterCheck(int, FieldEvent) { Recompute(); }

// The accepted values back: what follows from them was computed, and reported, when they were taken.
void TKHbeta_C::ValuesRestored() {
    const win::AccuracyWindowScope quiet(win::AccuracyRequests::None);
    ComputeMethodC();
}

// ---- form

void TKHbeta_C::FormCreate() {
    positionShown_ = 'a';
    arrangementShown_ = 'a';
    modificationShown_ = 1;
    Positions[0]->SetEnabled(false);
    Arrangements[0]->SetEnabled(false);
    Modifications[0]->SetEnabled(false);
    Arrangements[1]->Hide();
    Arrangements[2]->Hide();
    for (int n = 4; n <= 10; ++n) ShowField(n, false);
}

// Shows the stored choices and values.  A window that the computation opens and closes again
// (the accuracy window) activates this one once more: that activation does nothing.
void TKHbeta_C::FormActivate() {
    if (computing_ || showingStoredCase_) return;
    const bool oneLevel = G.LoadInputMethod == kOneLevelLoading;
    for (ui::Label* label : {Label1, Label2, Label3}) label->SetVisible(oneLevel);
    {
        const ScopedFlag showing(showingStoredCase_);
        const std::string& variant = G.KHbetaCalcVariant;
        ui::RadioButton* radio = variant == "c" ? RadioButton3 : variant == "b" ? RadioButton2 : RadioButton1;
        if (!radio->Checked()) radio->SetChecked(true);
        auto checkLetter = [](auto& group, const std::string& letter) {
            for (std::size_t k = 0; k < group.size(); ++k)
                if (letter == kLetters[k] && !group[k]->Checked()) group[k]->SetChecked(true);
        };
        checkLetter(Arrangements, G.KHbetaCase);
        checkLetter(Positions, G.KHbetaCase2);
        // The box of the stored modification; kCentralCrowningAsStored shows as central crowning.
        const int m = G.HelixModification == kCentralCrowningAsStored ? kCentralCrowning : G.HelixModification;
        const auto* box = std::find(std::begin(kModificationOfBox), std::end(kModificationOfBox), m);
        if (box != std::end(kModificationOfBox)) {
            ui::CheckBox* shown = Modifications[std::size_t(box - std::begin(kModificationOfBox))];
            if (!shown->Checked()) shown->SetChecked(true);
        }
        ApplyShrinkFitRule();
    }
    FillField(1, rt::Str(G.s1, 1, 1));
    FillField(2, rt::Str(G.l1, 1, 1));
    FillField(3, rt::Str(G.dsh1, 1, 1));
    SetDefaultAmounts();
    ShowAmounts();
    ShowKHbetaMethodC();
}

void TKHbeta_C::ClickActivate() {
    const win::AccuracyWindowScope once(win::AccuracyRequests::Once);
    CheckFocusedField();
    FormActivate();
}

void TKHbeta_C::FormPaint() {
    FillField(6, rt::Str(G.fsh, 3, 1));
    FillField(7, rt::Str(G.fma, 3, 1));
    FillField(8, rt::Str(G.fsh2, 3, 1));
    FillField(9, rt::Str(G.fca, 3, 1));
    FillField(10, rt::Str(G.fbe, 3, 1));
}

void TKHbeta_C::FormKeyPress(ui::KeyChar& key) {
    if (key == 27) ModalResult = ui::mrCancel;
}

// ---- choices

void TKHbeta_C::PositionClick(int k) {
    ui::CheckBox* box = Positions[k - 1];
    if (!box->Checked()) return;
    ChooseInGroup(Positions, box);
    G.KHbetaCase2 = kLetters[k - 1];
    positionShown_ = char('a' + k - 1);
    PaintBox1->Repaint();
    // The arrangements that go with the position: a, d, e for a) and b); b, d, e for c) and d);
    // only c for e) and f).
    ui::CheckBox *a = Arrangements[0], *b = Arrangements[1], *c = Arrangements[2], *d = Arrangements[3],
                 *e = Arrangements[4];
    if (k <= 4) {
        ui::CheckBox* first = k <= 2 ? a : b;
        a->SetVisible(k <= 2);
        b->SetVisible(k > 2);
        c->Hide();
        d->Show();
        e->Show();
        if (!d->Checked() && !e->Checked()) first->SetChecked(true);
    } else {
        for (ui::CheckBox* other : {a, b, d, e}) other->Hide();
        c->Show();
        c->SetChecked(true);
    }
    Recompute();
}

void TKHbeta_C::ArrangementClick(int k) {
    ui::CheckBox* box = Arrangements[k - 1];
    if (!box->Checked()) return;
    ChooseInGroup(Arrangements, box);
    G.KHbetaCase = kLetters[k - 1];
    arrangementShown_ = char('a' + k - 1);
    PaintBox2->Repaint();
    Recompute();
}

void TKHbeta_C::ModificationClick(int k) {
    ui::CheckBox* box = Modifications[k - 1];
    if (!box->Checked()) return;
    ChooseInGroup(Modifications, box);
    G.HelixModification = kModificationOfBox[k - 1];
    ShowModificationFields();
    if (Field(4)->Visible()) ShowNumber(4, G.HelixModification == kEndRelief ? G.cI : G.cbeta, 1, 1);
    modificationShown_ = G.HelixModification;
    PaintBox3->Repaint();
    Recompute();
}

void TKHbeta_C::CheckBox20Click() {
    G.PinionShrinkFitted = CheckBox20->Checked();
    Recompute();
}

// ---- variants (each acts when its radio becomes checked)

void TKHbeta_C::RadioButton1Click() {
    G.KHbetaCalcVariant.assign(1, 'a');
    for (ui::Control* c : std::initializer_list<ui::Control*>{Panel1, Panel2, Panel3, GroupBox1, GroupBox2, GroupBox3})
        c->Show();
    for (int n = 1; n <= 3; ++n) ShowField(n, true);
    ShowModificationFields();
    ApplyShrinkFitRule();
    for (int n = 6; n <= 10; ++n) ShowField(n, false);
    if (!showingStoredCase_) ResetForVariant();
    Recompute();
}

void TKHbeta_C::RadioButton2Click() {
    G.KHbetaCalcVariant.assign(1, 'b');
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{Panel1, Panel2, Panel3, GroupBox1, GroupBox2, GroupBox3, CheckBox20})
        c->Hide();
    for (int n = 1; n <= 10; ++n) ShowField(n, false);
    if (!showingStoredCase_) ResetForVariant();
    Recompute();
}

// The entered deformations stay.
void TKHbeta_C::RadioButton3Click() {
    G.KHbetaCalcVariant.assign(1, 'c');
    for (ui::Control* c : std::initializer_list<ui::Control*>{Panel3, GroupBox3}) c->Show();
    for (ui::Control* c : std::initializer_list<ui::Control*>{Panel1, Panel2, GroupBox1, GroupBox2, CheckBox20})
        c->Hide();
    for (int n = 1; n <= 3; ++n) ShowField(n, false);
    ShowModificationFields();
    for (int n = 6; n <= 10; ++n) ShowField(n, true);
    Recompute();
}

// The inputs on show are the case's now.  Their KHbeta was computed, and its ranges reported, when
// they were shown.
void TKHbeta_C::Button5Click() {
    {
        const win::AccuracyWindowScope reported(win::AccuracyRequests::None);
        ComputeMethodC();
    }
    G.ShaftDataHeld = true;
    ModalResult = ui::mrOk;
    if (KHbeta_F) KHbeta_F->SetActiveControl(KHbeta_F->Button1);
}

void TKHbeta_C::Button7Click() {
    ModalResult = ui::mrCancel;
    if (KHbeta_F) KHbeta_F->SetActiveControl(KHbeta_F->Button1);
}

// ---- validators

void TKHbeta_C::WarnAndGoToOk(const std::string& text) {
    ui::ShowMessage(text);
    G.ActiveEdit = 5;
    SetActiveControl(Button5);
}

// An offset above 0.3 of the span is accepted with a warning.
void TKHbeta_C::CheckRatio() {
    G.s1l1Ratio = G.s1 / G.l1;
    G.s1l1Exceeded = G.s1l1Ratio > 0.3;
    if (G.s1l1Exceeded)
        WarnAndGoToOk(std::string(43, ' ') + "Warning\r\r" +
                      "Relation s1 / lw1 is greater than 0.3 - calculation of KHbeta will be invalid\r" +
                      "It does not apply if suitable helix correction is used.");
}

// An entry from which KHbeta is not a number is refused with the field's message.
bool TKHbeta_C::GivesKHbeta(const std::string& message) {
    return AcceptIfFinite(
        ComputeMethodC, [] { return AllFinite({G.KHbeta}); }, message);
}

void TKHbeta_C::CheckInputS1() {
    const char* const message = "Distance s1 must not be negative one and at least 2x smaller than the distance l1";
    if (!ReadNumber(G.s1) || G.s1 < 0 || !(G.s1 < G.l1 / 2)) return Refuse(message);
    if (!GivesKHbeta(message)) return;
    ShowNumber(1, G.s1, 6, 1);
    CheckRatio();
}

void TKHbeta_C::CheckInputL1() {
    const char* const message = "Distance l1 must be greater than one and at least 2x greater than the distance s1";
    if (!ReadNumber(G.l1) || !(G.l1 > 0) || !(G.l1 >= 2 * G.s1)) return Refuse(message);
    if (!GivesKHbeta(message)) return;
    ShowNumber(2, G.l1, 6, 1);
    CheckRatio();
}

void TKHbeta_C::CheckInputDsh1() {
    const char* const message = "Outside shaft diameter dsh1 must be greater than 0";
    if (!ReadNumber(G.dsh1) || !(G.dsh1 > 0)) return Refuse(message);
    if (!GivesKHbeta(message)) return;
    ShowNumber(3, G.dsh1, 6, 1);
    if (G.dsh1 > G.df1)
        WarnAndGoToOk(std::string(33, ' ') + "Warning\r\r" +
                      "Outside shaft diameter dsh1 is greater than pinion root diameter (" + rt::Str(G.df1, 3, 2) +
                      ")");
    ApplyShrinkFitRule();
}

// The amount of end relief is cI, of crowning cbeta; an amount of 0 means no modification.
void TKHbeta_C::CheckInputModification() {
    const bool relief = G.HelixModification == kEndRelief;
    double& amount = relief ? G.cI : G.cbeta;
    const char* const message = "Value of the modification must be positive one.";
    if (!ReadNumber(amount) || amount < 0) return Refuse(message);
    (relief ? G.cIDirect : G.cbetaDirect) = true;
    if (!GivesKHbeta(message)) return;
    ShowNumber(4, amount, 6, 1);
    if (amount != 0) return;
    G.cbeta = 0;
    G.cI = 0;
    G.bred = G.b1;
    G.cbetaDirect = G.cIDirect = false;
    Modifications[0]->SetChecked(true);
}

void TKHbeta_C::CheckInputBred() {
    const std::string message =
        "Size of bred must be positive one or at most equal to b1 (" + rt::Str(G.b1, 3, 1) + ")";
    if (!ReadNumber(G.bred) || G.bred < 0 || G.bred > G.b1) return Refuse(message);
    if (!GivesKHbeta(message)) return;
    ShowNumber(5, G.bred, 6, 1);
}

void TKHbeta_C::CheckDeformation(double& value, bool& entered) {
    if (!ReadNumber(value)) return Refuse("Input error");
    entered = true;
    if (!GivesKHbeta("Input error")) return;
    ShowNumber(CheckedField(), value, 3, 1);
}

bool TakeShaftData() {
    static bool asking = false;
    if (asking) return false;
    if (!G.ShaftDataHeld && KHbeta_C) {
        const ScopedFlag shown(asking);
        KHbeta_C->ShowModal();
    }
    return G.ShaftDataHeld;
}

}  // namespace karvelo
