// The UI languages: Qt's own Chinese in a Chinese window, the English window, and a run log
// that is the same byte for byte in both.
#include <QDirIterator>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

#include "app/CoreTexts.h"
#include "app/DialogLayout.h"
#include "app/ReportInputs.h"
#include "app/Translations.h"
#include "app/WindowWorkspace.h"
#include "config/DeviceCatalogue.h"
#include "firmware/checks/InfoBlock.h"
#include "firmware/workspace/InfoReport.h"
#include "log/RunLog.h"
#include "platform/CodePage.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/Clock.h"

namespace {

// Each test installs its language and leaves the untranslated texts behind.
class Language : public testing::Test {
protected:
    void TearDown() override { RemoveTranslations(); }
};

// Opens a boot loader and an App in a main window, merges them, and closes the window; returns
// the day's log file, the pane and the App panel, all at a fixed time.
struct Session {
    QByteArray log;
    QString strPane, strAppInfo, strTitle, strOpenButton, strBootLabel;
};

Session RunSession(const TempFolder& tmp) {
    FakeClock clock(At(2026, 12, 8, 10, 0, 0));
    ResetFirmwareWorkspace(g_Workspace);
    CScriptedPrompts prompts;
    CScriptedFileDialogs dialogs;
    dialogs.m_openPaths = {WriteBootImage(tmp, "boot.bin"), WriteAppImage(tmp, "AppX.bin")};
    dialogs.m_strSavePath = tmp.File("AppX_1.05.bin");
    Session s;
    {
        CQuorrixDlg dlg;
        dlg.SetPrompts(&prompts);
        dlg.SetFileDialogs(&dialogs);
        dlg.show();
        dlg.OnBnClickedOpenBootLoader();
        dlg.OnBnClickedOpenApp();
        dlg.OnBnClickedMergeFirmware();
        g_RunLog.FlushOutput();
        s.strPane = dlg.ControlText(IDC_OUTPUT_PANE);
        s.strAppInfo = dlg.ControlText(IDC_APP_INFO);
        s.strTitle = dlg.windowTitle();
        s.strOpenButton = dlg.ControlText(IDC_OPEN_BOOT);
        s.strBootLabel = dlg.findChildren<QLabel*>().first()->text();
    }
    g_RunLog.DetachOutputWnd();
    g_RunLog.CloseLogFiles();
    g_RunLog.m_bPaneEnabled[0] = false;
    g_RunLog.m_bFileEnabled[0] = false;
    QDir state(tmp.File("state"));
    QDirIterator files(state.path(), {"*.log"}, QDir::Files, QDirIterator::Subdirectories);
    if (files.hasNext()) s.log = ReadAllBytes(files.next());
    state.removeRecursively();  // the next session starts a log file of its own
    return s;
}

}  // namespace

TEST_F(Language, AChineseWindowGetsQtsOwnChineseButtons) {
    ASSERT_TRUE(InstallTranslations(UiLanguage::Chinese));
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quorrix"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No);
    const QString strYes = box.button(QMessageBox::Yes)->text();
    EXPECT_TRUE(strYes.contains(QString::fromUtf8("是"))) << strYes.toStdString();
    EXPECT_TRUE(box.button(QMessageBox::No)->text().contains(QString::fromUtf8("否")));
}

TEST_F(Language, QuorrixLangChoosesTheLanguage) {
    {
        ScopedEnv env("QUORRIX_LANG", "en");
        EXPECT_EQ(ChooseUiLanguage(), UiLanguage::English);
    }
    ScopedEnv env("QUORRIX_LANG", "zh_CN");
    EXPECT_EQ(ChooseUiLanguage(), UiLanguage::Chinese);
}

// The whole window in English, while the run log stays byte for byte what it is in Chinese.
TEST_F(Language, EnglishWindowKeepsTheRunLogBytes) {
    TempFolder tmp;  // one folder, so that the paths in both logs are the same
    const Session chinese = RunSession(tmp);
    ASSERT_TRUE(InstallTranslations(UiLanguage::English));
    const Session english = RunSession(tmp);
    EXPECT_EQ(english.strTitle,
              QStringLiteral("Norlyn Electronics Distributed Module Firmware Tool V1.01"));
    EXPECT_EQ(english.strOpenButton, QStringLiteral("Open..."));
    EXPECT_EQ(english.strBootLabel, QStringLiteral("Boot loader"));
    EXPECT_TRUE(english.strAppInfo.startsWith(QStringLiteral("File info  File size: 20000 \n")))
        << english.strAppInfo.toStdString();
    EXPECT_TRUE(english.strAppInfo.contains(QStringLiteral("App version:   1.05")));
    static const QRegularExpression han(QStringLiteral("\\p{Han}"));
    EXPECT_FALSE(english.strAppInfo.contains(han)) << english.strAppInfo.toStdString();
    ASSERT_TRUE(chinese.log.contains("AppX_1.05.bin"));
    EXPECT_EQ(english.log, chinese.log);
    EXPECT_EQ(english.strPane, chinese.strPane);
    EXPECT_TRUE(english.log.contains(ToCodePage(QString::fromUtf8("保存 File "))));
    // The box that shows a failed log write speaks the window's language too.
    EXPECT_EQ(TranslateCoreText(QString::fromUtf8("发生错误 File too large")),
              QStringLiteral("Error: File too large"));
}

// Only the labels of a panel are translated: a catalogue name that holds words of a label
// stays as the catalogue writes it.
TEST_F(Language, CatalogueNamesStayAsWrittenInTheEnglishPanel) {
    ASSERT_TRUE(InstallTranslations(UiLanguage::English));
    g_DeviceList.LoadFromBytes(ToCodePage(QString::fromUtf8("[FAMILY]\n0A=启动器 实际代码大小\n")));
    FirmwareInfoBlock block;
    block.wModuleType = 0x0A01;
    QString strReport;
    AppendAppViewLines(strReport, block, true);
    g_DeviceList.LoadFromBytes("");
    EXPECT_TRUE(strReport.contains(QString::fromUtf8("0A01 启动器 实际代码大小")))
        << strReport.toStdString();
    EXPECT_FALSE(strReport.contains(QString::fromUtf8("对应模块类型")));
    EXPECT_EQ(strReport.count(QString::fromUtf8("实际代码大小")), 1);  // the label is English
}

// A report's refused file is worded from the core's one result: the run log's words in the
// Chinese window, the core's English (as quorrix-cli prints it) in the English one.
TEST_F(Language, ARefusedReportFileIsWordedFromTheCoresResult) {
    TempFolder tmp;
    QFile big(tmp.File("big.bin"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(REPORT_FILE_LIMIT + 1));
    big.close();
    QByteArray bytes;
    const CoreResult read = ReadReportFile(big.fileName(), bytes);
    EXPECT_EQ(read.reason, CoreReason::TooLarge);
    EXPECT_EQ(CoreResultText(read),
              QString::fromUtf8("文件大小 67108865 Bytes 超过上限 67108864 Bytes"));
    ASSERT_TRUE(InstallTranslations(UiLanguage::English));
    EXPECT_EQ(CoreResultText(read),
              QStringLiteral("larger than allowed: 67108865 bytes, more than 67108864"));
}
