#include <QDir>
#include <QFileInfo>
#include <cstring>
#include <new>

#include "log/AsciiFormat.h"
#include "log/FileException.h"
#include "log/LogErrorHandler.h"
#include "log/LogFileName.h"
#include "log/LogText.h"
#include "log/RunLog.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "platform/FileOpen.h"
#include "platform/FileSystem.h"

namespace {

constexpr int ERROR_TEXT_LIMIT = 2048;

// One reading of the calendar clock gives the file name and the stamps of one call.
struct LogClock {
    LocalTimeFields now;
    QByteArray stamp;  // "%04d-%02d-%02d %02d:%02d:%02d"
};

// Seconds since year 0 as a key; good enough to tell two readings of the clock apart.
qint64 SecondKey(const LocalTimeFields& t) {
    return ((((qint64(t.nYear) * 13 + t.nMonth) * 32 + t.nDay) * 24 + t.nHour) * 60 + t.nMinute) *
               60 +
           t.nSecond;
}

// The stamp changes once a second; formatting it for every record would cost more than the
// write itself. The cache is plain bytes: the closing banner is written during static
// destruction, after the thread's non-trivial objects are gone.
LogClock ReadLogClock() {
    thread_local qint64 nCachedKey = -1;
    thread_local char cachedStamp[32] = {};
    thread_local int nStampLength = 0;
    LogClock clock;
    clock.now = CurrentLocalTime();
    const LocalTimeFields& t = clock.now;
    if (SecondKey(t) != nCachedKey) {
        const QByteArray stamp = FormatAsciiBytes("%04d-%02d-%02d %02d:%02d:%02d", t.nYear,
                                                  t.nMonth, t.nDay, t.nHour, t.nMinute, t.nSecond);
        nStampLength = static_cast<int>(qMin<qsizetype>(stamp.size(), sizeof cachedStamp));
        std::memcpy(cachedStamp, stamp.constData(), static_cast<size_t>(nStampLength));
        nCachedKey = SecondKey(t);
    }
    clock.stamp = QByteArray(cachedStamp, nStampLength);
    return clock;
}

QString DateOf(const LocalTimeFields& now) {
    return FormatAscii("%04d-%02d-%02d", now.nYear, now.nMonth, now.nDay);
}

QByteArray OpeningBanner(const QByteArray& stamp, int nChannel) {
    return QByteArray("\r\n-< ") + stamp + QByteArray(" >------- <LogFileOpened : ") +
           QByteArray::number(nChannel) + QByteArray(" > ===== \r\n");
}

QByteArray ClosingBanner(const QByteArray& stamp) {
    return QByteArray("\r\n-< ") + stamp + QByteArray(" >------- <LogFileClosed> ===== \r\n");
}

QString ResolveFolder(const QString& strFolder) {
    if (IsAbsoluteLogPath(strFolder)) return ToNativeSeparators(strFolder);
    QString strResult;
    CRunLog::JoinPath(QDir::currentPath(), strFolder, strResult);
    return strResult;
}

QString ErrorMessage(const QString& strError) {
    return QStringLiteral("发生错误 ") + strError.left(ERROR_TEXT_LIMIT);
}

void Append(QFile& file, const QByteArray& bytes) {
    QString strError;
    if (!AppendWhole(file, bytes, strError)) throw CFileException(strError.toStdString());
}

}  // namespace

QString LogFileName(const CRunLog& log, int nChannel, const LocalTimeFields& now) {
    const bool bPlain = nChannel == 0 && log.m_bPlainFileName;
    if (!bPlain && (nChannel < 0 || nChannel >= LOG_CHANNEL_COUNT)) return QString();
    QString strName = log.m_strLogName + QLatin1String("log");
    if (!bPlain) strName += FormatAscii("[%d]_", nChannel) + log.m_strChannelName[nChannel];
    strName += QLatin1Char('_') + DateOf(now);
    if (log.m_bHourlyFile) strName += FormatAscii("_%02d", now.nHour);
    return strName + QLatin1String(".log");
}

int CRunLog::JoinPath(QString strBase, QString strRelative, QString& strResult) {
    strResult = ToNativeSeparators(strBase + NativeSeparator() + strRelative);
    return 1;
}

int CRunLog::SetLogPath(QString strFolder, QString strName) {
    std::scoped_lock locker(m_lock);
    m_strLogDir = std::move(strFolder);
    m_strLogName = std::move(strName);
    for (int i = 0; i < LOG_CHANNEL_COUNT; ++i) {
        // A file still open here is let go without a banner rather than leaked.
        if (m_file[i].isOpen()) m_file[i].close();
        m_bFileOpen[i] = false;
        m_nLineCount[i] = 0;
        m_nPaneTextLength[i] = 0;
        m_bPending[i] = false;
        m_strPending[i].clear();
    }
    QString strToday;
    FormatToday(strToday);
    return CreateFolderTree(ResolveFolder(m_strLogDir + QLatin1Char('/') + strToday));
}

