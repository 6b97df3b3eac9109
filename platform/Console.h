#pragma once

#include <QString>
#include <cstdio>

// Writes text to a standard stream and flushes it. On a Windows console it goes to the console
// as UTF-16, so Chinese reads right whatever the console's code page; everywhere else (Linux, a
// file or a pipe) as UTF-8 bytes. Returns false, with errno set, when the write fails.
bool WriteStreamText(std::FILE* pStream, const QString& strText);

// True when standard input is an interactive terminal or console.
bool StdinIsTerminal();
