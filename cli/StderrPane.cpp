#include "cli/StderrPane.h"

#include <cerrno>

namespace {
int g_nStdoutError = 0;
}

void PrintBytes(std::FILE* pStream, const char* pData, qsizetype nSize) {
    errno = 0;
    const bool bWritten =
        std::fwrite(pData, 1, static_cast<size_t>(nSize), pStream) == static_cast<size_t>(nSize) &&
        std::fflush(pStream) == 0;
    if (!bWritten && pStream == stdout && g_nStdoutError == 0) {
        g_nStdoutError = errno != 0 ? errno : EIO;
    }
}

void PrintLines(std::FILE* pStream, QString strText) {
    strText.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    const QByteArray bytes = strText.toUtf8();
    PrintBytes(pStream, bytes.constData(), bytes.size());
}

int StdoutError() { return g_nStdoutError; }

void CStderrPane::InsertOnLastLine(const QString& strText, bool) { PrintLines(stderr, strText); }
