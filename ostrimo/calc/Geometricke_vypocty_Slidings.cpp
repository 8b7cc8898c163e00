// Division of the sum of AMC for balanced specific slidings: x1 for which the specific
// slidings at the two tips are equal.
//
// Gear pair: zeta = 1 - rho2 w2 / (rho1 w1) equal at both tips gives
//   1/tan(alfa_a1) - u/tan(alfa_a2) + (u - 1)/tan(alfawt) = 0,   u = z2/z1,
// with tan^2(alfa_a) = (ra/rb)^2 - 1 written through K1 = 4 (tan^2 alfan + cos^2 beta)
// and the tip radii ra1/mn = x + C1, ra2/mn = C2 - x.  Internal pair (rho2 = rho1 + g,
// g = |aw| sin alfawt):  1/rho_a1 + u^2/rho_a2 = (u^2 - 1)/g.  Rack mate: the radii of
// curvature at the two ends of the path multiply to that at the pitch point.
#include <cmath>
#include <limits>

#include "ostrimo/calc/Geometricke_vypocty.h"
#include "ostrimo/calc/GeometryNumerics.h"
#include "ostrimo/calc/Vypocty_Fellow.h"
#include "runtime/Notice.h"

namespace ostrimo {

using namespace detail;

namespace {

constexpr const char* kNoBalancedSlidings = "Solution for balanced specific slidings does not exist.";
constexpr double kSearchFrom = -2, kSearchTo = 5, kSearchStep = 0.1, kTolerance = 1e-11;
constexpr int kPassesPerAttempt = 99;
constexpr int kEdgeBisections = 60;

// Constants of the residuals, set before each search.
L K1 = 0, K2 = 0, C1 = 0, C2 = 0;
// The last residual was evaluated with both tips outside their base circles.
bool g_insideDomain = false;

struct Trial {
    double value;
    bool inside;
};

template <class Residual>
Trial Evaluate(Residual residual, double x) {
    const double v = residual(x);
    return {v, g_insideDomain};
}

// Scan -2..5 in steps of 0.1 and bisect.  A residual is 0 where a tip lies inside its
// base circle; when a scan step leaves that domain the edge is located first, so that a
// root just before the edge is not stepped over, and only roots inside the domain count.
// Each attempt has 99 passes; then the search restarts 0.1 above its lower end.
template <class Residual>
bool SearchBalancedDivision(Residual residual, double& x) {
    ScanBracket bracket{kSearchFrom, kSearchFrom + kSearchStep};
    int passes = 0;
    for (int pass = 0; pass < kMaxSearchPasses; ++pass) {
        const Trial a = Evaluate(residual, bracket.lo);
        Trial b = Evaluate(residual, bracket.hi);
        if (std::isnan(a.value) || std::isnan(b.value)) return false;
        if (++passes == kPassesPerAttempt) {  // a new attempt 0.1 above the lower end
            const double lo = bracket.lo + kSearchStep;
            bracket = ScanBracket{lo, lo + kSearchStep};
            passes = 0;
            continue;
        }
        if (!bracket.halving && a.inside && !b.inside) {
            double in = bracket.lo, out = bracket.hi;
            for (int i = 0; i < kEdgeBisections; ++i) {
                const double mid = (in + out) / 2;
                if (mid == in || mid == out) break;
                (Evaluate(residual, mid).inside ? in : out) = mid;
            }
            const Trial edge = Evaluate(residual, in);
            if (std::isnan(edge.value)) return false;
            if (SignOf(edge.value) != SignOf(a.value)) {
                bracket.hi = in;
                b = edge;
            }
        }
        if (!bracket.Halve(SignOf(a.value) != SignOf(b.value))) {
            bracket.Move(kSearchStep);
            if (bracket.hi > kSearchTo) return false;
            continue;
        }
        const Trial t = Evaluate(residual, bracket.hi);
        if (std::isnan(t.value)) return false;
        if (t.inside && std::fabs(t.value) < kTolerance) {
            x = bracket.hi;
            return true;
        }
    }
    return false;
}

void ReportNoBalancedSlidings() {
    rt::MessageBox(kNoBalancedSlidings, kErrorCaption, rt::MB_OK);
    G.NoCalcMessageShown = false;
    G.ErrorFlag = true;
}

// Extra AMC of the backlash (backlash by extra AMC), else 0.
double BacklashAmc() { return G.BacklashByExtraAmc ? G.xsumBacklash - G.xsumNoBacklash : 0; }

double NotANumber() { return std::numeric_limits<double>::quiet_NaN(); }

}  // namespace

double EvaluateBalancedSlidingEquation(double x) {
    g_insideDomain = false;
    if (G.GearingType == kInternalGearing) {
        G.x2 = G.xsumSearch - x;
        ComputeCutterCentreDistance();
        G.df2 = 2 * G.a0 - G.da0;
        const double centre = G.BacklashByExtraAmc ? G.awCheck : G.aw;
        const L da1 = 2 * (centre - (G.cP1 - BacklashAmc()) * G.mn) - G.df2;
        const L da2 = 2 * (centre + (BacklashAmc() + G.haP2 - x) * G.mn) - G.d1;
        const L A = da1 * da1 - static_cast<L>(G.db1) * G.db1;
        const L B = da2 * da2 - static_cast<L>(G.db2) * G.db2;
        if (std::isnan(A) || std::isnan(B)) return NotANumber();
        if (A <= 0 || B <= 0) return 0;
        g_insideDomain = true;
        return static_cast<double>(2 / std::sqrt(A) + 2 * K1 / std::sqrt(B) +
                                   K2 / (G.awCheck * std::sin(static_cast<L>(G.alfawtCheck))));
    }
    const L A = (x + C1) / G.z1 * ((x + C1) / G.z1) * K1 - 1;
    const L B = (C2 - x) / G.z2 * ((C2 - x) / G.z2) * K1 - 1;
    if (std::isnan(A) || std::isnan(B)) return NotANumber();
    if (A <= 0 || B <= 0) return 0;
    g_insideDomain = true;
    return static_cast<double>(1 / std::sqrt(A) - (G.z2 / G.z1) / std::sqrt(B) + K2);
}

double EvaluateRackBalancedSlidingEquation(double x) {
    g_insideDomain = false;
    const L h = (G.haP2 - x) * G.mn;  // rack addendum above the pinion's pitch line
    const L g = h / Tan(G.alfat);
    const L r1 = static_cast<L>(G.d1) / 2;
    const L rA = std::sqrt(g * g + (r1 - h) * (r1 - h));  // rack tip line on the line of action
    const L da1 = G.d1 + 2 * (G.haP1 + x) * G.mn;
    const L sinAlfat = std::sin(static_cast<L>(G.alfat));
    const L rhoPitch = sinAlfat * r1;  // radius of curvature at the pitch point
    if (std::isnan(rA) || std::isnan(da1)) return NotANumber();
    // The rack tip must meet the line of action between the pitch point and the point of
    // tangency with the base circle: beyond it the pair interferes and the radius of
    // curvature there (taken by its size below) would change sign.
    if (!(2 * rA >= G.db1 && 2 * rA < da1 && da1 >= G.db1 && h / sinAlfat < rhoPitch)) return 0;
    g_insideDomain = true;
    const L rhoE = da1 / 2 * std::sin(ComputeCheckedArcCos(G.db1 / da1));
    const L rhoA = rA * std::sin(ComputeCheckedArcCos(G.db1 / (2 * rA)));
    return static_cast<double>(rhoPitch * rhoPitch - rhoA * rhoE);
}

void BalanceSpecificSlidings() {
    ComputationScope computation;
    if (G.aw == 0) {
        ReportNoBalancedSlidings();
        return;
    }
    const L u = static_cast<L>(G.z2) / G.z1;
    if (G.GearingType == kInternalGearing) {
        K1 = u * u;
        K2 = u * u - 1;
    } else {
        const L m = G.GearingType == kBevelGearing ? G.mtm * std::cos(static_cast<L>(G.beta)) : G.mn;
        const L tanAlfan = Tan(G.alfan);
        const L cosBeta = std::cos(static_cast<L>(G.beta));
        const L twoCosBeta = 2 * cosBeta;
        K1 = 4 * (tanAlfan * tanAlfan + cosBeta * cosBeta);
        const L ratio = G.awCheck / m / (G.z1 + G.z2);
        K2 = (u - 1) / std::sqrt(ratio * ratio * K1 - 1);  // (u - 1) / tan alfawt
        const L centre = (G.BacklashByExtraAmc ? G.awCheck : G.aw) / m + BacklashAmc();
        C1 = centre + G.haP1 - G.z2 / twoCosBeta - G.xsumSearch;
        C2 = centre + G.haP2 - G.z1 / twoCosBeta;
    }
    // the internal residual works on the wheel's AMC and the manufacturing mesh
    const double x2 = G.x2, a0 = G.a0, df2 = G.df2, alfawt0 = G.alfawt0, invAlfawt0 = G.InvAlfawt0,
                 xsum0Cutter = G.xsum0Cutter;
    double x = 0;
    if (SearchBalancedDivision(EvaluateBalancedSlidingEquation, x)) {
        G.x1 = x;
        return;
    }
    G.x2 = x2;
    G.a0 = a0;
    G.df2 = df2;
    G.alfawt0 = alfawt0;
    G.InvAlfawt0 = invAlfawt0;
    G.xsum0Cutter = xsum0Cutter;
    ReportNoBalancedSlidings();
}

void BalanceRackSpecificSlidings() {
    ComputationScope computation;
    double x = 0;
    if (SearchBalancedDivision(EvaluateRackBalancedSlidingEquation, x))
        G.x1 = x;
    else
        ReportNoBalancedSlidings();
}

}  // namespace ostrimo
