// The main window's Calculation command without its window, for tests that calculate whole cases.
#pragma once

#include "karvelo/calc/Global.h"
#include "karvelo/calc/Pripustna_napeti_dotyk.h"
#include "karvelo/calc/Vypocet.h"
#include "karvelo/calc/Vypocet1i.h"

namespace karvelo::test {

// The case's five-level spectrum by Haibach, at the pinion speed, with its level factors and KHbeta
// computed (method C).
inline void HaibachSpectrumWithComputedFactors() {
    GlobalData& g = G;
    g.LoadInputMethod = 2;
    g.CalcMethodics = 4;
    g.SpectrumLevelsShown = false;
    g.KHbetaDirect = false;
    g.KHbetaMethod = "ISO_C";
    for (int i = 1; i <= 5; ++i) g.n1Level[i] = g.n1;
}

// The approximate methodics of a spectrum are calculated as one load by their hypothesis.
inline void ApproximateMethodicsAsOneLoad() {
    GlobalData& g = G;
    if (g.CalcMethodics == 1) g.LoadInputMethod = 1, g.HypothesisHaibach = true, g.CalcMethodics = 4;
    if (g.CalcMethodics == 2) g.LoadInputMethod = 1, g.HypothesisHaibach = false, g.CalcMethodics = 3;
}

// What a spectrum needs before its evaluation: the permissible contact stress, the per-level KFbeta
// and the products of the level factors.
inline void PrepareSpectrumLevels() {
    GlobalData& g = G;
    ComputePermissibleContactStress();
    if (!g.KFbetaDirect) ComputeKFbetaLevels();
    for (int i = 1; i <= g.LevelCount && i <= kMaxLevels; ++i) {
        g.SpectrumCol1[i] = g.KHbetaLevel[i] * g.KHalfaLevel[i] * g.KvLevel[i];
        g.SpectrumCol3[i] = g.KFbetaLevel[i] * g.KFalfaLevel[i] * g.KvLevel[i];
    }
}

// The approximate methodics as one load, a spectrum prepared and evaluated (a refused spectrum is
// not calculated), then the calculation.  True when the case was calculated.
inline bool CalculateAsTheMainWindow() {
    GlobalData& g = G;
    ApproximateMethodicsAsOneLoad();
    if (g.LoadInputMethod == 2) {
        PrepareSpectrumLevels();
        EvaluateSpectrum();
        if (!g.ResumeCalculation) return false;
    }
    RunCalculation();
    return g.ResumeCalculation;
}

}  // namespace karvelo::test
