// Control: what every control of a form has (name, place, visibility, enabled
// state, font, colour, focus and events), and Container: a control that holds
// others (form, group box, panel, scroll box, page control, tab sheet).
//
// Every concrete control is a Qt widget and a Control.  Use the layer's properties
// (SetVisible, SetEnabled, SetCaption, SetChecked ...), not the Qt ones: the layer
// keeps the focus, the events and the fonts consistent only through them.
#pragma once

#include "ui/Types.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QWidget;
class QKeyEvent;
class QMouseEvent;

namespace ui {

class Bitmap;
class Container;
class Form;

class Control {
public:
    Control(QWidget* self, Container* parent, std::string name);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    QWidget* Widget() const { return widget_; }
    const std::string& Name() const { return name_; }
    Container* Parent() const { return parent_; }
    // The form the control lies on (the form itself for a form).
    Form* OwnerForm() const;
    // This control or one of its containers is c.
    bool IsWithin(const Control* c) const;

    // Place in the parent's client area, in pixels.
    virtual int Left() const;
    virtual int Top() const;
    virtual int Width() const;
    virtual int Height() const;
    virtual void SetBounds(int left, int top, int width, int height);
    void SetLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
    void SetTop(int v) { SetBounds(Left(), v, Width(), Height()); }
    void SetWidth(int v) { SetBounds(Left(), Top(), v, Height()); }
    void SetHeight(int v) { SetBounds(Left(), Top(), Width(), v); }
    Rect BoundsRect() const { return {Left(), Top(), Left() + Width(), Top() + Height()}; }
    Rect ClientRect() const { return {0, 0, Width(), Height()}; }

    // The control's own Visible and Enabled flags (not whether its containers are).
    virtual bool Visible() const;
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const;
    virtual void SetEnabled(bool enabled);
    // Visible up to the form and the form shown.
    bool Showing() const;
    // Can take the focus now: a focusable kind, visible and enabled up to the form.
    bool CanFocus() const;
    // Has the focus: the active control of the program's active form.
    bool Focused() const;
    // Makes this the form's active control (see Form::SetActiveControl).
    void SetFocus();

    virtual bool TabStop() const;
    void SetTabStop(bool on) { tabStop_ = on; }
    int TabOrder() const;
    void SetTabOrder(int order);

    // The font in effect (the parent's until the control is given its own).
    ui::Font Font() const;
    void SetFont(const ui::Font& font);
    void SetFontName(const std::string& name);
    void SetFontSize(int points);
    void SetFontPixels(int px);
    void SetFontStyle(unsigned style);
    void SetFontColor(ui::Color color);
    ui::Color Color() const;
    void SetColor(ui::Color color);

    // Qt redraw of the control (no layer event except a paint box's OnPaint).
    virtual void Repaint();
    void Invalidate() { Repaint(); }
    void Refresh() { Repaint(); }
    void BringToFront();
    void SendToBack();
    // Draws the control as it looks (its whole size, also where its window cuts it
    // off) into a bitmap at (x, y).
    void RenderTo(Bitmap& bitmap, int x = 0, int y = 0) const;

    // Events: handlers run by the layer in the order of ui/README.md.
    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    std::function<void()> OnEnter;
    std::function<void()> OnExit;
    std::function<void(MouseButton, ShiftState, int x, int y)> OnMouseDown;
    std::function<void(MouseButton, ShiftState, int x, int y)> OnMouseUp;
    std::function<void(ShiftState, int x, int y)> OnMouseMove;
    std::function<void(Word& key, ShiftState)> OnKeyDown;
    std::function<void(Word& key, ShiftState)> OnKeyUp;
    std::function<void(KeyChar& key)> OnKeyPress;

    // ---- kind properties and hooks used by the layer ----
    // Has a window of its own, so the application hook sees it as a message target
    // (labels, images, paint boxes and bevels do not: their container is the target).
    virtual bool IsWindowed() const { return true; }
    // Can be a form's active control.
    virtual bool TakesFocus() const { return false; }
    // Takes the focus when pressed with the mouse.
    virtual bool FocusOnClick() const { return TakesFocus(); }
    // Typed characters go to it (otherwise plain letters act as accelerators first).
    virtual bool WantsChars() const { return false; }
    // Enter pressed while focused goes to its OnKeyPress, never to a Default button.
    virtual bool KeepsEnter() const { return WantsChars(); }
    // Accelerator character of the caption, 0 when none.
    virtual char16_t Accelerator() const { return 0; }
    // Carries out the accelerator (like a mouse click).
    virtual void Accelerate() {}
    // Runs the control's click: OnClick (buttons also set the form's ModalResult).
    virtual void Click();
    // Delivers a key that no handler cancelled; replacement != 0 replaces the character.
    virtual void DeliverKey(QKeyEvent* event, KeyChar replacement);
    // Called after the control became focused by the keyboard or by code.
    virtual void FocusedByKeyboard() {}
    // Called when the form's controls may have started or stopped showing (pages
    // fire OnShow from here).
    virtual void CheckShowing() {}

protected:
    // Applies the effective font to the widget (controls showing text refine this).
    virtual void ApplyFont();
    // Something of this control changed where its form draws itself: a control placed
    // directly on the form shown, hidden, moved or resized, a label's text.  The form
    // paints again once the current input event is handled.
    void NotifyFormSurface();
    // Moves the focus here for an accelerator; false when refused or impossible.
    bool TakeFocusForAccelerator();
    static bool IsSpacePress(const QKeyEvent* e, KeyChar replacement);
    // Mouse events for controls that handle the mouse themselves: OnMouseDown, then
    // OnMouseUp and (released inside after a press inside) OnClick; OnDblClick.  Called
    // from Qt's mouse events, they end there an exception of the handlers (ui::Guarded).
    void FireMouseDown(QMouseEvent* e);
    void FireMouseUp(QMouseEvent* e, bool clickIfInside);
    void FireMouseMove(QMouseEvent* e);
    void FireDblClick();

private:
    void fontChanged();
    friend class Container;
    friend class Form;
    QWidget* widget_;
    Container* parent_;
    std::string name_;
    std::optional<ui::Font> font_;
    std::optional<ui::Color> color_;
    bool tabStop_ = true;
    bool pressedInside_ = false;
};

class Container : public Control {
public:
    Container(QWidget* self, Container* parent, std::string name);
    ~Container() override;

    // The widget children are placed in (Qt parent of the children).
    virtual QWidget* ClientWidget() const { return Widget(); }
    // Direct child controls in tab order.
    const std::vector<Control*>& Controls() const { return children_; }
    int ControlCount() const { return int(children_.size()); }
    // A control of this container or below by name, or nullptr.
    Control* FindControl(const std::string& name) const;
    // Sorts the tab order of this container and all below by position (top, then left).
    void SetTabOrderByLayout();

    // Called by children when their place or visibility changed.
    virtual void ChildChanged(Control*) {}

private:
    friend class Control;
    std::vector<Control*> children_;
};

}  // namespace ui
