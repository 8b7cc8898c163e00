// A command-line tool a test needs besides the program (pdftotext to read a printed PDF).  Where it
// is missing, the test is skipped on a developer's machine but fails under CI (the environment
// variable CI set), where every test must run.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace test_support {

inline bool HasTool(const std::string& command) {
    return std::system(("command -v " + command + " >/dev/null 2>&1").c_str()) == 0;
}

inline bool UnderCi() {
    const char* ci = std::getenv("CI");
    return ci && *ci;
}

}  // namespace test_support

// Ends the test when `command` is missing: a failure under CI, a skip elsewhere.
#define REQUIRE_TOOL(command)                                                        \
    do {                                                                             \
        if (!test_support::HasTool(command)) {                                       \
            if (test_support::UnderCi()) FAIL() << (command) << " is not installed"; \
            GTEST_SKIP() << (command) << " is not installed";                        \
        }                                                                            \
    } while (0)
