#include "ostrimo/forms/CelniDlg.h"

#include "ostrimo/calc/Global.h"
#include "ostrimo/forms/Ostrimo.h"
#include "ostrimo/forms/Tabulka.h"

namespace ostrimo {

TCelniDlg* CelniDlg = nullptr;

const char* const kResultsCaption = "Results of Gear Geometry Checking";

TCelniDlg::TCelniDlg() : Form("CelniDlg") {
    BorderStyle = ui::BorderStyle::Single;
    BorderIcons = ui::biSystemMenu | ui::biMinimize;
    SetBounds(6, 6, 420, 200);
    SetCaption(kResultsCaption);
    KeyPreview = true;
    Panel1 = new ui::Panel(this, "Panel1", {0, 0, 412, 133});
    PaintBox1 = new ui::PaintBox(Panel1, "PaintBox1", {5, 8, 400, 118});
    PaintBox1->SetColor(ui::clWhite);
    Panel2 = new ui::Panel(this, "Panel2", {0, 133, 412, 40});
    OkBtn = new ui::Button(Panel2, "OkBtn", {8, 8, 75, 25}, "&Back");
    OkBtn->Cancel = true;
    Button1 = new ui::Button(Panel2, "Button1", {100, 8, 130, 25}, "&Dimensions Table");
    Button2 = new ui::Button(Panel2, "Button2", {246, 8, 75, 25}, "&Help");

    Panel1->OnClick = [this] { FormShow(); };
    OkBtn->OnClick = [this] { OKBtnClick(); };
    Button1->OnClick = [this] { Button1Click(); };
    Button2->OnClick = [this] { Button2Click(); };
    OnShow = [this] { FormShow(); };
    OnKeyUp = [this](ui::Word& key, ui::ShiftState) { FormKeyUp(key); };
    PaintBox1->OnPaint = [this] {
        ui::Canvas& c = PaintBox1->Canvas();
        c.FillRect({0, 0, PaintBox1->Width(), PaintBox1->Height()});
    };
}

void TCelniDlg::FormShow() {
    SetActiveControl(Button1);
    PaintBox1Paint();
}

void TCelniDlg::PaintBox1Paint() { PaintBox1->Repaint(); }

void TCelniDlg::OKBtnClick() { Hide(); }

void TCelniDlg::Button1Click() { TabulkaDlg->ShowModal(); }

void TCelniDlg::Button2Click() {
    if (!ui::Help(kWindowsHelpFile, ui::HELP_CONTEXT, 9)) ui::MessageBox("Help is missing.", kErrorCaption, ui::MB_OK);
}

void TCelniDlg::FormKeyUp(ui::Word& key) {
    if (key == ui::VK_F1) Button2Click();
}

}  // namespace ostrimo
