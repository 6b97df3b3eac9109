#include "cli/CliProbe.h"

#include <QFileInfo>
#include <QJsonArray>

#include "cli/CliJson.h"
#include "cli/CliProgress.h"
#include "cli/DigestLine.h"
#include "cli/StderrPane.h"
#include "firmware/checks/FirmwareDiff.h"
#include "firmware/checks/FirmwareVerify.h"
#include "firmware/formats/ImageChunks.h"
#include "firmware/probe/FlashImage.h"
#include "firmware/probe/FlashModule.h"
#include "firmware/probe/ModuleRead.h"
#include "firmware/workspace/Digest.h"
#include "firmware/workspace/EntryPoints.h"
#include "firmware/workspace/Prompts.h"
#include "firmware/workspace/Workspace.h"
#include "log/RunLog.h"

namespace {

// The core's error document with the step, the address as text and the server's words.
QJsonObject ProbeErrorJson(const QString& strSubject, const ProbeResult& result) {
    QJsonObject error = ResultErrorJson(strSubject, result);
    error[QStringLiteral("step")] = result.strStep;
    if (result.bHasAddress) error[QStringLiteral("address")] = AddressText(result.dwAddress);
    if (!result.strServer.isEmpty()) error[QStringLiteral("server")] = result.strServer;
    return error;
}

// The subject of a failure: the file that could not be read, else the server.
int Fail(const CliOptions& options, const ProbeResult& result, const QString& strSubject = {}) {
    g_RunLog.FlushOutput();
    if (options.bJson) {
        PrintJson(QJsonObject{
            {QStringLiteral("error"),
             ProbeErrorJson(strSubject.isEmpty() ? options.strGdb : strSubject, result)}});
    }
    return 1;
}

QJsonObject BlockJson(const QByteArray& bytes, const FirmwareInfoBlock& b) {
    return QJsonObject{{QStringLiteral("bytes"), QString::fromLatin1(bytes.toHex())},
                       {QStringLiteral("marker"), b.HasMarker()},
                       {QStringLiteral("type"), QString::asprintf("0x%04X", b.wType)}};
}

QJsonObject ModuleJson(const ModuleInfo& module) {
    return QJsonObject{{QStringLiteral("block1"), BlockJson(module.block1, module.b1)},
                       {QStringLiteral("block2"), BlockJson(module.block2, module.b2)},
                       {QStringLiteral("report"), ModuleReport(module)}};
}

// flash BOOT APP: the merge of both programs, with its checks and question, in memory.
bool MergeForFlash(const CliOptions& options, FirmwareWorkspace& ws, IFirmwarePrompts& prompts,
                   QByteArray& image) {
    const bool bBoot =
        InspectBootLoaderFile(ws, prompts, QFileInfo(options.files[0]).absoluteFilePath(),
                              options.merge.byFill)
            .bAccepted;
    const bool bApp = InspectAppFile(ws, prompts, QFileInfo(options.files[1]).absoluteFilePath(),
                                     FileTitleOf(options.files[1]), options.merge.byFill)
                          .bAccepted;
    if (!bBoot || !bApp || !MergeFirmware(ws, prompts, options.merge).Done()) {
        return false;
    }
    image = QByteArray(reinterpret_cast<const char*>(ws.FirmwareBuf), ws.nFirmwareSize);
    return true;
}

void PrintFlashJson(const CliOptions& options, const QByteArray& image, const FlashReport& report) {
    QJsonObject document{
        {QStringLiteral("ok"), report.result.Done()},
        {QStringLiteral("gdb"), options.strGdb},
        {QStringLiteral("image"), OutputJson(options.files.join(QLatin1Char('+')), image)},
        {QStringLiteral("written"), static_cast<double>(report.nWritten)},
        {QStringLiteral("writeSeconds"), report.dWriteSeconds},
        {QStringLiteral("verifySeconds"), report.dVerifySeconds},
        {QStringLiteral("verify"), report.strVerifyHow},
        {QStringLiteral("marker"), report.bMarkerWritten},
        {QStringLiteral("reset"), report.strReset},
        {QStringLiteral("backup"), report.strBackupPath},
    };
    if (report.bModuleRead) document[QStringLiteral("module")] = ModuleJson(report.module);
    if (!report.result.Done())
        document[QStringLiteral("error")] = ProbeErrorJson(options.strGdb, report.result);
    PrintJson(document);
}

}  // namespace

