#include "cli/DigestLine.h"

#include "cli/Digest.h"

QString DigestLine(const QString& strPath, const QByteArray& bytes) {
    return QString::asprintf("%ls %lld bytes crc32=%08x sha256=", qUtf16Printable(strPath),
                             static_cast<long long>(bytes.size()), Crc32(bytes)) +
           Sha256Hex(bytes);
}
