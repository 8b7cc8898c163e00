// A load spectrum entered through the loading and spectrum windows only: its calculation equals
// the same case set directly in the global data, and Save data and Load data bring back every
// field of both windows.
#include <cmath>
#include <filesystem>
#include <map>

#include "KarveloFixture.h"
#include "karvelo/calc/Soubory.h"
#include "karvelo/calc/Vypocet.h"
#include "karvelo/calc/Vypocet1i.h"

namespace karvelo::test {
namespace {

namespace fs = std::filesystem;
using ui::test::Click;

constexpr int kLevels = 10;
double LoadOf(int j) { return 2000 - 150 * (j - 1); }        // N.m
double CyclesOf(int j) { return 20000.0 * j * j; }           // cumulated
double SpeedOf(int j) { return j == kLevels ? 800 : 1000; }  // rev/min

// The text of every edit the user sees in the form.
std::map<std::string, std::string> ShownFields(const ui::Container* c) {
    std::map<std::string, std::string> fields;
    for (ui::Control* child : c->Controls()) {
        if (auto* edit = dynamic_cast<ui::Edit*>(child); edit && edit->Showing()) fields[edit->Name()] = edit->Text();
        if (auto* inner = dynamic_cast<ui::Container*>(child)) fields.merge(ShownFields(inner));
    }
    return fields;
}

class SpectrumEntry : public KarveloTest {
protected:
    struct Results {
        double values[16];
    };
    static Results Take() {
        const GlobalData& g = G;
        return {{g.SF1, g.SF2, g.SH1, g.SH2, g.SigmaF1ekv, g.SigmaF2ekv, g.SigmaH1ekv, g.SigmaH2ekv, g.TFe1, g.THe1,
                 g.TFe2, g.THe2, g.KHbetaEkv, g.KvEkv, g.NL1, g.n1}};
    }
    ScratchDir dir;
};

TEST_F(SpectrumEntry, TenLevelsThroughTheWindowsCalculateSaveAndLoadBack) {
    // The case set directly: the same levels, the factors of each level as "Compute factors"
    // gives them, then Calculation.
    {
        GlobalData& g = G;
        g.LoadInputMethod = kMultilevelLoading;
        g.CalcMethodics = kMethodicsHaibach;
        g.HypothesisHaibach = true;
        g.LevelCount = kLevels;
        Extended hours = 0;
        for (int j = 1; j <= kLevels; ++j) {
            g.SpectrumY[j] = LoadOf(j);
            g.SpectrumX[j] = CyclesOf(j);
            g.n1Level[j] = SpeedOf(j);
            g.FtLevel[j] = LoadOf(j) * 2000 / g.d1;
            hours += (CyclesOf(j) - (j > 1 ? CyclesOf(j - 1) : 0)) / 60 / SpeedOf(j);
        }
        g.NL1 = CyclesOf(kLevels);
        g.NL2 = g.NL1 * g.z1 / std::fabs(g.z2);
        g.NL1h = g.NL2h = static_cast<double>(hours);
        g.n1 = g.NL1 / g.NL1h / 60;
        // The start case's KHbeta is given directly: it stays on every level.
        g.KHalfaDirect = g.KFalfaDirect = g.KvDirect = false;
        for (int j = 1; j <= kLevels; ++j) g.KHbetaLevel[j] = g.KHbeta;
        g.SpectrumLevelsShown = false;
        for (int j = 1; j <= kLevels; ++j) ComputeKvMethodBLevel(j);
        for (int j = 1; j <= kLevels; ++j) ComputeKHbetaLevel(j);
        for (int j = 1; j <= kLevels; ++j) ComputeKHalphaLevel(j);
        // The evaluation of Ok, which finds the equivalent loads the calculation asks for.
        ComputeKFbetaLevels();
        for (int j = 1; j <= kLevels; ++j) {
            g.SpectrumCol1[j] = g.KHbetaLevel[j] * g.KHalfaLevel[j] * g.KvLevel[j];
            g.SpectrumCol3[j] = g.KFbetaLevel[j] * g.KFalfaLevel[j] * g.KvLevel[j];
        }
        EvaluateSpectrum();
        Click(Form1->Button8);
        ASSERT_TRUE(Form1->Button9->Enabled()) << ::testing::PrintToString(Messages());
    }
    const Results direct = Take();

    SetUp();  // a fresh start
    std::map<std::string, std::string> spectrumFields, loadFields;
    ui::test::QueueModal(Zatizeni_F, [&](ui::Form&) {
        Click(Zatizeni_F->RadioButton4);
        ui::test::QueueModal(Spektrum_F, [&](ui::Form&) {
            Put(Spektrum_F->Edit1, std::to_string(kLevels));
            for (int j = 1; j <= kLevels; ++j) {
                Put(Spektrum_F->LevelField(TSpektrum_F::kLoad, j), rt::Str(LoadOf(j), 1, 0));
                Put(Spektrum_F->LevelField(TSpektrum_F::kCycles, j), rt::Str(CyclesOf(j), 1, 0));
            }
            Put(Spektrum_F->LevelField(TSpektrum_F::kSpeed, kLevels), "800");
            Click(Spektrum_F->Button6);
            spectrumFields = ShownFields(Spektrum_F);
            Click(Spektrum_F->Button2);
        });
        Click(Zatizeni_F->Button12);
        loadFields = ShownFields(Zatizeni_F);
        Click(Zatizeni_F->Button14);
    });
    Click(Form1->Button3);
    EXPECT_EQ(spectrumFields.size(), 1u + 7 * kLevels);
    EXPECT_FALSE(spectrumFields.count("Edit32"));  // the load of level 11 is hidden
    Click(Form1->Button8);
    ASSERT_TRUE(Form1->Button9->Enabled());
    const Results windows = Take();
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(windows.values[i], direct.values[i], 1e-9 * std::fabs(direct.values[i])) << "result " << i;

    const std::string name = (dir / "spectrum").string();
    ui::test::QueueFileName(name);
    Click(Form1->Button9);
    ASSERT_TRUE(fs::exists(name + ".PEV"));

    SetUp();  // another start, then Load data
    ui::test::QueueFileName(name + ".PEV");
    ui::test::QueueModal(Spektrum_F, [&](ui::Form&) {
        EXPECT_EQ(ShownFields(Spektrum_F), spectrumFields);
        Click(Spektrum_F->Button2);
    });
    Click(Form1->Button10);
    EXPECT_TRUE(Messages().empty());
    ui::test::QueueModal(Zatizeni_F, [&](ui::Form&) {
        EXPECT_TRUE(Zatizeni_F->RadioButton4->Checked());
        EXPECT_TRUE(Zatizeni_F->CheckBox4->Checked());
        EXPECT_EQ(ShownFields(Zatizeni_F), loadFields);
        Click(Zatizeni_F->Button14);
    });
    Click(Form1->Button3);
}

// A case of one load has no level speeds of its own: after Load data the spectrum entered over
// the sample level runs at the case's n1.
TEST_F(SpectrumEntry, ALoadedOneLevelCaseEntersItsSpectrumAtItsSpeed) {
    G.n1 = 1165.9;
    const std::string name = (dir / "one-load").string();
    SaveCase(name, "t", "d");
    SetUp();
    ui::test::QueueFileName(name + ".PEV");
    Click(Form1->Button10);
    ui::test::QueueModal(Zatizeni_F, [&](ui::Form&) {
        Click(Zatizeni_F->RadioButton4);
        ui::test::QueueModal(Spektrum_F, [&](ui::Form&) {
            EXPECT_EQ(Spektrum_F->LevelField(TSpektrum_F::kSpeed, 1)->Text(), "1165.9");
            Put(Spektrum_F->LevelField(TSpektrum_F::kLoad, 1), "2000");
            Put(Spektrum_F->LevelField(TSpektrum_F::kCycles, 1), "1000000");
            Click(Spektrum_F->Button6);
            Click(Spektrum_F->Button2);
        });
        Click(Zatizeni_F->Button12);
        Click(Zatizeni_F->Button14);
    });
    Click(Form1->Button3);
    EXPECT_EQ(G.LoadInputMethod, kOneLevelLoading);
    EXPECT_DOUBLE_EQ(G.n1, 1165.9);
}

}  // namespace
}  // namespace karvelo::test
