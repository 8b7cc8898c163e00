// Pair geometry: the inverse involute with the critical-sum tests, the triangle between
// the sum of AMC, the working centre distance and the working pressure angle, and the
// dimensions of a gear pair or of a pinion with a rack mate.
#include "ostrimo/calc/Geometricke_vypocty.h"

#include <cmath>

#include "ostrimo/calc/GeometryNumerics.h"
#include "ostrimo/calc/Vypocty_Fellow.h"

namespace ostrimo {

using namespace detail;

namespace {

constexpr const char* kSumBelowCritical = "Sum of Addendum Modification Coefficients x1+x2 is smaller than critical.";
constexpr const char* kSumAboveCritical = "Sum of Addendum Modification Coefficients x1+x2 is greater than critical.";
constexpr const char* kCutterSumAboveCritical =
    "Sum of Addendum Modification Coefficients (manufacturing) x0+x2 is greater than critical - negative "
    "manufacturing pressure angle.";

constexpr double kInvoluteTolerance = 1e-11;
constexpr int kMaxFixedPointSteps = 200;

bool InternalPairOfEqualTeeth() { return G.z1 == -G.z2; }

// alfat := arctan(tan alfan / cos beta), InvAlfat := inv alfat.
void ComputeTransverseAngle() {
    G.alfat = static_cast<double>(std::atan(Tan(G.alfan) / std::cos(static_cast<L>(G.beta))));
    G.InvAlfat = static_cast<double>(Inv(G.alfat));
}

// End of the straight tool flank above the datum line; the tool's addendum is taken as
// the mate's addendum plus the clearance at the mate's tip.
void ComputeToolFlankHeights() {
    const L flankRise = 1 - std::sin(static_cast<L>(G.alfan));
    G.ToolFlankHeightFactor1 = SnapProfileFactor(static_cast<double>(G.haP2 + G.cP2 - flankRise * G.rofP1));
    G.ToolFlankHeightFactor2 = SnapProfileFactor(static_cast<double>(G.haP1 + G.cP1 - flankRise * G.rofP2));
    G.ToolFlankHeight1 = G.ToolFlankHeightFactor1 * G.mn;
    G.ToolFlankHeight2 = G.ToolFlankHeightFactor2 * G.mn;
}

void ComputeAngleDegrees() {
    G.alfatDeg = RadToDeg(G.alfat);
    G.alfawtDeg = RadToDeg(G.alfawt);
    G.betaDeg = RadToDeg(G.beta);
    G.betabDeg = RadToDeg(G.betab);
    G.mt = static_cast<double>(G.mn / std::cos(static_cast<L>(G.beta)));
}

// aw from the working pressure angle: (z1 + z2) mn cos alfat / (2 cos beta cos alfawt).
double CentreDistanceFromPressureAngle() {
    return static_cast<double>((G.z1 + G.z2) * G.mn * std::cos(static_cast<L>(G.alfat)) /
                               (2 * std::cos(static_cast<L>(G.beta)) * std::cos(static_cast<L>(G.alfawt))));
}

double BevelCentreDistanceFromPressureAngle() {
    return static_cast<double>(std::cos(static_cast<L>(G.alfat)) * (G.z1 + G.z2) * G.mtm /
                               (2 * std::cos(static_cast<L>(G.alfawt))));
}

// xsum from InvAlfawt: (inv alfawt - inv alfat) (z1 + z2) / (2 tan alfan).
double AmcSumFromInvolutes() {
    return static_cast<double>((static_cast<L>(G.InvAlfawt) - G.InvAlfat) * (G.z1 + G.z2) / (2 * Tan(G.alfan)));
}

// One box per critical sum within a computation; the caller shows none of its own.
void Refuse(const char* message) {
    ShowErrorOnce(message);
    G.NoCalcMessageShown = false;
}

}  // namespace

bool InvertInvoluteChecked(double& alpha, double target) {
    ComputationScope computation;
    const L invAlfat = Inv(G.alfat);
    const L tanAlfan = Tan(G.alfan);
    G.xsum0Cutter = static_cast<double>(-invAlfat * (G.z0 + G.z2) / (2 * tanAlfan));
    G.xsum0 = static_cast<double>(-invAlfat * (G.z1 + G.z2) / (2 * tanAlfan));

    if (G.ManufacturingMode && G.x0 + G.x2 - 1e-5 > G.xsum0Cutter) {
        G.CutterAmcSumAboveCritical = true;
        Refuse(kCutterSumAboveCritical);
        return false;
    }
    if (!G.SkipCriticalSumCheck && !G.ManufacturingMode) {
        if (G.GearingType == kInternalGearing) {
            if (G.x1 + G.x2 - 1e-5 > G.xsum0) {
                G.AmcSumAboveCritical = true;
                Refuse(kSumAboveCritical);
                return false;
            }
        } else if (G.x1 + G.x2 + 1e-5 < G.xsum0) {
            G.AmcSumBelowCritical = true;
            Refuse(kSumBelowCritical);
            return false;
        }
    }

    double root = 0;
    const ScanEnd end =
        ScanAndBisect([target](double x) { return EvaluateInvoluteEquation(x, target); }, 0, 0.1, 0.1,
                      [](double hi) { return hi >= static_cast<double>(kPiL / 2); }, kInvoluteTolerance, root);
    if (end == ScanEnd::Root) {
        alpha = root;
        return true;
    }
    alpha = 0;
    // tan x - x has no root above 0 for a target of 0 or below: the sum lies at its
    // critical value (within the tolerance the tests above allow), where alpha is 0.
    if (target <= 0) return true;
    G.ErrorFlag = true;
    return false;
}

double FindDiameterForInvoluteDifference(double a, double b, double c) {
    ComputationScope computation;
    double alpha = 0;
    const bool solved = InvertInvoluteChecked(alpha, c);
    L r = a / (2 * std::cos(static_cast<L>(alpha)));
    if (!solved) return static_cast<double>(2 * r);  // refused (its box is shown) or flagged: no fixed point to seek
    for (int step = 0; step < kMaxFixedPointSteps; ++step) {
        const L phi = ComputeCheckedArcCos(b / (2 * r));
        InvertInvoluteChecked(alpha, static_cast<double>(c + Tan(phi) - phi));
        const L rNew = a / (2 * std::cos(static_cast<L>(alpha)));
        if (!std::isfinite(rNew)) break;
        if (std::fabs(r - rNew) < 1e-6) return static_cast<double>(2 * rNew);
        r = rNew;
    }
    G.ErrorFlag = true;
    return 0;
}

void ComputeWorkingCentreDistance() {
    ComputationScope computation;
    if (G.RackMate) return;
    const bool bevel = G.GearingType == kBevelGearing;
    // The bevel option computes aw alone and is itself run from the bevel dimensions,
    // so the shortcut for backlash by shifting (the pair dimensions) is not taken there.
    if (G.BacklashByShifting && !bevel) {
        ComputeGearPairDimensions();
        return;
    }
    ComputeTransverseAngle();
    const double s = G.BacklashByExtraAmc || G.LastComputingInput == kXsumInput ? G.xsum : G.x1 + G.x2;
    if (InternalPairOfEqualTeeth()) {
        if (!G.BacklashByExtraAmc) G.aw = static_cast<double>(std::sin(static_cast<L>(G.alfat)) * G.mn * s);
        G.alfawt = static_cast<double>(kPiL / 2);
        G.alfawtDeg = 90;
    } else {
        G.InvAlfawt = static_cast<double>(G.InvAlfat + Tan(G.alfan) * 2 * s / (G.z1 + G.z2));
        InvertInvoluteChecked(G.alfawt, G.InvAlfawt);
        G.alfawtDeg = RadToDeg(G.alfawt);
        if (bevel) {
            G.aw = BevelCentreDistanceFromPressureAngle();
            return;
        }
        G.aw = CentreDistanceFromPressureAngle();
    }
    ComputeGearPairDimensions();
}

void ComputeAmcSumFromCentreDistance() {
    ComputationScope computation;
    if (G.RackMate) return;
    ComputeTransverseAngle();
    if (G.GearingType == kBevelGearing) G.alfat = G.alfan;  // InvAlfat keeps the transverse value
    if (InternalPairOfEqualTeeth()) {
        G.xsum = static_cast<double>((G.aw / G.mn) / std::sin(static_cast<L>(G.alfat)));
        G.alfawt = static_cast<double>(kPiL / 2);
        G.alfawtDeg = 90;
    } else {
        const L c =
            (G.z1 + G.z2) * G.mn * std::cos(static_cast<L>(G.alfat)) / (2 * std::cos(static_cast<L>(G.beta)) * G.aw);
        if (c > 1 || c < -1) {  // the centre distance admits no working pressure angle
            G.ErrorFlag = true;
            return;
        }
        G.alfawt = static_cast<double>(ComputeCheckedArcCos(c));
        G.InvAlfawt = static_cast<double>(Inv(G.alfawt));
        G.alfawtDeg = RadToDeg(G.alfawt);
        G.xsum = AmcSumFromInvolutes();
    }
    ComputeGearPairDimensions();
}

void ComputeAmcSumFromPressureAngle() {
    ComputationScope computation;
    if (G.RackMate) return;
    const bool bevel = G.GearingType == kBevelGearing;
    ComputeTransverseAngle();
    if (bevel) G.alfat = G.alfan;
    G.InvAlfat = static_cast<double>(Inv(G.alfat));
    if (!InternalPairOfEqualTeeth()) {
        G.InvAlfawt = static_cast<double>(Inv(G.alfawt));
        G.aw = bevel ? BevelCentreDistanceFromPressureAngle() : CentreDistanceFromPressureAngle();
        G.xsum = AmcSumFromInvolutes();
    }
    ComputeGearPairDimensions();
}

namespace {

// Coefficients divided are the gears' own, whose sum is the pair's; not with a rack mate, nor
// with backlash by an extra AMC, where they add up to the sum with backlash.
bool CoefficientsDivided() { return !G.RackMate && !G.AmcUndivided && !G.BacklashByExtraAmc; }

}  // namespace

void TakeSumOfDividedAmc() {
    if (!CoefficientsDivided()) return;
    G.xsum = G.x1 + G.x2;
    ComputeGearPairDimensions();
}

void ComputeFromLastComputingInput() {
    if (G.RackMate) return;
    switch (G.LastComputingInput) {
        case kAwInput: ComputeAmcSumFromCentreDistance(); return TakeSumOfDividedAmc();
        case kAlfawtInput: ComputeAmcSumFromPressureAngle(); return TakeSumOfDividedAmc();
        default:
            if (CoefficientsDivided()) G.xsum = G.x1 + G.x2;
            ComputeWorkingCentreDistance();
    }
}

void ComputeRackPairDimensions() {
    ComputationScope computation;
    ComputeTransverseAngle();
    G.betab =
        static_cast<double>(ComputeCheckedArcSin(std::sin(static_cast<L>(G.beta)) * std::cos(static_cast<L>(G.alfan))));
    G.d1 = static_cast<double>(G.mn * G.z1 / std::cos(static_cast<L>(G.beta)));
    G.db1 = static_cast<double>(G.d1 * std::cos(static_cast<L>(G.alfat)));
    G.dw1 = G.d1;  // a pinion rolls on a rack with its reference circle, whatever its shift
    G.ha1 = (G.haP1 + G.x1) * G.mn;
    if (!G.TipDiameter2Given) G.ha2 = G.haP2 * G.mn;  // the rack addendum
    G.hf1 = (G.haP2 + G.cP2 - G.x1) * G.mn;
    G.hf2 = (G.haP1 + G.cP1) * G.mn;
    G.h1 = G.ha1 + G.hf1;
    G.h2 = G.ha2 + G.hf2;
    G.df1 = G.d1 - 2 * G.hf1;
    ComputeToolFlankHeights();
    if (!G.TipDiameter1Given) G.da1 = G.d1 + 2 * G.ha1;
    ComputeAngleDegrees();
}

void ComputeTipDiametersFromRoots() {
    double centre = G.aw;
    double extra = 0;  // extra AMC of the backlash, in mm
    if (G.aw == 0) {
        centre = G.ad;
    } else if (G.BacklashByExtraAmc) {
        extra = (G.xsumBacklash - G.xsumNoBacklash) * G.mn;
    }
    if (!G.TipDiameter1Given) G.da1 = 2 * (centre - G.cP1 * G.mn + extra) - G.df2;
    if (!G.TipDiameter2Given) G.da2 = 2 * (centre - G.cP2 * G.mn + extra) - G.df1;
}

void ComputeGearPairDimensions() {
    ComputationScope computation;
    if (G.GearingType == kBevelGearing && G.z1Bevel != 0 && G.z2Bevel != 0) {
        ComputeBevelGearDimensions();
        if (G.Le != 0 && G.b != 0)
            G.betamMaxDeg =
                RadToDeg(static_cast<double>(ComputeCheckedArcSin((static_cast<L>(G.Le) - G.b) / (G.Le - G.b / 2))));
        return;
    }
    ComputeTransverseAngle();
    const L cosBeta = std::cos(static_cast<L>(G.beta));
    const L cosAlfat = std::cos(static_cast<L>(G.alfat));
    G.betab =
        static_cast<double>(ComputeCheckedArcSin(std::sin(static_cast<L>(G.beta)) * std::cos(static_cast<L>(G.alfan))));
    G.ad = static_cast<double>((G.z1 + G.z2) * G.mn / (2 * cosBeta));
    G.d1 = static_cast<double>(G.mn * G.z1 / cosBeta);
    G.d2 = static_cast<double>(G.mn * G.z2 / cosBeta);
    G.db1 = static_cast<double>(G.d1 * cosAlfat);
    G.db2 = static_cast<double>(G.d2 * cosAlfat);

    if (!InternalPairOfEqualTeeth()) {
        const L w = G.BacklashByShifting ? G.alfawtBacklash : G.alfawt;
        G.dw1 = static_cast<double>(G.d1 * cosAlfat / std::cos(w));
        G.dw2 = static_cast<double>(G.d2 * cosAlfat / std::cos(w));
    } else {
        G.dw1 = G.dw2 = 1e20;
        G.alfawt = static_cast<double>(kPiL / 2);
    }

    if (G.aw == 0)
        G.k = 0;
    else if (G.BacklashByExtraAmc)
        G.k = G.xsumNoBacklash - (G.aw - G.ad) / G.mn;
    else if (G.BacklashByShifting)
        G.k = G.xsumNoBacklash - (G.awNoBacklash - G.ad) / G.mn;
    else
        G.k = G.xsum - (G.aw - G.ad) / G.mn;

    // each dedendum is the mate's addendum plus the clearance at the mate's tip
    G.ha1 = (G.haP1 + G.x1 - G.k) * G.mn;
    G.ha2 = (G.haP2 + G.x2 - G.k) * G.mn;
    G.hf1 = (G.haP2 + G.cP2 - G.x1) * G.mn;
    G.hf2 = (G.haP1 + G.cP1 - G.x2) * G.mn;
    G.h1 = G.ha1 + G.hf1;
    G.h2 = G.ha2 + G.hf2;
    G.df1 = G.d1 - 2 * G.hf1;
    G.df2 = G.d2 - 2 * G.hf2;
    ComputeToolFlankHeights();

    if (G.GearingType == kInternalGearing) {  // the internal wheel's root is cut by the shaper cutter
        ComputeFellowCutterDimensions();
        G.df2 = 2 * G.a0 - G.da0;
    }
    ComputeTipDiametersFromRoots();
    ComputeAngleDegrees();
}

}  // namespace ostrimo
