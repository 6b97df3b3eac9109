#pragma once

#include <QByteArray>
#include <cstdint>

// One text record of a HEX or S-record file: bytes in upper-case hex digits, with the sum
// that both formats build their checksum from.
class CRecordText {
public:
    explicit CRecordText(QByteArray& out) : m_out(out) {}

    void Byte(std::uint8_t by) {
        static constexpr char DIGITS[] = "0123456789ABCDEF";
        m_out.append(DIGITS[by >> 4]);
        m_out.append(DIGITS[by & 0x0F]);
        m_bySum = static_cast<std::uint8_t>(m_bySum + by);
    }
    void BigEndian(std::uint32_t dwValue, int nBytes) {
        for (int i = nBytes - 1; i >= 0; --i) Byte(static_cast<std::uint8_t>(dwValue >> (8 * i)));
    }
    void Bytes(const unsigned char* p, int n) {
        for (int i = 0; i < n; ++i) Byte(p[i]);
    }
    std::uint8_t Sum() const { return m_bySum; }

private:
    QByteArray& m_out;
    std::uint8_t m_bySum = 0;
};
