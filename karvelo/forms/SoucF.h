// Unit SoucF: the window of the grinding notches, the oil viscosity and the directly given factors, caption "Other factors and inputs".
#pragma once

#include "karvelo/forms/InputWindow.h"

namespace karvelo {

class TSouc_F : public ui::Form {
public:
    TSouc_F();
    ui::Button* Button1;  // "&Ok"
    // Help topic of the fields of the grinding notches (1..7), else of the factors.
    static unsigned long HelpContext();
};

extern TSouc_F* Souc_F;

}  // namespace karvelo
