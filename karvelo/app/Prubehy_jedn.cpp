#include "karvelo/app/Prubehy_jedn.h"

#include <algorithm>

#include "karvelo/app/StressCases.h"
#include "runtime/NumText.h"

namespace karvelo {

TPrubehy_jednF* Prubehy_jednF = nullptr;

std::string FormatDamageValue(double x, const std::string& largeFormat) {
    std::string text = x > 99999 ? rt::FormatFloat(largeFormat, x) : rt::Str(x, 5, 0);
    if (x < 10) text = rt::Str(x, 8, 2);
    return text;
}

std::string FormatDamageValue(double x) { return FormatDamageValue(x, G.LargeNumberFormat); }

namespace {

// The per-level arrays and the static limit of the case shown.
struct DamageCase {
    const TLevelArray& cycles;
    const TLevelArray& stress;
    const TLevelArray& damage;
    double staticLimit;
};

DamageCase DamageCaseOf(const GlobalData& g) {
    const StressCaseId c = CaseFromCode(g.StressCase);
    return {PickCase(c, g.SF1Level, g.SH1Level, g.SF2Level, g.SH2Level),
            PickCase(c, g.SigmaF1Level, g.SigmaH1Level, g.SigmaF2Level, g.SigmaH2Level),
            PickCase(c, g.SigmaFP1Level, g.SigmaHP1Level, g.SigmaFP2Level, g.SigmaHP2Level),
            PickCase(c, g.Sigmafpb1stat, g.SigmaHP1stat, g.Sigmafpb2stat, g.SigmaHP2stat)};
}

// The rows in use; the count is kept within the table.
int ShownLevels() { return std::clamp<int>(G.LevelCount, 0, kMaxLevels); }

constexpr int kValueLefts[4] = {81, 190, 299, 408};

}  // namespace

TPrubehy_jednF::TPrubehy_jednF() : Form("Prubehy_jednF") {
    SetCaption("Damage on individual stress levels");
    SetBounds(0, 0, 781, 524);
    Position = ui::Position::BesideOwner;  // beside the results it details
    KeyPreview = true;

    Label1 = new ui::Label(this, "Label1", {4, 27}, "Level");
    Label2 = new ui::Label(this, "Label2", {94, 27},
                           "n                        N                      Stress               Damage ");
    for (ui::Label* l : {Label1, Label2}) l->SetFontStyle(ui::fsBold);
    for (int r = 1; r <= kRows; ++r) {
        const std::string n = std::to_string(r);
        const int top = 54 + 20 * (r - 1);
        RowNumber[r] = new ui::Label(this, "RowNumber" + n, {22, top}, n);
        RowNumber[r]->SetFontStyle(ui::fsBold);
        CyclesText[r] = new ui::Label(this, "CyclesText" + n, {kValueLefts[0], top - 1, 0, 0});
        CumulativeText[r] = new ui::Label(this, "CumulativeText" + n, {kValueLefts[1], top - 1, 0, 0});
        StressText[r] = new ui::Label(this, "StressText" + n, {kValueLefts[2], top - 1, 0, 0});
        DamageText[r] = new ui::Label(this, "DamageText" + n, {kValueLefts[3], top - 1, 0, 0});
    }
    TotalRow[0] = new ui::Label(this, "TotalSign", {22, 470}, "S");
    TotalRow[0]->SetFontName("Symbol");
    for (int k = 1; k <= 4; ++k)
        TotalRow[k] = new ui::Label(this, "TotalText" + std::to_string(k), {kValueLefts[k - 1], 470});
    for (ui::Label* l : TotalRow) {
        l->SetFontStyle(ui::fsBold);
        l->Hide();
    }

    Panel1 = new ui::Panel(this, "Panel1", {485, 8, 272, 118});
    RadioButton4 = new ui::RadioButton(Panel1, "RadioButton4", {12, 12, 120, 20}, "Pinion bending");
    RadioButton6 = new ui::RadioButton(Panel1, "RadioButton6", {140, 12, 120, 20}, "Wheel bending");
    RadioButton5 = new ui::RadioButton(Panel1, "RadioButton5", {12, 42, 120, 20}, "Pinion contact");
    RadioButton7 = new ui::RadioButton(Panel1, "RadioButton7", {140, 42, 120, 20}, "Wheel contact");
    RadioButton4->SetChecked(true);
    Label109 = new ui::Label(Panel1, "Label109", {12, 80}, "S");
    Label109->SetFontName("Symbol");
    Label109->SetFontPixels(16);
    Label110 = new ui::Label(Panel1, "Label110", {26, 82}, "of damages = ");
    Label111 = new ui::Label(Panel1, "Label111", {120, 82});
    for (ui::Label* l : {Label109, Label110, Label111}) l->SetFontStyle(ui::fsBold);
    Button1 = new ui::Button(this, "Button1", {572, 140, 98, 30}, "Back");
    Button2 = new ui::Button(this, "Button2", {676, 140, 75, 30}, "Graph");
    Button2->Hide();

    RadioButton4->OnClick = [this] { RadioButton4Click(); };
    RadioButton5->OnClick = [this] { RadioButton5Click(); };
    RadioButton6->OnClick = [this] { RadioButton6Click(); };
    RadioButton7->OnClick = [this] { RadioButton7Click(); };
    Button1->OnClick = [this] { Button1Click(); };
    Button2->OnClick = [this] { Button2Click(); };
    OnActivate = [this] { FormActivate(); };
    OnPaint = [this] { FormPaint(); };
    OnKeyUp = [this](ui::Word& key, ui::ShiftState) { FormKeyUp(key); };
}

void TPrubehy_jednF::FormActivate() {
    for (ui::Label* l : TotalRow) l->Hide();
    Label1->Show();
    Label2->Show();
    for (int r = 1; r <= kRows; ++r)
        for (ui::Label* l : {RowNumber[r], CyclesText[r], CumulativeText[r], StressText[r], DamageText[r]}) l->Show();
    // A single load is stored as level 1.
    if (G.LoadInputMethod != kMultilevelLoading) G.LevelCount = 1;
    PickCase(CaseFromCode(G.StressCase), RadioButton4, RadioButton5, RadioButton6, RadioButton7)->SetChecked(true);
}

void TPrubehy_jednF::ShowLastCalculation() {
    withdrawn_ = false;
    if (!Visible()) return;
    FormActivate();
    Repaint();
}

void TPrubehy_jednF::WithdrawRows() {
    withdrawn_ = true;
    Repaint();
}

DamageLevelTexts TPrubehy_jednF::BuildDamageLevelTexts(int j) {
    const DamageCase c = DamageCaseOf(G);
    const int levels = ShownLevels();
    sums_[j] = sums_[j + 1] + c.cycles[j];
    DamageLevelTexts t;
    t.n = FormatDamageValue(c.cycles[j]);
    t.Stress = rt::Str(c.stress[j], 1, 1);
    t.Damage = c.stress[j] > c.staticLimit ? ">> 1" : rt::Str(c.damage[j], 1, 6);
    total_ = 0;
    for (int i = 1; i <= levels; ++i) total_ += c.damage[i];
    t.N = FormatDamageValue(sums_[j]);
    if (t.Damage == ">> 1") ++exceeded_;
    return t;
}

void TPrubehy_jednF::FormPaint() {
    const int levels = withdrawn_ ? 0 : ShownLevels();
    for (int r = levels + 1; r <= kRows; ++r)
        for (ui::Label* l : {RowNumber[r], CyclesText[r], CumulativeText[r], StressText[r], DamageText[r]}) l->Hide();
    sums_.fill(0);
    exceeded_ = 0;
    total_ = 0;
    SetHeight(levels > 5 ? 20 * levels + 130 : 220);
    for (int r = 1; r <= levels; ++r) {
        const DamageLevelTexts t = BuildDamageLevelTexts(levels - r + 1);
        CyclesText[r]->SetCaption(t.n);
        CumulativeText[r]->SetCaption(t.N);
        StressText[r]->SetCaption(t.Stress);
        DamageText[r]->SetCaption(t.Damage);
    }
    for (ui::Label* l : TotalRow) l->SetTop(20 * levels + 70);
    Label111->SetFontColor(total_ >= 1 || exceeded_ > 0 ? ui::clRed : ui::clBlack);
    Label111->SetCaption(withdrawn_ ? "" : exceeded_ > 0 ? "Destruction" : rt::Str(total_, 7, 4));
    SetCaption(G.HypothesisHaibach ? "Damage on individual stress levels - Haibach"
                                   : "Damage on individual stress levels - Miner");
}

void TPrubehy_jednF::SelectCase(ui::RadioButton* button, const char* code) {
    if (G.StressCase == code) return;
    if (button->Checked()) G.StressCase = code;
    Repaint();
}

void TPrubehy_jednF::FormKeyUp(ui::Word key) {
    if (key == ui::VK_ESCAPE) Close();
}

}  // namespace karvelo
