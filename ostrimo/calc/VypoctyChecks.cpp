// Tip, clearance, undercut and interference checks (unit Vypocty).
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "ostrimo/calc/CheckNumerics.h"
#include "ostrimo/calc/Geometricke_vypocty.h"
#include "ostrimo/calc/Vypocty.h"
#include "runtime/Notice.h"
#include "runtime/NumText.h"
#include "runtime/Rounding.h"

namespace ostrimo {

using namespace checks;

namespace {

// Tooth positions of the radial assembling check.
constexpr std::int32_t kMaxAssemblyPositions = 1000000;

// Negative tip clearances: a tip below the mate's root circle.
void FlagTipsBelowRoots() {
    GlobalData& g = G;
    if (g.awCheck - (g.df2 + g.da1) / 2 < 0) g.PinionTipBelowWheelRoot = true;
    if (g.awCheck - (g.df1 + g.da2) / 2 < 0) g.WheelTipBelowPinionRoot = true;
}

// The quantities of one gear that the interference checks read and set.
struct Flank {
    double& db;
    double& chamfer;  // effective tip diameter
    double& alfaTip;
    double& alfaActiveStart;
    double& alfaFormStart;
    double& involuteStart;
    double& meshStart;
    double& meshEnd;
    double& tipLimit;  // the largest tip diameter of this gear that clears the mate's root
    bool& interference;
    bool& undercutCutsInvolute;
    bool undercutOrProtuberance;
};

Flank PinionFlank() {
    GlobalData& g = G;
    // clang-format off
    return {g.db1, g.ChamferDiameter1, g.alfaTip1, g.alfaActiveStart1, g.alfaFormStart1, g.InvoluteStartDiameter1,
            g.MeshStartDiameter1, g.MeshEndDiameter1, g.da1Limit, g.InterferencePinionRoot,
            g.PinionUndercutCutsInvolute, g.UndercutPinion || g.Protuberance1};
    // clang-format on
}

Flank WheelFlank() {
    GlobalData& g = G;
    // clang-format off
    return {g.db2, g.ChamferDiameter2, g.alfaTip2, g.alfaActiveStart2, g.alfaFormStart2, g.InvoluteStartDiameter2,
            g.MeshStartDiameter2, g.MeshEndDiameter2, g.da2Limit, g.InterferenceWheelRoot,
            g.WheelUndercutCutsInvolute, g.UndercutWheel || g.Protuberance2};
    // clang-format on
}

// External pair: the mate's effective tip against the start of the gear's involute.
// False when the guarded trigonometry refused an argument.
bool CheckMateTip(Flank gear, Flank mate) {
    GlobalData& g = G;
    mate.meshEnd = mate.chamfer;
    mate.alfaTip = ArcCos(mate.db / mate.chamfer);
    if (g.ErrorFlag) return false;
    const double reach = g.LineOfActionLength - TangentLength(mate.chamfer, mate.db);
    gear.alfaActiveStart = std::atan(reach / (gear.db / 2));
    if (g.ErrorFlag) return false;
    if (gear.alfaActiveStart + 1e-6 <= gear.alfaFormStart) {
        (gear.undercutOrProtuberance ? gear.undercutCutsInvolute : gear.interference) = true;
        gear.meshStart = gear.involuteStart;
        if (gear.alfaFormStart >= 0) {
            // the mate's tip that just reaches the start of the involute
            const double formPoint = g.LineOfActionLength - Tan(gear.alfaFormStart) * gear.db / 2;
            mate.tipLimit = 2 * std::sqrt(Sqr(mate.db / 2) + Sqr(formPoint));
            if (mate.tipLimit < mate.meshEnd) mate.meshEnd = mate.tipLimit;
        }
    } else {
        gear.meshStart = gear.db / std::cos(gear.alfaActiveStart);
    }
    return true;
}

// Start of the involute of an undercut gear, after the trochoid search has set it.
void AdjustTrochoidInvoluteStart(double& involuteStart, double& alfaFormStart, double db, double df) {
    if (involuteStart < db && involuteStart < 1e-8) involuteStart = db + 1e-11;
    if (df + 1e-5 > involuteStart) involuteStart = df + 0.1 * G.mn;
    alfaFormStart = ArcCos(db / involuteStart);
}

}  // namespace

double CriticalAmcSum(double zSum) { return -Inv(G.alfat) * zSum / (2 * Tan(G.alfan)); }

void CheckTipDiameters() {
    GlobalData& g = G;
    if (g.da1 <= g.db1) g.PinionNoDepth = true;
    if (g.RackMate) return;
    if (g.da2 <= g.db2) g.WheelNoDepth = true;
    if ((g.da1 + g.da2) / 2 <= g.awCheck) g.TipsNotInContact = true;
    g.xsum0 = CriticalAmcSum(g.z1 + g.z2);
    if ((g.GearingType == kExternalGearing || g.GearingType == kBevelGearing) && g.x1 + g.x2 <= g.xsum0 - 1e-5)
        g.AmcSumBelowCritical = true;
}

void CheckTipClearance() {
    GlobalData& g = G;
    if (g.RackMate) return;
    // 0.249 rather than 0.25, so that the nominal clearance passes despite rounding
    if (g.awCheck - (g.df2 + g.da1) / 2 < 0.249 * g.mn) g.PinionTipClearanceOk = false;
    if (g.awCheck - (g.df1 + g.da2) / 2 < 0.249 * g.mn) g.WheelTipClearanceOk = false;
    FlagTipsBelowRoots();
}

void CheckBevelTipClearance() {
    GlobalData& g = G;
    if (g.cP1 * g.mn < 0.199 * g.mtm) g.PinionTipClearanceOk = false;
    if (g.cP2 * g.mn < 0.199 * g.mtm) g.WheelTipClearanceOk = false;
    FlagTipsBelowRoots();
}

void ComputePitchesAndFormDiameters() {
    ComputationScope computation;  // each refused argument shown once
    GlobalData& g = G;
    const bool bevel = g.GearingType == kBevelGearing;
    const bool internal = g.GearingType == kInternalGearing;
    const bool externalWheel = !internal && !g.RackMate;
    const double m = bevel ? g.mtm : g.mn;  // module of the tool heights

    g.pt = kPi * (bevel ? g.mtm : g.mt);
    g.pbt = g.pt * std::cos(g.alfat);

    const double rounding = 1 - std::sin(g.alfan);
    g.ToolFlankHeightFactor1 = SnapProfileFactor(g.haP2 + g.cP2 - rounding * g.rofP1);
    if (!internal) g.ToolFlankHeightFactor2 = SnapProfileFactor(g.haP1 + g.cP1 - rounding * g.rofP2);
    if (g.RackMate) g.RackFlankDepth = (g.Protuberance2 ? g.haP02 : g.ToolFlankHeightFactor2) * g.mn;
    g.ToolFlankHeight1 = g.ToolFlankHeightFactor1 * m;
    if (!internal) g.ToolFlankHeight2 = g.ToolFlankHeightFactor2 * m;

    // Undercut limits: z1min, z2min the limiting AMC, x1min, x2min the limiting teeth.
    const double cosBeta = std::cos(g.beta);
    const double sin2 = Sqr(std::sin(g.alfat));
    g.z1min = g.ToolFlankHeightFactor1 - sin2 * g.z1 / (2 * cosBeta);
    g.x1min = 2 * cosBeta * (g.ToolFlankHeightFactor1 - g.x1) / sin2;
    if (externalWheel) {
        g.z2min = g.ToolFlankHeightFactor2 - sin2 * g.z2 / (2 * cosBeta);
        g.x2min = 2 * cosBeta * (g.ToolFlankHeightFactor2 - g.x2) / sin2;
    }
    if (g.z1min > g.x1) g.UndercutPinion = true;
    if (externalWheel && g.z2min > g.x2) g.UndercutWheel = true;

    // Start of the involute where the straight tool flank ends (kept for every gear:
    // the protuberance form diameter of an undercut gear starts from it).
    const double tanAlfat = Tan(g.alfat);
    const double sin2Alfat = std::sin(2 * g.alfat);
    auto fromToolFlank = [&](double hF, double factor, double x, double z, double d, double& alfaFormStart,
                             double& involuteStart, double& noUndercut, bool undercut) {
        const double h = hF - x * m;
        noUndercut = 2 * std::sqrt(Sqr(h / tanAlfat) + Sqr(d / 2 - h));
        if (undercut) return;
        alfaFormStart = std::atan(tanAlfat - 4 * cosBeta * (factor - x) / (z * sin2Alfat));
        involuteStart = noUndercut;
    };
    fromToolFlank(g.ToolFlankHeight1, g.ToolFlankHeightFactor1, g.x1, g.z1, g.d1, g.alfaFormStart1,
                  g.InvoluteStartDiameter1, g.InvoluteStartNoUndercut1, g.UndercutPinion);
    if (externalWheel)
        fromToolFlank(g.ToolFlankHeight2, g.ToolFlankHeightFactor2, g.x2, g.z2, g.d2, g.alfaFormStart2,
                      g.InvoluteStartDiameter2, g.InvoluteStartNoUndercut2, g.UndercutWheel);

    if (g.ErrorFlag) return;
    if (!externalWheel) g.UndercutWheel = false;

    // Undercut gears: the involute starts where the trochoid of the tool tip cuts it.
    if (g.UndercutPinion) {
        ComputeInvoluteStartDiameter1();
        AdjustTrochoidInvoluteStart(g.InvoluteStartDiameter1, g.alfaFormStart1, g.db1, g.df1);
    }
    if (g.UndercutWheel) {
        ComputeInvoluteStartDiameter2();
        AdjustTrochoidInvoluteStart(g.InvoluteStartDiameter2, g.alfaFormStart2, g.db2, g.df2);
    }
}

void CheckInterferenceExternal() {
    GlobalData& g = G;
    g.PinionUndercutCutsInvolute = g.WheelUndercutCutsInvolute = false;
    if (!CheckMateTip(PinionFlank(), WheelFlank())) return;
    CheckMateTip(WheelFlank(), PinionFlank());
}

void CheckInterferenceRack() {
    GlobalData& g = G;
    g.PinionUndercutCutsInvolute = g.WheelUndercutCutsInvolute = false;
    g.RackEffectiveAddendum = g.RackFlankAddendum;  // the rack's working addendum

    // Along the line of action from the pinion's tangent point.
    const double sinAlfat = std::sin(g.alfat);
    const double rb1 = g.db1 / 2;
    const double pitchPoint = Tan(g.alfat) * rb1;
    const double toRackTip = (g.RackEffectiveAddendum - g.x1 * g.mn) / sinAlfat;
    const double start = pitchPoint - toRackTip;
    const double formStart = Tan(g.alfaFormStart1) * rb1;
    g.alfaActiveStart1 = std::atan(start / rb1);
    if (g.ErrorFlag) return;
    if (start + 1e-6 <= formStart) {
        (g.Protuberance1 || g.UndercutPinion ? g.PinionUndercutCutsInvolute : g.InterferencePinionRoot) = true;
        g.MeshStartDiameter1 = g.InvoluteStartDiameter1;
        if (g.alfaFormStart1 >= 0) {
            g.RackAddendumLimit = sinAlfat * (pitchPoint - formStart) + g.x1 * g.mn;
            if (g.RackEffectiveAddendum > g.RackAddendumLimit) g.RackEffectiveAddendum = g.RackAddendumLimit;
        }
        g.pA = pitchPoint - formStart;
    } else {
        g.MeshStartDiameter1 = g.db1 / std::cos(g.alfaActiveStart1);
        g.pA = toRackTip;
    }
    g.RackAddendumLimit = g.RackEffectiveAddendum;

    // The pinion tip against the end of the rack's straight flank.
    g.MeshEndDiameter1 = g.ChamferDiameter1;
    g.alfaTip1 = ArcCos(g.db1 / g.ChamferDiameter1);
    if (g.ErrorFlag) return;
    const double toPinionTip = (Tan(g.alfaTip1) - Tan(g.alfat)) * rb1;
    const double toFlankEnd = (g.x1 * g.mn + g.RackFlankDepth) / sinAlfat;
    if (toFlankEnd + 1e-6 <= toPinionTip) {
        (g.Protuberance2 ? g.WheelUndercutCutsInvolute : g.InterferenceWheelRoot) = true;
        if (g.RackFlankDepth >= 0) {
            g.da1Limit = 2 * std::sqrt(Sqr(rb1) + Sqr(pitchPoint + toFlankEnd));
            if (g.MeshEndDiameter1 > g.da1Limit) g.MeshEndDiameter1 = g.da1Limit;
            g.RackUsedDepth = g.RackFlankDepth;
        }
        g.pE = toFlankEnd;
    } else {
        g.da1Limit = 2 * std::sqrt(Sqr(rb1) + Sqr(Tan(g.alfaTip1) * rb1));
        g.RackUsedDepth = sinAlfat * toPinionTip - g.x1 * g.mn;
        g.MeshEndDiameter1 = g.da1Limit;
        g.pE = toPinionTip;
    }
}

void CheckInterferenceBevel() {
    GlobalData& g = G;
    g.LineOfActionLength = Tan(g.alfawtCheck) * (g.db1 + g.db2) / 2;
    g.MeshEndDiameter2 = g.da2;
    g.alfaActiveStart1 = std::atan((g.LineOfActionLength - TangentLength(g.da2, g.db2)) / (g.db1 / 2));
    if (g.alfaActiveStart1 + 1e-6 <= g.alfaFormStart1 && !g.UndercutPinion) g.InterferencePinionRoot = true;
    g.MeshEndDiameter1 = g.da1;
    g.alfaActiveStart2 = std::atan((g.LineOfActionLength - TangentLength(g.da1, g.db1)) / (g.db2 / 2));
    if (g.alfaActiveStart2 + 1e-6 <= g.alfaFormStart2 && !g.UndercutWheel) g.InterferenceWheelRoot = true;
}

void CheckInternalGearing() {
    GlobalData& g = G;
    if (g.z0 >= std::fabs(g.z2) - 1) g.CutterTeethTooMany = true;
    if (std::fabs(g.db2) > std::fabs(g.da2)) g.WheelBaseAboveTip = true;
    if (g.da1 <= g.db1) g.PinionNoDepth = true;
    if (std::fabs(g.df2) <= std::fabs(g.db2)) g.WheelNoDepth = true;
    if (std::fabs(g.da2) / 2 >= std::fabs(g.awCheck) + g.da1 / 2) g.TipsNotInContact = true;
    g.xsum0 = CriticalAmcSum(g.z1 + g.z2);
    if (g.x1 + g.x2 > g.xsum0 + 1e-5) g.AmcSumAboveCritical = true;
    g.xsum0Cutter = CriticalAmcSum(g.z0 + g.z2);
    if (g.x0 + g.x2 > g.xsum0Cutter + 1e-5) g.CutterAmcSumAboveCritical = true;
}

void CheckInterferenceInternal() {
    GlobalData& g = G;
    g.PinionUndercutCutsInvolute = g.WheelUndercutCutsInvolute = false;
    if (g.db1 >= g.ChamferDiameter1) {
        g.ErrorFlag = true;
        return;
    }
    if (std::fabs(g.db2) > std::fabs(g.ChamferDiameter2)) {
        rt::MessageBox("Wheel tip diameter is smaller than basic one   db2= " + rt::Str(g.db2, 0, 4), kErrorCaption,
                       rt::MB_OK);
        g.ErrorFlag = true;
        return;
    }
    g.MeshEndDiameter1 = g.ChamferDiameter1;
    g.MeshEndDiameter2 = g.ChamferDiameter2;
    g.alfaTip1 = ArcCos(g.db1 / g.ChamferDiameter1);
    g.alfaTip2 = ArcCos(g.db2 / g.ChamferDiameter2);

    // Involute start of the wheel: the point of the manufacturing line of action that
    // the cutter's tip (or the start of its tip rounding) reaches; negative like the
    // wheel.  A cutter whose tip lies inside its base circle reaches to its base.
    const double cutterTip = g.roa0 == 0 ? g.da0 : g.CutterRoundingStartDiameter;
    const double T0T2 = std::sin(g.alfawt0) * g.a0;  // negative
    const double e = T0T2 - TangentLength(cutterTip, g.db0);
    g.InvoluteStartDiameter2 = -2 * std::sqrt(Sqr(e) + Sqr(g.db2 / 2));
    g.alfaFormStart2 = ArcCos(g.db2 / g.InvoluteStartDiameter2);

    // Wheel tip against the pinion root, along the line of action from the pinion's
    // tangent point; T1T2 is negative like awCheck.
    const double T1T2 = std::sin(g.alfawtCheck) * g.awCheck;
    const double wheelTip = T1T2 + TangentLength(g.ChamferDiameter2, g.db2);
    const double pinionForm = Tan(g.alfaFormStart1) * g.db1 / 2;
    g.da2Limit = -2 * std::sqrt(Sqr(g.db2 / 2) + Sqr(pinionForm - T1T2));
    if (g.UndercutPinion) {
        if (wheelTip < pinionForm) g.PinionUndercutCutsInvolute = true;
    } else if (pinionForm >= wheelTip) {
        g.InterferencePinionRoot = true;
    }
    // The wheel's mesh ends at the more restrictive (larger in magnitude) of its
    // effective tip and the limit.
    if (std::fabs(g.da2Limit) > std::fabs(g.MeshEndDiameter2)) g.MeshEndDiameter2 = g.da2Limit;

    // Pinion tip against the wheel root.
    const double pinionTip = T1T2 - TangentLength(g.ChamferDiameter1, g.db1);
    if (std::fabs(pinionTip) >= std::fabs(e)) g.InterferenceWheelRoot = true;
    g.da1Limit = 2 * std::sqrt(Sqr(g.db1 / 2) + Sqr(T1T2 - e));
    if (g.da1Limit < g.MeshEndDiameter1) g.MeshEndDiameter1 = g.da1Limit;

    const bool equalTeeth = g.z1 == -g.z2;
    if (!equalTeeth && std::fabs(2 * g.awCheck + g.da2) <= g.da1) g.TipCirclesOverlap = true;

    if (g.db0 > g.dF0) {
        g.ErrorFlag = true;
        return;
    }

    // Truncation of the wheel tips by the cutter: the cutter's involute starts farther
    // along the manufacturing line of action than the wheel's tip point.
    const double cutterForm = Tan(g.alfaF0) * g.db0 / 2;
    const double wheelTipInCut = TangentLength(g.ChamferDiameter2, g.db2) + std::sin(g.alfawt0) * g.a0;
    if (cutterForm >= wheelTipInCut) {
        g.InternalWheelChamfer = true;
        g.da2CutterLimit = -2 * std::sqrt(Sqr(g.db2 / 2) + Sqr(std::sin(g.alfawt0) * g.a0 - cutterForm));
        g.ChamferDiameter2 = g.da2CutterLimit;
        if (g.BacklashByThinning && g.ThinByRegrinding && (g.ThinBothWheels || g.ThinWheelOnly)) {
            // the reground flank meets the 5 degree tip chamfer nearer the tip
            const double j = g.jn / (std::cos(g.beta) * std::cos(g.alfan) * std::fabs(g.d2) / 2);
            const double shift = -g.ChamferDiameter2 * j / (g.ThinBothWheels ? 8 : 4);
            g.ChamferDiameter2 += shift / Tan(5 * kPi / 180);
        }
        if (std::fabs(g.ChamferDiameter2) > std::fabs(g.MeshEndDiameter2)) g.MeshEndDiameter2 = g.ChamferDiameter2;
    }

    const double invW = Inv(g.alfawtCheck);
    const double invTip1 = Inv(g.alfaTip1);
    const double invTip2 = Inv(g.alfaTip2);
    const double z2 = std::fabs(g.z2);
    const double dA1 = g.ChamferDiameter1;
    const double dA2 = std::fabs(g.ChamferDiameter2);

    // Tip (trochoid) interference when the teeth leave the mesh.
    double theta2 = 0;
    if (!equalTeeth) {
        if (g.TipCirclesOverlap) {
            g.TipInterference = true;
        } else {
            const double a = g.awCheck;
            const double rA1 = dA1 / 2;
            const double rA2 = dA2 / 2;
            const double theta1 = ArcCos((Sqr(rA2) - Sqr(rA1) - Sqr(a)) / (std::fabs(a) * dA1));
            theta2 = ArcCos((Sqr(a) + Sqr(rA2) - Sqr(rA1)) / (std::fabs(a) * dA2));
            if (g.ErrorFlag) return;
            if (theta2 - (invW - invTip2) >= g.z1 / z2 * (theta1 + invTip1 - invW)) g.TipInterference = true;
        }
    }

    // Radial assembling: the pinion pushed into the wheel along the centre line, a
    // pinion tooth centred in a wheel space (into the space) or a pinion space centred
    // on a wheel tooth (onto a tooth); the tip corners must pass each other.
    if (!equalTeeth) {
        if (g.TipCirclesOverlap) {
            g.AssemblyInterferenceSpace = g.AssemblyInterferenceTooth = true;
        } else {
            // half tooth angle of the pinion and half space angle of the wheel at their
            // tips, from the thinned transverse values on the working circles
            const double sw1 = ComputeToothThicknessAtDiameter1(g.dw1) - ThinningShare(1) * g.dw1 * ThinningAngle(g.d1);
            const double ew2 =
                ComputeToothThicknessAtDiameter2(g.dw2) + ThinningShare(2) * std::fabs(g.dw2) * ThinningAngle(g.d2);
            const double phi1 = sw1 / g.dw1 - (invTip1 - invW);
            const double phi2 = ew2 / std::fabs(g.dw2) + (invW - invTip2);
            const double pitch1 = 2 * kPi / g.z1;
            const double pitch2 = 2 * kPi / z2;
            // One position per wheel tooth: a wheel of more teeth than this is no gear to check.
            if (!(z2 <= kMaxAssemblyPositions)) return RefuseImpossibleGeometry();
            const auto positions = [&](double span) {
                return std::min(rt::TruncInt<std::int32_t>(span / pitch2), static_cast<std::int32_t>(z2));
            };
            for (std::int32_t i = 1, n = positions(theta2 - phi2); i <= n; ++i)
                if (dA1 * std::sin(phi1 + i * pitch1) > dA2 * std::sin(phi2 + i * pitch2))
                    g.AssemblyInterferenceSpace = true;
            const double phi1Space = phi1 + kPi / g.z1;
            const double phi2Tooth = kPi / z2 - phi2;
            for (std::int32_t i = 0, n = positions(theta2 + phi2Tooth); i < n; ++i)
                if (dA1 * std::sin(phi1Space + i * pitch1) > dA2 * std::sin((i + 1) * pitch2 - phi2Tooth))
                    g.AssemblyInterferenceTooth = true;
        }
    }

    // Truncation of the wheel tips by the cutter's tips during the generating motion.
    g.alfaa0 = ArcCos(g.db0 / g.da0);
    const double ratioSquared = Sqr(g.z2 / g.z0);
    const double q = (ratioSquared - Sqr(g.ChamferDiameter2 / g.da0)) / (ratioSquared - 1);
    const double psi = q > 1 ? kPi / 2 : q < 0 ? 0.0 : ArcSin(std::sqrt(q));
    const double s = std::sin(psi) * g.da0 / dA2;
    const double margin =
        (s > 1 ? kPi / 2 : ArcSin(s)) - (Inv(g.alfawt0) - invTip2) - g.z0 / z2 * (psi + Inv(g.alfaa0) - Inv(g.alfawt0));
    if (margin > 0) g.CutterTruncatesWheelTips = true;
}

}  // namespace ostrimo
