// Fixture of the geometry tests (fresh global data, recorded notices) and the
// textbook relations the tests derive their reference values from (ISO 21771).
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "CoreTest.h"
#include "ostrimo/calc/CheckNumerics.h"
#include "ostrimo/calc/Global.h"

namespace ostrimo::test {

using checks::kPi;
inline double Rad(double deg) { return deg * kPi / 180; }
inline double Inv(double a) { return std::tan(a) - a; }

// The angle in (0, pi/2) whose involute is v > 0 (bisection on tan a - a).
inline double InverseInvolute(double v) {
    double lo = 0, hi = kPi / 2 - 1e-12;
    for (int i = 0; i < 200; ++i) {
        const double mid = (lo + hi) / 2;
        (std::tan(mid) - mid < v ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

// Transverse pressure angle of a helical gear: tan at = tan an / cos b.
inline double TransverseAngle(double an, double beta) { return std::atan(std::tan(an) / std::cos(beta)); }

class GeometryTest : public CoreTest {
protected:
    // The default case of a gearing type.
    static void Defaults(int gearingType) {
        G.GearingType = gearingType;
        SetDefaultGearData();
    }
    static void SetHelix(double deg) {
        G.betaDeg = deg;
        G.beta = Rad(deg);
    }
    // Working copies that the central computation makes before the checks.
    static void CheckCopies() {
        G.awCheck = G.aw;
        G.alfawtCheck = G.alfawt;
    }
    std::vector<std::string> Texts() const { return notices.Texts(); }
    void ExpectBox(const std::string& text) const {
        ASSERT_EQ(notices.notices.size(), 1u) << "one box expected";
        EXPECT_EQ(notices.notices[0], (rt::Notice{rt::Notice::Box, text, "  Error !", rt::MB_OK}));
    }
};

}  // namespace ostrimo::test
