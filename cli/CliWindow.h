#pragma once

#include <QMap>

#include "cli/CliOptions.h"
#include "firmware/FirmwareWindow.h"

// The firmware code's window on a terminal: control texts are kept, and questions are answered
// by -y/-n or at the terminal.
class CCliWindow : public IFirmwareWindow {
public:
    explicit CCliWindow(CliAnswer answer) : m_answer(answer) {}

    void SetControlText(int nId, const QString& strText) override { m_texts[nId] = strText; }
    bool AskYesNo(const QString& strQuestion) override;

    QString Text(int nId) const { return m_texts.value(nId); }
    bool HasText(int nId) const { return m_texts.contains(nId); }

private:
    bool Answer();

    CliAnswer m_answer;
    QMap<int, QString> m_texts;
};
