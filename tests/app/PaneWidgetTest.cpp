#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextEdit>

#include "log/RunLog.h"

namespace {

// A run log of its own that writes to the pane only, without stamps.
struct PaneLog {
    PaneLog() {
        log.m_bPaneEnabled[0] = true;
        log.m_bShowTime = false;
    }
    CRunLog log;
};

QString Lines(int nCount, int nWidth) {
    QString strText;
    for (int i = 0; i < nCount; ++i)
        strText += QString(nWidth - 2, QLatin1Char('a' + i % 26)) + "\r\n";
    return strText;
}

}  // namespace

TEST(PaneWidget, BurstArrivesInOneFlushAndIdleFlushTouchesNothing) {
    PaneLog p;
    QPlainTextEdit edit;
    edit.resize(400, 200);
    ASSERT_EQ(p.log.AttachOutputWnd(&edit), 1);
    EXPECT_TRUE(p.log.PaneOwned());
    QSignalSpy changes(&edit, &QPlainTextEdit::textChanged);
    for (int i = 0; i < 30; ++i) p.log.WriteLog(QStringLiteral("line %1").arg(i));
    EXPECT_TRUE(edit.toPlainText().isEmpty());
    p.log.FlushOutput();
    EXPECT_EQ(changes.count(), 1);
    QStringList lines = edit.toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 31);
    EXPECT_EQ(lines[0], QStringLiteral("line 0"));
    EXPECT_EQ(lines[29], QStringLiteral("line 29"));
    p.log.FlushOutput();
    EXPECT_EQ(changes.count(), 1);
}

TEST(PaneWidget, FirstTrimPastTwoMillionCharacters) {
    PaneLog p;
    QPlainTextEdit edit;
    p.log.AttachOutputWnd(&edit);
    p.log.WriteLog(Lines(20000, 100).chopped(2));  // exactly 2,000,000 with its CR LF
    p.log.FlushOutput();
    EXPECT_EQ(edit.document()->blockCount(), 20001);
    p.log.WriteLog(QStringLiteral("next"));
    p.log.FlushOutput();
    // The oldest million characters (10,000 lines of 100) are gone; the rest stays whole.
    EXPECT_EQ(p.log.PaneTextLength(), 1000006);
    EXPECT_EQ(edit.document()->blockCount(), 10002);
    EXPECT_TRUE(edit.toPlainText().startsWith(QString(98, QLatin1Char('a' + 10000 % 26))));
    EXPECT_TRUE(edit.toPlainText().endsWith(QStringLiteral("next\n")));
}

TEST(PaneWidget, AttachRulesWithRealWidgets) {
    PaneLog p;
    QPlainTextEdit first;
    QTextEdit second;
    QPushButton button;
    EXPECT_EQ(p.log.AttachOutputWnd(&first), 1);
    EXPECT_EQ(p.log.AttachOutputWnd(&second), 1);
    EXPECT_EQ(p.log.PaneMode(), 2);
    EXPECT_EQ(p.log.EditPane(), nullptr);
    p.log.WriteLog(QStringLiteral("to the rich pane"));
    p.log.FlushOutput();
    EXPECT_TRUE(first.toPlainText().isEmpty());
    EXPECT_EQ(second.toPlainText(), QStringLiteral("to the rich pane\n"));
    EXPECT_EQ(p.log.AttachOutputWnd(&button), 1);
    EXPECT_EQ(p.log.PaneMode(), 0);
    EXPECT_EQ(first.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST(PaneWidget, RichPaneEndsAtTheBottomEditPaneHoldsItsViewOnRequest) {
    PaneLog p;
    QTextEdit rich;
    rich.resize(300, 120);
    rich.show();
    p.log.AttachOutputWnd(&rich);
    p.log.m_bHoldView = true;
    p.log.WriteLog(Lines(200, 20));
    p.log.FlushOutput();
    EXPECT_GT(rich.verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(rich.verticalScrollBar()->value(), rich.verticalScrollBar()->maximum());

    QPlainTextEdit edit;
    edit.resize(300, 120);
    edit.show();
    p.log.AttachOutputWnd(&edit);
    p.log.m_bHoldView = false;
    p.log.WriteLog(Lines(200, 20));
    p.log.FlushOutput();
    const int nBottom = edit.verticalScrollBar()->value();
    EXPECT_GT(nBottom, 0);
    edit.verticalScrollBar()->setValue(0);
    p.log.m_bHoldView = true;
    p.log.WriteLog(Lines(50, 20));
    p.log.FlushOutput();
    EXPECT_EQ(edit.verticalScrollBar()->value(), 0);
}

TEST(PaneWidget, PausedTextWaitsAndAVanishedPaneDiscards) {
    PaneLog p;
    auto* pEdit = new QPlainTextEdit;
    p.log.AttachOutputWnd(pEdit);
    p.log.m_bPauseOutput = true;
    p.log.WriteLog(QStringLiteral("held"));
    p.log.FlushOutput();
    EXPECT_TRUE(pEdit->toPlainText().isEmpty());
    p.log.m_bPauseOutput = false;
    p.log.FlushOutput();
    EXPECT_EQ(pEdit->toPlainText(), QStringLiteral("held\n"));
    delete pEdit;
    p.log.WriteLog(QStringLiteral("gone"));
    EXPECT_EQ(p.log.FlushOutput(), 0);
    EXPECT_FALSE(p.log.HasPendingText());
}

TEST(PaneWidget, HeldViewStaysPutWhenLinesWrap) {
    PaneLog p;
    QPlainTextEdit edit;
    edit.resize(200, 120);
    edit.show();
    p.log.AttachOutputWnd(&edit);
    p.log.WriteLog(Lines(100, 160));  // each line wraps in a pane this narrow
    p.log.FlushOutput();
    QScrollBar* pBar = edit.verticalScrollBar();
    ASSERT_GT(pBar->maximum(), 100);  // the bar counts wrapped lines, not the 100 paragraphs
    const int nHeld = pBar->maximum() / 2;
    pBar->setValue(nHeld);
    p.log.m_bHoldView = true;
    p.log.WriteLog(Lines(20, 160));
    p.log.FlushOutput();
    EXPECT_EQ(pBar->value(), nHeld);
}
