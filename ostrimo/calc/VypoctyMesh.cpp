// Involute lengths, contact ratios, specific slidings, virtual numbers of teeth and
// contact line lengths (unit Vypocty).
#include <cmath>

#include "ostrimo/calc/CheckNumerics.h"
#include "ostrimo/calc/Vypocty.h"
#include "runtime/Rounding.h"

namespace ostrimo {

using namespace checks;

namespace {

// Length of the involute of base diameter db between the pressure angles a1 and a2.
double InvoluteLength(double db, double a1, double a2) { return db / 4 * (Sqr(Tan(a2)) - Sqr(Tan(a1))); }

// Length of the involute between two diameters.
double InvoluteLengthBetween(double db, double from, double to) {
    return InvoluteLength(db, PressureAngleOn(db, from), PressureAngleOn(db, to));
}

// Distance of the two tangent points on the line of action (signed like awCheck).
double TangentPointsDistance() { return std::sin(G.alfawtCheck) * G.awCheck; }

// The transverse base pitch of the contact ratio.
double ContactPitch() { return std::cos(G.alfat) * kPi * G.mn / std::cos(G.beta); }

void SetOverlapRatio() {
    GlobalData& g = G;
    g.epsilonbeta = g.b * std::sin(g.beta) / (kPi * g.mn);
    g.epsilongamma = g.epsilonalfa + g.epsilonbeta;
}

}  // namespace

void ComputeInvoluteLengthsExternal() {
    GlobalData& g = G;
    g.InvoluteLength1 = InvoluteLength(g.db1, g.alfaFormStart1, g.alfaTip1);
    if (g.ErrorFlag) return;
    // on a gear pair each mesh ends where the mate's involute begins (conjugate point)
    const double T1T2 = TangentLength(g.dw1, g.db1) + TangentLength(g.dw2, g.db2);
    if (!g.RackMate) {
        g.MeshEndDiameter1 = 2 * std::sqrt(Sqr(g.db1 / 2) + Sqr(T1T2 - TangentLength(g.InvoluteStartDiameter2, g.db2)));
        if (g.MeshEndDiameter1 > g.ChamferDiameter1) g.MeshEndDiameter1 = g.ChamferDiameter1;
    }
    g.OperatingInvoluteLength1 = InvoluteLengthBetween(g.db1, g.MeshStartDiameter1, g.MeshEndDiameter1);
    if (g.RackMate)
        g.InvoluteLength2 = (g.RackFlankDepth + g.RackFlankAddendum) / std::cos(g.alfat);  // straight flank
    else
        g.InvoluteLength2 = InvoluteLength(g.db2, g.alfaFormStart2, g.alfaTip2);
    if (g.ErrorFlag) return;
    if (g.RackMate) {
        g.OperatingInvoluteLength2 = (g.RackUsedDepth + g.RackEffectiveAddendum) / std::cos(g.alfat);
        return;
    }
    g.MeshEndDiameter2 = 2 * std::sqrt(Sqr(g.db2 / 2) + Sqr(T1T2 - TangentLength(g.InvoluteStartDiameter1, g.db1)));
    if (g.MeshEndDiameter2 > g.ChamferDiameter2) g.MeshEndDiameter2 = g.ChamferDiameter2;
    g.OperatingInvoluteLength2 = InvoluteLengthBetween(g.db2, g.MeshStartDiameter2, g.MeshEndDiameter2);
}

void ComputeInvoluteLengthsInternal() {
    GlobalData& g = G;
    g.InvoluteLength1 = InvoluteLength(g.db1, g.alfaFormStart1, g.alfaTip1);
    g.OperatingInvoluteLength1 = InvoluteLengthBetween(g.db1, g.MeshStartDiameter1, g.MeshEndDiameter1);
    // the annular wheel's involute runs outward from its tip
    g.InvoluteLength2 = InvoluteLength(std::fabs(g.db2), g.alfaTip2, g.alfaFormStart2);
    g.OperatingInvoluteLength2 = InvoluteLengthBetween(g.db2, g.MeshStartDiameter2, g.MeshEndDiameter2);
}

void ComputeContactRatioExternal() {
    GlobalData& g = G;
    if (g.RackMate) {
        g.epsilonalfa = (g.pA + g.pE) / ContactPitch();
    } else {
        if (g.MeshEndDiameter1 >= g.db1 && g.MeshEndDiameter2 >= g.db2)
            g.epsilonalfa = (TangentLength(g.MeshEndDiameter1, g.db1) + TangentLength(g.MeshEndDiameter2, g.db2) -
                             TangentPointsDistance()) /
                            ContactPitch();
        // an involute that begins beyond the far end of the line of action, or involute
        // starts that do not reach each other
        const double farEnd = Tan(g.alfawtCheck) * (g.db1 + g.db2);
        if (g.alfaFormStart1 >= std::atan(farEnd / g.db1) || g.alfaFormStart2 >= std::atan(farEnd / g.db2) ||
            (g.InvoluteStartDiameter1 + g.InvoluteStartDiameter2) / 2 >= g.awCheck)
            g.epsilonalfa = 0;
    }
    if (g.epsilonalfa < 0) g.epsilonalfa = 0;
    SetOverlapRatio();
}

void ComputeContactRatioInternal() {
    GlobalData& g = G;
    if (g.MeshEndDiameter1 >= g.db1 && std::fabs(g.MeshEndDiameter2) >= std::fabs(g.db2))
        g.epsilonalfa = (TangentLength(g.MeshEndDiameter1, g.db1) - TangentLength(g.MeshEndDiameter2, g.db2) -
                         TangentPointsDistance()) /
                        ContactPitch();
    if ((g.InvoluteStartDiameter1 + g.InvoluteStartDiameter2) / 2 >= g.awCheck) g.epsilonalfa = 0;
    SetOverlapRatio();
}

void ComputeSpecificSlidingsExternal() {
    GlobalData& g = G;
    const double u = g.z1 / g.z2;
    const double T1T2 = TangentPointsDistance();
    // start of contact (the wheel's mesh end) and end of contact (the pinion's), from
    // the wheel's and the pinion's tangent point
    const double gA = TangentLength(g.MeshEndDiameter2, g.db2);
    const double gE = TangentLength(g.MeshEndDiameter1, g.db1);
    if (g.MeshEndDiameter2 >= g.db2) {
        if (T1T2 != gA) g.SpecificSlidingRoot1 = 1 - gA * u / (T1T2 - gA);
        if (gA != 0) g.SpecificSlidingTip2 = 1 - (T1T2 - gA) / (u * gA);
    }
    if (g.MeshEndDiameter1 >= g.db1) {
        if (gE != 0) g.SpecificSlidingTip1 = 1 - (T1T2 - gE) * u / gE;
        if (T1T2 != gE) g.SpecificSlidingRoot2 = 1 - gE / (u * (T1T2 - gE));
    }
}

void ComputeSpecificSlidingsInternal() {
    GlobalData& g = G;
    const double u = g.z1 / g.z2;  // negative
    const double T1T2 = TangentPointsDistance();
    const double gA = TangentLength(g.MeshEndDiameter2, g.db2);
    const double gE = TangentLength(g.MeshEndDiameter1, g.db1);
    if (std::fabs(g.MeshEndDiameter2) >= std::fabs(g.db2)) {
        if (T1T2 + gA != 0) g.SpecificSlidingRoot1 = 1 + gA * u / (T1T2 + gA);
    }
    if (g.MeshEndDiameter1 >= g.db1) {
        if (gE != 0) g.SpecificSlidingTip1 = 1 + (gE - T1T2) * u / gE;
    }
    if (std::fabs(g.MeshEndDiameter2) >= std::fabs(g.db2)) {
        if (gA != 0) g.SpecificSlidingTip2 = 1 + (T1T2 + gA) / (u * gA);
    }
    if (g.MeshEndDiameter1 >= g.db1) {
        if (gE != T1T2) g.SpecificSlidingRoot2 = 1 + gE / (u * (gE - T1T2));
    }
}

void ComputeSpecificSlidingsRack() {
    GlobalData& g = G;
    const double t0 = Tan(g.alfat) * g.db1 / 2;  // pinion tangent point to the pitch point
    if (t0 == 0) return;
    if (t0 != g.pA) g.SpecificSlidingRoot1 = 1 - t0 / (t0 - g.pA);
    g.SpecificSlidingTip2 = 1 - (t0 - g.pA) / t0;
    if (t0 != -g.pE) g.SpecificSlidingTip1 = 1 - t0 / (t0 + g.pE);
    g.SpecificSlidingRoot2 = 1 - (t0 + g.pE) / t0;
}

void ComputeVirtualTeethNumbers() {
    GlobalData& g = G;
    const double f = std::cos(g.beta) * Sqr(std::cos(g.betab));
    g.zn1 = g.z1 / f;
    g.zn2 = g.z2 / f;
}

void ComputeContactLineLengths() {
    GlobalData& g = G;
    const double cosBetab = std::cos(g.betab);
    const double ea = g.epsilonalfa;
    const double eb = g.epsilonbeta;
    double least = 0;
    double most = 0;
    if (g.beta > 0 && eb > 0) {
        g.ContactLength1Pair = ea >= eb ? g.b / cosBetab : ea * g.pbt / std::sin(g.betab);
        const double fa = rt::Frac(ea);
        const double fb = rt::Frac(eb);
        least = ea - (fa + fb >= 1 ? (1 - fa) * (1 - fb) : fa * fb) / eb;
        most = ea + (fa > fb ? fb * (1 - fa) : fa * (1 - fb)) / eb;
    } else {
        // spur (also a helical pair without facewidth, which has no overlap)
        g.ContactLength1Pair = g.beta > 0 ? g.b / cosBetab : g.b;
        least = rt::Int(ea);
        most = least + 1;
    }
    g.ContactLengthMax = g.b * most / cosBetab;
    g.ContactLengthMin = g.b * least / cosBetab;
}

}  // namespace ostrimo