int RunFlash(const CliOptions& options, FirmwareWorkspace& ws, IFirmwarePrompts& prompts) {
    QByteArray image;
    const bool bMerged = options.files.size() == 2;
    if (bMerged && !MergeForFlash(options, ws, prompts, image)) {
        return Fail(options, ProbeResult::Failed(CoreReason::NotMerged, QStringLiteral("合成"),
                                                 QStringLiteral("固件未合成")));
    }
    if (!bMerged) {
        const CoreResult read = ReadFlashImage(options.files[0], options.merge.byFill, image);
        if (!read.Done()) {
            return Fail(options, ProbeResult::Of(read, QStringLiteral("打开")), options.files[0]);
        }
    }
    FlashOptions flash;
    flash.strServer = options.strServer;
    flash.bReset = options.bReset;
    flash.bBackup = options.bBackup;
    flash.strBackupFolder = DayLogFolder();
    flash.bImageChecked = bMerged;  // the merge has run the layout checks and asked
    FlashReport report;
    {
        CStderrProgress progress;
        report = FlashModule(options.strGdb, image, flash, prompts, progress);
    }
    g_RunLog.FlushOutput();
    if (options.bJson) PrintFlashJson(options, image, report);
    return report.result.Done() ? 0 : 1;
}

int RunModule(const CliOptions& options) {
    CGdbTarget target;
    ProbeResult result = ConnectModule(target, options.strGdb, options.strServer);
    ModuleInfo module;
    CNoProgress progress;
    if (result.Done()) result = ReadModuleInfo(target, module, progress);
    if (result.Done()) {
        WriteLog(QStringLiteral("读取模块 = 成功, ") + ModuleSummary(module));
        target.Detach();
    } else {
        WriteLog(QStringLiteral("读取模块 = 失败, ") + result.Text());
    }
    if (!result.Done()) return Fail(options, result);
    g_RunLog.FlushOutput();
    if (options.bJson) {
        QJsonObject document = ModuleJson(module);
        document[QStringLiteral("target")] = TargetDescription(target);
        PrintJson(document);
    } else {
        PrintLines(stdout,
                   TargetDescription(target) + QStringLiteral("\r\n") + ModuleReport(module));
    }
    return 0;
}

int RunRead(const CliOptions& options) {
    CGdbTarget target;
    ProbeResult result = ConnectModule(target, options.strGdb, options.strServer);
    QByteArray bytes;
    if (result.Done()) {
        CStderrProgress progress;
        result = target.Read(APP_ADDRESS_BASE, ModuleReadSize(target, options.dwSize), bytes,
                             progress, QStringLiteral("读取"));
    }
    if (result.Done()) result = target.Detach();
    const QString strPath = QFileInfo(options.strOutput).absoluteFilePath();
    if (result.Done()) result = SaveModuleImage(strPath, bytes, options.merge.nFormat);
    if (!result.Done()) {
        WriteLog(QStringLiteral("读取模块 = 失败, ") + result.Text());
        return Fail(options, result);
    }
    g_RunLog.FlushOutput();
    if (options.bJson) {
        PrintJson(QJsonObject{{QStringLiteral("output"), OutputJson(strPath, bytes)}});
    } else {
        PrintLines(stdout, DigestLine(strPath, bytes) + QLatin1Char('\n'));
    }
    return 0;
}

int CompareWithModule(const CliOptions& options, const QByteArray& image, QJsonObject* pJson) {
    CGdbTarget target;
    ProbeResult result = target.Connect(options.strGdb, options.strServer);
    QByteArray module;
    CNoProgress progress;
    if (result.Done()) {
        result = target.Read(APP_ADDRESS_BASE, static_cast<std::uint32_t>(image.size()), module,
                             progress, QStringLiteral("读取"));
    }
    if (result.Done()) target.Detach();
    if (!result.Done()) {
        PrintLines(stderr, QStringLiteral("quorrix-cli: ") + result.Text() + QLatin1Char('\n'));
        if (pJson)
            *pJson = QJsonObject{{QStringLiteral("error"), ProbeErrorJson(options.strGdb, result)}};
        return 1;
    }
    const FirmwareDiff diff = DiffFirmwareImages(image, module);
    if (pJson) {
        *pJson = QJsonObject{
            {QStringLiteral("identical"), diff.bIdentical},
            {QStringLiteral("firstDifference"), static_cast<double>(diff.nFirstDifference)},
            {QStringLiteral("differingBytes"), static_cast<double>(diff.nDifferingBytes)}};
    } else {
        PrintLines(stdout, QStringLiteral("module %1:\n").arg(options.strGdb) +
                               diff.lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    }
    return diff.bIdentical ? 0 : 3;
}
