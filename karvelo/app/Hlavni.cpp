#include "karvelo/app/Hlavni.h"

#include <cmath>

#include "karvelo/app/Havarie.h"
#include "karvelo/app/PlatnostF.h"
#include "karvelo/app/Prubehy.h"
#include "karvelo/app/Prubehy_jedn.h"
#include "karvelo/calc/Geometrie.h"
#include "karvelo/calc/Global.h"
#include "karvelo/calc/Odvozene.h"
#include "karvelo/calc/Vypocet.h"
#include "karvelo/calc/Vypocty1.h"
#include "karvelo/calc/Vypocty_ekv.h"
#include "karvelo/calc/WindowHooks.h"
#include "karvelo/forms/GeometrieF.h"
#include "karvelo/forms/InputWindow.h"
#include "karvelo/forms/KHbetaC.h"
#include "karvelo/forms/KHbetaF.h"
#include "karvelo/forms/MaterialyF.h"
#include "karvelo/forms/PresnostF.h"
#include "karvelo/forms/RozmeryF.h"
#include "karvelo/forms/SoucF.h"
#include "karvelo/forms/SpektrumF.h"
#include "karvelo/forms/ZatizeniF.h"
#include "karvelo/forms/ZivotnostF.h"
#include "runtime/NumText.h"

