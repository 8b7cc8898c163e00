#include "ostrimo/forms/Nastroj.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "ostrimo/calc/CheckNumerics.h"
#include "ostrimo/calc/Global.h"
#include "ostrimo/calc/Vypocty.h"
#include "ostrimo/calc/Protub.h"
#include "ostrimo/forms/Celni.h"
#include "ostrimo/forms/Labels.h"
#include "ostrimo/forms/Ostrimo.h"
#include "ostrimo/forms/ToolPictures.h"
#include "runtime/NumText.h"

namespace ostrimo {

TNastrojDlg* NastrojDlg = nullptr;

namespace {

using checks::kPi;
constexpr const char* kWarningCaption = "  Warning !";
constexpr const char* kImpossibleProtuberance = "Impossible parameters of the protuberance";
constexpr int kPictureWidth = 374, kPictureHeight = 110;

// The data of one tool in the global data; tool 1 cuts the pinion, tool 2 the wheel.
struct ToolData {
    double& addendum;
    double& crest;
    double& chamferHeight;
    double& chamferAngle;
    double& chamferAngleDeg;
    double& protuberanceAngle;
    double& protuberanceHeight;
    double& protuberanceSize;
    bool& chamfer;
    bool& protuberance;
    bool& impossible;
    double& rootRadius;    // the gear's basic-rack root radius, cut by the crest
    double& rackAddendum;  // the gear's own basic-rack addendum (chamfer height limit)
    double& mateAddendum;  // the mate's basic-rack addendum, which the tool's addendum sets
    double mateClearance;  // and the clearance at the mate's tip
    const char* gear;
    int gearIndex;
};

ToolData Data(int tool) {
    GlobalData& g = G;
    // clang-format off
    if (tool == 1)
        return {g.ToolAddendumFactor1, g.ToolCrestRadiusFactor1, g.ChamferHeightFactor1, g.ChamferAngle1,
                g.ChamferAngleDeg1, g.ProtuberanceAngle1, g.haP01, g.ProtuberanceSize1, g.Chamfer1, g.Protuberance1,
                g.ProtuberanceImpossible1, g.rofP1, g.haP1, g.haP2, g.cP2, "pinion", 1};
    return {g.ToolAddendumFactor2, g.ToolCrestRadiusFactor2, g.ChamferHeightFactor2, g.ChamferAngle2,
            g.ChamferAngleDeg2, g.ProtuberanceAngle2, g.haP02, g.ProtuberanceSize2, g.Chamfer2, g.Protuberance2,
            g.ProtuberanceImpossible2, g.rofP2, g.haP2, g.haP1, g.cP1, "wheel", 2};
    // clang-format on
}

std::string Factor(double v) { return rt::Str(v, 6, 4); }

std::string ChamferAngleText(double degrees) {
    return G.AngleFormatDMS ? MainAngleDmsText(degrees) : rt::Str(degrees, 7, 4);
}

// Protuberance angle of a tool in module units: addendum h0, crest radius rho, height to
// the protuberance hp, protuberance size pr [mm].  False when there is none.
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
    if (G.AngleFormatDMS && PagesDlg) PagesDlg->ShowMainAnglesDms();
    return true;
}

}  // namespace

