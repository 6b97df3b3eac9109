#include "firmware/checks/InfoBlock.h"

#include "firmware/workspace/InfoReport.h"

namespace {

std::uint16_t Word(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

}  // namespace

std::uint32_t DoubleWord(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

FirmwareInfoBlock FirmwareInfoBlock::Read(const unsigned char* pBuffer, std::size_t nOffset) {
    const unsigned char* p = pBuffer + nOffset;
    FirmwareInfoBlock block;
    block.wMagic = Word(p + 0);
    block.wType = Word(p + 2);
    block.wSize = Word(p + 4);
    block.wReserved = Word(p + 6);
    block.wBootVersion = Word(p + 8);
    block.wChipType = Word(p + 10);
    block.wBootSize = Word(p + 12);
    block.byVerMinor = p[8];
    block.byVerMajor = p[9];
    block.wModuleType = Word(p + 10);
    block.wAppSize = Word(p + 12);
    block.wCodeSize = Word(p + 14);
    block.dwAppAddress = DoubleWord(p + 16);
    block.dwInfoStageAddress = DoubleWord(p + 20);
    block.dwAppStageAddress = DoubleWord(p + 24);
    block.dwReserved = DoubleWord(p + 28);
    return block;
}

namespace {

QString TypeLabel(const char* pLabel, int nVersion) {
    return QStringLiteral(" (") + CoreLabel(pLabel) + QString::asprintf(" %d) ", nVersion);
}

}  // namespace

QString InfoTypeLabel(std::uint16_t wType) {
    const int nVersion = wType & 0xFF;
    switch (wType >> 8) {
        case INFO_TYPE_BOOT1:
            return TypeLabel(QT_TRANSLATE_NOOP("CoreText", "BootLoader 类型1 版本"), nVersion);
        case INFO_TYPE_BOOT2:
            return TypeLabel(QT_TRANSLATE_NOOP("CoreText", "BootLoader 类型2 版本"), nVersion);
        case INFO_TYPE_APP1:
            return TypeLabel(QT_TRANSLATE_NOOP("CoreText", "App类型1 版本"), nVersion);
        case INFO_TYPE_APP2:
            return TypeLabel(QT_TRANSLATE_NOOP("CoreText", "App类型2 版本"), nVersion);
        default:
            return QStringLiteral(" (") + CoreLabel(QT_TRANSLATE_NOOP("CoreText", "未知类型")) +
                   QStringLiteral(")  ");
    }
}

int AppendInfoTypeLabel(QString& strReport, std::uint16_t wType) {
    strReport += InfoTypeLabel(wType);
    return wType >> 8;
}

std::int32_t AppAddressOffset(std::uint32_t dwAppAddress) {
    return static_cast<std::int32_t>(dwAppAddress - APP_ADDRESS_BASE);
}

QString FormatAppVersion(std::uint8_t byMajor, std::uint8_t byMinor) {
    return QString::asprintf("%d.%02d", byMajor, byMinor);
}
