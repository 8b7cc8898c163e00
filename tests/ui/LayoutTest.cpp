// Places, sizes, fonts and colours as the windows give them.
#include "ui/TestHarness.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QGuiApplication>
#include <QScreen>

#include <cstdlib>

namespace {

// A part of a main window, placed as such a window gives its controls.
struct Sample : ui::Form {
    ui::GroupBox* GroupBox2 = new ui::GroupBox(this, "GroupBox2", {19, 25, 97, 65}, "Method");
    ui::RadioButton* RadioButton3 = new ui::RadioButton(GroupBox2, "RadioButton3", {8, 18, 80, 17}, "ISO  B");
    ui::RadioButton* RadioButton4 = new ui::RadioButton(GroupBox2, "RadioButton4", {8, 40, 80, 17}, "ISO  C");
    ui::Panel* Panel1 = new ui::Panel(this, "Panel1", {124, 269, 108, 39});
    ui::Button* Button13 = new ui::Button(this, "Button13", {134, 277, 90, 25}, "Service life");
    ui::Button* Button8 = new ui::Button(this, "Button8", {74, 322, 89, 33}, "Calculation");
    ui::Button* Button16 = new ui::Button(this, "Button16", {414, 15, 160, 23}, "Validity restrictions");
    ui::Label* Label4 = new ui::Label(this, "Label4", {312, 10}, "BENDING");
    ui::ScrollBox* ScrollBox1 = new ui::ScrollBox(this, "ScrollBox1", {238, 46, 244, 509});
    ui::Label* Label1 = new ui::Label(ScrollBox1, "Label1", {3, 3}, "s");
    ui::Label* Label2 = new ui::Label(ScrollBox1, "Label2", {12, 10}, "F1");
    ui::Label* Label9 = new ui::Label(ScrollBox1, "Label9", {60, 3}, "1000.0");
    ui::Edit* Edit1 = new ui::Edit(this, "Edit1", {18, 157, 89, 21}, "  1.3");

