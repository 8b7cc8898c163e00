// Unit SpektrumF: the spectrum window "Spectrum definition - level method".  The user enters a
// load spectrum of up to 20 levels: per level the load (force or torque, absolute or as a ratio
// to a reference level), the cycles or hours (per level or cumulated), the pinion speed and, for
// Miner and Haibach, the load factors KHbeta, KHalfa, KFalfa and Kv.  Every accepted field goes
// at once into the spectrum arrays of G; Ok checks the table, turns ratios back into loads and
// evaluates the spectrum.  A sample chart shows what the columns mean in the chosen modes.
//
// While the window is open in a ratio mode SpectrumY holds the ratios; the window knows at every
// moment whether it does (HoldsRatios), so that no conversion is done twice.  Absolute loads are
// held in the unit that SpectrumForces/SpectrumTorques record, which is LoadAsForce's unit
// whenever the window is not between two steps of a conversion.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "karvelo/calc/Global.h"
#include "karvelo/forms/InputWindow.h"

namespace karvelo {

// Cycles from hours with the level speeds (NL1 = NL1h 60 n1 for a load that is not a spectrum),
// the totals NL1, NL2, NL1h and, for a spectrum, the mean pinion speed n1 = NL1 / NL1h / 60;
// writes them into the loading window.  Converts only while SpectrumInCycles is False; the
// caller sets the flag afterwards.
void ConvertHoursToCycles();
// The mirror image: hours from cycles (only while SpectrumInCycles is True).
void ConvertCyclesToHours();
// Takes what the spectrum window's Esc brings back: the one-level load in both units, and the
// time and load units.  Run by the window's openers and again when it is shown.
void SaveSpectrumEscValues();
// The absolute spectrum loads into forces or torques when they are held in the other unit
// (SpectrumForces, SpectrumTorques); nothing while the spectrum window holds ratios.  FtLevel
// gets the level loads as forces.
void HoldSpectrumLoadsAs(bool forces);
// The spectrum window's sample chart for the current load unit and modes.
void DrawSampleSpectrum(ui::Canvas& canvas, int width, int height);

class TSpektrum_F : public InputWindow {
public:
    TSpektrum_F();

    ui::PaintBox* PaintBox1;         // the sample chart
    ui::Edit* Edit1;                 // number of levels
    ui::GroupBox* GroupBox2;         // "Axis  y  "
    ui::RadioButton* RadioButton1;   // "Tangent. forces"
    ui::RadioButton* RadioButton2;   // "Torque moments"
    ui::Panel* Panel1;               // the load modes
    ui::RadioButton* RadioButton3;   // "Absolutely"
    ui::RadioButton* RadioButton4;   // "Rate  1/ j"
    ui::RadioButton* RadioButton5;   // "Rate  j / 1"
    ui::RadioButton* RadioButton10;  // "Rate j / min"
    ui::GroupBox* GroupBox3;         // "Axis  x  "
    ui::RadioButton* RadioButton6;   // "Cycles"
    ui::RadioButton* RadioButton7;   // "Hours"
    ui::Panel* Panel2;               // the time modes
    ui::RadioButton* RadioButton8;   // "Absolutely": cumulated
    ui::RadioButton* RadioButton9;   // "Relatively": per level
    ui::Edit* Edit42;                // nominal load (methodics 1 and 2)
    ui::Edit* Edit43;                // reference load of the ratio modes
    ui::GroupBox* GroupBox1;         // "Inputs for PINION  ": the level table
    ui::Button* Button6;             // "Compute factors"
    ui::Button* Button5;             // "Factors = 1"
    ui::Button* Button7;             // "n  nominal" (no action)
    ui::Button* Button2;             // "O&k"
    ui::Button* Button3;             // "&Help" (disabled)
    ui::Button* Button4;             // "&Esc"
    ui::Button* Button1;             // "Reset"

    // Row j (1..20) of the table: Label<2+j> level number, Edit<21+j> load, Edit<1+j> cycles or
    // hours, Edit<43+j> KHbeta, Edit<63+j> KHalfa, Edit<83+j> KFalfa, Edit<103+j> Kv, Edit<123+j>
    // pinion speed.  Field(n) gives Edit<n>.
    static constexpr int kCycles = 1, kLoad = 21, kKHbeta = 43, kKHalfa = 63, kKFalfa = 83, kKv = 103, kSpeed = 123;
    ui::Edit* LevelField(int offset, int j) const { return Field(offset + j); }
    // Label<n> of the window (level numbers 3..22, headers 23..53 and 75), nullptr when none.
    ui::Label* HeaderLabel(int n) const;

    bool HoldsRatios() const { return holdsRatios_; }

    // A per-level factor column: its field offset, its array, and whether it is accepted from 1
    // (KHbeta, Kv) or above 0 (KHalfa, KFalfa).
    struct FactorColumn {
        int offset;
        TLevelArray GlobalData::*values;
        bool atLeastOne;
    };

