#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

#include "firmware/workspace/MergeOptions.h"

class QCoreApplication;

enum class CliCommand { Boot, App, Merge, Verify, Diff, Flash, Module, Read };
enum class CliAnswer { Ask, Yes, No };

struct CliOptions {
    CliCommand command = CliCommand::Boot;
    QStringList files;  // BOOT and/or APP
    QString strOutput;  // -o, merge only; empty: the proposed name in the current folder; a
                        // folder: the proposed name there; "-": standard output
    QString strCatalogue = QStringLiteral("./DeviceList.Ini");
    CliAnswer answer = CliAnswer::Ask;
    bool bJson = false;
    bool bForce = false;  // replace an existing output without asking
    QString strBoot;      // --boot and --app, verify only
    QString strApp;
    MergeOptions merge;  // --fill (merge and verify), --format, --base, --record-bytes
    // The module behind a GDB server: flash, module, read, verify --gdb.
    QString strGdb;            // --gdb ADDRESS
    QString strServer;         // --server NAME, empty: told from its answers
    bool bReset = true;        // --no-reset
    bool bBackup = true;       // --no-backup
    std::uint32_t dwSize = 0;  // --size, read only; 0: the firmware region
};

enum class CliParse { Run, ExitOk, UsageError };

// Parses the command line. --help and --version print and give ExitOk; a wrong command line
// gives UsageError with the reason printed on standard error.
CliParse ParseCliOptions(const QStringList& arguments, CliOptions& options);
