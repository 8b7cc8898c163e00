#include "karvelo/forms/RogF.h"

#include <cmath>

#include "karvelo/calc/Epsilon.h"
#include "karvelo/calc/Global.h"
#include "karvelo/calc/SouciniteleY.h"
#include "karvelo/forms/SoucF.h"
#include "runtime/NumText.h"

namespace karvelo {

TRog_F* Rog_F = nullptr;

namespace {

bool ForPinion() { return G.HelpPage != kHelpPageWheel; }

}  // namespace

TRog_F::TRog_F() : InputWindow("Rog_F") {
    SetCaption("Radius and maximum depth of grinding notch in the  tooth root");
    SetClientSize(440, 188);
    Position = ui::Position::BesideOwner;
    BorderStyle = ui::BorderStyle::Single;
    BorderIcons = 0;
    KeyPreview = true;
    auto* title = new ui::Label(this, "Label1", {16, 14, 0, 0}, "Radius of grinding notch");
    title->SetFontStyle(ui::fsBold);
    new ui::Label(this, "Label2", {16, 40, 0, 0}, "calculated from the size of the edge ");
    new ui::Label(this, "Label3", {16, 56, 0, 0}, "radius of the grinding disk");
    auto* nonzero = new ui::Label(this, "Label4", {16, 72, 0, 0}, "(for the nonzero value of      )");
    // tg and its index in the blanks before the closing bracket
    const int tgLeft = 16 + nonzero->Width() - 19;
    auto* tg = new ui::Label(this, "Label7", {tgLeft, 72, 0, 0}, "tg");
    LabelTgIndex = new ui::Label(this, "Label8", {tgLeft + 10, 77, 0, 0}, "1");
    LabelTgIndex->SetFontPixels(9);

    new ui::Label(this, "Label9", {260, 43, 0, 0}, "ra0g [mm]");
    Edit1 = AddField(1, this, {330, 40, 70, 21}, [this] { CheckInputRa0g(); }, {.setsActiveEdit = false});
    auto* r = new ui::Label(this, "Label5", {260, 100, 0, 0}, "r    =");
    LabelIndex = new ui::Label(this, "Label10", {267, 105, 0, 0}, "1");
    LabelIndex->SetFontPixels(9);
    Label6 = new ui::Label(this, "Label6", {330, 100, 70, 16}, "");
    for (ui::Label* l : {r, Label6}) l->SetFontStyle(ui::fsBold);
    gearLabels_ = {tg, LabelTgIndex, r, LabelIndex, Label6};

    Button1 = new ui::Button(this, "Button1", {110, 146, 89, 27}, "Use it");
    Button2 = new ui::Button(this, "Button2", {240, 146, 89, 27}, "Esc");
    Button1->OnClick = [this] { Button1Click(); };
    Button2->OnClick = [this] { Button2Click(); };
    OnCreate = [this] { FormCreate(); };
    OnActivate = [this] { FormActivate(); };
    OnPaint = [this] { FormPaint(); };
    OnKeyUp = [this](ui::Word& key, ui::ShiftState) { FormKeyUp(key); };
}

void TRog_F::FormCreate() {
    Edit1->SetText("");
    Label6->SetCaption("");
    G.RogUsed = false;
    SetActiveControl(Edit1);
}

// The disk's radius can be entered only for a gear that has a notch.
void TRog_F::FormActivate() {
    const bool notch = (ForPinion() ? G.tg1 : G.tg2) > 0;
    Edit1->SetEnabled(notch);
    if (notch) SetActiveControl(Edit1);
}

void TRog_F::FormPaint() {
    const bool pinion = ForPinion();
    const double radius = pinion ? G.Rog1 : G.Rog2;
    if (Souc_F)
        if (ui::Edit* field = Souc_F->Edit(pinion ? 3 : 4)) field->SetText(rt::Str(radius, 5, 3));
    Label6->SetCaption(radius != 0 ? rt::Str(radius, 5, 3) : "");
    LabelIndex->SetCaption(pinion ? "1" : "2");
    LabelTgIndex->SetCaption(pinion ? "1" : "2");
    for (ui::Label* l : gearLabels_) l->SetFontColor(pinion ? ui::clBlue : ui::clGreen);
}

void TRog_F::AfterCheck(int, FieldEvent) { Repaint(); }

void TRog_F::FieldKey(int, ui::KeyChar& key) {
    if (key == 27) ModalResult = ui::mrCancel;
}

void TRog_F::Button1Click() {
    if (!Edit1->Text().empty()) G.RogUsed = true;
    ModalResult = ui::mrOk;
    if (Souc_F) Souc_F->FocusFieldOfHelpButton();
}

void TRog_F::Button2Click() { ModalResult = ui::mrCancel; }

void TRog_F::FormKeyUp(ui::Word& key) { HelpKeyUp(key, 81); }

void TRog_F::CheckInputRa0g() {
    G.RogUsed = false;
    const bool number = ReadNumber(G.ra0g);
    if (FieldText().empty()) return;
    if (!number || G.ra0g < 0) return Refuse("Invalid input");
    if (!ComputeNotchRadius()) return Refuse("Invalid input");
    ShowNumber(1, G.ra0g, 4, 1);
    G.RogUsed = true;
}

bool TRog_F::ComputeNotchRadius() {
    GlobalData& g = G;
    const bool pinion = ForPinion();
    ComputeContactRatios();
    double radius;
    if (pinion) {
        ComputeToothFormFactor1();
    } else {
        ComputeToothFormFactor2();
    }
    if (!pinion && g.GearingType == kInternalPair) {
        radius = g.ra0g / 2;
    } else {
        // G: distance of the disk's edge centre from the root line, in modules.
        const double haP = pinion ? g.haP2 + g.caP2 : g.haP1 + g.caP1;
        const double zn = pinion ? g.zn1 : g.zn2;
        const double Gv = g.ra0g / g.mn - haP + (pinion ? g.x1 : g.x2);
        const double cosTheta = std::cos(g.Teta);
        radius = 2 * g.mn * Gv * Gv / (cosTheta * (zn * cosTheta * cosTheta - 2 * Gv)) + g.ra0g;
    }
    // Beyond the reach of the formula (a disk too large for the tooth space) the radius would
    // come out negative or infinite.
    if (!std::isfinite(radius) || !(radius >= 0)) return false;
    (pinion ? g.Rog1 : g.Rog2) = radius;
    return true;
}

}  // namespace karvelo
