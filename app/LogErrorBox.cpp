#include "app/LogErrorBox.h"

#include <QApplication>
#include <QMessageBox>

#include "app/CoreTexts.h"
#include "app/TerminationSignal.h"
#include "app/UserPrompts.h"
#include "log/LogErrorHandler.h"

namespace {
void ShowLogError(const QString& strMessage) {
    // The closing banner is written during static destruction, when no box can be shown;
    // once the program is asked to end, no box may hold it up.
    if (QApplication::instance() == nullptr || TerminationRequested()) {
        SetLogErrorHandler(nullptr);
        ReportLogError(strMessage);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quorrix"),
                    ForDisplay(TranslateCoreText(strMessage)), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}
}  // namespace

void InstallLogErrorBox() { SetLogErrorHandler(&ShowLogError); }
