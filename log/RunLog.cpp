#include "log/RunLog.h"

#include "platform/Clock.h"
#include "platform/InitOrder.h"
#include "platform/ThreadId.h"

CRunLog g_RunLog QUORRIX_INIT_ORDER(INIT_ORDER_RUN_LOG);

void WriteLog(QString strText) { g_RunLog.WriteLog(std::move(strText)); }

CRunLog::CRunLog() = default;

CRunLog::~CRunLog() {
    DetachOutputWnd();
    CloseLogFiles();
}

void CRunLog::FormatToday(QString& strDate) {
    QDate date = CurrentDateTime().date();
    // An invalid date has year, month and day 0, which is what is printed then.
    strDate = QString::asprintf("%04d-%02d-%02d", date.year(), date.month(), date.day());
}

QString CRunLog::StampText(QString strText) const {
    if (m_bEnsureCrLf && !strText.endsWith(QLatin1String("\r\n"))) {
        strText += QLatin1String("\r\n");
    }
    if (!m_bShowDate && !m_bShowTime) return strText;
    QString strDate;
    FormatToday(strDate);
    // The date and the time are read separately, so around midnight they may disagree.
    QTime now = CurrentDateTime().time();
    QString strTime =
        QString::asprintf("%2d:%02d:%02d.%03d", now.hour(), now.minute(), now.second(), now.msec());
    if (m_bShowDate && m_bShowTime) {
        return QLatin1Char('[') + strDate + QLatin1Char(' ') + strTime + QLatin1String("] ") +
               strText;
    }
    if (m_bShowTime) return QLatin1Char('[') + strTime + QLatin1String("] ") + strText;
    return strText;
}

void CRunLog::QueueForPane(const QString& strText) {
    const int nChannel = 0;
    m_nLineCount[nChannel] += 1;
    QString strTag;
    if (m_bShowTag) {
        strTag = m_bShowThreadId ? QString::asprintf("[%ld %4d]", CurrentThreadId(), nChannel)
                                 : QString::asprintf("[%d]", nChannel);
    }
    if (m_bShowLineNo) strTag += QString::asprintf("[%d]", m_nLineCount[nChannel]);
    QString strEntry = strTag + strText;
    m_nPaneTextLength[nChannel] += static_cast<int>(strEntry.size());
    if (m_bPending[nChannel] == 1) {
        m_strPending[nChannel] += strEntry;
    } else {
        m_strPending[nChannel] = strEntry;
    }
    if (m_strPending[nChannel].size() > PANE_QUEUE_LIMIT) {
        m_strPending[nChannel].remove(0, PANE_QUEUE_DROP);
        m_nPaneTextLength[nChannel] -= PANE_QUEUE_DROP;
    }
    m_bPending[nChannel] = 1;
}

void CRunLog::WriteLog(QString strText) {
    strText = StampText(std::move(strText));
    QMutexLocker locker(&m_lock);
    if (m_bPaneEnabled[0]) QueueForPane(strText);
    if (m_bFileEnabled[0]) WriteLogFile(strText, 0);
}
