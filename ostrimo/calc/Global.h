// Ostrimo's global data: the whole state of one gear-pair case (inputs, derived
// dimensions, results and verdict flags of the check, test dimensions, tools, window
// state), its defaults, the guarded trigonometry and the angle conversions between
// decimal degrees and degrees-minutes-seconds.
//
// Conventions of the data:
// - Lengths in millimetres.  Suffix 1 is the pinion, 2 the wheel (or the rack when
//   RackMate is set).
// - Every input angle is held twice: as typed in degrees (names ending in Deg, and
//   alfaP) and in radians (the plain name).  Whoever changes one keeps the other in
//   step; the calculations read the radians.
// - Internal gearing is stored with negative signs: z2, d2, da2, df2, db2, dw2, aw, ad
//   and a0 are negative; formulas that need magnitudes take absolute values.
// - z1min, z2min hold the limiting addendum modification coefficients for undercut and
//   x1min, x2min the limiting numbers of teeth.
// - GlobalData{} is the zeroed state of program start; SetDefaultGearData fills the
//   default case.  G is the one program-wide instance.
//
// Other names of some variables below.  Window code that knows a variable by the name
// on the left uses the variable on the right (same meaning, same units):
//   TipClearanceOk1, TipClearanceOk2 ......... PinionTipClearanceOk, WheelTipClearanceOk
//   GearsNotInContact ........................ TipsNotInContact
//   UndercutCutsInvolute1, 2 ................. PinionUndercutCutsInvolute, WheelUndercutCutsInvolute
//   TipThicknessLow1, 2 ...................... PinionTipTooThin, WheelTipTooThin
//   TipsInterfere ............................ TipInterference
//   FellowTruncatesWheelTips ................. InternalWheelChamfer (limit da2CutterLimit)
//   FellowTruncatesInManufacturing ........... CutterTruncatesWheelTips
//   ManufacturingSumAboveCritical ............ CutterAmcSumAboveCritical
//   xlimManufacturing ........................ xsum0Cutter
//   AmcSumFeasible ........................... NoCalcMessageShown (cleared by a critical-sum
//                                              or balanced-slidings message of the core)
//   xsumWithBacklash ......................... xsumBacklash
//   xsumBeforeBacklash ....................... xsumNoBacklash
//   awBeforeBacklash ......................... awNoBacklash
//   z1min, z2min (limiting numbers of teeth) . x1min, x2min
//   x1min, x2min (limiting AMC) .............. z1min, z2min
//   RackInterferenceHeight, RackUsableHeight . RackFlankDepth, RackUsedDepth
//   FacewidthConeRatio ....................... bRatio
//   BevelHelixAngleLimit ..................... betamMaxDeg
//   dL0 (cutter limit-point diameter) ........ dF0
//   FellowUndercutMargin ..................... alfaF0 (radians; negative: cutter undercut)
//   FellowLimitTipDiameter2 .................. da2CutterLimit
//   FellowTipRoundingValue ................... CutterRoundingHeight
//   CutterProfileFactor ...................... CutterFlankHeightFactor
//   WheelProfileFactor ....................... ToolFlankHeightFactor2
//   MaxOperatingHeight, FullyRoundedTip ...... FellowMaxOperatingHeight, FellowFullyRoundedTip
//   ProtuberanceDepthFactor1, 2 .............. ProtuberanceFlankShift1, 2
//   ProtuberanceToolAddendum1, 2 ............. ProtuberanceFlankAddendumFactor1, 2
//   HeightMin1, HeightMax1, HeightMin2, HeightMax2  ChordHeightMin1, ChordHeightMax1, ...2
//   ChordRangeAtMaxThickness ................. ChordRangeToBase
//   SpanTeethSuggested1, 2 ................... SpanTeethProposed1, 2
//   BallDiameterMin1, Max1, Min2, Max2 ....... dtMin1, dtMax1, dtMin2, dtMax2
//   BallLimitReason .......................... BallRangeState
//   ContactDiameterLimit1, 2 ................. BallTipLimit1, 2
//   IdentBallCentreDiameter .................. IdentBallDimension
//   the test-dimension factor (1.0) .......... RackChordHeightFactor
//   root rounding factor limits .............. rofP1max, rofP2max
//   the balancing work copies ................ awCheck, alfawtCheck, xsumSearch
// Window state without another name is declared below under the windows' own names
// (AmcDivided, StandardRackProfile, TestDimensionsOutdated, ..., IdentAlfaT).
#pragma once

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <string>

