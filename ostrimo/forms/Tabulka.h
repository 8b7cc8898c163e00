// Unit Tabulka: the dimensions table "Dimensions Table", opened modally from the results
// window.  A five-column grid: caption (with the quantity's symbol drawn at its right
// end), unit, pinion, value common to the pair, wheel or rack.  The grid stores only
// captions, units and headers; values and symbols are painted from the global data
// whenever a cell is drawn, numbers aligned on their decimal point.  The table prints
// to a printer or a PDF file, saves its pages as bitmap files, and quick-prints as text.
// The chord rows are named after the main dialog's chord choice (PagesDlg; constant
// chords without it).
#pragma once

#include <string>
#include <vector>

#include "ui/Forms.h"

namespace ostrimo {

extern const char* const kTableCaption;

// Anchors of the value columns 2, 3, 4: a number's decimal point starts there.
inline constexpr int kValueAnchor[5] = {0, 0, 340, 440, 540};

// Rows of the table: external 77, internal 85, bevel 45 (0 for another type).
int TableRowCount();
// Caption of column 0 and unit of column 1 of a row, for the current gearing type.
// constantChords: both gears' chord is the constant chord (test dimensions page).
std::string TableCaption(int row, bool constantChords);
std::string TableUnit(int row);
// The value text of a cell of columns 2..4 ("" where there is none); "---" where the
// value does not apply, "***" for a number that does not fit.
std::string TableValueText(int col, int row);
// An angle in degrees as the table shows it while AngleFormatDMS is set: d° m'  s".
std::string FormatTableAngleDms(double degrees);
// The prefix of a value text that ends at its column's anchor.
std::string NumericPrefix(const std::string& text);

// A part of a row's symbol: a letter in the caption font, a Greek letter (the Latin
// letter in the "Symbol" font, with its size), or an index or asterisk in Arial 8.
struct TableGlyph {
    enum Kind { Letter, Greek, Index } Pass = Letter;
    std::string Text;
    int X = 0, Dy = 0;
    int Size = 10;  // points, Greek letters only
    bool operator==(const TableGlyph&) const = default;
};
const std::vector<TableGlyph>& TableGlyphs(int row);

class TTabulkaDlg : public ui::Form {
public:
    TTabulkaDlg();

    ui::StringGrid* StringGrid1;
    ui::Button* Tisk;       // "&Print the table"
    ui::Button* Button1;    // "&Quick print"
    ui::Button* CancelBtn;  // "&Back"
    ui::Button* Button2;    // "&Help"
    ui::PrintDialog PrintDialog1;
    ui::SaveDialog SaveDialog1;

    // True only while the table is rendered for printing: every cell black on white.
    bool PrintRendering = false;

    void FormShow();
    void data1();
    void data3();
    void CancelBtnClick();
    void Button2Click();
    void FormKeyUp(ui::Word& key);
    void StringGrid1DrawCell(int col, int row, const ui::Rect& rect, unsigned state);
    void DrawNumericCellText(const std::string& text, int anchor, int y);
    void TiskClick();
    void Button1Click();

    // The data file of the case (full name), "" for none: the caption is "Dimensions Table -
    // <name>", the table's title and the quick print name the file.
    void SetDataFileName(const std::string& fileName);

private:
    std::string dataFileName_;
    // The data file's name without its folder, "" for none.
    std::string TitleFileName() const;
    void WriteTitleAndHeaders(const char* wheelHeader);
    void DrawGlyphs(int row, const ui::Rect& rect);
    void PrintPages();
    void SavePageBitmaps();
};

extern TTabulkaDlg* TabulkaDlg;

}  // namespace ostrimo
