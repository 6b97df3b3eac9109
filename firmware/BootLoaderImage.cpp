
#include "firmware/FirmwareWindow.h"
#include "firmware/Handlers.h"
#include "firmware/ImageFile.h"
#include "firmware/InfoBlock.h"
#include "firmware/InfoReport.h"
#include "firmware/Workspace.h"

namespace {

int AcceptBootLoader(const StagedImage& staged) {
    TakeBootLoader(g_Workspace, g_Workspace.StageBuf, sizeof g_Workspace.StageBuf, staged.nLength,
                   staged.source);
    return 1;
}

}  // namespace

int InspectBootLoaderFile(IFirmwareWindow& wnd, const QString& strPath, StagedImage* pStaged,
                          std::uint8_t byFill) {
    const StagedImage staged =
        StageImageFile(strPath, BOOT_READ_LIMIT, BOOT_FILE_LIMIT, byFill, BOOT_SCAN_LIMIT);
    if (pStaged) *pStaged = staged;
    if (!staged.Ok()) return 0;
    const std::int32_t nLength = staged.nLength;
    wnd.SetControlText(IDC_BOOT_INFO, PanelTitle() + QLatin1String("\r\n"));

    const FirmwareInfoBlock block1 =
        FirmwareInfoBlock::Read(g_Workspace.StageBuf, INFO_BLOCK1_OFFSET);
    if (!block1.HasMarker()) {
        QString strQuestion = QString::asprintf(
            "BootLoader启动文件中未找到信息块, 文件  %d Bytes\r\n 是否继续", nLength);
        return wnd.AskYesNo(strQuestion) ? AcceptBootLoader(staged) : 0;
    }
    QString strReport = BlockOneHead(QT_TRANSLATE_NOOP("CoreText", "信息块位置"), nLength, block1);
    int nType = AppendInfoTypeLabel(strReport, block1.wType);
    strReport += QLatin1String("\r\n");
    AppendBootViewLines(strReport, block1);
    AppendAddressLines(strReport, block1);
    wnd.SetControlText(IDC_BOOT_INFO, strReport);
    if (nType != INFO_TYPE_BOOT1 && nType != INFO_TYPE_BOOT2) {
        return wnd.AskYesNo(QStringLiteral("文件信息块中不包含 BootLoader 内容, 是否继续 "))
                   ? AcceptBootLoader(staged)
                   : 0;
    }
    AcceptBootLoader(staged);
    // The device lookup of block 2 happens whether or not block 2 is there.
    const FirmwareInfoBlock block2 =
        FirmwareInfoBlock::Read(g_Workspace.StageBuf, INFO_BLOCK2_OFFSET);
    QString strPart = BlockTwoPart(block2);
    if (block2.HasMarker()) wnd.SetControlText(IDC_BOOT_INFO, strReport + strPart);
    return 1;
}
