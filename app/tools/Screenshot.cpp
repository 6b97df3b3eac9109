// Drives the real main window as a person would and writes PNG screenshots of it, in Chinese
// and in English: the start (with a question box in Qt's own Chinese), the window after a merge
// with its layout strip, the verify and the compare report, the flash window once it has
// flashed the merged file into QEMU's netduino2, and the window maximised. Each
// window shot is checked too: a control outside the window, two controls that overlap or a
// text cut off is printed, and the exit status is 1.
// quorrix-screenshot OUTPUT_FOLDER BOOT APP FIRMWARE_OUT
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>

#include "app/CompareReportDlg.h"
#include "app/FileHistory.h"
#include "app/FlashDlg.h"
#include "app/PaneAdapters.h"
#include "app/QuorrixDlg.h"
#include "app/ReportActions.h"
#include "app/ScriptedFileDialogs.h"
#include "app/Translations.h"
#include "app/VerifyReportDlg.h"
#include "app/WindowWorkspace.h"
#include "config/DeviceCatalogue.h"
#include "firmware/workspace/ScriptedPrompts.h"

namespace {

struct Samples {
    QString strOut;   // the folder of the PNGs
    QString strBoot;  // the sample boot loader and App
    QString strApp;
    QString strFirmware;  // where the merge saves
};

// Lets the pane timer tick and the window paint.
void Settle() {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 400) QApplication::processEvents(QEventLoop::AllEvents, 50);
}

// Where a control shows something: a label's text, the whole of any other control.
QRect ContentRect(QWidget* pControl) {
    auto* pLabel = qobject_cast<QLabel*>(pControl);
    if (pLabel == nullptr) return pControl->geometry();
    return QStyle::alignedRect(Qt::LeftToRight, pLabel->alignment(),
                               pLabel->sizeHint().boundedTo(pLabel->size()), pLabel->geometry());
}

QString NameOf(QWidget* pControl) {
    if (auto* pLabel = qobject_cast<QLabel*>(pControl)) return pLabel->text().left(30);
    if (auto* pButton = qobject_cast<QPushButton*>(pControl)) return pButton->text();
    return pControl->objectName().isEmpty()
               ? QString::fromLatin1(pControl->metaObject()->className())
               : pControl->objectName();
}

// True when a label's or a button's text is shown whole.
bool TextFits(QWidget* pControl) {
    if (auto* pLabel = qobject_cast<QLabel*>(pControl)) {
        return pLabel->wordWrap() || pLabel->width() >= pLabel->sizeHint().width();
    }
    auto* pButton = qobject_cast<QPushButton*>(pControl);
    if (pButton == nullptr) return true;
    QStyleOptionButton option;
    option.initFrom(pButton);
    option.text = pButton->text();
    const QRect contents =
        pButton->style()->subElementRect(QStyle::SE_PushButtonContents, &option, pButton);
    return contents.width() >= pButton->fontMetrics().horizontalAdvance(pButton->text());
}

// The faults a person would see in the window's own controls.
QStringList LayoutFaults(QWidget& window) {
    QList<QWidget*> controls;
    for (QWidget* pControl : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (pControl->isVisibleTo(&window)) controls.append(pControl);
    }
    QStringList faults;
    for (qsizetype i = 0; i < controls.size(); ++i) {
        QWidget* pControl = controls[i];
        if (!window.rect().contains(pControl->geometry()))
            faults.append(QStringLiteral("outside the window: ") + NameOf(pControl));
        if (!TextFits(pControl)) faults.append(QStringLiteral("cut off: ") + NameOf(pControl));
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            if (ContentRect(pControl).intersects(ContentRect(controls[j])))
                faults.append(
                    QStringLiteral("overlap: %1 / %2").arg(NameOf(pControl), NameOf(controls[j])));
        }
    }
    return faults;
}

