// Unit ZivotnostF: the service-life window "Service life calculation".  It evaluates a load
// spectrum against the S-N curves in one of two ways: the service life of the four strength
// cases for required safety factors, or their safety factors for the life the spectrum gives.
// The window collects the requirements and shows the results; the spectrum window's Ok runs the
// calculation.  Any close of the window is its "Back".
#pragma once

#include <string>

#include "karvelo/forms/InputWindow.h"

namespace karvelo {

class TZivotnost_F : public InputWindow {
public:
    TZivotnost_F();

    ui::RadioButton* RadioButton1;     // "Calculation of service life for given safety factor"
    ui::RadioButton* RadioButton2;     // "Calculation of safety factor for given service life "
    ui::CheckBox* CheckBox1;           // "Miner"
    ui::CheckBox* CheckBox2;           // "Haibach"
    ui::Panel* Panel1;                 // "Enter required safety factor": Edit1..Edit4
    ui::Panel* Panel4;                 // the calculated lives
    ui::Panel* Panel3;                 // the required lives NL1, NL2
    ui::Panel* Panel2;                 // the calculated safety factors
    ui::Label* LifeHeading;            // heading of Panel4
    ui::Label* RequiredHeading;        // heading of Panel3
    ui::Label* LifeLabels[4];          // LF1, LH1, LF2, LH2
    ui::Label* RequiredLifeLabels[2];  // NL1, NL2
    ui::Label* SafetyLabels[4];        // SF1life, SH1life, SF2life, SH2life
    ui::RadioButton* RadioButton3;     // "Cycles"
    ui::RadioButton* RadioButton4;     // "Hours"
    ui::Button* Button3;               // "Help" beside R1, R2
    ui::Button* Button1;               // "Enter spectrum"
    ui::Label* Label68;                // ">>>": the results are not current
    ui::Button* Button4;               // "Draw"
    ui::Button* Button2;               // "Back"
    ui::Label* WarningLabels[4];       // "*", "Strength", "limit", "is exceeded !"

    void FormCreate();
    void FormActivate();
    void FormPaint();
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void RadioButton4Click();
    void CheckBox1Click();
    void CheckBox2Click();
    void Button1Click();  // Enter spectrum
    void Button2Click();  // Back
    void Button3Click();  // the stress ratio note
    void Button4Click();  // Draw

    // Out-of-date results are withdrawn; the equivalent values too unless just loaded.
    void ClearServiceLifeResults();
    // Recounts the levels over the static limits and shows the warning when any is.
    void UpdateStaticLimitWarning();
    // x > 99999 "#.###E+0;", else 5:0, below 10 5:1.
    static std::string FormatServiceLifeValue(double x);
    // "Calculation of service life (safety factor) by Miner's (Haibach's) hypothesis".
    static std::string CalculationCaption();

protected:
    void FieldEntered(int n) override;

private:
    void Back();
    void ChooseHypothesis(bool haibach);
};

extern TZivotnost_F* Zivotnost_F;

}  // namespace karvelo
