#include "app/FileHistory.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <memory>

#include "log/LogText.h"
#include "log/RunLog.h"
#include "platform/FileSystem.h"

namespace {

// The settings are read once; every button, menu and window of the program shares them.
struct WindowSettings {
    QString strIniPath;
    bool bLoaded = false;
    std::unique_ptr<QSettings> pSettings;  // none when a huge file could not be set aside
};

WindowSettings& State() {
    static WindowSettings s_settings;
    return s_settings;
}

std::unique_ptr<QSettings> MakeSettings() {
    if (!State().strIniPath.isEmpty()) {
        return std::make_unique<QSettings>(State().strIniPath, QSettings::IniFormat);
    }
    // A place of Quorrix's own: the wizard's organisation name of the application object
    // stores nothing. ~/.config/Quorrix/Quorrix.conf, beside the catalogue; on Windows
    // HKEY_CURRENT_USER\Software\Quorrix\Quorrix.
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Quorrix"), QStringLiteral("Quorrix"));
}

// No window writes a settings file this large; parsing one froze the window at every open.
// It is moved aside, kept for whoever wants to look at it, and the window starts with
// defaults. False when it could not be moved: then nothing is read or remembered this run.
bool SetAsideHugeFile(const QString& strPath) {
    const QFileInfo info(strPath);
    if (strPath.isEmpty() || !info.isFile() || info.size() <= SETTINGS_FILE_LIMIT) return true;
    const QString strAside = strPath + QStringLiteral(".too-large");
    QFile::remove(strAside);
    const bool bMoved = QFile::rename(strPath, strAside);
    WriteLog(QStringLiteral("读取 File %1 = 失败, 文件大小 %2 Bytes 超过上限 %3 Bytes, ")
                 .arg(PathForLog(strPath))
                 .arg(info.size())
                 .arg(SETTINGS_FILE_LIMIT) +
             (bMoved ? QStringLiteral("已移到 %1, 使用默认设置").arg(PathForLog(strAside))
                     : QStringLiteral("无法移走, 本次不读也不存设置")));
    return bMoved;
}

QSettings* Settings() {
    WindowSettings& state = State();
    if (!state.bLoaded) {
        state.bLoaded = true;
        const QString strFile =
            state.strIniPath.isEmpty() ? WindowSettingsFile() : state.strIniPath;
        if (SetAsideHugeFile(strFile)) state.pSettings = MakeSettings();
    }
    return state.pSettings.get();
}

QString FolderKey(int nButtonId) { return QStringLiteral("Folders/%1").arg(nButtonId); }
QString RecentKey(int nButtonId) { return QStringLiteral("RecentFiles/%1").arg(nButtonId); }

}  // namespace

void LoadWindowSettings() { Settings(); }

QString RememberedFolder(int nButtonId) {
    QSettings* pSettings = Settings();
    return pSettings ? pSettings->value(FolderKey(nButtonId)).toString() : QString();
}

QStringList RecentFiles(int nButtonId) {
    QSettings* pSettings = Settings();
    if (!pSettings) return {};
    pSettings->sync();  // what another window remembered meanwhile; read only when it changed
    return pSettings->value(RecentKey(nButtonId)).toStringList().mid(0, RECENT_FILE_COUNT);
}

void RememberFile(int nButtonId, const QString& strPath) {
    QSettings* pSettings = Settings();
    if (!pSettings) return;
    const QString strFile = QDir::cleanPath(QFileInfo(strPath).absoluteFilePath());
    QStringList files = RecentFiles(nButtonId);
    files.removeAll(strFile);
    files.prepend(strFile);
    pSettings->setValue(FolderKey(nButtonId), QFileInfo(strFile).path());
    pSettings->setValue(RecentKey(nButtonId), files.mid(0, RECENT_FILE_COUNT));
    pSettings->sync();  // a second window started now sees it
}

void SetWindowSettingsFile(const QString& strIniPath) {
    WindowSettings& state = State();
    state.pSettings.reset();
    state.bLoaded = false;
    state.strIniPath = strIniPath;
}
