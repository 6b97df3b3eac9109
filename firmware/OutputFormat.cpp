#include "firmware/OutputFormat.h"

QString FormatExtension(int nFormat) {
    switch (nFormat) {
        case FORMAT_HEX:
            return QStringLiteral("hex");
        case FORMAT_SREC:
            return QStringLiteral("srec");
        default:
            return QStringLiteral("bin");
    }
}

bool FitsAddressSpace(std::uint32_t dwBase, std::int64_t nLength) {
    return nLength >= 0 && static_cast<std::int64_t>(dwBase) + nLength <= 0x100000000LL;
}
