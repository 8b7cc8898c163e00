// What a calculated case gives the user through the main window: the listings that "Calculation"
// then "Save data" write (golden files), and result panels that show only values the
// calculation's final check has found to be numbers.
#include <fstream>
#include <iterator>
#include <limits>
#include <set>

#include "KarveloFixture.h"
#include "karvelo/calc/CalculationRoad.h"
#include "karvelo/calc/GoldenListing.h"
#include "karvelo/calc/Vypocet.h"

namespace karvelo::test {
namespace {

using ui::test::Click;

class CalculationOutput : public KarveloTest {
protected:
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
        std::vector<std::string> lines =
            ListingLines({std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
        for (std::string& line : lines) {
            if (line.starts_with("Time   - ")) line = "Time   - 14:05:09";
            if (line.starts_with("Date - ")) line = "Date - 03.04.2024";
            if (line.starts_with("File name - "))
                line = std::string("File name - /home/designer/cases/gear") + extension;
        }
        return lines;
    }
    ScratchDir dir;
};

TEST_F(CalculationOutput, OneLoadCaseListings) {
    CalculateAndSave();
    ExpectGolden(Listing(".VST"), "one-load.VST.txt");
    ExpectGolden(Listing(".VYS"), "one-load.VYS.txt");
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
    ExpectGolden(Listing(".VST"), "calculated-spectrum.VST.txt");
    ExpectGolden(Listing(".VYS"), "calculated-spectrum.VYS.txt");
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
                if (Result(name)->Caption() == "***") reached.insert(name);  // what is not a number
        }
        G = calculated;
        EXPECT_EQ(reached, labels);
    }
}

}  // namespace
}  // namespace karvelo::test
