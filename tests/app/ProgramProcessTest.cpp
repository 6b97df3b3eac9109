#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include "tests/support/TempFolder.h"

namespace {

QString TodaysLog(const QString& strRoot) {
    QStringList days = QDir(strRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    if (days.isEmpty()) return QString();
    return strRoot + QLatin1Char('/') + days.first() + "/RunLoglog_" + days.first() + ".log";
}

}  // namespace

TEST(Program, StartsWritesProgramStartAndClosesItsLogFile) {
    TempFolder tmp;
    QProcess program;
    program.setWorkingDirectory(tmp.Path());  // no DeviceList.Ini here: start-up goes on
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), tmp.File("config"));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(QUORRIX_PROGRAM),
                  {QStringLiteral("--ignored"), QStringLiteral("args")});
    ASSERT_TRUE(program.waitForStarted(10000));
    const QString strRoot = tmp.File("state/Quorrix");
    QElapsedTimer timer;
    timer.start();
    while (!ReadAllBytes(TodaysLog(strRoot)).contains("Program Start") && timer.elapsed() < 20000) {
        QThread::msleep(50);
    }
    ASSERT_EQ(::kill(static_cast<pid_t>(program.processId()), SIGTERM), 0);
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    QByteArray log = ReadAllBytes(TodaysLog(strRoot));
    EXPECT_TRUE(log.startsWith("\r\n-< ")) << log.constData();
    EXPECT_TRUE(log.contains(" >------- <LogFileOpened : 0 > ===== \r\n"));
    EXPECT_TRUE(log.contains("] Program Start \r\n"));
    // Where the catalogue was looked for, in the log and so in the pane, not only on stderr.
    const QByteArray tried =
        QString::fromUtf8("] 未找到 DeviceList.Ini, 已查找: ./DeviceList.Ini; ").toUtf8() +
        QFile::encodeName(tmp.File("config")) + "/Quorrix/DeviceList.Ini\r\n";
    EXPECT_TRUE(log.contains(tried)) << log.constData();
    EXPECT_TRUE(log.endsWith(" >------- <LogFileClosed> ===== \r\n"));
    EXPECT_TRUE(program.readAllStandardError().contains(
        "Load MHash error, open file./DeviceList.Ini fail."));
}
