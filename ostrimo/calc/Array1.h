// Ostrimo's arrays indexed 1..N are the runtime's.
#pragma once

#include "runtime/Array1.h"

namespace ostrimo {
using rt::Array1;
}  // namespace ostrimo
