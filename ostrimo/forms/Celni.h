// Unit Celni: Ostrimo's main dialog, a page control with the pages "Inputs  ", "Test
// dimensions   " and "Identification   " above a panel of commands.
//
// The field protocol of the Inputs page: entering a field keeps its text (OldText).
// Leaving it, or pressing Enter in it, changes nothing while it shows the text the
// program last wrote into it or the text last accepted from it (ui::Edit::Unedited), also
// when a handler wrote it after the field was entered: the stored value keeps its full
// precision.  Text the user edited goes to the field's validator, which parses it into the
// global data, checks its range and resets what depends on the value.  A refusal gives
// the case and the other fields back as before the entry, then shows its message (or the
// calculation's) and gives the focus back, so retyping the earlier text brings back the
// earlier value.  A value after which the check cannot compute the pair's geometry is
// refused the same way.  While the results window is shown, an accepted exit recomputes
// the check and repaints it.  The application's message hook (MarkValidationBypassClick)
// sees a mouse press before the focus moves: a press on certain commands sets a bypass
// flag, so the half-typed field that the press leaves is not validated and the command
// runs.
//
// Other windows it calls: the results window (CelniDlg: shown, hidden, repainted, its
// caption), the dimensions table (TabulkaDlg: the data file's name), the backlash dialog
// (VuleF, modal) and the tools and cutter dialogs (NastrojDlg, FellowDlg), whose fields
// follow the basic rack, the angles and the root radii.  An absent one is passed over.
//
// The class is defined across these files:
// - Celni.cpp: the Inputs page and the command panel laid out, FormCreate, FormShow, the
//   bypass hook and the field protocol's enter, exit and key handlers;
// - CelniProtocol.cpp, CelniValidators.cpp, CelniAngles.cpp: the protocol's routines, the
//   21 validators of the Inputs page, the decimal and degrees-minutes-seconds angles;
// - CelniCommands.cpp: the commands Button1Click ... Button10Click, HelpBtnClick,
//   RadioButton1Click, RadioButton3Click, CheckBox1Click, CheckBox2Click, the page
//   handlers TabSheet1Enter, TabSheet3Enter, TabSheet3Exit, PrepareIdentificationPage,
//   FormKeyUp (help keys);
// - CelniPages.cpp: the Test dimensions and Identification pages laid out;
//   CelniTestDimensions.cpp and CelniIdentification.cpp: their handlers and computations.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/Forms.h"

namespace ostrimo {

struct TestDimensionChoices;
struct RefusedTestDimension;

// Bypass flags, each set by a mouse press on one control (see MarkValidationBypassClick).
extern bool SkipInputChecksOpen;       // "&Open": all Inputs-page validators
extern bool SkipComputingInputChecks;  // "Clear": sum, x1, x2, working centre distance and angle
extern bool SkipInputChecksHelp;       // "&End": all Inputs-page validators
extern bool SkipTipDiameterChecks;     // "Calculating tip diameters": the tip diameters
extern bool SkipInputChecks;           // "&Help": all Inputs-page validators
extern bool SkipInputChecksType;       // a gearing-type radio: all Inputs-page validators
extern bool SkipIdentificationChecks;  // a page tab: the Identification page validators
extern bool SkipFellowChecksCancel;    // Fellow dialog "&Back"
extern bool SkipFellowChecksHelp;      // Fellow dialog "&Help"
extern bool SkipBacklashChecks;        // backlash dialog "Esc"
extern bool SkipBacklashChecksCancel;  // backlash dialog "Help"
extern bool SkipToolChecks;            // tools dialog "Clear"
void ClearValidationBypassFlags();

// The unknown each identification group solves for: the items of its radio choice.
inline constexpr int kIdentModule = 0, kIdentFlankAngle = 1, kIdentHelixAngle = 2, kIdentAmc = 3;

// The main dialog's caption (edition, "Gear Geometry Checking", year), set by FormShow.
extern std::string MainDialogTitle;
extern const char* const kMainDialogTitle;

class TPagesDlg : public ui::Form {
public:
    TPagesDlg();