// Shoots a window and, for the main window, prints what is wrong with its layout.
bool Shoot(QWidget& window, const Samples& samples, const QString& strName,
           bool bCheckLayout = false) {
    Settle();
    bool bOk = window.grab().save(QDir(samples.strOut).filePath(strName));
    if (!bOk) std::fprintf(stderr, "%s: not written\n", qPrintable(strName));
    if (!bCheckLayout) return bOk;
    for (const QString& strFault : LayoutFaults(window)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(strName), qPrintable(strFault));
        bOk = false;
    }
    return bOk;
}

// A later build of the merged firmware, for the compare report: the App's version 1.06 in its
// info block and a few bytes of its code changed.
QString WriteLaterBuild(const QString& strFirmware) {
    QFile in(strFirmware);
    if (!in.open(QIODevice::ReadOnly)) return QString();
    QByteArray image = in.readAll();
    constexpr int APP_VERSION_AT = 0x1000 + 0x100 + 8;
    if (image.size() < 0x3000) return QString();
    image[APP_VERSION_AT] = 0x06;
    for (int i = 0x2400; i < 0x2430; ++i) image[i] = static_cast<char>(image[i] ^ 0x5A);
    const QString strPath =
        QFileInfo(strFirmware).dir().filePath(QStringLiteral("TC8_App_1.06.bin"));
    QFile out(strPath);
    return out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(image) == image.size()
               ? strPath
               : QString();
}

// Enlarges a report, as a person would, until every row shows whole (within the screen).
void FitRows(CReportDlg& report) {
    QTreeWidget* pRows = report.Rows();
    const int nLast = pRows->columnCount() - 1;
    // Through its base, where the column's hint is public.
    int nWidth = static_cast<QAbstractItemView*>(pRows)->sizeHintForColumn(nLast);
    for (int i = 0; i < nLast; ++i) nWidth += pRows->header()->sectionSize(i);
    int nHeight = 0;
    for (int i = 0; i < pRows->topLevelItemCount(); ++i)
        nHeight += pRows->visualItemRect(pRows->topLevelItem(i)).height();
    const QSize more(std::max(0, nWidth - pRows->viewport()->width()),
                     std::max(0, nHeight - pRows->viewport()->height()));
    report.resize((report.size() + more + QSize(4, 4))
                      .boundedTo(report.screen()->availableGeometry().size()));
}

// A report window beside the main window, with all of its rows.
bool ShootReport(CReportDlg* pReport, const Samples& samples, const QString& strName) {
    if (pReport == nullptr) {
        std::fprintf(stderr, "%s: the report did not open\n", qPrintable(strName));
        return false;
    }
    Settle();
    FitRows(*pReport);
    const bool bOk = Shoot(*pReport, samples, strName);
    pReport->close();
    return bOk;
}

