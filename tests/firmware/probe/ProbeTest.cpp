// The probe's core against the stand-in GDB server: the servers of the table, flash semantics
// and faults. Each fault must end in a clear failure with no App marker written.
#include <gtest/gtest.h>

#include <QDir>

#include "firmware/probe/FlashModule.h"
#include "firmware/probe/FlashPlan.h"
#include "firmware/probe/GdbPackets.h"
#include "log/RunLog.h"
#include "tests/firmware/probe/StandInServer.h"
#include "tests/firmware/workspace/FirmwareTestSupport.h"

namespace {

constexpr std::uint32_t BASE = CStandInServer::FLASH_BASE;
const QByteArray APP_MARKER("\x55\xAA", 2);

// A merged image of 28 KiB: boot loader for chip 7, App 1.05 for module 0x0021.
QByteArray MergedImage(std::uint16_t wVersion = 0x0105, std::uint16_t wModule = 0x0021) {
    return MakeMergedImage(0x7000, wVersion, wModule);
}

class CCancelAt : public IProbeProgress {
public:
    explicit CCancelAt(QString strStep) : m_strStep(std::move(strStep)) {}
    void Progress(const QString& strStep, std::int64_t, std::int64_t) override {
        m_bCancel = m_bCancel || strStep == m_strStep;
    }
    bool Cancelled() override { return m_bCancel; }

private:
    QString m_strStep;
    bool m_bCancel = false;
};

class ProbeTest : public FirmwareTest {
protected:
    FlashReport Flash(CStandInServer& server, const QByteArray& image,
                      const QString& strServer = QString(), IProbeProgress* pProgress = nullptr) {
        FlashOptions options;
        options.strServer = strServer;
        options.strBackupFolder = m_tmp.File(QStringLiteral("backups"));
        options.timeouts.nPacket = 2000;
        CNoProgress none;
        return FlashModule(server.Address(), image, options, m_wnd, pProgress ? *pProgress : none);
    }

    // The failure must be named and leave the module without the App's marker.
    void ExpectFailedWithoutMarker(const FlashReport& report, CStandInServer& server,
                                   const char* pStep) {
        EXPECT_FALSE(report.result.Done());
        EXPECT_EQ(report.result.strStep, QString::fromUtf8(pStep))
            << report.result.Text().toStdString();
        EXPECT_FALSE(report.bMarkerWritten);
        EXPECT_NE(server.Flash(BASE + 0x1100, 2), APP_MARKER);
        const QStringList lines = TakeLogLines();
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_TRUE(lines.last().startsWith(QStringLiteral("烧写固件 = 失败, ") + pStep))
            << lines.last().toStdString();
        EXPECT_FALSE(lines.join(QLatin1Char('\n')).contains(QStringLiteral("完成")));
        EXPECT_FALSE(lines.filter(QStringLiteral("标记 0x08001100 = 成功")).size());
    }
};

}  // namespace

TEST(GdbPackets, FramingEscapesRunLengthsAndCrc) {
    EXPECT_EQ(FramePacket("OK"), "$OK#9a");
    // CRC-32/MPEG-2, the CRC that GDB's qCRC computes: its published check value.
    EXPECT_EQ(GdbCrc32("123456789"), 0x0376E6E7u);
    const QByteArray binary("a#b$c}d*e", 9);
    QByteArray decoded;
    ASSERT_TRUE(DecodePayload(EscapeBinary(binary), decoded));
    EXPECT_EQ(decoded, binary);
    EXPECT_EQ(EscapedPrefixFitting(binary, 3), 2);  // "a" and "}#" fill 3
    ASSERT_TRUE(DecodePayload("0* 1}]", decoded));  // ' ' is 3 more; "}]" is '}'
    EXPECT_EQ(decoded, "00001}");
    EXPECT_FALSE(DecodePayload("*!", decoded));  // nothing to repeat
    QByteArray buffer = "+$OK#9b$OK#9a", raw;
    EXPECT_EQ(TakeFrame(buffer, raw), FrameScan::BadChecksum);
    EXPECT_EQ(TakeFrame(buffer, raw), FrameScan::Packet);
    EXPECT_EQ(raw, "OK");
    EXPECT_TRUE(buffer.isEmpty());
}

