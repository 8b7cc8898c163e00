#include <gtest/gtest.h>

#include <cmath>

#include "LoadCaseFixture.h"
#include "karvelo/calc/Global.h"
#include "karvelo/calc/KHbeta_vyp.h"
#include "karvelo/calc/Vypocet1i.h"
#include "karvelo/calc/Vypocty1.h"

using namespace karvelo;

namespace {

class KHbetaTest : public test::LoadCaseTest {
protected:
    // The default case computing KHbeta by method C.
    static void MethodCCase() {
        DefaultCase();
        G.KHbetaDirect = false;
        G.KHbetaMethod = "ISO_C";
    }
    // Kv entered as 1: Fm/b = 62500/60 N/mm.  An entered fsh that makes M = Fby cgammaBeta / (2 Fm/b)
    // equal to `M` for a compensatory contact (Fbx = |1.33 fsh - fHbeta5|, fHbeta5 = 7) and the group C
    // running-in allowance 0.15 Fbx, at most 6 um.
    static void EnterMisalignmentFor(double M) {
        G.KvDirect = true;
        G.Kv = 1;
        ComputeToothStiffness();
        const double Fby = M * 2 * (62500 / 60.0) / G.cgammaBeta;
        G.fshDirect = true;
        const double Fbx = 0.15 * (Fby + 6) > 6 ? Fby + 6 : Fby / 0.85;
        G.fsh = (Fbx + 7) / 1.33;
    }
};

TEST_F(KHbetaTest, DefaultCaseByMethodC) {
    MethodCCase();
    ComputeKHbeta();
    // Derived by hand from ISO 6336-1 method C: not stiffened (80/70 < 1.15), K' = 0.8, T = 2.13244,
    // Fm = Ftjm Kv (method B), fsh = 0.023 Fm/b (|1 + T - 0.3| + 0.3) (b/d1)^2, compensatory contact
    // Fbx = |1.33 fsh - fHbeta5| with fHbeta5 = 7, y_beta = 6 (group C cap), M = 0.34068.
    EXPECT_EQ(G.Kprime, 0.8);
    EXPECT_EQ(G.ContactInfluence, "compensatory");
    EXPECT_EQ(G.fHbeta1, 20);
    EXPECT_EQ(G.fHbeta2, 21);
    EXPECT_EQ(G.fHbeta5, 7);
    EXPECT_NEAR(G.Kv, 1.0235592600838976, 1e-13);
    EXPECT_NEAR(G.fsh, 43.20913278820011, 1e-10);
    EXPECT_EQ(G.fma, 29);  // sqrt(20^2 + 21^2)
    EXPECT_NEAR(G.Fbx, 50.46814660830615, 1e-10);
    EXPECT_EQ(G.ybeta, 6);
    EXPECT_NEAR(G.KHbeta, 1.3406765740824138, 1e-12);

    ComputeKFbeta();
    // NF = 1 / (1 + 1/r + 1/r^2) with r = bF/h = 60/9.
    EXPECT_NEAR(G.NF, 0.8528784648187634, 1e-11);  // h = 9 - 1.4e-10 by the derived tip diameters
    EXPECT_NEAR(G.KFbeta, 1.2840795085036052, 1e-11);
}

TEST_F(KHbetaTest, VariantsAndContactPattern) {
    MethodCCase();
    G.KHbetaCalcVariant = "b";  // well designed end relief: Fbx = Fmin = 0.5 fHbeta1
    ComputeKHbeta();
    EXPECT_EQ(G.Fbx, 10);
    EXPECT_NEAR(G.KHbeta, 1.0651196665605942, 1e-12);

    MethodCCase();
    G.KHbetaCase2 = "b";  // additive: Fbx = 1.33 fsh + fma
    ComputeKHbeta();
    EXPECT_EQ(G.ContactInfluence, "additive");
    EXPECT_NEAR(G.KHbeta, 1.6164775148096364, 1e-12);
    const double additive = G.KHbeta;
    G.KHbetaCalcVariant = "c";  // all influences: the same here (fsh2 = fca = fbe = 0, fma > fHbeta5)
    ComputeKHbeta();
    EXPECT_NEAR(G.KHbeta, additive, 1e-12);

    // Case "c" of the pattern: compensatory only when T > 1 (T = 2.13 here, 0.53 with s1 = 12.5).
    MethodCCase();
    G.KHbetaCase2 = "c";
    DeterminePinionOffsetConstant();
    EXPECT_EQ(G.ContactInfluence, "compensatory");
    G.s1 = 12.5;
    DeterminePinionOffsetConstant();
    EXPECT_EQ(G.ContactInfluence, "additive");
    G.KHbetaCase2 = "d";  // compensatory when T < 0.7
    DeterminePinionOffsetConstant();
    EXPECT_EQ(G.ContactInfluence, "compensatory");
}

// Grey cast iron between 5 and 10 m/s: the helix running-in allowance stops at 45 um (twice the
// transverse cap would be 44), for the single load and for a spectrum level alike.
TEST_F(KHbetaTest, GreyCastIronHelixAllowanceCap) {
    MethodCCase();
    G.MaterialCode1 = G.MaterialCode2 = "GG";
    G.n1 = 1500;  // v = 6.28 m/s
    G.Fbx = 100;
    ComputeHelixRunningInAllowance(22);
    EXPECT_EQ(G.ybeta, 45);

    G.SigmaHlim1 = G.SigmaHlim2 = 370;
    G.IT1 = G.IT2 = 11;
    G.KHbetaCase2 = "b";  // additive
    ComputeKHbeta();
    EXPECT_EQ(G.ybeta, 45);
    EXPECT_NEAR(G.KHbeta, 1.716154, 5e-7);

    const double Fm = G.Fm;
    G.LoadInputMethod = kMultilevelLoading;
    G.CalcMethodics = kMethodicsMiner;
    G.LevelCount = 1;
    G.FtLevel[1] = Fm;
    G.n1Level[1] = 1500;
    ComputeKHbetaLevel(1);
    EXPECT_EQ(G.ybeta, 45);
    EXPECT_NEAR(G.KHbetaLevel[1], 1.716154, 5e-7);
    EXPECT_TRUE(G.ResumeCalculation);
}

TEST_F(KHbetaTest, PinionOffsetConstant) {
    MethodCCase();
    // Stiffened from d1/dsh1 = 1.15 exactly, when shrink fitted.
    G.dsh1 = 80 / 1.15;
    while (80 / G.dsh1 < 1.15) G.dsh1 = std::nextafter(G.dsh1, 0.0);
    ASSERT_EQ(80 / G.dsh1, 1.15);
    DeterminePinionOffsetConstant();
    EXPECT_EQ(G.Kprime, 0.48);
    G.KHbetaCase = "e";
    DeterminePinionOffsetConstant();
    EXPECT_EQ(G.Kprime, -0.6);
    G.PinionShrinkFitted = false;
    DeterminePinionOffsetConstant();
    EXPECT_EQ(G.Kprime, -1.0);
    G.KHbetaCase = "c";  // 1.33 either way
    DeterminePinionOffsetConstant();
    EXPECT_EQ(G.Kprime, 1.33);
    G.PinionShrinkFitted = true;
    DeterminePinionOffsetConstant();
    EXPECT_EQ(G.Kprime, 1.33);
}

TEST_F(KHbetaTest, HelixModificationFactors) {
    MethodCCase();
    SetHelixSlopeDeviations();
    G.cbeta = 10;
    G.HelixModification = kCentralCrowning;  // crowning: B1 = 1 when 1.2 fma >= cbeta
    DeterminePinionOffsetConstant();
    EXPECT_EQ(G.fma, 29);
    EXPECT_EQ(G.B1, 1);
    EXPECT_EQ(G.B2, 0.5);
    // An entered fma is never overwritten and decides B1 itself.
    G.fmaDirect = true;
    G.fma = 5;
    DeterminePinionOffsetConstant();
    EXPECT_EQ(G.fma, 5);
    EXPECT_EQ(G.B1, 0.5);
    ComputeKHbeta();
    EXPECT_EQ(G.fma, 5);
    G.HelixModification = kCentralCrowningAsStored;  // keeps the factors
    G.B1 = 0.3, G.B2 = 0.2;
    DeterminePinionOffsetConstant();
    EXPECT_EQ(G.B1, 0.3);
    EXPECT_EQ(G.B2, 0.2);
    G.HelixModification = kEndRelief;
    DeterminePinionOffsetConstant();
    EXPECT_EQ(G.B1, 0.7);
    EXPECT_EQ(G.B2, 0.7);
}

TEST_F(KHbetaTest, BothFormulasMeetAtMEqualOne) {
    for (const auto& [M, KHbeta] : {std::pair{0.25, 1.25}, std::pair{1.0, 2.0}, std::pair{4.0, 4.0}}) {
        MethodCCase();
        EnterMisalignmentFor(M);
        ComputeKHbeta();
        EXPECT_NEAR(G.KHbeta, KHbeta, 1e-9) << "M = " << M;
    }
}

TEST_F(KHbetaTest, KFbetaExponent) {
    MethodCCase();
    G.KHbeta = 1.5;
    G.bF1 = 18;  // bF1/h1 = 2 counts as 3
    ComputeKFbeta();
    EXPECT_DOUBLE_EQ(G.NF, 9.0 / 13);
    EXPECT_DOUBLE_EQ(G.KFbeta, std::pow(1.5, 9.0 / 13));
    G.KFbetaDirect = true;
    G.KFbeta = 1.1;
    ComputeKFbeta();
    EXPECT_EQ(G.KFbeta, 1.1);
}

class KHalphaTest : public test::LoadCaseTest {
protected:
    // Zepsilon as the contact stress computes it for a spur pair, Kv 1.1 and KHbeta 1.3 given.
    static void TransverseCase(std::int16_t gearingType, double Ftjm) {
        DefaultCase(gearingType);
        ComputeToothStiffness();
        G.Zepsilon = std::sqrt((4 - G.epsalfa) / 3);
        G.LoadAsForce = true;
        G.Ftjm = Ftjm;
        G.Kv = 1.1;
        G.KHbeta = 1.3;
    }
};

TEST_F(KHalphaTest, DefaultPairAndItsLimits) {
    // Derived by hand from ISO 6336-1 method B: the profile form deviation 20 um decides (the wheel's
    // 20 > 19), y_alpha = 1.5 um, q = cgammaAlpha (20 - 1.5) / (Ftjm Kv KHbeta / b).
    struct Case {
        double Ftjm, KHalfa, KFalfa;
    };
    const Case cases[] = {
        {62500, 1, 1},                                  // q = 0.2387: K < 1
        {10000, 1.223732942536469, 1.223732942536469},  // (epsgama/2)(0.9 + 0.4 q), q = 1.49188
        // the limits epsgama/(epsalfa Zeps^2) and epsgama/(0.25 epsalfa + 0.75)
        {5000, 1.2685986947677144, 1.4111071067380887},
    };
    for (const Case& c : cases) {
        TransverseCase(kExternalPair, c.Ftjm);
        G.fpbmax = 0;  // nothing stale is read: the deviation comes from this call
        ComputeKHalpha();
        EXPECT_NEAR(G.KHalfa, c.KHalfa, 1e-12) << c.Ftjm;
        EXPECT_NEAR(G.KFalfa, c.KFalfa, 1e-12) << c.Ftjm;
    }
}

TEST_F(KHalphaTest, LargeTotalContactRatioAndPitchDeviation) {
    TransverseCase(kInternalPair, 20000);  // internal pair, epsgama = 2.15: 0.9 + 0.4 sqrt(2 (eg - 1)/eg) q
    ComputeKHalpha();
    EXPECT_NEAR(G.KHalfa, 1.334957765339031, 1e-12);
    EXPECT_NEAR(G.KFalfa, 1.334957765339031, 1e-12);

    // A measured pitch deviation larger than the profile ones: "Roztec", D = fpbmax.
    TransverseCase(kExternalPair, 20000);
    G.fpr2Measured = false;
    G.fpr2act = 30;
    ComputeKHalpha();
    EXPECT_EQ(G.fpbmax, 30);
    const double q = G.cgammaAlpha * (30 - 0.075 * 30) / (20000 * 1.1 * 1.3 / 60);
    EXPECT_NEAR(G.KHalfa, (G.epsgama / 2) * (0.9 + 0.4 * q), 1e-12);
}

TEST_F(KHalphaTest, EnteredFactorsAndSpectrum) {
    TransverseCase(kExternalPair, 10000);
    G.KHalfaDirect = true;
    G.KHalfa = 1.7;
    ComputeKHalpha();
    EXPECT_EQ(G.KHalfa, 1.7);
    EXPECT_NEAR(G.KFalfa, 1.223732942536469, 1e-12);

    G.KHalfaDirect = false;
    G.LoadInputMethod = kDirectEquivalentLoad;  // a spectrum or equivalent loads: the single-load factors are 1
    ComputeKHalpha();
    EXPECT_EQ(G.KHalfa, 1);
    EXPECT_EQ(G.KFalfa, 1);
}

TEST_F(KHalphaTest, NonOverlappingFacesStop) {
    TransverseCase(kExternalPair, 10000);
    G.b = 0;
    ComputeKHalpha();
    EXPECT_FALSE(G.ResumeCalculation);
    EXPECT_EQ(notices.Texts().back(),
              "Common facewidth b must be greater than 0 - the faces of the gears do not overlap.");
}

}  // namespace
