#include "karvelo/forms/Schemata.h"

namespace karvelo {

TPudorysne_schema* Pudorysne_schema = nullptr;

TPudorysne_schema::TPudorysne_schema() : Form("Pudorysne_schema") {
    SetCaption("Kinematic arrangement    (ČSN 01 4686 part 4, fig.1)");
    SetClientSize(600, 420);
}

}  // namespace karvelo
