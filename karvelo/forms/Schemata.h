// Unit Schemata: the picture of seven kinematic arrangements of a gear pair between its bearings,
// caption "Kinematic arrangement    (ČSN 01 4686 part 4, fig.1)".  A click on an arrangement picks
// it and estimates KHbeta from it; a click beside every arrangement beeps.  The arrangement under
// the mouse is framed.
#pragma once

#include "karvelo/forms/InputWindow.h"

namespace karvelo {

class TPudorysne_schema : public ui::Form {
public:
    TPudorysne_schema();

    ui::PaintBox* PaintBox1;  // the frame of the arrangement under the mouse, under Image1
    ui::Image* Image1;        // the drawing of the arrangements (transparent), takes the mouse

    // The hot spot (1..9) under the mouse, 0 for none.
    int HotSpot() const { return spot_; }
    // The hot spot containing image point (x, y), 0 for none, and the arrangement it picks.
    static int SpotAt(int x, int y);
    static int ArrangementOfSpot(int spot);

    void FormCreate();
    void Image1MouseMove(int x, int y);
    void PaintBox1Paint();
    void Image1MouseUp(int x, int y);
    void FormKeyPress(ui::KeyChar& key);

private:
    int spot_ = 0;
    ui::Bitmap bitmap_;
};

// KHbeta := 1 + k1 x + k2 x² with x = b/d1 of the narrower gear and (k1, k2) by ArrangementNo,
// for hardened gears (both above 350 HV) or softer ones; another ArrangementNo leaves KHbeta.
void ComputeKHbetaFromArrangement();

extern TPudorysne_schema* Pudorysne_schema;

}  // namespace karvelo
