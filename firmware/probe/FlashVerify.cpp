#include "firmware/probe/FlashVerify.h"

#include "firmware/probe/GdbPackets.h"

namespace {

unsigned ByteAt(const QByteArray& bytes, std::int64_t n) {
    return n < bytes.size() ? static_cast<std::uint8_t>(bytes.at(static_cast<qsizetype>(n))) : 0u;
}

}  // namespace

std::int64_t FirstDifference(const QByteArray& a, const QByteArray& b, std::int64_t* pnCount) {
    const qsizetype nCommon = std::min(a.size(), b.size());
    std::int64_t nFirst = -1, nCount = 0;
    for (qsizetype i = 0; i < nCommon; ++i) {
        if (a[i] == b[i]) continue;
        if (nFirst < 0) nFirst = i;
        ++nCount;
    }
    if (a.size() != b.size()) {
        if (nFirst < 0) nFirst = nCommon;
        nCount += std::max(a.size(), b.size()) - nCommon;
    }
    if (pnCount) *pnCount = nCount;
    return nFirst;
}

ProbeResult VerifyRange(CGdbTarget& target, const AddressRange& r, const QByteArray& expected,
                        IProbeProgress& progress, QString& strHow, bool bReadBack) {
    const QString strStep = QStringLiteral("校验");
    const std::uint32_t dwAt = static_cast<std::uint32_t>(r.qwStart);
    const std::uint32_t dwLength = static_cast<std::uint32_t>(r.Length());
    if (!bReadBack) {
        std::uint32_t dwCrc = 0;
        bool bOffered = false;
        ProbeResult result = target.Crc(dwAt, dwLength, dwCrc, bOffered);
        if (!result.Done()) return result;
        if (bOffered && dwCrc == GdbCrc32(expected)) {
            strHow = QStringLiteral("qCRC");
            return ProbeResult();
        }
    }
    strHow = QStringLiteral("回读");
    QByteArray actual;
    ProbeResult result = target.Read(dwAt, dwLength, actual, progress, strStep);
    if (!result.Done()) return result;
    std::int64_t nCount = 0;
    const std::int64_t nFirst = FirstDifference(expected, actual, &nCount);
    if (nFirst < 0) return ProbeResult();
    return ProbeResult::Failed(CoreReason::VerifyFailed, strStep,
                               QStringLiteral("是 0x%1, 应为 0x%2; %3 Bytes 不同")
                                   .arg(ByteAt(actual, nFirst), 2, 16, QLatin1Char('0'))
                                   .arg(ByteAt(expected, nFirst), 2, 16, QLatin1Char('0'))
                                   .arg(nCount))
        .At(dwAt + static_cast<std::uint32_t>(nFirst));
}
