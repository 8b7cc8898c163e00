// Start of the involute on a gear undercut by a rack tool: the point where the trochoid
// traced by the tool's tip rounding crosses the involute.
//
// The tip rounding (radius rho mn) has its centre E mn across from the middle of the
// tooth and F mn from the rolling line.  For the generating angle a (the direction of
// the profile normal, which passes through the rolling point) the point of the rounding
// in contact is found, the gear rolled to it, and its x coordinate compared with that
// of the involute at the same radius.
#include <cmath>

#include "ostrimo/calc/Geometricke_vypocty.h"
#include "ostrimo/calc/GeometryNumerics.h"

namespace ostrimo {

using namespace detail;

namespace {

constexpr double kTolerance = 1e-10;
constexpr double kStartAngle = 0.15, kRestartDrop = 0.01, kLastAngle = 1.5, kFirstStep = 0.001;
constexpr int kRestarts = 14;            // starts 0.15, 0.14, ..., 0.01: the angle must stay above 0
constexpr double kSmallestStep = 1e-12;  // a step into the base circle shorter than this ends the search

struct Gear {
    double h0, rho, x, z, d, db;
    bool thinnedAlone;  // only this gear of the pair is thinned
    double& result;
};

Gear GearData(int gear) {
    if (gear == 1)
        return {G.ToolAddendumFactor1, G.rofP1, G.x1, G.z1, G.d1, G.db1, G.ThinPinionOnly, G.InvoluteStartDiameter1};
    return {G.ToolAddendumFactor2, G.rofP2, G.x2, G.z2, G.d2, G.db2, G.ThinWheelOnly, G.InvoluteStartDiameter2};
}

// The trochoid point of the last evaluation and whether it lay inside the base circle.
struct TrochoidPoint {
    L X = 0, Y = 0;
    bool belowBase = false;
} g_point;

double LastPointDiameter() { return static_cast<double>(2 * std::sqrt(g_point.X * g_point.X + g_point.Y * g_point.Y)); }

double EvaluateTrochoidResidual(int gear, double a) {
    const Gear t = GearData(gear);
    const L mn = G.mn, tanAlfan = Tan(G.alfan), cosAlfan = std::cos(static_cast<L>(G.alfan));
    const L cosBeta = std::cos(static_cast<L>(G.beta));
    const L E = tanAlfan * (t.h0 - t.rho) + kPiL / 4 + t.rho / cosAlfan;
    const L F = -(t.h0 - t.x - t.rho);
    L S = (kPiL / 2 + 2 * t.x * tanAlfan) * mn;  // tooth thickness on the reference circle
    if (G.BacklashByThinning && G.ThinByRegrinding) {
        if (G.ThinBothWheels) S -= G.jn / (2 * cosAlfan);
        if (t.thinnedAlone) S -= G.jn / cosAlfan;
    }
    const L St = S / cosBeta;

    const L an = std::atan(Tan(a) * cosBeta);
    const L U = (E - t.rho * std::cos(an)) * mn / cosBeta;
    const L W = (F - t.rho * std::sin(an)) * mn;
    const L tl = W / std::sin(static_cast<L>(a));
    const L phi = 2 * (U - tl * std::cos(static_cast<L>(a))) / t.d;  // rolling angle of the gear
    const L r = static_cast<L>(t.d) / 2, rb = static_cast<L>(t.db) / 2;
    g_point.X = std::sin(phi) * r + std::cos(a - phi) * tl;
    g_point.Y = std::cos(phi) * r + std::sin(a - phi) * tl;
    const L R = std::sqrt(g_point.X * g_point.X + g_point.Y * g_point.Y);
    g_point.belowBase = R < rb;
    if (g_point.belowBase) return 0;

    const L alfat = G.alfat;
    const L psi = Tan(alfat) + S / (mn * t.z) - std::sqrt((R / rb) * (R / rb) - 1);
    const L V = std::cos(alfat) * (St - t.d * psi) / 2;
    const L P = std::sin(psi) * r + std::cos(psi - alfat) * V;
    return static_cast<double>(g_point.X - P);
}

void ComputeInvoluteStartDiameter(int gear) {
    ComputationScope computation;
    const Gear t = GearData(gear);
    t.result = 0;
    const double belowBase = t.db + 1e-4 * G.mn;
    auto f = [gear](double a) { return EvaluateTrochoidResidual(gear, a); };

    double m = kStartAngle;
    for (int restart = 0; restart <= kRestarts; ++restart, m -= kRestartDrop) {
        double step = kFirstStep;
        ScanBracket bracket{m, m + step};
        bool restartScan = false;
        int halvings = 0;
        for (int pass = 0; pass < kMaxSearchPasses && !restartScan; ++pass) {
            const double fLo = f(bracket.lo);
            const bool loBelow = g_point.belowBase;
            const double last = f(bracket.hi);
            if (loBelow) {
                t.result = belowBase;
                return;
            }
            if (g_point.belowBase) {
                // The trochoid enters the base circle within this step, and may cross the
                // involute just before it: step on from lo with a shorter step.  Only when
                // the step is down to nothing does it reach the base circle uncrossed.
                if (bracket.halving || step < kSmallestStep) {
                    t.result = belowBase;
                    return;
                }
                step /= 5;
                bracket.hi = bracket.lo + step;
                continue;
            }
            if (std::isnan(fLo) || std::isnan(last)) break;
            if (std::fabs(last) < kTolerance) {
                t.result = LastPointDiameter();
                return;
            }
            if (std::fabs(last) < step) step /= 5;
            const bool signsDiffer = SignOf(fLo) != SignOf(last);
            // A restart looks for the crossing below the previous start: above it the previous
            // scan found the residual keeping its sign up to the last angle.
            const double scanEnd = restart == 0 ? kLastAngle : m + kRestartDrop;
            if (!signsDiffer && !bracket.halving && bracket.hi + step > scanEnd) {
                restartScan = true;
                continue;
            }
            if (!bracket.Halve(signsDiffer)) {
                bracket.Move(step);
                continue;
            }
            if (++halvings > kMaxHalvings) break;
            const double fHi = f(bracket.hi);
            if (g_point.belowBase) {  // a root at the sentinel of the base circle is none
                t.result = belowBase;
                return;
            }
            if (std::fabs(fHi) < kTolerance) {
                t.result = LastPointDiameter();
                return;
            }
        }
        if (!restartScan) break;  // NaN or no convergence: no restart helps
    }
    t.result = belowBase;
    G.ErrorFlag = true;
}

}  // namespace

double EvaluateTrochoidResidual1(double a) { return EvaluateTrochoidResidual(1, a); }
double EvaluateTrochoidResidual2(double a) { return EvaluateTrochoidResidual(2, a); }
void ComputeInvoluteStartDiameter1() { ComputeInvoluteStartDiameter(1); }
void ComputeInvoluteStartDiameter2() { ComputeInvoluteStartDiameter(2); }

}  // namespace ostrimo
