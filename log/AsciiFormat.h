#pragma once

#include <QByteArray>
#include <QString>

// printf into a short ASCII text (time stamps, numbers), much cheaper than QString::asprintf
// on the path that every log text takes. The result is cut at 63 characters.
QByteArray FormatAsciiBytes(const char* pFormat, ...) __attribute__((format(printf, 1, 2)));
QString FormatAscii(const char* pFormat, ...) __attribute__((format(printf, 1, 2)));
