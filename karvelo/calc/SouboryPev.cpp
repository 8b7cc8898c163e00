// The data file (.PEV): one item a line, in a fixed order; whether an optional line is present
// follows from values that come earlier in the same file.  One walk over the sections serves the
// writer and the reader, so both follow the same order and the same presence tests.
//
// After the fixed sections a file may hold a last section with the inputs that they do not hold.
// It is written only for a case in which one of those inputs differs from what a file without it
// reads as, so every other case keeps the fixed layout, and a file without it reads as before.
// The section begins with a line of its own that marks it; anything else after the last line of
// the fixed sections (a remark, a blank, an end-of-file character) is not the case's and is
// ignored.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <iterator>
#include <limits>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "karvelo/calc/InputRules.h"
#include "karvelo/calc/MaterialClasses.h"
#include "karvelo/calc/Soubory.h"
#include "runtime/NumText.h"
#include "runtime/Rounding.h"
#include "runtime/TextLine.h"

namespace karvelo {
namespace {

const std::string kDataHeader = "This file is designated for data loading, IT MUST NOT BE CHANGED !!";
// The first line of the last section.
const std::string kLastSectionMark = "Further inputs of the case, IT MUST NOT BE CHANGED !!";
constexpr int kFlagLineLength = 76;
constexpr int kKHbetaFlagPosition = 31;

using Flag = bool GlobalData::*;
using Value = double GlobalData::*;

struct FlagPosition {
    int position;
    Flag flag;
};

// Line 2: positions 1, 2 and 6 hold GearingType, LoadInputMethod and CalcMethodics as digits.
const FlagPosition kFlagLine[] = {
    {3, &GlobalData::aGiven},
    {4, &GlobalData::da1Given},
    {5, &GlobalData::da2Given},
    {7, &GlobalData::LoadAsForce},
    {8, &GlobalData::SpectrumInCycles},
    {9, &GlobalData::SpectrumAbsolute},
    {10, &GlobalData::SpectrumRatioMaxTo},
    {11, &GlobalData::SpectrumRatioToMax},
    {12, &GlobalData::SpectrumRatioToMin},
    {13, &GlobalData::SpectrumXMode},
    {14, &GlobalData::EquivKaFigA3},
    {15, &GlobalData::EquivMiner},
    {16, &GlobalData::EquivKaEqA2},
    {17, &GlobalData::EquivHaibach},
    {18, &GlobalData::FullPinion},
    {19, &GlobalData::FullWheel},
    {20, &GlobalData::cDirect},
    {21, &GlobalData::JDirect},
    {22, &GlobalData::mredISO},
    {23, &GlobalData::fpr1Measured},
    {24, &GlobalData::fpr2Measured},
    {25, &GlobalData::fHbeta1Measured},
    {26, &GlobalData::fHbeta2Measured},
    {27, &GlobalData::ffalfa1Measured},
    {28, &GlobalData::ffalfa2Measured},
    {29, &GlobalData::cbetaDirect},
    {30, &GlobalData::cIDirect},
    {31, &GlobalData::KHbetaDirect},
    {32, &GlobalData::KFalfaDirect},
    {33, &GlobalData::KHalfaDirect},
    {34, &GlobalData::KvDirect},
    {35, &GlobalData::HypothesisHaibach},
    {36, &GlobalData::KFbetaDirect},
    {37, &GlobalData::YF1Direct},
    {38, &GlobalData::YF2Direct},
    {39, &GlobalData::YS1Direct},
    {40, &GlobalData::YS2Direct},
    {41, &GlobalData::YSg1Direct},
    {42, &GlobalData::YSg2Direct},
    {43, &GlobalData::YN1Direct},
    {44, &GlobalData::YN2Direct},
    {45, &GlobalData::ZN1Direct},
    {46, &GlobalData::ZN2Direct},
    {47, &GlobalData::ZBDirect},
    {48, &GlobalData::ZDDirect},
    {49, &GlobalData::ZLrefDirect},
    {50, &GlobalData::ZVrefDirect},
    {51, &GlobalData::ZRrefDirect},
    {52, &GlobalData::ZW2refDirect},
    {53, &GlobalData::ZW2statDirect},
    {54, &GlobalData::ViscosityGiven},
    {55, &GlobalData::YdrelT1refDirect},
    {56, &GlobalData::YdrelT1statDirect},
    {57, &GlobalData::YdrelT2refDirect},
    {58, &GlobalData::YdrelT2statDirect},
    {59, &GlobalData::YRrelT1refDirect},
    {60, &GlobalData::YRrelT2refDirect},
    {61, &GlobalData::YX1refDirect},
    {62, &GlobalData::YX2refDirect},
    {63, &GlobalData::ReservedFactorDirect},
    {64, &GlobalData::ZepsilonDirect},
    {65, &GlobalData::LifeValid},
    {66, &GlobalData::YM1refDirect},
    {67, &GlobalData::YM2refDirect},
    {68, &GlobalData::YM1statDirect},
    {69, &GlobalData::YM2statDirect},
    {70, &GlobalData::MethodC},
    {71, &GlobalData::fshDirect},
    {72, &GlobalData::fmaDirect},
    {73, &GlobalData::fsh2Direct},
    {74, &GlobalData::fcaDirect},
    {75, &GlobalData::fbeDirect},
    {76, &GlobalData::SpectrumLevelsShown},
};

const Value kGeometry[] = {
    &GlobalData::z1,   &GlobalData::z2,   &GlobalData::mn,    &GlobalData::alfan, &GlobalData::beta, &GlobalData::x1,
    &GlobalData::x2,   &GlobalData::a,    &GlobalData::da1,   &GlobalData::da2,   &GlobalData::haP1, &GlobalData::haP2,
    &GlobalData::caP1, &GlobalData::caP2, &GlobalData::RofP1, &GlobalData::RofP2,
};

const Value kMaterialValues[] = {
    &GlobalData::SigmaFlim1, &GlobalData::SigmaFlim2, &GlobalData::SigmaHlim1, &GlobalData::SigmaHlim2,
    &GlobalData::HV1,        &GlobalData::HV2,        &GlobalData::HV1core,    &GlobalData::HV2core,
    &GlobalData::Rm1,        &GlobalData::Rm2,        &GlobalData::Re1,        &GlobalData::Re2,
    &GlobalData::RzH1,       &GlobalData::RzH2,       &GlobalData::RzF1,       &GlobalData::RzF2,
    &GlobalData::E1,         &GlobalData::E2,         &GlobalData::Ny1,        &GlobalData::Ny2,
    &GlobalData::ro_steel1,  &GlobalData::ro_steel2,  &GlobalData::NHlim1,     &GlobalData::NHlim2,
    &GlobalData::NFlim1,     &GlobalData::NFlim2,     &GlobalData::qH1,        &GlobalData::qH2,
    &GlobalData::qF1,        &GlobalData::qF2,
};

const Value kGearDimensions[] = {
    &GlobalData::b1,  &GlobalData::b2,  &GlobalData::bs1, &GlobalData::bs2, &GlobalData::sR1, &GlobalData::sR2,
    &GlobalData::sd1, &GlobalData::sd2, &GlobalData::dh1, &GlobalData::dh2, &GlobalData::db,
};

// The six deviations: the allowable value is stored while its flag is set, the actual one after.
struct Deviation {
    Flag tolerance;
    Value allowable;
    Value actual;
};
const Deviation kDeviations[] = {
    {&GlobalData::fpr1Measured, &GlobalData::fp1, &GlobalData::fpr1act},
    {&GlobalData::fpr2Measured, &GlobalData::fp2, &GlobalData::fpr2act},
    {&GlobalData::fHbeta1Measured, &GlobalData::fHbeta1, &GlobalData::fHbeta1act},
    {&GlobalData::fHbeta2Measured, &GlobalData::fHbeta2, &GlobalData::fHbeta2act},
    {&GlobalData::ffalfa1Measured, &GlobalData::ffalfa1, &GlobalData::ffalfa1act},
    {&GlobalData::ffalfa2Measured, &GlobalData::ffalfa2, &GlobalData::ffalfa2act},
};

// Factors given directly: a line each, present when its flag is set, and what the field of the
// other factors window takes (none: no field gives it).  The KHbeta window takes KHbeta from 1,
// the other factors window from above 0; the union holds.
bool Positive(double x) { return x > 0; }
struct DirectFactor {
    Value value;
    Flag given;
    bool (*accepted)(double);
};
const DirectFactor kDirectFactors[] = {
    {&GlobalData::KFalfa, &GlobalData::KFalfaDirect, Positive},
    {&GlobalData::KHalfa, &GlobalData::KHalfaDirect, Positive},
    {&GlobalData::KHbeta, &GlobalData::KHbetaDirect, Positive},  // stored by the KHbeta line test, see WalkSections
    {&GlobalData::Kv, &GlobalData::KvDirect, Positive},
    {&GlobalData::KFbeta, &GlobalData::KFbetaDirect, Positive},
    {&GlobalData::YF1, &GlobalData::YF1Direct, Positive},
    {&GlobalData::YF2, &GlobalData::YF2Direct, Positive},
    {&GlobalData::YS1, &GlobalData::YS1Direct, Positive},
    {&GlobalData::YS2, &GlobalData::YS2Direct, Positive},
    {&GlobalData::YSg1, &GlobalData::YSg1Direct, Positive},
    {&GlobalData::YSg2, &GlobalData::YSg2Direct, Positive},
    {&GlobalData::YN1, &GlobalData::YN1Direct, nullptr},
    {&GlobalData::YN2, &GlobalData::YN2Direct, nullptr},
    {&GlobalData::ZN1, &GlobalData::ZN1Direct, nullptr},
    {&GlobalData::ZN2, &GlobalData::ZN2Direct, nullptr},
    {&GlobalData::ZB, &GlobalData::ZBDirect, Positive},
    {&GlobalData::ZD, &GlobalData::ZDDirect, Positive},
    {&GlobalData::ZLref, &GlobalData::ZLrefDirect, Positive},
    {&GlobalData::ZVref, &GlobalData::ZVrefDirect, Positive},
    {&GlobalData::ZRref, &GlobalData::ZRrefDirect, Positive},
    {&GlobalData::ZW2ref, &GlobalData::ZW2refDirect, Positive},
    {&GlobalData::ZW2stat, &GlobalData::ZW2statDirect, Positive},
    {&GlobalData::YdrelT1ref, &GlobalData::YdrelT1refDirect, Positive},
    {&GlobalData::YdrelT2ref, &GlobalData::YdrelT2refDirect, Positive},
    {&GlobalData::YdrelT1stat, &GlobalData::YdrelT1statDirect, Positive},
    {&GlobalData::YdrelT2stat, &GlobalData::YdrelT2statDirect, Positive},
    {&GlobalData::YRrelT1ref, &GlobalData::YRrelT1refDirect, Positive},
    {&GlobalData::YRrelT2ref, &GlobalData::YRrelT2refDirect, Positive},
    {&GlobalData::YX1ref, &GlobalData::YX1refDirect, Positive},
    {&GlobalData::YX2ref, &GlobalData::YX2refDirect, Positive},
    {&GlobalData::ReservedFactor, &GlobalData::ReservedFactorDirect, nullptr},
    {&GlobalData::Zepsilon, &GlobalData::ZepsilonDirect, Positive},
    {&GlobalData::YM1ref, &GlobalData::YM1refDirect, AcceptMeanStressFactor},
    {&GlobalData::YM2ref, &GlobalData::YM2refDirect, AcceptMeanStressFactor},
    {&GlobalData::YM1stat, &GlobalData::YM1statDirect, AcceptMeanStressFactor},
    {&GlobalData::YM2stat, &GlobalData::YM2statDirect, AcceptMeanStressFactor},
};

// Ranges the reader accepts (and the writer therefore requires).
struct Range {
    int low, high;
    const char* what;
    bool Holds(long long v) const { return v >= low && v <= high; }
};
constexpr Range kGearingTypes{kExternalPair, kInternalPair, "gearing type"};
constexpr Range kLoadInputMethods{kOneLevelLoading, kDirectEquivalentLoad, "method of load input"};
constexpr Range kCalcMethodics{kMethodicsFigA3, kMethodicsHaibach, "calculation methodics"};
constexpr Range kLevelCounts{1, kMaxLevels, "number of levels"};
constexpr Range kAccuracyGrades{1, 11, "accuracy grade"};
constexpr Range kHelixModifications{kNoHelixModification, kEndRelief, "helix modification"};

// Bounds of a number of the last section: low < v (or low <= v when lowIncluded) and v <= high.
struct Bounds {
    double low, high;
    bool lowIncluded;
    const char* what;
    bool Holds(double v) const { return (lowIncluded ? v >= low : v > low) && v <= high; }
};
constexpr double kUnbounded = std::numeric_limits<double>::max();
constexpr Bounds kProtuberances{0, kUnbounded, true, "protuberance size"};
constexpr Bounds kCutterTeeth{0, kUnbounded, false, "number of teeth of the cutter"};
constexpr Bounds kCutterShifts{-2, 3, true, "shift coefficient of the cutter"};
constexpr Bounds kStaticLifeFactors{1, kUnbounded, false, "static life factor"};
constexpr Bounds kStaticCycles{0, kUnbounded, true, "number of cycles of the static strength"};
constexpr Bounds kSafetyFactors{0, kUnbounded, true, "safety factor"};

// The safety factors of the service-life calculation: required ones or results.
const Value kLifeSafetyFactors[] = {&GlobalData::SF1life, &GlobalData::SH1life, &GlobalData::SF2life,
                                    &GlobalData::SH2life};

// The last section, one item a line in this order: a number within its bounds or a flag text.
struct LastSectionItem {
    Value number;
    const Bounds* bounds;
    Flag flag;
};
const LastSectionItem kLastSection[] = {
    {&GlobalData::Protub1, &kProtuberances, nullptr},
    {&GlobalData::Protub2, &kProtuberances, nullptr},
    {&GlobalData::z0, &kCutterTeeth, nullptr},
    {&GlobalData::x0, &kCutterShifts, nullptr},
    {nullptr, nullptr, &GlobalData::PinionShrinkFitted},
    {&GlobalData::ZNT1stat, &kStaticLifeFactors, nullptr},
    {&GlobalData::ZNT2stat, &kStaticLifeFactors, nullptr},
    {&GlobalData::NLstatH1, &kStaticCycles, nullptr},
    {&GlobalData::NLstatH2, &kStaticCycles, nullptr},
    {&GlobalData::NLstatF1, &kStaticCycles, nullptr},
    {&GlobalData::NLstatF2, &kStaticCycles, nullptr},
    {nullptr, nullptr, &GlobalData::LifeFromSafety},
    {&GlobalData::SF1life, &kSafetyFactors, nullptr},
    {&GlobalData::SH1life, &kSafetyFactors, nullptr},
    {&GlobalData::SF2life, &kSafetyFactors, nullptr},
    {&GlobalData::SH2life, &kSafetyFactors, nullptr},
};

// The data file stores KHbeta (and sets position 31) when KHbeta was entered directly or the
// method is "primo", the one method under which a reader takes KHbeta as entered.
bool StoresKHbeta(const GlobalData& g) { return g.KHbetaDirect || g.KHbetaMethod == "primo"; }

// Section I and the last-level stresses of section H have one row per level of a spectrum and
// one otherwise, whatever LevelCount a one-level case still holds (the reader sets it to 1).
int StoredLevels(const GlobalData& g) { return g.LoadInputMethod == kMultilevelLoading ? g.LevelCount : 1; }

std::string OutOfRange(long long v, const Range& range) {
    return std::string(range.what) + " " + std::to_string(v) + " outside " + std::to_string(range.low) + ".." +
           std::to_string(range.high);
}

std::string OutOfBounds(double v, const Bounds& bounds) {
    const auto text = [](double x) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%g", x);
        return std::string(buffer);
    };
    return std::string(bounds.what) + " " + text(v) + " outside " + (bounds.lowIncluded ? "" : "above ") +
           text(bounds.low) + (bounds.high < kUnbounded ? ".." + text(bounds.high) : "");
}

// The decimal text of a selector or count the reader will accept.
std::string Checked(long long v, const Range& range) {
    if (!range.Holds(v)) throw rt::FileError("the case cannot be stored: " + OutOfRange(v, range));
    return std::to_string(v);
}

// ---- Writer

class DataWriter {
public:
    static constexpr bool kReading = false;
    std::vector<std::string> lines;

