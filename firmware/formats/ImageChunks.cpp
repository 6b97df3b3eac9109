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

std::uint64_t EndOf(const ImageSegment& segment) {
    return segment.dwAddress + static_cast<std::uint64_t>(segment.bytes.size());
}

// "0x08000000 - 0x0801FFFF (131072 Bytes)" of each region, so that the user sees which load
// region lies apart (a second one in external memory, option bytes).
QString RegionsText(const std::vector<ImageSegment>& segments) {
    QStringList regions;
    std::size_t nRegions = 0;
    for (std::size_t i = 0; i < segments.size();) {
        std::size_t j = i + 1;
        while (j < segments.size() && segments[j].dwAddress - EndOf(segments[j - 1]) < REGION_GAP)
            ++j;
        const std::uint64_t qwFirst = segments[i].dwAddress;
        const std::uint64_t qwEnd = EndOf(segments[j - 1]);
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

// Adds a run to the last segment when it touches or overlaps it, the overlap compared.
bool Join(ImageSegment& last, std::uint64_t qwAddress, const std::uint8_t* pData,
          std::size_t nLength, QString& strError) {
    const std::uint64_t qwAt = qwAddress - last.dwAddress;
    const auto nSeen = static_cast<std::size_t>(
        std::min<std::uint64_t>(nLength, static_cast<std::uint64_t>(last.bytes.size()) - qwAt));
    const auto* pHave = reinterpret_cast<const std::uint8_t*>(last.bytes.constData()) + qwAt;
    if (std::memcmp(pHave, pData, nSeen) != 0) {
        const auto* pDiff = std::mismatch(pData, pData + nSeen, pHave).first;
        strError = QStringLiteral("地址 %1 有两个不同的字节")
                       .arg(AddressText(qwAddress + static_cast<std::uint64_t>(pDiff - pData)));
        return false;
    }
    last.bytes.append(reinterpret_cast<const char*>(pData + nSeen),
                      static_cast<qsizetype>(nLength - nSeen));
    return true;
}

}  // namespace

bool CImageChunks::Place(const std::uint8_t* pSource, std::vector<ImageSegment>& segments,
                         QString& strError) {
    std::stable_sort(
        m_chunks.begin(), m_chunks.end(),
        [](const ImageChunk& a, const ImageChunk& b) { return a.qwAddress < b.qwAddress; });
    std::vector<ImageSegment> placed;
    for (const ImageChunk& chunk : m_chunks) {
        const std::uint8_t* pData = pSource + chunk.nSource;
        // Sorted by start, a run can only touch or overlap the segment placed last.
        if (!placed.empty() && chunk.qwAddress <= EndOf(placed.back())) {
            if (!Join(placed.back(), chunk.qwAddress, pData, chunk.nLength, strError)) return false;
            continue;
        }
        placed.push_back({static_cast<std::uint32_t>(chunk.qwAddress),
                          QByteArray(reinterpret_cast<const char*>(pData),
                                     static_cast<qsizetype>(chunk.nLength))});
    }
    const std::uint64_t qwLow = placed.front().dwAddress;
    const std::uint64_t qwEnd = EndOf(placed.back());
    if (qwEnd - qwLow > IMAGE_SPAN_LIMIT) {
        strError = QStringLiteral("数据跨度 %1 - %2 超过 16 MiB: ")
                       .arg(AddressText(qwLow), AddressText(qwEnd - 1)) +
                   RegionsText(placed);
        return false;
    }
    segments = std::move(placed);
    return true;
}
