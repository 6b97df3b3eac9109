#pragma once

#include <QMap>
#include <QStringList>
#include <deque>

#include "firmware/FirmwareWindow.h"

// A window whose questions are answered from a script, for the tests, the fuzz
// target and the screenshot tool. It records what it was asked and shown.
class CScriptedWindow : public IFirmwareWindow {
public:
    void SetControlText(int nId, const QString& strText) override;
    // The next scripted answer; without one, m_bUnscriptedAnswer (counted in m_nUnscripted).
    bool AskYesNo(const QString& strQuestion) override;

    QMap<int, QString> m_texts;
    std::deque<bool> m_answers;
    bool m_bUnscriptedAnswer = false;

    QStringList m_questions;
    int m_nUnscripted = 0;
    int m_nDialogs = 0;  // questions asked
};
