// Schematic pictures of the test dimensions, drawn by the program: the chordal tooth
// thickness sc at the height hc, the span W over a number of teeth, and the dimension
// over balls M (between balls for an internal gear), each for an external or an
// internal gear.
#pragma once

#include <QImage>

namespace ostrimo {

enum class TestPicture { Chord, Span, Balls };

QImage TestDimensionPicture(TestPicture kind, bool internal, int width, int height);

}  // namespace ostrimo
