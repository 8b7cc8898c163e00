// What Karvelo's input windows share: the field protocol of their number fields (InputWindow),
// the help call of their F1 key, the static overload counters, and the few requests an input
// window makes of the main window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "runtime/Notice.h"
#include "ui/Forms.h"

namespace karvelo {

struct GlobalData;

// The program's help file, as the windows name it.
inline constexpr const char* kHelpFile = "help_diz.hlp";

// Opens the help file at a window's topic; a failing call shows "Error".
void ShowHelpTopic(unsigned long context);

// F1 (virtual key 112) released in an input window: help at the window's topic.
void HelpKeyUp(ui::Word key, unsigned long context);

// A window's re-entrancy flag, set while the guard lives and given its value before back when it
// ends (also on an early return, and so that a nested guard leaves the outer one's flag set).
class ScopedFlag {
public:
    explicit ScopedFlag(bool& flag) : flag_(flag), outer_(std::exchange(flag, true)) {}
    ~ScopedFlag() { flag_ = outer_; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

private:
    bool& flag_;
    bool outer_;
};

// The placeholders a number field may show instead of a number: the design text "Edit1" and
// "  ---" for a quantity that does not apply.  A field showing one is not checked.
bool IsPlaceholder(const std::string& text);
inline constexpr const char* kNotApplicable = "  ---";

// ---------------------------------------------------------------------------------------------
// InputWindow: a window whose number fields follow the field protocol.
//
// Every number field is an edit `Edit<n>` registered with its number n and its validator.  The
// protocol binds the edit's events:
//   - OnEnter: Edit1Enter: G.ActiveEdit := n, the window's preview flags are cleared, then
//     FieldEntered(n).
//   - OnExit: Edit1Exit: G.ActiveEdit := n (taken from the field that is left, never from a stale
//     ActiveEdit), the validator, then the window's trailing step AfterCheck(n, FieldEvent::Exit).
//   - OnKeyPress: Edit1KeyPress: Enter (13) does the same with FieldEvent::EnterKey; Enter never
//     moves the focus.  Every other key goes on unchanged (FieldKey(n, key) sees it first).
// A validator that moves the focus to another field (FocusField) does not get its own field
// checked again by that field's exit.
//
// Only text the user edited is checked.  A field that shows exactly the text the program last
// wrote into it (ui::Edit::Unedited: a display, a write-back, or a text accepted before) is
// passed through: no validator, no trailing step, and its variables keep their full precision
// however the display rounds them.  An accepted text counts as written from then on.  The
// trailing step runs after every check, also after a refusal or a skipped check.
//
// A field is not checked (its validator does not run) while it shows a placeholder, while it is
// empty and was registered with skipWhenEmpty, and, in a window that called
// SkipChecksWhilePressed(), while one of the window's preview flags is set.
//
// A validator takes no arguments and works on the field being checked (CheckedField()):
//     void TWindow::CheckInputZ1() {
//         if (!ReadNumber(G.z1) || G.z1 < 4) return Refuse("Invalid input ...");
//         ...recompute, ShowNumber(1, G.z1, 4, 1) where the value is written back
//     }
//   - ReadNumber(var) converts FieldText() with rt::Val, sets G.ValCode and stores the number in
//     var at once (a failed conversion leaves var unchanged), to the 15 significant digits the
//     data file holds; it returns whether the whole text was a number.  Store before test: a
//     number refused by its range stays in var while the window is open.  ParseNumber converts
//     without storing.
//   - Refuse(text) shows ShowMessage(text), Refuse(text, caption) a box with that caption and an
//     OK button; both clear the window's preview flags (the press that left the field gets no
//     click) and make the field the active control again.
//   - The protocol remembers, for every field, the value its variables had before a refused
//     entry (the last accepted one).  The case never keeps a refused number behind a field that
//     shows another text: when the user types the text the field had before the refused entry
//     again and leaves, and when the window hides (Esc, an accelerator, OK, any close), every
//     variable that still holds its refused number gets that value back in full, ValuesRestored()
//     runs so that the window can recompute what it derived from the refused number, and (on
//     leaving the field) the window repaints.  Only variables of the global data G are remembered
//     (ReadNumber into a local variable is allowed and remembers nothing).  A validator refuses
//     with the text the user typed still in its field: it writes the field only once accepted.
//   - AcceptIfFinite(derive, finite, text): an entry from which the window's own derived values
//     are not finite is refused, and G is given back as the check found it, the entry included
//     (RefuseNotFinite), before anything is derived or shown: no field shows an infinite number.
//     AcceptIfComputed also refuses an entry whose derivation reports anything (a guarded routine
//     that refuses its argument, an equation without a solution): its values cannot be computed
//     from it.  The refusal says why: with the first message or box the trial derivation raised
//     (an information box only when it raised nothing else), as it raised it, and nothing else of
//     the trial; with the field's message when it raised none.
//   - One entry (its check and trailing step) opens the accuracy window at most once; a trial
//     derivation opens none (win::AccuracyWindowScope).
//
// Writing fields: ShowNumber(n, x, w, d) writes Str(x:w:d), ShowFormatted(n, format, x)
// FormatFloat(format, x).  FillField(n, text) is for the re-fill of a window's paint: it leaves
// alone a field whose refused text the user is correcting (the field has the focus), so that the
// typed text stays as typed.
//
// Mouse-down previews: the main window's message hook hands the window every message addressed to
// it; the window's preview routine calls PreviewMouse(msg).  A left press on a control listed by
// AddPreview sets that control's flag; the flag is cleared by the control's click handler (the
// window's own code), by a release that falls elsewhere, by Refuse, by Edit1Enter of any field,
// and by ClearPreviewFlags(), which the window's FormActivate calls.  So no flag outlives the
// press in its window or leaks into another window that shares it.
//
// Window switches fire no OnExit/OnEnter; a window that also checks its field when it loses the
// activation binds OnDeactivate to CheckFocusedField().
//
// A window built on InputWindow leaves the OnEnter, OnExit and OnKeyPress of its fields to the
// protocol, and its OnHide to the protocol's WindowHidden (the hide restores the refused values
// and clears the preview flags); a window with more to do on a hide overrides WindowHidden and
// calls the protocol's first.
struct FieldOptions {
    bool skipWhenEmpty = false;  // an empty field is not checked
    bool setsActiveEdit = true;  // entering and leaving the field set G.ActiveEdit
};

class InputWindow : public ui::Form {
public:
    // How a check was asked for: the field was left (or the window lost the activation), or Enter
    // was pressed in it.
    enum class FieldEvent { Exit, EnterKey };