TNastrojDlg::TNastrojDlg() : Form("NastrojDlg") {
    BorderStyle = ui::BorderStyle::Dialog;
    Position = ui::Position::ScreenCenter;
    SetClientSize(800, 430);
    SetCaption("N\xC3\xA1stroje pro v\xC3\xBDrobu pastorku a kola");
    KeyPreview = true;
    GroupBox1 = new ui::GroupBox(this, "GroupBox1", {6, 6, 390, 372}, "Tool for a pinion");
    CreateTool(GroupBox1, 1);
    GroupBox2 = new ui::GroupBox(this, "GroupBox2", {404, 6, 390, 372}, "Tool for a wheel");
    CreateTool(GroupBox2, 2);
    Button1 = new ui::Button(this, "Button1", {300, 392, 75, 25}, "Clear");
    OKBtn = new ui::Button(this, "OKBtn", {424, 392, 75, 25}, "OK");

    const auto& t1 = tools_[1].edits;
    const auto& t2 = tools_[2].edits;
    Edit1 = t1[0], Edit2 = t1[1], Edit3 = t1[2], Edit4 = t1[3], Edit5 = t1[4], Edit6 = t1[5], Edit7 = t1[6];
    Edit8 = t2[0], Edit9 = t2[1], Edit10 = t2[2], Edit11 = t2[3], Edit12 = t2[4], Edit13 = t2[5], Edit14 = t2[6];
    CheckBox1 = tools_[1].chamfer, CheckBox2 = tools_[1].protuberance;
    CheckBox3 = tools_[2].chamfer, CheckBox4 = tools_[2].protuberance;
    Label35 = tools_[1].angle, Label36 = tools_[2].angle;
    Image1 = tools_[1].pictures[0], Image2 = tools_[1].pictures[1], Image3 = tools_[1].pictures[2];
    Image4 = tools_[1].pictures[3];
    Image5 = tools_[2].pictures[0], Image6 = tools_[2].pictures[1], Image7 = tools_[2].pictures[2];
    Image8 = tools_[2].pictures[3];

    for (int tool : {1, 2}) {
        for (ui::Edit* e : tools_[tool].edits) e->OnExit = [this, e] { FieldExit(e); };
        tools_[tool].chamfer->OnClick = [this, tool] { OptionClicked(tool, false); };
        tools_[tool].protuberance->OnClick = [this, tool] { OptionClicked(tool, true); };
    }
    Button1->OnClick = [this] { Button1Click(); };
    OKBtn->OnClick = [this] { OKBtnClick(); };
    OnCreate = [this] { FormCreate(); };
    OnShow = [this] { FormShow(); };
    OnKeyPress = [this](ui::KeyChar& key) { FormKeyPress(key); };
    OnKeyUp = [this](ui::Word& key, ui::ShiftState) { FormKeyUp(key); };
}

