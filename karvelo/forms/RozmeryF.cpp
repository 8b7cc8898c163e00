#include "karvelo/forms/RozmeryF.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "karvelo/calc/Epsilon.h"
#include "karvelo/calc/Geometrie.h"
#include "karvelo/calc/Global.h"
#include "karvelo/calc/InputRules.h"
#include "karvelo/calc/Rozmery.h"
#include "karvelo/calc/Vypocty1.h"
#include "runtime/NumText.h"

namespace karvelo {

TRozmery_F* Rozmery_F = nullptr;

// The variables, fields and words of the pinion or the wheel.
struct GearBodyFields {
    double& b;
    double& bs;
    double& sR;
    double& sd;
    double& dh;
    const double& df;
    const double& ht;
    const double& sRmin;
    bool& thinRim;
    bool& full;
    bool& pressed;
    int bsField, sRField, sdField, dhField;
    std::string name;   // "pinion", "wheel"
    std::string index;  // "1", "2"
};

namespace {

GearBodyFields Pinion() {
    return {G.b1, G.bs1, G.sR1, G.sd1, G.dh1,    G.df1, G.ht1, G.sRmin1, G.sR1BelowMin, G.FullPinion, G.ControlPressed1,
            3,    5,     7,     9,     "pinion", "1"};
}

GearBodyFields Wheel() {
    return {G.b2, G.bs2, G.sR2, G.sd2, G.dh2,   G.df2, G.ht2, G.sRmin2, G.sR2BelowMin, G.FullWheel, G.ControlPressed2,
            4,    6,     8,     10,    "wheel", "2"};
}

bool External() { return G.GearingType == kExternalPair; }

std::string F(double x, int w, int d) { return rt::Str(x, w, d); }
// A body dimension of 0 does not apply.
std::string Body(double x) { return x == 0 ? std::string(kNotApplicable) : F(x, 5, 1); }

// The common and the bending face widths.
std::string FaceWidthsText() {
    return "b = " + F(G.b, 1, 2) + "     bF1 = " + F(G.bF1, 1, 2) + "     bF2 = " + F(G.bF2, 1, 2);
}

std::string NoFit(const GearBodyFields& g) {
    return "All does not fit to the " + g.name + " root diameter df" + g.index + ".";
}

// The web of a web gear (narrower than the face) takes what the shaft and the rim leave.
void FitHub(const GearBodyFields& g) {
    if (g.bs < g.b) g.sd = std::max(0.0, (g.df - g.dh) / 2 - g.sR);
}

// ---- the pictures: axial half-sections of the pair, not to scale

constexpr int kPictureWidth = 330, kPictureHeight = 232;

void Line(ui::Canvas& c, int x1, int y1, int x2, int y2) {
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

void Axis(ui::Canvas& c, int y) {
    c.Pen = {ui::clBlack, 1, ui::PenStyle::DashDot};
    Line(c, 6, y, kPictureWidth - 6, y);
    c.Pen = {ui::clBlack, 1, ui::PenStyle::Solid};
}

// A ring of the section between the radii r1 < r2 (in pixels from the axis at axisY; up = -1
// draws above the axis), from x to x + width.
void Ring(ui::Canvas& c, int axisY, int up, int x, int width, int r1, int r2, ui::Color fill) {
    c.Brush = {fill, ui::BrushStyle::Solid};
    const int y1 = axisY + up * r1, y2 = axisY + up * r2;
    c.Rectangle(x, std::min(y1, y2), x + width + 1, std::max(y1, y2) + 1);
}

void Text(ui::Canvas& c, int x, int y, const std::string& text, ui::Color colour) {
    c.Brush.Style = ui::BrushStyle::Clear;
    c.Font.Color = colour;
    c.TextOut(x, y, text);
}

// A gear with bore, hub, web, rim and teeth, labelled with the names of its fields (on the right,
// from labelX).
constexpr int kGearWidth = 100;
void GearBody(ui::Canvas& c, int axisY, int up, int x, const std::string& i, ui::Color colour, int labelX = 0) {
    constexpr int width = kGearWidth, web = 30, bore = 26, hub = 20, webHeight = 26, rim = 18, teeth = 14;
    if (!labelX) labelX = x + width + 6;
    int r = bore;
    Ring(c, axisY, up, x, width, r, r + hub, ui::clSilver);
    Text(c, labelX, axisY + up * (r + hub / 2) - 7, "sd" + i, colour);
    Text(c, labelX, axisY + up * (r / 2) - 7, "dh" + i, colour);
    r += hub;
    Ring(c, axisY, up, x + (width - web) / 2, web, r, r + webHeight, ui::clSilver);
    Text(c, labelX, axisY + up * (r + webHeight / 2) - 7, "bs" + i, colour);
    r += webHeight;
    Ring(c, axisY, up, x, width, r, r + rim, ui::clSilver);
    Text(c, labelX, axisY + up * (r + rim / 2) - 7, "sR" + i, colour);
    r += rim;
    Ring(c, axisY, up, x, width, r, r + teeth, colour == ui::clBlue ? ui::RGB(170, 190, 255) : ui::RGB(160, 220, 160));
    Text(c, labelX, axisY + up * (r + teeth / 2) - 7, "b" + i, colour);
}

// The axial offset db between the left faces of pinion and wheel, marked above the mesh.
void OffsetMark(ui::Canvas& c, int pinionFace, int pinionTop, int wheelFace, int wheelTop, int markY) {
    c.Pen = {ui::clBlack, 1, ui::PenStyle::Solid};
    Line(c, pinionFace, pinionTop, pinionFace, markY - 4);
    if (wheelTop > markY) Line(c, wheelFace, wheelTop, wheelFace, markY - 4);
    Line(c, pinionFace, markY, wheelFace, markY);
    Text(c, std::min(pinionFace, wheelFace) - 20, markY - 8, "db", ui::clBlack);
}

void DrawExternalPair(ui::Canvas& c) {
    c.Brush = {ui::clWhite, ui::BrushStyle::Solid};
    c.FillRect({0, 0, kPictureWidth, kPictureHeight});
    constexpr int pinionAxis = 220, wheelAxis = 12, pinionLeft = 90, offset = 14;
    Axis(c, pinionAxis);
    Axis(c, wheelAxis);
    GearBody(c, pinionAxis, -1, pinionLeft, "1", ui::clBlue);
    GearBody(c, wheelAxis, 1, pinionLeft + offset, "2", ui::clGreen);
    OffsetMark(c, pinionLeft, 116, pinionLeft + offset, 74, 74);
}

// The annulus round the pinion: a rim outside its teeth, which point to its axis (below the
// pinion's, by the centre distance).
void DrawInternalPair(ui::Canvas& c) {
    c.Brush = {ui::clWhite, ui::BrushStyle::Solid};
    c.FillRect({0, 0, kPictureWidth, kPictureHeight});
    constexpr int pinionAxis = 200, ringAxis = 222, pinionLeft = 90, offset = 14, width = kGearWidth;
    Axis(c, pinionAxis);
    Axis(c, ringAxis);
    const int ringLeft = pinionLeft + offset, teethBottom = pinionAxis - 104;
    c.Brush = {ui::RGB(160, 220, 160), ui::BrushStyle::Solid};
    c.Rectangle(ringLeft, teethBottom - 14, ringLeft + width + 1, teethBottom + 1);
    c.Brush = {ui::clSilver, ui::BrushStyle::Solid};
    c.Rectangle(ringLeft, teethBottom - 36, ringLeft + width + 1, teethBottom - 13);
    Text(c, ringLeft + width + 6, teethBottom - 32, "sR2", ui::clGreen);
    Text(c, ringLeft + width + 6, teethBottom - 14, "b2", ui::clGreen);
    GearBody(c, pinionAxis, -1, pinionLeft, "1", ui::clBlue, ringLeft + width + 6);
    OffsetMark(c, pinionLeft, teethBottom, ringLeft, teethBottom - 36, 48);
}

}  // namespace

TRozmery_F::TRozmery_F() : InputWindow("Rozmery_F") {
    SetCaption("Input of gears dimensions and related  parameters");
    SetClientSize(660, 432);
    Position = ui::Position::BesideOwner;
    BorderStyle = ui::BorderStyle::Single;
    BorderIcons = 0;
    KeyPreview = true;

    // The fields of pinion (left, blue) and wheel (right, green), row by row.
    const char* const labels[11] = {"b1 [mm]",  "b2 [mm]",  "bs1 [mm]", "bs2 [mm]", "sR1 [mm]", "sR2 [mm]",
                                    "sd1 [mm]", "sd2 [mm]", "dh1 [mm]", "dh2 [mm]", "db [mm]"};
    void (TRozmery_F::*const checks[14])() = {
        &TRozmery_F::CheckInputB1,  &TRozmery_F::CheckInputB2,     &TRozmery_F::CheckInputBs1,
        &TRozmery_F::CheckInputBs2, &TRozmery_F::CheckInputSr1,    &TRozmery_F::CheckInputSr2,
        &TRozmery_F::CheckInputSd1, &TRozmery_F::CheckInputSd2,    &TRozmery_F::CheckInputDh1,
        &TRozmery_F::CheckInputDh2, &TRozmery_F::CheckInputDb,     &TRozmery_F::CheckInputJ1,
        &TRozmery_F::CheckInputJ2,  &TRozmery_F::CheckInputCPrime,
    };
    auto check = [this, &checks](int n) { return [this, c = checks[n - 1]] { (this->*c)(); }; };
    for (int n = 1; n <= 11; ++n) {
        const int left = n == 11 ? 12 : 12 + (n - 1) % 2 * 148, top = 16 + (n - 1) / 2 * 26;
        auto* label = new ui::Label(this, "Label" + std::to_string(n), {left, top + 3, 70, 16}, labels[n - 1]);
        label->SetFontColor(n == 11 ? ui::clBlack : n % 2 ? ui::clBlue : ui::clGreen);
        AddField(n, this, {left + 72, top, 56, 21}, check(n));
    }
    Edit1 = Field(1);
    Edit2 = Field(2);
    CB1 = new ui::CheckBox(this, "CB1", {12, 176, 130, 17}, "Full pinion");
    CB2 = new ui::CheckBox(this, "CB2", {160, 176, 130, 17}, "Full wheel");
    CB1->SetFontColor(ui::clBlue);
    CB2->SetFontColor(ui::clGreen);
    CB3 = new ui::CheckBox(this, "CB3", {12, 200, 182, 17}, "ISO method for calcul. of  m ");
    new ui::Label(this, "Label12", {168, 206, 0, 0}, "red");

    // J1 above J2, each field wide enough for a wheel of a few metres (13 characters).
    auto* inertia = new ui::GroupBox(this, "GroupBox2", {8, 226, 292, 74}, "Moment of inertia");
    CheckBox5 = new ui::CheckBox(inertia, "CheckBox5", {8, 20, 110, 17}, "Direct input of");
    (new ui::Label(inertia, "Label13", {122, 22, 70, 16}, "J1 [kg mm2]"))->SetFontColor(ui::clBlue);
    AddField(12, inertia, {194, 18, 90, 21}, check(12));
    (new ui::Label(inertia, "Label14", {122, 48, 70, 16}, "J2 [kg mm2]"))->SetFontColor(ui::clGreen);
    AddField(13, inertia, {194, 44, 90, 21}, check(13));

    auto* stiffness = new ui::GroupBox(this, "GroupBox3", {8, 306, 292, 50}, "Tooth stiffness per unit  (1 pair)");
    CheckBox6 = new ui::CheckBox(stiffness, "CheckBox6", {8, 22, 130, 17}, "Direct input of  c'");
    new ui::Label(stiffness, "Label15", {140, 24, 84, 16}, "c' [N/(mm um)]");
    AddField(14, stiffness, {224, 20, 56, 21}, check(14));

    FaceWidthLabel = new ui::Label(this, "Label16", {12, 366, 288, 16}, "");

    Button1 = new ui::Button(this, "Button1", {12, 396, 89, 25}, "&Ok");
    Button3 = new ui::Button(this, "Button3", {110, 396, 89, 25}, "&Help");
    Button2 = new ui::Button(this, "Button2", {208, 396, 89, 25}, "&Nuluj");
    Button3->SetEnabled(false);
    Button2->Hide();

    Image1 = new ui::PaintBox(this, "Image1", {316, 10, kPictureWidth, kPictureHeight});
    Image2 = new ui::PaintBox(this, "Image2", {316, 10, kPictureWidth, kPictureHeight});
    Image1->OnPaint = [this] { DrawExternalPair(Image1->Canvas()); };
    Image2->OnPaint = [this] { DrawInternalPair(Image2->Canvas()); };

    auto* hints = new ui::GroupBox(this, "GroupBox1", {316, 250, kPictureWidth, 138}, "Hints");
    auto hint = [hints](const std::string& name, int left, int top, const std::string& caption, ui::Color colour) {
        auto* label = new ui::Label(hints, name, {left, top, 0, 0}, caption);
        label->SetFontColor(colour);
        return label;
    };
    hint("Label17", 8, 20, "r1,2 min", ui::clBlack);
    RimLimitValue = hint("Label18", 70, 20, "", ui::clBlack);
    hint("Label19", 8, 40, "df1", ui::clBlue);
    Df1Value = hint("Label20", 70, 40, "", ui::clBlue);
    hint("Label21", 170, 40, "df2", ui::clGreen);
    Df2Value = hint("Label22", 230, 40, "", ui::clGreen);
    ThinRimWarning1 = hint("Label23", 8, 62, "s     is insufficient", ui::clRed);
    hint("Label24", 15, 68, "R1", ui::clRed)->SetFontPixels(9);
    ThinRimWarning2 = hint("Label25", 170, 62, "s     is insufficient", ui::clRed);
    hint("Label26", 177, 68, "R2", ui::clRed)->SetFontPixels(9);
    PinionFitWarning = hint("Label27", 8, 86, "Impossible pinion's dimens.", ui::clRed);
    WheelFitWarning = hint("Label28", 170, 86, "Impossible wheel's dimens.", ui::clRed);
    GearsOutWarning = hint("Label29", 8, 110, "Gears are out", ui::clRed);
    StiffnessWarning = hint("Label30", 170, 110, "Impossible to fix c'", ui::clRed);

    AddPreview(CB1, G.ControlPressed1);
    AddPreview(CB2, G.ControlPressed2);
    AddPreview(CB3, G.ControlPressed3);
    AddPreview(Button3, G.ControlPressed4);
    CB1->OnClick = [this] { CB1Click(); };
    CB2->OnClick = [this] { CB2Click(); };
    CB3->OnClick = [this] { CB3Click(); };
    CheckBox5->OnClick = [this] { CheckBox5Click(); };
    CheckBox6->OnClick = [this] { CheckBox6Click(); };
    Button1->OnClick = [this] { Button1Click(); };
    Button2->OnClick = [this] { Button2Click(); };
    Button3->OnClick = [this] { Button3Click(); };
    OnCreate = [this] { FormCreate(); };
    OnActivate = [this] { FormActivate(); };
    OnPaint = [this] { FormPaint(); };
    OnKeyPress = [this](ui::KeyChar& key) { FormKeyPress(key); };
    OnKeyUp = [](ui::Word& key, ui::ShiftState) { HelpKeyUp(key, 51); };
}

void TRozmery_F::PreviewRozmeryMouseDown(const ui::Message& msg) { PreviewMouse(msg); }

void TRozmery_F::FormCreate() {
    ClearPreviewFlags();
    CheckBox5->SetChecked(false);
    CheckBox5->SetEnabled(false);
    Field(12)->SetText(kNotApplicable);
    Field(13)->SetText(kNotApplicable);
}

// The check boxes follow the data: each box's handler runs, also when the box showed the state
// already, and brings the fields and the derived values into line (a full body its full-body
// dimensions).  A box the data has left is unchecked without undoing the data.
void TRozmery_F::FormActivate() {
    ClearPreviewFlags();
    G.LifeValid = false;
    G.EquivalentStressesCurrent = false;
    ComputeContactRatios();
    ComputeToothDepthsAndRimLimits(G.dNa1, G.dNa2);
    ShowChecked(CB1, G.FullPinion);
    ShowChecked(CB2, G.FullWheel);
    ComputeEffectiveFaceWidths();
    FaceWidthLabel->SetCaption(FaceWidthsText());
    ShowChecked(CB3, G.mredISO);
    CheckBox5->SetEnabled(!G.mredISO);
    ShowChecked(CheckBox5, G.JDirect);
    ShowChecked(CheckBox6, G.cDirect);
}

void TRozmery_F::FormPaint() {
    FillField(1, F(G.b1, 5, 1));
    FillField(2, F(G.b2, 5, 1));
    FillField(3, Body(G.bs1));
    FillField(4, Body(G.bs2));
    FillField(5, F(G.sR1, 5, 1));
    FillField(6, F(G.sR2, 5, 1));
    FillField(7, Body(G.sd1));
    FillField(8, Body(G.sd2));
    FillField(9, Body(G.dh1));
    FillField(10, Body(G.dh2));
    FillField(11, F(G.db, 5, 1));
    FillField(12, G.mredISO ? std::string(kNotApplicable) : F(G.J1, 5, 2));
    FillField(13, G.mredISO ? std::string(kNotApplicable) : F(G.J2, 5, 2));
    FillField(14, F(G.cprime, 5, 2));
    RimLimitValue->SetCaption(F(std::min(G.sRmin1, G.sRmin2), 5, 2));
    Df1Value->SetCaption(F(G.df1, 5, 2));
    Df2Value->SetCaption(F(G.df2, 5, 2));

    // An internal wheel has only its face width, rim and offset.
    const bool external = External();
    Image1->SetVisible(external);
    Image2->SetVisible(!external);
    for (int n : {4, 8, 10}) {
        Field(n)->SetVisible(external);
        FindControl("Label" + std::to_string(n))->SetVisible(external);
    }
    CB2->SetVisible(external);

    const bool thin1 = G.sR1 < G.sRmin1, thin2 = G.sR2 < G.sRmin2;
    ThinRimWarning1->SetVisible(thin1);
    FindControl("Label24")->SetVisible(thin1);
    ThinRimWarning2->SetVisible(thin2);
    FindControl("Label26")->SetVisible(thin2);
    PinionFitWarning->SetVisible(2 * (G.sd1 + G.sR1) + G.dh1 - 0.01 > G.df1);
    WheelFitWarning->SetVisible(external && 2 * (G.sd2 + G.sR2) + G.dh2 - 0.01 > G.df2);
    GearsOutWarning->SetVisible(G.db >= G.b1);
    Field(12)->SetEnabled(CheckBox5->Checked());
    Field(13)->SetEnabled(CheckBox5->Checked());
    Field(14)->SetEnabled(CheckBox6->Checked());
    // The single stiffness of ISO 6336-1 holds for these pairs only.
    const bool stiffnessValid =
        G.beta <= std::numbers::pi / 4 && G.x1 >= G.x2 && G.x1 + G.x2 >= -0.5 && G.x1 + G.x2 <= 2 && G.epsalfa >= 1.2;
    StiffnessWarning->SetVisible(!G.cDirect && !stiffnessValid);
    if (!G.cDirect && !stiffnessValid) FillField(14, "");
}

void TRozmery_F::FormKeyPress(ui::KeyChar& key) {
    if (key == 27) Close();
}

// Masses and moments of inertia, and the tooth stiffness, unless given.
void TRozmery_F::Recompute() {
    if (!G.JDirect) ComputeGearMassAndInertia();
    if (!G.cDirect) ComputeToothStiffness();
}

void TRozmery_F::AfterCheck(int, FieldEvent) {
    Recompute();
    Repaint();
}

void TRozmery_F::ValuesRestored() { Recompute(); }

// ---- validators

void TRozmery_F::CheckFaceWidth(double& b) {
    if (!ReadNumber(b) || !(b > 0)) return Refuse("Invalid input");
    ComputeEffectiveFaceWidths();
    FaceWidthLabel->SetCaption(FaceWidthsText());
}

void TRozmery_F::CheckWebWidth(const GearBodyFields& g) {
    if (!ReadNumber(g.bs) || !(g.bs > 0)) return Refuse("Invalid input");
    FitHub(g);
}

void TRozmery_F::CheckRim(const GearBodyFields& g) {
    if (!ReadNumber(g.sR) || !(g.sR > 0)) return Refuse("Invalid input");
    g.thinRim = g.sR < g.sRmin;
    FitHub(g);
}

// A hub too thick for the rim and the shaft: the rim is the one to change.
void TRozmery_F::CheckBody(const GearBodyFields& g) {
    if (!ReadNumber(g.sd) || g.sd < 0) return Refuse("Invalid input");
    if (g.sd > (g.df - g.dh) / 2 - g.sR) {
        ui::ShowMessage(NoFit(g));
        FocusField(g.sRField);
    }
}

void TRozmery_F::CheckShaft(const GearBodyFields& g) {
    if (!ReadNumber(g.dh) || g.dh < 0) return Refuse("Invalid input");
    if (g.dh >= g.df)
        return Refuse("Shaft diameter dh" + g.index + " is greater than the " + g.name + " root diameter df" + g.index +
                      ".");
    if (g.sd == 0) g.sR = (g.df - g.dh) / 2;
    if (g.df - 2 * (g.sR + g.sd) < g.dh) {
        ui::ShowMessage(NoFit(g));
        FocusField(g.sRField);
    }
}

void TRozmery_F::CheckPositive(double& value) {
    if (!ReadNumber(value) || !(value > 0)) Refuse("Invalid input");
}

void TRozmery_F::CheckInputB1() { CheckFaceWidth(G.b1); }
void TRozmery_F::CheckInputB2() { CheckFaceWidth(G.b2); }
void TRozmery_F::CheckInputBs1() { CheckWebWidth(Pinion()); }
void TRozmery_F::CheckInputBs2() { CheckWebWidth(Wheel()); }
void TRozmery_F::CheckInputSr1() { CheckRim(Pinion()); }
void TRozmery_F::CheckInputSr2() { CheckRim(Wheel()); }
void TRozmery_F::CheckInputSd1() { CheckBody(Pinion()); }
void TRozmery_F::CheckInputSd2() { CheckBody(Wheel()); }
void TRozmery_F::CheckInputDh1() { CheckShaft(Pinion()); }
void TRozmery_F::CheckInputDh2() { CheckShaft(Wheel()); }

// The axial offset of the wheel: the faces must still overlap.
void TRozmery_F::CheckInputDb() {
    if (!ReadNumber(G.db)) return Refuse("Invalid input");
    if (!FacesOverlap(G.b1, G.b2, G.db)) return Refuse("Gears are out.");
    ComputeEffectiveFaceWidths();
    FaceWidthLabel->SetCaption(FaceWidthsText());
}

void TRozmery_F::CheckInputJ1() { CheckPositive(G.J1); }
void TRozmery_F::CheckInputJ2() { CheckPositive(G.J2); }
void TRozmery_F::CheckInputCPrime() { CheckPositive(G.cprime); }

// ---- check boxes and buttons

// A full body has no web, hub or bore: the rim reaches the axis.  Unchecked, the body gets a rim
// of the tooth depth (smaller where the gear is too small for it) on a shaft of the rest.
void TRozmery_F::FullBodyClick(const GearBodyFields& g, bool checked) {
    g.pressed = false;
    const bool wasFull = g.full;
    g.full = checked;
    if (checked) {
        g.sd = 0;
        g.dh = 0;
        g.bs = 0;
        if (!(g.b > 0)) g.b = 10 * G.mn;
        g.sR = g.df / 2;
    } else if (wasFull) {
        g.sR = g.ht;
        for (double m : {3.0, 2.0, 1.0})
            if (g.sR > g.df / 2) g.sR = m * G.mn;
        if (g.sR == 0) g.sR = g.ht;
        g.sd = 0;
        g.dh = g.df - 2 * g.sR;
        g.bs = g.b;
    }
    for (int n : {g.bsField, g.sRField, g.sdField, g.dhField}) Field(n)->SetEnabled(!checked);
    Recompute();
    Repaint();
}

void TRozmery_F::CB1Click() {
    if (CB1->Checked()) G.PinionShrinkFitted = true;
    FullBodyClick(Pinion(), CB1->Checked());
}

void TRozmery_F::CB2Click() { FullBodyClick(Wheel(), CB2->Checked()); }

// The reduced mass by ISO needs no moments of inertia.
void TRozmery_F::CB3Click() {
    G.ControlPressed3 = false;
    G.mredISO = CB3->Checked();
    if (G.mredISO) {
        G.JDirect = false;
        CheckBox5->SetChecked(false);
        CheckBox5->SetEnabled(false);
        Field(12)->SetText(kNotApplicable);
        Field(13)->SetText(kNotApplicable);
    } else {
        CheckBox5->SetEnabled(true);
    }
    Recompute();
    Repaint();
}

void TRozmery_F::CheckBox5Click() {
    G.JDirect = CheckBox5->Checked();
    Field(12)->SetEnabled(G.JDirect);
    Field(13)->SetEnabled(G.JDirect);
    if (!G.JDirect) ComputeGearMassAndInertia();
    Repaint();
}

void TRozmery_F::CheckBox6Click() {
    G.cDirect = CheckBox6->Checked();
    Field(14)->SetEnabled(G.cDirect);
    if (!G.cDirect) ComputeToothStiffness();
    Repaint();
}

// Closes only with bodies that fit inside the root diameters (0.1 mm tolerance) and positive rims.
void TRozmery_F::Button1Click() {
    ComputeEffectiveFaceWidths();
    auto misfit = [](const GearBodyFields& g) {
        if (g.full || g.df - 2 * (g.sR + g.sd) + 0.1 >= g.dh) return false;
        ui::ShowMessage("All does not fit to the " + g.name + " root diameter df" + g.index +
                        ", dimensions must be adjusted.");
        return true;
    };
    auto negativeRim = [](const GearBodyFields& g) {
        if (g.sR > 0) return false;
        ui::ShowMessage("Negative value of sr" + g.index + ".");
        G.ResumeCalculation = false;
        return true;
    };
    if (misfit(Pinion()) || (External() && misfit(Wheel())) || negativeRim(Pinion()) || negativeRim(Wheel())) return;
    Recompute();
    Repaint();
    G.sR1BelowMin = false;
    ModalResult = ui::mrOk;
}

void TRozmery_F::Button2Click() {
    G.b1 = G.b2 = G.bs1 = G.bs2 = G.sR1 = G.sR2 = G.sd1 = G.sd2 = G.dh1 = G.dh2 = G.db = 0;
    G.b = 0;
    G.bFmin = 0;
    ComputeToothDepthsAndRimLimits(G.dNa1, G.dNa2);
    CB1->SetChecked(false);
    CB2->SetChecked(false);
    G.FullPinion = false;
    G.FullWheel = false;
    Repaint();
}

void TRozmery_F::Button3Click() {
    G.ControlPressed4 = false;
    ShowHelpTopic(51);
}

}  // namespace karvelo
