#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// What merge writes: the image itself, or the image as text records for a flash programmer.
enum : int { FORMAT_BIN = 0, FORMAT_HEX = 1, FORMAT_SREC = 2 };

// "bin", "hex", "srec"; the default extension of the merged file.
QString FormatExtension(int nFormat);

// True when every one of nLength bytes from dwBase has a 32-bit address.
bool FitsAddressSpace(std::uint32_t dwBase, std::int64_t nLength);

// Intel HEX of nLength bytes loaded at dwBase: a type 04 record before the first data record
// of every 64 KiB, nPerLine data bytes a line (1 to 255; no line crosses 64 KiB), the start
// address dwBase (type 05) and the end-of-file record. Lines end in CR LF. The bytes must fit
// the address space.
QByteArray IntelHexOf(const unsigned char* pBytes, std::int64_t nLength, std::uint32_t dwBase,
                      int nPerLine);

// Motorola S-records of the same: an S0 header, S3 data records of nPerLine bytes (1 to 250)
// and the S7 start address dwBase. Lines end in CR LF.
QByteArray SRecordOf(const unsigned char* pBytes, std::int64_t nLength, std::uint32_t dwBase,
                     int nPerLine);
