#pragma once

#include <cstdint>

#include "firmware/checks/InfoBlock.h"
#include "firmware/workspace/OutputFormat.h"

// How a merge builds and writes its file. The window keeps the defaults but for the format
// its save dialog chose; quorrix-cli takes them from its command line.
struct MergeOptions {
    std::uint8_t byFill = 0;  // pads a short boot loader to 4096 bytes
    int nFormat = FORMAT_BIN;
    // The load address of byte 0 in HEX and S-records: --base when given, else the boot
    // loader's own start address when its file carried one, else 0x08000000.
    bool bBaseGiven = false;
    std::uint32_t dwBase = APP_ADDRESS_BASE;
    int nRecordBytes = 16;  // data bytes a record of the text formats
};

struct FirmwareWorkspace;

// The load address that the text formats are written at, for the workspace's boot loader.
std::uint32_t LoadAddressOf(const FirmwareWorkspace& ws, const MergeOptions& options);
