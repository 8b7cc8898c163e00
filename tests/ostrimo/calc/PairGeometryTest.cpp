#include "GeometryFixture.h"
#include "ostrimo/calc/Geometricke_vypocty.h"

using namespace ostrimo;
using namespace ostrimo::test;

namespace {

const char* const kBelowCritical = "Sum of Addendum Modification Coefficients x1+x2 is smaller than critical.";
const char* const kAboveCritical = "Sum of Addendum Modification Coefficients x1+x2 is greater than critical.";
const char* const kCutterAboveCritical =
    "Sum of Addendum Modification Coefficients (manufacturing) x0+x2 is greater than critical - negative "
    "manufacturing pressure angle.";

class PairGeometry : public GeometryTest {
protected:
    // z 19/42, mn 3, beta 15 degrees, x1 0.3, x2 0.15, sum entered.
    static void HelicalPair() {
        Defaults(kExternalGearing);
        G.mn = 3;
        G.z1 = 19;
        G.z2 = 42;
        SetHelix(15);
        G.x1 = 0.3;
        G.x2 = 0.15;
        G.xsum = 0.45;
        G.LastComputingInput = kXsumInput;
    }
    // Critical sum -inv(at) (z1 + z2) / (2 tan an), from the textbook relation.
    static double CriticalSum() {
        const double at = TransverseAngle(G.alfan, G.beta);
        return -Inv(at) * (G.z1 + G.z2) / (2 * std::tan(G.alfan));
    }
};

}  // namespace

TEST_F(PairGeometry, DefaultPairDimensionsAndCentreDistance) {
    Defaults(kExternalGearing);
    ComputeWorkingCentreDistance();
    // z 20/40, mn 1, 20 degrees, no shift: everything on the reference circles
    EXPECT_NEAR(G.alfawt, Rad(20), 1e-10);
    EXPECT_NEAR(G.alfawtDeg, 20, 1e-8);
    EXPECT_NEAR(G.aw, 30, 1e-8);
    EXPECT_DOUBLE_EQ(G.ad, 30);
    EXPECT_NEAR(G.k, 0, 1e-8);
    EXPECT_DOUBLE_EQ(G.d1, 20);
    EXPECT_DOUBLE_EQ(G.d2, 40);
    EXPECT_NEAR(G.db1, 20 * std::cos(Rad(20)), 1e-13);
    EXPECT_NEAR(G.dw1, 20, 1e-8);
    EXPECT_NEAR(G.dw2, 40, 1e-8);
    EXPECT_DOUBLE_EQ(G.hf1, 1.25);
    EXPECT_DOUBLE_EQ(G.df1, 17.5);
    EXPECT_DOUBLE_EQ(G.df2, 37.5);
    EXPECT_NEAR(G.da1, 22, 1e-8);
    EXPECT_NEAR(G.da2, 42, 1e-8);
    EXPECT_NEAR(G.h1, 2.25, 1e-8);
    // 1.25 - (1 - sin 20) 0.38 = 0.99996765 is taken as exactly 1
    EXPECT_EQ(G.ToolFlankHeightFactor1, 1.0);
    EXPECT_EQ(G.ToolFlankHeight2, 1.0);
    EXPECT_NEAR(G.xsum0, CriticalSum(), 1e-14);
    EXPECT_FALSE(G.ErrorFlag);
    EXPECT_TRUE(notices.notices.empty());
}

