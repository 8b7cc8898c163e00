// Unit SpektrumF: the spectrum window "Spectrum definition - level method".  Its level table
// shows the levels of the spectrum: level number, load, cycles or hours, the four per-level
// load factors and the pinion speed of each level.  Created at start-up, it puts its sample
// spectrum of five levels (torques 4000 .. 800 N.m, 1000 rev/min) into the case.
#pragma once

#include <array>

#include "karvelo/calc/Global.h"
#include "karvelo/forms/InputWindow.h"

namespace karvelo {

class TSpektrum_F : public ui::Form {
public:
    TSpektrum_F();

    ui::Edit* Edit1;  // number of levels
    // Row j (1..20): Label<2+j> level number, Edit<1+j> cycles or hours, Edit<21+j> load,
    // Edit<43+j> KHbeta, Edit<63+j> KHalfa, Edit<83+j> KFalfa, Edit<103+j> Kv, Edit<123+j> n1.
    std::array<ui::Label*, kMaxLevels + 1> LevelLabel{};
    std::array<ui::Edit*, kMaxLevels + 1> CyclesEdit{}, LoadEdit{}, KHbetaEdit{}, KHalfaEdit{}, KFalfaEdit{},
        KvEdit{}, SpeedEdit{};
    // Load column headers: Label30 "F", Label31 "tj", Label40 "[N]" (forces); Label32 "T",
    // Label33 " j", Label41 "[N·m]" (torques); Label34..Label39, Label43, Label44 (ratios).
    ui::Label* HeaderLabel(int number) const;
    ui::GroupBox* GroupBox1;  // "Inputs for PINION  "
    ui::Button* Button1;  // "Reset"
    ui::Button* Button2;  // "O&k"
    ui::Button* Button3;  // "&Help"
    ui::Button* Button4;  // "&Esc"
    ui::Button* Button5;  // "Factors = 1"
    ui::Button* Button6;  // "Compute factors"

    // Hides rows 2..20 of the level number, load and cycles columns, then the factor columns.
    void HideSpectrumRows();
    // Shows row 1 of the factor and speed columns and rows 2..LevelCount of every column (the
    // factor buttons only for a spectrum); callers hide first.
    void ShowSpectrumRows();
    void HideFactorColumns();
    void HideLoadColumnHeaders();
    // The main window's message hook: a left press on Reset, Help or Esc sets
    // ControlPressed1, ControlPressed3 or ControlPressed4.
    void PreviewSpectrumMouseDown(const ui::Message& msg);
    void FormActivate();
    void FormPaint();

private:
    std::array<ui::Label*, 16> headers_{};  // Label30..Label45 (Label42 and Label45 unused here)
};

extern TSpektrum_F* Spektrum_F;

}  // namespace karvelo
