// Page control and string grid.
#include "EventLog.h"
#include "ui/TestHarness.h"

#include <QScrollBar>

using ui::test::Click;
using Items = std::vector<std::string>;

namespace {

struct PagesForm : ui::Form {
    ui::PageControl* PageControl1 = new ui::PageControl(this, "PageControl1", {8, 8, 320, 200});
    ui::TabSheet* TabSheet1 = new ui::TabSheet(PageControl1, "TabSheet1", "Inputs  ");
    ui::TabSheet* TabSheet2 = new ui::TabSheet(PageControl1, "TabSheet2", "Test dimensions   ");
    ui::TabSheet* TabSheet3 = new ui::TabSheet(PageControl1, "TabSheet3", "Identification   ");
    ui::Edit* Edit1 = new ui::Edit(TabSheet1, "Edit1", {8, 8, 100, 21});
    ui::Edit* Edit2 = new ui::Edit(TabSheet3, "Edit2", {8, 8, 100, 21});
    ui::Button* Button1 = new ui::Button(this, "Button1", {8, 220, 75, 25}, "COMPLE&X");

    PagesForm() : Form("PagesForm") { SetClientSize(340, 260); }
};

class Pages : public ui::test::FormTest {
protected:
    void SetUp() override {
        log.Watch({f.Edit1, f.Edit2, f.TabSheet1, f.TabSheet2, f.TabSheet3, f.Button1});
        for (ui::TabSheet* s : {f.TabSheet1, f.TabSheet2, f.TabSheet3}) {
            const std::string n = s->Name();
            s->OnShow = [this, n] { log.Add("show " + n); };
        }
        f.PageControl1->OnChange = [this] { log.Add("change"); };
        f.Show();
        f.SetActiveControl(f.Edit1);
        log.Clear();
    }
    PagesForm f;
    EventLog log;
};

TEST_F(Pages, ActivePageShowsOnceWithTheForm) {
    PagesForm g;
    int shows = 0;
    g.TabSheet1->OnShow = [&] { ++shows; };
    g.Show();
    g.Repaint();
    EXPECT_EQ(shows, 1);
    EXPECT_EQ(g.PageControl1->ActivePage(), g.TabSheet1);
    EXPECT_FALSE(g.Edit2->CanFocus());  // on a hidden page
}

TEST_F(Pages, TabPressMovesTheFocusOutOfTheOldPageAndIntoTheNewOne) {
    ui::Control* target = nullptr;
    ui::App().OnMessage = [&](ui::Message& m, bool&) {
        if (m.Msg == ui::WM_LBUTTONDOWN) target = m.Target;
    };
    ui::test::ClickTab(f.PageControl1, 2);
    EXPECT_EQ(target, f.PageControl1);
    EXPECT_EQ(log.items,
              (Items{"exit Edit1", "show TabSheet3", "exit TabSheet1", "enter TabSheet3", "enter Edit2", "change"}));
    EXPECT_EQ(f.PageControl1->ActivePage(), f.TabSheet3);
    EXPECT_EQ(f.ActiveControl(), f.Edit2);
    EXPECT_FALSE(f.TabSheet1->Visible());
}

TEST_F(Pages, RefusedExitCancelsThePageChange) {
    f.Edit1->OnExit = [this] {
        log.Add("exit Edit1");
        f.SetActiveControl(f.Edit1);
    };
    ui::test::ClickTab(f.PageControl1, 2);
    EXPECT_EQ(log.items, (Items{"exit Edit1"}));
    EXPECT_EQ(f.PageControl1->ActivePage(), f.TabSheet1);
    EXPECT_EQ(f.ActiveControl(), f.Edit1);
}

TEST_F(Pages, WithTheFocusOutsideOnlyThePagesSwap) {
    f.SetActiveControl(f.Button1);
    log.Clear();
    ui::test::ClickTab(f.PageControl1, 1);
    EXPECT_EQ(log.items, (Items{"show TabSheet2", "change"}));
    EXPECT_EQ(f.ActiveControl(), f.Button1);
}

TEST_F(Pages, ActivePageFromCodeFiresNoChange) {
    f.PageControl1->SetActivePage(f.TabSheet3);
    EXPECT_EQ(log.items, (Items{"exit Edit1", "show TabSheet3", "exit TabSheet1", "enter TabSheet3", "enter Edit2"}));
}

TEST_F(Pages, HiddenTabsKeepTheirPlace) {
    f.TabSheet2->SetTabVisible(false);
    EXPECT_EQ(f.PageControl1->PageOfTab(1), f.TabSheet3);
    EXPECT_EQ(f.TabSheet3->TabIndex(), 1);
    EXPECT_EQ(f.TabSheet2->TabIndex(), -1);
    ui::test::ClickTab(f.PageControl1, 1);
    EXPECT_EQ(f.PageControl1->ActivePage(), f.TabSheet3);
    f.TabSheet2->SetTabVisible(true);
    EXPECT_EQ(f.PageControl1->PageOfTab(1), f.TabSheet2);
    // Hiding the active page's tab gives the page after it.
    f.PageControl1->SetActivePage(f.TabSheet2);
    f.TabSheet2->SetTabVisible(false);
    EXPECT_EQ(f.PageControl1->ActivePage(), f.TabSheet3);
}

TEST_F(Pages, OwnerDrawnTabsAreDrawnByOnDrawTab) {
    std::vector<std::pair<int, bool>> calls;
    f.PageControl1->OwnerDraw = true;
    f.PageControl1->OnDrawTab = [&](int tab, const ui::Rect& r, bool active) {
        calls.emplace_back(tab, active);
        ui::Canvas& c = f.PageControl1->Canvas();
        c.Font.Style = active ? ui::fsBold : ui::fsItalic;
        c.Font.Color = ui::clRed;
        c.TextOut(r.Left + 6, r.Top + 3, f.PageControl1->PageOfTab(tab)->Caption());
    };
    f.TabSheet2->SetTabVisible(false);
    ui::test::Grab(&f);
    EXPECT_EQ(calls, (std::vector<std::pair<int, bool>>{{0, true}, {1, false}}));
}

// ---------------------------------------------------------------- grid

struct GridForm : ui::Form {
    ui::StringGrid* Grid = new ui::StringGrid(this, "Stringgrid1", {8, 7, 400, 200});
    GridForm() : Form("GridForm") {
        SetClientSize(420, 220);
        Grid->SetColCount(4);
        Grid->SetRowCount(20);
        Grid->SetDefaultRowHeight(18);
        Grid->SetRowHeight(0, 62);
        for (int c = 0; c < 4; ++c) Grid->SetColWidth(c, std::vector<int>{46, 206, 50, 60}[std::size_t(c)]);
        Grid->SetOptions(Grid->Options() | ui::goRowSelect | ui::goThumbTracking);
        Grid->SetScrollBars(ui::ScrollStyle::Vertical);
    }
};

// Cell rectangles derived by hand: each cell is followed by its grid line.
TEST(Grid, CellRectanglesFollowWidthsHeightsAndGridLines) {
    GridForm f;
    EXPECT_EQ(f.Grid->CellRect(0, 0), (ui::Rect{0, 0, 46, 62}));
    EXPECT_EQ(f.Grid->CellRect(1, 0), (ui::Rect{47, 0, 253, 62}));
    EXPECT_EQ(f.Grid->CellRect(2, 1), (ui::Rect{254, 63, 304, 81}));
    f.Grid->SetGridLineWidth(2);
    EXPECT_EQ(f.Grid->CellRect(1, 1), (ui::Rect{48, 64, 254, 82}));
    int c, r;
    f.Grid->MouseToCell(250, 70, c, r);
    EXPECT_EQ(c, 1);
    EXPECT_EQ(r, 1);
    f.Grid->MouseToCell(5, 63, c, r);  // the line under row 0 counts to row 0
    EXPECT_EQ(r, 0);
}

TEST(Grid, EveryShownCellIsOwnerDrawnAfterTheDefaultDrawing) {
    GridForm f;
    f.Grid->SetCell(1, 1, "Normalized low carbon steels");
    int fixedCells = 0, cells = 0;
    f.Grid->OnDrawCell = [&](int col, int row, const ui::Rect& rect, unsigned state) {
        ++cells;
        if (state & ui::gdFixed) ++fixedCells;
        if (col == 2 && row == 1) {
            ui::Canvas& cv = f.Grid->Canvas();
            cv.Brush.Color = ui::clRed;
            cv.FillRect(rect);
        }
    };
    f.Show();
    const QImage shot = ui::test::Grab(f.Grid->viewport());
    const ui::Rect r = f.Grid->CellRect(2, 1);
    EXPECT_EQ(QColor(shot.pixel(r.Left + 3, r.Top + 3)), QColor(255, 0, 0));
    EXPECT_GT(cells, 0);
    EXPECT_GE(fixedCells, 4 + 7);  // the header row and the first column of the shown rows
}

TEST(Grid, PressSelectsARowThenReportsTheMouse) {
    GridForm f;
    EventLog log;
    f.Grid->OnClick = [&] { log.Add("click " + std::to_string(f.Grid->Row())); };
    f.Grid->OnMouseUp = [&](ui::MouseButton, ui::ShiftState, int x, int y) {
        int c, r;
        f.Grid->MouseToCell(x, y, c, r);
        log.Add("up " + std::to_string(r));
    };
    f.Grid->OnDblClick = [&] { log.Add("double"); };
    f.Show();
    ui::test::ClickCell(f.Grid, 1, 3);
    EXPECT_EQ(f.Grid->Row(), 3);
    EXPECT_EQ(f.ActiveControl(), f.Grid);
    ui::test::ClickCell(f.Grid, 0, 0);  // fixed: no selection
    EXPECT_EQ(f.Grid->Row(), 3);
    EXPECT_EQ(log.items, (Items{"click 3", "up 3", "up 0"}));
    ui::test::DoubleClick(f.Grid, f.Grid->viewport()->mapTo(f.Grid, QPoint(60, 70)));
    EXPECT_EQ(log.items.back(), "up 1");
    EXPECT_NE(std::find(log.items.begin(), log.items.end(), "double"), log.items.end());
}

TEST(Grid, KeysMoveTheSelectionAndCharactersReachOnKeyPress) {
    GridForm f;
    std::vector<int> pressed;
    f.Grid->OnKeyPress = [&](ui::KeyChar& k) { pressed.push_back(k); };
    f.Show();
    ui::test::Key(Qt::Key_Down);
    ui::test::Key(Qt::Key_Down);
    EXPECT_EQ(f.Grid->Row(), 3);
    ui::test::Key(Qt::Key_End);
    EXPECT_EQ(f.Grid->Row(), 19);
    EXPECT_GT(f.Grid->TopRow(), 1);  // scrolled to show it
    ui::test::Enter();
    ui::test::Esc();
    EXPECT_EQ(pressed, (std::vector<int>{13, 27}));
}

// As the original library: a changed number of fixed rows or columns starts the grid
// again at its first cells.
TEST(Grid, ChangedFixedCountsShowTheFirstCellsAgain) {
    GridForm f;
    f.Show();
    f.Grid->SetRow(12);
    f.Grid->SetCol(3);
    ASSERT_GT(f.Grid->TopRow(), 1);
    f.Grid->SetFixedRows(0);
    f.Grid->SetFixedCols(0);
    EXPECT_EQ((std::vector<int>{f.Grid->TopRow(), f.Grid->Row(), f.Grid->Col()}), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(f.Grid->CellRect(0, 0), (ui::Rect{0, 0, 46, 62}));
}

TEST(Grid, FullHeightShowsEveryRow) {
    GridForm f;
    f.Show();
    f.Grid->SetHeight(f.Grid->FullHeight());
    EXPECT_FALSE(f.Grid->verticalScrollBar()->isVisible());  // gone at once
    EXPECT_EQ(f.Grid->VisibleRowCount(), 19);
    EXPECT_EQ(f.Grid->FullHeight(), 62 + 1 + 19 * (18 + 1) + 4);
    // Rendered into a bitmap the grid shows its last row, although the window cuts it off.
    f.Grid->SetCell(1, 19, "last");
    ui::Bitmap all(f.Grid->Width(), f.Grid->Height());
    f.Grid->RenderTo(all);
    const ui::Rect last = f.Grid->CellRect(1, 19);
    bool dark = false;
    for (int y = last.Top; y < last.Bottom; ++y)
        for (int x = last.Left; x < last.Right; ++x) dark |= QColor(all.Image().pixel(x + 2, y + 2)).lightness() < 100;
    EXPECT_TRUE(dark);
}

}  // namespace
