#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

#include "firmware/probe/FlashPlan.h"
#include "firmware/probe/GdbTarget.h"
#include "firmware/probe/ModuleRead.h"
#include "firmware/probe/ProbeResult.h"

class IFirmwarePrompts;

// How a flash is run: the server (empty: told from its answers), whether the module is reset
// and run afterwards, whether a backup file is kept and where.
struct FlashOptions {
    QString strServer;
    bool bReset = true;
    bool bBackup = true;
    QString strBackupFolder;     // beside the day's log (DayLogFolder)
    bool bImageChecked = false;  // the merge has checked and asked already
    GdbTimeouts timeouts;
};

// What a flash came to, for the run log's last line, the JSON and the window.
struct FlashReport {
    ProbeResult result;
    ModuleInfo module;  // the module's blocks before the flash
    bool bModuleRead = false;
    FlashPlan plan;
    QString strBackupPath;  // empty without a backup
    std::int64_t nWritten = 0;
    double dWriteSeconds = 0;
    double dVerifySeconds = 0;
    QString strVerifyHow;  // "qCRC" or "回读"
    bool bMarkerWritten = false;
    QString strReset;   // how the module was reset, or empty
    QString strTarget;  // TargetDescription
};

// Flashes a merged image at 0x08000000 into the module behind the GDB server at strAddress:
// the image's checks (a failure is one question), the module's info blocks compared with the
// image's (another module or chip type, or an older App, is a question each), the backup of
// every block to be erased, the erase of only those blocks with their other bytes written
// back, the write, a verify of every byte (qCRC where offered, else read back), the App's
// marker last in a step of its own, then reset and run and detach. Every step is a run-log
// line; a failure names its step, address and the server's words, and leaves no marker.
FlashReport FlashModule(const QString& strAddress, const QByteArray& image,
                        const FlashOptions& options, IFirmwarePrompts& prompts,
                        IProbeProgress& progress);

// The folder of today's run log, where backups are kept.
QString DayLogFolder();
