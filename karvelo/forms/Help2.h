// Unit Help2: the table of guide values of the application factor KA, caption "Application factor KA    (ISO 6336 - 6, tab. B 1,2,3,4)".
#pragma once

#include "karvelo/forms/InputWindow.h"

namespace karvelo {

class THelp_2 : public ui::Form {
public:
    THelp_2();
};

extern THelp_2* Help_2;

}  // namespace karvelo
