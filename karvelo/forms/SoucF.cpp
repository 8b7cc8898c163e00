#include "karvelo/forms/SoucF.h"

#include <string>
#include <vector>

#include "karvelo/calc/InputRules.h"
#include "karvelo/forms/RogF.h"
#include "runtime/NumText.h"
#include "runtime/Rounding.h"

namespace karvelo {

TSouc_F* Souc_F = nullptr;

namespace {

using K = TSouc_F::FactorKind;
using GD = GlobalData;

// The optional fields, in the order of their groups.
const TSouc_F::GivenFactor kFactors[] = {
    // "Bending": pinion and wheel side by side
    {13, "YF1", &GD::YF1, &GD::YF1Direct, K::Scalar, nullptr, nullptr},
    {14, "YF2", &GD::YF2, &GD::YF2Direct, K::Scalar, nullptr, nullptr},
    {15, "YS1", &GD::YS1, &GD::YS1Direct, K::Scalar, nullptr, nullptr},
    {16, "YS2", &GD::YS2, &GD::YS2Direct, K::Scalar, nullptr, nullptr},
    {27, "YSg1", &GD::YSg1, &GD::YSg1Direct, K::Scalar, nullptr, nullptr},
    {28, "YSg2", &GD::YSg2, &GD::YSg2Direct, K::Scalar, nullptr, nullptr},
    {17, "YM1 ref", &GD::YM1ref, &GD::YM1refDirect, K::Mean, nullptr, nullptr},
    {18, "YM2 ref", &GD::YM2ref, &GD::YM2refDirect, K::Mean, nullptr, nullptr},
    {37, "YM1 stat", &GD::YM1stat, &GD::YM1statDirect, K::Mean, nullptr, nullptr},
    {38, "YM2 stat", &GD::YM2stat, &GD::YM2statDirect, K::Mean, nullptr, nullptr},
    {31, "Ydrel T1 ref", &GD::YdrelT1ref, &GD::YdrelT1refDirect, K::Scalar, nullptr, nullptr},
    {32, "Ydrel T2 ref", &GD::YdrelT2ref, &GD::YdrelT2refDirect, K::Scalar, nullptr, nullptr},
    {19, "Ydrel T1 stat", &GD::YdrelT1stat, &GD::YdrelT1statDirect, K::Scalar, nullptr, nullptr},
    {20, "Ydrel T2 stat", &GD::YdrelT2stat, &GD::YdrelT2statDirect, K::Scalar, nullptr, nullptr},
    {21, "YR rel T1 ref", &GD::YRrelT1ref, &GD::YRrelT1refDirect, K::Scalar, nullptr, nullptr},
    {22, "YR rel T2 ref", &GD::YRrelT2ref, &GD::YRrelT2refDirect, K::Scalar, nullptr, nullptr},
    {23, "YX1 ref", &GD::YX1ref, &GD::YX1refDirect, K::Scalar, nullptr, nullptr},
    {24, "YX2 ref", &GD::YX2ref, &GD::YX2refDirect, K::Scalar, nullptr, nullptr},
    // "Contact - shared"
    {36, "KHβ", &GD::KHbeta, &GD::KHbetaDirect, K::Level, &GD::KHbetaLevel, &GD::KHbetaEkv},
    {9, "KHα", &GD::KHalfa, &GD::KHalfaDirect, K::Level, &GD::KHalfaLevel, &GD::KHalfaEkv},
    {25, "ZL ref", &GD::ZLref, &GD::ZLrefDirect, K::Scalar, nullptr, nullptr},
    {26, "ZV ref", &GD::ZVref, &GD::ZVrefDirect, K::Scalar, nullptr, nullptr},
    {29, "ZR ref", &GD::ZRref, &GD::ZRrefDirect, K::Scalar, nullptr, nullptr},
    {35, "Zε", &GD::Zepsilon, &GD::ZepsilonDirect, K::Scalar, nullptr, nullptr},
    // "Contact"
    {33, "ZB", &GD::ZB, &GD::ZBDirect, K::Scalar, nullptr, nullptr},
    {34, "ZD", &GD::ZD, &GD::ZDDirect, K::Scalar, nullptr, nullptr},
    {30, "ZW2 ref", &GD::ZW2ref, &GD::ZW2refDirect, K::Scalar, nullptr, nullptr},
    {7, "ZW2 stat", &GD::ZW2stat, &GD::ZW2statDirect, K::Scalar, nullptr, nullptr},
    // "Bending - shared"
    {12, "KFβ", &GD::KFbeta, &GD::KFbetaDirect, K::Level, &GD::KFbetaLevel, &GD::KFbetaEkv},
    {8, "KFα", &GD::KFalfa, &GD::KFalfaDirect, K::Level, &GD::KFalfaLevel, &GD::KFalfaEkv},
    // "Bending, contact"
    {11, "Kv", &GD::Kv, &GD::KvDirect, K::Level, &GD::KvLevel, &GD::KvEkv},
};

// The sub-groups of "Optional": caption, place, and their rows of kFactors (two per row in
// "Bending").
struct FactorGroup {
    const char* caption;
    ui::Bounds bounds;
    int first, count, perRow;
};
constexpr FactorGroup kGroups[] = {
    {"Bending", {8, 66, 330, 256}, 0, 18, 2},
    {"Contact - shared", {346, 66, 184, 178}, 18, 6, 1},
    {"Contact", {346, 250, 184, 128}, 24, 4, 1},
    {"Bending - shared", {540, 66, 184, 78}, 28, 2, 1},
    {"Bending, contact", {540, 150, 184, 53}, 30, 1, 1},
};
constexpr int kRowStep = 25, kLabelWidth = 86, kEditWidth = 56;

// The temperatures of the oil viscosity: the value at 50 degrees C from that at 40 and back.
constexpr double kViscositySlope = 1.82411, kViscosityOffset = 9.3480569;

}  // namespace

TSouc_F::TSouc_F() : InputWindow("Souc_F") {
    SetCaption("Other factors and inputs");
    SetClientSize(754, 528);
    Position = ui::Position::BesideOwner;
    BorderStyle = ui::BorderStyle::Single;
    BorderIcons = 0;
    KeyPreview = true;
    const ui::Font plain = Font();
    auto coloured = [&](ui::Label* l, ui::Color c) {
        l->SetFontColor(c);
        return l;
    };

    // Obligatory inputs.
    auto* obligatory = new ui::GroupBox(this, "GroupBox1", {8, 6, 738, 86}, "Obligatory");
    struct Notch {
        int field;
        const char* label;
        void (TSouc_F::*check)();
        ui::Button** help;
    };
    const Notch notches[] = {
        {1, "tg1 [mm]", &TSouc_F::CheckInputTg1, &Button3},
        {2, "tg2 [mm]", &TSouc_F::CheckInputTg2, &Button4},
        {3, "rog1 [mm]", &TSouc_F::CheckInputRog1, &Button5},
        {4, "rog2 [mm]", &TSouc_F::CheckInputRog2, &Button6},
    };
    for (const Notch& n : notches) {
        const int x = n.field % 2 ? 10 : 230, y = n.field <= 2 ? 22 : 52;
        const std::string k = std::to_string(n.field);
        coloured(new ui::Label(obligatory, "Label" + k, {x, y + 3, 70, 16}, n.label),
                 n.field % 2 ? ui::clBlue : ui::clGreen);
        AddField(n.field, obligatory, {x + 72, y, 60, 21}, [this, check = n.check] { (this->*check)(); });
        *n.help = new ui::Button(obligatory, "Button" + std::to_string(n.field + 2), {x + 138, y - 1, 50, 23}, "Help");
        (*n.help)->OnClick = [this] { Button3Click(); };
    }
    new ui::Label(obligatory, "LabelViscosity", {450, 25, 0, 0}, "ν");
    TemperatureLabel = new ui::Label(obligatory, "LabelTemperature", {458, 31, 0, 0}, "40");
    TemperatureLabel->SetFontPixels(9);
    new ui::Label(obligatory, "LabelViscosityUnit", {450, 45, 0, 0}, "[mm2/s]");
    AddField(5, obligatory, {500, 30, 60, 21}, [this] { CheckInputViscosity(); });
    auto* oil = new ui::GroupBox(obligatory, "GroupBox2", {574, 14, 150, 56}, "Oil temperat.");
    RadioButton1 = new ui::RadioButton(oil, "RadioButton1", {10, 24, 64, 17}, "40 °C");
    RadioButton2 = new ui::RadioButton(oil, "RadioButton2", {78, 24, 64, 17}, "50 °C");
    RadioButton1->SetChecked(true);
    RadioButton1->OnClick = [this] { RadioButton1Click(); };
    RadioButton2->OnClick = [this] { RadioButton2Click(); };

    // Optional factors.
    auto* optional = new ui::GroupBox(this, "GroupBox3", {8, 98, 738, 388}, "Optional");
    new ui::Label(optional, "LabelNote1", {12, 20, 0, 0}, "Factor will be calculated after input  = 0");
    new ui::Label(optional, "LabelNote2", {12, 38, 0, 0}, "ref - for reference stress");
    new ui::Label(optional, "LabelNote3", {210, 38, 0, 0}, "stat - for static stress");
    int g = 4;
    for (const FactorGroup& group : kGroups) {
        auto* box = new ui::GroupBox(optional, "GroupBox" + std::to_string(g++), group.bounds, group.caption);
        for (int i = 0; i < group.count; ++i) {
            const GivenFactor& f = kFactors[group.first + i];
            const int x = 8 + (i % group.perRow) * (kLabelWidth + kEditWidth + 16);
            const int y = 20 + (i / group.perRow) * kRowStep;
            auto* label = new ui::Label(box, "Label" + std::to_string(f.field), {x, y + 3, kLabelWidth, 16}, f.name);
            if (group.perRow == 2) coloured(label, i % 2 ? ui::clGreen : ui::clBlue);
            AddField(f.field, box, {x + kLabelWidth, y, kEditWidth, 21}, [this, &f] {
                CheckInputGiven(f);
            })->SetFont(plain);
        }
    }

    Button1 = new ui::Button(this, "Button1", {240, 494, 89, 27}, "&Ok");
    Button2 = new ui::Button(this, "Button2", {425, 494, 89, 27}, "&Help");
    Button2->SetEnabled(false);
    Button1->OnClick = [this] { Button1Click(); };
    Button2->OnClick = [this] { Button2Click(); };
    OnCreate = [this] { FormCreate(); };
    OnActivate = [this] { FormActivate(); };
    OnKeyUp = [this](ui::Word& key, ui::ShiftState) { FormKeyUp(key); };
}

unsigned long TSouc_F::HelpContext() { return G.ActiveEdit >= 1 && G.ActiveEdit <= 7 ? 81 : 82; }

// ---- handlers

void TSouc_F::FormCreate() {
    SetActiveControl(Field(1));
    G.HelpPage = kHelpPagePinion;
}

void TSouc_F::FormActivate() {
    GlobalData& g = G;
    g.LifeValid = false;
    g.EquivalentStressesCurrent = false;
    FillField(1, rt::Str(g.tg1, 5, 3));
    FillField(2, rt::Str(g.tg2, 5, 3));
    FillField(3, rt::Str(g.Rog1, 5, 3));
    FillField(4, rt::Str(g.Rog2, 5, 3));
    FillField(5, rt::Str(g.ViscosityGiven ? g.OilViscosity : g.OilTemperature, 5, 0));
    (g.ViscosityGiven ? RadioButton2 : RadioButton1)->SetChecked(true);
    for (const GivenFactor& f : kFactors) FillField(f.field, g.*f.given ? rt::Str(g.*f.value, 5, 3) : "");
}

void TSouc_F::AfterCheck(int, FieldEvent) { Repaint(); }

// A notch needs both its depth and its radius, or neither.
void TSouc_F::Button1Click() {
    const GlobalData& g = G;
    if ((g.Rog1 > 0 && g.tg1 == 0) || (g.Rog1 == 0 && g.tg1 > 0)) {
        ui::ShowMessage("Combination of rog1 and tg1 is impossible, both values must be zero or  nonzero.");
        FocusField(1);
        return;
    }
    if ((g.Rog2 > 0 && g.tg2 == 0) || (g.Rog2 == 0 && g.tg2 > 0)) {
        ui::ShowMessage("Combination of rog2 and tg2 is impossible, both values must be zero or nonzero.");
        FocusField(2);
        return;
    }
    ModalResult = ui::mrOk;
}

void TSouc_F::Button2Click() { ShowHelpTopic(HelpContext()); }

// The help buttons of the pinion (tg1, rog1) and of the wheel (tg2, rog2) open the grinding notch
// window for their gear.
void TSouc_F::Button3Click() {
    const ui::Control* focused = FocusedControl();
    if (focused == Button3 || focused == Button5) G.HelpPage = kHelpPagePinion;
    if (focused == Button4 || focused == Button6) G.HelpPage = kHelpPageWheel;
    if (Rog_F) Rog_F->ShowModal();
}

void TSouc_F::FocusFieldOfHelpButton() {
    const ui::Control* focused = FocusedControl();
    const ui::Button* buttons[] = {Button3, Button4, Button5, Button6};
    for (int i = 0; i < 4; ++i)
        if (focused == buttons[i]) FocusField(i + 1);
}

// The viscosity entered is converted when the choice changes; a button checked to show the
// case's choice converts nothing.
void TSouc_F::RadioButton1Click() {
    GlobalData& g = G;
    if (g.ViscosityGiven) g.OilTemperature = rt::Round(kViscositySlope * g.OilViscosity - kViscosityOffset);
    g.ViscosityGiven = false;
    ShowNumber(5, g.OilTemperature, 5, 0);
    TemperatureLabel->SetCaption("40");
}

void TSouc_F::RadioButton2Click() {
    GlobalData& g = G;
    if (!g.ViscosityGiven) g.OilViscosity = rt::Round((g.OilTemperature + kViscosityOffset) / kViscositySlope);
    g.ViscosityGiven = true;
    ShowNumber(5, g.OilViscosity, 5, 0);
    TemperatureLabel->SetCaption("50");
}

void TSouc_F::FormKeyUp(ui::Word& key) { HelpKeyUp(key, HelpContext()); }

// ---- validators

void TSouc_F::ShowFactorInvalidInput() { Refuse("Invalid input"); }

void TSouc_F::CheckNotch(double& var) {
    if (!ReadNumber(var) || var < 0) return ShowFactorInvalidInput();
    ShowNumber(CheckedField(), var, 5, 3);
}

void TSouc_F::CheckInputTg1() { CheckNotch(G.tg1); }
void TSouc_F::CheckInputTg2() { CheckNotch(G.tg2); }
void TSouc_F::CheckInputRog1() { CheckNotch(G.Rog1); }
void TSouc_F::CheckInputRog2() { CheckNotch(G.Rog2); }

void TSouc_F::CheckInputViscosity() {
    double& viscosity = G.ViscosityGiven ? G.OilViscosity : G.OilTemperature;
    if (!ReadNumber(viscosity) || viscosity < 0) return ShowFactorInvalidInput();
    ShowNumber(5, viscosity, 5, 0);
}

// An empty field or 0: the factor is computed; any other accepted value is given.
void TSouc_F::CheckInputGiven(const GivenFactor& f) {
    GlobalData& g = G;
    double& value = g.*f.value;
    bool& given = g.*f.given;
    const bool level = f.kind == FactorKind::Level;
    const bool number = ReadNumber(value);
    if (FieldText().empty()) {
        given = false;
        if (level) {
            value = 1;
            // The equivalent KFalfa of a spectrum stays as it was.
            if (f.value != &GD::KFalfa) g.*f.equivalent = 1;
            if (f.value == &GD::KHbeta) g.KHbetaMethod = "primo";
        }
        return;
    }
    if (f.kind == FactorKind::Mean) {
        if (!number || !(value == 0 || AcceptMeanStressFactor(value))) {
            std::string name = f.name;  // the message writes it without its blank: "YM1ref"
            std::erase(name, ' ');
            return Refuse("Invalid input, the factor " + name + " can be from 0.4546 to 1. ");
        }
    } else {
        if (!number || value < 0) return ShowFactorInvalidInput();
        ShowNumber(f.field, value, 5, 3);
    }
    given = value != 0;
    if (!given) Field(f.field)->SetText("");
    if (!level) return;
    if (!given) value = 1;
    for (int j = 1; j <= kMaxLevels; ++j) (g.*f.levels)[j] = value;
    g.*f.equivalent = value;
    if (given) {
        if (f.value != &GD::KFalfa && f.value != &GD::KFbeta) g.SpectrumLevelsShown = true;
        if (f.value == &GD::KHbeta) g.KHbetaMethod = "primo";
    }
}

}  // namespace karvelo
