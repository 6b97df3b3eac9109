#include "firmware/Workspace.h"

#include <cstring>

void ResetFirmwareWorkspace(FirmwareWorkspace& ws) {
    std::memset(ws.BootBuf, 0, sizeof ws.BootBuf);
    std::memset(ws.AppBuf, 0, sizeof ws.AppBuf);
    std::memset(ws.FirmwareBuf, 0, sizeof ws.FirmwareBuf);
    std::memset(ws.StageBuf, 0, sizeof ws.StageBuf);
    ws.nBootSize = ws.nAppSize = ws.nFirmwareSize = 0;
    ws.bBootLoaded = ws.bAppLoaded = false;
    ws.byAppVerMajor = ws.byAppVerMinor = 0;
    ws.strAppFileTitle.clear();
    ws.bootSource = ImageSource();
    ws.appSource = ImageSource();
}
