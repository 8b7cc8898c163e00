#include "karvelo/calc/Epsilon.h"

#include <cmath>
#include <numbers>

#include "karvelo/calc/Global.h"
#include "karvelo/calc/NEWTON.h"

namespace karvelo {

double xUndercut1 = 0, xUndercut2 = 0;
double alfaU1 = 0, alfaU2 = 0;
double daLimited1 = 0, daLimited2 = 0;

void ComputeUndercutDiameters() {
    GlobalData& g = G;
    const double rootRounding = 1 - std::sin(g.alfan);
    g.hFfP1 = g.haP2 + g.caP2 - rootRounding * g.RofP1;
    g.hFfP2 = g.haP1 + g.caP1 - rootRounding * g.RofP2;
    g.hFf1 = g.hFfP1 * g.mn;
    g.hFf2 = g.hFfP2 * g.mn;

    const double sin2 = std::sin(g.alfat) * std::sin(g.alfat);
    xUndercut1 = g.hFf1 / g.mn - sin2 * g.z1 / (2 * std::cos(g.beta));
    xUndercut2 = g.hFf2 / g.mn - sin2 * g.z2 / (2 * std::cos(g.beta));
    g.Undercut1 = xUndercut1 > g.x1;
    g.Undercut2 = g.GearingType != kInternalPair && xUndercut2 > g.x2;  // an internal wheel is never undercut

    if (g.Undercut1) {
        SetUndercutStartValues(xUndercut1 - g.x1);
        SolveNewtonSystem(3, 1, UndercutUnknowns);
        g.dU1 = UndercutUnknowns[1] * g.db1;
        alfaU1 = static_cast<double>(ComputeCheckedArcCos(g.db1 / g.dU1));
    }
    if (g.Undercut2) {
        SetUndercutStartValues(std::fabs(xUndercut2 - g.x2));
        SolveNewtonSystem(3, 2, UndercutUnknowns);
        g.dU2 = UndercutUnknowns[1] * g.db2;
        alfaU2 = static_cast<double>(ComputeCheckedArcCos(g.db2 / g.dU2));
    }
}

void LimitActiveTipDiameters() {
    const GlobalData& g = G;
    daLimited1 = g.da1;
    daLimited2 = g.da2;
    // The mate may reach along the line of action only as far as the undercut boundary.
    if (g.Undercut1) {
        const double e = Tan(g.alfawt) * (g.db1 + g.db2) - Tan(alfaU1) * g.db1;
        daLimited2 = std::sqrt(e * e + g.db2 * g.db2);
        if (daLimited2 > g.da2) daLimited2 = g.da2;  // always so for an internal wheel (da2 < 0)
    }
    if (g.Undercut2) {
        const double e = Tan(g.alfawt) * (g.db1 + g.db2) - Tan(alfaU2) * g.db2;
        daLimited1 = std::sqrt(e * e + g.db1 * g.db1);
        if (daLimited1 > g.da1) daLimited1 = g.da1;
    }
}

void ComputeContactRatios() {
    GlobalData& g = G;
    ComputeUndercutDiameters();
    LimitActiveTipDiameters();

    const double transversePitch = std::numbers::pi * g.mn * std::cos(g.alfat) / std::cos(g.beta);
    const double path = g.a * std::sin(g.alfawt);
    bool contact;
    if (g.GearingType != kInternalPair) {
        g.dNa1 = daLimited1;
        g.dNa2 = daLimited2;
        contact = g.dNa1 >= g.db1 && g.dNa2 >= g.db2;
        if (contact)
            g.epsalfa =
                ((std::sqrt(g.dNa1 * g.dNa1 - g.db1 * g.db1) + std::sqrt(g.dNa2 * g.dNa2 - g.db2 * g.db2)) / 2 - path) /
                transversePitch;
    } else {
        g.dNa1 = g.da1;
        g.dNa2 = daLimited2;
        contact = g.dNa1 >= g.db1 && std::fabs(g.dNa2) >= std::fabs(g.db2);
        if (contact)  // a is negative here
            g.epsalfa =
                ((std::sqrt(g.dNa1 * g.dNa1 - g.db1 * g.db1) - std::sqrt(g.dNa2 * g.dNa2 - g.db2 * g.db2)) / 2 - path) /
                transversePitch;
    }
    g.epsbeta = g.b * std::sin(g.beta) / (std::numbers::pi * g.mn);
    if (contact) {
        g.epsgama = g.epsalfa + g.epsbeta;
        g.epsalfan = g.epsalfa / (std::cos(g.betab) * std::cos(g.betab));
    } else {
        // A tip inside the base circle: no transverse contact, and no stale ratio survives.
        g.epsalfa = 0;
        g.epsgama = 0;
        g.epsalfan = 0;
    }
}

}  // namespace karvelo
