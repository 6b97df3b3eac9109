#include "app/LogErrorBox.h"

#include <QApplication>
#include <QMessageBox>

#include "app/UserPrompts.h"
#include "log/LogErrorHandler.h"

namespace {
void ShowLogError(const QString& strMessage) {
    // The closing banner is written during static destruction, when no box can be shown.
    if (QApplication::instance() == nullptr) {
        SetLogErrorHandler(nullptr);
        ReportLogError(strMessage);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quorrix"), ForDisplay(strMessage),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}
}  // namespace

void InstallLogErrorBox() { SetLogErrorHandler(&ShowLogError); }
