#include "firmware/probe/GdbTarget.h"

#include <QRegularExpression>

#include "firmware/probe/GdbPackets.h"

namespace {

QByteArray Hex32(std::uint32_t dw) { return QByteArray::number(dw, 16); }

bool IsStopReply(const QByteArray& reply) {
    return !reply.isEmpty() && (reply[0] == 'S' || reply[0] == 'T' || reply[0] == 'W');
}

}  // namespace

ProbeResult CGdbTarget::Ask(const QByteArray& command, QByteArray& reply, const QString& strStep,
                            int nTimeoutMs) {
    if (!m_client)
        return ProbeResult::Failed(CoreReason::LinkFailed, strStep, QStringLiteral("未连接"));
    if (!m_client->Exchange(command, reply, nTimeoutMs > 0 ? nTimeoutMs : m_timeouts.nPacket)) {
        return ProbeResult::Failed(CoreReason::LinkFailed, strStep, m_client->LastError(),
                                   QString::fromUtf8(m_client->TakeOutput()));
    }
    return ProbeResult();
}

ProbeResult CGdbTarget::Connect(const QString& strAddress, const QString& strServer) {
    const QString strStep = QStringLiteral("连接");
    const GdbAddress address = ParseGdbAddress(strAddress);
    QString strError;
    std::unique_ptr<IGdbLink> link = OpenGdbLink(address, m_timeouts.nConnect, strError);
    if (!link) return ProbeResult::Failed(CoreReason::LinkFailed, strStep, strError);
    m_info = GdbTargetInfo();
    m_info.strLink = link->Description();
    m_client = std::make_unique<CGdbClient>(std::move(link));
    QByteArray reply;
    ProbeResult result =
        Ask("qSupported:xmlRegisters=arm;swbreak+;hwbreak+", reply, strStep, m_timeouts.nConnect);
    if (!result.Done()) return result;
    // QEMU stops a running target for a new connection and says so before it answers.
    for (int i = 0; i < 4 && IsStopReply(reply); ++i) {
        if (!m_client->Receive(reply, m_timeouts.nConnect)) {
            return ProbeResult::Failed(CoreReason::LinkFailed, strStep, m_client->LastError());
        }
    }
    m_info.supported = reply;
    m_pServer = strServer.isEmpty() ? &DetectGdbServer(reply, address.kind == GdbLinkKind::Serial)
                                    : FindGdbServer(strServer);
    if (!m_pServer) {
        return ProbeResult::Failed(CoreReason::UnknownServer, strStep,
                                   QStringLiteral("未知的服务器 ") + strServer);
    }
    m_info.strServer = QLatin1String(m_pServer->pTitle);
    bool bSize = false;
    const int nSize = SupportedValue(reply, "PacketSize").toInt(&bSize, 16);
    m_info.nPacketSize = bSize && nSize >= 64 ? nSize : m_pServer->nPacketSize;
    if (HasFeature(reply, "QStartNoAckMode") && m_pServer->bNoAck) {
        result = Ask("QStartNoAckMode", reply, strStep);
        if (!result.Done()) return result;
        if (reply == "OK") m_client->SetNoAck();
    }
    m_info.bNoAck = m_client->NoAck();
    result = Attach();
    if (!result.Done()) return result;
    if (HasFeature(m_info.supported, "qXfer:features:read")) {
        QByteArray xml;
        if (ReadXfer("features", "target.xml", xml).Done()) {
            static const QRegularExpression arch(QStringLiteral("<architecture>([^<]*)<"));
            m_info.strArchitecture = arch.match(QString::fromUtf8(xml)).captured(1);
        }
    }
    return HasFeature(m_info.supported, "qXfer:memory-map:read") ? ReadMemoryMap() : ProbeResult();
}

