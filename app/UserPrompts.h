#pragma once

#include <QString>

#include "firmware/workspace/Prompts.h"

class QWidget;

// The questions as QMessageBox (Yes and No, no icon, caption "Quorrix"), owned by a window.
class CQtPrompts : public IFirmwarePrompts {
public:
    explicit CQtPrompts(QWidget* pOwner) : m_pOwner(pOwner) {}
    bool AskYesNo(const QString& strQuestion) override;

private:
    QWidget* m_pOwner;
};

// A message box shows CR LF line ends as plain line ends.
QString ForDisplay(QString strText);
