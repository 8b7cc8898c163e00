// The Identification page: one unknown parameter of the measured wheel (module, normal
// flank angle, helix angle or addendum modification coefficient) from a measured test
// dimension, the other three given as estimates.  Group 1 solves the chord sc at the
// height hc below the tip, group 2 the span W over zw teeth, group 3 the dimension over
// (between) balls M for the ball dt.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "ostrimo/calc/Geometricke_vypocty.h"
#include "ostrimo/calc/Global.h"
#include "ostrimo/calc/NEWTON.h"
#include "ostrimo/forms/Celni.h"
#include "runtime/NumText.h"

namespace ostrimo {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr const char* kDegree = "\xC2\xB0";
constexpr const char* kInvalidNumber = "Invalid format of the number";
constexpr double kMaxEstimatedAngle = 0.9599310885968813;  // 55 degrees
constexpr double kMinFlankAngle = 0.017278759594743863;    // 0.99 degrees
constexpr int kModule = 0, kFlankAngle = 1, kHelixAngle = 2, kAmc = 3;

// The estimate arrays in the order of the radio items.
Array1<double, 3>& Estimates(int unknown) {
    GlobalData& g = G;
    Array1<double, 3>* arrays[] = {&g.IdentMn, &g.IdentAlfa, &g.IdentBeta, &g.IdentX};
    return *arrays[unknown];
}

// A group's result as its field shows it before the angles are redisplayed.
std::string ResultText(int unknown, double value) {
    if (unknown == kModule) return rt::Str(value, 1, 3);
    if (unknown == kAmc) return rt::Str(value, 1, 4);
    return rt::Str(RadToDeg(value), 1, 3);
}

double Inv(double u) { return std::tan(u) - u; }

// The span of the measured wheel written W = mn [cos a (k + s z inv at) + s 2 x sin a]
// with k = (zw - 0.5) pi, s = 1 (external), k = (zw + 0.5) pi, s = -1 (internal).
struct SpanForm {
    double mn, beta, x, z, k, s, W;
};

SpanForm SpanOfGroup2() {
    const GlobalData& g = G;
    const bool internal = g.GearingType == 2;
    const double zw = g.IdentSpanTeeth;
    return {g.IdentMn[2], g.IdentBeta[2], g.IdentX[2],  g.z2, (internal ? zw + 0.5 : zw - 0.5) * kPi,
            internal ? -1.0 : 1.0, g.IdentMeasuredSpan};
}

double TransverseAngle(double alfa, double beta) { return std::atan(std::tan(alfa) / std::cos(beta)); }

void SignOf(double v, int& sign) {
    if (v < 0) sign = -1;
    if (v > 0) sign = 1;
}

constexpr int kMaxHalvings = 200;
constexpr double kRootTolerance = 1e-11;

}  // namespace

// ---------------------------------------------------------------- root searches

namespace {

// Steps from `from` by `step` (upward or downward) until f changes sign between the
// trailing and the leading point, then halves towards the sign change: on a change the
// leading point goes half way back, without one it goes on by half the last distance.
// A root is a leading point with |f| < 1e-11 short of the limit.
double BracketAndHalve(const std::function<double(double)>& f, double from, double step, double limit) {
    const auto inside = [&](double x) { return step > 0 ? x < limit : x > limit; };
    double trailing = from, leading = from + step;
    int signTrailing = 0, signLeading = 0, halvings = 0;
    bool halving = false;
    for (;;) {
        SignOf(f(trailing), signTrailing);
        SignOf(f(leading), signLeading);
        const double before = leading;
        if (signTrailing != signLeading) {
            leading = (trailing + leading) / 2;
            halving = true;
        } else if (halving) {
            const double previous = trailing;
            trailing = leading;
            leading = leading + (leading - previous) / 2;
        } else {
            trailing = leading;
            leading = leading + step;
            if (!inside(leading) && leading != limit) return 0;
            continue;
        }
        if (std::fabs(f(leading)) < kRootTolerance) return inside(leading) ? leading : 0;
        // a sign change without a zero: the bracket stops shrinking
        if (++halvings > kMaxHalvings || leading == before || leading == trailing) return 0;
    }
}

}  // namespace

double FindRootUpward(const std::function<double(double)>& f, double start) {
    return BracketAndHalve(f, start, 0.02, kPi / 2 - 0.0001);
}

double FindRootDownward(const std::function<double(double)>& f, double upper, double lower) {
    return BracketAndHalve(f, upper, -0.01, lower);
}

