#pragma once

#include <QMap>

#include "cli/CliOptions.h"
#include "firmware/FirmwareWindow.h"

// The firmware code's window on a terminal: control texts are kept, questions are answered
// by -y/-n or at the terminal, and the file dialogs return the paths of the command line.
class CCliWindow : public IFirmwareWindow {
public:
    CCliWindow(CliAnswer answer, bool bForce) : m_answer(answer), m_bForce(bForce) {}

    void SetControlText(int nId, const QString& strText) override { m_texts[nId] = strText; }
    bool AskYesNo(const QString& strQuestion) override;
    bool ChooseOpenFile(QString& strPath) override;
    bool ChooseSaveFile(const QString& strProposedName, const QString& strDefaultExt,
                        QString& strPath) override;

    void SetOpenPath(const QString& strPath) { m_strOpenPath = strPath; }
    void SetSavePath(const QString& strPath) { m_strSavePath = strPath; }
    QString Text(int nId) const { return m_texts.value(nId); }
    bool HasText(int nId) const { return m_texts.contains(nId); }
    QString SavedPath() const { return m_strChosenSave; }

private:
    bool Answer();

    CliAnswer m_answer;
    bool m_bForce;
    QMap<int, QString> m_texts;
    QString m_strOpenPath;
    QString m_strSavePath;
    QString m_strChosenSave;
};
