// Unit RozmeryF: the dimensions window "Input of gears dimensions and related  parameters".  The
// user enters the face widths, the gear bodies (web, rim, hub, shaft), the axial offset, and
// chooses computed or given moments of inertia and tooth stiffness; the window warns about
// bodies that do not fit inside the root diameters and shows a picture of the pair.
#pragma once

#include "karvelo/forms/InputWindow.h"

namespace karvelo {

struct GearBodyFields;  // the variables and fields of the pinion or the wheel

class TRozmery_F : public InputWindow {
public:
    TRozmery_F();

    // Edit1..Edit14: b1, b2, bs1, bs2, sR1, sR2, sd1, sd2, dh1, dh2, db, J1, J2, c'.
    ui::Edit* Edit1;          // b1
    ui::Edit* Edit2;          // b2
    ui::CheckBox* CB1;        // "Full pinion"
    ui::CheckBox* CB2;        // "Full wheel"
    ui::CheckBox* CB3;        // "ISO method for calcul. of  m " (reduced mass)
    ui::CheckBox* CheckBox5;  // moments of inertia given directly
    ui::CheckBox* CheckBox6;  // tooth stiffness given directly
    ui::Button* Button1;      // "&Ok"
    ui::Button* Button2;      // "&Nuluj" (hidden)
    ui::Button* Button3;      // "&Help"
    ui::PaintBox* Image1;     // the external pair
    ui::PaintBox* Image2;     // the internal pair
    // Hints: the smaller rim limit, the root diameters and the warnings.
    ui::Label* RimLimitValue;
    ui::Label* Df1Value;
    ui::Label* Df2Value;
    ui::Label* ThinRimWarning1;
    ui::Label* ThinRimWarning2;
    ui::Label* PinionFitWarning;
    ui::Label* WheelFitWarning;
    ui::Label* GearsOutWarning;
    ui::Label* StiffnessWarning;
    ui::Label* FaceWidthLabel;  // b, bF1, bF2

    // The main window's message hook: a left press on CB1, CB2, CB3 or Button3 sets
    // ControlPressed1..ControlPressed4.
    void PreviewRozmeryMouseDown(const ui::Message& msg);
    void FormCreate();
    void FormActivate();
    void FormPaint();
    void FormKeyPress(ui::KeyChar& key);
    void CB1Click();
    void CB2Click();
    void CB3Click();
    void CheckBox5Click();
    void CheckBox6Click();
    void Button1Click();
    void Button2Click();
    void Button3Click();

    void CheckInputB1();
    void CheckInputB2();
    void CheckInputBs1();
    void CheckInputBs2();
    void CheckInputSr1();
    void CheckInputSr2();
    void CheckInputSd1();
    void CheckInputSd2();
    void CheckInputDh1();
    void CheckInputDh2();
    void CheckInputDb();
    void CheckInputJ1();
    void CheckInputJ2();
    void CheckInputCPrime();

protected:
    void AfterCheck(int n, FieldEvent how) override;
    void ValuesRestored() override;

private:
    void Recompute();
    void CheckFaceWidth(double& b);
    void CheckWebWidth(const GearBodyFields& g);
    void CheckRim(const GearBodyFields& g);
    void CheckBody(const GearBodyFields& g);
    void CheckShaft(const GearBodyFields& g);
    void CheckPositive(double& value);
    void FullBodyClick(const GearBodyFields& g, bool checked);
};

extern TRozmery_F* Rozmery_F;

}  // namespace karvelo
