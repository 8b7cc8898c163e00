// Save data and Load data through the main window with scripted file dialogs.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <utility>
#include <vector>

#include "KarveloFixture.h"
#include "karvelo/calc/Geometrie.h"
#include "karvelo/calc/Soubory.h"
#include "karvelo/forms/KHbetaC.h"
#include "runtime/TextFile.h"

namespace karvelo::test {
namespace {

namespace fs = std::filesystem;
using ui::test::Click;

class SaveLoad : public KarveloTest {
protected:
    void TearDown() override {
        rt::TextFile::FailWritesAfter(-1);
        KarveloTest::TearDown();
    }
    std::string Path(const std::string& name) const { return (dir / name).string(); }
    static std::string Slurp(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static void Spit(const std::string& file, const std::string& text) {
        std::ofstream(file, std::ios::binary) << text;
    }
    // Calculates the case and saves it under `name`.
    void CalculateAndSave(const std::string& name) {
        Click(Form1->Button8);
        ASSERT_TRUE(Form1->Button9->Enabled());
        ui::test::QueueFileName(name);
        Click(Form1->Button9);
    }
    // The number of writes of the input listing of the case: the lines of a listing saved now.
    int ListingWrites() {
        SaveCase(Path("probe"), "t", "d");
        const std::string listing = Slurp(Path("probe.VST"));
        return static_cast<int>(std::count(listing.begin(), listing.end(), '\n'));
    }
    ScratchDir dir;
};

TEST_F(SaveLoad, SaveWritesTheThreeFilesBesideTheChosenOneAndProposesTheResultsNext) {
    Spit(Path("case.txt"), "notes");
    CalculateAndSave(Path("case.txt"));
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Slurp(Path("case.txt")), "notes");
    for (const char* ext : {".VST", ".PEV", ".VYS"}) EXPECT_TRUE(fs::exists(Path(std::string("case") + ext))) << ext;
    ui::test::QueueFileCancel();
    Click(Form1->Button9);
    ASSERT_EQ(ui::test::FileDialogCalls().size(), 2u);
    EXPECT_EQ(ui::test::FileDialogCalls()[0].Kind, ui::FileDialog::Kind::Save);
    EXPECT_EQ(ui::test::FileDialogCalls()[1].FileName, Path("case.VYS"));
    EXPECT_NE(ui::test::FileDialogCalls()[0].Options & ui::ofOverwritePrompt, 0u);
}

TEST_F(SaveLoad, SaveIntoAFolderThatCannotBeWrittenShowsItsBoxAndKeepsTheOldFiles) {
    Spit(Path("not_a_folder"), "a file");
    CalculateAndSave(Path("not_a_folder") + "/case");
    ASSERT_EQ(ui::test::Notices().notices.size(), 1u);
    EXPECT_EQ(ui::test::Notices().notices[0].text, "The file can not be saved.");
    EXPECT_EQ(ui::test::Notices().notices[0].caption, "Saving data");
    EXPECT_EQ(ui::test::Notices().notices[0].flags, ui::MB_OK | ui::MB_ICONERROR);
    EXPECT_EQ(Slurp(Path("not_a_folder")), "a file");

    // A write failing after the input listing: the old data file and results stay.
    ui::test::Notices().Clear();
    Spit(Path("case.PEV"), "old data");
    Spit(Path("case.VYS"), "old results");
    // As many writes as the input listing takes, and fewer than the data file takes.
    rt::TextFile::FailWritesAfter(ListingWrites() + 20);
    ui::test::QueueFileName(Path("case"));
    Click(Form1->Button9);
    rt::TextFile::FailWritesAfter(-1);
    EXPECT_EQ(Messages(), std::vector<std::string>{"The file can not be saved."});
    EXPECT_EQ(Slurp(Path("case.PEV")), "old data");
    EXPECT_EQ(Slurp(Path("case.VYS")), "old results");
    EXPECT_TRUE(Form1->Button9->Enabled());  // the program goes on
}

// The overwrite question names every file of the case that the save replaces; No leaves the
// dialog open and every file as it was.
TEST_F(SaveLoad, TheOverwriteQuestionNamesEveryFileTheSaveReplaces) {
    Spit(Path("kbd.VYS"), "old results");
    Click(Form1->Button8);
    ui::test::QueueFileName(Path("kbd"), false);
    ui::test::QueueFileCancel();
    Click(Form1->Button9);
    const auto& call = ui::test::FileDialogCalls().at(0);
    EXPECT_EQ(call.Questions,
              (std::vector<rt::Notice>{{rt::Notice::Box, "kbd.VYS already exists.\rDo you want to replace it?",
                                        "Save As", ui::MB_YESNO | ui::MB_ICONWARNING | ui::MB_DEFBUTTON2}}));
    EXPECT_EQ(Slurp(Path("kbd.VYS")), "old results");
    EXPECT_FALSE(fs::exists(Path("kbd.PEV")));

    ui::test::QueueFileName(Path("kbd"));
    Click(Form1->Button9);
    ui::test::QueueFileName(Path("kbd.VYS"));  // as proposed
    Click(Form1->Button9);
    ASSERT_EQ(ui::test::FileDialogCalls().at(2).Questions.size(), 1u);
    EXPECT_EQ(ui::test::FileDialogCalls()[2].Questions[0].text,
              "kbd.PEV, kbd.VST and kbd.VYS already exist.\rDo you want to replace them?");
    EXPECT_TRUE(Messages().empty());
}

// A save failing in any of its three files, or while putting them in place, keeps all three
// earlier files; only a failure that also defeats putting them back leaves some replaced, and
// the box names them.  No temporary stays behind.
TEST_F(SaveLoad, AFailedSaveKeepsAllThreeEarlierFiles) {
    const std::vector<std::string> names{"case.VST", "case.PEV", "case.VYS"};
    const std::string box = "The file can not be saved.";
    // The box of a save failing at `step` ("" when it succeeds); the files checked against it.
    const auto saveFailingAt = [&](int step) {
        SCOPED_TRACE(step);
        for (const std::string& n : names) Spit(Path(n), "old " + n);
        ui::test::Notices().Clear();
        rt::TextFile::FailWritesAfter(step);
        ui::test::QueueFileName(Path("case"));
        Click(Form1->Button9);
        rt::TextFile::FailWritesAfter(-1);
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 3);
        if (Messages().empty()) return std::string();
        const std::string text = Messages().at(0);
        const auto replaced = [&] {
            std::string shown;
            for (const std::string& n : names) shown += Slurp(Path(n)) == "old " + n ? "-" : "+";
            return shown;
        }();
        EXPECT_EQ(replaced, text == box + "\r\rcase.VST was saved, case.PEV and case.VYS were not."   ? "+--"
                            : text == box + "\r\rcase.PEV and case.VST were saved, case.VYS was not." ? "++-"
                                                                                                      : "---")
            << text;
        return text;
    };
    Click(Form1->Button8);
    // Faults every 16 steps through the three files, then at each step up to the end: the end
    // of the results listing, its close and the three renames, the last two also defeating the
    // renames back.
    int end = 0;
    while (!saveFailingAt(end).empty()) end += 16;
    for (end -= 15; !saveFailingAt(end).empty();) ++end;
    EXPECT_EQ(saveFailingAt(end - 3), box);
    EXPECT_EQ(saveFailingAt(end - 2), box + "\r\rcase.VST was saved, case.PEV and case.VYS were not.");
    EXPECT_EQ(saveFailingAt(end - 1), box + "\r\rcase.PEV and case.VST were saved, case.VYS was not.");
    EXPECT_GT(end, 100);
}

// A case saved, loaded, calculated and saved again gives the same files (the listings but for
// their time, date and file name), whichever way it was entered.
TEST_F(SaveLoad, ACaseReopensToTheSameResultsAndResavesIdentically) {
    using Script = std::function<void()>;
    const auto in = [](ui::Form* window, ui::Button* open, ui::Button* ok, Script s) {
        ui::test::QueueModal(window, [=](ui::Form&) { s(), Click(ok); });
        Click(open);
    };
    // The example spectrum with its factors computed, `first` done in the spectrum window before.
    const auto spectrum = [&](Script first) {
        in(Zatizeni_F, Form1->Button3, Zatizeni_F->Button14, [=] {
            Click(Zatizeni_F->RadioButton4);
            ui::test::QueueModal(Spektrum_F,
                                 [=](ui::Form&) { first(), Click(Spektrum_F->Button6), Click(Spektrum_F->Button2); });
            Click(Zatizeni_F->Button12);
        });
    };
    const struct {
        const char* name;
        std::vector<std::pair<int, const char*>> geometry;  // fields typed in the geometry window
        Script then;
    } entries[] = {
        {"default", {}, [] {}},
        {"internal",
         {},
         [&] {
             Click(Form1->RadioButton2);
             in(Souc_F, Form1->Button7, Souc_F->Button1, [] { Put(Souc_F->Field(16), "2.1"); });  // YS2
         }},
        {"helical, shifted", {{4, "13.7"}, {5, "21"}, {6, "0.27"}, {7, "-0.11"}}, [] {}},
        {"x1, then the reference centre distance", {{6, "0.3"}, {8, "0"}}, [] {}},
        {"pointed tip given", {{15, "96.8"}}, [] {}},
        {"Miner spectrum in forces and hours, helical",
         {{4, "13.7"}, {2, "71"}, {8, "190.3"}},
         [&] {
             Click(Form1->RadioButton5);
             spectrum([] {
                 Click(Spektrum_F->RadioButton1), Click(Spektrum_F->RadioButton7);
                 Put(Spektrum_F->LevelField(TSpektrum_F::kSpeed, 1), "930");
             });
         }},
        {"spectrum, then the modulus of elasticity",
         {},
         [&] {
             spectrum([] {});
             in(Materialy_F, Form1->Button2, Materialy_F->Button3, [] { Put(Materialy_F->Field(9), "226600"); });
         }},
        // Inputs beyond the fixed sections of the data file
        {"protuberances", {{17, "0.5"}, {18, "0.3"}}, [] {}},
        {"internal, a cutter of its own",
         {},
         [&] {
             Click(Form1->RadioButton2);
             in(Geometrie_F, Form1->Button1, Geometrie_F->Button1, [] {
                 Put(Geometrie_F->EditField(19), "20");
                 Put(Geometrie_F->EditField(20), "0.2");
             });
         }},
        {"method C, the pinion not shrink fitted on a thin shaft",
         {},
         [&] {
             in(Rozmery_F, Form1->Button4, Rozmery_F->Button1, [] { Click(Rozmery_F->CB1); });  // not a full pinion
             in(KHbeta_F, Form1->Button6, KHbeta_F->Button1, [] {
                 ui::test::QueueModal(KHbeta_C, [](ui::Form&) {
                     Put(KHbeta_C->EditField(3), "60");
                     Click(KHbeta_C->CheckBox20);
                     Click(KHbeta_C->Button5);
                 });
                 Click(KHbeta_F->CheckBox5);
             });
         }},
        {"other material after grey cast iron, its own contact curve, few cycles",
         {},
         [&] {
             in(Materialy_F, Form1->Button2, Materialy_F->Button3, [] {
                 for (int entry : {4, 11}) {  // "Grey cast iron", then "Other material"
                     Materialy_F->SetActiveControl(Materialy_F->ComboBox1);
                     Materialy_F->ComboBox1->SetItemIndex(entry);
                     emit Materialy_F->ComboBox1->activated(entry);
                 }
                 Put(Materialy_F->Field(13), "7");  // qH1
             });
             in(Zatizeni_F, Form1->Button3, Zatizeni_F->Button14, [] {
                 Put(Zatizeni_F->Field(3), "300000");
                 Put(Zatizeni_F->Field(4), "150000");
             });
         }},
    };
    // The lines of a file, a listing's time, date and file name lines left out.
    const auto lines = [&](const std::string& file) {
        std::istringstream in(Slurp(Path(file)));
        std::vector<std::string> kept;
        for (std::string line; std::getline(in, line);)
            if (line.rfind("Time", 0) && line.rfind("Date", 0) && line.rfind("File name", 0)) kept.push_back(line);
        return kept;
    };
    for (const auto& e : entries) {
        SCOPED_TRACE(e.name);
        SetUp();
        const auto fields = e.geometry;
        if (!fields.empty())
            in(Geometrie_F, Form1->Button1, Geometrie_F->Button1, [&] {
                for (auto [n, text] : fields) Put(Geometrie_F->EditField(n), text);
            });
        e.then();
        CalculateAndSave(Path("a"));
        if (G.LoadInputMethod == kMultilevelLoading)  // its window opens with the loaded case
            ui::test::QueueModal(Spektrum_F, [](ui::Form&) { Click(Spektrum_F->Button2); });
        ui::test::QueueFileName(Path("a.PEV"));
        Click(Form1->Button10);
        CalculateAndSave(Path("b"));
        for (const char* ext : {".PEV", ".VST", ".VYS"})
            EXPECT_EQ(lines("a" + std::string(ext)), lines("b" + std::string(ext))) << ext;
        EXPECT_TRUE(Messages().empty()) << Messages()[0];
    }
}

// What the shown controls of a window show: field texts, check marks, list choices, captions.
void Walk(const ui::Container& c, std::vector<std::string>& seen) {
    ui::test::ForEachControl(c, [&](ui::Control* k) {
        if (!k->Showing()) return;
        const std::string what = k->Name() + (k->Enabled() ? " " : " (disabled) ");
        if (const auto* e = dynamic_cast<const ui::Edit*>(k)) seen.push_back(what + e->Text());
        if (const auto* b = dynamic_cast<const ui::CheckBox*>(k)) seen.push_back(what + (b->Checked() ? "x" : "-"));
        if (const auto* r = dynamic_cast<const ui::RadioButton*>(k)) seen.push_back(what + (r->Checked() ? "x" : "-"));
        if (const auto* l = dynamic_cast<const ui::Label*>(k)) seen.push_back(what + l->Caption());
        if (const auto* list = dynamic_cast<const ui::ComboBox*>(k)) seen.push_back(what + list->Text());
    });
}

// A case loaded after a start and after any other case holds the same data, every input window
// shows the same, also the inputs of the other load modes and KHbeta ways as a switch to them
// shows them, and the windows leave the same data.
TEST_F(SaveLoad, ACaseLoadsTheSameWhateverWasLoadedOrShownBefore) {
    const std::vector<std::pair<std::string, std::function<void(GlobalData&)>>> recipes = {
        {"one-load, other material",
         [](GlobalData& g) {
             g.LoadAsForce = true, g.Ftjm = 40000, g.SpectrumInCycles = false, g.NL1h = g.NL2h = 2000, g.R1 = -0.5;
             g.YF1Direct = true, g.YF1 = 2.3, g.ViscosityGiven = true, g.OilViscosity = 120, g.FullPinion = false;
             g.cDirect = g.JDirect = true, g.mredISO = false, g.cprime = 14, g.J1 = 25, g.fpr1Measured = false;
             g.MaterialCode1 = std::string(kOtherMaterial), g.ZNT1stat = 1.4, g.MaterialCode2 = "Xq";
         }},
        {"internal, bcal",
         [](GlobalData& g) {
             Click(Form1->RadioButton2);
             g.z0 = 20, g.x0 = 0.2, g.KA = 1.5, g.MaterialCode2 = "V", g.KHbetaMethod = "bcal", g.bcal = 45;
         }},
        {"Miner spectrum",
         [](GlobalData& g) {
             g.LoadInputMethod = kMultilevelLoading, g.CalcMethodics = kMethodicsMiner, g.HypothesisHaibach = false;
             g.LevelCount = 3, g.SpectrumXMode = false, g.n1 = 1200, g.TFe1 = 2000, g.SigmaF1ekv = 300;
             for (int i = 1; i <= 3; ++i) g.SpectrumY[i] = 6000 - 1500 * i, g.n1Level[i] = 1200, g.KvLevel[i] = 1 + i;
         }},
        {"Haibach spectrum",
         [](GlobalData& g) {
             g.LoadInputMethod = kMultilevelLoading, g.LevelCount = 7, g.qH_1 = 30, g.LoadAsForce = true;
             g.SpectrumAbsolute = false, g.SpectrumRatioToMax = true, g.Ftmax = 60000, g.FtFe1 = 31000;
             for (int i = 1; i <= 7; ++i) g.SpectrumY[i] = 1 - 0.1 * i, g.SpectrumX[i] = 1000 * i, g.n1Level[i] = 900;
             g.LifeValid = true, g.LF1 = 2e7, g.SF1life = 1.2;
         }},
        {"equivalent loads",
         [](GlobalData& g) {
             g.LoadInputMethod = kDirectEquivalentLoad, g.CalcMethodics = kMethodicsMiner, g.HypothesisHaibach = false;
             g.TFe1 = 1800, g.THe1 = 1700, g.TFe2 = 1900, g.THe2 = 1600, g.KHalfaDirect = g.KvDirect = true;
         }},
        {"method C",
         [](GlobalData& g) {
             g.MethodC = true, g.KHbetaMethod = "ISO_C", g.KHbetaDirect = false, g.KHbetaCalcVariant = "c";
             g.KHbetaCase = "d", g.KHbetaCase2 = "b", g.s1 = 30, g.l1 = 250, g.dsh1 = 60, g.cbeta = 8, g.fsh = 4;
             g.HelixModification = kCentralCrowning, g.fshDirect = true, g.FullPinion = g.PinionShrinkFitted = false;
         }},
    };
    std::vector<bool> spectrum;  // the case opens the spectrum window as it loads
    for (const auto& [name, recipe] : recipes) {
        SetUp();
        recipe(G);
        // The results set are the recipe's inputs' own, as their calculation leaves them.
        StampSpectrumResults(G);
        StampServiceLives(G);
        SaveCase(Path(name), "t", "d");
        spectrum.push_back(G.LoadInputMethod == kMultilevelLoading);
    }
    std::vector<std::string> seen;
    // Opens the window, walks it, runs `inside` and closes it.
    const auto look = [&](
                          ui::Form* window, const std::function<void()>& open,
                          const std::function<void()>& inside = [] {}) {
        ui::test::QueueModal(window, [&seen, window, inside](ui::Form&) {
            seen.push_back(window->Caption());
            Walk(*window, seen);
            inside();
            window->Close();
        });
        open();
    };
    const auto click = [](ui::Control* c) { return [c] { Click(c); }; };
    // Loads case k and opens every input window, switching to the other load modes and KHbeta
    // ways; the case as loaded and as the windows leave it.
    const auto load = [&](size_t k) {
        seen.clear();
        ui::test::QueueFileName(Path(recipes[k].first + ".PEV"));
        spectrum[k] ? look(Spektrum_F, click(Form1->Button10)) : Click(Form1->Button10);
        const GlobalData loaded = G;
        Walk(*Form1, seen);
        look(Zatizeni_F, click(Form1->Button3), [&] {
            Click(Zatizeni_F->RadioButton5);
            Walk(*Zatizeni_F, seen);
            Click(Zatizeni_F->RadioButton4);
            look(Spektrum_F, click(Zatizeni_F->Button12));
        });
        for (auto [window, button] : {std::pair<ui::Form*, ui::Button*>{Geometrie_F, Form1->Button1},
                                      {Materialy_F, Form1->Button2},
                                      {Rozmery_F, Form1->Button4},
                                      {Presnost_F, Form1->Button5},
                                      {Souc_F, Form1->Button7}})
            look(window, click(button));
        const auto ways = [&] {
            Click(KHbeta_F->CheckBox2);
            Walk(*KHbeta_F, seen);
            if (KHbeta_F->CheckBox5->Enabled() && !KHbeta_F->CheckBox5->Checked())
                look(KHbeta_C, click(KHbeta_F->CheckBox5));
        };
        if (G.KHbetaMethod == "ISO_C" && G.GearingType == kExternalPair)  // its window opens with it
            look(KHbeta_C, [&] { look(KHbeta_F, click(Form1->Button6), ways); });
        else
            look(KHbeta_F, click(Form1->Button6), ways);
        look(Zivotnost_F, click(Form1->Button13));
        seen.push_back("windows not shown: " + std::to_string(ui::test::PendingModalScripts()));
        for (const std::string& m : Messages()) seen.push_back(m);
        ui::test::Notices().Clear();
        return std::pair{loaded, G};
    };
    for (size_t x = 0; x < recipes.size(); ++x) {
        SetUp();
        const auto first = load(x);
        const std::vector<std::string> shown = seen;
        if (x == 2) {  // the loading window shows the equivalent stress of the file
            EXPECT_NE(std::find(shown.begin(), shown.end(), "Label20 300.0"), shown.end());
        }
        for (size_t y = 0; y < recipes.size(); ++y) {
            if (y == x) continue;
            SCOPED_TRACE(recipes[x].first + " after " + recipes[y].first);
            load(y);
            auto [loaded, left] = load(x);
            CarryProgramState(loaded, first.first);
            CarryProgramState(left, first.second);
            EXPECT_TRUE(loaded == first.first);
            EXPECT_TRUE(left == first.second);
            const auto [a, b] = std::mismatch(seen.begin(), seen.end(), shown.begin(), shown.end());
            EXPECT_TRUE(a == seen.end() && b == shown.end())
                << (a == seen.end() ? "-" : *a) << " instead of " << (b == shown.end() ? "-" : *b);
        }
    }
}

TEST_F(SaveLoad, RefusedFileLeavesTheCaseAsItWasAndTheResultsWithdrawn) {
    Spit(Path("bad.PEV"), "This file is designated for data loading, IT MUST NOT BE CHANGED !!\r\nx1\r\n");
    Click(Form1->Button8);
    G.z1 = 23;
    const GlobalData before = G;
    Form1->Panel1->Show();
    ui::test::QueueFileName(Path("bad.PEV"));
    Click(Form1->Button10);
    ASSERT_EQ(ui::test::Notices().notices.size(), 1u);
    EXPECT_EQ(ui::test::Notices().notices[0].text,
              "This file can not be used for loading data.\r\rFile typically has a file extension PEV.\r\rProgram "
              "version 2.0");
    EXPECT_EQ(ui::test::Notices().notices[0].caption, "Loading data");
    EXPECT_TRUE(G == before);
    EXPECT_TRUE(Withdrawn());  // Panel1 too
    EXPECT_EQ(Form1->Caption(), kCaptionMethodB);
    EXPECT_TRUE(ui::test::ModalShows().empty());  // no spectrum window
    ASSERT_EQ(ui::test::FileDialogCalls().size(), 1u);
    EXPECT_EQ(ui::test::FileDialogCalls()[0].DefaultExt, ".pev");
}

// A file holding a value that its window's field would refuse is refused as a file that cannot be
// used: one box, the case as it was, no window opened, and the windows show no number they
// cannot hold.
TEST_F(SaveLoad, AFileWithAValueItsWindowRefusesIsRefused) {
    const struct {
        const char* name;
        std::function<void(GlobalData&)> edit;  // nullptr: the hand-written file of that fault
    } files[] = {
        {"b1 0", [](GlobalData& g) { g.b1 = 0; }},
        {"z1 -20", [](GlobalData& g) { g.z1 = -20; }},
        {"R1 -2", [](GlobalData& g) { g.R1 = -2; }},
        {"a spectrum whose faces do not overlap", nullptr},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        SetUp();
        std::string file = std::string(TEST_SOURCE_ROOT) + "/tests/karvelo/cases/zero-facewidth.PEV";
        if (f.edit) {
            f.edit(G);
            SaveCase(Path("bad"), "t", "d");
            file = Path("bad.PEV");
            SetUp();
        }
        G.z1 = 23;
        const GlobalData before = G;
        ui::test::QueueFileName(file);
        Click(Form1->Button10);
        ASSERT_EQ(ui::test::Notices().notices.size(), 1u);
        EXPECT_EQ(ui::test::Notices().notices[0].text, kLoadErrorText);
        EXPECT_EQ(ui::test::Notices().notices[0].caption, kLoadCaption);
        EXPECT_TRUE(G == before);
        EXPECT_TRUE(ui::test::ModalShows().empty());
        std::vector<std::string> seen;
        for (ui::Form* window : {static_cast<ui::Form*>(Presnost_F), static_cast<ui::Form*>(Rozmery_F)}) {
            ui::test::QueueModal(window, [&](ui::Form& w) { Walk(w, seen), w.Close(); });
            Click(window == Presnost_F ? Form1->Button5 : Form1->Button4);
        }
        Walk(*Form1, seen);
        for (const std::string& text : seen)
            EXPECT_TRUE(text.find("NAN") == std::string::npos && text.find("INF") == std::string::npos) << text;
        EXPECT_EQ(ui::test::Notices().notices.size(), 1u);
    }
}

// A pinion tip inside its base circle: Load data reports the tip thickness it cannot compute once.
TEST_F(SaveLoad, ATipInsideTheBaseCircleIsReportedOnceByLoad) {
    G.da1Given = true;
    G.da1 = 0.9 * G.db1;
    SaveCase(Path("tip"), "t", "d");
    ui::test::QueueFileName(Path("tip.PEV"));
    Click(Form1->Button10);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Invalid argument for arccosinus, impossible gearing parameters"});
}

TEST_F(SaveLoad, LoadBringsBackTheCaseAndItsMethodAndHypothesis) {
    Click(Form1->RadioButton4);  // method C
    Click(Form1->RadioButton5);  // Miner
    ui::test::QueueModal(KHbeta_C, [](ui::Form&) { Click(KHbeta_C->Button5); });  // its shaft data accepted
    CalculateAndSave(Path("c.PEV"));
    const double z1 = G.z1;
    Click(Form1->RadioButton3);
    Click(Form1->RadioButton6);
    G.z1 = 31;
    ui::test::QueueFileName(Path("c.PEV"));
    Click(Form1->Button10);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(G.z1, z1);
    EXPECT_TRUE(G.MethodC);
    EXPECT_EQ(Form1->Caption(), kCaptionMethodC);
    EXPECT_TRUE(Form1->RadioButton4->Checked());  // the repaint brings the buttons into line
    EXPECT_TRUE(Form1->RadioButton5->Checked());
    EXPECT_EQ(G.LoadedFromFile, 1);
    EXPECT_TRUE(PanelsShown(false));
    EXPECT_FALSE(Form1->Button9->Enabled());  // a loaded case is calculated again before saving
    EXPECT_EQ(Geometrie_F->EditField(6)->Text(), rt::Str(G.x1, 6, 4));
}

// Load data brings the gearing buttons into line with the loaded case, without the reset of a
// gearing choice; a click on the button already checked then changes nothing.
TEST_F(SaveLoad, LoadBringsTheGearingButtonsIntoLineWithTheCase) {
    for (double z2 : {95, -50}) {
        if (z2 < 0) Click(Form1->RadioButton2);
        G.z2 = z2;
        ComputeCentreDistanceFromShifts();
        SaveCase(Path(z2 < 0 ? "internal" : "external"), "t", "d");
    }
    for (auto [file, button, z2] : {std::tuple{"external.PEV", Form1->RadioButton1, 95.0},
                                    std::tuple{"internal.PEV", Form1->RadioButton2, -50.0}}) {
        ASSERT_FALSE(button->Checked());
        ui::test::QueueFileName(Path(file));
        Click(Form1->Button10);
        EXPECT_TRUE(button->Checked());
        Click(button);
        EXPECT_EQ(G.z2, z2);
        const bool external = z2 > 0;
        ui::test::QueueModal(KHbeta_F, [external](ui::Form& k) {  // method C for the external pair only
            EXPECT_EQ(KHbeta_F->CheckBox5->Enabled(), external);
            k.Hide();
        });
        KHbeta_F->ShowModal();
    }
    EXPECT_TRUE(Messages().empty()) << Messages()[0];
}

TEST_F(SaveLoad, SpectrumCaseOpensTheSpectrumWindowAlsoWhenTheDialogIsCancelled) {
    G.LoadInputMethod = kMultilevelLoading;
    G.CalcMethodics = kMethodicsMiner;
    G.HypothesisHaibach = false;
    G.LoadAsForce = false;
    CalculateAndSave(Path("spectrum"));
    G = GlobalData{};
    Form1->FormCreate();
    G.KHbetaMethod = "bcal";
    ui::test::QueueFileName(Path("spectrum.PEV"));
    ui::test::QueueModal(Spektrum_F, [](ui::Form& f) {
        EXPECT_EQ(f.Caption(), "Exact calculation of the equivalent load and the stress by Mainer");
        EXPECT_TRUE(Spektrum_F->HeaderLabel(32)->Visible());
        EXPECT_FALSE(Spektrum_F->HeaderLabel(30)->Visible());
        EXPECT_TRUE(Spektrum_F->LevelField(TSpektrum_F::kLoad, G.LevelCount)->Visible());
        Click(Spektrum_F->Button2);
    });
    Click(Form1->Button10);
    EXPECT_EQ(G.LoadInputMethod, kMultilevelLoading);
    EXPECT_EQ(G.CalcMethodics, kMethodicsMiner);

    ui::test::QueueFileCancel();
    ui::test::QueueModalResult(Spektrum_F, ui::mrOk);
    G.LoadedFromFile = 0;
    Click(Form1->Button10);
    EXPECT_EQ(G.LoadedFromFile, 1);
    EXPECT_EQ(ui::test::ModalShows().size(), 2u);
}

TEST_F(SaveLoad, ContactPatternKHbetaChecksItsBoxAfterLoad) {
    G.KHbetaMethod = "bcal";
    G.bcal = 45;
    CalculateAndSave(Path("bcal"));
    // Loaded with the window in direct input, and again with its contact pattern box checked.
    for (bool checked : {false, true}) {
        SCOPED_TRACE(checked);
        KHbeta_F->CheckBox2->SetChecked(checked);
        G.KHbeta = 1.5;
        ui::test::QueueFileName(Path("bcal.PEV"));
        Click(Form1->Button10);
        EXPECT_EQ(G.KHbetaMethod, "bcal");
        EXPECT_EQ(G.bcal, 45);
        EXPECT_TRUE(KHbeta_F->CheckBox2->Checked());
        EXPECT_TRUE(G.KHbetaDirect);
        EXPECT_DOUBLE_EQ(G.KHbeta, 2 * G.b / 45);
        EXPECT_EQ(KHbeta_F->Edit2->Text(), rt::Str(G.KHbeta, 5, 3));
    }
    ui::test::QueueModal(KHbeta_F, [](ui::Form&) {
        EXPECT_EQ(KHbeta_F->Edit1->Text(), "45.000");
        Click(KHbeta_F->Button1);
    });
    Click(Form1->Button6);
    EXPECT_EQ(G.bcal, 45);
    EXPECT_EQ(G.KHbetaMethod, "bcal");
}

}  // namespace
}  // namespace karvelo::test
