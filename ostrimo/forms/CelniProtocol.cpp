// The main dialog's operations on the inputs: completeness of the obligatory input,
// captions, the reset of the computing inputs after an obligatory or profile input
// changed, the recomputation of the check, the focus routing, the computing-input
// selection and the display of the inputs.
#include <cmath>

#include "ostrimo/calc/CheckNumerics.h"
#include "ostrimo/calc/Geometricke_vypocty.h"
#include "ostrimo/calc/Global.h"
#include "ostrimo/calc/Kontrola_geometrie.h"
#include "ostrimo/calc/Kontrolni_rozmery.h"
#include "ostrimo/forms/Celni.h"
#include "ostrimo/forms/CelniDlg.h"
#include "ostrimo/forms/Tabulka.h"
#include "runtime/NumText.h"

namespace ostrimo {

namespace {

using checks::kPi;

bool InternalPairOfEqualTeeth() { return -G.z2 == G.z1; }

// Transverse pressure angle at the reference cylinder (bevel: the normal one).
double TransverseAngle() {
    if (G.GearingType == kBevelGearing) return G.alfan;
    return std::atan(std::tan(G.alfan) / std::cos(G.beta));
}

// Reference centre distance (bevel: of the virtual pair at the mean module).
double ReferenceCentreDistance() {
    if (G.GearingType == kBevelGearing) return (G.z1 + G.z2) * G.mn / 2;
    return (G.z1 + G.z2) * G.mn / (2 * std::cos(G.beta));
}

void ShowControls(std::initializer_list<ui::Control*> controls, bool visible) {
    for (ui::Control* c : controls) c->SetVisible(visible);
}

}  // namespace

void TPagesDlg::UpdateObligatoryInputFlag() {
    if (G.GearingType == kBevelGearing)
        G.ObligatoryInputComplete = G.mn != 0 && G.z1Bevel != 0 && G.z2Bevel != 0 && G.b != 0;
    else
        G.ObligatoryInputComplete = G.mn != 0 && G.z1 != 0 && G.z2 != 0 && G.b != 0;
    HideResultsWindow();
}

void TPagesDlg::CheckObligatoryInput() {
    if (SkipInputChecksOpen || SkipInputChecksHelp || SkipInputChecks || SkipInputChecksType) {
        UpdateObligatoryInputFlag();
        SkipInputChecksOpen = SkipInputChecksHelp = SkipInputChecks = SkipInputChecksType = false;
        return;
    }
    UpdateObligatoryInputFlag();
    if (G.ObligatoryInputComplete) return;
    ui::MessageBox("Some obligatory input is missing.", kErrorCaption, ui::MB_OK);
    // the first of the numbers the completeness was judged on that is missing
    const bool bevel = G.GearingType == kBevelGearing;
    const double z1 = bevel ? G.z1Bevel : G.z1;
    const double z2 = bevel ? G.z2Bevel : G.z2;
    SetActiveControl(G.mn == 0 ? Edit1 : z1 == 0 ? Edit2 : z2 == 0 ? Edit3 : Edit5);
}

void TPagesDlg::ResetWindowCaptions() {
    if (CelniDlg) CelniDlg->SetCaption(kResultsCaption);
    SetCaption(MainDialogTitle);
    if (TabulkaDlg) TabulkaDlg->SetDataFileName("");
}

void TPagesDlg::ResetComputingInputs() {
    if (G.RackMate && ActiveControl() == Edit7) return;
    ComputationScope computation;
    GlobalData& g = G;
    const bool bevel = g.GearingType == kBevelGearing;
    g.AmcDivided = false;
    g.LastComputingInput = kNoComputingInput;
    g.AmcUndivided = false;
    g.alfat = TransverseAngle();
    if (!g.CentreDistanceGiven) g.alfawt = InternalPairOfEqualTeeth() ? kPi / 2 : g.alfat;
    if (g.CentreDistanceGiven && g.FocusField == 4) ComputeWorkingCentreDistance();
    g.alfawtDeg = RadToDeg(g.alfawt);
    if (!g.RackMate) g.ad = ReferenceCentreDistance();
    if (!g.CentreDistanceGiven) g.xsum = g.x1 = g.x2 = g.k = 0;
    if (!g.RackMate && !g.CentreDistanceGiven) {
        g.aw = InternalPairOfEqualTeeth() ? std::sin(g.alfat) * (g.x1 + g.x2) * g.mn : g.ad;
        g.awBacklash = g.awCheck = g.aw;
    }
    ClearBacklash();
    g.TipDiameter1Given = g.TipDiameter2Given = false;
    ComputePairDimensions();
    ShowSumAndCoefficients();
    Edit9->SetText(rt::Str(g.aw, 8, 6));
    Edit21->SetText(rt::Str(g.jn, 4, 3));
    if (!bevel) {
        Edit10->SetText(rt::Str(g.alfawtDeg, 8, 6));
        ShowMainAnglesIfDms();
        Edit18->SetText(rt::Str(g.da1, 7, 5));
        Edit19->SetText(rt::Str(g.RackMate ? g.ha2 : g.da2, 7, 5));
    }
    EnableAllComputingInputs();
    HideResultsWindow();
    ShowTipDiameters();
    ResetWindowCaptions();
}

void TPagesDlg::ClearBacklash() {
    GlobalData& g = G;
    g.jn = 0;
    g.xsumBacklash = 0;
    g.BacklashByThinning = true;
    g.BacklashByExtraAmc = g.BacklashByShifting = false;
    g.ThinBothWheels = true;
    g.ThinPinionOnly = g.ThinWheelOnly = false;
}

void TPagesDlg::CheckThePair() {
    ComputationScope computation;
    if (G.RackMate)
        G.alfawt = G.alfat;
    else if (G.GearingType == kBevelGearing)
        ComputeBevelGearDimensions();
    // The check finds the working centre distance itself when no computing input was
    // given, so a sum beyond its critical value is reported once.
    ComputeGeometryCheck();
}

void TPagesDlg::RecomputeRackPair() { CheckThePair(); }

void TPagesDlg::RecomputeGearPair() {
    if (!G.ObligatoryInputComplete) return;
    ComputationScope computation;
    CheckThePair();
    std::string message;
    if (G.AmcSumBelowCritical) {
        message =
            "Sum of Addendum Modification Coefficients x1+x2 is less than critical (xlim = " + rt::Str(G.xsum0, 7, 4) +
            ") - negative pressure angle.";
    } else if (G.CutterAmcSumAboveCritical) {
        message = "Sum of Addendum Modification Coefficients (manufacturing) x0+x2 is greater than critical (xlim = " +
                  rt::Str(G.xsum0Cutter, 7, 4) + ") - negative manufacturing pressure angle.";
    } else if (G.AmcSumAboveCritical) {
        message = "Sum of Addendum Modification Coefficients x1+x2 is greater than critical (xlim = " +
                  rt::Str(G.xsum0, 7, 4) + ") - negative pressure angle.";
    } else {
        if (G.ErrorFlag) {
            FocusFieldByCode();
            if (G.ErrorFlag) HideResultsWindow();
        }
        return;
    }
    // One box per critical sum: the core may have shown its own already.
    if (G.NoCalcMessageShown) ShowErrorOnce(message);
    G.NoCalcMessageShown = true;
    G.ErrorFlag = true;
    G.FocusField = 8;
    HideResultsWindow();  // its verdicts belong to an earlier state
}

void TPagesDlg::RecomputePair(const TestDimensionChoices* chosen) {
    ComputationScope computation;
    const TestDimensionChoices held = TestDimensionChoices::Of(G);
    if (!chosen && !G.TestDimensionsOutdated) chosen = &held;
    if (G.RackMate)
        RecomputeRackPair();
    else
        RecomputeGearPair();
    if (chosen) TellRefusedChoices(TakeTestDimensionChoices(*chosen));
}

void TPagesDlg::FocusFieldByCode() {
    if (G.FocusField < 1 || G.FocusField > 20) return;
    ui::Edit* field = InputField(G.FocusField);
    // Only a field that the Inputs page shows and that can be edited.
    for (ui::Control* c = field; c && c != TabSheet1; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return;
    if (PageControl1->ActivePage() != TabSheet1) PageControl1->SetActivePage(TabSheet1);
    if (PageControl1->ActivePage() == TabSheet1) SetActiveControl(field);
}

void TPagesDlg::InitInputsForGearingType() {
    ComputationScope computation;
    GlobalData& g = G;
    g.alfat = TransverseAngle();
    g.alfawt = InternalPairOfEqualTeeth() ? kPi / 2 : g.alfat;
    g.alfawtDeg = RadToDeg(g.alfawt);
    g.ad = ReferenceCentreDistance();
    g.xsum = g.x1 = g.x2 = g.k = 0;
    g.aw = InternalPairOfEqualTeeth() ? std::sin(g.alfat) * (g.x1 + g.x2) * g.mn : g.ad;
    if (g.RackMate)
        ComputeRackPairDimensions();
    else
        ComputeGearPairDimensions();
    ShowInputsInEdits();
    RadioButton2->SetEnabled(false);
}

void TPagesDlg::SelectLastComputingInput() {
    const GlobalData& g = G;
    EnableAllComputingInputs();
    switch (g.LastComputingInput) {
        case kXsumInput: SelectAmcSumAsInput(); break;
        case kAwInput: SelectCentreDistanceAsInput(); break;
        case kAlfawtInput: SelectPressureAngleAsInput(); break;
        default: break;
    }
    if (g.LastComputingInput == kX1Input || g.LastComputingInput == kX2Input || g.AmcDivided) SelectAmcSplitAsInput();
}

void TPagesDlg::ShowInputsInEdits() {
    const GlobalData& g = G;
    const bool bevel = g.GearingType == kBevelGearing;
    SelectLastComputingInput();
    Edit1->SetText(rt::Str(g.mn, 6, 4));
    Edit2->SetText(rt::Str(bevel ? g.z1Bevel : g.z1, 4, 1));
    Edit3->SetText(rt::Str(bevel ? g.z2Bevel : g.z2, 4, 1));
    Edit4->SetText(rt::Str(g.betaDeg, 6, 4));
    Edit5->SetText(rt::Str(g.b, 5, 2));
    ShowSumAndCoefficients();
    Edit9->SetText(rt::Str(g.aw, 8, 6));
    Edit10->SetText(rt::Str(g.alfawtDeg, 8, 6));
    Edit21->SetText(rt::Str(g.jn, 4, 3));
    ShowRackProfileFields();
    Edit18->SetText(rt::Str(g.da1, 7, 5));
    Edit19->SetText(rt::Str(g.da2, 7, 5));
    Edit20->SetText(rt::Str(g.SigmaDeg, 7, 4));
    ShowMainAnglesIfDms();
    ShowTipDiameters();
    DetectStandardRackProfile();
    ui::RadioButton* type = g.GearingType == kInternalGearing ? RadioButton4 : bevel ? RadioButton5 : RadioButton3;
    type->SetChecked(true);
    if (!bevel) UpdateWheelOrRackControls();
}

void TPagesDlg::ShowSumAndCoefficients() {
    Edit6->SetText(rt::Str(G.xsum, 8, 6));
    Edit7->SetText(rt::Str(G.x1, 8, 6));
    Edit8->SetText(rt::Str(G.x2, 8, 6));
}

void TPagesDlg::ShowRackProfileFields() {
    const GlobalData& g = G;
    Edit11->SetText(rt::Str(g.haP1, 6, 4));
    Edit12->SetText(rt::Str(g.haP2, 6, 4));
    Edit13->SetText(rt::Str(g.cP1, 6, 4));
    Edit14->SetText(rt::Str(g.cP2, 6, 4));
    Edit15->SetText(rt::Str(g.rofP1, 6, 4));
    Edit16->SetText(rt::Str(g.rofP2, 6, 4));
    Edit17->SetText(rt::Str(g.alfaP, 7, 4));
}

void TPagesDlg::ShowTipDiameters() {
    Edit18->SetText(rt::Str(G.da1, 7, 5));
    Edit19->SetText(rt::Str(G.RackMate ? G.ha2 : G.da2, 7, 5));
    if (G.AmcUndivided) {
        Edit18->SetText("");
        Edit19->SetText("");
    }
    Edit18->Repaint();
    Edit19->Repaint();
}

void TPagesDlg::ShowCentreDistanceAndAngle() {
    Edit9->SetText(rt::Str(G.aw, 8, 6));
    G.alfawtDeg = RadToDeg(G.alfawt);
    Edit10->SetText(rt::Str(G.alfawtDeg, 8, 6));
    ShowMainAnglesIfDms();
    Edit9->Repaint();
    Edit10->Repaint();
}

// ---------------------------------------------------------------- computing-input selection

// None of the selections acts while the centre distance is an input; with a rack mate
// each only shows x1.
bool TPagesDlg::ComputingInputSelectable() {
    if (G.CentreDistanceGiven) return false;
    if (!G.RackMate) return true;
    Edit7->Show();
    return false;
}

void TPagesDlg::SelectAmcSumAsInput() {
    if (!ComputingInputSelectable()) return;
    Edit7->Hide();
    Edit8->Hide();
    Edit9->SetEnabled(false);
    Edit10->SetEnabled(false);
}

void TPagesDlg::SelectAmcSplitAsInput() {
    if (!ComputingInputSelectable()) return;
    Edit6->SetEnabled(false);
    Edit7->Show();
    Edit8->Show();
    Edit9->SetEnabled(false);
    Edit10->SetEnabled(false);
}

void TPagesDlg::SelectCentreDistanceAsInput() {
    if (!ComputingInputSelectable()) return;
    Edit7->Hide();
    Edit8->Hide();
    Edit6->SetEnabled(false);
    Edit10->SetEnabled(false);
}

void TPagesDlg::SelectPressureAngleAsInput() {
    if (!ComputingInputSelectable()) return;
    Edit7->Hide();
    Edit8->Hide();
    Edit6->SetEnabled(false);
    Edit9->SetEnabled(false);
}

void TPagesDlg::EnableAllComputingInputs() {
    if (!ComputingInputSelectable()) return;
    for (ui::Edit* e : {Edit6, Edit7, Edit8}) {
        e->Show();
        e->SetEnabled(true);
    }
    const bool bevel = G.GearingType == kBevelGearing;
    for (ui::Edit* e : {Edit9, Edit10}) {
        e->SetVisible(!bevel);
        e->SetEnabled(true);
    }
    Edit20->SetVisible(bevel);
    Edit20->SetEnabled(true);
}

// ---------------------------------------------------------------- wheel or rack

void TPagesDlg::UpdateWheelOrRackControls() {
    if (!G.ObligatoryInputComplete) return;
    const GlobalData& g = G;
    ui::Control* const wheelSpanAndBalls[] = {Edit28,   Edit29,   Edit32,   Edit33,   Edit35,
                                              Label108, Label112, Label102, Label104, Label106};
    ui::Control* const measuredFor[] = {Label175, Label176, Label177, Label178, Label179, Label180, Label182};
    if (g.RackMate) {
        Label51->SetCaption("Rack addendum                       h");
        Edit19->SetText(rt::Str(g.ha2, 7, 5));
        Edit3->SetText("Rack");
        for (ui::Control* c : wheelSpanAndBalls) c->Hide();
        RadioButton10->SetCaption("On the reference line");
        GroupBox10->SetEnabled(false);
        GroupBox11->SetEnabled(false);
        Edit38->SetText("---");
        Edit39->SetText("-----");
        Edit40->SetText("----");
        Edit41->SetText("-----");
        Edit45->SetText("-----");
        RadioGroup1->SetItemIndex(kIdentModule);
        for (ui::Control* c : measuredFor) c->Hide();
        Label181->Hide();
        for (ui::Control* c : wheelTestCaptions_) c->Hide();
        Label174->SetCaption("Rack  ");
        ShowControls({Edit6, Edit8, Edit9, Button2}, false);
        Edit10->SetEnabled(false);
        return;
    }
    G.CheckOutdated = true;
    PrepareIdentificationPage();
    RadioGroup1->SetItemIndex(kIdentAmc);
    GroupBox10->SetEnabled(true);
    GroupBox11->SetEnabled(true);
    for (ui::Control* c : wheelSpanAndBalls) c->Show();
    for (ui::Control* c : wheelTestCaptions_) c->Show();
    for (ui::Control* c : measuredFor) c->Show();
    for (ui::Label* l : {Label174, Label175, Label176}) l->SetCaption("Measured for wheel z =");
    RadioButton10->SetCaption("On the reference cylinder");
    Label51->SetCaption("Wheel tip diameter                   d");
    Edit6->SetText(rt::Str(g.xsum, 8, 6));
    Edit8->SetText(rt::Str(g.x2, 8, 6));
    Edit9->SetText(rt::Str(g.aw, 7, 5));
    ShowControls({Edit6, Edit8, Edit9, Button2}, true);
    Edit10->SetEnabled(true);
    Edit19->SetText(rt::Str(g.da2, 7, 5));
    // "d   =" with the index a, and the value beside it
    Label181->SetCaption(rt::Str(g.da2, 5, 3));
    Label181->Show();
}

void TPagesDlg::DetectStandardRackProfile() {
    const GlobalData& g = G;
    const bool bevel = g.GearingType == kBevelGearing;
    const double cLow = bevel ? 0.1999999 : 0.2499999;
    const double cHigh = bevel ? 0.2000001 : 0.2500001;
    const double rofHigh = bevel ? 0.3000001 : 0.3800001;
    auto inside = [](double v, double low, double high) { return low < v && v < high; };
    G.StandardRackProfile = inside(g.haP1, 0.999999, 1.0000001) && inside(g.haP2, 0.9999999, 1.0000001) &&
                            inside(g.cP1, cLow, cHigh) && inside(g.cP2, cLow, cHigh) && g.rofP1 >= 0 &&
                            g.rofP1 < rofHigh && g.rofP2 >= 0 && g.rofP2 < rofHigh &&
                            inside(g.alfaP, 19.999999, 20.000001);
    if (G.StandardRackProfile) {
        RadioButton1->SetChecked(true);
        RadioButton2->SetEnabled(false);
    } else {
        RadioButton2->SetEnabled(true);
        RadioButton2->SetChecked(true);
    }
}

void TPagesDlg::ComputeBevelConeAngles() {
    if (G.z1Bevel <= 0 || G.z2Bevel <= 0) return;  // no pair to set the cones by yet
    ComputeBevelCones();
}

}  // namespace ostrimo
