#include "app/UserPrompts.h"

#include <QFileDialog>
#include <QMessageBox>

#include "app/FileDialogTexts.h"

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
    strPath = QFileDialog::getOpenFileName(m_pOwner, QString(), QString(), OpenFileFilter());
    return !strPath.isEmpty();
}

bool CQtPrompts::ChooseSaveFile(const QString& strProposedName, const QString& strDefaultExt,
                                QString& strPath) {
    QFileDialog dialog(m_pOwner);
    dialog.setAcceptMode(QFileDialog::AcceptSave);  // asks before replacing a file
    dialog.setDefaultSuffix(strDefaultExt);
    dialog.setNameFilter(SaveFileFilter());
    dialog.selectFile(WithDefaultExtension(strProposedName, strDefaultExt));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    strPath = dialog.selectedFiles().first();
    return true;
}
