// Value types of the forms layer: colours, rectangles, fonts, key and mouse codes,
// and the constants the windows use (modal results, styles, option bits).
//
// Colours are 0x00BBGGRR values as the original library stored them (255 is red,
// 0x8000 is green); system colours are the 0xFF0000xx values, resolved to fixed
// constants of the layer, never to the platform palette.
#pragma once

#include <cstdint>
#include <string>

class QColor;
class QFont;

namespace ui {

using Color = std::uint32_t;

constexpr Color RGB(int r, int g, int b) { return Color(r & 0xFF) | (Color(g & 0xFF) << 8) | (Color(b & 0xFF) << 16); }

inline constexpr Color clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                       clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                       clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF, clBlue = 0xFF0000,
                       clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF;
// System colours (resolved by ToQColor to the layer's fixed values).
inline constexpr Color clWindow = 0xFF000005, clWindowFrame = 0xFF000006, clWindowText = 0xFF000008,
                       clHighlight = 0xFF00000D, clHighlightText = 0xFF00000E, clBtnFace = 0xFF00000F,
                       clBtnShadow = 0xFF000010, clGrayText = 0xFF000011, clBtnText = 0xFF000012,
                       clBtnHighlight = 0xFF000014;

QColor ToQColor(Color c);
Color FromQColor(const QColor& c);

struct Point {
    int X = 0, Y = 0;
    bool operator==(const Point&) const = default;
};

// A rectangle as the original library gives it: right and bottom are exclusive.
struct Rect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    bool operator==(const Rect&) const = default;
};

// Placement of a control: left, top, width, height in pixels of its parent's client
// area.  A width or height of 0 takes the control kind's default size (labels: the
// size of their text).
struct Bounds {
    int Left = 0, Top = 0, Width = 0, Height = 0;
};

// Font styles (bit set).
enum : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// A font: family name as the windows give it, character height, style bits and text
// colour.  PixelSize is the character height in pixels (the original's negative
// Height); sizes in points convert as round(pt * 96 / 72).
struct Font {
    std::string Name = "MS Sans Serif";
    int PixelSize = 11;
    unsigned Style = 0;
    ui::Color Color = clWindowText;

    int Size() const;           // points
    Font& SetSize(int points);  // PixelSize = round(points * 96 / 72)
    Font& SetPixels(int px) {
        PixelSize = px;
        return *this;
    }
    bool operator==(const Font&) const = default;
};

int PointsToPixels(int points);
// The installed family that stands for a window's font name: "MS Sans Serif", "Arial"
// and "Symbol" -> Liberation Sans, "Courier New" -> Liberation Mono, "Times New
// Roman" and "Garamond" -> Liberation Serif; other names are kept.
std::string MapFontFamily(const std::string& name);
bool IsSymbolFont(const std::string& name);
// Text written in the "Symbol" font as the Unicode letters it shows ("s" -> "σ",
// "a" -> "α", "S" -> "Σ", 0xB7 "·" -> "•"); UTF-8 in and out.
std::string SymbolToUnicode(const std::string& text);
QFont ToQFont(const Font& f);

// Text for display: "\r\n" and "\r" become "\n".
std::string DisplayText(const std::string& text);
// Caption without its accelerator marks ("&Ok" -> "Ok", "&&" -> "&") and the
// accelerator character (upper case), 0 when there is none.
std::string StripAccel(const std::string& caption);
char16_t AccelChar(const std::string& caption);

// Modal results.
enum : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7 };

// Shift state (bit set).
using ShiftState = unsigned;
enum : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64 };

enum class MouseButton { Left, Right, Middle };

// Virtual key codes as the windows compare them (OnKeyDown/OnKeyUp).
using Word = std::uint16_t;
enum : Word {
    VK_BACK = 8,
    VK_TAB = 9,
    VK_RETURN = 13,
    VK_SHIFT = 16,
    VK_CONTROL = 17,
    VK_MENU = 18,
    VK_ESCAPE = 27,
    VK_SPACE = 32,
    VK_PRIOR = 33,
    VK_NEXT = 34,
    VK_END = 35,
    VK_HOME = 36,
    VK_LEFT = 37,
    VK_UP = 38,
    VK_RIGHT = 39,
    VK_DOWN = 40,
    VK_INSERT = 45,
    VK_DELETE = 46,
    VK_NUMPAD0 = 96,
    VK_F1 = 112,
    VK_F2 = 113,
    VK_F3 = 114,
    VK_F4 = 115,
    VK_F5 = 116,
    VK_F6 = 117,
    VK_F7 = 118,
    VK_F8 = 119,
    VK_F9 = 120,
    VK_F10 = 121,
    VK_F11 = 122,
    VK_F12 = 123,
};
// Characters as OnKeyPress sees them (13 Enter, 27 Esc, 8 Backspace); 0 cancels the key.
using KeyChar = char16_t;

// Window message numbers the application hook sees.
enum : int {
    WM_KEYDOWN = 256,
    WM_KEYUP = 257,
    WM_SYSKEYDOWN = 260,
    WM_SYSKEYUP = 261,
    WM_LBUTTONDOWN = 513,
    WM_LBUTTONUP = 514,
    WM_LBUTTONDBLCLK = 515,
    WM_RBUTTONDOWN = 516,
    WM_RBUTTONUP = 517,
    WM_RBUTTONDBLCLK = 518,
    WM_MBUTTONDOWN = 519,
    WM_MBUTTONUP = 520,
};

// Form appearance.
enum class BorderStyle { None, Single, Sizeable, Dialog, ToolWindow };
enum : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
// Where a form opens on its first showing: where its bounds put it, centred on the
// screen (at every showing), or beside the form that shows it (its owner) so that it
// covers as little of the owner as the screen allows.
enum class Position { Designed, ScreenCenter, BesideOwner };
enum class CloseAction { None, Hide, Free, Minimize };

// Text alignment of labels and check boxes.
enum class Alignment { Left, Right, Center };

// Canvas pen and brush styles.
enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear };
enum class BrushStyle { Solid, Clear };

// Word-wrapped text flags (the original DrawText flags).
enum : unsigned {
    DT_LEFT = 0,
    DT_CENTER = 1,
    DT_RIGHT = 2,
    DT_VCENTER = 4,
    DT_BOTTOM = 8,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_NOCLIP = 0x100,
    DT_CALCRECT = 0x400,
};

// Panel and bevel edges.
enum class BevelCut { None, Lowered, Raised };
enum class BevelShape { Box, Frame, TopLine, BottomLine, LeftLine, RightLine };

}  // namespace ui
