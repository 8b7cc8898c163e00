// The load modes of the loading window, switched and back through the main window's commands.
#include <array>
#include <functional>
#include <map>
#include <sstream>

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


// What one level takes when it is chosen, over the paths a user takes to it.  A path is a list of
// steps: "1" "2" "3" the mode radios, "ok" / "esc" / "factors" the spectrum window left with Ok,
// Esc or after Compute factors with Esc, "miner" / "A3" a methodics box, "T" / "F" / "hours" the unit
// radios of the panel shown, "|" the window closed with Ok and opened again; outside the window
// "b" face widths of 300 in Dimensions, "life" the service-life window and Back, "calc" a
// Calculation.  The load one level shows is the largest equivalent load (where the equivalents
// stand for the case), else the case's own one-level load, else none; Ok and Calculation then give
// what the same case entered by the direct path gives (`like`), or refuse.
TEST_F(LoadModes, OneLevelTakesTheCasesOwnLoadOrNone) {
    const std::string cases = std::string(TEST_SOURCE_ROOT) + "/tests/karvelo/cases/";
    const std::map<std::string, std::string> files = {{"one", "stage-one-load"},
                                                      {"spectrum", "spectrum-then-one-level"},
                                                      {"uncalculated", "spectrum-then-one-level"},
                                                      {"direct", "direct-equivalent-loads"}};
    // A spectrum file opens the spectrum window: Ok calculates it, Esc leaves it uncalculated.
    const auto start = [&](const std::string& name) {
        SetUp(), Click(Form1->RadioButton2), Click(Form1->RadioButton1);
        if (name == "start") return;
        if (name == "spectrum" || name == "uncalculated")
            ui::test::QueueModal(Spektrum_F, [name](ui::Form&) {
                Click(name == "spectrum" ? Spektrum_F->Button2 : Spektrum_F->Button4);
            });
        ui::test::QueueFileName(cases + files.at(name) + ".PEV"), Click(Form1->Button10);
    };

    const auto step = [](const std::string& s) {
        TZatizeni_F& w = *Zatizeni_F;  // the windows are made anew with every start
        const int mode = G.LoadInputMethod;
        const auto spectrum = [](ui::Button* leave, bool factors) {
            ui::test::QueueModal(Spektrum_F, [=](ui::Form&) {
                if (factors) Click(Spektrum_F->Button6);
                Click(leave);
            });
            Click(Zatizeni_F->Button12);
        };
        const std::array<ui::RadioButton*, 3> modes{w.RadioButton3, w.RadioButton4, w.RadioButton5},
            torques{w.RadioButton8, w.RadioButton12, w.RadioButton10},
            forces{w.RadioButton7, w.RadioButton11, w.RadioButton13};
        if (s == "1" || s == "2" || s == "3") Click(modes[s[0] - '1']);
        if (s == "ok") spectrum(Spektrum_F->Button2, false);
        if (s == "esc" || s == "factors") spectrum(Spektrum_F->Button4, s == "factors");
        if (s == "miner") Click(w.CheckBox3);
        if (s == "A3") Click(w.CheckBox1);
        if (s == "T") Click(torques[mode - 1]);
        if (s == "F") Click(forces[mode - 1]);
        if (s == "hours") Click(mode == kOneLevelLoading ? w.RadioButton2 : w.RadioButton9);
    };
    const auto outside = [](const std::string& s) {
        if (s == "b")
            ui::test::QueueModal(Rozmery_F, [](ui::Form&) {
                Put(Rozmery_F->Field(1), "300"), Put(Rozmery_F->Field(2), "300"), Click(Rozmery_F->Button1);
            }), Click(Form1->Button4);
        if (s == "life")
            ui::test::QueueModal(Zivotnost_F, [](ui::Form&) { Click(Zivotnost_F->Button2); }), Click(Form1->Button13);
        if (s == "calc") Click(Form1->Button8);
        return s == "b" || s == "life" || s == "calc";
    };
    // The results a Calculation shows, or its refusal.
    const auto calculated = [] {
        ui::test::Notices().Clear();
        Click(Form1->Button8);
        std::vector<std::string> seen = Messages();
        for (ui::ScrollBox* box : {Form1->ScrollBox1, Form1->ScrollBox2})
            for (ui::Control* c : box->Controls())
                if (const auto* l = dynamic_cast<const ui::Label*>(c); l && l->Visible()) seen.push_back(l->Caption());
        return seen;
    };
    struct Row {
        std::string start;
        std::vector<std::string> path;
        std::string T1;  // shown by one level
        std::string like;
        std::vector<std::string> likePath;
    };
    const Row rows[] = {
        // the equivalent loads stand: the largest, with the equivalent factors
        {"spectrum", {"1"}, "44881.5", "spectrum", {"1"}},
        {"spectrum", {"3", "1"}, "44881.5", "spectrum", {"1"}},
        {"spectrum", {"3", "2", "1"}, "44881.5", "spectrum", {"1"}},
        {"spectrum", {"calc", "1"}, "44881.5", "spectrum", {"1"}},
        {"direct", {"2", "1"}, "", "direct", {"1"}},
        // the case's own one-level load, KA and factors
        {"spectrum", {"1", "|", "2", "esc", "3", "1"}, "44881.5", "spectrum", {"1"}},
        {"one", {"F", "3", "T", "1"}, "40953.0", "one", {}},
        {"one", {"3", "2", "1"}, "40953.0", "one", {}},
        {"one", {"3", "hours", "1"}, "40953.0", "one", {}},
        {"one", {"2", "factors", "esc", "1"}, "40953.0", "one", {}},
        {"one", {"life", "1"}, "40953.0", "one", {}},
        {"one", {"2", "esc", "1", "|", "3", "F", "1"}, "", "one", {"F"}},
        {"start", {"3", "2", "1"}, "2500.0", "start", {}},
        {"start", {"2", "factors", "1"}, "2500.0", "start", {}},
        // none: the case has no nominal load of its own
        {"spectrum", {"1", "2", "esc", "1"}, "0.0", "", {}},  // the switch back gave the spectrum back
        {"spectrum", {"b", "1"}, "0.0", "", {}},
        {"spectrum", {"miner", "1"}, "0.0", "", {}},
        {"spectrum", {"A3", "1"}, "0.0", "", {}},
        {"uncalculated", {"1"}, "0.0", "", {}},
        {"uncalculated", {"3", "T", "1"}, "0.0", "", {}},
        {"direct", {"life", "life", "1"}, "0.0", "", {}},
    };
    const auto run = [&](const std::string& from, const std::vector<std::string>& path, std::string* T1) {
        start(from);
        std::vector<std::vector<std::string>> sessions{{}};
        for (const std::string& s : path) {
            if (s == "|" || (outside(s) && !sessions.back().empty())) sessions.emplace_back();
            if (s != "|" && !outside(s)) sessions.back().push_back(s);
        }
        // Steps outside the window ran as the path was split; the sessions now, in order.
        for (std::size_t k = 0; k < sessions.size(); ++k) {
            const bool last = k + 1 == sessions.size();
            ui::test::QueueModal(Zatizeni_F, [&, last, k](ui::Form& f) {
                for (const std::string& s : sessions[k]) step(s);
                if (last && T1) *T1 = Zatizeni_F->Field(1)->Text();
                ui::test::Notices().Clear();
                Click(Zatizeni_F->Button14);
                if (f.Visible()) f.ModalResult = ui::mrOk;  // refused: closed all the same
            });
            Click(Form1->Button3);
        }
        return calculated();
    };
    for (const Row& r : rows) {
        std::ostringstream trace;
        trace << r.start;
        for (const std::string& s : r.path) trace << ' ' << s;
        SCOPED_TRACE(trace.str());
        std::string T1;
        const std::vector<std::string> seen = run(r.start, r.path, &T1);
        if (!r.T1.empty()) {
            EXPECT_EQ(T1.substr(T1.find_first_not_of(' ')), r.T1);
        }
        if (r.like.empty()) {
            EXPECT_EQ(seen, std::vector<std::string>{"Not specified load input."});
            continue;
        }
        // Factors given directly hold for every level a later spectrum has.
        if (G.KHbetaDirect) {
            for (int j = 1; j <= kMaxLevels; ++j) EXPECT_EQ(G.KHbetaLevel[j], G.KHbeta) << j;
        }
        EXPECT_EQ(seen, run(r.like, r.likePath, nullptr));
    }
}


