#include <cstring>

#include "firmware/BootRegion.h"
#include "firmware/FirmwareOutput.h"
#include "firmware/FirmwareWindow.h"
#include "firmware/Handlers.h"
#include "firmware/InfoBlock.h"
#include "firmware/Workspace.h"
#include "log/RunLog.h"

namespace {

// Without both images there is nothing to merge; saying which is missing beats saving a
// file that cannot work.
bool ReportMissingImages() {
    if (g_Workspace.bBootLoaded && g_Workspace.bAppLoaded) return false;
    const char* pMissing = !g_Workspace.bBootLoaded && !g_Workspace.bAppLoaded
                               ? "BootLoader 文件和 App 文件"
                           : !g_Workspace.bBootLoaded ? "BootLoader 文件"
                                                      : "App 文件";
    WriteLog(QString::asprintf("合成固件 = 失败, 未加载 %s", pMissing));
    return true;
}

}  // namespace

QString ProposedFirmwareName() {
    if (g_Workspace.byAppVerMajor != 0) {
        return g_Workspace.strAppFileTitle + QLatin1Char('_') +
               FormatAppVersion(g_Workspace.byAppVerMajor, g_Workspace.byAppVerMinor);
    }
    return g_Workspace.strAppFileTitle + QLatin1String("_all");
}

MergeResult MergeFirmwareImages(const MergeOptions& options) {
    FirmwareWorkspace& ws = g_Workspace;
    WriteLog(QString::asprintf("Btldr File Size %d \r\nApp File Size %d \r\n", ws.nBootSize,
                               ws.nAppSize));
    if (options.byFill != 0) WriteLog(QString::asprintf("Fill Byte 0x%02X", options.byFill));
    if (ReportMissingImages()) return MergeResult::MissingImages;
    std::memcpy(ws.FirmwareBuf, ws.BootBuf, BOOT_REGION_SIZE);
    PadBootRegion(ws.FirmwareBuf, ws.nBootSize, options.byFill);
    std::memcpy(ws.FirmwareBuf + BOOT_REGION_SIZE, ws.AppBuf, static_cast<size_t>(ws.nAppSize));
    ws.nFirmwareSize = ws.nAppSize + static_cast<std::int32_t>(BOOT_REGION_SIZE);
    WriteLog(QString::asprintf("Firmware File Size %d \r\n", ws.nFirmwareSize));
    if (ReportAddressOverflow(options)) return MergeResult::AddressOverflow;
    return MergeResult::Built;
}
