// Unit Prubehy: the S-N curve chart window "Courses".  On double-logarithmic axes it draws the
// S-N curve of one case (pinion or wheel, bending or contact) with its static strength, the
// continuation beyond the knee by Miner or Haibach, the equivalent stress and the load spectrum
// as class and cumulative points.  The user switches the case, the hypothesis and the spectrum
// shown; each switch recomputes what the chart needs and repaints it.
#pragma once

#include <functional>
#include <memory>

#include "karvelo/app/CoursesChart.h"
#include "ui/Forms.h"

namespace karvelo {

// The chart variables of the case in StressCase.
extern CoursesChartData CoursesData;

// One load or given equivalent loads: the load becomes every equivalent load, and the case's
// stress its equivalent stress (CaseEquivalent).
void PrepareCoursesData();
// Fills the chart variables for StressCase and recomputes what the chart shows: the stresses for
// one load, the spectrum's working form and equivalent loads (with the service life while the
// service-life window is open) for a spectrum by Miner or Haibach.
void LoadCoursesCase();

// What the chart asks of the main window; the main window fills these at start-up.
struct CoursesMainWindowLinks {
    std::function<void()> ClearResults;  // withdraw the shown results
    std::function<void()> Repaint;       // repaint (its hypothesis buttons follow the data)
};
CoursesMainWindowLinks& CoursesMainWindow();

class TPrubehy_F : public ui::Form {
public:
    TPrubehy_F();

    ui::PaintBox* PaintBox1;
    ui::Panel* Panel1;              // the case
    ui::RadioButton* RadioButton4;  // "Pinion bending"  "PO"
    ui::RadioButton* RadioButton5;  // "Pinion contact"  "PD"
    ui::RadioButton* RadioButton6;  // "Wheel bending"   "KO"
    ui::RadioButton* RadioButton7;  // "Wheel contact"   "KD"
    ui::Panel* Panel2;              // the spectrum shown
    ui::RadioButton* RadioButton1;  // "Class spectrum"
    ui::RadioButton* RadioButton2;  // "Cumulative spectrum"
    ui::RadioButton* RadioButton3;  // "Both spectra"
    ui::Label* Label1;              // "o": class points
    ui::Label* Label2;              // "·": cumulative points
    ui::Panel* Panel3;              // the hypothesis
    ui::RadioButton* RadioButton9;  // "Miner"
    ui::RadioButton* RadioButton8;  // "Haibach"
    ui::Button* Button1;            // "Back"

    void FormCreate();
    void FormActivate();
    void FormPaint();
    void FormKeyUp(ui::Word key);
    void Button1Click();
    void RadioButton1Click();
    void RadioButton4Click() { SelectCase(RadioButton4, "PO"); }
    void RadioButton5Click() { SelectCase(RadioButton5, "PD"); }
    void RadioButton6Click() { SelectCase(RadioButton6, "KO"); }
    void RadioButton7Click() { SelectCase(RadioButton7, "KD"); }
    void RadioButton8Click();
    void RadioButton9Click();
    void PaintBox1Paint();

    // Shows the chart of the case as it stands (the "Draw" commands): modally from the main window,
    // beside the loading and service-life windows otherwise.
    void ShowChart(bool modal);
    // The main window withdrew its results: an open chart reads, computes and draws nothing until
    // a "Draw" command shows it again.
    void WithdrawChart();

    // The spectrum the radio buttons choose.
    SpectrumShown Shown() const;
    // The off-screen bitmap the chart is drawn on.
    ui::Bitmap& ChartBitmap() { return *bitmap_; }

private:
    void SelectCase(ui::RadioButton* button, const char* code);
    void SelectHypothesis(ui::RadioButton* button, bool haibach);
    // LoadCoursesCase, unless the chart is withdrawn.
    void ReloadCase();
    std::unique_ptr<ui::Bitmap> bitmap_;
    bool withdrawn_ = false;
};

extern TPrubehy_F* Prubehy_F;

}  // namespace karvelo