// The flash window once it has flashed the merged file into an STM32F205 that QEMU's netduino2
// plays, started by the window through its command link. Left out without qemu-system-arm.
bool ShootFlash(QWidget& owner, IFirmwarePrompts& prompts, IFileDialogs& dialogs,
                const Samples& samples, const QString& strName) {
    if (QStandardPaths::findExecutable(QStringLiteral("qemu-system-arm")).isEmpty()) {
        std::fprintf(stderr, "%s: no qemu-system-arm, not shot\n", qPrintable(strName));
        return true;
    }
    QFile firmware(samples.strFirmware);
    if (!firmware.open(QIODevice::ReadOnly)) return false;
    CFlashDlg dlg(&owner, prompts, dialogs);
    dlg.SetImage(firmware.readAll(), QFileInfo(samples.strFirmware).fileName());
    dlg.SetAddress(
        QStringLiteral("|qemu-system-arm -M netduino2 -S -display none -nodefaults -monitor none "
                       "-serial null -gdb stdio"));
    dlg.show();
    dlg.OnFlash();
    QElapsedTimer timer;
    timer.start();
    while (dlg.Busy() && timer.elapsed() < 60000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    if (dlg.Busy()) {
        std::fprintf(stderr, "%s: the flash did not end\n", qPrintable(strName));
        return false;
    }
    return Shoot(dlg, samples, strName);
}

// Opens both samples in a fresh main window, merges them and shoots the window (maximised when
// asked), then, at the template's size, its verify report of the merged file and its compare
// report of that file and a later build. strSuffix ends each file's name.
bool ShootMerged(const Samples& samples, const QString& strSuffix, bool bMaximised) {
    ResetFirmwareWorkspace(g_Workspace);
    CScriptedPrompts prompts;
    prompts.m_bUnscriptedAnswer = true;
    CScriptedFileDialogs dialogs;
    dialogs.m_openPaths = {samples.strBoot, samples.strApp};
    dialogs.m_strSavePath = samples.strFirmware;
    CQuorrixDlg dlg;
    dlg.SetPrompts(&prompts);
    dlg.SetFileDialogs(&dialogs);
    dlg.show();
    // Xvfb has no window manager to maximise it: the screen's whole room, as one would give.
    if (bMaximised) dlg.setGeometry(dlg.screen()->availableGeometry());
    dlg.OnBnClickedOpenBootLoader();
    dlg.OnBnClickedOpenApp();
    dlg.OnBnClickedMergeFirmware();
    if (bMaximised) {
        return Shoot(dlg, samples, QStringLiteral("screenshot-maximised%1.png").arg(strSuffix),
                     true);
    }
    bool bOk = Shoot(dlg, samples, QStringLiteral("screenshot-merged%1.png").arg(strSuffix), true);
    dialogs.m_openPaths = {samples.strFirmware};
    bOk = ShootReport(ShowVerifyReport(&dlg, dialogs), samples,
                      QStringLiteral("screenshot-verify%1.png").arg(strSuffix)) &&
          bOk;
    dialogs.m_openPaths = {samples.strFirmware, WriteLaterBuild(samples.strFirmware)};
    bOk = ShootReport(ShowCompareReport(&dlg, dialogs), samples,
                      QStringLiteral("screenshot-compare%1.png").arg(strSuffix)) &&
          bOk;
    return ShootFlash(dlg, prompts, dialogs, samples,
                      QStringLiteral("screenshot-flash%1.png").arg(strSuffix)) &&
           bOk;
}

// The question a merged file raises when it is opened as an App, as the window asks it.
bool ShootQuestion(QWidget& owner, const Samples& samples) {
    bool bOk = false;
    QTimer::singleShot(400, [&] {
        QWidget* pBox = QApplication::activeModalWidget();
        if (pBox == nullptr) return;
        bOk = pBox->grab().save(
            QDir(samples.strOut).filePath(QStringLiteral("screenshot-question.png")));
        pBox->close();
    });
    CQtPrompts(&owner).AskYesNo(
        QString::fromUtf8("文件已经是bootloader和App合成的文件 , 是否使用文件中App?"));
    return bOk;
}

bool ShootStart(const Samples& samples) {
    CScriptedPrompts prompts;
    CQuorrixDlg dlg;
    dlg.SetPrompts(&prompts);
    dlg.show();
    const bool bOk = Shoot(dlg, samples, QStringLiteral("screenshot-start.png"), true);
    return ShootQuestion(dlg, samples) && bOk;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 5) return 2;
    const QStringList args = app.arguments();
    const Samples samples{args[1], args[2], args[3], args[4]};
    InstallPaneBinder();
    QTemporaryDir settings;  // the user's own recent files stay as they are
    SetWindowSettingsFile(settings.filePath(QStringLiteral("Quorrix.ini")));
    g_DeviceList.Load(QStringLiteral("./DeviceList.Ini"));
    bool bOk = true;
    for (const UiLanguage language : {UiLanguage::Chinese, UiLanguage::English}) {
        InstallTranslations(language);
        const QString strSuffix =
            language == UiLanguage::English ? QStringLiteral("-en") : QString();
        if (language == UiLanguage::Chinese) bOk = ShootStart(samples) && bOk;
        bOk = ShootMerged(samples, strSuffix, false) && bOk;
        bOk = ShootMerged(samples, strSuffix, true) && bOk;
        RemoveTranslations();
    }
    return bOk ? 0 : 1;
}
