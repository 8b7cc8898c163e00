// Unit GeometrieF: the geometry window "Gearing geometry".  The user enters the teeth numbers,
// module, helix and pressure angles, profile shifts, centre distance, basic rack coefficients,
// tip diameters, protuberances and, for an internal pair, the cutter that generates the wheel;
// each accepted value recomputes the derived geometry at once.
#pragma once

#include <array>
#include <string>

#include "karvelo/forms/InputWindow.h"

namespace karvelo {

class TGeometrie_F : public InputWindow {
public:
    TGeometrie_F();

    // Edit1..Edit20: z1, z2, mn, beta, alfan, x1, x2, a, haP1, haP2, caP1, caP2, RofP1, RofP2,
    // da1, da2, Protub1, Protub2, z0, x0 (the accessor the core's field requests use).
    ui::Edit* EditField(int number) const { return Field(number); }
    // Labels of the fields, in the same numbering (pinion blue, wheel green).
    ui::Label* FieldLabel(int number) const { return labels_.at(number - 1); }
    ui::Button* Button1;  // "&OK"
    ui::Button* Button2;  // "&Help"
    ui::Button* Button3;  // "Modules"

    // Reruns the gear dimensions and the tip thickness and shows x1, x2, a, da1, da2 and the
    // root radius coefficients.
    void UpdateGeometryForm();
    void ShowGeometry();
    void FormPaint();
    void Button1Click();
    void Button2Click();
    void Button3Click();

    void CheckInputZ1();
    void CheckInputZ2();
    void CheckInputMn();
    void CheckInputBeta();
    void CheckInputAlfan();
    void CheckInputX1();
    void CheckInputX2();
    void CheckInputA();
    void CheckInputHa1();
    void CheckInputHa2();
    void CheckInputC1();
    void CheckInputC2();
    void CheckInputRof1();
    void CheckInputRof2();
    void CheckInputDa1();
    void CheckInputDa2();
    void CheckInputSpr1();
    void CheckInputSpr2();
    void CheckInputZ0();
    void CheckInputX0();
    void CheckRofLimit1();
    void CheckRofLimit2();

protected:
    // The dimensions window shows the root diameters and rim limits of this geometry.
    void AfterCheck(int n, FieldEvent how) override;

private:
    // What a check's entry recomputes; refused with the field's message (in a box with the
    // caption when one is given) when the geometry cannot be computed from it.
    void UpdateGeometryForm(const std::string& message, const std::string& caption = "");
    void StandardRecompute(const std::string& message, const std::string& caption = "");
    void CheckShift(double& x, double& other, const char* message);
    void CheckRackFactor(double& factor, const char* message);
    void CheckRofLimit(double& rof, double haP, double caP, const char* gear);
    void CheckCutterSum();
    std::array<ui::Label*, 20> labels_{};
};

extern TGeometrie_F* Geometrie_F;

}  // namespace karvelo
