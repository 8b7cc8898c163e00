#include "karvelo/forms/Moduly.h"

#include <algorithm>
#include <cstdlib>

namespace karvelo {

TTabulka_modulu* Tabulka_modulu = nullptr;

namespace {

const char* const kRow1[] = {"0,05", "0,06", "0,08", "0,1", "0,12", "0,15", "0,2", "0,25", "0,3", "0,4", "0,5", "0,6",
                             "0,8",  "1",    "1,25", "1,5", "2",    "2,5",  "3",   "4",    "5",   "6",   "8",   "10",
                             "12",   "16",   "20",   "25",  "32",   "40",   "50",  "60",   "80",  "100"};
const char* const kRow2[] = {"0,055", "0,07", "0,09",  "0,11",  "0,14", "0,18", "0,22", "0,28", "0,35", "0,45", "0,55",
                             "0,7",   "0,9",  "1,125", "1,375", "1,75", "2,25", "2,75", "3,5",  "4,5",  "5,5",  "7",
                             "9",     "11",   "14",    "18",    "22",   "28",   "36",   "45",   "55",   "70",   "90"};

double ModuleValue(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    return std::strtod(text.c_str(), nullptr);
}

constexpr int kLinesPerColumn = 17;
constexpr int kLineHeight = 16;

}  // namespace

std::vector<ModuleLine> ModuleTableLines() {
    std::vector<ModuleLine> lines;
    for (const char* m : kRow1) lines.push_back({m, "--"});
    for (const char* m : kRow2) lines.push_back({"--", m});
    std::stable_sort(lines.begin(), lines.end(), [](const ModuleLine& a, const ModuleLine& b) {
        return ModuleValue(a.row1 == "--" ? a.row2 : a.row1) < ModuleValue(b.row1 == "--" ? b.row2 : b.row1);
    });
    return lines;
}

TTabulka_modulu::TTabulka_modulu() : Form("Tabulka_modulu") {
    SetCaption("Tablle of modules [mm]  by ČSN 01 4608");
    SetClientSize(468, 36 + kLinesPerColumn * kLineHeight + 12);
    Position = ui::Position::BesideOwner;
    BorderStyle = ui::BorderStyle::Single;
    KeyPreview = true;
    // Four column pairs, each a column of the first and of the second row.
    const std::vector<ModuleLine> lines = ModuleTableLines();
    for (int pair = 0; pair < 4; ++pair) {
        std::string row1, row2;
        for (int i = pair * kLinesPerColumn; i < std::min<int>((pair + 1) * kLinesPerColumn, int(lines.size())); ++i) {
            const char* sep = row1.empty() ? "" : "\r";
            row1 += sep + lines[i].row1;
            row2 += sep + lines[i].row2;
        }
        const int left = 12 + pair * 114;
        const std::string n = std::to_string(pair + 1);
        AddColumn("Row1_" + n, left, "Row  1", row1);
        AddColumn("Row2_" + n, left + 50, "Row  2", row2);
    }
    OnKeyPress = [this](ui::KeyChar& key) { FormKeyPress(key); };
}

// A column: its heading over its modules, right-aligned.
void TTabulka_modulu::AddColumn(const std::string& name, int left, const std::string& heading,
                                const std::string& text) {
    auto* head = new ui::Label(this, "Head" + name, {left, 10, 44, 16}, heading);
    head->SetFontStyle(ui::fsBold);
    head->SetAlignment(ui::Alignment::Right);
    auto* column = new ui::Label(this, name, {left, 32, 44, kLinesPerColumn * kLineHeight}, text);
    column->SetAlignment(ui::Alignment::Right);
}

void TTabulka_modulu::FormKeyPress(ui::KeyChar& key) {
    if (key == 27) Close();
}

}  // namespace karvelo
