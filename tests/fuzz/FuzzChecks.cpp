#include "FuzzChecks.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <utility>

#include <unistd.h>

#include "karvelo/calc/Geometrie.h"
#include "karvelo/calc/Global.h"
#include "karvelo/calc/Soubory.h"
#include "karvelo/calc/Vypocet.h"
#include "karvelo/calc/WindowHooks.h"
#include "ostrimo/calc/Geometricke_vypocty.h"
#include "ostrimo/calc/Global.h"
#include "ostrimo/calc/Kontrola_geometrie.h"
#include "ostrimo/calc/Soubory.h"
#include "runtime/Notice.h"
#include "runtime/TextFile.h"
#include "ScratchDir.h"

namespace fuzz {

namespace {

// ---------------------------------------------------------------- inputs

// A scratch file of this process (the readers and the listings work on files), in a folder of
// its own that goes when the process ends.
std::string ScratchFile(const char* name) {
    static const test_support::ScratchDir dir("fuzz");
    return dir.File(name);
}

void WriteFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// One field of the global data that an input can set from the 8 bytes of its record.
struct Field {
    std::string name;
    std::function<void(std::uint64_t)> set;
};

// A number of the case: any finite double (the readers and the fields take nothing else).
double Number(std::uint64_t raw) {
    double d = 0;
    std::memcpy(&d, &raw, sizeof d);
    return std::isfinite(d) ? d : 0.0;
}

template <class Data>
struct FieldTable {
    std::vector<Field> fields;

