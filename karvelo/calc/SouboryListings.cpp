// The two printable listings: the input listing (.VST) and the results listing (.VYS).  Each line
// is literal labels (their blanks align the columns) and numbers of a fixed width and number of
// decimals.  The program never reads them back.
#include <cmath>
#include <numbers>
#include <string>

#include "karvelo/calc/MaterialClasses.h"
#include "karvelo/calc/Soubory.h"
#include "runtime/NumText.h"
#include "runtime/TextLine.h"

namespace karvelo {
namespace {

// The listings' non-ASCII characters, in the 8-bit code page of the files.
const std::string kDeg = "\xB0";    // degree sign
const std::string kDot = "\xB7";    // middle dot
const std::string kMicro = "\xB5";  // micro sign
const std::string kPrime = "\xB4";  // acute accent, the prime of c'

const std::string kLargeFormat = "#.###E+0;";
const std::string kShortExpFormat = "#.#E+0;";

std::string Fixed(double x, int w, int d) { return rt::Str(x, w, d); }
std::string Blanks(int n) { return std::string(static_cast<size_t>(n), ' '); }
std::string Dashes(int n) { return std::string(static_cast<size_t>(n), '-'); }
double Degrees(double rad) { return rad * 180 / std::numbers::pi; }

// A pinion/wheel line: first label, first value, `blanks` blanks, second label, second value.
std::string Pair(const std::string& first, const std::string& v1, int blanks, const std::string& second,
                 const std::string& v2) {
    return first + v1 + Blanks(blanks) + second + v2;
}

// An optional pair of directly entered values (5:3): nothing when neither was entered; else the
// left half or `blanks` blanks, then the right half or only the line end.
void OptionalPair(rt::TextFile& out, bool given1, const std::string& first, double v1, int blanks, bool given2,
                  const std::string& second, double v2) {
    if (!given1 && !given2) return;
    out.Write(given1 ? first + Fixed(v1, 5, 3) : Blanks(blanks));
    out.WriteLn(given2 ? second + Fixed(v2, 5, 3) : std::string());
}

void WriteStamp(rt::TextFile& out, const ListingStamp& stamp) {
    out.WriteLn();
    out.WriteLn("This file is designated for printing, it can be edited");
    out.WriteLn("Time   - " + stamp.time);
    out.WriteLn("Date - " + stamp.date);
    out.WriteLn("File name - " + stamp.fileName);
    out.WriteLn();
}

// The service-life results, in the results listing and (with a few other blanks) in the input
// listing.
void WriteServiceLife(rt::TextFile& out, bool inputListing) {
    const GlobalData& g = G;
    if (g.LifeFromSafety)
        out.WriteLn(" Calculation of service life for given safety factor");
    else
        out.WriteLn(std::string(" Calculation of safety factor for given service life") + (inputListing ? " " : ""));
    const std::string unit = g.SpectrumInCycles ? "cycles" : "hours";
    auto safetyFactors = [&] {
        out.WriteLn(Pair(" SF1= ", Fixed(g.SF1life, 5, 3), 19, "SH1= ", Fixed(g.SH1life, 5, 3)));
        out.WriteLn(Pair(" SF2= ", Fixed(g.SF2life, 5, 3), 19, "SH2= ", Fixed(g.SH2life, 5, 3)));
    };
    if (g.LifeFromSafety) {
        out.WriteLn(Blanks(10) + "Required safety factor");
        safetyFactors();
        out.WriteLn();
        out.WriteLn(" Calculated service life in " + unit + " for given safety factor");
        if (g.SpectrumInCycles) {
            out.WriteLn(Pair(" LF1= ", FormatListingNumber(g.LF1), 19, "LH1= ", FormatListingNumber(g.LH1)));
            out.WriteLn(Pair(" LF2= ", FormatListingNumber(g.LF2), 19, "LH2= ", FormatListingNumber(g.LH2)));
        } else {
            // Lives in pinion cycles -> hours of running; the wheel turns z1/|z2| times as often.
            auto pinionHours = [&](double cycles) { return Fixed(cycles / 60 / g.n1, 1, 1); };
            auto wheelHours = [&](double cycles) { return Fixed(std::fabs(g.z2) * (cycles / 60 / g.n1) / g.z1, 1, 1); };
            out.WriteLn(Pair(" LF1= ", pinionHours(g.LF1), 19, "LH1= ", pinionHours(g.LH1)));
            out.WriteLn(Pair(" LF2= ", wheelHours(g.LF2), 19, "LH2= ", wheelHours(g.LH2)));
        }
        out.WriteLn();
    }
    if (g.LifeInHours) {
        out.WriteLn(Blanks(10) + (inputListing ? "Required service life in  " : "Required service life in ") + unit);
        if (g.SpectrumInCycles)
            out.WriteLn(Pair(" NL1= ", FormatListingNumber(g.NL1), 19, "NL2= ", FormatListingNumber(g.NL2)));
        else
            out.WriteLn(Pair(" NL1h= ", Fixed(g.NL1h, 1, 1), 19, "NL2h= ", Fixed(g.NL2h, 1, 1)));
        out.WriteLn();
        out.WriteLn(" Calculated safety factor for given service life");
        safetyFactors();
        out.WriteLn();
    }
    if (!inputListing) {
        out.WriteLn(" Next results are for equivalent values which");
        out.WriteLn(" came from the input spectrum of service life calculation.");
    }
}

// ---- Input listing

const char* MaterialClassName(int materialClass) {
    // A class outside the list is never stored by the materials window.
    if (materialClass < 0 || materialClass >= kListedMaterialClasses) return "Unknown material class";
    return kMaterialClassTable[std::size_t(materialClass)].description;
}

void WriteGeometry(rt::TextFile& out) {
    const GlobalData& g = G;
    out.WriteLn(" Geometry");
    out.WriteLn(Dashes(11));
    out.WriteLn(Pair(" z1= ", Fixed(g.z1, 4, 1), 13, "z2= ", Fixed(g.z2, 4, 1)));
    out.WriteLn(Pair(" x1= ", Fixed(g.x1, 6, 4), 11, "x2= ", Fixed(g.x2, 6, 4)));
    out.WriteLn(" da1= " + Fixed(g.da1, 7, 3) + "[mm]     da2= " + Fixed(g.da2, 7, 3) + "[mm]");
    out.WriteLn(" mn= " + Fixed(g.mn, 6, 3) + "[mm]       a = " + Fixed(g.a, 7, 3) + "[mm]");
    out.WriteLn(" Alfan= " + Fixed(Degrees(g.alfan), 6, 3) + "[" + kDeg +
                "]     Beta= " + Fixed(Degrees(g.beta), 6, 3) + "[" + kDeg + "]");
    out.WriteLn();
    out.WriteLn("    Basic rack tooth profile");
    out.WriteLn(Pair(" haP1*= ", Fixed(g.haP1, 6, 4), 9, "haP2*= ", Fixed(g.haP2, 6, 4)));
    out.WriteLn(Pair(" caP1*= ", Fixed(g.caP1, 6, 4), 9, "caP2*= ", Fixed(g.caP2, 6, 4)));
    out.WriteLn(Pair(" RofP1*= ", Fixed(g.RofP1, 6, 4), 7, "RofP2*= ", Fixed(g.RofP2, 6, 4)));
    out.WriteLn();
}

void WriteMaterials(rt::TextFile& out) {
    GlobalData& g = G;
    out.WriteLn(" Materials of the pinion and the wheel");
    out.WriteLn(Dashes(39));
    out.WriteLn(" " + rt::OneLine(g.MatDesignation1) + Blanks(22) + rt::OneLine(g.MatDesignation2));
    out.WriteLn(std::string(" ") + MaterialClassName(g.MaterialClass1) + Blanks(9) +
                MaterialClassName(g.MaterialClass2));
    if (g.PittingAllowed1) out.WriteLn(" Certain degree of pinion pitting is permissible");
    if (g.PittingAllowed2) out.WriteLn(" Certain degree of wheel pitting is permissible");
    // "Other material" has no quality grade; the data file written next stores it empty.
    if (g.MaterialClass1 == kOtherMaterialClass) g.QualityGrade1.clear();
    if (g.MaterialClass2 == kOtherMaterialClass) g.QualityGrade2.clear();
    const std::string form1 = g.MaterialForm1 == "wrought" ? "Wrought" : "Cast";
    const std::string form2 = g.MaterialForm2 == "wrought" ? "Wrought" : "Cast";
    out.WriteLn(" " + form1 + " " + g.QualityGrade1 + Blanks(18) + form2 + " " + g.QualityGrade2);

    out.WriteLn(" SigmaHlim1 = " + Fixed(g.SigmaHlim1, 6, 1) + "[MPa]    SigmaHlim2 = " + Fixed(g.SigmaHlim2, 6, 1) +
                "[MPa]");
    out.WriteLn(" SigmaFlim1 = " + Fixed(g.SigmaFlim1, 6, 1) + "[MPa]    SigmaFlim2 = " + Fixed(g.SigmaFlim2, 6, 1) +
                "[MPa]");
    const bool brinell1 = g.HardnessUnit1 == "HWB";
    const bool brinell2 = g.HardnessUnit2 == "HWB";
    out.WriteLn(Pair(brinell1 ? " VHB1= " : " VHV1= ", Fixed(g.HV1, 3, 0), 19,
                     brinell2 ? "VHB2= " : "VHV2= ", Fixed(g.HV2, 3, 0)));
    out.WriteLn(Pair(brinell1 ? " JHB1= " : " JHV1= ", Fixed(g.HV1core, 3, 0), 19,
                     brinell2 ? "JHB2= " : "JHV2= ", Fixed(g.HV2core, 3, 0)));
    out.WriteLn(" Rm1= " + Fixed(g.Rm1, 6, 1) + "[MPa]            Rm2= " + Fixed(g.Rm2, 6, 1) + "[MPa]");
    out.WriteLn(" Re1= " + (g.Re1 == 0 ? std::string(" ---- ") : Fixed(g.Re1, 6, 1)) +
                "[MPa]            Re2= " + (g.Re2 == 0 ? std::string(" ----") : Fixed(g.Re2, 6, 1)) + "[MPa]");
    out.WriteLn(Pair(" RzH1= ", Fixed(g.RzH1, 4, 1), 18, "RzH2= ", Fixed(g.RzH2, 4, 1)));
    out.WriteLn(Pair(" RzF1= ", Fixed(g.RzF1, 4, 1), 18, "RzF2= ", Fixed(g.RzF2, 4, 1)));
    out.WriteLn(" E1= " + rt::FormatFloat(kShortExpFormat, g.E1) +
                "[MPa]             E2= " + rt::FormatFloat(kShortExpFormat, g.E2) + "[MPa]");
    out.WriteLn(Pair(" Ny1= ", Fixed(g.Ny1, 5, 3), 18, "Ny2= ", Fixed(g.Ny2, 5, 3)));
    out.WriteLn(Pair(" ro_steel1= ", Fixed(g.ro_steel1, 5, 1), 11, "ro_steel2= ", Fixed(g.ro_steel2, 5, 1)));
    out.WriteLn(Pair(" NHlim1= ", rt::FormatFloat(kShortExpFormat, g.NHlim1), 16,
                     "NHlim2= ", rt::FormatFloat(kShortExpFormat, g.NHlim2)));
    out.WriteLn(Pair(" NFlim1= ", rt::FormatFloat(kShortExpFormat, g.NFlim1), 16,
                     "NFlim2= ", rt::FormatFloat(kShortExpFormat, g.NFlim2)));
    out.WriteLn(Pair(" qH1= ", Fixed(g.qH1, 5, 3), 17, "qH2= ", Fixed(g.qH2, 5, 3)));
    out.WriteLn(Pair(" qF1= ", Fixed(g.qF1, 5, 3), 18, "qF2= ", Fixed(g.qF2, 5, 3)));

    const bool haibach = g.HypothesisHaibach;
    out.WriteLn(std::string(" Used hypothesis - ") + (haibach ? "Haibach" : "Miner "));
    // The exponents below the knee belong to Haibach's hypothesis only.
    out.WriteLn(Pair(" qF_1= ", haibach ? Fixed(g.qF_1, 5, 3) : "----  ", 16,
                     "qF_2= ", haibach ? Fixed(g.qF_2, 5, 3) : "----"));
    out.WriteLn(Pair(" qH_1= ", haibach ? Fixed(g.qH_1, 5, 3) : "----  ", 16,
                     "qH_2= ", haibach ? Fixed(g.qH_2, 5, 3) : "----"));
    out.WriteLn();
}

void WriteDimensions(rt::TextFile& out) {
    const GlobalData& g = G;
    const bool external = g.GearingType == kExternalPair;
    out.WriteLn(" Dimensions of the pinion and the wheel -[mm]");
    out.WriteLn(Dashes(46));
    // Rim, web and hub of an internal wheel are not listed.
    auto line = [&](const std::string& first, double v1, int blanks, const std::string& second, double v2,
                    bool withWheel) {
        out.WriteLn(first + Fixed(v1, 4, 1) + (withWheel ? Blanks(blanks) + second + Fixed(v2, 4, 1) : std::string()));
    };
    line(" b1= ", g.b1, 14, "b2= ", g.b2, true);
    line(" bs1= ", g.bs1, 13, "bs2= ", g.bs2, external);
    line(" sR1= ", g.sR1, 13, "sR2= ", g.sR2, true);
    line(" sd1= ", g.sd1, 13, "sd2= ", g.sd2, external);
    line(" dh1= ", g.dh1, 13, "dh2= ", g.dh2, external);
    out.WriteLn(" db= " + Fixed(g.db, 4, 1));
    out.WriteLn(" Direct input of c" + kPrime + "     - " + (g.cDirect ? "Yes" : "No"));
    if (g.cDirect) out.WriteLn(" c" + kPrime + "= " + Fixed(g.cprime, 5, 2) + "[N/(mm" + kDot + kMicro + "m)]");
    out.WriteLn(std::string(" Direct input of J1,2   - ") + (g.JDirect ? "Yes" : "No"));
    if (g.JDirect)
        out.WriteLn(" J1= " + Fixed(g.J1, 5, 2) + "[kg" + kDot + "mm2]     J2= " + Fixed(g.J2, 5, 2) + "[kg" + kDot +
                    "mm2]");
    out.WriteLn(std::string(" Calculation of mred    - ") + (g.mredISO ? "by ISO method" : "using J1,2"));
    out.WriteLn();
}

void WriteAccuracy(rt::TextFile& out) {
    const GlobalData& g = G;
    out.WriteLn(" Gears accuracy and deviations - ISO 1328-1  (2013)");
    out.WriteLn(Dashes(52));
    out.WriteLn(" IT1=" + rt::Str(static_cast<long long>(g.IT1), 2) + Blanks(17) +
                "IT2=" + rt::Str(static_cast<long long>(g.IT2), 2));
    out.WriteLn();
    out.WriteLn("    Allowable deviations -[" + kMicro + "m]");
    out.WriteLn(Pair(" fp1= ", Fixed(g.fp1, 4, 1), 14, "fp2= ", Fixed(g.fp2, 4, 1)));
    out.WriteLn(Pair(" fHbeta1= ", Fixed(g.fHbeta1, 4, 1), 10, "fHbeta2= ", Fixed(g.fHbeta2, 4, 1)));
    out.WriteLn(Pair(" ffalfa1= ", Fixed(g.ffalfa1, 4, 1), 10, "ffalfa2= ", Fixed(g.ffalfa2, 4, 1)));
    out.WriteLn();

    // A deviation whose flag is clear was measured: its actual value is listed.
    struct Actual {
        bool measured1, measured2;
        const char* first;
        int blanks;
        const char* second;
        double v1, v2;
    };
    const Actual actuals[] = {
        {!g.fpr1Measured, !g.fpr2Measured, " fpr1act= ", 12, "           fpr2act= ", g.fpr1act, g.fpr2act},
        {!g.fHbeta1Measured, !g.fHbeta2Measured, " fHbeta1act= ", 15, "        fHbeta2act= ", g.fHbeta1act,
         g.fHbeta2act},
        {!g.ffalfa1Measured, !g.ffalfa2Measured, " ffalfa1act= ", 10, "             ffalfa2act= ", g.ffalfa1act,
         g.ffalfa2act},
    };
    bool anyMeasured = false;
    for (const Actual& a : actuals) anyMeasured = anyMeasured || a.measured1 || a.measured2;
    if (anyMeasured) {
        out.WriteLn("    Actual (measured) deviations -[" + kMicro + "m]");
        for (const Actual& a : actuals) {
            if (!a.measured1 && !a.measured2) continue;
            out.WriteLn((a.measured1 ? a.first + Fixed(a.v1, 4, 1) : Blanks(a.blanks)) +
                        (a.measured2 ? a.second + Fixed(a.v2, 4, 1) : std::string()));
        }
    }
    out.WriteLn();
}

// The reference load of the ratio modes of the spectrum.
double SpectrumReferenceLoad(const GlobalData& g) {
    if (g.LoadAsForce) return g.SpectrumRatioToMin ? g.Ftmin : g.Ftmax;
    return g.SpectrumRatioToMin ? g.Tmin : g.Tmax;
}

void WriteSpectrum(rt::TextFile& out) {
    const GlobalData& g = G;
    out.WriteLn(" Description of the axis Y of the spectrum");
    if (g.SpectrumAbsolute) {
        out.WriteLn("  Input of loads - absolute values");
    } else {
        out.Write("  Input of load -");
        if (g.SpectrumRatioToMax)
            out.WriteLn(" ratio  j / max");
        else if (g.SpectrumRatioMaxTo)
            out.WriteLn(" ratio  max / j");
        else if (g.SpectrumRatioToMin)
            out.WriteLn(" ratio  j / min");
        const std::string value = Fixed(SpectrumReferenceLoad(g), 6, 1);
        if (g.LoadAsForce)
            out.WriteLn((g.SpectrumRatioToMin ? "  Min. force Ftmin = " : "  Max. force Ftmax = ") + value + "[N]");
        else
            out.WriteLn((g.SpectrumRatioToMin ? "  Min. moment Tmin = " : "  Max. moment Tmax = ") + value + "[N" +
                        kDot + "m]");
    }
    out.WriteLn("  Number of levels  p = " + rt::Str(static_cast<long long>(g.LevelCount)));
    out.WriteLn();
    out.WriteLn(" Description of the axis X of the spectrum");
    out.WriteLn(std::string(g.SpectrumInCycles ? "Cycles" : "Hours") +
                (g.SpectrumXMode ? " input - Cummulative values" : " input - Class values"));
    out.WriteLn();

    const std::string yUnit = !g.SpectrumAbsolute ? "[-]" : g.LoadAsForce ? "[N]" : "[N" + kDot + "m]";
    const std::string xUnit = g.SpectrumInCycles ? "[cyc]" : "[h]";
    out.WriteLn("  Level      Ax. y " + yUnit + "     Ax. x" + xUnit + "        RPM");
    const double reference = SpectrumReferenceLoad(g);
    for (int i = 1; i <= g.LevelCount; ++i) {
        std::string y;
        if (g.SpectrumAbsolute)
            y = Fixed(g.SpectrumY[i], 6, 1);
        else if (g.SpectrumRatioMaxTo)
            y = Fixed(reference / g.SpectrumY[i], 1, 3);
        else
            y = Fixed(g.SpectrumY[i] / reference, 1, 3);
        const std::string x =
            g.SpectrumInCycles ? rt::FormatFloat(kLargeFormat, g.SpectrumX[i]) : Fixed(g.SpectrumX[i], 5, 2);
        out.WriteLn(Blanks(i < 10 ? 5 : 4) + rt::Str(static_cast<long long>(i)) + Blanks(9) + y + Blanks(9) + x +
                    Blanks(9) + Fixed(g.n1Level[i], 1, 1));
    }
    out.WriteLn();
}

void WriteLoading(rt::TextFile& out) {
    const GlobalData& g = G;
    out.WriteLn(" Gears loading data");
    out.WriteLn(Dashes(20));
    static const char* const methods[] = {"One level loading (static)", "Multilevel loading (spectrum)",
                                          "Direct input of equivalent load"};
    const int method = g.LoadInputMethod;
    const bool known = method >= kOneLevelLoading && method <= kDirectEquivalentLoad;
    out.WriteLn(std::string(" Method of load input - ") + (known ? methods[method - kOneLevelLoading] : ""));
    if (method == kMultilevelLoading) {
        static const char* const methodics[] = {
            "Approximate calculation of an equivalent load and a factor Ka by ISO 6336/6 - fig. A.3",
            "Approximate calculation of an equivalent load and a factor Ka by ISO 6336/6 - equation A.2",
            "Precise calculation of an equivalent load and stress by Miner",
            "Precise calculation of an equivalent load and stress by Haibach",
        };
        out.WriteLn(" Used calculation methodics - ");
        const int m = g.CalcMethodics;
        const bool known = m >= kMethodicsFigA3 && m <= kMethodicsHaibach;
        out.WriteLn(std::string("  ") + (known ? methodics[m - kMethodicsFigA3] : ""));
    }
    out.WriteLn(std::string(" calculation of safety factor - ") +
                (g.HypothesisHaibach ? "determined by Haibach's hypothesis" : "determined by Miner's hypothesis"));
    out.WriteLn();

    if (method == 2) WriteSpectrum(out);

    const std::string torqueUnit = "[N" + kDot + "m]";
    if (method == 3) {
        if (g.LoadAsForce) {
            out.WriteLn(" FtFe1= " + Fixed(g.FtFe1, 1, 1) + "[N]     FtHe1= " + Fixed(g.FtHe1, 1, 1) + "[N]");
            out.WriteLn(" FtFe2= " + Fixed(g.FtFe2, 1, 1) + "[N]     FtHe2= " + Fixed(g.FtHe2, 1, 1) + "[N]");
        } else {
            out.WriteLn(" TFe1= " + Fixed(g.TFe1, 1, 1) + torqueUnit + "     THe1= " + Fixed(g.THe1, 1, 1) +
                        torqueUnit);
            out.WriteLn(" TFe2= " + Fixed(g.TFe2, 1, 1) + torqueUnit + "     THe2= " + Fixed(g.THe2, 1, 1) +
                        torqueUnit);
        }
    }

    auto lifeLine = [&](bool oneLevel) {
        if (g.SpectrumInCycles)
            out.WriteLn(Pair(" NL1= ", rt::FormatFloat(kLargeFormat, g.NL1), oneLevel ? 12 : 13,
                             "NL2= ", rt::FormatFloat(kLargeFormat, g.NL2)));
        else
            out.WriteLn(" NL1= " + Fixed(g.NL1h, 5, 1) + (oneLevel ? "[hrs]     NL2= " : "[hrs]      NL2= ") +
                        Fixed(g.NL2h, 5, 1) + "[hrs]");
    };
    const std::string n1 = Fixed(g.n1, 4, 0) + "[rev/min]";
    switch (method) {
        case kOneLevelLoading:
            if (g.LoadAsForce)
                out.WriteLn(" Ftjm= " + Fixed(g.Ftjm, 6, 1) + "[N]       n1= " + n1);
            else
                out.WriteLn(" Tjm= " + Fixed(g.Tjm, 6, 1) + torqueUnit + "       n1= " + n1);
            lifeLine(true);
            out.WriteLn(Pair(" R1= ", Fixed(g.R1, 5, 3), 13, "R2= ", Fixed(g.R2, 5, 3)));
            out.WriteLn(" KA= " + Fixed(g.KA, 5, 3));
            break;
        case kMultilevelLoading:
            out.WriteLn(Pair(" KA= ", Fixed(g.KA, 5, 3), 13, "n1ekv= ", n1));
            out.WriteLn(Pair(" R1= ", Fixed(g.R1, 5, 3), 12, "R2= ", Fixed(g.R2, 5, 3)));
            break;
        case kDirectEquivalentLoad:
            out.WriteLn(Pair(" KA= ", Fixed(g.KA, 5, 3), 13, "n1= ", n1));
            lifeLine(false);
            out.WriteLn(Pair(" R1= ", Fixed(g.R1, 5, 3), 13, "R2= ", Fixed(g.R2, 5, 3)));
            break;
    }
    out.WriteLn();
}

void WriteLevelFactors(rt::TextFile& out) {
    const GlobalData& g = G;
    if (g.LoadInputMethod == kMultilevelLoading) {
        out.WriteLn(std::string(" Factors on individual levels") +
                    (g.SpectrumLevelsShown ? " - direct input" : " - determined by calculation"));
        out.WriteLn(" Level    KHbeta    KHalfa    KFalfa      Kv      KFbeta");
        for (int i = 1; i <= g.LevelCount; ++i)
            out.WriteLn(Blanks(i < 10 ? 4 : 3) + rt::Str(static_cast<long long>(i)) + Blanks(6) +
                        Fixed(g.KHbetaLevel[i], 1, 3) + Blanks(5) + Fixed(g.KHalfaLevel[i], 1, 3) + Blanks(5) +
                        Fixed(g.KFalfaLevel[i], 1, 3) + Blanks(5) + Fixed(g.KvLevel[i], 1, 3) + Blanks(5) +
                        Fixed(g.KFbetaLevel[i], 1, 3) + " ");
        out.WriteLn("  Ekv      " + Fixed(g.KHbetaEkv, 1, 3) + Blanks(5) + Fixed(g.KHalfaEkv, 1, 3) + Blanks(5) +
                    Fixed(g.KFalfaEkv, 1, 3) + Blanks(5) + Fixed(g.KvEkv, 1, 3) + Blanks(5) + Fixed(g.KFbetaEkv, 1, 3));
    }
    out.WriteLn();
}

void WriteFaceLoadFactor(rt::TextFile& out) {
    const GlobalData& g = G;
    // With per-level factors given, the table above stands for the face load factor.
    const bool ownSection = g.LoadInputMethod != kMultilevelLoading || !g.SpectrumLevelsShown;
    if (ownSection) {
        out.WriteLn(" Factor KHbeta");
        out.WriteLn(Dashes(15));
    }
    if (g.KHbetaDirect && g.KHbetaMethod == "primo") out.WriteLn(" Direct input of KHbeta= " + Fixed(g.KHbeta, 5, 3));
    if (g.KHbetaMethod == "bcal")
        out.WriteLn(" Calculation from the contact pattern length bcal= " + Fixed(g.bcal, 4, 1) + "[mm]");
    if (g.KHbetaMethod == "ISO_C") {
        out.WriteLn(" Calculation by Method \"C\" (ISO 6336 - 1, pgs.45-62)");
        const std::string& variant = g.KHbetaCalcVariant;
        if (variant == "a") {
            out.WriteLn("   (Calculation using position of contact, arrangement and pinion modification)");
            out.WriteLn(" Position of a contact  (ISO 6336 - 1,Fig.12)   - " + g.KHbetaCase2);
            out.WriteLn(" Arrangement (ISO 6336 - 1,Fig.13)   - " + g.KHbetaCase);
            out.WriteLn(std::string(" Influence of a contact position (ISO 6336 - 1,Fig.12)  - ") +
                        (g.ContactInfluence == "compensatory" ? "compensatory" : "additive"));
            out.WriteLn("  Arrangement dimensions [mm]");
            out.WriteLn("      s1   = " + Fixed(g.s1, 3, 1));
            out.WriteLn("      l1   = " + Fixed(g.l1, 3, 1));
            out.WriteLn("      dsh1 = " + Fixed(g.dsh1, 3, 1));
        } else if (variant == "b") {
            static const char* const names[] = {"none",
                                                "central crowning",
                                                "central crowning",
                                                "helix correction",
                                                "helix correction + central crowning",
                                                "end relief"};
            const int m = g.HelixModification;
            // A modification the KHbeta window never stores: no name, no size.
            const bool known = m >= kNoHelixModification && m <= kEndRelief;
            out.WriteLn("   (Calculation for the gear pair with well designed end-relief )");
            out.WriteLn(std::string(" Helix modification (ISO 6336 - 1,tab.8) - ") +
                        (known ? names[m - kNoHelixModification] : ""));
            if (known && m != kNoHelixModification && m != kHelixCorrection) {
                out.WriteLn("  Size of the  modification -");
                if (m == kEndRelief)
                    out.WriteLn("      cI(II) = " + Fixed(g.cI, 5, 3) + " [" + kMicro + "m]" +
                                "     bred = " + Fixed(g.bred, 5, 3) + " [mm]");
                else
                    out.WriteLn("      cbeta = " + Fixed(g.cbeta, 5, 3) + " [" + kMicro + "m]");
            }
        } else if (variant == "c") {
            out.WriteLn("   (calculation with an inclusion of all influences (deformations))");
            const std::string unit = " [" + kMicro + "m]";
            out.WriteLn(" Bending and twisting of the pinion and shaft fsh  = " + Fixed(g.fsh, 3, 1) + unit);
            out.WriteLn(" Mesh misalignment (manufacturing deviations) fma  = " + Fixed(g.fma, 3, 1) + unit);
            out.WriteLn(" Bending and twisting of the wheel and shaft  fsh2 = " + Fixed(g.fsh2, 3, 1) + unit);
            out.WriteLn(" Case deformation                             fca  = " + Fixed(g.fca, 3, 1) + unit);
            out.WriteLn(" Bearing clearances and deflections           fbe  = " + Fixed(g.fbe, 3, 1) + unit);
        }
    }
    if (ownSection) out.WriteLn();
}

void WriteNotchesAndOil(rt::TextFile& out) {
    const GlobalData& g = G;
    out.WriteLn(" Dimensions of grinding notches [mm]");
    out.WriteLn(Dashes(37));
    out.WriteLn(Pair(" tg1= ", Fixed(g.tg1, 6, 3), 11, "tg2= ", Fixed(g.tg2, 6, 3)));
    out.WriteLn(Pair(" Rog1= ", Fixed(g.Rog1, 6, 3), 10, "Rog2= ", Fixed(g.Rog2, 6, 3)));
    out.WriteLn();
    out.WriteLn(" Other obligatory factors and inputs");
    out.WriteLn(Dashes(37));
    const double viscosity = g.ViscosityGiven ? g.OilViscosity : g.OilTemperature;
    const long long temperature = g.ViscosityGiven ? 50 : 40;
    out.WriteLn(" Oil viscosity = " + Fixed(viscosity, 1, 0) + "[mm^2/sec] for " + rt::Str(temperature) + kDeg + "C");
    out.WriteLn();
}

void WriteOptionalFactors(rt::TextFile& out) {
    const GlobalData& g = G;
    out.WriteLn(" Optional input data and factors");
    out.WriteLn(Dashes(33));
    if (g.LoadInputMethod != kMultilevelLoading || !g.SpectrumLevelsShown) {
        OptionalPair(out, g.KHbetaDirect, " KHbeta= ", g.KHbeta, 14, g.KFbetaDirect, "         KFbeta= ", g.KFbeta);
        OptionalPair(out, g.KFalfaDirect, " KFalfa= ", g.KFalfa, 14, g.KHalfaDirect, "         KHalfa= ", g.KHalfa);
        // Kv is written without a line end: the next line continues it.
        if (g.KvDirect)
            out.Write(" KFv= " + Fixed(g.Kv, 5, 3));
        else if (g.LoadInputMethod == kMultilevelLoading)
            out.Write(Blanks(11));
    }
    OptionalPair(out, g.YF1Direct, " YF1= ", g.YF1, 12, g.YF2Direct, "           YF2= ", g.YF2);
    OptionalPair(out, g.YS1Direct, " YS1= ", g.YS1, 12, g.YS2Direct, "           YS2= ", g.YS2);
    OptionalPair(out, g.YSg1Direct, " YSg1= ", g.YSg1, 12, g.YSg2Direct, "          YSg2= ", g.YSg2);
    out.WriteLn(g.ZepsilonDirect ? " Zepsilon= " + Fixed(g.Zepsilon, 5, 3) : std::string());
    OptionalPair(out, g.YN1Direct, " YN1= ", g.YN1, 11, g.YN2Direct, "            YN2= ", g.YN2);
    OptionalPair(out, g.ZN1Direct, " ZN1= ", g.ZN1, 11, g.ZN2Direct, "            ZN2= ", g.ZN2);
    OptionalPair(out, g.ZBDirect, " ZB= ", g.ZB, 10, g.ZDDirect, "             ZD= ", g.ZD);
    OptionalPair(out, g.ZW2refDirect, " ZW2ref = ", g.ZW2ref, 11, g.ZW2statDirect, "   ZW2stat = ", g.ZW2stat);
    // Without ZVref the ZLref half is continued by the ZRref text or by the next line.
    if (g.ZLrefDirect || g.ZVrefDirect) {
        out.Write(g.ZLrefDirect ? " ZLref = " + Fixed(g.ZLref, 5, 3) : Blanks(11));
        if (g.ZVrefDirect) out.WriteLn("   ZVref = " + Fixed(g.ZVref, 5, 3));
    }
    if (g.ZRrefDirect) out.WriteLn("   ZRref = " + Fixed(g.ZRref, 5, 3));
    OptionalPair(out, g.YdrelT1refDirect, " YdrelT1ref = ", g.YdrelT1ref, 11, g.YdrelT2refDirect,
                 "   YdrelT2ref = ", g.YdrelT2ref);
    OptionalPair(out, g.YdrelT1statDirect, " YdrelT1stat = ", g.YdrelT1stat, 11, g.YdrelT2statDirect,
                 "   YdrelT2stat = ", g.YdrelT2stat);
    OptionalPair(out, g.YRrelT1refDirect, " YRrelT1ref = ", g.YRrelT1ref, 11, g.YRrelT2refDirect,
                 "   YRrelT2ref = ", g.YRrelT2ref);
    OptionalPair(out, g.YX1refDirect, " YX1ref = ", g.YX1ref, 11, g.YX2refDirect, "   YX2ref = ", g.YX2ref);
    OptionalPair(out, g.YM1refDirect, " YM1ref = ", g.YM1ref, 11, g.YM2refDirect, "   YM2ref = ", g.YM2ref);
    OptionalPair(out, g.YM1statDirect, " YM1stat = ", g.YM1stat, 11, g.YM2statDirect, "   YM2stat = ", g.YM2stat);
}

// ---- Results listing

// A pair line whose labels carry "ekv" unless the case is one load level.
void ResultPair(rt::TextFile& out, bool oneLevel, const std::string& name1, const std::string& name2, double v1,
                double v2, int w, int d, int blanks) {
    if (oneLevel)
        out.WriteLn(Pair(" " + name1 + "= ", Fixed(v1, w, d), blanks, name2 + "= ", Fixed(v2, w, d)));
    else
        out.WriteLn(Pair(" " + name1 + "ekv= ", Fixed(v1, w, d), blanks - 3, name2 + "ekv= ", Fixed(v2, w, d)));
}

void WriteBlockHeading(rt::TextFile& out, const std::string& title) {
    out.WriteLn();
    out.WriteLn(Blanks(21) + title);
    out.WriteLn(Dashes(50));
    out.WriteLn(Blanks(10) + "Stress in MPa and safety factors");
}

// A pair of factors, 5:3.
void WriteFactorPair(rt::TextFile& out, const char* first, double v1, int blanks, const char* second, double v2) {
    out.WriteLn(Pair(first, Fixed(v1, 5, 3), blanks, second, Fixed(v2, 5, 3)));
}

void WriteOtherFactorsHeading(rt::TextFile& out) {
    out.WriteLn();
    out.WriteLn();
    out.WriteLn(Blanks(13) + "Other factors");
}

void WriteBending(rt::TextFile& out) {
    const GlobalData& g = G;
    const bool oneLevel = g.LoadInputMethod == kOneLevelLoading;
    WriteBlockHeading(out, "BENDING  ");
    ResultPair(out, oneLevel, "SigmaF1", "SigmaF2", g.SigmaF1, g.SigmaF2, 6, 1, 14);
    ResultPair(out, oneLevel, "Sigmafpb1", "Sigmafpb2", g.SigmaFP1, g.SigmaFP2, 6, 1, 13);
    ResultPair(out, oneLevel, "SF1", "SF2", g.SF1, g.SF2, 5, 3, 19);
    out.WriteLn(
        Pair(" Sigmafpb1ref= ", Fixed(g.Sigmafpb1ref, 6, 1), 10, "Sigmafpb2ref= ", Fixed(g.Sigmafpb2ref, 6, 1)));
    out.WriteLn(
        Pair(" Sigmafpb1stat= ", Fixed(g.Sigmafpb1stat, 6, 1), 9, "Sigmafpb2stat= ", Fixed(g.Sigmafpb2stat, 6, 1)));
    out.WriteLn(Pair(" SigmaF1max= ", Fixed(g.SigmaF1max, 6, 1), 11, "SigmaF2max= ", Fixed(g.SigmaF2max, 6, 1)));
    WriteOtherFactorsHeading(out);
    WriteFactorPair(out, " KF= ", g.KF, 20, "Kv= ", g.Kv);
    WriteFactorPair(out, " KFalfa= ", g.KFalfa, 16, "KFbeta= ", g.KFbeta);
    WriteFactorPair(out, " YDT= ", g.YDT, 19, "Ybeta= ", g.Ybeta);
    WriteFactorPair(out, " YF1= ", g.YF1, 19, "YF2= ", g.YF2);
    WriteFactorPair(out, " YS1= ", g.YS1, 19, "YS2= ", g.YS2);
    WriteFactorPair(out, " YSg1= ", g.YSg1, 18, "YSg2= ", g.YSg2);
    WriteFactorPair(out, " YB1= ", g.YB1, 19, "YB2= ", g.YB2);
    WriteFactorPair(out, " YN1= ", g.YN1, 19, "YN2= ", g.YN2);
    WriteFactorPair(out, " YM1ref= ", g.YM1ref, 16, "YM2ref= ", g.YM2ref);
    WriteFactorPair(out, " YM1stat= ", g.YM1stat, 15, "YM2stat= ", g.YM2stat);
}

void WriteContact(rt::TextFile& out) {
    const GlobalData& g = G;
    const bool oneLevel = g.LoadInputMethod == kOneLevelLoading;
    WriteBlockHeading(out, "CONTACT");
    ResultPair(out, oneLevel, "SigmaH1", "SigmaH2", g.SigmaH1, g.SigmaH2, 6, 1, 14);
    ResultPair(out, oneLevel, "SigmaHP1", "SigmaHP2", g.SigmaHP1, g.SigmaHP2, 6, 1, 13);
    ResultPair(out, oneLevel, "SH1", "SH2", g.SH1, g.SH2, 5, 3, 19);
    out.WriteLn(Pair(" SigmaHP1ref= ", Fixed(g.SigmaHP1ref, 6, 1), 10, "SigmaHP2ref= ", Fixed(g.SigmaHP2ref, 6, 1)));
    out.WriteLn(Pair(" SigmaHP1stat= ", Fixed(g.SigmaHP1stat, 6, 1), 9, "SigmaHP2stat= ", Fixed(g.SigmaHP2stat, 6, 1)));
    out.WriteLn(Pair(" SigmaH1max= ", Fixed(g.SigmaH1max, 6, 1), 11, "SigmaH2max= ", Fixed(g.SigmaH2max, 6, 1)));
    WriteOtherFactorsHeading(out);
    WriteFactorPair(out, " KH= ", g.KH, 20, "Kv= ", g.Kv);
    WriteFactorPair(out, " KHalfa= ", g.KHalfa, 16, "KHbeta= ", g.KHbeta);
    out.WriteLn(" KA= " + Fixed(g.KA, 5, 3));
    WriteFactorPair(out, " Zepsilon= ", g.Zepsilon, 14, "Zbeta= ", g.Zbeta);
    out.WriteLn(Pair(" ZE= ", Fixed(g.ZE, 5, 1), 20, "ZH= ", Fixed(g.ZH, 5, 3)));
    WriteFactorPair(out, " ZB= ", g.ZB, 20, "ZD= ", g.ZD);
    WriteFactorPair(out, " ZN1= ", g.ZN1, 19, "ZN2= ", g.ZN2);
    WriteFactorPair(out, " ZL= ", g.ZL, 20, "ZV= ", g.ZV);
    out.WriteLn(" ZR= " + Fixed(g.ZR, 5, 3));
}

void WriteValidity(rt::TextFile& out) {
    GlobalData& g = G;
    out.WriteLn();
    out.WriteLn();
    out.WriteLn("    Validity restrictions for the calculation by ISO 6336");
    out.WriteLn(Dashes(61));
    out.WriteLn();
    if (g.ValidityCount <= 0) {
        out.WriteLn("   Mating gears are have no input errors by ISO 6336");
        return;
    }
    g.ValidityIndex = 1;
    const int count = g.ValidityCount < kValiditySlots ? g.ValidityCount : kValiditySlots;
    for (int k = 0; k < count; ++k) {
        for (const std::string& line : SplitValidityMessage()) out.WriteLn(line);
        out.WriteLn(std::string(40, '_'));
    }
}

}  // namespace

std::string FormatListingNumber(double x) {
    std::string s = x > 99999 ? rt::FormatFloat(kLargeFormat, x) : Fixed(x, 5, 0);
    if (x < 10) s = Fixed(x, 5, 1);
    return s;
}

void WriteInputListing(rt::TextFile& out, const ListingStamp& stamp) {
    const GlobalData& g = G;
    out.WriteLn(" Input data for a gears load capacity calculation by ISO 6336");
    out.WriteLn(Dashes(61));
    WriteStamp(out, stamp);
    out.WriteLn(std::string("Gearing - ") + (g.GearingType == kExternalPair ? "External" : "Internal"));
    out.WriteLn(g.MethodC ? "Calculation method - ISO 6336 - C " : "Calculation method - ISO 6336 - B ");
    out.WriteLn();
    WriteGeometry(out);
    WriteMaterials(out);
    WriteDimensions(out);
    WriteAccuracy(out);
    WriteLoading(out);
    if (g.LifeValid) WriteServiceLife(out, true);
    WriteLevelFactors(out);
    WriteFaceLoadFactor(out);
    WriteNotchesAndOil(out);
    WriteOptionalFactors(out);
}

void WriteResultsListing(rt::TextFile& out, const ListingStamp& stamp) {
    out.WriteLn(" Results of the gears load capacity calculation by ISO 6336");
    out.WriteLn(Dashes(60));
    WriteStamp(out, stamp);
    if (G.LifeValid) WriteServiceLife(out, false);
    WriteBending(out);
    WriteContact(out);
    WriteValidity(out);
}

}  // namespace karvelo