namespace karvelo {

TForm1* Form1 = nullptr;

const char* const kCaptionMethodB =
    "KARVELO 2.0  -  Load capacity of cylindrical gears by ISO 6336, method B   (edition 1, 2025)";
const char* const kCaptionMethodC =
    "KARVELO 2.0  -  Load capacity of cylindrical gears by ISO 6336, method C   (edition 1, 2025)";
const char* const kEditionText = "KARVELO edition 1/2025";

TForm1::TForm1() : Form("Form1") {
    SetBounds(0, 0, 766, 621);
    SetCaption(kCaptionMethodB);
    BorderIcons = ui::biSystemMenu | ui::biMinimize | ui::biMaximize | ui::biHelp;
    KeyPreview = true;
    SetFontStyle(ui::fsBold);

    GroupBox2 = new ui::GroupBox(this, "GroupBox2", {19, 25, 97, 65}, "Method");
    RadioButton3 = new ui::RadioButton(GroupBox2, "RadioButton3", {10, 18, 80, 17}, "ISO  B");
    RadioButton4 = new ui::RadioButton(GroupBox2, "RadioButton4", {10, 40, 80, 17}, "ISO  C");
    GroupBox1 = new ui::GroupBox(this, "GroupBox1", {128, 25, 97, 65}, "Gearing");
    RadioButton1 = new ui::RadioButton(GroupBox1, "RadioButton1", {10, 18, 80, 17}, "External");
    RadioButton2 = new ui::RadioButton(GroupBox1, "RadioButton2", {10, 40, 80, 17}, "Internal");
    GroupBox3 = new ui::GroupBox(this, "GroupBox3", {20, 97, 205, 41}, "Hypothesis");
    RadioButton5 = new ui::RadioButton(GroupBox3, "RadioButton5", {10, 17, 80, 17}, "Miner");
    RadioButton6 = new ui::RadioButton(GroupBox3, "RadioButton6", {110, 17, 85, 17}, "Haibach");
    RadioButton3->SetChecked(true);
    RadioButton1->SetChecked(true);
    RadioButton6->SetChecked(true);

    Button1 = new ui::Button(this, "Button1", {18, 157, 89, 25}, "Geometry");
    Button2 = new ui::Button(this, "Button2", {134, 157, 89, 25}, "Materials");
    Button4 = new ui::Button(this, "Button4", {18, 197, 89, 25}, "Dimensions");
    Button5 = new ui::Button(this, "Button5", {134, 197, 89, 25}, "Accuracy");
    Button6 = new ui::Button(this, "Button6", {18, 238, 89, 25}, "KH\xC3\x9F");
    Button7 = new ui::Button(this, "Button7", {134, 238, 89, 25}, "Other factors");
    Button3 = new ui::Button(this, "Button3", {18, 277, 89, 25}, "Load");
    Panel1 = new ui::Panel(this, "Panel1", {124, 269, 108, 39});
    Panel1->SetColor(ui::clSilver);
    Button13 = new ui::Button(this, "Button13", {134, 277, 90, 25}, "Service life");
    Button8 = new ui::Button(this, "Button8", {74, 322, 89, 33}, "Calculation");
    Button14 = new ui::Button(this, "Button14", {39, 374, 161, 33}, "Draw results");
    Button15 = new ui::Button(this, "Button15", {76, 418, 87, 34}, "Damages");
    for (ui::Button* b : {Button8, Button14, Button15}) b->SetFontPixels(13);
    Button9 = new ui::Button(this, "Button9", {18, 472, 89, 25}, "Save data");
    Button10 = new ui::Button(this, "Button10", {134, 473, 89, 25}, "Load data");
    Button11 = new ui::Button(this, "Button11", {18, 520, 89, 25}, "Help");
    Button11->SetEnabled(false);
    Button12 = new ui::Button(this, "Button12", {134, 520, 89, 25}, "End");
    Label4 = new ui::Label(this, "Label4", {312, 10, 0, 0}, "BENDING");
    Label5 = new ui::Label(this, "Label5", {581, 10, 0, 0}, "CONTACT");
    for (ui::Label* l : {Label4, Label5}) l->SetFontPixels(19);
    Button16 = new ui::Button(this, "Button16", {414, 15, 160, 23}, "Validity restrictions");
    Button16->SetFont(ui::Font{"MS Sans Serif", 16, 0, ui::clRed});
    ScrollBox1 = new ui::ScrollBox(this, "ScrollBox1", {238, 46, 244, 509});
    ScrollBox2 = new ui::ScrollBox(this, "ScrollBox2", {494, 46, 246, 510});
    for (ui::ScrollBox* box : {ScrollBox1, ScrollBox2}) box->SetFontName("Arial");
    Label501 = new ui::Label(this, "Label501", {411, 5, 0, 0}, "");
    Label502 = new ui::Label(this, "Label502", {468, 1, 0, 0}, "");
    CreateResultPanels();

    SaveDialog1.Options = ui::ofOverwritePrompt | ui::ofHideReadOnly | ui::ofPathMustExist | ui::ofEnableSizing;
    OpenDialog1.DefaultExt = ".pev";
    OpenDialog1.FileName = ".pev";
    OpenDialog1.Filter = "Data files (*.pev)|*.pev;*.PEV|All files (*)|*";
    OpenDialog1.Options = ui::ofHideReadOnly | ui::ofPathMustExist | ui::ofFileMustExist | ui::ofEnableSizing;

    Button1->OnClick = [this] { Button1Click(); };
    Button2->OnClick = [this] { Button2Click(); };
    Button3->OnClick = [this] { Button3Click(); };
    Button4->OnClick = [this] { Button4Click(); };
    Button5->OnClick = [this] { Button5Click(); };
    Button6->OnClick = [this] { Button6Click(); };
    Button7->OnClick = [this] { Button7Click(); };
    Button8->OnClick = [this] { Button8Click(); };
    Button9->OnClick = [this] { Button9Click(); };
    Button10->OnClick = [this] { Button10Click(); };
    Button11->OnClick = [this] { Button11Click(); };
    Button12->OnClick = [this] { Button12Click(); };
    Button13->OnClick = [this] { Button13Click(); };
    Button14->OnClick = [this] { Button14Click(); };
    Button15->OnClick = [this] { Button15Click(); };
    Button16->OnClick = [this] { Button16Click(); };
    RadioButton1->OnClick = [this] { RadioButton2Click(); };
    RadioButton2->OnClick = [this] { RadioButton2Click(); };
    RadioButton3->OnClick = [this] { RadioButton3Click(); };
    RadioButton4->OnClick = [this] { RadioButton4Click(); };
    RadioButton5->OnClick = [this] { RadioButton5Click(); };
    RadioButton6->OnClick = [this] { RadioButton6Click(); };
    OnCreate = [this] { FormCreate(); };
    OnPaint = [this] { FormPaint(); };
    OnKeyUp = [this](ui::Word& key, ui::ShiftState) { FormKeyUp(key); };
}

// Runs before any other window exists.
void TForm1::FormCreate() {
    G.EditionText = kEditionText;
    ui::App().OnMessage = [this](ui::Message& msg, bool& handled) { RouteApplicationMessage(msg, handled); };
    SetBuiltInCase();
    ShowPanelControls(false);
    Label501->Hide();
    Label502->Hide();
    Button14->Hide();
    Button15->Hide();
    Button9->SetEnabled(false);
    Button16->Hide();
    Panel1->Hide();
}

void TForm1::RouteApplicationMessage(ui::Message& msg, bool& handled) {
    handled = false;
    if (!msg.Target) return;
    if (Spektrum_F && msg.Target->IsWithin(Spektrum_F)) Spektrum_F->PreviewSpectrumMouseDown(msg);
    if (KHbeta_F && msg.Target->IsWithin(KHbeta_F)) KHbeta_F->PreviewKHbetaMouseDown(msg);
    if (Rozmery_F && msg.Target->IsWithin(Rozmery_F)) Rozmery_F->PreviewRozmeryMouseDown(msg);
}

void TForm1::ShowPanelControls(bool visible) {
    for (ui::ScrollBox* box : {ScrollBox1, ScrollBox2})
        for (ui::Control* c : box->Controls()) c->SetVisible(visible);
}

void TForm1::ClearResults() {
    ShowPanelControls(false);
    Button14->Hide();
    Button15->Hide();
    Button9->SetEnabled(false);
    Button16->Hide();
    if (Platnost_F && Platnost_F->Visible()) Platnost_F->Hide();
    Panel1->Hide();
    if (Prubehy_F) Prubehy_F->WithdrawChart();
    RefreshDamagesWindow();
}

// "Damages" is shown exactly while the results are.
void TForm1::RefreshDamagesWindow() {
    if (!Prubehy_jednF) return;
    if (Button15->Visible())
        Prubehy_jednF->ShowLastCalculation();
    else
        Prubehy_jednF->WithdrawRows();
}

// ---- input commands

// The results are withdrawn first: the window may change what they came from.  prepare
// readies the case for the window.
void TForm1::OpenInputWindow(ui::Form* window, const std::function<void()>& prepare) {
    ClearResults();
    BringDerivedIntoLine();
    if (prepare) prepare();
    window->ShowModal();
    RefreshDamagesWindow();
}

void TForm1::Button1Click() { OpenInputWindow(Geometrie_F); }

void TForm1::Button2Click() { OpenInputWindow(Materialy_F); }

void TForm1::Button3Click() {
    OpenInputWindow(Zatizeni_F, [] { ComputeEffectiveFaceWidths(); });
}

void TForm1::Button4Click() { OpenInputWindow(Rozmery_F); }

// The range check only says what is out and where the focus goes: the window opens once, here.
void TForm1::Button5Click() {
    OpenInputWindow(Presnost_F, [] {
        const win::AccuracyWindowScope opening(win::AccuracyRequests::ByCaller);
        CheckAccuracyRange("fpb+ffalfa");
        if (G.KHbetaMethod == "ISO_C") CheckAccuracyRange("fHbeta");
    });
}

void TForm1::Button6Click() {
    OpenInputWindow(KHbeta_F, [] { KHbeta_F->Button3->Hide(); });
}

void TForm1::Button7Click() { OpenInputWindow(Souc_F); }

void TForm1::Button13Click() { OpenInputWindow(Zivotnost_F); }

// ---- gearing, method and hypothesis

// Acts only on a change: a button checked to show the case's gearing finds it set already.
void TForm1::RadioButton2Click() {
    if ((RadioButton2->Checked() ? kInternalPair : kExternalPair) == G.GearingType) return;
    if (RadioButton2->Checked()) {
        G.GearingType = kInternalPair;
        G.RofP2 = 0;
        G.z2 = -40;
        G.a = -7.5;
        G.da2 = -38;
        G.z0 = 25;
        G.z1 = 20;
        G.zn2 = G.z2 / std::pow(std::cos(G.beta), 3);
        G.u = G.z2 / G.z1;
        G.da1Given = false;
        G.da2Given = false;
        ComputeCentreDistanceFromShifts();
        Geometrie_F->UpdateGeometryForm();
    } else {
        G.GearingType = kExternalPair;
    }
    Zatizeni_F->RadioButton3->SetChecked(true);
    ClearResults();
    SetDefaultInputs();
    ComputeCentreDistanceFromShifts();
    ComputeGearDimensions();

    TKHbeta_F& k = *KHbeta_F;
    k.CheckBox5->SetEnabled(G.GearingType == kExternalPair);
    k.Edit1->SetEnabled(false);
    k.Edit2->SetEnabled(true);
    k.Label2->SetCaption("");
    k.CheckBox5->SetChecked(false);
    k.CheckBox2->SetChecked(false);
    k.CheckBox3->SetChecked(true);
    G.KHbetaDirect = true;
    G.KHbeta = 1.3;
    SetKHbetaForAllLevels(G.KHbeta);
    k.Edit2->SetText(rt::Str(G.KHbeta, 5, 1));
    RefreshDamagesWindow();
    // The defaults are method B and the Haibach hypothesis: the window shows them at once.
    RequestPaint();
}

void TForm1::RadioButton3Click() {
    if (!G.MethodC) return;
    ClearResults();
    G.MethodC = false;
    SetCaption(kCaptionMethodB);
    (G.GearingType == kExternalPair ? RadioButton1 : RadioButton2)->SetChecked(true);
    G.KHbetaMethod = "primo";
    G.KHbetaDirect = true;
    SetKHbetaForAllLevels(G.KHbeta);
    if (Rozmery_F->CB1->Checked()) Rozmery_F->Edit1->SetEnabled(false);
    if (Rozmery_F->CB2->Checked()) Rozmery_F->Edit2->SetEnabled(false);
}

void TForm1::RadioButton4Click() {
    if (G.MethodC) return;
    ClearResults();
    G.MethodC = true;
    SetCaption(kCaptionMethodC);
    G.LoadInputMethod = kOneLevelLoading;
    G.KHbetaMethod = std::string("ISO_C");
    G.KHbetaCalcVariant = std::string("a");
    G.KHbetaDirect = false;
    G.ControlPressed6 = true;
    Rozmery_F->Edit1->SetEnabled(true);
    Rozmery_F->Edit2->SetEnabled(true);
}

void TForm1::RadioButton5Click() {
    if (!G.HypothesisHaibach) return;
    if (RadioButton5->Checked()) {
        G.CalcMethodics = kMethodicsMiner;
        G.HypothesisHaibach = false;
    }
    if (!G.LifeFormActive) ClearResults();
}

void TForm1::RadioButton6Click() {
    if (G.HypothesisHaibach) return;
    if (RadioButton6->Checked()) {
        G.CalcMethodics = kMethodicsHaibach;
        G.HypothesisHaibach = true;
    }
    if (!G.LifeFormActive) ClearResults();
}

// The caption follows the method too: a gearing switch resets the method to B without a click
// on "ISO  B".  The gearing follows a loaded case.
void TForm1::FormPaint() {
    (G.HypothesisHaibach ? RadioButton6 : RadioButton5)->SetChecked(true);
    (G.MethodC ? RadioButton4 : RadioButton3)->SetChecked(true);
    (G.GearingType == kInternalPair ? RadioButton2 : RadioButton1)->SetChecked(true);
    SetCaption(G.MethodC ? kCaptionMethodC : kCaptionMethodB);
}

// ---- calculation

namespace {
bool AllPositive(std::initializer_list<double> values) {
    for (double v : values)
        if (!(v > 0)) return false;
    return true;
}
bool AllLevelsPositive(const TLevelArray& column) {
    for (int i = 1; i <= G.LevelCount && i <= kMaxLevels; ++i)
        if (!(column[i] > 0)) return false;
    return true;
}
}  // namespace

void TForm1::CheckLoadInputs() {
    DeriveLoadOfMode();
    G.LoadingInputComplete = true;
    const char* missing = nullptr;
    switch (G.LoadInputMethod) {
        case kOneLevelLoading:
            if (G.Ftjm == 0 && G.Tjm == 0)
                missing = "Not specified load input.";
            else if (!(G.KA >= 1))
                missing = "Invalid input, factor KA must be >=1";
            break;
        case kMultilevelLoading:
            if (!AllLevelsPositive(G.SpectrumY))
                missing = "Not entered all the load inputs of the spectrum.";
            else if (G.HypothesisHaibach && G.LoadAsForce && !AllPositive({G.FtFe1, G.FtFe2, G.FtHe1, G.FtHe2}))
                missing = "All the equivalent forces are not counted - enter spectrum.";
            else if (G.HypothesisHaibach && !G.LoadAsForce && !AllPositive({G.TFe1, G.TFe2, G.THe1, G.THe2}))
                missing = "All the equivalent torque moments are not counted - enter spectrum.";
            else if (!AllLevelsPositive(G.SpectrumX))
                missing = "Not entered all the cycle inputs of the spectrum.";
            else if (NominalLoadIsInput(G) && !((G.LoadAsForce ? G.Ftjm : G.Tjm) > 0))
                missing = "Not specified load input.";  // the approximate methodics refer to it
            break;
        case kDirectEquivalentLoad:
            if (G.LoadAsForce && !AllPositive({G.FtFe1, G.FtFe2, G.FtHe1, G.FtHe2}))
                missing = "Not entered all the forces.";
            else if (!G.LoadAsForce && !AllPositive({G.TFe1, G.TFe2, G.THe1, G.THe2}))
                missing = "Not entered all the torque moments.";
            break;
    }
    if (!missing) return;
    ui::ShowMessage(missing);
    SetActiveControl(Button3);
    G.LoadingInputComplete = false;
}

void TForm1::Button8Click() {
    const win::AccuracyWindowScope once(win::AccuracyRequests::Once);
    CheckLoadInputs();
    if (!G.LoadingInputComplete) return;
    // KHbeta by method C only from shaft data the case holds (entered or accepted, or loaded).
    if (G.KHbetaMethod == "ISO_C" && G.GearingType == kExternalPair && !TakeShaftData()) {
        ui::ShowMessage("Incomplet input - shaft data for KHbeta by method C are missing.");
        SetActiveControl(Button6);
        return;
    }
    CalculateCase();
    if (G.ResumeCalculation)
        ShowPanelControls(true);
    else
        ClearResults();
    Button9->SetEnabled(G.ResumeCalculation);
    if (G.ResumeCalculation) {
        ShowResults();
        Button14->Show();
        Button15->Show();
    }
    // Also after a stopped calculation: the counters belong to the spectrum as entered.
    if (AnyStaticOverload()) Havarie_->Show();
    RefreshDamagesWindow();
}

// ---- result views, help, end

void TForm1::Button14Click() {
    const win::AccuracyWindowScope once(win::AccuracyRequests::Once);
    ApproximateMethodicsAsOneLoad();
    if (G.LoadInputMethod == kMultilevelLoading)
        ComputeEquivalentLoads();
    else
        PrepareCoursesData();
    Prubehy_F->ShowChart(true);
}

void TForm1::Button15Click() { Prubehy_jednF->Show(); }

void TForm1::Button16Click() { Platnost_F->Show(); }

void TForm1::OpenHelp() {
    if (!ui::Help(kHelpFile, ui::HELP_FINDER, 0)) ui::ShowMessage("Error");
}

void TForm1::Button11Click() { OpenHelp(); }

void TForm1::FormKeyUp(ui::Word& key) {
    if (key == ui::VK_F1) OpenHelp();
}

void TForm1::Button12Click() { ui::Halt(0); }

}  // namespace karvelo
