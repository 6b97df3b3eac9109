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

// Opens a regular file for reading. The open never blocks (a FIFO swapped in for the path is
// refused, not waited on) and the type is checked on the opened descriptor, so nothing can change
// between check and open. A shared advisory lock keeps writers that lock out while readers never
// exclude each other. On Opened, file owns the descriptor.
FileOpenResult OpenRegularFile(const QString& strPath, QFile& file);

// True when the path names something that is there but is no regular file: a folder, a device
// ("/dev/null", "NUL"), a FIFO or a socket.
bool IsSpecialFile(const QString& strPath);

// Opens a file for appending, created when missing, shared with every other copy that appends
// to it (O_APPEND; FILE_APPEND_DATA on Windows), so each write lands at the end as a whole.
bool OpenAppendFile(const QString& strPath, QFile& file);

// Appends bytes with one write to a file opened by OpenAppendFile, so that records of several
// running copies alternate whole. On Linux a write that stops part way is cut back, so the file
// never keeps part of the bytes. Returns false with the system's reason otherwise.
bool AppendWhole(QFile& file, const QByteArray& bytes, QString& strError);

// The C library's text for an errno value ("No space left on device").
QString SystemErrorText(int nError);
