#include "karvelo/calc/SouciniteleY.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "karvelo/calc/Global.h"
#include "karvelo/calc/Vypocty1.h"
#include "karvelo/calc/WindowHooks.h"
#include "runtime/Notice.h"
#include "runtime/NumText.h"

namespace karvelo {

ToothFormValues ToothForm;

namespace {

const double kSqrt3 = std::sqrt(3.0);

// Scan and bisection limits.  A bracket that has not converged after this many halvings holds
// a pole, not a root.
constexpr int kMaxHalvings = 200;
constexpr double kTetaTolerance = 1e-6;
constexpr double kTetaStart = -0.08;
constexpr double kTetaStep = 0.1;
constexpr double kTetaLimit = 1.5;
constexpr double kSectionStep = 0.001;
constexpr double kSectionLimit = 0.3;
constexpr double kSectionTolerance = 1e-7;
// Steps and halvings of one scan: the section scan spans 0.5 rad in 500 steps; a start that needs
// more than this is no gear.
constexpr long kMaxScanSteps = 1000000;

double ArcCos(double x) { return static_cast<double>(ComputeCheckedArcCos(x)); }

// Stops the calculation: the message, then the other-factors window for a direct entry.
void RefuseFactor(const std::string& message) {
    rt::ShowMessage(message);
    win::ShowOtherFactorsForm();
    G.ResumeCalculation = false;
}

void RefuseFactor(const std::string& reason, const std::string& factor) {
    RefuseFactor(reason + "\r\rTherefore the factor " + factor + " can not be calculated. Enter this factor directly.");
}

// The cutter of an internal wheel as the trochoid equation sees it.
struct CutterMesh {
    double i = 0;       // z2 / z0
    double psi = 0;     // angular position of the cutter tip [rad]
    double lambda = 0;  // angle of the 30-degree tangent in the transverse section [rad]
};
CutterMesh Cutter;

enum class Scan { Root, NoRoot, Endless };

// Root of f by the scan and bisection of the inverse involute: bracket ends from `lower` in
// steps of `step`, no root once the upper end passes `limit`, converged when |f| < tol.  The
// sign of f at an end keeps its last non-zero value.  A bracket that does not converge holds a
// pole: the scan goes on beyond it.  A scan that cannot reach its limit in kMaxScanSteps steps
// and halvings (a start far below it, or not a number) is Endless.
template <typename F>
Scan FindRootByScan(F f, double lower, double upper, double step, double limit, double tol, double& root) {
    bool bisection = false;
    int signLower = 0, signUpper = 0;
    int halvings = 0;
    double scanUpper = upper;  // upper end of the scan bracket being narrowed
    if (!std::isfinite(lower) || !std::isfinite(upper)) return Scan::Endless;
    for (long passes = 0;; ++passes) {
        if (passes > kMaxScanSteps) return Scan::Endless;
        const double fLower = f(lower), fUpper = f(upper);
        if (fLower != 0) signLower = fLower < 0 ? -1 : 1;
        if (fUpper != 0) signUpper = fUpper < 0 ? -1 : 1;
        if (signLower != signUpper) {
            upper = (upper + lower) / 2;
            bisection = true;
        } else if (!bisection) {
            lower = upper;
            upper += step;
            if (upper > limit) return Scan::NoRoot;
            scanUpper = upper;
            continue;
        } else {
            const double previous = lower;
            lower = upper;
            upper += (upper - previous) / 2;
        }
        if (++halvings > kMaxHalvings) {
            lower = scanUpper;
            upper = lower + step;
            if (upper > limit) return Scan::NoRoot;
            scanUpper = upper;
            bisection = false;
            halvings = 0;
            continue;
        }
        if (std::fabs(f(upper)) < tol) {
            root = upper;
            return upper < limit ? Scan::Root : Scan::NoRoot;
        }
    }
}

// The quantities of one gear for method B.
struct GearForMethodB {
    bool pinion;
    double zn, x, z, d, dNa, protub, rofP;
    double rackDedendum;  // haP + caP of the mating gear's basic rack (it cuts this gear's root)
    bool internal;
    bool yfDirect;
    double& sFn;
    double& hFe;
    double& rhoF;
    double& dn;
    double& YF;
};

double ToothFormFactor(double hFe, double sFn, double alfaFen) {
    const GlobalData& g = G;
    return (6 * hFe / g.mn) * std::cos(alfaFen) / ((sFn / g.mn) * (sFn / g.mn) * std::cos(g.alfan));
}

// False when the calculation was stopped (ResumeCalculation is then False).
bool ComputeToothFormFactor(const GearForMethodB& w) {
    GlobalData& g = G;
    ToothFormValues& t = ToothForm;
    const char* yfName = w.pinion ? "YF1" : "YF2";
    g.MaterialForPinion = w.pinion;
    const double mn = g.mn;
    const double tanAlfan = Tan(g.alfan);

    t.E = kPi / 4 * mn - w.rackDedendum * mn * tanAlfan + w.protub / std::cos(g.alfan) -
          (1 - std::sin(g.alfan)) * mn * w.rofP / std::cos(g.alfan);
    t.r = w.rofP;
    if (w.internal) {
        // The cutter's tip rounding shapes the root of an internal wheel.
        const double base = g.x0 + g.haP1 + g.caP1 - g.RofP2;
        if (base < 0) {
            RefuseFactor(
                "The root radius of the internal wheel can not be derived from the cutter "
                "(x0 + haP1 + caP1 < rofP2).",
                yfName);
            return false;
        }
        t.r = g.RofP2 + std::pow(base, 1.95) / (3.156 * std::pow(1.036, g.z0));
    }
    t.c = w.internal ? kPi / 6 : kPi / 3;
    t.G = t.r - w.rackDedendum + w.x;
    t.H = (2 / w.zn) * (kPi / 2 - t.E / mn) - t.c;

    if (!SolveTetaAngle(w.zn)) {
        w.rhoF = w.rofP * mn;
        w.hFe = 2 * mn;
        return false;
    }
    const double teta = g.Teta;
    const double cosTeta = std::cos(teta);
    const double flankTerm = t.G / cosTeta - t.r;
    w.sFn = mn * (w.zn * std::sin(t.c - teta) + (w.internal ? 1.0 : kSqrt3) * flankTerm);
    w.rhoF = mn * (t.r + 2 * t.G * t.G / (cosTeta * (w.zn * cosTeta * cosTeta - 2 * t.G)));

    // The virtual gear and the load at its outer point of single contact.
    w.dn = mn * w.zn;
    t.dbn = w.dn * std::cos(g.alfan);
    t.dan = w.dn + w.dNa - w.d;
    const double tipRoll = (t.dan / 2) * (t.dan / 2) - (t.dbn / 2) * (t.dbn / 2);
    if (tipRoll < 0) {
        RefuseFactor(std::string("The virtual tip diameter of the ") + (w.pinion ? "pinion" : "wheel") +
                         " is smaller than its base diameter.",
                     yfName);
        return false;
    }
    const double e =
        std::sqrt(tipRoll) - (g.epsalfan - 1) * kPi * w.d * std::cos(g.beta) * std::cos(g.alfan) / std::fabs(w.z);
    t.den = (w.z < 0 ? -2 : 2) * std::sqrt(e * e + (t.dbn / 2) * (t.dbn / 2));
    t.alfaen = ArcCos(t.dbn / t.den);
    t.gammae = (kPi / 2 + 2 * w.x * tanAlfan) / w.zn + ComputeInvolute(g.alfan) - ComputeInvolute(t.alfaen);
    t.alfaFen = t.alfaen - t.gammae;
    w.hFe = mn / 2 *
            ((std::cos(t.gammae) - std::sin(t.gammae) * Tan(t.alfaFen)) * t.den / mn - w.zn * std::cos(t.c - teta) -
             (w.internal ? kSqrt3 : 1.0) * flankTerm);
    if (w.sFn == 0) {
        RefuseFactor(std::string("The tooth-root chord ") + (w.pinion ? "sFn1" : "sFn2") + " is zero.", yfName);
        return false;
    }
    if (!w.yfDirect) w.YF = ToothFormFactor(w.hFe, w.sFn, t.alfaFen);
    return true;
}

// qs and YS of one gear.
void ComputeStressCorrection(bool pinion, double sFn, double hFe, double rhoF, double& qs, double& YS) {
    const std::string gearNo = pinion ? "1" : "2";
    const std::string ys = "YS" + gearNo;
    if (hFe == 0) {
        RefuseFactor("The bending moment arm hFe" + gearNo + " is zero.", ys);
        return;
    }
    if (rhoF == 0) {
        RefuseFactor("The root fillet radius at the critical section is zero.", ys);
        return;
    }
    qs = sFn / (2 * rhoF);
    const double L = sFn / hFe;
    const double k = L != 0 ? 1 / (1.21 + 2.3 / L) : 0.0;
    const double atOne = 1.2 + 0.13 * L;
    if (qs >= 1 && qs < 8) {
        YS = atOne * std::pow(qs, k);
        return;
    }
    RefuseFactor("For the term qs (0.5*sFn/roFn) must be valid 1 <= qs < 8 (page 16,part 3)\r\rFor this " +
                 std::string(pinion ? "pinion" : "wheel") + " is  qs = " + rt::Str(qs, 1, 3) + "\r" + "\r" +
                 "Therefore " + ys + " can not be calculated. Enter this factor directly.\r" + "\r" +
                 "For qs < 1 the factor " + ys + " should be smaller than " + rt::Str(atOne, 1, 3) + " (for qs = 1)." +
                 "\r" + "\r" + "For qs >= 8 the factor " + ys + " should be greater than " +
                 rt::Str(atOne * std::pow(8.0, k), 1, 3) + " (for qs = 8).");
}

void ComputeNotchFactor(bool pinion, double YS, double Rog, double tg, double& YSg) {
    YSg = YS;
    if (!(Rog > 0)) return;
    const double ratio = tg / Rog;
    const double denominator = ratio >= 0 ? 1.3 - 0.6 * std::sqrt(ratio) : 0.0;
    if (ratio < 0 || denominator <= 0) {
        const std::string n = pinion ? "1" : "2";
        RefuseFactor("Quotient   tg" + n + " / rog" + n + " = " + rt::Str(ratio, 1, 3) +
                         " is out of the range 0 <= tg / rog < 4.69 of the notch formula.",
                     "YSg" + n);
        return;
    }
    YSg = 1.3 * YS / denominator;
}

// The critical section of an internal wheel on the trochoid of a sharp cutter tip; False when the
// calculation was stopped.
bool InternalRootSection() {
    GlobalData& g = G;
    const double tanAlfan = Tan(g.alfan);
    Cutter.i = g.z2 / g.z0;
    const double alfaa0c = ArcCos(g.db0 / g.da0);
    Cutter.psi = (kPi / 2 - 2 * g.x0 * tanAlfan) / g.z0 - ComputeInvolute(g.alfat) + ComputeInvolute(alfaa0c);
    Cutter.lambda = std::atan(Tan(kPi / 3) / std::cos(g.beta));

    double lower = -0.2, upper = -0.199;
    if (g.dw0 >= g.da0) {
        const double v = Cutter.psi / Cutter.i;
        lower = v - v / 10;
        upper = lower + kSectionStep;
    }
    double phi = 0;
    const Scan scan =
        FindRootByScan(EvaluateInternalRootEquation, lower, upper, kSectionStep, kSectionLimit, kSectionTolerance, phi);
    if (scan == Scan::Endless) {
        StopCalculation(
            "The critical section of the internal wheel's tooth root can not be calculated from these "
            "input data.");
        return false;
    }
    const bool found = scan == Scan::Root;
    const double invAlfat = ComputeInvolute(g.alfat);
    const double toothAngle = (2 * g.x2 * tanAlfan + kPi / 2) / g.z2 + invAlfat;
    if (found) {
        const double angle = Cutter.i * phi - Cutter.psi;
        double M =
            std::sqrt((g.da0 / 2) * (g.da0 / 2) + (g.dw0 / 2) * (g.dw0 / 2) - std::cos(angle) * (g.da0 / 2) * g.dw0);
        if (!(g.dw0 >= g.da0)) M = -M;
        g.sFn2 = 2 * std::cos(g.beta) * (std::sin(phi) * g.dw2c / 2 + std::cos(kPi / 3) * M);
        const double tipRoll = (g.dNa2 / 2) * (g.dNa2 / 2) - (g.db2 / 2) * (g.db2 / 2);
        if (tipRoll < 0) {
            RefuseFactor("The tip diameter of the wheel is smaller than its base diameter.", "YF2");
            return false;
        }
        const double e = std::sqrt(tipRoll) - std::cos(g.alfat) * kPi * g.d2 * (g.epsalfa - 1) / std::fabs(g.z2);
        const double den2 = (g.z2 < 0 ? -2 : 2) * std::sqrt(e * e + (g.db2 / 2) * (g.db2 / 2));
        const double alfaen = ArcCos(g.db2 / den2);
        const double gamma = toothAngle - ComputeInvolute(alfaen);
        g.hFe2 = g.db2 / (2 * std::cos(alfaen - gamma)) - (std::cos(phi) * g.dw2c / 2 + std::sin(kPi / 3) * M);
        g.rhoF2 =
            std::fabs(M + 1 / ((Cutter.i + 1) / (std::sin(phi + kPi / 3) * g.dw2c / 2) - 1 / M)) / std::cos(g.beta);
        return true;
    }
    // No point of the trochoid is tangent at 30 degrees: the section at the root circle.
    const double betaf = std::atan(Tan(g.beta) * g.df2 / g.d2);
    const double alfaf = ArcCos(g.db2 / g.df2);
    g.sFn2 = std::cos(betaf) * kPi * g.df2 / g.z2 -
             std::cos(betaf) * std::fabs(g.df2) *
                 ((kPi - 4 * g.x2 * tanAlfan) / (2 * std::fabs(g.z2)) + invAlfat - ComputeInvolute(alfaf));
    const double R = -std::sqrt((g.da2 / 2) * (g.da2 / 2) - (g.db2 / 2) * (g.db2 / 2)) -
                     (g.epsalfa - 1) * kPi * g.mn * std::cos(g.alfat) / std::cos(g.beta);
    const double alfaen = ArcCos(g.db2 / (-2 * std::sqrt((g.db2 / 2) * (g.db2 / 2) + R * R)));
    const double gamma = toothAngle - ComputeInvolute(alfaen);
    g.hFe2 = g.db2 / (2 * std::cos(alfaen - gamma)) - g.df2 / 2;
    return true;
}

}  // namespace

double ComputeInvolute(double x) { return Tan(x) - x; }

double EvaluateTetaEquation(double x, double zn) {
    // The scan stays below 1.5 rad, clear of the pole of the tangent.
    return (2 * ToothForm.G / zn) * std::tan(x) - ToothForm.H - x;
}

bool SolveTetaAngle(double zn) {
    GlobalData& g = G;
    auto f = [zn](double x) { return EvaluateTetaEquation(x, zn); };
    auto sign = [](double v) { return v < 0 ? -1 : 1; };
    // Each pass moves one end of the bracket, so one new value of f is needed per pass.
    double lower = kTetaStart, upper = lower + kTetaStep;
    double fLower = f(lower), fUpper = f(upper);
    bool bisection = false;
    bool negativeFound = false;
    double negativeRoot = 0;
    int halvings = 0;
    for (;;) {
        if (sign(fLower) != sign(fUpper)) {
            upper = (upper + lower) / 2;
            bisection = true;
        } else if (bisection) {
            const double previous = lower;
            lower = upper;
            fLower = fUpper;
            upper += (upper - previous) / 2;
        } else {
            lower = upper;
            fLower = fUpper;
            upper += kTetaStep;
            if (upper > kTetaLimit) break;
            fUpper = f(upper);
            continue;
        }
        fUpper = f(upper);
        if (++halvings > kMaxHalvings) break;  // no convergence: taken as no root
        if (std::fabs(fUpper) >= kTetaTolerance) continue;
        g.Teta = upper;
        if (upper >= 0) return true;
        // A negative root is kept as the fallback; a non-negative one is looked for beyond it.
        negativeRoot = upper;
        negativeFound = true;
        lower = upper + 0.001;
        upper = lower + kTetaStep;
        fLower = f(lower);
        fUpper = f(upper);
        bisection = false;
        halvings = 0;
    }
    if (negativeFound) {
        g.Teta = negativeRoot;
        return true;
    }
    RefuseFactor(std::string("It is impossible to calculate the auxiliaryangle Teta (see equation 14, part 3).\r\r"
                             "Therefore the factor ") +
                 (g.MaterialForPinion ? "YF1." : "YF2.") + " can not be calculated. Enter this factor directly.");
    return false;
}

void ComputeHelixFactorYbeta() {
    GlobalData& g = G;
    const double e = std::min(g.epsbeta, 1.0);
    const double b = std::min(g.beta, kPi / 6);
    g.Ybeta = 1 - e * b / (2 * kPi / 3);
}

void ComputeToothFormFactor1() {
    GlobalData& g = G;
    (void)ComputeToothFormFactor({true, g.zn1, g.x1, g.z1, g.d1, g.dNa1, g.Protub1, g.RofP1, g.haP2 + g.caP2, false,
                                  g.YF1Direct, g.sFn1, g.hFe1, g.rhoF1, g.dn1, g.YF1});
}

void ComputeToothFormFactor2() {
    GlobalData& g = G;
    const bool internal = g.GearingType == kInternalPair;
    if (!ComputeToothFormFactor({false, g.zn2, g.x2, g.z2, g.d2, g.dNa2, g.Protub2, g.RofP2, g.haP1 + g.caP1, internal,
                                 g.YF2Direct, g.sFn2, g.hFe2, g.rhoF2, g.dn2, g.YF2}))
        return;
    if (!internal || !(g.RofP2 < 1e-5)) return;
    // A sharp-tipped cutter: the critical section lies on the trochoid of the cutter tip.
    if (InternalRootSection() && !g.YF2Direct) g.YF2 = ToothFormFactor(g.hFe2, g.sFn2, ToothForm.alfaFen);
}

double EvaluateInternalRootEquation(double x) {
    const GlobalData& g = G;
    const double angle = Cutter.i * x - Cutter.psi;
    const double numerator = std::cos(angle) * g.da0 / 2 - g.dw0 / 2;
    const double denominator = std::sin(angle) * g.da0 / 2;
    // At the pole of the quotient the arc tangent takes its limit.
    const double arc = denominator != 0 ? std::atan(numerator / denominator)
                       : numerator == 0 ? 0.0
                                        : std::copysign(kPi / 2, numerator);
    return arc - x - Cutter.lambda;
}

void ComputeInternalRootSection2() { (void)InternalRootSection(); }

void ComputeStressCorrectionFactor1() {
    GlobalData& g = G;
    ComputeStressCorrection(true, g.sFn1, g.hFe1, g.rhoF1, g.qs1, g.YS1);
}

void ComputeStressCorrectionFactor2() {
    GlobalData& g = G;
    ComputeStressCorrection(false, g.sFn2, g.hFe2, std::fabs(g.rhoF2), g.qs2, g.YS2);
}

void ComputeNotchFactorYSg1() {
    GlobalData& g = G;
    ComputeNotchFactor(true, g.YS1, g.Rog1, g.tg1, g.YSg1);
}

void ComputeNotchFactorYSg2() {
    GlobalData& g = G;
    ComputeNotchFactor(false, g.YS2, g.Rog2, g.tg2, g.YSg2);
}

void ComputeRimFactorYB() {
    GlobalData& g = G;
    g.YB1 = 1;
    g.YB2 = 1;
    g.ht1 = (g.dNa1 - g.df1) / 2;
    const double ratio1 = g.sR1 / g.ht1;
    if (ratio1 > 0.5 && ratio1 < 1.2) g.YB1 = 1.6 * std::log(2.242 * g.ht1 / g.sR1);
    if (g.GearingType != kInternalPair) {
        g.ht2 = (g.dNa2 - g.df2) / 2;
        const double ratio2 = g.sR2 / g.ht2;
        if (ratio2 > 0.5 && ratio2 < 1.2) g.YB2 = 1.6 * std::log(2.242 * g.ht2 / g.sR2);
    } else {
        const double ratio2 = g.sR2 / g.mn;
        if (ratio2 > 1.75 && ratio2 < 3.5) g.YB2 = 1.15 * std::log(8.324 * g.mn / g.sR2);
    }
}

void ComputeDeepToothFactorYDT() {
    GlobalData& g = G;
    g.YDT = 1;
    if (g.IT1 <= 4 && g.IT2 <= 4) {
        if (g.epsalfan > 2.05 && g.epsalfan <= 2.5) g.YDT = 2.366 - 0.666 * g.epsalfan;
        if (g.epsalfan > 2.5) g.YDT = 0.7;
    }
}

}  // namespace karvelo