TEST(MemoryMap, SectorsOfTwoSizesAndTheFlashPlan) {
    const QByteArray xml =
        "<?xml version=\"1.0\"?><memory-map>"
        "<memory type=\"ram\" start=\"0x20000000\" length=\"0x20000\"/>"
        "<memory type=\"flash\" start=\"0x08000000\" length=\"0x10000\">"
        "<property name=\"blocksize\">0x4000</property></memory>"
        "<memory type=\"flash\" start=\"0x08010000\" length=\"0x20000\">"
        "<property name=\"blocksize\">0x20000</property></memory></memory-map>";
    MemoryMap map;
    QString strError;
    ASSERT_TRUE(ParseMemoryMap(xml, map, strError)) << strError.toStdString();
    EXPECT_TRUE(map.IsFlash(BASE, 0x30000));
    EXPECT_FALSE(map.IsFlash(BASE, 0x30001));
    EXPECT_EQ(map.FlashEndFrom(BASE), 0x08030000u);
    // 0x08003000 .. 0x08010FFF: the last 16 KiB sector of the first region, all of the second
    // region's one 128 KiB sector.
    const std::vector<FlashBlock> blocks = map.BlocksCovering(0x08003000, 0xE000);
    ASSERT_EQ(blocks.size(), 5u);
    EXPECT_EQ(blocks.front().qwStart, 0x08000000u);
    EXPECT_EQ(blocks.back().qwStart, 0x08010000u);
    EXPECT_EQ(blocks.back().qwLength, 0x20000u);

    FlashPlan plan;
    const QByteArray image = MergedImage();
    ASSERT_TRUE(PlanFlash(map, BASE, image, plan, strError));
    EXPECT_TRUE(plan.bErase);
    EXPECT_EQ(plan.span.qwStart, BASE);
    EXPECT_EQ(plan.span.qwEnd, 0x08008000u);  // 28 KiB take two 16 KiB blocks
    ASSERT_EQ(plan.pieces.size(), 2u);
    EXPECT_EQ(plan.pieces[0].qwEnd, 0x08001100u);
    EXPECT_EQ(plan.pieces[1].qwStart, 0x08001120u);
    EXPECT_FALSE(PlanFlash(map, 0x08020000, QByteArray(0x20000, 'x'), plan, strError));
    EXPECT_FALSE(
        ParseMemoryMap("<memory-map><memory type=\"flash\" start=\"0\" length=\"9\"/>"
                       "</memory-map>",
                       map, strError));
}

// Each server of the table as the stand-in plays it: the flash holds the image, the rest of
// each erased block is what it was, the marker is there, and the server's own way was taken.
TEST_F(ProbeTest, EveryServerOfTheTable) {
    struct Case {
        const char* pName;
        const char* pServer;  // --server, "" to tell it from the answers
        StandInConfig config;
        const char* pVerify;
        QStringList mustSee;
        QStringList mustNotSee;
    };
    StandInConfig openocd;
    openocd.dwBlockSize = 0x20000;
    StandInConfig pyocd;
    pyocd.nPacketSize = 0x800;
    pyocd.bEraseInCommit = true;
    pyocd.bCrc = false;
    pyocd.resetCommands = {QStringLiteral("reset")};
    StandInConfig bmp;
    bmp.nPacketSize = 0x400;
    bmp.bScanAttach = true;
    bmp.bBufferedWrites = false;
    StandInConfig stutil;
    stutil.nPacketSize = 0x3fff;
    stutil.bNoAck = false;
    stutil.bCrc = false;
    stutil.resetCommands = {QStringLiteral("reset")};
    StandInConfig jlink;
    jlink.nPacketSize = 0x1000;
    jlink.bCrc = false;
    jlink.resetCommands = {QStringLiteral("reset"), QStringLiteral("go")};
    StandInConfig qemu;
    qemu.nPacketSize = 0x1000;
    qemu.bMap = false;
    qemu.bX = false;
    qemu.bCrc = false;
    qemu.bNoAck = false;
    qemu.resetCommands = {QStringLiteral("system_reset")};
    qemu.pMonitorFailure = "OK";
    const auto monitor = [](const char* p) {
        return "qRcmd," + QString::fromLatin1(QByteArray(p).toHex());
    };
    const Case cases[] = {
        {"openocd",
         "",
         openocd,
         "qCRC",
         {"QStartNoAckMode", "vFlashErase", monitor("reset run")},
         {"M8000000"}},
        {"pyocd", "", pyocd, "回读", {"vFlashDone", monitor("reset")}, {"qCRC"}},
        {"blackmagic", "blackmagic", bmp, "qCRC", {monitor("swd_scan"), "vAttach;1", "R"}, {}},
        {"stutil", "", stutil, "回读", {monitor("reset")}, {"QStartNoAckMode", "qCRC"}},
        {"jlink", "jlink", jlink, "回读", {monitor("reset"), monitor("go")}, {}},
        {"qemu", "", qemu, "回读", {"M8000000", monitor("system_reset")}, {"vFlashErase"}},
    };
    const QByteArray image = MergedImage();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pName);
        CStandInServer server(c.config);
        const QByteArray old(0x20000, '\x33');
        server.SetFlash(BASE, old);
        const FlashReport report = Flash(server, image, QString::fromLatin1(c.pServer));
        ASSERT_TRUE(report.result.Done()) << report.result.Text().toStdString();
        EXPECT_EQ(server.Flash(BASE, image.size()), image);
        const int nRest = static_cast<int>(report.plan.span.qwEnd - BASE) - image.size();
        EXPECT_EQ(server.Flash(BASE + image.size(), nRest), old.mid(image.size(), nRest))
            << "the rest of the erased blocks is written back";
        EXPECT_EQ(server.Flash(BASE + 0x20000, 16), QByteArray(16, '\xFF'));
        EXPECT_TRUE(report.bMarkerWritten);
        EXPECT_EQ(report.strVerifyHow, QString::fromUtf8(c.pVerify));
        EXPECT_EQ(ReadAllBytes(report.strBackupPath),
                  old.left(static_cast<int>(report.plan.span.Length())));
        const QString strCommands = server.Commands().join(QLatin1Char('\n'));
        for (const QString& strSeen : c.mustSee) {
            EXPECT_TRUE(strCommands.contains(strSeen)) << strSeen.toStdString();
        }
        for (const QString& strNot : c.mustNotSee) {
            EXPECT_FALSE(strCommands.contains(strNot)) << strNot.toStdString();
        }
        TakeLogLines();
    }
}