    Sample() : Form("Sample") {
        SetBounds(0, 0, 766, 621);
        SetCaption("Sample");
        SetFontStyle(ui::fsBold);
        Button8->SetFontPixels(13);
        Button16->SetFont(ui::Font{"MS Sans Serif", 16, 0, ui::clRed});
        Label4->SetFontPixels(19);
        ScrollBox1->SetFont(ui::Font{"Arial", 13, 0, ui::clBlack});
        Label1->SetFont(ui::Font{"Symbol", 19, 0, ui::clBlue});
        Label2->SetFontPixels(9);
        Label9->SetFontColor(ui::clRed);
        Panel1->SetColor(ui::clSilver);
        Button13->BringToFront();
        RadioButton3->SetChecked(true);
    }
};

TEST(Layout, FormSizesAreOuterSizesLessTheFrame) {
    Sample f;
    EXPECT_EQ(f.Width(), 766);
    EXPECT_EQ(f.Height(), 621);
    EXPECT_EQ(f.ClientWidth(), 766 - ui::FrameWidth);
    EXPECT_EQ(f.ClientHeight(), 621 - ui::FrameHeight);
    f.SetClientSize(372, 194);
    EXPECT_EQ(f.Width(), 372 + ui::FrameWidth);
    f.SetMaxWidth(300);
    f.SetWidth(703);
    EXPECT_EQ(f.Width(), 300);
}

TEST(Layout, DialogFormsResizeFromCodeAlsoWhileHidden) {
    ui::Form f("Results");
    f.BorderStyle = ui::BorderStyle::Single;
    f.SetClientSize(200, 100);
    f.Show();
    f.Hide();
    f.SetBounds(6, 6, 400, 300);  // as a window that sizes itself before it is shown
    f.Show();
    EXPECT_EQ(f.Width(), 400);
    EXPECT_EQ(f.Height(), 300);
    f.SetHeight(220);
    EXPECT_EQ(f.Height(), 220);
}

TEST(Layout, ScreenCentredFormsAreCentredByTheirFrames) {
    ui::Form f("Centred");
    f.SetClientSize(313, 150);
    f.Position = ui::Position::ScreenCenter;
    f.BorderStyle = ui::BorderStyle::Dialog;
    f.BorderIcons = 0;
    f.Show();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame = f.frameGeometry();
    EXPECT_LE(std::abs((frame.left() - screen.left()) - (screen.right() - frame.right())), 1);
    EXPECT_LE(std::abs((frame.top() - screen.top()) - (screen.bottom() - frame.bottom())), 1);
    EXPECT_EQ(f.ClientWidth(), 313);
}

TEST(Layout, PointsBecomePixelsAt96Dpi) {
    const std::vector<std::pair<int, int>> cases{{7, 9}, {8, 11}, {9, 12}, {10, 13}, {12, 16}, {13, 17}};
    for (auto [pt, px] : cases) {
        ui::Font f;
        EXPECT_EQ(f.SetSize(pt).PixelSize, px) << pt;
        EXPECT_EQ(f.Size(), pt);
    }
}

TEST(Layout, FontNamesMapToTheInstalledFamilies) {
    EXPECT_EQ(ui::MapFontFamily("MS Sans Serif"), "Liberation Sans");
    EXPECT_EQ(ui::MapFontFamily("Arial"), "Liberation Sans");
    EXPECT_EQ(ui::MapFontFamily("Courier New"), "Liberation Mono");
    EXPECT_EQ(ui::MapFontFamily("Garamond"), "Liberation Serif");
    EXPECT_EQ(QFontInfo(ui::ToQFont(ui::Font{"Arial", 13, 0, 0})).family(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(ui::ToQFont(ui::Font{"Courier New", 13, 0, 0})).family(), "Liberation Mono");
}

TEST(Layout, ControlsSitWhereTheyArePlacedWithTheirFonts) {
    Sample f;
    EXPECT_EQ(f.Button8->Widget()->geometry(), QRect(74, 322, 89, 33));
    EXPECT_EQ(f.RadioButton3->Widget()->mapTo(&f, QPoint(0, 0)), QPoint(19 + 8, 25 + 18));
    EXPECT_EQ(f.Label4->Left(), 312);
    EXPECT_EQ(f.Label4->Top(), 10);
    EXPECT_EQ(f.Button8->Font().PixelSize, 13);
    EXPECT_EQ(f.Button8->Font().Style, ui::fsBold);  // inherited from the form
    EXPECT_EQ(f.Label9->Font().Name, "Arial");       // inherited from the scroll box
    EXPECT_EQ(f.Label9->Font().Color, ui::clRed);
    EXPECT_EQ(QFontInfo(f.Label4->Widget()->font()).family(), "Liberation Sans");
    EXPECT_EQ(f.Label4->Widget()->font().pixelSize(), 19);
    EXPECT_TRUE(f.Label4->Widget()->font().bold());
    // An automatically sized label is as large as its text.
    const QFontMetrics fm(f.Label4->Widget()->font());
    EXPECT_EQ(f.Label4->Width(), fm.horizontalAdvance("BENDING"));
    EXPECT_GE(f.Label4->Height(), fm.height());
    EXPECT_LE(f.Label4->Height(), fm.height() + 1);
    // The Symbol font shows Greek letters.
    EXPECT_EQ(static_cast<QLabel*>(f.Label1)->text(), QString("σ"));
    EXPECT_EQ(f.Label1->Caption(), "s");
}

TEST(Layout, GrabbedFormShowsColoursAtTheirPlaces) {
    Sample f;
    f.Show();
    const QImage shot = ui::test::Grab(&f);
    ASSERT_EQ(shot.size(), QSize(758, 594));
    EXPECT_EQ(QColor(shot.pixel(5, 5)), ui::ToQColor(ui::clBtnFace));
    EXPECT_EQ(QColor(shot.pixel(128, 305)), QColor(192, 192, 192));             // inside the panel, beside its button
    EXPECT_EQ(QColor(shot.pixel(124, 269)), ui::ToQColor(ui::clBtnHighlight));  // its raised edge
    // The red caption of the validity button: red pixels inside the button only.
    int red = 0;
    for (int y = 15; y < 38; ++y)
        for (int x = 414; x < 574; ++x) {
            const QColor c(shot.pixel(x, y));
            if (c.red() > 200 && c.green() < 80 && c.blue() < 80) ++red;
        }
    EXPECT_GT(red, 20);
    // A label in the scroll box shows its whole text (the scrolled area follows it).
    const QPoint at = f.Label9->Widget()->mapTo(&f, QPoint(f.Label9->Width() - 1, 0));
    EXPECT_LE(at.x() + 1,
              f.ScrollBox1->ClientWidget()->mapTo(&f, QPoint(f.ScrollBox1->ClientWidget()->width(), 0)).x());
}

TEST(Layout, LabelsBreakLinesAtCarriageReturnsAndHideAccelerators) {
    ui::Form f("Labels");
    auto* l = new ui::Label(&f, "Label1", {8, 8}, "one");
    const int oneLine = l->Height();
    l->SetCaption("one\rtwo");
    EXPECT_EQ(l->Height(), 2 * oneLine);
    l->SetCaption("&Basic && more");
    EXPECT_EQ(static_cast<QLabel*>(l)->text(), QString("Basic & more"));
    auto* fixed = new ui::Label(&f, "Label2", {8, 40, 645, 60}, "fixed size");
    EXPECT_EQ(fixed->Width(), 645);
    EXPECT_EQ(fixed->Height(), 60);
}

// Lines advance by more than the font height: the last of five lines is drawn whole.
TEST(Layout, AutoSizedLabelShowsEveryLineWhole) {
    ui::Form f("Labels");
    auto* l = new ui::Label(&f, "Label3", {18, 18},
                            "Calculation by ISO is invalid.\r\r   Ratio sr1 / ht1 must be greater than 0.5\r\r"
                            "      Present ratio sr1 / ht1 =  0.33");
    const QString shown = static_cast<QLabel*>(l)->text();
    QImage free(l->Width() + 20, 4 * l->Height(), QImage::Format_RGB32);
    free.fill(Qt::white);
    {
        QPainter p(&free);
        p.setFont(l->Widget()->font());
        p.drawText(free.rect(), Qt::AlignLeft | Qt::AlignTop, shown);
    }
    int lastInk = -1;
    for (int y = 0; y < free.height(); ++y)
        for (int x = 0; x < free.width(); ++x)
            if (QColor(free.pixel(x, y)).lightness() < 128) lastInk = y;
    ASSERT_GT(lastInk, 0);
    EXPECT_LT(lastInk, l->Height());
    EXPECT_GE(l->Height(), 5 * QFontMetrics(l->Widget()->font()).lineSpacing());
}

// A disabled button shows its caption grey, whatever the colour of its font.
TEST(Layout, DisabledButtonsShowTheirCaptionGrey) {
    ui::Form f("Grey");
    auto* plain = new ui::Button(&f, "Button9", {8, 8, 89, 25}, "Save data");
    auto* red = new ui::Button(&f, "Button16", {8, 40, 160, 23}, "Validity restrictions");
    red->SetFont(ui::Font{"MS Sans Serif", 16, 0, ui::clRed});
    f.Show();
    const auto darkest = [](const QImage& img) {
        int d = 255;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) d = std::min(d, QColor(img.pixel(x, y)).lightness());
        return d;
    };
    const auto reddest = [](const QImage& img) {
        int r = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                r = std::max(r, QColor(img.pixel(x, y)).red() - QColor(img.pixel(x, y)).green());
        return r;
    };
    EXPECT_LT(darkest(ui::test::Grab(plain)), 60);
    EXPECT_GT(reddest(ui::test::Grab(red)), 150);
    plain->SetEnabled(false);
    red->SetEnabled(false);
    EXPECT_GT(darkest(ui::test::Grab(plain)), 90);
    EXPECT_LT(reddest(ui::test::Grab(red)), 30);
}

TEST(Layout, ScrollBoxHoldsItsControlsInItsScrolledArea) {
    Sample f;
    new ui::Label(f.ScrollBox1, "Label231", {60, 480}, "1.000");
    EXPECT_GE(f.ScrollBox1->ClientWidget()->height(), 480 + 13);
    int shown = 0;
    for (ui::Control* c : f.ScrollBox1->Controls()) {
        c->Hide();
        shown += c->Visible();
    }
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(f.ScrollBox1->ControlCount(), 4);
    EXPECT_EQ(f.FindControl("Label231")->Parent(), f.ScrollBox1);
}

}  // namespace

