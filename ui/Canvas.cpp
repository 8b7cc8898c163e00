#include "ui/Canvas.h"

#include "ui/Control.h"
#include "ui/Services.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPicture>
#include <QString>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

QRect toQRect(const Rect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }

Qt::PenStyle toQt(PenStyle s) {
    switch (s) {
        case PenStyle::Dash: return Qt::DashLine;
        case PenStyle::Dot: return Qt::DotLine;
        case PenStyle::DashDot: return Qt::DashDotLine;
        case PenStyle::DashDotDot: return Qt::DashDotDotLine;
        case PenStyle::Clear: return Qt::NoPen;
        default: return Qt::SolidLine;
    }
}

// Fonts are held in pixels of a 96-dpi screen; on a printer they scale to its dpi.
double deviceScale(const QPainter& p) {
    const int dpi = p.device() ? p.device()->logicalDpiY() : 96;
    const double s = dpi / 96.0;
    return std::abs(s - 1.0) < 0.3 ? 1.0 : s;
}

// Saves and restores a painter's state around one drawing call.
struct StateGuard {
    QPainter& p;
    explicit StateGuard(QPainter& painter) : p(painter) { p.save(); }
    ~StateGuard() { p.restore(); }
};

}  // namespace

Canvas::Canvas(QImage* image) : image_(image) {}
Canvas::Canvas(std::function<QPainter*()> painterSource) : source_(std::move(painterSource)) {}
Canvas::~Canvas() = default;

void Canvas::SetTargetImage(QImage* image) {
    Flush();
    image_ = image;
}

void Canvas::Flush() { own_.reset(); }

QPainter* Canvas::painter() {
    if (source_) return source_();
    if (!image_ || image_->isNull()) return nullptr;
    if (!own_) {
        own_ = std::make_unique<QPainter>(image_);
        own_->setRenderHint(QPainter::Antialiasing, false);
        own_->setRenderHint(QPainter::TextAntialiasing, true);
    }
    return own_.get();
}

void Canvas::applyPen(QPainter& p) const {
    if (Pen.Style == PenStyle::Clear) {
        p.setPen(Qt::NoPen);
        return;
    }
    QPen pen(ToQColor(Pen.Color));
    pen.setWidth(std::max(1, Pen.Width));
    pen.setStyle(toQt(Pen.Style));
    if (Pen.Width > 1) {
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    } else {
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
    }
    p.setPen(pen);
}

void Canvas::applyBrush(QPainter& p) const {
    if (Brush.Style == BrushStyle::Clear)
        p.setBrush(Qt::NoBrush);
    else
        p.setBrush(ToQColor(Brush.Color));
}

void Canvas::applyFont(QPainter& p) const {
    ui::Font f = Font;
    const double s = deviceScale(p);
    if (s != 1.0) f.PixelSize = int(std::lround(f.PixelSize * s));
    p.setFont(ToQFont(f));
    p.setPen(ToQColor(Font.Color));
}

