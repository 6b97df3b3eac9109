#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <memory>

// One code page's conversions, for one thread at a time. Encode turns each character without
// a mapping into "?"; Decode turns each invalid or incomplete sequence, a lone lead byte at
// the end too, into U+FFFD.
class CCodePageConverter {
public:
    virtual ~CCodePageConverter() = default;
    virtual QByteArray Encode(QStringView text) = 0;
    virtual QString Decode(QByteArrayView bytes) = 0;
    virtual bool IsUtf8() const = 0;
};

// Encodes character by character, a surrogate pair as one, so that each character without a
// mapping becomes one "?" without losing the rest; encodeOne gives nothing for such a one.
template <typename TEncodeOne>
QByteArray EncodeEachCharacter(QStringView text, TEncodeOne encodeOne) {
    QByteArray out;
    out.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QByteArray one = encodeOne(text.mid(i, n));
        out.append(one.isEmpty() ? QByteArray("?") : one);
        i += n - 1;
    }
    return out;
}

// A converter through Qt's own codecs (UTF-8 everywhere; on Linux every name iconv knows);
// null when the name is unknown to them.
std::unique_ptr<CCodePageConverter> MakeQtConverter(const QByteArray& name);

// The operating system's side. The code page in force when none is named: the locale's
// codeset on Linux, the ANSI code page on Windows.
QByteArray SystemCodePageName();
// A converter for a code page name (on Windows also a number); null when it is unknown.
std::unique_ptr<CCodePageConverter> MakeSystemConverter(const QByteArray& name);
