// Unit Uvod: the intro window.  It names the program and what it does; its one button
// "Enter" opens the main dialog (PagesDlg) modally, and when that dialog is gone the intro
// closes, which ends the program (the intro is the main window).
#pragma once

#include "ui/Forms.h"

namespace ostrimo {

// The intro's caption: the edition word.
extern const char* const kEditionWord;
// The edition line the intro stores in EditionCaption (edition and year, leading blanks).
extern const char* const kEditionLine;

class TForm1 : public ui::Form {
public:
    TForm1();

    ui::Label* Label1;  // "GEAR GEOMETRY CHECKING"
    ui::Label* Label2;  // the capability lines
    ui::Label* Label3;
    ui::Label* Label4;
    ui::Label* Label5;
    ui::Label* Label6;
    ui::Label* Label7;
    ui::Label* Label8;    // "Tool", beside the backlash line
    ui::Label* Label9;    // version
    ui::Label* Label10;   // the sign of the year line, in the Symbol font
    ui::Label* Label11;   // year
    ui::Button* Button1;  // "Enter"

    void FormCreate();
    void Button1Click();
};

extern TForm1* Form1;

}  // namespace ostrimo
