#include "karvelo/forms/SpektrumF.h"

#include <algorithm>

#include "runtime/NumText.h"

namespace karvelo {

TSpektrum_F* Spektrum_F = nullptr;

namespace {

constexpr int kFirstRowTop = 96;
constexpr int kRowStep = 21;

std::string F(double x, int w, int d) { return rt::Str(x, w, d); }

std::string LevelCycles(double x) {
    if (x > 99999) return rt::FormatFloat(G.LargeNumberFormat, x);
    return x < 10 ? F(x, 8, 2) : F(x, 5, 0);
}

bool RatioMode() { return G.SpectrumRatioToMax || G.SpectrumRatioMaxTo || G.SpectrumRatioToMin; }

int Levels() { return std::clamp<int>(G.LevelCount, 1, kMaxLevels); }

ui::Edit* ReadOnlyEdit(ui::Container* parent, int number, int left, int top, int width) {
    auto* e = new ui::Edit(parent, "Edit" + std::to_string(number), {left, top, width, 20});
    e->SetReadOnly(true);
    return e;
}

}  // namespace

TSpektrum_F::TSpektrum_F() : Form("Spektrum_F") {
    SetCaption("Spectrum definition - level method");
    SetClientSize(980, 560);
    BorderStyle = ui::BorderStyle::Single;
    BorderIcons = 0;
    KeyPreview = true;
    new ui::Label(this, "Label1", {12, 14, 0, 0}, "No. of levels");
    Edit1 = ReadOnlyEdit(this, 1, 100, 10, 40);

    GroupBox1 = new ui::GroupBox(this, "GroupBox1", {8, 40, 960, 470}, "Inputs for PINION  ");
    struct Header {
        int number;
        const char* caption;
        int left;
    };
    const Header headers[] = {
        {30, "F", 50},  {31, "tj", 60},  {32, "T", 50},  {33, " j", 60},  {34, "F  / F", 40},
        {35, "tj      t1", 48},  {36, "t1     tj", 48},  {37, "T  / T", 40},  {38, " j      1", 48},
        {39, "1      j", 48},  {40, "[N]", 80},  {41, "[N·m]", 80},  {43, "tj      tmin", 48},
        {44, " j      min", 48},
    };
    for (const Header& h : headers)
        headers_[h.number - 30] =
            new ui::Label(GroupBox1, "Label" + std::to_string(h.number), {h.left, 24, 0, 0}, h.caption);
    new ui::Label(GroupBox1, "Label23", {150, 24, 0, 0}, "N");
    const char* factorHeads[] = {"KHb", "KHa", "KFa", "Kv", "n1"};
    for (int k = 0; k < 5; ++k)
        new ui::Label(GroupBox1, "FactorHead" + std::to_string(k + 1), {260 + 80 * k, 24, 0, 0}, factorHeads[k]);

    for (int j = 1; j <= kMaxLevels; ++j) {
        const int top = 44 + (j - 1) * kRowStep;
        LevelLabel[j] = new ui::Label(GroupBox1, "Label" + std::to_string(2 + j), {10, top + 3, 24, 16}, std::to_string(j));
        LoadEdit[j] = ReadOnlyEdit(GroupBox1, 21 + j, 36, top, 90);
        CyclesEdit[j] = ReadOnlyEdit(GroupBox1, 1 + j, 130, top, 90);
        KHbetaEdit[j] = ReadOnlyEdit(GroupBox1, 43 + j, 250, top, 70);
        KHalfaEdit[j] = ReadOnlyEdit(GroupBox1, 63 + j, 330, top, 70);
        KFalfaEdit[j] = ReadOnlyEdit(GroupBox1, 83 + j, 410, top, 70);
        KvEdit[j] = ReadOnlyEdit(GroupBox1, 103 + j, 490, top, 70);
        SpeedEdit[j] = ReadOnlyEdit(GroupBox1, 123 + j, 570, top, 70);
    }
    Button6 = new ui::Button(GroupBox1, "Button6", {660, 44, 120, 25}, "Compute factors");
    Button5 = new ui::Button(GroupBox1, "Button5", {660, 76, 120, 25}, "Factors = 1");
    Button6->SetEnabled(false);
    Button5->SetEnabled(false);

    Button2 = new ui::Button(this, "Button2", {120, kFirstRowTop + 424, 89, 25}, "O&k");
    Button2->ModalResult = ui::mrOk;
    Button3 = new ui::Button(this, "Button3", {230, kFirstRowTop + 424, 89, 25}, "&Help");
    Button3->SetEnabled(false);
    Button4 = new ui::Button(this, "Button4", {340, kFirstRowTop + 424, 89, 25}, "&Esc");
    Button4->OnClick = [this] {
        G.ControlPressed4 = false;
        ModalResult = ui::mrCancel;
    };
    Button1 = new ui::Button(this, "Button1", {450, kFirstRowTop + 424, 89, 25}, "Reset");
    Button1->SetEnabled(false);

    OnCreate = [this] {
        G.ControlPressed1 = G.ControlPressed3 = G.ControlPressed4 = false;
        // Loads as torques given absolutely, and the window's sample spectrum of five levels.
        G.LoadAsForce = false;
        G.SpectrumAbsolute = true;
        for (int j = 1; j <= kMaxLevels; ++j) {
            G.SpectrumX[j] = 0;
            G.SpectrumY[j] = 0;
            G.n1Level[j] = G.n1;
        }
        G.MinLevelSpeed = G.n1;
        const double cycles[] = {3000, 20000, 50000, 100000, 200000};
        const double loads[] = {4000, 3000, 2000, 1000, 800};
        for (int j = 1; j <= 5; ++j) {
            G.SpectrumX[j] = cycles[j - 1];
            G.SpectrumY[j] = loads[j - 1];
            G.n1Level[j] = 1000;
        }
        HideLoadColumnHeaders();
        (G.LoadAsForce ? headers_[0] : headers_[2])->Show();
        (G.LoadAsForce ? headers_[1] : headers_[3])->Show();
        (G.LoadAsForce ? headers_[10] : headers_[11])->Show();
        HideSpectrumRows();
        ShowSpectrumRows();
    };
    OnActivate = [this] { FormActivate(); };
    OnPaint = [this] { FormPaint(); };
    OnKeyUp = [this](ui::Word& key, ui::ShiftState) {
        HelpKeyUp(key, 44);
        if (key == ui::VK_ESCAPE) ModalResult = ui::mrCancel;
    };
}

ui::Label* TSpektrum_F::HeaderLabel(int number) const {
    return number >= 30 && number < 30 + int(headers_.size()) ? headers_[number - 30] : nullptr;
}

void TSpektrum_F::HideFactorColumns() {
    Button5->Hide();
    Button6->Hide();
    for (int j = 1; j <= kMaxLevels; ++j)
        for (ui::Edit* e : {KHbetaEdit[j], KHalfaEdit[j], KFalfaEdit[j], KvEdit[j], SpeedEdit[j]}) e->Hide();
}

void TSpektrum_F::HideSpectrumRows() {
    for (int j = 2; j <= kMaxLevels; ++j) {
        LevelLabel[j]->Hide();
        CyclesEdit[j]->Hide();
        LoadEdit[j]->Hide();
    }
    HideFactorColumns();
}

void TSpektrum_F::ShowSpectrumRows() {
    if (G.LoadInputMethod == 2) {
        Button5->Show();
        Button6->Show();
    }
    for (ui::Edit* e : {KHbetaEdit[1], KHalfaEdit[1], KFalfaEdit[1], KvEdit[1], SpeedEdit[1]}) e->Show();
    for (int j = 2; j <= Levels(); ++j) {
        LevelLabel[j]->Show();
        for (ui::Edit* e : {CyclesEdit[j], LoadEdit[j], KHbetaEdit[j], KHalfaEdit[j], KFalfaEdit[j], KvEdit[j],
                            SpeedEdit[j]})
            e->Show();
    }
}

void TSpektrum_F::HideLoadColumnHeaders() {
    for (ui::Label* l : headers_)
        if (l) l->Hide();
}

void TSpektrum_F::PreviewSpectrumMouseDown(const ui::Message& msg) {
    if (msg.Msg != ui::WM_LBUTTONDOWN) return;
    if (msg.Target == Button1) G.ControlPressed1 = true;
    else if (msg.Target == Button3) G.ControlPressed3 = true;
    else if (msg.Target == Button4) G.ControlPressed4 = true;
}

// The factor and speed columns are in view only for a spectrum by Miner or Haibach.
void TSpektrum_F::FormActivate() {
    const bool factors = G.LoadInputMethod == 2 && G.CalcMethodics > 2;
    SetClientWidth(factors ? 980 : 628);
    GroupBox1->SetWidth(factors ? 800 : 230);
    Repaint();
}

void TSpektrum_F::FormPaint() {
    Edit1->SetText(rt::Str(static_cast<long long>(G.LevelCount), 3));
    for (int j = 1; j <= Levels(); ++j) {
        CyclesEdit[j]->SetText(LevelCycles(G.SpectrumX[j]));
        LoadEdit[j]->SetText(RatioMode() ? F(G.SpectrumY[j], 6, 3) : F(G.SpectrumY[j], 7, 1));
        SpeedEdit[j]->SetText(F(G.n1Level[j], 1, 1));
        const bool factors = G.LoadInputMethod == 2 && !G.LevelFactorsStale;
        KHbetaEdit[j]->SetText(factors ? F(G.KHbetaLevel[j], 1, 3) : "");
        KHalfaEdit[j]->SetText(factors ? F(G.KHalfaLevel[j], 1, 3) : "");
        KFalfaEdit[j]->SetText(factors ? F(G.KFalfaLevel[j], 1, 3) : "");
        KvEdit[j]->SetText(factors ? F(G.KvLevel[j], 1, 3) : "");
    }
}

}  // namespace karvelo
