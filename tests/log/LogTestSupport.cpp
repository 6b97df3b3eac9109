#include "tests/log/LogTestSupport.h"

#include "log/RunLog.h"

void ConfigureLikeWindow(CRunLog& log, const QString& strRoot) {
    log.m_bPaneEnabled[0] = 1;
    log.m_bFileEnabled[0] = 1;
    log.SetLogPath(strRoot, QStringLiteral("RunLog"));
    log.m_bShowThreadId = 0;
    log.m_bShowTag = 0;
}

QString DayFile(const QString& strRoot, const QString& strDate) {
    return strRoot + QLatin1Char('/') + strDate + QLatin1String("/RunLoglog_") + strDate +
           QLatin1String(".log");
}

QByteArray Opening(const char* pStamp) {
    return QByteArray("\r\n-< ") + pStamp + " >------- <LogFileOpened : 0 > ===== \r\n";
}

QByteArray Closing(const char* pStamp) {
    return QByteArray("\r\n-< ") + pStamp + " >------- <LogFileClosed> ===== \r\n";
}
