// OnPaint as a logical event, paint boxes and canvas drawing.
#include "EventLog.h"
#include "ui/TestHarness.h"

#include <QExposeEvent>
#include <QWindow>

using Items = std::vector<std::string>;

namespace {

struct PaintForm : ui::Form {
    ui::Label* Label1 = new ui::Label(this, "Label1", {8, 8}, "0");
    ui::PaintBox* PaintBox1 = new ui::PaintBox(this, "PaintBox1", {8, 30, 120, 80});
    PaintForm() : Form("PaintForm") { SetClientSize(200, 130); }
};

TEST(Paint, FiresOnFirstShowingAndOnRepaintOnlyWhileVisible) {
    PaintForm f;
    int paints = 0;
    f.OnPaint = [&] { ++paints; };
    f.Repaint();  // hidden: nothing
    EXPECT_EQ(paints, 0);
    f.Show();
    EXPECT_EQ(paints, 1);
    f.Repaint();
    EXPECT_EQ(paints, 2);
    f.Hide();
    f.Repaint();
    EXPECT_EQ(paints, 2);
}

TEST(Paint, IsNotReenteredByTheDrawingOfControls) {
    PaintForm f;
    int paints = 0, depth = 0, maxDepth = 0;
    f.OnPaint = [&] {
        ++paints;
        maxDepth = std::max(maxDepth, ++depth);
        // Paint handlers do data work on controls; their redrawing must not come back here.
        f.Label1->SetCaption(std::to_string(paints));
        f.Label1->Repaint();
        f.PaintBox1->Repaint();
        --depth;
    };
    f.Show();
    ui::test::Grab(&f);
    EXPECT_EQ(paints, 1);
    // A Repaint requested by the handler itself runs once after it, not inside it.
    f.OnPaint = [&] {
        ++paints;
        maxDepth = std::max(maxDepth, ++depth);
        f.Repaint();
        --depth;
    };
    f.Repaint();
    EXPECT_EQ(paints, 3);
    EXPECT_EQ(maxDepth, 1);
}

TEST(Paint, PaintBoxDrawsThroughItsOnPaintWithTheClipReleasedAfterIt) {
    PaintForm f;
    bool clip = true;
    f.PaintBox1->OnPaint = [&] {
        ui::Canvas& c = f.PaintBox1->Canvas();
        c.Brush.Color = ui::clWhite;
        c.FillRect({0, 0, 120, 80});
        if (clip) c.SetClipRect({0, 0, 60, 80});
        c.Brush.Color = ui::clRed;
        c.FillRect({10, 10, 110, 20});
    };
    f.Show();
    const QImage first = f.PaintBox1->Picture();
    EXPECT_EQ(QColor(first.pixel(20, 15)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(first.pixel(100, 15)), QColor(255, 255, 255));  // clipped
    EXPECT_FALSE(f.PaintBox1->Canvas().HasClip());                   // released after the paint
    clip = false;
    EXPECT_EQ(QColor(f.PaintBox1->Picture().pixel(100, 15)), QColor(255, 0, 0));
    // The paint box is also drawn when the form is rendered.
    const QImage shot = ui::test::Grab(&f);
    EXPECT_EQ(QColor(shot.pixel(8 + 100, 30 + 15)), QColor(255, 0, 0));
}

// Controls on the form's own surface, and inside a group box that draws itself.
struct SurfaceForm : ui::Form {
    ui::Label* Label1 = new ui::Label(this, "Label1", {8, 8}, "0");
    ui::Button* Button1 = new ui::Button(this, "Button1", {8, 30, 75, 25}, "Change");
    ui::Edit* Edit1 = new ui::Edit(this, "Edit1", {8, 60, 100, 21});
    ui::GroupBox* GroupBox1 = new ui::GroupBox(this, "GroupBox1", {120, 8, 100, 80}, "Box");
    ui::Label* Label2 = new ui::Label(GroupBox1, "Label2", {8, 20}, "inside");
    explicit SurfaceForm(const std::string& name) : Form(name) { SetBounds(0, 0, 248, 127); }
};

TEST(Paint, RunsOnceAfterAnInputEventThatChangedTheFormsSurface) {
    SurfaceForm f("F");
    int paints = 0;
    f.OnPaint = [&] { ++paints; };
    f.Show();
    ui::test::ProcessEvents();
    EXPECT_EQ(paints, 1);  // the showing; the first expose of its window is that paint
    f.Button1->OnClick = [&] {
        f.Label1->SetCaption("1");
        f.Label1->SetLeft(12);
        f.Edit1->Hide();
    };
    ui::test::Click(f.Button1);
    EXPECT_EQ(paints, 2);
    // Inside the group box, an edit's text: the form's surface is unchanged.
    f.Button1->OnClick = [&] {
        f.Label2->SetCaption("changed");
        f.Edit1->SetText("typed");
    };
    ui::test::Click(f.Button1);
    EXPECT_EQ(paints, 2);
    // What the form's own paint changes does not paint it again.
    f.OnPaint = [&] { f.Label1->SetCaption(std::to_string(++paints)); };
    f.Repaint();
    ui::test::ProcessEvents();
    EXPECT_EQ(paints, 3);
    // Uncovered, the window paints again.
    QExposeEvent expose(QRegion(0, 0, 240, 100));
    QCoreApplication::sendEvent(f.windowHandle(), &expose);
    ui::test::ProcessEvents();
    EXPECT_EQ(paints, 4);
}

TEST(Paint, RunsAfterAnActivationAndWhenAWindowOverTheFormGoes) {
    SurfaceForm a("A"), b("B");
    EventLog log;
    log.WatchForm(&a);
    log.WatchForm(&b);
    // The activation changes the form's surface too: still one paint.
    a.OnActivate = [&] {
        log.Add("activate A");
        a.Label1->SetCaption("active");
    };
    a.Show();
    b.Show();
    ui::test::ProcessEvents();
    log.Clear();
    ui::test::ClickAt(&a, 230, 95);
    EXPECT_EQ(log.items, (Items{"deactivate B", "activate A", "paint A"}));
    log.Clear();
    b.Hide();  // B lay over A
    ui::test::ProcessEvents();
    EXPECT_EQ(log.items, (Items{"paint A"}));
    b.SetBounds(400, 300, 248, 127);
    b.Show();
    ui::test::ClickAt(&a, 230, 95);
    ui::test::ProcessEvents();
    log.Clear();
    b.Hide();  // beside A
    ui::test::ProcessEvents();
    EXPECT_TRUE(log.items.empty());
}

// Reference pixels worked out by hand from the original rectangle and line rules.
TEST(Canvas, RectanglesExcludeTheirRightAndBottomEdgeAndLinesTheirLastPoint) {
    ui::Bitmap b(40, 30);
    ui::Canvas& c = b.Canvas();
    c.Pen.Color = ui::clBlack;
    c.Brush.Color = ui::clBlue;
    c.Rectangle(10, 10, 20, 15);  // outline x 10..19, y 10..14
    const QImage& img = b.Image();
    EXPECT_EQ(QColor(img.pixel(10, 10)), QColor(0, 0, 0));
    EXPECT_EQ(QColor(img.pixel(19, 14)), QColor(0, 0, 0));
    EXPECT_EQ(QColor(img.pixel(20, 14)), QColor(255, 255, 255));
    EXPECT_EQ(QColor(img.pixel(19, 15)), QColor(255, 255, 255));
    EXPECT_EQ(QColor(img.pixel(15, 12)), QColor(0, 0, 255));
    c.MoveTo(0, 25);
    c.LineTo(10, 25);  // x 0..9
    EXPECT_EQ(c.PenPos, (ui::Point{10, 25}));
    EXPECT_EQ(QColor(b.Image().pixel(9, 25)), QColor(0, 0, 0));
    EXPECT_EQ(QColor(b.Image().pixel(10, 25)), QColor(255, 255, 255));
    c.Brush.Color = ui::clGreen;
    c.FillRect({30, 0, 32, 2});
    EXPECT_EQ(QColor(b.Image().pixel(31, 1)), QColor(0, 128, 0));
    EXPECT_EQ(QColor(b.Image().pixel(32, 1)), QColor(255, 255, 255));
}

TEST(Canvas, TextOutIsOpaqueUnlessTheBrushIsClearAndMovesThePen) {
    ui::Bitmap b(100, 30);
    ui::Canvas& c = b.Canvas();
    c.Font.Name = "Courier New";
    c.Font.SetSize(12);
    EXPECT_EQ(c.Font.PixelSize, 16);
    c.Brush.Color = ui::clYellow;
    c.TextOut(2, 2, "log");
    EXPECT_EQ(c.PenPos, (ui::Point{2 + c.TextWidth("log"), 2}));
    EXPECT_EQ(QColor(b.Image().pixel(2, 2)), QColor(255, 255, 0));  // the text cell is filled
    c.Brush.Style = ui::BrushStyle::Clear;
    c.TextOut(60, 2, "n");
    EXPECT_EQ(QColor(b.Image().pixel(60, 2)), QColor(255, 255, 255));
}

TEST(Canvas, TextRectFillsAndClipsToItsRectangle) {
    ui::Bitmap b(60, 20);
    ui::Canvas& c = b.Canvas();
    c.Brush.Color = ui::clSilver;
    c.TextRect({0, 0, 20, 20}, 2, 2, "WWWWWWWW");
    EXPECT_EQ(QColor(b.Image().pixel(1, 18)), QColor(192, 192, 192));
    for (int y = 0; y < 20; ++y) EXPECT_EQ(QColor(b.Image().pixel(30, y)), QColor(255, 255, 255)) << y;
}

TEST(Canvas, WordBreakWrapsBetweenWordsAndAtCarriageReturns) {
    ui::Bitmap b(200, 200);
    ui::Canvas& c = b.Canvas();
    ui::Rect one{0, 0, 200, 0};
    const int h1 = c.DrawText("Allowable", one, ui::DT_WORDBREAK | ui::DT_CALCRECT);
    ui::Rect two{0, 0, 200, 0};
    const int h2 = c.DrawText("Allowable\r   stress\r(contact)", two, ui::DT_WORDBREAK | ui::DT_CALCRECT);
    EXPECT_EQ(h2, 3 * h1);
    ui::Rect narrow{0, 0, c.TextWidth("Cast iron") + 2, 0};
    EXPECT_EQ(c.DrawText("Cast iron materials", narrow, ui::DT_WORDBREAK | ui::DT_CALCRECT), 2 * h1);
}

TEST(Canvas, SymbolFontDrawsGreekLetters) {
    ui::Bitmap a(40, 30), b(40, 30);
    a.Canvas().Font.Name = "Symbol";
    a.Canvas().TextOut(0, 0, "s");
    b.Canvas().TextOut(0, 0, "σ");
    EXPECT_EQ(a.Image(), b.Image());
    EXPECT_EQ(ui::SymbolToUnicode("abgderyS·"), "αβγδερψΣ•");
}

TEST(Canvas, CopyAndStretchBitmaps) {
    ui::Bitmap src(10, 10);
    src.Canvas().Brush.Color = ui::clRed;
    src.Canvas().FillRect({0, 0, 5, 10});
    ui::Bitmap dst(40, 20);
    dst.Canvas().Draw(0, 0, src);
    dst.Canvas().StretchDraw({20, 0, 40, 20}, src);
    EXPECT_EQ(QColor(dst.Image().pixel(4, 5)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(dst.Image().pixel(5, 5)), QColor(255, 255, 255));
    EXPECT_EQ(QColor(dst.Image().pixel(29, 19)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(dst.Image().pixel(30, 19)), QColor(255, 255, 255));
    ui::Bitmap part(5, 5);
    part.Canvas().CopyRect({0, 0, 5, 5}, src.Canvas(), {3, 0, 8, 5});
    EXPECT_EQ(QColor(part.Image().pixel(1, 1)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(part.Image().pixel(2, 1)), QColor(255, 255, 255));
}

TEST(Canvas, MonochromeKeepsWhiteAndBlackensTheRest) {
    ui::Bitmap b(4, 1);
    b.Canvas().SetPixel(0, 0, ui::clSilver);
    b.Canvas().SetPixel(1, 0, ui::clBlue);
    b.SetMonochrome(true);
    EXPECT_EQ(b.Canvas().Pixel(0, 0), ui::clBlack);
    EXPECT_EQ(b.Canvas().Pixel(1, 0), ui::clBlack);
    EXPECT_EQ(b.Canvas().Pixel(2, 0), ui::clWhite);
    b.PixelFormat = ui::PixelFormat::Bits4;
    const QImage file = b.FileImage();
    EXPECT_EQ(file.format(), QImage::Format_Indexed8);
    EXPECT_EQ(file.colorCount(), 2);  // written with 4 bits per pixel
}

}  // namespace

namespace {

// A transparent picture over a paint box receives the mouse with its own coordinates.
TEST(Paint, ImageOverAPaintBoxGetsTheMouse) {
    ui::Form f("Arrangements");
    f.SetClientSize(390, 384);
    auto* box = new ui::PaintBox(&f, "PaintBox1", {8, 8, 370, 362});
    auto* image = new ui::Image(&f, "Image1", {7, 8, 370, 362});
    QImage picture(370, 362, QImage::Format_RGB32);
    picture.fill(Qt::white);
    image->SetPicture(picture);
    image->SetTransparent(true);
    std::vector<std::string> log;
    image->OnMouseMove = [&](ui::ShiftState, int x, int y) {
        log.push_back("move " + std::to_string(x) + "," + std::to_string(y));
    };
    image->OnMouseUp = [&](ui::MouseButton, ui::ShiftState, int x, int y) {
        log.push_back("up " + std::to_string(x) + "," + std::to_string(y));
    };
    box->OnMouseUp = [&](ui::MouseButton, ui::ShiftState, int, int) { log.push_back("box"); };
    f.Show();
    ui::test::MoveMouse(image, QPoint(40, 230));
    ui::test::Click(image, QPoint(40, 230));
    EXPECT_EQ(log, (std::vector<std::string>{"move 40,230", "up 40,230"}));
}

}  // namespace
