#include "ui/Form.h"

#include "ui/Application.h"
#include "ui/Controls.h"
#include "ui/Internal.h"
#include "ui/PageControl.h"
#include "ui/Services.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QScopeGuard>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace ui {

namespace {

// All controls below a container, depth first in tab order (containers before
// their children; hidden or disabled containers are not entered).
void collect(const Container* box, std::vector<Control*>& out) {
    for (Control* c : box->Controls()) {
        out.push_back(c);
        if (auto* sub = dynamic_cast<const Container*>(c); sub && c->Visible() && c->Enabled()) collect(sub, out);
    }
}

// Visible and enabled up to the form.
bool usable(const Control* c, const Form* f) {
    for (; c && c != f; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return c == f;
}

QRect frameOf(const Form* f) { return QRect(f->Left(), f->Top(), f->Width(), f->Height()); }

}  // namespace

Rect PlaceBeside(const Rect& owner, int width, int height, const Rect& screen) {
    const auto clampTo = [](int v, int lo, int hi) { return std::max(lo, std::min(v, hi)); };
    const Point tries[] = {{owner.Right, owner.Top}, {owner.Left, owner.Bottom}, {owner.Left - width, owner.Top},
                           {owner.Left, owner.Top - height}};
    Rect best{};
    long long bestOverlap = -1;
    for (const Point& p : tries) {
        const int x = clampTo(p.X, screen.Left, screen.Right - width);
        const int y = clampTo(p.Y, screen.Top, screen.Bottom - height);
        const long long w = std::max(0, std::min(x + width, owner.Right) - std::max(x, owner.Left));
        const long long h = std::max(0, std::min(y + height, owner.Bottom) - std::max(y, owner.Top));
        if (bestOverlap < 0 || w * h < bestOverlap) {
            bestOverlap = w * h;
            best = {x, y, x + width, y + height};
        }
    }
    return best;
}

Form::Form(const std::string& name) : MouseControl(nullptr, name) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAttribute(Qt::WA_QuitOnClose, false);
    setAutoFillBackground(true);
    resize(320, 240);
    focused_ = this;
    ApplyFont();
    App().FormRegistered(this);
}

Form::~Form() {
    if (Application* a = dynamic_cast<Application*>(QCoreApplication::instance())) a->FormDestroyed(this);
}

int Form::Left() const { return QWidget::pos().x(); }
int Form::Top() const { return QWidget::pos().y(); }
int Form::Width() const { return QWidget::width() + FrameWidth; }
int Form::Height() const { return QWidget::height() + FrameHeight; }

void Form::SetBounds(int left, int top, int width, int height) {
    move(left, top);
    SetClientSize(width - FrameWidth, height - FrameHeight);
}

void Form::SetClientWidth(int w) { SetClientSize(w, ClientHeight()); }
void Form::SetClientHeight(int h) { SetClientSize(ClientWidth(), h); }

void Form::SetClientSize(int w, int h) {
    w = std::max(w, 0);
    h = std::max(h, 0);
    if (maxClientWidth_ > 0) w = std::min(w, maxClientWidth_);
    const QSize before = size();
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(w, h);
    applySizeLimits();
    if (size() != before) SurfaceChanged();
}

void Form::SetMaxWidth(int w) {
    maxClientWidth_ = w > 0 ? std::max(0, w - FrameWidth) : 0;
    SetClientSize(ClientWidth(), ClientHeight());
}

