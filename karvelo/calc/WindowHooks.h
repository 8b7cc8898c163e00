// What the calculation core asks of Karvelo's windows.  The core never touches a window: it calls
// the requests below.  The application installs the real actions at start-up (InstallWindowHooks);
// a request without an installed action is recorded by the default recorder and returns at once,
// so the core runs headless and tests can assert on what it asked for.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace karvelo {

struct WindowHooks {
    // The input windows, shown modally; the caller waits until the user closes them.
    std::function<void()> ShowGeometryForm;      // "Gearing geometry"
    std::function<void()> ShowDimensionsForm;    // "Input of gears dimensions and related  parameters"
    std::function<void()> ShowOtherFactorsForm;  // "Other factors and inputs"
    std::function<void()> ShowAccuracyForm;      // "Gears accuracy grades and deviations"
    // Give the focus (ActiveControl) of the accuracy window to its edit number `edit`, before the
    // window is shown: 3/4 pitch deviation of pinion/wheel, 5/6 helix deviation (made visible
    // first), 7/8 profile form deviation.
    std::function<void(int edit)> FocusAccuracyField;
    // Write `text` into edit number `edit` of the geometry window.
    std::function<void(int edit, const std::string& text)> SetGeometryFieldText;
    // The confirmation dialog, modal: `question` into its Label3, Label1 and Label2 hidden.  Its
    // "Resume" sets G.ResumeCalculation True, "New entry" sets it False.
    std::function<void(const std::string& question)> AskResumeOrNewEntry;
    // Show or hide the main window's "Validity restrictions" button.
    std::function<void(bool visible)> SetValidityButtonVisible;
    // Service-life window: enable its "Draw" button (Button4); hide its ">>>" label (Label68).
    std::function<void()> EnableLifeDrawButton;
    std::function<void()> HideLifeArrowLabel;
    // Loading window: show the equivalent stresses (its routine ShowEquivalentStresses).
    std::function<void()> ShowEquivalentStresses;
};

// Installs the actions (members left empty stay recorded).  Returns the previous set.
WindowHooks InstallWindowHooks(const WindowHooks& hooks);

// One recorded request: its name (the WindowHooks member), the edit number and the text if any.
struct WindowRequest {
    std::string name;
    int edit = 0;
    std::string text;
    bool operator==(const WindowRequest&) const = default;
};

class WindowRequestRecorder {
public:
    std::vector<WindowRequest> requests;
    // Scripted answers of the confirmation dialog, True = "Resume"; when empty it answers "Resume".
    std::deque<bool> resumeAnswers;

    void Clear() {
        requests.clear();
        resumeAnswers.clear();
    }
    // Names of the recorded requests, in order.
    std::vector<std::string> Names() const;
};

// The recorder of every request that has no installed action.
WindowRequestRecorder& DefaultWindowRecorder();

// The requests, called by the core.
namespace win {
void ShowGeometryForm();
void ShowDimensionsForm();
void ShowOtherFactorsForm();
void ShowAccuracyForm();
void FocusAccuracyField(int edit);
void SetGeometryFieldText(int edit, const std::string& text);
void AskResumeOrNewEntry(const std::string& question);
void SetValidityButtonVisible(bool visible);
void EnableLifeDrawButton();
void HideLifeArrowLabel();
void ShowEquivalentStresses();

// What one action of the user (an entry, a tick, a command) lets the accuracy window do while it
// runs.  The scopes nest: one inside a trial drops every request, one inside another action
// belongs to that action (so does the activation of the window the accuracy window closes over).
// Outside every scope each request passes.
enum class AccuracyRequests {
    Once,      // the first request opens the window; later ones (and their focus) are dropped
    ByCaller,  // the caller opens the window itself: only the focus requests pass
    None,      // a trial, or a recomputation of what was reported: nothing opens, nothing is focused
};
class AccuracyWindowScope {
public:
    explicit AccuracyWindowScope(AccuracyRequests kind);
    ~AccuracyWindowScope();
    AccuracyWindowScope(const AccuracyWindowScope&) = delete;
    AccuracyWindowScope& operator=(const AccuracyWindowScope&) = delete;

    // Whether a request (a show, or a focus) of the accuracy window passes the scopes in force.
    static bool Passes(bool show);

private:
    AccuracyRequests kind_;
    bool opened_ = false;
    AccuracyWindowScope* outer_;
};
}  // namespace win

}  // namespace karvelo
