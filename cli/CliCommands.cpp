#include "cli/CliCommands.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

#include "cli/CliDiff.h"
#include "cli/CliImageOptions.h"
#include "cli/CliJson.h"
#include "cli/CliProbe.h"
#include "cli/CliVerify.h"
#include "cli/CliWindow.h"
#include "cli/DigestLine.h"
#include "cli/StderrPane.h"
#include "config/DeviceCatalogue.h"
#include "firmware/Digest.h"
#include "firmware/FirmwareOutput.h"
#include "firmware/FirmwareVerify.h"
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

// One input inspected as its button would inspect it. The error is empty when it was taken.
QJsonObject OpenInput(CCliWindow& wnd, const QString& strPath, bool bBoot, std::uint8_t byFill,
                      StagedImage& staged) {
    const QString strAbsolute = QFileInfo(strPath).absoluteFilePath();
    const int nTaken =
        bBoot ? InspectBootLoaderFile(wnd, strAbsolute, &staged, byFill)
              : InspectAppFile(wnd, strAbsolute, FileTitleOf(strPath), &staged, byFill);
    g_RunLog.FlushOutput();
    return nTaken ? QJsonObject() : InputErrorJson(strPath, staged.result);
}

// What an accepted App records for a merge, which the panel does not show.
void PrintAppRecord() {
    PrintLines(stderr,
               QString::asprintf("recorded: App version %ls, %d bytes; merge proposes %ls.bin\n",
                                 qUtf16Printable(FormatAppVersion(g_Workspace.byAppVerMajor,
                                                                  g_Workspace.byAppVerMinor)),
                                 g_Workspace.nAppSize, qUtf16Printable(ProposedFirmwareName())));
}

int PrintInspection(const CliOptions& options, const CCliWindow& wnd, int nPanel,
                    const QJsonObject& error, const StagedImage& staged) {
    const QString strPath = options.files.first();
    if (options.bJson) {
        QJsonObject image;
        if (!error.isEmpty() && error.value(QStringLiteral("code")) != QLatin1String("declined")) {
            image[QStringLiteral("file")] = strPath;
            image[QStringLiteral("error")] = error;
        } else {
            image = ImageJson(strPath, staged);
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

int Inspect(const CliOptions& options, CCliWindow& wnd, bool bBoot) {
    StagedImage staged;
    const QJsonObject error =
        OpenInput(wnd, options.files.first(), bBoot, options.merge.byFill, staged);
    return PrintInspection(options, wnd, bBoot ? IDC_BOOT_INFO : IDC_APP_INFO, error, staged);
}

QString ModuleNameOfApp() {
    const FirmwareInfoBlock block = FirmwareInfoBlock::Read(g_Workspace.AppBuf, INFO_BLOCK1_OFFSET);
    return block.HasMarker() ? GetDeviceName(block.wModuleType) : QString();
}

void PrintMergeJson(const CliOptions& options, const QString& strOutput, const QByteArray& bytes,
                    const std::vector<VerifyCheck>& checks) {
    QJsonObject document;
    document[QStringLiteral("checks")] = ChecksJson(checks);
    document[QStringLiteral("inputs")] =
        QJsonArray{InputFileJson(options.files[0], g_Workspace.bootSource),
                   InputFileJson(options.files[1], g_Workspace.appSource)};
    document[QStringLiteral("output")] = OutputJson(strOutput, bytes);
    document[QStringLiteral("format")] = FormatExtension(options.merge.nFormat);
    document[QStringLiteral("version")] =
        FormatAppVersion(g_Workspace.byAppVerMajor, g_Workspace.byAppVerMinor);
    const QString strModule = ModuleNameOfApp();
    document[QStringLiteral("moduleName")] = strModule.isNull() ? QJsonValue() : strModule;
    PrintJson(document);
}

// The bytes of the merged image, as they were written; never read back from the file.
QByteArray MergedBytes() {
    return QByteArray(reinterpret_cast<const char*>(g_Workspace.FirmwareBuf),
                      g_Workspace.nFirmwareSize);
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
bool ChooseOutput(const CliOptions& options, CCliWindow& wnd, QString& strPath) {
    const QString strProposed =
        ProposedFirmwareName() + QLatin1Char('.') + FormatExtension(options.merge.nFormat);
    QString strChosen = options.strOutput.isEmpty() ? strProposed : options.strOutput;
    if (QFileInfo(strChosen).isDir()) strChosen = QDir(strChosen).filePath(strProposed);
    strPath = QFileInfo(strChosen).absoluteFilePath();
    return options.bForce || !QFileInfo(strPath).isFile() ||
           wnd.AskYesNo(QDir::toNativeSeparators(strPath) +
                        QStringLiteral(" 已存在。\r\n要替换它吗?"));
}

// The merge and its save; an error document when nothing was written.
QJsonObject MergeAndSave(const CliOptions& options, CCliWindow& wnd, QString& strOutput,
                         std::vector<VerifyCheck>& checks) {
    switch (MergeFirmware(wnd, options.merge, &checks)) {
        case MergeResult::Built:
            break;
        case MergeResult::Declined:
            return ErrorJson("checks-failed",
                             QStringLiteral("layout checks failed and the save was declined"));
        case MergeResult::MissingImages:
            return ErrorJson("not-merged", QStringLiteral("an input was not taken"));
        case MergeResult::AddressOverflow:
            return ErrorJson("address-overflow",
                             QStringLiteral("the image runs past 4 GiB from its load address"));
    }
    if (options.strOutput == QLatin1String("-")) {
        strOutput = QStringLiteral("-");
        const QByteArray bytes = FirmwareFileBytes(options.merge);
        PrintBytes(stdout, bytes.constData(), bytes.size());
        return StdoutError() == 0 ? QJsonObject()
                                  : ErrorJson("save-failed", QStringLiteral("-: not written"));
    }
    if (!ChooseOutput(options, wnd, strOutput)) {
        return ErrorJson("declined", QStringLiteral("the output was not replaced"));
    }
    if (!SaveFirmwareFile(strOutput, options.merge)) {
        return ErrorJson("save-failed", strOutput + QStringLiteral(": not saved"));
    }
    return QJsonObject();
}

int RunMerge(const CliOptions& options, CCliWindow& wnd) {
    StagedImage bootStaged, appStaged;
    const QJsonObject bootError =
        OpenInput(wnd, options.files[0], true, options.merge.byFill, bootStaged);
    const QJsonObject appError =
        OpenInput(wnd, options.files[1], false, options.merge.byFill, appStaged);
    QString strOutput;
    std::vector<VerifyCheck> checks;
    const QJsonObject saveError = MergeAndSave(options, wnd, strOutput, checks);
    g_RunLog.FlushOutput();
    for (const QJsonObject& error : {bootError, appError, saveError}) {
        if (!error.isEmpty()) return FailMerge(options, error, checks);
    }
    // The digest is of the image bytes, the same in every format.
    const QByteArray bytes = MergedBytes();
    if (options.bJson) {
        PrintMergeJson(options, strOutput, bytes, checks);
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
    CCliWindow wnd(options.answer);
    switch (options.command) {
        case CliCommand::Boot:
            return Inspect(options, wnd, true);
        case CliCommand::App:
            return Inspect(options, wnd, false);
        case CliCommand::Merge:
            return RunMerge(options, wnd);
        case CliCommand::Flash:
            return RunFlash(options, wnd);
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
