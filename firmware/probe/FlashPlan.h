#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

#include "firmware/probe/MemoryMap.h"

// A range of addresses [qwStart, qwEnd).
struct AddressRange {
    std::uint64_t qwStart = 0;
    std::uint64_t qwEnd = 0;
    std::uint64_t Length() const { return qwEnd - qwStart; }
};

// What a flash of an image will touch. With a memory map, the erase blocks the image covers
// make the span: the bytes of those blocks outside the image are written back. Without one
// (memory that takes M without an erase) the span is the image itself.
struct FlashPlan {
    AddressRange image;
    AddressRange span;
    bool bErase = false;
    std::vector<FlashBlock> blocks;
    // The aligned 32 bytes of the App's info-block marker, written in a step of their own after
    // everything else is verified; bMarker false when the image holds no App block.
    bool bMarker = false;
    AddressRange marker;
    // The span without the marker, in address order: what the first write and verify cover.
    std::vector<AddressRange> pieces;
};

inline constexpr std::uint32_t MARKER_LENGTH = 32;

// Plans the flash of image at dwBase. False with the reason when the image does not lie in
// the map's flash (a map that is empty counts as none).
bool PlanFlash(const MemoryMap& map, std::uint32_t dwBase, const QByteArray& image, FlashPlan& plan,
               QString& strError);

// The bytes of range r of the span: the image where it covers them, the module's old bytes
// (spanOld, the span as read before the erase, or the parts of it outside the image) elsewhere.
QByteArray SpanBytes(const FlashPlan& plan, const QByteArray& image, const QByteArray& spanOld,
                     const AddressRange& r);
