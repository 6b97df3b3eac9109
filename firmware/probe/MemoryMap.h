#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

// One region of the target's memory map (qXfer:memory-map:read). Flash is erased in blocks
// of nBlockSize from its start.
struct MemoryRegion {
    enum class Kind { Ram, Rom, Flash };
    Kind kind = Kind::Ram;
    std::uint64_t qwStart = 0;
    std::uint64_t qwLength = 0;
    std::uint64_t qwBlockSize = 0;  // flash only
    std::uint64_t End() const { return qwStart + qwLength; }
};

// An erase block of flash: [qwStart, qwStart + qwLength).
struct FlashBlock {
    std::uint64_t qwStart = 0;
    std::uint64_t qwLength = 0;
    std::uint64_t End() const { return qwStart + qwLength; }
};

struct MemoryMap {
    std::vector<MemoryRegion> regions;
    bool Empty() const { return regions.empty(); }
    // The flash region holding the address, or nullptr.
    const MemoryRegion* FlashAt(std::uint64_t qwAddress) const;
    // True when every byte of [qwStart, qwStart + qwLength) is flash.
    bool IsFlash(std::uint64_t qwStart, std::uint64_t qwLength) const;
    // The end of the flash that runs on without a gap from the address (the address itself
    // when it is no flash).
    std::uint64_t FlashEndFrom(std::uint64_t qwAddress) const;
    // The erase blocks that [qwStart, qwStart + qwLength) touches, in address order; only
    // meaningful when IsFlash holds.
    std::vector<FlashBlock> BlocksCovering(std::uint64_t qwStart, std::uint64_t qwLength) const;
};

// Parses the memory-map document; false with the reason for a document that is not one (a
// flash region without a block size, a number that is none, regions that overlap).
bool ParseMemoryMap(const QByteArray& xml, MemoryMap& map, QString& strError);

// "flash 0x08000000-0x0801FFFF (blocks 16 KiB)", one per region, joined with "; ".
QString DescribeMemoryMap(const MemoryMap& map);
