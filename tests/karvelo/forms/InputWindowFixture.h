// The fixture of the input-window tests: the default case in G, and every link the windows use
// reset after each test.
#pragma once

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
        G.GearingType = 1;
        SetDefaultInputs();
        ComputeCentreDistanceFromShifts();
        ComputeGearDimensions();
    }
    void TearDown() override {
        ui::test::FormTest::TearDown();
        test::ResetProgramState();
    }
};

}  // namespace karvelo
