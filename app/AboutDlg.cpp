#include "app/AboutDlg.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include "app/AppResources.h"
#include "app/DialogLayout.h"

CAboutDlg::CAboutDlg(QWidget* pParent)
    // A modal frame: a caption with a close box only, and no resizing.
    : QDialog(pParent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(tr("关于 Quorrix"));
    setFont(DialogFont());
    const QFont font = DialogFont();
    setFixedSize(DluToPixels(font, 0, 0, 170, 62).size());
    auto* pIcon = new QLabel(this);
    pIcon->setObjectName(QStringLiteral("icon"));
    QRect iconRect = DluToPixels(font, 14, 14, 21, 20);
    pIcon->setGeometry(iconRect);
    // The application icon itself: the box has no window icon of its own to take it from.
    InitAppResources();
    pIcon->setPixmap(QIcon(QStringLiteral(":/icons/quorrix.png"))
                         .pixmap(qMin(iconRect.width(), iconRect.height())));
    auto* pName = new QLabel(tr("Quorrix，版本 1.0"), this);
    pName->setTextFormat(Qt::PlainText);
    pName->setGeometry(DluToPixels(font, 42, 14, 114, 8));
    auto* pNotice = new QLabel(tr("Copyright (C) 2026 Norlyn电子部"), this);
    pNotice->setGeometry(DluToPixels(font, 42, 26, 114, 8));
    auto* pOk = new QPushButton(tr("确定"), this);
    pOk->setObjectName(QStringLiteral("IDOK"));
    pOk->setGeometry(DluToPixels(font, 113, 41, 50, 14));
    pOk->setDefault(true);
    connect(pOk, &QPushButton::clicked, this, &QDialog::accept);
}
