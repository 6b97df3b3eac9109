#include "firmware/workspace/ScriptedPrompts.h"

bool CScriptedPrompts::AskYesNo(const QString& strQuestion) {
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
