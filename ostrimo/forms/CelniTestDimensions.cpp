// The Test dimensions page: the chordal tooth thickness with its height, the span over a
// number of teeth and the measurement over balls of pinion and wheel.  The user's choice
// of chord, teeth, ball or contact diameter is checked against the range the core
// computes; a refusal names the limit and its reason and gives the field the focus back.
// A field left with the text the page wrote into it changes nothing.
#include <algorithm>
#include <cmath>
#include <limits>

#include "ostrimo/calc/Global.h"
#include "ostrimo/calc/Kontrolni_rozmery.h"
#include "ostrimo/forms/Celni.h"
#include "ostrimo/forms/CelniDlg.h"
#include "runtime/NumText.h"

namespace ostrimo {

namespace {

constexpr const char* kInvalidNumber = "Invalid format of the number.";
constexpr const char* kOutOfRange = "    ---";
constexpr const char* kNoFit = "Reason - a ball does not fit into spacewidth.";

// A value of the page; one not computed for this case (or no number, of a check refused)
// shows as a chord outside its range.
bool Shown(double v) { return Computed(v) && std::isfinite(v); }
std::string Num(double v) { return Shown(v) ? rt::Str(v, 1, 4) : kOutOfRange; }
std::string Whole(long long v) { return rt::Str(v); }

// "Measured over 2 to 5 teeth (3)"
std::string SpanRangeText(int least, int most, int proposed) {
    return "Measured over " + Whole(least) + " to " + Whole(most) + (most == 1 ? " tooth" : " teeth") + " (" +
           Whole(proposed) + ")";
}

// The chord and height of one gear (1 pinion, 2 wheel) with their ranges.
struct Chord {
    double& sc;
    double& hc;
    double scMin, scMax, hcMin, hcMax;
    bool Inside(double tolerance) const {
        return !(hc < hcMin - tolerance || hc > hcMax + tolerance || sc < scMin - tolerance || sc > scMax + tolerance);
    }
};

Chord ChordOf(int gear) {
    GlobalData& g = G;
    if (gear == 1) return {g.sc1, g.hc1, g.ChordMin1, g.ChordMax1, g.ChordHeightMin1, g.ChordHeightMax1};
    return {g.sc2, g.hc2, g.ChordMin2, g.ChordMax2, g.ChordHeightMin2, g.ChordHeightMax2};
}

void ComputeChordRange(int gear) { gear == 1 ? ComputeChordRange1() : ComputeChordRange2(); }
void ComputeConstantChord(int gear) { gear == 1 ? ComputeConstantChord1() : ComputeConstantChord2(); }
void ComputeReferenceChord(int gear) {
    gear == 1 ? ComputeReferenceChordalThickness1() : ComputeReferenceChordalThickness2();
}

}  // namespace

bool TPagesDlg::TestDimensionChecksBypassed() const {
    return SkipInputChecksHelp || SkipInputChecks || !G.ObligatoryInputComplete;
}

// ---------------------------------------------------------------- page entry and display

// The test dimensions are those of the pair in front of the user: its last check ran to its
// end.  A check ended by a fatal verdict or refused leaves nothing to measure.
bool TPagesDlg::TestDimensionsComputed() const { return G.CheckComplete && !G.ErrorFlag; }

void TPagesDlg::TabSheet2Show() {
    GlobalData& g = G;
    if (g.LoadingDataFile) return;
    // the inputs the Inputs page shows are the pair's, also before any was validated
    if (!g.ObligatoryInputComplete) UpdateObligatoryInputFlag();
    g.CheckOutdated = true;
    if (g.ObligatoryInputComplete) {
        ComputationScope computation;
        if (g.TestDimensionsOutdated) {
            RecomputePair();
            // a failed check has moved to the Inputs page, or leaves nothing to measure
            if (!TabSheet2->Showing()) return;
            HideResultsWindow();
            ShowTipDiameters();
            if (TestDimensionsComputed()) {
                if (RadioButton6->Checked()) ComputeConstantChord1();
                if (RadioButton7->Checked()) ComputeReferenceChordalThickness1();
                if (RadioButton9->Checked()) ComputeConstantChord2();
                if (RadioButton10->Checked()) ComputeReferenceChordalThickness2();
                const bool constant[] = {false, RadioButton6->Checked(), RadioButton9->Checked()};
                for (int gear = 1; gear <= 2; ++gear) {
                    ComputeChordRange(gear);
                    if (!ChordOf(gear).Inside(0))
                        ComputeConstantChord(gear);
                    else if (!constant[gear])
                        gear == 1 ? ComputeChordHeightForThickness1() : ComputeChordHeightForThickness2();
                }
                ComputeSpanTeethRange();
                ComputeSpanMeasurements();
            }
        }
        if (TestDimensionsComputed()) {
            // the ranges for the labels; the numbers of teeth chosen stay with their spans
            const auto zw1 = g.zw1, zw2 = g.zw2;
            ComputeSpanTeethRange();
            g.zw1 = zw1;
            g.zw2 = zw2;
        }
        ShowTestDimensions();
    }
    for (ui::Control* c : {Button1, Button3, Button4, Button9}) c->SetEnabled(false);
    GroupBox12->Hide();
    SkipIdentificationChecks = false;
}

void TPagesDlg::UpdateChordValidity() {
    ComputationScope computation;
    ComputeChordValidity();
}

void TPagesDlg::ShowTestDimensions() {
    GlobalData& g = G;
    UpdateChordValidity();
    // nothing to measure on a pair the check did not finish
    for (ui::Control* group : {GroupBox6, GroupBox7, GroupBox8}) group->SetEnabled(TestDimensionsComputed());
    Edit22->SetText(g.ChordValid1 ? Num(g.sc1) : kOutOfRange);
    Edit23->SetText(g.ChordValid1 ? Num(g.hc1) : kOutOfRange);
    Edit24->SetText(g.ChordValid2 ? Num(g.sc2) : kOutOfRange);
    Edit25->SetText(g.ChordValid2 ? Num(g.hc2) : kOutOfRange);

    // the teeth spanned belong to a span
    const auto teeth = [](std::int16_t zw, double W) {
        return Shown(W) ? rt::Str(static_cast<long long>(zw), 3) : std::string(kOutOfRange);
    };
    Edit26->SetText(teeth(g.zw1, g.W1));
    Edit27->SetText(Num(g.W1));
    Edit28->SetText(teeth(g.zw2, g.W2));
    Edit29->SetText(Num(g.W2));
    // the admissible spans of a pair the check did not finish are not computed
    const bool spans = TestDimensionsComputed();
    Label91->SetCaption(spans ? SpanRangeText(g.SpanTeethMin1, g.SpanTeethMax1, g.SpanTeethProposed1) : "---");
    Label92->SetCaption(spans ? SpanRangeText(g.SpanTeethMin2, g.SpanTeethMax2, g.SpanTeethProposed2) : "---");
    const double dM1 = SpanContactDiameter(g.W1, g.db1), dM2 = SpanContactDiameter(g.W2, g.db2);
    const auto diameter = [](double d) { return Shown(d) ? rt::Str(d, 1, 3) : "---"; };
    Label111->SetCaption("= " + diameter(dM1));
    Label112->SetCaption("= " + diameter(g.GearingType == kInternalGearing ? -dM2 : dM2));
    const std::pair<ui::Label*, double> facewidths[] = {{Label105, g.MinFacewidthSpan1},
                                                        {Label106, g.MinFacewidthSpan2}};
    for (const auto& [label, least] : facewidths) {
        label->SetCaption(diameter(least));
        const ui::Color colour = least > g.b ? ui::clRed : ui::clBlack;
        const bool pinion = label == Label105;
        for (ui::Label* l : {label, pinion ? Label101 : Label102, pinion ? Label103 : Label104})
            l->SetFontColor(colour);
    }

    Edit30->SetText(Num(g.dt1));
    Edit31->SetText(Num(g.M1));
    Edit34->SetText(Num(g.dM1));
    Edit32->SetText(Num(g.dt2));
    Edit33->SetText(Num(g.M2));
    // internal diameters are negative
    Edit35->SetText(Num(g.GearingType == kInternalGearing ? -std::fabs(g.dM2) : g.dM2));
    // no ball for a gear of four teeth, nor for one whose tooth space no ball fits
    const bool balls1 = g.z1 != 4 && Shown(g.dt1), balls2 = std::fabs(g.z2) != 4 && Shown(g.dt2);
    for (ui::Edit* e : {Edit30, Edit34}) e->SetEnabled(balls1);
    for (ui::Edit* e : {Edit32, Edit35}) e->SetEnabled(balls2);
    RememberWrittenTestTexts();
    TabSheet2->Repaint();
}

// A value accepted: the page shows the pair's test dimensions again.
void TPagesDlg::AcceptTestDimensions() {
    ShowTestDimensions();
    G.TestDimensionsOutdated = false;
}

// Choices a recomputed pair no longer admits: the check's own values replaced them, and the
// page's message for each says why, once.
void TPagesDlg::TellRefusedChoices(const std::vector<RefusedTestDimension>& refused) {
    for (const RefusedTestDimension& r : refused) {
        const auto limit = static_cast<long long>(r.limit);
        switch (r.kind) {
            case RefusedTestDimension::SpanTeeth: ShowErrorOnce(SpanTeethMessage(r.gear, r.below, limit, limit)); break;
            case RefusedTestDimension::Ball:
                ShowErrorOnce(BallRangeMessage(r.gear, r.below, r.limit, r.ballRange));
                break;
            case RefusedTestDimension::Chord: ShowErrorOnce(ChordRangeMessage(r.gear, false, r.below)); break;
        }
    }
}

// ---------------------------------------------------------------- the chord choice

void TPagesDlg::ChordChosen(int gear) {
    GlobalData& g = G;
    ui::RadioButton* constant = gear == 1 ? RadioButton6 : RadioButton9;
    ui::RadioButton* reference = gear == 1 ? RadioButton7 : RadioButton10;
    ui::RadioButton* chosen = gear == 1 ? RadioButton8 : RadioButton11;
    (gear == 1 ? g.ChordConstant1 : g.ChordConstant2) = constant->Checked();
    (gear == 1 ? g.ChordOnReference1 : g.ChordOnReference2) = reference->Checked();
    (gear == 1 ? g.ChordChosen1 : g.ChordChosen2) = chosen->Checked();
    ui::Edit* fields[] = {gear == 1 ? Edit22 : Edit24, gear == 1 ? Edit23 : Edit25};
    if (chosen->Checked()) {
        for (ui::Edit* e : fields) {
            e->SetReadOnly(false);
            e->SetText("");
        }
        return;
    }
    if (constant->Checked())
        ComputeConstantChord(gear);
    else
        ComputeReferenceChord(gear);
    ShowTestDimensions();
    for (ui::Edit* e : fields) e->SetReadOnly(true);
}

void TPagesDlg::ShowChordChoice() {
    const GlobalData& g = G;
    RadioButton6->SetChecked(g.ChordConstant1);
    RadioButton7->SetChecked(g.ChordOnReference1);
    RadioButton8->SetChecked(g.ChordChosen1);
    RadioButton9->SetChecked(g.ChordConstant2);
    RadioButton10->SetChecked(g.ChordOnReference2);
    RadioButton11->SetChecked(g.ChordChosen2);
}

void TPagesDlg::RadioButton6Click() { ChordChosen(1); }
void TPagesDlg::RadioButton9Click() { ChordChosen(2); }

// ---------------------------------------------------------------- chord and height

namespace {

std::string Index(int gear) { return gear == 1 ? "1" : "2"; }

}  // namespace

std::string TPagesDlg::ChordRangeMessage(int gear, bool height, bool belowRange) const {
    const GlobalData& g = G;
    const Chord c = ChordOf(gear);
    const std::string n = Index(gear);
    if (height && belowRange) return "Height hc" + n + " must be greater than " + Num(c.hcMin);
    if (height)
        return "Height hc" + n + " must be smaller than " + Num(c.hcMax) + "\r\r" +
               (g.ChordRangeToBase ? "This height corresponds to the max. tooth thickness, not to the thickness of "
                                     "the start of involute!"
                                   : "This height corresponds to the thickness for the start of involute (root "
                                     "rounding).");
    if (belowRange) {
        // the smallest chord lies on the tip, or on the chamfer diameter below it
        const bool onTip = gear == 1    ? g.ChamferDiameter1 >= g.da1
                           : g.RackMate ? !g.Chamfer2
                                        : g.ChamferDiameter2 >= g.da2;
        return "Thickness sc" + n +
               (onTip ? " must be greater than the tip one "
                      : " must be greater than the one on the chamfer diameter ") +
               Num(c.scMin);
    }
    return "Normal chordal tooth thickness sc" + n + " must be smaller than " + Num(c.scMax) + "\r\r" +
           (g.ChordRangeToBase ? "This value corresponds to the max. tooth thickness, not to the thickness of "
                                 "the start of involute!"
                               : "This thickness is for the start of involute (root rounding).");
}

void TPagesDlg::RefuseChordRange(int gear, bool height, bool belowRange) {
    ui::Edit* field = gear == 1 ? (height ? Edit23 : Edit22) : (height ? Edit25 : Edit24);
    Refuse(ChordRangeMessage(gear, height, belowRange), field);
}

// The chord or the height typed: the other follows from it.  A chord the page computes
// (constant, or on the reference cylinder) is computed again instead of read back from
// its rounded text.
void TPagesDlg::ValidateChord(int gear, bool height) {
    if (TestDimensionChecksBypassed()) return;
    if (gear == 1 && !height && G.LoadingDataFile) return;
    ComputationScope computation;
    ui::Edit* field = gear == 1 ? (height ? Edit23 : Edit22) : (height ? Edit25 : Edit24);
    if (TestTextUnchanged(field)) return;
    if ((gear == 1 ? RadioButton6 : RadioButton9)->Checked()) {
        ComputeConstantChord(gear);
        return AcceptTestDimensions();
    }
    if ((gear == 1 ? RadioButton7 : RadioButton10)->Checked()) {
        ComputeReferenceChord(gear);
        return AcceptTestDimensions();
    }
    // the field the choice emptied, left for its partner before anything was typed
    if (field->Text().find_first_not_of(' ') == std::string::npos) return;
    const Chord c = ChordOf(gear);
    double& value = height ? c.hc : c.sc;
    if (!ParseInto(field, value, kInvalidNumber)) return;
    ComputeChordRange(gear);
    const Chord range = ChordOf(gear);
    const double margin = height ? 1e-7 : 0;
    if (value < (height ? range.hcMin : range.scMin) - margin) return RefuseChordRange(gear, height, true);
    if (value > (height ? range.hcMax : range.scMax) + margin) return RefuseChordRange(gear, height, false);
    if (height)
        gear == 1 ? ComputeChordThicknessForHeight1() : ComputeChordThicknessForHeight2();
    else
        gear == 1 ? ComputeChordHeightForThickness1() : ComputeChordHeightForThickness2();
    AcceptTestDimensions();
}

void TPagesDlg::ValidateChordThickness1() { ValidateChord(1, false); }
void TPagesDlg::ValidateChordThickness2() { ValidateChord(2, false); }
void TPagesDlg::ValidateChordHeight1() { ValidateChord(1, true); }
void TPagesDlg::ValidateChordHeight2() { ValidateChord(2, true); }

// ---------------------------------------------------------------- teeth spanned

void TPagesDlg::ValidateSpanTeeth(int gear) {
    if (TestDimensionChecksBypassed()) return;
    GlobalData& g = G;
    ui::Edit* field = gear == 1 ? Edit26 : Edit28;
    if (TestTextUnchanged(field)) return;
    long long teeth = 0;
    int code = 0;
    rt::Val(field->Text(), teeth, code);
    g.ValCode = code;
    if (code != 0) return Refuse(kInvalidNumber, field);
    constexpr long long kLimit = std::numeric_limits<std::int16_t>::max();
    (gear == 1 ? g.zw1 : g.zw2) = static_cast<std::int16_t>(std::clamp(teeth, -kLimit, kLimit));
    const long long least = gear == 1 ? g.SpanTeethMin1 : g.SpanTeethMin2;
    const long long most = gear == 1 ? g.SpanTeethMax1 : g.SpanTeethMax2;
    if (teeth < least || teeth > most) return Refuse(SpanTeethMessage(gear, teeth < least, least, most), field);
    ComputeSpanMeasurements();
    AcceptTestDimensions();
}

std::string TPagesDlg::SpanTeethMessage(int gear, bool belowRange, long long least, long long most) {
    if (belowRange) return "Choose measured number of teeth from " + Whole(least);
    return (gear == 1 ? "Choose measured number of teeth at the outside  "
                      : "Choose measured number of teeth at the outside ") +
           Whole(most);
}

void TPagesDlg::ValidateSpanTeeth1() { ValidateSpanTeeth(1); }
void TPagesDlg::ValidateSpanTeeth2() { ValidateSpanTeeth(2); }

// ---------------------------------------------------------------- balls

// A refused ball: the dimension over balls it would give is none.
void TPagesDlg::RefuseBall(ui::Edit* field, int gear, const std::string& message) {
    (gear == 1 ? G.M1 : G.M2) = 0;
    (gear == 1 ? Edit31 : Edit33)->SetText("0");
    Refuse(message, field);
}

std::string TPagesDlg::BallReasonText(int gear, std::int32_t ballRange) {
    const bool internalWheel = gear == 2 && G.GearingType == kInternalGearing;
    switch (ballRange) {
        case kBallSinksUnderTip:
            return internalWheel ? "Reason - a ball sinks above the tip diameter."
                                 : "Reason - a ball sinks under the tip diameter.";
        case kBallIntoRoot: return "Reason - a ball interferences the fillet.";
        case kBallBelowInvolute:
            if (gear == 1) return "Reason - a ball touches a tooth under beginning of a pinion involute dL1.";
            return internalWheel ? "Reason - a ball touches a tooth above beginning of a wheel involute dL2."
                                 : "Reason - a ball touches a tooth under beginning of a wheel involute dL2.";
        default: return "";
    }
}

std::string TPagesDlg::BallRangeMessage(int gear, bool belowRange, double limit, std::int32_t ballRange) {
    const std::string n = Index(gear);
    if (belowRange)
        return "Choose the ball diameter greater than its minimum possible diameter dt" + n + "min= " + Num(limit) +
               "\r\r" + BallReasonText(gear, ballRange);
    const bool fourTeeth = std::fabs(gear == 1 ? G.z1 : G.z2) == 4;
    return "Choose the ball diameter smaller than its maximum possible diameter dt" + n + "max= " + Num(limit) +
           "\r\r" + (fourTeeth ? " " : kNoFit);
}

void TPagesDlg::ValidateBallDiameter(int gear) {
    if (TestDimensionChecksBypassed()) return;
    GlobalData& g = G;
    ui::Edit* field = gear == 1 ? Edit30 : Edit32;
    if (TestTextUnchanged(field)) return;
    double& dt = gear == 1 ? g.dt1 : g.dt2;
    if (!ParseInto(field, dt, kInvalidNumber)) return;
    ComputationScope computation;
    gear == 1 ? ComputeBallDiameterRange1() : ComputeBallDiameterRange2();
    const double least = gear == 1 ? g.dtMin1 : g.dtMin2, most = gear == 1 ? g.dtMax1 : g.dtMax2;
    if (BallBelowRange(gear, dt)) return RefuseBall(field, gear, BallRangeMessage(gear, true, least, g.BallRangeState));
    if (BallAboveRange(gear, dt)) return RefuseBall(field, gear, BallRangeMessage(gear, false, most, g.BallRangeState));
    gear == 1 ? ComputeDimensionOverBalls1() : ComputeDimensionOverBalls2();
    AcceptTestDimensions();
}

void TPagesDlg::ValidateBallDiameter1() { ValidateBallDiameter(1); }
void TPagesDlg::ValidateBallDiameter2() { ValidateBallDiameter(2); }

// The contact diameter typed instead of the ball: the ball that touches the flank there.
void TPagesDlg::ValidateBallContactDiameter1() {
    if (TestDimensionChecksBypassed() || TestTextUnchanged(Edit34)) return;
    GlobalData& g = G;
    if (!ParseInto(Edit34, g.dM1, kInvalidNumber)) return;
    ComputationScope computation;
    ComputeBallDiameterForContact1();
    ComputeBallDiameterRange1();
    if (g.dM1 < g.InvoluteStartDiameter1)
        return RefuseBall(Edit34, 1,
                          "Choose the diameter dM1 greater than the diameter of the involute beginning dL1= " +
                              Num(g.InvoluteStartDiameter1));
    if (g.dM1 > g.BallTipLimit1 + 1e-10)
        return RefuseBall(Edit34, 1,
                          (g.Chamfer1 ? "Diameter dM1 must be smaller than the chamfer diameter daE1 = "
                                      : "Choose the diameter dM1 smaller than the limit diameter dM1lim= ") +
                              rt::Str(g.BallTipLimit1, 1, 6));
    if (g.z1 == 4) return AcceptTestDimensions();
    if (g.M1 < g.da1)
        return RefuseBall(Edit34, 1,
                          "Measuring is impossible for this contact diameter dM1. The ball sinks under the tip "
                          "diameter da1= " +
                              Num(g.da1));
    if (ContactBallInRange(1)) AcceptTestDimensions();
}

// The ball found for a contact diameter, within its range; else refused with the limit.
bool TPagesDlg::ContactBallInRange(int gear) {
    const GlobalData& g = G;
    const std::string n = Index(gear);
    ui::Edit* field = gear == 1 ? Edit34 : Edit35;
    const double dt = gear == 1 ? g.dt1 : g.dt2;
    const double least = gear == 1 ? g.dtMin1 : g.dtMin2, most = gear == 1 ? g.dtMax1 : g.dtMax2;
    if (least - 1e-5 > dt) {
        RefuseBall(field, gear,
                   "It is not suitable ball diameter for this contact diameter dM" + n + ".\r\r" +
                       BallRangeMessage(gear, true, least, g.BallRangeState));
        return false;
    }
    if (dt > most + 1e-5) {
        RefuseBall(field, gear, BallRangeMessage(gear, false, most, g.BallRangeState));
        return false;
    }
    return true;
}

// The wheel's contact diameter is typed as a magnitude; an internal wheel's is shown
// negative like its other diameters.
void TPagesDlg::ValidateBallContactDiameter2() {
    if (TestDimensionChecksBypassed() || TestTextUnchanged(Edit35)) return;
    GlobalData& g = G;
    double typed = 0;
    if (!ParseInto(Edit35, typed, kInvalidNumber)) return;
    ComputationScope computation;
    g.dM2 = std::fabs(typed);
    ComputeBallDiameterForContact2();
    ComputeBallDiameterRange2();
    const bool internal = g.GearingType == kInternalGearing;
    const double dM = internal ? -g.dM2 : g.dM2;  // signed as the wheel's diameters
    const double dL = g.InvoluteStartDiameter2;
    if (dM < dL)
        return RefuseBall(Edit35, 2,
                          (internal ? "Choose the diameter dM2 smaller than the diameter of the involute beginning "
                                      "(use an absolute value) dL2= "
                                    : "Choose the diameter dM2 greater than the diameter of the involute beginning "
                                      "dL2= ") +
                              Num(dL));
    if (!internal && g.dM2 > g.BallTipLimit2 + 1e-10)
        return RefuseBall(Edit35, 2,
                          (g.Chamfer2 ? "Diameter dM2 must be smaller than the chamfer diameter daE2 = "
                                      : "Choose the diameter dM2 smaller than the limit diameter dM2lim = ") +
                              rt::Str(g.BallTipLimit2, 1, 6));
    if (std::fabs(g.z2) == 4) return AcceptTestDimensions();
    if (internal && dM > g.da2 + 1e-7)
        return RefuseBall(
            Edit35, 2, "Choose the diameter dM2 greater than the tip diameter (the absolute value) da2= " + Num(g.da2));
    // the dimension between the balls of an internal wheel reaching its tip circle
    if (internal ? g.M2 >= std::fabs(g.da2) : g.M2 <= g.da2)
        return RefuseBall(
            Edit35, 2,
            std::string("Measuring is impossible for this contact diameter dM2. The ball sinks ") +
                (internal ? "above the tip diameter (the absolute value) da2= " : "under the tip diameter da2= ") +
                Num(g.da2));
    if (ContactBallInRange(2)) AcceptTestDimensions();
}

}  // namespace ostrimo
