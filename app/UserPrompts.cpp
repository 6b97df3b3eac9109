#include "app/UserPrompts.h"

#include <QMessageBox>

QString ForDisplay(QString strText) {
    strText.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return strText;
}

bool CQtPrompts::AskYesNo(const QString& strQuestion) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quorrix"), ForDisplay(strQuestion),
                    QMessageBox::Yes | QMessageBox::No, m_pOwner);
    return box.exec() == QMessageBox::Yes;
}
