// Unit KHbetaC: the inputs of KHbeta by method C, caption "KHbeta_C  -  ISO 6336-2  pgs. 45-62".
#pragma once

#include "karvelo/forms/InputWindow.h"

namespace karvelo {

class TKHbeta_C : public ui::Form {
public:
    TKHbeta_C();
};

extern TKHbeta_C* KHbeta_C;

}  // namespace karvelo
