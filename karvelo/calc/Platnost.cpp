#include "karvelo/calc/Platnost.h"

#include <cmath>
#include <numbers>
#include <string>

#include "karvelo/calc/Global.h"
#include "karvelo/calc/Vypocty1.h"
#include "runtime/NumText.h"

namespace karvelo {

bool StandardBasicRack = false;

namespace {

const std::string kSeparator(40, '_');
constexpr const char* kRef1Page1 = "See  ISO 6336/1 page 1.";
constexpr const char* kRef3Page1 = "See  ISO 6336/3 page 1.";
constexpr const char* kRefKvB = "See  ISO 6336/1 page 23.";
constexpr const char* kRefKvC = "See ISO 6336/1 page 34.";

constexpr double Deg(double degrees) { return degrees * kPi / 180; }

// A value in the messages: three decimals, no padding.
std::string Num(double x) { return rt::Str(x, 1, 3); }
std::string Angle(double radians) { return Num(radians * 180 / kPi); }

// alfawn = arctan(tan(alfawt) cos(betaw)) with tan(betaw) = tan(beta) dw1 / d1.
double NormalWorkingPressureAngle() {
    const GlobalData& g = G;
    const double betaw = std::atan(std::tan(g.beta) * g.dw1 / g.d1);
    return std::atan(std::tan(g.alfawt) * std::cos(betaw));
}

bool SpectrumWithLevelFactors() { return G.LoadInputMethod == kMultilevelLoading && !G.SpectrumLevelsShown; }

// Slot text followed by its reference line and the separator (without a reference, by the
// separator only).
void Put(int slot, int code, const std::string& text, const char* reference) {
    GlobalData& g = G;
    g.ValidityCodes[slot] = static_cast<std::int16_t>(code);
    g.ValidityMessages[slot] = reference ? text + "\r" + reference + "\r" + kSeparator : text + "\r" + kSeparator;
}

// Slot text that already holds its reference and separator.
void PutWhole(int slot, int code, const std::string& text) {
    G.ValidityCodes[slot] = static_cast<std::int16_t>(code);
    G.ValidityMessages[slot] = text;
}

// Speed, load and velocity terms of the dynamic factor restrictions.
struct KvTerms {
    double V = 0;     // (v z1 / 100) sqrt(u^2 / (1 + u^2)) [m/s]
    double N = 0;     // speed ratio n1 / nE1
    double load = 0;  // transverse load per face width [N/mm]
};

KvTerms TermsFor(double speed, double force) {
    const GlobalData& g = G;
    KvTerms t;
    const double v = PitchLineVelocity(speed);
    t.V = v * g.z1 / 100 * std::sqrt(g.u * g.u / (1 + g.u * g.u));
    t.N = g.nE1 != 0 ? speed / g.nE1 : 0.0;
    t.load = g.b > 0 ? force / g.b : 0.0;
    return t;
}

void MarkKvSlots(const KvTerms& t) {
    GlobalData& g = G;
    auto mark = [&](int slot, bool holds) {
        if (holds) g.ValidityKinds[slot] = 1;
    };
    if (!g.MethodC) {
        mark(20, t.V < 3);
        mark(21, t.N > 0.49 && t.N < 0.51);
        mark(22, t.N > 0.32 && t.N < 0.34);
        mark(23, t.N > 0.99 && t.N < 1.01);
        mark(24, g.NS < t.N && t.N <= g.Nupper);
        for (int m = 2; m <= 5; ++m) mark(25, t.N > m - 0.01 && t.N < m + 0.01);
        mark(26, t.load < 50);
    } else {
        CheckStandardBasicRack();
        mark(27, t.V >= 10);
        mark(28, !StandardBasicRack);
        mark(29, g.beta > Deg(30));
        mark(30, g.z1 > 49);
    }
}

void ComposeMessages(const KvTerms& single) {
    const GlobalData& g = G;
    const bool spectrum = g.LoadInputMethod == kMultilevelLoading;
    const std::string S = spectrum ? "(some one) " : "";
    const std::string I = spectrum ? "(i)" : "";
    const std::string P = spectrum ? "(in spectrum inputs)" : "(window Other factors)";
    const double alfawn = NormalWorkingPressureAngle();

    if (g.beta == 0)
        Put(1, 4,
            "Coefficient Epsilonalfa >= 2.5 - formulae in ISO 6336 are not applicable.\rEpsilonalfa = " +
                Num(g.epsalfa),
            kRef1Page1);
    else
        Put(1, 4,
            "Coefficient Epsilonalfan >= 2.5 - formulae in ISO 6336 are not applicable.\rEpsilonalfa = " +
                Num(g.epsalfa) + "        Epsilonalfan = " + Num(g.epsalfan),
            kRef1Page1);
    Put(2, 4,
        "Coefficient Epsilonalfa < 1 - formulae in ISO 6336 are not applicable.\rEpsilonalfa = " + Num(g.epsalfa) +
            "              Epsilonbeta = " + Num(g.epsbeta),
        "See  ISO 6336/1 page 1,   ISO 6336/2 page 3.");
    Put(3, 4,
        "Normal working pressure angle Alfawn > 25° - Alfawn = " + Angle(alfawn) + "°" + "\r" +
            "Results will need to be confirmed by experience.",
        kRef1Page1);
    Put(4, 4,
        "Helix angle at ref. cylinder Beta > 25° - Beta = " + Angle(g.beta) + "°" + "\r" +
            "Results will need to be confirmed by experience.",
        kRef1Page1);
    Put(5, 4, "Pinion teeth are pointed - formulae in ISO 6336 are not applicable.\rsa1 = " + Num(g.sa1), kRef1Page1);
    Put(6, 4, "Wheel teeth are pointed - formulae in ISO 6336 are not applicable.\rsa2 = " + Num(g.sa2), kRef1Page1);
    Put(7, 4,
        "Insufficient pinion rim thickness - formulae in ISO 6336 are not applicable.\rsR1 <= ht1/2 (" + Num(g.sR1) +
            " < " + Num(g.ht1 / 2) + ")",
        kRef3Page1);
    if (g.GearingType != kInternalPair)
        Put(8, 4,
            "Insufficient wheel rim thickness - formulae in ISO 6336 are not applicable.\rsR2 <= ht2/2 (" + Num(g.sR2) +
                " < " + Num(g.ht2 / 2) + ")",
            kRef3Page1);
    else
        Put(8, 4,
            "Insufficient wheel rim thickness - formulae in ISO 6336 are not applicable.\rsR2 <= 1.75 * mn (" +
                Num(g.sR2) + " < " + Num(1.75 * g.mn) + ")",
            "See  ISO 6336/1 page 3.");
    PutWhole(9, 5,
             "Pinion root rounding radius rofP1 must be grater than 0.\rInvalid calculation of the factor YF1.\r"
             "Enter factor YF1 directly (window Other factors).\rSee  ISO 6336/3 page 8.\r" +
                 kSeparator);
    PutWhole(10, 5,
             "Wheel root rounding radius rofP1 must be grater than 0.\rInvalid calculation of the factor YF2.\r"
             "Enter factor YF2 directly (window Other factors).\rSee  ISO 6336/3 page 8.\r" +
                 kSeparator);
    for (int gear = 1; gear <= 2; ++gear) {
        const std::string n = std::to_string(gear);
        const double qs = gear == 1 ? g.qs1 : g.qs2;
        Put(10 + gear, 5,
            "Value of qs" + n + " must lay in the range  1 <= qs" + n + " < 8.\rqs" + n + " = " + Num(qs) +
                " - invalid calculation of the factor YS" + n + "." + "\r" + "Enter factor YS" + n +
                " directly (window Other factors).",
            "See  ISO 6336/3 page 14.");
        const double tg = gear == 1 ? g.tg1 : g.tg2;
        const double rog = gear == 1 ? g.Rog1 : g.Rog2;
        Put(12 + gear, 5,
            "Quotient   tg" + n + " / rog" + n + "   must be smaller than 4.\rtg" + n + " / rog" + n + " = " +
                Num(rog != 0 ? tg / rog : 0.0) + " - invalid calculation of the factor YSg" + n + "." + "\r" +
                "Enter factor YSg" + n + " directly (window Other factors).",
            "See  ISO 6336/3 page 15.");
    }
    Put(15, 5,
        "Helix angle at ref. cylinder Beta > 45° - invalid calculation of teeth stiffness.\rBeta = " + Angle(g.beta) +
            "°" + "\r" + "Enter stiffness directly in the window Dimensions.",
        "See  ISO 6336/1 page 71.");
    PutWhole(16, 4,
             "Shifting coeff. are out of the range - invalid calculation of teeth stiffness.\r"
             "Apply x1 >= x2 and  -0.5 <= x1+x2 <= 2.0 simultaneously.\r"
             "Enter stiffness directly in the window Dimensions.\rSee  ISO 6336/1 page 72.\r" +
                 kSeparator);
    Put(17, 4,
        "Helix angle at ref. cylinder Beta > 25° - value of the factor Ybeta must be proved.\rBeta = " + Angle(g.beta) +
            "°",
        "See  ISO 6336/3 page 16.");

    // Dynamic factor, method B.
    Put(20, 5,
        (spectrum ? std::string("Pitch line velocity for calculation of Kv(i) on some levels is small - ") + "\r" +
                        "calculation of Kv by ISO-B is invalid."
                  : std::string("Pitch line velocity for calculation of Kv is small - calculation of Kv by ISO-B is "
                                "invalid.") +
                        "\r" + "Value (v * z1)/100*sqrt(u * u/(1+u * u)) = " + Num(single.V) + " is smaller than 3.") +
            "\r" + "Enter factor Kv directly " + P + ", or use method ISO-C.",
        kRefKvB);
    Put(21, 3,
        "Pinion speed " + S + "is one half of the resonance speed -" + "\r" + "factor Kv" + I +
            " can be greater than calculated one. See ISO 6336/1 page 24.",
        nullptr);
    Put(22, 3,
        "Pinion speed " + S + "is one third of the resonance speed -" + "\r" + "factor Kv" + I +
            " can be greater than calculated one. See ISO 6336/1 page 24.",
        nullptr);
    Put(23, 3,
        "Pinion speed " + S + "matches the resonance speed -" + "\r" +
            "operation in this speed should be avoided. See ISO 6336/1 page 24.",
        nullptr);
    Put(24, 3,
        "Pinion speed " + S + "is in the main resonance range -" + "\r" +
            "operation in this range should be avoided. See ISO 6336/1 page 27.",
        nullptr);
    Put(25, 3,
        "Pinion sped " + S + "is an integer multiple of the resonance speed -" + "\r" +
            "Kv may be bigger one. See ISO 6336/1 page 24 and 25",
        nullptr);
    Put(26, 4,
        std::string("Additional vibrations or eventually separation of working tooth flanks\r"
                    "can occur for this small load.") +
            (spectrum ? " It is valid fore some levels." : ""),
        "See ISO 6336/1 page 24.");

    // Dynamic factor, method C.
    Put(27, 5,
        (spectrum ? std::string("Pitch line velocity for calculation of Kv(i) on some level is big -") + "\r" +
                        "calculation of Kv by ISO-C is invalid."
                  : std::string("Pitch line velocity for calculation of Kv is big - calculation of Kv by ISO-C is "
                                "invalid.") +
                        "\r" + "Value (v * z1)/100*sqrt(u * u/(1+u * u)) = " + Num(single.V) + " is greater than 10.") +
            "\r" + "Enter factor Kv directly " + P + ", or use method ISO-B.",
        kRefKvC);
    Put(28, 4,
        "Basic rack profile is not as specified in ISO 53 - calcul. of Kv by ISO-C is invalid.\r"
        "Enter factor Kv directly " +
            P + ", or use method ISO-B",
        kRefKvC);
    Put(29, 4,
        "Helix angle at ref. cylinder Beta > 30° - calculation of Kv by ISO-C is invalid.\r"
        "Enter factor Kv directly " +
            P + ", or use method ISO-B",
        kRefKvC);
    Put(30, 4,
        "Pinion teeth number is greater than 49 - calculation of Kv by ISO-C is invalid.\r"
        "Enter factor Kv directly " +
            P + ", or use method ISO-B",
        kRefKvC);

    // Transverse load factors.
    for (int slot = 35; slot <= 36; ++slot) {
        const std::string K = slot == 35 ? "KHalfa" : "KFalfa";
        const double value = slot == 35 ? g.KHalfa : g.KFalfa;
        Put(slot, 6,
            (spectrum
                 ? "Factor " + K + "(i) on all levels " + "should not be greater than Epsilonalfa = " + Num(g.epsalfa)
                 : "Factor " + K + " should not be greater than Epsilonalfa" + "\r" + K + " = " + Num(value) +
                       " > Epsilonalfa = " + Num(g.epsalfa)) +
                "\r" + "It is good to choose more accurate gears (smaller deviations of fpb)," + "\r" +
                "or enter factor " + K + " directly " + P + ".",
            "See ISO 6336/1 page 66.");
    }
}

void MarkRestrictions(const KvTerms& single) {
    GlobalData& g = G;
    auto mark = [&](int slot, bool holds) {
        if (holds) g.ValidityKinds[slot] = 1;
    };
    const bool external = g.GearingType != kInternalPair;
    const double alfawn = NormalWorkingPressureAngle();

    mark(1, g.epsalfan >= 2.5);
    mark(2, g.epsalfan < 1);
    mark(3, alfawn > Deg(25));
    mark(4, g.beta > Deg(25));
    mark(5, g.sa1 / g.mn < 0.02);
    mark(6, g.sa2 / g.mn < 0.02);
    mark(7, g.ht1 / 2 >= g.sR1);
    mark(8, external ? g.ht2 / 2 >= g.sR2 : 1.75 * g.mn >= g.sR2);
    mark(9, !g.YF1Direct && g.RofP1 <= 0);
    mark(10, !g.YF2Direct && external && g.RofP2 <= 0);
    mark(11, !g.YS1Direct && (g.qs1 < 1 || g.qs1 >= 8));
    mark(12, !g.YS2Direct && external && (g.qs2 < 1 || g.qs2 >= 8));
    mark(13, g.Rog1 > 0 && !g.YSg1Direct && g.tg1 / g.Rog1 >= 4);
    mark(14, g.Rog2 > 0 && !g.YSg2Direct && external && g.tg2 / g.Rog2 >= 4);
    mark(15, !g.cDirect && g.beta > Deg(45));
    mark(16, !g.cDirect && (g.x1 < g.x2 || g.x1 + g.x2 < -0.5 || g.x1 + g.x2 > 2));
    mark(17, g.beta > Deg(25));
    // The dynamic factor slots judge a Kv computed for this case; equivalent loads given directly
    // take their own Kv (no resonance speed of theirs is known).
    const bool kvComputed = g.LoadInputMethod == kOneLevelLoading ||
                            (g.LoadInputMethod == kDirectEquivalentLoad && g.CalcMethodics < kMethodicsMiner);
    if (kvComputed && !g.KvDirect) MarkKvSlots(single);
    mark(35, g.LoadInputMethod != kMultilevelLoading && !g.KHalfaDirect && g.KHalfa > g.epsalfa);
    mark(36, g.LoadInputMethod != kMultilevelLoading && !g.KFalfaDirect && g.KFalfa > g.epsalfa);
}

}  // namespace

void CheckStandardBasicRack() {
    const GlobalData& g = G;
    auto standard = [](double haP, double caP, double rofP) {
        return haP > 0.99 && haP < 1.01 && caP > 0.24 && caP < 0.26 && rofP >= 0 && rofP < 0.381;
    };
    StandardBasicRack = standard(g.haP1, g.caP1, g.RofP1) && standard(g.haP2, g.caP2, g.RofP2) &&
                        g.alfan > Deg(19.99) && g.alfan < Deg(20.01);
}

void CheckValidityRestrictions() {
    GlobalData& g = G;
    const bool keepLevelMarks = SpectrumWithLevelFactors();
    for (int slot = 1; slot <= kValiditySlots; ++slot) {
        if (!(keepLevelMarks && IsLevelValiditySlot(slot))) g.ValidityKinds[slot] = 0;
        g.ValidityCodes[slot] = 0;
        g.ValidityMessages[slot].clear();
    }
    const KvTerms single = TermsFor(g.n1, g.Ftjm * g.KA);
    ComposeMessages(single);
    MarkRestrictions(single);
    g.ValidityCount = 0;
    for (int slot = 1; slot <= 36; ++slot)
        if (g.ValidityKinds[slot] != 0) ++g.ValidityCount;
}

bool IsLevelValiditySlot(int slot) { return (slot >= 20 && slot <= 30) || slot == 35 || slot == 36; }

void ClearLevelValidityMarks() {
    for (int slot = 1; slot <= kValiditySlots; ++slot)
        if (IsLevelValiditySlot(slot)) G.ValidityKinds[slot] = 0;
}

void CheckKvValidityAtLevel(int Level) {
    if (!SpectrumWithLevelFactors()) return;
    MarkKvSlots(TermsFor(G.n1Level[Level], G.FtLevel[Level]));
}

void CheckKHalphaValidityAtLevel(int Level) {
    GlobalData& g = G;
    if (!SpectrumWithLevelFactors()) return;
    if (!g.KHalfaDirect && g.KHalfaLevel[Level] > g.epsalfa) g.ValidityKinds[35] = 1;
    if (!g.KFalfaDirect && g.KFalfaLevel[Level] > g.epsalfa) g.ValidityKinds[36] = 1;
}

}  // namespace karvelo
