#include "StandInServer.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <chrono>
#include <future>

#include "firmware/probe/GdbPackets.h"

namespace {

constexpr std::uint32_t RAM_BASE = 0x20000000;
constexpr int RAM_SIZE = 0x10000;

// "addr,len" of a command's arguments.
bool AddressAndLength(const QByteArray& args, std::uint32_t& dwAddress, std::uint32_t& dwLength) {
    const QList<QByteArray> parts = args.split(',');
    bool bA = false, bL = false;
    if (parts.size() != 2) return false;
    dwAddress = parts[0].toUInt(&bA, 16);
    dwLength = parts[1].toUInt(&bL, 16);
    return bA && bL;
}

QByteArray Unescape(const QByteArray& raw) {
    QByteArray out;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        out += raw[i] == '}' && i + 1 < raw.size() ? static_cast<char>(raw[++i] ^ 0x20) : raw[i];
    }
    return out;
}

// Run lengths of a reply: "*" and the count + 29 for 3 to 97 more of the last character,
// never a count that is '#' or '$' (as the protocol asks, 6 and 7 are sent as 5).
QByteArray RunLengthEncode(const QByteArray& text) {
    QByteArray out;
    for (qsizetype i = 0; i < text.size();) {
        qsizetype n = 1;
        while (i + n < text.size() && text[i + n] == text[i] && n < 98) ++n;
        out += text[i];
        qsizetype nMore = n - 1;
        if (nMore == 6 || nMore == 7) nMore = 5;
        if (nMore >= 3) {
            out += '*';
            out += static_cast<char>(nMore + 29);
            i += nMore + 1;
        } else {
            ++i;
        }
    }
    return out;
}

}  // namespace

CStandInServer::CStandInServer(const StandInConfig& config)
    : m_config(config), m_flash(FLASH_SIZE, '\xFF'), m_ram(RAM_SIZE, '\0') {
    std::promise<int> port;
    std::future<int> ready = port.get_future();
    m_thread = std::thread([this, &port] {
        QTcpServer server;
        server.listen(QHostAddress::LocalHost, 0);
        port.set_value(server.serverPort());
        while (!m_bStop) {
            if (!server.waitForNewConnection(50)) continue;
            QTcpSocket* pSocket = server.nextPendingConnection();
            if (!pSocket) continue;
            m_bNoAckOn = false;
            m_bHalted = false;
            QByteArray buffer;
            bool bDrop = false;
            while (!m_bStop && !bDrop && pSocket->state() == QAbstractSocket::ConnectedState) {
                if (!pSocket->waitForReadyRead(50) && pSocket->bytesAvailable() == 0) continue;
                buffer += pSocket->readAll();
                for (;;) {
                    while (!buffer.isEmpty() && buffer[0] != '$' && buffer[0] != '\x03') {
                        buffer.remove(0, 1);
                    }
                    QByteArray raw;
                    if (buffer.startsWith('\x03')) {
                        buffer.remove(0, 1);
                        {
                            std::scoped_lock locker(m_lock);
                            m_commands.append(QStringLiteral("^C"));
                        }
                        m_bHalted = true;
                        pSocket->write(FramePacket("S02"));
                        continue;
                    }
                    const FrameScan scan = TakeFrame(buffer, raw);
                    if (scan == FrameScan::Incomplete) break;
                    if (scan == FrameScan::BadChecksum) {
                        pSocket->write("-");
                        continue;
                    }
                    const QByteArray command = Unescape(raw);
                    const bool bWrite = command.startsWith("vFlashWrite") ||
                                        command.startsWith('X') || command.startsWith('M');
                    if (!m_bNoAckOn && m_config.bNakOnce && bWrite && !m_bNakSent) {
                        m_bNakSent = true;
                        pSocket->write("-");
                        continue;
                    }
                    if (!m_bNoAckOn) pSocket->write("+");
                    QByteArray reply = Answer(command, bDrop);
                    if (m_config.nReplyDelayMs > 0) {
                        std::this_thread::sleep_for(
                            std::chrono::milliseconds(m_config.nReplyDelayMs));
                    }
                    if (bDrop) break;
                    if (command == "R") continue;  // no answer
                    if (command.startsWith('m') && m_config.bRunLength)
                        reply = RunLengthEncode(reply);
                    QByteArray frame = FramePacket(reply);
                    if (command.startsWith('m') && m_config.bBadChecksumOnce && !m_bDamagedSent) {
                        m_bDamagedSent = true;
                        QByteArray damaged = frame;
                        damaged[damaged.size() - 1] = damaged.back() == '0' ? '1' : '0';
                        pSocket->write(damaged);
                    }
                    pSocket->write(frame);
                    if (command == "QStartNoAckMode" && reply == "OK") m_bNoAckOn = true;
                }
                pSocket->flush();
            }
            pSocket->disconnectFromHost();
            delete pSocket;
        }
    });
    m_nPort = ready.get();
}

