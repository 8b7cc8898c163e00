// Validity restrictions: which slots a case marks, their texts and codes.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "CoreFixture.h"
#include "karvelo/calc/Epsilon.h"
#include "karvelo/calc/Platnost.h"

namespace karvelo::test {
namespace {

constexpr double Deg(double d) { return d * std::numbers::pi / 180; }
const std::string kSep(40, '_');

class ValidityTest : public CoreTest {
protected:
    // The default case as a finished one-load calculation by method B leaves it: geometry,
    // contact ratios, tooth depths, notch parameters, and a resonance speed far from n1.
    void Case(std::int16_t gearingType) {
        Defaults(gearingType);
        Derive();
        ComputeContactRatios();
        G.ht1 = (G.dNa1 - G.df1) / 2;
        G.ht2 = (G.dNa2 - G.df2) / 2;
        G.qs1 = 1.7;
        G.qs2 = 2.0;
        G.nE1 = 5000;  // N = 0.2
        G.NS = 0.85;
        G.Nupper = 1.15;
    }
    static std::vector<int> Marked() {
        std::vector<int> slots;
        for (int k = 1; k <= kValiditySlots; ++k)
            if (G.ValidityKinds[k] != 0) slots.push_back(k);
        return slots;
    }
};

// Pitch line velocity v = pi 80 1000 / 60000 = 4.18879 m/s; V = v 20 / 100 sqrt(4 / 5) = 0.749,
// below 3: the default case violates only the velocity scope of Kv by method B.
TEST_F(ValidityTest, DefaultCaseViolatesOnlyTheVelocityScopeOfMethodB) {
    Case(kExternalPair);
    CheckValidityRestrictions();
    EXPECT_EQ(Marked(), std::vector<int>{20});
    EXPECT_EQ(G.ValidityCount, 1);
    EXPECT_EQ(G.ValidityCodes[20], 5);
    EXPECT_EQ(G.ValidityMessages[20],
              "Pitch line velocity for calculation of Kv is small - calculation of Kv by ISO-B is invalid.\rValue "
              "(v * z1)/100*sqrt(u * u/(1+u * u)) = 0.749 is smaller than 3.\rEnter factor Kv directly (window Other "
              "factors), or use method ISO-C.\rSee  ISO 6336/1 page 23.\r" +
                  kSep);
    EXPECT_TRUE(DefaultWindowRecorder().requests.empty());
    EXPECT_TRUE(notices.notices.empty());
}

TEST_F(ValidityTest, EveryCodeIsTheLineCountOfItsMessage) {
    for (std::int16_t method : {kOneLevelLoading, kMultilevelLoading}) {
        Case(kExternalPair);
        G.LoadInputMethod = method;
        G.SpectrumLevelsShown = false;
        CheckValidityRestrictions();
        for (int k = 1; k <= kValiditySlots; ++k) {
            const std::string& text = G.ValidityMessages[k];
            const bool empty = (k >= 18 && k <= 19) || (k >= 31 && k <= 34) || k >= 37;
            if (empty) {
                EXPECT_TRUE(text.empty()) << k;
                EXPECT_EQ(G.ValidityCodes[k], 0) << k;
                continue;
            }
            const int lines = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\r'));
            EXPECT_TRUE(text.ends_with("\r" + kSep)) << k;
            // The stiffness message keeps code 4 for its five lines, the spectrum's transverse factor
            // messages code 6 for five.
            int expected = lines;
            if (k == 16) expected = 4;
            if (method == 2 && (k == 35 || k == 36)) expected = 6;
            EXPECT_EQ(G.ValidityCodes[k], expected) << k << ": " << text;
        }
    }
}

TEST_F(ValidityTest, HelixAngleLimitsAreStrict) {
    Case(kExternalPair);
    G.beta = Deg(25);
    CheckValidityRestrictions();
    EXPECT_EQ(G.ValidityKinds[4], 0);
    EXPECT_EQ(G.ValidityKinds[17], 0);
    G.beta = Deg(25.0001);
    CheckValidityRestrictions();
    EXPECT_EQ(G.ValidityKinds[4], 1);
    EXPECT_EQ(G.ValidityKinds[17], 1);
    EXPECT_EQ(G.ValidityMessages[4],
              "Helix angle at ref. cylinder Beta > 25° - Beta = 25.000°\rResults will need to be confirmed by "
              "experience.\rSee  ISO 6336/1 page 1.\r" +
                  kSep);
    EXPECT_EQ(G.ValidityMessages[17],
              "Helix angle at ref. cylinder Beta > 25° - value of the factor Ybeta must be proved.\rBeta = 25.000°\r"
              "See  ISO 6336/3 page 16.\r" +
                  kSep);
    EXPECT_TRUE(
        G.ValidityMessages[1].starts_with("Coefficient Epsilonalfan >= 2.5 - formulae in ISO 6336 are not "
                                          "applicable.\rEpsilonalfa = 1.635        Epsilonalfan = 1.635\r"));
}

TEST_F(ValidityTest, ResonanceRatiosMarkTheirSlots) {
    Case(kExternalPair);
    struct Row {
        double n1;               // with nE1 = 100: N = n1 / 100
        std::vector<int> slots;  // besides the velocity slot 20
    };
    const Row rows[] = {
        {50, {21}},  {49, {}},    {51, {}},      {33, {22}},    {100, {23, 24}},
        {115, {24}}, {115.1, {}}, {200.5, {25}}, {499.5, {25}}, {502, {}},
    };
    G.nE1 = 100;
    G.NS = 0.85;
    G.Nupper = 1.15;  // the main resonance range includes its upper end
    for (const Row& r : rows) {
        G.n1 = r.n1;
        CheckValidityRestrictions();
        std::vector<int> expected = {20};
        expected.insert(expected.end(), r.slots.begin(), r.slots.end());
        EXPECT_EQ(Marked(), expected) << r.n1;
    }
    EXPECT_EQ(G.ValidityMessages[21],
              "Pinion speed is one half of the resonance speed -\rfactor Kv can be greater than calculated one. See "
              "ISO 6336/1 page 24.\r" +
                  kSep);
}

TEST_F(ValidityTest, RootFactorAndStiffnessSlots) {
    Case(kExternalPair);
    G.RofP1 = 0;
    G.qs2 = 8;
    G.Rog1 = 0.5;
    G.tg1 = 2;  // tg1 / rog1 = 4 exactly
    G.Rog2 = 0;
    G.tg2 = 3;  // no notch radius: never marked
    G.x1 = -0.1;
    G.x2 = 0.2;      // x1 < x2
    G.KHalfa = 1.7;  // > epsalfa = 1.635
    CheckValidityRestrictions();
    EXPECT_EQ(Marked(), (std::vector<int>{9, 12, 13, 16, 20, 35}));
    EXPECT_EQ(G.ValidityCount, 6);
    EXPECT_EQ(G.ValidityMessages[12],
              "Value of qs2 must lay in the range  1 <= qs2 < 8.\rqs2 = 8.000 - invalid calculation of the factor "
              "YS2.\rEnter factor YS2 directly (window Other factors).\rSee  ISO 6336/3 page 14.\r" +
                  kSep);
    EXPECT_EQ(G.ValidityMessages[13],
              "Quotient   tg1 / rog1   must be smaller than 4.\rtg1 / rog1 = 4.000 - invalid calculation of the "
              "factor YSg1.\rEnter factor YSg1 directly (window Other factors).\rSee  ISO 6336/3 page 15.\r" +
                  kSep);
    EXPECT_EQ(G.ValidityMessages[35],
              "Factor KHalfa should not be greater than Epsilonalfa\rKHalfa = 1.700 > Epsilonalfa = 1.635\rIt is good "
              "to choose more accurate gears (smaller deviations of fpb),\ror enter factor KHalfa directly (window "
              "Other factors).\rSee ISO 6336/1 page 66.\r" +
                  kSep);

    // Entered factors and stiffness silence their slots.
    G.YF1Direct = G.YS2Direct = G.YSg1Direct = G.cDirect = G.KHalfaDirect = G.KvDirect = true;
    CheckValidityRestrictions();
    EXPECT_TRUE(Marked().empty());
    EXPECT_EQ(G.ValidityCount, 0);
}

TEST_F(ValidityTest, InternalPairUsesTheModuleRimRuleAndNoWheelRootSlots) {
    Case(kInternalPair);  // rofP2 = 0 by default
    G.qs2 = 17.7;
    G.Rog2 = 1;
    G.tg2 = 5;
    G.sR2 = 7;  // = 1.75 mn
    CheckValidityRestrictions();
    for (int k : {10, 12, 14}) EXPECT_EQ(G.ValidityKinds[k], 0) << k;
    EXPECT_EQ(G.ValidityKinds[8], 1);
    EXPECT_EQ(G.ValidityMessages[8],
              "Insufficient wheel rim thickness - formulae in ISO 6336 are not applicable.\rsR2 <= 1.75 * mn (7.000 "
              "< 7.000)\rSee  ISO 6336/1 page 3.\r" +
                  kSep);
}

TEST_F(ValidityTest, MethodCScopeAndTheStandardBasicRack) {
    Case(kExternalPair);
    G.MethodC = true;
    CheckStandardBasicRack();
    EXPECT_TRUE(StandardBasicRack);
    CheckValidityRestrictions();
    EXPECT_TRUE(Marked().empty());  // V = 0.749 < 10

    G.RofP2 = 0.381;
    G.beta = Deg(30.001);
    G.z1 = 50;
    G.n1 = 20000;  // V = 14.99
    CheckValidityRestrictions();
    EXPECT_EQ(Marked(), (std::vector<int>{4, 17, 27, 28, 29, 30}));
    EXPECT_FALSE(StandardBasicRack);
    EXPECT_EQ(G.ValidityMessages[28],
              "Basic rack profile is not as specified in ISO 53 - calcul. of Kv by ISO-C is invalid.\rEnter factor Kv "
              "directly (window Other factors), or use method ISO-B\rSee ISO 6336/1 page 34.\r" +
                  kSep);

    G.RofP2 = 0.38;
    G.alfan = Deg(20.01);
    CheckStandardBasicRack();
    EXPECT_FALSE(StandardBasicRack);
    G.alfan = Deg(20.009);
    G.caP1 = 0.26;
    CheckStandardBasicRack();
    EXPECT_FALSE(StandardBasicRack);
}

TEST_F(ValidityTest, SpectrumKeepsTheLevelMarksOfTheDynamicFactors) {
    Case(kExternalPair);
    G.LoadInputMethod = kMultilevelLoading;
    G.SpectrumLevelsShown = false;
    G.n1Level[1] = 1000;
    G.n1Level[2] = 2500;  // N = 0.5 at level 2
    G.FtLevel[1] = 62500;
    G.FtLevel[2] = 1200;  // 20 N/mm
    CheckKvValidityAtLevel(1);
    CheckKvValidityAtLevel(2);
    G.KHalfaLevel[2] = 1.8;
    CheckKHalphaValidityAtLevel(2);
    CheckValidityRestrictions();
    EXPECT_EQ(Marked(), (std::vector<int>{20, 21, 26, 35}));
    EXPECT_EQ(G.ValidityMessages[21],
              "Pinion speed (some one) is one half of the resonance speed -\rfactor Kv(i) can be greater than "
              "calculated one. See ISO 6336/1 page 24.\r" +
                  kSep);
    EXPECT_EQ(G.ValidityMessages[26],
              "Additional vibrations or eventually separation of working tooth flanks\rcan occur for this small load. "
              "It is valid fore some levels.\rSee ISO 6336/1 page 24.\r" +
                  kSep);
    EXPECT_EQ(G.ValidityMessages[35],
              "Factor KHalfa(i) on all levels should not be greater than Epsilonalfa = 1.635\rIt is good to choose "
              "more accurate gears (smaller deviations of fpb),\ror enter factor KHalfa directly (in spectrum "
              "inputs).\rSee ISO 6336/1 page 66.\r" +
                  kSep);

    // Entered level factors: the level routines mark nothing and the old marks go.
    G.SpectrumLevelsShown = true;
    CheckKvValidityAtLevel(2);
    CheckValidityRestrictions();
    EXPECT_TRUE(Marked().empty());
}

}  // namespace
}  // namespace karvelo::test
