// Unit ZatizeniF: the loading window "Loading data".  It shows the way the load is given and
// the one-level load data, switches the case to one-level loading, and shows the equivalent
// stresses of a spectrum.
#pragma once

#include <memory>

#include "karvelo/forms/InputWindow.h"

namespace karvelo {

class TZatizeni_F : public ui::Form {
public:
    TZatizeni_F();

    ui::GroupBox* GroupBox1;       // "Calculation method"
    ui::RadioButton* RadioButton3;  // "One level loading (static)"
    ui::RadioButton* RadioButton4;  // "Multilevel loading (spectrum)"
    ui::RadioButton* RadioButton5;  // "Direct input of equivalent load"
    // Edit1..Edit7 of one-level loading: nominal load, n1, NL1, NL2, R1, R2, KA.
    ui::Edit* EditField(int number) const { return fields_->Edit(number); }
    // The equivalent stresses SigmaF1ekv, SigmaH1ekv, SigmaF2ekv, SigmaH2ekv with their heading.
    ui::Label* LabelMPa;
    ui::Label* EquivalentStressLabels[4];
    // The warning "* Strength limit is exceeded !" of a spectrum with levels over a static limit.
    ui::Label* WarningLabels[4];
    ui::Button* Button4;   // "Draw"
    ui::Button* Button14;  // "&Ok"

    // Switches the load input to one level; after a spectrum by Miner or Haibach, or after
    // equivalent loads given directly, the nominal load becomes the largest equivalent load and
    // the load factors their equivalents.
    void RadioButton3Click();
    // For Miner and Haibach shows the equivalent stresses; unless they are current or the
    // service-life window is open they are zeroed first.
    void ShowEquivalentStresses();
    // Counts the spectrum levels whose stresses exceed the static permissible stresses.
    void CountLevelsOverStaticLimit();
    void FormActivate();
    void FormPaint();
    void Button14Click();
    unsigned long HelpContext() const;

private:
    std::unique_ptr<FieldColumn> fields_;
};

extern TZatizeni_F* Zatizeni_F;

}  // namespace karvelo
