#include "log/AsciiFormat.h"

#include <cstdarg>
#include <cstdio>

namespace {
int FormatInto(char (&buffer)[64], const char* pFormat, va_list args) {
    int n = std::vsnprintf(buffer, sizeof buffer, pFormat, args);
    return n < 0 ? 0
                 : (n >= static_cast<int>(sizeof buffer) ? static_cast<int>(sizeof buffer) - 1 : n);
}
}  // namespace

QByteArray FormatAsciiBytes(const char* pFormat, ...) {
    char buffer[64];
    va_list args;
    va_start(args, pFormat);
    int n = FormatInto(buffer, pFormat, args);
    va_end(args);
    return QByteArray(buffer, n);
}

QString FormatAscii(const char* pFormat, ...) {
    char buffer[64];
    va_list args;
    va_start(args, pFormat);
    int n = FormatInto(buffer, pFormat, args);
    va_end(args);
    return QString::fromLatin1(buffer, n);
}
