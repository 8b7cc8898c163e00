// Test dimensions of the pinion (routines ending in 1) and of the wheel (ending in 2;
// also a rack mate and an internal wheel): constant chord and its height, chordal
// thickness and height on the reference cylinder, the height for a chosen chord and
// the chord for a chosen height, the admissible chord range, the span measurement
// with the admissible and proposed numbers of teeth spanned, and the measurement over
// (an internal wheel: between) balls or pins with the admissible ball diameters.
//
// The routines read the finished geometry and thicknesses from G and write their
// results there.  Thicknesses and chords are normal values.  An internal wheel keeps
// its negative diameters; its ball contact diameter dM2 is a magnitude.
#pragma once

#include <cstdint>
#include <vector>

#include "ostrimo/calc/Global.h"

namespace ostrimo {

// sc, hc: the constant chord s cos^2 alfan and its height below the tip.
void ComputeConstantChord1();
void ComputeConstantChord2();
// sc, hc on the reference cylinder; both 0 when the reference circle lies outside the
// involute (below its start or above the chamfer).
void ComputeReferenceChordalThickness1();
void ComputeReferenceChordalThickness2();
// hc for the chord in sc.
void ComputeChordHeightForThickness1();
void ComputeChordHeightForThickness2();
// sc for the height in hc.
void ComputeChordThicknessForHeight1();
void ComputeChordThicknessForHeight2();
// ChordMin, ChordMax, ChordHeightMin, ChordHeightMax and ChordRangeToBase (the upper
// limit is the base circle rather than the start of the involute).
void ComputeChordRange1();
void ComputeChordRange2();
// The chord ranges of both gears and ChordValid1, 2: the chord and its height lie within
// the gear's range (1e-5 allowed).
void ComputeChordValidity();
// W1, W2 over zw1, zw2 teeth and the least facewidths W sin beta; not computed while no
// number of teeth is spanned, and for a span that is no length.
void ComputeSpanMeasurements();
// The diameter where a span measurement W touches the flanks of a gear of base diameter
// db (a magnitude for an internal wheel); not computed with W.
double SpanContactDiameter(double W, double db);
// The admissible numbers of teeth spanned (contact between the start of the involute
// and the effective tip), the proposed numbers, and zw1, zw2 when TestDimensionsActive.
void ComputeSpanTeethRange();
// dt and M for the ball that touches the flank on the contact diameter dM.
void ComputeBallDiameterForContact1();
void ComputeBallDiameterForContact2();
// dtMin, dtMax, BallTipLimit and BallRangeState: kBallWithinLimits, or the lower limit that
// the ball dt breaks (kBallSinksUnderTip, kBallIntoRoot, kBallBelowInvolute).  dtMin is the
// largest of the limits (the root one only while the ball dt reaches into the root).
void ComputeBallDiameterRange1();
void ComputeBallDiameterRange2();
// A ball dt of gear 1 or 2 against the range just computed: below the least ball (and breaking
// a lower limit), or above the largest one, each with a tolerance of 1e-5 mm.
bool BallBelowRange(int gear, double dt);
bool BallAboveRange(int gear, double dt);
// dM and M for the ball diameter dt.
void ComputeDimensionOverBalls1();
void ComputeDimensionOverBalls2();
// dt, M and dM of a gear not computed when no ball fits its tooth space: the admissible
// range is empty or has no positive ball, or the ball found is none.
void ForgetBallsThatFitNoSpace();
// Every test dimension not computed: no teeth spanned, no range, no valid chord.
void ForgetTestDimensions();

// What the user chose on the Test dimensions page, as the case holds it (or its data file).
struct TestDimensionChoices {
    std::int16_t zw1, zw2;  // teeth spanned
    double dt1, dt2;        // balls
    double sc1, sc2;        // chords ("Choose chord or height")
    static TestDimensionChoices Of(const GlobalData& g) { return {g.zw1, g.zw2, g.dt1, g.dt2, g.sc1, g.sc2}; }
};
// A choice the pair does not admit, which the check's own value replaced: which one, of
// which gear, the limit it lies beyond and, for a ball, why the least ball is that large
// (BallRangeState).
struct RefusedTestDimension {
    enum Kind { SpanTeeth, Ball, Chord } kind;
    int gear;
    bool below;  // below the least admitted value, else above the largest
    double limit;
    std::int32_t ballRange = kBallWithinLimits;
};
// After a check that ran to its end: the numbers of teeth spanned, the balls and the
// chosen chords of `chosen` that differ from the check's own as a data file keeps them,
// each where the Test dimensions page admits it typed, with the spans, dimensions over
// balls and chord heights they give.  The choices it could not take.
std::vector<RefusedTestDimension> TakeTestDimensionChoices(const TestDimensionChoices& chosen);

}  // namespace ostrimo