double EvaluateSpanResidual(double alfa) {
    const SpanForm w = SpanOfGroup2();
    const double at = TransverseAngle(alfa, w.beta);
    return w.mn * (std::cos(alfa) * (w.k + w.s * w.z * Inv(at)) + w.s * 2 * w.x * std::sin(alfa)) - w.W;
}

// dW/da, with d inv(at)/da = tan^2(at) cos(beta) / (cos^2(beta) cos^2(a) + sin^2(a)).
double EvaluateSpanSlope(double alfa) {
    const SpanForm w = SpanOfGroup2();
    const double at = TransverseAngle(alfa, w.beta);
    const double cosA = std::cos(alfa), sinA = std::sin(alfa), cosB = std::cos(w.beta);
    const double dAt = cosB / (cosA * cosA * cosB * cosB + sinA * sinA);
    const double dInvAt = std::pow(std::tan(at), 2) * dAt;
    return w.mn * (-sinA * (w.k + w.s * w.z * Inv(at)) + cosA * w.s * w.z * dInvAt + w.s * 2 * w.x * cosA);
}

std::string NormalizeEstimatedAngleText(const std::string& text) {
    const std::string degree = kDegree;
    if (text.size() >= degree.size() && text.compare(text.size() - degree.size(), degree.size(), degree) == 0)
        return text.substr(0, text.size() - degree.size());
    return text;
}

// ---------------------------------------------------------------- enter and exit

void TPagesDlg::Edit36Enter(int number) {
    if (RadioGroup2->ItemIndex() == kFlankAngle) IdentifyFromSpan();
    IdentActiveField = number;
    if (number == 43 || number == 44 || number == 47 || number == 48 || number == 51 || number == 52)
        G.OldText = IdentificationField(number)->Text();
}

void TPagesDlg::Edit42Exit() {
    if (SkipInputChecks || SkipInputChecksHelp || SkipInputChecksType || SkipIdentificationChecks) return;
    ui::Edit* field = IdentificationField(IdentActiveField);
    // a field the user cannot change (the group's unknown, a spur gear's helix, a rack's
    // AMC) holds a result, not an input
    if (!field || field->ReadOnly()) return;
    const int n = IdentActiveField;
    if (n <= 41) return ValidateMeasuredValues();
    switch ((n - 42) % 4) {
        case kModule: return ValidateEstimatedModule();
        case kFlankAngle: return ValidateEstimatedFlankAngle();
        case kHelixAngle: return ValidateEstimatedHelixAngle();
        default: return ValidateEstimatedAmc();
    }
}

// ---------------------------------------------------------------- the unknown

void TPagesDlg::ChooseUnknown(int group) {
    ui::RadioGroup* choice = group == 1 ? RadioGroup1 : group == 2 ? RadioGroup2 : RadioGroup3;
    for (ui::Label* l : {Label183, Label184, Label185, Label186, Label187, Label188}) l->Hide();
    ui::Edit* edits[4];
    for (int k = 0; k < 4; ++k) {
        edits[k] = IdentificationField(38 + 4 * group + k);
        edits[k]->SetReadOnly(false);
    }
    const bool spur = G.beta > -1e-5 && G.beta < 1e-5;
    if (spur) edits[kHelixAngle]->SetReadOnly(true);
    const bool rack = group == 1 && G.RackMate;
    if (rack) edits[kAmc]->SetReadOnly(true);
    const int unknown = choice->ItemIndex();
    if (unknown < 0) return;
    edits[unknown]->SetReadOnly(true);
    // the choice set back runs this handler again, which computes
    if ((unknown == kHelixAngle && spur) || (unknown == kAmc && rack)) return choice->SetItemIndex(kModule);
    // a helix angle that group 2 did not find is no estimate: the pair's again
    if (group == 2 && unknown != kHelixAngle && G.IdentBeta[2] == -1.0) G.IdentBeta[2] = G.beta;
    RunIdentificationGroup(group);
}

void TPagesDlg::RadioGroup1Click() { ChooseUnknown(1); }
void TPagesDlg::RadioGroup2Click() { ChooseUnknown(2); }
void TPagesDlg::RadioGroup3Click() { ChooseUnknown(3); }

void TPagesDlg::RunIdentificationGroup(int group) {
    if (group == 1) IdentifyFromConstantChord();
    if (group == 2) IdentifyFromSpan();
    if (group == 3) IdentifyFromBallDimension();
}

void TPagesDlg::ShowEstimatedAngles() {
    if (G.AngleFormatDMS)
        ShowEstimatedAnglesDms();
    else
        ShowEstimatedAnglesDecimal();
}

// ---------------------------------------------------------------- group 1: chord

