#include "app/TerminationSignal.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>
#include <csignal>

#ifndef Q_OS_WIN
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_signalFds[2] = {-1, -1};
bool g_bTerminationRequested = false;

void OnSignal(int) {
    char c = 1;
    [[maybe_unused]] ssize_t n = ::write(g_signalFds[0], &c, 1);
}

void CloseAllWindows() {
    char c = 0;
    [[maybe_unused]] ssize_t n = ::read(g_signalFds[1], &c, 1);
    g_bTerminationRequested = true;
    // A modal box first, then the window below it.
    while (QWidget* pModal = QApplication::activeModalWidget()) {
        if (!pModal->close()) break;
    }
    for (QWidget* pWindow : QApplication::topLevelWidgets()) pWindow->close();
}

}  // namespace

void CloseWindowsOnTermination() {
    if (g_signalFds[0] >= 0) return;
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalFds) != 0) return;
    auto* pNotifier = new QSocketNotifier(g_signalFds[1], QSocketNotifier::Read, qApp);
    QObject::connect(pNotifier, &QSocketNotifier::activated, qApp, &CloseAllWindows);
    struct sigaction action {};
    action.sa_handler = &OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}
bool TerminationRequested() { return g_bTerminationRequested; }
#else
void CloseWindowsOnTermination() {}
bool TerminationRequested() { return false; }
#endif
