#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

// The one process-wide 8-bit code page of the catalogue, its path and the log files: the
// locale's codeset (the C/POSIX locale counts as UTF-8), unless QUORRIX_CODEPAGE names another.

// Name of the code page in force (for example "UTF-8" or "GBK"); re-read from the environment
// when QUORRIX_CODEPAGE changes.
QString CodePageName();

// UTF-16 to the code page; a character without a mapping becomes "?".
QByteArray ToCodePage(const QString& strText);

// The code page to UTF-16; invalid byte sequences become replacement characters.
QString FromCodePage(QByteArrayView bytes);

// A decoder for the code page in force, for callers that decode many pieces in a row.
QStringDecoder MakeCodePageDecoder();

// True when the code page in force is UTF-8.
bool CodePageIsUtf8();
