#include "karvelo/forms/ZivotnostF.h"

#include <cmath>

#include "karvelo/calc/Global.h"
#include "karvelo/calc/Odvozene.h"
#include "karvelo/forms/Help1.h"
#include "karvelo/forms/SpektrumF.h"
#include "karvelo/forms/ZatizeniF.h"
#include "runtime/NumText.h"

namespace karvelo {

TZivotnost_F* Zivotnost_F = nullptr;

namespace {

// A life of 1e15 cycles or more: no failure.
constexpr double kInfiniteLife = 1e15;

double* const kSafety[4] = {&G.SF1life, &G.SH1life, &G.SF2life, &G.SH2life};
double* const kLives[4] = {&G.LF1, &G.LH1, &G.LF2, &G.LH2};

}  // namespace

TZivotnost_F::TZivotnost_F() : InputWindow("Zivotnost_F") {
    SetCaption("Service life calculation");
    SetClientSize(600, 372);
    Position = ui::Position::BesideOwner;
    BorderIcons = 0;
    BorderStyle = ui::BorderStyle::Single;
    KeyPreview = true;
    const char* const cases[4] = {"Pinion bending", "Pinion contact", "Wheel bending", "Wheel contact"};
    const char* const symbols[4] = {"SF1", "SH1", "SF2", "SH2"};

    RadioButton1 = new ui::RadioButton(this, "RadioButton1", {12, 10, 400, 17},
                                       "Calculation of service life for given safety factor");
    RadioButton2 = new ui::RadioButton(this, "RadioButton2", {12, 30, 400, 17},
                                       "Calculation of safety factor for given service life ");
    CheckBox1 = new ui::CheckBox(this, "CheckBox1", {440, 10, 140, 17}, "Miner");
    CheckBox2 = new ui::CheckBox(this, "CheckBox2", {440, 30, 140, 17}, "Haibach");

    Panel1 = new ui::Panel(this, "Panel1", {12, 56, 280, 140});
    AddLabel(Panel1, 8, 6, "Enter required safety factor");
    for (int k = 0; k < 4; ++k) {
        const int y = 30 + 26 * k;
        AddLabel(Panel1, 8, y + 3, cases[k]);
        AddLabel(Panel1, 120, y + 3, symbols[k]);
        AddField(k + 1, Panel1, {160, y, 80, 21}, [this, k] {
            if (!ReadNumber(*kSafety[k]) || !(*kSafety[k] > 0)) Refuse("Invalid input");
        });
    }
    Panel3 = new ui::Panel(this, "Panel3", {12, 56, 280, 140});
    RequiredHeading = AddLabel(Panel3, 8, 6, "Required service life in cycles");
    AddLabel(Panel3, 8, 22, "(given by the spectrum)");
    const char* const gears[2] = {"Pinion", "Wheel"};
    for (int i = 0; i < 2; ++i) {
        AddLabel(Panel3, 8, 56 + 26 * i, gears[i]);
        RequiredLifeLabels[i] = AddLabel(Panel3, 120, 56 + 26 * i, "0");
    }

    Panel4 = new ui::Panel(this, "Panel4", {304, 56, 284, 140});
    LifeHeading = AddLabel(Panel4, 8, 6, "Calculated service live in cycles");
    Panel2 = new ui::Panel(this, "Panel2", {304, 56, 284, 140});
    AddLabel(Panel2, 8, 6, "Calculated safety factor");
    AddLabel(Panel2, 8, 22, "(for given spectrum)");
    for (int k = 0; k < 4; ++k) {
        const int y = 44 + 22 * k;
        AddLabel(Panel4, 8, y, cases[k]);
        LifeLabels[k] = AddLabel(Panel4, 140, y, "0");
        AddLabel(Panel2, 8, y, cases[k]);
        AddLabel(Panel2, 120, y, std::string(symbols[k]) + " =");
        SafetyLabels[k] = AddLabel(Panel2, 170, y, "0");
    }

    auto* units = new ui::Panel(this, "Panel5", {12, 204, 180, 44});
    units->SetBevelOuter(ui::BevelCut::None);
    RadioButton3 = new ui::RadioButton(units, "RadioButton3", {4, 2, 170, 17}, "Cycles");
    RadioButton4 = new ui::RadioButton(units, "RadioButton4", {4, 22, 170, 17}, "Hours");

    AddLabel(this, 12, 262, "n1ekv  [rev/min]");
    AddField(5, this, {130, 258, 80, 21}, [this] {
        const double previous = G.n1;
        if (!ReadNumber(G.n1) || !(G.n1 > 0)) return Refuse("Invalid input");
        if (G.n1 == previous) return;
        // The equivalent speed is the levels' mean: every level runs at it, as the loading window
        // gives a spectrum its speed.
        G.LevelFactorsStale = true;
        RunLevelsAt(G, G.n1);
    });
    AddLabel(this, 12, 288, "R1");
    AddField(6, this, {130, 284, 80, 21}, [this] { CheckInputStressRatio(1); });
    AddLabel(this, 12, 314, "R2");
    AddField(7, this, {130, 310, 80, 21}, [this] { CheckInputStressRatio(2); });
    Button3 = new ui::Button(this, "Button3", {216, 297, 50, 21}, "Help");
    AddLabel(this, 12, 344, "K    = 1");
    AddLabel(this, 20, 350, "A")->SetFontPixels(9);

    Label68 = new ui::Label(this, "Label68", {310, 206, 0, 0}, ">>>");
    Label68->SetFontPixels(32);
    Label68->SetFontStyle(ui::fsBold);
    Label68->SetFontColor(ui::clRed);
    Button1 = new ui::Button(this, "Button1", {400, 212, 130, 25}, "Enter spectrum");
    Button4 = new ui::Button(this, "Button4", {400, 254, 130, 25}, "Draw");
    Button2 = new ui::Button(this, "Button2", {400, 296, 130, 25}, "Back");
    const char* const warnings[4] = {"*", "Strength", "limit", "is exceeded !"};
    const int warningLeft[4] = {304, 316, 366, 396};
    for (int i = 0; i < 4; ++i) {
        WarningLabels[i] = AddLabel(this, warningLeft[i], 344, warnings[i]);
        WarningLabels[i]->SetFontColor(ui::clRed);
    }

    // The design state.
    RadioButton1->SetChecked(true);
    RadioButton3->SetChecked(true);
    Panel2->Hide();

    RadioButton1->OnClick = [this] { RadioButton1Click(); };
    RadioButton2->OnClick = [this] { RadioButton2Click(); };
    RadioButton3->OnClick = [this] { RadioButton3Click(); };
    RadioButton4->OnClick = [this] { RadioButton4Click(); };
    CheckBox1->OnClick = [this] { CheckBox1Click(); };
    CheckBox2->OnClick = [this] { CheckBox2Click(); };
    Button1->OnClick = [this] { Button1Click(); };
    Button2->OnClick = [this] { Button2Click(); };
    Button3->OnClick = [this] { Button3Click(); };
    Button4->OnClick = [this] { Button4Click(); };
    OnCreate = [this] { FormCreate(); };
    OnActivate = [this] { FormActivate(); };
    OnPaint = [this] { FormPaint(); };
    OnClose = [this](ui::CloseAction&) {
        if (G.LifeFormActive) Back();
    };
}

void TZivotnost_F::FormCreate() {
    G.LifeFromSafety = true;
    G.LifeInHours = false;
    G.LifeFormActive = false;
    Button4->SetEnabled(false);
    Label68->Show();
    G.SF1life = G.SH1life = G.SF2life = G.SH2life = 1.0;
    Panel3->Hide();
}

// Results loaded from a data file are kept on this first activation after the load.
void TZivotnost_F::FormActivate() {
    GlobalData& g = G;
    BringDerivedIntoLine();
    g.LifeFormActive = true;
    if (g.LifeValid && g.LoadedFromFile == 0) {
        Label68->Hide();
        Button4->SetEnabled(true);
    }
    if (!g.LifeValid) ClearServiceLifeResults();
    // A case made a spectrum by Miner or Haibach here takes their KA, as their boxes give it: the
    // levels are the actual loads.
    if (g.LoadInputMethod == kOneLevelLoading) RememberOneLevelLoad(g);
    if (!SpectrumByDamage(g)) g.KA = 1;
    g.LoadInputMethod = kMultilevelLoading;
    if (Zatizeni_F) Zatizeni_F->Panel2->Hide();
    const bool miner = g.CalcMethodics == kMethodicsEqA2 || g.CalcMethodics == kMethodicsMiner;
    g.CalcMethodics = miner ? kMethodicsMiner : kMethodicsHaibach;
    CheckBox1->SetChecked(miner);
    CheckBox2->SetChecked(!miner);
    (g.LifeFromSafety ? RadioButton1 : RadioButton2)->SetChecked(true);
    g.LoadedFromFile = 0;
    Repaint();
}

void TZivotnost_F::FormPaint() {
    GlobalData& g = G;
    UpdateStaticLimitWarning();
    (g.SpectrumInCycles ? RadioButton3 : RadioButton4)->SetChecked(true);
    for (int k = 0; k < 4; ++k) {
        ShowOverloadMark(SafetyLabels[k], rt::Str(*kSafety[k], 5, 4), k);
        FillField(k + 1, rt::Str(*kSafety[k], 5, 4));
    }
    FillField(5, rt::Str(g.n1, 5, 1));
    FillField(6, StressRatioText(g.R1, 4));
    FillField(7, StressRatioText(g.R2, 4));
    if (g.CalcMethodics == kMethodicsMiner || g.CalcMethodics == kMethodicsHaibach) SetCaption(CalculationCaption());

    const bool cycles = g.SpectrumInCycles;
    RequiredHeading->SetCaption(cycles ? "Required service life in cycles" : "Required service life in hours");
    LifeHeading->SetCaption(cycles ? "Calculated service life in cycles" : "Calculated service life in hours");
    RequiredLifeLabels[0]->SetCaption(FormatServiceLifeValue(cycles ? g.NL1 : g.NL1h));
    RequiredLifeLabels[1]->SetCaption(FormatServiceLifeValue(cycles ? g.NL2 : g.NL2h));
    const double pinionHours = g.n1 > 0 ? 1 / (60 * g.n1) : 0;
    const double wheelHours = pinionHours * std::fabs(g.z2) / g.z1;
    for (int k = 0; k < 4; ++k) {
        const double life = *kLives[k];
        const bool wheel = k >= 2;
        const double shown = cycles ? life : life * (wheel ? wheelHours : pinionHours);
        ShowOverloadMark(LifeLabels[k], life >= kInfiniteLife ? "Infin." : FormatServiceLifeValue(shown), k);
    }
}

std::string TZivotnost_F::FormatServiceLifeValue(double x) {
    if (x > 99999) return rt::FormatFloat(G.LargeNumberFormat, x);
    return x < 10 ? rt::Str(x, 5, 1) : rt::Str(x, 5, 0);
}

std::string TZivotnost_F::CalculationCaption() {
    return std::string("Calculation of ") + (G.LifeFromSafety ? "service life" : "safety factor") +
           (G.CalcMethodics == kMethodicsMiner ? " by Miner's hypothesis" : " by Haibach's hypothesis");
}

void TZivotnost_F::FieldEntered(int) {
    if (G.LoadedFromFile == 0) G.LifeValid = false;
    ClearServiceLifeResults();
}

void TZivotnost_F::ClearServiceLifeResults() {
    GlobalData& g = G;
    if (!g.LifeValid) {
        if (g.LifeInHours) {
            for (int k = 0; k < 4; ++k) {
                *kSafety[k] = 0;
                SafetyLabels[k]->SetCaption("0");
            }
        }
        for (int k = 0; k < 4; ++k) {
            *kLives[k] = 0;
            LifeLabels[k]->SetCaption("0");
        }
        g.NL1 = g.NL2 = 0;
        for (ui::Label* l : RequiredLifeLabels) l->SetCaption("0");
        Button4->SetEnabled(false);
        Label68->Show();
    }
    if (g.LoadedFromFile != 0) return;
    ZeroEquivalentLoads();
    ClearEquivalentLoadsGiven();
    ZeroEquivalentStresses();
}

void TZivotnost_F::UpdateStaticLimitWarning() {
    CountStaticOverloads();
    const bool over = AnyStaticOverload();
    for (ui::Label* l : WarningLabels) l->SetVisible(over);
}

void TZivotnost_F::RadioButton1Click() {
    if (G.LoadedFromFile == 0) G.LifeValid = false;
    G.LifeFromSafety = true;
    G.LifeInHours = false;
    Panel1->Show();
    Panel4->Show();
    Panel2->Hide();
    Panel3->Hide();
    ClearServiceLifeResults();
    Repaint();  // the caption names the mode
}

void TZivotnost_F::RadioButton2Click() {
    if (G.LoadedFromFile == 0) G.LifeValid = false;
    G.LifeInHours = true;
    G.LifeFromSafety = false;
    Panel3->Show();
    Panel2->Show();
    Panel1->Hide();
    Panel4->Hide();
    ClearServiceLifeResults();
    Repaint();
}

void TZivotnost_F::RadioButton3Click() {
    ConvertKeepingResults(G, [] {
        if (!G.SpectrumInCycles) ConvertHoursToCycles();
        G.SpectrumInCycles = true;
    });
    Repaint();
}

void TZivotnost_F::RadioButton4Click() {
    ConvertKeepingResults(G, [] {
        if (G.SpectrumInCycles) ConvertCyclesToHours();
        G.SpectrumInCycles = false;
    });
    Repaint();
}

// Choosing the hypothesis that is already set changes nothing.
void TZivotnost_F::ChooseHypothesis(bool haibach) {
    GlobalData& g = G;
    ui::CheckBox* chosen = haibach ? CheckBox2 : CheckBox1;
    if (g.HypothesisHaibach == haibach || !chosen->Checked()) return;
    (haibach ? CheckBox1 : CheckBox2)->SetChecked(false);
    g.LoadInputMethod = kMultilevelLoading;
    g.CalcMethodics = haibach ? kMethodicsHaibach : kMethodicsMiner;
    g.KA = 1;
    g.HypothesisHaibach = haibach;
    if (g.LoadedFromFile == 0) g.LifeValid = false;
    ClearServiceLifeResults();
    Repaint();
    if (MainWindow().RepaintMainWindow) MainWindow().RepaintMainWindow();
}

void TZivotnost_F::CheckBox1Click() { ChooseHypothesis(false); }
void TZivotnost_F::CheckBox2Click() { ChooseHypothesis(true); }

void TZivotnost_F::Button1Click() {
    G.LifeValid = false;
    SaveSpectrumEscValues();
    if (!Spektrum_F) return;
    Spektrum_F->SetCaption(CalculationCaption());
    Spektrum_F->ShowModal();
    Repaint();
}

void TZivotnost_F::Button2Click() {
    Back();
    ModalResult = ui::mrOk;
}

void TZivotnost_F::Back() {
    G.LifeFormActive = false;
    if (MainWindow().SetLifePanelVisible) MainWindow().SetLifePanelVisible(G.LifeValid);
}

void TZivotnost_F::Button3Click() {
    if (Help_1) Help_1->Show();
}

// "Draw": the S-N curves of the current case, beside this window.
void TZivotnost_F::Button4Click() {
    if (MainWindow().ShowCoursesWindow) MainWindow().ShowCoursesWindow();
}

}  // namespace karvelo
