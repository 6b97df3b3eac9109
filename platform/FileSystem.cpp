#include "platform/FileSystem.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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
#ifdef Q_OS_WIN
    QFile file(QString::fromLocal8Bit(nativePath));
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly)) return false;
    contents = file.readAll();
    return true;
#else
    // Non-blocking, so that a FIFO given as the path never hangs the open.
    int fd = ::open(nativePath.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;  // a read error ends the input; what was read stays
        contents.append(buffer, n);
    }
    ::close(fd);
    return true;
#endif
}