CStandInServer::~CStandInServer() {
    m_bStop = true;
    m_thread.join();
}

QByteArray CStandInServer::Flash(std::uint32_t dwAddress, int nLength) const {
    std::scoped_lock locker(m_lock);
    return m_flash.mid(dwAddress - FLASH_BASE, nLength);
}

void CStandInServer::SetFlash(std::uint32_t dwAddress, const QByteArray& bytes) {
    std::scoped_lock locker(m_lock);
    m_flash.replace(dwAddress - FLASH_BASE, bytes.size(), bytes);
}

QStringList CStandInServer::Commands() const {
    std::scoped_lock locker(m_lock);
    return m_commands;
}

QByteArray CStandInServer::Answer(const QByteArray& command, bool& bDrop) {
    {
        std::scoped_lock locker(m_lock);
        m_commands.append(QString::fromLatin1(command.left(
            command.indexOf(':') > 0 && !command.startsWith('q') ? command.indexOf(':') : 60)));
    }
    const bool bTarget = !m_config.bScanAttach || m_bAttached;
    if (command.startsWith("qSupported")) {
        QByteArray reply = "PacketSize=" + QByteArray::number(m_config.nPacketSize, 16);
        if (m_config.bNoAck) reply += ";QStartNoAckMode+";
        if (m_config.bMap) reply += ";qXfer:memory-map:read+";
        return reply + m_config.supportedExtra;
    }
    if (command == "QStartNoAckMode") return m_config.bNoAck ? "OK" : "";
    if (command == "?") {
        if (!bTarget) return "W00";
        return m_config.bRunning && !m_bHalted ? "" : "S05";
    }
    if (command == "vAttach;1") {
        m_bAttached = m_config.bScanAttach && m_bScanned;
        return m_bAttached ? "T05" : "E01";
    }
    if (command.startsWith("qXfer:memory-map:read::") && m_config.bMap) {
        const QByteArray xml =
            "<memory-map><memory type=\"flash\" start=\"0x8000000\" length=\"0x40000\">"
            "<property name=\"blocksize\">0x" +
            QByteArray::number(m_config.dwBlockSize, 16) +
            "</property></memory><memory type=\"ram\" start=\"0x20000000\" "
            "length=\"0x10000\"/></memory-map>";
        std::uint32_t dwOffset = 0, dwLength = 0;
        AddressAndLength(command.mid(23), dwOffset, dwLength);
        const QByteArray part = xml.mid(dwOffset, dwLength);
        return (dwOffset + part.size() >= static_cast<std::uint32_t>(xml.size()) ? "l" : "m") +
               EscapeBinary(part);
    }
    if (command.startsWith("qRcmd,")) return Monitor(command.mid(6));
    if (!bTarget) return "E01";
    if (command.startsWith('m')) return Read(command.mid(1));
    if (command.startsWith('X')) {
        return m_config.bX ? WriteMemory(command, true, bDrop) : QByteArray();
    }
    if (command.startsWith('M')) return WriteMemory(command, false, bDrop);
    if (command.startsWith("vFlash")) {
        return m_config.bMap ? FlashCommand(command, bDrop) : QByteArray();
    }
    if (command.startsWith("qCRC:") && m_config.bCrc) {
        std::uint32_t dwAddress = 0, dwLength = 0;
        if (!AddressAndLength(command.mid(5), dwAddress, dwLength)) return "E01";
        return 'C' + QByteArray::number(GdbCrc32(Flash(dwAddress, static_cast<int>(dwLength))), 16);
    }
    if (command == "D") return "OK";
    return "";
}

QByteArray CStandInServer::Read(const QByteArray& args) {
    std::uint32_t dwAddress = 0, dwLength = 0;
    if (!AddressAndLength(args, dwAddress, dwLength)) return "E01";
    if (m_config.nShortReads > 0)
        dwLength = std::min<std::uint32_t>(dwLength, m_config.nShortReads);
    std::scoped_lock locker(m_lock);
    if (dwAddress >= FLASH_BASE && dwAddress + dwLength <= FLASH_BASE + FLASH_SIZE) {
        return ToHex(m_flash.mid(dwAddress - FLASH_BASE, dwLength));
    }
    if (dwAddress >= RAM_BASE && dwAddress + dwLength <= RAM_BASE + RAM_SIZE) {
        return ToHex(m_ram.mid(dwAddress - RAM_BASE, dwLength));
    }
    return "E14";
}

