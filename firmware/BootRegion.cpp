#include "firmware/BootRegion.h"

#include <cstring>

#include "firmware/InfoBlock.h"

void PadBootRegion(unsigned char* pRegion, std::int64_t nBootSize, std::uint8_t byFill) {
    const auto nRegion = static_cast<std::int64_t>(BOOT_REGION_SIZE);
    if (nBootSize >= nRegion) return;
    const std::int64_t nFrom = nBootSize < 0 ? 0 : nBootSize;
    std::memset(pRegion + nFrom, byFill, static_cast<std::size_t>(nRegion - nFrom));
}
