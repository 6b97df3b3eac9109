#include "platform/CodePage.h"

#include <QMutex>
#include <QStringEncoder>
#include <algorithm>

#include "platform/CodePageConverter.h"

namespace {

bool HasSurrogate(const QString& strText) {
    return std::any_of(strText.begin(), strText.end(), [](QChar c) { return c.isSurrogate(); });
}

struct CodePageState {
    QMutex mutex;
    QByteArray name = "UTF-8";
    std::unique_ptr<CCodePageConverter> pConverter = MakeQtConverter("UTF-8");
    bool bUtf8 = true;
    QStringEncoder utf8{QStringConverter::Utf8};

    // Under mutex.
    void Select(const QByteArray& wanted) {
        QByteArray chosen = wanted.isEmpty() ? SystemCodePageName() : wanted;
        std::unique_ptr<CCodePageConverter> pChosen = MakeSystemConverter(chosen);
        if (!pChosen) {
            chosen = "UTF-8";
            pChosen = MakeQtConverter(chosen);
        }
        name = chosen;
        bUtf8 = pChosen->IsUtf8();
        pConverter = std::move(pChosen);
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
