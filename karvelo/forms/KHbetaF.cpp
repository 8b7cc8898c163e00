#include "karvelo/forms/KHbetaF.h"

#include <string>

#include "karvelo/calc/Global.h"
#include "karvelo/forms/KHbetaC.h"
#include "karvelo/forms/PresnostF.h"
#include "karvelo/forms/Schemata.h"
#include "runtime/NumText.h"

namespace karvelo {

TKHbeta_F* KHbeta_F = nullptr;

void ComputeKHbetaFromContactPattern() {
    GlobalData& g = G;
    if (g.bcal == 0)
        g.KHbeta = 1;
    else if (g.bcal > g.b)
        g.KHbeta = g.bcal / (g.bcal - g.b / 2);
    else
        g.KHbeta = 2 * g.b / g.bcal;
}

void ResetKHbetaToOne() {
    G.KHbetaPerm = 1;
    G.KHbetaEkv = 1;
}

void SetKHbetaForAllLevels(double value) {
    for (int j = 1; j <= kMaxLevels; ++j) G.KHbetaLevel[j] = value;
    G.KHbetaEkv = value;
}

namespace {

std::string KHbetaText() { return rt::Str(G.KHbeta, 5, 3); }

}  // namespace

TKHbeta_F::TKHbeta_F() : InputWindow("KHbeta_F") {
    SetCaption("Determination of the factor KHß");
    SetClientSize(440, 246);
    Position = ui::Position::BesideOwner;
    BorderStyle = ui::BorderStyle::Single;
    BorderIcons = 0;  // left by Ok (or Esc) only, which refuses a direct KHbeta below 1
    KeyPreview = true;
    CheckBox5 = new ui::CheckBox(this, "CheckBox5", {16, 16, 400, 17}, "Calculation by Method \"C\"  ISO 6332 - 1 ");
    CheckBox4 =
        new ui::CheckBox(this, "CheckBox4", {16, 44, 330, 17}, "Simplified calculation using kinematic arrangement");
    Label2 = new ui::Label(this, "Label2", {350, 45, 50, 16});
    Label2->SetFontStyle(ui::fsBold);
    CheckBox2 = new ui::CheckBox(this, "CheckBox2", {16, 72, 330, 17}, "Calculation from the contact pattern length");
    CheckBox3 = new ui::CheckBox(this, "CheckBox3", {16, 100, 330, 17}, "Direct input");
    CheckBox3->SetChecked(true);  // as designed: direct input in force
    Label3 = new ui::Label(this, "Label3", {36, 144}, "bcal =");
    Label3->SetFontColor(ui::clBlue);
    Edit1 = AddField(1, this, {80, 140, 64, 21}, [this] { CheckInputBcal(); });
    Label5 = new ui::Label(this, "Label5", {150, 144}, "[mm]");
    Label1 = new ui::Label(this, "Label1", {240, 144}, "KHβ =");
    Label1->SetFontStyle(ui::fsBold);
    Edit2 = AddField(2, this, {284, 140, 64, 21}, [this] { CheckInputKHbetaDirect(); });
    Label4 = new ui::Label(this, "Label4", {272, 168}, "(For nominal load)");
    Button1 = new ui::Button(this, "Button1", {110, 204, 89, 25}, "&Ok");
    Button3 = new ui::Button(this, "Button3", {240, 204, 89, 25}, "&Help");

    AddPreview(Button3, G.ControlPressed3);
    AddPreview(CheckBox2, G.ControlPressed4);
    AddPreview(CheckBox3, G.ControlPressed5);
    AddPreview(CheckBox5, G.ControlPressed6);
    SkipChecksWhilePressed();

    CheckBox2->OnClick = [this] { CheckBox2Click(); };
    CheckBox3->OnClick = [this] { CheckBox3Click(); };
    CheckBox4->OnClick = [this] { CheckBox4Click(); };
    CheckBox5->OnClick = [this] { CheckBox5Click(); };
    Button1->OnClick = [this] { Button1Click(); };
    Button3->OnClick = [this] { Button3Click(); };
    OnCreate = [this] { FormCreate(); };
    OnActivate = [this] { FormActivate(); };
    OnPaint = [this] { FormPaint(); };
    OnDeactivate = [this] { FormDeactivate(); };
    // Esc leaves it as Ok does, with Ok's check.
    OnKeyUp = [this](ui::Word& key, ui::ShiftState) {
        HelpKeyUp(key, 71);
        if (key == ui::VK_ESCAPE) Button1Click();
    };
}

// Method C in force for a spectrum or equivalent loads: no one KHbeta to show.
bool TKHbeta_F::MethodCPerLevel() const {
    return G.KHbetaMethod == "ISO_C" && G.LoadInputMethod > kOneLevelLoading && CheckBox5->Checked();
}

void TKHbeta_F::PreviewKHbetaMouseDown(const ui::Message& msg) { PreviewMouse(msg); }

void TKHbeta_F::ShowBcalField(bool visible) {
    Label3->SetVisible(visible);
    Edit1->SetVisible(visible);
    Label5->SetVisible(visible);
}

// The ways exclude one another: checking one unchecks the other three (their handlers see that
// KHbetaChoice has already moved on).
void TKHbeta_F::UncheckOthers(ui::CheckBox* chosen) {
    for (ui::CheckBox* box : {CheckBox5, CheckBox4, CheckBox2, CheckBox3})
        if (box != chosen) box->SetChecked(false);
}

void TKHbeta_F::ShowWayWindow(ui::Form* window) {
    if (!window) return;
    const ScopedFlag showingWay(showingWay_);
    window->ShowModal();
}

void TKHbeta_F::FormCreate() {
    ClearPreviewFlags();
    ShowStartingWay();
    InputWindow::FocusField(2);
    Edit2->SetText(KHbetaText());
}

void TKHbeta_F::ShowStartingWay() {
    for (ui::CheckBox* box : {CheckBox5, CheckBox4, CheckBox2, CheckBox3}) box->SetCheckedQuietly(box == CheckBox3);
    KHbetaChoice = 3;
    ShowBcalField(false);
    Edit1->SetText("");
    Edit2->SetEnabled(true);
    Label2->SetCaption("");
}

// Every opening puts the service-life results out of date and shows the stored way: a stored
// "ISO_C" opens the method C window again, unless the pair is internal (no method C for it).
void TKHbeta_F::FormActivate() {
    G.LifeValid = false;
    G.EquivalentStressesCurrent = false;
    ClearPreviewFlags();  // a flag another window left set must not silence this window's checks
    // Method C is for an external pair only, also when the gearing came from a loaded file.
    CheckBox5->SetEnabled(G.GearingType == kExternalPair);
    // The activation that follows the close of a way's own window belongs to the click that
    // opened it, which then finishes the choice itself.
    const std::string key = showingWay_ ? std::string() : G.KHbetaMethod;
    if (key == "ISO_C") {
        if (G.GearingType == kExternalPair) {
            if (!CheckBox5->Checked()) CheckBox5->SetChecked(true);
        } else {
            // No method C for an internal pair: the factor shown is given directly.
            CheckBox3->Checked() ? CheckBox3Click() : CheckBox3->SetChecked(true);
        }
    } else if (key == "bcal") {
        if (!CheckBox2->Checked()) CheckBox2->SetChecked(true);
    } else if (key == "primo") {
        if (!CheckBox3->Checked()) CheckBox3->SetChecked(true);
    }
    const bool perLevel = MethodCPerLevel();
    FillField(2, perLevel ? "" : KHbetaText());
    Label4->SetVisible(!perLevel);
}

void TKHbeta_F::FormPaint() {
    if (G.KHbetaMethod == "bcal") {
        FillField(1, rt::Str(G.bcal, 5, 3));
        Label4->Show();
        if (G.KHbetaDirect) {
            FillField(2, KHbetaText());
            Label4->Hide();
        }
    }
    if (MethodCPerLevel()) {
        FillField(2, "");
        Label4->Hide();
    }
    if (CheckBox4->Checked()) {
        Label2->SetCaption("  " + rt::Str(static_cast<long long>(G.ArrangementNo)));
        FillField(1, "");
    }
}

void TKHbeta_F::FormDeactivate() {
    if (Presnost_F) Presnost_F->Repaint();
}

void TKHbeta_F::AfterCheck(int n, FieldEvent how) {
    if (n == 1 && how == FieldEvent::Exit && Presnost_F) Presnost_F->Repaint();
}

// ---- the ways

void TKHbeta_F::CheckBox2Click() {
    if (CheckBox2->Checked()) {
        KHbetaChoice = 2;
        G.KHbetaMethod = "bcal";
        ShowBcalField(true);
        Edit2->SetEnabled(false);
        Label2->SetCaption("");
        ComputeKHbetaFromContactPattern();
        UncheckOthers(CheckBox2);
        Edit2->SetText(KHbetaText());
        G.KHbetaDirect = true;
        G.SpectrumLevelsShown = true;
        InputWindow::FocusField(1);
    } else if (KHbetaChoice == 2) {
        ShowBcalField(false);
        CheckBox3->SetChecked(true);
        G.KHbetaDirect = true;
    }
    ResetKHbetaToOne();
    G.ControlPressed4 = false;
    Repaint();
}

// Direct input cannot be switched off by itself: another way is chosen instead.
void TKHbeta_F::CheckBox3Click() {
    if (CheckBox3->Checked()) {
        KHbetaChoice = 3;
        G.KHbetaMethod = "primo";
        ShowBcalField(false);
        Edit2->SetEnabled(true);
        UncheckOthers(CheckBox3);
        Label2->SetCaption("");
        G.KHbetaDirect = true;
        G.SpectrumLevelsShown = true;
        SetKHbetaForAllLevels(G.KHbeta);
        InputWindow::FocusField(2);
    } else if (KHbetaChoice == 3) {
        CheckBox3->SetChecked(true);
    }
    G.ControlPressed5 = false;
    Repaint();
}

// The picked arrangement gives KHbeta, which then stands as a direct input; closing the picture
// without a pick keeps the KHbeta there was.
void TKHbeta_F::CheckBox4Click() {
    if (!CheckBox4->Checked()) return;
    KHbetaChoice = 4;
    const double saved = G.KHbeta;
    ShowBcalField(false);
    Edit2->SetEnabled(false);
    UncheckOthers(CheckBox4);
    ShowWayWindow(Pudorysne_schema);
    Label2->SetCaption(G.ArrangementNo == kNoArrangement ? std::string()
                                                         : "  " + rt::Str(static_cast<long long>(G.ArrangementNo)));
    ResetKHbetaToOne();
    if (G.ArrangementNo == kNoArrangement) G.KHbeta = saved;
    G.ControlPressed5 = false;
    Edit2->SetText(KHbetaText());
    G.KHbetaDirect = true;
    CheckBox3->SetChecked(true);
    Repaint();
}

void TKHbeta_F::CheckBox5Click() {
    if (CheckBox5->Checked()) {
        ResetKHbetaToOne();
        G.LevelFactorsStale = true;
        KHbetaChoice = 5;
        G.KHbetaMethod = "ISO_C";
        ShowBcalField(false);
        Edit2->SetEnabled(false);
        UncheckOthers(CheckBox5);
        Label2->SetCaption("");
        ShowWayWindow(KHbeta_C);
        // Per spectrum level KHbeta has no one value to show.
        if (G.KHbetaMethod != "ISO_C" || G.LoadInputMethod < kMultilevelLoading) {
            Edit2->SetText(KHbetaText());
        } else {
            Edit2->SetText("");
            Label4->Hide();
        }
        G.KHbetaDirect = false;
    } else if (KHbetaChoice == 5) {
        G.KHbetaDirect = true;
        Edit2->SetText(KHbetaText());
        CheckBox2->SetChecked(false);
        CheckBox3->SetChecked(true);
    }
    G.ControlPressed6 = false;
    Repaint();
}

// A KHbeta below 1 (an arrangement can give one) is not taken as a direct input.
void TKHbeta_F::Button1Click() {
    if (G.KHbetaDirect && G.KHbeta < 1) {
        ui::ShowMessage("KHbeta must be greater than or equal to 1");
        CheckBox2->SetChecked(false);
        CheckBox3->SetChecked(true);
        InputWindow::FocusField(2);
        return;
    }
    ModalResult = ui::mrOk;
}

void TKHbeta_F::Button3Click() {
    G.ControlPressed3 = false;
    if (!ui::Help(kHelpFile, ui::HELP_CONTEXT, 71)) ui::ShowMessage("chyba");
}

// ---- validators (silent while one of the listed controls is being pressed)

// An empty field is no contact pattern: bcal 0, KHbeta 1, no longer a direct input.
void TKHbeta_F::CheckInputBcal() {
    const std::string text = FieldText();
    if (text.empty())
        G.bcal = 0;
    else if (!ReadNumber(G.bcal) || G.bcal < 0)
        return Refuse("Invalid input of the contact pattern length bcal");
    ComputeKHbetaFromContactPattern();
    if (G.bcal != 0 && !text.empty()) {
        SetKHbetaForAllLevels(G.KHbeta);
        G.KHbetaDirect = true;
        G.KHbetaMethod = "bcal";
        G.SpectrumLevelsShown = true;
    } else {
        G.KHbeta = 1;
        G.KHbetaDirect = false;
        SetKHbetaForAllLevels(1);
    }
    Edit2->SetText(KHbetaText());
}

void TKHbeta_F::CheckInputKHbetaDirect() {
    if (!ReadNumber(G.KHbeta) || G.KHbeta < 1) return Refuse("KHbeta must be greater than or equal to 1");
    if (CheckBox5->Checked()) return;
    G.KHbetaDirect = true;
    G.KHbetaMethod = "primo";
    G.SpectrumLevelsShown = true;
    SetKHbetaForAllLevels(G.KHbeta);
}

}  // namespace karvelo
