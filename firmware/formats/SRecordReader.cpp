#include <cstring>

#include "firmware/formats/ImageReaders.h"

namespace {

// Address bytes of S0 to S9; 0 for S4, which no writer uses.
constexpr int S_ADDRESS_BYTES[] = {2, 2, 3, 4, 0, 2, 3, 4, 3, 2};

struct SRecord {
    int nType = 0;  // the digit after 'S'
    std::uint32_t dwAddress = 0;
    const std::uint8_t* pData = nullptr;
    int nData = 0;
};

QString BadTypeError(const RecordLine& line) {
    const auto by = static_cast<unsigned char>(line.p[1]);
    return by >= 0x20 && by < 0x7F
               ? LineError(line.nNumber,
                           QStringLiteral("未知的记录类型 S%1").arg(QLatin1Char(line.p[1])))
               : BadCharacterError(line, 1);
}

bool DecodeSRecord(const RecordLine& line, std::uint8_t* pBytes, SRecord& record, QString* pError) {
    const auto fail = [&](QString strWhy) {
        if (pError) *pError = std::move(strWhy);
        return false;
    };
    if (line.nLength < 2 || line.p[0] != 'S')
        return fail(LineError(line.nNumber, QStringLiteral("不是以 'S' 开头的 S-record")));
    const char cType = line.p[1];
    if (cType < '0' || cType > '9' || S_ADDRESS_BYTES[cType - '0'] == 0)
        return fail(BadTypeError(line));
    record.nType = cType - '0';
    int nBytes = 0;
    std::uint8_t bySum = 0;
    if (!DecodeCountedRecord(line, 2, 0, pBytes, nBytes, bySum, pError)) return false;
    const int nAddress = S_ADDRESS_BYTES[record.nType];
    if (pBytes[0] < nAddress + 1) return fail(LengthError(line.nNumber));
    const std::uint8_t byWant = static_cast<std::uint8_t>(~bySum);
    if (pBytes[nBytes - 1] != byWant)
        return fail(ChecksumError(line.nNumber, pBytes[nBytes - 1], byWant));
    record.dwAddress = 0;
    for (int i = 0; i < nAddress; ++i) record.dwAddress = (record.dwAddress << 8) | pBytes[1 + i];
    record.pData = pBytes + 1 + nAddress;
    record.nData = nBytes - 2 - nAddress;
    return true;
}

// S5 and S6 count the data records before them, in 16 and 24 bits.
bool CheckRecordCount(const RecordLine& line, const SRecord& record, std::uint32_t dwRecords,
                      QString& strError) {
    const std::uint32_t dwWant = dwRecords & (record.nType == 5 ? 0xFFFFu : 0xFFFFFFu);
    if (record.dwAddress == dwWant) return true;
    strError = LineError(line.nNumber,
                         QStringLiteral("记录数为 %1, 应为 %2").arg(record.dwAddress).arg(dwWant));
    return false;
}

}  // namespace

bool ReadSRecordImage(const QByteArray& file, QByteArray& pool, CImageChunks& chunks,
                      std::optional<std::uint32_t>& entry, QString& strError) {
    CRecordData data(file, pool, chunks);
    std::uint32_t dwRecords = 0;
    std::uint8_t bytes[MAX_RECORD_BYTES];
    SRecord record;
    const auto take = [&](const RecordLine& line, bool& bEnd, QString& strWhy) {
        if (!DecodeSRecord(line, bytes, record, &strWhy)) return false;
        if (record.nType >= 1 && record.nType <= 3) {
            ++dwRecords;
            return data.Add(record.dwAddress, record.pData, record.nData, line.nNumber, strWhy);
        }
        if (record.nType == 5 || record.nType == 6)
            return CheckRecordCount(line, record, dwRecords, strWhy);
        if (record.nType >= 7) {
            entry = record.dwAddress;  // 0 too: the format has no way to name none
            bEnd = true;
        }
        return true;
    };
    return ReadRecordLines(file, QStringLiteral("没有结束记录 (S7/S8/S9)"), strError, take);
}
