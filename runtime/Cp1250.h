// User texts in the data files are 8-bit, Windows code page 1250 (Central European).
// They are kept as bytes in the global data; the windows convert for display and input.
#pragma once

#include <string>

namespace rt {

// Bytes in code page 1250 -> UTF-8.  The five unassigned bytes become U+FFFD.
std::string Cp1250ToUtf8(const std::string& bytes);
// UTF-8 -> bytes in code page 1250.  Characters outside the code page become '?',
// as do malformed UTF-8 sequences.
std::string Utf8ToCp1250(const std::string& utf8);
// The first character of a UTF-8 text that code page 1250 lacks (as UTF-8), "" when every
// character has its byte.
std::string FirstOutsideCp1250(const std::string& utf8);

}  // namespace rt
