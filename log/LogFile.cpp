#include <QDir>
#include <QFileInfo>
#include <ios>
#include <new>

#include "log/AsciiFormat.h"
#include "log/LogErrorHandler.h"
#include "log/RunLog.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "platform/FileLock.h"
#include "platform/FileSystem.h"

namespace {

constexpr int ERROR_TEXT_LIMIT = 2048;

// One reading of the calendar clock gives the file name and the stamps of one call.
struct LogClock {
    QString strDate;
    int nHour = -1;
    QByteArray stamp;  // "%04d-%02d-%02d %02d:%02d:%02d"
};

LogClock ReadLogClock() {
    const LocalTimeFields now = CurrentLocalTime();
    LogClock clock;
    clock.stamp = FormatAsciiBytes("%04d-%02d-%02d %02d:%02d:%02d", now.nYear, now.nMonth, now.nDay,
                                   now.nHour, now.nMinute, now.nSecond);
    clock.strDate = QString::fromLatin1(clock.stamp.constData(), clock.stamp.indexOf(' '));
    clock.nHour = now.nHour;
    return clock;
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

// Empty when the channel cannot be named (outside 0 to 9 with the long patterns).
QString LogFileName(const CRunLog& log, int nChannel, const LogClock& clock) {
    const bool bPlain = nChannel == 0 && log.m_bPlainFileName == 1;
    QString strName;
    strName.reserve(log.m_strLogName.size() + 40);
    strName += log.m_strLogName;
    strName += QLatin1String("log");
    if (bPlain) {
        strName += QLatin1Char('_') + clock.strDate;
    } else {
        if (nChannel < 0 || nChannel >= LOG_CHANNEL_COUNT) return QString();
        strName += FormatAscii("[%d]_", nChannel) + log.m_strChannelName[nChannel] +
                   QLatin1Char('_') + clock.strDate;
    }
    if (log.m_bHourlyFile) strName += FormatAscii("_%02d", clock.nHour);
    return strName + QLatin1String(".log");
}

bool WriteAll(QFile& file, const QByteArray& bytes) { return file.write(bytes) == bytes.size(); }

}  // namespace

int CRunLog::JoinPath(QString strBase, QString strRelative, QString& strResult) {
    strResult = ToNativeSeparators(strBase + NativeSeparator() + strRelative);
    return 1;
}

int CRunLog::SetLogPath(QString strFolder, QString strName) {
    m_strLogDir = std::move(strFolder);
    m_strLogName = std::move(strName);
    for (int i = 0; i < LOG_CHANNEL_COUNT; ++i) {
        // A file still open here is let go without a banner rather than leaked.
        if (m_file[i].isOpen()) m_file[i].close();
        m_bFileOpen[i] = 0;
        m_nLineCount[i] = 0;
        m_nPaneTextLength[i] = 0;
        m_bPending[i] = 0;
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
    file.setFileName(strPath);
    // Read-write keeps an existing file's content; the lock keeps a second copy of the tool
    // from writing into the same file.
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered) || !LockFileExclusive(file)) {
        file.close();
        m_bFileOpen[nChannel] = 0;
        m_strPending[nChannel] +=
            QString::asprintf("日志文件 %ls 操作失败", qUtf16Printable(strPath)) +
            QLatin1String("\r\n");
        return false;
    }
    m_bFileOpen[nChannel] = 1;
    m_strOpenName[nChannel] = QFileInfo(strPath).fileName();
    if ((!file.isSequential() && !file.seek(file.size())) ||
        !WriteAll(file, OpeningBanner(stamp, nChannel))) {
        throw std::ios_base::failure(file.errorString().toStdString());
    }
    return true;
}

int CRunLog::WriteLogFileGuarded(const QString& strText, int nChannel) {
    LogClock clock = ReadLogClock();
    QString strName = LogFileName(*this, nChannel, clock);
    if (strName.isEmpty()) return 0;
    QFile& file = m_file[nChannel];
    if (m_bFileOpen[nChannel] && m_strOpenName[nChannel] != strName) {
        bool bWritten = WriteAll(file, ClosingBanner(clock.stamp));
        file.close();
        m_bFileOpen[nChannel] = 0;
        if (!bWritten) throw std::ios_base::failure(file.errorString().toStdString());
    }
    if (!m_bFileOpen[nChannel]) {
        // Folder and path are only needed to open, not for every record.
        QString strDayFolder = ToNativeSeparators(m_strLogDir + NativeSeparator() + clock.strDate);
        QString strPath = strDayFolder + NativeSeparator() + strName;
        if (!OpenLogFile(nChannel, strDayFolder, strPath, clock.stamp)) return 0;
    }
    // The whole text in the code page, however many bytes it takes.
    QByteArray record =
        m_bShowTime ? clock.stamp + " : " + ToCodePage(strText) : ToCodePage(strText);
    if (!WriteAll(file, record)) throw std::ios_base::failure(file.errorString().toStdString());
    return 1;
}

int CRunLog::WriteLogFile(QString strText, int nChannel) {
    QString strError;
    try {
        return WriteLogFileGuarded(strText, nChannel);
    } catch (const std::exception& e) {
        strError = QString::fromLocal8Bit(e.what()).left(ERROR_TEXT_LIMIT);
    } catch (...) {
        strError.clear();
    }
    QString strMessage = QString::asprintf("发生错误 %ls", qUtf16Printable(strError));
    if (nChannel >= 0 && nChannel < LOG_CHANNEL_COUNT) {
        m_strPending[nChannel] += strMessage + QLatin1String("\r\n");
    }
    ReportLogError(strMessage);
    return 0;
}

void CRunLog::CloseLogFiles() {
    QMutexLocker locker(&m_lock);
    for (int i = 0; i < LOG_CHANNEL_COUNT; ++i) {
        if (!m_bFileOpen[i]) continue;
        // Written as an ordinary text, so it carries the record prefix like any other.
        WriteLogFile(QString::fromLatin1(ClosingBanner(ReadLogClock().stamp)), i);
        m_file[i].close();
        m_bFileOpen[i] = 0;
    }
}
