// The data file (.PEV): layout, round trips, what the reader derives, refuses and tolerates.
#include <cmath>
#include <numbers>

#include "FilesFixture.h"
#include "runtime/NumText.h"

using namespace karvelo;

namespace {

using DataFileTest = test::FilesTest;

std::string R(double x) { return rt::StrReal(x); }

TEST_F(DataFileTest, DefaultCaseLayout) {
    Defaults(kExternalPair);
    Derive();
    const GlobalData& g = G;
    // Line by line from the file's section tables (one load, Haibach, KHbeta given, no life data).
    std::vector<std::string> expected = {
        "This file is designated for data loading, IT MUST NOT BE CHANGED !!",
        // 1 gearing, 1 method, aGiven da1Given da2Given, 4 methodics, then positions 7..76
        "110004"
        "0110001000"
        "0100011111"
        "1100100010"
        "0000000000"
        "0000000000"
        "0000000000"
        "0000000001",
        R(20), R(40), R(4), " 3.49065850398866E-0001", R(0), R(0), R(0), R(g.a), R(g.da1), R(g.da2), R(1), R(1),
        R(0.25), R(0.25), R(0.38), R(0.38), R(430), R(430), R(1500), R(1500), R(730), R(730), R(350), R(350), R(1200),
        R(1200), R(850), R(850), R(4.8), R(4.8), R(20), R(20), R(206000), R(206000), R(0.3), R(0.3), R(7830), R(7830),
        R(5e7), R(5e7), R(3e6), R(3e6), " 1.32224690000000E+0001", R(13.222469), R(8.73724908), R(8.73724908), "00",
        R(32.60122926), R(32.60122926), R(49.91250338), R(49.91250338), "Eh", "Eh", "14 220", "14 220", "wrought",
        "wrought", "HV", "HV", "ML", "ML", R(2500), R(1000), R(6e7), R(3e7), R(0), R(0), R(1), R(60), R(60), R(60),
        R(60), R(35), R(55), R(0), R(0), R(0), R(40), R(0), "8 8", R(19), R(19), R(20), R(21), R(20), R(20), "primo",
        R(0), R(0), R(0), R(0), R(170),
        R(1),  // KHbeta, given directly
    };
    EXPECT_EQ(ComposeDataFile(), expected);
    EXPECT_EQ(ComposeDataFile()[1].size(), 76u);
}

TEST_F(DataFileTest, SpectrumSectionsInOrder) {
    Defaults(kExternalPair);
    G.LoadInputMethod = kMultilevelLoading;
    G.CalcMethodics = kMethodicsMiner;
    G.HypothesisHaibach = false;
    G.LoadAsForce = true;
    G.SpectrumRatioToMin = true;
    G.SpectrumAbsolute = false;
    G.LevelCount = 2;
    G.LifeValid = true;
    G.LifeFromSafety = true;
    G.SpectrumLevelsShown = true;
    G.Ftmin = 77;
    G.SigmaF1Level[2] = 301;
    G.SigmaH2Level[2] = 304;
    G.SigmaF1ekv = 201;
    G.n1Level[1] = 900;
    G.LF1 = 11;
    G.KHalfaLevel[2] = 1.25;
    std::vector<std::string> lines = ComposeDataFile();
    auto at = std::find(lines.begin(), lines.end(), "HV") + 4;  // QualityGrade2 is two lines after the units
    std::vector<std::string> tail(at, lines.end());
    // clang-format off
    std::vector<std::string> expected = {
        R(1000), R(0), R(0), R(1), " 2",                      // n1 R1 R2 KA, count
        R(7000) + " " + R(3000) + " " + R(900),               // level rows: y x n1
        R(6000) + " " + R(20000) + " " + R(0),
        R(G.FtFe1), R(G.FtHe1), R(G.FtFe2), R(G.FtHe2),       // equivalent forces
        R(201), R(0), R(0), R(0),                             // equivalent stresses
        R(301), R(0), R(0), R(304),                           // stresses of the last level
        R(77),                                                // Ftmin
        "1", "0", R(1), R(1), R(1), R(1), R(11), R(0), R(0), R(0),  // life flags, safety, lives
        R(1) + " " + R(1) + " " + R(1) + " " + R(1),          // section I rows
        R(1) + " " + R(1.25) + " " + R(1) + " " + R(1),
        R(1) + " " + R(1) + " " + R(1) + " " + R(1) + " " + R(1),  // Ekv row
    };
    // clang-format on
    ASSERT_GE(tail.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(tail.begin(), tail.begin() + expected.size()), expected);
    // Section N closes the file: one row of five per level.
    EXPECT_EQ(lines.back(), R(1) + " " + R(1.25) + " " + R(1) + " " + R(1) + " " + R(1));
    EXPECT_EQ(lines[lines.size() - 2], R(1) + " " + R(1) + " " + R(1) + " " + R(1) + " " + R(1));
    EXPECT_EQ(lines[lines.size() - 3], R(1));  // KHbeta, given directly
}

TEST_F(DataFileTest, OneValueFormats) {
    Defaults(kExternalPair);
    G.KHbetaMethod = "bcal";
    G.KHbetaDirect = true;
    // Hand-derived: Str(bcal:4:1).
    for (auto [bcal, text] : {std::pair{0.0, " 0.0"}, {7.0, " 7.0"}, {45.26, "45.3"}, {1250.0, "1250.0"}}) {
        G.bcal = bcal;
        auto lines = ComposeDataFile();
        auto it = std::find(lines.begin(), lines.end(), "bcal");
        ASSERT_NE(it, lines.end());
        EXPECT_EQ(*(it + 1), text);
    }
    G.PittingAllowed1 = true;
    auto lines = ComposeDataFile();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "10"), lines.end());
    EXPECT_EQ(lines[1][30], '1');  // KHbeta stored
}