QByteArray CStandInServer::WriteMemory(const QByteArray& command, bool bBinary, bool& bDrop) {
    const qsizetype nColon = command.indexOf(':');
    std::uint32_t dwAddress = 0, dwLength = 0;
    if (nColon < 0 || !AddressAndLength(command.mid(1, nColon - 1), dwAddress, dwLength)) {
        return "E01";
    }
    QByteArray data;
    if (bBinary) {
        data = command.mid(nColon + 1);
    } else if (!FromHex(command.mid(nColon + 1), data)) {
        return "E01";
    }
    if (dwLength == 0) return "OK";
    if (m_nWrites++ == m_config.nDropAfterWrites) {
        bDrop = true;
        return "";
    }
    std::scoped_lock locker(m_lock);
    const bool bFlash =
        dwAddress >= FLASH_BASE && dwAddress + data.size() <= FLASH_BASE + FLASH_SIZE;
    if (bFlash && m_config.bMap) return "E01";  // flash is written with vFlash where a map says so
    if (bFlash) {
        // Memory that takes M as it is (QEMU's flash), where the faults still apply.
        for (qsizetype i = 0; i < data.size(); ++i) {
            const qsizetype nOffset = static_cast<qsizetype>(dwAddress - FLASH_BASE) + i;
            m_flash[nOffset] = nOffset == m_config.nBadByteAt ? '\0' : data[i];
        }
    } else if (dwAddress >= RAM_BASE && dwAddress + data.size() <= RAM_BASE + RAM_SIZE) {
        m_ram.replace(dwAddress - RAM_BASE, data.size(), data);
    }
    // Anywhere else: OK, and nothing is stored.
    return "OK";
}

QByteArray CStandInServer::FlashCommand(const QByteArray& command, bool& bDrop) {
    if (command.startsWith("vFlashErase:")) {
        std::uint32_t dwAddress = 0, dwLength = 0;
        if (!AddressAndLength(command.mid(12), dwAddress, dwLength)) return "E01";
        if (m_config.bProtected) return "E01";
        if ((dwAddress - FLASH_BASE) % m_config.dwBlockSize || dwLength % m_config.dwBlockSize) {
            return "E02";  // erase must be block-aligned
        }
        if (!m_config.bEraseInCommit) EraseBlocks(dwAddress, dwLength);
        return "OK";
    }
    if (command.startsWith("vFlashWrite:")) {
        const qsizetype nColon = command.indexOf(':', 12);
        bool bOk = false;
        const std::uint32_t dwAddress = command.mid(12, nColon - 12).toUInt(&bOk, 16);
        if (!bOk) return "E01";
        if (m_nWrites++ == m_config.nDropAfterWrites) {
            bDrop = true;
            return "";
        }
        const QByteArray data = command.mid(nColon + 1);
        if (m_config.bBufferedWrites) {
            m_buffered.emplace_back(dwAddress, data);
        } else {
            Program(dwAddress, data);
        }
        return "OK";
    }
    if (command == "vFlashDone") {
        if (m_config.bEraseInCommit) {
            std::scoped_lock locker(m_lock);
            for (const auto& [dwAddress, data] : m_buffered) {
                m_flash.replace(dwAddress - FLASH_BASE, data.size(), data);
            }
        } else {
            for (const auto& [dwAddress, data] : m_buffered) Program(dwAddress, data);
        }
        m_buffered.clear();
        return "OK";
    }
    return "";
}

void CStandInServer::Program(std::uint32_t dwAddress, const QByteArray& bytes) {
    std::scoped_lock locker(m_lock);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const qsizetype nOffset = static_cast<qsizetype>(dwAddress - FLASH_BASE) + i;
        if (nOffset < 0 || nOffset >= FLASH_SIZE) continue;
        const char byValue = nOffset == m_config.nBadByteAt ? '\0' : bytes[i];
        m_flash[nOffset] = static_cast<char>(m_flash[nOffset] & byValue);  // only clears bits
    }
}

void CStandInServer::EraseBlocks(std::uint32_t dwAddress, std::uint32_t dwLength) {
    std::scoped_lock locker(m_lock);
    const std::uint32_t dwBlock = m_config.dwBlockSize;
    const std::uint32_t dwFirst = (dwAddress - FLASH_BASE) / dwBlock * dwBlock;
    for (std::uint32_t dw = dwFirst; dw < dwAddress - FLASH_BASE + dwLength && dw < FLASH_SIZE;
         dw += dwBlock) {
        m_flash.replace(dw, dwBlock, QByteArray(dwBlock, '\xFF'));
    }
}

QByteArray CStandInServer::Monitor(const QByteArray& hex) {
    QByteArray text;
    FromHex(hex, text);
    const QString strCommand = QString::fromLatin1(text);
    if (strCommand == QLatin1String("swd_scan") && m_config.bScanAttach) {
        m_bScanned = true;
        return ToHex("Target voltage: 3.3V\nAvailable Targets:\n1 STM32F2\n");
    }
    if (m_config.resetCommands.contains(strCommand)) return "OK";
    return m_config.pMonitorFailure;
}