    using Validator = std::function<void()>;

    // The handlers bound to every number field (the sender is the field).
    void Edit1Enter(ui::Control* sender);
    void Edit1Exit(ui::Control* sender);
    void Edit1KeyPress(ui::Control* sender, ui::KeyChar& key);
    // Edit1Exit of the window's focused control, when it is one of its fields and the window is
    // shown.
    void CheckFocusedField();

    // Edit<n>, nullptr when the window has no such field.
    ui::Edit* Field(int n) const;
    // The number of a field, 0 for any other control.
    int FieldNumber(const ui::Control* c) const;
    // Runs the validator of field n now, with the protocol's bookkeeping (no trailing step);
    // whether it ran and accepted the entry.
    bool CheckField(int n);

    // Sets the flag of a listed control on a left press; clears it when the release falls
    // elsewhere.  Called by the window's preview routine with every message the hook hands it.
    void PreviewMouse(const ui::Message& msg);
    // Clears every preview flag of the window.
    void ClearPreviewFlags();
    // One of the window's preview flags is set.
    bool PreviewPressed() const;

    // Gives every variable that still holds a refused number its last accepted value (done by
    // the protocol when the window hides).
    void RestoreRefusedValues();
    // Some field's variables hold a number that was refused and not corrected yet.
    bool HoldsRefusedValue() const { return !refusals_.empty(); }

protected:
    explicit InputWindow(const std::string& name);

    // Registers an existing edit as field n, or creates the edit "Edit<n>" in parent.
    void AddField(int n, ui::Edit* edit, Validator validator, FieldOptions options = {});
    ui::Edit* AddField(int n, ui::Container* parent, ui::Bounds bounds, Validator validator, FieldOptions options = {});
    // A label at (x, y) in parent, named "Label<k>" by the order in which the window adds them.
    ui::Label* AddLabel(ui::Container* parent, int x, int y, const std::string& caption);

    // ---- hooks of the window
    virtual void FieldEntered(int /*n*/) {}
    // The trailing step after a dispatch.
    virtual void AfterCheck(int /*n*/, FieldEvent /*how*/) {}
    // Every key typed in field n, before the protocol looks for Enter (set key to 0 to drop it).
    virtual void FieldKey(int /*n*/, ui::KeyChar& /*key*/) {}
    // Runs after RestoreRefusedValues gave at least one variable its value back.
    virtual void ValuesRestored() {}

    // ---- for validators: the field being checked
    int CheckedField() const { return checking_; }
    std::string FieldText() const;
    bool ReadNumber(double& var);
    bool ReadNumber(std::int16_t& var);  // a whole number
    bool ParseNumber(double& value) const;
    void Refuse(const std::string& message);
    void Refuse(const std::string& message, const std::string& caption);
    // Refuses the entry (in a box with the caption when one is given) and gives every variable of
    // G the value it had when the check began.
    void RefuseNotFinite(const std::string& message, const std::string& caption = "");
    // Tries `derive` (what the window derives from the entry) with its notices held back and G
    // given back afterwards: true when `finite()` held after it; otherwise the entry is refused
    // with the cause the trial found, or with `message` when it raised nothing.
    bool AcceptIfFinite(const std::function<void()>& derive, const std::function<bool()>& finite,
                        const std::string& message);
    // The same, and true only when `derive` reported nothing either.
    bool AcceptIfComputed(const std::function<void()>& derive, const std::function<bool()>& finite,
                          const std::string& message, const std::string& caption = "");
    // The running check has refused its entry.
    bool Refused() const { return refused_; }
    // Makes field n the window's active control.
    void FocusField(int n);
    // A variable of G that the running check derives from its entry before the entry is refused:
    // it gets its value back with the field's own variables when the window hides while the entry
    // stays refused.  Call it before the variable is changed.
    void DerivedFromEntry(double& var) { Remember(var); }
    // The validator of a stress ratio field, R1 (gear 1) or R2 (gear 2): R stored and checked by
    // AcceptStressRatio, written back by StressRatioText.
    void CheckInputStressRatio(int gear);

