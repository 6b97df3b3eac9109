#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "log/RunLog.h"
#include "platform/ThreadId.h"
#include "tests/support/Clock.h"

namespace {

QString Pending(const CRunLog& log) { return log.PendingText(); }

}  // namespace

TEST(RunLog, InitialSettingsAreThoseOfAFreshLog) {
    CRunLog log;
    EXPECT_TRUE(log.m_bShowTime);
    EXPECT_TRUE(log.m_bEnsureCrLf);
    EXPECT_TRUE(log.m_bPlainFileName);
    EXPECT_EQ(log.m_bShowDate + log.m_bShowTag + log.m_bShowLineNo + log.m_bHourlyFile, 0);
    EXPECT_EQ(log.m_strLogDir, QStringLiteral(".\\Log"));
    EXPECT_EQ(log.m_strLogName, QStringLiteral("DefaultLog"));
    EXPECT_EQ(log.PaneMode(), 0);
}

TEST(RunLog, StampLineEndAndTextsBeforeTheChannelIsEnabled) {
    FakeClock clock(At(2024, 5, 1, 9, 5, 3, 7));
    CRunLog log;
    log.WriteLog(QStringLiteral("dropped"));
    EXPECT_FALSE(log.HasPendingText());
    EXPECT_TRUE(Pending(log).isEmpty());
    EXPECT_EQ(log.LineCount(), 0);

    log.m_bPaneEnabled[0] = true;
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
    EXPECT_EQ(log.PaneTextLength(), Pending(log).size());
    EXPECT_EQ(log.LineCount(), 5);
}

TEST(RunLog, DateAndTimeSwitches) {
    FakeClock clock(At(2024, 5, 1, 0, 0, 1, 250));
    CRunLog log;
    log.m_bPaneEnabled[0] = true;
    log.m_bShowDate = true;
    log.WriteLog(QStringLiteral("a"));
    log.m_bShowTime = false;
    log.WriteLog(QStringLiteral("b"));
    log.m_bEnsureCrLf = false;
    log.WriteLog(QStringLiteral("c"));
    EXPECT_EQ(Pending(log), QStringLiteral("[2024-05-01  0:00:01.250] a\r\nb\r\nc"));
}

TEST(RunLog, TagsAndLineNumbers) {
    FakeClock clock(At(2024, 5, 1, 12, 0, 0));
    CRunLog log;
    log.m_bPaneEnabled[0] = true;
    log.m_bShowTime = false;
    log.m_bShowThreadId = true;  // without the tag switch it shows nothing
    log.WriteLog(QStringLiteral("plain"));
    log.m_bShowTag = true;
    log.WriteLog(QStringLiteral("thread"));
    log.m_bShowThreadId = false;
    log.WriteLog(QStringLiteral("channel"));
    log.m_bShowLineNo = true;
    log.WriteLog(QStringLiteral("numbered"));
    QString strExpected = QStringLiteral("plain\r\n") +
                          QString::asprintf("[%ld    0]thread\r\n", CurrentThreadId()) +
                          QStringLiteral("[0]channel\r\n[0][4]numbered\r\n");
    EXPECT_EQ(Pending(log), strExpected);
}

TEST(RunLog, QueueCapDropsTheOldestMillionCharacters) {
    CRunLog log;
    log.m_bPaneEnabled[0] = true;
    log.m_bShowTime = false;
    const QString strChunk(999998, QLatin1Char('x'));  // 1,000,000 with its CR LF
    for (int i = 0; i < 3; ++i) log.WriteLog(strChunk);
    EXPECT_EQ(Pending(log).size(), 3000000);
    log.WriteLog(QStringLiteral("tail"));
    EXPECT_EQ(Pending(log).size(), 2000006);
    EXPECT_TRUE(Pending(log).endsWith(QStringLiteral("x\r\ntail\r\n")));
    EXPECT_EQ(log.PaneTextLength(), 2000006);
}

TEST(RunLog, WritersOnManyThreadsLoseNothing) {
    CRunLog log;
    log.m_bPaneEnabled[0] = true;
    log.m_bShowTime = false;
    // Threads the thread sanitizer sees joined: QThread reports its end under a futex it cannot
    // see.
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&log] {
            for (int i = 0; i < 500; ++i) log.WriteLog(QStringLiteral("0123456789"));
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(Pending(log).size(), 4 * 500 * 12);
    EXPECT_EQ(log.LineCount(), 2000);
}
