// Opens a boot loader and an App in the real main window, merges them, and writes PNG
// screenshots: quorrix-screenshot OUTPUT_FOLDER BOOT APP FIRMWARE_OUT
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>

#include "app/PaneAdapters.h"
#include "app/QuorrixDlg.h"
#include "config/DeviceCatalogue.h"
#include "firmware/FirmwareWindow.h"

namespace {

// Answers as a person would who opens the two sample files and saves the merge.
class SamplePrompts : public IUserPrompts {
public:
    SamplePrompts(QStringList openPaths, QString strSavePath)
        : m_openPaths(std::move(openPaths)), m_strSavePath(std::move(strSavePath)) {}
    bool AskYesNo(QWidget*, const QString&) override { return true; }
    bool ChooseOpenFile(QWidget*, QString& strPath) override {
        if (m_openPaths.isEmpty()) return false;
        strPath = m_openPaths.takeFirst();
        return true;
    }
    bool ChooseSaveFile(QWidget*, const QString&, const QString&, QString& strPath) override {
        strPath = m_strSavePath;
        return true;
    }

private:
    QStringList m_openPaths;
    QString m_strSavePath;
};

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
    SamplePrompts prompts({QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3])},
                          QString::fromLocal8Bit(argv[4]));
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
