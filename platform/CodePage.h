#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

// The one process-wide 8-bit code page of the catalogue, its path and the log files: the
// locale's codeset (the C/POSIX locale counts as UTF-8), unless QUORRIX_CODEPAGE names another.

// UTF-16 to the code page; a character without a mapping becomes "?".
QByteArray ToCodePage(const QString& strText);

// A decoder for the code page in force; invalid byte sequences become replacement characters.
QStringDecoder MakeCodePageDecoder();

// True when the code page in force is UTF-8.
bool CodePageIsUtf8();
