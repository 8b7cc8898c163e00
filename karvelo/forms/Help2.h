// Unit Help2: the guide values of the application factor KA by the working characteristics of
// the driving and the driven machine, with examples of both, caption
// "Application factor KA    (ISO 6336 - 6, tab. B 1,2,3,4)"; closed by Esc.
#pragma once

#include "karvelo/forms/InputWindow.h"

namespace karvelo {

class THelp_2 : public ui::Form {
public:
    THelp_2();
    void FormKeyPress(ui::KeyChar& key);
};

extern THelp_2* Help_2;

}  // namespace karvelo
