// Unit Prubehy: the S-N curve chart window "Courses".
#pragma once

#include "ui/Forms.h"

namespace karvelo {

class TPrubehy_F : public ui::Form {
public:
    TPrubehy_F();
};

extern TPrubehy_F* Prubehy_F;

}  // namespace karvelo
