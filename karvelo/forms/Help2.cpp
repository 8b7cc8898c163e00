#include "karvelo/forms/Help2.h"

#include "karvelo/forms/ZatizeniF.h"

#include <string>

namespace karvelo {

THelp_2* Help_2 = nullptr;

namespace {

const char* const kCharacteristics[4] = {"Uniform", "Light shocks", "Moderate shocks", "Heavy shocks"};
const char* const kFactors[4][4] = {
    {"1,00", "1,25", "1,50", "1,75"},
    {"1,10", "1,35", "1,60", "1,85"},
    {"1,25", "1,50", "1,75", "2,00"},
    {"1,50", "1,75", "2,00", ">= 2,25"},
};

// Examples by working characteristic (ISO 6336-6, Annex B).
const char* const kDriving[4] = {
    "electric motor, steam or gas turbine (uniform operation, small and rare starting torques)",
    "steam or gas turbine, hydraulic or electric motor (larger, frequent starting torques)",
    "multi-cylinder internal combustion engine",
    "single-cylinder internal combustion engine",
};
const char* const kDriven[4][2] = {
    {"generators, evenly fed conveyors, light lifts, feed drives of machine tools, fans, centrifugal pumps,",
     "turbo compressors and blowers"},
    {"unevenly fed conveyors, main drives of machine tools, heavy lifts, slewing gears of cranes,",
     "multi-cylinder piston pumps, rotary kilns, axial compressors"},
    {"rubber extruders, mixers in interrupted operation, light ball mills, woodworking machines,",
     "hoists, single-cylinder piston pumps, reciprocating compressors"},
    {"excavators, heavy ball mills, rubber kneaders, stone and ore crushers, foundry machines,",
     "brick presses, rolling mills"},
};

constexpr int kTableTop = 76, kRowStep = 22, kFirstColumn = 230, kColumnStep = 100;

}  // namespace

THelp_2::THelp_2() : Form("Help_2") {
    SetCaption("Application factor KA    (ISO 6336 - 6, tab. B 1,2,3,4)");
    SetClientSize(700, 492);
    Position = ui::Position::BesideOwner;
    BorderStyle = ui::BorderStyle::Single;
    KeyPreview = true;
    auto* title = new ui::Label(this, "Label1", {16, 10, 0, 0}, "Guide values for the application factor  K");
    title->SetFontStyle(ui::fsBold);
    auto* index = new ui::Label(this, "Label2", {16 + title->Width(), 16, 0, 0}, "A");
    index->SetFontStyle(ui::fsBold);
    new ui::Label(this, "Label3", {kFirstColumn, 36, 0, 0}, "Working characteristic of the driven machine");
    new ui::Label(this, "Label4", {16, kTableTop - 20, 0, 0}, "Working characteristic");
    new ui::Label(this, "Label5", {16, kTableTop - 4, 0, 0}, "of the driving machine");
    for (int c = 0; c < 4; ++c)
        new ui::Label(this, "Driven" + std::to_string(c + 1), {kFirstColumn + c * kColumnStep, 56, 0, 0},
                      kCharacteristics[c]);
    for (int r = 0; r < 4; ++r) {
        const int top = kTableTop + 18 + r * kRowStep;
        new ui::Label(this, "Driving" + std::to_string(r + 1), {16, top, 0, 0}, kCharacteristics[r]);
        for (int c = 0; c < 4; ++c)
            new ui::Label(this, "KA" + std::to_string(r + 1) + std::to_string(c + 1),
                          {kFirstColumn + c * kColumnStep, top, 0, 0}, kFactors[r][c]);
    }
    new ui::Bevel(this, "Bevel1", {10, kTableTop + 12, 680, 4 * kRowStep + 10});

    int top = kTableTop + 4 * kRowStep + 40;
    auto* driving = new ui::Label(this, "Label6", {16, top, 0, 0}, "Examples of driving machines");
    driving->SetFontStyle(ui::fsBold);
    for (int r = 0; r < 4; ++r) {
        top += 20;
        new ui::Label(this, "DrivingExample" + std::to_string(r + 1), {16, top, 0, 0},
                      std::string(kCharacteristics[r]) + ":  " + kDriving[r]);
    }
    top += 32;
    auto* driven =
        new ui::Label(this, "Label7", {16, top, 0, 0}, "Examples of driven machines (industrial and high-speed gears)");
    driven->SetFontStyle(ui::fsBold);
    for (int r = 0; r < 4; ++r) {
        top += r == 0 ? 20 : 22;
        const std::string n = std::to_string(r + 1);
        new ui::Label(this, "DrivenExample" + n, {16, top, 0, 0},
                      std::string(kCharacteristics[r]) + ":  " + kDriven[r][0]);
        top += 16;
        new ui::Label(this, "DrivenExampleMore" + n, {40, top, 0, 0}, kDriven[r][1]);
    }
    OnKeyPress = [this](ui::KeyChar& key) { FormKeyPress(key); };
}

void THelp_2::FormKeyPress(ui::KeyChar& key) {
    if (key == 27) Close();
    // Typing goes on in the loading window's KA field when its "Help" button opened this one.
    if (Zatizeni_F) Zatizeni_F->FocusFieldBesideKAHelp();
}

}  // namespace karvelo
