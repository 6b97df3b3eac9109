#include "tests/log/LogTestSupport.h"

#include "log/RunLog.h"

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
