#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// CRC-32 (ISO-HDLC, as zlib computes it).
std::uint32_t Crc32(const QByteArray& bytes);

// SHA-256 as 64 lowercase hex digits.
QString Sha256Hex(const QByteArray& bytes);
