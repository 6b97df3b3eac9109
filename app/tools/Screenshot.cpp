// Opens a boot loader and an App in the real main window, merges them, and writes PNG
// screenshots, in Chinese (with a question box in Qt's own Chinese) and in English:
// quorrix-screenshot OUTPUT_FOLDER BOOT APP FIRMWARE_OUT
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include "app/FileHistory.h"
#include "app/PaneAdapters.h"
#include "app/QuorrixDlg.h"
#include "app/ScriptedFileDialogs.h"
#include "app/Translations.h"
#include "config/DeviceCatalogue.h"
#include "firmware/ScriptedWindow.h"
#include "firmware/Workspace.h"

namespace {

// Answers as a person would who opens the given sample files and saves the merge.
CScriptedWindow SamplePrompts() {
    CScriptedWindow prompts;
    prompts.m_bUnscriptedAnswer = true;
    return prompts;
}

CScriptedFileDialogs SampleDialogs(const QStringList& openPaths, const QString& strSavePath) {
    CScriptedFileDialogs dialogs;
    dialogs.m_openPaths.assign(openPaths.begin(), openPaths.end());
    dialogs.m_strSavePath = strSavePath;
    return dialogs;
}

// Lets the pane timer tick and the window paint.
void Settle() {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 400) QApplication::processEvents(QEventLoop::AllEvents, 50);
}

bool Shoot(QWidget& window, const QString& strPath) {
    Settle();
    return window.grab().save(strPath);
}

// Opens both samples in a fresh main window, merges them, and shoots the window, maximised
// when asked.
bool ShootMerged(const QStringList& args, const QString& strFile, bool bMaximised = false) {
    ResetFirmwareWorkspace();
    CScriptedWindow prompts = SamplePrompts();
    CScriptedFileDialogs dialogs = SampleDialogs({args[2], args[3]}, args[4]);
    CQuorrixDlg dlg;
    dlg.SetPrompts(&prompts);
    dlg.SetFileDialogs(&dialogs);
    dlg.show();
    // Xvfb has no window manager to maximise it: the screen's whole room, as one would give.
    if (bMaximised) dlg.setGeometry(dlg.screen()->availableGeometry());
    dlg.OnBnClickedOpenBootLoader();
    dlg.OnBnClickedOpenApp();
    dlg.OnBnClickedMergeFirmware();
    return Shoot(dlg, QDir(args[1]).filePath(strFile));
}

// The question a merged file raises when it is opened as an App, as the window asks it.
bool ShootQuestion(QWidget& owner, const QString& strPath) {
    bool bOk = false;
    QTimer::singleShot(400, [&] {
        QWidget* pBox = QApplication::activeModalWidget();
        if (pBox == nullptr) return;
        bOk = pBox->grab().save(strPath);
        pBox->close();
    });
    CQtPrompts(&owner).AskYesNo(
        QString::fromUtf8("文件已经是bootloader和App合成的文件 , 是否使用文件中App?"));
    return bOk;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 5) return 2;
    const QString strOut = QString::fromLocal8Bit(argv[1]);
    InstallPaneBinder();
    QTemporaryDir settings;  // the user's own recent files stay as they are
    SetWindowSettingsFile(settings.filePath(QStringLiteral("Quorrix.ini")));
    g_DeviceList.Load(QStringLiteral("./DeviceList.Ini"));
    const QStringList args = app.arguments();
    InstallTranslations(UiLanguage::Chinese);
    bool bOk = true;
    {
        CScriptedWindow prompts = SamplePrompts();
        CQuorrixDlg dlg;
        dlg.SetPrompts(&prompts);
        dlg.show();
        bOk = Shoot(dlg, QDir(strOut).filePath(QStringLiteral("screenshot-start.png")));
        bOk =
            ShootQuestion(dlg, QDir(strOut).filePath(QStringLiteral("screenshot-question.png"))) &&
            bOk;
    }
    bOk = ShootMerged(args, QStringLiteral("screenshot-merged.png")) && bOk;
    bOk = ShootMerged(args, QStringLiteral("screenshot-maximised.png"), true) && bOk;
    RemoveTranslations();
    InstallTranslations(UiLanguage::English);
    bOk = ShootMerged(args, QStringLiteral("screenshot-english.png")) && bOk;
    return bOk ? 0 : 1;
}
