#include "platform/Termination.h"

#include <windows.h>

#include <QCoreApplication>
#include <QMetaObject>
#include <atomic>

namespace {

std::atomic<void (*)()> g_pfnRequest{nullptr};

// Runs in a thread of its own that the system starts for the event.
BOOL WINAPI OnConsoleEvent(DWORD nEvent) {
    void (*pfnRequest)() = g_pfnRequest.load();
    if (pfnRequest == nullptr || qApp == nullptr) return FALSE;
    QMetaObject::invokeMethod(qApp, pfnRequest, Qt::QueuedConnection);
    // After a close, log-off or shut-down event the system ends the process as soon as this
    // returns: wait, so the main thread can finish and write the closing banner; its exit
    // ends this thread (the system's own time limit bounds the wait).
    if (nEvent == CTRL_CLOSE_EVENT || nEvent == CTRL_LOGOFF_EVENT ||
        nEvent == CTRL_SHUTDOWN_EVENT) {
        Sleep(INFINITE);
    }
    return TRUE;
}

}  // namespace

void OnTerminationRequest(void (*pfnRequest)()) {
    if (g_pfnRequest.exchange(pfnRequest) != nullptr) return;
    SetConsoleCtrlHandler(&OnConsoleEvent, TRUE);
}
