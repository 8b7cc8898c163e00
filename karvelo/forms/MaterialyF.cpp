#include "karvelo/forms/MaterialyF.h"

#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "karvelo/forms/Materialy.h"
#include "runtime/NumText.h"

namespace karvelo {

TMaterialy_F* Materialy_F = nullptr;

// ---------------------------------------------------------------------------------------------
// Material classes

GearMaterial MaterialOfGear(bool pinion) {
    GlobalData& g = G;
    // clang-format off
    if (pinion)
        return {g.SigmaHlim1, g.SigmaFlim1, g.HV1, g.HV1core, g.Rm1, g.Re1, g.RzH1, g.RzF1, g.E1, g.Ny1, g.ro_steel1,
                g.YST1, g.NHlim1, g.NFlim1, g.NLstatH1, g.NLstatF1, g.ZNT1stat, g.YNT1stat, g.qH1, g.qF1, g.qH_1,
                g.qF_1, g.qH1knee, g.YdrelT1stat, g.YdrelT1ref, g.YRrelT1ref, g.YX1ref, g.YdrelT1statDirect,
                g.YdrelT1refDirect, g.YRrelT1refDirect, g.YX1refDirect, g.MaterialCode1, g.MaterialForm1,
                g.QualityGrade1, g.HardnessUnit1, g.MatDesignation1, g.MatName1, g.MaterialClass1,
                g.PittingAllowed1};
    return {g.SigmaHlim2, g.SigmaFlim2, g.HV2, g.HV2core, g.Rm2, g.Re2, g.RzH2, g.RzF2, g.E2, g.Ny2, g.ro_steel2,
            g.YST2, g.NHlim2, g.NFlim2, g.NLstatH2, g.NLstatF2, g.ZNT2stat, g.YNT2stat, g.qH2, g.qF2, g.qH_2,
            g.qF_2, g.qH2knee, g.YdrelT2stat, g.YdrelT2ref, g.YRrelT2ref, g.YX2ref, g.YdrelT2statDirect,
            g.YdrelT2refDirect, g.YRrelT2refDirect, g.YX2refDirect, g.MaterialCode2, g.MaterialForm2,
            g.QualityGrade2, g.HardnessUnit2, g.MatDesignation2, g.MatName2, g.MaterialClass2, g.PittingAllowed2};
    // clang-format on
}

namespace {

// Permissible pitting may be chosen for the classes with the long contact curve.
bool PittingOffered(const std::string& code) {
    return IsOneOfClasses(code, kStructuralAndThroughHardened) || IsOneOfClasses(code, kSurfaceHardened);
}
// The classes whose yield limit must be given.
bool NeedsYieldLimit(const std::string& code) { return IsOneOfClasses(code, kStructuralAndThroughHardened); }
// The classes made wrought or cast, whose form the user picks.
constexpr std::string_view kWroughtOrCast[] = {"IF", "St", "V"};

double HaibachExponent(double Nlim) {
    return std::log(Nlim / kHaibachTailEnd) / std::log(static_cast<double>(kHaibachTailFall));
}

}  // namespace

void SetMaterialClassDefaults() {
    GlobalData& g = G;
    GearMaterial m = CurrentGearMaterial();
    const MaterialClass& cls = MaterialClassOf(m.Code);
    if (const std::optional<TypicalMaterial>& t = cls.typical) {
        m.SigmaHlim = t->SigmaHlim;
        m.SigmaFlim = t->SigmaFlim;
        m.HV = t->HV;
        m.HVcore = t->HVcore;
        m.E = t->E;
        m.Rm = t->Rm;
        m.Re = 0;
        m.Form = t->form;
        m.HardnessUnit = t->hardnessUnit;
        m.Quality = t->quality;
    }
    m.Ny = 0.3;
    m.Designation.clear();
    m.PittingAllowed = false;
    g.ViscosityGiven = false;
    g.OilTemperature = 170;
    g.OilViscosity = 98.53;
    m.ro = cls.density;
    g.ZLrefDirect = g.ZVrefDirect = g.ZRrefDirect = g.ZW2statDirect = g.ZW2refDirect = false;
    m.YdrelTstatDirect = m.YdrelTrefDirect = m.YRrelTrefDirect = m.YXrefDirect = false;
    g.ZLref = g.ZVref = g.ZRref = g.ZW2ref = g.ZW2stat = 1;
    m.YdrelTstat = m.YdrelTref = m.YRrelTref = m.YXref = 1;
}

bool OtherMaterialYNT(const GearMaterial& m, double& YNTstat) {
    const double test = m.SigmaFlim * m.YST;
    if (!(test > 0) || !(m.Rm / test > 1)) return false;
    YNTstat = m.Rm / test;
    return true;
}

void SetLifeFactorCurves() {
    GearMaterial m = CurrentGearMaterial();
    const MaterialClass& cls = MaterialClassOf(m.Code);
    m.NFlim = kBendingEnduranceCycles;
    m.NLstatF = cls.NFstat;
    if (cls.NHlim > 0) {
        m.NHlim = cls.NHlim;
        m.NLstatH = kContactStaticCycles;
    }
    if (cls.ZNTstat > 0) m.ZNTstat = cls.ZNTstat;
    if (cls.YNTstat > 0) m.YNTstat = cls.YNTstat;
    // "Other material": the static factor from the strength; without one above 1 the factor keeps
    // its value.
    if (m.Code == kOtherMaterial) OtherMaterialYNT(m, m.YNTstat);
    m.qH = std::log(m.NHlim / m.NLstatH) / std::log(m.ZNTstat);
    m.qF = std::log(m.NFlim / m.NLstatF) / std::log(m.YNTstat);
    m.qH_ = HaibachExponent(m.NHlim);
    m.qF_ = HaibachExponent(m.NFlim);
}

// ---------------------------------------------------------------------------------------------
// The window

namespace {

constexpr int kGroupWidth = 470, kGroupHeight = 392;
constexpr int kRowTop = 82, kRowStep = 26;
constexpr int kLabelWidth = 58, kEditWidth = 74;
constexpr int kLeftColumn = 10, kRightColumn = 250;

// A number field of a gear's group: its number less the gear's first (1 pinion, 17 wheel; the
// density is 35/36), its place (column 0 left, 1 right; row), symbol, unit and validator.
struct FieldPlace {
    int offset;
    int column, row;
    const char* symbol;  // without the gear's index
    const char* unit;
    TMaterialy_F::GearCheck check;
};
using M = TMaterialy_F;
const FieldPlace kFieldPlaces[] = {
    {0, 0, 0, "σHlim", "[MPa]", &M::CheckInputSigmaHlim},
    {1, 0, 1, "σFlim", "[MPa]", &M::CheckInputSigmaFlim},
    {2, 0, 2, "HV", "surface", &M::CheckInputHV},
    {3, 0, 3, "HV", "core", &M::CheckInputHVcore},
    {4, 0, 4, "Rm", "[MPa]", &M::CheckInputRm},
    {5, 0, 5, "", "[MPa]", &M::CheckInputRe},
    {6, 0, 6, "RzH", "[µm]   {Rz = 6·Ra} ", &M::CheckInputRzH},
    {7, 0, 7, "RzF", "[µm]", &M::CheckInputRzF},
    {8, 0, 8, "E", "[MPa]", &M::CheckInputE},
    {9, 1, 0, "ν", "", &M::CheckInputNy},
    {19, 1, 1, "ρ", "[kg/m3]", &M::CheckInputRo},  // field 35 / 36
    {10, 1, 2, "NHlim", "cycles", &M::CheckInputNHlim},
    {11, 1, 3, "NFlim", "cycles", &M::CheckInputNFlim},
    {12, 1, 4, "qH", "", &M::CheckInputQH},
    {13, 1, 5, "qF", "", &M::CheckInputQF},
    {14, 1, 7, "qH_", "", &M::CheckInputQH_},
    {15, 1, 8, "qF_", "", &M::CheckInputQF_},
};
int FieldNumberOf(bool pinion, int offset) {
    if (offset == 19) return pinion ? 35 : 36;
    return (pinion ? 1 : 17) + offset;
}
constexpr int kDesignationField[2] = {34, 33};  // [pinion]

const char* const kQualities[3] = {"ML", "MQ", "ME"};

}  // namespace

TMaterialy_F::TMaterialy_F() : InputWindow("Materialy_F") {
    SetCaption("Input of material parameters");
    SetClientSize(2 * kGroupWidth + 30, kGroupHeight + 56);
    Position = ui::Position::BesideOwner;
    BorderStyle = ui::BorderStyle::Single;
    BorderIcons = 0;
    KeyPreview = true;
    pinion_.pinion = true;
    pinion_.base = 1;
    wheel_.pinion = false;
    wheel_.base = 17;
    BuildGear(pinion_, 10);
    BuildGear(wheel_, 20 + kGroupWidth);
    GroupBox1 = pinion_.group;
    GroupBox2 = wheel_.group;
    ComboBox1 = pinion_.list;
    ComboBox2 = wheel_.list;
    RadioButton1 = pinion_.wrought;
    RadioButton2 = pinion_.cast;
    RadioButton3 = wheel_.wrought;
    RadioButton4 = wheel_.cast;
    RadioButton5 = pinion_.brinell;
    RadioButton6 = pinion_.vickers;
    RadioButton7 = wheel_.brinell;
    RadioButton8 = wheel_.vickers;
    Label8 = pinion_.surfaceUnit;
    Label31 = pinion_.coreUnit;
    Label42 = wheel_.surfaceUnit;
    Label67 = wheel_.coreUnit;
    ComboBox1->AddItem("");  // the pinion's list ends with an empty entry

    const int buttonTop = kGroupHeight + 18, middle = ClientWidth() / 2;
    Button3 = new ui::Button(this, "Button3", {middle - 190, buttonTop, 89, 27}, "Ok");
    Button4 = new ui::Button(this, "Button4", {middle - 45, buttonTop, 89, 27}, "Help");
    Button5 = new ui::Button(this, "Button5", {middle + 100, buttonTop, 89, 27}, "Esc");
    Button4->SetEnabled(false);
    Button3->OnClick = [this] { Button3Click(); };
    Button4->OnClick = [this] { Button4Click(); };
    Button5->OnClick = [this] { Button5Click(); };

    ComboBox1->OnEnter = [this] { ComboBox1Enter(); };
    ComboBox2->OnEnter = [this] { ComboBox2Enter(); };
    // A pick in a list (also of the entry shown) loads the class; merely leaving it does not, so
    // that a Tab through the list keeps what was typed.
    ComboBox1->OnClick = [this] { ComboBox1Exit(ComboBox1); };
    ComboBox2->OnClick = [this] { ComboBox1Exit(ComboBox2); };

    OnCreate = [this] { FormCreate(); };
    OnPaint = [this] { FormPaint(); };
    OnKeyUp = [this](ui::Word& key, ui::ShiftState) { FormKeyUp(key); };
}

void TMaterialy_F::BuildGear(GearControls& g, int left) {
    const bool p = g.pinion;
    const std::string ix = p ? "1" : "2";
    const ui::Font plain = Font();
    ui::Font coloured = plain;
    coloured.Color = p ? ui::clBlue : ui::clGreen;

    g.group = new ui::GroupBox(this, p ? "GroupBox1" : "GroupBox2", {left, 8, kGroupWidth, kGroupHeight},
                               p ? "PINION" : "WHEEL");
    g.group->SetFont(ui::Font{plain.Name, plain.PixelSize, ui::fsBold, coloured.Color});
    ui::GroupBox* box = g.group;
    auto label = [&](const std::string& name, ui::Bounds b, const std::string& text) {
        auto* l = new ui::Label(box, name, b, text);
        l->SetFont(coloured);
        return l;
    };

    std::vector<std::string> entries;
    for (int i = 0; i < kListedMaterialClasses; ++i) entries.push_back(kMaterialClassTable[std::size_t(i)].entry);
    g.list = new ui::ComboBox(box, p ? "ComboBox1" : "ComboBox2", {kLeftColumn, 22, 270, 21}, entries);
    g.list->SetFont(plain);
    ui::Button* iso = new ui::Button(box, p ? "Button1" : "Button2", {kRightColumn + 110, 20, 96, 25},
                                     p ? "Choose  ISO" : "Choose ISO");
    iso->SetFont(plain);
    (p ? Button1 : Button2) = iso;
    iso->OnClick = [this, p] { p ? Button1Click() : Button2Click(); };

    auto radioPanel = [&](const std::string& name, int x) {
        auto* panel = new ui::Panel(box, name, {x, 50, 200, 22});
        panel->SetBevelOuter(ui::BevelCut::None);
        panel->SetFont(plain);
        return panel;
    };
    ui::Panel* forms = radioPanel("PanelForm" + ix, kLeftColumn);
    g.wrought = new ui::RadioButton(forms, p ? "RadioButton1" : "RadioButton3", {0, 2, 90, 17}, "Wrought");
    g.cast = new ui::RadioButton(forms, p ? "RadioButton2" : "RadioButton4", {95, 2, 90, 17}, "Cast");
    ui::Panel* scales = radioPanel("PanelHardness" + ix, kRightColumn);
    g.brinell = new ui::RadioButton(scales, p ? "RadioButton5" : "RadioButton7", {0, 2, 90, 17}, "Brinell");
    g.vickers = new ui::RadioButton(scales, p ? "RadioButton6" : "RadioButton8", {95, 2, 90, 17}, "Vickers");
    g.wrought->OnClick = [this, &g] { FormClick(g, "wrought"); };
    g.cast->OnClick = [this, &g] { FormClick(g, "cast"); };
    g.brinell->OnClick = [this, &g] { HardnessClick(g, true); };
    g.vickers->OnClick = [this, &g] { HardnessClick(g, false); };

    // The number fields, with the hardness labels named as the window names them.
    for (const FieldPlace& f : kFieldPlaces) {
        const int n = FieldNumberOf(p, f.offset);
        const int x = f.column ? kRightColumn : kLeftColumn, y = kRowTop + f.row * kRowStep;
        std::string name = "FieldLabel" + std::to_string(n);
        if (f.offset == 2) name = p ? "Label8" : "Label42";
        if (f.offset == 3) name = p ? "Label31" : "Label67";
        ui::Label* symbol = label(name, {x, y + 3, kLabelWidth, 16}, *f.symbol ? f.symbol + ix : std::string());
        ui::Label* unit =
            label("UnitLabel" + std::to_string(n), {x + kLabelWidth + kEditWidth + 6, y + 3, 0, 0}, f.unit);
        AddField(n, box, {x + kLabelWidth, y, kEditWidth, 21}, [this, p, check = f.check] {
            (this->*check)(p);
        })->SetFont(plain);
        if (f.offset == 2) g.surfaceUnit = symbol;
        if (f.offset == 3) g.coreUnit = symbol;
        if (f.offset == 5) {
            // The yield limit: a bold R with its index, "e" or that of the 0.2 proof stress.
            ui::Label* r = label("LabelR" + ix, {x, y + 1, 11, 18}, "R");
            r->SetFont(ui::Font{plain.Name, 15, ui::fsBold, coloured.Color});
            g.yieldLabel = label("LabelYield" + ix, {x + 12, y + 6, 44, 14}, "e" + ix);
            g.yieldLabels = {r, g.yieldLabel, unit};
        }
    }
    label("LabelHaibach" + ix, {kRightColumn + kLabelWidth, kRowTop + 6 * kRowStep + 6, 0, 0}, "Haibach");
    // The Haibach boxes are kept hidden; they only read their state.
    for (int row : {7, 8}) {
        const int n = (p ? 7 : 9) + row - 7;
        auto* hidden =
            new ui::CheckBox(box, "CheckBox" + std::to_string(n),
                             {kRightColumn + kLabelWidth + kEditWidth + 6, kRowTop + row * kRowStep + 2, 16, 17});
        hidden->Hide();
        hidden->OnClick = [] {};
        CheckBoxes[std::size_t(n)] = hidden;
    }

    // Quality grade and permissible pitting.
    const int qualityTop = kRowTop + 9 * kRowStep + 8;
    ui::CheckBox** boxes[3] = {&g.ml, &g.mq, &g.me};
    for (int k = 0; k < 3; ++k) {
        const int n = (p ? 1 : 4) + k;
        const int x = kLeftColumn + k * 56;
        *boxes[k] = new ui::CheckBox(box, "CheckBox" + std::to_string(n), {x, qualityTop, 16, 17});
        g.qualityLabel[std::size_t(k)] =
            label("LabelQuality" + std::to_string(n), {x + 18, qualityTop + 1, 0, 0}, kQualities[k]);
        ui::CheckBox* self = *boxes[k];
        self->OnClick = [this, &g, self] { QualityClick(g, self); };
        CheckBoxes[std::size_t(n)] = self;
    }
    g.pitting = new ui::CheckBox(box, p ? "CheckBox11" : "CheckBox12", {kRightColumn, qualityTop, 16, 17});
    g.pittingLabel[0] =
        label("LabelPitting" + ix, {kRightColumn + 18, qualityTop - 6, 0, 0}, "Certain degree of pitting");
    g.pittingLabel[1] = label("LabelPermissible" + ix, {kRightColumn + 18, qualityTop + 8, 0, 0}, " is permissible");
    g.pitting->OnClick = [this, &g] { PittingClick(g); };
    CheckBoxes[p ? 11u : 12u] = g.pitting;

    const int remTop = qualityTop + 34;
    label("LabelRem" + ix, {kLeftColumn, remTop + 3, kLabelWidth, 16}, "Rem.");
    ui::Edit* designation =
        AddField(kDesignationField[p], box, {kLeftColumn + kLabelWidth, remTop, 2 * kEditWidth + 180, 21},
                 [this, p] { CheckInputDesignation(p); });
    designation->SetFont(plain);
    designation->SetCodePageText(true);  // stored as the data file and listings hold it
}

// ---- handlers

void TMaterialy_F::FormCreate() {
    ComboBox1->SetItemIndex(kCaseHardenedClass);
    ComboBox2->SetItemIndex(kCaseHardenedClass);
    RadioButton1->SetChecked(true);
    for (int n : {11, 12, 13, 14, 27, 28, 29, 30}) Field(n)->SetEnabled(false);
    for (ui::RadioButton* r : {RadioButton5, RadioButton6, RadioButton7, RadioButton8}) r->SetEnabled(false);
    GlobalData& g = G;
    g.ZNT1stat = g.ZNT2stat = 1.6;
    g.YNT1stat = g.YNT2stat = 2.5;
    g.NLstatH1 = g.NLstatH2 = kContactStaticCycles;
    g.NLstatF1 = g.NLstatF2 = 1000;
    g.MatDesignation1 = g.MatDesignation2 = "14 220";
}

void TMaterialy_F::FormPaint() {
    G.LifeValid = false;
    G.EquivalentStressesCurrent = false;
    PaintGear(pinion_);
    PaintGear(wheel_);
    ShowQualityGrade();
}

void TMaterialy_F::PaintGear(GearControls& c) {
    const bool p = c.pinion;
    const GearMaterial m = MaterialOfGear(p);
    const std::string ix = p ? "1" : "2";
    auto field = [&](int offset, const std::string& text) { FillField(FieldNumberOf(p, offset), text); };
    field(0, rt::Str(m.SigmaHlim, 1, 1));
    field(1, rt::Str(m.SigmaFlim, 1, 1));
    field(2, rt::Str(m.HV, 3, 0));
    field(3, rt::Str(m.HVcore, 3, 0));
    field(4, rt::Str(m.Rm, 1, 1));
    field(5, rt::Str(m.Re, 1, 1));
    field(6, rt::Str(m.RzH, 1, 1));
    field(7, rt::Str(m.RzF, 1, 1));
    field(8, rt::FormatFloat(G.LargeNumberFormat, m.E));
    field(9, rt::Str(m.Ny, 1, 3));
    field(19, rt::Str(m.ro, 1, 0));
    field(10, rt::FormatFloat(G.ExpFormat1, m.NHlim));
    field(11, rt::FormatFloat(G.ExpFormat1, m.NFlim));
    field(12, rt::Str(m.qH, 1, 3));
    field(13, rt::Str(m.qF, 1, 3));
    field(14, rt::Str(m.qH_, 1, 3));
    field(15, rt::Str(m.qF_, 1, 3));
    FillField(kDesignationField[p], m.Designation);

    const std::string& code = m.Code;
    const bool other = code == kOtherMaterial;
    const bool yield = NeedsYieldLimit(code) || other;
    Field(FieldNumberOf(p, 5))->SetVisible(yield);
    for (ui::Label* l : c.yieldLabels) l->SetVisible(yield);
    // A code that no list entry gives shows the gear's class.
    const int index = MaterialClassIndex(code);
    c.list->SetItemIndex(index >= 0 ? index : m.Class);
    c.yieldLabel->SetCaption(m.Re > 650 ? "0,2-" + ix : "e" + ix);
    const bool brinell = m.HardnessUnit == "HWB";
    (brinell ? c.brinell : c.vickers)->SetChecked(true);
    ShowHardnessScale(c, brinell);
    CheckFormRadio(c);

    const bool pitting = PittingOffered(code);
    c.pitting->SetVisible(pitting);
    for (ui::Label* l : c.pittingLabel) l->SetVisible(pitting);
    {
        const ScopedFlag syncing(syncing_);
        c.pitting->SetChecked(m.PittingAllowed);
    }

    for (int offset : {10, 11, 12, 13}) Field(FieldNumberOf(p, offset))->SetEnabled(other);
    c.brinell->SetEnabled(other);
    c.vickers->SetEnabled(other);
    for (ui::CheckBox* q : {c.ml, c.mq, c.me}) q->SetVisible(!other);
    for (ui::Label* l : c.qualityLabel) l->SetVisible(!other);
    const bool formFree = other || IsOneOfClasses(code, kWroughtOrCast);
    c.wrought->SetEnabled(formFree);
    c.cast->SetEnabled(formFree);
}

void TMaterialy_F::ShowQualityGrade() {
    const ScopedFlag syncing(syncing_);
    for (GearControls* c : {&pinion_, &wheel_}) {
        const std::string& q = MaterialOfGear(c->pinion).Quality;
        c->ml->SetChecked(q == "ML" || q == "ML, MQ");
        c->mq->SetChecked(q == "MQ" || q == "ML, MQ" || q == "MQ, ME");
        c->me->SetChecked(q == "ME" || q == "MQ, ME");
    }
}

void TMaterialy_F::ComboBox1Enter() { G.MaterialForPinion = true; }
void TMaterialy_F::ComboBox2Enter() { G.MaterialForPinion = false; }

void TMaterialy_F::ComboBox1Exit(ui::ComboBox* list) {
    G.MaterialForPinion = list == ComboBox1;
    GearMaterial m = CurrentGearMaterial();
    // The pinion's empty entry names no class: the gear keeps its class and reloads it.
    const int index = list->ItemIndex();
    if (index >= 0 && index < kListedMaterialClasses) {
        const MaterialClass& cls = kMaterialClassTable[std::size_t(index)];
        m.Class = static_cast<std::int16_t>(index);
        m.Code = cls.code;
        m.Name = cls.description;
    }
    SetMaterialClassDefaults();
    SetLifeFactorCurves();
    Repaint();
}

void TMaterialy_F::Button1Click() { ChooseIso(true); }
void TMaterialy_F::Button2Click() { ChooseIso(false); }

void TMaterialy_F::ChooseIso(bool pinion) {
    G.MaterialForPinion = pinion;
    G.MaterialTableCancelled = false;
    const int result = Materialova_tabulka ? Materialova_tabulka->ShowModal() : ui::mrCancel;
    if (result != ui::mrOk || G.MaterialTableCancelled) {
        G.MaterialTableCancelled = false;
        return;
    }
    GearMaterial m = MaterialOfGear(pinion);
    GearControls& c = Gear(pinion);
    m.Re = 0;  // to be entered for the new material
    m.Designation.clear();
    CheckFormRadio(c);
    ShowQualityGrade();
    SetLifeFactorCurves();
    Repaint();
}

void TMaterialy_F::Button3Click() {
    for (bool pinion : {true, false}) {
        const GearMaterial m = MaterialOfGear(pinion);
        if (NeedsYieldLimit(m.Code) && m.Re == 0) {
            ui::ShowMessage(pinion ? "Pinion material yield limit is missing"
                                   : "Wheel material yield limit is missing");
            FocusField(pinion ? 6 : 22);
            return;
        }
    }
    ModalResult = ui::mrOk;
}

void TMaterialy_F::Button4Click() { ShowHelpTopic(31); }
void TMaterialy_F::Button5Click() { ModalResult = ui::mrCancel; }

void TMaterialy_F::FormKeyUp(ui::Word& key) {
    HelpKeyUp(key, 31);
    if (key == ui::VK_ESCAPE) ModalResult = ui::mrCancel;
}

void TMaterialy_F::FieldKey(int, ui::KeyChar& key) {
    if (key == 27) ModalResult = ui::mrCancel;
}

void TMaterialy_F::AfterCheck(int, FieldEvent) {
    if (std::exchange(repaintAfter_, false)) Repaint();
}

void TMaterialy_F::FormClick(GearControls& c, const char* form) { MaterialOfGear(c.pinion).Form = form; }

void TMaterialy_F::HardnessClick(GearControls& c, bool brinell) {
    MaterialOfGear(c.pinion).HardnessUnit = brinell ? "HWB" : "HV";
    ShowHardnessScale(c, brinell);
}

void TMaterialy_F::ShowHardnessScale(GearControls& c, bool brinell) {
    const std::string scale = (brinell ? "HB" : "HV") + std::string(c.pinion ? "1" : "2");
    c.surfaceUnit->SetCaption(scale);
    c.coreUnit->SetCaption(scale);
}

void TMaterialy_F::CheckFormRadio(GearControls& c) {
    const std::string& form = MaterialOfGear(c.pinion).Form;
    if (form == "wrought" || form == "both") c.wrought->SetChecked(true);
    if (form == "cast") c.cast->SetChecked(true);
}

// ML and ME exclude each other; the quality text follows the boxes; no box at all means ML.
void TMaterialy_F::QualityClick(GearControls& c, ui::CheckBox* box) {
    if (syncing_) return;
    {
        const ScopedFlag syncing(syncing_);
        if (box == c.ml && c.ml->Checked() && c.me->Checked()) c.ml->SetChecked(false);
        if (box == c.me && c.me->Checked() && c.ml->Checked()) c.me->SetChecked(false);
        if (!c.ml->Checked() && !c.mq->Checked() && !c.me->Checked()) c.ml->SetChecked(true);
    }
    std::string& quality = MaterialOfGear(c.pinion).Quality;
    if (c.ml->Checked())
        quality = c.mq->Checked() ? "ML, MQ" : "ML";
    else if (c.me->Checked())
        quality = c.mq->Checked() ? "MQ, ME" : "ME";
    else
        quality = "MQ";
}

void TMaterialy_F::PittingClick(GearControls& c) {
    if (syncing_) return;
    GearMaterial m = MaterialOfGear(c.pinion);
    m.PittingAllowed = c.pitting->Checked();
    if (m.PittingAllowed) {
        m.NHlim = kPittingEnduranceCycles;
        m.NLstatH = kPittingStaticCycles;
        m.qHknee = PittingKneeExponent(m.NHlim);
    } else {
        m.NHlim = kLongNHlim;
        m.NLstatH = kContactStaticCycles;
        m.qH = std::log(m.NHlim / m.NLstatH) / std::log(m.ZNTstat);
    }
    m.qH_ = HaibachExponent(m.NHlim);
    Repaint();
}

// ---- validators

void TMaterialy_F::CheckInputPositive(double& var) {
    if (!ReadNumber(var) || !(var > 0)) Refuse("Invalid input");
}

void TMaterialy_F::CheckInputSigmaHlim(bool pinion) { CheckInputPositive(MaterialOfGear(pinion).SigmaHlim); }
void TMaterialy_F::CheckInputHV(bool pinion) { CheckInputPositive(MaterialOfGear(pinion).HV); }
void TMaterialy_F::CheckInputHVcore(bool pinion) { CheckInputPositive(MaterialOfGear(pinion).HVcore); }
void TMaterialy_F::CheckInputRzH(bool pinion) { CheckInputPositive(MaterialOfGear(pinion).RzH); }
void TMaterialy_F::CheckInputRzF(bool pinion) { CheckInputPositive(MaterialOfGear(pinion).RzF); }
void TMaterialy_F::CheckInputQH_(bool pinion) { CheckInputPositive(MaterialOfGear(pinion).qH_); }
void TMaterialy_F::CheckInputQF_(bool pinion) { CheckInputPositive(MaterialOfGear(pinion).qF_); }
void TMaterialy_F::CheckInputRo(bool pinion) { CheckInputPositive(MaterialOfGear(pinion).ro); }

void TMaterialy_F::UpdateOtherMaterialYNT(bool pinion) {
    GearMaterial m = MaterialOfGear(pinion);
    if (m.Code == kOtherMaterial && !OtherMaterialYNT(m, m.YNTstat)) Refuse("Invalid input");
}

void TMaterialy_F::CheckInputSigmaFlim(bool pinion) {
    CheckInputPositive(MaterialOfGear(pinion).SigmaFlim);
    if (!Refused()) UpdateOtherMaterialYNT(pinion);
}

void TMaterialy_F::CheckInputRm(bool pinion) {
    CheckInputPositive(MaterialOfGear(pinion).Rm);
    if (!Refused()) UpdateOtherMaterialYNT(pinion);
}

void TMaterialy_F::CheckInputRe(bool pinion) {
    GearMaterial m = MaterialOfGear(pinion);
    repaintAfter_ = true;
    if (!ReadNumber(m.Re) || !(m.Re > 0)) return Refuse("Invalid input");
    if (m.Re >= m.Rm)
        Refuse(pinion ? "Pinion material yield limit must be smaller than strength limit"
                      : "Wheel material yield limit must be smaller than strength limit");
}

void TMaterialy_F::CheckInputE(bool pinion) {
    double& E = MaterialOfGear(pinion).E;
    CheckInputPositive(E);
    if (!Refused()) ShowFormatted(CheckedField(), G.ExpFormat1, E);
}

void TMaterialy_F::CheckInputNy(bool pinion) {
    double& Ny = MaterialOfGear(pinion).Ny;
    if (!ReadNumber(Ny) || !(Ny > 0) || !(Ny <= 1)) Refuse("Invalid input");
}

void TMaterialy_F::CheckEnduranceCycles(double& Nlim, double& Nstat, double staticFactor, double exponent,
                                        double& tailExponent) {
    CheckInputPositive(Nlim);
    if (Refused()) return;
    Nstat = Nlim / std::pow(staticFactor, exponent);
    tailExponent = HaibachExponent(Nlim);
    ShowFormatted(CheckedField(), G.ExpFormat1, Nlim);
    repaintAfter_ = true;
}

void TMaterialy_F::CheckInputNHlim(bool pinion) {
    const GearMaterial m = MaterialOfGear(pinion);
    CheckEnduranceCycles(m.NHlim, m.NLstatH, m.ZNTstat, m.qH, m.qH_);
}

void TMaterialy_F::CheckInputNFlim(bool pinion) {
    const GearMaterial m = MaterialOfGear(pinion);
    CheckEnduranceCycles(m.NFlim, m.NLstatF, m.YNTstat, m.qF, m.qF_);
}

// The static end follows the exponent also while the exponent is refused; it gets its value back
// with the exponent when the window closes on the refused entry.
void TMaterialy_F::CheckInputQH(bool pinion) {
    GearMaterial m = MaterialOfGear(pinion);
    const bool number = ReadNumber(m.qH);
    DerivedFromEntry(m.NLstatH);
    m.NLstatH = m.NHlim / std::pow(m.ZNTstat, m.qH);
    if (!pinion) {
        DerivedFromEntry(m.qH_);
        m.qH_ = HaibachExponent(m.NHlim);
    }
    repaintAfter_ = true;
    if (!number || !(m.qH > 0)) Refuse("Invalid input");
}

void TMaterialy_F::CheckInputQF(bool pinion) {
    GearMaterial m = MaterialOfGear(pinion);
    const bool number = ReadNumber(m.qF);
    DerivedFromEntry(m.NLstatF);
    m.NLstatF = m.NFlim / std::pow(m.YNTstat, m.qF);
    repaintAfter_ = true;
    if (!number || !(m.qF > 0)) Refuse("Invalid input");
}

// The designation goes into the data file and the listings, which hold one byte a character.
void TMaterialy_F::CheckInputDesignation(bool pinion) {
    if (const std::string c = Field(CheckedField())->CharacterOutsideCodePage(); !c.empty())
        return Refuse("The character " + c + " can not be saved in the data file.");
    MaterialOfGear(pinion).Designation = FieldText();
}

}  // namespace karvelo
