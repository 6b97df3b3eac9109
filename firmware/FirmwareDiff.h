#pragma once

#include <QByteArray>
#include <QStringList>
#include <cstdint>

struct FirmwareDiff {
    QStringList lines;  // the blocks field by field, then the byte comparison
    bool bIdentical = false;
    std::int64_t nFirstDifference = -1;
    std::int64_t nDifferingBytes = 0;  // bytes past the shorter file's end count as differing
};

// Compares two images: block 1 and, when either file has its marker, block 2, decoded field
// by field (a "*" marks a field that differs), then the first differing offset and the count
// of differing bytes.
FirmwareDiff DiffFirmwareImages(const QByteArray& a, const QByteArray& b);
