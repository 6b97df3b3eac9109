#pragma once

#include <QByteArray>
#include <cstdint>

// The framing of the GDB remote serial protocol: "$payload#xx", xx the modulo-256 sum of the
// payload in two hex digits.

// The frame of a payload; the payload must already have its binary bytes escaped.
QByteArray FramePacket(const QByteArray& payload);

// Binary data with '#', '$', '}' and '*' escaped as 0x7D and the byte xor 0x20.
QByteArray EscapeBinary(const QByteArray& data);

// How many bytes of data, taken from its start, fit in nRoom bytes once escaped.
qsizetype EscapedPrefixFitting(const QByteArray& data, qsizetype nRoom);

// What a received frame held: escapes undone and run lengths ("0*\"" is "0000000")
// expanded. False when a run length has nothing to repeat or is out of range.
bool DecodePayload(const QByteArray& raw, QByteArray& payload);

enum class FrameScan { Incomplete, Packet, BadChecksum };

// Looks for one frame in buffer from its first '$': Packet with its raw payload, and the bytes
// up to the frame's end (acks, noise, the frame) removed; BadChecksum removes them too.
FrameScan TakeFrame(QByteArray& buffer, QByteArray& raw);

// Lower-case hex of bytes, and back; FromHex fails on an odd length or a non-hex digit.
QByteArray ToHex(const QByteArray& bytes);
bool FromHex(const QByteArray& hex, QByteArray& bytes);

// An "Enn" reply.
bool IsErrorReply(const QByteArray& reply);

// The CRC that qCRC answers: CRC-32, polynomial 0x04C11DB7, MSB first, start 0xFFFFFFFF,
// no final xor.
std::uint32_t GdbCrc32(const QByteArray& bytes, std::uint32_t dwCrc = 0xFFFFFFFF);
