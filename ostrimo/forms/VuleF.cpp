#include "ostrimo/forms/VuleF.h"

#include "ostrimo/calc/Global.h"
#include "ostrimo/forms/Celni.h"
#include "ostrimo/forms/Ostrimo.h"
#include "runtime/NumText.h"

namespace ostrimo {

TVuleF* VuleF = nullptr;

namespace {
// Which gear the thinning makes the backlash on.
void SetThinning(bool both, bool pinion, bool wheel) {
    G.ThinBothWheels = both;
    G.ThinPinionOnly = pinion;
    G.ThinWheelOnly = wheel;
}
}  // namespace

TVuleF::TVuleF() : Form("VuleF") {
    BorderStyle = ui::BorderStyle::Dialog;
    BorderIcons = 0;
    Position = ui::Position::ScreenCenter;
    SetClientSize(430, 300);
    SetCaption("Methods of backlash creating");
    KeyPreview = true;
    RadioButton1 = new ui::RadioButton(this, "RadioButton1", {12, 10, 300, 17}, "Direct input of backlash");
    RadioButton2 = new ui::RadioButton(this, "RadioButton2", {12, 32, 300, 17}, "Backlash by extra AMC   (a  const.)");
    RadioButton3 = new ui::RadioButton(this, "RadioButton3", {12, 54, 300, 17}, "Backlash by wheels shifting   (x   konst.)");
    RadioButton1->SetChecked(true);
    GroupBox1 = new ui::GroupBox(this, "GroupBox1", {12, 80, 200, 90}, "Direct input");
    RadioButton4 = new ui::RadioButton(GroupBox1, "RadioButton4", {8, 18, 185, 17}, "To weaken both wheels same");
    RadioButton5 = new ui::RadioButton(GroupBox1, "RadioButton5", {8, 40, 185, 17}, "To weaken only pinion");
    RadioButton6 = new ui::RadioButton(GroupBox1, "RadioButton6", {8, 62, 185, 17}, "To weaken only wheel");
    RadioButton4->SetChecked(true);
    GroupBox2 = new ui::GroupBox(this, "GroupBox2", {12, 176, 406, 68}, "Technology");
    RadioButton7 = new ui::RadioButton(GroupBox2, "RadioButton7", {8, 18, 390, 17},
                                       "To widen a cutter (including a chamfer and a protuberance)");
    RadioButton8 = new ui::RadioButton(GroupBox2, "RadioButton8", {8, 40, 390, 17}, "To weaken by regrinding of an involute");
    RadioButton7->SetChecked(true);
    new ui::Label(this, "Label9", {230, 92, 0, 0}, "Backlash [mm]");
    Edit3 = new ui::Edit(this, "Edit3", {330, 88, 70, 21});
    Button1 = new ui::Button(this, "Button1", {40, 260, 75, 25}, "Esc");
    Button1->ModalResult = ui::mrCancel;
    Button2 = new ui::Button(this, "Button2", {178, 260, 75, 25}, "Help");
    Button3 = new ui::Button(this, "Button3", {316, 260, 75, 25}, "Ok");
    Button3->ModalResult = ui::mrOk;

    Button1->OnClick = [] {
        G.BacklashMethodPending = true;
        SkipBacklashChecks = false;
    };
    Button2->OnClick = [] {
        if (!ui::Help(kWindowsHelpFile, ui::HELP_CONTEXT, 6)) ui::MessageBox("Help is missing.", kErrorCaption, ui::MB_OK);
    };
    RadioButton4->OnClick = [] { SetThinning(true, false, false); };
    RadioButton5->OnClick = [] { SetThinning(false, true, false); };
    RadioButton6->OnClick = [] { SetThinning(false, false, true); };
    OnShow = [this] { Edit3->SetText(rt::Str(G.jn, 4, 3)); };
}

}  // namespace ostrimo
