#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// How a server says that a monitor command failed.
enum class MonitorFailure {
    ErrorReply,   // an "Enn" reply (OpenOCD, after its "O" text)
    ErrorInText,  // the command's text holds the word (pyOCD "Error:", the probe "Failed")
    OutputOnly,   // answers OK; only its "O" text says what went wrong (QEMU)
};

// What differs between the GDB servers of the probes, from their sources and manuals.
struct GdbServerProfile {
    const char* pName;          // --server NAME
    const char* pTitle;         // as the run log and the window show it
    int nDefaultPort;           // 0: no TCP port of its own
    int nPacketSize;            // what it offers, when qSupported does not say
    bool bNoAck;                // QStartNoAckMode may be asked for
    bool bCrc;                  // qCRC is answered
    bool bEraseInCommit;        // vFlashErase does nothing; vFlashDone erases what it programs
    bool bScanAttach;           // nothing attached until "monitor swd_scan" and vAttach;1
    bool bSlowWrites;           // vFlashWrite programs at once: each one may take a while
    QStringList resetCommands;  // monitor commands that reset and run the target; empty: "R"
    MonitorFailure failure;
    const char* pFailureWord;  // ErrorInText
};

// The table: generic, openocd, pyocd, blackmagic, stutil, jlink, qemu.
const std::vector<GdbServerProfile>& GdbServerProfiles();

// The profile of a name (case-insensitive), or nullptr.
const GdbServerProfile* FindGdbServer(const QString& strName);

// The profile the server's qSupported answer points at: its PacketSize and features as the
// servers of the table answer them, else the generic profile. bSerial: the link is a serial
// device, which among the servers only the probe with its own GDB server offers.
const GdbServerProfile& DetectGdbServer(const QByteArray& supported, bool bSerial);

// The value of "NAME=VALUE" in a qSupported answer, or an empty array; HasFeature for "NAME+".
QByteArray SupportedValue(const QByteArray& supported, const QByteArray& name);
bool HasFeature(const QByteArray& supported, const QByteArray& name);