// One tool's group: the rows of fields with their symbols, the two option boxes, the
// protuberance angle and the four pictures.
void TNastrojDlg::CreateTool(ui::GroupBox* g, int tool) {
    ToolControls& t = tools_[tool];
    const bool pinion = tool == 1;
    const std::string n = std::to_string(tool);
    const int firstEdit = pinion ? 1 : 8;
    const int captions[] = {2, 3, 4, 5, 6, 7, 8};
    const int wheelCaptions[] = {22, 23, 24, 25, 26, 27, 28};
    const int symbols[] = {9, 10, 11, 12, 13, 14, 15};
    const int wheelSymbols[] = {29, 30, 32, 34, 37, 38, 39};
    struct Row {
        int edit;  // 0..6 for Edit1..Edit7 (wheel Edit8..Edit14)
        int y;
        const char* caption;
        const char* symbol;
        bool greek;
        std::string index;
        bool star;
    };
    const Row rows[] = {
        {0, 22, "Adendum factor", "h", false, "aP0" + n, true},
        {1, 48, "Crest radius factor", "r", true, "aP0" + n, true},
        {2, 98, "Height to a chamfering factor", "h", false, "FfP0" + n, true},
        {3, 124, "Angle of a chamfering edge", "a", true, "KP0" + n, false},
        {5, 174, "Height to a protuberance factor", "h", false, "FaP0" + n, true},
        {6, 200, "Protuberance size", "pr", false, "P0" + n, false},
        {4, 226, "Protuberance angle", "a", true, "P0" + n, false},
    };
    auto label = [&](const int* pinionNames, const int* wheelNames, int i) {
        return "Label" + std::to_string(pinion ? pinionNames[i] : wheelNames[i]);
    };
    int i = 0;
    for (const Row& r : rows) {
        std::vector<ui::Control*> row;
        row.push_back(new ui::Label(g, label(captions, wheelCaptions, i), {8, r.y + 3, 0, 0}, r.caption));
        const std::string symbolName = label(symbols, wheelSymbols, i);
        ui::Label* symbol = new ui::Label(g, symbolName, {196, r.y + 3, 0, 0}, r.symbol);
        if (r.greek) symbol->SetFontName("Symbol");
        ui::Label* index = NewIndex(g, symbolName + "i", symbol, r.index);
        row.insert(row.end(), {symbol, index});
        if (r.star) {
            auto* star = new ui::Label(g, symbolName + "s", {index->Left() + index->Width(), r.y, 0, 0}, "*");
            star->SetFontPixels(9);
            row.push_back(star);
        }
        ui::Edit* e = new ui::Edit(g, "Edit" + std::to_string(firstEdit + r.edit), {262, r.y, 64, 21});
        t.edits[r.edit] = e;
        if (r.edit == 3) {
            row.push_back(e);
            (pinion ? Label1 : Label31) =
                new ui::Label(g, pinion ? "Label1" : "Label31", {332, r.y + 3, 0, 0}, kDegreeUnit);
            row.push_back(pinion ? Label1 : Label31);
        } else if (r.edit == 4) {
            // computed: the label shows the angle where the field would stand
            e->SetReadOnly(true);
            e->SetTabStop(false);
            e->Hide();
            t.angle = new ui::Label(g, pinion ? "Label35" : "Label36", {266, r.y + 3, 0, 0}, "");
            row.push_back(t.angle);
            (pinion ? Label21 : Label33) =
                new ui::Label(g, pinion ? "Label21" : "Label33", {332, r.y + 3, 0, 0}, kDegreeUnit);
            row.push_back(pinion ? Label21 : Label33);
        } else {
            row.push_back(e);
            if (r.edit == 6)
                row.push_back(new ui::Label(g, pinion ? "Label16" : "Label40", {332, r.y + 3, 0, 0}, "[mm]"));
        }
        if (r.edit == 2 || r.edit == 3) t.chamferRows.insert(t.chamferRows.end(), row.begin(), row.end());
        if (r.edit >= 4) t.protuberanceRows.insert(t.protuberanceRows.end(), row.begin(), row.end());
        if (r.edit == 1)
            t.chamfer =
                new ui::CheckBox(g, "CheckBox" + std::to_string(pinion ? 1 : 3), {8, 76, 160, 17}, "Chamfering edge");
        if (r.edit == 3)
            t.protuberance =
                new ui::CheckBox(g, "CheckBox" + std::to_string(pinion ? 2 : 4), {8, 152, 160, 17}, "Protuberance");
        ++i;
    }
    for (int p = 0; p < 4; ++p) {
        t.pictures[p] =
            new ui::Image(g, "Image" + std::to_string((pinion ? 1 : 5) + p), {8, 254, kPictureWidth, kPictureHeight});
        t.pictures[p]->SetPicture(RackToolPicture(p & 1, p & 2, kPictureWidth, kPictureHeight));
    }
}

// ---------------------------------------------------------------- set-up and display

void TNastrojDlg::FormCreate() {
    G.Chamfer1 = G.Chamfer2 = G.Protuberance1 = G.Protuberance2 = false;
    for (int tool : {1, 2}) {
        ShowOptions(tool);
        ShowToolFields(tool);
    }
}

void TNastrojDlg::FormShow() {
    for (int tool : {1, 2}) {
        const ToolData d = Data(tool);
        if (!d.chamfer) tools_[tool].chamfer->SetChecked(false);
        if (!d.protuberance) tools_[tool].protuberance->SetChecked(false);
        ShowOptions(tool);
    }
}

// The option rows and the picture of the tool's combination.
void TNastrojDlg::ShowOptions(int tool) {
    const ToolControls& t = tools_[tool];
    const bool chamfer = t.chamfer->Checked(), protuberance = t.protuberance->Checked();
    for (ui::Control* c : t.chamferRows) c->SetVisible(chamfer);
    for (ui::Control* c : t.protuberanceRows) c->SetVisible(protuberance);
    const int shown = (chamfer ? 1 : 0) + (protuberance ? 2 : 0);
    for (int p = 0; p < 4; ++p) t.pictures[p]->SetVisible(p == shown);
}

