#include "karvelo/app/Havarie.h"

#include "karvelo/calc/Global.h"

namespace karvelo {

THavarie_* Havarie_ = nullptr;

THavarie_::THavarie_() : Form("Havarie_") {
    SetCaption("Damages");
    BorderStyle = ui::BorderStyle::Dialog;
    BorderIcons = 0;
    SetBounds(554, 351, 372 + ui::FrameWidth, 194 + ui::FrameHeight);
    Bevel1 = new ui::Bevel(this, "Bevel1", {10, 6, 353, 148});
    Label5 = new ui::Label(this, "Label5", {143, 18}, "Warning !");
    Label1 = new ui::Label(this, "Label1", {22, 46}, "Bending strength limit of the pinion is exceeded");
    Label2 = new ui::Label(this, "Label2", {22, 70}, "Contact strength limit of the pinion is exceeded");
    Label3 = new ui::Label(this, "Label3", {22, 95}, "Bending strength limit of the wheel is exceeded");
    Label4 = new ui::Label(this, "Label4", {22, 120}, "Contact strength limit of the wheel is exceeded");
    for (ui::Label* l : {Label5, Label1, Label2, Label3, Label4})
        l->SetFont(ui::Font{"MS Sans Serif", l == Label5 ? 16 : 13, ui::fsBold, ui::clRed});
    OKBtn = new ui::Button(this, "OKBtn", {144, 160, 75, 25}, "OK");
    OKBtn->Default = true;
    OKBtn->ModalResult = ui::mrOk;
    OKBtn->OnClick = [this] { OKBtnClick(); };
    OnActivate = [this] { FormActivate(); };
}

void THavarie_::FormActivate() {
    Label1->SetVisible(G.StaticOverloadCountF1 > 0);
    Label2->SetVisible(G.StaticOverloadCountH1 > 0);
    Label3->SetVisible(G.StaticOverloadCountF2 > 0);
    Label4->SetVisible(G.StaticOverloadCountH2 > 0);
}

void THavarie_::OKBtnClick() {
    ModalResult = ui::mrOk;
    Close();
}

}  // namespace karvelo
