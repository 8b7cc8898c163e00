// Unit Materialy: the built-in material table of ISO 6336-5, caption "Choice of material properties (ISO  6336-5, tab.1)".
#pragma once

#include "karvelo/forms/InputWindow.h"

namespace karvelo {

class TMaterialova_tabulka : public ui::Form {
public:
    TMaterialova_tabulka();
};

extern TMaterialova_tabulka* Materialova_tabulka;

}  // namespace karvelo
