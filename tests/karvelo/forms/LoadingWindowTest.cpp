// The loading window: the one-level switch, the equivalent stresses, the static overload counters, F1.
#include <vector>

#include "InputWindowFixture.h"
#include "karvelo/forms/ZatizeniF.h"

namespace karvelo {
namespace {

class LoadingWindow : public InputWindows {};

TEST_F(LoadingWindow, OneLevelAfterASpectrumByHaibachTakesTheLargestEquivalentLoad) {
    TZatizeni_F w;
    G.LoadInputMethod = 2;
    G.CalcMethodics = 4;
    G.LoadAsForce = false;
    G.LevelCount = 5;
    G.TFe1 = 2100, G.THe1 = 2600, G.TFe2 = 1900, G.THe2 = 2400;
    G.FtFe1 = 21000, G.FtHe1 = 26000, G.FtFe2 = 19000, G.FtHe2 = 24000;
    G.KHbetaEkv = 1.2, G.KHalfaEkv = 1.1, G.KvEkv = 1.05, G.KFbetaEkv = 1.15, G.KFalfaEkv = 1.0;
    G.EquivLoadGiven2 = true;
    w.RadioButton4->SetChecked(true);
    w.RadioButton3->SetChecked(true);  // checking it runs its handler
    EXPECT_EQ(G.LoadInputMethod, 1);
    EXPECT_EQ(G.LevelCount, 1);
    EXPECT_DOUBLE_EQ(G.Tjm, 2600);
    EXPECT_DOUBLE_EQ(G.Ftjm, 0);
    EXPECT_DOUBLE_EQ(G.FtHe1Used, 26000);
    EXPECT_DOUBLE_EQ(G.KHbeta, 1.2);
    EXPECT_DOUBLE_EQ(G.KH, 1.2 * 1.1 * 1.05);
    EXPECT_DOUBLE_EQ(G.KF, 1.15 * 1.0 * 1.05);
    EXPECT_EQ(G.CalcMethodics, 4);
    EXPECT_FALSE(G.EquivLoadGiven2);
}

TEST_F(LoadingWindow, OneLevelAfterAnApproximateSpectrumKeepsTheLoadAndTakesHaibach) {
    TZatizeni_F w;
    bool mainRepainted = false;
    MainWindow().RepaintMainWindow = [&] { mainRepainted = true; };
    G.LoadInputMethod = 2;
    G.CalcMethodics = 2;
    G.HypothesisHaibach = false;
    G.Tjm = 2500;
    G.TFe1 = 3000;
    G.SigmaH1ekv = 900;
    w.RadioButton4->SetChecked(true);
    w.RadioButton3->SetChecked(true);
    EXPECT_DOUBLE_EQ(G.Tjm, 2500);
    EXPECT_EQ(G.CalcMethodics, 4);
    EXPECT_TRUE(G.HypothesisHaibach);
    EXPECT_DOUBLE_EQ(G.TFe1, 0);
    EXPECT_DOUBLE_EQ(G.SigmaH1ekv, 0);
    EXPECT_TRUE(mainRepainted);
}

TEST_F(LoadingWindow, EquivalentStressesAreZeroedUnlessCurrentOrTheServiceLifeWindowIsOpen) {
    TZatizeni_F w;
    G.CalcMethodics = 3;
    G.SigmaF1ekv = 300;
    G.EquivalentStressesCurrent = true;
    w.ShowEquivalentStresses();
    EXPECT_DOUBLE_EQ(G.SigmaF1ekv, 300);
    EXPECT_TRUE(w.EquivalentStressLabels[0]->Visible());
    G.EquivalentStressesCurrent = false;
    G.LifeFormActive = true;
    w.ShowEquivalentStresses();
    EXPECT_DOUBLE_EQ(G.SigmaF1ekv, 300);
    G.EquivalentStressesCurrent = false;
    G.LifeFormActive = false;
    w.ShowEquivalentStresses();
    EXPECT_DOUBLE_EQ(G.SigmaF1ekv, 0);
    EXPECT_TRUE(G.EquivalentStressesCurrent);
    G.CalcMethodics = 2;
    w.ShowEquivalentStresses();
    EXPECT_FALSE(w.EquivalentStressLabels[0]->Visible());
}

TEST_F(LoadingWindow, StaticOverloadsCountLevelsStrictlyAboveTheStaticLimit) {
    G.LevelCount = 3;
    G.Sigmafpb1stat = 800, G.SigmaHP1stat = 2000, G.Sigmafpb2stat = 700, G.SigmaHP2stat = 1900;
    G.SigmaF1Level[1] = 900, G.SigmaF1Level[2] = 800, G.SigmaF1Level[3] = 801;  // 800 is not above
    G.SigmaH2Level[3] = 1900.5;
    G.SigmaF2Level[4] = 5000;  // beyond LevelCount
    CountStaticOverloads();
    EXPECT_EQ(G.StaticOverloadCountF1, 2);
    EXPECT_EQ(G.StaticOverloadCountH1, 0);
    EXPECT_EQ(G.StaticOverloadCountF2, 0);
    EXPECT_EQ(G.StaticOverloadCountH2, 1);
    TZatizeni_F w;
    G.LoadInputMethod = 2;
    w.Show();
    EXPECT_TRUE(w.WarningLabels[3]->Visible());
    EXPECT_EQ(w.EquivalentStressLabels[0]->Caption(), "  0.0 *");
    EXPECT_EQ(w.EquivalentStressLabels[0]->Font().Color, ui::clRed);
    EXPECT_EQ(w.EquivalentStressLabels[1]->Font().Color, ui::clBlack);
}

TEST_F(LoadingWindow, HelpKeyOpensTheTopicOfTheMethodicsAndAFailedCallShowsError) {
    TZatizeni_F load;
    load.Show();
    G.LoadInputMethod = 2;
    G.CalcMethodics = 3;
    ui::test::SetHelpResult(false);
    ui::test::F1();
    ASSERT_EQ(ui::test::HelpCalls().size(), 1u);
    EXPECT_EQ(ui::test::HelpCalls()[0].Data, 46u);
    EXPECT_EQ(ui::test::HelpCalls()[0].File, "help_diz.hlp");
    EXPECT_EQ(ui::test::HelpCalls()[0].Command, ui::HELP_CONTEXT);
    EXPECT_EQ(ui::test::Notices().Texts(), std::vector<std::string>{"Error"});
}

}  // namespace
}  // namespace karvelo
