#include "firmware/FirmwareOutput.h"

#include "firmware/OutputFormat.h"
#include "firmware/Workspace.h"
#include "log/RunLog.h"

QByteArray FirmwareFileBytes() {
    switch (g_nFirmwareFormat) {
        case FORMAT_HEX:
            return IntelHexOf(g_FirmwareBuf, g_nFirmwareSize, g_dwLoadAddress, g_nRecordBytes);
        case FORMAT_SREC:
            return SRecordOf(g_FirmwareBuf, g_nFirmwareSize, g_dwLoadAddress, g_nRecordBytes);
        default:
            return QByteArray::fromRawData(reinterpret_cast<const char*>(g_FirmwareBuf),
                                           g_nFirmwareSize);
    }
}

bool ReportAddressOverflow() {
    if (g_nFirmwareFormat == FORMAT_BIN || FitsAddressSpace(g_dwLoadAddress, g_nFirmwareSize)) {
        return false;
    }
    WriteLog(QString::asprintf("合成固件 = 失败, 起始地址 0x%08X 加 %d Bytes 超出 32 位地址",
                               g_dwLoadAddress, g_nFirmwareSize));
    return true;
}