    void Number(double& x) { lines.push_back(Real(x)); }
    void Row(std::initializer_list<double*> values) {
        std::string line;
        for (double* x : values) {
            if (!line.empty()) line += ' ';
            line += Real(*x);
        }
        lines.push_back(line);
    }
    void Bcal(double& x) {
        Real(x);
        lines.push_back(rt::Str(x, 4, 1));
    }
    void Text(std::string& s) { lines.push_back(rt::OneLine(s)); }
    void FlagText(bool& f) { lines.push_back(f ? "1" : "0"); }
    void Pitting(bool& first, bool& second) { lines.push_back(std::string(first ? "1" : "0") + (second ? "1" : "0")); }
    void Count(std::int16_t& n, const Range& range) {
        std::string line(1, ' ');
        lines.push_back(line.append(Checked(n, range)));
    }
    void Grades(std::int16_t& first, std::int16_t& second) {
        lines.push_back(Checked(first, kAccuracyGrades) + " " + Checked(second, kAccuracyGrades));
    }
    void Integer(std::int16_t& n, const Range& range) { lines.push_back(Checked(n, range)); }
    void Bounded(double& x, const Bounds& bounds) {
        if (!bounds.Holds(x)) throw rt::FileError("the case cannot be stored: " + OutOfBounds(x, bounds));
        Number(x);
    }
    void ExactFlagText(bool& f) { FlagText(f); }

private:
    std::string Real(double x) const {
        if (!std::isfinite(x))
            throw rt::FileError("the case cannot be stored: line " + std::to_string(lines.size() + 1) +
                                " of the data file would hold " + rt::Str(x, 0, 0));
        return rt::StrReal(x);
    }
};

// ---- Reader

class DataReader {
public:
    static constexpr bool kReading = true;
    explicit DataReader(rt::TextFile& in) : in_(in) {}

