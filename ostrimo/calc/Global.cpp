#include "ostrimo/calc/Global.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "runtime/Notice.h"

namespace ostrimo {

GlobalData G;

namespace {

constexpr Extended kPi = std::numbers::pi_v<Extended>;

// Error boxes shown in the current computation.
std::vector<std::string> g_shownErrors;
int g_scopeDepth = 0;
bool g_causesTold = false;

// False when the current computation showed this box already, or tells no causes.
bool FirstShowing(const std::string& message) {
    if (g_scopeDepth == 0) return true;
    if (g_causesTold) return false;
    if (std::find(g_shownErrors.begin(), g_shownErrors.end(), message) != g_shownErrors.end()) return false;
    g_shownErrors.push_back(message);
    return true;
}

void RefuseArgument(const char* message) {
    G.ErrorFlag = true;
    if (FirstShowing(message)) gear::ShowRefusal(message);
}

void ClearVerdictFlags(GlobalData& g) {
    g.PinionNoDepth = g.WheelNoDepth = g.TipsNotInContact = false;
    g.PinionTipBelowWheelRoot = g.WheelTipBelowPinionRoot = false;
    g.AmcSumBelowCritical = g.AmcSumAboveCritical = g.CutterAmcSumAboveCritical = false;
    g.WheelBaseAboveTip = g.CutterTeethTooMany = g.CutterUndercut = false;
    g.UndercutPinion = g.UndercutWheel = false;
    g.InterferencePinionRoot = g.InterferenceWheelRoot = false;
    g.PinionUndercutCutsInvolute = g.WheelUndercutCutsInvolute = false;
    g.PinionTipTooThin = g.WheelTipTooThin = false;
    g.TipCirclesOverlap = g.TipInterference = false;
    g.InternalWheelChamfer = g.CutterTruncatesWheelTips = false;
    g.AssemblyInterferenceSpace = g.AssemblyInterferenceTooth = g.AssemblyInterferenceRotation = false;
    g.PinionTipClearanceOk = g.WheelTipClearanceOk = true;
}

}  // namespace

double DegToRad(double degrees) { return static_cast<double>(degrees * kPi / 180); }
double RadToDeg(double radians) { return static_cast<double>(radians * 180 / kPi); }

ComputationScope::ComputationScope(Boxes boxes) {
    if (g_scopeDepth++ > 0) return;
    g_shownErrors.clear();
    g_causesTold = boxes == Boxes::Told;
}

ComputationScope::~ComputationScope() { --g_scopeDepth; }

void ShowErrorOnce(const std::string& message) {
    if (FirstShowing(message)) rt::MessageBox(message, kErrorCaption, rt::MB_OK);
}

void RefuseImpossibleGeometry() { RefuseArgument(kImpossibleGeometry); }

Extended ComputeCheckedTan(Extended x) { return gear::CheckedTan(x, RefuseArgument); }
Extended ComputeCheckedArcCos(Extended x) { return gear::CheckedArcCos(x, RefuseArgument); }
Extended ComputeCheckedArcSin(Extended x) { return gear::CheckedArcSin(x, RefuseArgument); }

double SnapProfileFactor(double factor) { return factor > 0.99996 && factor < 1.00004 ? 1.0 : factor; }

double FullRoundedRootRadius(double alfan, double toolAddendum) {
    return std::cos(alfan) * (std::numbers::pi / 4 - std::tan(alfan) * toolAddendum) / (1 - std::sin(alfan));
}

void SetDefaultRackTools() {
    GlobalData& g = G;
    g.ToolAddendumFactor1 = g.ToolAddendumFactor2 = 1.25;
    g.ToolCrestRadiusFactor1 = g.ToolCrestRadiusFactor2 = 0.38;
    g.ChamferHeightFactor1 = g.ChamferHeightFactor2 = 0.75;
    g.ChamferAngle1 = g.ChamferAngle2 = static_cast<double>(kPi / 4);
    g.ChamferAngleDeg1 = g.ChamferAngleDeg2 = 45.0;
    g.ProtuberanceAngle1 = g.ProtuberanceAngle2 = 0.10564477962321676;  // 6.053 degrees
    g.haP01 = g.haP02 = 0.75;
    g.ProtuberanceSize1 = g.ProtuberanceSize2 = 0.05;
}

void SetDefaultGearData() {
    GlobalData& g = G;

    // basic rack, both gears, and the rack-mate heights
    g.haP1 = g.haP2 = 1.0;
    g.cP1 = g.cP2 = 0.25;
    g.alfaP = 20.0;
    g.rofP1 = g.rofP2 = 0.38;
    g.RackFlankAddendum = g.RackFlankDepth = g.RackEffectiveAddendum = g.RackUsedDepth = 3.0;

    // rack tools; the rack addendum from the module held before the pair defaults
    SetDefaultRackTools();
    g.ha2 = g.ToolAddendumFactor2 * g.mn;
    g.ChamferShift1 = g.ChamferShift2 = 0;
    g.alfaKt1 = g.alfaKt2 = 0;
    g.dbK1 = g.dbK2 = 0;
    g.ChamferOffset1 = g.ChamferOffset2 = 0;
    g.ProtuberanceFlankShift1 = g.ProtuberanceFlankShift2 = 0;
    g.ProtuberanceFlankAddendumFactor1 = g.ProtuberanceFlankAddendumFactor2 = 0;
    g.ProtuberanceTransverseAngle1 = g.ProtuberanceTransverseAngle2 = 0;
    g.ProtuberanceBaseDiameter1 = g.ProtuberanceBaseDiameter2 = 0;
    g.ProtuberanceUndercutDiameter1 = g.ProtuberanceUndercutDiameter2 = 0;

    // pair
    g.mn = 1.0;
    g.z1 = 20.0;
    g.z2 = 40.0;
    g.b = 10.0;
    g.aw = g.betaDeg = g.jn = g.xsum = g.x1 = g.x2 = g.xsum0 = g.xsumBacklash = g.awBacklash = 0;

    // shaper cutter
    g.z0 = 35;
    g.x0 = 0;
    g.alfaF0 = 0;
    g.rof0 = 0.38;
    g.xsum0Cutter = 0;
    g.da0 = 37.5;
    g.a0 = -47.5;
    g.CutterRoundingStartDiameter = 0;
    g.roa0 = 0;

    // bevel option
    g.z1Bevel = g.z2Bevel = 0;
    g.Sigma = static_cast<double>(kPi / 2);
    g.SigmaDeg = 90.0;

    if (g.GearingType == kInternalGearing) g.rofP2 = 0;
    if (g.GearingType == kBevelGearing) {
        g.cP1 = g.cP2 = 0.2;
        g.rofP1 = g.rofP2 = 0.3;
    }

    // selectors and flags
    g.LastComputingInput = kNoComputingInput;
    g.ValCode = 0;
    g.ErrorFlag = false;
    g.NoCalcMessageShown = true;
    ClearVerdictFlags(g);
    g.TipDiameter1Given = g.TipDiameter2Given = false;
    g.AmcUndivided = g.ObligatoryInputComplete = false;
    g.RoundedRoot = false;
    g.BacklashByThinning = true;
    g.BacklashByExtraAmc = g.BacklashByShifting = false;
    g.ThinBothWheels = true;
    g.ThinPinionOnly = g.ThinWheelOnly = false;
    g.CheckOutdated = true;
    g.ChordConstant1 = g.ChordConstant2 = true;
    g.ChordOnReference1 = g.ChordOnReference2 = g.ChordChosen1 = g.ChordChosen2 = false;
    g.RackMate = g.CentreDistanceGiven = g.ThinByRegrinding = false;
    g.TestDimensionsActive = true;
    g.SkipTestDimensions = false;
    // options only the windows read: five set, the rest clear
    g.StandardRackProfile = g.TestDimensionsOutdated = g.ResetLayoutOnShow = true;
    g.BacklashMethodPending = g.InputsCompleteForRefresh = true;
    g.AmcDivided = g.LoadingDataFile = g.BacklashValidatedByClick = g.BalancingSlidings = false;
    g.ChordValid1 = g.ChordValid2 = false;
    g.ProtuberanceImpossible1 = g.ProtuberanceImpossible2 = false;
    g.Chamfer1 = g.Chamfer2 = g.Protuberance1 = g.Protuberance2 = false;
    g.FellowMaxOperatingHeight = g.FellowFullyRoundedTip = false;

    // angles
    g.alfan = DegToRad(g.alfaP);
    g.alfat = g.alfawt = g.alfan;
    g.alfawtDeg = g.alfaP;
    g.beta = DegToRad(g.betaDeg);
    g.betab = g.beta;

    // reference and tip diameters
    const Extended cosBeta = std::cos(static_cast<Extended>(g.beta));
    g.d1 = static_cast<double>(g.mn * g.z1 / cosBeta);
    g.d2 = static_cast<double>(g.mn * g.z2 / cosBeta);
    g.ad = static_cast<double>((g.z1 + g.z2) * g.mn / (2 * cosBeta));
    g.da1 = 2 * (g.mn + g.x1) + g.d1;
    g.da2 = 2 * (g.mn + g.x2) + g.d2;
}

namespace {
bool g_initialized = false;
bool g_finalized = false;
}  // namespace

void InitializeGeometryGlobalUnit() {
    if (g_initialized) return;
    g_initialized = true;
    G.GearingType = kGearingUnset;
    SetDefaultGearData();
    G.GearingType = kExternalGearing;
}

void FinalizeGeometryGlobalUnit() {
    if (g_finalized) return;
    g_finalized = true;
    G.DegText.clear();
    G.MinText.clear();
    G.SecText.clear();
    G.OldText.clear();
    G.WorkText.clear();
    G.EditionCaption.clear();
}

namespace {
// Runs the unit's initialization at program start and its finalization at the end.
struct GlobalUnitLifetime {
    GlobalUnitLifetime() { InitializeGeometryGlobalUnit(); }
    ~GlobalUnitLifetime() { FinalizeGeometryGlobalUnit(); }
} g_globalUnitLifetime;
}  // namespace

}  // namespace ostrimo
