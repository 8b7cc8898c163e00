// Application: the one QApplication of a program, with the original application
// object's title, help file, message hook, main form and modal bookkeeping.
//
// Create it first in main():  ui::Application app(argc, argv);  then create the
// forms with ui::CreateForm<T>() in the program's order (the first is the main
// form), then  return app.Run();
//
// Without a display a production Application does not start: the program says so in
// its own words (and how to run it under a virtual display) and ends with
// NoDisplayExitCode.  An exception that escapes a handler does not end the program: it
// is caught where Qt called the layer (ui::Guarded), before it reaches Qt's own code,
// reported in a message box, and the program goes on.
#pragma once

#include "ui/Form.h"

#include <QApplication>
#include <QPointer>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace ui {

// A message as the application hook sees it, before it is dispatched.
struct Message {
    Control* Target = nullptr;  // windowed control under the mouse or with the focus
    int Msg = 0;                // WM_LBUTTONDOWN (513), WM_KEYDOWN (256) ...
    int X = 0, Y = 0;           // mouse position in the target's client area
    Word Key = 0;               // virtual key of key messages
};

// Exit code of a program started without a display.
inline constexpr int NoDisplayExitCode = 2;

// Why a program cannot open its windows: "" when it can.  platform is the Qt platform
// asked for (-platform or QT_QPA_PLATFORM, "" for the default), display and wayland the
// DISPLAY and WAYLAND_DISPLAY settings.
std::string MissingDisplay(const std::string& platform, const std::string& display, const std::string& wayland);
// The program's words for it: what is missing and how to run the program anyway.
std::string NoDisplayMessage(const std::string& program, const std::string& reason);
// The text of the box that reports an exception escaped from a handler.
std::string InternalErrorMessage(const std::string& what);

class Application : public QApplication {
public:
    enum class Mode { Production, Test };
    Application(int& argc, char** argv, Mode mode = Mode::Production);
    ~Application() override;

    // Every event passes here: after each input event the requested paints run.
    bool notify(QObject* receiver, QEvent* e) override;

    Mode RunMode() const { return mode_; }

    std::string Title;
    std::string HelpFile;
    // Sees every mouse-button and key message addressed to a form, before anything
    // acts on it (in particular before a press moves the focus).  Setting handled
    // drops the message.
    std::function<void(Message&, bool& handled)> OnMessage;

    Form* MainForm() const { return mainForm_; }
    Form* ActiveForm() const { return active_; }
    const std::vector<Form*>& Forms() const { return forms_; }
    // Shows the main form and runs until it closes or Terminate.
    int Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    void ProcessMessages();
    // The form lies under a modal form's block.
    bool IsBlocked(const Form* f) const;
    // The focused control shows a focus frame and the button Enter presses is drawn as
    // the default button (default: in real windows, not on the offscreen test platform).
    bool FocusCues() const { return focusCues_; }
    void SetFocusCues(bool on) { focusCues_ = on; }
    // Runs the OnPaint every form asked for (Form::RequestPaint).
    void FlushPaints();

    // ---- layer internals ----
    void FormRegistered(Form* f);
    void FormCreated(Form* f);
    void ClearTerminated() { terminated_ = false; }
    void FormDestroyed(Form* f);
    void SetActiveForm(Form* f);
    void FormHidden(Form* f);
    void PushModal(Form* f);
    void PopModal(Form* f);
    void ReactivateTop();
    // raise() where the platform has it (the offscreen test platform has not); the
    // forms a raised form owns are raised after it, so they stay in front of it.
    static void Raise(QWidget* w);
    void PaintRequested();
    Form* FormOfWindow(const QObject* window) const;
    bool Dispatch(Form* f, QEvent* e);
    // The error box of an exception that escaped a handler (ui::Guarded); while one is
    // up, a further error goes to stderr only.
    void ReportException(const std::string& what);

protected:
    bool event(QEvent* e) override;

private:
    bool mousePress(Form* f, QMouseEvent* e, bool dbl);
    bool hook(Control* target, int msg, int x, int y, Word key);

    Mode mode_;
    std::vector<Form*> forms_;
    std::vector<Form*> history_;  // most recently active last
    Form* mainForm_ = nullptr;
    Form* active_ = nullptr;
    struct ModalLevel {
        Form* form;
        std::set<const Form*> blocked;
    };
    std::vector<ModalLevel> modal_;
    std::map<int, Form*> keyDown_;  // key code -> form that saw its press
    bool swallowRelease_ = false;
    QPointer<QWidget> redirect_;  // receives the mouse of a press on a disabled control
    bool terminated_ = false;
    QObject* router_ = nullptr;
    bool focusCues_ = false;
    bool flushPosted_ = false;
    int reporting_ = 0;
};

Application& App();

// Creates a form (the first becomes the main form) and runs its OnCreate.
template <class T, class... Args>
T* CreateForm(Args&&... args) {
    T* f = new T(std::forward<Args>(args)...);
    App().FormCreated(f);
    if (f->OnCreate) f->OnCreate();
    return f;
}

}  // namespace ui
