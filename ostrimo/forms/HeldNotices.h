// Boxes held back while the main dialog changes the case, shown once its fields show the
// case they are about.
#pragma once

#include <utility>
#include <vector>

#include "runtime/Notice.h"

namespace ostrimo {

// The boxes shown while it lives wait, answered OK, until Show() or Take(): a box then stands
// over the fields of the case it is about (a refused entry's case as it was, an opened file's
// case).
class HeldNotices : public rt::NoticeRecorder {
public:
    explicit HeldNotices(bool hold) : previous_(hold ? rt::SetNoticeSink(this) : nullptr) {}
    ~HeldNotices() override { Release(); }
    HeldNotices(const HeldNotices&) = delete;
    HeldNotices& operator=(const HeldNotices&) = delete;
    // Stops holding; the boxes held are shown now.
    void Show() {
        for (const rt::Notice& n : Take()) {
            switch (n.kind) {
                case rt::Notice::Message: rt::ShowMessage(n.text); break;
                case rt::Notice::Box: rt::MessageBox(n.text, n.caption, n.flags); break;
                case rt::Notice::Beep: rt::MessageBeep(n.flags); break;
            }
        }
    }
    // Stops holding; the boxes held are dropped.
    std::vector<rt::Notice> Take() {
        Release();
        std::vector<rt::Notice> held = std::move(notices);
        notices.clear();
        return held;
    }

private:
    void Release() {
        if (previous_) rt::SetNoticeSink(previous_);
        previous_ = nullptr;
    }
    rt::NoticeSink* previous_;
};

}  // namespace ostrimo
