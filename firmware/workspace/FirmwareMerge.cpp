#include <cstring>

#include "firmware/checks/BootRegion.h"
#include "firmware/checks/InfoBlock.h"
#include "firmware/workspace/EntryPoints.h"
#include "firmware/workspace/FirmwareOutput.h"
#include "firmware/workspace/Workspace.h"
#include "log/RunLog.h"

namespace {

// Without both images there is nothing to merge; saying which is missing beats saving a
// file that cannot work.
CoreResult CheckBothImages(const FirmwareWorkspace& ws) {
    if (ws.bBootLoaded && ws.bAppLoaded) return CoreResult();
    const char* pMissing = !ws.bBootLoaded && !ws.bAppLoaded ? "BootLoader 文件和 App 文件"
                           : !ws.bBootLoaded                 ? "BootLoader 文件"
                                                             : "App 文件";
    return CoreResult::Failed(CoreReason::NotMerged, QString::asprintf("未加载 %s", pMissing));
}

CoreResult Refused(const CoreResult& result) {
    WriteLog(QStringLiteral("合成固件 = 失败, ") + result.strWords);
    return result;
}

}  // namespace

QString ProposedFirmwareName(const FirmwareWorkspace& ws) {
    if (ws.byAppVerMajor != 0) {
        return ws.strAppFileTitle + QLatin1Char('_') +
               FormatAppVersion(ws.byAppVerMajor, ws.byAppVerMinor);
    }
    return ws.strAppFileTitle + QLatin1String("_all");
}

CoreResult MergeFirmwareImages(FirmwareWorkspace& ws, const MergeOptions& options) {
    WriteLog(QString::asprintf("Btldr File Size %d \r\nApp File Size %d \r\n", ws.nBootSize,
                               ws.nAppSize));
    if (options.byFill != 0) WriteLog(QString::asprintf("Fill Byte 0x%02X", options.byFill));
    const CoreResult both = CheckBothImages(ws);
    if (!both.Done()) return Refused(both);
    std::memcpy(ws.FirmwareBuf, ws.BootBuf, BOOT_REGION_SIZE);
    PadBootRegion(ws.FirmwareBuf, ws.nBootSize, options.byFill);
    std::memcpy(ws.FirmwareBuf + BOOT_REGION_SIZE, ws.AppBuf, static_cast<size_t>(ws.nAppSize));
    ws.nFirmwareSize = ws.nAppSize + static_cast<std::int32_t>(BOOT_REGION_SIZE);
    WriteLog(QString::asprintf("Firmware File Size %d \r\n", ws.nFirmwareSize));
    const CoreResult space = CheckAddressSpace(ws, options);
    return space.Done() ? space : Refused(space);
}
