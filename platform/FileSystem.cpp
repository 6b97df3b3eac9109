#include "platform/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

#include "platform/FileOpen.h"

QChar NativeSeparator() {
#ifdef Q_OS_WIN
    return QLatin1Char('\\');
#else
    return QLatin1Char('/');
#endif
}

QString ToNativeSeparators(QString strPath) {
    strPath.replace(QLatin1Char('/'), NativeSeparator());
    strPath.replace(QLatin1Char('\\'), NativeSeparator());
    return strPath;
}

bool IsAbsoluteLogPath(const QString& strPath) {
    if (strPath.size() >= 2 && strPath[1] == QLatin1Char(':')) return true;
    return strPath.startsWith(QLatin1Char('\\')) || strPath.startsWith(QLatin1Char('/'));
}

QString LogRootFolder() {
#ifdef Q_OS_WIN
    return QStringLiteral("D:/logs/Quorrix");
#else
    QString strState = qEnvironmentVariable("XDG_STATE_HOME");
    if (strState.isEmpty()) strState = QDir::homePath() + QStringLiteral("/.local/state");
    return strState + QStringLiteral("/Quorrix");
#endif
}

int CreateFolderTree(const QString& strPath) {
#ifdef Q_OS_WIN
    const int nExists = 183;
#else
    const int nExists = EEXIST;
#endif
    if (QFileInfo(strPath).isDir()) return nExists;
    errno = 0;
    if (QDir().mkpath(strPath)) return 0;
    return errno != 0 ? errno : EIO;
}

bool ReadRegularFile(const QByteArray& nativePath, QByteArray& contents) {
    contents.clear();
    QFile file;
    if (OpenRegularFile(nativePath, file) != FileOpenResult::Opened) return false;
    contents = file.readAll();  // a read error ends the input; what was read stays
    return true;
}
