// The geometry window: its fields, refusals, the internal pair's cutter, the centre distance,
// the root radius limits, the edition box, OK and the module table.
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include <QRect>

#include "InputWindowFixture.h"
#include "karvelo/forms/GeometrieF.h"
#include "karvelo/forms/Moduly.h"
#include "runtime/NumText.h"

namespace karvelo {
namespace {

constexpr double kRad = std::numbers::pi / 180;

class GeometryWindow : public InputWindows {
protected:
    void TearDown() override {
        w.Hide();
        InputWindows::TearDown();
    }
    // The default case (internal: the main window's internal defaults) in a freshly shown window.
    void Open(std::int16_t gearingType = kExternalPair) {
        w.Hide();
        G = GlobalData{};
        G.GearingType = gearingType;
        SetDefaultInputs();
        ComputeCentreDistanceFromShifts();
        ComputeGearDimensions();
        w.Show();
        ui::test::Notices().Clear();
    }
    void Put(int field, const std::string& text) {
        ui::test::TypeInto(w.Field(field), text);
        ui::test::Enter();
    }
    TGeometrie_F w;
};

TEST_F(GeometryWindow, EveryFieldStoresAGoodValueAndShowsItInItsFormat) {
    struct Row {
        int field;
        const char* typed;
        const double* var;
        double stored;
        const char* shown;  // after the next paint
    } rows[] = {
        {1, "25", &G.z1, 25, "25.0"},
        {2, "51", &G.z2, 51, "51.0"},
        {3, "5", &G.mn, 5, "5.000"},
        {4, "12.5", &G.beta, 12.5 * kRad, "12.5000"},
        {5, "1", &G.alfan, 1 * kRad, " 1.000"},
        {5, "50", &G.alfan, 50 * kRad, "50.000"},
        {6, "0.3", &G.x1, 0.3, "0.3000"},
        {7, "-0.1", &G.x2, -0.1, "-0.1000"},
        {8, "121", &G.a, 121, "121.000"},
        {9, "1.1", &G.haP1, 1.1, "1.100"},
        {10, "0.9", &G.haP2, 0.9, "0.900"},
        {11, "0.3", &G.caP1, 0.3, "0.300"},
        {12, "0.2", &G.caP2, 0.2, "0.200"},
        {13, "0.3", &G.RofP1, 0.3, "0.300"},
        {14, "0.25", &G.RofP2, 0.25, "0.250"},
        {15, "90", &G.da1, 90, "90.000"},
        {16, "170", &G.da2, 170, "170.000"},
        {17, "0.1", &G.Protub1, 0.1, "0.100"},
        {18, "0.15", &G.Protub2, 0.15, "0.150"},
    };
    for (const Row& r : rows) {
        Open();
        Put(r.field, r.typed);
        EXPECT_NEAR(*r.var, r.stored, 1e-12) << r.field;
        w.Repaint();
        EXPECT_EQ(w.Field(r.field)->Text(), r.shown) << r.field;
        EXPECT_TRUE(ui::test::Notices().Texts().empty()) << r.field;
    }
    // Internal pair: the cutter.
    struct Cutter {
        int field;
        const char* typed;
        const double* var;
        double stored;
    } cutter[] = {{19, "30", &G.z0, 30}, {20, "-2", &G.x0, -2}, {20, "0.3", &G.x0, 0.3}};
    for (const Cutter& c : cutter) {
        Open(kInternalPair);
        Put(c.field, c.typed);
        EXPECT_EQ(*c.var, c.stored) << c.typed;
        EXPECT_TRUE(ui::test::Notices().Texts().empty()) << c.typed;
    }
}

TEST_F(GeometryWindow, RefusalsShowTheirTextAndPutTheFocusBack) {
    const std::string decimal = "It must be given in decimal form.";
    struct Row {
        int gearing;
        int field;
        const char* typed;
        std::string message;
        const char* caption;  // "" for a plain message
    } rows[] = {
        {1, 1, "3", "Invalid input of the number of teeth of the pinion z1", ""},
        {1, 2, "0", "Invalid input of the number of teeth of the wheel z2", ""},
        {1, 2, "3", "Wheel teeth number must be greater than 3", ""},
        {2, 2, "-3", "Teeth number for the annular gear must be less than -3", ""},
        {1, 3, "0", "Normal module must be greater than 0", ""},
        {1, 4, "-1", "Invalid input of the helix angle beta at reference cylinder. \r" + decimal, ""},
        {1, 4, "90", "Invalid input of the helix angle beta at reference cylinder. \r" + decimal, ""},
        {1, 5, "0.99", "Invalid input of the normal rack flank angle alfan   \r" + decimal, ""},
        {1, 5, "50.01", "Invalid input of the normal rack flank angle alfan   \r" + decimal, ""},
        {1, 6, "1.2.", "Invalid input of the shifting coefficient x1", ""},
        {1, 6, "-30", "Impossible sum of shifting coefficients x1+x2  (xlim = ", ""},
        {1, 7, "x", "Invalid input of the shifting coefficient x2", ""},
        {1, 8, "-5", "Invalid input of the working centre distance a", ""},
        {2, 8, "5", "Invalid input of the working centre distance a", ""},
        {1, 8, "100", "Impossibly small the working centre distance a (amin= 112.763", ""},
        {1, 9, "-1", "Invalid input of the pinion addendum (proportion height) ha1*", ""},
        {1, 10, "-1", "Invalid input of the wheel addendum (proportion height) ha2*", ""},
        {1, 11, "-1", "Invalid input of the pinion tip clearance (proportion height) c1*", ""},
        {1, 12, "-1", "Invalid input of the wheel tip clearance (proportion height) c2*", ""},
        {1, 13, "-1", "Invalid input of the pinion root rounding radius (proportion size) rof1*", ""},
        {1, 14, "-1", "Invalid input of the wheel root rounding radius (proportion size) rof2*", ""},
        {1, 15, "0", "Invalid input of the pinion tip diameter da1", ""},
        {1, 16, "-170", "Invalid input of the wheel tip diameter da2", ""},
        {2, 16, "170", "Invalid input of the wheel tip diameter da2", ""},
        {1, 17, "-1", "Invalid input of the pinion protuberance size", ""},
        {1, 18, "-1", "Invalid input of the wheel protuberance size", ""},
        {2, 19, "2a", "Invalid number format, repeat the input", "  Error !"},
        {2, 19, "3", "Teeth number for the Fellow cutter must be greater than 3", "  Error !"},
        {2, 19, "40", "Teeth number for the Fellow cutter must be less than teeth number of wheel (at least about 1)",
         "  Error !"},
        {2, 20, "1,5", "Invalid number format, repeat the input", "  Error !"},
        {2, 20, "-2.01", "Addendum modification coefficient of the Fellow cutter must lay from -2 to 3", "  Error !"},
        {2, 20, "3.01", "Addendum modification coefficient of the Fellow cutter must lay from -2 to 3", "  Error !"},
    };
    for (const Row& r : rows) {
        Open(r.gearing);
        Put(r.field, r.typed);
        ASSERT_EQ(ui::test::Notices().notices.size(), 1u) << r.field << " " << r.typed;
        const rt::Notice& n = ui::test::Notices().notices[0];
        EXPECT_EQ(n.text.substr(0, r.message.size()), r.message) << r.field << " " << r.typed;
        EXPECT_EQ(n.caption, r.caption) << r.field << " " << r.typed;
        EXPECT_EQ(w.ActiveControl(), w.Field(r.field));
    }
    // The shift sum's limit is named in the message.
    Open();
    Put(6, "-30");
    EXPECT_EQ(ui::test::Notices().Texts().back(),
              "Impossible sum of shifting coefficients x1+x2  (xlim = " + rt::Str(G.xlim, 8, 5) + ")");
    EXPECT_LT(G.xlim, -0.5);
    EXPECT_EQ(G.x1, -30);  // stored before the test
}

// An entry after which the geometry cannot be computed (a tip inside its base circle, a shift sum
// below its critical value) is refused at its field, once, with the message of the cause the
// derivation met; the field's own text is for a number malformed, out of its range, or refused
// without a cause.  The focus stays on the typed text, and the case keeps what it had.
TEST_F(GeometryWindow, AnEntryThatMakesTheGearImpossibleIsRefusedAtItsField) {
    const std::string arccos = "Invalid argument for arccosinus, impossible gearing parameters";
    const std::string critical = "There is no solution - the sum of shifting coefficients x1+x2 is less than critical  ";
    const std::string alfan = "Invalid input of the normal rack flank angle alfan   \rIt must be given in decimal form.";
    const struct {
        int gearing;
        bool shifted;  // x1 = x2 = -0.6 typed before
        int field;
        const char* typed;
        std::string message;
    } rows[] = {
        {1, false, 6, "15", arccos},
        {1, false, 7, "15", arccos},
        {1, false, 8, "1000", "Invalid input of the working centre distance a"},  // tips below 0: no notice
        {1, false, 15, "50", arccos},
        {1, false, 16, "100", arccos},
        {2, false, 2, "-22", arccos},
        {2, false, 5, "5", arccos},
        {2, false, 7, "0.25", arccos},
        {2, false, 10, "3", arccos},
        {2, false, 16, "-60", arccos},
        {1, true, 5, "18", critical + "-0.99352"},
        {1, true, 1, "14", critical + "-1.10564"},
        {1, true, 5, "1,5x", alfan},
        {1, true, 5, "51", alfan},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.typed);
        Open(r.gearing);
        if (r.shifted)
            for (int field : {6, 7}) Put(field, "-0.6");
        ASSERT_TRUE(ui::test::Notices().notices.empty());
        const GlobalData before = G;
        ui::test::TypeInto(w.Field(r.field), r.typed);
        ui::test::Tab();
        EXPECT_EQ(ui::test::Notices().Texts(), std::vector<std::string>{r.message});
        EXPECT_EQ(ui::test::Notices().notices[0].caption, r.message == arccos ? "  Error !" : "");
        EXPECT_EQ(w.ActiveControl(), w.Field(r.field));
        EXPECT_EQ(w.Field(r.field)->Text(), r.typed);
        for (double GlobalData::*v : {&GlobalData::x1, &GlobalData::x2, &GlobalData::xlim, &GlobalData::a,
                                      &GlobalData::haP2, &GlobalData::da1, &GlobalData::da2, &GlobalData::sa2})
            EXPECT_EQ(G.*v, before.*v);
        w.Hide();  // a number refused by its range is given back with the window
        for (double GlobalData::*v : {&GlobalData::z1, &GlobalData::z2, &GlobalData::alfan, &GlobalData::x2})
            EXPECT_EQ(G.*v, before.*v);
    }
}

TEST_F(GeometryWindow, InternalPairChoosesACutterSmallerThanTheWheel) {
    struct Row {
        double z2, z0Before, z0After;
    } rows[] = {{-40, 45, 25}, {-12, 25, 10}, {-60, 70, 70}, {-14, 25, 12}, {-50, 60, 60}, {-49, 60, 30}};
    for (const Row& r : rows) {
        Open(kInternalPair);
        EXPECT_TRUE(w.Field(19)->Showing());
        EXPECT_TRUE(w.FieldLabel(20)->Showing());
        // A small pinion of short teeth, so that a small wheel can mesh with it.
        G.z1 = 4;
        G.haP1 = G.haP2 = 0.3;
        G.z0 = r.z0Before;
        Put(2, rt::Str(r.z2, 0, 0));
        EXPECT_EQ(G.z0, r.z0After) << r.z2;
        EXPECT_EQ(w.Field(19)->Text(), rt::Str(r.z0After, 1, 0));
    }
    // The manufacturing mesh of cutter and wheel: x0 + x2 up to the critical sum.
    Open(kInternalPair);
    const double critical = -(G.z0 + G.z2) / 2 * (std::tan(G.alfat) - G.alfat) / std::tan(G.alfan);
    Put(20, rt::Str(critical + 0.1, 0, 4));
    EXPECT_EQ(ui::test::Notices().Texts(), std::vector<std::string>{"Sum of Addendum Modification Coefficients "
                                                                    "(manufacturing) x0+x2 is greater than critical"});
    EXPECT_DOUBLE_EQ(G.x0x2crit, critical);
    Open(kInternalPair);
    Put(20, rt::Str(critical - 0.01, 0, 4));
    EXPECT_TRUE(ui::test::Notices().Texts().empty());
}

TEST_F(GeometryWindow, CentreDistanceGivesTheShiftsAndZeroResetsThem) {
    Open();
    Put(8, "121");
    EXPECT_TRUE(G.aGiven);
    EXPECT_NEAR(G.x1, G.xsum / 2, 1e-15);
    EXPECT_GT(G.xsum, 0);
    // The shifts found give the entered centre distance back.
    GlobalData check = G;
    std::swap(G, check);
    G.aGiven = false;
    ComputeCentreDistanceFromShifts();
    EXPECT_NEAR(G.a, 121, 1e-9);
    EXPECT_NEAR(G.alfawt, check.alfawt, 1e-9);
    std::swap(G, check);
    // With the centre distance given, x1 only divides the sum.
    Put(6, "0.4");
    EXPECT_NEAR(G.x2, G.xsum - 0.4, 1e-15);
    EXPECT_EQ(G.a, 121);
    // Within 0.0009 of the present value nothing changes.
    const double xsum = G.xsum;
    Put(8, "121.0005");
    EXPECT_EQ(G.a, 121);
    EXPECT_EQ(G.xsum, xsum);
    // A second centre distance below the reference one is taken as it stands.
    Put(8, "119");
    Put(8, "118");
    EXPECT_EQ(G.a, 118);
    EXPECT_LT(G.x1, 0);
    EXPECT_TRUE(ui::test::Notices().Texts().empty());
    // 0: back to the reference centre distance, x1 = x2 = 0, the focus on x1.
    Put(8, "0");
    EXPECT_EQ(G.a, 120);
    EXPECT_EQ(G.x1, 0);
    EXPECT_EQ(G.x2, 0);
    EXPECT_FALSE(G.aGiven);
    EXPECT_EQ(w.Field(6)->Text(), "0.00000");
    EXPECT_EQ(w.Field(8)->Text(), "120.000");
    EXPECT_EQ(w.ActiveControl(), w.Field(6));
    // Refused below the smallest centre distance.
    // Refused below the smallest centre distance, ad cos(alfat) (the working pressure angle 0).
    Put(8, "112");
    EXPECT_NEAR(G.a, 120 * std::cos(20 * kRad), 1e-4);
    EXPECT_EQ(ui::test::Notices().Texts().back(),
              "Impossibly small the working centre distance a (amin= " + rt::Str(G.a, 8, 5) + ")");
}

TEST_F(GeometryWindow, ToothNumbersRecomputeOnlyWhenChangedAndRootRadiusIsCutToItsLimit) {
    Open();
    G.da1Given = true;
    Put(1, "20");  // the same z1: nothing recomputed
    EXPECT_TRUE(G.da1Given);
    Put(1, "4");
    EXPECT_FALSE(G.da1Given);
    EXPECT_EQ(G.u, 10);
    const double limit =
        (std::numbers::pi / 4 - std::tan(G.alfan) * (G.haP2 + G.caP2)) * std::cos(G.alfan) / (1 - std::sin(G.alfan));
    Put(13, rt::Str(limit + 0.0005, 0, 6));
    EXPECT_TRUE(ui::test::Notices().Texts().empty());
    EXPECT_EQ(G.RofP1, limit);
    EXPECT_EQ(w.Field(13)->Text(), rt::Str(limit, 6, 4));
    Put(14, rt::Str(limit + 0.002, 0, 6));
    ASSERT_EQ(ui::test::Notices().notices.size(), 1u);
    EXPECT_EQ(ui::test::Notices().notices[0].text,
              "Wheel root rounding radius (proportion size) must be from 0 to " + rt::Str(limit, 6, 4) + "\r");
    EXPECT_EQ(ui::test::Notices().notices[0].caption, "  Warning !");
    EXPECT_EQ(G.RofP2, limit);
}

TEST_F(GeometryWindow, HiddenTriggerShowsTheEditionAndKeepsTheModule) {
    Open();
    G.EditionText = "KARVELO edition test";
    ui::test::TypeInto(w.Field(3), "wvw");
    ui::test::Tab();
    ASSERT_EQ(ui::test::Notices().notices.size(), 1u);
    EXPECT_EQ(ui::test::Notices().notices[0].text, "KARVELO edition test");
    EXPECT_EQ(ui::test::Notices().notices[0].caption, "  Info !");
    EXPECT_EQ(w.Field(3)->Text(), "4.000");
    EXPECT_EQ(G.mn, 4);
    EXPECT_EQ(w.ActiveControl(), w.Field(3));
}

TEST_F(GeometryWindow, ModulesOpensTheTableBesideOnlyAfterTheFieldIsAccepted) {
    TTabulka_modulu table;
    Tabulka_modulu = &table;
    Open();
    ui::test::TypeInto(w.Field(1), "3");
    ui::test::Click(w.Button3);  // refused: one message, no table, the button not left down
    EXPECT_EQ(ui::test::Notices().Texts().size(), 1u);
    EXPECT_FALSE(table.Visible());
    EXPECT_FALSE(w.Button3->isDown());
    ui::test::TypeInto(w.Field(1), "21");
    ui::test::Click(w.Button3);
    EXPECT_EQ(G.z1, 21);
    EXPECT_TRUE(table.Visible());
    EXPECT_FALSE(w.frameGeometry().intersects(table.frameGeometry()))
        << w.Left() << "," << w.Top() << " " << table.Left() << "," << table.Top();
    EXPECT_EQ(ui::test::Notices().Texts().size(), 1u);
    // Leaving the window with a refused number in a field: one message, one check.
    w.Show();
    ui::test::TypeInto(w.Field(2), "0");
    ui::test::Click(&table);
    EXPECT_EQ(ui::test::Notices().Texts().size(), 2u);
    EXPECT_EQ(w.ActiveControl(), w.Field(2));
    ui::test::Esc();  // Esc closes the table
    EXPECT_FALSE(table.Visible());
    Tabulka_modulu = nullptr;
}

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
        EXPECT_FALSE(w.FieldLabel(19)->Showing());
        EXPECT_EQ(w.EditField(1)->Text(), "20.0");
        ui::test::Click(w.Button1);
    });
    G.LifeValid = true;
    EXPECT_EQ(w.ShowModal(), ui::mrOk);
    EXPECT_FALSE(G.LifeValid);
    EXPECT_DOUBLE_EQ(G.sRmin1, (G.da1 - G.df1) / 4);
    G.GearingType = kInternalPair;
    ui::test::QueueModal(&w, [&](ui::Form&) {
        EXPECT_TRUE(w.EditField(19)->Showing());
        ui::test::Click(w.Button1);
    });
    w.ShowModal();
    EXPECT_DOUBLE_EQ(G.sRmin2, 1.75 * G.mn);
}

}  // namespace
}  // namespace karvelo
