// The KHbeta method C window.

#include "KHbetaWindowsFixture.h"
#include "karvelo/calc/KHbeta_vyp.h"

namespace karvelo {
namespace {

using ui::test::Click;
using ui::test::Enter;
using ui::test::TypeInto;

class MethodCWindow : public KHbetaWindows {
protected:
    void SetUp() override {
        KHbetaWindows::SetUp();
        G.KHbetaMethod = "ISO_C";
    }
    TKHbeta_C& w = methodC;
    void Run(std::function<void()> script) {
        ui::test::QueueModal(&w, [script = std::move(script)](ui::Form&) { script(); });
        w.ShowModal();
    }
    std::string Shown() const { return w.Label1->Caption(); }
};

TEST_F(MethodCWindow, KHbetaShownIsTheCoresForEachVariantAndHelixModification) {
    const GlobalData start = G;
    ui::RadioButton* variants[3] = {w.RadioButton1, w.RadioButton2, w.RadioButton3};
    const std::int16_t modificationOfBox[5] = {kNoHelixModification, kCentralCrowning, kEndRelief, kHelixCorrection,
                                               kHelixCorrectionAndCrowning};
    for (int v = 0; v < 3; ++v)
        for (int m = 0; m < 5; ++m) {
            SCOPED_TRACE(std::to_string(v) + " " + std::to_string(m));
            G = start;
            std::string shown;
            Run([&] {
                Click(variants[v]);
                if (v != 1) Click(w.Modifications[m]);
                if (v == 2) {
                    TypeInto(w.EditField(6), "8");
                    Enter();
                }
                shown = Shown();
                Click(w.Button5);
            });
            const double windowKHbeta = G.KHbeta;
            const std::string influence = G.ContactInfluence;
            // The same inputs set directly.
            G = start;
            G.KHbetaCalcVariant = std::string(1, char('a' + v));
            G.HelixModification = v == 1 ? kNoHelixModification : modificationOfBox[m];
            G.cbeta = G.cI = RoundTolerance(ComputeHelixSlopeTolerance(G.IT1, G.d1, G.b));
            G.bred = 0.7 * G.b1;
            if (v == 2) {
                G.fsh = 8;
                G.fshDirect = true;
            }
            ComputeKHbeta();
            EXPECT_EQ(windowKHbeta, G.KHbeta);
            EXPECT_EQ(shown, "K       = " + rt::Str(G.KHbeta, 1, 3));
            EXPECT_EQ(influence, G.ContactInfluence);
        }
    EXPECT_TRUE(Messages().empty());
}

TEST_F(MethodCWindow, FieldsRefuseTheirRangesAndWarnOfTheOffsetAndTheShaft) {
    G.FullPinion = false;
    G.PinionShrinkFitted = false;
    Run([&] {
        TypeInto(w.EditField(1), "100");  // s1 = l1 / 2
        Enter();
        EXPECT_EQ(Messages().back(),
                  "Distance s1 must not be negative one and at least 2x smaller than the distance l1");
        TypeInto(w.EditField(1), "62");  // 0.31 l1: accepted with a warning, on to Ok
        Enter();
        EXPECT_EQ(Messages().back(),
                  std::string(43, ' ') +
                      "Warning\r\rRelation s1 / lw1 is greater than 0.3 - calculation of KHbeta will be "
                      "invalid\rIt does not apply if suitable helix correction is used.");
        EXPECT_EQ(w.ActiveControl(), w.Button5);
        EXPECT_EQ(G.s1, 62);
        EXPECT_TRUE(G.s1l1Exceeded);
        EXPECT_EQ(w.EditField(1)->Text(), "  62.0");
        TypeInto(w.EditField(2), "0");
        Enter();
        EXPECT_EQ(Messages().back(),
                  "Distance l1 must be greater than one and at least 2x greater than the distance s1");
        TypeInto(w.EditField(2), "124");  // l1 = 2 s1
        Enter();
        EXPECT_EQ(G.l1, 124);
        EXPECT_EQ(Messages().size(), 4u);

        TypeInto(w.EditField(3), "70.2");  // above df1 = 70; d1 / dsh1 = 1.14
        Enter();
        EXPECT_EQ(Messages().back(),
                  std::string(33, ' ') +
                      "Warning\r\rOutside shaft diameter dsh1 is greater than pinion root diameter (70.00)");
        EXPECT_FALSE(w.CheckBox20->Visible());
        TypeInto(w.EditField(3), "69.5");  // 1.15: a shrink fit would stiffen the pinion
        Enter();
        EXPECT_TRUE(w.CheckBox20->Showing());
        Click(w.CheckBox20);
        EXPECT_TRUE(G.PinionShrinkFitted);
        TypeInto(w.EditField(3), "0");
        Enter();
        EXPECT_EQ(Messages().back(), "Outside shaft diameter dsh1 must be greater than 0");
        TypeInto(w.EditField(3), "60");
        Enter();

        Click(w.Modifications[2]);  // end relief: its amount cI and width bred
        EXPECT_EQ(w.ModificationPicture(), 6);
        EXPECT_TRUE(w.EditField(5)->Showing());
        TypeInto(w.EditField(5), "61");
        Enter();
        EXPECT_EQ(Messages().back(), "Size of bred must be positive one or at most equal to b1 (60.0)");
        TypeInto(w.EditField(5), "60");
        Enter();
        EXPECT_EQ(G.bred, 60);
        TypeInto(w.EditField(4), "-1");
        Enter();
        EXPECT_EQ(Messages().back(), "Value of the modification must be positive one.");
        TypeInto(w.EditField(4), "12");
        Enter();
        EXPECT_TRUE(G.cIDirect);
        EXPECT_EQ(G.cI, 12);
        TypeInto(w.EditField(4), "0");  // no modification
        Enter();
        EXPECT_TRUE(w.Modifications[0]->Checked());
        EXPECT_EQ(G.HelixModification, kNoHelixModification);
        EXPECT_FALSE(w.EditField(4)->Visible());
        EXPECT_FALSE(G.cIDirect);

        Click(w.RadioButton3);
        TypeInto(w.EditField(9), "x");
        Enter();
        EXPECT_EQ(Messages().back(), "Input error");
        TypeInto(w.EditField(9), "4");
        Enter();
        EXPECT_TRUE(G.fcaDirect);
        EXPECT_EQ(w.EditField(9)->Text(), "4.0");
        Click(w.Button5);
    });
    EXPECT_EQ(Messages().size(), 9u);
}

TEST_F(MethodCWindow, PositionsOfferTheirArrangementsAndThePicturesFollowTheChoices) {
    struct Case {
        int position;
        std::string offered;  // letters of the arrangements shown
        char checked;
    };
    const Case cases[] = {{3, "bde", 'b'}, {5, "c", 'c'}, {1, "ade", 'a'},
                          {4, "bde", 'b'}, {6, "c", 'c'}, {2, "ade", 'a'}};
    Run([&] {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.position);
            Click(w.Positions[c.position - 1]);
            EXPECT_EQ(G.KHbetaCase2, std::string(1, char('a' + c.position - 1)));
            EXPECT_EQ(w.PositionPicture(), 'a' + c.position - 1);
            std::string offered;
            for (int k = 0; k < 5; ++k)
                if (w.Arrangements[k]->Visible()) offered += char('a' + k);
            EXPECT_EQ(offered, c.offered);
            EXPECT_EQ(G.KHbetaCase, std::string(1, c.checked));
            EXPECT_EQ(w.ArrangementPicture(), c.checked);
            EXPECT_FALSE(w.Positions[c.position - 1]->Enabled());  // a choice is not unchecked by a click
        }
        Click(w.Arrangements[3]);
        Click(w.Positions[0]);  // d) stays offered and chosen
        EXPECT_EQ(G.KHbetaCase, "d");
        Click(w.RadioButton3);
        EXPECT_FALSE(w.Panel1->Visible());
        EXPECT_TRUE(w.Panel3->Visible());
        EXPECT_TRUE(w.EditField(6)->Visible());
        EXPECT_FALSE(w.EditField(1)->Visible());
        Click(w.RadioButton2);
        EXPECT_FALSE(w.Panel3->Visible());
        Click(w.Button7);
    });
    EXPECT_EQ(G.KHbetaCalcVariant, "b");
}