bool CRunLog::OpenLogFile(int nChannel, const QString& strDayFolder, const QString& strPath,
                          const QByteArray& stamp) {
    CreateFolderTree(ResolveFolder(strDayFolder));
    QFile& file = m_file[nChannel];
    // Every running copy appends to the same file of the day; each record is one append, so
    // records of several copies alternate whole and none is refused.
    QString strError;
    if (!OpenAppendFile(strPath, file, strError)) {
        m_bFileOpen[nChannel] = false;
        m_strPending[nChannel] += QStringLiteral("日志文件 ") + PathForLog(strPath) +
                                  QStringLiteral(" 操作失败, ") + strError + QStringLiteral("\r\n");
        return false;
    }
    m_bFileOpen[nChannel] = true;
    m_strOpenName[nChannel] = QFileInfo(strPath).fileName();
    Append(file, OpeningBanner(stamp, nChannel));
    return true;
}

// At the change of day the old file gets its closing banner. When that fails, the failure is
// reported and returned as a line for the new file, so the text that met it is not lost.
QString CRunLog::RotateLogFile(int nChannel, const QByteArray& stamp) {
    QString strError;
    const bool bWritten = AppendWhole(m_file[nChannel], ClosingBanner(stamp), strError);
    m_file[nChannel].close();
    m_bFileOpen[nChannel] = false;
    if (bWritten) return QString();
    const QString strMessage = ErrorMessage(strError);
    ReportFailure(strMessage, nChannel);
    return strMessage + QLatin1String("\r\n");
}

const QByteArray& CRunLog::Record(const QByteArray& stamp, const QString& strText) {
    // One buffer for every record: its room is kept from one record to the next.
    m_record.truncate(0);  // keeps the room, unlike clear()
    if (m_bShowTime) m_record.append(stamp).append(" : ");
    // The whole text in the code page, however many bytes it takes.
    AppendCodePage(m_record, strText);
    return m_record;
}

QString CRunLog::CachedLogFileName(int nChannel, const LocalTimeFields& now) {
    if (nChannel < 0 || nChannel >= LOG_CHANNEL_COUNT) return LogFileName(*this, nChannel, now);
    LogNameCache& cache = m_nameCache[nChannel];
    const qint64 nHourKey = SecondKey(now) / 3600;
    if (cache.nHourKey != nHourKey || cache.strLogName != m_strLogName ||
        cache.strChannelName != m_strChannelName[nChannel] || cache.bPlain != m_bPlainFileName ||
        cache.bHourly != m_bHourlyFile) {
        cache = {nHourKey,         m_strLogName,  m_strChannelName[nChannel],
                 m_bPlainFileName, m_bHourlyFile, LogFileName(*this, nChannel, now)};
    }
    return cache.strName;
}

void CRunLog::ReportFailure(const QString& strMessage, int nChannel) {
    if (nChannel >= 0 && nChannel < LOG_CHANNEL_COUNT) {
        m_strPending[nChannel] += strMessage + QLatin1String("\r\n");
    }
    ReportLogError(strMessage);
}

int CRunLog::WriteLogFileGuarded(const QString& strText, int nChannel) {
    const LogClock clock = ReadLogClock();
    const QString strName = CachedLogFileName(nChannel, clock.now);
    if (strName.isEmpty()) return 0;
    QString strFailure;
    if (m_bFileOpen[nChannel] && m_strOpenName[nChannel] != strName) {
        strFailure = RotateLogFile(nChannel, clock.stamp);
    }
    // A handler that reported a failure may have opened the file again meanwhile.
    if (!m_bFileOpen[nChannel]) {
        // Folder and path are only needed to open, not for every record.
        QString strDayFolder =
            ToNativeSeparators(m_strLogDir + NativeSeparator() + DateOf(clock.now));
        QString strPath = strDayFolder + NativeSeparator() + strName;
        if (!OpenLogFile(nChannel, strDayFolder, strPath, clock.stamp)) return 0;
    }
    if (!strFailure.isEmpty()) Append(m_file[nChannel], Record(clock.stamp, strFailure));
    Append(m_file[nChannel], Record(clock.stamp, strText));
    return 1;
}

int CRunLog::WriteLogFile(QString strText, int nChannel) {
    std::scoped_lock locker(m_lock);
    QString strError;
    try {
        return WriteLogFileGuarded(strText, nChannel);
    } catch (const CFileException& e) {
        strError = QString::fromUtf8(e.what());
    } catch (const std::exception& e) {
        strError = QString::fromLocal8Bit(e.what());
    } catch (...) {
        strError.clear();
    }
    ReportFailure(ErrorMessage(strError), nChannel);
    return 0;
}
bool CRunLog::HoldsOpen(const QString& strPath) const {
    std::scoped_lock locker(m_lock);
    for (int i = 0; i < LOG_CHANNEL_COUNT; ++i) {
        if (m_bFileOpen[i] && IsOpenedFile(m_file[i], strPath)) return true;
    }
    return false;
}

void CRunLog::CloseLogFiles() {
    std::scoped_lock locker(m_lock);
    for (int i = 0; i < LOG_CHANNEL_COUNT; ++i) {
        if (!m_bFileOpen[i]) continue;
        // Written as an ordinary text, so it carries the record prefix like any other.
        WriteLogFile(QString::fromLatin1(ClosingBanner(ReadLogClock().stamp)), i);
        m_file[i].close();
        m_bFileOpen[i] = false;
    }
}