#include "gearmath/GearMath.h"
#include "ostrimo/calc/Array1.h"

namespace ostrimo {

using Extended = long double;

// A result that the check did not compute for this case: its branch ended at a fatal verdict,
// the test dimensions were not asked for, or no gear can have the value (a ball that fits no
// tooth space).  It is held as a NaN of a bit pattern of its own (the sign aside), which no
// arithmetic makes from numbers, so it stays distinct from a result that a step computed and
// that is no number (that one the check refuses), and it travels with every copy of the value.
// Arithmetic is not relied on to carry it: a value computed from results that may be not
// computed says so itself (ComputedFrom).  The windows show it as "---"; the data file keeps it
// as 0.
inline constexpr std::uint64_t kNotComputedBits = 0x7FF8'0000'4E43'0000;
inline constexpr double kNotComputed = std::bit_cast<double>(kNotComputedBits);
inline bool Computed(double v) {
    return (std::bit_cast<std::uint64_t>(v) & ~(std::uint64_t{1} << 63)) != kNotComputedBits;
}
// value, computed from results: not computed when one of them is not.
inline double ComputedFrom(std::initializer_list<double> results, double value) {
    for (double r : results)
        if (!Computed(r)) return kNotComputed;
    return value;
}

// Caption of the core's error boxes.
inline constexpr const char* kErrorCaption = "  Error !";

// Unknowns of the geometry Newton solver followed by their residuals.
struct TNewtonUnknowns {
    Array1<double, 3> x;
    Array1<double, 3> F;
    bool operator==(const TNewtonUnknowns&) const = default;
};

using NewtonMatrix = Array1<Array1<double, 3>, 3>;  // [row][column], both 1..3

// Values of GlobalData::GearingType; they are also the first number of a data file, where
// an external pinion meshing with a rack is written as kRackMateType.
inline constexpr std::int32_t kGearingUnset = 0;  // while the start-up defaults are set
inline constexpr std::int32_t kExternalGearing = 1;
inline constexpr std::int32_t kInternalGearing = 2;
inline constexpr std::int32_t kBevelGearing = 3;
inline constexpr std::int32_t kRackMateType = 4;

// Values of GlobalData::LastComputingInput: the input from which the working centre distance
// is computed (they are the codes of those input fields).
inline constexpr std::int16_t kNoComputingInput = 0;  // x1 and x2 as entered
inline constexpr std::int16_t kXsumInput = 6;         // the sum of AMC
inline constexpr std::int16_t kX1Input = 7;
inline constexpr std::int16_t kX2Input = 8;
inline constexpr std::int16_t kAwInput = 9;       // the working centre distance
inline constexpr std::int16_t kAlfawtInput = 10;  // the working transverse pressure angle

// Values of GlobalData::BallRangeState: the lower limit that the ball dt breaks.
inline constexpr std::int32_t kBallWithinLimits = 0;
inline constexpr std::int32_t kBallSinksUnderTip = 1;  // above the tip circle of an annular wheel
inline constexpr std::int32_t kBallIntoRoot = 2;
inline constexpr std::int32_t kBallBelowInvolute = 3;  // it touches below the start of the involute

struct GlobalData {
    // ---- selectors and program-wide flags
    std::int32_t GearingType = kGearingUnset;             // kExternalGearing, kInternalGearing, kBevelGearing
    bool RackMate = false;                                // the pinion meshes with a rack (external gearing only)
    bool ErrorFlag = false;                               // an impossible value was met; later steps do not run
    bool CheckComplete = false;                           // the last check ran to its end: every result is this case's
    std::int16_t LastComputingInput = kNoComputingInput;  // kXsumInput ... kAlfawtInput
    bool AmcUndivided = false;                            // only the sum (or aw, or the working angle) is known
    bool BacklashByThinning = false, BacklashByExtraAmc = false, BacklashByShifting = false;
    bool ThinBothWheels = false, ThinPinionOnly = false, ThinWheelOnly = false;
    bool ThinByRegrinding = false;  // thinning by regrinding the involute, else by a widened cutter
    bool BacklashCreated = false;
    bool TipDiameter1Given = false, TipDiameter2Given = false;
    bool ManufacturingMode = false;     // the cutter/wheel manufacturing mesh is being solved
    bool SkipCriticalSumCheck = false;  // the inverse involute runs without the critical-sum tests
    bool NoCalcMessageShown = false;    // cleared when the core showed a critical-sum or slidings box
    bool DataFileLoaded = false;        // set by a complete read of the data file

