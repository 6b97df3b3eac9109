#pragma once

#include <QString>
#include <cstdint>

#include "firmware/workspace/ImageFile.h"

// Reads a file that verify or diff compares (see ReadInputFile), a build output (HEX,
// S-records, ELF) converted to its image with gaps of byFill; the limits are the image's. A
// refusal is printed on standard error with its reason.
ImageInput ReadCliInput(const QString& strPath, std::int64_t nSizeLimit, std::int64_t nReadAtMost,
                        std::uint8_t byFill = 0, std::int64_t nScanLimit = 0);
