// The geometry window.

#include "InputWindowFixture.h"
#include "karvelo/forms/GeometrieF.h"
#include "runtime/NumText.h"

namespace karvelo {
namespace {

class GeometryWindow : public InputWindows {};

TEST_F(GeometryWindow, UpdateGeometryFormRecomputesAndShowsTheDerivedFields) {
    TGeometrie_F w;
    const double da1 = G.da1;
    G.x1 = 0.25;
    G.xsum = G.x1 + G.x2;
    ComputeCentreDistanceFromShifts();
    w.UpdateGeometryForm();
    EXPECT_EQ(w.EditField(6)->Text(), "0.2500");  // 6:4
    EXPECT_EQ(w.EditField(7)->Text(), "0.0000");
    EXPECT_EQ(w.EditField(15)->Text(), rt::Str(G.da1, 7, 3));
    EXPECT_GT(G.da1, da1);  // the positive shift makes the pinion tip larger
    EXPECT_EQ(w.EditField(13)->Text(), rt::Str(G.RofP1, 6, 4));
    EXPECT_EQ(w.EditField(8)->Text(), rt::Str(G.a, 7, 3));
}

TEST_F(GeometryWindow, GeometryPaintShowsTheCutterOnlyForAnInternalPairAndOkSetsTheRimLimits) {
    TGeometrie_F w;
    ui::test::QueueModal(&w, [&](ui::Form&) {
        EXPECT_FALSE(w.EditField(19)->Showing());
        EXPECT_EQ(w.EditField(1)->Text(), "20.0");
        ui::test::Click(w.Button1);
    });
    G.LifeValid = true;
    EXPECT_EQ(w.ShowModal(), ui::mrOk);
    EXPECT_FALSE(G.LifeValid);
    EXPECT_DOUBLE_EQ(G.sRmin1, (G.da1 - G.df1) / 4);
    G.GearingType = 2;
    ui::test::QueueModal(&w, [&](ui::Form&) {
        EXPECT_TRUE(w.EditField(19)->Showing());
        ui::test::Click(w.Button1);
    });
    w.ShowModal();
    EXPECT_DOUBLE_EQ(G.sRmin2, 1.75 * G.mn);
}

}  // namespace
}  // namespace karvelo
