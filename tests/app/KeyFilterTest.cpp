#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <new>

#include "app/ReportAlarm.h"
#include "log/FileException.h"
#include "log/RunLog.h"
#include "tests/app/AppTestSupport.h"

namespace {

class KeyFilter : public DialogTest {};

const int INPUT_CONTROLS[] = {IDC_BOOT_PATH,      IDC_OPEN_BOOT, IDC_OPEN_APP,    IDC_APP_PATH,
                              IDC_ADDRESS_OFFSET, IDC_MERGE,     IDC_OUTPUT_PATH, IDC_OUTPUT_PANE};

}  // namespace

TEST_F(KeyFilter, EnterAndEscapeNeitherCloseNorPress) {
    for (int nId : INPUT_CONTROLS) {
        QWidget* pControl = m_pDlg->Control(nId);
        pControl->setFocus();
        QTest::keyClick(pControl, Qt::Key_Return);
        QTest::keyClick(pControl, Qt::Key_Enter);
        QTest::keyClick(pControl, Qt::Key_Escape);
        EXPECT_TRUE(m_pDlg->isVisible()) << nId;
    }
    QTest::keyClick(m_pDlg.get(), Qt::Key_Escape);
    QTest::keyClick(m_pDlg.get(), Qt::Key_Return);
    EXPECT_TRUE(m_pDlg->isVisible());
    EXPECT_EQ(m_pDlg->result(), 0);
    EXPECT_EQ(m_dialogs.m_nDialogs, 0);  // no button handler ran
    // Space still presses the focused button: the filter keeps only Enter away.
    m_pDlg->Control(IDC_OPEN_BOOT)->setFocus();
    QTest::keyClick(m_pDlg->Control(IDC_OPEN_BOOT), Qt::Key_Space);
    EXPECT_EQ(m_dialogs.m_nDialogs, 1);
}

TEST_F(KeyFilter, TabMovesTheFocusAndBackspaceEdits) {
    QWidget* pBoot = m_pDlg->Control(IDC_OPEN_BOOT);
    pBoot->setFocus();
    QTest::keyClick(pBoot, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), m_pDlg->Control(IDC_BOOT_PATH));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), m_pDlg->Control(IDC_OPEN_APP));
    auto* pOffset = qobject_cast<QLineEdit*>(m_pDlg->Control(IDC_ADDRESS_OFFSET));
    pOffset->setFocus();
    pOffset->end(false);
    QTest::keyClick(pOffset, Qt::Key_Backspace);
    QTest::keyClicks(pOffset, QStringLiteral("5"));
    EXPECT_EQ(pOffset->text(), QStringLiteral("4095"));
}

TEST_F(KeyFilter, ExceptionsOfTheBaseProcessingBecomeAlarmLines) {
    Tick();
    g_RunLog.m_bShowTime = false;
    int nKind = 0;
    m_pDlg->SetBasePreTranslate([&nKind](QObject*, QEvent* pEvent) -> bool {
        if (pEvent->type() != QEvent::KeyPress) return false;
        switch (nKind) {
            case 0:
                throw std::bad_alloc();
            case 1:
                throw CFileException(std::string(300, 'f'));
            case 2:
                throw std::runtime_error("broken");
            default:
                throw 42;
        }
    });
    QWidget* pEdit = m_pDlg->Control(IDC_BOOT_PATH);
    for (nKind = 0; nKind < 4; ++nKind) QTest::keyClick(pEdit, Qt::Key_A);
    m_pDlg->SetBasePreTranslate(nullptr);
    g_RunLog.m_bShowTime = true;
    EXPECT_TRUE(qobject_cast<QLineEdit*>(pEdit)->text().isEmpty());  // the failed keys were dropped
    Tick();
    QStringList lines = PaneText().split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines[1], QString::fromUtf8("报警信息: 程序 发生 内存 错误 std::bad_alloc "));
    EXPECT_EQ(lines[2],
              QString::fromUtf8("报警信息: 程序 发生 文件 错误 ") + QString(255, 'f') + " ");
    EXPECT_EQ(lines[3], QString::fromUtf8("报警信息: 程序 发生 C++ 错误 broken "));
    EXPECT_EQ(lines[4], QString::fromUtf8("报警信息: 程序 发生未知错误 "));
    EXPECT_TRUE(m_pDlg->isVisible());
}

TEST_F(KeyFilter, ReportAlarmTrimsLineBreaksAtBothEndsOnly) {
    Tick();
    g_RunLog.m_bShowTime = false;
    g_RunLog.TakePendingText();
    EXPECT_EQ(ReportAlarm(QString()), 0);
    ReportAlarm(QStringLiteral("\r\n\n first\r\nsecond \r\n\r"));
    g_RunLog.m_bShowTime = true;
    EXPECT_EQ(g_RunLog.PendingText(),
              QString::fromUtf8("报警信息: \r\n报警信息:  first\r\nsecond \r\n"));
}