    // ---- writing fields
    void ShowNumber(int n, double x, int width, int decimals);
    void ShowFormatted(int n, const std::string& format, double x);
    void FillField(int n, const std::string& text);

    // ---- previews
    void AddPreview(ui::Control* control, bool& flag);
    // Validators of this window do not run while a preview flag is set.
    void SkipChecksWhilePressed() { skipWhilePressed_ = true; }

    // The window was hidden by the program (any close): refused values back, flags cleared.
    virtual void WindowHidden();

private:
    struct FieldEntry {
        ui::Edit* edit = nullptr;
        Validator validator;
        FieldOptions options;
    };
    // A variable of G read by a check: the variable, its value before the read and, once the entry
    // is refused, the refused value it holds.
    template <class T>
    struct Kept {
        T* var;
        T before;
        T refused{};
    };
    using Remembered = std::variant<Kept<double>, Kept<std::int16_t>>;
    struct Preview {
        ui::Control* control;
        bool* flag;
    };
    static constexpr std::size_t kNone = std::size_t(-1);
    void Dispatch(ui::Control* sender, FieldEvent how);
    void Remember(double& var);
    void Remember(std::int16_t& var);
    void Remember(const Remembered& kept);
    void Refusing();
    // What a trial derivation found: whether the entry is possible, and the first message or box
    // the derivation raised, an information box only when there is no other (the cause of a
    // refusal), if any.
    struct Trial {
        bool possible;
        std::optional<rt::Notice> cause;
    };
    // Runs `derive` with its notices held back and G given back afterwards: possible when
    // `finite()` held after it and, when `silent`, it reported nothing.
    static Trial TryDerivation(const std::function<void()>& derive, const std::function<bool()>& finite, bool silent);
    // Refuses the entry with G given back as the check found it (RefuseNotFinite): with the cause
    // as it was raised, else with the field's message (in a box when a caption is given).
    void RefuseTrial(const std::optional<rt::Notice>& cause, const std::string& message,
                     const std::string& caption = "");
    // The variables of a refused entry that still hold their refused number get their value
    // before it back; whether any did.
    static bool GiveBack(const std::vector<Remembered>& kept);
    bool GiveBackRefusedValues(int n);

    std::map<int, FieldEntry> fields_;
    int labelsAdded_ = 0;
    std::vector<Preview> previews_;
    std::size_t pressed_ = kNone;  // the preview whose press is not released yet
    bool skipWhilePressed_ = false;
    int checking_ = 0;
    bool refused_ = false;
    const GlobalData* before_ = nullptr;               // G as the running check found it
    std::vector<Remembered> reads_;                    // variables read by the running check
    std::map<int, std::vector<Remembered>> refusals_;  // per field: values before its refused entry
};

// ---------------------------------------------------------------------------------------------

// Every value is a finite number.
bool AllFinite(std::initializer_list<double> values);

// Checks or unchecks the box as the case has it and runs its click also when the box showed that
// already, so that what the click derives follows the case, not what the box showed before.
void ShowChecked(ui::CheckBox* box, bool checked);

// A stress ratio R written with `decimals` decimals in a field of 5, 0 without a sign.
std::string StressRatioText(double R, int decimals = 3);

// StaticOverloadCountF1, H1, F2, H2: the spectrum levels whose root or contact stress of the
// pinion or wheel exceeds its static permissible stress (strictly greater).
void CountStaticOverloads();
bool AnyStaticOverload();
// Case k (0 pinion bending, 1 pinion contact, 2 wheel bending, 3 wheel contact) has a level over
// its static limit.
bool StaticOverload(int k);
// A value of case k on its label; " *" after it, in red, when the case has a level over its
// static limit.
void ShowOverloadMark(ui::Label* label, const std::string& text, int k);

// Requests of the input windows to the main window; the main window fills them at start-up.
struct MainWindowLinks {
    // Show or hide the main window's Panel1 (the frame behind "Service life").
    std::function<void(bool visible)> SetLifePanelVisible;
    // Repaint the main window (its paint brings the method and hypothesis buttons into line).
    std::function<void()> RepaintMainWindow;
    // Show the S-N curve chart ("Courses") non-modally.
    std::function<void()> ShowCoursesWindow;
    // Prepare the chart data of one load or of equivalent loads given (PrepareCoursesData).
    std::function<void()> PrepareCoursesData;
};
MainWindowLinks& MainWindow();

}  // namespace karvelo
