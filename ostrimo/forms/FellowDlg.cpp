#include "ostrimo/forms/FellowDlg.h"

#include <cmath>

#include "ostrimo/calc/Global.h"
#include "ostrimo/calc/Kontrola_geometrie.h"
#include "ostrimo/calc/Vypocty.h"
#include "ostrimo/calc/Vypocty_Fellow.h"
#include "ostrimo/forms/Celni.h"
#include "ostrimo/forms/CelniDlg.h"
#include "ostrimo/forms/Labels.h"
#include "ostrimo/forms/Ostrimo.h"
#include "runtime/NumText.h"

namespace ostrimo {

TFellowDlg* FellowDlg = nullptr;

TFellowDlg::TFellowDlg() : Form("FellowDlg") {
    BorderStyle = ui::BorderStyle::Dialog;
    Position = ui::Position::BesideOwner;
    SetClientSize(360, 328);
    SetCaption("Fellow Cutter");
    KeyPreview = true;
    struct Row {
        const char* caption;
        const char* names[3];
        const char* symbol;
        bool greek;
        const char* index;
        ui::Edit** edit;
        const char* editName;
    };
    const Row rows[] = {
        {"Teeth number", {"Label1", "Label10", "Label10i"}, "z", false, "0", &Edit1, "Edit1"},
        {"Addendum modif. coeffic.", {"Label2", "Label11", "Label11i"}, "x", false, "0", &Edit2, "Edit2"},
        {"Root rounding radius fact.", {"Label3", "Label12", "Label12i"}, "r", true, "f0*", &Edit3, "Edit3"},
        {"Tip rounding radius factor", {"Label4", "Label15", "Label15i"}, "r", true, "a0*", &Edit4, "Edit4"},
    };
    int y = 12;
    for (const Row& r : rows) {
        new ui::Label(this, r.names[0], {12, y + 3, 0, 0}, r.caption);
        ui::Label* symbol = new ui::Label(this, r.names[1], {196, y + 3, 0, 0}, r.symbol);
        if (r.greek) symbol->SetFontName("Symbol");
        NewIndex(this, r.names[2], symbol, r.index);
        *r.edit = new ui::Edit(this, r.editName, {234, y, 70, 21});
        y += 26;
    }
    Label13 = new ui::Label(this, "Label13", {12, 124, 0, 0}, "Angle");
    ui::Label* alpha = new ui::Label(this, "Label16", {196, 124, 0, 0}, "a");
    alpha->SetFontName("Symbol");
    NewIndex(this, "Label17", alpha, "L0");
    Label14 = new ui::Label(this, "Label14", {238, 124, 0, 0}, "");
    Label19 = new ui::Label(this, "Label19", {300, 124, 0, 0}, "[\xC2\xB0] ");
    struct Value {
        const char* caption;
        const char* names[4];
        const char* index;
        ui::Label** value;
        int y;
    };
    const Value values[] = {
        {"Diameter d     =", {"Label6", "Label8", "Label7", "Label9"}, "L0", &Label7, 146},
        {"Diameter d     = ", {"Label24", "Label26", "Label25", "Label27"}, "a0", &Label25, 168},
        {"Thickness s    =", {"Label29", "Label31", "Label30", "Label32"}, "a0", &Label30, 190},
    };
    for (const Value& v : values) {
        // the index follows the letter: the caption is laid out up to it first
        std::string caption = v.caption;
        const std::string letter = caption.substr(0, caption.find_last_not_of(" =") + 1);
        ui::Label* label = new ui::Label(this, v.names[0], {12, v.y, 0, 0}, letter);
        NewIndex(this, v.names[1], label, v.index);
        label->SetCaption(caption);
        *v.value = new ui::Label(this, v.names[2], {238, v.y, 0, 0}, "");
        new ui::Label(this, v.names[3], {300, v.y, 0, 0}, "[mm]");
    }
    new ui::Label(this, "Label33", {12, 212, 0, 0}, "c");
    new ui::Label(this, "Label34", {20, 212, 0, 0}, " =");
    Label35 = new ui::Label(this, "Label35", {238, 212, 0, 0}, "");
    new ui::Label(this, "Label36", {300, 212, 0, 0}, "[mm]");
    CheckBox1 = new ui::CheckBox(this, "CheckBox1", {12, 238, 330, 17}, "Max. operating height of the tool tooth");
    CheckBox2 = new ui::CheckBox(this, "CheckBox2", {12, 260, 330, 17}, "Fully rounded tip");
    OKBtn = new ui::Button(this, "OKBtn", {24, 292, 75, 25}, "&OK");
    CancelBtn = new ui::Button(this, "CancelBtn", {142, 292, 75, 25}, "&Back");
    Help = new ui::Button(this, "Help", {260, 292, 75, 25}, "&Help");

    for (ui::Edit* e : {Edit1, Edit2, Edit3, Edit4}) e->OnExit = [this, e] { FieldExit(e); };
    CheckBox1->OnClick = [this] { CheckBox1Click(); };
    CheckBox2->OnClick = [this] { CheckBox2Click(); };
    OKBtn->OnClick = [this] { OKBtnClick(); };
    CancelBtn->OnClick = [this] { CancelBtnClick(); };
    Help->OnClick = [this] { HelpClick(); };
    OnShow = [this] { FormShow(); };
    OnKeyPress = [this](ui::KeyChar& key) { FormKeyPress(key); };
    OnKeyUp = [this](ui::Word& key, ui::ShiftState) { FormKeyUp(key); };
    ShowInputs();
}

// ---------------------------------------------------------------- computation and display

void TFellowDlg::ComputeFellowCutterGeometry() {
    ComputationScope computation;
    GlobalData& g = G;
    ComputeFellowCutterDimensions();
    g.ToolFlankHeightFactor2 = SnapProfileFactor(g.haP1 + g.cP1 - (1 - std::sin(g.alfan)) * g.rofP2);
    ComputeCutterTipThickness();
}

void TFellowDlg::ShowInputs() {
    Edit1->SetText(rt::Str(static_cast<long long>(G.z0)));
    Edit2->SetText(rt::Str(G.x0, 6, 4));
    Edit3->SetText(rt::Str(G.rof0, 6, 4));
    Edit4->SetText(rt::Str(G.roa0, 6, 4));
}

void TFellowDlg::ShowFellowCutterValues() {
    ComputeFellowCutterGeometry();
    ShowInputs();
    Label14->SetCaption(rt::Str(RadToDeg(G.alfaF0), 4, 2));
    Label7->SetCaption(rt::Str(G.dF0, 4, 2));
    Label25->SetCaption(rt::Str(G.da0, 4, 2));
    Label30->SetCaption(rt::Str(G.sa0, 4, 2));
    Label35->SetCaption(rt::Str(G.CutterRoundingHeight, 4, 4));
    if (PagesDlg) PagesDlg->ShowMainAngles();
}

void TFellowDlg::WarnFellowCutterDefects() {
    if (FellowOkInProgress) return;
    if (G.alfaF0 < 0.000000001 && !G.FellowMaxOperatingHeight) ui::ShowMessage("Fellow cutter is undercut");
    if (G.sa0 < 0) ui::ShowMessage("Fellow cutter has negative thickness on the tip cylinder");
}

bool TFellowDlg::RecomputeAfterCutterChange() {
    ComputationScope computation;
    ComputeGeometryCheck();
    if (G.ErrorFlag) {
        if (PagesDlg) PagesDlg->FocusFieldByCode();
        if (G.ErrorFlag && CelniDlg) CelniDlg->Hide();
    }
    return !G.ErrorFlag;
}

// While the results window is shown it follows the cutter.
void TFellowDlg::RefreshResults() {
    if (CelniDlg && CelniDlg->Visible() && RecomputeAfterCutterChange()) CelniDlg->PaintBox1Paint();
    G.ErrorFlag = false;
}

// ---------------------------------------------------------------- set-up

void TFellowDlg::FormShow() {
    FellowOkInProgress = false;
    ShowFellowCutterValues();
    if (G.FellowFullyRoundedTip) {
        SetActiveControl(Edit4);
    } else {
        SetActiveControl(Edit1);
        CheckBox2->SetChecked(false);
    }
}

void TFellowDlg::ShowStoredOptions() {
    silent_ = true;
    CheckBox1->SetChecked(G.FellowMaxOperatingHeight);
    CheckBox2->SetChecked(G.FellowFullyRoundedTip);
    silent_ = false;
    Edit3->SetReadOnly(G.FellowMaxOperatingHeight);
    Edit4->SetReadOnly(G.FellowFullyRoundedTip);
    // what the options replaced is not in the file: turning them off keeps the stored values
    G.SavedRof0 = G.rof0;
    G.SavedRoa0 = G.roa0;
    ShowInputs();
}

// ---------------------------------------------------------------- validators

bool TFellowDlg::Refuse(const std::string& message, ui::Edit* field) {
    ui::MessageBox(message, kErrorCaption, ui::MB_OK);
    SetActiveControl(field);
    return false;
}

// What every accepted cutter value is followed by.
bool TFellowDlg::ChangeAccepted() {
    ShowFellowCutterValues();
    WarnFellowCutterDefects();
    TPagesDlg::MarkInputsChanged();
    return true;
}

bool TFellowDlg::ValidateFellowTeethNumber() {
    GlobalData& g = G;
    std::int32_t z = 0;
    int code = 0;
    rt::Val(Edit1->Text(), z, code);
    g.ValCode = code;
    if (code != 0) return Refuse("Invalid format of the number.", Edit1);
    g.z0 = z;
    if (g.z0 <= 3) return Refuse("Teeth number for Fellow cutter must be greater than 3.", Edit1);
    if (g.z0 >= std::fabs(g.z2))
        return Refuse("Teeth number for Fellow cutter must be less than teeth number of wheel (at least about 1).",
                      Edit1);
    if (g.x0 + g.x2 - 0.00001 > CriticalAmcSum(g.z0 + g.z2))
        return Refuse(
            "Sum of Addendum Modification Coefficients (manufacturing) x0+x2 is greater than critical - "
            "negative manufacturing pressure angle.",
            Edit1);
    return true;
}

bool TFellowDlg::ValidateFellowAmc() {
    GlobalData& g = G;
    double x = 0;
    int code = 0;
    rt::Val(Edit2->Text(), x, code);
    g.ValCode = code;
    if (code != 0) return Refuse("Invalid format of the number.", Edit2);
    g.x0 = x;
    if (g.x0 < -2 || g.x0 > 3)
        return Refuse("Addendum modification coefficient of Fellow cutter must be from -2 to 3.", Edit2);
    const double xlim = CriticalAmcSum(g.z0 + g.z2);
    if (g.x0 + g.x2 - 0.00001 > xlim)
        return Refuse(
            "Sum of Addendum Modification Coefficients (manufacturing) x0+x2 is greater than critical (xlim=" +
                rt::Str(xlim, 7, 4) + ") - negative manufacturing pressure angle.",
            Edit2);
    return true;
}

bool TFellowDlg::ValidateFellowRootRounding() {
    GlobalData& g = G;
    int code = 0;
    rt::Val(Edit3->Text(), g.rof0, code);
    g.ValCode = code;
    if (code != 0) return Refuse("Invalid format of the number.", Edit3);
    const double limit = FullRoundedRootRadius(g.alfan, g.haP2 + g.cP2);
    if (g.rof0 < 0 || g.rof0 > limit + 0.0001)
        return Refuse("Fellow cutter root rounding radius(proportion size) must be from 0 to " + rt::Str(limit, 6, 4),
                      Edit3);
    return ChangeAccepted();
}

bool TFellowDlg::ValidateFellowTipRounding() {
    GlobalData& g = G;
    if (g.FellowFullyRoundedTip) return true;
    double typed = 0;
    int code = 0;
    rt::Val(Edit4->Text(), typed, code);
    g.ValCode = code;
    if (code != 0) return Refuse("Invalid format of the number.", Edit4);
    ComputeMaxCutterTipRounding();
    const double limit = g.roa0;
    g.roa0 = typed;
    if (g.roa0 < 0 || g.roa0 > limit + 0.0001)
        return Refuse("Fellow cutter tip rounding radius(proportion size) must be from 0 to " + rt::Str(limit, 6, 4) +
                          " (full rounded tip)",
                      Edit4);
    ComputeCutterTipRoundingDiameters();
    ChangeAccepted();
    // the cutter's tip rounds the wheel's root
    g.rofP2 = g.roa0;
    if (PagesDlg) {
        PagesDlg->DetectStandardRackProfile();
        PagesDlg->Edit16->SetText(rt::Str(g.roa0, 6, 4));
    }
    return true;
}

std::string TFellowDlg::ShownText(const ui::Edit* field) {
    if (field == Edit1) return rt::Str(static_cast<long long>(G.z0));
    return rt::Str(field == Edit2 ? G.x0 : field == Edit3 ? G.rof0 : G.roa0, 6, 4);
}

// A field that still shows the stored value as the dialog writes it changes nothing; a
// refused value is not kept.
bool TFellowDlg::ValidateField(ui::Edit* field) {
    if (SkipFellowChecksHelp || SkipFellowChecksCancel) return true;
    if (field->Text() == ShownText(field)) return true;
    ComputationScope computation;
    const GlobalData kept = G;
    const bool accepted = ValidateTypedValue(field);
    if (!accepted) G = kept;
    return accepted;
}

bool TFellowDlg::ValidateTypedValue(ui::Edit* field) {
    if (field == Edit3) return ValidateFellowRootRounding();
    if (field == Edit4) return ValidateFellowTipRounding();
    const double z0 = G.z0, x0 = G.x0;
    if (!(field == Edit1 ? ValidateFellowTeethNumber() : ValidateFellowAmc())) return false;
    if (G.z0 == z0 && G.x0 == x0) return true;  // unchanged
    // a new cutter: its options and its tip rounding within the new largest one
    CheckBox1->SetChecked(false);
    CheckBox2->SetChecked(false);
    ComputeFellowCutterGeometry();
    const double kept = G.roa0;
    ComputeMaxCutterTipRounding();
    G.roa0 = std::min(kept, G.roa0);
    ComputeCutterTipRoundingDiameters();
    ChangeAccepted();
    ComputeGeometryCheck();
    if (G.ObligatoryInputComplete && PagesDlg) PagesDlg->ShowTipDiameters();
    return true;
}

void TFellowDlg::FieldExit(ui::Edit* field) {
    if (!ValidateField(field)) return;  // the field has the focus back
    RefreshResults();
}

void TFellowDlg::FormKeyPress(ui::KeyChar& key) {
    if (key != 13) return;
    auto* field = dynamic_cast<ui::Edit*>(ActiveControl());
    if (!field || (field != Edit1 && field != Edit2 && field != Edit3 && field != Edit4)) return;
    if (ValidateField(field)) RefreshResults();
}

// ---------------------------------------------------------------- options

void TFellowDlg::CheckBox1Click() {
    if (silent_) return;
    ComputationScope computation;
    GlobalData& g = G;
    if (CheckBox1->Checked()) {
        g.FellowMaxOperatingHeight = true;
        g.SavedRof0 = g.rof0;
        g.alfaF0 = 0;
        g.dF0 = g.db0;
        g.rof0 = 0;
        Edit3->SetReadOnly(true);
    } else {
        g.FellowMaxOperatingHeight = false;
        Edit3->SetReadOnly(false);
        g.rof0 = g.SavedRof0;
    }
    // the cutter's dimensions, with its limit point again once the option is off
    ShowFellowCutterValues();
    TPagesDlg::MarkInputsChanged();
    RefreshResults();
}

void TFellowDlg::CheckBox2Click() {
    if (silent_) return;
    ComputationScope computation;
    GlobalData& g = G;
    if (CheckBox2->Checked()) {
        g.FellowFullyRoundedTip = true;
        g.SavedRoa0 = g.roa0;
        ComputeMaxCutterTipRounding();
        Edit4->SetText(rt::Str(g.roa0, 6, 4));
        Edit4->SetReadOnly(true);
    } else {
        g.FellowFullyRoundedTip = false;
        Edit4->SetReadOnly(false);
        g.roa0 = g.SavedRoa0;
    }
    ComputeCutterTipRoundingDiameters();
    ShowFellowCutterValues();
    TPagesDlg::MarkInputsChanged();
    RefreshResults();
}

// ---------------------------------------------------------------- buttons and keys

void TFellowDlg::OKBtnClick() {
    ComputationScope computation;
    FellowOkInProgress = true;
    if (auto* field = dynamic_cast<ui::Edit*>(ActiveControl())) ValidateField(field);
    ShowFellowCutterValues();
    Hide();
    if (G.AmcUndivided) {
        ui::MessageBox("Dividing of Addendum Modification Coefficient has not done yet.", kErrorCaption, ui::MB_OK);
        return;
    }
    if (PagesDlg) {
        switch (G.LastComputingInput) {
            case kNoComputingInput:
            case kXsumInput: PagesDlg->ApplyAmcSum(); break;
            case kAwInput: PagesDlg->ApplyWorkingCentreDistance(); break;
            case kAlfawtInput: PagesDlg->ApplyWorkingPressureAngle(); break;
            default: break;
        }
        PagesDlg->RecomputePair();
        PagesDlg->ShowTipDiameters();
    }
    G.ResetLayoutOnShow = false;
    RefreshResults();
}

void TFellowDlg::CancelBtnClick() {
    Hide();
    SkipFellowChecksCancel = false;
}

void TFellowDlg::HelpClick() {
    SkipFellowChecksHelp = false;
    ShowHelpTopic(7);
}

void TFellowDlg::FormKeyUp(ui::Word& key) {
    if (key != ui::VK_F1) return;
    ShowHelpTopic(7);
}

}  // namespace ostrimo