TEST_F(PairGeometry, ShiftedHelicalPairFromItsSumOfShifts) {
    HelicalPair();
    ComputeWorkingCentreDistance();
    // by hand (ISO 21771): inv awt = inv at + 2 tan an (x1 + x2)/(z1 + z2); a = ad cos at / cos awt
    const double at = TransverseAngle(G.alfan, G.beta);
    const double awt = InverseInvolute(Inv(at) + 2 * std::tan(G.alfan) * 0.45 / 61);
    const double ad = 61 * 3 / (2 * std::cos(G.beta));
    const double aw = ad * std::cos(at) / std::cos(awt);
    EXPECT_NEAR(G.alfat, at, 1e-15);
    EXPECT_NEAR(G.alfawt, awt, 1e-9);
    EXPECT_NEAR(G.aw, aw, 1e-7);
    // tip diameters: da = d + 2 mn (haP + x + k_iso), k_iso = (a - ad)/mn - xsum (the stored k is -k_iso)
    const double kIso = (aw - ad) / 3 - 0.45;
    EXPECT_NEAR(G.k, -kIso, 1e-7);
    EXPECT_NEAR(G.da1, 19 * 3 / std::cos(G.beta) + 2 * 3 * (1 + 0.3 + kIso), 1e-7);
    EXPECT_NEAR(G.da2, 42 * 3 / std::cos(G.beta) + 2 * 3 * (1 + 0.15 + kIso), 1e-7);
    EXPECT_NEAR(G.dw1 + G.dw2, 2 * aw, 1e-7);
    EXPECT_NEAR(G.betab, std::asin(std::sin(G.beta) * std::cos(G.alfan)), 1e-15);
    EXPECT_NEAR(G.mt, 3 / std::cos(G.beta), 1e-14);
    EXPECT_TRUE(notices.notices.empty());
}

TEST_F(PairGeometry, SumOfShiftsFromCentreDistanceAndFromPressureAngle) {
    HelicalPair();
    G.aw = 96;
    ComputeAmcSumFromCentreDistance();
    // by hand: cos awt = ad cos at / aw; xsum = (inv awt - inv at)(z1 + z2)/(2 tan an)
    const double at = TransverseAngle(G.alfan, G.beta);
    const double ad = 61 * 3 / (2 * std::cos(G.beta));
    const double awt = std::acos(ad * std::cos(at) / 96);
    const double xsum = (Inv(awt) - Inv(at)) * 61 / (2 * std::tan(G.alfan));
    EXPECT_NEAR(G.alfawt, awt, 1e-14);
    EXPECT_NEAR(G.xsum, xsum, 1e-12);
    EXPECT_NEAR(G.dw1 + G.dw2, 2 * 96, 1e-11);

    // and back: the sum gives the centre distance again
    G.x1 = G.xsum / 2;
    G.x2 = G.xsum / 2;
    G.alfawt = 0;
    ComputeWorkingCentreDistance();
    EXPECT_NEAR(G.aw, 96, 1e-8);

    G.alfawt = Rad(22);
    ComputeAmcSumFromPressureAngle();
    EXPECT_NEAR(G.aw, ad * std::cos(at) / std::cos(Rad(22)), 1e-12);
    EXPECT_NEAR(G.xsum, (Inv(Rad(22)) - Inv(at)) * 61 / (2 * std::tan(G.alfan)), 1e-12);
    EXPECT_FALSE(G.ErrorFlag);
}

TEST_F(PairGeometry, CentreDistanceBelowTheBaseCirclesLeavesThePairUntouched) {
    HelicalPair();
    G.aw = 80;  // the base circles need more than 87
    G.xsum = 0.45;
    G.da1 = 1234;
    ComputeAmcSumFromCentreDistance();
    EXPECT_EQ(G.xsum, 0.45);
    EXPECT_EQ(G.da1, 1234);
    EXPECT_TRUE(G.ErrorFlag);
    EXPECT_TRUE(notices.notices.empty());
}