    // ---- pair data and working geometry
    double mn = 0;                              // normal module (bevel: outer transverse module)
    double mt = 0;                              // transverse module mn / cos beta (bevel: mn)
    double z1 = 0, z2 = 0;                      // numbers of teeth (bevel: the virtual numbers)
    double zn1 = 0, zn2 = 0;                    // virtual numbers of teeth
    double b = 0;                               // common facewidth
    double x1 = 0, x2 = 0;                      // addendum modification coefficients (AMC)
    double xsum = 0;                            // x1 + x2 as entered
    double xsum0 = 0;                           // critical sum of AMC (working transverse pressure angle zero)
    double ad = 0;                              // reference centre distance
    double aw = 0;                              // working centre distance
    double jn = 0;                              // normal backlash
    double xsumBacklash = 0;                    // AMC sum including the extra AMC that makes the backlash
    double awBacklash = 0, alfawtBacklash = 0;  // with the backlash made by shifting the wheels
    double awCheck = 0, alfawtCheck = 0;        // what the checks use (backlash pair or aw, alfawt)
    double awNoBacklash = 0;                    // working centre distance without backlash
    double xsumNoBacklash = 0;                  // AMC sum without backlash
    double xsumSearch = 0;                      // the sum that the balanced-slidings search divides
    double InvAlfat = 0, InvAlfawt = 0;
    double pt = 0, pbt = 0;  // transverse reference pitch and base pitch
    double ContactLength1Pair = 0, ContactLengthMax = 0, ContactLengthMin = 0;

    // ---- diameters and angles
    double d1 = 0, d2 = 0;              // reference
    double da1 = 0, da2 = 0;            // tip (entered or computed)
    double df1 = 0, df2 = 0;            // root
    double db1 = 0, db2 = 0;            // base
    double dw1 = 0, dw2 = 0;            // working pitch
    double k = 0;                       // tip shortening coefficient
    double da1Limit = 0, da2Limit = 0;  // largest mate tip diameters without interference
    double InvoluteStartDiameter1 = 0, InvoluteStartDiameter2 = 0;
    double alfan = 0;   // normal pressure angle [rad] (from alfaP)
    double alfat = 0;   // transverse pressure angle [rad]
    double alfawt = 0;  // working transverse pressure angle [rad]
    double alfaP = 0;   // basic rack flank angle [deg], as typed
    double alfatDeg = 0, alfawtDeg = 0;
    double beta = 0, betaDeg = 0;    // helix angle at the reference cylinder (bevel: mean inclination)
    double betab = 0, betabDeg = 0;  // base helix angle
    double ha1 = 0, ha2 = 0, hf1 = 0, hf2 = 0, h1 = 0, h2 = 0;  // ha2: rack addendum with a rack mate

