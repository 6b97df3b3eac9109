#include "firmware/probe/LinkSerial.h"

#include "platform/SerialPort.h"

namespace {

class CSerialLink : public IGdbLink {
public:
    explicit CSerialLink(const QString& strDevice) : m_strDevice(strDevice) {}

    bool Open(QString& strError) { return m_port.Open(m_strDevice, strError); }

    bool Send(const QByteArray& data, QString& strError) override {
        return m_port.Write(data, strError);
    }

    bool Receive(QByteArray& data, int nTimeoutMs, QString& strError) override {
        QByteArray chunk;
        if (!m_port.Read(chunk, nTimeoutMs, strError)) return false;
        data += chunk;
        return true;
    }

    QString Description() const override { return QStringLiteral("serial ") + m_strDevice; }

private:
    QString m_strDevice;
    CSerialPort m_port;
};

}  // namespace

std::unique_ptr<IGdbLink> OpenSerialLink(const QString& strDevice, QString& strError) {
    auto link = std::make_unique<CSerialLink>(strDevice);
    if (!link->Open(strError)) return nullptr;
    return link;
}
