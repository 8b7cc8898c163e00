#include "karvelo/app/Prubehy.h"

#include <algorithm>

#include "karvelo/app/StressCases.h"
#include "karvelo/calc/Global.h"
#include "karvelo/calc/Odvozene.h"
#include "karvelo/calc/Vypocet.h"
#include "karvelo/calc/Vypocty_ekv.h"
#include "karvelo/calc/WindowHooks.h"
#include "karvelo/calc/Zivotnost.h"
#include "ui/Canvas.h"

namespace karvelo {

TPrubehy_F* Prubehy_F = nullptr;
CoursesChartData CoursesData;

CoursesMainWindowLinks& CoursesMainWindow() {
    static CoursesMainWindowLinks links;
    return links;
}

void PrepareCoursesData() {
    GlobalData& g = G;
    if (g.LoadInputMethod == kOneLevelLoading) {
        if (g.LoadAsForce) {
            g.FtFe1 = g.Ftjm;
            g.TFe1 = g.Ftjm * g.d1 / 2000;
        } else {
            g.TFe1 = g.Tjm;
            g.FtFe1 = 2000 * g.Tjm / g.d1;
        }
        g.FtFe2 = g.Ftjm;
        g.TFe2 = g.Tjm;
        g.FtHe1 = g.Ftjm;
        g.THe1 = g.Tjm;
        g.FtHe2 = g.Ftjm;
        g.THe2 = g.Tjm;
    }
    double& equivalent = PickCase(CaseFromCode(g.StressCase), g.SigmaF1ekv, g.SigmaH1ekv, g.SigmaF2ekv, g.SigmaH2ekv);
    equivalent = PickCase(CaseFromCode(g.StressCase), g.SigmaF1, g.SigmaH1, g.SigmaF2, g.SigmaH2);
    g.CaseEquivalent = equivalent;
}

namespace {

// The chart variables from the data of the case.
void FillCoursesCase() {
    const GlobalData& g = G;
    CoursesChartData& d = CoursesData;
    const StressCaseId c = CaseFromCode(g.StressCase);
    d.CurveLimitStress = PickCase(c, g.Sigmafpb1ref, g.SigmaHP1ref, g.Sigmafpb2ref, g.SigmaHP2ref);
    d.CurveKneeCycles = PickCase(c, g.NFlim1, g.NHlim1, g.NFlim2, g.NHlim2);
    d.CurveStaticStress = PickCase(c, g.Sigmafpb1stat, g.SigmaHP1stat, g.Sigmafpb2stat, g.SigmaHP2stat);
    d.CurveExponent = PickCase(c, g.qF1, g.qH1, g.qF2, g.qH2);
    d.CurveExponentHaibach = PickCase(c, g.qF_1, g.qH_1, g.qF_2, g.qH_2);
    d.CurveStaticCycles = PickCase(c, g.NFstat1, g.NHstat1, g.NFstat2, g.NHstat2);
    if (c == StressCaseId::PD) d.CurvePittingKneeStress = g.SigmaHP1knee;
    if (c == StressCaseId::KD) d.CurvePittingKneeStress = g.SigmaHP2knee;
    const TLevelArray& levels = PickCase(c, g.SigmaF1Level, g.SigmaH1Level, g.SigmaF2Level, g.SigmaH2Level);
    const int n = std::clamp<int>(g.LevelCount, 0, kMaxLevels);
    for (int i = 1; i <= n; ++i) d.CurveLevelStress[i] = levels[i];
}

// The chart's inputs recomputed from the current data.
void RecomputeCoursesInputs() {
    GlobalData& g = G;
    if (g.LoadInputMethod != kMultilevelLoading) {
        g.ResumeCalculation = true;
        ComputeContactStress();
        if (g.ResumeCalculation) ComputeBendingStress();
        PrepareCoursesData();
        return;
    }
    // A spectrum that cannot be put into working form keeps the values it has.
    if (!SpectrumIsComputable()) return;
    ConvertSpectrumUnits();
    BuildClassAndCumulativeSpectra();
    if (g.CalcMethodics != kMethodicsMiner && g.CalcMethodics != kMethodicsHaibach) return;
    // The equivalent loads computed here are those of the inputs; the chart's Back, not this, marks
    // them shown in the loading window.
    const auto computed = [&g] {
        if (!g.ResumeCalculation) return;
        const bool shown = g.EquivalentStressesCurrent;
        StampSpectrumResults(g);
        g.EquivalentStressesCurrent = shown;
    };
    if (!g.LifeFormActive) {
        ComputeEquivalentLoads();
        computed();
        return;
    }
    ComputeServiceLife();
    const bool lifeComputed = g.ResumeCalculation;
    ComputeEquivalentLoads();
    computed();
    if (lifeComputed && g.ResumeCalculation) {
        g.LifeValid = true;
        StampServiceLives(g);
        win::EnableLifeDrawButton();
    }
}

}  // namespace

void LoadCoursesCase() {
    GlobalData& g = G;
    // The computations come first, so that the chart shows the level stresses they leave.
    if (g.CalcMethodics >= kMethodicsMiner) RecomputeCoursesInputs();
    FillCoursesCase();
    if (g.CalcMethodics < kMethodicsMiner) {
        // The approximate methodics chart the loads themselves.
        const int n = std::clamp<int>(g.LevelCount, 0, kMaxLevels);
        CoursesData.CurveStaticStress = g.SpectrumY[1];
        for (int k = 1; k <= n; ++k) CoursesData.CurveLevelStress[k] = g.SpectrumY[n + 1 - k];
    }
}

TPrubehy_F::TPrubehy_F() : Form("Prubehy_F") {
    SetCaption("Courses");
    SetBounds(0, 0, 700, 598);
    Position = ui::Position::BesideOwner;
    KeyPreview = true;
    SetFontStyle(ui::fsBold);

    PaintBox1 = new ui::PaintBox(this, "PaintBox1", {1, 6, 682, 397});
    Panel1 = new ui::Panel(this, "Panel1", {12, 417, 183, 136});
    RadioButton4 = new ui::RadioButton(Panel1, "RadioButton4", {12, 10, 160, 22}, "Pinion bending");
    RadioButton5 = new ui::RadioButton(Panel1, "RadioButton5", {12, 41, 160, 22}, "Pinion contact");
    RadioButton6 = new ui::RadioButton(Panel1, "RadioButton6", {12, 72, 160, 22}, "Wheel bending");
    RadioButton7 = new ui::RadioButton(Panel1, "RadioButton7", {12, 103, 160, 22}, "Wheel contact");
    RadioButton4->SetChecked(true);
    Panel2 = new ui::Panel(this, "Panel2", {219, 417, 239, 109});
    RadioButton1 = new ui::RadioButton(Panel2, "RadioButton1", {12, 10, 170, 22}, "Class spectrum");
    RadioButton2 = new ui::RadioButton(Panel2, "RadioButton2", {12, 42, 170, 22}, "Cumulative spectrum");
    RadioButton3 = new ui::RadioButton(Panel2, "RadioButton3", {12, 74, 170, 22}, "Both spectra");
    RadioButton2->SetChecked(true);
    Label1 = new ui::Label(Panel2, "Label1", {196, 10, 0, 0}, "o");
    Label2 = new ui::Label(Panel2, "Label2", {198, 38, 0, 0}, "\xC2\xB7");
    Label1->SetFontPixels(16);
    Label2->SetFontName("Symbol");
    Label2->SetFontPixels(24);
    Panel3 = new ui::Panel(this, "Panel3", {492, 417, 123, 78});
    RadioButton9 = new ui::RadioButton(Panel3, "RadioButton9", {12, 12, 100, 22}, "Miner");
    RadioButton8 = new ui::RadioButton(Panel3, "RadioButton8", {12, 44, 100, 22}, "Haibach");
    RadioButton8->SetChecked(true);
    Button1 = new ui::Button(this, "Button1", {567, 507, 98, 36}, "Back");

    PaintBox1->OnPaint = [this] { PaintBox1Paint(); };
    RadioButton4->OnClick = [this] { RadioButton4Click(); };
    RadioButton5->OnClick = [this] { RadioButton5Click(); };
    RadioButton6->OnClick = [this] { RadioButton6Click(); };
    RadioButton7->OnClick = [this] { RadioButton7Click(); };
    for (ui::RadioButton* b : {RadioButton1, RadioButton2, RadioButton3}) b->OnClick = [this] { RadioButton1Click(); };
    RadioButton8->OnClick = [this] { RadioButton8Click(); };
    RadioButton9->OnClick = [this] { RadioButton9Click(); };
    Button1->OnClick = [this] { Button1Click(); };
    OnCreate = [this] { FormCreate(); };
    OnActivate = [this] { FormActivate(); };
    OnPaint = [this] { FormPaint(); };
    OnKeyUp = [this](ui::Word& key, ui::ShiftState) { FormKeyUp(key); };
}

void TPrubehy_F::FormCreate() {
    bitmap_ = std::make_unique<ui::Bitmap>(PaintBox1->Width(), PaintBox1->Height());
    CoursesData.CurvePittingKneeStress = 1000.0;
}

void TPrubehy_F::FormActivate() {
    const GlobalData& g = G;
    Panel2->SetVisible(g.LoadInputMethod == kMultilevelLoading);
    // The approximate methodics keep their methodics: no hypothesis is chosen for them.
    if (g.CalcMethodics >= kMethodicsMiner)
        (g.CalcMethodics == kMethodicsMiner ? RadioButton9 : RadioButton8)->SetChecked(true);
    Panel3->SetVisible(g.CalcMethodics >= kMethodicsMiner);
    ReloadCase();
    PickCase(CaseFromCode(G.StressCase), RadioButton4, RadioButton5, RadioButton6, RadioButton7)->SetChecked(true);
    Repaint();
}

void TPrubehy_F::FormPaint() {
    const ui::Color colour = CaseColour(CaseFromCode(G.StressCase));
    Label1->SetFontColor(colour);
    Label2->SetFontColor(colour);
}

void TPrubehy_F::FormKeyUp(ui::Word key) {
    if (key == ui::VK_ESCAPE) Close();
}

void TPrubehy_F::Button1Click() {
    G.EquivalentStressesCurrent = true;
    Close();
}

void TPrubehy_F::SelectCase(ui::RadioButton* button, const char* code) {
    if (G.StressCase == code) return;
    if (button->Checked()) G.StressCase = code;
    ReloadCase();
    Repaint();
}

void TPrubehy_F::RadioButton1Click() {
    ReloadCase();
    Repaint();
}

void TPrubehy_F::SelectHypothesis(ui::RadioButton* button, bool haibach) {
    GlobalData& g = G;
    if (g.HypothesisHaibach == haibach) return;
    if (button->Checked()) {
        g.CalcMethodics = haibach ? kMethodicsHaibach : kMethodicsMiner;
        g.HypothesisHaibach = haibach;
    }
    // Withdrawing the main window's results leaves the chart as it was: it recomputes itself for
    // the hypothesis.
    const bool withdrawn = withdrawn_;
    const CoursesMainWindowLinks& main = CoursesMainWindow();
    if (!g.LifeFormActive && main.ClearResults) main.ClearResults();
    withdrawn_ = withdrawn;
    ReloadCase();
    PaintBox1->Repaint();
    if (main.Repaint) main.Repaint();
}

void TPrubehy_F::ReloadCase() {
    if (!withdrawn_) LoadCoursesCase();
}

void TPrubehy_F::ShowChart(bool modal) {
    withdrawn_ = false;
    if (modal)
        ShowModal();
    else
        Show();
}

void TPrubehy_F::WithdrawChart() {
    withdrawn_ = true;
    PaintBox1->Repaint();
}

void TPrubehy_F::RadioButton8Click() { SelectHypothesis(RadioButton8, true); }
void TPrubehy_F::RadioButton9Click() { SelectHypothesis(RadioButton9, false); }

SpectrumShown TPrubehy_F::Shown() const {
    if (RadioButton1->Checked()) return SpectrumShown::Class;
    if (RadioButton3->Checked()) return SpectrumShown::Both;
    return SpectrumShown::Cumulative;
}

void TPrubehy_F::PaintBox1Paint() {
    if (!bitmap_) bitmap_ = std::make_unique<ui::Bitmap>(PaintBox1->Width(), PaintBox1->Height());
    ChartPicture blank;
    blank.Caption = "Courses";
    const ChartPicture picture = withdrawn_ ? blank : BuildCoursesPicture(G, CoursesData, Shown());
    PaintChartPicture(picture, bitmap_->Canvas());
    if (!picture.Caption.empty()) SetCaption(picture.Caption);
    PaintBox1->Canvas().Draw(0, 0, *bitmap_);
}

}  // namespace karvelo