ProbeResult CGdbTarget::Attach() {
    const QString strStep = QStringLiteral("连接");
    QByteArray reply;
    if (m_pServer->bScanAttach) {
        QString strOutput;
        ProbeResult result = Monitor(QStringLiteral("swd_scan"), strOutput);
        if (!result.Done()) return result;
        result = Ask("vAttach;1", reply, strStep, m_timeouts.nFlash);
        if (!result.Done()) return result;
        if (!IsStopReply(reply)) {
            return ProbeResult::Failed(CoreReason::ServerRefused, strStep,
                                       QStringLiteral("无法连接目标"),
                                       QString::fromLatin1(reply) + QLatin1Char(' ') + strOutput);
        }
    }
    ProbeResult result = Ask("?", reply, strStep);
    if (!result.Done()) return result;
    // A target that is still running is stopped before anything is read or written.
    if (!IsStopReply(reply) && !m_client->Interrupt(reply, m_timeouts.nPacket)) {
        return ProbeResult::Failed(CoreReason::LinkFailed, strStep, m_client->LastError());
    }
    m_info.stopReply = reply;
    return ProbeResult();
}

ProbeResult CGdbTarget::ReadXfer(const QByteArray& object, const QByteArray& annex,
                                 QByteArray& data) {
    const QString strStep = QStringLiteral("连接");
    data.clear();
    const int nChunk = std::max(64, m_info.nPacketSize - 8);
    for (;;) {
        QByteArray reply;
        const QByteArray command = "qXfer:" + object + ":read:" + annex + ':' +
                                   Hex32(static_cast<std::uint32_t>(data.size())) + ',' +
                                   Hex32(static_cast<std::uint32_t>(nChunk));
        ProbeResult result = Ask(command, reply, strStep);
        if (!result.Done()) return result;
        if (reply.isEmpty() || (reply[0] != 'm' && reply[0] != 'l')) {
            return ProbeResult::Failed(CoreReason::ServerRefused, strStep,
                                       QStringLiteral("无法读取 ") + QString::fromLatin1(object),
                                       QString::fromLatin1(reply));
        }
        data += reply.mid(1);
        if (reply[0] == 'l') return ProbeResult();
        if (reply.size() == 1 || data.size() > 1024 * 1024) {
            return ProbeResult::Failed(CoreReason::ProtocolError, strStep,
                                       QString::fromLatin1(object) + QStringLiteral(" 无结束"));
        }
    }
}

ProbeResult CGdbTarget::ReadMemoryMap() {
    QByteArray xml;
    ProbeResult result = ReadXfer("memory-map", "", xml);
    if (!result.Done()) return result;
    QString strError;
    if (!ParseMemoryMap(xml, m_info.map, strError)) {
        return ProbeResult::Failed(CoreReason::ProtocolError, QStringLiteral("连接"), strError);
    }
    m_info.bHasMap = !m_info.map.Empty();
    return ProbeResult();
}

ProbeResult CGdbTarget::Read(std::uint32_t dwAddress, std::uint32_t dwLength, QByteArray& bytes,
                             IProbeProgress& progress, const QString& strStep) {
    bytes.clear();
    bytes.reserve(dwLength);
    // The reply carries two hex digits a byte plus its frame.
    const std::uint32_t dwChunk =
        static_cast<std::uint32_t>(std::max(16, (m_info.nPacketSize - 8) / 2));
    while (static_cast<std::uint32_t>(bytes.size()) < dwLength) {
        if (progress.Cancelled()) {
            return ProbeResult::Failed(CoreReason::Cancelled, strStep, QStringLiteral("已取消"));
        }
        const std::uint32_t dwAt = dwAddress + static_cast<std::uint32_t>(bytes.size());
        const std::uint32_t dwAsk =
            std::min(dwChunk, dwLength - static_cast<std::uint32_t>(bytes.size()));
        QByteArray reply, data;
        ProbeResult result = Ask('m' + Hex32(dwAt) + ',' + Hex32(dwAsk), reply, strStep);
        if (!result.Done()) return result.At(dwAt);
        if (IsErrorReply(reply) || reply.isEmpty()) {
            return ProbeResult::Failed(CoreReason::ServerRefused, strStep,
                                       QStringLiteral("无法读取内存"), QString::fromLatin1(reply))
                .At(dwAt);
        }
        if (!FromHex(reply, data) || data.size() > static_cast<qsizetype>(dwAsk)) {
            return ProbeResult::Failed(CoreReason::ProtocolError, strStep,
                                       QStringLiteral("回复不是所要的数据"),
                                       QString::fromLatin1(reply.left(40)))
                .At(dwAt);
        }
        bytes += data;
        progress.Progress(strStep, bytes.size(), dwLength);
    }
    return ProbeResult();
}

