#include "ui/StringGrid.h"

#include "ui/Internal.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace ui {

StringGrid::StringGrid(Container* parent, std::string name, Bounds b)
    : QAbstractScrollArea(parent ? parent->ClientWidget() : nullptr), Control(this, parent, std::move(name)) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    viewport()->setMouseTracking(true);
    viewport()->setFocusPolicy(Qt::NoFocus);
    verticalScrollBar()->setFocusPolicy(Qt::NoFocus);
    horizontalScrollBar()->setFocusPolicy(Qt::NoFocus);
    colWidths_.assign(std::size_t(cols_), defColWidth_);
    rowHeights_.assign(std::size_t(rows_), defRowHeight_);
    cells_.assign(std::size_t(cols_), std::vector<std::string>(std::size_t(rows_)));
    SetColor(clWindow);
    SetScrollBars(ScrollStyle::Both);
    SetBounds(b.Left, b.Top, b.Width > 0 ? b.Width : 320, b.Height > 0 ? b.Height : 120);
    ApplyFont();
}

void StringGrid::SetColCount(int n) {
    n = std::max(n, 1);
    cols_ = n;
    colWidths_.resize(std::size_t(n), defColWidth_);
    cells_.resize(std::size_t(n), std::vector<std::string>(std::size_t(rows_)));
    fixedCols_ = std::min(fixedCols_, n - 1);
    col_ = std::clamp(col_, fixedCols_, n - 1);
    leftCol_ = std::clamp(leftCol_, fixedCols_, n - 1);
    updateScroll();
}

void StringGrid::SetRowCount(int n) {
    n = std::max(n, 1);
    rows_ = n;
    rowHeights_.resize(std::size_t(n), defRowHeight_);
    for (auto& col : cells_) col.resize(std::size_t(n));
    fixedRows_ = std::min(fixedRows_, n - 1);
    row_ = std::clamp(row_, fixedRows_, n - 1);
    topRow_ = std::clamp(topRow_, fixedRows_, n - 1);
    updateScroll();
}

void StringGrid::SetFixedCols(int n) {
    n = std::clamp(n, 0, cols_ - 1);
    if (n == fixedCols_) return;
    fixedCols_ = n;
    initialize();
}

void StringGrid::SetFixedRows(int n) {
    n = std::clamp(n, 0, rows_ - 1);
    if (n == fixedRows_) return;
    fixedRows_ = n;
    initialize();
}

void StringGrid::initialize() {
    leftCol_ = col_ = fixedCols_;
    topRow_ = row_ = fixedRows_;
    updateScroll();
}

void StringGrid::SetDefaultColWidth(int w) {
    defColWidth_ = w;
    std::fill(colWidths_.begin(), colWidths_.end(), w);
    updateScroll();
}

void StringGrid::SetDefaultRowHeight(int h) {
    defRowHeight_ = h;
    std::fill(rowHeights_.begin(), rowHeights_.end(), h);
    updateScroll();
}

int StringGrid::ColWidth(int c) const { return c >= 0 && c < cols_ ? colWidths_[std::size_t(c)] : 0; }
int StringGrid::RowHeight(int r) const { return r >= 0 && r < rows_ ? rowHeights_[std::size_t(r)] : 0; }

void StringGrid::SetColWidth(int c, int w) {
    if (c < 0 || c >= cols_) return;
    colWidths_[std::size_t(c)] = std::max(0, w);
    updateScroll();
}

void StringGrid::SetRowHeight(int r, int h) {
    if (r < 0 || r >= rows_) return;
    rowHeights_[std::size_t(r)] = std::max(0, h);
    updateScroll();
}

void StringGrid::SetGridLineWidth(int w) {
    lineWidth_ = std::max(0, w);
    updateScroll();
}

void StringGrid::SetOptions(unsigned o) {
    options_ = o;
    verticalScrollBar()->setTracking(o & goThumbTracking);
    horizontalScrollBar()->setTracking(o & goThumbTracking);
    updateScroll();
}

