// Qt-free notices for the calculation cores: messages, captioned message boxes, beeps.
//
// The cores call ShowMessage / MessageBox / MessageBeep.  With no user interface
// installed every notice is recorded by the default recorder and answered without
// blocking (OK, or the recorder's next scripted answer), so the cores run headless.
// The forms layer installs a sink that shows real boxes.
//
// Texts use "\r" as the line break, as the program's messages are written; a sink
// that displays them converts.  Texts are UTF-8.
#pragma once

#include <deque>
#include <string>
#include <vector>

namespace rt {

// Button sets and icons of a message box (the values of the Windows API).
enum : unsigned {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_ABORTRETRYIGNORE = 0x2,
    MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4,
    MB_RETRYCANCEL = 0x5,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONWARNING = 0x30,
    MB_ICONINFORMATION = 0x40,
    MB_DEFBUTTON2 = 0x100,  // the second button is the one Enter presses
};
// Pressed buttons.
enum : int { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };

struct Notice {
    enum Kind { Message, Box, Beep } kind = Message;
    std::string text;
    std::string caption;
    unsigned flags = 0;  // box: buttons and icon; beep: the beep type
    bool operator==(const Notice&) const = default;
};

class NoticeSink {
public:
    virtual ~NoticeSink() = default;
    virtual void ShowMessage(const std::string& text) = 0;
    virtual int MessageBox(const std::string& text, const std::string& caption, unsigned flags) = 0;
    virtual void MessageBeep(unsigned type) = 0;
};

// Records every notice; answers boxes from a queue of scripted answers, else with
// the first button of the set (IDOK, IDYES, IDABORT, IDRETRY).
class NoticeRecorder : public NoticeSink {
public:
    void ShowMessage(const std::string& text) override;
    int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
    void MessageBeep(unsigned type) override;

    std::vector<Notice> notices;
    std::deque<int> answers;

    void Clear() {
        notices.clear();
        answers.clear();
    }
    // Texts of all messages and boxes, in order.
    std::vector<std::string> Texts() const;
};

// The sink in use; by default the program-wide recorder.
NoticeSink& Notices();
// Install a sink (nullptr restores the default recorder).  Returns the previous one.
NoticeSink* SetNoticeSink(NoticeSink* sink);
// The default recorder (what the cores report while no user interface is installed).
NoticeRecorder& DefaultNoticeRecorder();

void ShowMessage(const std::string& text);
int MessageBox(const std::string& text, const std::string& caption, unsigned flags = MB_OK);
// Messages and boxes shown so far, to whichever sink (beeps not counted): a command tells by
// it whether it said anything.
unsigned long long NoticesShown();
void MessageBeep(unsigned type = 0xFFFFFFFF);

// The notices shown while it lives (with `hold`) wait, boxes answered as a recorder answers
// them, until Show() shows them to the sink that was in use or Take() drops them: a box then
// stands over the fields of the case it is about, or a trial computation says nothing.
class HeldNotices : public NoticeRecorder {
public:
    explicit HeldNotices(bool hold = true);
    ~HeldNotices() override { Release(); }
    HeldNotices(const HeldNotices&) = delete;
    HeldNotices& operator=(const HeldNotices&) = delete;
    // Stops holding; the notices held are shown now.
    void Show();
    // Stops holding; the notices held are dropped, and returned.
    std::vector<Notice> Take();

private:
    void Release();
    bool holding_;
    NoticeSink* previous_ = nullptr;
};

}  // namespace rt
