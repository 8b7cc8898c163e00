// Shaper cutter for internal gears.
#include "ostrimo/calc/Vypocty_Fellow.h"

#include <cmath>

#include "ostrimo/calc/GeometryNumerics.h"
#include "ostrimo/calc/Geometricke_vypocty.h"

namespace ostrimo {

using namespace detail;

namespace {

// Thickness factor of the cutter on its reference circle: (pi + 4 x0 tan alfan) / (2 z0).
L ReferenceThicknessAngle() { return (kPiL + 4 * G.x0 * Tan(G.alfan)) / (2 * static_cast<L>(G.z0)); }

// The thickness term T of the tip-radius equation: the cutter's thickness on d0.
L CutterReferenceThickness() {
    return G.d0 * (ReferenceThicknessAngle() + Inv(G.alfat) - Inv(ComputeCheckedArcCos(static_cast<L>(G.db0) / G.d0)));
}

}  // namespace

void ComputeFellowCutterDimensions() {
    ComputationScope computation;
    const L cosBeta = std::cos(static_cast<L>(G.beta));
    G.alfat = static_cast<double>(std::atan(Tan(G.alfan) / cosBeta));
    G.InvAlfat = static_cast<double>(Inv(G.alfat));
    G.betab =
        static_cast<double>(ComputeCheckedArcSin(std::sin(static_cast<L>(G.beta)) * std::cos(static_cast<L>(G.alfan))));

    G.d0 = static_cast<double>(G.z0 * G.mn / cosBeta);
    G.db0 = static_cast<double>(G.d0 * std::cos(static_cast<L>(G.alfat)));
    G.CutterFlankHeightFactor =
        SnapProfileFactor(static_cast<double>(G.haP2 + G.cP2 - (1 - std::sin(static_cast<L>(G.alfan))) * G.rof0));
    if (!G.FellowMaxOperatingHeight) {
        const L a = G.alfat;
        G.alfaF0 = static_cast<double>(
            std::atan(Tan(a) - 4 * cosBeta * (G.CutterFlankHeightFactor - G.x0) / (G.z0 * std::sin(2 * a))));
        G.dF0 = static_cast<double>(G.db0 / std::cos(static_cast<L>(G.alfaF0)));
    } else {  // the whole tooth height of the cutter works: its involute from its base circle
        G.alfaF0 = 0;
        G.dF0 = G.db0;
    }

    // Without a module yet the cutter is sized for mn = 1 and a wheel of 80 teeth; the
    // inputs themselves stay as entered.
    const double mn = G.mn, z2 = G.z2;
    const bool fallback = G.mn == 0;
    if (fallback) {
        G.mn = 1;
        G.z2 = -80;
    }
    G.da0 = static_cast<double>(2 * G.mn * (G.z0 / (2 * cosBeta) + G.x0 + G.haP1 + G.cP1));
    ComputeCutterCentreDistance();
    if (G.alfaF0 < 0) G.CutterUndercut = true;
    G.df2 = 2 * G.a0 - G.da0;
    ComputeTipDiametersFromRoots();
    if (fallback) {
        G.mn = mn;
        G.z2 = z2;
    }
}

void ComputeCutterCentreDistance() {
    ComputationScope computation;
    G.InvAlfat = static_cast<double>(Inv(G.alfat));
    G.InvAlfawt0 = static_cast<double>(G.InvAlfat + 2 * Tan(G.alfan) * (G.x0 + G.x2) / (G.z0 + G.z2));
    bool meshed = false;
    if (G.InvAlfawt0 > 0) {
        G.ManufacturingMode = true;
        const double xsum0 = G.xsum0;
        meshed = InvertInvoluteChecked(G.alfawt0, G.InvAlfawt0);
        G.xsum0 = xsum0;
        G.ManufacturingMode = false;
    }
    // Beyond the critical sum of the manufacturing mesh (or where the inversion refuses it)
    // the cutter is taken at that limit, pressure angle 0, so that nothing of an earlier
    // cutter remains; the check refuses such a cutter.
    if (!meshed) G.alfawt0 = 0;
    G.a0 = static_cast<double>((G.z0 + G.z2) * G.mn * std::cos(static_cast<L>(G.alfat)) /
                               (2 * std::cos(static_cast<L>(G.beta)) * std::cos(static_cast<L>(G.alfawt0))));
}

void ComputeCutterTipThickness() {
    ComputationScope computation;
    L s;
    if (G.roa0 <= 0) {  // the tip rounding of this cutter, whatever an earlier search left
        const L aa0 = ComputeCheckedArcCos(static_cast<L>(G.db0) / G.da0);
        s = G.da0 * (ReferenceThicknessAngle() + Inv(G.alfat) - Inv(aa0));
    } else {
        ComputeCutterTipRoundingDiameters();
        const L aR = ComputeCheckedArcCos(static_cast<L>(G.db0) / G.CutterRoundingStartDiameter);
        s = G.da0 * (ReferenceThicknessAngle() + Inv(G.alfat) - Inv(aR) + G.alfaReduced0 - aR);
    }
    if (G.FellowFullyRoundedTip) s = 0;
    G.sa0 = static_cast<double>(s * std::cos(std::atan(Tan(G.beta) * G.da0 / G.d0)));
}

void ComputeCutterTipRoundingDiameters() {
    ComputationScope computation;
    ComputeFellowCutterDimensions();
    G.CutterReducedTipDiameter = G.da0 - 2 * G.roa0 * G.mn;
    G.alfaReduced0 = static_cast<double>(ComputeCheckedArcCos(static_cast<L>(G.db0) / G.CutterReducedTipDiameter));
    const L g = Tan(G.alfaReduced0) * G.db0 / 2 + G.roa0 * G.mn / std::cos(static_cast<L>(G.betab));
    const L rb = static_cast<L>(G.db0) / 2;
    G.CutterRoundingStartDiameter = static_cast<double>(2 * std::sqrt(g * g + rb * rb));
    G.CutterRoundingHeight = (G.da0 - G.CutterRoundingStartDiameter) / 2;
}

void ComputeMaxCutterTipRounding() {
    ComputationScope computation;
    ComputeFellowCutterDimensions();
    if (G.mn == 0) return;  // no module yet: no rounding to size
    if (G.beta > 0) {       // the virtual spur cutter of a helical cutter
        const L cosBetab = std::cos(static_cast<L>(G.betab));
        G.zn0 = static_cast<double>(G.z0 / (cosBetab * cosBetab * std::cos(static_cast<L>(G.beta))));
        G.dn0 = G.mn * G.zn0;
        G.dan0 = G.da0 - G.d0 + G.dn0;
        G.dbn0 = static_cast<double>(std::cos(static_cast<L>(G.alfan)) * G.dn0);
    }
    FindMaxCutterTipRadius(G.CutterTipRadius);
    G.roa0 = G.CutterTipRadius / G.mn;
    G.CutterReducedTipDiameter = G.da0 - 2 * G.roa0 * G.mn;
    ComputeCutterTipRoundingDiameters();
}

void FindMaxCutterTipRadius(double& r) {
    ComputationScope computation;
    const double limit = G.mn;
    double root = 0;
    const ScanEnd end = ScanAndBisect(
        EvaluateCutterTipRadiusEquation, 0, G.mn / 100, G.mn / 100, [limit](double hi) { return hi > limit; }, 1e-11,
        root);
    if (end == ScanEnd::Failed) G.ErrorFlag = true;
    r = end == ScanEnd::Root ? root : limit;  // none below one module: one module
}

double EvaluateCutterTipRadiusEquation(double r) {
    if (G.beta < 0) return 0;
    const L D = G.da0 - 2 * static_cast<L>(r);
    const L aD = ComputeCheckedArcCos(G.db0 / D);
    const L sD = (CutterReferenceThickness() / G.d0 + Inv(G.alfat) - Inv(aD)) * D;
    if (G.beta == 0) return static_cast<double>(r * D - sD * G.db0 / 2);
    const L bD = std::atan(Tan(G.beta) * D / G.d0);
    return static_cast<double>(r * (G.dan0 - 2 * static_cast<L>(r)) - std::cos(bD) * sD * G.dbn0 / 2);
}

}  // namespace ostrimo
