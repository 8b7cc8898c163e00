// Unit SouciniteleZ: the influence factors of the contact stress (ISO 6336-2): elasticity factor
// ZE, zone factor ZH, contact ratio factor Zepsilon, helix angle factor Zbeta and the single pair
// tooth contact factors ZB (pinion) and ZD (wheel).  A factor marked as entered directly
// (ZepsilonDirect, ZBDirect, ZDDirect) keeps its value.
#pragma once

namespace karvelo {

// ZE, ZH and, unless entered, Zepsilon.  Needs the contact ratios.
void ComputeContactZFactors();

// M1 (the single pair factor before the helix correction) and ZB, unless ZBDirect.
void ComputeSinglePairFactor1();

// M2 and ZD, unless ZDDirect.  An internal pair has M2 = ZD = 1.
void ComputeSinglePairFactor2();

// Zbeta = 1 / sqrt(cos(beta)).
void ComputeHelixFactorZbeta();

}  // namespace karvelo
