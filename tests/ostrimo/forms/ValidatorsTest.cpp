// The Inputs page validators, one row per case: a text typed into a field and left with
// Tab, the message (none when accepted), and what is stored, shown and reset.
#include <cmath>
#include <functional>

#include "OstrimoFixture.h"
#include "ostrimo/calc/CheckNumerics.h"
#include "ostrimo/calc/Vypocty_Fellow.h"

namespace ostrimo::test {
namespace {

using checks::kPi;

// Critical sum of AMC of the current pair.
double Xlim(double teeth) {
    const double inv = std::tan(G.alfat) - G.alfat;
    return -(inv * teeth / 2) / std::tan(G.alfan);
}

std::string Below(double v, double by) { return rt::Str(std::floor((v - by) * 1e10) / 1e10, 1, 10); }
std::string Above(double v, double by) { return rt::Str(std::ceil((v + by) * 1e10) / 1e10, 1, 10); }

void BigPair() {
    G.z1 = 400;
    G.z2 = 600;
}

void InputField(int code, const std::string& text) { PagesDlg->InputField(code)->SetText(text); }

// No field of the Inputs page shows "+INF" or "NAN", and the centre distance and the tip
// diameters show what they showed at the start.
bool AllFieldsNumbersAsBefore(const std::string& centreDistance, const std::string& tip1, const std::string& tip2) {
    for (int code = 1; code <= 21; ++code) {
        const std::string text = PagesDlg->InputField(code)->Text();
        if (text.find("INF") != std::string::npos || text.find("NAN") != std::string::npos) return false;
    }
    return PagesDlg->Edit9->Text() == centreDistance && PagesDlg->Edit18->Text() == tip1 &&
           PagesDlg->Edit19->Text() == tip2;
}

struct Case {
    const char* name;
    int gearing;
    int code;
    std::function<std::string()> text;
    std::function<std::string()> message;  // "" when accepted
    std::function<bool()> check;
    std::function<void()> before = {};
    int focus = 0;  // the field refused into, when not the typed one
};

std::function<std::string()> Is(const std::string& s) {
    return [s] { return s; };
}
const auto kAccepted = Is("");
const auto kInvalid = Is("Invalid format of the number.");
const auto kPinionTeeth = Is("Pinion teeth number must be a whole number from 4 to 1000000.");
const auto kAnnularTeeth = Is("Teeth number for the annular gear must be a whole number from -4 to -1000000.");

const Case kCases[] = {
    {"ModuleAcceptedResetsTheComputingInputs", kExternalGearing, 1, Is("2"), kAccepted,
     [] { return G.mn == 2 && PagesDlg->Edit9->Text() == "60.000000" && G.FocusField == 1; }},
    {"ModuleBadNumberKeepsTheModule", kExternalGearing, 1, Is("1.2x"), kInvalid, [] { return G.mn == 1; }},
    {"ModuleZeroIsRefusedAndNotKept", kExternalGearing, 1, Is("0"), Is("Normal module must be greater than 0."),
     [] { return G.mn == 1 && PagesDlg->Edit1->Text() == "0"; }},
    {"ModuleHiddenTriggerShowsTheEdition", kExternalGearing, 1, Is("wvw"), [] { return G.EditionCaption; },
     [] { return G.mn == 2.5 && PagesDlg->Edit1->Text() == "1"; },
     [] {
         G.mn = 2.5;
         InputField(1, "2.5000");
     }},
    {"ModuleThatLeavesNoCentreDistanceRefused", kExternalGearing, 1, Is("1e308"), Is(kImpossibleGeometry),
     [] { return G.mn == 1 && AllFieldsNumbersAsBefore("30.000000", "22.00000", "42.00000"); }},
    {"ModuleBeyondEveryNumberRefused", kExternalGearing, 1, Is("1e999"), kInvalid,
     [] { return G.mn == 1 && std::isfinite(G.aw) && AllFieldsNumbersAsBefore("30.000000", "22.00000", "42.00000"); }},
    {"ModuleTooSmallForTheCheckRefused", kExternalGearing, 1, Is("1e-300"), Is(kImpossibleGeometry),
     [] { return G.mn == 1 && AllFieldsNumbersAsBefore("30.000000", "22.00000", "42.00000"); }},
    {"FlankAngleTooSmallForTheCheckRefused", kExternalGearing, 17, Is("1e-300"), Is(kImpossibleGeometry),
     [] { return G.alfaP == 20 && PagesDlg->Edit17->Text() == "1e-300"; }},
    {"PinionTeethThreeRefused", kExternalGearing, 2, Is("3"), Is("Pinion teeth number must be greater than 3."),
     [] { return true; }},
    {"PinionTeethNotWholeRefused", kExternalGearing, 2, Is("17.5"), kPinionTeeth, [] { return G.z1 == 20; }},
    {"PinionTeethBeyondAMillionRefused", kExternalGearing, 2, Is("1e9"), kPinionTeeth, [] { return G.z1 == 20; }},
    {"WheelTeethNotWholeRefused", kExternalGearing, 3, Is("40.5"),
     Is("Wheel teeth number must be a whole number greater than 3 (a rack above 5000)."), [] { return G.z2 == 40; }},
    {"AnnularTeethNotWholeRefused", kInternalGearing, 3, Is("-80.5"), kAnnularTeeth, [] { return G.z2 == -80; }},
    {"AnnularTeethBeyondAMillionRefused", kInternalGearing, 3, Is("1e9"), kAnnularTeeth,
     [] { return G.z2 == -80 && PagesDlg->Edit9->Text() == "-30.00000"; }},
    {"AnnularTeethBeyondAMillionTypedNegativeRefused", kInternalGearing, 3, Is("-1000001"), kAnnularTeeth,
     [] { return G.z2 == -80; }},
    {"AnnularTeethOfAMillionAccepted", kInternalGearing, 3, Is("1e6"), kAccepted, [] { return G.z2 == -1e6; }},
    {"PinionTeethAccepted", kExternalGearing, 2, Is("25"), kAccepted, [] { return G.z1 == 25; }},
    {"WheelTeethNegativeMadePositive", kExternalGearing, 3, Is("-30"), kAccepted,
     [] { return G.z2 == 30 && PagesDlg->Edit3->Text() == "30.000"; }},
    {"WheelTeethAbove5000IsARack", kExternalGearing, 3, Is("5001"), kAccepted,
     [] {
         return G.RackMate && PagesDlg->Edit3->Text() == "Rack" && !PagesDlg->Edit6->Visible() &&
                PagesDlg->Label51->Caption() == "Rack addendum                       h" &&
                !PagesDlg->CheckBox2->Visible() && !PagesDlg->GroupBox10->Enabled();
     }},
    {"WheelTeethTypedAsARackRefused", kExternalGearing, 3, Is("Rack"), kInvalid,
     [] { return G.z2 == 40 && !G.RackMate; }},
    {"WheelTeeth5000IsAWheel", kExternalGearing, 3, Is("5000"), kAccepted,
     [] { return !G.RackMate && PagesDlg->Edit3->Text() == "5000" && PagesDlg->Label177->Caption() == "5000"; }},
    {"WheelTeethThreeRefused", kExternalGearing, 3, Is("3"), Is("Wheel teeth number must be greater than 3."),
     [] { return true; }},
    {"AnnularTeethPositiveMadeNegative", kInternalGearing, 3, Is("30"), kAccepted,
     [] { return G.z2 == -30 && PagesDlg->Edit3->Text() == "-30.00"; }},
    {"AnnularTeethMinusThreeRefused", kInternalGearing, 3, Is("-3"),
     Is("Teeth number for the annular gear must be less than -3."), [] { return true; }},
    {"HelixAngleAccepted", kExternalGearing, 4, Is("15"), kAccepted,
     [] { return G.beta == DegToRad(15) && G.FocusField == 4 && G.alfat > G.alfan; }},
    {"HelixAngleAboveLimitRefused", kExternalGearing, 4, Is("81"),
     Is("Helix angle at reference cylinder \xC3\x9F must lay from 0 to 80.0000\xC2\xB0."), [] { return true; }},
    {"HelixAngleBadNumber", kExternalGearing, 4, Is("1..5"),
     Is("Invalid input for the helix angle beta at reference cylinder. \rIt must be given in decimal form."),
     [] { return true; }},
    {"FacewidthZeroRefused", kExternalGearing, 5, Is("0"), Is("Facewidth must be greater than 0."),
     [] { return true; }},
    {"BevelFacewidthBeyondTheConeDistance", kBevelGearing, 5, Is("20"),
     Is("Facewidth b is greater than the cone distance Le=18.028."), [] { return true; }},
    {"BevelFacewidthLeavesTheHelixAngleBeyondItsLimit", kBevelGearing, 5, Is("12"),
     [] {
         const double limit = RadToDeg(std::asin((G.Le - 12) / (G.Le - 6)));
         return "Teeth inclination angle at mean of the facewidth must be from 0 to " + rt::Str(limit, 5, 3) +
                "\xC2\xB0.";
     },
     [] { return G.b == 12; },
     [] {
         G.betaDeg = 40;
         G.beta = DegToRad(40);
         InputField(4, "40.0000");
     },
     4},
    {"SumAtTheCriticalValueRefused", kExternalGearing, 6, [] { return Below(Xlim(60), 0.00001); },
     [] {
         return "Impossible sum of Addendum Modification Coefficients x1+x2  (xlim = " + rt::Str(Xlim(60), 8, 5) + ")";
     },
     [] { return true; }},
    {"SumJustAboveTheCriticalValueAccepted", kExternalGearing, 6, [] { return Below(Xlim(60), 0.0000099); }, kAccepted,
     [] { return G.AmcUndivided && G.LastComputingInput == kXsumInput && PagesDlg->Edit18->Text().empty(); }},
    {"SumMinus15Accepted", kExternalGearing, 6, Is("-15"), kAccepted, [] { return G.xsum == -15; }, BigPair},
    {"Sum10Accepted", kExternalGearing, 6, Is("10"), kAccepted, [] { return G.xsum == 10 && G.aw > G.ad; }, BigPair},
    {"SumAbove10Refused", kExternalGearing, 6, Is("10.0001"),
     Is("Sum of Addendum Modification Coefficients x1+x2 must be from -15 to 10"), [] { return true; }, BigPair},
    {"InternalSumAboveTheCriticalValueRefused", kInternalGearing, 6, [] { return Above(Xlim(-60), 0.00001); },
     [] {
         return "Impossible sum of Addendum Modification Coefficients x1+x2  (xlim = " + rt::Str(Xlim(-60), 8, 5) + ")";
     },
     [] { return true; }},
    {"InternalSumBelowTheCriticalValueAccepted", kInternalGearing, 6, Is("1.2"), kAccepted,
     [] { return G.xsum == 1.2 && G.aw < 0; }},
    {"PinionAmc8Accepted", kExternalGearing, 7, Is("8"), kAccepted,
     [] { return G.x1 == 8 && G.xsum == 8 && PagesDlg->Edit6->Text() == "8.000000" && G.FocusField == 7; }},
    {"PinionAmcAbove8Refused", kExternalGearing, 7, Is("8.0001"),
     Is("Pinion Addendum Modification Coefficient x1 must be from -15 to 8"), [] { return true; }},
    {"PinionAmcMinus15Accepted", kExternalGearing, 7, Is("-15"), kAccepted, [] { return G.x1 == -15; }, BigPair},
    {"PinionAmcBelowTheCriticalSumRefused", kExternalGearing, 7, Is("-2"),
     [] {
         return "Impossible sum of Addendum Modification Coefficients x1+x2  (xlim = " + rt::Str(Xlim(60), 8, 5) + ")";
     },
     [] { return true; }},
    {"WheelAmcBeyondTheCutterLimitRefused", kInternalGearing, 8, Is("0.95"),
     [] {
         return "Sum x0+x2 when manufacturing (Fellow) is greater than limiting (x0lim=" +
                rt::Str(Xlim(35 - 80), 7, 4) + ") - negative manufacturing angle.";
     },
     [] { return G.x2 == 0 && !G.CutterAmcSumAboveCritical; }},
    {"WheelAmcAccepted", kInternalGearing, 8, Is("0.5"), kAccepted, [] { return G.x2 == 0.5 && G.FocusField == 8; }},
    {"CentreDistanceZeroRefused", kExternalGearing, 9, Is("0"), Is("Working centre distance a must be greater than 0."),
     [] { return true; }},
    {"InternalCentreDistancePositiveRefused", kInternalGearing, 9, Is("30"),
     Is("Working centre distance a must be negative."), [] { return true; }},
    {"CentreDistanceWithoutAPressureAngleRefused", kExternalGearing, 9, Is("25"),
     Is("Working centre distance a is impossible for these gears - there is no working pressure angle."),
     [] { return G.aw == 30 && G.xsum == 0 && !G.ErrorFlag; }},
    {"CentreDistanceAccepted", kExternalGearing, 9, Is("31"), kAccepted,
     [] { return G.xsum > 0 && PagesDlg->Edit6->Text() == rt::Str(G.xsum, 8, 6) && G.FocusField == 9; }},
    {"WorkingAngleZeroRefused", kExternalGearing, 10, Is("0"),
     Is("Working transverse pressure angle must be greater than 0."), [] { return true; }},
    {"WorkingAngle90Refused", kExternalGearing, 10, Is("90"),
     Is("Working transverse pressure angle must be less than 90\xC2\xB0."), [] { return true; }},
    {"WorkingAngleAccepted", kExternalGearing, 10, Is("25"), kAccepted,
     [] { return G.xsum > 0 && G.aw > 30 && PagesDlg->Edit9->Text() == rt::Str(G.aw, 8, 6) && G.FocusField == 10; }},
    {"AddendumFactorAboveItsLimitRefused", kExternalGearing, 11, Is("2"),
     Is("Pinion addendum (proportion height) ha1* must be from 0 to 1.9079"), [] { return true; }},
    {"AddendumFactorAcceptedMakesTheRackNonstandard", kExternalGearing, 11, Is("1.2"), kAccepted,
     [] { return G.haP1 == 1.2 && !G.StandardRackProfile && PagesDlg->RadioButton2->Checked(); }},
    {"TipClearanceAboveItsLimitRefused", kExternalGearing, 14, Is("1.2"),
     Is("Wheel tip clearance (proportion height) c2* must be from 0 to 1.1579"), [] { return true; }},
    {"RootRadiusAboveItsLimitReplaced", kExternalGearing, 15, Is("0.5"),
     Is("Pinion root rounding radius (proportion size) must be from 0 to 0.4719\r"),
     [] {
         return G.rofP1 == G.rofP1max && PagesDlg->Edit15->Text() == "0.4719" &&
                NastrojDlg->Edit2->Text() == "0.4719" && ui::test::Notices().notices[0].caption == "  Warning !";
     }},
    {"RootRadiusJustAboveItsLimitKept", kExternalGearing, 15, [] { return rt::Str(0.47194, 1, 5); }, kAccepted,
     [] { return G.rofP1 == 0.47194 && G.ToolCrestRadiusFactor1 == 0.47194; }},
    {"NegativeRootRadiusBecomesZero", kExternalGearing, 15, Is("-0.1"),
     Is("Pinion root rounding radius (proportion size) must be from 0 to 0.4719\r"),
     [] { return G.rofP1 == 0 && PagesDlg->Edit15->Text() == "0.0000"; }},
    {"InternalRootRadiusBeyondTheCutterRoundingRefused", kInternalGearing, 16, Is("2"),
     [] {
         ComputeFellowCutterDimensions();
         ComputeMaxCutterTipRounding();
         return "Wheel root rounding radius (proportion size) must be from 0 to " + rt::Str(G.roa0, 6, 4) +
                " (full rounded root)";
     },
     [] { return true; }},
    {"FlankAngle50Accepted", kExternalGearing, 17, Is("50"), kAccepted,
     [] {
         const double room = kPi / 4 / std::tan(DegToRad(50));
         return std::fabs(G.haP1 - (room - 0.25)) < 1e-12 && PagesDlg->Edit11->Text() == rt::Str(G.haP1, 6, 4) &&
                !G.StandardRackProfile && G.rofP1 >= 0;
     }},
    {"FlankAngleZeroRefused", kExternalGearing, 17, Is("0"),
     Is("Normal rack flank angle must be from 0 to 50\xC2\xB0.\rIt must be given in decimal form."),
     [] { return true; }},
    {"FlankAngleAbove50Refused", kExternalGearing, 17, Is("50.0001"),
     Is("Normal rack flank angle must be from 0 to 50\xC2\xB0.\rIt must be given in decimal form."),
     [] { return true; }},
    {"FlankAngleChangeSwitchesTheToolOptionsOff", kExternalGearing, 17, Is("25"), kAccepted,
     [] { return G.haP1 == 1 && !G.Protuberance1 && !G.Chamfer2 && G.alfan == DegToRad(25) && G.FocusField == 17; },
     [] { G.Protuberance1 = G.Chamfer2 = true; }},
    {"PinionTipDiameterZeroRefused", kExternalGearing, 18, Is("0"), Is("Pinion tip diameter must be greater than 0."),
     [] { return true; }},
    {"PinionTipDiameterGiven", kExternalGearing, 18, Is("23"), kAccepted,
     [] { return G.da1 == 23 && G.TipDiameter1Given; }},
    {"AnnularTipDiameterPositiveRefused", kInternalGearing, 19, Is("100"), Is("Wheel tip diameter must be negative."),
     [] { return true; }},
    {"RackAddendumAboveItsLimitRefused", kExternalGearing, 19, Is("2.2"),
     Is("Rack addendum must be from 0 to 2.1579 mm"), [] { return G.ha2 == 1; },
     [] {
         ui::test::TypeInto(PagesDlg->Edit3, "6000");
         ui::test::Tab();
     }},
    {"ShaftAngle180Refused", kBevelGearing, 20, Is("180"),
     Is("Gearing shafts angle must be greater than 0 and less than 180\xC2\xB0."), [] { return true; }},
    {"ShaftAngleZeroRefused", kBevelGearing, 20, Is("0"),
     Is("Gearing shafts angle must be greater than 0 and less than 180\xC2\xB0."), [] { return true; }},
    {"ShaftAngleAccepted", kBevelGearing, 20, Is("90.5"), kAccepted, [] { return G.Sigma == DegToRad(90.5); }},
    {"BacklashEqualToTheModuleAccepted", kExternalGearing, 21, Is("1"), kAccepted,
     [] {
         return G.jn == 1 && G.FocusField == 21 && !G.BacklashMethodPending && G.awNoBacklash == 30 &&
                ui::test::ModalShows().size() == 1;
     },
     [] { ui::test::QueueModalResult(VuleF, ui::mrOk); }},
    {"BacklashAboveTheModuleRefused", kExternalGearing, 21, Is("1.0001"),
     Is("Backlash must be smaller than normal module."), [] { return true; }},
    {"NegativeBacklashRefused", kExternalGearing, 21, Is("-0.1"), Is("Backlash must be positive."),
     [] { return true; }},
    {"ZeroBacklashRunsClear", kExternalGearing, 21, Is("0"), kAccepted,
     [] { return G.BacklashMethodPending && VuleF->RadioButton4->Checked() && G.ThinBothWheels; },
     [] {
         G.jn = 0.5;
         InputField(21, "0.500");
         G.BacklashMethodPending = false;
         G.ThinBothWheels = false;
         VuleF->RadioButton6->SetChecked(true);
     }},
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class Validators : public OstrimoTest, public ::testing::WithParamInterface<Case> {};

TEST_P(Validators, TypedAndLeftWithTab) {
    const Case& c = GetParam();
    if (c.gearing != kExternalGearing) SelectGearing(c.gearing);
    if (c.before) c.before();
    ui::test::Notices().Clear();
    ui::Edit* field = D().InputField(c.code);
    const std::string text = c.text();
    Enter(field, text);
    const std::string message = c.message();
    if (message.empty()) {
        EXPECT_EQ(Messages(), std::vector<std::string>{});
    } else {
        EXPECT_EQ(Messages(), std::vector<std::string>{message});
        EXPECT_EQ(D().ActiveControl(), c.focus ? D().InputField(c.focus) : field);
    }
    EXPECT_TRUE(c.check());
}

INSTANTIATE_TEST_SUITE_P(Inputs, Validators, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

// The refusal of a value whose geometry is no number stands over the fields as they were.
TEST_F(OstrimoTest, TheRefusalIsShownOverTheCaseAsItWas) {
    const auto shown =
        ShownAtEachBox([] { return D().Edit9->Text() + " " + D().Edit18->Text(); }, [] { Enter(D().Edit1, "1e308"); });
    EXPECT_EQ(Messages(), std::vector<std::string>{kImpossibleGeometry});
    EXPECT_EQ(shown, std::vector<std::string>{"30.000000 22.00000"});
}

// Leaving a field whose text did not change checks and resets nothing.
TEST_F(OstrimoTest, AnUnchangedFieldResetsNothing) {
    Enter(D().Edit7, "0.3");
    ASSERT_EQ(G.x1, 0.3);
    ui::test::Click(D().Edit1);
    ui::test::Tab();
    EXPECT_EQ(G.x1, 0.3);
    EXPECT_EQ(D().Edit7->Text(), "0.3");
    D().Edit1->SetText("0");  // what the program wrote is not read back, even where it would be refused
    ui::test::Click(D().Edit1);
    ui::test::Tab();
    EXPECT_EQ(Messages(), std::vector<std::string>{});
    EXPECT_EQ(G.mn, 1);
}

}  // namespace
}  // namespace ostrimo::test
