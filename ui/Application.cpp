#include "ui/Application.h"

#include "runtime/Notice.h"
#include "ui/Controls.h"
#include "ui/Internal.h"
#include "ui/PageControl.h"
#include "ui/Services.h"

#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPalette>
#include <QPixmapCache>
#include <QPointer>
#include <QScopeGuard>
#include <QStyleFactory>
#include <QWindow>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>

namespace ui {

namespace {

Application* g_app = nullptr;

// Sees the input of every form's window before Qt dispatches it to a widget.
class Router : public QObject {
public:
    explicit Router(Application* app) : QObject(app), app_(app) {}

    bool eventFilter(QObject* obj, QEvent* e) override {
        if (e->type() == QEvent::Expose && obj->isWindowType()) {
            if (static_cast<QWindow*>(obj)->isExposed())
                if (Form* f = app_->FormOfWindow(obj)) Guarded([&] { f->WindowExposed(); });
            return false;
        }
        switch (e->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseMove:
            case QEvent::Wheel:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::ShortcutOverride: break;
            default: return false;
        }
        if (!obj->isWindowType()) return false;
        Form* f = app_->FormOfWindow(obj);
        if (!f) return false;
        // An input whose handling threw is used up: Qt does not act on it any more.
        bool handled = true;
        Guarded([&] { handled = app_->Dispatch(f, e); });
        return handled;
    }

private:
    Application* app_;
};

QPalette layerPalette() {
    QPalette p;
    const QColor face = ToQColor(clBtnFace), text = ToQColor(clWindowText);
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Window, face);
        p.setColor(group, QPalette::Button, face);
        p.setColor(group, QPalette::Base, ToQColor(clWindow));
        p.setColor(group, QPalette::AlternateBase, face);
        p.setColor(group, QPalette::WindowText, text);
        p.setColor(group, QPalette::Text, text);
        p.setColor(group, QPalette::ButtonText, text);
        p.setColor(group, QPalette::Highlight, ToQColor(clHighlight));
        p.setColor(group, QPalette::HighlightedText, ToQColor(clHighlightText));
        p.setColor(group, QPalette::Light, ToQColor(clBtnHighlight));
        p.setColor(group, QPalette::Mid, ToQColor(clBtnShadow));
        p.setColor(group, QPalette::Dark, ToQColor(clBtnShadow));
        p.setColor(group, QPalette::Shadow, QColor(105, 105, 105));
    }
    p.setColor(QPalette::Disabled, QPalette::Window, face);
    p.setColor(QPalette::Disabled, QPalette::Button, face);
    p.setColor(QPalette::Disabled, QPalette::Base, face);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, ToQColor(clGrayText));
    return p;
}

// ---- a program started without a display

std::string environment(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

std::string requestedPlatform(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0) return argv[i + 1];
    return environment("QT_QPA_PLATFORM");
}

std::string g_command;  // how the program was started, for the message
QtMessageHandler g_startupHandler = nullptr;

// Qt's messages while it opens the display, held back: when it fails they are not shown.
struct HeldMessage {
    QtMsgType type;
    std::string file, function, category;
    int line;
    QString text;
};
std::vector<HeldMessage> g_held;

void replayHeldMessages(QtMessageHandler handler) {
    for (const HeldMessage& m : g_held) {
        const QMessageLogContext context(m.file.c_str(), m.line, m.function.c_str(), m.category.c_str());
        handler(m.type, context, m.text);
    }
    g_held.clear();
}

// While Qt opens the display: its failure to find a usable platform is reported in the
// program's words instead of Qt's abort.
void startupMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg && text.contains("platform plugin")) {
        const std::string platform = environment("QT_QPA_PLATFORM");
        const std::string reason =
            platform.find("wayland") != std::string::npos
                ? "the Wayland display \"" + environment("WAYLAND_DISPLAY") + "\" can not be opened"
                : "the display \"" + environment("DISPLAY") + "\" can not be opened";
        std::fprintf(stderr, "%s\n", NoDisplayMessage(g_command, reason).c_str());
        std::fflush(nullptr);
        std::_Exit(NoDisplayExitCode);
    }
    if (type == QtFatalMsg) {
        replayHeldMessages(g_startupHandler);
        g_startupHandler(type, context, text);
        return;
    }
    const auto text0 = [](const char* s) { return std::string(s ? s : ""); };
    g_held.push_back({type, text0(context.file), text0(context.function), text0(context.category), context.line, text});
}

