#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// Reads at most nReadAtMost bytes of a file that verify or diff compares. A path that is not
// a regular file, or a file longer than nSizeLimit, is refused before anything is read.
// Returns false, with the reason on standard error, when the bytes are not all there.
bool ReadInputFile(const QString& strPath, std::int64_t nSizeLimit, std::int64_t nReadAtMost,
                   QByteArray& bytes);

// The largest file verify and diff read whole: far beyond any merged image.
inline constexpr std::int64_t INPUT_FILE_LIMIT = 64 * 1024 * 1024;
