// Unit Hlaseni: the confirmation dialog of a calculation that breaks a rim-thickness rule of
// the standard.  "Resume" (Enter) goes on with the calculation, "New entry" (Esc) stops it;
// the answer is left in ResumeCalculation.
#pragma once

#include <string>

#include "ui/Forms.h"

namespace karvelo {

class THlaseni_ : public ui::Form {
public:
    THlaseni_();

    ui::Bevel* Bevel1;
    ui::Label* Label3;  // the question
    ui::Label* Label1;  // fixed texts, always hidden by the caller
    ui::Label* Label2;
    ui::Button* OKBtn;      // "Resume"
    ui::Button* CancelBtn;  // "New entry"

    // Shows `question` and waits for the answer; any way of closing other than "Resume"
    // answers "New entry".
    void Ask(const std::string& question);
    void OKBtnClick();
    void CancelBtnClick();
};

extern THlaseni_* Hlaseni_;

}  // namespace karvelo
