#include "firmware/checks/MergeReference.h"

#include <algorithm>

#include "firmware/workspace/Workspace.h"

namespace {

QByteArray BytesOf(const unsigned char* pBuffer, std::int64_t nLength) {
    return QByteArray(reinterpret_cast<const char*>(pBuffer), static_cast<qsizetype>(nLength));
}

}  // namespace

VerifyReference MergeReferenceOf(const FirmwareWorkspace& ws, std::uint8_t byFill) {
    VerifyReference ref;
    ref.byFill = byFill;
    ref.bHasBoot = ws.bBootLoaded;
    if (ref.bHasBoot) {
        // The buffer keeps the first BOOT_READ_LIMIT bytes; the scan of the read saw the rest.
        ref.boot = BytesOf(ws.BootBuf, std::clamp(ws.nBootSize, 0, BOOT_READ_LIMIT));
        ref.nBootLength = ws.nBootSize;
        ref.bootTail = ws.bootSource.tail;
        ref.bBootHasAddress = ws.bootSource.bHasAddress;
        ref.dwBootStart = ws.bootSource.dwStart;
    }
    ref.bHasApp = ws.bAppLoaded;
    if (ref.bHasApp) {
        ref.app = BytesOf(ws.AppBuf, std::clamp(ws.nAppSize, 0, APP_BUF_SIZE));
        ref.bAppHasAddress = ws.appSource.bHasAddress;
        ref.dwAppStart = ws.appSource.dwStart;
    }
    return ref;
}

LayoutInput MergeLayoutOf(const VerifyReference& ref) {
    LayoutInput input;
    input.boot = ref.boot;
    input.bBootWhole = ref.bHasBoot;
    input.nBootLength = ref.nBootLength;
    input.bootTail = ref.bootTail;
    input.app = ref.app;
    input.bBootHasAddress = ref.bHasBoot && ref.bBootHasAddress;
    input.dwBootStart = ref.dwBootStart;
    input.bAppHasAddress = ref.bHasApp && ref.bAppHasAddress;
    input.dwAppStart = ref.dwAppStart;
    return input;
}
