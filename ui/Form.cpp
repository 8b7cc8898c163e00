#include "ui/Form.h"

#include "ui/Application.h"
#include "ui/Controls.h"
#include "ui/Internal.h"
#include "ui/PageControl.h"
#include "ui/Services.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QScopeGuard>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

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

Rect toRect(const QRect& r) { return {r.left(), r.top(), r.right() + 1, r.bottom() + 1}; }

// The frame the window system gives a window (null while it is not known, as before a
// window manager has framed it).
QMargins drawnFrame(const QWidget* w) {
    const QWindow* h = w->windowHandle();
    return h && h->handle() ? h->frameMargins() : QMargins();
}

// The frame around a window's client area: its own once drawn, else the one drawn around
// another open window (the window manager frames them alike), else the nominal one.
QMargins frameMargins(const QWidget* w) {
    if (w->windowFlags() & Qt::FramelessWindowHint) return {};
    if (const QMargins m = drawnFrame(w); !m.isNull()) return m;
    for (const Form* f : App().Forms())
        if (f != w && !(f->windowFlags() & Qt::FramelessWindowHint))
            if (const QMargins m = drawnFrame(f); !m.isNull()) return m;
    return {FrameWidth / 2, FrameHeight - FrameWidth / 2, FrameWidth / 2, FrameWidth / 2};
}

QRect outerRect(const QWidget* w) { return w->geometry().marginsAdded(frameMargins(w)); }

// A drawn frame whose title bar or left edge differs from the one a window was placed by
// (a lower edge that the manager changes while it frames the window moves nothing).
bool frameDiffers(const QMargins& drawn, const QMargins& placedBy) {
    return !drawn.isNull() && (drawn.left() != placedBy.left() || drawn.top() != placedBy.top());
}

// New window flags move a window by its frame: it keeps its client area where it was.
void setFlagsKeepingPlace(QWidget* w, Qt::WindowFlags f) {
    if (w->windowFlags() == f) return;
    const QRect client = w->geometry();
    w->setWindowFlags(f);
    w->setGeometry(client);
}

QRect screenArea(const QWidget* w, const Form* owner) {
    QScreen* s = owner && owner->screen() ? owner->screen() : w->screen();
    if (!s) s = QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect();
}

// Moves a window's client area so that the frame lies on the screen (its top-left corner
// when it is larger than the screen).
void keepFrameOnScreen(QWidget* w, const QRect& screen) {
    if (screen.isEmpty()) return;
    const QRect frame = outerRect(w);
    const int x = std::max(screen.left(), std::min(frame.left(), screen.right() + 1 - frame.width()));
    const int y = std::max(screen.top(), std::min(frame.top(), screen.bottom() + 1 - frame.height()));
    if (x != frame.left() || y != frame.top())
        w->setGeometry(w->geometry().translated(x - frame.left(), y - frame.top()));
}

// The open windows of the program (forms, the help window) other than w and its owners.
std::vector<Rect> otherWindows(const QWidget* w, const Form* owner) {
    std::vector<Rect> out;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = top->windowType();
        if (top == w || !top->isVisible() || (type != Qt::Window && type != Qt::Dialog && type != Qt::Tool)) continue;
        bool chain = false;
        for (const Form* o = owner; o && !chain; o = o->Owner()) chain = o == top;
        if (!chain) out.push_back(toRect(outerRect(top)));
    }
    return out;
}

bool overAnotherWindow(const QWidget* w, const Form* owner) {
    const QPoint at = outerRect(w).topLeft();
    std::vector<Rect> all = otherWindows(w, owner);
    for (const Form* o = owner; o; o = o->Owner())
        if (o->isVisible()) all.push_back(toRect(outerRect(o)));
    return std::any_of(all.begin(), all.end(), [&](const Rect& r) { return r.Left == at.x() && r.Top == at.y(); });
}

// What a window shows: the screen rectangles of its shown controls that hold no others
// (fields, buttons, texts, pictures).
void collectContents(const Container* box, std::vector<Rect>& out) {
    for (Control* c : box->Controls()) {
        const QWidget* w = c->Widget();
        if (!w->isVisible()) continue;
        if (auto* sub = dynamic_cast<const Container*>(c))
            collectContents(sub, out);
        else
            out.push_back(toRect(QRect(w->mapToGlobal(QPoint(0, 0)), w->size())));
    }
}

void placeBeside(QWidget* w, const Form* owner) {
    if (!owner) return;
    const QRect screen = screenArea(w, owner);
    if (screen.isEmpty()) return;
    std::vector<Placed> owners;
    for (const Form* o = owner; o; o = o->Owner()) {
        if (!o->isVisible()) continue;
        owners.push_back({toRect(outerRect(o)), {}});
        collectContents(o, owners.back().Contents);
    }
    const QRect frame = outerRect(w);
    const Rect r = PlaceBeside(owners, otherWindows(w, owner), frame.width(), frame.height(), toRect(screen));
    w->setGeometry(w->geometry().translated(r.Left - frame.left(), r.Top - frame.top()));
}

