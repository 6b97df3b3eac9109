#include "cli/CliCommands.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <memory>

#include "cli/CliDiff.h"
#include "cli/CliImageOptions.h"
#include "cli/CliJson.h"
#include "cli/CliProbe.h"
#include "cli/CliPrompts.h"
#include "cli/CliVerify.h"
#include "cli/DigestLine.h"
#include "cli/StderrPane.h"
#include "config/DeviceCatalogue.h"
#include "firmware/checks/FirmwareVerify.h"
#include "firmware/checks/InfoBlock.h"
#include "firmware/workspace/Digest.h"
#include "firmware/workspace/EntryPoints.h"
#include "firmware/workspace/FirmwareOutput.h"
#include "firmware/workspace/ImageFile.h"
#include "firmware/workspace/OutputFormat.h"
#include "firmware/workspace/Workspace.h"
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

// One run of quorrix-cli: its workspace, and the answers to the core's questions.
struct CliRun {
    const CliOptions& options;
    FirmwareWorkspace& ws;
    CCliPrompts prompts;
};

// One input inspected as its button would inspect it. The error is empty when it was taken.
QJsonObject OpenInput(CliRun& run, const QString& strPath, bool bBoot,
                      InspectionResult& inspection) {
    const QString strAbsolute = QFileInfo(strPath).absoluteFilePath();
    const std::uint8_t byFill = run.options.merge.byFill;
    inspection =
        bBoot ? InspectBootLoaderFile(run.ws, run.prompts, strAbsolute, byFill)
              : InspectAppFile(run.ws, run.prompts, strAbsolute, FileTitleOf(strPath), byFill);
    g_RunLog.FlushOutput();
    return inspection.bAccepted ? QJsonObject() : ResultErrorJson(strPath, inspection.Outcome());
}

// What an accepted App records for a merge, which the panel does not show.
void PrintAppRecord(const FirmwareWorkspace& ws) {
    PrintLines(stderr, QString::asprintf(
                           "recorded: App version %ls, %d bytes; merge proposes %ls.bin\n",
                           qUtf16Printable(FormatAppVersion(ws.byAppVerMajor, ws.byAppVerMinor)),
                           ws.nAppSize, qUtf16Printable(ProposedFirmwareName(ws))));
}

int PrintInspection(const CliRun& run, bool bBoot, const QJsonObject& error,
                    const InspectionResult& inspection) {
    const QString strPath = run.options.files.first();
    if (run.options.bJson) {
        QJsonObject image;
        if (!error.isEmpty() && error.value(QStringLiteral("code")) != QLatin1String("declined")) {
            image[QStringLiteral("file")] = strPath;
            image[QStringLiteral("error")] = error;
        } else {
            image = ImageJson(run.ws, strPath, inspection.staged);
            image[QStringLiteral("panel")] = inspection.strReport;
        }
        image[QStringLiteral("accepted")] = error.isEmpty();
        PrintJson(image);
    } else if (inspection.Read()) {
        const QString& strPanel = inspection.strReport;
        PrintLines(stdout, strPanel.endsWith(QLatin1String("\r\n")) ? strPanel : strPanel + "\n");
    }
    if (error.isEmpty() && !bBoot) PrintAppRecord(run.ws);
    return error.isEmpty() ? 0 : 1;
}

int Inspect(CliRun& run, bool bBoot) {
    InspectionResult inspection;
    const QJsonObject error = OpenInput(run, run.options.files.first(), bBoot, inspection);
    return PrintInspection(run, bBoot, error, inspection);
}

QString ModuleNameOfApp(const FirmwareWorkspace& ws) {
    const FirmwareInfoBlock block = FirmwareInfoBlock::Read(ws.AppBuf, INFO_BLOCK1_OFFSET);
    return block.HasMarker() ? GetDeviceName(block.wModuleType) : QString();
}

void PrintMergeJson(const CliRun& run, const QString& strOutput, const QByteArray& bytes,
                    const std::vector<VerifyCheck>& checks) {
    const CliOptions& options = run.options;
    const FirmwareWorkspace& ws = run.ws;
    QJsonObject document;
    document[QStringLiteral("checks")] = ChecksJson(checks);
    document[QStringLiteral("inputs")] = QJsonArray{InputFileJson(options.files[0], ws.bootSource),
                                                    InputFileJson(options.files[1], ws.appSource)};
    document[QStringLiteral("output")] = OutputJson(strOutput, bytes);
    document[QStringLiteral("format")] = FormatExtension(options.merge.nFormat);
    document[QStringLiteral("version")] = FormatAppVersion(ws.byAppVerMajor, ws.byAppVerMinor);
    const QString strModule = ModuleNameOfApp(ws);
    document[QStringLiteral("moduleName")] = strModule.isNull() ? QJsonValue() : strModule;
    PrintJson(document);
}

// The bytes of the merged image, as they were written; never read back from the file.
QByteArray MergedBytes(const FirmwareWorkspace& ws) {
    return QByteArray(reinterpret_cast<const char*>(ws.FirmwareBuf), ws.nFirmwareSize);
}

