// Unit ZatizeniF: the loading window "Loading data".  The load of a case is given in one of three
// ways, each with its panel: one level (nominal load, speed, cycles or hours, stress ratios, KA),
// a spectrum entered in the spectrum window and reduced to equivalent loads by one of four
// methodics, or the four equivalent loads typed directly.  Every accepted field goes at once into
// G; Ok closes the window after a completeness check.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "karvelo/calc/Global.h"
#include "karvelo/calc/Odvozene.h"
#include "karvelo/forms/InputWindow.h"

namespace karvelo {

// Switch every load of the case (nominal, reference and equivalent loads) between torques and
// forces, F = T 2000 / d1; nothing when the loads are in that unit already.  The spectrum loads
// are converted by the callers.
void ConvertLoadsToForces();
void ConvertLoadsToTorques();

// None of the four equivalent loads counted as typed.
void ClearEquivalentLoadsGiven();

class TZatizeni_F : public InputWindow {
public:
    TZatizeni_F();

    ui::GroupBox* GroupBox1;        // "Calculation method"
    ui::RadioButton* RadioButton3;  // "One level loading (static)"
    ui::RadioButton* RadioButton4;  // "Multilevel loading (spectrum)"
    ui::RadioButton* RadioButton5;  // "Direct input of equivalent load"
    // The methodics, one choice: fig. A3, eq. A2, Miner, Haibach.
    ui::CheckBox* CheckBox1;
    ui::CheckBox* CheckBox2;
    ui::CheckBox* CheckBox3;
    ui::CheckBox* CheckBox4;

    // One level: Edit1..Edit7 (nominal load, n1, NL1, NL2, R1, R2, KA).
    ui::Panel* Panel2;
    ui::Button* Button1;            // "Help" beside R1
    ui::Button* Button2;            // "Help" beside R2
    ui::Button* Button3;            // "Help" beside KA
    ui::RadioButton* RadioButton1;  // "Cycles"
    ui::RadioButton* RadioButton2;  // "Hours"
    ui::RadioButton* RadioButton7;  // "Tangent. force Ft"
    ui::RadioButton* RadioButton8;  // "Torque moment T"
    // Spectrum: Edit18..Edit20 (n1, R1, R2), KA; Panel4 the equivalent loads and stresses.
    ui::Panel* Panel1;
    ui::Button* Button10;            // "Help" beside R1
    ui::Button* Button11;            // "Help" beside R2
    ui::Label* LabelKA;              // "K   = " and KA
    ui::RadioButton* RadioButton11;  // "Tangential forces Ft "
    ui::RadioButton* RadioButton12;  // "Torque moments T"
    ui::Panel* Panel4;
    ui::Label* EquivalentLoadLabels[4];    // FtFe1 (TFe1), FtHe1, FtFe2, FtHe2
    ui::Label* EquivalentStressLabels[4];  // SigmaF1ekv, SigmaH1ekv, SigmaF2ekv, SigmaH2ekv
    ui::Label* LabelCalculating;           // "It is calculating"
    // Equivalent loads given: Edit9..Edit13 (n1, NL1, NL2, R1, R2); Panel5 Edit22..Edit25.
    ui::Panel* Panel3;
    ui::Button* Button5;             // "Help" beside R1
    ui::Button* Button6;             // "Help" beside R2
    ui::RadioButton* RadioButton6;   // "Cycles"
    ui::RadioButton* RadioButton9;   // "Hours"
    ui::RadioButton* RadioButton13;  // "Tangent. force  Ft"
    ui::RadioButton* RadioButton10;  // "Torque moment T"
    ui::Panel* Panel5;
    // "* Strength limit is exceeded !": a spectrum level exceeds its static strength.
    ui::Label* WarningLabels[4];
    ui::Button* Button4;   // "Draw"
    ui::Button* Button12;  // "Enter spectrum"
    ui::Button* Button15;  // "&Help" (disabled)
    ui::Button* Button14;  // "&Ok"

    // ---- handlers
    void FormCreate();
    void FormActivate();
    void FormPaint();
    void FormKeyUp(ui::Word key);
    // The mode switches: SwitchLoadMode.
    void RadioButton3Click();
    void RadioButton4Click();   // spectrum
    void RadioButton5Click();   // equivalent loads given
    void RadioButton1Click();   // cycles
    void RadioButton2Click();   // hours
    void RadioButton7Click();   // forces (one level, equivalent loads)
    void RadioButton8Click();   // torques
    void RadioButton11Click();  // forces (spectrum)
    void RadioButton12Click();  // torques (spectrum)
    void CheckBoxClick(int K);  // CheckBox1Click .. CheckBox4Click
    void Button11Click();       // the stress ratio note
    void Button13Click();       // the application factor table
    void Button12Click();       // Enter spectrum
    void Button4Click();        // Draw
    void Button14Click();       // Ok

    // ---- routines
    // The equivalent stress column for Miner and Haibach; unless the values are current or the
    // service-life window is open, the equivalent loads and stresses are zeroed (loads typed in
    // the third mode stay).
    void ShowEquivalentStresses();
    void CountLevelsOverStaticLimit();
    void CheckLoadingComplete();
    void SyncLoadingRadioButtons();
    unsigned long HelpContext() const;
    // NL1 and NL2 into the cycles fields: as cycles or as hours.
    void ShowLives(bool cycles);
    // n1 into the three speed fields.
    void ShowSpeed();
    void ClearEquivalentLoadFields();
    // After Load data: equivalent loads given directly in the file count as typed.
    void MarkLoadedEquivalentLoads();
    // The help tables' key step: while one of the "Help" buttons beside R1 and R2 (THelp_1), or
    // the one beside KA (THelp_2), has this window's focus, the field beside it becomes its
    // active control, so that typing goes on there when the window is active again.
    void FocusFieldBesideRHelp();
    void FocusFieldBesideKAHelp();

protected:
    void AfterCheck(int n, FieldEvent how) override;
    // The last mode switch of this showing is forgotten.
    void WindowHidden() override;

private:
    // The last switch of the load mode while the window is shown: the mode left, the case before
    // the switch, and its data file as the switch left it (none when it cannot be stored).
    struct ModeSwitch {
        int left;
        GlobalData before;
        std::optional<std::vector<std::string>> file;
    };
    void SwitchLoadMode(int mode);
    void EnterOneLevel(int previous);
    void EnterSpectrum();
    void EnterEquivalentLoads();
    void ShowMethodics();
    void ShowModePanels();
    void CheckInputNominalLoad();
    void CheckInputSpeed();
    void CheckInputLife(bool pinion);
    void CheckInputKA();
    void CheckInputEquivalentLoad(int k);
    void FocusFieldBeside(std::initializer_list<std::pair<ui::Control*, int>> buttons);

    ui::Label* loadLabels_[2];       // mode 1: "T1 [N·m]", "Ft1 [N]"
    ui::Label* unitLabels_[4][2];    // "[cycles]" / "[hours]" beside Edit3, Edit4, Edit10, Edit11
    ui::Label* headingLabels_[2];    // Panel4: "Equivalent loads  [N·m]" / "[N]"
    ui::Label* symbolLabels_[2][4];  // Panel4: torque and force symbols
    ui::Label* givenLabels_[2][4];   // Panel5: torque and force symbols with units
    ui::Label* stressColumn_[9];     // Panel4: the stress symbols and "[MPa]"
    std::optional<ModeSwitch> lastSwitch_;
};

extern TZatizeni_F* Zatizeni_F;

}  // namespace karvelo
