// Checks and results of the geometry check over the finished pair dimensions.
#pragma once

namespace ostrimo {

// Bevel option: mesh end diameters limited to [db, da] and the contact ratios of the
// virtual spur pair (transverse; overlap from the tooth trace meeting the inner cone
// distance; total).
void ComputeBevelActiveDiameters();

}  // namespace ostrimo
