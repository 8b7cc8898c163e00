#include "karvelo/app/Prubehy_jedn.h"

namespace karvelo {

TPrubehy_jednF* Prubehy_jednF = nullptr;

TPrubehy_jednF::TPrubehy_jednF() : Form("Prubehy_jednF") {
    SetCaption("Damage on individual stress levels");
    SetBounds(0, 0, 781, 524);
}

}  // namespace karvelo