    void Number(double& x) {
        std::string line = NextLine();
        line.erase(line.find_last_not_of(" \t") + 1);  // npos + 1 = 0 empties an all-blank line
        double value = 0;
        int code = 0;
        rt::Val(line, value, code);
        if (code != 0) Fail("is not a number");
        x = value;
    }
    void Row(std::initializer_list<double*> values) {
        std::vector<double> read = in_.ReadNumbers(static_cast<int>(values.size()));
        auto it = read.begin();
        for (double* x : values) *x = *it++;
    }
    void Bcal(double& x) { Number(x); }
    // A lone CR inside the line is a line break too (lines end at LF): it becomes a blank.
    void Text(std::string& s) { s = rt::OneLine(in_.ReadLn()); }
    void FlagText(bool& f) { f = in_.ReadLn() == "1"; }
    void Pitting(bool& first, bool& second) {
        const std::string line = in_.ReadLn();
        first = Digit(line, 1) == 1;
        second = Digit(line, 2) == 1;
    }
    void Count(std::int16_t& n, const Range& range) { n = InRange(in_.ReadInteger(), range); }
    void Grades(std::int16_t& first, std::int16_t& second) {
        const std::string line = in_.ReadLn();
        const size_t start = line.find_first_not_of(' ');
        const size_t blank = line.find(' ', start == std::string::npos ? 0 : start);
        if (start == std::string::npos || blank == std::string::npos) Fail("does not hold two accuracy grades");
        first = InRange(WholeNumber(line.substr(0, blank)), kAccuracyGrades);
        second = InRange(WholeNumber(line.substr(blank)), kAccuracyGrades);
    }
    void Integer(std::int16_t& n, const Range& range) { n = InRange(in_.ReadInteger(), range); }
    void Bounded(double& x, const Bounds& bounds) {
        Number(x);
        if (!bounds.Holds(x)) Fail("holds the " + OutOfBounds(x, bounds));
    }
    // Exactly '1' or '0'.
    void ExactFlagText(bool& f) {
        const std::string line = NextLine();
        if (line != "1" && line != "0") Fail("holds \"" + line + "\" where a flag 1 or 0 belongs");
        f = line == "1";
    }
    // What follows the fixed sections (empty lines between them aside): the last section's mark,
    // which is passed; a number as the writer writes it, which may be the first item of a section
    // written before the section had its mark; or anything else, which is no section.
    enum class Tail { None, Marked, Unmarked };
    Tail WhatFollows() {
        while (!in_.Eof()) {
            std::string line = in_.ReadLn();
            if (line.empty()) continue;
            if (line.substr(0, line.find_last_not_of(" \t") + 1) == kLastSectionMark) return Tail::Marked;
            double value = 0;
            int code = 0;
            rt::Val(line, value, code);
            if (code != 0 || line != rt::StrReal(value)) return Tail::None;
            pending_ = std::move(line);
            return Tail::Unmarked;
        }
        return Tail::None;
    }

