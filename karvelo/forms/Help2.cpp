#include "karvelo/forms/Help2.h"

namespace karvelo {

THelp_2* Help_2 = nullptr;

THelp_2::THelp_2() : Form("Help_2") {
    SetCaption("Application factor KA    (ISO 6336 - 6, tab. B 1,2,3,4)");
    SetClientSize(560, 260);
}

}  // namespace karvelo
