#pragma once

#include <QFile>
#include <QObject>
#include <QString>
#include <memory>
#include <mutex>

#include "log/OutputPane.h"
#include "platform/Clock.h"

inline constexpr int LOG_CHANNEL_COUNT = 10;
inline constexpr int PANE_QUEUE_LIMIT = 3000000;  // pending pane text above this ...
inline constexpr int PANE_QUEUE_DROP = 1000000;   // ... loses its oldest characters
inline constexpr int PANE_TRIM_LIMIT = 2000000;   // pane plus queue above this ...
inline constexpr int PANE_TRIM_CUT = 1000000;     // ... loses its oldest characters

// The process-wide record of everything the tool reports: stamps each text, queues it for the
// output pane and appends it to the log file of the day. Lengths count UTF-16 code units.
class CRunLog {
public:
    CRunLog();
    ~CRunLog();
    CRunLog(const CRunLog&) = delete;
    CRunLog& operator=(const CRunLog&) = delete;

    // Stamps the text, queues it for the pane of channel 0 and writes it to its log file.
    // Safe from any thread; re-entrant on the thread that holds m_lock.
    void WriteLog(QString strText);

    // Sets strDate to today's local date, "%04d-%02d-%02d".
    static void FormatToday(QString& strDate);

    // Appends one record to the channel's file of the day, opening or rotating it as needed.
    // Returns 1 when written, 0 when not (channel out of range, file not opened, write error).
    int WriteLogFile(QString strText, int nChannel);

    // Sets the log folder and name, resets the channels and creates today's folder. Returns 0
    // when the folder was created, the platform's error code otherwise (also "already exists").
    // Must not be called while a log file is open.
    int SetLogPath(QString strFolder, QString strName);

    // strResult = base + separator + relative, with the platform's separators. Returns 1.
    static int JoinPath(QString strBase, QString strRelative, QString& strResult);

    // Links a control as the output pane: an IOutputPane object brings its own kind; for any
    // other control the installed pane binder decides (an edit or rich edit adapter, or
    // nothing). Returns 0 for no object, else 1 (also when nothing is linked).
    int AttachOutputWnd(QObject* pWnd);
    // Links a pane that is no control of its own (the command-line tool's standard error).
    int AttachOutputWnd(IOutputPane* pPane);
    // Unlinks the pane; returns 1.
    int DetachOutputWnd();
    // Moves the pending text of channel 0 into the pane. Returns 0; waits for m_lock.
    int FlushOutput();

    // Closes every open log file with its closing banner (done by the destructor too).
    void CloseLogFiles();

    // What the tests and benchmarks look at; each takes m_lock.
    QString PendingText(int nChannel = 0) const;
    // Empties the channel's queue without showing it and returns what it held.
    QString TakePendingText(int nChannel = 0);
    bool HasPendingText(int nChannel = 0) const;
    // The text that the pane was given and still holds.
    QString ShownText(int nChannel = 0) const;
    // Pane plus queue, as counted for the trim.
    int PaneTextLength(int nChannel = 0) const;
    int LineCount(int nChannel = 0) const;
    // 0 when no pane is linked, else the linked pane's kind.
    int PaneMode() const;
    bool PaneOwned() const;
    IOutputPane* EditPane() const;
    IOutputPane* RichPane() const;
    bool IsFileOpen(int nChannel = 0) const;
    // True when strPath names a log file that is open now, links resolved: no output may
    // replace it.
    bool HoldsOpen(const QString& strPath) const;

    // Configuration, set before the log is used from more than one thread; the pane's two
    // (pause, hold view) are set and read on the thread that flushes.
    bool m_bShowThreadId = false;
    bool m_bShowLineNo = false;
    bool m_bShowTag = false;
    bool m_bShowDate = false;
    bool m_bShowTime = true;
    bool m_bHourlyFile = false;
    bool m_bEnsureCrLf = true;
    bool m_bPauseOutput = false;
    bool m_bHoldView = false;
    QString m_strLogDir = QStringLiteral(".\\Log");
    QString m_strLogName = QStringLiteral("DefaultLog");
    bool m_bPlainFileName = true;
    QString m_strChannelName[LOG_CHANNEL_COUNT];
    bool m_bPaneEnabled[LOG_CHANNEL_COUNT] = {};
    bool m_bFileEnabled[LOG_CHANNEL_COUNT] = {};

private:
    // Everything below is guarded by m_lock: a standard mutex rather than Qt's own, whose
    // futex the thread sanitizer cannot see.
    mutable std::recursive_mutex m_lock;
    std::unique_ptr<IOutputPane> m_editPane;
    IOutputPane* m_pEditWnd = nullptr;
    std::unique_ptr<IOutputPane> m_richPane;
    IOutputPane* m_pRichWnd = nullptr;
    int m_nPaneMode = 0;
    bool m_bPaneOwned = false;
    int m_nLineCount[LOG_CHANNEL_COUNT] = {};
    int m_nPaneTextLength[LOG_CHANNEL_COUNT] = {};
    bool m_bPending[LOG_CHANNEL_COUNT] = {};
    QString m_strPending[LOG_CHANNEL_COUNT];
    QString m_strShown[LOG_CHANNEL_COUNT];
    QFile m_file[LOG_CHANNEL_COUNT];
    bool m_bFileOpen[LOG_CHANNEL_COUNT] = {};
    QString m_strOpenName[LOG_CHANNEL_COUNT];  // final path component of each open file
    struct LogNameCache {
        qint64 nHourKey = -1;
        QString strLogName, strChannelName;
        bool bPlain = false, bHourly = false;  // nHourKey -1 already misses the first time
        QString strName;
    };
    LogNameCache m_nameCache[LOG_CHANNEL_COUNT];
    QByteArray m_record;

    QString StampText(QString strText) const;
    // Links a pane of kind 1 or 2; bOwned when the run log made the adapter itself.
    void LinkPane(IOutputPane* pPane, std::unique_ptr<IOutputPane> owned);
    void QueueForPane(const QString& strText);
    int WriteLogFileGuarded(const QString& strText, int nChannel);
    bool OpenLogFile(int nChannel, const QString& strDayFolder, const QString& strPath,
                     const QByteArray& stamp);
    QString RotateLogFile(int nChannel, const QByteArray& stamp);
    const QByteArray& Record(const QByteArray& stamp, const QString& strText);
    // LogFileName, computed again only when the hour or a name option changed.
    QString CachedLogFileName(int nChannel, const LocalTimeFields& now);
    // Queues a failure line for the pane and hands it to the log error handler.
    void ReportFailure(const QString& strMessage, int nChannel);
    void FlushIntoPane(IOutputPane& pane, bool bRich);
};

extern CRunLog g_RunLog;

// The run log's one entry for the rest of the system: g_RunLog.WriteLog.
void WriteLog(QString strText);

// The run log as both programs use it: channel 0 on for pane and file, the day's files below
// strLogRoot named "RunLog", no tags. The pane is linked by the caller.
void ConfigureRunLog(CRunLog& log, const QString& strLogRoot);
