#include "runtime/NumText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>
#include <vector>
#include <algorithm>

namespace rt {
namespace {

// A decimal number: value = (neg ? -1 : 1) * 0.digits * 10^exp10.
// digits has no leading or trailing zeros; an empty digits string is zero.
struct Decimal {
    bool neg = false;
    std::string digits;
    int exp10 = 0;
    bool isZero() const { return digits.empty(); }
};

// Shortest decimal that reads back to x (x finite).
Decimal toDecimal(double x) {
    Decimal d;
    d.neg = std::signbit(x);
    double a = std::fabs(x);
    if (a == 0) return d;
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific);
    std::string s(buf, res.ptr);
    // form: d[.ddd]e(+|-)XX
    auto e = s.find('e');
    std::string mant = s.substr(0, e);
    int ex = std::atoi(s.c_str() + e + 1);
    for (char c : mant)
        if (c != '.') d.digits.push_back(c);
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    d.exp10 = ex + 1;
    return d;
}

// Keep the first k significant digits, rounding half away from zero.
void roundToSignificant(Decimal& d, int k) {
    if (d.isZero()) return;
    int len = static_cast<int>(d.digits.size());
    if (k >= len) return;
    if (k < 0) {
        d.digits.clear();
        return;
    }
    bool up = d.digits[k] >= '5';
    d.digits.resize(k);
    if (up) {
        int i = k - 1;
        while (i >= 0 && d.digits[i] == '9') {
            d.digits[i] = '0';
            --i;
        }
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
            d.exp10 += 1;
        } else {
            d.digits[i] += 1;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
}

// Round to dec decimals after the point.
void roundToDecimals(Decimal& d, int dec) { roundToSignificant(d, d.exp10 + dec); }

// Digit at decimal position p (p = 1 is the first digit of 0.digits).
char digitAt(const Decimal& d, int p) {
    if (p < 1 || p > static_cast<int>(d.digits.size())) return '0';
    return d.digits[p - 1];
}

// Integer part digits (no sign), at least "0".
std::string integerPart(const Decimal& d) {
    if (d.isZero() || d.exp10 <= 0) return "0";
    std::string s;
    for (int p = 1; p <= d.exp10; ++p) s.push_back(digitAt(d, p));
    return s;
}

std::string fractionPart(const Decimal& d, int dec) {
    std::string s;
    for (int i = 1; i <= dec; ++i) s.push_back(d.isZero() ? '0' : digitAt(d, d.exp10 + i));
    return s;
}

std::string padLeft(std::string s, int w) {
    if (w > 0 && static_cast<int>(s.size()) < w) s.insert(0, static_cast<size_t>(w) - s.size(), ' ');
    return s;
}

std::string nonFinite(double x) {
    if (std::isnan(x)) return "NAN";
    return x > 0 ? "+INF" : "-INF";
}

// ---------------------------------------------------------------- FormatFloat

struct Picture {
    // literal text before, between and after the number, kept in order
    std::string prefix, suffix;
    int intZeros = 0;   // '0' placeholders before the point
    int intPlaces = 0;  // all placeholders before the point
    int decZeros = 0;   // '0' placeholders after the point (leading run)
    int decPlaces = 0;  // all placeholders after the point
    bool hasPoint = false;
    bool scientific = false;
    char expChar = 'E';
    bool expAlwaysSign = false;
    int expDigits = 0;
};

Picture parsePicture(const std::string& sec) {
    Picture p;
    bool seenDigit = false, afterNumber = false;
    size_t i = 0;
    auto literal = [&](char c) {
        if (seenDigit || p.hasPoint) {
            afterNumber = true;
            p.suffix.push_back(c);
        } else {
            p.prefix.push_back(c);
        }
    };
    while (i < sec.size()) {
        char c = sec[i];
        if (c == '"' || c == '\'') {
            size_t j = sec.find(c, i + 1);
            if (j == std::string::npos) j = sec.size();
            for (size_t k = i + 1; k < j; ++k) literal(sec[k]);
            i = j + 1;
            continue;
        }
        if (!afterNumber && !p.scientific && (c == '0' || c == '#')) {
            seenDigit = true;
            if (p.hasPoint) {
                if (c == '0' && p.decZeros == p.decPlaces) ++p.decZeros;
                ++p.decPlaces;
            } else {
                ++p.intPlaces;
                if (c == '0') ++p.intZeros;
            }
            ++i;
            continue;
        }
        if (!afterNumber && !p.scientific && c == '.' && !p.hasPoint) {
            p.hasPoint = true;
            ++i;
            continue;
        }
        if (!afterNumber && !p.scientific && (c == 'E' || c == 'e') && i + 1 < sec.size() &&
            (sec[i + 1] == '+' || sec[i + 1] == '-')) {
            p.scientific = true;
            p.expChar = c;
            p.expAlwaysSign = sec[i + 1] == '+';
            i += 2;
            while (i < sec.size() && sec[i] == '0') {
                ++p.expDigits;
                ++i;
            }
            if (p.expDigits == 0) p.expDigits = 1;
            if (p.expDigits > 4) p.expDigits = 4;
            afterNumber = true;
            continue;
        }
        if (c == ',' && !afterNumber) {  // thousands separator: not used by the programs
            ++i;
            continue;
        }
        literal(c);
        ++i;
    }
    return p;
}

std::string applyPicture(const Picture& p, double ax, bool negative) {
    if (p.intPlaces == 0 && p.decPlaces == 0 && !p.hasPoint && !p.scientific)  // literal only
        return (negative ? "-" : "") + p.prefix;
    Decimal d = toDecimal(ax);
    d.neg = false;
    std::string body;
    if (p.scientific) {
        int nInt = p.intPlaces > 0 ? p.intPlaces : 1;
        int exponent = 0;
        if (!d.isZero()) {
            roundToSignificant(d, nInt + p.decPlaces);
            exponent = d.exp10 - nInt;
        }
        std::string mant;
        if (d.isZero())  // a zero mantissa shows one digit (or as many '0' placeholders as given)
            mant = std::string(static_cast<size_t>(std::max(1, p.intZeros)), '0');
        else
            for (int k = 1; k <= nInt; ++k) mant.push_back(digitAt(d, k));
        std::string frac;
        for (int k = 1; k <= p.decPlaces; ++k) frac.push_back(d.isZero() ? '0' : digitAt(d, nInt + k));
        while (static_cast<int>(frac.size()) > p.decZeros && !frac.empty() && frac.back() == '0') frac.pop_back();
        body = mant;
        if (!frac.empty()) {
            body.push_back('.');
            body += frac;
        }
        body.push_back(p.expChar);
        if (exponent < 0)
            body.push_back('-');
        else if (p.expAlwaysSign)
            body.push_back('+');
        std::string ed = std::to_string(std::abs(exponent));
        if (static_cast<int>(ed.size()) < p.expDigits) ed.insert(0, p.expDigits - ed.size(), '0');
        body += ed;
    } else {
        roundToDecimals(d, p.decPlaces);
        std::string ip = integerPart(d);
        if (ip == "0" && p.intZeros == 0) ip.clear();
        if (static_cast<int>(ip.size()) < p.intZeros) ip.insert(0, p.intZeros - ip.size(), '0');
        std::string frac = fractionPart(d, p.decPlaces);
        while (static_cast<int>(frac.size()) > p.decZeros && !frac.empty() && frac.back() == '0') frac.pop_back();
        body = ip;
        if (!frac.empty()) {
            body.push_back('.');
            body += frac;
        }
        if (body.empty()) body.assign(1, '0');
        if (d.isZero()) negative = false;
    }
    return (negative ? "-" : "") + p.prefix + body + p.suffix;
}

std::vector<std::string> splitSections(const std::string& f) {
    std::vector<std::string> out(1);
    char quote = 0;
    for (char c : f) {
        if (quote) {
            if (c == quote) quote = 0;
            out.back().push_back(c);
        } else if (c == '"' || c == '\'') {
            quote = c;
            out.back().push_back(c);
        } else if (c == ';') {
            out.emplace_back();
        } else {
            out.back().push_back(c);
        }
    }
    return out;
}

// ---------------------------------------------------------------- Val

// Checks the syntax of a decimal number; returns 0 or the 1-based error position.
// On success start/end delimit the number text (after leading blanks).
int scanNumber(const std::string& s, bool allowFraction, size_t& start) {
    if (s.empty()) return 1;
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    start = i;
    const int endPos = static_cast<int>(s.size()) + 1;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t intDigits = 0, fracDigits = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        ++i;
        ++intDigits;
    }
    if (allowFraction && i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            ++i;
            ++fracDigits;
        }
    }
    if (intDigits + fracDigits == 0) return i < s.size() ? static_cast<int>(i) + 1 : endPos;
    if (allowFraction && i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        size_t expDigits = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0) return i < s.size() ? static_cast<int>(i) + 1 : endPos;
    }
    if (i < s.size()) return static_cast<int>(i) + 1;
    return 0;
}

}  // namespace

