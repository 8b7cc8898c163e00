// The central computation of the geometry check.
#include "ostrimo/calc/Kontrola_geometrie.h"

#include <algorithm>
#include <cmath>
#include <vector>

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
    g.PinionUndercutCutsInvolute = g.WheelUndercutCutsInvolute = false;
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

// The results of the steps after the clearance check and the test dimensions: not computed
// until a step of this check computes them, so that none is left from an earlier case.
void ForgetResults() {
    GlobalData& g = G;
    // clang-format off
    for (double* v :
         {&g.pt, &g.pbt, &g.zn1, &g.zn2, &g.epsilonalfa, &g.epsilonbeta, &g.epsilongamma, &g.ContactLength1Pair,
          &g.ContactLengthMin, &g.ContactLengthMax, &g.InvoluteStartDiameter1, &g.InvoluteStartDiameter2,
          &g.MeshStartDiameter1, &g.MeshStartDiameter2, &g.MeshEndDiameter1, &g.MeshEndDiameter2,
          &g.ChamferDiameter1, &g.ChamferDiameter2, &g.sChamfer1, &g.sChamfer2, &g.sf1, &g.sf2, &g.sb1, &g.sb2,
          &g.sInv1, &g.sInv2, &g.sw1, &g.sw2, &g.s1, &g.s2, &g.sa1, &g.sa2, &g.sae1, &g.sae2, &g.dai1, &g.dai2,
          &g.InvoluteLength1, &g.InvoluteLength2, &g.OperatingInvoluteLength1, &g.OperatingInvoluteLength2,
          &g.SpecificSlidingRoot1, &g.SpecificSlidingRoot2, &g.SpecificSlidingTip1, &g.SpecificSlidingTip2,
          &g.da1Limit, &g.da2Limit, &g.RackAddendumLimit, &g.z1min, &g.x1min, &g.z2min, &g.x2min,
          &g.da2CutterLimit, &g.RackFlankDepth, &g.RackUsedDepth})
        // clang-format on
        *v = kNotComputed;
    ForgetTestDimensions();
    g.CheckComplete = false;
}

// The steps of each gearing type; a fatal verdict ends a branch after its clearance check.
// Each tells whether it ran to its end.
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

void AddVerdictValues(std::vector<double>& v) {
    const GlobalData& g = G;
    const bool rack = g.RackMate, internal = g.GearingType == kInternalGearing;
    const double aw = g.BacklashByShifting ? g.awBacklash : g.aw;
    const double clearance1 = aw - (g.df2 + g.da1) / 2, clearance2 = aw - (g.df1 + g.da2) / 2;
    v.push_back(g.epsilongamma);
    if (g.TipsNotInContact) v.push_back(aw - (g.da1 + g.da2) / 2);
    if (g.InterferencePinionRoot || g.PinionUndercutCutsInvolute) v.push_back(rack ? g.RackAddendumLimit : g.da2Limit);
    if (g.InterferenceWheelRoot || g.WheelUndercutCutsInvolute) v.push_back(g.da1Limit);
    if (g.UndercutPinion && !g.Protuberance1) v.insert(v.end(), {g.z1min, g.x1min});
    if (!internal && g.UndercutWheel && !g.Protuberance2) v.insert(v.end(), {g.z2min, g.x2min});
    if (!g.PinionTipClearanceOk) v.push_back(clearance1);
    if (!g.WheelTipClearanceOk) v.push_back(clearance2);
    if (internal) {
        if (g.WheelBaseAboveTip) v.insert(v.end(), {g.db2, g.da2});
        if (g.InternalWheelChamfer) v.push_back(g.da2CutterLimit);
    }
}

