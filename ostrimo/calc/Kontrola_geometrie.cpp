// The central computation of the geometry check.
#include "ostrimo/calc/Kontrola_geometrie.h"

#include <algorithm>
#include <cmath>

#include "ostrimo/calc/Global.h"
#include "ostrimo/calc/Kontrolni_rozmery.h"

namespace ostrimo {

void ComputeTestDimensions() {
    GlobalData& g = G;
    if (!g.TestDimensionsActive || g.SkipTestDimensions) return;
    const bool internal = g.GearingType == 2;
    const bool wheelBalls = !g.RackMate;  // a rack has no measurement over balls
    ComputeSpanTeethRange();

    // effective tips for the balls
    if (!g.Chamfer1) g.ChamferDiameter1 = g.da1;
    const double tip1 = std::min(g.ChamferDiameter1, g.da1);
    if (internal ? !g.InternalWheelChamfer : !g.Chamfer2) g.ChamferDiameter2 = g.da2;
    const double tip2 = std::min(g.ChamferDiameter2, g.da2);

    // contact on the working pitch circles, kept on the involutes
    g.dM1 = g.dw1;
    g.dM2 = std::fabs(g.dw2);
    if (internal && g.z1 == -g.z2) g.dM2 = std::fabs((g.da2 + g.InvoluteStartDiameter2) / 2);
    g.M1 = g.dM1 + 2 * g.mn;
    g.M2 = internal ? g.dM2 - 2 * g.mn : g.dM2 + 2 * g.mn;
    if (g.dM1 > tip1 || g.dM1 < g.InvoluteStartDiameter1) g.dM1 = (tip1 + g.InvoluteStartDiameter1) / 2;
    if (internal) {
        const double inner = std::fabs(tip2), outer = std::fabs(g.InvoluteStartDiameter2);
        if (g.dM2 < inner || g.dM2 > outer) g.dM2 = (inner + outer) / 2;
    } else if (g.dM2 > tip2 || g.dM2 < g.InvoluteStartDiameter2) {
        g.dM2 = (tip2 + g.InvoluteStartDiameter2) / 2;
    }

    ComputeBallDiameterRange1();
    if (wheelBalls) ComputeBallDiameterRange2();
    ComputeBallDiameterForContact1();
    if (wheelBalls) ComputeBallDiameterForContact2();
    if (g.dt1 < g.dtMin1 || g.dt1 > g.dtMax1) {
        g.dt1 = (g.dtMin1 + g.dtMax1) / 2;
        ComputeDimensionOverBalls1();
    }
    if (wheelBalls && (g.dt2 < g.dtMin2 || g.dt2 > g.dtMax2)) {
        g.dt2 = (g.dtMin2 + g.dtMax2) / 2;
        ComputeDimensionOverBalls2();
    }

    ComputeSpanMeasurements();

    if (g.ChordConstant1) ComputeConstantChord1();
    if (g.ChordConstant2) ComputeConstantChord2();
    if (g.ChordOnReference1) ComputeReferenceChordalThickness1();
    if (g.ChordOnReference2) ComputeReferenceChordalThickness2();
    if (g.ChordChosen1) ComputeConstantChord1();
    if (g.ChordChosen2) ComputeConstantChord2();
}

}  // namespace ostrimo
