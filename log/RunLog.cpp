#include "log/RunLog.h"

#include "log/AsciiFormat.h"
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
    const LocalTimeFields now = CurrentLocalTime();
    strDate = FormatAscii("%04d-%02d-%02d", now.nYear, now.nMonth, now.nDay);
}

QString CRunLog::StampText(QString strText) const {
    if (m_bEnsureCrLf && !strText.endsWith(QLatin1String("\r\n"))) {
        strText += QLatin1String("\r\n");
    }
    if (!m_bShowTime) return strText;  // the date alone puts no stamp in front
    QString strStamp = QStringLiteral("[");
    if (m_bShowDate) {
        QString strDate;
        FormatToday(strDate);
        strStamp += strDate + QLatin1Char(' ');
    }
    // The date and the time are read separately, so around midnight they may disagree.
    const LocalTimeFields now = CurrentLocalTime();
    strStamp += FormatAscii("%2d:%02d:%02d.%03d] ", now.nHour, now.nMinute, now.nSecond, now.nMsec);
    return strStamp + strText;
}

void CRunLog::QueueForPane(const QString& strText) {
    const int nChannel = 0;
    m_nLineCount[nChannel] += 1;
    QString strTag;
    if (m_bShowTag) {
        strTag = m_bShowThreadId ? FormatAscii("[%ld %4d]", CurrentThreadId(), nChannel)
                                 : FormatAscii("[%d]", nChannel);
    }
    if (m_bShowLineNo) strTag += FormatAscii("[%d]", m_nLineCount[nChannel]);
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

void ConfigureRunLog(CRunLog& log, const QString& strLogRoot) {
    log.m_bPaneEnabled[0] = 1;
    log.m_bFileEnabled[0] = 1;
    log.SetLogPath(strLogRoot, QStringLiteral("RunLog"));
    log.m_bShowThreadId = 0;
    log.m_bShowTag = 0;
}
