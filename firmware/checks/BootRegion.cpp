#include "firmware/checks/BootRegion.h"

#include <algorithm>
#include <cstring>

#include "firmware/checks/InfoBlock.h"

void PadBootRegion(unsigned char* pRegion, std::int64_t nBootSize, std::uint8_t byFill) {
    const auto nRegion = static_cast<std::int64_t>(BOOT_REGION_SIZE);
    if (nBootSize >= nRegion) return;
    const std::int64_t nFrom = nBootSize < 0 ? 0 : nBootSize;
    std::memset(pRegion + nFrom, byFill, static_cast<std::size_t>(nRegion - nFrom));
}

QByteArray BootRegionOf(const QByteArray& boot, std::uint8_t byFill) {
    const auto nRegion = static_cast<qsizetype>(BOOT_REGION_SIZE);
    QByteArray region(nRegion, '\0');
    const qsizetype nBoot = std::min(boot.size(), nRegion);
    std::memcpy(region.data(), boot.constData(), static_cast<std::size_t>(nBoot));
    PadBootRegion(reinterpret_cast<unsigned char*>(region.data()), nBoot, byFill);
    return region;
}
