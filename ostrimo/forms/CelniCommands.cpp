// The main dialog's command panel, its gearing-type, basic-rack and angle-display radios,
// the page changes and the help keys.
#include <cmath>
#include <numbers>

#include "ostrimo/calc/Geometricke_vypocty.h"
#include "ostrimo/calc/Global.h"
#include "ostrimo/calc/Kontrolni_rozmery.h"
#include "ostrimo/calc/Protub.h"
#include "ostrimo/calc/Soubory.h"
#include "ostrimo/forms/Celni.h"
#include "ostrimo/forms/CelniDlg.h"
#include "ostrimo/forms/FellowDlg.h"
#include "ostrimo/forms/Nastroj.h"
#include "ostrimo/forms/Ostrimo.h"
#include "ostrimo/forms/Tabulka.h"
#include "ostrimo/forms/VuleF.h"
#include "runtime/Notice.h"
#include "runtime/NumText.h"
#include "runtime/TextFile.h"

namespace ostrimo {

namespace {

constexpr const char* kNotDivided = "Dividing of Addendum Modification Coefficient has not done yet.";

void ShowAll(std::initializer_list<ui::Control*> controls, bool visible) {
    for (ui::Control* c : controls) c->SetVisible(visible);
}

void EnableAll(std::initializer_list<ui::Control*> controls, bool enabled) {
    for (ui::Control* c : controls) c->SetEnabled(enabled);
}

// The three captions that name the data file of the case.
void SetFileCaptions(TPagesDlg& dialog, const std::string& fileName) {
    if (CelniDlg) CelniDlg->SetCaption(std::string(kResultsCaption) + " - " + fileName);
    dialog.SetCaption("Gear Geometry Checking - " + fileName);
    if (TabulkaDlg) TabulkaDlg->SetDataFileName(fileName);
}

// The test dimensions that the identification page's own computations overwrite.
struct KeptTestDimensions {
    double dt1, dt2, M1, M2, dM1, dM2, W1, W2, sc1, sc2, hc1, hc2;
    std::int16_t zw1, zw2;
    static KeptTestDimensions Of(const GlobalData& g) {
        return {g.dt1, g.dt2, g.M1, g.M2, g.dM1, g.dM2, g.W1, g.W2, g.sc1, g.sc2, g.hc1, g.hc2, g.zw1, g.zw2};
    }
    void RestoreTo(GlobalData& g) const {
        g.dt1 = dt1, g.dt2 = dt2, g.M1 = M1, g.M2 = M2, g.dM1 = dM1, g.dM2 = dM2, g.W1 = W1, g.W2 = W2;
        g.sc1 = sc1, g.sc2 = sc2, g.hc1 = hc1, g.hc2 = hc2, g.zw1 = zw1, g.zw2 = zw2;
    }
};

// What Open computes from the values a data file holds, and Save from the values it writes,
// so that a file reopens to the results it was saved with: the pair from the computing
// input given last, the complete check, then the test dimensions chosen (none when an
// input changed since they were).
void RecomputeAsTheFileGives(TPagesDlg& dialog, const TestDimensionChoices* chosen) {
    ComputeFromDataFileValues();
    dialog.RecomputePair(chosen);
}

}  // namespace

// "COMPLE&X  CHECKING"
void TPagesDlg::Button1Click() {
    ComputationScope computation;
    G.CheckOutdated = false;
    CheckObligatoryInput();
    if (!G.ObligatoryInputComplete) return;
    if (G.AmcUndivided && !G.CentreDistanceGiven) {
        ui::MessageBox(kNotDivided, kErrorCaption, ui::MB_OK);
        SetActiveControl(Button5);
        return;
    }
    const unsigned long long said = rt::NoticesShown();
    RecomputePair();
    HideResultsWindow();
    ShowTipDiameters();
    // the check ends with its results or with a message that says why not
    if (G.ErrorFlag && rt::NoticesShown() == said) RefuseImpossibleGeometry();
    if (G.ErrorFlag) FocusFieldByCode();
    if (!G.ErrorFlag && CelniDlg) CelniDlg->Show();
}

// "Divide AMC"
void TPagesDlg::Button2Click() {
    ResetWindowCaptions();
    G.AmcDivided = true;
    SelectAmcSplitAsInput();
    SetActiveControl(Edit7);
}

// "&Save"
void TPagesDlg::Button3Click() {
    if (G.AmcUndivided) {
        ui::MessageBox(kNotDivided, kErrorCaption, ui::MB_OK);
        SetActiveControl(Button5);
        return;
    }
    // What the case's values give was told when they were entered or opened.
    ComputationScope computation(ComputationScope::Boxes::Told);
    CheckObligatoryInput();
    if (G.LastComputingInput == kNoComputingInput) ComputeWorkingCentreDistance();
    ComputePairDimensions();
    if (SaveDialog1.Execute()) {
        if (G.ObligatoryInputComplete) {
            // the case continues with the values the file keeps, computed as Open computes them
            KeepDataFileValues();
            const TestDimensionChoices chosen = TestDimensionChoices::Of(G);
            RecomputeAsTheFileGives(*this, G.TestDimensionsOutdated ? nullptr : &chosen);
        }
        try {
            DataFile.Assign(SaveDialog1.FileName);
            DataFile.Rewrite();
            WriteGeometryDataFile();
            DataFile.Close();
        } catch (const rt::FileError& e) {
            DataFile.Abandon();  // the file as it was before
            ui::MessageBox(e.what(), kErrorCaption, ui::MB_OK);
            return;
        }
    }
    SetFileCaptions(*this, SaveDialog1.FileName);
}

// "&Open"
void TPagesDlg::Button4Click() {
    if (OpenDialog1.Execute()) {
        HideResultsWindow();
        try {
            DataFile.Assign(OpenDialog1.FileName);
            DataFile.Reset();
            ReadGeometryDataFile();
            DataFile.Close();
        } catch (const rt::FileError& e) {
            DataFile.Close();
            ui::MessageBox(e.what(), kErrorCaption, ui::MB_OK);
        }
    }
    GlobalData& g = G;
    // what the opened case's values give is told once its fields show it
    rt::HeldNotices held(g.DataFileLoaded);
    if (g.DataFileLoaded) {
        ComputationScope computation;
        const TestDimensionChoices chosen = TestDimensionChoices::Of(g);  // as the file holds them
        const std::string& name = OpenDialog1.FileName;
        g.LoadingDataFile = true;
        g.TestDimensionsOutdated = false;
        g.CentreDistanceGiven = false;
        CheckBox2->SetChecked(false);
        ComputeFromDataFileValues();
        for (ui::RadioButton* r : {RadioButton3, RadioButton4, RadioButton5}) r->SetFontStyle(0u);
        (g.GearingType == kInternalGearing ? RadioButton4
         : g.GearingType == kBevelGearing  ? RadioButton5
                                           : RadioButton3)
            ->SetFontStyle(ui::fsBold);
        if (g.GearingType != kBevelGearing) ShowAll({Edit21, Label24, Label25, Label26}, true);
        // the wheel-or-rack layout follows the pair read, also before any field was left
        UpdateObligatoryInputFlag();
        ShowInputsInEdits();
        SetFileCaptions(*this, name);
        CheckBox1->SetChecked(g.RoundedRoot);
        EnableAll({Edit15, Edit16}, !g.RoundedRoot);
        if (VuleF) VuleF->ShowStoredMethod();
        if (!g.RackMate && g.GearingType != kBevelGearing) {
            g.awZeroBacklash = g.aw;
            if (VuleF) VuleF->ComputeZeroBacklashCentreDistance(g.BacklashByExtraAmc ? g.xsumBacklash : g.xsum);
        }
        if (g.BacklashByShifting) {
            Edit10->SetText(rt::Str(RadToDeg(g.alfawtBacklash), 8, 6));
            Edit9->SetText(rt::Str(g.awBacklash, 8, 6));
        }
        if (FellowDlg) FellowDlg->ShowStoredOptions();  // the defaults' cutter unless internal
        if (NastrojDlg) NastrojDlg->ShowStoredTools();
        ShowChordChoice();
        g.TestDimensionsOutdated = false;
        PageControl1->SetActivePage(TabSheet1);
        Repaint();
        g.ResetLayoutOnShow = false;
        g.DataFileLoaded = false;
        RecomputeAsTheFileGives(*this, &chosen);
        // an internal pair of equal tooth numbers works at 90 degrees, as its wheel field left it
        if (-g.z2 == g.z1) Edit10->SetEnabled(false);
        g.LoadingDataFile = false;
    } else {
        PageControl1->SetActivePage(TabSheet1);
        SetActiveControl(Edit1);
        g.ResetLayoutOnShow = true;
        Repaint();
    }
    SkipInputChecksOpen = false;
    if (g.AmcDivided) SelectAmcSplitAsInput();
    held.Show();
}

// "Clear": the computing inputs back to their start, no backlash.
void TPagesDlg::Button5Click() {
    ComputationScope computation;
    G.ErrorFlag = false;
    ResetComputingInputs();
    MarkInputsChanged();
    ResetWindowCaptions();
    RefreshResultsWindow();
    SkipComputingInputChecks = false;
    G.BacklashByThinning = true;
    G.ThinBothWheels = true;
    G.ThinPinionOnly = G.ThinWheelOnly = false;
    if (VuleF) VuleF->RadioButton4->SetChecked(true);
    G.BacklashMethodPending = true;
}

// "Bal. spec.slidings": x1 and x2 that make the specific slidings at the tips equal,
// from the sum the backlash method keeps.
void TPagesDlg::Button6Click() {
    ComputationScope computation;
    GlobalData& g = G;
    g.awCheck = g.BacklashByShifting ? g.awBacklash : g.aw;
    g.alfawtCheck = g.BacklashByShifting ? g.alfawtBacklash : g.alfawt;
    g.xsumSearch = g.BacklashByExtraAmc ? g.xsumBacklash : g.xsum;
    g.ErrorFlag = false;
    g.BalancingSlidings = true;
    ComputePairDimensions();
    if (g.RackMate)
        BalanceRackSpecificSlidings();
    else
        BalanceSpecificSlidings();
    g.BalancingSlidings = false;
    g.x2 = g.xsumSearch - g.x1;
    KeepPinionAmcWithoutBacklash();
    MarkInputsChanged();
    g.AmcUndivided = false;
    RecomputePair();
    ComputePairDimensions();
    SelectAmcSplitAsInput();
    if (g.NoCalcMessageShown) {
        Edit7->SetText(rt::Str(g.x1, 8, 6));
        Edit8->SetText(rt::Str(g.x2, 8, 6));
        ShowTipDiameters();
        g.FocusField = 6;
        g.AmcUndivided = false;
        g.AmcDivided = true;
        RefreshResultsWindow();
        ResetWindowCaptions();
    } else {
        SetActiveControl(Button6);
        g.NoCalcMessageShown = true;
    }
}

// "&End": at once, without a question.
void TPagesDlg::Button7Click() { ui::Halt(0); }

// "Calculating tip diameters": the tip diameters from the pair again.
void TPagesDlg::Button8Click() {
    ComputationScope computation;
    if (G.TipDiameter1Given || G.TipDiameter2Given) MarkInputsChanged();  // the pair gets its own tips
    G.TipDiameter1Given = G.TipDiameter2Given = false;
    ComputePairDimensions();
    ShowTipDiameters();
    ResetWindowCaptions();
    RefreshResultsWindow();
    SkipTipDiameterChecks = false;
}

// "Fellow"
void TPagesDlg::Button9Click() {
    SkipFellowChecksHelp = false;
    if (FellowDlg) FellowDlg->Show();
}

// "Tools"
void TPagesDlg::Button10Click() {
    ComputationScope computation;
    RecomputePair();
    HideResultsWindow();
    if (NastrojDlg) NastrojDlg->Show();
}

// ---------------------------------------------------------------- help

namespace {

// The help topic of an Inputs-page field code (and of the controls beside the fields).
unsigned HelpContextOfCode(int code) {
    if (code >= 1 && code <= 5) return 2;
    if ((code >= 6 && code <= 10) || code == 21) return 5;
    if (code >= 11 && code <= 17) return 3;
    if (code >= 18 && code <= 20) return 4;
    return 0;
}

}  // namespace

// The help of a field code: the page shown wins over the field; none opens the finder.
void TPagesDlg::ShowHelpFor(int code) {
    unsigned context = HelpContextOfCode(code);
    if (PageControl1->ActivePage() == TabSheet2) context = G.GearingType == kExternalGearing && !G.RackMate ? 13 : 14;
    if (PageControl1->ActivePage() == TabSheet3) context = 15;
    ShowHelpTopic(context);
}

void TPagesDlg::HelpBtnClick() {
    ShowHelpFor(G.FocusField);
    SkipInputChecks = false;
}

// F1: the help of the focused field or of the command beside it.
void TPagesDlg::FormKeyUp(ui::Word& key) {
    if (key != ui::VK_F1) return;
    ui::Control* active = ActiveControl();
    int code = InputFieldCode(active);
    if (active == Button2 || active == Button5 || active == Button6) code = 6;
    if (active == RadioButton1 || active == RadioButton2 || active == CheckBox1) code = 11;
    if (active == Button8) code = 18;
    ShowHelpFor(code);
}

// ---------------------------------------------------------------- basic rack

// "Standard": the standard basic rack of the gearing type and the default tools.
void TPagesDlg::RadioButton1Click() {
    // a data file being read keeps its own rack and tools
    if (!RadioButton1->Checked() || G.LoadingDataFile) return;
    ComputationScope computation;
    GlobalData& g = G;
    if (NastrojDlg) NastrojDlg->SetDefaultTools();
    g.haP1 = g.haP2 = 1;
    g.cP1 = g.cP2 = 0.25;
    g.ha1 = g.haP1 * g.mn;
    g.ha2 = g.haP2 * g.mn;
    // the flank angle first: the computing inputs are reset for the standard angle
    const bool otherAngle = !(g.alfaP > 19.999999 && g.alfaP < 20.000001);
    g.alfaP = 20;
    g.alfan = DegToRad(20);
    if (otherAngle) ResetComputingInputs();
    g.rofP1 = 0.38;
    if (g.GearingType != kInternalGearing) g.rofP2 = 0.38;
    if (g.GearingType == kBevelGearing) {
        g.cP1 = g.cP2 = 0.2;
        g.rofP1 = g.rofP2 = 0.3;
        g.rofP1max = g.rofP2max = 0.4979;  // full rounding of ha* + c* = 1.2 at 20 degrees
    }
    if (g.GearingType == kInternalGearing) {
        if (FellowDlg) FellowDlg->CheckBox2->SetChecked(false);
        g.rof0 = 0.38;
        g.rofP2 = 0;
        g.roa0 = 0;
        g.x0 = 0;
        g.FellowFullyRoundedTip = false;
        if (FellowDlg) FellowDlg->ShowInputs();
    }
    ShowRackProfileFields();
    ShowMainAnglesIfDms();
    CheckBox1->SetChecked(false);
    g.RoundedRoot = false;
    RadioButton2->SetEnabled(false);
    ComputePairDimensions();
    MarkInputsChanged();
    ShowTipDiameters();
    ResetWindowCaptions();
    RefreshResultsWindow();
}

// "Rounded root": both gears with the full rounded root.
void TPagesDlg::CheckBox1Click() {
    // a data file being read keeps its own root radii, and Open sets the fields and captions
    if (G.LoadingDataFile) return;
    ComputationScope computation;
    if (CheckBox1->Checked()) {
        G.RoundedRoot = true;
        LimitRootRadius1();
        if (G.GearingType != kInternalGearing) LimitRootRadius2();
        if (G.GearingType == kInternalGearing) {
            G.FellowFullyRoundedTip = true;
            if (FellowDlg) FellowDlg->CheckBox2->SetChecked(true);
        }
        EnableAll({Edit15, Edit16}, false);
    } else {
        EnableAll({Edit15, Edit16}, true);
        G.RoundedRoot = false;
    }
    DetectStandardRackProfile();
    ComputePairDimensions();
    MarkInputsChanged();
    ResetWindowCaptions();
    RefreshResultsWindow();
}

// The working centre distance as an input: the helix angle follows from it.
void TPagesDlg::CheckBox2Click() {
    const bool bevel = G.GearingType == kBevelGearing;
    if (CheckBox2->Checked()) {
        ComputationScope computation;
        G.CentreDistanceGiven = true;
        Edit9->SetEnabled(true);
        ShowAll({Edit21, Label24, Label25, Label26}, false);
        ShowAll({Edit6, Edit7, Edit8}, true);
        EnableAll({Edit6, Edit7, Edit8, Edit10, Button2, Button5, Button6}, false);
        if (G.jn != 0) {
            G.AmcUndivided = false;
            ResetComputingInputs();
            ComputeWorkingCentreDistance();
            MarkInputsChanged();
            Edit9->SetText(rt::Str(G.aw, 8, 6));
        }
        SetActiveControl(Edit4);
    } else {
        G.CentreDistanceGiven = false;
        ShowAll({Edit21, Label24, Label25, Label26}, !bevel);
        EnableAll({Edit6, Edit7, Edit8, Edit10, Button2, Button5, Button6}, true);
    }
}

// ---------------------------------------------------------------- gearing type

void TPagesDlg::RadioButton3Click() {
    ComputationScope computation;
    GlobalData& g = G;
    g.ResetLayoutOnShow = true;
    g.TestDimensionsOutdated = true;
    g.CheckOutdated = true;
    const int type = RadioButton4->Checked()   ? kInternalGearing
                     : RadioButton5->Checked() ? kBevelGearing
                                               : kExternalGearing;
    const bool bevel = type == kBevelGearing, internal = type == kInternalGearing;
    auto centreDistanceChoice = [&] {
        CheckBox2->SetChecked(false);
        ShowAll({CheckBox2, Label189}, !bevel);
    };
    centreDistanceChoice();
    if (!g.LoadingDataFile) ResetWindowCaptions();
    HideResultsWindow();

    g.GearingType = type;
    for (ui::RadioButton* r : {RadioButton3, RadioButton4, RadioButton5})
        r->SetFontStyle(r->Checked() ? unsigned{ui::fsBold} : 0u);
    PageControl1->SetActivePage(TabSheet1);
    SetActiveControl(Edit1);
    centreDistanceChoice();

    // a data file being read decides its mate itself
    if (!g.LoadingDataFile) g.RackMate = false;
    Button2->Show();
    Edit10->SetEnabled(true);
    ShowAll({Edit6, Edit8, Edit9, Edit19}, true);

    if (!g.DataFileLoaded) {
        SetDefaultGearData();
        ShowInputsInEdits();
        ShowChordChoice();  // the defaults' constant chords
        SkipInputChecksType = false;
    }
    g.DataFileLoaded = false;

    ShowExplanatoryPictures();
    ui::Control* const centreDistanceAndAngle[] = {Edit9, Label19, Label20, Label22, Edit10, Label23, Label15};
    for (ui::Control* c : centreDistanceAndAngle) c->SetVisible(!bevel);
    ShowAll({GroupBox4, Edit21, Label24, Label25, Label26}, !bevel);
    ShowAll({Edit20, Label52, Label53, Label54}, bevel);
    if (bevel) {
        TabSheet2->SetTabVisible(false);
        TabSheet3->SetTabVisible(false);
        Label1->SetCaption("Transverse module outer    m");
        Label2->SetCaption("t");
        Label9->SetCaption("Teeth inclin. angle (mean)   \xC3\x9F");
    } else {
        TabSheet2->SetTabVisible(true);
        TabSheet3->SetTabVisible(false);
        TabSheet3->SetTabVisible(true);
        Label1->SetCaption("Normal module                  m");
        Label2->SetCaption("n");
        Label9->SetCaption("Helix angle at ref. cylinder  \xC3\x9F");
    }
    Label2->SetLeft(Label1->Left() + Label1->Width());  // the index follows its caption

    Button9->SetVisible(internal);
    Button10->SetVisible(!bevel);
    if (!internal) Edit16->SetEnabled(true);
    if (NastrojDlg) NastrojDlg->GroupBox2->SetVisible(!internal);

    if (g.LoadingDataFile) return;
    g.rofP2 = internal ? 0 : 0.38;
    if (bevel) {
        g.cP1 = g.cP2 = 0.2;
        g.rofP1 = g.rofP2 = 0.3;
    }
    g.mn = 1;
    g.z1 = 20;
    g.z2 = internal ? -80 : 40;
    g.b = 10;
    g.aw = internal ? -30 : 30;
    if (bevel) {
        g.z1Bevel = 20;
        g.z2Bevel = 30;
    }
    g.RackChordHeightFactor = 1.0;
    g.da0 = 37.5;
    g.a0 = -47.5;
    // complete before the fields are shown, so that a rack mate's layout gives way to the
    // wheel's
    UpdateObligatoryInputFlag();
    InitInputsForGearingType();
    ShowMainAngles();
}

void TPagesDlg::RadioButton12Click() {
    if (RadioButton12->Checked()) {
        G.AngleFormatDMS = false;
        ShowMainAnglesDecimal();
    } else if (RadioButton13->Checked()) {
        G.AngleFormatDMS = true;
        ShowMainAnglesDms();
    }
}

// ---------------------------------------------------------------- pages

// The page changes end the bypass of the identification checks that a press on a tab set.
void TPagesDlg::TabSheet1Enter() {
    EnableAll({Button1, Button3, Button4, Button9}, true);
    GroupBox12->Show();
    SkipIdentificationChecks = false;
}

void TPagesDlg::TabSheet3Enter() {
    // the inputs the Inputs page shows are the pair's, also before any was validated
    if (!G.ObligatoryInputComplete) UpdateObligatoryInputFlag();
    PrepareIdentificationPage();
    ShowEstimatedAngles();
    SkipIdentificationChecks = false;
}

// No backlash, made by thinning both wheels alike.  A backlash made otherwise is given
// back first: the extra AMC by the wheel (a rack mate's by the pinion), the shift of the
// centre distance by the pair as it was.
void TPagesDlg::ResetBacklashForIdentification() {
    GlobalData& g = G;
    if (g.BacklashByExtraAmc) {
        if (g.RackMate)
            g.x1 = g.xsum;
        else
            g.x2 = g.xsum - g.x1;
        ShowSumAndCoefficients();
    }
    if (g.BacklashByShifting) ShowCentreDistanceAndAngle();
    ClearBacklash();
    Edit21->SetText("0");
    g.BacklashMethodPending = true;
    if (VuleF) VuleF->ShowStoredMethod();
}

void TPagesDlg::TabSheet3Exit() {
    if (G.LoadingDataFile) return;
    const bool hadBacklash = G.jn != 0;
    G.CheckOutdated = false;
    ResetBacklashForIdentification();
    // the test dimensions were for the backlash just removed
    G.TestDimensionsOutdated = hadBacklash;
}

void TPagesDlg::PrepareIdentificationPage() {
    GlobalData& g = G;
    if (!g.ObligatoryInputComplete) return;
    if (g.CheckOutdated) {
        ComputationScope computation;
        if (!g.LoadingDataFile) ResetBacklashForIdentification();
        for (int i = 1; i <= 3; ++i) {
            g.IdentMn[i] = g.mn;
            g.IdentAlfa[i] = g.alfan;
            g.IdentBeta[i] = g.beta;
            g.IdentX[i] = g.x2;
        }
        ForgetUnsolvedIdentifications();
        RecomputePair();
        HideResultsWindow();
        // the pair's test dimensions, which the wheel's measured values below overwrite
        const KeptTestDimensions kept = KeptTestDimensions::Of(g);
        const std::string teeth = rt::Str(static_cast<long long>(std::lround(g.z2)));
        for (ui::Label* l : {Label177, Label178, Label179}) l->SetCaption(teeth);
        Label181->SetCaption(rt::Str(g.da2, 1, 3));
        for (ui::Edit* e : {Edit42, Edit46, Edit50}) e->SetText(rt::Str(g.mn, 1, 3));
        for (ui::Edit* e : {Edit45, Edit49, Edit53}) e->SetText(rt::Str(g.x2, 1, 4));
        if (g.RackMate) Edit45->SetText("-----");  // a rack has no AMC to find
        // what the wheel would measure; the groups compute from these values
        if (g.RackMate) {
            g.IdentMeasuredChord = g.mn * std::numbers::pi / 2;
            g.IdentMeasuredHeight = g.ha2;
        } else if (!TestDimensionsComputed()) {
            // a pair the check did not finish has no tooth to measure
            g.IdentMeasuredChord = g.IdentMeasuredHeight = kNotComputed;
            for (ui::Edit* e : {Edit38, Edit39, Edit40, Edit41}) e->SetText("---");
        } else {
            g.sc2 = (g.sa2 + g.sInv2) / 2;
            ComputeChordHeightForThickness2();
            g.IdentMeasuredChord = g.sc2;
            g.IdentMeasuredHeight = g.hc2;
            ComputeSpanTeethRange();
            g.zw2 = g.SpanTeethProposed2;
            ComputeSpanMeasurements();
            g.IdentSpanTeeth = static_cast<std::uint16_t>(std::max<std::int16_t>(g.zw2, 0));
            g.IdentMeasuredSpan = g.W2;
            ComputeBallDiameterRange2();
            g.dt2 = std::floor(g.dtMin2) + 1;  // whole millimetres above the smallest ball
            ComputeDimensionOverBalls2();
            g.IdentBallDiameter = g.dt2;
            g.IdentMeasuredOverBalls = g.M2;
            Edit38->SetText(rt::Str(static_cast<long long>(g.zw2)));
            Edit39->SetText(rt::Str(g.W2, 1, 4));
            Edit40->SetText(rt::Str(g.dt2, 1, 4));
            Edit41->SetText(rt::Str(g.M2, 1, 4));
        }
        const auto measured = [](double v) { return Computed(v) ? rt::Str(v, 1, 4) : "---"; };
        Edit36->SetText(measured(g.IdentMeasuredChord));
        Edit37->SetText(measured(g.IdentMeasuredHeight));
        kept.RestoreTo(g);
        g.CheckOutdated = false;
    }
    // the rest is the page's own state, set when it is shown
    if (!TabSheet3->Showing()) return;
    for (ui::Label* l : {Label183, Label184, Label185, Label186, Label187, Label188}) l->Hide();
    EnableAll({Button1, Button3, Button4, Button9}, false);
    GroupBox12->Hide();
    const bool spur = std::fabs(g.beta) < 0.00001;
    for (ui::Edit* e : {Edit44, Edit48, Edit52}) e->SetReadOnly(spur);
    // the unknown of each group stays a result
    const ui::RadioGroup* choices[] = {RadioGroup1, RadioGroup2, RadioGroup3};
    for (int group = 1; group <= 3; ++group)
        if (const int unknown = choices[group - 1]->ItemIndex(); unknown >= 0)
            IdentificationField(38 + 4 * group + unknown)->SetReadOnly(true);
}

// Tab captions at (6, 3) of their rectangles, the chosen one bold and the others italic,
// in the colour of the gearing type.
void TPagesDlg::PageControl1DrawTab(int tabIndex, const ui::Rect& rect, bool active) {
    const ui::TabSheet* page = PageControl1->PageOfTab(tabIndex);
    if (!page) return;
    ui::Canvas& canvas = PageControl1->Canvas();
    canvas.Font.Style = active ? ui::fsBold : ui::fsItalic;
    canvas.Font.Color = G.GearingType == kInternalGearing ? ui::clBlue
                        : G.GearingType == kBevelGearing  ? ui::clPurple
                                                          : ui::clRed;
    canvas.Brush.Style = ui::BrushStyle::Clear;  // on the tab's own face
    canvas.TextOut(rect.Left + 6, rect.Top + 3, page->Caption());
}

}  // namespace ostrimo
