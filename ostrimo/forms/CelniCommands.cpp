// The main dialog's command panel, its gearing-type, basic-rack and angle-display radios,
// the page changes and the help keys.  The bodies left empty here are the commands'
// work; "Clear" (which the backlash field runs) and the angle display are built.
#include "ostrimo/calc/Global.h"
#include "ostrimo/forms/Celni.h"
#include "ostrimo/forms/VuleF.h"

namespace ostrimo {

void TPagesDlg::Button1Click() {}  // "COMPLE&X  CHECKING"
void TPagesDlg::Button2Click() {}  // "Divide AMC"
void TPagesDlg::Button3Click() {}  // "&Save"
void TPagesDlg::Button4Click() {}  // "&Open"

// "Clear": the computing inputs back to their start, no backlash.
void TPagesDlg::Button5Click() {
    ComputationScope computation;
    G.ErrorFlag = false;
    ResetComputingInputs();
    ResetWindowCaptions();
    RefreshResultsWindow();
    SkipComputingInputChecks = false;
    G.BacklashByThinning = true;
    G.ThinBothWheels = true;
    G.ThinPinionOnly = G.ThinWheelOnly = false;
    VuleF->RadioButton4->SetChecked(true);
    G.BacklashMethodPending = true;
}

void TPagesDlg::Button6Click() {}   // "Bal. spec.slidings"
void TPagesDlg::Button7Click() {}   // "&End"
void TPagesDlg::Button8Click() {}   // "Calculating tip diameters"
void TPagesDlg::Button9Click() {}   // "Fellow"
void TPagesDlg::Button10Click() {}  // "Tools"
void TPagesDlg::HelpBtnClick() {}
void TPagesDlg::RadioButton1Click() {}  // "Standard"
void TPagesDlg::RadioButton3Click() {}  // "External", "Internal", "Bevel"

void TPagesDlg::RadioButton12Click() {
    if (RadioButton12->Checked()) {
        G.AngleFormatDMS = false;
        ShowMainAnglesDecimal();
    } else if (RadioButton13->Checked()) {
        G.AngleFormatDMS = true;
        ShowMainAnglesDms();
    }
}

void TPagesDlg::CheckBox1Click() {}  // "Rounded root"
void TPagesDlg::CheckBox2Click() {}  // working centre distance as an input
void TPagesDlg::TabSheet1Enter() {}
void TPagesDlg::TabSheet3Enter() {}
void TPagesDlg::TabSheet3Exit() {}
void TPagesDlg::PrepareIdentificationPage() {}

// Tab captions at (6, 3) of their rectangles, the chosen one bold and the others italic,
// in the colour of the gearing type.
void TPagesDlg::PageControl1DrawTab(int tabIndex, const ui::Rect& rect, bool active) {
    const ui::TabSheet* page = PageControl1->PageOfTab(tabIndex);
    if (!page) return;
    ui::Canvas& canvas = PageControl1->Canvas();
    canvas.Font.Style = active ? ui::fsBold : ui::fsItalic;
    canvas.Font.Color = G.GearingType == 2 ? ui::clBlue : G.GearingType == 3 ? ui::clPurple : ui::clRed;
    canvas.TextOut(rect.Left + 6, rect.Top + 3, page->Caption());
}

void TPagesDlg::FormKeyUp(ui::Word&) {}  // F1: help by field and page

}  // namespace ostrimo
