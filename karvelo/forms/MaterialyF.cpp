#include "karvelo/forms/MaterialyF.h"

namespace karvelo {

TMaterialy_F* Materialy_F = nullptr;

TMaterialy_F::TMaterialy_F() : Form("Materialy_F") {
    SetCaption("Input of material parameters");
    SetClientSize(520, 300);
    BorderIcons = 0;
    KeyPreview = true;
    Button1 = new ui::Button(this, "Button1", {215, 260, 89, 25}, "&Ok");
    Button1->ModalResult = ui::mrOk;
    OnKeyUp = [this](ui::Word& key, ui::ShiftState) {
        HelpKeyUp(key, 31);
        if (key == ui::VK_ESCAPE) ModalResult = ui::mrCancel;
    };
}

}  // namespace karvelo
