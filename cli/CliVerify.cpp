#include "cli/CliVerify.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/CliFiles.h"
#include "cli/DigestLine.h"
#include "cli/StderrPane.h"
#include "firmware/Digest.h"
#include "firmware/FirmwareVerify.h"
#include "firmware/InfoBlock.h"
#include "firmware/Workspace.h"

namespace {

bool ReadReference(const CliOptions& options, VerifyReference& ref) {
    ref.byFill = options.byFill;
    ref.bHasBoot = !options.strBoot.isEmpty();
    ref.bHasApp = !options.strApp.isEmpty();
    // Only the boot loader's first 4096 bytes reach a merged image.
    return (!ref.bHasBoot ||
            ReadInputFile(options.strBoot, BOOT_FILE_LIMIT, BOOT_REGION_SIZE, ref.boot)) &&
           (!ref.bHasApp || ReadInputFile(options.strApp, APP_FILE_LIMIT, APP_FILE_LIMIT, ref.app));
}

QJsonObject CheckJson(const VerifyCheck& check) {
    QJsonObject json{{QStringLiteral("check"), check.strName},
                     {QStringLiteral("ok"), check.bOk},
                     {QStringLiteral("text"), check.strText}};
    if (check.nOffset >= 0) json[QStringLiteral("offset")] = static_cast<double>(check.nOffset);
    return json;
}

void PrintJson(const QString& strPath, const QByteArray& image,
               const std::vector<VerifyCheck>& checks, bool bAllOk) {
    QJsonArray array;
    for (const VerifyCheck& check : checks) array.append(CheckJson(check));
    const QJsonObject json{{QStringLiteral("schemaVersion"), 1},
                           {QStringLiteral("file"), strPath},
                           {QStringLiteral("size"), static_cast<double>(image.size())},
                           {QStringLiteral("crc32"), QString::asprintf("%08x", Crc32(image))},
                           {QStringLiteral("sha256"), Sha256Hex(image)},
                           {QStringLiteral("ok"), bAllOk},
                           {QStringLiteral("checks"), array}};
    PrintLines(stdout, QString::fromUtf8(QJsonDocument(json).toJson()));
}

}  // namespace

int RunVerify(const CliOptions& options) {
    const QString& strPath = options.files.first();
    QByteArray image;
    VerifyReference ref;
    if (!ReadInputFile(strPath, INPUT_FILE_LIMIT, INPUT_FILE_LIMIT, image) ||
        !ReadReference(options, ref)) {
        return 1;
    }
    const std::vector<VerifyCheck> checks = VerifyFirmwareImage(image, ref);
    bool bAllOk = true;
    for (const VerifyCheck& check : checks) bAllOk = bAllOk && check.bOk;
    if (options.bJson) {
        PrintJson(strPath, image, checks, bAllOk);
    } else {
        QString strOut;
        for (const VerifyCheck& check : checks) strOut += VerifyLine(check) + QLatin1Char('\n');
        PrintLines(stdout, strOut + DigestLine(strPath, image) + QLatin1Char('\n'));
    }
    return bAllOk ? 0 : 3;
}
