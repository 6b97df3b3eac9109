#include "log/AsciiFormat.h"

#include <cstdarg>
#include <cstdio>

namespace {
QByteArray VFormatAscii(const char* pFormat, va_list args) {
    char buffer[64];
    int n = std::vsnprintf(buffer, sizeof buffer, pFormat, args);
    if (n < 0) n = 0;
    if (n >= static_cast<int>(sizeof buffer)) n = static_cast<int>(sizeof buffer) - 1;
    return QByteArray(buffer, n);
}
}  // namespace

QByteArray FormatAsciiBytes(const char* pFormat, ...) {
    va_list args;
    va_start(args, pFormat);
    QByteArray text = VFormatAscii(pFormat, args);
    va_end(args);
    return text;
}

QString FormatAscii(const char* pFormat, ...) {
    va_list args;
    va_start(args, pFormat);
    QByteArray text = VFormatAscii(pFormat, args);
    va_end(args);
    return QString::fromLatin1(text);
}
