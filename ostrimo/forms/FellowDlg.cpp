#include "ostrimo/forms/FellowDlg.h"

#include "ostrimo/calc/Global.h"
#include "ostrimo/forms/Celni.h"
#include "ostrimo/forms/Ostrimo.h"
#include "runtime/NumText.h"

namespace ostrimo {

TFellowDlg* FellowDlg = nullptr;

TFellowDlg::TFellowDlg() : Form("FellowDlg") {
    BorderStyle = ui::BorderStyle::Dialog;
    SetClientSize(330, 260);
    SetCaption("Fellow Cutter");
    KeyPreview = true;
    new ui::Label(this, "Label1", {12, 14, 0, 0}, "Teeth number");
    Edit1 = new ui::Edit(this, "Edit1", {180, 10, 70, 21}, rt::Str(static_cast<long long>(G.z0)));
    new ui::Label(this, "Label2", {12, 40, 0, 0}, "Addendum modif. coeffic.");
    Edit2 = new ui::Edit(this, "Edit2", {180, 36, 70, 21}, rt::Str(G.x0, 6, 4));
    new ui::Label(this, "Label3", {12, 66, 0, 0}, "Root rounding radius fact.");
    Edit3 = new ui::Edit(this, "Edit3", {180, 62, 70, 21}, rt::Str(G.rof0, 6, 4));
    new ui::Label(this, "Label4", {12, 92, 0, 0}, "Tip rounding radius factor");
    Edit4 = new ui::Edit(this, "Edit4", {180, 88, 70, 21}, rt::Str(G.roa0, 6, 4));
    Label13 = new ui::Label(this, "Label13", {12, 120, 0, 0}, "Angle");
    Label14 = new ui::Label(this, "Label14", {180, 120, 0, 0}, "");
    Label19 = new ui::Label(this, "Label19", {256, 120, 0, 0}, "[\xC2\xB0] ");
    CheckBox1 = new ui::CheckBox(this, "CheckBox1", {12, 148, 300, 17}, "Max. operating height of the tool tooth");
    CheckBox2 = new ui::CheckBox(this, "CheckBox2", {12, 172, 300, 17}, "Fully rounded tip");
    OKBtn = new ui::Button(this, "OKBtn", {24, 220, 75, 25}, "&OK");
    CancelBtn = new ui::Button(this, "CancelBtn", {127, 220, 75, 25}, "&Back");
    Help = new ui::Button(this, "Help", {230, 220, 75, 25}, "&Help");

    CheckBox1->OnClick = [this] { CheckBox1Click(); };
    CheckBox2->OnClick = [this] { CheckBox2Click(); };
    OKBtn->OnClick = [this] { Hide(); };
    CancelBtn->OnClick = [this] { CancelBtnClick(); };
    Help->OnClick = [this] { HelpClick(); };
}

void TFellowDlg::CheckBox1Click() { G.FellowMaxOperatingHeight = CheckBox1->Checked(); }

void TFellowDlg::CheckBox2Click() { G.FellowFullyRoundedTip = CheckBox2->Checked(); }

void TFellowDlg::CancelBtnClick() {
    Hide();
    SkipFellowChecksCancel = false;
}

void TFellowDlg::HelpClick() {
    SkipFellowChecksHelp = false;
    if (!ui::Help(kWindowsHelpFile, ui::HELP_CONTEXT, 7)) ui::MessageBox("Help is missing.", kErrorCaption, ui::MB_OK);
}

}  // namespace ostrimo
