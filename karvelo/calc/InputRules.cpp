#include "karvelo/calc/InputRules.h"

#include <cmath>

namespace karvelo {

double StoredStressRatio(double typed) { return typed == 0 ? 0.0 : -std::fabs(typed); }

bool AcceptStressRatio(bool number, double& R) {
    const double typed = R;
    R = StoredStressRatio(typed);
    return number && typed >= -1.2 && typed <= 1.2;
}

bool AcceptMeanStressFactor(double YM) { return YM >= 0.4546 && YM <= 1; }

bool FacesOverlap(double b1, double b2, double db) { return db < b1 && -db < b2; }

}  // namespace karvelo
