#include "karvelo/app/Prubehy.h"

namespace karvelo {

TPrubehy_F* Prubehy_F = nullptr;

TPrubehy_F::TPrubehy_F() : Form("Prubehy_F") {
    SetCaption("Courses");
    SetBounds(0, 0, 700, 598);
    KeyPreview = true;
}

}  // namespace karvelo
