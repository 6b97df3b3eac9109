#pragma once

#include <QMap>
#include <QStringList>
#include <deque>

#include "firmware/FirmwareWindow.h"

// A window whose dialogs and questions are answered from a script, for the tests, the fuzz
// target and the screenshot tool. It records what it was asked and shown.
class CScriptedWindow : public IFirmwareWindow {
public:
    void SetControlText(int nId, const QString& strText) override;
    // The next scripted answer; without one, m_bUnscriptedAnswer (counted in m_nUnscripted).
    bool AskYesNo(const QString& strQuestion) override;
    // The next scripted path; without one, the dialog is cancelled.
    bool ChooseOpenFile(QString& strPath) override;
    // m_strSavePath; empty: the dialog is cancelled.
    bool ChooseSaveFile(const QString& strProposedName, const QString& strDefaultExt,
                        QString& strPath) override;

    QMap<int, QString> m_texts;
    std::deque<bool> m_answers;
    bool m_bUnscriptedAnswer = false;
    std::deque<QString> m_openPaths;
    QString m_strSavePath;

    QStringList m_questions;
    int m_nUnscripted = 0;
    int m_nDialogs = 0;  // questions and file dialogs
    int m_nSaveDialogs = 0;
    QString m_strProposedName;
    QString m_strDefaultExt;
};
