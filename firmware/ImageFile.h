#pragma once

#include <QString>
#include <cstdint>

enum class StageResult { Staged, OpenFailed, NotRegular, Locked, TooLarge, ReadFailed };

// Reads an image file into g_StageBuf (zero past the file's end) for inspection, and writes
// the open line to the run log. A path that is not a regular file, or a file longer than
// nSizeLimit, is refused before anything is read; at most nReadLimit bytes are read. Returns
// true with the file's length when the bytes are there; false, with the reason in the run
// log, otherwise.
bool StageImageFile(const QString& strPath, std::int64_t nReadLimit, std::int64_t nSizeLimit,
                    std::int32_t& nLength);

// What the last StageImageFile call found, for callers that report more than the run log.
StageResult LastStageResult();

// "<verb> File <path> = <outcome>", the path with its control characters escaped.
QString FileLogLine(const char* pVerb, const QString& strPath, const QString& strOutcome);
