// Unit Epsilon: contact ratios of the pair, taking into account that an undercut gear shortens
// the active flank of its mate.  Cheap and free of side effects beyond the values it sets; the
// calculation driver, the stress routines and several windows call it whenever they need
// current contact ratios.
#pragma once

namespace karvelo {

extern double xUndercut1, xUndercut2;  // smallest profile shift coefficient without undercut
extern double alfaU1, alfaU2;          // transverse pressure angle at dU1, dU2 [rad]
extern double daLimited1, daLimited2;  // tip diameters as limited by the mate's undercut [mm]

// Undercut1/2, dU1/2, alfaU1/2 (and hFfP, hFf): an undercut gear's usable involute starts at dU.
void ComputeUndercutDiameters();

// daLimited1/2: the tip diameter beyond which a gear would meet the undercut part of its mate.
void LimitActiveTipDiameters();

// epsalfa, epsbeta, epsgama, epsalfan and the active tip diameters dNa1, dNa2.  When an active tip
// diameter lies below its base diameter the pair has no transverse contact: epsalfa, epsgama and
// epsalfan are set to 0, so a calculation stops at its total contact ratio test.
void ComputeContactRatios();

}  // namespace karvelo
