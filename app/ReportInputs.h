#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

#include "firmware/checks/FirmwareVerify.h"
#include "firmware/workspace/CoreResult.h"

// The largest file the verify and compare reports read, as quorrix-cli verify and diff do:
// far beyond any merged image.
inline constexpr std::int64_t REPORT_FILE_LIMIT = 64 * 1024 * 1024;

// Reads a whole image file for a report: done, or why not (not a regular file, unreadable, longer
// than REPORT_FILE_LIMIT). The address of its first byte in *pStart, when given and the file
// carries addresses.
CoreResult ReadReportFile(const QString& strPath, QByteArray& bytes,
                          std::optional<std::uint32_t>* pStart = nullptr);

// What a merge of the window's accepted images will be (MergeReferenceOf, with the window's
// fill byte): what a merged file of the window is checked against.
VerifyReference AcceptedImages();
