#include "app/ScriptedFileDialogs.h"

bool CScriptedFileDialogs::ChooseOpenFile(int, const QString& strFolder, QString& strPath) {
    ++m_nDialogs;
    m_openFolders.append(strFolder);
    if (m_openPaths.empty()) return false;
    strPath = m_openPaths.front();
    m_openPaths.pop_front();
    return true;
}

bool CScriptedFileDialogs::ChooseSaveFile(const QString& strProposedPath, QString& strPath,
                                          int& nFilterFormat) {
    ++m_nDialogs;
    m_strProposedPath = strProposedPath;
    strPath = m_strSavePath;
    nFilterFormat = m_nSaveFilter;
    return !strPath.isEmpty();
}
