#pragma once

#include <QByteArray>
#include <cstdint>
#include <optional>

// True when every one of nLength bytes from dwBase has a 32-bit address.
inline bool FitsAddressSpace(std::uint32_t dwBase, std::int64_t nLength) {
    return nLength >= 0 && static_cast<std::int64_t>(dwBase) + nLength <= 0x100000000LL;
}

// Intel HEX of nLength bytes loaded at dwBase: a type 04 record before the first data record
// of every 64 KiB, nPerLine data bytes a line (1 to 255; no line crosses 64 KiB), the entry
// address (type 05) when there is one, and the end-of-file record. Lines end in CR LF. The
// bytes must fit the address space.
QByteArray IntelHexOf(const unsigned char* pBytes, std::int64_t nLength, std::uint32_t dwBase,
                      int nPerLine, std::optional<std::uint32_t> entry);

// Motorola S-records of the same: an S0 header, S3 data records of nPerLine bytes (1 to 250)
// and the S7 end record, which holds the entry address, or 0 without one: the record ends
// the file, and a reader cannot tell a file without it from one cut short.
QByteArray SRecordOf(const unsigned char* pBytes, std::int64_t nLength, std::uint32_t dwBase,
                     int nPerLine, std::optional<std::uint32_t> entry);
