#pragma once

#include <QString>

class QWidget;

// The file dialogs and yes/no questions of the window, replaceable so that tests can script
// them.
class IUserPrompts {
public:
    virtual ~IUserPrompts() = default;
    virtual bool AskYesNo(QWidget* pOwner, const QString& strQuestion) = 0;
    virtual bool ChooseOpenFile(QWidget* pOwner, QString& strPath) = 0;
    virtual bool ChooseSaveFile(QWidget* pOwner, const QString& strProposedName,
                                const QString& strDefaultExt, QString& strPath) = 0;
};

// QFileDialog and QMessageBox (Yes and No, no icon, caption "Quorrix").
class CQtPrompts : public IUserPrompts {
public:
    bool AskYesNo(QWidget* pOwner, const QString& strQuestion) override;
    bool ChooseOpenFile(QWidget* pOwner, QString& strPath) override;
    bool ChooseSaveFile(QWidget* pOwner, const QString& strProposedName,
                        const QString& strDefaultExt, QString& strPath) override;
};

// A message box shows CR LF line ends as plain line ends.
QString ForDisplay(QString strText);
