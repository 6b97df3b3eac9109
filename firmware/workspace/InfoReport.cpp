#include "firmware/workspace/InfoReport.h"

#include <QCoreApplication>

#include "config/DeviceCatalogue.h"
#include "firmware/checks/InfoBlock.h"

QString CoreLabel(const char* pLabel) { return QCoreApplication::translate("CoreText", pLabel); }

namespace {

// "label: " with the label in the window's language: only the labels are translated, never
// what the file or the catalogue put into the report.
QString L(const char* pLabel) { return CoreLabel(pLabel) + QLatin1String(": "); }

}  // namespace

QString PanelTitle() { return CoreLabel(QT_TRANSLATE_NOOP("CoreText", "文件信息")); }

QString BlockOneHead(const char* pPositionLabel, std::int32_t nLength, const FirmwareInfoBlock& b) {
    return PanelTitle() + QLatin1String("  ") + L(QT_TRANSLATE_NOOP("CoreText", "文件大小")) +
           QString::asprintf("%d \r\n", nLength) + BlockOneFields(pPositionLabel, b);
}

QString BlockOneFields(const char* pPositionLabel, const FirmwareInfoBlock& b) {
    return L(pPositionLabel) +
           QString::asprintf("0x%04X  ", static_cast<unsigned>(INFO_BLOCK1_OFFSET)) +
           L(QT_TRANSLATE_NOOP("CoreText", "信息块大小")) + QString::asprintf("%d  \r\n", b.wSize) +
           L(QT_TRANSLATE_NOOP("CoreText", "信息块类型")) + QString::asprintf("0x%04X  ", b.wType);
}

void AppendBootViewLines(QString& strReport, const FirmwareInfoBlock& b) {
    strReport += L(QT_TRANSLATE_NOOP("CoreText", "启动区版本")) +
                 QString::asprintf("0x%04X  ", b.wBootVersion) +
                 L(QT_TRANSLATE_NOOP("CoreText", "启动器对应芯片")) +
                 QString::asprintf("0x%04X\r\n", b.wChipType);
    strReport += L(QT_TRANSLATE_NOOP("CoreText", "启动器大小")) +
                 QString::asprintf("0x%04X  ", b.wBootSize) +
                 L(QT_TRANSLATE_NOOP("CoreText", "实际代码大小")) +
                 QString::asprintf("0x%04X \r\n", b.wCodeSize);
}

void AppendAppViewLines(QString& strReport, const FirmwareInfoBlock& b, bool bBlankAfterVersion) {
    strReport += L(QT_TRANSLATE_NOOP("CoreText", "对应模块类型")) +
                 QString::asprintf("%04X ", b.wModuleType) + GetDeviceName(b.wModuleType) +
                 QLatin1String("\r\n");
    strReport += L(QT_TRANSLATE_NOOP("CoreText", "应用区版本")) +
                 QString::asprintf("  %d.%02d", b.byVerMajor, b.byVerMinor) +
                 QLatin1String(bBlankAfterVersion ? " \r\n" : "\r\n");
    strReport += L(QT_TRANSLATE_NOOP("CoreText", "应用区大小")) +
                 QString::asprintf("0x%04X  ", b.wAppSize) +
                 L(QT_TRANSLATE_NOOP("CoreText", "实际代码大小")) +
                 QString::asprintf("0x%04X \r\n", b.wCodeSize);
}

void AppendAddressLines(QString& strReport, const FirmwareInfoBlock& b) {
    strReport += L(QT_TRANSLATE_NOOP("CoreText", "应用区地址")) +
                 QString::asprintf("0x%08X (", b.dwAppAddress) +
                 CoreLabel(QT_TRANSLATE_NOOP("CoreText", "偏移")) +
                 QString::asprintf(" %d )\r\n", AppAddressOffset(b.dwAppAddress));
    strReport += L(QT_TRANSLATE_NOOP("CoreText", "信息暂存区")) +
                 QString::asprintf("0x%08X \r\n", b.dwInfoStageAddress) +
                 L(QT_TRANSLATE_NOOP("CoreText", "应用暂存区")) +
                 QString::asprintf("0x%08X \r\n", b.dwAppStageAddress);
}

QString BlockTwoPart(const FirmwareInfoBlock& b) {
    QString strPart = QStringLiteral("\r\n");
    strPart += L(QT_TRANSLATE_NOOP("CoreText", "信息块2位置")) +
               QString::asprintf("0x%04X  ", static_cast<unsigned>(INFO_BLOCK2_OFFSET)) +
               L(QT_TRANSLATE_NOOP("CoreText", "信息块2大小")) +
               QString::asprintf("%d  \r\n", b.wSize);
    strPart +=
        L(QT_TRANSLATE_NOOP("CoreText", "信息块2类型")) + QString::asprintf("0x%04X  ", b.wType);
    AppendInfoTypeLabel(strPart, b.wType);
    strPart += QLatin1String("\r\n");
    AppendAppViewLines(strPart, b, false);
    AppendAddressLines(strPart, b);
    return strPart;
}
