// Common fixture of the core tests: fresh global data, notices and window requests recorded.
#pragma once

#include <gtest/gtest.h>

#include "karvelo/calc/Geometrie.h"
#include "karvelo/calc/Global.h"
#include "karvelo/ProgramState.h"
#include "karvelo/calc/WindowHooks.h"
#include "runtime/Notice.h"

namespace karvelo::test {

class CoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        previous_ = rt::SetNoticeSink(&notices);
    }
    void TearDown() override {
        rt::SetNoticeSink(previous_);
        ResetProgramState();
    }
    // The default case of the gearing type (kExternalPair, kInternalPair), inputs only.
    static void Defaults(std::int16_t gearingType) {
        G.GearingType = gearingType;
        SetDefaultInputs();
    }
    // The derived geometry, as the main window and the geometry window run it.
    static void Derive() {
        G.xsum = G.x1 + G.x2;
        ComputeCentreDistanceFromShifts();
        ComputeGearDimensions();
        ComputeTipThickness();
    }
    rt::NoticeRecorder notices;

private:
    rt::NoticeSink* previous_ = nullptr;
};

}  // namespace karvelo::test
