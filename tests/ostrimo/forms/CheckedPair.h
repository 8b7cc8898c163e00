// A gear pair checked through the core as the main dialog leaves it: the defaults of the
// gearing type, the inputs changed, the pair's dimensions and the complete check.
#pragma once

#include <functional>

#include "ostrimo/calc/Geometricke_vypocty.h"
#include "ostrimo/calc/Global.h"
#include "ostrimo/calc/Kontrola_geometrie.h"

namespace ostrimo::test {

inline void CheckPair(int gearingType, const std::function<void()>& inputs = {}) {
    G = GlobalData{};
    G.GearingType = gearingType;
    SetDefaultGearData();
    if (inputs) inputs();
    if (G.RackMate)
        ComputeRackPairDimensions();
    else
        ComputeGearPairDimensions();
    ComputeGeometryCheck();
}

// Pairs of the window tests.
inline void HelicalPair() {  // 40/60, helix 15 degrees: no verdict
    G.z1 = 40, G.z2 = 60, G.betaDeg = 15, G.beta = DegToRad(15);
}
inline void SmallPinionPair() {  // 7/9, x1 0.4: undercut, interference, thin tip, contact ratio < 1
    G.z1 = 7, G.z2 = 9, G.x1 = G.xsum = 0.4;
}
inline void InternalPair() { G.z1 = 30, G.z2 = -36, G.z0 = 20; }      // cut by a shaper cutter of 20 teeth
inline void BevelPair() { G.z1Bevel = 20, G.z2Bevel = 40, G.b = 6; }  // cone distance 22.4
inline void RackPair() { G.RackMate = true; }

}  // namespace ostrimo::test
