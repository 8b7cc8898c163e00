// Unit Moduly: the table of normal modules, caption "Tablle of modules [mm]  by ČSN 01 4608".
#pragma once

#include "karvelo/forms/InputWindow.h"

namespace karvelo {

class TTabulka_modulu : public ui::Form {
public:
    TTabulka_modulu();
};

extern TTabulka_modulu* Tabulka_modulu;

}  // namespace karvelo
