// Routines both programs compile: the guarded trigonometry, the involute equation
// and the start values of the undercut Newton solve.  No global data here: each
// program wraps them with its own reaction to a refused argument (Karvelo only shows
// the message, Ostrimo also sets its ErrorFlag).
#pragma once

#include <array>
#include <cmath>
#include <numbers>

#include "runtime/Notice.h"

namespace gear {

using Extended = long double;

inline constexpr const char* kTanRefused = "Invalid argument for tangent, impossible gearing parameters";
inline constexpr const char* kArcCosRefused = "Invalid argument for arccosinus, impossible gearing parameters";
inline constexpr const char* kArcSinRefused = "Invalid argument for arcsinus, impossible gearing parameters";
inline constexpr const char* kTrigCaption = "  Error !";

// Called with the message text of a refused argument.  The default shows the box.
using RefusalHandler = void (*)(const char* message);
inline void ShowRefusal(const char* message) { rt::MessageBox(message, kTrigCaption, rt::MB_OK); }

// tan(x); refuses x equal to pi/2 in extended precision (a double near pi/2 passes).
inline Extended CheckedTan(Extended x, RefusalHandler refuse = ShowRefusal) {
    if (x == std::numbers::pi_v<Extended> / 2) {
        refuse(kTanRefused);
        return 0;
    }
    return std::sin(x) / std::cos(x);
}

// arccos(x) in [0, pi]; refuses |x| > 1 and NaN.
inline Extended CheckedArcCos(Extended x, RefusalHandler refuse = ShowRefusal) {
    if (std::isnan(x) || x > 1 || x < -1) {
        refuse(kArcCosRefused);
        return 0;
    }
    if (x == 1) return 0;
    if (x == -1) return std::numbers::pi_v<Extended>;
    return std::numbers::pi_v<Extended> / 2 - std::atan(x / std::sqrt(1 - x * x));
}

// arcsin(x) in [-pi/2, pi/2]; refuses |x| > 1 and NaN.
inline Extended CheckedArcSin(Extended x, RefusalHandler refuse = ShowRefusal) {
    if (std::isnan(x) || x > 1 || x < -1) {
        refuse(kArcSinRefused);
        return 0;
    }
    if (x == 1) return std::numbers::pi_v<Extended> / 2;
    if (x == -1) return -std::numbers::pi_v<Extended> / 2;
    return std::atan(x / std::sqrt(1 - x * x));
}

// inv(x) - target, the function whose root is the inverse involute.
inline double EvaluateInvoluteEquation(double x, double target) { return std::tan(x) - x - target; }

}  // namespace gear
