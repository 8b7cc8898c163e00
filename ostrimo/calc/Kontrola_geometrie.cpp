// The central computation of the geometry check.
#include "ostrimo/calc/Kontrola_geometrie.h"

#include <algorithm>
#include <cmath>

#include "ostrimo/calc/Geometricke_vypocty.h"
#include "ostrimo/calc/Global.h"
#include "ostrimo/calc/Kontrolni_rozmery.h"
#include "ostrimo/calc/Protubrack.h"
#include "ostrimo/calc/Vypocty.h"
#include "ostrimo/calc/Vypocty_Fellow.h"
#include "runtime/Notice.h"

namespace ostrimo {

namespace {

using Step = void (*)();

// A step that runs only while no impossible value was met.
void Guarded(Step step) {
    if (!G.ErrorFlag) step();
}

void ResetVerdicts() {
    GlobalData& g = G;
    g.ErrorFlag = false;
    g.NoCalcMessageShown = true;
    g.UndercutPinion = g.UndercutWheel = false;
    g.InterferencePinionRoot = g.InterferenceWheelRoot = false;
    g.PinionTipClearanceOk = g.WheelTipClearanceOk = true;
    g.PinionNoDepth = g.WheelNoDepth = g.WheelBaseAboveTip = g.TipsNotInContact = false;
    g.AmcSumBelowCritical = g.AmcSumAboveCritical = g.CutterAmcSumAboveCritical = false;
    g.PinionTipTooThin = g.WheelTipTooThin = false;
    g.CutterTeethTooMany = g.CutterUndercut = false;
    g.PinionTipBelowWheelRoot = g.WheelTipBelowPinionRoot = false;
    g.InternalWheelChamfer = g.TipInterference = g.CutterTruncatesWheelTips = false;
    g.AssemblyInterferenceTooth = g.AssemblyInterferenceSpace = false;
    g.TipCirclesOverlap = false;
}

// Each branch tells whether it ran to its end (no fatal verdict stopped it).
bool CheckExternalPair() {
    GlobalData& g = G;
    const bool rack = g.RackMate;
    Guarded(CheckTipDiameters);
    Guarded(CheckTipClearance);
    if (g.WheelNoDepth || g.PinionNoDepth || g.PinionTipBelowWheelRoot || g.WheelTipBelowPinionRoot ||
        g.AmcSumBelowCritical)
        return false;
    Guarded(ComputePitchesAndFormDiameters);
    Guarded(rack ? ComputeChamferInvolutesRack : ComputeChamferInvolutes);
    if (g.Protuberance1 || g.Protuberance2) Guarded(ComputeProtuberanceResults);
    // after the form diameters, which reset the rack's flank depth
    if (rack && g.Protuberance2) Guarded(ComputeRackProtuberanceHeight);
    Guarded(rack ? CheckInterferenceRack : CheckInterferenceExternal);
    Guarded(ComputeInvoluteLengthsExternal);
    Guarded(ComputeContactRatioExternal);
    Guarded(ComputeToothThicknesses);
    if (rack) Guarded(ComputeRackToothThickness);
    Guarded(rack ? ComputeSpecificSlidingsRack : ComputeSpecificSlidingsExternal);
    Guarded(ComputeVirtualTeethNumbers);
    Guarded(ComputeContactLineLengths);
    Guarded(ComputeTestDimensions);
    return true;
}

bool CheckInternalPair() {
    GlobalData& g = G;
    Guarded(CheckInternalGearing);
    Guarded(ComputeFellowCutterDimensions);
    Guarded(ComputeCutterTipThickness);
    Guarded(CheckTipClearance);
    if (g.WheelBaseAboveTip || g.WheelNoDepth || g.PinionNoDepth || g.PinionTipBelowWheelRoot ||
        g.WheelTipBelowPinionRoot || g.AmcSumAboveCritical || g.CutterAmcSumAboveCritical)
        return false;
    Guarded(ComputePitchesAndFormDiameters);
    ComputeChamferInvolutes();  // also after an impossible value
    Guarded(CheckInterferenceInternal);
    Guarded(ComputeInvoluteLengthsInternal);
    Guarded(ComputeContactRatioInternal);
    Guarded(ComputeToothThicknesses);
    Guarded(ComputeSpecificSlidingsInternal);
    Guarded(ComputeVirtualTeethNumbers);
    Guarded(ComputeContactLineLengths);
    Guarded(ComputeTestDimensions);
    return true;
}

bool CheckBevelPair() {
    GlobalData& g = G;
    Guarded(CheckTipDiameters);
    Guarded(CheckBevelTipClearance);
    if (g.PinionTipBelowWheelRoot || g.WheelTipBelowPinionRoot || g.AmcSumBelowCritical) return false;
    Guarded(ComputePitchesAndFormDiameters);
    Guarded(CheckInterferenceBevel);
    Guarded(ComputeBevelActiveDiameters);
    Guarded(ComputeToothThicknesses);
    Guarded(ComputeSpecificSlidingsExternal);
    return true;
}

// The key results of a finished check are numbers; inputs that no guard caught but
// that leave them undefined are refused like any impossible value.
void RefuseResultsThatAreNotNumbers() {
    const GlobalData& g = G;
    const double key[] = {g.d1, g.d2, g.da1, g.da2, g.df1, g.df2, g.db1, g.db2, g.awCheck, g.alfawtCheck,
                          g.epsilonalfa, g.epsilongamma, g.s1, g.s2, g.sa1, g.sa2};
    for (double v : key) {
        if (std::isfinite(v)) continue;
        rt::MessageBox("Impossible gearing parameters - the geometry cannot be computed.", kErrorCaption, rt::MB_OK);
        G.ErrorFlag = true;
        return;
    }
}

}  // namespace

void ComputeGeometryCheck() {
    ComputationScope computation;
    GlobalData& g = G;
    ResetVerdicts();
    if (g.GearingType < 1 || g.GearingType > 3) return;
    if (g.LastComputingInput == 0) ComputeWorkingCentreDistance();
    // the working copies every check uses, from the working centre distance just found
    g.awCheck = g.BacklashByShifting ? g.awBacklash : g.aw;
    g.alfawtCheck = g.BacklashByShifting ? g.alfawtBacklash : g.alfawt;
    const bool completed = g.GearingType == 1   ? CheckExternalPair()
                           : g.GearingType == 2 ? CheckInternalPair()
                                                : CheckBevelPair();
    if (completed && !g.ErrorFlag) RefuseResultsThatAreNotNumbers();
}

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
