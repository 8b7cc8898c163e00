// Rounding and truncation as the original runtime did them.
// The real-valued forms keep NaN and infinities (so a caller can test the result);
// the integer forms saturate and give 0 for NaN, never undefined behaviour.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace rt {

// Round half to even (the x87 default): Round(2.5) = 2, Round(3.5) = 4.
inline double Round(double x) { return std::nearbyint(x); }
// Toward zero.
inline double Trunc(double x) { return std::trunc(x); }
// Integer part (toward zero) as a real, as Int(x).
inline double Int(double x) { return std::trunc(x); }
// Fractional part with the sign of x; NaN for non-finite x.
inline double Frac(double x) { return std::isfinite(x) ? x - std::trunc(x) : std::numeric_limits<double>::quiet_NaN(); }

// Saturating conversion of an already whole value to an integer type.
template <typename T = std::int64_t>
T ToInteger(double whole) {
    if (std::isnan(whole)) return 0;
    if (whole <= static_cast<double>(std::numeric_limits<T>::min())) return std::numeric_limits<T>::min();
    if (whole >= static_cast<double>(std::numeric_limits<T>::max())) return std::numeric_limits<T>::max();
    return static_cast<T>(whole);
}

template <typename T = std::int64_t>
T RoundInt(double x) {
    return ToInteger<T>(Round(x));
}
template <typename T = std::int64_t>
T TruncInt(double x) {
    return ToInteger<T>(Trunc(x));
}

}  // namespace rt
