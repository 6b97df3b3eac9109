#include "firmware/probe/ModuleRead.h"

#include <QSaveFile>

#include "firmware/formats/RecordWriters.h"
#include "firmware/workspace/ImageFile.h"
#include "firmware/workspace/InfoReport.h"
#include "firmware/workspace/OutputFormat.h"
#include "log/RunLog.h"

namespace {

FirmwareInfoBlock BlockOf(const QByteArray& bytes) {
    if (bytes.size() < static_cast<qsizetype>(INFO_BLOCK_LENGTH)) return FirmwareInfoBlock();
    return FirmwareInfoBlock::Read(reinterpret_cast<const unsigned char*>(bytes.constData()), 0);
}

}  // namespace

ModuleInfo ModuleInfoOf(const QByteArray& image) {
    ModuleInfo info;
    info.block1 = image.mid(INFO_BLOCK1_OFFSET, INFO_BLOCK_LENGTH);
    info.block2 = image.mid(INFO_BLOCK2_OFFSET, INFO_BLOCK_LENGTH);
    info.b1 = BlockOf(info.block1);
    info.b2 = BlockOf(info.block2);
    return info;
}

ProbeResult ConnectModule(CGdbTarget& target, const QString& strAddress, const QString& strServer) {
    const ProbeResult result = target.Connect(strAddress, strServer);
    if (!result.Done()) {
        WriteLog(QStringLiteral("连接 GDB %1 = 失败, %2").arg(strAddress, result.Text()));
        return result;
    }
    const GdbTargetInfo& info = target.Info();
    WriteLog(QStringLiteral("连接 GDB %1 = 成功, %2, PacketSize 0x%3, %4")
                 .arg(info.strLink, info.strServer)
                 .arg(info.nPacketSize, 0, 16)
                 .arg(info.bHasMap ? DescribeMemoryMap(info.map) : QStringLiteral("无内存映射")));
    return result;
}

ProbeResult ReadModuleInfo(CGdbTarget& target, ModuleInfo& info, IProbeProgress& progress) {
    const QString strStep = QStringLiteral("读取模块");
    ProbeResult result =
        target.Read(MODULE_BLOCK1_ADDRESS, INFO_BLOCK_LENGTH, info.block1, progress, strStep);
    if (result.Done()) {
        result =
            target.Read(MODULE_BLOCK2_ADDRESS, INFO_BLOCK_LENGTH, info.block2, progress, strStep);
    }
    info.b1 = BlockOf(info.block1);
    info.b2 = BlockOf(info.block2);
    return result;
}

QString ModuleReport(const ModuleInfo& info) {
    QString strReport =
        CoreLabel(QT_TRANSLATE_NOOP("CoreText", "模块信息")) + QLatin1String("\r\n");
    if (!info.b1.HasMarker()) {
        strReport += CoreLabel(QT_TRANSLATE_NOOP("CoreText", "信息块1: 未找到信息块")) +
                     QString::asprintf(" (0x%04X)\r\n", info.b1.wMagic);
    } else {
        strReport += BlockOneFields(QT_TRANSLATE_NOOP("CoreText", "信息块位置"), info.b1);
        AppendInfoTypeLabel(strReport, info.b1.wType);
        strReport += QLatin1String("\r\n");
        AppendBootViewLines(strReport, info.b1);
        AppendAddressLines(strReport, info.b1);
    }
    if (info.b2.HasMarker()) return strReport + BlockTwoPart(info.b2);
    return strReport + QLatin1String("\r\n") +
           CoreLabel(QT_TRANSLATE_NOOP("CoreText", "信息块2: 未找到信息块")) +
           QString::asprintf(" (0x%04X)\r\n", info.b2.wMagic);
}

QString ModuleSummary(const ModuleInfo& info) {
    const QString strBoot = info.b1.HasMarker()
                                ? QString::asprintf("BootLoader 0x%04X 芯片 0x%04X",
                                                    info.b1.wBootVersion, info.b1.wChipType)
                                : QStringLiteral("无 BootLoader 信息块");
    const QString strApp = info.b2.HasMarker()
                               ? QStringLiteral("App %1 模块 %2")
                                     .arg(FormatAppVersion(info.b2.byVerMajor, info.b2.byVerMinor),
                                          QString::asprintf("0x%04X", info.b2.wModuleType))
                               : QStringLiteral("无 App 信息块");
    return strBoot + QStringLiteral(", ") + strApp;
}

QString TargetDescription(const CGdbTarget& target) {
    const GdbTargetInfo& info = target.Info();
    QString strText = QStringLiteral("server: %1 (%2)\r\n").arg(info.strServer, info.strLink);
    strText += QStringLiteral("packet size: 0x%1%2\r\n")
                   .arg(info.nPacketSize, 0, 16)
                   .arg(info.bNoAck ? QStringLiteral(", no acks") : QString());
    if (!info.strArchitecture.isEmpty()) {
        strText += QStringLiteral("architecture: %1\r\n").arg(info.strArchitecture);
    }
    strText += QStringLiteral("memory map: %1\r\n")
                   .arg(info.bHasMap ? DescribeMemoryMap(info.map) : QStringLiteral("none"));
    return strText;
}

std::uint32_t ModuleReadSize(const CGdbTarget& target, std::uint32_t dwWanted) {
    const std::uint32_t dwSize = dwWanted ? dwWanted : MODULE_FIRMWARE_SIZE;
    const std::uint64_t qwEnd = target.Info().map.FlashEndFrom(APP_ADDRESS_BASE);
    if (qwEnd == APP_ADDRESS_BASE) return dwSize;
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(dwSize, qwEnd - APP_ADDRESS_BASE));
}

ProbeResult SaveModuleImage(const QString& strPath, const QByteArray& bytes, int nFormat) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    // The entry of the module is where its reset vector points, as the chip starts it.
    std::optional<std::uint32_t> entry;
    if (bytes.size() >= 8) entry = DoubleWord(p + 4);
    const QByteArray text =
        nFormat == FORMAT_HEX    ? IntelHexOf(p, bytes.size(), APP_ADDRESS_BASE, 16, entry)
        : nFormat == FORMAT_SREC ? SRecordOf(p, bytes.size(), APP_ADDRESS_BASE, 16, entry)
                                 : bytes;
    QSaveFile file(strPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        WriteLog(FileLogLine("创建", strPath, QStringLiteral("失败, ") + file.errorString()));
        return ProbeResult::Failed(CoreReason::SaveFailed, QStringLiteral("保存"),
                                   strPath + QStringLiteral(": ") + file.errorString());
    }
    WriteLog(FileLogLine("创建", strPath, QStringLiteral("成功")));
    return ProbeResult();
}
