// Small numerical helpers of the geometry routines: the involute through the guarded
// tangent and the scan-and-bisect root search that several
// routines share.
#pragma once

#include <cmath>
#include <numbers>

#include "ostrimo/calc/Global.h"

namespace ostrimo::detail {

using L = long double;
inline constexpr L kPiL = std::numbers::pi_v<L>;

inline L Tan(L a) { return ComputeCheckedTan(a); }
inline L Inv(L a) { return Tan(a) - a; }  // involute function tan a - a

// Sign convention of every root search: a residual below 0 counts -1, else +1 (an
// exact 0 counts positive).
inline int SignOf(double v) { return v < 0 ? -1 : 1; }

// Halving-mode steps allowed before a search gives up (bisection reaches the
// spacing of doubles after about 60).
inline constexpr int kMaxHalvings = 200;
// Passes allowed in all (a guard against a step that does not advance).
inline constexpr int kMaxSearchPasses = 200000;

// The bracket [lo, hi] of a scan-and-bisect root search.  The search moves it up while
// the signs of the residual at its ends agree; once they differ it works in halving mode.
struct ScanBracket {
    double lo, hi;
    bool halving = false;

    // After comparing the signs at lo and hi: a sign change halves the bracket towards
    // lo; agreeing signs in halving mode move it to [hi, hi + (hi - lo)/2] (the other
    // half of the last bracket).  False when the signs agree in scan mode: the caller
    // moves the bracket up (Move).
    bool Halve(bool signsDiffer) {
        if (signsDiffer) {
            hi = (lo + hi) / 2;
            halving = true;
            return true;
        }
        if (!halving) return false;
        const double oldLo = lo;
        lo = hi;
        hi += (hi - oldLo) / 2;
        return true;
    }
    void Move(double step) {
        lo = hi;
        hi += step;
    }
};

enum class ScanEnd { Root, PastLimit, Failed };

// Scan and bisect for a root of f, starting with [lo, hi] and moving the bracket up by
// step.  After each halving-mode step |f(hi)| < tolerance gives the root hi; a scan move
// is not followed by that test.  pastLimit(hi) after a move ends the scan (PastLimit).
// A NaN residual or too many steps give Failed.
template <class Residual, class PastLimit>
ScanEnd ScanAndBisect(Residual f, double lo, double hi, double step, PastLimit pastLimit, double tolerance,
                      double& root) {
    if (!(step > 0)) return ScanEnd::PastLimit;
    ScanBracket bracket{lo, hi};
    int halvings = 0;
    for (int pass = 0; pass < kMaxSearchPasses; ++pass) {
        const double fLo = f(bracket.lo);
        const double fHi = f(bracket.hi);
        if (std::isnan(fLo) || std::isnan(fHi)) return ScanEnd::Failed;
        if (!bracket.Halve(SignOf(fLo) != SignOf(fHi))) {
            bracket.Move(step);
            if (pastLimit(bracket.hi)) return ScanEnd::PastLimit;
            continue;
        }
        if (++halvings > kMaxHalvings) return ScanEnd::Failed;
        const double fRoot = f(bracket.hi);
        if (std::isnan(fRoot)) return ScanEnd::Failed;
        if (std::fabs(fRoot) < tolerance) {
            root = bracket.hi;
            return ScanEnd::Root;
        }
    }
    return ScanEnd::Failed;
}

}  // namespace ostrimo::detail
