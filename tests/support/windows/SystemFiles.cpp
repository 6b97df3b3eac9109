#include "tests/support/SystemFiles.h"

#include <io.h>
#include <windows.h>

#include <QFile>

QString NullDevice() { return QStringLiteral("NUL"); }
QString ZeroDevice() { return QString(); }
QString FullDevice() { return QString(); }
bool MakeFifo(const QString&) { return false; }
// A folder's permissions are ACLs there, and Wine keeps none.
bool FolderRefusesNewFiles(const QString&, bool) { return false; }

bool LockFile(QFile& file, bool bExclusive) {
    OVERLAPPED overlapped{};
    return LockFileEx(HANDLE(_get_osfhandle(file.handle())),
                      bExclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0, 0, MAXDWORD, MAXDWORD,
                      &overlapped) != FALSE;
}

int AlreadyExists() { return ERROR_ALREADY_EXISTS; }
