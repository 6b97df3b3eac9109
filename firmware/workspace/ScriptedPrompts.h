#pragma once

#include <QStringList>
#include <deque>

#include "firmware/workspace/Prompts.h"

// Questions answered from a script, for the tests, the fuzz target and the screenshot tool. It
// records what it was asked and the reports shown beside the questions.
class CScriptedPrompts : public IFirmwarePrompts {
public:
    // The next scripted answer; without one, m_bUnscriptedAnswer (counted in m_nUnscripted).
    bool AskYesNo(const QString& strQuestion) override;
    void ShowReport(const QString& strReport) override { m_reports.append(strReport); }

    std::deque<bool> m_answers;
    bool m_bUnscriptedAnswer = false;

    QStringList m_questions;
    QStringList m_reports;
    int m_nUnscripted = 0;
    int m_nDialogs = 0;  // questions asked
};
