// Unit Havarie: the damages notice.  After a calculation it warns that spectrum levels exceed
// a static strength limit, one red line for each of pinion and wheel, bending and contact.
#pragma once

#include "ui/Forms.h"

namespace karvelo {

class THavarie_ : public ui::Form {
public:
    THavarie_();

    ui::Bevel* Bevel1;
    ui::Label* Label5;  // "Warning !"
    ui::Label* Label1;  // pinion bending
    ui::Label* Label2;  // pinion contact
    ui::Label* Label3;  // wheel bending
    ui::Label* Label4;  // wheel contact
    ui::Button* OKBtn;

    void FormActivate();
    void OKBtnClick();
};

extern THavarie_* Havarie_;

}  // namespace karvelo
