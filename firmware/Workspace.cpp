#include "firmware/Workspace.h"

#include <cstring>

#include "firmware/InfoBlock.h"
#include "firmware/OutputFormat.h"
#include "platform/InitOrder.h"

unsigned char g_BootBuf[BOOT_BUF_SIZE];
unsigned char g_AppBuf[APP_BUF_SIZE];
unsigned char g_FirmwareBuf[FIRMWARE_BUF_SIZE];
unsigned char g_StageBuf[APP_BUF_SIZE];
std::int32_t g_nBootSize = 0;
std::int32_t g_nAppSize = 0;
std::int32_t g_nFirmwareSize = 0;
std::uint8_t g_bBootLoaded = 0;
std::uint8_t g_bAppLoaded = 0;
std::uint8_t g_byAppVerMajor = 0;
std::uint8_t g_byAppVerMinor = 0;
QString g_strAppFileTitle QUORRIX_INIT_ORDER(INIT_ORDER_WORKSPACE);
std::uint8_t g_byFillByte = 0;
int g_nFirmwareFormat = FORMAT_BIN;
std::uint32_t g_dwLoadAddress = APP_ADDRESS_BASE;
int g_nRecordBytes = 16;

void ResetFirmwareWorkspace() {
    std::memset(g_BootBuf, 0, sizeof g_BootBuf);
    std::memset(g_AppBuf, 0, sizeof g_AppBuf);
    std::memset(g_FirmwareBuf, 0, sizeof g_FirmwareBuf);
    std::memset(g_StageBuf, 0, sizeof g_StageBuf);
    g_nBootSize = g_nAppSize = g_nFirmwareSize = 0;
    g_bBootLoaded = g_bAppLoaded = 0;
    g_byAppVerMajor = g_byAppVerMinor = 0;
    g_strAppFileTitle.clear();
    g_byFillByte = 0;
    g_nFirmwareFormat = FORMAT_BIN;
    g_dwLoadAddress = APP_ADDRESS_BASE;
    g_nRecordBytes = 16;
}
