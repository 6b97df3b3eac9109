#include "platform/FileOpen.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>

namespace {

FileOpenResult Fail(int nError, QString* pstrReason, FileOpenResult result) {
    if (pstrReason) *pstrReason = SystemErrorText(nError);
    return result;
}

// A descriptor opened without blocking must be a regular file: checked on the descriptor, so
// nothing can be swapped in between.
FileOpenResult CheckRegular(int fd, QString* pstrReason) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return Fail(errno, pstrReason, FileOpenResult::Failed);
    if (!S_ISREG(st.st_mode)) {
        if (pstrReason) *pstrReason = QStringLiteral("not a regular file");
        return FileOpenResult::NotRegular;
    }
    return FileOpenResult::Opened;
}

// The file takes over the descriptor, which blocks again for the reads and writes to come.
FileOpenResult Adopt(int fd, QIODevice::OpenMode mode, QFile& file, QString* pstrReason) {
    if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        return Fail(errno, pstrReason, FileOpenResult::Failed);
    if (!file.open(fd, mode | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        if (pstrReason) *pstrReason = file.errorString();
        return FileOpenResult::Failed;
    }
    return FileOpenResult::Opened;
}

// The checks on a descriptor opened for reading; the file takes it over on Opened.
FileOpenResult CheckOpened(int fd, QFile& file, QString* pstrReason) {
    const FileOpenResult kind = CheckRegular(fd, pstrReason);
    if (kind != FileOpenResult::Opened) return kind;
    if (::flock(fd, LOCK_SH | LOCK_NB) != 0) {
        const int nError = errno;
        return Fail(nError, pstrReason,
                    nError == EWOULDBLOCK ? FileOpenResult::Locked : FileOpenResult::Failed);
    }
    return Adopt(fd, QIODevice::ReadOnly, file, pstrReason);
}

qint64 Ticks(const struct timespec& t) { return qint64(t.tv_sec) * 1000000000 + t.tv_nsec; }

}  // namespace

FileOpenResult OpenRegularFile(const QString& strPath, QFile& file, QString* pstrReason) {
    const QByteArray nativePath = QFile::encodeName(strPath);
    const int fd = ::open(nativePath.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return Fail(errno, pstrReason, FileOpenResult::Failed);
    const FileOpenResult result = CheckOpened(fd, file, pstrReason);
    if (result != FileOpenResult::Opened) ::close(fd);
    return result;
}

bool ReadFileStamp(const QFile& file, FileStamp& stamp) {
    struct stat st {};
    if (file.handle() < 0 || ::fstat(file.handle(), &st) != 0) return false;
    stamp = {qint64(st.st_size), Ticks(st.st_mtim), Ticks(st.st_ctim)};
    return true;
}

bool IsSameFile(const QString& strPathA, const QString& strPathB) {
    struct stat a {
    }, b{};
    return ::stat(QFile::encodeName(strPathA).constData(), &a) == 0 &&
           ::stat(QFile::encodeName(strPathB).constData(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

bool IsOpenedFile(const QFile& file, const QString& strPath) {
    struct stat open {
    }, named{};
    return file.handle() >= 0 && ::fstat(file.handle(), &open) == 0 &&
           ::stat(QFile::encodeName(strPath).constData(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

bool IsSpecialFile(const QString& strPath) {
    const QFileInfo info(strPath);
    return info.exists() && !info.isFile();
}

bool OpenAppendFile(const QString& strPath, QFile& file, QString& strError) {
    // No link is followed and no FIFO waited on: the day's file is ours or it is refused.
    const int fd = ::open(
        QFile::encodeName(strPath).constData(),
        O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) {
        strError = SystemErrorText(errno);
        return false;
    }
    const bool bOk = CheckRegular(fd, &strError) == FileOpenResult::Opened &&
                     Adopt(fd, QIODevice::WriteOnly | QIODevice::Append, file, &strError) ==
                         FileOpenResult::Opened;
    if (!bOk) ::close(fd);
    return bOk;
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
