#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include "log/LogErrorHandler.h"
#include "log/RunLog.h"
#include "platform/FileLock.h"
#include "tests/log/LogTestSupport.h"
#include "tests/support/Clock.h"
#include "tests/support/TempFolder.h"

namespace {

QStringList g_errors;

}  // namespace

TEST(LogFile, MidnightClosesYesterdaysFileAndOpensTodays) {
    TempFolder tmp;
    FakeClock clock(At(2024, 5, 1, 23, 59, 59, 999));
    const QString strRoot = tmp.File(QStringLiteral("logs"));
    {
        CRunLog log;
        ConfigureLikeWindow(log, strRoot);
        EXPECT_TRUE(QFileInfo(strRoot + QStringLiteral("/2024-05-01")).isDir());
        log.WriteLog(QStringLiteral("before"));
        clock.Set(At(2024, 5, 2, 0, 0, 0, 0));
        log.WriteLog(QStringLiteral("after"));
        clock.Set(At(2024, 5, 2, 8, 0, 0, 0));
    }
    EXPECT_EQ(ReadAllBytes(DayFile(strRoot, QStringLiteral("2024-05-01"))),
              Opening("2024-05-01 23:59:59") + "2024-05-01 23:59:59 : [23:59:59.999] before\r\n" +
                  Closing("2024-05-02 00:00:00"));
    EXPECT_EQ(ReadAllBytes(DayFile(strRoot, QStringLiteral("2024-05-02"))),
              Opening("2024-05-02 00:00:00") + "2024-05-02 00:00:00 : [ 0:00:00.000] after\r\n" +
                  "2024-05-02 08:00:00 : " + Closing("2024-05-02 08:00:00"));
}

TEST(LogFile, HourlyFilesChangeAtTheFullHour) {
    TempFolder tmp;
    FakeClock clock(At(2024, 5, 1, 14, 30, 0));
    const QString strDay = tmp.File(QStringLiteral("logs/2024-05-01/"));
    CRunLog log;
    ConfigureLikeWindow(log, tmp.File(QStringLiteral("logs")));
    log.m_bHourlyFile = 1;
    log.WriteLog(QStringLiteral("half past two"));
    clock.Set(At(2024, 5, 1, 15, 0, 0));
    log.WriteLog(QStringLiteral("three"));
    QByteArray first = ReadAllBytes(strDay + QStringLiteral("RunLoglog_2024-05-01_14.log"));
    EXPECT_TRUE(first.contains("half past two"));
    EXPECT_TRUE(first.endsWith(Closing("2024-05-01 15:00:00")));
    EXPECT_TRUE(ReadAllBytes(strDay + QStringLiteral("RunLoglog_2024-05-01_15.log"))
                    .endsWith("2024-05-01 15:00:00 : [15:00:00.000] three\r\n"));
}

TEST(LogFile, LongNamePatternsAndChannelsOutOfRange) {
    TempFolder tmp;
    FakeClock clock(At(2024, 5, 1, 10, 0, 0));
    const QString strDay = tmp.File(QStringLiteral("logs/2024-05-01/"));
    CRunLog log;
    ConfigureLikeWindow(log, tmp.File(QStringLiteral("logs")));
    EXPECT_EQ(log.WriteLogFile(QStringLiteral("three\r\n"), 3), 1);
    EXPECT_TRUE(QFile::exists(strDay + QStringLiteral("RunLoglog[3]__2024-05-01.log")));
    log.m_strChannelName[4] = QStringLiteral("dev");
    log.m_bHourlyFile = 1;
    EXPECT_EQ(log.WriteLogFile(QStringLiteral("four\r\n"), 4), 1);
    EXPECT_TRUE(QFile::exists(strDay + QStringLiteral("RunLoglog[4]_dev_2024-05-01_10.log")));
    log.m_bHourlyFile = 0;
    log.m_bPlainFileName = 0;
    EXPECT_EQ(log.WriteLogFile(QStringLiteral("zero\r\n"), 0), 1);
    EXPECT_TRUE(QFile::exists(strDay + QStringLiteral("RunLoglog[0]__2024-05-01.log")));
    EXPECT_EQ(log.WriteLogFile(QStringLiteral("x"), 10), 0);
    EXPECT_EQ(log.WriteLogFile(QStringLiteral("x"), -1), 0);
    EXPECT_EQ(QDir(strDay).entryList(QDir::Files).size(), 3);
}