void AddPairTableValues(std::vector<double>& v) {
    const GlobalData& g = G;
    const bool rack = g.RackMate, internal = g.GearingType == kInternalGearing;
    const bool pitch = g.z1 != -g.z2;  // equal internal numbers of teeth have no pitch circles
    auto pair = [&](double pinion, double wheel, bool wheelShown = true) {
        v.push_back(pinion);
        if (wheelShown) v.push_back(wheel);
    };
    // clang-format off
    v.insert(v.end(), {g.jn, g.mn, g.mt, g.betaDeg, g.betabDeg, g.alfatDeg,
                       RadToDeg(g.BacklashByShifting ? g.alfawtBacklash : g.alfawt), g.k, g.b, g.b / g.mn,
                       g.epsilonalfa, g.epsilonbeta, g.epsilongamma, g.ContactLength1Pair, g.ContactLengthMin,
                       g.ContactLengthMax, g.pt, g.pbt, g.haP1, g.haP2, g.cP1, g.cP2, g.rofP1, g.rofP2, g.alfaP});
    // clang-format on
    if (!rack) v.insert(v.end(), {g.BacklashByShifting ? g.awBacklash : g.aw, g.ad, g.aw});
    pair(g.z1, g.z2, !rack);
    pair(g.zn1, g.zn2, !rack);
    const bool extraAmc = g.BacklashByExtraAmc;
    pair(extraAmc ? g.x1BeforeBacklash : g.x1, extraAmc ? g.xsumNoBacklash - g.x1BeforeBacklash : g.x2, !rack);
    v.insert(v.end(), {g.xsum, extraAmc ? g.xsumBacklash : g.xsum});
    pair(g.x1, g.x2, !rack);
    pair(g.x1 * g.mn, g.x2 * g.mn, !rack);
    pair(g.df1, g.df2, !rack);
    pair(g.db1, g.db2, !rack);
    pair(g.InvoluteStartDiameter1, g.InvoluteStartDiameter2, !rack);
    pair(g.MeshStartDiameter1, g.MeshStartDiameter2, !rack);
    if (pitch) pair(g.dw1, g.dw2, !rack);
    pair(g.d1, g.d2, !rack);
    pair(g.MeshEndDiameter1, g.MeshEndDiameter2, !rack);
    pair(g.da1, g.da2, !rack);
    const bool chamfer1 = g.Chamfer1 && g.ChamferDiameter1 < g.da1;
    const bool chamfer2 = internal ? g.InternalWheelChamfer && g.ChamferDiameter2 < g.da2
                          : rack   ? g.Chamfer2 && g.mn * g.ChamferHeightFactor2 < g.ha2
                                   : g.Chamfer2 && g.ChamferDiameter2 < g.da2;
    if (chamfer1) v.insert(v.end(), {g.ChamferDiameter1, g.sChamfer1});
    if (chamfer2) {
        v.push_back(g.sChamfer2);
        if (!rack) v.push_back(g.ChamferDiameter2);
    }
    v.push_back(InterferenceOverlap(1));
    v.push_back(InterferenceOverlap(2));
    if (!(g.df1 < g.db1)) v.push_back(g.sf1);
    if (!rack && !(std::fabs(g.db2) > std::fabs(g.df2))) v.push_back(g.sf2);
    pair(g.sb1, g.sb2, !rack);
    pair(g.sInv1, g.sInv2);
    if (pitch) pair(g.sw1, g.sw2);
    pair(g.s1, g.s2);
    pair(g.sa1, g.sa2);
    v.push_back((g.d1 - g.df1) / 2);
    v.push_back(rack ? g.hf2 : (g.d2 - g.df2) / 2);
    v.push_back((g.da1 - g.d1) / 2);
    v.push_back(rack ? g.ha2 : (g.da2 - g.d2) / 2);
    v.push_back((g.da1 - g.df1) / 2);
    v.push_back(rack ? g.ha2 + g.hf2 : (g.da2 - g.df2) / 2);
    pair(g.InvoluteLength1, g.InvoluteLength2);
    pair(g.OperatingInvoluteLength1, g.OperatingInvoluteLength2);
    pair(g.SpecificSlidingRoot1, g.SpecificSlidingRoot2);
    pair(g.SpecificSlidingTip1, g.SpecificSlidingTip2);
    pair(g.b / g.d1, g.b / g.d2, !rack);
    // tools
    pair(g.ToolAddendumFactor1, g.ToolAddendumFactor2, !internal);
    pair(g.ToolCrestRadiusFactor1, g.ToolCrestRadiusFactor2, !internal);
    if (g.Chamfer1) v.insert(v.end(), {g.ChamferHeightFactor1, g.ChamferAngleDeg1});
    if (!internal && g.Chamfer2) v.insert(v.end(), {g.ChamferHeightFactor2, g.ChamferAngleDeg2});
    if (g.Protuberance1) v.insert(v.end(), {RadToDeg(g.ProtuberanceAngle1), g.haP01, g.ProtuberanceSize1});
    if (!internal && g.Protuberance2) v.insert(v.end(), {RadToDeg(g.ProtuberanceAngle2), g.haP02, g.ProtuberanceSize2});
    if (internal) v.insert(v.end(), {g.a0, g.x0, g.da0, g.sa0, g.roa0, g.rof0});
}