void StringGrid::SetScrollBars(ScrollStyle s) {
    const bool v = s == ScrollStyle::Vertical || s == ScrollStyle::Both;
    const bool h = s == ScrollStyle::Horizontal || s == ScrollStyle::Both;
    setVerticalScrollBarPolicy(v ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    updateScroll();
}

std::string StringGrid::Cell(int c, int r) const {
    if (c < 0 || c >= cols_ || r < 0 || r >= rows_) return {};
    return cells_[std::size_t(c)][std::size_t(r)];
}

void StringGrid::SetCell(int c, int r, const std::string& text) {
    if (c < 0 || c >= cols_ || r < 0 || r >= rows_) return;
    cells_[std::size_t(c)][std::size_t(r)] = text;
    viewport()->update();
}

int StringGrid::lineAfterCol(int c) const {
    return (c < fixedCols_ ? (options_ & goFixedVertLine) : (options_ & goVertLine)) ? lineWidth_ : 0;
}

int StringGrid::lineAfterRow(int r) const {
    return (r < fixedRows_ ? (options_ & goFixedHorzLine) : (options_ & goHorzLine)) ? lineWidth_ : 0;
}

std::vector<int> StringGrid::shownCols() const {
    std::vector<int> v;
    for (int c = 0; c < fixedCols_; ++c) v.push_back(c);
    for (int c = std::max(leftCol_, fixedCols_); c < cols_; ++c) v.push_back(c);
    return v;
}

std::vector<int> StringGrid::shownRows() const {
    std::vector<int> v;
    for (int r = 0; r < fixedRows_; ++r) v.push_back(r);
    for (int r = std::max(topRow_, fixedRows_); r < rows_; ++r) v.push_back(r);
    return v;
}

int StringGrid::colLeft(int c) const {
    int x = 0;
    for (int col : shownCols()) {
        if (col == c) return x;
        x += ColWidth(col) + lineAfterCol(col);
    }
    return -1;
}

int StringGrid::rowTop(int r) const {
    int y = 0;
    for (int row : shownRows()) {
        if (row == r) return y;
        y += RowHeight(row) + lineAfterRow(row);
    }
    return -1;
}

Rect StringGrid::CellRect(int c, int r) const {
    const int x = colLeft(c), y = rowTop(r);
    if (x < 0 || y < 0) return {};
    return {x, y, x + ColWidth(c), y + RowHeight(r)};
}

void StringGrid::MouseToCell(int x, int y, int& col, int& row) const {
    col = row = -1;
    int left = 0;
    for (int c : shownCols()) {
        const int w = ColWidth(c) + lineAfterCol(c);
        if (x >= left && x < left + w) {
            col = c;
            break;
        }
        left += w;
    }
    int top = 0;
    for (int r : shownRows()) {
        const int h = RowHeight(r) + lineAfterRow(r);
        if (y >= top && y < top + h) {
            row = r;
            break;
        }
        top += h;
    }
    if (col < 0 || row < 0) col = row = -1;
}

int StringGrid::FullHeight() const {
    int h = 0;
    for (int r = 0; r < rows_; ++r) h += RowHeight(r) + lineAfterRow(r);
    return h + 2 * frameWidth();
}

int StringGrid::VisibleRowCount() const {
    const int avail = viewport()->height();
    int y = 0;
    for (int r = 0; r < fixedRows_; ++r) y += RowHeight(r) + lineAfterRow(r);
    int n = 0;
    for (int r = std::max(topRow_, fixedRows_); r < rows_; ++r) {
        y += RowHeight(r);
        if (y > avail) break;
        y += lineAfterRow(r);
        ++n;
    }
    return n;
}

void StringGrid::updateScroll() {
    // Rows that fit below the fixed rows when scrolled to the end.
    const int avail = std::max(0, QAbstractScrollArea::height() - 2 * frameWidth() -
                                      (horizontalScrollBar()->isVisible() ? horizontalScrollBar()->height() : 0));
    int fixedH = 0;
    for (int r = 0; r < fixedRows_; ++r) fixedH += RowHeight(r) + lineAfterRow(r);
    int fit = 0, y = fixedH;
    for (int r = rows_ - 1; r >= fixedRows_; --r) {
        y += RowHeight(r);
        if (y > avail) break;
        y += lineAfterRow(r);
        ++fit;
    }
    const int maxTop = std::max(0, rows_ - fixedRows_ - std::max(fit, 1));
    verticalScrollBar()->setRange(0, maxTop);
    verticalScrollBar()->setPageStep(std::max(1, fit));
    const int availW = std::max(0, QAbstractScrollArea::width() - 2 * frameWidth());
    int fixedW = 0;
    for (int c = 0; c < fixedCols_; ++c) fixedW += ColWidth(c) + lineAfterCol(c);
    int fitC = 0, x = fixedW;
    for (int c = cols_ - 1; c >= fixedCols_; --c) {
        x += ColWidth(c);
        if (x > availW) break;
        x += lineAfterCol(c);
        ++fitC;
    }
    horizontalScrollBar()->setRange(0, std::max(0, cols_ - fixedCols_ - std::max(fitC, 1)));
    horizontalScrollBar()->setPageStep(std::max(1, fitC));
    topRow_ = std::clamp(topRow_, fixedRows_, std::max(fixedRows_, fixedRows_ + maxTop));
    verticalScrollBar()->setValue(topRow_ - fixedRows_);
    horizontalScrollBar()->setValue(leftCol_ - fixedCols_);
    viewport()->update();
}

void StringGrid::scrollContentsBy(int, int) {
    topRow_ = fixedRows_ + verticalScrollBar()->value();
    leftCol_ = fixedCols_ + horizontalScrollBar()->value();
    viewport()->update();
}

void StringGrid::SetTopRow(int r) {
    topRow_ = std::clamp(r, fixedRows_, rows_ - 1);
    updateScroll();
}

void StringGrid::SetRow(int r) { moveTo(col_, r, false); }
void StringGrid::SetCol(int c) { moveTo(c, row_, false); }

void StringGrid::moveTo(int c, int r, bool byUser) {
    c = std::clamp(c, fixedCols_, cols_ - 1);
    r = std::clamp(r, fixedRows_, rows_ - 1);
    if (c == col_ && r == row_) return;
    col_ = c;
    row_ = r;
    if (r < topRow_) {
        topRow_ = r;
    } else {
        const int vis = std::max(1, VisibleRowCount());
        if (r >= topRow_ + vis) topRow_ = r - vis + 1;
    }
    updateScroll();
    if (byUser) Click();
}

void StringGrid::SetBounds(int left, int top, int width, int height) {
    Control::SetBounds(left, top, width, height);
    updateScroll();
    // The scroll bars come and go at once (Qt shows or hides them in a queued call),
    // so a grid enlarged to show every row renders without them.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void StringGrid::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    updateScroll();
}

void StringGrid::Repaint() {
    if (isVisible()) viewport()->repaint();
}

void StringGrid::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    painter_ = &p;
    // A cell handler that throws ends this paint; the next one draws the grid whole.
    Guarded([&] { paintCells(p); });
    canvas_.ResetClip();
    painter_ = nullptr;
}

