#pragma once

#include <QStringList>
#include <deque>

#include "app/FileDialogs.h"

// File dialogs answered from a script, for the tests and the screenshot tool. They record
// where each dialog would have started.
class CScriptedFileDialogs : public IFileDialogs {
public:
    // The next scripted path; without one, the dialog is cancelled.
    bool ChooseOpenFile(int nButtonId, const QString& strFolder, QString& strPath) override;
    // m_strSavePath with m_nSaveFilter; empty: the dialog is cancelled.
    bool ChooseSaveFile(const QString& strProposedPath, QString& strPath,
                        int& nFilterFormat) override;

    std::deque<QString> m_openPaths;
    QString m_strSavePath;
    int m_nSaveFilter = 0;  // FORMAT_BIN

    int m_nDialogs = 0;
    QStringList m_openFolders;  // the start folder of each open dialog
    QString m_strProposedPath;  // of the last save dialog
};
