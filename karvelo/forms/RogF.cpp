#include "karvelo/forms/RogF.h"

namespace karvelo {

TRog_F* Rog_F = nullptr;

TRog_F::TRog_F() : Form("Rog_F") {
    SetCaption("Radius and maximum depth of grinding notch in the  tooth root");
    SetClientSize(440, 220);
    KeyPreview = true;
    OnKeyUp = [](ui::Word& key, ui::ShiftState) { HelpKeyUp(key, 81); };
}

}  // namespace karvelo
