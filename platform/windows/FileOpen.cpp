#include "platform/FileOpen.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <QDir>
#include <QFile>
#include <algorithm>

namespace {

const wchar_t* WidePath(const QString& strNative) {
    return reinterpret_cast<const wchar_t*>(strNative.utf16());
}

QString WindowsErrorText(DWORD nError) {
    wchar_t* pText = nullptr;
    const DWORD nLength = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, nError, 0, reinterpret_cast<wchar_t*>(&pText), 0, nullptr);
    QString strText = nLength != 0 ? QString::fromWCharArray(pText, int(nLength)).trimmed()
                                   : QStringLiteral("error %1").arg(nError);
    LocalFree(pText);
    return strText;
}

// Hands a Win32 handle to the file through a C runtime descriptor, which then owns it.
bool AdoptHandle(HANDLE hFile, int nFlags, QIODevice::OpenMode mode, QFile& file) {
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(hFile), nFlags);
    if (fd < 0) {
        CloseHandle(hFile);
        return false;
    }
    if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        _close(fd);
        return false;
    }
    return true;
}

// Folders open too (backup semantics), so that they are told apart from missing files.
HANDLE OpenExisting(const QString& strPath, DWORD nAccess) {
    const QString strNative = QDir::toNativeSeparators(strPath);
    return CreateFileW(WidePath(strNative), nAccess,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

// The volume and index of the file a path names, links resolved.
bool IdentifyPath(const QString& strPath, BY_HANDLE_FILE_INFORMATION& info) {
    HANDLE hFile = OpenExisting(strPath, 0);
    if (hFile == INVALID_HANDLE_VALUE) return false;
    const bool bKnown = GetFileInformationByHandle(hFile, &info) != 0;
    CloseHandle(hFile);
    return bKnown;
}

bool IsSameIdentity(const BY_HANDLE_FILE_INFORMATION& a, const BY_HANDLE_FILE_INFORMATION& b) {
    return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber &&
           a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow;
}

// Opened for a regular file, NotRegular for a device, pipe or folder, Failed when unknown.
FileOpenResult KindOf(HANDLE hFile) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(hFile) != FILE_TYPE_DISK) return FileOpenResult::NotRegular;
    if (!GetFileInformationByHandle(hFile, &info)) return FileOpenResult::Failed;
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return FileOpenResult::NotRegular;
    return FileOpenResult::Opened;
}

FileOpenResult CheckOpened(HANDLE hFile) {
    const FileOpenResult kind = KindOf(hFile);
    if (kind != FileOpenResult::Opened) return kind;
    // A shared lock over the whole file: a writer holding an exclusive one refuses it.
    OVERLAPPED overlapped{};
    if (!LockFileEx(hFile, LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD, &overlapped)) {
        return GetLastError() == ERROR_LOCK_VIOLATION ? FileOpenResult::Locked
                                                      : FileOpenResult::Failed;
    }
    return FileOpenResult::Opened;
}

}  // namespace

FileOpenResult OpenRegularFile(const QString& strPath, QFile& file, QString* pstrReason) {
    HANDLE hFile = OpenExisting(strPath, GENERIC_READ);
    if (hFile == INVALID_HANDLE_VALUE) {
        const DWORD nError = GetLastError();
        if (pstrReason) *pstrReason = WindowsErrorText(nError);
        // A program that opened the file without sharing it keeps everyone else out.
        return nError == ERROR_SHARING_VIOLATION ? FileOpenResult::Locked : FileOpenResult::Failed;
    }
    const FileOpenResult result = CheckOpened(hFile);
    if (result != FileOpenResult::Opened) {
        if (pstrReason) {
            *pstrReason = result == FileOpenResult::NotRegular
                              ? QStringLiteral("not a regular file")
                              : WindowsErrorText(GetLastError());
        }
        CloseHandle(hFile);
        return result;
    }
    if (AdoptHandle(hFile, _O_RDONLY | _O_BINARY, QIODevice::ReadOnly | QIODevice::Unbuffered,
                    file)) {
        return FileOpenResult::Opened;
    }
    if (pstrReason) *pstrReason = file.errorString();
    return FileOpenResult::Failed;
}