TEST_F(PairGeometry, CriticalSumRefusedJustBelowAcceptedJustAbove) {
    Defaults(kExternalGearing);
    const double xsum0 = CriticalSum();
    G.x1 = xsum0 - 2e-5;
    G.alfawt = 0.3;
    ComputeWorkingCentreDistance();
    ExpectBox(kBelowCritical);
    EXPECT_TRUE(G.AmcSumBelowCritical);
    EXPECT_FALSE(G.NoCalcMessageShown);
    EXPECT_EQ(G.alfawt, 0.3);  // refused: the angle keeps its value
    EXPECT_NEAR(G.xsum0, xsum0, 1e-14);

    // within the tolerance of the test: accepted; the sum is at its critical value
    notices.Clear();
    Defaults(kExternalGearing);
    G.x1 = xsum0 - 0.5e-5;
    ComputeWorkingCentreDistance();
    EXPECT_TRUE(notices.notices.empty());
    EXPECT_FALSE(G.AmcSumBelowCritical);
    EXPECT_FALSE(G.ErrorFlag);
    EXPECT_EQ(G.alfawt, 0);
    EXPECT_NEAR(G.aw, 30 * std::cos(Rad(20)), 1e-12);  // the sum of the base radii

    // just above: a small working angle whose involute meets the target
    Defaults(kExternalGearing);
    G.x1 = xsum0 + 1e-4;
    ComputeWorkingCentreDistance();
    const double target = Inv(Rad(20)) + 2 * std::tan(Rad(20)) * G.x1 / 60;
    EXPECT_GT(G.alfawt, 0.01);
    EXPECT_NEAR(Inv(G.alfawt), target, 1e-11);
    EXPECT_TRUE(notices.notices.empty());
}

TEST_F(PairGeometry, InternalAndManufacturingCriticalSums) {
    Defaults(kInternalGearing);
    G.z2 = -40;
    const double xsum0 = CriticalSum();  // positive for an internal pair
    ASSERT_GT(xsum0, 0);
    G.x2 = xsum0 + 2e-5;
    ComputeWorkingCentreDistance();
    EXPECT_EQ(Texts().front(), kAboveCritical);
    EXPECT_TRUE(G.AmcSumAboveCritical);
    EXPECT_FALSE(G.NoCalcMessageShown);

    // the balancing search skips the pair tests
    notices.Clear();
    G.AmcSumAboveCritical = false;
    G.SkipCriticalSumCheck = true;
    double alpha = 0.5;
    EXPECT_TRUE(InvertInvoluteChecked(alpha, 0.02));
    EXPECT_NEAR(Inv(alpha), 0.02, 1e-11);
    EXPECT_TRUE(notices.notices.empty());

    // the manufacturing mesh tests x0 + x2 against the cutter's critical sum
    G.SkipCriticalSumCheck = false;
    G.ManufacturingMode = true;
    G.x0 = 0;
    G.x2 = -Inv(G.alfat) * (35 - 40) / (2 * std::tan(G.alfan)) + 2e-5;
    alpha = 0.5;
    EXPECT_FALSE(InvertInvoluteChecked(alpha, 0.02));
    EXPECT_EQ(alpha, 0.5);
    ExpectBox(kCutterAboveCritical);
    EXPECT_TRUE(G.CutterAmcSumAboveCritical);
    EXPECT_FALSE(G.AmcSumAboveCritical);
}

TEST_F(PairGeometry, InvolutePastItsRangeIsFlagged) {
    Defaults(kExternalGearing);
    double alpha = 0.5;
    EXPECT_FALSE(InvertInvoluteChecked(alpha, 20));  // inv 1.5 rad = 12.6: no root is searched above
    EXPECT_EQ(alpha, 0);
    EXPECT_TRUE(G.ErrorFlag);
    EXPECT_TRUE(notices.notices.empty());

    G.ErrorFlag = false;
    EXPECT_TRUE(InvertInvoluteChecked(alpha, 10));  // near the top of the range
    EXPECT_NEAR(alpha, InverseInvolute(10), 1e-12);
}

TEST_F(PairGeometry, InternalPairOfEqualTeethWorksAtNinetyDegrees) {
    Defaults(kInternalGearing);
    G.z1 = 40;
    G.z2 = -40;
    G.x1 = 0.3;
    G.x2 = 0.2;
    ComputeWorkingCentreDistance();
    EXPECT_NEAR(G.aw, std::sin(Rad(20)) * 0.5, 1e-15);
    EXPECT_EQ(G.alfawt, std::numbers::pi / 2);
    EXPECT_EQ(G.alfawtDeg, 90);
    EXPECT_EQ(G.dw1, 1e20);
    // the working angle is the double below pi/2: its tangent is large, not refused
    EXPECT_GT(ComputeCheckedTan(G.alfawt), 1e15);
    EXPECT_FALSE(G.ErrorFlag);
    EXPECT_TRUE(notices.notices.empty());

    G.aw = 0.2;
    ComputeAmcSumFromCentreDistance();
    EXPECT_NEAR(G.xsum, 0.2 / std::sin(Rad(20)), 1e-14);
}

