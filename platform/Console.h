#pragma once

#include <QString>
#include <cstdio>
#include <string>

// Writes text to a standard stream and flushes it. On a Windows console it goes to the console
// as UTF-16, so Chinese reads right whatever the console's code page; everywhere else (Linux, a
// file or a pipe) as UTF-8 bytes. Returns false, with errno set, when the write fails.
bool WriteStreamText(std::FILE* pStream, const QString& strText);

// Standard output and error carry bytes as they are: Windows would otherwise write each "\n" as
// "\r\n" (and spoil an image written to standard output).
void UseBinaryStandardStreams();

// A line typed at the terminal, as UTF-8: a Windows console gives it in its own input code page
// (936 on a Chinese PC, so "是" would not be recognised); elsewhere it is UTF-8 already.
std::string TerminalTextToUtf8(const std::string& text);

// True when standard input is an interactive terminal or console.
bool StdinIsTerminal();

// True when standard error is one (where a progress line may be redrawn in place).
bool StderrIsTerminal();
