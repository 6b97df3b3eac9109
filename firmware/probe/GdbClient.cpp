#include "firmware/probe/GdbClient.h"

#include <QDeadlineTimer>

#include "firmware/probe/GdbPackets.h"

CGdbClient::CGdbClient(std::unique_ptr<IGdbLink> link) : m_link(std::move(link)) {}

bool CGdbClient::Fail(const QString& strError) {
    m_strError = strError;
    return false;
}

bool CGdbClient::Fill(int nTimeoutMs) {
    QString strError;
    if (!m_link->Receive(m_buffer, nTimeoutMs, strError)) {
        return Fail(QStringLiteral("连接中断: ") + strError);
    }
    return true;
}

bool CGdbClient::WaitForAck(const QByteArray& frame, int nTimeoutMs) {
    int nResent = 0;
    QDeadlineTimer deadline(nTimeoutMs);
    for (;;) {
        // Stray bytes before the ack (a late '+' of an earlier frame is harmless).
        while (!m_buffer.isEmpty() && m_buffer[0] != '+' && m_buffer[0] != '-' &&
               m_buffer[0] != '$') {
            m_buffer.remove(0, 1);
        }
        if (!m_buffer.isEmpty()) {
            const char c = m_buffer[0];
            if (c == '$') return true;  // the answer itself acknowledges
            m_buffer.remove(0, 1);
            if (c == '+') return true;
            if (++nResent > RESEND_LIMIT) {
                return Fail(QStringLiteral("服务器 %1 次拒收数据包").arg(nResent));
            }
            QString strError;
            if (!m_link->Send(frame, strError))
                return Fail(QStringLiteral("连接中断: ") + strError);
            deadline.setRemainingTime(nTimeoutMs);
            continue;
        }
        if (deadline.hasExpired()) return Fail(QStringLiteral("等待确认超时"));
        if (!Fill(static_cast<int>(deadline.remainingTime()))) return false;
    }
}

bool CGdbClient::SendFrame(const QByteArray& frame, int nTimeoutMs) {
    QString strError;
    if (!m_link->Send(frame, strError)) return Fail(QStringLiteral("连接中断: ") + strError);
    return m_bNoAck || WaitForAck(frame, nTimeoutMs);
}

bool CGdbClient::ReceiveReply(QByteArray& reply, int nTimeoutMs) {
    QDeadlineTimer deadline(nTimeoutMs);
    int nDamaged = 0;
    for (;;) {
        QByteArray raw;
        const FrameScan scan = TakeFrame(m_buffer, raw);
        if (scan == FrameScan::BadChecksum) {
            if (m_bNoAck || ++nDamaged > RESEND_LIMIT) {
                return Fail(QStringLiteral("收到校验和错误的数据包"));
            }
            QString strError;
            if (!m_link->Send("-", strError)) return Fail(QStringLiteral("连接中断: ") + strError);
            continue;
        }
        if (scan == FrameScan::Packet) {
            QString strError;
            if (!m_bNoAck && !m_link->Send("+", strError)) {
                return Fail(QStringLiteral("连接中断: ") + strError);
            }
            if (!DecodePayload(raw, reply)) return Fail(QStringLiteral("无法解码的数据包"));
            QByteArray text;
            if (reply.size() > 1 && reply[0] == 'O' && reply != "OK" &&
                FromHex(reply.mid(1), text)) {
                m_output += text;
                if (m_outputHandler) m_outputHandler(text);
                deadline.setRemainingTime(nTimeoutMs);
                continue;
            }
            return true;
        }
        if (deadline.hasExpired()) return Fail(QStringLiteral("等待回复超时"));
        if (!Fill(static_cast<int>(deadline.remainingTime()))) return false;
    }
}

bool CGdbClient::Exchange(const QByteArray& command, QByteArray& reply, int nTimeoutMs) {
    reply.clear();
    m_strError.clear();
    return SendFrame(FramePacket(command), nTimeoutMs) && ReceiveReply(reply, nTimeoutMs);
}

bool CGdbClient::SendOnly(const QByteArray& command, int nTimeoutMs) {
    m_strError.clear();
    return SendFrame(FramePacket(command), nTimeoutMs);
}

bool CGdbClient::Interrupt(QByteArray& stopReply, int nTimeoutMs) {
    QString strError;
    if (!m_link->Send(QByteArray(1, '\x03'), strError)) {
        return Fail(QStringLiteral("连接中断: ") + strError);
    }
    return ReceiveReply(stopReply, nTimeoutMs);
}
