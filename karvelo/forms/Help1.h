// Unit Help1: the note on the stress ratio R of the mean stress factor, caption "Coefficient  R    (ISO 6336/3 - page 40)".
#pragma once

#include "karvelo/forms/InputWindow.h"

namespace karvelo {

class THelp_1 : public ui::Form {
public:
    THelp_1();
};

extern THelp_1* Help_1;

}  // namespace karvelo
