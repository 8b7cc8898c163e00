// Unit PresnostF: the accuracy window "Gears accuracy grades and deviations".  Its fields
// show the accuracy grades and the actual deviations; the calculation gives the focus to the
// field of a deviation that must come from direct input before it opens the window.
#pragma once

#include <memory>

#include "karvelo/forms/InputWindow.h"

namespace karvelo {

class TPresnost_F : public ui::Form {
public:
    TPresnost_F();

    // Edit1, Edit2 the grades IT1, IT2; Edit3..Edit8 the actual deviations fpr1act, fpr2act,
    // fHbeta1act, fHbeta2act, ffalfa1act, ffalfa2act.
    ui::Edit* EditField(int number) const { return fields_->Edit(number); }
    ui::Button* Button1;  // "&Ok"

    // Makes Edit<number> (3..8) the active control; the helix fields 5 and 6 are shown first.
    void FocusField(int number);
    void FormPaint();

private:
    void ShowHelixRow(bool visible);
    std::unique_ptr<FieldColumn> fields_;
};

extern TPresnost_F* Presnost_F;

}  // namespace karvelo
