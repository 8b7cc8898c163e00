// The other-factors window and the grinding notch window it opens.
#include <string>
#include <vector>

#include "InputWindowFixture.h"
#include "karvelo/forms/RogF.h"
#include "karvelo/forms/SoucF.h"

namespace karvelo {
namespace {

using ui::test::Notices;

class OtherFactorsWindow : public InputWindows {
protected:
    void SetUp() override {
        InputWindows::SetUp();
        Souc_F = &w;
        Rog_F = &rog;
        w.OnCreate();
        rog.OnCreate();
    }
    void TearDown() override {
        w.Hide();
        Souc_F = nullptr;
        Rog_F = nullptr;
        InputWindows::TearDown();
    }
    void Open() {
        w.Show();
        Notices().Clear();
    }
    void Put(int field, const std::string& text) {
        TypeOver(w.Edit(field), text);
        ui::test::Enter();
    }
    TSouc_F w;
    TRog_F rog;
};

TEST_F(OtherFactorsWindow, HelpKeyOpensTheTopicOfTheLastFieldEntered) {
    TSouc_F souc;
    G.ActiveEdit = 3;
    souc.Show();
    ui::test::F1();
    G.ActiveEdit = 12;
    ui::test::F1();
    ASSERT_EQ(ui::test::HelpCalls().size(), 2u);
    EXPECT_EQ(ui::test::HelpCalls()[0].Data, 81u);
    EXPECT_EQ(ui::test::HelpCalls()[1].Data, 82u);
}

TEST_F(OtherFactorsWindow, EveryOptionalFactorIsGivenByANumberAndComputedAfterZeroOrNothing) {
    struct Row {
        int field;
        double* value;
        bool* given;
        bool level;  // a load factor: 1 when computed
    } rows[] = {
        {8, &G.KFalfa, &G.KFalfaDirect, true},
        {9, &G.KHalfa, &G.KHalfaDirect, true},
        {11, &G.Kv, &G.KvDirect, true},
        {12, &G.KFbeta, &G.KFbetaDirect, true},
        {36, &G.KHbeta, &G.KHbetaDirect, true},
        {13, &G.YF1, &G.YF1Direct, false},
        {14, &G.YF2, &G.YF2Direct, false},
        {15, &G.YS1, &G.YS1Direct, false},
        {16, &G.YS2, &G.YS2Direct, false},
        {27, &G.YSg1, &G.YSg1Direct, false},
        {28, &G.YSg2, &G.YSg2Direct, false},
        {17, &G.YM1ref, &G.YM1refDirect, false},
        {18, &G.YM2ref, &G.YM2refDirect, false},
        {37, &G.YM1stat, &G.YM1statDirect, false},
        {38, &G.YM2stat, &G.YM2statDirect, false},
        {31, &G.YdrelT1ref, &G.YdrelT1refDirect, false},
        {32, &G.YdrelT2ref, &G.YdrelT2refDirect, false},
        {19, &G.YdrelT1stat, &G.YdrelT1statDirect, false},
        {20, &G.YdrelT2stat, &G.YdrelT2statDirect, false},
        {21, &G.YRrelT1ref, &G.YRrelT1refDirect, false},
        {22, &G.YRrelT2ref, &G.YRrelT2refDirect, false},
        {23, &G.YX1ref, &G.YX1refDirect, false},
        {24, &G.YX2ref, &G.YX2refDirect, false},
        {25, &G.ZLref, &G.ZLrefDirect, false},
        {26, &G.ZVref, &G.ZVrefDirect, false},
        {29, &G.ZRref, &G.ZRrefDirect, false},
        {30, &G.ZW2ref, &G.ZW2refDirect, false},
        {7, &G.ZW2stat, &G.ZW2statDirect, false},
        {33, &G.ZB, &G.ZBDirect, false},
        {34, &G.ZD, &G.ZDDirect, false},
        {35, &G.Zepsilon, &G.ZepsilonDirect, false},
    };
    Open();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.field);
        Put(r.field, "0.875");
        EXPECT_EQ(*r.value, 0.875);
        EXPECT_TRUE(*r.given);
        Put(r.field, "0");
        EXPECT_EQ(*r.value, r.level ? 1 : 0);
        EXPECT_FALSE(*r.given);
        EXPECT_EQ(w.Edit(r.field)->Text(), "");
        Put(r.field, "-1");
        EXPECT_EQ(Notices().Texts().size(), 1u);
        EXPECT_EQ(w.ActiveControl(), w.Edit(r.field));
        Notices().Clear();
        Put(r.field, "1.25");
        EXPECT_EQ(w.Edit(r.field)->Text(), r.field == 17 || r.field == 18 || r.field > 36 ? "1.25" : "1.250");
        EXPECT_EQ(*r.given, !(r.field == 17 || r.field == 18 || r.field > 36));  // YM: refused above 1
        Notices().Clear();
        Put(r.field, "");
        EXPECT_FALSE(*r.given);
        EXPECT_TRUE(Notices().Texts().empty());
    }
    // The window shows the given factors again when it is opened.
    G.ZDDirect = true;
    G.ZD = 0.95;
    w.Hide();
    Open();
    EXPECT_EQ(w.Edit(34)->Text(), "0.950");
    EXPECT_EQ(w.Edit(35)->Text(), "");
}