bool CGdbTarget::WriteCommand(const QByteArray& head, const QByteArray& bytes, qsizetype& nTaken,
                              QByteArray& command, bool bBinary) const {
    const qsizetype nRoom = m_info.nPacketSize - head.size() - 12;
    if (nRoom <= 0) return false;
    nTaken = bBinary ? EscapedPrefixFitting(bytes, nRoom) : std::min(bytes.size(), nRoom / 2);
    const QByteArray part = bytes.left(nTaken);
    command = head;
    if (head.startsWith('X') || head.startsWith('M')) {
        command += ',' + Hex32(static_cast<std::uint32_t>(nTaken));
    }
    command += ':' + (bBinary ? EscapeBinary(part) : ToHex(part));
    return nTaken > 0;
}

ProbeResult CGdbTarget::WritePackets(std::uint32_t dwAddress, const QByteArray& bytes,
                                     IProbeProgress& progress, bool bFlash) {
    const QString strStep = QStringLiteral("写入");
    const int nTimeout = bFlash && m_pServer->bSlowWrites ? m_timeouts.nFlash : m_timeouts.nPacket;
    qsizetype nDone = 0;
    while (nDone < bytes.size()) {
        if (progress.Cancelled()) {
            return ProbeResult::Failed(CoreReason::Cancelled, strStep, QStringLiteral("已取消"));
        }
        const std::uint32_t dwAt = dwAddress + static_cast<std::uint32_t>(nDone);
        const bool bBinary = bFlash || !m_bNoX;
        const QByteArray head =
            bFlash ? "vFlashWrite:" + Hex32(dwAt) : (bBinary ? "X" : "M") + Hex32(dwAt);
        QByteArray command, reply;
        qsizetype nTaken = 0;
        if (!WriteCommand(head, bytes.mid(nDone), nTaken, command, bBinary)) {
            return ProbeResult::Failed(CoreReason::ProtocolError, strStep,
                                       QStringLiteral("数据包太小"));
        }
        ProbeResult result = Ask(command, reply, strStep, nTimeout);
        if (!result.Done()) return result.At(dwAt);
        if (!bFlash && bBinary && reply.isEmpty()) {
            m_bNoX = true;  // X is not offered: the same bytes again with M
            continue;
        }
        if (reply != "OK") {
            return ProbeResult::Failed(CoreReason::ServerRefused, strStep,
                                       QStringLiteral("写入被拒绝"), QString::fromLatin1(reply))
                .At(dwAt);
        }
        nDone += nTaken;
        progress.Progress(strStep, nDone, bytes.size());
    }
    return ProbeResult();
}

ProbeResult CGdbTarget::WriteMemory(std::uint32_t dwAddress, const QByteArray& bytes,
                                    IProbeProgress& progress) {
    return WritePackets(dwAddress, bytes, progress, false);
}

ProbeResult CGdbTarget::FlashErase(std::uint32_t dwAddress, std::uint32_t dwLength) {
    const QString strStep = QStringLiteral("擦除");
    QByteArray reply;
    ProbeResult result = Ask("vFlashErase:" + Hex32(dwAddress) + ',' + Hex32(dwLength), reply,
                             strStep, m_timeouts.nFlash);
    if (!result.Done()) return result.At(dwAddress);
    if (reply != "OK") {
        return ProbeResult::Failed(CoreReason::ServerRefused, strStep, QStringLiteral("擦除被拒绝"),
                                   QString::fromLatin1(reply) + QLatin1Char(' ') +
                                       QString::fromUtf8(m_client->TakeOutput()))
            .At(dwAddress);
    }
    m_client->TakeOutput();
    return ProbeResult();
}

ProbeResult CGdbTarget::FlashWrite(std::uint32_t dwAddress, const QByteArray& bytes,
                                   IProbeProgress& progress) {
    return WritePackets(dwAddress, bytes, progress, true);
}

