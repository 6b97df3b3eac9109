#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <memory>
#include <vector>

#include "log/LogErrorHandler.h"
#include "log/LogFileName.h"
#include "log/RunLog.h"
#include "platform/FileOpen.h"
#include "tests/log/LogTestSupport.h"
#include "tests/support/Clock.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/SystemFiles.h"
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
        ConfigureRunLog(log, strRoot);
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
    ConfigureRunLog(log, tmp.File(QStringLiteral("logs")));
    log.m_bHourlyFile = true;
    log.WriteLog(QStringLiteral("half past two"));
    clock.Set(At(2024, 5, 1, 15, 0, 0));
    log.WriteLog(QStringLiteral("three"));
    QByteArray first = ReadAllBytes(strDay + QStringLiteral("RunLoglog_2024-05-01_14.log"));
    EXPECT_TRUE(first.contains("half past two"));
    EXPECT_TRUE(first.endsWith(Closing("2024-05-01 15:00:00")));
    EXPECT_TRUE(ReadAllBytes(strDay + QStringLiteral("RunLoglog_2024-05-01_15.log"))
                    .endsWith("2024-05-01 15:00:00 : [15:00:00.000] three\r\n"));
}

TEST(LogFile, NamesAreAFunctionOfChannelOptionsAndTime) {
    CRunLog log;
    log.m_strLogName = QStringLiteral("RunLog");
    const LocalTimeFields t{2024, 5, 1, 10, 0, 0, 0};
    EXPECT_EQ(LogFileName(log, 0, t), QStringLiteral("RunLoglog_2024-05-01.log"));
    EXPECT_EQ(LogFileName(log, 3, t), QStringLiteral("RunLoglog[3]__2024-05-01.log"));
    log.m_strChannelName[4] = QStringLiteral("dev");
    log.m_bHourlyFile = true;
    EXPECT_EQ(LogFileName(log, 4, t), QStringLiteral("RunLoglog[4]_dev_2024-05-01_10.log"));
    log.m_bHourlyFile = false;
    log.m_bPlainFileName = false;
    EXPECT_EQ(LogFileName(log, 0, t), QStringLiteral("RunLoglog[0]__2024-05-01.log"));
    EXPECT_TRUE(LogFileName(log, 10, t).isEmpty());
    EXPECT_TRUE(LogFileName(log, -1, t).isEmpty());
    EXPECT_EQ(log.WriteLogFile(QStringLiteral("x"), 10), 0);
}

TEST(LogFile, FolderResolutionAndSetLogPathResult) {
    TempFolder tmp;
    FakeClock clock(At(2024, 5, 1, 10, 0, 0));
    CRunLog log;
    EXPECT_EQ(log.SetLogPath(QStringLiteral(".\\Log"), QStringLiteral("RunLog")), 0);
    EXPECT_TRUE(QFileInfo(tmp.File(QStringLiteral("Log/2024-05-01"))).isDir());
    EXPECT_EQ(log.SetLogPath(QStringLiteral(".\\Log"), QStringLiteral("RunLog")), AlreadyExists());
    QString strJoined;
    EXPECT_EQ(CRunLog::JoinPath(QStringLiteral("/base"), QStringLiteral("a\\b/c"), strJoined), 1);
    EXPECT_EQ(strJoined, Native(QStringLiteral("/base/a/b/c")));
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
        ScopedCodePage codePage("GBK");
        CRunLog log;
        ConfigureRunLog(log, strRoot);
        log.m_bShowTime = false;
        log.WriteLog(QString::fromUtf8("打开"));
        log.WriteLog(QString::fromUtf8("x😀y"));
        log.CloseLogFiles();
    }
    QByteArray gbk = ReadAllBytes(strFile);
    EXPECT_TRUE(gbk.contains(QByteArray::fromHex("b4f2bfaa0d0a")));
    EXPECT_TRUE(gbk.contains("x?y\r\n"));
    QFile::remove(strFile);
    {
        ScopedCodePage codePage("UTF-8");
        CRunLog log;
        ConfigureRunLog(log, strRoot);
        log.m_bShowTime = false;
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
    ConfigureRunLog(log, strRoot);
    log.m_bShowTime = false;
    log.WriteLog(QStringLiteral("one"));
    log.WriteLog(QStringLiteral("two"));
    // The system's reason follows, in the system's words.
    const QString strFail = QString::fromUtf8("日志文件 ") +
                            QRegularExpression::escape(Native(strPath)) +
                            QString::fromUtf8(" 操作失败, ") + QStringLiteral("[^\r]+\r\n");
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^one\r\n") + strFail + "two\r\n" + strFail + "$")
                    .match(log.PendingText())
                    .hasMatch())
        << log.PendingText().toStdString();
    EXPECT_EQ(log.PaneTextLength(), 10);
    EXPECT_FALSE(log.IsFileOpen());

    QFile::remove(tmp.File(QStringLiteral("blocker")));
    log.WriteLog(QStringLiteral("three"));
    EXPECT_TRUE(log.IsFileOpen());
    EXPECT_TRUE(ReadAllBytes(strPath).endsWith("three\r\n"));
}

