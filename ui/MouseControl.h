// A control that handles the mouse itself: OnMouseDown, OnMouseMove, OnMouseUp
// and, released over it after a press on it, OnClick; OnDblClick.
#pragma once

#include "ui/Control.h"

#include <QMouseEvent>

#include <string>

namespace ui {

template <class QtWidget, class LayerBase = Control>
class MouseControl : public QtWidget, public LayerBase {
public:
    MouseControl(Container* parent, std::string name)
        : QtWidget(parent ? parent->ClientWidget() : nullptr), LayerBase(this, parent, std::move(name)) {}

protected:
    void mousePressEvent(QMouseEvent* e) override { this->FireMouseDown(e); }
    void mouseReleaseEvent(QMouseEvent* e) override { this->FireMouseUp(e, true); }
    void mouseMoveEvent(QMouseEvent* e) override { this->FireMouseMove(e); }
    void mouseDoubleClickEvent(QMouseEvent*) override { this->FireDblClick(); }
};

}  // namespace ui
