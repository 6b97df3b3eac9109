#include "firmware/workspace/Workspace.h"

#include <algorithm>
#include <cstring>

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
    std::memcpy(ws.AppBuf, pBytes, static_cast<std::size_t>(std::clamp(nLength, 0, APP_BUF_SIZE)));
    ws.nAppSize = nLength;
    ws.bAppLoaded = true;
    ws.appSource = source;
}

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
