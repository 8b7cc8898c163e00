#include "karvelo/forms/InputWindow.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <optional>
#include <type_traits>
#include <utility>
#include <variant>

#include "karvelo/calc/Global.h"
#include "karvelo/calc/InputRules.h"
#include "karvelo/calc/WindowHooks.h"
#include "runtime/Notice.h"
#include "runtime/NumText.h"

namespace karvelo {

void ShowHelpTopic(unsigned long context) {
    if (!ui::Help(kHelpFile, ui::HELP_CONTEXT, context)) ui::ShowMessage("Error");
}

void HelpKeyUp(ui::Word key, unsigned long context) {
    if (key == ui::VK_F1) ShowHelpTopic(context);
}

bool IsPlaceholder(const std::string& text) { return text == "Edit1" || text == kNotApplicable; }

// ---------------------------------------------------------------------------------------------
// InputWindow

namespace {

// A box with the information icon.
bool Informs(const rt::Notice& n) { return n.kind == rt::Notice::Box && (n.flags & 0xF0) == rt::MB_ICONINFORMATION; }

// The same bits (a refused NaN or -0 is told from another NaN or 0).
template <class T>
bool SameBits(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

template <class K>
const void* VariableOf(const K& kept) {
    return std::visit([](const auto& k) -> const void* { return k.var; }, kept);
}

// Only variables of G are remembered.
bool WithinGlobalData(const void* var, std::size_t size) {
    const auto* p = static_cast<const char*>(var);
    const auto* begin = reinterpret_cast<const char*>(&G);
    const std::less<const char*> before;
    return !before(p, begin) && before(p + size - 1, begin + sizeof(GlobalData));
}

}  // namespace

InputWindow::InputWindow(const std::string& name) : Form(name) {
    OnHide = [this] { WindowHidden(); };
}

void InputWindow::AddField(int n, ui::Edit* edit, Validator validator, FieldOptions options) {
    fields_[n] = FieldEntry{edit, std::move(validator), options};
    edit->OnEnter = [this, edit] { Edit1Enter(edit); };
    edit->OnExit = [this, edit] { Edit1Exit(edit); };
    edit->OnKeyPress = [this, edit](ui::KeyChar& key) { Edit1KeyPress(edit, key); };
}

ui::Edit* InputWindow::AddField(int n, ui::Container* parent, ui::Bounds bounds, Validator validator,
                                FieldOptions options) {
    auto* edit = new ui::Edit(parent, "Edit" + std::to_string(n), bounds);
    AddField(n, edit, std::move(validator), options);
    return edit;
}

ui::Label* InputWindow::AddLabel(ui::Container* parent, int x, int y, const std::string& caption) {
    return new ui::Label(parent, "Label" + std::to_string(++labelsAdded_), {x, y}, caption);
}

ui::Edit* InputWindow::Field(int n) const {
    const auto it = fields_.find(n);
    return it == fields_.end() ? nullptr : it->second.edit;
}

int InputWindow::FieldNumber(const ui::Control* c) const {
    if (!c) return 0;
    for (const auto& [n, f] : fields_)
        if (f.edit == c) return n;
    return 0;
}

void InputWindow::Edit1Enter(ui::Control* sender) {
    const int n = FieldNumber(sender);
    if (!n) return;
    if (fields_[n].options.setsActiveEdit) G.ActiveEdit = static_cast<std::int16_t>(n);
    ClearPreviewFlags();
    FieldEntered(n);
}

void InputWindow::Edit1Exit(ui::Control* sender) { Dispatch(sender, FieldEvent::Exit); }

void InputWindow::Edit1KeyPress(ui::Control* sender, ui::KeyChar& key) {
    const int n = FieldNumber(sender);
    if (!n) return;
    FieldKey(n, key);
    if (key == 13) Dispatch(sender, FieldEvent::EnterKey);
}

void InputWindow::CheckFocusedField() {
    if (Visible()) Edit1Exit(FocusedControl());
}

void InputWindow::Dispatch(ui::Control* sender, FieldEvent how) {
    const int n = FieldNumber(sender);
    // A check that sends the focus to another field leaves its own field: no second check.
    if (!n || n == checking_) return;
    const win::AccuracyWindowScope entry(win::AccuracyRequests::Once);
    if (fields_[n].options.setsActiveEdit) G.ActiveEdit = static_cast<std::int16_t>(n);
    ui::Edit* edit = fields_[n].edit;
    if (edit->Unedited()) {
        // Passed through: the value keeps its full precision.  After a refusal the text shown is
        // the one before it again: so is the value, and the window shows what follows from it.
        if (GiveBackRefusedValues(n)) Repaint();
        return;
    }
    if (CheckField(n)) edit->MarkUnedited();  // the accepted text is what the case holds
    AfterCheck(n, how);
}

bool InputWindow::CheckField(int n) {
    const auto it = fields_.find(n);
    if (it == fields_.end()) return false;
    const FieldEntry& field = it->second;
    const std::string text = field.edit->Text();
    if (IsPlaceholder(text) || (field.options.skipWhenEmpty && text.empty())) return false;
    if (skipWhilePressed_ && PreviewPressed()) return false;

    // A validator may run another field's check (nested): keep the outer one's state.
    const GlobalData before = G;
    const int outerField = std::exchange(checking_, n);
    const bool outerRefused = std::exchange(refused_, false);
    const GlobalData* outerBefore = std::exchange(before_, &before);
    std::vector<Remembered> outerReads = std::exchange(reads_, {});
    if (field.validator) field.validator();
    const bool accepted = !refused_;
    if (refused_) {
        std::vector<Remembered>& kept = refusals_[n];
        for (Remembered r : reads_) {
            std::visit([](auto& k) { k.refused = *k.var; }, r);
            auto same = std::find_if(kept.begin(), kept.end(),
                                     [&](const Remembered& k) { return VariableOf(k) == VariableOf(r); });
            if (same == kept.end()) {
                kept.push_back(r);
            } else {
                // Refused again: the value before the first refusal stays.
                std::visit([&](auto& k) { k.refused = std::get<std::decay_t<decltype(k)>>(r).refused; }, *same);
            }
        }
    } else {
        refusals_.erase(n);
    }
    checking_ = outerField;
    refused_ = outerRefused;
    before_ = outerBefore;
    reads_ = std::move(outerReads);
    return accepted;
}

std::string InputWindow::FieldText() const {
    const ui::Edit* edit = Field(checking_);
    return edit ? edit->Text() : std::string();
}

void InputWindow::Remember(double& var) { Remember(Kept<double>{&var, var}); }
void InputWindow::Remember(std::int16_t& var) { Remember(Kept<std::int16_t>{&var, var}); }

void InputWindow::Remember(const Remembered& kept) {
    const std::size_t size = std::visit([](const auto& k) { return sizeof *k.var; }, kept);
    if (checking_ && WithinGlobalData(VariableOf(kept), size)) reads_.push_back(kept);
}

bool InputWindow::ReadNumber(double& var) {
    Remember(var);
    int code = 0;
    rt::Val(FieldText(), var, code);
    G.ValCode = code;
    if (code == 0) var = rt::StoredReal(var);
    return code == 0;
}

bool InputWindow::ReadNumber(std::int16_t& var) {
    Remember(var);
    int code = 0;
    rt::Val(FieldText(), var, code);
    G.ValCode = code;
    return code == 0;
}

bool InputWindow::ParseNumber(double& value) const {
    int code = 0;
    rt::Val(FieldText(), value, code);
    G.ValCode = code;
    return code == 0;
}

void InputWindow::Refusing() {
    refused_ = true;
    ClearPreviewFlags();
}

void InputWindow::Refuse(const std::string& message) {
    Refusing();
    ui::ShowMessage(message);
    FocusField(checking_);
}

void InputWindow::Refuse(const std::string& message, const std::string& caption) {
    Refusing();
    ui::MessageBox(message, caption, ui::MB_OK);
    FocusField(checking_);
}

void InputWindow::RefuseNotFinite(const std::string& message, const std::string& caption) {
    RefuseTrial(std::nullopt, message, caption);
}

InputWindow::Trial InputWindow::TryDerivation(const std::function<void()>& derive, const std::function<bool()>& finite,
                                              bool silent) {
    const GlobalData entered = G;
    rt::HeldNotices held;  // dropped: the trial says nothing unless it is refused
    const win::AccuracyWindowScope quiet(win::AccuracyRequests::None);  // nor opens a window
    struct Restore {
        const GlobalData& data;
        ~Restore() { G = data; }
    } restore{entered};
    derive();
    Trial trial{finite() && (!silent || held.notices.empty()), std::nullopt};
    // The first thing the trial said is its cause; what followed only follows from it.  An
    // information box (dimensions outside a standard's range) stops nothing: it is the cause only
    // when nothing else was said.
    const auto begin = held.notices.begin(), end = held.notices.end();
    auto said = std::find_if(begin, end, [](const rt::Notice& n) { return n.kind != rt::Notice::Beep && !Informs(n); });
    if (said == end) said = std::find_if(begin, end, [](const rt::Notice& n) { return n.kind != rt::Notice::Beep; });
    if (said != end) trial.cause = *said;
    return trial;
}

void InputWindow::RefuseTrial(const std::optional<rt::Notice>& cause, const std::string& message,
                              const std::string& caption) {
    if (before_) {
        const int code = G.ValCode;
        G = *before_;
        G.ValCode = code;
    }
    Refusing();
    if (cause && cause->kind == rt::Notice::Box)
        ui::MessageBox(cause->text, cause->caption, cause->flags);
    else if (cause)
        ui::ShowMessage(cause->text);
    else if (!caption.empty())
        ui::MessageBox(message, caption, ui::MB_OK);
    else
        ui::ShowMessage(message);
    FocusField(checking_);
}

bool InputWindow::AcceptIfFinite(const std::function<void()>& derive, const std::function<bool()>& finite,
                                 const std::string& message) {
    const Trial trial = TryDerivation(derive, finite, false);
    if (trial.possible) return true;
    RefuseTrial(trial.cause, message);
    return false;
}

bool InputWindow::AcceptIfComputed(const std::function<void()>& derive, const std::function<bool()>& finite,
                                   const std::string& message, const std::string& caption) {
    const Trial trial = TryDerivation(derive, finite, true);
    if (trial.possible) return true;
    RefuseTrial(trial.cause, message, caption);
    return false;
}

void InputWindow::FocusField(int n) {
    if (ui::Edit* edit = Field(n)) SetActiveControl(edit);
}

void InputWindow::CheckInputStressRatio(int gear) {
    double& R = gear == 1 ? G.R1 : G.R2;
    if (!AcceptStressRatio(ReadNumber(R), R))
        return Refuse("Invalid input, coefficient R" + std::to_string(gear) + " can be from -1.2 to 0 ");
    Field(checking_)->SetText(StressRatioText(R));
}

void InputWindow::ShowNumber(int n, double x, int width, int decimals) {
    if (ui::Edit* edit = Field(n)) edit->SetText(rt::Str(x, width, decimals));
}

void InputWindow::ShowFormatted(int n, const std::string& format, double x) {
    if (ui::Edit* edit = Field(n)) edit->SetText(rt::FormatFloat(format, x));
}

void InputWindow::FillField(int n, const std::string& text) {
    ui::Edit* edit = Field(n);
    if (!edit) return;
    const bool correcting = refusals_.count(n) && FocusedControl() == edit && checking_ != n;
    if (!correcting) edit->SetText(text);
}

void InputWindow::AddPreview(ui::Control* control, bool& flag) { previews_.push_back({control, &flag}); }

void InputWindow::PreviewMouse(const ui::Message& msg) {
    if (msg.Msg == ui::WM_LBUTTONDOWN) {
        pressed_ = kNone;
        for (std::size_t i = 0; i < previews_.size(); ++i)
            if (msg.Target == previews_[i].control) {
                *previews_[i].flag = true;
                pressed_ = i;
            }
    } else if (msg.Msg == ui::WM_LBUTTONUP) {
        // Released elsewhere: no click will clear the flag.
        if (pressed_ != kNone && msg.Target != previews_[pressed_].control) *previews_[pressed_].flag = false;
        pressed_ = kNone;
    }
}

void InputWindow::ClearPreviewFlags() {
    for (const Preview& p : previews_) *p.flag = false;
    pressed_ = kNone;
}

bool InputWindow::PreviewPressed() const {
    return std::any_of(previews_.begin(), previews_.end(), [](const Preview& p) { return *p.flag; });
}

bool InputWindow::GiveBack(const std::vector<Remembered>& kept) {
    bool restored = false;
    for (const Remembered& r : kept)
        std::visit(
            [&](const auto& k) {
                if (!SameBits(*k.var, k.refused) || SameBits(k.before, k.refused)) return;  // changed since, or never
                *k.var = k.before;
                restored = true;
            },
            r);
    return restored;
}

bool InputWindow::GiveBackRefusedValues(int n) {
    const auto it = refusals_.find(n);
    if (it == refusals_.end()) return false;
    const bool restored = GiveBack(it->second);
    refusals_.erase(it);
    if (restored) ValuesRestored();
    return restored;
}

void InputWindow::RestoreRefusedValues() {
    bool restored = false;
    for (const auto& [n, kept] : refusals_) restored = GiveBack(kept) || restored;
    refusals_.clear();
    if (restored) ValuesRestored();
}

void InputWindow::WindowHidden() {
    RestoreRefusedValues();
    ClearPreviewFlags();
}

// ---------------------------------------------------------------------------------------------

void ShowChecked(ui::CheckBox* box, bool checked) {
    if (box->Checked() == checked)
        box->Click();
    else
        box->SetChecked(checked);
}

bool AllFinite(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double x) { return std::isfinite(x); });
}

