#include "karvelo/calc/WindowHooks.h"

#include <utility>

#include "karvelo/calc/Global.h"

namespace karvelo {

namespace {

WindowHooks& Installed() {
    static WindowHooks hooks;
    return hooks;
}

void Record(std::string name, int edit = 0, std::string text = std::string()) {
    DefaultWindowRecorder().requests.push_back({std::move(name), edit, std::move(text)});
}

// Runs the installed action, or records the request by its name.
template <typename... Args>
void Request(const std::function<void(Args...)>& action, const char* name, Args... args) {
    if (action)
        action(args...);
    else
        Record(name);
}

}  // namespace

WindowHooks InstallWindowHooks(const WindowHooks& hooks) {
    WindowHooks previous = Installed();
    Installed() = hooks;
    return previous;
}

std::vector<std::string> WindowRequestRecorder::Names() const {
    std::vector<std::string> names;
    for (const auto& r : requests) names.push_back(r.name);
    return names;
}

WindowRequestRecorder& DefaultWindowRecorder() {
    static WindowRequestRecorder recorder;
    return recorder;
}

namespace win {

namespace {
AccuracyWindowScope* g_innermost = nullptr;
}  // namespace

AccuracyWindowScope::AccuracyWindowScope(AccuracyRequests kind) : kind_(kind), outer_(g_innermost) {
    g_innermost = this;
}

AccuracyWindowScope::~AccuracyWindowScope() { g_innermost = outer_; }

// The outermost scope is the action; a trial anywhere inside it silences the window.
bool AccuracyWindowScope::Passes(bool show) {
    AccuracyWindowScope* action = nullptr;
    for (AccuracyWindowScope* s = g_innermost; s; s = s->outer_) {
        if (s->kind_ == AccuracyRequests::None) return false;
        action = s;
    }
    if (!action) return true;
    if (action->kind_ == AccuracyRequests::ByCaller) return !show;
    if (action->opened_) return false;
    if (show) action->opened_ = true;
    return true;
}

void ShowGeometryForm() { Request(Installed().ShowGeometryForm, "ShowGeometryForm"); }
void ShowDimensionsForm() { Request(Installed().ShowDimensionsForm, "ShowDimensionsForm"); }
void ShowOtherFactorsForm() { Request(Installed().ShowOtherFactorsForm, "ShowOtherFactorsForm"); }
void ShowAccuracyForm() {
    if (!AccuracyWindowScope::Passes(true)) return;
    Request(Installed().ShowAccuracyForm, "ShowAccuracyForm");
}
void EnableLifeDrawButton() { Request(Installed().EnableLifeDrawButton, "EnableLifeDrawButton"); }
void HideLifeArrowLabel() { Request(Installed().HideLifeArrowLabel, "HideLifeArrowLabel"); }
void ShowEquivalentStresses() { Request(Installed().ShowEquivalentStresses, "ShowEquivalentStresses"); }

void FocusAccuracyField(int edit) {
    if (!AccuracyWindowScope::Passes(false)) return;
    if (Installed().FocusAccuracyField)
        Installed().FocusAccuracyField(edit);
    else
        Record("FocusAccuracyField", edit);
}

void SetGeometryFieldText(int edit, const std::string& text) {
    if (Installed().SetGeometryFieldText)
        Installed().SetGeometryFieldText(edit, text);
    else
        Record("SetGeometryFieldText", edit, text);
}

void SetValidityButtonVisible(bool visible) {
    if (Installed().SetValidityButtonVisible)
        Installed().SetValidityButtonVisible(visible);
    else
        Record("SetValidityButtonVisible", visible ? 1 : 0);
}

void AskResumeOrNewEntry(const std::string& question) {
    if (Installed().AskResumeOrNewEntry) {
        Installed().AskResumeOrNewEntry(question);
        return;
    }
    WindowRequestRecorder& recorder = DefaultWindowRecorder();
    Record("AskResumeOrNewEntry", 0, question);
    bool resume = true;
    if (!recorder.resumeAnswers.empty()) {
        resume = recorder.resumeAnswers.front();
        recorder.resumeAnswers.pop_front();
    }
    G.ResumeCalculation = resume;
}

}  // namespace win

}  // namespace karvelo