void TPagesDlg::IdentifyFromConstantChord() {
    GlobalData& g = G;
    if (g.RackMate) return SolveConstantChordDirect();
    const int unknown = RadioGroup1->ItemIndex();
    if (unknown < 0) return;
    ComputationScope computation;
    const double sc = g.IdentMeasuredChord, hc = g.IdentMeasuredHeight;
    Array1<double, 3>& x = g.NewtonUnknowns.x;
    x[1] = std::atan(sc / (2 * std::cos(g.IdentBeta[1])) / std::fabs(hc - g.da2 / 2));  // half the chord's angle
    x[2] = std::fabs(2 * hc - g.da2);                                                      // the measuring circle
    x[3] = Estimates(unknown)[1];
    g.ErrorFlag = false;
    SolveIdentification(1, unknown, 3, (g.GearingType == 1 ? 11 : 19) + unknown);
}

// The group's Newton set solved for its unknown, the last of n unknowns.  A solve that
// does not converge beeps; the chord's unknown then keeps its value, the balls' shows
// where the solve stopped.  A value the guarded functions refused is not shown.
void TPagesDlg::SolveIdentification(int group, int unknown, int n, int set) {
    GlobalData& g = G;
    Array1<double, 3>& x = g.NewtonUnknowns.x;
    SolveGeometryNewtonSystem(n, set, x);
    if (g.NewtonNotConverged) ui::MessageBeep();
    if (!g.ErrorFlag && !(g.NewtonNotConverged && group == 1)) {
        Estimates(unknown)[group] = x[n];
        IdentificationField(38 + 4 * group + unknown)->SetText(ResultText(unknown, x[n]));
    }
    g.ErrorFlag = false;
    ShowEstimatedAngles();
}

// The rack's chord at the height hc below its tip: s = pi m / 2 - 2 (ha - hc) tan a.
void TPagesDlg::SolveConstantChordDirect() {
    GlobalData& g = G;
    ComputationScope computation;
    const double sc = g.IdentMeasuredChord, hc = g.IdentMeasuredHeight, ha = g.ha2;
    g.ErrorFlag = false;
    if (RadioGroup1->ItemIndex() == kModule) {
        const double t = static_cast<double>(ComputeCheckedTan(g.IdentAlfa[1]));
        if (!g.ErrorFlag) {
            g.IdentMn[1] = (2 * t * (ha - hc) + sc) * 2 / kPi;
            Edit42->SetText(ResultText(kModule, g.IdentMn[1]));
        }
    } else if (RadioGroup1->ItemIndex() == kFlankAngle) {
        const double side = kPi / 2 * g.IdentMn[1] - sc;
        g.IdentAlfa[1] = ha - hc != 0 && side != 0 ? std::atan(side / (2 * (ha - hc))) : g.alfan;
        Edit43->SetText(ResultText(kFlankAngle, g.IdentAlfa[1]));
    }
    g.ErrorFlag = false;
    ShowEstimatedAngles();
}

// ---------------------------------------------------------------- group 2: span

