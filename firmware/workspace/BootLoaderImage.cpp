#include "firmware/checks/InfoBlock.h"
#include "firmware/workspace/EntryPoints.h"
#include "firmware/workspace/ImageFile.h"
#include "firmware/workspace/ImageFindings.h"
#include "firmware/workspace/InfoReport.h"
#include "firmware/workspace/Workspace.h"

namespace {

void AcceptBootLoader(FirmwareWorkspace& ws, InspectionResult& result) {
    TakeBootLoader(ws, ws.StageBuf, sizeof ws.StageBuf, result.staged.nLength,
                   result.staged.source);
    result.bAccepted = true;
}

void AcceptIfYes(FirmwareWorkspace& ws, IFirmwarePrompts& prompts, InspectionResult& result,
                 const QString& strQuestion) {
    if (AskAbout(prompts, result, strQuestion)) AcceptBootLoader(ws, result);
}

}  // namespace

InspectionResult InspectBootLoaderFile(FirmwareWorkspace& ws, IFirmwarePrompts& prompts,
                                       const QString& strPath, std::uint8_t byFill) {
    InspectionResult result;
    result.staged =
        StageImageFile(ws, strPath, BOOT_READ_LIMIT, BOOT_FILE_LIMIT, byFill, BOOT_SCAN_LIMIT);
    if (!result.Read()) return result;
    const std::int32_t nLength = result.staged.nLength;
    result.strReport = PanelTitle() + QLatin1String("\r\n");

    const FirmwareInfoBlock block1 = FirmwareInfoBlock::Read(ws.StageBuf, INFO_BLOCK1_OFFSET);
    if (!block1.HasMarker()) {
        AcceptIfYes(ws, prompts, result,
                    QString::asprintf(
                        "BootLoader启动文件中未找到信息块, 文件  %d Bytes\r\n 是否继续", nLength));
        return result;
    }
    QString strReport = BlockOneHead(QT_TRANSLATE_NOOP("CoreText", "信息块位置"), nLength, block1);
    int nType = AppendInfoTypeLabel(strReport, block1.wType);
    strReport += QLatin1String("\r\n");
    AppendBootViewLines(strReport, block1);
    AppendAddressLines(strReport, block1);
    result.strReport = strReport;
    if (nType != INFO_TYPE_BOOT1 && nType != INFO_TYPE_BOOT2) {
        AcceptIfYes(ws, prompts, result,
                    QStringLiteral("文件信息块中不包含 BootLoader 内容, 是否继续 "));
        return result;
    }
    AcceptBootLoader(ws, result);
    // The device lookup of block 2 happens whether or not block 2 is there.
    const FirmwareInfoBlock block2 = FirmwareInfoBlock::Read(ws.StageBuf, INFO_BLOCK2_OFFSET);
    const QString strPart = BlockTwoPart(block2);
    if (block2.HasMarker()) result.strReport = strReport + strPart;
    return result;
}
