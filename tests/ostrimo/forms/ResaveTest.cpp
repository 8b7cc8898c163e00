// A case entered as a user enters it, saved, opened in a program just started and saved
// again gives the same file, for each gearing type, backlash method and computing input given
// last, saved as entered, after COMPLEX CHECKING or after a visit of the Test dimensions page.
#include <functional>
#include <sstream>

#include "OstrimoFixture.h"

namespace ostrimo::test {
namespace {

class Resave : public OstrimoTest {
protected:
    std::string File(const std::string& name) const { return dir_.File(name); }
    ScratchDir dir_;
};

void Type(ui::Edit* field, const std::string& text) {
    ui::test::TypeInto(field, text);
    ui::test::Tab();
}

void Click(ui::Control* c) { ui::test::Click(c); }

void Divide(const std::string& x1) {
    Click(PagesDlg->Button2);
    Type(PagesDlg->Edit7, x1);
}

void SumDividedByX1() {
    Type(PagesDlg->Edit6, "0.5");
    Divide("0.2");
}

// The backlash typed into the main dialog, made by the method's radio of the backlash dialog.
void Backlash(const std::string& jn, ui::RadioButton* TVuleF::*method) {
    ui::test::QueueModal(VuleF, [jn, method](ui::Form&) {
        Click(VuleF->*method);
        if (method != &TVuleF::RadioButton1) Type(VuleF->Edit3, jn);
        Click(VuleF->Button3);
    });
    Type(PagesDlg->Edit21, jn);
}

// The lines of two files that differ.
std::vector<std::string> Differences(const std::string& a, const std::string& b) {
    std::istringstream x(a), y(b);
    std::vector<std::string> d;
    for (int line = 1; x || y; ++line) {
        std::string u, v;
        std::getline(x, u);
        std::getline(y, v);
        if (u != v) d.push_back(std::to_string(line) + ": " + u + " | " + v);
    }
    return d;
}

struct Flow {
    const char* name;
    const char* before;  // before Save: s nothing, c COMPLEX CHECKING, m the Test dimensions page
    std::function<void()> inputs;
    std::function<void()> reopened = [] {};  // what the case holds after Open
};

TEST_F(Resave, ACaseSavedOpensAndResavesByteIdentical) {
    const auto chosenTestDimensions = [] {
        SumDividedByX1();
        ui::test::ClickTab(D().PageControl1, 1);
        Type(D().Edit26, "4"), Type(D().Edit30, "1.8");
        Click(D().RadioButton11), Type(D().Edit24, "1.6");
        ui::test::ClickTab(D().PageControl1, 0);
    };
    const Flow flows[] = {
        {"sum, divided by x1", "scm", SumDividedByX1},
        {"x1, then x2", "s", [] { Type(D().Edit4, "12.5"), Type(D().Edit7, "0.31"), Type(D().Edit8, "-0.127"); }},
        {"x1 alone", "c", [] { Type(D().Edit1, "2.75"), Type(D().Edit7, "0.4321"); }},
        {"sum, balanced slidings", "s", [] { Type(D().Edit6, "0.37"), Click(D().Button6); }},
        {"centre distance, balanced slidings", "m", [] { Type(D().Edit9, "30.6125"), Click(D().Button6); }},
        {"working angle, balanced slidings", "s", [] { Type(D().Edit10, "21.75"), Click(D().Button6); }},
        {"angles in degrees, minutes and seconds", "c",
         [] {
             Click(D().RadioButton13);
             Type(D().Edit4, "12.3015"), Type(D().Edit10, "21.4530"), Click(D().Button6);
         }},
        {"centre distance with the helix angle", "s", [] { Click(D().CheckBox2), Type(D().Edit9, "30.875"); }},
        {"rounded root", "s", [] { Click(D().CheckBox1), Type(D().Edit7, "0.15"); }},
        {"tools", "c",
         [] {
             Click(D().Button10);
             Click(NastrojDlg->CheckBox1), Click(NastrojDlg->CheckBox4), Click(NastrojDlg->OKBtn);
             Type(D().Edit6, "0.4"), Divide("0.25");
         }},
        {"internal", "c", [] { Click(D().RadioButton4), Type(D().Edit6, "0.25"), Divide("0.15"); }},
        {"internal, centre distance", "s",
         [] { Click(D().RadioButton4), Type(D().Edit9, "-29.85"), Click(D().Button6); }},
        {"internal, shaper cutter", "sm",
         [] {
             Click(D().RadioButton4), Click(D().Button9);
             Type(FellowDlg->Edit2, "0.12"), Click(FellowDlg->CheckBox2), Click(FellowDlg->OKBtn);
             Type(D().Edit7, "0.2");
         }},
        {"rack mate", "m", [] { Type(D().Edit3, "6000"), Type(D().Edit7, "0.35"); }},
        {"rack mate, extra AMC backlash", "s",
         [] {
             Type(D().Edit3, "6000"), Type(D().Edit7, "0.35");
             Backlash("0.05", &TVuleF::RadioButton2);
             Type(D().Edit7, "0.3");
         }},
        {"bevel", "sc", [] { Click(D().RadioButton5), Type(D().Edit6, "0.3"), Divide("0.3"); }},
        {"thinning backlash", "s", [] { SumDividedByX1(), Backlash("0.08", &TVuleF::RadioButton1); }},
        {"extra AMC backlash", "c", [] { SumDividedByX1(), Backlash("0.08", &TVuleF::RadioButton2), Divide("0.2"); }},
        {"shifting backlash", "m",
         [] { SumDividedByX1(), Backlash("0.08", &TVuleF::RadioButton3), Type(D().Edit7, "0.25"); }},
        {"test dimensions chosen", "sc", chosenTestDimensions,
         [] {
             EXPECT_EQ(G.zw1, 4);
             EXPECT_EQ(G.dt1, 1.8);
             EXPECT_EQ(G.sc2, 1.6);
             ui::test::ClickTab(D().PageControl1, 1);
             EXPECT_EQ(D().Edit30->Text(), "1.8000");
             ui::test::ClickTab(D().PageControl1, 0);
         }},
    };
    const auto restart = [this] {
        OstrimoTest::TearDown();
        OstrimoTest::SetUp();
    };
    for (const Flow& flow : flows) {
        for (const char* before = flow.before; *before; ++before) {
            SCOPED_TRACE(std::string(flow.name) + ", before Save " + *before);
            restart();
            flow.inputs();
            if (*before == 'c') Click(D().Button1);
            if (*before == 'm') ui::test::ClickTab(D().PageControl1, 1), ui::test::ClickTab(D().PageControl1, 0);
            ASSERT_EQ(Messages(), std::vector<std::string>{});
            Save(File("a.dat"));
            restart();
            Open(File("a.dat"));
            if (*before == 's') flow.reopened();
            Save(File("b.dat"));
            Open(File("b.dat"));
            Save(File("c.dat"));
            EXPECT_EQ(Messages(), std::vector<std::string>{});
            const std::vector<std::string> none;
            EXPECT_EQ(Differences(Contents(File("a.dat")), Contents(File("b.dat"))), none);
            EXPECT_EQ(Differences(Contents(File("b.dat")), Contents(File("c.dat"))), none);
        }
    }
}

}  // namespace
}  // namespace ostrimo::test
