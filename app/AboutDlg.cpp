#include "app/AboutDlg.h"

#include <QLabel>
#include <QPushButton>

#include "app/DialogLayout.h"

CAboutDlg::CAboutDlg(QWidget* pParent) : QDialog(pParent) {
    setWindowTitle(QStringLiteral("关于 Quorrix"));
    setFont(DialogFont());
    const QFont font = DialogFont();
    resize(DluToPixels(font, 0, 0, 170, 62).size());
    auto* pIcon = new QLabel(this);
    QRect iconRect = DluToPixels(font, 14, 14, 21, 20);
    pIcon->setGeometry(iconRect);
    pIcon->setPixmap(windowIcon().pixmap(qMin(iconRect.width(), iconRect.height())));
    auto* pName = new QLabel(QStringLiteral("Quorrix，版本 1.0"), this);
    pName->setTextFormat(Qt::PlainText);
    pName->setGeometry(DluToPixels(font, 42, 14, 114, 8));
    auto* pNotice = new QLabel(QStringLiteral("Copyright (C) 2026 Norlyn电子部"), this);
    pNotice->setGeometry(DluToPixels(font, 42, 26, 114, 8));
    auto* pOk = new QPushButton(QStringLiteral("确定"), this);
    pOk->setObjectName(QStringLiteral("IDOK"));
    pOk->setGeometry(DluToPixels(font, 113, 41, 50, 14));
    pOk->setDefault(true);
    connect(pOk, &QPushButton::clicked, this, &QDialog::accept);
}
