// Unit RogF: the radius of a grinding notch from the edge radius of the grinding disk, caption "Radius and maximum depth of grinding notch in the  tooth root".
#pragma once

#include "karvelo/forms/InputWindow.h"

namespace karvelo {

class TRog_F : public ui::Form {
public:
    TRog_F();
};

extern TRog_F* Rog_F;

}  // namespace karvelo
