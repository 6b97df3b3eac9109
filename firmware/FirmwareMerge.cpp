#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#include "firmware/BootRegion.h"
#include "firmware/FirmwareOutput.h"
#include "firmware/FirmwareWindow.h"
#include "firmware/Handlers.h"
#include "firmware/ImageFile.h"
#include "firmware/InfoBlock.h"
#include "firmware/OutputFormat.h"
#include "firmware/Workspace.h"
#include "log/RunLog.h"
#include "platform/FileOpen.h"

namespace {

// The system's reason when there is one: QSaveFile may only say "Unknown error".
QString FailureReason(const QFileDevice& file, int nError) {
    return nError != 0 ? SystemErrorText(nError) : file.errorString();
}

// Writes the merged image; finish commits or closes. The reason of a failure in strError.
template <typename TFile, typename TFinish>
bool WriteImage(TFile& file, TFinish finish, QString& strError) {
    const QByteArray bytes = FirmwareFileBytes();
    errno = 0;
    if (file.write(bytes) == bytes.size()) {
        errno = 0;
        if (finish(file)) return true;
    }
    strError = FailureReason(file, errno);
    return false;
}

bool Commit(QSaveFile& file) { return file.commit(); }
bool FlushAndClose(QFile& file) {
    const bool bFlushed = file.flush();
    file.close();
    return bFlushed && file.error() == QFileDevice::NoError;
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

int MergeFirmwareImages() {
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
    return 1;
}

int OnBnClickedMergeFirmware(IFirmwareWindow& wnd) {
    if (!MergeFirmwareImages()) return 0;
    QString strPath;
    if (!wnd.ChooseSaveFile(ProposedFirmwareName(), FormatExtension(g_nFirmwareFormat), strPath))
        return 0;
    wnd.SetControlText(IDC_OUTPUT_PATH, strPath);
    return SaveFirmwareFile(strPath);
}

int SaveFirmwareFile(const QString& strPath) {
    // Replacing a device, FIFO or folder with a regular file would destroy it.
    if (IsSpecialFile(strPath)) {
        WriteLog(FileLogLine("保存", strPath, QStringLiteral("失败, 不是普通文件")));
        return 0;
    }
    QString strError;
    QSaveFile file(strPath);
    bool bSaved = false;
    if (file.open(QIODevice::WriteOnly)) {
        WriteLog(FileLogLine("创建", strPath, QStringLiteral("成功")));
        bSaved = WriteImage(file, &Commit, strError);
    } else {
        // A folder that refuses the temporary file may still hold a file the user can write;
        // it is then written in place, which is not atomic.
        QFile direct(strPath);
        const QFileInfo target(strPath);
        if (!target.isFile() || !target.isWritable() ||
            !direct.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            WriteLog(FileLogLine("创建", strPath, QStringLiteral("失败")));
            return 0;
        }
        WriteLog(FileLogLine("创建", strPath, QStringLiteral("成功")));
        WriteLog(
            FileLogLine("保存", strPath, QStringLiteral("直接写入, 文件夹不可写, 不是原子保存")));
        bSaved = WriteImage(direct, &FlushAndClose, strError);
    }
    WriteLog(FileLogLine("保存", strPath,
                         bSaved ? QStringLiteral("完成") : QStringLiteral("失败, ") + strError));
    return bSaved ? 1 : 0;
}
