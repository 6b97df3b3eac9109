#include <QDir>
#include <QFileInfo>
#include <cerrno>

#include "platform/FileSystem.h"

QChar NativeSeparator() { return QLatin1Char('/'); }

QString LogRootFolder() {
    QString strState = qEnvironmentVariable("XDG_STATE_HOME");
    if (strState.isEmpty()) strState = QDir::homePath() + QStringLiteral("/.local/state");
    return strState + QStringLiteral("/Quorrix");
}

QString ConfigFolder() {
    QString strConfig = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (strConfig.isEmpty()) strConfig = QDir::homePath() + QStringLiteral("/.config");
    return strConfig + QStringLiteral("/Quorrix");
}

QString WindowSettingsFile() { return ConfigFolder() + QStringLiteral("/Quorrix.conf"); }

int CreateFolderTree(const QString& strPath) {
    if (QFileInfo(strPath).isDir()) return EEXIST;
    errno = 0;
    if (QDir().mkpath(strPath)) return 0;
    return errno != 0 ? errno : EIO;
}
