// A text item of the program's files is one line of its own: a line break inside it would
// split the item and shift every line after it.
#pragma once

#include <cstddef>
#include <string>

namespace rt {

// The text on one line: each line break in it (CR LF, CR or LF) becomes one blank.
inline std::string OneLine(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        out.push_back(c == '\r' || c == '\n' ? ' ' : c);
    }
    return out;
}

}  // namespace rt
