// Angles in degrees, minutes and seconds (routines of the unit Global).
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "ostrimo/calc/Global.h"
#include "runtime/NumText.h"
#include "runtime/Notice.h"
#include "runtime/Rounding.h"

namespace ostrimo {

namespace {

// The degrees text with one sign in front of the magnitude.
std::string SignedText(bool negative, const std::string& magnitude) {
    std::string text(negative ? 1 : 0, '-');
    text += magnitude;
    return text;
}

void Refuse(const char* message) {
    rt::MessageBox(message, kErrorCaption, rt::MB_OK);
    G.ErrorFlag = true;
}

int DigitsValue(const std::string& digits) {
    int v = 0;
    for (char c : digits) v = v * 10 + (c - '0');
    return v;
}

}  // namespace

void ParseDmsAngle(double x) {
    if (!std::isfinite(x)) {  // typed text always gives a finite number
        G.ErrorFlag = true;
        return;
    }
    // The typed number is read by its text, D.MMSSssss: the digits of a double such
    // as 3.19 are not hit exactly by arithmetic.
    const bool negative = x < 0;
    std::string text = rt::Str(std::fabs(x), 11, 8);
    text.erase(0, text.find_first_not_of(' '));
    const std::size_t point = text.find('.');
    const double degrees = std::stod(text.substr(0, point));
    const std::string fraction = text.substr(point + 1);  // 8 digits
    const int minutes = DigitsValue(fraction.substr(0, 2));
    if (minutes > 59) {
        Refuse("Select minutes from 0 to 59.");
        return;
    }
    const double seconds = DigitsValue(fraction.substr(2, 6)) / 10000.0;
    if (!(rt::Int(seconds) <= 59.999)) {
        Refuse("Select seconds from 0 do 59.99");
        return;
    }
    G.DegText = SignedText(negative, rt::Str(degrees, 0, 0));
    G.MinText = rt::Str(static_cast<long long>(minutes));
    G.SecText = rt::Str(seconds, 1, 1);
    const Extended magnitude = degrees + static_cast<Extended>(minutes) / 60 + static_cast<Extended>(seconds) / 3600;
    G.AngleDecimal = static_cast<double>(negative ? -magnitude : magnitude);
}

bool ReadDmsAngle(double typed, double& degrees) {
    const bool errorBefore = G.ErrorFlag;
    G.ErrorFlag = false;
    ParseDmsAngle(typed);
    const bool read = !G.ErrorFlag;
    G.ErrorFlag = errorBefore;
    if (read) degrees = G.AngleDecimal;
    return read;
}

void FormatDegMinSec(double angle, std::string& DegStr, std::string& MinStr, std::string& SecStr) {
    const Extended magnitude = std::fabs(static_cast<Extended>(angle));
    if (!(magnitude < 2147483648.0L)) {  // beyond whole degrees of an integer, or not a number
        G.AngleDeg = rt::TruncInt<std::int32_t>(angle);
        G.AngleMin = 0;
        G.AngleSec = 0;
        DegStr = rt::Str(angle, 1, 0);
        MinStr = std::string(1, '0');
        SecStr = rt::Str(0.0, 1, 1);
        return;
    }
    const Extended degrees = std::trunc(magnitude);
    const Extended minutes60 = 60 * (magnitude - degrees);
    const Extended minutes = std::trunc(minutes60);
    const auto wholeDegrees = static_cast<std::int32_t>(degrees);
    G.AngleMin = static_cast<std::int32_t>(minutes);
    G.AngleSec = static_cast<double>(60 * (minutes60 - minutes));
    SecStr = rt::Str(G.AngleSec, 1, 1);
    // One sign in front of the degrees, none for an angle that shows as zero.
    const bool negative = angle < 0 && !(wholeDegrees == 0 && G.AngleMin == 0 && SecStr == "0.0");
    G.AngleDeg = negative ? -wholeDegrees : wholeDegrees;
    DegStr = SignedText(negative, rt::Str(static_cast<long long>(wholeDegrees)));
    MinStr = rt::Str(static_cast<long long>(G.AngleMin));
}

void NormalizeDmsStrings() {
    const bool negative = !G.DegText.empty() && G.DegText[0] == '-';
    if (G.SecText == "0.0") G.SecText = "0";
    if (G.SecText == "60.0") {  // seconds rounded up to a whole minute
        G.SecText = "0.0";
        G.MinText = rt::Str(static_cast<long long>(G.AngleMin) + 1);
    }
    if (G.MinText == "60") {
        G.MinText = "0";
        G.DegText = SignedText(negative, rt::Str(std::llabs(static_cast<long long>(G.AngleDeg)) + 1));
    }
}

}  // namespace ostrimo
