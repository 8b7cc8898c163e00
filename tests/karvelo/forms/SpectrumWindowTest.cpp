// The spectrum window: its table and sample spectrum, the validators, the axis modes with their
// conversions, Ok, Esc and Reset, the per-level factors and the sample chart.
#include <cmath>
#include <set>

#include "LoadWindowsFixture.h"

namespace karvelo {
namespace {

using ui::test::Click;
using ui::test::TypeInto;

class SpectrumWindow : public LoadWindows {
protected:
    void SetUp() override {
        LoadWindows::SetUp();
        G.LoadInputMethod = kMultilevelLoading;
        G.CalcMethodics = kMethodicsHaibach;
        G.HypothesisHaibach = true;
    }
    // Loads and cumulated cycles of levels 1..n, typed as the user does.
    void TypeLevels(const std::vector<double>& loads, const std::vector<double>& cycles) {
        Put(spectrum.Edit1, std::to_string(loads.size()));
        for (std::size_t i = 0; i < loads.size(); ++i) {
            const int j = int(i) + 1;
            Put(Level(TSpektrum_F::kLoad, j), rt::Str(loads[i], 1, 3));
            Put(Level(TSpektrum_F::kCycles, j), rt::Str(cycles[i], 1, 3));
        }
    }
    static void ExpectLoads(const std::vector<double>& loads) {
        for (std::size_t i = 0; i < loads.size(); ++i)
            EXPECT_NEAR(G.SpectrumY[int(i) + 1], loads[i], 1e-12 * std::fabs(loads[i])) << "level " << i + 1;
    }
};

TEST_F(SpectrumWindow, CreationLeavesTheSampleSpectrumAsTorquesAndShowsItsRows) {
    EXPECT_FALSE(G.LoadAsForce);
    EXPECT_TRUE(G.SpectrumTorques);
    EXPECT_FALSE(G.SpectrumForces);
    EXPECT_TRUE(G.SpectrumAbsolute);
    EXPECT_EQ(G.SpectrumY[1], 4000);
    EXPECT_EQ(G.SpectrumY[5], 800);
    EXPECT_EQ(G.SpectrumX[1], 3000);
    EXPECT_EQ(G.SpectrumX[5], 200000);
    EXPECT_EQ(G.n1Level[3], 1000);
    EXPECT_EQ(G.n1Level[12], G.n1);
    for (int n : {32, 33, 41, 23, 45, 28}) EXPECT_TRUE(spectrum.HeaderLabel(n)->Visible()) << n;
    for (int n : {30, 31, 40, 34, 37, 25, 29, 24}) EXPECT_FALSE(spectrum.HeaderLabel(n)->Visible()) << n;
    InSpectrum([&] {
        EXPECT_EQ(Level(TSpektrum_F::kCycles, 5)->Text(), "2E+5");
        EXPECT_EQ(Level(TSpektrum_F::kLoad, 1)->Text(), " 4000.0");
        EXPECT_EQ(Level(TSpektrum_F::kSpeed, 1)->Text(), "1000.0");
        EXPECT_TRUE(Level(TSpektrum_F::kLoad, 5)->Visible());
        EXPECT_FALSE(Level(TSpektrum_F::kLoad, 6)->Visible());
        EXPECT_TRUE(spectrum.Button6->Visible());
        EXPECT_EQ(spectrum.Width(), 996);  // Haibach: the factor columns in view
        Click(spectrum.Button4);
    });
    G.LoadInputMethod = kOneLevelLoading;
    InSpectrum([&] {
        EXPECT_EQ(spectrum.Width(), 636);
        EXPECT_FALSE(spectrum.Button6->Visible());
        // The clipped factor and speed columns are not reached by Tab.
        EXPECT_FALSE(Level(TSpektrum_F::kKHbeta, 1)->TabStop());
        EXPECT_FALSE(Level(TSpektrum_F::kSpeed, 3)->TabStop());
        Click(spectrum.Button4);
    });
}

TEST_F(SpectrumWindow, TwentyLevelsAreEnteredComputedAndEvaluated) {
    std::vector<double> loads, cycles;
    for (int j = 1; j <= 20; ++j) {
        loads.push_back(4000 - 150 * (j - 1));
        cycles.push_back(1000.0 * j * j);
    }
    InSpectrum([&] {
        TypeLevels(loads, cycles);
        EXPECT_EQ(G.LevelCount, 20);
        EXPECT_TRUE(Level(TSpektrum_F::kLoad, 20)->Visible());
        Click(spectrum.Button2);  // the factors were emptied by the new count
        EXPECT_EQ(Messages().back(), "Incomplet input - enter or compute factors");
        EXPECT_EQ(spectrum.ActiveControl(), spectrum.Button6);
        Click(spectrum.Button6);
        EXPECT_FALSE(Level(TSpektrum_F::kKHbeta, 20)->Text().empty());
        Click(spectrum.Button2);
    });
    EXPECT_EQ(ui::test::ModalShows().back().Result, ui::mrOk);
    ExpectLoads(loads);
    EXPECT_EQ(G.SpectrumX[20], 400000);
    EXPECT_DOUBLE_EQ(G.NL1, 400000);
    EXPECT_DOUBLE_EQ(G.NL1h, 400000 / 60.0 / 1000);
    EXPECT_EQ(G.KHbetaMethod, "primo");  // the KHbeta given stays the case's
    EXPECT_EQ(G.KHbetaLevel[20], G.KHbeta);
    EXPECT_GT(G.TFe1, 0);  // evaluated by Haibach
    EXPECT_GT(G.SigmaH1ekv, 0);
    for (int j = 1; j <= 20; ++j)
        EXPECT_DOUBLE_EQ(G.SpectrumCol1[j], G.KHbetaLevel[j] * G.KHalfaLevel[j] * G.KvLevel[j]);
}

TEST_F(SpectrumWindow, LevelCountAcceptsOneToTwentyAndANewCountEmptiesTheTable) {
    InSpectrum([&] {
        for (const char* bad : {"0", "21", "2.5", "x"}) {
            ui::test::Notices().Clear();
            Put(spectrum.Edit1, bad);
            EXPECT_EQ(Messages(), std::vector<std::string>{"Number of load levels choose from 2 to 20"}) << bad;
            EXPECT_EQ(G.LevelCount, 5) << bad;
            EXPECT_EQ(spectrum.ActiveControl(), spectrum.Edit1);
        }
        Put(spectrum.Edit1, "5");  // unchanged: the table stays
        EXPECT_EQ(G.SpectrumY[1], 4000);
        Put(spectrum.Edit1, "6");
        EXPECT_EQ(G.LevelCount, 6);
        for (int j = 1; j <= 6; ++j) {
            EXPECT_EQ(Level(TSpektrum_F::kLoad, j)->Text(), "  0");
            EXPECT_EQ(G.n1Level[j], G.n1);
        }
        EXPECT_FALSE(spectrum.RadioButton5->Enabled());  // no ratios of zero loads
        Put(spectrum.Edit1, "1");
        EXPECT_EQ(G.LevelCount, 1);
        Click(spectrum.Button4);
    });
}

TEST_F(SpectrumWindow, FieldsAreCheckedWithTheirMessagesAndFormats) {
    InSpectrum([&] {
        ui::Edit* c2 = Level(TSpektrum_F::kCycles, 2);
        Put(c2, "123456");
        EXPECT_EQ(c2->Text(), "1.235E+5");
        ui::test::Notices().Clear();
        Put(Level(TSpektrum_F::kCycles, 1), "5");  // cumulated: 5 < 123456 is fine
        EXPECT_EQ(Level(TSpektrum_F::kCycles, 1)->Text(), "    5.00");
        Put(Level(TSpektrum_F::kCycles, 1), "20");
        EXPECT_EQ(Level(TSpektrum_F::kCycles, 1)->Text(), "   20");
        EXPECT_TRUE(Messages().empty());
        // Cumulated cycles must grow: level 2 below level 1, and level 2 above level 3.
        Put(Level(TSpektrum_F::kCycles, 1), "30000");
        ui::test::Notices().Clear();
        Put(c2, "60000");
        EXPECT_EQ(Messages(), std::vector<std::string>{"Value [2] must be smaller than the subsequent one [3]"});
        ui::test::Notices().Clear();
        Put(c2, "20000");
        EXPECT_EQ(Messages(), std::vector<std::string>{"Value [2] must be greater than the previous one [1]"});
        EXPECT_EQ(G.SpectrumX[2], 20000);  // a warning keeps the value
        ui::test::Notices().Clear();
        Put(Level(TSpektrum_F::kLoad, 3), "3500");
        ui::test::Enter();  // Enter again on the text written back: the warning is not repeated
        EXPECT_EQ(Messages(), std::vector<std::string>{"Value [3] must be smaller than the previous one [2]"});

        // Factors: KHalfa 0.9 is accepted, KHbeta 0.9 refused; either makes them given directly.
        ui::test::Notices().Clear();
        Put(Level(TSpektrum_F::kKHalfa, 2), "0.9");
        EXPECT_TRUE(Messages().empty());
        EXPECT_TRUE(G.SpectrumLevelsShown);
        EXPECT_EQ(G.KHbetaMethod, "primo");
        Put(Level(TSpektrum_F::kKHbeta, 2), "0.9");
        EXPECT_EQ(Messages(), std::vector<std::string>{"Invalid input"});
        Put(Level(TSpektrum_F::kKHbeta, 2), "1.1");

        // A refused speed runs no conversion: no number that is not finite.
        for (int j : {1, 5}) {
            ui::test::Notices().Clear();
            Put(Level(TSpektrum_F::kSpeed, j), "0");
            EXPECT_EQ(Messages(), std::vector<std::string>{"Invalid input"});
            EXPECT_EQ(spectrum.ActiveControl(), Level(TSpektrum_F::kSpeed, j));
            for (int i = 1; i <= 5; ++i) EXPECT_TRUE(std::isfinite(G.SpectrumX[i]));
            EXPECT_TRUE(std::isfinite(G.n1));
            Put(Level(TSpektrum_F::kSpeed, j), "1000");
        }
        Click(spectrum.Button4);
    });
    EXPECT_EQ(G.n1Level[1], 1000);
}

TEST_F(SpectrumWindow, RatioModesTurnLoadsIntoRatiosAndBackExactly) {
    G.LoadAsForce = true;
    G.SpectrumForces = true, G.SpectrumTorques = false;
    G.LevelCount = 3;
    G.SpectrumY[1] = 4000, G.SpectrumY[2] = 3000, G.SpectrumY[3] = 2000;
    InSpectrum([&] {
        Click(spectrum.RadioButton5);  // "Rate  j / 1"
        ExpectLoads({1, 0.75, 0.5});
        EXPECT_EQ(G.Ftmax, 4000);
        EXPECT_FALSE(Level(TSpektrum_F::kLoad, 1)->Enabled());
        EXPECT_FALSE(spectrum.RadioButton4->Enabled());
        EXPECT_EQ(Level(TSpektrum_F::kLoad, 2)->Text(), " 0.750");
        EXPECT_TRUE(spectrum.Edit43->Visible());
        EXPECT_DOUBLE_EQ(G.FtLevel[2], 3000);
        Click(spectrum.RadioButton3);
        ExpectLoads({4000, 3000, 2000});
        Click(spectrum.RadioButton5);
        Put(spectrum.Edit43, "5000");
        Click(spectrum.RadioButton3);
        ExpectLoads({5000, 3750, 2500});
        Click(spectrum.RadioButton4);  // "Rate  1/ j"
        ExpectLoads({1, 5000 / 3750.0, 2});
        Click(spectrum.RadioButton3);
        Click(spectrum.RadioButton10);  // "Rate j / min"
        ExpectLoads({2, 1.5, 1});
        EXPECT_EQ(G.Ftmin, 2500);
        EXPECT_FALSE(Level(TSpektrum_F::kLoad, 3)->Enabled());
        for (int i = 0; i < 100; ++i) {  // however often
            Click(spectrum.RadioButton3);
            Click(i % 2 ? spectrum.RadioButton4 : spectrum.RadioButton5);
        }
        Click(spectrum.RadioButton3);
        ExpectLoads({5000, 3750, 2500});
        Click(spectrum.RadioButton5);
        ui::test::Esc();  // the Esc key: the loads are absolute again
    });
    ExpectLoads({5000, 3750, 2500});
    // The next opening in the ratio mode divides once.
    InSpectrum([&] {
        ExpectLoads({1, 0.75, 0.5});
        Click(spectrum.Button2);
    });
    ExpectLoads({5000, 3750, 2500});
    EXPECT_TRUE(G.SpectrumRatioToMax);
}

TEST_F(SpectrumWindow, ResetLeavesNoRatioOfZeroLoads) {
    InSpectrum([&] {
        EXPECT_TRUE(spectrum.RadioButton4->Enabled());
        Click(spectrum.Button1);
        for (ui::RadioButton* r : {spectrum.RadioButton4, spectrum.RadioButton5, spectrum.RadioButton10})
            EXPECT_FALSE(r->Enabled());
        EXPECT_FALSE(G.ControlPressed1);
        Click(spectrum.Button4);
    });
}

TEST_F(SpectrumWindow, UnitsConvertLoadsAndReferencesBothWays) {
    G.d1 = 80;
    G.LevelCount = 2;
    G.SpectrumY[1] = 160, G.SpectrumY[2] = 100;
    G.Tjm = 120;
    InSpectrum([&] {
        Click(spectrum.RadioButton1);
        EXPECT_TRUE(G.LoadAsForce);
        ExpectLoads({4000, 2500});
        EXPECT_DOUBLE_EQ(G.Ftjm, 3000);
        EXPECT_TRUE(load.RadioButton11->Checked());  // the loading window follows
        EXPECT_TRUE(spectrum.HeaderLabel(40)->Visible());
        Click(spectrum.RadioButton5);  // ratios keep their value, the reference changes unit
        Click(spectrum.RadioButton2);
        ExpectLoads({1, 0.625});
        EXPECT_DOUBLE_EQ(G.Tmax, 160);
        Click(spectrum.RadioButton3);
        ExpectLoads({160, 100});
        for (int i = 0; i < 100; ++i) {
            Click(spectrum.RadioButton1);
            Click(spectrum.RadioButton2);
        }
        ExpectLoads({160, 100});
        Click(spectrum.Button2);
    });
    EXPECT_TRUE(G.SpectrumTorques);
}

TEST_F(SpectrumWindow, HoursAndCyclesConvertWithTheLevelSpeeds) {
    G.LevelCount = 2;
    G.SpectrumInCycles = false;
    G.SpectrumXMode = false;
    G.SpectrumX[1] = 10, G.SpectrumX[2] = 20;
    G.n1Level[1] = 1000, G.n1Level[2] = 500;
    InSpectrum([&] {
        Click(spectrum.RadioButton6);
        EXPECT_DOUBLE_EQ(G.SpectrumX[1], 600000);
        EXPECT_DOUBLE_EQ(G.SpectrumX[2], 600000);
        EXPECT_DOUBLE_EQ(G.NL1, 1.2e6);
        EXPECT_DOUBLE_EQ(G.NL1h, 30);
        EXPECT_EQ(rt::Str(G.n1, 5, 1), "666.7");
        EXPECT_EQ(load.Field(18)->Text(), "666.7");
        EXPECT_TRUE(spectrum.HeaderLabel(24)->Visible());
        Click(spectrum.RadioButton8);  // cumulated
        EXPECT_DOUBLE_EQ(G.SpectrumX[2], 1.2e6);
        Click(spectrum.RadioButton7);
        EXPECT_DOUBLE_EQ(G.SpectrumX[1], 10);
        EXPECT_DOUBLE_EQ(G.SpectrumX[2], 30);  // cumulated hours
        for (int i = 0; i < 50; ++i) {
            Click(spectrum.RadioButton6);
            Click(spectrum.RadioButton9);
            Click(spectrum.RadioButton7);
            Click(spectrum.RadioButton8);
        }
        EXPECT_NEAR(G.SpectrumX[1], 10, 1e-11);
        EXPECT_NEAR(G.SpectrumX[2], 30, 3e-11);
        Click(spectrum.Button4);
    });
}

TEST_F(SpectrumWindow, OkRefusesInTheOrderOfItsChecks) {
    struct Case {
        const char* what;
        std::function<void()> set;
        std::string message;  // empty: accepted
    };
    const std::vector<Case> cases{
        {"zero load", [] { G.SpectrumY[2] = 0; }, "Incomplet input - some inputs are equal zero"},
        {"cumulated 1000, 1000", [] { G.SpectrumX[1] = G.SpectrumX[2] = 1000; }, "Wrongly inputed time (cycles) data."},
        {"relative 1000, 1000",
         [] {
             G.SpectrumX[1] = G.SpectrumX[2] = 1000;
             G.SpectrumXMode = false;
         },
         ""},
        {"4000, 4000", [] { G.SpectrumY[2] = 4000; }, "Wrongly inputed loading data."},
        {"4000, 3999", [] { G.SpectrumY[2] = 3999; }, ""},
        {"nominal missing",
         [] {
             G.CalcMethodics = kMethodicsEqA2;
             G.Ftjm = G.Tjm = 0;
         },
         "Incomplet input - nominal moment (force) is missing"},
        {"ratios 1, 1",
         [] {
             G.SpectrumRatioMaxTo = true, G.SpectrumAbsolute = false;
             G.Tmax = 4000, G.SpectrumY[2] = 4000;
         },
         "Wrongly inputed loading data."},
        {"ratios 1, 1.5",
         [] {
             G.SpectrumRatioMaxTo = true, G.SpectrumAbsolute = false;
             G.Tmax = 4000, G.SpectrumY[2] = 4000 / 1.5;
         },
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FreshCase();
        RoutePresses();
        G.LevelCount = 2;
        c.set();
        ui::test::Notices().Clear();
        InSpectrum([&] {
            Click(spectrum.Button2);
            if (!c.message.empty()) {
                EXPECT_EQ(Messages().front(), c.message);
                Click(spectrum.Button4);
            }
        });
        EXPECT_EQ(ui::test::ModalShows().back().Result, c.message.empty() ? ui::mrOk : ui::mrCancel);
    }
}

TEST_F(SpectrumWindow, OneLevelSwitchesTheLoadingWindowToOneLevelLoading) {
    load.RadioButton4->SetChecked(true);
    InSpectrum([&] {
        Put(spectrum.Edit1, "1");
        Put(Level(TSpektrum_F::kLoad, 1), "3000");
        Put(Level(TSpektrum_F::kCycles, 1), "1e6");
        Click(spectrum.Button5);  // "Factors = 1"
        EXPECT_TRUE(G.KHbetaDirect);
        EXPECT_EQ(G.KvLevel[1], 1);
        Click(spectrum.Button2);
    });
    EXPECT_EQ(G.LoadInputMethod, kOneLevelLoading);
    EXPECT_TRUE(load.RadioButton3->Checked());
}

TEST_F(SpectrumWindow, EscBringsBackTheUnitsOfBeforeAlsoAfterLoadData) {
    G.d1 = 80;
    G.LevelCount = 2;
    G.SpectrumY[1] = 160, G.SpectrumY[2] = 100;
    G.SpectrumX[1] = 60000, G.SpectrumX[2] = 120000;
    G.Tjm = 120;
    G.TFe1 = 55;
    // As Load data opens it: none of the openers' copies taken.
    G.SavedLoadAsForce = true, G.SavedSpectrumInCycles = false, G.SavedTjm = 1;
    InSpectrum([&] {
        Click(spectrum.RadioButton1);
        Click(spectrum.RadioButton7);
        Click(spectrum.RadioButton5);
        Put(spectrum.Edit43, "5000");
        Click(spectrum.Button4);
    });
    EXPECT_FALSE(G.LoadAsForce);
    EXPECT_TRUE(G.SpectrumInCycles);
    EXPECT_TRUE(G.SpectrumTorques);
    ExpectLoads({200, 125});  // from the typed reference 5000 N
    EXPECT_DOUBLE_EQ(G.SpectrumX[2], 120000);
    EXPECT_EQ(G.Tjm, 120);
    EXPECT_EQ(G.TFe1, 0);
    EXPECT_EQ(load.Field(22)->Text(), "");
}

TEST_F(SpectrumWindow, PressedResetHelpOrEscSilenceTheValidators) {
    RoutePresses();
    InSpectrum([&] {
        TypeInto(Level(TSpektrum_F::kLoad, 2), "-5");
        ui::test::Press(spectrum.Button1);
        EXPECT_TRUE(G.ControlPressed1);
        ui::test::Release(spectrum.Button1);
        EXPECT_TRUE(Messages().empty());
        EXPECT_FALSE(G.ControlPressed1);
        spectrum.PreviewSpectrumMouseDown({spectrum.Button4, ui::WM_LBUTTONDOWN});
        EXPECT_TRUE(G.ControlPressed4);
        Click(spectrum.Button4);
    });
    EXPECT_FALSE(G.ControlPressed4);
}

// Each unit, load mode, time unit and time mode draws its own labels and no other.
TEST_F(SpectrumWindow, SampleChartDrawsOneLabelSetPerMode) {
    struct Modes {
        bool forces;
        int load;
        bool cycles, cumulated;
    };
    auto draw = [](const Modes& m) {
        G.LoadAsForce = m.forces;
        G.SpectrumAbsolute = m.load == 0, G.SpectrumRatioMaxTo = m.load == 1;
        G.SpectrumRatioToMax = m.load == 2, G.SpectrumRatioToMin = m.load == 3;
        G.SpectrumInCycles = m.cycles, G.SpectrumXMode = m.cumulated;
        ui::Bitmap b(386, 264);
        DrawSampleSpectrum(b.Canvas(), 386, 264);
        b.Canvas().Flush();
        return b.Image().copy();
    };
    const QRect yLabels(0, 0, 47, 150), xLabels(0, 185, 386, 79);
    std::set<std::pair<int, int>> distinctY, distinctX;
    std::vector<QImage> shots;
    for (int k = 0; k < 32; ++k) {
        const Modes m{bool(k & 1), (k >> 1) & 3, bool(k & 8), bool(k & 16)};
        const QImage shot = draw(m);
        // The same y settings give the same y labels whatever the x settings, and the reverse.
        const QImage sameY = draw({m.forces, m.load, !m.cycles, !m.cumulated});
        EXPECT_EQ(shot.copy(yLabels), sameY.copy(yLabels)) << k;
        const QImage sameX = draw({!m.forces, (m.load + 1) % 4, m.cycles, m.cumulated});
        EXPECT_EQ(shot.copy(xLabels), sameX.copy(xLabels)) << k;
        for (const QImage& other : shots) EXPECT_NE(shot, other) << k;
        shots.push_back(shot);
    }
}

}  // namespace
}  // namespace karvelo
