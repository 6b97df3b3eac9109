#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>

#include "firmware/probe/GdbClient.h"
#include "firmware/probe/GdbServers.h"
#include "firmware/probe/MemoryMap.h"
#include "firmware/probe/ProbeResult.h"

// What the connection found out about the server and its target.
struct GdbTargetInfo {
    QString strLink;          // the link's description
    QString strServer;        // the profile's title
    QByteArray supported;     // the qSupported answer
    int nPacketSize = 0x400;  // the largest packet we send
    bool bNoAck = false;
    bool bHasMap = false;
    MemoryMap map;
    QString strArchitecture;  // from target.xml, when offered
    QByteArray stopReply;     // the answer to "?"
};

// Timeouts of the steps, in milliseconds. A server that programs during vFlashDone keeps the
// connection alive with "O" packets, each of which starts the wait anew.
struct GdbTimeouts {
    int nConnect = 5000;
    int nPacket = 5000;
    int nFlash = 60000;  // erase, vFlashDone, and writes of a server that programs at once
};

// One session with a GDB server: the commands of the protocol that reading and flashing a
// module need, each returning what it came to.
class CGdbTarget {
public:
    explicit CGdbTarget(GdbTimeouts timeouts = GdbTimeouts()) : m_timeouts(timeouts) {}

    // Opens the link and asks what the server offers: qSupported, no-ack mode where offered,
    // "?", the memory map. strServer: a name of the table, or empty to tell it from the answers.
    ProbeResult Connect(const QString& strAddress, const QString& strServer);

    // Reads with "m", as many packets as it takes; replies shorter than asked are continued.
    ProbeResult Read(std::uint32_t dwAddress, std::uint32_t dwLength, QByteArray& bytes,
                     IProbeProgress& progress, const QString& strStep);
    // Writes memory that needs no erase with "X", or "M" where X is not offered.
    ProbeResult WriteMemory(std::uint32_t dwAddress, const QByteArray& bytes,
                            IProbeProgress& progress);
    ProbeResult FlashErase(std::uint32_t dwAddress, std::uint32_t dwLength);
    ProbeResult FlashWrite(std::uint32_t dwAddress, const QByteArray& bytes,
                           IProbeProgress& progress);
    ProbeResult FlashDone();
    // qCRC of the range; bOffered false (and the result done) when the server does not answer it.
    ProbeResult Crc(std::uint32_t dwAddress, std::uint32_t dwLength, std::uint32_t& dwCrc,
                    bool& bOffered);
    // A monitor command (qRcmd); its text in strOutput.
    ProbeResult Monitor(const QString& strCommand, QString& strOutput);
    // Reset and run as the server does it; strHow says which commands.
    ProbeResult ResetAndRun(QString& strHow);
    ProbeResult Detach();
    // Ends the session without detaching (the target stays as it is).
    void Close() { m_client.reset(); }

    const GdbTargetInfo& Info() const { return m_info; }
    const GdbServerProfile& Server() const { return *m_pServer; }
    bool Connected() const { return m_client != nullptr; }
    // Whether the server has flash commands: a memory map with flash.
    bool HasFlashMap() const { return m_info.bHasMap; }

private:
    ProbeResult Ask(const QByteArray& command, QByteArray& reply, const QString& strStep,
                    int nTimeoutMs = 0);
    ProbeResult Attach();
    ProbeResult ReadXfer(const QByteArray& object, const QByteArray& annex, QByteArray& data);
    ProbeResult ReadMemoryMap();
    // vFlashWrite packets (bFlash), else X or M, each of them answered OK.
    ProbeResult WritePackets(std::uint32_t dwAddress, const QByteArray& bytes,
                             IProbeProgress& progress, bool bFlash);
    bool WriteCommand(const QByteArray& head, const QByteArray& bytes, qsizetype& nTaken,
                      QByteArray& command, bool bBinary) const;

    GdbTimeouts m_timeouts;
    std::unique_ptr<CGdbClient> m_client;
    GdbTargetInfo m_info;
    const GdbServerProfile* m_pServer = &GdbServerProfiles().front();
    bool m_bNoX = false;  // X answered empty: M from then on
};