    // Line 2: the three selectors and the flags.  A short line leaves the missing flags False.
    void FlagLine(GlobalData& g) {
        const std::string line = ToShortString(in_.ReadLn());
        g.GearingType = InRange(Digit(line, 1), kGearingTypes);
        g.LoadInputMethod = InRange(Digit(line, 2), kLoadInputMethods);
        g.CalcMethodics = InRange(Digit(line, 6), kCalcMethodics);
        for (const FlagPosition& f : kFlagLine)
            g.*f.flag = static_cast<int>(line.size()) >= f.position && line[f.position - 1] == '1';
    }

    [[noreturn]] void Fail(const std::string& what) const {
        throw rt::FileError("line " + std::to_string(in_.LineNumber()) + " of " + in_.Name() + " " + what);
    }

private:
    int Digit(const std::string& line, int position) const {
        if (static_cast<int>(line.size()) < position || line[position - 1] < '0' || line[position - 1] > '9')
            Fail("holds no digit at position " + std::to_string(position));
        return line[position - 1] - '0';
    }
    long long WholeNumber(std::string text) const {
        text.erase(text.find_last_not_of(' ') + 1);
        long long v = 0;
        int code = 0;
        rt::Val(text, v, code);
        if (code != 0) Fail("holds \"" + text + "\" where a whole number belongs");
        return v;
    }
    std::int16_t InRange(long long v, const Range& range) const {
        if (!range.Holds(v)) Fail("holds the " + OutOfRange(v, range));
        return static_cast<std::int16_t>(v);
    }

