// Unit VuleF: "Methods of backlash creating", opened modally by the main dialog's backlash
// field.  This form holds the method, thinning and technology radios and the buttons; the
// dialog's fields, validators and backlash relations belong to the backlash-dialog work.
#pragma once

#include "ui/Forms.h"

namespace ostrimo {

class TVuleF : public ui::Form {
public:
    TVuleF();

    ui::RadioButton* RadioButton1;  // "Direct input of backlash"
    ui::RadioButton* RadioButton2;  // "Backlash by extra AMC   (a  const.)"
    ui::RadioButton* RadioButton3;  // "Backlash by wheels shifting   (x   konst.)"
    ui::GroupBox* GroupBox1;        // "Direct input"
    ui::RadioButton* RadioButton4;  // "To weaken both wheels same"
    ui::RadioButton* RadioButton5;  // "To weaken only pinion"
    ui::RadioButton* RadioButton6;  // "To weaken only wheel"
    ui::GroupBox* GroupBox2;        // "Technology"
    ui::RadioButton* RadioButton7;  // "To widen a cutter (including a chamfer and a protuberance)"
    ui::RadioButton* RadioButton8;  // "To weaken by regrinding of an involute"
    ui::Edit* Edit3;                // normal backlash
    ui::Button* Button1;  // "Esc"
    ui::Button* Button2;  // "Help"
    ui::Button* Button3;  // "Ok"
};

extern TVuleF* VuleF;

}  // namespace ostrimo
