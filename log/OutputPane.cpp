#include "log/OutputPane.h"

#include <QObject>
#include <atomic>

#include "log/RunLog.h"

namespace {
std::atomic<PaneBinder> g_pfnBinder{nullptr};
}

void SetPaneBinder(PaneBinder pfnBinder) { g_pfnBinder.store(pfnBinder); }

int CRunLog::AttachOutputWnd(QObject* pWnd) {
    if (pWnd == nullptr) return 0;
    std::scoped_lock locker(m_lock);
    // An object that is its own pane is used as it is; for any other control the binder makes
    // an adapter of the run log's own, which it owns and drops again on detach.
    if (auto* pPane = dynamic_cast<IOutputPane*>(pWnd)) return AttachOutputWnd(pPane);
    if (m_nPaneMode != 0) DetachOutputWnd();
    PaneBinder pfnBinder = g_pfnBinder.load();
    std::unique_ptr<IOutputPane> owned = pfnBinder ? pfnBinder(pWnd) : nullptr;
    if (owned) {
        IOutputPane* pPane = owned.get();  // read before the pointer moves on
        LinkPane(pPane, std::move(owned));
    }
    return 1;
}

int CRunLog::AttachOutputWnd(IOutputPane* pPane) {
    if (pPane == nullptr) return 0;
    std::scoped_lock locker(m_lock);
    if (m_nPaneMode != 0) DetachOutputWnd();
    LinkPane(pPane, nullptr);
    return 1;
}

void CRunLog::LinkPane(IOutputPane* pPane, std::unique_ptr<IOutputPane> owned) {
    const int nMode = pPane->PaneKind();
    if (nMode != 1 && nMode != 2) return;
    m_bPaneOwned = owned != nullptr;
    (nMode == 1 ? m_editPane : m_richPane) = std::move(owned);
    (nMode == 1 ? m_pEditWnd : m_pRichWnd) = pPane;
    pPane->Configure();
    m_nPaneMode = nMode;
}

int CRunLog::DetachOutputWnd() {
    std::scoped_lock locker(m_lock);
    if (m_nPaneMode == 1) {
        m_nPaneMode = 0;
        if (m_bPaneOwned) m_editPane.reset();
        m_pEditWnd = nullptr;
    } else if (m_nPaneMode == 2) {
        m_nPaneMode = 0;
        if (m_bPaneOwned) m_richPane.reset();
        m_pRichWnd = nullptr;
    }
    return 1;
}

void CRunLog::FlushIntoPane(IOutputPane& pane, bool bRich) {
    if (m_nPaneTextLength[0] > PANE_TRIM_LIMIT) {
        qsizetype n = qMin<qsizetype>(m_strShown[0].size(), PANE_TRIM_CUT);
        pane.DeleteHead(m_strShown[0].left(n), !bRich);
        m_strShown[0].remove(0, n);
        m_nPaneTextLength[0] -= static_cast<int>(n);
    }
    int nFirst = pane.FirstVisibleLine();
    pane.InsertOnLastLine(m_strPending[0], !bRich);
    int nAfter = pane.FirstVisibleLine();
    m_strShown[0] += m_strPending[0];
    if (m_bHoldView) pane.ScrollLines(nFirst - nAfter);
    if (bRich) pane.ScrollToBottom();
    pane.Repaint();
}

int CRunLog::FlushOutput() {
    std::scoped_lock locker(m_lock);  // writers on other threads set the pending flag
    if (m_bPauseOutput || !m_bPending[0]) return 0;
    if (m_nPaneMode == 1 && m_pEditWnd != nullptr && m_pEditWnd->Exists()) {
        FlushIntoPane(*m_pEditWnd, false);
    } else if (m_nPaneMode == 2 && m_pRichWnd != nullptr && m_pRichWnd->Exists()) {
        FlushIntoPane(*m_pRichWnd, true);
    }
    m_strPending[0].clear();
    m_bPending[0] = false;
    return 0;
}

int CRunLog::PaneMode() const {
    std::scoped_lock locker(m_lock);
    return m_nPaneMode;
}

bool CRunLog::PaneOwned() const {
    std::scoped_lock locker(m_lock);
    return m_bPaneOwned;
}

IOutputPane* CRunLog::EditPane() const {
    std::scoped_lock locker(m_lock);
    return m_pEditWnd;
}

IOutputPane* CRunLog::RichPane() const {
    std::scoped_lock locker(m_lock);
    return m_pRichWnd;
}
