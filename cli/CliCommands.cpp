#include "cli/CliCommands.h"

#include <QJsonArray>
#include <QJsonObject>

#include "cli/CliDiff.h"
#include "cli/CliImageOptions.h"
#include "cli/CliJson.h"
#include "cli/CliVerify.h"
#include "cli/CliWindow.h"
#include "cli/DigestLine.h"
#include "cli/StderrPane.h"
#include "config/DeviceCatalogue.h"
#include "firmware/Digest.h"
#include "firmware/FirmwareOutput.h"
#include "firmware/Handlers.h"
#include "firmware/ImageFile.h"
#include "firmware/InfoBlock.h"
#include "firmware/OutputFormat.h"
#include "firmware/Workspace.h"
#include "log/RunLog.h"
#include "platform/FileSystem.h"

namespace {

// The run log as the window configures it, with standard error as its pane.
class CliRunLog {
public:
    CliRunLog() {
        g_RunLog.AttachOutputWnd(&m_pane);
        ConfigureRunLog(g_RunLog, LogRootFolder());
    }
    ~CliRunLog() {
        g_RunLog.FlushOutput();
        g_RunLog.DetachOutputWnd();
    }

private:
    CStderrPane m_pane;
};

// One input opened as its button would open it. The error is empty when it was taken.
QJsonObject OpenInput(CCliWindow& wnd, const QString& strPath, void (*pfnOpen)(IFirmwareWindow&),
                      const std::uint8_t& bLoaded) {
    wnd.SetOpenPath(strPath);
    pfnOpen(wnd);
    g_RunLog.FlushOutput();
    // Each input is opened once in a run, so the flag tells whether this one was taken.
    if (LastStageResult() == StageResult::Staged && bLoaded) return QJsonObject();
    return InputErrorJson(strPath, LastStageResult());
}

// What an accepted App records for a merge, which the panel does not show.
void PrintAppRecord() {
    PrintLines(stderr, QString::asprintf(
                           "recorded: App version %ls, %d bytes; merge proposes %ls.bin\n",
                           qUtf16Printable(FormatAppVersion(g_byAppVerMajor, g_byAppVerMinor)),
                           g_nAppSize, qUtf16Printable(ProposedFirmwareName())));
}

int PrintInspection(const CliOptions& options, const CCliWindow& wnd, int nPanel,
                    const QJsonObject& error) {
    const QString strPath = options.files.first();
    if (options.bJson) {
        QJsonObject image;
        if (!error.isEmpty() && error.value(QStringLiteral("code")) != QLatin1String("declined")) {
            image[QStringLiteral("file")] = strPath;
            image[QStringLiteral("error")] = error;
        } else {
            image = ImageJson(strPath);
            image[QStringLiteral("panel")] = wnd.Text(nPanel);
        }
        image[QStringLiteral("accepted")] = error.isEmpty();
        PrintJson(image);
    } else if (wnd.HasText(nPanel)) {
        QString strPanel = wnd.Text(nPanel);
        PrintLines(stdout, strPanel.endsWith(QLatin1String("\r\n")) ? strPanel : strPanel + "\n");
    }
    if (error.isEmpty() && nPanel == IDC_APP_INFO) PrintAppRecord();
    return error.isEmpty() ? 0 : 1;
}

QString ModuleNameOfApp() {
    const FirmwareInfoBlock block = FirmwareInfoBlock::Read(g_AppBuf, INFO_BLOCK1_OFFSET);
    return block.HasMarker() ? GetDeviceName(block.wModuleType) : QString();
}

void PrintMergeJson(const CliOptions& options, const QString& strOutput, const QByteArray& bytes) {
    QJsonObject document;
    document[QStringLiteral("inputs")] =
        QJsonArray{InputFileJson(options.files[0]), InputFileJson(options.files[1])};
    document[QStringLiteral("output")] = OutputJson(strOutput, bytes);
    document[QStringLiteral("format")] = FormatExtension(g_nFirmwareFormat);
    document[QStringLiteral("version")] = FormatAppVersion(g_byAppVerMajor, g_byAppVerMinor);
    const QString strModule = ModuleNameOfApp();
    document[QStringLiteral("moduleName")] = strModule.isNull() ? QJsonValue() : strModule;
    PrintJson(document);
}

// The bytes of the merged image, as they were written; never read back from the file.
QByteArray MergedBytes() {
    return QByteArray(reinterpret_cast<const char*>(g_FirmwareBuf), g_nFirmwareSize);
}

int FailMerge(const CliOptions& options, const QJsonObject& error) {
    if (options.bJson) PrintJson(QJsonObject{{QStringLiteral("error"), error}});
    return 1;
}

int SaveMerged(const CliOptions& options, CCliWindow& wnd, QString& strOutput) {
    if (options.strOutput == QLatin1String("-")) {
        strOutput = QStringLiteral("-");
        if (!MergeFirmwareImages()) return 0;
        const QByteArray bytes = FirmwareFileBytes();
        PrintBytes(stdout, bytes.constData(), bytes.size());
        return StdoutError() == 0 ? 1 : 0;
    }
    wnd.SetSavePath(options.strOutput);
    const int nSaved = OnBnClickedMergeFirmware(wnd);
    strOutput = wnd.SavedPath();
    return nSaved;
}

int RunMerge(const CliOptions& options, CCliWindow& wnd) {
    ApplyMergeOptions(options);
    const QJsonObject bootError =
        OpenInput(wnd, options.files[0], &OnBnClickedOpenBootLoader, g_bBootLoaded);
    const QJsonObject appError =
        OpenInput(wnd, options.files[1], &OnBnClickedOpenApp, g_bAppLoaded);
    QString strOutput;
    const int nSaved = SaveMerged(options, wnd, strOutput);
    g_RunLog.FlushOutput();
    if (!bootError.isEmpty()) return FailMerge(options, bootError);
    if (!appError.isEmpty()) return FailMerge(options, appError);
    if (!nSaved) {
        return FailMerge(options,
                         strOutput.isEmpty()
                             ? ErrorJson("declined", QStringLiteral("the output was not replaced"))
                             : ErrorJson("save-failed", strOutput + QStringLiteral(": not saved")));
    }
    // The digest is of the image bytes, the same in every format.
    const QByteArray bytes = MergedBytes();
    if (options.bJson) {
        PrintMergeJson(options, strOutput, bytes);
        return 0;
    }
    QString strLine = DigestLine(strOutput, bytes);
    if (g_nFirmwareFormat != FORMAT_BIN) {
        strLine += QStringLiteral(" format=") + FormatExtension(g_nFirmwareFormat);
    }
    PrintLines(strOutput == QLatin1String("-") ? stderr : stdout, strLine + QLatin1Char('\n'));
    return 0;
}

}  // namespace

int RunCli(const CliOptions& options) {
    // verify and diff only read their files: no run log, no catalogue.
    if (options.command == CliCommand::Verify) return RunVerify(options);
    if (options.command == CliCommand::Diff) return RunDiff(options);
    CliRunLog runLog;
    g_DeviceList.Load(options.strCatalogue);
    CCliWindow wnd(options.answer, options.bForce);
    switch (options.command) {
        case CliCommand::Boot:
            return PrintInspection(
                options, wnd, IDC_BOOT_INFO,
                OpenInput(wnd, options.files.first(), &OnBnClickedOpenBootLoader, g_bBootLoaded));
        case CliCommand::App:
            return PrintInspection(
                options, wnd, IDC_APP_INFO,
                OpenInput(wnd, options.files.first(), &OnBnClickedOpenApp, g_bAppLoaded));
        case CliCommand::Merge:
            return RunMerge(options, wnd);
        case CliCommand::Verify:
        case CliCommand::Diff:
            break;
    }
    return 2;
}