void TNastrojDlg::ShowToolFields(int tool) {
    const ToolData d = Data(tool);
    const auto& e = tools_[tool].edits;
    e[0]->SetText(Factor(d.addendum));
    e[1]->SetText(Factor(d.crest));
    e[2]->SetText(Factor(d.chamferHeight));
    e[3]->SetText(ChamferAngleText(d.chamferAngleDeg));
    e[5]->SetText(Factor(d.protuberanceHeight));
    e[6]->SetText(Factor(d.protuberanceSize));
}

// The main dialog's "Rounded root" and basic-rack fields, which a protuberance tool
// decides, are free again once neither tool has one.
void TNastrojDlg::EnableRackFields() {
    if (G.Protuberance1 || G.Protuberance2 || !PagesDlg) return;
    PagesDlg->CheckBox1->SetEnabled(true);
    for (ui::Edit* e : {PagesDlg->Edit11, PagesDlg->Edit12, PagesDlg->Edit13, PagesDlg->Edit14}) e->SetEnabled(true);
    for (ui::Edit* e : {PagesDlg->Edit15, PagesDlg->Edit16}) e->SetEnabled(!G.RoundedRoot);
}

// A protuberance tool decides the root: "Rounded root" and the basic-rack fields are no inputs.
void TNastrojDlg::DisableRackFields() {
    if (!PagesDlg) return;
    PagesDlg->CheckBox1->SetEnabled(false);
    for (int code = 11; code <= 16; ++code) PagesDlg->InputField(code)->SetEnabled(false);
}

// A tool with a chamfer or a protuberance makes the basic rack nonstandard.
void TNastrojDlg::MarkRackNonstandard() {
    if (!(G.Chamfer1 || G.Chamfer2 || G.Protuberance1 || G.Protuberance2) || !PagesDlg) return;
    PagesDlg->RadioButton2->SetEnabled(true);
    PagesDlg->RadioButton2->SetChecked(true);
}

void TNastrojDlg::SetDefaultTools() {
    SetDefaultRackTools();
    for (int tool : {1, 2}) {
        ToolData d = Data(tool);
        tools_[tool].chamfer->SetChecked(false);
        tools_[tool].protuberance->SetChecked(false);
        d.chamfer = d.protuberance = false;
        ShowToolFields(tool);
        ShowOptions(tool);
    }
}

void TNastrojDlg::ShowStoredTools() {
    silent_ = true;
    for (int tool : {1, 2}) {
        const ToolData d = Data(tool);
        tools_[tool].chamfer->SetChecked(d.chamfer);
        tools_[tool].protuberance->SetChecked(d.protuberance);
    }
    silent_ = false;
    for (int tool : {1, 2}) {
        const ToolData d = Data(tool);
        ShowToolFields(tool);
        ShowOptions(tool);
        tools_[tool].angle->SetCaption(d.protuberance ? "= " + rt::Str(RadToDeg(d.protuberanceAngle), 7, 4) : "");
        if (d.protuberance)
            d.impossible = !(tool == 1 ? ComputeProtuberanceFlankShift1() : ComputeProtuberanceFlankShift2());
    }
    if (G.Protuberance1 || G.Protuberance2)
        DisableRackFields();
    else
        EnableRackFields();
    MarkRackNonstandard();  // as OK made it
}

// ---------------------------------------------------------------- options

void TNastrojDlg::CheckBox1Click() { OptionClicked(1, false); }
void TNastrojDlg::CheckBox2Click() { OptionClicked(1, true); }
void TNastrojDlg::CheckBox3Click() { OptionClicked(2, false); }
void TNastrojDlg::CheckBox4Click() { OptionClicked(2, true); }

