#pragma once

#include <QString>

// The native path separator: "\" on Windows, "/" elsewhere.
QChar NativeSeparator();

// Both "/" and "\" are accepted in log paths; the result carries the native separator only.
QString ToNativeSeparators(QString strPath);

// Drive-letter paths ("D:/logs") and paths starting with a separator are absolute.
bool IsAbsoluteLogPath(const QString& strPath);

// Root of the log folders: "D:/logs/Quorrix" on Windows, or %LOCALAPPDATA%/Quorrix/logs where
// the machine has no drive D: to write on; $XDG_STATE_HOME/Quorrix elsewhere
// (~/.local/state/Quorrix when the variable is unset).
QString LogRootFolder();

// The folder of the program's settings, where the catalogue is looked for after the start
// folder: the program's own folder on Windows, $XDG_CONFIG_HOME/Quorrix elsewhere
// (~/.config/Quorrix when the variable is unset).
QString ConfigFolder();

// The file of the window's own settings in the user's native settings store:
// $XDG_CONFIG_HOME/Quorrix/Quorrix.conf; empty on Windows, where they are in the registry.
QString WindowSettingsFile();

// Creates a folder with all missing parents. Returns 0 when it was created, the platform's
// "already exists" code (EEXIST, ERROR_ALREADY_EXISTS) when it was there, another error code
// otherwise.
int CreateFolderTree(const QString& strPath);

enum class ReadResult { Read, Failed, TooLarge };

// Reads a whole regular file (see OpenRegularFile): Failed, without blocking, when the file
// cannot be opened or is not a regular file; TooLarge, with nothing read and its length in
// *pnSize, when it is longer than nLimit.
ReadResult ReadRegularFile(const QString& strPath, QByteArray& contents, qint64 nLimit,
                           qint64* pnSize = nullptr);
