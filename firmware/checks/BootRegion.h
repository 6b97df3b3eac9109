#pragma once

#include <QByteArray>
#include <cstdint>

// Pads the 4096-byte boot region of a merged image past the boot loader's nBootSize bytes
// with byFill; a boot loader of 4096 bytes or more leaves it as it is (it was cut).
void PadBootRegion(unsigned char* pRegion, std::int64_t nBootSize, std::uint8_t byFill);

// The boot region a merge builds from a boot loader: its first 4096 bytes, padded with byFill.
QByteArray BootRegionOf(const QByteArray& boot, std::uint8_t byFill);
