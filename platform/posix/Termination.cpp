#include "platform/Termination.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>

namespace {

int g_signalFds[2] = {-1, -1};

// Only a write is safe in a signal handler; the event loop reads it.
void OnSignal(int) {
    char c = 1;
    [[maybe_unused]] ssize_t n = ::write(g_signalFds[0], &c, 1);
}

}  // namespace

void OnTerminationRequest(void (*pfnRequest)()) {
    if (g_signalFds[0] >= 0) return;
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalFds) != 0) return;
    auto* pNotifier = new QSocketNotifier(g_signalFds[1], QSocketNotifier::Read, qApp);
    QObject::connect(pNotifier, &QSocketNotifier::activated, qApp, [pfnRequest] {
        char c = 0;
        [[maybe_unused]] ssize_t n = ::read(g_signalFds[1], &c, 1);
        pfnRequest();
    });
    struct sigaction action {};
    action.sa_handler = &OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}

void OnSessionEnd(void (*)()) {}
