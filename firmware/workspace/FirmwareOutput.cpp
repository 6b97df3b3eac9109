#include "firmware/workspace/FirmwareOutput.h"

#include "firmware/formats/RecordWriters.h"
#include "firmware/workspace/Workspace.h"
#include "log/RunLog.h"

std::uint32_t LoadAddressOf(const FirmwareWorkspace& ws, const MergeOptions& options) {
    if (options.bBaseGiven) return options.dwBase;
    return ws.bootSource.bHasAddress ? ws.bootSource.dwStart : APP_ADDRESS_BASE;
}

namespace {

// The boot loader's entry address, when its file named one and the image is written at the
// boot loader's own addresses: moved by --base, it would point where nothing of it lies.
std::optional<std::uint32_t> EntryAddressOf(const FirmwareWorkspace& ws,
                                            const MergeOptions& options) {
    const ImageSource& boot = ws.bootSource;
    if (!boot.bHasAddress || LoadAddressOf(ws, options) != boot.dwStart) return std::nullopt;
    return boot.entry;
}

}  // namespace

QByteArray FirmwareFileBytes(const FirmwareWorkspace& ws, const MergeOptions& options) {
    const unsigned char* pImage = ws.FirmwareBuf;
    const std::int32_t nSize = ws.nFirmwareSize;
    switch (options.nFormat) {
        case FORMAT_HEX:
            return IntelHexOf(pImage, nSize, LoadAddressOf(ws, options), options.nRecordBytes,
                              EntryAddressOf(ws, options));
        case FORMAT_SREC:
            return SRecordOf(pImage, nSize, LoadAddressOf(ws, options), options.nRecordBytes,
                             EntryAddressOf(ws, options));
        default:
            return QByteArray::fromRawData(reinterpret_cast<const char*>(pImage), nSize);
    }
}

CoreResult CheckAddressSpace(const FirmwareWorkspace& ws, const MergeOptions& options) {
    const std::uint32_t dwBase = LoadAddressOf(ws, options);
    if (options.nFormat == FORMAT_BIN || FitsAddressSpace(dwBase, ws.nFirmwareSize)) {
        return CoreResult();
    }
    CoreResult result = CoreResult::Failed(
        CoreReason::AddressOverflow,
        QString::asprintf("起始地址 0x%08X 加 %d Bytes 超出 32 位地址", dwBase, ws.nFirmwareSize));
    result.bHasAddress = true;
    result.dwAddress = dwBase;
    return result;
}
