// Bevel option: the virtual spur pair of the back cones at the middle of the
// facewidth, and the tooth trace against the inner cone distance; the helix angle that
// makes an entered centre distance fit the sum of AMC.
#include <algorithm>
#include <cmath>

#include "ostrimo/calc/Geometricke_vypocty.h"
#include "ostrimo/calc/GeometryNumerics.h"
#include "runtime/Notice.h"

namespace ostrimo {

using namespace detail;

namespace {

constexpr const char* kNoHelixAngle = "There is no solution - change inputs.";
constexpr double kTolerance = 1e-11;

// Mean normal module of the bevel pair, mtm cos beta.
double g_mnm = 0;
// Working pressure angle of the last helix-angle trial whose centre distance admitted one.
L g_trialAlfawt = 0;

}  // namespace

void ComputeBevelCones() {
    const L sigma = G.Sigma;
    const L ratio = static_cast<L>(G.z2Bevel) / G.z1Bevel;
    if (sigma <= kPiL / 2)
        G.delta1 = static_cast<double>(std::atan(std::sin(sigma) / (std::cos(sigma) + ratio)));
    else
        G.delta1 = static_cast<double>(std::atan(std::sin(kPiL - sigma) / (ratio - std::cos(kPiL - sigma))));
    G.delta2 = G.Sigma - G.delta1;
    G.Le = static_cast<double>(G.z1Bevel * G.mn / (2 * std::sin(static_cast<L>(G.delta1))));
}

void ComputeBevelGearDimensions() {
    ComputationScope computation;
    if (G.z1Bevel == 0 || G.z2Bevel == 0) return;
    ComputeBevelCones();
    G.bRatio = G.b / G.Le;
    const L Le = G.Le, b = G.b;
    G.betamMaxDeg = G.beta != 0 ? RadToDeg(static_cast<double>(ComputeCheckedArcSin((Le - b) / (Le - b / 2)))) : 80.0;
    const L sinBeta = std::sin(static_cast<L>(G.beta));
    G.betaMeanBevel = static_cast<double>(ComputeCheckedArcSin(sinBeta * (1 - G.bRatio / 2)));
    G.betab = static_cast<double>(ComputeCheckedArcSin(sinBeta * std::cos(static_cast<L>(G.alfan))));
    // at the largest inclination the trace ends on the inner circle: a sine above 1 by rounding is 1
    L sinInner = std::sin(static_cast<L>(G.betaMeanBevel)) * Le / (Le - b);
    if (sinInner > 1 && sinInner < 1 + 1e-12) sinInner = 1;
    G.betaInnerBevel = static_cast<double>(ComputeCheckedArcSin(sinInner));

    // virtual spur pair at the middle of the facewidth
    const L cosDelta1 = std::cos(static_cast<L>(G.delta1)), cosDelta2 = std::cos(static_cast<L>(G.delta2));
    G.z1 = static_cast<double>(G.z1Bevel / cosDelta1);
    G.z2 = static_cast<double>(G.z2Bevel / cosDelta2);
    G.mtm = (1 - G.bRatio / 2) * G.mn;
    g_mnm = static_cast<double>(std::cos(static_cast<L>(G.beta)) * G.mtm);
    G.ad = G.mtm * (G.z1 + G.z2) / 2;
    ComputeWorkingCentreDistance();

    G.k = G.xsum - (G.aw - G.ad) / g_mnm;
    G.ha1 = g_mnm * (G.haP1 + G.x1 - G.k);
    G.ha2 = g_mnm * (G.haP2 + G.x2 - G.k);
    G.hf1 = g_mnm * (G.haP2 + G.cP2 - G.x1);
    G.hf2 = g_mnm * (G.haP1 + G.cP1 - G.x2);
    G.h1 = G.ha1 + G.hf1;
    G.h2 = G.ha2 + G.hf2;

    // outer diameters: the mean heights scaled to the outer end
    const L toOuter = static_cast<L>(G.mn) / G.mtm;
    G.de1 = G.mn * G.z1Bevel;
    G.de2 = G.mn * G.z2Bevel;
    G.dfe1 = static_cast<double>(G.de1 - 2 * cosDelta1 * G.hf1 * toOuter);
    G.dfe2 = static_cast<double>(G.de2 - 2 * cosDelta2 * G.hf2 * toOuter);
    G.dae1 = static_cast<double>(G.de1 + 2 * cosDelta1 * G.ha1 * toOuter);
    G.dae2 = static_cast<double>(G.de2 + 2 * cosDelta2 * G.ha2 * toOuter);

    const L cosAlfat = std::cos(static_cast<L>(G.alfat));
    G.d1 = G.mtm * G.z1;
    G.d2 = G.mtm * G.z2;
    G.df1 = G.d1 - 2 * G.hf1;
    G.df2 = G.d2 - 2 * G.hf2;
    G.da1 = G.d1 + 2 * G.ha1;
    G.da2 = G.d2 + 2 * G.ha2;
    G.db1 = static_cast<double>(G.d1 * cosAlfat);
    G.db2 = static_cast<double>(G.d2 * cosAlfat);

    G.deltaa1 = static_cast<double>(G.delta1 + std::atan(G.ha1 * toOuter / Le));
    G.deltaa2 = static_cast<double>(G.delta2 + std::atan(G.ha2 * toOuter / Le));
    G.deltaf1 = static_cast<double>(G.delta1 - std::atan(G.hf1 * toOuter / Le));
    G.deltaf2 = static_cast<double>(G.delta2 - std::atan(G.hf2 * toOuter / Le));
}

double EvaluateBevelCircleLine(double x) {
    const L c = G.Le - static_cast<L>(G.b) / 2;  // mean cone distance
    const L r = G.Le - static_cast<L>(G.b);      // inner cone distance
    const L y = x * Tan(kPiL / 2 - G.beta) - c;
    return static_cast<double>(y * y + static_cast<L>(x) * x - r * r);
}

void FindBevelCircleLineIntersection(double& x) {
    ComputationScope computation;
    const double r = G.Le - G.b;
    // The residual is c^2 - r^2 > 0 at x = 0 and falls through the inner end of the
    // trace; scanning from 0 finds that crossing even when it lies below the first step.
    double root = 0;
    const ScanEnd end = ScanAndBisect(
        EvaluateBevelCircleLine, 0, 0.1, 0.1, [r](double hi) { return hi > r; }, kTolerance, root);
    if (end == ScanEnd::Root && root < r) {
        x = root;
        return;
    }
    // No sign change: at the largest helix angle the trace only touches the inner circle (or
    // crosses it twice within one step).  The residual is the quadratic
    // x^2 / sin^2 beta - 2 c x cot beta + c^2 - r^2, whose smaller root is
    // c sin beta cos beta - sin beta sqrt(r^2 - c^2 sin^2 beta); at the touching point the
    // root is zero.
    const L c = G.Le - static_cast<L>(G.b) / 2, rr = r;
    const L sinBeta = std::sin(static_cast<L>(G.beta)), cosBeta = std::cos(static_cast<L>(G.beta));
    const L gap = rr * rr - c * c * sinBeta * sinBeta;
    if (!(gap >= -1e-9 * rr * rr)) {  // the trace misses the inner end of the facewidth
        x = 0;
        return RefuseImpossibleGeometry();
    }
    x = static_cast<double>(c * sinBeta * cosBeta - sinBeta * std::sqrt(std::max(gap, L{0})));
}

double EvaluateHelixAngleEquation(double beta) {
    const L cosBeta = std::cos(static_cast<L>(beta));
    const L alfat = std::atan(Tan(G.alfan) / cosBeta);
    const L c = std::cos(alfat) * (G.z1 + G.z2) * G.mn / (2 * cosBeta * G.aw);
    if (std::fabs(c) < 1) g_trialAlfawt = ComputeCheckedArcCos(c);
    return static_cast<double>(Inv(alfat) + 2 * (G.x1 + G.x2) * Tan(G.alfan) / (G.z1 + G.z2) - Inv(g_trialAlfawt));
}

void FindHelixAngleForCentreDistance(double& beta) {
    ComputationScope computation;
    // Where the centre distance admits no working pressure angle (below the sum of the
    // base radii) the residual keeps the last admitted one; at the start that is 0, the
    // angle at the limit.
    g_trialAlfawt = 0;
    const double bound = std::numbers::pi / 2 - 0.001;
    bool found = false;
    double result = 0;
    if (G.aw != 0 && G.z1 + G.z2 != 0) {
        ScanBracket bracket{0, 0.01};
        int halvings = 0;
        for (int pass = 0; pass < kMaxSearchPasses; ++pass) {
            const double fLo = EvaluateHelixAngleEquation(bracket.lo);
            if (std::isnan(fLo)) break;
            if (std::fabs(fLo) <= kTolerance) {
                found = true;
                result = bracket.lo;
                break;
            }
            const double fHi = EvaluateHelixAngleEquation(bracket.hi);
            if (std::isnan(fHi)) break;
            if (!bracket.Halve(SignOf(fLo) != SignOf(fHi))) {
                bracket.Move(0.01);
                if (bracket.hi > bound) break;
                continue;
            }
            if (++halvings > kMaxHalvings) break;
            if (std::fabs(EvaluateHelixAngleEquation(bracket.hi)) < kTolerance) {
                found = bracket.hi < bound;
                result = bracket.hi;
                break;
            }
        }
    }
    if (found) {
        beta = result;
        return;
    }
    beta = 0;
    G.ErrorFlag = true;
    rt::MessageBox(kNoHelixAngle, kErrorCaption, rt::MB_OK);
}

}  // namespace ostrimo
