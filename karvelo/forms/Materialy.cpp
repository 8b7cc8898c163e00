#include "karvelo/forms/Materialy.h"

namespace karvelo {

TMaterialova_tabulka* Materialova_tabulka = nullptr;

TMaterialova_tabulka::TMaterialova_tabulka() : Form("Materialova_tabulka") {
    SetCaption("Choice of material properties (ISO  6336-5, tab.1)");
    SetClientSize(720, 480);
    KeyPreview = true;
    OnKeyUp = [](ui::Word& key, ui::ShiftState) { HelpKeyUp(key, 32); };
}

}  // namespace karvelo
