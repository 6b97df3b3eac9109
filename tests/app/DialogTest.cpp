#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

#include "app/DialogLayout.h"
#include "app/WindowWorkspace.h"
#include "log/RunLog.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/ImageBuilder.h"

namespace {

class MainWindow : public DialogTest {
protected:
    QString WriteImage(const char* pName, const QByteArray& bytes) {
        QString strPath = m_tmp.File(QString::fromLatin1(pName));
        WriteAllBytes(strPath, bytes);
        return strPath;
    }
    void Click(int nId) { QTest::mouseClick(m_pDlg->Control(nId), Qt::LeftButton); }
};

}  // namespace

TEST_F(MainWindow, RightAfterStart) {
    EXPECT_EQ(m_pDlg->windowTitle(), QString::fromUtf8("Norlyn电子部 分布式模块 固件工具 V1.01"));
    EXPECT_EQ(m_pDlg->ControlText(IDC_ADDRESS_OFFSET), QStringLiteral("4096"));
    for (int nId : {IDC_BOOT_PATH, IDC_APP_PATH, IDC_OUTPUT_PATH}) {
        EXPECT_TRUE(m_pDlg->ControlText(nId).isEmpty()) << nId;
    }
    EXPECT_EQ(m_pDlg->ControlText(IDC_BOOT_INFO), QString::fromUtf8("BootLoader信息"));
    EXPECT_EQ(m_pDlg->ControlText(IDC_APP_INFO), QString::fromUtf8("App文件信息"));
    EXPECT_EQ(m_pDlg->ControlText(IDC_OPEN_BOOT), QString::fromUtf8("打开文件..."));
    EXPECT_EQ(m_pDlg->ControlText(IDC_MERGE), QString::fromUtf8("合成固件..."));
    EXPECT_EQ(QApplication::focusWidget(), m_pDlg->Control(IDC_OPEN_BOOT));
    EXPECT_TRUE(PaneText().isEmpty());  // nothing before the first tick
    Tick();
    QRegularExpression first(QStringLiteral(R"(^\[[ \d]\d:\d\d:\d\d\.\d{3}\] Program Start \n$)"));
    EXPECT_TRUE(first.match(PaneText()).hasMatch()) << PaneText().toStdString();
    QStringList days = QDir(m_tmp.LogRoot()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_EQ(days.size(), 1);
    EXPECT_TRUE(
        QFileInfo(m_tmp.LogRoot() + "/" + days[0] + "/RunLoglog_" + days[0] + ".log").isFile());
    EXPECT_EQ(g_RunLog.PaneMode(), 1);
}

TEST_F(MainWindow, ControlsArePlacedFromTheTemplateAtTheSmallestSize) {
    const QFont font = DialogFont();
    for (const ControlTemplate& t : MAIN_DIALOG_CONTROLS) {
        if (t.nId < 0) continue;
        QWidget* pControl = m_pDlg->Control(t.nId);
        if (t.kind == ControlKind::InfoPanel) pControl = pControl->parentWidget()->parentWidget();
        EXPECT_EQ(pControl->geometry(), DluToPixels(font, t.x, t.y, t.cx, t.cy)) << t.nId;
    }
    EXPECT_EQ(m_pDlg->size(), DluToPixels(font, 0, 0, 445, 347).size());
    EXPECT_EQ(m_pDlg->minimumSize(), m_pDlg->size());
    auto* pPanel =
        qobject_cast<QFrame*>(m_pDlg->Control(IDC_BOOT_INFO)->parentWidget()->parentWidget());
    ASSERT_NE(pPanel, nullptr);
    EXPECT_EQ(pPanel->frameShadow(), QFrame::Sunken);
    for (int nId : {IDC_OPEN_BOOT, IDC_OPEN_APP, IDC_MERGE}) {
        EXPECT_FALSE(qobject_cast<QPushButton*>(m_pDlg->Control(nId))->autoDefault());
    }
    EXPECT_TRUE(m_pDlg->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(MainWindow, ButtonsOpenInspectAndMerge) {
    QByteArray boot = MakeImage(3000);
    BlockFields b;
    b.wType = 0x0102;
    PutBlock(boot, 0x100, b);
    QByteArray app = MakeImage(20000);
    BlockFields a;
    a.wType = 0x0301;
    a.w8 = 0x0105;
    PutBlock(app, 0x100, a);
    const QString strBoot = WriteImage("boot.bin", boot);
    const QString strApp = WriteImage("AppX.bin", app);
    m_dialogs.m_openPaths = {strBoot, strApp};
    m_dialogs.m_strSavePath = m_tmp.File("AppX_1.05.bin");
    Click(IDC_OPEN_BOOT);
    Click(IDC_OPEN_APP);
    Click(IDC_MERGE);
    Tick();
    // With the system's separators, as the run log shows paths ("Z:\tmp\x.bin" on Windows).
    EXPECT_EQ(m_pDlg->ControlText(IDC_BOOT_PATH), QDir::toNativeSeparators(strBoot));
    EXPECT_EQ(m_pDlg->ControlText(IDC_APP_PATH), QDir::toNativeSeparators(strApp));
    EXPECT_EQ(m_pDlg->ControlText(IDC_OUTPUT_PATH),
              QDir::toNativeSeparators(m_dialogs.m_strSavePath));
    EXPECT_TRUE(m_pDlg->ControlText(IDC_BOOT_INFO)
                    .startsWith(QString::fromUtf8("文件信息  文件大小: 3000 \n")));
    EXPECT_TRUE(
        m_pDlg->ControlText(IDC_APP_INFO).contains(QString::fromUtf8("应用区版本:   1.05 \n")));
    const QString strPane = PaneText();
    for (const QString& strLine :
         {QString::fromUtf8("] 打开 File ") + Native(strBoot) + QString::fromUtf8(" = 成功\n"),
          QStringLiteral("] Btldr File Size 3000 \nApp File Size 20000 \n"),
          QStringLiteral("] Firmware File Size 24096 \n"),
          QString::fromUtf8("] 保存 File ") + Native(m_dialogs.m_strSavePath) +
              QString::fromUtf8(" = 完成\n")}) {
        EXPECT_TRUE(strPane.contains(strLine)) << strLine.toStdString();
    }
    EXPECT_EQ(ReadAllBytes(m_dialogs.m_strSavePath).size(), 24096);
    EXPECT_EQ(g_Workspace.nFirmwareSize, 24096);
}

TEST_F(MainWindow, CancellingADialogChangesNothing) {
    Tick();
    const QString strPaneBefore = PaneText();
    Click(IDC_OPEN_BOOT);
    Click(IDC_OPEN_APP);
    EXPECT_EQ(m_dialogs.m_nDialogs, 2);
    EXPECT_TRUE(m_pDlg->ControlText(IDC_BOOT_PATH).isEmpty());
    EXPECT_TRUE(m_pDlg->ControlText(IDC_APP_PATH).isEmpty());
    EXPECT_EQ(m_pDlg->ControlText(IDC_BOOT_INFO), QString::fromUtf8("BootLoader信息"));
    Tick();
    EXPECT_EQ(PaneText(), strPaneBefore);
    EXPECT_EQ(g_Workspace.bBootLoaded + g_Workspace.bAppLoaded, 0);
}

TEST_F(MainWindow, OnlyThePaneTimerFlushesThePane) {
    Tick();
    const QString strBefore = PaneText();
    WriteLog(QStringLiteral("waiting"));
    QTimerEvent other(m_pDlg->PaneTimerId() + 1000);
    QCoreApplication::sendEvent(m_pDlg.get(), &other);
    EXPECT_EQ(PaneText(), strBefore);
    QTimerEvent pane(m_pDlg->PaneTimerId());
    QCoreApplication::sendEvent(m_pDlg.get(), &pane);
    EXPECT_TRUE(PaneText().endsWith(QStringLiteral("] waiting\n")));
}

TEST_F(MainWindow, F1OpensTheAboutBoxAndEscapeClosesIt) {
    QString strTitle;
    bool bClosedByEscape = false;
    QTimer::singleShot(100, [&] {
        QWidget* pAbout = QApplication::activeModalWidget();
        if (pAbout == nullptr) return;
        strTitle = pAbout->windowTitle();
        QTest::keyClick(pAbout, Qt::Key_Escape);  // the box keeps the usual meaning of Escape
        bClosedByEscape = !pAbout->isVisible();
        if (!bClosedByEscape) pAbout->close();
    });
    QTest::keyClick(m_pDlg.get(), Qt::Key_F1);
    EXPECT_EQ(strTitle, QString::fromUtf8("关于 Quorrix"));
    EXPECT_TRUE(bClosedByEscape);
    EXPECT_TRUE(m_pDlg->isVisible());
    EXPECT_EQ(m_pDlg->ControlText(IDC_ADDRESS_OFFSET), QStringLiteral("4096"));
}

// An App linked for another address: the window asks before it saves, and No writes nothing.
TEST_F(MainWindow, FailedLayoutChecksAskAndNoWritesNothing) {
    m_dialogs.m_openPaths = {WriteBootImage(m_tmp, "boot.bin"),
                             WriteImage("Moved.bin", MakeMovedApp(20000))};
    m_dialogs.m_strSavePath = m_tmp.File("out.bin");
    m_prompts.m_answers = {false};
    Click(IDC_OPEN_BOOT);
    Click(IDC_OPEN_APP);
    Click(IDC_MERGE);
    Tick();
    ASSERT_EQ(m_prompts.m_questions.size(), 1);
    EXPECT_TRUE(
        m_prompts.m_questions[0].startsWith(QString::fromUtf8("合成的固件有 2 项检查未通过")));
    EXPECT_TRUE(PaneText().contains(QString::fromUtf8("] 检查 appAddress = 失败, ")));
    EXPECT_TRUE(PaneText().contains(QString::fromUtf8("] 合成固件 = 取消\n")));
    EXPECT_EQ(m_dialogs.m_nDialogs, 2);  // the two opens; no save dialog
    EXPECT_FALSE(QFile::exists(m_tmp.File("out.bin")));
}
