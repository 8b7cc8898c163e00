// What a calculated case gives the user through the main window: the listings that "Calculation"
// then "Save data" write (golden files), and result panels that show only values the
// calculation's final check has found to be numbers.
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <set>
#include <sstream>

#include "KarveloFixture.h"
#include "karvelo/calc/CalculationRoad.h"
#include "karvelo/calc/Vypocet.h"
#include "runtime/Cp1250.h"

namespace karvelo::test {
namespace {

namespace fs = std::filesystem;
using ui::test::Click;

const fs::path kGolden = SourcePath("tests/karvelo/calc/golden");

class CalculationOutput : public KarveloTest {
protected:
    void SetUp() override {
        KarveloTest::SetUp();
        dir = fs::temp_directory_path() / ("karvelo_output_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        fs::remove_all(dir);
        KarveloTest::TearDown();
    }

    // "Calculation", then "Save data" under the name gear.
    void CalculateAndSave() {
        Click(Form1->Button8);
        ASSERT_TRUE(Form1->Button9->Enabled()) << ::testing::PrintToString(Messages());
        ui::test::QueueFileName((dir / "gear").string());
        Click(Form1->Button9);
        ASSERT_TRUE(Messages().empty()) << ::testing::PrintToString(Messages());
    }
    // A saved listing as UTF-8 lines, its header stamped as the golden files are.
    std::vector<std::string> Listing(const char* extension) const {
        std::ifstream in(dir / (std::string("gear") + extension), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        std::vector<std::string> lines;
        for (size_t start = 0; start < bytes.size();) {
            size_t end = bytes.find("\r\n", start);
            if (end == std::string::npos) end = bytes.size();
            std::string line = rt::Cp1250ToUtf8(bytes.substr(start, end - start));
            if (line.starts_with("Time   - ")) line = "Time   - 14:05:09";
            if (line.starts_with("Date - ")) line = "Date - 03.04.2024";
            if (line.starts_with("File name - ")) line = std::string("File name - /home/designer/cases/gear") + extension;
            lines.push_back(line);
            start = end + 2;
        }
        return lines;
    }
    // With KARVELO_WRITE_GOLDEN set the golden file is written from the listing (to review by hand).
    void ExpectGolden(const char* extension, const std::string& name) const {
        const std::vector<std::string> actual = Listing(extension);
        if (std::getenv("KARVELO_WRITE_GOLDEN")) {
            std::ofstream out(kGolden / name);
            for (const std::string& line : actual) out << line << '\n';
        }
        std::ifstream in(kGolden / name);
        ASSERT_TRUE(in) << name;
        std::vector<std::string> expected;
        for (std::string line; std::getline(in, line);) expected.push_back(line);
        for (size_t i = 0; i < std::max(actual.size(), expected.size()); ++i)
            EXPECT_EQ(i < actual.size() ? actual[i] : "<missing>", i < expected.size() ? expected[i] : "<extra>")
                << name << " line " << i + 1;
    }
    fs::path dir;
};

TEST_F(CalculationOutput, OneLoadCaseListings) {
    CalculateAndSave();
    ExpectGolden(".VST", "one-load.VST.txt");
    ExpectGolden(".VYS", "one-load.VYS.txt");
}

// The spectrum with the service life found in the service-life window for the required safety
// factors, then calculated and saved in the main window.
TEST_F(CalculationOutput, SpectrumCaseWithServiceLifeListings) {
    HaibachSpectrumWithComputedFactors();
    G.LifeFromSafety = true;
    G.SF1life = G.SF2life = 1.4;
    G.SH1life = G.SH2life = 1.0;
    G.LifeFormActive = true;
    PrepareSpectrumLevels();
    EvaluateSpectrum();
    G.LifeFormActive = false;
    ASSERT_TRUE(G.LifeValid);
    CalculateAndSave();
    ExpectGolden(".VST", "calculated-spectrum.VST.txt");
    ExpectGolden(".VYS", "calculated-spectrum.VYS.txt");
}

// The value labels of both panels: those that show a number (or "----").
std::set<std::string> ValueLabels() {
    std::set<std::string> names;
    for (ui::ScrollBox* box : {Form1->ScrollBox1, Form1->ScrollBox2})
        for (ui::Control* c : box->Controls()) {
            auto* label = dynamic_cast<ui::Label*>(c);
            if (!label) continue;
            double v = 0;
            int code = 0;
            rt::Val(label->Caption(), v, code);
            if (code == 0 || label->Caption() == "----") names.insert(label->Name());
        }
    return names;
}

// Each variable the final check covers, made not a number in turn, reaches the value labels it
// feeds: together they reach every value label, so no label can show what the check let pass.
TEST_F(CalculationOutput, EveryShownValueIsOneTheFinalCheckCovers) {
    for (bool spectrum : {false, true}) {
        SCOPED_TRACE(spectrum ? "spectrum" : "one load");
        if (spectrum) HaibachSpectrumWithComputedFactors();
        Click(Form1->Button8);
        ASSERT_TRUE(G.ResumeCalculation);
        const std::set<std::string> labels = ValueLabels();
        ASSERT_GT(labels.size(), 60u);
        const GlobalData calculated = G;
        std::set<std::string> reached;
        for (const NamedResult& r : ShownResults()) {
            if (!r.field) continue;
            G = calculated;
            *const_cast<double*>(r.field) = std::numeric_limits<double>::quiet_NaN();
            Form1->ShowResults();
            for (const std::string& name : labels)
                if (Result(name)->Caption().find("NAN") != std::string::npos) reached.insert(name);
        }
        G = calculated;
        EXPECT_EQ(reached, labels);
    }
}

}  // namespace
}  // namespace karvelo::test
