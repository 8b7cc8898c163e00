// Unit CelniDlg: the results window "Results of Gear Geometry Checking", shown without a
// modal loop by the complete check and repainted by the main dialog's recompute chain.
//
// The window lists the verdicts of the check for the current gearing type: errors in
// bold red, then warnings indented in black; when none holds, "GEARING IS PERFECT" in
// green.  Each verdict is a slot of VerdictTable, built from the global data with its
// numbers written in and the Greek letters and subscripts that go over its blanks.
// Laying out (build, measure, size the window) happens outside painting; the paint box
// only draws what the last layout built, so the window always fits what is drawn.  Its
// "&Dimensions Table" button opens the dimensions table (TabulkaDlg), when there is one.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "ui/Forms.h"

namespace ostrimo {

extern const char* const kResultsCaption;

// A letter or subscript drawn over the blanks of a verdict line, right after the
// text it belongs to (x from the left of the paint box, dy added to the line's top).  Greek letters are Latin letters
// in the "Symbol" font.
struct VerdictGlyph {
    std::string Text;
    int X = 0, Dy = 0;
    std::string FontName;
    int Size = 7;  // points
    bool operator==(const VerdictGlyph&) const = default;
};

// One verdict: shown when its condition holds.
struct VerdictSlot {
    bool Shown = false;
    std::string Text;  // at most 102 characters
    std::vector<VerdictGlyph> Glyphs;
};

// A glyph placed after the text it belongs to: a subscript right after its letter ("d" of
// "diameter d"), epsilon gamma one blank after the words before it.  The line's blanks leave
// room for them.
struct GlyphAt {
    std::string After;   // the text before the glyph (its first occurrence in the line)
    VerdictGlyph Glyph;  // X relative to the end of that text
};

inline constexpr int kVerdictSlots = 33;
// Slot 0: the line shown when no verdict holds.
extern const char* const kNoVerdictLine;

class TCelniDlg : public ui::Form {
public:
    TCelniDlg();

    ui::Panel* Panel1;        // fills the client area
    ui::PaintBox* PaintBox1;  // the verdict list
    ui::Panel* Panel2;        // bottom strip
    ui::Button* OkBtn;        // "&Back"
    ui::Button* Button1;      // "&Dimensions Table"
    ui::Button* Button2;      // "&Help"

    // ---- the verdict list of the last layout
    std::array<VerdictSlot, kVerdictSlots> VerdictTable;
    int VerdictCount = 0;      // slots 1..VerdictCount belong to the current list
    int FirstWarningSlot = 1;  // slots from here on are warnings
    int VerdictY = 0;          // running y
    int VerdictLineHeight = 17;
    int VerdictIndex = 0;        // slot being measured or painted
    int VerdictListHeight = 15;  // height of the shown lines; 15: no verdict shown
    int VerdictMaxWidth = 0;     // widest text extent

    void FormShow();
    // Lays the verdict list out again from the global data and repaints it.
    void PaintBox1Paint();
    void OKBtnClick();
    void Button1Click();
    void Button2Click();
    void FormKeyUp(ui::Word& key);

    // Fill VerdictTable for one gearing type (any other type shows nothing).
    void BuildVerdictsExternal();
    void BuildVerdictsInternal();
    void BuildVerdictsBevel();
    // Build, measure and size the window and the paint box.
    void LayOutVerdicts();
    // The OnPaint of the paint box: the list of the last layout.
    void DrawVerdicts();

private:
    void ClearVerdicts(int count, int firstWarning);
    void SetVerdict(int slot, bool shown, std::string text, const std::vector<GlyphAt>& glyphs = {});
    void SetContactRatioWarnings(int slot);
    void SetPinionUndercutWarning(int slot);
    void SetClearanceWarnings(int slot, double pinion, double wheel, double limit);
    void SetTipThicknessWarnings(int slot, double s1, double s2, const char* tip);
    void SetSlidingWarnings(int slot);
    void MeasureVerdictLine();
    void PaintVerdictLine();
    void PaintVerdictGlyphs(bool bold);
    void SetVerdictFont(unsigned style, ui::Color color);
};

extern TCelniDlg* CelniDlg;

}  // namespace ostrimo