void Canvas::applyClip(QPainter& p) const {
    if (clip_) p.setClipRect(toQRect(*clip_), p.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

std::string Canvas::shownText(const std::string& text) const {
    return IsSymbolFont(Font.Name) ? SymbolToUnicode(text) : text;
}

void Canvas::MoveTo(int x, int y) { PenPos = {x, y}; }

void Canvas::LineTo(int x, int y) {
    const Point from = PenPos;
    PenPos = {x, y};
    QPainter* p = painter();
    if (!p || Pen.Style == PenStyle::Clear || (from.X == x && from.Y == y)) return;
    StateGuard g(*p);
    p->setRenderHint(QPainter::Antialiasing, false);
    applyClip(*p);
    applyPen(*p);
    // A flat-capped one-pixel line leaves out its last point, as the original does.
    p->drawLine(from.X, from.Y, x, y);
}

void Canvas::Rectangle(int x1, int y1, int x2, int y2) {
    QPainter* p = painter();
    if (!p) return;
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    if (x2 - x1 < 1 || y2 - y1 < 1) return;
    StateGuard g(*p);
    applyClip(*p);
    if (Brush.Style == BrushStyle::Solid) p->fillRect(QRect(x1, y1, x2 - x1, y2 - y1), ToQColor(Brush.Color));
    if (Pen.Style != PenStyle::Clear) {
        applyPen(*p);
        p->setBrush(Qt::NoBrush);
        p->drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
    }
}

void Canvas::FillRect(const Rect& r) {
    QPainter* p = painter();
    if (!p || r.Width() <= 0 || r.Height() <= 0 || Brush.Style == BrushStyle::Clear) return;
    StateGuard g(*p);
    applyClip(*p);
    p->fillRect(toQRect(r), ToQColor(Brush.Color));
}

void Canvas::FrameRect(const Rect& r) {
    QPainter* p = painter();
    if (!p || r.Width() <= 0 || r.Height() <= 0) return;
    StateGuard g(*p);
    applyClip(*p);
    p->setPen(ToQColor(Brush.Color));
    p->setBrush(Qt::NoBrush);
    p->drawRect(QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1));
}

void Canvas::Ellipse(int x1, int y1, int x2, int y2) {
    QPainter* p = painter();
    if (!p) return;
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    StateGuard g(*p);
    applyClip(*p);
    applyPen(*p);
    applyBrush(*p);
    p->drawEllipse(QRect(x1, y1, std::max(0, x2 - x1 - 1), std::max(0, y2 - y1 - 1)));
}

void Canvas::TextOut(int x, int y, const std::string& text) {
    QPainter* p = painter();
    if (!p) return;
    const QString s = QString::fromStdString(shownText(text));
    StateGuard g(*p);
    applyClip(*p);
    applyFont(*p);
    const QFontMetrics fm = p->fontMetrics();
    const int w = fm.horizontalAdvance(s);
    if (Brush.Style == BrushStyle::Solid && w > 0) p->fillRect(QRect(x, y, w, fm.height()), ToQColor(Brush.Color));
    p->drawText(QPoint(x, y + fm.ascent()), s);
    PenPos = {x + w, y};
}

void Canvas::TextRect(const Rect& r, int x, int y, const std::string& text) {
    QPainter* p = painter();
    if (!p) return;
    StateGuard g(*p);
    applyClip(*p);
    p->setClipRect(toQRect(r), p->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    if (Brush.Style == BrushStyle::Solid) p->fillRect(toQRect(r), ToQColor(Brush.Color));
    applyFont(*p);
    const QFontMetrics fm = p->fontMetrics();
    p->drawText(QPoint(x, y + fm.ascent()), QString::fromStdString(shownText(text)));
}

int Canvas::DrawText(const std::string& text, Rect& r, unsigned flags) {
    int align = 0;
    if (flags & DT_CENTER)
        align |= Qt::AlignHCenter;
    else if (flags & DT_RIGHT)
        align |= Qt::AlignRight;
    else
        align |= Qt::AlignLeft;
    if ((flags & DT_SINGLELINE) && (flags & DT_VCENTER))
        align |= Qt::AlignVCenter;
    else if ((flags & DT_SINGLELINE) && (flags & DT_BOTTOM))
        align |= Qt::AlignBottom;
    else
        align |= Qt::AlignTop;
    if (flags & DT_WORDBREAK) align |= Qt::TextWordWrap;
    if (flags & DT_SINGLELINE) align |= Qt::TextSingleLine;
    QString s = QString::fromStdString(DisplayText(shownText(text)));
    if (flags & DT_SINGLELINE) s.replace('\n', ' ');

    QFont qf = ToQFont(Font);
    if (QPainter* p = source_ || (image_ && !image_->isNull()) ? painter() : nullptr) {
        ui::Font f = Font;
        const double sc = deviceScale(*p);
        if (sc != 1.0) f.PixelSize = int(std::lround(f.PixelSize * sc));
        qf = ToQFont(f);
        const QRect bound = QFontMetrics(qf).boundingRect(toQRect(r), align, s);
        if (flags & DT_CALCRECT) {
            r.Bottom = r.Top + bound.height();
            if (!(flags & DT_WORDBREAK)) r.Right = r.Left + bound.width();
            return bound.height();
        }
        StateGuard g(*p);
        applyClip(*p);
        if (!(flags & DT_NOCLIP)) p->setClipRect(toQRect(r), p->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
        if (Brush.Style == BrushStyle::Solid) p->fillRect(bound, ToQColor(Brush.Color));
        p->setFont(qf);
        p->setPen(ToQColor(Font.Color));
        p->drawText(toQRect(r), align, s);
        return bound.height();
    }
    const QRect bound = QFontMetrics(qf).boundingRect(toQRect(r), align, s);
    if (flags & DT_CALCRECT) {
        r.Bottom = r.Top + bound.height();
        if (!(flags & DT_WORDBREAK)) r.Right = r.Left + bound.width();
    }
    return bound.height();
}

int Canvas::TextWidth(const std::string& text) const {
    return QFontMetrics(ToQFont(Font)).horizontalAdvance(QString::fromStdString(shownText(text)));
}

int Canvas::TextHeight(const std::string&) const { return QFontMetrics(ToQFont(Font)).height(); }

void Canvas::Draw(int x, int y, const Bitmap& bitmap) {
    const QImage& img = bitmap.Image();
    QPainter* p = painter();
    if (!p || img.isNull()) return;
    StateGuard g(*p);
    applyClip(*p);
    p->drawImage(QPoint(x, y), img);
}

void Canvas::StretchDraw(const Rect& dest, const Bitmap& bitmap) {
    const QImage& img = bitmap.Image();
    QPainter* p = painter();
    if (!p || img.isNull() || dest.Width() <= 0 || dest.Height() <= 0) return;
    StateGuard g(*p);
    applyClip(*p);
    p->setRenderHint(QPainter::SmoothPixmapTransform, false);
    p->drawImage(toQRect(dest), img);
}

void Canvas::CopyRect(const Rect& dest, Canvas& source, const Rect& srcRect) {
    source.Flush();
    if (!source.image_ || source.image_->isNull()) return;
    const QImage src = source.image_->copy(toQRect(srcRect));
    QPainter* p = painter();
    if (!p) return;
    StateGuard g(*p);
    applyClip(*p);
    p->drawImage(toQRect(dest), src);
}

void Canvas::DrawControl(const Rect& dest, const Control& control, const Rect& source) {
    QPainter* p = painter();
    if (!p || dest.Width() <= 0 || dest.Height() <= 0 || source.Width() <= 0 || source.Height() <= 0) return;
    // Recorded as drawing commands, so that a printer (or a PDF file) gets lines and
    // text rather than a picture of the screen.  The recording is clipped to the
    // source from its start: the control's own clips then only narrow that clip.
    QPicture picture;
    {
        QPainter recorder(&picture);
        recorder.setClipRect(toQRect(source));
        control.Widget()->render(&recorder, QPoint(), QRegion(), QWidget::DrawChildren);
    }
    StateGuard g(*p);
    applyClip(*p);
    p->translate(dest.Left, dest.Top);
    // A picture replays scaled by the device's resolution over its own.
    const double rx = p->device() ? double(picture.logicalDpiX()) / p->device()->logicalDpiX() : 1.0;
    const double ry = p->device() ? double(picture.logicalDpiY()) / p->device()->logicalDpiY() : 1.0;
    p->scale(rx * dest.Width() / source.Width(), ry * dest.Height() / source.Height());
    p->translate(-source.Left / rx, -source.Top / ry);
    p->drawPicture(0, 0, picture);
}

Color Canvas::Pixel(int x, int y) {
    if (!image_ || !image_->valid(x, y)) return clBlack;
    Flush();
    return FromQColor(image_->pixelColor(x, y));
}

void Canvas::SetPixel(int x, int y, Color c) {
    if (image_ && !source_) {
        Flush();
        if (image_->valid(x, y)) image_->setPixelColor(x, y, ToQColor(c));
        return;
    }
    if (QPainter* p = painter()) {
        StateGuard g(*p);
        p->setPen(ToQColor(c));
        p->drawPoint(x, y);
    }
}

void Canvas::SetClipRect(const Rect& r) { clip_ = r; }
void Canvas::ResetClip() { clip_.reset(); }

// ---------------------------------------------------------------- Bitmap

Bitmap::Bitmap(int width, int height) {
    if (width > 0 && height > 0) {
        image_ = QImage(width, height, QImage::Format_RGB32);
        image_.fill(Qt::white);
    }
    canvas_.Brush.Color = clWhite;
    canvas_.Font.Color = clBlack;
}

void Bitmap::SetSize(int w, int h) {
    canvas_.Flush();
    if (w == Width() && h == Height()) return;
    QImage next;
    if (w > 0 && h > 0) {
        next = QImage(w, h, QImage::Format_RGB32);
        next.fill(Qt::white);
        if (!image_.isNull()) {
            QPainter p(&next);
            p.drawImage(0, 0, image_);
        }
    }
    image_ = std::move(next);
}

void Bitmap::SetMonochrome(bool on) {
    monochrome_ = on;
    if (!on) return;
    canvas_.Flush();
    const QRgb white = qRgb(255, 255, 255), black = qRgb(0, 0, 0);
    for (int y = 0; y < image_.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        for (int x = 0; x < image_.width(); ++x)
            line[x] = (qRgb(qRed(line[x]), qGreen(line[x]), qBlue(line[x])) == white) ? white : black;
    }
}

const QImage& Bitmap::Image() const {
    const_cast<ui::Canvas&>(canvas_).Flush();
    return image_;
}

QImage& Bitmap::Image() {
    canvas_.Flush();
    return image_;
}

QImage Bitmap::FileImage() const {
    const QImage& img = Image();
    if (img.isNull()) return img;
    switch (PixelFormat) {
        case ui::PixelFormat::Bits1: return img.convertToFormat(QImage::Format_Mono);
        case ui::PixelFormat::Bits4: {
            QList<QRgb> table;
            if (monochrome_)
                table = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
            else
                table = {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
                         qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
                         qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
                         qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
            return img.convertToFormat(QImage::Format_Indexed8, table, Qt::ThresholdDither);
        }
        case ui::PixelFormat::Bits8: return img.convertToFormat(QImage::Format_Indexed8);
        default: return img.convertToFormat(QImage::Format_RGB888);
    }
}

void Bitmap::SaveToFile(const std::string& fileName) const { SaveBitmapFiles({{this, fileName}}); }

void SaveBitmapFiles(const std::vector<std::pair<const Bitmap*, std::string>>& files) {
    std::vector<QImage> images;
    images.reserve(files.size());
    std::vector<BitmapFile> list;
    for (const auto& [bitmap, fileName] : files) list.push_back({&images.emplace_back(bitmap->FileImage()), fileName});
    CurrentServices().SaveBitmaps(list);
}

}  // namespace ui
