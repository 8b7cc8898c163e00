// Number <-> text conversions with the behaviour of the original runtime library:
// fixed-point Str(x:w:d), the 23-character default real text of the data files,
// picture formats such as "#.###E+0;", and Val with its error position.
//
// Rounding of decimals: a double is first turned into the shortest decimal that
// reads back to the same double, and that decimal is rounded half away from zero.
// So a typed 2.675 shows as 2.68 although the double is 2.67499999999999982...
// Decimal separator is always '.', whatever the process locale.
#pragma once

#include <cstdint>
#include <string>

namespace rt {

// Str(x:w:d): d decimals (d = 0: no decimal point), '-' for negatives, left-padded
// with blanks to at least w characters, never cut.  A value that rounds to zero
// prints without a sign.  Non-finite values print as "NAN", "+INF", "-INF" (padded).
std::string Str(double x, int w, int d);

// Str(i:w) for integers: decimal digits, '-' for negatives, left-padded to w.
std::string Str(long long i, int w = 0);

// Str(x) without width: the default real text, 23 characters:
// sign or blank, one digit, '.', 14 digits, 'E', exponent sign, 4 exponent digits.
// 20 -> " 2.00000000000000E+0001", -7.5 -> "-7.50000000000000E+0000".
std::string StrReal(double x);
// The value StrReal(x) reads back as: x held to the 15 significant digits a data file stores.
// Non-finite values are returned as they are.
double StoredReal(double x);

// FormatFloat(format, x) for picture formats: sections "positive;negative;zero",
// digit placeholders '0' (always shown) and '#' (optional), '.', exponent
// "E+0"/"E-0"/"e+0"/"e-0", quoted literals.  An empty negative section formats the
// magnitude with the positive section and a leading '-'.
std::string FormatFloat(const std::string& format, double x);

// Val(s, x, code): decimal text to number.  Accepts leading blanks, a sign, digits
// with an optional '.', an optional exponent (E or e, optional sign, digits).
// code = 0 when the whole text is a number; otherwise the 1-based position of the
// first bad character (length + 1 when the text ends too early; 1 for "").
// On error x is left unchanged.
void Val(const std::string& s, double& x, int& code);
// Integer variant: digits only (optional sign, leading blanks); same error positions.
void Val(const std::string& s, long long& x, int& code);
void Val(const std::string& s, std::int32_t& x, int& code);
void Val(const std::string& s, std::int16_t& x, int& code);

}  // namespace rt
