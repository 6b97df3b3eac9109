#include "firmware/InfoReport.h"

#include "config/DeviceCatalogue.h"
#include "firmware/InfoBlock.h"

QString BlockOneHead(const char* pPositionLabel, std::int32_t nLength, const FirmwareInfoBlock& b) {
    return QStringLiteral("文件信息  ") + QString::asprintf("文件大小: %d \r\n", nLength) +
           QString::asprintf("%s: 0x%04X  信息块大小: %d  \r\n", pPositionLabel,
                             static_cast<unsigned>(INFO_BLOCK1_OFFSET), b.wSize) +
           QString::asprintf("信息块类型: 0x%04X  ", b.wType);
}

void AppendBootViewLines(QString& strReport, const FirmwareInfoBlock& b) {
    strReport += QString::asprintf("启动区版本: 0x%04X  启动器对应芯片: 0x%04X\r\n", b.wBootVersion,
                                   b.wChipType);
    strReport += QString::asprintf("启动器大小: 0x%04X  实际代码大小: 0x%04X \r\n", b.wBootSize,
                                   b.wCodeSize);
}

void AppendAppViewLines(QString& strReport, const FirmwareInfoBlock& b, bool bBlankAfterVersion) {
    strReport += QString::asprintf("对应模块类型: %04X %ls\r\n", b.wModuleType,
                                   qUtf16Printable(GetDeviceName(b.wModuleType)));
    strReport += QString::asprintf("应用区版本:   %d.%02d", b.byVerMajor, b.byVerMinor) +
                 QLatin1String(bBlankAfterVersion ? " \r\n" : "\r\n");
    strReport +=
        QString::asprintf("应用区大小: 0x%04X  实际代码大小: 0x%04X \r\n", b.wAppSize, b.wCodeSize);
}

void AppendAddressLines(QString& strReport, const FirmwareInfoBlock& b) {
    strReport += QString::asprintf("应用区地址: 0x%08X (偏移 %d )\r\n", b.dwAppAddress,
                                   AppAddressOffset(b.dwAppAddress));
    strReport += QString::asprintf("信息暂存区: 0x%08X \r\n应用暂存区: 0x%08X \r\n",
                                   b.dwInfoStageAddress, b.dwAppStageAddress);
}

QString BlockTwoPart(const FirmwareInfoBlock& b) {
    QString strPart = QStringLiteral("\r\n");
    strPart += QString::asprintf("信息块2位置: 0x%04X  信息块2大小: %d  \r\n",
                                 static_cast<unsigned>(INFO_BLOCK2_OFFSET), b.wSize);
    strPart += QString::asprintf("信息块2类型: 0x%04X  ", b.wType);
    AppendInfoTypeLabel(strPart, b.wType);
    strPart += QLatin1String("\r\n");
    AppendAppViewLines(strPart, b, false);
    AppendAddressLines(strPart, b);
    return strPart;
}