void AddTestDimensionValues(std::vector<double>& v) {
    const GlobalData& g = G;
    const bool wheel = !g.RackMate;
    auto pair = [&](double pinion, double wheelValue) {
        v.push_back(pinion);
        if (wheel) v.push_back(wheelValue);
    };
    pair(g.W1, g.W2);
    pair(SpanContactDiameter(g.W1, g.db1), SpanContactDiameter(g.W2, g.db2));
    if (g.beta > 0) pair(g.MinFacewidthSpan1, g.MinFacewidthSpan2);
    if (g.ChordValid1) v.insert(v.end(), {g.sc1, g.hc1});
    if (g.ChordValid2) v.insert(v.end(), {g.sc2, g.hc2});
    pair(g.M1, g.M2);
    pair(g.dt1, g.dt2);
    pair(g.dM1, g.dM2);
}

void AddBevelTableValues(std::vector<double>& v) {
    const GlobalData& g = G;
    const double middle = 1 - g.bRatio / 2;
    // clang-format off
    v.insert(v.end(), {g.z2Bevel / g.z1Bevel, RadToDeg(g.Sigma), g.z1Bevel, g.z2Bevel, g.mn, g.mtm, g.betaDeg, g.b,
                       g.Le, g.x1, g.x2, g.x1 * g.mn, g.x2 * g.mn, g.xsum, g.dfe1, g.dfe2, g.de1, g.de2, g.dae1,
                       g.dae2, g.de1 * middle, g.de2 * middle, g.dai1, g.dai2, g.sae1, g.sae2, g.sa1, g.sa2,
                       g.mn * g.hf1 / g.mtm, g.mn * g.hf2 / g.mtm, g.mn * g.ha1 / g.mtm, g.mn * g.ha2 / g.mtm,
                       g.mn * g.h1 / g.mtm, g.mn * g.h2 / g.mtm, RadToDeg(g.deltaf1), RadToDeg(g.deltaf2),
                       RadToDeg(g.delta1), RadToDeg(g.delta2), RadToDeg(g.deltaa1), RadToDeg(g.deltaa2), g.b / g.de1,
                       g.b / g.de2, g.b / g.mn, g.bRatio, std::cos(g.delta1) * g.b, std::cos(g.delta2) * g.b, g.z1,
                       g.z2, g.d1, g.d2, g.alfawtDeg, g.SpecificSlidingRoot1, g.SpecificSlidingRoot2,
                       g.SpecificSlidingTip1, g.SpecificSlidingTip2, g.epsilonalfa, g.epsilonbeta, g.epsilongamma,
                       g.b / g.d1, g.b / g.d2, g.z1Bevel / std::sin(g.delta1), 1 / std::sin(g.delta1),
                       1 / std::sin(g.delta2), g.haP1, g.haP2, g.cP1, g.cP2, g.rofP1, g.rofP2, g.alfaP});
    // clang-format on
    if (g.TipsNotInContact) v.push_back(g.aw - (g.da1 + g.da2) / 2);
    if (g.UndercutPinion) v.insert(v.end(), {g.x1min * std::cos(g.delta1), g.z1min});
    if (g.UndercutWheel) v.insert(v.end(), {g.x2min * std::cos(g.delta2), g.z2min});
}

struct ShownValues {
    std::vector<double> Results, TestDimensions;
};

ShownValues ShownValuesOfTheCheck() {
    ShownValues shown;
    if (G.GearingType == kBevelGearing) {
        AddBevelTableValues(shown.Results);
    } else if (G.GearingType == kExternalGearing || G.GearingType == kInternalGearing) {
        AddVerdictValues(shown.Results);
        AddPairTableValues(shown.Results);
        AddTestDimensionValues(shown.TestDimensions);
    }
    return shown;
}

// What the check shows must be numbers: inputs that no guard caught but that leave a shown value
// undefined or infinite are refused like any impossible value.  A value the check did not
// compute is shown as such: the results of a check ended by a fatal verdict, and the test
// dimensions that were not asked for or that no gear can have; a check that ran to its end
// computed every other result.
void RefuseResultsThatAreNotNumbers(bool complete) {
    const ShownValues shown = ShownValuesOfTheCheck();
    const auto number = [](double v, bool mayBeNotComputed) {
        return Computed(v) ? std::isfinite(v) : mayBeNotComputed;
    };
    for (double v : shown.Results)
        if (!number(v, !complete)) return RefuseImpossibleGeometry();
    for (double v : shown.TestDimensions)
        if (!number(v, true)) return RefuseImpossibleGeometry();
}

}  // namespace

