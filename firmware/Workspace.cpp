#include "firmware/Workspace.h"

#include <algorithm>
#include <cstring>

#include "platform/InitOrder.h"

FirmwareWorkspace g_Workspace QUORRIX_INIT_ORDER(INIT_ORDER_WORKSPACE);

void TakeBootLoader(FirmwareWorkspace& ws, const unsigned char* pBytes, std::size_t n,
                    std::int32_t nLength, const ImageSource& source) {
    std::memset(ws.BootBuf, 0, sizeof ws.BootBuf);
    std::memcpy(ws.BootBuf, pBytes, std::min(n, sizeof ws.BootBuf));
    ws.nBootSize = nLength;
    ws.bBootLoaded = true;
    ws.bootSource = source;
}

void TakeApp(FirmwareWorkspace& ws, const unsigned char* pBytes, std::int32_t nLength,
             const ImageSource& source) {
    std::memset(ws.AppBuf, 0, sizeof ws.AppBuf);
    std::memcpy(ws.AppBuf, pBytes, std::clamp<std::size_t>(nLength, 0, sizeof ws.AppBuf));
    ws.nAppSize = nLength;
    ws.bAppLoaded = true;
    ws.appSource = source;
}

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
