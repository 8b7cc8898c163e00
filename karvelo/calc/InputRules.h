// Rules of the input windows' fields that the core needs too: Load data refuses a data file
// holding a value its window would refuse, with the windows' own predicates.
#pragma once

namespace karvelo {

// The stress ratio as stored: -|typed|, and 0 for 0 (never -0).
double StoredStressRatio(double typed);
// A stress ratio field just read into R (`number`: the text was a number): R is stored as
// above; accepted when the typed value lies within -1.2..1.2.
bool AcceptStressRatio(bool number, double& R);

// A mean stress factor YM given directly: 0.4546 to 1.
bool AcceptMeanStressFactor(double YM);

// The faces of pinion (width b1) and wheel (width b2) still overlap with the wheel's face offset
// by db from the pinion's: the common face width is greater than 0.
bool FacesOverlap(double b1, double b2, double db);

}  // namespace karvelo
