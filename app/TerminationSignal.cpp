#include "app/TerminationSignal.h"

#include <QApplication>
#include <QWidget>

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

}  // namespace

void CloseWindowsOnTermination() { OnTerminationRequest(&CloseAllWindows); }

bool TerminationRequested() { return g_bTerminationRequested; }
