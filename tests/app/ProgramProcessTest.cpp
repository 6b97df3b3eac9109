#include <gtest/gtest.h>
#include <signal.h>

#include <QDate>
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
    EXPECT_TRUE(log.endsWith(" >------- <LogFileClosed> ===== \r\n"));
    EXPECT_TRUE(program.readAllStandardError().contains(
        "Load MHash error, open file./DeviceList.Ini fail."));
}

TEST(Program, AClosingBannerThatCannotBeWrittenIsReportedOnStandardError) {
    TempFolder tmp;
    const QString strDay = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    const QString strFolder = tmp.File("state/Quorrix/") + strDay;
    ASSERT_TRUE(QDir().mkpath(strFolder));
    const QString strLog = strFolder + "/RunLoglog_" + strDay + ".log";
    const QByteArray earlier(874, 'e');  // leaves room for the opening lines, not the closing
    WriteAllBytes(strLog, earlier);
    QProcess program;
    program.setWorkingDirectory(tmp.Path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral("bash"), {QStringLiteral("-c"),
                                           QStringLiteral("trap '' XFSZ; ulimit -f 1; exec \"$0\""),
                                           QStringLiteral(QUORRIX_PROGRAM)});
    ASSERT_TRUE(program.waitForStarted(10000));
    QElapsedTimer timer;
    timer.start();
    while (!ReadAllBytes(strLog).contains("Program Start") && timer.elapsed() < 20000) {
        QThread::msleep(50);
    }
    ASSERT_EQ(::kill(static_cast<pid_t>(program.processId()), SIGTERM), 0);
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(QString::fromUtf8(program.readAllStandardError()).contains(QString::fromUtf8("发生错误 ")));
    const QByteArray log = ReadAllBytes(strLog);
    EXPECT_TRUE(log.startsWith(earlier));
    EXPECT_TRUE(log.endsWith("] Program Start \r\n"));  // nothing torn after it
}