// One spectrum, one answer: the same three levels entered from a one-load case with KA 1.25, by
// the mode radio with Haibach ticked or by the methodics boxes, give KA 1 (the levels are the
// actual loads) and the same equivalent stress in the loading and the main window.  The lives of a
// spectrum are withdrawn once the case is one level.
TEST_F(LoadModes, ASpectrumHasOneAnswerWhicheverPathEnteredIt) {
    const std::string file = std::string(TEST_SOURCE_ROOT) + "/tests/karvelo/cases/stage-one-load.PEV";
    const auto enterSpectrum = [] {
        ui::test::QueueModal(Spektrum_F, [](ui::Form&) {
            TSpektrum_F& s = *Spektrum_F;
            Put(s.Field(1), "3");
            Click(s.RadioButton7);  // hours
            const char* loads[] = {"50000", "40953", "30000"};
            const char* hours[] = {"1000", "50000", "124200"};
            for (int j = 0; j < 3; ++j)
                Put(s.Field(TSpektrum_F::kLoad + 1 + j), loads[j]), Put(s.Field(TSpektrum_F::kCycles + 1 + j), hours[j]);
            Click(s.Button6);
            Click(s.Button2);
        });
        Click(Zatizeni_F->Button12);
    };
    std::vector<std::string> answers;
    for (const bool byBoxes : {false, true}) {
        SetUp();
        ui::test::QueueFileName(file), Click(Form1->Button10);
        std::string loading, ka;
        ui::test::QueueModal(Zatizeni_F, [&](ui::Form&) {
            Click(Zatizeni_F->RadioButton4);
            if (byBoxes) Click(Zatizeni_F->CheckBox3), Click(Zatizeni_F->CheckBox4);
            enterSpectrum();
            loading = Zatizeni_F->EquivalentStressLabels[0]->Caption();
            ka = Zatizeni_F->LabelKA->Caption();
            Click(Zatizeni_F->Button14);
        });
        Click(Form1->Button3);
        Click(Form1->Button8);
        EXPECT_EQ(ka, "K   = 1.000");
        EXPECT_EQ(" " + loading, Result("Label9")->Caption());
        answers.push_back(loading);
    }
    EXPECT_EQ(answers[0], answers[1]);

    SetUp();
    const auto ok = [](ui::Form* window, ui::Button* button) {
        ui::test::QueueModal(window, [button](ui::Form&) { Click(button); });
    };
    ok(Spektrum_F, Spektrum_F->Button2);
    ui::test::QueueFileName(file.substr(0, file.rfind('/')) + "/spectrum-then-one-level.PEV"), Click(Form1->Button10);
    ui::test::QueueModal(Zivotnost_F, [&](ui::Form&) {
        ok(Spektrum_F, Spektrum_F->Button2), Click(Zivotnost_F->Button1);
        EXPECT_TRUE(Zivotnost_F->Button4->Enabled());
        Click(Zivotnost_F->Button2);
    });
    Click(Form1->Button13);
    ui::test::QueueModal(Zatizeni_F, [](ui::Form&) { Click(Zatizeni_F->RadioButton3), Click(Zatizeni_F->Button14); });
    Click(Form1->Button3);
    Click(Form1->Button8);
    ui::test::QueueModal(Zivotnost_F, [](ui::Form&) {
        EXPECT_FALSE(Zivotnost_F->Button4->Enabled());
        EXPECT_TRUE(Zivotnost_F->Label68->Visible());
        Click(Zivotnost_F->Button2);
    });
    Click(Form1->Button13);
}

