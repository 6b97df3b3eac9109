#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

enum class StageResult {
    Staged,
    OpenFailed,
    NotRegular,
    Locked,
    TooLarge,
    ReadFailed,
    Changed,
    BadName,        // a name that lost bytes when it was decoded
    ConvertFailed,  // a build output that could not be turned into an image
};

// One input file as every command reads it: opened once through OpenRegularFile (never
// blocking, the type checked on the opened file), refused when longer than its limit, and
// refused when it changed while it was read, so that no mix of two versions is taken.
struct InputFile {
    StageResult result = StageResult::OpenFailed;
    QString strReason;       // the system's reason of an open that failed
    QByteArray bytes;        // the first nReadAtMost bytes
    std::int64_t nSize = 0;  // the file's length
    std::int64_t nRead = 0;  // bytes read before a read failed
    QByteArray sha256;       // raw digest of the whole file as it was read, when digests are on
    bool Ok() const { return result == StageResult::Staged; }
};

InputFile ReadInputFile(const QString& strPath, std::int64_t nSizeLimit, std::int64_t nReadAtMost);

// Whether reads take the digest of the whole file (on by default). It costs more than
// reading a HEX file, so a run that reports no input digest turns it off.
void SetInputDigests(bool bOn);

// Called between the two halves of every read, for tests that change the file meanwhile.
void SetInputReadHook(void (*pfnHook)());

// The largest file verify and diff read whole: far beyond any merged image.
inline constexpr std::int64_t INPUT_FILE_LIMIT = 64 * 1024 * 1024;