// Window flags of a secondary window: a dialog, which the X server sees as transient for
// its owner (a plain window never is).
Qt::WindowFlags ownedType(Qt::WindowFlags f, bool owned) {
    if (!owned || (f & Qt::WindowType_Mask) != Qt::Window) return f;
    return (f & ~Qt::WindowType_Mask) | Qt::Dialog;
}

void makeTransient(QWidget* w, const Form* owner) {
    (void)w->winId();  // creates the window
    if (QWindow* h = w->windowHandle()) h->setTransientParent(owner ? owner->windowHandle() : nullptr);
}

// A window the layer sizes itself (the help window) that would hide part of its owner is
// made as small as the largest room beside the owner, when that leaves it half its size.
void fitBesideOwner(QWidget* w, const Form* owner) {
    if (!owner) return;
    const QRect screen = screenArea(w, owner), o = outerRect(owner), frame = outerRect(w);
    const QRect rooms[] = {QRect(QPoint(o.right() + 1, screen.top()), screen.bottomRight()),
                           QRect(QPoint(screen.left(), o.bottom() + 1), screen.bottomRight()),
                           QRect(screen.topLeft(), QPoint(o.left() - 1, screen.bottom())),
                           QRect(screen.topLeft(), QPoint(screen.right(), o.top() - 1))};
    QSize best(0, 0);
    for (const QRect& room : rooms) {
        if (room.width() >= frame.width() && room.height() >= frame.height()) return;
        const QSize fit = frame.size().boundedTo(room.size());
        if (2 * fit.width() >= frame.width() && 2 * fit.height() >= frame.height() &&
            fit.width() * fit.height() > best.width() * best.height())
            best = fit;
    }
    if (!best.isEmpty()) w->resize(w->size() - (frame.size() - best));
}

}  // namespace

// Shown for another owner than the last time (also while it is open), the window moves beside
// the new one and belongs to it; for the same owner an open window stays as it is.
void ShowAsSecondary(QWidget* w, Form* owner) {
    const bool first = !w->testAttribute(Qt::WA_Moved);
    const QWindow* lastOwner = w->windowHandle() ? w->windowHandle()->transientParent() : nullptr;
    const bool newOwner = first || lastOwner != (owner ? owner->windowHandle() : nullptr);
    if (w->isVisible()) {
        if (!newOwner) return;
        w->hide();  // the window manager learns the new owner when the window is mapped again
    }
    setFlagsKeepingPlace(w, ownedType((w->windowFlags() & ~Qt::WindowType_Mask) | Qt::Window, owner != nullptr));
    makeTransient(w, owner);
    if (first) fitBesideOwner(w, owner);
    if (newOwner || overAnotherWindow(w, owner)) placeBeside(w, owner);
    keepFrameOnScreen(w, screenArea(w, owner));
    w->show();
}