// ---- Round trips

struct Case {
    const char* name;
    int gearing, method, methodics, levels;
    bool force, cycles, life, fromSafety, methodC;
    const char* khbeta;
    const char* variant;
    bool xmode, ratioToMin, viscosity, measured;
};

void Apply(const Case& c) {
    G.GearingType = static_cast<std::int16_t>(c.gearing);
    SetDefaultInputs();
    G.LoadInputMethod = static_cast<std::int16_t>(c.method);
    G.CalcMethodics = static_cast<std::int16_t>(c.methodics);
    G.HypothesisHaibach = c.methodics != kMethodicsMiner;
    G.LevelCount = static_cast<std::int16_t>(c.levels);
    G.LoadAsForce = c.force;
    G.SpectrumInCycles = c.cycles;
    G.LifeValid = c.life;
    G.LifeFromSafety = c.fromSafety;
    G.LifeInHours = !c.fromSafety;
    G.MethodC = c.methodC;
    G.KHbetaMethod = c.khbeta;
    G.KHbetaDirect = std::string(c.khbeta) == "primo";
    G.KHbetaCalcVariant = c.variant;
    G.HelixModification = kEndRelief;
    G.SpectrumXMode = c.xmode;
    G.SpectrumAbsolute = !c.ratioToMin;
    G.SpectrumRatioToMin = c.ratioToMin;
    G.ViscosityGiven = c.viscosity;
    G.fpr2Measured = G.fHbeta1Measured = c.measured;
    G.SpectrumLevelsShown = c.method == kMultilevelLoading;
    G.cDirect = G.JDirect = G.YF2Direct = G.ZLrefDirect = G.YM2statDirect = true;
    G.ViscosityGiven = c.viscosity;
    G.OilViscosity = 98;  // a pair the reader derives one of the other from (to whole mm^2/s)
    G.OilTemperature = 169;
    // Values with all 15 digits in use, distinct per level.
    for (int i = 1; i <= kMaxLevels; ++i) {
        G.SpectrumY[i] = 7000.0 / i + 1.0 / 3;
        G.SpectrumX[i] = 1000.0 * i + 2.0 / 7;
        G.n1Level[i] = 1000 + i / 7.0;
        G.KHbetaLevel[i] = 1 + i / 97.0;
        G.KFbetaLevel[i] = 1 + i / 89.0;
        G.KHalfaLevel[i] = 1 + i / 83.0;
        G.KFalfaLevel[i] = 1 + i / 79.0;
        G.KvLevel[i] = 1 + i / 73.0;
        G.SpectrumCol1[i] = G.KHbetaLevel[i] * G.KHalfaLevel[i] * G.KvLevel[i];
        G.SpectrumCol3[i] = G.KFbetaLevel[i] * G.KFalfaLevel[i] * G.KvLevel[i];
        G.SigmaF1Level[i] = 300 + i / 3.0;
        G.SigmaH2Level[i] = 1200 + i / 9.0;
    }
    G.x1 = 0.123456789012345;
    G.beta = 0.2617993877991494;
    G.Tjm = 2345.678901234567;
    G.FtFe1 = 1.0e5 / 3;
    G.TFe2 = 2.0e3 / 7;
    G.SigmaF1ekv = 345.6789012345678;
    G.SF1life = 1.4142135623730951;
    G.LF2 = 1.23456789012345e9;
    G.KvEkv = 1.0712;
    G.Ftmin = 1234.5;
    G.Tmin = 56.25;
    G.cprime = 14.123456789;
    G.J2 = 0.000123456789;
    G.fpr2act = 7.5;
    G.fHbeta1act = 12.25;
    G.bcal = 41.26;
    G.s1 = 50.5;
    G.fma = 13.125;
    G.YF2 = 2.3456789;
    G.ZLref = 0.987654321;
    G.YM2stat = 0.75;
    // Inputs beyond the fixed sections, in the cases without service-life results.
    if (!c.life) {
        G.Protub2 = 0.07;
        G.NLstatF1 = 754321.5;
    }
    // What the reader derives must already hold, for the values to compare.
    G.NL1h = G.NL2h = 1500.5;
    if (c.method != kMultilevelLoading) G.LevelCount = 1;
}

