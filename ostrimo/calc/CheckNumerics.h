// Small helpers of the check, thickness, mesh and test-dimension routines: guarded
// trigonometry in double, the involute function, and distances along the line of
// action.
#pragma once

#include <cmath>
#include <numbers>

#include "ostrimo/calc/Global.h"

namespace ostrimo::checks {

inline constexpr double kPi = std::numbers::pi;

inline double Tan(double a) { return static_cast<double>(ComputeCheckedTan(a)); }
inline double ArcCos(double c) { return static_cast<double>(ComputeCheckedArcCos(c)); }
inline double ArcSin(double s) { return static_cast<double>(ComputeCheckedArcSin(s)); }
inline double Inv(double a) { return Tan(a) - a; }  // involute function tan a - a
inline double Sqr(double v) { return v * v; }

// Square root of a quantity that is not negative but for rounding (0 below 0).
inline double RootOf(double v) { return v > 0 ? std::sqrt(v) : 0.0; }

// Distance along the line of action from the tangent point on the base circle db to
// the point on diameter D (magnitudes; 0 inside the base circle).
inline double TangentLength(double D, double db) { return RootOf(D * D - db * db) / 2; }

// Pressure angle of the involute of base diameter db on diameter D (both of one sign);
// 0 for a diameter of the other sign or 0.
inline double PressureAngleOn(double db, double D) { return D != 0 && db / D > 0 ? ArcCos(db / D) : 0.0; }

// The backlash jn as a rotation angle of a gear of reference diameter d.
inline double ThinningAngle(double d) { return G.jn / (std::cos(G.alfan) * (std::fabs(d) / 2) * std::cos(G.beta)); }

// Share of the backlash by thinning that a gear takes (1 pinion, 2 wheel or rack): a
// thickness on diameter dy loses share * dy * ThinningAngle(d).  1/4 when both gears
// are thinned, 1/2 for the one gear thinned alone, else 0.
inline double ThinningShare(int gear) {
    if (!G.BacklashByThinning) return 0;
    if (G.ThinBothWheels) return 0.25;
    if (gear == 1 ? G.ThinPinionOnly : G.ThinWheelOnly) return 0.5;
    return 0;
}

}  // namespace ostrimo::checks
