#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>

#include "firmware/workspace/CoreResult.h"

// What a file holds past the bytes that were kept, seen as it is read and not kept: the first
// byte other than 0x00 and 0xFF, which for a boot loader is code that the boot region cuts off.
struct TailScan {
    bool bScanned = false;      // every byte past the kept ones was seen
    std::int64_t nCodeAt = -1;  // its offset in the file (or image), -1 when there is none
    std::uint8_t byCode = 0;
};

// Scans n bytes that lie at nAt of the file into tail; the first finding stays.
void ScanTail(const char* pBytes, std::int64_t n, std::int64_t nAt, TailScan& tail);

// How far a file is read: fnKeep gives, from its first bytes (INPUT_HEAD_LENGTH at most), how
// many of them to keep; the rest is scanned (TailScan) when the file is at most nScanLimit
// bytes long, and read on only for a digest, never otherwise.
struct InputExtent {
    std::function<std::int64_t(const QByteArray& head)> fnKeep;
    std::int64_t nScanLimit = 0;
};

inline constexpr std::int64_t INPUT_HEAD_LENGTH = 0x1000;

// One input file as every command reads it: opened once through OpenRegularFile (never
// blocking, the type checked on the opened file), refused when longer than its limit, and
// refused when it changed while it was read, so that no mix of two versions is taken.
struct InputFile {
    CoreReason reason = CoreReason::OpenFailed;  // None once read
    QString strReason;  // the system's words for an open that failed, the converter's for a build
                        // output
    QByteArray bytes;   // the bytes kept
    std::int64_t nSize = 0;  // the file's length
    std::int64_t nRead = 0;  // bytes read before a read failed
    QByteArray sha256;       // raw digest of the whole file as it was read, when digests are on
    TailScan tail;           // what lies past the kept bytes, when it was scanned
    bool Ok() const { return reason == CoreReason::None; }
};

InputFile ReadInputFile(const QString& strPath, std::int64_t nSizeLimit, const InputExtent& extent);

// Whether reads take the digest of the whole file (off by default). It reads every file to its
// end, so only a run that reports the input digests turns it on.
void SetInputDigests(bool bOn);

// Called between the two halves of every read, for tests that change the file meanwhile.
void SetInputReadHook(void (*pfnHook)());

// The largest file verify and diff read whole: far beyond any merged image.
inline constexpr std::int64_t INPUT_FILE_LIMIT = 64 * 1024 * 1024;
