#include "runtime/Notice.h"

namespace rt {
namespace {
NoticeSink* g_sink = nullptr;
unsigned long long g_shown = 0;

int firstButton(unsigned flags) {
    switch (flags & 0xF) {
        case MB_ABORTRETRYIGNORE: return IDABORT;
        case MB_YESNOCANCEL:
        case MB_YESNO: return IDYES;
        case MB_RETRYCANCEL: return IDRETRY;
        default: return IDOK;
    }
}
}  // namespace

void NoticeRecorder::ShowMessage(const std::string& text) { notices.push_back({Notice::Message, text, {}, 0}); }

int NoticeRecorder::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    notices.push_back({Notice::Box, text, caption, flags});
    if (!answers.empty()) {
        int a = answers.front();
        answers.pop_front();
        return a;
    }
    return firstButton(flags);
}

void NoticeRecorder::MessageBeep(unsigned type) { notices.push_back({Notice::Beep, {}, {}, type}); }

std::vector<std::string> NoticeRecorder::Texts() const {
    std::vector<std::string> t;
    for (const auto& n : notices)
        if (n.kind != Notice::Beep) t.push_back(n.text);
    return t;
}

NoticeRecorder& DefaultNoticeRecorder() {
    static NoticeRecorder recorder;
    return recorder;
}

NoticeSink& Notices() { return g_sink ? *g_sink : DefaultNoticeRecorder(); }

NoticeSink* SetNoticeSink(NoticeSink* sink) {
    NoticeSink* old = g_sink ? g_sink : &DefaultNoticeRecorder();
    g_sink = sink;
    return old;
}

void ShowMessage(const std::string& text) {
    ++g_shown;
    Notices().ShowMessage(text);
}
int MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    ++g_shown;
    return Notices().MessageBox(text, caption, flags);
}
unsigned long long NoticesShown() { return g_shown; }
void MessageBeep(unsigned type) { Notices().MessageBeep(type); }

HeldNotices::HeldNotices(bool hold) : holding_(hold) {
    if (hold) previous_ = SetNoticeSink(this);
}

void HeldNotices::Release() {
    if (holding_) SetNoticeSink(previous_);
    holding_ = false;
}

void HeldNotices::Show() {
    for (const Notice& n : Take()) {
        switch (n.kind) {
            case Notice::Message: rt::ShowMessage(n.text); break;
            case Notice::Box: rt::MessageBox(n.text, n.caption, n.flags); break;
            case Notice::Beep: rt::MessageBeep(n.flags); break;
        }
    }
}

std::vector<Notice> HeldNotices::Take() {
    Release();
    std::vector<Notice> held = std::move(notices);
    notices.clear();
    return held;
}

}  // namespace rt