int FailMerge(const CliOptions& options, const QJsonObject& error,
              const std::vector<VerifyCheck>& checks) {
    if (!options.bJson) return 1;
    QJsonObject document{{QStringLiteral("error"), error}};
    if (!checks.empty()) document[QStringLiteral("checks")] = ChecksJson(checks);
    PrintJson(document);
    return 1;
}

// Where the merged file goes: -o, or the proposed name (in the folder -o names). Asks before
// an existing file is replaced, as the save dialog does, unless forced. False when declined.
bool ChooseOutput(CliRun& run, QString& strPath) {
    const CliOptions& options = run.options;
    const QString strProposed =
        ProposedFirmwareName(run.ws) + QLatin1Char('.') + FormatExtension(options.merge.nFormat);
    QString strChosen = options.strOutput.isEmpty() ? strProposed : options.strOutput;
    if (QFileInfo(strChosen).isDir()) strChosen = QDir(strChosen).filePath(strProposed);
    strPath = QFileInfo(strChosen).absoluteFilePath();
    return options.bForce || !QFileInfo(strPath).isFile() ||
           run.prompts.AskYesNo(QDir::toNativeSeparators(strPath) +
                                QStringLiteral(" 已存在。\r\n要替换它吗?"));
}

// The merge and its save; an error document when nothing was written.
QJsonObject MergeAndSave(CliRun& run, QString& strOutput, std::vector<VerifyCheck>& checks) {
    const CliOptions& options = run.options;
    const CoreResult merged = MergeFirmware(run.ws, run.prompts, options.merge, &checks);
    if (!merged.Done()) return ResultErrorJson(QString(), merged);
    if (options.strOutput == QLatin1String("-")) {
        strOutput = QStringLiteral("-");
        const QByteArray bytes = FirmwareFileBytes(run.ws, options.merge);
        PrintBytes(stdout, bytes.constData(), bytes.size());
        return StdoutError() == 0 ? QJsonObject()
                                  : ErrorJson("save-failed", QStringLiteral("-: not written"));
    }
    if (!ChooseOutput(run, strOutput)) {
        return ErrorJson("declined", QStringLiteral("the output was not replaced"));
    }
    const CoreResult saved = SaveFirmwareFile(run.ws, strOutput, options.merge);
    if (!saved.Done()) return ResultErrorJson(strOutput, saved);
    return QJsonObject();
}

int RunMerge(CliRun& run) {
    const CliOptions& options = run.options;
    InspectionResult boot, app;
    const QJsonObject bootError = OpenInput(run, options.files[0], true, boot);
    const QJsonObject appError = OpenInput(run, options.files[1], false, app);
    QString strOutput;
    std::vector<VerifyCheck> checks;
    const QJsonObject saveError = MergeAndSave(run, strOutput, checks);
    g_RunLog.FlushOutput();
    for (const QJsonObject& error : {bootError, appError, saveError}) {
        if (!error.isEmpty()) return FailMerge(options, error, checks);
    }
    // The digest is of the image bytes, the same in every format.
    const QByteArray bytes = MergedBytes(run.ws);
    if (options.bJson) {
        PrintMergeJson(run, strOutput, bytes, checks);
        return 0;
    }
    QString strLine = DigestLine(strOutput, bytes);
    if (options.merge.nFormat != FORMAT_BIN) {
        strLine += QStringLiteral(" format=") + FormatExtension(options.merge.nFormat);
    }
    PrintLines(strOutput == QLatin1String("-") ? stderr : stdout, strLine + QLatin1Char('\n'));
    return 0;
}

}  // namespace

int RunCli(const CliOptions& options) {
    // Only the inputs of a merge's JSON document carry their digests.
    SetInputDigests(options.command == CliCommand::Merge && options.bJson);
    // verify and diff only read their files: no run log, no catalogue.
    if (options.command == CliCommand::Verify) return RunVerify(options);
    if (options.command == CliCommand::Diff) return RunDiff(options);
    CliRunLog runLog;
    QString strRefusal;
    if (g_DeviceList.Load(options.strCatalogue, &strRefusal) == -2) {
        WriteLog(FileLogLine("读取", options.strCatalogue, strRefusal));
    }
    const auto pWorkspace = std::make_unique<FirmwareWorkspace>();
    CliRun run{options, *pWorkspace, CCliPrompts(options.answer)};
    switch (options.command) {
        case CliCommand::Boot:
            return Inspect(run, true);
        case CliCommand::App:
            return Inspect(run, false);
        case CliCommand::Merge:
            return RunMerge(run);
        case CliCommand::Flash:
            return RunFlash(options, *pWorkspace, run.prompts);
        case CliCommand::Module:
            return RunModule(options);
        case CliCommand::Read:
            return RunRead(options);
        case CliCommand::Verify:
        case CliCommand::Diff:
            break;
    }
    return 2;
}
