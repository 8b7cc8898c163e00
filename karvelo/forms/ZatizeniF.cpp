#include "karvelo/forms/ZatizeniF.h"

#include <algorithm>
#include <exception>
#include <utility>

#include "karvelo/calc/Epsilon.h"
#include "karvelo/calc/Global.h"
#include "karvelo/calc/Soubory.h"
#include "karvelo/calc/Vypocet.h"
#include "karvelo/calc/Vypocty1.h"
#include "karvelo/calc/Vypocty_ekv.h"
#include "karvelo/calc/WindowHooks.h"
#include "karvelo/forms/Help1.h"
#include "karvelo/forms/Help2.h"
#include "karvelo/forms/SpektrumF.h"
#include "runtime/NumText.h"

namespace karvelo {

TZatizeni_F* Zatizeni_F = nullptr;

namespace {

// The four equivalent loads in the order of their fields Edit22..Edit25: pinion bending,
// pinion contact, wheel bending, wheel contact.
struct EquivalentLoad {
    double GlobalData::*force;
    double GlobalData::*torque;
    bool GlobalData::*given;
};
constexpr EquivalentLoad kEquivalentLoads[4] = {
    {&GlobalData::FtFe1, &GlobalData::TFe1, &GlobalData::EquivLoadGiven1},
    {&GlobalData::FtHe1, &GlobalData::THe1, &GlobalData::EquivLoadGiven2},
    {&GlobalData::FtFe2, &GlobalData::TFe2, &GlobalData::EquivLoadGiven3},
    {&GlobalData::FtHe2, &GlobalData::THe2, &GlobalData::EquivLoadGiven4},
};

double& LoadOf(const EquivalentLoad& e) { return G.LoadAsForce ? G.*e.force : G.*e.torque; }

std::string LifeText(double cycles, double hours, bool inCycles) {
    return inCycles ? rt::FormatFloat(G.LargeNumberFormat, cycles) : rt::Str(hours, 5, 1);
}

// Whether the equivalent loads of the mode stand for the case as it is.  A spectrum has them from
// its calculation or its data file, while the inputs are those they were computed from; given
// directly, they stand once one of them was typed (or loaded).
bool EquivalentLoadsStand(int mode) {
    if (mode == kMultilevelLoading && !SpectrumResultsStand(G)) return false;
    const auto stands = [mode](const EquivalentLoad& e) {
        return mode == kMultilevelLoading ? LoadOf(e) > 0 : mode == kDirectEquivalentLoad && G.*e.given;
    };
    return std::any_of(std::begin(kEquivalentLoads), std::end(kEquivalentLoads), stands);
}

// The data file of the case, or none when it cannot be stored.
std::optional<std::vector<std::string>> CaseDataFile() {
    try {
        return ComposeDataFile();
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

}  // namespace

// ---------------------------------------------------------------------------------------------

namespace {
// The damage hypothesis of a methodics: Haibach for fig. A.3 and the exact Haibach calculation.
bool HaibachMethodics(int m) { return m == kMethodicsFigA3 || m == kMethodicsHaibach; }

// Every load of the case into forces (F = T 2000 / d1) or torques.  The stored spectrum
// references go with SpectrumRefLoad in every mode, so that a later spectrum finds them in the
// unit of its loads.
void ConvertLoads(bool toForces) {
    GlobalData& g = G;
    if (g.LoadAsForce == toForces) return;
    g.LoadAsForce = toForces;
    const double factor = toForces ? 2000 / g.d1 : g.d1 / 2000;
    g.SpectrumRefLoad *= factor;
    g.SpectrumRefLoadMin *= factor;
    // The converted loads are held as the data file holds them.
    auto convert = [&](double GlobalData::*force, double GlobalData::*torque) {
        if (toForces)
            g.*force = rt::StoredReal(g.*torque * factor);
        else
            g.*torque = rt::StoredReal(g.*force * factor);
    };
    convert(&GlobalData::Ftjm, &GlobalData::Tjm);
    convert(&GlobalData::Ftmax, &GlobalData::Tmax);
    convert(&GlobalData::Ftmin, &GlobalData::Tmin);
    if (g.LoadInputMethod >= kMultilevelLoading)
        for (const EquivalentLoad& e : kEquivalentLoads) convert(e.force, e.torque);
}
}  // namespace

void ConvertLoadsToForces() { ConvertLoads(true); }
void ConvertLoadsToTorques() { ConvertLoads(false); }

void ClearEquivalentLoadsGiven() {
    for (const EquivalentLoad& e : kEquivalentLoads) G.*e.given = false;
}

// ---------------------------------------------------------------------------------------------

TZatizeni_F::TZatizeni_F() : InputWindow("Zatizeni_F") {
    SetCaption("Loading data");
    SetClientSize(640, 386);
    Position = ui::Position::BesideOwner;
    BorderIcons = 0;
    BorderStyle = ui::BorderStyle::Single;
    KeyPreview = true;
    auto plainPanel = [](ui::Container* parent, const std::string& name, ui::Bounds b) {
        auto* p = new ui::Panel(parent, name, b);
        p->SetBevelOuter(ui::BevelCut::None);
        return p;
    };
    // A field row: caption, edit and, where given, a unit or help button to the right.
    constexpr int kEditLeft = 118, kEditWidth = 86;
    auto field = [&](ui::Container* parent, int n, int y, const std::string& caption, std::function<void()> check) {
        AddLabel(parent, 10, y + 3, caption);
        return AddField(n, parent, {kEditLeft, y, kEditWidth, 21}, std::move(check));
    };
    auto help = [&](ui::Container* parent, const std::string& name, int y) {
        return new ui::Button(parent, name, {kEditLeft + kEditWidth + 6, y, 50, 21}, "Help");
    };

    GroupBox1 = new ui::GroupBox(this, "GroupBox1", {8, 6, 250, 84}, "Calculation method");
    RadioButton3 = new ui::RadioButton(GroupBox1, "RadioButton3", {10, 20, 234, 17}, "One level loading (static)");
    RadioButton4 = new ui::RadioButton(GroupBox1, "RadioButton4", {10, 40, 234, 17}, "Multilevel loading (spectrum)");
    RadioButton5 = new ui::RadioButton(GroupBox1, "RadioButton5", {10, 60, 234, 17}, "Direct input of equivalent load");
    CheckBox1 = new ui::CheckBox(this, "CheckBox1", {272, 12, 360, 17}, "Equivalent load + Ka (ISO - fig. A3)");
    CheckBox2 = new ui::CheckBox(this, "CheckBox2", {272, 31, 360, 17}, "Equivalent load + Ka (ISO - eq. A2)");
    CheckBox3 = new ui::CheckBox(this, "CheckBox3", {272, 50, 360, 17}, "Equivalent load and stress - Miner");
    CheckBox4 = new ui::CheckBox(this, "CheckBox4", {272, 69, 360, 17}, "Equivalent load and stress - Haibach");

    // ---- one level
    Panel2 = new ui::Panel(this, "Panel2", {8, 96, 624, 222});
    loadLabels_[0] = AddLabel(Panel2, 10, 13, "T1  [N·m]");
    loadLabels_[1] = AddLabel(Panel2, 10, 13, "Ft1  [N]");
    AddField(1, Panel2, {kEditLeft, 10, kEditWidth, 21}, [this] { CheckInputNominalLoad(); });
    field(Panel2, 2, 38, "n1  [rev/min]", [this] { CheckInputSpeed(); });
    field(Panel2, 3, 66, "NL1", [this] { CheckInputLife(true); });
    field(Panel2, 4, 94, "NL2", [this] { CheckInputLife(false); });
    field(Panel2, 5, 122, "R1", [this] { CheckInputStressRatio(1); });
    Button1 = help(Panel2, "Button1", 122);
    field(Panel2, 6, 150, "R2", [this] { CheckInputStressRatio(2); });
    Button2 = help(Panel2, "Button2", 150);
    field(Panel2, 7, 178, "KA", [this] { CheckInputKA(); });
    Button3 = help(Panel2, "Button3", 178);
    auto* cycles1 = plainPanel(Panel2, "Panel6", {330, 60, 200, 44});
    RadioButton1 = new ui::RadioButton(cycles1, "RadioButton1", {4, 2, 190, 17}, "Cycles");
    RadioButton2 = new ui::RadioButton(cycles1, "RadioButton2", {4, 22, 190, 17}, "Hours");
    auto* unit1 = plainPanel(Panel2, "Panel7", {330, 6, 200, 44});
    RadioButton7 = new ui::RadioButton(unit1, "RadioButton7", {4, 2, 190, 17}, "Tangent. force Ft");
    RadioButton8 = new ui::RadioButton(unit1, "RadioButton8", {4, 22, 190, 17}, "Torque moment T");

    // ---- spectrum
    Panel1 = new ui::Panel(this, "Panel1", {8, 96, 300, 222});
    field(Panel1, 18, 10, "n1  [rev/min]", [this] { CheckInputSpeed(); });
    field(Panel1, 19, 38, "R1", [this] { CheckInputStressRatio(1); });
    Button10 = help(Panel1, "Button10", 38);
    field(Panel1, 20, 66, "R2", [this] { CheckInputStressRatio(2); });
    Button11 = help(Panel1, "Button11", 66);
    LabelKA = AddLabel(Panel1, 10, 100, "K   = ");
    AddLabel(Panel1, 18, 106, "A")->SetFontPixels(9);
    RadioButton11 = new ui::RadioButton(Panel1, "RadioButton11", {10, 140, 200, 17}, "Tangential forces Ft ");
    RadioButton12 = new ui::RadioButton(Panel1, "RadioButton12", {10, 162, 200, 17}, "Torque moments T");

    Panel4 = new ui::Panel(this, "Panel4", {316, 96, 316, 222});
    headingLabels_[0] = AddLabel(Panel4, 10, 10, "Equivalent loads  [N·m]");
    headingLabels_[1] = AddLabel(Panel4, 10, 10, "Equivalent loads  [N]");
    const char* const cases[4] = {"Fe1", "He1", "Fe2", "He2"};
    for (int k = 0; k < 4; ++k) {
        const int y = 40 + 26 * k;
        symbolLabels_[0][k] = AddLabel(Panel4, 10, y, std::string("T") + cases[k] + " =");
        symbolLabels_[1][k] = AddLabel(Panel4, 10, y, std::string("Ft") + cases[k] + " =");
        EquivalentLoadLabels[k] = AddLabel(Panel4, 70, y, "0");
        stressColumn_[k] = AddLabel(Panel4, 170, y, std::string("σ") + cases[k] + " =");
        EquivalentStressLabels[k] = AddLabel(Panel4, 226, y, "0");
    }
    stressColumn_[4] = AddLabel(Panel4, 226, 10, "[MPa]");
    for (int k = 0; k < 4; ++k) stressColumn_[5 + k] = EquivalentStressLabels[k];

    // ---- equivalent loads given
    Panel3 = new ui::Panel(this, "Panel3", {8, 96, 300, 222});
    field(Panel3, 9, 10, "n1  [rev/min]", [this] { CheckInputSpeed(); });
    field(Panel3, 10, 38, "NL1", [this] { CheckInputLife(true); });
    field(Panel3, 11, 66, "NL2", [this] { CheckInputLife(false); });
    field(Panel3, 12, 94, "R1", [this] { CheckInputStressRatio(1); });
    Button5 = help(Panel3, "Button5", 94);
    field(Panel3, 13, 122, "R2", [this] { CheckInputStressRatio(2); });
    Button6 = help(Panel3, "Button6", 122);
    AddLabel(Panel3, 10, 152, "K    = 1");
    AddLabel(Panel3, 18, 158, "A")->SetFontPixels(9);
    auto* cycles3 = plainPanel(Panel3, "Panel8", {6, 174, 140, 44});
    RadioButton6 = new ui::RadioButton(cycles3, "RadioButton6", {4, 2, 130, 17}, "Cycles");
    RadioButton9 = new ui::RadioButton(cycles3, "RadioButton9", {4, 22, 130, 17}, "Hours");
    auto* unit3 = plainPanel(Panel3, "Panel9", {150, 174, 146, 44});
    RadioButton13 = new ui::RadioButton(unit3, "RadioButton13", {4, 2, 140, 17}, "Tangent. force  Ft");
    RadioButton10 = new ui::RadioButton(unit3, "RadioButton10", {4, 22, 140, 17}, "Torque moment T");
    const std::pair<ui::Container*, int> unitRows[4] = {{Panel2, 66}, {Panel2, 94}, {Panel3, 38}, {Panel3, 66}};
    for (int i = 0; i < 4; ++i) {
        const auto [panel, y] = unitRows[i];
        unitLabels_[i][0] = AddLabel(panel, kEditLeft + kEditWidth + 6, y + 3, "[cycles]");
        unitLabels_[i][1] = AddLabel(panel, kEditLeft + kEditWidth + 6, y + 3, "[hours]");
    }

    Panel5 = new ui::Panel(this, "Panel5", {316, 96, 316, 222});
    AddLabel(Panel5, 10, 10, "Equivalent loads");
    for (int k = 0; k < 4; ++k) {
        const int y = 40 + 28 * k;
        givenLabels_[0][k] = AddLabel(Panel5, 10, y + 3, std::string("T") + cases[k] + "  [N·m]");
        givenLabels_[1][k] = AddLabel(Panel5, 10, y + 3, std::string("Ft") + cases[k] + "  [N]");
        AddField(22 + k, Panel5, {130, y, 90, 21}, [this, k] { CheckInputEquivalentLoad(k); });
    }

    LabelCalculating = AddLabel(this, 10, 328, "It is calculating");
    const char* const warnings[4] = {"*", "Strength limit", "is", "exceeded !"};
    const int warningLeft[4] = {330, 342, 420, 436};
    for (int i = 0; i < 4; ++i) {
        WarningLabels[i] = AddLabel(this, warningLeft[i], 328, warnings[i]);
        WarningLabels[i]->SetFontColor(ui::clRed);
    }
    Button4 = new ui::Button(this, "Button4", {8, 352, 89, 25}, "Draw");
    Button12 = new ui::Button(this, "Button12", {104, 352, 110, 25}, "Enter spectrum");
    Button15 = new ui::Button(this, "Button15", {440, 352, 89, 25}, "&Help");
    Button15->SetEnabled(false);
    Button14 = new ui::Button(this, "Button14", {540, 352, 89, 25}, "&Ok");

    // The design state; the activation brings them into line with the data.
    RadioButton3->SetChecked(true);
    CheckBox4->SetChecked(true);
    RadioButton1->SetChecked(true);
    RadioButton6->SetChecked(true);
    RadioButton8->SetChecked(true);
    RadioButton10->SetChecked(true);
    RadioButton12->SetChecked(true);

    RadioButton3->OnClick = [this] { RadioButton3Click(); };
    RadioButton4->OnClick = [this] { RadioButton4Click(); };
    RadioButton5->OnClick = [this] { RadioButton5Click(); };
    for (ui::RadioButton* r : {RadioButton1, RadioButton6}) r->OnClick = [this] { RadioButton1Click(); };
    for (ui::RadioButton* r : {RadioButton2, RadioButton9}) r->OnClick = [this] { RadioButton2Click(); };
    for (ui::RadioButton* r : {RadioButton7, RadioButton13}) r->OnClick = [this] { RadioButton7Click(); };
    for (ui::RadioButton* r : {RadioButton8, RadioButton10}) r->OnClick = [this] { RadioButton8Click(); };
    RadioButton11->OnClick = [this] { RadioButton11Click(); };
    RadioButton12->OnClick = [this] { RadioButton12Click(); };
    ui::CheckBox* boxes[4] = {CheckBox1, CheckBox2, CheckBox3, CheckBox4};
    for (int K = kMethodicsFigA3; K <= kMethodicsHaibach; ++K)
        boxes[K - kMethodicsFigA3]->OnClick = [this, K] { CheckBoxClick(K); };
    for (ui::Button* b : {Button1, Button2, Button5, Button6, Button10, Button11})
        b->OnClick = [this] { Button11Click(); };
    Button3->OnClick = [this] { Button13Click(); };
    Button12->OnClick = [this] { Button12Click(); };
    Button4->OnClick = [this] { Button4Click(); };
    Button14->OnClick = [this] { Button14Click(); };
    OnCreate = [this] { FormCreate(); };
    OnActivate = [this] { FormActivate(); };
    OnPaint = [this] { FormPaint(); };
    OnKeyUp = [this](ui::Word& key, ui::ShiftState) { FormKeyUp(key); };
}

// Runs after the main window's defaults and overrides some of them.
void TZatizeni_F::FormCreate() {
    G.LoadAsForce = false;
    G.SpectrumInCycles = true;
    G.LoadInputMethod = kOneLevelLoading;
    G.CalcMethodics = kMethodicsHaibach;
    ShowModePanels();
    for (auto& pair : unitLabels_) pair[1]->Hide();
    for (ui::Label* l : symbolLabels_[1]) l->Hide();
    for (ui::Label* l : symbolLabels_[0]) l->Hide();
    for (ui::Label* l : givenLabels_[1]) l->Hide();
    for (ui::Label* l : givenLabels_[0]) l->Hide();
    headingLabels_[0]->Hide();
    headingLabels_[1]->Hide();
    ClearEquivalentLoadFields();
    Button4->SetEnabled(false);
    Button12->SetEnabled(false);
    CheckBox1->SetEnabled(false);
    CheckBox2->SetEnabled(false);
}

void TZatizeni_F::ShowModePanels() {
    const int mode = G.LoadInputMethod;
    const bool spectrum = mode == kMultilevelLoading, direct = mode == kDirectEquivalentLoad;
    Panel2->SetVisible(mode == kOneLevelLoading);
    Panel1->SetVisible(spectrum);
    Panel4->SetVisible(spectrum);
    LabelCalculating->SetVisible(spectrum);
    Panel3->SetVisible(direct);
    Panel5->SetVisible(direct);
    for (ui::CheckBox* box : {CheckBox1, CheckBox2, CheckBox3, CheckBox4}) box->SetVisible(!direct);
    CheckBox1->SetEnabled(spectrum);
    CheckBox2->SetEnabled(spectrum);
}

// The activation shows the case's mode and methodics without their handlers, which act on a
// change of them (they zero the equivalent values and reset KA and the factors of a mode), so
// what the case holds after it does not depend on what the buttons showed before.  The
// hypothesis follows the methodics.
void TZatizeni_F::FormActivate() {
    GlobalData& g = G;
    BringDerivedIntoLine();
    Panel1->SetEnabled(true);
    Button12->SetEnabled(true);
    (g.LoadInputMethod == kMultilevelLoading      ? RadioButton4
     : g.LoadInputMethod == kDirectEquivalentLoad ? RadioButton5
                                                  : RadioButton3)
        ->SetCheckedQuietly(true);
    ShowModePanels();
    ShowMethodics();
    SyncLoadingRadioButtons();
    ShowEquivalentStresses();
    Repaint();
}

void TZatizeni_F::ShowMethodics() {
    ui::CheckBox* boxes[4] = {CheckBox1, CheckBox2, CheckBox3, CheckBox4};  // by methodics
    const int m = G.CalcMethodics;
    if (m >= kMethodicsFigA3 && m <= kMethodicsHaibach) {
        for (int K = kMethodicsFigA3; K <= kMethodicsHaibach; ++K)
            boxes[K - kMethodicsFigA3]->SetCheckedQuietly(K == m);
        G.HypothesisHaibach = HaibachMethodics(m);
    }
}

void TZatizeni_F::FormPaint() {
    GlobalData& g = G;
    // A refused number the user is correcting is not the case's yet.
    if (!HoldsRefusedValue()) BringDerivedIntoLine();
    CountLevelsOverStaticLimit();
    const bool over = AnyStaticOverload();
    for (ui::Label* l : WarningLabels) l->SetVisible(g.LoadInputMethod == kMultilevelLoading && over);

    const int unit = g.LoadAsForce ? 1 : 0;
    FillField(1, rt::Str(g.LoadAsForce ? g.Ftjm : g.Tjm, 5, 1));
    loadLabels_[unit]->Show();
    loadLabels_[1 - unit]->Hide();
    headingLabels_[unit]->Show();
    headingLabels_[1 - unit]->Hide();
    for (int k = 0; k < 4; ++k) {
        const double load = LoadOf(kEquivalentLoads[k]);
        EquivalentLoadLabels[k]->SetCaption(rt::Str(load, 5, 1));
        FillField(22 + k, rt::Str(load, 5, 1));
        symbolLabels_[unit][k]->Show();
        symbolLabels_[1 - unit][k]->Hide();
        givenLabels_[unit][k]->Show();
        givenLabels_[1 - unit][k]->Hide();
    }

    ShowLives(g.SpectrumInCycles);
    for (auto& pair : unitLabels_) {
        pair[0]->SetVisible(g.SpectrumInCycles);
        pair[1]->SetVisible(!g.SpectrumInCycles);
    }

    const double stresses[4] = {g.SigmaF1ekv, g.SigmaH1ekv, g.SigmaF2ekv, g.SigmaH2ekv};
    for (int k = 0; k < 4; ++k) ShowOverloadMark(EquivalentStressLabels[k], rt::Str(stresses[k], 5, 1), k);

    ShowSpeed();
    for (int n : {5, 19, 12}) FillField(n, StressRatioText(g.R1));
    for (int n : {6, 20, 13}) FillField(n, StressRatioText(g.R2));
    FillField(7, rt::Str(g.KA, 5, 3));
    LabelKA->SetCaption("K   = " + rt::Str(g.KA, 5, 3));

    const bool oneLevel = g.LoadInputMethod == kOneLevelLoading;
    CheckBox3->SetCaption(oneLevel ? "Calculation by Miner" : "Equivalent load and stress - Miner");
    CheckBox4->SetCaption(oneLevel ? "Calculation by Haibach" : "Equivalent load and stress - Haibach");
}

void TZatizeni_F::FormKeyUp(ui::Word key) { HelpKeyUp(key, HelpContext()); }

unsigned long TZatizeni_F::HelpContext() const {
    if (G.LoadInputMethod == kOneLevelLoading) return 42;
    switch (G.CalcMethodics) {
        case kMethodicsFigA3: return 43;
        case kMethodicsEqA2: return 45;
        case kMethodicsMiner: return 46;
        default: return 41;
    }
}

// ---------------------------------------------------------------------------------------------
// Modes

// Every switch of the load mode goes through SwitchLoadMode.  What one level takes when it is
// chosen is decided in EnterOneLevel alone, by the first rule that applies:
// 1. the largest equivalent load and the equivalent factors, with KA 1, where the equivalent loads
//    of a spectrum by Miner or Haibach, or those given, stand for the case as it is
//    (EquivalentLoadsStand: calculated, loaded or typed for the inputs as they now are);
// 2. an approximate spectrum keeps its nominal load, the input it shares with one level: with its
//    KA where its results stand (TakeApproximateLoadAsOneLoad), else with the KA and factors the
//    case last had in one level, else with no KA, which Ok then asks for;
// 3. the nominal load, KA and factors the case last had in one level (TOneLevelLoad, kept as the
//    case leaves one level, also across closing this window);
// 4. no nominal load, so that Ok and Calculation ask for one.
// The partner of a load in the other unit is derived from the load, never kept.  A switch made
// while nothing changed since the last one (the data file as that switch left it, the window
// shown throughout) counts from the case before that switch: passing through a mode with nothing
// typed changes nothing, and a switch straight back gives the case back as it was.
void TZatizeni_F::SwitchLoadMode(int mode) {
    GlobalData& g = G;
    BringDerivedIntoLine();
    // The undo gives the case back whole, its one-level load included.
    if (lastSwitch_ && lastSwitch_->file && CaseDataFile() == lastSwitch_->file) {
        GlobalData before = std::move(lastSwitch_->before);
        CarryProgramState(before, g);
        g = std::move(before);
        ShowMethodics();
        ShowEquivalentStresses();
    }
    lastSwitch_.reset();
    const int left = g.LoadInputMethod;
    if (left == kOneLevelLoading && mode != kOneLevelLoading) RememberOneLevelLoad(g);
    if (left != mode) {
        GlobalData before = g;
        g.LifeValid = false;
        if (mode == kOneLevelLoading) EnterOneLevel(left);
        if (mode == kMultilevelLoading) EnterSpectrum();
        if (mode == kDirectEquivalentLoad) EnterEquivalentLoads();
        BringDerivedIntoLine();
        if (Visible()) lastSwitch_ = ModeSwitch{left, std::move(before), CaseDataFile()};
    }
    ShowModePanels();
    ShowMethodics();
    if (mode == kOneLevelLoading) Button4->SetEnabled(false);
    SyncLoadingRadioButtons();
    Repaint();
    if (MainWindow().RepaintMainWindow) MainWindow().RepaintMainWindow();
}

void TZatizeni_F::RadioButton3Click() { SwitchLoadMode(kOneLevelLoading); }
void TZatizeni_F::RadioButton4Click() { SwitchLoadMode(kMultilevelLoading); }
void TZatizeni_F::RadioButton5Click() { SwitchLoadMode(kDirectEquivalentLoad); }

void TZatizeni_F::EnterOneLevel(int previous) {
    GlobalData& g = G;
    const bool approximate =
        previous == kMultilevelLoading && (g.CalcMethodics == kMethodicsFigA3 || g.CalcMethodics == kMethodicsEqA2);
    const bool nominal = (g.LoadAsForce ? g.Ftjm : g.Tjm) > 0;
    if (approximate && nominal) {
        if (EquivalentLoadsStand(previous)) {
            TakeApproximateLoadAsOneLoad(g);
        } else {
            const double Ftjm = g.Ftjm, Tjm = g.Tjm;
            if (TakeOneLevelLoad(g))
                g.Ftjm = Ftjm, g.Tjm = Tjm;
            else
                g.KA = 0;
        }
    } else if (EquivalentLoadsStand(previous) && !approximate) {
        (g.LoadAsForce ? g.Ftjm : g.Tjm) = LargestEquivalentLoad(g);
        DeriveNominalLoadPartner(g);
        g.FtFe1Used = g.FtFe1;
        g.FtHe1Used = g.FtHe1;
        g.FtFe2Used = g.FtFe2;
        g.FtHe2Used = g.FtHe2;
        g.KHbeta = g.KHbetaEkv;
        g.KHalfa = g.KHalfaEkv;
        g.Kv = g.KvEkv;
        g.KH = g.KHbeta * g.KHalfa * g.Kv;
        g.KFbeta = g.KFbetaEkv;
        g.KFalfa = g.KFalfaEkv;
        g.KF = g.KFbeta * g.KFalfa * g.Kv;
        g.KA = 1;  // the equivalent loads of a spectrum's levels are actual loads, as are those given
    } else if (!TakeOneLevelLoad(g)) {
        g.Ftjm = 0;
        g.Tjm = 0;
    }
    g.LevelCount = 1;
    g.LoadInputMethod = kOneLevelLoading;
    // The hypothesis stays: Miner for Miner and equation A.2, Haibach for Haibach and figure A.3,
    // as the Calculation rates an approximate spectrum and as the service-life window takes them
    // (through the box's handler also when the box shows a choice the data no longer has).
    const bool miner = g.CalcMethodics == kMethodicsMiner || g.CalcMethodics == kMethodicsEqA2;
    const int methodics = miner ? kMethodicsMiner : kMethodicsHaibach;
    ui::CheckBox* box = miner ? CheckBox3 : CheckBox4;
    if (box->Checked() && g.CalcMethodics != methodics)
        CheckBoxClick(methodics);
    else
        box->SetChecked(true);
    ClearEquivalentLoadsGiven();
    Button12->SetEnabled(false);
}

// The second and third given-flags belong to the pinion contact and wheel bending loads, as
// their fields Edit23 and Edit24 set them.  A spectrum by Miner or Haibach takes the KA its
// methodics box gives it: its levels are the actual loads.
void TZatizeni_F::EnterSpectrum() {
    GlobalData& g = G;
    g.LoadInputMethod = kMultilevelLoading;
    if (g.CalcMethodics >= kMethodicsMiner) g.KA = 1;
    for (const EquivalentLoad& e : kEquivalentLoads)
        if (!(g.*e.given)) g.*e.force = g.*e.torque = 0;
    Button12->SetEnabled(true);
    g.EquivalentStressesCurrent = false;
    ShowEquivalentStresses();
}

// The forces of the given equivalent loads; the nominal load is the case's and stays.
void TZatizeni_F::EnterEquivalentLoads() {
    GlobalData& g = G;
    g.LoadInputMethod = kDirectEquivalentLoad;
    if (g.CalcMethodics == kMethodicsFigA3) g.CalcMethodics = kMethodicsHaibach;
    if (g.CalcMethodics == kMethodicsEqA2) g.CalcMethodics = kMethodicsMiner;
    const double Ftjm = g.Ftjm, Tjm = g.Tjm;
    ComputeForcesFromTorques();
    g.Ftjm = Ftjm, g.Tjm = Tjm;
    SetEquivalentLoadFactorsToOne(g);
    g.KHbetaDirect = g.KHalfaDirect = g.KFalfaDirect = g.KFbetaDirect = g.KvDirect = true;
    g.KHbetaMethod = "primo";  // KHbeta is given, as the data file then holds it
    Button12->SetEnabled(false);
}

void TZatizeni_F::WindowHidden() {
    InputWindow::WindowHidden();
    lastSwitch_.reset();
}

void TZatizeni_F::RadioButton1Click() {
    ConvertKeepingResults(G, [] {
        ConvertHoursToCycles();
        G.SpectrumInCycles = true;
    });
    Repaint();
}

void TZatizeni_F::RadioButton2Click() {
    ConvertKeepingResults(G, [] {
        ConvertCyclesToHours();
        G.SpectrumInCycles = false;
    });
    Repaint();
}

void TZatizeni_F::RadioButton7Click() {
    ConvertKeepingResults(G, ConvertLoadsToForces);
    SyncLoadingRadioButtons();
    Repaint();
}

void TZatizeni_F::RadioButton8Click() {
    ConvertKeepingResults(G, ConvertLoadsToTorques);
    SyncLoadingRadioButtons();
    Repaint();
}

// The spectrum loads follow only when they are absolute loads held in the other unit.
void TZatizeni_F::RadioButton11Click() {
    ConvertKeepingResults(G, [] {
        ConvertLoadsToForces();
        HoldSpectrumLoadsAs(true);
    });
    SyncLoadingRadioButtons();
    Repaint();
}

void TZatizeni_F::RadioButton12Click() {
    ConvertKeepingResults(G, [] {
        ConvertLoadsToTorques();
        HoldSpectrumLoadsAs(false);
    });
    SyncLoadingRadioButtons();
    Repaint();
}

void TZatizeni_F::CheckBoxClick(int K) {
    GlobalData& g = G;
    ui::CheckBox* boxes[4] = {CheckBox1, CheckBox2, CheckBox3, CheckBox4};  // by methodics
    if (K <= kMethodicsEqA2) g.LifeValid = false;
    if (g.CalcMethodics != K) {
        ZeroEquivalentLoads();
        ZeroEquivalentStresses();
    }
    if (!boxes[K - kMethodicsFigA3]->Checked()) return;
    const bool nominalWasInput = NominalLoadIsInput(g);
    g.CalcMethodics = static_cast<std::int16_t>(K);
    g.HypothesisHaibach = HaibachMethodics(K);
    if (!nominalWasInput && NominalLoadIsInput(g)) {
        // What the nominal load held was the calculation's work value, no input: the approximate
        // spectrum takes the case's own one-level load, or none.
        GlobalData one = g;
        const bool held = TakeOneLevelLoad(one);
        g.Ftjm = held ? one.Ftjm : 0;
        g.Tjm = held ? one.Tjm : 0;
    }
    if (K >= kMethodicsMiner && g.LoadInputMethod == kMultilevelLoading) g.KA = 1;
    Panel1->SetEnabled(true);
    Button12->SetEnabled(true);
    for (int other = kMethodicsFigA3; other <= kMethodicsHaibach; ++other)
        if (other != K) boxes[other - kMethodicsFigA3]->SetChecked(false);
    ClearEquivalentLoadsGiven();
    SyncLoadingRadioButtons();
    g.EquivalentStressesCurrent = false;
    ShowEquivalentStresses();
    Repaint();
    if (MainWindow().RepaintMainWindow) MainWindow().RepaintMainWindow();
}

// ---------------------------------------------------------------------------------------------
// Buttons

void TZatizeni_F::Button11Click() {
    if (Help_1) Help_1->Show();
}

void TZatizeni_F::Button13Click() {
    if (Help_2) Help_2->Show();
}

void TZatizeni_F::Button12Click() {
    GlobalData& g = G;
    g.SpectrumLevelsShown = g.KHbetaDirect || g.KHalfaDirect || g.KFalfaDirect || g.KFbetaDirect || g.KvDirect;
    SaveSpectrumEscValues();
    Button4->SetEnabled(true);
    if (!Spektrum_F) return;
    switch (g.CalcMethodics) {
        case kMethodicsFigA3:
            Spektrum_F->SetCaption(
                "Approximate calculation of an equivalent load and a factor Ka by ISO 6336/6 - fig. A.3");
            break;
        case kMethodicsEqA2:
            Spektrum_F->SetCaption(
                "Approximate calculation of an equivalent load and a factor Ka by ISO 6336/6 - equation A.2");
            break;
        case kMethodicsMiner:
            Spektrum_F->SetCaption("Precise calculation of an equivalent load and stress by Miner");
            break;
        case kMethodicsHaibach:
            Spektrum_F->SetCaption("Precise calculation of an equivalent load and stress by Haibach");
            break;
        default: break;
    }
    Spektrum_F->ShowModal();
}

void TZatizeni_F::Button4Click() {
    GlobalData& g = G;
    const win::AccuracyWindowScope once(win::AccuracyRequests::Once);
    CheckLoadingComplete();
    if (!g.LoadingInputComplete) return;
    ComputeForcesFromTorques();
    if (g.CalcMethodics == kMethodicsFigA3 || g.CalcMethodics == kMethodicsEqA2) ComputeEffectiveFaceWidths();
    if (g.LoadInputMethod != kMultilevelLoading) {
        ComputeContactRatios();
        ComputeContactStress();
        ComputeBendingStress();
    }
    if (g.CalcMethodics == kMethodicsHaibach) {
        if (g.LoadInputMethod == kMultilevelLoading)
            ComputeEquivalentLoads();
        else if (MainWindow().PrepareCoursesData)
            MainWindow().PrepareCoursesData();
    }
    if (MainWindow().ShowCoursesWindow) MainWindow().ShowCoursesWindow();
}

void TZatizeni_F::Button14Click() {
    GlobalData& g = G;
    const win::AccuracyWindowScope once(win::AccuracyRequests::Once);
    if (!g.SpectrumInCycles && (g.NL2h - 0.001 > g.NL1h || g.NL2h + 0.001 < g.NL1h))
        ui::ShowMessage("Životnosti pastorku a kola v hodinách se většinou rovnají");
    CheckLoadingComplete();
    if (!g.LoadingInputComplete) return;
    ComputeForcesFromTorques();
    if (g.LoadInputMethod == kDirectEquivalentLoad) ComputeEquivalentLoads();
    ModalResult = ui::mrOk;
}

// ---------------------------------------------------------------------------------------------
// Routines

void TZatizeni_F::ShowEquivalentStresses() {
    GlobalData& g = G;
    const bool shown = g.CalcMethodics >= kMethodicsMiner;
    for (ui::Label* l : stressColumn_) l->SetVisible(shown);
    if (!g.EquivalentStressesCurrent && !g.LifeFormActive) {
        ZeroEquivalentStresses();
        for (const EquivalentLoad& e : kEquivalentLoads)
            if (!(g.LoadInputMethod == kDirectEquivalentLoad && g.*e.given)) g.*e.force = g.*e.torque = 0;
        for (int k = 0; k < 4; ++k) {
            EquivalentStressLabels[k]->SetCaption("0");
            EquivalentLoadLabels[k]->SetCaption(rt::Str(LoadOf(kEquivalentLoads[k]), 1, 0));
        }
    }
    g.EquivalentStressesCurrent = true;
}

void TZatizeni_F::CountLevelsOverStaticLimit() { CountStaticOverloads(); }

void TZatizeni_F::CheckLoadingComplete() {
    GlobalData& g = G;
    BringDerivedIntoLine();
    g.LoadingInputComplete = true;
    auto fail = [&](const char* message, ui::Control* focus) {
        ui::ShowMessage(message);
        SetActiveControl(focus);
        g.LoadingInputComplete = false;
    };
    const int p = std::clamp<int>(g.LevelCount, 1, kMaxLevels);
    auto anyLevel = [&](const TLevelArray& values) {
        for (int j = 1; j <= p; ++j)
            if (values[j] <= 0) return true;
        return false;
    };
    switch (g.LoadInputMethod) {
        case kOneLevelLoading:
            if (g.Ftjm == 0 && g.Tjm == 0)
                return fail("Incomplet input - nominal torque moment (force) is  missing.", Field(1));
            if ((g.SpectrumInCycles ? g.NL1 : g.NL1h) <= 0)
                return fail("Incomplet input - pinion cycles (hours) are missing.", Field(3));
            if ((g.SpectrumInCycles ? g.NL2 : g.NL2h) <= 0)
                return fail("Incomplet input - wheel cycles (hours) are missing.", Field(4));
            // A KA taken from a spectrum whose results no longer stood, or kept from before its field.
            if (!(g.KA >= 1)) return fail("Invalid input, factor KA must be >=1", Field(7));
            return;
        case kMultilevelLoading:
            if (anyLevel(g.SpectrumY)) return fail("Some moments (forces) are missing.", Button12);
            if (g.HypothesisHaibach && g.LoadAsForce && std::min({g.FtFe1, g.FtFe2, g.FtHe1, g.FtHe2}) <= 0)
                return fail("All the equivalent forces are not calculated - enter spectrum.", Button12);
            if (g.HypothesisHaibach && !g.LoadAsForce && std::min({g.TFe1, g.TFe2, g.THe1, g.THe2}) <= 0)
                return fail("All the equivalent torque moments are not calculated - enter spectrum.", Button12);
            if (anyLevel(g.SpectrumX)) return fail("All cycles of the spectrum are not yet entered.", Button12);
            return;
        case kDirectEquivalentLoad:
            for (const EquivalentLoad& e : kEquivalentLoads)
                if (LoadOf(e) <= 0) return fail("All forces of the spectrum are not yet entered.", Field(22));
            return;
        default: return;
    }
}

void TZatizeni_F::SyncLoadingRadioButtons() {
    if (G.LoadAsForce)
        for (ui::RadioButton* r : {RadioButton7, RadioButton11, RadioButton13}) r->SetChecked(true);
    else
        for (ui::RadioButton* r : {RadioButton8, RadioButton10, RadioButton12}) r->SetChecked(true);
    if (G.SpectrumInCycles)
        for (ui::RadioButton* r : {RadioButton1, RadioButton6}) r->SetChecked(true);
    else
        for (ui::RadioButton* r : {RadioButton2, RadioButton9}) r->SetChecked(true);
    Button12->SetEnabled(G.LoadInputMethod == kMultilevelLoading);
}

void TZatizeni_F::ShowLives(bool cycles) {
    for (int n : {3, 10}) FillField(n, LifeText(G.NL1, G.NL1h, cycles));
    for (int n : {4, 11}) FillField(n, LifeText(G.NL2, G.NL2h, cycles));
}

void TZatizeni_F::ShowSpeed() {
    for (int n : {2, 18, 9}) FillField(n, rt::Str(G.n1, 5, 1));
}

void TZatizeni_F::ClearEquivalentLoadFields() {
    for (int n = 22; n <= 25; ++n) Field(n)->SetText("");
}

void TZatizeni_F::MarkLoadedEquivalentLoads() {
    if (G.LoadInputMethod != kDirectEquivalentLoad) return;
    for (const EquivalentLoad& e : kEquivalentLoads) G.*e.given = LoadOf(e) > 0;
}

void TZatizeni_F::FocusFieldBeside(std::initializer_list<std::pair<ui::Control*, int>> buttons) {
    for (const auto& [button, field] : buttons)
        if (ActiveControl() == button) FocusField(field);
}

void TZatizeni_F::FocusFieldBesideRHelp() {
    FocusFieldBeside({{Button1, 5}, {Button2, 6}, {Button10, 19}, {Button11, 20}});
}

void TZatizeni_F::FocusFieldBesideKAHelp() { FocusFieldBeside({{Button3, 7}}); }

// ---------------------------------------------------------------------------------------------
// Validators

void TZatizeni_F::CheckInputNominalLoad() {
    GlobalData& g = G;
    double& load = g.LoadAsForce ? g.Ftjm : g.Tjm;
    if (!ReadNumber(load) || !(load > 0)) return Refuse("Invalid input");
    DeriveNominalLoadPartner(g);
}

void TZatizeni_F::CheckInputSpeed() {
    GlobalData& g = G;
    if (!ReadNumber(g.n1) || !(g.n1 > 0)) return Refuse("Invalid input");
    RunLevelsAt(g, g.n1);
}

void TZatizeni_F::CheckInputLife(bool pinion) {
    GlobalData& g = G;
    double& life = pinion ? (g.SpectrumInCycles ? g.NL1 : g.NL1h) : (g.SpectrumInCycles ? g.NL2 : g.NL2h);
    if (!ReadNumber(life) || !(life > 0)) Refuse("Invalid input");
}

void TZatizeni_F::CheckInputKA() {
    if (!ReadNumber(G.KA) || !(G.KA >= 1)) Refuse("Invalid input, factor KA must be >=1");
}

void TZatizeni_F::CheckInputEquivalentLoad(int k) {
    double& load = LoadOf(kEquivalentLoads[k]);
    if (!ReadNumber(load) || !(load > 0)) return Refuse("Invalid input");
    G.*kEquivalentLoads[k].given = true;
}

// Every field shown again: what the window derives follows the entry (a speed or stress ratio of a
// spectrum withdraws the results computed at the one before).
void TZatizeni_F::AfterCheck(int n, FieldEvent how) {
    if (how == FieldEvent::Exit && n < 8) ShowEquivalentStresses();
    Repaint();
}

}  // namespace karvelo