    void Numbers(Data& g, std::initializer_list<std::pair<const char*, double Data::*>> list) {
        for (const auto& entry : list)
            fields.push_back(
                {entry.first, [data = &g, member = entry.second](std::uint64_t r) { data->*member = Number(r); }});
    }
    void Flags(Data& g, std::initializer_list<std::pair<const char*, bool Data::*>> list) {
        for (const auto& entry : list)
            fields.push_back(
                {entry.first, [data = &g, member = entry.second](std::uint64_t r) { data->*member = r & 1; }});
    }
    template <class Int>
    void Integer(const char* name, Int& target, long long low = 0, long long count = 0) {
        // count 0: any value of the type; else low + (value modulo count)
        fields.push_back({name, [&target, low, count](std::uint64_t r) {
                              target = count ? static_cast<Int>(low + static_cast<long long>(r % count))
                                             : static_cast<Int>(r);
                          }});
    }
    void Choice(const char* name, std::string& target, std::vector<std::string> options) {
        fields.push_back(
            {name, [&target, options = std::move(options)](std::uint64_t r) { target = options[r % options.size()]; }});
    }
    // The records after the first byte, applied in order.
    void Apply(const std::uint8_t* data, std::size_t size) const {
        for (std::size_t at = 1; at + 10 <= size; at += 10) {
            const std::size_t field = (data[at] | (data[at + 1] << 8)) % fields.size();
            std::uint64_t raw = 0;
            std::memcpy(&raw, data + at + 2, sizeof raw);
            fields[field].set(raw);
        }
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const Field& f : fields) names.push_back(f.name);
        return names;
    }
};

// ---------------------------------------------------------------- Karvelo

namespace kv = karvelo;
using KD = kv::GlobalData;

const FieldTable<KD>& KarveloFields() {
    static const FieldTable<KD> table = [] {
        FieldTable<KD> t;
        KD& g = kv::G;
        t.Numbers(g, {{"z1", &KD::z1},
                      {"z2", &KD::z2},
                      {"mn", &KD::mn},
                      {"alfan", &KD::alfan},
                      {"beta", &KD::beta},
                      {"x1", &KD::x1},
                      {"x2", &KD::x2},
                      {"a", &KD::a},
                      {"da1", &KD::da1},
                      {"da2", &KD::da2},
                      {"haP1", &KD::haP1},
                      {"haP2", &KD::haP2},
                      {"caP1", &KD::caP1},
                      {"caP2", &KD::caP2},
                      {"RofP1", &KD::RofP1},
                      {"RofP2", &KD::RofP2},
                      {"z0", &KD::z0},
                      {"x0", &KD::x0}});
        t.Numbers(g, {{"SigmaFlim1", &KD::SigmaFlim1},
                      {"SigmaFlim2", &KD::SigmaFlim2},
                      {"SigmaHlim1", &KD::SigmaHlim1},
                      {"SigmaHlim2", &KD::SigmaHlim2},
                      {"HV1", &KD::HV1},
                      {"HV2", &KD::HV2},
                      {"HV1core", &KD::HV1core},
                      {"HV2core", &KD::HV2core},
                      {"Rm1", &KD::Rm1},
                      {"Rm2", &KD::Rm2},
                      {"Re1", &KD::Re1},
                      {"Re2", &KD::Re2},
                      {"RzH1", &KD::RzH1},
                      {"RzH2", &KD::RzH2},
                      {"RzF1", &KD::RzF1},
                      {"RzF2", &KD::RzF2},
                      {"E1", &KD::E1},
                      {"E2", &KD::E2},
                      {"Ny1", &KD::Ny1},
                      {"Ny2", &KD::Ny2},
                      {"ro_steel1", &KD::ro_steel1},
                      {"ro_steel2", &KD::ro_steel2},
                      {"NHlim1", &KD::NHlim1},
                      {"NHlim2", &KD::NHlim2},
                      {"NFlim1", &KD::NFlim1},
                      {"NFlim2", &KD::NFlim2},
                      {"qH1", &KD::qH1},
                      {"qH2", &KD::qH2},
                      {"qF1", &KD::qF1},
                      {"qF2", &KD::qF2},
                      {"qH_1", &KD::qH_1},
                      {"qH_2", &KD::qH_2},
                      {"qF_1", &KD::qF_1},
                      {"qF_2", &KD::qF_2},
                      {"NLstatH1", &KD::NLstatH1},
                      {"NLstatH2", &KD::NLstatH2},
                      {"NLstatF1", &KD::NLstatF1},
                      {"NLstatF2", &KD::NLstatF2},
                      {"qH1knee", &KD::qH1knee},
                      {"qH2knee", &KD::qH2knee},
                      {"YST1", &KD::YST1},
                      {"YST2", &KD::YST2}});
        t.Numbers(
            g,
            {{"Ftjm", &KD::Ftjm},       {"Tjm", &KD::Tjm},        {"n1", &KD::n1},           {"NL1", &KD::NL1},
             {"NL2", &KD::NL2},         {"NL1h", &KD::NL1h},      {"NL2h", &KD::NL2h},       {"R1", &KD::R1},
             {"R2", &KD::R2},           {"KA", &KD::KA},          {"FtFe1", &KD::FtFe1},     {"FtHe1", &KD::FtHe1},
             {"FtFe2", &KD::FtFe2},     {"FtHe2", &KD::FtHe2},    {"TFe1", &KD::TFe1},       {"THe1", &KD::THe1},
             {"TFe2", &KD::TFe2},       {"THe2", &KD::THe2},      {"Ftmax", &KD::Ftmax},     {"Tmax", &KD::Tmax},
             {"Ftmin", &KD::Ftmin},     {"Tmin", &KD::Tmin},      {"SF1life", &KD::SF1life}, {"SH1life", &KD::SH1life},
             {"SF2life", &KD::SF2life}, {"SH2life", &KD::SH2life}});
        t.Numbers(g, {{"b1", &KD::b1},
                      {"b2", &KD::b2},
                      {"bs1", &KD::bs1},
                      {"bs2", &KD::bs2},
                      {"sR1", &KD::sR1},
                      {"sR2", &KD::sR2},
                      {"sd1", &KD::sd1},
                      {"sd2", &KD::sd2},
                      {"dh1", &KD::dh1},
                      {"dh2", &KD::dh2},
                      {"db", &KD::db},
                      {"cprime", &KD::cprime},
                      {"J1", &KD::J1},
                      {"J2", &KD::J2},
                      {"fpr1act", &KD::fpr1act},
                      {"fpr2act", &KD::fpr2act},
                      {"fHbeta1act", &KD::fHbeta1act},
                      {"fHbeta2act", &KD::fHbeta2act},
                      {"ffalfa1act", &KD::ffalfa1act},
                      {"ffalfa2act", &KD::ffalfa2act},
                      {"KHbeta", &KD::KHbeta},
                      {"bcal", &KD::bcal},
                      {"s1", &KD::s1},
                      {"l1", &KD::l1},
                      {"dsh1", &KD::dsh1},
                      {"cI", &KD::cI},
                      {"cbeta", &KD::cbeta},
                      {"bred", &KD::bred},
                      {"fsh", &KD::fsh},
                      {"fma", &KD::fma},
                      {"fsh2", &KD::fsh2},
                      {"fca", &KD::fca},
                      {"fbe", &KD::fbe},
                      {"tg1", &KD::tg1},
                      {"tg2", &KD::tg2},
                      {"Rog1", &KD::Rog1},
                      {"Rog2", &KD::Rog2},
                      {"OilViscosity", &KD::OilViscosity},
                      {"OilTemperature", &KD::OilTemperature}});
        t.Numbers(g, {{"KFalfa", &KD::KFalfa},
                      {"KHalfa", &KD::KHalfa},
                      {"Kv", &KD::Kv},
                      {"KFbeta", &KD::KFbeta},
                      {"YF1", &KD::YF1},
                      {"YF2", &KD::YF2},
                      {"YS1", &KD::YS1},
                      {"YS2", &KD::YS2},
                      {"YSg1", &KD::YSg1},
                      {"YSg2", &KD::YSg2},
                      {"YN1", &KD::YN1},
                      {"YN2", &KD::YN2},
                      {"ZN1", &KD::ZN1},
                      {"ZN2", &KD::ZN2},
                      {"ZB", &KD::ZB},
                      {"ZD", &KD::ZD},
                      {"ZLref", &KD::ZLref},
                      {"ZVref", &KD::ZVref},
                      {"ZRref", &KD::ZRref},
                      {"ZW2ref", &KD::ZW2ref},
                      {"ZW2stat", &KD::ZW2stat},
                      {"YdrelT1ref", &KD::YdrelT1ref},
                      {"YdrelT2ref", &KD::YdrelT2ref},
                      {"YdrelT1stat", &KD::YdrelT1stat},
                      {"YdrelT2stat", &KD::YdrelT2stat},
                      {"YRrelT1ref", &KD::YRrelT1ref},
                      {"YRrelT2ref", &KD::YRrelT2ref},
                      {"YX1ref", &KD::YX1ref},
                      {"YX2ref", &KD::YX2ref},
                      {"Zepsilon", &KD::Zepsilon},
                      {"YM1ref", &KD::YM1ref},
                      {"YM2ref", &KD::YM2ref},
                      {"YM1stat", &KD::YM1stat},
                      {"YM2stat", &KD::YM2stat},
                      {"KHbetaEkv", &KD::KHbetaEkv},
                      {"KFbetaEkv", &KD::KFbetaEkv},
                      {"KHalfaEkv", &KD::KHalfaEkv},
                      {"KFalfaEkv", &KD::KFalfaEkv},
                      {"KvEkv", &KD::KvEkv}});
        // the spectrum, level by level
        const std::pair<const char*, kv::TLevelArray KD::*> columns[] = {
            {"SpectrumY", &KD::SpectrumY},     {"SpectrumX", &KD::SpectrumX},     {"n1Level", &KD::n1Level},
            {"KHbetaLevel", &KD::KHbetaLevel}, {"KHalfaLevel", &KD::KHalfaLevel}, {"KFalfaLevel", &KD::KFalfaLevel},
            {"KvLevel", &KD::KvLevel},         {"KFbetaLevel", &KD::KFbetaLevel},
        };
        for (const auto& entry : columns)
            for (int i = 1; i <= kv::kMaxLevels; ++i)
                t.fields.push_back(
                    {std::string(entry.first) + "[" + std::to_string(i) + "]",
                     [data = &g, column = entry.second, i](std::uint64_t r) { (data->*column)[i] = Number(r); }});
        // the level count as any number the field holds; the choices as the windows offer them
        t.Integer("LevelCount", g.LevelCount);
        t.Integer("IT1", g.IT1, 1, 11);
        t.Integer("IT2", g.IT2, 1, 11);
        t.Integer("LoadInputMethod", g.LoadInputMethod, kv::kOneLevelLoading, 3);
        t.Integer("CalcMethodics", g.CalcMethodics, kv::kMethodicsFigA3, 4);
        t.Integer("HelixModification", g.HelixModification, kv::kNoHelixModification, 6);
        t.Integer("MaterialClass1", g.MaterialClass1, 0, 12);
        t.Integer("MaterialClass2", g.MaterialClass2, 0, 12);
        const std::vector<std::string> classes = {"St", "V",    "GGGp", "GGGb", "GTS", "Eh", "IF",
                                                  "GG", "GGGf", "NT",   "NV",   "NVc", "0"};
        t.Choice("MaterialCode1", g.MaterialCode1, classes);
        t.Choice("MaterialCode2", g.MaterialCode2, classes);
        t.Choice("MaterialForm1", g.MaterialForm1, {"wrought", "cast"});
        t.Choice("MaterialForm2", g.MaterialForm2, {"wrought", "cast"});
        t.Choice("HardnessUnit1", g.HardnessUnit1, {"HV", "HWB"});
        t.Choice("HardnessUnit2", g.HardnessUnit2, {"HV", "HWB"});
        t.Choice("KHbetaMethod", g.KHbetaMethod, {"primo", "bcal", "ISO_C"});
        t.Choice("KHbetaCase", g.KHbetaCase, {"a", "b", "c", "d", "e"});
        t.Choice("KHbetaCase2", g.KHbetaCase2, {"a", "b", "c", "d", "e", "f"});
        t.Choice("KHbetaCalcVariant", g.KHbetaCalcVariant, {"a", "b", "c"});
        t.Flags(g, {{"aGiven", &KD::aGiven},
                    {"da1Given", &KD::da1Given},
                    {"da2Given", &KD::da2Given},
                    {"LoadAsForce", &KD::LoadAsForce},
                    {"SpectrumInCycles", &KD::SpectrumInCycles},
                    {"SpectrumAbsolute", &KD::SpectrumAbsolute},
                    {"SpectrumRatioMaxTo", &KD::SpectrumRatioMaxTo},
                    {"SpectrumRatioToMax", &KD::SpectrumRatioToMax},
                    {"SpectrumRatioToMin", &KD::SpectrumRatioToMin},
                    {"SpectrumXMode", &KD::SpectrumXMode},
                    {"FullPinion", &KD::FullPinion},
                    {"FullWheel", &KD::FullWheel},
                    {"cDirect", &KD::cDirect},
                    {"JDirect", &KD::JDirect},
                    {"mredISO", &KD::mredISO},
                    {"fpr1Measured", &KD::fpr1Measured},
                    {"fpr2Measured", &KD::fpr2Measured},
                    {"fHbeta1Measured", &KD::fHbeta1Measured},
                    {"fHbeta2Measured", &KD::fHbeta2Measured},
                    {"ffalfa1Measured", &KD::ffalfa1Measured},
                    {"ffalfa2Measured", &KD::ffalfa2Measured},
                    {"KHbetaDirect", &KD::KHbetaDirect},
                    {"KFalfaDirect", &KD::KFalfaDirect},
                    {"KHalfaDirect", &KD::KHalfaDirect},
                    {"KvDirect", &KD::KvDirect},
                    {"HypothesisHaibach", &KD::HypothesisHaibach},
                    {"KFbetaDirect", &KD::KFbetaDirect},
                    {"YF1Direct", &KD::YF1Direct},
                    {"YF2Direct", &KD::YF2Direct},
                    {"YS1Direct", &KD::YS1Direct},
                    {"YS2Direct", &KD::YS2Direct},
                    {"YSg1Direct", &KD::YSg1Direct},
                    {"YSg2Direct", &KD::YSg2Direct},
                    {"ZBDirect", &KD::ZBDirect},
                    {"ZDDirect", &KD::ZDDirect},
                    {"ZLrefDirect", &KD::ZLrefDirect},
                    {"ZVrefDirect", &KD::ZVrefDirect},
                    {"ZRrefDirect", &KD::ZRrefDirect},
                    {"ZW2refDirect", &KD::ZW2refDirect},
                    {"ZW2statDirect", &KD::ZW2statDirect},
                    {"ViscosityGiven", &KD::ViscosityGiven},
                    {"YdrelT1refDirect", &KD::YdrelT1refDirect},
                    {"YdrelT1statDirect", &KD::YdrelT1statDirect},
                    {"YdrelT2refDirect", &KD::YdrelT2refDirect},
                    {"YdrelT2statDirect", &KD::YdrelT2statDirect},
                    {"YRrelT1refDirect", &KD::YRrelT1refDirect},
                    {"YRrelT2refDirect", &KD::YRrelT2refDirect},
                    {"YX1refDirect", &KD::YX1refDirect},
                    {"YX2refDirect", &KD::YX2refDirect},
                    {"ZepsilonDirect", &KD::ZepsilonDirect},
                    {"LifeValid", &KD::LifeValid},
                    {"YM1refDirect", &KD::YM1refDirect},
                    {"YM2refDirect", &KD::YM2refDirect},
                    {"YM1statDirect", &KD::YM1statDirect},
                    {"YM2statDirect", &KD::YM2statDirect},
                    {"MethodC", &KD::MethodC},
                    {"fshDirect", &KD::fshDirect},
                    {"fmaDirect", &KD::fmaDirect},
                    {"SpectrumLevelsShown", &KD::SpectrumLevelsShown},
                    {"PittingAllowed1", &KD::PittingAllowed1},
                    {"PittingAllowed2", &KD::PittingAllowed2},
                    {"LifeFormActive", &KD::LifeFormActive},
                    {"LifeFromSafety", &KD::LifeFromSafety},
                    {"LifeInHours", &KD::LifeInHours},
                    {"PinionShrinkFitted", &KD::PinionShrinkFitted}});
        return t;
    }();
    return table;
}

// The program as it starts: the default case of the gearing type with its derived geometry,
// nothing recorded.
void KarveloStart(int gearingType) {
    kv::G = KD{};
    kv::G.GearingType = static_cast<std::int16_t>(gearingType);
    kv::SetDefaultInputs();
    kv::ComputeCentreDistanceFromShifts();
    kv::ComputeGearDimensions();
    rt::DefaultNoticeRecorder().Clear();
    kv::DefaultWindowRecorder().Clear();
}

// Both listings of the case in memory, with the user's texts left out.
std::string KarveloListings() {
    static const std::string path = ScratchFile("listing");
    const KD kept = kv::G;
    for (std::string* text :
         {&kv::G.MatDesignation1, &kv::G.MatDesignation2, &kv::G.QualityGrade1, &kv::G.QualityGrade2})
        text->clear();
    std::string both;
    for (auto write : {&kv::WriteInputListing, &kv::WriteResultsListing}) {
        rt::TextFile out;
        out.Assign(path);
        out.Rewrite();
        write(out, {"t", "d", path});
        out.Close();
        both += ReadFile(path);
    }
    kv::G = kept;
    return both;
}

// Calculates the case as the Calculation command does: a stop is fine, a success must show and
// list only numbers and be storable.
std::string CalculatedKarveloCaseHolds() {
    if (!kv::CalculateCase()) return {};
    for (const kv::NamedResult& r : kv::ShownResults())
        if (!std::isfinite(r.value)) return "Karvelo reports success with " + r.what + " = " + std::to_string(r.value);
    const std::string listings = KarveloListings();
    for (const char* word : {"NAN", "INF"})
        if (listings.find(word) != std::string::npos)
            return std::string("a listing of a calculated Karvelo case prints ") + word;
    try {
        kv::ComposeDataFile();
    } catch (const std::exception& e) {
        if (std::string(e.what()).find("would hold") != std::string::npos)
            return std::string("a calculated Karvelo case stores a value that is not a number: ") + e.what();
    }
    return {};
}

// ---------------------------------------------------------------- Ostrimo

namespace os = ostrimo;
using OD = os::GlobalData;

const FieldTable<OD>& OstrimoFields() {
    static const FieldTable<OD> table = [] {
        FieldTable<OD> t;
        OD& g = os::G;
        t.Numbers(g, {{"mn", &OD::mn},
                      {"z1", &OD::z1},
                      {"z2", &OD::z2},
                      {"z1Bevel", &OD::z1Bevel},
                      {"z2Bevel", &OD::z2Bevel},
                      {"betaDeg", &OD::betaDeg},
                      {"b", &OD::b},
                      {"xsum", &OD::xsum},
                      {"x1", &OD::x1},
                      {"x2", &OD::x2},
                      {"aw", &OD::aw},
                      {"awBacklash", &OD::awBacklash},
                      {"alfawtBacklash", &OD::alfawtBacklash},
                      {"xsumBacklash", &OD::xsumBacklash},
                      {"xsumNoBacklash", &OD::xsumNoBacklash},
                      {"alfawtDeg", &OD::alfawtDeg},
                      {"jn", &OD::jn},
                      {"k", &OD::k},
                      {"haP1", &OD::haP1},
                      {"haP2", &OD::haP2},
                      {"cP1", &OD::cP1},
                      {"cP2", &OD::cP2},
                      {"rofP1", &OD::rofP1},
                      {"rofP2", &OD::rofP2},
                      {"alfaP", &OD::alfaP},
                      {"da1", &OD::da1},
                      {"da2", &OD::da2},
                      {"ha2", &OD::ha2},
                      {"x0", &OD::x0},
                      {"rof0", &OD::rof0},
                      {"roa0", &OD::roa0},
                      {"SigmaDeg", &OD::SigmaDeg},
                      {"dt1", &OD::dt1},
                      {"dt2", &OD::dt2},
                      {"sc1", &OD::sc1},
                      {"sc2", &OD::sc2},
                      {"hc1", &OD::hc1},
                      {"hc2", &OD::hc2},
                      {"ToolAddendumFactor1", &OD::ToolAddendumFactor1},
                      {"ToolAddendumFactor2", &OD::ToolAddendumFactor2},
                      {"ToolCrestRadiusFactor1", &OD::ToolCrestRadiusFactor1},
                      {"ToolCrestRadiusFactor2", &OD::ToolCrestRadiusFactor2},
                      {"ChamferHeightFactor1", &OD::ChamferHeightFactor1},
                      {"ChamferHeightFactor2", &OD::ChamferHeightFactor2},
                      {"ChamferAngle1", &OD::ChamferAngle1},
                      {"ChamferAngle2", &OD::ChamferAngle2},
                      {"ProtuberanceAngle1", &OD::ProtuberanceAngle1},
                      {"ProtuberanceAngle2", &OD::ProtuberanceAngle2},
                      {"haP01", &OD::haP01},
                      {"haP02", &OD::haP02},
                      {"ProtuberanceSize1", &OD::ProtuberanceSize1},
                      {"ProtuberanceSize2", &OD::ProtuberanceSize2}});
        t.Integer("z0", g.z0);
        t.Integer("zw1", g.zw1);
        t.Integer("zw2", g.zw2);
        t.Integer("LastComputingInput", g.LastComputingInput, 0, 11);
        t.Flags(g, {{"BacklashByExtraAmc", &OD::BacklashByExtraAmc},
                    {"BacklashByShifting", &OD::BacklashByShifting},
                    {"BacklashByThinning", &OD::BacklashByThinning},
                    {"ThinPinionOnly", &OD::ThinPinionOnly},
                    {"ThinByRegrinding", &OD::ThinByRegrinding},
                    {"TipDiameter1Given", &OD::TipDiameter1Given},
                    {"TipDiameter2Given", &OD::TipDiameter2Given},
                    {"AmcUndivided", &OD::AmcUndivided},
                    {"RoundedRoot", &OD::RoundedRoot},
                    {"FellowMaxOperatingHeight", &OD::FellowMaxOperatingHeight},
                    {"FellowFullyRoundedTip", &OD::FellowFullyRoundedTip},
                    {"Chamfer1", &OD::Chamfer1},
                    {"Chamfer2", &OD::Chamfer2},
                    {"Protuberance1", &OD::Protuberance1},
                    {"Protuberance2", &OD::Protuberance2},
                    {"TestDimensionsActive", &OD::TestDimensionsActive},
                    {"ChordConstant1", &OD::ChordConstant1},
                    {"ChordConstant2", &OD::ChordConstant2},
                    {"ChordOnReference1", &OD::ChordOnReference1},
                    {"ChordOnReference2", &OD::ChordOnReference2},
                    {"ChordChosen1", &OD::ChordChosen1},
                    {"ChordChosen2", &OD::ChordChosen2}});
        return t;
    }();
    return table;
}

// The case as the main dialog's gearing-type radio leaves it (or a rack mate, by its file type).
void OstrimoStart(int type) {
    os::G = OD{};
    os::G.GearingType = type == os::kRackMateType ? os::kExternalGearing : type;
    os::SetDefaultGearData();
    OD& g = os::G;
    g.aw = 30;
    if (type == os::kInternalGearing) g.z2 = -80, g.aw = -30;
    if (type == os::kBevelGearing) g.z1Bevel = 20, g.z2Bevel = 30;
    if (type == os::kRackMateType) g.RackMate = true, g.z2 = 5001, g.ha2 = 1.25;
    rt::DefaultNoticeRecorder().Clear();
}

// The recompute after an input or after Open: the pair (rack, bevel) dimensions and the check.
// A check that ends without the error flag must show only numbers and values it marks as not
// computed.
std::string CheckedOstrimoCaseHolds() {
    OD& g = os::G;
    if (g.GearingType == os::kBevelGearing)
        os::ComputeBevelGearDimensions();
    else if (g.RackMate)
        os::ComputeRackPairDimensions();
    else
        os::ComputeGearPairDimensions();
    if (g.ErrorFlag) return {};
    os::ComputeGeometryCheck();
    if (g.ErrorFlag) return {};
    for (double v : os::ShownGeometryValues())
        if (os::Computed(v) && !std::isfinite(v)) return "Ostrimo reports no error with a value " + std::to_string(v);
    return {};
}

}  // namespace