void TPagesDlg::IdentifyFromSpan() {
    GlobalData& g = G;
    if (g.RackMate) return;
    ComputationScope computation;
    for (ui::Label* l : {Label183, Label184, Label185, Label186, Label187, Label188}) l->Hide();
    const SpanForm w = SpanOfGroup2();
    const double a = g.IdentAlfa[2];
    const double cosA = std::cos(a), sinA = std::sin(a);
    g.ErrorFlag = false;
    switch (RadioGroup2->ItemIndex()) {
        case kModule: {
            g.IdentAlfaT[2] = TransverseAngle(a, w.beta);
            g.IdentMn[2] = w.W / (cosA * (w.k + w.s * w.z * Inv(g.IdentAlfaT[2])) + w.s * 2 * w.x * sinA);
            Edit46->SetText(ResultText(kModule, g.IdentMn[2]));
            break;
        }
        case kAmc: {
            g.IdentAlfaT[2] = TransverseAngle(a, w.beta);
            g.IdentX[2] = (w.W / w.mn - cosA * (w.k + w.s * w.z * Inv(g.IdentAlfaT[2]))) / (w.s * 2 * sinA);
            Edit49->SetText(ResultText(kAmc, g.IdentX[2]));
            break;
        }
        case kHelixAngle: {
            // inv(at) from the span; the helix angle from tan(at) = tan(a) / cos(beta)
            const double t = (w.W / w.mn - w.s * 2 * w.x * sinA - cosA * w.k) / (w.s * w.z * cosA);
            if (t > 0) {
                double at = 0;
                InvertInvoluteChecked(at, t);
                g.IdentAlfaT[2] = at;
                if (at <= a - 1e-11) {
                    g.IdentBeta[2] = -1.0;
                } else if (std::fabs(at - a) < 1e-11) {
                    g.IdentBeta[2] = 0;
                } else {
                    g.IdentBeta[2] = static_cast<double>(ComputeCheckedArcCos(std::tan(a) / std::tan(at)));
                    Edit48->SetText(ResultText(kHelixAngle, g.IdentBeta[2]));
                }
            } else if (t < 0) {
                g.IdentBeta[2] = -1.0;
            }
            break;
        }
        case kFlankAngle: {
            // W(a) need not be monotonic: the range is cut at its extrema
            const auto slope = [](double u) { return EvaluateSpanSlope(u); };
            const auto residual = [](double u) { return EvaluateSpanResidual(u); };
            IdentSpanExtremum = FindRootUpward(slope, 1e-6);
            const double aE = IdentSpanExtremum;
            double first = g.IdentAlfa[2], second = 0, third = 0;
            int results = 0;
            if (aE < 1e-8) {
                first = FindRootUpward(residual, 1e-6);
                results = 1;
            } else if (aE > 1e-8) {
                const double RE = EvaluateSpanResidual(aE);
                const double R0 = w.mn * w.k - w.W;
                if (RE < 0 && R0 < 0) {
                    first = FindRootUpward(residual, aE + 1e-5);
                    results = 1;
                } else if (RE < 0 && R0 > 0) {
                    second = FindRootUpward(residual, aE);
                    first = FindRootDownward(residual, aE, 1e-5);
                    results = 2;
                } else if (RE > 0) {
                    g.IdentSpanExtremum2 = FindRootUpward(slope, aE + 1e-5);
                    // without a second extremum the roots lie on both sides of the first
                    const double from = g.IdentSpanExtremum2 > 0 ? g.IdentSpanExtremum2 : aE;
                    second = FindRootUpward(residual, from);
                    first = FindRootDownward(residual, from, 1e-5);
                    results = 2;
                    if (R0 < 0) {
                        third = FindRootUpward(residual, 0);
                        results = 3;
                    }
                }
            }
            if (results > 0) g.IdentAlfa[2] = first;
            if (results >= 2) {
                Label183->SetCaption("2. result       = " + rt::Str(RadToDeg(second), 1, 3) + kDegree);
                for (ui::Label* l : {Label183, Label184, Label185}) l->Show();
            }
            if (results == 3) {
                Label188->SetCaption("3. result       = " + rt::Str(RadToDeg(third), 1, 3) + kDegree);
                for (ui::Label* l : {Label186, Label187, Label188}) l->Show();
            }
            break;
        }
        default: break;
    }
    g.ErrorFlag = false;
    ShowEstimatedAngles();
}

// ---------------------------------------------------------------- group 3: balls

void TPagesDlg::IdentifyFromBallDimension() {
    GlobalData& g = G;
    if (g.RackMate) return;
    const int unknown = RadioGroup3->ItemIndex();
    if (unknown < 0) return;
    ComputationScope computation;
    g.ErrorFlag = false;
    const double at = TransverseAngle(g.IdentAlfa[3], g.IdentBeta[3]);
    const double db = g.z2 * g.IdentMn[3] / std::cos(g.IdentBeta[3]) * std::cos(at);
    Array1<double, 3>& x = g.NewtonUnknowns.x;
    x[1] = static_cast<double>(ComputeCheckedArcCos(db / g.da2));  // pressure angle at the tip circle
    // the circle through the ball centres
    const double dt = g.IdentBallDiameter, M = g.IdentMeasuredOverBalls;
    double centres = g.GearingType == 2 ? M + dt : M - dt;
    const long long z = std::llround(std::fabs(g.z2));
    if (z % 2 != 0) centres /= std::cos(kPi / (2 * std::fabs(g.z2)));
    g.IdentBallDimension = centres;
    x[2] = Estimates(unknown)[3];
    SolveIdentification(3, unknown, 2, 15 + unknown);
}

// ---------------------------------------------------------------- validators

