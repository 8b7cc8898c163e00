// Small numerical helpers of the geometry routines: the involute through the guarded
// tangent, degree conversion, and the scan-and-bisect root search that several
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
inline double Deg(L radians) { return static_cast<double>(radians * 180 / kPiL); }

// Sign convention of every root search: a residual below 0 counts -1, else +1 (an
// exact 0 counts positive).
inline int SignOf(double v) { return v < 0 ? -1 : 1; }

// Halving-mode steps allowed before a search gives up (bisection reaches the
// spacing of doubles after about 60).
inline constexpr int kMaxHalvings = 200;
// Passes allowed in all (a guard against a step that does not advance).
inline constexpr int kMaxSearchPasses = 200000;

enum class ScanEnd { Root, PastLimit, Failed };

// Scan and bisect for a root of f, starting with [lo, hi] and moving the bracket up by
// step while the signs at its ends agree; once they differ the search works in halving
// mode: a sign change halves the upper end towards lo, agreeing signs move the bracket
// to [hi, hi + (hi - lo)/2].  After each halving-mode step |f(hi)| < tolerance gives
// the root hi; a scan move is not followed by that test.  pastLimit(hi) ends the scan
// (PastLimit).  A NaN residual or too many steps give Failed.
template <class Residual, class PastLimit>
ScanEnd ScanAndBisect(Residual f, double lo, double hi, double step, PastLimit pastLimit, double tolerance,
                      double& root) {
    if (!(step > 0)) return ScanEnd::PastLimit;
    bool halving = false;
    int halvings = 0;
    for (int pass = 0; pass < kMaxSearchPasses; ++pass) {
        const double fLo = f(lo);
        const double fHi = f(hi);
        if (std::isnan(fLo) || std::isnan(fHi)) return ScanEnd::Failed;
        if (SignOf(fLo) != SignOf(fHi)) {
            hi = (lo + hi) / 2;
            halving = true;
        } else if (!halving) {
            lo = hi;
            hi += step;
            if (pastLimit(hi)) return ScanEnd::PastLimit;
            continue;
        } else {
            const double oldLo = lo;
            lo = hi;
            hi += (hi - oldLo) / 2;
        }
        if (++halvings > kMaxHalvings) return ScanEnd::Failed;
        const double fRoot = f(hi);
        if (std::isnan(fRoot)) return ScanEnd::Failed;
        if (std::fabs(fRoot) < tolerance) {
            root = hi;
            return ScanEnd::Root;
        }
    }
    return ScanEnd::Failed;
}

}  // namespace ostrimo::detail
