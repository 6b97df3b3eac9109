#pragma once

#include <QFile>
#include <QObject>
#include <QRecursiveMutex>
#include <QString>
#include <memory>

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

    int m_bShowThreadId = 0;
    int m_bShowLineNo = 0;
    int m_bShowTag = 0;
    int m_bShowDate = 0;
    int m_bShowTime = 1;
    int m_bHourlyFile = 0;
    int m_bEnsureCrLf = 1;
    int m_bPauseOutput = 0;
    int m_bHoldView = 0;
    std::unique_ptr<IOutputPane> m_editPane;
    IOutputPane* m_pEditWnd = nullptr;
    std::unique_ptr<IOutputPane> m_richPane;
    IOutputPane* m_pRichWnd = nullptr;
    int m_nPaneMode = 0;
    int m_bPaneOwned = 0;
    QString m_strLogDir = QStringLiteral(".\\Log");
    QString m_strLogName = QStringLiteral("DefaultLog");
    int m_bPlainFileName = 1;
    QString m_strChannelName[LOG_CHANNEL_COUNT];
    int m_bPaneEnabled[LOG_CHANNEL_COUNT] = {};
    int m_bFileEnabled[LOG_CHANNEL_COUNT] = {};
    int m_nLineCount[LOG_CHANNEL_COUNT] = {};
    int m_nPaneTextLength[LOG_CHANNEL_COUNT] = {};
    int m_bPending[LOG_CHANNEL_COUNT] = {};
    QString m_strPending[LOG_CHANNEL_COUNT];
    QString m_strShown[LOG_CHANNEL_COUNT];
    QFile m_file[LOG_CHANNEL_COUNT];
    int m_bFileOpen[LOG_CHANNEL_COUNT] = {};
    QRecursiveMutex m_lock;

private:
    QString m_strOpenName[LOG_CHANNEL_COUNT];  // final path component of each open file
    struct LogNameCache {
        qint64 nHourKey = -1;
        QString strLogName, strChannelName;
        int bPlain = -1, bHourly = -1;
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
