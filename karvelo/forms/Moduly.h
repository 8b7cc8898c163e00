// Unit Moduly: the table of normal modules "Tablle of modules [mm]  by ČSN 01 4608", shown
// beside the geometry window and closed by Esc.
#pragma once

#include <string>
#include <vector>

#include "karvelo/forms/InputWindow.h"

namespace karvelo {

// One line of the table: a module of the first preference row with "--" for the second, or the
// other way round.  The lines hold both rows in size order, with decimal commas.
struct ModuleLine {
    std::string row1, row2;
};
std::vector<ModuleLine> ModuleTableLines();

class TTabulka_modulu : public ui::Form {
public:
    TTabulka_modulu();
    void FormKeyPress(ui::KeyChar& key);

private:
    void AddColumn(const std::string& name, int left, const std::string& heading, const std::string& text);
};

extern TTabulka_modulu* Tabulka_modulu;

}  // namespace karvelo
