#pragma once

#include <QByteArray>
#include <cstddef>
#include <cstdint>

// The fields of one info block to write into a test image.
struct BlockFields {
    std::uint16_t wMagic = 0xAA55;
    std::uint16_t wType = 0x0101;
    std::uint16_t wSize = 32;
    std::uint16_t w8 = 0;                     // boot version, or minor + major version
    std::uint16_t w10 = 0;                    // chip type, or module type
    std::uint16_t w12 = 0;                    // boot size, or App size
    std::uint16_t w14 = 0;                    // code size
    std::uint32_t dwAppAddress = 0x08001000;  // where the merge places the App
    std::uint32_t dwInfoStage = 0x08022000;   // both staging areas above a 128 KiB App's end
    std::uint32_t dwAppStage = 0x08023000;
    // The image's first two words, 0x100 before the block: a Cortex-M stack pointer in SRAM and
    // a reset address, which 0 makes a Thumb address just past the block (0x08001121 for an
    // App type, 0x08000121 for any other), inside the image wherever it is longer than that.
    std::uint32_t dwStack = 0x20002000;
    std::uint32_t dwReset = 0;
};

// An image of nLength bytes: a byte pattern that is never zero, with blocks put on top. The
// default pattern is printable text: without a block (which holds zero bytes) it reads as a
// text file, not a raw image; a cFill of 0 makes one.
QByteArray MakeImage(int nLength, char cFill = 0x5A);
// Puts the block at nOffset and, from 0x100 on, the vector words at nOffset - 0x100.
void PutBlock(QByteArray& image, std::size_t nOffset, const BlockFields& fields);

// An App of nLength bytes linked for 0x08004000, not where the merge places it: it fails the
// layout checks appAddress and bootTarget against an ordinary boot loader.
QByteArray MakeMovedApp(int nLength);

// A merged image of nLength bytes: a boot loader for chip 7 (block 1) and an App of wVersion
// (0x0105 is 1.05) for module wModule (block 2 at 0x1100).
QByteArray MakeMergedImage(int nLength, std::uint16_t wVersion, std::uint16_t wModule);
