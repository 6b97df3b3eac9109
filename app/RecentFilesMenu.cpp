#include "app/RecentFilesMenu.h"

#include <QCoreApplication>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "app/FileHistory.h"

namespace {

QString Tr(const char* pText) { return QCoreApplication::translate("CQuorrixDlg", pText); }

// Read when the menu opens, so that a file opened in another window of the program is there.
void FillMenu(QMenu* pMenu, int nButtonId, const std::function<void(const QString&)>& fnOpen) {
    pMenu->clear();
    const QStringList files = RecentFiles(nButtonId);
    if (files.isEmpty()) {
        pMenu->addAction(Tr(QT_TRANSLATE_NOOP("CQuorrixDlg", "(无最近文件)")))->setEnabled(false);
    }
    for (const QString& strFile : files) {
        QString strText = QDir::toNativeSeparators(strFile);
        strText.replace(QLatin1Char('&'), QLatin1String("&&"));  // no mnemonic from a name
        QObject::connect(pMenu->addAction(strText), &QAction::triggered, pMenu,
                         [pMenu, strFile, fnOpen] {
                             // Opened after the menu, so that a question does not stack on it.
                             QTimer::singleShot(0, pMenu, [strFile, fnOpen] { fnOpen(strFile); });
                         });
    }
}

}  // namespace

void AddRecentFilesMenu(QPushButton* pButton, QToolButton* pArrow, int nButtonId,
                        std::function<void(const QString&)> fnOpen) {
    auto* pMenu = new QMenu(pButton);
    QObject::connect(pMenu, &QMenu::aboutToShow, pMenu,
                     [pMenu, nButtonId, fnOpen] { FillMenu(pMenu, nButtonId, fnOpen); });
    pArrow->setMenu(pMenu);
    pArrow->setPopupMode(QToolButton::InstantPopup);
    pArrow->setArrowType(Qt::DownArrow);
    pArrow->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; }"));
    pArrow->setFocusPolicy(Qt::NoFocus);  // the tab order stays that of the buttons
    pArrow->setToolTip(Tr(QT_TRANSLATE_NOOP("CQuorrixDlg", "最近打开的文件")));
    pButton->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(
        pButton, &QWidget::customContextMenuRequested, pMenu,
        [pButton, pMenu](const QPoint& pos) { pMenu->exec(pButton->mapToGlobal(pos)); });
}