TEST_F(PairGeometry, RackMateDimensions) {
    Defaults(kExternalGearing);
    G.RackMate = true;
    G.x1 = 0.2;
    ComputeRackPairDimensions();
    EXPECT_DOUBLE_EQ(G.ha1, 1.2);
    EXPECT_DOUBLE_EQ(G.hf1, 1.05);
    EXPECT_DOUBLE_EQ(G.ha2, 1.0);
    EXPECT_DOUBLE_EQ(G.hf2, 1.25);
    EXPECT_DOUBLE_EQ(G.da1, 22.4);
    EXPECT_DOUBLE_EQ(G.df1, 17.9);
    EXPECT_EQ(G.ToolFlankHeightFactor1, 1.0);

    // a given rack addendum and tip diameter stay; the centre-distance routines do nothing
    G.TipDiameter1Given = G.TipDiameter2Given = true;
    G.ha2 = 0.8;
    G.da1 = 22.1;
    ComputeRackPairDimensions();
    EXPECT_EQ(G.ha2, 0.8);
    EXPECT_EQ(G.da1, 22.1);
    G.aw = 0;
    ComputeWorkingCentreDistance();
    EXPECT_EQ(G.aw, 0);
}

TEST_F(PairGeometry, BacklashMethodsChooseTheSumAndTheTips) {
    // extra AMC: the sum with the backlash, the tips and k from the sum without it
    Defaults(kExternalGearing);
    G.BacklashByThinning = false;
    G.BacklashByExtraAmc = true;
    G.x1 = 0.25;
    G.x2 = 0.25;
    G.xsum = 0.45;  // with the backlash: x1 + x2 is not what counts
    G.xsumBacklash = 0.45;
    G.xsumNoBacklash = 0.5;
    ComputeWorkingCentreDistance();
    const double awt = InverseInvolute(Inv(Rad(20)) + 2 * std::tan(Rad(20)) * 0.45 / 60);
    const double aw = 30 * std::cos(Rad(20)) / std::cos(awt);
    EXPECT_NEAR(G.aw, aw, 1e-8);
    EXPECT_NEAR(G.k, 0.5 - (aw - 30), 1e-8);
    EXPECT_NEAR(G.da1, 2 * (G.aw - 0.25 - 0.05) - G.df2, 1e-12);

    // shifting: only the pair dimensions, with the backlash pair's working angle
    Defaults(kExternalGearing);
    G.BacklashByThinning = false;
    G.BacklashByShifting = true;
    G.aw = 30.1;
    G.awNoBacklash = 30;
    G.alfawtBacklash = 0.4;
    G.xsumNoBacklash = 0;
    ComputeWorkingCentreDistance();
    EXPECT_EQ(G.aw, 30.1);
    EXPECT_NEAR(G.dw1, 20 * std::cos(Rad(20)) / std::cos(0.4), 1e-12);
    EXPECT_NEAR(G.k, 0, 1e-15);
    EXPECT_NEAR(G.da1, 2 * (30.1 - 0.25) - 37.5, 1e-12);
}

TEST_F(PairGeometry, DiameterForAnInvoluteDifference) {
    Defaults(kExternalGearing);
    // the involute of base diameter 18 is inv_a ahead of that of 18.8 at the diameter 21
    auto involuteAt = [](double db, double d) { return Inv(std::acos(db / d)); };
    const double c = involuteAt(18, 21) - involuteAt(18.8, 21);
    EXPECT_NEAR(FindDiameterForInvoluteDifference(18, 18.8, c), 21, 1e-5);
    EXPECT_FALSE(G.ErrorFlag);
    EXPECT_TRUE(notices.notices.empty());
}
