// main() of every window test program: one Application on the offscreen platform,
// the recording services, GoogleTest.
#include "ui/TestHarness.h"

#include <QByteArray>
#include <QDir>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class ResetBeforeEachTest : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { ui::test::Reset(); }
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray dir = QDir::tempPath().toUtf8() + "/ui-tests-" + QByteArray::number(unsigned(getuid()));
        mkdir(dir.constData(), 0700);
        qputenv("XDG_RUNTIME_DIR", dir);
    }
    ::testing::InitGoogleTest(&argc, argv);
    ui::Application app(argc, argv, ui::Application::Mode::Test);
    ui::test::InstallRecordingServices();
    ::testing::UnitTest::GetInstance()->listeners().Append(new ResetBeforeEachTest);
    return RUN_ALL_TESTS();
}