TEST(LogFile, FolderResolutionAndSetLogPathResult) {
    TempFolder tmp;
    FakeClock clock(At(2024, 5, 1, 10, 0, 0));
    CRunLog log;
    EXPECT_EQ(log.SetLogPath(QStringLiteral(".\\Log"), QStringLiteral("RunLog")), 0);
    EXPECT_TRUE(QFileInfo(tmp.File(QStringLiteral("Log/2024-05-01"))).isDir());
    EXPECT_EQ(log.SetLogPath(QStringLiteral(".\\Log"), QStringLiteral("RunLog")), EEXIST);
    QString strJoined;
    EXPECT_EQ(CRunLog::JoinPath(QStringLiteral("/base"), QStringLiteral("a\\b/c"), strJoined), 1);
    EXPECT_EQ(strJoined, QStringLiteral("/base/a/b/c"));
    QString strToday;
    CRunLog::FormatToday(strToday);
    EXPECT_EQ(strToday, QStringLiteral("2024-05-01"));
}

TEST(LogFile, CodePageOfTheRecords) {
    TempFolder tmp;
    FakeClock clock(At(2024, 5, 1, 10, 0, 0));
    const QString strRoot = tmp.File(QStringLiteral("logs"));
    const QString strFile = DayFile(strRoot, QStringLiteral("2024-05-01"));
    {
        ScopedEnv env("QUORRIX_CODEPAGE", "GBK");
        CRunLog log;
        ConfigureLikeWindow(log, strRoot);
        log.m_bShowTime = 0;
        log.WriteLog(QString::fromUtf8("打开"));
        log.WriteLog(QString::fromUtf8("x😀y"));
        log.CloseLogFiles();
    }
    QByteArray gbk = ReadAllBytes(strFile);
    EXPECT_TRUE(gbk.contains(QByteArray::fromHex("b4f2bfaa0d0a")));
    EXPECT_TRUE(gbk.contains("x?y\r\n"));
    QFile::remove(strFile);
    {
        ScopedEnv env("QUORRIX_CODEPAGE", "UTF-8");
        CRunLog log;
        ConfigureLikeWindow(log, strRoot);
        log.m_bShowTime = 0;
        log.WriteLog(QString(1000, QChar(0x6253)));  // three bytes each in UTF-8
    }
    QByteArray utf8 = ReadAllBytes(strFile);
    EXPECT_TRUE(utf8.contains(QString(1000, QChar(0x6253)).toUtf8() + "\r\n"));
}

TEST(LogFile, FailedOpenIsQueuedAtEveryTextAndRetried) {
    TempFolder tmp;
    FakeClock clock(At(2024, 5, 1, 10, 0, 0));
    WriteAllBytes(tmp.File(QStringLiteral("blocker")), "not a folder");
    const QString strRoot = tmp.File(QStringLiteral("blocker/logs"));
    const QString strPath = DayFile(strRoot, QStringLiteral("2024-05-01"));
    CRunLog log;
    ConfigureLikeWindow(log, strRoot);
    log.m_bShowTime = 0;
    log.WriteLog(QStringLiteral("one"));
    log.WriteLog(QStringLiteral("two"));
    const QString strFail =
        QString::fromUtf8("日志文件 ") + strPath + QString::fromUtf8(" 操作失败\r\n");
    EXPECT_EQ(log.m_strPending[0], QStringLiteral("one\r\n") + strFail + "two\r\n" + strFail);
    EXPECT_EQ(log.m_nPaneTextLength[0], 10);
    EXPECT_EQ(log.m_bFileOpen[0], 0);

    QFile::remove(tmp.File(QStringLiteral("blocker")));
    log.WriteLog(QStringLiteral("three"));
    EXPECT_EQ(log.m_bFileOpen[0], 1);
    EXPECT_TRUE(ReadAllBytes(strPath).endsWith("three\r\n"));
}

