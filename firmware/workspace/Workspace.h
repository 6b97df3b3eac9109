#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

#include "firmware/checks/InfoBlock.h"
#include "firmware/formats/ImageReader.h"
#include "firmware/workspace/InputFile.h"

inline constexpr int BOOT_BUF_SIZE = 0x20000;
inline constexpr int APP_BUF_SIZE = 0x20000;
inline constexpr int FIRMWARE_BUF_SIZE = 0x40000;
inline constexpr int BOOT_READ_LIMIT = 0x10000;  // only this much of a boot loader is kept
// The rest of a boot loader up to this length is scanned for code the boot region cuts off.
inline constexpr std::int64_t BOOT_SCAN_LIMIT = INPUT_FILE_LIMIT;
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

// Where an accepted image came from: its file, the digest of the bytes that were read (what a
// merge used, whatever the file holds later), and when the file carried addresses the address
// of its first byte, where its segments lie and its entry address if it named one.
struct ImageSource {
    QString strPath;
    std::int64_t nFileSize = 0;
    QByteArray sha256;  // raw digest of the whole file as it was read
    bool bHasAddress = false;
    std::uint32_t dwStart = 0;
    QString strFormat = QStringLiteral("bin");
    std::vector<ImageSpan> segments;
    std::optional<std::uint32_t> entry;
    TailScan tail;  // what lies past the bytes kept in the workspace
};

// The firmware workspace: what the inspections accepted and the last merge built. Zero when
// made; an image is taken over only when it is accepted. The window has one for the process,
// quorrix-cli one for its run; each is large, so it is made once, never on the stack.
struct FirmwareWorkspace {
    unsigned char BootBuf[BOOT_BUF_SIZE] = {};
    unsigned char AppBuf[APP_BUF_SIZE] = {};
    unsigned char FirmwareBuf[FIRMWARE_BUF_SIZE] = {};
    // Where a file is read before it is accepted, so that a declined or failed file leaves the
    // accepted image as it was. Bytes past the file's end are zero.
    unsigned char StageBuf[APP_BUF_SIZE] = {};
    std::int32_t nBootSize = 0;
    std::int32_t nAppSize = 0;
    std::int32_t nFirmwareSize = 0;
    bool bBootLoaded = false;
    bool bAppLoaded = false;
    std::uint8_t byAppVerMajor = 0;
    std::uint8_t byAppVerMinor = 0;
    QString strAppFileTitle;
    ImageSource bootSource;
    ImageSource appSource;
};

// Takes an image read from a file into the workspace as its boot loader: the first n bytes of
// pBytes that the boot buffer holds (zero past them), nLength the whole image's length.
void TakeBootLoader(FirmwareWorkspace& ws, const unsigned char* pBytes, std::size_t n,
                    std::int32_t nLength, const ImageSource& source);
// The same for the App, whose buffer holds it whole.
void TakeApp(FirmwareWorkspace& ws, const unsigned char* pBytes, std::int32_t nLength,
             const ImageSource& source);

// Back to the state it was made in (tests, fuzzing).
void ResetFirmwareWorkspace(FirmwareWorkspace& ws);
