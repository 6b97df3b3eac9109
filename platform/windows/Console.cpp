#include "platform/Console.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>

namespace {

HANDLE ConsoleOf(std::FILE* pStream) {
    const int fd = _fileno(pStream);
    if (fd < 0) return nullptr;
    HANDLE hStream = HANDLE(_get_osfhandle(fd));
    DWORD nMode = 0;
    return hStream != INVALID_HANDLE_VALUE && GetConsoleMode(hStream, &nMode) ? hStream : nullptr;
}

bool WriteConsoleText(HANDLE hConsole, const QString& strText) {
    const wchar_t* pText = reinterpret_cast<const wchar_t*>(strText.utf16());
    qsizetype nDone = 0;
    while (nDone < strText.size()) {
        const DWORD nChunk = DWORD(std::min<qsizetype>(strText.size() - nDone, 16384));
        DWORD nWritten = 0;
        if (!WriteConsoleW(hConsole, pText + nDone, nChunk, &nWritten, nullptr) || nWritten == 0) {
            errno = EIO;
            return false;
        }
        nDone += nWritten;
    }
    return true;
}

}  // namespace

bool WriteStreamText(std::FILE* pStream, const QString& strText) {
    if (HANDLE hConsole = ConsoleOf(pStream)) {
        // What the C library still holds goes first, so the order stays.
        return std::fflush(pStream) == 0 && WriteConsoleText(hConsole, strText);
    }
    const QByteArray bytes = strText.toUtf8();
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), pStream) ==
               size_t(bytes.size()) &&
           std::fflush(pStream) == 0;
}

bool StdinIsTerminal() {
    // A console only: _isatty also says yes for the NUL device.
    return ConsoleOf(stdin) != nullptr;
}

bool StderrIsTerminal() { return ConsoleOf(stderr) != nullptr; }

void UseBinaryStandardStreams() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

std::string TerminalTextToUtf8(const std::string& text) {
    const UINT nCodePage = GetConsoleCP();  // 0 without a console: the input is UTF-8 then
    if (nCodePage == 0 || nCodePage == CP_UTF8 || text.empty()) return text;
    const int nWide = MultiByteToWideChar(nCodePage, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(size_t(nWide), L'\0');
    MultiByteToWideChar(nCodePage, 0, text.data(), int(text.size()), wide.data(), nWide);
    return QString::fromStdWString(wide).toStdString();
}