// Runs before QApplication opens the display.
int& checkDisplay(int& argc, char** argv, Application::Mode mode) {
    if (mode != Application::Mode::Production) return argc;
    g_command = argc > 0 && argv[0] ? argv[0] : "the program";
    const std::string reason =
        MissingDisplay(requestedPlatform(argc, argv), environment("DISPLAY"), environment("WAYLAND_DISPLAY"));
    if (!reason.empty()) {
        std::fprintf(stderr, "%s\n", NoDisplayMessage(g_command, reason).c_str());
        std::fflush(nullptr);
        std::exit(NoDisplayExitCode);
    }
    g_startupHandler = qInstallMessageHandler(startupMessages);
    return argc;
}

}  // namespace

std::string MissingDisplay(const std::string& platform, const std::string& display, const std::string& wayland) {
    const bool xcb = platform.find("xcb") != std::string::npos, way = platform.find("wayland") != std::string::npos;
    if (!platform.empty() && !xcb && !way) return "";  // offscreen, vnc, a framebuffer ...
    if ((platform.empty() || xcb) && !display.empty()) return "";
    if ((platform.empty() || way) && !wayland.empty()) return "";
    if (way && !xcb) return "WAYLAND_DISPLAY is not set";
    if (xcb && !way) return "DISPLAY is not set";
    return "neither DISPLAY nor WAYLAND_DISPLAY is set";
}

std::string NoDisplayMessage(const std::string& command, const std::string& reason) {
    const std::size_t slash = command.find_last_of('/');
    const std::string name = slash == std::string::npos ? command : command.substr(slash + 1);
    return name + " needs a graphical display for its windows, and " + reason +
           ".\nStart it in a desktop session, or, on a computer without a screen, under a virtual display:\n"
           "    xvfb-run -a " +
           command;
}

std::string InternalErrorMessage(const std::string& what) {
    return "This command was stopped by an internal error:\r" + what +
           "\r\rThe program goes on with the data as they are now. Check the inputs before you calculate or "
           "save the case.";
}

Application& App() { return *g_app; }

Application::Application(int& argc, char** argv, Mode mode)
    : QApplication(checkDisplay(argc, argv, mode), argv), mode_(mode) {
    if (g_startupHandler) {
        qInstallMessageHandler(g_startupHandler);
        replayHeldMessages(g_startupHandler);
        g_startupHandler = nullptr;
    }
    g_app = this;
    focusCues_ = platformName() != "offscreen";
    setQuitOnLastWindowClosed(false);
    // Numbers are converted by the runtime, but nothing may depend on the user's locale.
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(QLocale::c());
    setStyle(QStyleFactory::create("Fusion"));
    // No pixmap cache: the style would keep its drawings of buttons, combo boxes and headers
    // there under each widget's palette, every dialog's widgets have new palettes, and the
    // cache keeps the keys of evicted drawings, so each file, print or message dialog opened
    // made the program larger for good.  Drawing them again costs nothing noticeable.
    QPixmapCache::setCacheLimit(0);
    setPalette(layerPalette());
    setFont(ToQFont(ui::Font{}));
    router_ = new Router(this);
    installEventFilter(router_);
    if (mode_ == Mode::Production) rt::SetNoticeSink(&ProductionNotices());
}

Application::~Application() {
    ReleaseProductionResources();
    removeEventFilter(router_);
    if (mode_ == Mode::Production) rt::SetNoticeSink(nullptr);
    g_app = nullptr;
}

int Application::Run() {
    if (mainForm_) Guarded([this] { mainForm_->Show(); });
    if (terminated_) return 0;
    return exec();
}

void Application::Terminate() {
    terminated_ = true;
    if (mode_ == Mode::Production) quit();
}

void Application::ProcessMessages() { processEvents(); }

void Application::FormRegistered(Form* f) { forms_.push_back(f); }

void Application::FormCreated(Form* f) {
    if (!mainForm_) mainForm_ = f;
}

void Application::FormDestroyed(Form* f) {
    for (Form* other : forms_) other->OwnerGone(f);
    auto drop = [f](std::vector<Form*>& v) { v.erase(std::remove(v.begin(), v.end(), f), v.end()); };
    drop(forms_);
    drop(history_);
    modal_.erase(std::remove_if(modal_.begin(), modal_.end(), [f](const ModalLevel& l) { return l.form == f; }),
                 modal_.end());
    for (auto& level : modal_) level.blocked.erase(f);
    for (auto it = keyDown_.begin(); it != keyDown_.end();) it = it->second == f ? keyDown_.erase(it) : std::next(it);
    if (active_ == f) active_ = nullptr;
    if (mainForm_ == f) mainForm_ = nullptr;
}

