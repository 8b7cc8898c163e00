// Unit Kulaty: the options of a full rounded root (addendum plus clearance kept, addendum
// kept, or a radius entered directly).  Created at start-up but never opened: the main
// dialog's "Rounded root" box decides instead.
#pragma once

#include "ui/Forms.h"

namespace ostrimo {

class TForm2 : public ui::Form {
public:
    TForm2();

    ui::RadioButton* RadioButton1;  // h*aP + c*P = const.
    ui::RadioButton* RadioButton2;  // h*aP = const.
    ui::RadioButton* RadioButton3;  // "Direct entry of a radius"
    ui::Label* Label1;
    ui::Label* Label2;
    ui::Label* Label3;
    ui::Label* Label4;
    ui::Label* Label5;
    ui::Label* Label6;
    ui::Label* Label7;
    ui::Label* Label8;
    ui::Label* Label9;
    ui::Button* Button1;  // "&Ok"

    void FormKeyUp(ui::Word& key);
};

extern TForm2* Form2;

}  // namespace ostrimo
