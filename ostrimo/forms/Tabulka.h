// Unit Tabulka: the dimensions table "Dimensions Table", opened modally from the results
// window.  This form holds the window's frame and its "&Back"; the table itself, its
// painting and printing belong to the dimensions-table work.
#pragma once

#include "ui/Forms.h"

namespace ostrimo {

extern const char* const kTableCaption;

class TTabulkaDlg : public ui::Form {
public:
    TTabulkaDlg();

    ui::Button* OKBtn;  // "&Back"
};

extern TTabulkaDlg* TabulkaDlg;

}  // namespace ostrimo
