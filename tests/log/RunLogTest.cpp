#include <gtest/gtest.h>

#include <QThread>

#include "log/RunLog.h"
#include "platform/ThreadId.h"
#include "tests/support/Clock.h"

namespace {

QString Pending(const CRunLog& log) { return log.m_strPending[0]; }

}  // namespace

TEST(RunLog, InitialSettingsAreThoseOfAFreshLog) {
    CRunLog log;
    EXPECT_EQ(log.m_bShowTime, 1);
    EXPECT_EQ(log.m_bEnsureCrLf, 1);
    EXPECT_EQ(log.m_bPlainFileName, 1);
    EXPECT_EQ(log.m_bShowDate + log.m_bShowTag + log.m_bShowLineNo + log.m_bHourlyFile, 0);
    EXPECT_EQ(log.m_strLogDir, QStringLiteral(".\\Log"));
    EXPECT_EQ(log.m_strLogName, QStringLiteral("DefaultLog"));
    EXPECT_EQ(log.m_nPaneMode, 0);
}

TEST(RunLog, StampLineEndAndTextsBeforeTheChannelIsEnabled) {
    FakeClock clock(At(2024, 5, 1, 9, 5, 3, 7));
    CRunLog log;
    log.WriteLog(QStringLiteral("dropped"));
    EXPECT_EQ(log.m_bPending[0], 0);
    EXPECT_TRUE(Pending(log).isEmpty());
    EXPECT_EQ(log.m_nLineCount[0], 0);

    log.m_bPaneEnabled[0] = 1;
    log.WriteLog(QStringLiteral("Program Start \r\n"));
    log.WriteLog(QString());
    log.WriteLog(QStringLiteral("lone\n"));
    log.WriteLog(QStringLiteral("two\r\nlines"));
    log.WriteLog(QStringLiteral("\r"));
    EXPECT_EQ(Pending(log), QStringLiteral("[ 9:05:03.007] Program Start \r\n"
                                           "[ 9:05:03.007] \r\n"
                                           "[ 9:05:03.007] lone\n\r\n"
                                           "[ 9:05:03.007] two\r\nlines\r\n"
                                           "[ 9:05:03.007] \r\r\n"));
    EXPECT_EQ(log.m_nPaneTextLength[0], Pending(log).size());
    EXPECT_EQ(log.m_nLineCount[0], 5);
}

TEST(RunLog, DateAndTimeSwitches) {
    FakeClock clock(At(2024, 5, 1, 0, 0, 1, 250));
    CRunLog log;
    log.m_bPaneEnabled[0] = 1;
    log.m_bShowDate = 1;
    log.WriteLog(QStringLiteral("a"));
    log.m_bShowTime = 0;
    log.WriteLog(QStringLiteral("b"));
    log.m_bEnsureCrLf = 0;
    log.WriteLog(QStringLiteral("c"));
    EXPECT_EQ(Pending(log), QStringLiteral("[2024-05-01  0:00:01.250] a\r\nb\r\nc"));
}

TEST(RunLog, TagsAndLineNumbers) {
    FakeClock clock(At(2024, 5, 1, 12, 0, 0));
    CRunLog log;
    log.m_bPaneEnabled[0] = 1;
    log.m_bShowTime = 0;
    log.m_bShowThreadId = 1;  // without the tag switch it shows nothing
    log.WriteLog(QStringLiteral("plain"));
    log.m_bShowTag = 1;
    log.WriteLog(QStringLiteral("thread"));
    log.m_bShowThreadId = 0;
    log.WriteLog(QStringLiteral("channel"));
    log.m_bShowLineNo = 1;
    log.WriteLog(QStringLiteral("numbered"));
    QString strExpected = QStringLiteral("plain\r\n") +
                          QString::asprintf("[%ld    0]thread\r\n", CurrentThreadId()) +
                          QStringLiteral("[0]channel\r\n[0][4]numbered\r\n");
    EXPECT_EQ(Pending(log), strExpected);
}

TEST(RunLog, QueueCapDropsTheOldestMillionCharacters) {
    CRunLog log;
    log.m_bPaneEnabled[0] = 1;
    log.m_bShowTime = 0;
    const QString strChunk(999998, QLatin1Char('x'));  // 1,000,000 with its CR LF
    for (int i = 0; i < 3; ++i) log.WriteLog(strChunk);
    EXPECT_EQ(Pending(log).size(), 3000000);
    log.WriteLog(QStringLiteral("tail"));
    EXPECT_EQ(Pending(log).size(), 2000006);
    EXPECT_TRUE(Pending(log).endsWith(QStringLiteral("x\r\ntail\r\n")));
    EXPECT_EQ(log.m_nPaneTextLength[0], 2000006);
}

TEST(RunLog, WritersOnManyThreadsLoseNothing) {
    CRunLog log;
    log.m_bPaneEnabled[0] = 1;
    log.m_bShowTime = 0;
    QList<QThread*> threads;
    for (int t = 0; t < 4; ++t) {
        threads.append(QThread::create([&log] {
            for (int i = 0; i < 500; ++i) log.WriteLog(QStringLiteral("0123456789"));
        }));
        threads.last()->start();
    }
    for (QThread* pThread : threads) {
        pThread->wait();
        delete pThread;
    }
    EXPECT_EQ(Pending(log).size(), 4 * 500 * 12);
    EXPECT_EQ(log.m_nLineCount[0], 2000);
}
