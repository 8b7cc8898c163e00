// A spectrum case set up for tests that calculate whole cases through CalculateCase.
#pragma once

#include "karvelo/calc/Global.h"
#include "karvelo/calc/Vypocet.h"

namespace karvelo::test {

// The case's five-level spectrum by Haibach, at the pinion speed, with its level factors and KHbeta
// computed (method C).
inline void HaibachSpectrumWithComputedFactors() {
    GlobalData& g = G;
    g.LoadInputMethod = kMultilevelLoading;
    g.CalcMethodics = kMethodicsHaibach;
    g.SpectrumLevelsShown = false;
    g.KHbetaDirect = false;
    g.KHbetaMethod = "ISO_C";
    g.ShaftDataHeld = true;  // as a method C case holds them
    for (int i = 1; i <= 5; ++i) g.n1Level[i] = g.n1;
}

}  // namespace karvelo::test
