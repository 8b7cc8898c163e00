#include "karvelo/calc/SouciniteleZ.h"

#include <cmath>
#include <numbers>

#include "karvelo/calc/Global.h"

namespace karvelo {

namespace {

// tan(alfawt) / sqrt(product), or 1 when the product is not positive.
double RatioOverRoot(double product) { return product > 0 ? Tan(G.alfawt) / std::sqrt(product) : 1.0; }

// The data both single pair factors share: the roll angles of the tips (R1, R2), the factors
// P and Q of the inner points of single contact, and the class n of the transverse contact ratio
// with its limit k (no limit from epsalfa = 6 on).
struct SinglePairData {
    double R1, R2, P, Q;
    int n;
    bool limited;
    double k;
};

SinglePairData PrepareSinglePair() {
    const GlobalData& g = G;
    SinglePairData s{};
    s.n = 1;
    if (g.epsalfa >= 2 && g.epsalfa < 3) s.n = 2;
    if (g.epsalfa >= 3 && g.epsalfa < 4) s.n = 3;
    if (g.epsalfa >= 4 && g.epsalfa < 5) s.n = 4;
    if (g.epsalfa >= 5 && g.epsalfa < 6) s.n = 5;
    s.limited = g.epsalfa < 6;
    static constexpr double kLimit[] = {2.0, 1.5, 4.0 / 3.0, 1.25, 1.2};
    s.k = kLimit[s.n - 1];

    s.R1 = std::sqrt(g.da1 * g.da1 / (g.db1 * g.db1) - 1);
    s.R2 = std::sqrt(g.da2 * g.da2 / (g.db2 * g.db2) - 1);
    s.P = RatioOverRoot((s.R1 - g.epsalfa * 2 * kPi / g.z1) * s.R2);
    s.Q = RatioOverRoot((s.R2 - g.epsalfa * 2 * kPi / g.z2) * s.R1);
    return s;
}

// Steps common to ZB and ZD: the limit test on the own inner point (own = P for the pinion,
// Q for the wheel), tips below the working circles, and the helix correction.
double FinishSinglePair(const SinglePairData& s, double& M, double own) {
    const GlobalData& g = G;
    if (g.da1 >= g.dw1 && g.da2 >= g.dw2 && s.limited && own > s.k * M) M = own;
    if (g.da2 < g.dw2) M = s.P;
    if (g.da1 < g.dw1) M = s.Q;

    if (g.beta < 1e-5) return M > 1 ? M : 1.0;  // spur
    double Z = g.epsbeta >= 1 ? 1.0 : M - g.epsbeta * (M - 1);
    if (Z < 1) Z = 1;
    return Z;
}

}  // namespace

void ComputeContactZFactors() {
    GlobalData& g = G;
    g.ZE = std::sqrt(1 / (kPi * ((1 - g.Ny1 * g.Ny1) / g.E1 + (1 - g.Ny2 * g.Ny2) / g.E2)));
    g.ZH = std::sqrt(2 * std::cos(g.betab) / Tan(g.alfawt)) / std::cos(g.alfat);
    if (g.ZepsilonDirect) return;
    if (g.epsbeta >= 1 || g.epsalfa > 3) {
        g.Zepsilon = std::sqrt(1 / g.epsalfa);
    } else if (g.epsbeta == 0) {
        g.Zepsilon = std::sqrt((4 - g.epsalfa) / 3);
    } else {
        g.Zepsilon = std::sqrt((4 - g.epsalfa) * (1 - g.epsbeta) / 3 + g.epsbeta / g.epsalfa);
    }
}

void ComputeSinglePairFactor1() {
    GlobalData& g = G;
    if (g.ZBDirect) return;
    const SinglePairData s = PrepareSinglePair();
    g.M1 = RatioOverRoot((s.R1 - 2 * s.n * kPi / g.z1) * (s.R2 - (g.epsalfa - s.n) * 2 * kPi / g.z2));
    g.ZB = FinishSinglePair(s, g.M1, s.P);
}

void ComputeSinglePairFactor2() {
    GlobalData& g = G;
    if (g.ZDDirect) return;
    if (g.GearingType == kInternalPair) {
        g.M2 = 1;
        g.ZD = 1;
        return;
    }
    const SinglePairData s = PrepareSinglePair();
    g.M2 = RatioOverRoot((s.R2 - 2 * s.n * kPi / g.z2) * (s.R1 - (g.epsalfa - s.n) * 2 * kPi / g.z1));
    g.ZD = FinishSinglePair(s, g.M2, s.Q);
}

void ComputeHelixFactorZbeta() { G.Zbeta = 1 / std::sqrt(std::cos(G.beta)); }

}  // namespace karvelo
