// Test dimensions: chords, span measurement, measurement over balls or pins.
#include "ostrimo/calc/Kontrolni_rozmery.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "ostrimo/calc/CheckNumerics.h"
#include "ostrimo/calc/Geometricke_vypocty.h"
#include "ostrimo/calc/NEWTON.h"
#include "ostrimo/calc/Vypocty.h"
#include "runtime/NumText.h"
#include "runtime/Rounding.h"

namespace ostrimo {

using namespace checks;

namespace {

bool Annular() { return G.GearingType == kInternalGearing; }

// Effective tip diameter of a gear: the tip, or the chamfer diameter below it.  A gear
// without a chamfer gets its chamfer diameter set to the tip diameter first.  For the
// annular wheel the smaller (negative) value is the larger in magnitude.
double EffectiveTip(int gear) {
    GlobalData& g = G;
    if (gear == 1) {
        if (!g.Chamfer1) g.ChamferDiameter1 = g.da1;
        return std::min(g.da1, g.ChamferDiameter1);
    }
    if (Annular() ? !g.InternalWheelChamfer : !g.Chamfer2) g.ChamferDiameter2 = g.da2;
    return std::min(g.da2, g.ChamferDiameter2);
}

double HelixAt(int gear, double D) {
    return gear == 1 ? ComputeHelixAngleAtDiameter1(D) : ComputeHelixAngleAtDiameter2(D);
}

// Half tooth angle at the reference circle.
double HalfToothAngle(double x, double z) { return (2 * x * Tan(G.alfan) + kPi / 2) / std::fabs(z); }

// The thinning angle taken by the gear (half the backlash angle each when both are
// thinned); the angle itself goes to ThinningAllowance1, 2.
double ThinningTaken(int gear) {
    GlobalData& g = G;
    if (!g.BacklashByThinning) return 0;
    const double allowance = ThinningAngle(gear == 1 ? g.d1 : g.d2);
    (gear == 1 ? g.ThinningAllowance1 : g.ThinningAllowance2) = allowance;
    return 2 * ThinningShare(gear) * allowance;
}

// The span reduction of the gear by its thinning: jn/2 each, or jn for one gear alone.
double SpanThinning(int gear) { return 2 * ThinningShare(gear) * G.jn; }

// A count of teeth from a real value: whole part, never below 0.
std::int16_t TeethCount(double v) {
    if (!(v > 0)) return 0;
    return static_cast<std::int16_t>(std::min(rt::Trunc(v), double{std::numeric_limits<std::int16_t>::max()}));
}

bool OddTeeth(double z) { return rt::RoundInt(std::fabs(z)) % 2 != 0; }

// Diameter over (between) balls from the pressure angle at the ball centres.
double OverBalls(double db, double centreAngle, double dt, double z) {
    double centres = db / std::cos(centreAngle);
    if (OddTeeth(z)) centres *= std::cos(kPi / (2 * std::fabs(z)));
    return std::fabs(centres + dt);
}

void SolveChord(int set, double angle, double diameter) {
    G.NewtonUnknowns.x[1] = angle;
    G.NewtonUnknowns.x[2] = diameter;
    SolveGeometryNewtonSystem(2, set, G.NewtonUnknowns.x);
}

// Start of the chord solves: half thickness angle between tip and involute start.
double StartAngle(double sa, double da, double sInv, double dInv) {
    return (sa / std::fabs(da) + sInv / std::fabs(dInv)) / 2;
}

// Ball of the gear touching the flank on the contact diameter dM (set 7), and the
// dimension over balls; signed base diameter for the annular wheel.
void BallForContact(double db, double da, double sb, double dM, double z, double& dt, double& M) {
    GlobalData& g = G;
    const double cosBetab = std::cos(g.betab);
    g.NewtonUnknowns.x[1] = std::fabs(db) >= std::fabs(da) ? 0.0 : ArcCos(db / da);
    g.NewtonUnknowns.x[2] = kPi / 4 * g.mn;
    g.NewtonParameters[1] = 1 / (cosBetab * db / 2);
    g.NewtonParameters[2] = (kPi * g.mt * std::cos(g.alfat) - sb / cosBetab) / db;
    g.NewtonParameters[3] = dM > std::fabs(db) ? Tan(ArcCos(std::fabs(db) / dM)) : 0.0;
    g.NewtonParameters[4] = (1 / cosBetab - cosBetab) / (db / 2);
    g.NewtonParameters[5] = db / 2;
    g.NewtonParameters[6] = cosBetab;
    SolveGeometryNewtonSystem(2, 7, g.NewtonUnknowns.x);
    dt = 2 * g.NewtonUnknowns.x[2];
    M = OverBalls(db, g.NewtonUnknowns.x[1], dt, z);
}

// Ball diameter for a contact diameter, the ball's values kept as they were.
double BallDiameterTouching(int gear, double dM) {
    GlobalData& g = G;
    double& dt = gear == 1 ? g.dt1 : g.dt2;
    double& dMg = gear == 1 ? g.dM1 : g.dM2;
    double& M = gear == 1 ? g.M1 : g.M2;
    const double keptDt = dt, keptDM = dMg, keptM = M;
    dMg = dM;
    gear == 1 ? ComputeBallDiameterForContact1() : ComputeBallDiameterForContact2();
    const double result = dt;
    dt = keptDt;
    dMg = keptDM;
    M = keptM;
    return result;
}

// Upper ball limit of a gear of exactly four teeth whose tip space takes any ball.
bool FourTeethOpenSpace(double z, double da, double sa, double db, double helixAtTip) {
    const double D = std::fabs(da);
    return z == 4 && std::sin((kPi * D / z - sa / std::cos(helixAtTip)) / D) * D >= std::fabs(db);
}

// The involute argument of the centre of a ball dt in the space of the gear (base
// diameter db, base thickness sb), 0 below the base circle.
double BallCentreInvolute(double db, double sb, double dt) {
    const double cosBetab = std::cos(G.betab);
    return std::max(0.0, (dt / (2 * cosBetab) - (kPi * G.mt * std::cos(G.alfat) - sb / cosBetab) / 2) / (db / 2));
}

// Dimension over balls for the ball diameter dt.
void OverBallsForDiameter(double db, double sb, double dt, double z, double tipLimit, double& dM, double& M) {
    GlobalData& g = G;
    InvertInvoluteChecked(g.BallCentreAngle, BallCentreInvolute(db, sb, dt));
    const double h = Tan(g.BallCentreAngle) * db / 2 - std::cos(g.betab) * dt / 2;
    dM = std::min(2 * std::sqrt(Sqr(h) + Sqr(db / 2)), tipLimit);
    M = OverBalls(db, g.BallCentreAngle, dt, z);
}

// The angle in [0, pi/2) whose involute is t (0 for t <= 0), for the ball limits, which
// evaluate many balls: Newton's method from a start above the root (tan u = t + u
// < t + pi/2, and tan u - u > u^3/3), where the convex involute makes it converge
// from above.
double InverseInvolute(double t) {
    if (!(t > 0)) return 0;
    double u = std::min(std::cbrt(3 * t), std::atan(t + kPi / 2));
    for (int i = 0; i < 100; ++i) {
        const double tanU = std::tan(u);
        const double step = (tanU - u - t) / (tanU * tanU);
        u -= step;
        if (!(std::fabs(step) > 1e-15 * u)) break;
    }
    return u;
}

// Dimension over (between) balls of a ball dt, nothing stored.
double OverBallsOf(double db, double sb, double dt, double z) {
    return OverBalls(db, InverseInvolute(BallCentreInvolute(db, sb, dt)), dt, z);
}

// The smallest ball that stands out of the tip circle: its dimension over balls reaches
// da (for the annular wheel, its dimension between balls comes within |da|).  A smaller
// ball sits deeper in the space, so the dimension grows with dt (shrinks between the
// balls of the annular wheel); the diameter is found by halving in 0 .. |da|.
double BallReachingTip(double db, double sb, double z, double da) {
    const bool annular = db < 0;
    const auto sinks = [&](double dt) {
        const double M = OverBallsOf(db, sb, dt, z);
        return annular ? M > std::fabs(da) : M < da;
    };
    double low = 0, high = std::fabs(da);
    if (!sinks(low)) return 0;
    if (sinks(high)) return high;
    for (int i = 0; i < 200 && high - low > 1e-12 * high; ++i) {
        const double mid = (low + high) / 2;
        (sinks(mid) ? low : high) = mid;
    }
    return high;
}

// The lower ball limits of a gear beside the start of the involute (dtMin,
// kBallBelowInvolute): a ball reaching into the root (kBallIntoRoot, by the ball's own
// dimension over balls), and a ball sinking under the tip circle (kBallSinksUnderTip), which
// raises the minimum when it is the larger.  The state names the limit the ball dt breaks.
void LowerBallLimits(double db, double sb, double dt, double z, double da, double df, double& dtMin) {
    GlobalData& g = G;
    const double M = OverBallsOf(db, sb, dt, z);
    const bool intoRoot = db < 0 ? -(M + 2 * dt) < df : M - 2 * dt < df;
    if (intoRoot) {
        g.BallRangeState = kBallIntoRoot;
        dtMin = std::max(dtMin, std::fabs(M - std::fabs(df)) / 2);
    }
    const double tip = BallReachingTip(db, sb, z, da);
    if (tip > dtMin) {
        dtMin = tip;
        if (dt < tip) g.BallRangeState = kBallSinksUnderTip;
    }
}

}  // namespace

// ---------------------------------------------------------------- chords

void ComputeConstantChord1() {
    GlobalData& g = G;
    g.sc1 = g.s1 * Sqr(std::cos(g.alfan));
    g.hc1 = (g.da1 - g.d1) / 2 - g.s1 / 4 * std::sin(2 * g.alfan);
}

void ComputeConstantChord2() {
    GlobalData& g = G;
    const double cosAlfan = std::cos(g.alfan);
    const double sinAlfan = std::sin(g.alfan);
    if (g.RackMate) {
        g.hc2 = g.ha2 - kPi / 4 * g.mn * cosAlfan * sinAlfan;
        g.sc2 = kPi / 2 * g.mn * Sqr(cosAlfan);
        const double share = 2 * ThinningShare(2);  // 1/2 of jn each, all of it alone
        g.sc2 -= share * g.jn * cosAlfan;
        g.hc2 += share / 2 * g.jn * sinAlfan;
        return;
    }
    g.sc2 = g.s2 * Sqr(cosAlfan);
    if (Annular()) {
        const double da = std::fabs(g.da2);
        // measured from the tip corners, which stand inward of the concave tip land
        g.hc2 = (std::fabs(g.d2) - da) / 2 - g.s2 / 4 * std::sin(2 * g.alfan) + da / 2 * (1 - std::cos(g.sa2 / da));
    } else {
        g.hc2 = std::fabs(g.da2 - g.d2) / 2 - g.s2 / 4 * std::sin(2 * g.alfan);
    }
}

namespace {

// The quantities of one gear (1 pinion, 2 wheel) that its chords read and set;
// magnitudes for the annular wheel except where the sign matters.
struct ChordGear {
    int gear;
    double x, z, d, da, db, sa, sInv;
    double& dInv;
    double& sc;
    double& hc;
};

ChordGear ChordGearOf(int gear) {
    GlobalData& g = G;
    if (gear == 1) return {1, g.x1, g.z1, g.d1, g.da1, g.db1, g.sa1, g.sInv1, g.InvoluteStartDiameter1, g.sc1, g.hc1};
    return {2, g.x2, g.z2, g.d2, g.da2, g.db2, g.sa2, g.sInv2, g.InvoluteStartDiameter2, g.sc2, g.hc2};
}

// Distance from the centre of the annular wheel to the chord across its tip corners.
double AnnularTipChord() {
    const double da = std::fabs(G.da2);
    return da / 2 * std::cos(G.sa2 / (da * std::cos(HelixAt(2, G.da2))));
}

// Chord and height on the reference cylinder; signed diameters, so that for the
// annular wheel the limits are magnitude tests.
void ReferenceChord(ChordGear c) {
    GlobalData& g = G;
    if (c.d > EffectiveTip(c.gear) || c.d < c.dInv) {
        c.sc = c.hc = 0;
        return;
    }
    const double t = ThinningTaken(c.gear);
    g.NewtonParameters[1] = t;
    const double phi = HalfToothAngle(c.x, c.z) - t / 2;
    g.NewtonParameters[2] = phi;
    const double d = std::fabs(c.d);
    c.sc = d * std::sin(phi) * std::cos(g.beta);
    c.hc = Annular() && c.gear == 2 ? d / 2 * std::cos(phi) - AnnularTipChord() : c.da / 2 - d / 2 * std::cos(phi);
}

// Inputs of the chord solves: the half thickness angle less the involute of the
// pressure angle at the reference circle, minus half the thinning (the annular
// wheel's tooth thickens outward, its angle adds the involute).
double ChordAngleParameter(const ChordGear& c) {
    const double psi = HalfToothAngle(c.x, c.z) - ThinningTaken(c.gear) / 2;
    return Annular() && c.gear == 2 ? psi - Inv(G.alfat) : psi + Inv(G.alfat);
}

// Common start of the chord solves: an involute start not yet known is taken at the
// reference circle; the angle parameter P1.  Gives the magnitude of the start.
double PrepareChordSolve(ChordGear& c) {
    if (c.dInv == 0) c.dInv = c.d;
    G.NewtonParameters[1] = ChordAngleParameter(c);
    return std::fabs(c.dInv);
}

// The rack mate's chord and height: linear between the tip (or the chamfer start) and
// the end of the straight flank.  heightFromChord selects the direction.
void RackChord(bool heightFromChord) {
    GlobalData& g = G;
    const double hK = g.Chamfer2 ? g.mn * g.ChamferHeightFactor2 : 0;
    const double s0 = g.Chamfer2 ? g.sChamfer2 : g.sa2;  // thickness where the flank starts
    const double h0 = g.ha2 - hK;                        // its height below the tip
    const double depth = hK + g.ToolFlankHeight2 + (g.Chamfer2 ? 0 : g.ha2);
    if (heightFromChord) {
        if (g.sInv2 != s0) g.hc2 = (g.sc2 - s0) * depth / (g.sInv2 - s0) + (g.Chamfer2 ? h0 : 0);
    } else if (depth != 0) {
        g.sc2 = s0 + (g.hc2 - (g.Chamfer2 ? h0 : 0)) * (g.sInv2 - s0) / depth;
    }
}

// Height for the chord c.sc (sets 4 and 6).
void ChordHeight(ChordGear c) {
    GlobalData& g = G;
    if (c.gear == 2 && g.RackMate) return RackChord(true);
    const double dInv = PrepareChordSolve(c);
    const double da = std::fabs(c.da);
    const double start = StartAngle(c.sa, da, c.sInv, dInv);
    if (Annular() && c.gear == 2) {
        g.NewtonParameters[2] = Tan(g.beta) / std::fabs(c.d);
        SolveChord(6, start, (da + dInv) / 2);
        c.hc = std::fabs(g.NewtonUnknowns.x[2]) / 2 * std::cos(g.NewtonUnknowns.x[1]) - AnnularTipChord();
        return;
    }
    g.NewtonParameters[2] = c.db;
    g.NewtonParameters[3] = Tan(g.beta) / c.d;
    g.NewtonParameters[4] = c.sc;
    SolveChord(4, start, (da + dInv) / 2);
    c.hc = c.da / 2 - g.NewtonUnknowns.x[2] / 2 * std::cos(g.NewtonUnknowns.x[1]);
}

// Chord for the height c.hc (sets 3 and 5).
void ChordForHeight(ChordGear c) {
    GlobalData& g = G;
    if (c.gear == 2 && g.RackMate) return RackChord(false);
    const double dInv = PrepareChordSolve(c);
    const double da = std::fabs(c.da);
    const double start = StartAngle(c.sa, da, c.sInv, dInv);
    const bool annular = Annular() && c.gear == 2;
    if (annular) {
        g.NewtonParameters[2] = std::fabs(c.db);
        g.NewtonParameters[3] = AnnularTipChord() + c.hc;
        // the annular wheel's flank lies between its tip and the start of its involute
        SolveChord(5, start, (da + dInv) / 2);
    } else {
        g.NewtonParameters[2] = c.db;
        g.NewtonParameters[3] = c.da / 2 - c.hc;
        SolveChord(3, start, (c.da + c.db) / 2);
    }
    const double D = std::fabs(g.NewtonUnknowns.x[2]);
    c.sc = std::sin(g.NewtonUnknowns.x[1]) * D * std::cos(std::atan(Tan(g.beta) * D / std::fabs(c.d)));
}

}  // namespace

void ComputeReferenceChordalThickness1() { ReferenceChord(ChordGearOf(1)); }

void ComputeReferenceChordalThickness2() {
    GlobalData& g = G;
    if (!g.RackMate) return ReferenceChord(ChordGearOf(2));
    g.hc2 = std::min(g.ha2, g.RackChordHeightFactor * g.mn);
    g.sc2 = kPi * g.mn / 2 - 2 * ThinningShare(2) * g.jn / std::cos(g.alfan);
}

void ComputeChordHeightForThickness1() { ChordHeight(ChordGearOf(1)); }
void ComputeChordHeightForThickness2() { ChordHeight(ChordGearOf(2)); }
void ComputeChordThicknessForHeight1() { ChordForHeight(ChordGearOf(1)); }
void ComputeChordThicknessForHeight2() { ChordForHeight(ChordGearOf(2)); }

namespace {

// Chord range of an external gear (1 pinion, 2 wheel).
void ExternalChordRange(int gear) {
    GlobalData& g = G;
    const bool pinion = gear == 1;
    const double da = pinion ? g.da1 : g.da2;
    const double db = pinion ? g.db1 : g.db2;
    const double dInv = pinion ? g.InvoluteStartDiameter1 : g.InvoluteStartDiameter2;
    double& tipLimit = pinion ? g.sTipLimitTransverse1 : g.sTipLimitTransverse2;
    const double Dlim = EffectiveTip(gear);
    double T = (pinion ? g.sa1 : g.sa2) / std::cos(HelixAt(gear, da));  // transverse tip thickness
    if (!(pinion ? g.Chamfer1 : g.Chamfer2)) tipLimit = T;
    T = std::max(T, tipLimit);
    g.ChordRangeToBase = false;
    // the chord across the corners of the effective tip, measured from the tip circle
    // (1 - cos a) / 2 taken as sin^2(a / 2), which keeps its digits for the small angle of a tip
    (pinion ? g.ChordHeightMin1 : g.ChordHeightMin2) = Dlim * Sqr(std::sin(tipLimit / (2 * Dlim))) + (da - Dlim) / 2;
    const double u = (pinion ? g.sInv1 : g.sInv2) / std::cos(HelixAt(gear, dInv));
    double& heightMax = pinion ? g.ChordHeightMax1 : g.ChordHeightMax2;
    double& chordMax = pinion ? g.ChordMax1 : g.ChordMax2;
    heightMax = da / 2 - dInv / 2 * std::cos(u / dInv);
    if ((da - db) / 2 > heightMax) {
        chordMax = std::cos(HelixAt(gear, dInv)) * std::sin(u / dInv) * dInv;
    } else {
        heightMax = (da - db) / 2;
        chordMax = pinion ? g.sb1 : g.sb2;
        g.ChordRangeToBase = true;
    }
    (pinion ? g.ChordMin1 : g.ChordMin2) = std::cos(HelixAt(gear, Dlim)) * std::sin(T / Dlim) * Dlim;
}

}  // namespace

void ComputeChordRange1() { ExternalChordRange(1); }

void ComputeChordRange2() {
    GlobalData& g = G;
    if (g.RackMate) {
        g.ChordRangeToBase = false;
        if (g.Chamfer2) {
            g.ChordHeightMin2 = g.ha2 - g.mn * g.ChamferHeightFactor2;
            g.ChordMin2 = g.sChamfer2;
        } else {
            g.ChordHeightMin2 = 0;
            g.ChordMin2 = g.sa2;
        }
        g.ChordHeightMax2 = g.ha2 + g.ToolFlankHeight2;
        g.ChordMax2 = g.sInv2;
        return;
    }
    if (!Annular()) {
        ExternalChordRange(2);
        return;
    }
    const double Dlim = std::fabs(EffectiveTip(2));
    const double dInv = std::fabs(g.InvoluteStartDiameter2);
    double T = g.sa2 / std::cos(HelixAt(2, g.da2));
    if (!g.InternalWheelChamfer) g.sTipLimitTransverse2 = T;
    T = std::max(T, g.sTipLimitTransverse2);
    g.ChordRangeToBase = false;
    const double u = g.sInv2 / std::cos(HelixAt(2, dInv));
    g.ChordMin2 = std::sin(T / Dlim) * Dlim * std::cos(HelixAt(2, Dlim));
    g.ChordMax2 = std::sin(u / dInv) * dInv * std::cos(HelixAt(2, dInv));
    g.ChordHeightMax2 = dInv / 2 * std::cos(u / dInv) - Dlim / 2 * std::cos(T / Dlim);
    g.ChordHeightMin2 = 0;
}

void ComputeChordValidity() {
    GlobalData& g = G;
    ComputeChordRange1();
    ComputeChordRange2();
    const auto inside = [](double sc, double hc, double scMin, double scMax, double hcMin, double hcMax) {
        constexpr double kTolerance = 1e-5;
        return sc >= scMin - kTolerance && sc <= scMax + kTolerance && hc >= hcMin - kTolerance &&
               hc <= hcMax + kTolerance;
    };
    g.ChordValid1 = inside(g.sc1, g.hc1, g.ChordMin1, g.ChordMax1, g.ChordHeightMin1, g.ChordHeightMax1);
    g.ChordValid2 = inside(g.sc2, g.hc2, g.ChordMin2, g.ChordMax2, g.ChordHeightMin2, g.ChordHeightMax2);
}

// ---------------------------------------------------------------- span measurement

double SpanContactDiameter(double W, double db) {
    return ComputedFrom({W}, std::sqrt(Sqr(std::cos(G.betab) * W) + Sqr(db)));
}

void ComputeSpanMeasurements() {
    GlobalData& g = G;
    const double cosAlfan = std::cos(g.alfan);
    const double sinAlfan = std::sin(g.alfan);
    const double invAlfat = Inv(g.alfat);
    const double sinBeta = std::sin(g.beta);
    const auto span = [&](double z, double x, double k, int gear) {
        return g.mn * (cosAlfan * (z * invAlfat + kPi * (k - 0.5)) + 2 * x * sinAlfan) - SpanThinning(gear);
    };
    // no teeth to span, or a span no gear can have: none (a span that is no number stays one)
    const auto measured = [](double W) { return W > 0 || std::isnan(W) ? W : kNotComputed; };
    g.W1 = g.zw1 > 0 ? measured(span(g.z1, g.x1, g.zw1, 1)) : kNotComputed;
    if (g.RackMate || g.zw2 <= 0)
        g.W2 = kNotComputed;
    else if (Annular())
        g.W2 = measured(-span(g.z2, g.x2, -g.zw2, 2));  // across the teeth enclosed, from inside
    else
        g.W2 = measured(span(g.z2, g.x2, g.zw2, 2));
    g.MinFacewidthSpan1 = ComputedFrom({g.W1}, g.W1 * sinBeta);
    g.MinFacewidthSpan2 = ComputedFrom({g.W2}, g.W2 * sinBeta);
}

void ComputeSpanTeethRange() {
    ComputationScope computation;  // each refused argument shown once
    GlobalData& g = G;
    const double pn = kPi * g.mn * std::cos(g.alfan);  // normal base pitch
    const double cosBetab = std::cos(g.betab);
    const double proposalFactor = g.alfan / (kPi * std::cos(g.beta) * Sqr(cosBetab));
    // teeth spanned when the anvils touch a flank on diameter D at pressure angle a
    const auto spanned = [&](double D, double a, double sb) {
        return (std::fabs(D) * std::sin(a) / cosBetab - sb) / pn;
    };
    const auto propose = [&](double z, std::int16_t least, std::int16_t most) {
        const double v = std::fabs(z) * proposalFactor + 0.5;
        double k = rt::Frac(v) > 0.2 ? rt::Trunc(v) + 1 : rt::Trunc(v);
        k = std::max(std::min(k, static_cast<double>(most)), static_cast<double>(least));
        return TeethCount(k);
    };
    const auto take = [&](std::int16_t& zw, std::int16_t proposed, std::int16_t most) {
        if (!g.TestDimensionsActive) return;
        zw = proposed == 0 ? 1 : proposed;
        if (most == 0) zw = 0;
    };

    // external gear: from the start of the involute (the next whole number above) to the
    // effective tip; a pointed tip admits no span
    const auto external = [&](int gear) {
        const bool pinion = gear == 1;
        const double Dlim = EffectiveTip(gear);
        const double db = pinion ? g.db1 : g.db2;
        const double da = pinion ? g.da1 : g.da2;
        const double sb = pinion ? g.sb1 : g.sb2;
        double& dInv = pinion ? g.InvoluteStartDiameter1 : g.InvoluteStartDiameter2;
        std::int16_t& least = pinion ? g.SpanTeethMin1 : g.SpanTeethMin2;
        std::int16_t& most = pinion ? g.SpanTeethMax1 : g.SpanTeethMax2;
        std::int16_t& zw = pinion ? g.zw1 : g.zw2;
        const double alfaLim = ArcCos(db / Dlim);
        if (pinion && dInv == 0) dInv = g.d1;
        const double alfaInv = ArcCos(db / dInv);
        double T = (pinion ? g.sa1 : g.sa2) / std::cos(HelixAt(gear, da));
        const double tipLimit = pinion ? g.sTipLimitTransverse1 : g.sTipLimitTransverse2;
        if (pinion ? g.Chamfer1 : g.Chamfer2) T = std::max(T, tipLimit);
        least = TeethCount(rt::Trunc(spanned(dInv, alfaInv, sb) + 1) + 1);
        most = TeethCount(spanned(Dlim, alfaLim, sb) + 1);
        if (T / Dlim > alfaLim) least = most = zw = 0;
        std::int16_t& proposed = pinion ? g.SpanTeethProposed1 : g.SpanTeethProposed2;
        proposed = propose(pinion ? g.z1 : g.z2, least, most);
        take(zw, proposed, most);
    };

    external(1);
    if (g.RackMate) {
        g.SpanTeethMin2 = g.SpanTeethMax2 = g.zw2 = 0;
        g.SpanTeethProposed2 = 0;
    } else if (!Annular()) {
        external(2);
    } else {
        // annular wheel: from its tip to the start of its involute, over base spaces
        const double dInv = g.InvoluteStartDiameter2;
        const double alfaInv = ArcCos(g.db2 / dInv);
        const double alfaTip = g.da2 < g.db2 ? ArcCos(g.db2 / g.da2) : 0.0;
        const double space = pn - g.sb2;
        g.SpanTeethMin2 = TeethCount(rt::Trunc(spanned(g.da2, alfaTip, space)) + 1);
        g.SpanTeethMax2 = TeethCount(spanned(dInv, alfaInv, space));
        const double u2 = kPi * dInv / g.z2 - g.sInv2 / std::cos(HelixAt(2, dInv));
        const double q = kPi * g.mt * dInv / g.d2;
        if ((q + u2) / std::fabs(dInv) > alfaInv) g.SpanTeethMin2 = g.SpanTeethMax2 = g.zw2 = 0;
        g.SpanTeethProposed2 = propose(g.z2, g.SpanTeethMin2, g.SpanTeethMax2);
        take(g.zw2, g.SpanTeethProposed2, g.SpanTeethMax2);
    }
}

// ---------------------------------------------------------------- balls and pins

void ComputeBallDiameterForContact1() {
    GlobalData& g = G;
    BallForContact(g.db1, g.da1, g.sb1, g.dM1, g.z1, g.dt1, g.M1);
}

void ComputeBallDiameterForContact2() {
    GlobalData& g = G;
    if (g.RackMate) return;
    BallForContact(g.db2, g.da2, g.sb2, g.dM2, g.z2, g.dt2, g.M2);
}

void ComputeBallDiameterRange1() {
    ComputationScope computation;  // each refused argument shown once
    GlobalData& g = G;
    g.BallRangeState = kBallWithinLimits;
    g.dtMin1 = BallDiameterTouching(1, g.InvoluteStartDiameter1);
    if (g.dtMin1 > g.dt1) g.BallRangeState = kBallBelowInvolute;
    LowerBallLimits(g.db1, g.sb1, g.dt1, g.z1, g.da1, g.df1, g.dtMin1);
    const double Dlim = EffectiveTip(1);
    g.BallTipLimit1 = Dlim;
    if (FourTeethOpenSpace(g.z1, g.da1, g.sa1, g.db1, HelixAt(1, g.da1))) {
        g.BallTipLimit1 = std::min(0.98 * g.da1, Dlim);
        g.dtMax1 = 1000.0;
        return;
    }
    g.dtMax1 = BallDiameterTouching(1, Dlim);
}

void ComputeBallDiameterRange2() {
    ComputationScope computation;  // each refused argument shown once
    GlobalData& g = G;
    g.BallRangeState = kBallWithinLimits;
    if (g.RackMate) return;
    g.dtMin2 = BallDiameterTouching(2, std::fabs(g.InvoluteStartDiameter2));
    if (g.dtMin2 > g.dt2) g.BallRangeState = kBallBelowInvolute;
    // the annular wheel's M is the dimension between the balls: into its root is beyond it
    LowerBallLimits(g.db2, g.sb2, g.dt2, g.z2, g.da2, g.df2, g.dtMin2);
    const double Dlim = std::fabs(EffectiveTip(2));
    g.BallTipLimit2 = Dlim;
    if (FourTeethOpenSpace(std::fabs(g.z2), g.da2, g.sa2, g.db2, HelixAt(2, g.da2))) {
        g.BallTipLimit2 = std::min(0.98 * std::fabs(g.da2), Dlim);
        g.dtMax2 = 1000.0;
        return;
    }
    g.dtMax2 = BallDiameterTouching(2, Dlim);
}

void ForgetBallsThatFitNoSpace() {
    GlobalData& g = G;
    const auto forget = [](double dtMin, double dtMax, double& dt, double& M, double& dM) {
        const bool fits =
            dtMax > 0 && dtMax >= dtMin && dt > 0 && std::isfinite(dt) && std::isfinite(M) && std::isfinite(dM);
        if (!fits) dt = M = dM = kNotComputed;
    };
    forget(g.dtMin1, g.dtMax1, g.dt1, g.M1, g.dM1);
    if (!g.RackMate) forget(g.dtMin2, g.dtMax2, g.dt2, g.M2, g.dM2);
}

void ForgetTestDimensions() {
    GlobalData& g = G;
    // clang-format off
    for (double* v : {&g.W1, &g.W2, &g.MinFacewidthSpan1, &g.MinFacewidthSpan2, &g.sc1, &g.sc2, &g.hc1, &g.hc2,
                      &g.ChordMin1, &g.ChordMin2, &g.ChordMax1, &g.ChordMax2, &g.ChordHeightMin1,
                      &g.ChordHeightMin2, &g.ChordHeightMax1, &g.ChordHeightMax2, &g.M1, &g.M2, &g.dt1, &g.dt2,
                      &g.dM1, &g.dM2, &g.dtMin1, &g.dtMax1, &g.dtMin2, &g.dtMax2})
        // clang-format on
        *v = kNotComputed;
    g.zw1 = g.zw2 = 0;
    g.SpanTeethMin1 = g.SpanTeethMax1 = g.SpanTeethMin2 = g.SpanTeethMax2 = 0;
    g.SpanTeethProposed1 = g.SpanTeethProposed2 = 0;
    g.ChordValid1 = g.ChordValid2 = false;
}

void ComputeDimensionOverBalls1() {
    GlobalData& g = G;
    OverBallsForDiameter(g.db1, g.sb1, g.dt1, g.z1, g.BallTipLimit1, g.dM1, g.M1);
}

void ComputeDimensionOverBalls2() {
    GlobalData& g = G;
    if (g.RackMate) return;
    const double noLimit = std::numeric_limits<double>::infinity();
    OverBallsForDiameter(g.db2, g.sb2, g.dt2, g.z2, Annular() ? noLimit : g.BallTipLimit2, g.dM2, g.M2);
}

// ---------------------------------------------------------------- choices of the case

namespace {

// Two values a data file keeps alike (12 decimals).
bool KeptAlike(double a, double b) { return rt::Str(a, 14, 12) == rt::Str(b, 14, 12); }

// The ball dt of a gear, where its range admits it as the page admits a ball typed; else
// the check's ball and range stay and the ball refused is told.
void TakeBall(int gear, double dt, std::vector<RefusedTestDimension>& refused) {
    GlobalData& g = G;
    double& held = gear == 1 ? g.dt1 : g.dt2;
    if (!Computed(held) || !(dt > 0) || KeptAlike(dt, held)) return;
    const double checked = held;
    const auto range = [gear] { gear == 1 ? ComputeBallDiameterRange1() : ComputeBallDiameterRange2(); };
    held = dt;
    range();
    const bool below = BallBelowRange(gear, dt);
    if (below || BallAboveRange(gear, dt)) {
        const double least = gear == 1 ? g.dtMin1 : g.dtMin2, most = gear == 1 ? g.dtMax1 : g.dtMax2;
        refused.push_back({RefusedTestDimension::Ball, gear, below, below ? least : most, g.BallRangeState});
        held = checked;
        range();
        return;
    }
    gear == 1 ? ComputeDimensionOverBalls1() : ComputeDimensionOverBalls2();
}

// The chosen chord of a gear within its range, with its height; false when the check's
// chord was not in question.
bool TakeChord(int gear, double sc, std::vector<RefusedTestDimension>& refused) {
    GlobalData& g = G;
    double& held = gear == 1 ? g.sc1 : g.sc2;
    if (!(gear == 1 ? g.ChordChosen1 : g.ChordChosen2) || !Computed(held) || !Computed(sc) || KeptAlike(sc, held))
        return false;
    gear == 1 ? ComputeChordRange1() : ComputeChordRange2();
    const double least = gear == 1 ? g.ChordMin1 : g.ChordMin2, most = gear == 1 ? g.ChordMax1 : g.ChordMax2;
    if (sc >= least && sc <= most) {
        held = sc;
        gear == 1 ? ComputeChordHeightForThickness1() : ComputeChordHeightForThickness2();
    } else {
        refused.push_back({RefusedTestDimension::Chord, gear, sc < least, sc < least ? least : most});
    }
    return true;
}

// The number of teeth spanned of a gear within its range; a choice of none is no choice.
bool TakeSpanTeeth(int gear, std::int16_t zw, std::vector<RefusedTestDimension>& refused) {
    GlobalData& g = G;
    std::int16_t& held = gear == 1 ? g.zw1 : g.zw2;
    const std::int16_t least = gear == 1 ? g.SpanTeethMin1 : g.SpanTeethMin2;
    const std::int16_t most = gear == 1 ? g.SpanTeethMax1 : g.SpanTeethMax2;
    if (zw <= 0 || zw == held) return false;
    if (zw >= least && zw <= most) {
        held = zw;
        return true;
    }
    refused.push_back({RefusedTestDimension::SpanTeeth, gear, zw < least, double(zw < least ? least : most)});
    return false;
}

}  // namespace

bool BallBelowRange(int gear, double dt) {
    const GlobalData& g = G;
    return (gear == 1 ? g.dtMin1 : g.dtMin2) - 1e-5 > dt && g.BallRangeState != kBallWithinLimits;
}

bool BallAboveRange(int gear, double dt) { return dt > (gear == 1 ? G.dtMax1 : G.dtMax2) + 1e-5; }

std::vector<RefusedTestDimension> TakeTestDimensionChoices(const TestDimensionChoices& chosen) {
    GlobalData& g = G;
    std::vector<RefusedTestDimension> refused;
    if (!g.CheckComplete) return refused;
    const bool wheel = !g.RackMate;
    const bool spans1 = TakeSpanTeeth(1, chosen.zw1, refused);
    const bool spans2 = wheel && TakeSpanTeeth(2, chosen.zw2, refused);
    if (spans1 || spans2) ComputeSpanMeasurements();
    TakeBall(1, chosen.dt1, refused);
    if (wheel) TakeBall(2, chosen.dt2, refused);
    const bool chord1 = TakeChord(1, chosen.sc1, refused), chord2 = TakeChord(2, chosen.sc2, refused);
    if (chord1 || chord2) ComputeChordValidity();
    return refused;
}

}  // namespace ostrimo
