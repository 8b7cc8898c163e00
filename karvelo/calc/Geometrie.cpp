#include "karvelo/calc/Geometrie.h"

#include <cmath>
#include <numbers>
#include <string>

#include "karvelo/calc/Global.h"
#include "karvelo/calc/SouciniteleY.h"
#include "karvelo/calc/WindowHooks.h"
#include "runtime/Notice.h"
#include "runtime/NumText.h"

namespace karvelo {

namespace {

constexpr const char* kNoSolution =
    "There is no solution - the sum of shifting coefficients x1+x2 is less than critical  ";

constexpr double kScanStep = 0.1;   // rad
constexpr double kScanLimit = 1.5;  // rad
constexpr double kTolerance = 1e-11;
constexpr int kMaxPasses = 1000;  // the bisection needs about 35 passes

// Transverse pressure angle of the basic rack profile.
double TransversePressureAngle() { return std::atan(Tan(G.alfan) / std::cos(G.beta)); }

// cos(alfawt) = cos(alfat) ad / a.
Extended WorkingPressureAngleCosine() { return std::cos(static_cast<Extended>(G.alfat)) * G.ad / G.a; }

}  // namespace

double ReferenceCentreDistance() { return (G.z1 + G.z2) * G.mn / (2 * std::cos(G.beta)); }

void SolveInverseInvolute(double& alpha, double target, bool checkCriticalSum) {
    GlobalData& g = G;
    if (checkCriticalSum) {
        g.xlim = -(g.z1 + g.z2) * ComputeInvolute(g.alfat) / (2 * Tan(g.alfan));
        const std::string xlimText = rt::Str(g.xlim, 7, 5).substr(0, 10);
        const double sum = g.x1 + g.x2;
        const bool refused = g.GearingType == kInternalPair ? sum >= g.xlim : sum <= g.xlim;
        if (refused) {
            rt::ShowMessage(kNoSolution + xlimText);
            return;
        }
    }

    // Scan for a sign change of f, then narrow the bracket.  The signs keep their last non-zero
    // value; in the narrowing mode a bracket without a sign change is moved on by half its width.
    double lower = 0;
    double upper = kScanStep;
    bool narrowing = false;
    int signLower = 0;
    int signUpper = 0;
    for (int pass = 0; pass < kMaxPasses; ++pass) {
        const double fLower = EvaluateInvoluteEquation(lower, target);
        const double fUpper = EvaluateInvoluteEquation(upper, target);
        if (fLower < 0)
            signLower = -1;
        else if (fLower > 0)
            signLower = 1;
        if (fUpper < 0)
            signUpper = -1;
        else if (fUpper > 0)
            signUpper = 1;

        if (signLower != signUpper) {
            upper = (upper + lower) / 2;
            narrowing = true;
        } else if (!narrowing) {
            lower = upper;
            upper += kScanStep;
            if (upper > kScanLimit) {
                alpha = 0;
                return;
            }
            continue;
        } else {
            const double previous = lower;
            lower = upper;
            upper += (upper - previous) / 2;
        }
        if (std::fabs(EvaluateInvoluteEquation(upper, target)) < kTolerance) {
            alpha = upper < kScanLimit ? upper : 0;
            return;
        }
    }
    alpha = 0;  // no convergence: as no root
}

void SetWorkingCentreDistance(double a) {
    GlobalData& g = G;
    g.a = rt::StoredReal(a);
    g.alfat = TransversePressureAngle();
    g.ad = ReferenceCentreDistance();
    // At the smallest centre distance (alfawt = 0) the cosine may round above 1: the angle solved
    // for it stays.
    if (WorkingPressureAngleCosine() <= 1) ComputeWorkingPressureAngle();
}

void ComputeCentreDistanceFromShifts() {
    GlobalData& g = G;
    if (g.aGiven && g.ActiveEdit == 8) {
        // The centre distance field asked for the reference centre distance.
        SetWorkingCentreDistance(ReferenceCentreDistance());
        g.x1 = 0;
        g.x2 = 0;
        win::SetGeometryFieldText(6, rt::Str(g.x1, 7, 5));
        win::SetGeometryFieldText(7, rt::Str(g.x2, 7, 5));
        win::SetGeometryFieldText(8, rt::Str(g.a, 7, 3));
    } else {
        g.alfat = TransversePressureAngle();
        g.invAlfat = ComputeInvolute(g.alfat);
        g.invAlfawt = Tan(g.alfan) * 2 * g.xsum / (g.z1 + g.z2) + g.invAlfat;
        SolveInverseInvolute(g.alfawt, g.invAlfawt);
        SetWorkingCentreDistance(ReferenceCentreDistance() * std::cos(g.alfat) / std::cos(g.alfawt));
    }
    g.aGiven = false;
}

void ComputeVirtualTeeth() {
    GlobalData& g = G;
    const Extended cosBeta = std::cos(static_cast<Extended>(g.beta));
    const Extended cosBeta3 = cosBeta * cosBeta * cosBeta;
    g.zn1 = static_cast<double>(g.z1 / cosBeta3);
    g.zn2 = static_cast<double>(g.z2 / cosBeta3);
    g.u = g.z2 / g.z1;
}

void ComputeWorkingPressureAngle() {
    GlobalData& g = G;
    g.alfat = TransversePressureAngle();
    g.ad = ReferenceCentreDistance();
    g.alfawt = static_cast<double>(ComputeCheckedArcCos(WorkingPressureAngleCosine()));
}

void ComputeCutterWheelCentreDistance() {
    GlobalData& g = G;
    g.invAlfat = ComputeInvolute(g.alfat);
    g.invAlfaw0 = Tan(g.alfan) * 2 * (g.x0 + g.x2) / (g.z0 + g.z2) + g.invAlfat;
    // A cutter that cannot mesh with the wheel (invAlfaw0 <= 0) has no root, so alfaw0 is 0 as
    // for any mesh without one: the values below stay this case's (the calculation refuses it).
    SolveInverseInvolute(g.alfaw0, g.invAlfaw0, false);
    g.a0 = (g.z0 + g.z2) * g.mn / (2 * std::cos(g.beta)) * std::cos(g.alfat) / std::cos(g.alfaw0);
    g.dw2c = std::cos(g.alfat) * g.d2 / std::cos(g.alfaw0);
    g.dw0 = g.dw2c * g.z0 / g.z2;
}

bool CutterMeshes() { return G.GearingType != kInternalPair || (G.invAlfaw0 > 0 && std::isfinite(G.invAlfaw0)); }

void ComputeCutterGeometry() {
    GlobalData& g = G;
    g.alfat = TransversePressureAngle();
    g.d0 = g.mn * g.z0 / std::cos(g.beta);
    g.db0 = std::cos(g.alfat) * g.d0;
    g.haP0 = g.haP2 + g.caP2;
    g.alfaa0 = std::atan(Tan(g.alfat) - 4 * std::cos(g.beta) * (g.haP0 - g.x0) / (std::sin(2 * g.alfat) * g.z0));
    g.d0alfa = g.db0 / std::cos(g.alfaa0);
    g.da0 = 2 * g.mn * (g.z0 / (2 * std::cos(g.beta)) + g.x0 + g.hFfP2);
    ComputeCutterWheelCentreDistance();
    if (g.alfaa0 < 0) g.CutterTipAngleNegative = true;
}

void ComputeGearDimensions() {
    GlobalData& g = G;
    const double cosBeta = std::cos(g.beta);
    g.alfat = TransversePressureAngle();
    g.betab = static_cast<double>(ComputeCheckedArcSin(std::sin(g.beta) * std::cos(g.alfan)));
    g.ad = ReferenceCentreDistance();
    g.d1 = g.mn * g.z1 / cosBeta;
    g.d2 = g.mn * g.z2 / cosBeta;
    g.db1 = g.d1 * std::cos(g.alfat);
    g.db2 = g.d2 * std::cos(g.alfat);
    g.dw1 = g.d1 * std::cos(g.alfat) / std::cos(g.alfawt);
    g.dw2 = g.d2 * std::cos(g.alfat) / std::cos(g.alfawt);

    g.xsum = g.x1 + g.x2;
    g.kTip = g.xsum - (g.a - g.ad) / g.mn;
    g.ha1 = g.mn * (g.haP1 + g.x1 - g.kTip);
    g.ha2 = g.mn * (g.haP2 + g.x2 - g.kTip);

    // Each gear's root is cut to the mating gear's addendum plus clearance.
    g.hf1 = g.mn * (g.haP2 + g.caP2 - g.x1);
    g.hf2 = g.mn * (g.haP1 + g.caP1 - g.x2);
    g.df1 = g.d1 - 2 * g.hf1;
    g.df2 = g.d2 - 2 * g.hf2;

    const double rootRounding = 1 - std::sin(g.alfan);
    g.hFfP1 = g.haP2 + g.caP2 - rootRounding * g.RofP1;
    g.hFfP2 = g.GearingType == kInternalPair ? g.haP1 + g.caP1 : g.haP1 + g.caP1 - rootRounding * g.RofP2;
    g.hFf1 = g.hFfP1 * g.mn;
    g.hFf2 = g.hFfP2 * g.mn;

    if (g.GearingType == kInternalPair) {
        // The root of an internal wheel is cut by its pinion-type cutter.
        ComputeCutterGeometry();
        g.df2 = 2 * g.a0 - g.da0;
    }

    // Tip diameters from the centre distance, the mating root diameter and the clearance.
    if (!g.da1Given) g.da1 = 2 * (g.a - g.caP1 * g.mn) - g.df2;
    if (!g.da2Given) g.da2 = 2 * (g.a - g.caP2 * g.mn) - g.df1;
}

void ComputeTipThickness() {
    GlobalData& g = G;
    const double invAlfat = ComputeInvolute(g.alfat);
    auto tipThickness = [&](double x, double d, double db, double da) {
        const double st = (std::numbers::pi / 2 + 2 * x * Tan(g.alfan)) * g.mn / std::cos(g.beta);
        const double alfaa = static_cast<double>(ComputeCheckedArcCos(db / da));
        const double betaa = std::atan(Tan(g.beta) * da / d);
        return da * (st / d + invAlfat - ComputeInvolute(alfaa)) * std::cos(betaa);
    };
    g.sa1 = tipThickness(g.x1, g.d1, g.db1, g.da1);
    g.sa2 = tipThickness(g.x2, g.d2, g.db2, g.da2);
}

void ComputeToothDepthsAndRimLimits(double tip1, double tip2) {
    GlobalData& g = G;
    g.ht1 = (tip1 - g.df1) / 2;
    g.sRmin1 = g.ht1 / 2;
    g.ht2 = (tip2 - g.df2) / 2;
    g.sRmin2 = g.GearingType == kExternalPair ? g.ht2 / 2 : 1.75 * g.mn;
}

}  // namespace karvelo