Form* Application::FormOfWindow(const QObject* window) const {
    for (Form* f : forms_)
        if (f->windowHandle() == window) return f;
    return nullptr;
}

bool Application::IsBlocked(const Form* f) const {
    for (std::size_t i = 0; i < modal_.size(); ++i) {
        if (!modal_[i].blocked.count(f)) continue;
        bool ownLevelInside = false;
        for (std::size_t j = i; j < modal_.size(); ++j)
            if (modal_[j].form == f) ownLevelInside = true;
        if (!ownLevelInside) return true;
    }
    return false;
}

void Application::PushModal(Form* f) {
    ModalLevel level{f, {}};
    for (Form* other : forms_)
        if (other != f && other->isVisible()) level.blocked.insert(other);
    modal_.push_back(std::move(level));
}

void Application::PopModal(Form* f) {
    for (auto it = modal_.end(); it != modal_.begin();) {
        --it;
        if (it->form == f) {
            modal_.erase(it);
            return;
        }
    }
}

void Application::Raise(QWidget* w) {
    if (platformName() == "offscreen") return;
    w->raise();
    auto* f = dynamic_cast<Form*>(w);
    if (!f || !g_app) return;
    // Owners never form a circle (Form::takeOwner), so this ends.
    for (Form* owned : g_app->forms_)
        if (owned != f && owned->Owner() == f && owned->isVisible()) Raise(owned);
}

// ---------------------------------------------------------------- paints, exceptions

namespace {

constexpr QEvent::Type kFlushPaints = QEvent::Type(QEvent::User + 1);

bool isInput(QEvent::Type t) {
    switch (t) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease: return true;
        default: return false;
    }
}

}  // namespace

void Application::PaintRequested() {
    if (flushPosted_) return;
    flushPosted_ = true;
    postEvent(this, new QEvent(kFlushPaints));
}

void Application::FlushPaints() {
    std::vector<QPointer<Form>> due;
    for (Form* f : forms_)
        if (f->PaintRequested()) due.emplace_back(f);
    for (const QPointer<Form>& f : due)
        if (f) f->RunRequestedPaint();
}

bool Application::event(QEvent* e) {
    if (e->type() == kFlushPaints) {
        flushPosted_ = false;
        Guarded([this] { FlushPaints(); });
        return true;
    }
    return QApplication::event(e);
}

void ReportEscapedException(const std::exception_ptr& e) noexcept {
    std::string what = "unknown exception";
    try {
        std::rethrow_exception(e);
    } catch (const std::exception& x) {
        what = x.what();
    } catch (...) {
    }
    if (g_app)
        g_app->ReportException(what);
    else
        std::fprintf(stderr, "%s\n", what.c_str());
}

void Application::ReportException(const std::string& what) {
    if (reporting_ > 0) {
        // An error while the box of another one is up: no second box.
        std::fprintf(stderr, "%s\n", what.c_str());
        return;
    }
    ++reporting_;
    const auto done = qScopeGuard([this] { --reporting_; });
    const std::string caption = Title.empty() ? applicationName().toStdString() : Title;
    Guarded([&] { rt::MessageBox(InternalErrorMessage(what), caption, rt::MB_OK | rt::MB_ICONERROR); });
}

bool Application::notify(QObject* receiver, QEvent* e) {
    const bool input = isInput(e->type()) && receiver->isWindowType();
    const bool result = QApplication::notify(receiver, e);
    // One paint per form for all that the input event changed.
    if (input) Guarded([this] { FlushPaints(); });
    return result;
}

void Application::ReactivateTop() {
    if (modal_.empty()) return;
    Form* top = modal_.back().form;
    if (top->isVisible()) {
        Raise(top);
        top->activateWindow();
    }
}

void Application::SetActiveForm(Form* f) {
    if (active_ == f) return;
    QPointer<Form> old(active_), next(f);
    active_ = f;
    if (f) {
        history_.erase(std::remove(history_.begin(), history_.end(), f), history_.end());
        history_.push_back(f);
    }
    if (old && old->OnDeactivate) old->OnDeactivate();
    if (!next || active_ != f) return;
    // A form brought to the front paints again (once, after the input event; a Repaint of
    // its own OnActivate is that paint).
    f->RequestPaint();
    if (f->OnActivate) f->OnActivate();
    if (!next || active_ != f) return;
    f->Activated();
    if (next && f->isVisible()) {
        Raise(f);
        f->activateWindow();
    }
}

void Application::FormHidden(Form* f) {
    if (active_ != f) return;
    Form* next = nullptr;
    for (auto it = history_.rbegin(); it != history_.rend() && !next; ++it)
        if (*it != f && (*it)->isVisible() && !IsBlocked(*it)) next = *it;
    if (!next && mainForm_ && mainForm_ != f && mainForm_->isVisible() && !IsBlocked(mainForm_)) next = mainForm_;
    SetActiveForm(next);
}

