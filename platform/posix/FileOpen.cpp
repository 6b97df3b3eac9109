#include "platform/FileOpen.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>

FileOpenResult OpenRegularFile(const QString& strPath, QFile& file) {
    const QByteArray nativePath = QFile::encodeName(strPath);
    const int fd = ::open(nativePath.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return FileOpenResult::Failed;
    struct stat st {};
    FileOpenResult result = FileOpenResult::Opened;
    if (::fstat(fd, &st) != 0) {
        result = FileOpenResult::Failed;
    } else if (!S_ISREG(st.st_mode)) {
        result = FileOpenResult::NotRegular;
    } else if (::flock(fd, LOCK_SH | LOCK_NB) != 0) {
        result = errno == EWOULDBLOCK ? FileOpenResult::Locked : FileOpenResult::Failed;
    } else if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0 ||
               !file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered,
                          QFileDevice::AutoCloseHandle)) {
        result = FileOpenResult::Failed;
    }
    if (result != FileOpenResult::Opened) ::close(fd);
    return result;
}

bool IsSpecialFile(const QString& strPath) {
    const QFileInfo info(strPath);
    return info.exists() && !info.isFile();
}

bool OpenAppendFile(const QString& strPath, QFile& file) {
    file.setFileName(strPath);
    return file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
}

bool AppendWhole(QFile& file, const QByteArray& bytes, QString& strError) {
    const int fd = file.handle();
    if (fd < 0) {
        strError = SystemErrorText(EBADF);
        return false;
    }
    qsizetype nDone = 0;
    int nError = 0;
    while (nDone < bytes.size() && nError == 0) {
        const ssize_t n = ::write(fd, bytes.constData() + nDone, size_t(bytes.size() - nDone));
        if (n > 0) {
            nDone += n;
        } else if (n == 0 || errno != EINTR) {
            nError = n == 0 ? EIO : errno;
        }
    }
    if (nError == 0) return true;
    // The disk is full or the size limit reached: no other copy appended after these bytes.
    struct stat st {};
    if (nDone > 0 && ::fstat(fd, &st) == 0 && ::ftruncate(fd, st.st_size - nDone) != 0) {
        nError = errno;
    }
    strError = SystemErrorText(nError);
    return false;
}
