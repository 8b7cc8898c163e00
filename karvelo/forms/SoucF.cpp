#include "karvelo/forms/SoucF.h"

#include "karvelo/calc/Global.h"

namespace karvelo {

TSouc_F* Souc_F = nullptr;

TSouc_F::TSouc_F() : Form("Souc_F") {
    SetCaption("Other factors and inputs");
    SetClientSize(520, 300);
    BorderIcons = 0;
    KeyPreview = true;
    Button1 = new ui::Button(this, "Button1", {215, 260, 89, 25}, "&Ok");
    Button1->ModalResult = ui::mrOk;
    // Opening the window makes the service-life results and the shown equivalent values out of date.
    OnActivate = [] {
        G.LifeValid = false;
        G.EquivalentStressesCurrent = false;
    };
    OnKeyUp = [](ui::Word& key, ui::ShiftState) { HelpKeyUp(key, HelpContext()); };
}

unsigned long TSouc_F::HelpContext() { return G.ActiveEdit >= 1 && G.ActiveEdit <= 7 ? 81 : 82; }

}  // namespace karvelo
