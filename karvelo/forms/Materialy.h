// Unit Materialy: the built-in material table of ISO 6336-5 (table 1), from which a material is
// picked for the pinion or the wheel: its class, quality grade, hardness and allowable stresses.
#pragma once

#include <string>

#include "karvelo/forms/InputWindow.h"

namespace karvelo {

class TMaterialova_tabulka : public ui::Form {
public:
    TMaterialova_tabulka();

    static constexpr int kRows = 35;
    // The text of cell (col, row) as the table shows it (row 0: the header, lines split by "\r").
    static std::string CellText(int col, int row);

    ui::StringGrid* Stringgrid1;

    void FormCreate();
    void FormActivate();
    void Stringgrid1DrawCell(int col, int row, const ui::Rect& rect, unsigned state);
    void Stringgrid1MouseMove(int x, int y);
    void Stringgrid1MouseUp(int x, int y);
    void Stringgrid1DblClick();
    void Stringgrid1KeyPress(ui::KeyChar& key);
    void FormKeyUp(ui::Word& key);
    // Writes row r (1..35) into the material data of the gear named by MaterialForPinion and
    // closes the table.
    void ApplyMaterialTableRow(int r);

private:
    void DrawWrappedCellText(const std::string& text, const ui::Rect& rect, int dx, int dy);
    // The row of the cell under the mouse, a header or the space outside the cells counting as
    // row 1.
    int PointedRow() const { return mouseRow_ > 0 ? mouseRow_ : 1; }
    void RememberCell(int x, int y);

    int mouseX_ = 0, mouseY_ = 0, mouseCol_ = 0, mouseRow_ = 0;
};

extern TMaterialova_tabulka* Materialova_tabulka;

}  // namespace karvelo