// ---------------------------------------------------------------- the checks

std::string CheckKarveloReader(const std::uint8_t* data, std::size_t size) {
    static const std::string path = ScratchFile("case.PEV");
    KarveloStart(kv::kExternalPair);
    const KD before = kv::G;
    WriteFile(path, data, size);
    try {
        kv::LoadCase(path);
    } catch (const kv::CaseFileError&) {
        return kv::G == before ? std::string() : "a refused Karvelo data file changed the case";
    }
    try {
        kv::ComposeDataFile();
    } catch (const std::exception& e) {
        return std::string("a Karvelo data file that was read cannot be saved again: ") + e.what();
    }
    return CalculatedKarveloCaseHolds();
}

std::string CheckOstrimoReader(const std::uint8_t* data, std::size_t size) {
    static const std::string path = ScratchFile("case.dat");
    OstrimoStart(os::kExternalGearing);
    const OD before = os::G;
    WriteFile(path, data, size);
    os::DataFile.Assign(path);
    os::DataFile.Reset();
    const bool read = os::ReadGeometryDataFile();
    os::DataFile.Close();
    if (!read) return os::G == before ? std::string() : "a refused Ostrimo data file changed the case";
    os::G.DataFileLoaded = false;
    return CheckedOstrimoCaseHolds();
}

