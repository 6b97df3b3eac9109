#include "firmware/probe/FlashPlan.h"

#include "firmware/checks/InfoBlock.h"
#include "firmware/formats/ImageChunks.h"

namespace {

bool HasAppMarker(const QByteArray& image) {
    return image.size() >= static_cast<qsizetype>(INFO_BLOCK2_OFFSET + INFO_BLOCK_LENGTH) &&
           FirmwareInfoBlock::Read(reinterpret_cast<const unsigned char*>(image.constData()),
                                   INFO_BLOCK2_OFFSET)
               .HasMarker();
}

}  // namespace

bool PlanFlash(const MemoryMap& map, std::uint32_t dwBase, const QByteArray& image, FlashPlan& plan,
               QString& strError) {
    plan = FlashPlan();
    plan.image = {dwBase, dwBase + static_cast<std::uint64_t>(image.size())};
    if (image.isEmpty() || plan.image.qwEnd > 0x100000000ull) {
        strError = QStringLiteral("映像为空或超出 32 位地址");
        return false;
    }
    plan.span = plan.image;
    if (!map.Empty()) {
        if (!map.IsFlash(plan.image.qwStart, plan.image.Length())) {
            strError = QStringLiteral("%1 - %2 不全在内存映射的 flash 中")
                           .arg(AddressText(plan.image.qwStart), AddressText(plan.image.qwEnd - 1));
            return false;
        }
        plan.bErase = true;
        plan.blocks = map.BlocksCovering(plan.image.qwStart, plan.image.Length());
        plan.span = {plan.blocks.front().qwStart, plan.blocks.back().End()};
    }
    // Aligned down to 32 bytes; the block itself is 32 bytes at an aligned offset, so this is it.
    const std::uint64_t qwMarker =
        (dwBase + INFO_BLOCK2_OFFSET) & ~std::uint64_t(MARKER_LENGTH - 1);
    plan.bMarker = HasAppMarker(image);
    plan.marker = {qwMarker, qwMarker + MARKER_LENGTH};
    if (!plan.bMarker) {
        plan.pieces = {plan.span};
        return true;
    }
    if (plan.span.qwStart < plan.marker.qwStart) {
        plan.pieces.push_back({plan.span.qwStart, plan.marker.qwStart});
    }
    if (plan.marker.qwEnd < plan.span.qwEnd) {
        plan.pieces.push_back({plan.marker.qwEnd, plan.span.qwEnd});
    }
    return true;
}

QByteArray SpanBytes(const FlashPlan& plan, const QByteArray& image, const QByteArray& spanOld,
                     const AddressRange& r) {
    QByteArray bytes(static_cast<qsizetype>(r.Length()), '\xFF');
    for (std::uint64_t qw = r.qwStart; qw < r.qwEnd; ++qw) {
        const qsizetype nOut = static_cast<qsizetype>(qw - r.qwStart);
        if (qw >= plan.image.qwStart && qw < plan.image.qwEnd) {
            bytes[nOut] = image[static_cast<qsizetype>(qw - plan.image.qwStart)];
        } else if (qw - plan.span.qwStart < static_cast<std::uint64_t>(spanOld.size())) {
            bytes[nOut] = spanOld[static_cast<qsizetype>(qw - plan.span.qwStart)];
        }
    }
    return bytes;
}
