#pragma once

#include <QString>
#include <cstdint>

#include "firmware/InputFile.h"
#include "firmware/Workspace.h"

// What StageImageFile found: the result, the file's length, and where the bytes came from.
struct StagedImage {
    StageResult result = StageResult::OpenFailed;
    std::int32_t nLength = 0;
    ImageSource source;
    bool Ok() const { return result == StageResult::Staged; }
};

// Reads an image file into the stage buffer (zero past the file's end) for inspection, and
// writes the open line to the run log. A path that is not a regular file, or a file longer
// than nSizeLimit, is refused before anything is read; at most nReadLimit bytes are staged.
// Every refusal has its reason in the run log.
StagedImage StageImageFile(const QString& strPath, std::int64_t nReadLimit,
                           std::int64_t nSizeLimit);

// "<verb> File <path> = <outcome>", the path with its control characters escaped.
QString FileLogLine(const char* pVerb, const QString& strPath, const QString& strOutcome);
