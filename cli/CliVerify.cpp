#include "cli/CliVerify.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/CliFiles.h"
#include "cli/CliJson.h"
#include "cli/DigestLine.h"
#include "cli/StderrPane.h"
#include "firmware/Digest.h"
#include "firmware/FirmwareVerify.h"
#include "firmware/InfoBlock.h"
#include "firmware/Workspace.h"

namespace {

// Reads one file of the verify; a refusal leaves its error document in error.
bool ReadVerifyInput(const QString& strPath, std::int64_t nSizeLimit, std::int64_t nReadAtMost,
                     QByteArray& bytes, QJsonObject& error, std::uint8_t byFill) {
    const ImageInput input = ReadCliInput(strPath, nSizeLimit, nReadAtMost, byFill);
    if (!input.Ok()) {
        error = ResultErrorJson(strPath, InputOutcome(input, nSizeLimit));
        return false;
    }
    bytes = input.bytes;
    return true;
}

bool ReadReference(const CliOptions& options, VerifyReference& ref, QJsonObject& error) {
    ref.byFill = options.merge.byFill;
    ref.bHasBoot = !options.strBoot.isEmpty();
    ref.bHasApp = !options.strApp.isEmpty();
    // As much of the boot loader as a merge reads: its first 4096 bytes reach the image, the
    // rest shows code that the region cuts off.
    return (!ref.bHasBoot || ReadVerifyInput(options.strBoot, BOOT_FILE_LIMIT, BOOT_READ_LIMIT,
                                             ref.boot, error, ref.byFill)) &&
           (!ref.bHasApp || ReadVerifyInput(options.strApp, APP_FILE_LIMIT, APP_FILE_LIMIT, ref.app,
                                            error, ref.byFill));
}

QJsonObject CheckJson(const VerifyCheck& check) {
    QJsonObject json{{QStringLiteral("check"), check.strName},
                     {QStringLiteral("ok"), check.bOk},
                     {QStringLiteral("text"), check.strText}};
    if (check.nOffset >= 0) json[QStringLiteral("offset")] = static_cast<double>(check.nOffset);
    if (check.bSkipped) json[QStringLiteral("skipped")] = true;
    return json;
}

void PrintVerifyJson(const QString& strPath, const QByteArray& image,
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
    QJsonObject error;
    if (!ReadVerifyInput(strPath, INPUT_FILE_LIMIT, INPUT_FILE_LIMIT, image, error,
                         options.merge.byFill) ||
        !ReadReference(options, ref, error)) {
        if (options.bJson) PrintJson(QJsonObject{{QStringLiteral("error"), error}});
        return 1;
    }
    const std::vector<VerifyCheck> checks = VerifyFirmwareImage(image, ref);
    bool bAllOk = true;
    for (const VerifyCheck& check : checks) bAllOk = bAllOk && check.bOk;
    if (options.bJson) {
        PrintVerifyJson(strPath, image, checks, bAllOk);
    } else {
        QString strOut;
        for (const VerifyCheck& check : checks) strOut += VerifyLine(check) + QLatin1Char('\n');
        PrintLines(stdout, strOut + DigestLine(strPath, image) + QLatin1Char('\n'));
    }
    return bAllOk ? 0 : 3;
}
