#include "ostrimo/forms/Tabulka.h"

namespace ostrimo {

TTabulkaDlg* TabulkaDlg = nullptr;

const char* const kTableCaption = "Dimensions Table";

TTabulkaDlg::TTabulkaDlg() : Form("TabulkaDlg") {
    BorderStyle = ui::BorderStyle::Dialog;
    Position = ui::Position::ScreenCenter;
    SetClientSize(600, 420);
    SetCaption(kTableCaption);
    OKBtn = new ui::Button(this, "OKBtn", {262, 384, 75, 25}, "&Back");
    OKBtn->ModalResult = ui::mrOk;
    OKBtn->Cancel = true;
}

}  // namespace ostrimo
