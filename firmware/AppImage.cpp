#include <QFileInfo>
#include <cstring>

#include "firmware/FirmwareWindow.h"
#include "firmware/Handlers.h"
#include "firmware/ImageFile.h"
#include "firmware/InfoBlock.h"
#include "firmware/InfoReport.h"
#include "firmware/Workspace.h"

namespace {

constexpr std::int32_t MERGED_MIN_LENGTH = INFO_BLOCK2_OFFSET + INFO_BLOCK_LENGTH;

int AcceptApp(std::int32_t nLength, std::uint8_t byMajor, std::uint8_t byMinor,
              const QString& strFileTitle) {
    std::memcpy(g_AppBuf, g_StageBuf, sizeof g_AppBuf);
    g_byAppVerMajor = byMajor;
    g_byAppVerMinor = byMinor;
    g_bAppLoaded = 1;
    g_nAppSize = nLength;
    g_strAppFileTitle = strFileTitle;
    return 1;
}

int AskNotAnApp(IFirmwareWindow& wnd, std::int32_t nLength, const QString& strFileTitle) {
    if (!wnd.AskYesNo(QStringLiteral("文件 不是App文件 , 是否继续 "))) return 0;
    return AcceptApp(nLength, 0, 0, strFileTitle);
}

// A boot-loader-typed file long enough to hold block 2 may be a merged image.
int InspectPossiblyMerged(IFirmwareWindow& wnd, const QString& strReport, std::int32_t nLength,
                          const QString& strFileTitle) {
    const FirmwareInfoBlock block2 = FirmwareInfoBlock::Read(g_StageBuf, INFO_BLOCK2_OFFSET);
    QString strPart = BlockTwoPart(block2);
    if (!block2.HasMarker() || block2.wType != MERGED_APP_TYPE_WORD) {
        return AskNotAnApp(wnd, nLength, strFileTitle);
    }
    wnd.SetControlText(IDC_APP_INFO, strReport + strPart);
    if (!wnd.AskYesNo(QStringLiteral("文件已经是bootloader和App合成的文件 , 是否使用文件中App?"))) {
        return 0;
    }
    const std::int32_t nAppLength = nLength - static_cast<std::int32_t>(BOOT_REGION_SIZE);
    std::memmove(g_StageBuf, g_StageBuf + BOOT_REGION_SIZE, static_cast<size_t>(nAppLength));
    return AcceptApp(nAppLength, block2.byVerMajor, block2.byVerMinor, strFileTitle);
}

}  // namespace

QString FileTitleOf(const QString& strPath) { return QFileInfo(strPath).completeBaseName(); }

void OnBnClickedOpenApp(IFirmwareWindow& wnd) {
    QString strPath;
    if (!wnd.ChooseOpenFile(strPath)) return;
    const QString strTitle = FileTitleOf(strPath);
    wnd.SetControlText(IDC_APP_PATH, strPath);
    InspectAppFile(wnd, strPath, strTitle);
}

int InspectAppFile(IFirmwareWindow& wnd, const QString& strPath, const QString& strFileTitle) {
    std::int32_t nLength = 0;
    if (!StageImageFile(strPath, APP_FILE_LIMIT, APP_FILE_LIMIT, nLength)) return 0;
    wnd.SetControlText(IDC_APP_INFO, QStringLiteral("文件信息  \r\n"));

    const FirmwareInfoBlock block1 = FirmwareInfoBlock::Read(g_StageBuf, INFO_BLOCK1_OFFSET);
    if (!block1.HasMarker()) {
        QString strQuestion =
            QString::asprintf("文件中未找到信息块, 文件大小  %d Bytes\r\n 是否继续", nLength);
        return wnd.AskYesNo(strQuestion) ? AcceptApp(nLength, 0, 0, strFileTitle) : 0;
    }
    QString strReport = BlockOneHead("信息块1位置", nLength, block1);
    AppendInfoTypeLabel(strReport, block1.wType);
    strReport += QLatin1String("\r\n");
    if (!block1.IsBootLoaderType() && !block1.IsAppType()) {
        wnd.SetControlText(IDC_APP_INFO, strReport);
        return AskNotAnApp(wnd, nLength, strFileTitle);
    }
    if (block1.IsAppType()) {
        AppendAppViewLines(strReport, block1, true);
    } else {
        AppendBootViewLines(strReport, block1);
    }
    AppendAddressLines(strReport, block1);
    wnd.SetControlText(IDC_APP_INFO, strReport);
    if (block1.IsAppType()) {
        return AcceptApp(nLength, block1.byVerMajor, block1.byVerMinor, strFileTitle);
    }
    if (static_cast<std::uint32_t>(nLength) < MERGED_MIN_LENGTH) {
        return AskNotAnApp(wnd, nLength, strFileTitle);
    }
    return InspectPossiblyMerged(wnd, strReport, nLength, strFileTitle);
}
