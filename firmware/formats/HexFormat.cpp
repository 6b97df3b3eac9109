#include <algorithm>

#include "firmware/formats/RecordText.h"
#include "firmware/formats/RecordWriters.h"

namespace {

enum : std::uint8_t { HEX_DATA = 0, HEX_END = 1, HEX_LINEAR_BASE = 4, HEX_START = 5 };

void AppendRecord(QByteArray& out, std::uint8_t byType, std::uint16_t wAddress,
                  const unsigned char* pData, int nData) {
    out.append(':');
    CRecordText record(out);
    record.Byte(static_cast<std::uint8_t>(nData));
    record.BigEndian(wAddress, 2);
    record.Byte(byType);
    record.Bytes(pData, nData);
    record.Byte(static_cast<std::uint8_t>(-record.Sum()));
    out.append("\r\n");
}

void AppendWordRecord(QByteArray& out, std::uint8_t byType, std::uint32_t dwValue, int nBytes) {
    unsigned char data[4];
    for (int i = 0; i < nBytes; ++i)
        data[i] = static_cast<unsigned char>(dwValue >> (8 * (nBytes - 1 - i)));
    AppendRecord(out, byType, 0, data, nBytes);
}

}  // namespace

QByteArray IntelHexOf(const unsigned char* pBytes, std::int64_t nLength, std::uint32_t dwBase,
                      int nPerLine, std::optional<std::uint32_t> entry) {
    QByteArray out;
    out.reserve(static_cast<qsizetype>(nLength / nPerLine + 2) * (13 + 2 * nPerLine) + 64);
    std::int64_t nUpper = -1;
    for (std::int64_t nAt = 0; nAt < nLength;) {
        const std::uint32_t dwAddress = dwBase + static_cast<std::uint32_t>(nAt);
        if ((dwAddress >> 16) != nUpper) {
            nUpper = dwAddress >> 16;
            AppendWordRecord(out, HEX_LINEAR_BASE, static_cast<std::uint32_t>(nUpper), 2);
        }
        // A record's 16-bit address must not wrap: the next one starts a new 64 KiB.
        const std::int64_t nRoom = 0x10000 - (dwAddress & 0xFFFF);
        const int nData =
            static_cast<int>(std::min<std::int64_t>({nPerLine, nLength - nAt, nRoom}));
        AppendRecord(out, HEX_DATA, static_cast<std::uint16_t>(dwAddress), pBytes + nAt, nData);
        nAt += nData;
    }
    if (entry) AppendWordRecord(out, HEX_START, *entry, 4);
    AppendRecord(out, HEX_END, 0, nullptr, 0);
    return out;
}
