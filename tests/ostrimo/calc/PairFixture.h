// Gear pairs set into the global data from the textbook formulas (ISO 21771, DIN 3960),
// for the tests of the checks, thicknesses, mesh and test dimensions.
#pragma once

#include <cmath>

#include "CoreTest.h"
#include "ostrimo/calc/CheckNumerics.h"
#include "ostrimo/calc/Global.h"

namespace pair_fixture {

using ostrimo::G;
using ostrimo::kExternalGearing;
using ostrimo::kInternalGearing;

using ostrimo::checks::kPi;
inline double Rad(double deg) { return deg * kPi / 180; }
inline double Inv(double a) { return std::tan(a) - a; }
// The angle whose involute is t (Newton on tan a - a).
inline double InvInverse(double t) {
    double a = std::cbrt(3 * t);
    for (int i = 0; i < 50; ++i) a -= (Inv(a) - t) / (std::tan(a) * std::tan(a));
    return a;
}

struct Pair {
    double mn = 1, z1 = 20, z2 = 40, x1 = 0, x2 = 0, betaDeg = 0, alfaDeg = 20, b = 10;
};

// Pair data common to external and internal gearing; z2 negative for internal.
inline void SetPairCommon(const Pair& p) {
    auto& g = G;
    g.mn = p.mn;
    g.z1 = p.z1;
    g.z2 = p.z2;
    g.x1 = p.x1;
    g.x2 = p.x2;
    g.xsum = p.x1 + p.x2;
    g.b = p.b;
    g.alfaP = p.alfaDeg;
    g.alfan = Rad(p.alfaDeg);
    g.betaDeg = p.betaDeg;
    g.beta = Rad(p.betaDeg);
    g.alfat = std::atan(std::tan(g.alfan) / std::cos(g.beta));
    g.betab = std::asin(std::sin(g.beta) * std::cos(g.alfan));
    g.mt = g.mn / std::cos(g.beta);
    g.d1 = g.z1 * g.mt;
    g.d2 = g.z2 * g.mt;
    g.db1 = g.d1 * std::cos(g.alfat);
    g.db2 = g.d2 * std::cos(g.alfat);
    g.ad = (g.z1 + g.z2) * g.mt / 2;
    g.InvAlfat = Inv(g.alfat);
    // working pressure angle and centre distance from the sum of AMC
    g.alfawt = InvInverse(Inv(g.alfat) + 2 * std::tan(g.alfan) * g.xsum / (g.z1 + g.z2));
    g.aw = g.ad * std::cos(g.alfat) / std::cos(g.alfawt);
    g.dw1 = g.db1 / std::cos(g.alfawt);
    g.dw2 = g.db2 / std::cos(g.alfawt);
    g.awCheck = g.aw;
    g.alfawtCheck = g.alfawt;
    g.k = g.xsum - (g.aw - g.ad) / g.mn;
    g.ha1 = (g.haP1 + g.x1 - g.k) * g.mn;
    g.hf1 = (g.haP2 + g.cP2 - g.x1) * g.mn;
    g.df1 = g.d1 - 2 * g.hf1;
}

// External pair: tips a clearance c* mn off the mate's root circle.
inline void SetExternalPair(const Pair& p = {}) {
    auto& g = G;
    g.GearingType = kExternalGearing;
    ostrimo::SetDefaultGearData();
    SetPairCommon(p);
    g.ha2 = (g.haP2 + g.x2 - g.k) * g.mn;
    g.hf2 = (g.haP1 + g.cP1 - g.x2) * g.mn;
    g.df2 = g.d2 - 2 * g.hf2;
    g.da1 = 2 * (g.aw - g.cP1 * g.mn) - g.df2;
    g.da2 = 2 * (g.aw - g.cP2 * g.mn) - g.df1;
    g.h1 = g.ha1 + g.hf1;
    g.h2 = g.ha2 + g.hf2;
}

// Pinion with a rack mate: rack addendum haP2 mn, dedendum (haP1 + cP1) mn.
inline void SetRackPair(const Pair& p = {}) {
    auto& g = G;
    g.GearingType = kExternalGearing;
    ostrimo::SetDefaultGearData();
    SetPairCommon(p);
    g.RackMate = true;
    g.aw = g.awCheck = 0;
    g.ha1 = (g.haP1 + g.x1) * g.mn;
    g.ha2 = g.haP2 * g.mn;
    g.hf2 = (g.haP1 + g.cP1) * g.mn;
    g.da1 = g.d1 + 2 * g.ha1;
    g.alfawt = g.alfawtCheck = g.alfat;
}

// Internal pair cut by a shaper cutter of z0 teeth (x0 = 0, sharp tip): the
// manufacturing mesh, the cutter's involute start and the wheel root from the cutter.
inline void SetInternalPair(const Pair& p = {.z2 = -40}, int z0 = 35) {
    auto& g = G;
    g.GearingType = kInternalGearing;
    ostrimo::SetDefaultGearData();
    g.z0 = z0;
    SetPairCommon(p);
    g.ha2 = (g.haP2 + g.x2 - g.k) * g.mn;
    g.d0 = g.z0 * g.mt;
    g.db0 = g.d0 * std::cos(g.alfat);
    g.da0 = 2 * g.mn * (g.z0 / (2 * std::cos(g.beta)) + g.x0 + g.haP1 + g.cP1);
    g.alfawt0 = InvInverse(Inv(g.alfat) + 2 * std::tan(g.alfan) * (g.x0 + g.x2) / (g.z0 + g.z2));
    g.InvAlfawt0 = Inv(g.alfawt0);
    g.a0 = (g.z0 + g.z2) * g.mt * std::cos(g.alfat) / (2 * std::cos(g.alfawt0));
    g.CutterFlankHeightFactor = ostrimo::SnapProfileFactor(g.haP2 + g.cP2 - (1 - std::sin(g.alfan)) * g.rof0);
    g.alfaF0 = std::atan(std::tan(g.alfat) -
                         4 * std::cos(g.beta) * (g.CutterFlankHeightFactor - g.x0) / (g.z0 * std::sin(2 * g.alfat)));
    g.dF0 = g.db0 / std::cos(g.alfaF0);
    g.df2 = 2 * g.a0 - g.da0;
    g.da1 = 2 * (g.aw - g.cP1 * g.mn) - g.df2;
    g.da2 = 2 * (g.aw - g.cP2 * g.mn) - g.df1;
    g.hf2 = (g.d2 - g.df2) / 2;
}

// Form (involute start) diameter of a gear cut by a rack whose straight flank ends at
// the factor hFfP above the datum: dFf = sqrt(db^2 + (d sin at - 2 (hFfP - x) mn / sin at)^2).
inline double FormDiameter(double d, double db, double x, double hFfP) {
    const auto& g = G;
    const double s = d * std::sin(g.alfat) - 2 * (hFfP - x) * g.mn / std::sin(g.alfat);
    return std::sqrt(db * db + s * s);
}

// Transverse tooth thickness on diameter dy of an external gear.
inline double Thickness(double dy, double z, double x, double db) {
    const auto& g = G;
    return dy * ((kPi / 2 + 2 * x * std::tan(g.alfan)) / z + Inv(g.alfat) - Inv(std::acos(db / dy)));
}

// Number of verdicts of the check that are set (a cleared clearance flag counts).
inline int CountVerdicts() {
    const auto& g = G;
    // clang-format off
    const bool flags[] = {g.PinionNoDepth, g.WheelNoDepth, g.TipsNotInContact, !g.PinionTipClearanceOk,
                          !g.WheelTipClearanceOk, g.PinionTipBelowWheelRoot, g.WheelTipBelowPinionRoot,
                          g.AmcSumBelowCritical, g.AmcSumAboveCritical, g.CutterAmcSumAboveCritical,
                          g.WheelBaseAboveTip, g.CutterTeethTooMany, g.CutterUndercut, g.UndercutPinion,
                          g.UndercutWheel, g.InterferencePinionRoot, g.InterferenceWheelRoot,
                          g.PinionUndercutCutsInvolute, g.WheelUndercutCutsInvolute, g.PinionTipTooThin,
                          g.WheelTipTooThin, g.TipCirclesOverlap, g.TipInterference, g.InternalWheelChamfer,
                          g.CutterTruncatesWheelTips, g.AssemblyInterferenceSpace, g.AssemblyInterferenceTooth};
    // clang-format on
    int n = 0;
    for (bool f : flags) n += f;
    return n;
}

// Distance along the line of action from the tangent point to diameter D.
inline double Along(double D, double db) { return std::sqrt(D * D - db * db) / 2; }

}  // namespace pair_fixture
