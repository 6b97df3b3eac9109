#include "firmware/probe/GdbLink.h"

#include "firmware/probe/LinkCommand.h"
#include "firmware/probe/LinkSerial.h"
#include "firmware/probe/LinkTcp.h"
#include "platform/SerialPort.h"

GdbAddress ParseGdbAddress(const QString& strAddress) {
    GdbAddress address;
    const QString strText = strAddress.trimmed();
    if (strText.startsWith(QLatin1Char('|'))) {
        address.strCommand = strText.mid(1).trimmed();
        address.kind = address.strCommand.isEmpty() ? GdbLinkKind::Invalid : GdbLinkKind::Command;
        if (address.strCommand.isEmpty()) address.strError = QStringLiteral("| 后没有命令");
        return address;
    }
    if (IsSerialDeviceName(strText)) {
        address.kind = GdbLinkKind::Serial;
        address.strDevice = strText;
        return address;
    }
    const qsizetype nColon = strText.lastIndexOf(QLatin1Char(':'));
    bool bPort = false;
    const uint nPort = nColon >= 0 ? strText.mid(nColon + 1).toUInt(&bPort, 10) : 0;
    if (!bPort || nPort == 0 || nPort > 65535) {
        address.strError =
            QStringLiteral("不是 GDB 服务器地址: %1 (应为 主机:端口, :端口, 串口或 |命令)")
                .arg(strAddress);
        return address;
    }
    QString strHost = strText.left(nColon);
    if (strHost.startsWith(QLatin1Char('[')) && strHost.endsWith(QLatin1Char(']'))) {
        strHost = strHost.mid(1, strHost.size() - 2);
    }
    address.kind = GdbLinkKind::Tcp;
    address.strHost = strHost.isEmpty() ? QStringLiteral("127.0.0.1") : strHost;
    address.nPort = static_cast<quint16>(nPort);
    return address;
}

std::unique_ptr<IGdbLink> OpenGdbLink(const GdbAddress& address, int nTimeoutMs,
                                      QString& strError) {
    switch (address.kind) {
        case GdbLinkKind::Tcp:
            return OpenTcpLink(address.strHost, address.nPort, nTimeoutMs, strError);
        case GdbLinkKind::Serial:
            return OpenSerialLink(address.strDevice, strError);
        case GdbLinkKind::Command:
            return OpenCommandLink(address.strCommand, nTimeoutMs, strError);
        case GdbLinkKind::Invalid:
            break;
    }
    strError = address.strError;
    return nullptr;
}
