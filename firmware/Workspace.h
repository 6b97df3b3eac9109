#pragma once

#include <QString>
#include <cstdint>

#include "firmware/InfoBlock.h"

inline constexpr int BOOT_BUF_SIZE = 0x20000;
inline constexpr int APP_BUF_SIZE = 0x20000;
inline constexpr int FIRMWARE_BUF_SIZE = 0x40000;
inline constexpr int BOOT_READ_LIMIT = 0x10000;  // only this much of a boot loader is read
inline constexpr std::int64_t BOOT_FILE_LIMIT = 0x7FFFFFFF;  // lengths are 32-bit signed counts
inline constexpr std::int64_t APP_FILE_LIMIT = APP_BUF_SIZE;

// The copies between the buffers rely on these.
static_assert(BOOT_REGION_SIZE <= BOOT_BUF_SIZE, "the boot region is cut from the boot buffer");
static_assert(BOOT_REGION_SIZE + APP_BUF_SIZE <= FIRMWARE_BUF_SIZE,
              "a merged image holds the boot region and the largest App");
static_assert(BOOT_READ_LIMIT <= APP_BUF_SIZE, "a boot loader is staged in the stage buffer");
static_assert(APP_FILE_LIMIT <= APP_BUF_SIZE, "a whole App fits the stage and App buffers");
static_assert(INFO_BLOCK2_OFFSET + INFO_BLOCK_LENGTH <= APP_BUF_SIZE,
              "both info blocks are read from the stage buffer");

// The firmware workspace: what the inspections accepted and the last merge built. Zero at
// start-up; an image is taken over only when it is accepted.
extern unsigned char g_BootBuf[BOOT_BUF_SIZE];
extern unsigned char g_AppBuf[APP_BUF_SIZE];
extern unsigned char g_FirmwareBuf[FIRMWARE_BUF_SIZE];
extern std::int32_t g_nBootSize;
extern std::int32_t g_nAppSize;
extern std::int32_t g_nFirmwareSize;
extern std::uint8_t g_bBootLoaded;
extern std::uint8_t g_bAppLoaded;
extern std::uint8_t g_byAppVerMajor;
extern std::uint8_t g_byAppVerMinor;
extern QString g_strAppFileTitle;

// How the merge builds and writes its file: the byte that pads a short boot loader to 4096
// (the window keeps 0x00), the output format (FORMAT_BIN, _HEX, _SREC), the load address of
// byte 0 and the data bytes a record of the text formats.
extern std::uint8_t g_byFillByte;
extern int g_nFirmwareFormat;
extern std::uint32_t g_dwLoadAddress;
extern int g_nRecordBytes;

// Where a file is read before it is accepted, so that a declined or failed file leaves the
// accepted image as it was. Bytes past the file's end are zero.
extern unsigned char g_StageBuf[APP_BUF_SIZE];

// Back to the start-up state (tests, fuzzing).
void ResetFirmwareWorkspace();
