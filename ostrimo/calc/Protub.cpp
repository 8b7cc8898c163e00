// Protuberance tool: undercut limits and depth of the protuberance flank, and the form
// diameter from the trochoid of the tool tip.
#include "ostrimo/calc/Protub.h"

#include <cmath>

#include "ostrimo/calc/GeometryNumerics.h"
#include "ostrimo/calc/NEWTON.h"

namespace ostrimo {

using namespace detail;

namespace {

constexpr double kTolerance = 1e-10;
constexpr int kMaxBisections = 150;
constexpr double kSmallestAngle = 0.01;
constexpr double kInsideLimit = 1e6;  // involute side of the residual for a point at or inside L

bool ComputeProtuberanceFlankShift(double angle, double haP0, double toolAddendum, double& shift,
                                   double& flankAddendum) {
    if (!(angle > 0 && angle < G.alfan)) return false;
    shift = static_cast<double>((Tan(G.alfan) / Tan(angle) - 1) * haP0);
    flankAddendum = toolAddendum + shift;
    return true;
}

struct ProtuberanceFlank {
    bool protuberance;
    double angle, crestRadius, flankAddendum, shift, x, z, d;
    double& transverseAngle;
    double& baseDiameter;
    double& flankHeightFactor;
    double& flankHeight;
    double& limitAmc;    // z1min, z2min
    double& limitTeeth;  // x1min, x2min
    bool& undercut;
    double& undercutDiameter;
};

ProtuberanceFlank Flank(int gear) {
    // clang-format off
    if (gear == 1)
        return {G.Protuberance1, G.ProtuberanceAngle1, G.ToolCrestRadiusFactor1, G.ProtuberanceFlankAddendumFactor1,
                G.ProtuberanceFlankShift1, G.x1, G.z1, G.d1, G.ProtuberanceTransverseAngle1,
                G.ProtuberanceBaseDiameter1, G.ToolFlankHeightFactor1, G.ToolFlankHeight1, G.z1min, G.x1min,
                G.ProtuberanceUndercut1, G.ProtuberanceUndercutDiameter1};
    return {G.Protuberance2, G.ProtuberanceAngle2, G.ToolCrestRadiusFactor2, G.ProtuberanceFlankAddendumFactor2,
            G.ProtuberanceFlankShift2, G.x2, G.z2, G.d2, G.ProtuberanceTransverseAngle2,
            G.ProtuberanceBaseDiameter2, G.ToolFlankHeightFactor2, G.ToolFlankHeight2, G.z2min, G.x2min,
            G.ProtuberanceUndercut2, G.ProtuberanceUndercutDiameter2};
    // clang-format on
}

// Everything of the protuberance flank but its Newton solve.
void ComputeFlankLimits(ProtuberanceFlank f) {
    const L cosBeta = std::cos(static_cast<L>(G.beta));
    f.transverseAngle = static_cast<double>(std::atan(Tan(f.angle) / cosBeta));
    f.baseDiameter = static_cast<double>(f.d * std::cos(static_cast<L>(f.transverseAngle)));
    f.flankHeightFactor = SnapProfileFactor(
        static_cast<double>(f.flankAddendum - (1 - std::sin(static_cast<L>(f.angle))) * f.crestRadius));
    f.flankHeight = f.flankHeightFactor * G.mn;
    const L sinT = std::sin(static_cast<L>(f.transverseAngle));
    f.limitAmc = static_cast<double>(f.flankHeightFactor - sinT * sinT * (f.z / 2) / cosBeta);
    f.limitTeeth = static_cast<double>(2 * cosBeta / (sinT * sinT) * (f.flankHeightFactor - f.shift - f.x));
    f.undercut = f.protuberance && f.shift + f.x < f.limitAmc;
}

// Diameter where the protuberance flank ends on a gear it does not undercut.
void ComputeFlankEndDiameter(ProtuberanceFlank f) {
    const L h = f.flankHeight - (f.shift + f.x) * G.mn;
    const L across = h / Tan(f.transverseAngle);
    const L radial = static_cast<L>(f.d) / 2 - h;
    f.undercutDiameter = static_cast<double>(2 * std::sqrt(radial * radial + across * across));
}

// The point where the undercut by the protuberance flank ends, by Newton set 1 or 2.
void SolveFlankUndercut(ProtuberanceFlank f, int gearIndex, int set, double depth) {
    G.ProtuberanceGearIndex = gearIndex;
    SetUndercutStartValues(depth);
    SolveGeometryNewtonSystem(3, set, G.NewtonUnknowns.x);
    f.undercutDiameter = G.NewtonUnknowns.x[1] * f.baseDiameter;
}

}  // namespace

bool ComputeProtuberanceFlankShift1() {
    return ComputeProtuberanceFlankShift(G.ProtuberanceAngle1, G.haP01, G.ToolAddendumFactor1,
                                         G.ProtuberanceFlankShift1, G.ProtuberanceFlankAddendumFactor1);
}

bool ComputeProtuberanceFlankShift2() {
    return ComputeProtuberanceFlankShift(G.ProtuberanceAngle2, G.haP02, G.ToolAddendumFactor2,
                                         G.ProtuberanceFlankShift2, G.ProtuberanceFlankAddendumFactor2);
}

void ComputeProtuberanceUndercut() {
    ComputationScope computation;
    G.pt = static_cast<double>(kPiL * G.mt);
    G.pbt = static_cast<double>(G.pt * std::cos(static_cast<L>(G.alfat)));
    const ProtuberanceFlank pinion = Flank(1), wheel = Flank(2);
    ComputeFlankLimits(pinion);
    ComputeFlankLimits(wheel);
    if (G.Protuberance1) ComputeFlankEndDiameter(pinion);
    if (G.Protuberance2 && G.GearingType == kExternalGearing) ComputeFlankEndDiameter(wheel);
    if (G.GearingType == kInternalGearing) G.ProtuberanceUndercut2 = false;
    if (G.RackMate) G.ProtuberanceUndercut2 = true;  // the rack is not solved

    G.ProtuberanceFlankActive = true;
    if (G.ProtuberanceUndercut1) SolveFlankUndercut(pinion, 0, 1, G.z1min - (G.ProtuberanceFlankShift1 + G.x1));
    if (G.ProtuberanceUndercut2 && !G.RackMate)
        SolveFlankUndercut(wheel, 1, 2, std::fabs(G.z2min - (G.ProtuberanceFlankShift2 + G.x2)));
    G.ProtuberanceFlankActive = false;
}

double EvaluateProtuberanceTrochoidResidual(double phi, TProtuberanceTrochoid& p) {
    const L mn = G.mn, cosBeta = std::cos(static_cast<L>(G.beta));
    const L ay = std::atan(Tan(phi) * cosBeta);
    const L u = (p.A - p.rho * std::cos(ay)) * mn / cosBeta;
    const L v = (p.B - p.rho * std::sin(ay)) * mn;
    const L w = v / std::sin(static_cast<L>(phi));
    const L t = 2 * (u - w * std::cos(static_cast<L>(phi))) / p.d;
    const L X = p.d / 2 * std::sin(t) + w * std::cos(phi - t);
    const L Y = p.d / 2 * std::cos(t) + w * std::sin(phi - t);
    const L D = 2 * std::sqrt(X * X + Y * Y);
    p.D = static_cast<double>(D);
    const L P = D * std::atan(X / Y);
    L Q = kInsideLimit;
    if (D > p.L) {
        const L a = ComputeCheckedArcCos(p.db / D);
        Q = (p.S / (cosBeta * p.d) + p.I0 - Inv(a)) * D;
    }
    return static_cast<double>(Q - P);
}

void ComputeProtuberanceFormDiameter(int gear, double& result, double L, double d, double x, double alfan, double db,
                                     double alphaPr, double F, double Delta, double rho) {
    ComputationScope computation;
    TProtuberanceTrochoid p;
    p.gear = gear;
    p.L = L;
    p.d = d;
    p.x = x;
    p.alfan = alfan;
    p.db = db;
    p.alphaPr = alphaPr;
    p.F = F;
    p.Delta = Delta;
    p.rho = rho;
    const long double cosAlfan = std::cos(static_cast<long double>(alfan));
    p.alphaT = static_cast<double>(std::atan(Tan(alfan) / std::cos(static_cast<long double>(G.beta))));
    p.I0 = static_cast<double>(Inv(p.alphaT));
    long double S = (2 * x * Tan(alfan) + kPiL / 2) * G.mn;
    long double A = Tan(alphaPr) * (F - rho) + kPiL / 4 + rho / std::cos(static_cast<long double>(alphaPr));
    p.B = Delta + x - F + rho;
    if (G.BacklashByThinning) {
        const bool alone = gear == 1 ? G.ThinPinionOnly : G.ThinWheelOnly;
        if (G.ThinBothWheels) {
            S -= G.jn / (2 * cosAlfan);
            if (!G.ThinByRegrinding) A -= G.jn / (4 * cosAlfan * G.mn);
        } else if (alone) {
            S -= G.jn / cosAlfan;
            if (!G.ThinByRegrinding) A -= G.jn / (2 * cosAlfan * G.mn);
        }
    }
    p.S = static_cast<double>(S);
    p.A = static_cast<double>(A);

    result = 0;
    const double step = static_cast<double>((kPiL / 2 - p.alphaT) / 20);
    double phi1 = std::numbers::pi / 2, phi2 = phi1 - step;
    double f1 = EvaluateProtuberanceTrochoidResidual(phi1, p);
    double f2 = EvaluateProtuberanceTrochoidResidual(phi2, p);
    for (int pass = 0; SignOf(f1) == SignOf(f2); ++pass) {
        // A tool angle next to 90 degrees leaves no step that ends the scan.
        if (pass == kMaxSearchPasses) return RefuseImpossibleGeometry();
        if (std::isnan(f1) || std::isnan(f2) || !(phi2 - step >= kSmallestAngle)) {
            if (std::isnan(f1) || std::isnan(f2)) G.ErrorFlag = true;
            return;
        }
        phi1 = phi2;
        f1 = f2;
        phi2 -= step;
        f2 = EvaluateProtuberanceTrochoidResidual(phi2, p);
    }
    for (int halving = 1; halving <= kMaxBisections; ++halving) {
        const double mid = (phi1 + phi2) / 2;
        const double fMid = EvaluateProtuberanceTrochoidResidual(mid, p);
        if (std::isnan(fMid)) {
            G.ErrorFlag = true;
            return;
        }
        if (std::fabs(fMid) < kTolerance) {
            if (mid > kSmallestAngle) result = p.D;
            return;
        }
        if (SignOf(fMid) == SignOf(f1)) {
            phi1 = mid;
            f1 = fMid;
        } else {
            phi2 = mid;
        }
    }
}

}  // namespace ostrimo