bool Application::hook(Control* target, int msg, int x, int y, Word key) {
    if (!OnMessage) return false;
    Message m{target, msg, x, y, key};
    bool handled = false;
    OnMessage(m, handled);
    return handled;
}

namespace {

// The layer control under a point of a form: the innermost one that is visible and
// enabled up to the form (a press on a disabled control goes to its container).
Control* controlAt(Form* f, QPoint p) {
    Control* c = nullptr;
    for (QWidget* w = f->childAt(p); w && w != f && !c; w = w->parentWidget()) c = dynamic_cast<Control*>(w);
    if (!c) return f;
    for (Control* x = c; x && x != f; x = x->Parent())
        if (!x->Visible() || !x->Enabled()) c = x->Parent();
    return c ? c : f;
}

Control* windowedTarget(Control* c, Form* f) {
    while (c && c != f && !c->IsWindowed()) c = c->Parent();
    return c ? c : f;
}

}  // namespace

bool Application::mousePress(Form* f, QMouseEvent* e, bool dbl) {
    swallowRelease_ = false;
    redirect_ = nullptr;
    if (IsBlocked(f)) {
        swallowRelease_ = true;
        ReactivateTop();
        return true;
    }
    QPointer<Form> form(f);
    const QPoint p = e->position().toPoint();
    Control* c = controlAt(f, p);
    if (active_ != f) {
        SetActiveForm(f);
        if (!form || active_ != f || !f->isVisible()) {
            swallowRelease_ = true;
            return true;
        }
        c = controlAt(f, p);
    }
    int msg = dbl ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN;
    if (e->button() == Qt::RightButton) msg = dbl ? WM_RBUTTONDBLCLK : WM_RBUTTONDOWN;
    if (e->button() == Qt::MiddleButton) msg = WM_MBUTTONDOWN;
    Control* target = windowedTarget(c, f);
    const QPoint local = target == f ? p : target->Widget()->mapFrom(f, p);
    QPointer<QWidget> guard(c->Widget());
    if (hook(target, msg, local.x(), local.y(), 0) || !form || !guard) {
        swallowRelease_ = true;
        return true;
    }
    if (e->button() != Qt::LeftButton) return false;
    if (auto* pages = dynamic_cast<PageControl*>(c)) {
        const QPoint lp = pages->mapFrom(f, p);
        if (pages->HandlePress(lp.x(), lp.y())) {
            swallowRelease_ = true;
            return true;
        }
    }
    if (c != f && c->FocusOnClick() && c->CanFocus() && f->FocusedControl() != c) {
        const bool ok = f->PressFocus(c);
        if (!ok || !form || !guard || f->FocusedControl() != c || active_ != f || !f->isVisible()) {
            swallowRelease_ = true;
            return true;
        }
    }
    // Qt drops presses on disabled widgets; the original gives them to the container.
    if (QWidget* hit = f->childAt(p); hit && !hit->isEnabled()) {
        redirect_ = c->Widget();
        const QPoint lp = redirect_ == f ? p : redirect_->mapFrom(f, p);
        QMouseEvent ev(e->type(), lp, e->globalPosition(), e->button(), e->buttons(), e->modifiers());
        QCoreApplication::sendEvent(redirect_, &ev);
        return true;
    }
    return false;
}

