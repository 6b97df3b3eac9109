#include "platform/CodePage.h"

#include <langinfo.h>

#include <QMutex>
#include <QStringEncoder>
#include <algorithm>
#include <clocale>

namespace {

QByteArray LocaleCodeset() {
    static const QByteArray codeset = [] {
        const char* pOld = std::setlocale(LC_CTYPE, nullptr);
        QByteArray old = pOld ? QByteArray(pOld) : QByteArray("C");
        std::setlocale(LC_CTYPE, "");
        QByteArray set = nl_langinfo(CODESET);
        std::setlocale(LC_CTYPE, old.constData());
        if (set.isEmpty() || set == "ANSI_X3.4-1968" || set == "ASCII") return QByteArray("UTF-8");
        return set;
    }();
    return codeset;
}

bool IsUtf8Name(const QByteArray& name) {
    QByteArray n = name.toUpper();
    return n == "UTF-8" || n == "UTF8";
}

struct CodePageState {
    QMutex mutex;
    QByteArray name = "UTF-8";
    bool bUtf8 = true;
    QStringEncoder encoder{QStringConverter::Utf8};

    // Under mutex.
    void Select(const QByteArray& wanted) {
        QByteArray chosen = wanted.isEmpty() ? LocaleCodeset() : wanted;
        if (!QStringEncoder(chosen.constData()).isValid() ||
            !QStringDecoder(chosen.constData()).isValid()) {
            chosen = "UTF-8";
        }
        name = chosen;
        bUtf8 = IsUtf8Name(chosen);
        encoder = QStringEncoder(chosen.constData());
    }
};

// Never destroyed: the run log writes its closing banner during static destruction.
CodePageState& State() {
    static CodePageState* pState = [] {
        auto* p = new CodePageState;
        p->Select(qgetenv("QUORRIX_CODEPAGE"));
        return p;
    }();
    return *pState;
}

// The converter reports unmappable characters as errors; encoding character by character
// then lets each of them become "?" without losing the rest.
QByteArray EncodeWithQuestionMarks(QStringEncoder& encoder, const QString& strText) {
    QByteArray out;
    out.reserve(strText.size() * 2);
    for (qsizetype i = 0; i < strText.size(); ++i) {
        qsizetype n = (strText[i].isHighSurrogate() && i + 1 < strText.size()) ? 2 : 1;
        encoder.resetState();
        QByteArray one = encoder.encode(QStringView(strText).mid(i, n));
        if (encoder.hasError() || one.isEmpty()) {
            out.append('?');
        } else {
            out.append(one);
        }
        i += n - 1;
    }
    return out;
}

}  // namespace

QByteArray ToCodePage(const QString& strText) {
    CodePageState& state = State();
    QMutexLocker locker(&state.mutex);
    // toUtf8 is the fast road; a text with surrogates takes the encoder, which turns a lone
    // surrogate into "?" as it does for any character without a mapping.
    if (state.bUtf8) {
        bool bSurrogate = false;
        for (QChar c : strText) bSurrogate = bSurrogate || c.isSurrogate();
        if (!bSurrogate) return strText.toUtf8();
    }
    state.encoder.resetState();
    QByteArray out = state.encoder.encode(strText);
    if (!state.encoder.hasError()) return out;
    return EncodeWithQuestionMarks(state.encoder, strText);
}

void AppendCodePage(QByteArray& out, const QString& strText) {
    CodePageState& state = State();
    {
        QMutexLocker locker(&state.mutex);
        if (state.bUtf8 &&
            std::none_of(strText.begin(), strText.end(), [](QChar c) { return c.isSurrogate(); })) {
            const qsizetype nOld = out.size();
            out.resize(nOld + state.encoder.requiredSpace(strText.size()));
            state.encoder.resetState();
            char* pEnd = state.encoder.appendToBuffer(out.data() + nOld, strText);
            out.truncate(pEnd - out.constData());
            return;
        }
    }
    out.append(ToCodePage(strText));
}

QStringDecoder MakeCodePageDecoder() {
    CodePageState& state = State();
    QMutexLocker locker(&state.mutex);
    return QStringDecoder(state.name.constData());
}

QString FromCodePage(QStringDecoder& decoder, QByteArrayView bytes) {
    decoder.resetState();
    QString strText = decoder.decode(bytes);
    // A sequence still open at the end stays in the decoder's state; a line end after it
    // makes the decoder give it up as a replacement character.
    QString strRest = decoder.decode(QByteArrayView("\n", 1));
    if (strRest.size() > 1 && strRest.endsWith(QLatin1Char('\n'))) {
        strText += QString(strRest.size() - 1, QChar::ReplacementCharacter);
    }
    return strText;
}

bool CodePageIsUtf8() {
    CodePageState& state = State();
    QMutexLocker locker(&state.mutex);
    return state.bUtf8;
}

void SetCodePage(const QByteArray& name) {
    CodePageState& state = State();
    QMutexLocker locker(&state.mutex);
    state.Select(name);
}
