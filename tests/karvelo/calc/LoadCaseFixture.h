// Fixture of the load factor tests: the default case with its derived geometry, face widths and
// forces, as a calculation has them before the load factors.
#pragma once

#include <cmath>

#include "CoreFixture.h"
#include "karvelo/calc/Vypocty1.h"

namespace karvelo::test {

class LoadCaseTest : public CoreTest {
protected:
    static void DefaultCase(std::int16_t gearingType = kExternalPair) {
        Defaults(gearingType);
        Derive();
        ComputeEffectiveFaceWidths();
        ComputeForcesFromTorques();
        G.ResumeCalculation = true;
    }
    // A pinion speed whose ratio to the resonance speed nE1 is exactly N.
    static double SpeedForRatio(double N) {
        double n = N * G.nE1;
        while (n / G.nE1 > N) n = std::nextafter(n, 0.0);
        while (n / G.nE1 < N) n = std::nextafter(n, 1e30);
        return n;
    }
};

}  // namespace karvelo::test