TEST_F(OtherFactorsWindow, LoadFactorsReachEveryLevelAndTheMeanStressFactorsTheirRange) {
    Open();
    Put(36, "1.15");
    EXPECT_EQ(G.KHbetaMethod, "primo");
    EXPECT_TRUE(G.SpectrumLevelsShown);
    EXPECT_EQ(G.KHbetaEkv, 1.15);
    for (int j = 1; j <= kMaxLevels; ++j) EXPECT_EQ(G.KHbetaLevel[j], 1.15) << j;
    Put(36, "0");
    EXPECT_EQ(G.KHbetaLevel[20], 1);
    EXPECT_EQ(G.KHbetaEkv, 1);

    Put(8, "1.3");
    EXPECT_EQ(G.KFalfaLevel[7], 1.3);
    G.KFalfaEkv = 1.2;
    Put(8, "");  // an empty KFalfa keeps its equivalent value
    EXPECT_EQ(G.KFalfa, 1);
    EXPECT_EQ(G.KFalfaEkv, 1.2);
    Put(11, "1.1");
    Put(11, "");
    EXPECT_EQ(G.KvEkv, 1);

    for (const char* good : {"0.4546", "1", "0"}) {
        Put(17, good);
        EXPECT_TRUE(Notices().Texts().empty()) << good;
    }
    for (const char* bad : {"0.45", "1.01"}) {
        Put(38, bad);
        EXPECT_EQ(Notices().Texts(),
                  std::vector<std::string>{"Invalid input, the factor YM2stat can be from 0.4546 to 1. "})
            << bad;
        Notices().Clear();
    }
}

TEST_F(OtherFactorsWindow, NotchesViscosityAndTheCombinationCheckOfOk) {
    Open();
    EXPECT_EQ(w.Edit(5)->Text(), "  170");
    ui::test::Click(w.RadioButton2);
    EXPECT_TRUE(G.ViscosityGiven);
    EXPECT_EQ(G.OilViscosity, 98);
    EXPECT_EQ(w.Edit(5)->Text(), "   98");
    EXPECT_EQ(w.TemperatureLabel->Caption(), "50");
    Put(5, "100");
    EXPECT_EQ(G.OilViscosity, 100);
    EXPECT_EQ(G.OilTemperature, 170);
    ui::test::Click(w.RadioButton1);
    EXPECT_EQ(G.OilTemperature, 173);  // round(1.82411 * 100 - 9.3480569)

    Put(3, "0.5");
    EXPECT_EQ(w.Edit(3)->Text(), "0.500");
    Put(2, "-0.1");
    EXPECT_EQ(Notices().Texts(), std::vector<std::string>{"Invalid input"});
    Put(2, "0");
    Notices().Clear();

    ui::test::QueueModal(&w, [&](ui::Form&) {
        ui::test::Click(w.Button1);
        EXPECT_EQ(Notices().Texts(),
                  std::vector<std::string>{
                      "Combination of rog1 and tg1 is impossible, both values must be zero or  nonzero."});
        EXPECT_EQ(w.ActiveControl(), w.Edit(1));
        ui::test::TypeInto(w.Edit(1), "0.2");
        ui::test::Click(w.Button1);
    });
    EXPECT_EQ(w.ShowModal(), ui::mrOk);
    EXPECT_EQ(G.tg1, 0.2);
}