    // ---- above the pages
    ui::RadioButton* RadioButton3;  // "External"
    ui::RadioButton* RadioButton4;  // "Internal"
    ui::RadioButton* RadioButton5;  // "Bevel"
    ui::Button* Button9;            // "Fellow"
    ui::PageControl* PageControl1;
    ui::TabSheet* TabSheet1;  // "Inputs  "
    ui::TabSheet* TabSheet2;  // "Test dimensions   "
    ui::TabSheet* TabSheet3;  // "Identification   "

    // ---- Inputs page: obligatory input
    ui::GroupBox* GroupBox1;  // "&Obligatory input :"
    ui::Label* Label1;        // "Normal module                  m" (bevel: "Transverse module outer    m")
    ui::Label* Label2;        // index "n" (bevel: "t")
    ui::Edit* Edit1;          // mn
    ui::Label* Label3;        // "[mm]"
    ui::Label* Label4;        // "Number of teeth of pinion    z"
    ui::Label* Label5;        // "1"
    ui::Edit* Edit2;          // z1
    ui::Label* Label6;        // "Number of teeth of wheel    z"
    ui::Label* Label8;        // "2"
    ui::Edit* Edit3;          // z2
    ui::Label* Label9;        // "Helix angle at ref. cylinder   ß" (bevel: "Teeth inclin. angle (mean)   ß")
    ui::Edit* Edit4;          // betaDeg
    ui::Label* Label7;        // "[ ° ]"
    ui::Label* Label10;       // "Common facewidth             b"
    ui::Edit* Edit5;          // b
    ui::Label* Label11;       // "[mm]"

    // ---- Inputs page: computing input
    ui::GroupBox* GroupBox2;  // "&Computing input :"
    ui::Label* Label12;       // "Sum of AMC                    x"
    ui::Label* Label13;       // index Σ
    ui::Edit* Edit6;          // xsum
    ui::Label* Label14;       // "Pinion AMC                      x"
    ui::Label* Label16;       // "1"
    ui::Edit* Edit7;          // x1
    ui::Label* Label17;       // "Wheel AMC                      x"
    ui::Label* Label18;       // "2"
    ui::Edit* Edit8;          // x2
    ui::Label* Label19;       // "Working centre distance    a"
    ui::Label* Label20;       // "w"
    ui::Edit* Edit9;          // aw
    ui::Label* Label22;       // "[mm]"
    ui::CheckBox* CheckBox2;  // working centre distance as an input
    ui::Label* Label189;      // "ß" beside CheckBox2
    ui::Label* Label23;       // "Working pressure angle"
    ui::Edit* Edit10;         // alfawtDeg
    ui::Label* Label15;       // "[ ° ]"
    ui::Label* Label52;       // "Gearing shafts angle" (bevel only)
    ui::Label* Label53;       // index Σ
    ui::Edit* Edit20;         // SigmaDeg
    ui::Label* Label54;       // "[ ° ]"
    ui::Label* Label24;       // "Normal backlash               j"
    ui::Label* Label25;       // "n"
    ui::Edit* Edit21;         // jn
    ui::Label* Label26;       // "[mm]"
    ui::Button* Button5;      // "Clear"
    ui::Button* Button2;      // "Divide AMC"
    ui::Button* Button6;      // "Bal. spec.slidings"

    // ---- Inputs page: basic rack tooth profile
    ui::GroupBox* GroupBox3;        // "&Basic rack tooth profile :"
    ui::RadioButton* RadioButton1;  // "Standard"
    ui::RadioButton* RadioButton2;  // "Nonstandard"
    ui::CheckBox* CheckBox1;        // "Rounded root"
    ui::Button* Button10;           // "Tools"
    ui::Label* Label27;             // "Pinion addendum factor            h"
    ui::Label* Label28;             // "aP1"
    ui::Label* Label29;             // "*"
    ui::Edit* Edit11;               // haP1
    ui::Label* Label30;             // "Wheel addendum factor            h"
    ui::Label* Label31;
    ui::Label* Label32;
    ui::Edit* Edit12;    // haP2
    ui::Label* Label33;  // "Pinion tip clearance factor         c"
    ui::Label* Label34;
    ui::Label* Label35;
    ui::Edit* Edit13;    // cP1
    ui::Label* Label36;  // "Wheel tip clearance factor         c"
    ui::Label* Label37;
    ui::Label* Label38;
    ui::Edit* Edit14;    // cP2
    ui::Label* Label39;  // "Pinion root rounding radius fact. "
    ui::Label* Label40;  // ρ
    ui::Label* Label41;
    ui::Edit* Edit15;    // rofP1
    ui::Label* Label42;  // "Wheel root rounding radius fact."
    ui::Label* Label43;
    ui::Label* Label44;
    ui::Edit* Edit16;    // rofP2
    ui::Label* Label45;  // "Normal flank angle"
    ui::Label* Label46;  // α
    ui::Label* Label47;  // "P"
    ui::Edit* Edit17;    // alfaP
    ui::Label* Label21;  // "[ ° ]"

