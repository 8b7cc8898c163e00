// The validators of the Inputs page, one per field.  Each parses its field into the
// global data, checks the range of gear geometry, and when the text changed resets what
// depends on the value.  A refusal shows its message and gives the field the focus back;
// ValidateField then puts the case back as it was before the entry.
#include <algorithm>
#include <cmath>

#include "ostrimo/calc/CheckNumerics.h"
#include "ostrimo/calc/Geometricke_vypocty.h"
#include "ostrimo/calc/Global.h"
#include "ostrimo/calc/Vypocty.h"
#include "ostrimo/calc/Vypocty_Fellow.h"
#include "ostrimo/forms/Celni.h"
#include "ostrimo/forms/CelniDlg.h"
#include "ostrimo/forms/FellowDlg.h"
#include "ostrimo/forms/Nastroj.h"
#include "ostrimo/forms/Ostrimo.h"
#include "ostrimo/forms/Tabulka.h"
#include "ostrimo/forms/VuleF.h"
#include "runtime/Notice.h"
#include "runtime/NumText.h"

namespace ostrimo {

namespace {

using checks::kPi;
constexpr const char* kWarningCaption = "  Warning !";
constexpr const char* kInfoCaption = "  Info !";
constexpr const char* kInvalidNumber = "Invalid format of the number.";
constexpr const char* kImpossibleProfile =
    "Impossible parameters of the basic rack tooth profile - the root radius is negative one";

// Largest root rounding radius factor of a gear whose tool has the addendum factor
// haPlusC (the mate's addendum plus the clearance at the mate's tip): the full rounded
// root.  A limit that rounding alone makes negative is 0.
double RootRadiusLimit(double haPlusC) {
    const double limit = FullRoundedRootRadius(G.alfan, haPlusC);
    return limit < 0 && limit > -1e-12 ? 0.0 : limit;
}

// The helix-angle limit in degrees: 80, or for bevel gearing with 0 < b <= Le and an
// inclined tooth the one that keeps the tooth trace within the facewidth.
double HelixAngleLimit(double betaDeg) {
    if (G.GearingType != kBevelGearing || betaDeg == 0 || !(G.b > 0 && G.b <= G.Le)) return 80.0;
    return RadToDeg(std::asin((G.Le - G.b) / (G.Le - G.b / 2)));
}

std::string HelixAngleMessage(const std::string& limit) {
    if (G.GearingType == kBevelGearing)
        return "Teeth inclination angle at mean of the facewidth must be from 0 to " + limit + "\xC2\xB0.";
    return "Helix angle at reference cylinder \xC3\x9F must lay from 0 to " + limit + "\xC2\xB0.";
}

// The Fellow cutter's largest tip rounding factor, which is the wheel's full rounded root;
// the cutter keeps its own tip rounding.
double FellowRootRadiusLimit() {
    ComputeFellowCutterDimensions();
    const double kept = G.roa0;
    ComputeMaxCutterTipRounding();
    const double limit = G.roa0;
    G.roa0 = kept;
    return limit;
}

// The Fellow cutter's root rounding within the limit of its tooth (addendum haP2 + cP2).
void LimitFellowRootRounding() {
    const double limit = RootRadiusLimit(G.haP2 + G.cP2);
    if (G.rof0 > limit) G.rof0 = limit;
    if (G.rof0 < 0) G.rof0 = 0;
    if (G.rof0 < 0.38 && limit > 0.38) G.rof0 = 0.38;
    SetTextIn(FellowDlg, &TFellowDlg::Edit3, rt::Str(G.rof0, 6, 4));
}

void ClearFellowChoicesAndRoundedRoot() {
    if (FellowDlg) {
        FellowDlg->CheckBox1->SetChecked(false);
        FellowDlg->CheckBox2->SetChecked(false);
    }
    PagesDlg->CheckBox1->SetChecked(false);
}

// A number of teeth is a whole number, and no more than the check can count tooth by tooth
// (an external wheel of more than 5000 teeth is a rack).
constexpr double kMostTeeth = 1e6;
constexpr const char* kPinionTeethRule = "Pinion teeth number must be a whole number from 4 to 1000000.";
constexpr const char* kBevelWheelTeethRule = "Wheel teeth number must be a whole number from 4 to 1000000.";
constexpr const char* kWheelTeethRule = "Wheel teeth number must be a whole number greater than 3 (a rack above 5000).";
constexpr const char* kAnnularTeethRule =
    "Teeth number for the annular gear must be a whole number from -4 to -1000000.";

bool WholeNumberOfTeeth(double z) { return std::isfinite(z) && z == std::trunc(z); }

// The inputs of the pair and what the Inputs page derives from them (geometry, tip
// diameters, centre distance, working angle): all must be numbers.
bool PairValuesFinite() {
    const GlobalData& g = G;
    for (double v : {g.mn,  g.z1,    g.z2,    g.z1Bevel, g.z2Bevel, g.b,         g.betaDeg, g.beta, g.xsum, g.x1,
                     g.x2,  g.aw,    g.ad,    g.alfat,   g.alfawt,  g.alfawtDeg, g.jn,      g.haP1, g.haP2, g.cP1,
                     g.cP2, g.rofP1, g.rofP2, g.alfaP,   g.alfan,   g.SigmaDeg,  g.d1,      g.d2,   g.db1,  g.db2,
                     g.df1, g.df2,   g.da1,   g.da2,     g.ha1,     g.ha2,       g.hf1,     g.hf2,  g.k})
        if (!std::isfinite(v)) return false;
    if (g.GearingType != kBevelGearing) return true;
    for (double v : {g.Le, g.de1, g.de2, g.dae1, g.dae2, g.dfe1, g.dfe2})
        if (!std::isfinite(v)) return false;
    return true;
}

// The texts a validation may rewrite besides its own field's: the Inputs page, the tools
// and the cutter dialogs, the wheel's teeth and tip on the Identification page and the
// window captions.  A refused entry puts them back.
class ShownTexts {
public:
    ShownTexts() {
        for (int code = 1; code <= 21; ++code) Keep(PagesDlg->InputField(code));
        if (NastrojDlg)
            for (ui::Edit* e :
                 {NastrojDlg->Edit1, NastrojDlg->Edit2, NastrojDlg->Edit3, NastrojDlg->Edit4, NastrojDlg->Edit5,
                  NastrojDlg->Edit6, NastrojDlg->Edit7, NastrojDlg->Edit8, NastrojDlg->Edit9, NastrojDlg->Edit10,
                  NastrojDlg->Edit11, NastrojDlg->Edit12, NastrojDlg->Edit13, NastrojDlg->Edit14})
                Keep(e);
        if (FellowDlg)
            for (ui::Edit* e : {FellowDlg->Edit1, FellowDlg->Edit2, FellowDlg->Edit3, FellowDlg->Edit4}) Keep(e);
        for (ui::Label* l : {PagesDlg->Label177, PagesDlg->Label178, PagesDlg->Label179, PagesDlg->Label181})
            labels_.emplace_back(l, l->Caption());
        for (ui::Form* f : std::initializer_list<ui::Form*>{PagesDlg, CelniDlg, TabulkaDlg})
            captions_.emplace_back(f, f->Caption());
    }
    void RestoreAllBut(const ui::Edit* field) const {
        for (const auto& [e, text] : edits_)
            if (e != field) e->SetText(text);
        for (const auto& [l, caption] : labels_) l->SetCaption(caption);
        for (const auto& [f, caption] : captions_) f->SetCaption(caption);
    }

private:
    void Keep(ui::Edit* e) { edits_.emplace_back(e, e->Text()); }
    std::vector<std::pair<ui::Edit*, std::string>> edits_;
    std::vector<std::pair<ui::Label*, std::string>> labels_;
    std::vector<std::pair<ui::Form*, std::string>> captions_;
};

// A box of the calculation that says the geometry cannot be computed, naming no cause.
bool GeometryRefused(const rt::Notice& n) {
    for (const char* text : {gear::kTanRefused, gear::kArcCosRefused, gear::kArcSinRefused, kImpossibleGeometry})
        if (n.text == text) return true;
    return false;
}

}  // namespace

// ---------------------------------------------------------------- helpers

bool TPagesDlg::InputChecksBypassed() const {
    return SkipInputChecksOpen || SkipInputChecksHelp || SkipInputChecks || SkipInputChecksType;
}

bool TPagesDlg::ComputingInputChecksBypassed() const { return InputChecksBypassed() || SkipComputingInputChecks; }

bool TPagesDlg::FieldChecksBypassed(int code) const {
    if (code >= 6 && code <= 10) return ComputingInputChecksBypassed();
    if (code == 18 || code == 19) return InputChecksBypassed() || SkipTipDiameterChecks;
    return InputChecksBypassed();
}

// Unchanged: the field shows what the program last wrote into it, or the text accepted
// from it; a refused field that shows its validator's rewrite, only the text it was entered
// with.
bool TPagesDlg::TextUnchanged(const ui::Edit* field) const {
    if (field == validating_) return validatingUnchanged_;
    if (field == staleField_) return field->Text() == G.OldText;
    return field->Unedited();
}

void TPagesDlg::RememberWrittenTestTexts() {
    writtenTestTexts_.clear();
    for (const ui::Edit* e : {Edit22, Edit23, Edit24, Edit25, Edit26, Edit28, Edit30, Edit32, Edit34, Edit35})
        writtenTestTexts_.emplace_back(e, e->Text());
}

bool TPagesDlg::TestTextUnchanged(const ui::Edit* field) const {
    for (const auto& [e, text] : writtenTestTexts_)
        if (e == field) return field->Text() == text;
    return false;
}

// An empty message: the calculation has shown why.
void TPagesDlg::Refuse(const std::string& message, ui::Edit* field) {
    refused_ = true;
    std::erase_if(writtenTestTexts_, [field](const auto& written) { return written.first == field; });
    if (holdRefusal_) {
        heldMessage_ = message;
        heldField_ = field;
        return;
    }
    if (!message.empty()) ui::MessageBox(message, kErrorCaption, ui::MB_OK);
    SetActiveControl(field);
}

void TPagesDlg::Warn(const std::string& message, ui::Edit* field) {
    ui::MessageBox(message, kWarningCaption, ui::MB_OK);
    SetActiveControl(field);
}

bool TPagesDlg::ParseInto(ui::Edit* field, double& value, const char* message) {
    int code = 0;
    rt::Val(field->Text(), value, code);
    G.ValCode = code;
    if (code == 0) return true;
    Refuse(message, field);
    return false;
}

// An angle in degrees as typed: decimal, or D.MMSS while the degrees-minutes-seconds
// display is chosen (its format errors give the focus back and clear ErrorFlag).
bool TPagesDlg::ParseAngle(ui::Edit* field, double& degrees, const char* formatMessage) {
    if (!ParseInto(field, degrees, formatMessage)) return false;
    if (!G.AngleFormatDMS || ReadDmsAngle(degrees, degrees)) return true;
    refused_ = true;
    SetActiveControl(field);
    G.ErrorFlag = false;
    return false;
}

void TPagesDlg::MarkInputsChanged() {
    G.TestDimensionsOutdated = true;
    G.CheckOutdated = true;
}

void TPagesDlg::ComputePairDimensions() {
    if (!G.ObligatoryInputComplete) return;
    if (G.RackMate)
        ComputeRackPairDimensions();
    else
        ComputeGearPairDimensions();
}

// A computing input decides the working centre distance: tip diameters the user did not
// give follow from the roots again.
void TPagesDlg::ClearTipDiametersNotGiven() {
    if (!G.TipDiameter1Given) {
        G.da1 = 0;
        Edit18->SetText("");
    }
    if (!G.TipDiameter2Given) {
        G.da2 = 0;
        Edit19->SetText("");
    }
}

// The test of a sum of AMC against its critical value; the message names it.
bool TPagesDlg::AmcSumBeyondCritical(double sum, const char* message, ui::Edit* field) {
    G.xsum0 = CriticalAmcSum(G.z1 + G.z2);
    const bool beyond = G.GearingType == kInternalGearing ? sum >= G.xsum0 + 0.00001 : G.xsum0 - 0.00001 >= sum;
    if (beyond) Refuse(message + rt::Str(G.xsum0, 8, 5) + ")", field);
    return beyond;
}

void TPagesDlg::ShowAmcFields() {
    Edit6->SetText(rt::Str(G.xsum, 8, 6));
    Edit9->SetText(rt::Str(G.aw, 8, 6));
    Edit10->SetText(rt::Str(G.alfawtDeg, 8, 6));
    ShowMainAnglesIfDms();
}

void TPagesDlg::ShowMainAnglesIfDms() {
    if (G.AngleFormatDMS) ShowMainAnglesDms();
}

// Leaving a field (or Enter in it).  A text the program wrote there (OldText) changes
// nothing, also a field left empty as it was entered (a tip diameter while only the sum
// of AMC is known).  An edited text is validated as one step: accepted, it is the text the
// value came from; refused, the case, the other fields and the captions are as they were.
void TPagesDlg::ValidateField(int code) {
    refused_ = refusedElsewhere_ = false;
    ui::Edit* field = InputField(code);
    if (!field) return;
    UncheckedText& unchecked = unchecked_[code];
    const bool unchanged = TextUnchanged(field);
    if (FieldChecksBypassed(code)) {
        if (!unchanged) unchecked = {G.OldText, field->Text(), true};
        return;
    }
    if (unchanged && recheckField_ != code) return;
    unchecked.held = false;
    const GlobalData kept = G;
    const ShownTexts shown;
    // The backlash validator shows its dialog, which shows its own boxes while it is open
    // and is not shown again for a refusal after it.
    const bool backlash = code == 21;
    rt::HeldNotices held(!backlash);
    holdRefusal_ = true;
    heldField_ = nullptr;
    validating_ = field;
    validatingUnchanged_ = unchanged;
    {
        ComputationScope computation;
        RunValidator(code);
    }
    validating_ = nullptr;
    const bool accepted = !refused_;
    if (accepted && !GeometryComputable(!backlash)) Refuse(kImpossibleGeometry, field);
    holdRefusal_ = false;
    if (refusedElsewhere_) {
        field->MarkUnedited();  // the value stays
        held.Show();
        recheckField_ = 4;
        return;
    }
    if (refused_) {
        G = kept;
        shown.RestoreAllBut(field);
        if (accepted) SelectLastComputingInput();  // what the accepted value's reset chose
        if (field->Unedited()) staleField_ = field;
        // the refusal's own message, else what the calculation said
        if (heldField_ && !heldMessage_.empty())
            held.Take();
        else
            held.Show();
        if (heldField_) Refuse(heldMessage_, heldField_);
        return;
    }
    held.Show();
    if (recheckField_ == code) recheckField_ = 0;
    if (staleField_ == field) staleField_ = nullptr;
    G.OldText = field->Text();
    field->MarkUnedited();
}

// The check runs on a copy of the case, its boxes unseen; it is tried once the pair is
// complete and its coefficients divided.
bool TPagesDlg::GeometryComputable(bool tryTheCheck) const {
    if (!PairValuesFinite()) return false;
    const GlobalData& g = G;
    if (!tryTheCheck || !g.ObligatoryInputComplete || (g.AmcUndivided && !g.CentreDistanceGiven)) return true;
    const GlobalData entered = G;
    rt::HeldNotices quiet(true);
    CheckThePair();
    const std::vector<rt::Notice> said = quiet.Take();
    G = entered;
    return std::none_of(said.begin(), said.end(), GeometryRefused);
}

void TPagesDlg::RunValidator(int code) {
    switch (code) {
        case 1: ValidateModule(); break;
        case 2: ValidateTeethNumber1(); break;
        case 3: ValidateTeethNumber2(); break;
        case 4: ValidateHelixAngle(); break;
        case 5: ValidateFacewidth(); break;
        case 6: ValidateAmcSum(); break;
        case 7: ValidateAmc1(); break;
        case 8: ValidateAmc2(); break;
        case 9: ValidateWorkingCentreDistance(); break;
        case 10: ValidateWorkingPressureAngle(); break;
        case 11: ValidateAddendumFactor1(); break;
        case 12: ValidateAddendumFactor2(); break;
        case 13: ValidateTipClearanceFactor1(); break;
        case 14: ValidateTipClearanceFactor2(); break;
        case 15: ValidateRootRadiusFactor1(); break;
        case 16: ValidateRootRadiusFactor2(); break;
        case 17: ValidateRackFlankAngle(); break;
        case 18: ValidateTipDiameter1(); break;
        case 19: ValidateTipDiameter2(); break;
        case 20: ValidateShaftAngle(); break;
        case 21: ValidateBacklash(); break;
    }
}

// ---------------------------------------------------------------- obligatory input

void TPagesDlg::ValidateModule() {
    if (InputChecksBypassed()) return;
    const std::string text = Edit1->Text();
    int code = 0;
    rt::Val(text, G.mn, code);
    G.ValCode = code;
    if (text == "wvw") {
        ui::MessageBox(G.EditionCaption, kInfoCaption, ui::MB_OK);
        Edit1->SetText("1");
        SetActiveControl(Edit1);
        G.ValCode = 0;
        refused_ = true;
        return;
    }
    if (G.ValCode != 0) return Refuse(kInvalidNumber, Edit1);
    if (!(G.mn > 0)) return Refuse("Normal module must be greater than 0.", Edit1);
    UpdateObligatoryInputFlag();
    if (!TextUnchanged(Edit1)) {
        G.OldText = Edit1->Text();
        ResetWindowCaptions();
        ResetComputingInputs();
        if (G.ObligatoryInputComplete) {
            ShowTipDiameters();
            ShowCentreDistanceAndAngle();
        }
        MarkInputsChanged();
        G.Protuberance1 = G.Protuberance2 = false;
    }
    G.FocusField = 1;
}

void TPagesDlg::ValidateTeethNumber1() {
    if (InputChecksBypassed()) return;
    const bool bevel = G.GearingType == kBevelGearing;
    double& z = bevel ? G.z1Bevel : G.z1;
    if (!ParseInto(Edit2, z)) return;
    if (!WholeNumberOfTeeth(z)) return Refuse(kPinionTeethRule, Edit2);
    if (!(z >= 4)) return Refuse("Pinion teeth number must be greater than 3.", Edit2);
    if (z > kMostTeeth) return Refuse(kPinionTeethRule, Edit2);
    if (bevel && G.z1 == 0) G.z1 = G.z1Bevel;  // the virtual number follows from the cones later
    UpdateObligatoryInputFlag();
    if (!TextUnchanged(Edit2)) {
        G.OldText = Edit2->Text();
        ResetWindowCaptions();
        ResetComputingInputs();
        if (G.ObligatoryInputComplete) ShowTipDiameters();
        MarkInputsChanged();
    }
    G.FocusField = 2;
}

void TPagesDlg::ValidateTeethNumber2() {
    if (InputChecksBypassed()) return;
    const bool wasRack = G.RackMate;
    if (Edit3->Text() == "Rack") {
        if (!G.RackMate) Refuse(kInvalidNumber, Edit3);  // a rack is a wheel of more than 5000 teeth
        return;
    }
    if (!G.RackMate) Edit10->SetEnabled(true);
    const bool internal = G.GearingType == kInternalGearing;
    const bool bevel = G.GearingType == kBevelGearing;
    double& z = bevel ? G.z2Bevel : G.z2;
    if (!ParseInto(Edit3, z)) return;
    const char* rule = internal ? kAnnularTeethRule : bevel ? kBevelWheelTeethRule : kWheelTeethRule;
    if (!WholeNumberOfTeeth(z)) return Refuse(rule, Edit3);
    // The sign follows the gearing: an internal wheel's number of teeth is negative.
    if (!internal && z < 0) {
        z = -z;
        Edit3->SetText(rt::Str(z, 4, 3));
    } else if (internal && z > 0) {
        z = -z;
        Edit3->SetText(rt::Str(z, 4, 2));
    }
    if (!internal && !(z >= 4)) return Refuse("Wheel teeth number must be greater than 3.", Edit3);
    if (internal && !(z <= -4)) return Refuse("Teeth number for the annular gear must be less than -3.", Edit3);
    if (std::fabs(z) > kMostTeeth && (internal || bevel)) return Refuse(rule, Edit3);
    if (bevel && G.z2 == 0) G.z2 = G.z2Bevel;
    if (internal && G.z0 >= std::fabs(G.z2)) {
        G.z0 = static_cast<std::int32_t>(std::fabs(G.z2)) - 1;
        ClearFellowChoicesAndRoundedRoot();
    }
    UpdateObligatoryInputFlag();
    G.RackMate = G.GearingType == kExternalGearing && G.z2 > 5000;
    if (G.RackMate) Edit3->SetText("Rack");
    if (G.RackMate != wasRack) {
        UpdateWheelOrRackControls();
        RadioButton1->SetChecked(true);
    }
    if (!TextUnchanged(Edit3)) {
        G.OldText = Edit3->Text();
        ResetWindowCaptions();
        ResetComputingInputs();
        if (G.ObligatoryInputComplete) ShowTipDiameters();
        MarkInputsChanged();
    }
    G.FocusField = 3;
    if (-G.z2 == G.z1) Edit10->SetEnabled(false);
    for (ui::Label* l : {Label177, Label178, Label179}) l->SetCaption(Edit3->Text());
    const bool centreDistanceChoice = !G.RackMate && !bevel;
    CheckBox2->SetVisible(centreDistanceChoice);
    Label189->SetVisible(centreDistanceChoice);
}

void TPagesDlg::ValidateHelixAngle() {
    if (InputChecksBypassed()) return;
    if (G.GearingType == kBevelGearing) ComputeBevelConeAngles();
    if (TextUnchanged(Edit4)) {
        // the angle as it stands, against the limit a new facewidth set
        const double limit = HelixAngleLimit(G.betaDeg);
        if (!(G.betaDeg >= 0 && G.betaDeg <= limit)) return Refuse(HelixAngleMessage(rt::Str(limit, 6, 4)), Edit4);
        G.FocusField = 4;
        return;
    }
    if (!ParseAngle(
            Edit4, G.betaDeg,
            "Invalid input for the helix angle beta at reference cylinder. \rIt must be given in decimal form."))
        return;
    const double limit = HelixAngleLimit(G.betaDeg);
    G.betamMaxDeg = limit;
    // the limit typed as its message shows it is the limit
    if (G.betaDeg > limit && rt::Str(G.betaDeg, 6, 4) == rt::Str(limit, 6, 4)) G.betaDeg = limit;
    if (!(G.betaDeg >= 0 && G.betaDeg <= limit)) return Refuse(HelixAngleMessage(rt::Str(limit, 6, 4)), Edit4);
    if (G.AngleFormatDMS) Edit4->SetText(MainAngleDmsText(G.betaDeg));
    G.beta = DegToRad(G.betaDeg);
    UpdateObligatoryInputFlag();
    G.OldText = Edit4->Text();
    ResetWindowCaptions();
    ResetComputingInputs();
    if (G.CentreDistanceGiven) {
        ComputeWorkingCentreDistance();
        Edit9->SetText(rt::Str(G.aw, 8, 6));
    }
    ShowTipDiameters();
    G.alfat = std::atan(std::tan(G.alfan) / std::cos(G.beta));
    G.betab = static_cast<double>(ComputeCheckedArcSin(std::cos(G.alfan) * std::sin(G.beta)));
    MarkInputsChanged();
    if (G.GearingType == kInternalGearing) ClearFellowChoicesAndRoundedRoot();
    G.FocusField = 4;
}

void TPagesDlg::ValidateFacewidth() {
    if (InputChecksBypassed()) return;
    if (!ParseInto(Edit5, G.b)) return;
    const bool bevel = G.GearingType == kBevelGearing;
    if (bevel) ComputeBevelConeAngles();
    if (!(G.b > 0)) return Refuse("Facewidth must be greater than 0.", Edit5);
    if (bevel && G.b > G.Le)
        return Refuse("Facewidth b is greater than the cone distance Le=" + rt::Str(G.Le, 5, 3) + ".", Edit5);
    UpdateObligatoryInputFlag();
    // The facewidth may leave the entered helix angle beyond its limit.
    const double limit = HelixAngleLimit(G.betaDeg);
    G.betamMaxDeg = limit;
    if (!(G.betaDeg >= 0 && G.betaDeg <= limit)) {
        refused_ = refusedElsewhere_ = true;
        SetActiveControl(Edit4);
        ui::MessageBox(HelixAngleMessage(rt::Str(limit, 5, 3)), kErrorCaption, ui::MB_OK);
        return;
    }
    if (!TextUnchanged(Edit5)) {
        G.OldText = Edit5->Text();
        ResetWindowCaptions();
        if (G.ObligatoryInputComplete) ShowTipDiameters();
        MarkInputsChanged();
    }
    G.FocusField = 5;
}

// ---------------------------------------------------------------- computing input

void TPagesDlg::ValidateAmcSum() {
    if (ComputingInputChecksBypassed()) return;
    G.AmcUndivided = true;
    G.LastComputingInput = kXsumInput;
    if (!ParseInto(Edit6, G.xsum)) return;
    if (AmcSumBeyondCritical(G.xsum, "Impossible sum of Addendum Modification Coefficients x1+x2  (xlim = ", Edit6))
        return;
    if (G.xsum < -15 || G.xsum > 10)
        return Refuse("Sum of Addendum Modification Coefficients x1+x2 must be from -15 to 10", Edit6);
    UpdateObligatoryInputFlag();
    if (!TextUnchanged(Edit6)) {
        ApplyAmcSum();
        G.OldText = Edit6->Text();
        MarkInputsChanged();
    }
    ShowAmcFields();
}

void TPagesDlg::ApplyAmcSum() {
    if (G.GearingType == kBevelGearing) ComputeBevelGearDimensions();
    ComputeWorkingCentreDistance();
    ResetWindowCaptions();
    if (CoreRefusedTheSum()) return;
    ClearTipDiametersNotGiven();
    Edit9->SetText(rt::Str(G.aw, 8, 6));
    Edit10->SetText(rt::Str(G.alfawtDeg, 8, 6));
    ShowMainAnglesIfDms();
    G.FocusField = 6;
}

void TPagesDlg::ValidateAmc1() {
    if (ComputingInputChecksBypassed()) return;
    G.LastComputingInput = kX1Input;
    if (!ParseInto(Edit7, G.x1)) return;
    if (!G.AmcUndivided &&
        AmcSumBeyondCritical(G.x1 + G.x2,
                             "Impossible sum of Addendum Modification Coefficients x1+x2  (xlim = ", Edit7))
        return;
    G.AmcUndivided = false;
    if (G.x1 < -15 || G.x1 > 8)
        return Refuse("Pinion Addendum Modification Coefficient x1 must be from -15 to 8", Edit7);
    AcceptAmc(7);
}

void TPagesDlg::ValidateAmc2() {
    if (ComputingInputChecksBypassed()) return;
    G.LastComputingInput = kX2Input;
    if (!ParseInto(Edit8, G.x2)) return;
    const char* sumMessage = G.GearingType == kInternalGearing
                                 ? "Impossible sum of Addendum Modificatin Coefficients x1+x2  (xlim = "
                                 : "Impossible sum of Addendum Modification Coefficients x1+x2  (xlim = ";
    if (!G.AmcUndivided && AmcSumBeyondCritical(G.x1 + G.x2, sumMessage, Edit8)) return;
    G.AmcUndivided = false;
    if (G.x2 < -15 || G.x2 > 8)
        return Refuse("Wheel Addendum Modification Coefficient x2 must be from -15 to 8", Edit8);
    G.xsum0Cutter = CriticalAmcSum(G.z0 + G.z2);
    if (G.GearingType == kInternalGearing && G.x0 + G.x2 - 0.00001 > G.xsum0Cutter) {
        G.CutterAmcSumAboveCritical = true;
        return Refuse("Sum x0+x2 when manufacturing (Fellow) is greater than limiting (x0lim=" +
                          rt::Str(G.xsum0Cutter, 7, 4) + ") - negative manufacturing angle.",
                      Edit8);
    }
    AcceptAmc(8);
}

// x1 (code 7) or x2 (code 8) accepted: the other one follows from the kept sum once the
// coefficients are divided, then the working centre distance they give.
void TPagesDlg::AcceptAmc(int code) {
    const bool pinion = code == 7;
    ui::Edit* field = pinion ? Edit7 : Edit8;
    UpdateObligatoryInputFlag();
    if (!G.AmcDivided && G.BacklashByThinning) G.xsum = G.x1 + G.x2;
    if (G.AmcDivided) {
        const double sum = G.BacklashByExtraAmc ? G.xsumBacklash : G.xsum;
        double& follower = pinion ? G.x2 : G.x1;
        follower = sum - (pinion ? G.x1 : G.x2);
        (pinion ? Edit8 : Edit7)->SetText(rt::Str(follower, 8, 6));
    }
    KeepPinionAmcWithoutBacklash();
    if (!TextUnchanged(field)) {
        ResetWindowCaptions();
        G.OldText = field->Text();
        MarkInputsChanged();
    }
    if (G.GearingType == kBevelGearing) ComputeBevelGearDimensions();
    if (pinion && G.RackMate)
        ComputeRackPairDimensions();
    else
        ComputeWorkingCentreDistance();
    if (CoreRefusedTheSum()) return;
    ShowAmcResults();
    G.FocusField = static_cast<std::int16_t>(code);
}

// An extra AMC is taken by the wheel: a gear pair divided with it has the same pinion
// coefficient without backlash (as an opened file has it).
void TPagesDlg::KeepPinionAmcWithoutBacklash() {
    if (G.BacklashByExtraAmc && !G.RackMate) G.x1BeforeBacklash = G.x1;
}

// The core refused the sum with its own box: "Clear" is offered.
bool TPagesDlg::CoreRefusedTheSum() {
    if (G.NoCalcMessageShown) return false;
    SetActiveControl(Button5);
    G.NoCalcMessageShown = true;
    return true;
}

// The sum, centre distance and working angle that follow from divided coefficients, by
// the backlash method.
void TPagesDlg::ShowAmcResults() {
    Edit6->SetText(rt::Str(G.BacklashByExtraAmc ? G.xsumBacklash : G.xsum, 8, 6));
    Edit9->SetText(rt::Str(G.BacklashByShifting ? G.awBacklash : G.aw, 8, 6));
    if (G.BacklashByShifting) G.alfawtDeg = RadToDeg(G.alfawtBacklash);
    Edit10->SetText(rt::Str(G.alfawtDeg, 8, 6));
    ShowMainAnglesIfDms();
    ShowTipDiameters();
}

void TPagesDlg::ValidateWorkingCentreDistance() {
    if (ComputingInputChecksBypassed()) return;
    G.AmcUndivided = true;
    G.LastComputingInput = kAwInput;
    if (!ParseInto(Edit9, G.aw)) return;
    if (G.GearingType == kInternalGearing && !(G.aw < 0))
        return Refuse("Working centre distance a must be negative.", Edit9);
    if (G.GearingType != kInternalGearing && !(G.aw > 0))
        return Refuse("Working centre distance a must be greater than 0.", Edit9);
    UpdateObligatoryInputFlag();
    if (G.CentreDistanceGiven) {
        // the helix angle follows from the centre distance
        const std::string typed = Edit9->Text();
        G.OldText = typed;
        ResetWindowCaptions();
        G.AmcUndivided = false;
        ResetComputingInputs();
        const bool errorBefore = G.ErrorFlag;
        G.ErrorFlag = false;
        FindHelixAngleForCentreDistance(G.beta);
        const bool noHelixAngle = G.ErrorFlag;
        G.ErrorFlag = errorBefore;
        const double limit = HelixAngleLimit(RadToDeg(G.beta));
        if (noHelixAngle || RadToDeg(G.beta) > limit) {
            Edit9->SetText(typed);  // as typed, not as the reset wrote it
            // no helix angle: its message says so; one the helix field would refuse: that field's rule
            return Refuse(noHelixAngle ? "" : HelixAngleMessage(rt::Str(limit, 6, 4)), Edit9);
        }
        G.alfat = std::atan(std::tan(G.alfan) / std::cos(G.beta));
        G.betab = static_cast<double>(ComputeCheckedArcSin(std::cos(G.alfan) * std::sin(G.beta)));
        const double c = (G.z1 + G.z2) * G.mn * std::cos(G.alfat) / (2 * std::cos(G.beta) * G.aw);
        if (std::fabs(c) < 1) G.alfawt = std::acos(c);
        G.alfawtDeg = RadToDeg(G.alfawt);
        G.betaDeg = RadToDeg(G.beta);
        Edit10->SetText(rt::Str(G.alfawtDeg, 8, 6));
        Edit4->SetText(rt::Str(G.betaDeg, 6, 4));
        ShowMainAnglesIfDms();
        ComputePairDimensions();  // the tips of the new helix angle
        ShowTipDiameters();
        MarkInputsChanged();
        G.FocusField = 9;
        return;
    }
    if (TextUnchanged(Edit9)) return;
    ApplyWorkingCentreDistance();
    if (refused_) return;
    G.OldText = Edit9->Text();
    MarkInputsChanged();
}

void TPagesDlg::ApplyWorkingCentreDistance() {
    G.ErrorFlag = false;
    ComputeAmcSumFromCentreDistance();
    if (G.ErrorFlag) {
        // a centre distance that no working pressure angle gives
        G.ErrorFlag = false;
        return Refuse("Working centre distance a is impossible for these gears - there is no working pressure angle.",
                      Edit9);
    }
    TakeSumOfDividedAmc();
    ResetWindowCaptions();
    ClearTipDiametersNotGiven();
    Edit6->SetText(rt::Str(G.xsum, 8, 6));
    Edit10->SetText(rt::Str(G.alfawtDeg, 8, 6));
    ShowMainAnglesIfDms();
    G.FocusField = 9;
}

void TPagesDlg::ValidateWorkingPressureAngle() {
    if (ComputingInputChecksBypassed() || TextUnchanged(Edit10)) return;
    G.AmcUndivided = true;
    G.LastComputingInput = kAlfawtInput;
    if (!ParseAngle(Edit10, G.alfawtDeg,
                    "Invalid input for the working transverse pressure angle. \rIt must be given in decimal form."))
        return;
    if (!(G.alfawtDeg > 0)) return Refuse("Working transverse pressure angle must be greater than 0.", Edit10);
    // 90 degrees and more give no centre distance
    if (!(G.alfawtDeg < 90)) return Refuse("Working transverse pressure angle must be less than 90\xC2\xB0.", Edit10);
    if (G.AngleFormatDMS) Edit10->SetText(MainAngleDmsText(G.alfawtDeg));
    G.alfawt = DegToRad(G.alfawtDeg);
    UpdateObligatoryInputFlag();
    ApplyWorkingPressureAngle();
    G.OldText = Edit10->Text();
    MarkInputsChanged();
}

void TPagesDlg::ApplyWorkingPressureAngle() {
    if (G.GearingType == kBevelGearing) ComputeBevelGearDimensions();
    ComputeAmcSumFromPressureAngle();
    TakeSumOfDividedAmc();
    ResetWindowCaptions();
    ClearTipDiametersNotGiven();
    Edit6->SetText(rt::Str(G.xsum, 8, 6));
    Edit9->SetText(rt::Str(G.aw, 8, 6));
    G.FocusField = 10;
}

// ---------------------------------------------------------------- basic rack tooth profile

// Addendum and tip clearance factors: value in 0 .. pi/4 / tan(alfan) - the other factor
// of the same gear.  An accepted change limits the root radius of the gear cut by the
// changed tool (pinion: addendum and clearance of the wheel).
void TPagesDlg::ValidateProfileFactor(int code, double& value, double other, const std::string& message,
                                      bool wheelRootFollows) {
    ui::Edit* field = InputField(code);
    if (InputChecksBypassed()) return;
    if (!ParseInto(field, value)) return;
    const double limit = kPi / 4 / std::tan(G.alfan) - other;
    if (!(value >= 0 && value <= limit)) return Refuse(message + rt::Str(limit, 6, 4), field);
    UpdateObligatoryInputFlag();
    if (!TextUnchanged(field)) {
        if (wheelRootFollows) {
            if (G.GearingType == kInternalGearing)
                LimitRootRadiusFellow2();
            else
                LimitRootRadius2();
            if (G.rofP2 < 0) return Refuse(kImpossibleProfile, field);
        } else {
            LimitRootRadius1();
            if (G.rofP1 < 0) return Refuse(kImpossibleProfile, field);
        }
        G.OldText = field->Text();
        ResetWindowCaptions();
        ComputePairDimensions();
        ShowTipDiameters();
        MarkInputsChanged();
        DetectStandardRackProfile();
    }
    G.FocusField = static_cast<std::int16_t>(code);
}

void TPagesDlg::ValidateAddendumFactor1() {
    ValidateProfileFactor(11, G.haP1, G.cP1, "Pinion addendum (proportion height) ha1* must be from 0 to ", true);
}

void TPagesDlg::ValidateAddendumFactor2() {
    ValidateProfileFactor(12, G.haP2, G.cP2, "Wheel addendum (proportion height) ha2* must be from 0 to ", false);
}

void TPagesDlg::ValidateTipClearanceFactor1() {
    ValidateProfileFactor(13, G.cP1, G.haP1, "Pinion tip clearance (proportion height) c1* must be from 0 to ", true);
}

void TPagesDlg::ValidateTipClearanceFactor2() {
    ValidateProfileFactor(14, G.cP2, G.haP2, "Wheel tip clearance (proportion height) c2* must be from 0 to ", false);
}

// A root radius factor beyond 0 .. limit (+0.0001) is replaced, with a warning, by the
// nearer end of the range.
bool TPagesDlg::LimitTypedRootRadius(ui::Edit* field, double& rof, double limit, const std::string& message) {
    if (rof >= 0 && rof <= limit + 0.0001) return false;
    rof = rof < 0 ? 0.0 : limit;
    field->SetText(rt::Str(rof, 6, 4));
    Warn(message, field);
    return true;
}

void TPagesDlg::ValidateRootRadiusFactor1() {
    if (InputChecksBypassed()) return;
    if (!ParseInto(Edit15, G.rofP1)) return;
    G.rofP1max = RootRadiusLimit(G.haP2 + G.cP2);
    if (!G.Protuberance1)
        LimitTypedRootRadius(
            Edit15, G.rofP1, G.rofP1max,
            "Pinion root rounding radius (proportion size) must be from 0 to " + rt::Str(G.rofP1max, 6, 4) + "\r");
    G.ToolCrestRadiusFactor1 = G.rofP1;
    SetTextIn(NastrojDlg, &TNastrojDlg::Edit2, rt::Str(G.rofP1, 6, 4));
    RootRadiusChanged(Edit15);
    G.FocusField = 15;
}

void TPagesDlg::ValidateRootRadiusFactor2() {
    if (InputChecksBypassed()) return;
    if (!ParseInto(Edit16, G.rofP2)) return;
    const std::string message = "Wheel root rounding radius (proportion size) must be from 0 to ";
    if (G.GearingType == kInternalGearing) {
        // The internal wheel's root is rounded by the tip of the shaper cutter.
        const double limit = FellowRootRadiusLimit();
        const std::string text = message + rt::Str(limit, 6, 4) + " (full rounded root)";
        if (!G.Protuberance2) {
            if (G.rofP2 > limit + 0.0001) {
                refused_ = true;
                return Warn(text, Edit16);
            }
            LimitTypedRootRadius(Edit16, G.rofP2, limit, text);
        }
        G.roa0 = G.rofP2;
        ComputeCutterTipRoundingDiameters();
        SetTextIn(FellowDlg, &TFellowDlg::Edit4, rt::Str(G.roa0, 6, 4));
    } else {
        G.rofP2max = RootRadiusLimit(G.haP1 + G.cP1);
        if (!G.Protuberance2)
            LimitTypedRootRadius(Edit16, G.rofP2, G.rofP2max, message + rt::Str(G.rofP2max, 6, 4) + "\r");
        G.ToolCrestRadiusFactor2 = G.rofP2;
        SetTextIn(NastrojDlg, &TNastrojDlg::Edit9, rt::Str(G.rofP2, 6, 4));
    }
    RootRadiusChanged(Edit16);
    G.FocusField = 16;
}

void TPagesDlg::RootRadiusChanged(ui::Edit* field) {
    UpdateObligatoryInputFlag();
    if (!TextUnchanged(field)) {
        G.OldText = field->Text();
        ResetWindowCaptions();
        ComputePairDimensions();
        MarkInputsChanged();
        G.Protuberance1 = G.Protuberance2 = false;
    }
    DetectStandardRackProfile();
}

void TPagesDlg::LimitRootRadius1() {
    G.rofP1max = RootRadiusLimit(G.haP2 + G.cP2);
    if (G.rofP1 > G.rofP1max || G.RoundedRoot || G.rofP1 < 0) G.rofP1 = G.rofP1max;
    Edit15->SetText(rt::Str(G.rofP1, 6, 4));
    G.ToolCrestRadiusFactor1 = G.rofP1;
    SetTextIn(NastrojDlg, &TNastrojDlg::Edit2, rt::Str(G.rofP1, 6, 4));
    LimitFellowRootRounding();
}

void TPagesDlg::LimitRootRadius2() {
    G.rofP2max = RootRadiusLimit(G.haP1 + G.cP1);
    if (G.rofP2 > G.rofP2max || G.RoundedRoot || G.rofP2 < 0) G.rofP2 = G.rofP2max;
    Edit16->SetText(rt::Str(G.rofP2, 6, 4));
    G.ToolCrestRadiusFactor2 = G.rofP2;
    SetTextIn(NastrojDlg, &TNastrojDlg::Edit9, rt::Str(G.rofP2, 6, 4));
}

void TPagesDlg::LimitRootRadiusFellow2() {
    const double limit = FellowRootRadiusLimit();
    if (G.rofP2 > limit || G.FellowFullyRoundedTip) G.rofP2 = limit;
    if (G.rofP2 < 0) G.rofP2 = 0;
    Edit16->SetText(rt::Str(G.rofP2, 6, 4));
    G.roa0 = G.rofP2;  // the cutter's tip rounds the wheel's root
    SetTextIn(FellowDlg, &TFellowDlg::Edit4, rt::Str(G.roa0, 6, 4));
    LimitFellowRootRounding();
}

void TPagesDlg::ValidateRackFlankAngle() {
    if (InputChecksBypassed() || TextUnchanged(Edit17)) return;
    const char* message = "Normal rack flank angle must be from 0 to 50\xC2\xB0.\rIt must be given in decimal form.";
    if (!ParseAngle(Edit17, G.alfaP, message)) return;
    if (!(G.alfaP > 0 && G.alfaP <= 50)) return Refuse(message, Edit17);
    if (G.AngleFormatDMS) Edit17->SetText(MainAngleDmsText(G.alfaP));
    G.alfan = DegToRad(G.alfaP);
    UpdateObligatoryInputFlag();
    G.Chamfer1 = G.Chamfer2 = G.Protuberance1 = G.Protuberance2 = false;
    // the addenda that the new flank angle leaves room for, then the root radii
    const double room = kPi / 4 / std::tan(G.alfan);
    G.haP1 = std::min(G.haP1, room - G.cP1);
    G.haP2 = std::min(G.haP2, room - G.cP2);
    LimitRootRadius1();
    if (G.GearingType == kInternalGearing)
        LimitRootRadiusFellow2();
    else
        LimitRootRadius2();
    if (G.rofP1 < 0 || G.rofP2 < 0) return Refuse(kImpossibleProfile, Edit17);
    G.OldText = Edit17->Text();
    ResetWindowCaptions();
    ResetComputingInputs();
    ShowTipDiameters();
    MarkInputsChanged();
    Edit11->SetText(rt::Str(G.haP1, 6, 4));
    Edit12->SetText(rt::Str(G.haP2, 6, 4));
    DetectStandardRackProfile();
    G.FocusField = 17;
}

// ---------------------------------------------------------------- optional input

void TPagesDlg::ValidateTipDiameter1() {
    if (InputChecksBypassed() || SkipTipDiameterChecks) return;
    if (!ParseInto(Edit18, G.da1)) return;
    if (!(G.da1 > 0)) return Refuse("Pinion tip diameter must be greater than 0.", Edit18);
    UpdateObligatoryInputFlag();
    if (!TextUnchanged(Edit18)) {
        G.OldText = Edit18->Text();
        G.TipDiameter1Given = true;
        ResetWindowCaptions();
        MarkInputsChanged();
    }
    G.FocusField = 18;
}

void TPagesDlg::ValidateTipDiameter2() {
    if (InputChecksBypassed() || SkipTipDiameterChecks) return;
    if (!ParseInto(Edit19, G.RackMate ? G.ha2 : G.da2)) return;
    if (G.RackMate) {
        const double limit = G.mn * (kPi / 4) / std::tan(G.alfan);
        if (!(G.ha2 >= 0 && G.ha2 <= limit))
            return Refuse("Rack addendum must be from 0 to " + rt::Str(limit, 6, 4) + " mm", Edit19);
    } else if (G.GearingType == kInternalGearing) {
        if (!(G.da2 < 0)) return Refuse("Wheel tip diameter must be negative.", Edit19);
    } else if (!(G.da2 > 0)) {
        return Refuse("Wheel tip diameter must be greater than 0.", Edit19);
    }
    UpdateObligatoryInputFlag();
    if (!TextUnchanged(Edit19)) {
        G.OldText = Edit19->Text();
        G.TipDiameter2Given = true;
        ResetWindowCaptions();
        MarkInputsChanged();
        if (G.RackMate) G.Chamfer2 = false;
    }
    G.FocusField = 19;
}

void TPagesDlg::ValidateShaftAngle() {
    if (InputChecksBypassed() || TextUnchanged(Edit20)) return;
    if (!ParseAngle(Edit20, G.SigmaDeg, "Invalid format of the number.\rIt must be given in decimal form.")) return;
    if (!(G.SigmaDeg > 0 && G.SigmaDeg < 180))
        return Refuse("Gearing shafts angle must be greater than 0 and less than 180\xC2\xB0.", Edit20);
    if (G.AngleFormatDMS) Edit20->SetText(MainAngleDmsText(G.SigmaDeg));
    G.Sigma = DegToRad(G.SigmaDeg);
    UpdateObligatoryInputFlag();
    G.OldText = Edit20->Text();
    ResetWindowCaptions();
    ResetComputingInputs();
    MarkInputsChanged();
    G.FocusField = 20;
}

// ---------------------------------------------------------------- backlash

void TPagesDlg::ValidateBacklash() {
    if (InputChecksBypassed()) return;
    if (!ParseInto(Edit21, G.jn)) return;
    if (G.jn < 0) return Refuse("Backlash must be positive.", Edit21);
    if (G.jn > G.mn) return Refuse("Backlash must be smaller than normal module.", Edit21);
    UpdateObligatoryInputFlag();
    if (!TextUnchanged(Edit21)) {
        G.OldText = Edit21->Text();
        ResetWindowCaptions();
        MarkInputsChanged();
        if (G.jn < 1e-7) Button5Click();
    }
    G.FocusField = 21;
    HideResultsWindow();
    if (G.jn > 1e-7) {
        if (G.BacklashMethodPending) {  // the base without backlash
            G.awNoBacklash = G.aw;
            G.xsumNoBacklash = G.xsum;
            G.x1BeforeBacklash = G.x1;
        }
        G.BacklashMethodPending = false;
        if (VuleF) VuleF->ShowModal();
        Show();
        if (G.BacklashByExtraAmc) {
            SelectAmcSumAsInput();
            SetActiveControl(G.RackMate ? static_cast<ui::Control*>(Edit7) : Button2);
        } else if (G.BacklashByShifting) {
            SelectAmcSplitAsInput();
            SetActiveControl(Edit7);
        }
    }
    ComputeToothThicknesses();
}

}  // namespace ostrimo
