// Unit KHbetaF: the window "Determination of the factor KHß".  Four check boxes, one in force,
// choose how the face load factor KHbeta is obtained: by method C (its own window), from a picked
// kinematic arrangement (the picture window; the result becomes a direct input), from the length
// of the contact pattern bcal, or typed directly.  The choice is kept in KHbetaMethod ("ISO_C",
// "bcal" or "primo").
#pragma once

#include "karvelo/forms/InputWindow.h"

namespace karvelo {

class TKHbeta_F : public InputWindow {
public:
    TKHbeta_F();

    ui::CheckBox* CheckBox5;  // "Calculation by Method "C"  ISO 6332 - 1 "
    ui::CheckBox* CheckBox4;  // "Simplified calculation using kinematic arrangement"
    ui::Label* Label2;        // the picked arrangement, beside CheckBox4
    ui::CheckBox* CheckBox2;  // "Calculation from the contact pattern length"
    ui::CheckBox* CheckBox3;  // "Direct input"
    ui::Label* Label3;        // the bcal symbol
    ui::Edit* Edit1;          // bcal [mm]
    ui::Label* Label5;        // "[mm]"
    ui::Label* Label1;        // the KHbeta symbol
    ui::Edit* Edit2;          // KHbeta
    ui::Label* Label4;        // "(For nominal load)"
    ui::Button* Button1;      // "&Ok"
    ui::Button* Button3;      // "&Help"

    // The main window's message hook: a left press on Help, CheckBox2, CheckBox3 or CheckBox5
    // sets ControlPressed3, ControlPressed4, ControlPressed5 or ControlPressed6.
    void PreviewKHbetaMouseDown(const ui::Message& msg);

    void FormCreate();
    void FormActivate();
    void FormPaint();
    void FormDeactivate();
    void CheckBox2Click();
    void CheckBox3Click();
    void CheckBox4Click();
    void CheckBox5Click();
    void Button1Click();
    void Button3Click();

    void CheckInputBcal();
    void CheckInputKHbetaDirect();

    // 2 contact pattern, 3 direct input, 4 kinematic arrangement, 5 method C: decides what
    // unchecking a box does.
    int KHbetaChoice = 3;

    // The ways as the window starts (direct input), shown without acting on the case: after Load
    // data the next opening shows the loaded case's way as after a start.
    void ShowStartingWay();

protected:
    // Leaving bcal repaints the accuracy window.
    void AfterCheck(int n, FieldEvent how) override;

private:
    bool MethodCPerLevel() const;
    void ShowBcalField(bool visible);
    void UncheckOthers(ui::CheckBox* chosen);
    // Shows the method C window or the arrangement picture modally for the way being chosen.
    void ShowWayWindow(ui::Form* window);
    bool showingWay_ = false;  // a way's own window is open (or has just closed)
};

// KHbeta from the contact pattern length: 1 without a pattern, 2 b / bcal for a pattern up to the
// face width, bcal / (bcal - b/2) beyond it.
void ComputeKHbetaFromContactPattern();
// KHbetaPerm := 1, KHbetaEkv := 1.
void ResetKHbetaToOne();
// KHbeta given directly: the value of every spectrum level and the equivalent KHbeta.
void SetKHbetaForAllLevels(double value);

extern TKHbeta_F* KHbeta_F;

}  // namespace karvelo
