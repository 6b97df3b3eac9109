#include "firmware/formats/ImageChunks.h"

#include <QStringList>
#include <algorithm>
#include <cstring>

void CImageChunks::Add(std::uint64_t qwAddress, std::size_t nSource, std::size_t nLength) {
    if (nLength == 0) return;
    if (!m_chunks.empty()) {
        ImageChunk& last = m_chunks.back();
        if (last.qwAddress + last.nLength == qwAddress && last.nSource + last.nLength == nSource) {
            last.nLength += nLength;
            return;
        }
    }
    m_chunks.push_back({qwAddress, nSource, nLength});
}

QString AddressText(std::uint64_t qwAddress) {
    return QStringLiteral("0x") +
           QString::number(qwAddress, 16).toUpper().rightJustified(8, QLatin1Char('0'));
}

namespace {

// Data this far from the data before it starts a region of its own in the refusal.
constexpr std::uint64_t REGION_GAP = 1u << 20;
constexpr int REGIONS_NAMED = 8;

// Where a segment lies: [qwStart, qwEnd).
struct Extent {
    std::uint64_t qwStart, qwEnd;
};

// "0x08000000 - 0x0801FFFF (131072 Bytes)" of each region, so that the user sees which load
// region lies apart (a second one in external memory, option bytes).
QString RegionsText(const std::vector<Extent>& extents) {
    QStringList regions;
    std::size_t nRegions = 0;
    for (std::size_t i = 0; i < extents.size();) {
        std::size_t j = i + 1;
        while (j < extents.size() && extents[j].qwStart - extents[j - 1].qwEnd < REGION_GAP) ++j;
        const std::uint64_t qwFirst = extents[i].qwStart;
        const std::uint64_t qwEnd = extents[j - 1].qwEnd;
        if (++nRegions <= REGIONS_NAMED) {
            regions << QStringLiteral("%1 - %2 (%3 Bytes)")
                           .arg(AddressText(qwFirst), AddressText(qwEnd - 1))
                           .arg(qwEnd - qwFirst);
        }
        i = j;
    }
    if (nRegions > REGIONS_NAMED) regions << QStringLiteral("... 共 %1 个区域").arg(nRegions);
    return regions.join(QStringLiteral(", "));
}

// Sorted by start, a run can only touch or overlap the segment before it.
std::vector<Extent> ExtentsOf(const std::vector<ImageChunk>& chunks) {
    std::vector<Extent> extents;
    for (const ImageChunk& chunk : chunks) {
        const std::uint64_t qwEnd = chunk.qwAddress + chunk.nLength;
        if (!extents.empty() && chunk.qwAddress <= extents.back().qwEnd) {
            extents.back().qwEnd = std::max(extents.back().qwEnd, qwEnd);
        } else {
            extents.push_back({chunk.qwAddress, qwEnd});
        }
    }
    return extents;
}

}  // namespace

bool CImageChunks::Place(const std::uint8_t* pSource, std::vector<ImageSegment>& segments,
                         QString& strError) {
    std::stable_sort(
        m_chunks.begin(), m_chunks.end(),
        [](const ImageChunk& a, const ImageChunk& b) { return a.qwAddress < b.qwAddress; });
    const std::vector<Extent> extents = ExtentsOf(m_chunks);
    const std::uint64_t qwLow = extents.front().qwStart;
    if (extents.back().qwEnd - qwLow > IMAGE_SPAN_LIMIT) {
        strError = QStringLiteral("数据跨度 %1 - %2 超过 16 MiB: ")
                       .arg(AddressText(qwLow), AddressText(extents.back().qwEnd - 1)) +
                   RegionsText(extents);
        return false;
    }
    std::vector<ImageSegment> placed;
    for (const Extent& extent : extents) {
        placed.push_back(
            {static_cast<std::uint32_t>(extent.qwStart),
             QByteArray(static_cast<qsizetype>(extent.qwEnd - extent.qwStart), Qt::Uninitialized)});
    }
    // Within a segment the runs placed so far cover exactly [its start, qwFilled): compare the
    // part of a run that lies there, copy the rest.
    std::size_t nAt = 0;
    std::uint64_t qwFilled = qwLow;
    for (const ImageChunk& chunk : m_chunks) {
        if (chunk.qwAddress >= extents[nAt].qwEnd) qwFilled = extents[++nAt].qwStart;
        auto* pSegment = reinterpret_cast<std::uint8_t*>(placed[nAt].bytes.data()) +
                         (chunk.qwAddress - extents[nAt].qwStart);
        const std::uint8_t* pData = pSource + chunk.nSource;
        const auto nSeen = static_cast<std::size_t>(std::min<std::uint64_t>(
            chunk.nLength, qwFilled > chunk.qwAddress ? qwFilled - chunk.qwAddress : 0));
        if (std::memcmp(pSegment, pData, nSeen) != 0) {
            const auto* pDiff = std::mismatch(pData, pData + nSeen, pSegment).first;
            strError = QStringLiteral("地址 %1 有两个不同的字节")
                           .arg(AddressText(chunk.qwAddress + (pDiff - pData)));
            return false;
        }
        std::memcpy(pSegment + nSeen, pData + nSeen, chunk.nLength - nSeen);
        qwFilled = std::max(qwFilled, chunk.qwAddress + chunk.nLength);
    }
    segments = std::move(placed);
    return true;
}