void Form::applySizeLimits() {
    if (BorderStyle != ui::BorderStyle::Sizeable && isVisible()) {
        setFixedSize(QWidget::size());
    } else {
        setMinimumSize(0, 0);
        setMaximumSize(maxClientWidth_ > 0 ? maxClientWidth_ : QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
}

std::string Form::Caption() const { return windowTitle().toStdString(); }
void Form::SetCaption(const std::string& caption) { setWindowTitle(QString::fromStdString(caption)); }

bool Form::Active() const { return App().ActiveForm() == this; }
bool Form::Visible() const { return QWidget::isVisible(); }

void Form::SetVisible(bool visible) {
    if (visible)
        doShow(false);
    else
        doHide();
}

void Form::applyWindowFlags() {
    Qt::WindowFlags f = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (BorderStyle == ui::BorderStyle::None) f = Qt::Window | Qt::FramelessWindowHint;
    if (BorderStyle == ui::BorderStyle::ToolWindow) f |= Qt::Tool;
    if (BorderIcons & biSystemMenu) {
        f |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (BorderStyle != ui::BorderStyle::Dialog) {
            if (BorderIcons & biMinimize) f |= Qt::WindowMinimizeButtonHint;
            if (BorderIcons & biMaximize) f |= Qt::WindowMaximizeButtonHint;
        }
        if (BorderIcons & biHelp) f |= Qt::WindowContextHelpButtonHint;
    }
    if (windowFlags() != f) setWindowFlags(f);
}

void Form::doShow(bool) {
    if (isVisible()) {
        Application::Raise(this);
        if (!App().IsBlocked(this)) App().SetActiveForm(this);
        return;
    }
    if (OnShow) OnShow();
    if (isVisible()) return;
    applyWindowFlags();
    takeOwner();
    const bool firstShowing = !placed_;
    placed_ = true;
    if (Position == ui::Position::ScreenCenter) {
        if (QScreen* s = QGuiApplication::primaryScreen()) {
            const QRect a = s->availableGeometry();
            move(a.left() + (a.width() - Width()) / 2, a.top() + (a.height() - Height()) / 2);
        }
    } else if (Position == ui::Position::BesideOwner && firstShowing) {
        placeBesideOwner();
    }
    const QSize designed = size();
    awaitingFirstExpose_ = true;
    QWidget::show();
    applySizeLimits();
    UpdateSheetShowing();
    QPointer<Form> self(this);
    App().SetActiveForm(this);
    if (self && isVisible()) {
        runPaint();
        // A form that sizes itself in its first paint is placed by the size it took.
        if (self && isVisible() && Position == ui::Position::BesideOwner && firstShowing && size() != designed)
            placeBesideOwner();
        if (self) QWidget::update();
    }
}

void Form::doHide() {
    if (!isVisible()) return;
    const QRect covered = frameOf(this);
    QWidget::hide();
    UpdateSheetShowing();
    if (OnHide) OnHide();
    // The forms it covered are painted again.
    for (Form* f : App().Forms())
        if (f != this && f->isVisible() && frameOf(f).intersects(covered)) f->RequestPaint();
    App().FormHidden(this);
}

// A secondary form belongs to the form that shows it (the active one, else the main
// form); its window is transient for the owner's, so that it stays in front of it.
void Form::takeOwner() {
    Application& app = App();
    Form* candidate = nullptr;
    if (app.MainForm() != this) {
        for (Form* f : {app.ActiveForm(), app.MainForm()}) {
            if (!f || f == this || !f->isVisible()) continue;
            bool circle = false;
            for (Form* up = f; up && !circle; up = up->owner_) circle = up == this;
            if (circle) continue;
            candidate = f;
            break;
        }
    }
    owner_ = candidate;
    create();
    if (QWindow* w = windowHandle()) w->setTransientParent(owner_ ? owner_->windowHandle() : nullptr);
}

void Form::placeBesideOwner() {
    if (!owner_) return;
    QScreen* s = owner_->screen() ? owner_->screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    const QRect a = s->availableGeometry();
    const Rect r = PlaceBeside(owner_->BoundsRect(), Width(), Height(), Rect{a.left(), a.top(), a.right() + 1, a.bottom() + 1});
    move(r.Left, r.Top);
}

void Form::OwnerGone(const Form* f) {
    if (owner_ == f) owner_ = nullptr;
}

void Form::Close() {
    if (Modal()) {
        ModalResult = mrCancel;
        return;
    }
    // A hidden main form still closes: that ends the program.
    const bool main = App().MainForm() == this;
    if (!isVisible() && !main) return;
    CloseAction action = CloseAction::Hide;
    if (OnClose) OnClose(action);
    if (action == CloseAction::None) return;
    if (action == CloseAction::Minimize) {
        showMinimized();
        return;
    }
    doHide();
    if (main) App().Terminate();
}

int Form::ShowModal() {
    if (Modal()) return mrCancel;  // already running its own modal loop
    return CurrentServices().RunModal(*this);
}

void Form::ModalStart() {
    ModalResult = mrNone;
    ++modalLevel_;
    App().PushModal(this);
    doShow(true);
}

int Form::ModalFinish(bool runOnClose) {
    if (ModalResult == mrNone) ModalResult = mrCancel;
    if (runOnClose && isVisible() && OnClose) {
        CloseAction action = CloseAction::Hide;
        OnClose(action);
    }
    const int result = ModalResult;
    --modalLevel_;
    App().PopModal(this);
    doHide();
    return result;
}

int Form::RunModalLoop() {
    ModalStart();
    QEventLoop loop;
    for (;;) {
        while (ModalResult == mrNone && isVisible() && !App().Terminated())
            loop.processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
        if (ModalResult == mrNone || !isVisible() || App().Terminated()) break;
        CloseAction action = CloseAction::Hide;
        if (OnClose) OnClose(action);
        if (action != CloseAction::None) break;
        ModalResult = mrNone;
    }
    return ModalFinish(false);
}

void Form::Repaint() {
    if (!isVisible()) return;
    if (painting_) {
        repaintPending_ = true;
        return;
    }
    runPaint();
    if (isVisible()) QWidget::repaint();
}

void Form::runPaint() {
    if (painting_) {
        repaintPending_ = true;
        return;
    }
    paintRequested_ = false;  // this paint answers every request made before it
    painting_ = true;
    QPointer<Form> self(this);
    // Also when a handler throws.
    const auto done = qScopeGuard([&] {
        if (!self) return;
        repaintPending_ = false;
        painting_ = false;
    });
    if (OnPaint) OnPaint();
    if (self && repaintPending_ && isVisible() && OnPaint) {
        repaintPending_ = false;
        OnPaint();
    }
}

void Form::RequestPaint() {
    if (!isVisible()) return;
    paintRequested_ = true;
    App().PaintRequested();
}

void Form::RunRequestedPaint() {
    if (!paintRequested_) return;
    paintRequested_ = false;
    if (isVisible()) runPaint();
}

// What a form's own OnPaint changes does not ask for another paint.
void Form::SurfaceChanged() {
    if (!painting_) RequestPaint();
}

void Form::WindowExposed() {
    if (awaitingFirstExpose_) {
        awaitingFirstExpose_ = false;  // the showing painted it
        return;
    }
    RequestPaint();
}

// ---------------------------------------------------------------- focus

void Form::SetActiveControl(Control* control) {
    if (!control) {
        active_ = nullptr;
        return;
    }
    if (control == this || control->OwnerForm() != this) return;
    if (!isVisible() || !Active()) {
        active_ = control;
        return;
    }
    if (!control->CanFocus()) return;
    // A handler of a focus move that makes the move's own target active changes nothing: the
    // move goes on, and the press that started it still clicks.
    if (chainDepth_ > 0 && control == active_) return;
    if (control == focused_ && chainDepth_ == 0) {
        active_ = control;
        syncQtFocus();
        return;
    }
    MoveFocus(control, true);
}

bool Form::MoveFocus(Control* target, bool byKeyboard) {
    if (!target || target->OwnerForm() != this) return false;
    const int mine = ++focusCount_;
    active_ = target;
    const bool outer = chainDepth_ == 0;
    if (outer) chainOrigin_ = focused_;
    const bool silent = !outer && target == chainOrigin_;
    ++chainDepth_;
    bool ok = true;
    QPointer<Form> self(this);
    {
        // The chain ends also when a handler throws.
        const auto leave = qScopeGuard([&] {
            if (!self) return;
            --chainDepth_;
            if (outer) chainOrigin_ = nullptr;
        });
        // Leave the focused control and its containers up to one that holds the target.
        while (ok && focused_ != this && !target->IsWithin(focused_)) {
            Control* leaving = focused_;
            focused_ = leaving->Parent() ? static_cast<Control*>(leaving->Parent()) : this;
            if (leaving->OnExit) leaving->OnExit();
            if (!self) return false;
            if (focusCount_ != mine) ok = false;
        }
        // Enter the target's containers, outermost first, then the target.
        while (ok && focused_ != target) {
            Control* t = target;
            while (t->Parent() && static_cast<Control*>(t->Parent()) != focused_) t = t->Parent();
            focused_ = t;
            if (silent && t == target) continue;
            if (t->OnEnter) t->OnEnter();
            if (!self) return false;
            if (focusCount_ != mine) ok = false;
        }
    }
    if (ok && byKeyboard && focused_ == target) target->FocusedByKeyboard();
    if (outer) syncQtFocus();
    return ok && focused_ == target;
}

bool Form::PressFocus(Control* target) { return focused_ == target || MoveFocus(target, false); }

void Form::syncQtFocus() {
    QWidget* w = (focused_ && focused_ != this) ? focused_->Widget() : this;
    if (w->isVisible() && w->isEnabled())
        w->setFocus(Qt::OtherFocusReason);
    else
        QWidget::setFocus(Qt::OtherFocusReason);
    showFocusCues();
}

// In real windows the focused control shows its focus frame, and the button that Enter
// would press (the focused button, else the Default one) is drawn as the default button.
void Form::showFocusCues() {
    const bool cues = App().FocusCues();
    setAttribute(Qt::WA_KeyboardFocusChange, cues);
    Button* enterPresses = cues && focused_ != this ? dynamic_cast<Button*>(focused_) : nullptr;
    if (cues && !enterPresses) enterPresses = defaultButton(false);
    std::vector<Control*> all;
    collect(this, all);
    for (Control* c : all)
        if (auto* b = dynamic_cast<Button*>(c)) b->setDefault(b == enterPresses);
}

void Form::Activated() {
    Control* want = active_;
    if (!want || !want->CanFocus()) {
        if (focused_ != this && focused_->CanFocus())
            want = focused_;
        else if (!(want = FindNextControl(nullptr, true, true)))
            want = FindNextControl(nullptr, true, false);
    }
    if (want && want != focused_) {
        MoveFocus(want, true);
    } else {
        active_ = want;
        syncQtFocus();
    }
}

void Form::ControlWithdrawn(Control* c) {
    if (focused_ && focused_ != this && focused_->IsWithin(c)) {
        focused_ = this;
        if (chainOrigin_ && chainOrigin_->IsWithin(c)) chainOrigin_ = nullptr;
        syncQtFocus();
    }
    if (active_ && active_->IsWithin(c)) active_ = nullptr;
    if (chainOrigin_ && chainOrigin_->IsWithin(c)) chainOrigin_ = nullptr;
}

void Form::UpdateSheetShowing() {
    std::vector<Control*> all;
    collect(this, all);
    for (Control* c : all) c->CheckShowing();
}

Control* Form::FindNextControl(Control* from, bool forward, bool checkTabStop, const Container* within) const {
    std::vector<Control*> list;
    collect(within ? within : this, list);
    const int n = int(list.size());
    if (n == 0) return nullptr;
    int start = from ? int(std::find(list.begin(), list.end(), from) - list.begin()) : -1;
    if (start >= n) start = -1;
    if (start < 0 && !forward) start = n;
    for (int k = 1; k <= n; ++k) {
        const int i = ((start + (forward ? k : -k)) % n + n) % n;
        Control* x = list[std::size_t(i)];
        if (x == from || dynamic_cast<TabSheet*>(x)) continue;
        if (x->CanFocus() && (!checkTabStop || x->TabStop())) return x;
    }
    return nullptr;
}

void Form::SelectNext(Control* from, bool forward) {
    if (Control* next = FindNextControl(from, forward, true); next && next != from) MoveFocus(next, true);
}

void Form::SelectFirst(Container* within) {
    Control* c = FindNextControl(nullptr, true, true, within);
    if (!c) c = FindNextControl(nullptr, true, false, within);
    if (c) SetActiveControl(c);
}

Control* Form::accelTarget(char16_t ch) const {
    if (!ch) return nullptr;
    std::vector<Control*> list;
    collect(this, list);
    for (Control* c : list)
        if (c->Accelerator() == ch && usable(c, this)) return c;
    return nullptr;
}

Button* Form::defaultButton(bool cancel) const {
    std::vector<Control*> list;
    collect(this, list);
    for (Control* c : list)
        if (auto* b = dynamic_cast<Button*>(c); b && (cancel ? b->Cancel : b->Default) && usable(b, this)) return b;
    return nullptr;
}

// ---------------------------------------------------------------- keys

void Form::HandleKeyPress(QKeyEvent* e) {
    QPointer<Form> self(this);
    Control* c = focused_ != this ? focused_ : nullptr;
    const Word vk = virtualKeyOf(e);
    const ShiftState sh = shiftOf(e->modifiers(), Qt::NoButton);
    const bool alt = sh & ssAlt, ctrl = sh & ssCtrl;
    // Dialog keys come first and are not seen by the key handlers.
    if (!alt && !ctrl) {
        if (vk == VK_TAB) {
            SelectNext(c, !(sh & ssShift));
            return;
        }
        if (vk == VK_RETURN) {
            if (auto* b = dynamic_cast<Button*>(c)) {
                b->Click();
                return;
            }
            if (!(c && c->KeepsEnter()))
                if (Button* d = defaultButton(false)) {
                    d->Click();
                    return;
                }
        }
        if (vk == VK_ESCAPE)
            if (Button* b = defaultButton(true)) {
                b->Click();
                return;
            }
    }
    Control* target = c ? c : this;
    if (vk) {
        Word key = vk;
        if (c && KeyPreview && OnKeyDown) {
            OnKeyDown(key, sh);
            if (!self || !key) return;
        }
        if (target->OnKeyDown) {
            target->OnKeyDown(key, sh);
            if (!self || !key) return;
        }
        c = focused_ != this ? focused_ : nullptr;
        target = c ? c : this;
    }
    const QString text = e->text();
    const KeyChar ch = text.isEmpty() ? 0 : text[0].unicode();
    if (alt && !ctrl) {
        if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'))
            if (Control* t = accelTarget(char16_t(vk))) t->Accelerate();
        return;
    }
    if (ch) {
        if (!ctrl && ch >= 32 && ch != 127 && !(c && c->WantsChars()))
            if (Control* t = accelTarget(QChar(ch).toUpper().unicode())) {
                t->Accelerate();
                return;
            }
        KeyChar k = ch;
        if (c && KeyPreview && OnKeyPress) {
            OnKeyPress(k);
            if (!self || !k) return;
        }
        if (target->OnKeyPress) {
            target->OnKeyPress(k);
            if (!self || !k) return;
        }
        if (c && c == (focused_ != this ? focused_ : nullptr)) c->DeliverKey(e, k != ch ? k : 0);
        return;
    }
    if (c) c->DeliverKey(e, 0);
}

void Form::HandleKeyRelease(QKeyEvent* e) {
    QPointer<Form> self(this);
    Control* c = focused_ != this ? focused_ : nullptr;
    Word key = virtualKeyOf(e);
    if (!key) return;
    const ShiftState sh = shiftOf(e->modifiers(), Qt::NoButton);
    if (c && KeyPreview && OnKeyUp) {
        OnKeyUp(key, sh);
        if (!self || !key) return;
    }
    Control* target = c ? c : this;
    if (target->OnKeyUp) target->OnKeyUp(key, sh);
}

// ---------------------------------------------------------------- Qt events

void Form::closeEvent(QCloseEvent* e) {
    e->ignore();
    if (!App().IsBlocked(this)) Guarded([this] { Close(); });
}

bool Form::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && Active()) syncQtFocus();
    return QWidget::event(e);
}

}  // namespace ui