// ---- the grinding notch window

TEST_F(OtherFactorsWindow, NotchRadiusFromTheDiskGoesIntoTheFieldOfItsHelpButton) {
    G.tg1 = 0.2;
    Open();
    // The default pinion: Theta 46.175 degrees by ISO 6336-3, G = 2/4 - 1.25,
    // r = 2 mn G^2 / (cos Theta (zn cos^2 Theta - 2 G)) + ra0g.
    ui::test::QueueModal(&rog, [&](ui::Form&) {
        EXPECT_TRUE(rog.Edit1->Enabled());
        EXPECT_EQ(rog.ActiveControl(), rog.Edit1);
        ui::test::TypeInto(rog.Edit1, "100");  // a disk too large for the tooth space
        ui::test::Enter();
        EXPECT_EQ(Notices().Texts(), std::vector<std::string>{"Invalid input"});
        EXPECT_EQ(rog.Edit1->Text(), "100");  // refused as it was typed
        Notices().Clear();
        ui::test::TypeInto(rog.Edit1, "2");
        ui::test::Enter();
        EXPECT_EQ(rog.Edit1->Text(), " 2.0");
        EXPECT_EQ(rog.Label6->Caption(), "2.586");
        EXPECT_EQ(rog.Label6->Font().Color, ui::clBlue);
        ui::test::Click(rog.Button1);
    });
    ui::test::Click(w.Button5);
    EXPECT_EQ(G.HelpPage, kHelpPagePinion);
    EXPECT_NEAR(G.Rog1, 2.5860, 5e-5);
    EXPECT_TRUE(G.RogUsed);
    EXPECT_EQ(w.Edit(3)->Text(), "2.586");
    EXPECT_EQ(w.ActiveControl(), w.Edit(3));

    // The wheel without a notch: the field is closed, the radius only shown.
    G.Rog2 = 0.7;
    ui::test::QueueModal(&rog, [&](ui::Form&) {
        EXPECT_FALSE(rog.Edit1->Enabled());
        EXPECT_EQ(rog.Label6->Caption(), "0.700");
        EXPECT_EQ(rog.LabelIndex->Caption(), "2");
        ui::test::Click(rog.Button2);
    });
    ui::test::Click(w.Button6);
    EXPECT_EQ(G.HelpPage, kHelpPageWheel);
    EXPECT_EQ(G.Rog2, 0.7);
}

TEST_F(OtherFactorsWindow, NotchOfAnInternalWheelIsHalfTheDiskAndRefusalsAreUndoneOnEsc) {
    G = GlobalData{};
    G.GearingType = kInternalPair;
    SetDefaultInputs();
    ComputeCentreDistanceFromShifts();
    ComputeGearDimensions();
    G.tg2 = 0.3;
    G.HelpPage = kHelpPageWheel;
    ui::test::QueueModal(&rog, [&](ui::Form&) {
        ui::test::TypeInto(rog.Edit1, "1.6");
        ui::test::Enter();
        EXPECT_EQ(G.Rog2, 0.8);
        TypeOver(rog.Edit1, "");  // empty: nothing changes
        ui::test::Enter();
        EXPECT_EQ(G.Rog2, 0.8);
        ui::test::TypeInto(rog.Edit1, "-1");
        ui::test::Enter();
        EXPECT_EQ(Notices().Texts(), std::vector<std::string>{"Invalid input"});
        ui::test::Esc();
    });
    EXPECT_EQ(rog.ShowModal(), ui::mrCancel);
    EXPECT_EQ(G.ra0g, 1.6);
    EXPECT_EQ(G.Rog2, 0.8);
}

}  // namespace
}  // namespace karvelo
