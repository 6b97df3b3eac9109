#include <QFileInfo>

#include "firmware/FirmwareWindow.h"
#include "firmware/Handlers.h"
#include "firmware/ImageFile.h"
#include "firmware/InfoBlock.h"
#include "firmware/InfoReport.h"
#include "firmware/Workspace.h"

namespace {

constexpr std::int32_t MERGED_MIN_LENGTH = INFO_BLOCK2_OFFSET + INFO_BLOCK_LENGTH;

// The title names the merged output; the source says where the bytes came from.
struct AppCandidate {
    const StagedImage& staged;
    QString strFileTitle;
};

// The App starts at nOffset of the staged file: 0, or 4096 in a merged image, where a file
// with addresses puts it 4096 bytes after its own start.
int AcceptApp(const AppCandidate& app, std::size_t nOffset, std::uint8_t byMajor,
              std::uint8_t byMinor) {
    const std::int32_t nLength = app.staged.nLength - static_cast<std::int32_t>(nOffset);
    ImageSource source = app.staged.source;
    if (source.bHasAddress) source.dwStart += static_cast<std::uint32_t>(nOffset);
    TakeApp(g_Workspace, g_Workspace.StageBuf + nOffset, nLength, source);
    g_Workspace.byAppVerMajor = byMajor;
    g_Workspace.byAppVerMinor = byMinor;
    g_Workspace.strAppFileTitle = app.strFileTitle;
    return 1;
}

int AskNotAnApp(IFirmwareWindow& wnd, const AppCandidate& app) {
    if (!wnd.AskYesNo(QStringLiteral("文件 不是App文件 , 是否继续 "))) return 0;
    return AcceptApp(app, 0, 0, 0);
}

// A boot-loader-typed file long enough to hold block 2 may be a merged image.
int InspectPossiblyMerged(IFirmwareWindow& wnd, const QString& strReport, const AppCandidate& app) {
    const FirmwareInfoBlock block2 =
        FirmwareInfoBlock::Read(g_Workspace.StageBuf, INFO_BLOCK2_OFFSET);
    QString strPart = BlockTwoPart(block2);
    if (!block2.HasMarker() || block2.wType != MERGED_APP_TYPE_WORD) {
        return AskNotAnApp(wnd, app);
    }
    wnd.SetControlText(IDC_APP_INFO, strReport + strPart);
    if (!wnd.AskYesNo(QStringLiteral("文件已经是bootloader和App合成的文件 , 是否使用文件中App?"))) {
        return 0;
    }
    return AcceptApp(app, BOOT_REGION_SIZE, block2.byVerMajor, block2.byVerMinor);
}

}  // namespace

QString FileTitleOf(const QString& strPath) { return QFileInfo(strPath).completeBaseName(); }

int InspectAppFile(IFirmwareWindow& wnd, const QString& strPath, const QString& strFileTitle,
                   StagedImage* pStaged, std::uint8_t byFill) {
    const StagedImage staged = StageImageFile(strPath, APP_FILE_LIMIT, APP_FILE_LIMIT, byFill);
    if (pStaged) *pStaged = staged;
    if (!staged.Ok()) return 0;
    const AppCandidate app{staged, strFileTitle};
    const std::int32_t nLength = staged.nLength;
    wnd.SetControlText(IDC_APP_INFO, PanelTitle() + QLatin1String("  \r\n"));

    const FirmwareInfoBlock block1 =
        FirmwareInfoBlock::Read(g_Workspace.StageBuf, INFO_BLOCK1_OFFSET);
    if (!block1.HasMarker()) {
        QString strQuestion =
            QString::asprintf("文件中未找到信息块, 文件大小  %d Bytes\r\n 是否继续", nLength);
        return wnd.AskYesNo(strQuestion) ? AcceptApp(app, 0, 0, 0) : 0;
    }
    QString strReport = BlockOneHead(QT_TRANSLATE_NOOP("CoreText", "信息块1位置"), nLength, block1);
    AppendInfoTypeLabel(strReport, block1.wType);
    strReport += QLatin1String("\r\n");
    if (!block1.IsBootLoaderType() && !block1.IsAppType()) {
        wnd.SetControlText(IDC_APP_INFO, strReport);
        return AskNotAnApp(wnd, app);
    }
    if (block1.IsAppType()) {
        AppendAppViewLines(strReport, block1, true);
    } else {
        AppendBootViewLines(strReport, block1);
    }
    AppendAddressLines(strReport, block1);
    wnd.SetControlText(IDC_APP_INFO, strReport);
    if (block1.IsAppType()) {
        return AcceptApp(app, 0, block1.byVerMajor, block1.byVerMinor);
    }
    if (static_cast<std::uint32_t>(nLength) < MERGED_MIN_LENGTH) {
        return AskNotAnApp(wnd, app);
    }
    return InspectPossiblyMerged(wnd, strReport, app);
}
