// Direct simulation of cutting a spur gear with a rack tool, as an independent check of
// the trochoid routines.  The gear turns by phi while the tool moves by r phi along its
// rolling line (r the rolling radius); a circle of the tool (the tip rounding, or a
// point for radius 0) removes material.  At a radius R the material boundary it leaves
// is the smallest polar angle, over all phi, at which the circle reaches R.  The
// involute start is the radius where that boundary meets the involute flank
// (half-angle s/(2r) + inv alpha - inv alpha_R, the textbook tooth thickness).
#pragma once

#include <algorithm>
#include <cmath>

namespace ostrimo::test {

struct ToolCircle {
    double across;  // centre across from the tooth's middle line at phi = 0 [mm]
    double height;  // centre's distance from the gear axis at phi = 0 [mm]
    double radius;  // [mm]
};

struct InvoluteFlank {
    double rb;          // base radius
    double halfAngle0;  // s/(2r) + inv alpha: the half angle of the tooth at the base circle
    double At(double R) const {
        const double a = std::acos(rb / R);
        return halfAngle0 - (std::tan(a) - a);
    }
};

// Polar angle (from the tooth's middle line towards the tool) of the boundary that the
// circle leaves at radius R, or a large value where it does not reach R.
inline double SimulatedBoundaryAngle(const ToolCircle& c, double r, double R) {
    auto angleAt = [&](double phi) {
        const double X = c.across - r * phi, Y = c.height;
        const double cx = X * std::cos(phi) + Y * std::sin(phi);
        const double cy = -X * std::sin(phi) + Y * std::cos(phi);
        if (c.radius == 0) return std::atan2(cx, cy);  // a point reaches R at the ends only
        const double rc = std::hypot(cx, cy);
        const double q = (R * R + rc * rc - c.radius * c.radius) / (2 * R * rc);
        if (q > 1 || q < -1) return 1e9;
        return std::atan2(cx, cy) - std::acos(q);
    };
    // the centre lies within R + radius of the axis for |across - r phi| <= w
    if (R + c.radius <= c.height) return 1e9;
    const double w = std::sqrt((R + c.radius) * (R + c.radius) - c.height * c.height);
    const double phiLo = (c.across - w) / r, phiHi = (c.across + w) / r;
    if (c.radius == 0) return std::min(angleAt(phiLo), angleAt(phiHi));
    const int n = 4000;
    int best = 0;
    double bestAngle = 1e9;
    for (int i = 0; i <= n; ++i) {
        const double a = angleAt(phiLo + (phiHi - phiLo) * i / n);
        if (a < bestAngle) {
            bestAngle = a;
            best = i;
        }
    }
    double lo = phiLo + (phiHi - phiLo) * std::max(best - 1, 0) / n;
    double hi = phiLo + (phiHi - phiLo) * std::min(best + 1, n) / n;
    const double g = (std::sqrt(5.0) - 1) / 2;
    for (int i = 0; i < 200 && hi - lo > 1e-15; ++i) {
        const double m1 = hi - g * (hi - lo), m2 = lo + g * (hi - lo);
        if (angleAt(m1) < angleAt(m2))
            hi = m2;
        else
            lo = m1;
    }
    return std::min(bestAngle, angleAt((lo + hi) / 2));
}

// Diameter where the boundary left by the circle crosses the involute, searched between
// the base circle and the radius Rmax (0 when they do not cross there).
inline double SimulatedInvoluteStartDiameter(const ToolCircle& c, double r, const InvoluteFlank& involute,
                                             double Rmax) {
    auto gap = [&](double R) { return SimulatedBoundaryAngle(c, r, R) - involute.At(R); };
    double lo = involute.rb * (1 + 1e-12), hi = Rmax;
    if (!(gap(lo) < 0 && gap(hi) > 0)) return 0;
    for (int i = 0; i < 200 && hi - lo > 1e-13; ++i) {
        const double mid = (lo + hi) / 2;
        (gap(mid) < 0 ? lo : hi) = mid;
    }
    return lo + hi;
}

}  // namespace ostrimo::test
