// Unit Prubehy_jedn: the window "Damage on individual stress levels".  For one of the four damage
// cases it lists every stress level with its load cycles n, the cumulative cycles N counted from
// the largest load, the stress and the damage part n/N the level contributes, and the total
// damage of the case.  Modeless; it works only on the global data of the last calculation.
#pragma once

#include <array>
#include <string>

#include "karvelo/calc/Global.h"
#include "ui/Forms.h"

namespace karvelo {

// A cycle count as the result views show it: "#.###E+0;" above 99999 (1.235E+5, 2E+5), else
// Str(x:5:0), and below 10 Str(x:8:2) instead.  The large format is LargeNumberFormat.
std::string FormatDamageValue(double x, const std::string& largeFormat);
std::string FormatDamageValue(double x);

// The four texts of one table row.
struct DamageLevelTexts {
    std::string n, N, Stress, Damage;
};

class TPrubehy_jednF : public ui::Form {
public:
    TPrubehy_jednF();

    static constexpr int kRows = kMaxLevels;

    ui::Label* Label1;  // "Level"
    ui::Label* Label2;  // the column header "n  N  Stress  Damage"
    // Row r (1..20): the fixed row number and the n, N, Stress and Damage values.
    std::array<ui::Label*, kRows + 1> RowNumber{};
    std::array<ui::Label*, kRows + 1> CyclesText{};
    std::array<ui::Label*, kRows + 1> CumulativeText{};
    std::array<ui::Label*, kRows + 1> StressText{};
    std::array<ui::Label*, kRows + 1> DamageText{};
    // The total row below the table: a sum sign and four labels, always hidden.
    std::array<ui::Label*, 5> TotalRow{};
    ui::Panel* Panel1;
    ui::RadioButton* RadioButton4;  // "Pinion bending"   "PO"
    ui::RadioButton* RadioButton5;  // "Pinion contact"   "PD"
    ui::RadioButton* RadioButton6;  // "Wheel bending"    "KO"
    ui::RadioButton* RadioButton7;  // "Wheel contact"    "KD"
    ui::Label* Label109;            // the sum sign
    ui::Label* Label110;            // "of damages = "
    ui::Label* Label111;            // the total damage of the case, or "Destruction"
    ui::Button* Button1;            // "Back"
    ui::Button* Button2;            // "Graph", hidden

    void FormActivate();
    void FormPaint();
    // While the window is open: its rows and caption again from the global data, as an
    // activation and a paint give them.  The main window calls it when a calculation ends, so
    // that the window shows the last calculation.
    void ShowLastCalculation();
    // The main window withdrew its results (an input window, a loaded case): no rows and no total
    // until ShowLastCalculation; the caption still names the hypothesis.
    void WithdrawRows();
    void RadioButton4Click() { SelectCase(RadioButton4, "PO"); }
    void RadioButton5Click() { SelectCase(RadioButton5, "PD"); }
    void RadioButton6Click() { SelectCase(RadioButton6, "KO"); }
    void RadioButton7Click() { SelectCase(RadioButton7, "KD"); }
    void Button1Click() { Close(); }
    void Button2Click() {}
    void FormKeyUp(ui::Word key);

    // The texts of level j (1..LevelCount, ascending load order) of the case shown; adds the
    // level's cycles to the running sums (sums[j] = cycles of levels j..LevelCount), sets the
    // total damage and counts a level above its static limit.
    DamageLevelTexts BuildDamageLevelTexts(int j);

private:
    void SelectCase(ui::RadioButton* button, const char* code);
    std::array<double, kMaxLevels + 2> sums_{};  // S[1..21]
    int exceeded_ = 0;                           // E: levels shown as ">> 1"
    double total_ = 0;                           // D
    bool withdrawn_ = false;
};

extern TPrubehy_jednF* Prubehy_jednF;

}  // namespace karvelo
