// The kinematic arrangement window.

#include "KHbetaWindowsFixture.h"

namespace karvelo {
namespace {

class ArrangementWindow : public KHbetaWindows {
protected:
    TPudorysne_schema& w = arrangement;
};

TEST_F(ArrangementWindow, EachHotSpotPicksItsArrangementAndAClickBesideThemBeeps) {
    const QPoint centres[9] = {{46, 235}, {46, 317},  {96, 110},  {217, 110}, {332, 269},
                               {35, 66},  {260, 283}, {329, 101}, {229, 60}};
    const int arrangements[9] = {1, 2, 3, 3, 4, 5, 5, 6, 7};
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(i + 1);
        G.ArrangementNo = kNoArrangement;
        ui::test::QueueModal(&w, [&](ui::Form&) {
            ui::test::MoveMouse(w.Image1, centres[i]);
            EXPECT_EQ(w.HotSpot(), i + 1);
            ui::test::Click(w.Image1, centres[i]);
        });
        EXPECT_EQ(w.ShowModal(), ui::mrOk);
        EXPECT_EQ(G.ArrangementNo, arrangements[i]);
    }
    G.KHbeta = 1.3;
    ui::test::QueueModal(&w, [&](ui::Form&) {
        ui::test::Click(w.Image1, QPoint(150, 200));
        ASSERT_EQ(ui::test::Notices().notices.size(), 1u);
        EXPECT_EQ(ui::test::Notices().notices[0].kind, rt::Notice::Beep);
        EXPECT_EQ(w.HotSpot(), 0);
        EXPECT_TRUE(w.Visible());
        ui::test::Esc();
    });
    EXPECT_EQ(w.ShowModal(), ui::mrCancel);
    EXPECT_EQ(G.ArrangementNo, arrangements[8]);  // the last pick stays
    EXPECT_EQ(G.KHbeta, 1.3);
}

TEST_F(ArrangementWindow, KHbetaByTheHardnessOfTheSofterGear) {
    struct Case {
        double HV1, HV2;
        int arrangement;
        double KHbeta;
    };
    // x = b / d1 = 16 / 80 = 0.2
    const Case cases[] = {
        {300, 300, 7, 0.998744},                        // 1 - 0.0136 x + 0.0366 x²
        {360, 340, 1, 1 + 0.385 * 0.2 + 0.125 * 0.04},  // the softer gear decides
        {351, 351, 1, 1 + 0.95 * 0.2 + 0.25 * 0.04},
        {351, 351, 7, 1 + 0.0625 * 0.04},
        {350, 400, 4, 1 + 0.0385 * 0.2 + 0.0535 * 0.04},
        {600, 700, 2, 1 + 0.2475 * 0.2 + 0.8125 * 0.04},
        {600, 700, 0, 1.7},  // none picked: KHbeta stays
    };
    G.b1 = 16;
    G.b2 = 40;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arrangement);
        G.HV1 = c.HV1;
        G.HV2 = c.HV2;
        G.ArrangementNo = static_cast<std::int16_t>(c.arrangement);
        G.KHbeta = 1.7;
        ComputeKHbetaFromArrangement();
        EXPECT_NEAR(G.KHbeta, c.KHbeta, 1e-12);
    }
}

}  // namespace
}  // namespace karvelo
