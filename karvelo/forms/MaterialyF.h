// Unit MaterialyF: the materials window: the material data of both gears, caption "Input of material parameters".
#pragma once

#include "karvelo/forms/InputWindow.h"

namespace karvelo {

class TMaterialy_F : public ui::Form {
public:
    TMaterialy_F();
    ui::Button* Button1;  // "&Ok"
};

extern TMaterialy_F* Materialy_F;

}  // namespace karvelo
