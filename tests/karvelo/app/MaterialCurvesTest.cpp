// The static ends of the S-N curves, which the data file does not hold: set at start-up and
// derived again after Load data, so that a saved case calculates as it did.

#include <string>
#include <vector>

#include "KarveloFixture.h"

namespace karvelo::test {
namespace {

using ui::test::Click;

class MaterialCurves : public KarveloTest {
protected:
    // Every result the main window shows.
    static std::vector<std::string> Shown() {
        std::vector<std::string> texts;
        for (ui::ScrollBox* box : {Form1->ScrollBox1, Form1->ScrollBox2})
            for (ui::Control* c : box->Controls())
                if (auto* label = dynamic_cast<ui::Label*>(c)) texts.push_back(label->Caption());
        return texts;
    }
    // Calculates, saves, starts afresh, loads and calculates again: the same results.
    void ExpectSameResultsAfterSaveAndLoad() {
        Click(Form1->Button8);
        ASSERT_TRUE(Form1->Button9->Enabled());
        const std::vector<std::string> before = Shown();
        const GlobalData calculated = G;
        ui::test::QueueFileName((dir / "case").string());
        Click(Form1->Button9);

        KarveloTest::SetUp();  // a fresh start of the program
        ui::test::QueueFileName((dir / "case.PEV").string());
        Click(Form1->Button10);
        EXPECT_TRUE(Messages().empty());
        for (auto v : {&GlobalData::NLstatH1, &GlobalData::NLstatH2, &GlobalData::NLstatF1, &GlobalData::NLstatF2})
            EXPECT_EQ(G.*v, calculated.*v);
        EXPECT_EQ(G.MaterialClass2, MaterialClassIndex(G.MaterialCode2));  // named by the listing
        // The exponent below the knee belongs to a gear whose pitting is permitted.
        if (G.PittingAllowed1) {
            EXPECT_EQ(G.qH1knee, calculated.qH1knee);
        }
        if (G.PittingAllowed2) {
            EXPECT_EQ(G.qH2knee, calculated.qH2knee);
        }
        Click(Form1->Button8);
        EXPECT_EQ(Shown(), before);
    }
    ScratchDir dir;
};

TEST_F(MaterialCurves, StartUpSetsTheStaticEndsAndTheDefaultCaseReloadsUnchanged) {
    EXPECT_EQ(G.NLstatH1, 1e5);
    EXPECT_EQ(G.NLstatH2, 1e5);
    EXPECT_EQ(G.NLstatF1, 1000);
    EXPECT_EQ(G.NLstatF2, 1000);
    ExpectSameResultsAfterSaveAndLoad();
}

// Few cycles bring the bending factors between their static and reference values, and pitting
// puts the contact stress on the curve below the knee; a structural steel has the longer static
// range in bending.
TEST_F(MaterialCurves, PittingAndShortLivesReloadUnchanged) {
    ui::test::QueueModal(Materialy_F, [](ui::Form&) {
        Click(Materialy_F->CheckBoxes[11]);
        Click(Materialy_F->CheckBoxes[12]);
        Click(Materialy_F->Button3);
    });
    Click(Form1->Button2);
    ASSERT_TRUE(G.PittingAllowed1 && G.PittingAllowed2);
    G.NL1 = 2e7;
    G.NL2 = 1e7;
    ExpectSameResultsAfterSaveAndLoad();

    G.MaterialForPinion = false;
    G.MaterialCode2 = std::string("V");
    SetMaterialClassDefaults();
    SetLifeFactorCurves();
    G.Re2 = 300;
    G.NL1 = 20000;
    G.NL2 = 10000;
    ExpectSameResultsAfterSaveAndLoad();
    EXPECT_EQ(G.NLstatF2, 10000);
}

}  // namespace
}  // namespace karvelo::test
