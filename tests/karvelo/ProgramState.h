// The one reset of Karvelo's program-wide state, called by every fixture of the Karvelo tests so
// that each test starts as after a fresh start, whatever ran before it in the same process.
//
// The test programs that link the windows are built with KARVELO_TESTS_WITH_WINDOWS (input
// windows) and KARVELO_TESTS_WITH_PROGRAM (main window and result views); the reset then also
// clears what those layers keep.  ProgramState.cpp is part of every Karvelo test program.
#pragma once

#include <string>

namespace karvelo::test {

// G as the program starts and no start-up case recorded, the core's window requests recorded
// (no actions installed), their recorder and its scripted answers empty, no injected write
// failure; with the windows also the main-window links empty and the layer's recorders, queues
// and message hook cleared; with the program also the chart's links and variables.
void ResetProgramState();

// A file of the source tree (test data, the help file), found wherever the test runs from.
inline std::string SourcePath(const std::string& relative) {
    std::string path = TEST_SOURCE_ROOT;
    path += '/';
    path += relative;
    return path;
}

}  // namespace karvelo::test
