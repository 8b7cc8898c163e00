// Unit FellowDlg: the shaper (Fellow) cutter of an internal wheel, "Fellow Cutter", shown
// without a modal loop.  This form holds the fields and labels the main dialog writes (the
// cutter angle Label14 with its unit Label19, the root and tip rounding fields, the two
// option boxes); the cutter's validators and computation belong to the cutter-dialog work.
#pragma once

#include "ui/Forms.h"

namespace ostrimo {

class TFellowDlg : public ui::Form {
public:
    TFellowDlg();

    ui::Edit* Edit1;  // teeth number z0
    ui::Edit* Edit2;  // addendum modification coefficient x0
    ui::Edit* Edit3;  // root rounding radius factor rof0
    ui::Edit* Edit4;  // tip rounding radius factor roa0
    ui::Label* Label13;  // "Angle"
    ui::Label* Label14;  // the angle at the cutter's limit point
    ui::Label* Label19;  // "[°] "
    ui::CheckBox* CheckBox1;  // "Max. operating height of the tool tooth"
    ui::CheckBox* CheckBox2;  // "Fully rounded tip"
    ui::Button* OKBtn;      // "&OK"
    ui::Button* CancelBtn;  // "&Back"
    ui::Button* Help;       // "&Help"

    void CheckBox1Click();
    void CheckBox2Click();
    void CancelBtnClick();
    void HelpClick();
};

extern TFellowDlg* FellowDlg;

}  // namespace ostrimo