TEST_F(ProbeTest, FaultsFailClearlyAndLeaveNoMarker) {
    struct Case {
        const char* pName;
        StandInConfig config;
        const char* pStep;
        std::uint32_t dwAddress;  // 0: none checked
    };
    StandInConfig badByte;
    badByte.nBadByteAt = 0x2345;
    StandInConfig badByteQemu;  // answers OK to every M and stores one byte wrong
    badByteQemu.bMap = false;
    badByteQemu.nPacketSize = 0x1000;
    badByteQemu.nBadByteAt = 0x10;
    StandInConfig dropped;
    dropped.nDropAfterWrites = 2;
    dropped.nPacketSize = 0x400;
    StandInConfig protectedFlash;
    protectedFlash.bProtected = true;
    const Case cases[] = {
        {"a byte that programs wrong", badByte, "校验", BASE + 0x2345},
        {"OK to a write that stored wrong", badByteQemu, "校验", BASE + 0x10},
        {"connection dropped", dropped, "写入", 0},
        {"protected flash", protectedFlash, "擦除", BASE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pName);
        CStandInServer server(c.config);
        const FlashReport report = Flash(server, MergedImage());
        ExpectFailedWithoutMarker(report, server, c.pStep);
        if (c.dwAddress) {
            EXPECT_TRUE(report.result.bHasAddress);
            EXPECT_EQ(report.result.dwAddress, c.dwAddress);
        }
    }
}

TEST_F(ProbeTest, PacketFaultsThatAreRecovered) {
    StandInConfig runLengths;
    runLengths.bRunLength = true;
    runLengths.bCrc = false;  // read back, through the encoded replies
    StandInConfig shortReads = runLengths;
    shortReads.bRunLength = false;
    shortReads.nShortReads = 100;
    StandInConfig damaged;
    damaged.bNoAck = false;
    damaged.bBadChecksumOnce = true;
    damaged.bNakOnce = true;
    StandInConfig running;  // stopped with 0x03 before anything is read
    running.bRunning = true;
    for (const StandInConfig& config : {runLengths, shortReads, damaged, running}) {
        CStandInServer server(config);
        const QByteArray image = MergedImage();
        const FlashReport report = Flash(server, image);
        ASSERT_TRUE(report.result.Done()) << report.result.Text().toStdString();
        EXPECT_EQ(server.Flash(BASE, image.size()), image);
        EXPECT_EQ(server.Commands().contains(QStringLiteral("^C")), config.bRunning);
    }
}

TEST_F(ProbeTest, QuestionsAndCancelWriteNothingOrNoMarker) {
    StandInConfig config;
    CStandInServer server(config);
    const QByteArray installed = MergedImage(0x0106, 0x0022);  // App 1.06 for module 0x0022
    server.SetFlash(BASE, installed);
    m_wnd.m_answers = {true, false};  // another module: yes; an older App: no
    FlashReport report = Flash(server, MergedImage());
    EXPECT_EQ(report.result.reason, CoreReason::Declined);
    EXPECT_EQ(m_wnd.m_questions.size(), 2);
    EXPECT_EQ(server.Flash(BASE, installed.size()), installed);  // nothing erased
    EXPECT_TRUE(server.Commands().filter(QStringLiteral("vFlash")).isEmpty());
    TakeLogLines();

    m_wnd.m_answers = {true, true};
    CCancelAt cancel(QStringLiteral("校验"));
    config.bCrc = false;
    CStandInServer slow(config);
    slow.SetFlash(BASE, installed);
    report = Flash(slow, MergedImage(), QString(), &cancel);
    EXPECT_EQ(report.result.reason, CoreReason::Cancelled);
    ExpectFailedWithoutMarker(report, slow, "校验");
}
