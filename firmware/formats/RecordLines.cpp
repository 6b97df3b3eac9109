#include "firmware/formats/RecordLines.h"

#include <array>
#include <climits>
#include <cstring>

CRecordLines::CRecordLines(const char* p, std::size_t nSize) : m_p(p), m_pEnd(p + nSize) {
    if (nSize >= 3 && std::memcmp(p, UTF8_BOM, 3) == 0) m_p += 3;
}

namespace {

bool IsLineBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

bool CRecordLines::Next(RecordLine& line) {
    if (m_p >= m_pEnd) return false;
    const auto* pNewline =
        static_cast<const char*>(std::memchr(m_p, '\n', static_cast<std::size_t>(m_pEnd - m_p)));
    const char* pLineEnd = pNewline ? pNewline : m_pEnd;
    const auto* pReturn =
        static_cast<const char*>(std::memchr(m_p, '\r', static_cast<std::size_t>(pLineEnd - m_p)));
    const char* const pStart = m_p;
    const char* pText = m_p;
    const char* pTextEnd = pReturn ? pReturn : pLineEnd;
    if (pReturn) {
        m_p = pReturn + 1 == pNewline ? pNewline + 1 : pReturn + 1;
    } else {
        m_p = pNewline ? pNewline + 1 : m_pEnd;
    }
    while (pText < pTextEnd && IsLineBlank(*pText)) ++pText;
    while (pTextEnd > pText && IsLineBlank(pTextEnd[-1])) --pTextEnd;
    line.p = pText;
    line.nLength = static_cast<int>(std::min<std::ptrdiff_t>(pTextEnd - pText, INT_MAX));
    line.nIndent = static_cast<int>(std::min<std::ptrdiff_t>(pText - pStart, INT_MAX));
    line.nNumber = ++m_nNumber;
    return true;
}

namespace {

constexpr std::array<std::int8_t, 256> HexTable() {
    std::array<std::int8_t, 256> table{};
    for (auto& v : table) v = -1;
    for (int i = 0; i < 10; ++i) table['0' + i] = static_cast<std::int8_t>(i);
    for (int i = 0; i < 6; ++i) {
        table['A' + i] = static_cast<std::int8_t>(10 + i);
        table['a' + i] = static_cast<std::int8_t>(10 + i);
    }
    return table;
}

constexpr std::array<std::int8_t, 256> HEX_VALUE = HexTable();

}  // namespace

// The sum is taken here: summing the bytes afterwards reads back the byte stores just made,
// which stalls on every record.
int DecodeHexDigits(const char* p, int nChars, std::uint8_t* pOut, unsigned& nSum) {
    const auto* pText = reinterpret_cast<const unsigned char*>(p);
    for (int i = 0; i + 1 < nChars; i += 2) {
        const int nHigh = HEX_VALUE[pText[i]];
        const int nLow = HEX_VALUE[pText[i + 1]];
        if ((nHigh | nLow) < 0) return nHigh < 0 ? i : i + 1;
        const unsigned by = static_cast<unsigned>((nHigh << 4) | nLow);
        pOut[i / 2] = static_cast<std::uint8_t>(by);
        nSum += by;
    }
    return -1;
}

QString LineError(int nLine, const QString& strWhat) {
    return QStringLiteral("第 %1 行: %2").arg(nLine).arg(strWhat);
}

int LineOfError(const QString& strError) {
    static const QString strHead = QStringLiteral("第 ");
    if (!strError.startsWith(strHead)) return 0;
    const qsizetype nEnd = strError.indexOf(QStringLiteral(" 行: "), strHead.size());
    bool bOk = false;
    const int nLine = strError.mid(strHead.size(), nEnd - strHead.size()).toInt(&bOk);
    return nEnd > 0 && bOk ? nLine : 0;
}

QString BadCharacterError(const RecordLine& line, int nAt) {
    const auto by = static_cast<unsigned char>(line.p[nAt]);
    const QString strChar = by >= 0x20 && by < 0x7F
                                ? QStringLiteral("'%1'").arg(QLatin1Char(static_cast<char>(by)))
                                : ByteText(by);
    return LineError(line.nNumber, QStringLiteral("第 %1 个字符 %2 无效")
                                       .arg(static_cast<qint64>(line.nIndent) + nAt + 1)
                                       .arg(strChar));
}

QString ChecksumError(int nLine, std::uint8_t byHave, std::uint8_t byWant) {
    return LineError(
        nLine,
        QStringLiteral("校验和错误, 是 %1, 应为 %2").arg(ByteText(byHave), ByteText(byWant)));
}

QString ByteText(std::uint8_t by) {
    return QStringLiteral("0x") + QString::number(by, 16).toUpper().rightJustified(2, u'0');
}

QString LengthError(int nLine) { return LineError(nLine, QStringLiteral("记录长度错误")); }

QString PastAddressSpaceError(int nLine) {
    return LineError(nLine, QStringLiteral("数据超出 4 GiB 地址空间"));
}

CRecordData::CRecordData(const QByteArray& file, QByteArray& pool, CImageChunks& chunks)
    : m_chunks(chunks) {
    pool = QByteArray(file.size() / 2, Qt::Uninitialized);
    m_pPool = reinterpret_cast<std::uint8_t*>(pool.data());
}

bool CRecordData::Add(std::uint64_t qwAddress, const std::uint8_t* pData, int nData, int nLine,
                      QString& strError) {
    if (qwAddress + static_cast<std::uint64_t>(nData) > IMAGE_ADDRESS_LIMIT) {
        strError = PastAddressSpaceError(nLine);
        return false;
    }
    std::memcpy(m_pPool + m_nPool, pData, static_cast<std::size_t>(nData));
    m_chunks.Add(qwAddress, m_nPool, static_cast<std::size_t>(nData));
    m_nPool += static_cast<std::size_t>(nData);
    return true;
}

bool RefuseAfterEnd(bool bEnd, const RecordLine& line, QString& strError) {
    if (bEnd) strError = LineError(line.nNumber, QStringLiteral("结束记录之后还有内容"));
    return bEnd;
}

bool DecodeCountedRecord(const RecordLine& line, int nAt, int nExtra, std::uint8_t* pOut,
                         int& nBytes, std::uint8_t& bySum, QString* pError) {
    const auto fail = [&](QString strWhy) {
        if (pError) *pError = std::move(strWhy);
        return false;
    };
    if (line.nLength < nAt + 2) return fail(LengthError(line.nNumber));
    unsigned nSum = 0;
    const int nBadCount = DecodeHexDigits(line.p + nAt, 2, pOut, nSum);
    if (nBadCount >= 0) return fail(BadCharacterError(line, nAt + nBadCount));
    nBytes = 1 + pOut[0] + nExtra;
    const int nChars = std::min(line.nLength - nAt, 2 * nBytes) & ~1;
    nSum = 0;
    const int nBad = DecodeHexDigits(line.p + nAt, nChars, pOut, nSum);
    if (nBad >= 0) return fail(BadCharacterError(line, nAt + nBad));
    if (line.nLength - nAt != 2 * nBytes) return fail(LengthError(line.nNumber));
    bySum = static_cast<std::uint8_t>(nSum - pOut[nBytes - 1]);
    return true;
}