    std::string NextLine() {
        if (!pending_) return in_.ReadLn();
        std::string line = std::move(*pending_);
        pending_.reset();
        return line;
    }

    rt::TextFile& in_;
    std::optional<std::string> pending_;  // a line read ahead by WhatFollows
};

// Required lives of a spectrum from its x values: the last one when they are cumulative, else
// their sum; the wheel's cycles from the pinion's.
void DeriveSpectrumLives(GlobalData& g) {
    Extended S = 0;
    if (g.SpectrumXMode) {
        S = g.SpectrumX[g.LevelCount];
    } else {
        for (int i = 1; i <= g.LevelCount; ++i) S += g.SpectrumX[i];
    }
    g.NL1 = static_cast<double>(S);
    if (!g.SpectrumInCycles) {
        g.NL1h = static_cast<double>(S);
        g.NL2h = static_cast<double>(S);
    }
    g.NL2 = g.SpectrumInCycles ? static_cast<double>(S * g.z1 / std::fabs(g.z2)) : static_cast<double>(S);
}

// The viscosity not stored, from the one stored: the 50 degree value from the 40 degree value or
// the reverse, to whole mm^2/s (halves to even).
void DeriveOtherViscosity(GlobalData& g) {
    if (g.ViscosityGiven)
        g.OilTemperature = rt::Round(static_cast<double>(1.82411L * g.OilViscosity - 9.3480569L));
    else
        g.OilViscosity = rt::Round(static_cast<double>((g.OilTemperature + 9.3480569L) / 1.82411L));
}

// Sections C to N.  Presence tests read the values in memory (writer) or read so far (reader).
template <class Io>
void WalkSections(Io& io, GlobalData& g) {
    constexpr bool reading = Io::kReading;
    // Whether section M holds KHbeta: the writer's rule, which position 31 of line 2 records.
    const bool khbetaStored = reading ? g.KHbetaDirect : StoresKHbeta(g);

    // C. Geometry
    for (Value v : kGeometry) io.Number(g.*v);

    // D. Material values
    for (Value v : kMaterialValues) io.Number(g.*v);

    // E. Pitting and Haibach exponents
    io.Pitting(g.PittingAllowed1, g.PittingAllowed2);
    if (g.HypothesisHaibach) {
        io.Number(g.qH_1);
        io.Number(g.qH_2);
        io.Number(g.qF_1);
        io.Number(g.qF_2);
    }

    // F. Material texts
    for (ShortString* s : {&g.MaterialCode1, &g.MaterialCode2}) io.Text(*s);
    io.Text(g.MatDesignation1);
    io.Text(g.MatDesignation2);
    for (ShortString* s : {&g.MaterialForm1, &g.MaterialForm2, &g.HardnessUnit1, &g.HardnessUnit2}) io.Text(*s);
    if (g.MaterialCode1 != kOtherMaterial) io.Text(g.QualityGrade1);
    if (g.MaterialCode2 != kOtherMaterial) io.Text(g.QualityGrade2);

    // G. Loading
    double& load = g.LoadAsForce ? g.Ftjm : g.Tjm;
    double& life1 = g.SpectrumInCycles ? g.NL1 : g.NL1h;
    double& life2 = g.SpectrumInCycles ? g.NL2 : g.NL2h;
    if (reading && g.LoadInputMethod != kMultilevelLoading) g.LevelCount = 1;
    switch (g.LoadInputMethod) {
        case kOneLevelLoading:
            for (double* x : {&load, &g.n1, &life1, &life2, &g.R1, &g.R2, &g.KA}) io.Number(*x);
            break;
        case kDirectEquivalentLoad:
            // No KA line: the given equivalent loads hold it.  Their factors are 1 unless the file
            // gives them (service-life row, directly given factors).
            if (reading) SetEquivalentLoadFactorsToOne(g);
            for (double* x : {&g.n1, &life1, &life2, &g.R1, &g.R2}) io.Number(*x);
            break;
        default:
            if (g.CalcMethodics == kMethodicsFigA3 || g.CalcMethodics == kMethodicsEqA2) io.Number(load);
            for (double* x : {&g.n1, &g.R1, &g.R2, &g.KA}) io.Number(*x);
            io.Count(g.LevelCount, kLevelCounts);
            for (int i = 1; i <= g.LevelCount; ++i) io.Row({&g.SpectrumY[i], &g.SpectrumX[i], &g.n1Level[i]});
            if (reading) DeriveSpectrumLives(g);
            break;
    }
    const int levels = StoredLevels(g);

    // H. Equivalent loads and related values
    if (g.LoadInputMethod > kOneLevelLoading) {
        if (g.LoadAsForce)
            for (double* x : {&g.FtFe1, &g.FtHe1, &g.FtFe2, &g.FtHe2}) io.Number(*x);
        else
            for (double* x : {&g.TFe1, &g.THe1, &g.TFe2, &g.THe2}) io.Number(*x);
    }
    if (SpectrumByDamage(g))
        for (double* x : {&g.SigmaF1ekv, &g.SigmaH1ekv, &g.SigmaF2ekv, &g.SigmaH2ekv}) io.Number(*x);
    if (SpectrumByDamage(g) || g.LifeValid)
        for (TLevelArray* column : {&g.SigmaF1Level, &g.SigmaH1Level, &g.SigmaF2Level, &g.SigmaH2Level})
            io.Number((*column)[levels]);
    if (g.SpectrumRatioToMax || g.SpectrumRatioMaxTo) io.Number(g.LoadAsForce ? g.Ftmax : g.Tmax);
    if (g.SpectrumRatioToMin) io.Number(g.LoadAsForce ? g.Ftmin : g.Tmin);

    // I. Service life
    if (g.LifeValid) {
        io.FlagText(g.LifeFromSafety);
        io.FlagText(g.LifeInHours);
        for (double* x : {&g.SF1life, &g.SH1life, &g.SF2life, &g.SH2life}) io.Number(*x);
        if (g.LifeFromSafety)
            for (double* x : {&g.LF1, &g.LH1, &g.LF2, &g.LH2}) io.Number(*x);
        for (int i = 1; i <= levels; ++i)
            io.Row({&g.KHbetaLevel[i], &g.KHalfaLevel[i], &g.KFalfaLevel[i], &g.KvLevel[i]});
        io.Row({&g.KHbetaEkv, &g.KFbetaEkv, &g.KHalfaEkv, &g.KFalfaEkv, &g.KvEkv});
    }

    // J. Dimensions and accuracy
    for (Value v : kGearDimensions) io.Number(g.*v);
    if (g.cDirect) io.Number(g.cprime);
    if (g.JDirect) {
        io.Number(g.J1);
        io.Number(g.J2);
    }
    io.Grades(g.IT1, g.IT2);
    for (const Deviation& d : kDeviations)
        if (g.*d.tolerance) io.Number(g.*d.allowable);
    for (const Deviation& d : kDeviations)
        if (!(g.*d.tolerance)) io.Number(g.*d.actual);

    // K. Face load factor method
    io.Text(g.KHbetaMethod);
    if (reading) {
        g.KHbetaMethod = ToShortString(g.KHbetaMethod);
        g.KHbetaDirect = g.KHbetaMethod == "primo";
        g.ShaftDataHeld = g.KHbetaMethod == "ISO_C";  // a method C case holds its shaft data
    }
    if (g.KHbetaMethod == "bcal") io.Bcal(g.bcal);
    if (g.KHbetaMethod == "ISO_C") {
        for (ShortString* s : {&g.KHbetaCalcVariant, &g.KHbetaCase2, &g.KHbetaCase, &g.ContactInfluence}) io.Text(*s);
        for (double* x : {&g.s1, &g.l1, &g.dsh1}) io.Number(*x);
        io.Integer(g.HelixModification, kHelixModifications);
        for (double* x : {&g.cI, &g.cbeta, &g.bred}) io.Number(*x);
        if (g.KHbetaCalcVariant == "c")
            for (double* x : {&g.fsh, &g.fma, &g.fsh2, &g.fca, &g.fbe}) io.Number(*x);
    }

    // L. Grinding notch and oil
    for (double* x : {&g.tg1, &g.tg2, &g.Rog1, &g.Rog2}) io.Number(*x);
    io.Number(g.ViscosityGiven ? g.OilViscosity : g.OilTemperature);
    if (reading) DeriveOtherViscosity(g);

    // M. Factors given directly
    for (const DirectFactor& f : kDirectFactors) {
        const bool stored = f.given == &GlobalData::KHbetaDirect ? khbetaStored : g.*f.given;
        if (stored) io.Number(g.*f.value);
    }

    // N. Per-level factors
    if (g.LoadInputMethod == kMultilevelLoading && g.SpectrumLevelsShown && g.LevelCount >= 1) {
        for (int i = 1; i <= g.LevelCount; ++i)
            io.Row({&g.KHbetaLevel[i], &g.KHalfaLevel[i], &g.KFalfaLevel[i], &g.KvLevel[i], &g.KFbetaLevel[i]});
        if (reading) ComputeLevelFactorProducts(g, g.LevelCount);
    }
}

// The last section.  Reading it sets the service-life choice's counterpart as the service-life
// window keeps it.
template <class Io>
void WalkLastSection(Io& io, GlobalData& g) {
    for (const LastSectionItem& item : kLastSection) {
        if (item.flag)
            io.ExactFlagText(g.*item.flag);
        else
            io.Bounded(g.*item.number, *item.bounds);
    }
    if (Io::kReading) g.LifeInHours = !g.LifeFromSafety;
}

// The inputs of the last section as a file of `g` without that section reads them.
GlobalData ReadWithoutLastSection(const GlobalData& g) {
    GlobalData read = g;
    SetUnstoredInputs(read);
    // Section I holds the service-life choice and safety factors of current service-life results.
    if (g.LifeValid) {
        read.LifeFromSafety = g.LifeFromSafety;
        read.LifeInHours = g.LifeInHours;
        for (Value sf : kLifeSafetyFactors) read.*sf = g.*sf;
    }
    DeriveUnstoredInputs(read);
    return read;
}

// Material and option texts are short strings: what a file holds beyond 255 characters is cut.
void CutShortStrings(GlobalData& g) {
    for (int k = 1; k <= TMaterialStrings::kStrings; ++k) g.MaterialString(k) = ToShortString(g.MaterialString(k));
}

// ---- Values the input windows refuse

// A number the windows' fields take only as a whole number.
bool Whole(double x) { return x == std::trunc(x); }
// An angle the file holds in radians, in the degrees it was typed in.
double Degrees(double radians) { return rt::StoredReal(radians / (std::numbers::pi / 180)); }
template <class... Values>
bool AllPositive(Values... x) {
    return ((x > 0) && ...);
}
template <class... Values>
bool NoneNegative(Values... x) {
    return ((x >= 0) && ...);
}
bool External(const GlobalData& g) { return g.GearingType == kExternalPair; }

// The values of the fixed sections that a window's field takes within a range, with that range.
// Left out are values the program itself may set outside the range their field takes (the root
// radius cut to its limit, KA of an approximate spectrum, the shaft of a small gear, the other
// viscosity, material values of the ISO table, computed moments of inertia and stiffness kept
// as given, the lives), values whose rule involves values of other windows (the shift sum, the
// centre distance, the reduced face width) and values no field takes; the calculation judges
// those.  A body dimension that does not apply is 0, which
// its field does not take but shows as not applicable.  A value stored only under a flag or a
// method is judged only when the file holds it.
struct FieldRange {
    const char* field;  // the field and its window
    bool (*accepted)(const GlobalData& g);
};
const FieldRange kFieldRanges[] = {
    {"z1 in the geometry window", [](const GlobalData& g) { return Whole(g.z1) && g.z1 >= 4; }},
    {"z2 in the geometry window",
     [](const GlobalData& g) { return Whole(g.z2) && (External(g) ? g.z2 >= 4 : g.z2 <= -4); }},
    {"mn in the geometry window", [](const GlobalData& g) { return g.mn > 0; }},
    {"beta in the geometry window", [](const GlobalData& g) { return Degrees(g.beta) >= 0 && Degrees(g.beta) < 90; }},
    {"alfan in the geometry window",
     [](const GlobalData& g) { return Degrees(g.alfan) >= 1 && Degrees(g.alfan) <= 50; }},
    {"h*aP, c*P in the geometry window",
     [](const GlobalData& g) { return NoneNegative(g.haP1, g.haP2, g.caP1, g.caP2); }},
    {"da1, da2 in the geometry window",
     [](const GlobalData& g) { return g.da1 > 0 && (External(g) ? g.da2 > 0 : g.da2 < 0); }},
    {"E, ro in the materials window",
     [](const GlobalData& g) { return AllPositive(g.E1, g.E2, g.ro_steel1, g.ro_steel2); }},
    {"Poisson's ratio in the materials window",
     [](const GlobalData& g) { return g.Ny1 > 0 && g.Ny1 <= 1 && g.Ny2 > 0 && g.Ny2 <= 1; }},
    {"RzH, RzF in the materials window",
     [](const GlobalData& g) { return AllPositive(g.RzH1, g.RzH2, g.RzF1, g.RzF2); }},
    {"NHlim, NFlim in the materials window",
     [](const GlobalData& g) { return AllPositive(g.NHlim1, g.NHlim2, g.NFlim1, g.NFlim2); }},
    {"nominal load in the loading window",
     [](const GlobalData& g) { return !NominalLoadIsInput(g) || (g.LoadAsForce ? g.Ftjm : g.Tjm) > 0; }},
    {"n1 in the loading window", [](const GlobalData& g) { return g.n1 > 0; }},
    {"R1, R2 in the loading window",
     [](const GlobalData& g) {
         double R1 = g.R1, R2 = g.R2;
         return AcceptStressRatio(true, R1) && AcceptStressRatio(true, R2);
     }},
    {"equivalent loads in the loading window",
     [](const GlobalData& g) {
         return g.LoadInputMethod != kDirectEquivalentLoad ||
                (g.LoadAsForce ? AllPositive(g.FtFe1, g.FtHe1, g.FtFe2, g.FtHe2)
                               : AllPositive(g.TFe1, g.THe1, g.TFe2, g.THe2));
     }},
    {"loads, cycles and speeds of the levels in the spectrum window",
     [](const GlobalData& g) {
         if (g.LoadInputMethod != kMultilevelLoading) return true;
         for (int i = 1; i <= g.LevelCount; ++i)
             if (!AllPositive(g.SpectrumY[i], g.SpectrumX[i], g.n1Level[i])) return false;
         return true;
     }},
    {"b1, b2 in the dimensions window", [](const GlobalData& g) { return AllPositive(g.b1, g.b2); }},
    {"db in the dimensions window", [](const GlobalData& g) { return FacesOverlap(g.b1, g.b2, g.db); }},
    {"sR1, sR2 in the dimensions window", [](const GlobalData& g) { return AllPositive(g.sR1, g.sR2); }},
    {"bs, sd in the dimensions window", [](const GlobalData& g) { return NoneNegative(g.bs1, g.bs2, g.sd1, g.sd2); }},
    {"ffalfa act in the accuracy window",
     [](const GlobalData& g) {
         return (g.ffalfa1Measured || g.ffalfa1act >= 0) && (g.ffalfa2Measured || g.ffalfa2act >= 0);
     }},
    {"bcal in the KHbeta window", [](const GlobalData& g) { return g.KHbetaMethod != "bcal" || g.bcal >= 0; }},
    {"s1, l1, dsh1, modification in the KHbeta method C window",
     [](const GlobalData& g) {
         return g.KHbetaMethod != "ISO_C" ||
                (g.s1 >= 0 && g.l1 > 0 && g.l1 >= 2 * g.s1 && g.dsh1 > 0 && g.cI >= 0 && g.cbeta >= 0);
     }},
    {"tg, rog in the other factors window",
     [](const GlobalData& g) { return NoneNegative(g.tg1, g.tg2, g.Rog1, g.Rog2); }},
    {"oil viscosity in the other factors window",
     [](const GlobalData& g) { return !g.ViscosityGiven || g.OilViscosity >= 0; }},
    {"factors given in the other factors window",
     [](const GlobalData& g) {
         return std::all_of(std::begin(kDirectFactors), std::end(kDirectFactors), [&](const DirectFactor& f) {
             return !f.accepted || !(g.*f.given) || f.accepted(g.*f.value);
         });
     }},
};

}  // namespace

