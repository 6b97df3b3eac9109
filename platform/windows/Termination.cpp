#include "platform/Termination.h"

#include <windows.h>

#include <QAbstractNativeEventFilter>
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

// WM_ENDSESSION comes to every top-level window, the hidden ones of Qt too; the first is enough.
class CSessionEndFilter : public QAbstractNativeEventFilter {
public:
    explicit CSessionEndFilter(void (*pfnEnd)()) : m_pfnEnd(pfnEnd) {}

    bool nativeEventFilter(const QByteArray&, void* pMessage, qintptr*) override {
        const MSG* pMsg = static_cast<const MSG*>(pMessage);
        if (pMsg->message == WM_ENDSESSION && pMsg->wParam && !m_bEnded) {
            m_bEnded = true;
            m_pfnEnd();
        }
        return false;
    }

private:
    void (*m_pfnEnd)();
    bool m_bEnded = false;
};

}  // namespace

void OnSessionEnd(void (*pfnEnd)()) {
    static CSessionEndFilter* pFilter = nullptr;
    if (pFilter != nullptr || qApp == nullptr) return;
    pFilter = new CSessionEndFilter(pfnEnd);  // lives as long as the process
    qApp->installNativeEventFilter(pFilter);
}

void OnTerminationRequest(void (*pfnRequest)()) {
    if (g_pfnRequest.exchange(pfnRequest) != nullptr) return;
    SetConsoleCtrlHandler(&OnConsoleEvent, TRUE);
}
