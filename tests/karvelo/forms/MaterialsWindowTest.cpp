// The material class defaults and life-factor curves, the materials window and the built-in
// material table.
#include <cmath>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "InputWindowFixture.h"
#include "ScratchDir.h"
#include "karvelo/calc/Soubory.h"
#include "karvelo/forms/Materialy.h"
#include "karvelo/forms/MaterialyF.h"
#include "runtime/Cp1250.h"

namespace karvelo {
namespace {

using ui::test::Notices;

// ---- class defaults and curves

struct ClassRow {
    const char* code;
    double SigmaHlim, SigmaFlim, HV, HVcore, E, Rm;
    const char *form, *unit, *quality;
    double ro, NHlim, NLstatF, ZNT, YNT;
};
const ClassRow kClasses[] = {
    {"St", 300, 119, 110, 110, 206000, 367, "wrought", "HWB", "ML, MQ", 7830, 5e7, 1e4, 1.6, 2.5},
    {"GTS", 328, 123, 135, 135, 173000, 452, "cast", "HWB", "ML, MQ", 7400, 5e7, 1e4, 1.6, 2.5},
    {"GGGp", 462, 180, 175, 175, 173000, 589, "cast", "HWB", "ML, MQ", 7150, 5e7, 1e4, 1.6, 2.5},
    {"GGGf", 462, 180, 175, 175, 173000, 589, "cast", "HWB", "ML, MQ", 7150, 2e6, 1e3, 1.3, 1.6},
    {"GG", 287, 46, 150, 150, 118000, 504, "cast", "HWB", "ML, MQ", 7200, 2e6, 1e3, 1.3, 1.6},
    {"V", 413, 137, 135, 115, 206000, 326, "wrought", "HV", "ML", 7830, 5e7, 1e4, 1.6, 2.5},
    {"Eh", 1300, 312, 600, 247, 206000, 780, "wrought", "HV", "ML", 7830, 5e7, 1e3, 1.6, 2.5},
    {"IF", 961, 224, 485, 183, 206000, 560, "wrought", "HV", "ML", 7830, 5e7, 1e3, 1.6, 2.5},
    {"NT", 1125, 270, 650, 146, 206000, 432, "wrought", "HV", "ML", 7830, 2e6, 1e3, 1.3, 1.6},
    {"NV", 788, 258, 450, 140, 206000, 412, "wrought", "HV", "ML", 7830, 2e6, 1e3, 1.3, 1.6},
    {"NVc", 650, 224, 300, 91, 206000, 246, "wrought", "HV", "ML", 7830, 2e6, 1e3, 1.1, 1.1},
};

TEST_F(InputWindows, EveryClassGetsItsDefaultsAndCurves) {
    for (const ClassRow& c : kClasses)
        for (bool pinion : {true, false}) {
            SCOPED_TRACE(std::string(c.code) + (pinion ? " pinion" : " wheel"));
            G.MaterialForPinion = pinion;
            GearMaterial m = MaterialOfGear(pinion);
            m.Code = c.code;
            m.Re = 500;
            m.Ny = 0.25;
            m.PittingAllowed = true;
            G.ViscosityGiven = true;
            G.ZLrefDirect = m.YXrefDirect = true;
            G.ZLref = m.YXref = 0.9;
            SetMaterialClassDefaults();
            SetLifeFactorCurves();
            EXPECT_EQ(m.SigmaHlim, c.SigmaHlim);
            EXPECT_EQ(m.SigmaFlim, c.SigmaFlim);
            EXPECT_EQ(m.HV, c.HV);
            EXPECT_EQ(m.HVcore, c.HVcore);
            EXPECT_EQ(m.E, c.E);
            EXPECT_EQ(m.Rm, c.Rm);
            EXPECT_EQ(m.Re, 0);
            EXPECT_EQ(m.Form, c.form);
            EXPECT_EQ(m.HardnessUnit, c.unit);
            EXPECT_EQ(m.Quality, c.quality);
            EXPECT_EQ(m.ro, c.ro);
            EXPECT_EQ(m.Ny, 0.3);
            EXPECT_FALSE(m.PittingAllowed);
            EXPECT_FALSE(G.ViscosityGiven || G.ZLrefDirect || m.YXrefDirect);
            EXPECT_EQ(G.OilTemperature, 170);
            EXPECT_EQ(G.OilViscosity, 98.53);
            EXPECT_EQ(G.ZLref, 1);
            EXPECT_EQ(m.YXref, 1);
            EXPECT_EQ(m.NHlim, c.NHlim);
            EXPECT_EQ(m.NFlim, 3e6);
            EXPECT_EQ(m.NLstatH, 1e5);
            EXPECT_EQ(m.NLstatF, c.NLstatF);
            EXPECT_EQ(m.ZNTstat, c.ZNT);
            EXPECT_EQ(m.YNTstat, c.YNT);
            EXPECT_NEAR(m.qH, std::log(c.NHlim / 1e5) / std::log(c.ZNT), 1e-12);
            EXPECT_NEAR(m.qF, std::log(3e6 / c.NLstatF) / std::log(c.YNT), 1e-12);
            EXPECT_NEAR(m.qH_, std::log(c.NHlim / 1e10) / std::log(0.85), 1e-12);
        }
    // The case-hardened curves (qF = ln 3000 / ln 2.5).
    const GearMaterial wheel = MaterialOfGear(false);
    wheel.Code = "Eh";
    SetLifeFactorCurves();
    EXPECT_NEAR(wheel.qH, 13.2225, 5e-5);
    EXPECT_NEAR(wheel.qF, 8.7378, 5e-5);
    EXPECT_NEAR(wheel.qH_, 32.6012, 5e-5);
    EXPECT_NEAR(wheel.qF_, 49.9125, 5e-5);
}

TEST_F(InputWindows, OtherMaterialKeepsItsNumbersAndTakesItsStaticFactorFromTheStrength) {
    G.MaterialForPinion = true;
    GearMaterial m = MaterialOfGear(true);
    m.Code = "0";
    m.NHlim = 4e7;
    m.NLstatH = 2e5;
    m.ZNTstat = 1.4;
    m.Rm = 1000;
    m.SigmaFlim = 400;
    SetMaterialClassDefaults();
    SetLifeFactorCurves();
    EXPECT_EQ(m.SigmaHlim, 1500);  // the values of the table stay
    EXPECT_EQ(m.ro, 7830);
    EXPECT_EQ(m.NHlim, 4e7);
    EXPECT_EQ(m.NLstatH, 2e5);
    EXPECT_EQ(m.ZNTstat, 1.4);
    EXPECT_EQ(m.NLstatF, 1000);
    EXPECT_DOUBLE_EQ(m.YNTstat, 1000.0 / (400 * 2));
    EXPECT_NEAR(m.qH, std::log(200.0) / std::log(1.4), 1e-12);

    // Rm 860, SigmaFlim 430, YST 2 make a static factor of 1: no curve, the factor stays.
    m.Rm = 860;
    m.SigmaFlim = 430;
    SetLifeFactorCurves();
    EXPECT_DOUBLE_EQ(m.YNTstat, 1.25);
    EXPECT_TRUE(std::isfinite(m.qF));
    m.YST = 0;
    SetLifeFactorCurves();
    EXPECT_DOUBLE_EQ(m.YNTstat, 1.25);
}

// ---- the materials window

class MaterialsWindow : public InputWindows {
protected:
    void SetUp() override {
        InputWindows::SetUp();
        Materialy_F = &w;
        Materialova_tabulka = &table;
        w.OnCreate();
        table.OnCreate();
        w.Show();
        Notices().Clear();
    }
    void TearDown() override {
        w.Hide();
        Materialy_F = nullptr;
        Materialova_tabulka = nullptr;
        InputWindows::TearDown();
    }
    void Put(int field, const std::string& text) {
        ui::test::TypeInto(w.Edit(field), text);
        ui::test::Enter();
    }
    // A pick in a list as the user makes it, also of the entry shown.
    void Pick(ui::ComboBox* list, int index) {
        w.SetActiveControl(list);
        list->SetItemIndex(index);
        emit list->activated(index);
    }
    TMaterialy_F w;
    TMaterialova_tabulka table;
};

TEST_F(MaterialsWindow, StartsWithTheCaseHardenedCurvesAndShowsTheCase) {
    EXPECT_EQ(G.NLstatH1, 1e5);
    EXPECT_EQ(G.NLstatH2, 1e5);
    EXPECT_EQ(G.NLstatF1, 1000);
    EXPECT_EQ(G.NLstatF2, 1000);
    EXPECT_EQ(G.ZNT2stat, 1.6);
    EXPECT_EQ(G.YNT1stat, 2.5);
    EXPECT_EQ(G.MatDesignation2, "14 220");
    EXPECT_EQ(w.ComboBox1->Text(), "Case-hardened steel");
    EXPECT_EQ(w.ComboBox1->Items().size(), 13u);
    EXPECT_EQ(w.ComboBox2->Items().size(), 12u);
    EXPECT_EQ(w.Edit(1)->Text(), "1500.0");
    EXPECT_EQ(w.Edit(9)->Text(), "2.06E+5");
    EXPECT_EQ(w.Edit(27)->Text(), "5E+7");
    EXPECT_EQ(w.Edit(29)->Text(), "13.222");
    EXPECT_EQ(w.Edit(36)->Text(), "7830");
    EXPECT_FALSE(w.Edit(6)->Visible());  // no yield limit for "Eh"
    EXPECT_FALSE(w.Edit(11)->Enabled());
    EXPECT_EQ(w.Label8->Caption(), "HV1");
    EXPECT_TRUE(w.CheckBoxes[1]->Checked() && !w.CheckBoxes[2]->Checked());
    EXPECT_TRUE(w.CheckBoxes[11]->Visible());
}

TEST_F(MaterialsWindow, APickReloadsTheClassATabThroughTheListDoesNot) {
    Put(17, "1234");
    Put(25, "206000");
    EXPECT_EQ(w.Edit(25)->Text(), "2.1E+5");  // at once in the short format
    w.Repaint();
    EXPECT_EQ(w.Edit(25)->Text(), "2.06E+5");

    w.SetActiveControl(w.ComboBox2);
    ui::test::Tab();
    EXPECT_EQ(G.SigmaHlim2, 1234);

    Pick(w.ComboBox2, 6);  // the same entry again
    EXPECT_FALSE(G.MaterialForPinion);
    EXPECT_EQ(G.SigmaHlim2, 1300);
    EXPECT_EQ(G.SigmaHlim1, 1500);
    EXPECT_EQ(w.Edit(17)->Text(), "1300.0");

    ui::test::Key(Qt::Key_Down);  // the next entry by the keyboard: "IF"
    EXPECT_EQ(G.MaterialCode2, "IF");
    EXPECT_EQ(G.MatName2, "Flame or induction hardened steel");
    EXPECT_EQ(G.MaterialClass2, MaterialClassIndex("IF"));
    EXPECT_EQ(G.SigmaHlim2, 961);
    EXPECT_TRUE(w.RadioButton3->Enabled());  // the form of "IF" may be chosen

    Pick(w.ComboBox1, 0);
    EXPECT_EQ(G.MaterialCode1, "St");
    EXPECT_EQ(G.NLstatF1, 10000);
    EXPECT_TRUE(w.Edit(6)->Visible());
    EXPECT_EQ(w.Label8->Caption(), "HB1");
    EXPECT_TRUE(w.RadioButton5->Checked());
    EXPECT_TRUE(w.CheckBoxes[1]->Checked() && w.CheckBoxes[2]->Checked() && !w.CheckBoxes[3]->Checked());

    Put(1, "280");
    Pick(w.ComboBox1, 12);  // the empty entry: the class is kept and reloaded
    EXPECT_EQ(G.MaterialClass1, MaterialClassIndex("St"));
    EXPECT_EQ(G.MaterialCode1, "St");
    EXPECT_EQ(G.SigmaHlim1, 300);
    EXPECT_EQ(w.ComboBox1->ItemIndex(), 0);
}

TEST_F(MaterialsWindow, OtherMaterialOpensItsCurveFieldsAndDerivesTheStaticBendingFactor) {
    Pick(w.ComboBox1, 11);
    EXPECT_EQ(G.MaterialCode1, "0");
    EXPECT_EQ(G.SigmaHlim1, 1500);  // the numbers stay
    for (int n : {11, 12, 13, 14}) EXPECT_TRUE(w.Edit(n)->Enabled()) << n;
    EXPECT_TRUE(w.RadioButton5->Enabled() && w.RadioButton2->Enabled());
    EXPECT_FALSE(w.CheckBoxes[1]->Visible() || w.QualityLabel(true, 0)->Visible());
    EXPECT_TRUE(w.Edit(6)->Visible());

    Put(5, "1290");
    EXPECT_DOUBLE_EQ(G.YNT1stat, 1290.0 / (430 * 2));
    Put(2, "645");  // Rm / (SigmaFlim YST) = 1: refused, the factor stays
    EXPECT_EQ(Notices().Texts(), std::vector<std::string>{"Invalid input"});
    EXPECT_DOUBLE_EQ(G.YNT1stat, 1.5);
    Put(2, "400");
    EXPECT_DOUBLE_EQ(G.YNT1stat, 1290.0 / 800);

    // The curve fields: the static end follows them, also while the exponent is refused, and
    // gets its value back with the exponent when the window closes on the refusal.
    Put(11, "4e7");
    EXPECT_EQ(w.Edit(11)->Text(), "4E+7");
    EXPECT_DOUBLE_EQ(G.NLstatH1, 4e7 / std::pow(1.6, G.qH1));
    const double qH = G.qH1, NLstatH = G.NLstatH1;
    Put(13, "0");
    EXPECT_EQ(G.qH1, 0);
    EXPECT_EQ(G.NLstatH1, 4e7);
    w.Hide();
    EXPECT_EQ(G.qH1, qH);
    EXPECT_EQ(G.NLstatH1, NLstatH);
}

TEST_F(MaterialsWindow, RefusalsOfThePositiveFieldsPoissonAndTheYieldLimit) {
    Pick(w.ComboBox2, 5);  // "V": the yield limit is asked for
    struct Row {
        int field;
        const char* typed;
        const char* message;
        const char* fix;  // typed after a refusal
    } rows[] = {
        {26, "1", nullptr, nullptr},
        {26, "0", "Invalid input", "0.3"},
        {26, "1.0001", "Invalid input", "0.3"},
        {18, "0", "Invalid input", "137"},
        {25, "x", "Invalid input", "206000"},
        {22, "0", "Invalid input", "100"},
        {22, "326", "Wheel material yield limit must be smaller than strength limit", "100"},
    };
    for (const Row& r : rows) {
        Notices().Clear();
        Put(r.field, r.typed);
        EXPECT_EQ(Notices().Texts(), r.message ? std::vector<std::string>{r.message} : std::vector<std::string>{})
            << r.field << " " << r.typed;
        EXPECT_EQ(w.ActiveControl(), w.Edit(r.field));
        if (r.fix) Put(r.field, r.fix);
    }
    Notices().Clear();
    Put(21, "900");
    Put(22, "700");
    EXPECT_TRUE(Notices().Texts().empty());
    EXPECT_EQ(w.YieldLabel(false)->Caption(), "0,2-2");
    Put(22, "600");
    EXPECT_EQ(w.YieldLabel(false)->Caption(), "e2");
}

TEST_F(MaterialsWindow, QualityBoxesFollowTheirRules) {
    ui::CheckBox** b = &w.CheckBoxes[0];
    ui::test::Click(b[2]);  // MQ beside ML
    EXPECT_EQ(G.QualityGrade1, "ML, MQ");
    ui::test::Click(b[3]);  // ME while ML is checked: refused
    EXPECT_FALSE(b[3]->Checked());
    ui::test::Click(b[1]);
    ui::test::Click(b[3]);
    EXPECT_EQ(G.QualityGrade1, "MQ, ME");
    ui::test::Click(b[1]);  // ML while ME is checked
    EXPECT_FALSE(b[1]->Checked());
    ui::test::Click(b[2]);
    EXPECT_EQ(G.QualityGrade1, "ME");
    ui::test::Click(b[3]);  // none left: ML
    EXPECT_TRUE(b[1]->Checked());
    EXPECT_EQ(G.QualityGrade1, "ML");
    G.QualityGrade2 = "MQ, ME";
    w.Repaint();  // shown as stored, the text untouched
    EXPECT_TRUE(!b[4]->Checked() && b[5]->Checked() && b[6]->Checked());
    EXPECT_EQ(G.QualityGrade2, "MQ, ME");
}

TEST_F(MaterialsWindow, PittingBoxMovesTheContactCurve) {
    ui::test::Click(w.CheckBoxes[12]);
    EXPECT_TRUE(G.PittingAllowed2);
    EXPECT_EQ(G.NHlim2, 1e9);
    EXPECT_EQ(G.NLstatH2, 600000);
    EXPECT_NEAR(G.qH2knee, std::log(100.0) / std::log(1.3), 1e-12);
    EXPECT_NEAR(G.qH_2, std::log(0.1) / std::log(0.85), 1e-12);
    EXPECT_EQ(w.Edit(27)->Text(), "1E+9");
    ui::test::Click(w.CheckBoxes[12]);
    EXPECT_FALSE(G.PittingAllowed2);
    EXPECT_EQ(G.NHlim2, 5e7);
    EXPECT_EQ(G.NLstatH2, 1e5);
    EXPECT_NEAR(G.qH2, 13.2225, 5e-5);
    // A paint shows the stored choice without moving the curve.
    G.PittingAllowed1 = true;
    w.Repaint();
    EXPECT_TRUE(w.CheckBoxes[11]->Checked());
    EXPECT_EQ(G.NHlim1, 5e7);
    Pick(w.ComboBox1, 4);  // "GG": no pitting
    EXPECT_FALSE(w.CheckBoxes[11]->Visible() || w.PittingLabel(true, 1)->Visible());
}

// ---- the material table and the windows' closing

TEST_F(MaterialsWindow, TableShowsItsRowsAsGiven) {
    // Each row's ten cells joined by '|'; row 6 with the contact numbers of quality ME.
    const char* const rows[TMaterialova_tabulka::kRows] = {
        " 1, 5|Normalized low carbon steels|St|wrought|1a,  2a|ML MQ| 110 - 210| 110 - 210| 300 - 400| 119 - 164",
        " 2, 6|Normalized low carbon steels|St|wrought|1a,  2a|ME| 110 - 210| 110 - 210| 417 - 569| 189 - 228",
        " 3, 7|Normalized low carbon steels|St|cast|1b,  2b|ML MQ| 140 - 210| 140 - 210| 269 - 338| 106 - 127",
        " 4, 8|Normalized low carbon steels|St|cast|1b,  2b|ME| 140 - 210| 140 - 210| 397 - 477| 172 - 190",
        "9, 15|Cast iron materials|GTS(perl)|black malleable cast iron|3a,  4a|ML MQ| 135 - 250| 135 - 250| 328 - 486| "
        "123 - 163",
        "10, 16|Cast iron materials|GTS(perl)|black malleable cast iron|3a,  4a|ME| 175 - 250| 175 - 250| 500 - 600| "
        "198 - 229",
        "11, 17|Cast iron materials|GGG|nodular cast iron|3b,  4b|ML MQ| 175 - 300| 175 - 300| 462 - 641| 180 - 224",
        "12, 18|Cast iron materials|GGG|nodular cast iron|3b,  4b|ME| 200 - 300| 200 - 300| 550 - 700| 210 - 248",
        "13, 19|Cast iron materials|GG|grey cast iron|3c,  4c|ML MQ| 150 - 240| 150 - 240| 287 - 380|  46 - 69",
        "14, 20|Cast iron materials|GG|grey cast iron|3c,  4c|ME| 175 - 275| 175 - 275| 378 - 525|  88 - 108",
        "21, 27|Through hardened wrought steels|V|carbon steels|  5,  6|ML| 135 - 210| 115 - 215| 413 - 485| 137 - 162",
        "22, 28|Through hardened wrought steels|V|carbon steels|  5,  6|MQ| 135 - 210| 115 - 215| 485 - 554| 190 - 214",
        "23, 29|Through hardened wrought steels|V|carbon steels|  5,  6|ME| 135 - 210| 115 - 215| 545 - 608| 234 - 263",
        "24, 30|Through hardened wrought steels|V|alloy steels|  5,  6|ML| 200 - 360| 200 - 360| 450 - 660| 188 - 256",
        "25, 31|Through hardened wrought steels|V|alloy steels|  5,  6|MQ| 200 - 360| 200 - 360| 635 - 845| 272 - 340",
        "26, 32|Through hardened wrought steels|V|alloy steels|  5,  6|ME| 200 - 390| 200 - 390| 702 - 1123| 302 - 370",
        "33, 37|Through hardened cast steels|V|carbon steels|  7,  8|ML MQ| 130 - 215| 130 - 215| 408 - 478| 146 - 165",
        "34, 38|Through hardened cast steels|V|carbon steels|  7,  8|ME| 130 - 215| 130 - 215| 468 - 549| 204 - 228",
        "35, 39|Through hardened cast steels|V|alloy steels|  7,  8|ML MQ| 200 - 360| 200 - 360| 553 - 757| 234 - 292",
        "36, 40|Through hardened cast steels|V|alloy steels|  7,  8|ME| 200 - 360| 200 - 360| 626 - 842| 257 - 314",
        "41, 44|Case hardened wrought steels|Eh||  9, 10|ML| 600 - 800| 600 - 800|1300|312",
        "42,45-47|Case hardened wrought steels|Eh||  9, 10|MQ| 660 - 800| 660 - 800|1500| 425 - 500",
        "43, 48|Case hardened wrought steels|Eh||  9, 10|ME| 660 - 800| 660 - 800|1650|525",
        "49, 52|Flame or induction hardened steels|IF|| 11, 12|ML| 485 - 615| 485 - 615| 961 - 1057| 224 - 263",
        "50,53-54|Flame or induction hardened steels|IF|| 11, 12|MQ| 500 - 615| 500 - 615|1152 - 1214| 359 - 375",
        "51, 55|Flame or induction hardened steels|IF|| 11, 12|ME| 500 - 615| 500 - 615|1265 - 1323| 372 - 403",
        "56, 62|Nitrided wrought steels|NT|nitriding steels|13a, 14a|ML| 650 - 900| 650 - 900|1125| 270",
        "57, 63|Nitrided wrought steels|NT|nitriding steels|13a, 14a|MQ| 650 - 900| 650 - 900|1250| 420",
        "58, 64|Nitrided wrought steels|NT|nitriding steels|13a, 14a|ME| 650 - 900| 650 - 900|1450| 468",
        "59, 65|Nitrided wrought steels|NV|through-hardening steels|13b, 14b|ML| 450 - 650| 450 - 650| 788| 258",
        "60, 66|Nitrided wrought steels|NV|through-hardening steels|13b, 14b|MQ| 450 - 650| 450 - 650| 998| 363",
        "61, 67|Nitrided wrought steels|NV|through-hardening steels|13b, 14b|ME| 450 - 650| 450 - 650|1217| 432",
        "68, 71|Wrought steels nitrocarburized|NVc|through-hardening steels| 15, 16|ML| 300 - 650| 300 - 650| 650| 224",
        "69, 72|Wrought steels nitrocarburized|NVc|through-hardening steels| 15, 16|MQ ME| 300 - 450| 300 - 450| 775 - "
        "950| 290 - 388",
        "70, 73|Wrought steels nitrocarburized|NVc|through-hardening steels| 15, 16|MQ ME| 450 - 650| 450 - 650| 950| "
        "388",
    };
    for (int r = 1; r <= TMaterialova_tabulka::kRows; ++r) {
        std::string joined;
        for (int c = 0; c < 10; ++c) {
            if (c) joined += '|';
            joined += TMaterialova_tabulka::CellText(c, r);
        }
        EXPECT_EQ(joined, rows[r - 1]) << r;
        for (int c = 6; c < 10; ++c) EXPECT_EQ(table.Stringgrid1->Cell(c, r), TMaterialova_tabulka::CellText(c, r));
    }
    EXPECT_EQ(TMaterialova_tabulka::CellText(2, 0), " Abbre-\rviation");
    EXPECT_EQ(table.Stringgrid1->ColWidth(1), 206);
    EXPECT_EQ(table.Stringgrid1->RowHeight(0), 62);
}

TEST_F(MaterialsWindow, ChoiceFromTheTableAppliesTheRowToItsGear) {
    struct Row {
        int row;
        bool pinion;
        double SigmaHlim, SigmaFlim, HV, HVcore, Rm, ro;
        const char *code, *form, *quality;
        int list;
    } rows[] = {
        {11, true, 413, 137, 135, 115, 326, 7830, "V", "wrought", "ML", 5},
        {22, false, 1500, 425, 660, 2192.0 / 3.424, 2125, 7830, "Eh", "wrought", "MQ", 6},
        {35, true, 950, 388, 450, 920.0 / 3.424, 853, 7830, "NVc", "wrought", "MQ, ME", 10},
        {6, false, 500, 198, 175, 175, 589, 7400, "GTS", "cast", "ME", 1},
        // "both": "Wrought" is checked, which writes "wrought" when it was not checked before
        {25, false, 1152, 359, 500, 1862.0 / 3.424, 1795, 7830, "IF", "wrought", "MQ", 7},
        {24, true, 961, 224, 485, 1187.0 / 3.424, 1120, 7830, "IF", "both", "ML", 7},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.row);
        ui::test::QueueModal(&table, [&](ui::Form&) {
            EXPECT_EQ(table.Caption().substr(table.Caption().size() - 5), r.pinion ? "INION" : "WHEEL");
            table.Stringgrid1->SetRow(r.row);
            ui::test::Enter();
        });
        ui::test::Click(r.pinion ? w.Button1 : w.Button2);
        const GearMaterial m = MaterialOfGear(r.pinion);
        EXPECT_EQ(m.SigmaHlim, r.SigmaHlim);
        EXPECT_EQ(m.SigmaFlim, r.SigmaFlim);
        EXPECT_EQ(m.HV, r.HV);
        EXPECT_DOUBLE_EQ(m.HVcore, r.HVcore);
        EXPECT_EQ(m.Rm, r.Rm);
        EXPECT_EQ(m.ro, r.ro);
        EXPECT_EQ(m.Code, r.code);
        EXPECT_EQ(m.Form, r.form);
        EXPECT_EQ(m.Quality, r.quality);
        EXPECT_EQ(m.Class, r.list);
        EXPECT_EQ((r.pinion ? w.ComboBox1 : w.ComboBox2)->ItemIndex(), r.list);
        EXPECT_EQ(m.Re, 0);
        EXPECT_EQ(m.Designation, "");
        EXPECT_EQ(m.NFlim, 3e6);
        EXPECT_NEAR(m.qF, std::log(3e6 / m.NLstatF) / std::log(m.YNTstat), 1e-12);
    }
}

TEST_F(MaterialsWindow, TableMouseTakesTheRowUnderTheReleaseEscChangesNothing) {
    // A double click on the header applies row 1, without a move before it.
    ui::test::QueueModal(&table, [&](ui::Form&) { ui::test::DoubleClick(table.Stringgrid1, QPoint(100, 20)); });
    ui::test::Click(w.Button2);
    EXPECT_EQ(G.SigmaHlim2, 300);
    EXPECT_EQ(G.MaterialCode2, "St");

    // A click on a row selects it wherever the mouse moved before; Esc then leaves the table and
    // only the table.
    G.MaterialForPinion = true;
    const GlobalData before = G;
    ui::test::QueueModal(&w, [&](ui::Form&) {
        ui::test::QueueModal(&table, [&](ui::Form&) {
            ui::test::MoveMouse(table.Stringgrid1, QPoint(100, 20));
            const ui::Rect cell = table.Stringgrid1->CellRect(1, 3);
            ui::test::Click(table.Stringgrid1, table.Stringgrid1->viewport()->mapTo(
                                                   table.Stringgrid1, QPoint(cell.Left + 5, cell.Top + 5)));
            EXPECT_EQ(table.Stringgrid1->Row(), 3);
            ui::test::Esc();
        });
        ui::test::Click(w.Button1);
        EXPECT_EQ(w.ModalResult, ui::mrNone);
        EXPECT_TRUE(G == before);
        ui::test::Click(w.Button5);
    });
    EXPECT_EQ(w.ShowModal(), ui::mrCancel);
}

// The designation goes into the data file and the listing, which hold one byte a character
// (code page 1250: č E8, í ED, ° B0).  The field shows it decoded, passing through it changes
// nothing, a typed designation is stored in the same bytes, and a character the files cannot
// hold is refused.
TEST_F(MaterialsWindow, DesignationIsStoredInTheFilesCodePage) {
    test_support::ScratchDir dir;
    auto slurp = [](const std::string& name) {
        std::ifstream in(name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::string stored = "tvrzen\xED \xE8. 14 220, 60\xB0";
    G.MatDesignation1 = stored;
    SaveCase(dir.File("stored"), "t", "d");
    G.MatDesignation1 = "14 220";
    LoadCase(dir.File("stored.PEV"));
    ASSERT_EQ(G.MatDesignation1, stored);
    w.Repaint();
    ui::Edit* field = w.Edit(33);  // the pinion's "Rem."
    EXPECT_EQ(field->text(), QString::fromUtf8("tvrzení č. 14 220, 60°"));
    ui::test::Click(field);
    ui::test::Tab();
    EXPECT_EQ(G.MatDesignation1, stored);

    Put(33, "čí°");
    EXPECT_EQ(G.MatDesignation1, "\xE8\xED\xB0");
    const CaseFileNames typed = SaveCase(dir.File("typed"), "t", "d");
    for (const std::string& file : {typed.data, typed.listing}) {
        EXPECT_NE(slurp(file).find("\xE8\xED\xB0"), std::string::npos) << file;
        EXPECT_EQ(slurp(file).find("\xC4\x8D"), std::string::npos) << file;  // no UTF-8 č
    }

    Put(33, "σ 14 220");
    EXPECT_EQ(Notices().Texts(), std::vector<std::string>{"The character σ can not be saved in the data file."});
    EXPECT_EQ(G.MatDesignation1, "\xE8\xED\xB0");
    EXPECT_EQ(w.ActiveControl(), field);
}

// A pasted text is stored on one line, and every byte the field takes comes back from Save and
// Load in every text item of the data file (the four of method C are stored with it only).
TEST_F(MaterialsWindow, PastedLinesAreOneLineAndEveryTextItemReadsBack) {
    test_support::ScratchDir dir;
    std::string bytes;  // code page 1250 but its five unassigned bytes
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n' && rt::Cp1250ToUtf8(std::string(1, char(b))) != "\uFFFD") bytes += char(b);
    ui::test::Click(w.Edit(33));
    w.Edit(33)->SelectAll();
    ui::test::Paste("a\r\nb\rc\nd" + rt::Cp1250ToUtf8(bytes));
    ui::test::Tab();
    ASSERT_EQ(G.MatDesignation1, "a b c d" + bytes);
    std::string* const texts[] = {&G.KHbetaMethod,      &G.MaterialCode1,  &G.MaterialCode2, &G.MaterialForm1,
                                  &G.MaterialForm2,     &G.HardnessUnit1,  &G.HardnessUnit2, &G.QualityGrade1,
                                  &G.QualityGrade2,     &G.KHbetaCase2,    &G.KHbetaCase,    &G.ContactInfluence,
                                  &G.KHbetaCalcVariant, &G.MatDesignation2};
    for (const std::string& method : {std::string("ISO_C"), bytes}) {
        for (std::string* t : texts) *t = t == texts[0] ? method : bytes;
        G.MatDesignation2 = "x\ny";  // a break that reached the case is written as a blank
        SaveCase(dir.File("texts"), "t", "d");
        for (std::string* t : texts) t->clear();
        LoadCase(dir.File("texts.PEV"));
        EXPECT_EQ(G.MatDesignation1, "a b c d" + bytes);
        EXPECT_EQ(G.MatDesignation2, "x y");
        for (std::size_t i = 0; i < (method == "ISO_C" ? 13u : 9u); ++i)
            EXPECT_EQ(*texts[i], i == 0 ? method : bytes) << method << " " << i;
    }
}

TEST_F(MaterialsWindow, OkWaitsForTheYieldLimitEscKeepsNoRefusedNumber) {
    ui::test::QueueModal(&w, [&](ui::Form&) {
        ui::test::QueueModal(&table, [&](ui::Form&) {
            table.Stringgrid1->SetRow(1);
            ui::test::Enter();
        });
        ui::test::Click(w.Button1);
        ui::test::Click(w.Button3);
        EXPECT_EQ(Notices().Texts(), std::vector<std::string>{"Pinion material yield limit is missing"});
        EXPECT_EQ(w.ActiveControl(), w.Edit(6));
        ui::test::TypeInto(w.Edit(6), "250");
        ui::test::Click(w.Button3);
    });
    EXPECT_EQ(w.ShowModal(), ui::mrOk);
    EXPECT_EQ(G.Re1, 250);

    ui::test::QueueModal(&w, [&](ui::Form&) {
        ui::test::TypeInto(w.Edit(9), "0");
        ui::test::Enter();
        ui::test::Esc();
    });
    EXPECT_EQ(w.ShowModal(), ui::mrCancel);
    EXPECT_EQ(G.E1, 206000);
}

}  // namespace
}  // namespace karvelo
