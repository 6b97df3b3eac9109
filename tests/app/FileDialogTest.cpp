#include <QDir>
// The window's file dialogs: the save's format, remembered folders and recent files.
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>

#include "app/DialogLayout.h"
#include "app/FileHistory.h"
#include "app/SaveTarget.h"
#include "firmware/workspace/OutputFormat.h"
#include "firmware/workspace/Workspace.h"
#include "log/RunLog.h"
#include "tests/app/AppTestSupport.h"

namespace {

class FileDialogs : public DialogTest {
protected:
    void OpenBothImages() {
        m_dialogs.m_openPaths = {WriteBootImage(m_tmp, "boot.bin"),
                                 WriteAppImage(m_tmp, "AppX.bin")};
        m_pDlg->OnBnClickedOpenBootLoader();
        m_pDlg->OnBnClickedOpenApp();
    }
    void SaveAs(const QString& strName, int nFilter) {
        m_dialogs.m_strSavePath = m_tmp.File(strName);
        m_dialogs.m_nSaveFilter = nFilter;
        m_pDlg->OnBnClickedMergeFirmware();
    }
    // srec_cat's binary of a saved text file, moved back from the flash's start to offset 0.
    QByteArray ToBinary(const QString& strName, const char* pFormat) {
        QProcess srec;
        srec.start(QStringLiteral("srec_cat"),
                   {m_tmp.File(strName), QString::fromLatin1(pFormat), "-offset", "-0x08000000",
                    "-o", m_tmp.File(strName + ".out"), "-binary"});
        EXPECT_TRUE(srec.waitForFinished(30000));
        EXPECT_EQ(srec.exitCode(), 0) << srec.readAllStandardError().toStdString();
        return ReadAllBytes(m_tmp.File(strName + ".out"));
    }
};

}  // namespace

TEST_F(FileDialogs, TheFilterOrATypedExtensionDecidesTheFormat) {
    if (QStandardPaths::findExecutable(QStringLiteral("srec_cat")).isEmpty()) {
        GTEST_SKIP() << "srec_cat is not installed here";
    }
    OpenBothImages();
    SaveAs(QStringLiteral("fw.bin"), FORMAT_BIN);
    const QByteArray image = ReadAllBytes(m_tmp.File("fw.bin"));
    ASSERT_EQ(image.size(), 24096);
    EXPECT_EQ(m_dialogs.m_strProposedPath, QStringLiteral("AppX_1.05.bin"));  // no folder yet
    SaveAs(QStringLiteral("filtered"), FORMAT_HEX);
    SaveAs(QStringLiteral("filtered"), FORMAT_SREC);
    SaveAs(QStringLiteral("typed.hex"), FORMAT_SREC);
    SaveAs(QStringLiteral("typed.S19"), FORMAT_BIN);
    SaveAs(QStringLiteral("any.mot"), FORMAT_ANY);
    EXPECT_EQ(ToBinary(QStringLiteral("filtered.hex"), "-intel"), image);
    EXPECT_EQ(ToBinary(QStringLiteral("filtered.srec"), "-motorola"), image);
    EXPECT_EQ(ToBinary(QStringLiteral("typed.hex"), "-intel"), image);
    EXPECT_EQ(ToBinary(QStringLiteral("typed.S19"), "-motorola"), image);
    EXPECT_EQ(ToBinary(QStringLiteral("any.mot"), "-motorola"), image);
    EXPECT_EQ(m_pDlg->ControlText(IDC_OUTPUT_PATH),
              QDir::toNativeSeparators(m_tmp.File("any.mot")));
    // All files with a name that names no format: the bytes, under the name as typed.
    SaveAs(QStringLiteral("plain.dat"), FORMAT_ANY);
    EXPECT_EQ(ReadAllBytes(m_tmp.File("plain.dat")), image);
}

TEST_F(FileDialogs, AnAddedExtensionDoesNotReplaceAFileUnasked) {
    OpenBothImages();
    WriteAllBytes(m_tmp.File("kept.hex"), "mine");
    m_prompts.m_answers = {false};
    SaveAs(QStringLiteral("kept"), FORMAT_HEX);
    EXPECT_EQ(m_prompts.m_questions.size(), 1);
    EXPECT_EQ(ReadAllBytes(m_tmp.File("kept.hex")), QByteArray("mine"));
}

