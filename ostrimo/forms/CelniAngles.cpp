// The angles the windows show, in decimal degrees or in degrees, minutes and seconds.
// Only their texts change; the stored values stay as they are.
#include "ostrimo/calc/Global.h"
#include "ostrimo/forms/Celni.h"
#include "ostrimo/forms/FellowDlg.h"
#include "ostrimo/forms/Labels.h"
#include "ostrimo/forms/Nastroj.h"
#include "runtime/NumText.h"

namespace ostrimo {

namespace {

int g_keepTypedAngle = 0;

std::string DmsText(double degrees, const char* beforeSeconds) {
    FormatDegMinSec(degrees, G.DegText, G.MinText, G.SecText);
    NormalizeDmsStrings();
    if (G.SecText == "0") return G.DegText + kDegree + " " + G.MinText + "'";
    return G.DegText + kDegree + G.MinText + "'" + beforeSeconds + G.SecText + "\"";
}

// A field being typed into keeps its text while a keystroke's recomputation runs.
void SetAngleField(ui::Edit* field, const std::string& text) {
    if (KeepTypedAngle::Active() && field->Focused()) return;
    field->SetText(text);
}

// A protuberance angle label keeps "No solution" until the angle is computed again.
void SetProtuberanceLabel(ui::Label* label, const std::string& text) {
    if (label->Caption() != kNoSolution) label->SetCaption(text);
}

using AngleText = std::string (*)(double degrees);

std::string DecimalText(double degrees) { return rt::Str(degrees, 6, 4); }
std::string EstimatedDecimalText(double degrees) { return rt::Str(degrees, 6, 4) + kDegree; }
std::string LimitPointDecimalText(double degrees) { return rt::Str(degrees, 4, 3); }

// The angles of the main dialog, the tools dialog and the cutter dialog (its limit point
// in a text of its own), in one display's texts; an absent dialog is passed over.
void SetMainAngleTexts(TPagesDlg& d, AngleText text, AngleText limitPoint) {
    SetAngleField(d.Edit4, text(G.betaDeg));
    SetAngleField(d.Edit10, text(G.alfawtDeg));
    SetAngleField(d.Edit17, text(G.alfaP));
    SetAngleField(d.Edit20, text(G.SigmaDeg));
    if (NastrojDlg) {
        SetAngleField(NastrojDlg->Edit4, text(G.ChamferAngleDeg1));
        SetAngleField(NastrojDlg->Edit11, text(G.ChamferAngleDeg2));
        SetProtuberanceLabel(NastrojDlg->Label35, text(RadToDeg(G.ProtuberanceAngle1)));
        SetProtuberanceLabel(NastrojDlg->Label36, text(RadToDeg(G.ProtuberanceAngle2)));
    }
    if (FellowDlg) FellowDlg->Label14->SetCaption(limitPoint(RadToDeg(G.alfaF0)));
}

// The degree units beside the angles of the tools and cutter dialogs that are there.
std::vector<ui::Label*> PartnerDegreeUnits() {
    std::vector<ui::Label*> units;
    if (NastrojDlg) units = {NastrojDlg->Label1, NastrojDlg->Label21, NastrojDlg->Label31, NastrojDlg->Label33};
    if (FellowDlg) units.push_back(FellowDlg->Label19);
    return units;
}

// The estimated flank and helix angles of the three identification groups.
void SetEstimatedAngleTexts(TPagesDlg& d, AngleText text) {
    ui::Edit* const alfa[] = {d.Edit43, d.Edit47, d.Edit51};
    ui::Edit* const beta[] = {d.Edit44, d.Edit48, d.Edit52};
    for (int i = 1; i <= 3; ++i) {
        SetAngleField(alfa[i - 1], text(RadToDeg(G.IdentAlfa[i])));
        SetAngleField(beta[i - 1], text(RadToDeg(G.IdentBeta[i])));
    }
}

}  // namespace

KeepTypedAngle::KeepTypedAngle() { ++g_keepTypedAngle; }
KeepTypedAngle::~KeepTypedAngle() { --g_keepTypedAngle; }
bool KeepTypedAngle::Active() { return g_keepTypedAngle > 0; }

std::string MainAngleDmsText(double degrees) { return DmsText(degrees, " "); }
std::string EstimatedAngleDmsText(double degrees) { return DmsText(degrees, ""); }

void TPagesDlg::ShowMainAnglesDms() {
    for (ui::Label* l : {Label7, Label15, Label21, Label54}) l->Hide();
    for (ui::Label* l : PartnerDegreeUnits()) l->Hide();
    SetMainAngleTexts(*this, MainAngleDmsText, MainAngleDmsText);
}

void TPagesDlg::ShowMainAnglesDecimal() {
    for (ui::Label* l : {Label7, Label21}) l->Show();
    for (ui::Label* l : PartnerDegreeUnits()) l->Show();
    // the working angle's unit only beside its field, the shaft angle's only for bevel gears
    Label15->SetVisible(G.GearingType != kBevelGearing);
    Label54->SetVisible(G.GearingType == kBevelGearing);
    SetMainAngleTexts(*this, DecimalText, LimitPointDecimalText);
}

void TPagesDlg::ShowMainAngles() {
    if (G.AngleFormatDMS)
        ShowMainAnglesDms();
    else
        ShowMainAnglesDecimal();
}

void TPagesDlg::ShowEstimatedAnglesDms() { SetEstimatedAngleTexts(*this, EstimatedAngleDmsText); }
void TPagesDlg::ShowEstimatedAnglesDecimal() { SetEstimatedAngleTexts(*this, EstimatedDecimalText); }

}  // namespace ostrimo