ProbeResult CGdbTarget::FlashDone() {
    const QString strStep = QStringLiteral("写入");
    QByteArray reply;
    ProbeResult result = Ask("vFlashDone", reply, strStep, m_timeouts.nFlash);
    if (!result.Done()) return result;
    const QString strOutput = QString::fromUtf8(m_client->TakeOutput());
    if (reply != "OK") {
        return ProbeResult::Failed(CoreReason::ServerRefused, strStep, QStringLiteral("编程失败"),
                                   QString::fromLatin1(reply) + QLatin1Char(' ') + strOutput);
    }
    return ProbeResult();
}

ProbeResult CGdbTarget::Crc(std::uint32_t dwAddress, std::uint32_t dwLength, std::uint32_t& dwCrc,
                            bool& bOffered) {
    const QString strStep = QStringLiteral("校验");
    bOffered = m_pServer->bCrc;
    if (!bOffered) return ProbeResult();
    QByteArray reply;
    ProbeResult result =
        Ask("qCRC:" + Hex32(dwAddress) + ',' + Hex32(dwLength), reply, strStep, m_timeouts.nFlash);
    if (!result.Done()) return result.At(dwAddress);
    if (reply.isEmpty()) {
        bOffered = false;
        return ProbeResult();
    }
    bool bNumber = false;
    dwCrc = reply.startsWith('C') ? reply.mid(1).toUInt(&bNumber, 16) : 0;
    if (!bNumber) {
        return ProbeResult::Failed(CoreReason::ServerRefused, strStep,
                                   QStringLiteral("无法计算 CRC"), QString::fromLatin1(reply))
            .At(dwAddress);
    }
    return ProbeResult();
}

ProbeResult CGdbTarget::Monitor(const QString& strCommand, QString& strOutput) {
    const QString strStep = QStringLiteral("monitor ") + strCommand;
    QByteArray reply;
    m_client->TakeOutput();
    ProbeResult result =
        Ask("qRcmd," + ToHex(strCommand.toUtf8()), reply, strStep, m_timeouts.nFlash);
    if (!result.Done()) return result;
    QByteArray text = m_client->TakeOutput();
    QByteArray answered;
    const bool bText =
        reply != "OK" && !IsErrorReply(reply) && !reply.isEmpty() && FromHex(reply, answered);
    text += answered;
    strOutput = QString::fromUtf8(text).trimmed();
    const bool bWordFailed = m_pServer->failure == MonitorFailure::ErrorInText &&
                             strOutput.contains(QLatin1String(m_pServer->pFailureWord));
    if (reply.isEmpty() || IsErrorReply(reply) || bWordFailed || (reply != "OK" && !bText)) {
        return ProbeResult::Failed(
            CoreReason::ServerRefused, strStep,
            reply.isEmpty() ? QStringLiteral("服务器不支持此命令") : QStringLiteral("命令失败"),
            (QString::fromLatin1(reply) + QLatin1Char(' ') + strOutput));
    }
    return ProbeResult();
}

ProbeResult CGdbTarget::ResetAndRun(QString& strHow) {
    if (m_pServer->resetCommands.isEmpty()) {
        strHow = QStringLiteral("R");
        if (!m_client->SendOnly("R", m_timeouts.nPacket)) {
            return ProbeResult::Failed(CoreReason::LinkFailed, QStringLiteral("复位"),
                                       m_client->LastError());
        }
        return ProbeResult();
    }
    QStringList done;
    for (const QString& strCommand : m_pServer->resetCommands) {
        QString strOutput;
        done.append(QStringLiteral("monitor ") + strCommand);
        ProbeResult result = Monitor(strCommand, strOutput);
        if (!result.Done()) {
            result.strStep = QStringLiteral("复位");
            result.strWords = done.constLast() + QStringLiteral(": ") + result.strWords;
            return result;
        }
    }
    strHow = done.join(QLatin1String(", "));
    return ProbeResult();
}

ProbeResult CGdbTarget::Detach() {
    QByteArray reply;
    ProbeResult result = Ask("D", reply, QStringLiteral("断开"));
    // A server that ends the connection on D has detached too.
    m_client.reset();
    if (!result.Done() && result.reason == CoreReason::LinkFailed) return ProbeResult();
    if (!result.Done()) return result;
    if (reply != "OK") {
        return ProbeResult::Failed(CoreReason::ServerRefused, QStringLiteral("断开"),
                                   QStringLiteral("服务器未确认"), QString::fromLatin1(reply));
    }
    return ProbeResult();
}
