#include "karvelo/forms/Help1.h"

namespace karvelo {

THelp_1* Help_1 = nullptr;

THelp_1::THelp_1() : Form("Help_1") {
    SetCaption("Coefficient  R    (ISO 6336/3 - page 40)");
    SetClientSize(520, 240);
}

}  // namespace karvelo
