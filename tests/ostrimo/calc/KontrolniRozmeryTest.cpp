// Test dimensions of pairs set from the textbook formulas.  Reference values are
// derived by hand from ISO 21771 / DIN 3960 (labelled "hand").
#include <gtest/gtest.h>

#include <cmath>

#include "PairFixture.h"
#include "ostrimo/calc/Kontrolni_rozmery.h"
#include "ostrimo/calc/Vypocty.h"

using namespace ostrimo;
using namespace pair_fixture;

namespace {

class TestDimensions : public CoreTest {
protected:
    // The geometry the test dimensions start from: form circles, thicknesses.
    static void Prepare() {
        ComputePitchesAndFormDiameters();
        ComputeChamferInvolutes();
        if (G.GearingType == kInternalGearing) CheckInterferenceInternal();
        ComputeToothThicknesses();
    }

    // ISO 21771: pressure angle at the ball centres for a ball dp.
    static double BallCentreAngle(double z, double x, double dp, bool internal) {
        const auto& g = G;
        const double zz = std::fabs(z);
        const double term = dp / (zz * g.mn * std::cos(g.alfan)) - kPi / (2 * zz) + 2 * x * std::tan(g.alfan) / zz;
        return InvInverse(Inv(g.alfat) + (internal ? -term : term));
    }
};

TEST_F(TestDimensions, ConstantChordAndReferenceChordOfTheDefaultPair) {
    SetExternalPair();
    Prepare();
    ComputeConstantChord1();
    // hand: sc = (pi/2) cos^2 20 = 1.38705, hc = 1 - (pi/8) sin 40 = 0.74758
    EXPECT_NEAR(G.sc1, kPi / 2 * std::pow(std::cos(Rad(20)), 2), 1e-12);
    EXPECT_NEAR(G.sc1, 1.38705, 5e-6);
    EXPECT_NEAR(G.hc1, 1 - kPi / 8 * std::sin(Rad(40)), 1e-12);
    ComputeConstantChord2();
    EXPECT_NEAR(G.sc2, G.sc1, 1e-12);
    EXPECT_NEAR(G.hc2, G.hc1, 1e-12);

    // hand: chordal thickness on the reference cylinder d sin(pi/(2z)) and its height
    // ha + (d/2)(1 - cos(pi/(2z))): 1.56918, 1.03083
    ComputeReferenceChordalThickness1();
    EXPECT_NEAR(G.sc1, 20 * std::sin(kPi / 40), 1e-12);
    EXPECT_NEAR(G.hc1, 1 + 10 * (1 - std::cos(kPi / 40)), 1e-12);
    EXPECT_NEAR(G.hc1, 1.03083, 5e-6);
    ComputeReferenceChordalThickness2();
    EXPECT_NEAR(G.sc2, 40 * std::sin(kPi / 80), 1e-12);

    // the reference circle below the start of the involute (x1 = 1.2) has no chord
    SetExternalPair({.x1 = 1.2});
    Prepare();
    ASSERT_GT(G.InvoluteStartDiameter1, G.d1);
    ComputeReferenceChordalThickness1();
    EXPECT_EQ(G.sc1, 0);
    EXPECT_EQ(G.hc1, 0);
}

TEST_F(TestDimensions, ChordAndHeightInvertEachOther) {
    // hand: a chord of the constant-chord length lies at the constant-chord height
    SetExternalPair({.x1 = 0.3, .x2 = -0.1});
    Prepare();
    auto& g = G;
    ComputeConstantChord1();
    const double sc = g.sc1, hc = g.hc1;
    g.hc1 = 0;
    ComputeChordHeightForThickness1();
    EXPECT_NEAR(g.hc1, hc, 1e-9);
    g.sc1 = 0;
    ComputeChordThicknessForHeight1();
    EXPECT_NEAR(g.sc1, sc, 1e-9);
    ComputeConstantChord2();
    const double sc2 = g.sc2, hc2 = g.hc2;
    ComputeChordHeightForThickness2();
    EXPECT_NEAR(g.hc2, hc2, 1e-9);
    ComputeChordThicknessForHeight2();
    EXPECT_NEAR(g.sc2, sc2, 1e-9);

    // a helical gear: the height for a chosen chord gives back the chord
    SetExternalPair({.betaDeg = 18});
    Prepare();
    g.sc1 = 1.2;
    ComputeChordHeightForThickness1();
    g.sc1 = 0;
    ComputeChordThicknessForHeight1();
    EXPECT_NEAR(g.sc1, 1.2, 1e-9);
    EXPECT_FALSE(g.ErrorFlag);

    // the annular wheel: constant chord and the chord at its height (tooth thickening
    // outward, height from the tip corners)
    SetInternalPair({.z2 = -40}, 20);
    g.da2 = -38.6;
    Prepare();
    ComputeConstantChord2();
    // hand: DIN 3960 internal constant chord (pi/2) cos^2 20
    EXPECT_NEAR(g.sc2, kPi / 2 * std::pow(std::cos(Rad(20)), 2), 1e-12);
    const double sci = g.sc2, hci = g.hc2;
    ComputeChordHeightForThickness2();
    EXPECT_NEAR(g.hc2, hci, 1e-9);
    ComputeChordThicknessForHeight2();
    EXPECT_NEAR(g.sc2, sci, 1e-9);
    EXPECT_FALSE(g.ErrorFlag);
}

TEST_F(TestDimensions, ChordRangeFromTheTipToTheStartOfTheInvolute) {
    SetExternalPair();
    Prepare();
    auto& g = G;
    ComputeChordRange1();
    // hand: spur, no chamfer: the chord and height at the tip corners; the chord at
    // the form circle would lie 1.6310 below the tip, beyond the base circle (1.6031),
    // so the range ends with the base thickness
    EXPECT_NEAR(g.ChordMin1, 22 * std::sin(g.sa1 / 22), 1e-12);
    EXPECT_NEAR(g.ChordHeightMin1, 11 * (1 - std::cos(g.sa1 / 22)), 1e-12);
    const double dFf = g.InvoluteStartDiameter1;
    ASSERT_GT(11 - dFf / 2 * std::cos(g.sInv1 / dFf), (22 - g.db1) / 2);
    EXPECT_TRUE(g.ChordRangeToBase);
    EXPECT_NEAR(g.ChordHeightMax1, (22 - g.db1) / 2, 1e-12);
    EXPECT_EQ(g.ChordMax1, g.sb1);

    // with a positive shift the form circle lies well above the base: the range ends
    // at the chord on the form circle
    SetExternalPair({.x1 = 0.5});
    Prepare();
    ComputeChordRange1();
    const double dF = g.InvoluteStartDiameter1;
    EXPECT_FALSE(g.ChordRangeToBase);
    EXPECT_NEAR(g.ChordMax1, dF * std::sin(g.sInv1 / dF), 1e-12);
    EXPECT_NEAR(g.ChordHeightMax1, g.da1 / 2 - dF / 2 * std::cos(g.sInv1 / dF), 1e-12);
}

TEST_F(TestDimensions, SpanOverTheProposedTeeth) {
    SetExternalPair();
    Prepare();
    auto& g = G;
    ComputeSpanTeethRange();
    // hand: the anvils touch between the form circle and the tip for 1 to 4 teeth;
    // z alfa / pi + 0.5 = 2.72 gives 3 teeth, the wheel's 4.94 gives 5
    EXPECT_EQ(g.SpanTeethMin1, 1);
    EXPECT_EQ(g.SpanTeethMax1, 4);
    EXPECT_EQ(g.SpanTeethProposed1, 3);
    EXPECT_EQ(g.zw1, 3);
    EXPECT_EQ(g.SpanTeethProposed2, 5);
    EXPECT_EQ(g.zw2, 5);
    ComputeSpanMeasurements();
    // hand: W = m cos a (pi (k - 0.5) + z inv a) = 7.66044 and 13.8451
    EXPECT_NEAR(g.W1, std::cos(Rad(20)) * (kPi * 2.5 + 20 * Inv(Rad(20))), 1e-12);
    EXPECT_NEAR(g.W1, 7.66044, 5e-6);
    EXPECT_NEAR(g.W2, std::cos(Rad(20)) * (kPi * 4.5 + 40 * Inv(Rad(20))), 1e-12);
    EXPECT_EQ(g.MinFacewidthSpan1, 0);

    // hand: thinning both gears by jn takes jn/2 off each span; a helical pair needs
    // the facewidth W sin beta
    SetExternalPair({.x1 = 0.2, .betaDeg = 12});
    Prepare();
    g.jn = 0.08;
    ComputeSpanTeethRange();
    ComputeSpanMeasurements();
    const double k = g.zw1;
    const double w = std::cos(Rad(20)) * (kPi * (k - 0.5) + 20 * Inv(g.alfat)) + 2 * 0.2 * std::sin(Rad(20)) - 0.04;
    EXPECT_NEAR(g.W1, w, 1e-12);
    EXPECT_NEAR(g.MinFacewidthSpan1, w * std::sin(Rad(12)), 1e-12);

    // the proposal v = z alfa / pi + 0.5 rounds up only above a fraction of 0.2
    SetExternalPair({.alfaDeg = 24.21});  // v = 3.19
    Prepare();
    ComputeSpanTeethRange();
    EXPECT_EQ(g.SpanTeethProposed1, 3);
    SetExternalPair({.alfaDeg = 24.39});  // v = 3.21
    Prepare();
    ComputeSpanTeethRange();
    EXPECT_EQ(g.SpanTeethProposed1, 4);
    EXPECT_LE(g.SpanTeethProposed1, g.SpanTeethMax1);
}

TEST_F(TestDimensions, TipNearTheBaseCircleAndRackAdmitNoSpan) {
    // a tip just above the base circle: the tip half angle exceeds the pressure angle
    // there, no anvil can touch the flank
    SetExternalPair();
    auto& g = G;
    g.da1 = 1.002 * g.db1;
    Prepare();
    ComputeSpanTeethRange();
    EXPECT_EQ(g.SpanTeethMin1, 0);
    EXPECT_EQ(g.SpanTeethMax1, 0);
    EXPECT_EQ(g.zw1, 0);
    ComputeSpanMeasurements();
    EXPECT_FALSE(Computed(g.W1));

    SetRackPair();
    Prepare();
    ComputeSpanTeethRange();
    EXPECT_EQ(g.SpanTeethMax2, 0);
    EXPECT_EQ(g.zw2, 0);
    EXPECT_GT(g.zw1, 0);
}

TEST_F(TestDimensions, RackChordsWithThinning) {
    SetRackPair();
    auto& g = G;
    Prepare();
    ComputeRackToothThickness();
    ComputeConstantChord2();
    // hand: (pi/2) m cos^2 20 at ha - (pi/4) m cos 20 sin 20
    const double c = std::cos(Rad(20)), s = std::sin(Rad(20));
    EXPECT_NEAR(g.sc2, kPi / 2 * c * c, 1e-12);
    EXPECT_NEAR(g.hc2, 1 - kPi / 4 * c * s, 1e-12);
    // hand: both thinned by jn: the rack loses jn/2 of thickness, normal to the flank
    // jn/4 each; on the constant chord half the loss of the rack thinned alone
    g.jn = 0.1;
    ComputeConstantChord2();
    const double both = kPi / 2 * c * c - g.sc2;
    EXPECT_NEAR(both, 0.05 * c, 1e-12);
    EXPECT_NEAR(g.hc2, 1 - kPi / 4 * c * s + 0.025 * s, 1e-12);
    g.ThinBothWheels = false;
    g.ThinWheelOnly = true;
    ComputeConstantChord2();
    EXPECT_NEAR(kPi / 2 * c * c - g.sc2, 2 * both, 1e-12);
    // the rack's chord on its reference line: ha at most one module
    ComputeReferenceChordalThickness2();
    EXPECT_NEAR(g.sc2, kPi / 2 - 0.1 / c, 1e-12);
    EXPECT_EQ(g.hc2, 1);

    // hand: the straight rack flank: the tip thickness at height 0, the thickness at the
    // flank end at ha + the flank depth, linear between; with a chamfer from its start
    g.jn = 0;
    ComputeRackToothThickness();
    g.sc2 = g.sa2;
    ComputeChordHeightForThickness2();
    EXPECT_NEAR(g.hc2, 0, 1e-15);
    g.sc2 = g.sInv2;
    ComputeChordHeightForThickness2();
    EXPECT_NEAR(g.hc2, g.ha2 + g.ToolFlankHeight2, 1e-12);
    g.hc2 = 1.0;  // the reference line
    ComputeChordThicknessForHeight2();
    EXPECT_NEAR(g.sc2, kPi / 2, 1e-12);
    g.Chamfer2 = true;
    ComputeChamferInvolutesRack();
    ComputeRackToothThickness();
    g.hc2 = 1.0;
    ComputeChordThicknessForHeight2();
    EXPECT_NEAR(g.sc2, kPi / 2, 1e-12);
    g.sc2 = g.sChamfer2;
    ComputeChordHeightForThickness2();
    EXPECT_NEAR(g.hc2, g.ha2 - 0.75, 1e-12);
}

TEST_F(TestDimensions, BallTouchingTheReferenceCircle) {
    for (double z1 : {20.0, 21.0}) {
        SCOPED_TRACE(z1);
        SetExternalPair({.z1 = z1, .betaDeg = 10});
        Prepare();
        auto& g = G;
        g.dM1 = g.d1;
        ComputeBallDiameterForContact1();
        EXPECT_FALSE(g.NewtonNotConverged);
        // hand (ISO 21771): the ball centre angle from inv aM, the contact point from
        // tan ay = tan aM - dp cos bb / db, and M with cos(90 deg / z) for odd z
        const double aM = BallCentreAngle(z1, 0, g.dt1, false);
        EXPECT_NEAR(std::tan(aM) - g.dt1 * std::cos(g.betab) / g.db1, std::tan(g.alfat), 1e-10);
        const double odd = z1 == 21 ? std::cos(kPi / (2 * 21)) : 1.0;
        EXPECT_NEAR(g.M1, g.db1 / std::cos(aM) * odd + g.dt1, 1e-9);
        EXPECT_NEAR(g.dt1, 1.7, 0.1);  // the usual ball of about 1.7 mn
    }

    // the annular wheel, between balls: inv aM = inv at - dp/(|z| m cos a) + pi/(2|z|)
    SetInternalPair({.z2 = -40}, 20);
    auto& g = G;
    g.da2 = -38.6;
    Prepare();
    g.dM2 = 40;
    ComputeBallDiameterForContact2();
    const double aM = BallCentreAngle(-40, 0, g.dt2, true);
    EXPECT_NEAR(std::tan(aM) + g.dt2 * std::cos(g.betab) / std::fabs(g.db2), std::tan(g.alfat), 1e-10);
    EXPECT_NEAR(g.M2, std::fabs(g.db2) / std::cos(aM) - g.dt2, 1e-9);
}

TEST_F(TestDimensions, BallRangeFromTheInvoluteStartToTheTip) {
    SetExternalPair();
    Prepare();
    auto& g = G;
    g.dM1 = g.d1;
    ComputeBallDiameterForContact1();
    const double dt = g.dt1, M = g.M1;
    g.BallRangeState = kBallBelowInvolute;  // left by an earlier range
    ComputeBallDiameterRange1();
    // the current ball is kept; the upper limit is the ball touching at the tip
    EXPECT_EQ(g.dt1, dt);
    EXPECT_EQ(g.M1, M);
    EXPECT_LT(g.dtMin1, dt);
    EXPECT_GT(g.dtMax1, dt);
    EXPECT_EQ(g.BallRangeState, kBallWithinLimits);
    EXPECT_EQ(g.BallTipLimit1, 22);
    // the lower limit: the larger of the ball touching at the form circle and the ball
    // whose dimension over balls is the tip diameter (smaller ones sink under the tip)
    const double dtMin = g.dtMin1;
    g.dM1 = g.InvoluteStartDiameter1;
    ComputeBallDiameterForContact1();
    EXPECT_LT(g.dt1, dtMin);
    g.dt1 = dtMin;
    ComputeDimensionOverBalls1();
    EXPECT_NEAR(g.M1, g.da1, 1e-9);
}

// The lower limit a ball breaks, for gears and balls (mn = 1) whose limits lie apart.
TEST_F(TestDimensions, BallRangeStateNamesTheLimitTheBallBreaks) {
    struct Case {
        const char* what;
        Pair pair;
        bool internal;
        int gear;
        double dt;
        int state;
    } const cases[] = {
        {"a usual ball", {}, false, 1, 1.8, kBallWithinLimits},
        {"sinks under the tip", {}, false, 1, 1.4, kBallSinksUnderTip},
        {"wheel: sinks under the tip", {}, false, 2, 1.0, kBallSinksUnderTip},
        {"annular wheel: sinks above the tip", {.z2 = -80}, true, 2, 1.4, kBallSinksUnderTip},
        {"annular wheel: a usual ball", {.z2 = -80}, true, 2, 1.8, kBallWithinLimits},
        {"touches below the involute (undercut pinion)",
         {.z1 = 7, .z2 = 40, .x1 = -0.3},
         false,
         1,
         1.0,
         kBallBelowInvolute},
        {"reaches into the root", {.z1 = 6, .z2 = 100, .x1 = 1.4}, false, 1, 0.1, kBallIntoRoot},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.internal)
            SetInternalPair(c.pair, 20);
        else
            SetExternalPair(c.pair);
        Prepare();
        auto& g = G;
        (c.gear == 1 ? g.dt1 : g.dt2) = c.dt;
        // a stale state is not kept
        g.BallRangeState = c.state == kBallWithinLimits ? kBallSinksUnderTip : kBallWithinLimits;
        c.gear == 1 ? ComputeBallDiameterRange1() : ComputeBallDiameterRange2();
        EXPECT_EQ(g.BallRangeState, c.state);
        const double dtMin = c.gear == 1 ? g.dtMin1 : g.dtMin2;
        if (c.state != kBallWithinLimits) {
            EXPECT_GT(dtMin, c.dt);
        }
        if (c.state != kBallSinksUnderTip) continue;
        // the minimum is the ball standing just out of the tip circle
        (c.gear == 1 ? g.dt1 : g.dt2) = dtMin;
        c.gear == 1 ? ComputeDimensionOverBalls1() : ComputeDimensionOverBalls2();
        EXPECT_NEAR(c.gear == 1 ? g.M1 : g.M2, std::fabs(c.gear == 1 ? g.da1 : g.da2), 1e-9);
    }
}

}  // namespace
