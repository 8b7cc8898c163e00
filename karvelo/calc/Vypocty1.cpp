#include "karvelo/calc/Vypocty1.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "karvelo/calc/Epsilon.h"
#include "karvelo/calc/Global.h"
#include "karvelo/calc/MaterialClasses.h"
#include "karvelo/calc/Rozmery.h"
#include "karvelo/calc/WindowHooks.h"
#include "runtime/Notice.h"

namespace karvelo {

namespace {

// Largest helix angle of ISO 1328-1, formed as the degree inputs are stored.
const double kMaxHelixAngle = 45 * std::numbers::pi / 180;

bool EquivalentLoadMode() {
    const GlobalData& g = G;
    return SpectrumByDamage(g) || g.LoadInputMethod == kDirectEquivalentLoad;
}

// The member of the pair with the larger absolute value; the wheel's on a tie.
double LargerDeviation(double pinion, double wheel) { return std::fabs(pinion) > std::fabs(wheel) ? pinion : wheel; }

// Gear blank factor CR of one gear.
double BlankFactor(double bs, double bw, double sR, double mn) {
    double ratio = bs / bw;
    if (ratio < 0.2) ratio = 0.2;
    if (ratio >= 1.2) ratio = 1.2;
    double rim = sR / mn;
    if (rim < 1) rim = 1;
    return 1 + std::log(ratio) / (5 * std::exp(rim / 5));
}

// Flexibility q' of the pair [mm.um/N].
double ToothFlexibility() {
    const GlobalData& g = G;
    const double pinionPart = 0.04723 + 0.15551 / g.zn1 - (0.11654 / g.zn1 + 0.00635) * g.x1;
    const double squares = 0.00529 * g.x1 * g.x1 + 0.00182 * g.x2 * g.x2;
    if (g.GearingType == kInternalPair) return pinionPart - 0.00193 * g.x2 + squares;
    return pinionPart + 0.25791 / g.zn2 - (0.24188 / g.zn2 + 0.00193) * g.x2 + squares;
}

// Constants of method C for the helical (true) or the spur table.
void SelectKvMethodCConstantsFor(bool helical) {
    // K1 by the larger accuracy grade 2 .. 11.
    static constexpr double kHelical[] = {1.9, 3.5, 6.7, 13.3, 23.9, 34.8, 47.0, 68.2, 91.4, 130.3};
    static constexpr double kSpur[] = {2.1, 3.9, 7.5, 14.9, 26.8, 39.1, 52.8, 76.6, 102.6, 146.3};
    GlobalData& g = G;
    int Q = std::max(g.IT1, g.IT2);
    if (Q < 2) Q = 2;
    if (Q > 11) Q = 11;  // the accuracy window accepts 2 .. 11; a coarser grade read from a file takes 11
    g.K1 = helical ? kHelical[Q - 2] : kSpur[Q - 2];
    g.K2 = helical ? 0.0087 : 0.0193;
    g.K3 = g.vzfactor <= 0.2 ? 2.0 : 2.071 - 0.357 * g.vzfactor;
}

double KvMethodCFormula() {
    const GlobalData& g = G;
    return (g.K1 / g.FtKAb + g.K2) * g.vzfactor * g.K3 + 1;
}

void FloorKv(double& kv) {
    if (!G.KvDirect && kv < 1) kv = 1;
}

// One message of the accuracy-range check: the note, the heading and the violated range lines,
// then the accuracy window with the focus on the given fields in turn (the last one keeps it).
void ReportAccuracyRange(const std::string& note, const std::string& lines, const std::vector<int>& focus) {
    rt::MessageBox(note + "Some of gears dimensions are out of range given by ISO 1328-1 :\r" + lines, "Information",
                   rt::MB_OK | rt::MB_ICONINFORMATION);
    for (int edit : focus) win::FocusAccuracyField(edit);
    win::ShowAccuracyForm();
}

}  // namespace

// ---- Forces, face widths, stiffness, reduced mass

void ComputeForcesFromTorques() {
    GlobalData& g = G;
    if (NominalLoadIsInput(g)) {
        if (!g.LoadAsForce) g.Ftjm = 2000 * g.Tjm / g.d1;
        g.FtF = g.Ftjm;
        g.Ft = g.Ftjm;
        if (g.Ftjm == 0 && g.Tjm == 0) {
            rt::ShowMessage("There are no loading data.");
            g.ResumeCalculation = false;
        }
    } else if (EquivalentLoadMode()) {
        if (!g.LoadAsForce) {
            g.FtFe1 = 2000 * g.TFe1 / g.d1;
            g.FtHe1 = 2000 * g.THe1 / g.d1;
            g.FtFe2 = 2000 * g.TFe2 / g.d1;
            g.FtHe2 = 2000 * g.THe2 / g.d1;
        }
        g.FtF = g.FtFe1 > g.FtFe2 ? g.FtFe1 : g.FtFe2;
        g.Ft = g.FtHe1 > g.FtHe2 ? g.FtHe1 : g.FtHe2;
        g.FtFe1Used = g.FtFe1;
        g.FtFe2Used = g.FtFe2;
        g.FtHe1Used = g.FtHe1;
        g.FtHe2Used = g.FtHe2;
        // A case without a load of its own is computed with a large nominal force, except a case
        // of a spectrum, whose evaluation gives its load: it keeps no load until then.
        for (double* f : {&g.FtF, &g.Ft})
            if (*f == 0) *f = 125000;
        if (g.LoadInputMethod != kMultilevelLoading)
            for (double* f : {&g.FtFe1Used, &g.FtFe2Used, &g.FtHe1Used, &g.FtHe2Used})
                if (*f == 0) *f = 125000;
        g.Ftjm = std::max(g.FtF, g.Ft);
    }
}

void ComputeEffectiveFaceWidths() {
    GlobalData& g = G;
    const double mn = g.mn;
    if (g.db >= 0) {
        if (g.b1 <= g.b2 || g.b1 <= g.b2 + g.db) {
            g.b = g.b1 - g.db;
            g.bF1 = std::min(g.b + mn, g.b1);
            g.bF2 = std::min(g.b + mn, g.b2);
        } else {
            // The wheel lies wholly within the pinion's width.
            g.b = g.b2;
            g.bF2 = g.b2;
            g.bF1 = g.b2 + std::min(g.db, mn) + std::min(mn, g.b1 - g.b2 - g.db);
        }
    } else {
        const double offset = std::fabs(g.db);
        if (g.b1 >= g.b2 || g.b2 <= g.b1 + offset) {
            g.b = g.b2 - offset;
            g.bF2 = std::min(g.b + mn, g.b2);
            g.bF1 = std::min(g.b + mn, g.b1);
        } else {
            // The pinion lies wholly within the wheel's width.
            g.b = g.b1;
            g.bF1 = g.b1;
            g.bF2 = g.b1 + std::min(offset, mn) + std::min(mn, g.b2 - g.b1 - offset);
        }
    }
    g.bFmin = g.bF1 < g.bF2 ? g.bF1 : g.bF2;
}

void ComputeToothStiffness() {
    ComputeContactRatios();
    GlobalData& g = G;
    // Basic rack factor CB; the dedendum of the rack is haP + caP of the same gear.
    const double alphaDeg = g.alfan * 180 / kPi;
    const double angleTerm = 1 - 0.02 * (20 - alphaDeg);
    const double CB1 = (1 + 0.5 * (1.25 - (g.haP1 + g.caP1))) * angleTerm;
    const double CB2 = (1 + 0.5 * (1.25 - (g.haP2 + g.caP2))) * angleTerm;
    const double CB = (CB1 + CB2) / 2;
    const double CR = std::min(BlankFactor(g.bs1, g.b1, g.sR1, g.mn), BlankFactor(g.bs2, g.b2, g.sR2, g.mn));
    if (!g.cDirect) {
        const double flexibility = ToothFlexibility();
        if (!(flexibility > 0)) {
            StopCalculation(
                "Tooth stiffness c' can not be calculated for these gears.\r"
                "Enter stiffness directly in the window Dimensions.");
            return;
        }
        const double Eeq = 2 * g.E1 * g.E2 / (g.E1 + g.E2);
        g.cprime = (1 / flexibility) * 0.8 * CR * CB * std::cos(g.beta) * Eeq / 206000;
    }
    g.cgammaAlpha = (0.75 * g.epsalfa + 0.25) * g.cprime;
    if (g.epsalfa < 1.2) g.cgammaAlpha = g.cgammaAlpha / 1.05;
    g.cgammaBeta = 0.85 * g.cgammaAlpha;
}

void ComputeReducedMass() {
    GlobalData& g = G;
    const double dm1 = (g.df1 + g.da1) / 2;
    const double dm2 = (g.df2 + g.da2) / 2;
    const double q1 = g.FullPinion ? 0 : (g.df1 - 2 * g.sR1) / dm1;
    const double q2 = g.FullWheel ? 0 : (g.df2 - 2 * g.sR2) / dm2;
    const double ratio = g.z2 / g.z1;
    const double pinionTerm = 1 / ((1 - std::pow(q1, 4)) * g.ro_steel1 * 1e-9);
    const double wheelDenominator = (1 - std::pow(q2, 4)) * g.ro_steel2 * 1e-9 * ratio * ratio;
    double denominator = pinionTerm + 1 / wheelDenominator;
    // The ring of an internal wheel (bore ratio above 1) gives a negative wheel term; where it would
    // make the reduced mass infinite, zero or negative the ring is taken as rigid.
    if (wheelDenominator == 0 || !(denominator > 0)) denominator = pinionTerm;
    g.mred = (kPi / 8) * Sq(dm1 / g.db1) * Sq(dm1) / denominator;
}

// ---- Accuracy range

void CheckAccuracyRange(const std::string& Kind) {
    GlobalData& g = G;
    const bool widthOut = g.b < 4 || g.b > 1200;
    const bool pinionOut = g.d1 < 5 || g.d1 > 15000;
    const bool wheelOut = std::fabs(g.d2) < 5 || std::fabs(g.d2) > 15000;
    const bool moduleOut = g.mn < 0.5 || g.mn > 70;
    const bool helixOut = g.beta > kMaxHelixAngle;
    const std::string widthLine = widthOut ? "- allowable facewidth bwh         4.....1200 mm\r" : "";
    const std::string pinionLine = pinionOut ? "- allowable pinion reference diameter    5.....15000 mm\r" : "";
    const std::string wheelLine = wheelOut ? "- allowable wheel reference diameter       5.....15000 mm\r" : "";
    const std::string moduleLine = moduleOut ? "- allowable normal module mn     0,5.....70 mm\r" : "";
    const std::string helixLine = helixOut ? "- admissible helix angle at the reference circle beta - 45 degree\r" : "";

    if (Kind == "fpb+ffalfa") {
        if (pinionOut && g.fpr1Measured) {
            g.fpb1UseDirect = true;
            ReportAccuracyRange("Value from the direct input will be used for the deviation fpb1.\r\r", pinionLine,
                                {3});
        }
        if (wheelOut && g.fpr2Measured) {
            g.fpb2UseDirect = true;
            ReportAccuracyRange("Value from the direct input will be used for the deviation fpb2.\r\r", wheelLine, {4});
        }
        if ((widthOut || helixOut) && (g.fpr1Measured || g.fpr2Measured)) {
            g.fpb1UseDirect = g.fpb2UseDirect = true;
            ReportAccuracyRange("Values from the direct input will be used for the deviations fpb1,2.\r\r",
                                widthLine + helixLine, {g.fpr1Measured ? 3 : 4});
        }
        if (moduleOut && (g.fpr1Measured || g.fpr2Measured || g.ffalfa1Measured || g.ffalfa2Measured)) {
            g.fpb1UseDirect = g.fpb2UseDirect = g.ffalfa1UseDirect = g.ffalfa2UseDirect = true;
            std::vector<int> focus;
            if (g.fpr1Measured) focus.push_back(3);
            if (g.fpr2Measured) focus.push_back(4);
            if (g.ffalfa1Measured) focus.push_back(7);
            if (g.ffalfa2Measured) focus.push_back(8);
            ReportAccuracyRange(
                "Values from the direct input will be used for the deviations fpb1,2 and ffalfa1,2.\r\r",
                pinionLine + moduleLine + helixLine, focus);
        }
    } else if (Kind == "fHbeta") {
        // Focusing a helix deviation field makes the helix fields visible.
        if (pinionOut && g.fHbeta1Measured) {
            g.fHbeta1UseDirect = true;
            ReportAccuracyRange("Value from the direct input will be used for the deviation fHbeta1.\r\r", pinionLine,
                                {5});
        }
        if (wheelOut && g.fHbeta2Measured) {
            g.fHbeta2UseDirect = true;
            ReportAccuracyRange("Value from the direct input will be used for the deviation fHbeta2.\r\r", wheelLine,
                                {6});
        }
        if ((widthOut || helixOut) && (g.fHbeta1Measured || g.fHbeta2Measured)) {
            g.fHbeta1UseDirect = g.fHbeta2UseDirect = true;
            ReportAccuracyRange("Values from the direct input will be used for the deviations fHbeta1,2.\r\r",
                                widthLine + helixLine, {g.fHbeta1Measured ? 5 : 6});
        }
    }
}

// ---- Running-in allowances

RunningInGroup RunningInGroupOf(const std::string& code) {
    if (IsOneOfClasses(code, kStructuralAndThroughHardened)) return RunningInGroup::A;
    if (IsOneOfClasses(code, kGreyAndFerriticCastIron)) return RunningInGroup::B;
    if (IsOneOfClasses(code, kSurfaceHardenedAndNitrided)) return RunningInGroup::C;
    return RunningInGroup::None;
}

double ComputeRunningInAllowance(const std::string& materialCode, double deviation, double SigmaHlim, double v,
                                 const RunningInRule& rule) {
    double y = 0;
    double limit = 0;
    bool limited = false;
    switch (RunningInGroupOf(materialCode)) {
        case RunningInGroup::A:
            y = rule.factorA * deviation / SigmaHlim;
            if (v > 5 && v <= 10) limit = rule.capA10 / SigmaHlim, limited = true;
            if (v > 10) limit = rule.capAabove / SigmaHlim, limited = true;
            break;
        case RunningInGroup::B:
            y = rule.factorB * deviation;
            if (v > 5 && v <= 10) limit = rule.capB10, limited = true;
            if (v > 10) limit = rule.capBabove, limited = true;
            break;
        case RunningInGroup::C:
            y = rule.factorC * deviation;
            limit = rule.capC, limited = true;
            break;
        case RunningInGroup::None: return 0;
    }
    if (limited && y > limit) y = limit;
    return y;
}

void ComputeTransverseRunningInAllowance(const std::string& Kind, int Level) {
    GlobalData& g = G;
    const double n = g.LoadInputMethod == kMultilevelLoading ? g.n1Level[Level] : g.n1;
    g.v = PitchLineVelocity(n);
    ComputeAllowableDeviations();
    CheckAccuracyRange("fpb+ffalfa");
    double deviation;
    if (Kind == "Profil") {
        deviation = LargerDeviation(g.ffalfa1, g.ffalfa2);
        g.ffalfamax = deviation;  // fpbmax keeps the pitch value
    } else {
        deviation = LargerDeviation(g.fp1, g.fp2);
        g.fpbmax = deviation;
    }
    g.yalfa1 = ComputeRunningInAllowance(g.MaterialCode1, deviation, g.SigmaHlim1, g.v, kTransverseRunningIn);
    g.yalfa2 = ComputeRunningInAllowance(g.MaterialCode2, deviation, g.SigmaHlim2, g.v, kTransverseRunningIn);
    g.yalfa = (g.yalfa1 + g.yalfa2) / 2;
}

// ---- Dynamic factor

void ComputeKvCoefficientsFor(double w, int level) {
    GlobalData& g = G;
    const double eg = g.epsgama;
    g.Cv1 = 0.32;
    g.Cv5 = 0.47;
    if (eg > 2) {
        g.Cv2 = 0.57 / (eg - 0.3);
        g.Cv3 = 0.096 / (eg - 1.56);
        g.Cv4 = (0.57 - 0.05 * eg) / (eg - 1.44);
        g.Cv6 = 0.12 / (eg - 1.74);
    } else {
        g.Cv2 = 0.34;
        g.Cv3 = 0.23;
        g.Cv4 = 0.90;
        g.Cv6 = 0.47;
    }
    if (eg <= 1.5)
        g.Cv7 = 0.75;
    else if (eg <= 2.5)
        g.Cv7 = 0.125 * std::sin(kPi * (eg - 2)) + 0.875;
    else
        g.Cv7 = 1.0;

    ComputeTransverseRunningInAllowance("Profil", level);
    const double yf = g.yalfa;
    ComputeTransverseRunningInAllowance("Roztec", level);
    const double yp = g.yalfa;
    g.Bp = g.cprime * (g.fpbmax - yp) / w;
    g.Bf = g.cprime * (g.ffalfamax - yf) / w;
    const double Ca1 = Sq(g.SigmaHlim1 / 97 - 18.45) / 18 + 1.5;
    const double Ca2 = Sq(g.SigmaHlim2 / 97 - 18.45) / 18 + 1.5;
    g.Bk = std::fabs(1 - g.cprime * ((Ca1 + Ca2) / 2) / w);
    if (g.IT1 > 5 || g.IT2 > 5) g.Bk = 1;
}

void ComputeKvCoefficients() { ComputeKvCoefficientsFor(G.KA * G.Ftjm / G.b, 1); }

double ComputeKvMethodBFor(double n, double w, int level) {
    GlobalData& g = G;
    if (g.mredISO) {
        ComputeReducedMass();
    } else {
        if (!g.JDirect) ComputeGearMassAndInertia();
        const double J1s = g.J1 / g.b1;
        const double J2s = g.J2 / g.b2;
        g.mred = J1s * J2s / (Sq(g.db2 / 2) * J1s + Sq(g.db1 / 2) * J2s);
    }
    ComputeToothStiffness();
    ComputeKvCoefficientsFor(w, level);
    g.nE1 = 30000 / (kPi * g.z1) * std::sqrt(g.cgammaAlpha / g.mred);
    g.Nupper = 1.15;
    // Lower bound of the main resonance range (ISO 6336-1): 0.5 + 0.35 sqrt(w / 100) below 100 N/mm.
    g.NS = w >= 100 ? 0.85 : 0.5 + 0.35 * std::sqrt(w / 100);
    const double N = n / g.nE1;
    const double mainResonance = g.Cv1 * g.Bp + g.Cv2 * g.Bf + g.Cv4 * g.Bk + 1;
    const double supercritical = g.Cv5 * g.Bp + g.Cv6 * g.Bf + g.Cv7;
    if (N <= g.NS) return N * (g.Cv1 * g.Bp + g.Cv2 * g.Bf + g.Cv3 * g.Bk) + 1;
    if (N <= 1.15) return mainResonance;
    if (N < 1.5) return supercritical + (mainResonance - supercritical) * (1.5 - N) / 0.35;
    return supercritical;
}

void ComputeKvMethodB() {
    GlobalData& g = G;
    if (!CheckCommonFaceWidth()) return;
    double kv = ComputeKvMethodBFor(g.n1, g.Ftjm * g.KA / g.b, 1);
    FloorKv(kv);
    g.Kv = kv;
    StopUnlessFinite(g.Kv, "The dynamic factor Kv");
}

void SelectKvMethodCConstants() { SelectKvMethodCConstantsFor(G.epsbeta > 0); }

double ComputeKvMethodCFor(double v, double loadPerWidth) {
    GlobalData& g = G;
    g.vzfactor = (v * g.z1 / 100) * std::sqrt(g.u * g.u / (1 + g.u * g.u));
    g.FtKAb = loadPerWidth;
    SelectKvMethodCConstants();
    double kv = KvMethodCFormula();
    if (g.epsbeta > 0 && g.epsbeta < 1) {
        const double helical = kv;
        SelectKvMethodCConstantsFor(false);
        const double spur = KvMethodCFormula();
        kv = spur - g.epsbeta * (spur - helical);
    }
    return kv;
}

void ComputeKvMethodC() {
    GlobalData& g = G;
    if (!CheckCommonFaceWidth()) return;
    g.v = PitchLineVelocity(g.n1);
    double kv = ComputeKvMethodCFor(g.v, g.Ftjm * g.KA / g.b);
    FloorKv(kv);
    g.Kv = kv;
    StopUnlessFinite(g.Kv, "The dynamic factor Kv");
}

// ---- Face load factor for bending, transverse load factors

double ComputeKFbetaExponent() {
    GlobalData& g = G;
    const double h1 = (g.da1 - g.df1) / 2;
    const double h2 = std::fabs(g.df2 - g.da2) / 2;
    double r = std::min(g.bF1 / h1, g.bF2 / h2);
    if (r < 3) r = 3;
    g.NF = 1 / (1 + 1 / r + Sq(1 / r));
    return g.NF;
}

void ComputeKFbeta() {
    GlobalData& g = G;
    if (g.KFbetaDirect) return;
    g.KFbeta = std::pow(g.KHbeta, ComputeKFbetaExponent());
    StopUnlessFinite(g.KFbeta, "The face load factor KFbeta");
}

double ComputeTransverseDeviationQuotient(double w, int level) {
    GlobalData& g = G;
    const double P1 = std::max(g.fp1, g.ffalfa1);
    const double P2 = std::max(g.fp2, g.ffalfa2);
    const bool pitch = P2 >= P1 ? g.fp2 >= g.ffalfa2 : g.fp1 >= g.ffalfa1;
    ComputeTransverseRunningInAllowance(pitch ? "Roztec" : "Profil", level);
    // The deviation of the kind that decides, computed just now for this pair.
    const double deviation = pitch ? g.fpbmax : g.ffalfamax;
    return g.cgammaAlpha * (deviation - g.yalfa) / w;
}

void ComputeTransverseFactorValues(double q, double& KHa, double& KFa) {
    const GlobalData& g = G;
    const double eg = g.epsgama;
    const double K = eg > 2 ? 0.9 + 0.4 * std::sqrt(2 * (eg - 1) / eg) * q : (eg / 2) * (0.9 + 0.4 * q);
    KHa = std::min(K, eg / (g.epsalfa * g.Zepsilon * g.Zepsilon));
    if (KHa < 1) KHa = 1;
    KFa = std::min(K, eg / (0.25 * g.epsalfa + 0.75));
    if (KFa < 1) KFa = 1;
}

void ComputeKHalpha() {
    GlobalData& g = G;
    ComputeToothStiffness();
    ComputeAllowableDeviations();
    CheckAccuracyRange("fpb+ffalfa");
    if (!CheckCommonFaceWidth()) return;
    const double q = ComputeTransverseDeviationQuotient(g.Ftjm * g.KA * g.Kv * g.KHbeta / g.b, 1);
    if (!g.KFalfaDirect) g.KFalfa = 1;
    if (!g.KHalfaDirect) g.KHalfa = 1;
    // A spectrum takes its transverse factors per level.
    if (g.LoadInputMethod != kOneLevelLoading) return;
    if (g.KHalfaDirect && g.KFalfaDirect) return;
    double KHa = 1, KFa = 1;
    ComputeTransverseFactorValues(q, KHa, KFa);
    if (!g.KHalfaDirect) g.KHalfa = KHa;
    if (!g.KFalfaDirect) g.KFalfa = KFa;
    if (StopUnlessFinite(g.KHalfa, "The transverse load factor KHalfa"))
        StopUnlessFinite(g.KFalfa, "The transverse load factor KFalfa");
}

// ---- Guards

void StopCalculation(const std::string& text) {
    if (G.ResumeCalculation) rt::ShowMessage(text);
    G.ResumeCalculation = false;
}

bool StopUnlessFinite(double value, const std::string& what) {
    if (std::isfinite(value)) return true;
    StopCalculation(what + " can not be calculated from these input data.");
    return false;
}

bool StopUnlessPositive(double value, const std::string& what) {
    if (value > 0) return true;
    StopCalculation(what + " can not be calculated from these input data.");
    return false;
}

double PitchLineVelocity(double n) { return kPi * G.d1 * n / 60000; }

bool LevelCountInRange() { return G.LevelCount >= 1 && G.LevelCount <= kMaxLevels; }

bool CheckLevelCount() {
    if (LevelCountInRange()) return true;
    StopCalculation("The number of load levels must be from 1 to 20.");
    return false;
}

bool CheckCommonFaceWidth() {
    if (G.b > 0) return true;
    StopCalculation("Common facewidth b must be greater than 0 - the faces of the gears do not overlap.");
    return false;
}

}  // namespace karvelo
