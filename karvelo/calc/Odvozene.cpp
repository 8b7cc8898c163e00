#include "karvelo/calc/Odvozene.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <exception>
#include <utility>

#include "karvelo/calc/Global.h"
#include "karvelo/calc/Soubory.h"
#include "karvelo/calc/Vypocty_ekv.h"

namespace karvelo {

namespace {

bool ApproximateMethodics(const GlobalData& g) {
    return g.CalcMethodics == kMethodicsFigA3 || g.CalcMethodics == kMethodicsEqA2;
}

constexpr double GlobalData::*kEquivalentLoads[] = {&GlobalData::FtFe1, &GlobalData::FtHe1, &GlobalData::FtFe2,
                                                     &GlobalData::FtHe2, &GlobalData::TFe1,  &GlobalData::THe1,
                                                     &GlobalData::TFe2,  &GlobalData::THe2};
constexpr double GlobalData::*kEquivalentStresses[] = {&GlobalData::SigmaF1ekv, &GlobalData::SigmaH1ekv,
                                                       &GlobalData::SigmaF2ekv, &GlobalData::SigmaH2ekv};

// What the spectrum evaluation gives, zeroed: the equivalent loads and stresses, the stresses of
// the levels and, for the approximate methodics, KA.
void WithdrawSpectrumResults(GlobalData& g) {
    for (double GlobalData::*x : kEquivalentLoads) g.*x = 0;
    for (double GlobalData::*x : kEquivalentStresses) g.*x = 0;
    for (TLevelArray* levels : {&g.SigmaF1Level, &g.SigmaH1Level, &g.SigmaF2Level, &g.SigmaH2Level}) levels->Fill(0);
    if (ApproximateMethodics(g)) g.KA = 0;
}

// The key of a spectrum's results: the key of the inputs they come from, and the results as the
// case holds them, so that results changed otherwise than by their computation (typed over, or
// zeroed) no longer stand either.
std::string SpectrumResultsKey(const GlobalData& g, const std::string& inputs) {
    if (inputs.empty()) return {};
    std::string key = inputs;
    char text[32];
    const bool f = g.LoadAsForce;  // the loads in the other unit are derived from these
    for (double x : {f ? g.FtFe1 : g.TFe1, f ? g.FtHe1 : g.THe1, f ? g.FtFe2 : g.TFe2, f ? g.FtHe2 : g.THe2,
                     g.SigmaF1ekv, g.SigmaH1ekv, g.SigmaF2ekv, g.SigmaH2ekv, g.KA}) {
        std::snprintf(text, sizeof text, "%a ", x);
        key += text;
    }
    return key;
}

// The results of the spectrum stand for the inputs of the key.
bool StandFor(const GlobalData& g, const std::string& inputs) {
    return g.EquivalentStressesCurrent && !inputs.empty() && g.SpectrumResultsKey == SpectrumResultsKey(g, inputs);
}

}  // namespace

std::string CaseInputsKey(const GlobalData& g) {
    GlobalData inputs = g;
    inputs.LifeValid = false;
    // Held in the file but derived: each level's KFbeta from its KHbeta, a deviation taken as the
    // tolerance of its grade from the grade and the gear.
    if (!inputs.KFbetaDirect) inputs.KFbetaLevel.Fill(0);
    for (const auto& [tolerance, allowable] : {std::pair{inputs.fpr1Measured, &inputs.fp1}, std::pair{inputs.fpr2Measured, &inputs.fp2},
                                             std::pair{inputs.ffalfa1Measured, &inputs.ffalfa1},
                                             std::pair{inputs.ffalfa2Measured, &inputs.ffalfa2},
                                             std::pair{inputs.fHbeta1Measured, &inputs.fHbeta1},
                                             std::pair{inputs.fHbeta2Measured, &inputs.fHbeta2}})
        if (tolerance) *allowable = 0;
    if (inputs.LoadInputMethod == kMultilevelLoading) {
        WithdrawSpectrumResults(inputs);
        inputs.KA = 1;
        inputs.n1 = 1;  // the mean speed of the levels
    }
    try {
        std::string key;
        for (const std::string& line : ComposeDataFile(inputs)) key += line + '\n';
        return key;
    } catch (const std::exception&) {
        return {};
    }
}

void ZeroEquivalentLoads() {
    for (double GlobalData::*x : kEquivalentLoads) G.*x = 0;
}

void ZeroEquivalentStresses() {
    for (double GlobalData::*x : kEquivalentStresses) G.*x = 0;
}

void StampSpectrumResults(GlobalData& g) {
    g.SpectrumResultsKey = SpectrumResultsKey(g, CaseInputsKey(g));
    g.EquivalentStressesCurrent = true;
}

void StampServiceLives(GlobalData& g) { g.ServiceLivesKey = CaseInputsKey(g); }

bool SpectrumResultsStand(const GlobalData& g) { return StandFor(g, CaseInputsKey(g)); }

void DeriveLoadOfMode() {
    GlobalData& g = G;
    if (NominalLoadIsInput(g)) DeriveNominalLoadPartner(g);
    if (SpectrumByDamage(g) || g.LoadInputMethod == kDirectEquivalentLoad) g.KA = 1;
}

void DeriveSpectrumSpeed() {
    GlobalData& g = G;
    if (g.LoadInputMethod != kMultilevelLoading || !SpectrumIsComputable()) return;
    ConvertSpectrumUnits();
    const double mean = g.NL1 / g.NL1h / 60;
    if (!(std::fabs(mean - g.n1) <= 1e-12 * mean)) g.n1 = mean;
}

void BringDerivedIntoLine() {
    GlobalData& g = G;
    DeriveLoadOfMode();
    const std::string key = CaseInputsKey(g);
    if (g.LoadInputMethod == kMultilevelLoading && !StandFor(g, key)) {
        WithdrawSpectrumResults(g);
        g.SpectrumResultsKey.clear();
    }
    if (g.LifeValid && (key.empty() || g.ServiceLivesKey != key)) g.LifeValid = false;
}

void ConvertKeepingResults(GlobalData& g, const std::function<void()>& convert) {
    std::string key = CaseInputsKey(g);
    const bool spectrum = StandFor(g, key), lives = !key.empty() && g.ServiceLivesKey == key;
    convert();
    key = CaseInputsKey(g);
    if (spectrum) g.SpectrumResultsKey = SpectrumResultsKey(g, key);
    if (lives) g.ServiceLivesKey = key;
}

double LargestEquivalentLoad(const GlobalData& g) {
    return g.LoadAsForce ? std::max({0.0, g.FtFe1, g.FtHe1, g.FtFe2, g.FtHe2})
                         : std::max({0.0, g.TFe1, g.THe1, g.TFe2, g.THe2});
}

void TakeApproximateLoadAsOneLoad(GlobalData& g) {
    if (!(g.KA < 1)) return;
    const double largest = LargestEquivalentLoad(g);
    if (!(largest > 0)) return;
    (g.LoadAsForce ? g.Ftjm : g.Tjm) = largest;
    DeriveNominalLoadPartner(g);
    g.KA = 1;
}

}  // namespace karvelo
