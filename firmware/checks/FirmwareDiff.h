#pragma once

#include <QByteArray>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <vector>

// One line of the blocks' comparison: the head of block nBlock at nOffset, or one of its
// fields. bHasA/bHasB are false where a file ends before the block (its values are "-").
struct DiffRow {
    int nBlock = 1;
    std::size_t nOffset = 0;
    bool bHead = false;
    const char* pField = "";  // "marker", "type", "block size", ... ("" for a head)
    QString strA, strB;
    bool bHasA = false, bHasB = false;
    bool bDiffers = false;
};

struct FirmwareDiff {
    QStringList lines;  // the blocks field by field, then the byte comparison
    bool bIdentical = false;
    std::int64_t nFirstDifference = -1;
    std::int64_t nDifferingBytes = 0;  // bytes past the shorter file's end count as differing
};

// Block 1 and, when either file has its marker, block 2 of both images, field by field.
std::vector<DiffRow> DiffBlockRows(const QByteArray& a, const QByteArray& b);

// Compares two images: block 1 and, when either file has its marker, block 2, decoded field
// by field (a "*" marks a field that differs), then the first differing offset and the count
// of differing bytes.
FirmwareDiff DiffFirmwareImages(const QByteArray& a, const QByteArray& b);
