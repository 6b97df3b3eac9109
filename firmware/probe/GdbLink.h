#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

// The byte stream to a GDB server: a TCP connection, a serial device, or the standard input
// and output of a command Quorrix starts. Blocking, so that the core runs a flash on whatever
// thread its caller gives it.
class IGdbLink {
public:
    virtual ~IGdbLink() = default;
    // False with the reason when the bytes could not be handed over.
    virtual bool Send(const QByteArray& data, QString& strError) = 0;
    // Appends what arrives within nTimeoutMs (possibly nothing); false when the link is gone.
    virtual bool Receive(QByteArray& data, int nTimeoutMs, QString& strError) = 0;
    // "TCP 127.0.0.1:3333", "serial /dev/ttyACM0", "command qemu-system-arm ..."
    virtual QString Description() const = 0;
};

// How an address is to be reached.
enum class GdbLinkKind { Tcp, Serial, Command, Invalid };

struct GdbAddress {
    GdbLinkKind kind = GdbLinkKind::Invalid;
    QString strHost;  // Tcp
    quint16 nPort = 0;
    QString strDevice;   // Serial
    QString strCommand;  // Command, without its "|"
    QString strError;    // Invalid: why
};

// "host:port", ":port" (127.0.0.1), "[v6]:port", a serial device ("/dev/ttyACM0", "COM7"), or
// "|command".
GdbAddress ParseGdbAddress(const QString& strAddress);

// Opens the link; nullptr with the reason in strError.
std::unique_ptr<IGdbLink> OpenGdbLink(const GdbAddress& address, int nTimeoutMs, QString& strError);