TEST(LogFile, TwentyCopiesAtOnceKeepEveryRecordWhole) {
    TempFolder tmp;
    const QString strRoot = tmp.File(QStringLiteral("logs"));
    constexpr int COPIES = 20;
    constexpr int LINES = 40;
    std::vector<std::unique_ptr<QProcess>> children;
    for (int nCopy = 0; nCopy < COPIES; ++nCopy) {
        QStringList arguments{strRoot};
        for (int nLine = 0; nLine < LINES; ++nLine) {
            arguments << QStringLiteral("copy %1 line %2 ").arg(nCopy).arg(nLine) +
                             QString(60, 'x');
        }
        children.push_back(std::make_unique<QProcess>());
        children.back()->start(QStringLiteral(RUNLOG_CHILD), arguments);
    }
    for (auto& child : children) {
        ASSERT_TRUE(child->waitForFinished(60000));
        ASSERT_EQ(child->exitCode(), 0);
    }
    const QStringList days = QDir(strRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_EQ(days.size(), 1);  // a run across midnight would split the records
    const QString strContent = QString::fromUtf8(ReadAllBytes(DayFile(strRoot, days.first())));
    EXPECT_EQ(strContent.count(QStringLiteral("<LogFileOpened : 0 >")), COPIES);
    EXPECT_EQ(strContent.count(QStringLiteral("<LogFileClosed>")), COPIES);
    const QRegularExpression record(
        QStringLiteral(R"(: \[[ \d]\d:\d\d:\d\d\.\d{3}\] copy (\d+) line (\d+) x{60}\r\n)"));
    QSet<QString> seen;
    for (auto match = record.globalMatch(strContent); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        seen.insert(m.captured(1) + QLatin1Char('/') + m.captured(2));
    }
    EXPECT_EQ(seen.size(), COPIES * LINES);
}

TEST(LogFile, ARecordThatDoesNotFitIsCutBackWhole) {
    if (!FileSizeLimit::Supported()) GTEST_SKIP() << "no file size limit here";
    TempFolder tmp;
    FakeClock clock(At(2024, 5, 1, 10, 0, 0));
    const QString strRoot = tmp.File(QStringLiteral("logs"));
    const QString strPath = DayFile(strRoot, QStringLiteral("2024-05-01"));
    CRunLog log;
    ConfigureRunLog(log, strRoot);
    log.WriteLog(QStringLiteral("fits"));
    const qint64 nBefore = QFileInfo(strPath).size();
    {
        FileSizeLimit limit(nBefore + 10);
        g_errors.clear();
        SetLogErrorHandler([](const QString& strMessage) { g_errors.append(strMessage); });
        log.WriteLog(QStringLiteral("a record far longer than the ten bytes that still fit"));
        SetLogErrorHandler(nullptr);
    }
    EXPECT_EQ(QFileInfo(strPath).size(), nBefore);
    ASSERT_EQ(g_errors.size(), 1);
    EXPECT_EQ(g_errors[0], QString::fromUtf8("发生错误 ") + SystemErrorText(EFBIG));
    log.WriteLog(QStringLiteral("after"));
    EXPECT_TRUE(ReadAllBytes(strPath).endsWith(
        "[10:00:00.000] fits\r\n2024-05-01 10:00:00 : [10:00:00.000] after\r\n"));
}

TEST(LogFile, AFailedCloseAtMidnightKeepsTheTextInTheNewFile) {
    if (!FileSizeLimit::Supported()) GTEST_SKIP() << "no file size limit here";
    TempFolder tmp;
    FakeClock clock(At(2024, 5, 1, 23, 59, 59));
    const QString strRoot = tmp.File(QStringLiteral("logs"));
    CRunLog log;
    ConfigureRunLog(log, strRoot);
    log.m_bShowTime = false;
    log.WriteLog(QString(600, 'a'));
    FileSizeLimit limit(QFileInfo(DayFile(strRoot, QStringLiteral("2024-05-01"))).size() + 5);
    SetLogErrorHandler([](const QString&) {});
    clock.Set(At(2024, 5, 2, 0, 0, 0));
    log.WriteLog(QStringLiteral("first of the day"));
    SetLogErrorHandler(nullptr);
    const QByteArray today = ReadAllBytes(DayFile(strRoot, QStringLiteral("2024-05-02")));
    EXPECT_EQ(today, Opening("2024-05-02 00:00:00") + QString::fromUtf8("发生错误 ").toUtf8() +
                         SystemErrorText(EFBIG).toUtf8() + "\r\nfirst of the day\r\n");
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
    if (!FileSizeLimit::Supported()) GTEST_SKIP() << "no file size limit here";
    TempFolder tmp;
    FakeClock clock(At(2024, 5, 1, 10, 0, 0));
    const QString strRoot = tmp.File(QStringLiteral("logs"));
    ASSERT_TRUE(QDir().mkpath(strRoot + QStringLiteral("/2024-05-01")));
    // A day's file at the size limit takes no more bytes, as on a full disk.
    WriteAllBytes(DayFile(strRoot, "2024-05-01"), "full");
    FileSizeLimit limit(4);
    static CRunLog* s_pLog = nullptr;
    static int s_nDepth = 0;
    CRunLog log;
    s_pLog = &log;
    ConfigureRunLog(log, strRoot);
    log.m_bShowTime = false;
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
    QStringList lines = log.PendingText().split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], QStringLiteral("fails"));
    EXPECT_EQ(lines[1], g_errors[0]);
    EXPECT_EQ(lines[2], QStringLiteral("from the handler"));
    EXPECT_EQ(lines[3], g_errors[1]);
    // The full file refuses its closing banner too, and nobody is left to hear of it.
    SetLogErrorHandler([](const QString&) {});
    log.CloseLogFiles();
    SetLogErrorHandler(nullptr);
}

