#pragma once

#include <QByteArray>
#include <cstddef>
#include <cstdint>

// The fields of one info block to write into a test image.
struct BlockFields {
    std::uint16_t wMagic = 0xAA55;
    std::uint16_t wType = 0x0101;
    std::uint16_t wSize = 32;
    std::uint16_t w8 = 0;   // boot version, or minor + major version
    std::uint16_t w10 = 0;  // chip type, or module type
    std::uint16_t w12 = 0;  // boot size, or App size
    std::uint16_t w14 = 0;  // code size
    std::uint32_t dwAppAddress = 0x08004000;
    std::uint32_t dwInfoStage = 0x08003000;
    std::uint32_t dwAppStage = 0x08020000;
};

// An image of nLength bytes: a byte pattern that is never zero, with blocks put on top.
QByteArray MakeImage(int nLength, char cFill = 0x5A);
void PutBlock(QByteArray& image, std::size_t nOffset, const BlockFields& fields);
