#pragma once

#include <QString>

class QFile;

// The special files and process controls some tests need, with a Linux and a Windows side.
// Where a system has no such thing the answer is false or an empty path, and the test skips.

// The null device: "/dev/null", "NUL".
QString NullDevice();
// A device that reads zeros without end ("/dev/zero"); empty where there is none.
QString ZeroDevice();
// A device that refuses every write as a full disk would ("/dev/full"); empty where none.
QString FullDevice();
// Makes a FIFO at the path; false where the system has none.
bool MakeFifo(const QString& strPath);
// Makes a folder refuse new files, or take them again; false where that cannot be done.
bool FolderRefusesNewFiles(const QString& strFolder, bool bRefuse);
// Holds a shared or an exclusive lock on an open file, as another program would.
bool LockFile(QFile& file, bool bExclusive);
// The code of CreateFolderTree for a folder that is there already.
int AlreadyExists();