// The day's file is appended to only when it is a regular file of its own: a link would send
// the records into any file the user can write, a FIFO would block the program.
TEST(LogFile, ALinkOrFifoInPlaceOfTheDaysFileIsRefused) {
    // QFile::link makes a shortcut file on Windows, no link the system follows.
    if (!NullDevice().startsWith(QLatin1Char('/'))) GTEST_SKIP() << "no symbolic links here";
    TempFolder tmp;
    FakeClock clock(At(2024, 5, 1, 10, 0, 0));
    const QString strRoot = tmp.File(QStringLiteral("logs"));
    const QString strDay = DayFile(strRoot, "2024-05-01");
    ASSERT_TRUE(QDir().mkpath(strRoot + QStringLiteral("/2024-05-01")));
    WriteAllBytes(tmp.File("victim"), "keep");
    QStringList links{tmp.File("victim"), tmp.File("dangling")};
    for (const QString& strTarget : links) {
        if (!QFile::link(strTarget, strDay)) GTEST_SKIP() << "no symbolic links here";
        CRunLog log;
        ConfigureRunLog(log, strRoot);
        log.WriteLog(QStringLiteral("text"));
        EXPECT_FALSE(log.IsFileOpen());
        EXPECT_TRUE(log.PendingText().contains(QString::fromUtf8(" 操作失败, ")));
        QFile::remove(strDay);
    }
    EXPECT_EQ(ReadAllBytes(tmp.File("victim")), QByteArray("keep"));
    EXPECT_FALSE(QFileInfo::exists(tmp.File("dangling")));
    if (!MakeFifo(strDay)) return;
    CRunLog log;
    ConfigureRunLog(log, strRoot);
    log.WriteLog(QStringLiteral("text"));  // returns: nobody reads the FIFO
    EXPECT_FALSE(log.IsFileOpen());
}
