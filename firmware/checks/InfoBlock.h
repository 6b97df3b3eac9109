#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>

inline constexpr std::uint16_t INFO_MAGIC = 0xAA55;
inline constexpr std::size_t INFO_BLOCK1_OFFSET = 0x100;
inline constexpr std::size_t INFO_BLOCK2_OFFSET = 0x1100;
inline constexpr std::size_t INFO_BLOCK_LENGTH = 0x20;
inline constexpr std::uint32_t APP_ADDRESS_BASE = 0x08000000;
inline constexpr std::uint16_t MERGED_APP_TYPE_WORD = 0x0301;
inline constexpr std::size_t BOOT_REGION_SIZE = 0x1000;

inline constexpr int INFO_TYPE_BOOT1 = 1;
inline constexpr int INFO_TYPE_BOOT2 = 2;
inline constexpr int INFO_TYPE_APP1 = 3;
inline constexpr int INFO_TYPE_APP2 = 4;

// The 32-byte little-endian info block of an image. Bytes 8 to 15 are read both ways: the
// boot-loader view (wBootVersion ... wCodeSize) and the application view (byVerMinor ...).
struct FirmwareInfoBlock {
    std::uint16_t wMagic = 0;
    std::uint16_t wType = 0;
    std::uint16_t wSize = 0;
    std::uint16_t wReserved = 0;
    // boot-loader view
    std::uint16_t wBootVersion = 0;
    std::uint16_t wChipType = 0;
    std::uint16_t wBootSize = 0;
    // application view (the same bytes as wBootVersion and wChipType)
    std::uint8_t byVerMinor = 0;
    std::uint8_t byVerMajor = 0;
    std::uint16_t wModuleType = 0;
    std::uint16_t wAppSize = 0;
    // common to both views
    std::uint16_t wCodeSize = 0;
    std::uint32_t dwAppAddress = 0;
    std::uint32_t dwInfoStageAddress = 0;
    std::uint32_t dwAppStageAddress = 0;
    std::uint32_t dwReserved = 0;

    // Reads the block at nOffset; the buffer must hold nOffset + 32 bytes.
    static FirmwareInfoBlock Read(const unsigned char* pBuffer, std::size_t nOffset);

    bool HasMarker() const { return wMagic == INFO_MAGIC; }
    int TypeCode() const { return wType >> 8; }
    int TypeVersion() const { return wType & 0xFF; }
    bool IsBootLoaderType() const {
        return TypeCode() == INFO_TYPE_BOOT1 || TypeCode() == INFO_TYPE_BOOT2;
    }
    bool IsAppType() const { return TypeCode() == INFO_TYPE_APP1 || TypeCode() == INFO_TYPE_APP2; }
};

// The little-endian 32-bit word at p.
std::uint32_t DoubleWord(const unsigned char* p);

// The label of a type word, as it follows the word in a report (" (App类型1 版本 2) ").
QString InfoTypeLabel(std::uint16_t wType);

// Appends the type label to the report and returns the type code. Appends no line end.
int AppendInfoTypeLabel(QString& strReport, std::uint16_t wType);

// dwAppAddress - 0x08000000 in 32 bits with wrap-around, as a signed number.
std::int32_t AppAddressOffset(std::uint32_t dwAppAddress);

// "%d.%02d" of major and minor.
QString FormatAppVersion(std::uint8_t byMajor, std::uint8_t byMinor);
