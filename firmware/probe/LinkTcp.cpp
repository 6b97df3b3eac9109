#include "firmware/probe/LinkTcp.h"

#include <QTcpSocket>

namespace {

class CTcpLink : public IGdbLink {
public:
    CTcpLink(const QString& strHost, quint16 nPort) : m_strHost(strHost), m_nPort(nPort) {}
    ~CTcpLink() override {
        m_socket.disconnectFromHost();
        if (m_socket.state() != QAbstractSocket::UnconnectedState)
            m_socket.waitForDisconnected(500);
    }

    bool Connect(int nTimeoutMs, QString& strError) {
        m_socket.connectToHost(m_strHost, m_nPort);
        if (m_socket.waitForConnected(nTimeoutMs)) {
            // Packets are small and each waits for its answer: no coalescing delay.
            m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
            return true;
        }
        strError = m_socket.errorString();
        return false;
    }

    bool Send(const QByteArray& data, QString& strError) override {
        if (m_socket.write(data) != data.size()) {
            strError = m_socket.errorString();
            return false;
        }
        while (m_socket.bytesToWrite() > 0) {
            if (!m_socket.waitForBytesWritten(10000)) {
                strError = m_socket.errorString();
                return false;
            }
        }
        return true;
    }

    bool Receive(QByteArray& data, int nTimeoutMs, QString& strError) override {
        if (m_socket.bytesAvailable() == 0 && !m_socket.waitForReadyRead(nTimeoutMs)) {
            if (m_socket.error() == QAbstractSocket::SocketTimeoutError) return true;
            strError = m_socket.errorString();
            return false;
        }
        data += m_socket.readAll();
        return true;
    }

    QString Description() const override {
        return QStringLiteral("TCP %1:%2").arg(m_strHost).arg(m_nPort);
    }

private:
    QString m_strHost;
    quint16 m_nPort;
    QTcpSocket m_socket;
};

}  // namespace

std::unique_ptr<IGdbLink> OpenTcpLink(const QString& strHost, quint16 nPort, int nTimeoutMs,
                                      QString& strError) {
    auto link = std::make_unique<CTcpLink>(strHost, nPort);
    if (!link->Connect(nTimeoutMs, strError)) return nullptr;
    return link;
}
