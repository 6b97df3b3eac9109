#include <QFileInfo>

#include "firmware/checks/InfoBlock.h"
#include "firmware/workspace/EntryPoints.h"
#include "firmware/workspace/ImageFile.h"
#include "firmware/workspace/ImageFindings.h"
#include "firmware/workspace/InfoReport.h"
#include "firmware/workspace/Workspace.h"

namespace {

constexpr std::int32_t MERGED_MIN_LENGTH = INFO_BLOCK2_OFFSET + INFO_BLOCK_LENGTH;

// One App inspection: the workspace it may fill, its prompts, the title that names the merged
// output, and what it has found so far.
struct AppInspection {
    FirmwareWorkspace& ws;
    IFirmwarePrompts& prompts;
    QString strFileTitle;
    InspectionResult result;
};

// The App starts at nOffset of the staged file: 0, or 4096 in a merged image, where a file
// with addresses puts it 4096 bytes after its own start.
void AcceptApp(AppInspection& app, std::size_t nOffset, std::uint8_t byMajor,
               std::uint8_t byMinor) {
    FirmwareWorkspace& ws = app.ws;
    const std::int32_t nLength = app.result.staged.nLength - static_cast<std::int32_t>(nOffset);
    ImageSource source = app.result.staged.source;
    if (source.bHasAddress) source.dwStart += static_cast<std::uint32_t>(nOffset);
    TakeApp(ws, ws.StageBuf + nOffset, nLength, source);
    ws.byAppVerMajor = byMajor;
    ws.byAppVerMinor = byMinor;
    ws.strAppFileTitle = app.strFileTitle;
    app.result.bAccepted = true;
}

void AcceptIfYes(AppInspection& app, const QString& strQuestion) {
    if (AskAbout(app.prompts, app.result, strQuestion)) AcceptApp(app, 0, 0, 0);
}

void AskNotAnApp(AppInspection& app) {
    AcceptIfYes(app, QStringLiteral("文件 不是App文件 , 是否继续 "));
}

// A boot-loader-typed file long enough to hold block 2 may be a merged image.
void InspectPossiblyMerged(AppInspection& app) {
    const FirmwareInfoBlock block2 = FirmwareInfoBlock::Read(app.ws.StageBuf, INFO_BLOCK2_OFFSET);
    const QString strPart = BlockTwoPart(block2);
    if (!block2.HasMarker() || block2.wType != MERGED_APP_TYPE_WORD) {
        AskNotAnApp(app);
        return;
    }
    app.result.strReport += strPart;
    if (AskAbout(app.prompts, app.result,
                 QStringLiteral("文件已经是bootloader和App合成的文件 , 是否使用文件中App?"))) {
        AcceptApp(app, BOOT_REGION_SIZE, block2.byVerMajor, block2.byVerMinor);
    }
}

// The report of an App-typed or boot-loader-typed block 1, then what it means for the file.
void InspectTypedBlock(AppInspection& app, const FirmwareInfoBlock& block1, QString strReport) {
    if (block1.IsAppType()) {
        AppendAppViewLines(strReport, block1, true);
    } else {
        AppendBootViewLines(strReport, block1);
    }
    AppendAddressLines(strReport, block1);
    app.result.strReport = strReport;
    if (block1.IsAppType()) {
        AcceptApp(app, 0, block1.byVerMajor, block1.byVerMinor);
    } else if (static_cast<std::uint32_t>(app.result.staged.nLength) < MERGED_MIN_LENGTH) {
        AskNotAnApp(app);
    } else {
        InspectPossiblyMerged(app);
    }
}

}  // namespace

QString FileTitleOf(const QString& strPath) { return QFileInfo(strPath).completeBaseName(); }

InspectionResult InspectAppFile(FirmwareWorkspace& ws, IFirmwarePrompts& prompts,
                                const QString& strPath, const QString& strFileTitle,
                                std::uint8_t byFill) {
    AppInspection app{ws, prompts, strFileTitle, {}};
    app.result.staged = StageImageFile(ws, strPath, APP_FILE_LIMIT, APP_FILE_LIMIT, byFill);
    if (!app.result.Read()) return app.result;
    const std::int32_t nLength = app.result.staged.nLength;
    app.result.strReport = PanelTitle() + QLatin1String("  \r\n");

    const FirmwareInfoBlock block1 = FirmwareInfoBlock::Read(ws.StageBuf, INFO_BLOCK1_OFFSET);
    if (!block1.HasMarker()) {
        AcceptIfYes(
            app, QString::asprintf("文件中未找到信息块, 文件大小  %d Bytes\r\n 是否继续", nLength));
        return app.result;
    }
    QString strReport = BlockOneHead(QT_TRANSLATE_NOOP("CoreText", "信息块1位置"), nLength, block1);
    AppendInfoTypeLabel(strReport, block1.wType);
    strReport += QLatin1String("\r\n");
    if (!block1.IsBootLoaderType() && !block1.IsAppType()) {
        app.result.strReport = strReport;
        AskNotAnApp(app);
        return app.result;
    }
    InspectTypedBlock(app, block1, strReport);
    return app.result;
}
