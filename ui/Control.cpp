#include "ui/Control.h"

#include "ui/Canvas.h"

#include "ui/Form.h"
#include "ui/Internal.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QWidget>

#include <algorithm>

namespace ui {

Control::Control(QWidget* self, Container* parent, std::string name)
    : widget_(self), parent_(parent), name_(std::move(name)) {
    widget_->setObjectName(QString::fromStdString(name_));
    widget_->setFocusPolicy(Qt::NoFocus);
    if (parent_) {
        parent_->children_.push_back(this);
        if (parent_->ClientWidget()->isVisible()) widget_->show();
    }
}

Control::~Control() {
    if (parent_) {
        auto& v = parent_->children_;
        v.erase(std::remove(v.begin(), v.end(), this), v.end());
        if (Form* f = parent_->OwnerForm()) f->ControlWithdrawn(this);
        parent_ = nullptr;
    }
}

Form* Control::OwnerForm() const {
    const Control* c = this;
    while (c->parent_) c = c->parent_;
    return dynamic_cast<Form*>(const_cast<Control*>(c));
}

bool Control::IsWithin(const Control* c) const {
    for (const Control* p = this; p; p = p->parent_)
        if (p == c) return true;
    return false;
}

int Control::Left() const { return widget_->x(); }
int Control::Top() const { return widget_->y(); }
int Control::Width() const { return widget_->width(); }
int Control::Height() const { return widget_->height(); }

void Control::SetBounds(int left, int top, int width, int height) {
    const QRect before = widget_->geometry();
    widget_->setGeometry(left, top, std::max(0, width), std::max(0, height));
    if (parent_) parent_->ChildChanged(this);
    if (widget_->geometry() != before && Visible()) NotifyFormSurface();
}

void Control::NotifyFormSurface() {
    if (Form* f = OwnerForm(); f && parent_ == f) f->SurfaceChanged();
}

bool Control::Visible() const { return !widget_->isHidden(); }

void Control::SetVisible(bool visible) {
    if (visible == Visible()) return;
    widget_->setVisible(visible);
    Form* f = OwnerForm();
    if (!visible && f) f->ControlWithdrawn(this);
    if (parent_) parent_->ChildChanged(this);
    if (f) f->UpdateSheetShowing();
    NotifyFormSurface();
}

bool Control::Enabled() const { return !widget_->testAttribute(Qt::WA_ForceDisabled); }

void Control::SetEnabled(bool enabled) {
    if (enabled == Enabled()) return;
    widget_->setEnabled(enabled);
    if (!enabled)
        if (Form* f = OwnerForm()) f->ControlWithdrawn(this);
}

bool Control::Showing() const { return widget_->isVisible(); }

bool Control::CanFocus() const {
    if (!TakesFocus()) return false;
    Form* f = OwnerForm();
    if (!f) return false;
    for (const Control* c = this; c && c != f; c = c->parent_)
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

bool Control::Focused() const {
    Form* f = OwnerForm();
    return f && f->Active() && f->FocusedControl() == this;
}

void Control::SetFocus() {
    if (Form* f = OwnerForm()) f->SetActiveControl(this);
}

bool Control::TabStop() const { return tabStop_; }

int Control::TabOrder() const {
    if (!parent_) return 0;
    const auto& v = parent_->children_;
    return int(std::find(v.begin(), v.end(), this) - v.begin());
}

void Control::SetTabOrder(int order) {
    if (!parent_) return;
    auto& v = parent_->children_;
    v.erase(std::remove(v.begin(), v.end(), this), v.end());
    order = std::clamp(order, 0, int(v.size()));
    v.insert(v.begin() + order, this);
}

ui::Font Control::Font() const {
    if (font_) return *font_;
    if (parent_) return parent_->Font();
    return ui::Font{};
}

void Control::SetFont(const ui::Font& font) {
    font_ = font;
    fontChanged();
}

void Control::fontChanged() {
    ApplyFont();
    if (auto* box = dynamic_cast<Container*>(this))
        for (Control* child : box->Controls())
            if (!child->font_) child->fontChanged();
}

void Control::SetFontName(const std::string& name) {
    ui::Font f = Font();
    f.Name = name;
    SetFont(f);
}
void Control::SetFontSize(int points) {
    ui::Font f = Font();
    f.SetSize(points);
    SetFont(f);
}
void Control::SetFontPixels(int px) {
    ui::Font f = Font();
    f.PixelSize = px;
    SetFont(f);
}
void Control::SetFontStyle(unsigned style) {
    ui::Font f = Font();
    f.Style = style;
    SetFont(f);
}
void Control::SetFontColor(ui::Color color) {
    ui::Font f = Font();
    f.Color = color;
    SetFont(f);
}

void Control::ApplyFont() {
    const ui::Font f = Font();
    widget_->setFont(ToQFont(f));
    QPalette pal = widget_->palette();
    const QColor c = ToQColor(f.Color), grey = ToQColor(clGrayText);
    // The font colour while enabled; a disabled control shows its text grey whatever its font.
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        pal.setColor(QPalette::Active, role, c);
        pal.setColor(QPalette::Inactive, role, c);
        pal.setColor(QPalette::Disabled, role, grey);
    }
    widget_->setPalette(pal);
}

ui::Color Control::Color() const {
    if (color_) return *color_;
    if (parent_) return parent_->Color();
    return clBtnFace;
}

void Control::SetColor(ui::Color color) {
    color_ = color;
    QPalette pal = widget_->palette();
    pal.setColor(QPalette::Window, ToQColor(color));
    pal.setColor(QPalette::Base, ToQColor(color));
    pal.setColor(QPalette::Button, ToQColor(color));
    widget_->setPalette(pal);
    widget_->setAutoFillBackground(true);
    widget_->update();
}

void Control::Repaint() {
    if (widget_->isVisible()) widget_->repaint();
}

void Control::BringToFront() { widget_->raise(); }

void Control::RenderTo(Bitmap& bitmap, int x, int y) const {
    bitmap.Canvas().Flush();
    widget_->render(&bitmap.Image(), QPoint(x, y), QRegion(), QWidget::DrawChildren);
}
void Control::SendToBack() { widget_->lower(); }

bool Control::TakeFocusForAccelerator() {
    Form* f = OwnerForm();
    if (!f || !CanFocus()) return false;
    return f->FocusedControl() == this || f->MoveFocus(this, true);
}

bool Control::IsSpacePress(const QKeyEvent* e, KeyChar replacement) {
    const KeyChar ch = replacement ? replacement : (e->text().isEmpty() ? 0 : e->text()[0].unicode());
    return e->type() == QEvent::KeyPress && ch == u' ';
}

void Control::Click() {
    if (OnClick) OnClick();
}

void Control::DeliverKey(QKeyEvent* e, KeyChar replacement) {
    if (replacement) {
        QKeyEvent copy(e->type(), e->key(), e->modifiers(), QString(QChar(replacement)), e->isAutoRepeat());
        QCoreApplication::sendEvent(widget_, &copy);
        return;
    }
    QKeyEvent copy(e->type(), e->key(), e->modifiers(), e->text(), e->isAutoRepeat());
    QCoreApplication::sendEvent(widget_, &copy);
}

void Control::FireMouseDown(QMouseEvent* e) {
    pressedInside_ = e->button() == Qt::LeftButton;
    if (!OnMouseDown) return;
    const QPoint p = e->position().toPoint();
    Guarded([&] { OnMouseDown(buttonOf(e->button()), shiftOf(e->modifiers(), e->buttons()), p.x(), p.y()); });
}

void Control::FireMouseUp(QMouseEvent* e, bool clickIfInside) {
    const QPoint p = e->position().toPoint();
    const bool wasPressed = pressedInside_ && e->button() == Qt::LeftButton;
    if (e->button() == Qt::LeftButton) pressedInside_ = false;
    Guarded([&] {
        if (OnMouseUp) OnMouseUp(buttonOf(e->button()), shiftOf(e->modifiers(), e->buttons()), p.x(), p.y());
        if (clickIfInside && wasPressed && widget_->rect().contains(p)) Click();
    });
}

void Control::FireMouseMove(QMouseEvent* e) {
    if (!OnMouseMove) return;
    const QPoint p = e->position().toPoint();
    Guarded([&] { OnMouseMove(shiftOf(e->modifiers(), e->buttons()), p.x(), p.y()); });
}

void Control::FireDblClick() {
    if (OnDblClick) Guarded([this] { OnDblClick(); });
}

// ---------------------------------------------------------------- Container

Container::Container(QWidget* self, Container* parent, std::string name) : Control(self, parent, std::move(name)) {}

Container::~Container() {
    for (Control* c : children_) c->parent_ = nullptr;
    children_.clear();
}

Control* Container::FindControl(const std::string& name) const {
    for (Control* c : children_) {
        if (c->Name() == name) return c;
        if (auto* box = dynamic_cast<Container*>(c))
            if (Control* found = box->FindControl(name)) return found;
    }
    return nullptr;
}

void Container::SetTabOrderByLayout() {
    std::stable_sort(children_.begin(), children_.end(), [](const Control* a, const Control* b) {
        return a->Top() != b->Top() ? a->Top() < b->Top() : a->Left() < b->Left();
    });
    for (Control* c : children_)
        if (auto* box = dynamic_cast<Container*>(c)) box->SetTabOrderByLayout();
}

}  // namespace ui
