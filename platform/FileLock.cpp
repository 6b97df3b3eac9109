#include "platform/FileLock.h"

#include <QFile>

#ifndef Q_OS_WIN
#include <sys/file.h>
#endif

bool LockFileExclusive(QFile& file) {
#ifdef Q_OS_WIN
    Q_UNUSED(file);
    return true;  // share modes are given to the open itself there
#else
    int fd = file.handle();
    if (fd < 0) return false;
    return ::flock(fd, LOCK_EX | LOCK_NB) == 0;
#endif
}
