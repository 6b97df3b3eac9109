#include "platform/CodePage.h"

#include <langinfo.h>

#include <QMutex>
#include <QStringDecoder>
#include <QStringEncoder>
#include <clocale>
#include <cstdlib>

namespace {

struct CodePageState {
    QByteArray env;  // value of QUORRIX_CODEPAGE the encoders were made for
    QString name;
    bool bUtf8 = true;
    QStringEncoder encoder{QStringConverter::Utf8};
    QStringDecoder decoder{QStringConverter::Utf8};
};

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

// Never destroyed: the run log writes its closing banner during static destruction.
CodePageState& State() {
    static CodePageState* pState = new CodePageState;
    static QMutex* pMutex = new QMutex;
    QMutexLocker locker(pMutex);
    // getenv, not qgetenv: this runs for every log record and must not allocate.
    const char* pEnv = std::getenv("QUORRIX_CODEPAGE");
    QByteArrayView env = pEnv ? QByteArrayView(pEnv) : QByteArrayView();
    if (pState->name.isEmpty() || env != QByteArrayView(pState->env)) {
        QByteArray name = env.isEmpty() ? LocaleCodeset() : env.toByteArray();
        QStringEncoder encoder(name.constData());
        QStringDecoder decoder(name.constData());
        if (!encoder.isValid() || !decoder.isValid()) name = "UTF-8";
        pState->env = env.toByteArray();
        pState->bUtf8 = IsUtf8Name(name);
        pState->name = QString::fromLatin1(name);
        pState->encoder = QStringEncoder(name.constData());
        pState->decoder = QStringDecoder(name.constData());
    }
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
    // toUtf8 is the fast road; a text with surrogates takes the encoder, which turns a lone
    // surrogate into "?" as it does for any character without a mapping.
    if (state.bUtf8) {
        bool bLoneSurrogate = false;
        for (QChar c : strText) bLoneSurrogate = bLoneSurrogate || c.isSurrogate();
        if (!bLoneSurrogate) return strText.toUtf8();
    }
    state.encoder.resetState();
    QByteArray out = state.encoder.encode(strText);
    if (!state.encoder.hasError()) return out;
    return EncodeWithQuestionMarks(state.encoder, strText);
}

QStringDecoder MakeCodePageDecoder() { return QStringDecoder(State().name.toLatin1().constData()); }

bool CodePageIsUtf8() { return State().bUtf8; }