    // ---- basic rack and rack tools
    double haP1 = 0, haP2 = 0;    // basic rack addendum factors
    double cP1 = 0, cP2 = 0;      // tip clearance factors at the pinion tip, at the wheel tip
    double rofP1 = 0, rofP2 = 0;  // basic rack root rounding radius factors
    double ToolFlankHeightFactor1 = 0, ToolFlankHeightFactor2 = 0;  // end of the straight tool flank
    double ToolFlankHeight1 = 0, ToolFlankHeight2 = 0;              // the same times mn
    double rofP1max = 0, rofP2max = 0;                              // full rounded root
    double ToolAddendumFactor1 = 0, ToolAddendumFactor2 = 0;
    double ToolCrestRadiusFactor1 = 0, ToolCrestRadiusFactor2 = 0;
    double ChamferHeightFactor1 = 0, ChamferHeightFactor2 = 0;
    double ChamferAngle1 = 0, ChamferAngle2 = 0;            // [rad]
    double ChamferAngleDeg1 = 0, ChamferAngleDeg2 = 0;      // [deg]
    double ProtuberanceAngle1 = 0, ProtuberanceAngle2 = 0;  // [rad]
    double haP01 = 0, haP02 = 0;                            // height to the protuberance, factor of mn
    double ProtuberanceSize1 = 0, ProtuberanceSize2 = 0;    // [mm]
    bool Chamfer1 = false, Chamfer2 = false, Protuberance1 = false, Protuberance2 = false;
    double ChamferDiameter1 = 0, ChamferDiameter2 = 0, sChamfer1 = 0, sChamfer2 = 0;
    // chamfer involutes
    double ChamferShift1 = 0, ChamferShift2 = 0;
    double alfaKt1 = 0, alfaKt2 = 0;
    double dbK1 = 0, dbK2 = 0;
    double ChamferOffset1 = 0, ChamferOffset2 = 0;
    bool ChamferBeyondTip1 = false, ChamferBeyondTip2 = false;
    double sTipLimitTransverse1 = 0, sTipLimitTransverse2 = 0;
    // protuberance tool
    double ProtuberanceFlankShift1 = 0, ProtuberanceFlankShift2 = 0;  // in modules
    double ProtuberanceFlankAddendumFactor1 = 0, ProtuberanceFlankAddendumFactor2 = 0;
    double ProtuberanceTransverseAngle1 = 0, ProtuberanceTransverseAngle2 = 0;
    double ProtuberanceBaseDiameter1 = 0, ProtuberanceBaseDiameter2 = 0;
    bool ProtuberanceUndercut1 = false, ProtuberanceUndercut2 = false;
    double ProtuberanceUndercutDiameter1 = 0, ProtuberanceUndercutDiameter2 = 0;
    bool ProtuberanceFlankActive = false;  // Newton sets 1 and 2 describe the protuberance flank
    std::int32_t ProtuberanceGearIndex = 0;

