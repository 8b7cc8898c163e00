#include "karvelo/calc/Vypocet.h"

#include <cmath>

#include "karvelo/calc/Global.h"

namespace karvelo {

namespace {

// Damage of n cycles at stress s on the S-N line through (a, L) with exponent q, where the line
// gives N = L (a / s)^q cycles to failure.  A stress of zero is no load and does no damage.
double LineDamage(double n, double s, double a, double q, double L) {
    if (!(s > 0)) return 0;
    return n / (L * std::pow(a / s, q));
}

struct ContactCurve {
    double ref, knee;     // reference (endurance) stress and the stress at 1e7 cycles with pitting
    double q, qBelow, qKnee;
    double Nlim;
    bool pitting;
};

double ContactDamage(double n, double s, const ContactCurve& c, bool haibach) {
    if (!(s > 0)) return 0;
    if (c.pitting) {
        if (s >= c.knee) return LineDamage(n, s, c.knee, c.q, 1e7);
        if (s >= c.ref) return LineDamage(n, s, c.ref, c.qKnee, c.Nlim);
    } else if (s >= c.ref) {
        return LineDamage(n, s, c.ref, c.q, c.Nlim);
    }
    return haibach ? LineDamage(n, s, c.ref, c.qBelow, c.Nlim) : 0.0;
}

double BendingDamage(double n, double s, double ref, double q, double qBelow, double Nlim, bool haibach) {
    if (s >= ref) return LineDamage(n, s, ref, q, Nlim);
    return haibach ? LineDamage(n, s, ref, qBelow, Nlim) : 0.0;
}

}  // namespace

void DetectStaticOverloads() {
    GlobalData& g = G;
    g.StaticF1Exceeded = g.StaticH1Exceeded = g.StaticF2Exceeded = g.StaticH2Exceeded = false;
    const bool spectrumByDamage = g.LoadInputMethod == 2 && g.CalcMethodics > 2;
    if (g.LoadInputMethod == 1 || g.LoadInputMethod == 3 || (g.LoadInputMethod == 2 && g.CalcMethodics < 3)) {
        g.StaticF1Exceeded = g.SigmaF1 > g.Sigmafpb1stat;
        g.StaticH1Exceeded = g.SigmaH1 > g.SigmaHP1stat;
        g.StaticF2Exceeded = g.SigmaF2 > g.Sigmafpb2stat;
        g.StaticH2Exceeded = g.SigmaH2 > g.SigmaHP2stat;
    }
    // The largest level (the last one once the spectrum is prepared) sets flags, never clears them.
    const int n = g.LevelCount;
    if ((spectrumByDamage || g.LifeValid) && n >= 1 && n <= kMaxLevels) {
        if (g.SigmaF1Level[n] > g.Sigmafpb1stat) g.StaticF1Exceeded = true;
        if (g.SigmaH1Level[n] > g.SigmaHP1stat) g.StaticH1Exceeded = true;
        if (g.SigmaF2Level[n] > g.Sigmafpb2stat) g.StaticF2Exceeded = true;
        if (g.SigmaH2Level[n] > g.SigmaHP2stat) g.StaticH2Exceeded = true;
    }
}

void StoreSingleContactLevel() {
    GlobalData& g = G;
    g.LevelCount = 1;
    g.SigmaH1Level[1] = g.SigmaH1;
    g.SigmaH2Level[1] = g.SigmaH2;
    g.SH1Level[1] = g.NL1;
    g.SH2Level[1] = g.NL2;
    const ContactCurve pinion{g.SigmaHP1ref, g.SigmaHP1knee, g.qH1, g.qH_1, g.qH1knee, g.NHlim1, g.PittingAllowed1};
    const ContactCurve wheel{g.SigmaHP2ref, g.SigmaHP2knee, g.qH2, g.qH_2, g.qH2knee, g.NHlim2, g.PittingAllowed2};
    g.SigmaHP1Level[1] = ContactDamage(g.NL1, g.SigmaH1, pinion, g.HypothesisHaibach);
    g.SigmaHP2Level[1] = ContactDamage(g.NL2, g.SigmaH2, wheel, g.HypothesisHaibach);
}

void StoreSingleBendingLevel() {
    GlobalData& g = G;
    g.LevelCount = 1;
    g.SigmaF1Level[1] = g.SigmaF1;
    g.SigmaF2Level[1] = g.SigmaF2;
    g.SF1Level[1] = g.NL1;
    g.SF2Level[1] = g.NL2;
    g.SigmaFP1Level[1] =
        BendingDamage(g.NL1, g.SigmaF1, g.Sigmafpb1ref, g.qF1, g.qF_1, g.NFlim1, g.HypothesisHaibach);
    g.SigmaFP2Level[1] =
        BendingDamage(g.NL2, g.SigmaF2, g.Sigmafpb2ref, g.qF2, g.qF_2, g.NFlim2, g.HypothesisHaibach);
}

}  // namespace karvelo
