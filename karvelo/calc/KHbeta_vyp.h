// Unit KHbeta_vyp: the face load factor for contact stress KHbeta by ISO 6336-1 method C for the
// single load: pinion offset constant K', contact pattern rule, helix modification factors,
// component deflection fsh, initial and effective equivalent misalignment Fbx, Fby and the helix
// running-in allowance ybeta.  The calculation driver and the KHbeta windows call ComputeKHbeta;
// the per-level twin (unit Vypocet1i) shares its load-dependent steps.
#pragma once

namespace karvelo {

// v, ybeta1, ybeta2, ybeta from Fbx.  Level 1..20 takes the speed n1Level[Level] of a spectrum
// (kMultilevelLoading); any other Level (the single load passes 22) takes n1.
void ComputeHelixRunningInAllowance(int Level);
// Kprime, ContactInfluence, B1, B2 and, for kCentralCrowning, fma (unless fmaDirect).
void DeterminePinionOffsetConstant();
// KHbeta of the single load (and Kv first, by the selected method, for one load or the
// approximate spectrum methodics unless Kv is entered).
void ComputeKHbeta();

// fHbeta1, fHbeta2 (tolerance of the grade or the entered value) and fHbeta5 (grade 5).
void SetHelixSlopeDeviations();
// The load-dependent steps for the mean transverse load Fm [N] at spectrum level `Level` (as for
// ComputeHelixRunningInAllowance): fsh, fma (unless entered), Fbx, ybeta, Fby and the
// stiffnesses; returns KHbeta (at least 1).  K' and the helix factors must be current.
double ComputeKHbetaForLoad(double Fm, int Level);

}  // namespace karvelo
