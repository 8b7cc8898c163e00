// Unit Prubehy_jedn: the window "Damage on individual stress levels".
#pragma once

#include "ui/Forms.h"

namespace karvelo {

class TPrubehy_jednF : public ui::Form {
public:
    TPrubehy_jednF();
};

extern TPrubehy_jednF* Prubehy_jednF;

}  // namespace karvelo
