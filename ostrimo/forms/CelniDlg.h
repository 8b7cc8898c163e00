// Unit CelniDlg: the results window "Results of Gear Geometry Checking", shown without a
// modal loop by the complete check and repainted by the main dialog's recompute chain.
// This form holds the window's frame, buttons and drawing surface; the verdict list that
// PaintBox1Paint lays out and draws belongs to the results-window work.
#pragma once

#include "ui/Forms.h"

namespace ostrimo {

extern const char* const kResultsCaption;

class TCelniDlg : public ui::Form {
public:
    TCelniDlg();

    ui::Panel* Panel1;        // fills the client area
    ui::PaintBox* PaintBox1;  // the verdict list
    ui::Panel* Panel2;        // bottom strip
    ui::Button* OkBtn;        // "&Back"
    ui::Button* Button1;      // "&Dimensions Table"
    ui::Button* Button2;      // "&Help"

    void FormShow();
    // Lays the verdict list out again and repaints it.
    void PaintBox1Paint();
    void OKBtnClick();
    void Button1Click();
    void Button2Click();
    void FormKeyUp(ui::Word& key);
};

extern TCelniDlg* CelniDlg;

}  // namespace ostrimo
