// Unit MaterialyF: the materials window "Input of material parameters" with the material data of
// both gears (endurance limits, hardness, strength, roughness, elastic constants, density, the
// S-N curves of contact and bending, class, form, quality grade, permissible pitting), and the
// routines that turn a material class into the numbers of one gear.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "karvelo/calc/Global.h"
#include "karvelo/calc/MaterialClasses.h"
#include "karvelo/forms/InputWindow.h"

namespace karvelo {

// The material data of one gear in the global data (pinion: the variables ending in 1).
struct GearMaterial {
    double &SigmaHlim, &SigmaFlim, &HV, &HVcore, &Rm, &Re, &RzH, &RzF, &E, &Ny, &ro, &YST;
    // S-N curves: cycles at the endurance limits and at the static ends, static life factors,
    // exponents above and below the endurance limits, the contact exponent below the pitting knee
    double &NHlim, &NFlim, &NLstatH, &NLstatF, &ZNTstat, &YNTstat, &qH, &qF, &qH_, &qF_, &qHknee;
    double &YdrelTstat, &YdrelTref, &YRrelTref, &YXref;
    bool &YdrelTstatDirect, &YdrelTrefDirect, &YRrelTrefDirect, &YXrefDirect;
    ShortString &Code, &Form, &Quality, &HardnessUnit;
    std::string &Designation, &Name;
    std::int16_t& Class;
    bool& PittingAllowed;
};
GearMaterial MaterialOfGear(bool pinion);
// The gear the class routines and the material table act on (MaterialForPinion).
inline GearMaterial CurrentGearMaterial() { return MaterialOfGear(G.MaterialForPinion); }

// The material lists hold the listed classes of kMaterialClassTable in its order; the pinion's list
// has a 13th, empty entry.

// YNTstat of "Other material", Rm / (SigmaFlim YST): false, and YNTstat unchanged, when that is
// not a factor above 1.
bool OtherMaterialYNT(const GearMaterial& m, double& YNTstat);

// The typical values of the current gear's class, and the reset of the lubrication and of the
// reference factors given directly.
void SetMaterialClassDefaults();
// The points of the current gear's two S-N curves by class, and their exponents.
void SetLifeFactorCurves();

class TMaterialy_F : public InputWindow {
public:
    TMaterialy_F();

    ui::GroupBox* GroupBox1;  // "PINION"
    ui::GroupBox* GroupBox2;  // "WHEEL"
    ui::ComboBox* ComboBox1;  // pinion class
    ui::ComboBox* ComboBox2;  // wheel class
    // Form: Wrought/Cast of pinion (1, 2) and wheel (3, 4); hardness scale: Brinell/Vickers of
    // pinion (5, 6) and wheel (7, 8)
    ui::RadioButton *RadioButton1, *RadioButton2, *RadioButton3, *RadioButton4;
    ui::RadioButton *RadioButton5, *RadioButton6, *RadioButton7, *RadioButton8;
    // Quality ML, MQ, ME of pinion (1..3) and wheel (4..6); hidden boxes beside "Haibach" (7..10);
    // permissible pitting of pinion (11) and wheel (12)
    std::array<ui::CheckBox*, 13> CheckBoxes{};       // CheckBoxes[n] is CheckBox<n>, n = 1..12
    ui::Label *Label8, *Label31, *Label42, *Label67;  // hardness units, surface and core
    ui::Button* Button1;                              // "Choose  ISO" (pinion)
    ui::Button* Button2;                              // "Choose ISO" (wheel)
    ui::Button* Button3;                              // "Ok"
    ui::Button* Button4;                              // "Help" (disabled)
    ui::Button* Button5;                              // "Esc"

    ui::Edit* Edit(int n) const { return Field(n); }
    // The label after the bold "R" of the yield limit ("e1" or "0,2-1").
    ui::Label* YieldLabel(bool pinion) const { return Gear(pinion).yieldLabel; }
    // Visibility of the quality labels and of the two pitting labels of a gear.
    ui::Label* QualityLabel(bool pinion, int k) const { return Gear(pinion).qualityLabel[k]; }
    ui::Label* PittingLabel(bool pinion, int k) const { return Gear(pinion).pittingLabel[k]; }

    void FormCreate();
    void FormPaint();
    void ComboBox1Enter();
    void ComboBox2Enter();
    void ComboBox1Exit(ui::ComboBox* list);
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void FormKeyUp(ui::Word& key);
    void ShowQualityGrade();

    // Validators, pinion and wheel alike.
    using GearCheck = void (TMaterialy_F::*)(bool pinion);
    void CheckInputPositive(double& var);
    void CheckInputSigmaHlim(bool pinion);
    void CheckInputSigmaFlim(bool pinion);
    void CheckInputHV(bool pinion);
    void CheckInputHVcore(bool pinion);
    void CheckInputRm(bool pinion);
    void CheckInputRe(bool pinion);
    void CheckInputRzH(bool pinion);
    void CheckInputRzF(bool pinion);
    void CheckInputE(bool pinion);
    void CheckInputNy(bool pinion);
    void CheckInputNHlim(bool pinion);
    void CheckInputNFlim(bool pinion);
    void CheckInputQH(bool pinion);
    void CheckInputQF(bool pinion);
    void CheckInputQH_(bool pinion);
    void CheckInputQF_(bool pinion);
    void CheckInputDesignation(bool pinion);
    void CheckInputRo(bool pinion);

protected:
    void FieldKey(int n, ui::KeyChar& key) override;

private:
    // The controls of one gear's group.
    struct GearControls {
        bool pinion;
        int base;  // number of the gear's first field: 1 or 17
        ui::GroupBox* group;
        ui::ComboBox* list;
        ui::RadioButton *wrought, *cast, *brinell, *vickers;
        ui::CheckBox *ml, *mq, *me, *pitting;
        std::array<ui::Label*, 3> qualityLabel;
        std::array<ui::Label*, 2> pittingLabel;
        ui::Label *surfaceUnit, *coreUnit, *yieldLabel;
        std::array<ui::Label*, 3> yieldLabels;  // "R", its index and the unit, shown with the field
    };
    GearControls& Gear(bool pinion) { return pinion ? pinion_ : wheel_; }
    const GearControls& Gear(bool pinion) const { return pinion ? pinion_ : wheel_; }
    void BuildGear(GearControls& g, int left);
    void PaintGear(GearControls& g);
    void ChooseIso(bool pinion);
    void QualityClick(GearControls& g, ui::CheckBox* box);
    void PittingClick(GearControls& g);
    void HardnessClick(GearControls& g, bool brinell);
    void FormClick(GearControls& g, const char* form);
    // The hardness scale's symbol in the gear's two hardness labels.
    void ShowHardnessScale(GearControls& g, bool brinell);
    // The radio of the gear's form checked; checking it runs its handler, so that a form "both"
    // becomes "wrought".
    void CheckFormRadio(GearControls& g);
    void AfterCheck(int n, FieldEvent how) override;

    // "Other material": YNTstat from the entry just stored; refused when it gives no factor above 1.
    void UpdateOtherMaterialYNT(bool pinion);
    // The cycles at an endurance limit, checked: the curve's static end (from its static factor and
    // exponent) and its Haibach exponent follow them.
    void CheckEnduranceCycles(double& Nlim, double& Nstat, double staticFactor, double exponent, double& tailExponent);

    GearControls pinion_{}, wheel_{};
    bool syncing_ = false;       // the window sets its boxes from the data: their rules do not run
    bool repaintAfter_ = false;  // the running check asks for a repaint once it is done
};

extern TMaterialy_F* Materialy_F;

}  // namespace karvelo
