#include "karvelo/forms/ZivotnostF.h"

#include <algorithm>

#include "karvelo/calc/Global.h"

namespace karvelo {

TZivotnost_F* Zivotnost_F = nullptr;

TZivotnost_F::TZivotnost_F() : Form("Zivotnost_F") {
    SetCaption("Service life calculation");
    SetClientSize(520, 250);
    BorderIcons = 0;  // left only by "Back", which ends the window's open state
    KeyPreview = true;
    RadioButton1 = new ui::RadioButton(this, "RadioButton1", {16, 16, 400, 17},
                                       "Calculation of service life for given safety factor");
    RadioButton2 = new ui::RadioButton(this, "RadioButton2", {16, 40, 400, 17},
                                       "Calculation of safety factor for given service life ");
    RadioButton1->OnClick = [this] { RadioButton1Click(); };
    RadioButton2->OnClick = [this] { RadioButton2Click(); };
    Label68 = new ui::Label(this, "Label68", {16, 80, 0, 0}, ">>>");
    Label68->SetFontPixels(32);
    Label68->SetFontStyle(ui::fsBold);
    Label68->SetFontColor(ui::clRed);
    const char* warnings[4] = {"*", "Strength", "limit", "is exceeded !"};
    for (int i = 0; i < 4; ++i) {
        WarningLabels[i] = new ui::Label(this, "LabelWarning" + std::to_string(i + 1), {380, 80 + 20 * i, 0, 0}, warnings[i]);
        WarningLabels[i]->SetFontColor(ui::clRed);
        WarningLabels[i]->Hide();
    }
    Button4 = new ui::Button(this, "Button4", {140, 200, 89, 25}, "Draw");
    Button4->SetEnabled(false);
    Button4->OnClick = [this] { Button4Click(); };
    Button2 = new ui::Button(this, "Button2", {290, 200, 89, 25}, "Back");
    Button2->OnClick = [this] { Button2Click(); };
    OnCreate = [this] {
        G.LifeFromSafety = true;
        G.LifeInHours = false;
        G.LifeFormActive = false;
        RadioButton1->SetChecked(true);
        Button4->SetEnabled(false);
        Label68->Show();
    };
    OnActivate = [this] { FormActivate(); };
    OnPaint = [this] { FormPaint(); };
}

void TZivotnost_F::RadioButton1Click() {
    if (G.LoadedFromFile == 0) G.LifeValid = false;
    G.LifeFromSafety = true;
    G.LifeInHours = false;
}

void TZivotnost_F::RadioButton2Click() {
    if (G.LoadedFromFile == 0) G.LifeValid = false;
    G.LifeInHours = true;
    G.LifeFromSafety = false;
}

void TZivotnost_F::UpdateStaticLimitWarning() {
    CountStaticOverloads();
    const bool over = AnyStaticOverload();
    for (ui::Label* l : WarningLabels) l->SetVisible(over);
}

// Results loaded from a data file are kept on this first activation after the load.
void TZivotnost_F::FormActivate() {
    G.LifeFormActive = true;
    if (G.LifeValid && G.LoadedFromFile == 0) {
        Label68->Hide();
        Button4->SetEnabled(true);
    }
    (G.LifeFromSafety ? RadioButton1 : RadioButton2)->SetChecked(true);
    G.LoadedFromFile = 0;
    Repaint();
}

void TZivotnost_F::FormPaint() { UpdateStaticLimitWarning(); }

// "Draw": the S-N curves of the current case, beside this window.
void TZivotnost_F::Button4Click() {
    if (MainWindow().ShowCoursesWindow) MainWindow().ShowCoursesWindow();
}

void TZivotnost_F::Button2Click() {
    G.LifeFormActive = false;
    if (MainWindow().SetLifePanelVisible) MainWindow().SetLifePanelVisible(G.LifeValid);
    ModalResult = ui::mrOk;
}

}  // namespace karvelo
