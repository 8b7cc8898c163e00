// Unit Pripustna_napeti_dotyk: the permissible contact stress of pinion and wheel by ISO 6336-2.
// Every influence factor (ZL, ZV, ZR, ZW) has a reference (endurance) and a static value; its value
// for the required life is interpolated between them on a log-log scale.  The permissible stress
// follows the S-N curve between the static and the reference stress, with the options of
// permissible pitting and of the Haibach tail below the endurance limit.
#pragma once

#include <span>

namespace karvelo {

// SigmaHP1, SigmaHP2 (and their static, reference and knee values, NHstat1/2, ZN1/2) for the
// working cycles of the load input.  A static stress not above the reference one shows its
// message and clears ResumeCalculation.
void ComputePermissibleContactStress();
// The work record of the gear with the smaller SigmaHlim (the pinion on a tie): its SigmaHlim,
// static cycles NLstatH, endurance cycles NHlim and required cycles NL.
void SelectWeakerMaterialData();
// ZNT1stat, ZNT2stat by material class.
void SetStaticLifeFactorsZNT();
// ZLref (unless entered), ZLstat, ZL.
void ComputeLubricantFactorZL();
// v, ZVref (unless entered), ZVstat, ZV.
void ComputeVelocityFactorZV();
// rho1, rho2, rhored, ZRref (unless entered), ZRstat, ZR.
void ComputeRoughnessFactorZR();
// ZW2ref, ZW2stat (each unless entered), ZW.
void ComputeWorkHardeningFactorZW();

// Working cycles N1, N2 of pinion and wheel: for a spectrum the equivalent cycles of its methodics
// (for contact or, with `bending`, for bending), else the required cycles NL1, NL2 (first converted
// from the life NL1h when lives are given in hours).
void DetermineWorkingCycles(bool bending, double& N1, double& N2);
// Permissible stress at N >= Nlim cycles: the reference stress, or by kMethodicsHaibach the
// tail that falls to 0.85 of it at 1e10 cycles.  The tail's exponent ln(Nlim/1e10)/ln(0.85) is
// the curve's own: the case's Haibach exponents (qH_1 .. qF_2, entered with the material and used
// by the damage sums) are left as they are, so that a calculation depends on the case alone.
double PermissibleBeyondEndurance(double reference, double Nlim, double N);
// A factor that may be given directly: its flag, its value and the name of the factor it makes.
struct DirectFactor {
    bool given;
    double value;
    const char* what;
};
// False, after the stop "<what> can not be calculated from these input data.", when a factor that
// is given is not greater than 0.
bool DirectFactorsPositive(std::span<const DirectFactor> factors);
// A life factor for N cycles between its static value (up to Nstat cycles) and its reference
// value (from Nlim cycles), interpolated on a log-log scale.
double InterpolateLifeFactor(double N, double Nlim, double Nstat, double reference, double statical);

}  // namespace karvelo
