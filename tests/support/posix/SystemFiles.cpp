#include "tests/support/SystemFiles.h"

#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <cerrno>

QString NullDevice() { return QStringLiteral("/dev/null"); }
QString ZeroDevice() { return QStringLiteral("/dev/zero"); }
QString FullDevice() { return QStringLiteral("/dev/full"); }

bool MakeFifo(const QString& strPath) {
    return ::mkfifo(QFile::encodeName(strPath).constData(), 0600) == 0;
}

// Root writes into any folder it may not write; the immutable flag stops even root.
bool FolderRefusesNewFiles(const QString& strFolder, bool bRefuse) {
    if (::geteuid() != 0) {
        return ::chmod(QFile::encodeName(strFolder).constData(), bRefuse ? 0555 : 0755) == 0;
    }
    return QProcess::execute(QStringLiteral("chattr"),
                             {bRefuse ? QStringLiteral("+i") : QStringLiteral("-i"), strFolder}) ==
           0;
}

bool LockFile(QFile& file, bool bExclusive) {
    return ::flock(file.handle(), bExclusive ? LOCK_EX : LOCK_SH) == 0;
}

int AlreadyExists() { return EEXIST; }
