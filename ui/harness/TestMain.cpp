// main() of every window test program: one Application on the offscreen platform,
// the recording services, GoogleTest.
#include "ui/TestHarness.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class ResetBeforeEachTest : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { ui::test::Reset(); }
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The test screen is the 1280 x 1024 screen the programs are laid out for (the platform
    // reads its description once, while the application starts).
    QFile screen(QDir::tempPath() + "/ui-tests-screen-" + QString::number(getpid()) + ".json");
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen" && screen.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        screen.write(R"({"screens": [{"name": "OffscreenScreen", "x": 0, "y": 0, "width": 1280, "height": 1024,)"
                     R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        screen.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screen.fileName().toUtf8());
    }
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray dir = QDir::tempPath().toUtf8() + "/ui-tests-" + QByteArray::number(unsigned(getuid()));
        mkdir(dir.constData(), 0700);
        qputenv("XDG_RUNTIME_DIR", dir);
    }
    // Qt's own settings (the file dialogs' column widths) in a folder of this process, not the user's.
    const QTemporaryDir config(QDir::tempPath() + "/ui-tests-config-XXXXXX");
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    ::testing::InitGoogleTest(&argc, argv);
    ui::Application app(argc, argv, ui::Application::Mode::Test);
    if (screen.exists()) screen.remove();
    ui::test::InstallRecordingServices();
    ::testing::UnitTest::GetInstance()->listeners().Append(new ResetBeforeEachTest);
    return RUN_ALL_TESTS();
}