    // ---- Inputs page: optional input
    ui::GroupBox* GroupBox4;  // "O&ptional input :"
    ui::Label* Label48;       // "Pinion tip diameter                   d"
    ui::Label* Label49;       // "a1"
    ui::Edit* Edit18;         // da1
    ui::Label* Label50;       // "[mm]"
    ui::Label* Label51;       // "Wheel tip diameter                   d" (rack mate: "Rack addendum ...   h")
    ui::Label* Label55;       // "a2"
    ui::Edit* Edit19;         // da2 (rack mate: ha2)
    ui::Label* Label56;       // "[mm]"
    ui::Button* Button8;      // "Calculating tip diameters"

    // ---- Test dimensions page (CelniPages.cpp)
    ui::Label* Label89;             // "Pinion"
    ui::Label* Label90;             // "Wheel"
    ui::GroupBox* GroupBox6;        // chordal thickness; pinion's choice
    ui::RadioButton* RadioButton6;  // "Constant chord"
    ui::RadioButton* RadioButton7;  // "On the reference cylinder"
    ui::RadioButton* RadioButton8;  // "Choose chord or height"
    ui::Panel* Panel3;              // wheel's choice
    ui::RadioButton* RadioButton9;
    ui::RadioButton* RadioButton10;  // "On the reference cylinder" (rack mate: "On the reference line")
    ui::RadioButton* RadioButton11;
    ui::Edit* Edit22;         // sc1
    ui::Edit* Edit23;         // hc1
    ui::Edit* Edit24;         // sc2
    ui::Edit* Edit25;         // hc2
    ui::GroupBox* GroupBox7;  // span measurement
    ui::Edit* Edit26;         // zw1
    ui::Edit* Edit27;         // W1
    ui::Edit* Edit28;         // zw2
    ui::Edit* Edit29;         // W2
    ui::Label* Label91;       // span teeth range, pinion
    ui::Label* Label92;       // wheel
    ui::Label* Label107;      // measuring diameter caption, pinion
    ui::Label* Label111;      // "= " measuring diameter, pinion
    ui::Label* Label108;      // measuring diameter caption, wheel
    ui::Label* Label112;      // "= " measuring diameter, wheel
    ui::Label* Label101;      // "Min. facewidth  b        =", pinion
    ui::Label* Label103;      // its index
    ui::Label* Label105;      // minimum facewidth, pinion
    ui::Label* Label102;      // "Min. facewidth  b        =", wheel
    ui::Label* Label104;      // its index
    ui::Label* Label106;      // minimum facewidth, wheel
    ui::GroupBox* GroupBox8;  // measurement over balls
    ui::Edit* Edit30;         // dt1
    ui::Edit* Edit31;         // M1
    ui::Edit* Edit32;         // dt2
    ui::Edit* Edit33;         // M2
    ui::Edit* Edit34;         // dM1
    ui::Edit* Edit35;         // dM2
    ui::Image* Image1;        // pictures of external gears: chord, span, balls
    ui::Image* Image2;
    ui::Image* Image3;
    ui::Image* Image4;  // of internal gears
    ui::Image* Image5;
    ui::Image* Image6;