Rect PlaceBeside(const std::vector<Placed>& owners, const std::vector<Rect>& others, int width, int height,
                 const Rect& screen) {
    const auto clampTo = [](int v, int lo, int hi) { return std::max(lo, std::min(v, hi)); };
    const auto overlap = [](const Rect& a, const Rect& b) {
        const long long w = std::max(0, std::min(a.Right, b.Right) - std::max(a.Left, b.Left));
        const long long h = std::max(0, std::min(a.Bottom, b.Bottom) - std::max(a.Top, b.Top));
        return w * h;
    };
    // The four sides of the owner first (they win ties), then every place that lines up
    // with an edge of the screen or of an open window.
    std::vector<Point> tries;
    std::vector<int> xs{screen.Left, screen.Right - width}, ys{screen.Top, screen.Bottom - height};
    if (!owners.empty()) {
        const Rect& o = owners.front().Frame;
        tries = {{o.Right, o.Top}, {o.Left, o.Bottom}, {o.Left - width, o.Top}, {o.Left, o.Top - height}};
    }
    std::vector<Rect> frames;
    for (const Placed& o : owners) frames.push_back(o.Frame);
    frames.insert(frames.end(), others.begin(), others.end());
    for (const Rect& r : frames) {
        xs.insert(xs.end(), {r.Left - width, r.Right, r.Left, r.Right - width});
        ys.insert(ys.end(), {r.Top - height, r.Bottom, r.Top, r.Bottom - height});
    }
    for (int x : xs)
        for (int y : ys) tries.push_back({x, y});

    // Hidden of the owner's contents, of the owner, of its owners' contents, of its owners,
    // of the other windows; then the distance from the owner.
    using Cost = std::array<long long, 6>;
    std::optional<Cost> best;
    Rect bestRect{};
    for (const Point& p : tries) {
        const int x = clampTo(p.X, screen.Left, screen.Right - width);
        const int y = clampTo(p.Y, screen.Top, screen.Bottom - height);
        const Rect r{x, y, x + width, y + height};
        Cost c{};
        for (std::size_t i = 0; i < owners.size(); ++i) {
            for (const Rect& content : owners[i].Contents) c[i == 0 ? 0 : 2] += overlap(r, content);
            c[i == 0 ? 1 : 3] += overlap(r, owners[i].Frame);
        }
        for (const Rect& o : others) c[4] += overlap(r, o);
        if (!owners.empty()) {
            const Rect& o = owners.front().Frame;
            c[5] =
                std::max({0, r.Left - o.Right, o.Left - r.Right}) + std::max({0, r.Top - o.Bottom, o.Top - r.Bottom});
        }
        // Exactly over another window only when every place is.
        if (std::any_of(frames.begin(), frames.end(), [&](const Rect& f) { return f.Left == x && f.Top == y; }))
            c[0] = std::numeric_limits<long long>::max();
        if (!best || c < *best) {
            best = c;
            bestRect = r;
        }
    }
    return bestRect;
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

int Form::Left() const { return QWidget::geometry().x(); }
int Form::Top() const { return QWidget::geometry().y(); }
int Form::Width() const { return QWidget::width() + FrameWidth; }
int Form::Height() const { return QWidget::height() + FrameHeight; }

void Form::SetBounds(int left, int top, int width, int height) {
    setGeometry(QRect(QPoint(left, top), QWidget::size()));
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
    setFlagsKeepingPlace(this, ownedType(f, owner_ != nullptr));
}

void Form::doShow(bool) {
    if (isVisible()) {
        Application::Raise(this);
        if (!App().IsBlocked(this)) App().SetActiveForm(this);
        return;
    }
    if (OnShow) OnShow();
    if (isVisible()) return;
    takeOwner();
    applyWindowFlags();
    makeTransient(this, owner_);
    const bool firstShowing = !placed_;
    placed_ = true;
    placeByPosition_ = Position == ui::Position::ScreenCenter ||
                       (Position == ui::Position::BesideOwner &&
                        (firstShowing || owner_ != lastOwner_ || overAnotherWindow(this, owner_)));
    lastOwner_ = owner_;
    wantedPos_ = geometry().topLeft();
    place();
    const QSize designed = size();
    awaitingFirstExpose_ = true;
    frameUnchecked_ = true;
    QWidget::show();
    if (frameDiffers(drawnFrame(this), placedWith_)) place();
    applySizeLimits();
    UpdateSheetShowing();
    QPointer<Form> self(this);
    App().SetActiveForm(this);
    if (self && isVisible()) {
        runPaint();
        // A form that sizes itself in its first paint is placed by the size it took.
        if (self && isVisible() && Position == ui::Position::BesideOwner && firstShowing && size() != designed) place();
        if (self) QWidget::update();
    }
}

// Places the form for the showing under way (centred, beside its owner, or at the position
// it was given), its frame on the screen, by the frame known so far.
void Form::place() {
    setGeometry(QRect(wantedPos_, QWidget::size()));
    const QRect screen = screenArea(this, owner_);
    if (placeByPosition_ && Position == ui::Position::ScreenCenter && !screen.isEmpty())
        setGeometry(geometry().translated(screen.center() - outerRect(this).center()));
    else if (placeByPosition_ && Position == ui::Position::BesideOwner)
        placeBeside(this, owner_);
    keepFrameOnScreen(this, screen);
    placedWith_ = frameMargins(this);
    placedAt_ = geometry().topLeft();
}

void Form::doHide() {
    if (!isVisible()) return;
    const QRect covered = outerRect(this);
    QWidget::hide();
    UpdateSheetShowing();
    if (OnHide) OnHide();
    // The forms it covered are painted again.
    for (Form* f : App().Forms())
        if (f != this && f->isVisible() && outerRect(f).intersects(covered)) f->RequestPaint();
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
    // The window manager's frame is known once the window is on the screen.
    if (const QMargins m = drawnFrame(this); frameUnchecked_ && !m.isNull()) {
        frameUnchecked_ = false;
        if (frameDiffers(m, placedWith_))
            place();
        else if (geometry().topLeft() != placedAt_)
            // a place given while the manager framed the window, which it lost: the client area
            // goes there (move() would put the frame there)
            setGeometry(QRect(placedAt_, size()));
    }
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