class DataFileRoundTrip : public test::FilesTest, public ::testing::WithParamInterface<Case> {};

TEST_P(DataFileRoundTrip, WriteReadWriteIsByteIdentical) {
    Apply(GetParam());
    const std::string first = DataFileBytes();
    const GlobalData saved = G;
    Spit(Path("case.PEV"), first);
    G = GlobalData{};
    SetDefaultInputs();
    G.LevelCount = 5;  // a case in memory with other levels
    ReadInto(Path("case.PEV"), G);
    EXPECT_EQ(DataFileBytes(), first);

    // Reloaded values equal the saved ones to 15 digits.
    auto near = [](double a, double b) { return std::fabs(a - b) <= 1e-14 * std::fabs(b); };
    const int n = saved.LevelCount;
    EXPECT_EQ(G.LevelCount, n);
    for (auto m : {&GlobalData::x1, &GlobalData::beta, &GlobalData::a, &GlobalData::qF2, &GlobalData::b2,
                   &GlobalData::db, &GlobalData::cprime, &GlobalData::J2, &GlobalData::fp1, &GlobalData::tg2,
                   &GlobalData::YF2, &GlobalData::ZLref, &GlobalData::YM2stat, &GlobalData::n1, &GlobalData::R2,
                   &GlobalData::Protub2, &GlobalData::NLstatF1})
        EXPECT_PRED2(near, G.*m, saved.*m);
    // Stored one of each pair, by its flag.
    EXPECT_PRED2(near, G.fpr2act, saved.fpr2Measured ? 0.0 : saved.fpr2act);
    if (!saved.SpectrumInCycles && saved.LoadInputMethod != kMultilevelLoading) {
        EXPECT_PRED2(near, G.NL1h, saved.NL1h);
    }
    if (saved.LoadInputMethod == kMultilevelLoading)
        for (int i = 1; i <= n; ++i) {
            EXPECT_PRED2(near, G.SpectrumY[i], saved.SpectrumY[i]);
            EXPECT_PRED2(near, G.n1Level[i], saved.n1Level[i]);
            EXPECT_PRED2(near, G.KFbetaLevel[i], saved.KFbetaLevel[i]);
            EXPECT_EQ(G.SpectrumCol3[i], G.KFbetaLevel[i] * G.KFalfaLevel[i] * G.KvLevel[i]);
        }
    if (saved.LifeValid || saved.LifeFromSafety) {  // results, or required
        EXPECT_PRED2(near, G.SF1life, saved.SF1life);
    }
    if (saved.LifeValid) {
        EXPECT_PRED2(near, G.KvEkv, saved.KvEkv);
        EXPECT_PRED2(near, G.SigmaF1Level[n], saved.SigmaF1Level[n]);
        EXPECT_EQ(G.LifeFromSafety, saved.LifeFromSafety);
    }
    EXPECT_EQ(G.OilViscosity, saved.OilViscosity);
    EXPECT_EQ(G.OilTemperature, saved.OilTemperature);
    EXPECT_EQ(G.KHbetaMethod, saved.KHbetaMethod);
    EXPECT_EQ(G.MatDesignation2, saved.MatDesignation2);
}