    // ---- Identification page
    ui::GroupBox* GroupBox9;   // constant chord
    ui::GroupBox* GroupBox10;  // span
    ui::GroupBox* GroupBox11;  // dimension over balls
    ui::Label* Label174;       // "Measured for wheel z =" (group 1; rack mate: "Rack  ")
    ui::Label* Label175;
    ui::Label* Label176;
    ui::Label* Label177;  // z2 of the measured wheel, groups 1..3
    ui::Label* Label178;
    ui::Label* Label179;
    ui::Label* Label180;  // "d   =" (group 1)
    ui::Label* Label182;  // its index "a"
    ui::Label* Label181;  // da2, the value of the diameter label
    ui::Edit* Edit36;     // measured sc
    ui::Edit* Edit37;     // measured hc
    ui::Edit* Edit38;     // zw
    ui::Edit* Edit39;     // W
    ui::Edit* Edit40;     // dt
    ui::Edit* Edit41;     // M
    ui::Edit* Edit42;     // estimates of group 1: mn, alfa, beta, x
    ui::Edit* Edit43;
    ui::Edit* Edit44;
    ui::Edit* Edit45;
    ui::Edit* Edit46;  // group 2
    ui::Edit* Edit47;
    ui::Edit* Edit48;
    ui::Edit* Edit49;
    ui::Edit* Edit50;  // group 3
    ui::Edit* Edit51;
    ui::Edit* Edit52;
    ui::Edit* Edit53;
    // the unknown of each group: 0 module, 1 flank angle, 2 helix angle, 3 AMC
    ui::RadioGroup* RadioGroup1;
    ui::RadioGroup* RadioGroup2;
    ui::RadioGroup* RadioGroup3;
    ui::Image* Image7;  // pictures of an external wheel: chord, span, balls
    ui::Image* Image8;
    ui::Image* Image9;
    ui::Image* Image10;  // of an internal wheel
    ui::Image* Image11;
    ui::Image* Image12;
    ui::Label* Label183;  // "2. result       =  " and its symbols (group 2)
    ui::Label* Label184;
    ui::Label* Label185;
    ui::Label* Label186;
    ui::Label* Label187;
    ui::Label* Label188;  // "3. result       =  "

    // ---- command panel
    ui::Panel* Panel1;
    ui::Button* Button1;  // "COMPLE&X  CHECKING"
    ui::Button* Button3;  // "&Save"
    ui::Button* Button4;  // "&Open"
    ui::Button* HelpBtn;  // "&Help" (not visible)
    ui::Button* Button7;  // "&End"
    ui::GroupBox* GroupBox12;
    ui::RadioButton* RadioButton12;  // "DEC"
    ui::RadioButton* RadioButton13;  // "DMS"
    ui::SaveDialog SaveDialog1;
    ui::OpenDialog OpenDialog1;

    // The Inputs-page field of a code 1..21, nullptr for other codes.
    ui::Edit* InputField(int code) const;
    // The code 1..21 of an Inputs-page field, 0 for any other control.
    int InputFieldCode(const ui::Control* control) const;
    // The computing-input fields shown and enabled as the last computing input typed chooses.
    void SelectLastComputingInput();

    // ---- set-up and the hook (Celni.cpp)
    void FormCreate();
    void FormShow();
    void MarkValidationBypassClick(ui::Message& msg, bool& handled);

    // ---- field protocol (Celni.cpp)
    void FieldEnter(int code);
    void FieldExit(int code);
    void GroupBox1Exit();
    void FormKeyPress(ui::KeyChar& key);
    void FormClick();
    // The refresh step: while the results window is shown, recompute the check and
    // repaint it unless the check failed; ErrorFlag is then cleared.
    void RefreshResultsWindow();
    // The results window hidden: its verdicts belong to an earlier state.
    void HideResultsWindow();

