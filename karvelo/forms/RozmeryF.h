// Unit RozmeryF: the dimensions window "Input of gears dimensions and related  parameters".
// Its fields show the face widths and body dimensions; the main window's method choice
// enables and disables the face width fields.
#pragma once

#include <memory>

#include "karvelo/forms/InputWindow.h"

namespace karvelo {

class TRozmery_F : public ui::Form {
public:
    TRozmery_F();

    // Edit1..Edit14: b1, b2, bs1, bs2, sR1, sR2, sd1, sd2, dh1, dh2, db, J1, J2, c'.
    ui::Edit* EditField(int number) const { return fields_->Edit(number); }
    ui::Edit* Edit1;  // b1
    ui::Edit* Edit2;  // b2
    ui::CheckBox* CB1;  // "Full pinion"
    ui::CheckBox* CB2;  // "Full wheel"
    ui::CheckBox* CB3;  // reduced mass by ISO
    ui::Button* Button1;  // "&Ok"
    ui::Button* Button3;  // "&Help"

    // The main window's message hook: a left press on CB1, CB2, CB3 or Button3 sets
    // ControlPressed1..ControlPressed4.
    void PreviewRozmeryMouseDown(const ui::Message& msg);
    void FormActivate();
    void FormPaint();

private:
    std::unique_ptr<FieldColumn> fields_;
};

extern TRozmery_F* Rozmery_F;

}  // namespace karvelo
