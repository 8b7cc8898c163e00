#include "ostrimo/forms/VuleF.h"

#include <cmath>

#include "ostrimo/calc/CheckNumerics.h"
#include "ostrimo/calc/Geometricke_vypocty.h"
#include "ostrimo/calc/Global.h"
#include "ostrimo/calc/Vypocty.h"
#include "ostrimo/forms/Celni.h"
#include "ostrimo/forms/Ostrimo.h"
#include "ostrimo/forms/ToolPictures.h"
#include "runtime/NumText.h"

namespace ostrimo {

TVuleF* VuleF = nullptr;

namespace {

using checks::kPi;
constexpr const char* kImpossibleSum = "Impossible sum of Addendum Modification Coefficients x1+x2  (xlim = ";

double Inv(double a) { return std::tan(a) - a; }
double TransverseAngle() { return std::atan(std::tan(G.alfan) / std::cos(G.beta)); }
double ReferenceCentreDistance() { return (G.z1 + G.z2) * G.mn / (2 * std::cos(G.beta)); }
// An internal pair of equal numbers of teeth: the centre distance does not follow from
// the involutes, the working pressure angle is a right angle.
bool OppositeTeeth() { return G.z1 + G.z2 == 0; }

// The working pressure angle for the involute value target.  The pair's own
// critical-sum tests do not apply: the sum in question is not x1 + x2.
bool InverseInvolute(double& alpha, double target) {
    const bool skip = G.SkipCriticalSumCheck;
    G.SkipCriticalSumCheck = true;
    G.alfat = TransverseAngle();
    const bool solved = InvertInvoluteChecked(alpha, target);
    G.SkipCriticalSumCheck = skip;
    return solved;
}

// The involute of the working pressure angle for the AMC sum.
double WorkingInvolute(double sum) { return Inv(TransverseAngle()) + 2 * sum * std::tan(G.alfan) / (G.z1 + G.z2); }

std::string Amc(double v) { return rt::Str(v, 8, 6); }
std::string Backlash(double v) { return rt::Str(v, 4, 3); }

// The extra-AMC sum that makes the backlash jn at the centre distance aw.
double SumWithBacklash() {
    if (OppositeTeeth()) return (G.aw - G.jn / 2) / G.mn / std::sin(TransverseAngle());
    return G.xsum - G.jn / (2 * G.mn * std::sin(G.alfan));
}

// A radio set by the stored method runs its handler once: checking it runs it, an
// already checked one runs it directly.
void CheckAndRun(TVuleF& dialog, ui::RadioButton* radio, void (TVuleF::*handler)()) {
    if (radio->Checked())
        (dialog.*handler)();
    else
        radio->SetChecked(true);
}

}  // namespace

TVuleF::TVuleF() : Form("VuleF") {
    BorderStyle = ui::BorderStyle::Dialog;
    BorderIcons = 0;
    Position = ui::Position::BesideOwner;
    SetClientSize(470, 392);
    SetCaption("Methods of backlash creating");
    KeyPreview = true;
    RadioButton1 = new ui::RadioButton(this, "RadioButton1", {12, 10, 260, 17}, "Direct input of backlash");
    RadioButton2 = new ui::RadioButton(this, "RadioButton2", {12, 32, 260, 17}, "Backlash by extra AMC   (a  const.)");
    RadioButton3 =
        new ui::RadioButton(this, "RadioButton3", {12, 54, 270, 17}, "Backlash by wheels shifting   (x   konst.)");
    RadioButton1->SetChecked(true);

    Label3 = new ui::Label(this, "Label3", {300, 14, 0, 0}, "a");
    Label5 = new ui::Label(this, "Label5", {307, 19, 0, 0}, "w");
    Label5->SetFontPixels(9);
    Edit1 = new ui::Edit(this, "Edit1", {340, 10, 80, 21});
    Label12 = new ui::Label(this, "Label12", {426, 14, 0, 0}, "[mm]");
    Label1 = new ui::Label(this, "Label1", {300, 40, 0, 0}, "x");
    Label2 = new ui::Label(this, "Label2", {307, 45, 0, 0}, "S");
    Label2->SetFontName("Symbol");
    Label2->SetFontPixels(9);
    Edit2 = new ui::Edit(this, "Edit2", {340, 36, 80, 21});
    Label9 = new ui::Label(this, "Label9", {300, 66, 0, 0}, "j");
    Label10 = new ui::Label(this, "Label10", {305, 71, 0, 0}, "n");
    Label10->SetFontPixels(9);
    Edit3 = new ui::Edit(this, "Edit3", {340, 62, 80, 21});
    Label11 = new ui::Label(this, "Label11", {426, 66, 0, 0}, "[mm]");
    Label4 = new ui::Label(this, "Label4", {200, 94, 0, 0}, "a   without backlash =");
    Label7 = new ui::Label(this, "Label7", {207, 99, 0, 0}, "w");
    Label7->SetFontPixels(9);
    Label6 = new ui::Label(this, "Label6", {344, 94, 0, 0}, "");
    Label8 = new ui::Label(this, "Label8", {426, 94, 0, 0}, "[mm]");

    GroupBox1 = new ui::GroupBox(this, "GroupBox1", {12, 118, 446, 88}, "Direct input");
    RadioButton4 = new ui::RadioButton(GroupBox1, "RadioButton4", {10, 18, 220, 17}, "To weaken both wheels same");
    RadioButton5 = new ui::RadioButton(GroupBox1, "RadioButton5", {10, 40, 220, 17}, "To weaken only pinion");
    RadioButton6 = new ui::RadioButton(GroupBox1, "RadioButton6", {10, 62, 220, 17}, "To weaken only wheel");
    RadioButton4->SetChecked(true);
    GroupBox2 = new ui::GroupBox(this, "GroupBox2", {12, 212, 446, 138}, "Technology");
    RadioButton7 = new ui::RadioButton(GroupBox2, "RadioButton7", {10, 18, 420, 17},
                                       "To widen a cutter (including a chamfer and a protuberance)");
    RadioButton8 =
        new ui::RadioButton(GroupBox2, "RadioButton8", {10, 38, 420, 17}, "To weaken by regrinding of an involute");
    Image1 = new ui::Image(GroupBox2, "Image1", {10, 60, 200, 70});
    Image1->SetPicture(ThinningPicture(false, 200, 70));
    Image2 = new ui::Image(GroupBox2, "Image2", {10, 60, 200, 70});
    Image2->SetPicture(ThinningPicture(true, 200, 70));
    Image2->Hide();

    Button1 = new ui::Button(this, "Button1", {40, 358, 75, 25}, "Esc");
    Button2 = new ui::Button(this, "Button2", {198, 358, 75, 25}, "Help");
    Button3 = new ui::Button(this, "Button3", {356, 358, 75, 25}, "Ok");

    RadioButton1->OnClick = [this] { RadioButton1Click(); };
    RadioButton2->OnClick = [this] { RadioButton2Click(); };
    RadioButton3->OnClick = [this] { RadioButton3Click(); };
    RadioButton4->OnClick = [this] { RadioButton4Click(); };
    RadioButton5->OnClick = [this] { RadioButton5Click(); };
    RadioButton6->OnClick = [this] { RadioButton6Click(); };
    RadioButton7->OnClick = [this] { RadioButton7Click(); };
    RadioButton8->OnClick = [this] { RadioButton8Click(); };
    Edit1->OnExit = [this] { ValidateAsOneStep(&TVuleF::Edit1Exit); };
    Edit2->OnExit = [this] { ValidateAsOneStep(&TVuleF::Edit2Exit); };
    Edit3->OnExit = [this] { ValidateAsOneStep(&TVuleF::Edit3Exit); };
    for (ui::Edit* e : {Edit1, Edit2, Edit3}) e->OnKeyPress = [this, e](ui::KeyChar& key) { Edit1KeyPress(e, key); };
    Button1->OnClick = [this] { Button1Click(); };
    Button2->OnClick = [this] { Button2Click(); };
    Button3->OnClick = [this] { Button3Click(); };
    OnCreate = [this] { FormCreate(); };
    OnShow = [this] { FormShow(); };
    OnKeyUp = [this](ui::Word& key, ui::ShiftState) { FormKeyUp(key); };
}

// ---------------------------------------------------------------- helpers

bool TVuleF::Bypassed() const { return SkipBacklashChecks || SkipBacklashChecksCancel; }

void TVuleF::Refuse(const char* message, ui::Edit* field) {
    refused_ = true;
    ui::MessageBox(message, kErrorCaption, ui::MB_OK);
    SetActiveControl(field);
}

// The backlash's own range, for a jn typed or derived: false after the message.
bool TVuleF::RefuseBacklash(ui::Edit* field) {
    if (G.jn < 0) {
        Refuse("Backlash must be positive.", field);
        return true;
    }
    if (G.jn > G.mn) {
        Refuse("Backlash must be smaller than normal module.", field);
        return true;
    }
    return false;
}

void TVuleF::ApplyRightAngleRule() {
    if (OppositeTeeth()) G.alfawt = G.alfawtBacklash = kPi / 2;
}

// The main dialog's working pressure angle field and alfawtDeg.
void TVuleF::ShowWorkingAngle(double alfawt) {
    G.alfawtDeg = RadToDeg(alfawt);
    SetTextIn(PagesDlg, &TPagesDlg::Edit10, rt::Str(G.alfawtDeg, 8, 6));
    if (G.AngleFormatDMS && PagesDlg) PagesDlg->ShowMainAnglesDms();
}

// What each method shows: the thinning choices under direct input, the sum under extra
// AMC, the centre distance (a rack's shift) under wheel shifting.
void TVuleF::ShowMethodLayout() {
    const bool thinning = G.BacklashByThinning, extra = G.BacklashByExtraAmc, shifting = G.BacklashByShifting;
    const bool rack = G.RackMate;
    GroupBox1->SetVisible(thinning);
    GroupBox2->SetVisible(thinning);
    Edit1->SetEnabled(shifting);
    Edit2->SetEnabled(extra);
    for (ui::Control* c : std::initializer_list<ui::Control*>{Label3, Edit1, Label12}) c->SetVisible(!rack || shifting);
    Label5->SetVisible(!rack);
    for (ui::Label* l : {Label4, Label7, Label6, Label8}) l->SetVisible(!rack);
    Label3->SetCaption(rack ? (shifting ? "Shift" : "") : "a");
    Label2->SetCaption(rack ? "1" : "S");
    RadioButton2->SetCaption(rack ? "Backlash by extra AMC" : "Backlash by extra AMC   (a  const.)");
    Image1->SetVisible(!RadioButton8->Checked());
    Image2->SetVisible(RadioButton8->Checked());
}

// ---------------------------------------------------------------- backlash relations

void TVuleF::ComputeBacklashFromCentreDistance() {
    ComputationScope computation;
    GlobalData& g = G;
    if (g.RackMate) {
        g.alfawtBacklash = g.alfawt;
        g.jn = 2 * g.awBacklash * std::sin(g.alfan);
        return;
    }
    if (std::fabs(g.awBacklash) < 1e-11) g.awBacklash = g.aw;
    if (OppositeTeeth()) {
        g.jn = 2 * (g.awBacklash - g.aw);
        g.alfawtBacklash = kPi / 2;
        return;
    }
    g.alfat = TransverseAngle();
    g.alfawtBacklash = static_cast<double>(ComputeCheckedArcCos(std::cos(g.alfawt) * g.aw / g.awBacklash));
    if (g.ErrorFlag) return;
    const double teeth = g.z1 + g.z2;
    g.jn = teeth * std::cos(g.alfan) * g.mn *
           (Inv(g.alfawtBacklash) - 2 * g.xsum * std::tan(g.alfan) / teeth - Inv(g.alfat));
}

void TVuleF::ComputeCentreDistanceFromBacklash() {
    ComputationScope computation;
    GlobalData& g = G;
    if (g.RackMate) {
        g.alfawtBacklash = g.alfawt;
        g.awBacklash = (g.jn / 2) / std::sin(g.alfan);
        return;
    }
    if (OppositeTeeth()) {
        g.awBacklash = g.aw + g.jn / 2;
        g.alfawtBacklash = kPi / 2;
        return;
    }
    const double teeth = g.z1 + g.z2;
    if (!InverseInvolute(g.alfawtBacklash, WorkingInvolute(g.xsum) + g.jn / (g.mn * teeth * std::cos(g.alfan)))) return;
    g.awBacklash = ReferenceCentreDistance() * std::cos(g.alfat) / std::cos(g.alfawtBacklash);
}

void TVuleF::ComputeZeroBacklashCentreDistance(double sum) {
    if (G.RackMate) return;
    ComputationScope computation;
    if (OppositeTeeth()) {
        G.awZeroBacklash = sum * G.mn * std::sin(TransverseAngle());
        return;
    }
    double alpha = 0;
    if (!InverseInvolute(alpha, WorkingInvolute(sum))) return;
    G.awZeroBacklash = ReferenceCentreDistance() * std::cos(G.alfat) / std::cos(alpha);
}

void TVuleF::ResetBacklashToZero() {
    ComputationScope computation;
    GlobalData& g = G;
    g.ThinningAllowance1 = g.ThinningAllowance2 = 0;
    g.jn = 0;
    Edit3->SetText(Backlash(0));
    SetTextIn(PagesDlg, &TPagesDlg::Edit21, Backlash(0));
    g.xsumBacklash = 0;
    g.xsum = g.xsumNoBacklash;
    g.x1 = g.x1BeforeBacklash;
    g.x2 = g.xsumNoBacklash - g.x1BeforeBacklash;
    g.aw = g.awNoBacklash;
    if (g.RackMate) g.x2 = g.aw = 0;
    Edit2->SetText(Amc(g.xsum));
    if (PagesDlg) PagesDlg->ShowSumAndCoefficients();
    Edit1->SetText(Amc(g.aw));
    SetTextIn(PagesDlg, &TPagesDlg::Edit9, Amc(g.aw));
    g.awBacklash = g.awZeroBacklash = g.aw;
    ComputeZeroBacklashCentreDistance(g.xsum);
    Label6->SetCaption(Amc(g.awZeroBacklash));
    if (g.RackMate)
        g.alfawt = TransverseAngle();
    else if (OppositeTeeth())
        g.alfawt = kPi / 2;
    else
        InverseInvolute(g.alfawt, WorkingInvolute(g.xsum));
    ShowWorkingAngle(g.alfawt);
}

// ---------------------------------------------------------------- set-up

void TVuleF::FormCreate() {
    Edit1->SetEnabled(false);
    Edit2->SetEnabled(false);
    GroupBox2->Show();
    RadioButton7->SetChecked(true);
}

void TVuleF::FormShow() {
    (G.ThinByRegrinding ? RadioButton8 : RadioButton7)->SetChecked(true);
    Image1->SetVisible(!G.ThinByRegrinding);
    Image2->SetVisible(G.ThinByRegrinding);
    GlobalData& g = G;
    if (g.BacklashByExtraAmc) {
        CheckAndRun(*this, RadioButton2, &TVuleF::RadioButton2Click);
        ComputeWorkingCentreDistance();
        ComputeZeroBacklashCentreDistance(g.xsumBacklash);
        Edit2->SetText(Amc(g.xsumBacklash));
        SetTextIn(PagesDlg, &TPagesDlg::Edit6, Amc(g.xsumBacklash));
        Edit1->SetText(Amc(g.aw));
    } else if (g.BacklashByShifting) {
        // the backlash just typed decides the centre distance
        const double typed = g.jn;
        CheckAndRun(*this, RadioButton3, &TVuleF::RadioButton3Click);
        g.jn = typed;
        ComputeCentreDistanceFromBacklash();
        ComputeZeroBacklashCentreDistance(g.xsum);
        Edit2->SetText(Amc(g.xsum));
        SetTextIn(PagesDlg, &TPagesDlg::Edit6, Amc(g.xsum));
        Edit1->SetText(Amc(g.awBacklash));
        SetTextIn(PagesDlg, &TPagesDlg::Edit9, Amc(g.awBacklash));
    } else {
        CheckAndRun(*this, RadioButton1, &TVuleF::RadioButton1Click);
        ComputeZeroBacklashCentreDistance(g.xsum);
        Edit1->SetText(Amc(g.aw));
        Edit2->SetText(Amc(g.xsum));
    }
    Edit3->SetText(Backlash(g.jn));
    Label6->SetCaption(Amc(g.awZeroBacklash));
}

void TVuleF::ShowStoredMethod() {
    silent_ = true;
    (G.BacklashByShifting ? RadioButton3 : G.BacklashByExtraAmc ? RadioButton2 : RadioButton1)->SetChecked(true);
    (G.ThinPinionOnly ? RadioButton5 : G.ThinWheelOnly ? RadioButton6 : RadioButton4)->SetChecked(true);
    (G.ThinByRegrinding ? RadioButton8 : RadioButton7)->SetChecked(true);
    silent_ = false;
    ShowMethodLayout();
}

// ---------------------------------------------------------------- methods

void TVuleF::RadioButton1Click() {
    if (silent_) return;
    ComputationScope computation;
    if (G.BacklashByExtraAmc || G.BacklashByShifting) ResetBacklashToZero();
    G.BacklashByThinning = true;
    G.BacklashByExtraAmc = G.BacklashByShifting = false;
    ShowMethodLayout();
    ApplyRightAngleRule();
    ShowWorkingAngle(G.alfawt);
    if (G.RackMate) G.AmcDivided = false;
}

void TVuleF::RadioButton2Click() {
    if (silent_) return;
    ComputationScope computation;
    if (G.BacklashByThinning || G.BacklashByShifting) ResetBacklashToZero();
    G.BacklashByExtraAmc = true;
    G.BacklashByThinning = G.BacklashByShifting = false;
    ShowMethodLayout();
    G.xsumBacklash = SumWithBacklash();
    Edit2->SetText(Amc(G.xsumBacklash));
    SetTextIn(PagesDlg, &TPagesDlg::Edit6, Amc(G.xsumBacklash));
    SetTextIn(PagesDlg, &TPagesDlg::Edit9, Amc(G.aw));
    ComputeZeroBacklashCentreDistance(G.xsumBacklash);
    Label6->SetCaption(Amc(G.awZeroBacklash));
    ApplyRightAngleRule();
    ShowWorkingAngle(G.alfawt);
    G.AmcDivided = !G.RackMate;
}

void TVuleF::RadioButton3Click() {
    if (silent_) return;
    ComputationScope computation;
    if (G.BacklashByThinning || G.BacklashByExtraAmc) ResetBacklashToZero();
    G.BacklashByShifting = true;
    G.BacklashByThinning = G.BacklashByExtraAmc = false;
    ApplyRightAngleRule();
    ComputeBacklashFromCentreDistance();
    G.ErrorFlag = false;
    ShowMethodLayout();
    ComputeZeroBacklashCentreDistance(G.xsum);
    Label6->SetCaption(Amc(G.awZeroBacklash));
    ShowWorkingAngle(G.alfawtBacklash);
    G.AmcDivided = !G.RackMate;
    if (G.RackMate) G.awBacklash = 0;
    Edit1->SetText(Amc(G.awBacklash));
}

void TVuleF::RadioButton4Click() {
    if (silent_) return;
    G.ThinBothWheels = true;
    G.ThinPinionOnly = G.ThinWheelOnly = false;
}

void TVuleF::RadioButton5Click() {
    if (silent_) return;
    G.ThinPinionOnly = true;
    G.ThinBothWheels = G.ThinWheelOnly = false;
}

void TVuleF::RadioButton6Click() {
    if (silent_) return;
    G.ThinWheelOnly = true;
    G.ThinBothWheels = G.ThinPinionOnly = false;
}

void TVuleF::RadioButton7Click() {
    if (!RadioButton7->Checked()) return;
    if (!silent_) G.ThinByRegrinding = false;
    Image2->Hide();
    Image1->Show();
}

void TVuleF::RadioButton8Click() {
    if (!RadioButton8->Checked()) return;
    if (!silent_) G.ThinByRegrinding = true;
    Image1->Hide();
    Image2->Show();
}

// ---------------------------------------------------------------- fields
//
// A field that still shows the stored value (as rounded for the display) is left
// alone: reading the rounded text back would shift the values derived from it.  A
// refused value is not kept: the case is as it was before the field was left.

void TVuleF::ValidateAsOneStep(void (TVuleF::*validator)()) {
    const GlobalData kept = G;
    refused_ = false;
    (this->*validator)();
    if (refused_) G = kept;
}

// Wheel shifting: the centre distance with backlash (a rack's shift) gives jn.  A distance
// that gives no backlash within 0..mn is refused and nothing changes.
void TVuleF::Edit1Exit() {
    if (Bypassed() || !G.BacklashByShifting || Edit1->Text() == Amc(G.awBacklash)) return;
    ComputationScope computation;
    GlobalData& g = G;
    double distance = g.awBacklash;
    int code = 0;
    rt::Val(Edit1->Text(), distance, code);
    g.ValCode = code;
    if (code != 0) return Refuse("Invalid format of the number.", Edit1);
    const double keptDistance = g.awBacklash, keptJn = g.jn, keptAngle = g.alfawtBacklash;
    const bool errorBefore = g.ErrorFlag;
    g.awBacklash = distance;
    g.ErrorFlag = false;
    ApplyRightAngleRule();
    ComputeBacklashFromCentreDistance();
    const bool impossible = g.ErrorFlag || !std::isfinite(g.jn);
    if (impossible || g.jn < 0 || g.jn > g.mn) {
        const double derived = g.jn;
        g.awBacklash = keptDistance;
        g.alfawtBacklash = keptAngle;
        g.ErrorFlag = errorBefore;
        if (impossible) {
            g.jn = keptJn;
            SetActiveControl(Edit1);  // the arc cosine has shown its message
            return;
        }
        g.jn = derived;
        RefuseBacklash(Edit1);
        g.jn = keptJn;
        return;
    }
    g.ErrorFlag = errorBefore;
    Edit3->SetText(Backlash(g.jn));
    SetTextIn(PagesDlg, &TPagesDlg::Edit21, Backlash(g.jn));
    SetTextIn(PagesDlg, &TPagesDlg::Edit9, Amc(g.awBacklash));
    ShowWorkingAngle(g.alfawtBacklash);
    if (!g.RackMate) {
        ComputeZeroBacklashCentreDistance(g.xsum);
        Label6->SetCaption(Amc(g.awZeroBacklash));
    }
    if (PagesDlg) PagesDlg->Repaint();
}

// Extra AMC: the reduced sum gives jn at the constant centre distance.
void TVuleF::Edit2Exit() {
    if (Bypassed() || !G.BacklashByExtraAmc || Edit2->Text() == Amc(G.xsumBacklash)) return;
    ComputationScope computation;
    GlobalData& g = G;
    int code = 0;
    rt::Val(Edit2->Text(), g.xsumBacklash, code);
    g.ValCode = code;
    if (code != 0) return Refuse("Invalid format of the number.", Edit2);
    g.alfat = TransverseAngle();
    g.xsum0 = CriticalAmcSum(g.z1 + g.z2);
    const bool internal = g.GearingType == kInternalGearing;
    const std::string impossible = kImpossibleSum + rt::Str(g.xsum0, 8, 5) + ") ";
    if (!internal && g.xsum0 >= g.xsumBacklash) return Refuse(impossible.c_str(), Edit2);
    if (!internal && g.xsumBacklash > g.xsum) {
        const std::string text =
            "It is impossible to input sum of AMC x1+x2 for negative zero-backlash  (xlim= " + rt::Str(g.xsum, 8, 5) +
            ") ";
        return Refuse(text.c_str(), Edit2);
    }
    if (internal && g.xsum0 <= g.xsumBacklash) return Refuse(impossible.c_str(), Edit2);
    if (g.xsumBacklash < -15 || g.xsumBacklash > 10)
        return Refuse("Sum of Addendum Modification Coefficients x1+x2 must lay from -15 to 10", Edit2);
    const double keptJn = g.jn;
    if (OppositeTeeth()) {
        g.jn = 2 * (g.aw - std::sin(g.alfat) * g.xsumBacklash * g.mn);
        g.alfawt = g.alfawtBacklash = kPi / 2;
    } else {
        g.jn = 2 * g.mn * std::sin(g.alfan) * (g.xsum - g.xsumBacklash);
    }
    // the backlash the sum gives keeps the backlash field's range
    if (RefuseBacklash(Edit2)) {
        g.jn = keptJn;
        return;
    }
    Edit3->SetText(Backlash(g.jn));
    SetTextIn(PagesDlg, &TPagesDlg::Edit21, Backlash(g.jn));
    SetTextIn(PagesDlg, &TPagesDlg::Edit6, Amc(g.xsumBacklash));
    ComputeZeroBacklashCentreDistance(g.xsumBacklash);
    Label6->SetCaption(Amc(g.awZeroBacklash));
    g.AmcDivided = true;
}

void TVuleF::Edit3Exit() {
    if (Bypassed() || Edit3->Text() == Backlash(G.jn)) return;
    ComputationScope computation;
    GlobalData& g = G;
    int code = 0;
    rt::Val(Edit3->Text(), g.jn, code);
    g.ValCode = code;
    if (code != 0) return Refuse("Invalid format of the number.", Edit3);
    if (RefuseBacklash(Edit3)) return;
    ApplyRightAngleRule();
    if (g.BacklashByExtraAmc) {
        g.xsumBacklash = SumWithBacklash();
        Edit2->SetText(Amc(g.xsumBacklash));
        if (g.RackMate) {
            g.x1 = g.xsumBacklash;
            g.x2 = 0;
            g.AmcDivided = false;
            SetTextIn(PagesDlg, &TPagesDlg::Edit7, Amc(g.x1));
        } else {
            SetTextIn(PagesDlg, &TPagesDlg::Edit6, Amc(g.xsumBacklash));
            Edit1->SetText(Amc(g.aw));
            ComputeZeroBacklashCentreDistance(g.xsumBacklash);
            Label6->SetCaption(Amc(g.awZeroBacklash));
        }
    } else if (g.BacklashByShifting) {
        ComputeCentreDistanceFromBacklash();
        Edit2->SetText(Amc(g.xsum));
        Edit1->SetText(Amc(g.awBacklash));
        SetTextIn(PagesDlg, &TPagesDlg::Edit9, Amc(g.awBacklash));
        ComputeZeroBacklashCentreDistance(g.xsum);
        Label6->SetCaption(Amc(g.awZeroBacklash));
        ShowWorkingAngle(g.alfawtBacklash);
    }
    SetTextIn(PagesDlg, &TPagesDlg::Edit21, Backlash(g.jn));
}

void TVuleF::Edit1KeyPress(ui::Edit* field, ui::KeyChar& key) {
    if (key != 13) return;
    ValidateAsOneStep(field == Edit1 ? &TVuleF::Edit1Exit : field == Edit2 ? &TVuleF::Edit2Exit : &TVuleF::Edit3Exit);
}

// ---------------------------------------------------------------- keys and buttons

void TVuleF::FormKeyUp(ui::Word& key) {
    if (key == ui::VK_ESCAPE) {
        Close();
        SkipBacklashChecks = false;
        if (PagesDlg) PagesDlg->Button5Click();
    } else if (key == ui::VK_F1) {
        Button2Click();
    }
}

void TVuleF::Button1Click() {
    G.BacklashMethodPending = true;
    SkipBacklashChecks = false;
    ResetBacklashToZero();
    Close();
}

void TVuleF::Button2Click() {
    SkipBacklashChecksCancel = false;
    ShowHelpTopic(6);
}

void TVuleF::Button3Click() {
    if (SkipBacklashChecks || SkipBacklashChecksCancel) {
        SetActiveControl(Edit3);
        SkipBacklashChecks = SkipBacklashChecksCancel = false;
        return;
    }
    if (G.BacklashByShifting) {
        ValidateAsOneStep(&TVuleF::Edit1Exit);
        if (ActiveControl() == Edit1) return;
    }
    ModalResult = ui::mrOk;
    if (G.BacklashByExtraAmc) {
        G.AmcUndivided = true;
        G.LastComputingInput = kXsumInput;
    }
    if (G.BacklashByShifting) {
        G.AmcUndivided = true;
        G.LastComputingInput = kX1Input;
        G.AmcDivided = true;
    }
    G.TestDimensionsOutdated = true;
}

}  // namespace ostrimo
