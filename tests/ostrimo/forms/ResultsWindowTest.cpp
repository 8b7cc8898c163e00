// The results window: the verdict lists of checked pairs, their numbers, colours,
// indentation and Greek letters, the window's size, and its buttons.
#include <cmath>
#include <limits>

#include "CheckedPair.h"
#include "OstrimoFixture.h"

namespace ostrimo::test {
namespace {

using Lines = std::vector<std::pair<int, std::string>>;

class ResultsWindow : public OstrimoTest {
protected:
    static TCelniDlg& W() { return *CelniDlg; }
    // The shown slots of the list laid out from the data.
    static Lines Shown() {
        W().PaintBox1Paint();
        Lines lines;
        for (int i = 1; i <= W().VerdictCount; ++i)
            if (W().VerdictTable[std::size_t(i)].Shown) lines.emplace_back(i, W().VerdictTable[std::size_t(i)].Text);
        return lines;
    }
    static std::string Line(int slot) {
        W().PaintBox1Paint();
        return W().VerdictTable[std::size_t(slot)].Shown ? W().VerdictTable[std::size_t(slot)].Text : "";
    }
    static int TextWidth(const std::string& text, unsigned style) {
        ui::Canvas& c = W().PaintBox1->Canvas();
        c.Font = W().PaintBox1->Font();
        c.Font.SetSize(8);
        c.Font.Style = style;
        return c.TextWidth(text);
    }
};

// Limiting values checked by hand: z = 2 (1 - x) / sin^2 20, x = 1 - z sin^2 20 / 2.
TEST_F(ResultsWindow, ListsOfCheckedPairs) {
    const struct {
        int gearingType;
        std::function<void()> inputs;
        Lines lines;
    } cases[] = {
        {kExternalGearing, nullptr, {{21, "Dangerously high value of specific sliding at pinion root -   -4.258"}}},
        {kExternalGearing, HelicalPair, {}},
        {kExternalGearing,
         SmallPinionPair,
         {{6, " ! Inoperative gearing - total contact ratio     = 0.9587"},
          {9, " ! Tooth thickness on the pinion tip cylinder is less than 0.25 * module - s    = 0.22127 (<0.25000)"},
          {11, " ! Undercut of the pinion which cuts the operating involute,  d         = 10.8364"},
          {12, " ! Undercut of the wheel which cuts the operating involute, d         = 9.0063"},
          {15, "Pinion is undercut, limiting number of teeth z          = 10.26,  limiting AMC x         = 0.59058"},
          {16, "Wheel is undercut, limiting number of teeth z          = 17.10,  limiting AMC x         = 0.47360"},
          {21, "Dangerously high value of specific sliding at pinion root -   -9.721"},
          {23, "Dangerously high value of specific sliding at wheel root -   -6.096"}}},
        {kInternalGearing,
         InternalPair,
         {{8, " ! Interference with pinion root, limiting wheel tip diameter d         = -34.44117"},
          {10, " ! Interference between the tips"},
          {12, " ! Truncating of wheel tips by Fellow cutter tips, limiting wheel tip diameter d         = -34.44117"},
          {17, "Assembling interference (radial fitting to the tooth space of annular gear)"},
          {18, "Assembling interference (radial fitting to the tooth of annular gear)"}}},
        {kBevelGearing,
         [] {
             BevelPair();
             G.b = 40;  // longer than the cone distance
         },
         {{11, " ! Impossible gears shape, facewidth b is greater than cone distance L  = 22.4"},
          {21, "Dangerously high value of specific sliding at pinion root -   -3.062"},
          {25, "Recommended facewidth for this bevel gear is from 5.6 to 7.8 [mm]"}}},
        {kExternalGearing, RackPair, {{21, "Dangerously high value of specific sliding at pinion root -   -5.890"}}},
    };
    for (const auto& c : cases) {
        CheckPair(c.gearingType, c.inputs);
        EXPECT_EQ(Shown(), c.lines) << c.gearingType;
    }
}

TEST_F(ResultsWindow, ErrorsRedWarningsIndentedBlackPerfectGreen) {
    // Pixels of a colour in a line's band, and the first column with ink there.
    auto count = [](const QImage& img, int line, const std::function<bool(QColor)>& of) {
        int n = 0;
        for (int y = 7 + 17 * line; y < 21 + 17 * line; ++y)
            for (int x = 0; x < img.width(); ++x) n += of(QColor(img.pixel(x, y)));
        return n;
    };
    auto firstInk = [](const QImage& img, int line) {
        for (int x = 0; x < img.width(); ++x)
            for (int y = 7 + 17 * line; y < 21 + 17 * line; ++y)
                if (QColor(img.pixel(x, y)).lightness() < 160) return x;
        return -1;
    };
    const auto red = [](QColor c) { return c.red() > 200 && c.green() < 60; };
    const auto black = [](QColor c) { return c.red() + c.green() + c.blue() < 100; };
    CheckPair(kExternalGearing, SmallPinionPair);
    W().Show();
    const QImage list = W().PaintBox1->Picture();
    EXPECT_GT(count(list, 0, red), 50);  // an error
    EXPECT_EQ(count(list, 0, black), 0);
    EXPECT_LT(firstInk(list, 0), 11);
    EXPECT_GT(count(list, 4, black), 50);  // the first warning
    EXPECT_EQ(count(list, 4, red), 0);
    EXPECT_GE(firstInk(list, 4), 11);

    CheckPair(kExternalGearing, HelicalPair);
    ui::test::Click(W().Panel1, QPoint(2, 2));  // laid out again
    const int width = TextWidth(kNoVerdictLine, ui::fsBold);
    // the short line leaves the window as wide as its buttons need
    EXPECT_EQ(W().Width(), std::max(width + 38, W().Button2->Left() + W().Button2->Width() + 8 + ui::FrameWidth));
    EXPECT_LE(W().Button2->Left() + W().Button2->Width(), W().ClientWidth());
    EXPECT_EQ(W().Height(), 110);
    EXPECT_EQ(W().PaintBox1->Width(), width + 19);
    EXPECT_EQ(W().PaintBox1->Height(), 28);
    EXPECT_GT(count(W().PaintBox1->Picture(), 0, [](QColor c) { return c.green() > 90 && c.red() < 60; }), 50);
}

TEST_F(ResultsWindow, GreekLettersAndSubscriptsFollowTheirLetters) {
    CheckPair(kExternalGearing, SmallPinionPair);
    W().PaintBox1Paint();
    const int eps = TextWidth(" ! Inoperative gearing - total contact ratio ", ui::fsBold);
    EXPECT_EQ(W().VerdictTable[6].Glyphs,
              (std::vector<VerdictGlyph>{{"e", eps, -5, "Symbol", 12}, {"g", eps + 7, 2, "Symbol", 8}}));
    const int d = TextWidth(" ! Undercut of the pinion which cuts the operating involute,  d", ui::fsBold);
    EXPECT_EQ(W().VerdictTable[11].Glyphs, (std::vector<VerdictGlyph>{{"a2max", d + 1, 3, "Arial", 7}}));
    // A warning's glyphs are indented with their line.
    const int z = TextWidth("Pinion is undercut, limiting number of teeth z", 0);
    EXPECT_EQ(W().VerdictTable[15].Glyphs.at(0), (VerdictGlyph{"1min", 11 + z + 1, 4, "Arial", 7}));
}

TEST_F(ResultsWindow, BoundariesOfTheVerdicts) {
    CheckPair(kExternalGearing, HelicalPair);
    for (auto [eps, slot] : {std::pair{1.2, 13}, {1.4, 14}, {1.0, 13}, {0.999, 6}}) {
        G.epsilongamma = eps;
        ASSERT_EQ(Shown().size(), 1u) << eps;
        EXPECT_EQ(Shown()[0].first, slot) << eps;
    }
    G.epsilongamma = 1.41;
    G.sa1 = 0.4 * G.mn;           // tip thickness: 0.4 module none
    G.SpecificSlidingRoot1 = -2;  // slidings of exactly 2 are not dangerous
    G.SpecificSlidingTip2 = 2;
    EXPECT_TRUE(Shown().empty());
    G.sa1 = 0.25 * G.mn;
    G.Protuberance1 = true;  // always reported
    EXPECT_EQ(Shown(), (Lines{{15, "Pinion is undercut protuberantly"},
                              {19,
                               "Tooth thickness on the pinion tip cylinder is less than 0.4 * module - s     = "
                               "0.25000  (<0.40000)"}}));
}

TEST_F(ResultsWindow, DashesWithoutContactAndStarsForNumbersThatDoNotFit) {
    CheckPair(kExternalGearing, SmallPinionPair);
    G.epsilonalfa = 0;
    G.InterferencePinionRoot = G.InterferenceWheelRoot = true;
    for (int slot : {7, 8, 11, 12, 21, 23}) EXPECT_EQ(Line(slot).substr(Line(slot).size() - 3), "---") << slot;
    G.epsilonalfa = 1;
    G.SpecificSlidingRoot1 = -123456789012.0;  // 17 characters at 4:3
    G.SpecificSlidingTip1 = std::numeric_limits<double>::infinity();
    G.epsilongamma = -1e20;
    EXPECT_EQ(Line(21), "Dangerously high value of specific sliding at pinion root -   ***");
    EXPECT_EQ(Line(22), "Dangerously high value of specific sliding at pinion tip diameter -   ***");
    EXPECT_EQ(Line(6), " ! Inoperative gearing - total contact ratio     = ***");
    CheckPair(kInternalGearing, InternalPair);
    G.epsilonalfa = -1;
    EXPECT_EQ(Line(8), " ! Interference with pinion root, limiting wheel tip diameter d         = ---");
}

TEST_F(ResultsWindow, ShaperCutterAndBevelLines) {
    CheckPair(kInternalGearing, InternalPair);
    G.z0 = 35;  // one tooth less than the wheel: as the cutter dialog allows
    G.sa0 = -0.2;
    G.alfaF0 = -0.01;
    EXPECT_EQ(Line(6), "");
    EXPECT_EQ(Line(15), " ! Tooth thickness on the the Fellow cutter tip cylinder is less then 0 - s    = -0.20000");
    EXPECT_EQ(Line(31), "Teeth of the Fellow cutter are undercut");
    G.z0 = 36;
    EXPECT_EQ(Line(6), " ! Teeth number for Fellow cutter must be less than teeth number of wheel (at least about 1)");

    CheckPair(kBevelGearing, BevelPair);
    G.TipsNotInContact = true;  // tips apart: not in contact, not below the root
    G.aw += 5;
    EXPECT_NE(Line(1), "");
    EXPECT_EQ(Line(3), "");
    G.beta = DegToRad(40);
    G.betamMaxDeg = 35.5;
    EXPECT_EQ(Line(12),
              " ! Teeth inclination angle at mean of the facewidth is exceeded - 40.00000\xC2\xB0> 35.50000\xC2\xB0");
    G.UndercutPinion = true;
    G.x1min = 20;  // the limiting number of teeth, on the back cone
    EXPECT_EQ(Line(15).substr(0, 63),
              "Pinion is undercut, limiting number of teeth z          = " + rt::Str(20 * std::cos(G.delta1), 4, 2));
}

TEST_F(ResultsWindow, ButtonsAndHelp) {
    CheckPair(kExternalGearing);
    W().Show();
    EXPECT_EQ(W().ActiveControl(), W().Button1);
    ui::test::QueueModalResult(TabulkaDlg, ui::mrCancel);
    ui::test::Click(W().Button1);
    EXPECT_EQ(ui::test::ModalShows().at(0).Form, "TabulkaDlg");
    ui::test::Click(W().Button2);
    ui::test::SetHelpResult(false);
    ui::test::F1();
    ASSERT_EQ(ui::test::HelpCalls().size(), 2u);
    for (const auto& call : ui::test::HelpCalls()) EXPECT_EQ(call.Data, 9u);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Help is missing."});
    EXPECT_EQ(Caption(), "  Error !");
    ui::test::Click(W().OkBtn);
    EXPECT_FALSE(W().Visible());
}

}  // namespace
}  // namespace ostrimo::test