    // ---- routines of the table
    // Hides Button5, Button6 and every factor and speed field.
    void HideFactorColumns();
    // Hides rows 2..20 of the level, load and cycles columns, then the factor columns.
    void HideSpectrumRows();
    // Shows the factor buttons for a spectrum, row 1 of the factor and speed columns, and rows
    // 2..LevelCount of every column; callers hide first.
    void ShowSpectrumRows();
    // Every level's cycles and load 0 ("  0") and speed n1; "Compute factors" disabled.
    void ResetSpectrumTable();
    // Every level's speed and MinLevelSpeed n1: the levels of a load that is no spectrum are no
    // input of the case.
    void RunLevelsAtNominalSpeed();
    // MinLevelSpeed, then cycles, load and speed of levels 1..LevelCount into their fields.
    void FillSpectrumTable();
    void FillFactorColumns();
    void ClearFactorColumns();
    static std::string FormatLevelCyclesValue(double x);
    std::string FormatLevelLoadValue(double y) const;
    static std::string FormatLevelSpeedValue(double n);
    static std::string FormatLevelFactorValue(double k);
    void HideLoadColumnHeaders();
    void ShowReferenceLoadCaptions();
    // The main window's message hook: a left press on Reset, Help or Esc sets ControlPressed1,
    // ControlPressed3 or ControlPressed4.
    void PreviewSpectrumMouseDown(const ui::Message& msg);

    // ---- axis modes, units and factors
    // FtLevel of levels 1..LevelCount from the loads or ratios.
    void ComputeLevelForces();
    // Enables every load field; in "Rate  1/ j" and "Rate  j / 1" level 1 is fixed at 1.000.
    void LockFirstLevelRatio();
    // Enables every load field; in "Rate j / min" the last level is fixed at 1.000.
    void LockLastLevelRatio();
    // The one of the two above that the load mode in force needs.
    void LockReferenceLevel();

    // ---- handlers
    void FormCreate();
    void FormShow();
    void FormActivate();
    void FormPaint();
    void FormKeyUp(ui::Word key);
    void FormClose();
    void PaintBox1Paint();
    void RadioButton1Click();   // forces
    void RadioButton2Click();   // torques
    void RadioButton3Click();   // absolute loads
    void RadioButton4Click();   // "Rate  1/ j"
    void RadioButton5Click();   // "Rate  j / 1"
    void RadioButton10Click();  // "Rate j / min"
    void RadioButton6Click();   // cycles
    void RadioButton7Click();   // hours
    void RadioButton8Click();   // cumulated
    void RadioButton9Click();   // per level
    void Button1Click();        // Reset
    void Button2Click();        // Ok
    void Button3Click();        // Help
    void Button4Click();        // Esc
    void Button5Click();        // Factors = 1
    void Button6Click();        // Compute factors
    // The factors of the levels, computed as "Compute factors" does (computeGiven) or as the case
    // gives them.
    void ComputeLevelFactorsOfCase(bool computeGiven);

    // ---- validators
    void CheckInputLevelCount();
    void CheckInputLevelCycles();  // Edit2..Edit21: the level is the field number less 1
    void CheckInputLevelLoad();    // Edit22..Edit41: the level is the field number less 21
    void CheckInputSpectrumNominalLoad();
    void CheckInputSpectrumReferenceLoad();
    void CheckInputLevelKHbeta();
    void CheckInputLevelKHalfa();
    void CheckInputLevelKFalfa();
    void CheckInputLevelKv();
    void CheckInputLevelSpeed();

protected:
    void AfterCheck(int n, FieldEvent how) override;
    void ValuesRestored() override;
    void WindowHidden() override;

private:
    enum class LoadMode { Absolute, MaxToLevel, LevelToMax, LevelToMin };
    static LoadMode CurrentLoadMode();
    void CheckInputLevelFactor(const FactorColumn& column);
    bool CheckSpectrumOrder();
    // SpectrumY from loads to ratios of `mode` with the reference `ref`, and back.
    void ToRatios(LoadMode mode, double ref);
    void ToLoads();
    // Absolute SpectrumY (not ratios) into forces or torques.
    void HoldLoadsAs(bool forces);
    void SwitchToRatioMode(LoadMode mode);
    void SwitchLoadUnit(bool forces);
    void SetLoadMode(LoadMode mode);
    void ApplyLoadModeControls(LoadMode mode);
    void ShowLoadHeaders();
    void ShowTimeHeaders();
    // In the absolute mode "Compute factors" and the ratio modes need every load above 0.
    void UpdateRatioButtons();
    void SetFactorColumnsReachable(bool reachable);
    // The window's width by the methodics (SpectrumByDamage: wide).
    void SizeForMethodics();
    void ShowNotGreaterThanPrevious(int j);
    void ShowNotSmallerThanPrevious(int j);
    void ShowNotSmallerThanSubsequent(int j);
    void ShowSpectrumInvalidInput();
    // Ok and a speed entry: totals and mean speed from the current level speeds; the x values
    // stay exactly as entered.
    void RefreshSpectrumTotals();

    std::array<ui::Label*, 80> labels_{};  // Label<n>
    std::unique_ptr<ui::Bitmap> chart_;
    bool holdsRatios_ = false;
};

extern TSpektrum_F* Spektrum_F;

}  // namespace karvelo
