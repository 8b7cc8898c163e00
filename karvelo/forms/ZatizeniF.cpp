#include "karvelo/forms/ZatizeniF.h"

#include <algorithm>

#include "karvelo/calc/Global.h"
#include "runtime/NumText.h"

namespace karvelo {

TZatizeni_F* Zatizeni_F = nullptr;

namespace {

std::string F(double x, int w, int d) { return rt::Str(x, w, d); }
std::string Cycles(double cycles, double hours) {
    return G.SpectrumInCycles ? rt::FormatFloat(G.LargeNumberFormat, cycles) : F(hours, 5, 1);
}

void ZeroEquivalents() {
    G.FtFe1 = G.FtHe1 = G.FtFe2 = G.FtHe2 = 0;
    G.TFe1 = G.THe1 = G.TFe2 = G.THe2 = 0;
    G.SigmaF1ekv = G.SigmaH1ekv = G.SigmaF2ekv = G.SigmaH2ekv = 0;
}

void ClearEquivalentLoadsGiven() {
    G.EquivLoadGiven1 = G.EquivLoadGiven2 = G.EquivLoadGiven3 = G.EquivLoadGiven4 = false;
}

}  // namespace

TZatizeni_F::TZatizeni_F() : Form("Zatizeni_F") {
    SetCaption("Loading data");
    SetClientSize(560, 330);
    BorderIcons = 0;
    BorderStyle = ui::BorderStyle::Single;
    KeyPreview = true;
    GroupBox1 = new ui::GroupBox(this, "GroupBox1", {12, 8, 260, 90}, "Calculation method");
    RadioButton3 = new ui::RadioButton(GroupBox1, "RadioButton3", {10, 20, 240, 17}, "One level loading (static)");
    RadioButton4 = new ui::RadioButton(GroupBox1, "RadioButton4", {10, 42, 240, 17}, "Multilevel loading (spectrum)");
    RadioButton5 = new ui::RadioButton(GroupBox1, "RadioButton5", {10, 64, 240, 17}, "Direct input of equivalent load");
    RadioButton3->SetChecked(true);
    RadioButton4->SetEnabled(false);
    RadioButton5->SetEnabled(false);
    RadioButton3->OnClick = [this] { RadioButton3Click(); };

    fields_ = std::make_unique<FieldColumn>(this, 12, 112, 7, std::vector<FieldColumn::Field>{
        {1, "T1 [N m] / Ft1 [N]", [] { return F(G.LoadAsForce ? G.Ftjm : G.Tjm, 5, 1); }},
        {2, "n1 [rev/min]", [] { return F(G.n1, 5, 1); }},
        {3, "NL1", [] { return Cycles(G.NL1, G.NL1h); }},
        {4, "NL2", [] { return Cycles(G.NL2, G.NL2h); }},
        {5, "R1", [] { return F(G.R1, 5, 3); }},
        {6, "R2", [] { return F(G.R2, 5, 3); }},
        {7, "KA", [] { return F(G.KA, 5, 3); }},
    });

    LabelMPa = new ui::Label(this, "LabelMPa", {300, 112, 0, 0}, "[MPa]");
    const char* names[4] = {"LabelSigmaFe1", "LabelSigmaHe1", "LabelSigmaFe2", "LabelSigmaHe2"};
    for (int i = 0; i < 4; ++i) EquivalentStressLabels[i] = new ui::Label(this, names[i], {300, 136 + 24 * i, 90, 16}, "0");
    const char* warnings[4] = {"*", "Strength limit", "is", "exceeded !"};
    for (int i = 0; i < 4; ++i) {
        WarningLabels[i] = new ui::Label(this, "LabelWarning" + std::to_string(i + 1), {420, 112 + 20 * i, 0, 0}, warnings[i]);
        WarningLabels[i]->SetFontColor(ui::clRed);
        WarningLabels[i]->Hide();
    }
    LabelMPa->Hide();
    for (ui::Label* l : EquivalentStressLabels) l->Hide();

    Button4 = new ui::Button(this, "Button4", {300, 290, 89, 25}, "Draw");
    Button4->SetEnabled(false);
    Button14 = new ui::Button(this, "Button14", {420, 290, 89, 25}, "&Ok");
    Button14->OnClick = [this] { Button14Click(); };
    OnActivate = [this] { FormActivate(); };
    OnPaint = [this] { FormPaint(); };
    OnKeyUp = [this](ui::Word& key, ui::ShiftState) { HelpKeyUp(key, HelpContext()); };
}

void TZatizeni_F::RadioButton3Click() {
    const int previous = G.LoadInputMethod;
    if ((previous == 2 && G.CalcMethodics >= 3) || previous == 3) {
        G.Ftjm = 0;
        G.Tjm = 0;
        if (G.LoadAsForce)
            G.Ftjm = std::max({0.0, G.FtFe1, G.FtFe2, G.FtHe1, G.FtHe2});
        else
            G.Tjm = std::max({0.0, G.TFe1, G.TFe2, G.THe1, G.THe2});
        G.FtFe1Used = G.FtFe1;
        G.FtHe1Used = G.FtHe1;
        G.FtFe2Used = G.FtFe2;
        G.FtHe2Used = G.FtHe2;
        G.KHbeta = G.KHbetaEkv;
        G.KHalfa = G.KHalfaEkv;
        G.Kv = G.KvEkv;
        G.KH = G.KHbeta * G.KHalfa * G.Kv;
        G.KFbeta = G.KFbetaEkv;
        G.KFalfa = G.KFalfaEkv;
        G.KF = G.KFbeta * G.KFalfa * G.Kv;
    }
    G.LevelCount = 1;
    G.LoadInputMethod = 1;
    // One level keeps Miner (methodics 3) and otherwise takes Haibach (4): the approximate
    // methodics 1 and 2 become Haibach, and a changed methodics withdraws the equivalent values.
    if (G.CalcMethodics != 3 && G.CalcMethodics != 4) {
        ZeroEquivalents();
        G.CalcMethodics = 4;
        G.HypothesisHaibach = true;
        G.EquivalentStressesCurrent = false;
        ShowEquivalentStresses();
        if (MainWindow().RepaintMainWindow) MainWindow().RepaintMainWindow();
    }
    ClearEquivalentLoadsGiven();
    Repaint();
}

void TZatizeni_F::ShowEquivalentStresses() {
    const bool shown = G.CalcMethodics >= 3;
    LabelMPa->SetVisible(shown);
    for (ui::Label* l : EquivalentStressLabels) l->SetVisible(shown);
    if (!G.EquivalentStressesCurrent && !G.LifeFormActive) {
        G.SigmaF1ekv = G.SigmaH1ekv = G.SigmaF2ekv = G.SigmaH2ekv = 0;
        for (ui::Label* l : EquivalentStressLabels) l->SetCaption("0");
    }
    G.EquivalentStressesCurrent = true;
}

void TZatizeni_F::CountLevelsOverStaticLimit() {
    CountStaticOverloads();
}

void TZatizeni_F::FormActivate() {
    switch (G.LoadInputMethod) {
        case 2: RadioButton4->SetChecked(true); break;
        case 3: RadioButton5->SetChecked(true); break;
        default: RadioButton3->SetChecked(true); break;
    }
    ShowEquivalentStresses();
    Repaint();
}

void TZatizeni_F::FormPaint() {
    CountLevelsOverStaticLimit();
    const bool over = AnyStaticOverload();
    for (ui::Label* l : WarningLabels) l->SetVisible(G.LoadInputMethod == 2 && over);
    fields_->Fill();
    const double stresses[4] = {G.SigmaF1ekv, G.SigmaH1ekv, G.SigmaF2ekv, G.SigmaH2ekv};
    const int counts[4] = {G.StaticOverloadCountF1, G.StaticOverloadCountH1, G.StaticOverloadCountF2,
                           G.StaticOverloadCountH2};
    for (int i = 0; i < 4; ++i) {
        EquivalentStressLabels[i]->SetCaption(F(stresses[i], 5, 1) + (counts[i] > 0 ? " *" : ""));
        EquivalentStressLabels[i]->SetFontColor(counts[i] > 0 ? ui::clRed : ui::clBlack);
    }
}

void TZatizeni_F::Button14Click() { ModalResult = ui::mrOk; }

unsigned long TZatizeni_F::HelpContext() const {
    if (G.LoadInputMethod == 1) return 42;
    switch (G.CalcMethodics) {
        case 1: return 43;
        case 2: return 45;
        case 3: return 46;
        default: return 41;
    }
}

}  // namespace karvelo
