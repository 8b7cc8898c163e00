// The Identification page: one unknown parameter of the measured wheel (module, normal
// flank angle, helix angle or addendum modification coefficient) from a measured test
// dimension, the other three given as estimates.  Group 1 solves the chord sc at the
// height hc below the tip, group 2 the span W over zw teeth, group 3 the dimension over
// (between) balls M for the ball dt.  A result that describes no wheel (a module not
// positive, an angle beyond a right angle, a tooth thinner than nothing at the tip, the
// measuring contact off the involute or with no space beside it, balls that do not stand
// out of the tip circle) is not taken: the unknown's field shows "No solution" with a
// beep and every estimate keeps its value.
#include <algorithm>
#include <cmath>

#include "ostrimo/calc/CheckNumerics.h"
#include "ostrimo/calc/Geometricke_vypocty.h"
#include "ostrimo/calc/Global.h"
#include "ostrimo/calc/NEWTON.h"
#include "ostrimo/forms/Celni.h"
#include "ostrimo/forms/Labels.h"
#include "runtime/NumText.h"

namespace ostrimo {

namespace {

using checks::kPi;
constexpr const char* kInvalidNumber = "Invalid format of the number";
constexpr double kMaxEstimatedAngle = 0.9599310885968813;  // 55 degrees
constexpr double kMinFlankAngle = 0.017278759594743863;    // 0.99 degrees

// The estimate arrays in the order of the radio items.
Array1<double, 3>& Estimates(int unknown) {
    GlobalData& g = G;
    Array1<double, 3>* arrays[] = {&g.IdentMn, &g.IdentAlfa, &g.IdentBeta, &g.IdentX};
    return *arrays[unknown];
}

// A group's result as its field shows it before the angles are redisplayed.
std::string ResultText(int unknown, double value) {
    if (unknown == kIdentModule) return rt::Str(value, 1, 3);
    if (unknown == kIdentAmc) return rt::Str(value, 1, 4);
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
    const bool internal = g.GearingType == kInternalGearing;
    const double zw = g.IdentSpanTeeth;
    return {g.IdentMn[2],          g.IdentBeta[2],     g.IdentX[2], g.z2, (internal ? zw + 0.5 : zw - 0.5) * kPi,
            internal ? -1.0 : 1.0, g.IdentMeasuredSpan};
}

double TransverseAngle(double alfa, double beta) { return std::atan(std::tan(alfa) / std::cos(beta)); }

void SignOf(double v, int& sign) {
    if (v < 0) sign = -1;
    if (v > 0) sign = 1;
}

// ---------------------------------------------------------------- the wheel identified

// The measured wheel as a group's parameters describe it, the unknown's value in place of
// its estimate; teeth and tip diameter as magnitudes.
struct IdentifiedWheel {
    bool internal;
    double z, da, mn, alfa, beta, x;
    double alfaT = 0, db = 0, betab = 0;  // set by Exists

