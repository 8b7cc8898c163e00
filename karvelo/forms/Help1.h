// Unit Help1: the note on the stress ratio R of the mean stress factor YM, caption
// "Coefficient  R    (ISO 6336/3 - page 40)"; shown beside the window that opened it, closed by
// Esc.
#pragma once

#include "karvelo/forms/InputWindow.h"

namespace karvelo {

class THelp_1 : public ui::Form {
public:
    THelp_1();
    void FormKeyPress(ui::KeyChar& key);
};

extern THelp_1* Help_1;

}  // namespace karvelo
