// Unit Rozmery: masses and moments of inertia of the gear bodies, which the dynamic factor by
// method B needs unless J1, J2 are entered.  The dimensions window runs it after each accepted
// dimension; the Kv routines before they use J1, J2.
#pragma once

namespace karvelo {

// m1, J1, m2, J2 from the body dimensions: each gear is a set of concentric rings (teeth, rim,
// web, hub; an internal wheel only teeth and rim) of density ro_steel.
void ComputeGearMassAndInertia();

}  // namespace karvelo
