#pragma once

#include <QString>
#include <cstdint>

#include "firmware/formats/ImageReader.h"
#include "firmware/workspace/CoreResult.h"
#include "firmware/workspace/InputFile.h"
#include "firmware/workspace/Workspace.h"

// What StageImageFile found: the outcome with its reason, the file's length, and where the bytes
// came from.
struct StagedImage {
    CoreResult outcome = CoreResult::Failed(
        CoreReason::OpenFailed,
        {});  // done, or why the file was not read in the words of its run-log line
    std::int32_t nLength = 0;
    ImageSource source;
    bool Ok() const { return outcome.Done(); }
};

// Reads an image file into the workspace's stage buffer (zero past the file's end) for inspection,
// and writes the open line to the run log. A path that is not a regular file, or a file longer than
// nSizeLimit, is refused before anything is read; at most nReadLimit bytes are staged. Every
// refusal has its reason in the run log. Build outputs (Intel HEX, S-records, ELF; known by
// content) are converted first, their gaps filled with byFill; the image then stands for the file,
// and the source keeps its format and start address. What lies past the staged bytes is scanned
// up to nScanLimit (see ReadImageInput).
StagedImage StageImageFile(FirmwareWorkspace& ws, const QString& strPath, std::int64_t nReadLimit,
                           std::int64_t nSizeLimit, std::uint8_t byFill = 0,
                           std::int64_t nScanLimit = 0);

// An input read as an image: the file, or the image a build output turns into (flattened),
// with its format and, for a build output, its first and last address, its segments and its
// entry address when the file names one.
struct ImageInput : InputFile {
    ImageFormat format = ImageFormat::Bin;
    std::uint32_t dwStart = 0;
    std::uint32_t dwLast = 0;
    std::vector<ImageSpan> segments;
    std::optional<std::uint32_t> entry;
};

// Any input of any command, read once (ReadInputFile); a build output is converted to its
// image with gaps of byFill, and the limits are the image's. A conversion that fails gives
// ConvertFailed with its reason in strReason. What lies past the first nReadAtMost bytes is
// scanned into tail for an image of at most nScanLimit bytes (a converted one always).
ImageInput ReadImageInput(const QString& strPath, std::int64_t nSizeLimit, std::int64_t nReadAtMost,
                          std::uint8_t byFill, std::int64_t nScanLimit = 0);

// Where an input's bytes came from, as the workspace records it.
ImageSource SourceOf(const QString& strPath, const ImageInput& input);

// Done for an input that was read; else its reason in the words of its run-log line.
CoreResult InputOutcome(const ImageInput& input, std::int64_t nSizeLimit);

// The largest build output that is read to be converted.
inline constexpr std::int64_t CONVERTED_FILE_LIMIT = 64 * 1024 * 1024;

// "<verb> File <path> = <outcome>", the path with its control characters escaped.
QString FileLogLine(const char* pVerb, const QString& strPath, const QString& strOutcome);
