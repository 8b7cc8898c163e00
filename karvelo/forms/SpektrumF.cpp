#include "karvelo/forms/SpektrumF.h"

#include <algorithm>
#include <cmath>

#include "karvelo/calc/Platnost.h"
#include "karvelo/calc/Vypocet.h"
#include "karvelo/calc/Vypocet1i.h"
#include "karvelo/calc/WindowHooks.h"
#include "karvelo/forms/KHbetaC.h"
#include "karvelo/forms/KHbetaF.h"
#include "karvelo/forms/ZatizeniF.h"
#include "karvelo/forms/ZivotnostF.h"
#include "runtime/NumText.h"

namespace karvelo {

TSpektrum_F* Spektrum_F = nullptr;

namespace {

constexpr int kWideWidth = 996, kNarrowWidth = 636;  // outer widths of the window
constexpr int kWideTable = 573, kNarrowTable = 225;  // widths of the table group
constexpr int kRowTop = 88, kRowStep = 22;           // rows of the table
constexpr int kFactorLeft = 232, kFactorStep = 66, kFactorWidth = 62;

int Levels() { return std::clamp<int>(G.LevelCount, 1, kMaxLevels); }

// z1/|z2|: wheel cycles per pinion cycle.
double WheelCyclesPerPinionCycle() { return G.z1 / std::fabs(G.z2); }

void ShowLives(bool cycles) {
    if (Zatizeni_F) Zatizeni_F->ShowLives(cycles);
}

// The mean pinion speed over the whole life of a spectrum.
void UpdateMeanSpeed() {
    if (G.LoadInputMethod != kMultilevelLoading) return;
    if (G.NL1h > 0) G.n1 = G.NL1 / G.NL1h / 60;
    if (Zatizeni_F) Zatizeni_F->ShowSpeed();
}

// Cumulated x values to per-level values and back, levels 1..p.
void ToPerLevel(int p) {
    for (int j = p; j >= 2; --j) G.SpectrumX[j] -= G.SpectrumX[j - 1];
}
void ToCumulated(int p) {
    for (int j = 2; j <= p; ++j) G.SpectrumX[j] += G.SpectrumX[j - 1];
}
// x values converted to the other unit, held as the data file holds them.
void HoldConvertedTimes(int p) {
    for (int j = 1; j <= p; ++j) G.SpectrumX[j] = rt::StoredReal(G.SpectrumX[j]);
}

double Sum(const TLevelArray& a, int p) {
    Extended s = 0;
    for (int j = 1; j <= p; ++j) s += a[j];
    return static_cast<double>(s);
}

void UpdateMinLevelSpeed() {
    G.MinLevelSpeed = G.n1Level[1];
    for (int j = 2; j <= Levels(); ++j) G.MinLevelSpeed = std::min(G.MinLevelSpeed, G.n1Level[j]);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Cycles and hours

// A load that is not a spectrum (one level, equivalent loads given) has no level times: its
// lives follow from NL1h and n1 alone.  Lives already in the unit asked for stay as they are, and
// so does the mean speed of a spectrum.
void ConvertHoursToCycles() {
    GlobalData& g = G;
    const int p = Levels();
    const double z = WheelCyclesPerPinionCycle();
    if (!g.SpectrumInCycles) {
        if (g.LoadInputMethod != kMultilevelLoading) {
            g.NL1 = rt::StoredReal(g.NL1h * 60 * g.n1);
        } else {
            if (g.SpectrumXMode) ToPerLevel(p);
            g.NL1h = Sum(g.SpectrumX, p);
            for (int j = 1; j <= p; ++j) g.SpectrumX[j] = g.SpectrumX[j] * 60 * g.n1Level[j];
            g.NL1 = Sum(g.SpectrumX, p);
            if (g.SpectrumXMode) ToCumulated(p);
            HoldConvertedTimes(p);
        }
        g.NL2 = rt::StoredReal(g.NL1 * z);
        ShowLives(true);
        UpdateMeanSpeed();
    }
}

void ConvertCyclesToHours() {
    GlobalData& g = G;
    const int p = Levels();
    const double z = WheelCyclesPerPinionCycle();
    if (g.SpectrumInCycles) {
        if (g.LoadInputMethod != kMultilevelLoading) {
            g.NL1h = g.n1 > 0 ? rt::StoredReal(g.NL1 / 60 / g.n1) : 0;
        } else {
            if (g.SpectrumXMode) ToPerLevel(p);
            g.NL1 = Sum(g.SpectrumX, p);
            g.NL2 = g.NL1 * z;
            for (int j = 1; j <= p; ++j) g.SpectrumX[j] = g.n1Level[j] > 0 ? g.SpectrumX[j] / 60 / g.n1Level[j] : 0;
            g.NL1h = Sum(g.SpectrumX, p);
            if (g.SpectrumXMode) ToCumulated(p);
            HoldConvertedTimes(p);
        }
        g.NL2h = g.NL1h;
        ShowLives(false);
        UpdateMeanSpeed();
    }
}

// ---------------------------------------------------------------------------------------------
// The window

namespace {
const TSpektrum_F::FactorColumn kFactorColumns[] = {
    {TSpektrum_F::kKHbeta, &GlobalData::KHbetaLevel, true},
    {TSpektrum_F::kKHalfa, &GlobalData::KHalfaLevel, false},
    {TSpektrum_F::kKFalfa, &GlobalData::KFalfaLevel, false},
    {TSpektrum_F::kKv, &GlobalData::KvLevel, true},
};

// SpectrumY between forces and torques when it is held in the other unit (neither flag set:
// torques); FtLevel the level loads as forces.
void ConvertSpectrumLoadUnit(bool forces) {
    if (G.SpectrumForces != forces) {
        const double factor = forces ? 2000 / G.d1 : G.d1 / 2000;
        for (int j = 1; j <= Levels(); ++j) G.SpectrumY[j] = rt::StoredReal(G.SpectrumY[j] * factor);
    }
    for (int j = 1; j <= Levels(); ++j) G.FtLevel[j] = LevelForce(G.SpectrumY[j], forces);
    SetSpectrumLoadUnit(G, forces);
}
}  // namespace

void HoldSpectrumLoadsAs(bool forces) {
    if (Spektrum_F && Spektrum_F->HoldsRatios()) return;
    ConvertSpectrumLoadUnit(forces);
}

TSpektrum_F::TSpektrum_F() : InputWindow("Spektrum_F") {
    SetCaption("Spectrum definition - level method");
    SetClientSize(kWideWidth - ui::FrameWidth, 552);
    Position = ui::Position::BesideOwner;  // beside the window that opens it
    BorderStyle = ui::BorderStyle::Single;
    BorderIcons = 0;
    KeyPreview = true;
    auto label = [this](ui::Container* parent, int n, int x, int y, const std::string& caption) {
        labels_[n] = new ui::Label(parent, "Label" + std::to_string(n), {x, y, 0, 0}, caption);
        return labels_[n];
    };
    auto symbol = [&](ui::Container* parent, int n, int x, int y, const std::string& caption) {
        label(parent, n, x, y, caption)->SetFontStyle(ui::fsBold);
    };

    PaintBox1 = new ui::PaintBox(this, "PaintBox1", {8, 6, 386, 264});
    label(this, 1, 8, 282, "No. of levels");
    Edit1 = AddField(1, this, {96, 278, 36, 21}, [this] { CheckInputLevelCount(); });
    label(this, 2, 138, 282, "(max. 20]");

    GroupBox2 = new ui::GroupBox(this, "GroupBox2", {8, 306, 190, 132}, "Axis  y  ");
    RadioButton1 = new ui::RadioButton(GroupBox2, "RadioButton1", {10, 18, 170, 17}, "Tangent. forces");
    RadioButton2 = new ui::RadioButton(GroupBox2, "RadioButton2", {10, 36, 170, 17}, "Torque moments");
    Panel1 = new ui::Panel(GroupBox2, "Panel1", {8, 56, 174, 70});
    Panel1->SetBevelOuter(ui::BevelCut::None);
    RadioButton3 = new ui::RadioButton(Panel1, "RadioButton3", {4, 2, 160, 16}, "Absolutely");
    RadioButton4 = new ui::RadioButton(Panel1, "RadioButton4", {4, 18, 160, 16}, "Rate  1/ j");
    RadioButton5 = new ui::RadioButton(Panel1, "RadioButton5", {4, 34, 160, 16}, "Rate  j / 1");
    RadioButton10 = new ui::RadioButton(Panel1, "RadioButton10", {4, 50, 160, 16}, "Rate j / min");

    GroupBox3 = new ui::GroupBox(this, "GroupBox3", {204, 306, 190, 132}, "Axis  x  ");
    RadioButton6 = new ui::RadioButton(GroupBox3, "RadioButton6", {10, 18, 170, 17}, "Cycles");
    RadioButton7 = new ui::RadioButton(GroupBox3, "RadioButton7", {10, 36, 170, 17}, "Hours");
    Panel2 = new ui::Panel(GroupBox3, "Panel2", {8, 56, 174, 70});
    Panel2->SetBevelOuter(ui::BevelCut::None);
    RadioButton8 = new ui::RadioButton(Panel2, "RadioButton8", {4, 2, 160, 16}, "Absolutely");
    RadioButton9 = new ui::RadioButton(Panel2, "RadioButton9", {4, 18, 160, 16}, "Relatively");
    // The design state; the activation brings them into line with the data.
    RadioButton2->SetChecked(true);
    RadioButton3->SetChecked(true);
    RadioButton6->SetChecked(true);
    RadioButton8->SetChecked(true);

    label(this, 47, 8, 450, "Nominal moment");
    symbol(this, 75, 128, 448, "T");
    label(this, 48, 137, 455, " ");
    Edit42 = AddField(42, this, {172, 446, 76, 21}, [this] { CheckInputSpectrumNominalLoad(); });
    label(this, 49, 254, 450, "[N·m]");
    label(this, 50, 8, 476, "Moment on the 1.level");
    symbol(this, 51, 128, 474, "T");
    label(this, 52, 137, 481, "max");
    Edit43 = AddField(43, this, {172, 472, 76, 21}, [this] { CheckInputSpectrumReferenceLoad(); });
    label(this, 53, 254, 476, "[N·m]");

    Button2 = new ui::Button(this, "Button2", {8, 514, 89, 25}, "O&k");
    Button3 = new ui::Button(this, "Button3", {104, 514, 89, 25}, "&Help");
    Button3->SetEnabled(false);
    Button4 = new ui::Button(this, "Button4", {200, 514, 89, 25}, "&Esc");
    Button1 = new ui::Button(this, "Button1", {305, 514, 89, 25}, "Reset");

    GroupBox1 = new ui::GroupBox(this, "GroupBox1", {400, 4, kWideTable, 540}, "Inputs for PINION  ");
    // Load column: absolute forces, absolute torques, the ratio captions and their subscripts.
    symbol(GroupBox1, 30, 50, 52, "F");
    label(GroupBox1, 31, 59, 59, "tj");
    symbol(GroupBox1, 32, 50, 52, "T");
    label(GroupBox1, 33, 57, 59, " j");
    symbol(GroupBox1, 34, 38, 52, "F  / F");
    label(GroupBox1, 35, 46, 59, "tj      t1");
    label(GroupBox1, 36, 46, 59, "t1     tj");
    symbol(GroupBox1, 37, 38, 52, "T  / T");
    label(GroupBox1, 38, 46, 59, " j      1");
    label(GroupBox1, 39, 46, 59, "1      j");
    label(GroupBox1, 40, 52, 70, "[N]");
    label(GroupBox1, 41, 46, 70, "[N·m]");
    label(GroupBox1, 43, 46, 59, "tj      tmin");
    label(GroupBox1, 44, 46, 59, " j      min");
    // Time column: cycles or hours, cumulated or per level.
    symbol(GroupBox1, 23, 150, 52, "N");
    label(GroupBox1, 45, 159, 59, " j");
    label(GroupBox1, 24, 159, 59, "rj");
    label(GroupBox1, 28, 142, 70, "[cycles]");
    symbol(GroupBox1, 25, 150, 52, "L");
    label(GroupBox1, 26, 158, 59, "hj");
    label(GroupBox1, 27, 158, 59, "hrj");
    label(GroupBox1, 29, 144, 70, "[hours]");
    // Factor and speed columns with the buttons above them.
    Button6 = new ui::Button(GroupBox1, "Button6", {kFactorLeft, 14, 112, 23}, "Compute factors");
    Button5 = new ui::Button(GroupBox1, "Button5", {kFactorLeft + 118, 14, 90, 23}, "Factors = 1");
    Button7 = new ui::Button(GroupBox1, "Button7", {kFactorLeft + 4 * kFactorStep - 8, 14, 78, 23}, "n  nominal");
    {
        const std::string note = "(Fact.            is fuction of           )";
        ui::Label* l = label(GroupBox1, 60, kFactorLeft, 42, note);
        ui::Bitmap measure(1, 1);
        measure.Canvas().Font = l->Font();
        const int gap1 = measure.Canvas().TextWidth("(Fact. ");
        const int gap2 = measure.Canvas().TextWidth("(Fact.            is fuction of ");
        label(GroupBox1, 61, kFactorLeft + gap1, 42, "KFβ");
        label(GroupBox1, 62, kFactorLeft + gap2, 42, "KHβ");
    }
    const char* factorHeads[] = {"KHβ", "KHα", "KFα", "Kv", "n1 [1/min]"};
    for (int k = 0; k < 5; ++k) symbol(GroupBox1, 54 + k, kFactorLeft + k * kFactorStep + 4, 66, factorHeads[k]);

    // The load and the time of each level first, so that Tab goes down those two columns; then
    // the factors and the speed.
    for (int j = 1; j <= kMaxLevels; ++j) {
        const int top = kRowTop + (j - 1) * kRowStep;
        label(GroupBox1, 2 + j, 6, top + 3, std::to_string(j));
        AddField(kLoad + j, GroupBox1, {26, top, 92, 21}, [this] { CheckInputLevelLoad(); });
        AddField(kCycles + j, GroupBox1, {122, top, 92, 21}, [this] { CheckInputLevelCycles(); });
    }
    const FieldOptions factorOptions{.skipWhenEmpty = true};
    for (int j = 1; j <= kMaxLevels; ++j) {
        const int top = kRowTop + (j - 1) * kRowStep;
        for (int k = 0; k < 4; ++k) {
            const FactorColumn& column = kFactorColumns[k];
            AddField(
                column.offset + j, GroupBox1, {kFactorLeft + k * kFactorStep, top, kFactorWidth, 21},
                [this, &column] { CheckInputLevelFactor(column); }, factorOptions);
        }
        AddField(kSpeed + j, GroupBox1, {kFactorLeft + 4 * kFactorStep, top, 70, 21},
                 [this] { CheckInputLevelSpeed(); });
    }

    AddPreview(Button1, G.ControlPressed1);
    AddPreview(Button3, G.ControlPressed3);
    AddPreview(Button4, G.ControlPressed4);
    SkipChecksWhilePressed();

    RadioButton1->OnClick = [this] { RadioButton1Click(); };
    RadioButton2->OnClick = [this] { RadioButton2Click(); };
    RadioButton3->OnClick = [this] { RadioButton3Click(); };
    RadioButton4->OnClick = [this] { RadioButton4Click(); };
    RadioButton5->OnClick = [this] { RadioButton5Click(); };
    RadioButton10->OnClick = [this] { RadioButton10Click(); };
    RadioButton6->OnClick = [this] { RadioButton6Click(); };
    RadioButton7->OnClick = [this] { RadioButton7Click(); };
    RadioButton8->OnClick = [this] { RadioButton8Click(); };
    RadioButton9->OnClick = [this] { RadioButton9Click(); };
    Button1->OnClick = [this] { Button1Click(); };
    Button2->OnClick = [this] { Button2Click(); };
    Button3->OnClick = [this] { Button3Click(); };
    Button4->OnClick = [this] { Button4Click(); };
    Button5->OnClick = [this] { Button5Click(); };
    Button6->OnClick = [this] { Button6Click(); };
    PaintBox1->OnPaint = [this] { PaintBox1Paint(); };
    OnCreate = [this] { FormCreate(); };
    OnShow = [this] { FormShow(); };
    OnActivate = [this] { FormActivate(); };
    OnPaint = [this] { FormPaint(); };
    OnKeyUp = [this](ui::Word& key, ui::ShiftState) { FormKeyUp(key); };
}

ui::Label* TSpektrum_F::HeaderLabel(int n) const { return n >= 0 && n < int(labels_.size()) ? labels_[n] : nullptr; }

TSpektrum_F::LoadMode TSpektrum_F::CurrentLoadMode() {
    if (G.SpectrumRatioMaxTo) return LoadMode::MaxToLevel;
    if (G.SpectrumRatioToMax) return LoadMode::LevelToMax;
    if (G.SpectrumRatioToMin) return LoadMode::LevelToMin;
    return LoadMode::Absolute;
}

// ---------------------------------------------------------------------------------------------
// The table

void TSpektrum_F::HideFactorColumns() {
    Button5->Hide();
    Button6->Hide();
    for (int j = 1; j <= kMaxLevels; ++j)
        for (int offset : {kKHbeta, kKHalfa, kKFalfa, kKv, kSpeed}) LevelField(offset, j)->Hide();
}

void TSpektrum_F::HideSpectrumRows() {
    for (int j = 2; j <= kMaxLevels; ++j) {
        labels_[2 + j]->Hide();
        LevelField(kCycles, j)->Hide();
        LevelField(kLoad, j)->Hide();
    }
    HideFactorColumns();
}

void TSpektrum_F::ShowSpectrumRows() {
    if (G.LoadInputMethod == kMultilevelLoading) {
        Button5->Show();
        Button6->Show();
    }
    for (int offset : {kKHbeta, kKHalfa, kKFalfa, kKv, kSpeed}) LevelField(offset, 1)->Show();
    for (int j = 2; j <= Levels(); ++j) {
        labels_[2 + j]->Show();
        for (int offset : {kCycles, kLoad, kKHbeta, kKHalfa, kKFalfa, kKv, kSpeed}) LevelField(offset, j)->Show();
    }
}

void TSpektrum_F::ResetSpectrumTable() {
    RunLevelsAtNominalSpeed();
    for (int j = 1; j <= kMaxLevels; ++j) {
        G.SpectrumX[j] = 0;
        G.SpectrumY[j] = 0;
        LevelField(kCycles, j)->SetText("  0");
        LevelField(kLoad, j)->SetText("  0");
        LevelField(kSpeed, j)->SetText(FormatLevelSpeedValue(G.n1));
    }
    Button6->SetEnabled(false);
    if (CurrentLoadMode() == LoadMode::Absolute) Field(kLoad + 1)->SetEnabled(true);
}

// The level speeds are inputs, held as the data file holds them (n1 may be a computed mean).
void TSpektrum_F::RunLevelsAtNominalSpeed() {
    const double n = rt::StoredReal(G.n1);
    for (int j = 1; j <= kMaxLevels; ++j) G.n1Level[j] = n;
    G.MinLevelSpeed = n;
}

void TSpektrum_F::FillSpectrumTable() {
    UpdateMinLevelSpeed();
    for (int j = 1; j <= Levels(); ++j) {
        FillField(kCycles + j, FormatLevelCyclesValue(G.SpectrumX[j]));
        FillField(kLoad + j, FormatLevelLoadValue(G.SpectrumY[j]));
        FillField(kSpeed + j, FormatLevelSpeedValue(G.n1Level[j]));
    }
}

void TSpektrum_F::FillFactorColumns() {
    if (G.LevelFactorsStale) return ClearFactorColumns();
    for (int j = 1; j <= Levels(); ++j)
        for (const FactorColumn& column : kFactorColumns)
            FillField(column.offset + j, FormatLevelFactorValue((G.*column.values)[j]));
}

void TSpektrum_F::ClearFactorColumns() {
    for (int n = kKHbeta + 1; n <= kKv + kMaxLevels; ++n) Field(n)->SetText("");
}

std::string TSpektrum_F::FormatLevelCyclesValue(double x) {
    if (x > 99999) return rt::FormatFloat(G.LargeNumberFormat, x);
    return x < 10 ? rt::Str(x, 8, 2) : rt::Str(x, 5, 0);
}

std::string TSpektrum_F::FormatLevelLoadValue(double y) const {
    return holdsRatios_ ? rt::Str(y, 6, 3) : rt::Str(y, 7, 1);
}

std::string TSpektrum_F::FormatLevelSpeedValue(double n) { return rt::Str(n, 1, 1); }

std::string TSpektrum_F::FormatLevelFactorValue(double k) { return rt::Str(k, 1, 3); }

void TSpektrum_F::HideLoadColumnHeaders() {
    for (int n : {30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 43, 44}) labels_[n]->Hide();
}

void TSpektrum_F::ShowLoadHeaders() {
    HideLoadColumnHeaders();
    const bool forces = G.LoadAsForce;
    switch (CurrentLoadMode()) {
        case LoadMode::Absolute: {
            constexpr std::array<int, 3> forceHeaders{30, 31, 40}, torqueHeaders{32, 33, 41};
            for (int n : forces ? forceHeaders : torqueHeaders) labels_[n]->Show();
            return;
        }
        case LoadMode::MaxToLevel: labels_[forces ? 36 : 39]->Show(); break;
        case LoadMode::LevelToMax: labels_[forces ? 35 : 38]->Show(); break;
        case LoadMode::LevelToMin: labels_[forces ? 43 : 44]->Show(); break;
    }
    labels_[forces ? 34 : 37]->Show();
}

void TSpektrum_F::ShowTimeHeaders() {
    for (int n : {23, 24, 25, 26, 27, 28, 29, 45}) labels_[n]->Hide();
    const bool cumulated = G.SpectrumXMode;
    if (G.SpectrumInCycles) {
        for (int n : {23, 28, cumulated ? 45 : 24}) labels_[n]->Show();
    } else {
        for (int n : {25, 29, cumulated ? 26 : 27}) labels_[n]->Show();
    }
}

void TSpektrum_F::ShowReferenceLoadCaptions() {
    const bool forces = G.LoadAsForce;
    const bool nominal = G.CalcMethodics == kMethodicsFigA3 || G.CalcMethodics == kMethodicsEqA2;
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{Edit42, labels_[47], labels_[75], labels_[48], labels_[49]})
        c->SetVisible(nominal);
    labels_[47]->SetCaption(forces ? "Nominal force" : "Nominal moment");
    labels_[75]->SetCaption(forces ? "F" : "T");
    labels_[48]->SetCaption(forces ? "t" : " ");
    labels_[49]->SetCaption(forces ? "[N]" : "[N·m]");

    const LoadMode mode = CurrentLoadMode();
    const bool reference = mode != LoadMode::Absolute && G.CalcMethodics != kNoMethodics;
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{Edit43, labels_[50], labels_[51], labels_[52], labels_[53]})
        c->SetVisible(reference);
    const bool minimal = mode == LoadMode::LevelToMin;
    if (forces)
        labels_[50]->SetCaption(minimal ? "Minimal force" : "Force on the 1.level");
    else
        labels_[50]->SetCaption(minimal ? "Minimal moment" : "Moment on the 1.level");
    labels_[51]->SetCaption(forces ? "F" : "T");
    labels_[52]->SetCaption(forces ? (minimal ? "tmin" : "tmax") : (minimal ? "min" : "max"));
    labels_[53]->SetCaption(forces ? "[N]" : "[N·m]");
}

void TSpektrum_F::PreviewSpectrumMouseDown(const ui::Message& msg) { PreviewMouse(msg); }

// The factor and speed columns lie outside the narrow window: Tab must not reach them there.
void TSpektrum_F::SetFactorColumnsReachable(bool reachable) {
    for (int j = 1; j <= kMaxLevels; ++j)
        for (int offset : {kKHbeta, kKHalfa, kKFalfa, kKv, kSpeed}) LevelField(offset, j)->SetTabStop(reachable);
    for (ui::Button* b : {Button5, Button6, Button7}) b->SetTabStop(reachable);
}

void TSpektrum_F::UpdateRatioButtons() {
    if (CurrentLoadMode() != LoadMode::Absolute) return;
    bool loaded = true;
    for (int j = 1; j <= Levels(); ++j) loaded = loaded && G.SpectrumY[j] > 0;
    if (loaded) Button6->SetEnabled(true);
    for (ui::RadioButton* r : {RadioButton4, RadioButton5, RadioButton10}) r->SetEnabled(loaded);
}

// ---------------------------------------------------------------------------------------------
// Modes, units and the per-level forces

void TSpektrum_F::ComputeLevelForces() {
    const LoadMode mode = holdsRatios_ ? CurrentLoadMode() : LoadMode::Absolute;
    const bool forces = mode == LoadMode::Absolute ? G.SpectrumForces : G.LoadAsForce;
    for (int j = 1; j <= Levels(); ++j) {
        const double y = G.SpectrumY[j];
        double f = y;
        switch (mode) {
            case LoadMode::Absolute: break;
            case LoadMode::MaxToLevel: f = y > 0 ? G.SpectrumRefLoad / y : 0; break;
            case LoadMode::LevelToMax: f = G.SpectrumRefLoad * y; break;
            case LoadMode::LevelToMin: f = G.SpectrumRefLoadMin * y; break;
        }
        G.FtLevel[j] = LevelForce(f, forces);
    }
}

void TSpektrum_F::LockFirstLevelRatio() {
    for (int j = 1; j <= kMaxLevels; ++j) LevelField(kLoad, j)->SetEnabled(true);
    const LoadMode mode = CurrentLoadMode();
    if (!holdsRatios_ || (mode != LoadMode::MaxToLevel && mode != LoadMode::LevelToMax)) return;
    G.SpectrumY[1] = 1;
    Field(kLoad + 1)->SetText(" 1.000");
    Field(kLoad + 1)->SetEnabled(false);
}

void TSpektrum_F::LockLastLevelRatio() {
    for (int j = 1; j <= kMaxLevels; ++j) LevelField(kLoad, j)->SetEnabled(true);
    if (!holdsRatios_ || CurrentLoadMode() != LoadMode::LevelToMin) return;
    const int p = Levels();
    G.SpectrumY[p] = 1;
    Field(kLoad + p)->SetText(" 1.000");
    Field(kLoad + p)->SetEnabled(false);
}

void TSpektrum_F::LockReferenceLevel() {
    if (CurrentLoadMode() == LoadMode::LevelToMin)
        LockLastLevelRatio();
    else
        LockFirstLevelRatio();
}

namespace {
double& ReferenceOf(bool minimal) {
    if (minimal) return G.LoadAsForce ? G.Ftmin : G.Tmin;
    return G.LoadAsForce ? G.Ftmax : G.Tmax;
}
}  // namespace

// A level without load stays 0, so that Ok finds it missing.
void TSpektrum_F::ToRatios(LoadMode mode, double ref) {
    const int p = Levels();
    const bool minimal = mode == LoadMode::LevelToMin;
    if (!(ref > 0)) ref = G.SpectrumY[minimal ? p : 1];
    for (int j = 1; j <= p; ++j) {
        double& y = G.SpectrumY[j];
        if (!(y > 0) || !(ref > 0))
            y = 0;
        else
            y = mode == LoadMode::MaxToLevel ? ref / y : y / ref;
    }
    ReferenceOf(minimal) = ref;
    (minimal ? G.SpectrumRefLoadMin : G.SpectrumRefLoad) = ref;
    holdsRatios_ = true;
}

void TSpektrum_F::ToLoads() {
    if (!holdsRatios_) return;
    const LoadMode mode = CurrentLoadMode();
    const double ref = ReferenceOf(mode == LoadMode::LevelToMin);
    for (int j = 1; j <= Levels(); ++j) {
        double& y = G.SpectrumY[j];
        if (mode == LoadMode::MaxToLevel)
            y = y > 0 ? ref / y : 0;
        else
            y *= ref;
    }
    holdsRatios_ = false;
    SetSpectrumLoadUnit(G, G.LoadAsForce);
}

// Absolute loads: every load field open, the ratio modes open when every load is above 0.  A
// ratio mode: its reference level fixed, the other two ratio modes closed.
void TSpektrum_F::ApplyLoadModeControls(LoadMode mode) {
    LockReferenceLevel();
    if (mode == LoadMode::Absolute) return UpdateRatioButtons();
    RadioButton4->SetEnabled(mode == LoadMode::MaxToLevel);
    RadioButton5->SetEnabled(mode == LoadMode::LevelToMax);
    RadioButton10->SetEnabled(mode == LoadMode::LevelToMin);
}

void TSpektrum_F::SetLoadMode(LoadMode mode) {
    G.SpectrumAbsolute = mode == LoadMode::Absolute;
    G.SpectrumRatioMaxTo = mode == LoadMode::MaxToLevel;
    G.SpectrumRatioToMax = mode == LoadMode::LevelToMax;
    G.SpectrumRatioToMin = mode == LoadMode::LevelToMin;
}

// Ratios to the first level or to the smallest.
void TSpektrum_F::SwitchToRatioMode(LoadMode mode) {
    if (holdsRatios_ && CurrentLoadMode() != mode) ToLoads();
    if (!holdsRatios_) ToRatios(mode, G.SpectrumY[mode == LoadMode::LevelToMin ? Levels() : 1]);
    SetLoadMode(mode);
    ApplyLoadModeControls(mode);
    ShowLoadHeaders();
    ShowReferenceLoadCaptions();
    if (G.LoadInputMethod == kMultilevelLoading) ComputeLevelForces();
    Repaint();
}

void TSpektrum_F::RadioButton4Click() { SwitchToRatioMode(LoadMode::MaxToLevel); }
void TSpektrum_F::RadioButton5Click() { SwitchToRatioMode(LoadMode::LevelToMax); }
void TSpektrum_F::RadioButton10Click() { SwitchToRatioMode(LoadMode::LevelToMin); }

// Back to absolute loads, with the reference loads as they stand (a reference typed into
// Edit43 is used).
void TSpektrum_F::RadioButton3Click() {
    if (holdsRatios_) {
        G.SpectrumRefLoad = ReferenceOf(false);
        G.SpectrumRefLoadMin = ReferenceOf(true);
        ToLoads();
    }
    SetLoadMode(LoadMode::Absolute);
    ShowLoadHeaders();
    ApplyLoadModeControls(LoadMode::Absolute);
    ShowReferenceLoadCaptions();
    if (G.LoadInputMethod == kMultilevelLoading) ComputeLevelForces();
    Repaint();
}

// Ratios keep their value: only the reference loads change unit.  The loading window's unit
// radios follow.
void TSpektrum_F::SwitchLoadUnit(bool forces) {
    if (forces)
        ConvertLoadsToForces();
    else
        ConvertLoadsToTorques();
    HoldLoadsAs(forces);
    ShowLoadHeaders();
    LockReferenceLevel();
    ShowReferenceLoadCaptions();
    if (Zatizeni_F) {
        (forces ? Zatizeni_F->RadioButton7 : Zatizeni_F->RadioButton8)->SetChecked(true);
        (forces ? Zatizeni_F->RadioButton11 : Zatizeni_F->RadioButton12)->SetChecked(true);
    }
    Repaint();
}

void TSpektrum_F::RadioButton1Click() { SwitchLoadUnit(true); }
void TSpektrum_F::RadioButton2Click() { SwitchLoadUnit(false); }

void TSpektrum_F::HoldLoadsAs(bool forces) {
    if (!holdsRatios_) ConvertSpectrumLoadUnit(forces);
}

void TSpektrum_F::RadioButton6Click() {
    ConvertHoursToCycles();
    G.SpectrumInCycles = true;
    ShowTimeHeaders();
    Repaint();
}

void TSpektrum_F::RadioButton7Click() {
    ConvertCyclesToHours();
    G.SpectrumInCycles = false;
    ShowTimeHeaders();
    Repaint();
}

void TSpektrum_F::RadioButton8Click() {
    if (!G.SpectrumXMode) ToCumulated(Levels());
    G.SpectrumXMode = true;
    ShowTimeHeaders();
    Repaint();
}

void TSpektrum_F::RadioButton9Click() {
    if (G.SpectrumXMode) ToPerLevel(Levels());
    G.SpectrumXMode = false;
    ShowTimeHeaders();
    Repaint();
}

void TSpektrum_F::RefreshSpectrumTotals() {
    const TLevelArray entered = G.SpectrumX;
    const bool cycles = G.SpectrumInCycles;
    if (cycles)
        ConvertCyclesToHours();
    else
        ConvertHoursToCycles();
    G.SpectrumInCycles = !cycles;
    if (cycles)
        ConvertHoursToCycles();
    else
        ConvertCyclesToHours();
    G.SpectrumInCycles = cycles;
    G.SpectrumX = entered;
}

// ---------------------------------------------------------------------------------------------
// Factors

void TSpektrum_F::Button6Click() { ComputeLevelFactorsOfCase(true); }

// KHbeta given directly, from the contact pattern or from an arrangement stays the case's on every
// level; by method C it is computed per level from shaft data the case holds, and without them
// (Esc in the method C window) the factors stay as they were.  "Compute factors" computes Kv,
// KHalfa and KFalfa of every level; the opening keeps those the case gives directly, as the
// Calculation takes them.
void TSpektrum_F::ComputeLevelFactorsOfCase(bool computeGiven) {
    GlobalData& g = G;
    const bool methodC = g.KHbetaMethod == "ISO_C";
    if (methodC && !TakeShaftData()) return;
    const win::AccuracyWindowScope once(win::AccuracyRequests::Once);
    if (computeGiven) g.KHalfaDirect = g.KFalfaDirect = g.KvDirect = false;
    g.KHbetaDirect = !methodC;
    if (!methodC) SetKHbetaForAllLevels(g.KHbeta);
    g.SpectrumLevelsShown = false;
    g.LevelFactorsStale = false;
    ClearLevelValidityMarks();
    ComputeLevelFactors(Levels());
    ComputeLevelFactorProducts(G, Levels());
    Repaint();
}

void TSpektrum_F::Button5Click() {
    GlobalData& g = G;
    g.LevelFactorsStale = false;
    for (int j = 1; j <= Levels(); ++j)
        for (TLevelArray* column : {&g.KHbetaLevel, &g.KFbetaLevel, &g.KHalfaLevel, &g.KFalfaLevel, &g.KvLevel})
            (*column)[j] = 1;
    g.KHbeta = g.KFbeta = g.KHalfa = g.KFalfa = g.Kv = 1;
    g.KHbetaDirect = g.KHalfaDirect = g.KFalfaDirect = g.KvDirect = true;
    g.KHbetaMethod = "primo";  // KHbeta is given, as the data file then holds it
    g.SpectrumLevelsShown = true;
    if (KHbeta_F) KHbeta_F->CheckBox3->SetChecked(true);
    Repaint();
}

// ---------------------------------------------------------------------------------------------
// Lifecycle

void TSpektrum_F::FormCreate() {
    ClearPreviewFlags();
    SetActiveControl(Edit1);
    G.LoadAsForce = false;
    G.SpectrumAbsolute = true;
    holdsRatios_ = false;
    chart_ = std::make_unique<ui::Bitmap>(PaintBox1->Width(), PaintBox1->Height());
    Edit1->SetText(rt::Str(static_cast<long long>(G.LevelCount), 3));
    for (int n : {25, 26, 27, 29, 24}) labels_[n]->Hide();
    HideLoadColumnHeaders();
    for (int n : {32, 33, 41}) labels_[n]->Show();
    HideSpectrumRows();
    HideFactorColumns();
    ShowSpectrumRows();
    ResetSpectrumTable();
    Button6->SetEnabled(true);
    // The sample levels run at n1, as the reset left them.
    const double cycles[] = {3000, 20000, 50000, 100000, 200000};
    const double loads[] = {4000, 3000, 2000, 1000, 800};
    for (int j = 1; j <= 5; ++j) {
        G.SpectrumX[j] = cycles[j - 1];
        G.SpectrumY[j] = loads[j - 1];
    }
    SetSpectrumLoadUnit(G, G.LoadAsForce);
}

void SaveSpectrumEscValues() {
    G.SavedFtjm = G.Ftjm;
    G.SavedTjm = G.Tjm;
    G.SavedSpectrumInCycles = G.SpectrumInCycles;
    G.SavedLoadAsForce = G.LoadAsForce;
}

// What Esc brings back: taken again here for whoever opens the window, before any conversion.
// The window is placed by the width it opens with.
void TSpektrum_F::FormShow() {
    SaveSpectrumEscValues();
    SizeForMethodics();
}

// The factor and speed columns in view only for Miner and Haibach.
void TSpektrum_F::SizeForMethodics() {
    const bool wide = SpectrumByDamage(G);
    SetWidth(wide ? kWideWidth : kNarrowWidth);
    GroupBox1->SetWidth(wide ? kWideTable : kNarrowTable);
    SetFactorColumnsReachable(wide);
}

void TSpektrum_F::FormActivate() {
    ClearPreviewFlags();
    HoldLoadsAs(G.LoadAsForce);
    const LoadMode mode = CurrentLoadMode();
    if (mode != LoadMode::Absolute && !holdsRatios_) ToRatios(mode, ReferenceOf(mode == LoadMode::LevelToMin));

    SizeForMethodics();
    Edit1->SetText(rt::Str(static_cast<long long>(G.LevelCount), 3));

    (G.LoadAsForce ? RadioButton1 : RadioButton2)->SetChecked(true);
    switch (mode) {
        case LoadMode::Absolute: RadioButton3->SetChecked(true); break;
        case LoadMode::MaxToLevel: RadioButton4->SetChecked(true); break;
        case LoadMode::LevelToMax: RadioButton5->SetChecked(true); break;
        case LoadMode::LevelToMin: RadioButton10->SetChecked(true); break;
    }
    (G.SpectrumInCycles ? RadioButton6 : RadioButton7)->SetChecked(true);
    (G.SpectrumXMode ? RadioButton8 : RadioButton9)->SetChecked(true);
    // The radios that were checked already ran no handler: their captions and locks now.
    ShowLoadHeaders();
    ShowTimeHeaders();
    ApplyLoadModeControls(mode);

    HideSpectrumRows();
    ShowSpectrumRows();
    FillSpectrumTable();
    if (G.LoadInputMethod != kMultilevelLoading) G.LevelFactorsStale = true;
    ShowReferenceLoadCaptions();
    if (!G.SpectrumLevelsShown) {
        ComputeLevelForces();
        ComputeLevelFactorsOfCase(false);
    }
}

void TSpektrum_F::FormPaint() {
    FillSpectrumTable();
    if (G.LoadInputMethod == kMultilevelLoading) FillFactorColumns();
    FillField(1, rt::Str(static_cast<long long>(G.LevelCount), 3));
    if (G.CalcMethodics == kMethodicsFigA3 || G.CalcMethodics == kMethodicsEqA2)
        FillField(42, rt::Str(G.LoadAsForce ? G.Ftjm : G.Tjm, 7, 1));
    FillField(43, rt::Str(ReferenceOf(CurrentLoadMode() == LoadMode::LevelToMin), 7, 1));
    PaintBox1->Repaint();
}

void TSpektrum_F::FormKeyUp(ui::Word key) {
    HelpKeyUp(key, 44);
    if (key == ui::VK_ESCAPE) ModalResult = ui::mrCancel;
}

void TSpektrum_F::FormClose() { ToLoads(); }

// Every close but Ok leaves absolute loads too.
void TSpektrum_F::WindowHidden() {
    InputWindow::WindowHidden();
    FormClose();
}

bool TSpektrum_F::CheckSpectrumOrder() {
    const LoadMode mode = CurrentLoadMode();
    bool loadFault = false;
    for (int j = 2; j <= Levels(); ++j) {
        if (G.SpectrumXMode && !(G.SpectrumX[j] > G.SpectrumX[j - 1])) {
            ui::ShowMessage("Wrongly inputed time (cycles) data.");
            FocusField(kCycles + 1);
            return false;
        }
        const double y = G.SpectrumY[j], previous = G.SpectrumY[j - 1];
        if (mode == LoadMode::MaxToLevel ? !(y > previous) : y >= previous) {
            ui::ShowMessage("Wrongly inputed loading data.");
            loadFault = true;
        }
    }
    if (loadFault) FocusField(kLoad + 1);
    return !loadFault;
}

void TSpektrum_F::Button2Click() {
    GlobalData& g = G;
    const win::AccuracyWindowScope once(win::AccuracyRequests::Once);
    const int p = Levels();
    for (int j = 1; j <= p; ++j)
        if (!(g.SpectrumX[j] > 0) || !(g.SpectrumY[j] > 0)) {
            ui::ShowMessage("Incomplet input - some inputs are equal zero");
            return FocusField(kCycles + 1);
        }
    const bool byDamage = SpectrumByDamage(g);
    if (byDamage && Field(kKHbeta + 1)->Text().empty()) {
        ui::ShowMessage("Incomplet input - enter or compute factors");
        return SetActiveControl(Button6);
    }
    if ((g.CalcMethodics == kMethodicsFigA3 || g.CalcMethodics == kMethodicsEqA2) && g.Ftjm == 0 && g.Tjm == 0) {
        ui::ShowMessage("Incomplet input - nominal moment (force) is missing");
        return FocusField(42);
    }
    if (!CheckSpectrumOrder()) return;
    UpdateMinLevelSpeed();
    RefreshSpectrumTotals();
    ModalResult = ui::mrOk;
    ToLoads();
    if (!g.KFbetaDirect) ComputeKFbetaLevels();
    if (g.LoadInputMethod == kMultilevelLoading) ComputeLevelFactorProducts(g, Levels());
    EvaluateSpectrum();
    // A single level is one level, but while the service-life window is open the load stays a
    // spectrum (its lives are those of the spectrum).
    if (g.LoadInputMethod == kMultilevelLoading && g.LevelCount == 1 && Zatizeni_F && !g.LifeFormActive)
        Zatizeni_F->RadioButton3->SetChecked(true);
    if (Zatizeni_F) Zatizeni_F->Repaint();
    if (Zivotnost_F) Zivotnost_F->Repaint();
}

// Esc: the loads absolute again, then the units of before through their conversions, so that
// every load and x value is in the unit its flag names.
void TSpektrum_F::Button4Click() {
    GlobalData& g = G;
    g.ControlPressed4 = false;
    ModalResult = ui::mrCancel;
    ToLoads();
    if (g.LoadAsForce != g.SavedLoadAsForce) {
        if (g.SavedLoadAsForce)
            RadioButton1->Checked() ? RadioButton1Click() : RadioButton1->SetChecked(true);
        else
            RadioButton2->Checked() ? RadioButton2Click() : RadioButton2->SetChecked(true);
    }
    if (g.SpectrumInCycles != g.SavedSpectrumInCycles) {
        if (g.SavedSpectrumInCycles)
            RadioButton6->Checked() ? RadioButton6Click() : RadioButton6->SetChecked(true);
        else
            RadioButton7->Checked() ? RadioButton7Click() : RadioButton7->SetChecked(true);
    }
    g.Ftjm = g.SavedFtjm;
    g.Tjm = g.SavedTjm;
    g.SpectrumInCycles = g.SavedSpectrumInCycles;
    g.LoadAsForce = g.SavedLoadAsForce;
    ZeroEquivalentLoads();
    G.SpectrumResultsKey.clear();  // what the spectrum gave is withdrawn with its loads
    ClearEquivalentLoadsGiven();
    if (Zatizeni_F) {
        Zatizeni_F->ClearEquivalentLoadFields();
        Zatizeni_F->Repaint();
    }
}

void TSpektrum_F::Button1Click() {
    ResetSpectrumTable();
    G.ControlPressed1 = false;
    LockReferenceLevel();
    UpdateRatioButtons();
}

void TSpektrum_F::Button3Click() {
    G.ControlPressed3 = false;
    ShowHelpTopic(44);
}

// ---------------------------------------------------------------------------------------------
// Validators

void TSpektrum_F::ShowNotGreaterThanPrevious(int j) {
    ui::ShowMessage("Value [" + std::to_string(j) + "] must be greater than the previous one [" +
                    std::to_string(j - 1) + "]");
}

void TSpektrum_F::ShowNotSmallerThanPrevious(int j) {
    ui::ShowMessage("Value [" + std::to_string(j) + "] must be smaller than the previous one [" +
                    std::to_string(j - 1) + "]");
}

void TSpektrum_F::ShowNotSmallerThanSubsequent(int j) {
    ui::ShowMessage("Value [" + std::to_string(j) + "] must be smaller than the subsequent one [" +
                    std::to_string(j + 1) + "]");
}

void TSpektrum_F::ShowSpectrumInvalidInput() { Refuse("Invalid input"); }

// A refused count is not stored: LevelCount stays within 1..20.
void TSpektrum_F::CheckInputLevelCount() {
    std::int16_t count = 0;
    if (!ReadNumber(count) || count < 1 || count > kMaxLevels)
        return Refuse("Number of load levels choose from 2 to 20");
    if (count == G.LevelCount) return;
    G.LevelCount = count;
    for (ui::RadioButton* r : {RadioButton4, RadioButton5, RadioButton10}) r->SetEnabled(false);
    HideSpectrumRows();
    ShowSpectrumRows();
    ResetSpectrumTable();
    ClearFactorColumns();
    LockReferenceLevel();
    if (count == 1) Field(kLoad + 1)->SetEnabled(true);
}

void TSpektrum_F::CheckInputLevelCycles() {
    const int j = CheckedField() - kCycles;
    const bool number = ReadNumber(G.SpectrumX[j]);
    const double x = G.SpectrumX[j];
    if (!number || !(x > 0)) return ShowSpectrumInvalidInput();
    if (G.SpectrumXMode) {
        if (j > 1 && !(x > G.SpectrumX[j - 1])) ShowNotGreaterThanPrevious(j);
        if (j < Levels() && x >= G.SpectrumX[j + 1] && G.SpectrumX[j + 1] > 0) ShowNotSmallerThanSubsequent(j);
    }
    Field(CheckedField())->SetText(FormatLevelCyclesValue(x));
}

void TSpektrum_F::CheckInputLevelLoad() {
    const int j = CheckedField() - kLoad;
    const bool number = ReadNumber(G.SpectrumY[j]);
    const double y = G.SpectrumY[j];
    const LoadMode mode = CurrentLoadMode();
    if (!number || !(y > 0) || (mode == LoadMode::LevelToMax && y >= 1) ||
        ((mode == LoadMode::LevelToMin || mode == LoadMode::MaxToLevel) && y <= 1))
        return ShowSpectrumInvalidInput();
    if (j > 1) {
        if (mode == LoadMode::MaxToLevel) {
            if (!(y > G.SpectrumY[j - 1])) ShowNotGreaterThanPrevious(j);
        } else if (y >= G.SpectrumY[j - 1]) {
            ShowNotSmallerThanPrevious(j);
        }
    }
    if (mode == LoadMode::MaxToLevel && j < Levels() && y >= G.SpectrumY[j + 1] && G.SpectrumY[j + 1] > 0)
        ShowNotSmallerThanSubsequent(j);
    Field(CheckedField())->SetText(FormatLevelLoadValue(y));
}

void TSpektrum_F::CheckInputSpectrumNominalLoad() {
    double load = 0;
    if (!ParseNumber(load) || !(load > 0)) return Refuse("Invalid input");
    if (G.CalcMethodics == kMethodicsFigA3 || G.CalcMethodics == kMethodicsEqA2)
        (G.LoadAsForce ? G.Ftjm : G.Tjm) = load;
}

void TSpektrum_F::CheckInputSpectrumReferenceLoad() {
    double load = 0;
    if (!ParseNumber(load) || !(load > 0)) return Refuse("Invalid input");
    const bool minimal = CurrentLoadMode() == LoadMode::LevelToMin;
    ReferenceOf(minimal) = load;
    (minimal ? G.SpectrumRefLoadMin : G.SpectrumRefLoad) = load;
}

// Typing any factor, accepted or not, makes every per-level factor count as given directly.
void TSpektrum_F::CheckInputLevelFactor(const FactorColumn& column) {
    const int j = CheckedField() - column.offset;
    const bool number = ReadNumber((G.*column.values)[j]);
    const double k = (G.*column.values)[j];
    G.SpectrumLevelsShown = true;
    G.KHbetaDirect = G.KHalfaDirect = G.KFalfaDirect = G.KvDirect = true;
    G.KHbetaMethod = "primo";
    if (!number || !(column.atLeastOne ? k >= 1 : k > 0)) ShowSpectrumInvalidInput();
}

void TSpektrum_F::CheckInputLevelKHbeta() { CheckInputLevelFactor(kFactorColumns[0]); }
void TSpektrum_F::CheckInputLevelKHalfa() { CheckInputLevelFactor(kFactorColumns[1]); }
void TSpektrum_F::CheckInputLevelKFalfa() { CheckInputLevelFactor(kFactorColumns[2]); }
void TSpektrum_F::CheckInputLevelKv() { CheckInputLevelFactor(kFactorColumns[3]); }

// Only an accepted speed refreshes the totals: a refused one would give no finite life.
void TSpektrum_F::CheckInputLevelSpeed() {
    const int j = CheckedField() - kSpeed;
    const bool number = ReadNumber(G.n1Level[j]);
    if (!number || !(G.n1Level[j] > 0)) return ShowSpectrumInvalidInput();
    UpdateMinLevelSpeed();
    RefreshSpectrumTotals();
}

void TSpektrum_F::AfterCheck(int n, FieldEvent) {
    if (G.LoadInputMethod == kMultilevelLoading) ComputeLevelForces();
    const bool load = n > kLoad && n <= kLoad + kMaxLevels;
    const bool speed = n > kSpeed && n <= kSpeed + kMaxLevels;
    // Computed factors no longer match the levels: they stay out of view until computed again.
    if (load || n == 43 || speed) {
        ClearFactorColumns();
        if (!G.SpectrumLevelsShown) G.LevelFactorsStale = true;
    }
    UpdateRatioButtons();
}

// A refused load or speed given back: the level forces and the ratio choices follow it again; the
// factor columns stay, they were computed for it.
void TSpektrum_F::ValuesRestored() {
    if (G.LoadInputMethod == kMultilevelLoading) ComputeLevelForces();
    UpdateRatioButtons();
}

}  // namespace karvelo
