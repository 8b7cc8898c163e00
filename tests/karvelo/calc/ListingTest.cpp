// The input listing (.VST) and the results listing (.VYS): golden files for whole cases, and the
// lines that depend on single inputs.
#include <cmath>
#include <limits>

#include "CalculationRoad.h"
#include "FilesFixture.h"
#include "GoldenListing.h"
#include "karvelo/calc/MaterialClasses.h"
#include "karvelo/calc/Pripustna_napeti_dotyk.h"
#include "karvelo/calc/Vypocet.h"
#include "karvelo/calc/Vypocet1i.h"

using namespace karvelo;

namespace {

class ListingTest : public test::FilesTest {
protected:
    // A saved case reads back to the same data file.
    void ExpectDataFileRoundTrip() {
        const std::string first = DataFileBytes();
        G = ReadBytes(first);
        EXPECT_EQ(DataFileBytes(), first);
    }
    // The listing written by `write` as UTF-8 lines, each checked to end with CR LF.
    std::vector<std::string> Listing(void (*write)(rt::TextFile&, const ListingStamp&), const std::string& name) {
        rt::TextFile out;
        out.Assign(Path("listing"));
        out.Rewrite();
        write(out, {"14:05:09", "03.04.2024", name});
        out.Close();
        return test::ListingLines(Slurp(Path("listing")));
    }
    std::vector<std::string> Vst() { return Listing(&WriteInputListing, "/home/designer/cases/gear.VST"); }
    static void SpectrumCase();
    std::vector<std::string> Vys() { return Listing(&WriteResultsListing, "/home/designer/cases/gear.VYS"); }

