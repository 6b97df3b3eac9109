#include "cli/CliJson.h"

#include <QJsonArray>
#include <QJsonDocument>

#include "cli/StderrPane.h"
#include "config/DeviceCatalogue.h"
#include "firmware/checks/FirmwareVerify.h"
#include "firmware/checks/InfoBlock.h"
#include "firmware/workspace/CoreResult.h"
#include "firmware/workspace/Digest.h"
#include "firmware/workspace/ImageFile.h"
#include "firmware/workspace/Workspace.h"

namespace {

constexpr int JSON_SCHEMA_VERSION = 1;

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

// Where a build output put its data: its lowest address, its segments and its entry address
// when it named one; null for a raw binary, which carries no addresses.
void AddAddressJson(QJsonObject& object, const ImageSource& source) {
    QJsonArray segments;
    for (const ImageSpan& span : source.segments) {
        segments.append(
            QJsonObject{{QStringLiteral("address"), static_cast<double>(span.dwAddress)},
                        {QStringLiteral("size"), static_cast<double>(span.dwSize)}});
    }
    object[QStringLiteral("startAddress")] =
        source.bHasAddress ? QJsonValue(static_cast<double>(source.dwStart)) : QJsonValue();
    object[QStringLiteral("entryAddress")] =
        source.entry ? QJsonValue(static_cast<double>(*source.entry)) : QJsonValue();
    object[QStringLiteral("segments")] = source.bHasAddress ? QJsonValue(segments) : QJsonValue();
}

}  // namespace

QJsonObject ImageJson(const FirmwareWorkspace& ws, const QString& strPath,
                      const StagedImage& staged) {
    // The first bytes as the inspection read them: zero past the file's end.
    const unsigned char* p = ws.StageBuf;
    QJsonObject image;
    image[QStringLiteral("file")] = strPath;
    image[QStringLiteral("size")] = static_cast<double>(staged.nLength);
    image[QStringLiteral("format")] = staged.source.strFormat;
    AddAddressJson(image, staged.source);
    image[QStringLiteral("blocks")] =
        QJsonArray{BlockJson(FirmwareInfoBlock::Read(p, INFO_BLOCK1_OFFSET), INFO_BLOCK1_OFFSET),
                   BlockJson(FirmwareInfoBlock::Read(p, INFO_BLOCK2_OFFSET), INFO_BLOCK2_OFFSET)};
    return image;
}

QJsonObject ErrorJson(const char* pCode, const QString& strMessage) {
    return QJsonObject{{QStringLiteral("code"), QString::fromLatin1(pCode)},
                       {QStringLiteral("message"), strMessage}};
}

QJsonObject ResultErrorJson(const QString& strSubject, const CoreResult& result) {
    const QString strEnglish = ResultEnglish(result);
    QJsonObject error = ErrorJson(
        ReasonCode(result.reason),
        strSubject.isEmpty() ? strEnglish : strSubject + QStringLiteral(": ") + strEnglish);
    if (!result.strWords.isEmpty()) error[QStringLiteral("reason")] = result.strWords;
    if (result.nLine > 0) error[QStringLiteral("line")] = result.nLine;
    if (result.bHasAddress)
        error[QStringLiteral("address")] = static_cast<double>(result.dwAddress);
    return error;
}

QJsonObject InputFileJson(const QString& strPath, const ImageSource& source) {
    QJsonObject input{{QStringLiteral("file"), strPath},
                      {QStringLiteral("size"), static_cast<double>(source.nFileSize)},
                      {QStringLiteral("sha256"), QString::fromLatin1(source.sha256.toHex())},
                      {QStringLiteral("format"), source.strFormat}};
    AddAddressJson(input, source);
    return input;
}

// One check as merge and verify both write it. Each had keys of its own ("name" and "message",
// "check" and "text"); both now carry both, so that a reader of either keeps working.
QJsonObject CheckJson(const VerifyCheck& check) {
    QJsonObject json{{QStringLiteral("name"), check.strName},
                     {QStringLiteral("check"), check.strName},
                     {QStringLiteral("ok"), check.bOk},
                     {QStringLiteral("message"), check.strText},
                     {QStringLiteral("text"), check.strText}};
    if (check.nOffset >= 0) json[QStringLiteral("offset")] = static_cast<double>(check.nOffset);
    if (check.bSkipped) json[QStringLiteral("skipped")] = true;
    return json;
}

QJsonArray ChecksJson(const std::vector<VerifyCheck>& checks) {
    QJsonArray array;
    for (const VerifyCheck& check : checks) array.append(CheckJson(check));
    return array;
}

QJsonObject OutputJson(const QString& strPath, const QByteArray& bytes) {
    return QJsonObject{{QStringLiteral("file"), strPath},
                       {QStringLiteral("size"), static_cast<double>(bytes.size())},
                       {QStringLiteral("crc32"), QString::asprintf("%08x", Crc32(bytes))},
                       {QStringLiteral("sha256"), Sha256Hex(bytes)}};
}

void PrintJson(QJsonObject document) {
    document[QStringLiteral("schemaVersion")] = JSON_SCHEMA_VERSION;
    PrintLines(stdout, QString::fromUtf8(QJsonDocument(document).toJson()));
}
