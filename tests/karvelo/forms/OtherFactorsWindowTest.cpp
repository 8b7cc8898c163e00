// The other-factors window.

#include "InputWindowFixture.h"
#include "karvelo/forms/SoucF.h"

namespace karvelo {
namespace {

class OtherFactorsWindow : public InputWindows {};

TEST_F(OtherFactorsWindow, HelpKeyOpensTheTopicOfTheLastFieldEntered) {
    TSouc_F souc;
    G.ActiveEdit = 3;
    souc.Show();
    ui::test::F1();
    G.ActiveEdit = 12;
    ui::test::F1();
    ASSERT_EQ(ui::test::HelpCalls().size(), 2u);
    EXPECT_EQ(ui::test::HelpCalls()[0].Data, 81u);
    EXPECT_EQ(ui::test::HelpCalls()[1].Data, 82u);
}

}  // namespace
}  // namespace karvelo