void TNastrojDlg::OptionClicked(int tool, bool protuberanceBox) {
    ShowOptions(tool);
    if (silent_) return;
    ToolData d = Data(tool);
    ui::CheckBox* box = protuberanceBox ? tools_[tool].protuberance : tools_[tool].chamfer;
    (protuberanceBox ? d.protuberance : d.chamfer) = box->Checked();
    TPagesDlg::MarkInputsChanged();
    if (!protuberanceBox) return;
    if (box->Checked()) {
        DisableRackFields();
        ProtuberanceAngleFor(tool);
    } else {
        EnableRackFields();
    }
}

// ---------------------------------------------------------------- protuberance angle

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

bool TNastrojDlg::ProtuberanceAngleFor(int tool) {
    if (tool == 1)
        ComputeProtuberanceAngle1();
    else
        ComputeProtuberanceAngle2();
    return !Data(tool).impossible;
}

// ---------------------------------------------------------------- fields

bool TNastrojDlg::ValidateToolField(ui::Edit* field) {
    int tool = 0, k = -1;
    for (int t : {1, 2})
        for (int i = 0; i < 7; ++i)
            if (tools_[t].edits[i] == field) tool = t, k = i;
    if (tool == 0 || k == 4 || SkipToolChecks) return false;
    ToolData d = Data(tool);
    double* const values[] = {&d.addendum,           &d.crest,           &d.chamferHeight, &d.chamferAngleDeg, nullptr,
                              &d.protuberanceHeight, &d.protuberanceSize};
    double& v = *values[k];
    // still the stored value as the dialog writes it (the angle display may leave out the
    // blank before one-digit degrees): nothing is read back
    const auto unpadded = [](const std::string& s) { return s.substr(std::min(s.find_first_not_of(' '), s.size())); };
    if (unpadded(field->Text()) == unpadded(k == 3 ? ChamferAngleText(v) : Factor(v))) return true;
    ComputationScope computation;
    const GlobalData kept = G;
    const std::string gear = d.gear;
    // a refused value is not kept
    auto refuse = [&](const std::string& message, const char* caption) {
        G = kept;
        ui::MessageBox(message, caption, ui::MB_OK);
        SetActiveControl(field);
        return false;
    };
    auto recomputeAngle = [&] {
        if (!ProtuberanceAngleFor(tool)) ui::MessageBox(kImpossibleProtuberance, kErrorCaption, ui::MB_OK);
    };
    int code = 0;
    rt::Val(field->Text(), v, code);
    G.ValCode = code;
    if (code != 0) return refuse("Invalid format of the number", kErrorCaption);
    const double an = G.alfan;
    switch (k) {
        case 0: {
            const double limit = (kPi / 4) / std::tan(an);
            if (!(v > 0 && v <= limit)) {
                const char* text = tool == 1 ? "Addendum factor of a tool for the pinion must be from 0 to "
                                             : "Addendum factor of a tool for the wheel must lay from 0 to ";
                return refuse(text + Factor(limit), kErrorCaption);
            }
            d.mateAddendum = v - d.mateClearance;
            if (PagesDlg) {
                PagesDlg->InputField(tool == 1 ? 12 : 11)->SetText(Factor(d.mateAddendum));
                if (tool == 1)
                    PagesDlg->LimitRootRadius1();
                else
                    PagesDlg->LimitRootRadius2();
            }
            if (d.protuberance) {
                recomputeAngle();
            } else if (PagesDlg) {
                PagesDlg->ResetWindowCaptions();
                PagesDlg->ComputePairDimensions();
                PagesDlg->ShowTipDiameters();
                PagesDlg->DetectStandardRackProfile();
            }
            break;
        }
        case 1: {
            const double limit = FullRoundedRootRadius(an, d.addendum);
            const bool within = v >= 0 && v <= limit + 0.0001;
            if (!within) {
                v = limit;
                field->SetText(Factor(limit));
            }
            d.rootRadius = v;
            if (PagesDlg) PagesDlg->InputField(tool == 1 ? 15 : 16)->SetText(Factor(v));
            if (!within) {  // the limit taken instead, with a warning
                TPagesDlg::MarkInputsChanged();
                ui::MessageBox(
                    "Crest rounding radius factor of a tool for the " + gear + " must be from 0 to " + Factor(limit),
                    kWarningCaption, ui::MB_OK);
                SetActiveControl(field);
                return false;
            }
            if (d.protuberance) recomputeAngle();
            break;
        }
        case 2:
            if (!(v > 0 && v <= d.rackAddendum))
                return refuse("Height to a chamfering factor must be from 0 to " + Factor(d.rackAddendum) + " (ha" +
                                  std::to_string(tool) + "*).",
                              kWarningCaption);
            break;
        case 3: {
            if (G.AngleFormatDMS && !ReadDmsAngle(v, v)) {  // its message is shown
                G = kept;
                SetActiveControl(field);
                return false;
            }
            d.chamferAngle = DegToRad(v);
            if (!(d.chamferAngle >= an + 0.0000001 && d.chamferAngle <= 1.5707962267948966))
                return refuse("Angle of a chamfering edge must be from " + rt::Str(RadToDeg(an), 7, 4) +
                                  "\xC2\xB0 (alfan) to 90\xC2\xB0.",
                              kWarningCaption);
            if (G.AngleFormatDMS) field->SetText(MainAngleDmsText(v));
            break;
        }
        case 5:
            if (!(v > 0 && v < d.addendum))
                return refuse("Addendum factor of a tool cutting edge for making of the " + gear +
                                  " operating involute\rmust be from 0 to " + rt::Str(d.addendum, 7, 4) + " (haP0" +
                                  std::to_string(tool) + "*)",
                              kWarningCaption);
            recomputeAngle();
            break;
        case 6: {
            const double limit = std::sin(an) * (d.addendum - d.protuberanceHeight) * G.mn;
            if (!(v > 0 && v <= limit))
                return refuse("Protuberance size of the tool for the " + gear + " must be from 0 to " + Factor(limit) +
                                  " [mm]\r(maximum is valid for a sharp crest of the tool).",
                              kWarningCaption);
            recomputeAngle();
            break;
        }
        default: break;
    }
    TPagesDlg::MarkInputsChanged();
    return true;
}

