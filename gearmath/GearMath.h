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

// inv(x) - target, the function whose root is the inverse involute (evaluated in extended
// precision: tan x - x cancels for small angles).
inline double EvaluateInvoluteEquation(double x, double target) {
    const Extended xe = x;
    return static_cast<double>(std::tan(xe) - xe - target);
}

// Start values of the undercut Newton solve (boundary radius / base radius, and the two angles of
// the tool-tip trochoid and the involute [rad]) for an undercut of depth t, in units of the
// profile shift coefficient.  Deeper undercuts start farther from the base circle.
inline std::array<double, 3> UndercutStartValues(double t) {
    std::array<double, 3> u = {1.05, 0.6, 0.08};
    if (t <= 0.71) u = {1.02, 0.2, 0.0001};
    if (t <= 0.31) u = {1.0007, 0.07, 2e-5};
    if (t <= 0.12) u = {1.00007, 0.02, 7e-7};
    if (t <= 0.008) u = {1.0000007, 0.002, 4e-10};
    if (t <= 0.001) u = {1.000000007, 0.0002, 4e-14};
    return u;
}

}  // namespace gear
