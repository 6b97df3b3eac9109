#pragma once

#include <QByteArray>

#include "firmware/workspace/MergeOptions.h"

struct FirmwareWorkspace;

// The bytes of the merged file in the output format: the image itself for FORMAT_BIN (not
// copied), its HEX or S-record text otherwise.
QByteArray FirmwareFileBytes(const FirmwareWorkspace& ws, const MergeOptions& options);

// A text format cannot address an image that runs past 4 GiB from its load address: writes
// the refusal to the run log and returns true then.
bool ReportAddressOverflow(const FirmwareWorkspace& ws, const MergeOptions& options);
