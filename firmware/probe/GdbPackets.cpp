#include "firmware/probe/GdbPackets.h"

#include <array>

namespace {

bool NeedsEscape(char c) { return c == '#' || c == '$' || c == '}' || c == '*'; }

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::uint8_t Checksum(const char* p, qsizetype n) {
    std::uint8_t bySum = 0;
    for (qsizetype i = 0; i < n; ++i) bySum = static_cast<std::uint8_t>(bySum + p[i]);
    return bySum;
}

std::array<std::uint32_t, 256> MakeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t c = i << 24;
        for (int k = 0; k < 8; ++k) c = (c & 0x80000000u) ? (c << 1) ^ 0x04C11DB7u : c << 1;
        table[i] = c;
    }
    return table;
}

}  // namespace

QByteArray FramePacket(const QByteArray& payload) {
    QByteArray frame;
    frame.reserve(payload.size() + 4);
    frame += '$';
    frame += payload;
    frame += '#';
    frame += QByteArray::number(Checksum(payload.constData(), payload.size()), 16)
                 .rightJustified(2, '0');
    return frame;
}

QByteArray EscapeBinary(const QByteArray& data) {
    QByteArray out;
    out.reserve(data.size() + data.size() / 8);
    for (char c : data) {
        if (NeedsEscape(c)) {
            out += '}';
            out += static_cast<char>(c ^ 0x20);
        } else {
            out += c;
        }
    }
    return out;
}

qsizetype EscapedPrefixFitting(const QByteArray& data, qsizetype nRoom) {
    qsizetype nUsed = 0, n = 0;
    for (; n < data.size(); ++n) {
        const qsizetype nCost = NeedsEscape(data[n]) ? 2 : 1;
        if (nUsed + nCost > nRoom) break;
        nUsed += nCost;
    }
    return n;
}

bool DecodePayload(const QByteArray& raw, QByteArray& payload) {
    payload.clear();
    payload.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '}' && i + 1 < raw.size()) {
            payload += static_cast<char>(raw[++i] ^ 0x20);
        } else if (c == '*' && i + 1 < raw.size()) {
            // The count is the next character less 29: 3 to 97 more of the byte before.
            const int nRepeat = static_cast<unsigned char>(raw[++i]) - 29;
            if (payload.isEmpty() || nRepeat < 3 || nRepeat > 97) return false;
            payload.append(nRepeat, payload.back());
        } else {
            payload += c;
        }
    }
    return true;
}

FrameScan TakeFrame(QByteArray& buffer, QByteArray& raw) {
    const qsizetype nStart = buffer.indexOf('$');
    if (nStart < 0) return FrameScan::Incomplete;
    const qsizetype nHash = buffer.indexOf('#', nStart + 1);
    if (nHash < 0 || nHash + 2 >= buffer.size()) return FrameScan::Incomplete;
    raw = buffer.mid(nStart + 1, nHash - nStart - 1);
    const int nHigh = HexDigit(buffer[nHash + 1]), nLow = HexDigit(buffer[nHash + 2]);
    buffer.remove(0, nHash + 3);
    const bool bOk =
        nHigh >= 0 && nLow >= 0 && Checksum(raw.constData(), raw.size()) == ((nHigh << 4) | nLow);
    return bOk ? FrameScan::Packet : FrameScan::BadChecksum;
}

QByteArray ToHex(const QByteArray& bytes) { return bytes.toHex(); }

bool FromHex(const QByteArray& hex, QByteArray& bytes) {
    bytes.clear();
    if (hex.size() % 2 != 0) return false;
    bytes.reserve(hex.size() / 2);
    for (qsizetype i = 0; i < hex.size(); i += 2) {
        const int nHigh = HexDigit(hex[i]), nLow = HexDigit(hex[i + 1]);
        if (nHigh < 0 || nLow < 0) return false;
        bytes += static_cast<char>((nHigh << 4) | nLow);
    }
    return true;
}

bool IsErrorReply(const QByteArray& reply) {
    return reply.size() == 3 && reply[0] == 'E' && HexDigit(reply[1]) >= 0 &&
           HexDigit(reply[2]) >= 0;
}

std::uint32_t GdbCrc32(const QByteArray& bytes, std::uint32_t dwCrc) {
    static const std::array<std::uint32_t, 256> table = MakeCrcTable();
    for (char c : bytes) {
        dwCrc = (dwCrc << 8) ^ table[((dwCrc >> 24) ^ static_cast<std::uint8_t>(c)) & 0xFF];
    }
    return dwCrc;
}
