#include <QStringDecoder>
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "config/MHash.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"

namespace {

constexpr char END_OF_TEXT = 0x1A;  // ends the input, as a text-mode read does

inline bool IsTrimByte(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\0';
}

QByteArrayView Trim(QByteArrayView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsTrimByte(text[begin])) ++begin;
    while (end > begin && IsTrimByte(text[end - 1])) --end;
    return text.sliced(begin, end - begin);
}

// A NUL inside a name or value ends it.
QByteArrayView UpToNul(QByteArrayView text) {
    const void* pNul = std::memchr(text.data(), '\0', static_cast<size_t>(text.size()));
    return pNul ? text.first(static_cast<const char*>(pNul) - text.data()) : text;
}

// One pass in place of three: the replacements bring in only CR and LF, which no escape word
// contains, so taking "<CR><LF>", then "<CR>", then "<LF>" at each "<" gives what replacing
// each word everywhere in turn gives.
QString ReplaceEscapeWords(const QString& strValue) {
    qsizetype nAt = strValue.indexOf(QLatin1Char('<'));
    if (nAt < 0) return strValue;
    QString strOut;
    strOut.reserve(strValue.size());
    strOut.append(QStringView(strValue).first(nAt));
    const QStringView view(strValue);
    while (nAt < view.size()) {
        QStringView rest = view.sliced(nAt);
        if (rest.startsWith(QLatin1String("<CR><LF>"))) {
            strOut += QLatin1String("\r\n");
            nAt += 8;
        } else if (rest.startsWith(QLatin1String("<CR>"))) {
            strOut += QLatin1Char('\r');
            nAt += 4;
        } else if (rest.startsWith(QLatin1String("<LF>"))) {
            strOut += QLatin1Char('\n');
            nAt += 4;
        } else {
            strOut += view[nAt];
            ++nAt;
        }
    }
    return strOut;
}

// A catalogue saved as UTF-8 (as Notepad saves by default) reads right under any code page:
// one marked with the byte-order mark, or one that is valid UTF-8 throughout and holds a byte
// beyond ASCII. Text in GBK or another multi-byte code page is practically never valid UTF-8
// as a whole, and pure ASCII reads the same either way.
bool ReadsAsUtf8(QByteArrayView text) {
    if (CodePageIsUtf8() || text.startsWith("\xEF\xBB\xBF")) return true;
    const bool bNonAscii = std::any_of(
        text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    if (!bNonAscii) return false;
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString strDecoded = decoder.decode(text);
    return !decoder.hasError();
}

// One pass over the lines; keeps only the current section across lines.
class IniParser {
public:
    IniParser(MHash& store, bool bUtf8)
        : m_store(store), m_decoder(MakeCodePageDecoder()), m_bUtf8(bUtf8) {}

    void ParseLine(QByteArrayView line, bool bFirstLine) {
        if (bFirstLine && line.size() > 3 && line.startsWith("\xEF\xBB\xBF")) line = line.sliced(3);
        if (line.isEmpty() || line[0] == '#' || line[0] == ';') return;
        QByteArrayView trimmed = Trim(line);
        if (trimmed.isEmpty()) return;
        if (trimmed[0] == '[') {
            // The last byte goes whatever it is; it is not required to be "]".
            QByteArrayView inner =
                trimmed.size() >= 2 ? trimmed.sliced(1, trimmed.size() - 2) : QByteArrayView();
            m_section = Trim(inner).toByteArray();
            m_pSection = nullptr;
            return;
        }
        qsizetype nEqual = trimmed.indexOf('=');
        if (m_section.isEmpty() || nEqual < 0) return;
        QString strValue = ReplaceEscapeWords(Decode(Trim(trimmed.sliced(nEqual + 1))));
        if (m_pSection == nullptr) m_pSection = &m_store.GetSection(Decode(m_section));
        m_pSection->GetItem(Decode(trimmed.first(nEqual))).value = std::move(strValue);
    }

private:
    QString Decode(QByteArrayView bytes) {
        bytes = UpToNul(bytes);
        if (m_bUtf8) return QString::fromUtf8(bytes);
        return FromCodePage(m_decoder, bytes);
    }

    MHash& m_store;
    CCodePageDecoder m_decoder;
    bool m_bUtf8;
    QByteArray m_section;
    // A section once found stays the answer for its name: the store only grows.
    MHashSection* m_pSection = nullptr;
};

}  // namespace

int MHash::LoadFromBytes(QByteArrayView text) {
    Clear();
    const void* pEnd = std::memchr(text.data(), END_OF_TEXT, static_cast<size_t>(text.size()));
    if (pEnd) text = text.first(static_cast<const char*>(pEnd) - text.data());
    IniParser parser(*this, ReadsAsUtf8(text));
    qsizetype pos = 0;
    bool bFirstLine = true;
    while (pos < text.size()) {
        const char* pStart = text.data() + pos;
        const void* pNewline = std::memchr(pStart, '\n', static_cast<size_t>(text.size() - pos));
        qsizetype nLength =
            pNewline ? static_cast<const char*>(pNewline) - pStart : text.size() - pos;
        QByteArrayView line(pStart, nLength);
        pos += nLength + 1;
        // A CR LF pair arrives as LF; any other CR stays in the line.
        if (pNewline && line.endsWith('\r')) line.chop(1);
        parser.ParseLine(line, bFirstLine);
        bFirstLine = false;
    }
    return m_nCount;
}

int MHash::Load(const QString& strPath, QString* pstrRefusal) {
    Clear();
    QByteArray nativePath = ToCodePage(strPath);
    QByteArray contents;
    qint64 nSize = 0;
    const ReadResult result = ReadRegularFile(strPath, contents, CATALOGUE_SIZE_LIMIT, &nSize);
    if (result == ReadResult::TooLarge) {
        if (pstrRefusal) {
            *pstrRefusal = QString::asprintf(
                "文件大小 %lld Bytes 超过上限 %lld Bytes, 设备目录为空",
                static_cast<long long>(nSize), static_cast<long long>(CATALOGUE_SIZE_LIMIT));
        }
        return -2;
    }
    if (result != ReadResult::Read) {
        QByteArray message = "Load MHash error, open file" + nativePath + " fail.\n";
        std::fwrite(message.constData(), 1, static_cast<size_t>(message.size()), stderr);
        std::fflush(stderr);
        return -1;
    }
    return LoadFromBytes(contents);
}
