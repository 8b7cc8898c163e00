// A helical pair entered only through the geometry and dimensions windows and calculated by the
// main window gives the results of the same inputs set directly in the global data.
#include <cmath>
#include <numbers>
#include <string>
#include <utility>

#include "KarveloFixture.h"
#include "karvelo/calc/Geometrie.h"
#include "karvelo/calc/Vypocet.h"

namespace karvelo::test {
namespace {

using ui::test::Click;

class InputWindowsEndToEnd : public KarveloTest {};

TEST_F(InputWindowsEndToEnd, PairEnteredThroughTheWindowsCalculatesAsTheSameDataSetDirectly) {
    ui::test::QueueModal(Geometrie_F, [](ui::Form&) {
        TGeometrie_F& w = *Geometrie_F;
        Put(w.EditField(1), "23");
        Put(w.EditField(2), "71");
        Put(w.EditField(3), "3");
        Put(w.EditField(4), "12");
        Put(w.EditField(6), "0.2");
        Put(w.EditField(7), "0.1");
        Click(w.Button1);
    });
    Click(Form1->Button1);
    ui::test::QueueModal(Rozmery_F, [](ui::Form&) {
        TRozmery_F& w = *Rozmery_F;
        Click(w.CB1);  // a pinion with web and hub
        Click(w.CB3);  // moments of inertia from the bodies
        // The shaft first: without a hub it sets the rim; then the web and the rim give the hub.
        for (auto [field, text] : {std::pair{1, "40"},
                                   {2, "38"},
                                   {9, "30"},
                                   {3, "15"},
                                   {5, "8"},
                                   {10, "50"},
                                   {4, "12"},
                                   {6, "9"},
                                   {11, "1"}})
            Put(w.Field(field), text);
        Click(w.Button1);
    });
    Click(Form1->Button4);
    EXPECT_TRUE(Messages().empty());
    Click(Form1->Button8);
    ASSERT_TRUE(G.ResumeCalculation);
    const GlobalData entered = G;

    // The same inputs straight into the data, the geometry derived by the core.
    G = GlobalData{};
    G.GearingType = kExternalPair;
    SetDefaultInputs();
    G.z1 = 23, G.z2 = 71, G.mn = 3, G.beta = rt::StoredReal(12 * std::numbers::pi / 180);
    G.x1 = 0.2, G.x2 = 0.1, G.xsum = G.x1 + G.x2;
    ComputeVirtualTeeth();
    ComputeCentreDistanceFromShifts();
    ComputeGearDimensions();
    ComputeTipThickness();
    G.FullPinion = false, G.PinionShrinkFitted = true, G.mredISO = false;
    G.b1 = 40, G.b2 = 38, G.bs1 = 15, G.bs2 = 12, G.sR1 = 8, G.sR2 = 9, G.dh1 = 30, G.dh2 = 50, G.db = 1;
    G.sd1 = (G.df1 - G.dh1) / 2 - G.sR1;
    G.sd2 = (G.df2 - G.dh2) / 2 - G.sR2;
    RunCalculation();
    ASSERT_TRUE(G.ResumeCalculation);

    const struct {
        const char* name;
        double GlobalData::*value;
    } results[] = {
        {"a", &GlobalData::a},
        {"da1", &GlobalData::da1},
        {"df2", &GlobalData::df2},
        {"sd1", &GlobalData::sd1},
        {"sd2", &GlobalData::sd2},
        {"J1", &GlobalData::J1},
        {"J2", &GlobalData::J2},
        {"cprime", &GlobalData::cprime},
        {"epsalfa", &GlobalData::epsalfa},
        {"Kv", &GlobalData::Kv},
        {"SigmaH1", &GlobalData::SigmaH1},
        {"SigmaH2", &GlobalData::SigmaH2},
        {"SigmaF1", &GlobalData::SigmaF1},
        {"SigmaF2", &GlobalData::SigmaF2},
        {"SigmaHP1", &GlobalData::SigmaHP1},
        {"SigmaFP2", &GlobalData::SigmaFP2},
        {"SH1", &GlobalData::SH1},
        {"SF2", &GlobalData::SF2},
    };
    for (const auto& r : results) EXPECT_DOUBLE_EQ(entered.*r.value, G.*r.value) << r.name;
    EXPECT_NEAR(entered.a, 3 * (23 + 71) / (2 * std::cos(G.beta)) + 0.9, 0.1);  // the shifts widen it
}

}  // namespace
}  // namespace karvelo::test