    // ---- operations of the field protocol (CelniProtocol.cpp)
    void UpdateObligatoryInputFlag();
    void CheckObligatoryInput();
    void ResetWindowCaptions();
    void ResetComputingInputs();
    void RecomputeRackPair();
    void RecomputeGearPair();
    // The one of the two for the pair: the rack pair with a rack mate, else the gear pair.
    // The test dimensions the user chose stay while the inputs they were chosen for do
    // (TestDimensionsOutdated clear), where the pair admits them; `chosen` (a data file's)
    // instead, when given.  A choice the pair does not admit is replaced with the Test
    // dimensions page's message.
    void RecomputePair(const TestDimensionChoices* chosen = nullptr);
    // The complete check of the pair as the two recomputations run it, without messages of
    // the dialog's own.
    static void CheckThePair();
    void FocusFieldByCode();
    void InitInputsForGearingType();
    void ShowInputsInEdits();
    void ShowTipDiameters();
    // xsum, x1 and x2 in their fields Edit6, Edit7, Edit8.
    void ShowSumAndCoefficients();
    // The basic rack's fields Edit11..Edit17.
    void ShowRackProfileFields();
    void ShowCentreDistanceAndAngle();
    void SelectAmcSumAsInput();
    void SelectAmcSplitAsInput();
    void SelectCentreDistanceAsInput();
    void SelectPressureAngleAsInput();
    void EnableAllComputingInputs();
    void UpdateWheelOrRackControls();
    void DetectStandardRackProfile();
    void ComputeBevelConeAngles();
    // The pair's dimensions (rack or gear pair) once the obligatory input is complete.
    void ComputePairDimensions();
    // An input changed the pair: its check and its test dimensions are to be computed again.
    static void MarkInputsChanged();

    // ---- validators of the Inputs page (CelniValidators.cpp)
    void ValidateModule();
    void ValidateTeethNumber1();
    void ValidateTeethNumber2();
    void ValidateHelixAngle();
    void ValidateFacewidth();
    void ValidateAmcSum();
    void ValidateAmc1();
    void ValidateAmc2();
    void ValidateWorkingCentreDistance();
    void ValidateWorkingPressureAngle();
    void ValidateAddendumFactor1();
    void ValidateAddendumFactor2();
    void ValidateTipClearanceFactor1();
    void ValidateTipClearanceFactor2();
    void ValidateRootRadiusFactor1();
    void ValidateRootRadiusFactor2();
    void ValidateRackFlankAngle();
    void ValidateTipDiameter1();
    void ValidateTipDiameter2();
    void ValidateShaftAngle();
    void ValidateBacklash();
    // The validator of a field code 1..21.
    void ValidateField(int code);
    void ApplyAmcSum();
    void ApplyWorkingCentreDistance();
    void ApplyWorkingPressureAngle();
    void LimitRootRadius1();
    void LimitRootRadius2();
    void LimitRootRadiusFellow2();

    // ---- angle display (CelniAngles.cpp)
    void ShowMainAnglesDms();
    void ShowMainAnglesDecimal();
    // The one of the two that AngleFormatDMS chooses.
    void ShowMainAngles();
    void ShowEstimatedAnglesDms();
    void ShowEstimatedAnglesDecimal();

    // ---- commands, pages, help keys (CelniCommands.cpp)
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void Button9Click();
    void Button10Click();
    void HelpBtnClick();
    void RadioButton1Click();
    void RadioButton3Click();
    void RadioButton12Click();
    void CheckBox1Click();
    void CheckBox2Click();
    void TabSheet1Enter();
    void TabSheet3Enter();
    void TabSheet3Exit();
    void PrepareIdentificationPage();
    // No backlash, made by thinning both wheels alike (leaving the Identification page).
    void ResetBacklashForIdentification();
    // The help topic of a field code, or of the page shown; else the help finder.
    void ShowHelpFor(int code);
    void PageControl1DrawTab(int tabIndex, const ui::Rect& rect, bool active);
    void FormKeyUp(ui::Word& key);

    // ---- Test dimensions and Identification pages (CelniPages.cpp)
    // The validator of a Test dimensions or Identification field (Enter key).
    void RunPageFieldValidator(ui::Control* field);
    // The pictures of the gearing type's gears on both pages.
    void ShowExplanatoryPictures();

