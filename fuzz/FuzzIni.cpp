// The catalogue loader over arbitrary bytes, then a lookup of the first two bytes.
#include <cstddef>
#include <cstdint>

#include "config/DeviceCatalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    g_DeviceList.LoadFromBytes(
        QByteArrayView(reinterpret_cast<const char*>(pData), static_cast<qsizetype>(nSize)));
    if (nSize >= 2) GetDeviceName(static_cast<std::uint16_t>((pData[0] << 8) | pData[1]));
    return 0;
}
