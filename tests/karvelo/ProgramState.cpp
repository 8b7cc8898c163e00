#include "karvelo/ProgramState.h"

#include "karvelo/calc/Global.h"
#include "karvelo/calc/WindowHooks.h"
#include "runtime/TextFile.h"

#if KARVELO_TESTS_WITH_WINDOWS
#include "karvelo/forms/InputWindow.h"
#include "ui/TestHarness.h"
#endif
#if KARVELO_TESTS_WITH_PROGRAM
#include "karvelo/app/Prubehy.h"
#endif

namespace karvelo::test {

void ResetProgramState() {
    G = GlobalData{};
    ForgetStartUpCase();
    InstallWindowHooks(WindowHooks{});
    DefaultWindowRecorder().Clear();
    rt::TextFile::FailWritesAfter(-1);
#if KARVELO_TESTS_WITH_WINDOWS
    MainWindow() = MainWindowLinks{};
    ui::test::Reset();
#endif
#if KARVELO_TESTS_WITH_PROGRAM
    CoursesMainWindow() = CoursesMainWindowLinks{};
    CoursesData = CoursesChartData{};
#endif
}

}  // namespace karvelo::test
