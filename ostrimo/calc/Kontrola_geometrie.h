// The central computation of the geometry check: from the inputs in G to every
// dimension, verdict flag and test dimension of the pair.
#pragma once

#include <vector>

namespace ostrimo {

// The whole check of the current pair for its GearingType: working copies awCheck,
// alfawtCheck, verdict flags reset (the clearance flags set), the working centre
// distance when no computing input was given, then the steps of the gearing type,
// each only while ErrorFlag is clear; a fatal verdict (no depth, a tip below the
// mate's root, a sum of AMC beyond its critical value, an internal wheel's base above
// its tip) ends it after the clearance check.  The results of the later steps and the
// test dimensions are kNotComputed until a step computes them, so that none is left
// from an earlier case; a shown value that a step computed and that is no number is
// refused as an impossible geometry.  CheckComplete tells that the branch ran to its end
// without ErrorFlag.  AmcUndivided is left as it is.
void ComputeGeometryCheck();

// Every number the results window's verdict list (each where its line is shown) and the
// dimensions table of the current gearing type show, as they show them (sums, ratios and
// degrees included), the test dimensions last.  A check that ends without ErrorFlag
// leaves each a number or not computed (Computed): not computed only the results of the
// steps a fatal verdict ended and the test dimensions not asked for or that no gear can have.
std::vector<double> ShownGeometryValues();

// The interference overlap of gear 1 or 2, from the start of its involute to the start of the
// mesh (half the difference of the diameters; a rack mate's in its own heights); not computed
// with them.
double InterferenceOverlap(int gear);

// The test dimensions of the finished geometry (only while TestDimensionsActive and
// not SkipTestDimensions): spans, balls from contact on the working pitch circles
// kept on the involute (the admissible range found for that ball; none where no ball
// fits the tooth space), the chords of the chosen kind and the chord ranges.
void ComputeTestDimensions();

}  // namespace ostrimo
