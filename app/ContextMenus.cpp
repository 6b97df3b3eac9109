#include "app/ContextMenus.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

namespace {

QMenu* StandardMenu(QWidget* pEdit, const QPoint& pos) {
    if (auto* pLine = qobject_cast<QLineEdit*>(pEdit)) return pLine->createStandardContextMenu();
    if (auto* pText = qobject_cast<QPlainTextEdit*>(pEdit)) {
        return pText->createStandardContextMenu(pos);
    }
    return new QMenu(pEdit);
}

}  // namespace

void AddAboutItem(QMenu& menu, const std::function<void()>& fnAbout) {
    const QString strAbout = QCoreApplication::translate("CQuorrixDlg", "关于 Quorrix(&A)...");
    if (strAbout.isEmpty()) return;
    menu.addSeparator();
    QObject::connect(menu.addAction(strAbout), &QAction::triggered, &menu, fnAbout);
}

void AddAboutToEditMenus(const QList<QWidget*>& edits, const std::function<void()>& fnAbout) {
    for (QWidget* pEdit : edits) {
        pEdit->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(pEdit, &QWidget::customContextMenuRequested, pEdit,
                         [pEdit, fnAbout](const QPoint& pos) {
                             QMenu* pMenu = StandardMenu(pEdit, pos);
                             AddAboutItem(*pMenu, fnAbout);
                             const QWidget* pOrigin = pEdit;
                             if (auto* pText = qobject_cast<QPlainTextEdit*>(pEdit)) {
                                 pOrigin = pText->viewport();
                             }
                             pMenu->exec(pOrigin->mapToGlobal(pos));
                             delete pMenu;
                         });
    }
}
