// The central computation end to end, from the inputs as the windows leave them.
// Reference values are derived by hand from ISO 21771 / DIN 3960 (labelled "hand").
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "PairFixture.h"
#include "ostrimo/calc/Geometricke_vypocty.h"
#include "ostrimo/calc/Kontrola_geometrie.h"
#include "ostrimo/calc/Protub.h"

using namespace ostrimo;
using namespace pair_fixture;

namespace {

class GeometryCheck : public CoreTest {
protected:
    static void Defaults(int gearingType) {
        G.GearingType = gearingType;
        SetDefaultGearData();
    }
    // An internal pair as the windows enter it: the wheel's teeth negative, a cutter of
    // 20 teeth that leaves the wheel tips whole, a wheel tip given -38.6.
    static void InternalInputs() {
        Defaults(kInternalGearing);
        G.z2 = -40;
        G.z0 = 20;
        G.TipDiameter2Given = true;
        G.da2 = -38.6;
    }
    static int Verdicts() { return CountVerdicts(); }
    // ISO 21771: pressure angle at the ball centres and the dimension over balls.
    static double OverBalls(double z, double x, double dp, double db) {
        const auto& g = G;
        const double aM = InvInverse(Inv(g.alfat) + dp / (z * g.mn * std::cos(g.alfan)) - kPi / (2 * z) +
                                     2 * x * std::tan(g.alfan) / z);
        const double odd = std::fmod(z, 2) != 0 ? std::cos(kPi / (2 * z)) : 1.0;
        return db / std::cos(aM) * odd + dp;
    }
};

TEST_F(GeometryCheck, DefaultPairEndToEnd) {
    Defaults(kExternalGearing);
    ComputeGeometryCheck();
    const auto& g = G;
    EXPECT_FALSE(g.ErrorFlag);
    EXPECT_EQ(Verdicts(), 0);
    EXPECT_TRUE(g.PinionTipClearanceOk && g.WheelTipClearanceOk);
    EXPECT_TRUE(notices.notices.empty());
    EXPECT_TRUE(g.NoCalcMessageShown);

    // hand: d 20, 40; da 22, 42; df 17.5, 37.5; db = d cos 20; aw 30
    EXPECT_NEAR(g.aw, 30, 1e-8);
    EXPECT_NEAR(g.awCheck, 30, 1e-8);
    EXPECT_NEAR(g.da1, 22, 1e-8);
    EXPECT_NEAR(g.da2, 42, 1e-8);
    EXPECT_NEAR(g.df1, 17.5, 1e-12);
    EXPECT_NEAR(g.df2, 37.5, 1e-12);
    EXPECT_NEAR(g.db1, 20 * std::cos(Rad(20)), 1e-12);
    EXPECT_NEAR(g.InvoluteStartDiameter1, FormDiameter(20, g.db1, 0, 1), 1e-10);
    // hand: epsilon alpha 1.6352 from the two tips; slidings at the path ends
    const double T1T2 = 30 * std::sin(Rad(20));
    const double gA = Along(42, g.db2), gE = Along(22, g.db1);
    EXPECT_NEAR(g.epsilonalfa, (gA + gE - T1T2) / (kPi * std::cos(Rad(20))), 1e-8);
    EXPECT_NEAR(g.epsilongamma, g.epsilonalfa, 0);
    EXPECT_NEAR(g.SpecificSlidingRoot1, 1 - gA / (T1T2 - gA) * 0.5, 1e-8);
    EXPECT_NEAR(g.SpecificSlidingTip1, 1 - (T1T2 - gE) / gE * 0.5, 1e-8);
    EXPECT_NEAR(g.SpecificSlidingRoot2, 1 - gE / (T1T2 - gE) * 2, 1e-8);
    EXPECT_NEAR(g.SpecificSlidingTip2, 1 - (T1T2 - gA) / gA * 2, 1e-8);
    EXPECT_NEAR(g.s1, kPi / 2, 1e-9);
    EXPECT_NEAR(g.sa1, Thickness(22, 20, 0, g.db1), 1e-8);
    EXPECT_EQ(g.ContactLengthMin, 10);
    EXPECT_EQ(g.ContactLengthMax, 20);

    // test dimensions, hand: constant chord (pi/2) cos^2 20 at 1 - (pi/8) sin 40; span
    // over 3 and 5 teeth; balls touching the pitch circles, M by ISO 21771
    EXPECT_NEAR(g.sc1, kPi / 2 * std::pow(std::cos(Rad(20)), 2), 1e-9);
    EXPECT_NEAR(g.hc1, 1 - kPi / 8 * std::sin(Rad(40)), 1e-8);
    EXPECT_NEAR(g.sc2, g.sc1, 1e-9);
    EXPECT_EQ(g.zw1, 3);
    EXPECT_EQ(g.zw2, 5);
    EXPECT_NEAR(g.W1, std::cos(Rad(20)) * (kPi * 2.5 + 20 * Inv(Rad(20))), 1e-12);
    EXPECT_NEAR(g.W2, std::cos(Rad(20)) * (kPi * 4.5 + 40 * Inv(Rad(20))), 1e-12);
    EXPECT_NEAR(g.dM1, 20, 1e-8);
    EXPECT_NEAR(g.dM2, 40, 1e-8);
    EXPECT_GT(g.dt1, g.dtMin1);
    EXPECT_LT(g.dt1, g.dtMax1);
    EXPECT_NEAR(g.M1, OverBalls(20, 0, g.dt1, g.db1), 1e-8);
    EXPECT_NEAR(g.M2, OverBalls(40, 0, g.dt2, g.db2), 1e-8);
}

TEST_F(GeometryCheck, TestDimensionsOfAHelicalPairWithOddTeeth) {
    Defaults(kExternalGearing);
    auto& g = G;
    g.z1 = 21;
    g.z2 = 47;
    g.betaDeg = 12;
    g.beta = Rad(12);
    g.x1 = 0.25;
    g.x2 = -0.1;
    g.ChordConstant1 = false;
    g.ChordOnReference1 = true;
    ComputeGeometryCheck();
    EXPECT_FALSE(g.ErrorFlag);
    EXPECT_EQ(Verdicts(), 0);
    // hand: span W = mn (cos an (pi (k - 0.5) + z inv at) + 2 x sin an)
    const double w1 = std::cos(Rad(20)) * (kPi * (g.zw1 - 0.5) + 21 * Inv(g.alfat)) + 0.5 * std::sin(Rad(20));
    EXPECT_NEAR(g.W1, w1, 1e-10);
    EXPECT_NEAR(g.MinFacewidthSpan1, w1 * std::sin(Rad(12)), 1e-10);
    // hand: over balls, odd teeth with cos(90 deg / z)
    EXPECT_NEAR(g.M1, OverBalls(21, 0.25, g.dt1, g.db1), 1e-8);
    EXPECT_NEAR(g.M2, OverBalls(47, -0.1, g.dt2, g.db2), 1e-8);
    // the chord on the reference cylinder as the transverse chord times cos beta
    const double phi = (kPi / 2 + 2 * 0.25 * std::tan(Rad(20))) / 21;
    EXPECT_NEAR(g.sc1, g.d1 * std::sin(phi) * std::cos(Rad(12)), 1e-12);
    EXPECT_NEAR(g.hc1, g.da1 / 2 - g.d1 / 2 * std::cos(phi), 1e-12);
}

TEST_F(GeometryCheck, FatalVerdictEndsAfterTheClearanceCheck) {
    Defaults(kExternalGearing);
    auto& g = G;
    g.TipDiameter1Given = true;
    g.da1 = 18;  // below the base circle 18.79
    ComputeGeometryCheck();
    EXPECT_TRUE(g.PinionNoDepth);
    EXPECT_FALSE(g.CheckComplete);
    // step 4 and later did not run: their results and the test dimensions are not computed
    for (double v : {g.pt, g.epsilonalfa, g.epsilongamma, g.sa1, g.SpecificSlidingTip2, g.W1, g.dt1, g.sc2})
        EXPECT_FALSE(Computed(v));
    EXPECT_EQ(g.zw1, 0);

    // a sum of AMC below its critical value: refused by the working centre distance
    Defaults(kExternalGearing);
    g.x1 = g.x2 = -0.7;  // hand: xsum0 = -1.2285
    ComputeGeometryCheck();
    EXPECT_TRUE(g.AmcSumBelowCritical);
    EXPECT_FALSE(g.NoCalcMessageShown);
    ASSERT_EQ(notices.Texts().size(), 1u);
    EXPECT_EQ(notices.Texts()[0], "Sum of Addendum Modification Coefficients x1+x2 is smaller than critical.");
    EXPECT_FALSE(Computed(g.pt));

    // without the test dimensions, none of an earlier check remains
    Defaults(kExternalGearing);
    ComputeGeometryCheck();
    ASSERT_TRUE(Computed(g.W1) && Computed(g.dt2));
    g.TestDimensionsActive = false;
    ComputeGeometryCheck();
    EXPECT_TRUE(g.CheckComplete);
    for (double v : {g.W1, g.W2, g.MinFacewidthSpan1, g.sc1, g.hc2, g.M1, g.dt2, g.dM1}) EXPECT_FALSE(Computed(v));
    EXPECT_EQ(g.zw1, 0);
}

TEST_F(GeometryCheck, ChecksUseTheShiftedCentreDistance) {
    Defaults(kExternalGearing);
    auto& g = G;
    ComputeGeometryCheck();
    ASSERT_TRUE(g.PinionTipClearanceOk);
    // the wheels shifted together by 0.1: clearances of 0.15 mn
    g.BacklashByThinning = false;
    g.BacklashByShifting = true;
    g.awBacklash = 29.9;
    g.alfawtBacklash = std::acos(30 * std::cos(g.alfat) / 29.9);
    ComputeGeometryCheck();
    EXPECT_EQ(g.awCheck, 29.9);
    EXPECT_EQ(g.alfawtCheck, g.alfawtBacklash);
    EXPECT_FALSE(g.PinionTipClearanceOk);
    EXPECT_FALSE(g.WheelTipClearanceOk);
    EXPECT_FALSE(g.PinionTipBelowWheelRoot);
}

TEST_F(GeometryCheck, ChosenVerdicts) {
    auto& g = G;
    // undercut: 10 teeth, no shift; the involute starts where the tip trochoid cuts it
    Defaults(kExternalGearing);
    g.z1 = 10;
    ComputeGeometryCheck();
    EXPECT_TRUE(g.UndercutPinion);
    EXPECT_FALSE(g.ErrorFlag);
    EXPECT_GT(g.InvoluteStartDiameter1, g.db1);
    EXPECT_NEAR(g.alfaFormStart1, std::acos(g.db1 / g.InvoluteStartDiameter1), 1e-12);
    {
        // hand: the wheel tip point on the line of action against the involute start
        const double reach = g.awCheck * std::sin(g.alfawtCheck) - Along(g.ChamferDiameter2, g.db2);
        const bool cuts = reach + 1e-6 <= Along(g.InvoluteStartDiameter1, g.db1);
        EXPECT_EQ(g.PinionUndercutCutsInvolute, cuts);
        EXPECT_FALSE(g.InterferencePinionRoot);
    }

    // interference: a wheel tip given 0.4 mm larger reaches below the pinion's form
    // circle (hand: from the pinion's tangent point 9.9186 - 9.8097 = 0.1089 against
    // the form circle's 0.1539)
    Defaults(kExternalGearing);
    g.z1 = 18;
    g.TipDiameter2Given = true;
    g.da2 = 42.4;
    ComputeGeometryCheck();
    EXPECT_TRUE(g.InterferencePinionRoot);
    EXPECT_FALSE(g.UndercutPinion);
    EXPECT_FALSE(g.WheelTipClearanceOk);  // the larger tip also eats the clearance

    // tip too thin: x1 = 1 with the tip given without shortening
    Defaults(kExternalGearing);
    g.x1 = 1.0;
    g.TipDiameter1Given = true;
    g.da1 = 24;
    ComputeGeometryCheck();
    EXPECT_TRUE(g.PinionTipTooThin);  // hand: 0.1640 < 0.25
    EXPECT_NEAR(g.sa1, Thickness(24, 20, 1.0, g.db1), 1e-9);

    // tip clearance: a pinion tip 0.02 larger leaves 0.24 mn
    Defaults(kExternalGearing);
    g.TipDiameter1Given = true;
    g.da1 = 22.02;
    ComputeGeometryCheck();
    EXPECT_FALSE(g.PinionTipClearanceOk);
    EXPECT_TRUE(g.WheelTipClearanceOk);
    EXPECT_FALSE(g.PinionTipBelowWheelRoot);
    EXPECT_NE(g.epsilonalfa, 0);  // not fatal

    // tips interfering: internal, six teeth apart
    InternalInputs();
    g.z1 = 34;
    ComputeGeometryCheck();
    EXPECT_TRUE(g.TipInterference);
    EXPECT_FALSE(g.TipCirclesOverlap);
}

TEST_F(GeometryCheck, RackMateRoad) {
    Defaults(kExternalGearing);
    auto& g = G;
    g.RackMate = true;
    ComputeRackPairDimensions();
    ComputeGeometryCheck();
    EXPECT_FALSE(g.ErrorFlag);
    EXPECT_EQ(Verdicts(), 0);
    // hand: (1 / sin 20 + 5.71823 - 3.42020) / (pi cos 20) = 1.76882
    EXPECT_NEAR(g.epsilonalfa, 1.76882, 5e-6);
    EXPECT_EQ(g.zw2, 0);
    EXPECT_FALSE(Computed(g.W2));  // a rack has no span, no balls
    EXPECT_FALSE(Computed(g.dt2) || Computed(g.M2) || Computed(g.dM2));
    EXPECT_EQ(g.SpanTeethMax2, 0);
    EXPECT_NEAR(g.sa2, kPi / 2 - 2 * std::tan(Rad(20)), 1e-12);

    // a rack tool with a protuberance: its flank depth is the protuberance height
    g.Protuberance2 = true;
    ComputeProtuberanceFlankShift2();
    ComputeGeometryCheck();
    EXPECT_FALSE(g.ErrorFlag);
    EXPECT_NEAR(g.RackFlankDepth, g.haP02 * g.mn, 1e-15);
}

TEST_F(GeometryCheck, InternalRoad) {
    InternalInputs();
    auto& g = G;
    ComputeGeometryCheck();
    EXPECT_FALSE(g.ErrorFlag);
    EXPECT_EQ(Verdicts(), 0);
    EXPECT_TRUE(notices.notices.empty());
    // hand: aw -10, df2 = 2 a0 - da0 = -20 - 22.5, da1 = 2 (-10.25) + 42.5 = 22
    EXPECT_NEAR(g.aw, -10, 1e-8);
    EXPECT_NEAR(g.df2, -42.5, 1e-8);
    EXPECT_NEAR(g.da1, 22, 1e-8);
    // hand: eps alpha = (g1 - g2 + T1T2) / pbt
    const double T1T2 = 10 * std::sin(Rad(20));
    const double e = (Along(22, g.db1) - Along(38.6, g.db2) + T1T2) / (kPi * std::cos(Rad(20)));
    EXPECT_NEAR(g.epsilonalfa, e, 1e-8);
    // hand: the annular wheel's tooth pi m / 2 on the reference, its span over k teeth
    // enclosed mn cos an (pi (k + 0.5) + |z| inv at)
    EXPECT_NEAR(g.s2, kPi / 2, 1e-9);
    ASSERT_GT(g.zw2, 0);
    EXPECT_NEAR(g.W2, std::cos(Rad(20)) * (kPi * (g.zw2 + 0.5) + 40 * Inv(Rad(20))), 1e-10);
    // hand: between balls, inv aM = inv at - dp / (|z| m cos a) + pi / (2 |z|)
    const double aM = InvInverse(Inv(Rad(20)) - g.dt2 / (40 * std::cos(Rad(20))) + kPi / 80);
    EXPECT_NEAR(g.M2, std::fabs(g.db2) / std::cos(aM) - g.dt2, 1e-8);

    // the default cutter of 35 teeth trims the tips of this wheel and its standard tip
    // interferes with the pinion root
    Defaults(kInternalGearing);
    g.z2 = -40;
    ComputeGeometryCheck();
    EXPECT_TRUE(g.CutterTruncatesWheelTips);
    EXPECT_TRUE(g.InterferencePinionRoot);
    EXPECT_NEAR(g.da2Limit, -38.395, 5e-4);  // hand
}

TEST_F(GeometryCheck, BevelRoad) {
    Defaults(kBevelGearing);
    auto& g = G;
    g.z1Bevel = 20;
    g.z2Bevel = 40;
    ComputeGearPairDimensions();
    ComputeGeometryCheck();
    EXPECT_FALSE(g.ErrorFlag);
    EXPECT_EQ(Verdicts(), 0);
    // hand: delta1 = atan(1/2); the outer tip thickness on the back cone's virtual spur
    // gear of z/cos delta teeth, radius de/(2 cos delta) + outer addendum 1 mn
    const double delta1 = std::atan(0.5);
    EXPECT_NEAR(g.delta1, delta1, 1e-12);
    const double zv = 20 / std::cos(delta1), rv = 10 / std::cos(delta1), rva = rv + 1;
    const double sae = 2 * rva * (kPi / (2 * zv) + Inv(Rad(20)) - Inv(std::acos(rv * std::cos(Rad(20)) / rva)));
    EXPECT_NEAR(g.sae1, sae, 1e-9);
    const double inner = (g.Le - g.b) / g.Le;
    EXPECT_NEAR(g.sa1, sae * inner, 1e-9);
    EXPECT_NEAR(g.dai1, g.dae1 * inner, 1e-12);
    EXPECT_GT(g.epsilonalfa, 1);
    EXPECT_EQ(g.zw1, 0);  // no test dimensions for the bevel option
}

TEST_F(GeometryCheck, ChamferAndProtuberanceTools) {
    Defaults(kExternalGearing);
    auto& g = G;
    g.Chamfer1 = true;
    ComputeGeometryCheck();
    EXPECT_FALSE(g.ErrorFlag);
    ASSERT_FALSE(g.ChamferBeyondTip1);
    EXPECT_LT(g.ChamferDiameter1, g.da1);
    // hand: on the chamfer diameter the chamfer involute (base d cos aK, shift
    // (1 - tan an / tan aK) hK + x) and the tooth involute are equally thick
    const double aK = Rad(45), D = g.ChamferDiameter1;
    const double shift = (1 - std::tan(Rad(20)) / std::tan(aK)) * 0.75;
    const double sK = D * ((kPi / 2 + 2 * shift * std::tan(aK)) / 20 + Inv(aK) - Inv(std::acos(20 * std::cos(aK) / D)));
    EXPECT_NEAR(sK, Thickness(D, 20, 0, g.db1), 5e-6);  // the crossing is found to 1e-6 mm
    EXPECT_NEAR(g.sChamfer1, Thickness(D, 20, 0, g.db1), 1e-12);
    EXPECT_LE(g.MeshEndDiameter1, D);
    EXPECT_LT(g.sa1, Thickness(22, 20, 0, g.db1));  // the chamfer thins the tip

    // a protuberance (the default tool: 6.053 degrees from 0.75 mn below the datum):
    // its flank's involute stays outside the tooth's, the involute starts at the form
    // diameter of the protuberance tip's trochoid, above the plain tool's form circle
    Defaults(kExternalGearing);
    g.Protuberance1 = true;
    ASSERT_TRUE(ComputeProtuberanceFlankShift1());
    ComputeGeometryCheck();
    EXPECT_FALSE(g.ErrorFlag);
    EXPECT_TRUE(notices.notices.empty());
    const double start = g.InvoluteStartDiameter1;
    EXPECT_GT(start, FormDiameter(20, g.db1, 0, 1) + 0.1);
    EXPECT_LT(start, g.d1);
    EXPECT_NEAR(g.alfaFormStart1, std::acos(g.db1 / start), 1e-12);
    // hand: the wheel tip reaches below that start: the protuberance cuts the
    // operating involute
    const double reach = 30 * std::sin(Rad(20)) - Along(42, g.db2);
    ASSERT_LT(reach + 1e-6, Along(start, g.db1));
    EXPECT_TRUE(g.PinionUndercutCutsInvolute);
    EXPECT_FALSE(g.InterferencePinionRoot);
    // a protuberance that starts at the end of the straight flank changes nothing
    Defaults(kExternalGearing);
    g.Protuberance1 = true;
    g.haP01 = 1.0;
    ASSERT_TRUE(ComputeProtuberanceFlankShift1());
    ComputeGeometryCheck();
    EXPECT_NEAR(g.InvoluteStartDiameter1, FormDiameter(20, g.db1, 0, 1), 1e-9);
    EXPECT_FALSE(g.PinionUndercutCutsInvolute);
}

TEST_F(GeometryCheck, OtherGearingTypeOnlyResetsTheFlags) {
    Defaults(kExternalGearing);
    auto& g = G;
    g.GearingType = kBevelGearing + 1;
    g.ErrorFlag = true;
    g.UndercutPinion = true;
    g.AmcUndivided = true;
    g.PinionTipClearanceOk = false;
    GlobalData expected = g;
    expected.ErrorFlag = false;
    expected.UndercutPinion = false;
    expected.PinionTipClearanceOk = true;
    ComputeGeometryCheck();
    EXPECT_TRUE(g == expected);
    EXPECT_TRUE(g.AmcUndivided);  // left for the windows' "not divided yet" guard
}

TEST_F(GeometryCheck, ResultsThatAreNotNumbersAreRefused) {
    Defaults(kExternalGearing);
    auto& g = G;
    g.betaDeg = 10;
    g.beta = Rad(10);
    g.b = std::numeric_limits<double>::infinity();
    ComputeGeometryCheck();
    EXPECT_TRUE(g.ErrorFlag);
    ASSERT_FALSE(notices.notices.empty());
    EXPECT_EQ(notices.notices.back().text, "Impossible gearing parameters - the geometry cannot be computed.");
    EXPECT_EQ(notices.notices.back().caption, "  Error !");
}

// Inputs the data file once let through, each leaving a shown value infinite with ErrorFlag
// clear: the check refuses them with its box.
TEST_F(GeometryCheck, EveryShownValueMustBeANumber) {
    struct Case {
        const char* what;
        void (*set)();
    };
    const Case cases[] = {
        {"tool root radius 1e200: the involute start, mesh start and ball contact diameters", [] { G.rofP1 = 1e200; }},
        {"flank angle 0: the limiting numbers of teeth for undercut", [] { G.alfaP = 0, G.alfan = 0; }},
        {"facewidth 1e308: the longest contact line", [] { G.b = 1e308; }},
        {"module 1e15, sum of AMC -1e308: the addenda and depths", [] { G.mn = 1e15, G.xsum = G.x1 = -1e308; }},
    };
    for (const Case& c : cases) {
        G = GlobalData{};
        Defaults(kExternalGearing);
        G.TestDimensionsActive = true;
        c.set();
        notices.Clear();
        ComputeGeometryCheck();
        EXPECT_TRUE(G.ErrorFlag) << c.what;
        ASSERT_FALSE(notices.notices.empty()) << c.what;
        EXPECT_EQ(notices.notices.back().text, "Impossible gearing parameters - the geometry cannot be computed.")
            << c.what;
    }
    // The default pair shows nothing but numbers, whatever its type.
    for (int type : {kExternalGearing, kInternalGearing, kBevelGearing}) {
        G = GlobalData{};
        if (type == kInternalGearing)
            InternalInputs();
        else
            Defaults(type);
        if (type == kBevelGearing) G.z1Bevel = 20, G.z2Bevel = 30;
        ComputeGearPairDimensions();
        ComputeGeometryCheck();
        EXPECT_FALSE(G.ErrorFlag) << type;
        for (double v : ShownGeometryValues()) EXPECT_TRUE(std::isfinite(v)) << type;
    }
}

// The radial assembling check positions the pinion at every wheel tooth: a wheel of more teeth
// than a million is refused instead.
TEST_F(GeometryCheck, AssemblingCheckOfAWheelOfMillionsOfTeethIsRefused) {
    InternalInputs();
    G.z2 = -2e6;
    G.TipDiameter2Given = false;
    ComputeGearPairDimensions();
    ComputeGeometryCheck();
    EXPECT_TRUE(G.ErrorFlag);
    ASSERT_FALSE(notices.notices.empty());
    EXPECT_EQ(notices.notices.back().text, "Impossible gearing parameters - the geometry cannot be computed.");
}

}  // namespace
