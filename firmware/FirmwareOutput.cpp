#include "firmware/FirmwareOutput.h"

#include "firmware/Workspace.h"
#include "firmware/formats/RecordWriters.h"
#include "log/RunLog.h"

std::uint32_t LoadAddressOf(const MergeOptions& options) {
    if (options.bBaseGiven) return options.dwBase;
    return g_Workspace.bootSource.bHasAddress ? g_Workspace.bootSource.dwStart : APP_ADDRESS_BASE;
}

namespace {

// The boot loader's entry address, when its file named one and the image is written at the
// boot loader's own addresses: moved by --base, it would point where nothing of it lies.
std::optional<std::uint32_t> EntryAddressOf(const MergeOptions& options) {
    const ImageSource& boot = g_Workspace.bootSource;
    if (!boot.bHasAddress || LoadAddressOf(options) != boot.dwStart) return std::nullopt;
    return boot.entry;
}

}  // namespace

QByteArray FirmwareFileBytes(const MergeOptions& options) {
    const unsigned char* pImage = g_Workspace.FirmwareBuf;
    const std::int32_t nSize = g_Workspace.nFirmwareSize;
    switch (options.nFormat) {
        case FORMAT_HEX:
            return IntelHexOf(pImage, nSize, LoadAddressOf(options), options.nRecordBytes,
                              EntryAddressOf(options));
        case FORMAT_SREC:
            return SRecordOf(pImage, nSize, LoadAddressOf(options), options.nRecordBytes,
                             EntryAddressOf(options));
        default:
            return QByteArray::fromRawData(reinterpret_cast<const char*>(pImage), nSize);
    }
}

bool ReportAddressOverflow(const MergeOptions& options) {
    const std::uint32_t dwBase = LoadAddressOf(options);
    if (options.nFormat == FORMAT_BIN || FitsAddressSpace(dwBase, g_Workspace.nFirmwareSize)) {
        return false;
    }
    WriteLog(QString::asprintf("合成固件 = 失败, 起始地址 0x%08X 加 %d Bytes 超出 32 位地址",
                               dwBase, g_Workspace.nFirmwareSize));
    return true;
}
