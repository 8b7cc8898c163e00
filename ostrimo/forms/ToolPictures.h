// Schematic pictures the dialogs show, drawn by the program: the tooth of a rack-type
// tool with or without its chamfering edge and protuberance, and the two ways of
// thinning the teeth for a backlash.
#pragma once

#include <QImage>

namespace ostrimo {

// A tool tooth (tip down) with the basic rack's datum line; the chamfering edge breaks
// the flank near the tool's root, the protuberance widens it near the tip.
QImage RackToolPicture(bool chamfer, bool protuberance, int width, int height);

// Thinning for backlash: a cutter widened beyond its nominal outline, or a gear tooth
// whose involute flanks are reground.
QImage ThinningPicture(bool regrinding, int width, int height);

}  // namespace ostrimo