TEST_F(MethodCWindow, EscGivesARefusedValueBackAndKHbetaFollowsIt) {
    Run([&] {
        TypeInto(w.EditField(1), "150");
        Enter();
        EXPECT_EQ(G.s1, 150);
        ui::test::Esc();
    });
    EXPECT_EQ(G.s1, 50);
    const double windowKHbeta = G.KHbeta;
    ComputeKHbeta();
    EXPECT_EQ(windowKHbeta, G.KHbeta);
    EXPECT_EQ(Messages().size(), 1u);  // no KHbeta was computed from the refused offset
}

TEST_F(MethodCWindow, OpeningKeepsTheStoredCaseAndAClickBesideTheFieldsTakesTheTypedValue) {
    Run([&] {
        Click(w.RadioButton3);
        Click(w.Button5);
    });
    // A case with crowning of an entered amount, as a data file gives it.
    G.KHbetaCalcVariant = "a";
    G.HelixModification = kCentralCrowning;
    G.cbeta = 25;
    G.cbetaDirect = true;
    Run([&] {
        EXPECT_TRUE(w.RadioButton1->Checked());
        EXPECT_TRUE(w.Modifications[1]->Checked());
        EXPECT_EQ(w.EditField(4)->Text(), "25.0");
        TypeInto(w.EditField(1), "40");
        Click(w.GroupBox2);
        EXPECT_EQ(G.s1, 40);
        EXPECT_EQ(w.EditField(1)->Text(), "40.0");
        Click(w.Button5);
    });
    EXPECT_EQ(G.cbeta, 25);
    // A variant the user chooses starts from computed amounts.
    Run([&] {
        Click(w.RadioButton2);
        Click(w.RadioButton1);
        EXPECT_EQ(w.EditField(4)->Text(), rt::Str(G.cbeta, 1, 1));
        Click(w.Button5);
    });
    EXPECT_FALSE(G.cbetaDirect);
    EXPECT_EQ(G.cbeta, RoundTolerance(ComputeHelixSlopeTolerance(G.IT1, G.d1, G.b)));
}

// A face width outside the accuracy standard's range makes every KHbeta say so in an information
// box; a refused entry names the failure, not that box.
TEST_F(MethodCWindow, ARefusalNamesTheFailureNotTheAccuracyInformation) {
    G.b = G.b1 = G.b2 = 3;
    Run([&] {
        ASSERT_FALSE(Messages().empty());  // the information of the opening
        const std::size_t opening = Messages().size();
        TypeInto(w.EditField(3), "1e-100");  // a shaft so thin that it bends without limit
        Enter();
        EXPECT_EQ(Messages().size(), opening + 1);
        EXPECT_EQ(Messages().back(), "The face load factor KHbeta can not be calculated from these input data.");
        ui::test::Esc();
    });
    EXPECT_EQ(G.dsh1, 70);
}

}  // namespace
}  // namespace karvelo
