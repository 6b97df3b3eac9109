#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

#include "firmware/checks/FirmwareVerify.h"
#include "firmware/checks/InfoBlock.h"
#include "firmware/workspace/InputFile.h"

// A boot loader B and an App A as a merge lays them out: B's first 4096 bytes at 0x08000000,
// then A at 0x08001000. Inputs read from files that carry addresses say where they start.
struct LayoutInput {
    QByteArray boot;          // B: the boot loader (in verify: M's first 4096 bytes, or --boot)
    bool bBootWhole = false;  // B itself is at hand (merge, verify --boot): bootCut applies
    std::int64_t nBootLength = -1;  // B's whole length when boot holds only its first bytes
    TailScan bootTail;              // B past the bytes in boot, as it was read
    QByteArray app;                 // A: the App (in verify: M past 4096)
    bool bBootHasAddress = false;
    std::uint32_t dwBootStart = 0;
    bool bAppHasAddress = false;
    std::uint32_t dwAppStart = 0;
    bool bFileHasAddress = false;  // verify: the merged file itself carries addresses
    std::uint32_t dwFileStart = 0;
};

// Where the merge places the App.
inline constexpr std::uint32_t MERGED_APP_ADDRESS = APP_ADDRESS_BASE + BOOT_REGION_SIZE;

// The checks bootCut, appAddress, bootTarget, appStaging, bootVectors, appVectors and
// startAddress, in this order. startAddress is left out when no file carries an address.
// A check that needs a field of a missing block is skipped (bOk, bSkipped).
std::vector<VerifyCheck> CheckLayout(const LayoutInput& input);