void ComputeGeometryCheck() {
    ComputationScope computation;
    GlobalData& g = G;
    ResetVerdicts();
    if (g.GearingType < kExternalGearing || g.GearingType > kBevelGearing) return;
    ForgetResults();
    if (g.LastComputingInput == kNoComputingInput) ComputeWorkingCentreDistance();
    // the working copies every check uses, from the working centre distance just found
    g.awCheck = g.BacklashByShifting ? g.awBacklash : g.aw;
    g.alfawtCheck = g.BacklashByShifting ? g.alfawtBacklash : g.alfawt;
    const bool complete = g.GearingType == kExternalGearing   ? CheckExternalPair()
                          : g.GearingType == kInternalGearing ? CheckInternalPair()
                                                              : CheckBevelPair();
    // Also after a fatal verdict: the verdict list shows its values.
    if (!g.ErrorFlag) RefuseResultsThatAreNotNumbers(complete);
    g.CheckComplete = complete && !g.ErrorFlag;
}

std::vector<double> ShownGeometryValues() {
    ShownValues shown = ShownValuesOfTheCheck();
    shown.Results.insert(shown.Results.end(), shown.TestDimensions.begin(), shown.TestDimensions.end());
    return shown.Results;
}

double InterferenceOverlap(int gear) {
    const GlobalData& g = G;
    if (gear == 2 && g.RackMate)
        return ComputedFrom({g.RackFlankDepth, g.RackUsedDepth}, g.RackFlankDepth - g.RackUsedDepth);
    const double start = gear == 1 ? g.MeshStartDiameter1 : g.MeshStartDiameter2;
    const double involute = gear == 1 ? g.InvoluteStartDiameter1 : g.InvoluteStartDiameter2;
    return ComputedFrom({start, involute}, (start - involute) / 2);
}

void ComputeTestDimensions() {
    GlobalData& g = G;
    if (!g.TestDimensionsActive || g.SkipTestDimensions) return;
    const bool internal = g.GearingType == kInternalGearing;
    const bool wheelBalls = !g.RackMate;  // a rack has no measurement over balls
    ComputeSpanTeethRange();

    // effective tips for the balls
    if (!g.Chamfer1) g.ChamferDiameter1 = g.da1;
    const double tip1 = std::min(g.ChamferDiameter1, g.da1);
    if (internal ? !g.InternalWheelChamfer : !g.Chamfer2) g.ChamferDiameter2 = g.da2;
    const double tip2 = std::min(g.ChamferDiameter2, g.da2);

    // contact on the working pitch circles, kept on the involutes
    g.dM1 = g.dw1;
    g.M1 = g.dM1 + 2 * g.mn;
    if (g.dM1 > tip1 || g.dM1 < g.InvoluteStartDiameter1) g.dM1 = (tip1 + g.InvoluteStartDiameter1) / 2;
    if (wheelBalls) {
        g.dM2 = std::fabs(g.dw2);
        if (internal && g.z1 == -g.z2) g.dM2 = std::fabs((g.da2 + g.InvoluteStartDiameter2) / 2);
        g.M2 = internal ? g.dM2 - 2 * g.mn : g.dM2 + 2 * g.mn;
        if (internal) {
            const double inner = std::fabs(tip2), outer = std::fabs(g.InvoluteStartDiameter2);
            if (g.dM2 < inner || g.dM2 > outer) g.dM2 = (inner + outer) / 2;
        } else if (g.dM2 > tip2 || g.dM2 < g.InvoluteStartDiameter2) {
            g.dM2 = (tip2 + g.InvoluteStartDiameter2) / 2;
        }
    }

    // The ball touching there, then the admissible balls: their lower limits read the ball of
    // this contact, never one held from before.
    ComputeBallDiameterForContact1();
    if (wheelBalls) ComputeBallDiameterForContact2();
    ComputeBallDiameterRange1();
    if (wheelBalls) ComputeBallDiameterRange2();
    if (g.dt1 < g.dtMin1 || g.dt1 > g.dtMax1) {
        g.dt1 = (g.dtMin1 + g.dtMax1) / 2;
        ComputeDimensionOverBalls1();
    }
    if (wheelBalls && (g.dt2 < g.dtMin2 || g.dt2 > g.dtMax2)) {
        g.dt2 = (g.dtMin2 + g.dtMax2) / 2;
        ComputeDimensionOverBalls2();
    }
    ForgetBallsThatFitNoSpace();

    ComputeSpanMeasurements();

    if (g.ChordConstant1) ComputeConstantChord1();
    if (g.ChordConstant2) ComputeConstantChord2();
    if (g.ChordOnReference1) ComputeReferenceChordalThickness1();
    if (g.ChordOnReference2) ComputeReferenceChordalThickness2();
    if (g.ChordChosen1) ComputeConstantChord1();
    if (g.ChordChosen2) ComputeConstantChord2();
    ComputeChordValidity();
}

}  // namespace ostrimo
