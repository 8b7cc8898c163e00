// Rack mate cut with a protuberance tool.
#pragma once

namespace ostrimo {

// RackFlankDepth and RackUsedDepth: the height of the protuberance, haP02 mn, raised by
// the rack's share of a backlash made by regrinding as long as the protuberance flank
// can take it.
void ComputeRackProtuberanceHeight();

}  // namespace ostrimo
