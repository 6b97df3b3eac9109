#include "app/FileHistory.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <memory>

namespace {

QString& SettingsFile() {
    static QString s_strIniPath;
    return s_strIniPath;
}

std::unique_ptr<QSettings> OpenSettings() {
    if (!SettingsFile().isEmpty()) {
        return std::make_unique<QSettings>(SettingsFile(), QSettings::IniFormat);
    }
    // A place of Quorrix's own: the wizard's organisation name of the application object
    // stores nothing. ~/.config/Quorrix/Quorrix.conf, beside the catalogue; on Windows
    // HKEY_CURRENT_USER\Software\Quorrix\Quorrix.
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Quorrix"), QStringLiteral("Quorrix"));
}

QString FolderKey(int nButtonId) { return QStringLiteral("Folders/%1").arg(nButtonId); }
QString RecentKey(int nButtonId) { return QStringLiteral("RecentFiles/%1").arg(nButtonId); }

}  // namespace

QString RememberedFolder(int nButtonId) {
    return OpenSettings()->value(FolderKey(nButtonId)).toString();
}

QStringList RecentFiles(int nButtonId) {
    return OpenSettings()->value(RecentKey(nButtonId)).toStringList().mid(0, RECENT_FILE_COUNT);
}

void RememberFile(int nButtonId, const QString& strPath) {
    const QString strFile = QDir::cleanPath(QFileInfo(strPath).absoluteFilePath());
    QStringList files = RecentFiles(nButtonId);
    files.removeAll(strFile);
    files.prepend(strFile);
    const std::unique_ptr<QSettings> pSettings = OpenSettings();
    pSettings->setValue(FolderKey(nButtonId), QFileInfo(strFile).path());
    pSettings->setValue(RecentKey(nButtonId), files.mid(0, RECENT_FILE_COUNT));
    pSettings->sync();  // a second window started now sees it
}

void SetWindowSettingsFile(const QString& strIniPath) { SettingsFile() = strIniPath; }

QStringList RememberedTexts(const QString& strKey) {
    return OpenSettings()->value(strKey).toStringList();
}

void RememberTexts(const QString& strKey, const QStringList& texts) {
    const std::unique_ptr<QSettings> pSettings = OpenSettings();
    pSettings->setValue(strKey, texts);
    pSettings->sync();
}
