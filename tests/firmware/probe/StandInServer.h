#pragma once

#include <QByteArray>
#include <QStringList>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>

// How the stand-in GDB server behaves: the differences of the servers in the table, and the
// faults a real probe shows.
struct StandInConfig {
    int nPacketSize = 0x4000;
    bool bNoAck = true;  // offers QStartNoAckMode
    bool bCrc = true;    // answers qCRC
    bool bMap = true;    // has a memory map and the vFlash commands
    std::uint32_t dwBlockSize = 0x4000;
    // vFlashErase does nothing; vFlashDone erases the blocks it writes and keeps what it does
    // not write of them (pyOCD's keep_unwritten)
    bool bEraseInCommit = false;
    bool bScanAttach = false;     // nothing attached until monitor swd_scan and vAttach;1
    bool bBufferedWrites = true;  // vFlashWrite programs at vFlashDone, else at once
    bool bX = true;               // answers X (else an empty reply)
    QByteArray supportedExtra;    // more of the qSupported answer
    QStringList resetCommands{QStringLiteral("reset run")};  // the monitor commands it takes
    const char* pMonitorFailure = "E01";  // its answer to an unknown monitor command
    int nReplyDelayMs = 0;                // a probe that takes its time over each packet
    // Faults
    bool bRunLength = false;        // run-length encodes the m replies
    int nShortReads = 0;            // m answers at most this many bytes (0: all it was asked)
    std::int64_t nBadByteAt = -1;   // this flash offset programs as 0x00
    int nDropAfterWrites = -1;      // the connection is dropped at this vFlashWrite / M / X
    bool bBadChecksumOnce = false;  // the first m reply goes out damaged, then again intact
    bool bNakOnce = false;          // the first write command is answered '-' once
    bool bProtected = false;        // vFlashErase answers E01
    bool bRunning = false;          // the target runs: "?" has no stop to tell until a 0x03
};

// A GDB server on a local port, with a flash of 0x40000 bytes at 0x08000000 (erased) and RAM
// at 0x20000000, serving one connection after another on its own thread.
class CStandInServer {
public:
    explicit CStandInServer(const StandInConfig& config);
    ~CStandInServer();

    QString Address() const { return QStringLiteral(":%1").arg(m_nPort); }
    QByteArray Flash(std::uint32_t dwAddress, int nLength) const;
    void SetFlash(std::uint32_t dwAddress, const QByteArray& bytes);
    // The commands as they came (binary parts cut off), for what a test must see asked.
    QStringList Commands() const;

    static constexpr std::uint32_t FLASH_BASE = 0x08000000;
    static constexpr int FLASH_SIZE = 0x40000;

private:
    void Serve();
    QByteArray Answer(const QByteArray& command, bool& bDrop);
    QByteArray Read(const QByteArray& args);
    QByteArray WriteMemory(const QByteArray& command, bool bBinary, bool& bDrop);
    QByteArray FlashCommand(const QByteArray& command, bool& bDrop);
    QByteArray Monitor(const QByteArray& hex);
    void Program(std::uint32_t dwAddress, const QByteArray& bytes);
    void EraseBlocks(std::uint32_t dwAddress, std::uint32_t dwLength);

    StandInConfig m_config;
    std::thread m_thread;
    std::atomic<bool> m_bStop{false};
    std::atomic<int> m_nPort{0};
    mutable std::mutex m_lock;
    QByteArray m_flash;
    QByteArray m_ram;
    QStringList m_commands;
    std::vector<std::pair<std::uint32_t, QByteArray>> m_buffered;
    bool m_bAttached = false;
    bool m_bScanned = false;
    bool m_bNoAckOn = false;
    int m_nWrites = 0;
    bool m_bDamagedSent = false;
    bool m_bNakSent = false;
    bool m_bHalted = false;
};