TEST(LogFile, FileHeldByAnotherWriterIsNotWritten) {
    TempFolder tmp;
    FakeClock clock(At(2024, 5, 1, 10, 0, 0));
    const QString strRoot = tmp.File(QStringLiteral("logs"));
    const QString strPath = DayFile(strRoot, QStringLiteral("2024-05-01"));
    CRunLog log;
    ConfigureLikeWindow(log, strRoot);
    log.m_bShowTime = 0;
    QFile holder(strPath);
    ASSERT_TRUE(holder.open(QIODevice::ReadWrite));
    ASSERT_TRUE(LockFileExclusive(holder));
    log.WriteLog(QStringLiteral("held"));
    log.WriteLog(QStringLiteral("still held"));
    EXPECT_EQ(log.m_strPending[0].count(QString::fromUtf8(" 操作失败\r\n")), 2);
    EXPECT_TRUE(log.m_strPending[0].endsWith(QString::fromUtf8("操作失败\r\n")));
    holder.close();
    log.WriteLog(QStringLiteral("free"));
    QByteArray content = ReadAllBytes(strPath);
    EXPECT_FALSE(content.contains("held"));
    EXPECT_TRUE(content.endsWith("free\r\n"));
}

TEST(LogFile, TwoRunsOnOneDayAppendWithTheirOwnBanners) {
    TempFolder tmp;
    const QString strRoot = tmp.File(QStringLiteral("logs"));
    for (const char* pText : {"first run", "second run"}) {
        QProcess child;
        child.start(QStringLiteral(RUNLOG_CHILD), {strRoot, QString::fromLatin1(pText)});
        ASSERT_TRUE(child.waitForFinished(30000));
        ASSERT_EQ(child.exitCode(), 0);
    }
    QDir day(strRoot);
    QStringList days = day.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_EQ(days.size(), 1);
    QString strContent = QString::fromUtf8(ReadAllBytes(DayFile(strRoot, days.first())));
    const QString strStamp = QStringLiteral(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)");
    const QString strTime = QStringLiteral(R"(\[[ \d]\d:\d\d:\d\d\.\d{3}\] )");
    QString strRun = QStringLiteral(R"(\r\n-< %1 >------- <LogFileOpened : 0 > ===== \r\n)"
                                    R"(%1 : %2%3\r\n)"
                                    R"(%1 : \r\n-< %1 >------- <LogFileClosed> ===== \r\n)");
    QRegularExpression pattern(QLatin1Char('^') + strRun.arg(strStamp, strTime, "first run") +
                               strRun.arg(strStamp, strTime, "second run") + QLatin1Char('$'));
    EXPECT_TRUE(pattern.match(strContent).hasMatch()) << strContent.toStdString();
}

TEST(LogFile, WriteErrorIsReportedAndAHandlerMayWriteAgain) {
    TempFolder tmp;
    FakeClock clock(At(2024, 5, 1, 10, 0, 0));
    const QString strRoot = tmp.File(QStringLiteral("logs"));
    ASSERT_TRUE(QDir().mkpath(strRoot + QStringLiteral("/2024-05-01")));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), DayFile(strRoot, "2024-05-01")));
    static CRunLog* s_pLog = nullptr;
    static int s_nDepth = 0;
    CRunLog log;
    s_pLog = &log;
    ConfigureLikeWindow(log, strRoot);
    log.m_bShowTime = 0;
    SetLogErrorHandler([](const QString& strMessage) {
        g_errors.append(strMessage);
        if (s_nDepth++ == 0) s_pLog->WriteLog(QStringLiteral("from the handler"));
    });
    g_errors.clear();
    log.WriteLog(QStringLiteral("fails"));
    SetLogErrorHandler(nullptr);
    ASSERT_EQ(g_errors.size(), 2);
    EXPECT_TRUE(g_errors[0].startsWith(QString::fromUtf8("发生错误 ")));
    // Each message is queued before its handler runs, so it stands behind its own text.
    QStringList lines = log.m_strPending[0].split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], QStringLiteral("fails"));
    EXPECT_EQ(lines[1], g_errors[0]);
    EXPECT_EQ(lines[2], QStringLiteral("from the handler"));
    EXPECT_EQ(lines[3], g_errors[1]);
    log.m_bFileOpen[0] = 0;  // /dev/full never takes the closing banner either
}
