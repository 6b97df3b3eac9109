#include <cstring>

#include "firmware/formats/ImageReaders.h"

namespace {

enum : std::uint8_t {
    HEX_DATA = 0,
    HEX_END = 1,
    HEX_SEGMENT_BASE = 2,
    HEX_SEGMENT_START = 3,
    HEX_LINEAR_BASE = 4,
    HEX_LINEAR_START = 5
};

// Data bytes each record type must carry; data records any number.
constexpr int HEX_FIXED_LENGTH[] = {-1, 0, 2, 4, 2, 4};

struct HexRecord {
    int nData = 0;
    std::uint16_t wOffset = 0;
    std::uint8_t byType = 0;
    const std::uint8_t* pData = nullptr;
};

bool DecodeHexRecord(const RecordLine& line, std::uint8_t* pBytes, HexRecord& record,
                     QString* pError) {
    const auto fail = [&](QString strWhy) {
        if (pError) *pError = std::move(strWhy);
        return false;
    };
    if (line.nLength == 0 || line.p[0] != ':')
        return fail(LineError(line.nNumber, QStringLiteral("不是以 ':' 开头的 HEX 记录")));
    int nBytes = 0;
    std::uint8_t bySum = 0;
    if (!DecodeCountedRecord(line, 1, 4, pBytes, nBytes, bySum, pError)) return false;
    const std::uint8_t byWant = static_cast<std::uint8_t>(-bySum);
    if (pBytes[nBytes - 1] != byWant)
        return fail(ChecksumError(line.nNumber, pBytes[nBytes - 1], byWant));
    record.nData = pBytes[0];
    record.wOffset = static_cast<std::uint16_t>((pBytes[1] << 8) | pBytes[2]);
    record.byType = pBytes[3];
    record.pData = pBytes + 4;
    if (record.byType > HEX_LINEAR_START)
        return fail(LineError(line.nNumber,
                              QStringLiteral("未知的记录类型 %1").arg(ByteText(record.byType))));
    const int nFixed = HEX_FIXED_LENGTH[record.byType];
    if (nFixed >= 0 && record.nData != nFixed)
        return fail(LineError(line.nNumber, QStringLiteral("类型 %1 的记录应有 %2 个数据字节")
                                                .arg(record.byType, 2, 10, QLatin1Char('0'))
                                                .arg(nFixed)));
    return true;
}

std::uint64_t BigEndianWord(const std::uint8_t* p) { return (p[0] << 8) | p[1]; }

// Records other than data carry their value in the data field; an address beside it has no
// meaning, and srec_cat and python-intelhex refuse it, so a tool that read it differently
// cannot be ruled out.
bool CheckAddressField(const RecordLine& line, const HexRecord& record, QString& strError) {
    if (record.byType == HEX_DATA || record.wOffset == 0) return true;
    strError = LineError(line.nNumber, QStringLiteral("类型 %1 的记录地址应为 0000, 是 %2")
                                           .arg(record.byType, 2, 10, QLatin1Char('0'))
                                           .arg(record.wOffset, 4, 16, QLatin1Char('0'))
                                           .toUpper());
    return false;
}

// 03 holds CS:IP, which address CS x 16 + IP; 05 the 32-bit address itself.
std::uint32_t StartAddressOf(const HexRecord& record) {
    const std::uint32_t dwHigh = static_cast<std::uint32_t>(BigEndianWord(record.pData));
    const std::uint32_t dwLow = static_cast<std::uint32_t>(BigEndianWord(record.pData + 2));
    return record.byType == HEX_LINEAR_START ? (dwHigh << 16) | dwLow : (dwHigh << 4) + dwLow;
}

// A second start address leaves it open which one a loader takes.
bool TakeStartAddress(const RecordLine& line, const HexRecord& record,
                      std::optional<std::uint32_t>& entry, QString& strError) {
    if (entry) {
        strError = LineError(line.nNumber, QStringLiteral("第二个起始地址记录"));
        return false;
    }
    entry = StartAddressOf(record);
    return true;
}

}  // namespace

bool ReadHexImage(const QByteArray& file, QByteArray& pool, CImageChunks& chunks,
                  std::optional<std::uint32_t>& entry, QString& strError) {
    CRecordData data(file, pool, chunks);
    std::uint64_t qwBase = 0;
    std::uint8_t bytes[MAX_RECORD_BYTES];
    HexRecord record;
    const auto take = [&](const RecordLine& line, bool& bEnd, QString& strWhy) {
        if (!DecodeHexRecord(line, bytes, record, &strWhy) ||
            !CheckAddressField(line, record, strWhy))
            return false;
        switch (record.byType) {
            case HEX_DATA:
                return data.Add(qwBase + record.wOffset, record.pData, record.nData, line.nNumber,
                                strWhy);
            case HEX_END:
                bEnd = true;
                return true;
            case HEX_SEGMENT_BASE:
                qwBase = BigEndianWord(record.pData) << 4;
                return true;
            case HEX_LINEAR_BASE:
                qwBase = BigEndianWord(record.pData) << 16;
                return true;
            default:
                return TakeStartAddress(line, record, entry, strWhy);
        }
    };
    return ReadRecordLines(file, QStringLiteral("没有结束记录 (类型 01)"), strError, take);
}