namespace {

struct Kinds : ui::Form {
    ui::PageControl* PageControl1 = new ui::PageControl(this, "PageControl1", {8, 8, 360, 230});
    ui::TabSheet* TabSheet1 = new ui::TabSheet(PageControl1, "TabSheet1", "Inputs  ");
    ui::TabSheet* TabSheet2 = new ui::TabSheet(PageControl1, "TabSheet2", "Test dimensions   ");
    ui::CheckBox* CheckBox1 = new ui::CheckBox(TabSheet1, "CheckBox1", {8, 8, 120, 17}, "Rounded root");
    ui::ComboBox* ComboBox1 = new ui::ComboBox(TabSheet1, "ComboBox1", {8, 32, 200, 21}, {"Case-hardened steel"});
    ui::Bevel* Bevel1 = new ui::Bevel(TabSheet1, "Bevel1", {8, 64, 200, 60});
    ui::Label* Label5 = new ui::Label(TabSheet1, "Label5", {60, 72}, "Warning !");
    ui::StringGrid* Grid = new ui::StringGrid(this, "StringGrid1", {380, 8, 300, 140});
    ui::PaintBox* PaintBox1 = new ui::PaintBox(this, "PaintBox1", {380, 156, 300, 120});

    Kinds() : Form("Kinds") {
        SetClientSize(700, 290);
        ComboBox1->SetItemIndex(0);
        Label5->SetFont(ui::Font{"MS Sans Serif", 16, ui::fsBold, ui::clRed});
        PageControl1->OwnerDraw = true;
        PageControl1->OnDrawTab = [this](int tab, const ui::Rect& r, bool active) {
            ui::Canvas& c = PageControl1->Canvas();
            c.Font.Style = active ? ui::fsBold : ui::fsItalic;
            c.Font.Color = ui::clRed;
            c.TextOut(r.Left + 6, r.Top + 3, PageControl1->PageOfTab(tab)->Caption());
        };
        Grid->SetColCount(3);
        Grid->SetRowCount(6);
        Grid->SetDefaultRowHeight(22);
        Grid->SetColWidth(0, 140);
        Grid->SetCell(0, 1, "Number of teeth");
        Grid->SetCell(1, 0, "Dimens.");
        Grid->SetFont(ui::Font{"Arial", 13, 0, ui::clBlack});
        PaintBox1->OnPaint = [this] {
            ui::Canvas& c = PaintBox1->Canvas();
            c.Brush.Color = ui::clBtnFace;
            c.FillRect(PaintBox1->ClientRect());
            c.Pen.Color = ui::clBlack;
            c.MoveTo(20, 100);
            c.LineTo(280, 100);
            c.MoveTo(30, 110);
            c.LineTo(30, 10);
            c.Pen.Color = ui::clPurple;
            c.Pen.Width = 2;
            c.MoveTo(30, 30);
            c.LineTo(150, 60);
            c.LineTo(270, 60);
            c.Pen.Width = 1;
            c.Pen.Color = ui::clBlue;
            c.Brush.Color = ui::clBtnFace;
            c.Ellipse(146, 56, 155, 65);
            c.Font.Name = "Courier New";
            c.Font.SetSize(12);
            c.Font.Style = ui::fsBold;
            c.TextOut(240, 80, "log");
            c.Font.Name = "Symbol";
            c.Font.SetSize(16);
            c.Font.Color = ui::clBlue;
            c.TextOut(4, 0, "s");
        };
    }
};

TEST(Layout, GrabbedFormShowsEveryKindOfControl) {
    Kinds f;
    f.Show();
    const QImage shot = ui::test::Grab(&f);
    // The chart's axis in the paint box: black from x 20 to 279 at y 100.
    EXPECT_EQ(QColor(shot.pixel(380 + 20, 156 + 100)), QColor(0, 0, 0));
    EXPECT_EQ(QColor(shot.pixel(380 + 279, 156 + 100)), QColor(0, 0, 0));
    EXPECT_EQ(QColor(shot.pixel(380 + 280, 156 + 100)), ui::ToQColor(ui::clBtnFace));
    // The grid's fixed first row is button face, its other cells white.
    const ui::Rect fixedCell = f.Grid->CellRect(1, 0), cell = f.Grid->CellRect(1, 2);
    const QPoint g = f.Grid->viewport()->mapTo(&f, QPoint(0, 0));
    EXPECT_EQ(QColor(shot.pixel(g.x() + fixedCell.Right - 5, g.y() + fixedCell.Top + 5)), ui::ToQColor(ui::clBtnFace));
    EXPECT_EQ(QColor(shot.pixel(g.x() + cell.Right - 5, g.y() + cell.Top + 5)), QColor(255, 255, 255));
}

}  // namespace
