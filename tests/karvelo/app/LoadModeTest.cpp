// The load modes of the loading window, switched and back through the main window's commands.
#include <functional>

#include "KarveloFixture.h"
#include "karvelo/calc/Soubory.h"

namespace karvelo::test {
namespace {

using ui::test::Click;

class LoadModes : public KarveloTest {};

// A switch to another load mode and straight back, nothing typed there (the spectrum window left
// with Esc), leaves the case (its data file) and what a Calculation shows, before and after a
// Calculation, with the KHbeta given: from the start (KHbeta 1.3 by the gearing choice) and after
// Load data of a one-load, a spectrum and an equivalent-loads file, each as it was saved.
TEST_F(LoadModes, ASwitchAndBackWithNothingTypedLeavesTheCaseAndItsResults) {
    const std::function<void(GlobalData&)> files[] = {
        nullptr, [](GlobalData& g) { g.KA = 1.25, g.Tjm = 3000; },
        [](GlobalData& g) {
            g.LoadInputMethod = kMultilevelLoading, g.CalcMethodics = kMethodicsMiner, g.HypothesisHaibach = false;
        },
        [](GlobalData& g) {
            g.LoadInputMethod = kDirectEquivalentLoad, g.CalcMethodics = kMethodicsMiner, g.HypothesisHaibach = false;
            g.KHalfaDirect = g.KFalfaDirect = g.KFbetaDirect = g.KvDirect = true;
            g.TFe1 = 1800, g.THe1 = 1700, g.TFe2 = 1900, g.THe2 = 1600;
        }};
    const auto start = [this] { SetUp(), Click(Form1->RadioButton2), Click(Form1->RadioButton1); };
    const auto shown = [] {
        Click(Form1->Button8);
        std::vector<std::string> seen = ComposeDataFile();
        for (ui::ScrollBox* box : {Form1->ScrollBox1, Form1->ScrollBox2})
            for (ui::Control* c : box->Controls())
                if (const auto* l = dynamic_cast<const ui::Label*>(c)) seen.push_back(l->Caption());
        return seen;
    };
    const auto press = [](ui::Form* window, ui::Button* button) {
        ui::test::QueueModal(window, [button](ui::Form&) { Click(button); });
    };
    const ScratchDir dir;
    const std::string file = (dir / "case").string();
    for (const auto& recipe : files) {
        SCOPED_TRACE(&recipe - files);
        start();
        if (recipe) recipe(G);
        const std::vector<std::string> saved = shown();
        SaveCase(file, "t", "d");
        const bool spectrum = G.LoadInputMethod == kMultilevelLoading;
        start();
        if (spectrum) press(Spektrum_F, Spektrum_F->Button2);  // its window opens with the file: Ok
        if (recipe) ui::test::QueueFileName(file + ".PEV"), Click(Form1->Button10);
        ui::RadioButton* modes[] = {Zatizeni_F->RadioButton3, Zatizeni_F->RadioButton4, Zatizeni_F->RadioButton5};
        ui::RadioButton* home = modes[G.LoadInputMethod - 1];
        for (const char* when : {"before", "after"}) {
            for (ui::RadioButton* other : modes) {
                if (other == home) continue;
                ui::test::QueueModal(Zatizeni_F, [&](ui::Form&) {
                    Click(other);
                    if (other == modes[1]) press(Spektrum_F, Spektrum_F->Button4), Click(Zatizeni_F->Button12);
                    Click(home), Click(Zatizeni_F->Button14);
                });
                Click(Form1->Button3);
            }
            EXPECT_EQ(shown(), saved) << when << " a Calculation";
            EXPECT_DOUBLE_EQ(G.KHbeta, 1.3);
        }
    }
}

}  // namespace
}  // namespace karvelo::test
