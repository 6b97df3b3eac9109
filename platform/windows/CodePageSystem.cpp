#include <windows.h>

#include <array>
#include <utility>

#include "platform/CodePageConverter.h"

namespace {

const wchar_t* Wide(QStringView text) { return reinterpret_cast<const wchar_t*>(text.utf16()); }

// Names a user may give for the code pages of the workshop PCs; any Windows number works too.
UINT CodePageNumber(const QByteArray& name) {
    static const std::array<std::pair<const char*, UINT>, 12> names{{
        {"GBK", 936},
        {"GB2312", 936},
        {"CP936", 936},
        {"UTF-8", CP_UTF8},
        {"UTF8", CP_UTF8},
        {"BIG5", 950},
        {"SHIFT_JIS", 932},
        {"SJIS", 932},
        {"EUC-KR", 949},
        {"ISO-8859-1", 28591},
        {"LATIN1", 28591},
        {"ASCII", 20127},
    }};
    const QByteArray upper = name.trimmed().toUpper();
    bool bNumber = false;
    const UINT nNumber = upper.toUInt(&bNumber);
    if (bNumber) return nNumber;
    for (const auto& [pName, nPage] : names) {
        if (upper == pName) return nPage;
    }
    for (const char* pPrefix : {"WINDOWS-", "CP"}) {
        if (upper.startsWith(pPrefix)) return upper.mid(qstrlen(pPrefix)).toUInt();
    }
    return 0;
}

class CWindowsConverter : public CCodePageConverter {
public:
    explicit CWindowsConverter(UINT nCodePage) : m_nCodePage(nCodePage) {}

    bool IsUtf8() const override { return false; }

    QByteArray Encode(QStringView text) override {
        bool bUnmapped = false;
        QByteArray out = EncodeRun(text, bUnmapped);
        if (!bUnmapped) return out;
        return EncodeEachCharacter(text, [this](QStringView one) {
            bool bOneUnmapped = false;
            const QByteArray bytes = EncodeRun(one, bOneUnmapped);
            return bOneUnmapped ? QByteArray() : bytes;
        });
    }

    QString Decode(QByteArrayView bytes) override {
        QString strText;
        if (DecodeRun(bytes, strText)) return strText;
        // Sequence by sequence: a lead byte takes its trail byte with it when both decode,
        // anything else that does not decode is one U+FFFD.
        strText.clear();
        for (qsizetype i = 0; i < bytes.size();) {
            const bool bLead = IsDBCSLeadByteEx(m_nCodePage, BYTE(bytes[i])) != FALSE;
            QString strOne;
            if (bLead && i + 1 < bytes.size() && DecodeRun(bytes.sliced(i, 2), strOne)) {
                i += 2;
            } else if (!bLead && DecodeRun(bytes.sliced(i, 1), strOne)) {
                i += 1;
            } else {
                strOne = QString(QChar::ReplacementCharacter);
                i += 1;
            }
            strText += strOne;
        }
        return strText;
    }

private:
    QByteArray EncodeRun(QStringView text, bool& bUnmapped) {
        bUnmapped = false;
        if (text.isEmpty()) return QByteArray();
        BOOL bDefault = FALSE;
        const int nSize = WideCharToMultiByte(m_nCodePage, WC_NO_BEST_FIT_CHARS, Wide(text),
                                              int(text.size()), nullptr, 0, "?", &bDefault);
        QByteArray out(nSize, Qt::Uninitialized);
        WideCharToMultiByte(m_nCodePage, WC_NO_BEST_FIT_CHARS, Wide(text), int(text.size()),
                            out.data(), nSize, "?", &bDefault);
        bUnmapped = bDefault != FALSE || nSize == 0;
        return out;
    }

    bool DecodeRun(QByteArrayView bytes, QString& strText) {
        if (bytes.isEmpty()) return true;
        const int nSize = MultiByteToWideChar(m_nCodePage, MB_ERR_INVALID_CHARS, bytes.data(),
                                              int(bytes.size()), nullptr, 0);
        if (nSize <= 0) return false;
        strText.resize(nSize);
        MultiByteToWideChar(m_nCodePage, MB_ERR_INVALID_CHARS, bytes.data(), int(bytes.size()),
                            reinterpret_cast<wchar_t*>(strText.data()), nSize);
        return true;
    }

    UINT m_nCodePage;
};

}  // namespace

QByteArray SystemCodePageName() { return QByteArray::number(GetACP()); }

std::unique_ptr<CCodePageConverter> MakeSystemConverter(const QByteArray& name) {
    const UINT nCodePage = CodePageNumber(name);
    // UTF-8 takes Qt's own codec, which treats lone surrogates as Linux does.
    if (nCodePage == CP_UTF8) return MakeQtConverter("UTF-8");
    // The flags used need a code page below 50000 (the stateful ones are not for file names).
    if (nCodePage == 0 || nCodePage >= 50000 || !IsValidCodePage(nCodePage)) return nullptr;
    return std::make_unique<CWindowsConverter>(nCodePage);
}
