// The program itself, started without a display it can use.
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "ui/TestHarness.h"

namespace karvelo::test {
namespace {

struct ProgramRun {
    int exitCode = -1;
    std::string output;
};

ProgramRun RunProgram(const std::string& environment) {
    ProgramRun run;
    const std::string command = "env " + environment + " '" + KARVELO_PROGRAM + "' 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) run.output += buffer;
    const int status = ::pclose(pipe);
    if (WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
    return run;
}

TEST(StartUp, WithoutADisplayTheProgramSaysWhatItNeedsAndFails) {
    for (const char* environment :
         {"-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM", "-u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:9999"}) {
        SCOPED_TRACE(environment);
        const ProgramRun run = RunProgram(environment);
        EXPECT_EQ(run.exitCode, ui::NoDisplayExitCode);
        EXPECT_EQ(run.output.rfind("karvelo needs a graphical display", 0), 0u) << run.output;
        EXPECT_NE(run.output.find("xvfb-run -a "), std::string::npos);
        EXPECT_EQ(run.output.find("Reinstalling"), std::string::npos);
    }
}

}  // namespace
}  // namespace karvelo::test