    // ---- results of the check
    double sf1 = 0, sf2 = 0, sb1 = 0, sb2 = 0, s1 = 0, s2 = 0, sw1 = 0, sw2 = 0;
    double sInv1 = 0, sInv2 = 0, sa1 = 0, sa2 = 0;
    double ThinningAllowance1 = 0, ThinningAllowance2 = 0;  // backlash as a rotation angle [rad]
    double InvoluteLength1 = 0, InvoluteLength2 = 0;
    double OperatingInvoluteLength1 = 0, OperatingInvoluteLength2 = 0;
    double MeshStartDiameter1 = 0, MeshStartDiameter2 = 0, MeshEndDiameter1 = 0, MeshEndDiameter2 = 0;
    double z1min = 0, z2min = 0;  // limiting AMC for undercut
    double x1min = 0, x2min = 0;  // limiting numbers of teeth for undercut
    double RackAddendumLimit = 0;
    double SpecificSlidingRoot1 = 0, SpecificSlidingTip1 = 0;
    double SpecificSlidingRoot2 = 0, SpecificSlidingTip2 = 0;
    double epsilonalfa = 0, epsilonbeta = 0, epsilongamma = 0;
    double alfaFormStart1 = 0, alfaFormStart2 = 0;
    double InvoluteStartNoUndercut1 = 0, InvoluteStartNoUndercut2 = 0;
    double alfaTip1 = 0, alfaTip2 = 0;
    double alfaActiveStart1 = 0, alfaActiveStart2 = 0;
    double LineOfActionLength = 0;
    double da2CutterLimit = 0;
    double pA = 0, pE = 0;  // rack mate: pitch point to the start and to the end of contact
    // test dimensions
    double W1 = 0, W2 = 0, MinFacewidthSpan1 = 0, MinFacewidthSpan2 = 0;
    std::int16_t zw1 = 0, zw2 = 0;  // teeth spanned
    std::int16_t SpanTeethMin1 = 0, SpanTeethMax1 = 0, SpanTeethMin2 = 0, SpanTeethMax2 = 0;
    std::int16_t SpanTeethProposed1 = 0, SpanTeethProposed2 = 0;
    double sc1 = 0, sc2 = 0, hc1 = 0, hc2 = 0;  // chordal tooth thickness and measuring height
    double ChordMin1 = 0, ChordMin2 = 0, ChordMax1 = 0, ChordMax2 = 0;
    double ChordHeightMin1 = 0, ChordHeightMin2 = 0, ChordHeightMax1 = 0, ChordHeightMax2 = 0;
    bool ChordRangeToBase = false;
    double M1 = 0, M2 = 0, dt1 = 0, dt2 = 0, dM1 = 0, dM2 = 0;  // over balls, ball, contact diameter
    double dtMin1 = 0, dtMax1 = 0, dtMin2 = 0, dtMax2 = 0;
    double TipLimitDiameter1 = 0, TipLimitDiameter2 = 0;
    double BallTipLimit1 = 0, BallTipLimit2 = 0;
    std::int32_t BallRangeState = kBallWithinLimits;  // the lower ball limit broken (kBall...)
    double BallCentreAngle = 0;
    double RackChordHeightFactor = 1.0;
    bool ChordConstant1 = false, ChordConstant2 = false;
    bool ChordOnReference1 = false, ChordOnReference2 = false;
    bool ChordChosen1 = false, ChordChosen2 = false;

    // ---- shaper cutter for internal gears
    std::int32_t z0 = 0;
    double x0 = 0, da0 = 0, rof0 = 0, roa0 = 0;
    double a0 = 0;  // manufacturing centre distance (negative like the internal wheel)
    double sa0 = 0;
    double xsum0Cutter = 0;  // critical sum x0 + x2 of the manufacturing mesh
    double d0 = 0, db0 = 0, dF0 = 0, alfaF0 = 0;
    double alfawt0 = 0, InvAlfawt0 = 0, alfaa0 = 0;
    double CutterFlankHeightFactor = 0;
    double CutterTipRadius = 0, CutterReducedTipDiameter = 0, alfaReduced0 = 0;
    double CutterRoundingStartDiameter = 0, CutterRoundingHeight = 0;
    double zn0 = 0, dn0 = 0, dan0 = 0, dbn0 = 0;  // virtual spur cutter of a helical cutter
    bool FellowMaxOperatingHeight = false, FellowFullyRoundedTip = false;

    // ---- bevel option
    double Sigma = 0, SigmaDeg = 0;   // shaft angle
    double z1Bevel = 0, z2Bevel = 0;  // numbers of teeth as entered
    double delta1 = 0, delta2 = 0, deltaa1 = 0, deltaa2 = 0, deltaf1 = 0, deltaf2 = 0;
    double Le = 0;   // outer cone distance
    double mtm = 0;  // mean transverse module
    double de1 = 0, de2 = 0, dae1 = 0, dae2 = 0, dfe1 = 0, dfe2 = 0, dai1 = 0, dai2 = 0;
    double sae1 = 0, sae2 = 0;
    double betamMaxDeg = 0;  // largest permitted mean helix angle [deg]
    double bRatio = 0, betaMeanBevel = 0, betaInnerBevel = 0;

