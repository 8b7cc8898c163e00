#include "karvelo/forms/KHbetaC.h"

namespace karvelo {

TKHbeta_C* KHbeta_C = nullptr;

TKHbeta_C::TKHbeta_C() : Form("KHbeta_C") {
    SetCaption("KHbeta_C  -  ISO 6336-2  pgs. 45-62");
    SetClientSize(640, 480);
}

}  // namespace karvelo
