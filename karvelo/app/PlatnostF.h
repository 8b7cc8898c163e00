// Unit PlatnostF: the validity report window "Validity restrictions".  It lists the marked
// messages of the validity check one below the other, the first eight slots (restrictions) in
// red; a long list scrolls.
#pragma once

#include <vector>

#include "ui/Forms.h"

namespace karvelo {

class TPlatnost_F : public ui::Form {
public:
    TPlatnost_F();

    ui::Label* Label50;         // heading
    ui::ScrollBox* ScrollBox1;  // scrolls Panel1 when the messages do not fit
    ui::Panel* Panel1;          // holds the message labels
    // Label1..Label16, and one more label for each marked message beyond the sixteenth.
    ui::Label* MessageLabel(int k) const { return labels_.at(k - 1); }
    int MessageLabelCount() const { return int(labels_.size()); }

    void FormPaint();
    void FormKeyUp(ui::Word& key);

private:
    ui::Label* AddMessageLabel();
    std::vector<ui::Label*> labels_;
};

extern TPlatnost_F* Platnost_F;

}  // namespace karvelo
