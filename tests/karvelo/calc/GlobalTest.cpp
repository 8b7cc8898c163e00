#include "karvelo/calc/Global.h"

#include <gtest/gtest.h>

#include <numbers>

#include "karvelo/calc/WindowHooks.h"
#include "CoreFixture.h"

using namespace karvelo;

namespace {

using GlobalTest = test::CoreTest;

TEST(Array1Test, IsOneBasedAndChecked) {
    Array1<double, 3> a;
    a[1] = 1.5;
    a[3] = 3.5;
    EXPECT_EQ(a[1], 1.5);
    EXPECT_EQ(a[2], 0.0);
    EXPECT_EQ(a[3], 3.5);
    EXPECT_THROW(a[0], std::out_of_range);
    EXPECT_THROW(a[4], std::out_of_range);
    Array1<double, 3> b = a;
    EXPECT_EQ(a, b);
    b[2] = 1;
    EXPECT_NE(a, b);
}

TEST_F(GlobalTest, RecordsKeepTheirFixedOrder) {
    G.KvLevel[3] = 7;
    EXPECT_EQ(G.SpectrumColumn(5)[3], 7);
    EXPECT_EQ(&G.SpectrumColumn(1), &G.SpectrumCol1);
    EXPECT_EQ(&G.SpectrumColumn(7), &G.KFalfaLevel);
    EXPECT_THROW(G.SpectrumColumn(8), std::out_of_range);

    const char* order[] = {"MaterialCode1", "MaterialCode2",    "MaterialForm1", "MaterialForm2",    "QualityGrade1",
                           "QualityGrade2", "HardnessUnit1",    "HardnessUnit2", "StressCase",       "KHbetaCase",
                           "KHbetaCase2",   "ContactInfluence", "KHbetaMethod",  "KHbetaCalcVariant"};
    for (int k = 1; k <= TMaterialStrings::kStrings; ++k) G.MaterialString(k) = order[k - 1];
    EXPECT_EQ(G.MaterialCode1, "MaterialCode1");
    EXPECT_EQ(G.QualityGrade2, "QualityGrade2");
    EXPECT_EQ(G.StressCase, "StressCase");
    EXPECT_EQ(G.KHbetaCalcVariant, "KHbetaCalcVariant");
    EXPECT_THROW(G.MaterialString(0), std::out_of_range);

    G.ValidityMessages[50] = "last";
    G.ValidityKinds[50] = 1;
    EXPECT_THROW(G.ValidityCodes[51], std::out_of_range);
}

TEST(ShortStringTest, CutsAt255) {
    EXPECT_EQ(ToShortString(std::string(300, 'x')).size(), 255u);
    EXPECT_EQ(ToShortString("abc"), "abc");
}

TEST_F(GlobalTest, DefaultsDescribeTheExampleCase) {
    Defaults(kExternalPair);
    EXPECT_EQ(G.z1, 20);
    EXPECT_EQ(G.z2, 40);
    EXPECT_EQ(G.mn, 4);
    EXPECT_EQ(G.a, 120);
    EXPECT_EQ(G.u, 2);
    EXPECT_EQ(G.zn1, 20);
    EXPECT_EQ(G.zn2, 40);
    EXPECT_DOUBLE_EQ(G.alfan, 0.3490658503988659);
    EXPECT_EQ(G.alfat, G.alfan);
    EXPECT_EQ(G.RofP2, 0.38);
    EXPECT_EQ(G.sRmin1, 4.5);
    EXPECT_EQ(G.SigmaHlim1, 1500);
    EXPECT_EQ(G.SigmaHlim2, 1500);
    EXPECT_EQ(G.SigmaFlim1, 430);
    EXPECT_EQ(G.MatDesignation1, "14 220");
    EXPECT_EQ(G.MatName2, "Case hardened steel");
    EXPECT_EQ(G.KHbetaMethod, "primo");
    EXPECT_EQ(G.StressCase, "PO");
    EXPECT_EQ(G.LargeNumberFormat, "#.###E+0;");
    EXPECT_EQ(G.ExpFormat1, "#.#E+0;");
    EXPECT_EQ(G.ExpFormat2, "##E+0;");
    EXPECT_EQ(G.LevelCount, 5);
    EXPECT_EQ(G.SpectrumX[5], 200000);
    EXPECT_EQ(G.SpectrumY[1], 7000);
    EXPECT_TRUE(G.HypothesisHaibach);
    EXPECT_TRUE(G.ResumeCalculation);
    EXPECT_TRUE(G.MaterialForPinion);
    EXPECT_FALSE(G.YRrelT1refDirect);
    for (int k = 1; k <= TSpectrumLevels::kColumns; ++k)
        for (double v : G.SpectrumColumn(k)) EXPECT_EQ(v, 1.0);
}

TEST_F(GlobalTest, InternalDefaultsAreNegativeAndTheRatioFollows) {
    Defaults(kInternalPair);
    EXPECT_EQ(G.z2, -40);
    EXPECT_EQ(G.da2, -38);
    EXPECT_EQ(G.a, -7.5);
    EXPECT_EQ(G.RofP2, 0);
    EXPECT_EQ(G.zn2, -40);
    EXPECT_EQ(G.u, -2);  // negative for internal gearing
}

TEST_F(GlobalTest, DefaultsLeaveUnassignedValuesAndAreRepeatable) {
    G.YF1 = 2.5;
    G.d1 = 99;
    G.SpectrumX[6] = 12345;
    G.ControlPressed3 = true;
    G.YRrelT1refDirect = true;
    SetDefaultInputs();
    EXPECT_EQ(G.YF1, 2.5);
    EXPECT_EQ(G.d1, 99);
    EXPECT_EQ(G.SpectrumX[6], 12345);
    EXPECT_TRUE(G.ControlPressed3);
    GlobalData once = G;
    SetDefaultInputs();
    EXPECT_EQ(G, once);
}

TEST_F(GlobalTest, WindowRequestsAreRecordedWithoutHooks) {
    win::ShowGeometryForm();
    win::FocusAccuracyField(5);
    win::SetGeometryFieldText(8, "120.000");
    win::SetValidityButtonVisible(false);
    ASSERT_EQ(DefaultWindowRecorder().requests.size(), 4u);
    EXPECT_EQ(DefaultWindowRecorder().requests[0], (WindowRequest{"ShowGeometryForm", 0, ""}));
    EXPECT_EQ(DefaultWindowRecorder().requests[1], (WindowRequest{"FocusAccuracyField", 5, ""}));
    EXPECT_EQ(DefaultWindowRecorder().requests[2], (WindowRequest{"SetGeometryFieldText", 8, "120.000"}));
    EXPECT_EQ(DefaultWindowRecorder().requests[3], (WindowRequest{"SetValidityButtonVisible", 0, ""}));

    DefaultWindowRecorder().Clear();
    DefaultWindowRecorder().resumeAnswers = {false};
    G.ResumeCalculation = true;
    win::AskResumeOrNewEntry("question");
    EXPECT_FALSE(G.ResumeCalculation);  // "New entry"
    win::AskResumeOrNewEntry("question");
    EXPECT_TRUE(G.ResumeCalculation);  // no more scripted answers: "Resume"
    DefaultWindowRecorder().Clear();
}

TEST_F(GlobalTest, InstalledHooksReplaceTheRecorder) {
    int shown = 0;
    int focused = 0;
    WindowHooks hooks;
    hooks.ShowDimensionsForm = [&] { ++shown; };
    hooks.FocusAccuracyField = [&](int edit) { focused = edit; };
    WindowHooks previous = InstallWindowHooks(hooks);
    win::ShowDimensionsForm();
    win::FocusAccuracyField(7);
    win::ShowOtherFactorsForm();  // not installed: recorded
    InstallWindowHooks(previous);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(focused, 7);
    EXPECT_EQ(DefaultWindowRecorder().Names(), std::vector<std::string>{"ShowOtherFactorsForm"});
    DefaultWindowRecorder().Clear();
}

}  // namespace
