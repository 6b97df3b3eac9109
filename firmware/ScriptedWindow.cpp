#include "firmware/ScriptedWindow.h"

void CScriptedWindow::SetControlText(int nId, const QString& strText) { m_texts[nId] = strText; }

bool CScriptedWindow::AskYesNo(const QString& strQuestion) {
    m_questions.append(strQuestion);
    ++m_nDialogs;
    if (m_answers.empty()) {
        ++m_nUnscripted;
        return m_bUnscriptedAnswer;
    }
    const bool bAnswer = m_answers.front();
    m_answers.pop_front();
    return bAnswer;
}

bool CScriptedWindow::ChooseOpenFile(QString& strPath) {
    ++m_nDialogs;
    if (m_openPaths.empty()) return false;
    strPath = m_openPaths.front();
    m_openPaths.pop_front();
    return true;
}

bool CScriptedWindow::ChooseSaveFile(const QString& strProposedName, const QString& strDefaultExt,
                                     QString& strPath) {
    ++m_nDialogs;
    ++m_nSaveDialogs;
    m_strProposedName = strProposedName;
    m_strDefaultExt = strDefaultExt;
    strPath = m_strSavePath;
    return !strPath.isEmpty();
}