std::string StressRatioText(double R, int decimals) { return rt::Str(R == 0 ? 0.0 : R, 5, decimals); }

void CountStaticOverloads() {
    G.StaticOverloadCountF1 = G.StaticOverloadCountH1 = G.StaticOverloadCountF2 = G.StaticOverloadCountH2 = 0;
    for (int i = 1; i <= std::clamp<int>(G.LevelCount, 0, kMaxLevels); ++i) {
        if (G.SigmaF1Level[i] > G.Sigmafpb1stat) ++G.StaticOverloadCountF1;
        if (G.SigmaH1Level[i] > G.SigmaHP1stat) ++G.StaticOverloadCountH1;
        if (G.SigmaF2Level[i] > G.Sigmafpb2stat) ++G.StaticOverloadCountF2;
        if (G.SigmaH2Level[i] > G.SigmaHP2stat) ++G.StaticOverloadCountH2;
    }
}

bool AnyStaticOverload() {
    return G.StaticOverloadCountF1 > 0 || G.StaticOverloadCountH1 > 0 || G.StaticOverloadCountF2 > 0 ||
           G.StaticOverloadCountH2 > 0;
}

bool StaticOverload(int k) {
    const std::int16_t counts[4] = {G.StaticOverloadCountF1, G.StaticOverloadCountH1, G.StaticOverloadCountF2,
                                    G.StaticOverloadCountH2};
    return counts[k] > 0;
}

void ShowOverloadMark(ui::Label* label, const std::string& text, int k) {
    const bool exceeded = StaticOverload(k);
    label->SetCaption(text + (exceeded ? " *" : ""));
    label->SetFontColor(exceeded ? ui::clRed : ui::clBlack);
}

MainWindowLinks& MainWindow() {
    static MainWindowLinks links;
    return links;
}

}  // namespace karvelo
