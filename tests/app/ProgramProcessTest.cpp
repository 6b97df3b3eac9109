#include <gtest/gtest.h>
#include <signal.h>

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include "tests/support/TempFolder.h"

namespace {

QString TodaysLog(const QString& strRoot) {
    QStringList days = QDir(strRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    if (days.isEmpty()) return QString();
    return strRoot + QLatin1Char('/') + days.first() + "/RunLoglog_" + days.first() + ".log";
}

// Starts the program in tmp with the UI language, waits for its first log line and ends it
// with SIGTERM; returns the day's log file.
QByteArray RunUntilStarted(const TempFolder& tmp, const QString& strLang, QByteArray* pStderr) {
    QProcess program;
    program.setWorkingDirectory(tmp.Path());  // no DeviceList.Ini here: start-up goes on
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), tmp.File("config"));
    env.insert(QStringLiteral("QUORRIX_LANG"), strLang);
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(QUORRIX_PROGRAM),
                  {QStringLiteral("--ignored"), QStringLiteral("args")});
    EXPECT_TRUE(program.waitForStarted(10000));
    const QString strRoot = tmp.LogRoot();
    QElapsedTimer timer;
    timer.start();
    while (!ReadAllBytes(TodaysLog(strRoot)).contains("Program Start") && timer.elapsed() < 20000) {
        QThread::msleep(50);
    }
    EXPECT_EQ(::kill(static_cast<pid_t>(program.processId()), SIGTERM), 0);
    EXPECT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    if (pStderr != nullptr) *pStderr = program.readAllStandardError();
    QByteArray log = ReadAllBytes(TodaysLog(strRoot));
    QDir(strRoot).removeRecursively();
    return log;
}

}  // namespace

TEST(Program, StartsWritesProgramStartAndClosesItsLogFile) {
    TempFolder tmp;
    QByteArray errors;
    QByteArray log = RunUntilStarted(tmp, QStringLiteral("zh"), &errors);
    EXPECT_TRUE(log.startsWith("\r\n-< ")) << log.constData();
    EXPECT_TRUE(log.contains(" >------- <LogFileOpened : 0 > ===== \r\n"));
    EXPECT_TRUE(log.contains("] Program Start \r\n"));
    // Where the catalogue was looked for, in the log and so in the pane, not only on stderr.
    const QByteArray tried =
        QString::fromUtf8("] 未找到 DeviceList.Ini, 已查找: ./DeviceList.Ini; ").toUtf8() +
        QFile::encodeName(tmp.File("config")) + "/Quorrix/DeviceList.Ini\r\n";
    EXPECT_TRUE(log.contains(tried)) << log.constData();
    EXPECT_TRUE(log.endsWith(" >------- <LogFileClosed> ===== \r\n"));
    EXPECT_TRUE(errors.contains("Load MHash error, open file./DeviceList.Ini fail."));
}

// The English program writes the same log as the Chinese one, but for its time stamps.
TEST(Program, EnglishProgramWritesTheSameLog) {
    TempFolder tmp;
    static const QRegularExpression digits(QStringLiteral("\\d"));
    const QString strChinese = QString::fromUtf8(RunUntilStarted(tmp, "zh", nullptr));
    const QString strEnglish = QString::fromUtf8(RunUntilStarted(tmp, "en", nullptr));
    ASSERT_TRUE(strEnglish.contains(QString::fromUtf8("] 未找到 DeviceList.Ini, 已查找: ")));
    EXPECT_EQ(QString(strEnglish).replace(digits, "0"), QString(strChinese).replace(digits, "0"));
}

TEST(Program, AClosingBannerThatCannotBeWrittenIsReportedOnStandardError) {
    TempFolder tmp;
    const QString strDay = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    const QString strFolder = tmp.LogRoot() + "/" + strDay;
    ASSERT_TRUE(QDir().mkpath(strFolder));
    const QString strLog = strFolder + "/RunLoglog_" + strDay + ".log";
    const QByteArray earlier(874, 'e');  // leaves room for the opening lines, not the closing
    WriteAllBytes(strLog, earlier);
    WriteAllBytes(tmp.File("DeviceList.Ini"), "[FAMILY]\n");  // no line about a missing one
    QProcess program;
    program.setWorkingDirectory(tmp.Path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral("bash"),
                  {QStringLiteral("-c"), QStringLiteral("trap '' XFSZ; ulimit -f 1; exec \"$0\""),
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
    EXPECT_TRUE(
        QString::fromUtf8(program.readAllStandardError()).contains(QString::fromUtf8("发生错误 ")));
    const QByteArray log = ReadAllBytes(strLog);
    EXPECT_TRUE(log.startsWith(earlier));
    EXPECT_TRUE(log.endsWith("] Program Start \r\n"));  // nothing torn after it
}
