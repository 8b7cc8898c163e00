// KHbeta by method C from the shaft data the case holds, and the accuracy window once per action,
// on the stage pair.
#include <algorithm>
#include <functional>

#include "KarveloFixture.h"
#include "karvelo/forms/KHbetaC.h"

namespace karvelo::test {
namespace {

using ui::test::Click;
using ui::test::Esc;
using ui::test::QueueModal;

class MethodCInputs : public KarveloTest {
protected:
    static void LoadCase(const std::string& name) {
        ui::test::QueueFileName(std::string(TEST_SOURCE_ROOT) + "/tests/karvelo/cases/" + name), Click(Form1->Button10);
    }
    static long Shown(const std::string& form) {
        const auto& shows = ui::test::ModalShows();
        return std::count_if(shows.begin(), shows.end(), [&](const auto& s) { return s.Form == form; });
    }
    // The three levels of a Haibach spectrum; `compute` runs in the spectrum window before its Ok.
    static void EnterSpectrum(const std::function<void()>& compute) {
        QueueModal(Zatizeni_F, [&](ui::Form&) {
            Click(Zatizeni_F->RadioButton4);
            QueueModal(Spektrum_F, [&](ui::Form&) {
                Put(Spektrum_F->Field(1), "3");
                Click(Spektrum_F->RadioButton7);  // hours
                const char* levels[3][2] = {{"50000", "1000"}, {"40953", "50000"}, {"30000", "124200"}};
                for (int j = 1; j <= 3; ++j)
                    for (int k : {0, 1})
                        Put(Spektrum_F->Field(k ? TSpektrum_F::kCycles + j : TSpektrum_F::kLoad + j), levels[j - 1][k]);
                compute();
                Click(Spektrum_F->Button2);
            });
            Click(Zatizeni_F->Button12), Click(Zatizeni_F->Button14);
        });
        Click(Form1->Button3);
    }
    static bool LevelKHbeta(double low, double high) {
        return std::all_of(&G.KHbetaLevel[1], &G.KHbetaLevel[3] + 1, [&](double k) { return k > low && k < high; });
    }
};

// A KHbeta given stays on every level; method C without shaft data asks for them first (Esc leaves
// the factors as they were); a method C case loaded holds its own.
TEST_F(MethodCInputs, ComputeFactorsRatesKHbetaByMethodCOnlyFromShaftDataTheCaseHolds) {
    LoadCase("stage-one-load.PEV");
    EnterSpectrum([] { Click(Spektrum_F->Button6); });
    EXPECT_EQ(G.KHbetaMethod, "primo");
    EXPECT_TRUE(LevelKHbeta(1.1499, 1.1501));
    EXPECT_NEAR(G.SigmaH1ekv, 652.6, 0.1);  // 1331.8 at KHbeta 5.1 from the start shaft data

    SetUp(), LoadCase("stage-one-load.PEV");
    QueueModal(KHbeta_F, [](ui::Form&) {  // method C ticked, its window left with Esc
        QueueModal(KHbeta_C, [](ui::Form&) { Esc(); });
        Click(KHbeta_F->CheckBox5), Click(KHbeta_F->Button1);
    });
    Click(Form1->Button6);
    QueueModal(KHbeta_C, [](ui::Form&) {  // as the spectrum window opens and computes
        EXPECT_EQ(KHbeta_C->Field(3)->Text(), "70.0");
        Esc();
    });
    EnterSpectrum([] {
        EXPECT_EQ(Spektrum_F->LevelField(TSpektrum_F::kKHbeta, 1)->Text(), "");
        QueueModal(KHbeta_C, [](ui::Form&) { Put(KHbeta_C->Field(3), "300"), Click(KHbeta_C->Button5); });
        Click(Spektrum_F->Button6);
    });
    EXPECT_EQ(G.KHbetaMethod, "ISO_C");
    EXPECT_TRUE(LevelKHbeta(1, 1.5));

    // The main window's method C: the Calculation asks for the shaft data; Esc refuses it, saying so.
    SetUp(), LoadCase("stage-one-load.PEV");
    Click(Form1->RadioButton4);
    QueueModal(KHbeta_C, [](ui::Form&) { Esc(); });
    Click(Form1->Button8);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Incomplet input - shaft data for KHbeta by method C are missing."});
    EXPECT_FALSE(Form1->Button9->Enabled());

    SetUp();
    QueueModal(Spektrum_F, [](ui::Form&) { Click(Spektrum_F->Button2); });
    LoadCase("spectrum-then-one-level.PEV");
    EXPECT_EQ(Shown("KHbeta_C"), 0);
    EXPECT_TRUE(LevelKHbeta(5, 5.2));  // the file's 50 / 200 / 70 mm
}

// Faces of 3 mm lie outside the accuracy standard's range: a tick, an entry, a Calculation, the
// Accuracy button each open the accuracy window once at most, a refused entry's trial none; the
// refusal is one message, no INF is shown, Esc closes the windows.
TEST_F(MethodCInputs, OneActionOpensTheAccuracyWindowOnceAtMost) {
    LoadCase("stage-one-load.PEV");
    QueueModal(Rozmery_F, [](ui::Form&) {
        Put(Rozmery_F->Field(1), "3"), Put(Rozmery_F->Field(2), "3"), Click(Rozmery_F->Button1);
    });
    Click(Form1->Button4);
    const auto escAccuracy = [] { QueueModal(Presnost_F, [](ui::Form&) { Esc(); }); };
    QueueModal(KHbeta_F, [&](ui::Form&) {
        escAccuracy();
        QueueModal(KHbeta_C, [](ui::Form&) {
            EXPECT_EQ(Shown("Presnost_F"), 1);
            ui::test::Notices().Clear();
            Put(KHbeta_C->Field(3), "1e-100");
            EXPECT_EQ(Shown("Presnost_F"), 1);
            EXPECT_EQ(Messages(), std::vector<std::string>{
                                      "The face load factor KHbeta can not be calculated from these input data."});
            EXPECT_EQ(KHbeta_C->Label1->Caption().find("INF"), std::string::npos);
            Esc();
        });
        Click(KHbeta_F->CheckBox5), Esc();
    });
    Click(Form1->Button6);
    QueueModal(KHbeta_C, [](ui::Form&) { Click(KHbeta_C->Button5); });  // the shaft data it asks for
    escAccuracy(), Click(Form1->Button8);  // Calculation
    escAccuracy(), Click(Form1->Button5);  // Accuracy
    EXPECT_EQ(Shown("Presnost_F"), 3);     // a window the script left open, or one more, fails the harness
}

}  // namespace
}  // namespace karvelo::test
