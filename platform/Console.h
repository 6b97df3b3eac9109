#pragma once

#include <QString>
#include <cstdio>

// Writes text to a standard stream and flushes it. On a Windows console it goes to the console
// as UTF-16, so Chinese reads right whatever the console's code page; everywhere else (Linux, a
// file or a pipe) as UTF-8 bytes. Returns false, with errno set, when the write fails.
bool WriteStreamText(std::FILE* pStream, const QString& strText);

// Standard output and error carry bytes as they are: Windows would otherwise write each "\n" as
// "\r\n" (and spoil an image written to standard output).
void UseBinaryStandardStreams();

// True when standard input is an interactive terminal or console.
bool StdinIsTerminal();