    // ---- Test dimensions page (CelniTestDimensions.cpp)
    void TabSheet2Show();
    void ShowTestDimensions();
    // The chord ranges of both gears and whether each chord lies within its range.
    void UpdateChordValidity();
    // The chord radios of both gears from the chord flags of the case.
    void ShowChordChoice();
    void RadioButton6Click();  // the pinion's chord choice (RadioButton6..8)
    void RadioButton9Click();  // the wheel's chord choice (RadioButton9..11)
    void ValidateChordThickness1();
    void ValidateChordThickness2();
    void ValidateChordHeight1();
    void ValidateChordHeight2();
    void ValidateSpanTeeth1();
    void ValidateSpanTeeth2();
    void ValidateBallDiameter1();
    void ValidateBallDiameter2();
    void ValidateBallContactDiameter1();
    void ValidateBallContactDiameter2();
    void TellRefusedChoices(const std::vector<RefusedTestDimension>& refused);

    // ---- Identification page (CelniIdentification.cpp)
    // The number 36..53 of the identification edit that last received the focus.
    int IdentActiveField = 0;
    double IdentSpanExtremum = 0;  // first extremum of the span over the flank angle
    void Edit36Enter(int number);  // OnEnter of Edit36..Edit53
    void Edit42Exit();             // OnExit of Edit36..Edit53
    void RadioGroup1Click();
    void RadioGroup2Click();
    void RadioGroup3Click();
    void IdentifyFromConstantChord();
    void SolveConstantChordDirect();
    void IdentifyFromSpan();
    void IdentifyFromBallDimension();
    void ValidateMeasuredValues();
    void ValidateEstimatedModule();
    void ValidateEstimatedFlankAngle();
    void ValidateEstimatedHelixAngle();
    void ValidateEstimatedAmc();
    // The identification edit of a number 36..53, nullptr for other numbers.
    ui::Edit* IdentificationField(int number) const;

private:
    void CreateInputsPage();
    void CreateCommandPanel();
    void CreateTestDimensionsPage();
    void CreateIdentificationPage();
    bool TestDimensionChecksBypassed() const;
    bool TestDimensionsComputed() const;
    void AcceptTestDimensions();
    void ChordChosen(int gear);
    void ValidateChord(int gear, bool height);
    // The page's messages for a chord, height, number of teeth spanned or ball beyond its range.
    std::string ChordRangeMessage(int gear, bool height, bool belowRange) const;
    static std::string SpanTeethMessage(int gear, bool belowRange, long long least, long long most);
    static std::string BallRangeMessage(int gear, bool belowRange, double limit, std::int32_t ballRange);
    static std::string BallReasonText(int gear, std::int32_t ballRange);
    void RefuseChordRange(int gear, bool height, bool belowRange);
    void ValidateSpanTeeth(int gear);
    void RefuseBall(ui::Edit* field, int gear, const std::string& message);
    void ValidateBallDiameter(int gear);
    bool ContactBallInRange(int gear);
    void ChooseUnknown(int group);
    void RunIdentificationGroup(int group);
    void SolveIdentification(int group, int unknown, int n, int set);
    void BeginIdentification(int group);
    void TakeIdentified(int group, int unknown, double value, bool found);
    void ForgetUnsolvedIdentifications();
    void ValidateEstimatedAngle(bool flank);
    void ShowEstimatedAngles();

    // Validator helpers (CelniValidators.cpp).
    bool InputChecksBypassed() const;
    bool ComputingInputChecksBypassed() const;
    // A press on a command silences the validator of the field code it leaves.
    bool FieldChecksBypassed(int code) const;
    bool TextUnchanged(const ui::Edit* field) const;
    void RunValidator(int code);
    // After an accepted entry: the pair's values are numbers and, when tryTheCheck, the
    // check computes its geometry (no guarded trigonometry refused, no impossible geometry).
    bool GeometryComputable(bool tryTheCheck) const;
    void Refuse(const std::string& message, ui::Edit* field);
    void Warn(const std::string& message, ui::Edit* field);
    bool ParseInto(ui::Edit* field, double& value, const char* message = "Invalid format of the number.");
    bool ParseAngle(ui::Edit* field, double& degrees, const char* formatMessage);
    void ClearTipDiametersNotGiven();
    bool AmcSumBeyondCritical(double sum, const char* message, ui::Edit* field);
    void ShowAmcFields();
    void ShowAmcResults();
    void AcceptAmc(int code);
    bool CoreRefusedTheSum();
    void KeepPinionAmcWithoutBacklash();
    bool ComputingInputSelectable();
    // No backlash, made by thinning both wheels alike (jn, xsumBacklash and the method).
    void ClearBacklash();
    void ValidateProfileFactor(int code, double& value, double other, const std::string& message,
                               bool wheelRootFollows);
    bool LimitTypedRootRadius(ui::Edit* field, double& rof, double limit, const std::string& message);
    void RootRadiusChanged(ui::Edit* field);
    void ShowMainAnglesIfDms();

