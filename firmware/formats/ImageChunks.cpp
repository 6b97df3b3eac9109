#include "firmware/formats/ImageChunks.h"

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

bool CImageChunks::Place(const std::uint8_t* pSource, std::uint8_t byFill, QByteArray& bytes,
                         std::uint32_t& dwStart, QString& strError) {
    std::stable_sort(
        m_chunks.begin(), m_chunks.end(),
        [](const ImageChunk& a, const ImageChunk& b) { return a.qwAddress < b.qwAddress; });
    const std::uint64_t qwLow = m_chunks.front().qwAddress;
    std::uint64_t qwEnd = 0;
    for (const ImageChunk& chunk : m_chunks)
        qwEnd = std::max(qwEnd, chunk.qwAddress + chunk.nLength);
    if (qwEnd - qwLow > IMAGE_SPAN_LIMIT) {
        strError = QStringLiteral("数据跨度 %1 - %2 超过 16 MiB")
                       .arg(AddressText(qwLow), AddressText(qwEnd - 1));
        return false;
    }
    QByteArray image(static_cast<qsizetype>(qwEnd - qwLow), static_cast<char>(byFill));
    auto* pImage = reinterpret_cast<std::uint8_t*>(image.data());
    // Sorted by start, the runs placed so far cover exactly [chunk start, qwFilled) of what
    // is left: compare that part, copy the rest.
    std::uint64_t qwFilled = qwLow;
    for (const ImageChunk& chunk : m_chunks) {
        const std::uint64_t qwAt = chunk.qwAddress - qwLow;
        const std::uint8_t* pData = pSource + chunk.nSource;
        const std::size_t nSeen = static_cast<std::size_t>(std::min<std::uint64_t>(
            chunk.nLength, qwFilled > chunk.qwAddress ? qwFilled - chunk.qwAddress : 0));
        if (std::memcmp(pImage + qwAt, pData, nSeen) != 0) {
            const auto* pDiff = std::mismatch(pData, pData + nSeen, pImage + qwAt).first;
            strError = QStringLiteral("地址 %1 有两个不同的字节")
                           .arg(AddressText(chunk.qwAddress + (pDiff - pData)));
            return false;
        }
        std::memcpy(pImage + qwAt + nSeen, pData + nSeen, chunk.nLength - nSeen);
        qwFilled = std::max(qwFilled, chunk.qwAddress + chunk.nLength);
    }
    bytes = std::move(image);
    dwStart = static_cast<std::uint32_t>(qwLow);
    return true;
}
