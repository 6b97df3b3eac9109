// Opens a boot loader and an App in the real main window, merges them, and writes PNG
// screenshots: quorrix-screenshot OUTPUT_FOLDER BOOT APP FIRMWARE_OUT
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>

#include "app/PaneAdapters.h"
#include "app/QuorrixDlg.h"
#include "config/DeviceCatalogue.h"
#include "firmware/ScriptedWindow.h"

namespace {

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

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 5) return 2;
    const QString strOut = QString::fromLocal8Bit(argv[1]);
    InstallPaneBinder();
    g_DeviceList.Load(QStringLiteral("./DeviceList.Ini"));
    // Answers as a person would who opens the two sample files and saves the merge.
    CScriptedWindow prompts;
    prompts.m_bUnscriptedAnswer = true;
    prompts.m_openPaths = {QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3])};
    prompts.m_strSavePath = QString::fromLocal8Bit(argv[4]);
    CQuorrixDlg dlg;
    dlg.SetPrompts(&prompts);
    dlg.show();
    bool bOk = Shoot(dlg, QDir(strOut).filePath(QStringLiteral("screenshot-start.png")));
    dlg.OnBnClickedOpenBootLoader();
    dlg.OnBnClickedOpenApp();
    dlg.OnBnClickedMergeFirmware();
    bOk = Shoot(dlg, QDir(strOut).filePath(QStringLiteral("screenshot-merged.png"))) && bOk;
    return bOk ? 0 : 1;
}
