// The module table and the two help tables.
#include <cstdlib>
#include <string>

#include "InputWindowFixture.h"
#include "karvelo/forms/Help1.h"
#include "karvelo/forms/Help2.h"
#include "karvelo/forms/Moduly.h"

namespace karvelo {
namespace {

class TablesWindow : public InputWindows {};

TEST_F(TablesWindow, ModuleTableListsBothRowsInSizeOrder) {
    const std::vector<ModuleLine> lines = ModuleTableLines();
    ASSERT_EQ(lines.size(), 67u);
    double previous = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        // The rows alternate: 34 modules of the first row, 33 of the second between them.
        const bool first = i % 2 == 0;
        EXPECT_EQ(first ? lines[i].row2 : lines[i].row1, "--") << i;
        std::string m = first ? lines[i].row1 : lines[i].row2;
        ASSERT_EQ(m.find('.'), std::string::npos);
        for (char& c : m)
            if (c == ',') c = '.';
        EXPECT_GT(std::strtod(m.c_str(), nullptr), previous) << i;
        previous = std::strtod(m.c_str(), nullptr);
    }
    EXPECT_EQ(lines.front().row1, "0,05");
    EXPECT_EQ(lines[27].row2, "1,125");
    EXPECT_EQ(lines.back().row1, "100");
}

TEST_F(TablesWindow, EscClosesEachTableAndOtherKeysLeaveItOpen) {
    TTabulka_modulu modules;
    THelp_1 help1;
    THelp_2 help2;
    for (ui::Form* f : std::initializer_list<ui::Form*>{&modules, &help1, &help2}) {
        f->Show();
        ui::test::Type("a");
        ui::test::Enter();
        EXPECT_TRUE(f->Visible()) << f->Name();
        ui::test::KeyDown(Qt::Key_Escape);
        EXPECT_FALSE(f->Visible()) << f->Name();
    }
    EXPECT_EQ(modules.Caption(), "Tablle of modules [mm]  by ČSN 01 4608");
    EXPECT_EQ(help1.Caption(), "Coefficient  R    (ISO 6336/3 - page 40)");
    EXPECT_EQ(help2.Caption(), "Application factor KA    (ISO 6336 - 6, tab. B 1,2,3,4)");
    EXPECT_EQ(static_cast<ui::Label*>(help2.FindControl("KA44"))->Caption(), ">= 2,25");
}

}  // namespace
}  // namespace karvelo