    // ---- rack mate
    double RackFlankAddendum = 0, RackFlankDepth = 0, RackEffectiveAddendum = 0, RackUsedDepth = 0;
    double RackTipThickness = 0;
    bool RackChamferPointed = false;

    // ---- verdict flags
    bool PinionNoDepth = false, WheelNoDepth = false, TipsNotInContact = false;
    bool PinionTipClearanceOk = false, WheelTipClearanceOk = false;
    bool PinionTipBelowWheelRoot = false, WheelTipBelowPinionRoot = false;
    bool AmcSumBelowCritical = false, AmcSumAboveCritical = false, CutterAmcSumAboveCritical = false;
    bool WheelBaseAboveTip = false, CutterTeethTooMany = false, CutterUndercut = false;
    bool UndercutPinion = false, UndercutWheel = false;
    bool InterferencePinionRoot = false, InterferenceWheelRoot = false;
    bool PinionUndercutCutsInvolute = false, WheelUndercutCutsInvolute = false;
    bool PinionTipTooThin = false, WheelTipTooThin = false;
    bool TipCirclesOverlap = false, TipInterference = false;
    bool InternalWheelChamfer = false, CutterTruncatesWheelTips = false;
    bool AssemblyInterferenceSpace = false, AssemblyInterferenceTooth = false;
    bool AssemblyInterferenceRotation = false;  // no check sets it

    // ---- angle conversion work variables
    double AngleDecimal = 0, AngleSec = 0;
    std::int32_t AngleDeg = 0, AngleMin = 0;
    std::string DegText, MinText, SecText;

    // ---- Newton solver and identification
    TNewtonUnknowns NewtonUnknowns;
    Array1<double, 8> NewtonParameters;  // inputs of the current equation set
    NewtonMatrix NewtonJacobian;         // row i: partial derivatives of F[i]
    NewtonMatrix NewtonInverse;
    std::array<double, 4> NewtonStep{};  // [1..n] the Newton step, [0] its largest magnitude
    std::int32_t NewtonIteration = 0;
    double NewtonTolerance = 0;
    bool NewtonNotConverged = false;                          // the last solve stopped at its iteration limit
    Array1<double, 3> IdentMn, IdentAlfa, IdentBeta, IdentX;  // one element per identification group
    double IdentMeasuredChord = 0, IdentMeasuredHeight = 0;
    double IdentBallDiameter = 0, IdentBallDimension = 0;  // dt and the prepared dimension over balls

    // ---- window state
    bool TestDimensionsActive = false, SkipTestDimensions = false;
    std::int32_t ValCode = 0;  // position of the last number-parse error
    std::int16_t FocusField = 0;
    std::string OldText, WorkText, EditionCaption;
    bool ObligatoryInputComplete = false, CheckOutdated = false, AngleFormatDMS = false;
    bool CentreDistanceGiven = false, RoundedRoot = false;
    // window options read only by the windows
    bool AmcDivided = false, StandardRackProfile = false, TestDimensionsOutdated = false;
    bool LoadingDataFile = false, ResetLayoutOnShow = false, BacklashValidatedByClick = false;
    bool BacklashMethodPending = false, BalancingSlidings = false, InputsCompleteForRefresh = false;
    bool ChordValid1 = false, ChordValid2 = false;
    bool ProtuberanceImpossible1 = false, ProtuberanceImpossible2 = false;
    double awZeroBacklash = 0, x1BeforeBacklash = 0;
    double SavedRof0 = 0, SavedRoa0 = 0;
    Array1<double, 3> IdentAlfaT;
    double IdentMeasuredSpan = 0, IdentMeasuredOverBalls = 0, IdentSpanExtremum2 = 0;
    std::uint16_t IdentSpanTeeth = 0;

