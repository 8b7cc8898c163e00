// KHbeta by method C from the shaft data the case holds, and the accuracy window once per action,
// on the stage pair.
#include <algorithm>
#include <functional>

#include "KarveloFixture.h"
#include "karvelo/forms/KHbetaC.h"

namespace karvelo::test {
namespace {

using ui::test::Click;

class MethodCInputs : public KarveloTest {
protected:
    static std::string Case(const char* name) { return std::string(TEST_SOURCE_ROOT) + "/tests/karvelo/cases/" + name; }
    static void LoadCase(const char* name) { ui::test::QueueFileName(Case(name)), Click(Form1->Button10); }
    static long Shown(const char* form) {
        const auto& shows = ui::test::ModalShows();
        return std::count_if(shows.begin(), shows.end(), [&](const ui::test::ModalShow& s) { return s.Form == form; });
    }
    // The stage pair's three levels made a Haibach spectrum; `compute` runs in the spectrum window.
    static void EnterSpectrum(const std::function<void()>& compute) {
        ui::test::QueueModal(Zatizeni_F, [&](ui::Form&) {
            Click(Zatizeni_F->RadioButton4);
            ui::test::QueueModal(Spektrum_F, [&](ui::Form&) {
                TSpektrum_F& s = *Spektrum_F;
                Put(s.Field(1), "3");
                Click(s.RadioButton7);  // hours
                const char* loads[] = {"50000", "40953", "30000"};
                const char* hours[] = {"1000", "50000", "124200"};
                for (int j = 0; j < 3; ++j) {
                    Put(s.Field(TSpektrum_F::kLoad + 1 + j), loads[j]);
                    Put(s.Field(TSpektrum_F::kCycles + 1 + j), hours[j]);
                }
                compute();
                Click(s.Button2);
            });
            Click(Zatizeni_F->Button12);
            Click(Zatizeni_F->Button14);
        });
        Click(Form1->Button3);
    }
    static void ExpectLevelKHbeta(double low, double high) {
        for (int j = 1; j <= 3; ++j)
            EXPECT_TRUE(G.KHbetaLevel[j] > low && G.KHbetaLevel[j] < high) << j << " " << G.KHbetaLevel[j];
    }
};

// A KHbeta given stays on every level; method C without shaft data asks for them first, Esc there
// leaves the factors as they were; a method C case loaded holds its shaft data.
TEST_F(MethodCInputs, ComputeFactorsRatesKHbetaByMethodCOnlyFromShaftDataTheCaseHolds) {
    LoadCase("stage-one-load.PEV");
    EnterSpectrum([] { Click(Spektrum_F->Button6); });
    EXPECT_EQ(G.KHbetaMethod, "primo");
    ExpectLevelKHbeta(1.1499, 1.1501);
    EXPECT_NEAR(G.SigmaH1ekv, 652.6, 0.1);  // 1331.8 at KHbeta 5.1 from the start shaft data

    SetUp();
    LoadCase("stage-one-load.PEV");
    // Method C ticked, its window left with Esc: the case holds no shaft data.
    ui::test::QueueModal(KHbeta_F, [](ui::Form&) {
        ui::test::QueueModal(KHbeta_C, [](ui::Form&) { ui::test::Esc(); });
        Click(KHbeta_F->CheckBox5);
        Click(KHbeta_F->Button1);
    });
    Click(Form1->Button6);
    // The spectrum window computes its factors as it opens.
    ui::test::QueueModal(KHbeta_C, [](ui::Form&) {
        EXPECT_EQ(KHbeta_C->Field(3)->Text(), "70.0");  // the diameter it would use
        ui::test::Esc();
    });
    EnterSpectrum([] {
        TSpektrum_F& s = *Spektrum_F;
        EXPECT_EQ(s.LevelField(TSpektrum_F::kKHbeta, 1)->Text(), "");  // as they were
        ui::test::QueueModal(KHbeta_C, [](ui::Form&) {
            Put(KHbeta_C->Field(3), "300");
            Click(KHbeta_C->Button5);
        });
        Click(s.Button6);
    });
    EXPECT_EQ(G.KHbetaMethod, "ISO_C");
    ExpectLevelKHbeta(1, 1.5);

    // A method C case from a file: its own shaft data, no window asked.
    SetUp();
    ui::test::QueueModal(Spektrum_F, [](ui::Form&) { Click(Spektrum_F->Button2); });
    LoadCase("spectrum-then-one-level.PEV");
    EXPECT_EQ(G.KHbetaMethod, "ISO_C");
    EXPECT_EQ(Shown("KHbeta_C"), 0);
    ExpectLevelKHbeta(5, 5.2);  // the file's 50 / 200 / 70 mm
}

// Faces of 3 mm lie outside the range of the accuracy standard: a tick, an entry and a Calculation
// each open the accuracy window once at most, the trial of a refused entry none; the refusal is one
// message and no INF is shown; Esc closes the windows.
TEST_F(MethodCInputs, OneActionOpensTheAccuracyWindowOnceAtMost) {
    LoadCase("stage-one-load.PEV");
    ui::test::QueueModal(Rozmery_F, [](ui::Form&) {
        Put(Rozmery_F->Field(1), "3");
        Put(Rozmery_F->Field(2), "3");
        Click(Rozmery_F->Button1);
    });
    Click(Form1->Button4);
    const auto escAccuracy = [] { ui::test::QueueModal(Presnost_F, [](ui::Form&) { ui::test::Esc(); }); };
    ui::test::QueueModal(KHbeta_F, [&](ui::Form&) {
        escAccuracy();
        ui::test::QueueModal(KHbeta_C, [](ui::Form&) {
            EXPECT_EQ(Shown("Presnost_F"), 1);
            ui::test::Notices().Clear();
            Put(KHbeta_C->Field(3), "1e-100");
            EXPECT_EQ(Shown("Presnost_F"), 1);
            EXPECT_EQ(Messages(), std::vector<std::string>{
                                      "The face load factor KHbeta can not be calculated from these input data."});
            EXPECT_EQ(KHbeta_C->Label1->Caption().find("INF"), std::string::npos);
            ui::test::Esc();
        });
        Click(KHbeta_F->CheckBox5);
        ui::test::Esc();
    });
    Click(Form1->Button6);
    escAccuracy();
    Click(Form1->Button8);  // Calculation
    escAccuracy();
    Click(Form1->Button5);  // Accuracy
    EXPECT_EQ(Shown("Presnost_F"), 3);
    EXPECT_EQ(ui::test::PendingModalScripts(), 0);
    for (const ui::test::ModalShow& s : ui::test::ModalShows()) EXPECT_NE(s.Result, ui::mrNone) << s.Form;
}

}  // namespace
}  // namespace karvelo::test
