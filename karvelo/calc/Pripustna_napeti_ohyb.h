// Unit Pripustna_napeti_ohyb: the permissible tooth-root stress of pinion and wheel by ISO 6336-3,
// the bending twin of the permissible contact stress: the factors YNT, YdrelT, YRrelT, YX and YM
// with reference and static values, their values for the required life by the same log-log
// interpolation, and the permissible stress from the S-N curve.
#pragma once

namespace karvelo {

// SigmaFP1, SigmaFP2 (and Sigmafpb1/2stat, Sigmafpb1/2ref, NFstat1/2, YN1/2) for the working
// cycles of the load input.  A static stress not above the reference one, or a yield limit the
// static notch sensitivity needs but that is not given, shows a message and clears
// ResumeCalculation.
void ComputePermissibleBendingStress();
// YNT1stat, YNT2stat by material class.
void SetStaticLifeFactorsYNT();
// The slip-layer thickness rho' of each gear [mm] by material class (at least 0).
void ComputeSlipLayerThickness();
// YdrelT1ref/stat, YdrelT2ref/stat (unless entered) from qs, YS and rho', then YdrelT1, YdrelT2.
void ComputeNotchSensitivityFactorYdrelT();
// YRrelT1ref, YRrelT2ref (unless entered) from the root roughness, the static values 1, the actual values.
void ComputeSurfaceFactorYRrelT();
// YX1ref, YX2ref (unless entered) from the module, the static values 1, the actual values.
void ComputeSizeFactorYX();
// M1ref, M1stat, M2ref, M2stat by material class and form, and the mean stress factors
// YM1ref .. YM2stat (unless entered) for the stress ratios R1, R2.
void SetMeanStressSensitivities();

// Slip-layer thickness rho' of the pinion (1) or the wheel (2) as last computed [mm].
double SlipLayerThickness(int gear);

}  // namespace karvelo
