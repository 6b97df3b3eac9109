#include "platform/CodePageConverter.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

bool IsUtf8Name(const QByteArray& name) {
    const QByteArray upper = name.toUpper();
    return upper == "UTF-8" || upper == "UTF8";
}

class CQtConverter : public CCodePageConverter {
public:
    explicit CQtConverter(const QByteArray& name) : m_name(name), m_bUtf8(IsUtf8Name(name)) {
        // Assigned, not built in place: an ICU converter of Qt 6.4 built in place goes on
        // reporting an error after resetState, and every later text would lose its characters.
        m_encoder = QStringEncoder(m_name.constData());
        m_decoder = QStringDecoder(m_name.constData());
    }

    bool IsValid() const { return m_encoder.isValid() && m_decoder.isValid(); }
    bool IsUtf8() const override { return m_bUtf8; }

    QByteArray Encode(QStringView text) override {
        m_encoder.resetState();
        QByteArray out = m_encoder.encode(text);
        if (!m_encoder.hasError()) return out;
        // The converter reports unmappable characters as errors.
        return EncodeEachCharacter(text, [this](QStringView one) {
            m_encoder.resetState();
            const QByteArray bytes = m_encoder.encode(one);
            return m_encoder.hasError() ? QByteArray() : bytes;
        });
    }

    QString Decode(QByteArrayView bytes) override {
        m_decoder.resetState();
        QString strText = m_decoder.decode(bytes);
        // A sequence still open at the end stays in the decoder's state; a line end after it
        // makes the decoder give it up as a replacement character.
        QString strRest = m_decoder.decode(QByteArrayView("\n", 1));
        if (strRest.size() > 1 && strRest.endsWith(QLatin1Char('\n'))) {
            strText += QString(strRest.size() - 1, QChar::ReplacementCharacter);
        }
        return strText;
    }

private:
    // Qt's ICU converters keep the name's pointer to open themselves again after a reset.
    const QByteArray m_name;
    QStringEncoder m_encoder{QStringConverter::Utf8};
    QStringDecoder m_decoder{QStringConverter::Utf8};
    bool m_bUtf8;
};

}  // namespace

std::unique_ptr<CCodePageConverter> MakeQtConverter(const QByteArray& name) {
    auto pConverter = std::make_unique<CQtConverter>(name);
    if (!pConverter->IsValid()) return nullptr;
    return pConverter;
}
