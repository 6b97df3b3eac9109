#include "app/UserPrompts.h"

#include <QMessageBox>

#include "app/FileDialogTexts.h"
#include "app/FileDialogs.h"

QString ForDisplay(QString strText) {
    strText.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return strText;
}

bool CQtPrompts::AskYesNo(const QString& strQuestion) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quorrix"), ForDisplay(strQuestion),
                    QMessageBox::Yes | QMessageBox::No, m_pOwner);
    return box.exec() == QMessageBox::Yes;
}

bool CQtPrompts::ChooseOpenFile(QString& strPath) {
    return CQtFileDialogs(m_pOwner).ChooseOpenFile(0, QString(), strPath);
}

bool CQtPrompts::ChooseSaveFile(const QString& strProposedName, const QString& strDefaultExt,
                                QString& strPath) {
    int nFormat = 0;
    return CQtFileDialogs(m_pOwner).ChooseSaveFile(
        WithDefaultExtension(strProposedName, strDefaultExt), strPath, nFormat);
}
