// Canvas: drawing with the original library's calls on a Qt paint device, and
// off-screen bitmaps.
//
// A canvas draws either into an image (a Bitmap, a PaintBox's buffer) or through a
// painter that a control hands it while it paints (StringGrid cells, page tabs, the
// printer).  Coordinates follow the original: rectangles exclude their right and
// bottom edge, LineTo does not draw the last point of horizontal and vertical lines,
// TextOut puts the top-left corner of the text at (x, y) on an opaque background of
// the brush colour unless the brush is clear, and moves the pen to the text's end.
// Antialiasing is off.  Text in the "Symbol" font is drawn as the Greek letters it
// stands for.
#pragma once

#include "ui/Types.h"

#include <QImage>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QPainter;
class QRect;

namespace ui {

class Bitmap;
class Control;

class Canvas {
public:
    struct PenT {
        ui::Color Color = clBlack;
        int Width = 1;
        PenStyle Style = PenStyle::Solid;
    };
    struct BrushT {
        ui::Color Color = clWhite;
        BrushStyle Style = BrushStyle::Solid;
    };

    PenT Pen;
    BrushT Brush;
    ui::Font Font;
    Point PenPos;

    // A canvas over an image (kept by the owner, who must outlive the canvas).
    explicit Canvas(QImage* image = nullptr);
    // A canvas over painters supplied by the owner while it paints.
    explicit Canvas(std::function<QPainter*()> painterSource);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const Rect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void FillRect(const Rect& r);
    void FrameRect(const Rect& r);
    void Ellipse(int x1, int y1, int x2, int y2);
    void TextOut(int x, int y, const std::string& text);
    // Fills r with the brush (unless clear) and draws the text at (x, y) clipped to r.
    void TextRect(const Rect& r, int x, int y, const std::string& text);
    // Text in a rectangle with DT_ flags (DT_WORDBREAK wraps between words; "\r" breaks
    // lines).  Returns the height of the text; with DT_CALCRECT it only measures and
    // sets r's bottom (and right for single lines).
    int DrawText(const std::string& text, Rect& r, unsigned flags);
    int TextWidth(const std::string& text) const;
    int TextHeight(const std::string& text) const;

    void Draw(int x, int y, const Bitmap& bitmap);
    void StretchDraw(const Rect& dest, const Bitmap& bitmap);
    // Copies srcRect of another canvas that draws into an image.
    void CopyRect(const Rect& dest, Canvas& source, const Rect& srcRect);
    // Draws the source rectangle of a control as it looks, stretched into dest (on a
    // printer page as lines and text, not as a picture).
    void DrawControl(const Rect& dest, const Control& control, const Rect& source);

    ui::Color Pixel(int x, int y);
    void SetPixel(int x, int y, ui::Color c);

    // Clipping to a rectangle (the original's selected clip region) until ResetClip;
    // a paint box releases it at the end of each paint.
    void SetClipRect(const Rect& r);
    void ResetClip();
    bool HasClip() const { return clip_.has_value(); }

    // Ends the current painter on the image (done before the image is read).
    void Flush();
    QImage* TargetImage() const { return image_; }
    void SetTargetImage(QImage* image);

private:
    QPainter* painter();
    void applyPen(QPainter& p) const;
    void applyBrush(QPainter& p) const;
    void applyFont(QPainter& p) const;
    void applyClip(QPainter& p) const;
    std::string shownText(const std::string& text) const;

    QImage* image_ = nullptr;
    std::unique_ptr<QPainter> own_;
    std::function<QPainter*()> source_;
    std::optional<Rect> clip_;
};

// Bitmap pixel formats (kept for the saved file's depth; drawing is always in colour).
enum class PixelFormat { Device, Bits1, Bits4, Bits8, Bits24, Bits32 };

// An off-screen bitmap with its own canvas (white, black pen, "MS Sans Serif" 8).
class Bitmap {
public:
    Bitmap(int width = 0, int height = 0);
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    void SetWidth(int w) { SetSize(w, Height()); }
    void SetHeight(int h) { SetSize(Width(), h); }
    // Keeps the top-left content; new area is white.
    void SetSize(int w, int h);

    ui::PixelFormat PixelFormat = ui::PixelFormat::Device;
    // Turns the picture black and white: white stays white, every other colour black.
    void SetMonochrome(bool on);
    bool Monochrome() const { return monochrome_; }

    ui::Canvas& Canvas() { return canvas_; }
    const QImage& Image() const;
    QImage& Image();
    // The image as it is saved: 4 bits per pixel for Bits4 (two colours when
    // monochrome), 1 bit for Bits1, 24 bits otherwise.
    QImage FileImage() const;
    // Writes a BMP file whatever the name's extension, through the bitmap service;
    // raises rt::FileError on failure.
    void SaveToFile(const std::string& fileName) const;

private:
    QImage image_;
    ui::Canvas canvas_{&image_};
    bool monochrome_ = false;
};

// Writes bitmaps as BMP files together, as SaveToFile does each: no file is replaced before
// all are written, so a failure (rt::FileError naming the files not written) leaves every
// earlier file as it was.
void SaveBitmapFiles(const std::vector<std::pair<const Bitmap*, std::string>>& files);

}  // namespace ui
