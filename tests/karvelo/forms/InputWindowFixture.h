// The fixture of the input-window tests: the default case in G, and every link the windows use
// reset after each test.
#pragma once

#include <string>

#include "karvelo/ProgramState.h"
#include "karvelo/calc/Geometrie.h"
#include "karvelo/calc/Global.h"
#include "karvelo/forms/InputWindow.h"
#include "ui/TestHarness.h"

namespace karvelo {

class InputWindows : public ui::test::FormTest {
protected:
    void SetUp() override {
        test::ResetProgramState();
        G.GearingType = kExternalPair;
        SetDefaultInputs();
        ComputeCentreDistanceFromShifts();
        ComputeGearDimensions();
    }
    void TearDown() override {
        ui::test::FormTest::TearDown();
        test::ResetProgramState();
    }
};

// Types a field's text over as the user does: clicks into it, selects it and types, and clears
// it with Delete when the text is empty.
inline void TypeOver(ui::Edit* edit, const std::string& text) {
    ui::test::TypeInto(edit, text);
    if (text.empty()) ui::test::Key(Qt::Key_Delete);
}

}  // namespace karvelo