    bool operator==(const GlobalData&) const = default;
};

extern GlobalData G;

// The default case for the current GearingType (external, internal or bevel).
void SetDefaultGearData();
// The default data of both rack tools (addendum, crest radius, chamfering edge and
// protuberance); whether a tool has a chamfer or a protuberance is left as it is.
void SetDefaultRackTools();

// A profile factor ha* + c* - (1 - sin alfan) rho* strictly between 0.99996 and
// 1.00004 is taken as exactly 1.0.
double SnapProfileFactor(double factor);

// The root rounding radius factor of a full rounded root, cut by a rack tool of addendum
// factor toolAddendum (the mate's ha* + c*) and normal pressure angle alfan [rad].
double FullRoundedRootRadius(double alfan, double toolAddendum);

// Angle conversions with pi in extended precision.
double DegToRad(double degrees);
double RadToDeg(double radians);

// The unit's start (defaults with kGearingUnset, then external gearing) and end;
// each acts once.  Program start runs the initialization before main.
void InitializeGeometryGlobalUnit();
void FinalizeGeometryGlobalUnit();

// Guarded trigonometry: an impossible argument (tan of pi/2 exactly, |x| > 1 or NaN
// for the arc functions) shows "Invalid argument for ..., impossible gearing
// parameters" (caption "  Error !"), sets ErrorFlag and gives 0.  Within one
// ComputationScope each of the three messages is shown at most once; the flag is set
// every time.
Extended ComputeCheckedTan(Extended x);
Extended ComputeCheckedArcCos(Extended x);
Extended ComputeCheckedArcSin(Extended x);

// Values that leave the geometry undefined (a result that is not a number, a search that
// cannot end): "Impossible gearing parameters - the geometry cannot be computed." (caption
// "  Error !"), at most once within a ComputationScope, and ErrorFlag.
inline constexpr const char* kImpossibleGeometry = "Impossible gearing parameters - the geometry cannot be computed.";
void RefuseImpossibleGeometry();

// inv(x) - target (tan x - x - target), the residual of the inverse involute.
using gear::EvaluateInvoluteEquation;

// One computation (the central check, a Newton solve, a window command): while the
// outermost scope lives, each distinct guarded-trigonometry message, and each box shown by
// ShowErrorOnce, is shown once.  Scopes nest; only the outermost one starts a fresh set of
// shown messages.  A computation of a case whose causes were told already (Save computes
// what it writes of the case the fields or Open reported) shows none of them.
class ComputationScope {
public:
    enum class Boxes { Shown, Told };
    explicit ComputationScope(Boxes boxes = Boxes::Shown);
    ~ComputationScope();
    ComputationScope(const ComputationScope&) = delete;
    ComputationScope& operator=(const ComputationScope&) = delete;
};

// An error box (caption "  Error !") for one cause: not shown again within the outermost
// ComputationScope that showed it.
void ShowErrorOnce(const std::string& message);

// Angles in degrees, minutes and seconds.
// x typed as D.MMSSssss: sets DegText, MinText, SecText and AngleDecimal; minutes
// above 59 or seconds of 60 and more show their message and set ErrorFlag, changing
// nothing else.  A negative angle is read by its magnitude with the sign in front.
void ParseDmsAngle(double x);
// ParseDmsAngle of a typed angle: true with degrees set to its decimal degrees, false
// after the message of its minutes or seconds.  ErrorFlag is left as it was.
bool ReadDmsAngle(double typed, double& degrees);
// angle in decimal degrees -> whole degrees, whole minutes, seconds with 1 decimal;
// also sets AngleDeg, AngleMin, AngleSec.  A negative angle gets one '-' in front of
// the degrees.
void FormatDegMinSec(double angle, std::string& DegStr, std::string& MinStr, std::string& SecStr);
// Carries "60.0" seconds and "60" minutes in SecText, MinText, DegText; seconds "0.0"
// (not produced by a carry) become "0".
void NormalizeDmsStrings();

}  // namespace ostrimo