    static bool Has(const std::vector<std::string>& lines, const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    static size_t IndexOf(const std::vector<std::string>& lines, const std::string& line) {
        return static_cast<size_t>(std::find(lines.begin(), lines.end(), line) - lines.begin());
    }
};

// Results of a calculated one-load case (the default pair), as the calculation leaves them.
void OneLoadResults() {
    GlobalData& g = G;
    g.SigmaF1 = 245.31;
    g.SigmaF2 = 231.87;
    g.SigmaFP1 = 521.4;
    g.SigmaFP2 = 530.05;
    g.SF1 = 2.1255;
    g.SF2 = 2.28601;
    g.Sigmafpb1ref = 521.4;
    g.Sigmafpb2ref = 530.05;
    g.Sigmafpb1stat = 1548.2;
    g.Sigmafpb2stat = 1570.61;
    g.SigmaF1max = 245.31;
    g.SigmaF2max = 231.87;
    g.KF = 1.3121;
    g.Kv = 1.0712;
    g.KFalfa = 1.1;
    g.KFbeta = 1.1136;
    g.YDT = 1;
    g.Ybeta = 1;
    g.YF1 = 2.6341;
    g.YF2 = 2.3012;
    g.YS1 = 1.5833;
    g.YS2 = 1.7377;
    g.YSg1 = g.YSg2 = 1;
    g.YB1 = g.YB2 = 1;
    g.YN1 = g.YN2 = 1;
    g.YM1ref = g.YM2ref = 1;
    g.YM1stat = g.YM2stat = 1;
    g.SigmaH1 = 1420.44;
    g.SigmaH2 = 1420.44;
    g.SigmaHP1 = 1463.19;
    g.SigmaHP2 = 1478.2;
    g.SH1 = 1.0301;
    g.SH2 = 1.04066;
    g.SigmaHP1ref = 1463.19;
    g.SigmaHP2ref = 1478.2;
    g.SigmaHP1stat = 2400;
    g.SigmaHP2stat = 2400;
    g.SigmaH1max = 1420.44;
    g.SigmaH2max = 1420.44;
    g.KH = 1.3121;
    g.KHalfa = 1.1;
    g.KHbeta = 1.1136;
    g.Zepsilon = 0.8867;
    g.Zbeta = 1;
    g.ZE = 189.81;
    g.ZH = 2.4946;
    g.ZB = g.ZD = 1;
    g.ZN1 = g.ZN2 = 1;
    g.ZL = 0.9657;
    g.ZV = 0.9715;
    g.ZR = 0.9924;
    g.ValidityCount = 0;
}

TEST_F(ListingTest, FormatListingNumber) {
    EXPECT_EQ(FormatListingNumber(123456), "1.235E+5");
    EXPECT_EQ(FormatListingNumber(99999), "99999");
    EXPECT_EQ(FormatListingNumber(10), "   10");
    EXPECT_EQ(FormatListingNumber(9.99), " 10.0");
    EXPECT_EQ(FormatListingNumber(9.5), "  9.5");
    EXPECT_EQ(FormatListingNumber(-3), " -3.0");
    EXPECT_EQ(FormatListingNumber(std::numeric_limits<double>::infinity()), "+INF");
}

// Calculated cases read back to the same data file: the default one load, and the default
// spectrum by Haibach with the service life found for the required safety factors.  (Their
// listings are golden files written through the main window.)
TEST_F(ListingTest, CalculatedCasesReadBackToTheSameDataFile) {
    for (bool spectrum : {false, true}) {
        Defaults(kExternalPair);
        Derive();
        if (spectrum) {
            test::HaibachSpectrumWithComputedFactors();
            G.LifeFormActive = true;
            G.LifeFromSafety = true;
            G.SF1life = G.SF2life = 1.4;
            G.SH1life = G.SH2life = 1.0;
        }
        ASSERT_TRUE(CalculateCase());
        EXPECT_EQ(G.LifeValid, spectrum);
        ExpectDataFileRoundTrip();
    }
}

// A 12-level force spectrum by Miner, with service life in hours and most optional inputs.
void ListingTest::SpectrumCase() {
    Defaults(kExternalPair);
    Derive();
    OneLoadResults();
    GlobalData& g = G;
    g.LoadInputMethod = kMultilevelLoading;
    g.CalcMethodics = kMethodicsMiner;
    g.HypothesisHaibach = false;
    g.LoadAsForce = true;
    g.SpectrumAbsolute = false;
    g.SpectrumRatioToMax = true;
    g.Ftmax = 70000;
    g.SpectrumInCycles = false;
    g.SpectrumXMode = false;
    g.LevelCount = 12;
    for (int i = 1; i <= 12; ++i) {
        g.SpectrumY[i] = 70000 - 5000 * (i - 1);
        g.SpectrumX[i] = 12.5 * i;
        g.n1Level[i] = 1000 + 10 * i;
        g.KHbetaLevel[i] = 1.2 - 0.01 * i;
        g.KHalfaLevel[i] = 1.1;
        g.KFalfaLevel[i] = 1.1;
        g.KvLevel[i] = 1.05 + 0.001 * i;
        g.KFbetaLevel[i] = 1.15 - 0.01 * i;
    }
    g.KHbetaEkv = 1.1234;
    g.KHalfaEkv = 1.1;
    g.KFalfaEkv = 1.1;
    g.KvEkv = 1.0567;
    g.KFbetaEkv = 1.0987;
    g.SpectrumLevelsShown = false;
    g.KHbetaDirect = false;
    g.KHbetaMethod = "ISO_C";
    g.KHbetaCalcVariant = "b";
    g.HelixModification = kEndRelief;
    g.cI = 12.5;
    g.bred = 48;
    g.LifeValid = true;
    g.LifeFromSafety = true;
    g.LifeInHours = false;
    g.SF1life = 1.4;
    g.SH1life = 1.0;
    g.SF2life = 1.4;
    g.SH2life = 1.0;
    g.LF1 = 1.2e9;
    g.LH1 = 4.5e7;
    g.LF2 = 2.4e9;
    g.LH2 = 9.9e7;
    g.n1 = 1000;
    g.SigmaF1 = 260.5;  // the equivalent stresses
    g.SigmaH1 = 1390.25;
    g.MaterialClass2 = kOtherMaterialClass;
    g.MaterialForm2 = "cast";
    g.HardnessUnit2 = "HWB";
    g.Re2 = 0;
    g.fpr2Measured = false;
    g.fpr2act = 16.5;
    g.ViscosityGiven = true;
    g.OilViscosity = 98.53;
    g.YF2Direct = true;
    g.ZLrefDirect = true;
    g.ZLref = 0.95;
    g.ZRrefDirect = true;
    g.ZRref = 0.9924;
    g.YM1statDirect = true;
    g.YM1stat = 0.95;
    g.ValidityCount = 2;
    g.ValidityKinds[4] = 1;
    g.ValidityCodes[4] = 3;
    g.ValidityMessages[4] =
        "Transverse contact ratio is out of range\rof the standard.\r" + std::string(40, '_') + "\r";
    g.ValidityKinds[12] = 1;
    g.ValidityCodes[12] = 3;
    g.ValidityMessages[12] = "Pitch line velocity\rv > 25 m/s\r" + std::string(40, '_') + "\r";
}

TEST_F(ListingTest, SpectrumCaseGolden) {
    SpectrumCase();
    test::ExpectGolden(Vst(), "spectrum.VST.txt");
    test::ExpectGolden(Vys(), "spectrum.VYS.txt");
    // The class-11 wheel lost its grade, and the data file written next stores that.
    EXPECT_EQ(G.QualityGrade2, "");
    EXPECT_EQ(G.QualityGrade1, "ML");
}

TEST_F(ListingTest, InternalGearingListsThePinionHalves) {
    Defaults(kInternalPair);
    Derive();
    std::vector<std::string> vst = Vst();
    EXPECT_TRUE(Has(vst, "Gearing - Internal"));
    EXPECT_TRUE(Has(vst, " bs1= 60.0"));
    EXPECT_TRUE(Has(vst, " sd1=  0.0"));
    EXPECT_TRUE(Has(vst, " dh1=  0.0"));
    EXPECT_TRUE(Has(vst, " sR1= 35.0             sR2= 55.0"));
}

TEST_F(ListingTest, ActualDeviationsBlock) {
    Defaults(kExternalPair);
    // Only the wheel's pitch deviation measured: twelve blanks hold the pinion's place.
    G.fpr2Measured = false;
    G.fpr2act = 8;
    std::vector<std::string> vst = Vst();
    size_t at = IndexOf(vst, "    Actual (measured) deviations -[µm]");
    ASSERT_LT(at + 2, vst.size());
    EXPECT_EQ(vst[at + 1], std::string(12, ' ') + "           fpr2act=  8.0");
    EXPECT_EQ(vst[at + 2], "");
    EXPECT_EQ(vst[at + 3], " Gears loading data");

    G.fpr2Measured = true;
    G.fHbeta1Measured = G.ffalfa2Measured = false;
    G.fHbeta1act = 11.5;
    G.ffalfa2act = 9;
    vst = Vst();
    at = IndexOf(vst, "    Actual (measured) deviations -[µm]");
    ASSERT_LT(at + 2, vst.size());
    EXPECT_EQ(vst[at + 1], " fHbeta1act= 11.5");
    EXPECT_EQ(vst[at + 2], std::string(10, ' ') + "             ffalfa2act=  9.0");

    // With every deviation from the grade the block is left out, its empty line stays.
    G.fHbeta1Measured = G.ffalfa2Measured = true;
    vst = Vst();
    at = IndexOf(vst, " ffalfa1= 20.0          ffalfa2= 20.0");
    EXPECT_EQ(vst[at + 1], "");
    EXPECT_EQ(vst[at + 2], "");
    EXPECT_EQ(vst[at + 3], " Gears loading data");
}

TEST_F(ListingTest, SpectrumWithoutDirectFactors) {
    Defaults(kExternalPair);
    G.LoadInputMethod = kMultilevelLoading;
    G.SpectrumLevelsShown = false;
    G.KHbetaDirect = false;
    G.KHbetaMethod = "ISO_C";
    G.KHbetaCalcVariant = "a";
    std::vector<std::string> vst = Vst();
    // Heading, dashes, then the empty Zepsilon line opened by the eleven blanks of a missing KFv.
    ASSERT_GE(vst.size(), 3u);
    EXPECT_EQ(vst[vst.size() - 3], " Optional input data and factors");
    EXPECT_EQ(vst[vst.size() - 1], std::string(11, ' '));
    EXPECT_TRUE(Has(vst, " Factors on individual levels - determined by calculation"));
    EXPECT_TRUE(Has(vst, " Factor KHbeta"));
    EXPECT_TRUE(Has(vst, "      dsh1 = 70.0"));

    // Per-level factors given: their table stands for KHbeta and the load factors.
    G.SpectrumLevelsShown = true;
    G.KHbetaDirect = true;
    G.KvDirect = true;
    vst = Vst();
    EXPECT_TRUE(Has(vst, " Factors on individual levels - direct input"));
    EXPECT_FALSE(Has(vst, " Factor KHbeta"));
    EXPECT_EQ(vst.back(), "");
    EXPECT_EQ(vst[vst.size() - 2], std::string(33, '-'));
}

TEST_F(ListingTest, HelixModifications) {
    Defaults(kExternalPair);
    G.KHbetaMethod = "ISO_C";
    G.KHbetaCalcVariant = "b";
    G.cbeta = 7;
    for (std::int16_t m : {kNoHelixModification, kHelixCorrection}) {
        G.HelixModification = m;
        std::vector<std::string> vst = Vst();
        EXPECT_FALSE(Has(vst, "  Size of the  modification -")) << m;
    }
    G.HelixModification = kHelixCorrectionAndCrowning;
    std::vector<std::string> vst = Vst();
    size_t at = IndexOf(vst, " Helix modification (ISO 6336 - 1,tab.8) - helix correction + central crowning");
    ASSERT_LT(at + 2, vst.size());
    EXPECT_EQ(vst[at + 1], "  Size of the  modification -");
    EXPECT_EQ(vst[at + 2], "      cbeta = 7.000 [µm]");
}

TEST_F(ListingTest, ResultsWithoutServiceLifeGoStraightToBending) {
    Defaults(kExternalPair);
    OneLoadResults();
    std::vector<std::string> vys = Vys();
    ASSERT_GE(vys.size(), 10u);
    EXPECT_EQ(vys[7], "");
    EXPECT_EQ(vys[8], "");
    EXPECT_EQ(vys[9], "                     BENDING  ");
}

TEST_F(ListingTest, ServiceLifeInHoursForAnInternalPair) {
    Defaults(kInternalPair);
    G.LoadInputMethod = kMultilevelLoading;
    G.LifeValid = true;
    G.LifeFromSafety = true;
    G.SpectrumInCycles = false;
    G.n1 = 1000;
    G.LF1 = 6.0e6;  // hand-derived: 6e6 / 60 / 1000 = 100 h
    G.LF2 = 3.0e6;  // |z2| (3e6 / 60 / 1000) / z1 = 40 * 50 / 20 = 100 h
    G.LH1 = 1.2e6;
    G.LH2 = 0.6e6;
    std::vector<std::string> vys = Vys();
    EXPECT_TRUE(Has(vys, " Calculated service life in hours for given safety factor"));
    EXPECT_TRUE(Has(vys, " LF1= 100.0                   LH1= 20.0"));
    EXPECT_TRUE(Has(vys, " LF2= 100.0                   LH2= 20.0"));
    // A speed of 0 still gives a listing.
    G.n1 = 0;
    EXPECT_TRUE(Has(Vys(), " LF1= +INF                   LH1= +INF"));

    // The input listing's variant of the block: other blanks, no closing note.
    G.LifeFromSafety = false;
    G.LifeInHours = true;
    G.NL1h = G.NL2h = 2000;
    std::vector<std::string> vst = Vst();
    EXPECT_TRUE(Has(vst, " Calculation of safety factor for given service life "));
    EXPECT_TRUE(Has(vst, "          Required service life in  hours"));
    EXPECT_TRUE(Has(vst, " NL1h= 2000.0                   NL2h= 2000.0"));
    EXPECT_FALSE(Has(vst, " Next results are for equivalent values which"));
    vys = Vys();
    EXPECT_TRUE(Has(vys, " Calculation of safety factor for given service life"));
    EXPECT_TRUE(Has(vys, "          Required service life in hours"));
    EXPECT_TRUE(Has(vys, " came from the input spectrum of service life calculation."));
}

TEST_F(ListingTest, ValidityBlock) {
    Defaults(kExternalPair);
    G.ValidityCount = 3;
    for (int slot : {2, 9, 30}) {
        G.ValidityKinds[slot] = 1;
        G.ValidityMessages[slot] = "Slot " + std::to_string(slot) + "\r" + std::string(40, '_') + "\r";
    }
    std::vector<std::string> vys = Vys();
    size_t at = IndexOf(vys, "    Validity restrictions for the calculation by ISO 6336");
    std::vector<std::string> tail(vys.begin() + static_cast<long>(at) + 3, vys.end());
    const std::string bar(40, '_');
    EXPECT_EQ(tail,
              (std::vector<std::string>{"Slot 2", bar, "", bar, "Slot 9", bar, "", bar, "Slot 30", bar, "", bar}));
    EXPECT_EQ(G.ValidityIndex, 31);
}

TEST_F(ListingTest, NextValidityMessage) {
    G.ValidityMessages[50] = "last slot";
    G.ValidityKinds[3] = 1;
    G.ValidityMessages[3] = "three";
    G.ValidityKinds[49] = 1;
    G.ValidityMessages[49] = "forty-nine";
    EXPECT_EQ(GetNextValidityMessage(1), "three");
    EXPECT_EQ(G.ValidityIndex, 4);
    EXPECT_EQ(GetNextValidityMessage(G.ValidityIndex), "forty-nine");
    EXPECT_EQ(G.ValidityIndex, 50);
    // No marked slot left: slot 50's text, the index stays at 50.
    EXPECT_EQ(GetNextValidityMessage(G.ValidityIndex), "last slot");
    EXPECT_EQ(G.ValidityIndex, 50);
    EXPECT_EQ(GetNextValidityMessage(50), "last slot");
    // Out-of-range indices are clamped.
    EXPECT_EQ(GetNextValidityMessage(0), "three");
    EXPECT_EQ(GetNextValidityMessage(99), "last slot");

    // Every CR-terminated piece a line, then one empty line; text after the last CR dropped.
    G.ValidityMessages[3] = "a\rb\rc\rd\re\r";
    G.ValidityIndex = 1;
    EXPECT_EQ(SplitValidityMessage(), (std::vector<std::string>{"a", "b", "c", "d", "e", ""}));
    G.ValidityMessages[3] = "a\rtail";
    G.ValidityIndex = 1;
    EXPECT_EQ(SplitValidityMessage(), (std::vector<std::string>{"a", ""}));
}

}  // namespace
