#include "cli/CliJson.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>

#include "config/DeviceCatalogue.h"
#include "firmware/InfoBlock.h"

namespace {

QString Hex(unsigned nValue, int nDigits) { return QString::asprintf("0x%0*X", nDigits, nValue); }

QJsonObject BlockJson(const FirmwareInfoBlock& b, std::size_t nOffset) {
    QJsonObject block;
    block[QStringLiteral("offset")] = static_cast<int>(nOffset);
    block[QStringLiteral("marker")] = b.HasMarker();
    block[QStringLiteral("typeWord")] = Hex(b.wType, 4);
    block[QStringLiteral("typeCode")] = b.TypeCode();
    block[QStringLiteral("typeVersion")] = b.TypeVersion();
    block[QStringLiteral("typeLabel")] = InfoTypeLabel(b.wType).trimmed();
    block[QStringLiteral("size")] = b.wSize;
    block[QStringLiteral("bootVersion")] = Hex(b.wBootVersion, 4);
    block[QStringLiteral("chipType")] = Hex(b.wChipType, 4);
    block[QStringLiteral("bootSize")] = Hex(b.wBootSize, 4);
    block[QStringLiteral("appVersion")] = FormatAppVersion(b.byVerMajor, b.byVerMinor);
    block[QStringLiteral("moduleType")] = QString::asprintf("%04X", b.wModuleType);
    block[QStringLiteral("moduleName")] = GetDeviceName(b.wModuleType);
    block[QStringLiteral("appSize")] = Hex(b.wAppSize, 4);
    block[QStringLiteral("codeSize")] = Hex(b.wCodeSize, 4);
    block[QStringLiteral("appAddress")] = Hex(b.dwAppAddress, 8);
    block[QStringLiteral("appAddressOffset")] = AppAddressOffset(b.dwAppAddress);
    block[QStringLiteral("infoStageAddress")] = Hex(b.dwInfoStageAddress, 8);
    block[QStringLiteral("appStageAddress")] = Hex(b.dwAppStageAddress, 8);
    return block;
}

}  // namespace

QJsonObject ImageJson(const QString& strPath) {
    // The first bytes as the inspection sees them: zero past the file's end.
    QByteArray head(INFO_BLOCK2_OFFSET + INFO_BLOCK_LENGTH, '\0');
    QFile file(strPath);
    if (QFileInfo(strPath).isFile() && file.open(QIODevice::ReadOnly)) {
        QByteArray bytes = file.read(head.size());
        head.replace(0, bytes.size(), bytes);
    }
    const auto* p = reinterpret_cast<const unsigned char*>(head.constData());
    QJsonObject image;
    image[QStringLiteral("file")] = strPath;
    image[QStringLiteral("size")] = static_cast<double>(QFileInfo(strPath).size());
    image[QStringLiteral("blocks")] =
        QJsonArray{BlockJson(FirmwareInfoBlock::Read(p, INFO_BLOCK1_OFFSET), INFO_BLOCK1_OFFSET),
                   BlockJson(FirmwareInfoBlock::Read(p, INFO_BLOCK2_OFFSET), INFO_BLOCK2_OFFSET)};
    return image;
}
