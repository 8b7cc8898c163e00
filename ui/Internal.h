// Helpers shared by the layer's sources (not for window code).
#pragma once

#include "ui/Types.h"

#include <Qt>

class QKeyEvent;

namespace ui {

ShiftState shiftOf(Qt::KeyboardModifiers m, Qt::MouseButtons b);
MouseButton buttonOf(Qt::MouseButton b);
// The virtual key code of a Qt key event (0 for keys without one).
Word virtualKeyOf(const QKeyEvent* e);
// Deletes the Qt objects of the production services (before the application goes).
void ReleaseProductionResources();

}  // namespace ui
