#include "ostrimo/forms/Celni.h"

#include <cmath>
#include <utility>

#include "ostrimo/calc/Global.h"
#include "ostrimo/forms/CelniDlg.h"
#include "ostrimo/forms/FellowDlg.h"
#include "ostrimo/forms/Labels.h"
#include "ostrimo/forms/Nastroj.h"
#include "ostrimo/forms/VuleF.h"

namespace ostrimo {

TPagesDlg* PagesDlg = nullptr;

bool SkipInputChecksOpen = false;
bool SkipComputingInputChecks = false;
bool SkipInputChecksHelp = false;
bool SkipTipDiameterChecks = false;
bool SkipInputChecks = false;
bool SkipInputChecksType = false;
bool SkipIdentificationChecks = false;
bool SkipFellowChecksCancel = false;
bool SkipFellowChecksHelp = false;
bool SkipBacklashChecks = false;
bool SkipBacklashChecksCancel = false;
bool SkipToolChecks = false;

void ClearValidationBypassFlags() {
    for (bool* flag : {&SkipInputChecksOpen, &SkipComputingInputChecks, &SkipInputChecksHelp, &SkipTipDiameterChecks,
                       &SkipInputChecks, &SkipInputChecksType, &SkipIdentificationChecks, &SkipFellowChecksCancel,
                       &SkipFellowChecksHelp, &SkipBacklashChecks, &SkipBacklashChecksCancel, &SkipToolChecks})
        *flag = false;
}

std::string MainDialogTitle;
const char* const kMainDialogTitle = "OSTRIMO edition 1   -   Gear Geometry Checking   (2025)";

namespace {

ui::Edit* NewEdit(ui::Container* parent, const char* name, int y, int x = 196) {
    return new ui::Edit(parent, name, {x, y, 74, 21});
}

}  // namespace

TPagesDlg::TPagesDlg() : Form("PagesDlg") {
    BorderStyle = ui::BorderStyle::Dialog;
    BorderIcons = ui::biSystemMenu;
    Position = ui::Position::ScreenCenter;
    SetClientSize(671, 501);
    KeyPreview = true;

    RadioButton3 = new ui::RadioButton(this, "RadioButton3", {14, 5, 80, 17}, "External");
    RadioButton3->SetFont(ui::Font{"MS Sans Serif", 11, ui::fsBold, ui::clRed});
    RadioButton4 = new ui::RadioButton(this, "RadioButton4", {104, 5, 80, 17}, "Internal");
    RadioButton4->SetFont(ui::Font{"MS Sans Serif", 11, 0, ui::clBlue});
    RadioButton5 = new ui::RadioButton(this, "RadioButton5", {194, 5, 70, 17}, "Bevel");
    RadioButton5->SetFont(ui::Font{"MS Sans Serif", 11, 0, ui::clPurple});
    RadioButton3->SetChecked(true);
    Button9 = new ui::Button(this, "Button9", {280, 2, 75, 23}, "Fellow");

    PageControl1 = new ui::PageControl(this, "PageControl1", {4, 28, 663, 418});
    TabSheet1 = new ui::TabSheet(PageControl1, "TabSheet1", "Inputs  ");
    TabSheet2 = new ui::TabSheet(PageControl1, "TabSheet2", "Test dimensions   ");
    TabSheet3 = new ui::TabSheet(PageControl1, "TabSheet3", "Identification   ");
    PageControl1->OwnerDraw = true;
    CreateInputsPage();
    CreateTestDimensionsPage();
    CreateIdentificationPage();
    PageControl1->SetActivePage(TabSheet1);
    CreateCommandPanel();

    SaveDialog1.FileName = "*.dat";
    SaveDialog1.Filter = "*.dat";
    SaveDialog1.Options = ui::ofOverwritePrompt;
    OpenDialog1.FileName = "*.dat";
    OpenDialog1.Filter = "*.dat";
    OpenDialog1.Options = ui::ofFileMustExist;

    for (int code = 1; code <= 21; ++code) {
        ui::Edit* e = InputField(code);
        e->OnEnter = [this, code] { FieldEnter(code); };
        e->OnExit = [this, code] { FieldExit(code); };
    }
    GroupBox1->OnExit = [this] { GroupBox1Exit(); };
    Button1->OnClick = [this] { Button1Click(); };
    Button2->OnClick = [this] { Button2Click(); };
    Button3->OnClick = [this] { Button3Click(); };
    Button4->OnClick = [this] { Button4Click(); };
    Button5->OnClick = [this] { Button5Click(); };
    Button6->OnClick = [this] { Button6Click(); };
    Button7->OnClick = [this] { Button7Click(); };
    Button8->OnClick = [this] { Button8Click(); };
    Button9->OnClick = [this] { Button9Click(); };
    Button10->OnClick = [this] { Button10Click(); };
    HelpBtn->OnClick = [this] { HelpBtnClick(); };
    RadioButton1->OnClick = [this] { RadioButton1Click(); };
    for (ui::RadioButton* r : {RadioButton3, RadioButton4, RadioButton5}) r->OnClick = [this] { RadioButton3Click(); };
    for (ui::RadioButton* r : {RadioButton12, RadioButton13}) r->OnClick = [this] { RadioButton12Click(); };
    CheckBox1->OnClick = [this] { CheckBox1Click(); };
    CheckBox2->OnClick = [this] { CheckBox2Click(); };
    TabSheet1->OnShow = [this] { TabSheet1Enter(); };
    TabSheet1->OnEnter = [this] { TabSheet1Enter(); };
    TabSheet2->OnShow = [this] { TabSheet2Show(); };
    TabSheet2->OnEnter = [this] { TabSheet2Show(); };
    TabSheet3->OnShow = [this] { TabSheet3Enter(); };
    TabSheet3->OnEnter = [this] { TabSheet3Enter(); };
    TabSheet3->OnExit = [this] { TabSheet3Exit(); };
    PageControl1->OnDrawTab = [this](int tab, const ui::Rect& r, bool active) { PageControl1DrawTab(tab, r, active); };
    OnCreate = [this] { FormCreate(); };
    OnShow = [this] { FormShow(); };
    OnClick = [this] { FormClick(); };
    OnKeyPress = [this](ui::KeyChar& key) { FormKeyPress(key); };
    OnKeyUp = [this](ui::Word& key, ui::ShiftState) { FormKeyUp(key); };
}

void TPagesDlg::CreateInputsPage() {
    ui::TabSheet* page = TabSheet1;

    GroupBox1 = new ui::GroupBox(page, "GroupBox1", {6, 2, 318, 140}, "&Obligatory input :");
    ui::GroupBox* g = GroupBox1;
    Label1 = new ui::Label(g, "Label1", {8, 21, 0, 0}, "Normal module                  m");
    Label2 = NewIndex(g, "Label2", Label1, "n");
    Edit1 = NewEdit(g, "Edit1", 18);
    Label3 = new ui::Label(g, "Label3", {276, 21, 0, 0}, "[mm]");
    Label4 = new ui::Label(g, "Label4", {8, 45, 0, 0}, "Number of teeth of pinion    z");
    Label5 = NewIndex(g, "Label5", Label4, "1");
    Edit2 = NewEdit(g, "Edit2", 42);
    Label6 = new ui::Label(g, "Label6", {8, 69, 0, 0}, "Number of teeth of wheel    z");
    Label8 = NewIndex(g, "Label8", Label6, "2");
    Edit3 = NewEdit(g, "Edit3", 66);
    Label9 = new ui::Label(g, "Label9", {8, 93, 0, 0}, "Helix angle at ref. cylinder   \xC3\x9F");
    Edit4 = NewEdit(g, "Edit4", 90);
    Label7 = new ui::Label(g, "Label7", {276, 93, 0, 0}, kDegreeUnit);
    Label10 = new ui::Label(g, "Label10", {8, 117, 0, 0}, "Common facewidth             b");
    Edit5 = NewEdit(g, "Edit5", 114);
    Label11 = new ui::Label(g, "Label11", {276, 117, 0, 0}, "[mm]");

    GroupBox2 = new ui::GroupBox(page, "GroupBox2", {6, 146, 318, 222}, "&Computing input :");
    g = GroupBox2;
    Label12 = new ui::Label(g, "Label12", {8, 21, 0, 0}, "Sum of AMC                    x");
    Label13 = NewSymbol(g, "Label13", Label12, "S");
    Label13->SetFontPixels(9);
    Label13->SetTop(Label12->Top() + 5);
    Edit6 = NewEdit(g, "Edit6", 18);
    Label14 = new ui::Label(g, "Label14", {8, 45, 0, 0}, "Pinion AMC                      x");
    Label16 = NewIndex(g, "Label16", Label14, "1");
    Edit7 = NewEdit(g, "Edit7", 42);
    Label17 = new ui::Label(g, "Label17", {8, 69, 0, 0}, "Wheel AMC                      x");
    Label18 = NewIndex(g, "Label18", Label17, "2");
    Edit8 = NewEdit(g, "Edit8", 66);
    Label19 = new ui::Label(g, "Label19", {8, 93, 0, 0}, "Working centre distance    a");
    Label20 = NewIndex(g, "Label20", Label19, "w");
    Edit9 = NewEdit(g, "Edit9", 90);
    Label22 = new ui::Label(g, "Label22", {276, 93, 0, 0}, "[mm]");
    CheckBox2 = new ui::CheckBox(g, "CheckBox2", {276, 111, 15, 17}, "CheckBox2");
    Label189 = new ui::Label(g, "Label189", {294, 112, 0, 0}, "\xC3\x9F");
    Label23 = new ui::Label(g, "Label23", {8, 137, 0, 0}, "Working pressure angle");
    Edit10 = NewEdit(g, "Edit10", 134);
    Label15 = new ui::Label(g, "Label15", {276, 137, 0, 0}, kDegreeUnit);
    Label52 = new ui::Label(g, "Label52", {8, 93, 0, 0}, "Gearing shafts angle");
    Label53 = NewSymbol(g, "Label53", Label52, "  S");
    Edit20 = NewEdit(g, "Edit20", 90);
    Label54 = new ui::Label(g, "Label54", {276, 93, 0, 0}, kDegreeUnit);
    Label24 = new ui::Label(g, "Label24", {8, 161, 0, 0}, "Normal backlash               j");
    Label25 = NewIndex(g, "Label25", Label24, "n");
    Edit21 = NewEdit(g, "Edit21", 158);
    Label26 = new ui::Label(g, "Label26", {276, 161, 0, 0}, "[mm]");
    Button5 = new ui::Button(g, "Button5", {8, 189, 70, 25}, "Clear");
    Button2 = new ui::Button(g, "Button2", {86, 189, 96, 25}, "Divide AMC");
    Button6 = new ui::Button(g, "Button6", {190, 189, 120, 25}, "Bal. spec.slidings");

    GroupBox3 = new ui::GroupBox(page, "GroupBox3", {332, 2, 318, 240}, "&Basic rack tooth profile :");
    g = GroupBox3;
    RadioButton1 = new ui::RadioButton(g, "RadioButton1", {8, 18, 80, 17}, "Standard");
    RadioButton2 = new ui::RadioButton(g, "RadioButton2", {94, 18, 96, 17}, "Nonstandard");
    RadioButton1->SetChecked(true);
    CheckBox1 = new ui::CheckBox(g, "CheckBox1", {8, 40, 110, 17}, "Rounded root");
    Button10 = new ui::Button(g, "Button10", {236, 16, 72, 25}, "Tools");
    struct RackRow {
        ui::Label*& caption;
        ui::Label*& index;
        ui::Label*& star;
        ui::Edit*& edit;
        const char* names[4];
        const char* text;
        const char* sub;
        bool rho;
    };
    const RackRow rows[] = {
        {Label27,
         Label28,
         Label29,
         Edit11,
         {"Label27", "Label28", "Label29", "Edit11"},
         "Pinion addendum factor            h",
         "aP1",
         false},
        {Label30,
         Label31,
         Label32,
         Edit12,
         {"Label30", "Label31", "Label32", "Edit12"},
         "Wheel addendum factor            h",
         "aP2",
         false},
        {Label33,
         Label34,
         Label35,
         Edit13,
         {"Label33", "Label34", "Label35", "Edit13"},
         "Pinion tip clearance factor         c",
         "P1",
         false},
        {Label36,
         Label37,
         Label38,
         Edit14,
         {"Label36", "Label37", "Label38", "Edit14"},
         "Wheel tip clearance factor         c",
         "P2",
         false},
        {Label39,
         Label40,
         Label41,
         Edit15,
         {"Label39", "Label40", "Label41", "Edit15"},
         "Pinion root rounding radius fact. ",
         "fP1",
         true},
        {Label42,
         Label43,
         Label44,
         Edit16,
         {"Label42", "Label43", "Label44", "Edit16"},
         "Wheel root rounding radius fact.",
         "fP2",
         true},
    };
    int y = 64;
    for (const RackRow& r : rows) {
        r.caption = new ui::Label(g, r.names[0], {8, y + 3, 0, 0}, r.text);
        const ui::Label* after = r.caption;
        if (r.rho) {
            // rho, then its index below and the star above
            ui::Label* rho = NewSymbol(g, r.names[1], r.caption, " r");
            r.index = rho;
            after = rho;
            r.star = NewIndex(g, r.names[2], after, r.sub);
            NewIndex(g, (std::string(r.names[2]) + "s").c_str(), r.star, "*", true);
        } else {
            r.index = NewIndex(g, r.names[1], after, r.sub);
            r.star = NewIndex(g, r.names[2], r.index, "*", true);
        }
        r.edit = NewEdit(g, r.names[3], y, 206);
        y += 24;
    }
    Label45 = new ui::Label(g, "Label45", {8, y + 3, 0, 0}, "Normal flank angle");
    Label46 = NewSymbol(g, "Label46", Label45, "  a");
    Label47 = NewIndex(g, "Label47", Label46, "P");
    Edit17 = NewEdit(g, "Edit17", y, 206);
    Label21 = new ui::Label(g, "Label21", {286, y + 3, 0, 0}, kDegreeUnit);

    GroupBox4 = new ui::GroupBox(page, "GroupBox4", {332, 246, 318, 122}, "O&ptional input :");
    g = GroupBox4;
    Label48 = new ui::Label(g, "Label48", {8, 21, 0, 0}, "Pinion tip diameter                   d");
    Label49 = NewIndex(g, "Label49", Label48, "a1");
    Edit18 = NewEdit(g, "Edit18", 18, 206);
    Label50 = new ui::Label(g, "Label50", {286, 21, 0, 0}, "[mm]");
    Label51 = new ui::Label(g, "Label51", {8, 45, 0, 0}, "Wheel tip diameter                   d");
    Label55 = NewIndex(g, "Label55", Label51, "a2");
    Edit19 = NewEdit(g, "Edit19", 42, 206);
    Label56 = new ui::Label(g, "Label56", {286, 45, 0, 0}, "[mm]");
    Button8 = new ui::Button(g, "Button8", {8, 82, 170, 25}, "Calculating tip diameters");
}

void TPagesDlg::CreateCommandPanel() {
    Panel1 = new ui::Panel(this, "Panel1", {0, 450, 671, 51});
    Button1 = new ui::Button(Panel1, "Button1", {10, 10, 190, 32}, "COMPLE&X  CHECKING");
    Button1->SetFontStyle(ui::fsBold);
    Button3 = new ui::Button(Panel1, "Button3", {216, 14, 75, 25}, "&Save");
    Button4 = new ui::Button(Panel1, "Button4", {300, 14, 75, 25}, "&Open");
    Button7 = new ui::Button(Panel1, "Button7", {384, 14, 75, 25}, "&End");
    HelpBtn = new ui::Button(Panel1, "HelpBtn", {468, 14, 75, 25}, "&Help");
    HelpBtn->Hide();
    GroupBox12 = new ui::GroupBox(Panel1, "GroupBox12", {552, 3, 110, 42}, "Angles");
    RadioButton12 = new ui::RadioButton(GroupBox12, "RadioButton12", {8, 18, 48, 17}, "DEC");
    RadioButton13 = new ui::RadioButton(GroupBox12, "RadioButton13", {58, 18, 48, 17}, "DMS");
    RadioButton12->SetChecked(true);
}

ui::Edit* TPagesDlg::InputField(int code) const {
    ui::Edit* const fields[] = {Edit1,  Edit2,  Edit3,  Edit4,  Edit5,  Edit6,  Edit7,  Edit8,  Edit9,  Edit10, Edit11,
                                Edit12, Edit13, Edit14, Edit15, Edit16, Edit17, Edit18, Edit19, Edit20, Edit21};
    return code >= 1 && code <= 21 ? fields[code - 1] : nullptr;
}

int TPagesDlg::InputFieldCode(const ui::Control* control) const {
    for (int code = 1; code <= 21; ++code)
        if (InputField(code) == control) return code;
    return 0;
}

// ---------------------------------------------------------------- set-up

void TPagesDlg::FormCreate() {
    for (ui::Edit* e : {Edit45, Edit49, Edit53}) e->SetReadOnly(true);
    for (ui::Label* l : {Label183, Label184, Label185, Label186, Label187, Label188}) l->Hide();
}

void TPagesDlg::FormShow() {
    MainDialogTitle = kMainDialogTitle;
    SetCaption(MainDialogTitle);
    G.mn = 1;
    G.z1 = 20;
    G.z2 = 40;
    G.b = 10;
    G.aw = 30;
    G.da0 = 37.5;
    G.a0 = -47.5;
    G.RackChordHeightFactor = 1.0;
    G.AngleFormatDMS = false;
    InitInputsForGearingType();
    ui::App().OnMessage = [this](ui::Message& msg, bool& handled) { MarkValidationBypassClick(msg, handled); };
    ClearValidationBypassFlags();
    if (G.ResetLayoutOnShow) {
        G.CheckOutdated = true;
        PageControl1->SetActivePage(TabSheet1);
        SetActiveControl(Edit1);
        Button9->Hide();
        for (ui::Control* c : {static_cast<ui::Control*>(Edit20), static_cast<ui::Control*>(Label52),
                               static_cast<ui::Control*>(Label53), static_cast<ui::Control*>(Label54)})
            c->Hide();
        for (ui::Edit* e : {Edit22, Edit23, Edit24, Edit25}) e->SetReadOnly(true);
        for (ui::Image* i : {Image4, Image5, Image6, Image10, Image11, Image12}) i->Hide();
    }
    SetActiveControl(Button1);
}

// ---------------------------------------------------------------- the bypass hook

void TPagesDlg::MarkValidationBypassClick(ui::Message& msg, bool& handled) {
    handled = false;
    switch (msg.Msg) {
        case ui::WM_LBUTTONDOWN:
        case ui::WM_LBUTTONDBLCLK:
        case ui::WM_RBUTTONDOWN:
        case ui::WM_RBUTTONDBLCLK:
        case ui::WM_MBUTTONDOWN: {
            // A flag lives from its press until the click it belongs to has run: every
            // later press finds the flags of earlier presses cleared.
            ClearValidationBypassFlags();
            pressedBypassControl_ = nullptr;
            pressedBypassFlag_ = nullptr;
            if (msg.Msg != ui::WM_LBUTTONDOWN || !msg.Target) return;
            const std::pair<const ui::Control*, bool*> bypass[] = {
                {Button4, &SkipInputChecksOpen},
                {Button5, &SkipComputingInputChecks},
                {Button7, &SkipInputChecksHelp},
                {Button8, &SkipTipDiameterChecks},
                {HelpBtn, &SkipInputChecks},
                {RadioButton3, &SkipInputChecksType},
                {RadioButton4, &SkipInputChecksType},
                {RadioButton5, &SkipInputChecksType},
                {FellowDlg ? FellowDlg->CancelBtn : nullptr, &SkipFellowChecksCancel},
                {FellowDlg ? FellowDlg->Help : nullptr, &SkipFellowChecksHelp},
                {VuleF ? VuleF->Button1 : nullptr, &SkipBacklashChecks},
                {VuleF ? VuleF->Button2 : nullptr, &SkipBacklashChecksCancel},
                {NastrojDlg ? NastrojDlg->Button1 : nullptr, &SkipToolChecks},
            };
            for (const auto& [control, flag] : bypass) {
                if (control && control == msg.Target) {
                    *flag = true;
                    pressedBypassControl_ = msg.Target;
                    pressedBypassFlag_ = flag;
                    return;
                }
            }
            if (msg.Target == PageControl1) {
                for (int tab = 0; PageControl1->PageOfTab(tab); ++tab) {
                    if (PageControl1->TabRect(tab).Contains(msg.X, msg.Y)) {
                        SkipIdentificationChecks = true;
                        return;
                    }
                }
            }
            return;
        }
        case ui::WM_LBUTTONUP:
            // Released elsewhere: no click follows, so nothing is to be bypassed.
            if (pressedBypassFlag_ && msg.Target != pressedBypassControl_) *pressedBypassFlag_ = false;
            pressedBypassControl_ = nullptr;
            pressedBypassFlag_ = nullptr;
            return;
        case ui::WM_KEYDOWN:
        case ui::WM_SYSKEYDOWN: ClearValidationBypassFlags(); return;
        default: return;
    }
}

// ---------------------------------------------------------------- entering and leaving fields

void TPagesDlg::FieldEnter(int code) {
    G.OldText = InputField(code)->Text();
    // still the text a bypassing press left unchecked: it is checked on leaving
    UncheckedText& unchecked = unchecked_[code];
    if (unchecked.held && unchecked.typed == G.OldText)
        G.OldText = unchecked.written;
    else if (staleField_ == InputField(code))
        staleField_ = nullptr;  // rewritten since its refusal
    unchecked.held = false;
    switch (code) {
        case 4: G.FocusField = 4; break;
        case 6:
            HideResultsWindow();
            SelectAmcSumAsInput();
            break;
        case 7:
        case 8:
            if (!G.AmcDivided) SelectAmcSplitAsInput();
            break;
        case 9:
            HideResultsWindow();
            G.FocusField = 9;
            SelectCentreDistanceAsInput();
            break;
        case 10:
            HideResultsWindow();
            SelectPressureAngleAsInput();
            break;
        default: break;
    }
}

void TPagesDlg::FieldExit(int code) {
    switch (code) {
        case 6:
        case 9:
        case 10: ValidateField(code); return;
        case 21:
            if (!G.BacklashValidatedByClick) ValidateField(21);
            G.BacklashValidatedByClick = false;
            HideResultsWindow();
            return;
        default: {
            // A refused value is not recomputed: the field has the focus back and its
            // message names what is wrong.
            ValidateField(code);
            if (!refused_) RefreshResultsWindow();
            return;
        }
    }
}

void TPagesDlg::RefreshResultsWindow() {
    if (!CelniDlg || !CelniDlg->Visible()) return;
    RecomputePair();
    if (!G.ErrorFlag) CelniDlg->PaintBox1Paint();
    G.ErrorFlag = false;
}

void TPagesDlg::HideResultsWindow() {
    if (CelniDlg) CelniDlg->Hide();
}

void TPagesDlg::GroupBox1Exit() {
    CheckObligatoryInput();
    if (G.GearingType != kInternalGearing && G.GearingType != kBevelGearing) return;
    const double z1 = G.GearingType == kBevelGearing ? G.z1Bevel : G.z1;
    const double z2 = G.GearingType == kBevelGearing ? G.z2Bevel : G.z2;
    if (std::fabs(z2) < z1) {
        HideResultsWindow();
        ui::MessageBox("Pinion teeth number must be less (or equal) than teeth number of wheel.", kErrorCaption,
                       ui::MB_OK);
        G.ValCode = 1;
        SetActiveControl(Edit2);
    }
}

void TPagesDlg::FormKeyPress(ui::KeyChar& key) {
    ui::Control* active = ActiveControl();
    if (active != Edit4 && active != Edit7 && active != Edit8 && active != Edit9) CheckBox2->SetChecked(false);
    if (key == 13) {
        active = ActiveControl();
        const int code = InputFieldCode(active);
        if (code == 21) G.BacklashValidatedByClick = true;
        refused_ = false;
        if (code != 0)
            ValidateField(code);
        else
            RunPageFieldValidator(active);
        if (!refused_ && active != Edit6 && active != Edit9 && active != Edit10) {
            G.InputsCompleteForRefresh = G.mn != 0 && G.z1 != 0 && G.z2 != 0 && G.b != 0;
            if (G.InputsCompleteForRefresh) RefreshResultsWindow();
        }
    }
    KeepTypedAngle typing;
    if (G.Protuberance1 && NastrojDlg) NastrojDlg->ComputeProtuberanceAngle1();
    if (G.Protuberance2 && NastrojDlg) NastrojDlg->ComputeProtuberanceAngle2();
}

void TPagesDlg::FormClick() {
    if (ActiveControl() != Edit21) return;
    G.BacklashValidatedByClick = true;
    ValidateField(21);
}

}  // namespace ostrimo