bool Application::Dispatch(Form* f, QEvent* e) {
    switch (e->type()) {
        case QEvent::ShortcutOverride:
            // Mnemonics are the layer's accelerators: the key arrives as a key press.
            e->accept();
            return true;
        case QEvent::MouseButtonPress: return mousePress(f, static_cast<QMouseEvent*>(e), false);
        case QEvent::MouseButtonDblClick: return mousePress(f, static_cast<QMouseEvent*>(e), true);
        case QEvent::MouseButtonRelease: {
            auto* me = static_cast<QMouseEvent*>(e);
            if (swallowRelease_) {
                if (me->buttons() == Qt::NoButton) swallowRelease_ = false;
                return true;
            }
            if (IsBlocked(f)) return true;
            const QPoint p = me->position().toPoint();
            if (redirect_) {
                QPointer<QWidget> to = redirect_;
                redirect_ = nullptr;
                const QPoint lp = to == f ? p : to->mapFrom(f, p);
                QMouseEvent ev(e->type(), lp, me->globalPosition(), me->button(), me->buttons(), me->modifiers());
                QCoreApplication::sendEvent(to, &ev);
                return true;
            }
            Control* target = windowedTarget(controlAt(f, p), f);
            const QPoint local = target == f ? p : target->Widget()->mapFrom(f, p);
            const int msg = me->button() == Qt::RightButton    ? WM_RBUTTONUP
                            : me->button() == Qt::MiddleButton ? WM_MBUTTONUP
                                                               : WM_LBUTTONUP;
            return hook(target, msg, local.x(), local.y(), 0);
        }
        case QEvent::MouseMove:
        case QEvent::Wheel: return IsBlocked(f);
        case QEvent::KeyPress: {
            auto* ke = static_cast<QKeyEvent*>(e);
            if (IsBlocked(f)) {
                ReactivateTop();
                return true;
            }
            QPointer<Form> form(f);
            if (active_ != f) {
                SetActiveForm(f);
                if (!form || active_ != f) return true;
            }
            keyDown_[ke->key()] = f;
            Control* c = f->FocusedControl();
            const Word vk = virtualKeyOf(ke);
            if (hook(c, (ke->modifiers() & Qt::AltModifier) ? WM_SYSKEYDOWN : WM_KEYDOWN, 0, 0, vk) || !form)
                return true;
            f->HandleKeyPress(ke);
            return true;
        }
        case QEvent::KeyRelease: {
            auto* ke = static_cast<QKeyEvent*>(e);
            if (ke->isAutoRepeat()) return true;
            Form* down = nullptr;
            if (auto it = keyDown_.find(ke->key()); it != keyDown_.end()) {
                down = it->second;
                keyDown_.erase(it);
            }
            // A key-up reaches only the form that saw the key go down.
            if (down != f || active_ != f || IsBlocked(f)) return true;
            QPointer<Form> form(f);
            const Word vk = virtualKeyOf(ke);
            if (hook(f->FocusedControl(), (ke->modifiers() & Qt::AltModifier) ? WM_SYSKEYUP : WM_KEYUP, 0, 0, vk) ||
                !form)
                return true;
            f->HandleKeyRelease(ke);
            return true;
        }
        default: return false;
    }
}

// ---------------------------------------------------------------- helpers

ShiftState shiftOf(Qt::KeyboardModifiers m, Qt::MouseButtons b) {
    ShiftState s = 0;
    if (m & Qt::ShiftModifier) s |= ssShift;
    if (m & Qt::AltModifier) s |= ssAlt;
    if (m & Qt::ControlModifier) s |= ssCtrl;
    if (b & Qt::LeftButton) s |= ssLeft;
    if (b & Qt::RightButton) s |= ssRight;
    if (b & Qt::MiddleButton) s |= ssMiddle;
    return s;
}

MouseButton buttonOf(Qt::MouseButton b) {
    if (b == Qt::RightButton) return MouseButton::Right;
    if (b == Qt::MiddleButton) return MouseButton::Middle;
    return MouseButton::Left;
}

Word virtualKeyOf(const QKeyEvent* e) {
    const int k = e->key();
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return Word(k);
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return (e->modifiers() & Qt::KeypadModifier) ? Word(VK_NUMPAD0 + (k - Qt::Key_0)) : Word(k);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F12) return Word(VK_F1 + (k - Qt::Key_F1));
    switch (k) {
        case Qt::Key_Escape: return VK_ESCAPE;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: return VK_TAB;
        case Qt::Key_Backspace: return VK_BACK;
        case Qt::Key_Return:
        case Qt::Key_Enter: return VK_RETURN;
        case Qt::Key_Space: return VK_SPACE;
        case Qt::Key_PageUp: return VK_PRIOR;
        case Qt::Key_PageDown: return VK_NEXT;
        case Qt::Key_End: return VK_END;
        case Qt::Key_Home: return VK_HOME;
        case Qt::Key_Left: return VK_LEFT;
        case Qt::Key_Up: return VK_UP;
        case Qt::Key_Right: return VK_RIGHT;
        case Qt::Key_Down: return VK_DOWN;
        case Qt::Key_Insert: return VK_INSERT;
        case Qt::Key_Delete: return VK_DELETE;
        case Qt::Key_Shift: return VK_SHIFT;
        case Qt::Key_Control: return VK_CONTROL;
        case Qt::Key_Alt: return VK_MENU;
        case Qt::Key_Plus:
        case Qt::Key_Equal: return 187;
        case Qt::Key_Comma: return 188;
        case Qt::Key_Minus: return 189;
        case Qt::Key_Period: return 190;
        case Qt::Key_Slash: return 191;
        default: return 0;
    }
}

}  // namespace ui
