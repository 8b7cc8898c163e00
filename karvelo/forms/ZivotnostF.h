// Unit ZivotnostF: the service-life window "Service life calculation".  It keeps one of the
// two service-life modes, shows whether the spectrum's levels exceed a static strength limit,
// and on "Back" shows the main window's service-life frame when the results are current.
#pragma once

#include "karvelo/forms/InputWindow.h"

namespace karvelo {

class TZivotnost_F : public ui::Form {
public:
    TZivotnost_F();

    ui::RadioButton* RadioButton1;  // "Calculation of service life for given safety factor"
    ui::RadioButton* RadioButton2;  // "Calculation of safety factor for given service life "
    ui::Label* Label68;              // ">>>": the results are not current
    ui::Label* WarningLabels[4];     // "*", "Strength", "limit", "is exceeded !"
    ui::Button* Button4;             // "Draw"
    ui::Button* Button2;             // "Back"

    void RadioButton1Click();
    void RadioButton2Click();
    // Recounts the levels over the static limits and shows the warning when any is.
    void UpdateStaticLimitWarning();
    void FormActivate();
    void FormPaint();
    void Button2Click();
    void Button4Click();
};

extern TZivotnost_F* Zivotnost_F;

}  // namespace karvelo
