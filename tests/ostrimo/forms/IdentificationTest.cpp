// The Identification page: each group recovers a known parameter of the measured wheel
// from the test dimensions computed for it; the choice of the unknown; the validators.
#include <algorithm>
#include <cmath>

#include "OstrimoFixture.h"
#include "ostrimo/calc/CheckNumerics.h"
#include "ostrimo/calc/Kontrolni_rozmery.h"

namespace ostrimo::test {
namespace {

using checks::kPi;

struct Pair {
    const char* what;
    int gearing;
    double z1, z2, mn, betaDeg, x1, x2;
};

std::ostream& operator<<(std::ostream& os, const Pair& p) { return os << p.what; }

class Identification : public OstrimoTest {
protected:
    // The pair typed on the Inputs page, then the Identification page by its tab.
    static void EnterPair(const Pair& p) {
        if (p.gearing == kInternalGearing) ui::test::Click(D().RadioButton4);
        Enter(D().Edit1, rt::Str(p.mn, 1, 3));
        Enter(D().Edit2, rt::Str(p.z1, 1, 0));
        Enter(D().Edit3, rt::Str(p.z2, 1, 0));
        Enter(D().Edit4, rt::Str(p.betaDeg, 1, 3));
        ui::test::Click(D().Button2);  // "Divide AMC": x1, then x2
        ui::test::Type(rt::Str(p.x1, 1, 3));
        ui::test::Tab();
        ui::test::Type(rt::Str(p.x2, 1, 3));
        ui::test::Tab();
        ui::test::ClickTab(D().PageControl1, 2);
    }
    static void Type(ui::Edit* field, double value) { Enter(field, rt::Str(value, 1, 12)); }
    static ui::RadioGroup* Choice(int group) {
        return group == 1 ? D().RadioGroup1 : group == 2 ? D().RadioGroup2 : D().RadioGroup3;
    }
    static Array1<double, 3>& Estimates(int unknown) {
        Array1<double, 3>* arrays[] = {&G.IdentMn, &G.IdentAlfa, &G.IdentBeta, &G.IdentX};
        return *arrays[unknown];
    }
    // The measured values and the estimates of the three groups, as the page holds them.
    static std::vector<double> IdentificationState() {
        std::vector<double> v{G.IdentMeasuredChord, G.IdentMeasuredHeight,    G.IdentMeasuredSpan,
                              G.IdentBallDiameter,  G.IdentMeasuredOverBalls, double(G.IdentSpanTeeth)};
        for (int k = 0; k < 4; ++k)
            for (int i = 1; i <= 3; ++i) v.push_back(Estimates(k)[i]);
        return v;
    }
};

// The chord of the wheel on the circle D and its height from the tip corners (ISO 21771),
// the tip circle taken as the end of the involute.
void ChordOnCircle(double D, double& sc, double& hc) {
    const double z = std::fabs(G.z2), da = std::fabs(G.da2);
    const double at = std::atan(std::tan(G.alfan) / std::cos(G.beta));
    const double db = z * G.mn * std::cos(at) / std::cos(G.beta);
    const auto inv = [](double u) { return std::tan(u) - u; };
    const double sign = G.GearingType == kInternalGearing ? -1 : 1;  // the internal tooth widens outwards
    const double psi = (2 * G.x2 * std::tan(G.alfan) + kPi / 2) / z + sign * inv(at);
    const double psiD = psi - sign * inv(std::acos(db / D)), psiA = psi - sign * inv(std::acos(db / da));
    sc = D * std::sin(psiD) * std::cos(std::atan(D * std::sin(G.beta) / (z * G.mn)));
    hc = sign * (da / 2 * std::cos(psiA) - D / 2 * std::cos(psiD));
}

class RoundTrip : public Identification, public ::testing::WithParamInterface<Pair> {};

// The test dimensions of the known wheel typed in full: each group finds the module,
// flank angle, helix angle and AMC again from a start off the known value.
TEST_P(RoundTrip, EachGroupRecoversTheKnownParameter) {
    const Pair& p = GetParam();
    EnterPair(p);
    ASSERT_EQ(Messages(), std::vector<std::string>{});
    const double known[] = {G.mn, G.alfan, G.beta, G.x2};
    // the chord of the constant-chord thickness and its height (an internal wheel's from
    // its involute tip, not from the corners that the cutter chamfers)
    double sc = 0, hc = 0;
    if (p.gearing == kExternalGearing) {
        ComputeConstantChord2();
        ComputeChordHeightForThickness2();
        sc = G.sc2, hc = G.hc2;
    } else {
        ChordOnCircle(std::fabs(G.da2) + 1.2 * G.mn, sc, hc);
    }
    const double W = G.IdentMeasuredSpan, dt = G.IdentBallDiameter, M = G.IdentMeasuredOverBalls;
    Type(D().Edit36, sc);
    Type(D().Edit37, hc);
    Type(D().Edit39, W);
    Type(D().Edit40, dt);
    Type(D().Edit41, M);
    ui::test::Click(D().RadioGroup1->Item(kIdentAmc));  // the focus off the fields
    ui::test::Notices().Clear();
    const double start[] = {1.02, DegToRad(1), DegToRad(1), 0.1};
    for (int group = 1; group <= 3; ++group) {
        for (int unknown : {kIdentModule, kIdentFlankAngle, kIdentHelixAngle, kIdentAmc}) {
            SCOPED_TRACE("group " + std::to_string(group) + " unknown " + std::to_string(unknown));
            if (unknown == kIdentHelixAngle && p.betaDeg == 0) continue;
            for (int k = 0; k < 4; ++k) Estimates(k)[group] = known[k];
            if (Choice(group)->ItemIndex() == unknown) Choice(group)->SetItemIndex((unknown + 1) % 4);
            Estimates(unknown)[group] = unknown == kIdentModule ? known[0] * start[0] : known[unknown] + start[unknown];
            ui::test::Click(Choice(group)->Item(unknown));
            const bool angle = unknown == kIdentFlankAngle || unknown == kIdentHelixAngle;
            EXPECT_NEAR(Estimates(unknown)[group], known[unknown], angle ? 1e-8 : 1e-6);
            EXPECT_TRUE(D().IdentificationField(38 + 4 * group + unknown)->ReadOnly());
        }
    }
    EXPECT_EQ(ui::test::Notices().notices.size(), 0u);  // no beep, no message
}

INSTANTIATE_TEST_SUITE_P(Pairs, RoundTrip,
                         ::testing::Values(Pair{"ExternalSpur", kExternalGearing, 20, 40, 1, 0, 0.5, 0.5},
                                           Pair{"ExternalHelical", kExternalGearing, 19, 47, 2, 15, -0.2, 0.2},
                                           Pair{"InternalHelical", kInternalGearing, 20, -61, 1.5, 10, 0.1, 0.1}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(Identification, ANewtonSolveThatDoesNotConvergeBeepsAndChangesNothing) {
    EnterPair({"", kExternalGearing, 19, 47, 2, 15, -0.2, 0.2});
    // a flag left by an earlier solve does not count
    G.NewtonNotConverged = true;
    ui::test::Click(D().RadioGroup1->Item(kIdentModule));
    EXPECT_NEAR(G.IdentMn[1], 2, 1e-3);  // from the chord as shown, to 4 decimals
    EXPECT_EQ(ui::test::Notices().notices.size(), 0u);
    // a start far from the module: the solve gives up
    ui::test::Click(D().RadioGroup1->Item(kIdentAmc));
    G.IdentX[1] = 0.2;
    G.IdentMn[1] = 2.2;
    D().Edit42->SetText("2.200");
    ui::test::Notices().Clear();
    ui::test::Click(D().RadioGroup1->Item(kIdentModule));
    EXPECT_TRUE(G.NewtonNotConverged);
    EXPECT_EQ(G.IdentMn[1], 2.2);
    EXPECT_EQ(D().Edit42->Text(), "No solution");
    ASSERT_FALSE(ui::test::Notices().notices.empty());
    EXPECT_EQ(ui::test::Notices().notices.back().kind, rt::Notice::Beep);
    // another unknown: the module's field shows its estimate again
    ui::test::Click(D().RadioGroup1->Item(kIdentAmc));
    EXPECT_EQ(D().Edit42->Text(), "2.200");
}

TEST_F(Identification, TheChoiceOfTheUnknownFollowsTheGearing) {
    EnterPair({"", kExternalGearing, 20, 40, 1, 0, 0, 0});
    // spur gearing: no helix angle to find, its fields read-only
    ui::test::Click(D().RadioGroup2->Item(kIdentHelixAngle));
    EXPECT_EQ(D().RadioGroup2->ItemIndex(), kIdentModule);
    EXPECT_TRUE(D().Edit44->ReadOnly() && D().Edit48->ReadOnly() && D().Edit52->ReadOnly());
    EXPECT_TRUE(D().Edit46->ReadOnly());
    EXPECT_FALSE(D().Edit49->ReadOnly());
    // the flank angle from the span: 20 degrees, and a second result beside it
    ui::test::Click(D().RadioGroup2->Item(kIdentFlankAngle));
    EXPECT_EQ(D().Edit47->Text(), "20.0000\xC2\xB0");
    EXPECT_TRUE(D().Label183->Visible() && D().Label184->Visible() && D().Label185->Visible());
    EXPECT_FALSE(D().Label188->Visible());
    EXPECT_EQ(D().Label183->Caption(), "2. result       = 20.498\xC2\xB0");
    ui::test::Click(D().RadioGroup3->Item(kIdentFlankAngle));
    EXPECT_FALSE(D().Label183->Visible());

    // a rack: group 1 by its closed forms, module and flank angle only
    ui::test::ClickTab(D().PageControl1, 0);
    Enter(D().Edit3, "6000");
    ui::test::ClickTab(D().PageControl1, 2);
    EXPECT_EQ(D().RadioGroup1->ItemIndex(), kIdentModule);
    EXPECT_EQ(D().Edit45->Text(), "-----");
    EXPECT_FALSE(D().GroupBox10->Enabled() || D().GroupBox11->Enabled());
    EXPECT_FALSE(D().Label181->Visible() || D().Label180->Visible());
    EXPECT_EQ(D().Label174->Caption(), "Rack  ");
    Enter(D().Edit36, rt::Str(kPi / 2 * 1.25, 1, 12));  // the reference line of a module 1.25 rack
    EXPECT_EQ(D().Edit42->Text(), "1.250");
    ui::test::Click(D().RadioGroup1->Item(kIdentAmc));
    EXPECT_EQ(D().RadioGroup1->ItemIndex(), kIdentModule);
    ui::test::Click(D().RadioGroup1->Item(kIdentFlankAngle));
    // the chord of a module 1 rack 0.2 below its reference line: alfa from tan a = 0.1 / 0.2
    Enter(D().Edit42, "1");
    Enter(D().Edit37, rt::Str(G.ha2 + 0.2, 1, 12));
    Enter(D().Edit36, rt::Str(kPi / 2 + 0.2, 1, 12));
    EXPECT_NEAR(G.IdentAlfa[1], std::atan(0.5), 1e-12);
    EXPECT_EQ(Messages(), std::vector<std::string>{});

    // a wheel again: the AMC is group 1's unknown, the diameter shown once
    ui::test::ClickTab(D().PageControl1, 0);
    Enter(D().Edit3, "40");
    ui::test::ClickTab(D().PageControl1, 2);
    EXPECT_EQ(D().RadioGroup1->ItemIndex(), kIdentAmc);
    EXPECT_TRUE(D().Label181->Visible() && D().Label180->Visible());
    EXPECT_EQ(D().Label180->Caption(), "d   =");
    EXPECT_EQ(D().Label181->Caption(), "42.000");
}

TEST_F(Identification, ValidatorsRefuseWithTheirMessages) {
    EnterPair({"", kExternalGearing, 19, 47, 2, 15, -0.2, 0.2});
    struct Case {
        ui::Edit* field;
        const char* text;
        const char* message;
        ui::Edit* focus;
    };
    const Case cases[] = {
        {D().Edit36, "1,5", "Invalid format of the number", D().Edit36},
        {D().Edit36, "0", "Parametr must be greater than 0 ", D().Edit36},
        {D().Edit36, "6.3", "Impossibly big measured thickness", D().Edit36},
        {D().Edit37, "6.5", "Impossibly big measured height", D().Edit37},
        {D().Edit39, "98", "Impossibly big span measurement", D().Edit39},
        {D().Edit38, "0", "Parametr must be greater than 0 ", D().Edit38},
        {D().Edit38, "24", "Impossibly big number of teeth for measuring", D().Edit38},
        {D().Edit42, "0", "Normal module must be greater than 0 ", D().Edit42},
        {D().Edit43, "0.98", "Normal rack flank angle must lay from 1\xC2\xB0 to 55\xC2\xB0", D().Edit43},
        {D().Edit43, "55.01", "Normal rack flank angle must lay from 1\xC2\xB0 to 55\xC2\xB0", D().Edit43},
        {D().Edit44, "-1", "Helix angle at reference cylinder \xC3\x9F must lay from 0\xC2\xB0 to 55\xC2\xB0",
         D().Edit44},
        {D().Edit49, "-1.6", "Addendum Modification Coefficient must lay from -2 to 3", D().Edit49},
        {D().Edit49, "3.1", "Addendum Modification Coefficient must lay from -2 to 3", D().Edit49},
    };
    D().RadioGroup2->SetItemIndex(kIdentModule);  // the AMC of group 2 editable
    // passing through a field changes nothing: the ball dimension keeps its precision
    const std::vector<double> entered = IdentificationState();
    for (ui::Edit* field : {D().Edit41, D().Edit42, D().Edit49}) {
        ui::test::Click(field);
        ui::test::Tab();
    }
    EXPECT_EQ(IdentificationState(), entered);
    // a refused value is not kept, and the text shown before brings nothing back to check
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ui::test::Notices().Clear();
        const std::string shown = c.field->Text();
        ui::test::TypeInto(c.field, c.text);
        ui::test::Tab();
        EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
        EXPECT_EQ(D().ActiveControl(), c.focus);
        EXPECT_EQ(IdentificationState(), entered);
        c.field->SetText(shown);
        ui::test::Tab();
        EXPECT_EQ(IdentificationState(), entered);
    }
    // accepted at their limits: half the teeth spanned, 0.99 degrees, -1.5
    D().RadioGroup2->SetItemIndex(kIdentFlankAngle);  // the span's module stays as it is
    ui::test::Notices().Clear();
    for (const auto& [field, text] : {std::pair{D().Edit38, "23"}, {D().Edit43, "0.99"}, {D().Edit49, "-1.5"}}) {
        ui::test::TypeInto(field, text);
        ui::test::Tab();
    }
    EXPECT_EQ(Messages(), std::vector<std::string>{});
    EXPECT_EQ(D().Edit43->Text(), "0.9900\xC2\xB0");
    EXPECT_EQ(G.IdentSpanTeeth, 23);
    // an angle field left unchanged is not read again; in DMS an angle is D.MMSS
    G.IdentAlfa[1] = 0.3;
    ui::test::Click(D().Edit43);
    ui::test::Tab();
    EXPECT_EQ(G.IdentAlfa[1], 0.3);
    G.AngleFormatDMS = true;
    ui::test::TypeInto(D().Edit43, "20.3015");
    ui::test::Tab();
    EXPECT_EQ(D().Edit43->Text(),
              "20\xC2\xB0"
              "30'15.0\"");
    EXPECT_NEAR(G.IdentAlfa[1], DegToRad(20 + 30 / 60.0 + 15 / 3600.0), 1e-12);
    ui::test::TypeInto(D().Edit43, "20.61");
    ui::test::Tab();
    EXPECT_EQ(Messages(), std::vector<std::string>{"Select minutes from 0 to 59."});
    EXPECT_EQ(D().ActiveControl(), D().Edit43);
    EXPECT_FALSE(G.ErrorFlag);
}

TEST_F(Identification, TheStartPairIsMeasuredAtOnce) {
    ui::test::ClickTab(D().PageControl1, 2);
    EXPECT_EQ(D().Label177->Caption(), "40");
    EXPECT_EQ(D().Label181->Caption(), "42.000");
    EXPECT_EQ(D().Edit42->Text(), "1.000");
    EXPECT_EQ(D().Edit38->Text(), "5");
    EXPECT_EQ(D().Edit40->Text(), "2.0000");  // whole millimetres above the smallest ball
}

TEST_F(Identification, AHelixAngleThatNoSpanGivesIsNoEstimate) {
    EnterPair({"", kExternalGearing, 19, 47, 2, 15, -0.2, 0.2});
    ui::test::Click(D().RadioGroup2->Item(kIdentHelixAngle));
    const double found = G.IdentBeta[2];
    EXPECT_NEAR(found, DegToRad(15), 1e-8);
    EXPECT_EQ(D().Edit48->Text(), "15.0000\xC2\xB0");
    // a span below the spur gear's: the transverse angle below the normal one; the helix
    // angle keeps its estimate, also through the angles' redisplay
    Enter(D().Edit39, "39");
    EXPECT_EQ(G.IdentBeta[2], found);
    EXPECT_EQ(D().Edit48->Text(), "No solution");
    Enter(D().Edit47, "20.5");
    EXPECT_EQ(D().Edit48->Text(), "No solution");
    Enter(D().Edit47, "20");
    // the module from the span takes that estimate
    ui::test::Click(D().RadioGroup2->Item(kIdentModule));
    EXPECT_EQ(G.IdentBeta[2], found);
    EXPECT_EQ(D().Edit48->Text(), "15.0000\xC2\xB0");
    EXPECT_FALSE(D().Edit48->ReadOnly());
    // entering the page again keeps the unknown's field read-only
    ui::test::Click(D().RadioGroup2->Item(kIdentHelixAngle));
    ui::test::ClickTab(D().PageControl1, 0);
    ui::test::ClickTab(D().PageControl1, 2);
    EXPECT_TRUE(D().Edit48->ReadOnly());
}

// The span's flank-angle searches end, and report no root, on a sign change without a zero.
TEST_F(Identification, RootSearchesEndOnAJump) {
    const auto jump = [](double a) { return a < 0.7 ? -1.0 : 1.0; };
    EXPECT_EQ(FindRootUpward(jump, 1e-6), 0);
    EXPECT_EQ(FindRootDownward(jump, 1.2, 1e-5), 0);
    const auto line = [](double a) { return a - 0.5; };
    EXPECT_NEAR(FindRootUpward(line, 1e-6), 0.5, 1e-11);
    EXPECT_NEAR(FindRootDownward(line, 1.2, 1e-5), 0.5, 1e-11);
    EXPECT_EQ(FindRootUpward(line, 0.6), 0);  // none above the start
}

class NoWheel : public Identification, public ::testing::WithParamInterface<Pair> {};

// Measured values far from the wheel's, from which no wheel follows: the unknown's field
// says "No solution" with one beep and every estimate stays; the wheel's own measurement
// then gives what it gave before.
TEST_P(NoWheel, AFarMeasurementIsNoSolutionAndLeavesNothingBehind) {
    const Pair& p = GetParam();
    EnterPair(p);
    if (p.mn == 40) {
        // a large planetary stage's ring, measured between 80 mm balls
        G.dt2 = 80;
        ComputeDimensionOverBalls2();
        Type(D().Edit40, 80);
        Type(D().Edit41, G.M2);
    }
    const double chord = G.IdentMeasuredChord, W = G.IdentMeasuredSpan, M = G.IdentMeasuredOverBalls;
    const struct {
        ui::Edit* field;
        double measured;
        std::vector<double> far;
    } groups[] = {
        {D().Edit36, chord, {0.01 * chord}},
        {D().Edit39, W, {0.5 * W, 0.8 * W}},
        {D().Edit41, M, {0.5 * M, 0.8 * M, 1.5 * M, 1e308}},
    };
    for (int group = 1; group <= 3; ++group) {
        const auto& measurement = groups[group - 1];
        for (int unknown : {kIdentModule, kIdentFlankAngle, kIdentHelixAngle, kIdentAmc}) {
            if (unknown == kIdentHelixAngle && p.betaDeg == 0) continue;
            SCOPED_TRACE("group " + std::to_string(group) + " unknown " + std::to_string(unknown));
            ui::test::Notices().Clear();
            ui::test::Click(Choice(group)->Item(unknown));
            ui::Edit* result = D().IdentificationField(38 + 4 * group + unknown);
            const double found = Estimates(unknown)[group];
            const std::string shown = result->Text();
            ASSERT_EQ(ui::test::Notices().notices.size(), 0u);
            for (double far : measurement.far) {
                SCOPED_TRACE(far);
                const std::vector<double> before = IdentificationState();
                ui::test::Notices().Clear();
                Type(measurement.field, far);
                EXPECT_EQ(result->Text(), "No solution");
                EXPECT_FALSE(D().Label183->Visible() || D().Label188->Visible());  // no other flank angle
                const auto& notices = ui::test::Notices().notices;
                EXPECT_EQ(std::count_if(notices.begin(), notices.end(),
                                        [](const rt::Notice& n) { return n.kind == rt::Notice::Beep; }),
                          1);
                std::vector<double> after = IdentificationState();
                const int typed = group == 1 ? 0 : group == 2 ? 2 : 4;
                EXPECT_NEAR(after[typed], far, 1e-9 * far);
                after[typed] = before[typed];
                EXPECT_EQ(after, before);
            }
            ui::test::Notices().Clear();
            Type(measurement.field, measurement.measured);
            EXPECT_NEAR(Estimates(unknown)[group], found, 1e-9 * std::max(1.0, std::fabs(found)));
            EXPECT_EQ(result->Text(), shown);
            EXPECT_EQ(Messages(), std::vector<std::string>{});
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Pairs, NoWheel,
                         ::testing::Values(Pair{"ExternalHelical", kExternalGearing, 19, 47, 2, 15, -0.2, 0.2},
                                           Pair{"ExternalSpur", kExternalGearing, 20, 40, 1, 0, 0, 0},
                                           Pair{"InternalSpur", kInternalGearing, 20, -80, 1, 0, 0, 0},
                                           Pair{"LargeInternal", kInternalGearing, 24, -90, 40, 0, 0.3, 0.2}),
                         [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace ostrimo::test
