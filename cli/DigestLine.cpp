#include "cli/DigestLine.h"

#include <QDir>

#include "firmware/Digest.h"

// The path as the system writes it, as the run log shows it too.
QString DigestLine(const QString& strPath, const QByteArray& bytes) {
    return QString::asprintf("%ls %lld bytes crc32=%08x sha256=",
                             qUtf16Printable(QDir::toNativeSeparators(strPath)),
                             static_cast<long long>(bytes.size()), Crc32(bytes)) +
           Sha256Hex(bytes);
}
