#pragma once

#include <QByteArray>
#include <QJsonObject>

#include "cli/CliOptions.h"

class IFirmwarePrompts;
struct FirmwareWorkspace;

// flash FILE / flash BOOT APP: 0 when flashed and verified, 1 when refused, declined or failed.
// BOOT APP are merged in ws.
int RunFlash(const CliOptions& options, FirmwareWorkspace& ws, IFirmwarePrompts& prompts);
// module: the module's info blocks and the server; 0 when both blocks were read.
int RunModule(const CliOptions& options);
// read -o FILE: the module's firmware region saved; 0 when saved.
int RunRead(const CliOptions& options);

// verify IMAGE --gdb: the module compared with the image as diff compares two files. 0 when
// the module holds the image, 3 when it differs, 1 when it cannot be read; the finding in
// *pJson for verify's JSON.
int CompareWithModule(const CliOptions& options, const QByteArray& image, QJsonObject* pJson);