// name, gearing, method, methodics, levels, force, cycles, life, fromSafety, methodC, KHbeta, variant,
// xmode, ratio j/min, viscosity at 50, deviations from the grade
INSTANTIATE_TEST_SUITE_P(
    Cases, DataFileRoundTrip,
    ::testing::Values(
        Case{"OneLoad", 1, 1, 4, 1, false, true, false, true, false, "primo", "a", true, false, false, true},
        Case{"OneLoadLifeHours", 1, 1, 4, 5, true, false, true, false, true, "bcal", "a", true, false, true, false},
        Case{"Spectrum1Miner", 1, 2, 3, 1, true, true, true, true, false, "ISO_C", "c", false, true, false, true},
        Case{"Spectrum5Haibach", 2, 2, 4, 5, false, true, true, false, true, "ISO_C", "a", true, false, true, false},
        Case{"Spectrum20Approx", 1, 2, 1, 20, true, false, false, true, false, "primo", "b", false, false, false, true},
        Case{"Spectrum20EqA2", 2, 2, 2, 20, false, true, true, true, true, "primo", "c", true, true, true, false},
        Case{"Equivalent", 1, 3, 3, 1, true, true, true, true, false, "ISO_C", "c", true, false, false, true},
        Case{"EquivalentInternal", 2, 3, 4, 1, false, false, true, false, true, "primo", "a", false, false, true,
             false}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- What the reader derives

TEST_F(DataFileTest, RequiredLivesFromTheSpectrum) {
    Defaults(kInternalPair);
    G.LoadInputMethod = kMultilevelLoading;
    G.LevelCount = 3;
    G.SpectrumXMode = false;  // class values
    G.SpectrumX[1] = 1000;
    G.SpectrumX[2] = 2000;
    G.SpectrumX[3] = 3000;
    G.z1 = 20;
    G.z2 = -40;
    for (bool cycles : {true, false}) {
        G.SpectrumInCycles = cycles;
        GlobalData g = ReadBytes(DataFileBytes());
        if (cycles) {
            EXPECT_EQ(g.NL1, 6000);
            EXPECT_EQ(g.NL2, 3000);
        } else {
            EXPECT_EQ(g.NL1, 6000);
            EXPECT_EQ(g.NL2, 6000);
            EXPECT_EQ(g.NL1h, 6000);
            EXPECT_EQ(g.NL2h, 6000);
        }
    }
    G.SpectrumXMode = true;  // cumulative: the last value
    G.SpectrumInCycles = true;
    EXPECT_EQ(ReadBytes(DataFileBytes()).NL1, 3000);
}

TEST_F(DataFileTest, OtherViscosityToWholeValues) {
    Defaults(kExternalPair);
    G.ViscosityGiven = true;
    G.OilViscosity = 98.53;
    EXPECT_EQ(ReadBytes(DataFileBytes()).OilTemperature, 170);
    G.ViscosityGiven = false;
    G.OilTemperature = 220;  // (220 + 9.3480569) / 1.82411 = 125.73
    EXPECT_EQ(ReadBytes(DataFileBytes()).OilViscosity, 126);
}

TEST_F(DataFileTest, OneLevelCaseHasOneLevel) {
    Defaults(kExternalPair);
    G.LevelCount = 1;
    const std::string bytes = DataFileBytes();
    G.LevelCount = 7;
    EXPECT_EQ(ReadBytes(bytes).LevelCount, 1);
    // A method-3 case saved with service life after a 5-level case in memory reads back whole.
    G.LoadInputMethod = kDirectEquivalentLoad;
    G.LifeValid = true;
    G.LevelCount = 1;
    G.KvEkv = 1.25;
    G.b2 = 61;
    const std::string method3 = DataFileBytes();
    G.LevelCount = 5;
    GlobalData g = ReadBytes(method3);
    EXPECT_EQ(g.LevelCount, 1);
    EXPECT_EQ(g.KvEkv, 1.25);
    EXPECT_EQ(g.b2, 61);
}

TEST_F(DataFileTest, KHbetaGivenOnlyForTheWordPrimo) {
    Defaults(kExternalPair);
    G.KHbeta = 1.35;
    std::vector<std::string> lines = ComposeDataFile();
    auto method = std::find(lines.begin(), lines.end(), "primo");
    ASSERT_NE(method, lines.end());
    for (const char* word : {"Primo", "primo "}) {
        // Another spelling keeps the KHbeta line (position 31 says it is there) but not the flag.
        *method = word;
        GlobalData g = ReadBytes(Join(lines));
        EXPECT_FALSE(g.KHbetaDirect) << word;
        EXPECT_EQ(g.KHbeta, 1.35) << word;
        EXPECT_EQ(g.KHbetaMethod, word);
    }
    // "primo" with position 31 clear (KHbeta left to the calculation): no KHbeta line, flag set.
    *method = "primo";
    lines[1][30] = '0';
    lines.pop_back();  // the KHbeta line
    GlobalData g = ReadBytes(Join(lines));
    EXPECT_TRUE(g.KHbetaDirect);
    EXPECT_EQ(g.OilTemperature, 170);
}

TEST_F(DataFileTest, KHbetaFromTheContactPatternKeepsLaterValues) {
    Defaults(kExternalPair);
    G.KHbetaMethod = "bcal";
    G.KHbetaDirect = true;  // as the KHbeta window leaves it
    G.bcal = 40;
    G.KHbeta = 1.4;
    G.ZepsilonDirect = true;
    G.Zepsilon = 0.95;
    const std::string first = DataFileBytes();
    GlobalData g = ReadBytes(first);
    EXPECT_EQ(g.KHbeta, 1.4);
    EXPECT_EQ(g.Zepsilon, 0.95);
    EXPECT_FALSE(g.KHbetaDirect);  // only "primo" marks KHbeta as given
    // The refresh after loading checks the contact-pattern box, which marks KHbeta as given
    // again; the next save then writes the same file.
    G = g;
    G.KHbetaDirect = true;
    EXPECT_EQ(DataFileBytes(), first);
}

TEST_F(DataFileTest, KHbetaStoredWhenTheMethodIsPrimo) {
    Defaults(kExternalPair);
    G.KHbetaDirect = false;  // KHbeta field emptied: 1.0, computed
    const std::string first = DataFileBytes();
    EXPECT_EQ(ComposeDataFile()[1][30], '1');
    G.KHbeta = 1.7;  // the case in memory before loading
    GlobalData g = ReadBytes(first);
    EXPECT_EQ(g.KHbeta, 1.0);
    EXPECT_TRUE(g.KHbetaDirect);
    G = g;
    EXPECT_EQ(DataFileBytes(), first);
}

TEST_F(DataFileTest, QualityGradeAbsentForMaterialCodeZero) {
    Defaults(kExternalPair);
    for (auto [code, stored] : {std::pair{"0", false}, {"00", true}, {"", true}}) {
        G.MaterialCode1 = code;
        G.QualityGrade1 = "MQ";
        std::vector<std::string> lines = ComposeDataFile();
        EXPECT_EQ(std::count(lines.begin(), lines.end(), "MQ"), stored ? 1 : 0) << code;
        G.QualityGrade1 = "other";
        GlobalData g = ReadBytes(Join(lines));
        EXPECT_EQ(g.QualityGrade1, stored ? "MQ" : "other") << code;
        EXPECT_EQ(g.QualityGrade2, "ML");
    }
}

// ---- Tolerances kept for older files

TEST_F(DataFileTest, ToleratesWhatOlderFilesMayHold) {
    Defaults(kExternalPair);
    const std::vector<std::string> lines = ComposeDataFile();
    const GlobalData expected = ReadBytes(Join(lines));

    std::vector<std::string> other = lines;
    other[0] = "anything at all";
    for (std::string& l : other)
        if (l.size() == 23 && l[0] == ' ') l += "   ";  // trailing blanks after numbers
    other.push_back("");
    EXPECT_EQ(ReadBytes(Join(other)), expected);

    // Whatever follows the last line of the case, as plain or as with its last section (also as
    // saved before that section had its mark), is not read.
    G.Protub1 = 0.5;
    std::vector<std::string> marked = ComposeDataFile();
    ASSERT_EQ(marked.size(), lines.size() + 17);
    const GlobalData withSection = ReadBytes(Join(marked));
    EXPECT_EQ(withSection.Protub1, 0.5);
    std::vector<std::string> unmarked = marked;
    unmarked.erase(unmarked.begin() + std::ptrdiff_t(lines.size()));
    for (const char* after : {"", "extra line\r\n", "Remark: second gearbox\r\n", " \r\n", "0\r\n", "\x1a",
                              "Remark\r\n\r\n0\r\n 1.00000000000000E+0000\r\n", " 3.00000000000000E-0001\r\n"}) {
        SCOPED_TRACE(after);
        EXPECT_EQ(ReadBytes(Join(lines) + after), expected);
        EXPECT_EQ(ReadBytes(Join(marked) + after), withSection);
        EXPECT_EQ(ReadBytes(Join(unmarked) + after), withSection);
    }

    std::string lf;  // bare LF line ends
    for (const std::string& l : lines) lf += l + "\n";
    EXPECT_EQ(ReadBytes(lf), expected);

    // A flag position with any other character than '1' is False.
    other = lines;
    other[1][21] = 'x';  // mredISO
    EXPECT_FALSE(ReadBytes(Join(other)).mredISO);
}

TEST_F(DataFileTest, ShortFlagLineClearsTheMissingFlags) {
    Defaults(kExternalPair);
    // A case whose every flag is clear.
    G.HypothesisHaibach = G.KHbetaDirect = G.mredISO = G.SpectrumLevelsShown = false;
    G.FullPinion = G.SpectrumInCycles = G.SpectrumXMode = G.SpectrumAbsolute = false;
    G.fpr1Measured = G.fpr2Measured = G.ffalfa1Measured = G.ffalfa2Measured = false;
    G.fHbeta1Measured = G.fHbeta2Measured = false;
    G.KHbetaMethod = "ISO_C";
    std::vector<std::string> lines = ComposeDataFile();
    ASSERT_EQ(lines[1], "110004" + std::string(70, '0'));
    G.mredISO = G.FullPinion = true;  // before loading
    lines[1] = "110004";
    GlobalData g = ReadBytes(Join(lines));
    EXPECT_FALSE(g.mredISO);
    EXPECT_FALSE(g.FullPinion);
    EXPECT_FALSE(g.SpectrumLevelsShown);
}

}  // namespace
