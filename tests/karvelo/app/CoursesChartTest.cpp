// The S-N chart as a drawing: the items built from the data, checked exactly.
#include <cmath>
#include <limits>

#include <QFontMetrics>

#include "ChartFixture.h"

namespace karvelo::test {
namespace {

using ui::PenStyle;
using ui::Point;

constexpr ui::Color kBlue = ui::clBlue, kGreen = ui::clGreen, kRed = ui::clRed, kBlack = ui::clBlack;

TEST(CoursesScale, PutsTheKneeAt350TheStaticStressAt50AndTenOnTheAxis) {
    ChartCase c;
    const CoursesScale s = ComputeLogScale(c.curve);
    ASSERT_TRUE(s.Valid);
    EXPECT_DOUBLE_EQ(s.ScaleX, 50);
    EXPECT_DOUBLE_EQ(s.ScaleY, 150);
    EXPECT_EQ(s.X(1e6), 350);
    EXPECT_EQ(s.Y(1000), 50);
    EXPECT_EQ(s.Y(10), 350);
    EXPECT_EQ(s.Y(500), 95);
    EXPECT_EQ(s.X(1e5), 300);
    // No logarithm, no place.
    EXPECT_FALSE(s.X(0));
    EXPECT_FALSE(s.Y(-1));
    EXPECT_FALSE(s.Y(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(s.X(std::numeric_limits<double>::infinity()));
}

TEST(CoursesScale, IsInvalidForKneeCyclesOfOneOrAStaticStressOfTen) {
    CoursesChartData curve;
    curve.CurveKneeCycles = 1;
    curve.CurveStaticStress = 1000;
    EXPECT_FALSE(ComputeLogScale(curve).Valid);
    curve.CurveKneeCycles = 1e6;
    curve.CurveStaticStress = 10;
    EXPECT_FALSE(ComputeLogScale(curve).Valid);
    curve.CurveStaticStress = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(ComputeLogScale(curve).Valid);
    EXPECT_FALSE(ComputeLogScale(curve).X(1e6));
}

TEST(CoursesChart, DrawsTheAxesWithTheirArrows) {
    const ChartPicture p = ChartCase().Picture();
    EXPECT_EQ(p.Background, ui::clBtnFace);
    EXPECT_TRUE(HasLine(p, {40, 350}, {640, 350}, kBlack));
    EXPECT_TRUE(HasLine(p, {640, 350}, {627, 355}, kBlack));
    EXPECT_TRUE(HasLine(p, {640, 350}, {627, 345}, kBlack));
    EXPECT_TRUE(HasLine(p, {50, 358}, {50, 10}, kBlack));
    EXPECT_TRUE(HasLine(p, {50, 10}, {55, 23}, kBlack));
    EXPECT_TRUE(HasLine(p, {50, 10}, {45, 23}, kBlack));
}

TEST(CoursesChart, CyclesAxisHasTwelveDecadesFromTwoMillionKneeCycles) {
    ChartCase c;
    c.curve.CurveKneeCycles = 3e6;  // ScaleX = 300 / 6.4771 = 46.317
    ChartPicture p = c.Picture();
    std::vector<std::string> labels;
    for (const ChartText& t : ItemsOf<ChartText>(p))
        if (t.At.Y == 356) labels.push_back(t.Text);
    ASSERT_EQ(labels.size(), 12u);
    EXPECT_EQ(labels.back(), "12");
    // By hand: round(i * 46.317 + 50) for i = 1, 3, 12.
    EXPECT_NE(FindText(p, "1", 93, 356), nullptr);
    EXPECT_NE(FindText(p, "3", 186, 356), nullptr);
    EXPECT_NE(FindText(p, "12", 603, 356), nullptr);
    EXPECT_TRUE(HasLine(p, {606, 350}, {606, 355}, kBlack));
    EXPECT_TRUE(HasLine(p, {606, 350}, {606, 348}, kBlack));

    c.curve.CurveKneeCycles = 1e6;
    p = c.Picture();
    labels.clear();
    for (const ChartText& t : ItemsOf<ChartText>(p))
        if (t.At.Y == 356) labels.push_back(t.Text);
    EXPECT_EQ(labels, (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}));
    EXPECT_NE(FindText(p, "6", 347, 356), nullptr);  // the knee decade under x = 350
}

TEST(CoursesChart, StressAxisDecadesFollowTheKneeStress) {
    ChartCase c;
    const auto labels = [](const ChartPicture& p) {
        std::vector<std::string> out;
        for (const ChartText& t : ItemsOf<ChartText>(p))
            if (t.At.X == 35) out.push_back(t.Text + "@" + std::to_string(t.At.Y));
        return out;
    };
    // y = round(350 - (i - 1) 150) - 8.
    EXPECT_EQ(labels(c.Picture()), (std::vector<std::string>{"1@342", "2@192"}));
    c.curve.CurveLimitStress = 1500;
    EXPECT_EQ(labels(c.Picture()), (std::vector<std::string>{"1@342", "2@192", "3@42"}));
    c.curve.CurveLimitStress = 60;
    EXPECT_EQ(labels(c.Picture()).size(), 1u);
    c.curve.CurveLimitStress = 600001;
    EXPECT_EQ(labels(c.Picture()).size(), 6u);
}

TEST(CoursesChart, MinerCurveIsClippedAndContinuesHorizontallyInPurple) {
    const ChartPicture p = ChartCase().Picture();
    // The static tick is drawn before the clip.
    std::size_t clip = p.Items.size(), tick = p.Items.size(), curve = p.Items.size();
    for (std::size_t i = 0; i < p.Items.size(); ++i) {
        if (p.Items[i] == ChartItem{ChartClip{ui::Rect{50, 10, 682, 350}}}) clip = i;
        if (p.Items[i] == ChartItem{ChartLine{{50, 50}, {46, 50}, kBlack}}) tick = i;
        if (p.Items[i] == ChartItem{ChartLine{{200, 50}, {350, 95}, kBlack}}) curve = i;
    }
    ASSERT_LT(clip, p.Items.size());
    EXPECT_LT(tick, clip);
    EXPECT_LT(clip, curve);
    ASSERT_LT(curve, p.Items.size());
    EXPECT_TRUE(HasLine(p, {350, 95}, {350, 355}, kBlack, 1, PenStyle::Dot));
    EXPECT_TRUE(HasLine(p, {50, 50}, {200, 50}, kBlack));
    EXPECT_TRUE(HasLine(p, {350, 95}, {620, 95}, kBlack));
    EXPECT_EQ(LinesOf(p, ui::clPurple), (std::vector<ChartLine>{{{350, 95}, {620, 95}, ui::clPurple, 2}}));
    // The clip is set once and released by the painter, not by the picture.
    EXPECT_EQ(ItemsOf<ChartClip>(p).size(), 1u);
}

TEST(CoursesChart, HaibachContinuationFallsWithTheHaibachExponent) {
    ChartCase c;
    c.g.HypothesisHaibach = true;
    c.g.CalcMethodics = kMethodicsHaibach;
    // N_end = 10^(570 / 50), S_end = 500 (1e6 / N_end)^(1/11) = 161.46 MPa, y = 350 - round(1.20806 * 150) = 169.
    EXPECT_EQ(LinesOf(c.Picture(), ui::clPurple), (std::vector<ChartLine>{{{350, 95}, {620, 169}, ui::clPurple, 2}}));
    // No Haibach exponent, no end point.
    c.curve.CurveExponentHaibach = 0;
    EXPECT_TRUE(LinesOf(c.Picture(), ui::clPurple).empty());
}

TEST(CoursesChart, PermittedPittingBendsTheContactCurveAtTenMillionCycles) {
    ChartCase c;
    c.g.StressCase = "PD";
    c.g.PittingAllowed1 = true;
    c.curve.CurvePittingKneeStress = 700;  // x(1e7) = 400, y(700) = 73
    ChartPicture p = c.Picture();
    EXPECT_TRUE(HasLine(p, {200, 50}, {400, 73}, kBlack));
    EXPECT_TRUE(HasLine(p, {400, 73}, {350, 95}, kBlack));
    EXPECT_FALSE(HasLine(p, {200, 50}, {350, 95}, kBlack));
    // Pitting of the pinion does not bend the wheel's curve, nor the bending curve.
    c.g.StressCase = "KD";
    EXPECT_TRUE(HasLine(c.Picture(), {200, 50}, {350, 95}, kBlack));
    c.g.StressCase = "PO";
    EXPECT_TRUE(HasLine(c.Picture(), {200, 50}, {350, 95}, kBlack));
}

TEST(CoursesChart, EquivalentPointWithItsLineAndDottedDrop) {
    ChartCase c;
    ChartPicture p = c.Picture();
    EXPECT_TRUE(HasLine(p, {50, 110}, {300, 110}, kBlue));
    EXPECT_TRUE(HasLine(p, {300, 110}, {300, 355}, kBlue, 1, PenStyle::Dot));
    const auto circles = ItemsOf<ChartEllipse>(p);
    EXPECT_NE(std::find(circles.begin(), circles.end(), ChartEllipse{{297, 107, 303, 113}, kBlue, 1}), circles.end());

    // A safety factor of 1 or less marks it red; the drop keeps the case colour.
    c.g.SF1 = 1.0;
    p = c.Picture();
    EXPECT_TRUE(HasLine(p, {50, 110}, {300, 110}, kRed));
    EXPECT_TRUE(HasLine(p, {300, 110}, {300, 355}, kBlue, 1, PenStyle::Dot));

    // No equivalent load, or a stress or cycle number that is not positive: no point.
    c.g.CaseEquivalent = 0;
    EXPECT_FALSE(HasLine(c.Picture(), {50, 110}, {300, 110}, kRed));
    c.g.CaseEquivalent = 420;
    c.g.NF1ekv = 0;
    EXPECT_FALSE(HasLine(c.Picture(), {50, 110}, {300, 110}, kRed));
}

TEST(CoursesChart, ClassSpectrumIsAPolylineWithCirclesInTheLevelColours) {
    ChartCase c;
    ChartPicture p = c.Picture();
    EXPECT_EQ(LinesOf(p, kBlue), (std::vector<ChartLine>{{{50, 110}, {300, 110}, kBlue},
                                                         {{300, 110}, {300, 355}, kBlue, 1, PenStyle::Dot},
                                                         {{300, 128}, {250, 83}, kBlue},
                                                         {{250, 83}, {200, 57}, kBlue}}));
    const auto circles = ItemsOf<ChartEllipse>(p);
    ASSERT_EQ(circles.size(), 4u);  // the equivalent point and three levels
    EXPECT_EQ(circles[1], (ChartEllipse{{296, 124, 304, 132}, kBlue, 1}));
    EXPECT_EQ(circles[3], (ChartEllipse{{196, 53, 204, 61}, kBlue, 1}));

    // A level above the static strength is red, even left of the curve's static part.
    c.curve.CurveLevelStress[3] = 1100;  // y = 44
    c.g.NLevel1[3] = 100;                // x = 150
    p = c.Picture();
    EXPECT_TRUE(HasLine(p, {250, 83}, {150, 44}, kRed));
    EXPECT_EQ(ItemsOf<ChartEllipse>(p)[3], (ChartEllipse{{146, 40, 154, 48}, kRed, 1}));
    // A level above the S-N curve is red: 600 MPa at the knee, where the curve is at 500 MPa.
    c.g.NLevel1[2] = 1e6;
    p = c.Picture();
    EXPECT_TRUE(HasLine(p, {300, 128}, {350, 83}, kRed));
    EXPECT_EQ(ItemsOf<ChartEllipse>(p)[2].Colour, kRed);
    EXPECT_EQ(ItemsOf<ChartEllipse>(p)[1].Colour, kBlue);
}

TEST(CoursesChart, LevelBelowTheKneeIsJudgedWithTheHaibachExponent) {
    ChartCase c;
    // 450 MPa at 1e7 cycles: the Haibach curve gives 500 (0.1)^(1/11) = 405 MPa, so the level is
    // above it; with the main exponent 6 it would be 340 MPa, also above; with 40 it is 472 MPa.
    c.curve.CurveLevelStress[1] = 450;
    c.g.NLevel1[1] = 1e7;
    EXPECT_EQ(ItemsOf<ChartEllipse>(c.Picture())[1].Colour, kRed);
    c.curve.CurveExponentHaibach = 40;
    EXPECT_EQ(ItemsOf<ChartEllipse>(c.Picture())[1].Colour, kBlue);
}

TEST(CoursesChart, CumulativeSpectrumUsesWideDotsAndNeedsAPositiveFirstLevel) {
    ChartCase c;
    c.shown = SpectrumShown::Cumulative;
    ChartPicture p = c.Picture();
    EXPECT_TRUE(HasLine(p, {302, 128}, {252, 83}, kBlue));
    EXPECT_TRUE(HasLine(p, {252, 83}, {200, 57}, kBlue));
    auto circles = ItemsOf<ChartEllipse>(p);
    ASSERT_EQ(circles.size(), 4u);
    EXPECT_EQ(circles[1], (ChartEllipse{{299, 125, 305, 131}, kBlue, 4}));

    c.shown = SpectrumShown::Both;
    EXPECT_EQ(ItemsOf<ChartEllipse>(c.Picture()).size(), 7u);

    c.curve.CurveLevelStress[1] = 0;
    c.shown = SpectrumShown::Cumulative;
    EXPECT_EQ(ItemsOf<ChartEllipse>(c.Picture()).size(), 1u);
}

TEST(CoursesChart, WheelCasesReferTheCyclesToTheWheel) {
    ChartCase c;
    c.g.StressCase = "KO";
    c.g.z2 = -40;  // internal wheel: the magnitude counts
    c.g.NF2ekv = 1e5;
    c.g.SigmaF2ekv = 400;
    c.g.SF2 = 2;
    // Cumulative cycles halved: 55500, 5500, 500; class cycles rebuilt: 50000, 5000, 500.
    ChartPicture p = c.Picture();
    EXPECT_TRUE(HasLine(p, {285, 128}, {235, 83}, kGreen));
    EXPECT_TRUE(HasLine(p, {235, 83}, {185, 57}, kGreen));
    EXPECT_TRUE(HasLine(p, {50, 110}, {300, 110}, kGreen));
    c.shown = SpectrumShown::Cumulative;
    p = c.Picture();
    EXPECT_TRUE(HasLine(p, {287, 128}, {237, 83}, kGreen));
    EXPECT_TRUE(HasLine(p, {237, 83}, {185, 57}, kGreen));
    EXPECT_TRUE(LinesOf(p, kBlue).empty());
}

TEST(CoursesChart, ApproximateMethodicsDrawLoadsWithoutTheCurve) {
    ChartCase c;
    c.g.CalcMethodics = kMethodicsEqA2;
    c.g.NFe1 = 1e5;
    c.g.FtFe1 = 400;  // the equivalent load at x(1e5) = 300, y(400) = 110
    c.g.KAF1 = 1.23456;
    c.curve.CurveLevelStress[3] = 1100;  // above the static value: no red without a curve
    ChartPicture p = c.Picture();
    EXPECT_TRUE(ItemsOf<ChartClip>(p).empty());
    EXPECT_TRUE(LinesOf(p, ui::clPurple).empty());
    EXPECT_FALSE(HasLine(p, {350, 95}, {620, 95}, kBlack));
    EXPECT_TRUE(LinesOf(p, kRed).empty());
    // The dotted drop at the largest level, y(1100) = 44.
    EXPECT_TRUE(HasLine(p, {350, 44}, {350, 355}, kBlack, 1, PenStyle::Dot));
    EXPECT_TRUE(HasLine(p, {50, 110}, {300, 110}, kBlue));
    // Spectrum lines are solid in the case colour.
    EXPECT_TRUE(HasLine(p, {300, 128}, {250, 83}, kBlue));
    // Axis symbol: force F with the subscript t, no sigma.
    EXPECT_NE(FindText(p, "F", 0, 13), nullptr);
    EXPECT_NE(FindText(p, "t", 10, 26), nullptr);
    EXPECT_EQ(FindText(p, "s", 4, 13), nullptr);
    // Legend: cycles and application factor instead of the stresses.
    EXPECT_EQ(TextsAt(p, 491, 10), std::vector<std::string>{"N"});
    EXPECT_EQ(TextsAt(p, 505, 16), std::vector<std::string>{"Fe1"});
    EXPECT_EQ(TextsAt(p, 532, 10), std::vector<std::string>{"=1E+5"});
    EXPECT_EQ(TextsAt(p, 496, 38), std::vector<std::string>{"K"});
    EXPECT_EQ(TextsAt(p, 510, 46), std::vector<std::string>{"A"});
    EXPECT_EQ(TextsAt(p, 532, 40), std::vector<std::string>{"=1.235"});
    EXPECT_TRUE(TextsAt(p, 491, 2).empty());
    EXPECT_TRUE(TextsAt(p, 342, 40).empty());  // no permissible load

    c.g.LoadAsForce = false;
    c.g.TFe1 = 400;
    p = c.Picture();
    EXPECT_NE(FindText(p, "T", 7, 13), nullptr);
    EXPECT_EQ(FindText(p, "t", 10, 26), nullptr);
    EXPECT_TRUE(HasLine(p, {50, 110}, {300, 110}, kBlue));
}

TEST(CoursesChart, OneLoadShowsThePointAtTheRequiredCyclesAndNoSpectrum) {
    ChartCase c;
    c.g.LoadInputMethod = kOneLevelLoading;
    c.g.CalcMethodics = kMethodicsHaibach;
    c.g.HypothesisHaibach = true;
    c.g.NL1 = 1e7;  // x = 400
    c.g.NL2 = 1e4;  // x = 250
    c.g.CaseEquivalent = 400;
    c.g.SigmaF1 = 400;
    c.g.SigmaF2 = 380;
    c.g.SF2 = 1.5;
    ChartPicture p = c.Picture();
    EXPECT_TRUE(HasLine(p, {50, 110}, {400, 110}, kBlue));
    EXPECT_EQ(ItemsOf<ChartEllipse>(p).size(), 1u);
    EXPECT_EQ(TextsAt(p, 312, 16), std::vector<std::string>{"jm"});
    EXPECT_EQ(TextsAt(p, 507, 18), std::vector<std::string>{"F1"});
    EXPECT_EQ(TextsAt(p, 540, 10), std::vector<std::string>{"=400.0 [MPa]"});
    EXPECT_TRUE(TextsAt(p, 342, 40).empty());  // no permissible load for one load
    EXPECT_EQ(p.Caption, "Calculation by Haibach");

    c.g.StressCase = "KO";
    p = c.Picture();
    EXPECT_TRUE(HasLine(p, {50, 110}, {250, 110}, kGreen));
    EXPECT_EQ(TextsAt(p, 507, 18), std::vector<std::string>{"F2"});
    EXPECT_EQ(TextsAt(p, 540, 10), std::vector<std::string>{"=380.0 [MPa]"});

    // One load with an approximate methodics writes the one-load subscript as well.
    c.g.CalcMethodics = kMethodicsFigA3;
    EXPECT_EQ(TextsAt(c.Picture(), 507, 18), std::vector<std::string>{"F2"});
}

TEST(CoursesChart, LegendOfASpectrumWithForcesAndWithTorques) {
    ChartCase c;
    ChartPicture p = c.Picture();
    EXPECT_EQ(TextsAt(p, 298, 9), std::vector<std::string>{"F"});
    EXPECT_EQ(TextsAt(p, 310, 16), std::vector<std::string>{"tFe1"});
    EXPECT_EQ(TextsAt(p, 342, 10), std::vector<std::string>{"=12345.7 [N]"});
    EXPECT_EQ(TextsAt(p, 275, 39), std::vector<std::string>{"F"});
    EXPECT_EQ(TextsAt(p, 285, 46), std::vector<std::string>{"tFPref1"});
    EXPECT_EQ(TextsAt(p, 342, 40), std::vector<std::string>{"=23456.8 [N]"});
    EXPECT_EQ(TextsAt(p, 491, 2), std::vector<std::string>{"s"});
    EXPECT_EQ(TextsAt(p, 507, 18), std::vector<std::string>{"Fe1"});
    EXPECT_EQ(TextsAt(p, 540, 10), std::vector<std::string>{"=400.0 [MPa]"});
    EXPECT_EQ(TextsAt(p, 474, 30), std::vector<std::string>{"s"});
    EXPECT_EQ(TextsAt(p, 489, 46), std::vector<std::string>{"FPref1"});
    EXPECT_EQ(TextsAt(p, 540, 40), std::vector<std::string>{"=500.0 [MPa]"});
    // Fonts and colours: symbols in the case colour, sigma in the Symbol font, values black.
    EXPECT_EQ(FindText(p, "F", 298, 9)->Font.Color, kBlue);
    EXPECT_EQ(FindText(p, "F", 298, 9)->Font.Name, "Courier New");
    EXPECT_EQ(FindText(p, "F", 298, 9)->Font.PixelSize, 19);  // 14 pt
    EXPECT_EQ(FindText(p, "s", 491, 2)->Font.Name, "Symbol");
    EXPECT_EQ(FindText(p, "tFe1", 310, 16)->Font.PixelSize, 13);  // 10 pt
    EXPECT_EQ(FindText(p, "=12345.7 [N]", 342, 10)->Font.Color, kBlack);
    EXPECT_EQ(FindText(p, "=12345.7 [N]", 342, 10)->Font.PixelSize, 16);  // 12 pt

    c.g.StressCase = "KD";
    c.g.LoadAsForce = false;
    c.g.THe2 = 321.04;
    c.g.THP2 = 654.35;
    c.g.SigmaH2ekv = 1234.56;
    c.g.SigmaHP2ref = 1500;
    p = c.Picture();
    EXPECT_EQ(TextsAt(p, 298, 9), std::vector<std::string>{"T"});
    EXPECT_EQ(TextsAt(p, 312, 16), std::vector<std::string>{"He2"});
    EXPECT_EQ(TextsAt(p, 342, 10), std::vector<std::string>{"=321.0 [Nm]"});
    EXPECT_EQ(TextsAt(p, 279, 39), std::vector<std::string>{"T"});
    EXPECT_EQ(TextsAt(p, 291, 46), std::vector<std::string>{"HPref2"});
    EXPECT_EQ(TextsAt(p, 342, 40), std::vector<std::string>{"=654.4 [Nm]"});
    EXPECT_EQ(TextsAt(p, 507, 18), std::vector<std::string>{"He2"});
    EXPECT_EQ(TextsAt(p, 540, 10), std::vector<std::string>{"=1234.6 [MPa]"});
    EXPECT_EQ(TextsAt(p, 489, 46), std::vector<std::string>{"HPref2"});
    EXPECT_EQ(TextsAt(p, 540, 40), std::vector<std::string>{"=1500.0 [MPa]"});
    EXPECT_EQ(FindText(p, "T", 298, 9)->Font.Color, kGreen);
}

// Long loads push the stresses right so that no unit runs into the sigma beside it, and the
// stresses stay inside the chart (widths of the fonts on the screen).
TEST(CoursesChart, LegendUnitsKeepClearOfTheSymbolsBesideThem) {
    ChartCase c;
    c.g.StressCase = "PD";
    c.g.LoadAsForce = false;
    c.g.THe1 = 98765.43;
    c.g.THP1 = 123456.78;
    c.g.SigmaH1ekv = 1234.56;
    c.g.SigmaHP1ref = 1411.2;
    const ChartPicture p = c.Picture();
    const auto end = [](const ChartText& t) {
        return t.At.X + QFontMetrics(ui::ToQFont(t.Font)).horizontalAdvance(QString::fromStdString(t.Text));
    };
    std::vector<ChartText> loads, sigmas, stresses;
    for (const ChartText& t : ItemsOf<ChartText>(p)) {
        if (t.At.Y > 60) continue;
        if (t.At.X == 342) loads.push_back(t);
        if (t.Text == "s" && t.At.X > 342) sigmas.push_back(t);
        if (t.Text.find("[MPa]") != std::string::npos) stresses.push_back(t);
    }
    ASSERT_EQ(loads.size(), 2u);
    ASSERT_EQ(sigmas.size(), 2u);
    ASSERT_EQ(stresses.size(), 2u);
    EXPECT_EQ(loads[1].Text, "=123456.8 [Nm]");
    for (const ChartText& load : loads)
        for (const ChartText& sigma : sigmas) EXPECT_LT(end(load), sigma.At.X) << load.Text;
    for (const ChartText& stress : stresses) EXPECT_LE(end(stress), p.Width) << stress.Text;
}

TEST(CoursesChart, AxisTextsByCaseAndSpectrum) {
    ChartCase c;
    ChartPicture p = c.Picture();
    EXPECT_NE(FindText(p, "log", 590, 376), nullptr);
    EXPECT_NE(FindText(p, "log", 4, 0), nullptr);
    EXPECT_EQ(TextsAt(p, 628, 376), std::vector<std::string>{"n"});
    EXPECT_EQ(FindText(p, "s", 4, 13)->Font.Color, kBlue);
    EXPECT_NE(FindText(p, "N", 334, 369), nullptr);
    EXPECT_EQ(TextsAt(p, 20, 26), std::vector<std::string>{"F1"});
    EXPECT_EQ(TextsAt(p, 349, 375), std::vector<std::string>{"Flim1"});
    c.shown = SpectrumShown::Cumulative;
    EXPECT_EQ(TextsAt(c.Picture(), 628, 376), std::vector<std::string>{"N"});
    c.shown = SpectrumShown::Both;
    c.g.StressCase = "KD";
    p = c.Picture();
    EXPECT_EQ(TextsAt(p, 628, 376), std::vector<std::string>{"n,N"});
    EXPECT_EQ(TextsAt(p, 20, 26), std::vector<std::string>{"H2"});
    EXPECT_EQ(TextsAt(p, 349, 375), std::vector<std::string>{"Hlim2"});
    EXPECT_EQ(FindText(p, "s", 4, 13)->Font.Color, kGreen);
}

TEST(CoursesChart, CaptionByMethodicsLoadInputAndServiceLife) {
    ChartCase c;
    const auto caption = [&](std::int16_t methodics, std::int16_t input) {
        c.g.CalcMethodics = methodics;
        c.g.LoadInputMethod = input;
        return c.Picture().Caption;
    };
    EXPECT_EQ(caption(kMethodicsFigA3, kMultilevelLoading),
              "Approximate calculation of an equivalent load and a factor Ka by ISO 6336/6 - fig. A.3");
    EXPECT_EQ(caption(kMethodicsEqA2, kMultilevelLoading),
              "Approximate calculation of an equivalent load and a factor Ka by ISO 6336/6 - equation A.2");
    EXPECT_EQ(caption(kMethodicsMiner, kOneLevelLoading), "Calculation by Miner");
    EXPECT_EQ(caption(kMethodicsMiner, kMultilevelLoading),
              "Precise calculation of an equivalent load and stress by Miner");
    EXPECT_EQ(caption(kMethodicsHaibach, kOneLevelLoading), "Calculation by Haibach");
    EXPECT_EQ(caption(kMethodicsHaibach, kMultilevelLoading),
              "Precise calculation of an equivalent load and stress by Haibach");
    EXPECT_EQ(caption(kMethodicsHaibach, kDirectEquivalentLoad), "Direct input of an equivalent load");
    EXPECT_EQ(caption(kNoMethodics, kOneLevelLoading), "");  // none: the caption stays
    c.g.LifeFormActive = true;
    c.g.LifeFromSafety = true;
    EXPECT_EQ(caption(kMethodicsMiner, kMultilevelLoading), "Calculation of service life by Miner's hypothesis");
    c.g.LifeFromSafety = false;
    EXPECT_EQ(caption(kMethodicsHaibach, kMultilevelLoading), "Calculation of a safety factor by Haibach's hypothesis");
    EXPECT_EQ(caption(kMethodicsEqA2, kMultilevelLoading),
              "Approximate calculation of an equivalent load and a factor Ka by ISO 6336/6 - equation A.2");
}

TEST(CoursesChart, InvalidScalesLeaveAxesTextsAndLegendOnly) {
    const auto onlyAxes = [](const ChartPicture& p) {
        EXPECT_EQ(ItemsOf<ChartLine>(p).size(), 6u);  // two axes and their arrows
        EXPECT_TRUE(ItemsOf<ChartEllipse>(p).empty());
        EXPECT_TRUE(ItemsOf<ChartClip>(p).empty());
        EXPECT_EQ(TextsAt(p, 342, 10), std::vector<std::string>{"=12345.7 [N]"});
        EXPECT_NE(FindText(p, "log", 590, 376), nullptr);
    };
    ChartCase c;
    c.curve.CurveKneeCycles = 1;
    onlyAxes(c.Picture());
    c.curve.CurveKneeCycles = 1e6;
    c.curve.CurveStaticStress = 10;
    onlyAxes(c.Picture());
    c.curve.CurveStaticStress = std::numeric_limits<double>::quiet_NaN();
    onlyAxes(c.Picture());
    c.curve.CurveStaticStress = 1000;
    c.curve.CurveKneeCycles = -std::numeric_limits<double>::infinity();
    onlyAxes(c.Picture());
}

TEST(CoursesChart, ValuesWithoutALogarithmDropOnlyWhatNeedsThem) {
    ChartCase c;
    c.curve.CurveLevelStress[2] = 0;
    ChartPicture p = c.Picture();
    EXPECT_EQ(ItemsOf<ChartEllipse>(p).size(), 1u);  // the equivalent point, no spectrum
    EXPECT_TRUE(HasLine(p, {350, 95}, {620, 95}, kBlack));

    c = ChartCase();
    c.g.NLevel1[1] = std::numeric_limits<double>::infinity();
    EXPECT_EQ(ItemsOf<ChartEllipse>(c.Picture()).size(), 1u);

    c = ChartCase();
    c.curve.CurveLimitStress = std::numeric_limits<double>::quiet_NaN();
    p = c.Picture();
    EXPECT_TRUE(LinesOf(p, ui::clPurple).empty());
    EXPECT_TRUE(HasLine(p, {50, 50}, {200, 50}, kBlack));  // the static line needs no knee
    for (const ChartLine& l : ItemsOf<ChartLine>(p))
        if (l.From.X == 350) {
            EXPECT_EQ(l.From.Y, 350);  // only the decade tick under the knee
        }

    // Wheel cycles of a pair without a wheel tooth number cannot be placed.
    c = ChartCase();
    c.g.StressCase = "KO";
    c.g.z2 = 0;
    EXPECT_TRUE(ItemsOf<ChartEllipse>(c.Picture()).size() <= 1u);
}

TEST(CoursesValue, CountsAsTheLegendShowsThem) {
    const std::string format = "#.###E+0;";
    EXPECT_EQ(FormatCoursesValue(3e6, format), "3E+6");
    EXPECT_EQ(FormatCoursesValue(123456, format), "1.235E+5");
    EXPECT_EQ(FormatCoursesValue(99999, format), "99999");
    EXPECT_EQ(FormatCoursesValue(500, format), "  500");
    EXPECT_EQ(FormatCoursesValue(2.5, format), "    2.50");
}

}  // namespace
}  // namespace karvelo::test
