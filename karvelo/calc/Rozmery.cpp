#include "karvelo/calc/Rozmery.h"

#include "karvelo/calc/Global.h"

namespace karvelo {

namespace {

constexpr double kQuarterPi = 0.78539816339744830963;

struct Body {
    double mass = 0;     // [kg]
    double inertia = 0;  // [kg.mm2]
    // A ring whose outer and inner diameters have the squares outer2 and inner2 [mm2], of width w [mm],
    // its mass scaled by `scale`.
    void AddRing(double outer2, double inner2, double w, double rho, double scale = 1) {
        const double m = rho * w * kQuarterPi * (outer2 - inner2) * 1e-9 * scale;  // mm3 -> m3
        mass += m;
        inertia += m * (outer2 + inner2) / 8;
    }
};

// Teeth, rim, web and hub of a gear of an external pair.
Body ExternalGearBody(double da, double df, double sR, double sd, double dh, double b, double bs, double rho) {
    Body body;
    const double hubOuter = dh + 2 * sd;
    body.AddRing(Sq((da + df) / 2), Sq(df), b, rho);
    body.AddRing(Sq(df), Sq(df - 2 * sR), b, rho);
    body.AddRing(Sq(df - 2 * sR), Sq(hubOuter), bs, rho);
    // A web wider than the face makes the hub as wide as the web.
    body.AddRing(Sq(hubOuter), Sq(dh), b, rho, bs > b && b > 0 ? bs / b : 1);
    return body;
}

}  // namespace

void ComputeGearMassAndInertia() {
    GlobalData& g = G;
    const Body pinion = ExternalGearBody(g.da1, g.df1, g.sR1, g.sd1, g.dh1, g.b1, g.bs1, g.ro_steel1);
    g.m1 = pinion.mass;
    g.J1 = pinion.inertia;

    Body wheel;
    if (g.GearingType == kInternalPair) {
        // Internal wheel: the teeth inside the root circle and the rim outside it (diameters negative).
        wheel.AddRing(Sq(g.df2), Sq((g.df2 + g.da2) / 2), g.b2, g.ro_steel2);
        wheel.AddRing(Sq(g.df2 - 2 * g.sR2), Sq(g.df2), g.b2, g.ro_steel2);
    } else {
        wheel = ExternalGearBody(g.da2, g.df2, g.sR2, g.sd2, g.dh2, g.b2, g.bs2, g.ro_steel2);
    }
    g.m2 = wheel.mass;
    g.J2 = wheel.inertia;
}

}  // namespace karvelo
