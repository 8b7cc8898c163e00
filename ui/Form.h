// Form: a top-level window of the program with the original library's order of
// events.  See ui/README.md for the rules; in short:
//  - The form keeps its own active control.  A focus move (mouse press, Tab,
//    accelerator, ActiveControl set while the form is active) runs OnExit of the
//    control that has the focus and of its containers up to the lowest container
//    shared with the target, then OnEnter of the target's containers (outermost
//    first) and of the target.  When a handler of that chain makes another control
//    active, the rest of the chain is abandoned (and a press that caused it is void).
//  - Window switches fire no OnExit/OnEnter; a form's first activation gives its
//    initial control OnEnter; an ActiveControl set while inactive is moved to on the
//    next activation.
//  - OnShow when the form becomes visible, OnHide when the program hides it (Hide, Close,
//    the end of its modal run; not when the user minimises it), OnActivate when it becomes
//    the program's active form, OnDeactivate when another form does.
//  - OnPaint (never from Qt's painting): on the first showing, on each Repaint while
//    visible, and once after each input event (or soon after) when something asked
//    for it meanwhile: an activation, an expose, a window over it closing, a change on
//    its own surface (a control placed directly on it shown, hidden or moved, a label's
//    text), a change of its size.
//  - ShowModal blocks the forms visible when it starts, until ModalResult is set.
//  - A secondary form belongs to the form that shows it (its owner): its window is
//    transient for the owner's and stays in front of it.
#pragma once

#include "ui/Control.h"
#include "ui/MouseControl.h"

#include <QMargins>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

namespace ui {

// A form's Width/Height are its outer size; the client area is this much smaller.
inline constexpr int FrameWidth = 8;
inline constexpr int FrameHeight = 27;

// A window beside which another opens: its frame and the screen rectangles of what it
// shows (fields, buttons, texts, pictures).
struct Placed {
    Rect Frame;
    std::vector<Rect> Contents;
};

// Where a secondary window of the given outer size opens, inside the screen: the place
// that hides least of what its owner shows, then of the owner, then of what the owner's
// own owners show, of those owners, of the other open windows, and of those the nearest
// to the owner (right of it, below, left, above first); never exactly over another
// window.  owners: the owner first, then its owners; others: the other open windows.
Rect PlaceBeside(const std::vector<Placed>& owners, const std::vector<Rect>& others, int width, int height,
                 const Rect& screen);

class Form;

// Shows a window of the layer that is not a form (the help window) as a secondary window
// of owner: transient for it, beside it on its first showing (made smaller, down to half
// its size, where that hides nothing of the owner), whenever it is shown for another owner
// than the last time (moved there when it is open) and whenever it would open exactly over
// another window, its frame on the screen.
void ShowAsSecondary(QWidget* w, Form* owner);

class Form : public MouseControl<QWidget, Container> {
public:
    explicit Form(const std::string& name = "Form1");
    ~Form() override;

    // Outer size (client area and nominal frame); screen position of the client area.
    // A position is kept as given unless the frame would leave the screen.
    int Left() const override;
    int Top() const override;
    int Width() const override;
    int Height() const override;
    void SetBounds(int left, int top, int width, int height) override;
    int ClientWidth() const { return QWidget::width(); }
    int ClientHeight() const { return QWidget::height(); }
    void SetClientWidth(int w);
    void SetClientHeight(int h);
    void SetClientSize(int w, int h);
    // Largest outer width (0: none).
    void SetMaxWidth(int w);

    std::string Caption() const;
    void SetCaption(const std::string& caption);

    // Appearance, applied when the form is shown.
    ui::BorderStyle BorderStyle = ui::BorderStyle::Sizeable;
    unsigned BorderIcons = biSystemMenu | biMinimize | biMaximize;
    ui::Position Position = ui::Position::Designed;

    // The form's OnKeyDown/OnKeyPress/OnKeyUp run before the focused control's.
    bool KeyPreview = false;
    // Non-zero ends ShowModal after the running handler returns (ignored when the
    // form is not modal).
    int ModalResult = mrNone;

