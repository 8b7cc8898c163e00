#include "karvelo/calc/Pripustna_napeti_dotyk.h"

#include <cmath>
#include <string>

#include "karvelo/calc/Global.h"
#include "karvelo/calc/MaterialClasses.h"
#include "karvelo/calc/Vypocty1.h"
#include "karvelo/calc/Vypocty_ekv.h"
#include "runtime/Notice.h"

namespace karvelo {

namespace {

// The gear with the weaker material decides ZL, ZV and ZR of the pair.
struct WeakerMaterialRecord {
    double SigmaHlim = 0;
    double CZL = 0;
    double CZV = 0;
    double Nstat = 0;  // cycles up to which the static strength applies
    double Nlim = 0;   // cycles at the endurance limit
    double N = 0;      // required cycles
};
WeakerMaterialRecord Weaker;

void Clamp(double& x, double low, double high) {
    if (x < low) x = low;
    if (x > high) x = high;
}

// Hardness on the one scale of the work hardening factor.
double CommonHardness(double value, const std::string& unit) { return unit == "HV" ? 0.9378 * value + 3.68196 : value; }

struct ContactCurve {
    double& SigmaHP;
    double& ZN;
    double& NHstat;
    double& SigmaHPknee;
    double SigmaHPstat, SigmaHPref, NHlim, qH, qHknee;
    bool pitting;
};

// Static end and permissible stress of one gear for N working cycles.
void FollowContactCurve(ContactCurve c, double N) {
    using Ext = long double;
    c.NHstat = static_cast<double>(c.NHlim * std::pow(Ext{c.SigmaHPref} / c.SigmaHPstat, Ext{c.qH}));
    if (c.pitting) {
        c.SigmaHPknee = (c.SigmaHPref + c.SigmaHPstat) / 2;
        c.NHstat = static_cast<double>(kPittingKneeCycles * std::pow(Ext{c.SigmaHPknee} / c.SigmaHPstat, Ext{c.qH}));
    }
    Ext sigma;
    if (N <= c.NHstat) {
        sigma = c.SigmaHPstat;
    } else if (N >= c.NHlim) {
        sigma = PermissibleBeyondEndurance(c.SigmaHPref, c.NHlim, N);
    } else if (c.pitting) {
        if (N <= kPittingKneeCycles)
            sigma = c.SigmaHPknee * std::pow(Ext{kPittingKneeCycles} / N, 1 / Ext{c.qH});
        else
            sigma = c.SigmaHPref * std::pow(Ext{c.NHlim} / N, 1 / Ext{c.qHknee});
    } else {
        sigma = c.SigmaHPref * std::pow(Ext{c.NHlim} / N, 1 / Ext{c.qH});
    }
    c.SigmaHP = static_cast<double>(sigma);
    c.ZN = c.SigmaHP / c.SigmaHPref;
}

}  // namespace

bool DirectFactorsPositive(std::span<const DirectFactor> factors) {
    for (const DirectFactor& f : factors)
        if (f.given && !StopUnlessPositive(f.value, f.what)) return false;
    return true;
}

void DetermineWorkingCycles(bool bending, double& N1, double& N2) {
    GlobalData& g = G;
    if (g.LoadInputMethod == kMultilevelLoading) {
        // The approximate methodics give their equivalent cycles, Miner and Haibach theirs.
        if (g.CalcMethodics < kMethodicsMiner) {
            N1 = bending ? g.NFe1 : g.NHe1;
            N2 = bending ? g.NFe2 : g.NHe2;
        } else {
            N1 = bending ? g.NF1ekv : g.NH1ekv;
            N2 = bending ? g.NF2ekv : g.NH2ekv;
        }
        return;
    }
    if (!g.SpectrumInCycles) {
        g.NL1 = 60 * g.NL1h * g.n1;
        g.NL2 = g.NL1 * g.z1 / std::fabs(g.z2);
    }
    N1 = g.NL1;
    N2 = g.NL2;
}

double PermissibleBeyondEndurance(double reference, double Nlim, double N) {
    if (G.CalcMethodics != kMethodicsHaibach) return reference;
    using Ext = long double;
    const double tailExponent = static_cast<double>(std::log(Ext{Nlim} / kHaibachTailEnd) / std::log(kHaibachTailFall));
    // An endurance limit at or beyond the tail's end leaves no tail.
    if (!(tailExponent > 0)) return reference;
    return static_cast<double>(reference * std::pow(Ext{Nlim} / N, 1 / Ext{tailExponent}));
}

double InterpolateLifeFactor(double N, double Nlim, double Nstat, double reference, double statical) {
    if (N >= Nlim) return reference;
    if (N <= Nstat) return statical;
    if (reference == statical) return reference;
    using Ext = long double;
    const Ext e = std::log(Ext{Nlim} / Nstat) / std::log(Ext{reference} / statical);
    return static_cast<double>(reference * std::pow(Ext{N} / Nlim, 1 / e));
}

void SelectWeakerMaterialData() {
    const GlobalData& g = G;
    const bool pinion = g.SigmaHlim1 <= g.SigmaHlim2;
    Weaker.SigmaHlim = pinion ? g.SigmaHlim1 : g.SigmaHlim2;
    Weaker.Nstat = pinion ? g.NLstatH1 : g.NLstatH2;
    Weaker.Nlim = pinion ? g.NHlim1 : g.NHlim2;
    Weaker.N = pinion ? g.NL1 : g.NL2;
}

void SetStaticLifeFactorsZNT() {
    GlobalData& g = G;
    for (auto [code, ZNT] : {std::pair{&g.MaterialCode1, &g.ZNT1stat}, std::pair{&g.MaterialCode2, &g.ZNT2stat}}) {
        if (const double classZNT = MaterialClassOf(*code).ZNTstat; classZNT > 0) *ZNT = classZNT;
    }
}

void ComputeLubricantFactorZL() {
    GlobalData& g = G;
    g.ZLstat = 1;
    SelectWeakerMaterialData();
    const double s = Weaker.SigmaHlim;
    Weaker.CZL = s < 850 ? 0.83 : s <= 1200 ? s / 4375 + 0.6357 : 0.91;
    if (!g.ZLrefDirect) {
        const double viscosityTerm = g.ViscosityGiven ? 1.2 + 80 / g.OilViscosity : 1.2 + 134 / g.OilTemperature;
        g.ZLref = Weaker.CZL + 4 * (1 - Weaker.CZL) / (viscosityTerm * viscosityTerm);
        Clamp(g.ZLref, 0.8, 1.2);
    }
    g.ZL = InterpolateLifeFactor(Weaker.N, Weaker.Nlim, Weaker.Nstat, g.ZLref, g.ZLstat);
}

void ComputeVelocityFactorZV() {
    GlobalData& g = G;
    g.ZVstat = 1;
    SelectWeakerMaterialData();
    g.v = PitchLineVelocity(g.n1);
    if (!g.ZVrefDirect) {
        Weaker.CZV = Weaker.CZL + 0.02;
        g.ZVref = Weaker.CZV + 2 * (1 - Weaker.CZV) / std::sqrt(0.8 + 32 / g.v);
        Clamp(g.ZVref, 0.85, 1.15);
    }
    g.ZV = InterpolateLifeFactor(Weaker.N, Weaker.Nlim, Weaker.Nstat, g.ZVref, g.ZVstat);
}

void ComputeRoughnessFactorZR() {
    GlobalData& g = G;
    g.ZRstat = 1;
    SelectWeakerMaterialData();
    // The radii of curvature at the pitch point are geometry: kept current also for an entered ZR,
    // since the work hardening factor reads them.
    const double tanAlfawt = static_cast<double>(ComputeCheckedTan(g.alfawt));
    g.rho1 = tanAlfawt * g.db1 / 2;
    g.rho2 = tanAlfawt * g.db2 / 2;
    g.rhored = g.rho1 * g.rho2 / (g.rho1 + g.rho2);
    if (!g.ZRrefDirect) {
        const double Rz = (g.RzH1 + g.RzH2) / 2;
        const double Rz10 = Rz * std::pow(10 / g.rhored, 0.33333333333);
        const double s = Weaker.SigmaHlim;
        const double CZR = s < 850 ? 0.15 : s <= 1200 ? 0.32 - 0.0002 * s : 0.08;
        g.ZRref = std::pow(3 / Rz10, CZR);
        Clamp(g.ZRref, 0.75, 1.15);
    }
    g.ZR = InterpolateLifeFactor(Weaker.N, Weaker.Nlim, Weaker.Nstat, g.ZRref, g.ZRstat);
}

void ComputeWorkHardeningFactorZW() {
    GlobalData& g = G;
    if (!g.ZW2statDirect) g.ZW2stat = 1;
    if (!g.ZW2refDirect) g.ZW2ref = 1;
    if (g.MaterialCode2 == "St" || g.MaterialCode2 == "V") {
        const double H1 = CommonHardness(g.HV1, g.HardnessUnit1);
        const double H2 = CommonHardness(g.HV2, g.HardnessUnit2);
        if (H1 >= H2) {
            const std::string& pinion = g.MaterialCode1;
            if (IsOneOfClasses(pinion, kCastIron)) {
                // a cast pinion does not work-harden the wheel
            } else if (IsOneOfClasses(pinion, kSurfaceHardenedAndNitrided)) {
                // Surface hardened pinion against a through hardened wheel.
                if (g.ViscosityGiven) g.OilTemperature = std::nearbyint(1.82411 * g.OilViscosity - 9.3480569);
                const double RzH = g.RzH1 * std::pow(10 / g.rhored, 0.33) * std::pow(g.RzH1 / g.RzH2, 0.66) /
                                   std::pow(g.OilTemperature * g.v / 1500, 0.33);
                const double HB = H2;
                const double roughness = std::pow(3 / RzH, 0.15);
                if (!g.ZW2refDirect) {
                    if (HB < 130)
                        g.ZW2ref = 1.2 * roughness;
                    else if (HB <= 470)
                        g.ZW2ref = (1.2 - (HB - 130) / 1700) * roughness;
                    else
                        g.ZW2ref = roughness;
                }
                if (!g.ZW2statDirect) g.ZW2stat = HB < 130 ? 1.05 : HB <= 470 ? 1.05 - (HB - 130) / 6800 : 1.0;
            } else {
                // Through hardened pinion, harder than the wheel.
                if (!g.ZW2statDirect) g.ZW2stat = 1;
                if (!g.ZW2refDirect) {
                    const double B = 0.00898 * H1 / H2 - 0.00829;
                    double ratio = std::fabs(g.z2 / g.z1);
                    if (ratio > 20) ratio = 20;
                    const double hardnessRatio = H1 / H2;
                    g.ZW2ref = hardnessRatio < 1.2    ? 1
                               : hardnessRatio <= 1.7 ? 1 + B * (ratio - 1)
                                                      : 1 + 0.00698 * (ratio - 1);
                }
            }
            if (!g.ZW2refDirect) Clamp(g.ZW2ref, 1, 1.2);
            if (!g.ZW2statDirect) Clamp(g.ZW2stat, 1, 1.2);
        }
    }
    g.ZW = InterpolateLifeFactor(g.NL2, g.NHlim2, g.NLstatH2, g.ZW2ref, g.ZW2stat);
}

void ComputePermissibleContactStress() {
    GlobalData& g = G;
    // Factors given directly are positive: the life interpolation takes the logarithm of their
    // ratio to the static value, and the life factor is the permissible stress over their product.
    const DirectFactor direct[] = {
        {g.ZLrefDirect, g.ZLref, "The lubricant factor ZL"},
        {g.ZVrefDirect, g.ZVref, "The velocity factor ZV"},
        {g.ZRrefDirect, g.ZRref, "The roughness factor ZR"},
        {g.ZW2refDirect, g.ZW2ref, "The work hardening factor ZW"},
        {g.ZW2statDirect, g.ZW2stat, "The work hardening factor ZW"},
    };
    if (!DirectFactorsPositive(direct)) return;
    double N1, N2;
    DetermineWorkingCycles(false, N1, N2);
    SetStaticLifeFactorsZNT();
    ComputeLubricantFactorZL();
    ComputeVelocityFactorZV();
    ComputeRoughnessFactorZR();
    ComputeWorkHardeningFactorZW();

    const double common = g.ZLstat * g.ZVstat * g.ZRstat;
    g.SigmaHP1stat = g.SigmaHlim1 * g.ZNT1stat * common;
    g.SigmaHP1ref = g.SigmaHlim1 * g.ZLref * g.ZVref * g.ZRref;
    g.SigmaHP2stat = g.SigmaHlim2 * g.ZNT2stat * common * g.ZW2stat;
    g.SigmaHP2ref = g.SigmaHlim2 * g.ZLref * g.ZVref * g.ZRref * g.ZW2ref;
    if (g.SigmaHP1stat <= g.SigmaHP1ref) {
        rt::ShowMessage(
            "Reference stress limit SigmaHP1ref can not be greater than the static stress limit SigmaHP1stat");
        g.ResumeCalculation = false;
        return;
    }
    if (g.SigmaHP2stat <= g.SigmaHP2ref) {
        rt::ShowMessage(
            "Reference stress limit SigmaHP2ref can not be greater than the static stress limit SigmaHP2stat");
        g.ResumeCalculation = false;
        return;
    }
    FollowContactCurve({g.SigmaHP1, g.ZN1, g.NHstat1, g.SigmaHP1knee, g.SigmaHP1stat, g.SigmaHP1ref, g.NHlim1, g.qH1,
                        g.qH1knee, g.PittingAllowed1},
                       N1);
    FollowContactCurve({g.SigmaHP2, g.ZN2, g.NHstat2, g.SigmaHP2knee, g.SigmaHP2stat, g.SigmaHP2ref, g.NHlim2, g.qH2,
                        g.qH2knee, g.PittingAllowed2},
                       N2);
    // A spectrum whose most stressed level reaches the static limit is judged at the static limit.
    const int n = g.LevelCount;
    if (g.LoadInputMethod == kMultilevelLoading && n >= 1 && n <= kMaxLevels) {
        if (LargestLevelStress(g.SigmaH1Level, n) >= g.SigmaHP1stat) g.SigmaHP1 = g.SigmaHP1stat;
        if (LargestLevelStress(g.SigmaH2Level, n) >= g.SigmaHP2stat) g.SigmaHP2 = g.SigmaHP2stat;
    }
    if (StopUnlessFinite(g.SigmaHP1, "The permissible contact stress SigmaHP1"))
        StopUnlessFinite(g.SigmaHP2, "The permissible contact stress SigmaHP2");
}

}  // namespace karvelo
