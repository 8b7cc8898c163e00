#include "karvelo/calc/Pripustna_napeti_ohyb.h"

#include <cmath>
#include <string>
#include <string_view>

#include "karvelo/calc/Global.h"
#include "karvelo/calc/MaterialClasses.h"
#include "karvelo/calc/Pripustna_napeti_dotyk.h"
#include "karvelo/calc/Vypocty1.h"
#include "karvelo/calc/Vypocty_ekv.h"
#include "runtime/Notice.h"

namespace karvelo {

namespace {

// rho' of pinion and wheel; a class without a value keeps the previous one.
double SlipLayer1 = 0, SlipLayer2 = 0;

// Set when a static notch sensitivity factor could not be computed (yield limit not given).
bool StaticNotchMissing = false;

// Actual values of a bending factor of pinion and wheel for their required lives.
void InterpolateBendingFactor(double ref1, double stat1, double& actual1, double ref2, double stat2, double& actual2) {
    const GlobalData& g = G;
    actual1 = InterpolateLifeFactor(g.NL1, g.NFlim1, g.NLstatF1, ref1, stat1);
    actual2 = InterpolateLifeFactor(g.NL2, g.NFlim2, g.NLstatF2, ref2, stat2);
}

// Through-hardened steel, perlitic and bainitic nodular and black malleable cast iron: rho' by the
// yield limit.
constexpr std::string_view kSlipLayerByYield[] = {"V", "GTS", "GGGp", "GGGb"};

void SetSlipLayer(double& rho, const std::string& code, double Rm, double Re) {
    if (code == "GG") rho = 0.3153 - 0.0000193333 * Rm;
    if (code == "GGGf") rho = 0.3095;
    if (code == "St") rho = 0.1997 - 0.000388 * Re;
    if (IsOneOfClasses(code, kNitrided)) rho = 0.1005;
    if (IsOneOfClasses(code, kSlipLayerByYield)) rho = Re <= 650 ? 0.0716 - 0.000087 * Re : 0.0264 - 0.000025 * Re;
    if (IsOneOfClasses(code, kSurfaceHardened)) rho = 0.003;
    // The linear fits fall below zero for high yield limits; the layer vanishes there.
    if (rho < 0) rho = 0;
}

struct NotchGear {
    int index;  // 1 pinion, 2 wheel
    const std::string& code;
    double Re, qs, YS;
    double rho;
    bool refDirect, statDirect;
    double& ref;
    double& stat;
};

// Classes whose static notch sensitivity follows the 0.2 % proof stress ("St" only above Re 650 MPa,
// below it the yield point).
constexpr std::string_view kNotchByProofStress[] = {"St", "V", "GGGp", "GGGb"};

// Static notch sensitivity factor; false when it needs a yield limit that is not given.
bool StaticNotchSensitivity(const NotchGear& n, double& value) {
    const bool yieldPoint = n.code == "St" && n.Re <= 650;
    const bool proofStress = IsOneOfClasses(n.code, kNotchByProofStress) && !yieldPoint;
    if (yieldPoint || proofStress) {
        if (!(n.Re > 0)) {
            const std::string i = std::to_string(n.index);
            rt::ShowMessage("Yield limit Re" + i + " must be greater than 0 for the static factor YdrelT" + i +
                            "stat.\rEnter Re" + i + ", or enter the factor YdrelT" + i +
                            "stat directly (window Other factors).");
            G.ResumeCalculation = false;
            return false;
        }
        // yield point: 0.93 and (200/Re)^(1/4); 0.2 % proof stress: 0.82 and (300/Re)^(1/4)
        const double k = yieldPoint ? 0.93 : 0.82;
        const double F = std::pow((yieldPoint ? 200 : 300) / n.Re, 0.25);
        value = (1 + k * (n.YS - 1) * F) / (1 + k * F);
        // A yield limit so small that the ratio overflows has no factor.
        if (!StopUnlessFinite(value, "The relative notch sensitivity factor YdrelT" + std::to_string(n.index) + "stat"))
            return false;
    }
    if (IsOneOfClasses(n.code, kSurfaceHardened)) value = 0.44 * n.YS + 0.12;
    if (IsOneOfClasses(n.code, kNitrided)) value = 0.2 * n.YS + 0.6;
    if (n.code == "GTS") value = 0.075 * n.YS + 0.85;
    if (IsOneOfClasses(n.code, kGreyAndFerriticCastIron)) value = 1.0;
    return true;
}

bool NotchSensitivity(const NotchGear& n) {
    const double chi = 0.2 * (1 + 2 * n.qs);  // relative stress gradient
    if (!n.refDirect) n.ref = (1 + std::sqrt(n.rho * chi)) / (1 + std::sqrt(1.2 * n.rho));
    return n.statDirect || StaticNotchSensitivity(n, n.stat);
}

// The groups of the relative surface factor besides "St": through-hardened steel, perlitic and
// bainitic nodular cast iron and the surface-hardened steels; the other cast irons and the nitrided
// steels.
constexpr std::string_view kSurfaceFactorFirst[] = {"V", "GGGp", "GGGb", "Eh", "IF"};
constexpr std::string_view kSurfaceFactorThird[] = {"GG", "GGGf", "NT", "NV", "NVc", "GTS"};

double SurfaceFactor(const std::string& code, double Rz, double current) {
    const bool first = IsOneOfClasses(code, kSurfaceFactorFirst);
    const bool third = IsOneOfClasses(code, kSurfaceFactorThird);
    if (Rz < 1) {
        if (first) return 1.12;
        if (code == "St") return 1.07;
        if (third) return 1.025;
    } else {
        if (first) return 1.674 - 0.529 * std::pow(Rz + 1, 0.1);
        if (code == "St") return 5.306 - 4.203 * std::pow(Rz + 1, 0.01);
        if (third) return 4.299 - 3.259 * std::pow(Rz + 1, 0.0058);
    }
    return current;
}

double SizeFactor(const std::string& code, double mn, double current) {
    if (mn <= 5) return 1.0;
    if (IsOneOfClasses(code, kStructuralAndThroughHardened)) return mn < 30 ? 1.03 - 0.006 * mn : 0.85;
    if (IsOneOfClasses(code, kSurfaceHardenedAndNitrided)) return mn < 25 ? 1.05 - 0.01 * mn : 0.8;
    if (IsOneOfClasses(code, kGreyAndFerriticCastIron)) return mn < 25 ? 1.075 - 0.015 * mn : 0.7;
    return current;
}

void MeanStress(const std::string& code, const std::string& form, double YS, double R, double& Mref, double& Mstat,
                bool refDirect, bool statDirect, double& YMref, double& YMstat) {
    Mref = 0.3, Mstat = 0.5;
    if (code == "Eh") Mref = 0.8 - 0.15 * YS, Mstat = 0.7;
    if (code == "IF") Mref = 0.4, Mstat = 0.6;
    if (IsOneOfClasses(code, kNitrided)) Mref = 0.3, Mstat = 0.3;
    if (form == "cast") Mref = 0.4, Mstat = 0.6;
    if (!refDirect) YMref = 1 / (1 - (1 - Mref) * R / (1 + Mref));
    if (!statDirect) YMstat = 1 / (1 - (1 - Mstat) * R / (1 + Mstat));
}

// Static end and permissible stress of one gear for N working cycles.
void FollowBendingCurve(double N, double stat, double ref, double NFlim, double qF, double& NFstat, double& SigmaFP,
                        double& YN) {
    using Ext = long double;
    NFstat = static_cast<double>(NFlim * std::pow(Ext{ref} / stat, Ext{qF}));
    Ext sigma;
    if (N <= NFstat) {
        sigma = stat;
    } else if (N < NFlim) {
        sigma = ref * std::pow(Ext{NFlim} / N, 1 / Ext{qF});
    } else {
        sigma = PermissibleBeyondEndurance(ref, NFlim, N);
    }
    SigmaFP = static_cast<double>(sigma);
    YN = SigmaFP / ref;
}

}  // namespace

double SlipLayerThickness(int gear) { return gear == 1 ? SlipLayer1 : SlipLayer2; }

void SetStaticLifeFactorsYNT() {
    GlobalData& g = G;
    auto set = [](const std::string& code, double& YNT, double Rm, double SigmaFlim, double YST) {
        if (const double classYNT = MaterialClassOf(code).YNTstat; classYNT > 0) YNT = classYNT;
        if (code == kOtherMaterial) YNT = Rm / SigmaFlim / YST;
    };
    set(g.MaterialCode1, g.YNT1stat, g.Rm1, g.SigmaFlim1, g.YST1);
    set(g.MaterialCode2, g.YNT2stat, g.Rm2, g.SigmaFlim2, g.YST2);
}

void ComputeSlipLayerThickness() {
    const GlobalData& g = G;
    SetSlipLayer(SlipLayer1, g.MaterialCode1, g.Rm1, g.Re1);
    SetSlipLayer(SlipLayer2, g.MaterialCode2, g.Rm2, g.Re2);
}

void ComputeNotchSensitivityFactorYdrelT() {
    GlobalData& g = G;
    ComputeSlipLayerThickness();
    StaticNotchMissing = !NotchSensitivity({1, g.MaterialCode1, g.Re1, g.qs1, g.YS1, SlipLayer1, g.YdrelT1refDirect,
                                            g.YdrelT1statDirect, g.YdrelT1ref, g.YdrelT1stat}) ||
                         !NotchSensitivity({2, g.MaterialCode2, g.Re2, g.qs2, g.YS2, SlipLayer2, g.YdrelT2refDirect,
                                            g.YdrelT2statDirect, g.YdrelT2ref, g.YdrelT2stat});
    if (StaticNotchMissing) return;
    InterpolateBendingFactor(g.YdrelT1ref, g.YdrelT1stat, g.YdrelT1, g.YdrelT2ref, g.YdrelT2stat, g.YdrelT2);
}

void ComputeSurfaceFactorYRrelT() {
    GlobalData& g = G;
    if (!g.YRrelT1refDirect) g.YRrelT1ref = SurfaceFactor(g.MaterialCode1, g.RzF1, g.YRrelT1ref);
    if (!g.YRrelT2refDirect) g.YRrelT2ref = SurfaceFactor(g.MaterialCode2, g.RzF2, g.YRrelT2ref);
    g.YRrelT1stat = g.YRrelT2stat = 1;
    InterpolateBendingFactor(g.YRrelT1ref, g.YRrelT1stat, g.YRrelT1, g.YRrelT2ref, g.YRrelT2stat, g.YRrelT2);
}

void ComputeSizeFactorYX() {
    GlobalData& g = G;
    if (!g.YX1refDirect) g.YX1ref = SizeFactor(g.MaterialCode1, g.mn, g.YX1ref);
    if (!g.YX2refDirect) g.YX2ref = SizeFactor(g.MaterialCode2, g.mn, g.YX2ref);
    g.YX1stat = g.YX2stat = 1;
    InterpolateBendingFactor(g.YX1ref, g.YX1stat, g.YX1, g.YX2ref, g.YX2stat, g.YX2);
}

void SetMeanStressSensitivities() {
    GlobalData& g = G;
    MeanStress(g.MaterialCode1, g.MaterialForm1, g.YS1, g.R1, g.M1ref, g.M1stat, g.YM1refDirect, g.YM1statDirect,
               g.YM1ref, g.YM1stat);
    MeanStress(g.MaterialCode2, g.MaterialForm2, g.YS2, g.R2, g.M2ref, g.M2stat, g.YM2refDirect, g.YM2statDirect,
               g.YM2ref, g.YM2stat);
}

void ComputePermissibleBendingStress() {
    GlobalData& g = G;
    // Factors given directly are positive, as for contact.
    const DirectFactor direct[] = {
        {g.YdrelT1refDirect, g.YdrelT1ref, "The relative notch sensitivity factor YdrelT1"},
        {g.YdrelT1statDirect, g.YdrelT1stat, "The relative notch sensitivity factor YdrelT1"},
        {g.YdrelT2refDirect, g.YdrelT2ref, "The relative notch sensitivity factor YdrelT2"},
        {g.YdrelT2statDirect, g.YdrelT2stat, "The relative notch sensitivity factor YdrelT2"},
        {g.YRrelT1refDirect, g.YRrelT1ref, "The relative surface factor YRrelT1"},
        {g.YRrelT2refDirect, g.YRrelT2ref, "The relative surface factor YRrelT2"},
        {g.YX1refDirect, g.YX1ref, "The size factor YX1"},
        {g.YX2refDirect, g.YX2ref, "The size factor YX2"},
        {g.YM1refDirect, g.YM1ref, "The mean stress factor YM1ref"},
        {g.YM1statDirect, g.YM1stat, "The mean stress factor YM1stat"},
        {g.YM2refDirect, g.YM2ref, "The mean stress factor YM2ref"},
        {g.YM2statDirect, g.YM2stat, "The mean stress factor YM2stat"},
    };
    if (!DirectFactorsPositive(direct)) return;
    double N1, N2;
    DetermineWorkingCycles(true, N1, N2);
    SetStaticLifeFactorsYNT();
    ComputeNotchSensitivityFactorYdrelT();
    if (StaticNotchMissing) return;
    ComputeSurfaceFactorYRrelT();
    ComputeSizeFactorYX();
    SetMeanStressSensitivities();

    g.Sigmafpb1stat = g.SigmaFlim1 * g.YST1 * g.YNT1stat * g.YdrelT1stat * g.YRrelT1stat * g.YX1stat * g.YM1stat;
    g.Sigmafpb1ref = g.SigmaFlim1 * g.YST1 * g.YdrelT1ref * g.YRrelT1ref * g.YX1ref * g.YM1ref;
    g.Sigmafpb2stat = g.SigmaFlim2 * g.YST2 * g.YNT2stat * g.YdrelT2stat * g.YRrelT2stat * g.YX2stat * g.YM2stat;
    g.Sigmafpb2ref = g.SigmaFlim2 * g.YST2 * g.YdrelT2ref * g.YRrelT2ref * g.YX2ref * g.YM2ref;
    if (g.Sigmafpb1stat <= g.Sigmafpb1ref) {
        rt::ShowMessage(
            "Reference stress limit SigmaFP1ref can not be greater than the static stress limit SigmaFP1stat");
        g.ResumeCalculation = false;
        return;
    }
    if (g.Sigmafpb2stat <= g.Sigmafpb2ref) {
        rt::ShowMessage(
            "Reference stress limit SigmaFP2ref can not be greater than the static stress limit SigmaFP2stat");
        g.ResumeCalculation = false;
        return;
    }
    FollowBendingCurve(N1, g.Sigmafpb1stat, g.Sigmafpb1ref, g.NFlim1, g.qF1, g.NFstat1, g.SigmaFP1, g.YN1);
    FollowBendingCurve(N2, g.Sigmafpb2stat, g.Sigmafpb2ref, g.NFlim2, g.qF2, g.NFstat2, g.SigmaFP2, g.YN2);
    // A spectrum whose most stressed level reaches the static limit is judged at the static limit.
    const int n = g.LevelCount;
    if (g.LoadInputMethod == kMultilevelLoading && n >= 1 && n <= kMaxLevels) {
        if (LargestLevelStress(g.SigmaF1Level, n) >= g.Sigmafpb1stat) g.SigmaFP1 = g.Sigmafpb1stat;
        if (LargestLevelStress(g.SigmaF2Level, n) >= g.Sigmafpb2stat) g.SigmaFP2 = g.Sigmafpb2stat;
    }
    if (StopUnlessFinite(g.SigmaFP1, "The permissible tooth root stress SigmaFP1"))
        StopUnlessFinite(g.SigmaFP2, "The permissible tooth root stress SigmaFP2");
}

}  // namespace karvelo
