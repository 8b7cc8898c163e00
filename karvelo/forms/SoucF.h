// Unit SoucF: the window "Other factors and inputs": the grinding notch of each gear and the oil
// viscosity, which every calculation needs, and the thirty influence factors that may be given
// directly instead of computed.  A factor of the load-dependent columns (KFalfa, KHalfa, Kv,
// KFbeta, KHbeta) given here is written into every spectrum level as well.
#pragma once

#include "karvelo/calc/Global.h"
#include "karvelo/forms/InputWindow.h"

namespace karvelo {

class TSouc_F : public InputWindow {
public:
    TSouc_F();

    ui::Edit* Edit(int n) const { return Field(n); }
    ui::Button* Button1;  // "&Ok"
    ui::Button* Button2;  // "&Help" (disabled)
    // "Help" beside tg1, tg2, rog1, rog2: the grinding notch window for the pinion or the wheel.
    ui::Button *Button3, *Button4, *Button5, *Button6;
    ui::RadioButton* RadioButton1;  // "40 °C"
    ui::RadioButton* RadioButton2;  // "50 °C"
    ui::Label* TemperatureLabel;    // the viscosity's temperature, "40" or "50"

    // Help topic of the fields of the grinding notches (1..7), else of the factors.
    static unsigned long HelpContext();

    void FormCreate();
    void FormActivate();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void RadioButton1Click();
    void RadioButton2Click();
    void FormKeyUp(ui::Word& key);
    // The field beside the "Help" button that has the focus (tg1, tg2, rog1, rog2) becomes the
    // active control.
    void FocusFieldOfHelpButton();

    void CheckInputTg1();
    void CheckInputTg2();
    void CheckInputRog1();
    void CheckInputRog2();
    void CheckInputViscosity();

    // A factor that may be given directly.
    enum class FactorKind {
        Level,   // a load factor, also written into the spectrum levels and their equivalent value
        Scalar,  // a factor of the stresses
        Mean,    // YM: 0.4546 to 1
    };
    struct GivenFactor {
        int field;
        const char* name;  // as the window and its messages name it
        double GlobalData::*value;
        bool GlobalData::*given;
        FactorKind kind;
        TLevelArray GlobalData::*levels;  // Level kind
        double GlobalData::*equivalent;   // Level kind
    };
    // One validator for the thirty optional fields, driven by the factor's row.
    void CheckInputGiven(const GivenFactor& factor);
    void ShowFactorInvalidInput();

protected:
    void AfterCheck(int n, FieldEvent how) override;

private:
    void CheckNotch(double& var);
};

extern TSouc_F* Souc_F;

}  // namespace karvelo
