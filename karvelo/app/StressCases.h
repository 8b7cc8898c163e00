// The four cases of the result views, chosen by the code in StressCase: "PO" pinion bending,
// "PD" pinion contact, "KO" wheel bending, "KD" wheel contact.
#pragma once

#include <string>

#include "ui/Types.h"

namespace karvelo {

enum class StressCaseId { PO = 1, PD, KO, KD };

// The case of a code; a code that is none of the four is taken as pinion bending, the case the
// windows start with.
inline StressCaseId CaseFromCode(const std::string& code) {
    if (code == "PD") return StressCaseId::PD;
    if (code == "KO") return StressCaseId::KO;
    if (code == "KD") return StressCaseId::KD;
    return StressCaseId::PO;
}

inline bool IsWheelCase(StressCaseId c) { return c == StressCaseId::KO || c == StressCaseId::KD; }
inline bool IsContactCase(StressCaseId c) { return c == StressCaseId::PD || c == StressCaseId::KD; }

// Pinion quantities are blue, wheel quantities green.
inline ui::Color CaseColour(StressCaseId c) { return IsWheelCase(c) ? ui::clGreen : ui::clBlue; }

// The one of four quantities (given in the order PO, PD, KO, KD) that belongs to the case.
template <typename T>
T& PickCase(StressCaseId c, T& po, T& pd, T& ko, T& kd) {
    switch (c) {
        case StressCaseId::PD: return pd;
        case StressCaseId::KO: return ko;
        case StressCaseId::KD: return kd;
        default: return po;
    }
}

// The text of the case among four.
inline const char* PickText(StressCaseId c, const char* po, const char* pd, const char* ko, const char* kd) {
    return PickCase<const char* const>(c, po, pd, ko, kd);
}

}  // namespace karvelo
