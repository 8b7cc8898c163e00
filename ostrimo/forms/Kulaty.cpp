#include "ostrimo/forms/Kulaty.h"

#include "ostrimo/forms/Ostrimo.h"

namespace ostrimo {

TForm2* Form2 = nullptr;

TForm2::TForm2() : Form("Form2") {
    BorderStyle = ui::BorderStyle::Dialog;
    BorderIcons = 0;
    SetClientSize(172, 169);
    SetCaption("   Full Rounded Root");
    SetFont(ui::Font{"Arial", 13, 0, ui::clWindowText});
    KeyPreview = true;

    const ui::Font small{"Arial", 9, 0, ui::clWindowText};
    RadioButton1 = new ui::RadioButton(this, "RadioButton1", {8, 16, 16, 17});
    Label1 = new ui::Label(this, "Label1", {28, 16, 0, 0}, "h       + c        = const.");
    Label2 = new ui::Label(this, "Label2", {37, 12, 0, 0}, "*");
    Label3 = new ui::Label(this, "Label3", {36, 25, 0, 0}, "aP1,2");
    Label4 = new ui::Label(this, "Label4", {78, 12, 0, 0}, "*");
    Label5 = new ui::Label(this, "Label5", {77, 25, 0, 0}, "aP1,2");
    RadioButton2 = new ui::RadioButton(this, "RadioButton2", {8, 58, 16, 17});
    Label6 = new ui::Label(this, "Label6", {28, 58, 0, 0}, "h        = const.");
    Label7 = new ui::Label(this, "Label7", {37, 54, 0, 0}, "*");
    Label8 = new ui::Label(this, "Label8", {36, 67, 0, 0}, "aP1,2");
    RadioButton3 = new ui::RadioButton(this, "RadioButton3", {8, 100, 16, 17});
    Label9 = new ui::Label(this, "Label9", {28, 100, 0, 0}, "Direct entry of a radius");
    for (ui::Label* l : {Label2, Label3, Label4, Label5, Label7, Label8}) l->SetFont(small);
    RadioButton1->SetChecked(true);
    Button1 = new ui::Button(this, "Button1", {48, 134, 75, 25}, "&Ok");
    Button1->ModalResult = ui::mrOk;

    // A label checks the radio button of its group.
    for (ui::Label* l : {Label1, Label2, Label3, Label4, Label5})
        l->OnClick = [this] { RadioButton1->SetChecked(true); };
    for (ui::Label* l : {Label6, Label7, Label8}) l->OnClick = [this] { RadioButton2->SetChecked(true); };
    Label9->OnClick = [this] { RadioButton3->SetChecked(true); };
    OnKeyUp = [this](ui::Word& key, ui::ShiftState) { FormKeyUp(key); };
}

void TForm2::FormKeyUp(ui::Word& key) {
    if (key != ui::VK_F1) return;
    ShowHelpTopic(3);
}

}  // namespace ostrimo
