#include "karvelo/calc/Odvozene.h"

#include <algorithm>
#include <exception>
#include <utility>

#include "karvelo/calc/Global.h"
#include "karvelo/calc/Soubory.h"

namespace karvelo {

namespace {

bool ApproximateMethodics(const GlobalData& g) {
    return g.CalcMethodics == kMethodicsFigA3 || g.CalcMethodics == kMethodicsEqA2;
}

// What the spectrum evaluation gives, zeroed: the equivalent loads and stresses, the stresses of
// the levels and, for the approximate methodics, KA.
void WithdrawSpectrumResults(GlobalData& g) {
    for (double* x : {&g.FtFe1, &g.FtHe1, &g.FtFe2, &g.FtHe2, &g.TFe1, &g.THe1, &g.TFe2, &g.THe2, &g.SigmaF1ekv,
                      &g.SigmaH1ekv, &g.SigmaF2ekv, &g.SigmaH2ekv})
        *x = 0;
    for (TLevelArray* levels : {&g.SigmaF1Level, &g.SigmaH1Level, &g.SigmaF2Level, &g.SigmaH2Level}) levels->Fill(0);
    if (ApproximateMethodics(g)) g.KA = 0;
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
    GlobalData& g = G;
    for (double* x : {&g.FtFe1, &g.FtHe1, &g.FtFe2, &g.FtHe2, &g.TFe1, &g.THe1, &g.TFe2, &g.THe2}) *x = 0;
}

void ZeroEquivalentStresses() { G.SigmaF1ekv = G.SigmaH1ekv = G.SigmaF2ekv = G.SigmaH2ekv = 0; }

void StampSpectrumResults(GlobalData& g) {
    g.SpectrumResultsKey = CaseInputsKey(g);
    g.EquivalentStressesCurrent = true;
}

void StampServiceLives(GlobalData& g) { g.ServiceLivesKey = CaseInputsKey(g); }

bool SpectrumResultsStand(const GlobalData& g) {
    return g.EquivalentStressesCurrent && !g.SpectrumResultsKey.empty() && g.SpectrumResultsKey == CaseInputsKey(g);
}

void DeriveLoadOfMode(GlobalData& g) {
    if (NominalLoadIsInput(g)) DeriveNominalLoadPartner(g);
    if (SpectrumByDamage(g) || g.LoadInputMethod == kDirectEquivalentLoad) g.KA = 1;
}

void BringDerivedIntoLine(GlobalData& g) {
    DeriveLoadOfMode(g);
    const std::string key = CaseInputsKey(g);
    if (g.LoadInputMethod == kMultilevelLoading &&
        !(g.EquivalentStressesCurrent && !key.empty() && g.SpectrumResultsKey == key)) {
        WithdrawSpectrumResults(g);
        g.SpectrumResultsKey.clear();
    }
    if (g.LifeValid && (key.empty() || g.ServiceLivesKey != key)) g.LifeValid = false;
}

void ConvertKeepingResults(GlobalData& g, const std::function<void()>& convert) {
    const std::string key = CaseInputsKey(g);
    const bool spectrum = !key.empty() && g.SpectrumResultsKey == key, lives = !key.empty() && g.ServiceLivesKey == key;
    convert();
    if (spectrum) g.SpectrumResultsKey = CaseInputsKey(g);
    if (lives) g.ServiceLivesKey = CaseInputsKey(g);
}

void TakeApproximateLoadAsOneLoad(GlobalData& g) {
    if (!(g.KA < 1)) return;
    const double largest =
        g.LoadAsForce ? std::max({g.FtFe1, g.FtHe1, g.FtFe2, g.FtHe2}) : std::max({g.TFe1, g.THe1, g.TFe2, g.THe2});
    if (!(largest > 0)) return;
    (g.LoadAsForce ? g.Ftjm : g.Tjm) = largest;
    DeriveNominalLoadPartner(g);
    g.KA = 1;
}

}  // namespace karvelo
