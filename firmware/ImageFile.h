#pragma once

#include <QString>
#include <cstdint>

// Reads an image file into g_StageBuf (zero past the file's end) for inspection, and writes
// the open line to the run log. A path that is not a regular file, or a file longer than
// nSizeLimit, is refused before anything is read; at most nReadLimit bytes are read. Returns
// true with the file's length when the bytes are there; false, with the reason in the run
// log, otherwise.
bool StageImageFile(const QString& strPath, std::int64_t nReadLimit, std::int64_t nSizeLimit,
                    std::int32_t& nLength);