void TPagesDlg::ValidateMeasuredValues() {
    GlobalData& g = G;
    const int n = IdentActiveField;
    ui::Edit* field = IdentificationField(n);
    double value = 0;
    int code = 0;
    if (n == 38) {
        long long teeth = 0;
        rt::Val(field->Text(), teeth, code);
        if (code == 0) {
            value = static_cast<double>(teeth);
            g.IdentSpanTeeth = static_cast<std::uint16_t>(std::clamp(teeth, 0LL, 65535LL));
        }
    } else {
        rt::Val(field->Text(), value, code);
    }
    g.ValCode = code;
    if (code != 0) return Refuse(kInvalidNumber, field);
    double* const stored[] = {&g.IdentMeasuredChord, &g.IdentMeasuredHeight, nullptr,
                              &g.IdentMeasuredSpan,  &g.IdentBallDiameter,   &g.IdentMeasuredOverBalls};
    if (stored[n - 36]) *stored[n - 36] = value;
    if (n == 38 ? value < 1 : !(value > 0)) return Refuse("Parametr must be greater than 0 ", field);
    if (n == 36 && kPi * g.IdentMn[1] < value && RadioGroup1->ItemIndex() != kModule)
        return Refuse("Impossibly big measured thickness", Edit36);
    if (n == 37 && 3.2 * g.IdentMn[1] < value && RadioGroup1->ItemIndex() != kModule)
        return Refuse("Impossibly big measured height", Edit37);
    if (n == 38 && value > std::fabs(g.z2) / 2) return Refuse("Impossibly big number of teeth for measuring", Edit38);
    if (n == 39 && std::fabs(g.IdentMn[2] * g.z2 / std::cos(g.IdentBeta[2])) < value &&
        RadioGroup2->ItemIndex() != kHelixAngle)
        return Refuse("Impossibly big span measurement", Edit39);
    RunIdentificationGroup(n <= 37 ? 1 : n <= 39 ? 2 : 3);
}

namespace {

int GroupOfEstimate(int number) { return (number - 42) / 4 + 1; }

}  // namespace

void TPagesDlg::ValidateEstimatedModule() {
    const int group = GroupOfEstimate(IdentActiveField);
    ui::Edit* field = IdentificationField(IdentActiveField);
    if (!ParseInto(field, G.IdentMn[group], kInvalidNumber)) return;
    if (!(G.IdentMn[group] > 0)) return Refuse("Normal module must be greater than 0 ", field);
    RunIdentificationGroup(group);
}

void TPagesDlg::ValidateEstimatedAmc() {
    const int group = GroupOfEstimate(IdentActiveField);
    ui::Edit* field = IdentificationField(IdentActiveField);
    if (!ParseInto(field, G.IdentX[group], kInvalidNumber)) return;
    const double lower = G.GearingType == 1 ? -1.5 : -10;
    if (!(G.IdentX[group] >= lower && G.IdentX[group] <= 3))
        return Refuse("Addendum Modification Coefficient must lay from " + rt::Str(lower, 1, 0) + " to 3", field);
    RunIdentificationGroup(group);
}

void TPagesDlg::ValidateEstimatedFlankAngle() { ValidateEstimatedAngle(true); }
void TPagesDlg::ValidateEstimatedHelixAngle() { ValidateEstimatedAngle(false); }

// An angle estimate: decimal degrees, or D.MMSS in the degrees-minutes-seconds display.
// An unchanged text is not read again.
void TPagesDlg::ValidateEstimatedAngle(bool flank) {
    GlobalData& g = G;
    const int group = GroupOfEstimate(IdentActiveField);
    ui::Edit* field = IdentificationField(IdentActiveField);
    if (field->Text() == g.OldText) return;
    const std::string text = g.AngleFormatDMS ? field->Text() : NormalizeEstimatedAngleText(field->Text());
    double value = 0;
    int code = 0;
    rt::Val(text, value, code);
    g.ValCode = code;
    if (code != 0) return Refuse(kInvalidNumber, field);
    const double radians = value * kPi / 180;
    if (flank && !(radians >= kMinFlankAngle && radians <= kMaxEstimatedAngle))
        return Refuse("Normal rack flank angle must lay from 1\xC2\xB0 to 55\xC2\xB0", field);
    if (!flank && !(radians >= 0 && radians <= kMaxEstimatedAngle))
        return Refuse("Helix angle at reference cylinder \xC3\x9F must lay from 0\xC2\xB0 to 55\xC2\xB0", field);
    double degrees = value;
    std::string shown;
    if (g.AngleFormatDMS) {
        // read on its own: a flag left by an earlier computation does not refuse the angle
        const bool read = ReadDmsAngle(value, degrees);
        g.ErrorFlag = false;
        if (!read) return SetActiveControl(field);
        shown = EstimatedAngleDmsText(degrees);
    } else {
        shown = rt::Str(value, 6, 4) + kDegree;
    }
    field->SetText(shown);
    (flank ? g.IdentAlfa : g.IdentBeta)[group] = degrees * kPi / 180;
    g.OldText = shown;
    RunIdentificationGroup(group);
}

}  // namespace ostrimo
