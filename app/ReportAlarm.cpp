#include "app/ReportAlarm.h"

#include "log/RunLog.h"

namespace {
bool IsLineBreak(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }
}  // namespace

int ReportAlarm(QString strText) {
    qsizetype nBegin = 0;
    qsizetype nEnd = strText.size();
    while (nBegin < nEnd && IsLineBreak(strText[nBegin])) ++nBegin;
    while (nEnd > nBegin && IsLineBreak(strText[nEnd - 1])) --nEnd;
    WriteLog(QStringLiteral("报警信息: ") + strText.mid(nBegin, nEnd - nBegin) +
             QLatin1String("\r\n"));
    return 0;
}
