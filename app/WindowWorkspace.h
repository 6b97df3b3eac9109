#pragma once

#include "firmware/workspace/Workspace.h"

// The window's one firmware workspace, for the life of the process: what its buttons accepted
// and its last merge built.
extern FirmwareWorkspace g_Workspace;
