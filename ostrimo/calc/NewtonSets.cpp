// The equation sets of the geometry Newton solver.  Residuals and derivatives are
// evaluated in extended precision and stored as doubles; tangents and arc cosines go
// through the guarded trigonometry.  The Jacobians are the analytic partial
// derivatives of the residuals as written here.
#include <cmath>
#include <numbers>

#include "ostrimo/calc/NEWTON.h"

namespace ostrimo {

namespace {

using L = long double;
constexpr L kPi = std::numbers::pi_v<L>;

L Tan(L a) { return ComputeCheckedTan(a); }
L Inv(L a) { return Tan(a) - a; }  // involute function
L InvOfArcCos(L c) { return Inv(ComputeCheckedArcCos(c)); }

L X(int i) { return G.NewtonUnknowns.x[i]; }
L P(int i) { return G.NewtonParameters[i]; }
void SetX(int i, L v) { G.NewtonUnknowns.x[i] = static_cast<double>(v); }
void SetF(int i, L v) { G.NewtonUnknowns.F[i] = static_cast<double>(v); }
void SetJ(int i, int j, L v) { G.NewtonJacobian[i][j] = static_cast<double>(v); }

// cos(atan(q)) and its derivative -q cos^3(atan(q)).
L CosAtan(L q) { return std::cos(std::atan(q)); }

// ---------------------------------------------------------------- sets 1, 2
// The tool flank that generates the undercut: the protuberance flank while
// ProtuberanceFlankActive, else the main flank.
struct ToolFlank {
    L a;   // transverse flank angle
    L xs;  // shift of the flank's reference line, in modules
    L Db;  // base diameter of the flank's involute
    L d;   // reference diameter
    L hF;  // height of the end of the straight flank
};

ToolFlank FlankOf(int gear) {
    const bool protuberance = G.ProtuberanceFlankActive;
    if (gear == 1)
        return {protuberance ? G.ProtuberanceTransverseAngle1 : G.alfat,
                protuberance ? G.ProtuberanceFlankShift1 + G.x1 : G.x1,
                protuberance ? G.ProtuberanceBaseDiameter1 : G.db1, G.d1, G.ToolFlankHeight1};
    return {protuberance ? G.ProtuberanceTransverseAngle2 : G.alfat,
            protuberance ? G.ProtuberanceFlankShift2 + G.x2 : G.x2, protuberance ? G.ProtuberanceBaseDiameter2 : G.db2,
            G.d2, G.ToolFlankHeight2};
}

void UndercutJacobian(int gear) {
    if (X(1) < 1) SetX(1, 1);  // keeps sqrt(x1^2 - 1) real
    const ToolFlank t = FlankOf(gear);
    const L s = t.a + X(2) + X(3);
    const L u = X(2) + X(3);
    const L sinU = std::sin(u);
    SetJ(1, 1, -std::cos(s));
    SetJ(1, 2, X(1) * std::sin(s));
    SetJ(1, 3, X(1) * std::sin(s));
    SetJ(2, 1, 1);
    SetJ(2, 2, X(2) * std::cos(u) / (sinU * sinU) - 1 / sinU);
    SetJ(2, 3, X(2) * std::cos(u) / (sinU * sinU));
    SetJ(3, 1, std::sqrt(X(1) * X(1) - 1) / X(1));
    SetJ(3, 2, 0);
    SetJ(3, 3, -1);
}

void UndercutResiduals(int gear) {
    const ToolFlank t = FlankOf(gear);
    SetF(1, (t.d - 2 * (t.hF - t.xs * G.mn)) / t.Db - X(1) * std::cos(t.a + X(2) + X(3)));
    SetF(2, X(1) - X(2) / std::sin(X(2) + X(3)));
    SetF(3, InvOfArcCos(1 / X(1)) - X(3));
}

// ---------------------------------------------------------------- sets 3 to 6
// First row of the chordal sets: F1 = P1 -+ inv(arccos(Db/x2)) - x1, sign -1 for the
// external gear (3, 4), +1 for the internal wheel (5, 6).
void ChordAngleRow(L Db, int sign) {
    if (std::fabs(X(2)) < Db) SetX(2, Db);  // the point stays on the involute
    const L c = Db / X(2);
    SetJ(1, 1, -1);
    // d inv(arccos(Db/x2)) / dx2 = sqrt(1 - (Db/x2)^2) / Db
    SetJ(1, 2, Db > 0 ? sign * std::sqrt(std::fmax(0.0L, 1 - c * c)) / Db : 0);
}

L ChordAngleResidual(L Db, int sign) { return P(1) + sign * InvOfArcCos(Db / X(2)) - X(1); }

// F2 = sin(x1) x2 cos(atan(|x2| t)) - chord, t = tan(beta)/d.
void ChordRow(L t) {
    const L g = CosAtan(std::fabs(X(2)) * t);
    SetJ(2, 1, std::cos(X(1)) * X(2) * g);
    SetJ(2, 2, std::sin(X(1)) * g * g * g);
}

L ChordResidual(L t, L chord) { return std::sin(X(1)) * X(2) * CosAtan(std::fabs(X(2)) * t) - chord; }

// ---------------------------------------------------------------- identification
// The four gear parameters of an identification: the sought one is the unknown
// x[slot], the other three are element `element` of IdentMn, IdentAlfa, IdentBeta, IdentX.
enum Role { Module = 0, FlankAngle = 1, HelixAngle = 2, Amc = 3 };

struct GearParameters {
    L m, alpha, beta, x;
    L tanAlpha, alphaT, tanAlphaT;
    L dAlphaT;  // d alphaT / d(sought parameter)
};

GearParameters ParametersFor(Role role, int element, int slot) {
    GearParameters p{G.IdentMn[element], G.IdentAlfa[element], G.IdentBeta[element], G.IdentX[element], 0, 0, 0, 0};
    const L sought = X(slot);
    switch (role) {
        case Module: p.m = sought; break;
        case FlankAngle: p.alpha = sought; break;
        case HelixAngle: p.beta = sought; break;
        case Amc: p.x = sought; break;
    }
    p.tanAlpha = Tan(p.alpha);
    p.alphaT = std::atan(p.tanAlpha / std::cos(p.beta));
    p.tanAlphaT = Tan(p.alphaT);
    const L cosA = std::cos(p.alpha), sinA = std::sin(p.alpha);
    const L cosB = std::cos(p.beta), sinB = std::sin(p.beta);
    if (role == FlankAngle) p.dAlphaT = cosB / (cosA * cosA * cosB * cosB + sinA * sinA);
    if (role == HelixAngle) p.dAlphaT = p.tanAlpha * sinB / (cosB * cosB + p.tanAlpha * p.tanAlpha);
    return p;
}

// Magnitude of the base diameter |z| m cos(alphaT) / cos(beta) and its derivative.
L BaseDiameter(const GearParameters& p, L z) { return z * p.m * std::cos(p.alphaT) / std::cos(p.beta); }

L BaseDiameterDerivative(const GearParameters& p, Role role, L z) {
    const L cosB = std::cos(p.beta);
    switch (role) {
        case Module: return z * std::cos(p.alphaT) / cosB;
        case FlankAngle: return -z * p.m * std::sin(p.alphaT) * p.dAlphaT / cosB;
        case HelixAngle:
            return z * p.m * (std::cos(p.alphaT) * std::sin(p.beta) - std::sin(p.alphaT) * cosB * p.dAlphaT) /
                   (cosB * cosB);
        case Amc: return 0;
    }
    return 0;
}

// Half tooth angle term (2 x tan(alpha) + pi/2) / z and its derivative.
L ThicknessAngle(const GearParameters& p, L z) { return (2 * p.x * p.tanAlpha + kPi / 2) / z; }

L ThicknessAngleDerivative(const GearParameters& p, Role role, L z) {
    const L cosA = std::cos(p.alpha);
    if (role == FlankAngle) return 2 * p.x / (cosA * cosA * z);
    if (role == Amc) return 2 * p.tanAlpha / z;
    return 0;
}

// d inv(alphaT) / d(sought)
L InvAlphaTDerivative(const GearParameters& p) { return p.tanAlphaT * p.tanAlphaT * p.dAlphaT; }

// Second row of the chord sets: F2 = x2 sin(x1) cos(atan(x2 sin(beta) / (z m))) - chord.
void IdentChordRow(const GearParameters& p, Role role, L z) {
    const L q = X(2) * std::sin(p.beta) / (z * p.m);
    const L g = CosAtan(q);
    const L dg = -q * g * g * g;  // d cos(atan q) / dq
    SetJ(2, 1, X(2) * std::cos(X(1)) * g);
    SetJ(2, 2, std::sin(X(1)) * g * g * g);
    L dq = 0;
    if (role == Module) dq = -q / p.m;
    if (role == HelixAngle) dq = X(2) * std::cos(p.beta) / (z * p.m);
    SetJ(2, 3, X(2) * std::sin(X(1)) * dg * dq);
}

L IdentChordResidual(const GearParameters& p, L z) {
    return X(2) * std::sin(X(1)) * CosAtan(X(2) * std::sin(p.beta) / (z * p.m)) - G.IdentMeasuredChord;
}

// An entry holding sqrt(1 - c^2) is written only while 1 - c^2 is not negative;
// otherwise it keeps its previous value.
void SetRootEntry(int i, int j, L rootArgument, L valuePerRoot) {
    if (rootArgument >= 0) SetJ(i, j, valuePerRoot * std::sqrt(rootArgument));
}

// Constant chord of an external gear (sets 11 to 14).
//   S  = (2 x tan(alpha) + pi/2) / z2 + inv(alphaT),  Db = z2 m cos(alphaT) / cos(beta)
//   F1 = da2/2 - (x2/2) cos(x1) - hc
//   F2 = x2 sin(x1) cos(atan(x2 sin(beta) / (z2 m))) - sc
//   F3 = S - inv(arccos(Db/x2)) - x1
void ExternalChordJacobian(Role role) {
    const GearParameters p = ParametersFor(role, 1, 3);
    const L z = G.z2;
    SetJ(1, 1, X(2) / 2 * std::sin(X(1)));
    SetJ(1, 2, -std::cos(X(1)) / 2);
    SetJ(1, 3, 0);
    IdentChordRow(p, role, z);
    const L Db = BaseDiameter(p, z);
    const L c = Db / X(2);
    const L root = 1 - c * c;
    const L dS = ThicknessAngleDerivative(p, role, z) + InvAlphaTDerivative(p);
    const L dc = BaseDiameterDerivative(p, role, z) / X(2);
    SetJ(3, 1, -1);
    SetRootEntry(3, 2, root, -1 / Db);
    if (role == Amc)
        SetJ(3, 3, dS);
    else if (root >= 0)
        SetJ(3, 3, dS + std::sqrt(root) / (c * c) * dc);
}

void ExternalChordResiduals(Role role) {
    const GearParameters p = ParametersFor(role, 1, 3);
    const L z = G.z2;
    const L S = ThicknessAngle(p, z) + Inv(p.alphaT);
    const L c = BaseDiameter(p, z) / X(2);
    SetF(1, G.da2 / 2.0L - X(2) / 2 * std::cos(X(1)) - G.IdentMeasuredHeight);
    SetF(2, IdentChordResidual(p, z));
    if (role == Amc && std::fabs(c) > 1)
        SetF(3, 0);  // the arc cosine is not evaluated
    else
        SetF(3, S - InvOfArcCos(c) - X(1));
}

// Constant chord of an internal wheel (sets 19 to 22); z2 and da2 are negative.
//   S' = (2 x tan(alpha) + pi/2) / |z2| - inv(alphaT),  Db = |z2| m cos(alphaT) / cos(beta)
//   theta = S' + inv(alphaA), cos(alphaA) = Db / |da2| (half tooth angle at the tip)
//   F1 = (x2/2) cos(x1) - (|da2|/2) cos(theta) - hc   (height from the tip corners)
//   F2 = x2 sin(x1) cos(atan(x2 sin(beta) / (|z2| m))) - sc
//   F3 = S' + inv(arccos(Db/x2)) - x1
void InternalChordJacobian(Role role) {
    const GearParameters p = ParametersFor(role, 1, 3);
    const L z = std::fabs(G.z2);
    const L da = std::fabs(G.da2);
    const L Db = BaseDiameter(p, z);
    const L dDb = BaseDiameterDerivative(p, role, z);
    const L dS = ThicknessAngleDerivative(p, role, z) - InvAlphaTDerivative(p);
    const L cA = Db / da;
    const L rootA = 1 - cA * cA;
    const L theta = ThicknessAngle(p, z) - Inv(p.alphaT) + InvOfArcCos(cA);
    SetJ(1, 1, -X(2) / 2 * std::sin(X(1)));
    SetJ(1, 2, std::cos(X(1)) / 2);
    // d theta = dS' - sqrt(1 - cA^2) / cA^2 dcA
    if (role == Amc)
        SetJ(1, 3, da / 2 * std::sin(theta) * dS);
    else if (rootA >= 0)
        SetJ(1, 3, da / 2 * std::sin(theta) * (dS - std::sqrt(rootA) / (cA * cA) * dDb / da));
    IdentChordRow(p, role, z);
    const L c = Db / X(2);
    const L root = 1 - c * c;
    SetJ(3, 1, -1);
    SetRootEntry(3, 2, root, 1 / Db);
    if (role == Amc)
        SetJ(3, 3, dS);
    else if (root >= 0)
        SetJ(3, 3, dS - std::sqrt(root) / (c * c) * dDb / X(2));
}

void InternalChordResiduals(Role role) {
    const GearParameters p = ParametersFor(role, 1, 3);
    const L z = std::fabs(G.z2);
    const L da = std::fabs(G.da2);
    const L Db = BaseDiameter(p, z);
    const L S = ThicknessAngle(p, z) - Inv(p.alphaT);
    const L theta = S + InvOfArcCos(Db / da);
    SetF(1, X(2) / 2 * std::cos(X(1)) - da / 2 * std::cos(theta) - G.IdentMeasuredHeight);
    SetF(2, IdentChordResidual(p, z));
    SetF(3, S + InvOfArcCos(Db / X(2)) - X(1));
}

// Dimension over balls (sets 15 to 18), for both gearing types; M is the prepared
// diameter through the ball centres.
//   A  = (2 x tan(alpha) + dt / (m cos(alpha)) - pi/2) / z2
//   F1 = A + inv(alphaT) - inv(x1)
//   F2 = (|z2| m cos(alphaT) / cos(beta)) / M - cos(x1)
void BallJacobian(Role role) {
    const GearParameters p = ParametersFor(role, 3, 2);
    const L z = G.z2;
    const L dt = G.IdentBallDiameter;
    const L M = G.IdentBallDimension;
    const L cos1 = std::cos(X(1));
    SetJ(1, 1, cos1 == 0 ? 0 : 1 - 1 / (cos1 * cos1));
    const L cosA = std::cos(p.alpha);
    L dA = 0;
    if (role == Module) dA = -dt / (p.m * p.m * cosA * z);
    if (role == FlankAngle) dA = (2 * p.x / (cosA * cosA) + dt * std::sin(p.alpha) / (p.m * cosA * cosA)) / z;
    if (role == Amc) dA = 2 * p.tanAlpha / z;
    SetJ(1, 2, dA + InvAlphaTDerivative(p));
    SetJ(2, 1, std::sin(X(1)));
    SetJ(2, 2, BaseDiameterDerivative(p, role, std::fabs(z)) / M);
}

void BallResiduals(Role role) {
    const GearParameters p = ParametersFor(role, 3, 2);
    const L z = G.z2;
    const L A = (2 * p.x * p.tanAlpha + G.IdentBallDiameter / (p.m * std::cos(p.alpha)) - kPi / 2) / z;
    SetF(1, A + Inv(p.alphaT) - Inv(X(1)));
    SetF(2, BaseDiameter(p, std::fabs(z)) / G.IdentBallDimension - std::cos(X(1)));
}

}  // namespace

// Protuberance undercut of the pinion and of the wheel.
void BuildNewtonSet1Jacobian() { UndercutJacobian(1); }
void BuildNewtonSet1Residuals() { UndercutResiduals(1); }
void BuildNewtonSet2Jacobian() { UndercutJacobian(2); }
void BuildNewtonSet2Residuals() { UndercutResiduals(2); }

// Chord for a chosen height, external: F2 = P3 - (x2/2) cos(x1).
void BuildNewtonSet3Jacobian() {
    ChordAngleRow(std::fabs(P(2)), -1);
    SetJ(2, 1, X(2) / 2 * std::sin(X(1)));
    SetJ(2, 2, -std::cos(X(1)) / 2);
}
void BuildNewtonSet3Residuals() {
    SetF(1, ChordAngleResidual(std::fabs(P(2)), -1));
    SetF(2, P(3) - X(2) / 2 * std::cos(X(1)));
}

// Height for a chosen chord, external.
void BuildNewtonSet4Jacobian() {
    ChordAngleRow(std::fabs(P(2)), -1);
    ChordRow(P(3));
}
void BuildNewtonSet4Residuals() {
    SetF(1, ChordAngleResidual(std::fabs(P(2)), -1));
    SetF(2, ChordResidual(P(3), P(4)));
}

// Chord for a chosen height, internal wheel: F2 = (|x2|/2) cos(x1) - P3.
void BuildNewtonSet5Jacobian() {
    ChordAngleRow(std::fabs(G.db2), +1);
    SetJ(2, 1, -std::fabs(X(2)) / 2 * std::sin(X(1)));
    SetJ(2, 2, (X(2) < 0 ? -1 : 1) * std::cos(X(1)) / 2);
}
void BuildNewtonSet5Residuals() {
    SetF(1, ChordAngleResidual(std::fabs(G.db2), +1));
    SetF(2, std::fabs(X(2)) / 2 * std::cos(X(1)) - P(3));
}

// Height for a chosen chord, internal wheel.
void BuildNewtonSet6Jacobian() {
    ChordAngleRow(std::fabs(G.db2), +1);
    ChordRow(P(2));
}
void BuildNewtonSet6Residuals() {
    SetF(1, ChordAngleResidual(std::fabs(G.db2), +1));
    SetF(2, ChordResidual(P(2), G.sc2));
}

// Ball or pin touching the flank at a given diameter.
void BuildNewtonSet7Jacobian() {
    const L t = Tan(X(1));
    SetJ(1, 1, -t * t);
    SetJ(1, 2, 1 / (P(5) * P(6)));
    SetJ(2, 1, 1);
    SetJ(2, 2, P(4));
}
void BuildNewtonSet7Residuals() {
    SetF(1, P(1) * X(2) - P(2) - Tan(X(1)) + X(1));
    SetF(2, X(1) - P(3) + X(2) * P(4) - P(2));
}

void BuildNewtonSet11Jacobian() { ExternalChordJacobian(Module); }
void BuildNewtonSet11Residuals() { ExternalChordResiduals(Module); }
void BuildNewtonSet12Jacobian() { ExternalChordJacobian(FlankAngle); }
void BuildNewtonSet12Residuals() { ExternalChordResiduals(FlankAngle); }
void BuildNewtonSet13Jacobian() {
    if (X(3) == kPi / 2) {  // exact comparison in extended precision
        SetJ(3, 3, 0);
        return;
    }
    ExternalChordJacobian(HelixAngle);
}
void BuildNewtonSet13Residuals() { ExternalChordResiduals(HelixAngle); }
void BuildNewtonSet14Jacobian() { ExternalChordJacobian(Amc); }
void BuildNewtonSet14Residuals() { ExternalChordResiduals(Amc); }

void BuildNewtonSet15Jacobian() { BallJacobian(Module); }
void BuildNewtonSet15Residuals() { BallResiduals(Module); }
void BuildNewtonSet16Jacobian() { BallJacobian(FlankAngle); }
void BuildNewtonSet16Residuals() { BallResiduals(FlankAngle); }
void BuildNewtonSet17Jacobian() { BallJacobian(HelixAngle); }
void BuildNewtonSet17Residuals() { BallResiduals(HelixAngle); }
void BuildNewtonSet18Jacobian() { BallJacobian(Amc); }
void BuildNewtonSet18Residuals() { BallResiduals(Amc); }

void BuildNewtonSet19Jacobian() { InternalChordJacobian(Module); }
void BuildNewtonSet19Residuals() { InternalChordResiduals(Module); }
void BuildNewtonSet20Jacobian() { InternalChordJacobian(FlankAngle); }
void BuildNewtonSet20Residuals() { InternalChordResiduals(FlankAngle); }
void BuildNewtonSet21Jacobian() { InternalChordJacobian(HelixAngle); }
void BuildNewtonSet21Residuals() { InternalChordResiduals(HelixAngle); }
void BuildNewtonSet22Jacobian() { InternalChordJacobian(Amc); }
void BuildNewtonSet22Residuals() { InternalChordResiduals(Amc); }

}  // namespace ostrimo