void TNastrojDlg::FieldExit(ui::Edit* field) {
    if (enterValidated_) {
        enterValidated_ = false;
        return;
    }
    ValidateToolField(field);
}

// Enter validates the focused field, and its exit then does not validate it again
// unless something was typed in between.
void TNastrojDlg::FormKeyPress(ui::KeyChar& key) {
    if (key != 13) {
        enterValidated_ = false;
        return;
    }
    auto* field = dynamic_cast<ui::Edit*>(ActiveControl());
    enterValidated_ = field && ValidateToolField(field);
}

void TNastrojDlg::FormKeyUp(ui::Word& key) {
    if (key == ui::VK_ESCAPE) {
        SkipToolChecks = false;
        Close();
    } else if (key == ui::VK_F1) {
        ShowHelpTopic(3);
    }
}

// ---------------------------------------------------------------- buttons

void TNastrojDlg::Button1Click() {
    SkipToolChecks = false;
    SetDefaultTools();
    Label35->SetCaption("");
    Label36->SetCaption("");
    if (PagesDlg) {
        PagesDlg->RadioButton2->SetChecked(false);
        PagesDlg->RadioButton2->SetEnabled(false);
        PagesDlg->CheckBox1->SetEnabled(true);
        for (int code = 11; code <= 16; ++code) PagesDlg->InputField(code)->SetEnabled(true);
    }
    TPagesDlg::MarkInputsChanged();
}

void TNastrojDlg::OKBtnClick() {
    ComputationScope computation;
    for (int tool : {1, 2}) {
        if (Data(tool).protuberance && !ProtuberanceAngleFor(tool)) {
            ui::MessageBox(kImpossibleProtuberance, kErrorCaption, ui::MB_OK);
            return;
        }
    }
    MarkRackNonstandard();
    if (G.Protuberance1 || (G.Protuberance2 && !G.RackMate)) {
        ComputeProtuberanceUndercut();
        ComputePitchesAndFormDiameters();
    }
    Hide();
}

}  // namespace ostrimo