std::string Str(double x, int w, int d) {
    if (!std::isfinite(x)) return padLeft(nonFinite(x), w);
    if (d < 0) d = 0;
    Decimal dec = toDecimal(x);
    roundToDecimals(dec, d);
    std::string s = integerPart(dec);
    if (d > 0) {
        s.push_back('.');
        s += fractionPart(dec, d);
    }
    if (dec.neg && !dec.isZero()) s.insert(0, 1, '-');
    return padLeft(s, w);
}

std::string Str(long long i, int w) { return padLeft(std::to_string(i), w); }

std::string StrReal(double x) {
    if (!std::isfinite(x)) return padLeft(nonFinite(x), 23);
    Decimal d = toDecimal(x);
    roundToSignificant(d, 15);
    std::string s;
    s.push_back(d.neg && !d.isZero() ? '-' : ' ');
    int exponent = d.isZero() ? 0 : d.exp10 - 1;
    s.push_back(d.isZero() ? '0' : digitAt(d, 1));
    s.push_back('.');
    for (int k = 2; k <= 15; ++k) s.push_back(d.isZero() ? '0' : digitAt(d, k));
    s.push_back('E');
    s.push_back(exponent < 0 ? '-' : '+');
    std::string ed = std::to_string(std::abs(exponent));
    if (ed.size() < 4) ed.insert(0, 4 - ed.size(), '0');
    s += ed;
    return s;
}

