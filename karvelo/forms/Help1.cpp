#include "karvelo/forms/Help1.h"

#include "karvelo/forms/ZatizeniF.h"

namespace karvelo {

THelp_1* Help_1 = nullptr;

THelp_1::THelp_1() : Form("Help_1") {
    SetCaption("Coefficient  R    (ISO 6336/3 - page 40)");
    SetClientSize(600, 252);
    Position = ui::Position::BesideOwner;
    BorderStyle = ui::BorderStyle::Single;
    KeyPreview = true;
    auto* title = new ui::Label(this, "Label1", {16, 12, 0, 0}, "Mean stress ratio");
    title->SetFontStyle(ui::fsBold);
    new ui::Label(this, "Label2", {16, 40, 0, 0},
                  "R  - the ratio of the loads of the left and the right tooth flanks; it serves to compute\r"
                  "      the mean stress factor YM (see ISO 6336-3).");
    new ui::Label(this, "Label3", {16, 84, 0, 0}, "Pure pulsating load (ordinary gears)");
    new ui::Label(this, "Label4", {360, 84, 0, 0}, "R = 0");
    new ui::Label(this, "Label5", {16, 106, 0, 0}, "Alternating load (for example idler gears)");
    new ui::Label(this, "Label6", {360, 106, 0, 0}, "R = -1,2");
    auto* reverse = new ui::Label(
        this, "Label7", {16, 136, 0, 0},
        "Reverse loading (changes of directions) -  up to 100 changes of directions and total cycles < 3*10");
    new ui::Label(this, "Label8", {16 + reverse->Width(), 131, 0, 0}, "6");
    new ui::Label(this, "Label9", {40, 162, 0, 0}, "Y");
    new ui::Label(this, "Label10", {49, 168, 0, 0}, "M rev");
    new ui::Label(this, "Label11", {84, 162, 0, 0}, "= 1 / (1 - R (1- M) / (1- M)) ");
    new ui::Label(this, "Label12", {16, 196, 0, 0}, "Factor range   -1.2 <= R <= 0");
    new ui::Label(this, "Label13", {16, 218, 0, 0}, "Larger values are entered as alternating load.");
    OnKeyPress = [this](ui::KeyChar& key) { FormKeyPress(key); };
}

void THelp_1::FormKeyPress(ui::KeyChar& key) {
    if (key == 27) Close();
    // Typing goes on in the loading window's R1 or R2 field when its "Help" button opened this one.
    if (Zatizeni_F) Zatizeni_F->FocusFieldBesideRHelp();
}

}  // namespace karvelo