bool ReadFileStamp(const QFile& file, FileStamp& stamp) {
    const HANDLE hFile =
        file.handle() < 0 ? INVALID_HANDLE_VALUE : HANDLE(_get_osfhandle(file.handle()));
    FILE_BASIC_INFO basic{};
    LARGE_INTEGER size{};
    if (hFile == INVALID_HANDLE_VALUE || !GetFileSizeEx(hFile, &size) ||
        !GetFileInformationByHandleEx(hFile, FileBasicInfo, &basic, sizeof basic)) {
        return false;
    }
    stamp = {size.QuadPart, basic.LastWriteTime.QuadPart, basic.ChangeTime.QuadPart};
    return true;
}

bool IsSameFile(const QString& strPathA, const QString& strPathB) {
    BY_HANDLE_FILE_INFORMATION a{}, b{};
    return IdentifyPath(strPathA, a) && IdentifyPath(strPathB, b) && IsSameIdentity(a, b);
}

bool IsOpenedFile(const QFile& file, const QString& strPath) {
    const HANDLE hFile =
        file.handle() < 0 ? INVALID_HANDLE_VALUE : HANDLE(_get_osfhandle(file.handle()));
    BY_HANDLE_FILE_INFORMATION open{}, named{};
    return hFile != INVALID_HANDLE_VALUE && GetFileInformationByHandle(hFile, &open) != 0 &&
           IdentifyPath(strPath, named) && IsSameIdentity(open, named);
}

bool IsSpecialFile(const QString& strPath) {
    // No access asked: only the kind of the thing is wanted, and a device opens like this too.
    HANDLE hFile = OpenExisting(strPath, 0);
    if (hFile == INVALID_HANDLE_VALUE) return false;
    const bool bSpecial = KindOf(hFile) == FileOpenResult::NotRegular;
    CloseHandle(hFile);
    return bSpecial;
}

bool OpenAppendFile(const QString& strPath, QFile& file, QString& strError) {
    const QString strNative = QDir::toNativeSeparators(strPath);
    // Append access only: the system puts every write at the end of the file, whoever else
    // has it open, so the copies' records never overwrite each other. A link (reparse point)
    // is opened itself, not followed, and then refused.
    HANDLE hFile =
        CreateFileW(WidePath(strNative), FILE_APPEND_DATA | SYNCHRONIZE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        strError = WindowsErrorText(GetLastError());
        return false;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const bool bRegular =
        GetFileType(hFile) == FILE_TYPE_DISK && GetFileInformationByHandle(hFile, &info) &&
        !(info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT));
    if (!bRegular) {
        CloseHandle(hFile);
        strError = QStringLiteral("not a regular file");
        return false;
    }
    if (AdoptHandle(hFile, _O_WRONLY | _O_APPEND | _O_BINARY,
                    QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered, file)) {
        return true;
    }
    strError = file.errorString();
    return false;
}

bool AppendWhole(QFile& file, const QByteArray& bytes, QString& strError) {
    const HANDLE hFile =
        file.handle() < 0 ? INVALID_HANDLE_VALUE : HANDLE(_get_osfhandle(file.handle()));
    if (hFile == INVALID_HANDLE_VALUE) {
        strError = WindowsErrorText(ERROR_INVALID_HANDLE);
        return false;
    }
    // An append-only handle cannot set the end of the file, so unlike on Linux a write that
    // stops part way is reported but not cut back.
    qsizetype nDone = 0;
    while (nDone < bytes.size()) {
        const DWORD nChunk = DWORD(std::min<qsizetype>(bytes.size() - nDone, 1 << 30));
        DWORD nWritten = 0;
        const BOOL bWritten =
            WriteFile(hFile, bytes.constData() + nDone, nChunk, &nWritten, nullptr);
        if (!bWritten || nWritten == 0) {
            strError = WindowsErrorText(bWritten ? ERROR_WRITE_FAULT : GetLastError());
            return false;
        }
        nDone += nWritten;
    }
    return true;
}
