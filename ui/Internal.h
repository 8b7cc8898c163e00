// Helpers shared by the layer's sources (not for window code).
#pragma once

#include "ui/Types.h"

#include <Qt>

#include <exception>

class QKeyEvent;

namespace ui {

ShiftState shiftOf(Qt::KeyboardModifiers m, Qt::MouseButtons b);
MouseButton buttonOf(Qt::MouseButton b);
// The virtual key code of a Qt key event (0 for keys without one).
Word virtualKeyOf(const QKeyEvent* e);
// Deletes the Qt objects of the production services (before the application goes).
void ReleaseProductionResources();

// Shows the error box for an exception that escaped the program's handlers.
void ReportEscapedException(const std::exception_ptr& e) noexcept;

// Runs layer code that Qt calls (an event handler, an event filter, a signal) and that
// may run the program's handlers.  An exception they throw ends here: it unwinds the
// program's and the layer's frames up to this point, never Qt's own event code, is
// reported in the error box, and Qt goes on with the event as handled.
template <class Body>
void Guarded(Body&& body) noexcept {
    try {
        body();
    } catch (...) {
        ReportEscapedException(std::current_exception());
    }
}

}  // namespace ui
