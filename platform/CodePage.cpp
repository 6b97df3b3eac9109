#include "platform/CodePage.h"

#include <QMutex>
#include <QStringEncoder>
#include <algorithm>
#include <cstdio>

#include "platform/CodePageConverter.h"

namespace {

// The catalogue and the log files are read and written as ASCII-compatible text: a code page
// such as UTF-16 would turn every "[" and "=" into other bytes.
std::unique_ptr<CCodePageConverter> UsableConverter(const QByteArray& name) {
    std::unique_ptr<CCodePageConverter> p = MakeSystemConverter(name);
    const QString strAscii = QStringLiteral("[A]\r\n0a=Z ~");
    if (p && p->Encode(strAscii) == strAscii.toLatin1()) return p;
    return nullptr;
}

bool HasSurrogate(const QString& strText) {
    return std::any_of(strText.begin(), strText.end(), [](QChar c) { return c.isSurrogate(); });
}

struct CodePageState {
    QMutex mutex;
    QByteArray name = "UTF-8";
    std::unique_ptr<CCodePageConverter> pConverter = MakeQtConverter("UTF-8");
    bool bUtf8 = true;
    QStringEncoder utf8{QStringConverter::Utf8};

    // Under mutex. False when the wanted code page is unknown or no 8-bit one: the system's
    // code page is in force then.
    bool Select(const QByteArray& wanted) {
        std::unique_ptr<CCodePageConverter> pChosen;
        QByteArray chosen = wanted;
        if (!wanted.isEmpty()) pChosen = UsableConverter(wanted);
        const bool bUsable = wanted.isEmpty() || pChosen;
        if (!pChosen) {
            chosen = SystemCodePageName();
            pChosen = UsableConverter(chosen);
        }
        if (!pChosen) {
            chosen = "UTF-8";
            pChosen = MakeQtConverter(chosen);
        }
        name = chosen;
        bUtf8 = pChosen->IsUtf8();
        pConverter = std::move(pChosen);
        return bUsable;
    }
};

// Never destroyed: the run log writes its closing banner during static destruction.
CodePageState& State() {
    static CodePageState* pState = [] {
        auto* p = new CodePageState;
        const QByteArray wanted = qgetenv("QUORRIX_CODEPAGE");
        if (!p->Select(wanted)) {
            const QByteArray message = "QUORRIX_CODEPAGE=" + wanted +
                                       " is unknown or not an 8-bit code page; using " + p->name +
                                       "\n";
            std::fwrite(message.constData(), 1, size_t(message.size()), stderr);
            std::fflush(stderr);
        }
        return p;
    }();
    return *pState;
}

}  // namespace

QByteArray ToCodePage(const QString& strText) {
    CodePageState& state = State();
    QMutexLocker locker(&state.mutex);
    // toUtf8 is the fast road; a text with surrogates takes the converter, which turns a lone
    // surrogate into "?" as it does for any character without a mapping.
    if (state.bUtf8 && !HasSurrogate(strText)) return strText.toUtf8();
    return state.pConverter->Encode(strText);
}

void AppendCodePage(QByteArray& out, const QString& strText) {
    CodePageState& state = State();
    {
        QMutexLocker locker(&state.mutex);
        if (state.bUtf8 && !HasSurrogate(strText)) {
            const qsizetype nOld = out.size();
            out.resize(nOld + state.utf8.requiredSpace(strText.size()));
            state.utf8.resetState();
            char* pEnd = state.utf8.appendToBuffer(out.data() + nOld, strText);
            out.truncate(pEnd - out.constData());
            return;
        }
    }
    out.append(ToCodePage(strText));
}

CCodePageDecoder::CCodePageDecoder(std::unique_ptr<CCodePageConverter> pConverter)
    : m_pConverter(std::move(pConverter)) {}
CCodePageDecoder::CCodePageDecoder(CCodePageDecoder&&) noexcept = default;
CCodePageDecoder::~CCodePageDecoder() = default;

CCodePageDecoder MakeCodePageDecoder() {
    CodePageState& state = State();
    QMutexLocker locker(&state.mutex);
    return CCodePageDecoder(MakeSystemConverter(state.name));
}

QString FromCodePage(CCodePageDecoder& decoder, QByteArrayView bytes) {
    return decoder.m_pConverter->Decode(bytes);
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
