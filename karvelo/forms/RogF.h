// Unit RogF: the radius of a grinding notch in the tooth root of the pinion or the wheel,
// computed from the edge radius of the grinding disk; caption "Radius and maximum depth of
// grinding notch in the  tooth root".  Opened by the "Help" buttons of the other-factors window,
// which name the gear in HelpPage (kHelpPagePinion, kHelpPageWheel) and receive the radius in their field.
#pragma once

#include <vector>

#include "karvelo/forms/InputWindow.h"

namespace karvelo {

class TRog_F : public InputWindow {
public:
    TRog_F();

    ui::Edit* Edit1;          // edge radius of the grinding disk ra0g [mm]
    ui::Label* Label6;        // the notch radius, after "r    ="
    ui::Label* LabelIndex;    // the gear's index beside r
    ui::Label* LabelTgIndex;  // the gear's index beside tg
    ui::Button* Button1;      // "Use it"
    ui::Button* Button2;      // "Esc"

    void FormCreate();
    void FormActivate();
    void FormPaint();
    void Button1Click();
    void Button2Click();
    void FormKeyUp(ui::Word& key);
    void CheckInputRa0g();
    // Rog1 or Rog2 from ra0g, after ISO 6336-3 with the disk's edge radius for the tool's tip
    // radius; false (nothing stored) when the geometry gives no radius.
    bool ComputeNotchRadius();

protected:
    void AfterCheck(int n, FieldEvent how) override;
    void FieldKey(int n, ui::KeyChar& key) override;

private:
    std::vector<ui::Label*> gearLabels_;  // the labels in the gear's colour
};

extern TRog_F* Rog_F;

}  // namespace karvelo
