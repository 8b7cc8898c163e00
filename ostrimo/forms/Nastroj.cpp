#include "ostrimo/forms/Nastroj.h"

#include <cmath>
#include <numbers>

#include "ostrimo/calc/Global.h"
#include "ostrimo/calc/Protub.h"
#include "ostrimo/forms/Celni.h"
#include "runtime/NumText.h"

namespace ostrimo {

TNastrojDlg* NastrojDlg = nullptr;

namespace {

constexpr const char* kDegreeUnit = "[ \xC2\xB0 ]";

struct ToolFields {
    ui::Edit*& addendum;
    ui::Edit*& crest;
    ui::Edit*& chamferAngle;
    ui::Label*& chamferUnit;
    ui::Label*& angle;
    ui::Label*& angleUnit;
    ui::CheckBox*& chamfer;
    ui::CheckBox*& protuberance;
};

void CreateTool(ui::GroupBox* g, const ToolFields& f, int first, int chamferUnit, int angle, int angleUnit,
                int boxes, double addendum, double crest, double chamferAngle) {
    auto name = [](const char* kind, int n) { return std::string(kind) + std::to_string(n); };
    new ui::Label(g, name("Label", first + 40), {10, 24, 0, 0}, "Adendum factor");
    f.addendum = new ui::Edit(g, name("Edit", first), {200, 20, 70, 21}, rt::Str(addendum, 6, 4));
    new ui::Label(g, name("Label", first + 41), {10, 50, 0, 0}, "Crest radius factor");
    f.crest = new ui::Edit(g, name("Edit", first + 1), {200, 46, 70, 21}, rt::Str(crest, 6, 4));
    f.chamfer = new ui::CheckBox(g, name("CheckBox", boxes), {10, 76, 150, 17}, "Chamfering edge");
    new ui::Label(g, name("Label", first + 42), {10, 102, 0, 0}, "Angle of a chamfering edge");
    f.chamferAngle = new ui::Edit(g, name("Edit", first + 3), {200, 98, 70, 21}, rt::Str(chamferAngle, 6, 4));
    f.chamferUnit = new ui::Label(g, name("Label", chamferUnit), {276, 102, 0, 0}, kDegreeUnit);
    f.protuberance = new ui::CheckBox(g, name("CheckBox", boxes + 1), {10, 128, 150, 17}, "Protuberance");
    new ui::Label(g, name("Label", first + 43), {10, 154, 0, 0}, "Protuberance angle");
    f.angle = new ui::Label(g, name("Label", angle), {200, 154, 0, 0}, "");
    f.angleUnit = new ui::Label(g, name("Label", angleUnit), {276, 154, 0, 0}, kDegreeUnit);
}

// Protuberance angle of a tool in module units: addendum h0, crest radius rho, height to
// the protuberance hp, protuberance size pr [mm].  False when the tool has none.
bool ProtuberanceAngle(double h0, double rho, double hp, double pr, double& angle) {
    using L = long double;
    const L an = G.alfan;
    const L tanAn = std::tan(an);
    const L q = pr / (G.mn * std::cos(an));
    const L A = std::numbers::pi_v<L> / 4 - tanAn * hp;
    const L B = A + q - tanAn * (h0 - hp);
    const L H = B + tanAn * (1 - std::sin(an)) * rho - std::cos(an) * rho;
    if (!(H >= 0)) return false;
    const L o = h0 - hp - rho;
    const L r = std::sqrt((A - H) * (A - H) + o * o);
    const L t = rho / r;
    if (!(std::fabs(t) <= 1)) return false;
    const L phi = std::asin(t);
    const L psi = o == 0 ? std::numbers::pi_v<L> / 2 : std::atan((A - H) / o);
    angle = static_cast<double>(psi - phi);
    return std::isfinite(angle) && angle >= 0;
}

// The angle stored and shown in the label, or "No solution" there.
bool ComputeToolProtuberanceAngle(double h0, double rho, double hp, double pr, double& stored, ui::Label* label) {
    double angle = 0;
    if (!ProtuberanceAngle(h0, rho, hp, pr, angle)) {
        label->SetCaption("No solution");
        return false;
    }
    stored = angle;
    label->SetCaption(rt::Str(RadToDeg(angle), 7, 4));
    if (G.AngleFormatDMS) PagesDlg->ShowMainAnglesDms();
    return true;
}

}  // namespace

TNastrojDlg::TNastrojDlg() : Form("NastrojDlg") {
    BorderStyle = ui::BorderStyle::Dialog;
    Position = ui::Position::ScreenCenter;
    SetClientSize(640, 260);
    SetCaption("N\xC3\xA1stroje pro v\xC3\xBDrobu pastorku a kola");
    KeyPreview = true;
    GroupBox1 = new ui::GroupBox(this, "GroupBox1", {8, 8, 308, 190}, "Tool for a pinion");
    CreateTool(GroupBox1, {Edit1, Edit2, Edit4, Label1, Label35, Label21, CheckBox1, CheckBox2}, 1, 1, 35, 21, 1,
               G.ToolAddendumFactor1, G.ToolCrestRadiusFactor1, G.ChamferAngleDeg1);
    GroupBox2 = new ui::GroupBox(this, "GroupBox2", {324, 8, 308, 190}, "Tool for a wheel");
    CreateTool(GroupBox2, {Edit8, Edit9, Edit11, Label31, Label36, Label33, CheckBox3, CheckBox4}, 8, 31, 36, 33, 3,
               G.ToolAddendumFactor2, G.ToolCrestRadiusFactor2, G.ChamferAngleDeg2);
    Button1 = new ui::Button(this, "Button1", {200, 216, 75, 25}, "Clear");
    OKBtn = new ui::Button(this, "OKBtn", {364, 216, 75, 25}, "OK");

    CheckBox1->OnClick = [this] { G.Chamfer1 = CheckBox1->Checked(); };
    CheckBox2->OnClick = [this] { G.Protuberance1 = CheckBox2->Checked(); };
    CheckBox3->OnClick = [this] { G.Chamfer2 = CheckBox3->Checked(); };
    CheckBox4->OnClick = [this] { G.Protuberance2 = CheckBox4->Checked(); };
    Button1->OnClick = [] { SkipToolChecks = false; };
    OKBtn->OnClick = [this] { Hide(); };
}

void TNastrojDlg::ComputeProtuberanceAngle1() {
    G.ProtuberanceImpossible1 = !ComputeToolProtuberanceAngle(G.ToolAddendumFactor1, G.ToolCrestRadiusFactor1, G.haP01,
                                                              G.ProtuberanceSize1, G.ProtuberanceAngle1, Label35) ||
                                !ComputeProtuberanceFlankShift1();
}

void TNastrojDlg::ComputeProtuberanceAngle2() {
    G.ProtuberanceImpossible2 = !ComputeToolProtuberanceAngle(G.ToolAddendumFactor2, G.ToolCrestRadiusFactor2, G.haP02,
                                                              G.ProtuberanceSize2, G.ProtuberanceAngle2, Label36) ||
                                !ComputeProtuberanceFlankShift2();
}

}  // namespace ostrimo
