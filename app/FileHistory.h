#pragma once

#include <QString>
#include <QStringList>

// What the window remembers between runs for each of its file buttons (IDC_OPEN_BOOT,
// IDC_OPEN_APP, and IDC_MERGE for the save): the folder of its last file, and its last files,
// newest first. Kept in the user's settings of the program (the registry under
// HKEY_CURRENT_USER on Windows), or in the INI file that SetWindowSettingsFile names.
inline constexpr int RECENT_FILE_COUNT = 8;
// A settings file longer than this is set aside unread (see LoadWindowSettings).
inline constexpr qint64 SETTINGS_FILE_LIMIT = 1024 * 1024;

// Reads the settings once, at the window's start: a file over SETTINGS_FILE_LIMIT is moved
// aside to NAME.too-large with a run-log line, and the window starts with defaults.
void LoadWindowSettings();

QString RememberedFolder(int nButtonId);
QStringList RecentFiles(int nButtonId);
void RememberFile(int nButtonId, const QString& strPath);

// Keeps the settings in an INI file instead (tests); empty goes back to the user's settings.
void SetWindowSettingsFile(const QString& strIniPath);
