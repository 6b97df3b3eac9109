#pragma once

#include <QtGlobal>

// Limits the size any file of this process may grow to, for one scope: writes past it fail
// with EFBIG as on a full disk, without filling one.
class FileSizeLimit {
public:
    // False where the system has no such limit (Windows): the scope then limits nothing.
    static bool Supported();
    explicit FileSizeLimit(qint64 nBytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
};
