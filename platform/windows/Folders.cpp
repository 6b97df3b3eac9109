#include <windows.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "platform/FileSystem.h"

QChar NativeSeparator() { return QLatin1Char('\\'); }

namespace {

bool DriveTakesLogs(const wchar_t* pRoot) {
    const UINT nType = GetDriveTypeW(pRoot);
    return nType == DRIVE_FIXED || nType == DRIVE_REMOVABLE || nType == DRIVE_REMOTE ||
           nType == DRIVE_RAMDISK;
}

}  // namespace

QString LogRootFolder() {
    // Drive D: is where the workshop PCs keep their logs. Where it is missing, or a CD drive,
    // a log there could never be written and would be lost: the user's own data folder then.
    if (DriveTakesLogs(L"D:\\")) return QStringLiteral("D:/logs/Quorrix");
    QString strData = qEnvironmentVariable("LOCALAPPDATA");
    if (strData.isEmpty()) strData = QDir::homePath() + QStringLiteral("/AppData/Local");
    return QDir::fromNativeSeparators(strData) + QStringLiteral("/Quorrix/logs");
}

// The installer puts the sample catalogue beside the program.
QString ConfigFolder() { return QCoreApplication::applicationDirPath(); }

QString WindowSettingsFile() { return QString(); }

int CreateFolderTree(const QString& strPath) {
    if (QFileInfo(strPath).isDir()) return ERROR_ALREADY_EXISTS;
    SetLastError(ERROR_SUCCESS);
    if (QDir().mkpath(strPath)) return 0;
    const DWORD nError = GetLastError();
    return nError != ERROR_SUCCESS ? static_cast<int>(nError) : ERROR_PATH_NOT_FOUND;
}