std::string CheckKarveloCalculation(const std::uint8_t* data, std::size_t size) {
    KarveloStart(size > 0 && (data[0] & 1) ? kv::kInternalPair : kv::kExternalPair);
    KarveloFields().Apply(data, size);
    // the windows derive the geometry after every accepted field
    kv::G.xsum = kv::G.x1 + kv::G.x2;
    kv::ComputeCentreDistanceFromShifts();
    kv::ComputeGearDimensions();
    return CalculatedKarveloCaseHolds();
}

std::string CheckOstrimoCalculation(const std::uint8_t* data, std::size_t size) {
    OstrimoStart(size > 0 ? os::kExternalGearing + data[0] % 4 : os::kExternalGearing);  // the four file types
    OstrimoFields().Apply(data, size);
    // the validators keep the radians with the degrees, the reader the bevel's teeth as entered
    OD& g = os::G;
    g.beta = os::DegToRad(g.betaDeg);
    g.alfan = os::DegToRad(g.alfaP);
    g.alfawt = os::DegToRad(g.alfawtDeg);
    g.Sigma = os::DegToRad(g.SigmaDeg);
    g.ChamferAngleDeg1 = os::RadToDeg(g.ChamferAngle1);
    g.ChamferAngleDeg2 = os::RadToDeg(g.ChamferAngle2);
    if (g.GearingType == os::kBevelGearing) g.z1 = g.z1Bevel, g.z2 = g.z2Bevel;
    return CheckedOstrimoCaseHolds();
}

const std::vector<std::string>& KarveloFieldNames() {
    static const std::vector<std::string> names = KarveloFields().Names();
    return names;
}

const std::vector<std::string>& OstrimoFieldNames() {
    static const std::vector<std::string> names = OstrimoFields().Names();
    return names;
}

}  // namespace fuzz
