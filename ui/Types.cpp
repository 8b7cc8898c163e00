#include "ui/Types.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <cctype>
#include <cmath>

namespace ui {

QColor ToQColor(Color c) {
    if ((c & 0xFF000000u) == 0xFF000000u) {
        switch (c) {
            case clWindow: return QColor(255, 255, 255);
            case clWindowFrame: return QColor(100, 100, 100);
            case clWindowText: return QColor(0, 0, 0);
            case clHighlight: return QColor(0, 120, 215);
            case clHighlightText: return QColor(255, 255, 255);
            case clBtnFace: return QColor(240, 240, 240);
            case clBtnShadow: return QColor(160, 160, 160);
            case clGrayText: return QColor(109, 109, 109);
            case clBtnText: return QColor(0, 0, 0);
            case clBtnHighlight: return QColor(255, 255, 255);
            default: return QColor(0, 0, 0);
        }
    }
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

Color FromQColor(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }

int PointsToPixels(int points) { return int(std::lround(points * 96.0 / 72.0)); }

int Font::Size() const { return int(std::lround(PixelSize * 72.0 / 96.0)); }

Font& Font::SetSize(int points) {
    PixelSize = PointsToPixels(points);
    return *this;
}

namespace {
std::string lower(std::string s) {
    for (auto& ch : s) ch = char(std::tolower(static_cast<unsigned char>(ch)));
    return s;
}
}  // namespace

bool IsSymbolFont(const std::string& name) { return lower(name) == "symbol"; }

std::string MapFontFamily(const std::string& name) {
    const std::string n = lower(name);
    if (n == "ms sans serif" || n == "arial" || n == "symbol" || n == "system" || n == "tahoma" ||
        n == "ms shell dlg" || n.empty())
        return "Liberation Sans";
    if (n == "courier new" || n == "courier") return "Liberation Mono";
    if (n == "times new roman" || n == "garamond") return "Liberation Serif";
    return name;
}

std::string SymbolToUnicode(const std::string& text) {
    // The Symbol font's Latin letters and what they show.
    static const char16_t lowerMap[26] = {u'α', u'β', u'χ', u'δ', u'ε', u'φ', u'γ', u'η', u'ι', u'ϕ', u'κ', u'λ', u'μ',
                                          u'ν', u'ο', u'π', u'θ', u'ρ', u'σ', u'τ', u'υ', u'ϖ', u'ω', u'ξ', u'ψ', u'ζ'};
    static const char16_t upperMap[26] = {u'Α', u'Β', u'Χ', u'Δ', u'Ε', u'Φ', u'Γ', u'Η', u'Ι', u'ϑ', u'Κ', u'Λ', u'Μ',
                                          u'Ν', u'Ο', u'Π', u'Θ', u'Ρ', u'Σ', u'Τ', u'Υ', u'ς', u'Ω', u'Ξ', u'Ψ', u'Ζ'};
    const QString in = QString::fromStdString(text);
    QString out;
    out.reserve(in.size());
    for (QChar ch : in) {
        const char16_t u = ch.unicode();
        if (u >= 'a' && u <= 'z')
            out += QChar(lowerMap[u - 'a']);
        else if (u >= 'A' && u <= 'Z')
            out += QChar(upperMap[u - 'A']);
        else if (u == 0xB7)
            out += QChar(0x2022);
        else
            out += ch;
    }
    return out.toStdString();
}

QFont ToQFont(const Font& f) {
    QFont q(QString::fromStdString(MapFontFamily(f.Name)));
    q.setPixelSize(f.PixelSize > 0 ? f.PixelSize : 11);
    q.setBold(f.Style & fsBold);
    q.setItalic(f.Style & fsItalic);
    q.setUnderline(f.Style & fsUnderline);
    q.setStrikeOut(f.Style & fsStrikeOut);
    q.setKerning(false);
    return q;
}

std::string DisplayText(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string StripAccel(const std::string& caption) {
    std::string out;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += caption[i];
    }
    return out;
}

char16_t AccelChar(const std::string& caption) {
    const QString s = QString::fromStdString(caption);
    for (qsizetype i = 0; i + 1 < s.size(); ++i) {
        if (s[i] == '&') {
            if (s[i + 1] == '&') {
                ++i;
                continue;
            }
            return s[i + 1].toUpper().unicode();
        }
    }
    return 0;
}

}  // namespace ui
