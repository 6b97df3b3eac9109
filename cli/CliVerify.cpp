#include "cli/CliVerify.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <memory>
#include <optional>

#include "cli/CliFiles.h"
#include "cli/CliJson.h"
#include "cli/CliProbe.h"
#include "cli/DigestLine.h"
#include "cli/StderrPane.h"
#include "firmware/checks/FirmwareVerify.h"
#include "firmware/checks/InfoBlock.h"
#include "firmware/checks/MergeReference.h"
#include "firmware/workspace/Digest.h"
#include "firmware/workspace/Workspace.h"

namespace {

// Reads one file of the verify; a refusal leaves its error document in error.
bool ReadVerifyInput(const QString& strPath, std::int64_t nSizeLimit, std::int64_t nReadAtMost,
                     ImageInput& input, QJsonObject& error, std::uint8_t byFill,
                     std::int64_t nScanLimit = 0) {
    input = ReadCliInput(strPath, nSizeLimit, nReadAtMost, byFill, nScanLimit);
    if (!input.Ok()) error = ResultErrorJson(strPath, InputOutcome(input, nSizeLimit));
    return input.Ok();
}

const unsigned char* BytesOf(const ImageInput& input) {
    return reinterpret_cast<const unsigned char*>(input.bytes.constData());
}

// The boot loader and the App go into a workspace of their own, as the window's inspections
// take them, so that the reference is the one a merge of them checks against: the whole boot
// loader (its first bytes kept, the rest scanned) and where each file starts.
bool ReadReference(const CliOptions& options, VerifyReference& ref, QJsonObject& error) {
    const std::uint8_t byFill = options.merge.byFill;
    const auto pWorkspace = std::make_unique<FirmwareWorkspace>();
    ImageInput input;
    if (!options.strBoot.isEmpty()) {
        if (!ReadVerifyInput(options.strBoot, BOOT_FILE_LIMIT, BOOT_READ_LIMIT, input, error,
                             byFill, BOOT_SCAN_LIMIT)) {
            return false;
        }
        TakeBootLoader(*pWorkspace, BytesOf(input), static_cast<std::size_t>(input.bytes.size()),
                       static_cast<std::int32_t>(input.nSize), SourceOf(options.strBoot, input));
    }
    if (!options.strApp.isEmpty()) {
        if (!ReadVerifyInput(options.strApp, APP_FILE_LIMIT, APP_FILE_LIMIT, input, error, byFill))
            return false;
        TakeApp(*pWorkspace, BytesOf(input), static_cast<std::int32_t>(input.nSize),
                SourceOf(options.strApp, input));
    }
    ref = MergeReferenceOf(*pWorkspace, byFill);
    return true;
}

void PrintVerifyJson(const QString& strPath, const QByteArray& image,
                     const std::vector<VerifyCheck>& checks, bool bAllOk,
                     const QJsonObject& module) {
    const QJsonArray array = ChecksJson(checks);
    QJsonObject json{{QStringLiteral("schemaVersion"), 1},
                     {QStringLiteral("file"), strPath},
                     {QStringLiteral("size"), static_cast<double>(image.size())},
                     {QStringLiteral("crc32"), QString::asprintf("%08x", Crc32(image))},
                     {QStringLiteral("sha256"), Sha256Hex(image)},
                     {QStringLiteral("ok"), bAllOk},
                     {QStringLiteral("checks"), array}};
    if (!module.isEmpty()) json[QStringLiteral("module")] = module;
    PrintLines(stdout, QString::fromUtf8(QJsonDocument(json).toJson()));
}

}  // namespace

int RunVerify(const CliOptions& options) {
    const QString& strPath = options.files.first();
    ImageInput input;
    VerifyReference ref;
    QJsonObject error;
    if (!ReadVerifyInput(strPath, INPUT_FILE_LIMIT, INPUT_FILE_LIMIT, input, error,
                         options.merge.byFill) ||
        !ReadReference(options, ref, error)) {
        if (options.bJson) PrintJson(QJsonObject{{QStringLiteral("error"), error}});
        return 1;
    }
    const QByteArray& image = input.bytes;
    // A file with addresses must start where the flash does.
    std::optional<std::uint32_t> dwFileStart;
    if (input.format != ImageFormat::Bin) dwFileStart = input.dwStart;
    const std::vector<VerifyCheck> checks = VerifyFirmwareImage(image, ref, dwFileStart);
    bool bAllOk = true;
    for (const VerifyCheck& check : checks) bAllOk = bAllOk && check.bOk;
    if (!options.bJson) {
        QString strOut;
        for (const VerifyCheck& check : checks) strOut += VerifyLine(check) + QLatin1Char('\n');
        PrintLines(stdout, strOut + DigestLine(strPath, image) + QLatin1Char('\n'));
    }
    // The module is compared after the file's own checks, which need no probe.
    QJsonObject module;
    const int nModule = options.strGdb.isEmpty()
                            ? 0
                            : CompareWithModule(options, image, options.bJson ? &module : nullptr);
    if (options.bJson) PrintVerifyJson(strPath, image, checks, bAllOk && nModule == 0, module);
    if (nModule == 1) return 1;
    return bAllOk && nModule == 0 ? 0 : 3;
}
