#include <QSaveFile>
#include <cstring>

#include "firmware/BootRegion.h"
#include "firmware/FirmwareOutput.h"
#include "firmware/FirmwareWindow.h"
#include "firmware/Handlers.h"
#include "firmware/InfoBlock.h"
#include "firmware/OutputFormat.h"
#include "firmware/Workspace.h"
#include "log/RunLog.h"

namespace {

QString FileLine(const char* pVerb, const QString& strPath, const QString& strOutcome) {
    return QString::asprintf("%s File %ls = ", pVerb, qUtf16Printable(strPath)) + strOutcome;
}

// Without both images there is nothing to merge; saying which is missing beats saving a
// file that cannot work.
bool ReportMissingImages() {
    if (g_bBootLoaded && g_bAppLoaded) return false;
    const char* pMissing = !g_bBootLoaded && !g_bAppLoaded ? "BootLoader 文件和 App 文件"
                           : !g_bBootLoaded                ? "BootLoader 文件"
                                                           : "App 文件";
    WriteLog(QString::asprintf("合成固件 = 失败, 未加载 %s", pMissing));
    return true;
}

}  // namespace

QString ProposedFirmwareName() {
    if (g_byAppVerMajor != 0) {
        return g_strAppFileTitle + QLatin1Char('_') +
               FormatAppVersion(g_byAppVerMajor, g_byAppVerMinor);
    }
    return g_strAppFileTitle + QLatin1String("_all");
}

int OnBnClickedMergeFirmware(IFirmwareWindow& wnd) {
    WriteLog(
        QString::asprintf("Btldr File Size %d \r\nApp File Size %d \r\n", g_nBootSize, g_nAppSize));
    if (g_byFillByte != 0) WriteLog(QString::asprintf("Fill Byte 0x%02X", g_byFillByte));
    if (ReportMissingImages()) return 0;
    std::memcpy(g_FirmwareBuf, g_BootBuf, BOOT_REGION_SIZE);
    PadBootRegion(g_FirmwareBuf, g_nBootSize, g_byFillByte);
    std::memcpy(g_FirmwareBuf + BOOT_REGION_SIZE, g_AppBuf, static_cast<size_t>(g_nAppSize));
    g_nFirmwareSize = g_nAppSize + static_cast<std::int32_t>(BOOT_REGION_SIZE);
    WriteLog(QString::asprintf("Firmware File Size %d \r\n", g_nFirmwareSize));
    if (ReportAddressOverflow()) return 0;

    QString strPath;
    if (!wnd.ChooseSaveFile(ProposedFirmwareName(), FormatExtension(g_nFirmwareFormat), strPath))
        return 0;
    wnd.SetControlText(IDC_OUTPUT_PATH, strPath);
    return SaveFirmwareFile(strPath);
}

int SaveFirmwareFile(const QString& strPath) {
    QSaveFile file(strPath);
    if (!file.open(QIODevice::WriteOnly)) {
        WriteLog(FileLine("创建", strPath, QStringLiteral("失败")));
        return 0;
    }
    WriteLog(FileLine("创建", strPath, QStringLiteral("成功")));
    const QByteArray bytes = FirmwareFileBytes();
    bool bWritten = file.write(bytes) == bytes.size();
    QString strError = file.errorString();
    if (!bWritten) {
        file.cancelWriting();
    } else if (!file.commit()) {
        bWritten = false;
        strError = file.errorString();
    }
    if (!bWritten) {
        WriteLog(FileLine("保存", strPath, QStringLiteral("失败, ") + strError));
        return 0;
    }
    WriteLog(FileLine("保存", strPath, QStringLiteral("完成")));
    return 1;
}
