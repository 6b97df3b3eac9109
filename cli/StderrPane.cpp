#include "cli/StderrPane.h"

#include <cerrno>

#include "platform/Console.h"

namespace {

int g_nStdoutError = 0;

void NoteWrite(std::FILE* pStream, bool bWritten) {
    if (!bWritten && pStream == stdout && g_nStdoutError == 0) {
        g_nStdoutError = errno != 0 ? errno : EIO;
    }
}

}  // namespace

void PrintBytes(std::FILE* pStream, const char* pData, qsizetype nSize) {
    errno = 0;
    NoteWrite(pStream, std::fwrite(pData, 1, size_t(nSize), pStream) == size_t(nSize) &&
                           std::fflush(pStream) == 0);
}

void PrintLines(std::FILE* pStream, QString strText) {
    strText.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    errno = 0;
    NoteWrite(pStream, WriteStreamText(pStream, strText));
}

int StdoutError() { return g_nStdoutError; }

void CStderrPane::InsertOnLastLine(const QString& strText, bool) { PrintLines(stderr, strText); }
