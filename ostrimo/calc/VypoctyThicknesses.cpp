// Tooth thicknesses, chamfers and the involute start with a protuberance tool (unit
// Vypocty).
#include <algorithm>
#include <cmath>

#include "ostrimo/calc/CheckNumerics.h"
#include "ostrimo/calc/Geometricke_vypocty.h"
#include "ostrimo/calc/Protub.h"
#include "ostrimo/calc/Vypocty.h"

namespace ostrimo {

using namespace checks;

namespace {

bool Internal() { return G.GearingType == kInternalGearing; }

// The wheel is cut by a rack tool whose chamfering edge applies (an internal wheel is
// cut by the shaper cutter, a rack mate has its own chamfer).
bool WheelRackToolChamfer() { return G.Chamfer2 && G.GearingType != kInternalGearing && !G.RackMate; }

// Thickness on diameter dy of an involute of base diameter db, number of teeth z,
// shift x with flank angle tan tanFlank, transverse flank angle alfa.
double InvoluteThickness(double dy, double db, double z, double x, double tanFlank, double alfa) {
    return dy * ((kPi + 4 * x * tanFlank) / (2 * z) + Inv(alfa) - Inv(ArcCos(db / dy)));
}

// The involute that the tool's chamfering edge generates.
void SetChamferInvolute(double heightFactor, double angle, double x, double d, double& shift, double& alfaKt,
                        double& dbK) {
    const double tanChamfer = Tan(angle);
    shift = (1 - Tan(G.alfan) / tanChamfer) * heightFactor + x;
    alfaKt = std::atan(tanChamfer / std::cos(G.beta));
    dbK = d * std::cos(alfaKt);
}

// One gear's chamfer diameter: where its chamfer involute crosses the (thinned) tooth
// involute; at or above the tip the chamfer does not exist.
void ComputeChamferDiameter(int gear) {
    GlobalData& g = G;
    const bool pinion = gear == 1;
    const double db = pinion ? g.db1 : g.db2;
    const double dbK = pinion ? g.dbK1 : g.dbK2;
    const double da = pinion ? g.da1 : g.da2;
    double sK = pinion ? ComputeChamferThicknessAtDiameter1(db) : ComputeChamferThicknessAtDiameter2(db);
    double sb = pinion ? ComputeToothThicknessAtDiameter1(db) : ComputeToothThicknessAtDiameter2(db);
    (pinion ? g.ChamferBeyondTip1 : g.ChamferBeyondTip2) = false;
    if (g.BacklashByThinning) {
        const double allowance = ThinningAngle(pinion ? g.d1 : g.d2);
        (pinion ? g.ThinningAllowance1 : g.ThinningAllowance2) = allowance;
        const double reduction = ThinningShare(gear) * db * allowance;
        sb -= reduction;
        if (!g.ThinByRegrinding) sK -= reduction;  // a widened cutter moves the chamfering edge too
    }
    double& offset = pinion ? g.ChamferOffset1 : g.ChamferOffset2;
    offset = (sK - sb) / 2;
    double diameter = FindDiameterForInvoluteDifference(dbK, db, Inv(ArcCos(dbK / db)) + offset / (db / 2));
    if (diameter >= da) {
        diameter = da;
        (pinion ? g.ChamferBeyondTip1 : g.ChamferBeyondTip2) = true;
    }
    (pinion ? g.ChamferDiameter1 : g.ChamferDiameter2) = diameter;
}

}  // namespace

double ComputeHelixAngleAtDiameter1(double dy) { return std::atan(Tan(G.beta) * dy / G.d1); }
double ComputeHelixAngleAtDiameter2(double dy) { return std::atan(Tan(G.beta) * std::fabs(dy / G.d2)); }

double ComputeToothThicknessAtDiameter1(double dy) {
    const GlobalData& g = G;
    return InvoluteThickness(dy, g.db1, g.z1, g.x1, Tan(g.alfan), g.alfat);
}

double ComputeToothThicknessAtDiameter2(double dy) {
    const GlobalData& g = G;
    // The space of an annular wheel has the shape of an external tooth: a positive AMC
    // (towards the axis) narrows it.
    const double x = Internal() ? -g.x2 : g.x2;
    return InvoluteThickness(std::fabs(dy), std::fabs(g.db2), std::fabs(g.z2), x, Tan(g.alfan), g.alfat);
}

double ComputeChamferThicknessAtDiameter1(double dy) {
    const GlobalData& g = G;
    return InvoluteThickness(dy, g.dbK1, g.z1, g.ChamferShift1, Tan(g.ChamferAngle1), g.alfaKt1);
}

double ComputeChamferThicknessAtDiameter2(double dy) {
    const GlobalData& g = G;
    return InvoluteThickness(std::fabs(dy), std::fabs(g.dbK2), std::fabs(g.z2), g.ChamferShift2, Tan(g.ChamferAngle2),
                             g.alfaKt2);
}

void ComputeChamferDiameters() {
    if (G.Chamfer1) ComputeChamferDiameter(1);
    if (WheelRackToolChamfer()) ComputeChamferDiameter(2);
}

void ComputeChamferInvolutes() {
    GlobalData& g = G;
    if (g.Chamfer1)
        SetChamferInvolute(g.ChamferHeightFactor1, g.ChamferAngle1, g.x1, g.d1, g.ChamferShift1, g.alfaKt1, g.dbK1);
    else
        g.ChamferDiameter1 = g.da1;
    if (WheelRackToolChamfer())
        SetChamferInvolute(g.ChamferHeightFactor2, g.ChamferAngle2, g.x2, g.d2, g.ChamferShift2, g.alfaKt2, g.dbK2);
    else
        g.ChamferDiameter2 = g.da2;
    if (g.Chamfer1 || WheelRackToolChamfer()) ComputeChamferDiameters();

    g.LineOfActionLength = Tan(g.alfawtCheck) * (g.db1 + g.db2) / 2;

    // Start of the mesh on the pinion: where the wheel's effective tip circle cuts the
    // line of action (signed like the wheel).
    const double wheelTip = (g.z2 < 0 ? -1 : 1) * TangentLength(g.ChamferDiameter2, g.db2);
    if (wheelTip > g.LineOfActionLength) {
        g.MeshStartDiameter1 = g.db1;
    } else {
        g.MeshStartDiameter1 =
            2 * std::sqrt(Sqr(g.db1 / 2) + Sqr(std::fabs(g.LineOfActionLength) - std::fabs(wheelTip)));
        if (g.MeshStartDiameter1 < g.InvoluteStartDiameter1) g.MeshStartDiameter1 = g.InvoluteStartDiameter1;
    }
    if (Internal())
        g.MeshStartDiameter2 =
            -2 * std::sqrt(Sqr(g.db2 / 2) + Sqr(g.LineOfActionLength - TangentLength(g.ChamferDiameter1, g.db1)));
}

void ComputeChamferInvolutesRack() {
    GlobalData& g = G;
    if (g.Chamfer1) {
        SetChamferInvolute(g.ChamferHeightFactor1, g.ChamferAngle1, g.x1, g.d1, g.ChamferShift1, g.alfaKt1, g.dbK1);
        ComputeChamferDiameters();
    } else {
        g.ChamferDiameter1 = g.da1;
    }
    if (g.MeshStartDiameter1 < 1e-7) g.MeshStartDiameter1 = g.db1;
    if (g.InvoluteStartDiameter2 < 1e-7) g.InvoluteStartDiameter2 = g.db2;

    // Working addendum of the rack: the height where its straight flank ends.
    const double m = g.mn;
    const double tanAlfan = Tan(g.alfan);
    const double cosAlfan = std::cos(g.alfan);
    // the rack's share of the thinning, per flank along its normal
    double share = 0;
    if (g.jn > 0) share = g.jn * ThinningShare(2);
    double factor = g.ha2 / m;
    bool tipKnown = false;
    if (g.Chamfer2) {
        const double hK = g.ChamferHeightFactor2 * m;
        const double angle = g.ChamferAngle2;
        const double tanChamfer = Tan(angle);
        const double sK = kPi * m / 2 - 2 * tanAlfan * hK;  // rack thickness at the chamfer height
        const double hC = g.ha2 - hK;                       // the tip above the chamfer start
        factor = g.ChamferHeightFactor2;
        g.RackChamferPointed = hC >= sK / (2 * tanChamfer);
        // a reground flank meets the fixed chamfer farther up, by this along the chamfer
        const double alongChamfer = share / std::cos(kPi / 2 - angle + g.alfan);
        // height factor where the thinned flanks would meet
        const double flanksMeet = (hK + (sK / 2 - share / cosAlfan) / tanAlfan) / m;
        if (!g.RackChamferPointed && g.ThinByRegrinding) {
            if (share <= cosAlfan * (sK / 2 - tanAlfan * hC)) {
                factor += std::cos(angle) * alongChamfer / m;
                if (g.ha2 / m < factor) {
                    g.RackTipThickness = sK - 2 * (tanAlfan * hC + share / cosAlfan);
                    tipKnown = true;
                }
                if (g.ha2 / m > factor) {
                    g.RackTipThickness = sK - 2 * std::sin(angle) * alongChamfer;
                    tipKnown = true;
                }
            } else {
                factor = flanksMeet;
                g.RackTipThickness = kPi * m / 2 - 2 * tanAlfan * g.ha2 - 2 * share / cosAlfan;
                tipKnown = true;
            }
        } else if (!g.RackChamferPointed) {
            // a widened cutter moves flank and chamfer together; the chamfers may meet
            if (share >= cosAlfan * (sK / 2 - tanChamfer * hC))
                factor = (hK + (sK / 2 - share / cosAlfan) / tanChamfer) / m;
        } else if (g.ThinByRegrinding) {
            const double point = sK / (2 * tanChamfer);  // the chamfers' point above their start
            if (share <= cosAlfan * (sK / 2 - tanAlfan * point))
                factor = std::min(factor + std::cos(angle) * alongChamfer / m, g.ha2 / m);
            else
                factor = flanksMeet;
        }
    }
    // otherwise the tip of the working flank lies on the thinned straight flank
    if (!tipKnown) g.RackTipThickness = kPi * m / 2 - 2 * share / cosAlfan - 2 * tanAlfan * std::min(factor * m, g.ha2);
    g.RackFlankAddendum = factor * m;
}

namespace {

// Start of the involute of a gear cut by a tool with a protuberance: where the
// involute that the protuberance flank generates crosses the tooth involute, or the
// form diameter of the protuberance tip's trochoid.
void ProtuberanceInvoluteStart(int gear) {
    GlobalData& g = G;
    const bool pinion = gear == 1;
    const double d = pinion ? g.d1 : g.d2;
    const double db = pinion ? g.db1 : g.db2;
    const double df = pinion ? g.df1 : g.df2;
    const double x = pinion ? g.x1 : g.x2;
    const double z = pinion ? g.z1 : g.z2;
    const double shift = pinion ? g.ProtuberanceFlankShift1 : g.ProtuberanceFlankShift2;
    const double angle = pinion ? g.ProtuberanceAngle1 : g.ProtuberanceAngle2;
    const double alfaPt = pinion ? g.ProtuberanceTransverseAngle1 : g.ProtuberanceTransverseAngle2;
    const double dbP = pinion ? g.ProtuberanceBaseDiameter1 : g.ProtuberanceBaseDiameter2;
    double& involuteStart = pinion ? g.InvoluteStartDiameter1 : g.InvoluteStartDiameter2;
    double& alfaFormStart = pinion ? g.alfaFormStart1 : g.alfaFormStart2;

    // both thicknesses on the reference circle, thinned; a reground flank leaves the
    // protuberance where it was
    double s = InvoluteThickness(d, db, z, x, Tan(g.alfan), g.alfat);
    double sP = InvoluteThickness(d, dbP, z, x + shift, Tan(angle), alfaPt);
    if (g.BacklashByThinning) {
        const double reduction = ThinningShare(gear) * d * ThinningAngle(d);
        s -= reduction;
        if (!g.ThinByRegrinding) sP -= reduction;
    }
    if (g.ErrorFlag) return;
    // the protuberance flank's involute lies outside the tooth's at the reference circle
    // and inside it at its own base circle: they cross between (otherwise the whole
    // protuberance cut lies in the undercut)
    const double insideAtBase = sP / d + Inv(alfaPt) < s / d + Inv(g.alfat) - Inv(ArcCos(db / dbP));
    if (sP > s && insideAtBase) {
        const double crossing = FindDiameterForInvoluteDifference(db, dbP, (s - sP) / d + Inv(g.alfat) - Inv(alfaPt));
        if (g.ErrorFlag) return;
        if (crossing > (pinion ? g.ProtuberanceUndercutDiameter1 : g.ProtuberanceUndercutDiameter2)) {
            (pinion ? g.ProtuberanceUndercut1 : g.ProtuberanceUndercut2) = true;
            involuteStart = std::max(involuteStart, crossing);
            alfaFormStart = ArcCos(db / involuteStart);
            return;
        }
    }
    const bool undercut = pinion ? g.UndercutPinion : g.UndercutWheel;
    const double limit = undercut ? (pinion ? g.InvoluteStartNoUndercut1 : g.InvoluteStartNoUndercut2) : db;
    double form = 0;
    ComputeProtuberanceFormDiameter(gear, form, limit, d, x, g.alfan, db, angle,
                                    pinion ? g.ProtuberanceFlankAddendumFactor1 : g.ProtuberanceFlankAddendumFactor2,
                                    shift, pinion ? g.ToolCrestRadiusFactor1 : g.ToolCrestRadiusFactor2);
    involuteStart = std::max(involuteStart, form);
    if (involuteStart < df + 1e-5) involuteStart = df + 0.1 * g.mn;
    alfaFormStart = ArcCos(db / involuteStart);
}

}  // namespace

void ComputeProtuberanceResults() {
    GlobalData& g = G;
    ComputeProtuberanceUndercut();
    ComputePitchesAndFormDiameters();
    if (g.ErrorFlag) return;
    if (g.Protuberance1) ProtuberanceInvoluteStart(1);
    if (g.Protuberance2 && g.GearingType != kInternalGearing && !g.RackMate) ProtuberanceInvoluteStart(2);
}

namespace {

// Thicknesses of one gear (1 pinion, 2 wheel) on its characteristic diameters.
void ComputeGearThicknesses(int gear) {
    GlobalData& g = G;
    const bool pinion = gear == 1;
    const bool annular = !pinion && Internal();
    const auto thickness = [pinion](double dy) {
        return pinion ? ComputeToothThicknessAtDiameter1(dy) : ComputeToothThicknessAtDiameter2(dy);
    };
    const auto helix = [pinion](double dy) {
        return pinion ? ComputeHelixAngleAtDiameter1(dy) : ComputeHelixAngleAtDiameter2(dy);
    };
    const double db = pinion ? g.db1 : g.db2;
    const double da = pinion ? g.da1 : g.da2;
    const double chamfer = pinion ? g.ChamferDiameter1 : g.ChamferDiameter2;
    const bool chamferedTip = (pinion ? g.Chamfer1 : WheelRackToolChamfer()) && std::fabs(chamfer) < std::fabs(da);
    const bool annularChamfer = annular && g.InternalWheelChamfer;

    struct Entry {
        double dy;
        double& s;
        bool computed = false;
        bool keepsThickness = false;  // the chamfer involute of a reground gear
    };
    Entry entries[] = {
        {db, pinion ? g.sb1 : g.sb2},
        {pinion ? g.df1 : g.df2, pinion ? g.sf1 : g.sf2},
        {pinion ? g.InvoluteStartDiameter1 : g.InvoluteStartDiameter2, pinion ? g.sInv1 : g.sInv2},
        {pinion ? g.d1 : g.d2, pinion ? g.s1 : g.s2},
        {pinion ? g.dw1 : g.dw2, pinion ? g.sw1 : g.sw2},
        {da, pinion ? g.sa1 : g.sa2},
        {chamfer, pinion ? g.sChamfer1 : g.sChamfer2},
    };
    Entry& working = entries[4];
    Entry& tip = entries[5];
    Entry& atChamfer = entries[6];
    const bool equalTeeth = g.z1 == -g.z2;

    // transverse values on the tooth involute (the annular wheel: its space widths)
    for (Entry& e : entries) {
        if (&e == &atChamfer || (&e == &working && equalTeeth)) continue;
        if (std::fabs(e.dy) < std::fabs(db)) continue;
        e.s = thickness(e.dy);
        e.computed = true;
    }
    if (chamferedTip) {
        atChamfer.s = thickness(chamfer);
        atChamfer.computed = true;
        tip.s = pinion ? ComputeChamferThicknessAtDiameter1(da) : ComputeChamferThicknessAtDiameter2(da);
        tip.computed = true;
        tip.keepsThickness = g.ThinByRegrinding;
    }
    if (annularChamfer && tip.computed) {
        // the tip chamfer of 5 degrees that the cutter's root leaves widens the space
        tip.s += Tan(5 * kPi / 180) * (g.da2 - g.ChamferDiameter2);
        atChamfer.s = thickness(g.ChamferDiameter2);
        atChamfer.computed = true;
    }

    // backlash by thinning: the flanks turn by the gear's share of the angle
    if (g.BacklashByThinning) {
        const double allowance = ThinningAngle(pinion ? g.d1 : g.d2);
        (pinion ? g.ThinningAllowance1 : g.ThinningAllowance2) = allowance;
        const double share = ThinningShare(gear);
        for (Entry& e : entries) {
            if (!e.computed || e.keepsThickness) continue;
            const double reduction = share * std::fabs(e.dy) * allowance;
            e.s += annular ? reduction : -reduction;
        }
    }

    // normal values; the annular wheel's tooth is the pitch less its space
    const double z = std::fabs(pinion ? g.z1 : g.z2);
    for (Entry& e : entries) {
        if (!e.computed) continue;
        const double cosHelix = std::cos(helix(e.dy));
        e.s *= cosHelix;
        if (annular) e.s = kPi * std::fabs(e.dy) * cosHelix / z - e.s;
    }
    const Entry& limit = chamferedTip || annularChamfer ? atChamfer : tip;
    (pinion ? g.sTipLimitTransverse1 : g.sTipLimitTransverse2) = limit.s / std::cos(helix(limit.dy));

    (pinion ? g.PinionTipTooThin : g.WheelTipTooThin) = 0.25 * g.mn > tip.s;
}

// Bevel pair: thicknesses on the outer tips, on the virtual spur gears of the back
// cones, and on the inner tips, scaled by the cone distances; normal values.
void ComputeBevelTipThicknesses() {
    GlobalData& g = G;
    g.PinionTipTooThin = g.WheelTipTooThin = false;
    if (!(g.Le > 0) || g.mtm == 0) return;
    const double inner = (g.Le - g.b) / g.Le;
    const double cosBeta = std::cos(g.beta);
    const double tanAlfan = Tan(g.alfan);
    const auto outerTip = [&](double zBevel, double delta, double de, double ha, double x) {
        const double zv = zBevel / std::cos(delta);
        const double rv = de / (2 * std::cos(delta));
        const double rva = rv + ha * g.mn / g.mtm;
        return InvoluteThickness(2 * rva, 2 * rv * std::cos(g.alfat), zv, x, tanAlfan, g.alfat);
    };
    const double sae1 = outerTip(g.z1Bevel, g.delta1, g.de1, g.ha1, g.x1);
    const double sae2 = outerTip(g.z2Bevel, g.delta2, g.de2, g.ha2, g.x2);
    g.dai1 = g.dae1 * inner;
    g.dai2 = g.dae2 * inner;
    g.sae1 = sae1 * cosBeta;
    g.sae2 = sae2 * cosBeta;
    g.sa1 = g.sae1 * inner;
    g.sa2 = g.sae2 * inner;
    g.PinionTipTooThin = 0.25 * g.mn > g.sae1;
    g.WheelTipTooThin = 0.25 * g.mn > g.sae2;
}

}  // namespace

void ComputeToothThicknesses() {
    ComputationScope computation;  // each refused argument shown once
    ComputeGearThicknesses(1);
    if (!G.RackMate) ComputeGearThicknesses(2);
    if (G.GearingType == kBevelGearing) ComputeBevelTipThicknesses();
}

void ComputeRackToothThickness() {
    GlobalData& g = G;
    const double m = g.mn;
    const double tanAlfan = Tan(g.alfan);
    const double cosAlfan = std::cos(g.alfan);
    double s = kPi * m / 2;
    if (g.BacklashByThinning) {
        if (g.ThinBothWheels)
            s -= g.jn / (2 * cosAlfan);
        else if (g.ThinWheelOnly)
            s -= g.jn / cosAlfan;
    }
    g.s2 = s;
    g.sf2 = s + 2 * g.hf2 * tanAlfan;
    g.sInv2 = s + 2 * (g.Protuberance2 ? g.RackFlankDepth : g.ToolFlankHeight2) * tanAlfan;
    g.sw2 = s - 2 * g.x1 * m * tanAlfan;
    g.sa2 = s - 2 * g.ha2 * tanAlfan;
    if (g.Chamfer2) {
        // the flank ends at the working addendum; below it the chamfer starts
        g.sa2 = g.RackTipThickness;
        g.sChamfer2 = s - 2 * g.ChamferHeightFactor2 * m * tanAlfan;
    }
    g.WheelTipTooThin = 0.25 * m > g.sa2;
}

}  // namespace ostrimo
