#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#include "firmware/FirmwareWindow.h"
#include "firmware/Handlers.h"
#include "firmware/ImageFile.h"
#include "firmware/InfoBlock.h"
#include "firmware/Workspace.h"
#include "log/RunLog.h"
#include "platform/FileOpen.h"

namespace {

// A folder that refuses the temporary file may still hold a file the user can write; then the
// file is written in place, which is not atomic.
bool OpenInPlace(QSaveFile& file, const QFileInfo& target) {
    if (!target.isFile() || !target.isWritable()) return false;
    file.setDirectWriteFallback(true);
    return file.open(QIODevice::WriteOnly);
}

// The system's reason when there is one: QSaveFile may only say "Unknown error".
QString FailureReason(const QSaveFile& file, int nError) {
    return nError != 0 ? SystemErrorText(nError) : file.errorString();
}

bool WriteAndCommit(QSaveFile& file, QString& strError) {
    const qint64 nSize = g_nFirmwareSize;
    errno = 0;
    if (file.write(reinterpret_cast<const char*>(g_FirmwareBuf), nSize) != nSize) {
        strError = FailureReason(file, errno);
        file.cancelWriting();
        return false;
    }
    errno = 0;
    if (!file.commit()) {
        strError = FailureReason(file, errno);
        return false;
    }
    return true;
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
    if (ReportMissingImages()) return 0;
    std::memcpy(g_FirmwareBuf, g_BootBuf, BOOT_REGION_SIZE);
    std::memcpy(g_FirmwareBuf + BOOT_REGION_SIZE, g_AppBuf, static_cast<size_t>(g_nAppSize));
    g_nFirmwareSize = g_nAppSize + static_cast<std::int32_t>(BOOT_REGION_SIZE);
    WriteLog(QString::asprintf("Firmware File Size %d \r\n", g_nFirmwareSize));
    return 1;
}

int OnBnClickedMergeFirmware(IFirmwareWindow& wnd) {
    if (!MergeFirmwareImages()) return 0;
    QString strPath;
    if (!wnd.ChooseSaveFile(ProposedFirmwareName(), QStringLiteral("bin"), strPath)) return 0;
    wnd.SetControlText(IDC_OUTPUT_PATH, strPath);
    return SaveFirmwareFile(strPath);
}

int SaveFirmwareFile(const QString& strPath) {
    const QFileInfo target(strPath);
    // Replacing a device, FIFO or folder with a regular file would destroy it.
    if (target.exists() && !target.isFile()) {
        WriteLog(FileLogLine("保存", strPath, QStringLiteral("失败, 不是普通文件")));
        return 0;
    }
    QSaveFile file(strPath);
    const bool bDirect = !file.open(QIODevice::WriteOnly) && OpenInPlace(file, target);
    if (!file.isOpen()) {
        WriteLog(FileLogLine("创建", strPath, QStringLiteral("失败")));
        return 0;
    }
    WriteLog(FileLogLine("创建", strPath, QStringLiteral("成功")));
    if (bDirect) {
        WriteLog(
            FileLogLine("保存", strPath, QStringLiteral("直接写入, 文件夹不可写, 不是原子保存")));
    }
    QString strError;
    if (!WriteAndCommit(file, strError)) {
        WriteLog(FileLogLine("保存", strPath, QStringLiteral("失败, ") + strError));
        return 0;
    }
    WriteLog(FileLogLine("保存", strPath, QStringLiteral("完成")));
    return 1;
}
