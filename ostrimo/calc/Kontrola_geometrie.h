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
// its tip) ends it after the clearance check.  AmcUndivided is left as it is.
void ComputeGeometryCheck();

// Every number the results window's verdict list (each where its line is shown) and the
// dimensions table of the current gearing type show, as they show them (sums, ratios and
// degrees included).  A check that ends without ErrorFlag leaves them all finite.
std::vector<double> ShownGeometryValues();

// The test dimensions of the finished geometry (only while TestDimensionsActive and
// not SkipTestDimensions): spans, balls from contact on the working pitch circles
// kept on the involute, and the chords of the chosen kind.
void ComputeTestDimensions();

}  // namespace ostrimo
