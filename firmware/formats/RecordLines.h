#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

#include "firmware/formats/ImageChunks.h"

// What the HEX and S-record readers share: the lines of the text and its hex digits.

// The line's text without its line end and the blanks (space, tab) around it.
struct RecordLine {
    const char* p = nullptr;
    int nLength = 0;  // longer lines are cut at INT_MAX, still too long
    int nNumber = 0;  // 1 for the first line
    int nIndent = 0;  // blanks before p, so that a character's column is the one an editor shows
};

inline constexpr char UTF8_BOM[] = "\xEF\xBB\xBF";

// Lines ended by LF, CR LF or CR alone; the last may have no end. A UTF-8 byte-order mark
// before the first line is no part of it.
class CRecordLines {
public:
    CRecordLines(const char* p, std::size_t nSize);
    bool Next(RecordLine& line);

private:
    const char* m_p;
    const char* m_pEnd;
    int m_nNumber = 0;
};

// Decodes nChars (even) hex digits of either case into nChars / 2 bytes and adds them to
// nSum. Returns the index of the first character that is no hex digit, or -1.
int DecodeHexDigits(const char* p, int nChars, std::uint8_t* pOut, unsigned& nSum);

// The texts of a refused line: "第 %d 行: ...".
QString LineError(int nLine, const QString& strWhat);
// The line that a reader's error names (a text that LineError began), 0 for none.
int LineOfError(const QString& strError);
QString BadCharacterError(const RecordLine& line, int nAt);
QString ChecksumError(int nLine, std::uint8_t byHave, std::uint8_t byWant);
QString LengthError(int nLine);
QString ByteText(std::uint8_t by);  // "0x3C"
QString PastAddressSpaceError(int nLine);

// The data records of a text file, gathered as runs: their bytes copied once into a pool (a
// data byte takes two characters of the text, so the pool never grows), where they go kept in
// the chunks.
class CRecordData {
public:
    CRecordData(const QByteArray& file, QByteArray& pool, CImageChunks& chunks);
    // The bytes of one data record at qwAddress; false, with the line's error, past 4 GiB.
    bool Add(std::uint64_t qwAddress, const std::uint8_t* pData, int nData, int nLine,
             QString& strError);

private:
    std::uint8_t* m_pPool;
    std::size_t m_nPool = 0;
    CImageChunks& m_chunks;
};

// True, with the error, for a line that follows the end record: a second file pasted on
// would otherwise be lost without a word.
bool RefuseAfterEnd(bool bEnd, const RecordLine& line, QString& strError);

// Hands each line of a text file that is not blank to onLine(line, bEnd, strError), which takes
// its record (false, with strError, refuses the file) and sets bEnd at the end record. A line
// after that is refused, and so is a file without one, with strMissingEnd.
template <typename OnLine>
bool ReadRecordLines(const QByteArray& file, const QString& strMissingEnd, QString& strError,
                     OnLine onLine) {
    bool bEnd = false;
    CRecordLines lines(file.constData(), static_cast<std::size_t>(file.size()));
    for (RecordLine line; lines.Next(line);) {
        if (line.nLength == 0) continue;
        if (RefuseAfterEnd(bEnd, line, strError) || !onLine(line, bEnd, strError)) return false;
    }
    if (!bEnd) strError = strMissingEnd;
    return bEnd;
}

// The largest record either format allows: 255 bytes after its count, plus the count.
inline constexpr int MAX_RECORD_BYTES = 260;

// Decodes the record that starts with its count byte at character nAt: the count, then
// count + nExtra bytes more. Checks every character and that the line ends right there.
// nBytes: all bytes decoded into pOut (count byte first); bySum: the sum of those before the
// checksum byte (the last one). False with the reason, if asked.
bool DecodeCountedRecord(const RecordLine& line, int nAt, int nExtra, std::uint8_t* pOut,
                         int& nBytes, std::uint8_t& bySum, QString* pError);
