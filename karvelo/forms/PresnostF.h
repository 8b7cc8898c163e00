// Unit PresnostF: the accuracy window "Gears accuracy grades and deviations".  The user enters the
// accuracy grades of pinion and wheel and, where known, the actual (measured) single pitch, helix
// slope and profile form deviations; a deviation without an actual value is the allowable one of
// its grade by ISO 1328-1:2013.  The window shows the allowable and the actual deviations side by
// side; the helix slope row matters only to KHbeta by method C and is shown only then.
#pragma once

#include <array>

#include "karvelo/forms/InputWindow.h"

namespace karvelo {

class TPresnost_F : public InputWindow {
public:
    TPresnost_F();

    // Edit1, Edit2 the grades IT1, IT2; Edit3..Edit8 the actual deviations fpr1act, fpr2act,
    // fHbeta1act, fHbeta2act, ffalfa1act, ffalfa2act.
    ui::Edit* EditField(int number) const { return Field(number); }
    // Beside actual field n (3..8): the deviation used by the calculation, and "measured" while
    // the actual value is used instead.
    ui::Label* UsedLabel(int n) const { return used_.at(n - 3); }
    ui::Label* StatusLabel(int n) const { return status_.at(n - 3); }
    ui::GroupBox* GroupBox1;  // "Allowable deviations "
    ui::GroupBox* GroupBox2;  // "Actual deviations - act"
    ui::Button* Button1;      // "&Ok"
    ui::Button* Button2;      // "&Reset"
    ui::Button* Button3;      // "&Help"

    // Makes Edit<number> (3..8) the active control; the helix fields 5 and 6 are shown first.
    void FocusField(int number);
    void FormCreate();
    void FormPaint();
    void Button2Click();
    void Button3Click();

    void CheckInputIT1();
    void CheckInputIT2();
    void CheckInputFp1Act();
    void CheckInputFp2Act();
    void CheckInputFHbeta1Act();
    void CheckInputFHbeta2Act();
    void CheckInputFfalfa1Act();
    void CheckInputFfalfa2Act();

protected:
    // Every check is followed by a repaint, which shows the deviations in use.
    void AfterCheck(int n, FieldEvent how) override;

private:
    void CheckGrade(std::int16_t& grade);
    void CheckActualDeviation(int n);
    void ShowHelixRow(bool visible);
    std::array<ui::Label*, 6> used_{};
    std::array<ui::Label*, 6> status_{};
    std::array<ui::Label*, 3> rowLabels_{};
};

extern TPresnost_F* Presnost_F;

}  // namespace karvelo