void StringGrid::paintCells(QPainter& p) {
    const ui::Font font = Font();
    p.fillRect(viewport()->rect(), ToQColor(Color()));
    const std::vector<int> cols = shownCols(), rows = shownRows();
    const int w = viewport()->width(), h = viewport()->height();
    // Extent of the drawn cells.
    int right = 0, bottom = 0;
    for (int c : cols) {
        if (right >= w) break;
        right += ColWidth(c) + lineAfterCol(c);
    }
    for (int r : rows) {
        if (bottom >= h) break;
        bottom += RowHeight(r) + lineAfterRow(r);
    }
    // Grid lines.
    int x = 0;
    for (int c : cols) {
        if (x >= w) break;
        x += ColWidth(c);
        if (const int lw = lineAfterCol(c))
            p.fillRect(QRect(x, 0, lw, bottom), ToQColor(c < fixedCols_ ? clBlack : clSilver));
        x += lineAfterCol(c);
    }
    int y = 0;
    for (int r : rows) {
        if (y >= h) break;
        y += RowHeight(r);
        if (const int lw = lineAfterRow(r))
            p.fillRect(QRect(0, y, right, lw), ToQColor(r < fixedRows_ ? clBlack : clSilver));
        y += lineAfterRow(r);
    }
    // Cells; where the painting is clipped (a part of the grid drawn on a printer
    // page) only those within the clip.
    const QRect area = p.hasClipping() ? p.clipBoundingRect().toAlignedRect() : viewport()->rect();
    y = 0;
    for (int r : rows) {
        if (y >= h) break;
        x = 0;
        for (int c : cols) {
            if (x >= w) break;
            const Rect rect{x, y, x + ColWidth(c), y + RowHeight(r)};
            if (!area.intersects(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()))) {
                x += ColWidth(c) + lineAfterCol(c);
                continue;
            }
            const bool fixed = c < fixedCols_ || r < fixedRows_;
            const bool selected = !fixed && r == row_ && ((options_ & goRowSelect) || c == col_);
            unsigned state = fixed ? unsigned(gdFixed) : 0u;
            if (selected) state |= gdSelected;
            if (selected && c == col_ && Focused()) state |= gdFocused;
            canvas_.Font = font;
            canvas_.Pen = {};
            canvas_.ResetClip();
            canvas_.Brush.Style = BrushStyle::Solid;
            canvas_.Brush.Color = fixed ? FixedColor : selected ? clHighlight : Color();
            if (DefaultDrawing) {
                if (selected) canvas_.Font.Color = clHighlightText;
                canvas_.TextRect(rect, rect.Left + 2, rect.Top + 2, Cell(c, r));
            }
            if (OnDrawCell) OnDrawCell(c, r, rect, state);
            if (DefaultDrawing && fixed) {
                p.setPen(ToQColor(clBtnHighlight));
                p.drawLine(rect.Left, rect.Top, rect.Right - 1, rect.Top);
                p.drawLine(rect.Left, rect.Top, rect.Left, rect.Bottom - 1);
                p.setPen(ToQColor(clBtnShadow));
                p.drawLine(rect.Left, rect.Bottom - 1, rect.Right - 1, rect.Bottom - 1);
                p.drawLine(rect.Right - 1, rect.Top, rect.Right - 1, rect.Bottom - 1);
            }
            x += ColWidth(c) + lineAfterCol(c);
        }
        y += RowHeight(r) + lineAfterRow(r);
    }
}

