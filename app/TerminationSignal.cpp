#include "app/TerminationSignal.h"

#include <QApplication>
#include <QWidget>

#include "log/RunLog.h"
#include "platform/Termination.h"

namespace {

bool g_bTerminationRequested = false;

void CloseAllWindows() {
    g_bTerminationRequested = true;
    // A modal box first, then the window below it.
    while (QWidget* pModal = QApplication::activeModalWidget()) {
        if (!pModal->close()) break;
    }
    for (QWidget* pWindow : QApplication::topLevelWidgets()) pWindow->close();
}

// The process is ended right after: the log gets its closing banner now.
void EndSession() {
    CloseAllWindows();
    g_RunLog.CloseLogFiles();
}

}  // namespace

void CloseWindowsOnTermination() {
    OnTerminationRequest(&CloseAllWindows);
    OnSessionEnd(&EndSession);
}

bool TerminationRequested() { return g_bTerminationRequested; }
