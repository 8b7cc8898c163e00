#include "karvelo/forms/GeometrieF.h"

#include <cmath>
#include <numbers>
#include <string>

#include "karvelo/calc/Geometrie.h"
#include "karvelo/calc/Global.h"
#include "karvelo/calc/SouciniteleY.h"
#include "karvelo/forms/Moduly.h"
#include "karvelo/forms/PresnostF.h"
#include "karvelo/forms/RozmeryF.h"
#include "runtime/NumText.h"

namespace karvelo {

TGeometrie_F* Geometrie_F = nullptr;

namespace {

constexpr double kRad = std::numbers::pi / 180;

bool Whole(double teeth) { return teeth == std::trunc(teeth); }
bool External() { return G.GearingType == kExternalPair; }
// An angle typed in degrees, in radians as the data file holds it.
double InRadians(double degrees) { return rt::StoredReal(degrees * kRad); }

// Smallest sum x1 + x2 of a mesh of z + zMate teeth: the working pressure angle becomes 0.
double CriticalShiftSum(double z, double zMate) { return -(z + zMate) / 2 * ComputeInvolute(G.alfat) / Tan(G.alfan); }

// Place of a field: its column (0 pinion, 1 wheel, 2 the pair and the cutter) and row.
struct Place {
    int column, row;
    const char* label;
};
constexpr Place kPlaces[20] = {
    {0, 0, "z1"},       {1, 0, "z2"},        {2, 0, "mn [mm]"},   {2, 1, "beta [°]"}, {2, 2, "alfa P [°]"},
    {0, 1, "x1"},       {1, 1, "x2"},        {2, 3, "a [mm]"},    {0, 2, "h*aP1"},    {1, 2, "h*aP2"},
    {0, 3, "c*P1"},     {1, 3, "c*P2"},      {0, 4, "rho*fP1"},   {1, 4, "rho*fP2"},  {0, 5, "da1 [mm]"},
    {1, 5, "da2 [mm]"}, {0, 6, "spr1 [mm]"}, {1, 6, "spr2 [mm]"}, {2, 5, "z0"},       {2, 6, "x0"},
};
constexpr int kTop = 16, kRowStep = 30, kColumnStep = 164, kLabelWidth = 76, kEditWidth = 72;
constexpr ui::Color kColumnColour[3] = {ui::clBlue, ui::clGreen, ui::clBlack};

}  // namespace

TGeometrie_F::TGeometrie_F() : InputWindow("Geometrie_F") {
    SetCaption("Gearing geometry");
    SetClientSize(500, 284);
    Position = ui::Position::BesideOwner;
    BorderStyle = ui::BorderStyle::Single;
    BorderIcons = 0;
    KeyPreview = true;
    void (TGeometrie_F::*const validators[20])() = {
        &TGeometrie_F::CheckInputZ1,   &TGeometrie_F::CheckInputZ2,    &TGeometrie_F::CheckInputMn,
        &TGeometrie_F::CheckInputBeta, &TGeometrie_F::CheckInputAlfan, &TGeometrie_F::CheckInputX1,
        &TGeometrie_F::CheckInputX2,   &TGeometrie_F::CheckInputA,     &TGeometrie_F::CheckInputHa1,
        &TGeometrie_F::CheckInputHa2,  &TGeometrie_F::CheckInputC1,    &TGeometrie_F::CheckInputC2,
        &TGeometrie_F::CheckInputRof1, &TGeometrie_F::CheckInputRof2,  &TGeometrie_F::CheckInputDa1,
        &TGeometrie_F::CheckInputDa2,  &TGeometrie_F::CheckInputSpr1,  &TGeometrie_F::CheckInputSpr2,
        &TGeometrie_F::CheckInputZ0,   &TGeometrie_F::CheckInputX0,
    };
    for (int n = 1; n <= 20; ++n) {
        const Place& p = kPlaces[n - 1];
        const int left = 12 + p.column * kColumnStep, top = kTop + p.row * kRowStep;
        ui::Label* label = new ui::Label(this, "Label" + std::to_string(n), {left, top + 3, kLabelWidth, 16}, p.label);
        label->SetFontColor(kColumnColour[p.column]);
        labels_[n - 1] = label;
        AddField(n, this, {left + kLabelWidth, top, kEditWidth, 21},
                 [this, check = validators[n - 1]] { (this->*check)(); });
    }
    Button1 = new ui::Button(this, "Button1", {60, 240, 89, 25}, "&OK");
    Button2 = new ui::Button(this, "Button2", {205, 240, 89, 25}, "&Help");
    Button3 = new ui::Button(this, "Button3", {350, 240, 89, 25}, "Modules");
    Button1->ModalResult = ui::mrOk;
    Button2->SetEnabled(false);
    Button1->OnClick = [this] { Button1Click(); };
    Button2->OnClick = [this] { Button2Click(); };
    Button3->OnClick = [this] { Button3Click(); };
    OnPaint = [this] { FormPaint(); };
    OnDeactivate = [this] { CheckFocusedField(); };
    OnKeyUp = [](ui::Word& key, ui::ShiftState) { HelpKeyUp(key, 21); };
}

// ---- routines

void TGeometrie_F::UpdateGeometryForm() {
    ComputeGearDimensions();
    ComputeTipThickness();
    ShowGeometry();
}

void TGeometrie_F::ShowGeometry() {
    ShowNumber(6, G.x1, 6, 4);
    ShowNumber(7, G.x2, 6, 4);
    ShowNumber(15, G.da1, 7, 3);
    ShowNumber(16, G.da2, 7, 3);
    ShowNumber(8, G.a, 7, 3);
    ShowNumber(13, G.RofP1, 6, 4);
    ShowNumber(14, G.RofP2, 6, 4);
}

namespace {

// The geometry the window shows and the pair is computed from is made of finite numbers, and
// its tip diameters are ones the tip diameter fields accept.
bool GeometryPossible() {
    const GlobalData& g = G;
    return AllFinite({g.zn1,  g.zn2, g.u,   g.alfat, g.alfawt, g.invAlfawt, g.xsum, g.xlim, g.x1,
                      g.x2,   g.a,   g.ad,  g.d1,    g.d2,     g.db1,       g.db2,  g.dw1,  g.dw2,
                      g.da1,  g.da2, g.df1, g.df2,   g.ha1,    g.ha2,       g.hf1,  g.hf2,  g.hFf1,
                      g.hFf2, g.sa1, g.sa2, g.RofP1, g.RofP2,  g.x0x2crit,  g.a0,   g.da0}) &&
           g.da1 > 0 && (External() ? g.da2 > 0 : g.da2 < 0);
}

void DeriveGeometry() {
    ComputeGearDimensions();
    ComputeTipThickness();
}

}  // namespace

// The check's entry recomputes the gear dimensions; an entry from which they cannot be computed
// (a guarded routine refuses, or they are not possible) is refused with the field's message and
// the geometry stays as it was.
void TGeometrie_F::UpdateGeometryForm(const std::string& message, const std::string& caption) {
    if (!AcceptIfComputed(DeriveGeometry, GeometryPossible, message, caption)) return;
    DeriveGeometry();
    ShowGeometry();
}

// A field that changes the tooth form: the tip diameters and the centre distance follow again.
void TGeometrie_F::StandardRecompute(const std::string& message, const std::string& caption) {
    auto derive = [] {
        G.da1Given = false;
        G.da2Given = false;
        ComputeCentreDistanceFromShifts();
        DeriveGeometry();
    };
    if (!AcceptIfComputed(derive, GeometryPossible, message, caption)) return;
    derive();
    ShowGeometry();
}

void TGeometrie_F::AfterCheck(int, FieldEvent) {
    if (Rozmery_F) Rozmery_F->Repaint();
}

void TGeometrie_F::FormPaint() {
    G.LifeValid = false;
    G.EquivalentStressesCurrent = false;
    FillField(1, rt::Str(G.z1, 4, 1));
    FillField(2, rt::Str(G.z2, 4, 1));
    FillField(3, rt::Str(G.mn, 5, 3));
    FillField(4, rt::Str(G.beta / kRad, 6, 4));
    FillField(5, rt::Str(G.alfan / kRad, 6, 3));
    FillField(6, rt::Str(G.x1, 6, 4));
    FillField(7, rt::Str(G.x2, 6, 4));
    FillField(8, rt::Str(G.a, 7, 3));
    FillField(9, rt::Str(G.haP1, 5, 3));
    FillField(10, rt::Str(G.haP2, 5, 3));
    FillField(11, rt::Str(G.caP1, 5, 3));
    FillField(12, rt::Str(G.caP2, 5, 3));
    FillField(13, rt::Str(G.RofP1, 5, 3));
    FillField(14, rt::Str(G.RofP2, 5, 3));
    FillField(15, rt::Str(G.da1, 6, 3));
    FillField(16, rt::Str(G.da2, 6, 3));
    FillField(17, rt::Str(G.Protub1, 5, 3));
    FillField(18, rt::Str(G.Protub2, 5, 3));
    FillField(19, rt::Str(G.z0, 1, 0));
    FillField(20, rt::Str(G.x0, 5, 3));
    // The cutter exists only for an internal wheel.
    for (int n : {19, 20}) {
        Field(n)->SetVisible(!External());
        FieldLabel(n)->SetVisible(!External());
    }
}

// The tooth depths and the rim limits of the dimensions window's rim warnings.
void TGeometrie_F::Button1Click() { ComputeToothDepthsAndRimLimits(G.da1, G.da2); }

void TGeometrie_F::Button2Click() { ShowHelpTopic(21); }

// The module table opens beside this window and stays usable while this one is modal.
void TGeometrie_F::Button3Click() {
    if (Tabulka_modulu) Tabulka_modulu->Show();
}

// ---- validators

void TGeometrie_F::CheckInputZ1() {
    const char* const message = "Invalid input of the number of teeth of the pinion z1";
    const double previous = G.z1;
    if (!ReadNumber(G.z1) || G.z1 < 4 || !Whole(G.z1)) return Refuse(message);
    if (G.z1 == previous) return;
    ComputeVirtualTeeth();
    StandardRecompute(message);
}

void TGeometrie_F::CheckInputZ2() {
    const char* const message = "Invalid input of the number of teeth of the wheel z2";
    if (!ReadNumber(G.z2) || G.z2 == 0 || !Whole(G.z2)) return Refuse(message);
    if (External()) {
        if (G.z2 < 4) return Refuse("Wheel teeth number must be greater than 3");
    } else {
        if (G.z2 > -4) return Refuse("Teeth number for the annular gear must be less than -3");
        if (FitCutterToInternalWheel(G)) ShowNumber(19, G.z0, 1, 0);
    }
    ComputeVirtualTeeth();
    StandardRecompute(message);
}

// The hidden trigger shows the edition; the module stays as it was.
void TGeometrie_F::CheckInputMn() {
    if (FieldText() == "wvw") {
        ui::MessageBox(G.EditionText, "  Info !", ui::MB_OK);
        ShowNumber(3, G.mn, 5, 3);
        FocusField(3);
        return;
    }
    const char* const message = "Normal module must be greater than 0";
    if (!ReadNumber(G.mn) || !(G.mn > 0)) return Refuse(message);
    StandardRecompute(message);
    if (!Refused() && Presnost_F) Presnost_F->Repaint();
}

// A helix angle of 90 degrees or more has no pair (cos beta <= 0).
void TGeometrie_F::CheckInputBeta() {
    const char* const message =
        "Invalid input of the helix angle beta at reference cylinder. \rIt must be given in decimal form.";
    if (!ReadNumber(G.beta) || G.beta < 0 || G.beta >= 90) return Refuse(message);
    G.beta = InRadians(G.beta);
    ComputeVirtualTeeth();
    StandardRecompute(message);
}

void TGeometrie_F::CheckInputAlfan() {
    const char* const message =
        "Invalid input of the normal rack flank angle alfan   \rIt must be given in decimal form.";
    if (!ReadNumber(G.alfan) || G.alfan < 1 || G.alfan > 50) return Refuse(message);
    G.alfan = InRadians(G.alfan);
    StandardRecompute(message);
}

// x1 or x2.  With a given centre distance the shift sum stays and only its division changes.
void TGeometrie_F::CheckShift(double& x, double& other, const char* message) {
    if (!ReadNumber(x)) return Refuse(message);
    if (G.aGiven) {
        other = rt::StoredReal(G.xsum - x);
        return UpdateGeometryForm(message);
    }
    G.xlim = CriticalShiftSum(G.z1, G.z2);
    const double sum = G.x1 + G.x2;
    if (External() ? sum <= G.xlim : sum >= G.xlim)
        return Refuse("Impossible sum of shifting coefficients x1+x2  (xlim = " + rt::Str(G.xlim, 8, 5) + ")");
    G.xsum = sum;
    StandardRecompute(message);
}

void TGeometrie_F::CheckInputX1() { CheckShift(G.x1, G.x2, "Invalid input of the shifting coefficient x1"); }

void TGeometrie_F::CheckInputX2() { CheckShift(G.x2, G.x1, "Invalid input of the shifting coefficient x2"); }

void TGeometrie_F::CheckInputA() {
    double entered = 0;
    const bool number = ParseNumber(entered);
    if (number && std::fabs(std::fabs(entered) - std::fabs(G.a)) <= 0.0009) return;  // unchanged
    const char* const message = "Invalid input of the working centre distance a";
    if (number && entered == 0) {
        // Back to the reference centre distance without shifts; the geometry follows it.
        SetWorkingCentreDistance(ReferenceCentreDistance());
        G.x1 = 0;
        G.x2 = 0;
        G.aGiven = false;
        UpdateGeometryForm(message);
        ShowNumber(6, G.x1, 7, 5);
        ShowNumber(7, G.x2, 7, 5);
        ShowNumber(8, G.a, 7, 3);
        FocusField(6);
        return;
    }
    if (!number || (External() ? entered < 0 : entered > 0)) return Refuse(message);
    // The smallest centre distance: the shift sum at its limit.  A centre distance entered
    // before must not turn this into the reset to the reference centre distance.
    G.aGiven = false;
    G.xlim = CriticalShiftSum(G.z1, G.z2);
    G.xsum = G.xlim;
    ComputeCentreDistanceFromShifts();
    if (std::fabs(G.a) >= std::fabs(entered))
        return Refuse("Impossibly small the working centre distance a (amin= " + rt::Str(G.a, 8, 5) + ")");
    SetWorkingCentreDistance(entered);
    G.aGiven = true;
    G.invAlfawt = ComputeInvolute(G.alfawt);
    G.xsum = (G.invAlfawt - G.invAlfat) * (G.z1 + G.z2) / (2 * Tan(G.alfan));
    // Each gear takes half the sum, held as the data file holds it.
    G.x1 = rt::StoredReal(G.xsum / 2);
    G.x2 = G.x1;
    G.da1Given = false;
    G.da2Given = false;
    UpdateGeometryForm(message);
}

// Addendum and clearance factors of the basic racks.
void TGeometrie_F::CheckRackFactor(double& factor, const char* message) {
    if (!ReadNumber(factor) || factor < 0) return Refuse(message);
    G.da1Given = false;
    G.da2Given = false;
    UpdateGeometryForm(message);
}

void TGeometrie_F::CheckInputHa1() {
    CheckRackFactor(G.haP1, "Invalid input of the pinion addendum (proportion height) ha1*");
}
void TGeometrie_F::CheckInputHa2() {
    CheckRackFactor(G.haP2, "Invalid input of the wheel addendum (proportion height) ha2*");
}
void TGeometrie_F::CheckInputC1() {
    CheckRackFactor(G.caP1, "Invalid input of the pinion tip clearance (proportion height) c1*");
}
void TGeometrie_F::CheckInputC2() {
    CheckRackFactor(G.caP2, "Invalid input of the wheel tip clearance (proportion height) c2*");
}

void TGeometrie_F::CheckInputRof1() {
    const char* const message = "Invalid input of the pinion root rounding radius (proportion size) rof1*";
    if (!ReadNumber(G.RofP1) || G.RofP1 < 0) return Refuse(message);
    CheckRofLimit1();
    UpdateGeometryForm(message);
}

void TGeometrie_F::CheckInputRof2() {
    const char* const message = "Invalid input of the wheel root rounding radius (proportion size) rof2*";
    if (!ReadNumber(G.RofP2) || G.RofP2 < 0) return Refuse(message);
    CheckRofLimit2();
    UpdateGeometryForm(message);
}

// The largest root radius factor the basic rack allows.  A gear's root is cut to the mate's
// addendum plus clearance, so the pinion's limit uses haP2 + caP2.  A radius above the limit is
// cut back to it; only more than 0.001 above it is worth a warning.
void TGeometrie_F::CheckRofLimit(double& rof, double haP, double caP, const char* gear) {
    const double limit =
        (std::numbers::pi / 4 - Tan(G.alfan) * (haP + caP)) * std::cos(G.alfan) / (1 - std::sin(G.alfan));
    if (limit + 0.001 < rof)
        ui::MessageBox(std::string(gear) + " root rounding radius (proportion size) must be from 0 to " +
                           rt::Str(limit, 6, 4) + "\r",
                       "  Warning !", ui::MB_OK);
    if (rof > limit) rof = limit;
}

void TGeometrie_F::CheckRofLimit1() { CheckRofLimit(G.RofP1, G.haP2, G.caP2, "Pinion"); }
void TGeometrie_F::CheckRofLimit2() { CheckRofLimit(G.RofP2, G.haP1, G.caP1, "Wheel"); }

// A tip diameter given changes only the tip thickness, but the tip must have one: a tip inside
// its base circle is refused.
void TGeometrie_F::CheckInputDa1() {
    const char* const message = "Invalid input of the pinion tip diameter da1";
    if (!ReadNumber(G.da1) || !(G.da1 > 0)) return Refuse(message);
    G.da1Given = true;
    if (AcceptIfComputed(DeriveGeometry, GeometryPossible, message)) DeriveGeometry();
}

void TGeometrie_F::CheckInputDa2() {
    const char* const message = "Invalid input of the wheel tip diameter da2";
    if (!ReadNumber(G.da2) || !(External() ? G.da2 > 0 : G.da2 < 0)) return Refuse(message);
    G.da2Given = true;
    if (AcceptIfComputed(DeriveGeometry, GeometryPossible, message)) DeriveGeometry();
}

void TGeometrie_F::CheckInputSpr1() {
    if (!ReadNumber(G.Protub1) || G.Protub1 < 0) Refuse("Invalid input of the pinion protuberance size");
}

void TGeometrie_F::CheckInputSpr2() {
    if (!ReadNumber(G.Protub2) || G.Protub2 < 0) Refuse("Invalid input of the wheel protuberance size");
}

// The cutter and the internal wheel must still mesh in manufacturing.
void TGeometrie_F::CheckCutterSum() {
    G.x0x2crit = CriticalShiftSum(G.z0, G.z2);
    if (G.x0 + G.x2 - 0.00001 > G.x0x2crit) return Refuse(kCutterBeyondCriticalSum, "  Error !");
    StandardRecompute(kCutterBeyondCriticalSum, "  Error !");
}

void TGeometrie_F::CheckInputZ0() {
    if (!ReadNumber(G.z0) || !Whole(G.z0)) return Refuse("Invalid number format, repeat the input", "  Error !");
    if (G.z0 < 4) return Refuse("Teeth number for the Fellow cutter must be greater than 3", "  Error !");
    if (std::fabs(G.z2) <= G.z0)
        return Refuse("Teeth number for the Fellow cutter must be less than teeth number of wheel (at least about 1)",
                      "  Error !");
    CheckCutterSum();
}

void TGeometrie_F::CheckInputX0() {
    if (!ReadNumber(G.x0)) return Refuse("Invalid number format, repeat the input", "  Error !");
    if (G.x0 < -2 || G.x0 > 3)
        return Refuse("Addendum modification coefficient of the Fellow cutter must lay from -2 to 3", "  Error !");
    CheckCutterSum();
}

}  // namespace karvelo