std::vector<std::string> ComposeDataFile() { return ComposeDataFile(G); }

std::vector<std::string> ComposeDataFile(const GlobalData& of) {
    GlobalData g = of;  // the walk takes what it writes by reference
    DataWriter writer;
    writer.lines.push_back(kDataHeader);

    std::string flags(kFlagLineLength, '0');
    flags[0] = Checked(g.GearingType, kGearingTypes)[0];
    flags[1] = Checked(g.LoadInputMethod, kLoadInputMethods)[0];
    flags[5] = Checked(g.CalcMethodics, kCalcMethodics)[0];
    for (const FlagPosition& f : kFlagLine) flags[f.position - 1] = g.*f.flag ? '1' : '0';
    flags[kKHbetaFlagPosition - 1] = StoresKHbeta(g) ? '1' : '0';
    writer.lines.push_back(flags);

    WalkSections(writer, g);

    // The safety factors are inputs only while they are required ones; otherwise the section
    // holds them as read.
    const GlobalData read = ReadWithoutLastSection(g);
    GlobalData stored = g;
    if (!g.LifeFromSafety)
        for (Value sf : kLifeSafetyFactors) stored.*sf = read.*sf;
    const bool asRead = std::all_of(std::begin(kLastSection), std::end(kLastSection), [&](const LastSectionItem& i) {
        return i.flag ? stored.*i.flag == read.*i.flag : stored.*i.number == read.*i.number;
    });
    if (!asRead) {
        writer.lines.push_back(kLastSectionMark);
        WalkLastSection(writer, stored);
    }
    return writer.lines;
}

void WriteDataFile(rt::TextFile& out) {
    for (const std::string& line : ComposeDataFile()) out.WriteLn(line);
}

void ReadDataFile(rt::TextFile& in, GlobalData& g) {
    DataReader reader(in);
    in.ReadLn();  // the header, whatever it says
    reader.FlagLine(g);
    // Inputs the fixed sections do not hold are the built-in ones and what follows from the stored
    // ones, not those of the case open before; the last section, when there, gives them.
    SetUnstoredInputs(g);
    WalkSections(reader, g);
    DeriveUnstoredInputs(g);
    switch (reader.WhatFollows()) {
        case DataReader::Tail::Marked: WalkLastSection(reader, g); break;
        case DataReader::Tail::Unmarked: {
            // Taken only when read whole and valid; otherwise it is other text and ignored.
            GlobalData section = g;
            try {
                WalkLastSection(reader, section);
                g = std::move(section);
            } catch (const rt::FileError&) {
            }
            break;
        }
        case DataReader::Tail::None: break;
    }
    CutShortStrings(g);
}

const char* FieldRefusing(const GlobalData& g) {
    for (const FieldRange& r : kFieldRanges)
        if (!r.accepted(g)) return r.field;
    return nullptr;
}

}  // namespace karvelo