    // Half the angle of a tooth on the diameter D (at or above the base circle): an
    // external gear's teeth narrow outwards, an internal wheel's inwards.
    double HalfToothAngle(double D) const {
        const double s = internal ? -1 : 1;
        return (kPi / 2 + 2 * x * std::tan(alfa)) / z + s * (Inv(alfaT) - Inv(std::acos(std::min(1.0, db / D))));
    }
};

IdentifiedWheel WheelOf(int group, int unknown, double value) {
    const GlobalData& g = G;
    IdentifiedWheel w{g.GearingType == kInternalGearing,
                      std::fabs(g.z2),
                      std::fabs(g.da2),
                      g.IdentMn[group],
                      g.IdentAlfa[group],
                      g.IdentBeta[group],
                      g.IdentX[group]};
    double* const parameters[] = {&w.mn, &w.alfa, &w.beta, &w.x};
    *parameters[unknown] = value;
    return w;
}

// A positive module, flank and helix angles short of a right angle, and a tooth of
// positive thickness at the tip: an external gear's involute reaches its tip circle, an
// internal wheel's starts at its base circle when its tip circle lies inside that.
bool Exists(IdentifiedWheel& w) {
    const double right = kPi / 2;
    if (!(w.mn > 0 && std::isfinite(w.mn) && w.alfa > 0 && w.alfa < right && std::fabs(w.beta) < right &&
          std::isfinite(w.x)))
        return false;
    w.alfaT = TransverseAngle(w.alfa, w.beta);
    w.db = w.z * w.mn * std::cos(w.alfaT) / std::cos(w.beta);
    w.betab = std::atan(std::tan(w.beta) * std::cos(w.alfaT));
    if (!w.internal && !(w.db < w.da)) return false;
    return w.HalfToothAngle(std::max(w.da, w.db)) > 0;
}

// A flank touched on the diameter D: on the involute, within the tooth (inside an
// external gear's tip circle, outside an internal wheel's), and with a space beside it.
bool TouchesInvolute(const IdentifiedWheel& w, double D) {
    return D >= w.db && (w.internal ? D >= w.da : D <= w.da) && w.HalfToothAngle(D) < kPi / w.z;
}

// The span's anvils touch the flanks W cos(betab) / 2 on either side of the point where
// their plane touches the base cylinder.
bool SpanTouchesInvolute(const IdentifiedWheel& w, double W) {
    return TouchesInvolute(w, std::hypot(w.db, W * std::cos(w.betab)));
}

// Balls whose centres lie on the circle D (pressure angle alfaM there) stand out of the
// tip circle, and each touches the flank dt/2 from its centre along the flank's normal, a
// tangent of the base circle: nearer the base circle on an external gear, farther from
// it in an internal wheel's space.
bool BallsTouchInvolute(const IdentifiedWheel& w, double D, double alfaM, double dt) {
    if (!(w.internal ? D - dt < w.da : D + dt > w.da) || !(alfaM > 0 && alfaM < kPi / 2)) return false;
    const double roll = w.db / 2 * std::tan(alfaM) + (w.internal ? 1 : -1) * std::cos(w.betab) * dt / 2;
    return roll >= 0 && TouchesInvolute(w, 2 * std::hypot(roll, w.db / 2));
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

// The text the field shows on entry: leaving it unchanged changes nothing.
void TPagesDlg::Edit36Enter(int number) {
    if (RadioGroup2->ItemIndex() == kIdentFlankAngle) {
        // the span's results shown again, without beeping once more for none
        identQuiet_ = true;
        IdentifyFromSpan();
        identQuiet_ = false;
    }
    IdentActiveField = number;
    ui::Edit* field = IdentificationField(number);
    if (!field) return;
    G.OldText = field->Text();
    // still the text a bypassing press left unchecked: it is checked on leaving
    UncheckedText& unchecked = identUnchecked_[number - 36];
    if (unchecked.held && unchecked.typed == G.OldText) G.OldText = unchecked.written;
    unchecked.held = false;
}

void TPagesDlg::Edit42Exit() {
    ui::Edit* field = IdentificationField(IdentActiveField);
    if (SkipInputChecks || SkipInputChecksHelp || SkipInputChecksType || SkipIdentificationChecks) {
        if (field && field->Text() != G.OldText)
            identUnchecked_[IdentActiveField - 36] = {G.OldText, field->Text(), true};
        return;
    }
    // a field the user cannot change (the group's unknown, a spur gear's helix, a rack's
    // AMC) holds a result, not an input
    if (!field || field->ReadOnly()) return;
    const int n = IdentActiveField;
    if (n <= 41) return ValidateMeasuredValues();
    switch ((n - 42) % 4) {
        case kIdentModule: return ValidateEstimatedModule();
        case kIdentFlankAngle: return ValidateEstimatedFlankAngle();
        case kIdentHelixAngle: return ValidateEstimatedHelixAngle();
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
    if (spur) edits[kIdentHelixAngle]->SetReadOnly(true);
    const bool rack = group == 1 && G.RackMate;
    if (rack) edits[kIdentAmc]->SetReadOnly(true);
    const int unknown = choice->ItemIndex();
    if (unknown < 0) return;
    edits[unknown]->SetReadOnly(true);
    // the choice set back runs this handler again, which computes
    if ((unknown == kIdentHelixAngle && spur) || (unknown == kIdentAmc && rack))
        return choice->SetItemIndex(kIdentModule);
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
    // an angle not found keeps saying so
    for (int group = 1; group <= 3; ++group)
        if (identUnsolved_[group] != 0) IdentificationField(identUnsolved_[group])->SetText(kNoSolution);
}

// A group computes afresh: the field that said "No solution" shows its estimate again
// (an angle's by the redisplay that ends the computation).
void TPagesDlg::BeginIdentification(int group) {
    const int number = identUnsolved_[group];
    if (number == 0) return;
    identUnsolved_[group] = 0;
    const int parameter = (number - 42) % 4;
    if (parameter == kIdentModule || parameter == kIdentAmc)
        IdentificationField(number)->SetText(ResultText(parameter, Estimates(parameter)[group]));
}

// The unknown's value taken when it was found, else its field shows "No solution" with a
// beep and the estimates stay as they are.
void TPagesDlg::TakeIdentified(int group, int unknown, double value, bool found) {
    ui::Edit* field = IdentificationField(38 + 4 * group + unknown);
    if (found) {
        Estimates(unknown)[group] = value;
        field->SetText(ResultText(unknown, value));
        return;
    }
    identUnsolved_[group] = 38 + 4 * group + unknown;
    field->SetText(kNoSolution);
    if (!identQuiet_) ui::MessageBeep();
}

void TPagesDlg::ForgetUnsolvedIdentifications() {
    for (int& number : identUnsolved_) number = 0;
}

// ---------------------------------------------------------------- group 1: chord

void TPagesDlg::IdentifyFromConstantChord() {
    GlobalData& g = G;
    if (g.RackMate) return SolveConstantChordDirect();
    const int unknown = RadioGroup1->ItemIndex();
    const double sc = g.IdentMeasuredChord, hc = g.IdentMeasuredHeight;
    if (unknown < 0 || !Computed(sc) || !Computed(hc)) return;  // no tooth was measured
    ComputationScope computation;
    BeginIdentification(1);
    Array1<double, 3>& x = g.NewtonUnknowns.x;
    x[1] = std::atan(sc / (2 * std::cos(g.IdentBeta[1])) / std::fabs(hc - g.da2 / 2));  // half the chord's angle
    x[2] = std::fabs(2 * hc - g.da2);                                                   // the measuring circle
    x[3] = Estimates(unknown)[1];
    g.ErrorFlag = false;
    SolveIdentification(1, unknown, 3, (g.GearingType == kExternalGearing ? 11 : 19) + unknown);
}

// The group's Newton set solved for its unknown, the last of n unknowns: found when the
// solve converged without a refused argument on a wheel whose flank the chord's ends
// (x2, the measuring circle) or the balls (x1, the pressure angle at their centres) touch.
void TPagesDlg::SolveIdentification(int group, int unknown, int n, int set) {
    GlobalData& g = G;
    Array1<double, 3>& x = g.NewtonUnknowns.x;
    SolveGeometryNewtonSystem(n, set, x);
    IdentifiedWheel w = WheelOf(group, unknown, x[n]);
    const bool found = !g.ErrorFlag && !g.NewtonNotConverged && Exists(w) &&
                       (group == 1 ? TouchesInvolute(w, x[2])
                                   : BallsTouchInvolute(w, g.IdentBallDimension, x[1], g.IdentBallDiameter));
    g.ErrorFlag = false;
    TakeIdentified(group, unknown, x[n], found);
    ShowEstimatedAngles();
}

// The rack's chord at the height hc below its tip: s = pi m / 2 - 2 (ha - hc) tan a.  A
// rack exists with a positive module, a flank angle short of a right angle and a tooth
// of positive thickness sc - 2 hc tan a at its tip.
void TPagesDlg::SolveConstantChordDirect() {
    GlobalData& g = G;
    ComputationScope computation;
    BeginIdentification(1);
    const double sc = g.IdentMeasuredChord, hc = g.IdentMeasuredHeight, ha = g.ha2;
    const int unknown = RadioGroup1->ItemIndex();
    double mn = g.IdentMn[1], alfa = g.IdentAlfa[1];
    g.ErrorFlag = false;
    if (unknown == kIdentModule) {
        mn = (2 * static_cast<double>(ComputeCheckedTan(alfa)) * (ha - hc) + sc) * 2 / kPi;
    } else if (unknown == kIdentFlankAngle) {
        const double side = kPi / 2 * mn - sc;
        alfa = ha - hc != 0 && side != 0 ? std::atan(side / (2 * (ha - hc))) : g.alfan;
    }
    if (unknown == kIdentModule || unknown == kIdentFlankAngle) {
        const bool found = !g.ErrorFlag && mn > 0 && std::isfinite(mn) && alfa > 0 && alfa < kPi / 2 &&
                           sc - 2 * hc * std::tan(alfa) > 0;
        TakeIdentified(1, unknown, unknown == kIdentModule ? mn : alfa, found);
    }
    g.ErrorFlag = false;
    ShowEstimatedAngles();
}

// ---------------------------------------------------------------- group 2: span

void TPagesDlg::IdentifyFromSpan() {
    GlobalData& g = G;
    if (g.RackMate) return;
    const int unknown = RadioGroup2->ItemIndex();
    ComputationScope computation;
    BeginIdentification(2);
    for (ui::Label* l : {Label183, Label184, Label185, Label186, Label187, Label188}) l->Hide();
    const SpanForm w = SpanOfGroup2();
    const double a = g.IdentAlfa[2];
    const double cosA = std::cos(a), sinA = std::sin(a);
    g.ErrorFlag = false;
    double value = 0, at = TransverseAngle(a, w.beta);
    bool computed = true;
    // a value that gives a wheel whose flanks the span touches (a root not found is 0)
    const auto spanned = [&](int parameter, double v) {
        IdentifiedWheel wheel = WheelOf(2, parameter, v);
        return Exists(wheel) && SpanTouchesInvolute(wheel, w.W);
    };
    switch (unknown) {
        case kIdentModule: value = w.W / (cosA * (w.k + w.s * w.z * Inv(at)) + w.s * 2 * w.x * sinA); break;
        case kIdentAmc: value = (w.W / w.mn - cosA * (w.k + w.s * w.z * Inv(at))) / (w.s * 2 * sinA); break;
        case kIdentHelixAngle: {
            // inv(at) from the span; the helix angle from tan(at) = tan(a) / cos(beta)
            const double t = (w.W / w.mn - w.s * 2 * w.x * sinA - cosA * w.k) / (w.s * w.z * cosA);
            if (t == 0) return ShowEstimatedAngles();
            value = -1;  // none below the normal flank angle
            if (t > 0 && InvertInvoluteChecked(at, t)) {
                if (std::fabs(at - a) < 1e-11)
                    value = 0;
                else if (at > a - 1e-11)
                    value = static_cast<double>(ComputeCheckedArcCos(std::tan(a) / std::tan(at)));
            }
            computed = value >= 0;
            break;
        }
        case kIdentFlankAngle: {
            // W(a) need not be monotonic: the range is cut at its extrema
            const auto slope = [](double u) { return EvaluateSpanSlope(u); };
            const auto residual = [](double u) { return EvaluateSpanResidual(u); };
            IdentSpanExtremum = FindRootUpward(slope, 1e-6);
            const double aE = IdentSpanExtremum;
            double second = 0, third = 0;
            int results = 0;
            if (aE < 1e-8) {
                value = FindRootUpward(residual, 1e-6);
                results = 1;
            } else if (aE > 1e-8) {
                const double RE = EvaluateSpanResidual(aE);
                const double R0 = w.mn * w.k - w.W;
                if (RE < 0 && R0 < 0) {
                    value = FindRootUpward(residual, aE + 1e-5);
                    results = 1;
                } else if (RE < 0 && R0 > 0) {
                    second = FindRootUpward(residual, aE);
                    value = FindRootDownward(residual, aE, 1e-5);
                    results = 2;
                } else if (RE > 0) {
                    g.IdentSpanExtremum2 = FindRootUpward(slope, aE + 1e-5);
                    // without a second extremum the roots lie on both sides of the first
                    const double from = g.IdentSpanExtremum2 > 0 ? g.IdentSpanExtremum2 : aE;
                    second = FindRootUpward(residual, from);
                    value = FindRootDownward(residual, from, 1e-5);
                    results = 2;
                    if (R0 < 0) {
                        third = FindRootUpward(residual, 0);
                        results = 3;
                    }
                }
            }
            computed = results > 0;
            if (results >= 2 && spanned(kIdentFlankAngle, second)) {
                Label183->SetCaption("2. result       = " + rt::Str(RadToDeg(second), 1, 3) + kDegree);
                for (ui::Label* l : {Label183, Label184, Label185}) l->Show();
            }
            if (results == 3 && spanned(kIdentFlankAngle, third)) {
                Label188->SetCaption("3. result       = " + rt::Str(RadToDeg(third), 1, 3) + kDegree);
                for (ui::Label* l : {Label186, Label187, Label188}) l->Show();
            }
            break;
        }
        default: return ShowEstimatedAngles();
    }
    const bool found = computed && !g.ErrorFlag && spanned(unknown, value);
    if (found && unknown != kIdentFlankAngle) g.IdentAlfaT[2] = at;
    g.ErrorFlag = false;
    TakeIdentified(2, unknown, value, found);
    ShowEstimatedAngles();
}

// ---------------------------------------------------------------- group 3: balls

void TPagesDlg::IdentifyFromBallDimension() {
    GlobalData& g = G;
    if (g.RackMate) return;
    const int unknown = RadioGroup3->ItemIndex();
    if (unknown < 0) return;
    ComputationScope computation;
    BeginIdentification(3);
    g.ErrorFlag = false;
    // the circle through the ball centres
    const double dt = g.IdentBallDiameter, M = g.IdentMeasuredOverBalls;
    double centres = g.GearingType == kInternalGearing ? M + dt : M - dt;
    const long long z = std::llround(std::fabs(g.z2));
    if (z % 2 != 0) centres /= std::cos(kPi / (2 * std::fabs(g.z2)));
    g.IdentBallDimension = centres;
    // start: the pressure angle at the tip circle, or at the ball centres where the tip
    // circle lies inside the base circle (an internal wheel's may)
    const double at = TransverseAngle(g.IdentAlfa[3], g.IdentBeta[3]);
    const double db = std::fabs(g.z2 * g.IdentMn[3] / std::cos(g.IdentBeta[3]) * std::cos(at));
    Array1<double, 3>& x = g.NewtonUnknowns.x;
    const double tip = std::fabs(g.da2);
    x[1] = static_cast<double>(ComputeCheckedArcCos(db < tip ? db / tip : db / centres));
    x[2] = Estimates(unknown)[3];
    SolveIdentification(3, unknown, 2, 15 + unknown);
}

// ---------------------------------------------------------------- validators

// A measured value or an estimate typed: stored only when accepted, then its group runs.
// A text left as it was entered changes nothing.
void TPagesDlg::ValidateMeasuredValues() {
    GlobalData& g = G;
    const int n = IdentActiveField;
    ui::Edit* field = IdentificationField(n);
    if (field->Text() == g.OldText) return;
    double value = 0;
    int code = 0;
    long long teeth = 0;
    if (n == 38) {
        rt::Val(field->Text(), teeth, code);
        value = static_cast<double>(teeth);
    } else {
        rt::Val(field->Text(), value, code);
    }
    g.ValCode = code;
    if (code != 0) return Refuse(kInvalidNumber, field);
    if (n == 38 ? value < 1 : !(value > 0)) return Refuse("Parametr must be greater than 0 ", field);
    if (n == 36 && kPi * g.IdentMn[1] < value && RadioGroup1->ItemIndex() != kIdentModule)
        return Refuse("Impossibly big measured thickness", Edit36);
    if (n == 37 && 3.2 * g.IdentMn[1] < value && RadioGroup1->ItemIndex() != kIdentModule)
        return Refuse("Impossibly big measured height", Edit37);
    if (n == 38 && value > std::fabs(g.z2) / 2) return Refuse("Impossibly big number of teeth for measuring", Edit38);
    if (n == 39 && std::fabs(g.IdentMn[2] * g.z2 / std::cos(g.IdentBeta[2])) < value &&
        RadioGroup2->ItemIndex() != kIdentHelixAngle)
        return Refuse("Impossibly big span measurement", Edit39);
    double* const stored[] = {&g.IdentMeasuredChord, &g.IdentMeasuredHeight, nullptr,
                              &g.IdentMeasuredSpan,  &g.IdentBallDiameter,   &g.IdentMeasuredOverBalls};
    if (stored[n - 36]) *stored[n - 36] = value;
    if (n == 38) g.IdentSpanTeeth = static_cast<std::uint16_t>(std::clamp(teeth, 0LL, 65535LL));
    g.OldText = field->Text();
    RunIdentificationGroup(n <= 37 ? 1 : n <= 39 ? 2 : 3);
}

namespace {

int GroupOfEstimate(int number) { return (number - 42) / 4 + 1; }

}  // namespace

void TPagesDlg::ValidateEstimatedModule() {
    const int group = GroupOfEstimate(IdentActiveField);
    ui::Edit* field = IdentificationField(IdentActiveField);
    if (field->Text() == G.OldText) return;
    double mn = 0;
    if (!ParseInto(field, mn, kInvalidNumber)) return;
    if (!(mn > 0)) return Refuse("Normal module must be greater than 0 ", field);
    G.IdentMn[group] = mn;
    G.OldText = field->Text();
    RunIdentificationGroup(group);
}

void TPagesDlg::ValidateEstimatedAmc() {
    const int group = GroupOfEstimate(IdentActiveField);
    ui::Edit* field = IdentificationField(IdentActiveField);
    if (field->Text() == G.OldText) return;
    double x = 0;
    if (!ParseInto(field, x, kInvalidNumber)) return;
    const double lower = G.GearingType == kExternalGearing ? -1.5 : -10;
    if (!(x >= lower && x <= 3))
        return Refuse("Addendum Modification Coefficient must lay from " + rt::Str(lower, 1, 0) + " to 3", field);
    G.IdentX[group] = x;
    G.OldText = field->Text();
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
