#include "cli/StderrPane.h"

void PrintLines(std::FILE* pStream, QString strText) {
    strText.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QByteArray bytes = strText.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), pStream);
    std::fflush(pStream);
}

void CStderrPane::InsertOnLastLine(const QString& strText, bool) { PrintLines(stderr, strText); }
