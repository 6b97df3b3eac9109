#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <memory>

class CCodePageConverter;

// The one process-wide 8-bit code page of the catalogue, its path and the log files: the
// locale's codeset on Linux (the C/POSIX locale counts as UTF-8), the ANSI code page on
// Windows, unless QUORRIX_CODEPAGE names another (on Windows by name or number). The variable is
// read once, at the first use.

// UTF-16 to the code page; a character without a mapping becomes "?". Safe from any thread.
QByteArray ToCodePage(const QString& strText);

// The same, appended to out without a buffer of its own.
void AppendCodePage(QByteArray& out, const QString& strText);

// A decoder for the code page in force when it was made, for one thread at a time.
class CCodePageDecoder {
public:
    explicit CCodePageDecoder(std::unique_ptr<CCodePageConverter> pConverter);
    CCodePageDecoder(CCodePageDecoder&&) noexcept;
    ~CCodePageDecoder();

private:
    friend QString FromCodePage(CCodePageDecoder& decoder, QByteArrayView bytes);
    std::unique_ptr<CCodePageConverter> m_pConverter;
};

CCodePageDecoder MakeCodePageDecoder();

// Bytes of the code page to UTF-16 with a decoder made by MakeCodePageDecoder: every invalid
// or incomplete sequence, a lone lead byte at the end too, becomes U+FFFD.
QString FromCodePage(CCodePageDecoder& decoder, QByteArrayView bytes);

// True when the code page in force is UTF-8.
bool CodePageIsUtf8();

// Puts another code page in force, as QUORRIX_CODEPAGE would at start-up (tests); an empty
// name, an unknown one or one that is not ASCII-compatible goes back to the system's code page.
void SetCodePage(const QByteArray& name);
