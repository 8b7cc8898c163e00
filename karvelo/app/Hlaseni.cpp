#include "karvelo/app/Hlaseni.h"

#include "karvelo/calc/Global.h"

namespace karvelo {

THlaseni_* Hlaseni_ = nullptr;

THlaseni_::THlaseni_() : Form("Hlaseni_") {
    SetCaption("Confirmation");
    BorderStyle = ui::BorderStyle::Dialog;
    BorderIcons = 0;
    Position = ui::Position::ScreenCenter;
    SetClientSize(313, 150);
    Bevel1 = new ui::Bevel(this, "Bevel1", {8, 8, 298, 97});
    Label3 = new ui::Label(this, "Label3", {18, 18, 0, 0}, "");
    Label1 = new ui::Label(this, "Label1", {28, 39, 0, 0}, "The size sr1 is smaller than ISO standard. requirement.");
    Label2 = new ui::Label(this, "Label2", {29, 51, 0, 0}, "The size sr2 is smaller than ISO standard. requirement.");
    OKBtn = new ui::Button(this, "OKBtn", {55, 119, 75, 25}, "Resume");
    OKBtn->Default = true;
    OKBtn->ModalResult = ui::mrOk;
    OKBtn->OnClick = [this] { OKBtnClick(); };
    CancelBtn = new ui::Button(this, "CancelBtn", {174, 119, 75, 25}, "New entry");
    CancelBtn->Cancel = true;
    CancelBtn->ModalResult = ui::mrCancel;
    CancelBtn->OnClick = [this] { CancelBtnClick(); };
}

void THlaseni_::Ask(const std::string& question) {
    Label3->SetCaption(question);
    Label1->Hide();
    Label2->Hide();
    Label3->Show();
    if (ShowModal() != ui::mrOk) G.ResumeCalculation = false;
}

void THlaseni_::OKBtnClick() { G.ResumeCalculation = true; }

void THlaseni_::CancelBtnClick() { G.ResumeCalculation = false; }

}  // namespace karvelo
