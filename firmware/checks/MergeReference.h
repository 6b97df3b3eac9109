#pragma once

#include <cstdint>

#include "firmware/checks/FirmwareVerify.h"
#include "firmware/checks/LayoutChecks.h"

struct FirmwareWorkspace;

// What a merge of the workspace's accepted images will be: the whole boot loader as it was
// read, the App, where their files started, and the fill byte. The one reference of the
// merge's checks, the window's verify report and layout strip, and verify --boot.
VerifyReference MergeReferenceOf(const FirmwareWorkspace& ws, std::uint8_t byFill);

// The layout checks' input of a merge of the reference's boot loader and App.
LayoutInput MergeLayoutOf(const VerifyReference& ref);