    ui::Control* pressedBypassControl_ = nullptr;  // the control whose press set a flag
    bool* pressedBypassFlag_ = nullptr;
    bool refused_ = false;  // the last validator refused its field's value
    // The field being validated and whether its text was unchanged when validation began
    // (a validator may rewrite its own field before it asks).
    const ui::Edit* validating_ = nullptr;
    bool validatingUnchanged_ = false;
    // A refused field that shows a text its validator wrote (the sign of a number of teeth,
    // the hidden trigger's "1"): unchanged only while it shows OldText again.
    const ui::Edit* staleField_ = nullptr;
    // While ValidateField runs a validator, its refusal waits until the case is put back,
    // so that the message never stands over a field showing the refused value's results.
    bool holdRefusal_ = false;
    std::string heldMessage_;
    ui::Edit* heldField_ = nullptr;
    // The facewidth refused the helix angle it left beyond its limit: the facewidth stays,
    // and the helix angle field is checked on leaving even when its text did not change.
    bool refusedElsewhere_ = false;
    int recheckField_ = 0;
    // Text typed into a field that a bypassing press left unchecked, with the text the
    // program had written there: while the field still shows it, it is checked on leaving.
    struct UncheckedText {
        std::string written, typed;
        bool held = false;
    };
    UncheckedText unchecked_[22];
    UncheckedText identUnchecked_[18];  // the Identification page's fields 36..53
    // The texts the Test dimensions page wrote into its fields: leaving a field that still
    // shows its text changes nothing.  A refused field has none.
    std::vector<std::pair<const ui::Edit*, std::string>> writtenTestTexts_;
    void RememberWrittenTestTexts();
    bool TestTextUnchanged(const ui::Edit* field) const;
    std::vector<ui::Control*> wheelTestCaptions_;  // captions of the wheel's span and ball fields
    // Per identification group, the number of the field that shows "No solution" (0: none).
    int identUnsolved_[4] = {};
    bool identQuiet_ = false;  // a group run again on entering a field does not beep
};

extern TPagesDlg* PagesDlg;

// While it lives, the angle display leaves the field that has the focus as typed: a
// recomputation triggered by a keystroke never overwrites the text being typed.
class KeepTypedAngle {
public:
    KeepTypedAngle();
    ~KeepTypedAngle();
    KeepTypedAngle(const KeepTypedAngle&) = delete;
    KeepTypedAngle& operator=(const KeepTypedAngle&) = delete;
    static bool Active();
};

// Root searches of the identification over (0, pi/2 - 0.0001): bracketing by steps of
// 0.02 rad upward (0.01 rad downward from upper to lower), then halving until |f| <
// 1e-11.  No root, a root at or beyond the limit, or a bracket that stops shrinking
// (200 halvings, or a sign change without a zero) gives 0.
double FindRootUpward(const std::function<double(double)>& f, double start);
double FindRootDownward(const std::function<double(double)>& f, double upper, double lower);
// The span of the measured wheel (group 2 of the identification) over its number of
// teeth as a function of the normal flank angle: its slope dW/dalfa and W - W measured.
double EvaluateSpanSlope(double alfa);
double EvaluateSpanResidual(double alfa);
// An estimated angle as typed: in decimal mode without its trailing degree sign.
std::string NormalizeEstimatedAngleText(const std::string& text);

// "d°m' s\"" texts of an angle in degrees: the main dialog's form (a blank before the
// seconds) and the identification page's (none); whole minutes are "d° m'".
std::string MainAngleDmsText(double degrees);
std::string EstimatedAngleDmsText(double degrees);

}  // namespace ostrimo
