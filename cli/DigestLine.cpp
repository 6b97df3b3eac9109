#include "cli/DigestLine.h"

#include "cli/Digest.h"
#include "cli/StderrPane.h"
#include "firmware/FirmwareOutput.h"
#include "firmware/OutputFormat.h"
#include "firmware/Workspace.h"

QString DigestLine(const QString& strPath, const QByteArray& bytes) {
    return QString::asprintf("%ls %lld bytes crc32=%08x sha256=", qUtf16Printable(strPath),
                             static_cast<long long>(bytes.size()), Crc32(bytes)) +
           Sha256Hex(bytes);
}

int PrintImageDigest(const QString& strPath) {
    const QByteArray image =
        QByteArray::fromRawData(reinterpret_cast<const char*>(g_FirmwareBuf), g_nFirmwareSize);
    PrintLines(stdout, DigestLine(strPath, image) + QStringLiteral(" format=") +
                           FormatExtension(g_nFirmwareFormat) + QLatin1Char('\n'));
    return 0;
}
