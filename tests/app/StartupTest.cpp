#include <gtest/gtest.h>
#include <QProcess>

namespace {

// The program starts headless, shows its window and keeps running until it is closed.
TEST(Startup, ProgramRunsUntilClosed) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(VELTRANE_APP_PATH), {});
    ASSERT_TRUE(program.waitForStarted(10000));
    EXPECT_FALSE(program.waitForFinished(2000)) << program.readAllStandardError().toStdString();
    EXPECT_EQ(program.state(), QProcess::Running);
    program.kill();
    program.waitForFinished(5000);
}

}  // namespace
