// The S-N chart painted offscreen: pixels away from the texts.
#include <QImage>

#include "ChartFixture.h"
#include "ui/Canvas.h"

namespace karvelo::test {
namespace {

QImage Paint(const ChartCase& c, ui::Bitmap& bitmap) {
    PaintChartPicture(c.Picture(), bitmap.Canvas());
    bitmap.Canvas().Flush();
    return bitmap.Image();
}

QImage Paint(const ChartCase& c) {
    ui::Bitmap bitmap(682, 397);
    return Paint(c, bitmap);
}

bool Is(const QImage& img, int x, int y, ui::Color c) { return QColor(img.pixel(x, y)) == ui::ToQColor(c); }

// Pixels of colour c in the rectangle [x1, x2] x [y1, y2].
int Count(const QImage& img, int x1, int y1, int x2, int y2, ui::Color c) {
    int n = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) n += Is(img, x, y, c);
    return n;
}

TEST(CoursesPaint, AxesCurveAndHypothesisLines) {
    ChartCase c;
    QImage img = Paint(c);
    EXPECT_TRUE(Is(img, 100, 350, ui::clBlack));
    EXPECT_TRUE(Is(img, 50, 200, ui::clBlack));
    EXPECT_TRUE(Is(img, 5, 5, ui::clBtnFace) || !Is(img, 5, 5, ui::clBlue));
    EXPECT_TRUE(Is(img, 660, 200, ui::clBtnFace));
    // Miner: the purple line lies over the black endurance line.
    EXPECT_TRUE(Is(img, 485, 95, ui::clPurple));

    c.g.HypothesisHaibach = true;
    c.g.CalcMethodics = kMethodicsHaibach;
    img = Paint(c);
    EXPECT_TRUE(Is(img, 485, 95, ui::clBlack));
    // From (350, 95) to (620, 169): at x = 485 the line is at y = 132.
    EXPECT_GT(Count(img, 485, 131, 485, 133, ui::clPurple), 0);
}

TEST(CoursesPaint, LevelCirclesAndDots) {
    ChartCase c;
    c.curve.CurveLevelStress[3] = 1100;  // above the static strength: red, at (150, 44)
    c.g.NLevel1[3] = 100;
    QImage img = Paint(c);
    EXPECT_GT(Count(img, 146, 40, 153, 47, ui::clRed), 10);
    // The last circle's centre is background: no later segment crosses it.
    EXPECT_TRUE(Is(img, 150, 44, ui::clBtnFace));
    EXPECT_EQ(Count(img, 146, 40, 153, 47, ui::clBlue), 0);

    c.shown = SpectrumShown::Cumulative;
    img = Paint(c);
    EXPECT_TRUE(Is(img, 252, 83, ui::clBlue));  // a cumulative dot is filled by its wide pen
}

TEST(CoursesPaint, ClipKeepsTheCurveDrawingsAboveTheCyclesAxis) {
    ChartCase c;
    c.g.NF1ekv = 2e5;  // x = 315, no decade tick there
    QImage img = Paint(c);
    EXPECT_GT(Count(img, 315, 200, 315, 349, ui::clBlue), 10);
    EXPECT_EQ(Count(img, 315, 351, 315, 355, ui::clBlue), 0);

    // The approximate methodics set no clip: the drop reaches below the axis.
    c.g.CalcMethodics = kMethodicsEqA2;
    c.g.NFe1 = 2e5;
    c.g.FtFe1 = 400;
    img = Paint(c);
    EXPECT_GT(Count(img, 315, 351, 315, 355, ui::clBlue), 0);

    // A spectrum reaching left of the load axis and below the cycles axis is cut at both.
    c = ChartCase();
    c.g.NLevel1[1] = 0.1;             // x = 0
    c.curve.CurveLevelStress[1] = 5;  // y = 395
    img = Paint(c);
    EXPECT_EQ(Count(img, 0, 45, 49, 349, ui::clBlue), 0);
    EXPECT_EQ(Count(img, 60, 351, 320, 396, ui::clBlue), 0);
    EXPECT_GT(Count(img, 51, 100, 300, 349, ui::clBlue), 0);
}

TEST(CoursesPaint, ClipOfOnePaintDoesNotHoldForTheNext) {
    ChartCase c;
    ui::Bitmap bitmap(682, 397);
    Paint(c, bitmap);
    EXPECT_GT(Count(bitmap.Image(), 4, 13, 20, 30, ui::clBlue), 0);
    c.g.StressCase = "KO";
    const QImage img = Paint(c, bitmap);
    EXPECT_GT(Count(img, 4, 13, 20, 30, ui::clGreen), 0);
    EXPECT_EQ(Count(img, 4, 13, 20, 30, ui::clBlue), 0);
    EXPECT_FALSE(bitmap.Canvas().HasClip());
}

}  // namespace
}  // namespace karvelo::test
