// Unit Nastroj: the rack-type tools that cut pinion and wheel, "Nástroje pro výrobu
// pastorku a kola", shown without a modal loop.  This form holds what the main dialog
// writes and reads (the crest radius fields Edit2/Edit9, the chamfer angle fields
// Edit4/Edit11, the protuberance angle labels Label35/Label36, the "[ ° ]" labels, the
// option boxes) and the protuberance angle of each tool; the tool validators, pictures and
// OK belong to the tools-dialog work.
#pragma once

#include "ui/Forms.h"

namespace ostrimo {

class TNastrojDlg : public ui::Form {
public:
    TNastrojDlg();

    ui::GroupBox* GroupBox1;  // "Tool for a pinion"
    ui::Edit* Edit1;          // addendum factor
    ui::Edit* Edit2;          // crest radius factor
    ui::Edit* Edit4;          // angle of the chamfering edge
    ui::Label* Label1;        // "[ ° ]" of Edit4
    ui::Label* Label35;       // protuberance angle
    ui::Label* Label21;       // "[ ° ]" of Label35
    ui::CheckBox* CheckBox1;  // "Chamfering edge"
    ui::CheckBox* CheckBox2;  // "Protuberance"
    ui::GroupBox* GroupBox2;  // "Tool for a wheel"
    ui::Edit* Edit8;
    ui::Edit* Edit9;
    ui::Edit* Edit11;
    ui::Label* Label31;
    ui::Label* Label36;
    ui::Label* Label33;
    ui::CheckBox* CheckBox3;
    ui::CheckBox* CheckBox4;
    ui::Button* Button1;  // "Clear"
    ui::Button* OKBtn;    // "OK"

    // The protuberance angle of the pinion's (wheel's) tool from its addendum, crest
    // radius, height to the protuberance and protuberance size, shown in Label35
    // (Label36), or "No solution".
    void ComputeProtuberanceAngle1();
    void ComputeProtuberanceAngle2();
};

extern TNastrojDlg* NastrojDlg;

}  // namespace ostrimo