double StoredReal(double x) {
    if (!std::isfinite(x)) return x;
    double stored = x;
    int code = 0;
    Val(StrReal(x), stored, code);
    return stored;
}

std::string FormatFloat(const std::string& format, double x) {
    if (!std::isfinite(x)) return nonFinite(x);
    std::vector<std::string> sec = splitSections(format);
    const std::string& pos = sec[0];
    if (x == 0 && sec.size() >= 3 && !sec[2].empty()) return applyPicture(parsePicture(sec[2]), 0.0, false);
    if (x < 0) {
        if (sec.size() >= 2 && !sec[1].empty()) return applyPicture(parsePicture(sec[1]), -x, false);
        return applyPicture(parsePicture(pos), -x, true);
    }
    return applyPicture(parsePicture(pos), x, false);
}

void Val(const std::string& s, double& x, int& code) {
    size_t start = 0;
    code = scanNumber(s, true, start);
    if (code != 0) return;
    const char* b = s.data() + start;
    const char* e = s.data() + s.size();
    bool neg = false;
    if (*b == '+' || *b == '-') {
        neg = *b == '-';
        ++b;
    }
    double v = 0;
    auto res = std::from_chars(b, e, v, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // overflow to infinity is an error; underflow reads as zero
        double probe = std::strtod(std::string(b, e).c_str(), nullptr);
        if (std::isinf(probe)) {
            code = static_cast<int>(s.size());
            return;
        }
        v = probe;
    } else if (res.ec != std::errc() || res.ptr != e) {
        code = static_cast<int>(res.ptr - s.data()) + 1;
        return;
    }
    x = neg ? -v : v;
}

void Val(const std::string& s, long long& x, int& code) {
    size_t start = 0;
    code = scanNumber(s, false, start);
    if (code != 0) return;
    const char* b = s.data() + start;
    const char* e = s.data() + s.size();
    if (*b == '+') ++b;
    long long v = 0;
    auto res = std::from_chars(b, e, v);
    if (res.ec != std::errc() || res.ptr != e) {
        code = static_cast<int>(s.size());
        return;
    }
    x = v;
}

namespace {
template <typename T>
void valNarrow(const std::string& s, T& x, int& code) {
    long long v = 0;
    Val(s, v, code);
    if (code != 0) return;
    if (v < std::numeric_limits<T>::min() || v > std::numeric_limits<T>::max()) {
        code = static_cast<int>(s.size());
        return;
    }
    x = static_cast<T>(v);
}
}  // namespace

void Val(const std::string& s, std::int32_t& x, int& code) { valNarrow(s, x, code); }
void Val(const std::string& s, std::int16_t& x, int& code) { valNarrow(s, x, code); }

}  // namespace rt
