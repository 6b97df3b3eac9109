#pragma once

#include <QByteArray>

#include "firmware/workspace/CoreResult.h"
#include "firmware/workspace/MergeOptions.h"

struct FirmwareWorkspace;

// The bytes of the merged file in the output format: the image itself for FORMAT_BIN (not
// copied), its HEX or S-record text otherwise.
QByteArray FirmwareFileBytes(const FirmwareWorkspace& ws, const MergeOptions& options);

// A text format cannot address an image that runs past 4 GiB from its load address: then
// AddressOverflow, at the load address.
CoreResult CheckAddressSpace(const FirmwareWorkspace& ws, const MergeOptions& options);
