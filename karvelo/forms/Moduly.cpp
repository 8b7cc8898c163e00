#include "karvelo/forms/Moduly.h"

namespace karvelo {

TTabulka_modulu* Tabulka_modulu = nullptr;

TTabulka_modulu::TTabulka_modulu() : Form("Tabulka_modulu") {
    SetCaption("Tablle of modules [mm]  by ČSN 01 4608");
    SetClientSize(420, 300);
}

}  // namespace karvelo
