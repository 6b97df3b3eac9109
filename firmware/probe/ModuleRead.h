#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

#include "firmware/checks/InfoBlock.h"
#include "firmware/probe/GdbTarget.h"

// What a module holds, as far as its two info blocks tell.
struct ModuleInfo {
    QByteArray block1, block2;  // the 32 bytes at 0x08000100 and 0x08001100
    FirmwareInfoBlock b1, b2;
};

inline constexpr std::uint32_t MODULE_BLOCK1_ADDRESS = APP_ADDRESS_BASE + INFO_BLOCK1_OFFSET;
inline constexpr std::uint32_t MODULE_BLOCK2_ADDRESS = APP_ADDRESS_BASE + INFO_BLOCK2_OFFSET;
// The firmware region of a module: the boot region and the largest App.
inline constexpr std::uint32_t MODULE_FIRMWARE_SIZE = 0x21000;

// The blocks of an image as a module at 0x08000000 would hold them.
ModuleInfo ModuleInfoOf(const QByteArray& image);

// Connects and writes the run-log line of the connection, done or not.
ProbeResult ConnectModule(CGdbTarget& target, const QString& strAddress, const QString& strServer);

// Reads both info blocks of the connected module.
ProbeResult ReadModuleInfo(CGdbTarget& target, ModuleInfo& info, IProbeProgress& progress);

// The blocks decoded as the panels' report of a merged file decodes them: block 1 in the
// boot-loader view, then block 2 when its marker is there.
QString ModuleReport(const ModuleInfo& info);

// One line for the run log: "BootLoader 0x0102 芯片 0x0007, App 1.05 模块 0x0021".
QString ModuleSummary(const ModuleInfo& info);

// The server and the target as the connection found them, one "name: value" a line.
QString TargetDescription(const CGdbTarget& target);

// How much of the firmware region reads: dwWanted (0: the whole region), cut at the end of
// the flash where the map says where it ends.
std::uint32_t ModuleReadSize(const CGdbTarget& target, std::uint32_t dwWanted);

// Saves what was read of a module in a merge's output format (bin, hex, srec at 0x08000000),
// replacing a file only once every byte is written; the "创建 File" line either way.
ProbeResult SaveModuleImage(const QString& strPath, const QByteArray& bytes, int nFormat);