void StringGrid::mousePressEvent(QMouseEvent* e) {
    Guarded([&] {
        const QPoint pos = e->position().toPoint();
        if (e->button() == Qt::LeftButton) {
            int c, r;
            MouseToCell(pos.x(), pos.y(), c, r);
            if (c >= fixedCols_ && r >= fixedRows_) moveTo(c, r, true);
        }
        FireMouseDown(e);
    });
}

void StringGrid::mouseReleaseEvent(QMouseEvent* e) { FireMouseUp(e, false); }
void StringGrid::mouseMoveEvent(QMouseEvent* e) { FireMouseMove(e); }
void StringGrid::mouseDoubleClickEvent(QMouseEvent*) { FireDblClick(); }

void StringGrid::DeliverKey(QKeyEvent* e, KeyChar) {
    if (e->type() != QEvent::KeyPress) return;
    const int page = std::max(1, VisibleRowCount());
    switch (e->key()) {
        case Qt::Key_Up: moveTo(col_, row_ - 1, true); break;
        case Qt::Key_Down: moveTo(col_, row_ + 1, true); break;
        case Qt::Key_Left: moveTo(col_ - 1, row_, true); break;
        case Qt::Key_Right: moveTo(col_ + 1, row_, true); break;
        case Qt::Key_PageUp: moveTo(col_, row_ - page, true); break;
        case Qt::Key_PageDown: moveTo(col_, row_ + page, true); break;
        case Qt::Key_Home: moveTo(col_, fixedRows_, true); break;
        case Qt::Key_End: moveTo(col_, rows_ - 1, true); break;
        default: break;
    }
}

}  // namespace ui
