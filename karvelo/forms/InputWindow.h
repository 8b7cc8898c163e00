// What Karvelo's input windows share: the help call of their F1 key, the read-only field
// columns of the windows whose input is not built yet, check boxes that follow the data, and
// the few requests an input window makes of the main window.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/Forms.h"

namespace karvelo {

// The program's help file, as the windows name it.
inline constexpr const char* kHelpFile = "help_diz.hlp";

// Opens the help file at a window's topic; a failing call shows "Error".
void ShowHelpTopic(unsigned long context);

// StaticOverloadCountF1, H1, F2, H2: the spectrum levels whose root or contact stress of the
// pinion or wheel exceeds its static permissible stress (strictly greater).
void CountStaticOverloads();
bool AnyStaticOverload();

// Requests of the input windows to the main window; the main window fills them at start-up.
struct MainWindowLinks {
    // Show or hide the main window's Panel1 (the frame behind "Service life").
    std::function<void(bool visible)> SetLifePanelVisible;
    // Repaint the main window (its paint brings the method and hypothesis buttons into line).
    std::function<void()> RepaintMainWindow;
    // Show the S-N curve chart ("Courses") non-modally.
    std::function<void()> ShowCoursesWindow;
};
MainWindowLinks& MainWindow();

// A column of numbered fields, each an edit `Edit<n>` with its label on the left, filled from
// the global data by Fill().  The fields show the data; they take no input.
class FieldColumn {
public:
    struct Field {
        int number;                        // n of Edit<n>
        std::string label;                 // symbol and unit
        std::function<std::string()> text; // the value in its display format
    };
    // Lays the fields out top to bottom from (left, top), `rows` per column.
    FieldColumn(ui::Container* parent, int left, int top, int rows, std::vector<Field> fields);
    void Fill() const;
    ui::Edit* Edit(int number) const;  // nullptr when the column has no such field
    int Bottom() const { return bottom_; }

private:
    struct Item {
        Field field;
        ui::Label* label;
        ui::Edit* edit;
    };
    std::vector<Item> items_;
    int bottom_ = 0;
};

// A check box of a window whose own handler is not built yet: it shows the state `state` of
// the data, and a click only clears its mouse-down flag (when given) and shows the data again.
void FollowData(ui::CheckBox* box, std::function<bool()> state, bool* pressedFlag = nullptr);

// F1 (virtual key 112) released in an input window: help at the window's topic.
void HelpKeyUp(ui::Word key, unsigned long context);

}  // namespace karvelo
