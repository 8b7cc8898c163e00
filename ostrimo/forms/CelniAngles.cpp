// The angles the windows show, in decimal degrees or in degrees, minutes and seconds.
// Only their texts change; the stored values stay as they are.
#include "ostrimo/calc/Global.h"
#include "ostrimo/forms/Celni.h"
#include "ostrimo/forms/FellowDlg.h"
#include "ostrimo/forms/Nastroj.h"
#include "runtime/NumText.h"

namespace ostrimo {

namespace {

constexpr const char* kDegree = "\xC2\xB0";
constexpr const char* kNoSolution = "No solution";

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

}  // namespace

KeepTypedAngle::KeepTypedAngle() { ++g_keepTypedAngle; }
KeepTypedAngle::~KeepTypedAngle() { --g_keepTypedAngle; }
bool KeepTypedAngle::Active() { return g_keepTypedAngle > 0; }

std::string MainAngleDmsText(double degrees) { return DmsText(degrees, " "); }
std::string EstimatedAngleDmsText(double degrees) { return DmsText(degrees, ""); }

void TPagesDlg::ShowMainAnglesDms() {
    for (ui::Label* l : {Label7, Label15, Label21, Label54, NastrojDlg->Label1, NastrojDlg->Label21, NastrojDlg->Label31,
                         NastrojDlg->Label33, FellowDlg->Label19})
        l->Hide();
    SetAngleField(Edit4, MainAngleDmsText(G.betaDeg));
    SetAngleField(Edit10, MainAngleDmsText(G.alfawtDeg));
    SetAngleField(Edit17, MainAngleDmsText(G.alfaP));
    SetAngleField(Edit20, MainAngleDmsText(G.SigmaDeg));
    SetAngleField(NastrojDlg->Edit4, MainAngleDmsText(G.ChamferAngleDeg1));
    SetAngleField(NastrojDlg->Edit11, MainAngleDmsText(G.ChamferAngleDeg2));
    SetProtuberanceLabel(NastrojDlg->Label35, MainAngleDmsText(RadToDeg(G.ProtuberanceAngle1)));
    SetProtuberanceLabel(NastrojDlg->Label36, MainAngleDmsText(RadToDeg(G.ProtuberanceAngle2)));
    FellowDlg->Label14->SetCaption(MainAngleDmsText(RadToDeg(G.alfaF0)));
}

void TPagesDlg::ShowMainAnglesDecimal() {
    for (ui::Label* l : {Label7, Label21, NastrojDlg->Label1, NastrojDlg->Label21, NastrojDlg->Label31,
                         NastrojDlg->Label33, FellowDlg->Label19})
        l->Show();
    // the working angle's unit only beside its field, the shaft angle's only for bevel gears
    Label15->SetVisible(G.GearingType != 3);
    Label54->SetVisible(G.GearingType == 3);
    SetAngleField(Edit4, rt::Str(G.betaDeg, 6, 4));
    SetAngleField(Edit10, rt::Str(G.alfawtDeg, 6, 4));
    SetAngleField(Edit17, rt::Str(G.alfaP, 6, 4));
    SetAngleField(Edit20, rt::Str(G.SigmaDeg, 6, 4));
    SetAngleField(NastrojDlg->Edit4, rt::Str(G.ChamferAngleDeg1, 6, 4));
    SetAngleField(NastrojDlg->Edit11, rt::Str(G.ChamferAngleDeg2, 6, 4));
    SetProtuberanceLabel(NastrojDlg->Label35, rt::Str(RadToDeg(G.ProtuberanceAngle1), 6, 4));
    SetProtuberanceLabel(NastrojDlg->Label36, rt::Str(RadToDeg(G.ProtuberanceAngle2), 6, 4));
    FellowDlg->Label14->SetCaption(rt::Str(RadToDeg(G.alfaF0), 4, 3));
}

void TPagesDlg::ShowEstimatedAnglesDms() {
    ui::Edit* const alfa[] = {Edit43, Edit47, Edit51};
    ui::Edit* const beta[] = {Edit44, Edit48, Edit52};
    for (int i = 1; i <= 3; ++i) {
        SetAngleField(alfa[i - 1], EstimatedAngleDmsText(RadToDeg(G.IdentAlfa[i])));
        SetAngleField(beta[i - 1], EstimatedAngleDmsText(RadToDeg(G.IdentBeta[i])));
    }
    if (G.IdentBeta[2] == -1.0) Edit48->SetText(kNoSolution);
}

void TPagesDlg::ShowEstimatedAnglesDecimal() {
    ui::Edit* const alfa[] = {Edit43, Edit47, Edit51};
    ui::Edit* const beta[] = {Edit44, Edit48, Edit52};
    for (int i = 1; i <= 3; ++i) {
        SetAngleField(alfa[i - 1], rt::Str(RadToDeg(G.IdentAlfa[i]), 6, 4) + kDegree);
        SetAngleField(beta[i - 1], rt::Str(RadToDeg(G.IdentBeta[i]), 6, 4) + kDegree);
    }
    if (G.IdentBeta[2] == -1.0) Edit48->SetText(kNoSolution);
}

}  // namespace ostrimo
