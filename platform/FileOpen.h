#pragma once

#include <QByteArray>
#include <QString>

class QFile;

enum class FileOpenResult {
    Opened,
    Failed,      // missing, no permission, or the system refused the open
    NotRegular,  // a folder, FIFO, device or socket
    Locked,      // another program holds an exclusive lock on it, or on Windows keeps it unshared
};

// What changes when a file is written: compared before and after a read, a difference means
// the bytes read may mix two versions of the file.
struct FileStamp {
    qint64 nSize = -1;
    qint64 nModified = 0;  // system ticks of the last write
    qint64 nChanged = 0;   // system ticks of the last change of content or attributes
    bool operator==(const FileStamp&) const = default;
};

// Opens a regular file for reading. The open never blocks (a FIFO swapped in for the path is
// refused, not waited on) and the type is checked on the opened descriptor, so nothing can change
// between check and open. A shared advisory lock keeps writers that lock out while readers never
// exclude each other. On Opened, file owns the descriptor; otherwise strReason, when given, gets
// the system's reason of a failure.
FileOpenResult OpenRegularFile(const QString& strPath, QFile& file, QString* pstrReason = nullptr);

// The stamp of a file opened by OpenRegularFile; false when the system cannot tell.
bool ReadFileStamp(const QFile& file, FileStamp& stamp);

// True when both paths name one existing file, links resolved (device and inode; on Windows
// volume serial number and file index).
bool IsSameFile(const QString& strPathA, const QString& strPathB);

// True when strPath names the file that file has open, links resolved, whatever name it was
// opened by.
bool IsOpenedFile(const QFile& file, const QString& strPath);

// True when the path names something that is there but is no regular file: a folder, a device
// ("/dev/null", "NUL"), a FIFO or a socket.
bool IsSpecialFile(const QString& strPath);

// Opens a file for appending, created when missing, shared with every other copy that appends
// to it (O_APPEND; FILE_APPEND_DATA on Windows), so each write lands at the end as a whole. A
// symbolic link, a FIFO or anything else that is no regular file is refused without blocking
// and without touching what it points to. False with the system's reason otherwise.
bool OpenAppendFile(const QString& strPath, QFile& file, QString& strError);

// Appends bytes with one write to a file opened by OpenAppendFile, so that records of several
// running copies alternate whole. On Linux a write that stops part way is cut back, so the file
// never keeps part of the bytes. Returns false with the system's reason otherwise.
bool AppendWhole(QFile& file, const QByteArray& bytes, QString& strError);

// The C library's text for an errno value ("No space left on device").
QString SystemErrorText(int nError);
