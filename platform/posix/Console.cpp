#include "platform/Console.h"

#include <unistd.h>

bool WriteStreamText(std::FILE* pStream, const QString& strText) {
    const QByteArray bytes = strText.toUtf8();
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), pStream) ==
               size_t(bytes.size()) &&
           std::fflush(pStream) == 0;
}

bool StdinIsTerminal() { return ::isatty(STDIN_FILENO) != 0; }

bool StderrIsTerminal() { return ::isatty(STDERR_FILENO) != 0; }

void UseBinaryStandardStreams() {}

std::string TerminalTextToUtf8(const std::string& text) { return text; }