    // The form's active control (recorded while the form is inactive or hidden).
    Control* ActiveControl() const { return active_; }
    // Active and visible form: a focus move with OnExit/OnEnter; otherwise recorded.
    // A control that cannot take the focus (hidden, disabled) is ignored quietly.
    void SetActiveControl(Control* control);
    // The control that had the focus last (the form itself when none).
    Control* FocusedControl() const { return focused_; }

    // The program's active form.
    bool Active() const;
    bool Visible() const override;
    void SetVisible(bool visible) override;
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Modal: ModalResult := mrCancel.  Modeless: OnClose, then hide (the main form's
    // close ends the program).
    void Close();
    // Shows the form modally and returns its ModalResult.
    int ShowModal();
    bool Modal() const { return modalLevel_ > 0; }
    // OnPaint now when visible (never re-entered: a request during OnPaint runs once
    // after it), then a Qt repaint of the form and its controls.
    void Repaint() override;
    // OnPaint later: once, when the program has finished the input event it is
    // handling (or soon after), however often it was asked for meanwhile.
    void RequestPaint();
    bool PaintRequested() const { return paintRequested_; }

    // The form that showed this one (nullptr for the main form and before a showing).
    Form* Owner() const { return owner_; }

    std::function<void()> OnCreate;
    std::function<void()> OnShow;
    std::function<void()> OnHide;
    std::function<void()> OnActivate;
    std::function<void()> OnDeactivate;
    std::function<void()> OnPaint;
    std::function<void(CloseAction&)> OnClose;

    // Keyboard navigation: focus the next control in tab order (wraps around).
    void SelectNext(Control* from, bool forward);
    // Focus the first tab stop of a container (the whole form when nullptr).
    void SelectFirst(Container* within = nullptr);
    Control* FindNextControl(Control* from, bool forward, bool checkTabStop, const Container* within = nullptr) const;

    // ---- for services (production modal loop, test harness) ----
    // ModalStart shows and activates the form as modal (OnShow, OnActivate, OnEnter of
    // its initial control, OnPaint); ModalFinish closes it (OnClose, hide, the previous
    // form becomes active again) and returns the result.  RunModalLoop does both with
    // an event loop between them.
    void ModalStart();
    int ModalFinish(bool runOnClose = true);
    int RunModalLoop();

    // ---- layer internals ----
    bool MoveFocus(Control* target, bool byKeyboard = false);
    void ControlWithdrawn(Control* c);
    void UpdateSheetShowing();
    void HandleKeyPress(QKeyEvent* e);
    void HandleKeyRelease(QKeyEvent* e);
    void Activated();
    bool PressFocus(Control* target);
    // Runs a requested OnPaint (Application::FlushPaints).
    void RunRequestedPaint();
    // A control drawn on the form's own surface changed (see OnPaint above).
    void SurfaceChanged();
    // The window system showed (part of) the form's window again.
    void WindowExposed();
    // The form f is being destroyed.
    void OwnerGone(const Form* f);

protected:
    void closeEvent(QCloseEvent* e) override;
    bool event(QEvent* e) override;

private:
    void doShow(bool modal);
    void doHide();
    void applyWindowFlags();
    void applySizeLimits();
    void runPaint();
    void syncQtFocus();
    void showFocusCues();
    void takeOwner();
    void place();
    Control* accelTarget(char16_t ch) const;
    class Button* defaultButton(bool cancel) const;

    Control* active_ = nullptr;
    Control* focused_ = nullptr;
    int focusCount_ = 0;
    int chainDepth_ = 0;
    Control* chainOrigin_ = nullptr;
    bool everActivated_ = false;
    bool painting_ = false;
    bool repaintPending_ = false;
    bool paintRequested_ = false;
    bool awaitingFirstExpose_ = false;
    bool placed_ = false;
    bool frameUnchecked_ = false;
    bool placeByPosition_ = false;
    QPoint wantedPos_;
    QMargins placedWith_;
    QPoint placedAt_;  // where the last placing put the client area
    Form* owner_ = nullptr;
    QPointer<Form> lastOwner_;  // the owner of the last showing
    int modalLevel_ = 0;
    int maxClientWidth_ = 0;
};

}  // namespace ui