TEST_F(FileDialogs, TheRealSaveDialogRenamesTheProposalForAnotherFilter) {
    CQtFileDialogs dialogs(m_pDlg.get());
    QTimer::singleShot(150, [] {
        auto* pDialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (pDialog == nullptr) return;
        pDialog->selectNameFilter(pDialog->nameFilters().at(1));  // Intel HEX
        QMetaObject::invokeMethod(pDialog, "accept");
    });
    QString strPath;
    int nFilter = FORMAT_ANY;
    ASSERT_TRUE(dialogs.ChooseSaveFile(m_tmp.File("TC8_App_1.05.bin"), strPath, nFilter));
    EXPECT_EQ(QFileInfo(strPath).fileName(), QStringLiteral("TC8_App_1.05.hex"));
    EXPECT_EQ(nFilter, FORMAT_HEX);
}

TEST_F(FileDialogs, FoldersAndRecentFilesOutliveTheWindow) {
    QDir(m_tmp.Path()).mkpath(QStringLiteral("boots"));
    QDir(m_tmp.Path()).mkpath(QStringLiteral("out"));
    QStringList boots;
    for (int i = 0; i < RECENT_FILE_COUNT + 2; ++i) {
        boots.append(WriteBootImage(m_tmp, QStringLiteral("boots/b%1.bin").arg(i)));
    }
    m_dialogs.m_openPaths.assign(boots.begin(), boots.end());
    m_dialogs.m_openPaths.push_back(WriteAppImage(m_tmp, "AppX.bin"));
    for (int i = 0; i < boots.size(); ++i) m_pDlg->OnBnClickedOpenBootLoader();
    m_pDlg->OpenImageFile(IDC_OPEN_BOOT, boots[3]);  // as a drop or the menu opens it
    m_pDlg->OnBnClickedOpenApp();
    SaveAs(QStringLiteral("out/fw.bin"), FORMAT_BIN);
    m_pDlg.reset();

    CScriptedFileDialogs dialogs;
    CQuorrixDlg second;
    second.SetFileDialogs(&dialogs);
    second.OnBnClickedOpenBootLoader();
    second.OnBnClickedOpenApp();
    dialogs.m_strSavePath = m_tmp.File("out/fw2.bin");
    second.OnBnClickedMergeFirmware();
    EXPECT_EQ(dialogs.m_openFolders, QStringList({m_tmp.File("boots"), m_tmp.Path()}));
    EXPECT_EQ(dialogs.m_strProposedPath, m_tmp.File("out/AppX_1.05.bin"));
    QStringList newest = {boots[3], boots[9], boots[8], boots[7],
                          boots[6], boots[5], boots[4], boots[2]};
    EXPECT_EQ(RecentFiles(IDC_OPEN_BOOT), newest);

    // The arrow's menu offers them; choosing one opens it in its half.
    auto* pArrow = qobject_cast<QToolButton*>(second.Control(IDC_RECENT_BOOT));
    ASSERT_NE(pArrow, nullptr);
    QMenu* pMenu = pArrow->menu();
    Q_EMIT pMenu->aboutToShow();
    ASSERT_EQ(pMenu->actions().size(), RECENT_FILE_COUNT);
    EXPECT_EQ(pMenu->actions().at(1)->text(), QDir::toNativeSeparators(boots[9]));
    pMenu->actions().at(1)->trigger();
    Tick();
    EXPECT_EQ(second.ControlText(IDC_BOOT_PATH), QDir::toNativeSeparators(boots[9]));
}

// A settings file far beyond any the window writes is moved aside at the start, with its line
// in the run log, and never read again: the window starts with nothing remembered and
// remembers anew in a file of its own size.
TEST_F(FileDialogs, AHugeSettingsFileIsSetAsideAtTheStart) {
    const QString strIni = m_tmp.File("huge.ini");
    const QString strBoot = WriteBootImage(m_tmp, "boot.bin");
    WriteAllBytes(strIni, "[RecentFiles]\n1001=" + strBoot.toUtf8() +
                              "\n[Padding]\nx=" + QByteArray(SETTINGS_FILE_LIMIT, 'x') + "\n");
    m_pDlg.reset();
    SetWindowSettingsFile(strIni);
    CQuorrixDlg second;
    second.SetFileDialogs(&m_dialogs);
    second.OnInitDialog();
    EXPECT_TRUE(g_RunLog.PendingText().contains(
        QString::fromUtf8("超过上限 1048576 Bytes, 已移到 %1.too-large, 使用默认设置")
            .arg(QDir::toNativeSeparators(strIni))))
        << g_RunLog.PendingText().toStdString();
    EXPECT_GT(QFileInfo(strIni + ".too-large").size(), SETTINGS_FILE_LIMIT);
    EXPECT_TRUE(RecentFiles(IDC_OPEN_BOOT).isEmpty());
    m_dialogs.m_openPaths = {strBoot};
    second.OnBnClickedOpenBootLoader();
    EXPECT_EQ(RecentFiles(IDC_OPEN_BOOT), QStringList{strBoot});
    EXPECT_LT(QFileInfo(strIni).size(), 4096);
}