// Results stand until their inputs change: service lives loaded with their case survive the
// loading window opened and closed with nothing changed, and the equivalent loads a Calculation
// made after an input change are those the loading window shows and Ok takes.
TEST_F(LoadModes, ResultsStandUntilTheirInputsChange) {
    const std::string file = std::string(TEST_SOURCE_ROOT) + "/tests/karvelo/cases/spectrum-then-one-level.PEV";
    const auto ok = [](ui::Form* window, ui::Button* button) {
        ui::test::QueueModal(window, [button](ui::Form&) { Click(button); });
    };
    const auto loadData = [&](const std::string& name) {
        ok(Spektrum_F, Spektrum_F->Button2);
        ui::test::QueueFileName(name), Click(Form1->Button10);
    };
    const ScratchDir dir;
    loadData(file);
    ui::test::QueueModal(Zivotnost_F, [&](ui::Form&) { ok(Spektrum_F, Spektrum_F->Button2), Click(Zivotnost_F->Button1), Click(Zivotnost_F->Button2); });
    Click(Form1->Button13);
    Click(Form1->Button8);
    ASSERT_TRUE(G.LifeValid);
    ui::test::QueueFileName((dir / "lives.VYS").string()), Click(Form1->Button9);
    SetUp();
    loadData((dir / "lives.PEV").string());
    ok(Zatizeni_F, Zatizeni_F->Button14), Click(Form1->Button3);
    for (int opened = 0; opened < 2; ++opened) {  // the first activation after Load data marks them
        ui::test::QueueModal(Zivotnost_F, [](ui::Form&) { Click(Zivotnost_F->Button2); });
        Click(Form1->Button13);
    }
    EXPECT_TRUE(G.LifeValid);
    EXPECT_TRUE(Zivotnost_F->Button4->Enabled());

    SetUp();
    loadData(file);
    ui::test::QueueModal(Rozmery_F, [](ui::Form&) {
        Put(Rozmery_F->Field(1), "300"), Put(Rozmery_F->Field(2), "300"), Click(Rozmery_F->Button1);
    });
    Click(Form1->Button4);
    Click(Form1->Button8);
    const std::string shown = Result("Label9")->Caption();
    ui::test::Notices().Clear();
    ui::test::QueueModal(Zatizeni_F, [&](ui::Form&) {
        EXPECT_EQ(" " + Zatizeni_F->EquivalentStressLabels[0]->Caption(), shown);
        Click(Zatizeni_F->Button14);
    });
    Click(Form1->Button3);
    EXPECT_EQ(Messages(), std::vector<std::string>{});
}

}  // namespace
}  // namespace karvelo::test
