#include "log/RunLog.h"

#include <cstring>
#include <utility>

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

namespace {

// "%2d:%02d:%02d.%03d] "; many texts share one millisecond, so the last one is kept.
QLatin1StringView TimeStamp(const LocalTimeFields& now) {
    thread_local LocalTimeFields cached{0, 0, 0, -2, -2, -2, -2};
    thread_local char text[32] = {};
    thread_local int nLength = 0;
    if (now.nMsec != cached.nMsec || now.nSecond != cached.nSecond ||
        now.nMinute != cached.nMinute || now.nHour != cached.nHour) {
        const QByteArray stamp = FormatAsciiBytes("%2d:%02d:%02d.%03d] ", now.nHour, now.nMinute,
                                                  now.nSecond, now.nMsec);
        nLength = static_cast<int>(qMin<qsizetype>(stamp.size(), sizeof text));
        std::memcpy(text, stamp.constData(), static_cast<size_t>(nLength));
        cached = now;
    }
    return QLatin1StringView(text, nLength);
}

}  // namespace

QString CRunLog::StampText(QString strText) const {
    const bool bAddCrLf = m_bEnsureCrLf && !strText.endsWith(QLatin1String("\r\n"));
    if (!m_bShowTime) {  // the date alone puts no stamp in front
        if (bAddCrLf) strText += QLatin1String("\r\n");
        return strText;
    }
    QString strStamped;
    strStamped.reserve(strText.size() + 40);
    strStamped += QLatin1Char('[');
    if (m_bShowDate) {
        QString strDate;
        FormatToday(strDate);
        strStamped += strDate + QLatin1Char(' ');
    }
    // The date and the time are read separately, so around midnight they may disagree.
    strStamped += TimeStamp(CurrentLocalTime());
    strStamped += strText;
    if (bAddCrLf) strStamped += QLatin1String("\r\n");
    return strStamped;
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
    m_nPaneTextLength[nChannel] += static_cast<int>(strTag.size() + strText.size());
    QString& strPending = m_strPending[nChannel];
    if (!m_bPending[nChannel]) strPending.clear();
    // Copied, never shared with the writer's text: the writer lets go of that after the lock,
    // and Qt's reference count, which would then order the free, is invisible to the thread
    // sanitizer.
    strPending.append(QStringView(strTag)).append(QStringView(strText));
    if (strPending.size() > PANE_QUEUE_LIMIT) {
        strPending.remove(0, PANE_QUEUE_DROP);
        m_nPaneTextLength[nChannel] -= PANE_QUEUE_DROP;
    }
    m_bPending[nChannel] = true;
}

void CRunLog::WriteLog(QString strText) {
    strText = StampText(std::move(strText));
    std::scoped_lock locker(m_lock);
    if (m_bPaneEnabled[0]) QueueForPane(strText);
    if (m_bFileEnabled[0]) WriteLogFile(strText, 0);
}

void ConfigureRunLog(CRunLog& log, const QString& strLogRoot) {
    log.m_bPaneEnabled[0] = true;
    log.m_bFileEnabled[0] = true;
    log.SetLogPath(strLogRoot, QStringLiteral("RunLog"));
    log.m_bShowThreadId = false;
    log.m_bShowTag = false;
}

QString CRunLog::PendingText(int nChannel) const {
    std::scoped_lock locker(m_lock);
    return m_strPending[nChannel];
}

QString CRunLog::TakePendingText(int nChannel) {
    std::scoped_lock locker(m_lock);
    m_bPending[nChannel] = false;
    return std::exchange(m_strPending[nChannel], QString());
}

bool CRunLog::HasPendingText(int nChannel) const {
    std::scoped_lock locker(m_lock);
    return m_bPending[nChannel];
}

QString CRunLog::ShownText(int nChannel) const {
    std::scoped_lock locker(m_lock);
    return m_strShown[nChannel];
}

int CRunLog::PaneTextLength(int nChannel) const {
    std::scoped_lock locker(m_lock);
    return m_nPaneTextLength[nChannel];
}

int CRunLog::LineCount(int nChannel) const {
    std::scoped_lock locker(m_lock);
    return m_nLineCount[nChannel];
}

bool CRunLog::IsFileOpen(int nChannel) const {
    std::scoped_lock locker(m_lock);
    return m_bFileOpen[nChannel];
}
