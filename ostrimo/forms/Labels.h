// Texts and small labels shared by Ostrimo's windows: the degree sign, "No solution", and the index or
// Greek letter written right after a caption label.
#pragma once

#include <string>

#include "ui/Forms.h"

namespace ostrimo {

inline constexpr const char* kDegree = "\xC2\xB0";
inline constexpr const char* kDegreeUnit = "[ \xC2\xB0 ]";
// What an identification result shows where no wheel follows from the measured values.
inline constexpr const char* kNoSolution = "No solution";

// A small index written after the label `after`: a subscript, or a superscript when raised.
inline ui::Label* NewIndex(ui::Container* parent, const std::string& name, const ui::Label* after,
                           const std::string& text, bool raised = false) {
    const int top = after->Top() + (raised ? -3 : 5);
    auto* l = new ui::Label(parent, name, {after->Left() + after->Width(), top, 0, 0}, text);
    l->SetFontPixels(9);
    return l;
}

// A Greek letter written in the Symbol font after the label `after`.
inline ui::Label* NewSymbol(ui::Container* parent, const std::string& name, const ui::Label* after,
                            const std::string& letter) {
    auto* l = new ui::Label(parent, name, {after->Left() + after->Width(), after->Top(), 0, 0}, letter);
    l->SetFontName("Symbol");
    return l;
}

}  // namespace ostrimo
