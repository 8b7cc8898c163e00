#include "ostrimo/forms/Uvod.h"

#include "ostrimo/calc/Global.h"
#include "ostrimo/forms/Celni.h"

namespace ostrimo {

TForm1* Form1 = nullptr;

const char* const kEditionWord = "Edition 1";
const char* const kEditionLine = "   OSTRIMO   edition 1   2025";

TForm1::TForm1() : Form("Form1") {
    BorderStyle = ui::BorderStyle::Dialog;
    BorderIcons = 0;
    Position = ui::Position::ScreenCenter;
    SetClientSize(469, 283);
    SetCaption(kEditionWord);
    SetFont(ui::Font{}.SetSize(8));

    const ui::Font title{"Arial", 19, ui::fsBold, ui::clNavy};
    const ui::Font line{"Arial", 16, ui::fsBold, ui::clWindowText};
    Label1 = new ui::Label(this, "Label1", {101, 14, 0, 0}, "GEAR GEOMETRY CHECKING");
    Label1->SetFont(title);
    Label2 = new ui::Label(this, "Label2", {38, 56, 0, 0}, "- Spur and helical (external and internal) gears");
    Label3 = new ui::Label(this, "Label3", {38, 81, 0, 0}, "- Bevel gears");
    Label4 = new ui::Label(this, "Label4", {38, 106, 0, 0}, "- For general gearing parameters");
    Label5 = new ui::Label(this, "Label5", {38, 131, 0, 0}, "- Considering backlash");
    Label6 = new ui::Label(this, "Label6", {38, 156, 0, 0}, "- Gears measuring");
    Label7 = new ui::Label(this, "Label7", {38, 181, 0, 0}, "- Spur and helical gears identification");
    for (ui::Label* l : {Label2, Label3, Label4, Label5, Label6, Label7}) l->SetFont(line);
    Label8 = new ui::Label(this, "Label8", {300, 131, 0, 0}, "Tool");
    Label8->SetFont(ui::Font{"Arial", 16, ui::fsBold, ui::clMaroon});

    Label9 = new ui::Label(this, "Label9", {12, 258, 0, 0}, "Version 1.0");
    Label10 = new ui::Label(this, "Label10", {352, 258, 0, 0}, "\xC2\xA9");  // the copyright sign
    Label10->SetFont(ui::Font{"Symbol", 11, 0, ui::clWindowText});
    Label11 = new ui::Label(this, "Label11", {366, 258, 0, 0}, "2025  Ostrimo");

    Button1 = new ui::Button(this, "Button1", {192, 216, 85, 27}, "Enter");
    Button1->SetFontStyle(ui::fsBold);
    Button1->SetTabOrder(0);

    Button1->OnClick = [this] { Button1Click(); };
    OnCreate = [this] { FormCreate(); };
}

void TForm1::FormCreate() { G.EditionCaption = kEditionLine; }

void TForm1::Button1Click() {
    Hide();
    if (PagesDlg) PagesDlg->ShowModal();
    Close();
}

}  // namespace ostrimo
