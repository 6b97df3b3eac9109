#include <cstring>

#include "firmware/FirmwareWindow.h"
#include "firmware/Handlers.h"
#include "firmware/ImageFile.h"
#include "firmware/InfoBlock.h"
#include "firmware/InfoReport.h"
#include "firmware/Workspace.h"

namespace {

int AcceptBootLoader(std::int32_t nLength) {
    std::memcpy(g_BootBuf, g_StageBuf, sizeof g_BootBuf);
    g_nBootSize = nLength;
    g_bBootLoaded = 1;
    return 1;
}

}  // namespace

void OnBnClickedOpenBootLoader(IFirmwareWindow& wnd) {
    QString strPath;
    if (!wnd.ChooseOpenFile(strPath)) return;
    wnd.SetControlText(IDC_BOOT_PATH, strPath);
    InspectBootLoaderFile(wnd, strPath);
}

int InspectBootLoaderFile(IFirmwareWindow& wnd, const QString& strPath) {
    std::int32_t nLength = 0;
    if (!StageImageFile(strPath, BOOT_READ_LIMIT, BOOT_FILE_LIMIT, nLength)) return 0;
    wnd.SetControlText(IDC_BOOT_INFO, QStringLiteral("文件信息\r\n"));

    const FirmwareInfoBlock block1 = FirmwareInfoBlock::Read(g_StageBuf, INFO_BLOCK1_OFFSET);
    if (!block1.HasMarker()) {
        QString strQuestion = QString::asprintf(
            "BootLoader启动文件中未找到信息块, 文件  %d Bytes\r\n 是否继续", nLength);
        return wnd.AskYesNo(strQuestion) ? AcceptBootLoader(nLength) : 0;
    }
    QString strReport = BlockOneHead("信息块位置", nLength, block1);
    int nType = AppendInfoTypeLabel(strReport, block1.wType);
    strReport += QLatin1String("\r\n");
    AppendBootViewLines(strReport, block1);
    AppendAddressLines(strReport, block1);
    wnd.SetControlText(IDC_BOOT_INFO, strReport);
    if (nType != INFO_TYPE_BOOT1 && nType != INFO_TYPE_BOOT2) {
        return wnd.AskYesNo(QStringLiteral("文件信息块中不包含 BootLoader 内容, 是否继续 "))
                   ? AcceptBootLoader(nLength)
                   : 0;
    }
    AcceptBootLoader(nLength);
    // The device lookup of block 2 happens whether or not block 2 is there.
    const FirmwareInfoBlock block2 = FirmwareInfoBlock::Read(g_StageBuf, INFO_BLOCK2_OFFSET);
    QString strPart = BlockTwoPart(block2);
    if (block2.HasMarker()) wnd.SetControlText(IDC_BOOT_INFO, strReport + strPart);
    return 1;
}
