#include <algorithm>

#include "firmware/formats/RecordText.h"
#include "firmware/formats/RecordWriters.h"

namespace {

// Count, address, data, then the ones' complement of their sum.
void AppendRecord(QByteArray& out, char cType, std::uint32_t dwAddress, int nAddressBytes,
                  const unsigned char* pData, int nData) {
    out.append('S');
    out.append(cType);
    CRecordText record(out);
    record.Byte(static_cast<std::uint8_t>(nAddressBytes + nData + 1));
    record.BigEndian(dwAddress, nAddressBytes);
    record.Bytes(pData, nData);
    record.Byte(static_cast<std::uint8_t>(~record.Sum()));
    out.append("\r\n");
}

}  // namespace

QByteArray SRecordOf(const unsigned char* pBytes, std::int64_t nLength, std::uint32_t dwBase,
                     int nPerLine, std::optional<std::uint32_t> entry) {
    static constexpr unsigned char HEADER[] = {'Q', 'u', 'o', 'r', 'r', 'i', 'x'};
    QByteArray out;
    out.reserve(static_cast<qsizetype>(nLength / nPerLine + 3) * (16 + 2 * nPerLine));
    AppendRecord(out, '0', 0, 2, HEADER, sizeof HEADER);
    for (std::int64_t nAt = 0; nAt < nLength; nAt += nPerLine) {
        const int nData = static_cast<int>(std::min<std::int64_t>(nPerLine, nLength - nAt));
        AppendRecord(out, '3', dwBase + static_cast<std::uint32_t>(nAt), 4, pBytes + nAt, nData);
    }
    AppendRecord(out, '7', entry.value_or(0), 4, nullptr, 0);
    return out;
}
