// Unit KHbetaF: the window "Determination of the factor KHß".  Its check boxes show how KHbeta
// is obtained (method C, kinematic arrangement, contact pattern, direct input); Edit1 shows
// the contact pattern length and Edit2 the factor.  The main window's gearing choice resets
// it to direct input.
#pragma once

#include "karvelo/forms/InputWindow.h"

namespace karvelo {

class TKHbeta_F : public ui::Form {
public:
    TKHbeta_F();

    ui::CheckBox* CheckBox5;  // "Calculation by Method "C"  ISO 6332 - 1 "
    ui::CheckBox* CheckBox4;  // "Simplified calculation using kinematic arrangement"
    ui::CheckBox* CheckBox2;  // "Calculation from the contact pattern length"
    ui::CheckBox* CheckBox3;  // "Direct input"
    ui::Label* Label2;        // beside the arrangement check box
    ui::Label* Label3;        // "bcal [mm]"
    ui::Edit* Edit1;          // bcal
    ui::Label* Label4;        // "(For nominal load)"
    ui::Edit* Edit2;          // KHbeta
    ui::Button* Button1;      // "&Ok"
    ui::Button* Button3;      // "&Help"

    // The main window's message hook: a left press on Help, CheckBox2, CheckBox3 or CheckBox5
    // sets ControlPressed3, ControlPressed4, ControlPressed5 or ControlPressed6.
    void PreviewKHbetaMouseDown(const ui::Message& msg);
    void FormActivate();
};

extern TKHbeta_F* KHbeta_F;

}  // namespace karvelo
