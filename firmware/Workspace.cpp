#include "firmware/Workspace.h"

#include <cstring>

#include "platform/InitOrder.h"

FirmwareWorkspace g_Workspace QUORRIX_INIT_ORDER(INIT_ORDER_WORKSPACE);

void ResetFirmwareWorkspace() {
    std::memset(g_Workspace.BootBuf, 0, sizeof g_Workspace.BootBuf);
    std::memset(g_Workspace.AppBuf, 0, sizeof g_Workspace.AppBuf);
    std::memset(g_Workspace.FirmwareBuf, 0, sizeof g_Workspace.FirmwareBuf);
    std::memset(g_Workspace.StageBuf, 0, sizeof g_Workspace.StageBuf);
    g_Workspace.nBootSize = g_Workspace.nAppSize = g_Workspace.nFirmwareSize = 0;
    g_Workspace.bBootLoaded = g_Workspace.bAppLoaded = false;
    g_Workspace.byAppVerMajor = g_Workspace.byAppVerMinor = 0;
    g_Workspace.strAppFileTitle.clear();
    g_Workspace.bootSource = ImageSource();
    g_Workspace.appSource = ImageSource();
}
