// Unit Schemata: the picture of the kinematic arrangements of a pair between its bearings, caption "Kinematic arrangement    (ČSN 01 4686 part 4, fig.1)".
#pragma once

#include "karvelo/forms/InputWindow.h"

namespace karvelo {

class TPudorysne_schema : public ui::Form {
public:
    TPudorysne_schema();
};

extern TPudorysne_schema* Pudorysne_schema;

}  // namespace karvelo
