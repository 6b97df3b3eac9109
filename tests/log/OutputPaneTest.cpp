#include <gtest/gtest.h>

#include <QObject>
#include <atomic>
#include <thread>
#include <vector>

#include "log/RunLog.h"

namespace {

// A pane that is no window object; it records what the run log asks of it.
class FakePane : public IOutputPane {
public:
    explicit FakePane(int nKind) : m_nKind(nKind) {}
    int PaneKind() const override { return m_nKind; }
    bool Exists() const override { return m_bExists; }
    void Configure() override { ++m_nConfigured; }
    void DeleteHead(const QString& strRemoved, bool bScrollCaret) override {
        ASSERT_TRUE(m_strText.startsWith(strRemoved));
        m_strText.remove(0, strRemoved.size());
        m_bScrolledCaret = bScrollCaret;
    }
    int FirstVisibleLine() const override { return static_cast<int>(m_strText.count('\n')); }
    void InsertOnLastLine(const QString& strText, bool bAtLineEnd) override {
        m_strText += strText;
        m_bAtLineEnd = bAtLineEnd;
        ++m_nInserts;
    }
    void ScrollLines(int nLines) override { m_nScrolled += nLines; }
    void ScrollToBottom() override { ++m_nBottom; }
    void Repaint() override { ++m_nRepaints; }

    int m_nKind;
    bool m_bExists = true;
    QString m_strText;
    int m_nConfigured = 0, m_nInserts = 0, m_nScrolled = 0, m_nBottom = 0, m_nRepaints = 0;
    bool m_bAtLineEnd = false, m_bScrolledCaret = false;
};

CRunLog& PaneLog(CRunLog& log) {
    log.m_bPaneEnabled[0] = true;
    log.m_bShowTime = false;
    return log;
}

}  // namespace

TEST(OutputPane, AttachRulesAndDetach) {
    CRunLog log;
    EXPECT_EQ(log.AttachOutputWnd(static_cast<QObject*>(nullptr)), 0);
    QObject other;
    EXPECT_EQ(log.AttachOutputWnd(&other), 1);
    EXPECT_EQ(log.PaneMode(), 0);
    FakePane first(1), second(2);
    EXPECT_EQ(log.AttachOutputWnd(&first), 1);
    EXPECT_EQ(log.PaneMode(), 1);
    EXPECT_EQ(log.EditPane(), &first);
    EXPECT_FALSE(log.PaneOwned());
    EXPECT_EQ(first.m_nConfigured, 1);
    EXPECT_EQ(log.AttachOutputWnd(&second), 1);
    EXPECT_EQ(log.PaneMode(), 2);
    EXPECT_EQ(log.EditPane(), nullptr);
    EXPECT_EQ(log.RichPane(), &second);
    EXPECT_EQ(log.AttachOutputWnd(static_cast<QObject*>(nullptr)), 0);
    EXPECT_EQ(log.PaneMode(), 2);  // a non-window leaves the linked pane linked
    EXPECT_EQ(log.DetachOutputWnd(), 1);
    EXPECT_EQ(log.PaneMode(), 0);
    EXPECT_EQ(log.RichPane(), nullptr);
}

TEST(OutputPane, BurstArrivesInOneFlushInOrder) {
    CRunLog log;
    FakePane pane(1);
    log.AttachOutputWnd(&pane);
    EXPECT_EQ(log.FlushOutput(), 0);
    EXPECT_EQ(pane.m_nInserts, 0);
    for (int i = 0; i < 50; ++i) PaneLog(log).WriteLog(QString::number(i));
    EXPECT_EQ(log.FlushOutput(), 0);
    EXPECT_EQ(pane.m_nInserts, 1);
    EXPECT_EQ(pane.m_nRepaints, 1);
    EXPECT_TRUE(pane.m_bAtLineEnd);
    EXPECT_TRUE(pane.m_strText.startsWith(QStringLiteral("0\r\n1\r\n2\r\n")));
    EXPECT_TRUE(pane.m_strText.endsWith(QStringLiteral("48\r\n49\r\n")));
    EXPECT_EQ(log.ShownText(), pane.m_strText);
    EXPECT_FALSE(log.HasPendingText());
    EXPECT_EQ(log.FlushOutput(), 0);
    EXPECT_EQ(pane.m_nInserts, 1);
}

TEST(OutputPane, TrimPastTwoMillionCharacters) {
    CRunLog log;
    FakePane pane(1);
    log.AttachOutputWnd(&pane);
    const QString strChunk(499998, QLatin1Char('a'));  // 500,000 with its CR LF
    for (int i = 0; i < 4; ++i) PaneLog(log).WriteLog(strChunk);
    log.FlushOutput();
    EXPECT_EQ(pane.m_strText.size(), 2000000);
    PaneLog(log).WriteLog(QStringLiteral("b"));
    log.FlushOutput();
    EXPECT_EQ(pane.m_strText.size(), 1000003);
    EXPECT_TRUE(pane.m_bScrolledCaret);
    EXPECT_EQ(log.PaneTextLength(), 1000003);
    EXPECT_EQ(log.ShownText(), pane.m_strText);
}

TEST(OutputPane, RichPaneEndsAtTheBottomAndHoldViewScrollsBack) {
    CRunLog log;
    FakePane rich(2);
    log.AttachOutputWnd(&rich);
    log.m_bHoldView = true;
    PaneLog(log).WriteLog(QStringLiteral("one\r\ntwo"));
    log.FlushOutput();
    EXPECT_FALSE(rich.m_bAtLineEnd);
    EXPECT_EQ(rich.m_nScrolled, -2);
    EXPECT_EQ(rich.m_nBottom, 1);

    FakePane edit(1);
    log.AttachOutputWnd(&edit);
    log.m_bHoldView = false;
    PaneLog(log).WriteLog(QStringLiteral("x"));
    log.FlushOutput();
    EXPECT_EQ(edit.m_nScrolled, 0);
    EXPECT_EQ(edit.m_nBottom, 0);
}

TEST(OutputPane, PauseKeepsTextAndAVanishedPaneDiscardsIt) {
    CRunLog log;
    FakePane pane(1);
    log.AttachOutputWnd(&pane);
    log.m_bPauseOutput = true;
    PaneLog(log).WriteLog(QStringLiteral("a"));
    PaneLog(log).WriteLog(QStringLiteral("b"));
    log.FlushOutput();
    EXPECT_TRUE(pane.m_strText.isEmpty());
    log.m_bPauseOutput = false;
    log.FlushOutput();
    EXPECT_EQ(pane.m_strText, QStringLiteral("a\r\nb\r\n"));

    pane.m_bExists = false;
    PaneLog(log).WriteLog(QStringLiteral("lost"));
    log.FlushOutput();
    EXPECT_FALSE(log.HasPendingText());
    EXPECT_TRUE(log.PendingText().isEmpty());
    EXPECT_EQ(pane.m_nInserts, 1);
}

TEST(OutputPane, FlushesWhileOtherThreadsWriteLoseNothing) {
    CRunLog log;
    FakePane pane(1);
    log.AttachOutputWnd(&pane);
    PaneLog(log);
    std::atomic<int> nWriting{4};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&log, &nWriting] {
            for (int i = 0; i < 500; ++i) log.WriteLog(QStringLiteral("0123456789"));
            --nWriting;
        });
    }
    while (nWriting > 0) log.FlushOutput();
    for (std::thread& thread : threads) thread.join();
    log.FlushOutput();
    EXPECT_EQ(pane.m_strText.count(QStringLiteral("0123456789\r\n")), 2000);
    EXPECT_EQ(pane.m_strText.size(), 2000 * 12);
}
