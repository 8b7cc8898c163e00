// StringGrid: a grid of text cells drawn by the layer with the original geometry.
//
// Cell (c, r) lies at the sum of the widths (heights) of the shown columns (rows)
// before it, each followed by GridLineWidth pixels of grid line; CellRect excludes
// the line.  Fixed rows and columns stay in place when the grid scrolls.  Every
// shown cell is drawn in order: with DefaultDrawing its background (fixed: button
// face, selected: highlight, other: Color) and its text at (left + 2, top + 2), then
// OnDrawCell, which draws on Canvas() in grid coordinates.  Coordinates of mouse
// events and of the canvas are those of the grid's client area (inside its 2-pixel
// border).  A press on a non-fixed cell selects it (OnClick when the selection
// moves), then OnMouseDown.
#pragma once

#include "ui/Canvas.h"
#include "ui/Control.h"

#include <QAbstractScrollArea>

#include <functional>
#include <string>
#include <vector>

namespace ui {

// Options.
enum : unsigned {
    goFixedVertLine = 1,
    goFixedHorzLine = 2,
    goVertLine = 4,
    goHorzLine = 8,
    goRangeSelect = 16,
    goDrawFocusSelected = 32,
    goRowSelect = 64,
    goThumbTracking = 128,
    goTabs = 256,
};
// Draw state of a cell.
enum : unsigned { gdSelected = 1, gdFocused = 2, gdFixed = 4 };
enum class ScrollStyle { None, Horizontal, Vertical, Both };

class StringGrid : public QAbstractScrollArea, public Control {
public:
    StringGrid(Container* parent, std::string name, Bounds b = {});

    int ColCount() const { return cols_; }
    int RowCount() const { return rows_; }
    void SetColCount(int n);
    void SetRowCount(int n);
    int FixedCols() const { return fixedCols_; }
    int FixedRows() const { return fixedRows_; }
    // A changed number of fixed columns or rows scrolls the grid back to its first
    // cells and selects the first cell after the fixed ones.
    void SetFixedCols(int n);
    void SetFixedRows(int n);
    int DefaultColWidth() const { return defColWidth_; }
    int DefaultRowHeight() const { return defRowHeight_; }
    void SetDefaultColWidth(int w);   // all columns
    void SetDefaultRowHeight(int h);  // all rows
    int ColWidth(int c) const;
    int RowHeight(int r) const;
    void SetColWidth(int c, int w);
    void SetRowHeight(int r, int h);
    int GridLineWidth() const { return lineWidth_; }
    void SetGridLineWidth(int w);
    unsigned Options() const { return options_; }
    void SetOptions(unsigned o);
    void SetScrollBars(ScrollStyle s);
    bool DefaultDrawing = true;
    ui::Color FixedColor = clBtnFace;

    std::string Cell(int c, int r) const;
    void SetCell(int c, int r, const std::string& text);

    int Row() const { return row_; }
    int Col() const { return col_; }
    void SetRow(int r);
    void SetCol(int c);
    int TopRow() const { return topRow_; }
    void SetTopRow(int r);
    int VisibleRowCount() const;

    Rect CellRect(int c, int r) const;
    // The cell at a point (-1, -1 outside the cells).
    void MouseToCell(int x, int y, int& col, int& row) const;
    // Height that shows every row (border included).
    int FullHeight() const;

    ui::Canvas& Canvas() { return canvas_; }
    std::function<void(int col, int row, const Rect& rect, unsigned state)> OnDrawCell;

    bool TakesFocus() const override { return true; }
    void DeliverKey(QKeyEvent* e, KeyChar replacement) override;
    void SetBounds(int left, int top, int width, int height) override;
    void Repaint() override;

protected:
    void paintEvent(QPaintEvent* e) override;
    void paintCells(QPainter& p);
    void resizeEvent(QResizeEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    int lineAfterCol(int c) const;
    int lineAfterRow(int r) const;
    std::vector<int> shownCols() const;
    std::vector<int> shownRows() const;
    int colLeft(int c) const;
    int rowTop(int r) const;
    void updateScroll();
    void moveTo(int c, int r, bool byUser);
    void initialize();

    int cols_ = 5, rows_ = 5, fixedCols_ = 1, fixedRows_ = 1;
    int defColWidth_ = 64, defRowHeight_ = 24, lineWidth_ = 1;
    unsigned options_ = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
    std::vector<int> colWidths_, rowHeights_;
    std::vector<std::vector<std::string>> cells_;
    int row_ = 1, col_ = 1, topRow_ = 1, leftCol_ = 1;
    QPainter* painter_ = nullptr;
    ui::Canvas canvas_{[this] { return painter_; }};
};

}  // namespace ui
